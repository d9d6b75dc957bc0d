// The administrator's road through the panel, run as a user of the
// administrators' group. The user exists only inside a private mount
// namespace, where the test's own passwd and group files stand over the
// system's, so the account database is never touched and nothing is left
// behind if the run dies (it needs root for the namespace and for running as
// another user, like the end-to-end tests). Before 10.7 the administrator
// edits and remembers the settings for all users; the password stays away
// from users outside the group; from 10.7 on administrator mode is closed to
// everyone.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "dialog_run.h"
#include "scramble_check.h"

namespace pellora::test {
namespace {

constexpr const char* kAdmin = "zqja-admin-test";

class AdminRoad : public DialogScript {
 protected:
  void SetUp() override {
    if (geteuid() != 0) GTEST_SKIP() << "a private mount namespace and another user need root";
    if (std::system("unshare --mount --propagation private true 2>/dev/null") != 0)
      GTEST_SKIP() << "no private mount namespace can be made here";
    passwd_ = dir_.Write("passwd",
                         "root:x:0:0:root:/root:/bin/sh\n"
                         "nobody:x:65534:65534:nobody:/nonexistent:/usr/sbin/nologin\n" +
                             std::string(kAdmin) + ":x:64101:65534::/nonexistent:/usr/sbin/nologin\n");
    group_ = dir_.Write("group", "root:x:0:\nnogroup:x:65534:\nadmin:x:64102:" + std::string(kAdmin) + "\n");
    // The dialog runs as that user: it must reach the test's folder.
    std::filesystem::permissions(dir_.path(), std::filesystem::perms::all);
    As(kAdmin);
  }
  // Runs the dialog as USER in a mount namespace of its own whose
  // /etc/passwd and /etc/group are the test's.
  void As(const std::string& user) {
    runAs_ = "HOME='" + dir_.path() +
             "' unshare --mount --propagation private sh -c "
             "'mount --bind \"$1\" /etc/passwd && mount --bind \"$2\" /etc/group && shift 2 && exec \"$@\"' zq '" +
             passwd_ + "' '" + group_ + "' setpriv --reuid=" + user + " --regid=nogroup --init-groups";
  }
  std::string passwd_, group_;
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
