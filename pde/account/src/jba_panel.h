#pragma once
// The job-authentication panel of the Account extension. The factory asks for
// it when the PPD names a job-authentication product whose nib and help page
// the bundle holds.
#include <zqp/extension.h>

#include <cstdint>
#include <memory>

namespace zqp {
class DialogHost;
}

namespace zqacct {

// The panel for the product type (0 to 7 of the job-authentication product
// table), marked to build its controls at the first restore or print; nullptr
// while this build has no job-authentication panel.
std::unique_ptr<zqp::Panel> CreateJBAPanel(zqp::DialogHost* host, int32_t productType);

}  // namespace zqacct
