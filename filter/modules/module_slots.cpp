#include "modules.h"

namespace zqf {

// The modules hold their places in the fan-outs; their tables and hooks
// come with the feature work.
const FilterModule PrintTypeModule{"PrintType"};
const FilterModule JBAModule{"JBA"};
const FilterModule FeaturesModule{"Features"};
const FilterModule SpecialPageModule{"SpecialPage"};
const FilterModule WatermarkModule{"Watermark"};
const FilterModule PBindModule{"PBind"};
const FilterModule CommentModule{"Comment"};

}  // namespace zqf
