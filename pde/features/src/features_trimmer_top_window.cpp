#include "features_trimmer_top_window.h"

#include <zqp/bundle.h>
#include <zqp/print_session.h>
#include <zqp/print_settings.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "features_panel.h"
#include "features_trimmer_texts.h"
#include "zqpde/input_filter.h"
#include "zqpde/number_text.h"

#define NS "com.tavelle.qdm.printsettings."

namespace zqfeat {

// ---- tables ------------------------------------------------------------------------

namespace {

constexpr size_t Index(TrimmerKind kind) { return static_cast<size_t>(kind); }

// Tags of a kind, from its first: inch range label, inch unit label, inch
// field, inch stepper, millimetre range label, millimetre unit label,
// millimetre field, millimetre stepper.
enum Slot { kInchLabel, kInchSide, kInchEdit, kInchStep, kMMLabel, kMMSide, kMMEdit, kMMStep, kSlotCount };
constexpr int32_t kFirstTag[] = {9001, 9011, 9019};
constexpr int32_t kInchRadioTag = 9009, kMMRadioTag = 9010;
constexpr int32_t kTitleTag = 9027, kOKTag = 9028, kCancelTag = 9029, kDefaultTag = 9030, kHelpTag = 9031;

constexpr uint32_t kText = zqpde::kValueTypeText;
constexpr uint32_t kNumber = zqpde::kValueTypeNumber;
#define POINT_DIGITS {2, {{'.', '.'}, {'0', '9'}}}
#define SIGNED_POINT_DIGITS {3, {{'-', '-'}, {'.', '.'}, {'0', '9'}}}

struct KindTable {
    const char* mmLabelKey;
    const char* inchLabelKey;
    const char* editTitle;
    zqpde::TextEditIniData mmIni, inchIni;
    zqpde::LittleArrayIniData mmStep, inchStep;
    zqpde::TextEditFilterData filter;
    zqpde::AccessInfo mmEdit, inchEdit, mmStepper, inchStepper;
};

const KindTable kKinds[] = {
    {"Trimmer Height MM Static Text", "Trimmer Height Inch Static Text", "Trimmer Height Edit Text",
     {nullptr, "120", 1, 5}, {nullptr, "47", 1, 5},
     {0, 120, 0, 0, 9999, 1}, {0, 47, 0, 0, 99, 1},
     {POINT_DIGITS, POINT_DIGITS, "Message51"},
     {kText, kText, NS "TrimmerHeightMMTextEditTicket", nullptr},
     {kText, kText, NS "TrimmerHeightInchesTextEditTicket", nullptr},
     {kNumber, kNumber, NS "TrimmerHeightMMSizeTicket", nullptr},
     {kNumber, kNumber, NS "TrimmerHeightInchesShiftTicket", nullptr}},
    {"Trimmer Width MM Static Text", "Trimmer Width Inch Static Text", "Trimmer Width Edit Text",
     {nullptr, "80", 1, 5}, {nullptr, "31", 1, 4},
     {0, 80, 0, 0, 9999, 1}, {0, 31, 0, 0, 99, 1},
     {POINT_DIGITS, POINT_DIGITS, "Message51"},
     {kText, kText, NS "TrimmerWidthMMTextEditTicket", nullptr},
     {kText, kText, NS "TrimmerWidthInchesTextEditTicket", nullptr},
     {kNumber, kNumber, NS "TrimmerWidthMMSizeTicket", nullptr},
     {kNumber, kNumber, NS "TrimmerWidthInchesShiftTicket", nullptr}},
    {"Trimmer Adjust MM Static Text", "Trimmer Adjust Inch Static Text", "Trimmer Adjust Edit Text",
     {nullptr, "0", 1, 5}, {nullptr, "0", 1, 5},
     {0, 0, 0, 0, 9999, 1}, {0, 0, 0, 0, 99, 1},
     {SIGNED_POINT_DIGITS, SIGNED_POINT_DIGITS, "Message51"},
     {kText, kText, NS "TrimmerAdjustMMTextEditTicket", nullptr},
     {kText, kText, NS "TrimmerAdjustInchesTextEditTicket", nullptr},
     {kNumber, kNumber, NS "TrimmerAdjustMMSizeTicket", nullptr},
     {kNumber, kNumber, NS "TrimmerAdjustInchesShiftTicket", nullptr}},
};
#undef POINT_DIGITS
#undef SIGNED_POINT_DIGITS

const zqpde::AccessInfo kInchRadioAccess = {kNumber, kNumber, NS "TrimmerTopLowerInchesRadioTicket", nullptr};
const zqpde::AccessInfo kMMRadioAccess = {kNumber, kNumber, NS "TrimmerTopLowerMMRadioTicket", nullptr};
const zqpde::RadioButtonIniData kInchRadioIni = {0, 0, -1, "Trimmer Inches Radio Button Title",
                                                  "Trimmer Summary for Inches Radio Button Title"};
const zqpde::RadioButtonIniData kMMRadioIni = {1, 1, -1, "Trimmer MM Radio Button Title",
                                               "Trimmer Summary for MM Radio Button Title"};
constexpr const char* kMMSideKey = "Trimmer MM Side Static Text";
constexpr const char* kInchSideKey = "Trimmer Inches Side Static Text";

// The lists that tie the controls together: a field updates its stepper,
// then the other unit's field of its kind; a stepper updates (and checks)
// its field; a radio hides, while off, its unit's views of every kind.
struct Links {
    int32_t tags[3][kSlotCount];
    const int32_t* editList[3][2][3];
    const int32_t* stepList[3][2][2];
    zqpde::ConstrainTagList editLists[3][2][1], stepLists[3][2][1];
    zqpde::ConstrainInfo edit[3][2], step[3][2];
    int32_t validateStep[3][2][2];
    const int32_t* views[2][13];  // [inches?][...]
    const int32_t* toOther[2][2];
    zqpde::ConstrainTagList hide[2][1], update[2][2];
    zqpde::ConstrainInfo radio[2];
    int32_t validateRadio[2][4];  // [inches radio?]: the fields of the unit it leaves
    int32_t radioTags[2];
};

const Links& LinksOf() {
    static Links l;
    static bool made = false;
    if (made) return l;
    l.radioTags[0] = kMMRadioTag;
    l.radioTags[1] = kInchRadioTag;
    for (int k = 0; k < 3; ++k) {
        for (int s = 0; s < kSlotCount; ++s) l.tags[k][s] = kFirstTag[k] + s;
        for (int u = 0; u < 2; ++u) {
            const int32_t* t = l.tags[k];
            const int edit = u ? kInchEdit : kMMEdit, step = u ? kInchStep : kMMStep, other = u ? kMMEdit : kInchEdit;
            l.editList[k][u][0] = &t[step], l.editList[k][u][1] = &t[other], l.editList[k][u][2] = nullptr;
            l.stepList[k][u][0] = &t[edit], l.stepList[k][u][1] = nullptr;
            l.editLists[k][u][0] = l.editList[k][u];
            l.stepLists[k][u][0] = l.stepList[k][u];
            l.edit[k][u] = {{}, {}, zqpde::ConstrainListsOf(l.editLists[k][u])};
            l.step[k][u] = {{}, {}, zqpde::ConstrainListsOf(l.stepLists[k][u])};
            l.validateStep[k][u][0] = t[edit], l.validateStep[k][u][1] = 0;
            l.validateRadio[u][k] = t[u ? kMMEdit : kInchEdit];
        }
    }
    for (int u = 0; u < 2; ++u) {
        int n = 0;
        for (int k = 0; k < 3; ++k)
            for (int s : u ? std::array<int, 4>{kInchEdit, kInchStep, kInchLabel, kInchSide}
                           : std::array<int, 4>{kMMEdit, kMMStep, kMMLabel, kMMSide})
                l.views[u][n++] = &l.tags[k][s];
        l.views[u][n] = nullptr;
        l.toOther[u][0] = &l.radioTags[u ? 0 : 1], l.toOther[u][1] = nullptr;
        l.hide[u][0] = l.views[u];
        l.update[u][0] = l.update[u][1] = l.toOther[u];
        l.radio[u] = {{}, zqpde::ConstrainListsOf(l.hide[u]), zqpde::ConstrainListsOf(l.update[u])};
        l.validateRadio[u][3] = 0;
    }
    made = true;
    return l;
}

PFTrimmerTopLowerWndARK* TopLowerWindowOf(zqpde::BasePrintPanel* panel) {
    return dynamic_cast<PFTrimmerTopLowerWndARK*>(panel);
}

PrintFeaturesPDEr15* FeaturesPanelOf(zqpde::BasePrintPanel* window) {
    auto* w = dynamic_cast<zqpde::PopupWinInPanel*>(window);
    return w != nullptr ? dynamic_cast<PrintFeaturesPDEr15*>(w->GetParentWnd()) : nullptr;
}

std::string ValueText(bool inches, int32_t value) { return inches ? HundredthsText(value) : TenthsText(value); }

std::string Translated(zqp::Bundle* bundle, const zqpde::BasePrintPanel* panel, const char* key) {
    return bundle->localizedString(key, zqp::kNoTranslation,
                                   panel != nullptr ? panel->StringTable() : zqp::kDefaultStringTable);
}

class TopLowerFormatter : public PFNumInSeqTextEditFormatterARK {
public:
    TopLowerFormatter(int32_t scale, bool negative, const zqpde::TextEditFilterData* filter,
                      const zqcommon::InchMMValueRange* range, uint32_t maxLength, zqpde::TextEditCtrl* field)
        : PFNumInSeqTextEditFormatterARK(filter, range, maxLength, field), scale_(scale), negative_(negative) {}
    bool IsNumberValid(const std::string& text) override {
        const auto v = TopLowerTypedValue(text, scale_, negative_);
        return v && (editValueRangeDataPtr == nullptr ||
                     (*v >= editValueRangeDataPtr->minimum && *v <= editValueRangeDataPtr->maximum));
    }

private:
    int32_t scale_;
    bool negative_;
};

}  // namespace

// ---- fields --------------------------------------------------------------------------

PFTrimmerTopLowerWndARK* PFTrimmerTopLowerTextEditCtrlARK::Window() const { return TopLowerWindowOf(ctrlParentPanelPtr); }

std::string PFTrimmerTopLowerTextEditCtrlARK::TextOf(int32_t value) const {
    std::string text = ValueText(inches_, value);
    if (const int32_t max = textEditIniDataPtr != nullptr ? static_cast<int32_t>(textEditIniDataPtr->maxLength) : 0;
        max > 0 && text.size() > static_cast<size_t>(max))
        text.resize(static_cast<size_t>(max));
    return text;
}

std::shared_ptr<zqp::Formatter> PFTrimmerTopLowerTextEditCtrlARK::CreateUnitFormatter() {
    return std::make_shared<TopLowerFormatter>(Scale(), m_trimmerType_flag == TrimmerKind::kAdjust,
                                               textEditFilterDataPtr, getRangeDataPtr(),
                                               textEditIniDataPtr->maxLength, this);
}

bool PFTrimmerTopLowerTextEditCtrlARK::IsNumberValid(const std::string& text) {
    PFTrimmerTopLowerWndARK* w = Window();
    if (w != nullptr) w->SetErrorFlag(inches_, kTrimmerCutOK);
    if (textEditFilterDataPtr != nullptr)
        for (unsigned char c : text)
            if (!zqpde::ISByteValid(c, &textEditFilterDataPtr->byteFilter)) return false;
    const auto v = TopLowerTypedValue(text, Scale(), m_trimmerType_flag == TrimmerKind::kAdjust);
    if (!v || *v < inchMMEditValueRangeData.minimum || *v > inchMMEditValueRangeData.maximum) return false;
    if (w == nullptr) return true;
    const int32_t flag =
        inches_ ? TrimmerCutCheckInches(m_trimmerType_flag, *v, w->BaseOf(TrimmerKind::kHeight, true), w->AdjustInput(true))
                : TrimmerCutCheckMM(m_trimmerType_flag, *v, w->BaseOf(TrimmerKind::kHeight, false), w->AdjustInput(false));
    w->SetErrorFlag(inches_, flag);
    return flag == kTrimmerCutOK;
}

bool PFTrimmerTopLowerTextEditCtrlARK::InvalidateData() {
    if (PFTrimmerTopLowerWndARK* w = Window()) w->SetErrorFlag(inches_, kTrimmerCutOK);
    return PFNumInSeqTextEditCtrlARK::InvalidateData();
}

void PFTrimmerTopLowerTextEditCtrlARK::ShowValueText(const std::string& text) {
    ShowText(text);
    if (m_trimmerType_flag != TrimmerKind::kAdjust) return;
    if (PFTrimmerTopLowerWndARK* w = Window())
        w->SetAdjustInput(inches_, TopLowerTypedValue(text, Scale(), true).value_or(0));
}

int32_t PFTrimmerTopLowerTextEditCtrlARK::OnRawKeyUp(void* event) {
    const char* text = static_cast<const char*>(event);
    if (text == nullptr) return 0;
    SetUIText(text);
    const auto v = TopLowerTypedValue(text, Scale(), m_trimmerType_flag == TrimmerKind::kAdjust);
    if (m_trimmerType_flag == TrimmerKind::kAdjust)
        if (PFTrimmerTopLowerWndARK* w = Window()) w->SetAdjustInput(inches_, v.value_or(0));
    if (v)
        if (auto* stepper = dynamic_cast<PFInchMMLittleArrowControlARK*>(GetLittleArrayForNumberEdit()))
            stepper->ShowValue(*v);
    DoControlUpdateConstrain();
    return 0;
}

std::string PFTrimmerTopLowerTextEditCtrlARK::TextOfValue(int32_t value) { return ValueText(inches_, value); }

int32_t PFTrimmerTopLowerTextEditCtrlARK::Update() {
    PFTrimmerTopLowerWndARK* w = Window();
    auto* other = dynamic_cast<zqp::TextField*>(GetTextEditForNumberEdit() != nullptr
                                                    ? GetTextEditForNumberEdit()->GetControlPtr()
                                                    : nullptr);
    if (GetHideCount() <= 0 || w == nullptr || other == nullptr) return 0;
    const std::string typed = other->stringValue();
    // Only a number the other field can hold is carried over.
    if (!TopLowerTypedValue(typed, inches_ ? 10 : 100, m_trimmerType_flag == TrimmerKind::kAdjust)) return 0;
    const double number = std::strtod(typed.c_str(), nullptr);
    const TrimmerLimits& limits = w->LimitsOf(m_trimmerType_flag);
    const int32_t v = inches_ ? TopLowerHiddenInches(number, limits)
                              : TopLowerHiddenMM(m_trimmerType_flag, number, limits,
                                                 w->BaseOf(m_trimmerType_flag, false),
                                                 w->BaseOf(m_trimmerType_flag, true));
    ShowValueText(TextOf(v));
    if (auto* stepper = dynamic_cast<PFInchMMLittleArrowControlARK*>(GetLittleArrayForNumberEdit()))
        stepper->ShowValue(v);
    return 0;
}

int32_t PFTrimmerTopLowerTextEditCtrlARK::CommittedTrim() { return zqpde::DecimalInt32(GetText()).value_or(0); }

void PFTrimmerTopLowerTextEditCtrlARK::SetCuttingSize(int32_t trim) {
    PFTrimmerTopLowerWndARK* w = Window();
    if (w == nullptr) return;
    ShowValueText(TextOf(TopLowerShown(m_trimmerType_flag, w->BaseOf(m_trimmerType_flag, inches_), trim)));
}

bool PFTrimmerTopLowerTextEditCtrlARK::SetControlValueToUI() {
    if (ctrlDataBlkPtr.empty() || ctrlDataAccessInfoPtr == nullptr || ControlPtr == nullptr) return false;
    if (!zqpde::DecimalInt32(GetText())) {
        ShowValueText("");
        return true;
    }
    SetCuttingSize(CommittedTrim());
    return true;
}

bool PFTrimmerTopLowerTextEditCtrlARK::SetValueFromUIToControl() {
    PFTrimmerTopLowerWndARK* w = Window();
    if (ctrlDataBlkPtr.empty() || w == nullptr) return false;
    const std::string typed = GetUIData() != nullptr ? std::string(GetUIData()) : std::string();
    const auto v = TopLowerTypedValue(typed, Scale(), m_trimmerType_flag == TrimmerKind::kAdjust);
    ConvertFromPreferenceString(
        v ? std::to_string(TopLowerShown(m_trimmerType_flag, w->BaseOf(m_trimmerType_flag, inches_), *v)) : "");
    return true;
}

bool PFTrimmerTopLowerTextEditCtrlARK::SetDefaultValueToUI() {
    PFTrimmerTopLowerWndARK* w = Window();
    if (w == nullptr) return false;
    const int32_t mmBase = w->BaseOf(m_trimmerType_flag, false);
    ShowValueText(TextOf(inches_ ? TopLowerDefaultShownInches(m_trimmerType_flag, mmBase)
                                 : TopLowerDefaultShownMM(m_trimmerType_flag, mmBase)));
    return true;
}

bool PFTrimmerTopLowerTextEditCtrlARK::GetValueToPreset() {
    PFTrimmerTopLowerWndARK* w = Window();
    if (w == nullptr) return false;
    const zqcommon::InchMMValueRange range = w->TrimRangeOf(m_trimmerType_flag, inches_);
    const std::optional<int32_t> trim = ReadTicketInteger(range.minimum, range.maximum);
    if (!trim) return false;
    ConvertFromPreferenceString(std::to_string(*trim));
    return true;
}

bool PFTrimmerTopLowerTextEditCtrlARK::ToGetSummaryText() {
    PrintFeaturesPDEr15* panel = FeaturesPanelOf(ctrlParentPanelPtr);
    // The three-edge values are in use only with the list on its third
    // item; the boolean switch does not exist with that list.
    PFTrimmerTopLowerWndARK* w = Window();
    return panel != nullptr && w != nullptr && w->InchUnitCommitted() == inches_ && panel->getTrimmerListValue() == 3;
}

int32_t PFTrimmerTopLowerTextEditCtrlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary,
                                                         zqpde::SummaryOrder* order) {
    PFTrimmerTopLowerWndARK* w = Window();
    if (dictionary == nullptr || order == nullptr || w == nullptr || titletextRef.empty() || !ToGetSummaryText())
        return 0;
    std::string value;
    if (zqpde::DecimalInt32(GetText())) {
        value = ValueText(inches_,
                          TopLowerShown(m_trimmerType_flag, w->BaseOf(m_trimmerType_flag, inches_), CommittedTrim()));
        value += " " + Localized(PanelBundle(), inches_ ? kInchSideKey : kMMSideKey);
    }
    const std::string title = Localized(PanelBundle(), titletextRef.c_str());
    (*dictionary)[title] = value;
    order->push_back(title);
    return 0;
}

void PFTrimmerTopLowerTextEditCtrlARK::ShowErrMsg() {
    PFTrimmerTopLowerWndARK* w = Window();
    zqp::Bundle* bundle = PanelBundle();
    if (w == nullptr || bundle == nullptr || textEditFilterDataPtr == nullptr ||
        textEditFilterDataPtr->errorMessageKey == nullptr)
        return;
    const int32_t flag = w->TakeErrorFlag(inches_);
    if (flag != kTrimmerCutOK && flag != kTrimmerCutOutOfBounds && flag != kTrimmerHeightTooSmall &&
        flag != kTrimmerSheetTooSmall)
        return;
    const char* key = textEditFilterDataPtr->errorMessageKey;
    // The cut messages state the height range; the range alert that of the
    // field's kind.
    const TrimmerLimits& range = w->LimitsOf(flag == kTrimmerCutOK ? m_trimmerType_flag : TrimmerKind::kHeight);
    const int32_t low = inches_ ? range.inchesMin : range.mmMin, high = inches_ ? range.inchesMax : range.mmMax;
    if (flag == kTrimmerCutOutOfBounds || flag == kTrimmerHeightTooSmall) key = "Message67";
    if (flag == kTrimmerSheetTooSmall) key = "Message66";
    zqp::Alert alert;
    alert.addButtonWithTitle(Translated(bundle, ctrlParentPanelPtr, "Alert OK Btn"));
    alert.setMessageText("");
    alert.setInformativeText(FillTrimmerPlaceholders(Translated(bundle, ctrlParentPanelPtr, key),
                                                     {ValueText(inches_, low), ValueText(inches_, high)}));
    alert.setInformativeKey(key);
    alert.setAlertStyle(zqp::AlertStyle::kWarning);
    alert.setIconFromFile(bundle->resourcePath() + "/AlertIcon.png");
    alert.runModal();
    if (ControlPtr != nullptr)
        if (zqp::Window* window = ControlPtr->window()) window->makeFirstResponder(ControlPtr);
}

// ---- steppers ------------------------------------------------------------------------

PFTrimmerTopLowerWndARK* PFTrimmerTopLowerLittleArrowControlARK::Window() const {
    return TopLowerWindowOf(ctrlParentPanelPtr);
}

int32_t PFTrimmerTopLowerLittleArrowControlARK::Base() const {
    PFTrimmerTopLowerWndARK* w = Window();
    return w != nullptr ? w->BaseOf(m_trimmerType_flag, inches_) : 0;
}

void PFTrimmerTopLowerLittleArrowControlARK::SetLimits(const TrimmerLimits& limits) {
    minimum_ = inches_ ? limits.inchesMin : limits.mmMin;
    maximum_ = inches_ ? limits.inchesMax : limits.mmMax;
    SetRange(minimum_, maximum_);
}

void PFTrimmerTopLowerLittleArrowControlARK::SetCuttingSize(int32_t trim) {
    ShowValue(std::clamp(TopLowerShown(m_trimmerType_flag, Base(), trim), minimum_, std::max(minimum_, maximum_)));
}

bool PFTrimmerTopLowerLittleArrowControlARK::SetControlValueToUI() {
    if (GetControlBlkPtr() == nullptr) return false;
    SetCuttingSize(GetValue());
    SimulationUIEventHandler();
    return true;
}

bool PFTrimmerTopLowerLittleArrowControlARK::SetValueFromUIToControl() {
    if (GetControlBlkPtr() == nullptr || GetValueFromUIDataBlk() == nullptr) return false;
    SetBlockInt(GetControlBlkPtr(), TopLowerShown(m_trimmerType_flag, Base(), BlockInt(GetValueFromUIDataBlk())));
    return true;
}

bool PFTrimmerTopLowerLittleArrowControlARK::SetDefaultValueToUI() {
    PFTrimmerTopLowerWndARK* w = Window();
    if (w == nullptr) return false;
    const int32_t mmBase = w->BaseOf(m_trimmerType_flag, false);
    ShowValue(inches_ ? TopLowerDefaultShownInches(m_trimmerType_flag, mmBase)
                      : TopLowerDefaultShownMM(m_trimmerType_flag, mmBase));
    return true;
}

int32_t PFTrimmerTopLowerLittleArrowControlARK::DoControlUpdateConstrain() {
    auto* field = dynamic_cast<PFTrimmerTopLowerTextEditCtrlARK*>(GetNumberEditFromLittleArrow());
    auto* view = dynamic_cast<zqp::Stepper*>(ControlPtr);
    if (field != nullptr && view != nullptr) {
        const int32_t v = view->integerValue();
        std::string text = ValueText(inches_, v);
        if (const int32_t max = field->GetEditMaxLength(); max > 0 && text.size() > static_cast<size_t>(max))
            text.resize(static_cast<size_t>(max));
        field->ShowValueText(text);
        // The other unit's field follows while it is hidden, as after
        // typing. This also runs when the window shows the committed
        // values: the unit shown keeps its own, never the other's converted.
        field->DoControlUpdateConstrain();
    }
    return zqpde::LittleArray::DoControlUpdateConstrain();
}

bool PFTrimmerTopLowerLittleArrowControlARK::GetValueToPreset() {
    PFTrimmerTopLowerWndARK* w = Window();
    if (w == nullptr) return false;
    const zqcommon::InchMMValueRange range = w->TrimRangeOf(m_trimmerType_flag, inches_);
    const std::optional<int32_t> trim = ReadTicketInteger(range.minimum, range.maximum);
    if (!trim) return false;
    SetBlockInt(GetControlBlkPtr(), *trim);
    return true;
}

bool PFTrimmerTopLowerLittleArrowControlARK::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    PFTrimmerTopLowerWndARK* w = Window();
    if (GetControlBlkPtr() == nullptr || ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr)
        return false;
    if (w != nullptr && !w->IsThreeEdgeChosen()) return true;
    if (w != nullptr) {
        w->GetTrimmerPaperSize();
        w->UpdateTrimmerIniDate();
    }
    if (w != nullptr && !w->SheetKnown()) return false;
    const int32_t shown =
        std::clamp(TopLowerShown(m_trimmerType_flag, Base(), GetValue()), minimum_, std::max(minimum_, maximum_));
    return StoreTicketText(settings, std::to_string(TopLowerShown(m_trimmerType_flag, Base(), shown)), lock);
}

bool PFTrimmerTopLowerMMLittleArrowControlARK::GetValueToPreset() {
    PFTrimmerTopLowerWndARK* w = Window();
    std::string text;
    if (w == nullptr || GetControlBlkPtr() == nullptr || !ReadTicketText(text)) return false;
    // The size is the finished value on the sheet it was written for: the
    // trim comes back from it and the sheet; a size outside the sheet's
    // limits gives the default.
    w->GetTrimmerPaperSize();
    w->UpdateTrimmerIniDate();
    const TrimmerLimits& l = w->LimitsOf(m_trimmerType_flag);
    const auto size = zqpde::DecimalInt32(text, l.mmMin, l.mmMax);
    if (!size) return false;
    SetBlockInt(GetControlBlkPtr(), TopLowerShown(m_trimmerType_flag, Base(), *size));
    return true;
}

bool PFTrimmerTopLowerMMLittleArrowControlARK::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    PFTrimmerTopLowerWndARK* w = Window();
    if (GetControlBlkPtr() == nullptr || ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr)
        return false;
    if (w == nullptr) return false;
    if (!w->IsThreeEdgeChosen()) return true;
    int32_t trim = GetValue();
    if (w->InchUnitCommitted()) {
        // Inches left at their default give the millimetre default, not its
        // conversion; otherwise this stepper followed the inch value.
        auto* inchEdit = w->Edit(m_trimmerType_flag, true);
        if (inchEdit != nullptr && inchEdit->CommittedTrim() == TopLowerDefaultTrimInches(m_trimmerType_flag))
            trim = TopLowerDefaultTrimMM(m_trimmerType_flag);
    }
    w->GetTrimmerPaperSize();
    w->UpdateTrimmerIniDate();
    // No sheet, no size: an earlier job's size would be for another sheet.
    if (!w->SheetKnown()) {
        if (settings != nullptr) settings->Remove(ctrlDataAccessInfoPtr->ticketKey);
        return false;
    }
    const int32_t size =
        std::clamp(TopLowerShown(m_trimmerType_flag, Base(), trim), minimum_, std::max(minimum_, maximum_));
    return StoreTicketText(settings, std::to_string(size), lock);
}

// ---- labels --------------------------------------------------------------------------

PFTrimmerTopLowerStaticTextEditControlARK::PFTrimmerTopLowerStaticTextEditControlARK(int32_t fathomFlag,
                                                                                   TrimmerKind kind, const char* key)
    : m_fathomFlag(fathomFlag), m_trimmer_flag(kind), key_(key) {}

bool PFTrimmerTopLowerStaticTextEditControlARK::InitializeTitle(zqp::Bundle* bundle) {
    if (bundle == nullptr) return false;
    std::string text = Localized(bundle, key_.c_str());
    if (PFTrimmerTopLowerWndARK* w = TopLowerWindowOf(ctrlParentPanelPtr); w != nullptr && m_fathomFlag != 2) {
        const bool inches = m_fathomFlag == 0;
        const TrimmerLimits& l = w->LimitsOf(m_trimmer_flag);
        text = FillTrimmerPlaceholders(text, {ValueText(inches, inches ? l.inchesMin : l.mmMin) + " - " +
                                              ValueText(inches, inches ? l.inchesMax : l.mmMax)});
    }
    return SetExternalValueToUI(text.c_str(), static_cast<int32_t>(text.size()));
}

// ---- the window ----------------------------------------------------------------------

PFTrimmerTopLowerWndARK::PFTrimmerTopLowerWndARK(zqp::Window* window)
    : PFFeatureWndARK(window, "Trimmer Window Title String") {
    const Links& l = LinksOf();
    zqp::Window* w = GetWindowRef();
    auto view = [&](int32_t tag) { return w != nullptr ? w->viewWithTag(tag) : nullptr; };
    auto label = [&](size_t at, int32_t tag, int32_t fathom, TrimmerKind kind, const char* key) {
        auto c = std::make_unique<PFTrimmerTopLowerStaticTextEditControlARK>(fathom, kind, key);
        c->CreateControl(view(tag), nullptr, nullptr, nullptr, nullptr, nullptr, key);
        labels_[at] = AddNewControl(std::move(c));
    };
    auto side = [&](int32_t tag, const char* key) {
        auto c = std::make_unique<zqpde::StaticTextEditControl>();
        c->CreateControl(view(tag), nullptr, nullptr, nullptr, nullptr, nullptr, key);
        AddNewControl(std::move(c));
    };
    auto group = [&](TrimmerKind kind) {
        const size_t k = Index(kind);
        const KindTable& t = kKinds[k];
        const int32_t* tags = l.tags[k];
        label(1 + 2 * k, tags[kMMLabel], 1, kind, t.mmLabelKey);
        label(2 + 2 * k, tags[kInchLabel], 0, kind, t.inchLabelKey);
        side(tags[kMMSide], kMMSideKey);
        side(tags[kInchSide], kInchSideKey);
        std::unique_ptr<PFTrimmerTopLowerTextEditCtrlARK> mm = std::make_unique<PFTrimmerTopLowerMMTextEditCtrlARK>(kind);
        std::unique_ptr<PFTrimmerTopLowerTextEditCtrlARK> in = std::make_unique<KPFTRIMMERTOPLOWERINCHESTEXTEDITCTRL>(kind);
        const zqcommon::InchMMValueRange wide = {-9999, 9999};
        mm->CreateControl(view(tags[kMMEdit]), &t.mmIni, &l.edit[k][0], &t.mmEdit, nullptr, &t.filter, t.editTitle, &wide);
        in->CreateControl(view(tags[kInchEdit]), &t.inchIni, &l.edit[k][1], &t.inchEdit, nullptr, &t.filter, t.editTitle,
                          &wide);
        edits_[k][0] = AddNewControl(std::move(mm));
        edits_[k][1] = AddNewControl(std::move(in));
        std::unique_ptr<PFTrimmerTopLowerLittleArrowControlARK> mmStep =
            std::make_unique<PFTrimmerTopLowerMMLittleArrowControlARK>(kind);
        std::unique_ptr<PFTrimmerTopLowerLittleArrowControlARK> inStep =
            std::make_unique<PFTrimmerTopLowerInchesLittleArrowControlARK>(kind);
        mmStep->CreateControl(view(tags[kMMStep]), &t.mmStep, &l.step[k][0], &t.mmStepper, nullptr, "Trimmer Text",
                              l.validateStep[k][0]);
        inStep->CreateControl(view(tags[kInchStep]), &t.inchStep, &l.step[k][1], &t.inchStepper, nullptr,
                              "Trimmer Text", l.validateStep[k][1]);
        steppers_[k][0] = AddNewControl(std::move(mmStep));
        steppers_[k][1] = AddNewControl(std::move(inStep));
    };
    label(0, kTitleTag, 2, TrimmerKind::kHeight, "Trimmer TopLower Title Text");
    group(TrimmerKind::kAdjust);
    group(TrimmerKind::kHeight);
    InchMmGroupPtr = std::make_unique<zqpde::RadioGroup>();
    // Leaving a unit checks that unit's fields of every kind.
    inchRadio_ = AddNewControl(std::make_unique<PFInchMMRadioButtonARK>(view(kInchRadioTag), &kInchRadioIni,
                                                                        &l.radio[1], &kInchRadioAccess,
                                                                        l.validateRadio[1]));
    mmRadio_ = AddNewControl(std::make_unique<PFInchMMRadioButtonARK>(view(kMMRadioTag), &kMMRadioIni, &l.radio[0],
                                                                      &kMMRadioAccess, l.validateRadio[0]));
    if (inchRadio_ != nullptr) InchMmGroupPtr->RunTimeAddNewControl(inchRadio_);
    if (mmRadio_ != nullptr) InchMmGroupPtr->RunTimeAddNewControl(mmRadio_);
    group(TrimmerKind::kWidth);

    AddWindowButtons(*this, view(kOKTag), view(kCancelTag), view(kDefaultTag), view(kHelpTag), "ThreeEdgeTrimmer.htm",
                     nullptr);
}

PFTrimmerTopLowerWndARK::~PFTrimmerTopLowerWndARK() = default;

void PFTrimmerTopLowerWndARK::GetTrimmerPaperSize() {
    zqpde::BasePrintPanel* panel = GetParentWnd();
    ppd_file_t* ppd = GetCurrentPPD() != nullptr ? GetCurrentPPD() : panel != nullptr ? panel->GetCurrentPPD() : nullptr;
    zqp::PrintSettings* settings = panel != nullptr ? panel->GetCurrentPMPrintSettings() : GetCurrentPMPrintSettings();
    std::optional<std::string> mappingName;
    if (std::string name; settings != nullptr &&
                          settings->GetValue("com.apple.print.PageToPaperMappingMediaName", name) == zqp::kNoErr)
        mappingName = name;
    TrimmerPaper dialogPaper;
    zqp::PrintSession* session = panel != nullptr ? panel->GetCurrentPrintSession() : nullptr;
    if (zqp::Rect r; session != nullptr && session->pageFormat().GetUnadjustedPaperRect(r) == zqp::kNoErr)
        dialogPaper = {r.right - r.left, r.bottom - r.top};
    if (const auto edges = TrimmerSheetEdgesOf(ppd, mappingName, dialogPaper)) {
        m_fLongsideLength = edges->longEdge;
        m_fShortsideLength = edges->shortEdge;
    }
}

void PFTrimmerTopLowerWndARK::UpdateTrimmerIniDate() {
    limits_ = TopLowerLimitsOfEdges(m_fLongsideLength, m_fShortsideLength);
    for (TrimmerKind kind : {TrimmerKind::kHeight, TrimmerKind::kWidth, TrimmerKind::kAdjust}) {
        const size_t k = Index(kind);
        const TrimmerLimits& l = LimitsOf(kind);
        for (int u = 0; u < 2; ++u) {
            if (edits_[k][u] != nullptr)
                *edits_[k][u]->getRangeDataPtr() = {u ? l.inchesMin : l.mmMin, u ? l.inchesMax : l.mmMax};
            if (steppers_[k][u] != nullptr) steppers_[k][u]->SetLimits(l);
        }
    }
}

const TrimmerLimits& PFTrimmerTopLowerWndARK::LimitsOf(TrimmerKind kind) const {
    return kind == TrimmerKind::kHeight ? limits_.height : kind == TrimmerKind::kWidth ? limits_.width : limits_.adjust;
}

int32_t PFTrimmerTopLowerWndARK::BaseOf(TrimmerKind kind, bool inches) const {
    if (kind == TrimmerKind::kHeight)
        return inches ? TrimmerShortEdgeInches(m_fShortsideLength) : TrimmerShortEdgeMM(m_fShortsideLength);
    if (kind == TrimmerKind::kWidth)
        return inches ? TrimmerHalfEdgeInches(m_fLongsideLength) : TrimmerHalfEdgeMM(m_fLongsideLength);
    return 0;
}

zqcommon::InchMMValueRange PFTrimmerTopLowerWndARK::TrimRangeOf(TrimmerKind kind, bool inches) const {
    // From the edges as they stand, which a restore may have read since the
    // limits were last handed to the controls.
    const TopLowerLimits all = TopLowerLimitsOfEdges(m_fLongsideLength, m_fShortsideLength);
    const TrimmerLimits& l =
        kind == TrimmerKind::kHeight ? all.height : kind == TrimmerKind::kWidth ? all.width : all.adjust;
    const int32_t low = inches ? l.inchesMin : l.mmMin, high = std::max(low, inches ? l.inchesMax : l.mmMax);
    if (kind == TrimmerKind::kAdjust) return {low, high};
    const int32_t base = BaseOf(kind, inches);
    return {base - high, base - low};
}

int32_t PFTrimmerTopLowerWndARK::TakeErrorFlag(bool inches) {
    int32_t& flag = inches ? enInchesErrorFlag : enMMErrorFlag;
    const int32_t was = flag;
    flag = kTrimmerCutOK;
    return was;
}

PFTrimmerTopLowerTextEditCtrlARK* PFTrimmerTopLowerWndARK::Edit(TrimmerKind kind, bool inches) const {
    return edits_[Index(kind)][inches ? 1 : 0];
}

PFTrimmerTopLowerLittleArrowControlARK* PFTrimmerTopLowerWndARK::Stepper(TrimmerKind kind, bool inches) const {
    return steppers_[Index(kind)][inches ? 1 : 0];
}

int32_t PFTrimmerTopLowerWndARK::getTrimmerShiftValueDisplayStyle() const {
    return UnitRadiosDisplayStyle(inchRadio_, mmRadio_);
}

bool PFTrimmerTopLowerWndARK::InchUnitCommitted() const {
    return inchRadio_ != nullptr && inchRadio_->GetControlBlkPtr() != nullptr && inchRadio_->GetValue() == 1;
}

bool PFTrimmerTopLowerWndARK::IsThreeEdgeChosen() {
    auto* panel = dynamic_cast<PrintFeaturesPDEr15*>(GetParentWnd());
    return panel == nullptr || panel->getTrimmerListValue() == 3;
}

int32_t PFTrimmerTopLowerWndARK::ActivateWindow() {
    if (GetWindowRef() == nullptr) return 0;
    GetTrimmerPaperSize();
    UpdateTrimmerIniDate();
    for (PFTrimmerTopLowerStaticTextEditControlARK* label : labels_)
        if (label != nullptr) label->InitializeTitle(GetPDEBundleRef());
    // Hide counts start afresh so the unit shown follows the radios.
    ResetCurrentControlStatus();
    for (auto& c : fCtrlGroupArray)
        if (auto* radio = dynamic_cast<PFInchMMRadioButtonARK*>(c.get())) radio->ForgetShownState();
    return PFFeatureWndARK::ActivateWindow();
}

}  // namespace zqfeat
