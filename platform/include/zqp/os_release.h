#pragma once
#include <string>

namespace zqp {

// The kernel release that the suite reports as its operating system's.
// Linux's own release (6.x) would select behaviour meant for a system of
// twenty years ago, so the layer reports an emulated release instead:
// "19.6.0" unless the environment variable ZQ_OS_RELEASE says otherwise.
// Read on every call, so tests may change the variable between calls.
std::string EmulatedKernelRelease();

inline constexpr const char* kOsReleaseEnv = "ZQ_OS_RELEASE";
inline constexpr const char* kDefaultKernelRelease = "19.6.0";

}  // namespace zqp
