// The main panel of the built bundles, driven by printdialog scripts: every
// control, the PPD marks it leaves, the conflicts, the ticket keys, the
// mailbox rule, the summary and the save after the print gate.
#include <gtest/gtest.h>

#include "image_dialog.h"

namespace zqimg {
namespace {

using test::DialogRun;
using test::Replace;
using test::SamplePPD;

class MainPanel : public test::ImageDialog {};

TEST_F(MainPanel, DefaultsMarkThePPDDefaultsAndWriteTheRadioKeys) {
    DialogRun r = Dialog("dump 101\ndump 107\ndump 121\ndump 122\nprint\nppd\nconflicts\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("dump: PopUpButton tag=101 enabled selected=0 items=[\"Color\", \"Black and White\"]"));
    // "None" is not offered; "Perceptual" is the first item and the default.
    EXPECT_TRUE(r.Says("tag=107 enabled hidden selected=0 items=[\"Perceptual\", \"Saturation\", \"Colorimetric\"]"))
        << r.result.err;
    EXPECT_TRUE(r.Says("value=\"-5\"") && r.Says("value=\"+5\"")) << r.result.err;
    EXPECT_EQ(r.ticket[IMG_NS "BasicSettingRadioBtnTicketKey"], "1");
    EXPECT_EQ(r.ticket[IMG_NS "AdvancedSettingRadioBtnTicketKey"], "0");
    EXPECT_EQ(r.ticket[IMG_NS "TargetColorLboxTicketKey"], "0");
    // Basic mode prints without RGB correction.
    EXPECT_EQ(r.Marked("ZQRGBCorrection"), "None");
    EXPECT_EQ(r.Marked("ZQBrightness"), "Normal");
    EXPECT_TRUE(r.Has("conflicts: none")) << r.result.err;
}

TEST_F(MainPanel, AdvancedSettingsMarkTheChosenCorrections) {
    DialogRun r = Dialog("click 1042\ndump 106\nselect 107 \"Saturation\"\nselect 108 \"Euro Standard\"\n"
                         "slide 102 3\nselect 104 1\nprint\nppd\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=106 enabled hidden")) << r.result.err;
    EXPECT_EQ(r.Marked("ZQRGBCorrection"), "Saturation");
    EXPECT_EQ(r.Marked("ZQCMYKCorrectionSTD"), "Euro");
    // The first PPD choice is the highest value: +3 is choice "Bright3".
    EXPECT_EQ(r.Marked("ZQBrightness"), "Bright3");
    EXPECT_EQ(r.Marked("ZQOutputMode"), "HighSpeed");
    EXPECT_EQ(r.ticket[IMG_NS "BasicSettingRadioBtnTicketKey"], "0");
    EXPECT_EQ(r.ticket[IMG_NS "AdvancedSettingRadioBtnTicketKey"], "1");
}

TEST_F(MainPanel, BlackAndWhiteDisablesTheColourControlsAndMarksNoRGBCorrection) {
    DialogRun r = Dialog("click 1042\nselect 107 \"Colorimetric\"\nselect 101 \"Black and White\"\n"
                         "dump 1041\ndump 1042\ndump 107\ndump 105\nprint\nppd\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    for (const char* tag : {"1041", "1042", "107", "105"})
        EXPECT_TRUE(r.Says(std::string("tag=") + tag + " disabled")) << tag << r.result.err;
    EXPECT_EQ(r.Marked("ZQColorMode"), "Black");
    EXPECT_EQ(r.Marked("ZQRGBCorrection"), "None");

    DialogRun back = Dialog("select 101 \"Black and White\"\nselect 101 \"Color\"\ndump 1041\ndump 105\n");
    EXPECT_TRUE(back.Says("tag=1041 enabled")) << back.result.err;
    EXPECT_TRUE(back.Says("tag=105 enabled")) << back.result.err;
}

TEST_F(MainPanel, UserChangesResetTheScreenAndConflictsGreyItsChoices) {
    // Opening and restoring keep the screen; a change of image type resets it.
    DialogRun r = Dialog("select 109 \"Photo\"\nrestore\nshow\ndump 109\nselect 106 \"Photo\"\ndump 109\n"
                         "select 106 \"Text\"\ndump 109\nppd\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=109 enabled selected=1")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=109 enabled selected=0 items=[\"Auto\", \"Photo\", \"Smooth Gradation\" (disabled)]"))
        << r.result.err;
    EXPECT_EQ(r.Marked("ZQEngineScreen"), "Auto");
}

TEST_F(MainPanel, AMailboxJobPrintsToTheMailboxChoiceOnEveryRoad) {
    const std::string mailbox = IMG_NS "PrintTypeTicketKey=5\n";
    DialogRun r = Dialog("dump 104\ndump 203\nsummary\nprint\nppd\n", SamplePPD(), mailbox);
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=104 disabled selected=2")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=203 disabled")) << r.result.err;
    EXPECT_TRUE(r.Says("Output Mode: Save in Mailbox")) << r.result.err;
    EXPECT_EQ(r.Marked("ZQOutputMode"), "Mailbox");

    // Before 10.7 the print type comes from the printer's remembered value, not the ticket.
    env_ = "ZQ_OS_RELEASE=10.8.0";
    DialogRun old = Dialog("dump 104\nprint\nppd\n", SamplePPD(), mailbox);
    EXPECT_TRUE(old.Says("tag=104 enabled selected=0")) << old.result.err;
    EXPECT_EQ(old.Marked("ZQOutputMode"), "Standard");

    DialogRun normal = Dialog("dump 104\n", SamplePPD(), IMG_NS "PrintTypeTicketKey=2\n");
    EXPECT_TRUE(normal.Says("tag=104 enabled selected=0")) << normal.result.err;
}

TEST_F(MainPanel, OutputModeSummaryIsCutOnACharacterBoundary) {
    // 22 bytes of text, then a two-byte character: the summary keeps 22 bytes.
    const std::string ppd = Replace(SamplePPD(), "*ZQOutputMode HighSpeed/High Speed:",
                                    "*ZQOutputMode HighSpeed/Proof and Print each p\xE9ge:");
    DialogRun r = Dialog("select 104 1\nsummary\n", ppd);
    EXPECT_TRUE(r.Has("summary: Image Options | Output Mode: Proof and Print each p")) << r.result.err;
}

TEST_F(MainPanel, SaveRightAfterThePrintGateWritesNothingASecondSaveWrites) {
    DialogRun r = Dialog("print\nsave\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    // The print gate marks once; its save writes nothing; the preset save marks again.
    EXPECT_EQ(r.Count("mark: ZQColorDensityBlackLow=0"), 2u) << r.result.err;
}

TEST_F(MainPanel, RefusedMarksKeepTheShownValue) {
    DialogRun r = Dialog("refuse ZQRGBImageType\nselect 106 \"Photo\"\ndump 106\nprint\nppd\n");
    EXPECT_TRUE(r.Says("tag=106 enabled selected=0")) << r.result.err;
    EXPECT_EQ(r.Marked("ZQRGBImageType"), "Standard");
}

TEST_F(MainPanel, HelpPagesTakeTheResourceSuffixAndTheVersionTellsOfTheConstraintFile) {
    DialogRun r = Dialog("help\ndump 114\nclick 110\nclick 3701\nclick 3702\nclick 105\nclick 543\nclick 541\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    for (const char* page : {"Graphics_ARK.htm", "ColorBalance_ARK.htm", "ImageAdj_ARK.htm"})
        EXPECT_TRUE(r.Has(std::string("help: ZQ Image Options Help ") + page)) << page << r.result.err;
    EXPECT_TRUE(r.Says("tag=114 enabled hidden value=\"Ver.1.0.1\"")) << r.result.err;

    // A constraint file that cannot be read: the version ends in "." and the
    // PPD's own constraints are not used either.
    const std::string ppd = Replace(SamplePPD(), "*ZQPSDecompMode: \"0\"",
                                    "*ZQPSDecompMode: \"0\"\n*ZQXCDFSetting: \"/nonexistent/zq.cdf\"");
    DialogRun cdf = Dialog("dump 114\nselect 106 \"Text\"\ndump 109\n", ppd);
    EXPECT_TRUE(cdf.Says("value=\"Ver.1.0.1.\"")) << cdf.result.err;
    EXPECT_TRUE(cdf.Says("\"Smooth Gradation\"]")) << cdf.result.err;
}

// The RGB correction menu leaves "None" out, so its items are not the PPD's
// choices one to one: Restore Defaults must still show and mark the PPD's
// default choice, on the main panel and in the image settings window of
// every edition.
TEST_F(MainPanel, RestoreDefaultsGiveThePPDsRGBCorrectionInEveryEditionAndList) {
    const std::string kv29PPD = zqtest::Slurp(ZQ_SOURCE_DIR "/ppd/zq-kv29-image-sample.ppd");
    const std::string onMain = "click 1042\nselect 107 \"Saturation\"\nclick 112\ndump 107\nclick 1042\nprint\nppd\n";
    const std::string inWindow = "click 1042\nselect 107 \"Saturation\"\nclick 105\nclick 542\ndump 501\n"
                                 "click 540\nprint\nppd\n";
    const auto withDefault = [](const std::string& choice) {
        return Replace(SamplePPD(), "*DefaultZQRGBCorrection: Perceptual", "*DefaultZQRGBCorrection: " + choice);
    };
    struct Case {
        const char* what;
        std::string ppd, kind, script, tag;
        int item;  // the menu item shown after the restore
        const char* marked;
    };
    const std::vector<Case> cases{
        {"ARK main panel", SamplePPD(), test::kArkKind, onMain, "107", 0, "Perceptual"},
        {"ARK window", SamplePPD(), test::kArkKind, inWindow, "501", 0, "Perceptual"},
        {"TELD main panel", test::TeldPPD(), test::kTeldKind, onMain, "107", 0, "Perceptual"},
        {"TELD window", test::TeldPPD(), test::kTeldKind, inWindow, "501", 0, "Perceptual"},
        {"kv29 main panel", kv29PPD, "com.tavelle.kv29.pde.ImageOptionsKind", onMain, "107", 0, "Perceptual"},
        {"kv29 window", kv29PPD, "com.tavelle.kv29.pde.ImageOptionsKind", inWindow, "501", 0, "Perceptual"},
        // Another default is followed the same way; "None", never offered,
        // leaves "Perceptual" the list's default.
        {"default Colorimetric", withDefault("RelativeC"), test::kArkKind, onMain, "107", 2, "RelativeC"},
        {"default Colorimetric, window", withDefault("RelativeC"), test::kArkKind, inWindow, "501", 2, "RelativeC"},
        {"default None", withDefault("None"), test::kArkKind, onMain, "107", 0, "Perceptual"},
    };
    env_ = "ZQ_ROOT='" + dir_.path() + "'";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DialogRun r = Dialog(c.script, c.ppd, "", c.kind);
        ASSERT_EQ(r.result.status, 0) << r.result.err;
        const size_t at = r.result.err.find("dump: PopUpButton tag=" + c.tag + " ");
        ASSERT_NE(at, std::string::npos) << r.result.err;
        const std::string dump = r.result.err.substr(at, r.result.err.find('\n', at) - at);
        EXPECT_NE(dump.find("selected=" + std::to_string(c.item) + " "), std::string::npos) << dump;
        EXPECT_EQ(r.Marked("ZQRGBCorrection"), c.marked) << r.result.err;
    }
}

TEST_F(MainPanel, TheTeldBundleHasNoCMYKCorrectionOnItsPanel) {
    DialogRun r = Dialog("dump 108\n", test::TeldPPD(), "", test::kTeldKind);
    EXPECT_EQ(r.result.status, 2) << r.result.err;  // no view with that tag
    DialogRun t = Dialog("click 1042\nselect 107 1\nprint\nppd\n", test::TeldPPD(), "", test::kTeldKind);
    EXPECT_EQ(t.result.status, 0) << t.result.err;
    EXPECT_EQ(t.Marked("ZQRGBCorrection"), "Saturation");
    EXPECT_EQ(t.ticket["com.tavelle.kvb.printsettings.AdvancedSettingRadioBtnTicketKey"], "1");
    // Each bundle offers its panel only for its own help suffix.
    EXPECT_FALSE(t.Says(test::kArkKind)) << t.result.err;
}

}  // namespace
}  // namespace zqimg
