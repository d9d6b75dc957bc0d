// The print-type panel of the built bundle, driven through printdialog
// scripts on the ARK sample PPD and variants of it: which print types are
// offered, the setup windows and their checks, the notice at print, the
// ticket the dialog writes, and the ticket through the ARK job filter.
#include <gtest/gtest.h>
#include <unistd.h>
#include <zqp/system.h>

#include <ctime>
#include <filesystem>
#include <map>
#include <sstream>

#include "../framework/ppd_fixture.h"
#include "editions/ark/ark_profile.h"
#include "filter_harness.h"
#include "account_dialog.h"
#include "print_dialog_run.h"
#include "start_time.h"
#include "zqpde/ticket_value.h"

namespace zqacct {
namespace {

using namespace zqacct::test;
constexpr const char* kPanel = "panel com.tavelle.r15.pde.PrintTypeKind\nshow\n";

class PrintTypeDialog : public AccountDialog {
protected:
    PrintTypeDialog() { panel_ = kPanel; }
};

std::string RememberedSecure(const std::string& passCode) {
    return std::string(kPrinter) + NS "PrintTypeReference=2\n" + kPrinter + NS "PrintTypeUserNameReference=carol\n" +
           kPrinter + NS "PrintTypePasswordReference=" + RememberedPassCode(passCode) + "\n";
}

// ---- which print types are offered ---------------------------------------------------------------

TEST_F(PrintTypeDialog, SamplePrinterOffersEveryPrintType) {
    DialogRun r = Dialog("dump 101\nprint\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.result.has("dump: PopUpButton tag=101 enabled selected=0 items=[\"Normal Print\", \"Secure Print\", "
                             "\"Sample Print\", \"Delayed Print\", \"Save to Mailbox\"]"))
        << r.result.err;
    EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "1");
    EXPECT_EQ(r.Ticket("PrintTypeProductTypeTicketKey"), "0");
}

TEST_F(PrintTypeDialog, StorageNotInstalledLeavesNormalPrintAndARememberedTypeShowsAsNormal) {
    const std::string ppd = Replace(SamplePPD(), "*DefaultZQHardDisk: HardDisk", "*DefaultZQHardDisk: None");
    DialogRun r = Dialog("dump 101\nprint\n", Remember("PrintTypeReference", "2"), ppd);
    EXPECT_TRUE(r.result.has("dump: PopUpButton tag=101 enabled selected=0 items=[\"Normal Print\", \"Secure Print\" "
                             "(disabled), \"Sample Print\" (disabled), \"Delayed Print\" (disabled), \"Save to "
                             "Mailbox\" (disabled)]"))
        << r.result.err;
    EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "1");

    // The secure-print default enables every type whatever the storage.
    const std::string all = Replace(ppd, "*ZQPTSecurePrintDefault: \"False\"", "*ZQPTSecurePrintDefault: \"True\"");
    DialogRun s = Dialog("dump 101\nprint\n", Remember("PrintTypeReference", "2"), all);
    EXPECT_TRUE(s.Says("selected=1 items=[\"Normal Print\", \"Secure Print\", ")) << s.result.err;
}

TEST_F(PrintTypeDialog, WithoutMailboxSettingsMailboxPrintIsNotOfferedAndARememberedOneShowsAsNormal) {
    const std::string ppd = Replace(SamplePPD(), "*ZQXMailBoxSettings: \"100\"\n", "");
    DialogRun r = Dialog("dump 101\nprint\n", Remember("PrintTypeReference", "5"), ppd);
    EXPECT_TRUE(r.result.has("dump: PopUpButton tag=101 enabled selected=0 items=[\"Normal Print\", \"Secure Print\", "
                             "\"Sample Print\", \"Delayed Print\"]"))
        << r.result.err;
    EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "1");
}

TEST_F(PrintTypeDialog, ReducedProductOffersThreeTypesAndTheLoginName) {
    const std::string ppd =
        Replace(SamplePPD(), "*ZQXPrintTypeSettings: \"Default00-ARK\"", "*ZQXPrintTypeSettings: \"Default04-ARK\"");
    DialogRun r = Dialog("dump 101\nselect 101 1\ndump 1023\ntype 1026 4321\nclick 1123\nprint\n", "", ppd);
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("items=[\"Normal Print\", \"Secure Print\", \"Sample Print\"]")) << r.result.err;
    EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "2");
    EXPECT_EQ(r.Ticket("PrintTypeProductTypeTicketKey"), "5");
    const std::string login = zqp::LoginName();
    const bool plain = !login.empty() && login.find_first_not_of(
                                             " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
                                             "abcdefghijklmnopqrstuvwxyz{|}~") == std::string::npos;
    if (plain && !zqpde::NeedsTicketEscape(login)) {
        EXPECT_EQ(r.Ticket("PrintTypeUserNameTicketKey"), login);
    }
}

TEST_F(PrintTypeDialog, ProductsTwoAndFourStartWithTheEnteredDocumentName) {
    for (const auto& [product, type] : std::map<std::string, std::string>{
             {"Default00", "1"}, {"Default02", "2"}, {"Morvane00", "2"}, {"Default03", "1"}}) {
        const std::string ppd = Replace(SamplePPD(), "*ZQXPrintTypeSettings: \"Default00-ARK\"",
                                        "*ZQXPrintTypeSettings: \"" + product + "-ARK\"");
        DialogRun r = Dialog("print\n", "", ppd);
        EXPECT_EQ(r.result.status, 0) << r.result.err;
        EXPECT_EQ(r.Ticket("DocumentNameTypeTicketKey"), type) << product;
    }
}

// ---- secure print -----------------------------------------------------------------------------------

TEST_F(PrintTypeDialog, SecurePrintWritesItsKeysWithThePassCodeScrambled) {
    DialogRun r = Dialog(
        "select 101 1\n"
        "type 1022 alice\n"
        "type 1026 123456\n"
        "select 1024 1\n"
        "type 1025 Q4, final\n"
        "click 1123\n"
        "summary\n"
        "print\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.result.has("print: allowed"));
    EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "2");
    EXPECT_EQ(r.Ticket("PrintTypeUserNameTicketKey"), "alice");
    EXPECT_EQ(r.Ticket("PrintTypePasswordTicketKey"), zqpde::QSPTicketString("123456").value());
    EXPECT_EQ(r.Ticket("DocumentNameTypeTicketKey"), "2");
    // A comma makes the document name travel escaped, decoded whole by the filter.
    std::string name = r.Ticket("DocumentNameTicketKey");
    EXPECT_EQ(name.front(), '/');
    zqpde::numstrtochar(name);
    EXPECT_EQ(name, "Q4, final");
    // The summary masks the pass code and fills in its range.
    EXPECT_TRUE(r.result.has("summary: Print Type | Pass Code (4 to 12 digits): "
                             "\xEF\xBD\xA5\xEF\xBD\xA5\xEF\xBD\xA5\xEF\xBD\xA5\xEF\xBD\xA5\xEF\xBD\xA5"))
        << r.result.err;
    // The remembered pass code is never the plain digits.
    EXPECT_NE(r.Remembered("PrintTypePasswordReference"), "123456");
    EXPECT_EQ(PassCodeFromRemembered(r.Remembered("PrintTypePasswordReference")), "123456");
}

TEST_F(PrintTypeDialog, LongEscapedDocumentNameTravelsWhole) {
    // 63 kanji and a comma on this UTF-8 printer: the escaped form is far
    // longer than a plain value may be, and must never be cut inside a code.
    std::string name;
    for (int i = 0; i < 63; ++i) name += "\xE6\x96\x87";
    name += ",";
    DialogRun r = Dialog("select 101 2\ntype 1012 dave\nselect 1014 1\ntype 1015 " + name + "\nclick 1113\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    std::string sent = r.Ticket("DocumentNameTicketKey");
    EXPECT_GT(sent.size(), 255u);
    zqpde::numstrtochar(sent);
    EXPECT_EQ(sent, name);
}

TEST_F(PrintTypeDialog, PrintingWithoutOpeningThePanelWritesTheRememberedValues) {
    DialogRun r = Unopened("print\n", RememberedSecure("246810") + Remember("DocumentNameTypeReference", "2") +
                                          Remember("DocumentNameReference", "minutes"));
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "2");
    EXPECT_EQ(r.Ticket("PrintTypeUserNameTicketKey"), "carol");
    EXPECT_EQ(r.Ticket("PrintTypePasswordTicketKey"), zqpde::QSPTicketString("246810").value());
    EXPECT_EQ(r.Ticket("DocumentNameTicketKey"), "minutes");
}

TEST_F(PrintTypeDialog, TheMainJobsScriptWritesASecurePrintTicket) {
    DialogRun r = Unopened(zqtest::Slurp(ZQ_SOURCE_DIR "/samples/ark-secure-print.script"), "", SamplePPD(),
                           "--cups-options");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    const std::string& options = r.result.out;
    for (const std::string& option :
         {std::string(NS "PrintTypeTicketKey=2"), std::string(NS "PrintTypeUserNameTicketKey=alice"),
          NS "PrintTypePasswordTicketKey=" + zqpde::QSPTicketString("4711").value()})
        EXPECT_NE(options.find(option), std::string::npos) << option << "\n" << options;
}

TEST_F(PrintTypeDialog, InvalidSecureFieldsAlertAndKeepTheWindowOpen) {
    DialogRun r = Dialog(
        "select 101 1\n"
        "click 1123\n"         // empty user ID
        "type 1022 alice\n"
        "type 1026 12\n"
        "click 1123\n"         // pass code shorter than the PPD's 4 digits
        "dump 1026\n"
        "type 1026 1234\n"
        "click 1123\n"
        "print\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("Enter a user ID of 1 to 24 characters.")) << r.result.err;
    EXPECT_TRUE(r.Says("The pass code is not valid. Enter 4 to 12 digits (0 to 9).")) << r.result.err;
    EXPECT_TRUE(r.result.has("dump: SecureTextField tag=1026 enabled value=\"**\"")) << r.result.err;
    EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "2");
    EXPECT_EQ(r.Ticket("PrintTypePasswordTicketKey"), zqpde::QSPTicketString("1234").value());
}

TEST_F(PrintTypeDialog, CancelWithAnIncompleteCommittedValueReturnsToNormalPrint) {
    DialogRun r = Dialog("select 101 1\ntype 1022 bob\nclick 1124\ndump 101\nprint\n");
    EXPECT_TRUE(r.Says("dump: PopUpButton tag=101 enabled selected=0")) << r.result.err;
    EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "1");
    EXPECT_EQ(r.Ticket("PrintTypeUserNameTicketKey"), "");  // the typed ID is not committed
}

// ---- the pass-code check at print ---------------------------------------------------------------

TEST_F(PrintTypeDialog, ShortRememberedPassCodeAsksAndOKPrintsAsNormal) {
    DialogRun ok = Dialog("print\nclick 201\n", RememberedSecure(""));
    EXPECT_EQ(ok.result.status, 0) << ok.result.err;
    EXPECT_TRUE(ok.result.has("modal: open ")) << ok.result.err;
    EXPECT_TRUE(ok.result.has("print: allowed"));
    EXPECT_EQ(ok.Ticket("PrintTypeTicketKey"), "1");
}

TEST_F(PrintTypeDialog, ShortRememberedPassCodeCancelRefusesThePrint) {
    DialogRun cancel = Dialog("print\nclick 202\n", RememberedSecure("12"));
    EXPECT_EQ(cancel.result.status, 1) << cancel.result.err;
    EXPECT_TRUE(cancel.result.has("print: refused"));
}

TEST_F(PrintTypeDialog, ANoticeLeftWithoutAnAnswerDoesNotPrint) {
    DialogRun r = Dialog("print\n", RememberedSecure(""));
    EXPECT_EQ(r.result.status, 2) << r.result.err;  // the script ended inside the notice
    EXPECT_TRUE(r.result.has("print: refused")) << r.result.err;
}

TEST_F(PrintTypeDialog, PassCodeTooLongAtPrintAlertsAndRefusesTheJob) {
    DialogRun r = Dialog("print\n", RememberedSecure("1234567890123"));
    EXPECT_EQ(r.result.status, 1) << r.result.err;
    EXPECT_TRUE(r.Says("The pass code is not valid. Enter 4 to 12 digits (0 to 9).")) << r.result.err;
    EXPECT_TRUE(r.result.has("print: refused"));
}

TEST_F(PrintTypeDialog, PlainRememberedPassCodeIsNotTaken) {
    // A pass code remembered in plain text (as older versions did) is dropped,
    // so the print asks again instead of sending it.
    DialogRun r = Dialog("print\nclick 202\n", std::string(kPrinter) + NS "PrintTypeReference=2\n" + kPrinter +
                                              NS "PrintTypeUserNameReference=carol\n" + kPrinter +
                                              NS "PrintTypePasswordReference=123456\n");
    EXPECT_TRUE(r.result.has("print: refused")) << r.result.err;
}

TEST_F(PrintTypeDialog, BeforeTheEmulated10_7ValuesAreRememberedInThePreferencesWithThePassCodeScrambled) {
    env_ = "ZQ_OS_RELEASE=10.8.0";
    DialogRun first = Dialog("select 101 1\ntype 1022 frank\ntype 1026 97531\nclick 1123\nprint\n");
    ASSERT_EQ(first.result.status, 0) << first.result.err;
    EXPECT_EQ(first.Remembered("PrintTypeReference"), "<none>");  // not in the print settings
    std::string stored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.path() + "/prefs"))
        if (entry.is_regular_file()) stored += zqtest::Slurp(entry.path().string());
    EXPECT_NE(stored.find("frank"), std::string::npos) << stored;
    EXPECT_EQ(stored.find("97531"), std::string::npos) << stored;
    // A new dialog finds them again.
    DialogRun second = Dialog("dump 101\nprint\n");
    EXPECT_TRUE(second.Says("dump: PopUpButton tag=101 enabled selected=1")) << second.result.err;
    EXPECT_EQ(second.Ticket("PrintTypeUserNameTicketKey"), "frank");
    EXPECT_EQ(second.Ticket("PrintTypePasswordTicketKey"), zqpde::QSPTicketString("97531").value());
}

// ---- sample, delayed and mailbox print -----------------------------------------------------------

TEST_F(PrintTypeDialog, SamplePrintSharesTheUserIDWithSecurePrint) {
    DialogRun r = Dialog("select 101 2\ntype 1012 dave\nclick 1113\nselect 101 1\ndump 1022\nclick 1124\nprint\n");
    EXPECT_TRUE(r.result.has("dump: TextField tag=1022 enabled value=\"dave\"")) << r.result.err;
    // Cancel in the secure window with an empty pass code returns to normal print.
    EXPECT_EQ(r.Ticket("PrintTypeUserNameTicketKey"), "dave");
}

TEST_F(PrintTypeDialog, SamplePrintWritesTheUserID) {
    DialogRun r = Dialog("select 101 2\ntype 1012 dave\nclick 1113\nprint\n");
    EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "3");
    EXPECT_EQ(r.Ticket("PrintTypeUserNameTicketKey"), "dave");
    EXPECT_EQ(r.Ticket("DocumentNameTypeTicketKey"), "1");
}

// The date a start time falls on, the way the dialog should have seen it.
std::string ExpectedStart(int hour, int minute, const char* zone = "UTC") {
    zqp::SetTimeZone(zone);
    std::string s = StartTimeTicketText(std::time(nullptr), hour, minute);
    zqp::SetTimeZone("");
    return s;
}

TEST_F(PrintTypeDialog, DelayedPrintWritesTheStartTimeWithItsDate) {
    for (const char* time : {"00:00", "23:59"}) {
        const int h = std::atoi(time), m = std::atoi(time + 3);
        const std::string before = ExpectedStart(h, m);
        DialogRun r = Dialog(std::string("select 101 3\ntime 1033 ") + time + "\nclick 1133\nsummary\nprint\n");
        const std::string after = ExpectedStart(h, m);
        ASSERT_EQ(r.result.status, 0) << r.result.err;
        EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "4");
        const std::string got = r.Ticket("DelayPrintTicketKey");
        EXPECT_TRUE(got == before || got == after) << got << " " << before;
        EXPECT_TRUE(r.result.has(std::string("summary: Print Type | Start Time: ") + time)) << r.result.err;
        EXPECT_EQ(r.Remembered("DelayPrintReference"), time);
    }
}

TEST_F(PrintTypeDialog, StartTimeIsTheLocalTimeOfDayInAZoneWithAHalfHourOffset) {
    env_ = "TZ=Asia/Kolkata";
    const std::string before = ExpectedStart(9, 5, "Asia/Kolkata");
    DialogRun r = Dialog("select 101 3\ntime 1033 09:05\nclick 1133\nsummary\nprint\nclick 103\ndump 1033\nclick 1134\n");
    const std::string after = ExpectedStart(9, 5, "Asia/Kolkata");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.result.has("summary: Print Type | Start Time: 09:05")) << r.result.err;
    EXPECT_EQ(r.Remembered("DelayPrintReference"), "09:05");
    // Shown again as the same local time.
    EXPECT_TRUE(r.result.has("dump: DatePicker tag=1033 enabled value=09:05")) << r.result.err;
    const std::string got = r.Ticket("DelayPrintTicketKey");
    EXPECT_TRUE(got == before || got == after) << got << " " << before;
}

TEST_F(PrintTypeDialog, DelayedWindowCancelBeforeAnyOKReturnsToNormalPrint) {
    DialogRun r = Dialog("select 101 3\nclick 1134\ndump 101\nselect 101 3\nclick 1133\nclick 103\nclick 1134\nprint\n");
    EXPECT_TRUE(r.result.has("dump: PopUpButton tag=101 enabled selected=0 items=[\"Normal Print\", \"Secure Print\", "
                             "\"Sample Print\", \"Delayed Print\", \"Save to Mailbox\"]"))
        << r.result.err;
    // After one OK, Cancel keeps delayed print.
    EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "4");
}

TEST_F(PrintTypeDialog, RememberedStartTimeOutOfRangeFallsBackToMidnight) {
    DialogRun r = Dialog("summary\nselect 101 3\nclick 1133\nsummary\n",
                   Remember("PrintTypeReference", "4") + Remember("DelayPrintReference", "25:99"));
    EXPECT_TRUE(r.result.has("summary: Print Type | Start Time: 00:00")) << r.result.err;
    DialogRun ok = Dialog("select 101 3\nclick 1133\nsummary\n", Remember("DelayPrintReference", "07:45"));
    EXPECT_TRUE(ok.result.has("summary: Print Type | Start Time: 07:45")) << ok.result.err;
}

TEST_F(PrintTypeDialog, MailboxPrintChecksTheBoxNumberAndScramblesItsPassCode) {
    DialogRun r = Dialog(
        "select 101 4\n"
        "click 1143\n"          // empty number
        "type 1041 0\n"
        "click 1143\n"          // 0 is no box
        "type 1041 101\n"
        "click 1143\n"          // above the PPD's 100
        "type 1041 012\n"
        "type 1042 987654\n"
        "click 1143\n"
        "summary\n"
        "print\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    size_t alerts = 0;
    for (size_t at = 0; (at = r.result.err.find("Enter a number from 1 to 100 (digits only).", at)) != std::string::npos; ++at)
        ++alerts;
    EXPECT_EQ(alerts, 3u) << r.result.err;
    EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "5");
    EXPECT_EQ(r.Ticket("PrintTypeMBNTicketKey"), "12");
    EXPECT_EQ(r.Ticket("PrintTypeMBNPasswordTicketKey"), zqpde::QSPTicketString("987654").value());
    EXPECT_NE(r.Remembered("PrintTypeMBNPasswordReference"), "987654");
}

TEST_F(PrintTypeDialog, SetupButtonOpensTheChosenWindowAndRestoreGoesBackToNormal) {
    DialogRun r = Dialog("dump 103\nselect 101 2\ntype 1012 erin\nclick 1113\ndump 103\nclick 103\ndump 1012\nclick 1114\n"
                   "click 104\ndump 101\nprint\n");
    EXPECT_TRUE(r.result.has("dump: Button tag=103 disabled title=\"Setup...\"") ||
                r.Says("dump: Button tag=103 disabled"))
        << r.result.err;
    EXPECT_TRUE(r.result.has("dump: TextField tag=1012 enabled value=\"erin\"")) << r.result.err;
    EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "1");
}

// ---- the road of one job: the ticket through the ARK job filter ------------------------------------------

class RoadOfOneJob : public PrintTypeDialog {
protected:
    // The ticket of a secure-print job as the CUPS options the filter gets.
    zqtest::JobSpec SecureJob() {
        DialogRun r = Dialog("select 101 1\ntype 1022 alice\ntype 1026 123456\nclick 1123\nprint\n", "",
                             SamplePPD(), "--cups-options");
        EXPECT_EQ(r.result.status, 0) << r.result.err;
        return JobFromOptions(r.result.out, dir_.path());
    }
    static void ExpectHoldLines(const zqtest::JobResult& out) {
        ASSERT_EQ(out.status, 0) << out.err;
        const std::string scrambled = zqpde::QSPTicketString("123456").value();
        for (const std::string& line : {std::string("@PJL SET HOLD=STORE\n"),
                                        std::string("@PJL SET HOLDTYPE=PRIVATE\n"),
                                        std::string("@PJL SET USERNAME=\"alice\"\r\n"),
                                        "@PJL SET HOLDENCRYPTKEY=\"" + scrambled + "\"\r\n"})
            EXPECT_NE(out.out.find(line), std::string::npos) << line << "\n" << out.out;
    }
};

TEST_F(RoadOfOneJob, SecurePrintTicketBecomesTheHoldLinesOfTheARKEdition) {
    ExpectHoldLines(zqtest::RunInProcess(zqf::ArkProfile(), SecureJob()));
}

TEST_F(RoadOfOneJob, SecurePrintTicketBecomesTheHoldLinesOfTheARKFilterProgram) {
    const std::string filter = zqtest::BinPath("ark-job-filter");
    if (access(filter.c_str(), X_OK) != 0) GTEST_SKIP() << "ark-job-filter is not built yet";
    ExpectHoldLines(zqtest::RunProgram(filter, SecureJob()));
}

}  // namespace
}  // namespace zqacct
