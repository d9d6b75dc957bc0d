#pragma once
#include "../../core/job.h"

namespace zqf {

// The kv29 edition: namespace "com.tavelle.kvb.printsettings.", printer
// text in the PPD's encoding, print type, accounting and the features
// PostScript only, the older hook-event numbering, no trailer.
const EditionProfile& Kv29Profile();
const PassThroughProfile& Kv29PassThrough();

}  // namespace zqf
