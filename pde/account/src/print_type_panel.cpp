#include "print_type_panel.h"

#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/preferences.h>
#include <zqp/system.h>
#include <zqp/utf8.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "print_type_windows.h"
#include "account_panel.h"
#include "zqpde/app_resources.h"
#include "zqpde/os_version.h"
#include "zqpde/number_text.h"
#include "zqpde/ppd_util.h"
#include "zqpde/settings_access.h"
#include "zqpde/ticket_value.h"

namespace zqacct {

namespace {

constexpr int32_t kPrintSettingsPreferencesVersion = 0x1070;  // remembered values in the print settings from here
const zqp::PrefUser kCurrentUser = zqp::PrefUser::kCurrentUser;
constexpr const char* kPrintTypeTicketKey = ZQ_ACCOUNT_NS "PrintTypeTicketKey";

bool ItemAllowed(const char* const* allowed, const char* key) {
    if (allowed == nullptr) return true;
    for (const char* const* p = allowed; *p != nullptr; ++p)
        if (std::strcmp(*p, key) == 0) return true;
    return false;
}

template <size_t N>
const char* const* LookUp(const PrintTypeAvailability (&table)[N], const char* choice, const char* const* otherwise) {
    for (const PrintTypeAvailability& row : table)
        if (std::strcmp(row.choice, choice) == 0) return row.items;
    return otherwise;
}


}  // namespace

// ---- print-type list -------------------------------------------------------------------------------

const char* const* PrintTypeAvailabilityFromPPD(ppd_file_t* ppd) {
    if (ppd == nullptr) return nullptr;
    if (const char* key = edition::kSecurePrintDefaultAttribute;
        key != nullptr && zqpde::CheckIfPPDKeywordSupported(ppd, key, "True")) {
        ppd_attr_t* a = zqpde::ppdFindAttr_ALT(ppd, key, nullptr);
        if (a != nullptr && a->value != nullptr && std::strcmp(a->value, "True") == 0) return nullptr;
    }
    ppd_option_t* disk = ppdFindOption(ppd, "ZQHardDisk");
    ppd_choice_t* marked = disk != nullptr ? ppdFindMarkedChoice(ppd, "ZQHardDisk") : nullptr;
    if (disk == nullptr || marked == nullptr) return nullptr;
    if (disk->ui == PPD_UI_BOOLEAN) {
        if (std::strcmp(marked->choice, "False") != 0) return nullptr;
        ppd_choice_t* ram = ppdFindMarkedChoice(ppd, "ZQRAMDisk");
        return LookUp(External_Memory_ConstrainInfoArray, ram != nullptr ? ram->choice : "False", nullptr);
    }
    if (disk->ui == PPD_UI_PICKONE) return LookUp(Storage_Device_ConstrainInfoArray, marked->choice, nullptr);
    return nullptr;
}

void PTListCtrlARK::CreateControl(zqp::View* view, const char* mailboxKey, const zqpde::ListCtrlIniData* iniData,
                                  const zqpde::ConstrainInfo* constrainArray, const zqpde::AccessInfo* accessInfo,
                                  const zqp::PrefUser* usernamein, const int32_t* const* validation,
                                  const char* summaryInfo, const char* titleInfo) {
    zqpde::PopupControl::CreateControl(view, iniData, constrainArray, accessInfo, usernamein);
    mailboxKey_ = mailboxKey != nullptr ? mailboxKey : "";
    validateControlArray = validation;
    summarytextRef = summaryInfo != nullptr ? summaryInfo : "";
    titletextRef = titleInfo != nullptr ? titleInfo : "";
}

bool PTListCtrlARK::InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) {
    auto* view = dynamic_cast<zqp::PopUpButton*>(ControlPtr);
    if (view == nullptr || listctrlIniDataPtr == nullptr) return false;
    view->removeAllItems();
    mailboxSupported_ = !mailboxKey_.empty() && zqpde::ppdFindAttr_ALT(ppd, mailboxKey_.c_str(), nullptr) != nullptr;
    const char* const* allowed = PrintTypeAvailabilityFromPPD(ppd);
    for (const char* const* key = listctrlIniDataPtr->titleKeys; key != nullptr && *key != nullptr; ++key) {
        if (std::strcmp(*key, "Job Type MBN") == 0 && !mailboxSupported_) continue;
        std::string title = bundle != nullptr ? Localized(bundle, *key) : std::string(zqp::kNoTranslation);
        if (title == zqp::kNoTranslation) title = *key;
        view->addItemWithTitle(title, *key);
        zqp::MenuItem* item = view->itemAtIndex(view->numberOfItems() - 1);
        item->enabled = ItemAllowed(allowed, *key);
        // An item the edition does not offer keeps its place, so the items
        // after it keep their ticket values.
        item->hidden = std::string_view(*key) == std::string_view(edition::kHiddenPrintTypeItem ? edition::kHiddenPrintTypeItem : "");
    }
    return true;
}

bool PTListCtrlARK::UIEventHandler() {
    auto* view = dynamic_cast<zqp::PopUpButton*>(ControlPtr);
    PrintTypePDEr15* panel = OwningPrintTypePanel(*this);
    const char* ui = GetValueFromUIDataBlk();
    if (view == nullptr || ui == nullptr) return false;
    const int32_t previous = BlockInt(ui);
    const int32_t index = view->indexOfSelectedItem();
    if (index + 1 == previous) return true;
    if (index == 0) return zqpde::PopupControl::UIEventHandler();
    SetupWindowARK* window = panel != nullptr && index >= 1 && index <= 4 ? panel->SetupWindowFor(index + 1) : nullptr;
    if (window == nullptr) {
        view->selectItemAtIndex(zqpde::ItemIndexOf(previous));
        return false;
    }
    window->ActivateWindow();
    return zqpde::PopupControl::UIEventHandler();
}

bool PTListCtrlARK::SetControlValueToUI() {
    auto* view = dynamic_cast<zqp::PopUpButton*>(ControlPtr);
    if (view != nullptr && GetControlBlkPtr() != nullptr) {
        const int32_t code = GetValue();
        const zqp::MenuItem* item = code >= 1 ? view->itemAtIndex(code - 1) : nullptr;
        // A type the printer does not offer (or not any more) shows as normal print.
        if (!view->isEnabled() || item == nullptr || !item->enabled || item->hidden)
            SetBlockInt(GetControlBlkPtr(), kPrintTypeNone);
        else if (code == kPrintTypeMailbox && !mailboxSupported_) SetBlockInt(GetControlBlkPtr(), kPrintTypeNone);
    }
    return zqpde::PopupControl::SetControlValueToUI();
}

bool PTListCtrlARK::ToGetSummaryText() {
    return ctrlHideCount == 0 && ctrlConstrainCount == 0 && ControlPtr != nullptr && !ControlPtr->isHidden();
}

int32_t PTListCtrlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (!ToGetSummaryText()) return 0;
    PrintTypePDEr15* panel = OwningPrintTypePanel(*this);
    return PopupSummary(*this, PanelBundle(), panel != nullptr ? panel->TextTable() : std::string(), summarytextRef,
                        dictionary, order);
}

bool PTSetupButtonARK::UIEventHandler() {
    PrintTypePDEr15* panel = OwningPrintTypePanel(*this);
    if (panel == nullptr || panel->getPrintTypeListCtrlPtr() == nullptr) return false;
    int32_t code = 0;
    if (const char* ui = panel->getPrintTypeListCtrlPtr()->GetValueFromUI()) std::memcpy(&code, ui, sizeof code);
    if (code == kPrintTypeNone) return true;
    SetupWindowARK* window = panel->SetupWindowFor(code);
    if (window == nullptr) return false;
    window->ActivateWindow();
    return true;
}

// ---- panel -------------------------------------------------------------------------------------------

PrintTypePDEr15::PrintTypePDEr15(zqp::DialogHost* host) : zqpde::ExtensionPanel(host, "PrintTypePDE") {
    if (edition::kRemembersInValueCache) SetRememberedStore(RememberedStore::kValueCache);
}

PrintTypePDEr15::~PrintTypePDEr15() { terminate(); }

void PrintTypePDEr15::setPDEType(int32_t type) {
    pdeType = type >= 0 && type < static_cast<int32_t>(edition::kPTProductCount) ? type : 0;
}

SetupWindowARK* PrintTypePDEr15::SetupWindowFor(int32_t printType) const {
    switch (printType) {
        case kPrintTypeSecure: return ptSecurePrintWindow.get();
        case kPrintTypeSample: return ptSamplePrintWindow.get();
        case kPrintTypeDelayed: return ptDelayedPrintWindow.get();
        case kPrintTypeMailbox: return ptMailBoxPrintWindow.get();
        default: return nullptr;
    }
}

void* PrintTypePDEr15::GetErrMsgPanel() { return ErrMsgWndCtrl.get(); }

std::string PrintTypePDEr15::NibName() {
    const int32_t type = pdeType >= 0 && pdeType < static_cast<int32_t>(edition::kPTProductCount) ? pdeType : 0;
    return edition::PTProductInfo[type].nibName;
}

void PrintTypePDEr15::BindOutlets(zqp::Outlets& outlets) {
    outlets.bind("PrintTypeView", PrintTypeView);
    outlets.bind("PrintTypeSamplePrintWindow", samplePrintWindowOutlet);
    outlets.bind("PrintTypeSecurePrintWindow", securePrintWindowOutlet);
    outlets.bind("PrintTypeDelayedPrintWindow", delayedPrintWindowOutlet);
    outlets.bind("PrintTypeMailBoxPrintWindow", mailBoxPrintWindowOutlet);
    outlets.bind("ErrWindow", errWindowOutlet);
    outlets.bind("PrintTypePopUpWindow", aboutWindowOutlet);
}

std::string PrintTypePDEr15::panelName() {
    if (cachedName_.empty()) cachedName_ = PanelName(GetCurrentPDECallbackObj(), "PDE Title");
    return cachedName_;
}

std::string PrintTypePDEr15::panelKind() { return edition::kPrintTypePanelKind; }

bool PrintTypePDEr15::shouldShowHelp() { return HelpByButton(PrintTypeHelpBtnCtrl, &PrintTypeHelpBtnARK::HelpFileName); }

void PrintTypePDEr15::CreatePanel(zqp::Window* window) {
    zqpde::BasePrintPanel::CreatePanel(window);
    ppd_file_t* ppd = GetCurrentPDECallbackObj() != nullptr ? GetCurrentPDECallbackObj()->ppdFile() : nullptr;
    bKeywordSupported = edition::kReducedPrintTypeProduct != nullptr &&
                        zqpde::CheckIfPPDKeywordSupported(
                            ppd, zqpde::FixPPDKeywordAccordingToType(ppd, "ZQXPrintTypeSettings").c_str(),
                            edition::kReducedPrintTypeProduct);
    qspControlIDArray.clear();
    CreateControls();
    bPPDkeyPassCodeExist = false;
    JobStatus = kJobMayNotPrint;
    documentlistDataBlkPtr = 1;
    printTypeusernameDataBlkPtr.clear();
    documentnameeditDataBlkPtr.clear();
}

void PrintTypePDEr15::CreateControls() {
    ppd_file_t* ppd = GetCurrentPDECallbackObj() != nullptr ? GetCurrentPDECallbackObj()->ppdFile() : nullptr;
    const bool cdf = zqpde::ConstraintFileUsable(ppd);
    zqp::View* v = PrintTypeView;
    auto title = std::make_unique<PTStaticTextEditControlARK>();
    title->CreateControl(v->viewWithTag(PrintTypePopupListitleTag), "Print Type List");
    AddNewControl(std::move(title));

    auto list = std::make_unique<PTListCtrlARK>();
    list->CreateControl(v->viewWithTag(PrintTypePopupListTag), "ZQXMailBoxSettings",
                        bKeywordSupported ? &zelpdfprintTypeListIniData : &printTypeListIniData,
                        printTypeConstrainInfoPtr, &printTypeListAccessInfo, &kCurrentUser, printTypeValidateArray,
                        "PDE Menu Summary", "Print Type List");
    PrintTypeListCtrl = AddNewControl(std::move(list));

    auto setup = std::make_unique<PTSetupButtonARK>();
    setup->CreateControl(v->viewWithTag(SetupButtonTag), "Setup Button Title");
    AddNewControl(std::move(setup));

    const char* titleKey = "Job Type Setup Window Title";
    ptSamplePrintWindow = std::make_unique<SamplePrintWindowARK>(samplePrintWindowOutlet, titleKey, bIsOPSPDFDriver);
    ptSecurePrintWindow =
        std::make_unique<SecurePrintWindowARK>(securePrintWindowOutlet, titleKey, &qspControlIDArray,
                                               bKeywordSupported, bIsOPSPDFDriver);
    // An edition without delayed print has no start-time clock and writes no start time.
    if (edition::kDelayedPrint)
        ptDelayedPrintWindow = std::make_unique<DelayedPrintWindowARK>(delayedPrintWindowOutlet, titleKey, bIsOPSPDFDriver);
    ptMailBoxPrintWindow =
        std::make_unique<MailBoxPrintWindowARK>(mailBoxPrintWindowOutlet, titleKey, &qspControlIDArray,
                                                bIsOPSPDFDriver);
    RunTimeAddNewWindow(ptSamplePrintWindow.get());
    RunTimeAddNewWindow(ptSecurePrintWindow.get());
    RunTimeAddNewWindow(ptDelayedPrintWindow.get());
    RunTimeAddNewWindow(ptMailBoxPrintWindow.get());

    auto restore = std::make_unique<PTDefaultButtonARK>();
    restore->CreateControl(v->viewWithTag(PrintTypeDefaultButtonTag), "Restore Button Title");
    AddNewControl(std::move(restore));
    auto help = std::make_unique<PrintTypeHelpBtnARK>();
    help->CreateControl(v->viewWithTag(printTypeHelpButtonTag));
    PrintTypeHelpBtnCtrl = AddNewControl(std::move(help));
    AddNewControl(MakeVersionLabel(v->viewWithTag(PrintTypeVersionTag), cdf));

    ErrMsgWndCtrl = std::make_unique<ErrMsgWindow>(errWindowOutlet);
    passCodeAboutWnd = std::make_unique<AboutWindow>(aboutWindowOutlet);
    RunTimeAddNewWindow(ErrMsgWndCtrl.get());
    RunTimeAddNewWindow(passCodeAboutWnd.get());
}

int32_t PrintTypePDEr15::InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) {
    // What makes a short pass code open the notice: the edition's pass-code
    // attribute where it has one (TELD), else the option of the shortest pass code.
    bPPDkeyPassCodeExist = edition::kPassCodeLimitAttribute != nullptr
                               ? zqpde::ppdFindAttr_ALT(ppd, edition::kPassCodeLimitAttribute, nullptr) != nullptr
                               : zqpde::CheckPPDKeyIsExist(ppd, edition::kPassCodeLimitKey);
    if (std::string table = zqpde::TextTableFromPPD(ppd); !table.empty()) LocalizeTableName = table;
    UseTextTable(*this, LocalizeTableName);
    for (zqpde::BasePrintPanel* w : fWindowGroupArray)
        if (w != nullptr) UseTextTable(*w, LocalizeTableName);
    return zqpde::BasePrintPanel::InitializeUserPane(bundle, ppd);
}

void PrintTypePDEr15::RestoreValues(ppd_file_t*, bool first) {
    SetUIDataToIniData();
    if (!first) ResetControlStatus();
    GetRememberedValues();
    // A ticket this panel wrote (a preset) wins over the remembered values.
    zqp::PrintSettings* settings = HostPrintSettings();
    if (edition::kReadsPreset && settings != nullptr && settings->Has(kPrintTypeTicketKey)) GetValueFromPreset();
    SetCurrentValueToUI();
}

// ---- remembered values -----------------------------------------------------------------------------

void PrintTypePDEr15::RecallBlocks() {
    const std::string& printer = GetCurrentPrinterString();
    const bool fromSettings = zqpde::OSVersionCode() >= kPrintSettingsPreferencesVersion;
    auto read = [&](const char* reference) -> std::optional<std::string> {
        std::string key;
        if (!zqpde::CreateKeyWithCurrentPrinter(reference, printer.c_str(), &key) || printer.empty())
            return std::nullopt;
        if (fromSettings) return RecallText(key, zqp::PrefUser::kCurrentUser);
        return zqp::Preferences::CopyString(key, zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                            zqp::PrefHost::kCurrentHost);
    };
    auto text = [](const std::string& v) { return std::string(zqp::Utf8Prefix(v, 255)); };
    if (std::optional<std::string> v = read(DocumentNameTypeReference)) {
        // A value the pop-up has no item for reads as none (0).
        const int32_t n = zqpde::DecimalInt32(*v, 1, 2).value_or(0);
        documentlistDataBlkPtr = n != 0 ? n : (documentlistDataBlkPtr == 2 ? 2 : 1);
    } else {
        // The product's own default, as the pop-up starts with it.
        documentlistDataBlkPtr = DocumentNameTypeDefault(pdeType);
    }
    if (std::optional<std::string> v = read(DocumentNameReference)) documentnameeditDataBlkPtr = text(*v);
    else documentnameeditDataBlkPtr.clear();
    if (std::optional<std::string> v = read(PrintTypeUserNameReference)) {
        printTypeusernameDataBlkPtr = text(*v);
    } else if (bKeywordSupported) {
        printTypeusernameDataBlkPtr = LoginNameForField(zqp::LoginName(), &printTypeLoginEtxtFilterDataUTF8,
                                                        printTypeLoginEtxtIniData.maxLength);
    } else {
        printTypeusernameDataBlkPtr.clear();
    }
}

int32_t PrintTypePDEr15::GetRememberedValues() {
    RecallBlocks();
    return zqpde::ExtensionPanel::GetRememberedValues();
}

bool PrintTypePDEr15::GetValueFromPreset() {
    zqp::PrintSettings* settings = GetCurrentPMPrintSettings();
    if (settings == nullptr) return false;
    printTypeusernameDataBlkPtr = PrintTypeTextFromTicket(settings, PrintTypeUserNameTicketKey).value_or("");
    const std::optional<std::string> type = PrintTypeTextFromTicket(settings, DocumentNameTypeTicketKey);
    const std::optional<int32_t> n = type ? zqpde::DecimalInt32(*type, 1, 2) : std::nullopt;
    const bool known = n.has_value();
    documentlistDataBlkPtr = n.value_or(1);
    documentnameeditDataBlkPtr = PrintTypeTextFromTicket(settings, DocumentNameTicketKey).value_or("");
    for (zqpde::BasePrintPanel* p : std::initializer_list<zqpde::BasePrintPanel*>{
             this, ptSamplePrintWindow.get(), ptSecurePrintWindow.get(), ptDelayedPrintWindow.get(),
             ptMailBoxPrintWindow.get()})
        if (p != nullptr && p->getCtrlGroupArrayRef() != nullptr)
            for (auto& c : *p->getCtrlGroupArrayRef())
                if (c) c->GetValueToPreset();
    return known;
}

bool PrintTypePDEr15::RememberBlocks() {
    const std::string& printer = GetCurrentPrinterString();
    if (printer.empty()) return false;
    const bool toSettings = zqpde::OSVersionCode() >= kPrintSettingsPreferencesVersion;
    bool ok = true;
    auto store = [&](const char* reference, const std::string& value) {
        std::string key;
        zqpde::CreateKeyWithCurrentPrinter(reference, printer.c_str(), &key);
        if (toSettings) {
            ok = (GetCurrentPMPrintSettings() != nullptr || GetRememberedStore() == RememberedStore::kValueCache) &&
                 RememberText(key, value, zqp::PrefUser::kCurrentUser) && ok;
        } else {
            zqp::Preferences::SetValue(key, zqp::PrefValue(value), zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                       zqp::PrefHost::kCurrentHost);
        }
    };
    store(DocumentNameTypeReference, std::to_string(documentlistDataBlkPtr));
    store(DocumentNameReference, documentnameeditDataBlkPtr);
    store(PrintTypeUserNameReference, printTypeusernameDataBlkPtr);
    if (!toSettings)
        ok = zqp::Preferences::Synchronize(zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                           zqp::PrefHost::kCurrentHost);
    return ok;
}

int32_t PrintTypePDEr15::SetRememberedValues() {
    if (!RememberBlocks()) return 1;
    return zqpde::ExtensionPanel::SetRememberedValues();
}

// ---- ticket -------------------------------------------------------------------------------------------

int32_t PrintTypePDEr15::SetValueToTicket(zqp::PrintSettings* settings, bool lock,
                                          const std::vector<zqp::View*>* encryptArray) {
    if (settings == nullptr) return zqp::kParamErr;
    auto write = [&](const char* key, const std::string& value) {
        // The ticket form cuts at a character boundary, then escapes the whole
        // text: an escape code is never cut.
        zqpde::SetValueToSettingsWithTicketKeyAndLock(zqpde::TicketTextForOutput(value).c_str(), settings, key, false);
    };
    write(PrintTypeProductTypeTicketKey, std::to_string(pdeType));
    // An OPS-PDF driver names no document or user, and its setup windows'
    // fields have no data: what print settings (a preset) still hold under
    // those keys is taken out, so no stale value reaches the job.
    if (!bIsOPSPDFDriver) {
        write(DocumentNameTypeTicketKey, std::to_string(documentlistDataBlkPtr));
        write(DocumentNameTicketKey, documentnameeditDataBlkPtr);
        write(PrintTypeUserNameTicketKey, printTypeusernameDataBlkPtr);
    } else {
        for (const zqpde::AccessInfo* field : kSetupWindowFields) settings->Remove(field->ticketKey);
    }
    return zqpde::BasePrintPanel::SetValueToTicket(settings, lock, encryptArray);
}

bool PrintTypePDEr15::WriteTicketTo(zqp::PrintSettings* settings) {
    if (settings == nullptr) return false;
    SetValueToTicket(settings, false, &qspControlIDArray);
    return true;
}

void PrintTypePDEr15::terminate() {
    qspControlIDArray.clear();
    zqpde::BasePrintPanel::terminate();
}

// ---- saving and the print gate --------------------------------------------------------------------

bool PrintTypePDEr15::ValidateUserPane() {
    zqpde::BasePrintPanel::ControlList* controls = getCtrlGroupArrayRef();
    if (controls == nullptr) return true;
    for (auto& c : *controls)
        if (c->GetControlPtr() != nullptr) c->GetValueFromUI();
    for (auto& c : *controls)
        if (!c->PreInvalidateData() || !c->InvalidateData()) return false;
    return true;
}

bool PrintTypePDEr15::saveValuesAndReturnError(std::string*) {
    // A panel never opened has nothing to save; the print gate builds it.
    if (bFirstInitialzePDE) return true;
    if (!ValidateUserPane()) return false;
    return SaveRememberedValues(GetCurrentPMPrintSettings());
}

bool PrintTypePDEr15::OnClickPrintCommand() {
    JobStatus = kJobMayPrint;
    auto* view = PrintTypeListCtrl != nullptr ? dynamic_cast<zqp::PopUpButton*>(PrintTypeListCtrl->GetControlPtr())
                                              : nullptr;
    if (view != nullptr && view->indexOfSelectedItem() == 1 && ptSecurePrintWindow != nullptr)
        if (PTPWTextEditCtrlARK* pass = ptSecurePrintWindow->getSecurePasscodePtr())
            pass->InvalidateDataOnPrintCommand();
    return JobStatus == kJobMayPrint;
}

bool PrintTypePDEr15::shouldPrint() {
    if (bFirstInitialzePDE && !SimulationOpenPDE(nullptr) && PrintTypeView == nullptr) return true;
    if (!OnClickPrintCommand()) return false;
    return SaveRememberedValues(HostPrintSettings());
}

}  // namespace zqacct
