#include "ark_profile.h"

#include "../../core/dispatch.h"
#include "../../modules/modules.h"
#include "../teld/teld_profile.h"
#include "ark_identity.h"

namespace zqf {

const EditionProfile& ArkProfile() {
  static const EditionProfile profile{
      .name = "ark",
      .ns = "com.tavelle.qdm.printsettings.",
      .bindOrder = {&PrintTypeModule, &JBAModule, &FeaturesModule, &SpecialPageModule},
      .ticketOrder = {&PrintTypeModule, &JBAModule, &FeaturesModule, &WatermarkModule, &PBindModule,
                      &CommentModule, &SpecialPageModule},
      .pjlOrder = {&PrintTypeModule, &JBAModule, &FeaturesModule},
      .psOrder = {&WatermarkModule, &FeaturesModule},
      .header = {HeaderHead, ark::OutputEPJLCommandLanguageEncodingForKLT4R2B, HeaderJobMode,
                 OutputEPJLCommandFromFilter, HeaderEnterPostScript},
      .prepareIdentity = ark::PrepareIdentityArk,
      .convert = ark::ConvertUTF8ToLatin1Units,
      .widths = {.userName = 255, .jbaUserName = 97},
      .pass = TeldPassThrough(),
      .decomp = DecompVariant::Ark,
  };
  return profile;
}

}  // namespace zqf
