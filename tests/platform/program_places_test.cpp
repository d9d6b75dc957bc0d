#include "zqp/program_places.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "zqp/font.h"

namespace {

// The build and source folders of this build, links resolved (as the
// platform library was told them).
const std::string kBuild = ZQ_TEST_BUILD_DIR;
const std::string kSource = ZQ_TEST_SOURCE_DIR;

// Only a program in this build's bin/ takes the build's bundles and
// resources; every other program takes what lies beside it in its prefix,
// whether or not the build's folders exist.
TEST(ProgramPlacesTest, TheProgramsOwnFolderDecidesBetweenBuildAndInstall) {
  struct Case {
    std::string program;
    bool buildTree;
    std::string bundles, resources, fontConfig;
  };
  const Case cases[] = {
    {kBuild + "/bin/printdialog", true, kBuild + "/bundles", kBuild + "/resources",
     kSource + "/resources/fonts/fonts.conf"},
    {kBuild + "/bin/../bin/tollbox-upload-client", true, kBuild + "/bundles", kBuild + "/resources",
     kSource + "/resources/fonts/fonts.conf"},
    {"/usr/local/bin/printdialog", false, "/usr/local/lib/zq/bundles", "/usr/local/share/zq",
     "/usr/local/share/zq/fonts.conf"},
    // Installed under DESTDIR, or a prefix moved: still its own files.
    {"/tmp/stage/usr/local/bin/printdialog", false, "/tmp/stage/usr/local/lib/zq/bundles",
     "/tmp/stage/usr/local/share/zq", "/tmp/stage/usr/local/share/zq/fonts.conf"},
    // Another folder of the build, or one that only begins like bin/,
    // is not the build's bin/.
    {kBuild + "/tests/bin/printdialog", false, kBuild + "/tests/lib/zq/bundles", kBuild + "/tests/share/zq",
     kBuild + "/tests/share/zq/fonts.conf"},
    {kBuild + "/bin2/printdialog", false, kBuild + "/lib/zq/bundles", kBuild + "/share/zq",
     kBuild + "/share/zq/fonts.conf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    const zqp::ProgramPlaces p = zqp::ProgramPlacesFor(c.program);
    EXPECT_EQ(p.buildTree, c.buildTree);
    EXPECT_EQ(p.bundles, c.bundles);
    EXPECT_EQ(p.resources, c.resources);
    EXPECT_EQ(p.fontConfig, c.fontConfig);
  }
}

// This test program runs from the build's bin/; the fonts configuration
// follows its places unless the environment names another.
TEST(ProgramPlacesTest, ThisProgramIsTheBuildsAndTheEnvironmentNamesTheFonts) {
  const zqp::ProgramPlaces& p = zqp::ThisProgramPlaces();
  EXPECT_TRUE(p.buildTree);
  EXPECT_EQ(p.bundles, kBuild + "/bundles");

  const char* saved = std::getenv("ZQ_FONTCONFIG_FILE");
  const std::string before = saved ? saved : "";
  unsetenv("ZQ_FONTCONFIG_FILE");
  EXPECT_EQ(zqp::FontConfigFile(), p.fontConfig);
  setenv("ZQ_FONTCONFIG_FILE", "/elsewhere/fonts.conf", 1);
  EXPECT_EQ(zqp::FontConfigFile(), "/elsewhere/fonts.conf");
  if (saved) setenv("ZQ_FONTCONFIG_FILE", before.c_str(), 1);
  else unsetenv("ZQ_FONTCONFIG_FILE");
}

}  // namespace
