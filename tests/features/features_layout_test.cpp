// Where the panel puts each PPD option: pages of six slots, the General
// page, the exclusion rules of the fixed groups, and the status of a PPD
// without any usable option.
#include <gtest/gtest.h>

#include <algorithm>

#include "features_fixture.h"
#include "features_layout.h"

namespace zqfeat {
namespace {

using zqpde::test::PPD;
using namespace zqfeat::test;

LayoutInput Input(bool layout = false) {
    LayoutInput in;
    in.supported = OrdinaryKeys();
    for (const char* k : {"ZQIntCoverSheet", "ZQIntBackCoverSheet", "ZQIntSheet", "ZQIntSheetMediaType", "ZQTonerSaver",
                          "ZQTonerReductionRate", "ZQSignature", "ZQSigDrawOutline", "ZQTrimming", "ZQJog"})
        in.supported.emplace_back(k);
    in.excluded = {"ZQIntSheet", "ZQIntSheetMediaType", "ZQTrimming", "ZQJog"};
    in.layoutPanelExist = layout;
    return in;
}

// Group number and slot of each ordinary option, "keyword@group.slot".
std::vector<std::string> Places(const LayoutPlan& plan) {
    std::vector<std::string> out;
    for (const PlacedOption& p : plan.ordinary)
        out.push_back(std::string(p.option->keyword) + "@" + std::to_string(p.group) + "." + std::to_string(p.slot));
    return out;
}

std::vector<std::string> Options(std::initializer_list<const char*> keys, const std::string& kind = "PickOne") {
    std::vector<std::string> out;
    for (const char* k : keys) out.push_back(Option(k, kind));
    return out;
}

TEST(FeaturesLayout, PagesHoldSixSlotsAndNumberTheirTitles) {
    struct Case {
        const char* name;
        std::string groups;
        std::vector<std::string> titles;
        size_t lastSlotCount;  // options on the last page
    };
    const auto eight = Options({"MediaType", "OutputBin", "ZQStaple", "ZQFold", "ZQNumPunchHoles",
                                "ZQLineWeightAdjustment", "ZQSquareFold", "ZQCrease"});
    const std::vector<std::string> six(eight.begin(), eight.begin() + 6);
    const std::vector<std::string> two(eight.begin(), eight.begin() + 2);
    for (const Case& c : {
             Case{"eight", Group("Fin", "Finishing", eight), {"Finishing 1", "Finishing 2"}, 2},
             Case{"six", Group("Fin", "Finishing", six), {"Finishing"}, 6},
             Case{"general", Group("General", "General", two), {"General 1"}, 2},
             Case{"extra", Group("Extra", "Extra", two), {"General 1"}, 2},
         }) {
        PPD ppd(c.groups);
        const LayoutPlan plan = PlanFeaturesPanel(ppd.get(), Input());
        EXPECT_EQ(plan.titles, c.titles) << c.name;
        EXPECT_EQ(plan.status(), 0) << c.name;
        const int32_t last = static_cast<int32_t>(c.titles.size()) - 1;
        EXPECT_EQ(static_cast<size_t>(std::count_if(plan.ordinary.begin(), plan.ordinary.end(),
                                                    [&](const PlacedOption& p) { return p.group == last; })),
                  c.lastSlotCount)
            << c.name;
    }
}

TEST(FeaturesLayout, PickManyKeepsItsSlotEmptyAndUnusableGroupsAddNoPage) {
    std::vector<std::string> fin = Options({"MediaType", "OutputBin", "ZQStaple"});
    fin.insert(fin.begin() + 1, Option("ZQCrease", "PickMany"));
    fin.push_back(Option("ZQFold"));
    fin.push_back(Option("ZQSquareFold"));
    fin.push_back(Option("ZQNumPunchHoles"));
    PPD ppd(Group("Fin", "Finishing", fin) +
            Group("Unused", "Not Ours", Options({"ZQIntSheet", "ZQNotSupported"})) +
            Group("General", "General", Options({"ZQPunch"}, "Boolean")));
    const LayoutPlan plan = PlanFeaturesPanel(ppd.get(), Input());
    // General first; the PickMany takes slot 1; seven slots make two pages.
    EXPECT_EQ(plan.titles, (std::vector<std::string>{"General 1", "Covers and Separator", "Finishing 1", "Finishing 2"}));
    EXPECT_EQ(Places(plan), (std::vector<std::string>{"ZQPunch@0.0", "MediaType@2.0", "ZQCrease@2.1", "OutputBin@2.2",
                                                      "ZQStaple@2.3", "ZQFold@2.4", "ZQSquareFold@2.5",
                                                      "ZQNumPunchHoles@3.0"}));
    EXPECT_EQ(plan.ordinary[2].kind, SlotKind::kEmpty);
    EXPECT_EQ(plan.ordinary[0].kind, SlotKind::kCheckBox);
}

TEST(FeaturesLayout, FixedGroupsTakeTheirKeysAwayFromOrdinaryPages) {
    const std::string covers = Option("ZQIntCoverSheet") + Option("ZQIntBackCoverSheet");
    const std::string toner = Option("ZQTonerSaver") + Option("ZQTonerReductionRate");
    const std::string layout = Option("ZQSignature") + Option("ZQSigDrawOutline", "Boolean");
    struct Case {
        const char* name;
        std::string ppd;
        bool layoutEnabled;
        std::vector<std::string> titles;
        std::vector<std::string> places;
    };
    for (const Case& c : {
             // Without the separator the covers are ordinary options.
             Case{"covers without separator", Group("Fin", "Finishing", {covers}), false, {"Finishing"},
                  {"ZQIntCoverSheet@0.0", "ZQIntBackCoverSheet@0.1"}},
             Case{"covers with separator", Group("Fin", "Finishing", {covers, Option("ZQIntSheet")}), false,
                  {"Covers and Separator"}, {}},
             Case{"toner saver group", Group("ZQTonerSaverGroup", "Toner", {toner}), false, {"Toner Saver"}, {}},
             // The group alone hides the toner keys; without the rate they are nowhere.
             Case{"toner group without rate",
                  Group("ZQTonerSaverGroup", "Toner", {Option("ZQTonerSaver")}) + Group("F", "F", {Option("ZQFold")}),
                  false, {"F"}, {"ZQFold@0.0"}},
             // Toner keys outside such a group are ordinary.
             Case{"toner keys without group", Group("Fin", "Finishing", {toner}), false, {"Finishing"},
                  {"ZQTonerSaver@0.0", "ZQTonerReductionRate@0.1"}},
             Case{"layout enabled", Group("Lay", "Booklet", {layout}), true, {"Layout"}, {}},
             Case{"layout not enabled", Group("Lay", "Booklet", {layout}), false, {"Booklet"},
                  {"ZQSignature@0.0", "ZQSigDrawOutline@0.1"}},
             Case{"layout enabled without signature",
                  Group("Lay", "Booklet", {Option("ZQSigDrawOutline", "Boolean"), Option("ZQFold")}), true, {"Booklet"},
                  {"ZQFold@0.0"}},
             Case{"advanced", Group("Adv", "Advanced", {Option("ZQTrimming", "Boolean"), Option("ZQFold")}), false,
                  {"Advanced", "Advanced Features"}, {"ZQFold@0.0"}},
         }) {
        PPD ppd(c.ppd);
        const LayoutPlan plan = PlanFeaturesPanel(ppd.get(), Input(c.layoutEnabled));
        EXPECT_EQ(plan.titles, c.titles) << c.name;
        EXPECT_EQ(Places(plan), c.places) << c.name;
    }
}

TEST(FeaturesLayout, NoUsableOptionGivesTheStatusButFixedGroupsStand) {
    PPD ppd(Group("Fin", "Finishing",
                  {Option("ZQIntSheet"), Option("ZQIntCoverSheet"), Option("ZQJog"), Option("ZQNotSupported")}));
    const LayoutPlan plan = PlanFeaturesPanel(ppd.get(), Input());
    EXPECT_EQ(plan.status(), kNoUsableOptionStatus);
    EXPECT_EQ(plan.titles, (std::vector<std::string>{"Covers and Separator", "Advanced Features"}));
    ASSERT_TRUE(plan.coversSeparator.present);
    EXPECT_EQ(plan.coversSeparator.realOptions.size(), 2u);
    EXPECT_TRUE(plan.advanced);
    EXPECT_EQ(plan.advancedGroup, 1);
    EXPECT_TRUE(plan.ordinary.empty());
}

}  // namespace
}  // namespace zqfeat
