#pragma once
// Fields of the inserts and exceptions windows: the exceptions window's page
// list, and the inserts window's quantity with its stepper.
#include <cstdint>
#include <string>
#include <vector>

#include "custom_size_window.h"
#include "page_list.h"
#include "window_controls.h"
#include "zqpde/standard_controls.h"

namespace zqsp {

// The page list of the exceptions window: pages 1 to 65000, unique and
// ascending, at most 250 sets while the field can be edited.
class SPAddExceptTextEditCtrlARK : public zqpde::TextEditCtrl {
public:
    using zqpde::TextEditCtrl::CreateControl;
    void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const zqpde::TextEditFilterData* filterData, const char* titleInfo, int32_t maxPageList,
                       const SPValueRange* valueRange);
    bool ToValidate();
    // The text read from the view: not empty, its width within the limits
    // while the view is enabled, and every character allowed.
    bool PreInvalidateData() override;
    // An editable field must hold a valid list (its alert otherwise). A field
    // the user cannot edit passes, its text parsed all the same, so the pages
    // are always those shown.
    bool InvalidateData() override;
    // 0, or the parser's code; on success the pages are kept.
    int32_t ValidatePageList(const std::string& text);
    using zqpde::TextEditCtrl::ShowErrMsg;
    // n: 1 "Warning46", 2 "Warning48", 3 "Warning50".
    void ShowErrMsg(int32_t n);
    // Forgets the pages of the last list.
    void InitialPageArray();
    // Enabled, except while several records are being edited.
    bool SetControlValueToUI() override;
    bool SetDefaultValueToUI() override;
    bool SetValueFromUIToControl() override { return true; }
    void setEditingSeveral(bool several) { editingSeveral_ = several; }
    void setAdding(bool adding) { adding_ = adding; }
    const std::vector<int32_t>& getPageDefineArray() const { return arrangedPageArray; }
    const std::string& ArrangedText() const { return m_strArranged; }

private:
    std::string titletextRef;
    int32_t maxPageDefineNum = 250;
    SPValueRange m_tEditValueRangeData{1, 65000};
    std::string m_strArranged;
    std::vector<int32_t> arrangedPageArray;
    bool editingSeveral_ = false;
    bool adding_ = true;
};

// The inserts window's quantity: 1 to 9999 sheets, typed or stepped.
class SPAddInsertQuantityTextEditARK : public zqpde::TextEditCtrl {
public:
    using zqpde::TextEditCtrl::CreateControl;
    void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const zqpde::TextEditFilterData* filterData, const SPValueRange* valueRange);
    bool InitializeCtrlFormat() override;
    int32_t GetEditMaxLength();
    // Every byte through the byte filter and the number within the range.
    bool IsNumberValid(const std::string& text);
    bool ToValidate();
    bool InvalidateData() override;
    bool InvalidateDataAndReturnError() override;
    // While inserts with different quantities are edited together the
    // field may stay empty: each insert then keeps its own.
    void setMixed(bool mixed) { mixed_ = mixed; }
    // event: the accepted text. The stepper shows a number within the
    // range, then the update list.
    int32_t OnRawKeyUp(void* event) override;
    bool CorrectCtrlUI() override;
    zqpde::BaseControl* GetLittleArrayForNumberEdit();

private:
    bool Check(bool alert);
    SPValueRange m_tEditValueRangeData{1, 9999};
    bool mixed_ = false;
};

// The quantity stepper: a click counts only while the field is valid.
class SPAddInsertQuantityLArrARK : public SPInchMMLittleArrowControlARK {
public:
    bool SetControlValueToUI() override;
    // The field shows the value ("%d"), then the update list.
    int32_t DoControlUpdateConstrain() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary*, zqpde::SummaryOrder*) override { return 0; }
    int32_t GetQuantityValue() const;
    // The quantity typed into the field: the stepper shows and keeps it.
    void FollowTypedValue(int32_t value);
};

// The exceptions window's warnings by parser code.
int32_t ExceptionWarningNumber(int32_t status);

}  // namespace zqsp
