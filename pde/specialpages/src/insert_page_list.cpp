#include "insert_page_list.h"

#include <algorithm>
#include <cstdlib>

#include <zqp/bundle.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include "summary_list.h"
#include "zqpde/app_resources.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/input_filter.h"
#include "zqpde/text_entry.h"
#include "zqpde/text_util.h"

namespace zqsp {

namespace {

bool HasFrontCover(SPSummaryScrollViewCtrl* list) {
    if (list == nullptr || list->recordList() == nullptr) return false;
    for (const SPRecord& r : list->recordList()->getArrayByType(kCover)) {
        auto it = r.find("page");
        if (it != r.end() && it->second == "0") return true;
    }
    return false;
}

SPSummaryScrollViewCtrl* ListOf(zqpde::BasePrintPanel* window) {
    if (window == nullptr) return nullptr;
    auto* panel = dynamic_cast<SPPanelServices*>(window->GetParentWnd());
    if (panel == nullptr) panel = dynamic_cast<SPPanelServices*>(window);
    return panel != nullptr ? panel->getSPSummaryScrollViewCtrlPtr() : nullptr;
}

bool WindowActive(zqpde::BasePrintPanel* window) {
    auto* w = dynamic_cast<zqpde::PopupWinInPanel*>(window);
    return w != nullptr && w->IsActived();
}

}  // namespace

// ---- the page list ------------------------------------------------------------------

void SPInsertPageTextEditARK::CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData,
                                            const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                                            const zqp::PrefUser* usernamein,
                                            const zqpde::TextEditFilterData* filterData, const char* titleInfo,
                                            int32_t maxPageList, const PageNumValueRange* valueRange) {
    zqpde::TextEditCtrl::CreateControl(view, iniData, constrain, accessInfo, usernamein, filterData);
    titletextRef = titleInfo != nullptr ? titleInfo : "";
    maxPageDefineNum = maxPageList;
    m_strArranged.clear();
    m_aSortedPageArray.clear();
    if (valueRange != nullptr) m_tEditValueRangeData = *valueRange;
}

SPInsertWindowServices* SPInsertPageTextEditARK::Window() const {
    return dynamic_cast<SPInsertWindowServices*>(ctrlParentPanelPtr);
}

SPInsertOptionListARK* SPInsertPageTextEditARK::PositionList() const {
    SPInsertWindowServices* w = Window();
    return w != nullptr ? w->getSPInstOptionListCtlPtr() : nullptr;
}

bool SPInsertPageTextEditARK::FrontCoverPresent() const { return HasFrontCover(ListOf(ctrlParentPanelPtr)); }

std::string SPInsertPageTextEditARK::FieldText() const {
    auto* field = dynamic_cast<zqp::TextField*>(ControlPtr);
    return field != nullptr ? field->stringValue() : "";
}

int32_t SPInsertPageTextEditARK::ValidatePageList(const std::string& text) {
    SPInsertWindowServices* w = Window();
    const int32_t existing = w != nullptr ? static_cast<int32_t>(w->getSortedInsertDataRecordPtr().size()) : 0;
    const bool editing = w != nullptr && w->getStatus() == 2 && BEnable();
    PageListRules rules = InsertPageListRules(existing, editing, FrontCoverPresent());
    rules.minPage = m_tEditValueRangeData.minimum;
    rules.maxPage = m_tEditValueRangeData.maximum;
    rules.maxRecords = maxPageDefineNum;
    // While adding, the replaced record does not count; a window that is
    // neither adding nor editing sets no limit.
    if (w != nullptr && w->getStatus() != 1 && !editing) rules.maxRecords = -1;
    const PageListResult result = ParsePageList(text, rules);
    if (result.status != kPageListOK) return result.status;
    m_strArranged = result.arranged;
    m_aSortedPageArray = result.pages;
    return kPageListOK;
}

bool SPInsertPageTextEditARK::IsRecordExceedMaxWithAddition(int32_t added) {
    SPInsertWindowServices* w = Window();
    if (w == nullptr) return false;
    const int64_t total = static_cast<int64_t>(w->getSortedInsertDataRecordPtr().size()) + added;
    if (w->getStatus() == 1) return total > maxPageDefineNum;
    if (w->getStatus() == 2 && BEnable()) return total - 1 > maxPageDefineNum;
    return false;
}

bool SPInsertPageTextEditARK::PreInvalidateData() {
    const std::string text = FieldText();
    SPInsertOptionListARK* position = PositionList();
    const bool afterPages = position == nullptr || position->GetOptionSelection() == 0;
    const size_t width = static_cast<size_t>(zqpde::GetStringLength(text));
    if (text.empty() && afterPages) return false;
    if (textEditIniDataPtr != nullptr) {
        if (width > textEditIniDataPtr->maxLength && afterPages && BEnable()) return false;
        if (width < textEditIniDataPtr->minLength) return false;
    }
    if (textEditFilterDataPtr != nullptr && !text.empty() && !zqpde::validateInput(text, textEditFilterDataPtr))
        return false;
    return true;
}

bool SPInsertPageTextEditARK::InvalidateData() {
    if (!PreInvalidateData()) {
        ShowErrMsg(kWarningBadList);
        return false;
    }
    SPInsertOptionListARK* position = PositionList();
    if (position == nullptr || position->GetOptionSelection() == 0) {
        const int32_t status = ValidatePageList(FieldText());
        if (status == kPageListOK) return true;
        ShowErrMsg(status == kPageListTooMany       ? kWarningTooMany
                   : status == kPageListReversedRange ? kWarningReversed
                                                      : kWarningBadList);
        return false;
    }
    // Before page one: one insert at page 0, however often OK is pressed.
    if (IsRecordExceedMaxWithAddition(1)) {
        ShowErrMsg(kWarningTooMany);
        return false;
    }
    if (std::find(m_aSortedPageArray.begin(), m_aSortedPageArray.end(), 0) == m_aSortedPageArray.end())
        m_aSortedPageArray.push_back(0);
    return true;
}

void SPInsertPageTextEditARK::ShowErrMsg(int32_t warning) {
    zqp::Bundle* bundle = PanelBundle() != nullptr ? PanelBundle() : zqpde::pluginBundle;
    if (textEditFilterDataPtr == nullptr || textEditFilterDataPtr->errorMessageKey == nullptr || bundle == nullptr)
        return;
    const char* key = warning == kWarningReversed ? "Warning49" : warning == kWarningTooMany ? "Warning47" : "Warning44";
    zqp::Alert alert;
    alert.addButtonWithTitle(Localized(bundle, "Alert OK Btn"));
    alert.setMessageText("");
    alert.setInformativeText(Localized(bundle, key));
    alert.setInformativeKey(key);
    alert.setAlertStyle(zqp::AlertStyle::kWarning);
    alert.setIconFromFile(bundle->resourcePath() + "/AlertIcon.png");
    alert.runModal();
    if (ControlPtr != nullptr)
        if (zqp::Window* w = ControlPtr->window()) w->makeFirstResponder(ControlPtr);
}

void SPInsertPageTextEditARK::InitialPageArray() {
    m_strArranged.clear();
    m_aSortedPageArray.clear();
}

bool SPInsertPageTextEditARK::BEnable() const { return ControlPtr != nullptr && ControlPtr->isEnabled(); }
void SPInsertPageTextEditARK::SetToDisable() {
    if (BEnable()) ControlPtr->setEnabled(false);
}
void SPInsertPageTextEditARK::SetToEnable() {
    if (ControlPtr != nullptr && !BEnable()) ControlPtr->setEnabled(true);
}

bool SPInsertPageTextEditARK::SetDefaultValueToUI() {
    SPInsertOptionListARK* position = PositionList();
    if (position != nullptr && !position->BEnable()) return true;
    return zqpde::TextEditCtrl::SetDefaultValueToUI();
}

// ---- the position list ------------------------------------------------------------------

SPInsertWindowServices* SPInsertOptionListARK::Window() const {
    return dynamic_cast<SPInsertWindowServices*>(ctrlParentPanelPtr);
}

SPSummaryScrollViewCtrl* SPInsertOptionListARK::List() const { return ListOf(ctrlParentPanelPtr); }

int32_t SPInsertOptionListARK::GetOptionSelection() const {
    zqp::PopUpButton* p = PopUp();
    return p != nullptr ? p->indexOfSelectedItem() : 0;
}

bool SPInsertOptionListARK::BEnable() const { return ControlPtr != nullptr && ControlPtr->isEnabled(); }

int32_t SPInsertOptionListARK::DoControlConstrain() {
    SPInsertWindowServices* w = Window();
    char* block = GetValueFromUIDataBlk();
    if (w == nullptr || block == nullptr) return 0;
    SPInsertPageTextEditARK* edit = w->getSPInstPageNumEditCtlPtr();
    const int32_t selection = GetOptionSelection();
    if (WindowActive(ctrlParentPanelPtr)) {
        if (BlockInt(block) == selection + 1) return 0;
        if (edit != nullptr) selection == 0 ? edit->SetToEnable() : edit->SetToDisable();
        SetBlockInt(block, selection + 1);
        return 0;
    }
    if (edit == nullptr) return 0;
    SPSummaryScrollViewCtrl* list = List();
    if (selection == 1) {
        edit->SetToDisable();
    } else if (list != nullptr && list->getSummaryScrollViewStatus() == 2 && list->selectedItemCount() > 1) {
        edit->SetToDisable();
    } else {
        edit->SetToEnable();
    }
    return 0;
}

bool SPInsertOptionListARK::SetControlValueToUI() {
    zqpde::PopupControl::SetControlValueToUI();
    SPSummaryScrollViewCtrl* list = List();
    const bool several = list != nullptr && list->getSummaryScrollViewStatus() == 2 && list->selectedItemCount() >= 2;
    if (ControlPtr != nullptr) ControlPtr->setEnabled(!several);
    return true;
}

bool SPInsertOptionListARK::SetDefaultValueToUI() {
    if (!BEnable()) return true;
    return zqpde::PopupControl::SetDefaultValueToUI();
}

bool SPInsertOptionListARK::SetControlValueToDefault() {
    if (ControlPtr != nullptr) ControlPtr->setEnabled(true);
    return zqpde::PopupControl::SetControlValueToDefault();
}

bool SPInsertOptionListARK::UIEventHandler() {
    char* block = GetValueFromUIDataBlk();
    if (block != nullptr && GetOptionSelection() == 1 && BlockInt(block) != 2)
        if (SPInsertWindowServices* w = Window())
            if (SPInsertPageTextEditARK* edit = w->getSPInstPageNumEditCtlPtr())
                edit->zqpde::TextEditCtrl::SetDefaultValueToUI();
    return zqpde::PopupControl::UIEventHandler();
}

void SPInsertOptionListARK::UpdateBeforePageOneStatus() {
    zqp::PopUpButton* p = PopUp();
    if (zqp::MenuItem* item = p != nullptr ? p->itemAtIndex(1) : nullptr) item->enabled = !HasFrontCover(List());
}

}  // namespace zqsp
