// The bundle's factory: the same sources serve both editions; the bundle's
// build says which profile its principal class uses.
#include "watermark_panel.h"

namespace {

const zqwm::WatermarkEdition& BundleEdition() {
#ifdef ZQ_WATERMARK_EDITION_ARK
  return zqwm::ArkWatermarkEdition();
#else
  return zqwm::TeldWatermarkEdition();
#endif
}

class WatermarkPlugIn : public zqwm::LayoutPlugInTELDw15 {
 public:
  WatermarkPlugIn() : zqwm::LayoutPlugInTELDw15(BundleEdition()) {}
};

}  // namespace

ZQP_DEFINE_PLUGIN(WatermarkPlugIn)
