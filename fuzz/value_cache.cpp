// A per-printer value cache file as found in the caches folder: parsed, read
// for a key, then a value saved over it (a damaged file is kept aside) and
// read back.
//
// Input: the file NUL a key.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz_support.h"
#include "zqp/system_files.h"
#include "zqpde/value_cache.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto parts = zqfuzz::SplitInput(data, size, 2);
  const std::string root = zqfuzz::ScratchDir() + "/cache-root";
  ::setenv(zqp::kRootEnv, root.c_str(), 1);
  const std::string key(parts[0]);
  const std::string bytes(parts[1]);
  zqpde::ValueCacheMap values;
  zqpde::ParseValueCache(bytes, &values);

  const std::string folder = zqpde::ValueCacheFolder();
  std::filesystem::create_directories(folder);
  const std::string path =
      folder + "/" + zqpde::ValueCacheFileName("fuzz", zqp::PrefUser::kCurrentUser, zqpde::ValueCacheLoginName());
  zqfuzz::WriteFile(path, bytes);
  zqpde::RestoreFromValueCache("fuzz", key, zqp::PrefUser::kCurrentUser);
  // A key that the file format can hold must read back as saved.
  const bool storable = !key.empty() && key.find('\0') == std::string::npos;
  if (zqpde::SaveToValueCache("fuzz", storable ? key : "k", std::string("value"), zqp::PrefUser::kCurrentUser)) {
    if (zqpde::RestoreFromValueCache("fuzz", storable ? key : "k", zqp::PrefUser::kCurrentUser) != "value") std::abort();
  }
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
  return 0;
}
