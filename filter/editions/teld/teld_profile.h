#pragma once
#include "../../core/job.h"

namespace zqf {

// The TELD edition: namespace "com.tavelle.kvb.printsettings.", UTF-8
// printer text, the full module set.
const EditionProfile& TeldProfile();
const PassThroughProfile& TeldPassThrough();

}  // namespace zqf
