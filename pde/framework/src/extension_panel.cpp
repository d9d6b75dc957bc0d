#include "zqpde/extension_panel.h"

#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/system.h>

#include "zqpde/app_resources.h"
#include "zqpde/os_version.h"

namespace zqpde {

namespace {
// Remembered values are in the print settings from the emulated 10.7 on.
constexpr int32_t kPrintSettingsPreferencesVersion = 0x1070;
}  // namespace

ExtensionPanel::ExtensionPanel(zqp::DialogHost* host, const char* logName) : logName_(logName) {
    initWithCallback(host);
}

zqp::View* ExtensionPanel::panelView() {
    LoadView("panelView", nullptr);
    return View();
}

bool ExtensionPanel::restoreValuesAndReturnError(std::string* error) { return SimulationOpenPDE(error); }
void ExtensionPanel::willShow() { BasePrintPanel::willShow(); }
bool ExtensionPanel::shouldHide() { return BasePrintPanel::shouldHide(); }
zqp::Summary ExtensionPanel::summaryInfo() { return SummaryOfControls(); }

bool ExtensionPanel::LoadView(const char* logTag, std::string* error) {
    if (View() != nullptr) return true;
    zqp::Outlets outlets;
    BindOutlets(outlets);
    if (!loadNibNamed(NibName(), outlets, error)) return false;
    if (logName_ != nullptr && logTag != nullptr) zqp::Log("%s : %s - %zu", logName_, logTag, topLevelObjs.size());
    ViewLoaded(outlets);
    return View() != nullptr;
}

void ExtensionPanel::ViewLoaded(const zqp::Outlets&) {}

bool ExtensionPanel::OpenPDE(const char* logTag, std::string* error) {
    zqp::DialogHost* host = GetCurrentPDECallbackObj();
    ppd_file_t* ppd = host != nullptr ? host->ppdFile() : nullptr;
    if (ppd == nullptr) return true;
    if (!LoadView(logTag, error)) return false;
    PrepareOpen(ppd);
    const bool first = bFirstInitialzePDE;
    int32_t help = 0;
    if (first) {
        CreatePanel(FirstOpenWindow());
        help = RegisterMyHelpBook();
        InitializeFirstOpen(host, ppd);
    }
    SetCurrentPrintSettings(host->printSettings(), ppd, host, host->printSession());
    SetCurrentPrintSession(host->printSession());
    RestoreValues(ppd, first);
    bFirstInitialzePDE = false;
    return help == 0;
}

bool ExtensionPanel::SimulationOpenPDE(std::string* error) { return OpenPDE("SimulationOpenPDE", error); }
void ExtensionPanel::PrepareOpen(ppd_file_t*) {}
zqp::Window* ExtensionPanel::FirstOpenWindow() { return nullptr; }
void ExtensionPanel::InitializeFirstOpen(zqp::DialogHost*, ppd_file_t* ppd) { InitializeUserPane(pluginBundle, ppd); }

void ExtensionPanel::ShowTicketValues(ppd_file_t* ppd, bool first) {
    if (first) SetUIDataToIniData();
    BeforeTicketValues(first);
    GetValueFromPreset();
    SetCurrentValueToUI();
    if (!first) UpdateConflictsPanelControlFromPPD(ppd);
}

void ExtensionPanel::BeforeTicketValues(bool) {}

int32_t ExtensionPanel::GetRememberedValues() {
    if (OSVersionCode() >= kPrintSettingsPreferencesVersion) return GetValueFromPreferenceWithPrinterSettings();
    return GetValueFromPreference();
}

int32_t ExtensionPanel::SetRememberedValues() {
    if (OSVersionCode() >= kPrintSettingsPreferencesVersion) return SetValueToPreferenceWithPrinterSettings();
    return SetValueToPreference();
}

void ExtensionPanel::CommitShownValues() {
    if (View() != nullptr) SetValueFromUIToControl();
}

bool ExtensionPanel::WriteTicketTo(zqp::PrintSettings* settings) {
    if (settings == nullptr) return false;
    SetValueToTicket(settings, false);
    return true;
}

bool ExtensionPanel::SaveRememberedValues(zqp::PrintSettings* settings) {
    CommitShownValues();
    const int32_t status = SetRememberedValues();
    if (status == 0) WriteTicketTo(settings);
    return status == 0;
}

bool ExtensionPanel::TakePrintGateWrote() {
    const bool wrote = printGateWrote_;
    printGateWrote_ = false;
    return wrote;
}

}  // namespace zqpde
