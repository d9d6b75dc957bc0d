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

// The account rows of one side, in the device's order. With the info set
// "Case_8" the input window's user becomes "UnknownUser" and its password
// and account go empty.
FmtTable AccountRows(Job& job, const JBASide& s) {
  const auto& r = job.mod.jba;
  const auto& m = s.mode;
  const auto& set = s.setting;
  const auto& in = s.input;
  const auto login = Is(s.idSource, OptionComInUserTypeUseLogin);
  const auto user = Filled(job.StdUserName);
  const auto infoGiven = IsNot(r.infoList, JBAInfoListNotExist);
  const auto case8 = Is(r.infoSetList, Case_8);
  const auto notCase8 = IsNot(r.infoSetList, Case_8);
  const auto auth = Is(r.inputAuth, OptionUserInputTypeSelected);
  const auto storage = Is(r.inputStorage, OptionUserInputTypeSelected);
  const std::string& loginName = job.StdJBAUserName;
  const std::string& doc = job.StdDocumentName;
  FmtTable rows = {
      Quoted("JOAU", loginName, {{m, set, login, user, Is(r.infoList, JBAInfoListNotExist)}}),
      Fixed("JOAU=UnknownUser", true, {{m, set, login, infoGiven, Is(r.infoList, JBAInfoListBillingSelect), notCase8}}),
      Quoted("JOAU", loginName,
             {{m, set, login, user, infoGiven, Is(r.infoList, JBAInfoListUserAccntSelect), notCase8}}),
      Quoted("JOAU", loginName, {{m, set, login, user, infoGiven, Is(r.infoList, JBAInfoListAllSelect), notCase8}}),
      Fixed("JOAU=UnknownUser", true, {{m, set, login, infoGiven, case8}}),
  };
  const FmtTable credentials = JBACredentialRows(s, user);
  rows.insert(rows.end(), credentials.begin(), credentials.end());
  const FmtTable more = {
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
  };
  rows.insert(rows.end(), more.begin(), more.end());
  // The document name follows the input window's storage ID.
  FmtTable storageRows = JBAInputStorageRows(job, s);
  storageRows.insert(storageRows.begin() + 1, Quoted("ACNA", doc, {{m, in, Filled(doc)}}));
  rows.insert(rows.end(), storageRows.begin(), storageRows.end());
  return rows;
}

void JBAInializeDescriptionTable(Job& job) {
  auto& r = job.mod.jba;
  r.admin = AccountRows(job, JBAAdminSide(job));
  FmtTable user = AccountRows(job, JBAUserSide(job));
  // Without the user-ID key at all (no accounting settings were made), the
  // login name is the job's user, whatever the mode.
  user.insert(user.begin() + 5,
              Quoted("JOAU", job.StdJBAUserName, {{Is(r.userIDAbsent, JBAUserNameNotExist)}}));
  r.common = JBAIdentityRows(job);
  r.common.insert(r.common.end(), user.begin(), user.end());
}

void JBAGetTicketFromPDE(Job& job) { JBAGetTicket(job, JBATicketSpecFor(job.edition.utf8Product)); }

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

zqf::JBATicketSpec JBATicketSpecFor(bool utf8) { return {97, 255, 33, 73, 17, true, true, true, false, NameGetter(utf8)}; }

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
