// The help preferences property list, from which a stale registration of
// the extension's help book is removed.
//
// Input: a book identifier NUL the property list (XML or binary).
#include <string>

#include "fuzz_support.h"
#include "zqpde/app_resources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto parts = zqfuzz::SplitInput(data, size, 2);
  const std::string path = zqfuzz::ScratchDir() + "/com.apple.help.plist";
  zqfuzz::WriteFile(path, parts[1]);
  zqpde::RemoveHelpCacheForBundleID(std::string(parts[0]), path);
  return 0;
}
