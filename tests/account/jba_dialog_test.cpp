// The job-authentication panel of the built bundle, driven through printdialog
// scripts on the ARK sample PPD and variants: the panel's lists and the case
// the printer's prompt selects, the print gate and its destinations, the keys
// and host information of the ticket, and the road of one job through the
// ARK job filter.
#include <gtest/gtest.h>

#include <unistd.h>

#include "account_dialog.h"
#include "filter_harness.h"
#include "host_info.h"

namespace zqacct {
namespace {

using namespace zqacct::test;

constexpr const char* kJBAPanel = "panel com.tavelle.r15.pde.AccountKind\nshow\n";

class JBADialog : public AccountDialog {
protected:
    JBADialog() { panel_ = kJBAPanel; }
};

TEST_F(JBADialog, PanelListsWithoutAPromptWriteZeroForTheCase) {
    DialogRun r = Dialog("dump 1001\ndump 1007\ndump 1008\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("dump: PopUpButton tag=1001")) << r.result.err;
    EXPECT_TRUE(r.Says("selected=1 items=[")) << "account mode defaults to the user's settings";
    EXPECT_TRUE(r.Says("tag=1007 enabled hidden")) << r.result.err;
    EXPECT_EQ(r.Ticket("JBAManageTypeListTicketKey"), "2");
    EXPECT_EQ(r.Ticket("JBAInfoListTicketKey"), "0");
    EXPECT_EQ(r.Ticket("JBAInfoSetListTicketKey"), "0");
    // The "0" is the ticket's; the list itself stays on its first item.
    EXPECT_EQ(r.Remembered("JBAInfoListReference"), "1");
    EXPECT_NE(r.Ticket("JBAHostNameStringTicket"), "<none>");
    EXPECT_NE(r.Ticket("JBAMacHostNameStringTicket"), "<none>");
}

TEST_F(JBADialog, PromptAndInformationItemSelectTheCase) {
    struct Row {
        const char* prompt;
        int infoItem;
        const char* caseItem;
    };
    for (const Row& row : {Row{"UserID_AccountID", 0, "5"}, Row{"UserID_AccountID", 1, "9"},
                           Row{"UserID_AccountID", 2, "1"}, Row{"UserID", 0, "6"}, Row{"AccountID", 2, "3"},
                           Row{"None", 2, "4"}, Row{"None", 1, "9"}}) {
        DialogRun r = Dialog("select 1007 " + std::to_string(row.infoItem) + "\nprint\n", "", PromptPPD(row.prompt));
        ASSERT_EQ(r.result.status, 0) << r.result.err;
        EXPECT_EQ(r.Ticket("JBAInfoListTicketKey"), std::to_string(row.infoItem + 1)) << row.prompt;
        EXPECT_EQ(r.Ticket("JBAInfoSetListTicketKey"), row.caseItem) << row.prompt << " " << row.infoItem;
    }
}

TEST_F(JBADialog, CaseEightDisablesDetailsOnceAndLeavingItEnablesThem) {
    // "None" with "User ID Fixed Text" is case 8; going there twice and back
    // once must leave the details button usable.
    DialogRun r = Dialog("select 1007 0\ndump 1002\nselect 1007 2\nselect 1007 0\nselect 1007 1\ndump 1002\nprint\n",
                         "", PromptPPD("None"));
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    const size_t first = r.result.err.find("tag=1002");
    ASSERT_NE(first, std::string::npos) << r.result.err;
    EXPECT_NE(r.result.err.find("disabled", first), std::string::npos) << r.result.err;
    const size_t second = r.result.err.find("tag=1002", first + 1);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(r.result.err.substr(second, r.result.err.find('\n', second) - second).find("disabled"),
              std::string::npos)
        << r.result.err;
    EXPECT_EQ(r.Ticket("JBAInfoSetListTicketKey"), "9");
}

TEST_F(JBADialog, PrintGateWritesHostInformationOnlyForAPrinter) {
    DialogRun printer = Unopened("print\n");
    ASSERT_EQ(printer.result.status, 0) << printer.result.err;
    EXPECT_NE(printer.Ticket("JBAManageTypeListTicketKey"), "<none>") << "never opened, still written";
    EXPECT_NE(printer.Ticket("JBAHostNameStringTicket"), "<none>");

    for (const char* destination : {"file", "preview", "fax"}) {
        DialogRun r = Unopened("print\n", "", SamplePPD(), std::string("--ticket --destination ") + destination);
        EXPECT_EQ(r.result.status, 0) << destination << r.result.err;
        EXPECT_EQ(r.Ticket("JBAManageTypeListTicketKey"), "<none>") << destination;
        EXPECT_EQ(r.Ticket("JBAHostNameStringTicket"), "<none>") << destination;
    }
}

TEST_F(JBADialog, HelpOpensThePageOfThePrintersHelpKey) {
    DialogRun r = Dialog("click 1003\n");
    EXPECT_TRUE(r.Says("help: ") && r.Says("JBA_ARK.htm")) << r.result.err;
    // A value without "-" names no page: the panel's button opens nothing.
    const std::string noKey = Replace(SamplePPD(), "\"Default03-ARK\"", "\"Default03\"");
    DialogRun none = Dialog("click 1003\nprint\n", "", noKey);
    EXPECT_FALSE(none.Says("help: ")) << none.result.err;
}

}  // namespace
}  // namespace zqacct

namespace zqacct {
namespace {

using namespace zqacct::test;

class JBARoadOfOneJob : public JBADialog {
protected:
    zqtest::JobSpec AccountingJob(const std::string& script, const std::string& ppd = SamplePPD()) {
        DialogRun r = Unopened(script, "", ppd, "--cups-options");
        EXPECT_EQ(r.result.status, 0) << r.result.err;
        return JobFromOptions(r.result.out, dir_.path());
    }
};

TEST_F(JBARoadOfOneJob, TheDialogsTicketGivesTheAccountingLinesOfTheARKFilterProgram) {
    const std::string filter = zqtest::BinPath("ark-job-filter");
    if (access(filter.c_str(), X_OK) != 0) GTEST_SKIP() << "ark-job-filter is not built yet";
    zqtest::JobResult out = zqtest::RunProgram(filter, AccountingJob("print\n"));
    ASSERT_EQ(out.status, 0) << out.err;
    // Accounting on, no user ID set in the panel: the job's user authenticates.
    EXPECT_NE(out.out.find("@PJL SET JOBATTR=\"@JOAU=alice\"\r\n"), std::string::npos) << out.out;
    EXPECT_NE(out.out.find("@PJL SET JOBATTR=\"@CNAM=" + CurrentHostInformation().hostName.substr(0, 64)),
              std::string::npos)
        << out.out;
    // The address the panel wrote, in device form.
    if (std::optional<std::string> address = getHostIPv4Address()) {
        EXPECT_NE(out.out.find("@PJL SET JOBATTR=\"@HOAD=" + GetClientIPAddress(*address) + "\""), std::string::npos)
            << out.out;
    }
}

}  // namespace
}  // namespace zqacct
