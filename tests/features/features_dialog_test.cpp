// The built bundle in printdialog: the pages of each product mode, the
// other panels' keys disabling and resetting controls, the ticket written
// once at printing and by a preset save, the toner reduction rate marked as
// a custom choice, and the ticket and marks through the ARK job filter.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "editions/ark/ark_profile.h"
#include "features_dialog_fixture.h"
#include "features_fixture.h"
#include "filter_harness.h"

namespace zqfeat {
namespace {

using namespace zqfeat::test;

TEST_F(FeaturesDialog, EachProductModeGetsItsPages) {
    const std::string sample = SamplePPD();
    const std::string groups = "dump 2\n";
    struct Case {
        const char* name;
        std::string ppd;
        const char* items;
    };
    for (const Case& c : {
             Case{"Default00", sample,
                  "[\"General 1\", \"General 2\", \"Covers and Separator\", \"Layout\", \"Toner Saver\", "
                  "\"Finishing\", \"Advanced Features\"]"},
             // No booklet layout: its options are ordinary, on their own PPD group's page.
             Case{"Default01", Replace(Replace(sample, "\"Default00\"", "\"Default01\""), "\"Default00-ARK\"", "\"Default01-ARK\""),
                  "[\"General 1\", \"General 2\", \"Covers and Separator\", \"Toner Saver\", \"Finishing\", "
                  "\"Layout\", \"Advanced Features\"]"},
             Case{"Default02", Replace(sample, "\"Default00\"", "\"Default02\""),
                  "[\"General 1\", \"General 2\", \"Covers and Separator\", \"Layout\", \"Toner Saver\", "
                  "\"Finishing\", \"Advanced Features\"]"},
             // The line-weight option is one this mode leaves to another panel.
             Case{"Default03", Replace(Replace(sample, "\"Default00\"", "\"Default03\""), "*OpenGroup: General/General\n",
                                       "*OpenGroup: General/General\n*OpenUI *ZQBrightness/Brightness: PickOne\n"
                                       "*DefaultZQBrightness: Normal\n*ZQBrightness Normal/Normal: \"\"\n"
                                       "*CloseUI: *ZQBrightness\n"),
                  "[\"General 1\", \"General 2\", \"Covers and Separator\", \"Layout\", \"Toner Saver\", "
                  "\"Finishing\", \"Advanced Features\"]"},
             // A mode without Info lists: the panel is offered and stays empty.
             Case{"Default04", Replace(sample, "\"Default00\"", "\"Default04\""), "[]"},
         }) {
        DialogRun r = Dialog(groups + "dump-tree\n", c.ppd);
        EXPECT_EQ(r.result.status, 0) << c.name << r.result.err;
        EXPECT_TRUE(r.Says(std::string("PopUpButton tag=2 enabled ") + (std::string(c.items) == "[]" ? "selected=-1" : "selected=0") +
                           " items=" + c.items))
            << c.name << "\n" << r.result.err;
        if (std::string(c.name) == "Default03") {
            EXPECT_FALSE(r.Says("#ZQBrightness")) << r.result.err;
        }
    }
    // Without the mode or with "Disabled" no panel is there to focus.
    for (const std::string& ppd : {Replace(sample, "\"Default00\"", "\"Disabled\""),
                                   Replace(sample, "*ZQXFeaturesSettings: \"Default00\"", "")}) {
        DialogRun r = Dialog("show\n", ppd);
        EXPECT_EQ(r.result.status, 2);
    }
}

TEST_F(FeaturesDialog, EmptyPanelsKeepTheNibTemplatesHiddenAndSayWhy) {
    // A mode without Info lists: no control takes a setup-button template.
    DialogRun empty = Dialog("dump-tree\n", Replace(SamplePPD(), "\"Default00\"", "\"Default04\""));
    for (const char* tag : {"101", "102", "111", "112"})
        EXPECT_TRUE(empty.Says(std::string("tree:     Button tag=") + tag + " enabled hidden")) << tag << empty.result.err;
    // No usable ordinary option: the restore says so, the fixed groups stand.
    std::string text = SamplePPD();
    const size_t from = text.find("*OpenGroup: General/General");
    text.erase(from, text.find("*OpenGroup: ZQCoverGroup/Covers") - from);
    DialogRun none = Dialog("dump 2\ndump 3\nprint\n", text);
    EXPECT_EQ(none.result.status, 0) << none.result.err;
    EXPECT_TRUE(none.Says("zq: PrintFeaturesPDE : InitializeUserPane - -9530")) << none.result.err;
    // Its controls were never set up: nothing of them is shown or written.
    EXPECT_TRUE(none.Says("dump: PopUpButton tag=2 enabled selected=-1 items=[]")) << none.result.err;
    EXPECT_TRUE(none.Says("dump: Box tag=3 enabled hidden")) << none.result.err;
    EXPECT_EQ(none.Ticket("EjectOptionsListTicket"), "<none>");
    EXPECT_EQ(none.Ticket("featuresMediaTypeTabTicket"), "false");
}

TEST_F(FeaturesDialog, CheckBoxSummaryIsCutAtACharacterBoundary) {
    // Latin-1 in the PPD: "L\xF6cher" and twelve a-umlauts, 32 bytes as UTF-8.
    const std::string ppd = Replace(Replace(SamplePPD(), "*DefaultZQMixSizePrint: False", "*DefaultZQMixSizePrint: True"),
                                    "*ZQMixSizePrint True/On:", "*ZQMixSizePrint True/L\xF6" "cher \xE4\xE4\xE4\xE4\xE4\xE4\xE4\xE4\xE4\xE4\xE4\xE4:");
    DialogRun r = Dialog("summary\n", ppd);
    EXPECT_TRUE(r.has("summary: Printer Features | Mixed Paper Sizes: L\xC3\xB6" "cher \xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4"))
        << r.result.err;
}

TEST_F(FeaturesDialog, OnlyTheChosenPageIsShown) {
    DialogRun r = Dialog("show\ndump #ZQStaple\nselect 2 \"General 2\"\ndump #ZQStaple\ndump #ZQLineWeightAdjustment\n"
                   "select 2 \"Advanced Features\"\ndump 101\ndump 112\n");
    EXPECT_TRUE(r.Says("dump: PopUpButton #ZQStaple tag=0 enabled selected=0")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: PopUpButton #ZQStaple tag=0 enabled hidden selected=0")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: PopUpButton #ZQLineWeightAdjustment tag=0 enabled selected=0")) << r.result.err;
    // Setup buttons stand beside their switch or list, disabled while it is off.
    EXPECT_TRUE(r.Says("dump: Button tag=101 disabled title=\"Settings...\"")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: Button tag=112 disabled title=\"Settings...\"")) << r.result.err;
}

TEST_F(FeaturesDialog, SpecialPagesDisableOptionsAndTheirPapersDisableChoices) {
    const std::string script =
        "select 2 \"Layout\"\nselect #ZQSignature \"Booklet\"\n"
        "set " NS "SpecialPageRecordCountTicket 2\n"
        "set " NS "pageSizeArrayTicket [Legal,A5]\n"
        "set " NS "whetherInterposerTicket 1\n"
        "restore\ndump #ZQSignature\ndump #ZQStaple\ndump #ZQNumPunchHoles\ndump #ZQPunch\ndump #ZQMixSizePrint\n"
        "dump #ZQFold\nhide\n"
        "unset " NS "SpecialPageRecordCountTicket\nunset " NS "pageSizeArrayTicket\n"
        "unset " NS "whetherInterposerTicket\nshow\ndump #ZQSignature\ndump #ZQStaple\ndump #ZQNumPunchHoles\n"
        "dump #ZQPunch\ndump #ZQMixSizePrint\n";
    // A switch whose "True" conflicts with a special page's paper is greyed as a whole.
    const std::string ppd = Replace(SamplePPD(), "*UIConstraints: *ZQPunch Left *PageSize A5\n",
                                    "*UIConstraints: *ZQPunch Left *PageSize A5\n"
                                    "*UIConstraints: *ZQMixSizePrint True *PageSize A5\n"
                                    "*UIConstraints: *PageSize A5 *ZQMixSizePrint True\n");
    DialogRun r = Dialog("show\n" + script, ppd);
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    // While special pages exist: the booklet is disabled and back at its default.
    EXPECT_TRUE(r.Says("dump: PopUpButton #ZQSignature tag=0 disabled selected=0")) << r.result.err;
    EXPECT_TRUE(r.Says("items=[\"Off\", \"Top Left\", \"Left, Two Staples\" (disabled)]")) << r.result.err;
    EXPECT_TRUE(r.Says("items=[\"2 Holes\", \"4 Holes\", \"Coil Binding\" (disabled)]")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: PopUpButton #ZQPunch tag=0 enabled hidden selected=0 items=[\"Off\", \"Left Edge\" "
                       "(disabled), \"Top Edge\" (disabled)]"))
        << r.result.err;
    EXPECT_TRUE(r.Says("dump: CheckBox #ZQMixSizePrint tag=0 disabled")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: PopUpButton #ZQFold tag=0 enabled hidden selected=0 items=[\"Off\", \"Half Fold\", \"Z-Fold\"]"))
        << r.result.err;
    // Gone again (while another pane was shown): everything comes back, the
    // booklet at the default the pane committed when it was left held.
    EXPECT_TRUE(r.Says("dump: PopUpButton #ZQSignature tag=0 enabled selected=0")) << r.result.err;
    EXPECT_TRUE(r.Says("items=[\"Off\", \"Top Left\", \"Left, Two Staples\"]")) << r.result.err;
    EXPECT_TRUE(r.Says("items=[\"2 Holes\", \"4 Holes\", \"Coil Binding\"]")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: PopUpButton #ZQPunch tag=0 enabled hidden selected=0 items=[\"Off\", \"Left Edge\", "
                       "\"Top Edge\"]"))
        << r.result.err;
    EXPECT_TRUE(r.Says("dump: CheckBox #ZQMixSizePrint tag=0 enabled")) << r.result.err;
}

// The inserter paper list is a features list like any other: a choice that
// conflicts with a special page's paper is greyed once the list is usable.
TEST_F(FeaturesDialog, InserterPaperChoicesConflictWithTheSpecialPagesPapers) {
    const std::string ppd = Replace(SamplePPD(), "*UIConstraints: *ZQPunch Left *PageSize A5\n",
                                    "*UIConstraints: *ZQPunch Left *PageSize A5\n"
                                    "*UIConstraints: *ZQIntSheetMediaType Tabbed *PageSize A5\n"
                                    "*UIConstraints: *PageSize A5 *ZQIntSheetMediaType Tabbed\n");
    const std::string inserter = "select 2 \"Covers and Separator\"\nselect #ZQIntCoverSheet \"Inserter\"\n"
                                 "dump #ZQIntSheetMediaType\nprint\nppd\n";
    DialogRun a5 = Dialog("show\nset " NS "pageSizeArrayTicket [A5]\n" + inserter, ppd);
    ASSERT_EQ(a5.result.status, 0) << a5.result.err;
    EXPECT_TRUE(a5.Says("dump: PopUpButton #ZQIntSheetMediaType tag=0 enabled selected=0 items=[\"Plain\", "
                        "\"Tab Stock\" (disabled)]"))
        << a5.result.err;
    EXPECT_TRUE(a5.Says("ppd: ZQIntSheetMediaType=Plain")) << a5.result.err;
    // Without that paper among the special pages' the choice is offered.
    DialogRun none = Dialog("show\n" + inserter, ppd);
    ASSERT_EQ(none.result.status, 0) << none.result.err;
    EXPECT_TRUE(none.Says("dump: PopUpButton #ZQIntSheetMediaType tag=0 enabled selected=0 items=[\"Plain\", "
                          "\"Tab Stock\"]"))
        << none.result.err;
}

TEST_F(FeaturesDialog, WatermarkHoldsTheLineWeightAtItsDefault) {
    DialogRun r = Dialog("show\nselect 2 \"General 2\"\nselect #ZQLineWeightAdjustment \"Thicker\"\n"
                   "set " NS "WMARKNameTicket 6472616674\nrestore\ndump #ZQLineWeightAdjustment\nsummary\nprint\nppd\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("dump: PopUpButton #ZQLineWeightAdjustment tag=0 disabled selected=0")) << r.result.err;
    EXPECT_TRUE(r.Says("| Thin Lines: Normal")) << r.result.err;
    EXPECT_TRUE(r.Says("ppd: ZQLineWeightAdjustment=Normal")) << r.result.err;
}

TEST_F(FeaturesDialog, MarksOfOtherPanelsAreSeenAtTheNextShow) {
    DialogRun r = Dialog("show\nhide\nmark PageSize Legal\ndump #ZQStaple\nshow\ndump #ZQStaple\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r.Count("items=[\"Off\", \"Top Left\", \"Left, Two Staples\"]"), 1u) << r.result.err;
    EXPECT_EQ(r.Count("items=[\"Off\", \"Top Left\", \"Left, Two Staples\" (disabled)]"), 1u) << r.result.err;
}

TEST_F(FeaturesDialog, PrintingWritesTheTicketOnceAndAPresetSaveWritesItToo) {
    const std::string choose = "select 2 \"Advanced Features\"\nclick #ZQTabMarginShiftEx\nselect #ZQJog 3\nclick 605\n"
                               "select #ZQTrimming \"Single Cut\"\nselect 2 \"General 1\"\nselect #ZQEjectOptions 1\n"
                               "select #MediaType \"Tab Stock\"\n";
    DialogRun printed = Dialog("show\n" + choose + "print\n");
    ASSERT_EQ(printed.result.status, 0) << printed.result.err;
    EXPECT_EQ(printed.Ticket("TabMarginSwitchTicket"), "1");
    EXPECT_EQ(printed.Ticket("OffsetStackingListTicket"), "4");
    EXPECT_EQ(printed.Ticket("TrimmerSelectTicket"), "2");
    EXPECT_EQ(printed.Ticket("EjectOptionsListTicket"), "2");
    EXPECT_EQ(printed.Ticket("featuresMediaTypeTabTicket"), "true");
    EXPECT_EQ(printed.Ticket("CoilPunchFaceTicket"), "true");
    // Each changed choice is marked once by the gate, not again by the save.
    EXPECT_EQ(printed.Count("mark: ZQTabMarginShiftEx=True accepted"), 2u) << printed.result.err;

    DialogRun saved = Dialog("show\n" + choose + "save\n");
    ASSERT_EQ(saved.result.status, 0) << saved.result.err;
    EXPECT_EQ(saved.Ticket("TabMarginSwitchTicket"), "1");
    EXPECT_EQ(saved.Ticket("featuresMediaTypeTabTicket"), "true");

    // A refused mark keeps the switch's own key out of the ticket.
    DialogRun refused = Dialog("show\n" + choose + "refuse ZQTabMarginShiftEx\nprint\n");
    EXPECT_EQ(refused.Ticket("TabMarginSwitchTicket"), "<none>") << refused.result.err;
}

TEST_F(FeaturesDialog, TonerReductionRateIsMarkedAsACustomChoice) {
    const std::string open = "show\nselect 2 \"Toner Saver\"\n";
    DialogRun r = Dialog(open + "dump 121\nselect 120 \"Reduce By\"\ndump 121\ntype 121 25\nselect 120 \"On\"\n"
                   "select 120 \"Reduce By\"\nselect 120 \"Off\"\nselect 120 \"Reduce By\"\ndump 121\n"
                   "save\nrestore\ndump 121\nprint\nppd\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("dump: TextField #ZQTonerReductionRate tag=121 disabled value=\"0\"")) << r.result.err;
    // However often the list changes or the panel is restored, the field
    // follows its item.
    EXPECT_EQ(r.Count("dump: TextField #ZQTonerReductionRate tag=121 enabled"), 3u) << r.result.err;
    // A restore after the rate was saved shows it again.
    EXPECT_EQ(r.Count("dump: TextField #ZQTonerReductionRate tag=121 enabled value=\"25\""), 2u) << r.result.err;
    EXPECT_TRUE(r.Says("mark: ZQTonerReductionRate=Custom.25 accepted")) << r.result.err;
    EXPECT_TRUE(r.Says("ppd: ZQTonerReductionRate=Custom.25")) << r.result.err;

    // Typing stops at two digits and takes digits only; an empty rate marks nothing.
    DialogRun limits = Dialog(open + "select 120 \"Reduce By\"\ntype 121 100\ndump 121\ntype 121 a\ntype 121 \"\"\nprint\n");
    EXPECT_TRUE(limits.Says("refused: 121")) << limits.result.err;
    EXPECT_FALSE(limits.Says("mark: ZQTonerReductionRate=")) << limits.result.err;
}

TEST_F(FeaturesDialog, SeparatorListMarksAndGoesBackWhenRefused) {
    DialogRun r = Dialog("show\nselect 2 \"Covers and Separator\"\ndump 102\nselect 105 \"Off\"\nselect 105 \"From Tray 1\"\n"
                   "type 502 2\nclick 504\ndump 102\nrefuse ZQIntSheet=MSI\nselect 105 \"From the Inserter\"\ndump 105\n"
                   "select 103 \"Inserter\"\ndump #ZQIntSheetMediaType\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_FALSE(r.Says("mark: ZQIntSheet=None")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: Button tag=102 disabled")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: Button tag=102 enabled")) << r.result.err;
    EXPECT_TRUE(r.Says("mark: ZQIntSheet=MSI refused")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: PopUpButton #ZQIntSheet tag=105 enabled selected=1")) << r.result.err;
    // The inserter paper is offered while a cover comes from the inserter.
    EXPECT_TRUE(r.Says("dump: PopUpButton #ZQIntSheetMediaType tag=0 enabled")) << r.result.err;
    EXPECT_EQ(r.Ticket("SeparatorPageListTicket"), "2");
}

TEST_F(FeaturesDialog, BookletMarginSwitchWritesZeroWhileTheBookletIsOff) {
    DialogRun r = Dialog("show\nselect 2 \"Layout\"\ndump 106\nselect #ZQSignature \"Booklet\"\nclick 106\ndump 107\n"
                   "select #ZQSignature \"Off\"\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("dump: CheckBox tag=106 disabled")) << r.result.err;
    EXPECT_TRUE(r.Says("dump: Button tag=107 enabled")) << r.result.err;
    EXPECT_EQ(r.Ticket("BookletMarginSwitchTicket"), "0");
}

// What the device gets: the panel's keys become the ARK filter's finishing
// rows and the typed toner rate its reduction-rate lines.
TEST_F(FeaturesDialog, TicketAndMarksReachTheDeviceThroughTheArkFilter) {
    DialogRun r = Dialog("show\nselect 2 \"Advanced Features\"\nclick #ZQTabMarginShiftEx\nclick #ZQTabNumberInSequence\n"
                   "select #ZQJog 3\nclick 605\nselect #ZQTrimming \"Single Cut\"\nselect 2 \"General 1\"\n"
                   "select #ZQEjectOptions \"Face Up\"\nselect #ZQStaple \"Top Left\"\nselect 2 \"Toner Saver\"\n"
                   "select 120 \"Reduce By\"\ntype 121 25\nprint\nppd\n",
                   SamplePPD(), "");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    // The dialog hands the marked choices to the job as well.
    const zqtest::JobResult out = ThroughTheArkFilter(r);
    ASSERT_EQ(out.status, 0) << out.err;
    for (const char* line : {"@PJL SET JOBATTR=\"@TABS=", "@PJL SET JOBATTR=\"@TRMR=", "@PJL SET JOBATTR=\"@MDOC=",
                             "@PJL SET JOBOFFSET=PAGES", "@PJL SET JOBATTR=\"@FACE=", "@PJL SET ECONOMODE=ON\n",
                             "@PJL SET REDUCTIONRATE=25\n"})
        EXPECT_NE(out.out.find(line), std::string::npos) << line << "\n" << out.out.substr(0, 2000);
}

}  // namespace
}  // namespace zqfeat
