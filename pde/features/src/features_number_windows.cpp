#include "features_number_windows.h"

#include <zqp/bundle.h>
#include <zqp/nib.h>
#include <zqp/print_settings.h>
#include <zqp/system.h>
#include <zqp/utf8.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>

#include "features_controls.h"
#include "features_margin_windows.h"
#include "features_panel.h"
#include "features_trimmer_windows.h"
#include "features_trimmer_top_window.h"
#include "zqpde/input_filter.h"
#include "zqpde/ticket_value.h"

#define NS "com.tavelle.qdm.printsettings."

namespace zqfeat {

namespace {

// The features panel that owns the window a control sits in.
PrintFeaturesPDEr15* PanelOf(zqpde::BasePrintPanel* window) {
    auto* w = dynamic_cast<zqpde::PopupWinInPanel*>(window);
    return w != nullptr ? dynamic_cast<PrintFeaturesPDEr15*>(w->GetParentWnd()) : nullptr;
}




}  // namespace

std::string BlockText(const std::vector<char>& block) {
    if (block.empty()) return {};
    return std::string(block.data(), strnlen(block.data(), block.size()));
}

void SetBlockText(std::vector<char>& block, const std::string& text) {
    if (block.empty()) return;
    std::fill(block.begin(), block.end(), 0);
    const std::string_view cut = zqp::Utf8Prefix(text, block.size() - 1);
    std::memcpy(block.data(), cut.data(), cut.size());
}

void ShowFieldAlert(zqpde::BaseControl& control, zqp::Bundle* bundle, zqpde::BasePrintPanel* panel, const char* key,
                    zqp::AlertStyle style, const std::function<std::string(const std::string&)>& fill) {
    if (bundle == nullptr || panel == nullptr || key == nullptr) return;
    const std::string tableName = panel->StringTable();
    const std::string text = bundle->localizedString(key, zqp::kNoTranslation, tableName);
    zqp::Alert alert;
    alert.addButtonWithTitle(bundle->localizedString("Alert OK Btn", zqp::kNoTranslation, tableName));
    alert.setMessageText("");
    alert.setInformativeText(fill ? fill(text) : text);
    alert.setInformativeKey(key);
    alert.setAlertStyle(style);
    alert.setIconFromFile(bundle->resourcePath() + "/AlertIcon.png");
    alert.runModal();
    if (zqp::View* v = control.GetControlPtr())
        if (zqp::Window* w = v->window()) w->makeFirstResponder(v);
}

// ---- steppers -----------------------------------------------------------------

bool PFInchMMLittleArrowControlARK::SetExternalValueToUI(const void* value, int32_t) {
    auto* view = dynamic_cast<zqp::Stepper*>(ControlPtr);
    if (value == nullptr || view == nullptr) return false;
    int32_t v;
    std::memcpy(&v, value, sizeof v);
    view->setIntegerValue(v);
    lastValue = v;
    return true;
}

void PFInchMMLittleArrowControlARK::ShowValue(int32_t value) {
    if (!ctrlUIDataBlkPtr.empty()) SetBlockInt(ctrlUIDataBlkPtr.data(), value);
    SetExternalValueToUI(&value, sizeof value);
}

void PFInchMMLittleArrowControlARK::TakePresetValue(int32_t value) {
    SetBlockInt(GetControlBlkPtr(), value);
    // The committed value is shown too, so the window opens with it.
    if (!ctrlUIDataBlkPtr.empty()) SetBlockInt(ctrlUIDataBlkPtr.data(), value);
    if (auto* s = dynamic_cast<zqp::Stepper*>(ControlPtr)) s->setIntegerValue(value);
    lastValue = value;
}

bool PFInchMMLittleArrowControlARK::GetValueToPreset() {
    // What the window shows is what is written again: a number outside the
    // stepper's range gives its default.
    const std::optional<int32_t> v = ReadTicketInteger(minimum_, maximum_);
    if (!v) return false;
    TakePresetValue(*v);
    return true;
}

int32_t PFNumInSeqLittleArrowControlARK::DoControlUpdateConstrain() {
    if (auto* field = dynamic_cast<PFNumInSeqTextEditCtrlARK*>(GetNumberEditFromLittleArrow())) {
        auto* view = dynamic_cast<zqp::Stepper*>(ControlPtr);
        if (view != nullptr && field->GetEditMaxLength() > 0)
            field->ShowText(field->CutToEditMaxLength(std::to_string(view->integerValue())));
    }
    return zqpde::LittleArray::DoControlUpdateConstrain();
}

// ---- formatter -------------------------------------------------------------------

PFNumInSeqTextEditFormatterARK::PFNumInSeqTextEditFormatterARK(const zqpde::TextEditFilterData* filter,
                                                               const zqcommon::InchMMValueRange* range,
                                                               uint32_t maxLength, zqpde::TextEditCtrl* field)
    : zqpde::TextEditFormatter(filter, maxLength), editValueRangeDataPtr(range), BrotherContrl(field) {}

bool PFNumInSeqTextEditFormatterARK::IsNumberValid(const std::string& text) {
    if (editValueRangeDataPtr == nullptr) return true;
    const int64_t v = DigitsValue(text, editValueRangeDataPtr->maximum);
    return !text.empty() && v >= editValueRangeDataPtr->minimum && v <= editValueRangeDataPtr->maximum;
}

bool PFNumInSeqTextEditFormatterARK::getObjectValue(std::string& object, const std::string& string, std::string*) {
    object = string;
    if (string == lastString) return true;
    std::string handed;
    if (IsNumberValid(string)) {
        lastString = string;
        // A longer text is handed over empty rather than cut to another number.
        if (string.size() <= kNumberHandOverMaxBytes) {
            handed = string;
            if (BrotherContrl != nullptr) BrotherContrl->OnRawKeyUp(handed.data());
        }
    }
    // What is being typed is not committed: only the UI text follows.
    if (auto* field = dynamic_cast<PFNumInSeqTextEditCtrlARK*>(BrotherContrl)) field->SetUIText(handed);
    return true;
}

// ---- whole-number fields ------------------------------------------------------------

bool PFNumInSeqTextEditCtrlARK::IsNumberValid(const std::string& text) {
    if (!BytesPassFilter(text)) return false;
    const int64_t v = DigitsValue(text, inchMMEditValueRangeData.maximum);
    return !text.empty() && v >= inchMMEditValueRangeData.minimum && v <= inchMMEditValueRangeData.maximum;
}

void PFNumInSeqTextEditCtrlARK::SetUIText(const std::string& text) {
    if (ctrlUIDataBlkPtr.empty()) return;
    SetBlockText(ctrlUIDataBlkPtr, text);
    ctrlDataSize = static_cast<int32_t>(BlockText(ctrlUIDataBlkPtr).size());
}

void PFNumInSeqTextEditCtrlARK::ShowText(const std::string& text) {
    SetDisplayText(text);
    if (auto* field = dynamic_cast<zqp::TextField*>(ControlPtr)) field->setStringValue(text);
    SetUIText(text);
}

int32_t PFNumInSeqTextEditCtrlARK::OnRawKeyUp(void* event) {
    const char* text = static_cast<const char*>(event);
    if (text == nullptr) return 0;
    SetUIText(text);
    if (auto* stepper = dynamic_cast<PFInchMMLittleArrowControlARK*>(GetLittleArrayForNumberEdit()))
        stepper->ShowValue(ValueOfText(text));
    DoControlUpdateConstrain();
    return 0;
}

bool PFNumInSeqTextEditCtrlARK::CorrectCtrlUI() {
    if (auto* stepper = dynamic_cast<zqpde::LittleArray*>(GetLittleArrayForNumberEdit())) {
        auto* view = dynamic_cast<zqp::Stepper*>(stepper->GetControlPtr());
        if (view != nullptr) {
            SetDisplayText(TextOfValue(view->integerValue()));
            if (auto* field = dynamic_cast<zqp::TextField*>(ControlPtr)) field->setStringValue(DisplayText());
        }
    }
    return GetValueFromUI() != nullptr;
}

int32_t PFNumInSeqTextEditCtrlARK::ValueOfText(const std::string& text) {
    return static_cast<int32_t>(DigitsValue(text, inchMMEditValueRangeData.maximum));
}

std::string PFNumInSeqTextEditCtrlARK::TextOfValue(int32_t value) { return std::to_string(value); }

std::shared_ptr<zqp::Formatter> PFNumInSeqTextEditCtrlARK::CreateUnitFormatter() {
    return std::make_shared<PFNumInSeqTextEditFormatterARK>(textEditFilterDataPtr, getRangeDataPtr(),
                                                            textEditIniDataPtr->maxLength, this);
}

bool PFNumInSeqTextEditCtrlARK::ToGetSummaryText() {
    PrintFeaturesPDEr15* panel = PanelOf(ctrlParentPanelPtr);
    return panel != nullptr && panel->IsNumberInSequence() && GetHideCount() <= 0;
}

bool PFOffsetStackingPagesTextEditCtrlARK::ToGetSummaryText() {
    PrintFeaturesPDEr15* panel = PanelOf(ctrlParentPanelPtr);
    return panel != nullptr && panel->getOffsetStackingValue() == 4;
}

bool PFOffsetStackingUnitsTextEditCtrlARK::ToGetSummaryText() {
    PrintFeaturesPDEr15* panel = PanelOf(ctrlParentPanelPtr);
    return panel != nullptr && panel->getOffsetStackingValue() == 5;
}

int32_t PFNumInSeqTextEditCtrlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (dictionary == nullptr || order == nullptr || titletextRef.empty() || !ToGetSummaryText()) return 0;
    auto* field = dynamic_cast<zqp::TextField*>(ControlPtr);
    const std::string title = Localized(PanelBundle(), titletextRef.c_str());
    (*dictionary)[title] = field != nullptr ? field->stringValue() : GetText();
    order->push_back(title);
    return 0;
}

// ---- the separator page list -----------------------------------------------------

void PFSepTextEditCtrlARK::CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData,
                                         const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                                         const zqp::PrefUser* usernamein, const zqpde::TextEditFilterData* filterData,
                                         const char* titleInfo, int32_t maxPages) {
    zqpde::TextEditCtrl::CreateControl(view, iniData, constrain, accessInfo, usernamein, filterData);
    titletextRef = titleInfo != nullptr ? titleInfo : "";
    maxPageDefineNum = maxPages;
}

int32_t PFSepTextEditCtrlARK::IsPageInputValid(const std::string& text) const {
    return SeparatorPageListCheck(text, maxPageDefineNum);
}

bool PFSepTextEditCtrlARK::ToValidate() {
    if (ControlPtr == nullptr || ControlPtr->isHidden() || !ControlPtr->isEnabled()) return false;
    return GetValueFromUI() != nullptr;
}

bool PFSepTextEditCtrlARK::PreInvalidateData() {
    if (textEditIniDataPtr == nullptr) return true;
    const std::string text = GetUIData() != nullptr ? std::string(GetUIData()) : std::string();
    if (text.empty() || text.size() < textEditIniDataPtr->minLength || text.size() > textEditIniDataPtr->maxLength)
        return false;
    return textEditFilterDataPtr == nullptr || zqpde::validateInput(text, textEditFilterDataPtr);
}

bool PFSepTextEditCtrlARK::Check(bool alert) {
    if (!ToValidate()) return true;
    int32_t verdict = kSeparatorListMalformed;
    if (PreInvalidateData()) verdict = IsPageInputValid(GetUIData() != nullptr ? GetUIData() : "");
    if (verdict == kSeparatorListValid) return true;
    if (alert) ShowErrMsg(verdict);
    return false;
}

bool PFSepTextEditCtrlARK::InvalidateData() { return Check(true); }
bool PFSepTextEditCtrlARK::InvalidateDataAndReturnError() { return Check(false); }

bool PFSepTextEditCtrlARK::SetValueFromUIToControl() {
    if (ctrlDataBlkPtr.empty()) return false;
    const std::string typed = GetUIData() != nullptr ? std::string(GetUIData()) : std::string();
    SetBlockText(ctrlDataBlkPtr, ctrlDataSize != 0 ? SeparatorPagesForTicket(typed) : std::string());
    return true;
}

bool PFSepTextEditCtrlARK::SetControlValueToUI() {
    if (ctrlDataBlkPtr.empty()) return false;
    const std::string shown = SeparatorPagesForScreen(BlockText(ctrlDataBlkPtr));
    if (zqp::TextField* f = Field()) f->setStringValue(shown);
    SetBlockText(ctrlUIDataBlkPtr, shown);
    ctrlDataSize = static_cast<int32_t>(shown.size());
    return true;
}

bool PFSepTextEditCtrlARK::GetValueToPreset() {
    std::string text;
    if (ctrlDataBlkPtr.empty() || !ReadTicketText(text)) return false;
    zqpde::numstrtochar(text);
    SetBlockText(ctrlDataBlkPtr, text);
    SetControlValueToUI();
    return true;
}

bool PFSepTextEditCtrlARK::PreInvalidateDataOnCancel() {
    if (textEditIniDataPtr == nullptr) return true;
    return !GetText().empty();
}

bool PFSepTextEditCtrlARK::InvalidateDataOnCancel() {
    if (!ToValidate() || PreInvalidateDataOnCancel()) return true;
    ShowErrMsg(kSeparatorListMalformed);
    return false;
}

bool PFSepTextEditCtrlARK::SetValueToPreference() {
    if (ControlPtr != nullptr && ControlPtr->isHidden()) return true;
    return zqpde::TextEditCtrl::SetValueToPreference();
}

int32_t PFSepTextEditCtrlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (dictionary == nullptr || order == nullptr || titletextRef.empty()) return 0;
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->valueType != zqpde::kValueTypeText) return 0;
    PrintFeaturesPDEr15* panel = PanelOf(ctrlParentPanelPtr);
    if (panel == nullptr || panel->IsSeparatorOff()) return 0;
    const std::string title = Localized(PanelBundle(), titletextRef.c_str());
    (*dictionary)[title] = GetText();
    order->push_back(title);
    return 0;
}

void PFSepTextEditCtrlARK::ShowErrMsg() { ShowErrMsg(kSeparatorListMalformed); }

void PFSepTextEditCtrlARK::ShowErrMsg(int32_t which) {
    if (textEditFilterDataPtr == nullptr || textEditFilterDataPtr->errorMessageKey == nullptr) return;
    ShowFieldAlert(*this, PanelBundle(), ctrlParentPanelPtr,
                   which == kSeparatorListTooMany ? "Message22d" : "Message22c", zqp::AlertStyle::kInformational);
}

// ---- windows ---------------------------------------------------------------------

int32_t PFFeatureWndARK::ActivateWindow() {
    zqp::Window* w = GetWindowRef();
    if (w == nullptr) return 0;
    ChangeActivedStatus(true);
    SetCurrentValueToUI();
    zqp::Application::Shared().runModalForWindow(*w);
    return 0;
}

namespace {

#define DIGITS {1, {{'0', '9'}}}
#define PAGE_LIST {3, {{' ', ' '}, {',', ','}, {'0', '9'}}}

// One whole-number editor: its tables and its keys.
struct NumberEditor {
    NumberWindowTable window;
    zqpde::TextEditIniData ini;
    zqpde::TextEditFilterData filter;
    zqcommon::InchMMValueRange range;
    zqpde::LittleArrayIniData stepper;
    zqpde::AccessInfo fieldAccess;
    zqpde::AccessInfo stepperAccess;
    const char* summaryKey;
    int32_t tags[2];  // field, stepper: what the update lists point at
};

constexpr uint32_t kText = zqpde::kValueTypeText;
constexpr uint32_t kNumber = zqpde::kValueTypeNumber;

// An editor from what sets it apart: its window, its default (the text and
// the stepper's value), the field's widest text, the range, the alert and
// the keys; the field takes digits only and the stepper moves in the range.
constexpr NumberEditor Editor(const NumberWindowTable& window, const char* defaultText, int32_t defaultValue,
                              uint32_t maxLength, zqcommon::InchMMValueRange range, const char* alertKey,
                              const char* fieldKey, const char* stepperKey, const char* summaryKey) {
    return {window,
            {nullptr, defaultText, 1, maxLength},
            {DIGITS, DIGITS, alertKey},
            range,
            {0, defaultValue, 0, range.minimum, range.maximum, 1},
            {kText, kText, fieldKey, nullptr},
            {kNumber, kNumber, stepperKey, nullptr},
            summaryKey,
            {window.fieldTag, window.stepperTag}};
}

constexpr NumberEditor kEditors[] = {
    Editor({"PFNumInSequenceWnd", "Number In Sequence Window", 611, "Number In Sequence Static Text", 612, 613, 617,
            616, 615, 614, "NumberInSequence.htm"},
           "3", 3, 3, {1, 254}, "Message22k", NS "NumInSequenceTextEditTicket", NS "NumInSequenceLArrowTicket",
           "Number In Sequence Text"),
    Editor({"PFOffsetStackingPagesWnd", "Offset Per Page Window", 601, "Offset Stacking Pages Static Text", 602, 603,
            604, 605, 606, 607, "PageOffset.htm"},
           "2", 2, 5, {2, 65000}, "Message22l", NS "OffsetStackingPagesTextEditTicket",
           NS "OffsetStackingPagesLArrowTicket", "Offset Stacking Pages Text"),
    Editor({"PFOffsetStackingUnitsWnd", "Offset Per Copy Window", 701, "Offset Stacking Copies Static Text", 702, 703,
            704, 705, 706, 707, "PageOffset.htm"},
           "2", 2, 4, {2, 9999}, "Message22m", NS "OffsetStackingUnitsTextEditTicket",
           NS "OffsetStackingUnitsLArrowTicket", "Offset Stacking Copies Text"),
};

// The field's update list names its stepper; the stepper's names its field.
struct EditorLinks {
    const int32_t* fieldList[2];
    const int32_t* stepperList[2];
    zqpde::ConstrainTagList fieldLists[1];
    zqpde::ConstrainTagList stepperLists[1];
    zqpde::ConstrainInfo field;
    zqpde::ConstrainInfo stepper;
    int32_t validate[2];
};

EditorLinks& LinksOf(size_t i) {
    static EditorLinks links[std::size(kEditors)];
    static bool made = false;
    if (!made) {
        for (size_t k = 0; k < std::size(kEditors); ++k) {
            EditorLinks& l = links[k];
            l.fieldList[0] = &kEditors[k].tags[1];
            l.fieldList[1] = nullptr;
            l.stepperList[0] = &kEditors[k].tags[0];
            l.stepperList[1] = nullptr;
            l.fieldLists[0] = l.fieldList;
            l.stepperLists[0] = l.stepperList;
            l.field = {{}, {}, zqpde::ConstrainListsOf(l.fieldLists)};
            l.stepper = {{}, {}, zqpde::ConstrainListsOf(l.stepperLists)};
            l.validate[0] = kEditors[k].tags[0];
            l.validate[1] = 0;
        }
        made = true;
    }
    return links[i];
}

const zqpde::TextEditIniData kSepPageIniData = {nullptr, "", 1, 99};
const zqpde::TextEditFilterData kSepPageFilterData = {PAGE_LIST, PAGE_LIST, "Message22c"};
const zqpde::AccessInfo kSepPageTextEditAccessInfo = {kText, kText, NS "SeparatorPageTicket", nullptr};
const int32_t kSeparatorPopUpTag = tags::kSeparatorList;
const int32_t* const kSeparatorCancelDefaults[] = {&kSeparatorPopUpTag, nullptr};
constexpr int32_t kMaxSeparatorPages = 20;

#undef DIGITS
#undef PAGE_LIST

template <class Window>
auto Adder(Window& window) {
    zqp::Window* w = window.GetWindowRef();
    return [w](int32_t tag) { return w != nullptr ? w->viewWithTag(tag) : nullptr; };
}

void AddLabel(zqpde::BasePrintPanel& window, zqp::View* view, const char* key) {
    auto c = std::make_unique<zqpde::StaticTextEditControl>();
    c->CreateControl(view, nullptr, nullptr, nullptr, nullptr, nullptr, key);
    window.AddNewControl(std::move(c));
}


}  // namespace

void AddWindowButtons(zqpde::BasePrintPanel& window, zqp::View* ok, zqp::View* cancel, zqp::View* defaults,
                      zqp::View* help, const char* helpPage, const int32_t* const* cancelDefaults,
                      std::unique_ptr<PFWndCancelButtonARK> cancelButton) {
    window.AddNewControl(std::make_unique<PFWndOKButtonARK>(ok, "OK Button Title"));
    if (cancelButton == nullptr) cancelButton = std::make_unique<PFWndCancelButtonARK>();
    cancelButton->CreateControl(cancel, "Cancel Button Title", cancelDefaults);
    window.AddNewControl(std::move(cancelButton));
    window.AddNewControl(std::make_unique<PFWndRestoreDefaultButtonARK>(defaults, "Default Button Title"));
    auto h = std::make_unique<PHelpButtonARK>();
    h->CreateControl(help, helpPage);
    window.AddNewControl(std::move(h));
}

const NumberWindowTable& NumberWindowTableOf(NumberWindowKind kind) {
    return kEditors[static_cast<size_t>(kind)].window;
}

PFNumberWndARK::PFNumberWndARK(zqp::Window* window, NumberWindowKind kind)
    : PFFeatureWndARK(window, kEditors[static_cast<size_t>(kind)].window.titleKey), kind_(kind) {
    const size_t i = static_cast<size_t>(kind);
    const NumberEditor& e = kEditors[i];
    EditorLinks& links = LinksOf(i);
    auto view = Adder(*this);
    AddLabel(*this, view(e.window.labelTag), e.window.labelKey);

    std::unique_ptr<PFNumInSeqTextEditCtrlARK> field;
    if (kind == NumberWindowKind::kOffsetStackingPages)
        field = std::make_unique<PFOffsetStackingPagesTextEditCtrlARK>();
    else if (kind == NumberWindowKind::kOffsetStackingUnits)
        field = std::make_unique<PFOffsetStackingUnitsTextEditCtrlARK>();
    else
        field = std::make_unique<PFNumInSeqTextEditCtrlARK>();
    field->CreateControl(view(e.window.fieldTag), &e.ini, &links.field, &e.fieldAccess, nullptr, &e.filter,
                         e.summaryKey, &e.range);
    field_ = AddNewControl(std::move(field));

    auto stepper = std::make_unique<PFNumInSeqLittleArrowControlARK>();
    stepper->CreateControl(view(e.window.stepperTag), &e.stepper, &links.stepper, &e.stepperAccess, nullptr, nullptr,
                           links.validate);
    stepper_ = AddNewControl(std::move(stepper));

    AddWindowButtons(*this, view(e.window.okTag), view(e.window.cancelTag), view(e.window.defaultTag),
                     view(e.window.helpTag), e.window.helpPage, nullptr);
}

PFSeparatorWndARK::PFSeparatorWndARK(zqp::Window* window) : PFFeatureWndARK(window, "Separator Window Title String") {
    auto view = Adder(*this);
    AddLabel(*this, view(kLabel), "Separator Page Statics Text");
    auto field = std::make_unique<PFSepTextEditCtrlARK>();
    field->CreateControl(view(kField), &kSepPageIniData, nullptr, &kSepPageTextEditAccessInfo, nullptr,
                         &kSepPageFilterData, "Separator Location Title", kMaxSeparatorPages);
    field_ = AddNewControl(std::move(field));
    AddLabel(*this, view(kSideLabel), "Separator Location Side Title");
    AddWindowButtons(*this, view(kOK), view(kCancel), view(kDefault), view(kHelp), "SpecifyPosition.htm",
                     kSeparatorCancelDefaults);
}

// ---- the offset-stacking pop-up ---------------------------------------------------

bool PFOffsetStackingListCtrlARK::UIEventHandler() {
    auto* popUp = dynamic_cast<zqp::PopUpButton*>(ControlPtr);
    const int32_t item = popUp != nullptr ? popUp->indexOfSelectedItem() : -1;
    if (item + 1 != BlockInt(GetValueFromUIDataBlk()) && (item == 3 || item == 4)) {
        auto* panel = dynamic_cast<PrintFeaturesPDEr15*>(ctrlParentPanelPtr);
        const FeatureWindow which = item == 4 ? FeatureWindow::kOffsetStackingUnits : FeatureWindow::kOffsetStackingPages;
        // The window opens on the choice, which is not stored yet.
        auto it = panel != nullptr ? panel->FeatureWindowOf(which) : nullptr;
        if (it != nullptr) it->ActivateWindow();
    }
    return PFOwnKeyListARK::UIEventHandler();
}

// ---- the panel's windows -----------------------------------------------------------

void PrintFeaturesPDEr15::CreateFeatureWindows(zqp::Bundle* bundle, ppd_file_t* ppd) {
    if (!featureWindows_.empty() || bundle == nullptr || ppd == nullptr) return;
    struct Wanted {
        FeatureWindow role;
        const char* option;
        const char* outlet;
    };
    const Wanted wanted[] = {
        {FeatureWindow::kSeparator, "ZQIntSheet", kSeparatorWindowOutlet},
        {FeatureWindow::kNumInSeq, "ZQTabNumberInSequence",
         NumberWindowTableOf(NumberWindowKind::kNumInSequence).outlet},
        {FeatureWindow::kOffsetStackingPages, "ZQJog",
         NumberWindowTableOf(NumberWindowKind::kOffsetStackingPages).outlet},
        {FeatureWindow::kOffsetStackingUnits, "ZQJog",
         NumberWindowTableOf(NumberWindowKind::kOffsetStackingUnits).outlet},
        {FeatureWindow::kTabMargin, "ZQTabMarginShiftEx", MarginWindowOutlet(MarginWindowKind::kTab)},
        // The booklet window comes with the panel's booklet margin switch.
        {FeatureWindow::kBookletMargin, nullptr, MarginWindowOutlet(MarginWindowKind::kBooklet)},
        {FeatureWindow::kTrimmer, "ZQTrimming", kTrimmerWindowOutlet},
        {FeatureWindow::kTrimmerTopLower, "ZQTrimming", kTrimmerTopLowerWindowOutlet},
    };
    std::map<std::string, zqp::Window*> windows;
    zqp::Outlets outlets;
    for (const Wanted& w : wanted) outlets.bind(w.outlet, windows[w.outlet]);
    std::string error;
    if (!zqp::LoadNib(*bundle, kFeatureWindowsNib, outlets, windowNibObjs_, &error)) {
        zqp::Log("PrintFeaturesPDE : %s", error.c_str());
        return;
    }
    for (const Wanted& w : wanted) {
        zqp::Window* window = windows[w.outlet];
        if (window == nullptr) continue;
        if (w.option != nullptr ? ppdFindOption(ppd, w.option) == nullptr : pfBookletMarginCheckBoxPtr == nullptr)
            continue;
        std::unique_ptr<zqpde::PopupWinInPanel> made;
        if (w.role == FeatureWindow::kSeparator)
            made = std::make_unique<PFSeparatorWndARK>(window);
        else if (w.role == FeatureWindow::kNumInSeq)
            made = std::make_unique<PFNumberWndARK>(window, NumberWindowKind::kNumInSequence);
        else if (w.role == FeatureWindow::kTabMargin)
            made = std::make_unique<PFMarginWndARK>(window, MarginWindowKind::kTab);
        else if (w.role == FeatureWindow::kBookletMargin)
            made = std::make_unique<PFMarginWndARK>(window, MarginWindowKind::kBooklet);
        else if (w.role == FeatureWindow::kTrimmer)
            made = std::make_unique<PFTrimmerWndARK>(window, ppd, GetCurrentPDECallbackObj());
        else if (w.role == FeatureWindow::kTrimmerTopLower)
            made = std::make_unique<PFTrimmerTopLowerWndARK>(window);
        else if (w.role == FeatureWindow::kOffsetStackingPages)
            made = std::make_unique<PFNumberWndARK>(window, NumberWindowKind::kOffsetStackingPages);
        else
            made = std::make_unique<PFNumberWndARK>(window, NumberWindowKind::kOffsetStackingUnits);
        RunTimeAddNewWindow(made.get());
        featureWindows_[w.role] = std::move(made);
    }
}

zqpde::BasePrintPanel* PrintFeaturesPDEr15::GetFeatureWindow(FeatureWindow which) {
    if (which == FeatureWindow::kOffsetStackingPages || which == FeatureWindow::kOffsetStackingUnits) {
        // The setup button opens the window of the pop-up's mode.
        const int32_t mode = getOffsetStackingValue();
        if (mode == 4)
            which = FeatureWindow::kOffsetStackingPages;
        else if (mode == 5)
            which = FeatureWindow::kOffsetStackingUnits;
        else
            return nullptr;
    }
    if (which == FeatureWindow::kTrimmer || which == FeatureWindow::kTrimmerTopLower) {
        // A trimmer switch opens the single cut; the trimmer list its
        // second item the single cut, its third the three edges.
        ppd_file_t* ppd = GetCurrentPPD();
        ppd_option_t* option = ppd != nullptr ? ppdFindOption(ppd, "ZQTrimming") : nullptr;
        if (option == nullptr) return nullptr;
        if (option->ui == PPD_UI_BOOLEAN)
            which = FeatureWindow::kTrimmer;
        else if (option->ui == PPD_UI_PICKONE && getTrimmerListValue() == 2)
            which = FeatureWindow::kTrimmer;
        else if (option->ui == PPD_UI_PICKONE && getTrimmerListValue() == 3)
            which = FeatureWindow::kTrimmerTopLower;
        else
            return nullptr;
    }
    return FeatureWindowOf(which);
}

zqpde::PopupWinInPanel* PrintFeaturesPDEr15::FeatureWindowOf(FeatureWindow which) const {
    auto it = featureWindows_.find(which);
    return it != featureWindows_.end() ? it->second.get() : nullptr;
}

}  // namespace zqfeat
