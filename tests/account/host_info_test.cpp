// The host information of the job-authentication ticket: the machine-name
// filter and its cut, the client-address form, and the three keys together.
#include "host_info.h"

#include <gtest/gtest.h>
#include <zqp/print_settings.h>
#include <zqp/utf8.h>

#include <string>

namespace zqacct {
namespace {

std::string Filter(const std::string& name) { return FilterMachineName(name, 0x20, 0xFE, 64); }

TEST(MachineName, CutToThirtyTwoBytesAndFiltered) {
    EXPECT_EQ(Filter(std::string(40, 'a')), std::string(32, 'a'));
    EXPECT_EQ(Filter(std::string(63, 'b')), std::string(32, 'b'));
    EXPECT_EQ(Filter(std::string(64, 'b')), "") << "does not fit in 64 bytes with its end";
    EXPECT_EQ(Filter("     "), "");
    EXPECT_EQ(Filter(""), "");
    EXPECT_EQ(Filter("Anna\xE2\x80\x99s Mac"), "Anna___s Mac");
    EXPECT_EQ(Filter("tab\there\x7F"), "tab_here\x7F");
    EXPECT_EQ(Filter("B\xC3\xBCro"), "B\xC3\xBCro") << "other characters stay";
    EXPECT_EQ(FilterMachineName(std::string(300, 'x'), 0x20, 0xFE, 0), "") << "0 means 256";
    EXPECT_EQ(FilterMachineName(std::string(200, 'x'), 0x20, 0xFE, 0), std::string(32, 'x'));
}

TEST(MachineName, CutFallsOnACharacterBoundaryAndStaysUtf8) {
    // 31 ASCII bytes and a quote: a cut at 32 bytes would split it.
    const std::string split = std::string(31, 'm') + "\xE2\x80\x99" + "x";
    EXPECT_EQ(Filter(split), std::string(31, 'm'));
    // A three-byte character across the limit.
    const std::string kana = std::string(30, 'k') + "\xE3\x81\x82\xE3\x81\x82";
    EXPECT_EQ(Filter(kana), std::string(30, 'k'));
    // Bytes that are not UTF-8 become "_" rather than an invalid value.
    const std::string bad = "ab\xFF\xC3(cd";
    EXPECT_EQ(Filter(bad), "ab__(cd");
    EXPECT_TRUE(zqp::IsValidUtf8(Filter(std::string(31, 'z') + "\xF0\x9F\x98\x80")));
}

TEST(ClientAddress, IPv4InDeviceForm) {
    EXPECT_EQ(GetClientIPAddress("192.168.1.2"), "IC0A80102");
    EXPECT_EQ(GetClientIPAddress("10.0.0.1"), "I0A000001");
    EXPECT_EQ(GetClientIPAddress("255.255.255.255"), "IFFFFFFFF");
    for (const char* bad : {"256.1.1.1", "1.2.3", "1.2.3.4.5", "1..2.3", "1.2.3.0004", "a.b.c.d", "1.2.3.4 ",
                            "::ffff:1.2.3.4", "."})
        EXPECT_EQ(GetClientIPAddress(bad), "") << bad;
}

TEST(ClientAddress, IPv6InDeviceForm) {
    EXPECT_EQ(GetClientIPAddress("fe80::1%en0"), "6fe80" + std::string(24, '0') + "0001");
    EXPECT_EQ(GetClientIPAddress("2001:db8::ff00:42:8329"), "620010db8000000000000ff0000428329");
    EXPECT_EQ(GetClientIPAddress("2001:DB8:0:0:1:2:3:4"), "620010DB8000000000001000200030004") << "case kept";
    EXPECT_EQ(GetClientIPAddress("::"), "6" + std::string(32, '0'));
    EXPECT_EQ(GetClientIPAddress("::1"), "6" + std::string(31, '0') + "1");
    EXPECT_EQ(GetClientIPAddress("1::"), "60001" + std::string(28, '0'));
    const std::string eightGroups = "1:2:3:4:5:6:7:8";
    EXPECT_EQ(GetClientIPAddress(eightGroups), "60001000200030004000500060007" "0008");
    for (const char* bad : {"1::2::3", "1:2:3:4:5:6:7:8:9", "1:2:3:4:5:6:7", "1:2:3:4::5:6:7:8", "12345::1",
                            "g::1", ":1:2:3:4:5:6:7", "1:2:3:4:5:6:7:", ":::", "%en0", "", "host"})
        EXPECT_EQ(GetClientIPAddress(bad), "") << bad;
    // Long input never runs past anything.
    EXPECT_EQ(GetClientIPAddress(std::string(1000, ':')), "");
    EXPECT_EQ(GetClientIPAddress(std::string(1000, 'f') + "::1"), "");
}

TEST(ClientAddress, HostNameResolvedToItsFirstAddress) {
    // A numeric name resolves to itself in either family, so no network is needed.
    EXPECT_EQ(AddressOfHostName("127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(AddressOfHostName("::1"), "::1");
    const std::optional<std::string> local = AddressOfHostName("localhost");
    ASSERT_TRUE(local.has_value());
    EXPECT_NE(GetClientIPAddress(*local), "") << *local << " is put into the device form";
    // Names that resolve to nothing give no address (and no crash).
    for (const std::string& bad : {std::string(), std::string("no-such-host.invalid"), std::string("a\0b", 3),
                                  std::string(300, 'x')})
        EXPECT_FALSE(AddressOfHostName(bad).has_value()) << bad;
}

std::string Value(const zqp::PrintSettings& s, const char* key) {
    std::string v;
    s.GetValue(key, v);
    return v;
}

TEST(HostInformationTicket, WritesTheThreeKeysUnlocked) {
    zqp::PrintSettings s;
    EXPECT_TRUE(SetInformationToTicket(&s, false, {"Office \xE2\x80\x99" "A", "office-a", "192.168.1.2"}));
    EXPECT_EQ(Value(s, kJBAMacHostNameTicketKey), "Office ___A");
    EXPECT_EQ(Value(s, kJBAHostNameTicketKey), "office-a");
    EXPECT_EQ(Value(s, kJBAIPAddressTicketKey), "IC0A80102");
    EXPECT_FALSE(s.IsLocked(kJBAHostNameTicketKey));

    zqp::PrintSettings noAddress;
    EXPECT_TRUE(SetInformationToTicket(&noAddress, false, {"m", "h", std::nullopt}));
    EXPECT_FALSE(noAddress.Has(kJBAIPAddressTicketKey));
    // A host name that resolved to nothing: the key is there, empty.
    zqp::PrintSettings unresolved;
    EXPECT_TRUE(SetInformationToTicket(&unresolved, false, {"m", "h", std::string()}));
    EXPECT_TRUE(unresolved.Has(kJBAIPAddressTicketKey));
    EXPECT_EQ(Value(unresolved, kJBAIPAddressTicketKey), "");
    EXPECT_FALSE(SetInformationToTicket(nullptr, false, {"m", "h", "10.0.0.1"}));
}

TEST(HostInformationTicket, AFailedMachineNameDoesNotLoseHostNameAndAddress) {
    zqp::PrintSettings s;
    ASSERT_EQ(s.SetValue(kJBAMacHostNameTicketKey, "kept", true), zqp::kNoErr);
    EXPECT_FALSE(SetInformationToTicket(&s, false, {std::string(31, 'q') + "\xE2\x80\x99", "h1", "fe80::1"}));
    EXPECT_EQ(Value(s, kJBAHostNameTicketKey), "h1");
    EXPECT_EQ(Value(s, kJBAIPAddressTicketKey), "6fe80" + std::string(24, '0') + "0001");

    zqp::PrintSettings cut;
    EXPECT_TRUE(SetInformationToTicket(&cut, false, {std::string(31, 'q') + "\xE2\x80\x99", "h", "1.2.3.4"}));
    EXPECT_EQ(Value(cut, kJBAMacHostNameTicketKey), std::string(31, 'q'));
    EXPECT_EQ(Value(cut, kJBAHostNameTicketKey), "h");
}

TEST(HostInformationTicket, LongOrInvalidTextsAreCutOrEmptied) {
    zqp::PrintSettings s;
    EXPECT_TRUE(SetInformationToTicket(&s, false, {"m", std::string(100, 'h'), "300.1.1.1"}));
    EXPECT_EQ(Value(s, kJBAHostNameTicketKey), std::string(64, 'h'));
    EXPECT_EQ(Value(s, kJBAIPAddressTicketKey), "");
    EXPECT_TRUE(SetCStringToTicket(&s, std::string(256, 'x'), kJBAHostNameTicketKey, false));
    EXPECT_EQ(Value(s, kJBAHostNameTicketKey), "");
    EXPECT_TRUE(SetCStringToTicket(&s, "a\xFF", kJBAHostNameTicketKey, false));
    EXPECT_EQ(Value(s, kJBAHostNameTicketKey), "");
}

TEST(HostInformationTicket, TheMachinesOwnInformationIsWritable) {
    zqp::PrintSettings s;
    EXPECT_TRUE(SetInformationToTicket(&s, false));
    EXPECT_TRUE(s.Has(kJBAMacHostNameTicketKey));
    EXPECT_TRUE(s.Has(kJBAHostNameTicketKey));
}

}  // namespace
}  // namespace zqacct
