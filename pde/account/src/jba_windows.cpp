#include "jba_windows.h"

#include <zqp/bundle.h>
#include <zqp/system.h>
#include <zqp/utf8.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <cstring>

#include "jba_panel.h"
#include "start_time.h"
#include "print_type_tables.h"
#include "zqpde/app_resources.h"
#include "zqpde/os_version.h"
#include "zqpde/ppd_util.h"
#include "zqpde/settings_access.h"
#include "zqpde/text_entry.h"
#include "zqpde/text_util.h"

namespace zqacct {

namespace {

constexpr int32_t kPrintSettingsPreferencesVersion = 0x1070;  // remembered values in the print settings from here
constexpr int32_t kRadioPairVersion = 0x1080;                 // an undone click resets the other radio too
const zqp::PrefUser kCurrentUser = zqp::PrefUser::kCurrentUser;
const zqp::PrefUser kAnyUser = zqp::PrefUser::kAnyUser;

bool FromPrinterSettings() { return zqpde::OSVersionCode() >= kPrintSettingsPreferencesVersion; }

bool DomainProduct(const JBAPDEr15* panel) {
    const int32_t type = panel != nullptr ? panel->getPDEType() : 0;
    return type >= 5 && type <= 7;
}

// The selected item of a pop-up control; -1 without one.
int32_t SelectedItem(const zqpde::BaseControl* control) {
    auto* view = control != nullptr ? dynamic_cast<zqp::PopUpButton*>(control->GetControlPtr()) : nullptr;
    return view != nullptr ? view->indexOfSelectedItem() : -1;
}

template <class F>
void ForTags(zqpde::BasePrintPanel* where, zqpde::ConstrainTagList list, F f) {
    if (where == nullptr || list == nullptr) return;
    for (const int32_t* const* t = list; *t != nullptr; ++t)
        if (zqpde::BaseControl* c = where->GetPanelControl(*t)) f(*c);
}

JBAPDEr15* PanelOf(zqpde::BasePrintPanel* window) {
    return window != nullptr ? dynamic_cast<JBAPDEr15*>(window->GetParentWnd()) : nullptr;
}

// The information window of the panel's account mode; nullptr for another mode.
JBAInfoWindowARK* ModeWindowOf(const JBAPDEr15* panel) {
    if (panel == nullptr) return nullptr;
    switch (panel->getAccountMode()) {
        case 0: return panel->getjbaInfoAdminWnd();
        case 1: return panel->getjbaInfoWnd();
        default: return nullptr;
    }
}

bool ModeIsZeroOrOne(const JBAPDEr15* panel) {
    return panel != nullptr && (panel->getAccountMode() == 0 || panel->getAccountMode() == 1);
}

// Every control starts again from its current value with clean counts.
void StartAgain(zqpde::PopupWinInPanel& window) {
    window.ReInitializeUserPane();
    window.SetUIDataToIniData();
    window.ResetCurrentControlStatus();
}

// A window opened before starts again; the first opening marks it active.
void StartAgainOrMarkActive(zqpde::PopupWinInPanel& window) {
    if (window.IsActived()) StartAgain(window);
    else window.ChangeActivedStatus(true);
}

std::string UIText(zqpde::TextEditCtrl& field) {
    const char* t = field.GetValueFromUI();
    return t != nullptr ? t : "";
}

}  // namespace

JBAInfoWindowARK* OwningInfoWindow(const zqpde::BaseControl& control) {
    return dynamic_cast<JBAInfoWindowARK*>(control.GetParentPanel());
}

JBAInputWindowARK* OwningInputWindow(const zqpde::BaseControl& control) {
    return dynamic_cast<JBAInputWindowARK*>(control.GetParentPanel());
}

// ---- text family ----------------------------------------------------------------------------------------

void JBAWndTextEditCtrlARK::CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData,
                                          const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                                          const zqpde::TextEditFilterData* filterData, const char* titleTextRef,
                                          bool canAllSpace, PromptRule rule) {
    PTTextEditCtrlARK::CreateControl(view, iniData, nullptr, accessInfo, usernamein, filterData, titleTextRef);
    bCanAllSpace = canAllSpace;
    rule_ = rule;
}

JBAInfoWindowARK* JBAWndTextEditCtrlARK::InfoWindow() const { return OwningInfoWindow(*this); }

bool JBAWndTextEditCtrlARK::UTF8() const { return IsUTF8Printer(ppd_); }

std::string JBAWndTextEditCtrlARK::UIText() { return zqacct::UIText(*this); }

bool JBAWndTextEditCtrlARK::ToValidate() {
    return ctrlHideCount == 0 && ctrlConstrainCount == 0 && GetValueFromUI() != nullptr;
}

bool JBAWndTextEditCtrlARK::CheckPlain() {
    const std::string text = UIText();
    if (!bCanAllSpace && ctrlDataSize != 0 && zqpde::IsAllSpace(text)) {
        ShowErrMsg();
        return false;
    }
    return zqpde::TextEditCtrl::InvalidateData();
}

bool JBAWndTextEditCtrlARK::CheckUTF8(bool lengthOfEmptyToo) {
    const std::string text = UIText();
    if (!bCanAllSpace && !text.empty() && zqpde::IsAllSpace(text)) {
        ShowErrMsg();
        return false;
    }
    const size_t n = zqp::Utf16Length(text);
    if (textEditIniDataPtr != nullptr && (lengthOfEmptyToo || !text.empty()) &&
        (n < textEditIniDataPtr->minLength || n > textEditIniDataPtr->maxLength)) {
        ShowErrMsg();
        return false;
    }
    if (text.empty() || textEditFilterDataPtr == nullptr) return true;
    if (!zqpde::validateInputForUTF8(text, textEditFilterDataPtr)) {
        ShowErrMsg();
        return false;
    }
    return true;
}

bool JBAWndTextEditCtrlARK::InvalidateData() { return !ToValidate() || CheckPlain(); }

bool JBAWndTextEditCtrlARK::InitializeCtrlFormat() {
    const int32_t tag = GetControlTag();
    if (DomainProduct(OwningJBAPanel(*this)) &&
        (tag == AdminWndTags::UserPw || tag == UserWndTags::UserPw || tag == InputWndTags::UserPw)) {
        textEditIniDataPtr = &jbaWndUserIDPwEtxtIniDataDefault03;
        textEditFilterDataPtr = &jbaWndUserIDPwEtxtFltrDataDefault03;
    }
    return zqpde::TextEditCtrl::InitializeCtrlFormat();
}

bool JBAWndTextEditCtrlARK::ToRemember() { return ctrlHideCount == 0; }

bool JBAWndTextEditCtrlARK::ToGetSummaryText() {
    const JBAInfoWindowARK* window = InfoWindow();
    return ctrlHideCount == 0 && !summarytextRef.empty() && ModeIsZeroOrOne(OwningJBAPanel(*this)) &&
           window != nullptr && !window->getbEnterUserDetails();
}

bool JBAWndTextEditCtrlARK::CorrectCtrlUI() { return zqpde::TextEditCtrl::CorrectCtrlUI(); }

namespace {

// Whether a prompt rule replaces the field's value now.
bool PromptRuleApplies(const zqpde::BaseControl& field, PromptRule rule) {
    const JBAPDEr15* panel = OwningJBAPanel(field);
    if (rule == PromptRule::kOwnValue || panel == nullptr || !panel->checkIsCostomizeUserPromptExist()) return false;
    const JBAInfoListCtrlARK* info = panel->getjbaInfoListCtrlPtr();
    if (info == nullptr) return false;
    const int32_t item = SelectedItem(info);
    const bool case8 = panel->getjbaInfoSetListCtrlPtr() != nullptr && SelectedItem(panel->getjbaInfoSetListCtrlPtr()) == 7;
    switch (rule) {
        case PromptRule::kUnknownUserForBilling: return item == 1;
        case PromptRule::kUnknownUserWithoutID:
        case PromptRule::kEmptyWithoutID: return item == 1 || case8;
        case PromptRule::kEmptyWithoutStorage: return item == 0;
        default: return false;
    }
}

}  // namespace

bool JBAWndTextEditCtrlARK::IsOutputNullToTicket() {
    return (rule_ == PromptRule::kEmptyWithoutID || rule_ == PromptRule::kEmptyWithoutStorage) &&
           PromptRuleApplies(*this, rule_);
}

bool JBAWndTextEditCtrlARK::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    if ((rule_ == PromptRule::kUnknownUserForBilling || rule_ == PromptRule::kUnknownUserWithoutID) &&
        PromptRuleApplies(*this, rule_)) {
        if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr) return false;
        return zqpde::SetValueToSettingsWithTicketKeyAndLock("UnknownUser", settings, ctrlDataAccessInfoPtr->ticketKey,
                                                             lock) == 0;
    }
    return PTTextEditCtrlARK::SetValueToTicket(settings, lock);
}

bool JBAWndUserIDTextEditCtrlARK::InvalidateData() {
    if (!ToValidate()) return true;
    if (UTF8()) return CheckUTF8(true);
    const size_t n = zqpde::GetStringLength(UIText());
    if (textEditIniDataPtr != nullptr && (n < textEditIniDataPtr->minLength || n > textEditIniDataPtr->maxLength)) {
        ShowErrMsg();
        return false;
    }
    return CheckPlain();
}

bool JBAWndUserIDTextEditCtrlARK::InitializeCtrlFormat() { return AttachFormatter(); }

bool JBAWndUserIDTextEditCtrlARK::ToGetSummaryText() {
    const JBAInfoWindowARK* window = InfoWindow();
    return JBAWndTextEditCtrlARK::ToGetSummaryText() && !window->getbUseLoginNameSelect();
}

void JBAWndLoginTECtrlARK::SetLoginName() {
    loginName_ = LoginNameForField(zqp::LoginName(), &jbaWndLoginEtxtFltrData, jbaWndLoginEtxtIniData.maxLength);
    defaultText_ = loginName_;
}

bool JBAWndLoginTECtrlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    SetLoginName();
    return JBAWndTextEditCtrlARK::InitializeCtrl(bundle, ppd);
}

bool JBAWndLoginTECtrlARK::ToGetSummaryText() {
    const JBAInfoWindowARK* window = InfoWindow();
    return ctrlHideCount == 0 && !summarytextRef.empty() && ModeIsZeroOrOne(OwningJBAPanel(*this)) &&
           window != nullptr && !window->getbEnterUserDetails() && window->getbUseLoginNameSelect();
}

bool JBAWndStrgIDTextEditCtrlARK::InitializeCtrlFormat() {
    const JBAPDEr15* panel = OwningJBAPanel(*this);
    if (panel != nullptr && panel->getPDEType() == 1) {
        textEditIniDataPtr = &jbaWndStrgIDEtxtIniDataForDefault01;
        textEditFilterDataPtr = &jbaWndStrgIDEtxtFltrDataForDefault01;
    } else {
        textEditIniDataPtr = &jbaWndStrgIDEtxtIniData;
        textEditFilterDataPtr = UTF8() ? &jbaWndStrgIDEtxtFltrDataUTF8 : &jbaWndStrgIDEtxtFltrData;
    }
    return AttachFormatter();
}

bool JBAWndStrgIDTextEditCtrlARK::InvalidateData() {
    if (!ToValidate()) return true;
    return UTF8() ? CheckUTF8(false) : CheckPlain();
}

template <class Base>
bool ScrambledMemory<Base>::ConvertToPreferenceString(std::string& out) {
    std::string plain;
    if (!this->ConvertToTickectData(plain)) return false;
    out = RememberedPassCode(plain);
    return true;
}

template <class Base>
bool ScrambledMemory<Base>::ConvertFromPreferenceString(const std::string& text) {
    // A remembered value that is not a scrambled text is forgotten.
    return zqpde::TextEditCtrl::ConvertFromPreferenceString(TextFromRemembered(text).value_or(""));
}

template <class Base>
bool ScrambledMemory<Base>::SetValueToPreferenceWithPrinterSettings() {
    std::string text, key;
    const zqpde::BaseControl::RememberStep step = this->PrepareRemember(text, key);
    if (step != zqpde::BaseControl::RememberStep::kGoOn) return step == zqpde::BaseControl::RememberStep::kDone;
    const std::optional<std::string> kept = text.empty() ? std::nullopt : std::optional<std::string>(text);
    return this->GetParentPanel()->RememberText(key, kept, this->userNameinPreference);
}

template <class Base>
bool StoragePassword<Base>::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    const bool ok = Base::InitializeCtrl(bundle, ppd);
    if (this->textEditIniDataPtr != nullptr && ppd != nullptr && !kPPDMainKey.empty()) {
        const int minimum = zqpde::GetPWMiniIntValueFromPPD(ppd, kPPDMainKey.c_str());
        if (minimum != -1) iMinPasscode = minimum;
    }
    return ok;
}

template <class Base>
bool StoragePassword<Base>::InvalidateData() {
    if (!this->ToValidate()) return true;
    const std::string text = this->UIText();
    const size_t n = zqpde::GetStringLength(text);
    const size_t maximum = this->textEditIniDataPtr != nullptr ? this->textEditIniDataPtr->maxLength : 255;
    if (n > maximum || n < static_cast<size_t>(iMinPasscode < 0 ? 0 : iMinPasscode)) {
        ShowErrMsg();
        return false;
    }
    if (n == 0 || this->textEditFilterDataPtr == nullptr) return true;
    if (!zqpde::validateInput(text, this->textEditFilterDataPtr)) {
        ShowErrMsg();
        return false;
    }
    return true;
}

template <class Base>
void StoragePassword<Base>::ShowErrMsg() {
    if (this->textEditFilterDataPtr == nullptr || this->textEditFilterDataPtr->errorMessageKey == nullptr ||
        this->textEditIniDataPtr == nullptr)
        return;
    std::string text = this->Text(this->textEditFilterDataPtr->errorMessageKey);
    if (const size_t at = text.find("[n]"); at != std::string::npos) text.replace(at, 3, std::to_string(iMinPasscode));
    this->ShowErrMsg(text);
}

template class ScrambledMemory<JBAWndTextEditCtrlARK>;
template class StoragePassword<JBAWndTextEditCtrlExtPwdARK>;
template class ScrambledMemory<JBAInputWndTextEditCtrlARK>;
template class StoragePassword<JBAInputWndTextEditCtrlARK>;
template class ScrambledMemory<JBAInputWndTextEditCtrlExtARK>;
template class ScrambledMemory<JBAInputWndStrgIDTextEditCtrlExtARK>;

int32_t JBAWndStrgTextEditCtrlExtPwdARK::DoSelfUpdate() {
    GetValueFromUI();
    return 0;
}

bool JBAInputWndTextEditCtrlARK::ToRemember() {
    // The input window's own rule stands in for the hidden-field rule: both
    // twins of a pair hold the same text and write the same key.
    const JBAPDEr15* panel = OwningJBAPanel(*this);
    const JBAInfoWindowARK* window = ModeWindowOf(panel);
    return window == nullptr || window->getbDisplayPrevious() || (panel != nullptr && panel->checkIsCostomizeUserPromptExist());
}

bool JBAInputWndTextEditCtrlExtARK::InitializeCtrlFormat() { return AttachFormatter(); }

bool JBAInputWndTextEditCtrlExtARK::PreInvalidateData() {
    if (!ToValidate()) return true;
    const std::string text = UIText();
    const size_t n = UTF8() ? zqp::Utf16Length(text) : zqpde::GetStringLength(text);
    if (textEditIniDataPtr != nullptr && (n < textEditIniDataPtr->minLength || n > textEditIniDataPtr->maxLength)) {
        ShowErrMsg();
        return false;
    }
    return true;
}

bool JBAInputWndTextEditCtrlExtARK::InvalidateData() {
    if (!ToValidate()) return true;
    return UTF8() ? CheckUTF8(false) : CheckPlain();
}

bool JBAInputWndStrgIDTextEditCtrlExtARK::InitializeCtrlFormat() {
    const JBAInputWindowARK* window = OwningInputWindow(*this);
    if (window != nullptr && window->getZELPDFDriver()) return true;
    const JBAPDEr15* panel = OwningJBAPanel(*this);
    if (panel != nullptr && panel->getPDEType() == 1) {
        textEditIniDataPtr = &jbaInputWndStrgIDEtxtIniDataDefault01;
        textEditFilterDataPtr = &jbaInputWndStrgIDEtxtFltrDataDefault01;
    } else {
        textEditIniDataPtr = &jbaInputWndStrgIDEtxtIniData;
        textEditFilterDataPtr = UTF8() ? &jbaInputWndStrgIDEtxtFltrDataUTF8 : &jbaInputWndStrgIDEtxtFltrData;
    }
    return JBAInputWndTextEditCtrlExtARK::InitializeCtrlFormat();
}

// ---- login/input list ----------------------------------------------------------------------------------

void JBAWndListCtrlARK::CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData,
                                      const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                                      const int32_t* const* validate, const int32_t* const* clear,
                                      const zqp::PrefUser* usernamein) {
    zqpde::PopupControl::CreateControl(view, iniData, constrain, accessInfo, usernamein);
    validateControlArray = validate;
    clearControlArray = clear;
}

bool JBAWndListCtrlARK::UIEventHandler() {
    // Compared with the value shown before this click (the committed value
    // changes only with the window's OK).
    const char* shown = GetValueFromUIDataBlk();
    if (shown != nullptr && SelectedItem(this) + 1 == BlockInt(shown)) return true;
    // Switching between the login name and an entered name empties the password.
    bool ok = true;
    ForTags(GetParentPanel(), clearControlArray, [&](zqpde::BaseControl& c) {
        if (auto* field = dynamic_cast<zqpde::TextEditCtrl*>(&c); ok && field != nullptr) ok = field->CorrectCtrlUI();
    });
    return zqpde::PopupControl::UIEventHandler();
}

bool JBAWndListCtrlARK::SimulationUIEventHandler() {
    zqpde::PopupControl::SimulationUIEventHandler();
    GetValueFromUI();
    return true;
}

bool JBAWndListCtrlARK::ValidateConstrains() {
    bool ok = true;
    ForTags(GetParentPanel(), validateControlArray, [&](zqpde::BaseControl& c) { ok = ok && c.InvalidateData(); });
    return ok;
}

int32_t JBAWndListCtrlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    const JBAPDEr15* panel = OwningJBAPanel(*this);
    const JBAInfoWindowARK* window = OwningInfoWindow(*this);
    if (ctrlHideCount != 0 || !ModeIsZeroOrOne(panel) || window == nullptr || window->getbEnterUserDetails()) return 0;
    return PopupSummary(*this, zqpde::pluginBundle, panel->TextTable(), "JBA Specify Name", dictionary, order);
}

// ---- radios -----------------------------------------------------------------------------------------------

JBAWndRadioButtonARK::JBAWndRadioButtonARK(zqp::View* view, const zqpde::RadioButtonIniData* iniData,
                                           const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                                           const zqp::PrefUser* usernamein, const int32_t* const* validate,
                                           zqpde::ConstrainLists selfUpdates)
    : zqpde::RadioButton(view, iniData, constrain, accessInfo, usernamein),
      iniData_(iniData),
      validateControlArray(validate),
      selfUpdates_(selfUpdates) {}

bool JBAWndRadioButtonARK::ValidateConstrains() {
    bool ok = true;
    ForTags(GetParentPanel(), validateControlArray, [&](zqpde::BaseControl& c) { ok = ok && c.InvalidateData(); });
    return ok;
}

bool JBAWndRadioButtonARK::UIEventHandler() {
    zqp::Button* button = ButtonView();
    const char* shown = GetValueFromUIDataBlk();
    if (button == nullptr || shown == nullptr) return true;
    const int32_t old = BlockInt(shown);
    if (ViewState() == old) return true;
    if (ValidateConstrains()) {
        ClickAccepted();
        return zqpde::RadioButton::UIEventHandler();
    }
    // A refused field undoes the click.
    button->setState(old);
    if (zqpde::OSVersionCode() >= kRadioPairVersion)
        if (zqpde::RadioButton* other = GetAnotherRadioCtrlFromGroup())
            if (auto* b = dynamic_cast<zqp::Button*>(other->GetControlPtr())) b->setState(old == 1 ? 0 : 1);
    return false;
}

int32_t JBAWndRadioButtonARK::DoSelfUpdate() {
    ForTags(GetParentPanel(), selfUpdates_.at(GetValue()), [](zqpde::BaseControl& c) { c.DoSelfUpdate(); });
    return 0;
}

int32_t JBAWndRadioButtonARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    zqp::Bundle* bundle = zqpde::pluginBundle;
    if (GetValue() != 1 || iniData_ == nullptr || iniData_->titleKey == nullptr ||
        iniData_->summaryValueKey == nullptr || bundle == nullptr || dictionary == nullptr || order == nullptr)
        return 0;
    const std::string key = Localized(bundle, iniData_->summaryValueKey);
    (*dictionary)[key] = Localized(bundle, iniData_->titleKey);
    order->push_back(key);
    return 0;
}

bool JBAWndRadioButtonARK::ReSetControlValue(int32_t value) {
    zqp::Button* button = ButtonView();
    if (GetControlBlkPtr() == nullptr) return false;
    if (value > 0) SetGrpcurRadio();
    if (button != nullptr) button->setState(value);
    // The value follows the state; the shown value is left to the event
    // that follows, so the radio's rules act on the change.
    setExternalValueToData(&value, sizeof value, 2);
    return true;
}

bool JBAWndRadioButtonExtARK::SetControlValueToUI() {
    const JBAPDEr15* panel = OwningJBAPanel(*this);
    if (panel == nullptr || !panel->checkIsCostomizeUserPromptExist() || panel->getjbaInfoSetListCtrlPtr() == nullptr)
        return JBAWndRadioButtonARK::SetControlValueToUI();
    const int32_t item = SelectedItem(panel->getjbaInfoSetListCtrlPtr());
    if (item == 3 || item == 8) {
        zqpde::RadioButton::SetControlValueToUI();
        return ReSetControlValue(iModeRadioBtn == 2 ? 1 : 0);
    }
    if (item >= 4 && item <= 7) {
        zqpde::RadioButton::SetControlValueToUI();
        return ReSetControlValue(iModeRadioBtn == 1 ? 1 : 0);
    }
    return JBAWndRadioButtonARK::SetControlValueToUI();
}

void JBAWndRadioButtonExtARK::ClickAccepted() {
    JBAInputWindowARK* window = OwningInputWindow(*this);
    const JBAPDEr15* panel = OwningJBAPanel(*this);
    const JBAInfoWindowARK* mode = ModeWindowOf(panel);
    JBAWndCheckBoxARK* box = mode != nullptr ? mode->getUserFrmtCboxCtrl() : nullptr;
    JBAWndRadioButtonExtARK* storage = window != nullptr ? window->getStrgRadioPtr() : nullptr;
    if (box == nullptr || storage == nullptr || storage->GetControlPtr() == nullptr) return;
    const bool masked = box->GetValue() == 1;
    int32_t target;
    if (iModeRadioBtn == 2) target = masked ? InputWndTags::StrgID2 : InputWndTags::StrgID;
    else if (DomainProduct(panel)) target = masked ? InputWndTags::Domain2 : InputWndTags::Domain;
    else target = masked ? InputWndTags::UserID2 : InputWndTags::UserID;
    if (zqpde::BaseControl* field = window->GetPanelControl(&target))
        storage->GetControlPtr()->setNextKeyView(field->GetControlPtr());
}

// ---- boxes ------------------------------------------------------------------------------------------------

bool JBAWndCheckBoxARK::InitializeTitle(zqp::Bundle* bundle) {
    const int32_t tag = GetControlTag();
    // Kept per control: the shared description keeps its title.
    if ((tag == AdminWndTags::UserFrmt || tag == UserWndTags::UserFrmt) && !DomainProduct(OwningJBAPanel(*this)))
        titleKey_ = "JBA User ID Format No Domain";
    return zqpde::CheckBox::InitializeTitle(bundle);
}

void JBAWndCheckBoxARK::InitializeConstrains() {
    const int32_t value = GetValue();
    if (!ctrlConstrainsArray || value < 0) return;
    ForTags(GetParentPanel(), ctrlConstrainsArray.at(value), [](zqpde::BaseControl& c) { c.Hide(); });
}

int32_t JBAWndCheckBoxARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    const JBAPDEr15* panel = OwningJBAPanel(*this);
    const JBAInfoWindowARK* window = OwningInfoWindow(*this);
    zqp::Bundle* bundle = zqpde::pluginBundle;
    if (ctrlHideCount != 0 || titleKey_.empty() || !ModeIsZeroOrOne(panel) || window == nullptr ||
        !window->getbEnterUserDetails() || bundle == nullptr || dictionary == nullptr || order == nullptr)
        return 0;
    const std::string key = Localized(bundle, titleKey_.c_str());
    (*dictionary)[key] = Localized(bundle, GetValue() == 1 ? "On" : "Off");
    order->push_back(key);
    return 0;
}

void JBAWndLastInputCheckBoxARK::InitializeCtrlData() {
    const JBAPDEr15* panel = OwningJBAPanel(*this);
    JBAInputWindowARK* input = panel != nullptr ? panel->getjbaInputWnd() : nullptr;
    if (input == nullptr) return;
    if (GetValue() == 1) input->ReloadRemembered();
    else input->SetControlDataToDefault();
}

// ---- the input window's case copy -------------------------------------------------------------------------

void JBAInputWndInfoSetListCtrlARK::InitializeConstrains() {
    const JBAPDEr15* panel = OwningJBAPanel(*this);
    if (panel == nullptr || !panel->checkIsCostomizeUserPromptExist() || panel->getjbaInfoSetListCtrlPtr() == nullptr)
        return;
    const int32_t item = SelectedItem(panel->getjbaInfoSetListCtrlPtr());
    if (auto* view = dynamic_cast<zqp::PopUpButton*>(ControlPtr)) view->selectItemAtIndex(item);
    if (item == applied_) return;
    // The lists of the case applied before are lifted first, so every
    // disable and hide of this rule stays paired.
    const zqpde::ConstrainInfo& lists = InputWndTags::caseConstrain;
    ForTags(GetParentPanel(), lists.disableLists.at(applied_), [](zqpde::BaseControl& c) { c.Enable(); });
    ForTags(GetParentPanel(), lists.hideLists.at(applied_), [](zqpde::BaseControl& c) { c.Show(); });
    ForTags(GetParentPanel(), lists.disableLists.at(item), [](zqpde::BaseControl& c) { c.Disable(); });
    ForTags(GetParentPanel(), lists.hideLists.at(item), [](zqpde::BaseControl& c) { c.Hide(); });
    applied_ = item;
}

void JBAInputWndInfoSetListCtrlARK::ResetStatus() {
    zqpde::PopupControl::ResetStatus();
    applied_ = -1;
}

int32_t JBAInputWndInfoSetListCtrlARK::DoSelfUpdate() {
    if (ControlPtr != nullptr) ControlPtr->setHidden(true);
    return 0;
}

// ---- buttons ------------------------------------------------------------------------------------------------

namespace {

// Every control's check in creation order; false at the first refusal.
bool CheckAll(zqpde::BasePrintPanel& window, bool firstPass) {
    if (zqpde::BasePrintPanel::ControlList* controls = window.getCtrlGroupArrayRef())
        for (auto& c : *controls) {
            if (firstPass && !c->PreInvalidateData()) return false;
            if (!c->InvalidateData()) return false;
        }
    return true;
}

}  // namespace

bool JBAWndOKButtonARK::UIEventHandler() {
    auto* window = OwningInfoWindow(*this);
    JBAPDEr15* panel = PanelOf(window);
    if (window == nullptr) return true;
    if (ModeIsZeroOrOne(panel)) window->SycValueFromUI();
    if (!CheckAll(*window, false)) return false;
    window->SetValueFromUIToControl();
    if (!window->getZELPDFDriver() && panel != nullptr && panel->checkIsCostomizeUserPromptExist()) {
        const JBAInfoWindowARK* mode = ModeWindowOf(panel);
        JBAInputWindowARK* input = panel->getjbaInputWnd();
        if (mode != nullptr && !mode->getbDisplayPrevious() && input != nullptr) {
            input->SetControlDataToDefault();
            input->SetDefaultValueToPreference();
        }
    }
    window->DeactivateWindow();
    return true;
}

bool JBAWndCancelButtonARK::UIEventHandler() {
    if (auto* window = OwningInfoWindow(*this)) window->DeactivateWindow();
    return true;
}

bool JBAWndRestoreButtonARK::UIEventHandler() {
    if (auto* window = OwningInfoWindow(*this)) window->SetDefaultValueToUI();
    return true;
}

bool JBAInputWndOKButtonARK::UIEventHandler() {
    JBAInputWindowARK* window = OwningInputWindow(*this);
    if (window == nullptr) return true;
    window->SycnContents();
    window->SycValueFromUI();
    if (!CheckAll(*window, true)) return false;
    if (JBAPDEr15* panel = PanelOf(window)) panel->setJobStatus(kJobMayPrint);
    window->SetValueFromUIToControl();
    window->DeactivateWindow();
    return true;
}

bool JBAInputWndCancelButtonARK::UIEventHandler() {
    JBAInputWindowARK* window = OwningInputWindow(*this);
    if (window == nullptr) return true;
    if (JBAPDEr15* panel = PanelOf(window)) panel->setJobStatus(kJobMayNotPrint);
    window->DeactivateWindow();
    return true;
}

// ---- information windows ------------------------------------------------------------------------------------

namespace {

template <class T, class... Args>
std::unique_ptr<T> Make(Args&&... args) {
    return std::make_unique<T>(std::forward<Args>(args)...);
}

// An input-window field whose value the edition remembers scrambled.
template <class T>
auto MakeInputField() {
    if constexpr (edition::kScrambledInputValues) return Make<ScrambledMemory<T>>();
    else return Make<T>();
}

}  // namespace

#define ZQ_INFO_TABLE(NAME) (spec_.admin ? AdminWndTags::NAME : UserWndTags::NAME)
#define ZQ_INFO_RECORD(NAME) (spec_.admin ? &AdminWndTags::NAME : &UserWndTags::NAME)

JBAInfoWindowARK::JBAInfoWindowARK(zqp::Window* window, const char* titleKey,
                                   std::vector<zqp::View*>* qspControlIDArray, bool zelPDFDriver, ppd_file_t* ppd,
                                   const Spec& spec)
    : zqpde::PopupWinInPanel(window, titleKey), spec_(spec), bIsZELPDFDriver(zelPDFDriver) {
    currentPPD = ppd;
    const bool utf8 = IsUTF8Printer(ppd);
    const zqp::PrefUser* scope = &spec_.scope;
    const InfoWndAccess& a = *spec_.access;
    const int32_t B = spec_.base;
    if (!spec_.admin) AddButtons();

    jbaWndRgrpCtrl = std::make_unique<zqpde::RadioGroup>();
    JBAWndTextEditCtrlARK* userPw = nullptr;
    JBAWndTextEditCtrlARK* strgPw = nullptr;
    if (!bIsZELPDFDriver) {
        auto info = Make<JBAWndRadioButtonARK>(Item(B + 5), &jbaWndJobInfoRdioIniData, ZQ_INFO_RECORD(infoConstrain),
                                               &a.jobInfoRdio, scope, nullptr,
                                               zqpde::ConstrainListsOf(spec_.admin ? AdminWndTags::infoSelfUpdates
                                                                                   : UserWndTags::infoSelfUpdates));
        if (auto* r = AddNewControl(std::move(info))) jbaWndRgrpCtrl->RunTimeAddNewControl(r);
    }
    AddLabel(B + 10, "JBA Specify Name text");
    if (!bIsZELPDFDriver) {
        auto list = Make<JBAWndListCtrlARK>();
        list->CreateControl(Item(B + 6), &jbaWndUserIDLboxIniData, ZQ_INFO_RECORD(listConstrain), &a.userIDList,
                            ZQ_INFO_TABLE(listValidate), ZQ_INFO_TABLE(listClear), scope);
        userIDLbox_ = AddNewControl(std::move(list));
    }
    AddLabel(B + 11, "User ID text");
    if (!bIsZELPDFDriver) {
        auto user = Make<JBAWndUserIDTextEditCtrlARK>();
        user->CreateControl(Item(B + 7), &jbaWndUserIDEtxtIniData, &a.userID, scope,
                            utf8 ? &jbaWndUserIDEtxtFltrDataForUTF8 : &jbaWndUserIDEtxtFltrDataForNoneUTF8, "User ID",
                            false, PromptRule::kUnknownUserWithoutID);
        AddNewControl(std::move(user));
        auto login = Make<JBAWndLoginTECtrlARK>();
        login->CreateControl(Item(B + 8), &jbaWndLoginEtxtIniData, &a.login, scope, &jbaWndLoginEtxtFltrData, "User ID",
                             false, PromptRule::kUnknownUserForBilling);
        login->SetLoginName();
        AddNewControl(std::move(login));
    }
    AddLabel(B + 12, "User ID Password text");
    if (!bIsZELPDFDriver) {
        auto pw = Make<JBAWndTextEditCtrlExtPwdARK>();
        pw->CreateControl(Item(B + 9), &jbaWndUserIDPwEtxtIniData, &a.userPw, scope, &jbaWndUserIDPwEtxtFltrData,
                          "User ID Password", true, PromptRule::kEmptyWithoutID);
        userPw = AddNewControl(std::move(pw));
    }
    if (!bIsZELPDFDriver && edition::kAccountAndStorageFields) {
        AddLabel(B + 15, "Billing ID text");
        auto strg = Make<JBAWndStrgIDTextEditCtrlARK>();
        strg->CreateControl(Item(B + 13), &jbaWndStrgIDEtxtIniData, &a.strgID, scope, &jbaWndStrgIDEtxtFltrData,
                            "Billing ID", false, PromptRule::kEmptyWithoutStorage);
        AddNewControl(std::move(strg));
        AddLabel(B + 16, "Billing ID Password text");
        auto spw = Make<JBAWndStrgTextEditCtrlExtPwdARK>();
        spw->CreateControl(Item(B + 14), &jbaWndStrgIDPwEtxtIniData, &a.strgPw, scope, &jbaWndStrgIDPwEtxtFltrData,
                           "Billing ID Password", false, PromptRule::kEmptyWithoutStorage);
        spw->PPDKey(edition::kPassCodeLimitKey);
        strgPw = AddNewControl(std::move(spw));
    }
    if (!bIsZELPDFDriver) {
        auto input = Make<JBAWndRadioButtonARK>(Item(B + 17), &jbaWndJobInputRdioIniData,
                                                ZQ_INFO_RECORD(inputConstrain), &a.jobInputRdio, scope,
                                                ZQ_INFO_TABLE(inputValidate));
        jobInputRdio_ = AddNewControl(std::move(input));
        if (jobInputRdio_ != nullptr) jbaWndRgrpCtrl->RunTimeAddNewControl(jobInputRdio_);
    }
    if (edition::kDomainNames) {
        AddLabel(B + 23, "Domain Name text");
        auto domain = Make<JBAWndTextEditCtrlARK>();
        domain->CreateControl(Item(B + 24), &jbaWndDomainNameEtxtIniData, &a.domain, scope,
                              &jbaWndDomainNameEtxtFltrData, "Domain Name", true);
        AddNewControl(std::move(domain));
    }
    if (!bIsZELPDFDriver && edition::kAccountAndStorageFields) {
        AddLabel(B + 19, "Account ID text");
        auto acnt = Make<JBAWndAcntTextEditCtrlARK>();
        acnt->CreateControl(Item(B + 18), &jbaWndAcntIDEtxtIniData, &a.acntID, scope, &jbaWndAcntIDEtxtFltrData,
                            "Account ID", true, PromptRule::kEmptyWithoutID);
        AddNewControl(std::move(acnt));
        lastInput_ = AddNewControl(
            Make<JBAWndLastInputCheckBoxARK>(Item(B + 20), &jbaWndLastInputCboxIniData, &jbaNoConstrain, &a.lastInput, scope));
        userFrmt_ = AddNewControl(Make<JBAWndCheckBoxARK>(Item(B + 21), &jbaWndUserFrmtCboxIniData, &jbaNoConstrain,
                                                          &a.userFrmt, scope,
                                                          zqpde::ConstrainListsOf(InputWndTags::userFrmtHides)));
        acntFrmt_ = AddNewControl(Make<JBAWndCheckBoxARK>(Item(B + 22), &jbaWndAcntFrmtCboxIniData, &jbaNoConstrain,
                                                          &a.acntFrmt, scope,
                                                          zqpde::ConstrainListsOf(InputWndTags::acntFrmtHides)));
    }
    if (spec_.admin) AddButtons();
    if (qspControlIDArray != nullptr) {
        if (strgPw != nullptr && !bIsZELPDFDriver) qspControlIDArray->push_back(strgPw->GetControlPtr());
        if (userPw != nullptr) qspControlIDArray->push_back(userPw->GetControlPtr());
    }
}

#undef ZQ_INFO_TABLE
#undef ZQ_INFO_RECORD

JBAInfoWindowARK::~JBAInfoWindowARK() = default;

zqp::View* JBAInfoWindowARK::Item(int32_t tag) const {
    return windowRef != nullptr ? windowRef->viewWithTag(tag) : nullptr;
}

void JBAInfoWindowARK::AddLabel(int32_t tag, const char* key) {
    auto label = Make<PTStaticTextEditControlARK>();
    label->CreateControl(Item(tag), key);
    AddNewControl(std::move(label));
}

void JBAInfoWindowARK::AddButtons() {
    const int32_t B = spec_.base;
    auto ok = Make<JBAWndOKButtonARK>();
    ok->CreateControl(Item(B + 1), "JBA Info OK Btn");
    auto restore = Make<JBAWndRestoreButtonARK>();
    restore->CreateControl(Item(B + 3), "JBA Info RESTORE Btn");
    auto cancel = Make<JBAWndCancelButtonARK>();
    cancel->CreateControl(Item(B + 2), "JBA Info CANCEL Btn");
    auto help = Make<JBAWndHelpButtonARK>();
    help->CreateControl(Item(B + 4), "DetailedUS.htm");
    AddNewControl(std::move(ok));
    if (spec_.admin) {
        AddNewControl(std::move(restore));
        AddNewControl(std::move(cancel));
    } else {
        AddNewControl(std::move(cancel));
        AddNewControl(std::move(restore));
    }
    AddNewControl(std::move(help));
}

zqpde::BaseControl* JBAInfoWindowARK::GetPanelControl(const int32_t* tag) {
    if (zqpde::BaseControl* c = zqpde::PopupWinInPanel::GetPanelControl(tag)) return c;
    // The format boxes reach the input window's fields this way.
    JBAPDEr15* panel = PanelOf(this);
    JBAInputWindowARK* input = panel != nullptr ? panel->getjbaInputWnd() : nullptr;
    return input != nullptr ? input->GetPanelControl(tag) : nullptr;
}

void JBAInfoWindowARK::InitializePaneConstrains() {
    JBAPDEr15* panel = PanelOf(this);
    if (panel == nullptr) return;
    if (spec_.admin)
        if (JBAListCtrlARK* mode = panel->getjbaMngTypeLboxCtrl()) mode->InitializeConstrains(this);
    if (!bIsZELPDFDriver)
        if (JBAInfoSetListCtrlARK* cases = panel->getjbaInfoSetListCtrlPtr()) cases->InitializeConstrains(this);
}

int32_t JBAInfoWindowARK::ActivateWindow() {
    if (windowRef == nullptr) return 0;
    StartAgainOrMarkActive(*this);
    SetCurrentValueToUI();
    InitializePaneConstrains();
    zqp::Application::Shared().runModalForWindow(*windowRef);
    return 0;
}

int32_t JBAInfoWindowARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    const JBAPDEr15* panel = PanelOf(this);
    if (panel != nullptr && panel->getAccountMode() == (spec_.admin ? 0 : 1))
        zqpde::PopupWinInPanel::GetSummaryText(dictionary, order);
    return 0;
}

int32_t JBAInfoWindowARK::GetValueFromPreference() {
    const int32_t status = zqpde::PopupWinInPanel::GetValueFromPreference();
    jbaWndRgrpCtrl->DefaultsUnlessOneIsOn();
    return status;
}

int32_t JBAInfoWindowARK::GetValueFromPreferenceWithPrinterSettings() {
    const int32_t status = zqpde::PopupWinInPanel::GetValueFromPreferenceWithPrinterSettings();
    jbaWndRgrpCtrl->DefaultsUnlessOneIsOn();
    return status;
}

bool JBAInfoWindowARK::getbEnterUserDetails() const { return jobInputRdio_ != nullptr && jobInputRdio_->GetValue() == 1; }

bool JBAInfoWindowARK::getbDisplayPrevious() const { return lastInput_ == nullptr || lastInput_->GetValue() == 1; }

bool JBAInfoWindowARK::getbHideUserID() const {
    return !bIsZELPDFDriver && userFrmt_ != nullptr && userFrmt_->GetValue() == 1;
}

bool JBAInfoWindowARK::getbHideAccountID() const {
    return !bIsZELPDFDriver && acntFrmt_ != nullptr && acntFrmt_->GetValue() == 1;
}

bool JBAInfoWindowARK::getbUseLoginNameSelect() const { return userIDLbox_ != nullptr && userIDLbox_->GetValue() == 1; }

JBAInfoAdminWndARK::JBAInfoAdminWndARK(zqp::Window* window, const char* titleKey, std::vector<zqp::View*>* qsp,
                                       bool zel, ppd_file_t* ppd)
    : JBAInfoWindowARK(window, titleKey, qsp, zel, ppd, Spec{2000, true, kAnyUser, &jbaAdminWndAccess}) {}

JBAInfoWndARK::JBAInfoWndARK(zqp::Window* window, const char* titleKey, std::vector<zqp::View*>* qsp, bool zel,
                             ppd_file_t* ppd)
    : JBAInfoWindowARK(window, titleKey, qsp, zel, ppd, Spec{3000, false, kCurrentUser, &jbaUserWndAccess}) {}

// ---- input window -----------------------------------------------------------------------------------------------

JBAInputWindowARK::JBAInputWindowARK(zqp::Window* window, const char* titleKey,
                                     std::vector<zqp::View*>* qspControlIDArray, std::vector<int32_t> defaultArray,
                                     bool zelPDFDriver, ppd_file_t* ppd)
    : zqpde::PopupWinInPanel(window, titleKey),
      bIsZELPDFDriver(zelPDFDriver),
      jbainputwndDefaultArray(std::move(defaultArray)) {
    currentPPD = ppd;
    const bool utf8 = IsUTF8Printer(ppd);
    const InputWndAccess& a = jbaInputWndAccess;
    using T = InputWndTags;
    auto label = [&](int32_t tag, const char* key) {
        auto l = Make<PTStaticTextEditControlARK>();
        l->CreateControl(Item(tag), key);
        AddNewControl(std::move(l));
    };
    auto ok = Make<JBAInputWndOKButtonARK>();
    ok->CreateControl(Item(T::OK), "JBA Input OK Btn");
    AddNewControl(std::move(ok));
    auto cancel = Make<JBAInputWndCancelButtonARK>();
    cancel->CreateControl(Item(T::Cancel), "JBA Input CANCEL Btn");
    AddNewControl(std::move(cancel));
    auto help = Make<JBAWndHelpButtonARK>();
    help->CreateControl(Item(T::Help), "EnterUD.htm");
    AddNewControl(std::move(help));

    JBAWndTextEditCtrlARK* userPw = nullptr;
    JBAWndTextEditCtrlARK* strgPw = nullptr;
    auto field = [&](auto made, int32_t tag, const zqpde::TextEditIniData* ini, const zqpde::AccessInfo* access,
                     const zqpde::TextEditFilterData* filter, bool canSpace) {
        made->CreateControl(Item(tag), ini, access, &kCurrentUser, filter, nullptr, canSpace);
        return AddNewControl(std::move(made));
    };
    const bool accountFields = !bIsZELPDFDriver && edition::kAccountAndStorageFields;
    if (accountFields) {
        jbaInputWndRgrpCtrl = std::make_unique<zqpde::RadioGroup>();
        auto auth = Make<JBAWndRadioButtonExtARK>(Item(T::AuthRdio), &jbaInputWndAuthRdioIniData, &T::authConstrain,
                                                  &a.authRdio, &kCurrentUser, T::authValidate, 1);
        if (auto* r = AddNewControl(std::move(auth))) jbaInputWndRgrpCtrl->RunTimeAddNewControl(r);
        auto strg = Make<JBAWndRadioButtonExtARK>(Item(T::StrgRdio), &jbaInputWndStrgRdioIniData, &T::strgConstrain,
                                                  &a.strgRdio, &kCurrentUser, T::strgValidate, 2);
        if (auto* r = AddNewControl(std::move(strg))) jbaInputWndRgrpCtrl->RunTimeAddNewControl(r);
    }
    label(T::UserIDTitle, "User ID text");
    if (!bIsZELPDFDriver)
        field(MakeInputField<JBAInputWndTextEditCtrlExtARK>(), T::UserID, &jbaWndUserIDEtxtIniData, &a.userID,
              utf8 ? &jbaWndUserIDEtxtFltrDataForUTF8 : &jbaWndUserIDEtxtFltrDataForNoneUTF8, false);
    label(T::UserPwTitle, "User ID Password text");
    if (!bIsZELPDFDriver) {
        userPw = field(Make<ScrambledMemory<JBAInputWndTextEditCtrlARK>>(), T::UserPw, &jbaWndUserIDPwEtxtIniData,
                       &a.userPw, &jbaWndUserIDPwEtxtFltrData, true);
    }
    if (accountFields) {
        field(MakeInputField<JBAInputWndTextEditCtrlExtARK>(), T::UserID2, &jbaWndUserIDEtxtIniData, &a.userID2,
              utf8 ? &jbaInputWndUserID2EtxtFltrDataForUTF8 : &jbaInputWndUserID2EtxtFltrData, false);
    }
    if (edition::kDomainNames) {
        label(T::DomainTitle, "Domain Name text");
        field(Make<JBAInputWndTextEditCtrlARK>(), T::Domain, &jbaWndDomainNameEtxtIniData, &a.domain,
              &jbaWndDomainNameEtxtFltrData, true);
        field(Make<JBAInputWndTextEditCtrlARK>(), T::Domain2, &jbaWndDomainNameEtxtIniData, &a.domain2,
              &jbaInputWndDomainName2EtxtFltrData, true);
    }
    if (accountFields) {
        label(T::AcntIDTitle, "Account ID text");
        field(MakeInputField<JBAInputWndTextEditCtrlARK>(), T::AcntID, &jbaWndAcntIDEtxtIniData, &a.acntID,
              &jbaWndAcntIDEtxtFltrData, true);
        field(MakeInputField<JBAInputWndTextEditCtrlARK>(), T::AcntID2, &jbaWndAcntIDEtxtIniData, &a.acntID2,
              &jbaInputWndAcntID2EtxtFltrData, true);
        label(T::StrgIDTitle, "Billing ID text");
        field(MakeInputField<JBAInputWndStrgIDTextEditCtrlExtARK>(), T::StrgID, nullptr, &a.strgID, nullptr, false);
        field(MakeInputField<JBAInputWndStrgIDTextEditCtrlExtARK>(), T::StrgID2, nullptr, &a.strgID2, nullptr, false);
        label(T::StrgPwTitle, "Billing ID Password text");
        auto spw = Make<JBAInputWndStrgTextEditCtrlPwdARK>();
        spw->PPDKey(edition::kPassCodeLimitKey);
        strgPw = field(std::move(spw), T::StrgPw, &jbaWndStrgIDPwEtxtIniData, &a.strgPw, &jbaWndStrgIDPwEtxtFltrData,
                       false);
        auto copy = Make<JBAInputWndInfoSetListCtrlARK>();
        copy->CreateControl(Item(T::InfoSetList), &jbaMngSetInfoModeIDLboxIniData, nullptr, nullptr, &kCurrentUser);
        AddNewControl(std::move(copy));
    }
    if (qspControlIDArray != nullptr) {
        if (strgPw != nullptr) qspControlIDArray->push_back(strgPw->GetControlPtr());
        if (userPw != nullptr) qspControlIDArray->push_back(userPw->GetControlPtr());
    }
}

JBAInputWindowARK::~JBAInputWindowARK() = default;

zqp::View* JBAInputWindowARK::Item(int32_t tag) const {
    return windowRef != nullptr ? windowRef->viewWithTag(tag) : nullptr;
}

JBAInfoWindowARK* JBAInputWindowARK::ModeWindow() const {
    return ModeWindowOf(PanelOf(const_cast<JBAInputWindowARK*>(this)));
}

void JBAInputWindowARK::InitializePaneCtrlData() {
    JBAInfoWindowARK* window = ModeWindow();
    if (window == nullptr || bIsZELPDFDriver) return;
    if (JBAWndLastInputCheckBoxARK* box = window->getLastInputCboxCtrl()) box->InitializeCtrlData();
}

void JBAInputWindowARK::InitializePaneConstrains() {
    JBAInfoWindowARK* window = ModeWindow();
    JBAPDEr15* panel = PanelOf(this);
    int32_t format = -1;
    auto point = [this](int32_t from, int32_t to) {
        zqpde::BaseControl* a = GetPanelControl(&from);
        zqpde::BaseControl* b = GetPanelControl(&to);
        if (a != nullptr && b != nullptr && a->GetControlPtr() != nullptr)
            a->GetControlPtr()->setNextKeyView(b->GetControlPtr());
    };
    using T = InputWndTags;
    if (window != nullptr && !bIsZELPDFDriver) {
        if (JBAWndCheckBoxARK* box = window->getUserFrmtCboxCtrl()) {
            box->InitializeConstrains();
            const bool on = box->GetValue() == 1;
            if (DomainProduct(panel)) point(T::StrgRdio, on ? T::Domain2 : T::Domain);
            else point(T::StrgRdio, on ? T::UserID2 : T::UserID);
            format = on ? 1 : 0;
        }
        if (JBAWndCheckBoxARK* box = window->getAcntFrmtCboxCtrl()) {
            box->InitializeConstrains();
            point(T::UserPw, box->GetValue() == 1 ? T::AcntID2 : T::AcntID);
        }
    }
    if (bIsZELPDFDriver || panel == nullptr) return;
    if (JBAInputWndInfoSetListCtrlARK* copy = getjbaInfoSetListCtrlInputWndPtr()) {
        copy->InitializeConstrains();
        if (SelectedItem(copy) == 8 && format != -1) point(T::StrgRdio, format == 1 ? T::StrgID2 : T::StrgID);
    }
}

int32_t JBAInputWindowARK::ActivateWindow() {
    if (windowRef == nullptr) return 0;
    StartAgainOrMarkActive(*this);
    InitializePaneCtrlData();
    SetCurrentValueToUI();
    InitializePaneConstrains();
    zqp::Application::Shared().runModalForWindow(*windowRef);
    return 0;
}

void JBAInputWindowARK::SimulateWindow() {
    // A window run before starts again from clean counts, so the rules that
    // hide and disable are not applied twice.
    if (windowRef == nullptr && !IsActived()) StartAgain(*this);
    StartAgainOrMarkActive(*this);
    InitializePaneCtrlData();
    SetCurrentValueToUI();
    InitializePaneConstrains();
    SetValueFromUIToControl();
}

void JBAInputWindowARK::SycnFromTextToPw(bool* hideUserID, bool* hideAccountID) {
    const JBAInfoWindowARK* window = bIsZELPDFDriver ? nullptr : ModeWindow();
    *hideUserID = window != nullptr && window->getbHideUserID();
    *hideAccountID = window != nullptr && window->getbHideAccountID();
}

void JBAInputWindowARK::SycnContents() {
    if (bIsZELPDFDriver) return;
    bool hideUser = false, hideAccount = false;
    SycnFromTextToPw(&hideUser, &hideAccount);
    auto copy = [this](int32_t visible, int32_t other) {
        auto* from = dynamic_cast<zqpde::TextEditCtrl*>(GetPanelControl(&visible));
        auto* to = dynamic_cast<zqpde::TextEditCtrl*>(GetPanelControl(&other));
        if (from == nullptr || to == nullptr) return;
        const std::string text = UIText(*from);
        to->SetExternalValueToUI(text.c_str(), static_cast<int32_t>(text.size()));
    };
    using T = InputWndTags;
    // The domain-name pair is optional: products without domain fields lack it.
    if (GetPanelControl(&T::UserID) && GetPanelControl(&T::UserID2) && GetPanelControl(&T::StrgID) &&
        GetPanelControl(&T::StrgID2)) {
        if (hideUser) {
            copy(T::UserID2, T::UserID);
            copy(T::Domain2, T::Domain);
            copy(T::StrgID2, T::StrgID);
        } else {
            copy(T::UserID, T::UserID2);
            copy(T::Domain, T::Domain2);
            copy(T::StrgID, T::StrgID2);
        }
    }
    if (hideAccount) copy(T::AcntID2, T::AcntID);
    else copy(T::AcntID, T::AcntID2);
}

bool JBAInputWindowARK::SetControlDataToDefault() {
    for (int32_t tag : jbainputwndDefaultArray)
        if (zqpde::BaseControl* c = GetPanelControl(&tag); c != nullptr && !c->SetControlValueToDefault()) return false;
    return true;
}

bool JBAInputWindowARK::SetDefaultValueToPreference() {
    for (int32_t tag : jbainputwndDefaultArray) {
        zqpde::BaseControl* c = GetPanelControl(&tag);
        if (c == nullptr) continue;
        if (!(FromPrinterSettings() ? c->SetValueToPreferenceWithPrinterSettings() : c->SetValueToPreference()))
            return false;
    }
    return true;
}

int32_t JBAInputWindowARK::GetValueFromPreference() {
    const int32_t status = zqpde::PopupWinInPanel::GetValueFromPreference();
    if (jbaInputWndRgrpCtrl) jbaInputWndRgrpCtrl->DefaultsUnlessOneIsOn();
    return status;
}

int32_t JBAInputWindowARK::GetValueFromPreferenceWithPrinterSettings() {
    const int32_t status = zqpde::PopupWinInPanel::GetValueFromPreferenceWithPrinterSettings();
    if (jbaInputWndRgrpCtrl) jbaInputWndRgrpCtrl->DefaultsUnlessOneIsOn();
    return status;
}

void JBAInputWindowARK::ReloadRemembered() {
    if (FromPrinterSettings()) GetValueFromPreferenceWithPrinterSettings();
    else GetValueFromPreference();
}

}  // namespace zqacct
