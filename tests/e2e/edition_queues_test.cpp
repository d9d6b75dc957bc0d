// The ARK and kv29 filters as CUPS runs them, with the sample PPDs of their
// editions.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "cups_server.h"

namespace {

using zqtest::CupsServer;
using zqtest::ReadFile;

const std::string kUel = "\x1b%-12345X";
const std::string kEnterPs = "@PJL ENTER LANGUAGE=POSTSCRIPT\n";

class EditionQueues : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<CupsServer>(std::vector<std::string>{
        std::string(ZQ_BIN_DIR) + "/ark-job-filter", std::string(ZQ_BIN_DIR) + "/kv29-job-filter"});
    if (server_->running()) {
      server_->AddQueue("ark", std::string(ZQ_SOURCE_DIR) + "/ppd/zq-ark-sample.ppd");
      server_->AddQueue("kv29", std::string(ZQ_SOURCE_DIR) + "/ppd/zq-kv29-sample.ppd");
    }
  }
  static void TearDownTestSuite() { server_.reset(); }
  void SetUp() override {
    if (!server_->running()) GTEST_SKIP() << "no private scheduler: " << server_->error();
  }

  std::string Print(const std::string& queue, const std::vector<std::string>& options, std::string& state) {
    const int job = server_->Submit(queue, std::string(ZQ_SOURCE_DIR) + "/samples/report.ps", options, "Report");
    EXPECT_GT(job, 0) << server_->error();
    if (job <= 0) return {};
    state = server_->Wait(job).stateText;
    log_ = server_->JobLog(job);
    return ReadFile(server_->OutputFile(queue));
  }

  static std::unique_ptr<CupsServer> server_;
  std::string log_;
};
std::unique_ptr<CupsServer> EditionQueues::server_;

TEST_F(EditionQueues, ArkSecurePrintOnAUtf8Product) {
  const std::string ns = "com.tavelle.qdm.printsettings.";
  std::string state;
  const std::string out =
      Print("ark", {ns + "PrintTypeTicketKey=2", ns + "PrintTypeUserNameTicketKey=alice",
                    ns + "PrintTypePasswordTicketKey=MTIzNA=="},
            state);
  ASSERT_EQ(state, "completed") << log_;
  EXPECT_EQ(out.rfind(kUel + "@PJL SET STRINGCODESET=UTF8\n@PJL JOB MODE=PRINTER\r\n", 0), 0u) << out.substr(0, 200);
  for (const char* line : {"@PJL SET HOLD=STORE\n", "@PJL SET HOLDTYPE=PRIVATE\n", "@PJL SET USERNAME=\"alice\"\r\n",
                           "@PJL SET HOLDENCRYPTKEY=\"MTIzNA==\"\r\n", "@PJL COMMENT ZQJOBINFO VERSION=1.5.0\n"}) {
    EXPECT_NE(out.find(line), std::string::npos) << line;
  }
  EXPECT_NE(out.find("Quarterly report, page 3"), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - 19), "\x04\x1b%-12345X@PJL EOJ\n");
}

TEST_F(EditionQueues, SecurePrintChosenInThePrintDialogReachesTheDevice) {
  // The print dialog writes the ticket; lp hands it to the scheduler as the
  // job's options, as the desktop's print system does.
  const auto dialog = zqtest::RunCommand(
      {std::string(ZQ_BIN_DIR) + "/printdialog", "--ppd", std::string(ZQ_SOURCE_DIR) + "/ppd/zq-ark-sample.ppd",
       "--bundles", std::string(ZQ_BUNDLES_DIR), "--script",
       std::string(ZQ_SOURCE_DIR) + "/samples/ark-secure-print.script", "--cups-options"});
  ASSERT_EQ(dialog.status, 0) << dialog.err;
  ASSERT_NE(dialog.err.find("print: allowed"), std::string::npos) << dialog.err;
  std::string state;
  const std::string out = Print("ark", {dialog.out}, state);
  ASSERT_EQ(state, "completed") << log_;
  for (const char* line : {"@PJL SET HOLD=STORE\n", "@PJL SET HOLDTYPE=PRIVATE\n", "@PJL SET USERNAME=\"alice\"\r\n",
                           "@PJL SET JOBNAME=\"Quarterly report\"\r\n"}) {
    EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out.substr(0, 600);
  }
  // The pass code travels scrambled, exactly as the dialog wrote it.
  const std::string key = "com.tavelle.qdm.printsettings.PrintTypePasswordTicketKey=";
  const size_t at = dialog.out.find(key);
  ASSERT_NE(at, std::string::npos);
  const std::string scrambled = dialog.out.substr(at + key.size(), dialog.out.find(' ', at) - at - key.size());
  EXPECT_NE(out.find("@PJL SET HOLDENCRYPTKEY=\"" + scrambled + "\"\r\n"), std::string::npos) << scrambled;
}

TEST_F(EditionQueues, AccountingDetailsEnteredAtPrintReachTheDevice) {
  const auto dialog = zqtest::RunCommand(
      {std::string(ZQ_BIN_DIR) + "/printdialog", "--ppd", std::string(ZQ_SOURCE_DIR) + "/ppd/zq-ark-sample.ppd",
       "--bundles", std::string(ZQ_BUNDLES_DIR), "--script",
       std::string(ZQ_SOURCE_DIR) + "/samples/ark-accounting-at-print.script", "--cups-options"});
  ASSERT_EQ(dialog.status, 0) << dialog.err;
  ASSERT_NE(dialog.err.find("modal: open Job Authentication - Enter User Details"), std::string::npos) << dialog.err;
  std::string state;
  const std::string out = Print("ark", {dialog.out}, state);
  ASSERT_EQ(state, "completed") << log_;
  for (const char* line : {"@PJL SET JOBATTR=\"@JOAU=carol\"\r\n", "@PJL SET JOBATTR=\"@DAID=acct9\"\r\n",
                           "@PJL SET JOBATTR=\"@HOAD=", "@PJL SET JOBATTR=\"@CNAM="}) {
    EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out.substr(0, 800);
  }
  // The password goes to the device scrambled, never as typed.
  EXPECT_EQ(out.find("pass1234"), std::string::npos);
  EXPECT_NE(out.find("@PJL SET JOBATTR=\"@JOEP="), std::string::npos);
}

// The special-pages dialog run with settings (may be empty) and a script,
// printed on the ARK queue; the device's JTIF ticket, checked well-formed
// with xmllint, is read back by XPath.
class SpecialPagesJob {
 public:
  std::string out, xmlPath, failure;
  std::string operator()(const std::string& path) const {
    std::string v = zqtest::RunCommand({"xmllint", "--nonet", "--xpath", "string(" + path + ")", xmlPath}).out;
    while (!v.empty() && v.back() == '\n') v.pop_back();
    return v;
  }
};

#define PRINT_SPECIAL_PAGES(job, settings, script)                                                             \
  {                                                                                                            \
    std::vector<std::string> args = {std::string(ZQ_BIN_DIR) + "/printdialog", "--ppd",                       \
                                     std::string(ZQ_SOURCE_DIR) + "/ppd/zq-ark-sample.ppd", "--bundles",        \
                                     std::string(ZQ_BUNDLES_DIR), "--script", script, "--cups-options"};        \
    if (!std::string(settings).empty()) {                                                                      \
      args.push_back("--settings");                                                                            \
      args.push_back(settings);                                                                                \
    }                                                                                                          \
    const auto dialog = zqtest::RunCommand(args);                                                              \
    ASSERT_EQ(dialog.status, 0) << dialog.err;                                                                 \
    std::string state;                                                                                         \
    job.out = Print("ark", {dialog.out}, state);                                                               \
    ASSERT_EQ(state, "completed") << log_;                                                                     \
    const size_t begin = job.out.find("<?xml"), end = job.out.find("</jtif>\n");                               \
    ASSERT_NE(begin, std::string::npos) << job.out.substr(0, 800);                                            \
    ASSERT_NE(end, std::string::npos);                                                                         \
    job.xmlPath = ::testing::TempDir() + "/special-pages-jtif.xml";                                            \
    std::ofstream(job.xmlPath) << job.out.substr(begin, end + 8 - begin);                                      \
    const auto lint = zqtest::RunCommand({"xmllint", "--noout", "--nonet", job.xmlPath});                     \
    ASSERT_EQ(lint.status, 0) << lint.err;                                                                     \
  }

TEST_F(EditionQueues, SpecialPagesReachTheDeviceAsAJobTicket) {
  SpecialPagesJob xpath;
  PRINT_SPECIAL_PAGES(xpath, std::string(ZQ_SOURCE_DIR) + "/samples/ark-special-pages.settings",
                      std::string(ZQ_SOURCE_DIR) + "/samples/ark-special-pages.script");
  // Each page with its paper.
  EXPECT_EQ(xpath("//cover-front/cover-type"), "print-front");
  EXPECT_EQ(xpath("//cover-front/media-col/media-type"), "STATIONERY");
  EXPECT_EQ(xpath("//cover-front/media-col/media-color"), "white");
  EXPECT_EQ(xpath("//cover-front//x-dimension"), "21000");
  EXPECT_EQ(xpath("//cover-back/media-col/media-type"), "interposer");
  EXPECT_EQ(xpath("//insert-sheet/value/insert-after-page-number"), "2");
  EXPECT_EQ(xpath("//insert-sheet/value/insert-count"), "2");
  EXPECT_EQ(xpath("//insert-sheet/value/media-col/media-color"), "yellow");
  EXPECT_EQ(xpath("//page-overrides/value/pages//lower-bound"), "3");
  EXPECT_EQ(xpath("//page-overrides/value/pages//upper-bound"), "4");
  EXPECT_EQ(xpath("//page-overrides/value/sides"), "two-sided-long-edge");
  EXPECT_EQ(xpath("//page-overrides/value/media-col/media-type"), "THICK1");
  EXPECT_EQ(xpath("//page-overrides//media-size/x-dimension"), "14800");
}

TEST_F(EditionQueues, Kv29MailboxChosenInTheKv29AccountPanelReachesTheDevice) {
  // Mailbox print is 5 on both sides: the kv29 panel writes it, the kv29 filter boxes the job.
  const auto dialog = zqtest::RunCommand(
      {std::string(ZQ_BIN_DIR) + "/printdialog", "--ppd", std::string(ZQ_SOURCE_DIR) + "/ppd/zq-kv29-sample.ppd",
       "--bundles", std::string(ZQ_BUNDLES_DIR), "--script",
       std::string(ZQ_SOURCE_DIR) + "/samples/kv29-mailbox.script", "--cups-options"},
      {"ZQ_ROOT=" + server_->root()});
  ASSERT_EQ(dialog.status, 0) << dialog.err;
  ASSERT_NE(dialog.out.find("com.tavelle.kvb.printsettings.PrintTypeTicketKey=5 "), std::string::npos) << dialog.out;
  std::string state;
  const std::string out = Print("kv29", {dialog.out}, state);
  ASSERT_EQ(state, "completed") << log_;
  for (const char* line : {"@PJL SET HOLD=BOXSTORE\n", "@PJL SET BOXNUMBER=12\r\n", "@PJL SET JOBNAME=\"Quarterly\"\r\n",
                           "@PJL SET BOXENCRYPTKEY=\""}) {
    EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out.substr(0, 800);
  }
  EXPECT_EQ(out.find("2468"), std::string::npos) << "the box pass code travels scrambled";
}

TEST_F(EditionQueues, AnExceptionMadeInItsWindowReachesTheDevice) {
  const std::string script = ::testing::TempDir() + "/special-pages-window.script";
  std::ofstream(script) << "panel \"Special Pages\"\nshow\nclick 102\ntype 1001 \"10-12\"\nselect 1005 3\n"
                           "click 1011\nprint\n";
  SpecialPagesJob xpath;
  PRINT_SPECIAL_PAGES(xpath, "", script);
  EXPECT_EQ(xpath("//page-overrides/value/pages//lower-bound"), "10");
  EXPECT_EQ(xpath("//page-overrides/value/pages//upper-bound"), "12");
  EXPECT_EQ(xpath("//page-overrides/value/sides"), "two-sided-short-edge");
}

// The whole road through the windows: a front cover on coloured paper,
// inserts after pages 2 and 5 and pages 3-4 two-sided reach the device as
// those records and no others.
TEST_F(EditionQueues, RecordsMadeInTheWindowsReachTheDeviceAsExactlyThoseRecords) {
  const std::string script = ::testing::TempDir() + "/special-pages-windows.script";
  std::ofstream(script) << "panel \"Special Pages\"\nshow\n"
                           "click 100\nselect 801 1\nselect 804 \"Color/Blue\"\nselect 806 1\nclick 811\n"
                           "click 101\ntype 903 \"2,5\"\nclick 911\n"
                           "click 102\ntype 1001 \"3-4\"\nselect 1005 2\nclick 1011\nprint\n";
  SpecialPagesJob xpath;
  PRINT_SPECIAL_PAGES(xpath, "", script);
  EXPECT_EQ(xpath("count(//cover-front)"), "1");
  EXPECT_EQ(xpath("count(//cover-back)"), "0");
  EXPECT_EQ(xpath("//cover-front/cover-type"), "print-front");
  EXPECT_EQ(xpath("//cover-front/media-col/media-color"), "blue");
  EXPECT_EQ(xpath("count(//insert-sheet/value)"), "2");
  EXPECT_EQ(xpath("//insert-sheet/value[1]/insert-after-page-number"), "2");
  EXPECT_EQ(xpath("//insert-sheet/value[2]/insert-after-page-number"), "5");
  EXPECT_EQ(xpath("//insert-sheet/value[2]/insert-count"), "1");
  EXPECT_EQ(xpath("count(//page-overrides/value)"), "1");
  EXPECT_EQ(xpath("//page-overrides/value/pages//lower-bound"), "3");
  EXPECT_EQ(xpath("//page-overrides/value/pages//upper-bound"), "4");
  EXPECT_EQ(xpath("//page-overrides/value/sides"), "two-sided-long-edge");
}

TEST_F(EditionQueues, Kv29JobHasItsCommentsAndNoTrailer) {
  std::string state;
  const std::string out = Print("kv29", {}, state);
  ASSERT_EQ(state, "completed") << log_;
  EXPECT_EQ(out.rfind(kUel + "@PJL SET STRINGCODESET=\"SJISX0208\"\n@PJL COMMENT DATE=", 0), 0u)
      << out.substr(0, 200);
  EXPECT_NE(out.find("@PJL COMMENT DNAME=Report\n"), std::string::npos);
  EXPECT_EQ(out.find("@PJL JOB MODE"), std::string::npos);
  EXPECT_NE(out.find(kEnterPs), std::string::npos);
  ASSERT_FALSE(out.empty());
  EXPECT_EQ(out.back(), '\x04') << "the kv29 stream ends with the end-of-job byte, no trailer";
  EXPECT_EQ(out.find("@PJL EOJ"), std::string::npos);
}

}  // namespace
