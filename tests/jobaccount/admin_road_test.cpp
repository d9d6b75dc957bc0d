// The administrator's road through the panel, run as a user of the
// administrators' group that the test makes for the purpose (it needs root
// and removes the user afterwards). Before 10.7 the administrator edits and
// remembers the settings for all users; the password stays away from users
// outside the group; from 10.7 on administrator mode is closed to everyone.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>
#include <zqp/system.h>

#include <cstdlib>
#include <filesystem>

#include "dialog_run.h"
#include "scramble_check.h"

namespace pellora::test {
namespace {

constexpr const char* kAdmin = "zqja-admin-test";

class AdminRoad : public DialogScript {
 protected:
  static void SetUpTestSuite() {
    if (geteuid() != 0 || getpwnam(kAdmin) != nullptr) return;
    const std::string command = "useradd --system -M -N -g nogroup -s /usr/sbin/nologin -G " + zqp::AdminGroupName() +
                                " " + kAdmin + " 2>/dev/null";
    created_ = std::system(command.c_str()) == 0;
  }
  static void TearDownTestSuite() {
    if (created_) std::system((std::string("userdel ") + kAdmin + " 2>/dev/null").c_str());
    created_ = false;
  }
  void SetUp() override {
    if (geteuid() != 0) GTEST_SKIP() << "making a user of the administrators' group needs root";
    if (getpwnam(kAdmin) == nullptr) GTEST_SKIP() << "no user " << kAdmin << " could be made";
    // The dialog runs as that user: it must reach the test's folder.
    std::filesystem::permissions(dir_.path(), std::filesystem::perms::all);
    As(kAdmin);
  }
  void As(const std::string& user) {
    runAs_ = "HOME='" + dir_.path() + "' setpriv --reuid=" + user + " --regid=nogroup --init-groups";
  }
  static inline bool created_ = false;
};

const std::string kPPD = FamilyPPD("UTF-8", "*ZQJAUsePassword: \"True\"\n");
const std::string kOld = std::string("ZQ_OS_RELEASE=") + kBeforeLion;

TEST_F(AdminRoad, BeforeTenSevenTheAdministratorSetsAndRemembersForAllUsers) {
  DialogRun r = Run("select #mode 0\ndump-tree\nclick #settings\ndump-tree\n"
                    "type #adminGroup Finance\nselect #adminOwner 1\ntype #adminName Boss\n"
                    "type #adminPassword adm1n99\nclick #adminHelp\nclick #adminOK\nclick #remember\nprint\n",
                    kPPD, "", kOld);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(r.Disabled("settings")) << r.err;
  EXPECT_TRUE(r.Hidden("adminOnly"));
  EXPECT_FALSE(r.Hidden("remember"));
  EXPECT_TRUE(r.Says("modal: open Administrator Settings")) << r.err;
  EXPECT_FALSE(r.Disabled("adminGroup"));
  EXPECT_FALSE(r.Hidden("adminPassword"));
  EXPECT_TRUE(r.Says("help: Job Accounting Help AdminModeDialog.html"));
  EXPECT_EQ(r.Ticket("JBAManageTypeListTicketKey"), "1");
  EXPECT_EQ(r.Ticket("JBAAdminGroupIDTextEditTicket"), "Finance");
  EXPECT_EQ(r.Ticket("JBAAdminUserIDListCtrlTicket"), "2");
  EXPECT_EQ(r.Ticket("JBAAdminLoginTextEditTicket"), kAdmin);
  EXPECT_EQ(r.Ticket("JBAAdminUserIDTextEditTicket"), "Boss");
  EXPECT_EQ(Unscramble(r.Ticket("JBAAdminUserPasswordTextEditTicket")), "adm1n99");

  // The administrator's next dialog has all of it back.
  DialogRun again = Run("print\n", kPPD, "", kOld);
  EXPECT_EQ(again.Ticket("JBAManageTypeListTicketKey"), "1");
  EXPECT_EQ(again.Ticket("JBAAdminGroupIDTextEditTicket"), "Finance");
  EXPECT_EQ(Unscramble(again.Ticket("JBAAdminUserPasswordTextEditTicket")), "adm1n99");

  // Another user prints with the administrator's settings but cannot read
  // the administrator's password.
  As("nobody");
  DialogRun other = Run("print\n", kPPD, "", kOld);
  ASSERT_EQ(other.status, 0) << other.err;
  EXPECT_EQ(other.Ticket("JBAManageTypeListTicketKey"), "1");
  EXPECT_EQ(other.Ticket("JBAAdminGroupIDTextEditTicket"), "Finance");
  EXPECT_EQ(other.Ticket("JBAAdminUserIDTextEditTicket"), "Boss");
  EXPECT_EQ(other.Ticket("JBAAdminUserPasswordTextEditTicket"), "");
}

TEST_F(AdminRoad, FromTenSevenAdministratorModeIsClosedEvenToAnAdministrator) {
  DialogRun r = Run("select #mode 0\ndump-tree\nclick #settings\nselect #mode 1\ndump-tree\nprint\n", kPPD);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.Disabled("settings", 0));
  EXPECT_FALSE(r.Hidden("adminOnly", 0));
  EXPECT_TRUE(r.Says("ignored: #settings disabled"));
  EXPECT_FALSE(r.Disabled("settings", 1));
  EXPECT_TRUE(r.Hidden("remember", 0));
}

}  // namespace
}  // namespace pellora::test
