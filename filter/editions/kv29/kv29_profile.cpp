#include "kv29_profile.h"

#include "../../core/dispatch.h"
#include "../../modules/modules.h"
#include "kv29_identity.h"
#include "kv29_modules.h"

namespace zqf {

const PassThroughProfile& Kv29PassThrough() {
  using O = PassOp;
  // Pages are counted after the line is out, and a cancelled job stops
  // right after the page that was being written.
  static const PassThroughProfile pass{
      {
          {"ep", {{O::Event, 26}, {O::Write}, {O::CountPage}, {O::LogPage}, {O::StopIfCancelled}}},
          {"endp", {{O::Event, 27}, {O::Write}, {O::CountPage}, {O::LogPage}, {O::StopIfCancelled}}},
          {"showpage", {{O::Write}, {O::CountPage}, {O::LogPage}, {O::StopIfCancelled}}},
          {"bp", {{O::Write}, {O::Event, 22}}},
          {"%%EndSetup", {{O::Event, 16}, {O::Write}}},
          {"%%EndPageSetup", {{O::Write}, {O::Event, 23}}},
          {"%%BeginProlog", {{O::Write}, {O::Event, 13}}},
          {"%%EndProlog", {{O::Event, 14}, {O::Write}}},
      },
      /*eotOnCancel=*/true,
      /*pageLogMinOs=*/0,
  };
  return pass;
}

const EditionProfile& Kv29Profile() {
  static const EditionProfile profile{
      .name = "kv29",
      .ns = "com.tavelle.kvb.printsettings.",
      .bindOrder = {&kv29::Kv29PrintTypeModule, &kv29::Kv29JBAModule, &kv29::Kv29FeaturesModule},
      .ticketOrder = {&kv29::Kv29PrintTypeModule, &kv29::Kv29JBAModule, &kv29::Kv29FeaturesModule,
                      &WatermarkNoticeModule},
      .pjlOrder = {&kv29::Kv29PrintTypeModule, &kv29::Kv29JBAModule},
      .psOrder = {&kv29::Kv29FeaturesModule},
      .header = {HeaderHead, OutputEPJLCommandLanguageEncoding, OutputEPJLCommandFromFilter,
                 HeaderEnterPostScript},
      .prepareIdentity = kv29::PrepareIdentityKv29,
      .convert = kv29::ConvertUTF8ToPrinterEncoding,
      .widths = {},
      .pass = Kv29PassThrough(),
      .decomp = DecompVariant::None,
      .handleSigpipe = false,
      .jobCopy = false,
      .trailer = false,
  };
  return profile;
}

}  // namespace zqf
