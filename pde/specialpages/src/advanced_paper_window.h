#pragma once
// The advanced paper window: paper size, colour and type of the special
// pages chosen each from its own PPD list, a summary of the choice, every
// item a PPD constraint forbids (with the job's other settings, the selected
// records' paper and the calling window's sides) greyed out, and the chosen
// indexes handed back to the paper pop-up on OK.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "custom_size_window.h"
#include "paper_popup.h"
#include "special_pages_ticket.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/standard_controls.h"

namespace zqsp {

// The paper pop-up as this window hands its choice back to it.
class AdvancedPaperTarget : public CustomSizeHolder {
public:
    // kind 2 size, 3 colour, 4 type; index -1 = No Change.
    virtual void setSelectedMenuItemIndexByType(int32_t kind, int32_t index) = 0;
    virtual void setInterPoser(bool on) = 0;
    // Whether the pop-up's menu item index + 1 is enabled.
    virtual bool isEnabledSubMenuByIndex(int32_t index) const = 0;
    // 0 covers, 1 inserts, 2 exceptions.
    virtual int32_t GetWndType() const = 0;
};

// The calling window's sidedness pop-up: the Duplex choices of its selected
// item and of item n; a list beginning with "NULL" means No Change.
class DuplexSource {
public:
    virtual ~DuplexSource() = default;
    virtual std::vector<std::string> getCurrentDuplexArray() const = 0;
    virtual std::vector<std::string> getDuplexArrayFromIndex(int32_t n) const = 0;
};

class SPAdvSeleWndARK;

// One of the three pop-ups; its value is the 1-based item number (item 0
// "No Change").
class SPAdvSelePaperListARK : public zqpde::PopupControl {
public:
    using zqpde::PopupControl::CreateControl;
    void CreateControl(zqp::View* view, const char* ppdKey, const zqpde::ConstrainInfo* constrain);
    bool InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // "No Change" shown only while a kind of the records is mixed.
    bool SetControlValueToUI() override;
    // The PPD's default choice.
    bool SetDefaultValueToUI() override;
    void RequestControlAction(zqp::View* sender) override;
    int32_t GetPopupSelection() const;
    void SelectItem(int32_t item);
    // The selected item's choice keyword; "No Change Option String" for item 0.
    std::string getSelectedMenuItem() const;
    // The keyword of item choiceIndex + 1; empty outside the menu.
    std::string getSelectedMenuItem(int32_t choiceIndex) const;
    // The title of item; empty for item 0 or below.
    std::string getSelectedMenuItemTitle(int32_t item) const;
    const std::string& Key() const { return m_KPPDKey; }
    int32_t getTypeTransparencyIndex() const { return m_iTypeTransparencyIndex; }
    int32_t getColorClearIndex() const { return m_iColorClearIndex; }
    bool doTabStockSetCheckByIndex(int32_t item) const;
    bool doCustomSizeSetCheckByIndex(int32_t choiceIndex) const;
    // Enables or disables item (1-based) of the menu.
    void EnableItem(int32_t item, bool enabled);
    int32_t ItemCount() const;
    int32_t DefaultIndex() const { return m_defaultIdx; }

protected:
    SPAdvSeleWndARK* Window() const;
    int32_t m_defaultIdx = 0;
    int32_t m_iTypeTransparencyIndex = -1;
    int32_t m_iColorClearIndex = -1;
    std::string m_KPPDKey;
    std::vector<int32_t> TabStockIndexArray;
    std::vector<int32_t> CustomSizeIndexArray;
};

class SPAdvSelePaperSizeListARK : public SPAdvSelePaperListARK {
public:
    // Enabled exactly while the paper pop-up's size submenu is.
    int32_t DoSelfUpdate() override;
};

// The summary of the choice: one line per chosen kind.
class SPAdvPageSettingScrollViewARK : public zqpde::BaseControl {
public:
    int32_t Update() override;
    bool SetControlValueToUI() override;
    bool SetDefaultValueToUI() override;
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    std::string Text() const;

private:
    zqp::Bundle* bundle_ = nullptr;
    ppd_file_t* ppd_ = nullptr;
};

class SPAdvSeleOKBtnARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

// A window's paper pop-up as the advanced paper window's target.
class PaperPopupTarget : public AdvancedPaperTarget {
public:
    void bind(SPSubMenuListCtrlARK* popup) { custom_.bind(popup); }
    std::string getCustomPageWidth() const override { return custom_.getCustomPageWidth(); }
    std::string getCustomPageLength() const override { return custom_.getCustomPageLength(); }
    int32_t getCustomPageSizeLongMeasure() const override { return custom_.getCustomPageSizeLongMeasure(); }
    void setCustomPageWidth(const std::string& t) override { custom_.setCustomPageWidth(t); }
    void setCustomPageLength(const std::string& t) override { custom_.setCustomPageLength(t); }
    void setCustomPageSizeLongMeasure(int32_t u) override { custom_.setCustomPageSizeLongMeasure(u); }
    void setSelectedMenuItemIndexByType(int32_t kind, int32_t index) override;
    void setInterPoser(bool on) override;
    bool isEnabledSubMenuByIndex(int32_t index) const override;
    int32_t GetWndType() const override;
    SPSubMenuListCtrlARK* popup() const { return custom_.popup(); }

private:
    PaperPopupCustomSize custom_;
};

// A window's sidedness pop-up as a source of Duplex choices.
class DuplexListSource : public DuplexSource {
public:
    void bind(SPDuplexListCtrlARK* list) { list_ = list; }
    std::vector<std::string> getCurrentDuplexArray() const override;
    std::vector<std::string> getDuplexArrayFromIndex(int32_t n) const override;

private:
    SPDuplexListCtrlARK* list_ = nullptr;
};

class SPAdvSeleWndARK : public zqpde::PopupWinInPanel, public SPAdvancedPaperWindow {
public:
    enum : int32_t {
        kSizeTitle = 601, kSizeList = 602, kColorTitle = 603, kColorList = 604, kTypeTitle = 605, kTypeList = 606,
        kSummaryTitle = 607, kSummaryView = 608, kHelpButton = 609, kRestoreButton = 610, kOKButton = 611,
        kCancelButton = 612,
    };

    SPAdvSeleWndARK(zqp::Window* window, const char* theWinTitleStr);

    // The keywords taking part in the conflict test, then the controls.
    int32_t InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // A new record resets the mixed states; the values shown, conflicts
    // marked, then the modal run.
    int32_t ActivateWindow() override;
    // The paper pop-up's choice indexes (-1 for none); the interposer is not used.
    void SetPaperSize(int32_t sizeIndex, int32_t colorIndex, int32_t typeIndex, bool interposer) override;
    void SetSubMenuList(AdvancedPaperTarget* popup) { m_pSubMenuList = popup; }
    void SetSubMenuList(SPSubMenuListCtrlARK* popup) override;
    void setDuplexControl(SPDuplexListCtrlARK* duplex) override;
    AdvancedPaperTarget* GetSubMenuList() const { return m_pSubMenuList; }
    void setDuplexControl(const DuplexSource* duplex) { m_duplexCtrlPtr = duplex; }
    // -1 while the records being edited differ in that kind, else 0.
    void SetSizeStatus(int32_t s) override { m_iSizeStatus = s; }
    void SetColorStatus(int32_t s) override { m_iColorStatus = s; }
    void SetTypeStatus(int32_t s) override { m_iTypeStatus = s; }
    int32_t GetSizeStatus() const { return m_iSizeStatus; }
    int32_t GetColorStatus() const { return m_iColorStatus; }
    int32_t GetTypeStatus() const { return m_iTypeStatus; }
    bool AnyKindMixed() const { return m_iSizeStatus == -1 || m_iColorStatus == -1 || m_iTypeStatus == -1; }
    SPAdvSelePaperListARK* GetAdvPaperSizeListPtr() const { return size_; }
    SPAdvSelePaperListARK* GetAdvPaperColorListPtr() const { return color_; }
    SPAdvSelePaperListARK* GetAdvPaperTypeListPtr() const { return type_; }

    // The custom size the custom size window edits from here: the paper
    // pop-up's at the opening, handed to it only by OK.
    CustomSizeHolder* CustomSizeToEdit() { return &customSize_; }
    void HandBackCustomSize();

    // What the window needs of the panel: the list's mode (1 add, 2 edit),
    // its selected records, the custom size window, and the calling window's
    // page views (refreshed after OK, by window type).
    std::function<int32_t()> listStatus;
    std::function<std::vector<SPRecord>()> selectedRecords;
    std::function<void(int32_t wndType)> refreshPageViews;
    SPCustomSizeWndARK* customSizeWindow = nullptr;

    void updateSelectionArray();
    void UpdateSelfConflictsFromPPD(ppd_file_t* ppd);
    bool isMenuItemConflicted(const std::string& key, ppd_file_t* ppd);
    void doTransparencyConstraint();
    const std::vector<std::string>& ppdKeyArray() const { return m_ppdKeyArray; }
    const std::vector<std::string>& currentSelectionArray() const { return m_currentSelectionArray; }
    // The panel's constraint map when the window has none of its own.
    zqpde::ConstraintHash* Geteppd() override;
    ppd_file_t* PPD() const { return currentPPD; }

private:
    bool isChoiceConflicted(const std::string& key, const std::string& option, const std::string& choice,
                            ppd_file_t* ppd);
    AdvancedPaperTarget* m_pSubMenuList = nullptr;
    PaperPopupTarget popupTarget_;
    CustomSizeCopy customSize_;
    DuplexListSource duplexSource_;
    int32_t m_iPaperSize = -1, m_iPaperColor = -1, m_iPaperType = -1;
    int32_t m_iSizeStatus = 0, m_iColorStatus = 0, m_iTypeStatus = 0;
    const DuplexSource* m_duplexCtrlPtr = nullptr;
    std::vector<std::string> m_ppdKeyArray;
    std::vector<std::string> m_currentSelectionArray;
    SPAdvSelePaperListARK* size_ = nullptr;
    SPAdvSelePaperListARK* color_ = nullptr;
    SPAdvSelePaperListARK* type_ = nullptr;
};

// The option keywords of every group of the PPD, in PPD order.
std::vector<std::string> PPDOptionKeywords(ppd_file_t* ppd);

}  // namespace zqsp
