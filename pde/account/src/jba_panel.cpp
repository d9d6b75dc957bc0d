#include "jba_panel.h"

#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/print_session.h>
#include <zqp/system.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <cstdio>
#include <cstring>

#include "host_info.h"
#include "jba_windows.h"
#include "print_type_tables.h"
#include "account_panel.h"
#include "zqpde/app_resources.h"
#include "zqpde/os_version.h"
#include "zqpde/ppd_util.h"
#include "zqpde/text_util.h"
#include "zqpde/user_groups.h"

namespace zqacct {

namespace {

constexpr int32_t kPrintSettingsPreferencesVersion = 0x1070;  // remembered values in the print settings from here
const zqp::PrefUser kCurrentUser = zqp::PrefUser::kCurrentUser;
const zqp::PrefUser kAnyUser = zqp::PrefUser::kAnyUser;

// Help files of the buttons and the prefix of the page each one opens.
struct HelpString {
    const char* file;
    const char* prefix;
};
constexpr HelpString JBAHelpString[] = {{"JBA.htm", "JBA_"}, {"DetailedUS.htm", "DetailedUS_"},
                                        {"EnterUD.htm", "EnterUD_"}};


bool HasPrompt(const zqpde::BaseControl& control) {
    const JBAPDEr15* panel = OwningJBAPanel(control);
    return panel != nullptr && panel->checkIsCostomizeUserPromptExist();
}

// The item number, or "0" when the printer has no customised prompt (a list
// outside a panel writes its number).
bool CaseListTicketValue(zqpde::PopupControl& list, std::string& out) {
    const JBAPDEr15* panel = OwningJBAPanel(list);
    out = panel == nullptr || panel->checkIsCostomizeUserPromptExist() ? std::to_string(list.GetValue()) : "0";
    return true;
}

}  // namespace

JBAPDEr15* OwningJBAPanel(const zqpde::BaseControl& control) {
    for (zqpde::BasePrintPanel* p = control.GetParentPanel(); p != nullptr; p = p->GetParentWnd())
        if (auto* panel = dynamic_cast<JBAPDEr15*>(p)) return panel;
    return nullptr;
}

// ---- account-mode list ---------------------------------------------------------------------------

void JBAListCtrlARK::CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData,
                                   const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                                   const int32_t* const* paneConstrains, const char* summaryRef,
                                   const zqp::PrefUser* usernamein) {
    zqpde::PopupControl::CreateControl(view, iniData, constrain, accessInfo, usernamein);
    whichPreferenceKey = 1;
    PaneConstrainsArray = paneConstrains;
    summarytextRef = summaryRef != nullptr ? summaryRef : "";
}

bool JBAListCtrlARK::UIEventHandler() {
    auto* view = dynamic_cast<zqp::PopUpButton*>(ControlPtr);
    if (view == nullptr) return false;
    const int32_t index = view->indexOfSelectedItem();
    if (index + 1 == GetValue()) return true;
    if (index >= 0) whichPreferenceKey = index;
    const bool ok = zqpde::PopupControl::UIEventHandler();
    if (!zqpde::IsUserAdmin() && view->isEnabled()) view->setEnabled(false);
    return ok;
}

bool JBAListCtrlARK::SimulationUIEventHandler() {
    auto* view = dynamic_cast<zqp::PopUpButton*>(ControlPtr);
    if (view == nullptr) return true;
    whichPreferenceKey = view->indexOfSelectedItem();
    zqpde::PopupControl::SimulationUIEventHandler();
    if (!zqpde::IsUserAdmin()) view->setEnabled(false);
    if (zqpde::OSVersionCode() >= kPrintSettingsPreferencesVersion && view->tag() == jobAcctTypeListTag)
        view->setEnabled(false);
    return true;
}

void JBAListCtrlARK::InitializeConstrains(zqpde::BasePrintPanel* window) {
    auto* view = dynamic_cast<zqp::PopUpButton*>(ControlPtr);
    if (window == nullptr || PaneConstrainsArray == nullptr || view == nullptr) return;
    if (view->indexOfSelectedItem() != 0 || zqpde::IsUserAdmin()) return;
    for (const int32_t* const* t = PaneConstrainsArray; *t != nullptr; ++t)
        if (zqpde::BaseControl* c = window->GetPanelControl(*t)) c->Disable();
}

int32_t JBAListCtrlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    auto* view = dynamic_cast<zqp::PopUpButton*>(ControlPtr);
    const JBAPDEr15* panel = OwningJBAPanel(*this);
    zqp::Bundle* bundle = zqpde::pluginBundle;
    if (view == nullptr || bundle == nullptr || dictionary == nullptr || order == nullptr || summarytextRef.empty())
        return 0;
    const zqp::MenuItem* item = view->itemAtIndex(whichPreferenceKey);
    if (item == nullptr) return 0;
    const std::string key = bundle->localizedString(summarytextRef, zqp::kNoTranslation,
                                                    panel != nullptr ? panel->StringTable() : zqp::kDefaultStringTable);
    (*dictionary)[key] = item->title;
    order->push_back(key);
    return 0;
}

// ---- information lists ------------------------------------------------------------------------------

void JBAInfoListCtrlARK::CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData,
                                       const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                                       const char* summaryRef, const zqp::PrefUser* usernamein) {
    zqpde::PopupControl::CreateControl(view, iniData, constrain, accessInfo, usernamein);
    summarytextRef = summaryRef != nullptr ? summaryRef : "";
}

bool JBAInfoListCtrlARK::ConvertToTickectData(std::string& out) { return CaseListTicketValue(*this, out); }

bool JBAInfoListCtrlARK::ConvertToPreferenceString(std::string& out) {
    out = std::to_string(GetValue());
    return true;
}

int32_t JBAInfoListCtrlARK::DoSelfUpdate() {
    if (!HasPrompt(*this)) Hide();
    return 0;
}

bool JBAInfoListCtrlARK::SimulationUIEventHandler() {
    zqpde::PopupControl::SimulationUIEventHandler();
    return true;
}

int32_t JBAInfoListCtrlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    const JBAPDEr15* panel = OwningJBAPanel(*this);
    if (panel == nullptr || !panel->checkIsCostomizeUserPromptExist()) return 0;
    return PopupSummary(*this, zqpde::pluginBundle, panel->TextTable(), summarytextRef, dictionary, order);
}

int32_t JBAInfoSettingStaticTextCtrlARK::DoSelfUpdate() {
    if (!HasPrompt(*this)) Hide();
    return 0;
}

void JBAInfoSetListCtrlARK::CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData,
                                          const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                                          const zqpde::ConstrainInfo* forUser, const zqpde::ConstrainInfo* forAdmin,
                                          const zqp::PrefUser* usernamein) {
    zqpde::PopupControl::CreateControl(view, iniData, constrain, accessInfo, usernamein);
    PanelConstrainArrayUser = forUser;
    PanelConstrainArrayAdmin = forAdmin;
}

void JBAInfoSetListCtrlARK::InitializeConstrains(zqpde::BasePrintPanel* window) {
    const JBAPDEr15* panel = OwningJBAPanel(*this);
    auto* view = dynamic_cast<zqp::PopUpButton*>(ControlPtr);
    if (window == nullptr || panel == nullptr || view == nullptr || !panel->checkIsCostomizeUserPromptExist()) return;
    const zqpde::ConstrainInfo* table = panel->getAccountMode() == 1   ? PanelConstrainArrayUser
                                        : panel->getAccountMode() == 0 ? PanelConstrainArrayAdmin
                                                                       : nullptr;
    if (table == nullptr) return;
    if (zqpde::ConstrainTagList list = table->disableLists.at(view->indexOfSelectedItem()))
        for (const int32_t* const* t = list; *t != nullptr; ++t)
            if (zqpde::BaseControl* c = window->GetPanelControl(*t)) c->Disable();
}

bool JBAInfoSetListCtrlARK::ConvertToTickectData(std::string& out) { return CaseListTicketValue(*this, out); }

int32_t JBAInfoSetListCtrlARK::Update() {
    JBAPDEr15* panel = OwningJBAPanel(*this);
    if (panel == nullptr || !panel->checkIsCostomizeUserPromptExist()) return 0;
    JBAInfoListCtrlARK* info = panel->getjbaInfoListCtrlPtr();
    int32_t infoItem = 0;
    if (info != nullptr)
        if (auto* v = dynamic_cast<zqp::PopUpButton*>(info->GetControlPtr())) infoItem = v->indexOfSelectedItem();
    const int32_t caseNumber = CaseFor(panel->getCostomizeUserPromptValue(), infoItem);
    JBAListCtrlARK* mode = panel->getjobAcctTypeListCtrlPtr();
    JBADetailSettingButARK* details = panel->getjbaInfoWndPushCtrlPtr();
    // A reset of the targets' counts ends the disables this rule held.
    if (details != nullptr && details->GetDisableCount() == 0) detailsDisabled_ = false;
    if (mode != nullptr && mode->GetDisableCount() == 0) modeListDisabled_ = false;
    if (mode != nullptr && details != nullptr) {
        if (caseNumber == kCaseNoDetails) {
            if (!detailsDisabled_) details->Disable();
            if (!modeListDisabled_) mode->Disable();
            detailsDisabled_ = modeListDisabled_ = true;
        } else {
            if (detailsDisabled_) details->Enable();
            detailsDisabled_ = false;
            // Only an administrator on the emulated systems before 10.7 may
            // change the account mode again.
            if (modeListDisabled_ && zqpde::IsUserAdmin() && zqpde::OSVersionCode() < kPrintSettingsPreferencesVersion) {
                mode->Enable();
                modeListDisabled_ = false;
            }
        }
    }
    if (auto* view = dynamic_cast<zqp::PopUpButton*>(ControlPtr)) view->selectItemAtIndex(zqpde::ItemIndexOf(caseNumber));
    return 0;
}

// ---- buttons ------------------------------------------------------------------------------------------

bool JBADetailSettingButARK::UIEventHandler() {
    JBAPDEr15* panel = OwningJBAPanel(*this);
    if (panel == nullptr) return true;
    JBAInfoWindowARK* window = panel->getAccountMode() == 0   ? panel->getjbaInfoAdminWnd()
                               : panel->getAccountMode() == 1 ? panel->getjbaInfoWnd()
                                                              : nullptr;
    if (window != nullptr) window->ActivateWindow();
    return true;
}

void JBAWndHelpButtonARK::CreateControl(zqp::View* view, const char* helpFile) {
    zqpde::BaseButton::CreateControl(view, nullptr);
    helpfilename = helpFile != nullptr ? helpFile : "";
    realHelpfilename.clear();
}

bool JBAWndHelpButtonARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    zqpde::BaseButton::InitializeCtrl(bundle, ppd);
    realHelpfilename.clear();
    const std::string keyword = zqpde::FixPPDKeywordAccordingToType(ppd, "ZQXAccountingSettings");
    ppd_attr_t* attr = zqpde::ppdFindAttr_ALT(ppd, keyword.c_str(), nullptr);
    if (attr == nullptr || attr->value == nullptr) return true;
    // A value without "-" names no help key: no page rather than a page of
    // the prefix alone.
    const std::string helpKey = zqpde::GetAppResourceName(attr->value, 1);
    if (helpKey.empty()) return true;
    for (const HelpString& h : JBAHelpString)
        if (helpfilename == h.file) realHelpfilename = std::string(h.prefix) + helpKey + ".htm";
    return true;
}

bool JBAWndHelpButtonARK::UIEventHandler() {
    if (!realHelpfilename.empty())
        zqpde::GotoHelpPage(zqpde::pluginBundle, realHelpfilename, "", "Help Viewer Title for Job Accounting");
    return true;
}

// ---- panel -----------------------------------------------------------------------------------------------

JBAPDEr15::JBAPDEr15(zqp::DialogHost* host) : zqpde::ExtensionPanel(host, "JBAPDE") {
    if (edition::kRemembersInValueCache) SetRememberedStore(RememberedStore::kValueCache);
}


void JBAPDEr15::setPDEType(int32_t type) {
    pdeType = type >= 0 && type < static_cast<int32_t>(edition::kJBAProductCount) ? type : 0;
}

const char* JBAPDEr15::getPDENibFileNamePrintType() const { return edition::JBAProductInfo[pdeType].nibName; }

void JBAPDEr15::BindOutlets(zqp::Outlets& outlets) {
    outlets.bind("jbaView", jbaView);
    outlets.bind("jbaInfoAdminWnd", jbaInfoAdminWndOutlet);
    outlets.bind("jbaInfoWnd", jbaInfoWndOutlet);
    outlets.bind("jbaInputWndRes", jbaInputWndOutlet);
}

std::string JBAPDEr15::panelName() {
    if (cachedName_.empty()) cachedName_ = PanelName(GetCurrentPDECallbackObj(), "Job Authentication Title");
    return cachedName_;
}

std::string JBAPDEr15::panelKind() { return edition::kJBAPanelKind; }

bool JBAPDEr15::shouldShowHelp() {
    return HelpByButton(jbaWndHelpButtonCtrlPtr, &JBAWndHelpButtonARK::RealHelpFileName);
}

void JBAPDEr15::CreatePanel(zqp::Window* window) {
    zqpde::BasePrintPanel::CreatePanel(window);
    qspControlIDArray.clear();
    CreateControls();
}

JBAPDEr15::~JBAPDEr15() {
    terminate();
    qspControlIDArray.clear();
}

void JBAPDEr15::CreateInfoLists(ppd_file_t* ppd) {
    zqp::View* v = jbaView;
    // The product that shows the information list alone has no title for it.
    const std::string accounting = zqpde::FixPPDKeywordAccordingToType(ppd, "ZQXAccountingSettings");
    if (!zqpde::CheckIfPPDKeywordSupported(ppd, accounting.c_str(), "Default05")) {
        auto infoTitle = std::make_unique<JBAInfoSettingStaticTextCtrlARK>();
        infoTitle->CreateControl(v->viewWithTag(jbaInfoSettingTitleTag), "JBA Account Info Setting Text");
        AddNewControl(std::move(infoTitle));
    }
    auto info = std::make_unique<JBAInfoListCtrlARK>();
    info->CreateControl(v->viewWithTag(jbaInfoSettingListTag), &jbaMngSetInfoIDLboxIniData,
                        jbaInfoSettingModeLboxCnstrnInfoPtr, &jbaInfoLboxAcssInfo, "JBA Account Info Setting",
                        &kCurrentUser);
    jbaInfoSettingListCtrl = AddNewControl(std::move(info));

    auto infoSet = std::make_unique<JBAInfoSetListCtrlARK>();
    infoSet->CreateControl(v->viewWithTag(jbaInfoSetListTag), &jbaMngSetInfoModeIDLboxIniData, nullptr,
                           &jbaInfoSetLboxAcssInfo, &UserWndTags::caseConstrain, &AdminWndTags::caseConstrain,
                           &kAnyUser);
    jbaInfoSetListCtrl = AddNewControl(std::move(infoSet));

}

void JBAPDEr15::CreateControls() {
    ppd_file_t* ppd = GetCurrentPDECallbackObj() != nullptr ? GetCurrentPDECallbackObj()->ppdFile() : nullptr;
    const bool cdf = zqpde::ConstraintFileUsable(ppd);
    zqp::View* v = jbaView;
    auto title = std::make_unique<PTStaticTextEditControlARK>();
    title->CreateControl(v->viewWithTag(jbaMngTypeTitleTag), "JBA Account Mode Text");
    AddNewControl(std::move(title));

    auto mode = std::make_unique<JBAListCtrlARK>();
    // An OPS-PDF driver's list neither writes the ticket nor remembers.
    mode->CreateControl(v->viewWithTag(jobAcctTypeListTag), &jbaMngTypeLboxIniData, jbaMngTypeLboxCnstrnInfoPtr,
                        bIsOPSPDFDriver ? nullptr : &jbaMngTypeLboxAcssInfo, AdminWndTags::allButOKCancelHelp,
                        "JBA Account Mode", &kAnyUser);
    jobAcctTypeListCtrl = AddNewControl(std::move(mode));

    if (edition::kAccountingInfoLists) CreateInfoLists(ppd);

    AddNewControl(MakeVersionLabel(v->viewWithTag(jbaVerStringTag), cdf));

    auto details = std::make_unique<JBADetailSettingButARK>();
    details->CreateControl(v->viewWithTag(jbaDetailedSettingTag), "Detailed User Settings Btn");
    jbaDetailSettingButCtrl = AddNewControl(std::move(details));

    auto help = std::make_unique<JBAWndHelpButtonARK>();
    help->CreateControl(v->viewWithTag(jbaWndHelpButtonTag), "JBA.htm");
    jbaWndHelpButtonCtrlPtr = AddNewControl(std::move(help));

    const bool kZELPDFDriver = bIsOPSPDFDriver;
    jbaInfoAdminWnd = std::make_unique<JBAInfoAdminWndARK>(jbaInfoAdminWndOutlet, "Admin Window Title String",
                                                           &qspControlIDArray, kZELPDFDriver, ppd);
    jbaInfoWnd = std::make_unique<JBAInfoWndARK>(jbaInfoWndOutlet, "User Window Title String", &qspControlIDArray,
                                                 kZELPDFDriver, ppd);
    jbaInputWndRes = std::make_unique<JBAInputWindowARK>(
        jbaInputWndOutlet, "Input Window Title String", &qspControlIDArray,
        std::vector<int32_t>(std::begin(InputWndTags::defaults), std::end(InputWndTags::defaults)), kZELPDFDriver, ppd);
    RunTimeAddNewWindow(jbaInfoAdminWnd.get());
    RunTimeAddNewWindow(jbaInfoWnd.get());
    RunTimeAddNewWindow(jbaInputWndRes.get());
}

JBAInfoWindowARK* JBAPDEr15::getjbaInfoAdminWnd() const { return jbaInfoAdminWnd.get(); }
JBAInfoWindowARK* JBAPDEr15::getjbaInfoWnd() const { return jbaInfoWnd.get(); }

int32_t JBAPDEr15::InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) {
    // Editions without the accounting-information lists have no customised prompt.
    bIsCostomizeUserPromptExist = edition::kAccountingInfoLists && zqpde::CheckPPDKeyIsExist(ppd, "ZQSelectID");
    if (bIsCostomizeUserPromptExist) iCostomizeUserPromptValue = zqpde::GetValueFromPPD(ppd, "ZQSelectID", jbaSettingStr);
    if (std::string table = zqpde::TextTableFromPPD(ppd); !table.empty()) LocalizeTableName = table;
    UseTextTable(*this, LocalizeTableName);
    for (zqpde::BasePrintPanel* w : fWindowGroupArray)
        if (w != nullptr) UseTextTable(*w, LocalizeTableName);
    return zqpde::BasePrintPanel::InitializeUserPane(bundle, ppd);
}

bool JBAPDEr15::restoreValuesAndReturnError(std::string* error) { return OpenPDE("restoreValuesAndReturnError", error); }

void JBAPDEr15::RestoreValues(ppd_file_t*, bool first) {
    SetUIDataToIniData();
    if (!first) ResetControlStatus();
    GetRememberedValues();
    SetCurrentValueToUI();
}

int32_t JBAPDEr15::getAccountMode() const {
    return jobAcctTypeListCtrl != nullptr ? jobAcctTypeListCtrl->getwhichPreferenceKey() : -1;
}

int32_t JBAPDEr15::getInfoSetMode() const {
    auto* view = jbaInfoSetListCtrl != nullptr ? dynamic_cast<zqp::PopUpButton*>(jbaInfoSetListCtrl->GetControlPtr())
                                               : nullptr;
    return view != nullptr ? view->indexOfSelectedItem() + 1 : -1;
}

bool JBAPDEr15::getbInputWndVisible() const {
    const JBAInfoWindowARK* window = getAccountMode() == 0   ? jbaInfoAdminWnd.get()
                                     : getAccountMode() == 1 ? jbaInfoWnd.get()
                                                             : nullptr;
    return window != nullptr && window->getbEnterUserDetails();
}

bool JBAPDEr15::OnClickPrintCommand() {
    if (jbaInputWndRes == nullptr) {
        // With no input window there is nobody to ask: the job may print.
        JobStatus = kJobMayPrint;
        return true;
    }
    const bool visible = getbInputWndVisible();
    if (bIsCostomizeUserPromptExist && getInfoSetMode() == kCaseNoDetails) {
        jbaInputWndRes->SimulateWindow();
        JobStatus = kJobMayPrint;
    } else if (visible) {
        // Only the window's OK lets the job print; a window closed any other
        // way leaves it refused.
        JobStatus = kJobMayNotPrint;
        jbaInputWndRes->Present();
    } else {
        JobStatus = kJobMayPrint;
    }
    return JobStatus == kJobMayPrint;
}

bool JBAPDEr15::WriteTicketTo(zqp::PrintSettings* settings) {
    if (settings == nullptr) return false;
    SetValueToTicket(settings, false, &qspControlIDArray);
    // The job prints whatever this answers; a failed key is logged.
    if (!SetInformationToTicket(settings, false)) zqp::Log("JBAPDE : host information not fully written");
    return true;
}

bool JBAPDEr15::shouldPrint() {
    zqp::DialogHost* host = GetCurrentPDECallbackObj();
    zqp::PrintSession* session = host != nullptr ? host->printSession() : nullptr;
    zqp::DestinationType destination = zqp::DestinationType::kPrinter;
    if (session == nullptr || session->GetDestinationType(destination) != zqp::kNoErr ||
        destination != zqp::DestinationType::kPrinter)
        return true;
    if (bFirstInitialzePDE) SimulationOpenPDE(nullptr);
    if (!OnClickPrintCommand()) return false;
    return SaveRememberedValues(host->printSettings());
}

bool JBAPDEr15::saveValuesAndReturnError(std::string*) {
    if (bFirstInitialzePDE) return true;
    return SaveRememberedValues(GetCurrentPMPrintSettings());
}

std::unique_ptr<zqp::Panel> CreateJBAPanel(zqp::DialogHost* host, int32_t productType, bool opsPdf) {
    auto panel = std::make_unique<JBAPDEr15>(host);
    panel->setPDEType(productType);
    panel->setOPSPDFDriver(opsPdf);
    return panel;
}

}  // namespace zqacct
