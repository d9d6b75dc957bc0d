#include "watermark_edition.h"

namespace zqwm {

const WatermarkEdition& TeldWatermarkEdition() {
  static const WatermarkEdition edition{"TELD", "com.tavelle.kvb.printsettings.", "com.tavelle.teld15.pde.Watermark",
                                        "com.tavelle.teld15.pde.WaterMarkKind", true};
  return edition;
}

const WatermarkEdition& ArkWatermarkEdition() {
  static const WatermarkEdition edition{"ARK", "com.tavelle.qdm.printsettings.", "com.tavelle.r15.pde.Watermark",
                                        "com.tavelle.r15.pde.WaterMarkKind", false};
  return edition;
}

}  // namespace zqwm
