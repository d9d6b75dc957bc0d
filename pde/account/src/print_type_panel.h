#pragma once
// The print-type panel: the print-type list (normal, secure, sample, delayed,
// mailbox print), the Setup button and the four setup windows, the values the
// windows share (user ID, document-name type, document name), the print gate
// with the pass-code check, and the ticket keys of the print type.
#include <zqp/extension.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "print_type_tables.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/extension_panel.h"
#include "zqpde/standard_controls.h"

namespace zqacct {

class SetupWindowARK;
class SecurePrintWindowARK;
class SamplePrintWindowARK;
class DelayedPrintWindowARK;
class MailBoxPrintWindowARK;
class ErrMsgWindow;
class AboutWindow;
class PrintTypeHelpBtnARK;

// The print-type list: items from the description table, enabled as the
// printer's storage allows; mailbox print only when the PPD offers it.
class PTListCtrlARK : public zqpde::PopupControl {
public:
    using zqpde::PopupControl::CreateControl;
    void CreateControl(zqp::View* view, const char* mailboxKey, const zqpde::ListCtrlIniData* iniData,
                       const zqpde::ConstrainInfo* constrainArray, const zqpde::AccessInfo* accessInfo,
                       const zqp::PrefUser* usernamein, const int32_t* const* validation, const char* summaryInfo,
                       const char* titleInfo);
    bool InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool UIEventHandler() override;
    bool SetControlValueToUI() override;
    virtual bool ToGetSummaryText();
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    bool MailboxSupported() const { return mailboxSupported_; }

private:
    std::string mailboxKey_, summarytextRef, titletextRef;
    const int32_t* const* validateControlArray = nullptr;
    bool mailboxSupported_ = false;
};

// Which print-type items the PPD leaves enabled; nullptr when all are.
const char* const* PrintTypeAvailabilityFromPPD(ppd_file_t* ppd);

// The Setup button: opens the window of the chosen print type.
class PTSetupButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

class PrintTypePDEr15 : public zqpde::ExtensionPanel {
public:
    explicit PrintTypePDEr15(zqp::DialogHost* host);
    ~PrintTypePDEr15() override;

    // ---- print-dialog protocol ----
    std::string panelName() override;
    std::string panelKind() override;
    bool shouldShowHelp() override;
    bool shouldPrint() override;
    bool saveValuesAndReturnError(std::string* error) override;

    // ---- framework ----
    void CreatePanel(zqp::Window* window) override;
    int32_t InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // The values a preset carries: the print type, names and pass code as
    // this panel wrote them to the ticket (escape and scrambling reversed).
    // A control the preset names no value for keeps what it holds.
    bool GetValueFromPreset() override;
    using zqpde::BasePrintPanel::SetValueToTicket;
    int32_t SetValueToTicket(zqp::PrintSettings* settings, bool lock,
                             const std::vector<zqp::View*>* encryptArray) override;
    // The ticket pass with the listed fields scrambled; false without settings.
    bool WriteTicketTo(zqp::PrintSettings* settings) override;
    void terminate() override;
    void* GetErrMsgPanel() override;

    bool OnClickPrintCommand();
    // Every control's check in order; false at the first refusal.
    bool ValidateUserPane();

    // ---- what the controls and windows ask of the panel ----
    std::string& getPrintTypeUserNameDataBlk() { return printTypeusernameDataBlkPtr; }
    int32_t& getPrintTypeDocumentListDataBlk() { return documentlistDataBlkPtr; }
    std::string& getPrintTypeDocumentNameDataBlk() { return documentnameeditDataBlkPtr; }
    PTListCtrlARK* getPrintTypeListCtrlPtr() const { return PrintTypeListCtrl; }
    SamplePrintWindowARK* getSamplePrintWndPtr() const { return ptSamplePrintWindow.get(); }
    SecurePrintWindowARK* getSecurePrintWndPtr() const { return ptSecurePrintWindow.get(); }
    DelayedPrintWindowARK* getDelayedPrintWndPtr() const { return ptDelayedPrintWindow.get(); }
    MailBoxPrintWindowARK* getMailBoxPrintWndPtr() const { return ptMailBoxPrintWindow.get(); }
    AboutWindow* getPassCodeAboutWndPtr() const { return passCodeAboutWnd.get(); }
    // The setup window of a print type (2 to 5); nullptr for others.
    SetupWindowARK* SetupWindowFor(int32_t printType) const;
    // The PPD names the shortest pass code the way the edition's notice asks
    // for it: an attribute in TELD, an option in ARK and kv29.
    bool IsPPDkeyPassCodeExist() const { return bPPDkeyPassCodeExist; }
    void setJobStatus(int32_t status) { JobStatus = status; }
    int32_t getJobStatus() const { return JobStatus; }
    int32_t getPDEType() const { return pdeType; }
    // A type outside 0..5 is kept as 0.
    void setPDEType(int32_t type);
    ppd_file_t* getPPDFile() { return GetCurrentPPD(); }
    // The print-type product is the reduced one (its value begins with
    // "Default04"): three print types, the login name as user ID. Kept per
    // panel, so two printers in one dialog do not share it.
    bool IsKeywordSupported() const { return bKeywordSupported; }
    // The OPS-PDF driver (a TELD device model): no names in the ticket, no
    // formatters on the name fields.
    void setOPSPDFDriver(bool on) { bIsOPSPDFDriver = on; }
    bool getOPSPDFDriver() const { return bIsOPSPDFDriver; }
    bool getZELPDFDriver() const { return false; }
    // The table the controls' texts come from ("Localizable<n>").
    const std::string& TextTable() const { return LocalizeTableName; }

protected:
    // The panel's own values (user name, document-name type, document name)
    // beside the controls'.
    int32_t GetRememberedValues() override;
    int32_t SetRememberedValues() override;
    std::string NibName() override;
    void BindOutlets(zqp::Outlets& outlets) override;
    zqp::View* View() const override { return PrintTypeView; }
    // As the job-authentication panel's, and a ticket this panel wrote (a
    // preset) read over the remembered values.
    void RestoreValues(ppd_file_t* ppd, bool first) override;

private:
    void CreateControls();
    bool RememberBlocks();
    void RecallBlocks();

    zqp::View* PrintTypeView = nullptr;
    zqp::Window* samplePrintWindowOutlet = nullptr;
    zqp::Window* securePrintWindowOutlet = nullptr;
    zqp::Window* delayedPrintWindowOutlet = nullptr;
    zqp::Window* mailBoxPrintWindowOutlet = nullptr;
    zqp::Window* errWindowOutlet = nullptr;
    zqp::Window* aboutWindowOutlet = nullptr;

    bool bKeywordSupported = false;
    bool bIsOPSPDFDriver = false;
    bool bPPDkeyPassCodeExist = false;
    int32_t JobStatus = kJobMayNotPrint;
    int32_t pdeType = 0;
    int32_t documentlistDataBlkPtr = 1;
    std::string printTypeusernameDataBlkPtr;
    std::string documentnameeditDataBlkPtr;
    std::vector<zqp::View*> qspControlIDArray;
    std::string cachedName_;

    PTListCtrlARK* PrintTypeListCtrl = nullptr;
    PrintTypeHelpBtnARK* PrintTypeHelpBtnCtrl = nullptr;
    std::unique_ptr<SamplePrintWindowARK> ptSamplePrintWindow;
    std::unique_ptr<SecurePrintWindowARK> ptSecurePrintWindow;
    std::unique_ptr<DelayedPrintWindowARK> ptDelayedPrintWindow;
    std::unique_ptr<MailBoxPrintWindowARK> ptMailBoxPrintWindow;
    std::unique_ptr<ErrMsgWindow> ErrMsgWndCtrl;
    std::unique_ptr<AboutWindow> passCodeAboutWnd;
};

}  // namespace zqacct
