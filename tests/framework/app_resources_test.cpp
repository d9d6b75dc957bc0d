#include "zqpde/app_resources.h"

#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/system.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "bundle_fixture.h"
#include "ppd_fixture.h"
#include "zqpde/status.h"
#include "zqpde/user_groups.h"

namespace zqpde {
namespace {

// A bundle folder with this test's identifier (ZQPDE_APP_BUNDLE_ID), a help
// book and a string table naming it.
class AppBundleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        files_ = new test::BundleOnDisk("Fw", R"({"CFBundleIdentifier": ")" ZQPDE_APP_BUNDLE_ID R"(",
            "CFBundleVersion": "2.0 Build 7", "CFBundleHelpBookName": "Fw Help"})",
                                        {{"Localizable.strings", R"({"Help Book": "Fw Help Localised"})"}});
        bundle_ = files_->get();
        ASSERT_NE(bundle_, nullptr) << files_->error();
    }
    static void TearDownTestSuite() { delete files_; }
    void SetUp() override { zqp::ResetHelpForTesting(); }
    void TearDown() override { zqp::ResetHelpForTesting(); }

    static test::BundleOnDisk* files_;
    static zqp::Bundle* bundle_;
};
test::BundleOnDisk* AppBundleTest::files_ = nullptr;
zqp::Bundle* AppBundleTest::bundle_ = nullptr;

TEST_F(AppBundleTest, FindsItsOwnBundleAndRegistersItsBook) {
    EXPECT_STREQ(GetAppClientID(), ZQPDE_APP_CLIENT_ID);
    EXPECT_EQ(GetAppBundleRef(), bundle_);
    EXPECT_EQ(RegisterMyHelpBook(), 0);
    EXPECT_TRUE(zqp::IsHelpBookRegistered("Fw Help"));
    EXPECT_EQ(RegisterHelpBook(nullptr), kFileNotFoundErr);
}

TEST_F(AppBundleTest, OpensPagesInTheLocalisedOrTheDeclaredBook) {
    EXPECT_EQ(GotoHelpPage(bundle_, "Main.htm", "top", "Help Book"), 0);
    EXPECT_EQ(GotoHelpPage(bundle_, "Other.htm", ""), 0);
    ASSERT_EQ(zqp::OpenedHelpPages().size(), 2u);
    EXPECT_EQ(zqp::OpenedHelpPages()[0].book, "Fw Help Localised");
    EXPECT_EQ(zqp::OpenedHelpPages()[0].anchor, "top");
    EXPECT_EQ(zqp::OpenedHelpPages()[1].book, "Fw Help");
    // A key without translation names the book "no translation", as the
    // string lookup answers.
    EXPECT_EQ(GotoHelpPage(bundle_, "Main.htm", "", "Missing Key"), 0);
    EXPECT_EQ(zqp::OpenedHelpPages().back().book, zqp::kNoTranslation);
    EXPECT_EQ(GotoHelpPage(nullptr, "Main.htm", "", "Help Book"), kFileNotFoundErr);
    EXPECT_EQ(GotoHelpPage(bundle_, "", "", "Help Book"), kParamErr);
}

std::string HelpPlist(const std::string& url) {
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0"><dict>
<key>RegisteredBooks</key><dict>
  <key>com.zq.help.a</key><array><dict><key>url</key><string>)" + url + R"(</string></dict></array>
  <key>com.zq.help.b</key><array><dict><key>url</key><string>file:///b/English.lproj/</string></dict></array>
</dict>
<key>RegistrationOrder</key><array><string>com.zq.help.b</string><string>com.zq.help.a</string></array>
</dict></plist>
)";
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(HelpCache, RemovesOnlyAStaleLocalisedRegistration) {
    test::TempDir dir;
    const std::string path = dir.Write("help.plist", HelpPlist("file:///a/Japanese.lproj/index.html"));
    RemoveHelpCacheForBundleID("com.zq.help.a", path);
    const std::string after = ReadFile(path);
    EXPECT_EQ(after.find("com.zq.help.a"), std::string::npos);
    EXPECT_NE(after.find("com.zq.help.b"), std::string::npos);
    EXPECT_NE(after.find("English.lproj"), std::string::npos);

    // Another URL, an unknown book, a damaged or missing file: untouched.
    const std::string kept = HelpPlist("file:///a/index.html");
    const std::string other = dir.Write("other.plist", kept);
    RemoveHelpCacheForBundleID("com.zq.help.a", other);
    RemoveHelpCacheForBundleID("com.zq.help.none", other);
    EXPECT_EQ(ReadFile(other), kept);
    const std::string damaged = dir.Write("damaged.plist", "<plist><dict><key>");
    RemoveHelpCacheForBundleID("com.zq.help.a", damaged);
    EXPECT_EQ(ReadFile(damaged), "<plist><dict><key>");
    RemoveHelpCacheForBundleID("com.zq.help.a", dir.path() + "/missing.plist");
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/missing.plist"));
}

// The sandbox test looks at the home folder once per process; the help
// preferences lie in the home folder, never in the machine's own folders.
TEST(Sandbox, AContainersHomeIsSandboxedAndTheAnswerIsKept) {
    const std::string saved = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    for (const auto& [home, sandboxed] : {std::pair{"/Users/u/Library/Containers/com.zq/Data", true},
                                          std::pair{"/Users/u", false}, std::pair{"/home/containers", false}}) {
        setenv("HOME", home, 1);
        ResetSandboxCacheForTesting();
        EXPECT_EQ(UTILITY_SERVICE::isSandboxed(), sandboxed) << home;
        EXPECT_EQ(HelpPreferencesPath(), std::string(home) + "/Library/Preferences/com.apple.help.plist");
        setenv("HOME", sandboxed ? "/Users/u" : "/x/Containers", 1);
        EXPECT_EQ(UTILITY_SERVICE::isSandboxed(), sandboxed) << "kept for " << home;
    }
    unsetenv("HOME");  // the password database's folder then, not "/Library/..."
    EXPECT_NE(HelpPreferencesPath().rfind("/Library/", 0), 0u) << HelpPreferencesPath();
    if (!saved.empty()) setenv("HOME", saved.c_str(), 1);
    ResetSandboxCacheForTesting();
}

TEST(Administrator, FollowsThePlatformsGroupTest) {
    EXPECT_FALSE(checkIfAdminUser(nullptr));
    EXPECT_FALSE(checkIfAdminUser("zq-no-such-user"));
    EXPECT_EQ(IsUserAdmin(), zqp::IsUserAdmin(zqp::LoginName()));
}

}  // namespace
}  // namespace zqpde
