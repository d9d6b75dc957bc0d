#pragma once
// The job-authentication panel of the Account extension: the account-mode
// list, the information and information-setting lists (the case that decides
// which details a printer asks for), the details and help buttons, the print
// gate, and the host information written with the job.
#include <zqp/extension.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "jba_tables.h"
#include "print_type_controls.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/extension_panel.h"
#include "zqpde/standard_controls.h"

namespace zqp {
class DialogHost;
}

namespace zqacct {

class JBAPDEr15;
class JBAInfoWindowARK;
class JBAInputWindowARK;

// The job-authentication panel a control belongs to (its own panel or that of
// its window); nullptr outside one.
JBAPDEr15* OwningJBAPanel(const zqpde::BaseControl& control);

// The account-mode list: 0 the administrator's settings apply, 1 the user's.
// A user who is not an administrator cannot change it.
class JBAListCtrlARK : public zqpde::PopupControl {
public:
    using zqpde::PopupControl::CreateControl;
    void CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const int32_t* const* paneConstrains,
                       const char* summaryRef, const zqp::PrefUser* usernamein);
    bool UIEventHandler() override;
    bool SimulationUIEventHandler() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    // A non-administrator in the first account mode gets every listed
    // control of the window disabled.
    void InitializeConstrains(zqpde::BasePrintPanel* window);
    int32_t getwhichPreferenceKey() const { return whichPreferenceKey; }
    void setwhichPreferenceKey(int32_t key) { whichPreferenceKey = key; }

private:
    int32_t whichPreferenceKey = 1;
    const int32_t* const* PaneConstrainsArray = nullptr;
    std::string summarytextRef;
};

// The information list ("User ID Fixed Text", "Billing ID Fixed Text",
// "Switch Enabled Text"): shown and written only for a printer with a
// customised user prompt ("ZQSelectID").
class JBAInfoListCtrlARK : public zqpde::PopupControl {
public:
    using zqpde::PopupControl::CreateControl;
    void CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const char* summaryRef, const zqp::PrefUser* usernamein);
    bool ConvertToTickectData(std::string& out) override;
    // The committed item number, with or without a customised prompt: the
    // "0" of the ticket is not a choice and must not come back as one.
    bool ConvertToPreferenceString(std::string& out) override;
    int32_t DoSelfUpdate() override;
    bool SimulationUIEventHandler() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;

private:
    std::string summarytextRef;
};

class JBAInfoSettingStaticTextCtrlARK : public PTStaticTextEditControlARK {
public:
    int32_t DoSelfUpdate() override;
};

// The information-setting list (hidden): "Case_1" to "Case_9", chosen from
// the prompt value and the information item.
class JBAInfoSetListCtrlARK : public zqpde::PopupControl {
public:
    using zqpde::PopupControl::CreateControl;
    void CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const zqpde::ConstrainInfo* forUser,
                       const zqpde::ConstrainInfo* forAdmin, const zqp::PrefUser* usernamein);
    // Disables in the window what the selected case leaves out (the
    // administrator or user table by the account mode).
    void InitializeConstrains(zqpde::BasePrintPanel* window);
    bool ConvertToTickectData(std::string& out) override;
    // Selects the case; case 8 disables the account-mode list and the details
    // button, any other case lifts that again. Each target holds at most one
    // disable from this rule, so its count cannot drift.
    int32_t Update() override;
    // The selection survives a reset.
    void ResetStatus() override {}

private:
    const zqpde::ConstrainInfo* PanelConstrainArrayUser = nullptr;
    const zqpde::ConstrainInfo* PanelConstrainArrayAdmin = nullptr;
    bool detailsDisabled_ = false;
    bool modeListDisabled_ = false;
};

// Opens the window of the account mode.
class JBADetailSettingButARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

// Help of the panel and its windows: the page is the prefix of the help file
// given at creation and the help key of the PPD's accounting value.
class JBAWndHelpButtonARK : public zqpde::BaseButton {
public:
    using zqpde::BaseButton::CreateControl;
    void CreateControl(zqp::View* view, const char* helpFile);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool UIEventHandler() override;
    void ResetStatus() override {}
    const std::string& RealHelpFileName() const { return realHelpfilename; }

private:
    std::string helpfilename, realHelpfilename;
};

class JBAPDEr15 : public zqpde::ExtensionPanel {
public:
    explicit JBAPDEr15(zqp::DialogHost* host);
    ~JBAPDEr15() override;

    // ---- print-dialog protocol ----
    std::string panelName() override;
    std::string panelKind() override;
    bool shouldShowHelp() override;
    // A job for another destination than a printer passes at once; for a
    // printer a panel never restored is built, the details asked for at
    // print, then the save.
    bool shouldPrint() override;
    bool restoreValuesAndReturnError(std::string* error) override;
    bool saveValuesAndReturnError(std::string* error) override;

    // ---- framework ----
    void CreatePanel(zqp::Window* window) override;
    int32_t InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) override;

    bool OnClickPrintCommand();
    // The ticket pass of every control (the listed fields scrambled), then
    // the host information; false without settings.
    bool WriteTicketTo(zqp::PrintSettings* settings) override;

    // ---- what the controls and windows ask of the panel ----
    const ProductInfoItem* getJBAProductInfoPtr() const { return edition::JBAProductInfo; }
    int32_t getJBAProductInfoCont() const { return static_cast<int32_t>(edition::kJBAProductCount); }
    // A type outside 0..7 is kept as 0.
    void setPDEType(int32_t type);
    // The OPS-PDF driver (a TELD device model): its windows' fields hold no data.
    void setOPSPDFDriver(bool on) { bIsOPSPDFDriver = on; }
    bool getOPSPDFDriver() const { return bIsOPSPDFDriver; }
    int32_t getPDEType() const { return pdeType; }
    const char* getPDENibFileNamePrintType() const;
    std::vector<zqp::View*>& getEncryptArray() { return qspControlIDArray; }
    void setJobStatus(int32_t status) { JobStatus = status; }
    int32_t getJobStatus() const { return JobStatus; }
    JBAListCtrlARK* getjobAcctTypeListCtrlPtr() const { return jobAcctTypeListCtrl; }
    JBAListCtrlARK* getjbaMngTypeLboxCtrl() const { return jobAcctTypeListCtrl; }
    JBAInfoListCtrlARK* getjbaInfoListCtrlPtr() const { return jbaInfoSettingListCtrl; }
    JBAInfoSetListCtrlARK* getjbaInfoSetListCtrlPtr() const { return jbaInfoSetListCtrl; }
    JBADetailSettingButARK* getjbaInfoWndPushCtrlPtr() const { return jbaDetailSettingButCtrl; }
    JBAInfoWindowARK* getjbaInfoAdminWnd() const;
    JBAInfoWindowARK* getjbaInfoWnd() const;
    JBAInputWindowARK* getjbaInputWnd() const { return jbaInputWndRes.get(); }
    ppd_file_t* getPPDFile() { return GetCurrentPPD(); }
    bool checkIsCostomizeUserPromptExist() const { return bIsCostomizeUserPromptExist; }
    bool bIsOPSPDFDriver = false;
    int32_t getCostomizeUserPromptValue() const { return iCostomizeUserPromptValue; }
    // The item last chosen in the account-mode list; -1 without the list.
    int32_t getAccountMode() const;
    // The selected case item + 1; -1 without the list.
    int32_t getInfoSetMode() const;
    // Whether the account mode's window asks for the details at print.
    bool getbInputWndVisible() const;
    const std::string& TextTable() const { return LocalizeTableName; }

protected:
    std::string NibName() override { return getPDENibFileNamePrintType(); }
    void BindOutlets(zqp::Outlets& outlets) override;
    zqp::View* View() const override { return jbaView; }
    // The IniData values, on a later open the disable and hide counts
    // afresh, the remembered values, shown.
    void RestoreValues(ppd_file_t* ppd, bool first) override;

private:
    void CreateControls();
    // The accounting-information list, its title and the hidden case list.
    void CreateInfoLists(ppd_file_t* ppd);

    zqp::View* jbaView = nullptr;
    zqp::Window* jbaInfoAdminWndOutlet = nullptr;
    zqp::Window* jbaInfoWndOutlet = nullptr;
    zqp::Window* jbaInputWndOutlet = nullptr;

    int32_t JobStatus = 0;
    int32_t pdeType = 0;
    bool bIsCostomizeUserPromptExist = false;
    int32_t iCostomizeUserPromptValue = -1;
    std::vector<zqp::View*> qspControlIDArray;
    std::string cachedName_;

    JBAListCtrlARK* jobAcctTypeListCtrl = nullptr;
    JBAInfoListCtrlARK* jbaInfoSettingListCtrl = nullptr;
    JBAInfoSetListCtrlARK* jbaInfoSetListCtrl = nullptr;
    JBADetailSettingButARK* jbaDetailSettingButCtrl = nullptr;
    JBAWndHelpButtonARK* jbaWndHelpButtonCtrlPtr = nullptr;
    std::unique_ptr<JBAInfoWindowARK> jbaInfoAdminWnd;
    std::unique_ptr<JBAInfoWindowARK> jbaInfoWnd;
    std::unique_ptr<JBAInputWindowARK> jbaInputWndRes;
};

// The panel for the product type (0 to 7 of the job-authentication product
// table), marked to build its controls at the first restore or print.
std::unique_ptr<zqp::Panel> CreateJBAPanel(zqp::DialogHost* host, int32_t productType, bool opsPdf = false);

}  // namespace zqacct
