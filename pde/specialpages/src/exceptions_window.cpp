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
const zqpde::ListCtrlIniData kSidesIni = {1, 1, 1, kTwoSideTitles};
const int32_t kSidesTag = SPAddExceptionsWndARK::kSidesList, kPaperTag = SPAddExceptionsWndARK::kPaperList;
const zqpde::TextEditIniData kPageIni = {nullptr, "", 1, 99};
const zqpde::TextEditFilterData kPageFilter = {
    {4, {{' ', ' '}, {',', ','}, {'-', '-'}, {'0', '9'}}}, {4, {{' ', ' '}, {',', ','}, {'-', '-'}, {'0', '9'}}},
    "Warning46"};
const zqpde::AccessInfo kText = {zqpde::kValueTypeText, zqpde::kValueTypeText, nullptr, nullptr};
const SPValueRange kPages = {1, 65000};

}  // namespace

SPAddExceptionsWndARK::SPAddExceptionsWndARK(zqp::Window* window, const char* theWinTitleStr, SPPanelServices* panel)
    : SPEditorWindowARK(window, theWinTitleStr, panel) {
    CreateControls();
}

void SPAddExceptionsWndARK::CreateControls() {
    zqp::Window* w = GetWindowRef();
    zqp::View* root = w != nullptr ? w->contentView() : nullptr;
    if (root == nullptr) return;
    auto view = [&](int32_t tag) { return root->viewWithTag(tag); };
    AddLabel(kPageTitle, "Add Exception Page Define Title");
    AddLabel(kPaperTitle, "Cover Paper Title");
    AddLabel(kSidesTitle, "Exception Sides Title");
    for (int32_t tag : {kPageEdit, kPaperList, kSidesList})
        if (view(tag) == nullptr) return;
    auto pages = std::make_unique<SPAddExceptTextEditCtrlARK>();
    pages->CreateControl(view(kPageEdit), &kPageIni, nullptr, &kText, nullptr, &kPageFilter,
                         "Add Exception Page Define Title", kMaxExceptionRecords, &kPages);
    pages_ = AddNewControl(std::move(pages));
    auto paper = std::make_unique<SPAddExceptSubMenuListCtrlARK>();
    paper->CreateControl(view(kPaperList), "PageSize", "ZQMediaColor", "MediaType", &kPaperIni, nullptr, nullptr,
                         nullptr, 2, &kSidesTag);
    paper_ = AddNewControl(std::move(paper));
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
    // The sides' No Change is offered while the edited exceptions differ.
    std::set<std::string> sides;
    for (const SPRecord& r : selected_) sides.insert(RecordField(r, "twoSidePrint", "0"));
    sides_->setSelectStatus(editing_ && sides.size() > 1 ? 1 : 0);
    ResetCurrentControlStatus();
    ChangeActivedStatus(true);
    SetDefaultValueToUI();
    if (editing_) {
        std::string pages;
        for (const SPRecord& r : selected_) pages += (pages.empty() ? "" : ",") + RecordField(r, "page", "");
        if (auto* field = dynamic_cast<zqp::TextField*>(pages_->GetControlPtr())) field->setStringValue(pages);
        const SPRecord& first = selected_.front();
        paper_->setControlValue({std::atoll(RecordField(first, "pagesize").c_str()),
                                 std::atoll(RecordField(first, "pagecolor").c_str()),
                                 std::atoll(RecordField(first, "pagetype").c_str()), false});
    }
    SetCurrentValueToUI();
    // The edited exceptions' common sides (after the controls show theirs).
    if (editing_ && sides.size() == 1)
        if (auto* popup = dynamic_cast<zqp::PopUpButton*>(sides_->GetControlPtr()))
            popup->selectItemAtIndex(std::atoi(sides.begin()->c_str()));
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
    for (const SPRecord& r : selected_)
        if (std::vector<int32_t> p = ExceptionRecordPages(RecordField(r, "page", "")); !p.empty())
            edit.selectedStarts.insert(p.front());
    edit.window.paper = PaperValuesOf(paper_);
    edit.window.paper.interposer = false;  // exception pages never come from the interposer
    if (auto* popup = dynamic_cast<zqp::PopUpButton*>(sides_->GetControlPtr()))
        edit.window.twoSide = std::to_string(popup->indexOfSelectedItem());
    ExceptionPages pages = ExpandExceptionRecords(list->recordList()->getArrayByType(kException));
    std::vector<SPRecord> records;
    if (!ApplyExceptionEdit(pages, edit, records)) {
        pages_->ShowErrMsg(2);
        return false;
    }
    Hand(kException, records);
    return true;
}

}  // namespace zqsp
