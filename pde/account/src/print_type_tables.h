#pragma once
// The description tables of the print-type panel, its setup windows and their
// controls: tags, item lists, initial data, input filters, access and
// constraint information. The framework keeps pointers to them and never
// writes into them.
#include <cstdint>

#include "edition_traits.h"
#include "zqpde/control_tables.h"
#include "zqpde/input_filter.h"
#include "zqpde/time_of_day.h"

namespace zqacct {

using zqpde::AccessInfo;
using zqpde::ConstrainInfo;
using zqpde::ConstrainTagList;
using zqpde::ListCtrlIniData;
using zqpde::TextEditFilterData;
using zqpde::TextEditIniData;

// ---- print-type codes and job status ------------------------------------------------

enum PrintTypeCode : int32_t {
    kPrintTypeNone = 1,
    kPrintTypeSecure = 2,
    kPrintTypeSample = 3,
    kPrintTypeDelayed = 4,
    kPrintTypeMailbox = 5,
};

inline constexpr int32_t kJobMayPrint = 2001;
inline constexpr int32_t kJobMayNotPrint = 2002;

// ---- tags ---------------------------------------------------------------------------

inline constexpr int32_t PrintTypePopupListTag = 101, PrintTypePopupListitleTag = 102, SetupButtonTag = 103,
                         PrintTypeDefaultButtonTag = 104, PrintTypeVersionTag = 105, printTypeHelpButtonTag = 109;
inline constexpr int32_t AboutWndOKButtonTag = 201, AboutWndCancelButtonTag = 202, AboutWndMessageTag = 203,
                         AboutWndIconTag = 204;
inline constexpr int32_t ErrMsgWndOKButtonTag = 211, ErrMsgWndWarningTag = 212, ErrMsgWndIconTag = 213;

inline constexpr int32_t SamplePrintTypeUserIDTag = 1012, SampleDocumentNameListTag = 1014,
                         SampleDocumentNameTag = 1015, SamplePrintTypeUserIDTitleTag = 2012,
                         SampleDocumentNameListTitleTag = 2014, SampleDocumentNameTitleTag = 2015;
inline constexpr int32_t SecurePrintTypeUserIDTag = 1022, SecurePrintTypeLoginEtxtTag = 1023,
                         SecureDocumentNameListTag = 1024, SecureDocumentNameTag = 1025,
                         SecurePrintTypePasscodeTag = 1026, SecurePrintTypeUserIDTitleTag = 2022,
                         SecureDocumentNameListTitleTag = 2024, SecureDocumentNameTitleTag = 2025,
                         SecurePrintTypePasscodeTitleTag = 2026;
inline constexpr int32_t DelayPrintTimeTag = 1033, DelayedDocumentNameListTag = 1034, DelayedDocumentNameTag = 1035,
                         DelayPrintTitleTag = 2033, DelayedDocumentNameListTitleTag = 2034,
                         DelayedDocumentNameTitleTag = 2035;
inline constexpr int32_t MailBoxPrintTypeNumberTag = 1041, MailBoxPrintTypePasscodeTag = 1042,
                         MailBoxDocumentNameListTag = 1044, MailBoxDocumentNameTag = 1045,
                         MailBoxNumberPrintTypeTitleTag = 2041, MailBoxPrintTypePasscodeTitleTag = 2042,
                         MailBoxTypeDocumentNameListTitleTag = 2044, MailBoxDocumentNameTitleTag = 2045;
// The four buttons of a setup window: help, default, OK, cancel = base + 1..4.
inline constexpr int32_t SampleButtonsTagBase = 1110, SecureButtonsTagBase = 1120, DelayedButtonsTagBase = 1130,
                         MailBoxButtonsTagBase = 1140;

// ---- print-type list ---------------------------------------------------------------

inline constexpr const char* const* printTypeListIniMenu = edition::kPrintTypeItems;
inline constexpr const char* zelpdfprintTypeListIniMenu[] = {"Job Type None", "Job Type Secure", "Job Type Sample",
                                                              nullptr};
inline constexpr ListCtrlIniData printTypeListIniData = {0, 1, -1, printTypeListIniMenu};
inline constexpr ListCtrlIniData zelpdfprintTypeListIniData = {0, 1, -1, zelpdfprintTypeListIniMenu};

// Normal print disables the Setup button.
inline constexpr const int32_t* printTypeNoneDisables[] = {&SetupButtonTag, nullptr};
inline constexpr ConstrainTagList printTypeDisableLists[] = {printTypeNoneDisables};
inline constexpr ConstrainInfo printTypeConstrainInfo = {zqpde::ConstrainListsOf(printTypeDisableLists), {}, {}};
inline constexpr const ConstrainInfo* printTypeConstrainInfoPtr = &printTypeConstrainInfo;
inline constexpr const int32_t* printTypeValidateArray[] = {&SetupButtonTag, nullptr};
inline constexpr AccessInfo printTypeListAccessInfo = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber,
                                                        ZQ_ACCOUNT_NS "PrintTypeTicketKey",
                                                        ZQ_ACCOUNT_NS "PrintTypeReference"};

// Which items the installed storage leaves enabled: a PPD choice and the
// item keys it allows (nullptr-ended).
struct PrintTypeAvailability {
    const char* choice;
    const char* const* items;
};
inline constexpr const char* onlyNormalPrint[] = {"Job Type None", nullptr};
inline constexpr PrintTypeAvailability Storage_Device_ConstrainInfoArray[] = {
    {"None", onlyNormalPrint}, {"HardDisk", printTypeListIniMenu}, {"RAMDisk", printTypeListIniMenu}};
inline constexpr PrintTypeAvailability External_Memory_ConstrainInfoArray[] = {
    {"True", printTypeListIniMenu}, {"False", onlyNormalPrint}};

// ---- panel-level keys ------------------------------------------------------------------

inline constexpr const char* PrintTypeProductTypeTicketKey = ZQ_ACCOUNT_NS "PrintTypeProductTypeTicketKey";
inline constexpr const char* DocumentNameTypeTicketKey = ZQ_ACCOUNT_NS "DocumentNameTypeTicketKey";
inline constexpr const char* DocumentNameTypeReference = ZQ_ACCOUNT_NS "DocumentNameTypeReference";
inline constexpr const char* DocumentNameTicketKey = ZQ_ACCOUNT_NS "DocumentNameTicketKey";
inline constexpr const char* DocumentNameReference = ZQ_ACCOUNT_NS "DocumentNameReference";
inline constexpr const char* PrintTypeUserNameTicketKey = ZQ_ACCOUNT_NS "PrintTypeUserNameTicketKey";
inline constexpr const char* PrintTypeUserNameReference = ZQ_ACCOUNT_NS "PrintTypeUserNameReference";

// ---- text fields ---------------------------------------------------------------------------

inline constexpr TextEditIniData printTypeUserNameIniData = {"", "", 1, 24};
inline constexpr TextEditIniData printTypeUserNameIniDataDefault02 = {"", "", 1, 8};
inline constexpr TextEditIniData printTypeLoginEtxtIniData = {"", "", 1, 32};
inline constexpr TextEditIniData printTypePasswordIniData = {"", "", 0, 12};
inline constexpr TextEditIniData printTypeMBNIniData = {"", "", 1, 3};
inline constexpr TextEditIniData printTypeMBNPasswordIniData = {"", "", 0, 20};
inline constexpr TextEditIniData documentNameIniData = {"", "", 0, 64};
inline constexpr TextEditIniData documentNameIniDataDefault02 = {"", "", 0, 12};
inline constexpr TextEditIniData documentNameIniDataDefault03 = {"", "", 0, 64};

#define ZQ_PRINTABLE_ASCII {1, {{0x20, 0x7E}}}
#define ZQ_DIGITS {1, {{0x30, 0x39}}}
#define ZQ_BYTES_ANY {1, {{0x20, 0xFF}}}
#define ZQ_UNITS_ANY {1, {{0x20, 0xFFFF}}}
#define ZQ_DOCNAME_BYTES {2, {{0x20, 0x7E}, {0xA1, 0xDF}}}
#define ZQ_DOCNAME_UNITS {6, {{0x20, 0x7E}, {0xA5, 0xA5}, {0x3040, 0x309F}, {0x30A0, 0x30FF}, {0x4E00, 0x9FFF}, {0xFF01, 0xFF9D}}}

inline constexpr TextEditFilterData printTypeUserNameFilterData = {ZQ_PRINTABLE_ASCII, ZQ_PRINTABLE_ASCII, "Message43"};
inline constexpr TextEditFilterData printTypeUserNameFilterDataUTF8 = {ZQ_BYTES_ANY, ZQ_UNITS_ANY, "Message62"};
inline constexpr TextEditFilterData printTypeUserNameFilterDataDefault02 = {ZQ_PRINTABLE_ASCII, ZQ_PRINTABLE_ASCII,
                                                                             "Message43b"};
inline constexpr TextEditFilterData printTypeLoginEtxtFilterDataUTF8 = {ZQ_BYTES_ANY, ZQ_UNITS_ANY, "Message64"};
inline constexpr TextEditFilterData printTypePasswordFilterData = {ZQ_DIGITS, ZQ_DIGITS, "Message60"};
inline constexpr TextEditFilterData printTypeMBNFilterData = {ZQ_DIGITS, ZQ_DIGITS, "Warning22"};
inline constexpr TextEditFilterData printTypeMBNPasswordFilterData = {ZQ_DIGITS, ZQ_DIGITS, "Message40"};
inline constexpr TextEditFilterData documentNameFilterData = {ZQ_PRINTABLE_ASCII, ZQ_PRINTABLE_ASCII, "Message41"};
inline constexpr TextEditFilterData documentNameFilterDataUTF8 = {ZQ_DOCNAME_BYTES, ZQ_DOCNAME_UNITS, "Message41"};
inline constexpr TextEditFilterData documentNameFilterDataDefault04UTF8 = {ZQ_DOCNAME_BYTES, ZQ_DOCNAME_UNITS,
                                                                            "Message57"};
inline constexpr TextEditFilterData documentNameFilterDataDefault02 = {ZQ_PRINTABLE_ASCII, ZQ_PRINTABLE_ASCII,
                                                                        "Message41b"};
inline constexpr TextEditFilterData documentNameFilterDataDefault03 = {ZQ_PRINTABLE_ASCII, ZQ_PRINTABLE_ASCII,
                                                                        "Message41c"};
inline constexpr TextEditFilterData documentNameFilterDataDefault03UTF8 = {ZQ_BYTES_ANY, ZQ_UNITS_ANY, "Message57"};
inline constexpr TextEditFilterData mailBoxDocumentNameFilterData = {ZQ_PRINTABLE_ASCII, ZQ_PRINTABLE_ASCII,
                                                                      "Message41_m"};
inline constexpr TextEditFilterData mailBoxDocumentNameFilterDataUTF8 = {ZQ_DOCNAME_BYTES, ZQ_DOCNAME_UNITS,
                                                                          "Message41_m"};
inline constexpr TextEditFilterData mailBoxDocumentNameFilterDataDefault02 = {ZQ_PRINTABLE_ASCII, ZQ_PRINTABLE_ASCII,
                                                                               "Message41b_m"};
inline constexpr TextEditFilterData mailBoxDocumentNameFilterDataDefault03 = {ZQ_PRINTABLE_ASCII, ZQ_PRINTABLE_ASCII,
                                                                               "Message41c_m"};
inline constexpr TextEditFilterData mailBoxDocumentNameFilterDataDefault03UTF8 = {ZQ_BYTES_ANY, ZQ_UNITS_ANY,
                                                                                   "Message58"};

#undef ZQ_PRINTABLE_ASCII
#undef ZQ_DIGITS
#undef ZQ_BYTES_ANY
#undef ZQ_UNITS_ANY
#undef ZQ_DOCNAME_BYTES
#undef ZQ_DOCNAME_UNITS

inline constexpr AccessInfo printTypeUserNameAccessInfo = {zqpde::kValueTypeText, zqpde::kValueTypeText,
                                                            PrintTypeUserNameTicketKey, PrintTypeUserNameReference};
inline constexpr AccessInfo printTypeLoginEtxtAccessInfo = {zqpde::kValueTypeText, zqpde::kValueTypeText,
                                                             PrintTypeUserNameTicketKey, nullptr};
inline constexpr AccessInfo printTypePasswordAccessInfo = {zqpde::kValueTypePassword, zqpde::kValueTypePassword,
                                                            ZQ_ACCOUNT_NS "PrintTypePasswordTicketKey",
                                                            ZQ_ACCOUNT_NS "PrintTypePasswordReference"};
inline constexpr AccessInfo printTypeMBNAccessInfo = {zqpde::kValueTypeText, zqpde::kValueTypeText,
                                                       ZQ_ACCOUNT_NS "PrintTypeMBNTicketKey",
                                                       ZQ_ACCOUNT_NS "PrintTypeMBNReference"};
inline constexpr AccessInfo printTypeMBNPasswordAccessInfo = {zqpde::kValueTypePassword, zqpde::kValueTypePassword,
                                                               ZQ_ACCOUNT_NS "PrintTypeMBNPasswordTicketKey",
                                                               ZQ_ACCOUNT_NS "PrintTypeMBNPasswordReference"};
inline constexpr AccessInfo documentNameListAccessInfo = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber,
                                                           DocumentNameTypeTicketKey, DocumentNameTypeReference};
inline constexpr AccessInfo documentNameAccessInfo = {zqpde::kValueTypeText, zqpde::kValueTypeText,
                                                       DocumentNameTicketKey, DocumentNameReference};
inline constexpr AccessInfo delayprintAccessInfo = {zqpde::kValueTypeDate, zqpde::kValueTypeDate,
                                                     ZQ_ACCOUNT_NS "DelayPrintTicketKey",
                                                     ZQ_ACCOUNT_NS "DelayPrintReference"};

// The data of the setup windows' fields and of the panel's names.
inline constexpr const AccessInfo* kSetupWindowFields[] = {
    &printTypeUserNameAccessInfo, &printTypePasswordAccessInfo, &printTypeMBNAccessInfo,
    &printTypeMBNPasswordAccessInfo, &documentNameListAccessInfo, &documentNameAccessInfo, &delayprintAccessInfo};

// ---- document-name type pop-ups ------------------------------------------------------

inline constexpr const char* documentNameListIniMenu[] = {"Document Name Type Auto", "Document Name Type Enter Name",
                                                           nullptr};
inline constexpr const char* mailBoxDocumentNameListIniMenu[] = {"MailBox Document Name Type Auto",
                                                                  "MailBox Document Name Type Enter Name", nullptr};
inline constexpr ListCtrlIniData documentNameListIniData = {0, 1, -1, documentNameListIniMenu};
inline constexpr ListCtrlIniData mailBoxDocumentNameListIniData = {0, 1, -1, mailBoxDocumentNameListIniMenu};

// "Automatic" disables the window's document-name field and its title.
inline constexpr const int32_t* securedocumentNameAutoRetrieveConstrainArray[] = {
    &SecureDocumentNameTag, &SecureDocumentNameTitleTag, nullptr};
inline constexpr const int32_t* sampledocumentNameAutoRetrieveConstrainArray[] = {
    &SampleDocumentNameTag, &SampleDocumentNameTitleTag, nullptr};
inline constexpr const int32_t* delayeddocumentNameAutoRetrieveConstrainArray[] = {
    &DelayedDocumentNameTag, &DelayedDocumentNameTitleTag, nullptr};
inline constexpr const int32_t* mailboxdocumentNameAutoRetrieveConstrainArray[] = {
    &MailBoxDocumentNameTag, &MailBoxDocumentNameTitleTag, nullptr};
inline constexpr ConstrainTagList securedocumentNameListDisable[] = {securedocumentNameAutoRetrieveConstrainArray,
                                                                      nullptr};
inline constexpr ConstrainTagList sampledocumentNameListDisable[] = {sampledocumentNameAutoRetrieveConstrainArray,
                                                                      nullptr};
inline constexpr ConstrainTagList delayeddocumentNameListDisable[] = {delayeddocumentNameAutoRetrieveConstrainArray,
                                                                       nullptr};
inline constexpr ConstrainTagList mailboxdocumentNameListDisable[] = {mailboxdocumentNameAutoRetrieveConstrainArray,
                                                                       nullptr};
inline constexpr ConstrainInfo securedocumentNameListConstrainInfo = {
    zqpde::ConstrainListsOf(securedocumentNameListDisable), {}, {}};
inline constexpr ConstrainInfo sampledocumentNameListConstrainInfo = {
    zqpde::ConstrainListsOf(sampledocumentNameListDisable), {}, {}};
inline constexpr ConstrainInfo delayeddocumentNameListConstrainInfo = {
    zqpde::ConstrainListsOf(delayeddocumentNameListDisable), {}, {}};
inline constexpr ConstrainInfo mailboxdocumentNameListConstrainInfo = {
    zqpde::ConstrainListsOf(mailboxdocumentNameListDisable), {}, {}};
inline constexpr const int32_t* securedocumentNameListValidateArray[] = {&SecureDocumentNameTag, nullptr};
inline constexpr const int32_t* sampledocumentNameListValidateArray[] = {&SampleDocumentNameTag, nullptr};
inline constexpr const int32_t* delayeddocumentNameListValidateArray[] = {&DelayedDocumentNameTag, nullptr};
inline constexpr const int32_t* mailboxdocumentNameListValidateArray[] = {&MailBoxDocumentNameTag, nullptr};

// ---- start-time clock -------------------------------------------------------------------

// Three records; the second is the default start time (00:00).
struct ClockIniData {
    zqpde::LongDateRec first, defaultTime, third;
};
inline constexpr ClockIniData delayprintClockIniData = {};
inline constexpr ConstrainInfo delayprintConstrainInfo = {};

// ---- buttons ---------------------------------------------------------------------------------

// Controls set back to their default by Cancel of a setup window and by OK of
// the pass-code notice: the print-type list.
inline constexpr const int32_t* setupWndCancelBtnDefaultArrays[] = {&PrintTypePopupListTag, nullptr};
inline constexpr const int32_t* aboutWndOkButtonDefaultArray[] = {&PrintTypePopupListTag, nullptr};

}  // namespace zqacct
