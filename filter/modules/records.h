#pragma once
// The feature modules' option records and bound tables, one member per
// module. Filled once per job by the modules' ticket hooks.
#include "../core/engine.h"
#include "../core/ticket.h"

namespace zqf {

struct ModuleRecords {};

}  // namespace zqf
