#include "modules.h"

namespace zqf {

// The modules still to come hold their places in the fan-outs.
const FilterModule FeaturesModule{"Features"};
const FilterModule SpecialPageModule{"SpecialPage"};
const FilterModule WatermarkModule{"Watermark"};

}  // namespace zqf
