// The seventeen ticket keys in each mode and encoding, reading them back,
// the panel's life in a dialog and its summary, and the built bundle in the
// headless print dialog.
#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/system.h>

#include <array>
#include <filesystem>
#include <cstdio>

#include "account_store.h"
#include "emulated_release.h"
#include "host_values.h"
#include "localization.h"
#include "pellora_plugin.h"
#include "ppd_fixture.h"
#include "scramble_check.h"
#include "string_codecs.h"

namespace pellora {
namespace {

using test::Unscramble;
using zqp::TextEncoding;

const std::string kNs = "com.tavelle.m.pellora.printsettings.";

std::vector<std::pair<std::string, std::string>> Lines(const zqp::PrintSettings& settings) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const auto& e : settings.Entries()) out.emplace_back(e.key.substr(kNs.size()), std::get<std::string>(e.value));
  return out;
}

class TicketTest : public ::testing::Test {
 protected:
  void SetUp() override { zqp::SetTimeZone("UTC"); }
  void TearDown() override { zqp::SetTimeZone(""); }

  static HostInfo Host() {
    HostInfo host;
    host.hostName = "lab-mac";
    host.ipAddressText = "I0A000001";
    host.computerName = "B\xC3\xBCro, 2";  // "Büro, 2"
    host.now = 1796819445;                // 2026-12-09 12:30:45 UTC
    return host;
  }
  static AccountValues Values(int mode) {
    AccountValues v;
    v.chromalogMode = mode;
    v.adminGroupID = "Finance";
    v.adminAccountMode = 1;
    v.adminLoginUserID = "taro";
    v.adminInputUserID = "J\xC3\xBCrgen";  // "Jürgen"
    v.adminPassword = "adm1n";
    v.userGroupID = "R&D,2";
    v.userAccountMode = 0;
    v.userLoginUserID = "taro";
    v.userInputUserID = "UnknownUser";
    v.userPassword = "";
    return v;
  }
};

TEST_F(TicketTest, SeventeenKeysInBothModesForUtf8AndLatin1) {
  for (int mode : {0, 1}) {
    for (TextEncoding encoding : {TextEncoding::kUtf8, TextEncoding::kIsoLatin1}) {
      const bool utf8 = encoding == TextEncoding::kUtf8;
      zqp::PrintSettings settings;
      WriteTicket(settings, Values(mode), Host(), encoding);
      const auto lines = Lines(settings);
      ASSERT_EQ(lines.size(), 17u);
      const std::vector<std::pair<std::string, std::string>> expected{
          {"JBAVersion", "201"},
          {"JBAHostNameStringTicket", "lab-mac"},
          {"JBAIPAddressStringTicket", "I0A000001"},
          {"JBAMacHostNameStringTicket", utf8 ? "/66/-61/-68/114/111/44/32/50" : "/66/-4/114/111/44/32/50"},
          {"JBADateStringTicket", "12/09/2026"},
          {"JBATimeStringTicket", "12:30:45"},
          {"JBAManageTypeListTicketKey", mode == 0 ? "1" : "2"},
          {"JBAAdminGroupIDTextEditTicket", "Finance"},
          {"JBAAdminUserIDListCtrlTicket", "2"},
          {"JBAAdminLoginTextEditTicket", "taro"},
          // Not escaped: no special byte, whatever the encoding.
          {"JBAAdminUserIDTextEditTicket", "J\xC3\xBCrgen"},
          {"JBAAdminUserPasswordTextEditTicket", lines[11].second},
          {"JBAGroupIDTextEditTicket", "/82/38/68/44/50"},
          {"JBAUserIDListCtrlTicket", "1"},
          {"JBALoginTextEditTicket", "taro"},
          {"JBAUserIDTextEditTicket", "UnknownUser"},
          {"JBAUserPasswordTextEditTicket", ""},
      };
      EXPECT_EQ(lines, expected) << "mode " << mode << (utf8 ? " UTF-8" : " Latin-1");
      EXPECT_EQ(Unscramble(lines[11].second), "adm1n");
    }
  }
}

TEST_F(TicketTest, TextThePrinterCannotHoldIsLeftOutAndPasswordsAreSentInItsBytes) {
  AccountValues v = Values(1);
  v.userGroupID = "\xE6\x97\xA5";              // a CJK character: not in Latin-1
  v.userPassword = "p\xC3\xA4ss";              // "päss"
  v.adminPassword = "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC";  // four euro signs
  HostInfo host = Host();
  host.computerName.reset();
  zqp::PrintSettings settings;
  WriteTicket(settings, v, host, TextEncoding::kIsoLatin1);
  EXPECT_FALSE(settings.Has(kNs + "JBAGroupIDTextEditTicket"));
  EXPECT_FALSE(settings.Has(kNs + "JBAMacHostNameStringTicket"));
  std::string password;
  ASSERT_EQ(settings.GetValue(kNs + "JBAUserPasswordTextEditTicket", password), zqp::kNoErr);
  EXPECT_EQ(Unscramble(password), "p\xE4ss");
  // Never a cut password: the whole value is left empty.
  ASSERT_EQ(settings.GetValue(kNs + "JBAAdminUserPasswordTextEditTicket", password), zqp::kNoErr);
  EXPECT_EQ(password, "");

  // Shift-JIS: the same password is two bytes a letter there.
  zqp::PrintSettings sjis;
  v.userPassword = "\xE3\x81\x82\xE3\x81\x84";  // two hiragana
  WriteTicket(sjis, v, host, TextEncoding::kShiftJis);
  ASSERT_EQ(sjis.GetValue(kNs + "JBAUserPasswordTextEditTicket", password), zqp::kNoErr);
  EXPECT_EQ(Unscramble(password), "\x82\xA0\x82\xA2");
}

TEST(IPAddressText, IsIAndTwoHexDigitsAPart) {
  const std::array<std::pair<const char*, const char*>, 8> cases{{
      {"10.0.0.1", "I0A000001"},
      {"192.168.1.5", "IC0A80105"},
      {"255.255.255.255", "IFFFFFFFF"},
      {"1.2.3", ""},
      {"256.1.1.1", ""},
      {"1.2.3.4x", ""},
      {"fe80::1", ""},
      {"", ""},
  }};
  for (const auto& [dotted, text] : cases) EXPECT_EQ(IPAddressTicketText(dotted), text) << dotted;
}

TEST_F(TicketTest, ReadingBackBoundsModesAndKeepsWhatCannotBeDecoded) {
  zqp::PrintSettings settings;
  auto set = [&settings](const char* key, const std::string& value) { settings.SetValue(kNs + key, value, false); };
  set("JBAManageTypeListTicketKey", "0");  // would be mode -1
  set("JBAAdminUserIDListCtrlTicket", "2");
  set("JBAUserIDListCtrlTicket", "7");
  set("JBAAdminGroupIDTextEditTicket", "/-29/44");  // 0xE3 alone is not UTF-8
  set("JBAUserIDTextEditTicket", "/97/44/98");
  set("JBAAdminUserPasswordTextEditTicket", "!!!");
  set("JBAUserPasswordTextEditTicket", CreateEncryptedString("s3cret", TextEncoding::kUtf8).text);
  set("JBALoginTextEditTicket", "mallory");

  AccountValues v = Values(0);
  RestoreFromTicket(settings, TextEncoding::kUtf8, v);
  EXPECT_EQ(v.chromalogMode, 1);
  EXPECT_EQ(v.adminAccountMode, 1);
  EXPECT_EQ(v.userAccountMode, 0);
  EXPECT_EQ(v.adminGroupID, "Finance");    // kept
  EXPECT_EQ(v.adminPassword, "adm1n");     // kept
  EXPECT_EQ(v.userInputUserID, "a,b");
  EXPECT_EQ(v.userPassword, "s3cret");
  EXPECT_EQ(v.userLoginUserID, "taro");    // never from the ticket
  EXPECT_EQ(v.adminInputUserID, "UnknownUser");  // absent: the initial value
  EXPECT_EQ(v.userGroupID, "");

  for (const char* bad : {"-1", "3", "1x", "", " 2", "99999999999999999999"}) {
    set("JBAManageTypeListTicketKey", bad);
    AccountValues w;
    w.chromalogMode = 0;
    RestoreFromTicket(settings, TextEncoding::kUtf8, w);
    EXPECT_EQ(w.chromalogMode, 1) << bad;
  }
}

TEST_F(TicketTest, TheLongestValuesComeBackFromTheTicket) {
  AccountValues v;
  std::string euros;
  for (int i = 0; i < 254; ++i) euros += "\xE2\x82\xAC";
  v.adminGroupID = euros + ",";                                // 1273 bytes escaped
  v.userInputUserID = std::string(255, '/');                   // 1020 bytes escaped
  v.userGroupID = std::string(128, ',') + std::string(127, 'x');  // past 1023
  v.adminPassword = std::string(189, '~');
  zqp::PrintSettings settings;
  WriteTicket(settings, v, Host(), TextEncoding::kWindowsLatin1);
  std::string form;
  ASSERT_EQ(settings.GetValue(kNs + "JBAAdminGroupIDTextEditTicket", form), zqp::kNoErr);
  EXPECT_EQ(form.size(), 1273u);
  AccountValues back;
  RestoreFromTicket(settings, TextEncoding::kWindowsLatin1, back);
  EXPECT_EQ(back.adminGroupID, v.adminGroupID);
  EXPECT_EQ(back.userInputUserID, v.userInputUserID);
  EXPECT_EQ(back.userGroupID, v.userGroupID);
  EXPECT_EQ(back.adminPassword, v.adminPassword);
}

// ---- the panel ---------------------------------------------------------------

zqp::Bundle* BuiltBundle() {
  std::string error;
  zqp::Bundle* b = zqp::Bundle::Open(std::string(ZQ_BUNDLES_DIR) + "/pellora-job-account-pde.plugin", &error);
  EXPECT_NE(b, nullptr) << error;
  return b;
}

class PanelTest : public zqpde::test::EmulatedReleaseTest {};

TEST_F(PanelTest, ANewPanelPutsItsInitialValuesIntoTheTicket) {
  zqpde::test::PPD ppd("*ZQPrinterLanguageEncoding: \"UTF-8\"\n");
  zqp::Host host(ppd.get());
  host.session().SetCurrentPrinterID("Lab_Printer");
  ChromalogPdePlugin plugin;
  ASSERT_TRUE(plugin.initWithBundle(BuiltBundle()));
  EXPECT_TRUE(plugin.PDEPanelsForType("another type", &host).empty());
  auto panels = plugin.PDEPanelsForType(zqp::kPrintDialogPanelType, &host);
  ASSERT_EQ(panels.size(), 1u);
  EXPECT_EQ(panels[0]->panelKind(), "com.tavelle.o.pellora.pde.JobAccount");
  EXPECT_EQ(panels[0]->panelName(), "Job Accounting");

  const std::string login = ProcessUserName();
  ASSERT_FALSE(login.empty());
  std::map<std::string, std::string> ticket;
  for (const auto& [k, v] : Lines(host.settings())) ticket[k] = v;
  EXPECT_EQ(ticket.size(), 17u);
  EXPECT_EQ(ticket["JBAManageTypeListTicketKey"], "2");
  EXPECT_EQ(ticket["JBAAdminUserIDListCtrlTicket"], "1");
  EXPECT_EQ(ticket["JBAUserIDListCtrlTicket"], "1");
  EXPECT_EQ(ticket["JBAAdminUserIDTextEditTicket"], "UnknownUser");
  EXPECT_EQ(ticket["JBAUserIDTextEditTicket"], "UnknownUser");
  EXPECT_EQ(ticket["JBAAdminUserPasswordTextEditTicket"], "");
  EXPECT_EQ(ticket["JBAUserPasswordTextEditTicket"], "");
  EXPECT_EQ(ticket["JBALoginTextEditTicket"], CopyEncodedString(login, TextEncoding::kUtf8));
  EXPECT_EQ(ticket["JBAAdminLoginTextEditTicket"], ticket["JBALoginTextEditTicket"]);
  EXPECT_EQ(ticket["JBAHostNameStringTicket"], HostNameText());
}

TEST_F(PanelTest, RestoresFromTheTicketAndPushesToTheModel) {
  zqpde::test::PPD ppd("*ZQPrinterLanguageEncoding: \"ISOLatin1\"\n");
  zqp::Host host(ppd.get());
  host.settings().SetValue(kNs + "JBAManageTypeListTicketKey", "1", false);
  host.settings().SetValue(kNs + "JBAAdminGroupIDTextEditTicket", "/-29/44", false);
  ChromalogPdeInterface panel(&host, BuiltBundle());
  EXPECT_EQ(panel.values().chromalogMode, 0);
  EXPECT_EQ(panel.values().adminGroupID, "\xC3\xA3,");

  CtModel model;
  model.awakeFromNib();
  panel.setCtModel(&model);
  host.settings().SetValue(kNs + "JBAManageTypeListTicketKey", "2", false);
  ASSERT_TRUE(panel.restoreValuesAndReturnError(nullptr));
  EXPECT_EQ(model.chromalogMode(), 1);
  EXPECT_EQ(model.adminGroupID(), "\xC3\xA3,");
  // What the user changes in the model reaches the ticket at the next save.
  model.setUserPassword("abcd");
  ASSERT_TRUE(panel.saveValuesAndReturnError(nullptr));
  std::string password;
  host.settings().GetValue(kNs + "JBAUserPasswordTextEditTicket", password);
  EXPECT_EQ(Unscramble(password), "abcd");
}

TEST_F(PanelTest, SummaryShowsTheChosenModesValuesInThePrintersTable) {
  zqpde::test::PPD ppd("*ZQPrinterLanguageEncoding: \"UTF-8\"\n*ZQLocalizableFileIndex: \"1\"\n");
  zqp::Host host(ppd.get());
  ChromalogPdeInterface panel(&host, BuiltBundle());
  // The printer's table has its own title and lacks the rest.
  EXPECT_EQ(panel.panelName(), "Job Accounting (Second Family)");
  AccountValues v = panel.values();
  v.userAccountMode = 1;
  v.userInputUserID = "Hanako";
  v.userPassword = "p\xC3\xA4ss";
  v.adminGroupID = "Only for administrators";
  panel.setValues(v);
  zqp::Summary s = panel.summaryInfo();
  EXPECT_EQ(s.order, (std::vector<std::string>{"Accounting Mode", "Job Owner", "User ID", "Password"}));
  EXPECT_EQ(s.values["Accounting Mode"], "User Settings");
  EXPECT_EQ(s.values["Job Owner"], "Specified Name");
  EXPECT_EQ(s.values["User ID"], "Hanako");
  EXPECT_EQ(s.values["Password"], "****");

  v.chromalogMode = 0;
  panel.setValues(v);
  s = panel.summaryInfo();
  EXPECT_EQ(s.values["Accounting Mode"], "Administrator Settings");
  EXPECT_EQ(s.values["Group ID"], "Only for administrators");
  EXPECT_EQ(s.values["User ID"], ProcessUserName());
  EXPECT_EQ(s.values.count("Password"), 0u);
}

TEST_F(PanelTest, HasNoViewUntilItsNibGivesAController) {
  // A bundle of the test's own whose nib has views but no controller.
  zqpde::test::TempDir dir;
  const std::string path = dir.path() + "/probe.plugin";
  std::filesystem::create_directories(path + "/Resources");
  dir.Write("probe.plugin/Info.json", "{\"CFBundleIdentifier\": \"test.pellora.probe\"}");
  dir.Write("probe.plugin/Resources/Probe.nib", "{\"objects\": [{\"class\": \"View\", \"tag\": 1}]}");
  std::string error;
  zqp::Bundle* probe = zqp::Bundle::Open(path, &error);
  ASSERT_NE(probe, nullptr) << error;

  zqpde::test::PPD named("*ZQChromalogNibName: \"Probe\"\n");
  zqp::Host host(named.get());
  ChromalogPdeInterface panel(&host, probe);
  EXPECT_EQ(panel.panelView(), nullptr);
  EXPECT_EQ(panel.panelView(), nullptr);  // asked again, still none

  zqpde::test::PPD unnamed("");  // the default nib, which this bundle lacks
  zqp::Host other(unnamed.get());
  ChromalogPdeInterface missing(&other, probe);
  EXPECT_EQ(missing.panelView(), nullptr);
  EXPECT_TRUE(missing.shouldShowHelp());  // no controller: the dialog's own help
}

TEST(Localization, TranslationsAreDataNotFormats) {
  EXPECT_EQ(SubstituteNumbers("Enter %d to %d characters.", {4, 12}), "Enter 4 to 12 characters.");
  EXPECT_EQ(SubstituteNumbers("%d%% of %d, then %d", {6, 16}), "6% of 16, then %d");
  EXPECT_EQ(SubstituteNumbers("%s %n %x %d", {8, 10}), "%s %n %x 8");
  EXPECT_EQ(SubstituteNumbers("100%% sure", {1}), "100%% sure");  // no %d: shown as it stands
  EXPECT_EQ(SubstituteNumbers("ends in %", {1}), "ends in %");
}

// ---- the bundle in the print dialog ---------------------------------------------

std::string RunCommand(const std::string& command, int* status) {
  std::string out;
  FILE* p = popen(command.c_str(), "r");
  if (p == nullptr) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  *status = pclose(p);
  return out;
}

TEST(PrintDialog, OffersThePanelForAnyPrinter) {
  zqpde::test::PPD bare("");
  zqpde::test::PPD kv29("*ZQPrinterLanguageEncoding: \"JIS83-RKSJ\"\n*ZQXAccountingSettings: \"Default00-KV29\"\n");
  for (const std::string& path : {bare.path(), kv29.path()}) {
    int status = -1;
    const std::string out = RunCommand(std::string(ZQ_PRINTDIALOG) + " --ppd " + path + " --bundles " + ZQ_BUNDLES_DIR +
                                    " --ticket --script - 2>&1 <<'EOF'\npanel com.tavelle.o.pellora.pde.JobAccount\n"
                                    "summary\nprint\nEOF",
                                &status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("panel: Job Accounting com.tavelle.o.pellora.pde.JobAccount"), std::string::npos) << out;
    EXPECT_NE(out.find(kNs + "JBAManageTypeListTicketKey=2\n"), std::string::npos) << out;
    EXPECT_NE(out.find(kNs + "JBAVersion=201\n"), std::string::npos) << out;
  }
}

}  // namespace
}  // namespace pellora
