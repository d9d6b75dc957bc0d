// PostScript as Linux programs make it (a PDF converted by Ghostscript's
// ps2write, then CUPS's pstops in the queue) has no "ep" or "endp" page
// procedures. Every edition must still pass it through so that the device
// draws exactly what the user printed, and a watermark the user chose,
// which no page end is there to draw, is said not printed in the job log.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "cups_server.h"

namespace {

using zqtest::CupsServer;
using zqtest::ReadFile;
using zqtest::RunCommand;

const std::string kEnterPs = "@PJL ENTER LANGUAGE=POSTSCRIPT\n";
// A PDF every CUPS installation carries.
const std::string kPdf = "/usr/share/cups/data/default-testpage.pdf";

// A text watermark's ticket as the Watermark extension writes it.
std::vector<std::string> WatermarkOptions(const std::string& ns) {
  std::vector<std::string> options{"number-up=1"};
  for (const char* entry :
       {"WMARKNameTicket=4472616674", "WMARKTypeTicket=0", "WMARKTextTicket=(DRAFT)", "WMARKFontTicket=Courier",
        "WMARKFontSizeTicket=48", "WMARKFontTypeTicket=0", "WMARKColorRTicket=1", "WMARKColorGTicket=0",
        "WMARKColorBTicket=0", "WMARKColorATicket=1", "WMARKDensityTicket=100", "WMARKAngleTicket=0",
        "WMARKOrientationTicket=1", "WMARKPaperHeightTicket=792", "WMARKPaperWidthTicket=612",
        "WMARKWidthTicket=140", "WMARKHeightTicket=24", "WMARKhOffsetTicket=0", "WMARKvOffsetTicket=0",
        "WMARKOptionsTicket=1", "WMARKOnlyFirstTicket=0"})
    options.push_back(ns + entry);
  return options;
}

// The pages as Ghostscript draws them, at a low resolution.
std::string Render(const std::string& ps) {
  const auto gs = RunCommand({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-r36", "-sDEVICE=ppmraw",
                              "-sOutputFile=-", ps});
  EXPECT_EQ(gs.status, 0) << ps << "\n" << gs.err;
  return gs.out;
}

class LinuxPostScript : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<CupsServer>(std::vector<std::string>{std::string(ZQ_BIN_DIR) + "/teld-job-filter",
                                                                    std::string(ZQ_BIN_DIR) + "/ark-job-filter",
                                                                    std::string(ZQ_BIN_DIR) + "/kv29-job-filter"});
    if (!server_->running()) return;
    for (const char* edition : {"teld", "ark", "kv29"})
      server_->AddQueue(edition, std::string(ZQ_SOURCE_DIR) + "/ppd/zq-" + edition + "-sample.ppd");
  }
  static void TearDownTestSuite() { server_.reset(); }
  void SetUp() override {
    if (!server_->running()) GTEST_SKIP() << "no private scheduler: " << server_->error();
    if (!std::filesystem::exists(kPdf)) GTEST_SKIP() << kPdf << " is not installed";
  }
  static std::unique_ptr<CupsServer> server_;
};
std::unique_ptr<CupsServer> LinuxPostScript::server_;

TEST_F(LinuxPostScript, Ps2writeJobRendersAsItsInputAndSaysItsWatermarkWasNotPrinted) {
  const std::string input = server_->root() + "/testpage.ps";
  const auto convert = RunCommand({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=ps2write",
                                   "-sOutputFile=" + input, kPdf});
  ASSERT_EQ(convert.status, 0) << convert.err;
  const std::string expected = Render(input);
  ASSERT_FALSE(expected.empty());

  for (const char* edition : {"teld", "ark", "kv29"}) {
    std::remove(server_->OutputFile(edition).c_str());
    const std::string ns = std::string(edition) == "ark" ? "com.tavelle.qdm.printsettings." : "com.tavelle.kvb.printsettings.";
    const int job = server_->Submit(edition, input, WatermarkOptions(ns), "Test page");
    ASSERT_GT(job, 0) << server_->error();
    const zqtest::JobState state = server_->Wait(job);
    const std::string log = server_->JobLog(job);
    ASSERT_EQ(state.stateText, "completed") << edition << "\n" << log;
    EXPECT_NE(log.find("pstops"), std::string::npos) << edition << ": the job did not go through pstops\n" << log;
    EXPECT_NE(log.find("Watermark not printed: "), std::string::npos) << edition << ": reported as printed\n" << log;

    const std::string out = ReadFile(server_->OutputFile(edition));
    const size_t begin = out.find(kEnterPs);
    ASSERT_NE(begin, std::string::npos) << edition;
    // The PostScript ends at the end-of-job byte (when the edition writes one).
    const size_t start = begin + kEnterPs.size();
    size_t end = out.find('\x04', start);
    if (end == std::string::npos) end = out.rfind("\x1b%-12345X");
    if (end == std::string::npos || end < start) end = out.size();
    const std::string sent = server_->root() + "/" + edition + "-sent.ps";
    std::ofstream(sent, std::ios::binary) << out.substr(start, end - start);
    EXPECT_TRUE(Render(sent) == expected) << edition << ": the device would draw other pages";
  }
}

}  // namespace
