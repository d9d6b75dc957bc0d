// The features panel's windows through the real scheduler and the ARK job
// filter: a person opens the tab margin, number-in-sequence, booklet margin
// and trimmer windows, types, steps, switches units and presses OK or
// Cancel; the device stream must then carry the committed values exactly as
// the ticket holds them (tenths of a millimetre for the tab shift and the
// trimmers' finished sizes, twice the millimetres for the booklet margin),
// never a value the window refused or a Cancel threw away.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cups_server.h"

namespace {

using zqtest::CupsServer;
using zqtest::ReadFile;

const std::string kNs = "com.tavelle.qdm.printsettings.";

std::string Attr(const std::string& value) { return "@PJL SET JOBATTR=\"@" + value + "\"\n"; }

// The filter's booklet snippets, each in its non-PPD-feature frame.
std::string NonPPD(const std::string& body) {
  return "[{\n%%BeginNonPPDFeatures\n" + body + "%%EndNonPPDFeatures\n} stopped cleartomark\n";
}
std::string BookletShift(const std::string& ticketValue) {
  return NonPPD(ticketValue + ".000/Custom/ProcSet findresource/setsignatureimageshift get exec\n");
}
std::string AutoScale(bool on) {
  return NonPPD(std::string("/Custom/ProcSet findresource/setsignatureautoscale 2 copy known {get ") +
                (on ? "true" : "false") + " exch exec} {pop pop} ifelse\n");
}
const char* const kAnyBookletShift = "/setsignatureimageshift";

struct WindowsCase {
  const char* name;
  // The person's actions in the features panel (shown, on "Advanced Features").
  std::vector<std::string> actions;
  // Ticket entries after printing (names without the namespace).
  std::map<std::string, std::string> ticket;
  std::vector<std::string> present;  // in the device stream
  std::vector<std::string> absent;   // nowhere in it
  // The alerts' informative keys, in order; any other alert is a fault.
  std::vector<std::string> alerts = {};
};

void PrintTo(const WindowsCase& c, std::ostream* os) { *os << c.name; }

// Tags: tab margin setup 101 (window: mm field 213, inch field 211, inches
// radio 216, OK 217, Cancel 218); number in sequence setup 111 (field 612,
// stepper 613, Cancel 616, OK 617); booklet switch 106 and setup 107
// (window: auto fit 310, mm field 313, inch field 311, inches radio 316,
// OK 317, Cancel 318); trimmer setup 112 (single-cut window: mm field
// 8008, mm stepper 8009, inch field 8003, inches radio 8005, OK 8011,
// Cancel 8012; three-edge window: height field 9007, width field 9017 and
// stepper 9018, adjustment field 9025, OK 9028).
const std::vector<std::string> kBookletOn = {"select 2 \"Layout\"", "select #ZQSignature \"Booklet\"", "click 106"};
// A booklet of A4 pages is folded from A3: the trimmer's finished width
// lies within 190.0-208.0 mm, a trim of 8.0 mm below half the long edge.
const std::vector<std::string> kSingleCut = {"select 2 \"Advanced Features\"", "select #ZQTrimming \"Single Cut\"",
                                             "click 112"};

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

const WindowsCase kCases[] = {
    {"MillimetresTypedAndStepped",
     Join({{"click #ZQTabMarginShiftEx", "click 101", "type 213 8.5", "click 217",  //
            "click #ZQTabNumberInSequence", "click 111", "type 612 12", "step 613 up", "click 617"},
           kBookletOn,
           {"click 107", "type 313 10", "click 317"},
           kSingleCut,
           {"type 8008 200.0", "step 8009 up", "click 8011"}}),
     {{"TabMarginSwitchTicket", "1"},
      {"TabMarginMMShiftTicket", "85"},
      {"NumInSequenceSwitchTicket", "1"},
      {"NumInSequenceLArrowTicket", "13"},
      {"BookletMarginSwitchTicket", "1"},
      {"BookletMarginMMShiftTicket", "20"},
      {"AutoFitSwitchTicket", "1"},
      {"TrimmerSelectTicket", "2"},
      {"TrimmerMMShiftTicket", "99"},
      {"TrimmerMMCuttingSizeTicket", "2001"}},
     {Attr("TABS=85"), Attr("MDOC=13"), BookletShift("20") + AutoScale(true),
      Attr("TRMR=2001") + Attr("TRFW=0") + Attr("TROP=0")},
     {Attr("TABS=OFF"), Attr("MDOC=0"), Attr("TRMR=0")}},

    // Typed in inches: the millimetre keys the filter reads follow by the
    // windows' own conversion (0.59 in is 15.0 mm, 1.0 in is 25 mm; a
    // finished width of 7.90 in on A3 is a trim of 9.3 mm), and the stepper
    // stops at its maximum.
    {"InchesAndTheLimits",
     Join({{"click #ZQTabMarginShiftEx", "click 101", "click 216", "type 211 0.59", "click 217",  //
            "click #ZQTabNumberInSequence", "click 111", "type 612 254", "step 613 up", "click 617"},
           kBookletOn,
           {"click 107", "click 316", "type 311 1.0", "click 310", "click 317"},
           kSingleCut,
           {"click 8005", "type 8003 7.90", "click 8011"}}),
     {{"TabMarginInchesShiftTicket", "59"},
      {"TabMarginMMShiftTicket", "150"},
      {"NumInSequenceLArrowTicket", "254"},
      {"BookletMarginInchesShiftTicket", "10"},
      {"BookletMarginMMShiftTicket", "50"},
      {"AutoFitSwitchTicket", "0"},
      {"TrimmerInchesShiftTicket", "37"},
      {"TrimmerMMShiftTicket", "93"},
      {"TrimmerMMCuttingSizeTicket", "2007"}},
     {Attr("TABS=150"), Attr("MDOC=254"), BookletShift("50") + AutoScale(false), Attr("TRMR=2007")},
     {Attr("MDOC=255"), AutoScale(true)}},

    // A refused value keeps the window open until it is mended; Cancel
    // throws away what was typed since the last OK.
    {"RefusedAndCancelledValuesNeverReachTheDevice",
     Join({{"click #ZQTabMarginShiftEx", "click 101", "type 213 15.1", "answer 0", "click 217", "type 213 3.0",
            "click 217", "click 101", "type 213 9.9", "click 218",  //
            "click #ZQTabNumberInSequence", "click 111", "type 612 255", "answer 0", "click 617", "type 612 7",
            "click 617", "click 111", "type 612 99", "click 616"},
           kBookletOn,
           {"click 107", "type 313 5", "click 317", "click 107", "type 313 20", "click 318"},
           kSingleCut,
           {"type 8008 208.1", "answer 0", "click 8011", "type 8008 195.5", "click 8011", "click 112",
            "type 8008 190.0", "click 8012"}}),
     {{"TabMarginMMShiftTicket", "30"},
      {"NumInSequenceLArrowTicket", "7"},
      {"BookletMarginMMShiftTicket", "10"},
      {"TrimmerMMCuttingSizeTicket", "1955"}},
     {Attr("TABS=30"), Attr("MDOC=7"), BookletShift("10") + AutoScale(true), Attr("TRMR=1955")},
     {Attr("TABS=151"), Attr("TABS=99"), Attr("MDOC=255"), Attr("MDOC=99"), BookletShift("40"), Attr("TRMR=2081"),
      Attr("TRMR=1900")},
     {"Message22b", "Message22k", "Message51"}},

    // The windows write their keys whatever the panel's switches; the
    // switches alone decide what the device is told.
    {"SwitchesOffOverrideTheWindows",
     Join({{"click #ZQTabMarginShiftEx", "click 101", "type 213 5.0", "click 217", "click #ZQTabMarginShiftEx",
            "click #ZQTabNumberInSequence", "click 111", "type 612 9", "click 617", "click #ZQTabNumberInSequence"},
           kBookletOn,
           {"click 107", "type 313 10", "click 317", "click 106"},
           kSingleCut,
           {"type 8008 200.0", "click 8011", "select #ZQTrimming \"Off\""}}),
     {{"TabMarginSwitchTicket", "0"},
      {"TabMarginMMShiftTicket", "50"},
      {"NumInSequenceSwitchTicket", "0"},
      {"NumInSequenceLArrowTicket", "9"},
      {"BookletMarginSwitchTicket", "0"},
      {"BookletMarginMMShiftTicket", "20"},
      {"TrimmerSelectTicket", "1"},
      {"TrimmerMMCuttingSizeTicket", "2000"}},
     {Attr("TABS=OFF"), Attr("MDOC=0")},
     {Attr("TABS=50"), Attr("MDOC=9"), kAnyBookletShift, "/setsignatureautoscale", "@TRMR", "@TRFW", "@TROP"}},

    // Three edges on an A4 booklet (sheet 297.0 x 420.0 mm): the finished
    // width, height and the signed adjustment of the height cuts each take
    // their own row.
    {"ThreeEdgeTrimmer",
     {"select 2 \"Layout\"", "select #ZQSignature \"Booklet\"", "select 2 \"Advanced Features\"",
      "select #ZQTrimming \"Three Edges\"", "click 112", "type 9025 -1.5", "type 9007 250.0", "type 9017 200.0",
      "step 9018 up", "click 9028"},
     {{"TrimmerSelectTicket", "3"},
      {"TrimmerWidthMMSizeTicket", "2001"},
      {"TrimmerHeightMMSizeTicket", "2500"},
      {"TrimmerAdjustMMSizeTicket", "-15"}},
     {Attr("TRMR=2001") + Attr("TRFW=2500") + Attr("TROP=-15")},
     {Attr("TRFW=0"), Attr("TROP=0"), kAnyBookletShift}},
};

class FeaturesWindowsQueue : public ::testing::TestWithParam<WindowsCase> {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<CupsServer>(std::vector<std::string>{std::string(ZQ_BIN_DIR) + "/ark-job-filter"});
    if (server_->running()) server_->AddQueue("features-windows", Ppd());
  }
  static void TearDownTestSuite() { server_.reset(); }
  void SetUp() override {
    if (!server_->running()) GTEST_SKIP() << "no private scheduler: " << server_->error();
  }
  static std::string Ppd() { return std::string(ZQ_SOURCE_DIR) + "/ppd/zq-ark-features.ppd"; }

  static std::unique_ptr<CupsServer> server_;
};
std::unique_ptr<CupsServer> FeaturesWindowsQueue::server_;

TEST_P(FeaturesWindowsQueue, CommittedWindowValuesReachTheDeviceAsTheTicketCarriesThem) {
  const WindowsCase& c = GetParam();
  const std::string script = server_->root() + "/" + c.name + ".script";
  {
    std::ofstream s(script);
    s << "panel com.tavelle.r15.pde.PrintFeaturesKind\nshow\nselect 2 \"Advanced Features\"\n";
    for (const std::string& line : c.actions) s << line << "\n";
    s << "print\nticket\nppd\n";
  }
  const auto dialog = zqtest::RunCommand({std::string(ZQ_BIN_DIR) + "/printdialog", "--ppd", Ppd(), "--bundles",
                                          std::string(ZQ_BUNDLES_DIR), "--script", script, "--cups-options"});
  ASSERT_EQ(dialog.status, 0) << dialog.err;
  ASSERT_NE(dialog.err.find("print: allowed"), std::string::npos) << dialog.err;
  std::map<std::string, std::string> ticket;
  std::vector<std::string> alerts;
  std::vector<std::string> options = {dialog.out};
  std::istringstream lines(dialog.err);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("ppd: ", 0) == 0) options.push_back(line.substr(5));
    if (line.rfind("alert: ", 0) == 0) {
      const size_t last = line.rfind(" \"");
      alerts.push_back(last == std::string::npos ? line : line.substr(last + 2, line.size() - last - 3));
    }
    if (line.rfind("ticket: " + kNs, 0) == 0) {
      const std::string entry = line.substr(8 + kNs.size());
      const size_t eq = entry.find('=');
      if (eq != std::string::npos) ticket[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
  }
  EXPECT_EQ(alerts, c.alerts) << dialog.err;
  for (const auto& [key, value] : c.ticket) EXPECT_EQ(ticket[key], value) << key << "\n" << dialog.err;

  const int job = server_->Submit("features-windows", std::string(ZQ_SOURCE_DIR) + "/samples/report.ps", options,
                                  "Report");
  ASSERT_GT(job, 0) << server_->error();
  ASSERT_EQ(server_->Wait(job).stateText, "completed") << server_->JobLog(job);
  const std::string out = ReadFile(server_->OutputFile("features-windows"));
  ASSERT_NE(out.find("Quarterly report, page 3"), std::string::npos) << out.substr(0, 2000);
  for (const std::string& text : c.present) EXPECT_NE(out.find(text), std::string::npos) << text << "\n" << out;
  for (const std::string& text : c.absent) EXPECT_EQ(out.find(text), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Windows, FeaturesWindowsQueue, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<WindowsCase>& info) { return info.param.name; });

}  // namespace
