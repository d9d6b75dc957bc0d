#include "zqp/extension.h"

namespace zqp {

Panel::~Panel() = default;
PlugIn::~PlugIn() = default;

}  // namespace zqp
