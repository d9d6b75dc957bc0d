// A preference file as found on disk: read, asked for text and lists,
// changed and written back (a damaged file, or one a reader asked to keep,
// is kept beside the new one; values of other kinds are written back).
//
// Input: the file NUL a key.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz_support.h"
#include "zqp/preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto parts = zqfuzz::SplitInput(data, size, 2);
  const std::string root = zqfuzz::ScratchDir() + "/prefs";
  ::setenv(zqp::kPrefsDirEnv, root.c_str(), 1);
  zqp::Preferences::ResetForTesting();
  const std::string app = "com.tavelle.fuzz";
  const auto user = zqp::PrefUser::kAnyUser;
  const auto host = zqp::PrefHost::kAnyHost;
  const std::string path = zqp::Preferences::StorePath(app, user, host);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  zqfuzz::WriteFile(path, parts[1]);

  const std::string key(parts[0]);
  zqp::Preferences::CopyValue(key, app, user, host);
  zqp::Preferences::CopyString(key, app, user, host);
  zqp::Preferences::CopyListElements(key, app, user, host);
  zqp::Preferences::KeepFileAsideBeforeNextWrite(app, user, host);
  zqp::Preferences::SetValue(key, std::nullopt, app, user, host);
  zqp::Preferences::SetValue("fuzz.list", zqp::PrefValue(std::vector<std::string>{key, ""}), app, user, host);
  zqp::Preferences::Synchronize(app, user, host);
  // What was written reads back.
  zqp::Preferences::ResetForTesting();
  if (!zqp::Preferences::CopyValue("fuzz.list", app, user, host)) std::abort();
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
  return 0;
}
