// The features panel's choices through the real scheduler and the ARK job
// filter: the ticket becomes the finishing rows, the typed toner rate the
// reduction-rate lines, an ordinary option the PPD's own code, and the
// staple and punch choices the job-information lines.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "cups_server.h"

namespace {

using zqtest::CupsServer;
using zqtest::ReadFile;

TEST(FeaturesQueue, FinishingChosenInThePrintDialogReachesTheDevice) {
  CupsServer server({std::string(ZQ_BIN_DIR) + "/ark-job-filter"});
  if (!server.running()) GTEST_SKIP() << "no private scheduler: " << server.error();
  const std::string ppd = std::string(ZQ_SOURCE_DIR) + "/ppd/zq-ark-features.ppd";
  ASSERT_TRUE(server.AddQueue("features", ppd)) << server.error();

  const auto dialog = zqtest::RunCommand({std::string(ZQ_BIN_DIR) + "/printdialog", "--ppd", ppd, "--bundles",
                                          std::string(ZQ_BUNDLES_DIR), "--script",
                                          std::string(ZQ_SOURCE_DIR) + "/samples/ark-features.script",
                                          "--cups-options"});
  ASSERT_EQ(dialog.status, 0) << dialog.err;
  // The job carries the ticket and the choices marked in the PPD.
  std::vector<std::string> options = {dialog.out};
  std::istringstream lines(dialog.err);
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("ppd: ", 0) == 0) options.push_back(line.substr(5));

  const int job = server.Submit("features", std::string(ZQ_SOURCE_DIR) + "/samples/report.ps", options, "Report");
  ASSERT_GT(job, 0) << server.error();
  ASSERT_EQ(server.Wait(job).stateText, "completed") << server.JobLog(job);
  const std::string out = ReadFile(server.OutputFile("features"));
  // The tab margin (8.5 mm) and the number (11) were set in their windows.
  for (const char* line : {"@PJL SET JOBATTR=\"@TABS=85\"\n", "@PJL SET JOBATTR=\"@MDOC=11\"\n",
                           "@PJL SET JOBATTR=\"@TRMR", "@PJL SET JOBOFFSET=PAGES\n", "@PJL SET JOBATTR=\"@FACE=", "@PJL SET ECONOMODE=ON\n",
                           "@PJL SET REDUCTIONRATE=25\n", "/StapleDetails<</Type 1/Position 1>>",
                           // Stapled top left, punched on the left edge with four holes.
                           "@PJL COMMENT ZQJOBINFO STAPLE=ON\n", "@PJL COMMENT ZQJOBINFO PUNCH=ON\n",
                           "@PJL COMMENT ZQJOBINFO STAPLEEX=TOPLEFT\n",
                           "@PJL COMMENT ZQJOBINFO PUNCHEX=HOLES[FOUR]:LOCATION[LEFT]\n"})
    EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out.substr(0, 1500);
}

}  // namespace
