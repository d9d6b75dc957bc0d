#pragma once
// The inserts window: where the sheets go (after the listed pages, or before
// page one), how many, and their paper. The panel's "Add Inserts" button
// opens it to add; Edit on selected inserts opens it to change them.
#include <vector>

#include "insert_page_list.h"
#include "page_fields.h"
#include "paper_popup.h"
#include "record_editing.h"
#include "sp_services.h"
#include "window_controls.h"

namespace zqsp {

class SPAddInsertWndARK : public SPEditorWindowARK, public SPInsertWindowServices {
public:
    enum : int32_t {
        kPositionTitle = 900, kPositionList = 901, kPageRule = 902, kPageEdit = 903, kPageTitle = 3206,
        kQuantityTitle = 904, kQuantityEdit = 905,
        kQuantityArrow = 906, kPaperTitle = 907, kPaperList = 908, kPaperViewTitle = 3208, kPaperView = 3209,
        kJobSettingTitle = 3211, kJobSettingView = 3212,
        kOKButton = 911, kCancelButton = 912, kRestoreButton = 913, kHelpButton = 914,
    };

    SPAddInsertWndARK(zqp::Window* window, const char* theWinTitleStr, SPPanelServices* panel);

    // Adding (the list's status 1) or editing its selected inserts (2);
    // the modal run; 0.
    int32_t ActivateWindow() override;
    // OK: false (window stays) while a field is refused or the list would
    // hold too many inserts.
    bool Apply() override;
    void RefreshPageViews() override {
        if (paperView_ != nullptr) paperView_->Update();
    }

    std::vector<SPRecord> getSortedInsertDataRecordPtr() override { return SortedByPage(working_); }
    int32_t getStatus() override { return status_; }
    SPInsertPageTextEditARK* getSPInstPageNumEditCtlPtr() override { return pages_; }
    SPInsertOptionListARK* getSPInstOptionListCtlPtr() override { return position_; }

private:
    void CreateControls();
    int32_t status_ = 1;
    std::vector<SPRecord> working_;  // the list's inserts
    std::vector<size_t> selected_;   // indexes into working_ of the inserts edited
    SPInsertPageTextEditARK* pages_ = nullptr;
    SPInsertOptionListARK* position_ = nullptr;
    SPAddInsertQuantityTextEditARK* quantity_ = nullptr;
    SPSelectPaperListCtrlARK* paper_ = nullptr;
    SPPageSettingScrollViewCtrlARK* paperView_ = nullptr;
};

}  // namespace zqsp
