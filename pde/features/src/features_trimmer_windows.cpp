#include "features_trimmer_windows.h"

#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/print_session.h>
#include <zqp/print_settings.h>
#include <zqp/system.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "features_panel.h"
#include "zqpde/app_resources.h"
#include "zqpde/input_filter.h"
#include "zqpde/number_text.h"
#include "zqpde/settings_access.h"

#define NS "com.tavelle.qdm.printsettings."

namespace zqfeat {

namespace {

// Tags of the window's views.
enum : int32_t {
    kInchLabelTag = 8001,
    kInchSideTag = 8002,
    kInchEditTag = 8003,
    kInchStepTag = 8004,
    kInchRadioTag = 8005,
    kMMLabelTag = 8006,
    kMMSideTag = 8007,
    kMMEditTag = 8008,
    kMMStepTag = 8009,
    kMMRadioTag = 8010,
    kOKTag = 8011,
    kCancelTag = 8012,
    kDefaultTag = 8013,
    kHelpTag = 8014,
};

constexpr uint32_t kText = zqpde::kValueTypeText;
constexpr uint32_t kNumber = zqpde::kValueTypeNumber;

// The default trims: 8.0 mm, 0.31 in.
constexpr const char* kMMDefaultText = "80";
constexpr const char* kInchDefaultText = "31";
const zqpde::TextEditIniData TrimmerMMIniData = {nullptr, kMMDefaultText, 1, 5};
const zqpde::TextEditIniData TrimmerInchIniData = {nullptr, kInchDefaultText, 1, 4};
const zqcommon::InchMMValueRange TrimmerMMEditValueRangeData = {0, 9999};
const zqcommon::InchMMValueRange TrimmerInchEditValueRangeData = {0, 99};
const zqpde::LittleArrayIniData TrimmerLittleArrowMMIniData = {0, 80, 0, 0, 9999, 1};
const zqpde::LittleArrayIniData TrimmerLittleArrowInchIniData = {0, 31, 0, 0, 99, 1};
const zqpde::TextEditFilterData TrimmerMMFilterData = {{2, {{'.', '.'}, {'0', '9'}}}, {2, {{'.', '.'}, {'0', '9'}}},
                                                       "Message51"};
const zqpde::TextEditFilterData TrimmerInchFilterData = TrimmerMMFilterData;
const zqpde::RadioButtonIniData trimmerinchesRdioIniData = {0, 0, -1, "Trimmer Inches Radio Button Title",
                                                            "Trimmer Summary for Inches Radio Button Title"};
const zqpde::RadioButtonIniData trimmerMMRdioIniData = {1, 1, -1, "Trimmer MM Radio Button Title",
                                                        "Trimmer Summary for MM Radio Button Title"};

const zqpde::AccessInfo TrimmerMMTextEditAccessInfo = {kText, kText, NS "TrimmerMMTextEditTicket", nullptr};
const zqpde::AccessInfo TrimmerInchTextEditAccessInfo = {kText, kText, NS "TrimmerInchesTextEditTicket", nullptr};
const zqpde::AccessInfo TrimmerLittleArrayMMAccessInfo = {kNumber, kNumber, NS "TrimmerMMShiftTicket", nullptr};
const zqpde::AccessInfo TrimmerLittleArrayInchAccessInfo = {kNumber, kNumber, NS "TrimmerInchesShiftTicket",
                                                            nullptr};
const zqpde::AccessInfo TrimmerInchRadioAccessInfo = {kNumber, kNumber, NS "TrimmerInchesRadioTicket", nullptr};
const zqpde::AccessInfo TrimmerMMRadioAccessInfo = {kNumber, kNumber, NS "TrimmerMMRadioTicket", nullptr};
constexpr const char* kCuttingSizeKey = NS "TrimmerMMCuttingSizeTicket";

constexpr const char* kTitleKey = "Trimmer Text";
constexpr const char* kMMSideKey = "Trimmer MM Side Static Text";
constexpr const char* kInchSideKey = "Trimmer Inches Side Static Text";
// What the ticket's number texts may hold (a 6-byte block with its end).
constexpr size_t kTicketNumberMaxBytes = 5;

// A field updates its stepper, then its sister in the other unit; a stepper
// updates its field. While a radio is off its unit's views are hidden.
const int32_t kTags[] = {kMMStepTag, kInchEditTag, kInchStepTag, kMMEditTag, kMMRadioTag, kInchRadioTag,
                         kInchLabelTag, kInchSideTag, kMMLabelTag, kMMSideTag};
const int32_t* const TrimmerNumberMMEditList[] = {&kTags[0], &kTags[1], nullptr};
const int32_t* const TrimmerNumberInchEditList[] = {&kTags[2], &kTags[3], nullptr};
const int32_t* const TrimmerLittleArrayMMList[] = {&kTags[3], nullptr};
const int32_t* const TrimmerLittleArrayInchList[] = {&kTags[1], nullptr};
const int32_t* const kToMM[] = {&kTags[4], nullptr};
const int32_t* const kToInch[] = {&kTags[5], nullptr};
const int32_t* const kInchViews[] = {&kTags[1], &kTags[2], &kTags[6], &kTags[7], nullptr};
const int32_t* const kMMViews[] = {&kTags[3], &kTags[0], &kTags[8], &kTags[9], nullptr};
const zqpde::ConstrainTagList kMMEditLists[] = {TrimmerNumberMMEditList};
const zqpde::ConstrainTagList kInchEditLists[] = {TrimmerNumberInchEditList};
const zqpde::ConstrainTagList kMMStepLists[] = {TrimmerLittleArrayMMList};
const zqpde::ConstrainTagList kInchStepLists[] = {TrimmerLittleArrayInchList};
const zqpde::ConstrainTagList kInchHide[] = {kInchViews};
const zqpde::ConstrainTagList kMMHide[] = {kMMViews};
const zqpde::ConstrainTagList kInchRadioUpdate[] = {kToMM, kToMM};
const zqpde::ConstrainTagList kMMRadioUpdate[] = {kToInch, kToInch};
const zqpde::ConstrainInfo TrimmerNumberMMEditCnstrnInfo = {{}, {}, zqpde::ConstrainListsOf(kMMEditLists)};
const zqpde::ConstrainInfo TrimmerNumberInchEditCnstrnInfo = {{}, {}, zqpde::ConstrainListsOf(kInchEditLists)};
const zqpde::ConstrainInfo TrimmerLittleArrayMMCnstrnInfo = {{}, {}, zqpde::ConstrainListsOf(kMMStepLists)};
const zqpde::ConstrainInfo TrimmerLittleArrayInchCnstrnInfo = {{}, {}, zqpde::ConstrainListsOf(kInchStepLists)};
const zqpde::ConstrainInfo kInchRadioCnstrnInfo = {
    {}, zqpde::ConstrainListsOf(kInchHide), zqpde::ConstrainListsOf(kInchRadioUpdate)};
const zqpde::ConstrainInfo kMMRadioCnstrnInfo = {
    {}, zqpde::ConstrainListsOf(kMMHide), zqpde::ConstrainListsOf(kMMRadioUpdate)};
const int32_t TrimmerLittleArrayMMVlidateArray[] = {kMMEditTag, 0};
const int32_t TrimmerLittleArrayInchVlidateArray[] = {kInchEditTag, 0};

std::string TextOf(TrimmerUnit unit, int32_t v) {
    return unit == TrimmerUnit::kMillimetre ? TenthsText(v) : HundredthsText(v);
}


std::string ViewText(zqpde::BaseControl* c) {
    auto* f = c != nullptr ? dynamic_cast<zqp::TextField*>(c->GetControlPtr()) : nullptr;
    return f != nullptr ? f->stringValue() : std::string();
}

}  // namespace

// ---- fields ----------------------------------------------------------------------

int32_t PFTrimmerTextEditCtrlARK::HalfEdge() const { return window_ != nullptr ? window_->HalfEdge(unit_) : 0; }

std::string PFTrimmerTextEditCtrlARK::WidthText(int32_t width) const { return TextOf(unit_, width); }

bool PFTrimmerTextEditCtrlARK::Trim(int32_t* trim) {
    if (ctrlDataBlkPtr.empty()) return false;
    const std::optional<int32_t> v = zqpde::DecimalInt32(BlockText(ctrlDataBlkPtr));
    if (v) *trim = *v;
    return v.has_value();
}

bool PFTrimmerTextEditCtrlARK::SetControlValueToUI() {
    if (ctrlDataBlkPtr.empty() || ControlPtr == nullptr || ctrlDataAccessInfoPtr == nullptr) return false;
    int32_t trim = 0;
    ShowText(Trim(&trim) ? WidthText(HalfEdge() - trim) : std::string());
    return true;
}

bool PFTrimmerTextEditCtrlARK::SetValueFromUIToControl() {
    if (ctrlDataBlkPtr.empty()) return false;
    const std::string typed = GetUIData() != nullptr ? std::string(GetUIData()) : std::string();
    int32_t width = 0;
    if (ctrlDataSize == 0 || typed.empty())
        SetBlockText(ctrlDataBlkPtr, "");
    else if (TrimmerTextValue(unit_, typed, &width))
        SetBlockText(ctrlDataBlkPtr, std::to_string(HalfEdge() - width));
    return true;
}

void PFTrimmerTextEditCtrlARK::SetCuttingSize(int32_t trim) { SetBlockText(ctrlDataBlkPtr, std::to_string(trim)); }

void PFTrimmerTextEditCtrlARK::restoreCtrlValue() {
    if (m_cancelDataBlkPtr.size() == ctrlDataBlkPtr.size()) ctrlDataBlkPtr = m_cancelDataBlkPtr;
}

bool PFTrimmerTextEditCtrlARK::SetDefaultValueToUI() {
    if (window_ == nullptr) return false;
    const int32_t hmm = window_->HalfEdge(TrimmerUnit::kMillimetre);
    const int32_t mmDefault = std::atoi(kMMDefaultText);
    // Both units start on the same width: the inch default is the
    // millimetre default converted.
    ShowText(unit_ == TrimmerUnit::kMillimetre ? WidthText(hmm - mmDefault)
                                               : WidthText(TrimmerInchDefaultFinished(hmm, mmDefault)));
    return true;
}

bool PFTrimmerTextEditCtrlARK::SetControlValueToDefault() {
    if (unit_ == TrimmerUnit::kMillimetre || window_ == nullptr) return PFNumInSeqTextEditCtrlARK::SetControlValueToDefault();
    SetCuttingSize(window_->InchDefaultTrim());
    return true;
}

bool PFTrimmerTextEditCtrlARK::IsNumberValid(const std::string& text) {
    if (textEditFilterDataPtr != nullptr)
        for (unsigned char c : text)
            if (!zqpde::ISByteValid(c, &textEditFilterDataPtr->byteFilter)) return false;
    return IsTrimmerTextValid(unit_, text, inchMMEditValueRangeData.minimum, inchMMEditValueRangeData.maximum);
}

bool PFTrimmerTextEditFormatterARK::IsNumberValid(const std::string& text) {
    return editValueRangeDataPtr == nullptr ||
           IsTrimmerTextValid(unit_, text, editValueRangeDataPtr->minimum, editValueRangeDataPtr->maximum);
}

std::shared_ptr<zqp::Formatter> PFTrimmerTextEditCtrlARK::CreateUnitFormatter() {
    return std::make_shared<PFTrimmerTextEditFormatterARK>(unit_, textEditFilterDataPtr, getRangeDataPtr(),
                                                           textEditIniDataPtr->maxLength, this);
}

int32_t PFTrimmerTextEditCtrlARK::OnRawKeyUp(void* event) {
    const char* text = static_cast<const char*>(event);
    if (text == nullptr) return 0;
    SetUIText(text);
    int32_t width = 0;
    if (TrimmerTextValue(unit_, text, &width))
        if (auto* stepper = dynamic_cast<PFInchMMLittleArrowControlARK*>(GetLittleArrayForNumberEdit()))
            stepper->ShowValue(std::abs(width));
    DoControlUpdateConstrain();
    return 0;
}

std::string PFTrimmerTextEditCtrlARK::TextOfValue(int32_t value) { return WidthText(value); }

int32_t PFTrimmerTextEditCtrlARK::Update() {
    if (GetHideCount() <= 0 || window_ == nullptr) return 0;
    const std::string shown = ViewText(GetTextEditForNumberEdit());
    int32_t from = 0;
    if (!TrimmerTextValue(unit_ == TrimmerUnit::kMillimetre ? TrimmerUnit::kInch : TrimmerUnit::kMillimetre, shown,
                          &from))
        return 0;
    const double typed = std::strtod(shown.c_str(), nullptr);
    const int32_t mmMin = window_->GetMMMin(), mmMax = window_->GetMMMax();
    const int32_t inMin = window_->GetInchesMin(), inMax = window_->GetInchesMax();
    int32_t v;
    if (unit_ == TrimmerUnit::kMillimetre) {
        v = TrimmerMMOfInches(typed);
        if (v < mmMin || from == inMin) v = mmMin;
        if (v > mmMax || from == inMax) v = mmMax;
        // The inch default stands for the millimetre default, not for its
        // conversion, so the ticket keeps 8.0 mm.
        if (from == window_->HalfEdge(TrimmerUnit::kInch) - window_->InchDefaultTrim())
            v = window_->HalfEdge(TrimmerUnit::kMillimetre) - std::atoi(kMMDefaultText);
    } else {
        v = std::clamp(TrimmerInchesOfMM(typed), inMin, std::max(inMin, inMax));
        if (from == mmMin) v = inMin;
        if (from == mmMax) v = inMax;
    }
    std::string text = WidthText(v);
    if (const int32_t max = GetEditMaxLength(); max > 0 && text.size() > static_cast<size_t>(max))
        text.resize(static_cast<size_t>(max));
    ShowText(text);
    if (auto* stepper = dynamic_cast<PFInchMMLittleArrowControlARK*>(GetLittleArrayForNumberEdit()))
        stepper->ShowValue(v);
    return 0;
}

void PFTrimmerTextEditCtrlARK::ReInitializewithIniData(const zqpde::TextEditIniData* iniData,
                                                       const zqcommon::InchMMValueRange& range) {
    textEditIniDataPtr = iniData;
    inchMMEditValueRangeData = range;
    InitializeCtrlFormat();
}

bool PFTrimmerTextEditCtrlARK::ToGetSummaryText() {
    auto* w = dynamic_cast<zqpde::PopupWinInPanel*>(ctrlParentPanelPtr);
    auto* panel = w != nullptr ? dynamic_cast<PrintFeaturesPDEr15*>(w->GetParentWnd()) : nullptr;
    return panel != nullptr && panel->IsTrimmer() && GetHideCount() <= 0;
}

int32_t PFTrimmerTextEditCtrlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (dictionary == nullptr || order == nullptr || window_ == nullptr || !ToGetSummaryText()) return 0;
    int32_t trim = 0;
    std::string value = Trim(&trim) ? WidthText(HalfEdge() - trim) : std::string();
    const int32_t style = window_->getTrimmerShiftValueDisplayStyle();
    value += " ";
    if (style == 0) value += Localized(PanelBundle(), kInchSideKey);
    if (style == 1) value += Localized(PanelBundle(), kMMSideKey);
    const std::string title = Localized(PanelBundle(), kTitleKey);
    (*dictionary)[title] = value;
    order->push_back(title);
    return 0;
}

void PFTrimmerTextEditCtrlARK::ShowErrMsg() {
    if (textEditFilterDataPtr == nullptr || textEditFilterDataPtr->errorMessageKey == nullptr) return;
    const std::vector<std::string> limits = {TrimmerLimitText(unit_, inchMMEditValueRangeData.minimum),
                                             TrimmerLimitText(unit_, inchMMEditValueRangeData.maximum)};
    ShowFieldAlert(*this, PanelBundle(), ctrlParentPanelPtr, textEditFilterDataPtr->errorMessageKey,
                   zqp::AlertStyle::kWarning,
                   [&limits](const std::string& text) { return FillTrimmerPlaceholders(text, limits); });
}

// ---- steppers --------------------------------------------------------------------

int32_t PFTrimmerLittleArrowControlARK::HalfEdge() const {
    return window_ != nullptr ? window_->HalfEdge(unit_) : 0;
}

bool PFTrimmerLittleArrowControlARK::SetControlValueToUI() {
    if (GetControlBlkPtr() == nullptr) return false;
    const int32_t shown = std::clamp(HalfEdge() - GetValue(), minimum_, std::max(minimum_, maximum_));
    ShowValue(shown);
    SimulationUIEventHandler();
    return true;
}

bool PFTrimmerLittleArrowControlARK::SetValueFromUIToControl() {
    if (ControlPtr == nullptr || GetControlBlkPtr() == nullptr) return false;
    SetBlockInt(GetControlBlkPtr(), HalfEdge() - BlockInt(GetValueFromUIDataBlk()));
    return true;
}

bool PFTrimmerLittleArrowControlARK::SetDefaultValueToUI() {
    if (window_ == nullptr) return false;
    const int32_t hmm = window_->HalfEdge(TrimmerUnit::kMillimetre);
    const int32_t mmDefault = std::atoi(kMMDefaultText);
    ShowValue(unit_ == TrimmerUnit::kMillimetre ? hmm - mmDefault : TrimmerInchDefaultFinished(hmm, mmDefault));
    return true;
}

int32_t PFTrimmerLittleArrowControlARK::DoControlUpdateConstrain() {
    auto* view = dynamic_cast<zqp::Stepper*>(ControlPtr);
    auto* field = dynamic_cast<PFTrimmerTextEditCtrlARK*>(GetNumberEditFromLittleArrow());
    if (view != nullptr && field != nullptr) {
        const int32_t v = view->integerValue();
        std::string text = TextOf(unit_, v);
        if (const int32_t max = field->GetEditMaxLength(); max > 0) {
            if (text.size() > static_cast<size_t>(max)) text.resize(static_cast<size_t>(max));
            field->ShowText(text);
            // As typed text would: the hidden field of the other unit follows.
            // Nothing more: this also runs when the window shows its
            // committed values, and a conversion pushed from here would put
            // the shown unit's value back from the hidden one, a hundredth
            // off what was typed.
            field->DoControlUpdateConstrain();
        }
    }
    return zqpde::LittleArray::DoControlUpdateConstrain();
}

void PFTrimmerLittleArrowControlARK::SetCuttingSize(int32_t trim) {
    if (GetControlBlkPtr() != nullptr) SetBlockInt(GetControlBlkPtr(), trim);
}

void PFTrimmerLittleArrowControlARK::UpdatePresetCuttingSize(int32_t trim) {
    if (window_ == nullptr) return;
    if (PFTrimmerTextEditCtrlARK* mm = window_->GetMMTextEdit()) mm->SetCuttingSize(trim);
    // The millimetre default stands for the inch default, as the inch
    // default does for it.
    const auto inches = trim == std::atoi(kMMDefaultText) ? window_->InchDefaultTrim()
                                                          : static_cast<int32_t>(std::lrint(trim / 2.5399999618530273));
    if (PFTrimmerLittleArrowControlARK* s = window_->getInchLittleArrowCtrl()) s->SetCuttingSize(inches);
    if (PFTrimmerTextEditCtrlARK* e = window_->GetInchTextEdit()) e->SetCuttingSize(inches);
}

void PFTrimmerLittleArrowControlARK::ReInitializeWithIniData(const zqpde::LittleArrayIniData& iniData) {
    littleArrayIniDataPtr = &iniData;
    KeepIniValues(true, iniData.defaultData, iniData.iniData);
    minimum_ = iniData.minimum;
    maximum_ = iniData.maximum;
    SetRange(minimum_, maximum_);
}

void PFTrimmerLittleArrowControlARK::restoreCtrlValue() {
    if (m_cancelDataBlkPtr.size() == ctrlDataBlkPtr.size()) ctrlDataBlkPtr = m_cancelDataBlkPtr;
}

bool PFTrimmerLittleArrowControlARK::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    if (GetControlBlkPtr() == nullptr || ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr ||
        window_ == nullptr)
        return false;
    if (unit_ == TrimmerUnit::kInch) {
        // The range is that of the finished width, so that is what is checked.
        const int32_t width = HalfEdge() - GetValue();
        if (width < minimum_ || width > maximum_) return false;
        return StoreTicketText(settings, std::to_string(GetValue()), lock);
    }
    int32_t t = GetValue();
    if (window_->CommittedInches()) {
        int32_t inchTrim = 0;
        PFTrimmerTextEditCtrlARK* inchEdit = window_->GetInchTextEdit();
        if (inchEdit != nullptr && inchEdit->Trim(&inchTrim) && inchTrim == window_->InchDefaultTrim())
            t = defaultValue_;
    }
    window_->GetTrimmerPaperSize();
    const std::string shift = IsOutputNullToTicket() ? std::string() : std::to_string(t);
    const std::string cutting = std::to_string(HalfEdge() - t);
    // A number that does not fit is not written cut to another number.
    if (shift.size() > kTicketNumberMaxBytes || cutting.size() > kTicketNumberMaxBytes) return false;
    StoreTicketText(settings, shift, lock);
    return zqpde::SetValueToSettingsWithTicketKeyAndLock(cutting.c_str(), settings, kCuttingSizeKey, lock) == 0;
}

bool PFTrimmerLittleArrowControlARK::GetValueToPreset() {
    if (window_ == nullptr) return false;
    // Only a trim the window allows comes back from a ticket.
    const zqcommon::InchMMValueRange range = window_->TrimRange(unit_);
    std::optional<int32_t> trim = ReadTicketInteger(range.minimum, range.maximum);
    if (unit_ == TrimmerUnit::kInch) {
        // Read after the millimetre stepper. The inch trim as it was stored
        // goes to the inch field too, not the millimetre trim converted
        // back; without one this stepper takes what the field was given.
        PFTrimmerTextEditCtrlARK* field = window_->GetInchTextEdit();
        if (int32_t given = 0; !trim && field != nullptr && field->Trim(&given)) trim = given;
        if (!trim) return false;
        TakePresetValue(*trim);
        if (field != nullptr) field->SetCuttingSize(*trim);
        return true;
    }
    if (!trim) return false;
    TakePresetValue(*trim);
    ShowValue(HalfEdge() - *trim);
    UpdatePresetCuttingSize(*trim);
    return true;
}

bool PFTrimmerLittleArrowControlARK::SetControlValueToDefault() {
    if (unit_ == TrimmerUnit::kMillimetre || window_ == nullptr || GetControlBlkPtr() == nullptr)
        return PFInchMMLittleArrowControlARK::SetControlValueToDefault();
    SetCuttingSize(window_->InchDefaultTrim());
    return true;
}

// ---- labels and Cancel -----------------------------------------------------------

bool PFTrimmerStaticTextEditControlARK::InitializeTitle(zqp::Bundle* bundle) {
    if (!zqpde::StaticTextEditControl::InitializeTitle(bundle) || window_ == nullptr) return false;
    auto* label = dynamic_cast<zqp::TextField*>(ControlPtr);
    if (label == nullptr) return true;
    const bool mm = unit_ == TrimmerUnit::kMillimetre;
    const std::string range = TrimmerLimitText(unit_, mm ? window_->GetMMMin() : window_->GetInchesMin()) + " - " +
                              TrimmerLimitText(unit_, mm ? window_->GetMMMax() : window_->GetInchesMax());
    label->setStringValue(FillTrimmerPlaceholders(label->stringValue(), {range}));
    return true;
}

bool PFTrimmerCancelButtonARK::UIEventHandler() {
    auto* window = dynamic_cast<PFTrimmerWndARK*>(GetParentPanel());
    if (window == nullptr) return false;
    bool passed = true;
    for (auto& c : *window->getCtrlGroupArrayRef()) {
        if (c && (!c->PreInvalidateDataOnCancel() || !c->InvalidateDataOnCancel())) {
            setCancelDefaultValueToUI();
            passed = false;
            break;
        }
    }
    // Editing pushes values between the units before OK; all of it goes.
    window->RestoreCancelValues();
    window->DeactivateWindow();
    return passed;
}

// ---- the window ------------------------------------------------------------------

PFTrimmerWndARK::PFTrimmerWndARK(zqp::Window* window, ppd_file_t* ppd, zqp::DialogHost* host)
    : PFFeatureWndARK(window, "Trimmer Window Title String"), ppd_(ppd), host_(host) {
    m_TrimmerMMIniData = TrimmerMMIniData;
    m_TrimmerInchIniData = TrimmerInchIniData;
    GetTrimmerPaperSize();
    UpdateTrimmerIniDate();

    zqp::Window* w = GetWindowRef();
    auto view = [w](int32_t tag) { return w != nullptr ? w->viewWithTag(tag) : nullptr; };
    auto rangeLabel = [&](TrimmerUnit unit, int32_t tag, const char* key) {
        auto c = std::make_unique<PFTrimmerStaticTextEditControlARK>(unit, this);
        c->CreateControl(view(tag), nullptr, nullptr, nullptr, nullptr, nullptr, key);
        AddNewControl(std::move(c));
    };
    rangeLabel(TrimmerUnit::kMillimetre, kMMLabelTag, "Trimmer MM Static Text");
    rangeLabel(TrimmerUnit::kInch, kInchLabelTag, "Trimmer Inch Static Text");
    for (auto [tag, key] : {std::pair{kMMSideTag, kMMSideKey}, std::pair{kInchSideTag, kInchSideKey}}) {
        auto c = std::make_unique<zqpde::StaticTextEditControl>();
        c->CreateControl(view(tag), nullptr, nullptr, nullptr, nullptr, nullptr, key);
        AddNewControl(std::move(c));
    }

    auto mmEdit = std::make_unique<PFTrimmerMMTextEditCtrlARK>(this);
    mmEdit->CreateControl(view(kMMEditTag), &m_TrimmerMMIniData, &TrimmerNumberMMEditCnstrnInfo,
                          &TrimmerMMTextEditAccessInfo, nullptr, &TrimmerMMFilterData, kTitleKey,
                          &m_TrimmerMMEditValueRangeData);
    mmEdit_ = AddNewControl(std::move(mmEdit));
    auto inchEdit = std::make_unique<PFTrimmerInchesTextEditCtrlARK>(this);
    inchEdit->CreateControl(view(kInchEditTag), &m_TrimmerInchIniData, &TrimmerNumberInchEditCnstrnInfo,
                            &TrimmerInchTextEditAccessInfo, nullptr, &TrimmerInchFilterData, kTitleKey,
                            &m_TrimmerInchEditValueRangeData);
    inchEdit_ = AddNewControl(std::move(inchEdit));

    auto mmStep = std::make_unique<PFTrimmerMMLittleArrowControlARK>(this);
    mmStep->CreateControl(view(kMMStepTag), &m_TrimmerLittleArrowMMIniData, &TrimmerLittleArrayMMCnstrnInfo,
                          &TrimmerLittleArrayMMAccessInfo, nullptr, kTitleKey, TrimmerLittleArrayMMVlidateArray);
    mmStepper_ = AddNewControl(std::move(mmStep));
    auto inchStep = std::make_unique<PFTrimmerInchesLittleArrowControlARK>(this);
    inchStep->CreateControl(view(kInchStepTag), &m_TrimmerLittleArrowInchIniData, &TrimmerLittleArrayInchCnstrnInfo,
                            &TrimmerLittleArrayInchAccessInfo, nullptr, kTitleKey,
                            TrimmerLittleArrayInchVlidateArray);
    inchStepper_ = AddNewControl(std::move(inchStep));

    // Leaving a unit checks that unit's field first.
    InchMmGroupPtr = std::make_unique<zqpde::RadioGroup>();
    inchRadio_ = AddNewControl(std::make_unique<PFInchMMRadioButtonARK>(
        view(kInchRadioTag), &trimmerinchesRdioIniData, &kInchRadioCnstrnInfo, &TrimmerInchRadioAccessInfo,
        TrimmerLittleArrayMMVlidateArray));
    mmRadio_ = AddNewControl(std::make_unique<PFInchMMRadioButtonARK>(view(kMMRadioTag), &trimmerMMRdioIniData,
                                                                      &kMMRadioCnstrnInfo, &TrimmerMMRadioAccessInfo,
                                                                      TrimmerLittleArrayInchVlidateArray));
    InchMmGroupPtr->RunTimeAddNewControl(inchRadio_);
    InchMmGroupPtr->RunTimeAddNewControl(mmRadio_);

    AddWindowButtons(*this, view(kOKTag), view(kCancelTag), view(kDefaultTag), view(kHelpTag), "Trimmer.htm", nullptr,
                     std::make_unique<PFTrimmerCancelButtonARK>());
}

PFTrimmerWndARK::~PFTrimmerWndARK() = default;

void PFTrimmerWndARK::GetTrimmerPaperSize() {
    std::optional<std::string> mappingName;
    TrimmerPaper dialogPaper;
    // The panel's host once the window hangs off it; the one it was made with before.
    zqpde::BasePrintPanel* panel = GetParentWnd();
    zqp::DialogHost* host = panel != nullptr && panel->GetCurrentPDECallbackObj() != nullptr
                                ? panel->GetCurrentPDECallbackObj()
                                : host_;
    if (host != nullptr) {
        std::string name;
        if (zqp::PrintSettings* s = host->printSettings();
            s != nullptr && s->GetValue("com.apple.print.PageToPaperMappingMediaName", name) == zqp::kNoErr)
            mappingName = name;
        zqp::Rect paper;
        if (zqp::PrintSession* session = host->printSession();
            session != nullptr && session->pageFormat().GetUnadjustedPaperRect(paper) == zqp::kNoErr)
            dialogPaper = {paper.right - paper.left, paper.bottom - paper.top};
    }
    if (const std::optional<double> edge = TrimmerSheetLongEdge(ppd_, mappingName, dialogPaper))
        m_fLongsideLength = *edge;
}

void PFTrimmerWndARK::UpdateTrimmerIniDate() {
    limits_ = TrimmerLimitsOfLongEdge(m_fLongsideLength);
    m_TrimmerMMIniData = TrimmerMMIniData;
    m_TrimmerInchIniData = TrimmerInchIniData;
    m_TrimmerMMEditValueRangeData = {limits_.mmMin, limits_.mmMax};
    m_TrimmerInchEditValueRangeData = {limits_.inchesMin, limits_.inchesMax};
    m_TrimmerLittleArrowMMIniData = TrimmerLittleArrowMMIniData;
    m_TrimmerLittleArrowMMIniData.minimum = limits_.mmMin;
    m_TrimmerLittleArrowMMIniData.maximum = limits_.mmMax;
    m_TrimmerLittleArrowInchIniData = TrimmerLittleArrowInchIniData;
    m_TrimmerLittleArrowInchIniData.minimum = limits_.inchesMin;
    m_TrimmerLittleArrowInchIniData.maximum = limits_.inchesMax;
}

void PFTrimmerWndARK::ReInitializeCtrl() {
    zqp::Bundle* bundle = zqpde::pluginBundle != nullptr ? zqpde::pluginBundle : GetPDEBundleRef();
    for (auto& c : fCtrlGroupArray)
        if (auto* label = dynamic_cast<PFTrimmerStaticTextEditControlARK*>(c.get())) label->InitializeTitle(bundle);
    if (mmEdit_ != nullptr) mmEdit_->ReInitializewithIniData(&m_TrimmerMMIniData, m_TrimmerMMEditValueRangeData);
    if (inchEdit_ != nullptr)
        inchEdit_->ReInitializewithIniData(&m_TrimmerInchIniData, m_TrimmerInchEditValueRangeData);
    if (mmStepper_ != nullptr) mmStepper_->ReInitializeWithIniData(m_TrimmerLittleArrowMMIniData);
    if (inchStepper_ != nullptr) inchStepper_->ReInitializeWithIniData(m_TrimmerLittleArrowInchIniData);
}

void PFTrimmerWndARK::SetCancelRestoreValue() {
    if (mmEdit_ != nullptr) mmEdit_->setCancelRestoreValue();
    if (inchEdit_ != nullptr) inchEdit_->setCancelRestoreValue();
    if (mmStepper_ != nullptr) mmStepper_->setCancelRestoreValue();
    if (inchStepper_ != nullptr) inchStepper_->setCancelRestoreValue();
}

void PFTrimmerWndARK::RestoreCancelValues() {
    if (mmEdit_ != nullptr) mmEdit_->restoreCtrlValue();
    if (inchEdit_ != nullptr) inchEdit_->restoreCtrlValue();
    if (mmStepper_ != nullptr) mmStepper_->restoreCtrlValue();
    if (inchStepper_ != nullptr) inchStepper_->restoreCtrlValue();
}

int32_t PFTrimmerWndARK::ActivateWindow() {
    zqp::Window* w = GetWindowRef();
    if (w == nullptr) return 0;
    GetTrimmerPaperSize();
    UpdateTrimmerIniDate();
    ReInitializeCtrl();
    // Hide counts start afresh so the unit shown follows the radios.
    ResetCurrentControlStatus();
    if (inchRadio_ != nullptr) inchRadio_->ForgetShownState();
    if (mmRadio_ != nullptr) mmRadio_->ForgetShownState();
    ChangeActivedStatus(true);
    // With millimetres committed the inch side follows them on this sheet.
    if (!CommittedInches() && mmStepper_ != nullptr && mmStepper_->GetControlBlkPtr() != nullptr)
        mmStepper_->UpdatePresetCuttingSize(mmStepper_->GetValue());
    SetCurrentValueToUI();
    SetCancelRestoreValue();
    zqp::Application::Shared().runModalForWindow(*w);
    return 0;
}

int32_t PFTrimmerWndARK::SetDefaultValueToUI() {
    PFFeatureWndARK::SetDefaultValueToUI();
    if (mmEdit_ != nullptr) mmEdit_->SetDefaultValueToUI();
    if (inchEdit_ != nullptr) inchEdit_->SetDefaultValueToUI();
    return 0;
}

zqcommon::InchMMValueRange PFTrimmerWndARK::TrimRange(TrimmerUnit unit) const {
    const bool mm = unit == TrimmerUnit::kMillimetre;
    const TrimmerLimits l = TrimmerLimitsOfLongEdge(m_fLongsideLength);
    return {HalfEdge(unit) - (mm ? l.mmMax : l.inchesMax), HalfEdge(unit) - (mm ? l.mmMin : l.inchesMin)};
}

int32_t PFTrimmerWndARK::InchDefaultTrim() const {
    const int32_t finished = TrimmerInchDefaultFinished(HalfEdge(TrimmerUnit::kMillimetre), std::atoi(kMMDefaultText));
    return HalfEdge(TrimmerUnit::kInch) - finished;
}

int32_t PFTrimmerWndARK::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    GetTrimmerPaperSize();
    if (!(m_fLongsideLength > 0)) {
        if (settings != nullptr) settings->Remove(kCuttingSizeKey);
        return 0;
    }
    UpdateTrimmerIniDate();
    ReInitializeCtrl();
    const zqcommon::InchMMValueRange mm = TrimRange(TrimmerUnit::kMillimetre);
    const zqcommon::InchMMValueRange in = TrimRange(TrimmerUnit::kInch);
    int32_t trim = 0;
    if (mmStepper_ != nullptr && mmStepper_->GetControlBlkPtr() != nullptr) {
        const int32_t t = std::clamp(mmStepper_->GetValue(), mm.minimum, mm.maximum);
        mmStepper_->SetCuttingSize(t);
        // The millimetres are what the printer gets: the inch side follows
        // them on this sheet, so its keys show the same width.
        if (!CommittedInches()) mmStepper_->UpdatePresetCuttingSize(t);
    }
    if (mmEdit_ != nullptr && mmEdit_->Trim(&trim)) mmEdit_->SetCuttingSize(std::clamp(trim, mm.minimum, mm.maximum));
    if (inchEdit_ != nullptr && inchEdit_->Trim(&trim)) inchEdit_->SetCuttingSize(std::clamp(trim, in.minimum, in.maximum));
    if (inchStepper_ != nullptr && inchStepper_->GetControlBlkPtr() != nullptr)
        inchStepper_->SetCuttingSize(std::clamp(inchStepper_->GetValue(), in.minimum, in.maximum));
    return PFFeatureWndARK::SetValueToTicket(settings, lock);
}

int32_t PFTrimmerWndARK::HalfEdge(TrimmerUnit unit) const {
    return unit == TrimmerUnit::kMillimetre ? TrimmerHalfEdgeMM(m_fLongsideLength)
                                            : TrimmerHalfEdgeInches(m_fLongsideLength);
}

int32_t PFTrimmerWndARK::getTrimmerShiftValueDisplayStyle() const {
    return UnitRadiosDisplayStyle(inchRadio_, mmRadio_);
}

bool PFTrimmerWndARK::CommittedInches() const {
    return inchRadio_ != nullptr && mmRadio_ != nullptr && inchRadio_->GetValue() == 1 && mmRadio_->GetValue() == 0;
}

}  // namespace zqfeat
