#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "../platform/test_support.h"
#include "zqp/preferences.h"
#include "zqp/system_files.h"

namespace {

using namespace zqp;

mode_t SyncAndMode(PrefUser user) {
  Preferences::SetValue("Key", PrefValue(std::string("v")), "com.zq.test", user, PrefHost::kAnyHost);
  EXPECT_TRUE(Preferences::Synchronize("com.zq.test", user, PrefHost::kAnyHost));
  struct stat st{};
  EXPECT_EQ(stat(Preferences::StorePath("com.zq.test", user, PrefHost::kAnyHost).c_str(), &st), 0);
  return st.st_mode & 07777;
}

TEST(PreferenceStoreFiles, AnyUserStoreIsReadableByEveryoneAndOwnStoreStaysPrivate) {
  zqtest::TempDir dir;
  setenv(kPrefsDirEnv, dir.path().c_str(), 1);
  Preferences::ResetForTesting();
  const mode_t oldMask = umask(077);
  EXPECT_EQ(SyncAndMode(PrefUser::kAnyUser), 0644u);
  EXPECT_EQ(SyncAndMode(PrefUser::kCurrentUser), 0600u);
  umask(oldMask);
  unsetenv(kPrefsDirEnv);
  Preferences::ResetForTesting();
}

TEST(PreferenceStoreFiles, AnyUserStoreMovesUnderZqRootUnlessPrefsDirIsSet) {
  setenv(kRootEnv, "/tmp/zq-root", 1);
  unsetenv(kPrefsDirEnv);
  EXPECT_EQ(Preferences::StorePath("app", PrefUser::kAnyUser, PrefHost::kAnyHost).rfind("/tmp/zq-root/", 0), 0u);
  setenv(kPrefsDirEnv, "/tmp/zq-prefs", 1);
  EXPECT_EQ(Preferences::StorePath("app", PrefUser::kAnyUser, PrefHost::kAnyHost).rfind("/tmp/zq-prefs/", 0), 0u);
  unsetenv(kPrefsDirEnv);
  unsetenv(kRootEnv);
}

}  // namespace
