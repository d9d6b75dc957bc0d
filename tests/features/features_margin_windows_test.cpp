// The tab margin shift and booklet margin windows in printdialog: the units
// switched, the hidden unit following the shown one, bad values refused with
// their alert, and every key written at the save whatever the switches say.
#include <gtest/gtest.h>

#include <sstream>

#include "editions/ark/ark_profile.h"
#include "features_dialog_fixture.h"
#include "filter_harness.h"

namespace zqfeat {
namespace {

using namespace zqfeat::test;

TEST_F(FeaturesDialog, TabMarginWindowKeepsBothUnitsInStep) {
    const std::string open = "show\nselect 2 \"Advanced Features\"\nclick #ZQTabMarginShiftEx\nclick 101\n";
    // Millimetres first: 12.7 mm shows as 0.50 inch; 0.59 inch as 15.0 mm.
    DialogRun r = Dialog(open + "dump 213\nclick 216\ndump 211\ntype 211 0.59\ndump 213\n"
                         "type 211 0.6\nclick 217\ntype 211 .5\nclick 217\ntype 211 0.59\nclick 217\n"
                         // Switched off, the keys are written all the same.
                         "click #ZQTabMarginShiftEx\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=213 enabled value=\"12.7\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=211 enabled value=\"0.50\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=213 enabled hidden value=\"15.0\"")) << r.result.err;
    EXPECT_EQ(r.Count("\"Message22b2\""), 2u) << r.result.err;
    EXPECT_EQ(r.Ticket("TabMarginInchesShiftTicket"), "59");
    EXPECT_EQ(r.Ticket("TabMarginMMShiftTicket"), "150");
    EXPECT_EQ(r.Ticket("TabMarginMMTextEditTicket"), "15.0");
    EXPECT_EQ(r.Ticket("TabMarginInchesRadioTicket"), "1");
    EXPECT_EQ(r.Ticket("TabMarginMMRadioTicket"), "0");

    // A bad millimetre value keeps the unit from switching; Cancel commits nothing.
    DialogRun bad = Dialog(open + "type 213 15.1\nclick 216\ndump 211\ntype 213 1.25\nclick 217\nclick 218\n"
                           "print\n");
    ASSERT_EQ(bad.result.status, 0) << bad.result.err;
    EXPECT_EQ(bad.Count("\"Message22b\""), 2u) << bad.result.err;
    EXPECT_TRUE(bad.Says("tag=211 enabled hidden")) << bad.result.err;
    EXPECT_EQ(bad.Ticket("TabMarginMMShiftTicket"), "127");
    EXPECT_EQ(bad.Ticket("TabMarginMMRadioTicket"), "1");
}

TEST_F(FeaturesDialog, BookletMarginWindowDoublesTheMillimetresInTheTicket) {
    const std::string open = "show\nselect 2 \"Layout\"\nselect #ZQSignature 1\nclick 106\nclick 107\n";
    DialogRun r = Dialog(open + "type 313 26\nclick 317\ntype 313 25\ndump 311\nclick 310\nclick 317\n"
                         "print\nsummary\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("\"Message22e\"")) << r.result.err;
    EXPECT_TRUE(r.Says("tag=311 enabled hidden value=\"1.0\"")) << r.result.err;
    EXPECT_EQ(r.Ticket("BookletMarginMMShiftTicket"), "50");
    EXPECT_EQ(r.Ticket("BookletMarginInchesShiftTicket"), "10");
    EXPECT_EQ(r.Ticket("AutoFitSwitchTicket"), "0");
    EXPECT_TRUE(r.Says("| Booklet Margin Width: 25 mm")) << r.result.err;

    // The inch field's alert states its own range, not the toner rate's.
    DialogRun inch = Dialog(open + "click 316\ntype 311 1.1\nclick 317\nclick 318\n");
    ASSERT_EQ(inch.result.status, 0) << inch.result.err;
    EXPECT_TRUE(inch.Says("Enter a margin from 0.0 to 1.0 inch.")) << inch.result.err;
    EXPECT_FALSE(inch.Says("reduction rate")) << inch.result.err;

    // The stored doubled value comes back halved: 7 gives 3 mm.
    DialogRun restored =
        Dialog("set " NS "BookletMarginMMShiftTicket 7\nrestore\n" + open + "dump 314\ndump 313\nclick 318\n");
    EXPECT_TRUE(restored.Says("tag=314 enabled value=3")) << restored.result.err;
    EXPECT_TRUE(restored.Says("tag=313 enabled value=\"3\"")) << restored.result.err;
}

// The windows' values reach the device as the ticket carries them: tenths
// of a millimetre, the doubled booklet millimetres, the sorted page list.
TEST_F(FeaturesDialog, WindowValuesReachTheDeviceThroughTheArkFilter) {
    DialogRun r = Dialog("show\nselect 2 \"Advanced Features\"\nclick #ZQTabMarginShiftEx\nclick 101\nclick 216\n"
                         "type 211 0.59\nclick 217\nclick #ZQTabNumberInSequence\nclick 111\ntype 612 12\nclick 617\n"
                         "select #ZQJog 3\ntype 602 100\nclick 604\n"
                         "select 2 \"Covers and Separator\"\nselect 105 \"From Tray 1\"\ntype 502 \"10,2,5\"\nclick 504\n"
                         "select 2 \"Layout\"\nselect #ZQSignature 1\nclick 106\nclick 107\ntype 313 25\nclick 317\n"
                         "print\nppd\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    const zqtest::JobResult out = ThroughTheArkFilter(r);
    ASSERT_EQ(out.status, 0) << out.err;
    for (const char* text : {"@TABS=150", "@MDOC=12", "@OCSN=100", "SeparatorPages[2 5 10]",
                             "50.000/Custom/ProcSet findresource/setsignatureimageshift"})
        EXPECT_NE(out.out.find(text), std::string::npos) << text << "\n" << out.out.substr(0, 2000);
}

}  // namespace
}  // namespace zqfeat
