#include <cstdlib>

#include "zqp/system_files.h"

namespace zqp {

std::string SystemPath(const std::string& absolute) {
  const char* root = std::getenv(kRootEnv);
  if (root == nullptr || *root == '\0' || absolute.empty() || absolute[0] != '/') return absolute;
  std::string base(root);
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  if (base == "/") return absolute;
  return base + absolute;
}

std::string LocalCachesFolder() { return SystemPath("/Library/Caches"); }

}  // namespace zqp
