#include "zqpde/standard_controls.h"

#include <zqp/bundle.h>
#include <zqp/utf8.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "zqpde/base_print_panel.h"
#include "zqpde/number_text.h"
#include "zqpde/os_version.h"
#include "zqpde/text_entry.h"
#include "zqpde/text_util.h"

namespace zqpde {
namespace {

constexpr int32_t kUnlockedBeforeVersion = 0x1070;  // version label hidden on reset before this
constexpr int32_t kRadioUpdateVersion = 0x1080;     // radio Update also for a button already off

std::string IntText(int32_t v) { return std::to_string(v); }
std::string NonNull(const char* s) { return s != nullptr ? s : ""; }

// The block's text (up to its first zero byte).
std::string BlockText(const std::vector<char>& block) {
    if (block.empty()) return {};
    return std::string(block.data(), strnlen(block.data(), block.size()));
}

// Replaces the block's text: zeroed, then at most size - 1 bytes cut at a
// character boundary, so the block always ends in a zero byte.
void SetBlockText(std::vector<char>& block, std::string_view text) {
    if (block.empty()) return;
    std::fill(block.begin(), block.end(), 0);
    std::string_view cut = zqp::Utf8Prefix(text, block.size() - 1);
    std::memcpy(block.data(), cut.data(), cut.size());
}

}  // namespace

// ---- TextEditCtrl -----------------------------------------------------------------

void TextEditCtrl::CreateControl(zqp::View* view, const TextEditIniData* iniData, const ConstrainInfo* constrain,
                                 const AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                                 const TextEditFilterData* filterData) {
    BaseControl::CreateControl(view);
    KeepTables(constrain, accessInfo, usernamein);
    textEditIniDataPtr = iniData;
    textEditFilterDataPtr = filterData;
    defaultText_ = iniData != nullptr ? std::string(zqp::Utf8Prefix(NonNull(iniData->defaultData), kControlTextMaxBytes))
                                      : std::string();
}

zqp::TextField* TextEditCtrl::Field() const { return dynamic_cast<zqp::TextField*>(ControlPtr); }

bool TextEditCtrl::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    BaseControl::InitializeCtrl(bundle, ppd);
    AllocateBlocks(kTextBlockSize);
    return InitializeCtrlFormat();
}

bool TextEditCtrl::ReInitializeCtrl(zqp::Bundle*, ppd_file_t*) { return InitializeCtrlFormat(); }

bool TextEditCtrl::InitializeCtrlFormat() {
    if (textEditFilterDataPtr != nullptr && textEditIniDataPtr != nullptr)
        if (zqp::TextField* f = Field())
            f->setFormatter(TextEditFormatter::initWithFilter(textEditFilterDataPtr, textEditIniDataPtr->maxLength));
    return true;
}

bool TextEditCtrl::SetControlValueToUI() {
    if (ctrlDataBlkPtr.empty()) {
        ctrlDataSize = 0;
        return false;
    }
    const std::string text = BlockText(ctrlDataBlkPtr);
    if (ctrlDataAccessInfoPtr != nullptr)
        if (zqp::TextField* f = Field()) f->setStringValue(text);
    ctrlDataSize = static_cast<int32_t>(GetStringLength(text));
    return true;
}

bool TextEditCtrl::SetExternalValueToUI(const void* value, int32_t) {
    zqp::TextField* f = Field();
    if (f == nullptr || value == nullptr) return false;
    f->setStringValue(static_cast<const char*>(value));
    return true;
}

char* TextEditCtrl::GetValueFromUI() {
    zqp::TextField* f = Field();
    if (f != nullptr && !ctrlDataBlkPtr.empty() && ctrlDataAccessInfoPtr != nullptr) {
        SetBlockText(ctrlUIDataBlkPtr, f->stringValue());
        ctrlDataSize = static_cast<int32_t>(GetStringLength(BlockText(ctrlUIDataBlkPtr)));
    }
    return GetValueFromUIDataBlk();
}

bool TextEditCtrl::SetValueFromUIToControl() {
    if (ctrlDataBlkPtr.empty()) return false;
    std::fill(ctrlDataBlkPtr.begin(), ctrlDataBlkPtr.end(), 0);
    if (ctrlDataSize != 0) SetBlockText(ctrlDataBlkPtr, BlockText(ctrlUIDataBlkPtr));
    return true;
}

bool TextEditCtrl::ConvertToTickectData(std::string& out) {
    if (ctrlDataBlkPtr.empty()) return false;
    out = BlockText(ctrlDataBlkPtr);
    return true;
}

bool TextEditCtrl::ConvertToPreferenceString(std::string& out) { return ConvertToTickectData(out); }

bool TextEditCtrl::ConvertFromPreferenceString(const std::string& text) {
    if (ctrlDataBlkPtr.empty()) return false;
    SetBlockText(ctrlDataBlkPtr, text);
    ctrlDataSize = static_cast<int32_t>(GetStringLength(BlockText(ctrlDataBlkPtr)));
    return true;
}

bool TextEditCtrl::SetControlValueToDefault() {
    if (ctrlDataBlkPtr.empty()) return true;
    SetBlockText(ctrlDataBlkPtr, defaultText_);
    ctrlDataSize = static_cast<int32_t>(GetStringLength(defaultText_));
    return true;
}

const void* TextEditCtrl::GetDefaultDataBlk() { return textEditIniDataPtr != nullptr ? defaultText_.c_str() : nullptr; }
int32_t TextEditCtrl::GetDefaultDataSize() { return static_cast<int32_t>(defaultText_.size()); }
bool TextEditCtrl::PreInvalidateData() { return true; }

bool TextEditCtrl::CheckText(bool alert) {
    if (textEditIniDataPtr == nullptr || ctrlDataSize == 0) return true;
    const auto width = static_cast<uint32_t>(std::max(ctrlDataSize, 0));
    bool ok = width >= textEditIniDataPtr->minLength && width <= textEditIniDataPtr->maxLength;
    if (ok && textEditFilterDataPtr != nullptr) ok = validateInput(BlockText(ctrlUIDataBlkPtr), textEditFilterDataPtr);
    if (!ok && alert) ShowErrMsg();
    return ok;
}

bool TextEditCtrl::InvalidateData() { return CheckText(true); }
bool TextEditCtrl::InvalidateDataAndReturnError() { return CheckText(false); }

bool TextEditCtrl::CorrectCtrlUI() {
    if (zqp::TextField* f = Field()) f->setStringValue("");
    std::fill(ctrlUIDataBlkPtr.begin(), ctrlUIDataBlkPtr.end(), 0);
    ctrlDataSize = 0;
    return true;
}

void TextEditCtrl::ShowErrMsg() {
    if (textEditFilterDataPtr == nullptr || textEditFilterDataPtr->errorMessageKey == nullptr) return;
    zqp::Bundle* bundle = PanelBundle();
    if (bundle == nullptr) return;
    zqp::Alert alert;
    alert.addButtonWithTitle(Localized(bundle, "Alert OK Btn"));
    alert.setMessageText("");
    alert.setInformativeText(Localized(bundle, textEditFilterDataPtr->errorMessageKey));
    alert.setInformativeKey(textEditFilterDataPtr->errorMessageKey);
    alert.setAlertStyle(zqp::AlertStyle::kWarning);
    alert.setIconFromFile(bundle->resourcePath() + "/" + "AlertIcon.png");
    alert.runModal();
    if (ControlPtr != nullptr)
        if (zqp::Window* w = ControlPtr->window()) w->makeFirstResponder(ControlPtr);
}

int32_t TextEditCtrl::OnRawKeyUp(void*) { return 0; }
char* TextEditCtrl::GetCorrectedData() { return nullptr; }
std::string TextEditCtrl::GetText() { return BlockText(ctrlDataBlkPtr); }

// ---- StaticTextEditControl ---------------------------------------------------------

void StaticTextEditControl::CreateControl(zqp::View* view, const TextEditIniData* iniData,
                                          const ConstrainInfo* constrain, const AccessInfo* accessInfo,
                                          const zqp::PrefUser* usernamein, const TextEditFilterData* filterData,
                                          const char* summaryInfo) {
    BaseControl::CreateControl(view);
    KeepTables(constrain, accessInfo, usernamein);
    textEditIniDataPtr = iniData;
    textEditFilterDataPtr = filterData;
    summarytextRef = NonNull(summaryInfo);
}

zqp::TextField* StaticTextEditControl::Label() const { return dynamic_cast<zqp::TextField*>(ControlPtr); }

bool StaticTextEditControl::InitializeTitle(zqp::Bundle* bundle) {
    if (summarytextRef.empty()) return false;
    if (zqp::TextField* l = Label()) l->setStringValue(Localized(bundle, summarytextRef.c_str()));
    return true;
}

bool StaticTextEditControl::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    BaseControl::InitializeCtrl(bundle, ppd);
    InitializeTitle(bundle);
    return true;
}

bool StaticTextEditControl::ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    BaseControl::ReInitializeCtrl(bundle, ppd);
    InitializeTitle(bundle);
    return true;
}

bool StaticTextEditControl::SetExternalValueToUI(const void* value, int32_t) {
    if (value != nullptr)
        if (zqp::TextField* l = Label()) l->setStringValue(static_cast<const char*>(value));
    return true;
}

void StaticTextEditControl::PPDCtrlShow() {}
void StaticTextEditControl::PPDCtrlHide() {}

void StaticTextEditControl::Disable() {
    const int32_t before = ctrlConstrainCount++;
    if (before >= 0 && ControlPtr != nullptr && ControlPtr->isEnabled()) {
        ControlPtr->setEnabled(false);
        if (zqp::TextField* l = Label()) l->setTextColor(zqp::kDisabledTextColor);
    }
}

void StaticTextEditControl::Enable() {
    const int32_t before = ctrlConstrainCount--;
    if (before <= 1 && ControlPtr != nullptr && !ControlPtr->isEnabled()) {
        ControlPtr->setEnabled(true);
        if (zqp::TextField* l = Label()) l->setTextColor(zqp::kControlTextColor);
    }
}

void StaticTextEditControl::ResetStatus() {
    ctrlConstrainCount = 0;
    ctrlHideCount = 0;
    if (ControlPtr == nullptr) return;
    if (!ControlPtr->isEnabled()) {
        ControlPtr->setEnabled(true);
        if (zqp::TextField* l = Label()) l->setTextColor(zqp::kControlTextColor);
    }
    ControlPtr->setHidden(false);
}

// ---- VersionStringSText ------------------------------------------------------------

void VersionStringSText::CreateControl(zqp::View* view, const char* titleKey, bool cdfSupport) {
    StaticTextEditControl::CreateControl(view, nullptr, nullptr, nullptr, nullptr, nullptr, titleKey);
    IsCDFSupported = cdfSupport;
}

bool VersionStringSText::InitializeCtrl(zqp::Bundle*, ppd_file_t*) {
    if (ControlPtr != nullptr) ControlPtr->setHidden(true);
    return true;
}

bool VersionStringSText::InitializeTitle(zqp::Bundle* bundle) {
    if (bundle == nullptr) return false;
    std::string version = bundle->infoValue("CFBundleVersion");
    for (size_t at; (at = version.find(" Build ")) != std::string::npos;) version.replace(at, 7, ".");
    std::string text = "Ver." + version;
    if (!IsCDFSupported) text += ".";
    if (zqp::TextField* l = Label()) l->setStringValue(text);
    return true;
}

void VersionStringSText::ResetStatus() {
    if (OSVersionCode() < kUnlockedBeforeVersion && ControlPtr != nullptr) ControlPtr->setHidden(true);
}

// ---- BaseButton, GroupBoxControl -----------------------------------------------------

void BaseButton::CreateControl(zqp::View* view, const char* titleKey) {
    BaseControl::CreateControl(view);
    controlTitleStrRef = NonNull(titleKey);
}

bool BaseButton::InitializeTitle(zqp::Bundle* bundle) {
    if (controlTitleStrRef.empty()) return false;
    if (auto* b = dynamic_cast<zqp::Button*>(ControlPtr)) b->setTitle(Localized(bundle, controlTitleStrRef.c_str()));
    return true;
}

bool BaseButton::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    BaseControl::InitializeCtrl(bundle, ppd);
    InitializeTitle(bundle);
    return true;
}

bool BaseButton::ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    BaseControl::ReInitializeCtrl(bundle, ppd);
    InitializeTitle(bundle);
    return true;
}

void GroupBoxControl::CreateControl(zqp::Box* box, const char* titleKey) {
    ControlPtr = box;
    controlTitleStrRef = NonNull(titleKey);
}

bool GroupBoxControl::InitializeTitle(zqp::Bundle* bundle) {
    if (controlTitleStrRef.empty() || bundle == nullptr) return false;
    if (ControlPtr != nullptr) ControlPtr->setTitle(bundle->localizedString(controlTitleStrRef, zqp::kNoTranslation));
    return true;
}

// ---- IntegerValueControl -----------------------------------------------------------

void IntegerValueControl::KeepIniValues(bool given, int32_t defaultData, int32_t iniData) {
    hasIniData_ = given;
    defaultValue_ = given ? defaultData : 0;
    iniValue_ = given ? iniData : 0;
    ctrlDataSize = kNumberBlockSize;
}

int32_t IntegerValueControl::GetValue() { return BlockInt(GetControlBlkPtr()); }

bool IntegerValueControl::SetValueFromUIToControl() {
    if (ControlPtr != nullptr) SetBlockInt(GetControlBlkPtr(), BlockInt(GetValueFromUIDataBlk()));
    return true;
}

bool IntegerValueControl::ConvertToTickectData(std::string& out) {
    if (GetControlBlkPtr() == nullptr) return false;
    out = IntText(GetValue());
    return true;
}

bool IntegerValueControl::ConvertToPreferenceString(std::string& out) { return ConvertToTickectData(out); }

bool IntegerValueControl::ConvertFromPreferenceString(const std::string& text) {
    if (GetControlBlkPtr() == nullptr) return false;
    const std::optional<int32_t> v = DecimalInt32(text);
    if (!v || !AcceptsValue(*v)) return false;
    SetBlockInt(GetControlBlkPtr(), *v);
    return true;
}

bool IntegerValueControl::AcceptsValue(int32_t) { return true; }

bool IntegerValueControl::GetValueToPreset() {
    // A ticket value goes the way a remembered one does: only a number the
    // control can hold is taken.
    const std::optional<int32_t> v = ReadTicketInteger();
    if (!v || !AcceptsValue(*v)) return false;
    SetBlockInt(GetControlBlkPtr(), *v);
    return true;
}

const void* IntegerValueControl::GetDefaultDataBlk() { return hasIniData_ ? &defaultValue_ : nullptr; }
const void* IntegerValueControl::GetIniDataBlk() { return hasIniData_ ? &iniValue_ : nullptr; }
int32_t IntegerValueControl::GetDefaultDataSize() { return kNumberBlockSize; }
int32_t IntegerValueControl::GetIniDataSize() { return kNumberBlockSize; }

zqp::Button* TwoStateControl::ButtonView() const { return dynamic_cast<zqp::Button*>(ControlPtr); }
int32_t TwoStateControl::ViewState() const { return ButtonView() != nullptr ? ButtonView()->state() : 0; }

bool TwoStateControl::AcceptsValue(int32_t value) { return value == 0 || value == 1; }

int32_t TwoStateControl::DoControlUpdateConstrain() {
    const int32_t newValue = ViewState();
    if (GetValueFromUIDataBlk() == nullptr || ctrlConstrainControlArray == nullptr ||
        !ctrlConstrainControlArray->updateLists)
        return 0;
    if (BlockInt(GetValueFromUIDataBlk()) != newValue) BaseControl::DoControlUpdateConstrain();
    return 0;
}

int32_t TwoStateControl::DoControlHideConstrain() {
    const int32_t newValue = ViewState();
    if (GetValueFromUIDataBlk() == nullptr || ctrlConstrainControlArray == nullptr ||
        !ctrlConstrainControlArray->hideLists)
        return 0;
    const int32_t oldValue = BlockInt(GetValueFromUIDataBlk());
    if (oldValue == newValue) return 0;
    HideControlConstrains(ctrlConstrainControlArray->hideLists.at(newValue));
    if (oldValue >= 0) ShowControlConstrains(ctrlConstrainControlArray->hideLists.at(oldValue));
    return 0;
}

int32_t TwoStateControl::DoControlConstrain() {
    const int32_t newValue = ViewState();
    if (GetValueFromUIDataBlk() == nullptr || ctrlConstrainControlArray == nullptr ||
        !ctrlConstrainControlArray->disableLists)
        return 0;
    const int32_t oldValue = BlockInt(GetValueFromUIDataBlk());
    if (oldValue == newValue) return 0;
    DisableControlConstrains(ctrlConstrainControlArray->disableLists.at(newValue));
    if (oldValue >= 0) EnableControlConstrains(ctrlConstrainControlArray->disableLists.at(oldValue));
    return 0;
}

// ---- RadioButton and RadioGroup -------------------------------------------------------

RadioButton::RadioButton(zqp::View* view, const RadioButtonIniData* iniData, const ConstrainInfo* constrain,
                         const AccessInfo* accessInfo, const zqp::PrefUser* usernamein) {
    BaseControl::CreateControl(view);
    KeepTables(constrain, accessInfo, usernamein);
    radiobuttonIniDataPtr = iniData;
    KeepIniValues(iniData != nullptr, iniData ? iniData->defaultData : 0, iniData ? iniData->iniData : 0);
}


int32_t RadioButton::GetRadioIndex() {
    if (RadioGrpPtr == nullptr || ControlPtr == nullptr) return -1;
    const auto& members = RadioGrpPtr->Members();
    for (size_t i = 0; i < members.size(); ++i)
        if (members[i]->GetControlPtr() != nullptr && members[i]->GetControlTag() == GetControlTag())
            return static_cast<int32_t>(i);
    return -1;
}

void RadioButton::SetGrpcurRadio() {
    if (RadioGrpPtr != nullptr) RadioGrpPtr->SetcurRadio(GetRadioIndex());
}

RadioButton* RadioButton::GetAnotherRadioCtrlFromGroup() {
    if (RadioGrpPtr == nullptr) return nullptr;
    for (RadioButton* m : RadioGrpPtr->Members())
        if (m->GetControlTag() != GetControlTag()) return m;
    return nullptr;
}

bool RadioButton::InitializeTitle(zqp::Bundle* bundle) {
    if (radiobuttonIniDataPtr == nullptr || radiobuttonIniDataPtr->titleKey == nullptr) return true;
    if (bundle == nullptr) return false;
    if (zqp::Button* b = ButtonView())
        b->setTitle(bundle->localizedString(radiobuttonIniDataPtr->titleKey, zqp::kNoTranslation));
    return true;
}

bool RadioButton::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    BaseControl::InitializeCtrl(bundle, ppd);
    InitializeTitle(bundle);
    AllocateBlocks(kNumberBlockSize);
    return true;
}

bool RadioButton::ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t*) { return InitializeTitle(bundle); }

bool RadioButton::SetControlValueToUI() {
    const int32_t v = GetValue();
    if (v > 0) SetGrpcurRadio();
    if (zqp::Button* b = ButtonView()) b->setState(v);
    return true;
}

bool RadioButton::SetExternalValueToUI(const void* value, int32_t) {
    if (value == nullptr) return false;
    int32_t v;
    std::memcpy(&v, value, sizeof v);
    zqp::Button* b = ButtonView();
    if (b != nullptr) b->setState(v);
    if (v > 0) SetGrpcurRadio();
    return b != nullptr && b->isEnabled();
}

char* RadioButton::GetValueFromUI() {
    SetBlockInt(GetValueFromUIDataBlk(), ViewState());
    return GetValueFromUIDataBlk();
}



bool RadioButton::GetValueToPreset() {
    if (!IntegerValueControl::GetValueToPreset()) return false;
    if (zqp::Button* b = ButtonView()) b->setState(GetValue());
    return true;
}



bool RadioButton::UIEventHandler() {
    SetGrpcurRadio();
    BaseControl::UIEventHandler();
    if (RadioGrpPtr != nullptr) RadioGrpPtr->GetValueFromUI();
    return true;
}

bool RadioButton::SimulationUIEventHandler() {
    if (RadioGrpPtr != nullptr && RadioGrpPtr->GetcurRadio() < 0) RadioGrpPtr->SetcurRadio(0);
    BaseControl::SimulationUIEventHandler();
    GetValueFromUI();
    return true;
}

int32_t RadioButton::Update() {
    if (RadioGrpPtr == nullptr || RadioGrpPtr->GetcurRadio() == GetRadioIndex()) return 0;
    if (OSVersionCode() < kRadioUpdateVersion && ViewState() == 0) return 0;
    if (zqp::Button* b = ButtonView()) b->setState(0);
    SimulationUIEventHandler();
    return 0;
}

bool RadioButton::setExternalValueToData(const void* value, int32_t, int32_t) {
    if (value == nullptr) return true;
    int32_t v;
    std::memcpy(&v, value, sizeof v);
    SetBlockInt(GetControlBlkPtr(), v);
    if (v > 0) SetGrpcurRadio();
    return true;
}




RadioGroup::RadioGroup() { BaseControl::CreateControl(nullptr); }

int32_t RadioGroup::RunTimeAddNewControl(RadioButton* button) {
    if (button == nullptr) return _control_num_item;
    button->SetCtrlGrp(this);
    fCtrlGroupArray.push_back(button);
    return _control_num_item++;
}

void RadioGroup::SetcurRadio(int32_t index) {
    if (index >= 0 && index < _control_num_item) curRadio = index;
}

char* RadioGroup::GetValueFromUI() {
    for (RadioButton* m : fCtrlGroupArray) m->GetValueFromUI();
    return nullptr;
}

bool RadioGroup::DefaultsUnlessOneIsOn() {
    const auto on = std::count_if(fCtrlGroupArray.begin(), fCtrlGroupArray.end(),
                                  [](RadioButton* m) { return m->GetValue() != 0; });
    if (fCtrlGroupArray.empty() || on == 1) return false;
    for (RadioButton* m : fCtrlGroupArray) m->SetControlValueToDefault();
    return true;
}

// ---- CheckBox ---------------------------------------------------------------------------

CheckBox::CheckBox(zqp::View* view, const CheckBoxIniData* iniData, const ConstrainInfo* constrain,
                   const AccessInfo* accessInfo, const zqp::PrefUser* usernamein) {
    BaseControl::CreateControl(view);
    KeepTables(constrain, accessInfo, usernamein);
    checkboxctrlIniDataPtr = iniData;
    KeepIniValues(iniData != nullptr, iniData ? iniData->defaultData : 0, iniData ? iniData->iniData : 0);
    if (iniData != nullptr) titleKey_ = NonNull(iniData->titleKey);
}


bool CheckBox::InitializeTitle(zqp::Bundle* bundle) {
    if (titleKey_.empty()) return true;
    if (bundle == nullptr) return false;
    if (zqp::Button* b = ButtonView()) b->setTitle(Localized(bundle, titleKey_.c_str()));
    return true;
}

bool CheckBox::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    BaseControl::InitializeCtrl(bundle, ppd);
    InitializeTitle(bundle);
    AllocateBlocks(kNumberBlockSize);
    return true;
}

bool CheckBox::ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t*) { return InitializeTitle(bundle); }

bool CheckBox::SetControlValueToUI() {
    if (zqp::Button* b = ButtonView()) b->setState(GetValue());
    return true;
}

bool CheckBox::SetExternalValueToUI(const void* value, int32_t) {
    zqp::Button* b = ButtonView();
    if (value == nullptr || b == nullptr || !b->isEnabled()) return true;
    int32_t v;
    std::memcpy(&v, value, sizeof v);
    b->setState(v);
    return true;
}


char* CheckBox::GetValueFromUI() {
    SetBlockInt(GetValueFromUIDataBlk(), ViewState());
    return GetValueFromUIDataBlk();
}








// ---- PopupControl --------------------------------------------------------------------------

void PopupControl::CreateControl(zqp::View* view, const ListCtrlIniData* iniData, const ConstrainInfo* constrainArray,
                                 const AccessInfo* accessInfo, const zqp::PrefUser* usernamein) {
    BaseControl::CreateControl(view);
    KeepTables(constrainArray, accessInfo, usernamein);
    listctrlIniDataPtr = iniData;
    KeepIniValues(iniData != nullptr, iniData ? iniData->defaultData : 0, iniData ? iniData->iniData : 0);
    if (zqp::PopUpButton* p = PopUp()) p->setAutoenablesItems(false);
}

zqp::PopUpButton* PopupControl::PopUp() const { return dynamic_cast<zqp::PopUpButton*>(ControlPtr); }

int32_t PopupControl::SelectedItemNumber() const {
    zqp::PopUpButton* p = PopUp();
    const int32_t index = p != nullptr ? p->indexOfSelectedItem() : -1;
    return index < 0 ? 1 : index + 1;
}

bool PopupControl::InitializeMenu(zqp::Bundle* bundle, ppd_file_t*) {
    if (listctrlIniDataPtr == nullptr) return true;
    zqp::PopUpButton* p = PopUp();
    if (p == nullptr) return false;
    p->removeAllItems();
    for (const char* const* key = listctrlIniDataPtr->titleKeys; key != nullptr && *key != nullptr; ++key) {
        std::string title = Localized(bundle, *key);
        if (title == zqp::kNoTranslation) title = *key;
        p->addItemWithTitle(title, *key);
    }
    return true;
}

bool PopupControl::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    BaseControl::InitializeCtrl(bundle, ppd);
    // A menu that cannot be built leaves the control without value blocks:
    // it then shows, reads and writes nothing.
    if (!InitializeMenu(bundle, ppd)) return false;
    AllocateBlocks(kNumberBlockSize);
    return true;
}

bool PopupControl::ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) { return InitializeMenu(bundle, ppd); }

bool PopupControl::SetControlValueToUI() {
    if (zqp::PopUpButton* p = PopUp()) p->selectItemAtIndex(ItemIndexOf(GetValue()));
    return true;
}

bool PopupControl::SetExternalValueToUI(const void* value, int32_t) {
    zqp::PopUpButton* p = PopUp();
    if (value == nullptr || p == nullptr) return true;
    int32_t v;
    std::memcpy(&v, value, sizeof v);
    p->selectItemAtIndex(v < 1 ? 0 : ItemIndexOf(v));
    return true;
}

char* PopupControl::GetValueFromUI() {
    zqp::PopUpButton* p = PopUp();
    SetBlockInt(GetValueFromUIDataBlk(), p != nullptr ? p->indexOfSelectedItem() + 1 : 0);
    return GetValueFromUIDataBlk();
}





int32_t PopupControl::GetCurrentControlArrayNumber() {
    zqp::PopUpButton* p = PopUp();
    return p != nullptr ? p->indexOfSelectedItem() : -1;
}

bool PopupControl::AcceptsValue(int32_t value) {
    zqp::PopUpButton* p = PopUp();
    return p != nullptr && value >= 1 && value <= p->numberOfItems();
}

void PopupControl::RequestPopupList(zqp::View*) {
    UIEventHandler();
    GetValueFromUI();
}

int32_t PopupControl::DoBaseControlUpdateConstrain() { return BaseControl::DoControlUpdateConstrain(); }

int32_t PopupControl::DoControlUpdateConstrain() {
    if (GetValueFromUIDataBlk() == nullptr || ctrlConstrainControlArray == nullptr ||
        !ctrlConstrainControlArray->updateLists)
        return 0;
    if (BlockInt(GetValueFromUIDataBlk()) != SelectedItemNumber()) BaseControl::DoControlUpdateConstrain();
    return 0;
}

int32_t PopupControl::DoControlHideConstrain() {
    if (GetValueFromUIDataBlk() == nullptr || ctrlConstrainControlArray == nullptr ||
        !ctrlConstrainControlArray->hideLists)
        return 0;
    const int32_t oldValue = BlockInt(GetValueFromUIDataBlk()), newValue = SelectedItemNumber();
    if (oldValue == newValue) return 0;
    HideControlConstrains(ctrlConstrainControlArray->hideLists.at(newValue - 1));
    if (oldValue >= 1) ShowControlConstrains(ctrlConstrainControlArray->hideLists.at(oldValue - 1));
    return 0;
}

int32_t PopupControl::DoControlConstrain() {
    if (GetValueFromUIDataBlk() == nullptr || ctrlConstrainControlArray == nullptr ||
        !ctrlConstrainControlArray->disableLists)
        return 0;
    const int32_t oldValue = BlockInt(GetValueFromUIDataBlk()), newValue = SelectedItemNumber();
    if (oldValue == newValue) return 0;
    if (oldValue >= 1) EnableControlConstrains(ctrlConstrainControlArray->disableLists.at(oldValue - 1));
    SetBlockInt(GetValueFromUIDataBlk(), newValue);
    DisableControlConstrains(ctrlConstrainControlArray->disableLists.at(newValue - 1));
    return 0;
}

bool PopupControl::isChoiceConflicted(const char* key, const char* option, const char* choice, ppd_file_t* ppd) {
    ConstraintHash* hash = ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->Geteppd() : nullptr;
    if (ppd == nullptr || hash == nullptr || key == nullptr || option == nullptr || choice == nullptr) return false;
    auto [first, last] = hash->equal_range(key);
    for (auto it = first; it != last; ++it) {
        const x_constraints& at = it->second;
        if (at.group >= ppd->num_groups) continue;
        const ppd_group_t& g = ppd->groups[at.group];
        if (at.option >= g.num_options) continue;
        const ppd_option_t& o = g.options[at.option];
        if (at.choice >= o.num_choices) continue;
        if (std::strcmp(o.keyword, option) == 0 && std::strcmp(o.choices[at.choice].choice, choice) == 0) return true;
    }
    return false;
}

// ---- LittleArray ----------------------------------------------------------------------------

void LittleArray::LittleArrayControl(zqp::View* view, const LittleArrayIniData* iniData,
                                     const ConstrainInfo* constrain, const AccessInfo* accessInfo,
                                     const zqp::PrefUser* usernamein, const char* titleStr) {
    BaseControl::CreateControl(view);
    KeepTables(constrain, accessInfo, usernamein);
    littleArrayIniDataPtr = iniData;
    if (titleStr != nullptr) titleTextRef = titleStr;
    KeepIniValues(iniData != nullptr, iniData ? iniData->defaultData : 0, iniData ? iniData->iniData : 0);
    if (iniData != nullptr) {
        minimum_ = iniData->minimum;
        maximum_ = iniData->maximum;
    }
    lastValue = defaultValue_;
}

zqp::Stepper* LittleArray::StepperView() const { return dynamic_cast<zqp::Stepper*>(ControlPtr); }

void LittleArray::SetRange(int32_t min, int32_t max) {
    if (zqp::Stepper* s = StepperView()) {
        s->setMinValue(min);
        s->setMaxValue(max);
    }
}

bool LittleArray::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    BaseControl::InitializeCtrl(bundle, ppd);
    if (littleArrayIniDataPtr != nullptr) SetRange(minimum_, maximum_);
    AllocateBlocks(kNumberBlockSize);
    return true;
}

bool LittleArray::ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    BaseControl::ReInitializeCtrl(bundle, ppd);
    if (littleArrayIniDataPtr != nullptr) SetRange(minimum_, maximum_);
    return true;
}

bool LittleArray::SetControlValueToUI() {
    if (zqp::Stepper* s = StepperView()) s->setIntegerValue(GetValue());
    return true;
}

bool LittleArray::SetExternalValueToUI(const void* value, int32_t) {
    zqp::Stepper* s = StepperView();
    if (value == nullptr || s == nullptr) return true;
    int32_t v;
    std::memcpy(&v, value, sizeof v);
    s->setIntegerValue(v);
    return true;
}

char* LittleArray::GetValueFromUI() {
    zqp::Stepper* s = StepperView();
    if (s != nullptr) SetBlockInt(GetValueFromUIDataBlk(), s->integerValue());
    return GetValueFromUIDataBlk();
}



bool LittleArray::GetValueToPreset() {
    if (!IntegerValueControl::GetValueToPreset()) return false;
    if (zqp::Stepper* s = StepperView()) s->setIntegerValue(GetValue());
    lastValue = GetValue();
    return true;
}


bool LittleArray::AcceptsValue(int32_t value) {
    return littleArrayIniDataPtr == nullptr || (value >= minimum_ && value <= maximum_);
}

bool LittleArray::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    if (GetControlBlkPtr() == nullptr || littleArrayIniDataPtr == nullptr) return false;
    const int32_t v = GetValue();
    if (v < minimum_ || v > maximum_) return false;
    return BaseControl::SetValueToTicket(settings, lock);
}

bool LittleArray::ToGetSummaryText() { return true; }

int32_t LittleArray::GetSummaryText(SummaryDictionary* dictionary, SummaryOrder* order) {
    if (!ToGetSummaryText() || dictionary == nullptr || order == nullptr || titleTextRef.empty()) return 0;
    (*dictionary)[titleTextRef] = ConvertIntToFloatStr(GetValue());
    order->push_back(titleTextRef);
    return 0;
}

bool LittleArray::SetDefaultValueToUI() {
    lastValue = defaultValue_;
    return true;
}

}  // namespace zqpde
