#pragma once
// The inserts window's page list ('3, 7-9, 12-') and the insert position
// (after the listed pages, or before page one) that switches it on and off.
// The list is parsed by the shared page-list core (page_list.h) with the
// inserts' rules.
#include <cstdint>
#include <string>
#include <vector>

#include "page_list.h"
#include "sp_services.h"
#include "zqpde/standard_controls.h"

namespace zqsp {

class SPInsertOptionListARK;

struct PageNumValueRange {
    int32_t minimum, maximum;
};

// Warnings of the page list.
enum InsertWarning : int32_t { kWarningBadList = 1, kWarningTooMany = 2, kWarningReversed = 3 };

class SPInsertPageTextEditARK : public zqpde::TextEditCtrl {
public:
    using zqpde::TextEditCtrl::CreateControl;
    void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData,
                       const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                       const zqp::PrefUser* usernamein, const zqpde::TextEditFilterData* filterData,
                       const char* titleInfo, int32_t maxPageList, const PageNumValueRange* valueRange);

    // The status code of the parse; on success the arranged text and the
    // pages are kept.
    int32_t ValidatePageList(const std::string& text);
    bool PreInvalidateData() override;
    bool InvalidateData() override;
    using zqpde::TextEditCtrl::ShowErrMsg;
    void ShowErrMsg(int32_t warning);
    bool IsRecordExceedMaxWithAddition(int32_t added);
    const std::vector<int32_t>& GetSortedPageArray() const { return m_aSortedPageArray; }
    const std::string& arranged() const { return m_strArranged; }
    void InitialPageArray();
    bool BEnable() const;
    void SetToDisable();
    void SetToEnable();
    bool SetDefaultValueToUI() override;
    bool SetControlValueToUI() override { return true; }
    bool SetValueFromUIToControl() override { return true; }

private:
    SPInsertWindowServices* Window() const;
    SPInsertOptionListARK* PositionList() const;
    bool FrontCoverPresent() const;
    std::string FieldText() const;

    std::string titletextRef;
    int32_t maxPageDefineNum = 250;
    std::string m_strArranged;
    std::vector<int32_t> m_aSortedPageArray;
    PageNumValueRange m_tEditValueRangeData = {0, 65000};
};

// 0 after the listed pages, 1 before page one (value: index + 1).
class SPInsertOptionListARK : public zqpde::PopupControl {
public:
    int32_t GetOptionSelection() const;
    bool BEnable() const;
    int32_t DoControlConstrain() override;
    bool SetControlValueToUI() override;
    bool SetDefaultValueToUI() override;
    bool SetControlValueToDefault() override;
    bool UIEventHandler() override;
    // "Before Page one String" is off while the list holds a front cover.
    void UpdateBeforePageOneStatus();

private:
    SPInsertWindowServices* Window() const;
    SPSummaryScrollViewCtrl* List() const;
};

}  // namespace zqsp
