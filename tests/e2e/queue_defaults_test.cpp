// A queue's own defaults, set with lpadmin -o, live only in the queue's PPD:
// a plain lp job must reach the device with them, as a job naming them does.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>

#include "cups_server.h"

namespace {

using zqtest::CupsServer;
using zqtest::ReadFile;

class QueueDefaults : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<CupsServer>(std::vector<std::string>{std::string(ZQ_BIN_DIR) + "/ark-job-filter",
                                                                    std::string(ZQ_BIN_DIR) + "/teld-job-filter"});
  }
  static void TearDownTestSuite() { server_.reset(); }
  void SetUp() override {
    if (!server_->running()) GTEST_SKIP() << "no private scheduler: " << server_->error();
  }

  static std::string Ppd(const char* name) { return std::string(ZQ_SOURCE_DIR) + "/ppd/" + name; }

  // The PJL header of one job printed with lp on the queue.
  std::string Header(const std::string& queue, const std::vector<std::string>& options) {
    std::remove(server_->OutputFile(queue).c_str());
    const int job = server_->Submit(queue, std::string(ZQ_SOURCE_DIR) + "/samples/report.ps", options, "Report");
    EXPECT_GT(job, 0) << server_->error();
    if (job <= 0) return {};
    EXPECT_EQ(server_->Wait(job).stateText, "completed") << server_->JobLog(job);
    const std::string out = ReadFile(server_->OutputFile(queue));
    return out.substr(0, out.find("@PJL ENTER LANGUAGE=POSTSCRIPT"));
  }

  static std::unique_ptr<CupsServer> server_;
};
std::unique_ptr<CupsServer> QueueDefaults::server_;

void ExpectLines(const std::string& header, std::initializer_list<const char*> lines) {
  for (const char* line : lines) EXPECT_NE(header.find(line), std::string::npos) << line << "\n" << header;
}

TEST_F(QueueDefaults, APlainJobGetsTheQueuesBookletAndStapleAsAJobNamingThem) {
  const std::vector<std::string> choices = {"ZQSignature=LeftSig", "ZQSigVol=10Sheets", "ZQStaple=UpperLeftSingle"};
  ASSERT_TRUE(server_->AddQueue("feat", Ppd("zq-ark-features.ppd"), false, choices)) << server_->error();
  ASSERT_TRUE(server_->AddQueue("plain", Ppd("zq-ark-features.ppd"))) << server_->error();

  const std::string queued = Header("feat", {});
  ExpectLines(queued, {"@PJL SET JOBATTR=\"@DIBB=LEFT\"\n", "@PJL SET JOBATTR=\"@DIBK=MANUALDIVIDE\"\n",
                       "ZQJOBINFO BOOKLETTYPE=TYPE[MANUALDIVIDE]:THRESHOLD[10]\n", "ZQJOBINFO STAPLE=ON\n",
                       "ZQJOBINFO STAPLEEX=TOPLEFT\n", "ZQJOBINFO DUPLEXTYPE=TUMBLE\n"});
  EXPECT_EQ(queued, Header("plain", choices));
}

TEST_F(QueueDefaults, AJobsOwnOptionGoesWithTheQueuesDefaultOfItsPartner) {
  ASSERT_TRUE(server_->AddQueue("punch", Ppd("zq-ark-features.ppd"), false, {"ZQPunch=Left"})) << server_->error();
  const std::string header = Header("punch", {"ZQNumPunchHoles=4Holes"});
  ExpectLines(header, {"ZQJOBINFO PUNCH=ON\n", "ZQJOBINFO PUNCHEX=HOLES[FOUR]:LOCATION[LEFT]\n"});
  // Options set with lpoptions arrive with the job and win over the queue's.
  EXPECT_NE(Header("punch", {"ZQPunch=None"}).find("ZQJOBINFO PUNCH=OFF\n"), std::string::npos);
}

TEST_F(QueueDefaults, TheTeldQueuesTonerSaverReachesTheDevice) {
  ASSERT_TRUE(server_->AddQueue("saver", Ppd("zq-teld-sample.ppd"), false, {"ZQTonerSaver=true"}))
      << server_->error();
  const std::string header = Header("saver", {});
  ExpectLines(header, {"@PJL SET ECONOMODE=ON\n"});
  EXPECT_EQ(header.find("ECONOMODE=OFF"), std::string::npos) << header;
}

}  // namespace
