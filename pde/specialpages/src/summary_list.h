#pragma once
// The panel's summary list of special-page records (a three-column table),
// its Up, Down, Edit, Delete, Delete All and Undo buttons and the warning
// window that asks before a deletion. The records themselves and their
// merge rules are SPRecordList's (special_pages_ticket.h); the windows hand
// their records over with updateRequest.
#include <cstdint>
#include <string>
#include <vector>

#include <zqp/view.h>

#include "sp_services.h"
#include "special_pages_ticket.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/standard_controls.h"

namespace zqsp {

// The texts a row is built from: localised strings and the PPD's paper
// names.
struct SPRowTexts {
    std::function<std::string(const char* key)> localized;
    // The PPD text of choice `index` of the size (2), colour (3) or type (4)
    // option; empty outside the choices.
    std::function<std::string(int kind, int index)> paperTitle;
    std::function<std::string(int kind, int index)> paperChoice;
    std::string interposerTitle;  // the separator tray's own name
};

// One row's cells: "page", "type" and "setup".
struct SPRowCells {
    std::string page, type, setup;
};
SPRowCells SummaryRow(const SPRecord& record, const SPRowTexts& texts);
// The row's tool tip: "Page(s) Title" text, page, kind and setup.
std::string SummaryToolTip(const SPRowCells& row, const SPRowTexts& texts);

class SPSummaryScrollViewCtrl : public zqpde::BaseControl, public zqp::TableDataSource {
public:
    using zqpde::BaseControl::CreateControl;
    void CreateControl(zqp::View* view, const char* const* tableColumnsTitleArray,
                       const zqpde::ConstrainInfo* constrainArray, const zqpde::AccessInfo* accessInfo,
                       const zqp::PrefUser* usernamein);
    // The list the control shows; it belongs to the panel.
    void setRecordList(SPRecordList* list) { m_dataRecords = list; }
    SPRecordList* recordList() const { return m_dataRecords; }

    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    void setTargetandAction() override;
    bool SetControlValueToUI() override;
    // The records are kept: only the windows, the buttons and a readable
    // ticket copy change them.
    bool SetControlValueToDefault() override { return true; }
    bool UIEventHandler() override;
    // The panel writes and restores the copy itself (special_pages_ticket.h).
    using zqpde::BaseControl::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings*, bool) override { return true; }
    bool GetValueToPreset() override { return true; }

    // Table data.
    int numberOfRows() override;
    std::string objectValue(const std::string& column, int row) override;
    std::string toolTip(const std::string& column, int row) override;
    void tableViewSelectionDidChange();
    void RequestControlDoubleAction();

    // A window's records (kind 0, 1, 2) replace those of their kind.
    void updateRequest(int32_t kind, const std::vector<SPRecord>& records);
    // After a window's OK: the list is in its add state (1) and takes the
    // window's records, so the records marked "selected" (the other kinds'
    // marks kept, the window's as it wrote them) become the selection.
    void takeWindowRecords(int32_t kind, const std::vector<SPRecord>& records);
    void deleteAllItem();
    void deleteCurrentSelectedItem();
    void doDelectBeforePageOne();
    void upSelectedItems();
    void downSelectedItems();
    void undoRequest(const std::vector<SPRecord>& records, const std::vector<int>& selection);

    size_t selectedItemCount() const;
    size_t allItemCount() const { return m_dataRecords != nullptr ? m_dataRecords->allItemCount() : 0; }
    const SPRecord* getRecordByIndex(size_t index) const;
    std::vector<int> getIndexSetOfCurrentSelectedRecord() const;
    std::vector<SPRecord> getArrayOfCurrentSelectedRecords() const;
    int32_t getSummaryScrollViewStatus() const { return summaryScrollViewStatus; }
    void setSummaryScrollViewStatus(int32_t status) { summaryScrollViewStatus = status; }
    void markSelectedRecord();
    void selectMarkedRecord();
    void doSelectCoverItem();
    void upDateView();
    const SPRowTexts& rowTexts() const { return texts_; }

private:
    zqp::TableView* Table() const { return dynamic_cast<zqp::TableView*>(ControlPtr); }
    SPPanelServices* Panel() const;
    void OpenWindowOfSelection();

    SPRecordList* m_dataRecords = nullptr;
    std::vector<SPRowCells> m_viewRecords;
    int32_t summaryScrollViewStatus = 0;
    const char* const* tableColumnsTitleArrayPtr = nullptr;
    SPRowTexts texts_;
};

// The buttons under the list; each finds the list through the panel.
class SPListButton : public zqpde::BaseButton {
protected:
    SPPanelServices* Panel() const;
    SPSummaryScrollViewCtrl* List() const;
    void SetEnabled(bool enabled);
};

class SPUpButCtrlARK : public SPListButton {
public:
    bool UIEventHandler() override;
    int32_t Update() override;
};
class SPDownButCtrlARK : public SPListButton {
public:
    bool UIEventHandler() override;
    int32_t Update() override;
};
class SPEditButCtrlARK : public SPListButton {
public:
    bool UIEventHandler() override;
    int32_t Update() override;
};
class SPDeleteButCtrlARK : public SPListButton {
public:
    bool UIEventHandler() override;
    int32_t Update() override;
};
class SPDeleteAllButCtrlARK : public SPListButton {
public:
    bool UIEventHandler() override;
    int32_t Update() override;
};
// Enabled while fewer than 250 records of its kind exist (1 inserts, 2
// exceptions); a click opens the kind's window.
class SPAddKindButCtrlARK : public SPListButton {
public:
    explicit SPAddKindButCtrlARK(int32_t kind) : kind_(kind) {}
    bool UIEventHandler() override;
    int32_t Update() override;

private:
    int32_t kind_;
};

// One level of undo.
class SPUndoButCtrlARK : public SPListButton {
public:
    bool UIEventHandler() override;
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    void undoEnable();
    bool isDisabled() const { return isDisable; }

private:
    bool isDisable = true;
    std::vector<SPRecord> m_backupRecords;
    std::vector<int> m_currentSelectedIndexSet;
};

inline constexpr int32_t kMaxRecordsOfKind = 250;

// Asks before a deletion.
class SPWarningWndARK : public zqpde::PopupWinInPanel {
public:
    using zqpde::PopupWinInPanel::PopupWinInPanel;
    // The message for kind 0 (selected) or 1 (all); runs modally; true after OK.
    bool Ask(int32_t kind);
    void Answer(int32_t status);
    int32_t exitStatus = 1;
    zqp::TextField* messageText = nullptr;
};

class SPWarningWndButCtrlARK : public zqpde::BaseButton {
public:
    explicit SPWarningWndButCtrlARK(int32_t status) : status_(status) {}
    bool UIEventHandler() override;

private:
    int32_t status_;
};

}  // namespace zqsp

namespace zqsp {

// The help button of the panel and its windows: one of the known page
// names takes the help part of the PPD's "ZQXSpecialPagesSettings".
class SPHelpButtonARK : public zqpde::BaseButton {
public:
    explicit SPHelpButtonARK(std::string helpName) : helpName_(std::move(helpName)) {}
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool UIEventHandler() override;
    const std::string& helpFileName() const { return helpFileName_; }

private:
    std::string helpName_;
    std::string helpFileName_;
};

// Cancel of an editor window: inactive and closed.
class SPCancelButCtrlARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

// Restore of an editor window: its controls show their defaults.
class SPRestoreButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

}  // namespace zqsp
