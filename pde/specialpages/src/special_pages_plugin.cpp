#include "special_pages_plugin.h"

#include <algorithm>

#include <zqp/bundle.h>
#include <zqp/window.h>
#include <zqp/host.h>
#include <zqp/system.h>
#include <zqp/nib.h>
#include <zqp/preferences.h>

#include "advanced_paper_window.h"
#include "covers_window.h"
#include "exceptions_window.h"
#include "inserts_window.h"
#include "custom_size_window.h"
#include "icon_view.h"
#include "settings_ticket.h"
#include "summary_list.h"
#include "zqpde/app_resources.h"
#include "zqpde/os_version.h"
#include "zqpde/panel_factory.h"
#include "zqpde/ppd_util.h"
#include "zqpde/ticket_value.h"

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

namespace {

// Tags of the panel's nib.
constexpr int32_t kAddCoversIconTag = 111, kAddInsertsIconTag = 112, kAddExceptionsIconTag = 113;
constexpr int32_t kAddCoversTag = 100, kAddInsertsTag = 101, kAddExceptionsTag = 102, kSummaryTitleTag = 103,
                  kSummaryListTag = 104, kEditTag = 105, kDeleteTag = 106, kDeleteAllTag = 107, kUndoTag = 108,
                  kUpTag = 109, kDownTag = 110, kVersionTag = 114, kHelpTag = 115;
constexpr int32_t kWarningMessageTag = 301, kWarningOKTag = 302, kWarningCancelTag = 303, kWarningTitleTag = 305;

// Every change of the list re-evaluates the buttons that depend on it.
const int32_t* const kListUpdates[] = {&kEditTag,      &kDeleteTag,     &kUpTag,          &kDownTag,
                                       &kDeleteAllTag, &kAddInsertsTag, &kAddExceptionsTag, nullptr};
const zqpde::ConstrainTagList kListUpdateLists[] = {kListUpdates};
const zqpde::ConstrainInfo kListConstrainInfo = {{}, {}, zqpde::ConstrainListsOf(kListUpdateLists)};
const zqpde::AccessInfo kListAccessInfo = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber,
                                           "com.tavelle.qdm.printsettings.JTIFCommandTicket", nullptr};
const char* const kColumnTitles[] = {"Page(s) Title", "Type Title", "Setup Title", nullptr};

template <class T>
T* Add(zqpde::BasePrintPanel& panel, zqp::View* root, int32_t tag, std::unique_ptr<T> control, const char* title) {
    control->CreateControl(root->viewWithTag(tag), title);
    return panel.AddNewControl(std::move(control));
}

}  // namespace

SpecialPagesPDEr15::SpecialPagesPDEr15(zqp::DialogHost* host, std::string nibName)
    : zqpde::ExtensionPanel(host, nullptr), currentPDENibFileName(std::move(nibName)) {}

SpecialPagesPDEr15::~SpecialPagesPDEr15() {
    // Controls first: they refer to the windows and the list.
    terminate();
}

void SpecialPagesPDEr15::BindOutlets(zqp::Outlets& outlets) {
    outlets.bind("SpecialPagesView", SpecialPagesView);
    outlets.bind("SPWarningWindow", warningWindowOutlet);
    // The editor windows' outlets, for the code that installs them.
    for (const char* name : {"SPAddCoversWindow", "SPAddInsertWindow", "SPAddExceptionWindow", "SPCustomSizeWindow",
                             "SPAdvPaperWindow"})
        outlets.bind(name, nibWindows_[name]);
}

void SpecialPagesPDEr15::ViewLoaded(const zqp::Outlets& outlets) {
    if (SpecialPagesView != nullptr && zqpde::pluginBundle != nullptr)
        zqp::LoadNib(*zqpde::pluginBundle, kWindowsNib, outlets, topLevelObjs, nullptr);
}

zqp::Window* SpecialPagesPDEr15::NibWindow(const std::string& outlet) const {
    auto it = nibWindows_.find(outlet);
    return it == nibWindows_.end() ? nullptr : it->second;
}

std::string SpecialPagesPDEr15::panelName() {
    LocalizeTableName = zqpde::TextTableFromPPD(HostPPD());
    if (LocalizeTableName.empty()) LocalizeTableName = zqp::kDefaultStringTable;
    if (thePDEName.empty() && zqpde::pluginBundle != nullptr)
        thePDEName = zqpde::pluginBundle->localizedString("PDE Title", zqp::kNoTranslation, LocalizeTableName);
    return thePDEName;
}

void SpecialPagesPDEr15::willShow() {
    isActive = true;
    Open();
    zqpde::BasePrintPanel::willShow();
}

bool SpecialPagesPDEr15::shouldHide() {
    isActive = false;
    return zqpde::BasePrintPanel::shouldHide();
}

bool SpecialPagesPDEr15::shouldShowHelp() {
    if (helpButton_ == nullptr) return true;
    return !helpButton_->UIEventHandler();
}

std::vector<std::string> SpecialPagesPDEr15::supportedPPDOptionKeys() {
    ppd_file_t* ppd = HostPPD();
    if (ppd == nullptr) return {};
    // The map is the panel's own and replaces the one before; it is never
    // rebuilt while nothing changed.
    if (zqpde::CDFKeyExist(ppd, "ZQXCDFSetting")) {
        auto map = std::make_unique<zqpde::ConstraintHash>(100);
        zqpde::GetEPPD(ppd, *map, "ZQXCDFSetting", "SpecialPagesPDE");
        UseConstraintMap(std::move(map));
    }
    FillPPDKeywordList(ppd);
    return {};
}

int32_t SpecialPagesPDEr15::xSeteppd(ppd_file_t* ppd, zqpde::ConstraintHash* map) {
    if (ppd == nullptr || map == nullptr) return 0;
    const auto& keywords = zqPPDKeywordList();
    auto listed = [&](const char* k) { return std::find(keywords.begin(), keywords.end(), k) != keywords.end(); };
    for (int i = 0; i < ppd->num_consts; ++i) {
        const ppd_const_t& c = ppd->consts[i];
        if (listed(c.option1) || listed(c.option2)) zqpde::AddConstraintToHash(ppd, *map, i);
    }
    for (zqpde::BasePrintPanel* w : fWindowGroupArray)
        if (w != nullptr) w->SeteppdPtr(map);
    return 0;
}

void SpecialPagesPDEr15::UseConstraintMap(std::unique_ptr<zqpde::ConstraintHash> map) {
    constraintMap_ = std::move(map);
    SeteppdPtr(constraintMap_.get());
    for (zqpde::BasePrintPanel* w : fWindowGroupArray)
        if (w != nullptr) w->SeteppdPtr(constraintMap_.get());
}

void SpecialPagesPDEr15::CreatePanel(zqp::Window* window) {
    zqpde::BasePrintPanel::CreatePanel(window);
    zqp::View* v = SpecialPagesView;
    ppd_file_t* ppd = HostPPD();

    // Each add button with its icon beside it.
    auto icon = [this, v](int32_t tag, const char* file) {
        auto c = std::make_unique<SPIconViewCtrlARK>();
        c->CreateControl(v != nullptr ? v->viewWithTag(tag) : nullptr, tag, file);
        AddNewControl(std::move(c));
    };
    icon(kAddCoversIconTag, "AddCovers.bmp");
    Add(*this, v, kAddCoversTag, std::make_unique<SPAddKindButCtrlARK>(kCover), "Add Covers Btn");
    icon(kAddInsertsIconTag, "AddInserts.bmp");
    Add(*this, v, kAddInsertsTag, std::make_unique<SPAddKindButCtrlARK>(kInsert), "Add Inserts Btn");
    icon(kAddExceptionsIconTag, "AddExceptions.bmp");
    Add(*this, v, kAddExceptionsTag, std::make_unique<SPAddKindButCtrlARK>(kException), "Add Exceptions Btn");
    auto title = std::make_unique<zqpde::StaticTextEditControl>();
    title->CreateControl(v->viewWithTag(kSummaryTitleTag), nullptr, nullptr, nullptr, nullptr, nullptr,
                         "Special Pages Summary Scroll View Title");
    AddNewControl(std::move(title));
    auto list = std::make_unique<SPSummaryScrollViewCtrl>();
    list->CreateControl(v->viewWithTag(kSummaryListTag), kColumnTitles, &kListConstrainInfo, &kListAccessInfo, nullptr);
    list->setRecordList(&records_);
    summaryList_ = AddNewControl(std::move(list));
    auto version = std::make_unique<zqpde::VersionStringSText>();
    version->CreateControl(v->viewWithTag(kVersionTag), nullptr, zqpde::CDFKeyExist(ppd, "ZQXCDFSetting"));
    AddNewControl(std::move(version));
    Add(*this, v, kUpTag, std::make_unique<SPUpButCtrlARK>(), "Up Btn");
    Add(*this, v, kDownTag, std::make_unique<SPDownButCtrlARK>(), "Down Btn");
    Add(*this, v, kEditTag, std::make_unique<SPEditButCtrlARK>(), "Edit Btn");
    Add(*this, v, kDeleteTag, std::make_unique<SPDeleteButCtrlARK>(), "Delete Btn");
    Add(*this, v, kDeleteAllTag, std::make_unique<SPDeleteAllButCtrlARK>(), "Delete All Btn");
    undoButton_ = Add(*this, v, kUndoTag, std::make_unique<SPUndoButCtrlARK>(), "Undo Btn");
    helpButton_ = Add(*this, v, kHelpTag, std::make_unique<SPHelpButtonARK>("SpecialPagesMain.htm"), nullptr);

    InstallEditorWindows();
    // The editor windows join here (InstallWindow), then the warning window.
    for (auto& [role, w] : windows_) RunTimeAddNewWindow(w.get());
    if (warningWindowOutlet != nullptr) {
        warningWindow_ = std::make_unique<SPWarningWndARK>(warningWindowOutlet, nullptr);
        zqp::View* content = warningWindowOutlet->contentView();
        warningWindow_->messageText = dynamic_cast<zqp::TextField*>(content->viewWithTag(kWarningMessageTag));
        auto warningTitle = std::make_unique<zqpde::StaticTextEditControl>();
        warningTitle->CreateControl(content->viewWithTag(kWarningTitleTag), nullptr, nullptr, nullptr, nullptr, nullptr,
                                    "Delete Special Pages Title");
        warningWindow_->AddNewControl(std::move(warningTitle));
        Add(*warningWindow_, content, kWarningOKTag, std::make_unique<SPWarningWndButCtrlARK>(0), "SP Warning OK Btn");
        Add(*warningWindow_, content, kWarningCancelTag, std::make_unique<SPWarningWndButCtrlARK>(1),
            "SP Warning Cancel Btn");
        RunTimeAddNewWindow(warningWindow_.get());
    }
    tabStockValue = 3;
    tabMarginListValue = 1;
    tabMarginValue = 127;
}

void SpecialPagesPDEr15::InstallEditorWindows() {
    // A window already installed in its role (before the panel was built) stays.
    if (zqp::Window* covers = NibWindow("SPAddCoversWindow"); covers != nullptr && !Window(SPWindowRole::kCovers))
        InstallWindow(SPWindowRole::kCovers, std::make_unique<SPAddCoversWndARK>(covers, "Add Covers Windows", this));
    if (zqp::Window* inserts = NibWindow("SPAddInsertWindow"); inserts != nullptr && !Window(SPWindowRole::kInserts))
        InstallWindow(SPWindowRole::kInserts, std::make_unique<SPAddInsertWndARK>(inserts, "Add Inserts Windows", this));
    if (zqp::Window* exceptions = NibWindow("SPAddExceptionWindow");
        exceptions != nullptr && !Window(SPWindowRole::kExceptions))
        InstallWindow(SPWindowRole::kExceptions,
                      std::make_unique<SPAddExceptionsWndARK>(exceptions, "Add Exceptions Windows", this));
    auto custom = std::make_unique<SPCustomSizeWndARK>(NibWindow("SPCustomSizeWindow"), "Custom Size Windows");
    SPCustomSizeWndARK* customRaw = custom.get();
    auto advanced = std::make_unique<SPAdvSeleWndARK>(NibWindow("SPAdvPaperWindow"), "AdvSele Window Title");
    advanced->customSizeWindow = customRaw;
    advanced->listStatus = [this] { return summaryList_ != nullptr ? summaryList_->getSummaryScrollViewStatus() : 0; };
    advanced->selectedRecords = [this] {
        return summaryList_ != nullptr ? summaryList_->getArrayOfCurrentSelectedRecords() : std::vector<SPRecord>{};
    };
    advanced->refreshPageViews = [this](int32_t wndType) {
        const SPWindowRole role = wndType == 0   ? SPWindowRole::kCovers
                                  : wndType == 1 ? SPWindowRole::kInserts
                                                 : SPWindowRole::kExceptions;
        if (auto* editor = dynamic_cast<SPEditorWindowARK*>(Window(role))) editor->RefreshPageViews();
    };
    InstallWindow(SPWindowRole::kCustomSize, std::move(custom));
    InstallWindow(SPWindowRole::kAdvancedPaper, std::move(advanced));
}

void SpecialPagesPDEr15::InstallWindow(SPWindowRole role, std::unique_ptr<zqpde::PopupWinInPanel> window) {
    zqpde::PopupWinInPanel* raw = window.get();
    // A window replaced in its role leaves the panel's group before it goes.
    if (auto old = windows_.find(role); old != windows_.end() && old->second != nullptr)
        std::erase(fWindowGroupArray, old->second.get());
    windows_[role] = std::move(window);
    if (listsCreated && raw != nullptr) {
        RunTimeAddNewWindow(raw);
        raw->SeteppdPtr(constraintMap_.get());
        // A window that comes after the panel was built is brought up to it.
        if (pdeBundleRef != nullptr && m_ptCurrentPPD != nullptr) {
            raw->SetCurrentPrintSettings(m_pSettings, m_ptCurrentPPD, m_pPDECallbackObj,
                                         m_pPDECallbackObj != nullptr ? m_pPDECallbackObj->printSession() : nullptr);
            raw->InitializeUserPane(pdeBundleRef, m_ptCurrentPPD);
        }
    }
}

zqpde::PopupWinInPanel* SpecialPagesPDEr15::Window(SPWindowRole role) const {
    auto it = windows_.find(role);
    return it == windows_.end() ? nullptr : it->second.get();
}

SPAdvancedPaperWindow* SpecialPagesPDEr15::getAdvSeleWndPtr() {
    return dynamic_cast<SPAdvancedPaperWindow*>(Window(SPWindowRole::kAdvancedPaper));
}

SPCustomSizeWindow* SpecialPagesPDEr15::getCustomSizeWndPtr() {
    return dynamic_cast<SPCustomSizeWindow*>(Window(SPWindowRole::kCustomSize));
}

bool SpecialPagesPDEr15::sureToMakeChange(int32_t kind) {
    if (warningWindow_ == nullptr || !warningWindow_->Ask(kind)) return false;
    toMakeChange();
    return true;
}

void SpecialPagesPDEr15::toMakeChange() {
    if (undoButton_ != nullptr) undoButton_->undoEnable();
}

void SpecialPagesPDEr15::PrepareOpen(ppd_file_t* ppd) {
    if (zqPPDKeywordList().empty()) FillPPDKeywordList(ppd);
    // Without a constraint file every open builds the map afresh from the
    // PPD; it is in place before the controls show their values.
    if (!zqpde::CDFKeyExist(ppd, "ZQXCDFSetting")) {
        auto map = std::make_unique<zqpde::ConstraintHash>(100);
        xSeteppd(ppd, map.get());
        UseConstraintMap(std::move(map));
    }
}

zqp::Window* SpecialPagesPDEr15::FirstOpenWindow() { return SpecialPagesView->window(); }

void SpecialPagesPDEr15::InitializeFirstOpen(zqp::DialogHost* host, ppd_file_t* ppd) {
    SeteppdPtr(constraintMap_.get());
    for (zqpde::BasePrintPanel* w : fWindowGroupArray)
        if (w != nullptr) w->SeteppdPtr(constraintMap_.get());
    SetCurrentPrintSettings(host->printSettings(), ppd, host, host->printSession());
    InitializeUserPane(zqpde::pluginBundle, ppd);
}

void SpecialPagesPDEr15::RestoreValues(ppd_file_t* ppd, bool first) {
    // The tab, interposer and A5 flags are recomputed at every ticket write.
    ShowTicketValues(ppd, first);
    if (!first)
        for (zqpde::BasePrintPanel* w : fWindowGroupArray)
            if (w != nullptr) w->UpdateConflictsPanelControlFromPPD(ppd);
}

void SpecialPagesPDEr15::BeforeTicketValues(bool) {
    // A ticket without a readable count leaves the list as it was.
    const PaperContext paper = PaperContextFromPPD(HostPPD());
    RestoreRecordCopy(records_, SettingsTicketReader(HostPrintSettings()), &paper);
}

bool SpecialPagesPDEr15::WriteTicket() {
    zqp::PrintSettings* settings = HostPrintSettings();
    if (settings == nullptr) return false;
    CommitShownValues();
    ppd_file_t* ppd = HostPPD();
    const TicketReader read = SettingsTicketReader(settings);
    SettingsTicketWriter writer(settings, false);
    bool ok = true;
    WriteJTIFTicket(records_, PaperContextFromPPD(ppd), IsMailboxPrintType(JobPrintType(read)), writer, ok);
    // A failed write must not pass for a saved ticket.
    return WriteRecordCopy(records_, writer) && ok;
}

std::optional<std::string> SpecialPagesPDEr15::JobPrintType(const TicketReader& ticket) {
    int32_t version = 0;
    zqpde::Gestalt_ALT(zqpde::kGestaltSystemVersion, &version);
    if (version >= kPrintTypeInTicketVersion) return ticket(std::string(kTicketNamespace) + "PrintTypeTicketKey");
    // Before that the print type travels only as the printer's remembered one.
    std::string key;
    if (!zqpde::CreateKeyWithCurrentPrinter((std::string(kTicketNamespace) + "PrintTypeReference").c_str(),
                                            GetCurrentPrinterString().c_str(), &key))
        return std::nullopt;
    return zqp::Preferences::CopyString(key, zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                        zqp::PrefHost::kCurrentHost);
}

bool SpecialPagesPDEr15::saveValuesAndReturnError(std::string*) { return WriteTicket(); }

bool SpecialPagesPDEr15::shouldPrint() {
    if (bFirstInitialzePDE) SimulationOpenPDE(nullptr);
    return WriteTicket();
}

std::vector<std::unique_ptr<zqp::Panel>> SpecialPagesPDEPluginr15::PanelsForPPD(ppd_file_t* ppd, zqp::Bundle* bundle,
                                                                                 zqp::DialogHost* host) {
    std::vector<std::unique_ptr<zqp::Panel>> panels;
    std::optional<std::string> nib = SpecialPagesNibFromPPD(ppd, bundle);
    if (!nib) return panels;
    zqp::Log("SpecialPagesPDE : RealChoiceStringNib1 - %s", nib->c_str());
    panels.push_back(std::make_unique<SpecialPagesPDEr15>(host, *nib));
    zqp::Log("SpecialPagesPDE : RealChoiceStringNib2 - %s", nib->c_str());
    return panels;
}

}  // namespace zqsp

ZQP_DEFINE_PLUGIN(zqsp::SpecialPagesPDEPluginr15)
