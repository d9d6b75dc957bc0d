#include "features_margin_windows.h"

#include <zqp/bundle.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "features_panel.h"
#include "zqpde/input_filter.h"

#define NS "com.tavelle.qdm.printsettings."

namespace zqfeat {

// Tags in one order: labels (mm, inch, mm side, inch side), fields (mm,
// inch), steppers (mm, inch), radios (inch, mm), OK, Cancel, Default, Help,
// automatic fit (0: none).
enum TagIndex { kMMLabel, kInchLabel, kMMSide, kInchSide, kMMField, kInchField, kMMStep, kInchStep, kInchRadio,
                kMMRadio, kOK, kCancel, kDefault, kHelp, kAutoFit, kTagCount };

// One unit's part of a margin window: its field, stepper and radio.
struct MarginUnitTable {
    MarginUnit unit;
    zqpde::TextEditIniData ini;
    zqpde::TextEditFilterData filter;
    zqcommon::InchMMValueRange range;
    zqpde::LittleArrayIniData step;
    int32_t ticketFactor;  // what the stepper's value is multiplied by in the ticket
    zqpde::AccessInfo fieldAccess, stepAccess, radioAccess;
    zqpde::RadioButtonIniData radioIni;
};

struct MarginWindowTable {
    const char* outlet;
    const char* titleKey;
    const char* helpPage;
    const char* summaryKey;
    const char* labelKeys[4];
    int32_t tags[kTagCount];
    MarginUnitTable mm, inch;
    zqpde::AccessInfo autoFitAccess;
    zqpde::CheckBoxIniData autoFitIni;
};

namespace {

constexpr uint32_t kText = zqpde::kValueTypeText;
constexpr uint32_t kNumber = zqpde::kValueTypeNumber;
#define POINT_DIGITS {2, {{'.', '.'}, {'0', '9'}}}
#define DIGITS {1, {{'0', '9'}}}

// A unit's part from what sets it apart: the stepper moves in the field's
// range, and the radio starts on (radioOn) or off.
constexpr MarginUnitTable Unit(MarginUnit unit, zqpde::TextEditIniData ini, zqpde::InputFilterData bytes,
                               const char* alertKey, zqcommon::InchMMValueRange range, int32_t stepDefault,
                               int32_t ticketFactor, const char* fieldKey, const char* stepKey, const char* radioKey,
                               bool radioOn, const char* radioTitleKey, const char* radioSummaryKey) {
    const int32_t on = radioOn ? 1 : 0;
    return {unit,
            ini,
            {bytes, bytes, alertKey},
            range,
            {0, stepDefault, 0, range.minimum, range.maximum, 1},
            ticketFactor,
            {kText, kText, fieldKey, nullptr},
            {kNumber, kNumber, stepKey, nullptr},
            {kNumber, kNumber, radioKey, nullptr},
            {on, on, -1, radioTitleKey, radioSummaryKey}};
}

constexpr MarginWindowTable kTables[] = {
    {"PFTabMarginWnd", "Tab Margin Window Title", "TabMarginShift.htm", "Tab Margin Text",
     {"Tab Margin MM Static Text", "Tab Margin Inch Static Text", "Tab Margin MM Side Static Text",
      "Tab Margin Inch Side Static Text"},
     {203, 201, 204, 202, 213, 211, 214, 212, 216, 215, 217, 218, 219, 220, 0},
     Unit(MarginUnit::kTabMillimetre, {nullptr, "12.7", 1, 4}, POINT_DIGITS, "Message22b", {0, 150}, 127, 1,
          NS "TabMarginMMTextEditTicket", NS "TabMarginMMShiftTicket", NS "TabMarginMMRadioTicket", true,
          "Tab Margin MM Radio Button Title", "Tab Margin Summary for MM Radio Button Title"),
     Unit(MarginUnit::kTabInch, {nullptr, "0.50", 1, 4}, POINT_DIGITS, "Message22b2", {0, 59}, 50, 1,
          NS "TabMarginInchesTextEditTicket", NS "TabMarginInchesShiftTicket", NS "TabMarginInchesRadioTicket", false,
          "Tab Margin Inches Radio Button Title", "Tab Margin Summary for Inches Radio Button Title"),
     {kNumber, kNumber, nullptr, nullptr},
     {0, 0, 0, nullptr}},
    {"PFBookletMarginWnd", "Booklet Margin Window Title", "Margins.htm", "Booklet Margin Text",
     {"Booklet Margin MM Static Text", "Booklet Margin Inch Static Text", "Booklet Margin MM Side Static Text",
      "Booklet Margin Inch Side Static Text"},
     {303, 301, 304, 302, 313, 311, 314, 312, 316, 315, 317, 318, 319, 320, 310},
     // The booklet millimetres go to the ticket doubled.
     Unit(MarginUnit::kBookletMillimetre, {nullptr, "0", 1, 2}, DIGITS, "Message22e", {0, 25}, 0, 2,
          NS "BookletMarginMMTextEditTicket", NS "BookletMarginMMShiftTicket", NS "BookletMarginMMRadioTicket", true,
          "Booklet Margin MM Radio Button Title", "Booklet Margin Summary for MM Radio Button Title"),
     Unit(MarginUnit::kBookletInch, {nullptr, "0.0", 1, 3}, POINT_DIGITS, "Message22e2", {0, 10}, 0, 1,
          NS "BookletMarginInchesTextEditTicket", NS "BookletMarginInchesShiftTicket",
          NS "BookletMarginInchesRadioTicket", false, "Booklet Margin Inches Radio Button Title",
          "Booklet Margin Summary for Inches Radio Button Title"),
     {kNumber, kNumber, NS "AutoFitSwitchTicket", nullptr},
     {0, 1, -1, "Booklet Margin Auto Fit Text"}},
};
#undef POINT_DIGITS
#undef DIGITS

// The lists that tie a window's controls together, made from its tags.
struct MarginLinks {
    const int32_t* mmFieldList[3];
    const int32_t* inchFieldList[3];
    const int32_t* mmStepList[2];
    const int32_t* inchStepList[2];
    const int32_t* inchViews[5];
    const int32_t* mmViews[5];
    const int32_t* toMM[2];
    const int32_t* toInch[2];
    zqpde::ConstrainTagList mmFieldLists[1], inchFieldLists[1], mmStepLists[1], inchStepLists[1];
    zqpde::ConstrainTagList inchHide[1], mmHide[1], inchUpdate[2], mmUpdate[2];
    zqpde::ConstrainInfo mmField, inchField, mmStep, inchStep, inchRadio, mmRadio;
    int32_t mmOnly[2], inchOnly[2];
};

const MarginLinks& LinksOf(size_t k) {
    static MarginLinks links[std::size(kTables)];
    static bool made = false;
    if (!made) {
        for (size_t i = 0; i < std::size(kTables); ++i) {
            const int32_t* t = kTables[i].tags;
            MarginLinks& l = links[i];
            // A field updates its stepper, then its sister in the other unit.
            l.mmFieldList[0] = &t[kMMStep], l.mmFieldList[1] = &t[kInchField], l.mmFieldList[2] = nullptr;
            l.inchFieldList[0] = &t[kInchStep], l.inchFieldList[1] = &t[kMMField], l.inchFieldList[2] = nullptr;
            l.mmStepList[0] = &t[kMMField], l.mmStepList[1] = nullptr;
            l.inchStepList[0] = &t[kInchField], l.inchStepList[1] = nullptr;
            // While a radio is off its unit's views are hidden.
            l.inchViews[0] = &t[kInchField], l.inchViews[1] = &t[kInchStep], l.inchViews[2] = &t[kInchLabel],
            l.inchViews[3] = &t[kInchSide], l.inchViews[4] = nullptr;
            l.mmViews[0] = &t[kMMField], l.mmViews[1] = &t[kMMStep], l.mmViews[2] = &t[kMMLabel],
            l.mmViews[3] = &t[kMMSide], l.mmViews[4] = nullptr;
            l.toMM[0] = &t[kMMRadio], l.toMM[1] = nullptr;
            l.toInch[0] = &t[kInchRadio], l.toInch[1] = nullptr;
            l.mmFieldLists[0] = l.mmFieldList;
            l.inchFieldLists[0] = l.inchFieldList;
            l.mmStepLists[0] = l.mmStepList;
            l.inchStepLists[0] = l.inchStepList;
            l.inchHide[0] = l.inchViews;
            l.mmHide[0] = l.mmViews;
            l.inchUpdate[0] = l.inchUpdate[1] = l.toMM;
            l.mmUpdate[0] = l.mmUpdate[1] = l.toInch;
            l.mmField = {{}, {}, zqpde::ConstrainListsOf(l.mmFieldLists)};
            l.inchField = {{}, {}, zqpde::ConstrainListsOf(l.inchFieldLists)};
            l.mmStep = {{}, {}, zqpde::ConstrainListsOf(l.mmStepLists)};
            l.inchStep = {{}, {}, zqpde::ConstrainListsOf(l.inchStepLists)};
            l.inchRadio = {{}, zqpde::ConstrainListsOf(l.inchHide), zqpde::ConstrainListsOf(l.inchUpdate)};
            l.mmRadio = {{}, zqpde::ConstrainListsOf(l.mmHide), zqpde::ConstrainListsOf(l.mmUpdate)};
            l.mmOnly[0] = t[kMMField], l.mmOnly[1] = 0;
            l.inchOnly[0] = t[kInchField], l.inchOnly[1] = 0;
        }
        made = true;
    }
    return links[k];
}

PFMarginWndARK* MarginWindowOf(zqpde::BasePrintPanel* panel) { return dynamic_cast<PFMarginWndARK*>(panel); }

std::string ViewText(zqpde::BaseControl* c) {
    auto* f = c != nullptr ? dynamic_cast<zqp::TextField*>(c->GetControlPtr()) : nullptr;
    return f != nullptr ? f->stringValue() : std::string();
}

// The booklet automatic-fit switch: summarised while the panel's booklet
// margin shift is on (the panel's echo check box).
using AutoFitCheckBox = PFStaticCheckBoxARK;

}  // namespace

const char* MarginWindowOutlet(MarginWindowKind kind) { return kTables[static_cast<size_t>(kind)].outlet; }

// ---- fields --------------------------------------------------------------------

bool PFMarginTextEditCtrlARK::IsNumberValid(const std::string& text) {
    if (!BytesPassFilter(text)) return false;
    return IsMarginTextValid(unit_, text, {inchMMEditValueRangeData.minimum, inchMMEditValueRangeData.maximum});
}

bool PFMarginTextEditFormatterARK::IsNumberValid(const std::string& text) {
    if (editValueRangeDataPtr == nullptr) return true;
    return IsMarginTextValid(unit_, text, {editValueRangeDataPtr->minimum, editValueRangeDataPtr->maximum});
}

std::shared_ptr<zqp::Formatter> PFMarginTextEditCtrlARK::CreateUnitFormatter() {
    return std::make_shared<PFMarginTextEditFormatterARK>(unit_, textEditFilterDataPtr, getRangeDataPtr(),
                                                          textEditIniDataPtr->maxLength, this);
}

int32_t PFMarginTextEditCtrlARK::ValueOfText(const std::string& text) { return MarginValueOfText(unit_, text); }

std::string PFMarginTextEditCtrlARK::TextOfValue(int32_t value) { return MarginTextOfValue(unit_, value); }

int32_t PFMarginTextEditCtrlARK::Update() {
    if (GetHideCount() <= 0) return 0;
    zqpde::BaseControl* sister = GetTextEditForNumberEdit();
    if (sister == nullptr) return 0;
    const int32_t v = ConvertMarginText(unit_, ViewText(sister),
                                        {inchMMEditValueRangeData.minimum, inchMMEditValueRangeData.maximum});
    ShowText(CutToEditMaxLength(TextOfValue(v)));
    if (auto* stepper = dynamic_cast<PFInchMMLittleArrowControlARK*>(GetLittleArrayForNumberEdit()))
        stepper->ShowValue(v);
    return 0;
}

bool PFMarginTextEditCtrlARK::ToGetSummaryText() {
    auto* w = dynamic_cast<zqpde::PopupWinInPanel*>(ctrlParentPanelPtr);
    auto* panel = w != nullptr ? dynamic_cast<PrintFeaturesPDEr15*>(w->GetParentWnd()) : nullptr;
    auto* mw = MarginWindowOf(ctrlParentPanelPtr);
    if (panel == nullptr || mw == nullptr) return false;
    // The field of the unit the radios show (the committed one while the
    // window is closed), whichever field a cancelled switch left shown.
    const bool inches = unit_ == MarginUnit::kTabInch || unit_ == MarginUnit::kBookletInch;
    if (mw->getShiftValueDisplayStyle() != (inches ? 0 : 1)) return false;
    return mw->Kind() == MarginWindowKind::kTab ? panel->IsTabMarginShift() : panel->IsBookletMarginShift();
}

int32_t PFMarginTextEditCtrlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (dictionary == nullptr || order == nullptr || table_ == nullptr || !ToGetSummaryText()) return 0;
    auto* mw = MarginWindowOf(ctrlParentPanelPtr);
    // What is committed: a value typed and then cancelled never reached the
    // ticket, so the summary must not show it either.
    std::string value = GetText();
    const int32_t style = mw != nullptr ? mw->getShiftValueDisplayStyle() : -1;
    if (style == 0) value += " " + Localized(PanelBundle(), table_->labelKeys[kInchSide]);
    if (style == 1) value += " " + Localized(PanelBundle(), table_->labelKeys[kMMSide]);
    const std::string title = Localized(PanelBundle(), table_->summaryKey);
    (*dictionary)[title] = value;
    order->push_back(title);
    return 0;
}

// ---- steppers --------------------------------------------------------------------

int32_t PFMarginLittleArrowControlARK::DoControlUpdateConstrain() {
    if (auto* field = dynamic_cast<PFMarginTextEditCtrlARK*>(GetNumberEditFromLittleArrow())) {
        auto* view = dynamic_cast<zqp::Stepper*>(ControlPtr);
        if (view != nullptr) {
            field->ShowText(field->CutToEditMaxLength(MarginTextOfValue(unit_, view->integerValue())));
            // As typed text would: the hidden sister follows.
            field->DoControlUpdateConstrain();
        }
    }
    return zqpde::LittleArray::DoControlUpdateConstrain();
}

bool PFMarginLittleArrowControlARK::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    if (ticketFactor_ == 1) return PFInchMMLittleArrowControlARK::SetValueToTicket(settings, lock);
    if (GetControlBlkPtr() == nullptr || ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr)
        return false;
    const int32_t v = GetValue();
    if (v < minimum_ || v > maximum_) return false;
    return StoreTicketText(settings, std::to_string(v * ticketFactor_), lock);
}

bool PFMarginLittleArrowControlARK::GetValueToPreset() {
    // The ticket holds the value times the factor; one the stepper cannot
    // hold gives its default.
    const std::optional<int32_t> stored = ReadTicketInteger();
    if (!stored || *stored / ticketFactor_ < minimum_ || *stored / ticketFactor_ > maximum_) return false;
    TakePresetValue(*stored / ticketFactor_);
    // The field's committed text, which the summary shows and the save
    // writes, follows: left on its default it would name another margin
    // than the one the printer gets.
    if (auto* field = dynamic_cast<PFMarginTextEditCtrlARK*>(GetNumberEditFromLittleArrow()))
        field->ConvertFromPreferenceString(MarginTextOfValue(unit_, GetValue()));
    return true;
}

int32_t UnitRadiosDisplayStyle(const zqpde::RadioButton* inch, const zqpde::RadioButton* mm) {
    auto state = [](const zqpde::RadioButton* r) {
        auto* b = r != nullptr ? dynamic_cast<zqp::Button*>(r->GetControlPtr()) : nullptr;
        return b != nullptr ? b->state() : 0;
    };
    const int32_t inchOn = state(inch), mmOn = state(mm);
    if (inchOn == 1 && mmOn == 0) return 0;
    if (mmOn == 1 && inchOn == 0) return 1;
    return -1;
}

// ---- the windows -----------------------------------------------------------------

PFMarginWndARK::PFMarginWndARK(zqp::Window* window, MarginWindowKind kind)
    : PFFeatureWndARK(window, kTables[static_cast<size_t>(kind)].titleKey), kind_(kind) {
    const MarginWindowTable& t = kTables[static_cast<size_t>(kind)];
    const MarginLinks& l = LinksOf(static_cast<size_t>(kind));
    zqp::Window* w = GetWindowRef();
    auto view = [&](TagIndex i) { return w != nullptr && t.tags[i] != 0 ? w->viewWithTag(t.tags[i]) : nullptr; };
    for (int i = kMMLabel; i <= kInchSide; ++i) {
        auto c = std::make_unique<zqpde::StaticTextEditControl>();
        c->CreateControl(view(static_cast<TagIndex>(i)), nullptr, nullptr, nullptr, nullptr, nullptr,
                         t.labelKeys[i]);
        AddNewControl(std::move(c));
    }
    if (t.tags[kAutoFit] != 0)
        AddNewControl(std::make_unique<AutoFitCheckBox>(view(kAutoFit), &t.autoFitIni, nullptr, &t.autoFitAccess,
                                                        nullptr));
    auto field = [&](const MarginUnitTable& u, TagIndex tag, const zqpde::ConstrainInfo& links) {
        auto c = std::make_unique<PFMarginTextEditCtrlARK>(u.unit, &t);
        c->CreateControl(view(tag), &u.ini, &links, &u.fieldAccess, nullptr, &u.filter, t.summaryKey, &u.range);
        AddNewControl(std::move(c));
    };
    field(t.mm, kMMField, l.mmField);
    field(t.inch, kInchField, l.inchField);
    auto stepper = [&](const MarginUnitTable& u, TagIndex tag, const zqpde::ConstrainInfo& links,
                       const int32_t* validate) {
        auto c = std::make_unique<PFMarginLittleArrowControlARK>(u.unit, u.ticketFactor);
        c->CreateControl(view(tag), &u.step, &links, &u.stepAccess, nullptr, t.summaryKey, validate);
        AddNewControl(std::move(c));
    };
    stepper(t.mm, kMMStep, l.mmStep, l.mmOnly);
    stepper(t.inch, kInchStep, l.inchStep, l.inchOnly);

    InchMmGroupPtr = std::make_unique<zqpde::RadioGroup>();
    // Leaving a unit checks that unit's field.
    auto radio = [&](const MarginUnitTable& u, TagIndex tag, const zqpde::ConstrainInfo& links,
                     const int32_t* validate) {
        auto* r = AddNewControl(
            std::make_unique<PFInchMMRadioButtonARK>(view(tag), &u.radioIni, &links, &u.radioAccess, validate));
        if (r != nullptr) InchMmGroupPtr->RunTimeAddNewControl(r);
        return r;
    };
    inchRadio_ = radio(t.inch, kInchRadio, l.inchRadio, l.mmOnly);
    mmRadio_ = radio(t.mm, kMMRadio, l.mmRadio, l.inchOnly);

    AddWindowButtons(*this, view(kOK), view(kCancel), view(kDefault), view(kHelp), t.helpPage, nullptr);
}

PFMarginWndARK::~PFMarginWndARK() = default;

int32_t PFMarginWndARK::ActivateWindow() {
    // Hide counts start afresh so the unit shown follows the radios.
    ResetCurrentControlStatus();
    zqcommon::ForgetUnitRadios(fCtrlGroupArray);
    return PFFeatureWndARK::ActivateWindow();
}

int32_t PFMarginWndARK::getShiftValueDisplayStyle() const {
    return UnitRadiosDisplayStyle(inchRadio_, mmRadio_);
}

}  // namespace zqfeat
