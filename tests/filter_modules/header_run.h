#pragma once
// Runs the ticket and header steps of one job with a chosen host name, so
// the scenario tests can state the exact PJL lines.
#include <functional>
#include <string>
#include <vector>

#include "core/dispatch.h"
#include "core/job.h"
#include "editions/teld/teld_profile.h"
#include "filter_harness.h"

namespace zqtest {

inline HeaderRun RunHeader(const std::string& options, const std::string& ppdPath = "",
                           const std::string& host = "mac1", const std::string& user = "alice",
                           const std::string& title = "Report", const std::string& copies = "1") {
  JobSpec spec;
  spec.options = options;
  spec.ppdPath = ppdPath;
  spec.user = user;
  spec.title = title;
  spec.copies = copies;
  return RunHeaderOf(zqf::TeldProfile(), spec, host);
}

// The header's lines without the fixed head (UEL, code set, job mode) and
// without the closing "@PJL ENTER LANGUAGE=POSTSCRIPT".
inline std::vector<std::string> ModuleLines(const std::string& stream) {
  std::vector<std::string> lines = HeaderLines(stream);
  std::vector<std::string> kept;
  for (const auto& l : lines) {
    if (l.rfind("@PJL SET STRINGCODESET=", 0) == 0 || l == "@PJL JOB MODE=PRINTER\r\n") continue;
    kept.push_back(l);
  }
  return kept;
}

// The module lines without the identity lines every job carries (CNAM,
// LUNA, NLPP): what the direct writers and the job-information block add.
inline std::vector<std::string> WriterLines(const std::string& stream) {
  std::vector<std::string> kept;
  for (const auto& l : ModuleLines(stream)) {
    if (l.rfind("@PJL SET JOBATTR=\"@CNAM=", 0) == 0 || l.rfind("@PJL SET JOBATTR=\"@LUNA=", 0) == 0 ||
        l.rfind("@PJL SET JOBATTR=\"@NLPP=", 0) == 0) {
      continue;
    }
    kept.push_back(l);
  }
  return kept;
}

// Runs some module steps on a TELD job with these options; returns what
// they wrote (and, with `log`, what they logged).
inline std::string RunSteps(const std::string& options, const std::function<void(zqf::Job&)>& steps,
                            std::string* log = nullptr) {
  std::string out, ownErr;
  std::string& err = log != nullptr ? *log : ownErr;
  zqf::Stream outStream(&out), errStream(&err);
  zqf::Job job(zqf::TeldProfile(), {"teld-job-filter", "1", "alice", "Report", "1", options}, outStream, errStream);
  job.options = zqf::Options(options.c_str());
  steps(job);
  outStream.Flush();
  errStream.Flush();
  return out;
}

// Text split after each line feed.
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    size_t nl = text.find('\n', start);
    if (nl == std::string::npos) nl = text.size() - 1;
    lines.push_back(text.substr(start, nl - start + 1));
    start = nl + 1;
  }
  return lines;
}

inline size_t Occurrences(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) ++n;
  return n;
}

// A ticket key of the TELD namespace.
inline std::string K(const std::string& name) { return "com.tavelle.kvb.printsettings." + name; }

}  // namespace zqtest
