#include "page_fields.h"

#include <zqp/bundle.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <cstdlib>

#include "zqpde/base_print_panel.h"
#include "zqpde/text_entry.h"
#include "zqpde/text_util.h"

namespace zqsp {

namespace {

std::string ViewText(zqp::View* view) {
    auto* field = dynamic_cast<zqp::TextField*>(view);
    return field != nullptr ? field->stringValue() : std::string();
}

bool Editable(zqp::View* view) { return view != nullptr && !view->isHidden() && view->isEnabled(); }

// The alert of a field: the key's text, "Alert OK Btn", the bundle's icon;
// the field takes the focus again.
void FieldAlert(zqpde::BaseControl& control, zqp::Bundle* bundle, const std::string& text, const char* key) {
    zqp::Alert alert;
    alert.addButtonWithTitle(bundle->localizedString("Alert OK Btn", zqp::kNoTranslation));
    alert.setMessageText("");
    alert.setInformativeText(text);
    alert.setInformativeKey(key);
    alert.setAlertStyle(zqp::AlertStyle::kWarning);
    alert.setIconFromFile(bundle->resourcePath() + "/AlertIcon.png");
    alert.runModal();
    if (zqp::View* v = control.GetControlPtr())
        if (zqp::Window* w = v->window()) w->makeFirstResponder(v);
}

}  // namespace

int32_t ExceptionWarningNumber(int32_t status) {
    if (status == kPageListOK) return 0;
    if (status == kPageListTooMany) return 2;
    if (status == kPageListReversedRange) return 3;
    return 1;
}

// ---- exceptions page list -------------------------------------------------------

void SPAddExceptTextEditCtrlARK::CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData,
                                               const zqpde::ConstrainInfo* constrain,
                                               const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                                               const zqpde::TextEditFilterData* filterData, const char* titleInfo,
                                               int32_t maxPageList, const SPValueRange* valueRange) {
    zqpde::TextEditCtrl::CreateControl(view, iniData, constrain, accessInfo, usernamein, filterData);
    titletextRef = titleInfo != nullptr ? titleInfo : "";
    maxPageDefineNum = maxPageList;
    if (valueRange != nullptr) m_tEditValueRangeData = *valueRange;
}

bool SPAddExceptTextEditCtrlARK::ToValidate() { return Editable(ControlPtr) && GetValueFromUI() != nullptr; }

bool SPAddExceptTextEditCtrlARK::PreInvalidateData() {
    const std::string text = ViewText(ControlPtr);
    if (text.empty()) return false;
    if (textEditIniDataPtr != nullptr && ControlPtr != nullptr && ControlPtr->isEnabled()) {
        const size_t width = zqpde::GetStringLength(text);
        if (width < textEditIniDataPtr->minLength || width > textEditIniDataPtr->maxLength) return false;
    }
    return textEditFilterDataPtr == nullptr || zqpde::validateInput(text, textEditFilterDataPtr);
}

int32_t SPAddExceptTextEditCtrlARK::ValidatePageList(const std::string& text) {
    PageListRules rules = ExceptionPageListRules(0, false);
    rules.minPage = m_tEditValueRangeData.minimum;
    rules.maxPage = m_tEditValueRangeData.maximum;
    // The set limit holds for what the user types; the records being edited
    // together are already within their own limit.
    rules.maxRecords = Editable(ControlPtr) ? maxPageDefineNum : -1;
    PageListResult result = ParsePageList(text, rules);
    if (result.status != kPageListOK) return result.status;
    m_strArranged = result.arranged;
    arrangedPageArray.clear();
    for (const PageRange& r : result.ranges)
        for (int32_t p = r.first; p <= r.last; ++p) arrangedPageArray.push_back(p);
    return kPageListOK;
}

bool SPAddExceptTextEditCtrlARK::InvalidateData() {
    if (!ToValidate()) {
        ValidatePageList(ViewText(ControlPtr));
        return true;
    }
    const int32_t n = PreInvalidateData() ? ExceptionWarningNumber(ValidatePageList(ViewText(ControlPtr))) : 1;
    if (n == 0) return true;
    ShowErrMsg(n);
    return false;
}

void SPAddExceptTextEditCtrlARK::ShowErrMsg(int32_t n) {
    static const char* const kKeys[] = {"Warning46", "Warning48", "Warning50"};
    if (textEditFilterDataPtr == nullptr || textEditFilterDataPtr->errorMessageKey == nullptr) return;
    zqp::Bundle* bundle = PanelBundle();
    if (bundle == nullptr || n < 1 || n > 3) return;
    FieldAlert(*this, bundle, Localized(bundle, kKeys[n - 1]), kKeys[n - 1]);
}

void SPAddExceptTextEditCtrlARK::InitialPageArray() {
    m_strArranged.clear();
    arrangedPageArray.clear();
}

bool SPAddExceptTextEditCtrlARK::SetControlValueToUI() {
    if (ControlPtr != nullptr) ControlPtr->setEnabled(!editingSeveral_);
    return true;
}

bool SPAddExceptTextEditCtrlARK::SetDefaultValueToUI() {
    if (ControlPtr == nullptr) return true;
    if (adding_) ControlPtr->setEnabled(true);
    if (ControlPtr->isEnabled()) return zqpde::TextEditCtrl::SetDefaultValueToUI();
    return true;
}

// ---- inserts quantity -----------------------------------------------------------

void SPAddInsertQuantityTextEditARK::CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData,
                                                   const zqpde::ConstrainInfo* constrain,
                                                   const zqpde::AccessInfo* accessInfo,
                                                   const zqp::PrefUser* usernamein,
                                                   const zqpde::TextEditFilterData* filterData,
                                                   const SPValueRange* valueRange) {
    zqpde::TextEditCtrl::CreateControl(view, iniData, constrain, accessInfo, usernamein, filterData);
    if (valueRange != nullptr) m_tEditValueRangeData = *valueRange;
}

bool SPAddInsertQuantityTextEditARK::InitializeCtrlFormat() {
    if (textEditFilterDataPtr == nullptr || textEditIniDataPtr == nullptr) return true;
    if (auto* field = dynamic_cast<zqp::TextField*>(ControlPtr))
        field->setFormatter(std::make_shared<SPTextEditFormatterARK>(textEditFilterDataPtr, &m_tEditValueRangeData,
                                                                     textEditIniDataPtr->maxLength, this));
    return true;
}

int32_t SPAddInsertQuantityTextEditARK::GetEditMaxLength() {
    return textEditIniDataPtr != nullptr ? static_cast<int32_t>(textEditIniDataPtr->maxLength) : 0;
}

bool SPAddInsertQuantityTextEditARK::IsNumberValid(const std::string& text) {
    if (text.empty() || text.size() > 9) return false;
    for (unsigned char c : text)
        if (textEditFilterDataPtr != nullptr ? !zqpde::ISByteValid(c, &textEditFilterDataPtr->byteFilter)
                                             : (c < '0' || c > '9'))
            return false;
    const long v = std::strtol(text.c_str(), nullptr, 10);
    return v >= m_tEditValueRangeData.minimum && v <= m_tEditValueRangeData.maximum;
}

bool SPAddInsertQuantityTextEditARK::ToValidate() { return Editable(ControlPtr) && GetValueFromUI() != nullptr; }

bool SPAddInsertQuantityTextEditARK::Check(bool alert) {
    if (!ToValidate()) return true;
    const std::string text = ViewText(ControlPtr);
    if (mixed_ && text.empty()) return true;
    bool ok = true;
    if (textEditIniDataPtr != nullptr) {
        const size_t width = zqpde::GetStringLength(text);
        ok = width >= textEditIniDataPtr->minLength && width <= textEditIniDataPtr->maxLength;
    }
    ok = ok && IsNumberValid(text);
    if (!ok && alert) ShowErrMsg();
    return ok;
}

bool SPAddInsertQuantityTextEditARK::InvalidateData() { return Check(true); }
bool SPAddInsertQuantityTextEditARK::InvalidateDataAndReturnError() { return Check(false); }

zqpde::BaseControl* SPAddInsertQuantityTextEditARK::GetLittleArrayForNumberEdit() {
    if (ctrlConstrainControlArray == nullptr || ctrlParentPanelPtr == nullptr) return nullptr;
    zqpde::ConstrainTagList list = ctrlConstrainControlArray->updateLists.at(0);
    if (list == nullptr || list[0] == nullptr) return nullptr;
    return ctrlParentPanelPtr->GetPanelControl(list[0]);
}

int32_t SPAddInsertQuantityTextEditARK::OnRawKeyUp(void* event) {
    const char* text = static_cast<const char*>(event);
    if (text == nullptr || !IsNumberValid(text)) return 0;
    const int32_t value = std::atoi(text);
    if (auto* stepper = dynamic_cast<SPAddInsertQuantityLArrARK*>(GetLittleArrayForNumberEdit()))
        stepper->FollowTypedValue(value);
    DoControlUpdateConstrain();
    return 0;
}

bool SPAddInsertQuantityTextEditARK::CorrectCtrlUI() {
    if (auto* stepper = dynamic_cast<zqpde::LittleArray*>(GetLittleArrayForNumberEdit()))
        if (auto* field = dynamic_cast<zqp::TextField*>(ControlPtr))
            if (auto* view = dynamic_cast<zqp::Stepper*>(stepper->GetControlPtr()))
                field->setStringValue(std::to_string(view->integerValue()));
    GetValueFromUI();
    return true;
}

bool SPAddInsertQuantityLArrARK::SetControlValueToUI() {
    if (!InvalidateRelateControlData()) return true;
    if (auto* view = dynamic_cast<zqp::Stepper*>(ControlPtr)) view->setIntegerValue(GetValue());
    zqpde::LittleArray::SetControlValueToUI();
    UIEventHandler();
    lastValue = GetValue();
    return true;
}

int32_t SPAddInsertQuantityLArrARK::DoControlUpdateConstrain() {
    if (InvalidateRelateControlData())
        if (auto* field = dynamic_cast<SPAddInsertQuantityTextEditARK*>(GetNumberEditFromLittleArrow())) {
            std::string text = std::to_string(GetQuantityValue());
            if (const int32_t max = field->GetEditMaxLength(); max > 0 && text.size() > static_cast<size_t>(max))
                text.resize(static_cast<size_t>(max));
            field->SetExternalValueToUI(text.c_str(), static_cast<int32_t>(text.size()));
        }
    return zqpde::LittleArray::DoControlUpdateConstrain();
}

void SPAddInsertQuantityLArrARK::FollowTypedValue(int32_t value) {
    auto* view = dynamic_cast<zqp::Stepper*>(ControlPtr);
    if (view != nullptr) view->setIntegerValue(value);
    GetValueFromUI();
    SetValueFromUIToControl();
    // The next click goes on from the typed value; with the old one kept, a
    // click back onto it would be refused as no change.
    if (view != nullptr) lastValue = view->integerValue();
}

int32_t SPAddInsertQuantityLArrARK::GetQuantityValue() const {
    auto* view = dynamic_cast<zqp::Stepper*>(ControlPtr);
    return view != nullptr ? view->integerValue() : 0;
}

}  // namespace zqsp
