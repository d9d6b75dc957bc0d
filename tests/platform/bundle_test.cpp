#include <gtest/gtest.h>

#include "test_support.h"
#include "zqp/bundle.h"
#include "zqp/events.h"
#include "zqp/system.h"

namespace {

std::string MakeBundle(const zqtest::TempDir& dir, const std::string& name, const std::string& id) {
  const std::string root = name + ".plugin/";
  dir.file(root + "Info.json", "{\"CFBundleIdentifier\": \"" + id +
                                   "\", \"CFBundleVersion\": \"1.2 Build 3\", \"Count\": 4}");
  dir.file(root + "Resources/Localizable.strings", R"({"Title": "Account", "Only": "default table"})");
  dir.file(root + "Resources/Localizable2.strings", R"({"Title": "Konto"})");
  dir.file(root + "Resources/Broken.strings", "{ not json");
  dir.file(root + "Resources/Help/JBA_Default00.htm", "<html></html>");
  dir.file(root + "Resources/ZQPrintJBA_Default00.nib", "{}");
  return dir.path() + "/" + root;
}

TEST(Bundle, InfoResourcesAndStringTables) {
  zqtest::TempDir dir;
  std::string err;
  zqp::Bundle* b = zqp::Bundle::Open(MakeBundle(dir, "Account", "com.zq.test.bundle1"), &err);
  ASSERT_NE(b, nullptr) << err;
  EXPECT_EQ(b->identifier(), "com.zq.test.bundle1");
  EXPECT_EQ(b->infoValue("CFBundleVersion"), "1.2 Build 3");
  EXPECT_EQ(b->infoValue("Count"), "");  // not text
  EXPECT_EQ(zqp::Bundle::WithIdentifier("com.zq.test.bundle1"), b);
  EXPECT_EQ(zqp::Bundle::Open(b->path() + "/", &err), b);  // the same folder is one bundle

  EXPECT_TRUE(b->pathForResource("JBA_Default00", "htm", "Help"));
  EXPECT_FALSE(b->pathForResource("JBA_Default00", "htm"));
  EXPECT_TRUE(b->pathForResource("ZQPrintJBA_Default00", "nib"));
  EXPECT_FALSE(b->pathForResource("ZQPrintJBA_Default09", "nib"));
  EXPECT_FALSE(b->pathForResource("../Info", "json"));

  EXPECT_EQ(b->localizedString("Title", zqp::kNoTranslation), "Account");
  EXPECT_EQ(b->localizedString("Title", zqp::kNoTranslation, "Localizable2"), "Konto");
  // Each table stands alone: a key missing from Localizable2 is not looked
  // up in the default table.
  EXPECT_EQ(b->localizedString("Only", zqp::kNoTranslation, "Localizable2"), "no translation");
  EXPECT_EQ(b->localizedString("Missing", ""), "Missing");
  EXPECT_EQ(b->localizedString("Title", "dflt", "NoSuchTable"), "dflt");
  EXPECT_EQ(b->localizedString("Title", "dflt", "Broken"), "dflt");
}

// A test's folder takes the bundles opened from it along (the fixtures of
// every test program rely on it), and only those.
TEST(Bundle, ForgettingAFolderForgetsOnlyTheBundlesUnderIt) {
  zqtest::TempDir kept;
  std::string err;
  zqp::Bundle* stays = zqp::Bundle::Open(MakeBundle(kept, "Stays", "com.zq.test.stays"), &err);
  ASSERT_NE(stays, nullptr) << err;
  {
    zqtest::TempDir dir;
    ASSERT_NE(zqp::Bundle::Open(MakeBundle(dir, "Goes", "com.zq.test.goes"), &err), nullptr) << err;
    EXPECT_NE(zqp::Bundle::WithIdentifier("com.zq.test.goes"), nullptr);
    zqp::Bundle::ForgetForTesting(kept.path() + "/Sta");  // only begins like Stays.plugin
  }
  EXPECT_EQ(zqp::Bundle::WithIdentifier("com.zq.test.goes"), nullptr);
  EXPECT_EQ(zqp::Bundle::WithIdentifier("com.zq.test.stays"), stays);
}

TEST(Bundle, BadFoldersGiveMessages) {
  zqtest::TempDir dir;
  std::string err;
  EXPECT_EQ(zqp::Bundle::Open(dir.path() + "/None.plugin", &err), nullptr);
  EXPECT_NE(err.find("None.plugin"), std::string::npos);
  dir.file("Damaged.plugin/Info.json", "{\"CFBundleIdentifier\": ");
  EXPECT_EQ(zqp::Bundle::Open(dir.path() + "/Damaged.plugin", &err), nullptr);
  EXPECT_NE(err.find("damaged"), std::string::npos);
  dir.file("NoId.plugin/Info.json", "{}");
  EXPECT_EQ(zqp::Bundle::Open(dir.path() + "/NoId.plugin", &err), nullptr);
  EXPECT_NE(err.find("CFBundleIdentifier"), std::string::npos);

  // A bundle without its module opens, but cannot be loaded.
  zqp::Bundle* b = zqp::Bundle::Open(MakeBundle(dir, "NoModule", "com.zq.test.nomodule"), &err);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->loadPlugIn(&err), nullptr);
  EXPECT_NE(err.find("NoModule.so"), std::string::npos);
  dir.file("NoModule.plugin/NoModule.so", "not an ELF file");
  EXPECT_EQ(b->loadPlugIn(&err), nullptr);
  EXPECT_NE(err.find("cannot load"), std::string::npos);

  std::vector<std::string> errors;
  auto all = zqp::Bundle::OpenAll(dir.path(), &errors);
  EXPECT_EQ(all.size(), 1u);  // NoModule only; the two bad folders are reported
  EXPECT_EQ(errors.size(), 2u);
}

TEST(Help, RegistrationAndPagesAreRecorded) {
  zqtest::TempDir dir;
  zqp::ResetHelpForTesting();
  zqp::EventLog::Shared().Clear();
  std::string err;
  zqp::Bundle* b = zqp::Bundle::Open(MakeBundle(dir, "Helpful", "com.zq.test.help"), &err);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(zqp::RegisterHelpBook(nullptr), zqp::kFileNotFoundErr);
  EXPECT_EQ(zqp::RegisterHelpBook(b), zqp::kNoErr);
  EXPECT_TRUE(zqp::IsHelpBookRegistered("com.zq.test.help"));
  EXPECT_EQ(zqp::GotoHelpPage("Book", "JBA.htm"), zqp::kNoErr);
  EXPECT_EQ(zqp::GotoHelpPage("", "JBA.htm"), zqp::kParamErr);
  ASSERT_EQ(zqp::OpenedHelpPages().size(), 1u);
  EXPECT_EQ(zqp::EventLog::Shared().events().back().Line(), "help: Book JBA.htm");
  zqp::ResetHelpForTesting();
  zqp::EventLog::Shared().Clear();
}

}  // namespace
