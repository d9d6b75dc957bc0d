#include "zqp/os_release.h"

#include <cstdlib>

namespace zqp {

std::string EmulatedKernelRelease() {
  const char* env = std::getenv(kOsReleaseEnv);
  if (env != nullptr && *env != '\0') return env;
  return kDefaultKernelRelease;
}

}  // namespace zqp
