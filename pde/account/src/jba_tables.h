#pragma once
// The description tables of the job-authentication panel's own controls:
// tags, item lists, initial data, access information and the case selection
// of the information-setting list.
#include <cstdint>

#include "edition_traits.h"
#include "zqpde/control_tables.h"

namespace zqacct {

// ---- tags of the panel view ---------------------------------------------------------------

inline constexpr int32_t jobAcctTypeListTag = 1001, jbaDetailedSettingTag = 1002, jbaWndHelpButtonTag = 1003,
                         jbaMngTypeTitleTag = 1004, jbaVerStringTag = 1005, jbaInfoSettingTitleTag = 1006,
                         jbaInfoSettingListTag = 1007, jbaInfoSetListTag = 1008;

// ---- "ZQSelectID" prompt values -----------------------------------------------------------

inline constexpr const char* jbaSettingStr[] = {"UserID_AccountID", "UserID", "AccountID", "None"};
inline constexpr int32_t kPromptValueCount = 4;

// ---- account-mode list ------------------------------------------------------------------------

inline constexpr const char* jbaMngTypeLboxMenu[] = {"Job Authentication Type User Mode",
                                                     "Job Authentication Type Administration Mode", nullptr};
inline constexpr zqpde::ListCtrlIniData jbaMngTypeLboxIniData = {0, 2, -1, jbaMngTypeLboxMenu};
inline constexpr zqpde::ConstrainInfo jbaMngTypeLboxCnstrnInfo = {{}, {}, {}};
inline constexpr const zqpde::ConstrainInfo* jbaMngTypeLboxCnstrnInfoPtr = &jbaMngTypeLboxCnstrnInfo;
inline constexpr zqpde::AccessInfo jbaMngTypeLboxAcssInfo = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber,
                                                             ZQ_ACCOUNT_NS "JBAManageTypeListTicketKey",
                                                             ZQ_ACCOUNT_NS "JBAManageTypeListReference"};

// ---- information list --------------------------------------------------------------------------

inline constexpr const char* jbaMngSetInfoIDLboxMenu[] = {"User ID Fixed Text", "Billing ID Fixed Text",
                                                          "Switch Enabled Text", nullptr};
inline constexpr zqpde::ListCtrlIniData jbaMngSetInfoIDLboxIniData = {0, 1, -1, jbaMngSetInfoIDLboxMenu};
// Every information item sends Update to the information-setting list.
inline constexpr const int32_t* jbaInfoSettingUpdates[] = {&jbaInfoSetListTag, nullptr};
inline constexpr zqpde::ConstrainTagList jbaInfoSettingUpdateLists[] = {jbaInfoSettingUpdates, jbaInfoSettingUpdates,
                                                                        jbaInfoSettingUpdates};
inline constexpr zqpde::ConstrainInfo jbaInfoSettingModeLboxCnstrnInfo = {
    {}, {}, zqpde::ConstrainListsOf(jbaInfoSettingUpdateLists)};
inline constexpr const zqpde::ConstrainInfo* jbaInfoSettingModeLboxCnstrnInfoPtr = &jbaInfoSettingModeLboxCnstrnInfo;
inline constexpr zqpde::AccessInfo jbaInfoLboxAcssInfo = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber,
                                                          ZQ_ACCOUNT_NS "JBAInfoListTicketKey",
                                                          ZQ_ACCOUNT_NS "JBAInfoListReference"};

// ---- information-setting list ("Case_1" to "Case_9") ------------------------------------------------

inline constexpr const char* jbaMngSetInfoModeIDLboxMenu[] = {"Case_1", "Case_2", "Case_3", "Case_4", "Case_5",
                                                              "Case_6", "Case_7", "Case_8", "Case_9", nullptr};
inline constexpr zqpde::ListCtrlIniData jbaMngSetInfoModeIDLboxIniData = {0, 1, -1, jbaMngSetInfoModeIDLboxMenu};
inline constexpr zqpde::AccessInfo jbaInfoSetLboxAcssInfo = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber,
                                                             ZQ_ACCOUNT_NS "JBAInfoSetListTicketKey", nullptr};

// The case (1 to 9) by prompt value (rows) and information item (columns).
inline constexpr int32_t jbaCaseSelection[kPromptValueCount][3] = {{5, 9, 1}, {6, 9, 2}, {7, 9, 3}, {8, 9, 4}};
inline constexpr int32_t kCaseNoDetails = 8;  // the job prints with no window and no details

// Case 1 for an information item above 2 or a prompt value outside 0..3.
constexpr int32_t CaseFor(int32_t promptValue, int32_t infoItem) {
    if (promptValue < 0 || promptValue >= kPromptValueCount || infoItem < 0 || infoItem > 2) return 1;
    return jbaCaseSelection[promptValue][infoItem];
}

}  // namespace zqacct
