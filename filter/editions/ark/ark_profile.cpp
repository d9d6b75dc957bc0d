#include "ark_profile.h"

#include "../../core/dispatch.h"
#include "../../modules/modules.h"
#include "../teld/teld_profile.h"
#include "ark_identity.h"
#include "ark_modules.h"

namespace zqf {

const EditionProfile& ArkProfile() {
  static const EditionProfile profile{
      .name = "ark",
      .ns = "com.tavelle.qdm.printsettings.",
      .bindOrder = {&ark::ArkPrintTypeModule, &ark::ArkJBAModule, &FeaturesModule, &SpecialPageModule},
      .ticketOrder = {&ark::ArkPrintTypeModule, &ark::ArkJBAModule, &FeaturesModule, &WatermarkModule, &PBindModule,
                      &ark::ArkCommentModule, &SpecialPageModule},
      .pjlOrder = {&ark::ArkPrintTypeModule, &ark::ArkJBAModule, &FeaturesModule},
      .psOrder = {&WatermarkModule, &FeaturesModule},
      // The job ticket of the special pages comes before the PJL; no banner
      // sheet and no registration adjustment in this edition.
      .header = {InjectJTIFCommandSP, HeaderHead, ark::OutputEPJLCommandLanguageEncodingForKLT4R2B, HeaderJobMode,
                 OutputEPJLCommandFromFilter, OutputEPJLCommandforPerfectBind, OutputEPJLCommandforBooklet,
                 OutputEPJLCommandForTonerSaver, OutputEPJLCommandOthers, ark::OutputEPJLCommandforComment,
                 HeaderEnterPostScript},
      .prepareIdentity = ark::PrepareIdentityArk,
      .convert = ark::ConvertUTF8ToPrinterText,
      .widths = {.userName = 255, .jbaUserName = 97},
      .pass = TeldPassThrough(),
      .decomp = DecompVariant::Ark,
  };
  return profile;
}

}  // namespace zqf
