// A length typed into a window with millimetre and inch fields comes back
// as typed, in either unit, whenever the window opens again: after OK,
// after Cancel and after a restore from the ticket. Neither Cancel nor an
// OK with nothing changed rewrites a key, and the device gets the typed
// length.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "../framework/ppd_fixture.h"
#include "editions/ark/ark_profile.h"
#include "filter_harness.h"
#include "print_dialog_run.h"
#include "shipped_dialog.h"

namespace {

struct Window {
    const char* ppd;
    const char* panel;
    const char* open;
    const char* ok;
    const char* reopen;
    const char* cancel;
};

const Window kSingleCut = {"zq-ark-features.ppd", "com.tavelle.r15.pde.PrintFeaturesKind",
                           "select 2 \"Advanced Features\"\nselect #ZQTrimming \"Single Cut\"\nclick 112\n",
                           "click 8011\n", "click 112\n", "click 8012\n"};
const Window kThreeEdges = {"zq-ark-features.ppd", "com.tavelle.r15.pde.PrintFeaturesKind",
                            "select 2 \"Advanced Features\"\nselect #ZQTrimming \"Three Edges\"\nclick 112\n",
                            "click 9028\n", "click 112\n", "click 9029\n"};
const Window kTabMargin = {"zq-ark-features.ppd", "com.tavelle.r15.pde.PrintFeaturesKind",
                           "select 2 \"Advanced Features\"\nclick #ZQTabMarginShiftEx\nclick 101\n", "click 217\n",
                           "click 101\n", "click 218\n"};
const Window kBookletMargin = {"zq-ark-features.ppd", "com.tavelle.r15.pde.PrintFeaturesKind",
                               "select 2 \"Layout\"\nselect #ZQSignature 1\nclick 106\nclick 107\n", "click 317\n",
                               "click 107\n", "click 318\n"};
// The custom size of an insert: OK and Cancel close the size window, then
// the insert's window with OK, so that only the record tells what was kept.
const Window kCustomSize = {"zq-ark-sample.ppd", "\"Special Pages\"",
                            "click 101\ntype 903 2\nselect 908 \"Size/Custom Size...\"\n", "click 741\nclick 911\n",
                            "open 104 0\nselect 908 \"Size/Custom Size...\"\n", "click 742\nclick 911\n"};

// The ticket lines of the transcript, one group before each "dump:" line
// and one after the last.
std::vector<std::vector<std::string>> TicketsBetweenDumps(const std::string& transcript) {
    std::vector<std::vector<std::string>> groups(1);
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("dump: ", 0) == 0) groups.emplace_back();
        else if (line.rfind("ticket: com.tavelle.qdm.printsettings.", 0) == 0) groups.back().push_back(line);
    }
    return groups;
}

// The keys that differ between two groups: "-" the one before, "+" after.
std::vector<std::string> Changed(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    std::vector<std::string> changed;
    for (const std::string& line : before)
        if (std::find(after.begin(), after.end(), line) == after.end()) changed.push_back("- " + line);
    for (const std::string& line : after)
        if (std::find(before.begin(), before.end(), line) == before.end()) changed.push_back("+ " + line);
    return changed;
}

TEST(UnitRoundTrip, ATypedLengthReopensAsTypedAndReachesTheDevice) {
    struct Case {
        const char* what;
        const Window& window;
        const char* before;  // the unit, and what the window needs besides
        const char* field;
        const char* typed;
        const char* device;  // in the ARK filter's output
    } cases[] = {
        {"single cut, mm", kSingleCut, "", "8008", "137.3", "\"@TRMR=1373\""},
        {"single cut, inches", kSingleCut, "click 8005\n", "8003", "5.40", "\"@TRMR=1372\""},
        {"three-edge width, mm", kThreeEdges, "", "9017", "137.3", "\"@TRMR=1373\""},
        {"three-edge width, inches", kThreeEdges, "click 9009\n", "9013", "5.40", "\"@TRMR=1372\""},
        {"three-edge height, mm", kThreeEdges, "", "9007", "193.1", "\"@TRFW=1931\""},
        {"three-edge height, inches", kThreeEdges, "click 9009\n", "9003", "7.60", "\"@TRFW=1930\""},
        {"three-edge adjustment, mm", kThreeEdges, "type 9007 193.0\n", "9025", "-1.3", "\"@TROP=-13\""},
        {"three-edge adjustment, inches", kThreeEdges, "click 9009\ntype 9003 7.60\n", "9021", "-0.05",
         "\"@TROP=-13\""},
        {"tab margin, mm", kTabMargin, "", "213", "8.5", "\"@TABS=85\""},
        {"tab margin, inches", kTabMargin, "click 216\n", "211", "0.33", "\"@TABS=84\""},
        {"booklet margin, mm", kBookletMargin, "", "313", "18", "36.000/Custom/ProcSet"},
        {"booklet margin, inches", kBookletMargin, "click 316\n", "311", "0.7", "36.000/Custom/ProcSet"},
        {"custom size, mm", kCustomSize, "", "711", "215.3", "<x-dimension syntax=\"integer\">21530<"},
        {"custom size, inches", kCustomSize, "click 718\n", "712", "8.53", "<x-dimension syntax=\"integer\">21670<"},
    };
    zqtest::ShippedDialog dialog;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Window& w = c.window;
        const std::string dump = std::string("dump ") + c.field + "\n";
        const std::string script = std::string("panel ") + w.panel + "\nshow\n" + w.open + c.before + "type " +
                                   c.field + " " + c.typed + "\n" + w.ok + "save\nticket\n" +  //
                                   w.reopen + dump + w.cancel + "save\nticket\n" +             //
                                   w.reopen + dump + w.ok + "save\nticket\n" +                 //
                                   "restore\n" + w.reopen + dump + w.cancel + "save\nticket\nprint\nppd\n";
        const std::string ppd = ZQ_SOURCE_DIR "/ppd/" + std::string(w.ppd);
        const zqtest::DialogResult r = dialog.Run(zqtest::Slurp(ppd), script, "", "--printer zq-ark --cups-options");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err.find("alert:"), std::string::npos) << r.err;

        // Reopened after OK, after Cancel and after the restore.
        const std::string shown = "tag=" + std::string(c.field) + " enabled value=\"" + c.typed + "\"";
        size_t dumps = 0;
        for (size_t at = r.err.find(shown); at != std::string::npos; at = r.err.find(shown, at + 1)) ++dumps;
        EXPECT_EQ(dumps, 3u) << r.err;
        const auto tickets = TicketsBetweenDumps(r.err);
        ASSERT_EQ(tickets.size(), 4u) << r.err;
        EXPECT_FALSE(tickets[0].empty()) << r.err;
        EXPECT_EQ(Changed(tickets[0], tickets[1]), std::vector<std::string>()) << "after Cancel";
        EXPECT_EQ(Changed(tickets[0], tickets[2]), std::vector<std::string>()) << "after OK with nothing changed";
        EXPECT_EQ(Changed(tickets[0], tickets[3]), std::vector<std::string>()) << "after the restore";

        std::string options = r.out.substr(0, r.out.find_last_not_of('\n') + 1);
        std::istringstream lines(r.err);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("ppd: ", 0) == 0) options += " " + line.substr(5);
        const zqtest::JobResult out = zqtest::ArkJobOf(options, ppd);
        ASSERT_EQ(out.status, 0) << out.err;
        EXPECT_NE(out.out.find(c.device), std::string::npos) << out.out.substr(0, 4000);
    }
}

}  // namespace
