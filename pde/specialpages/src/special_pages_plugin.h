#pragma once
// The principal class of the special-pages extension and its panel. The panel
// keeps the record list; it restores the list from its own copy in the ticket
// and writes the JTIF values, counts, paper arrays and flags on save and at
// the print gate. The summary list's controls and the editor windows are
// built on top of this.
#include <zqp/extension.h>

#include <cups/ppd.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "special_pages_ticket.h"
#include "zqpde/base_print_panel.h"

namespace zqp {
class Bundle;
class View;
}  // namespace zqp

namespace zqsp {

inline constexpr const char* kSpecialPagesPanelKind = "com.tavelle.r15.pde.SpecialPagesKind";

// The nib the PPD asks for ("ZQSpecialPages_" + nib part of the attribute
// "ZQXSpecialPagesSettings"), when the bundle holds that nib and the help
// page "Help/SpecialPagesMain_<help part>.htm"; nothing otherwise.
std::optional<std::string> SpecialPagesNibFromPPD(ppd_file_t* ppd, const zqp::Bundle* bundle);

// The PPD's paper choices and the job's paper as the ticket output needs them.
PaperContext PaperContextFromPPD(ppd_file_t* ppd);

class SpecialPagesPDEr15 : public zqp::Panel, public zqpde::BasePrintPanel {
public:
    SpecialPagesPDEr15(zqp::DialogHost* host, std::string nibName);
    ~SpecialPagesPDEr15() override;

    zqp::View* panelView() override;
    std::string panelName() override;
    std::string panelKind() override { return kSpecialPagesPanelKind; }
    std::vector<std::string> supportedPPDOptionKeys() override { return {}; }
    void willShow() override;
    bool shouldHide() override;
    bool shouldPrint() override;
    bool restoreValuesAndReturnError(std::string* error) override;
    bool saveValuesAndReturnError(std::string* error) override;

    SPRecordList& records() { return records_; }
    const std::string& nibFileName() const { return currentPDENibFileName; }
    bool active() const { return isActive; }

private:
    bool SimulationOpenPDE(std::string* error);
    bool WriteTicket();

    bool bFirstInitialzePDE = true;
    bool isActive = false;
    std::string currentPDENibFileName;
    std::string thePDEName;
    zqp::View* SpecialPagesView = nullptr;
    SPRecordList records_;
};

class SpecialPagesPDEPluginr15 : public zqp::PlugIn {
public:
    bool initWithBundle(zqp::Bundle* bundle) override;
    // One panel for the print dialog when the PPD asks for it; none otherwise.
    std::vector<std::unique_ptr<zqp::Panel>> PDEPanelsForType(const std::string& type, zqp::DialogHost* host) override;
};

}  // namespace zqsp
