#pragma once
// What the special-pages panel and its editor windows offer one another:
// the windows hand their records to the summary list, the paper pop-ups ask
// the panel for the records selected in the list and for the advanced paper
// and custom-size windows, and the sidedness lists of the covers window ask
// that window for its other lists and records. The windows implement these
// interfaces; the pop-ups find them through their parent window.
#include <cstdint>
#include <string>
#include <vector>

#include <cups/ppd.h>

#include "special_pages_ticket.h"

namespace zqpde {
class PopupWinInPanel;
}

namespace zqsp {

class SPSummaryScrollViewCtrl;
class SPSubMenuListCtrlARK;
class SPDuplexListCtrlARK;
class SPCoversWinListCtrlARK;
class SPInsertPageTextEditARK;
class SPInsertOptionListARK;
class SPPageSettingScrollViewCtrlARK;

// The paper pop-up's value: the three indexes (-1 = No Change) and the
// interposer flag. The windows store the indexes as the record's
// "pagesize", "pagecolor", "pagetype" and the flag as "interposer".
struct PaperChoiceValue {
    int64_t size = -1;
    int64_t color = -1;
    int64_t type = -1;
    bool interposer = false;
};

// The advanced paper window as a paper pop-up opens it.
class SPAdvancedPaperWindow {
public:
    virtual ~SPAdvancedPaperWindow() = default;
    virtual void SetPaperSize(int32_t size, int32_t color, int32_t type, bool interposer) = 0;
    virtual void SetSubMenuList(SPSubMenuListCtrlARK* popup) = 0;
    virtual void setDuplexControl(SPDuplexListCtrlARK* duplex) = 0;
    virtual int32_t ActivateWindow() = 0;
    // -1 while the records being edited stand at No Change for that kind
    // (they differ, or none has a choice of its own), else 0: its "No
    // Change" item is then offered.
    virtual void SetSizeStatus(int32_t) {}
    virtual void SetColorStatus(int32_t) {}
    virtual void SetTypeStatus(int32_t) {}
};

// The default custom size in millimetres ("210.0" by "297.0" unless the
// printer's limits move it).
struct CustomSizeDefaults {
    std::string width = "210.0", length = "297.0";
};

// The custom-size window: edits the pop-up's custom size texts and unit.
class SPCustomSizeWindow {
public:
    virtual ~SPCustomSizeWindow() = default;
    virtual void SetSubMenuList(SPSubMenuListCtrlARK* popup) = 0;
    virtual int32_t ActivateWindow() = 0;
    // What its millimetre fields start from.
    virtual CustomSizeDefaults DefaultCustomSize() const { return {}; }
};

// The panel as its windows and their controls see it.
class SPPanelServices {
public:
    virtual ~SPPanelServices() = default;
    virtual SPSummaryScrollViewCtrl* getSPSummaryScrollViewCtrlPtr() = 0;
    virtual SPAdvancedPaperWindow* getAdvSeleWndPtr() = 0;
    virtual SPCustomSizeWindow* getCustomSizeWndPtr() = 0;
    // The editor windows (nullptr while absent).
    virtual zqpde::PopupWinInPanel* getSPAddCoversWndPtr() = 0;
    virtual zqpde::PopupWinInPanel* getSPAddInsertWndPtr() = 0;
    virtual zqpde::PopupWinInPanel* getSPAddExceptionsWndPtr() = 0;
    // Asks before a deletion (0 the selected records, 1 all); true after OK,
    // with the undo snapshot taken.
    virtual bool sureToMakeChange(int32_t kind) = 0;
    // The undo snapshot the windows take before they change the list.
    virtual void toMakeChange() = 0;
    virtual void setTabStockValue(int32_t value) = 0;
    virtual int32_t getTabStockValue() = 0;
};

// The covers window as its sidedness lists see it.
class SPCoversWindowServices {
public:
    virtual ~SPCoversWindowServices() = default;
    virtual SPCoversWinListCtrlARK* getSPCoversOptionsListPtr() = 0;
    virtual SPCoversWinListCtrlARK* getSPCoverWndFrontPrintingOptionListPtr() = 0;
    virtual SPCoversWinListCtrlARK* getSPCoverWndBackPrintingOptionListPtr() = 0;
    virtual SPSubMenuListCtrlARK* getSPCoverWndFrontSelectPaperListPtr() = 0;
    virtual SPSubMenuListCtrlARK* getSPCoverWndBackSelectPaperListPtr() = 0;
    // The cover records being edited (front "page" 0, back "page" 1).
    virtual std::vector<SPRecord>* getCoversDataRecordsPtr() = 0;
    // The views of the front and the back cover's paper (nullptr without).
    virtual SPPageSettingScrollViewCtrlARK* GetPageSettingFrontScrollView() { return nullptr; }
    virtual SPPageSettingScrollViewCtrlARK* GetPageSettingBackScrollView() { return nullptr; }
};

// The inserts window (a PopupWinInPanel) as its page-list edit and position
// list see it.
class SPInsertWindowServices {
public:
    virtual ~SPInsertWindowServices() = default;
    // The insert records already in the list.
    virtual std::vector<SPRecord> getSortedInsertDataRecordPtr() = 0;
    // 1 adding, 2 editing.
    virtual int32_t getStatus() = 0;
    virtual SPInsertPageTextEditARK* getSPInstPageNumEditCtlPtr() = 0;
    virtual SPInsertOptionListARK* getSPInstOptionListCtlPtr() = 0;
};

// Keywords of every option of every group of the current PPD (options of
// subgroups not included), refilled when the dialog asks the panel for the
// options it shows; the paper pop-ups test their choices against the
// choices in force of these.
std::vector<std::string>& zqPPDKeywordList();
void FillPPDKeywordList(ppd_file_t* ppd);

}  // namespace zqsp
