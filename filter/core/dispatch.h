#pragma once
// Module dispatch and the job header: the fan-outs that call every module's
// hooks in the edition's order, and the header steps the editions list.
#include "engine.h"

namespace zqf {

struct Job;
class Stream;

// The fixed rows: universal exit language, job mode, enter PostScript,
// trailer.
const FmtTableRow& prtFmtTableEPJLHead();
const FmtTableRow& prtFmtTableEPJLJobMode();
const FmtTableRow& prtFmtTableEnterPS();
const FmtTableRow& prtFmtTableEPJLTrailer();

// Binds every module's tables (the binding fan-out).
void InializeDescriptionTable(Job& job);
void InializeDescriptionTableFromFilter(Job& job);
// Reads the ticket through every module; returns 1.
int GetTicketFromPDE(Job& job);
void OutputEPJLCommandFromFilter(Job& job);
void OutputPSCommandFromFilter(Job& job, int event, int page, Stream& stream);
// Every module's end hook, after the pass-through (ticket order).
void ReportJobEnd(Job& job);

// The whole header, step by step as the edition lists it.
void OutputEPJLCommand(Job& job);

// Header steps shared by the editions.
void HeaderHead(Job& job);
void OutputEPJLCommandLanguageEncoding(Job& job);
void HeaderJobMode(Job& job);
void HeaderEnterPostScript(Job& job);  // left out in decomposition mode
void OutputTrailer(Job& job);

}  // namespace zqf
