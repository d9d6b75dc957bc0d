#include "inserts_window.h"

#include <algorithm>
#include <cstdlib>

#include <zqp/bundle.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include "record_editing.h"
#include "summary_list.h"
#include "window_controls.h"

namespace zqsp {
namespace {

const char* const kPositionTitles[] = {"After String", "Before Page one String", nullptr};
const zqpde::ListCtrlIniData kPositionIni = {1, 1, 1, kPositionTitles};
const zqpde::ListCtrlIniData kPaperIni = {1, 1, 1, kSelectPaperIniMenu};
const int32_t kPaperTag = SPAddInsertWndARK::kPaperList, kPaperViewTag = SPAddInsertWndARK::kPaperView;
// Every choice of the paper pop-up refreshes the paper view.
const int32_t* const kPaperViewOnly[] = {&kPaperViewTag, nullptr};
const zqpde::ConstrainTagList kPaperUpdates[] = {kPaperViewOnly, kPaperViewOnly, kPaperViewOnly,
                                                 kPaperViewOnly, kPaperViewOnly, kPaperViewOnly};
const zqpde::ConstrainInfo kPaperConstrainInfo = {{}, {}, zqpde::ConstrainListsOf(kPaperUpdates)};
const zqpde::TextEditIniData kPageIni = {"", "", 0, 99};
const zqpde::TextEditFilterData kPageFilter = {
    {3, {{'0', '9'}, {',', '-'}, {' ', ' '}}}, {3, {{'0', '9'}, {',', '-'}, {' ', ' '}}}, "Warning44"};
const PageNumValueRange kPageRange = {0, 65000};
const zqpde::TextEditIniData kQuantityIni = {nullptr, "1", 1, 4};
const zqpde::TextEditFilterData kQuantityFilter = {{1, {{'0', '9'}}}, {1, {{'0', '9'}}}, "Warning45"};
const zqpde::LittleArrayIniData kStepperIni = {1, 1, 1, 1, 9999, 1};
const SPValueRange kQuantities = {1, 9999};
const int32_t kQuantityTags[] = {SPAddInsertWndARK::kQuantityEdit, SPAddInsertWndARK::kQuantityArrow};
const int32_t* const kToStepper[] = {&kQuantityTags[1], nullptr};
const int32_t* const kToField[] = {&kQuantityTags[0], nullptr};
const zqpde::ConstrainTagList kFieldUpdates[] = {kToStepper};
const zqpde::ConstrainTagList kStepperUpdates[] = {kToField};
const zqpde::ConstrainInfo kFieldLinks = {{}, {}, zqpde::ConstrainListsOf(kFieldUpdates)};
const zqpde::ConstrainInfo kStepperLinks = {{}, {}, zqpde::ConstrainListsOf(kStepperUpdates)};
const int32_t kValidate[] = {SPAddInsertWndARK::kQuantityEdit, 0};
const zqpde::AccessInfo kText = {zqpde::kValueTypeText, zqpde::kValueTypeText, nullptr, nullptr};
const zqpde::AccessInfo kNumber = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, nullptr, nullptr};

}  // namespace

SPAddInsertWndARK::SPAddInsertWndARK(zqp::Window* window, const char* theWinTitleStr, SPPanelServices* panel)
    : SPEditorWindowARK(window, theWinTitleStr, panel, {"Add Inserts Windows", "Edit Inserts Windows"}) {
    CreateControls();
}

void SPAddInsertWndARK::CreateControls() {
    zqp::Window* w = GetWindowRef();
    zqp::View* root = w != nullptr ? w->contentView() : nullptr;
    if (root == nullptr) return;
    auto view = [&](int32_t tag) { return root->viewWithTag(tag); };
    AddLabel(kPositionTitle, "Insert Position Title");
    AddLabel(kPageTitle, "Add Insert Page Define Title");
    AddLabel(kPageRule, "Add Page Rule Description");
    AddLabel(kQuantityTitle, "Insert Quantity Title");
    AddLabel(kPaperTitle, "Cover Paper Title");
    AddLabel(kPaperViewTitle, "Add Insert Paper View Title");
    AddLabel(kJobSettingTitle, "Add Insert Jobsetting View Title");
    for (int32_t tag : {kPositionList, kPageEdit, kQuantityEdit, kQuantityArrow, kPaperList})
        if (view(tag) == nullptr) return;
    auto position = std::make_unique<SPInsertOptionListARK>();
    position->CreateControl(view(kPositionList), &kPositionIni, nullptr, nullptr, nullptr);
    position_ = AddNewControl(std::move(position));
    auto pages = std::make_unique<SPInsertPageTextEditARK>();
    pages->CreateControl(view(kPageEdit), &kPageIni, nullptr, nullptr, nullptr, &kPageFilter, "Page",
                         kMaxInsertRecords, &kPageRange);
    pages_ = AddNewControl(std::move(pages));
    auto quantity = std::make_unique<SPAddInsertQuantityTextEditARK>();
    quantity->CreateControl(view(kQuantityEdit), &kQuantityIni, &kFieldLinks, &kText, nullptr, &kQuantityFilter,
                            &kQuantities);
    quantity_ = AddNewControl(std::move(quantity));
    auto stepper = std::make_unique<SPAddInsertQuantityLArrARK>();
    stepper->CreateControl(view(kQuantityArrow), &kStepperIni, &kStepperLinks, &kNumber, nullptr, nullptr, kValidate);
    AddNewControl(std::move(stepper));
    auto paper = std::make_unique<SPSelectPaperListCtrlARK>();
    paper->CreateControl(view(kPaperList), "PageSize", "ZQMediaColor", "MediaType", &kPaperIni, &kPaperConstrainInfo,
                         nullptr, nullptr, 1, nullptr);
    paper_ = AddNewControl(std::move(paper));
    paperView_ = AddPageView(std::make_unique<SPPageSettingScrollViewCtrlARK>(), kPaperView, &kPaperTag);
    AddJobSettingView(kJobSettingView);

    AddButtons({kOKButton, kCancelButton, kRestoreButton, kHelpButton}, "SpecialPagesInsert.htm");
}

int32_t SPAddInsertWndARK::ActivateWindow() {
    zqp::Window* w = GetWindowRef();
    SPSummaryScrollViewCtrl* list = List();
    if (w == nullptr || list == nullptr || pages_ == nullptr) return 0;
    status_ = list->getSummaryScrollViewStatus() == 2 ? 2 : 1;
    working_ = list->recordList()->getArrayByType(kInsert);
    selected_.clear();
    if (status_ == 2)
        for (size_t i = 0; i < working_.size(); ++i)
            if (RecordField(working_[i], "selected", "false") == "true") selected_.push_back(i);
    if (status_ == 2 && selected_.empty()) status_ = 1;
    // What the window starts from: the inserts edited, or, when adding with
    // exactly one insert selected, that insert.
    std::vector<SPRecord> shown;
    if (status_ == 2) {
        for (size_t i : selected_) shown.push_back(working_[i]);
    } else if (std::vector<SPRecord> picked = list->getArrayOfCurrentSelectedRecords();
               picked.size() == 1 && RecordField(picked.front(), "type", "") == "1") {
        shown = std::move(picked);
    }
    const std::string quantity = CommonField(shown, "insertquantity", "");
    quantity_->setMixed(status_ == 2 && quantity.empty());
    resetUserPaneTitle(status_);
    ResetCurrentControlStatus();
    ChangeActivedStatus(true);
    SetDefaultValueToUI();
    RestoreDefaultCustomSize(paper_);
    auto* quantityField = dynamic_cast<zqp::TextField*>(quantity_->GetControlPtr());
    bool beforePageOne = false;
    if (!shown.empty()) {
        std::string pages;
        for (const SPRecord& r : shown)
            if (const std::string page = RecordField(r, "page", ""); page != "0")
                pages += (pages.empty() ? "" : ",") + page;
        beforePageOne = CommonField(shown, "page", "") == "0";
        if (auto* field = dynamic_cast<zqp::TextField*>(pages_->GetControlPtr())) field->setStringValue(pages);
        if (quantityField != nullptr && !quantity.empty()) quantityField->setStringValue(quantity);
        ShowPaperValues(paper_, CommonPaperOf(shown));
    }
    TellMixedKinds(PaperValuesOf(paper_));
    SetCurrentValueToUI();
    // After the stepper has shown its value: mixed quantities show none.
    if (quantityField != nullptr && quantity_ != nullptr && !shown.empty() && quantity.empty())
        quantityField->setStringValue("");
    // Several inserts edited together keep their own pages and positions:
    // neither can be typed.
    if (status_ == 2 && selected_.size() > 1) pages_->SetToDisable();
    position_->UpdateBeforePageOneStatus();
    // An insert before page one shows that position and no pages, unless a
    // front cover now rules it out.
    auto* positionView = dynamic_cast<zqp::PopUpButton*>(position_->GetControlPtr());
    zqp::MenuItem* before = positionView != nullptr ? positionView->itemAtIndex(1) : nullptr;
    if (before != nullptr && beforePageOne && position_->BEnable() && before->enabled) {
        positionView->selectItemAtIndex(1);
        pages_->SetToDisable();
    }
    UpdateConflictsPanelControlFromPPD(GetCurrentPPD());
    zqp::Application::Shared().runModalForWindow(*w);
    return 0;
}

bool SPAddInsertWndARK::Apply() {
    SPSummaryScrollViewCtrl* list = List();
    if (list == nullptr) return false;
    SycValueFromUI();
    for (auto& c : fCtrlGroupArray)
        if (c && !c->InvalidateData()) return false;
    InsertWindowValues values;
    values.option = position_->GetOptionSelection();
    values.optionEnabled = position_->BEnable();
    auto* quantityView = dynamic_cast<zqp::TextField*>(quantity_->GetControlPtr());
    values.quantity = quantityView != nullptr ? std::atoi(quantityView->stringValue().c_str()) : 1;
    values.paper = PaperValuesOf(paper_);
    std::vector<SPRecord> working = working_;
    const bool frontCover = HasFrontCover(list->recordList()->getArrayByType(kCover));
    SPSelectPaperListCtrlARK* paper = paper_;
    // What this OK makes or changes never keeps a paper the printer forbids
    // now (a kind left at No Change keeps each insert's own).
    if (!ApplyInsertEdit(
            status_, working, selected_, pages_->GetSortedPageArray(), values, frontCover,
            [paper](int32_t index) { return paper->doCustomSizeSetCheckByIndex(index); },
            [paper](PaperValues& p) { AllowPaper(paper, p, {}); }))
        return false;
    if (static_cast<int32_t>(working.size()) > kMaxInsertRecords) {
        pages_->ShowErrMsg(kWarningTooMany);
        return false;
    }
    Hand(kInsert, SortedByPage(working));
    return true;
}

}  // namespace zqsp
