// What the printer receives agrees with what the panel and its windows
// show: the marks of controls held at their default by another panel, the
// switch keys an earlier job left in the ticket, the trimmer's sheet when
// no booklet choice is marked, the single cut's inch default, and every
// number a stale or crafted ticket brings back into a window.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "features_dialog_fixture.h"
#include "features_fixture.h"

namespace zqfeat {
namespace {

using namespace zqfeat::test;

// The PPD's mark of an option after the script, "<none>" without one.
std::string Mark(const DialogRun& r, const std::string& option) {
    const std::string prefix = "ppd: " + option + "=";
    const size_t at = r.result.err.rfind(prefix);
    if (at == std::string::npos) return "<none>";
    const size_t from = at + prefix.size();
    return r.result.err.substr(from, r.result.err.find('\n', from) - from);
}

// The value of a job attribute the device gets ("@NAME=value"), "<none>"
// when the stream has no such line.
std::string DeviceAttr(const zqtest::JobResult& job, const std::string& name) {
    const std::string prefix = "@" + name + "=";
    const size_t at = job.out.find(prefix);
    if (at == std::string::npos) return "<none>";
    const size_t from = at + prefix.size();
    return job.out.substr(from, job.out.find('"', from) - from);
}

TEST_F(FeaturesDialog, ControlsHeldAtTheirDefaultMarkItWhateverThePanelOrder) {
    struct Case {
        const char* what;
        std::string state;  // the other panel's key
        const char* page;
        const char* option;
        std::string choose;  // the user's choice on the panel
        const char* chosen;  // its PPD choice
        const char* held;    // the PPD default
    } cases[] = {
        {"mailbox print", "set " NS "PrintTypeTicketKey 5", "General 1", "MediaType",
         "select #MediaType \"Tab Stock\"", "TabbedPaper1", "Stationary"},
        {"special pages", "set " NS "SpecialPageRecordCountTicket 2", "Layout", "ZQSignature",
         "select #ZQSignature Booklet", "LeftSig", "None"},
        {"special pages, a check box", "set " NS "SpecialPageRecordCountTicket 1", "Layout", "ZQSigDrawOutline",
         "click #ZQSigDrawOutline", "True", "False"},
        {"watermark", "set " NS "WMARKNameTicket 6472616674", "General 2", "ZQLineWeightAdjustment",
         "select #ZQLineWeightAdjustment Thicker", "Strongly1", "Normal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string choose = "show\nselect 2 \"" + std::string(c.page) + "\"\n" + c.choose + "\n";
        const std::string orders[] = {
            choose + "hide\n" + c.state + "\nshow\nprint\nppd\n",          // shown again after the state began
            choose + c.state + "\nprint\nppd\n",                          // never shown again
            "mark " + std::string(c.option) + " " + c.chosen + "\n" + c.state + "\nrestore\nprint\nppd\n",
            "mark " + std::string(c.option) + " " + c.chosen + "\n" + c.state + "\nrestore\nsave\nppd\n",
        };
        for (const std::string& order : orders) {
            DialogRun r = Dialog(order);
            ASSERT_EQ(r.result.status, 0) << r.result.err;
            EXPECT_EQ(Mark(r, c.option), c.held) << order << r.result.err;
            EXPECT_EQ(r.Ticket("featuresMediaTypeTabTicket"), "false") << order;
        }
        // When the state ends the control is the user's again.
        const std::string unset = "unset " + std::string(c.state).substr(4, std::string(c.state).rfind(' ') - 4);
        DialogRun after = Dialog(choose + "hide\n" + c.state + "\nshow\nsave\nhide\n" + unset + "\nshow\nselect 2 \"" +
                                 c.page + "\"\n" + c.choose + "\nprint\nppd\n");
        ASSERT_EQ(after.result.status, 0) << after.result.err;
        EXPECT_EQ(Mark(after, c.option), c.chosen) << after.result.err;
    }
    // A list with a key of its own says the default too: no offset stacking
    // reaches the device while special pages exist.
    DialogRun jog = Dialog("show\nselect 2 \"Advanced Features\"\nselect #ZQJog 2\nset " NS
                           "SpecialPageRecordCountTicket 1\nprint\nppd\n");
    ASSERT_EQ(jog.result.status, 0) << jog.result.err;
    EXPECT_EQ(Mark(jog, "ZQJog"), "None") << jog.result.err;
    EXPECT_EQ(jog.Ticket("OffsetStackingListTicket"), "1");
}

TEST_F(FeaturesDialog, SwitchKeysOfAnEarlierJobFollowWhatThePanelShows) {
    // The ticket still says "on"; the PPD (and so the panel) says off.
    struct Case {
        const char* what;
        std::string stale;
        const char* key;
        const char* off;
        const char* attr;       // the device's job attribute, when there is one
        const char* attrValue;  // what it must say
    } cases[] = {
        {"tab margin", "set " NS "TabMarginSwitchTicket 1\nset " NS "TabMarginMMShiftTicket 85",
         "TabMarginSwitchTicket", "0", "TABS", "<none>"},
        {"number in sequence", "set " NS "NumInSequenceSwitchTicket 1\nset " NS "NumInSequenceLArrowTicket 11",
         "NumInSequenceSwitchTicket", "0", "MDOC", "0"},
        {"separator pages", "set " NS "SeparatorPageListTicket 3\nset " NS "SeparatorPageTicket \"2 5\"",
         "SeparatorPageListTicket", "1", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* order : {"restore\nshow\nprint\n", "restore\nprint\n", "show\nsave\n"}) {
            DialogRun r = Dialog(c.stale + "\n" + order);
            ASSERT_EQ(r.result.status, 0) << r.result.err;
            EXPECT_EQ(r.Ticket(c.key), c.off) << order;
            const zqtest::JobResult job = ThroughTheArkFilter(r);
            ASSERT_EQ(job.status, 0) << job.err;
            if (c.attr != nullptr) {
                // "TABS=OFF" has no "=" of its own value: off is no shift.
                EXPECT_TRUE(DeviceAttr(job, c.attr) == c.attrValue || job.out.find(std::string("@") + c.attr + "=OFF") !=
                                                                          std::string::npos)
                    << order << job.out.substr(0, 1500);
            } else {
                EXPECT_EQ(job.out.find("SeparatorPages"), std::string::npos) << order;
            }
        }
    }
    // Switched on by the user, the key says so.
    DialogRun on = Dialog("set " NS "TabMarginSwitchTicket 0\nshow\nselect 2 \"Advanced Features\"\n"
                          "click #ZQTabMarginShiftEx\nprint\n");
    EXPECT_EQ(on.Ticket("TabMarginSwitchTicket"), "1") << on.result.err;
}

// The sample without its booklet option: a trimmer with nothing to say
// which sheet a booklet is folded from.
std::string WithoutBooklet(std::string ppd) {
    const size_t from = ppd.find("*OpenUI *ZQSignature/");
    const size_t to = ppd.find("*CloseUI: *ZQSignature\n");
    ppd.erase(from, to + std::string("*CloseUI: *ZQSignature\n").size() - from);
    return ppd;
}

TEST_F(FeaturesDialog, TrimmersTakeThePrintPaperWithoutABookletChoiceAndWriteNoSizeWithoutASheet) {
    const std::string open = "show\nselect 2 \"Advanced Features\"\n";
    // A4 printed as it is: a half edge of 148.5 mm, widths 128.5 to 146.5 mm.
    DialogRun single = Dialog(open + "select #ZQTrimming 1\nclick 112\ndump 8006\ndump 8003\nclick 8011\nprint\n",
                              WithoutBooklet(SamplePPD()));
    ASSERT_EQ(single.result.status, 0) << single.result.err;
    EXPECT_TRUE(single.Says("value=\"Finished width (128.5 - 146.5):\"")) << single.result.err;
    EXPECT_TRUE(single.Says("tag=8003 enabled hidden value=\"5.53\"")) << single.result.err;
    EXPECT_EQ(single.Ticket("TrimmerMMCuttingSizeTicket"), "1405");
    const zqtest::JobResult singleJob = ThroughTheArkFilter(single);
    EXPECT_EQ(DeviceAttr(singleJob, "TRMR"), "1405") << singleJob.out.substr(0, 1500);

    DialogRun three = Dialog(open + "select #ZQTrimming 2\nclick 112\ndump 9005\nclick 9028\nprint\n",
                             WithoutBooklet(SamplePPD()));
    ASSERT_EQ(three.result.status, 0) << three.result.err;
    EXPECT_TRUE(three.Says("value=\"Height (182.0 - 197.9):\"")) << three.result.err;
    const zqtest::JobResult threeJob = ThroughTheArkFilter(three);
    EXPECT_EQ(DeviceAttr(threeJob, "TRMR"), "1405") << threeJob.out.substr(0, 1500);
    EXPECT_EQ(DeviceAttr(threeJob, "TRFW"), "1979");
    EXPECT_EQ(DeviceAttr(threeJob, "TROP"), "0");

    // Booklet paper A3 on a PPD without that paper: no sheet is known, so no
    // size is written and an earlier job's is not left for the printer.
    std::string noSheet = Replace(SamplePPD(), "*DefaultZQSignature: None", "*DefaultZQSignature: LeftSig");
    noSheet = Replace(noSheet, "*DefaultZQSigSize: None", "*DefaultZQSigSize: A3");
    for (const char* line : {"*PageSize A3/A3: \"<</PageSize[842 1191]/ImagingBBox null>>setpagedevice\"\n",
                             "*PageRegion A3/A3: \"<</PageSize[842 1191]/ImagingBBox null>>setpagedevice\"\n",
                             "*ImageableArea A3/A3: \"12 12 829.89 1178.55\"\n", "*PaperDimension A3/A3: \"841.89 1190.55\"\n"})
        noSheet = Replace(noSheet, line, "");
    const std::string stale = "set " NS "TrimmerMMCuttingSizeTicket 2020\nset " NS "TrimmerHeightMMSizeTicket 2850\n";
    for (const char* item : {"1", "2"}) {
        SCOPED_TRACE(item);
        DialogRun r = Dialog(stale + open + "select #ZQTrimming " + item + "\nprint\n", noSheet);
        ASSERT_EQ(r.result.status, 0) << r.result.err;
        const zqtest::JobResult job = ThroughTheArkFilter(r);
        EXPECT_EQ(job.out.find("@TRMR="), std::string::npos) << job.out.substr(0, 1500);
        EXPECT_EQ(job.out.find("@TRFW=-"), std::string::npos) << job.out.substr(0, 1500);
        EXPECT_EQ(job.out.find("@TRFW=\""), std::string::npos) << job.out.substr(0, 1500);
    }
}

TEST_F(FeaturesDialog, SingleCutInchesOpenOnTheDefaultTheyComeBackTo) {
    // A4 booklets on A3: 202.0 mm is 7.95 in, at the first showing, after
    // Default and after a restore of what was printed.
    const std::string ppd = Replace(SamplePPD(), "*DefaultZQSignature: None", "*DefaultZQSignature: LeftSig");
    const std::string open = "show\nselect 2 \"Advanced Features\"\nselect #ZQTrimming 1\nclick 112\n";
    DialogRun first = Dialog(open + "dump 8003\nclick 8013\ndump 8003\nclick 8011\nprint\n", ppd);
    ASSERT_EQ(first.result.status, 0) << first.result.err;
    EXPECT_EQ(first.Count("tag=8003 enabled hidden value=\"7.95\""), 2u) << first.result.err;
    EXPECT_EQ(first.Ticket("TrimmerInchesShiftTicket"), "32");
    EXPECT_EQ(first.Ticket("TrimmerInchesTextEditTicket"), "32");
    EXPECT_EQ(first.Ticket("TrimmerMMCuttingSizeTicket"), "2020");

    std::string again;
    for (const char* key : {"TrimmerMMShiftTicket", "TrimmerInchesShiftTicket", "TrimmerMMRadioTicket",
                            "TrimmerInchesRadioTicket"})
        again += "set " NS + std::string(key) + " " + first.Ticket(key) + "\n";
    DialogRun second = Dialog(again + "restore\n" + open + "dump 8003\nclick 8005\nclick 8011\nprint\n", ppd);
    ASSERT_EQ(second.result.status, 0) << second.result.err;
    EXPECT_TRUE(second.Says("tag=8003 enabled hidden value=\"7.95\"")) << second.result.err;
    // Committed in inches, the default still gives 8.0 mm.
    EXPECT_EQ(second.Ticket("TrimmerMMCuttingSizeTicket"), "2020");
}

// Every number a window restores from a ticket, and the range of what it
// may write: bounded before anything is computed with it, and written as
// the window shows it (run in the sanitizer build, an overflow fails it).
TEST_F(FeaturesDialog, WindowsBoundEveryRestoredNumberAndWriteItWithinTheirRange) {
    struct Key {
        const char* name;
        int low, high;
    };
    // A4 printed as it is (no booklet): the single cut's trims, the three
    // edges' finished sizes on 297 x 210 mm.
    const Key single[] = {
        {"NumInSequenceLArrowTicket", 1, 254},  {"OffsetStackingPagesLArrowTicket", 2, 65000},
        {"OffsetStackingUnitsLArrowTicket", 2, 9999}, {"TabMarginMMShiftTicket", 0, 150},
        {"TabMarginInchesShiftTicket", 0, 59},   {"BookletMarginMMShiftTicket", 0, 50},
        {"BookletMarginInchesShiftTicket", 0, 10}, {"TrimmerMMShiftTicket", 20, 200},
        {"TrimmerInchesShiftTicket", 8, 79},     {"TrimmerMMCuttingSizeTicket", 1285, 1465},
    };
    const Key three[] = {
        {"TrimmerHeightMMSizeTicket", 1820, 1979}, {"TrimmerWidthMMSizeTicket", 1285, 1465},
        {"TrimmerAdjustMMSizeTicket", -20, 20},    {"TrimmerHeightInchesShiftTicket", 47, 109},
        {"TrimmerWidthInchesShiftTicket", 8, 79},  {"TrimmerAdjustInchesShiftTicket", -8, 8},
    };
    const std::vector<std::string> bad = {std::to_string(INT_MIN), std::to_string(INT_MAX), "-99999999999999999999",
                                          "99999999999999999999", "abc", "12abc", "", "-"};
    auto sweep = [&](const Key* keys, size_t n, const std::string& marks, const std::string& windows, const char* row) {
        for (const std::string& value : bad) {
            SCOPED_TRACE("value \"" + value + "\"");
            std::string script = marks;
            for (size_t i = 0; i < n; ++i) script += "set " NS + std::string(keys[i].name) + " \"" + value + "\"\n";
            for (const char* text : {"TrimmerMMTextEditTicket", "TrimmerInchesTextEditTicket",
                                     "TrimmerHeightMMTextEditTicket", "TrimmerAdjustInchesTextEditTicket"})
                script += "set " NS + std::string(text) + " \"" + value + "\"\n";
            // Restored, shown in the panel and in the windows, printed.
            DialogRun r = Dialog(script + "restore\nshow\n" + windows + "print\n");
            ASSERT_EQ(r.result.status, 0) << r.result.err;
            for (size_t i = 0; i < n; ++i) {
                const std::string written = r.Ticket(keys[i].name);
                const long v = std::strtol(written.c_str(), nullptr, 10);
                EXPECT_TRUE(std::to_string(v) == written && v >= keys[i].low && v <= keys[i].high)
                    << keys[i].name << "=" << written;
            }
            const zqtest::JobResult job = ThroughTheArkFilter(r);
            ASSERT_EQ(job.status, 0) << job.err;
            EXPECT_NE(DeviceAttr(job, row), "<none>") << row;
            for (const char* attr : {"TABS", "MDOC", "OCSN", "TRMR", "TRFW", "TROP"}) {
                const std::string device = DeviceAttr(job, attr);
                if (device == "<none>") continue;
                const long v = std::strtol(device.c_str(), nullptr, 10);
                EXPECT_EQ(std::to_string(v), device) << attr;
            }
        }
    };
    const std::string on = "mark ZQTabMarginShiftEx True\nmark ZQTabNumberInSequence True\nmark ZQJog Pages\n"
                           "set " NS "TabMarginSwitchTicket 1\nset " NS "NumInSequenceSwitchTicket 1\n"
                           "set " NS "OffsetStackingListTicket 4\n";
    const std::string advanced = "select 2 \"Advanced Features\"\n";
    sweep(single, std::size(single), on + "mark ZQTrimming SingleCut\n",
          advanced + "click 111\nclick 616\nclick 101\nclick 218\nclick 112\nclick 8012\n", "TRMR");
    sweep(three, std::size(three), on + "mark ZQTrimming TopAndBottom\n", advanced + "click 112\nclick 9029\n",
          "TRFW");
}

}  // namespace
}  // namespace zqfeat
