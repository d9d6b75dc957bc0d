#pragma once
// The exceptions window: the pages, their paper and their sides. The panel's
// "Add Exceptions" button opens it to add; Edit on selected exceptions opens
// it to change them (one: its pages can be retyped; several: their pages
// are shown and kept).
#include <vector>

#include "page_fields.h"
#include "paper_popup.h"
#include "record_editing.h"
#include "sp_services.h"
#include "window_controls.h"

namespace zqsp {

class SPAddExceptionsWndARK : public SPEditorWindowARK {
public:
    enum : int32_t {
        kPageTitle = 1000, kPageEdit = 1001, kPageRule = 1006, kPaperTitle = 1002, kPaperList = 1003, kSidesTitle = 1004,
        kSidesList = 1005, kPaperViewTitle = 302, kJobSettingTitle = 303, kPaperView = 313, kJobSettingView = 319,
        kOKButton = 1011, kCancelButton = 1012, kRestoreButton = 1013, kHelpButton = 1014,
    };

    SPAddExceptionsWndARK(zqp::Window* window, const char* theWinTitleStr, SPPanelServices* panel);

    int32_t ActivateWindow() override;
    // OK: false (window stays) while the page list is refused or the list
    // would hold too many exceptions.
    bool Apply() override;
    void RefreshPageViews() override {
        if (paperView_ != nullptr) paperView_->Update();
    }

private:
    void CreateControls();
    bool editing_ = false;
    std::vector<SPRecord> selected_;  // the exceptions edited
    SPAddExceptTextEditCtrlARK* pages_ = nullptr;
    SPSelectPaperListCtrlARK* paper_ = nullptr;
    SPTwoSidePrintListCtrlARK* sides_ = nullptr;
    SPPageSettingScrollViewCtrlARK* paperView_ = nullptr;
};

}  // namespace zqsp
