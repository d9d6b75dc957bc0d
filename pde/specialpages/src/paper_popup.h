#pragma once
// The paper pop-up of the covers, inserts and exceptions windows: "No
// Change", size, colour and type submenus from the PPD, the interposer tray
// and the advanced paper window; and the sidedness pop-ups beside it. Both
// grey out the items the PPD's constraints forbid together with the rest of
// the paper and the sides; the rules live in paper_choice.h.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "paper_choice.h"
#include "sp_services.h"
#include "zqpde/standard_controls.h"

namespace zqp {
class PopUpButton;
class Menu;
struct MenuItem;
}  // namespace zqp

namespace zqsp {

// Main items of the paper pop-up.
enum PaperMainItem : int {
    kPaperTitleItem = 0,
    kPaperNoChangeItem = 1,
    kPaperSizeItem = 2,
    kPaperColorItem = 3,
    kPaperTypeItem = 4,
    kPaperInterposerItem = 5,
    kPaperAdvancedItem = 6,
};

// The main item titles every window's paper pop-up uses.
extern const char* const kSelectPaperIniMenu[];

class SPSubMenuListCtrlARK : public zqpde::PopupControl {
public:
    using zqpde::PopupControl::CreateControl;
    // wndType: 0 covers, 1 inserts, 2 exceptions; duplexControl: the tag of
    // the window's sidedness pop-up, or nullptr.
    void CreateControl(zqp::View* view, const char* ppdKeySize, const char* ppdKeyColor, const char* ppdKeyType,
                       const zqpde::ListCtrlIniData* iniData, const zqpde::ConstrainInfo* constrainArray,
                       const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein, int32_t wndType,
                       const int32_t* duplexControl);

    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    void setTargetandAction() override;
    // A main item without submenu was chosen (the pop-up's own action).
    void RequestControlAction(zqp::View* sender) override;
    // tag: the pop-up's own tag (main item) or a submenu item's tag.
    void doControlAction(int32_t tag);
    // The window re-greys every control, then the base handler.
    bool UIEventHandler() override;
    // Greys what the PPD forbids, then, in an open window, moves a choice
    // that went grey to the first one offered, as if the user had chosen
    // it ("conflicting paper moves to the first allowed"); 0.
    int32_t UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    void UpdateSelfConflictsFromPPD(ppd_file_t* ppd);
    // The paper one record commits (indexes -1 for No Change), moved off
    // what the constraints forbid with the options in force, its other
    // kinds and its own sides (`duplex`), by the rule of the pop-up's own
    // choice; the interposer is left as it is.
    void AllowedRecordPaper(int32_t& size, int32_t& color, int32_t& type, bool interposer,
                            const std::vector<std::string>& duplex);
    // keyChoice: "Keyword:Choice".
    bool isMenuItemConflicted(const std::string& keyChoice, ppd_file_t* ppd, bool isNoChangeChoice);

    bool SetControlValueToUI() override;
    bool SetControlValueToDefault() override;
    bool SetDefaultValueToUI() override;
    int32_t Update() override;
    int32_t DoControlUpdateConstrain() override;
    int32_t GetCurrentControlArrayNumber() override;
    // The paper is the record's, not a ticket value of its own.
    using zqpde::PopupControl::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings*, bool) override { return true; }
    bool GetValueToPreset() override { return false; }

    // 1 size, 2 colour, 3 type: the PPD's marked choice of that keyword.
    void SetSubMenuToJobSettingByIndex(int32_t index);
    // kind 2 size, 3 colour, 4 type.
    int32_t getSelectedMenuItemIndexByType(int32_t kind) const;
    void setSelectedMenuItemIndexByType(int32_t kind, int32_t index);
    // Submenu item index + 1 of main item `kind`; empty / nullptr outside.
    std::string getSelectedMenuItemTitle(int32_t kind, int32_t index) const;
    std::string getSelectedMenuItemChoice(int32_t kind, int32_t index) const;
    zqp::MenuItem* getSelectedMenuItemRef(int32_t kind, int32_t index) const;
    zqp::Menu* getSubMenuRef(int32_t kind) const;

    bool getInterPoser() const;
    void setInterPoser(bool on);
    std::string getCustomPageWidth() const;
    std::string getCustomPageLength() const;
    // At most 255 bytes of the text are kept, cut at a character boundary.
    void setCustomPageWidth(const std::string& text);
    void setCustomPageLength(const std::string& text);
    int32_t getCustomPageSizeLongMeasure() const { return customPageSizeLongMeasure; }
    void setCustomPageSizeLongMeasure(int32_t unit) { customPageSizeLongMeasure = unit; }
    void setDefaultCustomValue();
    // The custom size a window starts from: the custom size window's
    // defaults, within the printer's limits.
    CustomSizeDefaults DefaultCustomSize() const;
    int32_t GetWndType() const { return m_iInsertWndType; }

    void enabledSubMenuByIndex(int32_t index, bool enabled);
    bool isEnabledSubMenuByIndex(int32_t index) const;
    bool doTabStockSetCheckByIndex(int32_t index) const;
    bool doCustomSizeSetCheckByIndex(int32_t index) const;
    // Sizes, colours and types in force (the selected records' paper for a
    // kind at No Change).
    std::vector<std::vector<std::string>> getCurrentSelectionArray();
    // Whether the interposer item is to be hidden.
    bool doHideTrayInterposerItem(ppd_file_t* ppd) const;
    void doTransparencyConstraint(int32_t typeIndex, int32_t eventFrom);

    // The adjusted colour keyword and the others taking part in the test.
    const std::vector<std::string>& ppdKeyArray() const { return ppdKeyArray_; }
    const std::vector<std::string>& currentSelectionArray() const { return currentSelectionArray_; }
    const PaperSelection* selection() const { return selection_.get(); }

protected:
    void updateSelectionArray();
    zqpde::BasePrintPanel* ParentWindow() const { return ctrlParentPanelPtr; }
    SPPanelServices* Panel() const;
    SPDuplexListCtrlARK* DuplexControl() const;
    // The selected records' paper and sides, as they stand in for a kind at
    // No Change.
    std::vector<RecordPaper> SelectedRecordPaper() const;
    std::vector<std::string> CurrentDuplex() const;
    ppd_file_t* CurrentPPD() const;
    void ShowNoChangeItems(bool show);
    bool NoChangeItemsShown() const;
    void MoveOffForbiddenChoice(ppd_file_t* ppd);
    ConstraintTest TestWith(ppd_file_t* ppd);

    const char* KPPDKeySize = "PageSize";
    const char* KPPDKeyColor = "ZQMediaColor";
    const char* KPPDKeyType = "MediaType";
    std::string adjustedColorKey_;
    std::unique_ptr<PaperSelection> selection_;
    int64_t CurrentSelectedItem = -1;
    std::vector<std::string> ppdKeyArray_;
    std::vector<std::string> currentSelectionArray_;
    std::vector<std::string> sizeSelectionArray, colorSelectionArray, mediaSelectionArray;
    int32_t m_iInsertWndType = 0;
    int32_t customPageSizeLongMeasure = 1;
    const int32_t* duplexControlIDPtr = nullptr;
    bool interposerHidden_ = false;
    bool movingOff_ = false;
};

// Adds the four-field value the windows read and restore.
class SPSelectPaperListCtrlARK : public SPSubMenuListCtrlARK {
public:
    bool getControlValue(PaperChoiceValue* value) const;
    void setControlValue(const PaperChoiceValue& value);
};

// A cover's paper pop-up. Sent Update by the cover option and (the back
// one) by the front paper: with "Front and Back Same" the back paper takes
// the front's; then the printing list of its side, the window's greying and
// its page view follow. It is never reset to its defaults by an update.
class SPCoversSelectPaperListCtrlARK : public SPSelectPaperListCtrlARK {
public:
    int32_t Update() override;
};

// Exception pages never come from the interposer.
class SPAddExceptSubMenuListCtrlARK : public SPSelectPaperListCtrlARK {
public:
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
};

// ---- sidedness ----------------------------------------------------------------

using DuplexChoiceTable = std::vector<std::vector<std::string>>;

class SPDuplexListCtrlARK : public zqpde::PopupControl {
public:
    using zqpde::PopupControl::CreateControl;
    // table: per item the "Duplex" choices it stands for (nullptr: none);
    // relatedSubMenuCtrl: the tag of the same window's paper pop-up.
    void CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData,
                       const zqpde::ConstrainInfo* constrainArray, const zqpde::AccessInfo* accessInfo,
                       const zqp::PrefUser* usernamein, const char* equalPPDKey, const DuplexChoiceTable* table,
                       const int32_t* relatedSubMenuCtrl);
    // Greys out every item (but the first) whose Duplex choices the paper in
    // force forbids; 0.
    int32_t UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    // The window re-greys every control, then the base handler.
    bool UIEventHandler() override;
    // The Duplex choices of the selected item / of item i; empty without a table.
    std::vector<std::string> getCurrentDuplexArray() const;
    std::vector<std::string> getDuplexArrayFromIndex(int32_t index) const;
    void enabledSubMenuByIndex(int32_t index, bool enabled);
    bool isItemEnabled(int32_t index) const;

protected:
    SPSubMenuListCtrlARK* RelatedPaper() const;
    std::string referencePPDKey = "Duplex";
    const DuplexChoiceTable* referencePPDChoiceArray = nullptr;
    const int32_t* relateSubMenuControlID = nullptr;
};

// The covers window's cover-option list and front and back printing-option
// lists.
class SPCoversWinListCtrlARK : public SPDuplexListCtrlARK {
public:
    int32_t Update() override;
    bool SetControlValueToUI() override;
    bool SetDefaultValueToUI() override;
    int32_t DoSelfUpdate() override;
    // A printing list greys what the PPD forbids with its side's paper and,
    // for a cover from the interposer, every item but "Blank or
    // Pre-Printed"; a selected item that goes grey falls back.
    int32_t UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    void doConstraintWithInterposer(bool interposer);
    void UpdateConflictsFromPPD();
    // The window opens with no cover option's disabling applied yet, so the
    // option shown then disables exactly its own controls.
    void ForgetAppliedConstraints();

private:
    SPCoversWindowServices* Window() const;
    bool IsPrintingList() const { return referencePPDChoiceArray != nullptr; }
    // Selects an item of the list (ignored outside it) and commits it.
    void SelectIndex(int32_t index);
};

// The cover option selected in the covers window (CoverOption); -1 without.
int32_t SelectedCoverOption(SPCoversWindowServices* window);

// The exceptions window's two-sided pop-up: its "No Change" item is offered
// only while the records being edited differ in their sides (status 1).
class SPTwoSidePrintListCtrlARK : public SPDuplexListCtrlARK {
public:
    void setSelectStatus(int32_t status) { twoSideStatus = status; }
    int32_t getSelectStatus() const { return twoSideStatus; }
    bool SetControlValueToUI() override;

private:
    int32_t twoSideStatus = 0;
};

// Cover option items.
enum CoverOption : int { kNoCovers = 0, kFrontOnly = 1, kBackOnly = 2, kFrontBackSame = 3, kFrontBackDifferent = 4 };

}  // namespace zqsp
