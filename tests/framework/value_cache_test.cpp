#include "zqpde/value_cache.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zqp/system_files.h>

#include "zqpde/utility_service.h"

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

// Who may be trusted, as a table: the owner check is handed in, so no other
// user has to exist. This user is 501, the administrators' group 80, whose
// member is 502.
TEST(ValueCacheTrust, OnlyFilesOfTheRightOwnerGroupAndModeAreUsed) {
    const CacheFileOwners owners{501, gid_t{80}, [](uid_t uid) { return uid == 502; }};
    const CacheFileOwners noGroup{501, std::nullopt, [](uid_t) { return false; }};
    struct Case {
        const char* what;
        mode_t type, mode;
        uid_t uid;
        gid_t gid;
        bool shared;
        const CacheFileOwners* owners;
        const char* distrust;  // nullptr: used
    } cases[] = {
        {"own file", S_IFREG, 0600, 501, 20, false, &owners, nullptr},
        {"another user's file", S_IFREG, 0600, 777, 20, false, &owners, "owned by uid 777, not this user"},
        {"a link in its place", S_IFLNK, 0777, 501, 20, false, &owners, "a link"},
        {"a folder in its place", S_IFDIR, 0700, 501, 20, false, &owners, "not a regular file"},
        {"root's shared file", S_IFREG, 0664, 0, 80, true, &owners, nullptr},
        {"an administrator's shared file", S_IFREG, 0664, 502, 80, true, &owners, nullptr},
        {"planted by a user", S_IFREG, 0664, 503, 80, true, &owners, "owned by uid 503, who is not an administrator"},
        {"planted by this user", S_IFREG, 0664, 501, 80, true, &owners, "owned by uid 501, who is not an administrator"},
        {"not the group", S_IFREG, 0664, 0, 20, true, &owners, "group 20 is not the administrators' group"},
        {"writable by all", S_IFREG, 0666, 502, 80, true, &owners, "writable by every user"},
        {"a shared link", S_IFLNK, 0777, 0, 80, true, &owners, "a link"},
        {"root's, no group on the machine", S_IFREG, 0664, 0, 0, true, &noGroup, nullptr},
        {"a user's, no group on the machine", S_IFREG, 0664, 502, 0, true, &noGroup,
         "owned by uid 502, not root, on a machine without an administrators' group"},
    };
    for (const Case& c : cases) {
        struct stat st{};
        st.st_mode = c.type | c.mode;
        st.st_uid = c.uid;
        st.st_gid = c.gid;
        EXPECT_EQ(CacheFileDistrust(st, c.shared, *c.owners), c.distrust ? c.distrust : "") << c.what;
    }
}

// What cannot be kept is left alone, said once with its reason, and answers
// false: a link under the user's name, an all-users file this process may
// not trust (its own, outside the administrators' group); a sandboxed
// process goes past a folder it cannot make.
TEST_F(ValueCacheTest, WhatCannotBeKeptIsSkippedAndSaidWhy) {
    ASSERT_TRUE(SaveToValueCache("P1", "seed", std::string("x"), zqp::PrefUser::kCurrentUser));  // the folder
    const std::string target = root_ + "/elsewhere", shared = ValueCacheFolder() + "/P2";
    { std::ofstream(target) << "keep"; }
    { std::ofstream(shared) << "keep"; }
    ASSERT_EQ(symlink(target.c_str(), OwnFile("P3").c_str()), 0);
    if (geteuid() == 0 && zqp::AdministratorsGroup().empty()) GTEST_SKIP() << "root's file would be trusted";
    for (const auto& [path, isShared] : {std::pair{OwnFile("P3"), false}, std::pair{shared, true}}) {
        testing::internal::CaptureStderr();
        CacheSave outcome = CacheSave::kSaved;
        EXPECT_FALSE(SaveValueCacheFile(path, "k", std::string("v"), isShared, &outcome));
        EXPECT_FALSE(SaveValueCacheFile(path, "k2", std::string("v"), isShared));
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_EQ(outcome, CacheSave::kUnusableFile) << path;
        EXPECT_NE(log.find(path + ": nothing kept ("), std::string::npos) << log;
        EXPECT_EQ(log.find("nothing kept"), log.rfind("nothing kept")) << "said once: " << log;
    }
    EXPECT_EQ(Slurp(target), "keep");
    EXPECT_EQ(Slurp(shared), "keep");

    // A folder that cannot be made: the caches folder is a file.
    fs::remove_all(root_ + "/Library/Caches");
    { std::ofstream(root_ + "/Library/Caches") << "in the way"; }
    const std::optional<std::string> home =
        std::getenv("HOME") ? std::optional<std::string>(std::getenv("HOME")) : std::nullopt;
    for (bool sandboxed : {false, true}) {
        setenv("HOME", sandboxed ? "/Users/u/Library/Containers/com.zq/Data" : "/home/u", 1);
        ResetSandboxCacheForTesting();
        CacheSave outcome = CacheSave::kSaved;
        EXPECT_FALSE(SaveToValueCache("P1", "k", std::string("v"), zqp::PrefUser::kCurrentUser, &outcome));
        // Sandboxed, the save went on to the file, which could not be written.
        EXPECT_EQ(outcome, sandboxed ? CacheSave::kNotWritten : CacheSave::kNoFolder);
    }
    if (home) setenv("HOME", home->c_str(), 1);
    else unsetenv("HOME");
    ResetSandboxCacheForTesting();
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
