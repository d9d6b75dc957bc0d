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

TEST_F(Kv29Dialog, EverySaveMarksAgainAlsoRightAfterThePrintGate) {
    DialogRun r = Kv29("print\nsave\n");
    EXPECT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r.Count("mark: ZQColorDensityBlackLow=0"), 3u) << r.result.err;
}

}  // namespace
}  // namespace zqimg::test
