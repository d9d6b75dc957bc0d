#pragma once
// Test support for the job filters: PPD files written from a template,
// jobs run in-process through an edition profile, and the job stream split
// into its parts.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/job.h"

namespace zqtest {

// A PPD we write ourselves: a valid base (A4/Letter, a Duplex option) plus
// the attributes and options a test asks for.
class PpdBuilder {
 public:
  PpdBuilder();
  // A main keyword line, "*Name: value" (value given exactly as it stands,
  // quotes included where the PPD wants them).
  PpdBuilder& Attr(const std::string& name, const std::string& value);
  // "*Name: \"value\"".
  PpdBuilder& QuotedAttr(const std::string& name, const std::string& value);
  // A PickOne option with choices (the first is the default).
  PpdBuilder& PickOne(const std::string& keyword, const std::vector<std::string>& choices);
  PpdBuilder& LanguageEncoding(const std::string& value);
  // "*ColorDevice:" (False unless set).
  PpdBuilder& ColorDevice(bool color);
  std::string Text() const;
  // Writes the PPD into a temporary file and returns its path.
  std::string Write() const;

 private:
  std::string encoding_ = "ISOLatin1";
  bool color_ = false;
  std::vector<std::string> lines_;
};

// A temporary file removed when the object goes away.
class TempFile {
 public:
  explicit TempFile(const std::string& content, const std::string& suffix = "");
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

struct JobResult {
  int status = -1;
  std::string out;  // the device job stream
  std::string err;  // what the scheduler would log
};

struct JobSpec {
  std::string user = "alice";
  std::string title = "Report";
  std::string copies = "1";
  std::string options;
  std::string postscript = "%!PS\n";
  std::string ppdPath;   // empty: no PPD in the environment
  bool useStdin = false; // give the PostScript on standard input (argc 6)
};

// Runs one job in this process through the profile.
JobResult RunInProcess(const zqf::EditionProfile& profile, const JobSpec& spec);

struct HeaderRun {
  std::string out;
  std::string err;
};
// Runs the identity, binding, ticket and header steps of one job through
// the profile, with a chosen host name, so scenario tests can state the
// exact PJL lines. The PostScript of the spec is not used.
HeaderRun RunHeaderOf(const zqf::EditionProfile& profile, const JobSpec& spec, const std::string& host = "mac1");

// Runs the filter executable as the scheduler would.
JobResult RunProgram(const std::string& program, const JobSpec& spec,
                     const std::vector<std::pair<std::string, std::string>>& env = {});

// The bytes between the universal exit language of the header and
// "@PJL ENTER LANGUAGE=POSTSCRIPT", as lines (line ends kept).
std::vector<std::string> HeaderLines(const std::string& stream);
// The PostScript part: after "@PJL ENTER LANGUAGE=POSTSCRIPT\n", up to and
// excluding the closing 0x04.
std::string PostScriptPart(const std::string& stream);

// A DSC document of n pages in the procset style (bp ... ep).
std::string SamplePostScript(int pages, const std::string& body = "");

// Everything in a file descriptor, read from its start.
std::string ReadAll(int fd);

// The path of a built executable (bin/ of the build tree).
std::string BinPath(const std::string& name);

}  // namespace zqtest
