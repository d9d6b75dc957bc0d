// The colour balance and image adjustment windows of the built bundles:
// densities typed and stepped, the gradient view's cells, OK and Cancel, and
// the PPD marks they leave.
#include <gtest/gtest.h>

#include <string>

#include "image_dialog.h"

namespace zqimg {
namespace {

using test::DialogRun;
using test::InvalidateColorProfileOnly;
using test::SamplePPD;

class ColorBalanceWindow : public test::ImageDialog {};

// Pixel probes in the middle of cell `row` (0 at the bottom) of column
// `column` (0 low, 1 mid, 2 high) of the gradient view.
std::string Probe(int column, int row) {
    const int x[] = {31, 137, 243};
    return "pixel 3000 " + std::to_string(x[column]) + " " + std::to_string(13 + 21 * row) + "\n";
}
std::string Pixel(int column, int row, const std::string& rgb) {
    const int x[] = {31, 137, 243};
    return "pixel: 3000 " + std::to_string(x[column]) + " " + std::to_string(13 + 21 * row) + " = " + rgb + " 255";
}

TEST_F(ColorBalanceWindow, GradientColumnsShowTheDensitiesOfTheTargetColour) {
    struct Case {
        int color;              // item of the target list
        const char* low;        // colour of the low column
        const char* mid;
        const char* high;
    } cases[] = {
        {0, "120 120 120", "70 70 70", "0 0 0"},
        {1, "164 249 249", "0 255 255", "48 205 205"},
        {2, "249 164 249", "255 0 255", "205 30 205"},
        {3, "249 249 164", "255 255 0", "205 205 48"},
    };
    for (const Case& c : cases) {
        // Low +3 (seven cells), mid 0 (four), high -3 (one).
        const std::string low = std::to_string(3600 + c.color), high = std::to_string(3620 + c.color);
        std::string script = "click 110\nclick 3101\nselect 3102 " + std::to_string(c.color) + "\nstep " + low +
                             " up 3\nstep " + high + " down 3\n";
        for (int column = 0; column < 3; ++column)
            for (int row = 0; row < 7; ++row) script += Probe(column, row);
        script += "click 3703\n";
        DialogRun r = Dialog(script);
        EXPECT_EQ(r.result.status, 0) << r.result.err;
        const int levels[3] = {7, 4, 1};
        const char* colors[3] = {c.low, c.mid, c.high};
        for (int column = 0; column < 3; ++column)
            for (int row = 0; row < 7; ++row)
                EXPECT_TRUE(r.Has(Pixel(column, row, row < levels[column] ? colors[column] : "255 255 255")))
                    << "colour " << c.color << " column " << column << " row " << row << "\n"
                    << r.result.err;
    }
}

TEST_F(ColorBalanceWindow, TypedDensitiesDriveTheSteppersAndOKMarksAllTwelve) {
    DialogRun r = Dialog("click 110\nclick 3101\ntype 3500 -3\ntype 3510 4\ntype 3520 -\nkey 3520 tab\n"
                         "dump 3500\ndump 3600\ndump 3510\ndump 3520\n" + Probe(0, 0) + Probe(0, 1) +
                         "select 3102 2\nstep 3612 up 2\nclick 3703\nppd\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("refused: 3510 \"4\"")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: Stepper tag=3600 enabled value=-3")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=3520 enabled value=\"0\"")) << r.result.err;
    EXPECT_TRUE(r.Has(Pixel(0, 0, "120 120 120")) && r.Has(Pixel(0, 1, "255 255 255"))) << r.result.err;
    EXPECT_EQ(r.Marked("ZQColorBalanceAdjustment"), "True");
    EXPECT_EQ(r.Marked("ZQColorDensityBlackLow"), "-3");
    EXPECT_EQ(r.Marked("ZQColorDensityMagentaMid"), "+2");
    EXPECT_EQ(r.Marked("ZQColorDensityCyanHigh"), "0");
}

TEST_F(ColorBalanceWindow, OffSwitchesEveryDensityControlOffAndBlackAndWhiteOffersOnlyBlack) {
    DialogRun r = Dialog("click 110\ndump 3102\ndump 3600\ndump 3500\nclick 3101\ndump 3600\nclick 3703\n"
                         "select 101 1\nclick 110\ndump 3102\nclick 3702\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("dump: PopUpButton tag=3102 disabled")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: Stepper tag=3600 disabled")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: TextField tag=3500 disabled")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: Stepper tag=3600 enabled")) << r.result.err;
    EXPECT_TRUE(r.Says("selected=0 items=[\"Black\", \"Cyan\" (disabled), \"Magenta\" (disabled), \"Yellow\" (disabled)]"))
        << r.result.err;
}

TEST_F(ColorBalanceWindow, CancelShowsTheValuesFromBeforeAndPutsRestoredDefaultsBack) {
    DialogRun r = Dialog("click 110\nclick 3101\nstep 3600 up 2\nclick 3703\n"
                         "click 110\nstep 3600 down 3\nclick 3700\nclick 3702\nppd\nsummary\n"
                         "click 110\ndump 3600\ndump 3500\nclick 3702\nprint\nppd\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    // After Cancel the window shows the committed +2 again.
    EXPECT_TRUE(r.Says("dump: Stepper tag=3600 enabled value=2")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=3500 enabled value=\"2\"")) << r.result.err;
    // Restore Defaults marked the box's default at once; Cancel marks the
    // stored value again, and the summary says the same.
    const std::string afterCancel = r.result.err.substr(0, r.result.err.find("modal: open", r.result.err.find("ppd: ")));
    EXPECT_NE(afterCancel.find("ppd: ZQColorBalanceAdjustment=True"), std::string::npos) << r.result.err;
    EXPECT_NE(afterCancel.find("| Adjust Color Balance: On"), std::string::npos) << r.result.err;
    EXPECT_EQ(r.Marked("ZQColorBalanceAdjustment"), "True");
    EXPECT_EQ(r.Marked("ZQColorDensityBlackLow"), "+2");
}

// Restore Default takes the PPD's default density ("+2" here, no plain
// number) and switches the box off with everything it disables; the
// summary, the stepper, its field and the marks then agree.
TEST_F(ColorBalanceWindow, RestoreDefaultShowsThePPDsDensityAndLeavesTheDensitiesOffWithTheBox) {
    const auto plusTwo = [](const std::string& ppd) {
        return test::Replace(ppd, "*DefaultZQColorDensityBlackLow: 0", "*DefaultZQColorDensityBlackLow: +2");
    };
    const struct Bundle {
        const char* what;
        std::string ppd, kind;
    } bundles[] = {
        {"ARK", plusTwo(SamplePPD()), test::kArkKind},
        {"TELD", test::TeldPPD(plusTwo(SamplePPD())), test::kTeldKind},
        {"kv29", plusTwo(zqtest::Slurp(ZQ_SOURCE_DIR "/ppd/zq-kv29-image-sample.ppd")),
         "com.tavelle.kv29.pde.ImageOptionsKind"},
    };
    const std::string stepped = "click 110\nclick 3101\nstep 3600 down 3\nclick 3700\n";
    const struct Sequence {
        const char* what;
        std::string script;
        bool on;  // the box at the end
        const char *blackLow, *stepper, *edit;
    } sequences[] = {
        {"Restore Default, then a density stepped", stepped + "dump 3500\nstep 3610 up 1\ndump 3600\nclick 3703\n",
         false, "+2", "tag=3600 disabled value=2", "tag=3500 disabled value=\"2\""},
        {"Restore Default, the box on again, stepped",
         stepped + "click 3101\nstep 3600 up 1\nstep 3610 up 1\ndump 3600\ndump 3500\nclick 3703\n", true, "+3",
         "tag=3600 enabled value=3", "tag=3500 enabled value=\"3\""},
    };
    for (const Bundle& b : bundles)
        for (const Sequence& s : sequences) {
            SCOPED_TRACE(std::string(b.what) + ": " + s.what);
            DialogRun r = Dialog(s.script + "summary\nprint\nppd\n", b.ppd, "", b.kind);
            ASSERT_EQ(r.result.status, 0) << r.result.err;
            EXPECT_TRUE(r.Says(s.stepper)) << r.result.err;
            EXPECT_TRUE(r.Says(s.edit)) << r.result.err;
            EXPECT_EQ(r.Says("ignored: 3610 disabled"), !s.on) << r.result.err;
            EXPECT_EQ(r.Marked("ZQColorBalanceAdjustment"), s.on ? "True" : "False");
            EXPECT_EQ(r.Marked("ZQColorDensityBlackLow"), s.blackLow);
            EXPECT_EQ(r.Marked("ZQColorDensityBlackMid"), s.on ? "+1" : "0");
            EXPECT_TRUE(r.Says(std::string("| Adjust Color Balance: ") + (s.on ? "On" : "Off"))) << r.result.err;
            EXPECT_EQ(r.Says(std::string("| Black Low Density: ") + s.blackLow), s.on) << r.result.err;
        }
}

// Restore Defaults, then Cancel, in the overprint window of every edition:
// the box's stored value is what the summary says and the printer gets.
TEST_F(ColorBalanceWindow, RestoreDefaultsThenCancelKeepTheStoredBoxesInEveryEdition) {
    DialogRun balance = Dialog("click 110\nclick 3101\ntype 3500 -3\nclick 3703\nclick 110\nclick 3700\nclick 3702\n"
                               "summary\nprint\nppd\n");
    ASSERT_EQ(balance.result.status, 0) << balance.result.err;
    EXPECT_TRUE(balance.Says("| Adjust Color Balance: On")) << balance.result.err;
    EXPECT_EQ(balance.Marked("ZQColorBalanceAdjustment"), "True");
    EXPECT_EQ(balance.Marked("ZQColorDensityBlackLow"), "-3");
    struct Case {
        const char* what;
        std::string ppd, kind, option, title;
    } cases[] = {
        {"ARK", SamplePPD(), test::kArkKind, "ZQBlackOverprint", "Black Overprint"},
        {"TELD", test::TeldPPD(InvalidateColorProfileOnly()), test::kTeldKind, "ZQInvalidateColorProfile",
         "Ignore Color Profile"},
        {"kv29", zqtest::Slurp(ZQ_SOURCE_DIR "/ppd/zq-kv29-image-sample.ppd"), "com.tavelle.kv29.pde.ImageOptionsKind",
         "ZQBlackOverprint", "Black Overprint"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DialogRun r = Dialog("click 1042\nclick 105\nclick 510\nclick 540\nsave\nclick 105\nclick 542\nclick 541\n"
                             "summary\nprint\nppd\n", c.ppd, "", c.kind);
        ASSERT_EQ(r.result.status, 0) << r.result.err;
        EXPECT_TRUE(r.Says("| " + c.title + ": On")) << r.result.err;
        EXPECT_EQ(r.Marked(c.option), "True") << r.result.err;
    }
}

class ImageAdjustmentWindow : public test::ImageDialog {};

TEST_F(ImageAdjustmentWindow, CancelPutsEveryListsMarkBack) {
    DialogRun r = Dialog("click 1042\nclick 105\nselect 502 \"Adobe RGB\"\nselect 503 1\nselect 505 \"None\"\n"
                         "dump 506\ndump 516\nppd\nclick 541\nppd\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=506 disabled")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=516 disabled")) << r.result.err;
    EXPECT_TRUE(r.Says("ppd: ZQRGBInputProfile=AdobeRGB")) << r.result.err;
    EXPECT_EQ(r.Marked("ZQRGBInputProfile"), "SRGB");
    EXPECT_EQ(r.Marked("ZQRGBGammaCorrection"), "Off");
    EXPECT_EQ(r.Marked("ZQCMYKCorrectionSTD"), "Standard");
}

TEST_F(ImageAdjustmentWindow, OKHandsTheCorrectionsBackToTheMainPanel) {
    DialogRun r = Dialog("click 1042\nclick 105\nselect 501 \"Colorimetric\"\nselect 505 \"Euro Standard\"\n"
                         "select 504 2\nclick 540\ndump 107\ndump 108\nprint\nppd\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=107 enabled selected=2")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=108 enabled selected=2")) << r.result.err;
    EXPECT_EQ(r.Marked("ZQRGBCorrection"), "RelativeC");
    EXPECT_EQ(r.Marked("ZQCMYKCorrectionSTD"), "Euro");
    EXPECT_EQ(r.Marked("ZQColorTemperature"), "K9300");
}

TEST_F(ImageAdjustmentWindow, TheVariantFollowsTheOverprintOptionsOfEachEdition) {
    // Black overprint: the ARK window with its box; basic mode leaves the lists disabled.
    DialogRun ark = Dialog("click 105\ndump 501\nclick 510\nclick 540\nprint\nppd\n");
    EXPECT_EQ(ark.result.status, 0) << ark.result.err;
    EXPECT_TRUE(ark.Says("tag=501 disabled")) << ark.result.err;
    EXPECT_EQ(ark.Marked("ZQBlackOverprint"), "True");

    // Only "ZQInvalidateColorProfile": the same variant is set up; in the
    // TELD bundle it is the RGB lists and the colour profile box.
    const std::string invalidate = InvalidateColorProfileOnly();
    DialogRun teld = Dialog("click 1042\nclick 105\nclick 510\nselect 502 1\nclick 540\nprint\nppd\n",
                            test::TeldPPD(invalidate), "", test::kTeldKind);
    EXPECT_EQ(teld.result.status, 0) << teld.result.err;
    EXPECT_EQ(teld.Marked("ZQInvalidateColorProfile"), "True");
    EXPECT_EQ(teld.Marked("ZQRGBInputProfile"), "AdobeRGB");
    DialogRun noCmyk = Dialog("click 105\ndump 505\n", test::TeldPPD(invalidate), "", test::kTeldKind);
    EXPECT_EQ(noCmyk.result.status, 2) << noCmyk.result.err;  // the TELD overprint window has no CMYK list
}

// The overprint window is set up for either option; its check box stands
// for one of them. Without that one the box (and its group) is hidden: it
// would mark nothing and its title would be the nib's key.
TEST_F(ImageAdjustmentWindow, TheCheckBoxOfAnOptionThePPDLacksIsHiddenWithItsGroup) {
    struct Case {
        const char* what;
        std::string ppd, kind, missing;
    };
    const std::vector<Case> cases{
        {"ARK without black overprint", InvalidateColorProfileOnly(), test::kArkKind, "ZQBlackOverprint"},
        {"TELD without the colour profile option", test::TeldPPD(), test::kTeldKind, "ZQInvalidateColorProfile"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DialogRun r = Dialog("click 1042\nclick 105\ndump-tree\nclick 510\nclick 540\nprint\nppd\n", c.ppd, "", c.kind);
        ASSERT_EQ(r.result.status, 0) << r.result.err;
        EXPECT_TRUE(r.Says("CheckBox tag=510 enabled hidden")) << r.result.err;
        EXPECT_TRUE(r.Says("Box tag=532 enabled hidden")) << r.result.err;
        EXPECT_TRUE(r.Says("ignored: 510 hidden")) << r.result.err;
        EXPECT_EQ(r.Marked(c.missing), "<none>");
        // The lists of the window still work.
        EXPECT_EQ(r.Marked("ZQRGBCorrection"), "Perceptual");
    }
}

TEST_F(ImageAdjustmentWindow, WithoutCMYKOptionsTheGroupIsHidden) {
    const std::string ppd = test::Without(test::Without(test::Without(SamplePPD(), "ZQCMYKCorrectionTarget"),
                                                        "ZQCMYKCorrectionSTD"), "ZQBlackOverprint");
    DialogRun r = Dialog("click 105\ndump-tree\nclick 541\n", ppd);
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("Box tag=531 enabled hidden")) << r.result.err;
}

}  // namespace
}  // namespace zqimg
