#include "kv29_modules.h"

#include <algorithm>
#include <array>

#include "../../modules/modules.h"
#include "../../modules/table_support.h"

namespace zqf::kv29 {

using namespace cond;
using jobattr::Fixed;
using jobattr::Quoted;
using jobattr::QuotedLF;

namespace {

// One side of the accounting settings (see the ARK edition): this
// edition has no domain, account or info-list rows.
struct Side {
  ComparationItem mode;
  ComparationItem setting;
  ComparationItem input;
  const int32_t& idSource;
  const std::string& userID;
  const std::string& password;
  const std::string& storageID;
  const std::string& storagePassword;
};

FmtTable AccountRows(Job& job, const Side& s) {
  const auto& r = job.mod.jba;
  const auto& m = s.mode;
  const auto& set = s.setting;
  const auto& in = s.input;
  const auto login = Is(s.idSource, OptionComInUserTypeUseLogin);
  const auto entered = Is(s.idSource, OptionComInUserTypeEnterName);
  const auto user = Filled(job.StdUserName);
  const auto auth = Is(r.inputAuth, OptionUserInputTypeSelected);
  const auto storage = Is(r.inputStorage, OptionUserInputTypeSelected);
  return {
      Quoted("JOAU", job.StdUserName, {{m, set, login, user}}),
      Quoted("JOAU", s.userID, {{m, set, entered, Filled(s.userID)}}),
      Quoted("JOEP", s.password, {{m, set, login, user, Filled(s.password)}}),
      Fixed("JOEP=", false, {{m, set, login, user, Empty(s.password)}}),
      Quoted("JOEP", s.password, {{m, set, entered, Filled(s.userID), Filled(s.password)}}),
      Fixed("JOEP=", false, {{m, set, entered, Filled(s.userID), Empty(s.password)}}),
      Quoted("ACID", s.storageID, {{m, set, Filled(s.storageID)}}),
      Quoted("ACEP", s.storagePassword, {{m, set, Filled(s.storageID), Filled(s.storagePassword)}}),
      Fixed("ACEP=", false, {{m, set, Filled(s.storageID), Empty(s.storagePassword)}}),
      // The input window at print time.
      Quoted("JOAU", r.inputUserID, {{m, in, Filled(r.inputUserID)}}),
      Quoted("JOEP", r.inputUserPassword, {{m, in, Filled(r.inputUserID), Filled(r.inputUserPassword)}}),
      Fixed("JOEP=", false, {{m, in, auth, Empty(r.inputUserPassword), Filled(r.inputUserID)}}),
      Quoted("ACID", r.inputStorageID, {{m, in, storage, Filled(r.inputStorageID)}}),
      Fixed("JOAU=UnknownUser", true, {{m, in, storage}}),
      Fixed("JOEP=", true, {{m, in, storage}}),
      Quoted("ACEP", r.inputStoragePassword, {{m, in, storage, Filled(r.inputStorageID), Filled(r.inputStoragePassword)}}),
      Fixed("ACEP=", false, {{m, in, storage, Filled(r.inputStorageID), Empty(r.inputStoragePassword)}}),
  };
}

void JBAInializeDescriptionTable(Job& job) {
  auto& r = job.mod.jba;
  r.admin = AccountRows(job, {Is(r.manageType, JBAModeListAdmin), Is(r.adminSetting, OptionUserInputTypeSelectedAdmin),
                              Is(r.adminInput, OptionUserInputTypeSelectedAdmin), r.adminIDSource, r.adminUserID,
                              r.adminPassword, r.adminStorageID, r.adminStoragePassword});
  // Date, time and document go out on every job, empty or not; the client
  // name is the one the dialog sent.
  r.common = {
      {"@PJL COMMENT DATE=%s%c", {{&r.printDate, LF}}, {}},
      {"@PJL COMMENT TIME=%s%c", {{&r.printTime, LF}}, {}},
      {"@PJL COMMENT DNAME=%s%c", {{&job.StdDocumentName, LF}}, {}},
      QuotedLF("CNAM", r.macHostName, {{Filled(r.macHostName)}}),
      Fixed("CNAM=UnknownHost", true, {{Empty(r.macHostName)}}),
      QuotedLF("LUNA", job.StdUserName, {{Filled(job.StdUserName)}}),
      Fixed("LUNA=UnknownUser", true, {{Empty(job.StdUserName)}}),
      QuotedLF("HOAD", r.ipAddress, {{Filled(r.ipAddress)}}),
  };
  const FmtTable user = AccountRows(
      job, {Is(r.manageType, JBAModeListUser), Is(r.userSetting, OptionUserInputTypeSelected),
            Is(r.userInput, OptionUserInputTypeSelected), r.userIDSource, r.userID, r.userPassword, r.storageID,
            r.storagePassword});
  r.common.insert(r.common.end(), user.begin(), user.end());
}

void JBAGetTicketFromPDE(Job& job) {
  GetTicketFromArray(job, kv29::JBAticketDataCommon(job));
  GetTicketFromArray(job, kv29::JBAticketDataAdmin(job));
}

void PrintTypeInializeDescriptionTable(Job& job) {
  // Secure print holds the job whatever the length of the user name.
  job.mod.printType.fmt = PrintTypeFmtTable(job, nullptr);
}

void PrintTypeGetTicketFromPDE(Job& job) { GetTicketFromArray(job, kv29::PrintTypeticketData(job)); }

void FeaturesGetTicketFromPDE(Job& job) { GetTicketFromArray(job, kv29::FeaturesticketData(job)); }

}  // namespace

TicketTable PrintTypeticketData(Job& job) {
  return zqf::PrintTypeticketData(job, 25, 25, GetTicketStringConvertedToPrtLang);
}

TicketTable JBAticketDataCommon(Job& job) {
  auto& r = job.mod.jba;
  const auto text = GetTicketStringConvertedToPrtLang;
  const auto integer = GetTicketInteger;
  TicketTable rows = JBAHostTicketRows(job, false);
  const TicketTable account = {
      {job.Key("JBAManageTypeListTicketKey"), &r.manageType, 4, integer},
      {job.Key("JBAUserSettingRadioBtnTicket"), &r.userSetting, 4, integer},
      {job.Key("JBAUserIDListCtrlTicket"), &r.userIDSource, 4, integer},
      {job.Key("JBAUserIDTextEditTicket"), &r.userID, 33, text},
      {job.Key("JBAUserPasswordTextEditTicket"), &r.userPassword, 17, text},
      {job.Key("JBAAccountIDTextEditTicket"), &r.accountID, 33, text},
      {job.Key("JBAStorageIDTextEditTicket"), &r.storageID, 25, text},
      {job.Key("JBAStoragePasswordTextEditTicket"), &r.storagePassword, 17, text},
      {job.Key("JBAUserInputRadioBtnTicket"), &r.userInput, 4, integer},
      {job.Key("JBAInputAuthRadioBtnTicketKey"), &r.inputAuth, 4, integer},
      {job.Key("JBAInputStrgRadioBtnTicketKey"), &r.inputStorage, 4, integer},
      {job.Key("JBAInputStorageIDTextEditTicket"), &r.inputStorageID, 25, text},
      {job.Key("JBAInputStoragePasswordTextEditTicket"), &r.inputStoragePassword, 17, text},
      {job.Key("JBAInputUserIDTextEditTicket"), &r.inputUserID, 33, text},
      {job.Key("JBAInputUserPasswordTextEditTicket"), &r.inputUserPassword, 17, text},
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
      {job.Key("JBAAdminUserIDTextEditTicket"), &r.adminUserID, 33, text},
      {job.Key("JBAAdminUserPasswordTextEditTicket"), &r.adminPassword, 17, text},
      {job.Key("JBAAdminAccountIDTextEditTicket"), &r.adminAccountID, 33, text},
      {job.Key("JBAAdminStorageIDTextEditTicket"), &r.adminStorageID, 25, text},
      {job.Key("JBAAdminStoragePasswordTextEditTicket"), &r.adminStoragePassword, 17, text},
      {job.Key("JBAAdminUserInputRadioBtnTicket"), &r.adminInput, 4, GetTicketInteger},
  };
}

TicketTable FeaturesticketData(Job& job) {
  // The rows of the finishing snippets and of the settings the dialog of
  // this edition knew; the trimmer and output-face rows are not read.
  static constexpr std::array<std::string_view, 12> kNames = {
      "TabMarginSwitchTicket",           "BookletMarginSwitchTicket",       "TabMarginMMShiftTicket",
      "NumInSequenceSwitchTicket",       "NumInSequenceLArrowTicket",       "OffsetStackingListTicket",
      "OffsetStackingPagesLArrowTicket", "OffsetStackingUnitsLArrowTicket", "SeparatorPageListTicket",
      "SeparatorPageTicket",             "AutoFitSwitchTicket",             "BookletMarginMMShiftTicket"};
  TicketTable rows;
  for (const TicketData& row : zqf::FeaturesticketData(job)) {
    if (std::any_of(kNames.begin(), kNames.end(), [&](std::string_view n) { return row.key == job.Key(n); })) {
      rows.push_back(row);
    }
  }
  return rows;
}

void FeaturesOutputPSCommandFromFilter(Job& job, int event, int, Stream& stream) {
  if (event == 14) FeaturesOutputSeparatorPages(job, stream);
  if (event == 16) FeaturesOutputAutoFit(job, stream);
}

const FilterModule Kv29PrintTypeModule{"PrintType", PrintTypeInializeDescriptionTable, PrintTypeGetTicketFromPDE,
                                       PrintTypeOutputEPJLCommandFromFilter, nullptr};
const FilterModule Kv29JBAModule{"JBA", JBAInializeDescriptionTable, JBAGetTicketFromPDE,
                                 JBAOutputEPJLCommandFromFilter, nullptr};
const FilterModule Kv29FeaturesModule{"Features", nullptr, FeaturesGetTicketFromPDE, nullptr,
                                      FeaturesOutputPSCommandFromFilter};

}  // namespace zqf::kv29
