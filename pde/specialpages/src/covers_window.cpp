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
// A change of the cover option updates both printing lists.
const int32_t* const kBothLists[] = {&kFrontPrintingTag, &kBackPrintingTag, nullptr};
const zqpde::ConstrainTagList kOptionUpdates[] = {kBothLists, kBothLists, kBothLists, kBothLists, kBothLists};
const zqpde::ConstrainInfo kOptionConstrainInfo = {{}, {}, zqpde::ConstrainListsOf(kOptionUpdates)};

int32_t SelectedIndex(zqpde::BaseControl* c) {
    auto* popup = c != nullptr ? dynamic_cast<zqp::PopUpButton*>(c->GetControlPtr()) : nullptr;
    return popup != nullptr ? static_cast<int32_t>(popup->indexOfSelectedItem()) : 0;
}

CoverSide SideOf(SPCoversWinListCtrlARK* printing, SPSelectPaperListCtrlARK* paper) {
    CoverSide side;
    side.printingOption = SelectedIndex(printing) + 1;
    side.paper = PaperValuesOf(paper);
    return side;
}

// The paper pop-up shows a cover record's paper.
void ShowPaper(SPSelectPaperListCtrlARK* paper, const SPRecord& r) {
    if (paper == nullptr) return;
    auto num = [&](const char* key) {
        auto it = r.find(key);
        return it == r.end() ? -1 : std::atoll(it->second.c_str());
    };
    auto text = [&](const char* key) {
        auto it = r.find(key);
        return it == r.end() ? std::string("-1") : it->second;
    };
    paper->setControlValue({num("pagesize"), num("pagecolor"), num("pagetype"), text("interposer") == "true"});
    paper->setCustomPageWidth(text("width"));
    paper->setCustomPageLength(text("length"));
    paper->setCustomPageSizeLongMeasure(static_cast<int32_t>(num("longmeasure")));
}

}  // namespace

SPAddCoversWndARK::SPAddCoversWndARK(zqp::Window* window, const char* theWinTitleStr, SPPanelServices* panel)
    : SPEditorWindowARK(window, theWinTitleStr, panel) {
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
    auto list = [&](int32_t tag, const zqpde::ListCtrlIniData* ini, const zqpde::ConstrainInfo* constrain,
                    const DuplexChoiceTable* choices, const int32_t* paperTag) -> SPCoversWinListCtrlARK* {
        if (view(tag) == nullptr) return nullptr;
        auto c = std::make_unique<SPCoversWinListCtrlARK>();
        c->CreateControl(view(tag), ini, constrain, nullptr, nullptr, "Duplex", choices, paperTag);
        return AddNewControl(std::move(c));
    };
    option_ = list(kOptionList, &kCoverOptionIni, &kOptionConstrainInfo, nullptr, nullptr);
    auto paper = [&](int32_t tag, const int32_t* printingTag) -> SPSelectPaperListCtrlARK* {
        if (view(tag) == nullptr) return nullptr;
        auto c = std::make_unique<SPCoversSelectPaperListCtrlARK>();
        c->CreateControl(view(tag), "PageSize", "ZQMediaColor", "MediaType", &kPaperIni, nullptr, nullptr, nullptr, 0,
                         printingTag);
        return AddNewControl(std::move(c));
    };
    frontPaper_ = paper(kFrontPaper, &kFrontPrintingTag);
    front_ = list(kFrontPrinting, &kCoverPrintingIni, nullptr, &CoverPrintingDuplexChoices(), &kFrontPaperTag);
    backPaper_ = paper(kBackPaper, &kBackPrintingTag);
    back_ = list(kBackPrinting, &kCoverPrintingIni, nullptr, &CoverPrintingDuplexChoices(), &kBackPaperTag);
    AddButtons({kOKButton, kCancelButton, kRestoreButton, kHelpButton}, "SpecialPagesCover.htm");
}


int32_t SPAddCoversWndARK::ActivateWindow() {
    zqp::Window* w = GetWindowRef();
    if (w == nullptr) return 0;
    records_.clear();
    if (SPSummaryScrollViewCtrl* list = List()) records_ = list->recordList()->getArrayByType(kCover);
    ResetCurrentControlStatus();
    ChangeActivedStatus(true);
    SetDefaultValueToUI();
    for (const SPRecord& r : records_) {
        auto page = r.find("page");
        if (page != r.end()) ShowPaper(page->second == "0" ? frontPaper_ : backPaper_, r);
    }
    SetCurrentValueToUI();
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
            list->updateRequest(kCover, edit.records);
        }
    }
    ChangeActivedStatus(false);
    DeactivateWindow();
    return true;
}

}  // namespace zqsp
