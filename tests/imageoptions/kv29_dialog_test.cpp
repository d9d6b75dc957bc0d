// The kv29 image-options bundle next to kv29-account-pde in one dialog run:
// the print type the Account panel keeps in the printer's value cache is the
// one the image-options panel reads.
#include "image_dialog.h"

namespace zqimg::test {
namespace {

inline constexpr const char* kKv29Kind = "com.tavelle.kv29.pde.ImageOptionsKind";

// Our kv29 colour sample: both kv29 panels, and a mailbox setting both
// read ("050 Mailbox": the largest box number in the first three
// characters, the output-mode choice from the fifth on).
std::string Kv29PPD() { return zqtest::Slurp(ZQ_SOURCE_DIR "/ppd/zq-kv29-image-sample.ppd"); }

constexpr const char* kMailboxJob =
    "panel com.tavelle.kv29.pde.PrintTypeKind\n"
    "show\n"
    "select 101 \"Save to Mailbox\"\n"
    "type 1041 50\ntype 1042 2468\nselect 1044 \"Enter a Name\"\ntype 1045 Quarterly\nclick 1143\n"
    // The Account panel keeps the print type when the dialog saves its panels.
    "save\n"
    "panel com.tavelle.kv29.pde.ImageOptionsKind\nshow\n";

class Kv29Dialog : public ImageDialog {
protected:
    DialogRun Kv29(const std::string& script, const std::string& ppd = Kv29PPD()) {
        env_ = "ZQ_ROOT='" + dir_.path() + "'";
        return Dialog(script, ppd, "", kKv29Kind);
    }
};

TEST_F(Kv29Dialog, TheMailboxJobOfTheAccountPanelPrintsToTheMailboxChoice) {
    DialogRun r = Kv29(std::string(kMailboxJob) + "dump 104\nsummary\nprint\nppd\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    // Box 50 is the largest the PPD allows: the Account panel read "050".
    EXPECT_EQ(r.ticket["com.tavelle.kvb.printsettings.PrintTypeMBNTicketKey"], "50");
    EXPECT_EQ(r.ticket["com.tavelle.kvb.printsettings.PrintTypeTicketKey"], "5");
    EXPECT_TRUE(r.Says("tag=104 disabled selected=2")) << r.result.err;
    EXPECT_TRUE(r.Says("Output Mode: Save in Mailbox")) << r.result.err;
    EXPECT_EQ(r.Marked("ZQOutputMode"), "Mailbox");

    // A print type in the ticket alone is not the Account panel's choice:
    // this edition reads the value cache, and a fresh one holds none.
    env_ = "ZQ_ROOT='" + dir_.path() + "/fresh'";
    DialogRun ticketOnly = Dialog("dump 104\n", Kv29PPD(), "com.tavelle.kvb.printsettings.PrintTypeTicketKey=5\n", kKv29Kind);
    EXPECT_TRUE(ticketOnly.Says("tag=104 enabled selected=0")) << ticketOnly.result.err;
}

TEST_F(Kv29Dialog, OnlyBlackOverprintCallsForTheOverprintWindow) {
    // With "ZQBlackOverprint": the ARK window with its box.
    DialogRun black = Kv29("click 105\nclick 510\nclick 540\nprint\nppd\n");
    EXPECT_EQ(black.result.status, 0) << black.result.err;
    EXPECT_EQ(black.Marked("ZQBlackOverprint"), "True");

    // Only "ZQInvalidateColorProfile": the plain window, with no box for it.
    const std::string invalidate = Replace(
        Without(Kv29PPD(), "ZQBlackOverprint"), "*CloseGroup: ImageOptions",
        "*OpenUI *ZQInvalidateColorProfile/Ignore Color Profile: Boolean\n*OrderDependency: 20 AnySetup "
        "*ZQInvalidateColorProfile\n*DefaultZQInvalidateColorProfile: False\n*ZQInvalidateColorProfile False/Off: "
        "\"\"\n*ZQInvalidateColorProfile True/On: \"\"\n*CloseUI: *ZQInvalidateColorProfile\n*CloseGroup: ImageOptions");
    DialogRun plain = Kv29("click 105\nclick 510\n", invalidate);
    EXPECT_EQ(plain.result.status, 2) << plain.result.err;
    EXPECT_TRUE(plain.Says("no view with tag 510")) << plain.result.err;
}

TEST_F(Kv29Dialog, WithoutCMYKOptionsTheGroupStaysShown) {
    const std::string ppd = Without(Without(Without(Kv29PPD(), "ZQCMYKCorrectionTarget"), "ZQCMYKCorrectionSTD"),
                                    "ZQBlackOverprint");
    DialogRun r = Kv29("click 105\ndump-tree\nclick 541\n", ppd);
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("Box tag=531 enabled")) << r.result.err;
    EXPECT_FALSE(r.Says("Box tag=531 enabled hidden")) << r.result.err;
}

// The ARK sample PPD serves both bundles when it names the kv29 bundle's
// help suffix for the kv29 run.
std::string AsKv29(const std::string& arkPPD) {
    return Replace(arkPPD, "*ZQXImageOptionsSettings: \"Default00-ARK\"", "*ZQXImageOptionsSettings: \"Default00-KV29\"");
}

TEST_F(Kv29Dialog, TheSameScriptBesideTheARKBundle) {
    const std::string sample = SamplePPD();
    const std::string noScreen = Without(sample, "ZQEngineScreen");
    // A fourth RGB correction item: past the three update lists of the table.
    const std::string vivid = Replace(sample, "*CloseUI: *ZQRGBCorrection",
                                      "*ZQRGBCorrection Vivid/Vivid: \"\"\n*CloseUI: *ZQRGBCorrection");
    const std::string localized = Replace(sample, "*Manufacturer: \"ZQ\"", "*Manufacturer: \"ZQ\"\n*ZQLocalizableFileIndex: \"2\"");
    struct Case {
        const char* what;
        std::string ppd, script;
        const char *ark, *kv29;  // what each run's transcript holds
    } cases[] = {
        {"version label", sample, "dump 114\n", "tag=114 enabled hidden value=\"Ver.1.0.1\"",
         "tag=114 enabled value=\"ver.1.0\""},
        {"list without its option", noScreen, "dump 109\n", "tag=109 enabled hidden selected=-1",
         "tag=109 enabled selected=-1"},
        {"its title", noScreen, "dump 209\n", "tag=209 enabled hidden", "tag=209 enabled value"},
        {"RGB item past the update lists", vivid, "click 1042\nselect 109 1\nselect 107 \"Vivid\"\ndump 109\n",
         "tag=109 enabled selected=0", "tag=109 enabled selected=1"},
        // Restoring the defaults, both output modes take the default they
        // show as their UI value (the framework's simulated event reads it
        // back), so picking the earlier item again is a change that resets
        // the screen.
        {"output mode after restore default", sample,
         "select 104 1\nclick 112\nselect 109 1\nselect 104 1\ndump 109\n", "tag=109 enabled selected=0",
         "tag=109 enabled selected=0"},
        // The kv29 panel names its string table from the PPD it was set up
        // with, and the dialog asks for the name before any set-up.
        {"name's string table", localized, "", "panel: no translation com.tavelle.r15.pde.ImageOptionsKind",
         "panel: Image Options com.tavelle.kv29.pde.ImageOptionsKind"},
    };
    for (const Case& c : cases) {
        DialogRun ark = Dialog(c.script, c.ppd);
        DialogRun kv29 = Kv29(c.script, AsKv29(c.ppd));
        EXPECT_EQ(ark.result.status, 0) << c.what << ark.result.err;
        EXPECT_EQ(kv29.result.status, 0) << c.what << kv29.result.err;
        EXPECT_TRUE(ark.Says(c.ark)) << c.what << "\n" << ark.result.err;
        EXPECT_TRUE(kv29.Says(c.kv29)) << c.what << "\n" << kv29.result.err;
    }
}

TEST_F(Kv29Dialog, HelpOpensTheSettingsSuffixPage) {
    DialogRun r = Kv29("help\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("help: ZQ Image Options Help Graphics_KV29.htm")) << r.result.err;
}

TEST_F(Kv29Dialog, EverySaveMarksAgainAlsoRightAfterThePrintGate) {
    DialogRun r = Kv29("print\nsave\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r.Count("mark: ZQColorDensityBlackLow=0"), 3u) << r.result.err;
}

}  // namespace
}  // namespace zqimg::test
