#include "dispatch.h"

#include <cstring>

#include "job.h"
#include "output.h"
#include "platform_points.h"

namespace zqf {

const FmtTableRow& prtFmtTableEPJLHead() {
  static const FmtTableRow row{"%c%c-12345X", {{&CTRLSym_ESC, &CTRLSym_PERCENTAGE}}, {}};
  return row;
}

const FmtTableRow& prtFmtTableEPJLJobMode() {
  static const FmtTableRow row{"@PJL JOB MODE=PRINTER%c%c", {{&CTRLSym_CR, &CTRLSym_LF}}, {}};
  return row;
}

const FmtTableRow& prtFmtTableEnterPS() {
  static const FmtTableRow row{"@PJL ENTER LANGUAGE=POSTSCRIPT\n", {}, {}};
  return row;
}

const FmtTableRow& prtFmtTableEPJLTrailer() {
  static const FmtTableRow row{
      "%c%c-12345X@PJL EOJ\n", {{&CTRLSym_ESC, &CTRLSym_PERCENTAGE, &CTRLSym_CR, &CTRLSym_LF}}, {}};
  return row;
}

namespace {
void WriteRow(Job& job, const FmtTableRow& row) { OutputEPJLCommandFromArray(job, FmtTable{row}); }
}  // namespace

void InializeDescriptionTable(Job& job) { InializeDescriptionTableFromFilter(job); }

void InializeDescriptionTableFromFilter(Job& job) {
  for (const FilterModule* m : job.profile.bindOrder) {
    if (m->bind != nullptr) m->bind(job);
  }
}

int GetTicketFromPDE(Job& job) {
  for (const FilterModule* m : job.profile.ticketOrder) {
    if (m->ticket != nullptr) m->ticket(job);
  }
  return 1;
}

void OutputEPJLCommandFromFilter(Job& job) {
  for (const FilterModule* m : job.profile.pjlOrder) {
    if (m->pjl != nullptr) m->pjl(job);
  }
}

void OutputPSCommandFromFilter(Job& job, int event, int page, Stream& stream) {
  for (const FilterModule* m : job.profile.psOrder) {
    if (m->ps != nullptr) m->ps(job, event, page, stream);
  }
}

void ReportJobEnd(Job& job) {
  for (const FilterModule* m : job.profile.ticketOrder) {
    if (m->end != nullptr) m->end(job);
  }
}

void OutputEPJLCommand(Job& job) {
  for (HeaderStep step : job.profile.header) step(job);
}

void HeaderHead(Job& job) { WriteRow(job, prtFmtTableEPJLHead()); }

void OutputEPJLCommandLanguageEncoding(Job& job) {
  if (!job.ppd) return;
  const char* value = job.PpdAttr("ZQPrinterLanguageEncoding");
  const char* codeSet = nullptr;
  if (value == nullptr || std::strcmp(value, "JIS83-RKSJ") == 0) {
    codeSet = "SJISX0208";
  } else if (std::strcmp(value, "UTF-8") == 0) {
    codeSet = "UTF8";
  } else if (std::strcmp(value, "ISOLatin1") == 0) {
    codeSet = "HPROMAN8";
  }
  if (codeSet == nullptr) return;
  ZQfputs(std::string("@PJL SET STRINGCODESET=\"") + codeSet + "\"\n", job.out);
}

void HeaderJobMode(Job& job) { WriteRow(job, prtFmtTableEPJLJobMode()); }

void HeaderEnterPostScript(Job& job) {
  if (!job.decompMode) WriteRow(job, prtFmtTableEnterPS());
}

void OutputTrailer(Job& job) { WriteRow(job, prtFmtTableEPJLTrailer()); }

}  // namespace zqf
