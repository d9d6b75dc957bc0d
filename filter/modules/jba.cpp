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

TicketTable JBAticketDataCommon(Job& job, const JBATicketSpec& spec) {
  auto& r = job.mod.jba;
  const auto text = GetTicketStringConvertedToPrtLang;
  const auto integer = GetTicketInteger;
  const auto name = spec.nameGetter;
  TicketTable rows = {
      {job.Key("JBAMacHostNameStringTicket"), &r.macHostName, 33, text},
      {job.Key("JBAIPAddressStringTicket"), &r.ipAddress, 46, text},
  };
  if (spec.infoLists) {
    rows.push_back({job.Key("JBAInfoListTicketKey"), &r.infoList, 4, integer});
    rows.push_back({job.Key("JBAInfoSetListTicketKey"), &r.infoSetList, 4, integer});
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

  const auto add = [&rows](const TicketTable& more) { rows.insert(rows.end(), more.begin(), more.end()); };
  add({{job.Key("JBAManageTypeListTicketKey"), &r.manageType, 4, integer},
       {job.Key("JBAUserSettingRadioBtnTicket"), &r.userSetting, 4, integer},
       {job.Key("JBAUserIDListCtrlTicket"), &r.userIDSource, 4, integer}});
  if (spec.userIDAbsentFlag) add({{job.Key("JBAUserIDTextEditTicket"), &r.userIDAbsent, 4, CheckTicketKey}});
  add({{job.Key("JBAUserIDTextEditTicket"), &r.userID, spec.userID, name},
       {job.Key("JBAUserPasswordTextEditTicket"), &r.userPassword, spec.password, text}});
  if (spec.domains) {
    add({{job.Key("JBADomainNameTextEditTicket"), &r.domainName, 65, text},
         {job.Key("JBAInputDomainNameTextEditTicket"), &r.inputDomainName, 65, text}});
  }
  add({{job.Key("JBAAccountIDTextEditTicket"), &r.accountID, spec.account, text},
       {job.Key("JBAStorageIDTextEditTicket"), &r.storageID, spec.storageID, name},
       {job.Key("JBAStoragePasswordTextEditTicket"), &r.storagePassword, spec.storagePassword, text},
       {job.Key("JBAUserInputRadioBtnTicket"), &r.userInput, 4, integer},
       {job.Key("JBAInputAuthRadioBtnTicketKey"), &r.inputAuth, 4, integer},
       {job.Key("JBAInputStrgRadioBtnTicketKey"), &r.inputStorage, 4, integer},
       {job.Key("JBAInputStorageIDTextEditTicket"), &r.inputStorageID, spec.storageID, name},
       {job.Key("JBAInputStoragePasswordTextEditTicket"), &r.inputStoragePassword, spec.storagePassword, text},
       {job.Key("JBAInputUserIDTextEditTicket"), &r.inputUserID, spec.userID, name},
       {job.Key("JBAInputUserPasswordTextEditTicket"), &r.inputUserPassword, spec.password, text},
       {job.Key("JBAInputAccountIDTextEditTicket"), &r.inputAccountID, spec.account, text}});
  if (spec.printDateTime) {
    add({{job.Key("JBAMrvnPrintDateTicketKey"), &r.printDate, 17, text},
         {job.Key("JBAMrvnPrintTimeTicketKey"), &r.printTime, 17, text}});
  }
  return rows;
}

TicketTable JBAticketDataAdmin(Job& job, const JBATicketSpec& spec) {
  auto& r = job.mod.jba;
  const auto text = GetTicketStringConvertedToPrtLang;
  TicketTable rows = {
      {job.Key("JBAAdminUserSettingRadioBtnTicket"), &r.adminSetting, 4, GetTicketInteger},
      {job.Key("JBAAdminUserIDListCtrlTicket"), &r.adminIDSource, 4, GetTicketInteger},
      {job.Key("JBAAdminUserIDTextEditTicket"), &r.adminUserID, spec.userID, spec.nameGetter},
  };
  if (spec.domains) rows.push_back({job.Key("JBAAdminDomainNameTextEditTicket"), &r.adminDomainName, 65, text});
  const TicketTable more = {
      {job.Key("JBAAdminUserPasswordTextEditTicket"), &r.adminPassword, spec.password, text},
      {job.Key("JBAAdminAccountIDTextEditTicket"), &r.adminAccountID, spec.account, text},
      {job.Key("JBAAdminStorageIDTextEditTicket"), &r.adminStorageID, spec.storageID, spec.nameGetter},
      {job.Key("JBAAdminStoragePasswordTextEditTicket"), &r.adminStoragePassword, spec.storagePassword, text},
      {job.Key("JBAAdminUserInputRadioBtnTicket"), &r.adminInput, 4, GetTicketInteger},
  };
  rows.insert(rows.end(), more.begin(), more.end());
  return rows;
}

const JBATicketSpec& TeldJBATicketSpec() {
  static const JBATicketSpec spec{97, 255, 33, 73, 17, true, true, false, true, GetTicketStringConvertedToPrtLang};
  return spec;
}

TicketTable JBAticketDataCommon(Job& job) { return JBAticketDataCommon(job, TeldJBATicketSpec()); }
TicketTable JBAticketDataAdmin(Job& job) { return JBAticketDataAdmin(job, TeldJBATicketSpec()); }

void JBAGetTicket(Job& job, const JBATicketSpec& spec) {
  GetTicketFromArray(job, JBAticketDataCommon(job, spec));
  GetTicketFromArray(job, JBAticketDataAdmin(job, spec));
}

JBASide JBAUserSide(Job& job) {
  auto& r = job.mod.jba;
  return {Is(r.manageType, JBAModeListUser), Is(r.userSetting, OptionUserInputTypeSelected),
          Is(r.userInput, OptionUserInputTypeSelected), r.userIDSource, r.userID, r.userPassword, r.domainName,
          r.accountID, r.storageID, r.storagePassword};
}

JBASide JBAAdminSide(Job& job) {
  auto& r = job.mod.jba;
  return {Is(r.manageType, JBAModeListAdmin), Is(r.adminSetting, OptionUserInputTypeSelectedAdmin),
          Is(r.adminInput, OptionUserInputTypeSelectedAdmin), r.adminIDSource, r.adminUserID, r.adminPassword,
          r.adminDomainName, r.adminAccountID, r.adminStorageID, r.adminStoragePassword};
}

FmtTable JBACredentialRows(const JBASide& s, const ComparationItem& loginKnown) {
  const auto login = Is(s.idSource, OptionComInUserTypeUseLogin);
  const auto entered = Is(s.idSource, OptionComInUserTypeEnterName);
  return {
      Quoted("JOAU", s.userID, {{s.mode, s.setting, entered, Filled(s.userID)}}),
      Quoted("JOEP", s.password, {{s.mode, s.setting, login, loginKnown, Filled(s.password)}}),
      Fixed("JOEP=", false, {{s.mode, s.setting, login, loginKnown, Empty(s.password)}}),
      Quoted("JOEP", s.password, {{s.mode, s.setting, entered, Filled(s.userID), Filled(s.password)}}),
      Fixed("JOEP=", false, {{s.mode, s.setting, entered, Filled(s.userID), Empty(s.password)}}),
  };
}

FmtTable JBAInputStorageRows(Job& job, const JBASide& s) {
  const auto& r = job.mod.jba;
  const auto storage = Is(r.inputStorage, OptionUserInputTypeSelected);
  const auto id = Filled(r.inputStorageID);
  return {
      Quoted("ACID", r.inputStorageID, {{s.mode, s.input, storage, id}}),
      Fixed("JOAU=UnknownUser", true, {{s.mode, s.input, storage}}),
      Fixed("JOEP=", true, {{s.mode, s.input, storage}}),
      Quoted("ACEP", r.inputStoragePassword, {{s.mode, s.input, storage, id, Filled(r.inputStoragePassword)}}),
      Fixed("ACEP=", false, {{s.mode, s.input, storage, id, Empty(r.inputStoragePassword)}}),
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

namespace {

// The login line, the credentials and the input window of one side.
FmtTable TeldAccountRows(Job& job, const JBASide& s) {
  const auto& r = job.mod.jba;
  const auto loginKnown = Filled(job.StdUserName);
  FmtTable rows = {Quoted("JOAU", job.StdJBAUserName,
                          {{s.mode, s.setting, Is(s.idSource, OptionComInUserTypeUseLogin), loginKnown}})};
  const FmtTable credentials = JBACredentialRows(s, loginKnown);
  rows.insert(rows.end(), credentials.begin(), credentials.end());
  const FmtTable input = {
      Quoted("JOAU", r.inputUserID, {{s.mode, s.input, Filled(r.inputUserID)}}),
      Quoted("JOEP", r.inputUserPassword, {{s.mode, s.input, Filled(r.inputUserID), Filled(r.inputUserPassword)}}),
      Fixed("JOEP=", false, {{s.mode, s.input, Empty(r.inputUserPassword), Filled(r.inputUserID)}}),
  };
  rows.insert(rows.end(), input.begin(), input.end());
  return rows;
}

}  // namespace

void JBAInializeDescriptionTableFromFilter(Job& job) {
  auto& r = job.mod.jba;
  // Administrator settings (management type 1), then the date, time and
  // document comments, the identity lines and the user settings
  // (management type 2).
  r.admin = TeldAccountRows(job, JBAAdminSide(job));
  r.common = {
      {"@PJL COMMENT DATE=%s%c", {{&r.printDate, LF}}, {{Filled(r.printDate)}}},
      {"@PJL COMMENT TIME=%s%c", {{&r.printTime, LF}}, {{Filled(r.printTime)}}},
      {"@PJL COMMENT DNAME=%s%c", {{&job.PTStdDocumentName, LF}}, {{Filled(job.PTStdDocumentName)}}},
  };
  const FmtTable identity = JBAIdentityRows(job);
  r.common.insert(r.common.end(), identity.begin(), identity.end());
  const FmtTable user = TeldAccountRows(job, JBAUserSide(job));
  r.common.insert(r.common.end(), user.begin(), user.end());
}

void JBAGetTicketFromPDE(Job& job) { JBAGetTicket(job, TeldJBATicketSpec()); }

void JBAOutputEPJLCommandFromFilter(Job& job) {
  OutputEPJLCommandFromArray(job, job.mod.jba.admin);
  OutputEPJLCommandFromArray(job, job.mod.jba.common);
}

const FilterModule JBAModule{"JBA", JBAInializeDescriptionTableFromFilter, JBAGetTicketFromPDE,
                             JBAOutputEPJLCommandFromFilter, nullptr};

}  // namespace zqf
