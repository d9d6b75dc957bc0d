// The paper pop-up, the two-sided list and the information views in a
// window of the tests' own, on the ARK sample PPD (sizes A4, Letter, Legal,
// A5, custom; types None, Stationary, ThickPaper, Transparency, TabbedPaper1,
// CoatingPaper1; colours White, Blue, Yellow, Clear, Custom1) and its
// constraints (Transparency with either duplex, with Blue and with 2 holes;
// tab stock with A5).
#include <gtest/gtest.h>

#include "covers_window.h"
#include "sp_test_window.h"

namespace zqsp::test {
namespace {

TEST(PaperPopup, MenuComesFromThePPD) {
    PaperWindowRig rig(1);
    zqp::PopUpButton* view = rig.PaperView();
    ASSERT_EQ(view->numberOfItems(), 7);
    EXPECT_EQ(view->itemAtIndex(kPaperInterposerItem)->title, "Interposer Tray");  // the PPD's own name
    zqp::Menu* sizes = rig.paper->getSubMenuRef(kSizeKind);
    ASSERT_NE(sizes, nullptr);
    EXPECT_EQ(sizes->numberOfItems(), 6);
    EXPECT_EQ(sizes->itemAtIndex(0)->title, "No Change");
    EXPECT_EQ(sizes->itemAtIndex(0)->tag, 2000);
    EXPECT_EQ(sizes->itemAtIndex(rig.ItemOf(kSizeKind, "A5"))->tag, 2004);
    EXPECT_EQ(sizes->itemAtIndex(rig.ItemOf(kSizeKind, "Custom"))->title, "Custom Size...");
    // The first paper type is the job's own default and is not offered.
    EXPECT_TRUE(rig.paper->getSubMenuRef(kTypeKind)->itemAtIndex(1)->hidden);
    // Defaults: the PPD's default size and colour, and "Stationary".
    EXPECT_EQ(rig.paper->getSelectedMenuItemChoice(kSizeKind, rig.paper->getSelectedMenuItemIndexByType(kSizeKind)), "A4");
    EXPECT_EQ(rig.paper->getSelectedMenuItemChoice(kColorKind, rig.paper->getSelectedMenuItemIndexByType(kColorKind)),
              "White");
    EXPECT_EQ(rig.paper->getSelectedMenuItemChoice(kTypeKind, rig.paper->getSelectedMenuItemIndexByType(kTypeKind)),
              "Stationary");
    EXPECT_EQ(rig.paper->getSelectedMenuItemTitle(kSizeKind, 99), "");
    EXPECT_EQ(rig.paper->getSelectedMenuItemTitle(kSizeKind, -1), "");
}

TEST(PaperPopup, ChoicesSetIndexesInterposerAndOpenWindows) {
    PaperWindowRig rig(1);
    PaperChoiceValue v;
    auto value = [&] {
        rig.paper->getControlValue(&v);
        return std::make_tuple(v.size, v.color, v.type, v.interposer);
    };
    // "No Change" is offered only for paper that has a kind at No Change
    // (a record being edited), not for new paper at its defaults.
    EXPECT_FALSE(rig.Choose(kPaperNoChangeItem));
    rig.paper->setControlValue({-1, 0, 1, false});
    rig.paper->SetControlValueToUI();
    ASSERT_TRUE(rig.Choose(kPaperNoChangeItem));
    EXPECT_EQ(value(), std::make_tuple(int64_t{-1}, int64_t{-1}, int64_t{-1}, false));
    ASSERT_TRUE(rig.Choose(kPaperInterposerItem));
    EXPECT_EQ(value(), std::make_tuple(int64_t{0}, int64_t{0}, int64_t{1}, true));
    // A submenu choice takes the interposer away.
    ASSERT_TRUE(rig.Choose(kPaperColorItem, rig.ItemOf(kColorKind, "Yellow")));
    EXPECT_EQ(value(), std::make_tuple(int64_t{0}, int64_t{2}, int64_t{1}, false));
    // A submenu's "No Change" touches only its own kind.
    ASSERT_TRUE(rig.Choose(kPaperSizeItem, 0));
    EXPECT_EQ(value(), std::make_tuple(int64_t{-1}, int64_t{2}, int64_t{1}, false));
    // Transparencies come clear; another type leaves the colour alone.
    ASSERT_TRUE(rig.Choose(kPaperTypeItem, rig.ItemOf(kTypeKind, "Transparency")));
    EXPECT_EQ(value(), std::make_tuple(int64_t{-1}, int64_t{3}, int64_t{3}, false));
    ASSERT_TRUE(rig.Choose(kPaperTypeItem, rig.ItemOf(kTypeKind, "ThickPaper")));
    EXPECT_EQ(v.color, 3);
    // The custom size opens its window; advanced gets the paper as it is.
    ASSERT_TRUE(rig.Choose(kPaperSizeItem, rig.ItemOf(kSizeKind, "Custom")));
    EXPECT_EQ(rig.panel.custom.opened, 1);
    EXPECT_EQ(rig.panel.custom.popup, rig.paper);
    ASSERT_TRUE(rig.Choose(kPaperAdvancedItem));
    EXPECT_EQ(rig.panel.advanced.opened, 1);
    EXPECT_EQ(rig.panel.advanced.paper.size, 4);
    EXPECT_EQ(rig.panel.advanced.duplex, nullptr);  // the inserts window has no sides
    // The window's value goes back in as it came out.
    rig.paper->setControlValue({1, 2, 4, false});
    EXPECT_EQ(value(), std::make_tuple(int64_t{1}, int64_t{2}, int64_t{4}, false));
    // The chosen-paper view follows every choice.
    ASSERT_TRUE(rig.Choose(kPaperNoChangeItem));
    EXPECT_EQ(rig.chosenView->text(), "Same paper as the job");
}

TEST(PaperPopup, CustomSizeTextsAreBoundedAtACharacterBoundary) {
    PaperWindowRig rig(1);
    EXPECT_EQ(rig.paper->getCustomPageWidth(), "210.0");
    EXPECT_EQ(rig.paper->getCustomPageLength(), "297.0");
    std::string longText(254, '1');
    longText += "\xC3\xA9\xC3\xA9";  // a two-byte character across byte 255
    rig.paper->setCustomPageWidth(longText);
    EXPECT_EQ(rig.paper->getCustomPageWidth(), std::string(254, '1'));
    rig.paper->setCustomPageLength("100.5");
    EXPECT_EQ(rig.paper->getCustomPageLength(), "100.5");
}

TEST(PaperPopup, ConflictingItemsAreGreyedNotRemoved) {
    PaperWindowRig rig(2);
    const int sizeCount = rig.paper->getSubMenuRef(kSizeKind)->numberOfItems();
    // Transparency rules out Blue; tab stock rules out A5 and the custom size.
    ASSERT_TRUE(rig.Choose(kPaperTypeItem, rig.ItemOf(kTypeKind, "Transparency")));
    EXPECT_FALSE(rig.Enabled(kColorKind, "Blue"));
    EXPECT_TRUE(rig.Enabled(kColorKind, "Yellow"));
    ASSERT_TRUE(rig.Choose(kPaperTypeItem, rig.ItemOf(kTypeKind, "TabbedPaper1")));
    EXPECT_TRUE(rig.Enabled(kColorKind, "Blue"));
    EXPECT_FALSE(rig.Enabled(kSizeKind, "A5"));
    EXPECT_FALSE(rig.Enabled(kSizeKind, "Custom"));
    EXPECT_EQ(rig.paper->getSubMenuRef(kSizeKind)->numberOfItems(), sizeCount);
    EXPECT_FALSE(rig.PaperView()->userSelectSubmenuItem(kPaperSizeItem, rig.ItemOf(kSizeKind, "A5")));
    ASSERT_TRUE(rig.Choose(kPaperTypeItem, rig.ItemOf(kTypeKind, "Stationary")));
    EXPECT_TRUE(rig.Enabled(kSizeKind, "A5"));
    EXPECT_TRUE(rig.Enabled(kSizeKind, "Custom"));

    // The two-sided list: long and short edge greyed with transparencies,
    // "No Change" and one-sided never.
    ASSERT_TRUE(rig.Choose(kPaperTypeItem, rig.ItemOf(kTypeKind, "Transparency")));
    EXPECT_TRUE(rig.sides->isItemEnabled(0));
    EXPECT_TRUE(rig.sides->isItemEnabled(1));
    EXPECT_FALSE(rig.sides->isItemEnabled(2));
    EXPECT_FALSE(rig.sides->isItemEnabled(3));
    // ... and the other way round: two-sided printing greys transparencies.
    ASSERT_TRUE(rig.Choose(kPaperTypeItem, rig.ItemOf(kTypeKind, "Stationary")));
    ASSERT_TRUE(rig.SidesView()->userSelect(2));
    EXPECT_FALSE(rig.Enabled(kTypeKind, "Transparency"));
    EXPECT_TRUE(rig.Enabled(kTypeKind, "ThickPaper"));
    ASSERT_TRUE(rig.SidesView()->userSelect(1));
    EXPECT_TRUE(rig.Enabled(kTypeKind, "Transparency"));
}

TEST(PaperPopup, NoChangeKindsAreTestedAgainstTheSelectedRecords) {
    PaperWindowRig rig(2);
    // Two records: one on transparencies, one printed on the short edge.
    rig.SelectRecords({{{"type", "2"}, {"page", "3"}, {"pagesize", "-1"}, {"pagecolor", "-1"}, {"pagetype", "3"},
                        {"twoSidePrint", "1"}},
                       {{"type", "2"}, {"page", "7"}, {"pagesize", "-1"}, {"pagecolor", "-1"}, {"pagetype", "2"},
                        {"twoSidePrint", "3"}}});
    rig.paper->setControlValue({-1, -1, -1, false});
    rig.paper->SetControlValueToUI();
    rig.sides->setSelectStatus(1);  // the records' sides differ: No Change is offered
    rig.sides->SetControlValueToUI();
    ASSERT_TRUE(rig.SidesView()->userSelect(0));
    EXPECT_FALSE(rig.Enabled(kColorKind, "Blue"));           // first record's transparencies
    EXPECT_FALSE(rig.Enabled(kTypeKind, "Transparency"));    // second record's short edge
    EXPECT_EQ(rig.paper->getCurrentSelectionArray()[2], (std::vector<std::string>{"Transparency", "ThickPaper"}));
    // A kind with a choice of its own no longer looks at the records.
    ASSERT_TRUE(rig.Choose(kPaperTypeItem, rig.ItemOf(kTypeKind, "ThickPaper")));
    EXPECT_TRUE(rig.Enabled(kColorKind, "Blue"));
}

TEST(PaperPopup, OtherOptionsAndTheHolePunchFollowTheMarks) {
    PaperWindowRig rig(1);
    zqp::MenuItem* interposer = rig.PaperView()->itemAtIndex(kPaperInterposerItem);
    EXPECT_FALSE(interposer->hidden);  // the covers tray defaults to on
    EXPECT_TRUE(interposer->enabled);
    rig.Mark("ZQNumPunchHoles", "CoilPunch");
    EXPECT_FALSE(interposer->enabled);
    // Given back as soon as the punch no longer rules it out.
    rig.Mark("ZQNumPunchHoles", "2Holes");
    EXPECT_TRUE(interposer->enabled);
    // Two holes rule out transparencies (an option outside the paper).
    EXPECT_FALSE(rig.Enabled(kTypeKind, "Transparency"));
    rig.Mark("ZQNumPunchHoles", "None");
    EXPECT_TRUE(rig.Enabled(kTypeKind, "Transparency"));
}

TEST(PaperPopup, ExceptionPagesNeverOfferTheInterposer) {
    PaperWindowRig rig(2);
    EXPECT_TRUE(rig.PaperView()->itemAtIndex(kPaperInterposerItem)->hidden);
    EXPECT_FALSE(rig.Choose(kPaperInterposerItem));
    ASSERT_TRUE(rig.Choose(kPaperAdvancedItem));
    EXPECT_EQ(rig.panel.advanced.duplex, rig.sides);
}

TEST(InterposerItem, HiddenUnlessTheTrayOrAPunchingFinisherIsThere) {
    const std::vector<std::string> finishers = {"PunchFinisher1", "PunchFinisher2"};
    const std::string on = "True", off = "False";
    struct Case {
        bool ppd;
        const std::string* tray;
        std::string output;
        bool hidden;
    } cases[] = {
        {false, nullptr, "", true},       {true, &on, "", false},
        {true, &off, "PunchFinisher1", true}, {true, nullptr, "", true},
        {true, nullptr, "PunchFinisher2", false}, {true, nullptr, "Stacker", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HideInterposerItem(c.ppd, c.tray, c.output, finishers), c.hidden) << c.output;
}

TEST(InformationViews, ChosenAndJobPaperTexts) {
    PaperWindowRig rig(1);
    EXPECT_EQ(rig.jobView->text(), "Page Size: A4\nPaper Color: White\nPaper Type: Plain Paper");
    // Only the colour at No Change: two lines.
    rig.paper->setControlValue({0, -1, 1, false});
    rig.paper->SetControlValueToUI();
    rig.chosenView->Update();
    EXPECT_EQ(rig.chosenView->text(), "Page Size: A4\nPaper Type: Plain Paper\n");
    ASSERT_TRUE(rig.Choose(kPaperInterposerItem));
    EXPECT_EQ(rig.chosenView->text(), "Interposer Tray\n");
    // Two nested disables need two enables before the text is black again.
    rig.chosenView->Disable();
    rig.chosenView->Disable();
    rig.chosenView->Enable();
    auto color = [&] { return dynamic_cast<zqp::TextView*>(rig.chosenView->GetControlPtr())->textColor(); };
    EXPECT_EQ(color(), zqp::kDisabledTextColor);
    rig.chosenView->Enable();
    EXPECT_EQ(color(), zqp::kControlTextColor);
}

}  // namespace
}  // namespace zqsp::test

namespace zqsp::test {
namespace {

const zqpde::ListCtrlIniData& kPrintingIni = kCoverPrintingIni;
constexpr int32_t kOptionTag = 30, kFrontTag = 31, kBackTag = 32, kFrontPaperTag = 33, kBackPaperTag = 34;
// A change of the cover option updates both printing-option lists.
const int32_t* const kBothLists[] = {&kFrontTag, &kBackTag, nullptr};
const zqpde::ConstrainTagList kOptionUpdates[] = {kBothLists, kBothLists, kBothLists, kBothLists, kBothLists};
const zqpde::ConstrainInfo kOptionConstrainInfo = {{}, {}, zqpde::ConstrainListsOf(kOptionUpdates)};

class CoversWindow : public zqpde::PopupWinInPanel, public SPCoversWindowServices {
public:
    using zqpde::PopupWinInPanel::PopupWinInPanel;
    SPCoversWinListCtrlARK* getSPCoversOptionsListPtr() override { return option; }
    SPCoversWinListCtrlARK* getSPCoverWndFrontPrintingOptionListPtr() override { return front; }
    SPCoversWinListCtrlARK* getSPCoverWndBackPrintingOptionListPtr() override { return back; }
    SPSubMenuListCtrlARK* getSPCoverWndFrontSelectPaperListPtr() override { return frontPaper; }
    SPSubMenuListCtrlARK* getSPCoverWndBackSelectPaperListPtr() override { return backPaper; }
    std::vector<SPRecord>* getCoversDataRecordsPtr() override { return &records; }

    SPCoversWinListCtrlARK *option = nullptr, *front = nullptr, *back = nullptr;
    SPSubMenuListCtrlARK *frontPaper = nullptr, *backPaper = nullptr;
    std::vector<SPRecord> records;
};

TEST(CoverLists, InterposerAndSamePaperRules) {
    PaperWindowRig rig(1);
    zqp::Window view;
    view.setContentView(std::make_unique<zqp::View>());
    zqp::View* root = view.contentView();
    CoversWindow w(&view, "Add Covers Windows");
    auto make = [&](int32_t tag) {
        auto v = std::make_unique<zqp::PopUpButton>();
        v->setTag(tag);
        return root->addSubview(std::move(v));
    };
    auto option = std::make_unique<SPCoversWinListCtrlARK>();
    option->CreateControl(make(kOptionTag), &kCoverOptionIni, &kOptionConstrainInfo, nullptr, nullptr, "Duplex",
                          nullptr, nullptr);
    w.option = w.AddNewControl(std::move(option));
    const int32_t* paperTags[2] = {&kFrontPaperTag, &kBackPaperTag};
    const int32_t* listTags[2] = {&kFrontTag, &kBackTag};
    for (int side = 0; side < 2; ++side) {
        auto paper = std::make_unique<SPCoversSelectPaperListCtrlARK>();
        paper->CreateControl(make(*paperTags[side]), "PageSize", "ZQMediaColor", "MediaType", &kPaperIniData, nullptr,
                             nullptr, nullptr, 0, listTags[side]);
        (side == 0 ? w.frontPaper : w.backPaper) = w.AddNewControl(std::move(paper));
        auto list = std::make_unique<SPCoversWinListCtrlARK>();
        list->CreateControl(make(*listTags[side]), &kPrintingIni, nullptr, nullptr, nullptr, "Duplex",
                            &CoverPrintingDuplexChoices(), paperTags[side]);
        (side == 0 ? w.front : w.back) = w.AddNewControl(std::move(list));
    }
    rig.panel.RunTimeAddNewWindow(&w);
    w.SeteppdPtr(&rig.hash);
    w.SetCurrentPrintSettings(rig.host.printSettings(), rig.ppd(), &rig.host, rig.host.printSession());
    w.InitializeUserPane(Resources(), rig.ppd());
    w.records = {{{"type", "0"}, {"page", "0"}, {"coversoption", "3"}, {"printingoptions", "2"}},
                 {{"type", "0"}, {"page", "1"}, {"coversoption", "3"}, {"printingoptions", "2"}}};
    w.SetUIDataToIniData();
    w.SetCurrentValueToUI();
    auto popup = [](SPCoversWinListCtrlARK* c) { return dynamic_cast<zqp::PopUpButton*>(c->GetControlPtr()); };
    EXPECT_EQ(popup(w.option)->indexOfSelectedItem(), 3);
    EXPECT_EQ(popup(w.front)->indexOfSelectedItem(), 2);

    // Front and back the same: the back follows the front.
    ASSERT_TRUE(popup(w.front)->userSelect(3));
    w.back->Update();
    EXPECT_EQ(popup(w.back)->indexOfSelectedItem(), 3);

    // A cover from the interposer is blank: the printing items go grey and
    // the list falls back to the first item still offered, not to a grey one.
    w.frontPaper->setInterPoser(true);
    w.front->Update();
    for (int i = 1; i <= 3; ++i) EXPECT_FALSE(w.front->isItemEnabled(i)) << i;
    EXPECT_EQ(popup(w.front)->indexOfSelectedItem(), 0);
    w.frontPaper->setInterPoser(false);
    w.front->Update();
    EXPECT_TRUE(w.front->isItemEnabled(1));

    // Transparencies rule out both two-sided printing options.
    w.backPaper->setSelectedMenuItemIndexByType(kTypeKind, 3);
    w.back->UpdateConflictsFromPPD();
    EXPECT_TRUE(w.back->isItemEnabled(1));
    EXPECT_FALSE(w.back->isItemEnabled(2));
    EXPECT_FALSE(w.back->isItemEnabled(3));
    rig.panel.terminate();
}

}  // namespace
}  // namespace zqsp::test
