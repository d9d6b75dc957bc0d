// The summary a person reads names what the panels show: after a change to
// any control of any panel of the shipped bundles, and before any save, the
// summary is the one that the saved settings give.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "../imageoptions/image_dialog.h"
#include "shipped_dialog.h"

namespace {

std::string SourcePPD(const std::string& name) { return zqtest::Slurp(ZQ_SOURCE_DIR "/ppd/" + name); }

// The ARK sample with the watermark panel's attribute.
std::string ArkWatermarkPPD() {
    return zqimg::test::Replace(SourcePPD("zq-ark-sample.ppd"), "*Manufacturer: \"ZQ\"\n",
                                "*Manufacturer: \"ZQ\"\n*ZQXWatermarkSettings: \"Default00-ARK\"\n");
}

struct Panel {
    const char* what;
    std::string ppd;
    std::string kind;
    std::string before;  // steps that give the panel something to show (a watermark made)
    std::string pages;   // the tag of a pop-up that turns the panel's pages, if any
    int changeable;      // how many changes of the panel's own controls a person can make, at least
    std::string settings = "";
};

void PrintTo(const Panel& p, std::ostream* os) { *os << p.what; }

std::vector<Panel> Panels() {
    const std::string arkSample = SourcePPD("zq-ark-sample.ppd"), teldSample = SourcePPD("zq-teld-sample.ppd"),
                      kv29Sample = SourcePPD("zq-kv29-sample.ppd");
    const std::string makeWatermark = "click 1006\ntype 2000 Draft\ntype 1002 \"DRAFT COPY\"\nclick 1030\n";
    return {
        {"ARK account", arkSample, "com.tavelle.r15.pde.AccountKind", "", "", 0},
        {"ARK print type", arkSample, "com.tavelle.r15.pde.PrintTypeKind", "", "", 4},
        {"ARK special pages", arkSample, "com.tavelle.r15.pde.SpecialPagesKind", "", "", 1,
         zqtest::Slurp(ZQ_SOURCE_DIR "/samples/ark-special-pages.settings")},
        {"ARK watermark", ArkWatermarkPPD(), "com.tavelle.r15.pde.WaterMarkKind", makeWatermark, "", 2},
        {"ARK image options", zqimg::test::SamplePPD(), zqimg::test::kArkKind, "", "", 11},
        {"ARK features", SourcePPD("zq-ark-features.ppd"), "com.tavelle.r15.pde.PrintFeaturesKind", "", "2", 40},
        {"TELD account", teldSample, "com.tavelle.teld15.pde.AccountKind", "", "", 0},
        {"TELD print type", teldSample, "com.tavelle.teld15.pde.PrintTypeKind", "", "", 2},
        {"TELD watermark", teldSample, "com.tavelle.teld15.pde.WaterMarkKind", makeWatermark, "", 2},
        {"TELD image options", zqimg::test::TeldPPD(), zqimg::test::kTeldKind, "", "", 11},
        {"kv29 account", kv29Sample, "com.tavelle.kv29.pde.AccountKind", "", "", 0},
        {"kv29 print type", kv29Sample, "com.tavelle.kv29.pde.PrintTypeKind", "", "", 3},
        {"kv29 image options", SourcePPD("zq-kv29-image-sample.ppd"), "com.tavelle.kv29.pde.ImageOptionsKind", "", "",
         11},
        {"second family's job accounting", teldSample, "com.tavelle.o.pellora.pde.JobAccount", "", "", 1},
    };
}

// Every shipped bundle on the panel's PPD, the panel shown first.
class Dialog {
public:
    zqtest::DialogResult Run(const Panel& p, const std::string& script) {
        return dialog_.Run(p.ppd, "panel " + p.kind + "\nshow\n" + script, p.settings);
    }

private:
    zqtest::ShippedDialog dialog_;
};

// A control a person can change, as dump-tree shows it.
struct Control {
    std::string kind, ref, line;
    std::vector<std::string> changes;  // the commands that change it, to try in turn
};

// The quoted items of a pop-up, with whether each can be chosen.
std::vector<std::pair<std::string, bool>> Items(const std::string& line) {
    std::vector<std::pair<std::string, bool>> items;
    const size_t open = line.find("items=[");
    if (open == std::string::npos) return items;
    for (size_t i = open + 7; i < line.size() && line[i] != ']';) {
        if (line[i] != '"') {
            ++i;
            continue;
        }
        std::string title;
        for (++i; i < line.size() && line[i] != '"'; ++i) title += line[i] == '\\' ? line[++i] : line[i];
        size_t next = ++i;
        while (next < line.size() && line[next] != ',' && line[next] != ']') ++next;
        const std::string marks = line.substr(i, next - i);
        items.emplace_back(title, title != "---" && marks.find("hidden") == std::string::npos);
        i = next;
    }
    return items;
}

std::vector<Control> Controls(const std::string& transcript) {
    static const std::regex tree(
        R"(^tree: +(PopUpButton|CheckBox|RadioButton|Slider|Stepper|TableView)( #(\S+))? tag=(-?\d+))"
        R"( (enabled|disabled)( hidden)?(.*)$)");
    std::vector<Control> controls;
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, tree) || m[5] != "enabled" || m[6].matched) continue;
        Control c{m[1], m[3].matched ? "#" + m[3].str() : m[4].str(), line, {}};
        if (c.ref == "0") continue;
        const std::string rest = m[7];
        if (c.kind == "PopUpButton") {
            if (rest.find("pullsDown") != std::string::npos) continue;
            std::smatch sel;
            const int selected = std::regex_search(rest, sel, std::regex("selected=(-?\\d+)")) ? std::stoi(sel[1]) : -1;
            const auto items = Items(rest);
            for (size_t i = 0; i < items.size(); ++i)
                if (items[i].second && static_cast<int>(i) != selected)
                    c.changes.push_back("select " + c.ref + " " + std::to_string(i));
        } else if (c.kind == "CheckBox" || (c.kind == "RadioButton" && rest.find("state=0") != std::string::npos)) {
            c.changes.push_back("click " + c.ref);
        } else if (c.kind == "Slider") {
            std::smatch v;
            const int value = std::regex_search(rest, v, std::regex("value=(-?\\d+)")) ? std::stoi(v[1]) : 0;
            for (const int to : {value + 1, value - 1})
                c.changes.push_back("slide " + c.ref + " " + std::to_string(to));
        } else if (c.kind == "Stepper") {
            c.changes = {"step " + c.ref + " up", "step " + c.ref + " down"};
        } else if (c.kind == "TableView" && rest.find("rows=0") == std::string::npos) {
            c.changes = {"select " + c.ref + " 0"};
        }
        if (!c.changes.empty()) controls.push_back(c);
    }
    return controls;
}

// The summary lines of the transcript, one block per "summary" command;
// "conflicts" ends a block.
std::vector<std::string> Summaries(const std::string& transcript) {
    std::vector<std::string> blocks(1);
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("conflicts:", 0) == 0) blocks.emplace_back();
        else if (line.rfind("summary: ", 0) == 0) blocks.back() += line + "\n";
    }
    return blocks;
}

class SummaryOfEveryPanel : public ::testing::TestWithParam<Panel> {};

TEST_P(SummaryOfEveryPanel, NamesWhatAChangedControlShowsBeforeAnySave) {
    const Panel& p = GetParam();
    Dialog dialog;
    std::vector<std::string> pages = {""};
    if (!p.pages.empty()) {
        const zqtest::DialogResult tree = dialog.Run(p, p.before + "dump " + p.pages + "\n");
        ASSERT_EQ(tree.status, 0) << tree.err;
        pages.clear();
        for (size_t i = 0; i < Items(tree.err).size(); ++i)
            pages.push_back("select " + p.pages + " " + std::to_string(i) + "\n");
    }
    int tried = 0;
    for (const std::string& page : pages) {
        const zqtest::DialogResult tree = dialog.Run(p, p.before + page + "dump-tree\n");
        ASSERT_EQ(tree.status, 0) << tree.err;
        for (const Control& c : Controls(tree.err)) {
            if (c.ref == p.pages) continue;
            for (const std::string& value : c.changes) {
                // A change that opens a window is followed by its OK, else by its Cancel.
                for (const std::string& change : {value, value + "\nclick @\"OK\"", value + "\nclick @\"Cancel\""}) {
                    // The summary right after the change, then after a save.
                    const zqtest::DialogResult r =
                        dialog.Run(p, p.before + page + "save\nsummary\nconflicts\n" + change +
                                          "\nsummary\nconflicts\nsave\nsummary\nconflicts\n");
                    if (r.err.find("script ended inside") != std::string::npos) continue;
                    // A value refused is tried with the next one.
                    if (r.status != 0 || r.err.find("ignored: ") != std::string::npos) break;
                    SCOPED_TRACE(std::string(p.what) + ": " + change);
                    const auto blocks = Summaries(r.err);
                    ASSERT_EQ(blocks.size(), 4u) << r.err;
                    EXPECT_EQ(blocks[1], blocks[2]) << r.err;
                    ++tried;
                    break;
                }
            }
        }
    }
    // The sweep reached the panel's controls.
    EXPECT_GE(tried, p.changeable);
}

// What a person reads on the features panel's summary before printing is
// the finishing the job gets: through the sample script, and when the
// person left the panel for another one before asking.
TEST(SummaryOfTheFeaturesPanel, NamesTheFinishingThePrinterGets) {
    const Panel features{"features", SourcePPD("zq-ark-features.ppd"), "com.tavelle.r15.pde.PrintFeaturesKind", "", "",
                         0};
    struct Case {
        const char* what;
        std::string script;
        std::vector<std::string> lines;
    } cases[] = {
        {"the sample script", zqtest::Slurp(ZQ_SOURCE_DIR "/samples/ark-features.script") + "ppd\n",
         {"summary: Printer Features | Staple: Top Left", "summary: Printer Features | Punch: Left Edge",
          "summary: Printer Features | Punch Holes: 4 Holes", "summary: Printer Features | Trimmer: Single Cut",
          "ppd: ZQStaple=UpperLeftSingle", "ppd: ZQPunch=Left", "ppd: ZQNumPunchHoles=4Holes",
          "ppd: ZQTrimming=SingleCut"}},
        {"the panel left for another",
         "select 2 \"Advanced Features\"\nselect #ZQTrimming \"Single Cut\"\n"
         "panel com.tavelle.o.pellora.pde.JobAccount\nshow\nsummary\nticket\n",
         {"summary: Printer Features | Trimmer: Single Cut",
          "ticket: com.tavelle.qdm.printsettings.TrimmerSelectTicket=2"}},
    };
    Dialog dialog;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The sample script focuses and shows the panel itself.
        const zqtest::DialogResult r = dialog.Run(features, c.script);
        ASSERT_EQ(r.status, 0) << r.err;
        for (const std::string& line : c.lines) EXPECT_TRUE(r.has(line)) << line << "\n" << r.err;
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedBundles, SummaryOfEveryPanel, ::testing::ValuesIn(Panels()),
                         [](const ::testing::TestParamInfo<Panel>& info) {
                             return zqtest::TestNameOf(info.param.what);
                         });

}  // namespace
