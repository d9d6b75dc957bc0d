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

using jobattr::Fixed;
using jobattr::Quoted;

}  // namespace

TicketTable JBAHostTicketRows(Job& job, bool infoLists) {
  auto& r = job.mod.jba;
  const auto text = GetTicketStringConvertedToPrtLang;
  TicketTable rows = {
      {job.Key("JBAMacHostNameStringTicket"), &r.macHostName, 33, text},
      {job.Key("JBAIPAddressStringTicket"), &r.ipAddress, 46, text},
  };
  if (infoLists) {
    rows.push_back({job.Key("JBAInfoListTicketKey"), &r.infoList, 4, GetTicketInteger});
    rows.push_back({job.Key("JBAInfoSetListTicketKey"), &r.infoSetList, 4, GetTicketInteger});
  }
  const TicketTable layout = {
      {"number-up", &job.StdNUpInfo, job.profile.widths.nupInfo, GetNumberUpTicketString},
      {"number-up", &job.StdLayoutInfo, 10, text},
      {"com.apple.print.PrintSettings.PMLayoutDirection..n.", &job.StdLayoutDirectionInfo, 10, text},
      {kLayoutRowsKey, &job.StdLayoutRowInfo, 10, text},
      {kLayoutColumnsKey, &job.StdLayoutColumnInfo, 10, text},
  };
  rows.insert(rows.end(), layout.begin(), layout.end());
  for (size_t i = 0; i < 8; ++i) rows.push_back({kPaperRectKeys[i], &r.paperRect[i], 20, text});
  return rows;
}

TicketTable JBAticketDataCommon(Job& job) {
  auto& r = job.mod.jba;
  const auto text = GetTicketStringConvertedToPrtLang;
  const auto integer = GetTicketInteger;
  TicketTable rows = JBAHostTicketRows(job, true);
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

FmtTable JBAIdentityRows(Job& job) {
  auto& r = job.mod.jba;
  using jobattr::QuotedLF;
  return {
      QuotedLF("CNAM", job.HostNameStr, {{Filled(job.HostNameStr)}}),
      Fixed("CNAM=UnknownHost", true, {{Empty(job.HostNameStr)}}),
      QuotedLF("LUNA", job.StdUserName, {{Filled(job.StdUserName)}}),
      Fixed("LUNA=UnknownUser", true, {{Empty(job.StdUserName)}}),
      QuotedLF("HOAD", r.ipAddress, {{Filled(r.ipAddress)}}),
      QuotedLF("HOAD", job.IPAddressStr, {{Empty(r.ipAddress), Filled(job.IPAddressStr)}}),
      QuotedLF("NLPP", job.StdNUpInfo, {{Filled(job.StdNUpInfo)}}),
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
      Quoted("JOAU", job.StdJBAUserName, {{admin, adminSetting, adminLogin, loginKnown}}),
      Quoted("JOAU", r.adminUserID, {{admin, adminSetting, adminEntered, Filled(r.adminUserID)}}),
      Quoted("JOEP", r.adminPassword, {{admin, adminSetting, adminLogin, loginKnown, Filled(r.adminPassword)}}),
      Fixed("JOEP=", false, {{admin, adminSetting, adminLogin, loginKnown, Empty(r.adminPassword)}}),
      Quoted("JOEP", r.adminPassword,
             {{admin, adminSetting, adminEntered, Filled(r.adminUserID), Filled(r.adminPassword)}}),
      Fixed("JOEP=", false, {{admin, adminSetting, adminEntered, Filled(r.adminUserID), Empty(r.adminPassword)}}),
      Quoted("JOAU", r.inputUserID, {{admin, adminInput, Filled(r.inputUserID)}}),
      Quoted("JOEP", r.inputUserPassword, {{admin, adminInput, Filled(r.inputUserID), Filled(r.inputUserPassword)}}),
      Fixed("JOEP=", false, {{admin, adminInput, Empty(r.inputUserPassword), Filled(r.inputUserID)}}),
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
  };
  const FmtTable identity = JBAIdentityRows(job);
  r.common.insert(r.common.end(), identity.begin(), identity.end());
  const FmtTable account = {
      Quoted("JOAU", job.StdJBAUserName, {{user, userSetting, userLogin, loginKnown}}),
      Quoted("JOAU", r.userID, {{user, userSetting, userEntered, Filled(r.userID)}}),
      Quoted("JOEP", r.userPassword, {{user, userSetting, userLogin, loginKnown, Filled(r.userPassword)}}),
      Fixed("JOEP=", false, {{user, userSetting, userLogin, loginKnown, Empty(r.userPassword)}}),
      Quoted("JOEP", r.userPassword, {{user, userSetting, userEntered, Filled(r.userID), Filled(r.userPassword)}}),
      Fixed("JOEP=", false, {{user, userSetting, userEntered, Filled(r.userID), Empty(r.userPassword)}}),
      Quoted("JOAU", r.inputUserID, {{user, userInput, Filled(r.inputUserID)}}),
      Quoted("JOEP", r.inputUserPassword, {{user, userInput, Filled(r.inputUserID), Filled(r.inputUserPassword)}}),
      Fixed("JOEP=", false, {{user, userInput, Empty(r.inputUserPassword), Filled(r.inputUserID)}}),
  };
  r.common.insert(r.common.end(), account.begin(), account.end());
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
