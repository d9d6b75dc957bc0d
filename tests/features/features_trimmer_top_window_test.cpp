// The three-edge trimmer window: its unit conversions at the limits and one
// step beyond, worked out by hand from the rules (25.4 and 2.54 in single
// precision, ties to even, v + 0.5 truncated), and the window in
// printdialog: opened from the trimmer list's third item, its own keys,
// trims that survive a change of sheet, refused values, the summary, and
// the sizes reaching the device through the ARK filter.
#include <gtest/gtest.h>

#include <sstream>

#include "editions/ark/ark_profile.h"
#include "features_dialog_fixture.h"
#include "filter_harness.h"
#include "features_trimmer_top_window.h"

namespace zqfeat {
namespace {

using namespace zqfeat::test;

// An A4 booklet cut from A3: long edge 1190.5 pt, short edge 842 pt. The
// bases are 297.0 mm / 11.69 in (height) and 210.0 mm / 8.27 in (width).
constexpr double kA3Long = 1190.5, kA3Short = 842.0;

TEST(TrimmerTopLowerValues, UnitsConvertAtTheLimitsAndOneStepBeyond) {
    const TopLowerLimits l = TopLowerLimitsOfEdges(kA3Long, kA3Short);
    const int32_t smm = TrimmerShortEdgeMM(kA3Short), sin = TrimmerShortEdgeInches(kA3Short);
    const int32_t hmm = TrimmerHalfEdgeMM(kA3Long), hin = TrimmerHalfEdgeInches(kA3Long);
    ASSERT_EQ(smm, 2970);
    ASSERT_EQ(sin, 1169);
    ASSERT_EQ(hmm, 2100);
    ASSERT_EQ(hin, 827);
    const auto H = TrimmerKind::kHeight, W = TrimmerKind::kWidth, A = TrimmerKind::kAdjust;
    auto limitsOf = [&](TrimmerKind k) { return k == H ? l.height : k == W ? l.width : l.adjust; };
    auto mmBase = [&](TrimmerKind k) { return k == H ? smm : k == W ? hmm : 0; };
    auto inBase = [&](TrimmerKind k) { return k == H ? sin : k == W ? hin : 0; };

    // Typed inches -> the hidden millimetre field (tenths).
    struct ToMM {
        TrimmerKind kind;
        double inches;
        int32_t mm;
    };
    for (const ToMM& c : {
             ToMM{H, 11.22, 2850},  // the maximum
             ToMM{H, 11.23, 2850},  // 2852 limited
             ToMM{H, 9.73, 2470},   // converts to 2471, but sits on the inch minimum
             ToMM{H, 9.72, 2470},   // 2469 limited
             ToMM{W, 7.96, 2020},   // on the inch default (8.27 - 0.31): the millimetre default, not 2022
             ToMM{W, 7.95, 2019},
             ToMM{W, 7.90, 2007},
             ToMM{W, 7.75, 1969},   // 1968.49997 in double, 1968.5 in single precision
             ToMM{W, 8.19, 2080},
             ToMM{W, 8.20, 2080},   // 2083 limited
             ToMM{W, 7.48, 1900},
             ToMM{W, 7.47, 1900},   // 1897 limited
             ToMM{A, 0.05, 13},
             ToMM{A, -0.05, -13},   // by its magnitude: truncating -12.7 + 0.5 would give -12
             ToMM{A, 0.08, 20},
             ToMM{A, 0.09, 20},     // 23 limited
             ToMM{A, -0.09, -20},
         })
        EXPECT_EQ(TopLowerHiddenMM(c.kind, c.inches, limitsOf(c.kind), mmBase(c.kind), inBase(c.kind)), c.mm)
            << static_cast<int>(c.kind) << " " << c.inches;

    // Typed millimetres -> the hidden inch field (hundredths).
    struct ToInches {
        TrimmerKind kind;
        double mm;
        int32_t inches;
    };
    for (const ToInches& c : {
             ToInches{H, 285.0, 1122},
             ToInches{H, 285.1, 1122},
             ToInches{H, 247.0, 973},  // converts to 972, but sits on the millimetre minimum
             ToInches{H, 246.9, 973},  // 972 limited
             ToInches{H, 250.0, 984},
             ToInches{W, 202.0, 795},
             ToInches{W, 208.0, 819},
             ToInches{W, 208.1, 819},
             ToInches{W, 190.0, 748},
             ToInches{A, -1.3, -5},
             ToInches{A, -2.0, -8},
             ToInches{A, 1.9, 7},
             ToInches{A, 2.1, 8},      // 8.27 limited
         })
        EXPECT_EQ(TopLowerHiddenInches(c.mm, limitsOf(c.kind)), c.inches) << static_cast<int>(c.kind) << " " << c.mm;

    // A millimetre trim stepped on the millimetre side, as the inch side takes it.
    for (const auto& [mm, in] : {std::pair{80, 31}, {93, 37}, {120, 47}, {470, 185}, {-15, -6}, {-20, -8}})
        EXPECT_EQ(TopLowerInchTrimOfMMTrim(mm), in) << mm;

    // What the window shows by default: the inch side the millimetre default
    // converted, not the inch table's own default trim.
    EXPECT_EQ(TopLowerDefaultShownMM(H, smm), 2850);
    EXPECT_EQ(TopLowerDefaultShownMM(W, hmm), 2020);
    EXPECT_EQ(TopLowerDefaultShownMM(A, 0), 0);
    EXPECT_EQ(TopLowerDefaultShownInches(W, hmm), 795);
    EXPECT_EQ(TopLowerDefaultShownInches(H, smm), 1122);
    EXPECT_EQ(TopLowerDefaultShownInches(A, 0), 0);
}

TEST(TrimmerTopLowerValues, TypedTextsAreReadWithTiesToEven) {
    struct Case {
        const char* text;
        int32_t scale;
        bool negative;
        std::optional<int32_t> value;
    };
    for (const Case& c : {
             Case{"285.0", 10, false, 2850},
             Case{"7.", 10, false, 70},
             Case{"0.125", 100, false, 12},  // 12.5: ties to even
             Case{"0.375", 100, false, 38},  // 37.5: ties to even
             Case{"-2.0", 10, true, -20},
             Case{"-2.0", 10, false, std::nullopt},
             Case{"2-0", 10, true, std::nullopt},
             Case{"--2", 10, true, std::nullopt},
             Case{"7.5.1", 100, false, std::nullopt},
             Case{".75", 100, false, std::nullopt},
             Case{"-.5", 10, true, std::nullopt},
             Case{"", 10, false, std::nullopt},
             Case{"-", 10, true, std::nullopt},
             Case{"1e3", 10, false, std::nullopt},
             Case{"99999999999", 10, false, std::nullopt},
         })
        EXPECT_EQ(TopLowerTypedValue(c.text, c.scale, c.negative), c.value) << c.text;
}

// ---- the window in printdialog -------------------------------------------------

// Booklets on the print paper's double: ZQSignature on, booklet paper "None",
// so A4 paper gives the A3 sheet above. Without a booklet paper option the
// print paper is the sheet itself.
std::string BookletPPD(const std::string& pageSize = "A4", bool bookletPaper = true) {
    std::string ppd = SamplePPD();
    auto replace = [&](const std::string& from, const std::string& to) {
        const size_t at = ppd.find(from);
        if (at != std::string::npos) ppd.replace(at, from.size(), to);
    };
    replace("*DefaultZQSignature: None", "*DefaultZQSignature: LeftSig");
    replace("*DefaultPageSize: A4", "*DefaultPageSize: " + pageSize);
    // The sample offers booklet paper ("None" by default); without it the
    // sheet is the print paper itself.
    if (!bookletPaper) {
        const size_t from = ppd.find("*OpenUI *ZQSigSize");
        const size_t to = ppd.find("*CloseUI: *ZQSigSize\n");
        if (from != std::string::npos && to != std::string::npos)
            ppd.erase(from, to + std::string("*CloseUI: *ZQSigSize\n").size() - from);
    }
    return ppd;
}

const std::string kOpen = "show\nselect 2 \"Advanced Features\"\nselect #ZQTrimming 2\nclick 112\n";

TEST_F(FeaturesDialog, ThreeEdgeTrimmerWritesItsOwnKeysAndKeepsCancelledValues) {
    DialogRun r = Dialog(kOpen +
                             "dump 9005\ndump 9007\ndump 9017\ndump 9013\n"
                             // One step beyond the height maximum: refused, the window stays.
                             "type 9007 285.1\nclick 9028\ndump 9007\n"
                             // A 2.0 mm adjustment makes the top cut of a 250.0 mm height 25.5 mm.
                             "type 9007 250.0\ntype 9025 2.0\nclick 9028\n"
                             "type 9025 -1.5\nstep 9018 up\nclick 9028\n"
                             "click 112\ndump 9021\ntype 9007 260.0\nclick 9029\nprint\nsummary\n",
                         BookletPPD());
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=9005 enabled value=\"Height (247.0 - 285.0):\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=9007 enabled value=\"285.0\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=9017 enabled value=\"202.0\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=9013 enabled hidden value=\"7.95\"")) << r.result.err;
    EXPECT_TRUE(r.Says("Enter a value from 247.0 to 285.0.")) << r.result.err;
    EXPECT_TRUE(r.Says("\"Message67\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=9007 enabled value=\"285.1\"")) << r.result.err;
    // The inch adjustment follows the millimetre one with its sign.
    EXPECT_TRUE(r.Says("tag=9021 enabled hidden value=\"-0.06\"")) << r.result.err;
    EXPECT_EQ(r.Count("modal: close"), 2u) << r.result.err;

    EXPECT_EQ(r.Ticket("TrimmerHeightMMSizeTicket"), "2500");
    EXPECT_EQ(r.Ticket("TrimmerWidthMMSizeTicket"), "2021");
    EXPECT_EQ(r.Ticket("TrimmerAdjustMMSizeTicket"), "-15");
    EXPECT_EQ(r.Ticket("TrimmerHeightMMTextEditTicket"), "470");
    EXPECT_EQ(r.Ticket("TrimmerHeightInchesTextEditTicket"), "185");
    EXPECT_EQ(r.Ticket("TrimmerWidthInchesShiftTicket"), "31");
    EXPECT_EQ(r.Ticket("TrimmerTopLowerMMRadioTicket"), "1");
    // The single-cut window's keys are its own: they keep its defaults.
    const std::pair<const char*, const char*> singleCut[] = {
        {"TrimmerMMShiftTicket", "80"},    {"TrimmerMMCuttingSizeTicket", "2020"}, {"TrimmerInchesShiftTicket", "32"},
        {"TrimmerMMTextEditTicket", "80"}, {"TrimmerInchesTextEditTicket", "32"},  {"TrimmerMMRadioTicket", "1"}};
    for (const auto& [key, value] : singleCut) EXPECT_EQ(r.Ticket(key), value) << key;
    EXPECT_TRUE(r.Says("| Trimmer Height: 250.0 mm")) << r.result.err;
    EXPECT_TRUE(r.Says("| Trimmer Width: 202.1 mm")) << r.result.err;
    EXPECT_TRUE(r.Says("| Trimmer Adjustment: -1.5 mm")) << r.result.err;
}

TEST_F(FeaturesDialog, ThreeEdgeTrimmerInInchesWritesTheMillimetresOfTheInchValues) {
    DialogRun r = Dialog(kOpen + "click 9009\ntype 9013 7.90\ntype 9003 10.00\ntype 9021 -0.05\ndump 9007\n"
                                 "click 9028\nprint\nppd\nsummary\n",
                         BookletPPD());
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=9007 enabled hidden value=\"254.0\"")) << r.result.err;
    EXPECT_EQ(r.Ticket("TrimmerWidthMMSizeTicket"), "2007");
    EXPECT_EQ(r.Ticket("TrimmerHeightMMSizeTicket"), "2540");
    EXPECT_EQ(r.Ticket("TrimmerAdjustMMSizeTicket"), "-13");
    EXPECT_EQ(r.Ticket("TrimmerWidthInchesTextEditTicket"), "37");
    EXPECT_EQ(r.Ticket("TrimmerTopLowerInchesRadioTicket"), "1");
    EXPECT_TRUE(r.Says("| Trimmer Width: 7.90 inch")) << r.result.err;
    EXPECT_TRUE(r.Says("| Trimmer Adjustment: -0.05 inch")) << r.result.err;

    // The filter takes the sizes as the ticket carries them.
    const zqtest::JobResult out = ThroughTheArkFilter(r);
    ASSERT_EQ(out.status, 0) << out.err;
    for (const char* text : {"@TRMR=2007", "@TRFW=2540", "@TROP=-13"})
        EXPECT_NE(out.out.find(text), std::string::npos) << text << "\n" << out.out.substr(0, 2000);

    // Inches left at their default give the millimetre default, 8.0 mm.
    DialogRun unchanged = Dialog(kOpen + "click 9009\nclick 9028\nprint\n", BookletPPD());
    ASSERT_EQ(unchanged.result.status, 0) << unchanged.result.err;
    EXPECT_EQ(unchanged.Ticket("TrimmerWidthMMSizeTicket"), "2020");
    EXPECT_EQ(unchanged.Ticket("TrimmerHeightMMSizeTicket"), "2850");
}

TEST_F(FeaturesDialog, ThreeEdgeTrimmerRestoresTrimsOnTheCurrentSheet) {
    // The sizes are finished values on the sheet: the trims come back from
    // them and the current sheet, and a value the sheet cannot take comes
    // back at its nearer limit, as the window shows it. On A5 paper (a
    // 297.0 x 210.0 mm sheet) the height range ends at 198.0 mm.
    auto restore = [](int height, int width) {
        return "set " NS "TrimmerHeightMMSizeTicket " + std::to_string(height) + "\nset " NS
               "TrimmerWidthMMSizeTicket " + std::to_string(width) + "\nset " NS
               "TrimmerAdjustMMSizeTicket -15\nrestore\n";
    };
    DialogRun a5 = Dialog(restore(2500, 1406) + "show\nselect 2 \"Advanced Features\"\nselect #ZQTrimming 2\nunset " NS
                                                "TrimmerHeightMMSizeTicket\nclick 112\ndump 9017\nclick 9029\nprint\n",
                          BookletPPD("A5"));
    ASSERT_EQ(a5.result.status, 0) << a5.result.err;
    EXPECT_TRUE(a5.Says("tag=9017 enabled value=\"140.6\"")) << a5.result.err;
    EXPECT_EQ(a5.Ticket("TrimmerWidthMMSizeTicket"), "1406");
    EXPECT_EQ(a5.Ticket("TrimmerAdjustMMSizeTicket"), "-15");
    EXPECT_EQ(a5.Ticket("TrimmerHeightMMSizeTicket"), "1980");

    DialogRun a4 = Dialog(restore(2500, 2021) + kOpen + "dump 9007\ndump 9017\ndump 9025\nclick 9029\n", BookletPPD());
    ASSERT_EQ(a4.result.status, 0) << a4.result.err;
    EXPECT_TRUE(a4.Says("tag=9007 enabled value=\"250.0\"")) << a4.result.err;
    EXPECT_TRUE(a4.Says("tag=9017 enabled value=\"202.1\"")) << a4.result.err;
    EXPECT_TRUE(a4.Says("tag=9025 enabled value=\"-1.5\"")) << a4.result.err;

    // With the list on the single cut, the three-edge sizes are not written.
    DialogRun single = Dialog("show\nselect 2 \"Advanced Features\"\nselect #ZQTrimming 1\nprint\n", BookletPPD());
    ASSERT_EQ(single.result.status, 0) << single.result.err;
    EXPECT_EQ(single.Ticket("TrimmerSelectTicket"), "2");
    for (const char* key : {"TrimmerHeightMMSizeTicket", "TrimmerWidthMMSizeTicket", "TrimmerAdjustMMSizeTicket"})
        EXPECT_EQ(single.Ticket(key), "<none>") << key;
}

TEST_F(FeaturesDialog, ThreeEdgeTrimmerRefusesEverythingOnASheetTooSmall) {
    // A5 itself: a short edge of 148.2 mm, too small for any three-edge cut.
    DialogRun r = Dialog(kOpen + "dump 9017\nclick 9028\ndump 9017\nclick 9029\n", BookletPPD("A5", false));
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=9017 enabled value=\"97.0\"")) << r.result.err;
    EXPECT_EQ(r.Count("\"Message66\""), 1u) << r.result.err;
    EXPECT_TRUE(r.Says("The sheet is too small for the three-edge trimmer.")) << r.result.err;
    EXPECT_EQ(r.Count("modal: close"), 1u) << r.result.err;
}

}  // namespace
}  // namespace zqfeat
