// Ghostscript runs the PostScript the filter program writes for a document
// of ours with a text watermark and separator pages: the job must run to
// its end, show the watermark on the pages it belongs on, and leave the
// operand stack as it found it, however many pages there are.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "page_document.h"
#include "watermark_ticket.h"

namespace {

using zqtest::JobSpec;
using zqtest::K;

struct GsRun {
  int status = -1;
  std::string stdoutText;          // the stack depth and save level, and any error
  std::vector<std::string> pages;  // the text of each page
};

// Runs Ghostscript's text device over the PostScript, one text file per
// page, and prints the operand stack depth and the save level after the
// document.
GsRun Ghostscript(const std::string& postscript) {
  GsRun run;
  char dirTemplate[] = "/tmp/zqgsXXXXXX";
  const char* dir = mkdtemp(dirTemplate);
  if (dir == nullptr) return run;
  const std::string base = dir;
  {
    std::ofstream(base + "/job.ps", std::ios::binary) << postscript;
  }
  const std::string command = "gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=txtwrite -sOutputFile=" + base +
                              "/page%d.txt " + base + "/job.ps -c 'count == vmstatus pop pop ==' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) run.stdoutText.append(buf, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  for (int p = 1;; ++p) {
    const std::string path = base + "/page" + std::to_string(p) + ".txt";
    std::ifstream in(path, std::ios::binary);
    if (!in) break;
    std::ostringstream text;
    text << in.rdbuf();
    run.pages.push_back(text.str());
    std::remove(path.c_str());
  }
  std::remove((base + "/job.ps").c_str());
  rmdir(dir);
  return run;
}

std::string FilteredPostScript(int pages, const std::string& options) {
  JobSpec spec;
  spec.options = options;
  spec.postscript = zqtest::PageSaveDocument(pages, true);
  const auto r = zqtest::RunProgram(zqtest::BinPath("teld-job-filter"), spec);
  EXPECT_EQ(r.status, 0) << r.err;
  return zqtest::PostScriptPart(r.out);
}

const std::string kSeparators = K("SeparatorPageListTicket") + "=2 " + K("SeparatorPageTicket") + "='1 2' ";

// Stack depth and save level of the document as it came, without snippets.
std::string Baseline() {
  static const std::string baseline = Ghostscript(zqtest::PageSaveDocument(2, true)).stdoutText;
  return baseline;
}

TEST(WatermarkGhostscript, WatermarkOnEveryPageAndAStackThatDoesNotGrow) {
  ASSERT_EQ(Baseline().substr(0, 2), "0\n");
  for (int pages : {2, 6}) {
    const std::string ps = FilteredPostScript(pages, kSeparators + zqtest::WatermarkTicket({{"WMARKAngleTicket", "45"}}));
    ASSERT_NE(ps.find("CONFIDENTIAL"), std::string::npos);
    ASSERT_NE(ps.find("SeparatorPages[1 2]"), std::string::npos);
    const GsRun gs = Ghostscript(ps);
    EXPECT_EQ(gs.status, 0) << gs.stdoutText;
    // Nothing the document or the snippets did is left on the stack, and
    // no save level is left open.
    EXPECT_EQ(gs.stdoutText, Baseline()) << pages << " pages";
    ASSERT_EQ(gs.pages.size(), static_cast<size_t>(pages));
    for (int p = 0; p < pages; ++p) {
      EXPECT_NE(gs.pages[p].find("CONFIDENTIAL"), std::string::npos) << "page " << p + 1;
      EXPECT_NE(gs.pages[p].find("Body of page " + std::to_string(p + 1)), std::string::npos) << "page " << p + 1;
    }
  }
}

TEST(WatermarkGhostscript, FirstPageOnly) {
  const std::string ps = FilteredPostScript(3, zqtest::WatermarkTicket({{"WMARKOnlyFirstTicket", "1"}}));
  const GsRun gs = Ghostscript(ps);
  EXPECT_EQ(gs.status, 0) << gs.stdoutText;
  EXPECT_EQ(gs.stdoutText, Baseline());
  ASSERT_EQ(gs.pages.size(), 3u);
  EXPECT_NE(gs.pages[0].find("CONFIDENTIAL"), std::string::npos);
  EXPECT_EQ(gs.pages[1].find("CONFIDENTIAL"), std::string::npos);
  EXPECT_EQ(gs.pages[2].find("CONFIDENTIAL"), std::string::npos);
}

// The secure-print job with a text watermark that the README prints.
TEST(WatermarkGhostscript, SecurePrintWithAWatermarkOnTheSamplePrinter) {
  const std::string ns = "com.tavelle.kvb.printsettings.";
  const std::string options =
      ns + "PrintTypeTicketKey=2 " + ns + "PrintTypeUserNameTicketKey=alice " + ns +
      "PrintTypePasswordTicketKey=MTIzNA== " + ns + "DocumentNameTypeTicketKey=2 " + ns +
      "DocumentNameTicketKey=Report " + ns + "WMARKNameTicket=436f6e666964656e7469616c " + ns +
      "WMARKTypeTicket=0 " + ns + "WMARKOnlyFirstTicket=0 " + ns + "WMARKTextTicket=(CONFIDENTIAL) " + ns +
      "WMARKFontTicket=Helvetica-Bold " + ns + "WMARKFontSizeTicket=48 " + ns + "WMARKColorRTicket=1.0 " + ns +
      "WMARKColorGTicket=0.0 " + ns + "WMARKColorBTicket=0.0 " + ns + "WMARKDensityTicket=60 " + ns +
      "WMARKAngleTicket=45 " + ns + "WMARKOrientationTicket=1 " + ns + "WMARKPaperWidthTicket=595 " + ns +
      "WMARKPaperHeightTicket=842 " + ns + "WMARKWidthTicket=330 " + ns + "WMARKHeightTicket=48 " + ns +
      "WMARKhOffsetTicket=0 " + ns + "WMARKvOffsetTicket=0";
  JobSpec spec;
  spec.options = options;
  spec.postscript = zqtest::PageSaveDocument(3);
  spec.ppdPath = ZQ_SAMPLE_PPD;
  const auto r = zqtest::RunProgram(zqtest::BinPath("teld-job-filter"), spec);
  ASSERT_EQ(r.status, 0) << r.err;
  const auto header = zqtest::HeaderLines(r.out);
  const std::vector<std::string> hold = {"@PJL SET HOLD=STORE\n", "@PJL SET HOLDTYPE=PRIVATE\n",
                                         "@PJL SET USERNAME=\"alice\"\r\n",
                                         "@PJL SET HOLDENCRYPTKEY=\"MTIzNA==\"\r\n",
                                         "@PJL SET JOBNAME=\"Report\"\r\n"};
  ASSERT_GE(header.size(), 3 + hold.size());
  EXPECT_EQ(std::vector<std::string>(header.begin() + 2, header.begin() + 2 + hold.size()), hold);
  const GsRun gs = Ghostscript(zqtest::PostScriptPart(r.out));
  EXPECT_EQ(gs.status, 0) << gs.stdoutText;
  ASSERT_EQ(gs.pages.size(), 3u);
  for (const auto& page : gs.pages) EXPECT_NE(page.find("CONFIDENTIAL"), std::string::npos);
}

}  // namespace
