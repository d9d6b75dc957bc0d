// A bundle's Info.json and string tables, read through the bundle as the
// panels read them: identity, Info values and localised texts.
//
// Input: Info.json NUL Localizable.strings NUL a key to look up.
#include <filesystem>
#include <string>

#include "fuzz_support.h"
#include "zqp/bundle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto parts = zqfuzz::SplitInput(data, size, 3);
  // Opened bundles stay registered by path: each input's is forgotten with
  // its folder, so the next input is read afresh and none piles up.
  const std::string dir = zqfuzz::ScratchDir() + "/b.plugin";
  std::filesystem::create_directories(dir + "/Resources");
  zqfuzz::WriteFile(dir + "/Info.json", parts[0]);
  zqfuzz::WriteFile(dir + "/Resources/Localizable.strings", parts[1]);
  std::string error;
  if (zqp::Bundle* bundle = zqp::Bundle::Open(dir, &error)) {
    const std::string key(parts[2]);
    bundle->infoValue(key);
    bundle->infoValue("CFBundleHelpBookName");
    bundle->localizedString(key, "");
    bundle->localizedString(key, "fallback");
    bundle->localizedString(key, "", "Missing");
    bundle->pathForResource(key, "strings");
    zqp::Bundle::WithIdentifier(bundle->identifier());
  }
  zqp::Bundle::ForgetForTesting(dir);
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  return 0;
}
