#include "zqpde/standard_controls.h"

#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/events.h>
#include <zqp/test_driver.h>
#include <zqp/window.h>


#include "emulated_release.h"
#include "bundle_fixture.h"
#include "panel_rig.h"
#include "test_window_parts.h"
#include "zqpde/text_entry.h"

namespace zqpde {
namespace {

using test::PanelRig;

// Printable ASCII and the half-width katakana without their sound marks.
const TextEditFilterData kNameFilter = {{1, {{0x20, 0x7E}}}, {2, {{0x20, 0x7E}, {0xFF61, 0xFF9D}}}, "Name Error"};

TEST(TextEntry, ComposedSequencesPassOnlyWithAHalfWidthSoundMark) {
    EXPECT_TRUE(validateInput("", &kNameFilter));
    EXPECT_TRUE(validateInput("Ab 9", &kNameFilter));
    EXPECT_TRUE(validateInput("\xEF\xBD\xB6\xEF\xBE\x9E", &kNameFilter));  // KA + voiced mark: one sequence
    EXPECT_FALSE(validateInputForUTF8("\xEF\xBD\xB6\xEF\xBE\x9E", &kNameFilter));  // unit by unit the mark fails
    EXPECT_FALSE(validateInput("e\xCC\x81", &kNameFilter));          // e + combining acute
    EXPECT_FALSE(validateInput("\xF0\x9F\x98\x80", &kNameFilter));   // outside the BMP
    EXPECT_FALSE(validateInput("\xC3\xA9", &kNameFilter));
    EXPECT_FALSE(validateInput("\xC3(", &kNameFilter));
    const TextEditFilterData none = {{0, {}}, {0, {}}, nullptr};
    EXPECT_FALSE(validateInput("a", &none));
    EXPECT_TRUE(validateInput("", &none));
    EXPECT_EQ(getOldLocationlength("a\xEF\xBD\xB6\xEF\xBE\x9E" "b", 3), 3u);
    EXPECT_EQ(getOldLocationlength("abc", 0), 0u);
}

TEST(TextEntry, TheFormatterRefusesKeysOutsideTheFilterOrTheWidthWithABeep) {
    zqp::Application::Shared().reset();
    zqp::TextField field;
    field.setFormatter(TextEditFormatter::initWithFilter(&kNameFilter, 4));
    EXPECT_EQ(field.typeText("ab\xC3\xA9" "cde"), 4u);  // é refused, e refused as too wide
    EXPECT_EQ(field.stringValue(), "abcd");
    EXPECT_EQ(zqp::Application::Shared().beepCount(), 2);
    std::string error;
    EXPECT_FALSE(field.formatter()->isPartialStringValid("\xC3\xA9", nullptr, &error));
    EXPECT_EQ(error, "String too long.");
}

// A bundle with the texts the controls look up.
class ControlBundle : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        files_ = new test::BundleOnDisk(
            "Controls", R"({"CFBundleIdentifier": "com.zq.test.controls", "CFBundleVersion": "1.2 Build 3"})",
            {{"Localizable.strings", R"({"Alert OK Btn": "OK",
            "Name Error": "Enter 3 to 8 letters.", "Item A": "Alpha", "Box Title": "Finishing",
            "Label Key": "Copies:", "Radio A": "Portrait", "Win Title": "Name"})"}});
        bundle_ = files_->get();
        ASSERT_NE(bundle_, nullptr) << files_->error();
    }
    static void TearDownTestSuite() { delete files_; }
    void SetUp() override {
        zqp::Application::Shared().reset();
        zqp::EventLog::Shared().Clear();
    }
    static test::BundleOnDisk* files_;
    static zqp::Bundle* bundle_;
};
test::BundleOnDisk* ControlBundle::files_ = nullptr;
zqp::Bundle* ControlBundle::bundle_ = nullptr;

const TextEditIniData kNameIni = {"", "Guest", 3, 8};
const AccessInfo kNameAccess = {kValueTypeText, kValueTypeText, "com.zq.test.NameTicket", nullptr};

TEST_F(ControlBundle, TextFieldCommitsCheckedTextAndCutsAtACharacter) {
    PanelRig rig;
    zqp::TextField* view = rig.AddView<zqp::TextField>(11);
    auto c = std::make_unique<TextEditCtrl>();
    c->CreateControl(view, &kNameIni, nullptr, &kNameAccess, nullptr, &kNameFilter);
    TextEditCtrl* text = rig.panel.AddNewControl(std::move(c));
    rig.panel.InitializeUserPane(bundle_, rig.ppd.get());
    rig.Restore();
    rig.panel.GetValueFromPreset();  // no ticket entry: the default text
    rig.panel.SetCurrentValueToUI();
    EXPECT_EQ(view->stringValue(), "Guest");

    zqp::ScriptedDriver driver;
    view->setStringValue("");
    text->GetValueFromUI();
    EXPECT_TRUE(text->InvalidateData());  // empty passes whatever the minimum
    view->setStringValue("ab");
    text->GetValueFromUI();
    EXPECT_FALSE(text->InvalidateDataAndReturnError());
    EXPECT_TRUE(driver.alerts().empty());
    EXPECT_FALSE(text->InvalidateData());
    ASSERT_EQ(driver.alerts().size(), 1u);
    EXPECT_EQ(driver.alerts()[0].informativeText, "Enter 3 to 8 letters.");
    EXPECT_EQ(driver.alerts()[0].buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(text->GetText(), "Guest");  // not committed

    view->setStringValue("a,bc");
    text->GetValueFromUI();
    EXPECT_TRUE(text->InvalidateData());
    rig.panel.SetValueFromUIToControl();
    rig.panel.SetValueToTicket(&rig.host.settings(), false);
    EXPECT_EQ(rig.Ticket("com.zq.test.NameTicket"), "/97/44/98/99");

    // 127 two-byte characters and one more: the UI block keeps 254 bytes.
    std::string longText;
    for (int i = 0; i < 128; ++i) longText += "\xC3\xA9";
    view->setStringValue(longText);
    text->GetValueFromUI();
    EXPECT_EQ(std::string(text->GetUIData()), longText.substr(0, 254));
    EXPECT_EQ(text->GetDataBlkSize(), 254);

    EXPECT_TRUE(text->CorrectCtrlUI());
    EXPECT_EQ(view->stringValue(), "");
    EXPECT_EQ(text->GetDataBlkSize(), 0);
}

// Pop-up with three items; item 1 disables tag 51, item 2 tag 52, item 3
// hides tag 52.
const int32_t kTag51 = 51, kTag52 = 52;
const int32_t* const kL51[] = {&kTag51, nullptr};
const int32_t* const kL52[] = {&kTag52, nullptr};
const ConstrainTagList kPopDisable[] = {kL51, kL52};
const ConstrainTagList kPopHide[] = {nullptr, nullptr, kL52};
const ConstrainInfo kPopConstrain = {ConstrainListsOf(kPopDisable), ConstrainListsOf(kPopHide), {}};
const char* const kPopItems[] = {"Item A", "Item B", "Item C", nullptr};
const ListCtrlIniData kPopIni = {0, 2, 0, kPopItems};
const AccessInfo kPopAccess = {kValueTypeNumber, kValueTypeNumber, "com.zq.test.PopTicket", nullptr};

TEST_F(ControlBundle, PopUpItemsFromKeysAndNoSelectionCountsAsItemOne) {
    PanelRig rig;
    auto* popView = rig.AddView<zqp::PopUpButton>(50);
    auto pop = std::make_unique<PopupControl>();
    pop->CreateControl(popView, &kPopIni, &kPopConstrain, &kPopAccess, nullptr);
    PopupControl* p = rig.panel.AddNewControl(std::move(pop));
    auto* a = rig.panel.AddNewControl(std::make_unique<CheckBox>(rig.AddView<zqp::Button>(51), nullptr, nullptr, nullptr, nullptr));
    auto* b = rig.panel.AddNewControl(std::make_unique<CheckBox>(rig.AddView<zqp::Button>(52), nullptr, nullptr, nullptr, nullptr));
    rig.panel.InitializeUserPane(bundle_, rig.ppd.get());
    EXPECT_FALSE(popView->menu().autoenablesItems());
    ASSERT_EQ(popView->numberOfItems(), 3);
    EXPECT_EQ(popView->itemAtIndex(0)->title, "Alpha");
    EXPECT_EQ(popView->itemAtIndex(1)->title, "Item B");  // no translation: the key
    EXPECT_EQ(popView->itemAtIndex(1)->representedObject, "Item B");

    // Nothing selected: the view reads 0, the constraints act as item 1.
    rig.panel.SetUIDataToIniData();
    popView->selectItemAtIndex(-1);
    EXPECT_EQ(p->GetCurrentControlArrayNumber(), -1);
    p->GetValueFromUI();
    EXPECT_EQ(*reinterpret_cast<int32_t*>(p->GetValueFromUIDataBlk()), 0);
    p->SimulationUIEventHandler();
    EXPECT_FALSE(a->GetControlPtr()->isEnabled());
    EXPECT_TRUE(b->GetControlPtr()->isEnabled());

    ASSERT_TRUE(popView->userSelect(2));  // item 3: enables 51, hides 52
    EXPECT_TRUE(a->GetControlPtr()->isEnabled());
    EXPECT_TRUE(b->GetControlPtr()->isHidden());
    ASSERT_TRUE(popView->userSelect(1));  // item 2: shows 52 and disables it
    EXPECT_FALSE(b->GetControlPtr()->isHidden());
    EXPECT_FALSE(b->GetControlPtr()->isEnabled());
    EXPECT_EQ(b->GetDisableCount(), 1);

    rig.panel.SetValueFromUIToControl();
    rig.panel.SetValueToTicket(&rig.host.settings(), false);
    EXPECT_EQ(rig.Ticket("com.zq.test.PopTicket"), "2");

    // Back from the ticket; a missing entry gives the default item.
    rig.Restore();
    rig.host.settings().SetValue("com.zq.test.PopTicket", "3", false);
    rig.panel.GetValueFromPreset();
    EXPECT_EQ(p->GetValue(), 3);
    rig.host.settings().Remove("com.zq.test.PopTicket");
    rig.panel.GetValueFromPreset();
    EXPECT_EQ(p->GetValue(), 2);
}

// Radio group of two; the second button disables tag 71 while on.
const int32_t kTag71 = 71;
const int32_t* const kL71[] = {&kTag71, nullptr};
const ConstrainTagList kRadioDisable[] = {nullptr, kL71};
const ConstrainInfo kRadioConstrain = {ConstrainListsOf(kRadioDisable), {}, {}};
const RadioButtonIniData kRadioA = {0, 1, 0, "Radio A", nullptr};
const RadioButtonIniData kRadioB = {0, 0, 0, "Radio B", nullptr};
const AccessInfo kRadioAccess = {kValueTypeNumber, kValueTypeNumber, "com.zq.test.RadioBTicket", nullptr};

TEST_F(ControlBundle, RadioGroupKeepsOneCurrentAndIndexesListsByState) {
    PanelRig rig;
    auto* va = rig.AddView<zqp::Button>(60, zqp::ButtonType::kRadio);
    auto* vb = rig.AddView<zqp::Button>(61, zqp::ButtonType::kRadio);
    auto* ra = rig.panel.AddNewControl(std::make_unique<RadioButton>(va, &kRadioA, nullptr, nullptr, nullptr));
    auto* rb = rig.panel.AddNewControl(std::make_unique<RadioButton>(vb, &kRadioB, &kRadioConstrain, &kRadioAccess, nullptr));
    auto* target = rig.panel.AddNewControl(std::make_unique<CheckBox>(rig.AddView<zqp::Button>(71), nullptr, nullptr, nullptr, nullptr));
    RadioGroup group;
    EXPECT_EQ(group.RunTimeAddNewControl(ra), 0);
    EXPECT_EQ(group.RunTimeAddNewControl(rb), 1);
    group.SetcurRadio(-1);
    group.SetcurRadio(2);
    EXPECT_EQ(group.GetcurRadio(), -1);
    EXPECT_EQ(ra->GetAnotherRadioCtrlFromGroup(), rb);

    rig.panel.InitializeUserPane(bundle_, rig.ppd.get());
    EXPECT_EQ(va->title(), "Portrait");
    rig.Restore();
    rig.panel.SetUIDataToIniData();
    rig.panel.GetValueFromPreset();  // defaults: A on
    rig.panel.SetCurrentValueToUI();
    EXPECT_EQ(group.GetcurRadio(), 0);
    EXPECT_TRUE(target->GetControlPtr()->isEnabled());

    ASSERT_TRUE(vb->performClick());
    EXPECT_EQ(group.GetcurRadio(), 1);
    EXPECT_FALSE(target->GetControlPtr()->isEnabled());
    EXPECT_EQ(*reinterpret_cast<int32_t*>(rb->GetValueFromUIDataBlk()), 1);
    rig.panel.SetValueFromUIToControl();
    rig.panel.SetValueToTicket(&rig.host.settings(), false);
    EXPECT_EQ(rig.Ticket("com.zq.test.RadioBTicket"), "1");
}

TEST(RadioUpdate, AButtonThatIsNotTheCurrentOneIsSwitchedOff) {
    zqp::Button va(zqp::ButtonType::kRadio), vb(zqp::ButtonType::kRadio);
    va.setTag(1);
    vb.setTag(2);
    RadioButton a(&va, &kRadioA, nullptr, nullptr, nullptr), b(&vb, &kRadioB, nullptr, nullptr, nullptr);
    a.InitializeCtrl(nullptr, nullptr);
    b.InitializeCtrl(nullptr, nullptr);
    RadioGroup group;
    group.RunTimeAddNewControl(&a);
    group.RunTimeAddNewControl(&b);
    group.SetcurRadio(0);
    vb.setState(1);
    b.Update();
    EXPECT_EQ(vb.state(), 0);
    a.Update();  // the current one stays
    EXPECT_EQ(group.GetcurRadio(), 0);
}

const LittleArrayIniData kStepIni = {0, 10, 0, 1, 200, 1};
const AccessInfo kStepAccess = {kValueTypeNumber, kValueTypeNumber, "com.zq.test.StepTicket",
                                "com.zq.test.StepReference"};

// A stepper of 1 to 200 (default 10) on the rig's panel, initialised.
LittleArray* AddStepper(PanelRig& rig, zqp::Bundle* bundle) {
    auto s = std::make_unique<LittleArray>();
    s->LittleArrayControl(rig.AddView<zqp::Stepper>(80), &kStepIni, nullptr, &kStepAccess, nullptr, "Step Title");
    LittleArray* step = rig.panel.AddNewControl(std::move(s));
    rig.panel.InitializeUserPane(bundle, rig.ppd.get());
    return step;
}

TEST_F(ControlBundle, StepperWritesOnlyValuesInItsRangeAndSummarisesTenths) {
    PanelRig rig;
    LittleArray* step = AddStepper(rig, bundle_);
    auto* view = dynamic_cast<zqp::Stepper*>(step->GetControlPtr());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->minValue(), 1);
    EXPECT_EQ(view->maxValue(), 200);
    EXPECT_EQ(step->GetLastValue(), 10);

    int32_t v = 5;
    step->setExternalValueToData(&v, 4, 2);
    SummaryDictionary d;
    SummaryOrder o;
    rig.panel.GetSummaryText(&d, &o);
    EXPECT_EQ(d["Step Title"], "0.5");
    EXPECT_EQ(o, SummaryOrder{"Step Title"});
    v = 125;
    step->setExternalValueToData(&v, 4, 2);
    step->GetSummaryText(&d, &o);
    EXPECT_EQ(d["Step Title"], "12.5");
    EXPECT_TRUE(step->SetValueToTicket(&rig.host.settings(), false));
    EXPECT_EQ(rig.Ticket("com.zq.test.StepTicket"), "125");
    v = 201;
    step->setExternalValueToData(&v, 4, 2);
    EXPECT_FALSE(step->SetValueToTicket(&rig.host.settings(), false));
    EXPECT_EQ(rig.Ticket("com.zq.test.StepTicket"), "125");

    rig.Restore();
    rig.host.settings().SetValue("com.zq.test.StepTicket", "42", false);
    EXPECT_TRUE(step->GetValueToPreset());
    EXPECT_EQ(view->integerValue(), 42);
    EXPECT_EQ(step->GetLastValue(), 42);
}

// A ticket entry or a remembered value that is no number the stepper can
// hold gives it its default, as no value would: one that read as 32 bits
// wraps into the range, one past 32 bits, one outside the range, text.
TEST_F(ControlBundle, ACraftedTicketOrRememberedNumberRestoresAsTheDefault) {
    PanelRig rig;
    LittleArray* step = AddStepper(rig, bundle_);
    rig.Restore();
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"42", 42},         {"4294967338", 10}, {"-4294967254", 10}, {"99999999999", 10}, {"201", 10},
        {"0", 10},          {"4x", 10},         {" 42", 10},         {"", 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        rig.host.settings().SetValue("com.zq.test.StepTicket", c.text, false);
        rig.host.settings().SetValue(std::string(test::kRigPrinter) + "com.zq.test.StepReference", c.text, false);
        int32_t other = 7;
        step->setExternalValueToData(&other, 4, 2);
        rig.panel.GetValueFromPreset();
        EXPECT_EQ(step->GetValue(), c.value);
        step->setExternalValueToData(&other, 4, 2);
        rig.panel.GetValueFromPreferenceWithPrinterSettings();
        EXPECT_EQ(step->GetValue(), c.value);
    }
}

class VersionLabel : public ControlBundle {
protected:
    void TearDown() override {
        unsetenv(zqp::kOsReleaseEnv);
        ResetOSVersionCacheForTesting();
    }
};

TEST_F(VersionLabel, ReadsTheBundleVersionAndMarksAMissingConstraintFile) {
    zqp::TextField with, without;
    VersionStringSText a, b;
    a.CreateControl(&with, nullptr, true);
    b.CreateControl(&without, nullptr, false);
    a.InitializeCtrl(bundle_, nullptr);
    EXPECT_TRUE(with.isHidden());
    a.InitializeTitle(bundle_);
    b.ReInitializeCtrl(bundle_, nullptr);
    EXPECT_EQ(with.stringValue(), "Ver.1.2.3");
    EXPECT_EQ(without.stringValue(), "Ver.1.2.3.");

    with.setHidden(false);
    a.ResetStatus();  // from 10.7 on: untouched
    EXPECT_FALSE(with.isHidden());
    setenv(zqp::kOsReleaseEnv, "10.8.0", 1);
    ResetOSVersionCacheForTesting();
    a.ResetStatus();
    EXPECT_TRUE(with.isHidden());
}

TEST_F(ControlBundle, LabelsGreyWhileDisabledAndIgnorePPDShowing) {
    zqp::TextField view;
    StaticTextEditControl label;
    label.CreateControl(&view, nullptr, nullptr, nullptr, nullptr, nullptr, "Label Key");
    label.InitializeCtrl(bundle_, nullptr);
    EXPECT_EQ(view.stringValue(), "Copies:");
    label.Disable();
    EXPECT_EQ(view.textColor(), zqp::kDisabledTextColor);
    label.Enable();
    EXPECT_EQ(view.textColor(), zqp::kControlTextColor);
    label.PPDCtrlHide();
    EXPECT_FALSE(view.isHidden());

    zqp::Box box;
    GroupBoxControl group;
    group.CreateControl(&box, "Box Title");
    EXPECT_TRUE(group.InitializeTitle(bundle_));
    EXPECT_EQ(box.title(), "Finishing");
}

// A window with a name field, OK (commits only when every control is valid)
// and Cancel (commits nothing).
class NameWindow : public PopupWinInPanel {
public:
    explicit NameWindow(zqp::Window* w) : PopupWinInPanel(w, "Win Title") {
        auto addView = [&](std::unique_ptr<zqp::View> v, int32_t tag) {
            v->setTag(tag);
            return w->contentView()->addSubview(std::move(v));
        };
        auto field = std::make_unique<TextEditCtrl>();
        field->CreateControl(addView(std::make_unique<zqp::TextField>(), 91), &kNameIni, nullptr, &kNameAccess,
                             nullptr, &kNameFilter);
        name = AddNewControl(std::move(field));
        AddNewControl(std::make_unique<test::PushButton>(addView(std::make_unique<zqp::Button>(), 92), nullptr,
                                                         [this] { test::CommitIfValidAndClose(*this); }));
        AddNewControl(std::make_unique<test::PushButton>(addView(std::make_unique<zqp::Button>(), 93), nullptr,
                                                         [this] { DeactivateWindow(); }));
    }
    TextEditCtrl* name = nullptr;
};

TEST_F(ControlBundle, AModalWindowCommitsOnOKOnlyWhenValidAndNothingOnCancel) {
    PanelRig rig;
    zqp::Window window;
    window.setContentView(std::make_unique<zqp::View>());
    NameWindow names(&window);
    rig.panel.RunTimeAddNewWindow(&names);
    rig.panel.InitializeUserPane(bundle_, rig.ppd.get());
    EXPECT_EQ(window.title(), "Name");
    rig.Restore();
    rig.panel.GetValueFromPreset();
    EXPECT_EQ(names.name->GetText(), "Guest");

    zqp::ScriptedDriver driver;
    driver.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Type(w, 91, "Alice"); });
    driver.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Click(w, 92); });
    names.ActivateWindow();
    EXPECT_EQ(names.name->GetText(), "Alice");
    EXPECT_EQ(driver.pendingSteps(), 0u);

    driver.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Type(w, 91, "Al"); });
    driver.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Click(w, 92); });  // refused: too short
    driver.addStep([](zqp::Window& w) {
        EXPECT_TRUE(w.isVisible());
        zqp::ScriptedDriver::Click(w, 93);
    });
    names.ActivateWindow();
    EXPECT_EQ(driver.alerts().size(), 1u);
    EXPECT_EQ(names.name->GetText(), "Alice");
    EXPECT_FALSE(window.isVisible());

    names.name->SetControlValueToUI();
    rig.panel.SetValueToTicket(&rig.host.settings(), false);  // reaches the window's controls
    EXPECT_EQ(rig.Ticket("com.zq.test.NameTicket"), "Alice");
}

}  // namespace
}  // namespace zqpde
