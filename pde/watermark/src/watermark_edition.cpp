#include "watermark_edition.h"

namespace zqwm {

const WatermarkEdition& TeldWatermarkEdition() {
  static const WatermarkEdition edition{"TELD", "com.tavelle.kvb.printsettings.", "com.tavelle.teld15.pde.Watermark",
                                        "com.tavelle.teld15.pde.WaterMarkKind", true,
                                        "Default WaterMark Name for VL", "Default WaterMark Text for VL"};
  return edition;
}

const WatermarkEdition& ArkWatermarkEdition() {
  static const WatermarkEdition edition{"ARK", "com.tavelle.qdm.printsettings.", "com.tavelle.r15.pde.Watermark",
                                        "com.tavelle.r15.pde.WaterMarkKind", false,
                                        "Default WaterMark Name", "Default WaterMark Text"};
  return edition;
}

}  // namespace zqwm
