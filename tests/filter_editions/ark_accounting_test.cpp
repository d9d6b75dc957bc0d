// ARK edition: the accounting and print-type rows, a ticket in and the
// exact attribute lines out.
#include <gtest/gtest.h>

#include "edition_support.h"

namespace {

using edtest::ArkKey;
using edtest::Attr;
using edtest::AttrLF;
using edtest::Lines;

// The accounting lines of one ARK job.
Lines Accounting(const std::vector<std::pair<std::string, std::string>>& entries, const std::string& ppd = "") {
  std::vector<std::pair<std::string, std::string>> keyed;
  for (const auto& [name, value] : entries) keyed.push_back({ArkKey(name), value});
  return edtest::Only(edtest::Header(zqf::ArkProfile(), edtest::Ticket(keyed), ppd), {"@PJL SET JOBATTR="});
}

const Lines kIdentity = {AttrLF("CNAM=mac1"), AttrLF("LUNA=alice"), AttrLF("NLPP=1")};

Lines Identity(const Lines& more) {
  Lines all = kIdentity;
  all.insert(all.end(), more.begin(), more.end());
  return all;
}

// User mode with the user's own settings (or only the input window), the
// user-ID key present so that the fallback login line stays out.
std::vector<std::pair<std::string, std::string>> UserMode(std::vector<std::pair<std::string, std::string>> more,
                                                          bool ownSettings = true) {
  more.insert(more.begin(), {{"JBAManageTypeListTicketKey", "2"}, {"JBAUserIDTextEditTicket", ""}});
  if (ownSettings) more.push_back({"JBAUserSettingRadioBtnTicket", "1"});
  return more;
}

TEST(ArkAccounting, AJobWithoutAccountingKeysSendsTheLoginName) {
  EXPECT_EQ(Accounting({}), Identity({Attr("JOAU=alice")}));
  // An address the dialog sent goes between the user and the N-up.
  EXPECT_EQ(Accounting({{"JBAIPAddressStringTicket", "IC0A80001"}}),
            (Lines{AttrLF("CNAM=mac1"), AttrLF("LUNA=alice"), AttrLF("HOAD=IC0A80001"), AttrLF("NLPP=1"),
                   Attr("JOAU=alice")}));
}

TEST(ArkAccounting, UserSettingsWithTheLoginName) {
  EXPECT_EQ(Accounting(UserMode({{"JBAUserIDListCtrlTicket", "1"},
                                 {"JBAInfoListTicketKey", "0"},
                                 {"JBAUserPasswordTextEditTicket", "c2VjcmV0"},
                                 {"JBADomainNameTextEditTicket", "CORP"},
                                 {"JBAAccountIDTextEditTicket", "4711"},
                                 {"JBAStorageIDTextEditTicket", "box7"},
                                 {"JBAStoragePasswordTextEditTicket", "s3"}})),
            Identity({Attr("JOAU=alice"), Attr("JOEP=c2VjcmV0"), Attr("JOAD=CORP"), Attr("DAID=4711"),
                      Attr("ACID=box7"), Attr("ACNA=Report"), Attr("ACEP=s3")}));
}

TEST(ArkAccounting, UserSettingsWithAnEnteredName) {
  EXPECT_EQ(Accounting(UserMode({{"JBAUserIDListCtrlTicket", "2"}, {"JBAUserIDTextEditTicket", "u123"}})),
            Identity({Attr("JOAU=u123"), Attr("JOEP="), Attr("DAID="), Attr("ACNA=Report")}));
  // A storage ID without its password still closes the password.
  EXPECT_EQ(Accounting(UserMode({{"JBAUserIDListCtrlTicket", "2"},
                                 {"JBAUserIDTextEditTicket", "u123"},
                                 {"JBAUserPasswordTextEditTicket", "pw"},
                                 {"JBAAccountIDTextEditTicket", "9"},
                                 {"JBAStorageIDTextEditTicket", "s"}})),
            Identity({Attr("JOAU=u123"), Attr("JOEP=pw"), Attr("DAID=9"), Attr("ACID=s"), Attr("ACNA=Report"),
                      Attr("ACEP=")}));
}

TEST(ArkAccounting, TheInformationListDecidesTheLoginLine) {
  const auto withInfo = [](const char* info, const char* set) {
    auto entries = UserMode({{"JBAUserIDListCtrlTicket", "1"}, {"JBAInfoListTicketKey", info}});
    if (set != nullptr) entries.push_back({"JBAInfoSetListTicketKey", set});
    return Accounting(entries);
  };
  const Lines tail = {Attr("JOEP="), Attr("DAID="), Attr("ACNA=Report")};
  const auto then = [&](const std::string& first) {
    Lines l = Identity({first});
    l.insert(l.end(), tail.begin(), tail.end());
    return l;
  };
  EXPECT_EQ(withInfo("0", nullptr), then(Attr("JOAU=alice")));
  EXPECT_EQ(withInfo("1", nullptr), then(Attr("JOAU=alice")));
  EXPECT_EQ(withInfo("3", "2"), then(Attr("JOAU=alice")));
  EXPECT_EQ(withInfo("2", nullptr), then(AttrLF("JOAU=UnknownUser")));
  EXPECT_EQ(withInfo("1", "8"), then(AttrLF("JOAU=UnknownUser")));
  // Without an information list no login line is sent at all.
  EXPECT_EQ(withInfo("-1", nullptr), Identity(tail));
}

TEST(ArkAccounting, AdministratorRowsComeFirstAndTheFallbackLoginStays) {
  EXPECT_EQ(Accounting({{"JBAManageTypeListTicketKey", "1"},
                        {"JBAAdminUserSettingRadioBtnTicket", "1"},
                        {"JBAAdminUserIDListCtrlTicket", "1"},
                        {"JBAInfoListTicketKey", "0"},
                        {"JBAAdminUserPasswordTextEditTicket", "pw"},
                        {"JBAAdminDomainNameTextEditTicket", "ADM"},
                        // The user's own values do not count in administrator mode.
                        {"JBAUserSettingRadioBtnTicket", "1"},
                        {"JBAAccountIDTextEditTicket", "user-account"}}),
            (Lines{Attr("JOAU=alice"), Attr("JOEP=pw"), Attr("JOAD=ADM"), Attr("DAID="), Attr("ACNA=Report"),
                   AttrLF("CNAM=mac1"),
                   AttrLF("LUNA=alice"), AttrLF("NLPP=1"), Attr("JOAU=alice")}));
}

TEST(ArkAccounting, InputWindowAndInfoSetCase8) {
  const std::vector<std::pair<std::string, std::string>> input = {{"JBAUserInputRadioBtnTicket", "1"},
                                                                  {"JBAInputAuthRadioBtnTicketKey", "1"},
                                                                  {"JBAInputUserIDTextEditTicket", "iu"},
                                                                  {"JBAInputUserPasswordTextEditTicket", "ip"},
                                                                  {"JBAInputDomainNameTextEditTicket", "DOM"},
                                                                  {"JBAInputAccountIDTextEditTicket", "acc"}};
  auto normal = UserMode(input, false);
  EXPECT_EQ(Accounting(normal), Identity({Attr("JOAU=iu"), Attr("JOEP=ip"), Attr("JOAD=DOM"), Attr("DAID=acc"),
                                          Attr("ACNA=Report")}));
  // "Case_8": the user is unknown and password and account go empty.
  auto case8 = UserMode(input, false);
  case8.push_back({"JBAInfoSetListTicketKey", "8"});
  EXPECT_EQ(Accounting(case8), Identity({Attr("JOAU=UnknownUser"), Attr("JOEP="), Attr("JOAD=DOM"),
                                         Attr("DAID="), Attr("ACNA=Report")}));
  // An input window without a user sends the unknown user and no password.
  EXPECT_EQ(Accounting(UserMode({{"JBAUserInputRadioBtnTicket", "1"}, {"JBAInputAuthRadioBtnTicketKey", "1"}}, false)),
            Identity({Attr("JOAU=UnknownUser"), Attr("JOEP="), Attr("DAID="), Attr("ACNA=Report")}));
}

TEST(ArkAccounting, InputWindowForTheStorage) {
  EXPECT_EQ(Accounting(UserMode({{"JBAUserInputRadioBtnTicket", "1"},
                                 {"JBAInputStrgRadioBtnTicketKey", "1"},
                                 {"JBAInfoListTicketKey", "1"},
                                 {"JBAInputStorageIDTextEditTicket", "st"}},
                                false)),
            Identity({Attr("DAID="), Attr("ACID=st"), Attr("ACNA=Report"), AttrLF("JOAU=UnknownUser"),
                      AttrLF("JOEP="), Attr("ACEP=")}));
}

TEST(ArkAccounting, NameRowsFollowTheProductsEncoding) {
  const auto entered = [](const std::string& ppd) {
    return Accounting(UserMode({{"JBAUserIDListCtrlTicket", "2"},
                                {"JBAUserIDTextEditTicket", "J\xc3\xb6rg"},
                                {"JBAStorageIDTextEditTicket", "K\xc3\xa4sten\xe2\x82\xac"}}),
                      ppd);
  };
  // A UTF-8 product reads the names in UTF-8; any other in ISO Latin-1,
  // where the euro sign has no place.
  const Lines utf8 = entered(edtest::Ppd("UTF-8"));
  EXPECT_EQ(utf8[3], Attr("JOAU=J\xc3\xb6rg"));
  EXPECT_EQ(utf8[6], Attr("ACID=K\xc3\xa4sten\xe2\x82\xac"));
  const Lines latin = entered(edtest::Ppd("ISOLatin1"));
  EXPECT_EQ(latin[3], Attr("JOAU=J\xf6rg"));
  EXPECT_EQ(latin[6], Attr("ACID=K\xe4sten"));
  // Without a PPD the plain tables apply.
  EXPECT_EQ(entered("")[3], Attr("JOAU=J\xf6rg"));
}

// The print-type lines of one ARK job.
Lines PrintType(const std::vector<std::pair<std::string, std::string>>& entries, const std::string& ppd = "",
                const std::string& title = "Report") {
  std::vector<std::pair<std::string, std::string>> keyed;
  for (const auto& [name, value] : entries) keyed.push_back({ArkKey(name), value});
  return edtest::Only(edtest::Header(zqf::ArkProfile(), edtest::Ticket(keyed), ppd, "alice", title),
                      {"@PJL SET HOLD", "@PJL SET BOX", "@PJL SET USERNAME", "@PJL SET JOBNAME",
                       "@PJL SET JOBATTR=\"@PRTM"});
}

TEST(ArkPrintType, MailboxAndDelayedPrintOnlyWhereTheProductHasThem) {
  const std::vector<std::pair<std::string, std::string>> mailbox = {
      {"PrintTypeTicketKey", "5"}, {"PrintTypeMBNTicketKey", "12"}, {"PrintTypeMBNPasswordTicketKey", "pw"}};
  const Lines full = {"@PJL SET HOLD=BOXSTORE\n", "@PJL SET HOLDTYPE=PRIVATE\n", "@PJL SET BOXNUMBER=12\r\n",
                      "@PJL SET BOXENCRYPTKEY=\"pw\"\r\n"};
  const std::string default04 = edtest::Ppd("UTF-8", {{"ZQXPrintTypeSettings", "Default04"}});
  EXPECT_EQ(PrintType(mailbox, default04), Lines{});
  EXPECT_EQ(PrintType(mailbox, edtest::Ppd("UTF-8")), full);
  // The reduced table belongs to UTF-8 products only.
  EXPECT_EQ(PrintType(mailbox, edtest::Ppd("ISOLatin1", {{"ZQXPrintTypeSettings", "Default04"}})), full);
  EXPECT_EQ(PrintType(mailbox), full);

  const std::vector<std::pair<std::string, std::string>> delayed = {{"PrintTypeTicketKey", "4"},
                                                                    {"DelayPrintTicketKey", "2230"}};
  EXPECT_EQ(PrintType(delayed, default04), Lines{});
  EXPECT_EQ(PrintType(delayed), Lines{"@PJL SET JOBATTR=\"@PRTM=2230\"\r\n"});
  // Secure print is the same on both.
  const std::vector<std::pair<std::string, std::string>> secure = {
      {"PrintTypeTicketKey", "2"}, {"PrintTypeUserNameTicketKey", "bob"}, {"PrintTypePasswordTicketKey", "k"}};
  const Lines held = {"@PJL SET HOLD=STORE\n", "@PJL SET HOLDTYPE=PRIVATE\n", "@PJL SET USERNAME=\"bob\"\r\n",
                      "@PJL SET HOLDENCRYPTKEY=\"k\"\r\n"};
  EXPECT_EQ(PrintType(secure, default04), held);
  EXPECT_EQ(PrintType(secure), held);
}

TEST(ArkPrintType, TheSecurePrintUserHoldsNinetySixBytes) {
  const Lines lines = PrintType({{"PrintTypeTicketKey", "2"}, {"PrintTypeUserNameTicketKey", std::string(120, 'u')}});
  EXPECT_EQ(lines, (Lines{"@PJL SET HOLD=STORE\n", "@PJL SET USERNAME=\"" + std::string(96, 'u') + "\"\r\n"}));
  // The user name stays UTF-8 on a UTF-8 product, Latin-1 elsewhere.
  const auto user = [](const std::string& ppd) {
    return PrintType({{"PrintTypeTicketKey", "3"}, {"PrintTypeUserNameTicketKey", "Zo\xc3\xab"}}, ppd)[1];
  };
  EXPECT_EQ(user(edtest::Ppd("UTF-8")), "@PJL SET USERNAME=\"Zo\xc3\xab\"\r\n");
  EXPECT_EQ(user(edtest::Ppd("ISOLatin1")), "@PJL SET USERNAME=\"Zo\xeb\"\r\n");
}

TEST(ArkPrintType, AutomaticDocumentNameOnAUtf8Product) {
  const std::string resume = "R\xc3\xa9sum\xc3\xa9";
  const auto jobName = [&](int productType) {
    return edtest::Only(PrintType({{"PrintTypeTicketKey", "3"},
                                   {"PrintTypeUserNameTicketKey", "bob"},
                                   {"DocumentNameTypeTicketKey", "1"},
                                   {"PrintTypeProductTypeTicketKey", std::to_string(productType)}},
                                  edtest::Ppd("UTF-8"), resume),
                        {"@PJL SET JOBNAME"});
  };
  // Products of types 1 and 2 take ASCII names only; 3 and 5 take these.
  EXPECT_EQ(jobName(1), Lines{});
  EXPECT_EQ(jobName(2), Lines{});
  EXPECT_EQ(jobName(3), Lines{"@PJL SET JOBNAME=\"" + resume + "\"\r\n"});
  EXPECT_EQ(jobName(5), Lines{"@PJL SET JOBNAME=\"" + resume + "\"\r\n"});
}

}  // namespace
