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
  // Bundles stay registered for the process's life, by path: each input
  // gets a folder of its own.
  static unsigned long serial = 0;
  const std::string dir = zqfuzz::ScratchDir() + "/b" + std::to_string(serial++) + ".plugin";
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
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  return 0;
}
