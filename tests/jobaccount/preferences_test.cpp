// Settings kept per printer before 10.7: what the action saves survives a
// second dialog, the administrator password is kept from other users, and
// on later systems nothing is remembered.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zqp/host.h>
#include <zqp/preferences.h>
#include <zqp/system.h>

#include "account_store.h"
#include "emulated_release.h"
#include "pellora_plugin.h"
#include "ppd_fixture.h"

namespace pellora {
namespace {

class PreferencesTest : public zqpde::test::EmulatedReleaseTest {
 protected:
  void SetUp() override {
    setenv(zqp::kPrefsDirEnv, prefs_.path().c_str(), 1);
    zqp::Preferences::ResetForTesting();
  }
  void TearDown() override {
    unsetenv(zqp::kPrefsDirEnv);
    zqp::Preferences::ResetForTesting();
    EmulatedReleaseTest::TearDown();
  }

  // A dialog for a printer: a fresh process reads the stored files again.
  AccountValues Dialog(const std::string& printer) {
    zqp::Preferences::ResetForTesting();
    zqp::Host host(ppd_.get());
    host.session().SetCurrentPrinterID(printer);
    ChromalogPdeInterface panel(&host, nullptr);
    return panel.values();
  }

  static AccountValues Edited() {
    AccountValues v;
    v.chromalogMode = 0;
    v.adminGroupID = "Finance, 2";
    v.adminAccountMode = 1;
    v.adminInputUserID = "Hanako";
    v.adminPassword = "adm1n";
    v.userGroupID = "R&D";
    v.userAccountMode = 1;
    v.userInputUserID = "Taro";
    v.userPassword = "u5er";
    return v;
  }

  zqpde::test::TempDir prefs_;
  zqpde::test::PPD ppd_{"*ZQPrinterLanguageEncoding: \"ISOLatin1\"\n"};
};

TEST_F(PreferencesTest, BeforeTenSevenSavedSettingsComeBackForTheSamePrinterOnly) {
  UseRelease("10.8.0");
  AccountValues edited = Edited();
  ASSERT_TRUE(SaveToPreferences("Lab_Printer", edited, zqp::TextEncoding::kIsoLatin1));

  AccountValues back = Dialog("Lab_Printer");
  edited.adminLoginUserID = back.adminLoginUserID;  // always the process's user
  edited.userLoginUserID = back.userLoginUserID;
  EXPECT_EQ(back, edited);
  EXPECT_EQ(Dialog("Other_Printer"), Dialog("Third_Printer"));
  EXPECT_EQ(Dialog("Other_Printer").chromalogMode, 1);

  // Stored as plain strings, passwords scrambled, never in clear.
  auto stored = zqp::Preferences::CopyString("Lab_Printer" + FullTicketKey(keys::kAdminGroupID),
                                             zqp::kAnyApplication, zqp::PrefUser::kAnyUser,
                                             zqp::PrefHost::kCurrentHost);
  EXPECT_EQ(stored, "Finance, 2");
  stored = zqp::Preferences::CopyString("Lab_Printer" + FullTicketKey(keys::kUserPassword), zqp::kAnyApplication,
                                        zqp::PrefUser::kCurrentUser, zqp::PrefHost::kCurrentHost);
  ASSERT_TRUE(stored);
  EXPECT_NE(*stored, "u5er");
}

TEST_F(PreferencesTest, TheAdministratorPasswordIsKeptFromOtherUsers) {
  UseRelease("10.8.0");
  ASSERT_TRUE(SaveToPreferences("Lab_Printer", Edited(), zqp::TextEncoding::kIsoLatin1));
  const std::string shared = zqp::Preferences::StorePath(zqp::kAnyApplication, zqp::PrefUser::kAnyUser,
                                                         zqp::PrefHost::kCurrentHost);
  const std::string secret = zqp::Preferences::StorePath(kAdminPasswordApplication, zqp::PrefUser::kAnyUser,
                                                         zqp::PrefHost::kCurrentHost);
  // Not in the store every user reads...
  zqp::Preferences::ResetForTesting();
  EXPECT_FALSE(zqp::Preferences::CopyString("Lab_Printer" + FullTicketKey(keys::kAdminPassword),
                                            zqp::kAnyApplication, zqp::PrefUser::kAnyUser,
                                            zqp::PrefHost::kCurrentHost));
  EXPECT_TRUE(zqp::Preferences::CopyString("Lab_Printer" + FullTicketKey(keys::kAdminGroupID), zqp::kAnyApplication,
                                           zqp::PrefUser::kAnyUser, zqp::PrefHost::kCurrentHost));
  // ...but in a file other users cannot open.
  struct stat st {};
  ASSERT_EQ(stat(secret.c_str(), &st), 0) << secret;
  EXPECT_EQ(st.st_mode & S_IRWXO, 0u);
  EXPECT_NE(shared, secret);
  // Administrators share it through their group.
  if (const group* admins = getgrnam(zqp::AdminGroupName().c_str())) {
    EXPECT_EQ(st.st_gid, admins->gr_gid);
    EXPECT_EQ(st.st_mode & 0777, 0660u);
  }
  // And an administrator's dialog finds it again.
  EXPECT_EQ(Dialog("Lab_Printer").adminPassword, "adm1n");
}

TEST_F(PreferencesTest, AnEmptyPasswordIsStoredEmptyAndClearsTheOldOne) {
  UseRelease("10.8.0");
  AccountValues v = Edited();
  SaveToPreferences("P", v, zqp::TextEncoding::kIsoLatin1);
  v.userPassword.clear();
  v.adminPassword.clear();
  SaveToPreferences("P", v, zqp::TextEncoding::kIsoLatin1);
  AccountValues back = Dialog("P");
  EXPECT_EQ(back.userPassword, "");
  EXPECT_EQ(back.adminPassword, "");
  EXPECT_EQ(back.userGroupID, "R&D");
}

TEST_F(PreferencesTest, WithoutSharedValuesTheTicketIsRead) {
  UseRelease("10.8.0");
  zqp::Host host(ppd_.get());
  host.session().SetCurrentPrinterID("Lab_Printer");
  host.settings().SetValue(FullTicketKey(keys::kManageType), "1", false);
  // Only user values stored: they do not count without shared ones.
  AccountValues v;
  v.userGroupID = "Kept for me";
  SaveUserPreferences("Lab_Printer", v, zqp::TextEncoding::kIsoLatin1);
  zqp::Preferences::ResetForTesting();
  ChromalogPdeInterface panel(&host, nullptr);
  EXPECT_EQ(panel.values().chromalogMode, 0);
  EXPECT_EQ(panel.values().userGroupID, "");

  // Once the administrator saved, the preferences win over the ticket.
  AccountValues admin;
  admin.chromalogMode = 1;
  SaveSharedPreferences("Lab_Printer", admin, zqp::TextEncoding::kIsoLatin1);
  zqp::Preferences::ResetForTesting();
  ChromalogPdeInterface again(&host, nullptr);
  EXPECT_EQ(again.values().chromalogMode, 1);
  EXPECT_EQ(again.values().userGroupID, "Kept for me");
}

TEST_F(PreferencesTest, OnTheDefaultReleaseNothingIsRemembered) {
  EXPECT_FALSE(SaveToPreferences("Lab_Printer", Edited(), zqp::TextEncoding::kIsoLatin1));
  AccountValues back = Dialog("Lab_Printer");
  EXPECT_EQ(back.chromalogMode, 1);
  EXPECT_EQ(back.userGroupID, "");
  // Even values stored by an older system are not read.
  UseRelease("10.8.0");
  SaveToPreferences("Lab_Printer", Edited(), zqp::TextEncoding::kIsoLatin1);
  UseRelease("19.6.0");
  EXPECT_EQ(Dialog("Lab_Printer").userGroupID, "");
}

}  // namespace
}  // namespace pellora
