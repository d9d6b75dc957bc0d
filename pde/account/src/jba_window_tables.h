#pragma once
// The description tables of the job-authentication windows: the tags of the
// administrator window (2001-2024), the user window (the same + 1000) and the
// input window (4001-4022), their fields' lengths and characters, keys,
// constraint, validation and case tables.
#include <cstdint>

#include "edition_traits.h"
#include "zqpde/control_tables.h"
#include "zqpde/input_filter.h"

namespace zqacct {

using zqpde::ConstrainTagList;

// ---- information windows: tags and the tables that name them ------------------------------------

template <int32_t B>
struct InfoWndTags {
    static constexpr int32_t OK = B + 1, Cancel = B + 2, Restore = B + 3, Help = B + 4, JobInfoRdio = B + 5,
                             UserIDLbox = B + 6, UserID = B + 7, Login = B + 8, UserPw = B + 9,
                             UserIDLboxTitle = B + 10, UserIDTitle = B + 11, UserPwTitle = B + 12, StrgID = B + 13,
                             StrgPw = B + 14, StrgIDTitle = B + 15, StrgPwTitle = B + 16, JobInputRdio = B + 17,
                             AcntID = B + 18, AcntIDTitle = B + 19, LastInput = B + 20, UserFrmt = B + 21,
                             AcntFrmt = B + 22, DomainTitle = B + 23, Domain = B + 24;

    // Login/input list: "JBA Login Name" shows the login name (not editable)
    // instead of the user ID; "JBA Input Name" the user ID.
    static constexpr const int32_t* listDisable0[] = {&Login, nullptr};
    static constexpr const int32_t* listHide0[] = {&UserID, nullptr};
    static constexpr const int32_t* listHide1[] = {&Login, nullptr};
    static constexpr ConstrainTagList listDisables[] = {listDisable0};
    static constexpr ConstrainTagList listHides[] = {listHide0, listHide1};
    static constexpr zqpde::ConstrainInfo listConstrain = {zqpde::ConstrainListsOf(listDisables),
                                                           zqpde::ConstrainListsOf(listHides), {}};
    static constexpr const int32_t* listValidate[] = {&UserID, nullptr};
    static constexpr const int32_t* listClear[] = {&UserPw, nullptr};

    // Common-info radio off: the details are not the common ones.
    static constexpr const int32_t* infoDisable0[] = {
        &UserIDLbox, &UserIDLboxTitle, &UserID, &UserIDTitle, &UserPw,      &UserPwTitle, &AcntID, &AcntIDTitle,
        &Domain,     &DomainTitle,     &StrgID, &StrgIDTitle, &StrgPw,      &StrgPwTitle, nullptr};
    static constexpr const int32_t* infoUpdate0[] = {&JobInputRdio, nullptr};
    static constexpr ConstrainTagList infoDisables[] = {infoDisable0};
    static constexpr ConstrainTagList infoUpdates[] = {infoUpdate0};
    static constexpr zqpde::ConstrainInfo infoConstrain = {zqpde::ConstrainListsOf(infoDisables), {},
                                                           zqpde::ConstrainListsOf(infoUpdates)};
    static constexpr const int32_t* infoSelfUpdate0[] = {&StrgPw, nullptr};
    static constexpr ConstrainTagList infoSelfUpdates[] = {infoSelfUpdate0};

    // Enter-at-print radio off: the three boxes have nothing to say.
    static constexpr const int32_t* inputDisable0[] = {&LastInput, &UserFrmt, &AcntFrmt, nullptr};
    static constexpr const int32_t* inputUpdate0[] = {&JobInfoRdio, nullptr};
    static constexpr ConstrainTagList inputDisables[] = {inputDisable0};
    static constexpr ConstrainTagList inputUpdates[] = {inputUpdate0};
    static constexpr zqpde::ConstrainInfo inputConstrain = {zqpde::ConstrainListsOf(inputDisables), {},
                                                            zqpde::ConstrainListsOf(inputUpdates)};
    static constexpr const int32_t* inputValidate[] = {&UserID, &UserPw, &AcntID, &StrgID, nullptr};

    // Every control but OK, Cancel and Help (a non-administrator in the
    // administrators' account mode).
    static constexpr const int32_t* allButOKCancelHelp[] = {
        &Restore, &JobInfoRdio, &UserIDLbox, &UserID,      &Login,       &UserPw,    &UserIDLboxTitle, &UserIDTitle,
        &UserPwTitle, &StrgID, &StrgPw,     &StrgIDTitle, &StrgPwTitle, &JobInputRdio, &AcntID,       &AcntIDTitle,
        &LastInput, &UserFrmt, &AcntFrmt,   &DomainTitle, &Domain,      nullptr};

    // The case table: what each case disables in the window.
    static constexpr const int32_t* caseNothing[] = {nullptr};
    static constexpr const int32_t* caseAccount[] = {&AcntID, &AcntIDTitle, nullptr};
    static constexpr const int32_t* caseUserDomain[] = {&UserIDLbox, &UserIDLboxTitle, &UserID, &UserIDTitle, &Login,
                                                        &UserPw,     &UserPwTitle,     &Domain, &DomainTitle, nullptr};
    static constexpr const int32_t* caseUserDomainAccount[] = {
        &UserIDLbox, &UserIDLboxTitle, &UserID, &UserIDTitle, &Login, &UserPw, &UserPwTitle, &Domain, &DomainTitle,
        &AcntID,     &AcntIDTitle,     nullptr};
    static constexpr const int32_t* caseStorage[] = {&StrgID, &StrgIDTitle, &StrgPw, &StrgPwTitle, nullptr};
    static constexpr const int32_t* caseAccountStorage[] = {&AcntID, &AcntIDTitle, &StrgID,      &StrgIDTitle,
                                                            &StrgPw, &StrgPwTitle, nullptr};
    static constexpr const int32_t* caseUserDomainStorage[] = {
        &UserIDLbox, &UserIDLboxTitle, &UserID, &UserIDTitle, &Login,       &UserPw,  &UserPwTitle,
        &Domain,     &DomainTitle,     &StrgID, &StrgIDTitle, &StrgPw,      &StrgPwTitle, nullptr};
    static constexpr const int32_t* caseAll[] = {
        &UserIDLbox, &UserIDLboxTitle, &UserID, &UserIDTitle, &Login,  &UserPw,      &UserPwTitle, &Domain,
        &DomainTitle, &AcntID,         &AcntIDTitle, &StrgID, &StrgIDTitle, &StrgPw, &StrgPwTitle, nullptr};
    static constexpr ConstrainTagList caseDisables[] = {
        caseNothing,        caseAccount,           caseUserDomain, caseUserDomainAccount, caseStorage,
        caseAccountStorage, caseUserDomainStorage, caseAll,        caseUserDomainAccount};
    static constexpr zqpde::ConstrainInfo caseConstrain = {zqpde::ConstrainListsOf(caseDisables), {}, {}};
};

using AdminWndTags = InfoWndTags<2000>;
using UserWndTags = InfoWndTags<3000>;

// ---- input window tags --------------------------------------------------------------------------

struct InputWndTags {
    static constexpr int32_t OK = 4001, Cancel = 4002, Help = 4003, AuthRdio = 4004, UserIDTitle = 4005,
                             UserID = 4006, UserPwTitle = 4007, UserPw = 4008, StrgRdio = 4009, StrgIDTitle = 4010,
                             StrgID = 4011, StrgPwTitle = 4012, StrgPw = 4013, StrgID2 = 4014, UserID2 = 4015,
                             AcntIDTitle = 4016, AcntID = 4017, AcntID2 = 4018, InfoSetList = 4019,
                             DomainTitle = 4020, Domain = 4021, Domain2 = 4022;

    static constexpr const int32_t* authHide0[] = {&UserIDTitle, &UserID, &UserID2, &UserPwTitle, &UserPw,
                                                   &DomainTitle, &Domain, &Domain2, &AcntIDTitle, &AcntID,
                                                   &AcntID2,     nullptr};
    static constexpr const int32_t* authUpdate0[] = {&StrgRdio, nullptr};
    static constexpr ConstrainTagList authHides[] = {authHide0};
    static constexpr ConstrainTagList authUpdates[] = {authUpdate0};
    static constexpr zqpde::ConstrainInfo authConstrain = {{}, zqpde::ConstrainListsOf(authHides),
                                                           zqpde::ConstrainListsOf(authUpdates)};
    static constexpr const int32_t* authValidate[] = {&StrgID, &StrgID2, nullptr};

    static constexpr const int32_t* strgHide0[] = {&StrgIDTitle, &StrgID, &StrgID2, &StrgPwTitle, &StrgPw, nullptr};
    static constexpr const int32_t* strgUpdate0[] = {&AuthRdio, nullptr};
    static constexpr ConstrainTagList strgHides[] = {strgHide0};
    static constexpr ConstrainTagList strgUpdates[] = {strgUpdate0};
    static constexpr zqpde::ConstrainInfo strgConstrain = {{}, zqpde::ConstrainListsOf(strgHides),
                                                           zqpde::ConstrainListsOf(strgUpdates)};
    static constexpr const int32_t* strgValidate[] = {&UserID, &UserPw, &UserID2, &Domain, &Domain2,
                                                      &AcntID, &AcntID2, nullptr};

    // The format boxes: value 0 hides the masked twins, 1 the plain fields.
    static constexpr const int32_t* userFrmt0[] = {&UserID2, &Domain2, &StrgID2, nullptr};
    static constexpr const int32_t* userFrmt1[] = {&UserID, &Domain, &StrgID, nullptr};
    static constexpr ConstrainTagList userFrmtHides[] = {userFrmt0, userFrmt1};
    static constexpr const int32_t* acntFrmt0[] = {&AcntID2, nullptr};
    static constexpr const int32_t* acntFrmt1[] = {&AcntID, nullptr};
    static constexpr ConstrainTagList acntFrmtHides[] = {acntFrmt0, acntFrmt1};

    // The case table of the input window: disabled, hidden.
    static constexpr const int32_t* none[] = {nullptr};
    static constexpr const int32_t* radios[] = {&AuthRdio, &StrgRdio, nullptr};
    static constexpr const int32_t* account[] = {&AcntIDTitle, &AcntID, &AcntID2, nullptr};
    static constexpr const int32_t* userDomain[] = {&UserIDTitle, &UserID,      &UserID2, &UserPwTitle, &UserPw,
                                                    &DomainTitle, &Domain,      &Domain2, nullptr};
    static constexpr const int32_t* radiosAccount[] = {&AuthRdio, &StrgRdio, &AcntIDTitle, &AcntID, &AcntID2, nullptr};
    static constexpr const int32_t* radiosUserDomain[] = {&AuthRdio,    &StrgRdio, &UserIDTitle, &UserID,
                                                          &UserID2,     &UserPwTitle, &UserPw,  &DomainTitle,
                                                          &Domain,      &Domain2,  nullptr};
    static constexpr const int32_t* everything[] = {
        &AuthRdio, &StrgRdio, &UserIDTitle, &UserID,      &UserID2, &UserPwTitle, &UserPw,      &DomainTitle,
        &Domain,   &Domain2,  &AcntIDTitle, &AcntID,      &AcntID2, &StrgIDTitle, &StrgID,      &StrgID2,
        &StrgPwTitle, &StrgPw, nullptr};
    static constexpr ConstrainTagList caseDisables[] = {none, none, none, radios, none, none, none, none, none};
    static constexpr ConstrainTagList caseHides[] = {none,   account,       userDomain,       none,      radios,
                                                     radiosAccount, radiosUserDomain, everything, radios};
    static constexpr zqpde::ConstrainInfo caseConstrain = {zqpde::ConstrainListsOf(caseDisables),
                                                           zqpde::ConstrainListsOf(caseHides), {}};

    // The fields whose defaults and remembered values go together.
    static constexpr int32_t defaults[] = {UserID, UserPw, StrgID, StrgPw, StrgID2, UserID2, Domain, Domain2, AcntID,
                                           AcntID2};
};

// ---- item lists and initial data ------------------------------------------------------------------

inline constexpr const char* jbaWndUserIDLboxMenu[] = {"JBA Login Name", "JBA Input Name", nullptr};
inline constexpr zqpde::ListCtrlIniData jbaWndUserIDLboxIniData = {0, 1, -1, jbaWndUserIDLboxMenu};
inline constexpr zqpde::RadioButtonIniData jbaWndJobInfoRdioIniData = {0, 1, -1, "JBA Common User Info Type",
                                                                       "Detailed User Settings"};
inline constexpr zqpde::RadioButtonIniData jbaWndJobInputRdioIniData = {0, 0, -1, "JBA Job User Type",
                                                                        "Detailed User Settings"};
inline constexpr zqpde::CheckBoxIniData jbaWndLastInputCboxIniData = {0, 1, -1, "JBA Last Info Setting"};
inline constexpr zqpde::CheckBoxIniData jbaWndUserFrmtCboxIniData = {0, 1, -1, "JBA User ID Format"};
inline constexpr zqpde::CheckBoxIniData jbaWndAcntFrmtCboxIniData = {0, 1, -1, "JBA Account ID Format"};
inline constexpr zqpde::RadioButtonIniData jbaInputWndAuthRdioIniData = {0, 1, -1, "JBA Auth Radio", nullptr};
inline constexpr zqpde::RadioButtonIniData jbaInputWndStrgRdioIniData = {0, 0, -1, "JBA Strg Radio", nullptr};
inline constexpr zqpde::ConstrainInfo jbaNoConstrain = {{}, {}, {}};

// ---- text fields ----------------------------------------------------------------------------------------

inline constexpr zqpde::InputFilterData kJBAPrintableAscii = {1, {{0x20, 0x7E}}};
inline constexpr zqpde::InputFilterData kJBADigits = {1, {{0x30, 0x39}}};
inline constexpr zqpde::InputFilterData kJBABytesAny = {1, {{0x20, 0xFF}}};
inline constexpr zqpde::InputFilterData kJBAUnitsAny = {1, {{0x20, 0xFFFF}}};

inline constexpr zqpde::TextEditIniData jbaWndUserIDEtxtIniData = {"", "", 1, 32};
inline constexpr zqpde::TextEditIniData jbaWndLoginEtxtIniData = {"", "", 1, 32};
inline constexpr zqpde::TextEditIniData jbaWndUserIDPwEtxtIniData = {"", "", 4, 12};
inline constexpr zqpde::TextEditIniData jbaWndUserIDPwEtxtIniDataDefault03 = {"", "", 1, 128};
inline constexpr zqpde::TextEditIniData jbaWndDomainNameEtxtIniData = {"", "", 1, 64};
inline constexpr zqpde::TextEditIniData jbaWndAcntIDEtxtIniData = {"", "", 0, 32};
inline constexpr zqpde::TextEditIniData jbaWndStrgIDEtxtIniData = {"", "", 0, 24};
inline constexpr zqpde::TextEditIniData jbaWndStrgIDEtxtIniDataForDefault01 = {"", "", 0, 8};
inline constexpr zqpde::TextEditIniData jbaInputWndStrgIDEtxtIniData = {"", "", 1, 24};
inline constexpr zqpde::TextEditIniData jbaInputWndStrgIDEtxtIniDataDefault01 = {"", "", 1, 8};
inline constexpr zqpde::TextEditIniData jbaWndStrgIDPwEtxtIniData = {"", "", 0, 12};

inline constexpr zqpde::TextEditFilterData jbaWndUserIDEtxtFltrDataForNoneUTF8 = {kJBAPrintableAscii,
                                                                                  kJBAPrintableAscii, "Warning32"};
inline constexpr zqpde::TextEditFilterData jbaWndUserIDEtxtFltrDataForUTF8 = {kJBABytesAny, kJBAUnitsAny, "Warning52"};
inline constexpr zqpde::TextEditFilterData jbaInputWndUserID2EtxtFltrData = jbaWndUserIDEtxtFltrDataForNoneUTF8;
inline constexpr zqpde::TextEditFilterData jbaInputWndUserID2EtxtFltrDataForUTF8 = jbaWndUserIDEtxtFltrDataForUTF8;
inline constexpr zqpde::TextEditFilterData jbaWndLoginEtxtFltrData = {kJBAPrintableAscii, kJBAPrintableAscii,
                                                                      "Warning32"};
inline constexpr zqpde::TextEditFilterData jbaWndUserIDPwEtxtFltrData = {kJBAPrintableAscii, kJBAPrintableAscii,
                                                                         "Warning33"};
inline constexpr zqpde::TextEditFilterData jbaWndUserIDPwEtxtFltrDataDefault03 = {kJBAPrintableAscii,
                                                                                  kJBAPrintableAscii, "Warning36"};
inline constexpr zqpde::TextEditFilterData jbaWndDomainNameEtxtFltrData = {kJBAPrintableAscii, kJBAPrintableAscii,
                                                                           "Warning35"};
inline constexpr zqpde::TextEditFilterData jbaInputWndDomainName2EtxtFltrData = jbaWndDomainNameEtxtFltrData;
inline constexpr zqpde::TextEditFilterData jbaWndAcntIDEtxtFltrData = {kJBAPrintableAscii, kJBAPrintableAscii,
                                                                       "Warning34"};
inline constexpr zqpde::TextEditFilterData jbaInputWndAcntID2EtxtFltrData = jbaWndAcntIDEtxtFltrData;
inline constexpr zqpde::TextEditFilterData jbaWndStrgIDEtxtFltrData = {kJBAPrintableAscii, kJBAPrintableAscii,
                                                                       "Warning38"};
inline constexpr zqpde::TextEditFilterData jbaWndStrgIDEtxtFltrDataUTF8 = {kJBABytesAny, kJBAUnitsAny, "Warning53"};
inline constexpr zqpde::TextEditFilterData jbaWndStrgIDEtxtFltrDataForDefault01 = {kJBAPrintableAscii,
                                                                                   kJBAPrintableAscii, "Warning38b"};
inline constexpr zqpde::TextEditFilterData jbaInputWndStrgIDEtxtFltrData = {kJBAPrintableAscii, kJBAPrintableAscii,
                                                                            "Warning38A"};
inline constexpr zqpde::TextEditFilterData jbaInputWndStrgIDEtxtFltrDataUTF8 = {kJBABytesAny, kJBAUnitsAny,
                                                                                "Warning54"};
inline constexpr zqpde::TextEditFilterData jbaInputWndStrgIDEtxtFltrDataDefault01 = {kJBAPrintableAscii,
                                                                                     kJBAPrintableAscii, "Warning38c"};
inline constexpr zqpde::TextEditFilterData jbaWndStrgIDPwEtxtFltrData = {kJBADigits, kJBADigits, "Message60"};

// ---- keys ---------------------------------------------------------------------------------------------------

// The keys of one information window (administrator "JBAAdmin...", user "JBA...").
struct InfoWndAccess {
    zqpde::AccessInfo userIDList, jobInfoRdio, jobInputRdio, lastInput, userFrmt, acntFrmt, userID, login, userPw,
        domain, acntID, strgID, strgPw;
};
#define ZQ_JBA_NUMBER(P, NAME) \
    {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, ZQ_ACCOUNT_NS P NAME "Ticket", ZQ_ACCOUNT_NS P NAME "Reference"}
#define ZQ_JBA_TEXT(TYPE, P, NAME) {TYPE, TYPE, ZQ_ACCOUNT_NS P NAME "Ticket", ZQ_ACCOUNT_NS P NAME "Reference"}
#define ZQ_JBA_INFO_ACCESS(P)                                                                                     \
    {ZQ_JBA_NUMBER(P, "UserIDListCtrl"),                                                                          \
     ZQ_JBA_NUMBER(P, "UserSettingRadioBtn"),                                                                     \
     ZQ_JBA_NUMBER(P, "UserInputRadioBtn"),                                                                       \
     ZQ_JBA_NUMBER(P, "LastInfoCheckbox"),                                                                        \
     ZQ_JBA_NUMBER(P, "UserIDFormatCheckbox"),                                                                    \
     ZQ_JBA_NUMBER(P, "AccountIDFormatCheckbox"),                                                                 \
     ZQ_JBA_TEXT(zqpde::kValueTypeText, P, "UserIDTextEdit"),                                                     \
     {zqpde::kValueTypeText, zqpde::kValueTypeText, ZQ_ACCOUNT_NS P "LoginTextEditTicket", nullptr},              \
     ZQ_JBA_TEXT(zqpde::kValueTypePassword, P, "UserPasswordTextEdit"),                                           \
     ZQ_JBA_TEXT(zqpde::kValueTypeText, P, "DomainNameTextEdit"),                                                 \
     ZQ_JBA_TEXT(zqpde::kValueTypeText, P, "AccountIDTextEdit"),                                                  \
     ZQ_JBA_TEXT(zqpde::kValueTypeText, P, "StorageIDTextEdit"),                                                  \
     ZQ_JBA_TEXT(zqpde::kValueTypePassword, P, "StoragePasswordTextEdit")}
inline constexpr InfoWndAccess jbaAdminWndAccess = ZQ_JBA_INFO_ACCESS("JBAAdmin");
inline constexpr InfoWndAccess jbaUserWndAccess = ZQ_JBA_INFO_ACCESS("JBA");

struct InputWndAccess {
    zqpde::AccessInfo authRdio, strgRdio, userID, userID2, userPw, domain, domain2, acntID, acntID2, strgID, strgID2,
        strgPw;
};
inline constexpr InputWndAccess jbaInputWndAccess = {
    {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, ZQ_ACCOUNT_NS "JBAInputAuthRadioBtnTicketKey",
     ZQ_ACCOUNT_NS "JBAInputAuthRadioBtnReference"},
    {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, ZQ_ACCOUNT_NS "JBAInputStrgRadioBtnTicketKey",
     ZQ_ACCOUNT_NS "JBAInputStrgRadioBtnReference"},
    ZQ_JBA_TEXT(zqpde::kValueTypeText, "JBAInput", "UserIDTextEdit"),
    ZQ_JBA_TEXT(zqpde::kValueTypePassword, "JBAInput", "UserIDTextEdit"),
    ZQ_JBA_TEXT(zqpde::kValueTypePassword, "JBAInput", "UserPasswordTextEdit"),
    ZQ_JBA_TEXT(zqpde::kValueTypeText, "JBAInput", "DomainNameTextEdit"),
    ZQ_JBA_TEXT(zqpde::kValueTypePassword, "JBAInput", "DomainNameTextEdit"),
    ZQ_JBA_TEXT(zqpde::kValueTypeText, "JBAInput", "AccountIDTextEdit"),
    ZQ_JBA_TEXT(zqpde::kValueTypePassword, "JBAInput", "AccountIDTextEdit"),
    ZQ_JBA_TEXT(zqpde::kValueTypeText, "JBAInput", "StorageIDTextEdit"),
    ZQ_JBA_TEXT(zqpde::kValueTypePassword, "JBAInput", "StorageIDTextEdit"),
    ZQ_JBA_TEXT(zqpde::kValueTypePassword, "JBAInput", "StoragePasswordTextEdit"),
};
#undef ZQ_JBA_INFO_ACCESS
#undef ZQ_JBA_TEXT
#undef ZQ_JBA_NUMBER

}  // namespace zqacct
