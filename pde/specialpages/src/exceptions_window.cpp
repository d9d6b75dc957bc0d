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

class SPExceptionsOKButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override {
        if (auto* w = dynamic_cast<SPAddExceptionsWndARK*>(ctrlParentPanelPtr)) w->Apply();
        return true;
    }
};

std::string Field(const SPRecord& r, const char* key, const char* fallback = "-1") {
    auto it = r.find(key);
    return it == r.end() ? fallback : it->second;
}

}  // namespace

SPAddExceptionsWndARK::SPAddExceptionsWndARK(zqp::Window* window, const char* theWinTitleStr, SPPanelServices* panel)
    : zqpde::PopupWinInPanel(window, theWinTitleStr), panel_(panel) {
    CreateControls();
}

void SPAddExceptionsWndARK::CreateControls() {
    zqp::Window* w = GetWindowRef();
    zqp::View* root = w != nullptr ? w->contentView() : nullptr;
    if (root == nullptr) return;
    auto view = [&](int32_t tag) { return root->viewWithTag(tag); };
    for (auto [tag, key] : {std::pair{kPageTitle, "Add Exception Page Define Title"},
                            std::pair{kPaperTitle, "Cover Paper Title"}, std::pair{kSidesTitle, "Exception Sides Title"}}) {
        if (view(tag) == nullptr) continue;
        auto c = std::make_unique<zqpde::StaticTextEditControl>();
        c->CreateControl(view(tag), nullptr, nullptr, nullptr, nullptr, nullptr, key);
        AddNewControl(std::move(c));
    }
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

    auto button = [&](std::unique_ptr<zqpde::BaseButton> b, int32_t tag, const char* title) {
        if (view(tag) == nullptr) return;
        b->CreateControl(view(tag), title);
        AddNewControl(std::move(b));
    };
    button(std::make_unique<SPExceptionsOKButtonARK>(), kOKButton, "Special Pages OK Btn");
    button(std::make_unique<SPCancelButCtrlARK>(), kCancelButton, "Special Pages CANCEL Btn");
    button(std::make_unique<SPRestoreButtonARK>(), kRestoreButton, "Special Pages RESTORE Btn");
    if (view(kHelpButton) != nullptr) {
        auto help = std::make_unique<SPHelpButtonARK>("SpecialPagesException.htm");
        help->CreateControl(view(kHelpButton), nullptr);
        AddNewControl(std::move(help));
    }
}

bool SPAddExceptionsWndARK::InitializeUserPaneTitle(zqp::Bundle* bundle) {
    if (bundle == nullptr || winTitleTextRef.empty()) return false;
    if (zqp::Window* w = GetWindowRef())
        w->setTitle(bundle->localizedString(winTitleTextRef, zqp::kNoTranslation,
                                            LocalizeTableName.empty() ? "Localizable" : LocalizeTableName));
    return zqpde::PopupWinInPanel::InitializeUserPaneTitle(bundle);
}

int32_t SPAddExceptionsWndARK::ActivateWindow() {
    zqp::Window* w = GetWindowRef();
    SPSummaryScrollViewCtrl* list = panel_ != nullptr ? panel_->getSPSummaryScrollViewCtrlPtr() : nullptr;
    if (w == nullptr || list == nullptr || list->recordList() == nullptr || pages_ == nullptr) return 0;
    selected_.clear();
    for (const SPRecord& r : list->recordList()->getArrayByType(kException))
        if (Field(r, "selected", "false") == "true") selected_.push_back(r);
    editing_ = list->getSummaryScrollViewStatus() == 2 && !selected_.empty();
    pages_->setAdding(!editing_);
    pages_->setEditingSeveral(editing_ && selected_.size() > 1);
    // The sides' No Change is offered while the edited exceptions differ.
    std::set<std::string> sides;
    for (const SPRecord& r : selected_) sides.insert(Field(r, "twoSidePrint", "0"));
    sides_->setSelectStatus(editing_ && sides.size() > 1 ? 1 : 0);
    ResetCurrentControlStatus();
    ChangeActivedStatus(true);
    SetDefaultValueToUI();
    if (editing_) {
        std::string pages;
        for (const SPRecord& r : selected_) pages += (pages.empty() ? "" : ",") + Field(r, "page", "");
        if (auto* field = dynamic_cast<zqp::TextField*>(pages_->GetControlPtr())) field->setStringValue(pages);
        const SPRecord& first = selected_.front();
        paper_->setControlValue({std::atoll(Field(first, "pagesize").c_str()),
                                 std::atoll(Field(first, "pagecolor").c_str()),
                                 std::atoll(Field(first, "pagetype").c_str()), false});
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
    SPSummaryScrollViewCtrl* list = panel_ != nullptr ? panel_->getSPSummaryScrollViewCtrlPtr() : nullptr;
    if (list == nullptr || list->recordList() == nullptr) return false;
    SycValueFromUI();
    for (auto& c : fCtrlGroupArray)
        if (c && !c->InvalidateData()) return false;
    ExceptionEdit edit;
    edit.pages = pages_->getPageDefineArray();
    if (editing_ && selected_.size() == 1) edit.removal = ExceptionRecordPages(Field(selected_.front(), "page", ""));
    for (const SPRecord& r : selected_)
        if (std::vector<int32_t> p = ExceptionRecordPages(Field(r, "page", "")); !p.empty())
            edit.selectedStarts.insert(p.front());
    PaperChoiceValue v;
    if (paper_->getControlValue(&v)) {
        edit.window.paper.size = std::to_string(v.size);
        edit.window.paper.color = std::to_string(v.color);
        edit.window.paper.type = std::to_string(v.type);
    }
    if (auto* popup = dynamic_cast<zqp::PopUpButton*>(sides_->GetControlPtr()))
        edit.window.twoSide = std::to_string(popup->indexOfSelectedItem());
    ExceptionPages pages = ExpandExceptionRecords(list->recordList()->getArrayByType(kException));
    std::vector<SPRecord> records;
    if (!ApplyExceptionEdit(pages, edit, records)) {
        pages_->ShowErrMsg(2);
        return false;
    }
    panel_->toMakeChange();
    list->updateRequest(kException, records);
    ChangeActivedStatus(false);
    DeactivateWindow();
    return true;
}

}  // namespace zqsp
