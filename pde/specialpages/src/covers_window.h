#pragma once
// The covers window: which covers, and the paper and printing of the front
// and the back cover. Opened from the panel's add button (adding) and by Edit
// on a selected cover (editing); both show the covers the list holds, since
// a job has at most one front and one back cover.
#include <memory>
#include <vector>

#include "info_views.h"
#include "paper_popup.h"
#include "sp_services.h"
#include "window_controls.h"

namespace zqsp {

// The items of the cover list and of the printing lists.
extern const zqpde::ListCtrlIniData kCoverOptionIni;
extern const zqpde::ListCtrlIniData kCoverPrintingIni;

class SPAddCoversWndARK : public SPEditorWindowARK, public SPCoversWindowServices {
public:
    enum : int32_t {
        kOptionTitle = 800, kOptionList = 801, kFrontTitle = 802, kFrontPaperTitle = 803, kFrontPaper = 804,
        kFrontPrintingTitle = 805, kFrontPrinting = 806, kBackTitle = 822, kBackPaperTitle = 823, kBackPaper = 824,
        kBackPrintingTitle = 825, kBackPrinting = 826,
        kFrontPageView = 203, kBackPageView = 208, kJobSettingTitle = 212, kJobSettingView = 213,
        kOKButton = 811, kCancelButton = 812, kRestoreButton = 813, kHelpButton = 814,
    };

    SPAddCoversWndARK(zqp::Window* window, const char* theWinTitleStr, SPPanelServices* panel);

    // Takes the list's covers, shows them, then the modal run; 0.
    int32_t ActivateWindow() override;
    // OK: the covers of the window replace the list's; a front cover takes
    // inserts before page one out of the list.
    bool Apply() override;
    void RefreshPageViews() override {
        if (frontView_ != nullptr) frontView_->Update();
        if (backView_ != nullptr) backView_->Update();
    }

    SPCoversWinListCtrlARK* getSPCoversOptionsListPtr() override { return option_; }
    SPCoversWinListCtrlARK* getSPCoverWndFrontPrintingOptionListPtr() override { return front_; }
    SPCoversWinListCtrlARK* getSPCoverWndBackPrintingOptionListPtr() override { return back_; }
    SPSubMenuListCtrlARK* getSPCoverWndFrontSelectPaperListPtr() override { return frontPaper_; }
    SPSubMenuListCtrlARK* getSPCoverWndBackSelectPaperListPtr() override { return backPaper_; }
    std::vector<SPRecord>* getCoversDataRecordsPtr() override { return &records_; }
    SPPageSettingScrollViewCtrlARK* GetPageSettingFrontScrollView() override { return frontView_; }
    SPPageSettingScrollViewCtrlARK* GetPageSettingBackScrollView() override { return backView_; }

private:
    void CreateControls();
    std::vector<SPRecord> records_;
    SPCoversWinListCtrlARK *option_ = nullptr, *front_ = nullptr, *back_ = nullptr;
    SPSelectPaperListCtrlARK *frontPaper_ = nullptr, *backPaper_ = nullptr;
    SPCoverPageSettingScrollViewCtrlARK *frontView_ = nullptr, *backView_ = nullptr;
};

}  // namespace zqsp
