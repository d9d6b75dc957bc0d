// The TELD filter as CUPS runs it: real jobs through a private scheduler,
// the job stream read back from the queue's device file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "cups_server.h"

namespace {

using zqtest::CupsServer;
using zqtest::ReadFile;

const std::string kUel = "\x1b%-12345X";
const std::string kEnterPs = "@PJL ENTER LANGUAGE=POSTSCRIPT\n";
const std::string kTrailer = "\x04\x1b%-12345X@PJL EOJ\n";

class TeldQueue : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<CupsServer>(std::vector<std::string>{std::string(ZQ_BIN_DIR) + "/teld-job-filter"});
    if (server_->running()) {
      const std::string ppd = std::string(ZQ_SOURCE_DIR) + "/ppd/zq-teld-sample.ppd";
      server_->AddQueue("teld", ppd);
      server_->AddQueue("teldslow", ppd, /*slow=*/true);
    }
  }
  static void TearDownTestSuite() { server_.reset(); }
  void SetUp() override {
    if (!server_->running()) GTEST_SKIP() << "no private scheduler: " << server_->error();
  }

  // Runs one job to its end and returns what reached the device.
  std::string Print(const std::string& file, const std::vector<std::string>& options, zqtest::JobState& state,
                    const std::string& title = "E2E job") {
    std::remove(server_->OutputFile("teld").c_str());
    const int job = server_->Submit("teld", file, options, title);
    EXPECT_GT(job, 0) << server_->error();
    if (job <= 0) return {};
    state = server_->Wait(job);
    jobLog_ = server_->JobLog(job);
    return ReadFile(server_->OutputFile("teld"));
  }

  static std::unique_ptr<CupsServer> server_;
  std::string jobLog_;
};
std::unique_ptr<CupsServer> TeldQueue::server_;

TEST_F(TeldQueue, PlainJobReachesTheDeviceWhole) {
  zqtest::JobState state;
  const std::string out = Print(std::string(ZQ_SOURCE_DIR) + "/samples/report.ps", {"number-up=1"}, state);
  ASSERT_EQ(state.stateText, "completed") << jobLog_;
  ASSERT_EQ(out.rfind(kUel, 0), 0u) << out.substr(0, 200);
  EXPECT_NE(out.find("@PJL SET STRINGCODESET=\"UTF8\"\n@PJL JOB MODE=PRINTER\r\n"), std::string::npos);
  const size_t ps = out.find(kEnterPs);
  ASSERT_NE(ps, std::string::npos);
  // The pages arrive in order, and the stream closes with 0x04 and the trailer.
  size_t at = ps;
  for (int page = 1; page <= 3; ++page) {
    at = out.find("Quarterly report, page " + std::to_string(page), at);
    EXPECT_NE(at, std::string::npos) << "page " << page;
  }
  ASSERT_GE(out.size(), kTrailer.size());
  EXPECT_EQ(out.substr(out.size() - kTrailer.size()), kTrailer);
  EXPECT_EQ(out.find('\x04'), out.size() - kTrailer.size()) << "exactly one 0x04";
  EXPECT_NE(jobLog_.find("PAGE: 3"), std::string::npos) << jobLog_;
}

// The options of the demo's secure-print job with a text watermark.
std::vector<std::string> SecureWatermarkOptions() {
  std::ifstream in(std::string(ZQ_SOURCE_DIR) + "/samples/secure-watermark.options");
  std::vector<std::string> options;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) options.push_back(line);
  }
  return options;
}

// The toner saver as the queue's PPD offers it: "On" saves toner, "Off"
// says so to the device too.
TEST_F(TeldQueue, TonerSaverOfThePpdReachesTheDevice) {
  for (const auto& [choice, line] : {std::pair{"true", "@PJL SET ECONOMODE=ON\n@PJL SET REDUCTIONRATE=0\n"},
                                     std::pair{"false", "@PJL SET ECONOMODE=OFF\n@PJL SET REDUCTIONRATE=0\n"}}) {
    zqtest::JobState state;
    const std::string out = Print(std::string(ZQ_SOURCE_DIR) + "/samples/report.ps",
                                  {std::string("ZQTonerSaver=") + choice}, state);
    ASSERT_EQ(state.stateText, "completed") << jobLog_;
    EXPECT_NE(out.find(line), std::string::npos) << choice << "\n" << out.substr(0, 800);
  }
}

TEST_F(TeldQueue, WatermarkedSecureJobRendersWithTheWatermarkOnEveryPage) {
  zqtest::JobState state;
  const std::string out = Print(std::string(ZQ_SOURCE_DIR) + "/samples/report.ps", SecureWatermarkOptions(), state);
  ASSERT_EQ(state.stateText, "completed") << jobLog_;
  for (const char* line : {"@PJL SET HOLD=STORE\n", "@PJL SET HOLDTYPE=PRIVATE\n", "@PJL SET USERNAME=\"alice\"\r\n",
                           "@PJL SET HOLDENCRYPTKEY=\"MTIzNA==\"\r\n"}) {
    EXPECT_NE(out.find(line), std::string::npos) << line;
  }
  // The PostScript the device gets, as Ghostscript renders it to text.
  const size_t begin = out.find(kEnterPs) + kEnterPs.size();
  const size_t end = out.size() - kTrailer.size();
  const std::string ps = server_->root() + "/watermarked.ps";
  std::ofstream(ps) << out.substr(begin, end - begin);
  const auto gs = zqtest::RunCommand(
      {"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=txtwrite", "-sOutputFile=-", ps});
  ASSERT_EQ(gs.status, 0) << gs.err;
  size_t marks = 0;
  for (size_t p = gs.out.find("CONFIDENTIAL"); p != std::string::npos; p = gs.out.find("CONFIDENTIAL", p + 1)) ++marks;
  EXPECT_EQ(marks, 3u) << gs.out;
  EXPECT_NE(gs.out.find("Quarterly report, page 3"), std::string::npos) << gs.out;
}

TEST_F(TeldQueue, HostileOptionsAndTitleInjectNothing) {
  const std::string ns = "com.tavelle.kvb.printsettings.";
  const std::vector<std::string> options = {
      ns + "PrintTypeTicketKey=2",
      ns + "PrintTypeUserNameTicketKey=eve\"\r\n@PJL SET INJECTED=1",
      ns + "PrintTypePasswordTicketKey=" + std::string(5000, 'p'),
      ns + "DocumentNameTicketKey=\x1b%-12345X@PJL INJECTED",
      ns + "WMARKTextTicket=(unterminated",
      ns + "PrintTypeProductTypeTicketKey=99999999999999999999",
      ns + "JBAUserIDTextEditTicket=\xff\xfe\xc0\x80",
  };
  zqtest::JobState state;
  const std::string out =
      Print(std::string(ZQ_SOURCE_DIR) + "/samples/report.ps", options, state, "title\r\n@PJL INJECTED=2");
  ASSERT_EQ(state.stateText, "completed") << jobLog_;
  EXPECT_EQ(out.find("INJECTED"), std::string::npos);
  EXPECT_EQ(out.find("\r\n@PJL SET INJ"), std::string::npos);
  EXPECT_EQ(out.find(kUel), 0u);
  EXPECT_EQ(out.find(kUel, 1), out.size() - kTrailer.size() + 1) << "no second universal exit";
  EXPECT_EQ(jobLog_.find("crashed"), std::string::npos) << jobLog_;
}

TEST_F(TeldQueue, CancelWhilePrintingEndsTheJobAsCanceled) {
  // A long document on a slow device: the job is still in progress when
  // it is cancelled.
  const std::string file = server_->root() + "/long.ps";
  {
    std::ofstream ps(file);
    ps << "%!PS-Adobe-3.0\n%%EndComments\n%%BeginProlog\n/bp { gsave } bind def\n"
          "/ep { grestore showpage } bind def\n%%EndProlog\n";
    for (int page = 1; page <= 4000; ++page) {
      ps << "%%Page: " << page << " " << page << "\nbp\n";
      for (int i = 0; i < 20; ++i) ps << "72 " << 700 - i * 20 << " moveto (line " << i << ") show\n";
      ps << "ep\n";
    }
  }
  std::remove(server_->OutputFile("teldslow").c_str());
  const int job = server_->Submit("teldslow", file, {});
  ASSERT_GT(job, 0) << server_->error();
  ASSERT_TRUE(server_->WaitProcessing(job)) << server_->JobLog(job);
  ASSERT_TRUE(server_->Cancel(job));
  const auto state = server_->Wait(job);
  EXPECT_EQ(state.stateText, "canceled") << server_->JobLog(job);
  EXPECT_EQ(server_->JobLog(job).find("crashed"), std::string::npos);
  const std::string out = ReadFile(server_->OutputFile("teldslow"));
  EXPECT_LT(out.size(), ReadFile(file).size()) << "the job did not run to its end";
}

TEST_F(TeldQueue, UnreadablePrintFileEndsAsTheFilterSays) {
  // A queue whose filter takes the spooled PostScript itself (argv[6]), so
  // the filter is the one that finds the file unreadable.
  std::string ppd = ReadFile(std::string(ZQ_SOURCE_DIR) + "/ppd/zq-teld-sample.ppd");
  const std::string filterLine = "*cupsFilter: \"application/vnd.cups-postscript 0 teld-job-filter\"";
  ASSERT_NE(ppd.find(filterLine), std::string::npos);
  ppd.replace(ppd.find(filterLine), filterLine.size(),
              "*cupsFilter2: \"application/postscript application/vnd.cups-postscript 0 teld-job-filter\"");
  const std::string ppdPath = server_->root() + "/direct.ppd";
  std::ofstream(ppdPath) << ppd;
  ASSERT_TRUE(server_->AddQueue("teld-direct", ppdPath)) << server_->error();

  const int job = server_->Submit("teld-direct", std::string(ZQ_SOURCE_DIR) + "/samples/report.ps",
                                  {"job-hold-until=indefinite"});
  ASSERT_GT(job, 0) << server_->error();
  char spool[64];
  std::snprintf(spool, sizeof spool, "/spool/d%05d-001", job);
  ASSERT_EQ(chmod((server_->root() + spool).c_str(), 0), 0);
  ASSERT_EQ(zqtest::RunCommand({"lp", "-i", std::to_string(job), "-H", "resume"}).status, 0);

  const auto state = server_->Wait(job);
  const std::string log = server_->JobLog(job);
  // The scheduler holds a job whose filter failed as stopped (aborted under
  // some policies); never completed.
  EXPECT_TRUE(state.stateText == "stopped" || state.stateText == "aborted") << state.stateText << "\n" << log;
  EXPECT_NE(log.find("Unable to open print file"), std::string::npos) << log;
  EXPECT_EQ(ReadFile(server_->OutputFile("teld-direct")), "") << "no job stream at all";
}

TEST_F(TeldQueue, SecurePrintChosenInTheTeldAccountPanelReachesTheDevice) {
  // The TELD Account extension writes the kvb keys the TELD filter reads.
  const auto dialog = zqtest::RunCommand(
      {std::string(ZQ_BIN_DIR) + "/printdialog", "--ppd", std::string(ZQ_SOURCE_DIR) + "/ppd/zq-teld-sample.ppd",
       "--bundles", std::string(ZQ_BUNDLES_DIR), "--script",
       std::string(ZQ_SOURCE_DIR) + "/samples/teld-secure-print.script", "--cups-options"},
      {"ZQ_ROOT=" + server_->root()});
  ASSERT_EQ(dialog.status, 0) << dialog.err;
  ASSERT_NE(dialog.err.find("print: allowed"), std::string::npos) << dialog.err;
  const std::string key = "com.tavelle.kvb.printsettings.PrintTypePasswordTicketKey=";
  const size_t at = dialog.out.find(key);
  ASSERT_NE(at, std::string::npos) << dialog.out;
  const std::string scrambled = dialog.out.substr(at + key.size(), dialog.out.find(' ', at) - at - key.size());
  zqtest::JobState state;
  const std::string out = Print(std::string(ZQ_SOURCE_DIR) + "/samples/report.ps", {dialog.out}, state, "Report");
  ASSERT_EQ(state.stateText, "completed") << jobLog_;
  for (const std::string& line : std::vector<std::string>{"@PJL SET HOLD=STORE\n", "@PJL SET HOLDTYPE=PRIVATE\n", "@PJL SET USERNAME=\"alice\"\r\n",
                                 "@PJL SET JOBNAME=\"Quarterly report\"\r\n",
                                 "@PJL SET HOLDENCRYPTKEY=\"" + scrambled + "\"\r\n"}) {
    EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out.substr(0, 800);
  }
  EXPECT_EQ(out.find("4711"), std::string::npos) << "the pass code travels scrambled";
  EXPECT_EQ(out.substr(out.size() - kTrailer.size()), kTrailer);
}

}  // namespace
