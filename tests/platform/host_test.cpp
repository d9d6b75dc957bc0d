#include <gtest/gtest.h>

#include "test_support.h"
#include "zqp/events.h"
#include "zqp/host.h"
#include "zqp/ppd.h"

namespace {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string err;
    ppd_ = zqp::PpdFile::Open(dir_.file("t.ppd", zqtest::SamplePpd()), &err);
    ASSERT_NE(ppd_, nullptr) << err;
    zqp::EventLog::Shared().Clear();
  }
  zqtest::TempDir dir_;
  std::unique_ptr<zqp::PpdFile> ppd_;
};

TEST_F(HostTest, OpensWithDefaultsMarked) {
  EXPECT_EQ(zqp::MarkedChoice(ppd_->get(), "ZQColorMode"), "Color");
  EXPECT_EQ(zqp::MarkedChoice(ppd_->get(), "ZQStaple"), "False");
  EXPECT_EQ(zqp::MarkedChoice(ppd_->get(), "NoSuchOption"), "");
}

TEST_F(HostTest, MarksAcceptedChoicesAndRecordsEveryRequest) {
  zqp::Host host(ppd_->get());
  std::vector<std::string> told;
  host.setMarkListener([&](const std::string& o, const std::string& c) { told.push_back(o + "=" + c); });

  EXPECT_TRUE(host.willChangePPDOptionKeyValue("ZQColorMode", "Gray"));
  EXPECT_EQ(zqp::MarkedChoice(ppd_->get(), "ZQColorMode"), "Gray");
  // Unknown options and choices are refused and change nothing.
  EXPECT_FALSE(host.willChangePPDOptionKeyValue("ZQColorMode", "Sepia"));
  EXPECT_FALSE(host.willChangePPDOptionKeyValue("Nope", "x"));
  EXPECT_EQ(zqp::MarkedChoice(ppd_->get(), "ZQColorMode"), "Gray");

  host.refuse("ZQStaple=True");
  EXPECT_FALSE(host.willChangePPDOptionKeyValue("ZQStaple", "True"));
  EXPECT_EQ(zqp::MarkedChoice(ppd_->get(), "ZQStaple"), "False");
  host.setRefuseAll(true);
  EXPECT_FALSE(host.willChangePPDOptionKeyValue("ZQColorMode", "Color"));

  ASSERT_EQ(host.markRequests().size(), 5u);
  EXPECT_TRUE(host.markRequests()[0].accepted);
  EXPECT_EQ(told, std::vector<std::string>{"ZQColorMode=Gray"});
  const auto& ev = zqp::EventLog::Shared().events();
  ASSERT_EQ(ev.size(), 5u);
  EXPECT_EQ(ev[0].Line(), "mark: ZQColorMode=Gray accepted");
  EXPECT_EQ(ev[3].Line(), "mark: ZQStaple=True refused");
}

TEST_F(HostTest, SessionCarriesPpdAndPaper) {
  zqp::Host host(ppd_->get());
  EXPECT_EQ(host.printSession()->GetPPD(), ppd_->get());
  zqp::PrintSession::Datum d;
  EXPECT_EQ(host.printSession()->GetDataFromSession(zqp::kPPDReferenceKey, d), zqp::kNoErr);
  zqp::Rect r;
  host.printSession()->pageFormat().GetUnadjustedPaperRect(r);
  EXPECT_DOUBLE_EQ(r.right - r.left, 595);  // A4 is the default
  EXPECT_DOUBLE_EQ(r.bottom - r.top, 842);
  EXPECT_DOUBLE_EQ(r.left, -12);
}

TEST(PpdFile, UnreadableFileGivesMessage) {
  zqtest::TempDir dir;
  std::string err;
  EXPECT_EQ(zqp::PpdFile::Open(dir.path() + "/missing.ppd", &err), nullptr);
  EXPECT_NE(err.find("missing.ppd"), std::string::npos);
  EXPECT_EQ(zqp::PpdFile::Open(dir.file("bad.ppd", "not a ppd\n"), &err), nullptr);
  EXPECT_NE(err.find("bad.ppd"), std::string::npos);
}

}  // namespace
