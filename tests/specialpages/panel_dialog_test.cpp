// The special-pages panel of the built bundle in the print dialog, driven
// by scripts: records restored from the ticket, the list's buttons and the
// delete warning, and the ticket the job carries to the filter.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <zqp/preferences.h>

#include <chrono>
#include <regex>

#include "../framework/ppd_fixture.h"
#include "editions/ark/ark_profile.h"
#include "filter_harness.h"
#include "print_dialog_run.h"

namespace zqsp {
namespace {

#define NS "com.tavelle.qdm.printsettings."

// Front cover on side one, White Stationary A4; an insert of 2 sheets after
// page 3, Yellow, the job's size; an exception 5-8 two-sided long edge on A5
// Yellow thick paper; a back cover from the interposer.
const char* const kFourRecords =
    NS "JTIFCommandTicketCount=4\n"
    NS "JTIFCommandTicket_0=0,0,1,0,0,1,false,4,210.0,297.0,1\n"
    NS "JTIFCommandTicket_1=1,3,0,2,-1,2,-1,false,210.0,297.0,1\n"
    NS "JTIFCommandTicket_2=2,5-8,3,2,2,false,2,210.0,297.0,1\n"
    NS "JTIFCommandTicket_3=0,1,0,0,-1,-1,true,4,210.0,297.0,1\n";

struct DialogRun {
    zqtest::DialogResult result;
    std::map<std::string, std::string> ticket;
    std::string operator[](const std::string& name) const {
        auto it = ticket.find(NS + name);
        return it == ticket.end() ? "<none>" : it->second;
    }
    bool Says(const std::string& text) const { return result.err.find(text) != std::string::npos; }
};

class SpecialPagesDialog : public ::testing::Test {
protected:
    DialogRun Dialog(const std::string& script, const std::string& settings = kFourRecords,
                     const std::string& output = "--ticket") {
        // Only this bundle, so no other panel writes the print type.
        const std::string bundles = dir_.path() + "/bundles";
        std::filesystem::create_directories(bundles);
        std::error_code ignored;
        std::filesystem::create_directory_symlink(ZQ_BUNDLES_DIR "/ark-special-pages-pde.plugin",
                                                  bundles + "/ark-special-pages-pde.plugin", ignored);
        std::string args = "--ppd '" ZQ_SOURCE_DIR "/ppd/zq-ark-sample.ppd' --bundles '" + bundles +
                           "' --printer zq-ark --script '" +
                           dir_.Write("script.txt", before_ + "panel \"Special Pages\"\nshow\n" + script) + "' " + output;
        if (!settings.empty()) args += " --settings '" + dir_.Write("settings.txt", settings) + "'";
        DialogRun r;
        r.result = zqtest::RunPrintDialog("env ZQ_PREFS_DIR='" + dir_.path() + "/prefs' " + env_ + " " ZQ_PRINTDIALOG, args,
                                          dir_.path());
        std::istringstream lines(r.result.out);
        for (std::string line; std::getline(lines, line);)
            if (size_t eq = line.find('='); eq != std::string::npos) r.ticket[line.substr(0, eq)] = line.substr(eq + 1);
        return r;
    }
    // The page fields of the record copy, in list order.
    static std::string Order(const DialogRun& r) {
        std::string out;
        for (int i = 0; i < std::atoi(r["JTIFCommandTicketCount"].c_str()); ++i) {
            const std::string line = r["JTIFCommandTicket_" + std::to_string(i)];
            const size_t a = line.find(','), b = line.find(',', a + 1);
            out += (out.empty() ? "" : " ") + line.substr(0, a) + ":" + line.substr(a + 1, b - a - 1);
        }
        return out;
    }
    // The "dump:" lines of the transcript, in order.
    static std::vector<std::string> Dumps(const DialogRun& r) {
        std::vector<std::string> out;
        std::istringstream lines(r.result.err);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("dump: ", 0) == 0) out.push_back(line);
        return out;
    }
    zqpde::test::TempDir dir_;
    std::string env_;     // more environment for the dialog
    std::string before_;  // script lines before the panel is opened
};

// The JTIF job ticket the ARK filter makes of a dialog run with
// --cups-options, as the device receives it.
std::string DeviceTicket(const DialogRun& r) {
    zqtest::JobSpec job;
    job.options = r.result.out.substr(0, r.result.out.find_last_not_of('\n') + 1);
    job.ppdPath = ZQ_SOURCE_DIR "/ppd/zq-ark-sample.ppd";
    job.postscript = zqtest::SamplePostScript(1);
    const zqtest::JobResult out = zqtest::RunInProcess(zqf::ArkProfile(), job);
    EXPECT_EQ(out.status, 0) << out.err;
    return out.out.substr(0, out.out.find("</jtif>"));
}

std::string Decoded(const std::string& escaped) {
    std::string out;
    for (size_t i = 0; i < escaped.size() && escaped[i] == '/';) {
        size_t next = escaped.find('/', i + 1);
        out += static_cast<char>(std::atoi(escaped.substr(i + 1, next - i - 1).c_str()));
        i = next == std::string::npos ? escaped.size() : next;
    }
    return out;
}

TEST_F(SpecialPagesDialog, RestoredRecordsReachTheTicketAndComeBackInASecondRun) {
    const DialogRun r = Dialog("print\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r["SpecialPageRecordCountTicket"], "4");
    EXPECT_EQ(r["JTIFCoverCountTicket"], "2");
    EXPECT_EQ(r["JTIFInsertionCountTicket"], "1");
    EXPECT_EQ(r["JTIFExceptionCountTicket"], "1");
    EXPECT_EQ(r["JTIFCoverValueTicket_0"].substr(0, 15), "/48/44/49/44/11");  // every byte escaped
    EXPECT_EQ(Decoded(r["JTIFCoverValueTicket_0"]), "0,1,print-front,STATIONERY,white,21000,29700");
    EXPECT_EQ(Decoded(r["JTIFCoverValueTicket_1"]), "1,0,print-none,interposer");
    // The job's own A4 paper, by the formula the device has always had.
    EXPECT_EQ(Decoded(r["JTIFInsertionValueTicket_0"]), "1,3,2,yellow,21060,29790,");
    EXPECT_EQ(Decoded(r["JTIFExceptionValueTicket_0"]),
              "1,1,1,5,8,two-sided-long-edge,THICK1,yellow,14800,21000");
    EXPECT_EQ(r["pageSizeArrayTicket"], "[A4,A5]");
    EXPECT_EQ(r["mediaTypeArrayTicket"], "[Stationary,,ThickPaper]");
    EXPECT_EQ(r["mediaColorArrayTicket"], "[White,Yellow,Yellow]");
    EXPECT_EQ(r["whetherInterposerTicket"], "1");
    EXPECT_EQ(r["whetherMediaSizeA5Ticket"], "1");
    EXPECT_EQ(r["whetherMediaTypeTabTicket"], "0");

    // The copy the panel wrote restores the same list in a new dialog.
    std::string settings;
    for (const auto& [k, v] : r.ticket)
        if (k.find("JTIFCommandTicket") != std::string::npos) settings += k + "=" + v + "\n";
    const DialogRun again = Dialog("print\n", settings);
    EXPECT_EQ(Order(again), Order(r));
    EXPECT_EQ(again["JTIFExceptionValueTicket_0"], r["JTIFExceptionValueTicket_0"]);
}

TEST_F(SpecialPagesDialog, AMailboxJobSendsNoPagesButKeepsTheRecords) {
    const DialogRun r = Dialog("set " NS "PrintTypeTicketKey 5\nprint\n",
                         std::string(kFourRecords) + NS "JTIFCoverCountTicket=2\n");
    EXPECT_EQ(r["SpecialPageRecordCountTicket"], "0");
    EXPECT_EQ(r["JTIFCoverCountTicket"], "0");  // a count left from before is put right
    EXPECT_EQ(r["JTIFExceptionCountTicket"], "0");
    EXPECT_EQ(r["pageSizeArrayTicket"], "[]");
    EXPECT_EQ(r["JTIFCommandTicketCount"], "4");
}

TEST_F(SpecialPagesDialog, ListButtonsFollowTheSelection) {
    // Two inserts after page 3 and one after page 7.
    const std::string inserts = NS "JTIFCommandTicketCount=3\n"
                                NS "JTIFCommandTicket_0=1,3,0,1,0,0,1,false,210.0,297.0,1\n"
                                NS "JTIFCommandTicket_1=1,3,0,2,0,0,1,false,210.0,297.0,1\n"
                                NS "JTIFCommandTicket_2=1,7,0,3,0,0,1,false,210.0,297.0,1\n";
    const DialogRun r = Dialog("select 104 1\ndump 109\ndump 110\nselect 104 2\ndump 109\ndump 110\n"
                         "select 104 1\nclick 109\nsave\n",
                         inserts);
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.result.has("dump: Button tag=109 enabled title=\"Up\""));
    EXPECT_TRUE(r.result.has("dump: Button tag=110 disabled title=\"Down\""));
    EXPECT_TRUE(r.result.has("dump: Button tag=109 disabled title=\"Up\""));
    // Up swapped the two inserts at page 3 (quantities 2 then 1).
    EXPECT_EQ(r["JTIFCommandTicket_0"], "1,3,0,2,0,0,1,false,210.0,297.0,1");
    EXPECT_EQ(r["JTIFCommandTicket_1"].substr(0, 8), "1,3,0,1,");
}

TEST_F(SpecialPagesDialog, DeleteAsksFirstAndUndoBringsItBack) {
    const DialogRun r = Dialog("select 104 1\nclick 106\nclick 303\ndump 104\n"
                         "select 104 1\nclick 106\nclick 302\ndump 104\nclick 108\ndump 104\n"
                         "click 107\nclick 302\ndump 104\ndump 107\nsave\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    // Cancel keeps the four records; OK deletes; Undo restores; Delete All empties.
    EXPECT_TRUE(r.Says("rows=4 selected=[1]"));
    EXPECT_TRUE(r.Says("rows=3"));
    EXPECT_TRUE(r.Says("rows=0"));
    EXPECT_TRUE(r.result.has("dump: Button tag=107 disabled title=\"Delete All\""));
    EXPECT_EQ(r["JTIFCommandTicketCount"], "0");
    EXPECT_EQ(r["SpecialPageRecordCountTicket"], "0");
    EXPECT_EQ(r["JTIFCoverCountTicket"], "0");
}

TEST_F(SpecialPagesDialog, CoversAreSelectedTogether) {
    const DialogRun r = Dialog("select 104 0\ndump 104\nselect 104 3\ndump 104\n");
    EXPECT_TRUE(r.Says("selected=[0,3]")) << r.result.err;
    EXPECT_TRUE(r.Says("selected=[3,0]") || r.Says("selected=[0,3]"));
}

// A list of the given kind's records on every other page from 1 (inserts of
// one sheet, exceptions one-sided), so no two fold into one range.
std::string ManyRecords(int kind, int count) {
    std::string settings = NS "JTIFCommandTicketCount=" + std::to_string(count) + "\n";
    for (int i = 0; i < count; ++i)
        settings += NS "JTIFCommandTicket_" + std::to_string(i) + "=" + std::to_string(kind) + "," +
                    std::to_string(2 * i + 1) + (kind == 1 ? ",0,1,0,0,1,false" : ",0,1,0,false,1") +
                    ",210.0,297.0,1\n";
    return settings;
}

TEST_F(SpecialPagesDialog, TwoHundredFiftyRecordsSwitchTheirAddButtonOff) {
    struct Case {
        int kind;
        const char *full, *other;
    };
    for (const Case& c : {Case{2, "tag=102 disabled title=\"Add Exceptions...\"", "tag=101 enabled title=\"Add Inserts...\""},
                          Case{1, "tag=101 disabled title=\"Add Inserts...\"", "tag=102 enabled title=\"Add Exceptions...\""}}) {
        SCOPED_TRACE(c.kind);
        const DialogRun r =
            Dialog("dump 101\ndump 102\nselect 104 5\nclick 106\nclick 302\ndump 101\ndump 102\n", ManyRecords(c.kind, 250));
        ASSERT_EQ(r.result.status, 0) << r.result.err;
        EXPECT_TRUE(r.Says(c.full)) << r.result.err;
        EXPECT_TRUE(r.Says(c.other));
        // One record fewer, and the button is back.
        const std::string back = std::string(c.full).replace(std::string(c.full).find("disabled"), 8, "enabled");
        EXPECT_TRUE(r.Says(back));
    }
}

TEST_F(SpecialPagesDialog, ARestoreWithoutACopyKeepsTheList) {
    const DialogRun r = Dialog("unset " NS "JTIFCommandTicketCount\nrestore\ndump 104\n");
    EXPECT_TRUE(r.Says("rows=4")) << r.result.err;
}

// The covers window: adding from the panel's button, editing the list's
// covers through Edit, Cancel, and a front cover taking the insert before
// page one away.
TEST_F(SpecialPagesDialog, CoversWindowAddsCoversToTheTicket) {
    const DialogRun r = Dialog("click 100\nselect 801 4\nselect 806 1\nselect 826 3\nclick 811\ndump 104\nprint\n", "");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("modal: open Add Covers")) << r.result.err;
    EXPECT_TRUE(r.Says("rows=2"));
    EXPECT_EQ(r["JTIFCoverCountTicket"], "2");
    EXPECT_EQ(Decoded(r["JTIFCoverValueTicket_0"]).substr(0, 15), "0,1,print-front");
    EXPECT_EQ(Decoded(r["JTIFCoverValueTicket_1"]).substr(0, 14), "1,1,print-both");
}

TEST_F(SpecialPagesDialog, CoversWindowEditsTheListsCoversAndCancelKeepsThem) {
    // Edit shows the restored covers (front and back different, front on
    // side one, back from the interposer); OK with "Front only" drops the back.
    DialogRun r = Dialog("select 104 0\nclick 105\ndump 801\ndump 806\ndump 824\nselect 801 1\nclick 811\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=801 enabled selected=4")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=806 enabled selected=1"));
    EXPECT_TRUE(r.Says("\"Interposer Tray\" (checked)"));
    EXPECT_EQ(r["JTIFCoverCountTicket"], "1");
    EXPECT_EQ(r["JTIFCommandTicketCount"], "3");
    EXPECT_EQ(r["JTIFInsertionCountTicket"], "1");

    r = Dialog("click 100\nselect 801 0\nclick 812\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("modal: close Add Covers"));
    EXPECT_EQ(r["JTIFCoverCountTicket"], "2");
    EXPECT_EQ(r["JTIFCommandTicketCount"], "4");
}

TEST_F(SpecialPagesDialog, AFrontCoverFromTheWindowRemovesTheInsertBeforePageOne) {
    const char* settings = NS "JTIFCommandTicketCount=2\n"
                           NS "JTIFCommandTicket_0=1,0,0,2,-1,2,-1,false,210.0,297.0,1\n"
                           NS "JTIFCommandTicket_1=1,3,0,2,-1,2,-1,false,210.0,297.0,1\n";
    const DialogRun r = Dialog("click 100\nselect 801 1\nclick 811\nprint\n", settings);
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r["JTIFCoverCountTicket"], "1");
    EXPECT_EQ(r["JTIFInsertionCountTicket"], "1");
    EXPECT_EQ(Decoded(r["JTIFInsertionValueTicket_0"]).substr(0, 4), "1,3,");
    // Undo brings back the list before OK, the insert before page one too.
    const DialogRun undone = Dialog("click 100\nselect 801 1\nclick 811\nclick 108\nprint\n", settings);
    ASSERT_EQ(undone.result.status, 0) << undone.result.err;
    EXPECT_EQ(undone["JTIFCoverCountTicket"], "0");
    EXPECT_EQ(undone["JTIFInsertionCountTicket"], "2");
}

TEST_F(SpecialPagesDialog, InsertsAndExceptionsWindowsCancelLeavesTheList) {
    const DialogRun r = Dialog("click 101\ntype 903 7\nclick 912\nclick 102\ntype 1001 30\nclick 1012\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(Order(r), "0:0 1:3 2:5-8 0:1");
}

// The inserts window: one insert per page typed, Edit showing the selected
// insert's page and sheets, and a refused page list keeping the window open
// with the list as it was.
TEST_F(SpecialPagesDialog, InsertsWindowAddsAndEditsInserts) {
    const DialogRun r = Dialog("click 101\ntype 903 \"2,5\"\ntype 905 3\nclick 911\ndump 104\n"
                               "select 104 1\nclick 105\ndump 903\ndump 905\ntype 905 7\nclick 911\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("rows=6")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=903 enabled value=\"2\""));
    EXPECT_TRUE(r.Says("tag=905 enabled value=\"3\""));
    EXPECT_EQ(r["JTIFInsertionCountTicket"], "3");
    EXPECT_EQ(Order(r), "0:0 1:2 1:3 2:5-8 1:5 0:1");
    EXPECT_EQ(r["JTIFCommandTicket_1"].substr(0, 8), "1,2,0,7,");  // edited: 7 sheets
    EXPECT_EQ(r["JTIFCommandTicket_4"].substr(0, 8), "1,5,0,3,");  // untouched: 3 sheets
}

TEST_F(SpecialPagesDialog, RefusedPageListsKeepTheWindowOpenAndTheListAsItWas) {
    struct Case {
        const char *window, *text, *warning;
        int present;  // exceptions already in the list; -1 for the four records
    };
    const Case cases[] = {
        {"101", "\"\"", "Warning44", -1},     // after pages, but none given
        {"101", "\"1-251\"", "Warning47", -1},  // more than 250 inserts
        {"101", "\"9-3\"", "Warning49", -1},    // a reversed range
        {"102", "\"\"", "Warning46", -1},     // no pages
        {"102", "\"600,602\"", "Warning48", 249},  // the 251st exception
        {"102", "\"9-3\"", "Warning50", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.warning);
        const bool inserts = std::string(c.window) == "101";
        const std::string field = inserts ? "903" : "1001", ok = inserts ? "911" : "1011",
                          cancel = inserts ? "912" : "1012";
        const std::string settings = c.present < 0 ? kFourRecords : ManyRecords(2, c.present);
        const DialogRun r = Dialog("click " + std::string(c.window) + "\ntype " + field + " " + c.text + "\nclick " + ok +
                                       "\nclick " + cancel + "\nprint\n",
                                   settings);
        ASSERT_EQ(r.result.status, 0) << r.result.err;
        EXPECT_TRUE(r.Says(std::string("\"") + c.warning + "\"")) << r.result.err;
        // The OK refused leaves the window open for Cancel, and the list whole.
        EXPECT_EQ(r["JTIFCommandTicketCount"], c.present < 0 ? "4" : std::to_string(c.present));
    }
}

// A double-click on a row opens its window on that record (not a new one),
// Restore empties the window, and what OK hands back comes again the same
// in a second dialog given the first one's settings.
TEST_F(SpecialPagesDialog, DoubleClickEditsTheRowAndASecondRunAgrees) {
    const DialogRun r = Dialog("open 104 2\ndump 1001\ndump 1005\nclick 1013\ndump 1001\nclick 1012\n"
                               "open 104 1\ndump 903\ndump 905\nclick 913\ndump 903\ndump 905\ntype 903 4\nclick 911\n"
                               "dump 104\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=1001 enabled value=\"5-8\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=1005 enabled selected=2"));
    EXPECT_TRUE(r.Says("tag=1001 enabled value=\"\""));  // restored
    EXPECT_TRUE(r.Says("tag=903 enabled value=\"3\""));
    EXPECT_TRUE(r.Says("tag=905 enabled value=\"2\""));
    EXPECT_TRUE(r.Says("tag=905 enabled value=\"1\""));  // restored
    // The insert was edited in place: still four records, the insert now after page 4.
    EXPECT_TRUE(r.Says("rows=4"));
    EXPECT_EQ(Order(r), "0:0 1:4 2:5-8 0:1");

    std::string settings;
    for (const auto& [k, v] : r.ticket) settings += k + "=" + v + "\n";
    const DialogRun again = Dialog("dump 104\nprint\n", settings);
    ASSERT_EQ(again.result.status, 0) << again.result.err;
    EXPECT_TRUE(again.Says("rows=4"));
    for (const auto& [k, v] : r.ticket) EXPECT_EQ(again.ticket.count(k) ? again.ticket.at(k) : "<none>", v) << k;
}

// The exceptions window: new pages folded into ranges with the sides
// chosen, and Edit showing the selected exception's pages and sides.
TEST_F(SpecialPagesDialog, ExceptionsWindowAddsAndEditsExceptions) {
    const DialogRun r = Dialog("click 102\ntype 1001 \"12,10-11,20\"\nselect 1005 3\nclick 1011\ndump 104\n"
                               "select 104 2\nclick 105\ndump 1001\ndump 1005\nselect 1005 1\nclick 1011\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("rows=6")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=1001 enabled value=\"5-8\""));
    EXPECT_TRUE(r.Says("tag=1005 enabled selected=2"));
    EXPECT_EQ(r["JTIFExceptionCountTicket"], "3");
    EXPECT_EQ(r["JTIFCommandTicket_2"], "2,5-8,3,2,2,false,1,210.0,297.0,1");  // edited: one-sided
    EXPECT_EQ(r["JTIFCommandTicket_3"].substr(0, 21), "2,10-12,0,1,0,false,3");
    EXPECT_EQ(r["JTIFCommandTicket_4"].substr(0, 18), "2,20,0,1,0,false,3");
}

// The cover option switches the controls of the covers it leaves out off
// and empties their paper views; "Front and back, same paper" keeps the
// back's view, which shows the front's paper.
TEST_F(SpecialPagesDialog, CoversWindowControlsFollowTheCoverOption) {
    struct Case {
        int option;
        bool front, back, backView;
    };
    const Case cases[] = {{0, false, false, false}, {1, true, false, false}, {2, false, true, true},
                          {3, true, false, true},   {4, true, true, true}};
    std::string script = "click 100\nselect 801 4\nselect 804 \"Color/Yellow\"\n";
    for (const Case& c : cases)
        script += "select 801 " + std::to_string(c.option) + "\ndump 804\ndump 806\ndump 203\ndump 824\ndump 826\ndump 208\n";
    const DialogRun r = Dialog(script + "click 812\n", "");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    const std::vector<std::string> d = Dumps(r);
    ASSERT_EQ(d.size(), 6 * std::size(cases)) << r.result.err;
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.option);
        auto on = [&](size_t k) { return d[6 * i + k].find(" enabled ") != std::string::npos; };
        auto shows = [&](size_t k, const char* text) { return d[6 * i + k].find(text) != std::string::npos; };
        EXPECT_EQ(on(0), c.front) << d[6 * i];
        EXPECT_EQ(on(1), c.front) << d[6 * i + 1];
        EXPECT_EQ(on(3), c.back) << d[6 * i + 3];
        EXPECT_EQ(on(4), c.back) << d[6 * i + 4];
        EXPECT_EQ(shows(2, "Yellow"), c.front) << d[6 * i + 2];
        EXPECT_EQ(shows(5, "value=\"\""), !c.backView) << d[6 * i + 5];
    }
    // The same paper: the back view shows the front's Yellow.
    EXPECT_NE(d[6 * 3 + 5].find("Yellow"), std::string::npos) << d[6 * 3 + 5];
}

// With the same paper, the back cover is printed as the front: the list
// follows what the front's shows, and so does the record.
TEST_F(SpecialPagesDialog, TheBackCoverFollowsTheFrontWithTheSamePaper) {
    const DialogRun r = Dialog("click 100\nselect 801 3\nselect 806 2\ndump 826\nselect 806 3\ndump 826\nclick 811\nprint\n", "");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=826 disabled selected=2")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=826 disabled selected=3"));
    EXPECT_EQ(Decoded(r["JTIFCoverValueTicket_0"]).substr(0, 14), "0,1,print-both");
    EXPECT_EQ(Decoded(r["JTIFCoverValueTicket_1"]).substr(0, 14), "1,1,print-both");
}

// A cover from the interposer tray can only be blank: the printed items go
// grey as soon as the tray is chosen, a printed choice falls back to blank,
// and the ticket says so.
TEST_F(SpecialPagesDialog, ACoverFromTheInterposerIsNeverPrintedOn) {
    const DialogRun r = Dialog("click 100\nselect 801 2\nselect 826 3\nselect 824 \"Interposer Tray\"\ndump 826\n"
                               "select 826 3\nclick 811\nprint\n",
                               "");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=826 enabled selected=0 items=[\"Blank or pre-printed\", \"Print on side 1\" (disabled), "
                       "\"Print on side 2\" (disabled), \"Print on both sides\" (disabled)]"))
        << r.result.err;
    EXPECT_TRUE(r.Says("ignored: 826 \"3\" disabled"));
    EXPECT_EQ(Decoded(r["JTIFCoverValueTicket_0"]), "1,0,print-none,interposer");
}

// Several records edited together: what the user leaves alone stays each
// record's own (mixed values show as No Change, or an empty quantity).
TEST_F(SpecialPagesDialog, EditingSeveralRecordsKeepsWhatWasNotChanged) {
    const std::string inserts = NS "JTIFCommandTicketCount=3\n"
                                NS "JTIFCommandTicket_0=1,2,0,1,0,0,1,false,210.0,297.0,1\n"
                                NS "JTIFCommandTicket_1=1,4,0,2,3,2,2,false,210.0,297.0,1\n"
                                NS "JTIFCommandTicket_2=1,6,0,3,4,1,4,false,100.0,150.0,1\n";
    DialogRun r = Dialog("select 104 0-2\nclick 105\ndump 903\ndump 905\ntype 905 5\nclick 911\nprint\n", inserts);
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=903 disabled value=\"2,4,6\"")) << r.result.err;  // their pages stay
    EXPECT_TRUE(r.Says("tag=905 enabled value=\"\""));                           // quantities differ
    EXPECT_EQ(r["JTIFCommandTicket_0"], "1,2,0,5,0,0,1,false,210.0,297.0,1");
    EXPECT_EQ(r["JTIFCommandTicket_1"], "1,4,0,5,3,2,2,false,210.0,297.0,1");
    EXPECT_EQ(r["JTIFCommandTicket_2"], "1,6,0,5,4,1,4,false,100.0,150.0,1");

    // Only a colour: the quantities and the rest of the paper stay.
    r = Dialog("select 104 0-2\nclick 105\nselect 908 \"Color/Blue\"\nclick 911\nprint\n", inserts);
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r["JTIFCommandTicket_0"], "1,2,0,1,0,1,1,false,210.0,297.0,1");
    EXPECT_EQ(r["JTIFCommandTicket_2"], "1,6,0,3,4,1,4,false,100.0,150.0,1");

    // Two exceptions, only the sides changed.
    const std::string exceptions = NS "JTIFCommandTicketCount=2\n"
                                   NS "JTIFCommandTicket_0=2,3,0,1,0,false,1,210.0,297.0,1\n"
                                   NS "JTIFCommandTicket_1=2,7-8,3,2,2,false,2,210.0,297.0,1\n";
    r = Dialog("select 104 0-1\nclick 105\ndump 1005\nselect 1005 3\nclick 1011\nprint\n", exceptions);
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=1005 enabled selected=0 items=[\"No Change\",")) << r.result.err;
    EXPECT_EQ(r["JTIFCommandTicket_0"], "2,3,0,1,0,false,3,210.0,297.0,1");
    EXPECT_EQ(r["JTIFCommandTicket_1"], "2,7-8,3,2,2,false,3,210.0,297.0,1");
}

// A new exception is one-sided, so with the job printed two-sided a page on
// transparencies is not sent two-sided; reopening the window greys the
// sides against the paper it shows then (the new exception, selected), and
// again when plain paper is chosen.
TEST_F(SpecialPagesDialog, ANewExceptionIsOneSidedAndItsSidesFollowThePaperShown) {
    const DialogRun r = Dialog("mark Duplex DuplexNoTumble\nclick 102\ndump 1005\ntype 1001 4\n"
                               "select 1003 \"Type/Transparency\"\nclick 1011\nselect 104 0\nclick 102\ndump 1005\n"
                               "select 1003 \"Type/Plain Paper\"\ndump 1005\nclick 1012\nprint\n",
                               "");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    const std::vector<std::string> d = Dumps(r);
    ASSERT_EQ(d.size(), 3u) << r.result.err;
    EXPECT_NE(d[0].find("selected=1"), std::string::npos) << d[0];
    EXPECT_NE(d[1].find("\"2-sided, long edge\" (disabled)"), std::string::npos) << d[1];  // transparencies shown
    EXPECT_EQ(d[2].find("disabled"), std::string::npos) << d[2];  // plain paper shown: both sides offered
    EXPECT_EQ(Decoded(r["JTIFExceptionValueTicket_0"]).substr(0, 20), "1,1,1,4,4,one-sided,");
}

// "Add" with exactly one record of its kind selected starts from that
// record; anything else from the defaults.
TEST_F(SpecialPagesDialog, AddStartsFromTheOneSelectedRecordOfItsKind) {
    const DialogRun r = Dialog("select 104 1\nclick 101\ndump 903\ndump 905\ndump 3209\nclick 912\n"
                               "select 104 2\nclick 102\ndump 1001\ndump 1005\ndump 313\nclick 1012\n"
                               "select 104 0\nclick 101\ndump 903\ndump 905\ndump 3209\nclick 912\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    const std::vector<std::string> d = Dumps(r);
    ASSERT_EQ(d.size(), 9u) << r.result.err;
    EXPECT_NE(d[0].find("value=\"3\""), std::string::npos) << d[0];
    EXPECT_NE(d[1].find("value=\"2\""), std::string::npos) << d[1];
    EXPECT_NE(d[2].find("value=\"Paper Color: Yellow\\n\""), std::string::npos) << d[2];
    EXPECT_NE(d[3].find("value=\"\""), std::string::npos) << d[3];  // the exception's paper, not its pages
    EXPECT_NE(d[4].find("selected=2"), std::string::npos) << d[4];
    EXPECT_NE(d[5].find("Page Size: A5"), std::string::npos) << d[5];
    // Both covers selected: a new insert on the defaults.
    EXPECT_NE(d[6].find("value=\"\""), std::string::npos) << d[6];
    EXPECT_NE(d[7].find("value=\"1\""), std::string::npos) << d[7];
    EXPECT_NE(d[8].find("Paper Color: White"), std::string::npos) << d[8];
}

// Under a front cover there is no "before page one": the item is grey.
TEST_F(SpecialPagesDialog, BeforePageOneIsNotOfferedUnderAFrontCover) {
    const DialogRun r = Dialog("click 101\ndump 901\nselect 901 1\nclick 912\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("\"Before page 1\" (disabled)")) << r.result.err;
    EXPECT_TRUE(r.Says("ignored: 901 \"1\" disabled"));
}

// A record without a custom size of its own (a plain size, "-1" for the
// custom one) opens the custom size window at the default size, the size
// the record then carries.
TEST_F(SpecialPagesDialog, AnUnsetCustomSizeOpensAtTheDefaultSize) {
    const DialogRun r = Dialog("select 104 0\nclick 105\nselect 1003 \"Size/Custom Size...\"\ndump 711\ndump 731\n"
                               "click 742\nclick 1012\n",
                               NS "JTIFCommandTicketCount=1\n" NS "JTIFCommandTicket_0=2,3,0,1,0,false,1,-1,-1,-1\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=711 enabled value=\"210.0\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=731 enabled value=\"297.0\""));
}

// The windows' views: the job's own paper as the dialog has marked it, and
// the paper chosen, from a submenu or from the advanced paper window.
TEST_F(SpecialPagesDialog, InformationViewsShowTheJobAndTheChosenPaper) {
    const DialogRun r = Dialog("mark PageSize Letter\nclick 101\ndump 3212\ndump 3209\nselect 908 \"Advanced...\"\n"
                               "select 602 \"Legal\"\nclick 611\ndump 3209\nclick 912\n"
                               "click 102\ndump 319\nselect 1003 \"Type/Thick Paper\"\ndump 313\nclick 1012\n"
                               "click 100\nselect 801 1\ndump 213\nclick 812\n",
                               "");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    const std::string job = "value=\"Page Size: Letter\\nPaper Color: White\\nPaper Type: Plain Paper\"";
    EXPECT_TRUE(r.Says("tag=3212 enabled " + job)) << r.result.err;
    EXPECT_TRUE(r.Says("tag=319 enabled " + job));
    EXPECT_TRUE(r.Says("tag=213 enabled " + job));
    EXPECT_TRUE(r.Says("tag=3209 enabled value=\"Page Size: A4\\n"));
    EXPECT_TRUE(r.Says("tag=3209 enabled value=\"Page Size: Legal\\n"));
    EXPECT_TRUE(r.Says("tag=313 enabled value=\"Page Size: A4\\nPaper Color: White\\nPaper Type: Thick Paper\\n\""));
}

// A crafted copy in the ticket: only the records a window could have made
// come back, and the device's job ticket carries those and nothing else,
// also after the exceptions window has spread a range of almost every page.
TEST_F(SpecialPagesDialog, ACraftedCopyReachesTheDeviceOnlyAsRecordsTheWindowsCouldMake) {
    std::vector<std::string> lines = {
        "0,0,1,0,0,1,false,4,210.0,297.0,1",             // front cover: kept
        "1,-5,0,2,-1,2,-1,false,210.0,297.0,1",          // insert after page -5
        "2,1-99999999999,0,0,0,false,1,210.0,297.0,1",   // an overflowing last page
        "2,5-3,0,0,0,false,1,210.0,297.0,1",             // a reversed range
        "2,0,0,0,0,false,1,210.0,297.0,1",               // page 0
        "2,65001-70000,0,0,0,false,1,210.0,297.0,1",     // past the last page
        "0,1,,0,0,1,false,4,210.0,297.0,1",              // a cover without printing option
        ",0,1,0,0,1,false,4,210.0,297.0,1",              // no kind (not a second front cover)
        "1,3,0,2,-1,2,-1,false,210.0,297.0,1",           // insert after page 3: kept
        "2,5-8,3,2,2,false,2,210.0,297.0,1",             // kept
    };
    // The same range of almost every page, over and over: one is kept.
    for (int i = 0; i < 300; ++i) lines.push_back("2,10-65000,0,2,1,false,1,210.0,297.0,1");
    std::string settings = NS "JTIFCommandTicketCount=" + std::to_string(lines.size()) + "\n";
    for (size_t i = 0; i < lines.size(); ++i) settings += NS "JTIFCommandTicket_" + std::to_string(i) + "=" + lines[i] + "\n";

    const auto start = std::chrono::steady_clock::now();
    // The long range edited: page 20 taken out, the rest printed short edge.
    const DialogRun r = Dialog("dump 104\nselect 104 3\nclick 105\ntype 1001 \"10-19,21-65000\"\nselect 1005 3\n"
                               "click 1011\ndump 104\nprint\n",
                               settings, "--cups-options");
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("rows=4")) << r.result.err;
    EXPECT_TRUE(r.Says("rows=5"));  // without page 20 the long range is two
    EXPECT_LT(seconds, 20.0) << "the pages of a restored list are spread in bounded time";

    const std::string jtif = DeviceTicket(r);
    auto all = [&](const std::string& element) {
        std::string found;
        const std::regex re("<" + element + " syntax=\"[a-z]+\">([^<]*)<");
        for (auto it = std::sregex_iterator(jtif.begin(), jtif.end(), re); it != std::sregex_iterator(); ++it)
            found += (found.empty() ? "" : " ") + (*it)[1].str();
        return found;
    };
    EXPECT_EQ(all("cover-type"), "print-front") << jtif;
    EXPECT_EQ(all("insert-after-page-number"), "3");
    // The pages of each override (after its input-document range 1-1).
    EXPECT_EQ(all("lower-bound"), "1 5 1 10 1 21");
    EXPECT_EQ(all("upper-bound"), "1 8 1 19 1 65000");
    EXPECT_EQ(all("sides"), "two-sided-long-edge two-sided-short-edge two-sided-short-edge");
}

// Which print type makes a mailbox job: before 10.7 the printer's
// remembered one, from 10.7 on the ticket's.
TEST_F(SpecialPagesDialog, TheMailboxRuleReadsThePreferenceBefore107AndTheTicketFrom107) {
    struct Case {
        const char* release;
        const char* remembered;  // nullptr: none
        const char* ticket;      // nullptr: none
        bool mailbox;
    };
    const std::string prefs = dir_.path() + "/prefs";
    const char* before = std::getenv(zqp::kPrefsDirEnv);
    const std::string saved = before != nullptr ? before : "";
    for (const Case& c : {Case{"10.8.0", "5", "1", true}, Case{"10.8.0", "05", nullptr, true},
                          Case{"10.8.0", "1", "5", false}, Case{"10.8.0", nullptr, "5", false},
                          Case{"11.0.0", "5", "1", false}, Case{"11.0.0", "1", "5", true}}) {
        SCOPED_TRACE(std::string(c.release) + " " + (c.remembered ? c.remembered : "-") + " " + (c.ticket ? c.ticket : "-"));
        setenv(zqp::kPrefsDirEnv, prefs.c_str(), 1);
        zqp::Preferences::ResetForTesting();
        zqp::Preferences::SetValue("zq-ark" NS "PrintTypeReference",
                                   c.remembered ? std::optional<zqp::PrefValue>(std::string(c.remembered)) : std::nullopt,
                                   zqp::kAnyApplication, zqp::PrefUser::kCurrentUser, zqp::PrefHost::kCurrentHost);
        ASSERT_TRUE(zqp::Preferences::Synchronize(zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                                  zqp::PrefHost::kCurrentHost));
        env_ = std::string("ZQ_OS_RELEASE=") + c.release;
        const std::string ticket = c.ticket ? std::string(NS "PrintTypeTicketKey=") + c.ticket + "\n" : "";
        const DialogRun r = Dialog("print\n", std::string(kFourRecords) + ticket);
        ASSERT_EQ(r.result.status, 0) << r.result.err;
        EXPECT_EQ(r["SpecialPageRecordCountTicket"], c.mailbox ? "0" : "4");
        EXPECT_EQ(r["JTIFExceptionCountTicket"], c.mailbox ? "0" : "1");
        EXPECT_EQ(r["JTIFCommandTicketCount"], "4");  // the panel keeps its records either way
    }
    if (before != nullptr) setenv(zqp::kPrefsDirEnv, saved.c_str(), 1);
    else unsetenv(zqp::kPrefsDirEnv);
    zqp::Preferences::ResetForTesting();
}

// A front cover on transparencies, and a two-hole punch marked since: the
// window greys Transparency and moves the cover to the first type allowed,
// so the list, the paper arrays and the device's ticket all say plain paper.
TEST_F(SpecialPagesDialog, AForbiddenPaperTypeMovesToTheFirstAllowedType) {
    before_ = "mark ZQNumPunchHoles 2Holes\n";
    const std::string cover = NS "JTIFCommandTicketCount=1\n" NS "JTIFCommandTicket_0=0,0,1,0,0,3,false,1,210.0,297.0,1\n";
    const DialogRun r = Dialog("select 104 0\nclick 105\nclick 811\nsave\nticket\n", cover);
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r["JTIFCommandTicket_0"], "0,0,1,0,0,1,false,1,210.0,297.0,1") << r.result.err;
    EXPECT_EQ(r["mediaTypeArrayTicket"], "[Stationary]");
    EXPECT_EQ(Decoded(r["JTIFCoverValueTicket_0"]), "0,1,print-front,STATIONERY,white,21000,29700");
}

// No window hands on a paper the PPD forbids with what is marked: not the
// covers, inserts or exceptions window, not a kind left at No Change for
// several records, not the advanced paper window; the device never gets it.
TEST_F(SpecialPagesDialog, NoWindowCommitsAPaperThePrinterForbids) {
    struct Case {
        const char* name;
        std::vector<std::string> records;
        const char* script;
        std::vector<std::string> after;  // the record copy after OK
    };
    const Case cases[] = {
        {"covers", {"0,0,1,0,0,3,false,1,210.0,297.0,1"}, "select 104 0\nclick 105\nclick 811\n",
         {"0,0,1,0,0,1,false,1,210.0,297.0,1"}},
        {"inserts", {"1,3,0,1,0,0,3,false,210.0,297.0,1"}, "select 104 0\nclick 105\nclick 911\n",
         {"1,3,0,1,0,0,1,false,210.0,297.0,1"}},
        {"exceptions", {"2,5,0,3,0,false,1,210.0,297.0,1"}, "select 104 0\nclick 105\nclick 1011\n",
         {"2,5,0,1,0,false,1,210.0,297.0,1"}},
        // The types differ, so the window shows No Change: each keeps its
        // own, unless the printer forbids it now.
        {"inserts edited together",
         {"1,2,0,1,0,0,2,false,210.0,297.0,1", "1,4,0,1,0,0,3,false,210.0,297.0,1"},
         "select 104 0-1\nclick 105\ntype 905 5\nclick 911\n",
         {"1,2,0,5,0,0,2,false,210.0,297.0,1", "1,4,0,5,0,0,1,false,210.0,297.0,1"}},
        {"advanced paper", {"0,0,1,0,0,3,false,1,210.0,297.0,1"},
         "select 104 0\nclick 105\nselect 804 \"Advanced...\"\nselect 606 \"Transparency\"\nclick 611\nclick 811\n",
         {"0,0,1,0,0,1,false,1,210.0,297.0,1"}},
    };
    before_ = "mark ZQNumPunchHoles 2Holes\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string settings = NS "JTIFCommandTicketCount=" + std::to_string(c.records.size()) + "\n";
        for (size_t i = 0; i < c.records.size(); ++i)
            settings += NS "JTIFCommandTicket_" + std::to_string(i) + "=" + c.records[i] + "\n";
        const DialogRun r = Dialog(std::string(c.script) + "print\n", settings, "--cups-options");
        ASSERT_EQ(r.result.status, 0) << r.result.err;
        for (size_t i = 0; i < c.after.size(); ++i)
            EXPECT_NE(r.result.out.find(NS "JTIFCommandTicket_" + std::to_string(i) + "=" + c.after[i] + " "),
                      std::string::npos)
                << r.result.out;
        const std::string jtif = DeviceTicket(r);
        EXPECT_NE(jtif.find("STATIONERY"), std::string::npos) << jtif;
        EXPECT_EQ(jtif.find("TRANSPARENCY"), std::string::npos) << jtif;
    }
}

// The title says whether the window adds or edits, and follows the list
// from one opening to the next.
TEST_F(SpecialPagesDialog, TheWindowsSayWhetherTheyAddOrEdit) {
    const DialogRun r = Dialog("select 104 0\nclick 105\nclick 812\nclick 100\nclick 812\n"
                               "select 104 1\nclick 105\nclick 912\nclick 101\nclick 912\n"
                               "select 104 2\nclick 105\nclick 1012\nclick 102\nclick 1012\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    std::vector<std::string> opened;
    std::istringstream lines(r.result.err);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("modal: open ", 0) == 0) opened.push_back(line.substr(12));
    EXPECT_EQ(opened, (std::vector<std::string>{"Edit Covers", "Add Covers", "Edit Inserts", "Add Inserts",
                                                "Edit Exceptions", "Add Exceptions"}));
}

// Both page lists say how to write them.
TEST_F(SpecialPagesDialog, ThePageListsSayHowToWriteThem) {
    const DialogRun r = Dialog("click 101\ndump 3206\ndump 902\nclick 912\nclick 102\ndump 1000\ndump 1006\nclick 1012\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    const std::string rule = "value=\"Separate pages with commas, ranges with a hyphen: 1,3,5-7\"";
    EXPECT_TRUE(r.Says("tag=3206 enabled value=\"Pages:\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=902 enabled " + rule));
    EXPECT_TRUE(r.Says("tag=1000 enabled value=\"Pages:\""));
    EXPECT_TRUE(r.Says("tag=1006 enabled " + rule));
}

// A custom size stays with its own record: the next opening starts from the
// default size, and a plain size chosen after it carries the default.
TEST_F(SpecialPagesDialog, EachOpeningStartsFromTheDefaultCustomSize) {
    const DialogRun r = Dialog(
        // A custom insert after page 2 (it is selected after OK).
        "click 101\ntype 903 2\nselect 908 \"Size/Custom Size...\"\ntype 711 100.0\ntype 731 150.5\nclick 741\n"
        "click 911\n"
        // Both covers selected: a new insert on the defaults, custom size 210 x 297.
        "select 104 0\nclick 101\ntype 903 4\nselect 908 \"Size/Custom Size...\"\ndump 711\ndump 731\nclick 742\n"
        "select 908 \"Size/A4\"\nclick 911\n"
        // The custom insert selected: the window starts from it; A4 chosen.
        "select 104 1\nclick 101\ntype 903 6\nselect 908 \"Size/A4\"\nclick 911\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    const std::vector<std::string> d = Dumps(r);
    ASSERT_EQ(d.size(), 2u) << r.result.err;
    EXPECT_NE(d[0].find("value=\"210.0\""), std::string::npos) << d[0];
    EXPECT_NE(d[1].find("value=\"297.0\""), std::string::npos) << d[1];
    EXPECT_EQ(Order(r), "0:0 1:2 1:3 1:4 2:5-8 1:6 0:1");
    EXPECT_EQ(r["JTIFCommandTicket_1"], "1,2,0,1,4,0,1,false,100.0,150.5,1");
    EXPECT_EQ(r["JTIFCommandTicket_3"], "1,4,0,1,0,0,1,false,210.0,297.0,1");
    EXPECT_EQ(r["JTIFCommandTicket_5"], "1,6,0,1,0,0,1,false,210.0,297.0,1");
}

// What the custom size window shows at OK is what the insert's record and
// the device get, after typing, steps and unit switches, with OK in either
// unit (the record always in millimetres, with the unit shown).
TEST_F(SpecialPagesDialog, TheCustomSizeShownIsTheSizeSent) {
    struct Case {
        const char* what;
        const char* script;  // in the custom size window, before OK
        const char* tag;     // a field shown at OK
        const char* shown;   // its text
        const char* record;  // width, length and unit of the record
        const char* device;  // the JTIF media size, hundredths of a millimetre
    };
    const Case cases[] = {
        {"inches typed, stepped up three times", "click 718\ntype 712 8.50\nstep 714 up 3\n", "712", "8.53",
         "216.7,297.0,0", "21670 29700"},
        {"inches stepped up and down", "click 718\ntype 712 8.50\nstep 714 up 3\nstep 714 down\n", "712", "8.52",
         "216.4,297.0,0", "21640 29700"},
        {"millimetres stepped, then inches shown", "type 711 215.0\nstep 713 up\nclick 718\n", "712", "8.47",
         "215.1,297.0,0", "21510 29700"},
        {"inches stepped, then millimetres shown", "click 718\ntype 712 8.50\nstep 714 up 3\nclick 717\n", "711",
         "216.7", "216.7,297.0,1", "21670 29700"},
        {"millimetres stepped both ways", "type 711 300.0\nstep 713 down 2\ntype 731 150.0\nstep 733 up\n", "731",
         "150.1", "299.8,150.1,1", "29980 15010"},
        {"the length in inches stepped", "click 718\ntype 732 11.00\nstep 734 up\n", "732", "11.01",
         "210.0,279.7,0", "21000 27970"},
        {"stepped in each unit in turn",
         "type 711 215.0\nstep 713 up\nclick 718\nstep 714 up\nclick 717\nstep 713 down\nclick 718\n", "712",
         "8.48", "215.3,297.0,0", "21530 29700"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DialogRun r = Dialog(std::string("click 101\ntype 903 2\nselect 908 \"Size/Custom Size...\"\n") + c.script +
                                       "dump " + c.tag + "\nclick 741\nclick 911\nprint\n",
                                   "", "--cups-options");
        ASSERT_EQ(r.result.status, 0) << r.result.err;
        EXPECT_TRUE(r.Says("tag=" + std::string(c.tag) + " enabled value=\"" + c.shown + "\"")) << r.result.err;
        const std::string options = r.result.out.substr(0, r.result.out.find_last_not_of('\n') + 1) + " ";
        EXPECT_NE(options.find(NS "JTIFCommandTicket_0=1,2,0,1,4,0,1,false," + std::string(c.record) + " "),
                  std::string::npos)
            << options;
        const std::string jtif = DeviceTicket(r);
        const std::regex re("<([xy])-dimension syntax=\"integer\">([^<]*)<");
        std::string size;
        for (auto it = std::sregex_iterator(jtif.begin(), jtif.end(), re); it != std::sregex_iterator(); ++it)
            size += (size.empty() ? "" : " ") + (*it)[2].str();
        EXPECT_EQ(size, c.device) << jtif;
    }
}

// After a window's OK what it added or edited is the selection; Delete
// marks the record that moves into each place, and the list's state
// decides whether the marks are selected.
TEST_F(SpecialPagesDialog, WhatIsSelectedAfterOKAndAfterDelete) {
    // One person's sequence on [front, 3, 5-8, back]. After each window's OK
    // the list is in its add state: the records marked then are selected.
    // Marks come from the selection, covers keep theirs, inserts are made
    // unmarked, exceptions added keep the mark of the selected ones' first
    // pages, and Delete marks what moves into each place.
    struct Step {
        const char *what, *script, *selection;
    };
    const Step steps[] = {
        {"inserts added with an exception selected: it stays selected",
         "select 104 2\nclick 101\ntype 903 9\nclick 911\n", "rows=5 selected=[2]"},  // front 3 5-8 9 back
        {"exceptions edited: nothing selected", "select 104 2\nclick 105\nclick 1011\n", "rows=5 selected=[]"},
        {"an exception added with 5-8 selected: 5-7 (first page 5) selected, 8 not",
         "select 104 2\nclick 102\ntype 1001 8\nselect 1005 1\nclick 1011\n",
         "rows=6 selected=[2]"},  // front 3 5-7 8 9 back
        {"selected covers edited to a front cover: it stays selected",
         "select 104 0\nclick 105\nselect 801 1\nclick 811\n", "rows=5 selected=[0]"},  // front 3 5-7 8 9
        {"rows 1 and 3 of five deleted: 5-7 and 9 moved into their places",
         "select 104 1,3\nclick 106\nclick 302\n", "rows=3 selected=[1,2]"},  // front 5-7 9
        {"the last row deleted: the one before it", "select 104 2\nclick 106\nclick 302\n", "rows=2 selected=[1]"},
    };
    std::string script;
    for (const Step& step : steps) script += std::string(step.script) + "dump 104\n";
    DialogRun r = Dialog(script + "print\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    const std::vector<std::string> d = Dumps(r);
    ASSERT_EQ(d.size(), std::size(steps)) << r.result.err;
    for (size_t i = 0; i < d.size(); ++i) EXPECT_NE(d[i].find(steps[i].selection), std::string::npos) << steps[i].what << "\n" << d[i];
    EXPECT_EQ(Order(r), "0:0 2:5-7");

    // A list never added to nor edited (state 0) keeps the marks unselected.
    r = Dialog("select 104 1\nclick 106\nclick 302\ndump 104\n", ManyRecords(1, 5));
    EXPECT_TRUE(r.Says("rows=4 selected=[]")) << r.result.err;
}

}  // namespace
}  // namespace zqsp
