#pragma once
// The feature modules. Each is a set of tables bound to the job's records
// and up to four hooks; the editions list them in their fan-outs.
#include "../core/job.h"

namespace zqf {

extern const FilterModule PrintTypeModule;
extern const FilterModule JBAModule;
extern const FilterModule FeaturesModule;
extern const FilterModule SpecialPageModule;
extern const FilterModule WatermarkModule;
extern const FilterModule PBindModule;
extern const FilterModule CommentModule;

}  // namespace zqf
