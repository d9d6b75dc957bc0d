// The filter's contacts with the system: the emulated OS version, PPD
// attributes by name prefix, the host name and the device form of an
// address.
#include <gtest/gtest.h>

#include "core/platform_points.h"
#include "core_test_support.h"
#include "filter_harness.h"

namespace {

using namespace zqf;
using coretest::ScopedEnv;

int32_t VersionFor(const char* release, uint32_t selector = gestaltSystemVersion) {
  ScopedEnv env("ZQ_OS_RELEASE", release);
  ResetGestaltCache();
  int32_t v = -99;
  EXPECT_EQ(Gestalt_ALT(selector, &v), 0);
  ResetGestaltCache();
  return v;
}

TEST(OsVersion, KernelReleasesMapToSystemVersions) {
  EXPECT_EQ(VersionFor("14.5.0"), 0x10A5);
  EXPECT_EQ(VersionFor("11.4.2"), 0x1074);
  EXPECT_EQ(VersionFor("11.0.0"), 0x1070);
  EXPECT_EQ(VersionFor("10.8.0"), 0x1068);
  EXPECT_EQ(VersionFor("13.0.0"), 0x1090);
  // The major number wraps in its 8-bit field from 20 on.
  EXPECT_EQ(VersionFor("20.3.0"), 0x1003);
  EXPECT_EQ(VersionFor("21.0.0"), 0x1010);
  // The minor keeps its low four bits.
  EXPECT_EQ(VersionFor("14.17.0"), 0x10A1);
}

TEST(OsVersion, DefaultReleaseIsTheNewestPath) {
  ScopedEnv env("ZQ_OS_RELEASE", nullptr);
  ResetGestaltCache();
  int32_t v = 0;
  EXPECT_EQ(Gestalt_ALT(gestaltSystemVersion, &v), 0);
  EXPECT_EQ(v, 0x10F6);
  EXPECT_EQ(OsVersion(), 0x10F6);
  ResetGestaltCache();
}

TEST(OsVersion, MalformedReleasesStayAtTheBase) {
  EXPECT_EQ(OsVersionFromKernelRelease(""), 0x1000);
  EXPECT_EQ(OsVersionFromKernelRelease("linux"), 0x1000);
  EXPECT_EQ(OsVersionFromKernelRelease("0.0.0"), 0x1000);
  EXPECT_EQ(OsVersionFromKernelRelease(".7"), 0x1007);
  EXPECT_EQ(OsVersionFromKernelRelease("14"), 0x10A0);
  // Numbers far beyond any release neither overflow nor crash.
  EXPECT_GE(OsVersionFromKernelRelease("99999999999999999999.99999999999999999999"), 0x1000);
  EXPECT_LE(OsVersionFromKernelRelease("99999999999999999999.99999999999999999999"), 0x10FF);
  // Only the first 16 bytes are the release.
  EXPECT_EQ(OsVersionFromKernelRelease("14.0000000000000000005"), 0x10A0);
}

TEST(OsVersion, Selectors) {
  EXPECT_EQ(VersionFor("19.6.0", gestaltSystemVersionMajor), 10);
  EXPECT_EQ(VersionFor("19.6.0", gestaltSystemVersionMinor), 15);
  EXPECT_EQ(VersionFor("19.6.0", gestaltSystemVersionBugFix), 6);
  EXPECT_EQ(VersionFor("14.5.0", gestaltSystemVersionMinor), 10);
  EXPECT_EQ(VersionFor("14.5.0", gestaltSystemVersionBugFix), 5);
}

TEST(OsVersion, UnknownSelectorIsReportedAndLeavesTheResult) {
  int32_t v = 1234;
  testing::internal::CaptureStderr();
  EXPECT_EQ(Gestalt_ALT(FourCC("abcd"), &v), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Gestalt_ALT : selector '61626364' not supported.\n");
  EXPECT_EQ(v, 1234);
  // A null result pointer is harmless.
  EXPECT_EQ(Gestalt_ALT(gestaltSystemVersion, nullptr), 0);
}

TEST(OsVersion, ComputedOnceUntilReset) {
  ScopedEnv env("ZQ_OS_RELEASE", "11.0.0");
  ResetGestaltCache();
  EXPECT_EQ(OsVersion(), 0x1070);
  ::setenv("ZQ_OS_RELEASE", "14.0.0", 1);
  EXPECT_EQ(OsVersion(), 0x1070);
  ResetGestaltCache();
  EXPECT_EQ(OsVersion(), 0x10A0);
  ResetGestaltCache();
}

// --- PPD attributes ---------------------------------------------------------------

struct Ppd {
  explicit Ppd(const zqtest::PpdBuilder& b) : handle(ppdOpenFile(b.Write().c_str())) {}
  PpdHandle handle;
};

TEST(PpdAttributes, PrefixLookupInFileOrder) {
  Ppd ppd(zqtest::PpdBuilder()
              .QuotedAttr("ZQModeExtended", "long")
              .QuotedAttr("ZQMode", "exact")
              .QuotedAttr("ZQOther", "other"));
  ASSERT_TRUE(ppd.handle);
  ppd_attr_t* a = ppdFindAttr_ALT(ppd.handle.get(), "ZQMode", "ignored spec");
  ASSERT_NE(a, nullptr);
  EXPECT_STREQ(a->value, "long");

  Ppd exactFirst(zqtest::PpdBuilder().QuotedAttr("ZQMode", "exact").QuotedAttr("ZQModeExtended", "long"));
  a = ppdFindAttr_ALT(exactFirst.handle.get(), "ZQMode", nullptr);
  ASSERT_NE(a, nullptr);
  EXPECT_STREQ(a->value, "exact");

  EXPECT_EQ(ppdFindAttr_ALT(ppd.handle.get(), "ZQMissing", nullptr), nullptr);
  EXPECT_EQ(ppdFindAttr_ALT(nullptr, "ZQMode", nullptr), nullptr);
  EXPECT_EQ(ppdFindAttr_ALT(ppd.handle.get(), nullptr, nullptr), nullptr);
}

TEST(PpdAttributes, KeywordSupportIsASubstringTest) {
  Ppd ppd(zqtest::PpdBuilder().QuotedAttr("ZQXFeaturesSettings", "Default02 Morvane00"));
  EXPECT_TRUE(CheckIfPPDKeywordSupported(ppd.handle.get(), "ZQXFeatures", "Morvane"));
  EXPECT_FALSE(CheckIfPPDKeywordSupported(ppd.handle.get(), "ZQXFeatures", "Default03"));
  EXPECT_FALSE(CheckIfPPDKeywordSupported(ppd.handle.get(), "ZQXMissing", "Default02"));
  EXPECT_FALSE(CheckIfPPDKeywordSupported(nullptr, "ZQXFeatures", "Default02"));
  EXPECT_FALSE(CheckIfPPDKeywordSupported(ppd.handle.get(), "ZQXFeatures", nullptr));
}

// --- host -------------------------------------------------------------------------------------

TEST(Host, HostNameIsBoundedAndWhole) {
  std::string name;
  getHostName(name);
  EXPECT_LE(name.size(), 96u);
  std::string shortName;
  getHostName(shortName, 4);
  EXPECT_LE(shortName.size(), 3u);
  EXPECT_EQ(name.substr(0, shortName.size()), shortName);
  getHostName(shortName, 0);
  EXPECT_EQ(shortName, "");
}

TEST(Host, DeviceFormOfAddresses) {
  EXPECT_EQ(DeviceFormAddress("192.168.1.10"), "IC0A8010A");
  EXPECT_EQ(DeviceFormAddress("0.0.0.0"), "I00000000");
  EXPECT_EQ(DeviceFormAddress("255.255.255.255"), "IFFFFFFFF");
  EXPECT_EQ(DeviceFormAddress("2001:db8::1"), "620010DB8000000000000000000000001");
  EXPECT_EQ(DeviceFormAddress("fe80::1%en0"), "6FE800000000000000000000000000001");
  EXPECT_EQ(DeviceFormAddress("::"), "6" + std::string(32, '0'));
}

TEST(Host, MalformedAddressesGiveNothing) {
  for (const char* bad : {"", "%", "256.1.1.1", "1.2.3", "1.2.3.0004", "1.2.3.4.5", "a.b.c.d", "1:2:3",
                          "2001:db8:::1", "12345::1", "192.168.1.10 ", "::g"}) {
    EXPECT_EQ(DeviceFormAddress(bad), "") << bad;
  }
}

TEST(Host, ClientAddressIsInDeviceFormOrEmpty) {
  std::string name, address;
  GetClientIPAddress(name, address);
  EXPECT_LE(name.size(), 96u);
  if (!address.empty()) {
    EXPECT_TRUE((address[0] == 'I' && address.size() == 9) || (address[0] == '6' && address.size() == 33))
        << address;
    EXPECT_EQ(address.find_first_not_of("I60123456789ABCDEF"), std::string::npos) << address;
  }
}

}  // namespace
