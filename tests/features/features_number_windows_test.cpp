// The separator, number-in-sequence and offset-stacking windows: the page
// list's rules and forms, and each window opened from the panel in
// printdialog, edited, committed or cancelled, with its keys and summary.
#include <gtest/gtest.h>

#include "features_dialog_fixture.h"
#include "features_number_windows.h"

namespace zqfeat {
namespace {

using namespace zqfeat::test;

TEST(SeparatorPageList, ChecksTypedLists) {
    const std::string twenty = "2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21";
    struct Case {
        std::string text;
        int32_t verdict;
    } cases[] = {
        {"10, 2 ,5", kSeparatorListValid},
        {"5,5", kSeparatorListValid},
        {"2", kSeparatorListValid},
        {"9999", kSeparatorListValid},
        {"0002", kSeparatorListValid},
        {twenty, kSeparatorListValid},
        {twenty + ",22", kSeparatorListTooMany},
        {"2,,5", kSeparatorListMalformed},
        {",2", kSeparatorListMalformed},
        {"2,", kSeparatorListMalformed},
        {"   ", kSeparatorListMalformed},
        {"", kSeparatorListMalformed},
        {"1,5", kSeparatorListMalformed},
        {"10000", kSeparatorListMalformed},
        // Too long for 32 bits: refused, never wrapped into a small page.
        {"4294967298", kSeparatorListMalformed},
        {"99999999999999999999999", kSeparatorListMalformed},
        {"2;5", kSeparatorListMalformed},
        {"2 5", kSeparatorListValid},  // spaces vanish: page 25
    };
    for (const Case& c : cases) EXPECT_EQ(SeparatorPageListCheck(c.text, 20), c.verdict) << '"' << c.text << '"';
}

TEST(SeparatorPageList, StoredAndShownForms) {
    struct Case {
        const char* typed;
        const char* stored;
        const char* shown;
    } cases[] = {
        {"10, 2 ,5", "2 5 10", "2,5,10"},
        {"5,5", "5 5", "5,5"},
        {"007,30", "7 30", "7,30"},
        {"9999,2", "2 9999", "2,9999"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SeparatorPagesForTicket(c.typed), c.stored) << c.typed;
        EXPECT_EQ(SeparatorPagesForScreen(c.stored), c.shown) << c.typed;
    }
    EXPECT_EQ(SeparatorPagesForScreen(""), "");
    // An empty piece of a damaged stored list shows as nothing between commas.
    EXPECT_EQ(SeparatorPagesForScreen("2  5"), "2,,5");
}

class FeatureNumberWindows : public FeaturesDialog {
protected:
    const std::string advanced = "show\nselect 2 \"Advanced Features\"\n";
    const std::string separator = "show\nselect 2 \"Covers and Separator\"\n";
};

TEST_F(FeatureNumberWindows, NumberInSequenceCommitsOnlyOnOk) {
    // Typed and stepped, then OK: the ticket carries the committed value.
    DialogRun ok = Dialog(advanced + "click #ZQTabNumberInSequence\nclick 111\ntype 612 12\nstep 613 up\n"
                          "dump 612\nclick 617\nprint\nsummary\n");
    ASSERT_EQ(ok.result.status, 0) << ok.result.err;
    EXPECT_TRUE(ok.Says("value=\"13\"")) << ok.result.err;
    EXPECT_EQ(ok.Ticket("NumInSequenceLArrowTicket"), "13");
    EXPECT_EQ(ok.Ticket("NumInSequenceTextEditTicket"), "13");
    EXPECT_TRUE(ok.Says("| Tabs in Sequence: 13")) << ok.result.err;

    // Cancel keeps the committed value, and the keys are written whatever
    // the switch says.
    DialogRun cancel = Dialog(advanced + "click #ZQTabNumberInSequence\nclick 111\ntype 612 40\nclick 616\n"
                              "click #ZQTabNumberInSequence\nprint\n");
    ASSERT_EQ(cancel.result.status, 0) << cancel.result.err;
    EXPECT_EQ(cancel.Ticket("NumInSequenceLArrowTicket"), "3");
    EXPECT_EQ(cancel.Ticket("NumInSequenceTextEditTicket"), "3");

    // Out of range: the alert, the window stays open, the stepper stays.
    DialogRun bad = Dialog(advanced + "click #ZQTabNumberInSequence\nclick 111\ntype 612 300\nclick 617\n"
                           "dump 613\ntype 612 0\nclick 617\ntype 612 254\nclick 617\nprint\n");
    ASSERT_EQ(bad.result.status, 0) << bad.result.err;
    EXPECT_EQ(bad.Count("alert:"), 2u) << bad.result.err;
    EXPECT_TRUE(bad.Says("Message22k") || bad.Says("from 1 to 254")) << bad.result.err;
    EXPECT_TRUE(bad.Says("value=3")) << bad.result.err;
    EXPECT_EQ(bad.Ticket("NumInSequenceLArrowTicket"), "254");
}

TEST_F(FeatureNumberWindows, StepperStaysWhileTheTypedNumberIsRefused) {
    // The refused number gets its alert and the stepper stays where it was,
    // without a beep; a mended number lets it move from there.
    DialogRun r = Dialog(advanced + "click #ZQTabNumberInSequence\nclick 111\ntype 612 300\nstep 613 up\n"
                         "dump 613\ntype 612 20\nstep 613 down\ndump 612\nclick 617\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r.Count("alert:"), 1u) << r.result.err;
    EXPECT_TRUE(r.Says("value=3")) << r.result.err;
    EXPECT_FALSE(r.Says("beep")) << r.result.err;
    EXPECT_TRUE(r.Says("value=\"19\"")) << r.result.err;
    EXPECT_EQ(r.Ticket("NumInSequenceLArrowTicket"), "19");
}

TEST_F(FeatureNumberWindows, OffsetWindowsFollowThePopUp) {
    // Item 4 opens the per-page window, item 5 the per-copy one; choosing
    // the item already shown opens nothing.
    DialogRun r = Dialog(advanced + "select #ZQJog 3\ntype 602 100\nclick 604\nselect #ZQJog 3\n"
                         "select #ZQJog 4\ntype 702 9998\nstep 703 up\nstep 703 up\ndump 703\nclick 704\n"
                         "click 108\nclick 705\nprint\nsummary\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r.Count("modal: open Offset Stacking per Page"), 1u) << r.result.err;
    EXPECT_EQ(r.Count("modal: open Offset Stacking per Copy"), 2u) << r.result.err;
    EXPECT_TRUE(r.Says("beep")) << r.result.err;
    EXPECT_TRUE(r.Says("value=9999")) << r.result.err;
    EXPECT_EQ(r.Ticket("OffsetStackingPagesLArrowTicket"), "100");
    EXPECT_EQ(r.Ticket("OffsetStackingUnitsLArrowTicket"), "9999");
    EXPECT_EQ(r.Ticket("OffsetStackingListTicket"), "5");
    EXPECT_TRUE(r.Says("Offset Every Copies")) << r.result.err;
    EXPECT_FALSE(r.Says("Offset Every Pages")) << r.result.err;
}

TEST_F(FeatureNumberWindows, SeparatorListIsStoredSortedAndShownWithCommas) {
    DialogRun r = Dialog(separator + "select 105 \"From Tray 1\"\ntype 502 \"10, 2 ,5\"\nclick 504\n"
                         "click 102\ndump 502\nclick 505\nprint\nsummary\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_EQ(r.Ticket("SeparatorPageTicket"), "2 5 10");
    EXPECT_TRUE(r.Says("value=\"2,5,10\"")) << r.result.err;
    EXPECT_TRUE(r.Says("| Separator Page Numbers: 2 5 10")) << r.result.err;
    // Cancel with a committed list leaves the pop-up on its item.
    EXPECT_EQ(r.Ticket("SeparatorPageListTicket"), "2");
}

TEST_F(FeatureNumberWindows, SeparatorRefusesBadListsAndCancelWithoutListResetsThePopUp) {
    DialogRun bad = Dialog(separator + "select 105 \"From Tray 1\"\ntype 502 \"2,,5\"\nclick 504\n"
                           "type 502 2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22\nclick 504\n"
                           "type 502 99999999999\nclick 504\nclick 505\ndump 105\nprint\n");
    ASSERT_EQ(bad.result.status, 0) << bad.result.err;
    EXPECT_EQ(bad.Count("alert:"), 3u) << bad.result.err;
    EXPECT_TRUE(bad.Says("up to 20")) << bad.result.err;
    EXPECT_TRUE(bad.Says("PopUpButton #ZQIntSheet tag=105 enabled selected=0")) << bad.result.err;
    EXPECT_EQ(bad.Ticket("SeparatorPageTicket"), "");
}

}  // namespace
}  // namespace zqfeat
