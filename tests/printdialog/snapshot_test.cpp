// End-to-end: pictures of the ARK print-type panel and its window drawn by
// printdialog's snapshot commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "../platform/test_support.h"
#include "../support/print_dialog_run.h"

namespace {

struct PngSize {
  uint32_t width = 0, height = 0;
};

// Width and height from the PNG header; zero for anything else.
PngSize ReadPngSize(const std::string& path) {
  const std::string bytes = zqtest::Slurp(path);
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {};
  auto be = [&](size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
  };
  return {be(16), be(20)};
}

class SnapshotCommandTest : public ::testing::Test {
 protected:
  zqtest::DialogResult Run(const std::string& script, const std::string& args = {}) {
    const std::string scriptPath = dir_.file("script.txt", script);
    return zqtest::RunPrintDialog(ZQ_PRINTDIALOG,
                                  "--ppd '" ZQ_ARK_PPD "' --bundles '" ZQ_SHIPPED_BUNDLES "' --script '" + scriptPath +
                                      "' " + args,
                                  dir_.path());
  }
  zqtest::TempDir dir_;
};

TEST_F(SnapshotCommandTest, PanelWindowAndPixelsInViewCoordinates) {
  const std::string d = dir_.path();
  auto r = Run("panel com.tavelle.r15.pde.PrintTypeKind\n"
               "show\n"
               "snapshot 101 " + d + "/popup.png\n"
               "snapshot window " + d + "/panel.png\n"
               // The pop-up's frame line is one unit in from its edge; inside it is the button face.
               "pixel 101 2 13\n"
               "pixel 101 40 3\n"
               "pixel 101 500 500\n"
               "select 101 \"Secure Print\"\n"
               "snapshot window " + d + "/window.png\n"
               "click 1124\n",
               "--snapshots '" + d + "/all'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadPngSize(d + "/popup.png").width, 220u);
  const PngSize panel = ReadPngSize(d + "/panel.png");
  EXPECT_EQ(panel.width, 520u);
  EXPECT_EQ(panel.height, 150u + 22u);  // the title bar on top
  EXPECT_EQ(ReadPngSize(d + "/window.png").width, 480u);
  EXPECT_TRUE(r.has("pixel: 101 2 13 = 140 140 140 255")) << r.err;
  EXPECT_TRUE(r.has("pixel: 101 40 3 = 250 250 250 255")) << r.err;
  EXPECT_TRUE(r.has("pixel: 101 500 500 = 0 0 0 0")) << r.err;  // outside the view
  // --snapshots: one picture per panel, named by kind.
  EXPECT_EQ(ReadPngSize(d + "/all/com.tavelle.r15.pde.PrintTypeKind.png").width, 520u);
  EXPECT_GT(ReadPngSize(d + "/all/com.tavelle.r15.pde.AccountKind.png").width, 0u);
}

TEST_F(SnapshotCommandTest, BadCommandsStopWithStatusTwo) {
  const std::string d = dir_.path();
  for (const std::string& line : std::vector<std::string>{"snapshot 101", "snapshot 999 " + d + "/x.png", "pixel 101 1", "pixel 101 a 2",
                                  "snapshot 101 " + d + "/no/such/folder/x.png", "choose-file"}) {
    auto r = Run("panel com.tavelle.r15.pde.PrintTypeKind\n" + line + "\n");
    EXPECT_EQ(r.status, 2) << line << "\n" << r.err;
  }
  // A cancelled file choice is a valid line.
  EXPECT_EQ(Run("panel com.tavelle.r15.pde.PrintTypeKind\nchoose-file cancel\n").status, 0);
}

}  // namespace
