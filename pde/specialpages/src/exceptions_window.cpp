#include "exceptions_window.h"

#include <cstdlib>
#include <set>

#include <zqp/bundle.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include "paper_choice.h"
#include "summary_list.h"

namespace zqsp {
namespace {

const zqpde::ListCtrlIniData kPaperIni = {1, 1, 1, kSelectPaperIniMenu};
const char* const kTwoSideTitles[] = {"No Change Option String", "1 Side Print Option String",
                                      "2 Side Print Option String", "2 Side Short Edge Option String", nullptr};
// A new exception is one-sided; "No Change" is offered only while the
// exceptions edited differ in their sides.
const zqpde::ListCtrlIniData kSidesIni = {2, 2, 2, kTwoSideTitles};
const int32_t kSidesTag = SPAddExceptionsWndARK::kSidesList, kPaperTag = SPAddExceptionsWndARK::kPaperList;
const int32_t kPaperViewTag = SPAddExceptionsWndARK::kPaperView;
// Every choice of the paper pop-up refreshes the paper view.
const int32_t* const kPaperViewOnly[] = {&kPaperViewTag, nullptr};
const zqpde::ConstrainTagList kPaperUpdates[] = {kPaperViewOnly, kPaperViewOnly, kPaperViewOnly,
                                                 kPaperViewOnly, kPaperViewOnly, kPaperViewOnly};
const zqpde::ConstrainInfo kPaperConstrainInfo = {{}, {}, zqpde::ConstrainListsOf(kPaperUpdates)};
const zqpde::TextEditIniData kPageIni = {nullptr, "", 1, 99};
const zqpde::TextEditFilterData kPageFilter = {
    {4, {{' ', ' '}, {',', ','}, {'-', '-'}, {'0', '9'}}}, {4, {{' ', ' '}, {',', ','}, {'-', '-'}, {'0', '9'}}},
    "Warning46"};
const zqpde::AccessInfo kText = {zqpde::kValueTypeText, zqpde::kValueTypeText, nullptr, nullptr};
const SPValueRange kPages = {1, 65000};

}  // namespace

SPAddExceptionsWndARK::SPAddExceptionsWndARK(zqp::Window* window, const char* theWinTitleStr, SPPanelServices* panel)
    : SPEditorWindowARK(window, theWinTitleStr, panel, {"Add Exceptions Windows", "Edit Exceptions Windows"}) {
    CreateControls();
}

void SPAddExceptionsWndARK::CreateControls() {
    zqp::Window* w = GetWindowRef();
    zqp::View* root = w != nullptr ? w->contentView() : nullptr;
    if (root == nullptr) return;
    auto view = [&](int32_t tag) { return root->viewWithTag(tag); };
    AddLabel(kPageTitle, "Add Exception Page Define Title");
    AddLabel(kPageRule, "Add Page Rule Description");
    AddLabel(kPaperTitle, "Cover Paper Title");
    AddLabel(kSidesTitle, "Exception Sides Title");
    AddLabel(kPaperViewTitle, "Add Exception Page View Static Text");
    AddLabel(kJobSettingTitle, "Job Setting Reference View Title");
    for (int32_t tag : {kPageEdit, kPaperList, kSidesList})
        if (view(tag) == nullptr) return;
    auto pages = std::make_unique<SPAddExceptTextEditCtrlARK>();
    pages->CreateControl(view(kPageEdit), &kPageIni, nullptr, &kText, nullptr, &kPageFilter,
                         "Add Exception Page Define Title", kMaxExceptionRecords, &kPages);
    pages_ = AddNewControl(std::move(pages));
    auto paper = std::make_unique<SPAddExceptSubMenuListCtrlARK>();
    paper->CreateControl(view(kPaperList), "PageSize", "ZQMediaColor", "MediaType", &kPaperIni, &kPaperConstrainInfo,
                         nullptr, nullptr, 2, &kSidesTag);
    paper_ = AddNewControl(std::move(paper));
    paperView_ = AddPageView(std::make_unique<SPPageSettingScrollViewCtrlARK>(), kPaperView, &kPaperTag);
    AddJobSettingView(kJobSettingView);
    auto sides = std::make_unique<SPTwoSidePrintListCtrlARK>();
    sides->CreateControl(view(kSidesList), &kSidesIni, nullptr, nullptr, nullptr, "Duplex",
                         &TwoSidePrintDuplexChoices(), &kPaperTag);
    sides_ = AddNewControl(std::move(sides));

    AddButtons({kOKButton, kCancelButton, kRestoreButton, kHelpButton}, "SpecialPagesException.htm");
}

int32_t SPAddExceptionsWndARK::ActivateWindow() {
    zqp::Window* w = GetWindowRef();
    SPSummaryScrollViewCtrl* list = List();
    if (w == nullptr || list == nullptr || pages_ == nullptr) return 0;
    selected_.clear();
    for (const SPRecord& r : list->recordList()->getArrayByType(kException))
        if (RecordField(r, "selected", "false") == "true") selected_.push_back(r);
    editing_ = list->getSummaryScrollViewStatus() == 2 && !selected_.empty();
    pages_->setAdding(!editing_);
    pages_->setEditingSeveral(editing_ && selected_.size() > 1);
    // What the window starts from: the exceptions edited, or, when adding
    // with exactly one exception selected, its paper and sides (no pages).
    std::vector<SPRecord> shown;
    if (editing_) {
        shown = selected_;
    } else if (std::vector<SPRecord> picked = list->getArrayOfCurrentSelectedRecords();
               picked.size() == 1 && RecordField(picked.front(), "type", "") == "2") {
        shown = std::move(picked);
    }
    // The sides' No Change is offered while the edited exceptions differ
    // (or all keep the job's), so OK leaves each its own.
    const std::string sides = CommonField(shown, "twoSidePrint", "");
    sides_->setSelectStatus(editing_ && (sides.empty() || sides == "0") ? 1 : 0);
    resetUserPaneTitle(editing_ ? 2 : 1);
    ResetCurrentControlStatus();
    ChangeActivedStatus(true);
    SetDefaultValueToUI();
    RestoreDefaultCustomSize(paper_);
    if (!shown.empty()) {
        if (editing_) {
            std::string pages;
            for (const SPRecord& r : shown) pages += (pages.empty() ? "" : ",") + RecordField(r, "page", "");
            if (auto* field = dynamic_cast<zqp::TextField*>(pages_->GetControlPtr())) field->setStringValue(pages);
        }
        PaperValues paper = CommonPaperOf(shown);
        paper.interposer = false;  // exception pages never come from the interposer
        ShowPaperValues(paper_, paper);
    }
    TellMixedKinds(PaperValuesOf(paper_));
    SetCurrentValueToUI();
    // The sides shown (after the controls show theirs): the common ones, or
    // No Change while they differ; a value outside the list keeps the default.
    if (auto* popup = dynamic_cast<zqp::PopUpButton*>(sides_->GetControlPtr()); popup != nullptr && !shown.empty()) {
        const int32_t item = sides.empty() ? (editing_ ? 0 : -1) : std::atoi(sides.c_str());
        if (item >= 0 && item < popup->numberOfItems() && (item > 0 || sides_->getSelectStatus() == 1)) {
            popup->selectItemAtIndex(item);
            sides_->GetValueFromUI();
        }
    }
    // Everything greys against what the window shows now, not against the
    // paper of its last opening.
    UpdateConflictsPanelControlFromPPD(GetCurrentPPD());
    zqp::Application::Shared().runModalForWindow(*w);
    return 0;
}

bool SPAddExceptionsWndARK::Apply() {
    SPSummaryScrollViewCtrl* list = List();
    if (list == nullptr) return false;
    SycValueFromUI();
    for (auto& c : fCtrlGroupArray)
        if (c && !c->InvalidateData()) return false;
    ExceptionEdit edit;
    edit.pages = pages_->getPageDefineArray();
    if (editing_ && selected_.size() == 1) edit.removal = ExceptionRecordPages(RecordField(selected_.front(), "page", ""));
    // Adding keeps the selected exceptions selected (by their first page).
    if (!editing_)
        for (const SPRecord& r : selected_)
            if (std::vector<int32_t> p = ExceptionRecordPages(RecordField(r, "page", "")); !p.empty())
                edit.selectedStarts.insert(p.front());
    edit.window.paper = PaperValuesOf(paper_);
    edit.window.paper.interposer = false;  // exception pages never come from the interposer
    // A plain size carries the default custom size, as the inserts do; a
    // size at No Change keeps each page's own.
    SPSelectPaperListCtrlARK* paper = paper_;
    if (std::atoi(edit.window.paper.size.c_str()) >= 0)
        edit.window.paper = WithDefaultCustomUnlessCustom(
            edit.window.paper, [paper](int32_t index) { return paper->doCustomSizeSetCheckByIndex(index); });
    if (auto* popup = dynamic_cast<zqp::PopUpButton*>(sides_->GetControlPtr()))
        edit.window.twoSide = std::to_string(popup->indexOfSelectedItem());
    // A page typed never keeps a paper the printer forbids now with its
    // sides (a kind left at No Change keeps the page's own paper).
    const AllowedSetting allowed = [paper](ExceptionSetting& page) {
        const int32_t sides = std::atoi(page.twoSide.c_str());
        const auto& table = TwoSidePrintDuplexChoices();
        AllowPaper(paper, page.paper,
                   sides >= 0 && static_cast<size_t>(sides) < table.size() ? table[static_cast<size_t>(sides)]
                                                                          : std::vector<std::string>{});
    };
    ExceptionPages pages = ExpandExceptionRecords(list->recordList()->getArrayByType(kException));
    std::vector<SPRecord> records;
    if (!ApplyExceptionEdit(pages, edit, records, allowed)) {
        pages_->ShowErrMsg(2);
        return false;
    }
    Hand(kException, records);
    return true;
}

}  // namespace zqsp
