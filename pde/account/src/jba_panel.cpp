#include "jba_panel.h"

namespace zqacct {

// The job-authentication panel is not part of this build yet: the factory
// offers the print-type panel alone.
std::unique_ptr<zqp::Panel> CreateJBAPanel(zqp::DialogHost*, int32_t) { return nullptr; }

}  // namespace zqacct
