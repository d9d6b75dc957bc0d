// The job-authentication windows of the built bundle through printdialog
// scripts: the user and administrator windows, the input window at print
// (OK, Cancel, twins, keyboard order), the nine cases of a printer with a
// customised prompt, the ticket values a prompt replaces, and the road of
// one job with accounting on through the ARK job filter.
#include <gtest/gtest.h>
#include <unistd.h>

#include "account_dialog.h"
#include "filter_harness.h"
#include "zqpde/ticket_value.h"

namespace zqacct {
namespace {

using namespace zqacct::test;

constexpr const char* kJBAPanel = "panel com.tavelle.r15.pde.AccountKind\nshow\n";

// The user window set to ask for the details at print.
constexpr const char* kAskAtPrint = "click 1002\nclick 3017\nclick 3001\n";

class JBAWindows : public AccountDialog {
protected:
    JBAWindows() { panel_ = kJBAPanel; }
    // The line of a dump of the tag.
    static std::string DumpOf(const DialogRun& r, int tag) {
        const std::string head = " tag=" + std::to_string(tag) + " ";
        const size_t at = r.result.err.find(head);
        if (at == std::string::npos) return "<none>";
        return r.result.err.substr(at, r.result.err.find('\n', at) - at);
    }
    static bool Hidden(const DialogRun& r, int tag) { return DumpOf(r, tag).find(" hidden") != std::string::npos; }
    static bool Disabled(const DialogRun& r, int tag) { return DumpOf(r, tag).find(" disabled") != std::string::npos; }
};

TEST_F(JBAWindows, InputWindowAtPrintOKPrintsWithTheEnteredDetails) {
    DialogRun r = Dialog(std::string(kAskAtPrint) +
                         "print\ntype 4015 carol\ntype 4008 pass1234\ntype 4018 acct9\nclick 4001\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("modal: open Job Authentication - Enter User Details")) << r.result.err;
    EXPECT_EQ(r.Ticket("JBAUserInputRadioBtnTicket"), "1");
    EXPECT_EQ(r.Ticket("JBAInputUserIDTextEditTicket"), "carol");
    EXPECT_EQ(r.Ticket("JBAInputUserPasswordTextEditTicket"), zqpde::QSPTicketString("pass1234").value());
    EXPECT_EQ(r.Ticket("JBAInputAccountIDTextEditTicket"), "acct9");
    // Remembered scrambled, never as the typed password.
    EXPECT_EQ(r.Remembered("JBAInputUserPasswordTextEditReference"), zqpde::QSPTicketString("pass1234").value());
    EXPECT_EQ(r.result.out.find("pass1234"), std::string::npos) << r.result.out;
}

TEST_F(JBAWindows, InputWindowCancelOrAnEmptyUserIDRefusesTheJob) {
    DialogRun cancel = Dialog(std::string(kAskAtPrint) + "print\ntype 4015 carol\nclick 4002\n");
    EXPECT_EQ(cancel.result.status, 1) << cancel.result.err;
    EXPECT_TRUE(cancel.Says("print: refused")) << cancel.result.err;
    EXPECT_EQ(cancel.result.out.find("carol"), std::string::npos) << "nothing typed there is kept";

    // The visible user ID is empty: the alert, the window stays, Cancel ends it.
    DialogRun empty = Dialog(std::string(kAskAtPrint) + "print\ntype 4006 hidden-plain\nclick 4001\nclick 4002\n");
    EXPECT_EQ(empty.result.status, 1) << empty.result.err;
    EXPECT_TRUE(empty.Says("alert:")) << empty.result.err;
}

TEST_F(JBAWindows, FormatBoxesChooseTheVisibleTwinAndItsTextReachesBoth) {
    // Box on (default): masked twins shown, plain fields hidden; Tab from the
    // storage radio goes to the masked domain name (a product with domains).
    DialogRun masked = Dialog(std::string(kAskAtPrint) +
                              "print\ndump 4006\ndump 4015\ndump 4017\ndump 4018\ntype 4015 dave\nclick 4001\n");
    ASSERT_EQ(masked.result.status, 0) << masked.result.err;
    EXPECT_TRUE(Hidden(masked, 4006));
    EXPECT_FALSE(Hidden(masked, 4015));
    EXPECT_TRUE(Hidden(masked, 4017));
    EXPECT_FALSE(Hidden(masked, 4018));
    EXPECT_EQ(masked.Ticket("JBAInputUserIDTextEditTicket"), "dave");

    // Both boxes off: the plain fields.
    DialogRun plain = Dialog("click 1002\nclick 3017\nclick 3021\nclick 3022\nclick 3001\n"
                             "print\ndump 4006\ndump 4015\ndump 4017\ndump 4018\ntype 4006 erin\nclick 4001\n");
    ASSERT_EQ(plain.result.status, 0) << plain.result.err;
    EXPECT_FALSE(Hidden(plain, 4006));
    EXPECT_TRUE(Hidden(plain, 4015));
    EXPECT_FALSE(Hidden(plain, 4017));
    EXPECT_TRUE(Hidden(plain, 4018));
    EXPECT_EQ(plain.Ticket("JBAInputUserIDTextEditTicket"), "erin");
    EXPECT_EQ(plain.Ticket("JBAUserIDFormatCheckboxTicket"), "0");
}

TEST_F(JBAWindows, UserWindowLoginListClearsThePasswordAndRefusesABadUserID) {
    DialogRun r = Dialog("click 1002\nselect 3006 1\ntype 3009 secret12\nselect 3006 0\nselect 3006 1\n"
                         "dump 3009\ntype 3014 1234\ntype 3007 \"   \"\nclick 3001\ntype 3007 bob\nclick 3001\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_NE(DumpOf(r, 3009).find("value=\"\""), std::string::npos) << r.result.err;
    EXPECT_TRUE(r.Says("alert:")) << "a user ID of spaces is refused";
    EXPECT_EQ(r.Ticket("JBAUserIDTextEditTicket"), "bob");
    EXPECT_EQ(r.Ticket("JBAUserIDListCtrlTicket"), "2");
    // The login-name field holds the login name (or UnknownUser).
    EXPECT_NE(r.Ticket("JBALoginTextEditTicket"), "");
}

TEST_F(JBAWindows, NonAdministratorSeesTheAdministratorWindowDisabledButOKCancelHelp) {
    DialogRun r = Dialog("click 1002\ndump 2001\ndump 2002\ndump 2004\ndump 2003\ndump 2005\ndump 2006\ndump 2020\n"
                         "click 2001\nprint\n",
                         Remember("JBAManageTypeListReference", "1"));
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    ASSERT_TRUE(r.Says("modal: open Job Authentication - Settings for All Users")) << r.result.err;
    if (r.Says("dump: RadioButton tag=2005 enabled")) GTEST_SKIP() << "the test user is an administrator";
    EXPECT_FALSE(Disabled(r, 2001));
    EXPECT_FALSE(Disabled(r, 2002));
    EXPECT_FALSE(Disabled(r, 2004));
    for (int tag : {2003, 2005, 2006, 2020}) EXPECT_TRUE(Disabled(r, tag)) << tag;
    EXPECT_TRUE(r.Says("modal: close Job Authentication - Settings for All Users"));
}

// The nine cases: the prompt value and the information item select a case;
// the input window shows what the case leaves.
struct CaseRow {
    const char* prompt;
    int infoItem;
    int caseNumber;
    bool radiosHidden, radiosDisabled, userHidden, accountHidden, storageRadioOn;
};

TEST_F(JBAWindows, NineCasesShapeTheInputWindow) {
    const CaseRow rows[] = {
        {"UserID_AccountID", 2, 1, false, false, false, false, false},
        {"UserID", 2, 2, false, false, false, true, false},
        {"AccountID", 2, 3, false, false, true, false, false},
        {"None", 2, 4, false, true, false, false, true},
        {"UserID_AccountID", 0, 5, true, false, false, false, false},
        {"UserID", 0, 6, true, false, false, true, false},
        {"AccountID", 0, 7, true, false, true, false, false},
        {"None", 1, 9, true, false, false, false, true},
    };
    for (const CaseRow& row : rows) {
        SCOPED_TRACE(row.caseNumber);
        DialogRun r = Dialog("select 1007 " + std::to_string(row.infoItem) + "\n" + kAskAtPrint +
                                 "print\ndump 4004\ndump 4009\ndump 4015\ndump 4018\nclick 4002\n",
                             "", PromptPPD(row.prompt));
        EXPECT_EQ(r.result.status, 1) << r.result.err;
        EXPECT_EQ(Hidden(r, 4004), row.radiosHidden) << DumpOf(r, 4004);
        EXPECT_EQ(Disabled(r, 4004), row.radiosDisabled) << DumpOf(r, 4004);
        EXPECT_EQ(Hidden(r, 4015), row.userHidden || row.storageRadioOn) << DumpOf(r, 4015);
        EXPECT_EQ(Hidden(r, 4018), row.accountHidden || row.storageRadioOn) << DumpOf(r, 4018);
        EXPECT_EQ(DumpOf(r, 4009).find("state=1") != std::string::npos, row.storageRadioOn) << DumpOf(r, 4009);
    }
}

TEST_F(JBAWindows, CaseEightPrintsWithoutAWindowAndTheDetailsGivenBefore) {
    DialogRun r = Dialog("select 1007 0\ndump 1002\nprint\n", Remember("JBAUserInputRadioBtnReference", "1") +
                                                                 Remember("JBAInputUserIDTextEditReference", "kept"),
                         PromptPPD("None"));
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_FALSE(r.Says("Enter User Details")) << r.result.err;
    EXPECT_TRUE(Disabled(r, 1002));
    EXPECT_EQ(r.Ticket("JBAInfoSetListTicketKey"), "8");
    EXPECT_EQ(r.Ticket("JBAInputUserIDTextEditTicket"), "kept");
}

TEST_F(JBAWindows, BillingIDOnlyWritesUnknownUserAndEmptyCredentials) {
    DialogRun r = Dialog("select 1007 1\nprint\n",
                         Remember("JBAUserPasswordTextEditReference", zqpde::QSPTicketString("pw1234").value()) +
                             Remember("JBAStorageIDTextEditReference", "store9"),
                         PromptPPD("UserID_AccountID"));
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r.Ticket("JBAInfoSetListTicketKey"), "9");
    EXPECT_EQ(r.Ticket("JBAUserIDTextEditTicket"), "UnknownUser");
    EXPECT_EQ(r.Ticket("JBALoginTextEditTicket"), "UnknownUser");
    EXPECT_EQ(r.Ticket("JBAUserPasswordTextEditTicket"), "");
    EXPECT_EQ(r.Ticket("JBAStorageIDTextEditTicket"), "store9");
    // Remembered values are untouched by the substitution (and stay scrambled).
    EXPECT_EQ(r.Remembered("JBAUserPasswordTextEditReference"), zqpde::QSPTicketString("pw1234").value());
    EXPECT_EQ(r.Remembered("JBAStorageIDTextEditReference"), "store9");
}

TEST_F(JBAWindows, ProductsWithoutDomainsTitleTheFormatBoxAndTabToTheUserID) {
    const std::string noDomain = Replace(SamplePPD(), "\"Default03-ARK\"", "\"Default00-ARK\"");
    DialogRun r = Dialog("click 1002\ndump 3021\nclick 3017\nclick 3001\nprint\nclick 4009\nclick 4004\nclick 4002\n",
                         "", noDomain);
    EXPECT_NE(DumpOf(r, 3021).find("title=\"Hide the user ID while typing\""), std::string::npos) << DumpOf(r, 3021);
    // The administrator window of the same product keeps its own title.
    DialogRun domain = Dialog("click 1002\ndump 3021\nclick 3001\n");
    EXPECT_EQ(DumpOf(domain, 3021).find("title=\"Hide the user ID while typing\""), std::string::npos);
}

TEST_F(JBAWindows, SummaryFollowsTheUserWindowAndInputIsForgottenWithoutLastInfo) {
    DialogRun r = Dialog("click 1002\nselect 3006 1\ntype 3007 bob\ntype 3009 secret12\ntype 3014 1234\nclick 3001\n"
                         "summary\nclick 1002\nclick 3017\nclick 3020\nclick 3001\nsummary\n"
                         "print\ntype 4015 carol\nclick 4001\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    const size_t second = r.result.err.find("summary: Job Accounting | User Details: Enter user details when printing");
    ASSERT_NE(second, std::string::npos) << r.result.err;
    const std::string first = r.result.err.substr(0, second), after = r.result.err.substr(second);
    EXPECT_NE(first.find("| User ID: bob\n"), std::string::npos) << first;
    EXPECT_NE(first.find("| Password: \xEF\xBD\xA5\xEF\xBD\xA5\xEF\xBD\xA5\xEF\xBD\xA5\xEF\xBD\xA5\xEF\xBD\xA5"
                         "\xEF\xBD\xA5\xEF\xBD\xA5\n"),
              std::string::npos)
        << "one dot per character";
    EXPECT_EQ(after.find("| User ID: bob"), std::string::npos) << "details entered at print are not summarised";
    EXPECT_NE(after.find("Show the details entered last time: Off"), std::string::npos) << after;
    // The box is off and the printer has no prompt: nothing typed at print is remembered.
    EXPECT_EQ(r.Ticket("JBAInputUserIDTextEditTicket"), "carol");
    EXPECT_EQ(r.Remembered("JBAInputUserIDTextEditReference"), "");
    EXPECT_EQ(r.Remembered("JBAUserIDTextEditReference"), "bob");
}

// The sample of details entered at print, with the last-info box turned off
// before OK: the job carries what was typed, and nothing of it (the
// password neither, scrambled as it is) is kept for the next print.
TEST_F(JBAWindows, SampleAtPrintWithTheLastInfoBoxOffKeepsNothingTyped) {
    std::string script = zqtest::Slurp(ZQ_SOURCE_DIR "/samples/ark-accounting-at-print.script");
    const size_t ok = script.find("click 3001\n");
    ASSERT_NE(ok, std::string::npos);
    script.insert(ok, "click 3020\n");
    DialogRun r = Unopened(script);
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r.Ticket("JBAInputUserIDTextEditTicket"), "carol");
    EXPECT_EQ(r.Ticket("JBAInputUserPasswordTextEditTicket"), zqpde::QSPTicketString("pass1234").value());
    for (const auto& [key, value] : r.ticket) {
        if (key.rfind(kPrinter, 0) == 0 && key.find("JBAInput") != std::string::npos) {
            EXPECT_EQ(key.find("TextEditReference"), std::string::npos) << key << "=" << value;
        }
    }
}

class JBARoadWithDetails : public JBAWindows {};

TEST_F(JBARoadWithDetails, EnteredDetailsBecomeTheAccountingLinesOfTheARKFilterProgram) {
    const std::string filter = zqtest::BinPath("ark-job-filter");
    if (access(filter.c_str(), X_OK) != 0) GTEST_SKIP() << "ark-job-filter is not built yet";
    DialogRun r = Dialog(std::string(kAskAtPrint) +
                             "print\ntype 4015 carol\ntype 4008 pass1234\ntype 4018 acct9\nclick 4001\n",
                         "", SamplePPD(), "--cups-options");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    zqtest::JobResult out = zqtest::RunProgram(filter, JobFromOptions(r.result.out, dir_.path()));
    ASSERT_EQ(out.status, 0) << out.err;
    for (const std::string& line : {std::string("@PJL SET JOBATTR=\"@JOAU=carol\""),
                                    "@PJL SET JOBATTR=\"@JOEP=" + zqpde::QSPTicketString("pass1234").value() + "\"",
                                    std::string("@PJL SET JOBATTR=\"@DAID=acct9\""),
                                    std::string("@PJL SET JOBATTR=\"@HOAD=")})
        EXPECT_NE(out.out.find(line), std::string::npos) << line << "\n" << out.out;
}

}  // namespace
}  // namespace zqacct
