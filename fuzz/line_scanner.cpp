// The pass-through's line scanner on input that arrives in pieces of any
// size (one read per piece), checked against a plain reading of the same
// bytes: every byte comes out once and in order, and exactly the complete
// lines that are tokens (and short enough to be looked at) reach the
// handler, with their own line-end byte.
//
// Input: one byte for the longest line looked at, one byte per piece size
// up to a NUL, then the stream.
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/passthrough.h"
#include "fuzz_support.h"

namespace {

constexpr std::string_view kTokens[] = {"ep", "endp", "%%EndSetup", "%%EndPageSetup", "%%BeginProlog",
                                        "%%EndProlog", "showpage", "stop"};

bool IsToken(std::string_view line) {
  for (std::string_view t : kTokens)
    if (line == t) return true;
  return false;
}

class Recorder : public zqf::LineHandler {
 public:
  explicit Recorder(size_t maxLine) : maxLine_(maxLine) {}
  size_t MaxLine() const override { return maxLine_; }
  bool Wants(std::string_view line) override { return IsToken(line); }
  bool OnLine(std::string_view line, char end) override {
    lines.emplace_back(line);
    lines.back() += end;
    out.append(line);
    out += end;
    return line != "stop";
  }
  void Emit(const char* data, size_t size) override { out.append(data, size); }

  std::string out;
  std::vector<std::string> lines;

 private:
  size_t maxLine_;
};

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "line scanner: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > 60000) return 0;
  const size_t maxLine = data[0] == 0 ? 255 : data[0] % 40;
  auto parts = zqfuzz::SplitInput(data + 1, size - 1, 2);
  const std::string_view pieces = parts[0];
  const std::string_view stream = parts[1];

  // A packet socket hands each piece to one read, as a slow pipe may; a
  // writer of its own keeps it fed while the pump reads.
  int fds[2];
  if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds) != 0) return 0;
  std::thread writer([&] {
    size_t at = 0;
    for (size_t i = 0; at < stream.size(); ++i) {
      size_t len = pieces.empty() ? stream.size() : static_cast<unsigned char>(pieces[i % pieces.size()]);
      if (len == 0) len = 1;
      len = std::min(len, stream.size() - at);
      if (::send(fds[1], stream.data() + at, len, MSG_NOSIGNAL) != static_cast<ssize_t>(len)) break;
      at += len;
    }
    ::close(fds[1]);
  });

  Recorder recorder(maxLine);
  int lastByte = -2;
  const zqf::PumpResult result = zqf::PumpLines(fds[0], recorder, &lastByte);
  ::close(fds[0]);
  writer.join();

  // The plain reading: lines end at CR or LF; the last one may have no end.
  std::vector<std::string> expected;
  size_t stopAt = std::string_view::npos;
  for (size_t start = 0; start < stream.size();) {
    const size_t end = stream.find_first_of("\r\n", start);
    if (end == std::string_view::npos) break;
    const std::string_view line = stream.substr(start, end - start);
    if (line.size() <= maxLine && IsToken(line)) {
      expected.emplace_back(stream.substr(start, end - start + 1));
      if (line == "stop") {
        stopAt = end + 1;
        break;
      }
    }
    start = end + 1;
  }

  if (recorder.lines != expected) Fail("the handler saw other lines than the stream holds");
  if (stopAt != std::string_view::npos) {
    if (result != zqf::PumpResult::Stopped) Fail("a refused line did not stop the pump");
    if (recorder.out != stream.substr(0, stopAt)) Fail("the bytes before the stop differ");
    return 0;
  }
  if (result != zqf::PumpResult::End) Fail("the pump did not reach the end");
  if (recorder.out != stream) Fail("the bytes passed on differ from the input");
  const int last = stream.empty() ? -1 : static_cast<unsigned char>(stream.back());
  if (lastByte != last) Fail("wrong last byte");
  return 0;
}
