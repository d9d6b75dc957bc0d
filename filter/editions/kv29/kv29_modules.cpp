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

// Narrower fields than the other editions, no information lists, no
// key-absent row and no domain names; the print date and time are read.
const JBATicketSpec kJBATicketSpec{33, 17, 33, 25, 17, false, false, false, true, GetTicketStringConvertedToPrtLang};

// The account rows of one side: this edition has no domain, account or
// information-list rows, and its login line carries the job's user.
FmtTable AccountRows(Job& job, const JBASide& s) {
  const auto& r = job.mod.jba;
  const auto& m = s.mode;
  const auto& set = s.setting;
  const auto& in = s.input;
  const auto user = Filled(job.StdUserName);
  const auto auth = Is(r.inputAuth, OptionUserInputTypeSelected);
  FmtTable rows = {Quoted("JOAU", job.StdUserName, {{m, set, Is(s.idSource, OptionComInUserTypeUseLogin), user}})};
  const FmtTable credentials = JBACredentialRows(s, user);
  rows.insert(rows.end(), credentials.begin(), credentials.end());
  const FmtTable more = {
      Quoted("ACID", s.storageID, {{m, set, Filled(s.storageID)}}),
      Quoted("ACEP", s.storagePassword, {{m, set, Filled(s.storageID), Filled(s.storagePassword)}}),
      Fixed("ACEP=", false, {{m, set, Filled(s.storageID), Empty(s.storagePassword)}}),
      // The input window at print time.
      Quoted("JOAU", r.inputUserID, {{m, in, Filled(r.inputUserID)}}),
      Quoted("JOEP", r.inputUserPassword, {{m, in, Filled(r.inputUserID), Filled(r.inputUserPassword)}}),
      Fixed("JOEP=", false, {{m, in, auth, Empty(r.inputUserPassword), Filled(r.inputUserID)}}),
  };
  rows.insert(rows.end(), more.begin(), more.end());
  const FmtTable storageRows = JBAInputStorageRows(job, s);
  rows.insert(rows.end(), storageRows.begin(), storageRows.end());
  return rows;
}

void JBAInializeDescriptionTable(Job& job) {
  auto& r = job.mod.jba;
  r.admin = AccountRows(job, JBAAdminSide(job));
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
  const FmtTable user = AccountRows(job, JBAUserSide(job));
  r.common.insert(r.common.end(), user.begin(), user.end());
}

void JBAGetTicketFromPDE(Job& job) { JBAGetTicket(job, kJBATicketSpec); }

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
