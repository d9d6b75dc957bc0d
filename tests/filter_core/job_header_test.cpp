// The job header of the TELD edition, byte for byte, for the encodings a
// PPD can announce.
#include <gtest/gtest.h>

#include "core/platform_points.h"
#include "editions/teld/teld_profile.h"
#include "filter_harness.h"

namespace {

using zqtest::JobSpec;
using zqtest::PpdBuilder;

const std::string kUel = "\x1b%-12345X";
const std::string kJobMode = "@PJL JOB MODE=PRINTER\r\n";
const std::string kEnterPs = "@PJL ENTER LANGUAGE=POSTSCRIPT\n";
const std::string kTrailer = "\x04\x1b%-12345X@PJL EOJ\n";

// The identity lines the job-authentication module writes for every job.
std::string Identity() {
  std::string host;
  zqf::getHostName(host);
  return (host.empty() ? std::string("@PJL SET JOBATTR=\"@CNAM=UnknownHost\"\n")
                       : "@PJL SET JOBATTR=\"@CNAM=" + host + "\"\n") +
         "@PJL SET JOBATTR=\"@LUNA=alice\"\n@PJL SET JOBATTR=\"@NLPP=1\"\n";
}

const std::string kRender = "@PJL SET RENDERMODE=GRAYSCALE\n";
// Booklet direction, written for UTF-8 printers only.
const std::string kBookletDirection = "@PJL SET JOBATTR=\"@DIND=PORTRAIT\"\n";
// The job-information block of a job without options.
const std::string kJobInfo =
    "@PJL COMMENT ZQJOBINFO VERSION=1.3.0\n@PJL COMMENT ZQJOBINFO BEGIN\n"
    "@PJL COMMENT ZQJOBINFO PDLTYPE=PDL[POSTSCRIPT]:VERSION[3]\n@PJL COMMENT ZQJOBINFO JOBTYPE=PRINT\n"
    "@PJL COMMENT ZQJOBINFO DUPLEXTYPE=SIMPLEX\n@PJL COMMENT ZQJOBINFO COLORMODE=GRAYSCALE\n"
    "@PJL COMMENT ZQJOBINFO NUP=1\n@PJL COMMENT ZQJOBINFO END\n";

std::string Minimal(const std::string& codeSetLine, const std::string& ps, const std::string& writers = kRender) {
  return kUel + codeSetLine + kJobMode + Identity() + writers + kEnterPs + ps + kTrailer;
}

TEST(JobHeader, MinimalJobIsExact) {
  JobSpec spec;
  spec.postscript = "%!PS\nshowpage\n";
  spec.ppdPath = PpdBuilder().QuotedAttr("ZQPrinterLanguageEncoding", "UTF-8").Write();
  auto r = zqtest::RunInProcess(zqf::TeldProfile(), spec);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Minimal("@PJL SET STRINGCODESET=\"UTF8\"\n", spec.postscript, kBookletDirection + kRender));
}

TEST(JobHeader, CodeSetFollowsThePrinterEncoding) {
  struct Case {
    const char* attr;  // nullptr: no attribute
    std::string line;
    std::string writers;  // the direct writers' lines and the job-information block
  } cases[] = {
      {"UTF-8", "@PJL SET STRINGCODESET=\"UTF8\"\n", kBookletDirection + kRender},
      {"JIS83-RKSJ", "@PJL SET STRINGCODESET=\"SJISX0208\"\n", kRender + kJobInfo},
      {"ISOLatin1", "@PJL SET STRINGCODESET=\"HPROMAN8\"\n", kRender + kJobInfo},
      {nullptr, "@PJL SET STRINGCODESET=\"SJISX0208\"\n", kRender},
      {"WindowsANSI", "", kRender + kJobInfo},
  };
  for (const auto& c : cases) {
    PpdBuilder ppd;
    if (c.attr != nullptr) ppd.QuotedAttr("ZQPrinterLanguageEncoding", c.attr);
    JobSpec spec;
    spec.postscript = "%!PS\n";
    spec.ppdPath = ppd.Write();
    auto r = zqtest::RunInProcess(zqf::TeldProfile(), spec);
    EXPECT_EQ(r.out, Minimal(c.line, spec.postscript, c.writers)) << (c.attr ? c.attr : "(none)");
  }
}

TEST(JobHeader, UnreadablePpdGivesNoCodeSetLine) {
  JobSpec spec;
  spec.postscript = "%!PS\n";
  spec.ppdPath = "/nonexistent/printer.ppd";
  auto r = zqtest::RunInProcess(zqf::TeldProfile(), spec);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Minimal("", spec.postscript));
}

}  // namespace
