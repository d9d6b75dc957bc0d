#include "teld_profile.h"

#include "../../core/dispatch.h"
#include "../../core/identity.h"
#include "../../modules/modules.h"

namespace zqf {

const PassThroughProfile& TeldPassThrough() {
  using O = PassOp;
  static const PassThroughProfile pass{
      {
          {"ep", {{O::CountPage}, {O::Event, 27}, {O::StopIfCancelled}, {O::Write}, {O::LogPage}}},
          {"endp", {{O::CountPage}, {O::Event, 28}, {O::StopIfCancelled}, {O::Write}}},
          {"showpage", {{O::StopIfCancelled}, {O::Write}}},
          {"bp", {{O::Write}, {O::Event, 23}}},
          {"%%EndSetup", {{O::Event, 16}, {O::Write}}},
          {"userdict/setpagedevice{pop}bind put", {{O::Event, 21}, {O::Write}}},
          {"%%EndPageSetup", {{O::Write}, {O::Event, 24}}},
          {"%%BeginProlog", {{O::Write}, {O::Event, 13}}},
          {"%%EndProlog", {{O::Event, 14}, {O::Write}}, true},
      },
      /*eotOnCancel=*/false,
      /*pageLogMinOs=*/0x1070,
  };
  return pass;
}

const EditionProfile& TeldProfile() {
  static const EditionProfile profile{
      .name = "teld",
      .ns = "com.tavelle.kvb.printsettings.",
      .bindOrder = {&PrintTypeModule, &JBAModule, &FeaturesModule, &SpecialPageModule},
      .ticketOrder = {&PrintTypeModule, &JBAModule, &FeaturesModule, &WatermarkModule, &PBindModule,
                      &CommentModule},
      .pjlOrder = {&PrintTypeModule, &JBAModule},
      .psOrder = {&WatermarkModule, &FeaturesModule},
      // The job ticket (none in this edition: its counts are never read),
      // the PJL head, the modules' rows, the direct writers, the
      // job-information block, then the PostScript.
      .header = {InjectJTIFCommandSP, HeaderHead, OutputEPJLCommandLanguageEncoding, HeaderJobMode,
                 OutputEPJLCommandFromFilter, OutputEPJLCommandforPerfectBind, OutputEPJLCommandforBooklet,
                 OutputEPJLCommandforBannerSheet, OutputEPJLCommandforMRVNAdjustRegi, OutputEPJLCommandForTonerSaver,
                 OutputEPJLCommandOthers, OutputEPJLCommandforComment, HeaderEnterPostScript},
      .prepareIdentity = PrepareIdentityTeld,
      .convert = ConvertUTF8ToUTF8Units,
      // The accounting login name keeps 32 bytes, as the other editions'.
      .widths = {.jbaUserName = 33},
      .pass = TeldPassThrough(),
      .decomp = DecompVariant::Teld,
  };
  return profile;
}

}  // namespace zqf
