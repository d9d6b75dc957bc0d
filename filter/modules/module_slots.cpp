#include "modules.h"

namespace zqf {

// The special-pages module still to come holds its place in the fan-outs.
const FilterModule SpecialPageModule{"SpecialPage"};

}  // namespace zqf
