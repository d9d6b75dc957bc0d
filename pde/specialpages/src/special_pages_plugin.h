#pragma once
// The principal class of the special-pages extension and its panel. The panel
// keeps the record list; it restores the list from its own copy in the ticket
// and writes the JTIF values, counts, paper arrays and flags on save and at
// the print gate. The summary list's controls and the editor windows are
// built on top of this.
#include <zqp/extension.h>

#include <cups/ppd.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sp_services.h"
#include "special_pages_ticket.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/constraint_hash.h"
#include "zqpde/extension_panel.h"
#include "zqpde/panel_factory.h"

namespace zqp {
class Bundle;
class View;
}  // namespace zqp

namespace zqsp {

class SPSummaryScrollViewCtrl;
class SPUndoButCtrlARK;
class SPWarningWndARK;

// The nib of the editor windows, shared by every product's panel nib.
inline constexpr const char* kWindowsNib = "ZQSpecialPagesWindows";
// The OS version code from which the print type is read from the ticket.
inline constexpr int32_t kPrintTypeInTicketVersion = 0x1070;
inline constexpr const char* kSpecialPagesPanelKind = "com.tavelle.r15.pde.SpecialPagesKind";

// The nib the PPD asks for ("ZQSpecialPages_" + nib part of the attribute
// "ZQXSpecialPagesSettings"), when the bundle holds that nib and the help
// page "Help/SpecialPagesMain_<help part>.htm"; nothing otherwise.
std::optional<std::string> SpecialPagesNibFromPPD(ppd_file_t* ppd, const zqp::Bundle* bundle);

// The PPD's paper choices and the job's paper as the ticket output needs them.
PaperContext PaperContextFromPPD(ppd_file_t* ppd);

// The editor windows the panel holds; the window code installs them.
enum class SPWindowRole { kCovers, kInserts, kExceptions, kCustomSize, kAdvancedPaper };

class SpecialPagesPDEr15 : public zqpde::ExtensionPanel, public SPPanelServices {
public:
    SpecialPagesPDEr15(zqp::DialogHost* host, std::string nibName);
    ~SpecialPagesPDEr15() override;

    std::string panelName() override;
    std::string panelKind() override { return kSpecialPagesPanelKind; }
    // Nothing (the panel follows no option); builds the constraint map.
    std::vector<std::string> supportedPPDOptionKeys() override;
    void willShow() override;
    bool shouldHide() override;
    bool shouldPrint() override;
    bool shouldShowHelp() override;
    bool saveValuesAndReturnError(std::string* error) override;
    // The panel gives no summary.
    zqp::Summary summaryInfo() override { return {}; }

    void CreatePanel(zqp::Window* window) override;

    // SPPanelServices.
    SPSummaryScrollViewCtrl* getSPSummaryScrollViewCtrlPtr() override { return summaryList_; }
    SPAdvancedPaperWindow* getAdvSeleWndPtr() override;
    SPCustomSizeWindow* getCustomSizeWndPtr() override;
    zqpde::PopupWinInPanel* getSPAddCoversWndPtr() override { return Window(SPWindowRole::kCovers); }
    zqpde::PopupWinInPanel* getSPAddInsertWndPtr() override { return Window(SPWindowRole::kInserts); }
    zqpde::PopupWinInPanel* getSPAddExceptionsWndPtr() override { return Window(SPWindowRole::kExceptions); }
    bool sureToMakeChange(int32_t kind) override;
    void toMakeChange() override;
    void setTabStockValue(int32_t value) override { tabStockValue = value; }
    int32_t getTabStockValue() override { return tabStockValue; }
    void setTabMarginListValue(int32_t value) { tabMarginListValue = value; }
    int32_t getTabMarginListValue() const { return tabMarginListValue; }
    void setTabMarginValue(int32_t value) { tabMarginValue = value; }
    int32_t getTabMarginValue() const { return tabMarginValue; }
    SPUndoButCtrlARK* getSPUndoButtonPtr() { return undoButton_; }
    zqp::View* getSpecialPagesView() { return SpecialPagesView; }

    // A window the panel owns from now on, in the role given; it joins the
    // panel's window group (so it is initialised and gets the constraint
    // map). Call it from CreatePanel's window step.
    void InstallWindow(SPWindowRole role, std::unique_ptr<zqpde::PopupWinInPanel> window);
    // The custom size and advanced paper windows, from the windows nib.
    void InstallEditorWindows();
    zqpde::PopupWinInPanel* Window(SPWindowRole role) const;
    // A nib window of the panel's nib by outlet name (nullptr when absent).
    zqp::Window* NibWindow(const std::string& outlet) const;

    SPRecordList& records() { return records_; }
    const std::string& nibFileName() const { return currentPDENibFileName; }
    bool active() const { return isActive; }
    // The constraint map in use (nullptr before the first build).
    const zqpde::ConstraintHash* constraintMap() const { return constraintMap_.get(); }

protected:
    std::string NibName() override { return currentPDENibFileName; }
    void BindOutlets(zqp::Outlets& outlets) override;
    zqp::View* View() const override { return SpecialPagesView; }
    // The editor windows every product shares, from their own nib.
    void ViewLoaded(const zqp::Outlets& outlets) override;
    // The keyword list, and without a constraint file the map afresh from
    // the PPD, before the controls show their values.
    void PrepareOpen(ppd_file_t* ppd) override;
    zqp::Window* FirstOpenWindow() override;
    // The constraint map handed to the panel and its windows, and the
    // settings in place, before the controls are set up.
    void InitializeFirstOpen(zqp::DialogHost* host, ppd_file_t* ppd) override;
    // The windows' pop-ups follow what was marked since, too.
    void RestoreValues(ppd_file_t* ppd, bool first) override;
    // The record list restores itself from its own copy before the controls.
    void BeforeTicketValues(bool first) override;

private:
    bool WriteTicket();
    // The print type that tells a mailbox job: from 10.7 on the ticket's,
    // before that the printer's remembered one (the account panel writes no
    // ticket value there). Nothing when it cannot be read.
    std::optional<std::string> JobPrintType(const TicketReader& ticket);
    // Fills the map from the PPD's own constraints of the options in
    // zqPPDKeywordList and hands it to every window; 0.
    int32_t xSeteppd(ppd_file_t* ppd, zqpde::ConstraintHash* map);
    void UseConstraintMap(std::unique_ptr<zqpde::ConstraintHash> map);

    bool isActive = false;
    std::string currentPDENibFileName;
    std::string thePDEName;
    zqp::View* SpecialPagesView = nullptr;
    zqp::Window* warningWindowOutlet = nullptr;
    std::map<std::string, zqp::Window*> nibWindows_;
    SPRecordList records_;
    SPSummaryScrollViewCtrl* summaryList_ = nullptr;
    SPUndoButCtrlARK* undoButton_ = nullptr;
    zqpde::BaseControl* helpButton_ = nullptr;
    std::unique_ptr<SPWarningWndARK> warningWindow_;
    std::map<SPWindowRole, std::unique_ptr<zqpde::PopupWinInPanel>> windows_;
    std::unique_ptr<zqpde::ConstraintHash> constraintMap_;
    int32_t tabStockValue = 3, tabMarginListValue = 1, tabMarginValue = 127;
};

class SpecialPagesPDEPluginr15 : public zqpde::ExtensionPlugIn {
protected:
    // One panel when the PPD asks for it; none otherwise.
    std::vector<std::unique_ptr<zqp::Panel>> PanelsForPPD(ppd_file_t* ppd, zqp::Bundle* bundle,
                                                          zqp::DialogHost* host) override;
};

}  // namespace zqsp
