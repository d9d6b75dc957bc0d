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

class SPInsertOKButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override {
        if (auto* w = dynamic_cast<SPAddInsertWndARK*>(ctrlParentPanelPtr)) w->Apply();
        return true;
    }
};

std::string Field(const SPRecord& r, const char* key, const char* fallback = "-1") {
    auto it = r.find(key);
    return it == r.end() ? fallback : it->second;
}

}  // namespace

SPAddInsertWndARK::SPAddInsertWndARK(zqp::Window* window, const char* theWinTitleStr, SPPanelServices* panel)
    : zqpde::PopupWinInPanel(window, theWinTitleStr), panel_(panel) {
    CreateControls();
}

void SPAddInsertWndARK::CreateControls() {
    zqp::Window* w = GetWindowRef();
    zqp::View* root = w != nullptr ? w->contentView() : nullptr;
    if (root == nullptr) return;
    auto view = [&](int32_t tag) { return root->viewWithTag(tag); };
    for (auto [tag, key] : {std::pair{kPositionTitle, "Insert Position Title"},
                            std::pair{kQuantityTitle, "Insert Quantity Title"}, std::pair{kPaperTitle, "Cover Paper Title"}}) {
        if (view(tag) == nullptr) continue;
        auto c = std::make_unique<zqpde::StaticTextEditControl>();
        c->CreateControl(view(tag), nullptr, nullptr, nullptr, nullptr, nullptr, key);
        AddNewControl(std::move(c));
    }
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
    paper->CreateControl(view(kPaperList), "PageSize", "ZQMediaColor", "MediaType", &kPaperIni, nullptr, nullptr,
                         nullptr, 1, nullptr);
    paper_ = AddNewControl(std::move(paper));

    auto button = [&](std::unique_ptr<zqpde::BaseButton> b, int32_t tag, const char* title) {
        if (view(tag) == nullptr) return;
        b->CreateControl(view(tag), title);
        AddNewControl(std::move(b));
    };
    button(std::make_unique<SPInsertOKButtonARK>(), kOKButton, "Special Pages OK Btn");
    button(std::make_unique<SPCancelButCtrlARK>(), kCancelButton, "Special Pages CANCEL Btn");
    button(std::make_unique<SPRestoreButtonARK>(), kRestoreButton, "Special Pages RESTORE Btn");
    if (view(kHelpButton) != nullptr) {
        auto help = std::make_unique<SPHelpButtonARK>("SpecialPagesInsert.htm");
        help->CreateControl(view(kHelpButton), nullptr);
        AddNewControl(std::move(help));
    }
}

bool SPAddInsertWndARK::InitializeUserPaneTitle(zqp::Bundle* bundle) {
    if (bundle == nullptr || winTitleTextRef.empty()) return false;
    if (zqp::Window* w = GetWindowRef())
        w->setTitle(bundle->localizedString(winTitleTextRef, zqp::kNoTranslation,
                                            LocalizeTableName.empty() ? "Localizable" : LocalizeTableName));
    return zqpde::PopupWinInPanel::InitializeUserPaneTitle(bundle);
}

int32_t SPAddInsertWndARK::ActivateWindow() {
    zqp::Window* w = GetWindowRef();
    SPSummaryScrollViewCtrl* list = panel_ != nullptr ? panel_->getSPSummaryScrollViewCtrlPtr() : nullptr;
    if (w == nullptr || list == nullptr || list->recordList() == nullptr || pages_ == nullptr) return 0;
    status_ = list->getSummaryScrollViewStatus() == 2 ? 2 : 1;
    working_ = list->recordList()->getArrayByType(kInsert);
    selected_.clear();
    if (status_ == 2)
        for (size_t i = 0; i < working_.size(); ++i)
            if (Field(working_[i], "selected", "false") == "true") selected_.push_back(i);
    if (status_ == 2 && selected_.empty()) status_ = 1;
    ResetCurrentControlStatus();
    ChangeActivedStatus(true);
    SetDefaultValueToUI();
    if (status_ == 2) {
        // The edited inserts' pages, and the first one's sheets and paper.
        const SPRecord& first = working_[selected_.front()];
        std::string pages;
        for (size_t i : selected_)
            if (const std::string page = Field(working_[i], "page", ""); page != "0")
                pages += (pages.empty() ? "" : ",") + page;
        // An insert before page one shows that position and no pages.
        if (auto* popup = dynamic_cast<zqp::PopUpButton*>(position_->GetControlPtr()))
            popup->selectItemAtIndex(Field(first, "page", "") == "0" ? 1 : 0);
        if (auto* field = dynamic_cast<zqp::TextField*>(pages_->GetControlPtr())) field->setStringValue(pages);
        if (auto* field = dynamic_cast<zqp::TextField*>(quantity_->GetControlPtr()))
            field->setStringValue(Field(first, "insertquantity", "1"));
        paper_->setControlValue({std::atoll(Field(first, "pagesize").c_str()),
                                 std::atoll(Field(first, "pagecolor").c_str()),
                                 std::atoll(Field(first, "pagetype").c_str()), Field(first, "interposer") == "true"});
    }
    SetCurrentValueToUI();
    zqp::Application::Shared().runModalForWindow(*w);
    return 0;
}

bool SPAddInsertWndARK::Apply() {
    SPSummaryScrollViewCtrl* list = panel_ != nullptr ? panel_->getSPSummaryScrollViewCtrlPtr() : nullptr;
    if (list == nullptr || list->recordList() == nullptr) return false;
    SycValueFromUI();
    for (auto& c : fCtrlGroupArray)
        if (c && !c->InvalidateData()) return false;
    InsertWindowValues values;
    values.option = position_->GetOptionSelection();
    values.optionEnabled = position_->BEnable();
    auto* quantityView = dynamic_cast<zqp::TextField*>(quantity_->GetControlPtr());
    values.quantity = quantityView != nullptr ? std::atoi(quantityView->stringValue().c_str()) : 1;
    PaperChoiceValue v;
    if (paper_->getControlValue(&v)) {
        values.paper.size = std::to_string(v.size);
        values.paper.color = std::to_string(v.color);
        values.paper.type = std::to_string(v.type);
        values.paper.interposer = v.interposer;
    }
    std::vector<SPRecord> working = working_;
    const bool frontCover = HasFrontCover(list->recordList()->getArrayByType(kCover));
    SPSelectPaperListCtrlARK* paper = paper_;
    if (!ApplyInsertEdit(status_, working, selected_, pages_->GetSortedPageArray(), values, frontCover,
                         [paper](int32_t index) { return paper->doCustomSizeSetCheckByIndex(index); }))
        return false;
    if (static_cast<int32_t>(working.size()) > kMaxInsertRecords) {
        pages_->ShowErrMsg(kWarningTooMany);
        return false;
    }
    panel_->toMakeChange();
    list->updateRequest(kInsert, SortedByPage(working));
    ChangeActivedStatus(false);
    DeactivateWindow();
    return true;
}

}  // namespace zqsp
