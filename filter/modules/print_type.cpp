// Print type: hold commands for secure, sample, delayed and mailbox print,
// with the user name, pass code and document name the device files the
// job under.
#include "modules.h"
#include "table_support.h"

namespace zqf {

using namespace cond;

TicketTable PrintTypeticketData(Job& job) {
  auto& r = job.mod.printType;
  const auto text = GetTicketStringConvertedToPrtLang;
  return {
      {job.Key("PrintTypeTicketKey"), &r.printType, 4, GetTicketInteger},
      {job.Key("PrintTypeUserNameTicketKey"), &r.userName, PRINTTYPEUSERNAMEDMAXLEN, text},
      {job.Key("PrintTypePasswordTicketKey"), &r.passCode, 17, text},
      {job.Key("DocumentNameTypeTicketKey"), &r.documentNameType, 4, GetTicketInteger},
      {job.Key("DocumentNameTicketKey"), &r.documentName, 193, text},
      {job.Key("DelayPrintTicketKey"), &r.startTime, 17, text},
      {job.Key("PrintTypeMBNTicketKey"), &r.mailboxNumber, 5, text},
      {job.Key("PrintTypeMBNPasswordTicketKey"), &r.mailboxPassword, 30, text},
  };
}

void PrintTypeInializeDescriptionTableFromFilter(Job& job) {
  auto& r = job.mod.printType;
  const auto secure = Is(r.printType, OptionSecurePrint);
  const auto sample = Is(r.printType, OptionSamplePrint);
  const auto delayed = Is(r.printType, OptionDelayPrint);
  const auto mailbox = Is(r.printType, OptionMBN);
  const auto held = IsNot(r.printType, OptionSecurePrintNone);
  const auto user = Filled(r.userName);
  const auto pass = Filled(r.passCode);
  const auto mailboxPass = Filled(r.mailboxPassword);

  r.fmt = {
      {"@PJL SET HOLD=STORE\n", {}, {{secure, user, ShorterThan(r.userName, PRINTTYPEUSERNAMEDMAXLEN)}}},
      {"@PJL SET HOLDTYPE=PRIVATE\n", {}, {{secure, user, pass}}},
      {"@PJL SET HOLD=PROOF\n", {}, {{sample, user}}},
      {"@PJL SET HOLD=BOXSTORE\n", {}, {{mailbox}}},
      {"@PJL SET HOLDTYPE=PRIVATE\n", {}, {{mailbox, mailboxPass}}},
      {"@PJL SET BOXNUMBER=%s%c%c", {{&r.mailboxNumber, CR, LF}}, {{mailbox}}},
      {"@PJL SET BOXENCRYPTKEY=%c%s%c%c%c", {{Q, &r.mailboxPassword, Q, CR, LF}}, {{mailbox, mailboxPass}}},
      {"@PJL SET USERNAME=%c%s%c%c%c",
       {{Q, &r.userName, Q, CR, LF}},
       {{held, IsNot(r.printType, OptionDelayPrint), IsNot(r.printType, OptionMBN), user}}},
      {"@PJL SET HOLDENCRYPTKEY=%c%s%c%c%c", {{Q, &r.passCode, Q, CR, LF}}, {{secure, user, pass}}},
      {"@PJL SET JOBNAME=%c%s%c\r\n",
       {{Q, &job.PTStdDocumentName, Q}},
       {{held, Is(r.documentNameType, OptionDocumentNameAutoRetrieve), Filled(job.PTStdDocumentName)}}},
      {"@PJL SET JOBNAME=%c%s%c\r\n",
       {{Q, &r.documentName, Q}},
       {{held, Is(r.documentNameType, OptionDocumentNameEnterName), Filled(r.documentName)}}},
      {"@PJL SET JOBATTR=%c@PRTM=%s%c\r\n", {{Q, &r.startTime, Q}}, {{delayed, Filled(r.startTime)}}},
  };
}

void PrintTypeGetTicketFromPDE(Job& job) { GetTicketFromArray(job, PrintTypeticketData(job)); }

void PrintTypeOutputEPJLCommandFromFilter(Job& job) { OutputEPJLCommandFromArray(job, job.mod.printType.fmt); }

const FilterModule PrintTypeModule{"PrintType", PrintTypeInializeDescriptionTableFromFilter, PrintTypeGetTicketFromPDE,
                                   PrintTypeOutputEPJLCommandFromFilter, nullptr};

}  // namespace zqf
