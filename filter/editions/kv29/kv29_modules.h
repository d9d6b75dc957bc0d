#pragma once
// The kv29 edition's modules: the shared print-type, accounting and
// features code with this edition's narrower tables, the date, time and
// document comments, and the features PostScript at its own events.
#include "../../core/job.h"

namespace zqf::kv29 {

TicketTable PrintTypeticketData(Job& job);
TicketTable FeaturesticketData(Job& job);

// Separator pages at "%%EndProlog" (event 14), booklet image shift and
// auto scale at "%%EndSetup" (event 16), whatever the layout.
void FeaturesOutputPSCommandFromFilter(Job& job, int event, int page, Stream& stream);

extern const FilterModule Kv29PrintTypeModule;
extern const FilterModule Kv29JBAModule;
extern const FilterModule Kv29FeaturesModule;

}  // namespace zqf::kv29
