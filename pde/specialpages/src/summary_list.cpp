#include "summary_list.h"

#include "window_controls.h"

#include <algorithm>
#include <cstdlib>

#include <zqp/bundle.h>
#include <zqp/window.h>

#include <cstring>

#include "zqpde/number_text.h"
#include "zqpde/text_util.h"
#include "zqpde/app_resources.h"
#include "zqpde/ppd_util.h"

namespace zqsp {

namespace {

std::string Field(const SPRecord& r, const char* key) {
    auto it = r.find(key);
    return it == r.end() ? std::string() : it->second;
}
int FieldInt(const SPRecord& r, const char* key) { return std::atoi(Field(r, key).c_str()); }
int Kind(const SPRecord& r) { return FieldInt(r, "type"); }
bool IsFrontCover(const SPRecord& r) { return Kind(r) == kCover && Field(r, "page") == "0"; }
bool IsBackCover(const SPRecord& r) { return Kind(r) == kCover && Field(r, "page") == "1"; }

const char* const kPrintingOptionTitles[] = {"Blank or Pre-Printed String", "Print On Side One String",
                                             "Print On Side Two String", "Print On Both Sides String"};
const char* const kTwoSideTitles[] = {"No Change Option String", "1 Side Print Option String",
                                      "2 Side Print Option String", "2 Side Short Edge Option String"};

// A translated text whose placeholder takes the value (appended when it has
// none): the text is never used as a format.
std::string Substitute(const std::string& text, const std::string& value) {
    const std::string filled = FillPlaceholders(text, {value});
    return filled != text ? filled : text + " " + value;
}

std::string CustomNumber(const std::string& mm, bool inches) {
    std::string n = mm.find('.') == std::string::npos ? mm + ".0" : mm;
    if (inches) n = zqpde::TransformMillimetreToInchs(n);
    return n + " ";
}

}  // namespace

SPRowCells SummaryRow(const SPRecord& r, const SPRowTexts& t) {
    SPRowCells row;
    const int kind = Kind(r);
    std::string first;
    if (kind == kCover) {
        row.type = t.localized("Cover String");
        row.page = t.localized(Field(r, "page") == "0" ? "Front String" : "Back String");
        const int option = FieldInt(r, "printingoptions");
        first = option >= 0 && option <= 3 ? t.localized(kPrintingOptionTitles[option]) : "";
    } else if (kind == kInsert) {
        row.type = t.localized("Insert String");
        row.page = Field(r, "insertoption") == "1" ? t.localized("Before Page one String") : Field(r, "page");
        first = Substitute(t.localized("Quantity String"), std::to_string(FieldInt(r, "insertquantity")));
    } else if (kind == kException) {
        row.type = t.localized("Exception String");
        row.page = Field(r, "page");
        const int sides = FieldInt(r, "twoSidePrint");
        first = sides >= 0 && sides <= 3 ? t.localized(kTwoSideTitles[sides]) : "";
    } else {
        return row;
    }
    row.setup = first + "; ";
    if (Field(r, "interposer") == "true") {
        row.setup += t.interposerTitle.empty() ? t.localized("ZQUncollateSeparator-INT") : t.interposerTitle;
        return row;
    }
    const int size = FieldInt(r, "pagesize");
    std::string sizeText;
    if (t.paperChoice(2, size) == "Custom") {
        const bool inches = Field(r, "longmeasure") == "0";
        sizeText = CustomNumber(Field(r, "width"), inches) + "x " + CustomNumber(Field(r, "length"), inches) +
                   t.localized(inches ? "Custom Size Inch Text" : "Custom Size MM Text");
    } else {
        sizeText = t.paperTitle(2, size);
    }
    auto named = [&](int paperKind, const char* key, const char* label) {
        const int index = FieldInt(r, key);
        std::string title = t.paperTitle(paperKind, index);
        if (t.paperChoice(paperKind, index).find("Custom") != std::string::npos)
            title = t.localized(label) + ":" + title;
        return title;
    };
    row.setup += sizeText + ", " + named(3, "pagecolor", "Color String") + ", " + named(4, "pagetype", "Type String");
    return row;
}

std::string SummaryToolTip(const SPRowCells& row, const SPRowTexts& t) {
    if (row.page.empty() || row.type.empty() || row.setup.empty()) return {};
    return t.localized("Page(s) Title") + " " + row.page + ";  " + row.type + ";  " + row.setup;
}

// ---- the list control ---------------------------------------------------------------

void SPSummaryScrollViewCtrl::CreateControl(zqp::View* view, const char* const* tableColumnsTitleArray,
                                            const zqpde::ConstrainInfo* constrainArray,
                                            const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein) {
    zqpde::BaseControl::CreateControl(view);
    KeepTables(constrainArray, accessInfo, usernamein);
    tableColumnsTitleArrayPtr = tableColumnsTitleArray;
    summaryScrollViewStatus = 0;
}

bool SPSummaryScrollViewCtrl::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    zqpde::BaseControl::InitializeCtrl(bundle, ppd);
    texts_.localized = [this](const char* key) {
        const zqp::Bundle* b = PanelBundle() != nullptr ? PanelBundle() : zqpde::pluginBundle;
        std::string text = Localized(b, key);
        return text == zqp::kNoTranslation ? std::string("not found") : text;
    };
    texts_.paperTitle = [this](int kind, int index) -> std::string {
        if (index < 0) return texts_.localized("No Change Option String");
        ppd_file_t* p = ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetCurrentPPD() : nullptr;
        const char* key = kind == 2 ? "PageSize" : kind == 4 ? "MediaType" : nullptr;
        const std::string colorKey = p != nullptr ? zqpde::FixPPDKeywordAccordingToType(p, "ZQMediaColor") : "";
        ppd_option_t* o = p != nullptr ? ppdFindOption(p, key != nullptr ? key : colorKey.c_str()) : nullptr;
        const auto choices = zqpde::ArrayFromPPDOption(o);
        if (index < 0 || static_cast<size_t>(index) >= choices.size()) return {};
        if (kind == 2 && choices[static_cast<size_t>(index)].ppdTitle() == "Custom") {
            const std::string custom = texts_.localized("Custom Size Text");
            if (custom != "not found") return custom;
        }
        return choices[static_cast<size_t>(index)].userTitle();
    };
    texts_.paperChoice = [this](int kind, int index) -> std::string {
        ppd_file_t* p = ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetCurrentPPD() : nullptr;
        if (p == nullptr) return {};
        const std::string key = kind == 2 ? "PageSize" : kind == 4 ? "MediaType"
                                                                   : zqpde::FixPPDKeywordAccordingToType(p, "ZQMediaColor");
        return zqpde::GetValueFromPPDByIndex(p, key.c_str(), index).value_or("");
    };
    texts_.interposerTitle.clear();
    if (ppd_option_t* o = ppd != nullptr ? ppdFindOption(ppd, "ZQUncollateSeparator") : nullptr)
        for (const zqpde::PDEChoice& c : zqpde::ArrayFromPPDOption(o))
            if (c.ppdTitle() == "INT") texts_.interposerTitle = c.userTitle();
    if (zqp::TableView* table = Table()) {
        table->setDataSource(this);
        table->setAllowsMultipleSelection(true);
        auto& columns = table->columns();
        for (size_t i = 0; i < columns.size() && tableColumnsTitleArrayPtr != nullptr; ++i) {
            if (tableColumnsTitleArrayPtr[i] == nullptr) break;
            columns[i].title = texts_.localized(tableColumnsTitleArrayPtr[i]);
        }
    }
    return true;
}

void SPSummaryScrollViewCtrl::setTargetandAction() {
    zqp::TableView* table = Table();
    if (table == nullptr) return;
    table->setTarget(this);
    table->setAction([this](zqp::View&) { tableViewSelectionDidChange(); });
    // A double-click selects its row without a selection notice: mark the
    // records first, so the window edits the row clicked and does not add.
    table->setDoubleAction([this](zqp::View&) {
        tableViewSelectionDidChange();
        RequestControlDoubleAction();
    });
}

bool SPSummaryScrollViewCtrl::SetControlValueToUI() {
    upDateView();
    return true;
}

bool SPSummaryScrollViewCtrl::UIEventHandler() {
    doSelectCoverItem();
    return zqpde::BaseControl::UIEventHandler();
}

int SPSummaryScrollViewCtrl::numberOfRows() { return static_cast<int>(m_viewRecords.size()); }

std::string SPSummaryScrollViewCtrl::objectValue(const std::string& column, int row) {
    if (row < 0 || static_cast<size_t>(row) >= m_viewRecords.size()) return {};
    const SPRowCells& cells = m_viewRecords[static_cast<size_t>(row)];
    if (column == "page") return cells.page;
    if (column == "type") return cells.type;
    if (column == "setup") return cells.setup;
    return {};
}

std::string SPSummaryScrollViewCtrl::toolTip(const std::string&, int row) {
    if (row < 0 || static_cast<size_t>(row) >= m_viewRecords.size()) return {};
    return SummaryToolTip(m_viewRecords[static_cast<size_t>(row)], texts_);
}

void SPSummaryScrollViewCtrl::tableViewSelectionDidChange() {
    UIEventHandler();
    if (selectedItemCount() > 0) markSelectedRecord();
}

void SPSummaryScrollViewCtrl::OpenWindowOfSelection() {
    const std::vector<SPRecord> selected = getArrayOfCurrentSelectedRecords();
    if (selected.empty()) return;
    const int kind = Kind(selected.front());
    for (const SPRecord& r : selected)
        if (Kind(r) != kind) return;  // records of mixed kinds open nothing
    SPPanelServices* panel = Panel();
    if (panel == nullptr) return;
    zqpde::PopupWinInPanel* window = kind == kCover    ? panel->getSPAddCoversWndPtr()
                                     : kind == kInsert ? panel->getSPAddInsertWndPtr()
                                                       : panel->getSPAddExceptionsWndPtr();
    summaryScrollViewStatus = 2;
    if (window != nullptr) window->ActivateWindow();
}

void SPSummaryScrollViewCtrl::RequestControlDoubleAction() { OpenWindowOfSelection(); }

void SPSummaryScrollViewCtrl::updateRequest(int32_t kind, const std::vector<SPRecord>& records) {
    if (m_dataRecords != nullptr && kind >= kCover && kind <= kException) m_dataRecords->updateRequest(kind, records);
    upDateView();
}

void SPSummaryScrollViewCtrl::takeWindowRecords(int32_t kind, const std::vector<SPRecord>& records) {
    summaryScrollViewStatus = 1;
    updateRequest(kind, records);
}

void SPSummaryScrollViewCtrl::deleteAllItem() {
    if (m_dataRecords != nullptr) m_dataRecords->deleteAllItem();
    upDateView();
}

void SPSummaryScrollViewCtrl::deleteCurrentSelectedItem() {
    if (m_dataRecords == nullptr) return;
    // The marks are the selection before anything goes (a selection the
    // list made itself, as Undo's, has not been marked yet).
    markSelectedRecord();
    std::vector<SPRecord>& list = m_dataRecords->mutableRecords();
    std::vector<int> rows = getIndexSetOfCurrentSelectedRecord();
    if (rows.size() >= list.size()) {
        list.clear();
    } else {
        std::sort(rows.begin(), rows.end());
        for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
            const size_t at = static_cast<size_t>(*it);
            if (at >= list.size()) continue;
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(at));
            // The record that moved into the place (the one before it, when
            // the last went) is marked; the list's state decides whether the
            // marks are selected (selectMarkedRecord).
            if (!list.empty()) list[std::min(at, list.size() - 1)]["selected"] = "true";
        }
    }
    upDateView();
}

void SPSummaryScrollViewCtrl::doDelectBeforePageOne() {
    if (m_dataRecords == nullptr) return;
    auto& list = m_dataRecords->mutableRecords();
    list.erase(std::remove_if(list.begin(), list.end(),
                              [](const SPRecord& r) { return Kind(r) == kInsert && Field(r, "page") == "0"; }),
               list.end());
}

void SPSummaryScrollViewCtrl::upSelectedItems() {
    zqp::TableView* table = Table();
    if (m_dataRecords == nullptr || table == nullptr) return;
    auto& list = m_dataRecords->mutableRecords();
    std::vector<int> rows = getIndexSetOfCurrentSelectedRecord();
    std::sort(rows.begin(), rows.end());
    std::vector<int> moved;
    for (int row : rows) {
        if (row <= 0 || static_cast<size_t>(row) >= list.size()) continue;
        std::swap(list[static_cast<size_t>(row)], list[static_cast<size_t>(row) - 1]);
        moved.push_back(row - 1);
    }
    for (SPRecord& r : list) r["selected"] = "false";
    for (int row : moved) list[static_cast<size_t>(row)]["selected"] = "true";
    summaryScrollViewStatus = 1;
    upDateView();
}

void SPSummaryScrollViewCtrl::downSelectedItems() {
    zqp::TableView* table = Table();
    if (m_dataRecords == nullptr || table == nullptr) return;
    auto& list = m_dataRecords->mutableRecords();
    std::vector<int> rows = getIndexSetOfCurrentSelectedRecord();
    std::sort(rows.rbegin(), rows.rend());
    std::vector<int> moved;
    for (int row : rows) {
        if (row < 0 || static_cast<size_t>(row) + 1 >= list.size()) continue;
        std::swap(list[static_cast<size_t>(row)], list[static_cast<size_t>(row) + 1]);
        moved.push_back(row + 1);
    }
    for (SPRecord& r : list) r["selected"] = "false";
    for (int row : moved) list[static_cast<size_t>(row)]["selected"] = "true";
    summaryScrollViewStatus = 1;
    upDateView();
}

void SPSummaryScrollViewCtrl::undoRequest(const std::vector<SPRecord>& records, const std::vector<int>& selection) {
    if (m_dataRecords == nullptr) return;
    m_dataRecords->mutableRecords() = records;
    upDateView();
    if (zqp::TableView* table = Table()) {
        table->deselectAll();
        table->selectRows(selection, false);
    }
    zqpde::BaseControl::UIEventHandler();
}

size_t SPSummaryScrollViewCtrl::selectedItemCount() const { return getIndexSetOfCurrentSelectedRecord().size(); }

const SPRecord* SPSummaryScrollViewCtrl::getRecordByIndex(size_t index) const {
    if (m_dataRecords == nullptr || index >= m_dataRecords->allItemCount()) return nullptr;
    return &m_dataRecords->records()[index];
}

std::vector<int> SPSummaryScrollViewCtrl::getIndexSetOfCurrentSelectedRecord() const {
    zqp::TableView* table = Table();
    if (table == nullptr) return {};
    std::vector<int> rows;
    for (int row : table->selectedRows())
        if (row >= 0 && static_cast<size_t>(row) < allItemCount()) rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<SPRecord> SPSummaryScrollViewCtrl::getArrayOfCurrentSelectedRecords() const {
    std::vector<SPRecord> out;
    for (int row : getIndexSetOfCurrentSelectedRecord()) out.push_back(m_dataRecords->records()[static_cast<size_t>(row)]);
    return out;
}

void SPSummaryScrollViewCtrl::markSelectedRecord() {
    if (m_dataRecords == nullptr) return;
    auto& list = m_dataRecords->mutableRecords();
    for (SPRecord& r : list) r["selected"] = "false";
    for (int row : getIndexSetOfCurrentSelectedRecord()) list[static_cast<size_t>(row)]["selected"] = "true";
}

void SPSummaryScrollViewCtrl::selectMarkedRecord() {
    zqp::TableView* table = Table();
    if (table == nullptr || m_dataRecords == nullptr) return;
    table->deselectAll();
    auto& list = m_dataRecords->mutableRecords();
    if (summaryScrollViewStatus == 2) {
        for (SPRecord& r : list) r["selected"] = "false";
        return;
    }
    if (summaryScrollViewStatus != 1) return;
    std::vector<int> rows;
    for (size_t i = 0; i < list.size(); ++i)
        if (Field(list[i], "selected") == "true") rows.push_back(static_cast<int>(i));
    table->selectRows(rows, false);
}

void SPSummaryScrollViewCtrl::doSelectCoverItem() {
    zqp::TableView* table = Table();
    if (table == nullptr || m_dataRecords == nullptr || m_dataRecords->allItemCount() == 0) return;
    const std::vector<int> rows = getIndexSetOfCurrentSelectedRecord();
    if (rows.empty()) return;
    const auto& list = m_dataRecords->records();
    const int last = static_cast<int>(list.size()) - 1;
    // The two covers are edited together, so they are selected together.
    if (IsFrontCover(list[static_cast<size_t>(rows.front())]) && IsBackCover(list.back()))
        table->selectRows({last}, true);
    else if (IsBackCover(list[static_cast<size_t>(rows.back())]) && IsFrontCover(list.front()))
        table->selectRows({0}, true);
}

void SPSummaryScrollViewCtrl::upDateView() {
    m_viewRecords.clear();
    if (m_dataRecords != nullptr && texts_.localized)
        for (const SPRecord& r : m_dataRecords->records()) m_viewRecords.push_back(SummaryRow(r, texts_));
    if (zqp::TableView* table = Table()) table->reloadData();
    selectMarkedRecord();
    UIEventHandler();
}

SPPanelServices* SPSummaryScrollViewCtrl::Panel() const { return dynamic_cast<SPPanelServices*>(ctrlParentPanelPtr); }

// ---- buttons --------------------------------------------------------------------------

SPPanelServices* SPListButton::Panel() const { return dynamic_cast<SPPanelServices*>(ctrlParentPanelPtr); }

SPSummaryScrollViewCtrl* SPListButton::List() const {
    SPPanelServices* panel = Panel();
    return panel != nullptr ? panel->getSPSummaryScrollViewCtrlPtr() : nullptr;
}

void SPListButton::SetEnabled(bool enabled) {
    // The list decides the state outright; the counted disabling is for
    // constraints between controls.
    ResetStatus();
    if (!enabled) Disable();
}

namespace {

// Whether every selected record is an insert whose neighbour (-1 above, +1
// below) is an insert at the same position.
bool InsertsMayMove(SPSummaryScrollViewCtrl* list, int step) {
    if (list == nullptr) return false;
    const std::vector<int> rows = list->getIndexSetOfCurrentSelectedRecord();
    if (rows.empty()) return false;
    for (int row : rows) {
        const SPRecord* r = list->getRecordByIndex(static_cast<size_t>(row));
        const int other = row + step;
        if (r == nullptr || Kind(*r) != kInsert || other < 0) return false;
        const SPRecord* n = list->getRecordByIndex(static_cast<size_t>(other));
        if (n == nullptr || Kind(*n) != kInsert || Field(*n, "insertoption") != Field(*r, "insertoption") ||
            Field(*n, "page") != Field(*r, "page"))
            return false;
    }
    return true;
}

}  // namespace

bool SPUpButCtrlARK::UIEventHandler() {
    if (SPSummaryScrollViewCtrl* list = List(); list != nullptr && InsertsMayMove(list, -1)) {
        Panel()->toMakeChange();
        list->upSelectedItems();
    }
    return true;
}
int32_t SPUpButCtrlARK::Update() {
    SetEnabled(InsertsMayMove(List(), -1));
    return 0;
}

bool SPDownButCtrlARK::UIEventHandler() {
    if (SPSummaryScrollViewCtrl* list = List(); list != nullptr && InsertsMayMove(list, 1)) {
        Panel()->toMakeChange();
        list->downSelectedItems();
    }
    return true;
}
int32_t SPDownButCtrlARK::Update() {
    SetEnabled(InsertsMayMove(List(), 1));
    return 0;
}

namespace {
bool OneKindSelected(SPSummaryScrollViewCtrl* list) {
    if (list == nullptr) return false;
    const auto selected = list->getArrayOfCurrentSelectedRecords();
    if (selected.empty()) return false;
    for (const SPRecord& r : selected)
        if (Kind(r) != Kind(selected.front())) return false;
    return true;
}
}  // namespace

bool SPEditButCtrlARK::UIEventHandler() {
    if (SPSummaryScrollViewCtrl* list = List(); OneKindSelected(list)) list->RequestControlDoubleAction();
    return true;
}
int32_t SPEditButCtrlARK::Update() {
    SetEnabled(OneKindSelected(List()));
    return 0;
}

bool SPDeleteButCtrlARK::UIEventHandler() {
    SPSummaryScrollViewCtrl* list = List();
    if (list != nullptr && list->selectedItemCount() > 0 && Panel()->sureToMakeChange(0))
        list->deleteCurrentSelectedItem();
    return true;
}
int32_t SPDeleteButCtrlARK::Update() {
    SPSummaryScrollViewCtrl* list = List();
    SetEnabled(list != nullptr && list->selectedItemCount() > 0);
    return 0;
}

bool SPDeleteAllButCtrlARK::UIEventHandler() {
    SPSummaryScrollViewCtrl* list = List();
    if (list != nullptr && list->allItemCount() > 0 && Panel()->sureToMakeChange(1)) list->deleteAllItem();
    return true;
}
int32_t SPDeleteAllButCtrlARK::Update() {
    SPSummaryScrollViewCtrl* list = List();
    SetEnabled(list != nullptr && list->allItemCount() > 0);
    return 0;
}

bool SPAddKindButCtrlARK::UIEventHandler() {
    SPPanelServices* panel = Panel();
    if (panel == nullptr) return true;
    if (SPSummaryScrollViewCtrl* list = List()) list->setSummaryScrollViewStatus(1);
    zqpde::PopupWinInPanel* window = kind_ == kCover    ? panel->getSPAddCoversWndPtr()
                                     : kind_ == kInsert ? panel->getSPAddInsertWndPtr()
                                                        : panel->getSPAddExceptionsWndPtr();
    if (window != nullptr) window->ActivateWindow();
    return true;
}
int32_t SPAddKindButCtrlARK::Update() {
    if (kind_ == kCover) return 0;
    SPSummaryScrollViewCtrl* list = List();
    size_t count = 0;
    if (list != nullptr && list->recordList() != nullptr) count = list->recordList()->getArrayByType(kind_).size();
    SetEnabled(count < static_cast<size_t>(kMaxRecordsOfKind));
    return 0;
}

bool SPUndoButCtrlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    SPListButton::InitializeCtrl(bundle, ppd);
    SetEnabled(!isDisable);
    return true;
}

void SPUndoButCtrlARK::undoEnable() {
    SPSummaryScrollViewCtrl* list = List();
    if (list == nullptr || list->recordList() == nullptr) return;
    m_backupRecords = list->recordList()->getArrayByType(3);
    m_currentSelectedIndexSet = list->getIndexSetOfCurrentSelectedRecord();
    isDisable = false;
    SetEnabled(true);
}

bool SPUndoButCtrlARK::UIEventHandler() {
    if (isDisable) return true;
    isDisable = true;
    if (SPSummaryScrollViewCtrl* list = List()) list->undoRequest(m_backupRecords, m_currentSelectedIndexSet);
    SetEnabled(false);
    return true;
}

// ---- warning window ------------------------------------------------------------------

bool SPWarningWndARK::Ask(int32_t kind) {
    if (messageText != nullptr) {
        const char* key = kind == 0 ? "Delete Selected Special Pages" : "Delete All Special Pages";
        const zqp::Bundle* bundle = pdeBundleRef != nullptr ? pdeBundleRef : zqpde::pluginBundle;
        const std::string table = LocalizeTableName.empty() ? zqp::kDefaultStringTable : LocalizeTableName;
        messageText->setStringValue(bundle != nullptr ? bundle->localizedString(key, zqp::kNoTranslation, table)
                                                      : zqp::kNoTranslation);
    }
    exitStatus = 1;
    ActivateWindow();
    return exitStatus == 0;
}

void SPWarningWndARK::Answer(int32_t status) {
    exitStatus = status;
    DeactivateWindow();
}

bool SPWarningWndButCtrlARK::UIEventHandler() {
    if (auto* window = dynamic_cast<SPWarningWndARK*>(ctrlParentPanelPtr)) window->Answer(status_);
    return true;
}

}  // namespace zqsp

namespace zqsp {

bool SPHelpButtonARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    zqpde::BaseButton::InitializeCtrl(bundle, ppd);
    static const char* const kKnown[][2] = {
        {"SpecialPagesMain.htm", "SpecialPagesMain_"},         {"SpecialPagesCover.htm", "SpecialPagesCover_"},
        {"SpecialPagesInsert.htm", "SpecialPagesInsert_"},     {"SpecialPagesException.htm", "SpecialPagesException_"},
        {"SpecialPagesAdv.htm", "SpecialPagesAdv_"},           {"SpecialPagesCustom.htm", "SpecialPagesCustom_"},
        {"SpecialPagesNumInSequence.htm", "SpecialPagesNumInSequence_"}};
    helpFileName_ = helpName_;
    const std::string keyword =
        ppd != nullptr ? zqpde::FixPPDKeywordAccordingToType(ppd, "ZQXSpecialPagesSettings") : "";
    ppd_attr_t* attr = ppd != nullptr ? zqpde::ppdFindAttr_ALT(ppd, keyword.c_str(), nullptr) : nullptr;
    if (attr == nullptr || attr->value == nullptr || std::strchr(attr->value, '-') == nullptr) return true;
    for (const auto& known : kKnown)
        if (helpName_ == known[0]) helpFileName_ = std::string(known[1]) + zqpde::GetAppResourceName(attr->value, 1) + ".htm";
    return true;
}

bool SPHelpButtonARK::UIEventHandler() {
    if (!helpFileName_.empty())
        zqpde::GotoHelpPage(zqpde::pluginBundle, helpFileName_, "", "Help Viewer Title for Special Pages");
    return true;
}

bool SPCancelButCtrlARK::UIEventHandler() {
    if (auto* window = dynamic_cast<zqpde::PopupWinInPanel*>(ctrlParentPanelPtr)) {
        window->ChangeActivedStatus(false);
        window->DeactivateWindow();
    }
    return true;
}

bool SPRestoreButtonARK::UIEventHandler() {
    if (ctrlParentPanelPtr != nullptr) ctrlParentPanelPtr->SetDefaultValueToUI();
    return true;
}

}  // namespace zqsp
