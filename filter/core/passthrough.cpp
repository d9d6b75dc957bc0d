#include "passthrough.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "choice_rules.h"
#include "dispatch.h"
#include "engine.h"
#include "feature_table.h"
#include "job.h"
#include "output.h"
#include "platform_points.h"
#include "zqp/utf8.h"

namespace zqf {

namespace {
constexpr size_t kReadBlock = 1 << 20;
// Lines up to this length are looked at in decomposition mode; longer ones
// were read in pieces and are never parsed.
constexpr size_t kDecompMaxLine = 8064;
// The remembered feature choices are short keywords.
constexpr size_t kChoiceMax = 19;
}  // namespace

PumpResult PumpLines(int fd, LineHandler& handler, int* lastByte) {
  // Not zero-filled: only what read() returns is looked at, and a short job
  // (the tests run thousands in one process) should not pay for clearing it.
  const auto buffer = std::make_unique_for_overwrite<char[]>(kReadBlock);
  const size_t maxLine = handler.MaxLine();
  std::string carry;      // a short line begun in an earlier block, not yet written
  bool longLine = false;  // the current line has outgrown maxLine and is being written through
  if (lastByte != nullptr) *lastByte = -1;

  for (;;) {
    handler.BeforeRead();
    ssize_t n = ::read(fd, buffer.get(), kReadBlock);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (!carry.empty()) handler.Emit(carry.data(), carry.size());
      return PumpResult::ReadError;
    }
    if (n == 0) break;
    const char* const begin = buffer.get();
    const char* const end = begin + n;
    const char* written = end;  // how far this block is written now
    if (lastByte != nullptr) *lastByte = static_cast<unsigned char>(end[-1]);

    const char* span = begin;       // first byte not yet written
    const char* lineStart = begin;  // start of the current line in this block
    const char* nextLF = begin - 1;
    const char* nextCR = begin - 1;
    const char* p = begin;
    while (p < end) {
      if (nextLF < p) {
        nextLF = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        if (nextLF == nullptr) nextLF = end;
      }
      if (nextCR < p) {
        nextCR = static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(end - p)));
        if (nextCR == nullptr) nextCR = end;
      }
      const char* lineEnd = std::min(nextLF, nextCR);
      if (lineEnd == end) break;
      const size_t len = static_cast<size_t>(lineEnd - lineStart);

      if (!carry.empty()) {
        if (carry.size() + len <= maxLine) {
          carry.append(lineStart, len);
          if (handler.Wants(carry)) {
            if (!handler.OnLine(carry, *lineEnd)) return PumpResult::Stopped;
            span = lineEnd + 1;
          } else {
            handler.Emit(carry.data(), carry.size());
            span = lineEnd;  // the line is out; its end byte goes with the span
          }
        } else {
          handler.Emit(carry.data(), carry.size());
        }
        carry.clear();
      } else if (longLine) {
        longLine = false;
      } else if (len <= maxLine && handler.Wants(std::string_view(lineStart, len))) {
        if (span < lineStart) handler.Emit(span, static_cast<size_t>(lineStart - span));
        if (!handler.OnLine(std::string_view(lineStart, len), *lineEnd)) return PumpResult::Stopped;
        span = lineEnd + 1;
      }
      lineStart = p = lineEnd + 1;
    }

    // The block ends inside a line: keep a short one back (it may still turn
    // out to be a token), write everything else now.
    const size_t tail = static_cast<size_t>(end - lineStart);
    if (!carry.empty()) {
      if (carry.size() + tail <= maxLine) {
        carry.append(lineStart, tail);
        written = lineStart;
      } else {
        handler.Emit(carry.data(), carry.size());
        carry.clear();
        longLine = true;
      }
    } else if (!longLine && tail <= maxLine) {
      carry.assign(lineStart, tail);
      written = lineStart;
    } else {
      longLine = true;
    }
    if (span < written) handler.Emit(span, static_cast<size_t>(written - span));
  }
  if (!carry.empty() && !handler.OnLastLine(carry)) return PumpResult::Stopped;
  return PumpResult::End;
}

void OutputPageLogCommand(Job& job, int page) {
  if (OsVersion() < job.profile.pass.pageLogMinOs) return;
  // The copies come from the scheduler; a line end in them must not start
  // a second log line.
  std::string copies = job.Arg(4);
  copies.erase(std::remove_if(copies.begin(), copies.end(), [](char c) { return c == '\r' || c == '\n'; }),
               copies.end());
  job.err.Write("PAGE:" + std::to_string(page) + " " + copies + "\n");
  job.err.Flush();
}

namespace {

// The edition's token table applied to the lines of the job.
class TokenHandler : public LineHandler {
 public:
  TokenHandler(Job& job, Stream& out) : job_(job), out_(out), tokens_(job.profile.pass.tokens) {
    for (const auto& t : tokens_) {
      maxToken_ = std::max(maxToken_, t.line.size());
      if (t.line.size() < 64) lengths_ |= uint64_t{1} << t.line.size();
    }
    job_.tokenSeen.assign(tokens_.size(), false);
  }

  size_t MaxLine() const override { return maxToken_; }

  bool Wants(std::string_view line) override { return Find(line) >= 0; }

  bool OnLine(std::string_view line, char end) override { return RunToken(Find(line), line, end); }

  void Emit(const char* data, size_t size) override {
    ZQfwrite(data, 1, size, out_);
    LogDeliveredPages();
  }

  // While the input is waited for, what is buffered reaches the device.
  void BeforeRead() override {
    out_.Flush();
    LogDeliveredPages();
  }

  bool cancelled() const { return cancelled_; }

  // Logs the pages whose last byte has been written out.
  void LogDeliveredPages() {
    if (pendingPages_.empty()) return;
    if (out_.failed()) {
      pendingPages_.clear();
      return;
    }
    size_t done = 0;
    while (done < pendingPages_.size() && out_.delivered() >= pendingPages_[done].end) {
      OutputPageLogCommand(job_, pendingPages_[done].page);
      ++done;
    }
    pendingPages_.erase(pendingPages_.begin(), pendingPages_.begin() + static_cast<std::ptrdiff_t>(done));
  }

  // At the end of the pass: what is still buffered goes out first.
  void FinishPages() {
    out_.Flush();
    LogDeliveredPages();
  }

 protected:
  int Find(std::string_view line) const {
    if (line.size() >= 64 || !((lengths_ >> line.size()) & 1)) return -1;
    for (size_t i = 0; i < tokens_.size(); ++i) {
      if (tokens_[i].line == line) return static_cast<int>(i);
    }
    return -1;
  }

  // end is the line's end byte, or kNoLineEnd for a last line without one.
  static constexpr int kNoLineEnd = -1;
  void WriteLine(std::string_view line, int end) {
    ZQfwrite(line.data(), 1, line.size(), out_);
    if (end != kNoLineEnd) ZQfputc(static_cast<char>(end), out_);
  }

  bool RunToken(int index, std::string_view line, int end) {
    if (index < 0) {
      WriteLine(line, end);
      return true;
    }
    const PassToken& token = tokens_[static_cast<size_t>(index)];
    for (const PassStep& step : token.steps) {
      switch (step.op) {
        case PassOp::CountPage:
          ++job_.page;
          break;
        case PassOp::Event:
          if (!(token.eventOnce && job_.tokenSeen[static_cast<size_t>(index)])) {
            OutputPSCommandFromFilter(job_, step.event, job_.page, out_);
          }
          job_.tokenSeen[static_cast<size_t>(index)] = true;
          break;
        case PassOp::StopIfCancelled:
          if (CancelJob) {
            cancelled_ = true;
            return false;
          }
          break;
        case PassOp::Write:
          WriteLine(line, end);
          break;
        case PassOp::LogPage:
          // The scheduler bills by these lines: a page is logged once its
          // bytes have left the buffer, never when the write failed.
          pendingPages_.push_back({out_.accepted(), job_.page});
          break;
      }
    }
    LogDeliveredPages();
    return true;
  }

  Job& job_;
  Stream& out_;
  const std::vector<PassToken>& tokens_;
  size_t maxToken_ = 0;
  uint64_t lengths_ = 0;
  bool cancelled_ = false;
  struct PendingPage {
    uint64_t end;
    int page;
  };
  std::vector<PendingPage> pendingPages_;
};

}  // namespace

bool OutputPSStream(Job& job, int inFd) {
  TokenHandler handler(job, job.out);
  int lastByte = -1;
  const PumpResult result = PumpLines(inFd, handler, &lastByte);
  const int readError = errno;
  // The PostScript that CUPS prepares often ends with its own 0x04 already;
  // the device gets one end-of-job byte, not two.
  if ((!handler.cancelled() || job.profile.pass.eotOnCancel) && lastByte != 0x04) ZQfputc('\x04', job.out);
  handler.FinishPages();
  if (result == PumpResult::ReadError) job.Log("ERROR", std::string("Unable to read print data: ") + std::strerror(readError));
  return !handler.cancelled();
}

// ---------------------------------------------------------------------------
// Decomposition mode

const char* GetThePJLCommandfromKeywordsandMarkedValue(const Job& job, std::string_view keyword,
                                                       std::string_view choice) {
  if (keyword.empty() || keyword[0] != '*') return nullptr;
  keyword.remove_prefix(1);
  for (const auto& row : FeaturePPDKeyNameandMarkedValuetoPJLCommand()) {
    if (job.profile.decomp == DecompVariant::Ark && row.keyword == std::string_view("ZQInvalidateColorProfile")) {
      continue;
    }
    if (row.keyword == keyword && row.choice == choice) return row.line.c_str();
  }
  return nullptr;
}

namespace {
// Calls fn with each line of text, its line end included.
template <typename Fn>
void ForEachLine(std::string_view text, Fn fn) {
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const size_t size = end == std::string_view::npos ? text.size() : end + 1;
    fn(text.substr(0, size));
    text.remove_prefix(size);
  }
}
}  // namespace

void RememberDecomposedPjl(Job& job, std::string_view text) {
  ForEachLine(text, [&](std::string_view line) { job.decomp.written.emplace(line); });
}

void WriteDecomposedPjl(Job& job, std::string_view text) {
  ForEachLine(text, [&](std::string_view line) {
    if (job.decomp.written.emplace(line).second) ZQfputs(line, job.out);
  });
}

void OutputPJLCommandForPPDKeyArray(Job& job) {
  for (const auto& entry : PPDKeyArray()) {
    if (job.ppd && ppdFindOption(job.ppd.get(), entry.keyword) != nullptr) continue;
    WriteDecomposedPjl(job, entry.defaultLine);
  }
}

bool GetDLOutputMode(const Job& job, std::string& out) {
  const char* value = job.options.Get("ZQOutputMode");
  out = value != nullptr ? std::string(zqp::Utf8Prefix(value, 254)) : std::string();
  return value != nullptr;
}

namespace {

// The choices colour processing reads: colour mode, RGB correction (with
// the input profile), image type and engine screen.
constexpr std::string_view kColorMode = "Color";
constexpr struct {
  std::string_view correction;
  int srgb, adobe;
} kIntent[] = {{"Perceptual", 41, 49}, {"Saturation", 43, 51}, {"RelativeC", 45, 53}, {"AbsoluteC", 47, 55}};
constexpr std::string_view kNoCorrection = "None";
constexpr std::string_view kInputProfiles[] = {"SRGB", "AdobeRGB"};
constexpr struct {
  std::string_view type;
  int value;
} kImage[] = {{"Standard", 11}, {"Photo", 13}, {"Presentation", 15}, {"sRGB", 17}, {"POP", 19}};
constexpr std::string_view kImageOff = "Off";
constexpr std::string_view kScreens[] = {"Screen1", "Screen2", "Screen3"};
constexpr std::string_view kScreenAuto = "Auto";
// The frame mode, the halftone of monochrome devices and the ARK build's
// output-mode resolutions.
constexpr std::string_view kFrameModes[] = {"True", "False"};
constexpr std::string_view kHalftones[] = {"Fineness", "Gradation"};
constexpr std::string_view kResolutions[] = {"600x600", "1200x1200"};

}  // namespace

ColorProcessing ComputeColorProcessing(std::string_view cm, std::string_view it, std::string_view ip,
                                       std::string_view rc, std::string_view es) {
  ColorProcessing result;
  // The CPR value: a triple (x, x, x + 1), or 31 throughout.
  int x = 0;
  bool flat31 = false;
  if (cm != kColorMode) {
    x = it.empty() ? 11 : 33;
  } else {
    bool named = false;
    for (const auto& k : kIntent) {
      if (rc == k.correction) {
        named = true;
        x = ip == kInputProfiles[0] ? k.srgb : ip == kInputProfiles[1] ? k.adobe : 0;
      }
    }
    if (!named && rc == kNoCorrection) {
      for (const auto& k : kImage) {
        if (it == k.type) x = k.value;
      }
      if (it == kImageOff) flat31 = true;
    } else if (!named) {
      x = it.empty() ? 11 : 0;
    }
  }
  if (flat31) {
    result.cpr = true;
    std::fill(std::begin(result.cprValues), std::end(result.cprValues), 31);
  } else if (x != 0) {
    result.cpr = true;
    result.cprValues[0] = result.cprValues[1] = x;
    result.cprValues[2] = x + 1;
  }

  // Screens: a fixed value in all six; "Auto" follows the CPR value.
  for (int i = 0; i < 3; ++i) {
    if (es == kScreens[i]) {
      result.trc = true;
      std::fill(std::begin(result.trcValues), std::end(result.trcValues), (cm == kColorMode ? 61 : 64) + i);
    }
  }
  if (es == kScreenAuto && result.cpr) {
    result.trc = true;
    for (int i = 0; i < 6; ++i) result.trcValues[i] = result.cprValues[i % 3];
  }
  return result;
}

namespace {

bool ContainsAll(std::string_view line, std::initializer_list<std::string_view> names) {
  return std::all_of(names.begin(), names.end(),
                     [&](std::string_view n) { return line.find(n) != std::string_view::npos; });
}

bool IsScreenToneLine(std::string_view line) {
  return ContainsAll(line, {"TSCR", "GSCR", "ISCR", "TTRC", "GTRC", "ITRC"}) ||
         ContainsAll(line, {"TCPR", "GCPR", "ICPR"});
}

constexpr std::string_view kBeginFeature = "%%BeginFeature:";

bool Equals(const char* a, const char* b) { return a != nullptr && std::strcmp(a, b) == 0; }

class DecompHandler : public TokenHandler {
 public:
  DecompHandler(Job& job, Stream& temp) : TokenHandler(job, temp) {
    colorDevice_ = Equals(job.PpdAttr("ColorDevice"), "True");
    monochrome_ = Equals(job.PpdAttr("ColorDevice"), "False");
    GetDLOutputMode(job, outputMode_);
  }

  size_t MaxLine() const override { return kDecompMaxLine; }

  bool Wants(std::string_view line) override {
    return Find(line) >= 0 || line.substr(0, kBeginFeature.size()) == kBeginFeature ||
           (line.size() >= 6 && IsScreenToneLine(line));
  }

  bool OnLine(std::string_view line, char end) override { return Decompose(line, static_cast<unsigned char>(end)); }
  bool OnLastLine(std::string_view line) override { return Decompose(line, kNoLineEnd); }

 private:
  bool Decompose(std::string_view line, int end) {
    if (line.substr(0, kBeginFeature.size()) == kBeginFeature) {
      Feature(line);
    } else if (IsScreenToneLine(line)) {
      ScreenTone(line);
    }
    return RunToken(Find(line), line, end);
  }

  void Pjl(std::string_view text) { WriteDecomposedPjl(job_, text); }

  void Feature(std::string_view line) {
    // "%%BeginFeature: *Keyword Choice": words split at spaces.
    std::vector<std::string_view> words;
    size_t pos = 0;
    while (pos < line.size()) {
      while (pos < line.size() && line[pos] == ' ') ++pos;
      size_t stop = line.find(' ', pos);
      if (stop == std::string_view::npos) stop = line.size();
      if (stop > pos) words.push_back(line.substr(pos, stop - pos));
      pos = stop;
    }
    const std::string_view keyword = words.size() > 1 ? words[1] : std::string_view();
    const std::string_view choice = words.size() > 2 ? words[2] : std::string_view();
    auto& d = job_.decomp;
    const bool ark = job_.profile.decomp == DecompVariant::Ark;

    if (!ark && keyword == "*ZQFrameMode") {
      if (choice == kFrameModes[0]) {
        Pjl("@PJL SET RESOLUTION=600\n@PJL SET BITSPERPIXEL=1\n@PJL SET JOBATTR=\"@DRDM=RASTER\"\n");
      } else if (choice == kFrameModes[1]) {
        Pjl(outputMode_ == kResolutions[1] ? "@PJL SET RESOLUTION=1200\n@PJL SET BITSPERPIXEL=1\n"
                                       : "@PJL SET RESOLUTION=600\n@PJL SET BITSPERPIXEL=8\n");
        Pjl("@PJL SET JOBATTR=\"@DRDM=RASTER\"\n");
      }
    }
    if (ark && keyword == "*ZQOutputMode") {
      if (choice == kResolutions[0]) d.resolution = 600;
      if (choice == kResolutions[1]) d.resolution = 1200;
    }

    if (monochrome_ && keyword == "*ZQHalftone") {
      const char* value = choice == kHalftones[0] ? "64" : choice == kHalftones[1] ? "66" : nullptr;
      if (value != nullptr) {
        for (const char* name : {"TTRC", "GTRC", "ITRC", "TSCR", "GSCR", "ISCR"}) {
          Pjl(std::string("@PJL SET JOBATTR=\"@") + name + "=" + value + "\"\n");
        }
      }
    } else if (colorDevice_ && !d.defaultsWritten) {
      d.defaultsWritten = true;
      OutputPJLCommandForPPDKeyArray(job_);
    }

    if (ark && !d.resolutionWritten && d.resolution != 0) {
      d.resolutionWritten = true;
      Pjl(d.resolution == 1200 ? "@PJL SET RESOLUTION=1200\n" : "@PJL SET RESOLUTION=600\n");
      Pjl("@PJL SET BITSPERPIXEL=1\n@PJL SET JOBATTR=\"@DRDM=RASTER\"\n");
    }

    static constexpr struct {
      std::string_view name;
      std::string Job::Decomp::*field;
    } kRemembered[] = {{"ZQColorMode", &Job::Decomp::colorMode},
                       {"ZQRGBImageType", &Job::Decomp::rgbImageType},
                       {"ZQRGBInputProfile", &Job::Decomp::rgbInputProfile},
                       {"ZQRGBCorrection", &Job::Decomp::rgbCorrection},
                       {"ZQEngineScreen", &Job::Decomp::engineScreen}};
    for (const auto& r : kRemembered) {
      if (keyword.find(r.name) != std::string_view::npos) d.*(r.field) = zqp::Utf8Prefix(choice, kChoiceMax);
    }

    if (const char* pjl = GetThePJLCommandfromKeywordsandMarkedValue(job_, keyword, choice)) Pjl(pjl);
  }

  // Pairs of a four-letter attribute name and a one- or two-digit value.
  void ScreenTone(std::string_view line) {
    int taken = 0;
    size_t p = 0;
    while (p < line.size() && taken < 100) {
      if (line[p] < '0' || line[p] > '9') {
        ++p;
        continue;
      }
      size_t q = p;
      while (q < line.size() && line[q] >= '0' && line[q] <= '9') ++q;
      ++taken;
      if (q - p <= 2 && p >= 5) {
        const std::string_view name = line.substr(p - 5, 4);
        if (std::all_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
          Pjl("@PJL SET JOBATTR=\"@" + std::string(name) + "=" + std::string(line.substr(p, q - p)) + "\"\n");
        }
      }
      p = q;
    }
  }

  bool colorDevice_ = false;
  bool monochrome_ = false;
  std::string outputMode_;
};

// Copies the finished PostScript to standard output; a cancelled job stops
// after its next page end.
class CopyBackHandler : public LineHandler {
 public:
  explicit CopyBackHandler(Stream& out) : out_(out) {}
  size_t MaxLine() const override { return 8; }
  bool Wants(std::string_view line) override {
    return CancelJob && (line == "ep" || line == "endp" || line == "showpage");
  }
  bool OnLine(std::string_view line, char end) override {
    out_.Write(line);
    out_.Put(end);
    return false;
  }
  // The job copy already holds these bytes: plain writes, no mirror.
  void Emit(const char* data, size_t size) override { out_.Write(data, size); }

 private:
  Stream& out_;
};

}  // namespace

bool OutputPSStreamtoFileandInsertPJLforFeaturePDE(Job& job, int inFd, int tempFd) {
  Stream temp(tempFd, false);
  temp.mirror = job.out.mirror;
  DecompHandler handler(job, temp);
  int lastByte = -1;
  const PumpResult result = PumpLines(inFd, handler, &lastByte);
  if (result == PumpResult::Stopped) return false;
  if (result == PumpResult::ReadError) {
    job.Log("ERROR", std::string("Unable to read print data: ") + std::strerror(errno));
  }
  if (lastByte != 0x04) ZQfputc('\x04', temp);
  handler.FinishPages();
  if (!temp.Close()) {
    job.Log("ERROR", std::string("Unable to write temporary file: ") + std::strerror(temp.error()));
    return false;
  }

  const auto& d = job.decomp;
  if (job.profile.decomp == DecompVariant::Teld) {
    const ColorProcessing cp =
        ComputeColorProcessing(d.colorMode, d.rgbImageType, d.rgbInputProfile, d.rgbCorrection, d.engineScreen);
    if (cp.cpr && Equals(job.PpdAttr("ColorDevice"), "True")) {
      WriteDecomposedPjl(job, EPJLAttributeLines({"TCPR", "GCPR", "ICPR"}, {cp.cprValues, cp.cprValues + 3}));
    }
    if (cp.trc) {
      WriteDecomposedPjl(job, EPJLAttributeLines({"TTRC", "GTRC", "ITRC", "TSCR", "GSCR", "ISCR"},
                                                 {cp.trcValues, cp.trcValues + 6}));
    }
  }
  OutputEPJLCommandFromArray(job, FmtTable{prtFmtTableEnterPS()});

  if (::lseek(tempFd, 0, SEEK_SET) != 0) {
    job.Log("ERROR", std::string("Unable to read temporary file: ") + std::strerror(errno));
    return false;
  }
  CopyBackHandler copy(job.out);
  return PumpLines(tempFd, copy) == PumpResult::End;
}

std::vector<ChoiceRule> DecompositionChoiceRules() {
  std::vector<ChoiceRule> rules;
  // The feature table: one rule per keyword, its choices exactly.
  std::vector<std::pair<std::string, std::vector<std::string>>> table;
  for (const auto& row : FeaturePPDKeyNameandMarkedValuetoPJLCommand()) {
    if (table.empty() || table.back().first != row.keyword) table.push_back({row.keyword, {}});
    table.back().second.push_back(row.choice);
  }
  for (const auto& [keyword, choices] : table) rules.push_back({keyword, "feature sections", OneOf(choices)});

  const auto names = [](const auto& list, auto field) {
    std::vector<std::string> out;
    for (const auto& entry : list) out.emplace_back(field(entry));
    return out;
  };
  const auto same = [](std::string_view v) { return v; };
  std::vector<std::string> corrections = names(kIntent, [](const auto& k) { return k.correction; });
  corrections.emplace_back(kNoCorrection);
  std::vector<std::string> images = names(kImage, [](const auto& k) { return k.type; });
  images.emplace_back(kImageOff);
  std::vector<std::string> screens = names(kScreens, same);
  screens.emplace_back(kScreenAuto);
  rules.push_back({"ZQColorMode", "colour processing", OneOf(std::vector<std::string>{std::string(kColorMode)})});
  rules.push_back({"ZQRGBCorrection", "colour processing", OneOf(corrections)});
  rules.push_back({"ZQRGBInputProfile", "colour processing", OneOf(names(kInputProfiles, same))});
  rules.push_back({"ZQRGBImageType", "colour processing", OneOf(images)});
  rules.push_back({"ZQEngineScreen", "colour processing", OneOf(screens)});
  rules.push_back({"ZQFrameMode", "frame mode", OneOf(names(kFrameModes, same))});
  rules.push_back({"ZQHalftone", "halftone", OneOf(names(kHalftones, same))});
  rules.push_back({"ZQOutputMode", "resolution", OneOf(names(kResolutions, same))});
  return rules;
}

}  // namespace zqf
