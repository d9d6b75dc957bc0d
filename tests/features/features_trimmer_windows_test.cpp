// The single-cut trimmer window in printdialog: an A4 booklet cut from an
// A3 sheet (half edge 210.0 mm / 8.27 in, finished width 190.0-208.0 mm or
// 7.48-8.19 in), typed and stepped in both units, committed or cancelled,
// restored from its own keys; and the texts it reads and shows.
#include <gtest/gtest.h>

#include "features_dialog_fixture.h"
#include "features_trimmer_windows.h"

namespace zqfeat {
namespace {

using namespace zqfeat::test;

// Booklet on, booklet paper "None" (the sample's default): the A4 print
// paper maps to an A3 sheet.
std::string BookletPPD(bool booleanTrimmer = false) {
    std::string ppd = Replace(SamplePPD(), "*DefaultZQSignature: None", "*DefaultZQSignature: LeftSig");
    if (booleanTrimmer)
        ppd = Replace(ppd,
                      "*ZQTrimming/Trimmer: PickOne\n*OrderDependency: 80 AnySetup *ZQTrimming\n"
                      "*DefaultZQTrimming: None\n*ZQTrimming None/Off: \"\"\n*ZQTrimming SingleCut/Single Cut: \"\"\n"
                      "*ZQTrimming TopAndBottom/Three Edges: \"\"\n",
                      "*ZQTrimming/Trimmer: Boolean\n*OrderDependency: 80 AnySetup *ZQTrimming\n"
                      "*DefaultZQTrimming: False\n*ZQTrimming False/Off: \"\"\n*ZQTrimming True/On: \"\"\n");
    return ppd;
}

const std::string kOpen = "show\nselect 2 \"Advanced Features\"\nselect #ZQTrimming 1\nclick 112\n";

TEST_F(FeaturesDialog, TrimmerWindowKeepsBothUnitsInStep) {
    DialogRun r = Dialog(kOpen + "dump 8006\ndump 8008\ndump 8009\n"
                         // Stepped in millimetres, the hidden inch field follows.
                         "type 8008 205\nstep 8009 up\ndump 8003\n"
                         "click 8005\ndump 8001\ndump 8008\ntype 8003 7.90\ndump 8008\ndump 8009\n"
                         "click 8013\ndump 8003\nclick 8005\ntype 8003 7.90\nclick 8011\nprint\n",
                         BookletPPD());
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=8006 enabled value=\"Finished width (190.0 - 208.0):\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=8008 enabled value=\"202.0\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=8009 enabled value=2020 range=1900..2080")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=8003 enabled hidden value=\"8.07\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=8001 enabled value=\"Finished width (7.48 - 8.19):\"")) << r.result.err;
    // 7.90 in is 200.7 mm: the millimetre side keeps a trim of 9.3 mm.
    EXPECT_TRUE(r.Says("tag=8008 enabled hidden value=\"200.7\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=8009 enabled hidden value=2007")) << r.result.err;
    // Default: millimetres again, and the inch default is the millimetre
    // default converted.
    EXPECT_TRUE(r.Says("tag=8003 enabled hidden value=\"7.95\"")) << r.result.err;
    EXPECT_EQ(r.Ticket("TrimmerMMShiftTicket"), "93");
    EXPECT_EQ(r.Ticket("TrimmerMMCuttingSizeTicket"), "2007");
    EXPECT_EQ(r.Ticket("TrimmerMMTextEditTicket"), "93");
    EXPECT_EQ(r.Ticket("TrimmerInchesTextEditTicket"), "37");
    EXPECT_EQ(r.Ticket("TrimmerInchesShiftTicket"), "37");
    EXPECT_EQ(r.Ticket("TrimmerInchesRadioTicket"), "1");
    EXPECT_EQ(r.Ticket("TrimmerMMRadioTicket"), "0");
    EXPECT_EQ(r.Ticket("TrimmerSelectTicket"), "2");
}

// What the job filter reads for a width typed in inches (trim, cutting
// size in tenths of a millimetre), worked out from the window's formulas.
TEST_F(FeaturesDialog, TrimmerInchWidthsReachTheMillimetreTicket) {
    struct Case {
        const char* typed;  // nullptr: the inch width left as it opened
        const char* trim;
        const char* cutting;
    } cases[] = {
        {nullptr, "80", "2020"},  // the inch default stands for 8.0 mm, not 7.9
        {"7.95", "80", "2020"},
        {"7.96", "78", "2022"},
        {"7.90", "93", "2007"},
        {"7.75", "131", "1969"},   // 1968.5 rounds up
        {"7.48", "200", "1900"},   // the limits map onto each other
        {"8.19", "20", "2080"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed != nullptr ? c.typed : "default");
        const std::string type = c.typed != nullptr ? std::string("type 8003 ") + c.typed + "\n" : "";
        DialogRun r = Dialog(kOpen + "click 8005\n" + type + "click 8011\nprint\n", BookletPPD());
        ASSERT_EQ(r.result.status, 0) << r.result.err;
        EXPECT_EQ(r.Ticket("TrimmerMMShiftTicket"), c.trim);
        EXPECT_EQ(r.Ticket("TrimmerMMCuttingSizeTicket"), c.cutting);
    }
}

TEST_F(FeaturesDialog, TrimmerWindowRefusesBadWidthsAndCancelKeepsTheValues) {
    // Beyond the limits, a leading point, two points: the alert with the
    // range, and the window stays open until Cancel.
    DialogRun r = Dialog(kOpen + "type 8008 208.1\nclick 8011\ntype 8008 189.9\nclick 8011\ntype 8008 .5\n"
                         "click 8011\ntype 8008 20.5.\nclick 8011\nclick 8005\ndump 8003\n"
                         "type 8008 195\nstep 8009 up\nclick 8005\ntype 8003 8.2\nclick 8011\nclick 8012\n"
                         "print\nclick 112\ndump 8008\ndump 8010\nclick 8012\n",
                         BookletPPD());
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r.Count("Enter a value from 190.0 to 208.0."), 5u) << r.result.err;
    EXPECT_EQ(r.Count("Enter a value from 7.48 to 8.19."), 1u) << r.result.err;
    EXPECT_EQ(r.Count("\"Message51\""), 6u) << r.result.err;
    EXPECT_EQ(r.Count("modal: close Trimmer"), 2u) << r.result.err;
    // A bad millimetre width keeps the unit from switching.
    EXPECT_TRUE(r.Says("tag=8003 enabled hidden")) << r.result.err;
    // Cancel: stepping and switching committed nothing.
    EXPECT_EQ(r.Ticket("TrimmerMMShiftTicket"), "80");
    EXPECT_EQ(r.Ticket("TrimmerMMCuttingSizeTicket"), "2020");
    EXPECT_EQ(r.Ticket("TrimmerInchesShiftTicket"), "32");  // 7.95 in, the same width as 202.0 mm
    EXPECT_EQ(r.Ticket("TrimmerMMRadioTicket"), "1");
    EXPECT_TRUE(r.Says("tag=8008 enabled value=\"202.0\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=8010 enabled title=\"Millimeters\" state=1")) << r.result.err;
}

// The device gets the cutting size as the ticket carries it (tenths of a
// millimetre, no conversion of the filter's own).
TEST_F(FeaturesDialog, TrimmerWidthReachesTheDeviceThroughTheArkFilter) {
    DialogRun r = Dialog(kOpen + "click 8005\ntype 8003 7.90\nclick 8011\nprint\nppd\n", BookletPPD());
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    const zqtest::JobResult out = ThroughTheArkFilter(r);
    ASSERT_EQ(out.status, 0) << out.err;
    EXPECT_NE(out.out.find("@PJL SET JOBATTR=\"@TRMR=2007\""), std::string::npos) << out.out.substr(0, 2000);
}

// The sheet is read at every opening: an A5 print paper is cut from A4.
TEST_F(FeaturesDialog, TrimmerWindowFollowsThePrintPaper) {
    DialogRun r = Dialog(kOpen + "click 8012\nmark PageSize A5\nclick 112\ndump 8006\ndump 8008\nclick 8011\nprint\n",
                         BookletPPD());
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=8006 enabled value=\"Finished width (128.5 - 146.5):\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=8008 enabled value=\"140.5\"")) << r.result.err;
    EXPECT_EQ(r.Ticket("TrimmerMMShiftTicket"), "80");
    EXPECT_EQ(r.Ticket("TrimmerMMCuttingSizeTicket"), "1405");
}

TEST_F(FeaturesDialog, TrimmerWindowComesBackFromItsOwnKeys) {
    DialogRun r = Dialog("set " NS "TrimmerMMShiftTicket 93\nset " NS "TrimmerInchesRadioTicket 1\nset " NS
                         "TrimmerMMRadioTicket 0\nrestore\n" +
                             kOpen + "dump 8003\ndump 8008\nclick 8012\n",
                         BookletPPD());
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=8003 enabled value=\"7.90\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=8008 enabled hidden value=\"200.7\"")) << r.result.err;
}

TEST_F(FeaturesDialog, TrimmerSetupButtonOpensTheWindowOfTheTrimmerChoice) {
    // The list: Off opens nothing, Three Edges the three-edge window.
    DialogRun list = Dialog("show\nselect 2 \"Advanced Features\"\nclick 112\nselect #ZQTrimming 2\nclick 112\n"
                            "dump 9007\nclick 9029\nselect #ZQTrimming 1\nclick 112\ndump 8008\nclick 8012\n",
                            BookletPPD());
    ASSERT_EQ(list.result.status, 0) << list.result.err;
    EXPECT_EQ(list.Count("modal: open Trimmer"), 2u) << list.result.err;
    EXPECT_TRUE(list.Says("dump: TextField tag=9007")) << list.result.err;
    EXPECT_TRUE(list.Says("dump: TextField tag=8008")) << list.result.err;

    // The switch: the window opens; its width is summarised while the
    // switch is on, and its keys are written whatever the switch says.
    DialogRun sw = Dialog("show\nselect 2 \"Advanced Features\"\nclick #ZQTrimming\nclick 112\ntype 8008 200.7\n"
                          "click 8011\nprint\nsummary\nclick 112\nclick 8005\nclick 8011\nprint\nsummary\n"
                          "click #ZQTrimming\nprint\nsummary\n",
                          BookletPPD(true));
    ASSERT_EQ(sw.result.status, 0) << sw.result.err;
    EXPECT_TRUE(sw.Says("| Trimmer Finished Width: 200.7 mm")) << sw.result.err;
    EXPECT_TRUE(sw.Says("| Trimmer Finished Width: 7.90 inch")) << sw.result.err;
    EXPECT_EQ(sw.Count("| Trimmer Finished Width:"), 2u) << sw.result.err;
    EXPECT_EQ(sw.Ticket("TrimmerMMCuttingSizeTicket"), "2007");
}

TEST(TrimmerTexts, TypedWidthsAreReadInTheFieldsUnit) {
    struct Case {
        TrimmerUnit unit;
        const char* text;
        bool wellFormed;
        int32_t value;
    } cases[] = {
        {TrimmerUnit::kMillimetre, "202", true, 2020},
        {TrimmerUnit::kMillimetre, "202.05", true, 2020},  // ties to even
        {TrimmerUnit::kMillimetre, "202.15", true, 2022},
        {TrimmerUnit::kInch, "7.5", true, 750},
        {TrimmerUnit::kInch, "7.", true, 700},
        {TrimmerUnit::kInch, ".75", false, 0},
        {TrimmerUnit::kInch, "7.5.1", false, 0},
        {TrimmerUnit::kInch, "-7.5", false, 0},
        {TrimmerUnit::kInch, "7,5", false, 0},
        {TrimmerUnit::kInch, "", false, 0},
        // Too wide for any sheet: refused rather than overflowing.
        {TrimmerUnit::kMillimetre, "99999999999", false, 0},
    };
    for (const Case& c : cases) {
        int32_t v = 0;
        EXPECT_EQ(TrimmerTextValue(c.unit, c.text, &v), c.wellFormed) << c.text;
        if (c.wellFormed) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
    EXPECT_TRUE(IsTrimmerTextValid(TrimmerUnit::kInch, "7.48", 748, 819));
    EXPECT_FALSE(IsTrimmerTextValid(TrimmerUnit::kInch, "7.47", 748, 819));
    EXPECT_TRUE(IsTrimmerTextValid(TrimmerUnit::kInch, "8.19", 748, 819));
    EXPECT_FALSE(IsTrimmerTextValid(TrimmerUnit::kInch, "8.2", 748, 819));
}

TEST(TrimmerTexts, AlertTextsTakeTheLimitsWithoutBeingFormats) {
    EXPECT_EQ(FillTrimmerPlaceholders("From %@ to %@.", {"190.0", "208.0"}), "From 190.0 to 208.0.");
    EXPECT_EQ(FillTrimmerPlaceholders("De %5.1lf a %s (100%%)", {"7.48", "8.19"}), "De 7.48 a 8.19 (100%)");
    // A translation with more placeholders than values, or stray ones,
    // shows them as they are and reads nothing.
    EXPECT_EQ(FillTrimmerPlaceholders("%@ %@ %@ %n 5%", {"a", "b"}), "a b %@ %n 5%");
    EXPECT_EQ(TrimmerLimitText(TrimmerUnit::kMillimetre, 1900), "190.0");
    EXPECT_EQ(TrimmerLimitText(TrimmerUnit::kInch, 748), "7.48");
}

}  // namespace
}  // namespace zqfeat
