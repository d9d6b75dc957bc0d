// The panel and its setting dialogs as a person uses them: printdialog
// scripts on the built bundle, read back through dump-tree, the transcript
// and the ticket.
#include <gtest/gtest.h>
#include <zqpde/user_groups.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "dialog_run.h"
#include "host_values.h"
#include "scramble_check.h"

namespace pellora::test {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

const std::string kPasswordPPD = FamilyPPD("UTF-8", "*ZQJAUsePassword: \"True\"\n");

TEST_F(DialogScript, EveryPrinterOfOursGetsThePanelAndTheModeGatesTheSettings) {
  const bool admin = zqpde::checkIfAdminUser(ProcessUserName().c_str());
  const std::string script = "dump-tree\nselect #mode 0\ndump-tree\nclick #settings\nselect #mode 1\ndump-tree\n";
  for (const char* ppd : {"zq-ark-sample", "zq-kv29-sample", "zq-teld-sample"}) {
    for (const std::string& release : {std::string(), std::string(kBeforeLion)}) {
      SCOPED_TRACE(std::string(ppd) + " release " + release);
      const bool old = !release.empty();
      DialogRun r = Run(script, Slurp(std::string(ZQ_SOURCE_DIR "/ppd/") + ppd + ".ppd"), "",
                        old ? "ZQ_OS_RELEASE=" + release : "");
      ASSERT_EQ(r.status, 0) << r.err;
      // User mode: the settings button works and the note is away.
      EXPECT_NE(r.Tree("mode", 0).find("selected=1 items=[\"Administrator Mode\", \"User Mode\"]"), std::string::npos)
          << r.err;
      EXPECT_FALSE(r.Disabled("settings", 0));
      EXPECT_TRUE(r.Hidden("adminOnly", 0));
      EXPECT_NE(r.Tree("login", 0).find("value=\"" + ProcessUserName() + "\""), std::string::npos);
      // Administrator mode: only an administrator before 10.7 may go on.
      const bool mayAdminister = old && admin;
      EXPECT_EQ(r.Disabled("settings", 1), !mayAdminister);
      EXPECT_EQ(r.Hidden("adminOnly", 1), mayAdminister);
      EXPECT_EQ(r.Says("ignored: #settings disabled"), !mayAdminister);
      EXPECT_FALSE(r.Disabled("settings", 2));
      // Remembering is offered only where preferences are kept.
      EXPECT_EQ(r.Hidden("remember", 0), !old);
      EXPECT_EQ(r.Ticket("JBAManageTypeListTicketKey"), "2");
    }
  }
}

TEST_F(DialogScript, UserDialogHoldsTypingToTheLimitsAndOkNamesTheFault) {
  DialogRun r = Run(
      "help\nclick #settings\ndump-tree\n"
      "type #userGroup \"   \"\ntype #userPassword 1234567890abcdef\ntype #userPassword abc\n"
      "select #userOwner 1\ntype #userName \"\"\ndump-tree\nclick #userOK\n"   // three faults: the name is named
      "type #userName hanako\nclick #userOK\n"                                  // then the password
      "type #userPassword abcd\nclick #userOK\n"                                // then the group of spaces
      "type #userGroup \"caf\xC3\xA9\xC4\x80\"\nclick #userHelp\nclick #userOK\nsummary\nprint\n",
      kPasswordPPD);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.Says("help: Job Accounting Help JBA.html")) << r.err;
  EXPECT_TRUE(r.Says("help: Job Accounting Help UserModeDialog.html")) << r.err;
  // The password field is there for a printer that takes passwords; the
  // specified name only takes input when a specified name is chosen.
  EXPECT_FALSE(r.Hidden("userPassword", 0));
  EXPECT_TRUE(r.Disabled("userName", 0));
  EXPECT_FALSE(r.Disabled("userName", 1));
  // Twelve characters at most; U+0100 is no name character.
  EXPECT_EQ(r.Count("refused: #userPassword"), 4u) << r.err;
  EXPECT_TRUE(r.Says("refused: #userGroup \"\xC4\x80\"")) << r.err;
  const std::string a = "alert: ";
  const size_t name = r.err.find(a + "Enter the user ID.");
  const size_t length = r.err.find(a + "Enter a password of 4 to 12 characters.");
  const size_t spaces = r.err.find(a + "A group ID cannot consist of spaces only.");
  ASSERT_NE(name, std::string::npos) << r.err;
  ASSERT_NE(length, std::string::npos) << r.err;
  ASSERT_NE(spaces, std::string::npos) << r.err;
  EXPECT_LT(name, length);
  EXPECT_LT(length, spaces);
  EXPECT_EQ(r.Count("alert: "), 3u);
  EXPECT_EQ(r.Count("modal: close User Settings"), 1u);

  // The summary tells what was set, before anything is saved.
  EXPECT_TRUE(r.Says("summary: Job Accounting | Group ID: caf\xC3\xA9\n")) << r.err;
  EXPECT_TRUE(r.Says("summary: Job Accounting | User ID: hanako\n")) << r.err;
  EXPECT_TRUE(r.Says("summary: Job Accounting | Password: ****\n")) << r.err;
  EXPECT_EQ(r.Ticket("JBAGroupIDTextEditTicket"), "caf\xC3\xA9");
  EXPECT_EQ(r.Ticket("JBAUserIDListCtrlTicket"), "2");
  EXPECT_EQ(r.Ticket("JBAUserIDTextEditTicket"), "hanako");
  EXPECT_EQ(Unscramble(r.Ticket("JBAUserPasswordTextEditTicket")), "abcd");
  // The administrator's side is written all the same, untouched.
  EXPECT_EQ(r.Ticket("JBAAdminUserIDTextEditTicket"), "UnknownUser");
  EXPECT_EQ(r.Ticket("JBAAdminUserPasswordTextEditTicket"), "");
}

TEST_F(DialogScript, CancelPutsBackWhatTheDialogOpenedWithAndDefaultsClear) {
  const std::string ns = kTicketNs;
  const std::string settings = ns + "JBAGroupIDTextEditTicket=Sales\n" + ns + "JBAUserIDListCtrlTicket=2\n" + ns +
                               "JBAUserIDTextEditTicket=hanako\n";
  DialogRun cancel = Run("click #settings\ntype #userGroup Other\nselect #userOwner 0\nclick #userCancel\nprint\n",
                         kPasswordPPD, settings);
  ASSERT_EQ(cancel.status, 0) << cancel.err;
  EXPECT_EQ(cancel.Ticket("JBAGroupIDTextEditTicket"), "Sales");
  EXPECT_EQ(cancel.Ticket("JBAUserIDListCtrlTicket"), "2");
  EXPECT_EQ(cancel.Ticket("JBAUserIDTextEditTicket"), "hanako");

  DialogRun defaults = Run("click #settings\nclick #userDefaults\ndump-tree\nkey #userGroup return\nprint\n",
                           kPasswordPPD, settings);
  ASSERT_EQ(defaults.status, 0) << defaults.err;
  EXPECT_NE(defaults.Tree("userGroup").find("value=\"\""), std::string::npos) << defaults.err;
  EXPECT_TRUE(defaults.Disabled("userName"));
  EXPECT_EQ(defaults.Ticket("JBAGroupIDTextEditTicket"), "");
  EXPECT_EQ(defaults.Ticket("JBAUserIDListCtrlTicket"), "1");
  EXPECT_EQ(defaults.Ticket("JBAUserIDTextEditTicket"), "UnknownUser");
}

TEST_F(DialogScript, ALegacyPrinterGetsItsOwnBytesOrARefusal) {
  const std::string scope = "*ZQJAUsePassword: \"True\"\n*ZQJAPasswdScope: \"32,126,233,233,8364,8364\"\n";
  const std::string script =
      "click #settings\nselect #userOwner 1\ntype #userName \"J\xC3\xBCrgen, 2\"\n"
      "type #userPassword \"abc\xC3\xA9\"\nclick #userOK\nprint\n";
  // The name's bytes in the printer's encoding, escaped (signed codes); the
  // password scrambled from its bytes there.
  struct Case {
    const char* encoding;
    const char* name;
    const char* password;
  };
  for (const Case& c : {Case{"ISOLatin1", "/74/-4/114/103/101/110/44/32/50", "abc\xE9"},
                        Case{"JIS83-RKSJ", "/74/-123/-111/114/103/101/110/44/32/50", "abc\x85\x7E"}}) {
    SCOPED_TRACE(c.encoding);
    DialogRun r = Run(script, FamilyPPD(c.encoding, scope));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(r.Says("alert:")) << r.err;
    EXPECT_EQ(r.Ticket("JBAUserIDTextEditTicket"), c.name);
    EXPECT_EQ(Unscramble(r.Ticket("JBAUserPasswordTextEditTicket")), c.password);
    EXPECT_EQ(r.Ticket("JBAUserIDListCtrlTicket"), "2");
  }

  // Latin-1 has no euro sign: the dialog says so instead of sending a cut
  // password, and Cancel leaves the values it opened with.
  DialogRun euro = Run("click #settings\ntype #userPassword \"abc\xE2\x82\xAC\"\nclick #userOK\nclick #userCancel\nprint\n",
                       FamilyPPD("ISOLatin1", scope));
  ASSERT_EQ(euro.status, 0) << euro.err;
  EXPECT_TRUE(euro.Says("alert: The printer cannot take some of the characters entered.")) << euro.err;
  EXPECT_EQ(euro.Ticket("JBAUserPasswordTextEditTicket"), "");
}

TEST_F(DialogScript, TheLongestEscapedValuesComeBackIntoTheDialog) {
  // 32 characters, each a byte that escapes to its longest code.
  std::string longest = ",";
  for (int i = 0; i < 31; ++i) longest += "\xC3\xA9";
  std::string escaped = "/44";
  for (int i = 0; i < 31; ++i) escaped += "/-23";
  const std::string ppd = FamilyPPD("ISOLatin1");
  DialogRun first = Run("click #settings\ntype #userGroup \"" + longest + "\"\nselect #userOwner 1\ntype #userName \"" +
                            longest + "\"\nclick #userOK\nprint\n",
                        ppd);
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.Ticket("JBAGroupIDTextEditTicket"), escaped);
  EXPECT_EQ(first.Ticket("JBAUserIDTextEditTicket"), escaped);

  DialogRun second = Run("click #settings\ndump-tree\nclick #userOK\nprint\n", ppd, AsSettings(first));
  ASSERT_EQ(second.status, 0) << second.err;
  EXPECT_NE(second.Tree("userGroup").find("value=\"" + longest + "\""), std::string::npos) << second.err;
  EXPECT_NE(second.Tree("userName").find("value=\"" + longest + "\""), std::string::npos) << second.err;
  EXPECT_EQ(second.Ticket("JBAGroupIDTextEditTicket"), escaped);
}

TEST_F(DialogScript, BeforeTenSevenRememberedSettingsComeBackPerPrinter) {
  const std::string old = std::string("ZQ_OS_RELEASE=") + kBeforeLion;
  const std::string edit =
      "click #settings\ntype #userGroup Sales\nselect #userOwner 1\ntype #userName hanako\n"
      "type #userPassword abcd\nclick #userOK\nselect #mode 0\nclick #remember\nprint\n";
  DialogRun saved = Run(edit, kPasswordPPD, "", old);
  ASSERT_EQ(saved.status, 0) << saved.err;
  EXPECT_FALSE(saved.Says("ignored:")) << saved.err;

  // A second dialog on the same printer starts from them...
  DialogRun again = Run("print\n", kPasswordPPD, "", old);
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.Ticket("JBAManageTypeListTicketKey"), "1");  // kept for all users
  EXPECT_EQ(again.Ticket("JBAGroupIDTextEditTicket"), "Sales");  // kept for this user
  EXPECT_EQ(again.Ticket("JBAUserIDListCtrlTicket"), "2");
  EXPECT_EQ(again.Ticket("JBAUserIDTextEditTicket"), "hanako");
  EXPECT_EQ(Unscramble(again.Ticket("JBAUserPasswordTextEditTicket")), "abcd");

  // ...another printer does not.
  DialogRun other = Run("print\n", kPasswordPPD, "", old, "zq-other");
  EXPECT_EQ(other.Ticket("JBAManageTypeListTicketKey"), "2");
  EXPECT_EQ(other.Ticket("JBAGroupIDTextEditTicket"), "");
}

TEST_F(DialogScript, OnTheDefaultReleaseNothingIsRemembered) {
  DialogRun saved = Run("click #settings\ntype #userGroup Sales\nclick #userOK\nclick #remember\nprint\n", kPasswordPPD);
  ASSERT_EQ(saved.status, 0) << saved.err;
  EXPECT_TRUE(saved.Says("ignored: #remember hidden")) << saved.err;
  EXPECT_EQ(saved.Ticket("JBAGroupIDTextEditTicket"), "Sales");
  DialogRun again = Run("print\n", kPasswordPPD);
  EXPECT_EQ(again.Ticket("JBAGroupIDTextEditTicket"), "");
}

// On 10.6 only, making the panel's view removes a stale registration of the
// bundle's localised help book from the user's help preferences; other books
// and other releases leave the file as it is.
TEST_F(DialogScript, OnTenSixAStaleHelpRegistrationGoesWhenTheViewIsMade) {
  const std::string book = "com.tavelle.o.pellora.pde.JobAccount";
  const std::string plist =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>\n<key>RegisteredBooks</key><dict>\n"
      "<key>" + book + "</key><array><dict><key>url</key><string>file:///old/Japanese.lproj/Help/</string></dict></array>\n"
      "<key>com.zq.other</key><array><dict><key>url</key><string>file:///o/English.lproj/</string></dict></array>\n"
      "</dict>\n<key>RegistrationOrder</key><array><string>" + book + "</string><string>com.zq.other</string></array>\n"
      "</dict></plist>\n";
  struct Case {
    const char* release;  // kernel release: 10.x is macOS 10.6
    bool removed;
  } cases[] = {{"10.8.0", true}, {"10.0.0", true}, {"9.8.0", false}, {"11.0.0", false}, {"", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.release);
    const std::string home = dir_.path() + "/home";
    std::filesystem::create_directories(home + "/Library/Preferences");
    const std::string path = dir_.Write("home/Library/Preferences/com.apple.help.plist", plist);
    DialogRun r = Run("print\n", kPasswordPPD, "",
                      "HOME='" + home + "'" + (*c.release ? std::string(" ZQ_OS_RELEASE=") + c.release : ""));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string after = Slurp(path);
    EXPECT_EQ(after.find(book) == std::string::npos, c.removed) << after;
    EXPECT_NE(after.find("com.zq.other"), std::string::npos) << after;
  }
}

}  // namespace
}  // namespace pellora::test
