// The watermark from the dialog to the device: the TELD watermark panel
// makes and chooses a watermark, its ticket goes with the job through a
// private scheduler and the TELD filter, and Ghostscript renders what the
// device gets; the red watermark is then found on the pages by its pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "cups_server.h"

namespace {

using zqtest::CupsServer;
using zqtest::ReadFile;

const std::string kEnterPs = "@PJL ENTER LANGUAGE=POSTSCRIPT\n";
const std::string kTrailer = "\x04\x1b%-12345X@PJL EOJ\n";

// The box of the red pixels of one rendered page (72 dpi, top row first).
struct RedBox {
  int count = 0, left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  double cx() const { return (left + right) / 2.0; }
  double cy() const { return (top + bottom) / 2.0; }
};

RedBox FindRed(const std::string& ppmPath) {
  RedBox box;
  std::ifstream in(ppmPath, std::ios::binary);
  // The header's four words; Ghostscript puts a comment line among them.
  std::string word[4];
  for (int i = 0; i < 4 && in;) {
    in >> word[i];
    if (!word[i].empty() && word[i][0] == '#') {
      std::string rest;
      std::getline(in, rest);
    } else {
      ++i;
    }
  }
  in.get();
  const std::string magic = word[0];
  const int w = std::atoi(word[1].c_str()), h = std::atoi(word[2].c_str());
  if (magic != "P6" || w <= 0 || h <= 0) return box;
  std::vector<unsigned char> px(static_cast<size_t>(w) * h * 3);
  in.read(reinterpret_cast<char*>(px.data()), static_cast<std::streamsize>(px.size()));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const unsigned char* p = &px[(static_cast<size_t>(y) * w + x) * 3];
      if (p[0] > 200 && p[1] < 90 && p[2] < 90) {
        ++box.count;
        box.left = std::min(box.left, x), box.right = std::max(box.right, x);
        box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
      }
    }
  return box;
}

class WatermarkQueue : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<CupsServer>(std::vector<std::string>{std::string(ZQ_BIN_DIR) + "/teld-job-filter"});
    if (!server_->running()) return;
    // The TELD sample printer offers text and picture watermarks.
    ppdPath_ = std::string(ZQ_SOURCE_DIR) + "/ppd/zq-teld-sample.ppd";
    server_->AddQueue("teldwm", ppdPath_);
  }
  static void TearDownTestSuite() { server_.reset(); }
  void SetUp() override {
    if (!server_->running()) GTEST_SKIP() << "no private scheduler: " << server_->error();
  }

  // The dialog's ticket after the script, one option per entry; the
  // dialog's transcript goes to *transcript.
  std::vector<std::string> DialogOptions(const std::string& script, std::string* transcript = nullptr) {
    const std::string file = server_->root() + "/wm.script";
    std::ofstream(file) << "panel Watermark\nshow\n" << script << "print\n";
    const auto r = zqtest::RunCommand({std::string(ZQ_BIN_DIR) + "/printdialog", "--ppd", ppdPath_, "--bundles",
                                       ZQ_BUNDLES_DIR, "--printer", "teldwm", "--script", file, "--ticket"},
                                      {"ZQ_PREFS_DIR=" + server_->root() + "/prefs"});
    EXPECT_EQ(r.status, 0) << r.err;
    if (transcript != nullptr) *transcript = r.err;
    std::vector<std::string> options;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
      if (!line.empty()) options.push_back(line);
    return options;
  }

  // Prints the three-page report and renders what the device got; the red box of each page.
  std::vector<RedBox> PrintAndRender(const std::vector<std::string>& options, const std::string& name) {
    std::remove(server_->OutputFile("teldwm").c_str());
    const int job = server_->Submit("teldwm", std::string(ZQ_SOURCE_DIR) + "/samples/report.ps", options);
    EXPECT_GT(job, 0) << server_->error();
    if (job <= 0) return {};
    const auto state = server_->Wait(job);
    EXPECT_EQ(state.stateText, "completed") << server_->JobLog(job);
    const std::string out = ReadFile(server_->OutputFile("teldwm"));
    const size_t begin = out.find(kEnterPs);
    EXPECT_NE(begin, std::string::npos);
    if (begin == std::string::npos || out.size() < kTrailer.size()) return {};
    const std::string ps = server_->root() + "/" + name + ".ps";
    std::ofstream(ps) << out.substr(begin + kEnterPs.size(), out.size() - kTrailer.size() - begin - kEnterPs.size());
    const std::string pages = server_->root() + "/" + name + "-%d.ppm";
    const auto gs = zqtest::RunCommand({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sPAPERSIZE=a4", "-dFIXEDMEDIA",
                                        "-r72", "-sDEVICE=ppmraw", "-sOutputFile=" + pages, ps});
    EXPECT_EQ(gs.status, 0) << gs.err;
    std::vector<RedBox> boxes;
    for (int page = 1; page <= 3; ++page) {
      char path[512];
      std::snprintf(path, sizeof path, pages.c_str(), page);
      boxes.push_back(FindRed(path));
    }
    return boxes;
  }

  static std::unique_ptr<CupsServer> server_;
  static std::string ppdPath_;
};
std::unique_ptr<CupsServer> WatermarkQueue::server_;
std::string WatermarkQueue::ppdPath_;

// Red, full density, in millimetres: 40 right and 30 down from the centre of A4.
std::string Make(const std::string& name) {
  return "click 1006\ntype 2000 " + name + "\ntype 1002 WMARK\ncolor 1003 1 0 0 1\ntype 1014 100\n"
         "type 1122 40\ntype 1125 -30\n";
}

TEST_F(WatermarkQueue, ChosenWatermarkIsPrintedOnEveryPageAtItsOffset) {
  const std::vector<RedBox> pages = PrintAndRender(DialogOptions(Make("Flat") + "slide 1009 0\nclick 1030\n"), "flat");
  ASSERT_EQ(pages.size(), 3u);
  // A4 is 595 x 842 points; the offsets are 113.4 points right and 85 points down.
  for (const RedBox& box : pages) {
    ASSERT_GT(box.count, 100);
    EXPECT_NEAR(box.cx(), 297.5 + 113.4, 25);
    EXPECT_NEAR(box.cy(), 421 + 85, 25);
    EXPECT_GT(box.right - box.left, 3 * (box.bottom - box.top)) << "written along the line at 0 degrees";
  }
}

TEST_F(WatermarkQueue, FirstPageOnlyAndTheAngleReachTheDevice) {
  const std::vector<RedBox> pages =
      PrintAndRender(DialogOptions(Make("Upright") + "slide 1009 90\nclick 1030\nclick 1009\n"), "upright");
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_GT(pages[0].count, 100);
  EXPECT_GT(pages[0].bottom - pages[0].top, 3 * (pages[0].right - pages[0].left)) << "turned by 90 degrees";
  EXPECT_EQ(pages[1].count, 0);
  EXPECT_EQ(pages[2].count, 0);
}

// The preview's portrait sheet is 120 units wide with its centre at x = 113
// of the view; its probed row through the text's middle.
TEST_F(WatermarkQueue, TextIsCentredOnPaperWhereThePreviewShowsIt) {
  std::string probes;
  for (int x = 53; x <= 173; ++x) probes += "pixel 1033 " + std::to_string(x) + " 95\n";
  std::string transcript;
  const auto options = DialogOptions("click 1006\ntype 2000 Centred\ntype 1002 WMARK\ncolor 1003 1 0 0 1\n"
                                     "type 1014 100\nselect 1202 \"Times-Roman\"\ntype 1204 100\nslide 1009 0\n" +
                                         probes + "click 1030\n",
                                     &transcript);
  int left = 1 << 30, right = -1;
  std::istringstream lines(transcript);
  for (std::string line; std::getline(lines, line);) {
    int x = 0, r = 0, g = 0, b = 0;
    if (std::sscanf(line.c_str(), "pixel: 1033 %d %*d = %d %d %d", &x, &r, &g, &b) == 4 && r > 200 && g < 90 &&
        b < 90) {
      left = std::min(left, x), right = std::max(right, x);
    }
  }
  ASSERT_GT(right, left) << transcript;
  const double preview = ((left + right) / 2.0 - 113) / 60;  // a share of the half sheet

  const std::vector<RedBox> pages = PrintAndRender(options, "centred");
  ASSERT_EQ(pages.size(), 3u);
  ASSERT_GT(pages[0].count, 100);
  EXPECT_NEAR((pages[0].cx() - 297.5) / 297.5, preview, 0.05) << "paper and preview disagree";
  EXPECT_NEAR(pages[0].cx(), 297.5, 6) << "the text is not centred across the sheet";
  EXPECT_NEAR(pages[0].cy(), 421, 10) << "the text is not centred down the sheet";
}

}  // namespace
