#include "covers_window.h"

#include <cstdlib>

#include <zqp/bundle.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include "paper_choice.h"
#include "record_editing.h"
#include "summary_list.h"

namespace zqsp {

namespace {
const char* const kCoverOptionTitles[] = {"No Covers String", "Front Only String", "Back Only String",
                                          "Front and Back Same String", "Front and Back Different String", nullptr};
const char* const kPrintingTitles[] = {"Blank or Pre-Printed String", "Print On Side One String",
                                       "Print On Side Two String", "Print On Both Sides String", nullptr};
}  // namespace

const zqpde::ListCtrlIniData kCoverOptionIni = {1, 1, 1, kCoverOptionTitles};
const zqpde::ListCtrlIniData kCoverPrintingIni = {1, 1, 1, kPrintingTitles};

namespace {

const zqpde::ListCtrlIniData kPaperIni = {1, 1, 1, kSelectPaperIniMenu};
const int32_t kFrontPrintingTag = SPAddCoversWndARK::kFrontPrinting, kBackPrintingTag = SPAddCoversWndARK::kBackPrinting;
const int32_t kFrontPaperTag = SPAddCoversWndARK::kFrontPaper, kBackPaperTag = SPAddCoversWndARK::kBackPaper;
const int32_t kFrontViewTag = SPAddCoversWndARK::kFrontPageView, kBackViewTag = SPAddCoversWndARK::kBackPageView;
// A change of the cover option updates both printing lists, the back paper
// (which follows the front with "Front and Back Same") and both page views.
const int32_t* const kOptionFollowers[] = {&kFrontPrintingTag, &kBackPrintingTag, &kBackPaperTag,
                                           &kFrontViewTag,     &kBackViewTag,     nullptr};
const zqpde::ConstrainTagList kOptionUpdates[] = {kOptionFollowers, kOptionFollowers, kOptionFollowers,
                                                  kOptionFollowers, kOptionFollowers};
// What each cover option leaves out: no covers, front only, back only, the
// same paper (the back's own paper and printing), different papers.
const int32_t* const kFrontAndBack[] = {&kFrontPaperTag, &kFrontPrintingTag, &kFrontViewTag, &kBackPaperTag,
                                        &kBackPrintingTag, &kBackViewTag, nullptr};
const int32_t* const kBackControls[] = {&kBackPaperTag, &kBackPrintingTag, &kBackViewTag, nullptr};
const int32_t* const kFrontControls[] = {&kFrontPaperTag, &kFrontPrintingTag, &kFrontViewTag, nullptr};
const int32_t* const kBackChoices[] = {&kBackPaperTag, &kBackPrintingTag, nullptr};
const zqpde::ConstrainTagList kOptionDisables[] = {kFrontAndBack, kBackControls, kFrontControls, kBackChoices,
                                                   nullptr};
const zqpde::ConstrainInfo kOptionConstrainInfo = {zqpde::ConstrainListsOf(kOptionDisables), {},
                                                   zqpde::ConstrainListsOf(kOptionUpdates)};
// Every choice of the front paper refreshes its view and the back paper
// and view; the back paper its own view.
const int32_t* const kFrontPaperFollowers[] = {&kFrontViewTag, &kBackPaperTag, &kBackViewTag, nullptr};
const int32_t* const kBackPaperFollowers[] = {&kBackViewTag, nullptr};
const zqpde::ConstrainTagList kFrontPaperUpdates[] = {kFrontPaperFollowers, kFrontPaperFollowers,
                                                      kFrontPaperFollowers, kFrontPaperFollowers,
                                                      kFrontPaperFollowers, kFrontPaperFollowers};
const zqpde::ConstrainTagList kBackPaperUpdates[] = {kBackPaperFollowers, kBackPaperFollowers, kBackPaperFollowers,
                                                     kBackPaperFollowers, kBackPaperFollowers, kBackPaperFollowers};
const zqpde::ConstrainInfo kFrontPaperConstrainInfo = {{}, {}, zqpde::ConstrainListsOf(kFrontPaperUpdates)};
const zqpde::ConstrainInfo kBackPaperConstrainInfo = {{}, {}, zqpde::ConstrainListsOf(kBackPaperUpdates)};
// The back printing list follows the front one ("Front and Back Same").
const int32_t* const kBackPrintingOnly[] = {&kBackPrintingTag, nullptr};
const zqpde::ConstrainTagList kFrontPrintingUpdates[] = {kBackPrintingOnly, kBackPrintingOnly, kBackPrintingOnly,
                                                         kBackPrintingOnly};
const zqpde::ConstrainInfo kFrontPrintingConstrainInfo = {{}, {}, zqpde::ConstrainListsOf(kFrontPrintingUpdates)};
const SPScrollViewIniData kViewIni = {"", ""};

int32_t SelectedIndex(zqpde::BaseControl* c) {
    auto* popup = c != nullptr ? dynamic_cast<zqp::PopUpButton*>(c->GetControlPtr()) : nullptr;
    return popup != nullptr ? static_cast<int32_t>(popup->indexOfSelectedItem()) : 0;
}

CoverSide SideOf(SPCoversWinListCtrlARK* printing, SPSelectPaperListCtrlARK* paper) {
    CoverSide side;
    side.printingOption = SelectedIndex(printing) + 1;
    side.paper = PaperValuesOf(paper);
    KeepShownCustomSize(paper, side.paper);
    return side;
}

}  // namespace

SPAddCoversWndARK::SPAddCoversWndARK(zqp::Window* window, const char* theWinTitleStr, SPPanelServices* panel)
    : SPEditorWindowARK(window, theWinTitleStr, panel, {"Add Covers Windows", "Edit Covers Windows"}) {
    CreateControls();
}

void SPAddCoversWndARK::CreateControls() {
    zqp::Window* w = GetWindowRef();
    zqp::View* root = w != nullptr ? w->contentView() : nullptr;
    if (root == nullptr) return;
    auto view = [&](int32_t tag) { return root->viewWithTag(tag); };
    AddLabel(kOptionTitle, "Cover Options Title");
    AddLabel(kFrontTitle, "Front Cover Title");
    AddLabel(kFrontPaperTitle, "Cover Paper Title");
    AddLabel(kFrontPrintingTitle, "Cover Printing Title");
    AddLabel(kBackTitle, "Back Cover Title");
    AddLabel(kBackPaperTitle, "Cover Paper Title");
    AddLabel(kBackPrintingTitle, "Cover Printing Title");
    AddLabel(kJobSettingTitle, "Job Setting Reference View");
    auto list = [&](int32_t tag, const zqpde::ListCtrlIniData* ini, const zqpde::ConstrainInfo* constrain,
                    const DuplexChoiceTable* choices, const int32_t* paperTag) -> SPCoversWinListCtrlARK* {
        if (view(tag) == nullptr) return nullptr;
        auto c = std::make_unique<SPCoversWinListCtrlARK>();
        c->CreateControl(view(tag), ini, constrain, nullptr, nullptr, "Duplex", choices, paperTag);
        return AddNewControl(std::move(c));
    };
    option_ = list(kOptionList, &kCoverOptionIni, &kOptionConstrainInfo, nullptr, nullptr);
    auto paper = [&](int32_t tag, const int32_t* printingTag,
                     const zqpde::ConstrainInfo* constrain) -> SPSelectPaperListCtrlARK* {
        if (view(tag) == nullptr) return nullptr;
        auto c = std::make_unique<SPCoversSelectPaperListCtrlARK>();
        c->CreateControl(view(tag), "PageSize", "ZQMediaColor", "MediaType", &kPaperIni, constrain, nullptr, nullptr,
                         0, printingTag);
        return AddNewControl(std::move(c));
    };
    auto pageView = [&](int32_t tag, int32_t page, const int32_t* paperTag) -> SPCoverPageSettingScrollViewCtrlARK* {
        if (view(tag) == nullptr) return nullptr;
        auto c = std::make_unique<SPCoverPageSettingScrollViewCtrlARK>(page);
        c->CreateControl(view(tag), "PageSize", "ZQMediaColor", "MediaType", tag, &kViewIni, paperTag);
        return AddNewControl(std::move(c));
    };
    frontPaper_ = paper(kFrontPaper, &kFrontPrintingTag, &kFrontPaperConstrainInfo);
    frontView_ = pageView(kFrontPageView, 0, &kFrontPaperTag);
    front_ = list(kFrontPrinting, &kCoverPrintingIni, &kFrontPrintingConstrainInfo, &CoverPrintingDuplexChoices(),
                  &kFrontPaperTag);
    backPaper_ = paper(kBackPaper, &kBackPrintingTag, &kBackPaperConstrainInfo);
    backView_ = pageView(kBackPageView, 1, &kBackPaperTag);
    back_ = list(kBackPrinting, &kCoverPrintingIni, nullptr, &CoverPrintingDuplexChoices(), &kBackPaperTag);
    AddJobSettingView(kJobSettingView);
    AddButtons({kOKButton, kCancelButton, kRestoreButton, kHelpButton}, "SpecialPagesCover.htm");
}


int32_t SPAddCoversWndARK::ActivateWindow() {
    zqp::Window* w = GetWindowRef();
    if (w == nullptr) return 0;
    records_.clear();
    if (SPSummaryScrollViewCtrl* list = List()) {
        resetUserPaneTitle(list->getSummaryScrollViewStatus());
        records_ = list->recordList()->getArrayByType(kCover);
    }
    ResetCurrentControlStatus();
    if (option_ != nullptr) option_->ForgetAppliedConstraints();
    ChangeActivedStatus(true);
    SetDefaultValueToUI();
    RestoreDefaultCustomSize(frontPaper_);
    RestoreDefaultCustomSize(backPaper_);
    for (const SPRecord& r : records_) {
        auto page = r.find("page");
        if (page != r.end()) ShowPaperValues(page->second == "0" ? frontPaper_ : backPaper_, PaperOfRecord(r));
    }
    SetCurrentValueToUI();
    // The printing lists grey against their papers (the interposer too).
    UpdateConflictsPanelControlFromPPD(GetCurrentPPD());
    zqp::Application::Shared().runModalForWindow(*w);
    return 0;
}

bool SPAddCoversWndARK::Apply() {
    if (SPSummaryScrollViewCtrl* list = List()) {
        CoverEdit edit = BuildCoverRecords(SelectedIndex(option_), SideOf(front_, frontPaper_),
                                           SideOf(back_, backPaper_), records_);
        if (edit.changed) {
            panel_->toMakeChange();  // before the inserts go, so Undo brings them back
            if (edit.removeInsertsBeforePageOne) RemoveInsertsBeforePageOne(*list->recordList());
            list->takeWindowRecords(kCover, edit.records);
        }
    }
    ChangeActivedStatus(false);
    DeactivateWindow();
    return true;
}

}  // namespace zqsp
