#include "special_pages_plugin.h"

#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/system.h>
#include <zqp/nib.h>

#include "settings_ticket.h"
#include "zqpde/app_resources.h"
#include "zqpde/panel_factory.h"
#include "zqpde/ppd_util.h"

namespace zqsp {

std::optional<std::string> SpecialPagesNibFromPPD(ppd_file_t* ppd, const zqp::Bundle* bundle) {
    auto r = zqpde::PanelResourcesFromPPD(ppd, bundle, "ZQXSpecialPagesSettings", "ZQSpecialPages_",
                                          "SpecialPagesMain_");
    if (!r) return std::nullopt;
    return "ZQSpecialPages_" + r->nibPart;
}

namespace {

std::vector<std::string> ChoiceKeywords(ppd_file_t* ppd, const char* option) {
    std::vector<std::string> keywords;
    if (ppd_option_t* o = ppdFindOption(ppd, option))
        for (int i = 0; i < o->num_choices; ++i) keywords.emplace_back(o->choices[i].choice);
    return keywords;
}

}  // namespace

PaperContext PaperContextFromPPD(ppd_file_t* ppd) {
    PaperContext paper;
    if (ppd == nullptr) return paper;
    paper.pageSizes = ChoiceKeywords(ppd, "PageSize");
    paper.mediaTypes = ChoiceKeywords(ppd, "MediaType");
    paper.mediaColors = ChoiceKeywords(ppd, "ZQMediaColor");
    if (ppd_size_t* size = ppdPageSize(ppd, nullptr)) {
        paper.jobPageWidth = JobPaperHundredths(size->width);
        paper.jobPageLength = JobPaperHundredths(size->length);
    }
    if (ppd_choice_t* duplex = ppdFindMarkedChoice(ppd, "Duplex")) paper.jobDuplex = duplex->choice;
    return paper;
}

SpecialPagesPDEr15::SpecialPagesPDEr15(zqp::DialogHost* host, std::string nibName)
    : currentPDENibFileName(std::move(nibName)) {
    initWithCallback(host);
}

SpecialPagesPDEr15::~SpecialPagesPDEr15() { terminate(); }

zqp::View* SpecialPagesPDEr15::panelView() {
    if (SpecialPagesView == nullptr) {
        zqp::Outlets outlets;
        outlets.bind("SpecialPagesView", SpecialPagesView);
        loadNibNamed(currentPDENibFileName, outlets, nullptr);
    }
    return SpecialPagesView;
}

std::string SpecialPagesPDEr15::panelName() {
    zqp::DialogHost* host = GetCurrentPDECallbackObj();
    ppd_file_t* ppd = host != nullptr ? host->ppdFile() : nullptr;
    std::string table = "Localizable";
    if (ppd_attr_t* a = ppd != nullptr ? zqpde::ppdFindAttr_ALT(ppd, "ZQLocalizableFileIndex", nullptr) : nullptr;
        a != nullptr && a->value != nullptr)
        table += a->value;
    LocalizeTableName = table;
    if (thePDEName.empty() && zqpde::pluginBundle != nullptr)
        thePDEName = zqpde::pluginBundle->localizedString("PDE Title", zqp::kNoTranslation, table);
    return thePDEName;
}

void SpecialPagesPDEr15::willShow() {
    isActive = true;
    zqpde::BasePrintPanel::willShow();
}

bool SpecialPagesPDEr15::shouldHide() {
    isActive = false;
    return true;
}

bool SpecialPagesPDEr15::SimulationOpenPDE(std::string*) {
    zqp::DialogHost* host = GetCurrentPDECallbackObj();
    ppd_file_t* ppd = host != nullptr ? host->ppdFile() : nullptr;
    if (ppd == nullptr) return true;
    // The record list restores itself from its own copy; a ticket without a
    // readable count leaves the list as it was.
    RestoreRecordCopy(records_, SettingsTicketReader(host->printSettings()));
    bFirstInitialzePDE = false;
    return true;
}

bool SpecialPagesPDEr15::WriteTicket() {
    zqp::DialogHost* host = GetCurrentPDECallbackObj();
    zqp::PrintSettings* settings = host != nullptr ? host->printSettings() : nullptr;
    if (settings == nullptr) return false;
    ppd_file_t* ppd = host->ppdFile();
    const TicketReader read = SettingsTicketReader(settings);
    SettingsTicketWriter writer(settings, false);
    bool ok = true;
    WriteJTIFTicket(records_, PaperContextFromPPD(ppd),
                    IsMailboxPrintType(read(std::string(kTicketNamespace) + "PrintTypeTicketKey")), writer, ok);
    // A failed write must not pass for a saved ticket.
    return WriteRecordCopy(records_, writer) && ok;
}

bool SpecialPagesPDEr15::restoreValuesAndReturnError(std::string* error) { return SimulationOpenPDE(error); }

bool SpecialPagesPDEr15::saveValuesAndReturnError(std::string*) { return WriteTicket(); }

bool SpecialPagesPDEr15::shouldPrint() {
    if (bFirstInitialzePDE) SimulationOpenPDE(nullptr);
    return WriteTicket();
}

bool SpecialPagesPDEPluginr15::initWithBundle(zqp::Bundle* bundle) {
    if (zqpde::pluginBundle == nullptr) zqpde::pluginBundle = bundle;
    return true;
}

std::vector<std::unique_ptr<zqp::Panel>> SpecialPagesPDEPluginr15::PDEPanelsForType(const std::string& type,
                                                                                     zqp::DialogHost* host) {
    std::vector<std::unique_ptr<zqp::Panel>> panels;
    std::optional<std::string> nib = SpecialPagesNibFromPPD(zqpde::PrintDialogPPD(type, host), zqpde::ExtensionBundle());
    if (!nib) return panels;
    zqp::Log("SpecialPagesPDE : RealChoiceStringNib1 - %s", nib->c_str());
    panels.push_back(std::make_unique<SpecialPagesPDEr15>(host, *nib));
    zqp::Log("SpecialPagesPDE : RealChoiceStringNib2 - %s", nib->c_str());
    return panels;
}

}  // namespace zqsp

ZQP_DEFINE_PLUGIN(zqsp::SpecialPagesPDEPluginr15)
