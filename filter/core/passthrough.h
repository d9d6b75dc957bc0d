#pragma once
// PostScript pass-through. The input is read in large blocks and copied in
// whole spans; only lines short enough to be one of the edition's tokens
// are looked at, so the cost stays close to that of copying the file.
#include <cstddef>
#include <string>
#include <string_view>

namespace zqf {

struct Job;
class Stream;

// Hands the lines that may matter to a handler and copies the rest.
class LineHandler {
 public:
  virtual ~LineHandler() = default;
  // Lines longer than this are passed on untouched and never compared (a
  // long line read in pieces has no "tail" that could look like a token).
  virtual size_t MaxLine() const = 0;
  virtual bool Wants(std::string_view line) = 0;
  // Handles a wanted line (the handler writes it and its end byte); false
  // ends the pump.
  virtual bool OnLine(std::string_view line, char end) = 0;
  // Writes bytes that pass through unchanged.
  virtual void Emit(const char* data, size_t size) = 0;
  // The input's last line when it has no line end; false ends the pump.
  virtual bool OnLastLine(std::string_view line) {
    Emit(line.data(), line.size());
    return true;
  }
  // Called before each read of the input, which may wait.
  virtual void BeforeRead() {}
};

enum class PumpResult { End, Stopped, ReadError };

// Runs the input fd through the handler. A last line without a line end
// goes to OnLastLine. lastByte receives the input's last byte (-1 when the
// input was empty).
PumpResult PumpLines(int fd, LineHandler& handler, int* lastByte = nullptr);

// "PAGE:<page> <copies>" on standard error, from the edition's OS version on.
void OutputPageLogCommand(Job& job, int page);

// The line pass-through; returns false when the job was cancelled.
bool OutputPSStream(Job& job, int inFd);

// Decomposition mode: the PostScript goes into tempFd (an open, empty,
// read-write file) while the PJL made from its feature sections goes to
// standard output; then the PostScript follows. Returns false when the job
// was cancelled or the temporary file failed.
bool OutputPSStreamtoFileandInsertPJLforFeaturePDE(Job& job, int inFd, int tempFd);

// Decomposition mode writes no PJL line twice: the lines the header wrote
// (text) are remembered, and WriteDecomposedPjl writes each line of text
// that is not yet in the job stream.
void RememberDecomposedPjl(Job& job, std::string_view text);
void WriteDecomposedPjl(Job& job, std::string_view text);

// The PJL line for a PPD keyword (with its "*") and a choice, or nullptr.
const char* GetThePJLCommandfromKeywordsandMarkedValue(const Job& job, std::string_view keyword,
                                                       std::string_view choice);
// The default lines of the colour-device keywords the PPD lacks.
void OutputPJLCommandForPPDKeyArray(Job& job);
// The "ZQOutputMode" option, at most 254 bytes; true when present.
bool GetDLOutputMode(const Job& job, std::string& out);

// The colour-processing values chosen by the job's remembered choices.
struct ColorProcessing {
  bool cpr = false;  // a CPR triple applies
  int cprValues[3] = {};
  bool trc = false;  // TRC and SCR triples apply
  int trcValues[6] = {};
};
ColorProcessing ComputeColorProcessing(std::string_view colorMode, std::string_view imageType,
                                       std::string_view inputProfile, std::string_view correction,
                                       std::string_view screen);

}  // namespace zqf
