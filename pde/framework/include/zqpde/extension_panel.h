#pragma once
// ExtensionPanel: an extension's top-level panel, the print dialog's panel
// (zqp::Panel) on a BasePrintPanel, with the plumbing every extension's
// panel class drives the framework with: loading its nib once, the open
// (restore, and the print gate's build of a panel never shown), the value
// steps of an open, the remembered values by OS version, committing what
// the view shows and writing the ticket.
//
// What stays the panel's own is handed in through hooks: its nib and
// outlets, what the first open does beside InitializeUserPane, and the
// values step of every open. Each panel keeps its own print gate and save
// and builds them from the pieces below, so its sequence of steps stays
// its own.
#include <zqp/extension.h>
#include <zqp/nib.h>

#include <cups/ppd.h>

#include <cstdint>
#include <string>

#include "zqpde/base_print_panel.h"

namespace zqp {
class DialogHost;
class PrintSettings;
class View;
class Window;
}  // namespace zqp

namespace zqpde {

class ExtensionPanel : public zqp::Panel, public BasePrintPanel {
public:
    // ---- print-dialog protocol: the answers every panel gives alike ----
    // The view, its nib loaded on first ask (LoadView("panelView")).
    zqp::View* panelView() override;
    // OpenPDE("SimulationOpenPDE", error).
    bool restoreValuesAndReturnError(std::string* error) override;
    // The framework's answers: nothing, and true.
    void willShow() override;
    bool shouldHide() override;
    // The controls' and windows' summary (SummaryOfControls).
    zqp::Summary summaryInfo() override;

    // True until the first open (restore or print gate) has run.
    bool IsFirstInitialize() const { return bFirstInitialzePDE; }

protected:
    // Keeps the dialog host (initWithCallback). logName heads the panel's
    // log lines ("<logName> : <tag> - <top-level objects>"); nullptr for
    // none.
    ExtensionPanel(zqp::DialogHost* host, const char* logName);

    // ---- the nib ----
    virtual std::string NibName() = 0;
    virtual void BindOutlets(zqp::Outlets& outlets) = 0;
    // The panel's view; nullptr before the nib gave it.
    virtual zqp::View* View() const = 0;
    // Loads the nib once from pluginBundle with the panel's outlets: true at
    // once when the view is there; false (with the message) when the nib
    // cannot be loaded; else the load is logged (with a tag), ViewLoaded
    // runs, and the answer is whether the view came.
    virtual bool LoadView(const char* logTag, std::string* error);
    // After the nib was loaded, with the same outlets (nothing here).
    virtual void ViewLoaded(const zqp::Outlets& outlets);

    // ---- the open ----
    // Without the host's PPD true, and nothing else. The view (false when it
    // cannot be loaded); PrepareOpen; on the first open CreatePanel with
    // FirstOpenWindow(), RegisterMyHelpBook, InitializeFirstOpen; every time
    // SetCurrentPrintSettings with the host's settings, PPD and session,
    // SetCurrentPrintSession, then RestoreValues. Answers false when the
    // help book could not be registered at the first open.
    bool OpenPDE(const char* logTag, std::string* error);
    // OpenPDE as the print gate runs it on a panel never opened.
    bool SimulationOpenPDE(std::string* error);
    // Before the first-open steps, at every open (nothing here).
    virtual void PrepareOpen(ppd_file_t* ppd);
    // The window CreatePanel keeps (nullptr here).
    virtual zqp::Window* FirstOpenWindow();
    // InitializeUserPane(pluginBundle, ppd); a panel with more to set up
    // first (its constraint hash, settings it reads) does it here.
    virtual void InitializeFirstOpen(zqp::DialogHost* host, ppd_file_t* ppd);
    // The values step of every open; first tells the first open.
    virtual void RestoreValues(ppd_file_t* ppd, bool first) = 0;

    // ---- value steps of an open ----
    // The values of a panel read back from the ticket: on the first open
    // the IniData values, BeforeTicketValues, every control's ticket value
    // (GetValueFromPreset), shown; on a later open the PPD conflicts again.
    void ShowTicketValues(ppd_file_t* ppd, bool first);
    virtual void BeforeTicketValues(bool first);
    // The remembered values where this system keeps them:
    // GetValueFromPreference before the emulated 10.7,
    // GetValueFromPreferenceWithPrinterSettings from 10.7 on; likewise the
    // two writers. A panel with values of its own beside its controls'
    // reads and keeps them around these.
    virtual int32_t GetRememberedValues();
    virtual int32_t SetRememberedValues();

    // ---- save and print gate ----
    // Every control commits what its view shows (SetValueFromUIToControl);
    // nothing before the view is loaded.
    void CommitShownValues();
    // The ticket pass into settings (SetValueToTicket without lock); false
    // without settings. A panel with more to write overrides it.
    virtual bool WriteTicketTo(zqp::PrintSettings* settings);
    // The save of a panel with remembered values: CommitShownValues,
    // SetRememberedValues, and when that is 0 WriteTicketTo(settings); true
    // exactly when the values were remembered.
    bool SaveRememberedValues(zqp::PrintSettings* settings);
    // The save right after a print gate that wrote the ticket: the gate
    // notes it, the save takes it (true once, then false until noted again).
    void NotePrintGateWrote() { printGateWrote_ = true; }
    bool TakePrintGateWrote();

    // The dialog's help request answered by the panel's help button: when
    // the button names a page (its page accessor), the button opens it and
    // the dialog opens none (false); otherwise help is the dialog's (true).
    template <class HelpButton>
    static bool HelpByButton(HelpButton* button, const std::string& (HelpButton::*page)() const) {
        if (button == nullptr || (button->*page)().empty()) return true;
        button->UIEventHandler();
        return false;
    }

    bool bFirstInitialzePDE = true;

private:
    const char* logName_;
    bool printGateWrote_ = false;
};

}  // namespace zqpde
