#include <grp.h>
#include <sys/stat.h>
#include <syslog.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../platform/test_support.h"
#include "zqp/system_files.h"

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat st{};
  EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

std::string Contents(const std::string& path) {
  std::stringstream s;
  s << std::ifstream(path).rdbuf();
  return s.str();
}

TEST(SystemPath, MovesAbsolutePathsUnderTheRootWhenSet) {
  const char* old = std::getenv(zqp::kRootEnv);
  const std::string saved = old ? old : "";
  struct Case {
    const char* root;  // nullptr: unset
    const char* path;
    const char* want;
  } cases[] = {
      {nullptr, "/Library/Caches", "/Library/Caches"},
      {"", "/Library/Caches", "/Library/Caches"},
      {"/tmp/r", "/Library/Caches", "/tmp/r/Library/Caches"},
      {"/tmp/r//", "/var/spool/x", "/tmp/r/var/spool/x"},
      {"/", "/etc/x", "/etc/x"},
      {"/tmp/r", "relative/x", "relative/x"},
  };
  for (const Case& c : cases) {
    if (c.root) setenv(zqp::kRootEnv, c.root, 1);
    else unsetenv(zqp::kRootEnv);
    EXPECT_EQ(zqp::SystemPath(c.path), c.want) << (c.root ? c.root : "(unset)") << " " << c.path;
  }
  if (old) setenv(zqp::kRootEnv, saved.c_str(), 1);
  else unsetenv(zqp::kRootEnv);
}

TEST(CreateFolder, GivesEveryNewLevelTheModeWhateverTheUmask) {
  zqtest::TempDir dir;
  const mode_t oldMask = umask(077);
  const std::string deep = dir.path() + "/a/b/c";
  EXPECT_EQ(zqp::CreateFolder(deep, 0775), zqp::kNoErr);
  umask(oldMask);
  EXPECT_EQ(ModeOf(dir.path() + "/a"), 0775u);
  EXPECT_EQ(ModeOf(deep), 0775u);
  // An existing folder is brought to the mode asked for.
  EXPECT_EQ(zqp::CreateFolder(deep, 0755), zqp::kNoErr);
  EXPECT_EQ(ModeOf(deep), 0755u);
  // A file in the way is not a folder.
  dir.file("plain", "x");
  EXPECT_NE(zqp::CreateFolder(dir.path() + "/plain", 0755), zqp::kNoErr);
  EXPECT_EQ(zqp::CreateFolder("", 0755), zqp::kParamErr);
}

TEST(WriteFileWithMode, ReplacesContentsWithModeAndGroupAndRefusesUnknownGroups) {
  zqtest::TempDir dir;
  const std::string path = dir.path() + "/cache.plist";
  const mode_t oldMask = umask(077);
  EXPECT_EQ(zqp::WriteFileWithMode(path, "first", 0664), zqp::kNoErr);
  EXPECT_EQ(zqp::WriteFileWithMode(path, "second", 0644), zqp::kNoErr);
  umask(oldMask);
  EXPECT_EQ(Contents(path), "second");
  EXPECT_EQ(ModeOf(path), 0644u);

  const std::string group = zqp::AdministratorsGroup();
  if (!group.empty()) {
    EXPECT_EQ(zqp::WriteFileWithMode(path, "third", 0664, group), zqp::kNoErr);
    struct stat st{};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_gid, getgrnam(group.c_str())->gr_gid);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
  }
  EXPECT_EQ(zqp::WriteFileWithMode(path, "lost", 0644, "zq-no-such-group"), zqp::kFileNotFoundErr);
  EXPECT_NE(Contents(path), "lost");
  // The refused write leaves no temporary file behind.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(SystemLog, WritesOneLinePerCallToStandardError) {
  testing::internal::CaptureStderr();
  zqp::SystemLog(zqp::LogDestination::kStandardError, LOG_ERR, "upload failed: %s (%d)", "timeout", 28);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "zq: upload failed: timeout (28)\n");
}

}  // namespace
