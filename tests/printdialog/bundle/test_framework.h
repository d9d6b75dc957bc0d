#pragma once
// A stand-in for the control framework that every real extension compiles
// in: process-wide state that must stay private to each bundle.
#include "zqp/bundle.h"

namespace testfw {

// The bundle handed to the first initWithBundle, kept like the framework's
// own global.
extern zqp::Bundle* pluginBundle;
// Panels this copy of the framework has made.
extern int panelsMade;

}  // namespace testfw
