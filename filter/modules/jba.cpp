// Job-based authentication and accounting: who sends the job from where
// (host, login user, N-up) and the user or administrator credentials the
// device checks before it prints.
#include "modules.h"
#include "table_support.h"

namespace zqf {

using namespace cond;

namespace {

constexpr const char* kPaperRectKeys[8] = {
    "com.apple.print.subTicket.page_format_ticket..d.com.apple.print.subTicket.paper_info_ticket..d.com.apple."
    "print.PaperInfo.PMUnadjustedPaperRect..a.1..n.",
    "com.apple.print.subTicket.page_format_ticket..d.com.apple.print.subTicket.paper_info_ticket..d.com.apple."
    "print.PaperInfo.PMUnadjustedPaperRect..a.0..n.",
    "com.apple.print.subTicket.page_format_ticket..d.com.apple.print.subTicket.paper_info_ticket..d.com.apple."
    "print.PaperInfo.PMUnadjustedPaperRect..a.2..n.",
    "com.apple.print.subTicket.page_format_ticket..d.com.apple.print.subTicket.paper_info_ticket..d.com.apple."
    "print.PaperInfo.PMUnadjustedPaperRect..a.3..n.",
    "com.apple.print.subTicket.paper_info_ticket..d.com.apple.print.PaperInfo.PMUnadjustedPaperRect..a.1..n.",
    "com.apple.print.subTicket.paper_info_ticket..d.com.apple.print.PaperInfo.PMUnadjustedPaperRect..a.0..n.",
    "com.apple.print.subTicket.paper_info_ticket..d.com.apple.print.PaperInfo.PMUnadjustedPaperRect..a.2..n.",
    "com.apple.print.subTicket.paper_info_ticket..d.com.apple.print.PaperInfo.PMUnadjustedPaperRect..a.3..n.",
};

// The attribute formats: a quoted value ending CR LF, an empty quoted value
// ending CR LF, and the identity attributes ending LF only.
constexpr const char* kJOAU = "@PJL SET JOBATTR=%c@JOAU=%s%c%c%c";
constexpr const char* kJOEP = "@PJL SET JOBATTR=%c@JOEP=%s%c%c%c";
constexpr const char* kJOEPEmpty = "@PJL SET JOBATTR=%c@JOEP=%c%c%c";

SymPara Quoted(const std::string& value) { return {{Q, &value, Q, CR, LF}}; }
const SymPara kEmptyQuoted{{Q, Q, CR, LF}};

}  // namespace

TicketTable JBAticketDataCommon(Job& job) {
  auto& r = job.mod.jba;
  const auto text = GetTicketStringConvertedToPrtLang;
  const auto integer = GetTicketInteger;
  TicketTable rows = {
      {job.Key("JBAMacHostNameStringTicket"), &r.macHostName, 33, text},
      {job.Key("JBAIPAddressStringTicket"), &r.ipAddress, 46, text},
      {job.Key("JBAInfoListTicketKey"), &r.infoList, 4, integer},
      {job.Key("JBAInfoSetListTicketKey"), &r.infoSetList, 4, integer},
      {"number-up", &job.StdNUpInfo, job.profile.widths.nupInfo, GetNumberUpTicketString},
      {"number-up", &job.StdLayoutInfo, 10, text},
      {"com.apple.print.PrintSettings.PMLayoutDirection..n.", &job.StdLayoutDirectionInfo, 10, text},
      {kLayoutRowsKey, &job.StdLayoutRowInfo, 10, text},
      {kLayoutColumnsKey, &job.StdLayoutColumnInfo, 10, text},
  };
  for (size_t i = 0; i < 8; ++i) rows.push_back({kPaperRectKeys[i], &r.paperRect[i], 20, text});
  const TicketTable account = {
      {job.Key("JBAManageTypeListTicketKey"), &r.manageType, 4, integer},
      {job.Key("JBAUserSettingRadioBtnTicket"), &r.userSetting, 4, integer},
      {job.Key("JBAUserIDListCtrlTicket"), &r.userIDSource, 4, integer},
      {job.Key("JBAUserIDTextEditTicket"), &r.userIDAbsent, 4, CheckTicketKey},
      {job.Key("JBAUserIDTextEditTicket"), &r.userID, 97, text},
      {job.Key("JBAUserPasswordTextEditTicket"), &r.userPassword, 255, text},
      {job.Key("JBAAccountIDTextEditTicket"), &r.accountID, 33, text},
      {job.Key("JBAStorageIDTextEditTicket"), &r.storageID, 73, text},
      {job.Key("JBAStoragePasswordTextEditTicket"), &r.storagePassword, 17, text},
      {job.Key("JBAUserInputRadioBtnTicket"), &r.userInput, 4, integer},
      {job.Key("JBAInputAuthRadioBtnTicketKey"), &r.inputAuth, 4, integer},
      {job.Key("JBAInputStrgRadioBtnTicketKey"), &r.inputStorage, 4, integer},
      {job.Key("JBAInputStorageIDTextEditTicket"), &r.inputStorageID, 73, text},
      {job.Key("JBAInputStoragePasswordTextEditTicket"), &r.inputStoragePassword, 17, text},
      {job.Key("JBAInputUserIDTextEditTicket"), &r.inputUserID, 97, text},
      {job.Key("JBAInputUserPasswordTextEditTicket"), &r.inputUserPassword, 255, text},
      {job.Key("JBAInputAccountIDTextEditTicket"), &r.inputAccountID, 33, text},
      {job.Key("JBAMrvnPrintDateTicketKey"), &r.printDate, 17, text},
      {job.Key("JBAMrvnPrintTimeTicketKey"), &r.printTime, 17, text},
  };
  rows.insert(rows.end(), account.begin(), account.end());
  return rows;
}

TicketTable JBAticketDataAdmin(Job& job) {
  auto& r = job.mod.jba;
  const auto text = GetTicketStringConvertedToPrtLang;
  return {
      {job.Key("JBAAdminUserSettingRadioBtnTicket"), &r.adminSetting, 4, GetTicketInteger},
      {job.Key("JBAAdminUserIDListCtrlTicket"), &r.adminIDSource, 4, GetTicketInteger},
      {job.Key("JBAAdminUserIDTextEditTicket"), &r.adminUserID, 97, text},
      {job.Key("JBAAdminUserPasswordTextEditTicket"), &r.adminPassword, 255, text},
      {job.Key("JBAAdminAccountIDTextEditTicket"), &r.adminAccountID, 33, text},
      {job.Key("JBAAdminStorageIDTextEditTicket"), &r.adminStorageID, 73, text},
      {job.Key("JBAAdminStoragePasswordTextEditTicket"), &r.adminStoragePassword, 17, text},
      {job.Key("JBAAdminUserInputRadioBtnTicket"), &r.adminInput, 4, GetTicketInteger},
  };
}

void JBAInializeDescriptionTableFromFilter(Job& job) {
  auto& r = job.mod.jba;

  // Administrator settings: every row needs management type 1.
  const auto admin = Is(r.manageType, JBAModeListAdmin);
  const auto adminSetting = Is(r.adminSetting, OptionUserInputTypeSelectedAdmin);
  const auto adminLogin = Is(r.adminIDSource, OptionComInUserTypeUseLoginAdmin);
  const auto adminEntered = Is(r.adminIDSource, OptionComInUserTypeEnterNameAdmin);
  const auto adminInput = Is(r.adminInput, OptionUserInputTypeSelectedAdmin);
  const auto loginKnown = Filled(job.StdUserName);
  r.admin = {
      {kJOAU, Quoted(job.StdJBAUserName), {{admin, adminSetting, adminLogin, loginKnown}}},
      {kJOAU, Quoted(r.adminUserID), {{admin, adminSetting, adminEntered, Filled(r.adminUserID)}}},
      {kJOEP, Quoted(r.adminPassword), {{admin, adminSetting, adminLogin, loginKnown, Filled(r.adminPassword)}}},
      {kJOEPEmpty, kEmptyQuoted, {{admin, adminSetting, adminLogin, loginKnown, Empty(r.adminPassword)}}},
      {kJOEP,
       Quoted(r.adminPassword),
       {{admin, adminSetting, adminEntered, Filled(r.adminUserID), Filled(r.adminPassword)}}},
      {kJOEPEmpty,
       kEmptyQuoted,
       {{admin, adminSetting, adminEntered, Filled(r.adminUserID), Empty(r.adminPassword)}}},
      {kJOAU, Quoted(r.inputUserID), {{admin, adminInput, Filled(r.inputUserID)}}},
      {kJOEP, Quoted(r.inputUserPassword), {{admin, adminInput, Filled(r.inputUserID), Filled(r.inputUserPassword)}}},
      {kJOEPEmpty, kEmptyQuoted, {{admin, adminInput, Empty(r.inputUserPassword), Filled(r.inputUserID)}}},
  };

  // Identity lines, then the user settings (management type 2).
  const auto user = Is(r.manageType, JBAModeListUser);
  const auto userSetting = Is(r.userSetting, OptionUserInputTypeSelected);
  const auto userLogin = Is(r.userIDSource, OptionComInUserTypeUseLogin);
  const auto userEntered = Is(r.userIDSource, OptionComInUserTypeEnterName);
  const auto userInput = Is(r.userInput, OptionUserInputTypeSelected);
  r.common = {
      {"@PJL COMMENT DATE=%s%c", {{&r.printDate, LF}}, {{Filled(r.printDate)}}},
      {"@PJL COMMENT TIME=%s%c", {{&r.printTime, LF}}, {{Filled(r.printTime)}}},
      {"@PJL COMMENT DNAME=%s%c", {{&job.PTStdDocumentName, LF}}, {{Filled(job.PTStdDocumentName)}}},
      {"@PJL SET JOBATTR=%c@CNAM=%s%c%c", {{Q, &job.HostNameStr, Q, LF}}, {{Filled(job.HostNameStr)}}},
      {"@PJL SET JOBATTR=%c@CNAM=UnknownHost%c\n", {{Q, Q}}, {{Empty(job.HostNameStr)}}},
      {"@PJL SET JOBATTR=%c@LUNA=%s%c%c", {{Q, &job.StdUserName, Q, LF}}, {{Filled(job.StdUserName)}}},
      {"@PJL SET JOBATTR=%c@LUNA=UnknownUser%c\n", {{Q, Q}}, {{Empty(job.StdUserName)}}},
      {"@PJL SET JOBATTR=%c@HOAD=%s%c%c", {{Q, &r.ipAddress, Q, LF}}, {{Filled(r.ipAddress)}}},
      {"@PJL SET JOBATTR=%c@HOAD=%s%c%c",
       {{Q, &job.IPAddressStr, Q, LF}},
       {{Empty(r.ipAddress), Filled(job.IPAddressStr)}}},
      {"@PJL SET JOBATTR=%c@NLPP=%s%c%c", {{Q, &job.StdNUpInfo, Q, LF}}, {{Filled(job.StdNUpInfo)}}},
      {kJOAU, Quoted(job.StdJBAUserName), {{user, userSetting, userLogin, loginKnown}}},
      {kJOAU, Quoted(r.userID), {{user, userSetting, userEntered, Filled(r.userID)}}},
      {kJOEP, Quoted(r.userPassword), {{user, userSetting, userLogin, loginKnown, Filled(r.userPassword)}}},
      {kJOEPEmpty, kEmptyQuoted, {{user, userSetting, userLogin, loginKnown, Empty(r.userPassword)}}},
      {kJOEP, Quoted(r.userPassword), {{user, userSetting, userEntered, Filled(r.userID), Filled(r.userPassword)}}},
      {kJOEPEmpty, kEmptyQuoted, {{user, userSetting, userEntered, Filled(r.userID), Empty(r.userPassword)}}},
      {kJOAU, Quoted(r.inputUserID), {{user, userInput, Filled(r.inputUserID)}}},
      {kJOEP, Quoted(r.inputUserPassword), {{user, userInput, Filled(r.inputUserID), Filled(r.inputUserPassword)}}},
      {kJOEPEmpty, kEmptyQuoted, {{user, userInput, Empty(r.inputUserPassword), Filled(r.inputUserID)}}},
  };
}

void JBAGetTicketFromPDE(Job& job) {
  GetTicketFromArray(job, JBAticketDataCommon(job));
  GetTicketFromArray(job, JBAticketDataAdmin(job));
}

void JBAOutputEPJLCommandFromFilter(Job& job) {
  OutputEPJLCommandFromArray(job, job.mod.jba.admin);
  OutputEPJLCommandFromArray(job, job.mod.jba.common);
}

const FilterModule JBAModule{"JBA", JBAInializeDescriptionTableFromFilter, JBAGetTicketFromPDE,
                             JBAOutputEPJLCommandFromFilter, nullptr};

}  // namespace zqf
