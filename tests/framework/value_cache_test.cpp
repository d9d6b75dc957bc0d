#include "zqpde/value_cache.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zqp/system_files.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace zqpde {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

mode_t ModeOf(const std::string& path) {
    struct stat st{};
    return lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Every test works under a root of its own, so the real caches folder is
// never touched.
class ValueCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/zq-value-cache-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        chmod(root_.c_str(), 0755);
        setenv(zqp::kRootEnv, root_.c_str(), 1);
    }
    void TearDown() override {
        unsetenv(zqp::kRootEnv);
        fs::remove_all(root_);
    }
    std::string OwnFile(const std::string& printer) {
        return ValueCacheFolder() + "/" + ValueCacheFileName(printer, zqp::PrefUser::kCurrentUser, ValueCacheLoginName());
    }
    std::string root_;
};

TEST(ValueCacheNames, FileNamesStayInTheFolder) {
    struct Case {
        const char* printer;
        zqp::PrefUser user;
        const char* login;
        const char* name;
    } cases[] = {
        {"Office_1", zqp::PrefUser::kCurrentUser, "user1", "Office_1-user1"},
        {"Office_1", zqp::PrefUser::kAnyUser, "user1", "Office_1"},
        {"../../etc/passwd", zqp::PrefUser::kAnyUser, "user1", ".._.._etc_passwd"},
        {"floor/2", zqp::PrefUser::kCurrentUser, "user1", "floor_2-user1"},
        {"", zqp::PrefUser::kAnyUser, "user1", ""},
        {"Office_1", zqp::PrefUser::kCurrentUser, "", ""},
        {"Office_1", zqp::PrefUser::kCurrentUser, "a/b", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueCacheFileName(c.printer, c.user, c.login), c.name) << c.printer << " " << c.login;
    EXPECT_FALSE(ValueCacheLoginName().empty());
}

TEST(ValueCacheNames, ParseTakesDictionariesOfText) {
    ValueCacheMap values;
    const std::string good = FormatValueCache({{"P1key", "4"}, {"P1other", "x<&>"}});
    ASSERT_TRUE(ParseValueCache(good, &values));
    EXPECT_EQ(values, (ValueCacheMap{{"P1key", "4"}, {"P1other", "x<&>"}}));
    for (const char* bad : {"", "not a property list", "<?xml version=\"1.0\"?><plist><array/></plist>"}) {
        EXPECT_FALSE(ParseValueCache(bad, &values)) << bad;
        EXPECT_TRUE(values.empty());
    }
    ASSERT_TRUE(ParseValueCache("<plist><dict><key>n</key><integer>4</integer><key>t</key><string>v</string>"
                                "</dict></plist>", &values));
    EXPECT_EQ(values, (ValueCacheMap{{"t", "v"}}));
}

TEST_F(ValueCacheTest, SavesPerPrinterAndUserAndKeepsOtherKeys) {
    EXPECT_FALSE(RestoreFromValueCache("P1", "P1a", zqp::PrefUser::kCurrentUser));
    ASSERT_TRUE(SaveToValueCache("P1", "P1a", std::string("one"), zqp::PrefUser::kCurrentUser));
    ASSERT_TRUE(SaveToValueCache("P1", "P1b", std::string("two"), zqp::PrefUser::kCurrentUser));
    ASSERT_TRUE(SaveToValueCache("P1", "P1a", std::string("three"), zqp::PrefUser::kCurrentUser));
    ASSERT_TRUE(SaveToValueCache("P2", "P2a", std::string("other printer"), zqp::PrefUser::kCurrentUser));
    EXPECT_EQ(RestoreFromValueCache("P1", "P1a", zqp::PrefUser::kCurrentUser), "three");
    EXPECT_EQ(RestoreFromValueCache("P1", "P1b", zqp::PrefUser::kCurrentUser), "two");
    EXPECT_FALSE(RestoreFromValueCache("P1", "P2a", zqp::PrefUser::kCurrentUser));
    EXPECT_EQ(ModeOf(ValueCacheFolder()), 01777u);
    EXPECT_EQ(ModeOf(OwnFile("P1")), 0600u);
    // Removing a key leaves the others.
    ASSERT_TRUE(SaveToValueCache("P1", "P1a", std::nullopt, zqp::PrefUser::kCurrentUser));
    EXPECT_FALSE(RestoreFromValueCache("P1", "P1a", zqp::PrefUser::kCurrentUser));
    EXPECT_EQ(RestoreFromValueCache("P1", "P1b", zqp::PrefUser::kCurrentUser), "two");
    // No printer: nothing saved or found.
    EXPECT_FALSE(SaveToValueCache("", "a", std::string("x"), zqp::PrefUser::kCurrentUser));
    EXPECT_FALSE(RestoreFromValueCache("", "a", zqp::PrefUser::kCurrentUser));
}

TEST_F(ValueCacheTest, DamagedFileReadsEmptyAndIsKeptAside) {
    ASSERT_TRUE(SaveToValueCache("P1", "P1a", std::string("one"), zqp::PrefUser::kCurrentUser));
    const std::string path = OwnFile("P1");
    ASSERT_EQ(zqp::WriteFileWithMode(path, "<plist><dict><key>P1a</key>", 0600), zqp::kNoErr);
    EXPECT_FALSE(RestoreFromValueCache("P1", "P1a", zqp::PrefUser::kCurrentUser));
    ASSERT_TRUE(SaveToValueCache("P1", "P1b", std::string("two"), zqp::PrefUser::kCurrentUser));
    EXPECT_EQ(Slurp(path + kDamagedSuffix), "<plist><dict><key>P1a</key>");
    EXPECT_EQ(ModeOf(path + kDamagedSuffix), 0600u);
    EXPECT_EQ(RestoreFromValueCache("P1", "P1b", zqp::PrefUser::kCurrentUser), "two");
}

TEST_F(ValueCacheTest, SharedFileIsRewrittenInPlaceWithItsModeAndGroup) {
    ASSERT_TRUE(SaveToValueCache("P1", "seed", std::string("x"), zqp::PrefUser::kCurrentUser));  // makes the folder
    const std::string path = ValueCacheFolder() + "/P1";
    ASSERT_TRUE(SaveValueCacheFile(path, "P1a", std::string("one"), true));
    EXPECT_EQ(ModeOf(path), 0664u);
    struct stat before{};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    const std::string group = zqp::AdministratorsGroup();
    if (!group.empty() && geteuid() == 0) {
        EXPECT_NE(before.st_gid, 0u) << "the shared file belongs to " << group;
    }
    ASSERT_TRUE(SaveValueCacheFile(path, "P1b", std::string("two"), true));
    ASSERT_TRUE(SaveValueCacheFile(path, "P1a", std::nullopt, true));
    struct stat after{};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode & 07777, 0664u);
    ValueCacheMap values;
    ASSERT_TRUE(ParseValueCache(Slurp(path), &values));
    EXPECT_EQ(values, (ValueCacheMap{{"P1b", "two"}}));
    // A link in the shared file's place is not followed.
    const std::string target = root_ + "/elsewhere";
    { std::ofstream(target) << "keep"; }
    ASSERT_EQ(symlink(target.c_str(), (ValueCacheFolder() + "/P9").c_str()), 0);
    EXPECT_FALSE(SaveValueCacheFile(ValueCacheFolder() + "/P9", "k", std::string("v"), true));
    EXPECT_EQ(Slurp(target), "keep");
}

// Runs f as the user in a child process; its exit status.
int AsUser(uid_t uid, gid_t gid, const std::function<int()>& f) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgid(gid) != 0 || setuid(uid) != 0) _exit(90);
        _exit(f());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

TEST_F(ValueCacheTest, OneUserCannotReadReplaceOrRemoveAnothersFile) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as two users";
    // getpwnam answers in one static record: take each user's ids at once.
    const passwd* pw = getpwnam("nobody");
    ASSERT_NE(pw, nullptr);
    const uid_t aliceUid = pw->pw_uid;
    const gid_t aliceGid = pw->pw_gid;
    pw = getpwnam("daemon");
    ASSERT_NE(pw, nullptr);
    const uid_t bobUid = pw->pw_uid;
    const gid_t bobGid = pw->pw_gid;
    ASSERT_TRUE(SaveToValueCache("P1", "seed", std::string("x"), zqp::PrefUser::kCurrentUser));  // the folder
    const std::string alice = ValueCacheFolder() + "/P1-alice";
    ASSERT_EQ(AsUser(aliceUid, aliceGid, [&] { return SaveValueCacheFile(alice, "P1pw", std::string("secret"), false) ? 0 : 1; }), 0);
    EXPECT_EQ(ModeOf(alice), 0600u);
    EXPECT_EQ(AsUser(bobUid, bobGid, [&] {
                  if (std::ifstream(alice).is_open()) return 1;  // read
                  if (unlink(alice.c_str()) == 0 || errno != EPERM) return 2;  // remove
                  if (SaveValueCacheFile(alice, "P1pw", std::string("mine"), false)) return 3;  // replace
                  return 0;
              }),
              0);
    EXPECT_NE(Slurp(alice).find("secret"), std::string::npos);
}

}  // namespace
}  // namespace zqpde
