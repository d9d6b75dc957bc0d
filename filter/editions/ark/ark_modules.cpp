#include "ark_modules.h"

#include "../../core/platform_points.h"
#include "../../modules/modules.h"
#include "../../modules/table_support.h"

namespace zqf::ark {

using namespace cond;
using jobattr::Fixed;
using jobattr::Quoted;

namespace {

constexpr const char* kPPDPrintTypeNibName = "Default04";

TicketGetter NameGetter(bool utf8) {
  return utf8 ? GetTicketStringConvertedToPrtLangForUTF8 : GetTicketStringConvertedToPrtLang;
}

// One side of the accounting settings: the user's or the administrator's
// management mode, radios, ID source and fields. The input-window fields
// and radios are shared by both sides.
struct Side {
  ComparationItem mode;
  ComparationItem setting;
  ComparationItem input;
  const int32_t& idSource;
  const std::string& userID;
  const std::string& password;
  const std::string& domain;
  const std::string& account;
  const std::string& storageID;
  const std::string& storagePassword;
};

// The account rows of one side, in the device's order. With the info set
// "Case_8" the input window's user becomes "UnknownUser" and its password
// and account go empty.
FmtTable AccountRows(Job& job, const Side& s) {
  const auto& r = job.mod.jba;
  const auto& m = s.mode;
  const auto& set = s.setting;
  const auto& in = s.input;
  const auto login = Is(s.idSource, OptionComInUserTypeUseLogin);
  const auto entered = Is(s.idSource, OptionComInUserTypeEnterName);
  const auto user = Filled(job.StdUserName);
  const auto infoGiven = IsNot(r.infoList, JBAInfoListNotExist);
  const auto case8 = Is(r.infoSetList, Case_8);
  const auto notCase8 = IsNot(r.infoSetList, Case_8);
  const auto auth = Is(r.inputAuth, OptionUserInputTypeSelected);
  const auto storage = Is(r.inputStorage, OptionUserInputTypeSelected);
  const std::string& login_name = job.StdJBAUserName;
  const std::string& doc = job.StdDocumentName;
  return {
      Quoted("JOAU", login_name, {{m, set, login, user, Is(r.infoList, JBAInfoListNotExist)}}),
      Fixed("JOAU=UnknownUser", true, {{m, set, login, infoGiven, Is(r.infoList, JBAInfoListBillingSelect), notCase8}}),
      Quoted("JOAU", login_name,
             {{m, set, login, user, infoGiven, Is(r.infoList, JBAInfoListUserAccntSelect), notCase8}}),
      Quoted("JOAU", login_name, {{m, set, login, user, infoGiven, Is(r.infoList, JBAInfoListAllSelect), notCase8}}),
      Fixed("JOAU=UnknownUser", true, {{m, set, login, infoGiven, case8}}),
      Quoted("JOAU", s.userID, {{m, set, entered, Filled(s.userID)}}),
      Quoted("JOEP", s.password, {{m, set, login, user, Filled(s.password)}}),
      Fixed("JOEP=", false, {{m, set, login, user, Empty(s.password)}}),
      Quoted("JOEP", s.password, {{m, set, entered, Filled(s.userID), Filled(s.password)}}),
      Fixed("JOEP=", false, {{m, set, entered, Filled(s.userID), Empty(s.password)}}),
      Quoted("JOAD", s.domain, {{m, set, Filled(s.domain)}}),
      Quoted("DAID", s.account, {{m, set, Filled(s.account)}}),
      Fixed("DAID=", false, {{m, set, Empty(s.account)}}),
      Quoted("ACID", s.storageID, {{m, set, Filled(s.storageID)}}),
      Quoted("ACNA", doc, {{m, set, Filled(doc)}}),
      Quoted("ACEP", s.storagePassword, {{m, set, Filled(s.storageID), Filled(s.storagePassword)}}),
      Fixed("ACEP=", false, {{m, set, Filled(s.storageID), Empty(s.storagePassword)}}),
      // The input window at print time.
      Quoted("JOAU", r.inputUserID, {{m, in, auth, Filled(r.inputUserID), notCase8}}),
      Fixed("JOAU=UnknownUser", false, {{m, in, auth, case8}}),
      Fixed("JOAU=UnknownUser", false, {{m, in, auth, Empty(r.inputUserID), notCase8}}),
      Quoted("JOEP", r.inputUserPassword,
             {{m, in, auth, Filled(r.inputUserID), Filled(r.inputUserPassword), notCase8}}),
      Fixed("JOEP=", false, {{m, in, auth, case8}}),
      Fixed("JOEP=", false, {{m, in, auth, Empty(r.inputUserPassword), Filled(r.inputUserID), notCase8}}),
      Fixed("JOEP=", false, {{m, in, auth, Empty(r.inputUserID), notCase8}}),
      Quoted("JOAD", r.inputDomainName, {{m, in, auth, Filled(r.inputDomainName)}}),
      Quoted("DAID", r.inputAccountID, {{m, in, auth, Filled(r.inputAccountID), notCase8}}),
      Fixed("DAID=", false, {{m, in, auth, Filled(r.inputAccountID), case8}}),
      Fixed("DAID=", false, {{m, in, auth, Empty(r.inputAccountID)}}),
      Fixed("DAID=", false, {{m, in, storage, infoGiven}}),
      Quoted("ACID", r.inputStorageID, {{m, in, storage, Filled(r.inputStorageID)}}),
      Quoted("ACNA", doc, {{m, in, Filled(doc)}}),
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
                              r.adminPassword, r.adminDomainName, r.adminAccountID, r.adminStorageID,
                              r.adminStoragePassword});
  FmtTable user = AccountRows(job, {Is(r.manageType, JBAModeListUser), Is(r.userSetting, OptionUserInputTypeSelected),
                                    Is(r.userInput, OptionUserInputTypeSelected), r.userIDSource, r.userID,
                                    r.userPassword, r.domainName, r.accountID, r.storageID, r.storagePassword});
  // Without the user-ID key at all (no accounting settings were made), the
  // login name is the job's user, whatever the mode.
  user.insert(user.begin() + 5,
              Quoted("JOAU", job.StdJBAUserName, {{Is(r.userIDAbsent, JBAUserNameNotExist)}}));
  r.common = JBAIdentityRows(job);
  r.common.insert(r.common.end(), user.begin(), user.end());
}

void JBAGetTicketFromPDE(Job& job) {
  GetTicketFromArray(job, JBAticketDataCommon(job, job.edition.utf8Product));
  GetTicketFromArray(job, JBAticketDataAdmin(job, job.edition.utf8Product));
}

void PrintTypeInializeDescriptionTable(Job& job) {
  auto& r = job.mod.printType;
  r.fmt = PrintTypeFmtTable(job, &PRINTTYPEUSERNAMEDMAXLEN);
  r.fmtPart = PrintTypeFmtPartTable(r.fmt);
}

void PrintTypeGetTicketFromPDE(Job& job) {
  GetTicketFromArray(job, PrintTypeticketData(job, job.edition.utf8Product));
}

void PrintTypeOutputEPJLCommandFromFilter(Job& job) {
  const auto& r = job.mod.printType;
  OutputEPJLCommandFromArray(job, UsesPrintTypePartTable(job) ? r.fmtPart : r.fmt);
}

void CommentGetTicketFromPDE(Job& job) { CommentReadTicket(job, CommentticketDataCommon(job)); }

}  // namespace

TicketTable PrintTypeticketData(Job& job, bool utf8) {
  return zqf::PrintTypeticketData(job, PRINTTYPEUSERNAMEDMAXLEN, 193, NameGetter(utf8));
}

TicketTable JBAticketDataCommon(Job& job, bool utf8) {
  auto& r = job.mod.jba;
  const auto text = GetTicketStringConvertedToPrtLang;
  const auto name = NameGetter(utf8);
  const auto integer = GetTicketInteger;
  TicketTable rows = JBAHostTicketRows(job, true);
  const TicketTable account = {
      {job.Key("JBAManageTypeListTicketKey"), &r.manageType, 4, integer},
      {job.Key("JBAUserSettingRadioBtnTicket"), &r.userSetting, 4, integer},
      {job.Key("JBAUserIDListCtrlTicket"), &r.userIDSource, 4, integer},
      {job.Key("JBAUserIDTextEditTicket"), &r.userIDAbsent, 4, CheckTicketKey},
      {job.Key("JBAUserIDTextEditTicket"), &r.userID, 97, name},
      {job.Key("JBAUserPasswordTextEditTicket"), &r.userPassword, 255, text},
      {job.Key("JBADomainNameTextEditTicket"), &r.domainName, 65, text},
      {job.Key("JBAInputDomainNameTextEditTicket"), &r.inputDomainName, 65, text},
      {job.Key("JBAAccountIDTextEditTicket"), &r.accountID, 33, text},
      {job.Key("JBAStorageIDTextEditTicket"), &r.storageID, 73, name},
      {job.Key("JBAStoragePasswordTextEditTicket"), &r.storagePassword, 17, text},
      {job.Key("JBAUserInputRadioBtnTicket"), &r.userInput, 4, integer},
      {job.Key("JBAInputAuthRadioBtnTicketKey"), &r.inputAuth, 4, integer},
      {job.Key("JBAInputStrgRadioBtnTicketKey"), &r.inputStorage, 4, integer},
      {job.Key("JBAInputStorageIDTextEditTicket"), &r.inputStorageID, 73, name},
      {job.Key("JBAInputStoragePasswordTextEditTicket"), &r.inputStoragePassword, 17, text},
      {job.Key("JBAInputUserIDTextEditTicket"), &r.inputUserID, 97, name},
      {job.Key("JBAInputUserPasswordTextEditTicket"), &r.inputUserPassword, 255, text},
      {job.Key("JBAInputAccountIDTextEditTicket"), &r.inputAccountID, 33, text},
  };
  rows.insert(rows.end(), account.begin(), account.end());
  return rows;
}

TicketTable JBAticketDataAdmin(Job& job, bool utf8) {
  auto& r = job.mod.jba;
  const auto text = GetTicketStringConvertedToPrtLang;
  const auto name = NameGetter(utf8);
  return {
      {job.Key("JBAAdminUserSettingRadioBtnTicket"), &r.adminSetting, 4, GetTicketInteger},
      {job.Key("JBAAdminUserIDListCtrlTicket"), &r.adminIDSource, 4, GetTicketInteger},
      {job.Key("JBAAdminUserIDTextEditTicket"), &r.adminUserID, 97, name},
      {job.Key("JBAAdminDomainNameTextEditTicket"), &r.adminDomainName, 65, text},
      {job.Key("JBAAdminUserPasswordTextEditTicket"), &r.adminPassword, 255, text},
      {job.Key("JBAAdminAccountIDTextEditTicket"), &r.adminAccountID, 33, text},
      {job.Key("JBAAdminStorageIDTextEditTicket"), &r.adminStorageID, 73, name},
      {job.Key("JBAAdminStoragePasswordTextEditTicket"), &r.adminStoragePassword, 17, text},
      {job.Key("JBAAdminUserInputRadioBtnTicket"), &r.adminInput, 4, GetTicketInteger},
  };
}

bool UsesPrintTypePartTable(const Job& job) {
  return job.edition.utf8Product &&
         CheckIfPPDKeywordSupported(job.ppd.get(), "ZQXPrintTypeSettings", kPPDPrintTypeNibName);
}

void OutputEPJLCommandforComment(Job& job) {
  const JobInfoVersion block = JobInfoBlock(job);
  if (block != JobInfoVersion::None) OutputEPJLCommandforCommentBlock(job, block == JobInfoVersion::High);
}

const FilterModule ArkPrintTypeModule{"PrintType", PrintTypeInializeDescriptionTable, PrintTypeGetTicketFromPDE,
                                      PrintTypeOutputEPJLCommandFromFilter, nullptr};
const FilterModule ArkJBAModule{"JBA", JBAInializeDescriptionTable, JBAGetTicketFromPDE,
                                JBAOutputEPJLCommandFromFilter, nullptr};
const FilterModule ArkCommentModule{"Comment", nullptr, CommentGetTicketFromPDE, nullptr, nullptr};

}  // namespace zqf::ark
