#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "test_support.h"
#include "zqp/preferences.h"
#include "zqp/system.h"

namespace {

using namespace zqp;

class PreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv(kPrefsDirEnv, dir_.path().c_str(), 1);
    Preferences::ResetForTesting();
  }
  void TearDown() override {
    unsetenv(kPrefsDirEnv);
    Preferences::ResetForTesting();
  }
  zqtest::TempDir dir_;
};

TEST_F(PreferencesTest, ValuesSurviveSynchronizeAndReload) {
  const auto user = PrefUser::kCurrentUser;
  const auto host = PrefHost::kCurrentHost;
  Preferences::SetValue("Office_1com.zq.TypeReference", PrefValue{std::string("2")}, kAnyApplication, user, host);
  Preferences::SetValue("list", PrefValue{std::vector<std::string>{"a", "b"}}, kAnyApplication, user, host);
  const std::string path = Preferences::StorePath(kAnyApplication, user, host);
  EXPECT_EQ(path.rfind(dir_.path() + "/user-" + LoginName() + "/host-", 0), 0u) << path;
  struct stat st;
  EXPECT_NE(stat(path.c_str(), &st), 0);  // nothing written before Synchronize
  ASSERT_TRUE(Preferences::Synchronize(kAnyApplication, user, host));
  ASSERT_EQ(stat(path.c_str(), &st), 0);

  Preferences::ResetForTesting();
  EXPECT_EQ(Preferences::CopyString("Office_1com.zq.TypeReference", kAnyApplication, user, host).value_or(""), "2");
  auto list = Preferences::CopyValue("list", kAnyApplication, user, host);
  ASSERT_TRUE(list);
  EXPECT_EQ(std::get<std::vector<std::string>>(*list), (std::vector<std::string>{"a", "b"}));
  EXPECT_FALSE(Preferences::CopyString("list", kAnyApplication, user, host));
  // Scopes are separate stores.
  EXPECT_FALSE(Preferences::CopyValue("list", kAnyApplication, PrefUser::kAnyUser, host));
  EXPECT_FALSE(Preferences::CopyValue("list", kAnyApplication, user, PrefHost::kAnyHost));

  Preferences::SetValue("list", std::nullopt, kAnyApplication, user, host);
  ASSERT_TRUE(Preferences::Synchronize(kAnyApplication, user, host));
  Preferences::ResetForTesting();
  EXPECT_FALSE(Preferences::CopyValue("list", kAnyApplication, user, host));
}

TEST_F(PreferencesTest, DamagedFileReadsAsEmptyAndIsKept) {
  const std::string path = Preferences::StorePath("app", PrefUser::kAnyUser, PrefHost::kAnyHost);
  dir_.file(path.substr(dir_.path().size() + 1), "{\"k\": \"v\"");
  EXPECT_FALSE(Preferences::CopyValue("k", "app", PrefUser::kAnyUser, PrefHost::kAnyHost));
  Preferences::SetValue("n", PrefValue{std::string("1")}, "app", PrefUser::kAnyUser, PrefHost::kAnyHost);
  ASSERT_TRUE(Preferences::Synchronize("app", PrefUser::kAnyUser, PrefHost::kAnyHost));
  std::ifstream damaged(path + ".damaged");
  std::string old((std::istreambuf_iterator<char>(damaged)), {});
  EXPECT_EQ(old, "{\"k\": \"v\"");
  // Values of other kinds are skipped, the rest is read.
  dir_.file(path.substr(dir_.path().size() + 1), R"({"n": 5, "s": "x", "l": ["a", 1]})");
  Preferences::ResetForTesting();
  EXPECT_FALSE(Preferences::CopyValue("n", "app", PrefUser::kAnyUser, PrefHost::kAnyHost));
  EXPECT_FALSE(Preferences::CopyValue("l", "app", PrefUser::kAnyUser, PrefHost::kAnyHost));
  EXPECT_TRUE(Preferences::CopyValue("s", "app", PrefUser::kAnyUser, PrefHost::kAnyHost));
  // ... but a reader that salvages a list gets its elements, and a write
  // keeps what it did not understand.
  const auto elements = Preferences::CopyListElements("l", "app", PrefUser::kAnyUser, PrefHost::kAnyHost);
  ASSERT_TRUE(elements);
  EXPECT_EQ(*elements, (std::vector<PrefElement>{std::string("a"), 1.0}));
  EXPECT_FALSE(Preferences::CopyListElements("n", "app", PrefUser::kAnyUser, PrefHost::kAnyHost));
  Preferences::KeepFileAsideBeforeNextWrite("app", PrefUser::kAnyUser, PrefHost::kAnyHost);
  Preferences::SetValue("s", PrefValue{std::string("y")}, "app", PrefUser::kAnyUser, PrefHost::kAnyHost);
  ASSERT_TRUE(Preferences::Synchronize("app", PrefUser::kAnyUser, PrefHost::kAnyHost));
  Preferences::ResetForTesting();
  EXPECT_EQ(Preferences::CopyListElements("l", "app", PrefUser::kAnyUser, PrefHost::kAnyHost), elements);
  EXPECT_EQ(Preferences::CopyString("s", "app", PrefUser::kAnyUser, PrefHost::kAnyHost).value_or(""), "y");
  // The copy asked for is kept beside the first one, not over it.
  std::ifstream first(path + ".damaged"), second(path + ".damaged.1");
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(first)), {}), "{\"k\": \"v\"");
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(second)), {}), R"({"n": 5, "s": "x", "l": ["a", 1]})");
}

TEST_F(PreferencesTest, TextThatIsNotUtf8IsWrittenWithTheOtherChanges) {
  const auto user = PrefUser::kAnyUser;
  const auto host = PrefHost::kAnyHost;
  Preferences::SetValue("kept", PrefValue{std::string("1")}, "app", user, host);
  Preferences::SetValue("broken\xff", PrefValue{std::vector<std::string>{"a\x89" "b"}}, "app", user, host);
  ASSERT_TRUE(Preferences::Synchronize("app", user, host));
  Preferences::ResetForTesting();
  EXPECT_EQ(Preferences::CopyString("kept", "app", user, host).value_or(""), "1");
  auto list = Preferences::CopyValue("broken\xef\xbf\xbd", "app", user, host);
  ASSERT_TRUE(list);
  EXPECT_EQ(std::get<std::vector<std::string>>(*list), (std::vector<std::string>{"a\xef\xbf\xbd" "b"}));
}

TEST_F(PreferencesTest, UnwritableFolderKeepsChangesPending) {
  // A file where the user's folder belongs blocks the write, even for root.
  const std::string blocker = dir_.file("user-" + LoginName(), "not a folder");
  Preferences::SetValue("k", PrefValue{std::string("v")}, "app", PrefUser::kCurrentUser, PrefHost::kCurrentHost);
  EXPECT_FALSE(Preferences::Synchronize("app", PrefUser::kCurrentUser, PrefHost::kCurrentHost));
  std::remove(blocker.c_str());
  EXPECT_TRUE(Preferences::Synchronize("app", PrefUser::kCurrentUser, PrefHost::kCurrentHost));
  Preferences::ResetForTesting();
  EXPECT_TRUE(Preferences::CopyValue("k", "app", PrefUser::kCurrentUser, PrefHost::kCurrentHost));
}

TEST_F(PreferencesTest, ApplicationNamesStayInsideTheRoot) {
  const std::string path = Preferences::StorePath("../../etc/passwd", PrefUser::kAnyUser, PrefHost::kAnyHost);
  EXPECT_EQ(path, dir_.path() + "/any-user/any-host/.._.._etc_passwd.json");
}

}  // namespace
