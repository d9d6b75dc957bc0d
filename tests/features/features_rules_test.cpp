// The features extension's tables and the text rules of its ticket values.
#include <gtest/gtest.h>

#include <algorithm>

#include "features_tables.h"

namespace zqfeat {
namespace {

TEST(FeaturesProductModes, EachModeHasItsHeadBeforeTheCommonTail) {
    struct Case {
        const char* mode;
        size_t count;
        const char* first;
    };
    for (const Case& c : {Case{"Default00", 80, "ZQSignature"}, Case{"Default01", 85, "ZQOutputMode"},
                          Case{"Default02", 74, "MediaType"}, Case{"Default03", 80, "ZQOutputMode"}}) {
        const auto keys = ProductModeKeys(c.mode);
        ASSERT_TRUE(keys) << c.mode;
        EXPECT_EQ(keys->size(), c.count) << c.mode;
        EXPECT_EQ(keys->front(), c.first) << c.mode;
        EXPECT_EQ(keys->back(), "ZQSubPaperLayout") << c.mode;
    }
    // The sharpness key stands in both head and tail of the first mode.
    const auto keys00 = ProductModeKeys("Default00");
    EXPECT_EQ(std::count(keys00->begin(), keys00->end(), "ZQSharpness"), 2);
    for (const char* unknown : {"Default04", "Disabled", "", "default00"}) EXPECT_FALSE(ProductModeKeys(unknown)) << unknown;
}

TEST(FeaturesTicketText, PrintTypeCountAndFlagValues) {
    // The stored print type is read by its leading decimal digits.
    for (const char* yes : {"5", "05", "5x", " 5"}) EXPECT_TRUE(IsMailboxPrintTypeText(yes)) << yes;
    for (const char* no : {"4", "", "x5", "15", "-5", "55555555555555555555"})
        EXPECT_FALSE(IsMailboxPrintTypeText(no)) << no;
    for (const char* yes : {"1", "2", "250"}) EXPECT_TRUE(IsSpecialPageCountText(yes)) << yes;
    for (const char* no : {"0", "", "-3", "none"}) EXPECT_FALSE(IsSpecialPageCountText(no)) << no;

    EXPECT_STREQ(CoilPunchFaceTicketValue("True"), "true");
    for (const char* other : {"true", "TRUE", "False", ""}) EXPECT_STREQ(CoilPunchFaceTicketValue(other), "false");
    EXPECT_STREQ(CoilPunchFaceTicketValue(nullptr), "false");

    for (const char* tab : {"Tabbed", "TabbedA4", "HeavyCoating", "Coating"}) EXPECT_TRUE(IsTabOrCoatingChoice(tab));
    for (const char* plain : {"Plain", "tabbed", "Coated", ""}) EXPECT_FALSE(IsTabOrCoatingChoice(plain));
}

TEST(FeaturesTicketText, LayoutValuePartsAndPageTitles) {
    EXPECT_EQ(SettingPart("Default00-ARK", 0).value_or("?"), "Default00");
    EXPECT_EQ(SettingPart("Default00-ARK", 1).value_or("?"), "ARK");
    EXPECT_EQ(SettingPart("Default00-A-B", 1).value_or("?"), "A-B");
    EXPECT_FALSE(SettingPart("Default00", 0));
    EXPECT_FALSE(SettingPart(nullptr, 1));
    EXPECT_EQ(AddIndexToCFStr("Finishing", 2), "Finishing 2");
}

TEST(FeaturesGeometry, SlotsRunDownFromTheTopOfTheBox) {
    EXPECT_EQ(SlotBottom(0), 178);
    EXPECT_EQ(SlotBottom(5), 13);
    EXPECT_EQ(SlotBottom(0) - SlotBottom(1), 33);
}

TEST(FeaturesCrossPanel, TablesDecideDisablingAndDefaults) {
    struct Case {
        const char* key;
        CrossPanelState state;
        bool disabled;
        bool restores;
    };
    const CrossPanelState none{}, mailbox{true, false, false}, pages{false, true, false}, mark{false, false, true};
    for (const Case& c : {
             Case{"MediaType", mailbox, true, true},        // mailbox: disabled and held at the default
             Case{"ZQMediaColor", mailbox, true, false},    // mailbox: only disabled
             Case{"MediaType", pages, false, false},
             Case{"ZQSignature", pages, true, true},
             Case{"ZQJog", pages, true, true},
             Case{"ZQJog", mailbox, true, false},
             Case{"ZQLineWeightAdjustment", mark, true, true},
             Case{"ZQLineWeightAdjustment", mailbox, true, true},
             Case{"ZQLineWeightAdjustment", none, false, false},
             Case{"ZQStaple", mark, false, false},
         }) {
        EXPECT_EQ(IsDisabledByState(c.key, c.state), c.disabled) << c.key;
        EXPECT_EQ(RestoreRulesFor(c.key, c.state).any(), c.restores) << c.key;
    }
}

}  // namespace
}  // namespace zqfeat
