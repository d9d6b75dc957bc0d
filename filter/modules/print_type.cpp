// Print type: hold commands for secure, sample, delayed and mailbox print,
// with the user name, pass code and document name the device files the
// job under.
#include "modules.h"
#include "table_support.h"

namespace zqf {

using namespace cond;

TicketTable PrintTypeticketData(Job& job, size_t userNameSize, size_t documentNameSize, TicketGetter nameGetter) {
  auto& r = job.mod.printType;
  const auto text = GetTicketStringConvertedToPrtLang;
  return {
      {job.Key("PrintTypeTicketKey"), &r.printType, 4, GetTicketInteger},
      {job.Key("PrintTypeUserNameTicketKey"), &r.userName, userNameSize, nameGetter},
      {job.Key("PrintTypePasswordTicketKey"), &r.passCode, 17, text},
      {job.Key("DocumentNameTypeTicketKey"), &r.documentNameType, 4, GetTicketInteger},
      {job.Key("DocumentNameTicketKey"), &r.documentName, documentNameSize, nameGetter},
      {job.Key("DelayPrintTicketKey"), &r.startTime, 17, text},
      {job.Key("PrintTypeMBNTicketKey"), &r.mailboxNumber, 5, text},
      {job.Key("PrintTypeMBNPasswordTicketKey"), &r.mailboxPassword, 30, text},
  };
}

TicketTable PrintTypeticketData(Job& job) {
  return PrintTypeticketData(job, PRINTTYPEUSERNAMEDMAXLEN, 193, GetTicketStringConvertedToPrtLang);
}

FmtTable PrintTypeFmtTable(Job& job, const int32_t* userNameBound) {
  auto& r = job.mod.printType;
  const auto secure = Is(r.printType, OptionSecurePrint);
  const auto sample = Is(r.printType, OptionSamplePrint);
  const auto delayed = Is(r.printType, OptionDelayPrint);
  const auto mailbox = Is(r.printType, OptionMBN);
  const auto held = IsNot(r.printType, OptionSecurePrintNone);
  const auto user = Filled(r.userName);
  const auto pass = Filled(r.passCode);
  const auto mailboxPass = Filled(r.mailboxPassword);

  Comparation store{{secure, user}};
  if (userNameBound != nullptr) store.items.push_back(ShorterThan(r.userName, *userNameBound));
  return {
      {"@PJL SET HOLD=STORE\n", {}, store},
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

FmtTable PrintTypeFmtPartTable(const FmtTable& full) {
  // Secure and sample print only: no mailbox rows, no start time.
  FmtTable part;
  for (size_t row : {0, 1, 2, 7, 8, 9, 10}) part.push_back(full[row]);
  return part;
}

void PrintTypeInializeDescriptionTableFromFilter(Job& job) {
  job.mod.printType.fmt = PrintTypeFmtTable(job, &PRINTTYPEUSERNAMEDMAXLEN);
}

void PrintTypeGetTicketFromPDE(Job& job) { GetTicketFromArray(job, PrintTypeticketData(job)); }

void PrintTypeOutputEPJLCommandFromFilter(Job& job) { OutputEPJLCommandFromArray(job, job.mod.printType.fmt); }

const FilterModule PrintTypeModule{"PrintType", PrintTypeInializeDescriptionTableFromFilter, PrintTypeGetTicketFromPDE,
                                   PrintTypeOutputEPJLCommandFromFilter, nullptr};

}  // namespace zqf
