// The image options chosen in the print dialog reach the device through the
// scheduler: the dialog marks PPD choices, the desktop's print system hands
// the marked choices to CUPS with the job, and the ARK filter passes each
// one's own PostScript code to the device.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "cups_server.h"

namespace {

using zqtest::CupsServer;
using zqtest::ReadFile;

class ImageOptionsQueue : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<CupsServer>(std::vector<std::string>{std::string(ZQ_BIN_DIR) + "/ark-job-filter"});
    if (server_->running()) server_->AddQueue("img", std::string(ZQ_SOURCE_DIR) + "/ppd/zq-ark-image-sample.ppd");
  }
  static void TearDownTestSuite() { server_.reset(); }
  void SetUp() override {
    if (!server_->running()) GTEST_SKIP() << "no private scheduler: " << server_->error();
  }
  static std::unique_ptr<CupsServer> server_;
};
std::unique_ptr<CupsServer> ImageOptionsQueue::server_;

// The dialog's "ppd:" lines of the image options as CUPS job options.
std::string MarkedOptions(const std::string& transcript) {
  std::istringstream lines(transcript);
  std::string options;
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("ppd: ZQ", 0) == 0) options += (options.empty() ? "" : " ") + line.substr(5);
  return options;
}

TEST_F(ImageOptionsQueue, MarkedChoicesReachTheDeviceAsThePPDsOwnCode) {
  const std::string script = std::filesystem::temp_directory_path() / ("zq-img-" + std::to_string(getpid()) + ".script");
  std::ofstream(script) << "panel com.tavelle.r15.pde.ImageOptionsKind\nshow\nslide 102 2\nclick 1042\n"
                           "select 107 \"Saturation\"\nclick 110\nclick 3101\nselect 3102 3\nstep 3603 up 3\n"
                           "click 3703\nclick 105\nselect 502 \"Adobe RGB\"\nclick 540\nprint\nppd\n";
  const auto dialog = zqtest::RunCommand({std::string(ZQ_BIN_DIR) + "/printdialog", "--ppd",
                                          std::string(ZQ_SOURCE_DIR) + "/ppd/zq-ark-image-sample.ppd", "--bundles",
                                          std::string(ZQ_BUNDLES_DIR), "--script", script, "--cups-options"});
  std::filesystem::remove(script);
  ASSERT_EQ(dialog.status, 0) << dialog.err;
  const std::string marks = MarkedOptions(dialog.err);
  ASSERT_NE(marks.find("ZQColorDensityYellowLow=+3"), std::string::npos) << dialog.err;

  const int job = server_->Submit("img", std::string(ZQ_SOURCE_DIR) + "/samples/report.ps", {dialog.out, marks}, "Colour");
  ASSERT_GT(job, 0) << server_->error();
  ASSERT_EQ(server_->Wait(job).stateText, "completed") << server_->JobLog(job);
  const std::string out = ReadFile(server_->OutputFile("img"));
  for (const char* code : {"userdict /ZQBrightness (Bright2) put", "userdict /ZQRGBCorrection (Saturation) put",
                           "userdict /ZQColorBalanceAdjustment (True) put", "userdict /ZQColorDensityYellowLow (+3) put",
                           "userdict /ZQRGBInputProfile (AdobeRGB) put"}) {
    EXPECT_NE(out.find(code), std::string::npos) << code << "\n" << out.substr(0, 3000);
  }
  EXPECT_NE(out.find("Quarterly report, page 3"), std::string::npos);
}

}  // namespace
