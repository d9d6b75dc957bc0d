#pragma once
#include "../../core/job.h"

namespace zqf {

// The ARK edition: namespace "com.tavelle.qdm.printsettings.", ISO Latin-1
// or UTF-8 printer text by product, features PJL and the JTIF ticket.
const EditionProfile& ArkProfile();

}  // namespace zqf
