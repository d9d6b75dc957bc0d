#include "zqpde/base_print_panel.h"

#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/view.h>
#include <zqp/print_settings.h>
#include <zqp/window.h>

#include "zqpde/app_resources.h"
#include "zqpde/ppd_util.h"
#include "zqpde/settings_access.h"
#include "zqpde/value_cache.h"

namespace zqpde {

BasePrintPanel::~BasePrintPanel() = default;

void BasePrintPanel::terminate() {
    fCtrlGroupArray.clear();
    fCtrlInstallableGroupArray.clear();
    fWindowGroupArray.clear();
    listsCreated = false;
    currentPrintString.clear();
}

void BasePrintPanel::willShow() {}
bool BasePrintPanel::shouldHide() { return true; }

void BasePrintPanel::CreatePanel(zqp::Window* window) {
    fCtrlGroupArray.clear();
    fCtrlInstallableGroupArray.clear();
    fWindowGroupArray.clear();
    AllGroupNameStrArray.clear();
    GeneralGroupOptionArray.clear();
    listsCreated = true;
    windowRef = window;
    pParentPane = nullptr;
    pdeBundleRef = nullptr;
    currentPrintString.clear();
    currentPrintSession = nullptr;
    m_pSettings = nullptr;
    m_ptCurrentPPD = nullptr;
    preferenceDictionary.clear();
    preferenceDictionaryAnyUser.clear();
}

int32_t BasePrintPanel::Open() {
    ForEachControl([](BaseControl& c) { c.Open(); });
    ForEachWindowStatus([](BasePrintPanel& w) { return w.Open(); });
    return 0;
}

int32_t BasePrintPanel::Close() {
    ForEachControl([](BaseControl& c) { c.Close(); });
    ForEachWindowStatus([](BasePrintPanel& w) { return w.Close(); });
    return 0;
}

zqp::Summary BasePrintPanel::SummaryOfControls() {
    zqp::Summary summary;
    GetSummaryText(&summary.values, &summary.order);
    return summary;
}

int32_t BasePrintPanel::GetSummaryText(SummaryDictionary* dictionary, SummaryOrder* order) {
    ForEachControl([&](BaseControl& c) { c.GetSummaryText(dictionary, order); });
    ForEachWindowStatus([&](BasePrintPanel& w) { return w.GetSummaryText(dictionary, order); });
    return 0;
}

void BasePrintPanel::SetPanelControlPtr(zqp::Window* window) { windowRef = window; }

void BasePrintPanel::initWithCallback(zqp::DialogHost* callback) {
    m_pPDECallbackObj = callback;
    thePDEName.clear();
}

int32_t BasePrintPanel::InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) {
    pdeBundleRef = bundle;
    InitializeUserPaneControl(bundle, ppd);
    SetControlEventHandler();
    InitilaizeChildWindow(bundle, ppd);
    return ConstrainPanelControlFromPPD(ppd);
}

int32_t BasePrintPanel::InitializeUserPaneControl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    ForEachControl([&](BaseControl& c) { c.InitializeCtrl(bundle, ppd); });
    return 0;
}

int32_t BasePrintPanel::InitilaizeChildWindow(zqp::Bundle* bundle, ppd_file_t* ppd) {
    return ForEachWindowStatus([&](BasePrintPanel& w) { return w.InitializeUserPane(bundle, ppd); });
}

int32_t BasePrintPanel::SetControlEventHandler() {
    ForEachControl([](BaseControl& c) { c.setTargetandAction(); });
    return 0;
}

int32_t BasePrintPanel::ConstrainPanelControlFromPPD(ppd_file_t* ppd) {
    for (auto& c : fCtrlInstallableGroupArray)
        if (c) c->ConstrainPanelControlFromPPD(ppd);
    return 0;
}

int32_t BasePrintPanel::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) {
    ForEachControl([&](BaseControl& c) { c.UpdateConflictsPanelControlFromPPD(ppd); });
    return 0;
}

void BasePrintPanel::SetCurrentPrintSession(zqp::PrintSession* session) { currentPrintSession = session; }
zqp::PrintSession* BasePrintPanel::GetCurrentPrintSession() { return currentPrintSession; }
const std::string& BasePrintPanel::GetCurrentPrinterString() { return currentPrintString; }

bool BasePrintPanel::RefillPrinterString(zqp::PrintSession* session) {
    currentPrintString.clear();
    return SetPrinterString(session, &currentPrintString) == 0;
}

bool BasePrintPanel::SetCurrentPrinterString(zqp::PrintSession* session) {
    SetCurrentPrintSession(session);
    if (!RefillPrinterString(session)) return false;
    return ForEachWindowBool([&](BasePrintPanel& w) { return w.SetCurrentPrinterString(session); });
}

bool BasePrintPanel::SetCurrentPrintSettings(zqp::PrintSettings* settings, ppd_file_t* ppd,
                                             zqp::DialogHost* callback, zqp::PrintSession* session) {
    m_pSettings = settings;
    m_ptCurrentPPD = ppd;
    m_pPDECallbackObj = callback;
    if (!RefillPrinterString(session)) return false;
    return ForEachWindowBool(
        [&](BasePrintPanel& w) { return w.SetCurrentPrintSettings(settings, ppd, callback, session); });
}

BaseControl* BasePrintPanel::GetPanelControl(const int32_t* tag) {
    if (tag == nullptr) return nullptr;
    for (ControlList* list : {&fCtrlGroupArray, &fCtrlInstallableGroupArray})
        for (auto& c : *list)
            if (c && c->GetControlPtr() != nullptr && c->GetControlPtr()->tag() == *tag) return c.get();
    for (BasePrintPanel* w : fWindowGroupArray)
        if (w != nullptr)
            if (BaseControl* c = w->GetPanelControl(tag)) return c;
    return nullptr;
}

int32_t BasePrintPanel::RunTimeAddNewControl(std::unique_ptr<BaseControl> control) {
    const auto count = static_cast<int32_t>(fCtrlGroupArray.size());
    if (!control || control->GetControlPtr() == nullptr) return count;  // dropped here, never used again
    if (!listsCreated) return 0;
    control->SetParenetPanel(this);
    fCtrlGroupArray.push_back(std::move(control));
    return count;
}

int32_t BasePrintPanel::RunTimeAddNewInstallableControl(std::unique_ptr<BaseControl> control) {
    if (!listsCreated || !control) return 0;
    const auto count = static_cast<int32_t>(fCtrlInstallableGroupArray.size());
    control->SetParenetPanel(this);
    fCtrlInstallableGroupArray.push_back(std::move(control));
    return count;
}

int32_t BasePrintPanel::RunTimeAddNewWindow(BasePrintPanel* window) {
    if (!listsCreated || window == nullptr) return 0;
    window->SetParenetPane(this);
    fWindowGroupArray.push_back(window);
    return static_cast<int32_t>(fWindowGroupArray.size()) - 1;
}

int32_t BasePrintPanel::SetUIDataToIniData() {
    ForEachControl([](BaseControl& c) { c.SetUIValueToIniData(); });
    ForEachWindowStatus([](BasePrintPanel& w) { return w.SetUIDataToIniData(); });
    return 0;
}

int32_t BasePrintPanel::SetDefaultValueToUI() {
    ForEachControl([](BaseControl& c) {
        c.SetDefaultValueToUI();
        c.SimulationUIEventHandler();
    });
    return 0;
}

int32_t BasePrintPanel::GetValueFromPreference() {
    ForEachControl([](BaseControl& c) {
        if (!c.GetValueFromPreference()) c.SetControlValueToDefault();
    });
    ForEachWindowStatus([](BasePrintPanel& w) { return w.GetValueFromPreference(); });
    return 0;
}

int32_t BasePrintPanel::GetValueFromPreferenceWithPrinterSettings() {
    ForEachControl([](BaseControl& c) {
        if (!c.GetValueFromPreferenceWithPrinterSettings()) c.SetControlValueToDefault();
    });
    ForEachWindowStatus([](BasePrintPanel& w) { return w.GetValueFromPreferenceWithPrinterSettings(); });
    return 0;
}

int32_t BasePrintPanel::RememberStatus(bool (BaseControl::*control)(), int32_t (BasePrintPanel::*window)()) {
    if (!listsCreated) return 0;
    // Any control that could not remember its value fails the save, not only
    // the last one.
    bool failed = false;
    ForEachControl([&](BaseControl& c) { failed = !(c.*control)() || failed; });
    const int32_t windows = ForEachWindowStatus([&](BasePrintPanel& w) { return (w.*window)(); });
    if (windows != 0) return windows;
    return failed ? 1 : 0;
}

int32_t BasePrintPanel::SetValueToPreference() {
    return RememberStatus(&BaseControl::SetValueToPreference, &BasePrintPanel::SetValueToPreference);
}

int32_t BasePrintPanel::SetValueToPreferenceWithPrinterSettings() {
    return RememberStatus(&BaseControl::SetValueToPreferenceWithPrinterSettings,
                          &BasePrintPanel::SetValueToPreferenceWithPrinterSettings);
}

int32_t BasePrintPanel::SetValueToTicket(zqp::PrintSettings* settings, bool lock,
                                         const std::vector<zqp::View*>* encryptArray) {
    ForEachControl([&](BaseControl& c) {
        if (encryptArray != nullptr) c.SetValueToTicket(settings, lock, *encryptArray);
        else c.SetValueToTicket(settings, lock);
    });
    ForEachWindowStatus([&](BasePrintPanel& w) { return w.SetValueToTicket(settings, lock, encryptArray); });
    return 0;
}

int32_t BasePrintPanel::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    ForEachControl([&](BaseControl& c) { c.SetValueToTicket(settings, lock); });
    ForEachWindowStatus([&](BasePrintPanel& w) { return w.SetValueToTicket(settings, lock); });
    return 0;
}

int32_t BasePrintPanel::ReInitializeUserPaneControl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    ForEachControl([&](BaseControl& c) {
        c.ReInitializeCtrl(bundle, ppd);
        c.ResetStatus();
    });
    return 0;
}

int32_t BasePrintPanel::SetCurrentValueToUI() {
    ForEachControl([](BaseControl& c) { c.SetControlValueToUI(); });
    ForEachControl([](BaseControl& c) { c.SimulationUIEventHandler(); });
    ForEachWindowStatus([](BasePrintPanel& w) { return w.SetCurrentValueToUI(); });
    return 0;
}

int32_t BasePrintPanel::SetValueFromUIToControl() {
    ForEachControl([](BaseControl& c) {
        if (c.GetValueFromUI() != nullptr) c.SetValueFromUIToControl();
    });
    return 0;
}

BasePrintPanel::RememberedStore BasePrintPanel::GetRememberedStore() {
    return pParentPane != nullptr ? pParentPane->GetRememberedStore() : rememberedStore;
}

bool BasePrintPanel::RememberText(const std::string& key, const std::optional<std::string>& text,
                                  zqp::PrefUser user) {
    // The cache is a convenience: what it cannot keep is logged there, and the
    // job prints all the same.
    if (GetRememberedStore() == RememberedStore::kValueCache) {
        SaveToValueCache(GetCurrentPrinterString(), key, text, user);
        return true;
    }
    zqp::PrintSettings* settings = GetCurrentPMPrintSettings();
    if (settings == nullptr) return true;
    return SetValueToSettingsWithTicketKeyAndLock(text ? text->c_str() : "", settings, key.c_str(), false) == 0;
}

std::optional<std::string> BasePrintPanel::RecallText(const std::string& key, zqp::PrefUser user) {
    if (GetRememberedStore() == RememberedStore::kValueCache)
        return RestoreFromValueCache(GetCurrentPrinterString(), key, user);
    std::string text;
    zqp::PrintSettings* settings = GetCurrentPMPrintSettings();
    if (settings == nullptr || settings->GetValue(key, text) != zqp::kNoErr) return std::nullopt;
    return text;
}

void BasePrintPanel::SetParenetPane(BasePrintPanel* parent) { pParentPane = parent; }
BasePrintPanel* BasePrintPanel::GetParentWnd() { return pParentPane; }
void* BasePrintPanel::GetPrinterSupporttedListRef() { return nullptr; }

ppd_file_t* BasePrintPanel::GetPPDRefFromCurrentPrintSession() {
    if (currentPrintSession == nullptr || m_pPDECallbackObj == nullptr) return nullptr;
    return m_pPDECallbackObj->ppdFile();
}

bool BasePrintPanel::GetValueFromPreset() {
    ForEachControl([](BaseControl& c) {
        if (!c.GetValueToPreset()) c.SetControlValueToDefault();
    });
    ForEachWindowBool([](BasePrintPanel& w) { return w.GetValueFromPreset(); });
    return true;
}

void BasePrintPanel::Reconstrain() {
    if (ppd_file_t* ppd = GetPPDRefFromCurrentPrintSession()) ConstrainPanelControlFromPPD(ppd);
}

int32_t BasePrintPanel::ResetControlStatus() {
    if (!listsCreated) return 0;
    ForEachControl([](BaseControl& c) {
        if (c.GetControlPtr() != nullptr) c.ResetStatus();
    });
    ForEachWindowStatus([](BasePrintPanel& w) { return w.ResetControlStatus(); });
    Reconstrain();
    return 0;
}

int32_t BasePrintPanel::ResetCurrentControlStatus() {
    ForEachControl([](BaseControl& c) {
        if (c.GetControlPtr() != nullptr) c.ResetStatus();
    });
    Reconstrain();
    return 0;
}

void* BasePrintPanel::GetErrMsgPanel() { return nullptr; }
ConstraintHash* BasePrintPanel::Geteppd() { return eppd; }

void BasePrintPanel::SeteppdPtr(ConstraintHash* hash) {
    eppd = hash;
    for (BasePrintPanel* w : fWindowGroupArray)
        if (w != nullptr) w->SeteppdPtr(hash);
}

zqp::Bundle* BasePrintPanel::GetPDEBundleRef() { return pdeBundleRef; }
std::vector<std::string>* BasePrintPanel::getGroupNameStrArrayRef() {
    return listsCreated ? &AllGroupNameStrArray : nullptr;
}
BasePrintPanel::ControlList* BasePrintPanel::getCtrlGroupArrayRef() { return listsCreated ? &fCtrlGroupArray : nullptr; }
void BasePrintPanel::SetCurrentPMPrintSettings(zqp::PrintSettings* settings) { m_pSettings = settings; }
zqp::PrintSettings* BasePrintPanel::GetCurrentPMPrintSettings() { return m_pSettings; }
void BasePrintPanel::SetCurrentPPD(ppd_file_t* ppd) { m_ptCurrentPPD = ppd; }
ppd_file_t* BasePrintPanel::GetCurrentPPD() { return m_ptCurrentPPD; }
void BasePrintPanel::SetCurrentPDECallbackObj(zqp::DialogHost* callback) { m_pPDECallbackObj = callback; }
zqp::DialogHost* BasePrintPanel::GetCurrentPDECallbackObj() { return m_pPDECallbackObj; }
ppd_file_t* BasePrintPanel::HostPPD() const { return m_pPDECallbackObj != nullptr ? m_pPDECallbackObj->ppdFile() : nullptr; }
zqp::PrintSettings* BasePrintPanel::HostPrintSettings() const {
    return m_pPDECallbackObj != nullptr ? m_pPDECallbackObj->printSettings() : nullptr;
}
std::string BasePrintPanel::StringTable() const {
    return LocalizeTableName.empty() ? std::string(zqp::kDefaultStringTable) : LocalizeTableName;
}

bool BasePrintPanel::loadNibNamed(const std::string& name, const zqp::Outlets& owner, std::string* error) {
    if (nibLoaded) return true;
    if (pluginBundle == nullptr) {
        if (error != nullptr) *error = "no bundle to load " + name + " from";
        return false;
    }
    if (!zqp::LoadNib(*pluginBundle, name, owner, topLevelObjs, error)) return false;
    nibLoaded = true;
    return true;
}

void BasePrintPanel::setPreferDictionary(SummaryDictionary preferences, SummaryDictionary anyUserPreferences) {
    preferenceDictionary = std::move(preferences);
    preferenceDictionaryAnyUser = std::move(anyUserPreferences);
}
SummaryDictionary* BasePrintPanel::getPreferenceDictionaryRef() { return &preferenceDictionary; }
SummaryDictionary* BasePrintPanel::getPreferenceDictionaryAnyUserRef() { return &preferenceDictionaryAnyUser; }

// ---- PopupWinInPanel ------------------------------------------------------------

PopupWinInPanel::PopupWinInPanel(zqp::Window* window, const char* theWinTitleStr) {
    BasePrintPanel::CreatePanel(window);
    winTitleTextRef = theWinTitleStr != nullptr ? theWinTitleStr : "";
    isActived = false;
}

int32_t PopupWinInPanel::InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) {
    if (ppd != nullptr && LocalizeTableName.empty()) LocalizeTableName = TextTableFromPPD(ppd);
    InitializeUserPaneTitle(bundle);
    InitializeUserPaneControl(bundle, ppd);
    pdeBundleRef = bundle;
    currentPPD = ppd;
    SetControlEventHandler();
    return 0;
}

int32_t PopupWinInPanel::ReInitializeUserPane() {
    ReInitializeUserPaneControl(pdeBundleRef, currentPPD);
    ReInitializeUserPaneTitle();
    SetControlEventHandler();
    return 0;
}

int32_t PopupWinInPanel::ActivateWindow() {
    if (windowRef == nullptr) return 0;
    ReInitializeUserPane();
    SetUIDataToIniData();
    SetCurrentValueToUI();
    zqp::Application::Shared().runModalForWindow(*windowRef);
    return 0;
}

int32_t PopupWinInPanel::ReleaseWindow() { return 0; }

int32_t PopupWinInPanel::DeactivateWindow() {
    zqp::Application::Shared().stopModal();
    if (windowRef != nullptr) windowRef->close();
    return 0;
}

bool PopupWinInPanel::InitializeUserPaneTitle(zqp::Bundle* bundle) {
    if (bundle == nullptr || winTitleTextRef.empty()) return false;
    if (windowRef != nullptr)
        windowRef->setTitle(bundle->localizedString(winTitleTextRef, zqp::kNoTranslation, TitleTable()));
    return true;
}

std::string PopupWinInPanel::TitleTable() const { return zqp::kDefaultStringTable; }

bool PopupWinInPanel::ReInitializeUserPaneTitle() { return InitializeUserPaneTitle(pdeBundleRef); }

int32_t PopupWinInPanel::SycValueFromUI() {
    if (!listsCreated) return 0;
    ForEachControl([](BaseControl& c) {
        if (c.GetControlPtr() != nullptr) c.GetValueFromUI();
    });
    return 0;
}

void PopupWinInPanel::RestoreMarkedPPD() {
    ppd_file_t* ppd = GetCurrentPPD();
    if (ppd == nullptr || !listsCreated) return;
    ForEachControl([ppd](BaseControl& c) { c.RestorePPD(ppd); });
    UpdateConflictsPanelControlFromPPD(ppd);
}

void PopupWinInPanel::ShowCommittedValues() {
    ForEachControl([](BaseControl& c) { c.SetControlValueToUI(); });
}

int32_t PopupWinInPanel::CancelWindow() {
    RestoreMarkedPPD();
    ShowCommittedValues();
    return DeactivateWindow();
}

const std::string& PopupWinInPanel::GetCurrentPrinterString() {
    return pParentPane != nullptr ? pParentPane->GetCurrentPrinterString() : currentPrintString;
}

}  // namespace zqpde
