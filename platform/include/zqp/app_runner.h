#pragma once
// Runs an application without a screen under a script (zqp/script.h): the
// script plays the person at the window, alerts and sheets take the
// script's answers, and the transcript goes to standard error.
#include <string>

#include "zqp/export.h"

namespace zqp {

// Loads the application's main nib (whose delegate the caller has
// registered as a nib class), launches it, runs the script given with
// `--script FILE|-` line by line with the main run loop turning between
// lines, then keeps the loop running until the application terminates or
// waits for nothing but a person (no transfer pending).
// Exit status: 0; 2 for a usage error, a main nib that cannot be loaded, or
// a script error (a script that still has lines when the application ends
// is one).
ZQP_API int RunApplication(const std::string& program, const std::string& mainNibPath, int argc, char** argv);

}  // namespace zqp
