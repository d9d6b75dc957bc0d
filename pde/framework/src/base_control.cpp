#include "zqpde/base_control.h"

#include <zqp/bundle.h>
#include <zqp/print_settings.h>
#include <zqp/utf8.h>
#include <zqp/view.h>

#include <algorithm>
#include <cstring>

#include "zqpde/base_print_panel.h"
#include "zqpde/number_text.h"
#include "zqpde/os_version.h"
#include "zqpde/settings_access.h"
#include "zqpde/text_util.h"
#include "zqpde/ticket_value.h"
#include "zqpde/user_groups.h"

namespace zqpde {

namespace {
// Remembered values move into the print settings from this version on.
constexpr int32_t kPrintSettingsPreferencesVersion = 0x1070;
}  // namespace

BaseControl::~BaseControl() = default;

void BaseControl::CreateControl(zqp::View* control) {
    ctrlConstrainCount = 0;
    ctrlHideCount = 0;
    ctrlDataSize = 0;
    ctrlDataBlkPtr.clear();
    ctrlUIDataBlkPtr.clear();
    ctrlConstrainControlArray = nullptr;
    ctrlDataAccessInfoPtr = nullptr;
    ctrlInWhichGroup = -1;
    ControlPtr = control;
    m_paPPDChoices.clear();
    m_ptPPDOptions = nullptr;
    LocalizeTableName.clear();
    valueDidChange = false;
}

void BaseControl::SetControlPtr(zqp::View* control) { ControlPtr = control; }
int32_t BaseControl::Open() { return 0; }
int32_t BaseControl::Close() { return 0; }
void BaseControl::SetParenetPanel(BasePrintPanel* panel) { ctrlParentPanelPtr = panel; }

void BaseControl::setTargetandAction() {
    if (ControlPtr == nullptr) return;
    ControlPtr->setTarget(this);
    ControlPtr->setAction([this](zqp::View& sender) { RequestControlAction(&sender); });
}

bool BaseControl::InitializeCtrl(zqp::Bundle*, ppd_file_t*) { return true; }
bool BaseControl::ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) { return InitializeCtrl(bundle, ppd); }
int32_t BaseControl::ConstrainPanelControlFromPPD(ppd_file_t*) { return 0; }
int32_t BaseControl::UpdateConflictsPanelControlFromPPD(ppd_file_t*) { return 0; }
char* BaseControl::GetValueFromUI() { return nullptr; }
char* BaseControl::GetValueFromControl() { return nullptr; }
bool BaseControl::GetValueToPreset() { return false; }
bool BaseControl::InvalidateData() { return true; }
bool BaseControl::InvalidateDataAndReturnError() { return true; }
bool BaseControl::InvalidateDataOnCancel() { return true; }
bool BaseControl::PreInvalidateData() { return true; }
bool BaseControl::PreInvalidateDataOnCancel() { return true; }
bool BaseControl::InvalidateDataOnPrintCommand() { return PreInvalidateData() && InvalidateData(); }

bool BaseControl::SetValueFromUIToControl() {
    if (ctrlDataBlkPtr.empty() || ctrlUIDataBlkPtr.empty() || ctrlDataSize == 0) return true;
    const size_t n = std::min({static_cast<size_t>(std::max(ctrlDataSize, 0)), ctrlDataBlkPtr.size(),
                               ctrlUIDataBlkPtr.size()});
    std::memcpy(ctrlDataBlkPtr.data(), ctrlUIDataBlkPtr.data(), n);
    return true;
}

bool BaseControl::SetControlValueToUI() { return true; }

bool BaseControl::SetUIValueToIniData() {
    const void* ini = GetIniDataBlk();
    const int32_t size = GetIniDataSize();
    if (ini != nullptr && size > 0 && !ctrlUIDataBlkPtr.empty()) {
        const size_t n = std::min(static_cast<size_t>(size), ctrlUIDataBlkPtr.size());
        std::fill(ctrlUIDataBlkPtr.begin(), ctrlUIDataBlkPtr.end(), 0);
        std::memcpy(ctrlUIDataBlkPtr.data(), ini, n);
        ctrlDataSize = static_cast<int32_t>(n);
    }
    return true;
}

bool BaseControl::SetControlValueToDefault() {
    const void* def = GetDefaultDataBlk();
    const int32_t size = GetDefaultDataSize();
    if (def != nullptr && size >= 0 && !ctrlDataBlkPtr.empty()) {
        const size_t n = std::min(static_cast<size_t>(size), ctrlDataBlkPtr.size());
        std::fill(ctrlDataBlkPtr.begin(), ctrlDataBlkPtr.end(), 0);
        std::memcpy(ctrlDataBlkPtr.data(), def, n);
        ctrlDataSize = static_cast<int32_t>(n);
    }
    return true;
}

bool BaseControl::ConvertToPreferenceString(std::string&) { return true; }
bool BaseControl::ConvertFromPreferenceString(const std::string&) { return true; }
bool BaseControl::ConvertToTickectData(std::string&) { return true; }

bool BaseControl::PreferenceKey(std::string& key) const {
    if (ctrlParentPanelPtr == nullptr || ctrlDataAccessInfoPtr == nullptr) return false;
    const std::string& printer = ctrlParentPanelPtr->GetCurrentPrinterString();
    if (printer.empty()) return false;
    key.clear();
    return CreateKeyWithCurrentPrinter(ctrlDataAccessInfoPtr->preferenceKey, printer.c_str(), &key);
}

zqp::PrintSettings* BaseControl::PanelSettings() const {
    return ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetCurrentPMPrintSettings() : nullptr;
}

zqp::Bundle* BaseControl::PanelBundle() const {
    return ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetPDEBundleRef() : nullptr;
}

BaseControl::RememberStep BaseControl::PrepareRemember(std::string& text, std::string& key) {
    if (!ToRemember()) return RememberStep::kDone;
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->preferenceKey == nullptr) return RememberStep::kDone;
    if (ctrlDataBlkPtr.empty()) return RememberStep::kFailed;
    // Values for all users are kept only for an administrator, silently.
    if (userNameinPreference == zqp::PrefUser::kAnyUser && !IsUserAdmin()) return RememberStep::kDone;
    if (!ConvertToPreferenceString(text)) return RememberStep::kFailed;
    text = std::string(zqp::Utf8Prefix(text, kControlTextMaxBytes));
    return PreferenceKey(key) ? RememberStep::kGoOn : RememberStep::kFailed;
}

BaseControl::RememberStep BaseControl::PrepareRecall(std::string& key) {
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->preferenceKey == nullptr) return RememberStep::kDone;
    if (ctrlDataBlkPtr.empty()) return RememberStep::kFailed;
    return PreferenceKey(key) ? RememberStep::kGoOn : RememberStep::kFailed;
}

bool BaseControl::SetValueToPreference() {
    std::string text, key;
    const RememberStep step = PrepareRemember(text, key);
    if (step != RememberStep::kGoOn) return step == RememberStep::kDone;
    if (OSVersionCode() >= kPrintSettingsPreferencesVersion) return true;
    zqp::Preferences::SetValue(key, zqp::PrefValue(text), zqp::kAnyApplication, userNameinPreference,
                               zqp::PrefHost::kCurrentHost);
    return zqp::Preferences::Synchronize(zqp::kAnyApplication, userNameinPreference, zqp::PrefHost::kCurrentHost);
}

bool BaseControl::GetValueFromPreference() {
    std::string key;
    const RememberStep step = PrepareRecall(key);
    if (step != RememberStep::kGoOn) return step == RememberStep::kDone;
    if (OSVersionCode() >= kPrintSettingsPreferencesVersion) return false;
    std::optional<std::string> text =
        zqp::Preferences::CopyString(key, zqp::kAnyApplication, userNameinPreference, zqp::PrefHost::kCurrentHost);
    if (!text) return false;
    return ConvertFromPreferenceString(std::string(zqp::Utf8Prefix(*text, kControlTextMaxBytes)));
}

bool BaseControl::SetValueToPreferenceWithPrinterSettings() {
    std::string text, key;
    const RememberStep step = PrepareRemember(text, key);
    if (step != RememberStep::kGoOn) return step == RememberStep::kDone;
    return ctrlParentPanelPtr->RememberText(key, text, userNameinPreference);
}

bool BaseControl::GetValueFromPreferenceWithPrinterSettings() {
    std::string key;
    const RememberStep step = PrepareRecall(key);
    if (step != RememberStep::kGoOn) return step == RememberStep::kDone;
    const std::optional<std::string> text = ctrlParentPanelPtr->RecallText(key, userNameinPreference);
    if (!text) return false;
    return ConvertFromPreferenceString(std::string(zqp::Utf8Prefix(*text, kControlTextMaxBytes)));
}

bool BaseControl::ToRemember() { return true; }

bool BaseControl::StoreTicketText(zqp::PrintSettings* settings, const std::string& text, bool lock) {
    const std::string& value = IsOutputNullToTicket() ? std::string() : text;
    return SetValueToSettingsWithTicketKeyAndLock(value.c_str(), settings, ctrlDataAccessInfoPtr->ticketKey,
                                                  lock) == 0;
}

bool BaseControl::SetValueToTicket(zqp::PrintSettings* settings, bool lock,
                                   const std::vector<zqp::View*>& encryptArray) {
    const int32_t tag = GetControlTag();
    for (zqp::View* v : encryptArray)
        if (ControlPtr != nullptr && v != nullptr && v->tag() == tag) return SetValueToTicketWithQSPEnc(settings, lock);
    return SetValueToTicket(settings, lock);
}

bool BaseControl::SetValueToTicketWithQSPEnc(zqp::PrintSettings* settings, bool lock) {
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr) return false;
    std::string text;
    if (!ConvertToTickectData(text)) return false;
    // Every byte of the value is scrambled (a character count would cut
    // non-ASCII values short).
    std::optional<std::string> scrambled = QSPTicketString(zqp::Utf8Prefix(text, kControlTextMaxBytes));
    if (!scrambled) return false;
    return StoreTicketText(settings, *scrambled, lock);
}

bool BaseControl::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr) return false;
    std::string text;
    if (!ConvertToTickectData(text)) return false;
    return StoreTicketText(settings, TicketTextForOutput(text), lock);
}

int32_t BaseControl::GetSummaryText(SummaryDictionary*, SummaryOrder*) { return 0; }

bool BaseControl::UIEventHandler() {
    DoControlUpdateConstrain();
    DoSelfUpdate();
    DoControlHideConstrain();
    DoControlConstrain();
    return true;
}

bool BaseControl::SimulationUIEventHandler() { return BaseControl::UIEventHandler(); }
int32_t BaseControl::DoControlConstrain() { return 0; }
int32_t BaseControl::DoControlHideConstrain() { return 0; }
int32_t BaseControl::DoSelfUpdate() { return 0; }

namespace {
template <class F>
void ForEachTag(BasePrintPanel* panel, ConstrainTagList list, F f) {
    if (panel == nullptr || list == nullptr) return;
    for (ConstrainTagList p = list; *p != nullptr; ++p)
        if (BaseControl* c = panel->GetPanelControl(*p)) f(*c);
}
}  // namespace

void BaseControl::HideControlConstrains(ConstrainTagList list) {
    ForEachTag(ctrlParentPanelPtr, list, [](BaseControl& c) { c.Hide(); });
}
void BaseControl::EnableControlConstrains(ConstrainTagList list) {
    ForEachTag(ctrlParentPanelPtr, list, [](BaseControl& c) { c.Enable(); });
}
void BaseControl::ShowControlConstrains(ConstrainTagList list) {
    ForEachTag(ctrlParentPanelPtr, list, [](BaseControl& c) { c.Show(); });
}
void BaseControl::DisableControlConstrains(ConstrainTagList list) {
    ForEachTag(ctrlParentPanelPtr, list, [](BaseControl& c) { c.Disable(); });
}

void BaseControl::HideControlConstrains() {
    if (ctrlConstrainControlArray != nullptr)
        HideControlConstrains(ctrlConstrainControlArray->hideLists.at(GetCurrentControlArrayNumber()));
}
void BaseControl::ShowControlConstrains() {
    if (ctrlConstrainControlArray != nullptr)
        ShowControlConstrains(ctrlConstrainControlArray->hideLists.at(GetCurrentControlArrayNumber()));
}
void BaseControl::DisableControlConstrains() {
    if (ctrlConstrainControlArray != nullptr)
        DisableControlConstrains(ctrlConstrainControlArray->disableLists.at(GetCurrentControlArrayNumber()));
}
void BaseControl::EnableControlConstrains() {
    if (ctrlConstrainControlArray != nullptr)
        EnableControlConstrains(ctrlConstrainControlArray->disableLists.at(GetCurrentControlArrayNumber()));
}

int32_t BaseControl::DoControlUpdateConstrain() {
    if (ctrlConstrainControlArray == nullptr) return 0;
    const int32_t number = std::max(GetCurrentControlArrayNumber(), 0);
    ForEachTag(ctrlParentPanelPtr, ctrlConstrainControlArray->updateLists.at(number),
               [](BaseControl& c) { c.Update(); });
    return 0;
}

void BaseControl::ResetStatus() {
    ctrlConstrainCount = 0;
    ctrlHideCount = 0;
    if (ControlPtr != nullptr) {
        ControlPtr->setEnabled(true);
        ControlPtr->setHidden(false);
    }
}

bool BaseControl::SetControlData(const void*) { return true; }
bool BaseControl::SetExternalValueToUI(const void*, int32_t) { return true; }

bool BaseControl::setExternalValueToData(const void* value, int32_t size, int32_t valueType) {
    if (value == nullptr || ctrlDataBlkPtr.empty()) return true;
    if (valueType == 2) {
        int32_t number;
        std::memcpy(&number, value, sizeof number);
        SetBlockInt(ctrlDataBlkPtr.data(), number);
    } else if (valueType == 0 && size >= 0) {
        std::fill(ctrlDataBlkPtr.begin(), ctrlDataBlkPtr.end(), 0);
        // The last byte stays zero: the block always holds a terminated text.
        const size_t n = std::min(static_cast<size_t>(size), ctrlDataBlkPtr.size() - 1);
        std::memcpy(ctrlDataBlkPtr.data(), value, n);
    }
    return true;
}

bool BaseControl::SetDefaultValueToUI() {
    const void* def = GetDefaultDataBlk();
    if (def != nullptr && !ctrlDataBlkPtr.empty()) SetExternalValueToUI(def, GetDefaultDataSize());
    return true;
}

bool BaseControl::RestorePPD(ppd_file_t*) { return true; }

const void* BaseControl::GetDefaultDataBlk() { return nullptr; }
const void* BaseControl::GetIniDataBlk() { return nullptr; }
int32_t BaseControl::GetDefaultDataSize() { return 0; }
int32_t BaseControl::GetIniDataSize() { return 0; }
char* BaseControl::GetControlBlkPtr() { return ctrlDataBlkPtr.empty() ? nullptr : ctrlDataBlkPtr.data(); }
char* BaseControl::GetValueFromUIDataBlk() { return ctrlUIDataBlkPtr.empty() ? nullptr : ctrlUIDataBlkPtr.data(); }
void BaseControl::setDataBlkSize(int32_t size) { ctrlDataSize = size; }
int32_t BaseControl::GetDataBlkSize() { return ctrlDataSize; }

void BaseControl::Disable() {
    const int32_t before = ctrlConstrainCount++;
    if (before >= 0 && ControlPtr != nullptr && ControlPtr->isEnabled()) ControlPtr->setEnabled(false);
}

void BaseControl::Enable() {
    const int32_t before = ctrlConstrainCount--;
    if (before <= 1 && ControlPtr != nullptr && !ControlPtr->isEnabled()) ControlPtr->setEnabled(true);
}

void BaseControl::Hide() {
    const int32_t before = ctrlHideCount++;
    if (before >= 0 && ControlPtr != nullptr) ControlPtr->setHidden(true);
}

void BaseControl::Show() {
    const int32_t before = ctrlHideCount--;
    if (before <= 1 && ControlPtr != nullptr) ControlPtr->setHidden(false);
}

void BaseControl::PPDCtrlShow() {
    if (ControlPtr != nullptr) ControlPtr->setHidden(false);
}
void BaseControl::PPDCtrlHide() {
    if (ControlPtr != nullptr) ControlPtr->setHidden(true);
}
int32_t BaseControl::Update() { return 0; }
int32_t BaseControl::GetCurrentControlArrayNumber() { return 0; }
bool BaseControl::IsOutputNullToTicket() { return false; }

void BaseControl::RequestControlAction(zqp::View*) {
    UIEventHandler();
    GetValueFromUI();
}

int32_t BaseControl::GetControlTag() const { return ControlPtr != nullptr ? ControlPtr->tag() : 0; }

void BaseControl::KeepTables(const ConstrainInfo* constrain, const AccessInfo* access,
                             const zqp::PrefUser* usernamein) {
    ctrlConstrainControlArray = constrain;
    ctrlDataAccessInfoPtr = access;
    if (usernamein != nullptr) userNameinPreference = *usernamein;
}

void BaseControl::AllocateBlocks(int32_t size) {
    ctrlDataBlkPtr.assign(static_cast<size_t>(size), 0);
    ctrlUIDataBlkPtr.assign(static_cast<size_t>(size), 0);
    ctrlDataSize = size;
}

int32_t BaseControl::BlockInt(const char* block) {
    int32_t v = 0;
    if (block != nullptr) std::memcpy(&v, block, sizeof v);
    return v;
}

void BaseControl::SetBlockInt(char* block, int32_t value) {
    if (block != nullptr) std::memcpy(block, &value, sizeof value);
}

std::string BaseControl::Localized(const zqp::Bundle* bundle, const char* key) const {
    if (bundle == nullptr || key == nullptr) return zqp::kNoTranslation;
    return bundle->localizedString(key, zqp::kNoTranslation,
                                   LocalizeTableName.empty() ? zqp::kDefaultStringTable : LocalizeTableName);
}

bool BaseControl::ReadTicketText(std::string& text) const {
    zqp::PrintSettings* settings = PanelSettings();
    return settings != nullptr && ctrlDataAccessInfoPtr != nullptr && ctrlDataAccessInfoPtr->ticketKey != nullptr &&
           settings->GetValue(ctrlDataAccessInfoPtr->ticketKey, text) == zqp::kNoErr;
}

std::optional<int32_t> BaseControl::ReadTicketInteger(int32_t low, int32_t high) const {
    std::string text;
    if (ctrlDataBlkPtr.empty() || !ReadTicketText(text)) return std::nullopt;
    return DecimalInt32(text, low, high);
}

}  // namespace zqpde
