#include "zqpde/ppd_controls.h"

#include <gtest/gtest.h>
#include <zqp/events.h>
#include <zqp/ppd.h>
#include <zqp/window.h>

#include "panel_rig.h"
#include "zqpde/constraint_hash.h"

namespace zqpde {
namespace {

using test::PanelRig;

// Paper Envelope forbids two-sided printing; the colour default is the
// second choice; staple is a Boolean listed True first; copies are numbers.
std::string PPDOptions() {
    return "*OpenGroup: General/General\n"
           "*OpenUI *ZQColor/Color Mode: PickOne\n*DefaultZQColor: Color\n"
           "*ZQColor Mono/Black and White: \"\"\n*ZQColor Color/Full Color: \"\"\n*CloseUI: *ZQColor\n"
           "*OpenUI *ZQPaper/Paper: PickOne\n*DefaultZQPaper: Plain\n"
           "*ZQPaper Plain/Plain Paper: \"\"\n*ZQPaper Envelope/Envelope: \"\"\n*CloseUI: *ZQPaper\n"
           "*OpenUI *Duplex/Two-Sided: PickOne\n*DefaultDuplex: None\n"
           "*Duplex None/Off: \"\"\n*Duplex DuplexNoTumble/Long Edge: \"\"\n*Duplex DuplexTumble/Short Edge: \"\"\n"
           "*CloseUI: *Duplex\n"
           "*OpenUI *ZQStaple/Staple: Boolean\n*DefaultZQStaple: False\n"
           "*ZQStaple True/Staple On: \"\"\n*ZQStaple False/Staple Off: \"\"\n*CloseUI: *ZQStaple\n"
           "*OpenUI *ZQSeal/Seal: Boolean\n*DefaultZQSeal: True\n*ZQSeal True/Sealed: \"\"\n*CloseUI: *ZQSeal\n"
           "*OpenUI *ZQFold/Fold: Boolean\n*DefaultZQFold: False\n"
           "*ZQFold False/Fold x\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9: \"\"\n*ZQFold True/On: \"\"\n*CloseUI: *ZQFold\n"
           "*OpenUI *ZQCopies/Copies: PickOne\n*DefaultZQCopies: 2\n"
           "*ZQCopies 1/One: \"\"\n*ZQCopies 2/Two: \"\"\n*ZQCopies 3/Three: \"\"\n*CloseUI: *ZQCopies\n"
           "*CloseGroup: General\n"
           "*UIConstraints: *ZQPaper Envelope *Duplex DuplexNoTumble\n"
           "*UIConstraints: *Duplex DuplexNoTumble *ZQPaper Envelope\n";
}

// One table for every PPD pop-up: its default field is never written.
const ListCtrlIniData kPPDListIni = {0, 1, 0, nullptr};
const int32_t kColorTitleTag = 12;

struct PPDPanel : PanelRig {
    PPDPanel() : PanelRig(PPDOptions()) {
        BuildConstraintHashFromPPD(ppd.get(), hash);
        colorView = AddView<zqp::PopUpButton>(11);
        paperView = AddView<zqp::PopUpButton>(21);
        duplexView = AddView<zqp::PopUpButton>(31);
        stapleView = AddView<zqp::Button>(41, zqp::ButtonType::kCheck);
        copiesView = AddView<zqp::Stepper>(51);
        titleView = AddView<zqp::TextField>(kColorTitleTag);
        color = AddPopUp(colorView, "ZQColor", &kColorTitleTag);
        paper = AddPopUp(paperView, "ZQPaper", nullptr);
        duplex = AddPopUp(duplexView, "Duplex", nullptr);
        staple = panel.AddNewControl(std::make_unique<PPDCheckBox>(stapleView, "ZQStaple", nullptr, nullptr, nullptr, nullptr));
        copies = panel.AddNewControl(std::make_unique<PPDLittleArrayControl>(copiesView, &kCopiesIni, "ZQCopies",
                                                                             nullptr, nullptr, nullptr));
        auto label = std::make_unique<PPDStaticTextCtrl>();
        label->CreateControl(titleView, "ZQColor", nullptr, nullptr, nullptr, nullptr, nullptr);
        panel.AddNewControl(std::move(label));
        panel.SeteppdPtr(&hash);
        panel.InitializeUserPane(nullptr, ppd.get());
        Restore();
    }
    PPDPopupControl* AddPopUp(zqp::PopUpButton* view, const char* key, const int32_t* title) {
        auto c = std::make_unique<PPDPopupControl>();
        c->CreateControl(view, key, &kPPDListIni, nullptr, nullptr, nullptr, title);
        return panel.AddNewControl(std::move(c));
    }
    // What the dialog does when the panel is shown.
    void Show() {
        panel.GetValueFromPreset();
        panel.SetCurrentValueToUI();
        panel.Open();
    }
    std::string Marked(const char* option) {
        ppd_choice_t* c = ppdFindMarkedChoice(ppd.get(), option);
        return c != nullptr ? c->choice : "";
    }

    static constexpr LittleArrayIniData kCopiesIni = {0, 1, 0, 1, 3, 1};
    ConstraintHash hash;
    zqp::PopUpButton *colorView, *paperView, *duplexView;
    zqp::Button* stapleView;
    zqp::Stepper* copiesView;
    zqp::TextField* titleView;
    PPDPopupControl *color, *paper, *duplex;
    PPDCheckBox* staple;
    PPDLittleArrayControl* copies;
};

TEST(PPDControls, ChoicesDefaultsAndTitleComeFromThePPD) {
    PPDPanel p;
    ASSERT_EQ(p.colorView->numberOfItems(), 2);
    EXPECT_EQ(p.colorView->itemAtIndex(1)->title, "Full Color");
    EXPECT_EQ(p.colorView->itemAtIndex(1)->representedObject, "Color");
    EXPECT_EQ(p.titleView->stringValue(), "Color Mode:");
    // Each pop-up keeps its own PPD default; the shared table says 1.
    EXPECT_EQ(p.color->GetDefaultValue(), 2);
    EXPECT_EQ(p.paper->GetDefaultValue(), 1);
    EXPECT_EQ(kPPDListIni.defaultData, 1);

    p.Show();
    EXPECT_EQ(p.colorView->indexOfSelectedItem(), 1);
    EXPECT_EQ(p.copiesView->integerValue(), 2);
    EXPECT_EQ(p.stapleView->state(), 0);
    EXPECT_EQ(p.color->GetUISelectStr(), std::string("Color"));
    EXPECT_EQ(p.color->GetIndexByStr("Mono"), 0);
    EXPECT_EQ(p.color->GetIndexByStr("Sepia"), -1);

    // Nothing reaches the ticket.
    p.panel.SetValueFromUIToControl();
    p.panel.SetValueToTicket(&p.host.settings(), false);
    EXPECT_EQ(p.host.settings().Size(), 0u);
}

TEST(PPDControls, APickIsMarkedThroughTheHostAndARefusalGoesBack) {
    PPDPanel p;
    p.Show();
    ASSERT_TRUE(p.colorView->userSelect(0));
    EXPECT_EQ(p.Marked("ZQColor"), "Mono");
    EXPECT_TRUE(p.color->ValueDidChange());
    ASSERT_EQ(p.host.markRequests().size(), 1u);
    EXPECT_EQ(p.host.markRequests()[0].option, "ZQColor");

    p.host.refuse("ZQColor=Color");
    ASSERT_TRUE(p.colorView->userSelect(1));
    EXPECT_EQ(p.colorView->indexOfSelectedItem(), 0);  // back to the previous item
    EXPECT_EQ(p.Marked("ZQColor"), "Mono");

    // Restoring marks the committed value again.
    p.panel.SetValueFromUIToControl();
    ppdMarkOption(p.ppd.get(), "ZQColor", "Color");
    EXPECT_TRUE(p.color->RestorePPD(p.ppd.get()));
    EXPECT_EQ(p.Marked("ZQColor"), "Mono");
}

TEST(PPDControls, AConflictingChoiceIsGreyedAfterAMarkWithoutReopening) {
    PPDPanel p;
    p.Show();
    EXPECT_TRUE(p.duplexView->itemAtIndex(1)->enabled);
    ASSERT_TRUE(p.paperView->userSelect(1));  // Envelope
    EXPECT_FALSE(p.duplexView->itemAtIndex(1)->enabled);
    EXPECT_TRUE(p.duplexView->itemAtIndex(2)->enabled);
    EXPECT_FALSE(p.duplexView->userSelect(1));  // a person cannot pick it
    ASSERT_TRUE(p.paperView->userSelect(0));
    EXPECT_TRUE(p.duplexView->itemAtIndex(1)->enabled);
}

// A menu that leaves the option's first choice out: item i is choice i + 1.
class WithoutFirstChoice : public PPDPopupControl {
public:
    bool ReInitializeMenu(zqp::Bundle*) override {
        zqp::PopUpButton* p = PopUp();
        if (p == nullptr || ctrlPPDInfoArrayRef.empty()) return true;
        p->removeAllItems();
        for (size_t i = 1; i < ctrlPPDInfoArrayRef.size(); ++i)
            p->addItemWithTitle(ctrlPPDInfoArrayRef[i][2], ctrlPPDInfoArrayRef[i][1]);
        return true;
    }
    int32_t ChoiceOfItem(int32_t item) const override {
        return item >= 0 && static_cast<size_t>(item) + 1 < ctrlPPDInfoArrayRef.size() ? item + 1 : -1;
    }
    int32_t ItemOfChoice(int32_t choice) const override {
        return choice >= 1 && static_cast<size_t>(choice) < ctrlPPDInfoArrayRef.size() ? choice - 1 : -1;
    }
};

// The default, the restore, the preset, the greying and the summary all
// follow the list's own mapping, not the choice's place among all choices.
TEST(PPDControls, AMenuThatLeavesAChoiceOutMapsItsDefaultAsItsValues) {
    std::string options = PPDOptions();
    options.replace(options.find("*DefaultDuplex: None"), 20, "*DefaultDuplex: DuplexTumble");
    test::PanelRig rig(options);
    ConstraintHash hash;
    BuildConstraintHashFromPPD(rig.ppd.get(), hash);
    auto* paperView = rig.AddView<zqp::PopUpButton>(21);
    auto* duplexView = rig.AddView<zqp::PopUpButton>(31);
    auto paper = std::make_unique<PPDPopupControl>();
    paper->CreateControl(paperView, "ZQPaper", &kPPDListIni, nullptr, nullptr, nullptr, nullptr);
    rig.panel.AddNewControl(std::move(paper));
    auto list = std::make_unique<WithoutFirstChoice>();
    list->CreateControl(duplexView, "Duplex", &kPPDListIni, nullptr, nullptr, nullptr, nullptr);
    WithoutFirstChoice* duplex = rig.panel.AddNewControl(std::move(list));
    rig.panel.SeteppdPtr(&hash);
    rig.panel.InitializeUserPane(nullptr, rig.ppd.get());
    rig.Restore();

    ASSERT_EQ(duplexView->numberOfItems(), 2);
    EXPECT_EQ(duplex->GetDefaultValue(), 2);  // "Short Edge", item 2 of the menu
    ppdMarkOption(rig.ppd.get(), "Duplex", "DuplexNoTumble");
    rig.panel.Open();
    EXPECT_EQ(duplexView->indexOfSelectedItem(), 0);
    EXPECT_EQ(duplex->GetUISelectStr(), std::string("DuplexNoTumble"));

    ASSERT_TRUE(duplex->SetDefaultValueToUI());
    EXPECT_EQ(duplexView->indexOfSelectedItem(), 1);
    EXPECT_EQ(zqp::MarkedChoice(rig.ppd.get(), "Duplex"), "DuplexTumble");
    rig.panel.SetValueFromUIToControl();
    SummaryDictionary summary;
    SummaryOrder order;
    rig.panel.GetSummaryText(&summary, &order);
    EXPECT_EQ(summary["Two-Sided"], "Short Edge");

    // An envelope forbids long-edge printing: its item, the first, is greyed.
    rig.panel.UpdateConflictsPanelControlFromPPD(rig.ppd.get());
    ASSERT_TRUE(paperView->userSelect(1));
    EXPECT_FALSE(duplexView->itemAtIndex(0)->enabled);
    EXPECT_TRUE(duplexView->itemAtIndex(1)->enabled);
}

TEST(PPDControls, CheckBoxMapsStatesToChoicesByKeyword) {
    PPDPanel p;
    p.Show();
    ASSERT_TRUE(p.stapleView->performClick());  // state 1: "True", listed first
    EXPECT_EQ(p.Marked("ZQStaple"), "True");
    ASSERT_TRUE(p.stapleView->performClick());  // state 0: "False", choice 1
    EXPECT_EQ(p.Marked("ZQStaple"), "False");

    p.host.refuse("ZQStaple");
    ASSERT_TRUE(p.stapleView->performClick());
    EXPECT_EQ(p.stapleView->state(), 0);
    EXPECT_EQ(p.Marked("ZQStaple"), "False");

    // An option with one choice: state 0 names no choice and marks nothing.
    zqp::Button sealView(zqp::ButtonType::kCheck);
    sealView.setTag(42);
    PPDCheckBox seal(&sealView, "ZQSeal", nullptr, nullptr, nullptr, nullptr);
    seal.SetParenetPanel(&p.panel);
    seal.InitializeCtrl(nullptr, p.ppd.get());
    EXPECT_EQ(seal.ChoiceIndexForState(1), 0);
    EXPECT_EQ(seal.ChoiceIndexForState(0), -1);
    const size_t before = p.host.markRequests().size();
    EXPECT_TRUE(seal.PPDMarkOptionByIndex(p.ppd.get(), 0));
    EXPECT_EQ(p.host.markRequests().size(), before);
}

// The fold box disables tag 61 while on.
const int32_t kTag61 = 61;
const int32_t* const kL61[] = {&kTag61, nullptr};
const ConstrainTagList kFoldDisable[] = {nullptr, kL61};
const ConstrainInfo kFoldConstrain = {ConstrainListsOf(kFoldDisable), {}, {}};

TEST(PPDControls, ARefusedCheckBoxPutsItsStateAndItsConstraintsBack) {
    PanelRig rig(PPDOptions());
    ConstraintHash hash;
    auto* view = rig.AddView<zqp::Button>(60, zqp::ButtonType::kCheck);
    auto* fold = rig.panel.AddNewControl(std::make_unique<PPDCheckBox>(view, "ZQFold", nullptr, &kFoldConstrain,
                                                                       nullptr, nullptr));
    auto* target = rig.panel.AddNewControl(
        std::make_unique<CheckBox>(rig.AddView<zqp::Button>(61), nullptr, nullptr, nullptr, nullptr));
    rig.panel.SeteppdPtr(&hash);
    rig.panel.InitializeUserPane(nullptr, rig.ppd.get());
    rig.Restore();
    rig.panel.GetValueFromPreset();
    rig.panel.SetCurrentValueToUI();
    rig.panel.Open();

    rig.host.refuse("ZQFold=True");
    ASSERT_TRUE(view->performClick());
    EXPECT_EQ(view->state(), 0);
    EXPECT_TRUE(target->GetControlPtr()->isEnabled());
    EXPECT_EQ(target->GetDisableCount(), 0);

    ppd_choice_t* marked = ppdFindMarkedChoice(rig.ppd.get(), "ZQFold");
    ASSERT_NE(marked, nullptr);
    EXPECT_STREQ(marked->choice, "False");

    // The summary text (Latin-1 in the PPD, nine "é" after six letters: 24
    // bytes of UTF-8) is cut to 23 bytes at a character boundary.
    rig.panel.SetValueFromUIToControl();
    SummaryDictionary d;
    SummaryOrder o;
    fold->GetSummaryText(&d, &o);
    std::string eight;
    for (int i = 0; i < 8; ++i) eight += "\xC3\xA9";
    EXPECT_EQ(d["Fold"], "Fold x" + eight);
}

TEST(PPDControls, StepperBeepsAtItsEndAndSummariesSkipHiddenPopUps) {
    PPDPanel p;
    p.Show();
    zqp::Application::Shared().reset();
    ASSERT_TRUE(p.copiesView->userStep(true));  // 2 -> 3
    EXPECT_EQ(p.copies->GetLastValue(), 3);
    EXPECT_EQ(zqp::Application::Shared().beepCount(), 0);
    ASSERT_TRUE(p.copiesView->userStep(true));  // stays at 3
    EXPECT_EQ(zqp::Application::Shared().beepCount(), 1);

    p.panel.SetValueFromUIToControl();
    SummaryDictionary d;
    SummaryOrder o;
    p.panel.GetSummaryText(&d, &o);
    EXPECT_EQ(d["Color Mode"], "Full Color");
    EXPECT_EQ(d["Copies"], "Three");
    EXPECT_EQ(d["Staple"], "Staple Off");

    p.duplex->Hide();
    p.paper->Disable();
    d.clear();
    o.clear();
    p.panel.GetSummaryText(&d, &o);
    EXPECT_EQ(d.count("Two-Sided"), 0u);
    EXPECT_EQ(d.count("Paper"), 0u);
    EXPECT_EQ(o.front(), "Color Mode");
}

// A choice keyword is a stepper value only when it reads as one the
// stepper holds: "4294967298" is not 2, and neither its default nor its
// mark moves the stepper off its own default.
TEST(PPDControls, AStepperTakesOnlyChoiceKeywordsThatAreItsValues) {
    PanelRig rig("*OpenUI *ZQCopies/Copies: PickOne\n*DefaultZQCopies: 4294967298\n"
                 "*ZQCopies 3/Three: \"\"\n*ZQCopies 4294967298/Many: \"\"\n*CloseUI: *ZQCopies\n");
    ConstraintHash hash;
    BuildConstraintHashFromPPD(rig.ppd.get(), hash);
    auto* view = rig.AddView<zqp::Stepper>(51);
    static constexpr LittleArrayIniData kIni = {0, 1, 0, 1, 3, 1};
    PPDLittleArrayControl* copies = rig.panel.AddNewControl(
        std::make_unique<PPDLittleArrayControl>(view, &kIni, "ZQCopies", nullptr, nullptr, nullptr));
    rig.panel.SeteppdPtr(&hash);
    rig.panel.InitializeUserPane(nullptr, rig.ppd.get());
    rig.Restore();
    rig.panel.GetValueFromPreset();
    rig.panel.Open();
    EXPECT_EQ(copies->GetValue(), 1);
    EXPECT_EQ(view->integerValue(), 1);
    // A keyword that is a value the stepper holds is taken.
    ppdMarkOption(rig.ppd.get(), "ZQCopies", "3");
    rig.panel.Open();
    EXPECT_EQ(copies->GetValue(), 3);
    SummaryDictionary d;
    SummaryOrder o;
    copies->GetSummaryText(&d, &o);
    EXPECT_EQ(d["Copies"], "Three");
}

TEST(PPDControls, SliderTakesItsRangeFromItsTableAndWritesNoTicket) {
    PanelRig rig(PPDOptions());
    ConstraintHash hash;
    rig.panel.SeteppdPtr(&hash);
    auto* view = rig.AddView<zqp::Slider>(70);
    static const SliderBarIniData kSliderIni = {0, 2, 1, 1, 3};
    static const AccessInfo kSliderAccess = {kValueTypeNumber, kValueTypeNumber, "com.zq.test.SliderTicket", nullptr};
    auto c = std::make_unique<PPDSliderBarControl>();
    c->CreateControl(view, "ZQCopies", &kSliderIni, nullptr, &kSliderAccess, nullptr);
    auto* slider = rig.panel.AddNewControl(std::move(c));
    rig.panel.InitializeUserPane(nullptr, rig.ppd.get());
    EXPECT_EQ(view->minValue(), 1);
    EXPECT_EQ(view->maxValue(), 3);
    ASSERT_NE(slider->getPPDOptions(), nullptr);
    EXPECT_EQ(slider->getPPDChoices().size(), 3u);
    rig.Restore();
    rig.panel.SetUIDataToIniData();
    rig.panel.GetValueFromPreset();  // no preset of its own: the default
    rig.panel.SetCurrentValueToUI();
    EXPECT_EQ(view->integerValue(), 2);
    ASSERT_TRUE(view->userSlide(3));
    rig.panel.SetValueFromUIToControl();
    EXPECT_EQ(slider->GetValue(), 3);
    rig.panel.SetValueToTicket(&rig.host.settings(), false);
    EXPECT_FALSE(rig.host.settings().Has("com.zq.test.SliderTicket"));
    view->setEnabled(false);
    const int32_t one = 1;
    slider->SetExternalValueToUI(&one, 4);  // a disabled slider keeps its position
    EXPECT_EQ(view->integerValue(), 3);
}

TEST(PPDControls, WithoutTheConstraintHashAPopUpHasNoValue) {
    PanelRig rig(PPDOptions());
    auto* view = rig.AddView<zqp::PopUpButton>(11);
    auto c = std::make_unique<PPDPopupControl>();
    c->CreateControl(view, "ZQColor", &kPPDListIni, nullptr, nullptr, nullptr, nullptr);
    PPDPopupControl* pop = rig.panel.AddNewControl(std::move(c));
    EXPECT_FALSE(pop->InitializeCtrl(nullptr, rig.ppd.get()));
    EXPECT_EQ(pop->GetControlBlkPtr(), nullptr);
    EXPECT_FALSE(pop->GetValueToPreset());
    EXPECT_TRUE(pop->PPDMarkOptionByIndex(rig.ppd.get(), 0));  // empty list: nothing asked
    EXPECT_TRUE(rig.host.markRequests().empty());
}

}  // namespace
}  // namespace zqpde
