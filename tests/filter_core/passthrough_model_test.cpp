// The pass-through against a plain line-by-line model of it: random
// documents, delivered through a pipe in random pieces so that lines and
// tokens fall across read boundaries, must come out exactly as the model
// says (every byte kept, every event at its line).
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <random>
#include <thread>

#include "core/dispatch.h"
#include "core/filter_main.h"
#include "editions/teld/teld_profile.h"

namespace {

void MarkEvent(zqf::Job&, int event, int page, zqf::Stream& stream) {
  zqf::ZQfputs("<E" + std::to_string(event) + "p" + std::to_string(page) + ">", stream);
}
const zqf::FilterModule kMarker{"Marker", nullptr, nullptr, nullptr, MarkEvent};

zqf::EditionProfile MarkerProfile() {
  zqf::EditionProfile p = zqf::TeldProfile();
  p.bindOrder.clear();
  p.ticketOrder.clear();
  p.pjlOrder.clear();
  p.psOrder = {&kMarker};
  p.header = {zqf::HeaderHead, zqf::HeaderJobMode, zqf::HeaderEnterPostScript};
  p.jobCopy = false;
  return p;
}

// What the pass-through must write for a document: lines equal to a token
// run its steps, everything else is copied; a last line without an end is
// copied too.
std::string Model(const zqf::PassThroughProfile& pass, const std::string& in) {
  std::string out;
  int page = 0;
  std::vector<bool> seen(pass.tokens.size(), false);
  size_t start = 0;
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '\r' && in[i] != '\n') continue;
    const std::string line = in.substr(start, i - start);
    bool matched = false;
    for (size_t t = 0; t < pass.tokens.size(); ++t) {
      if (pass.tokens[t].line != line) continue;
      matched = true;
      for (const auto& step : pass.tokens[t].steps) {
        if (step.op == zqf::PassOp::CountPage) ++page;
        if (step.op == zqf::PassOp::Write) out += line + in[i];
        if (step.op == zqf::PassOp::Event) {
          if (!(pass.tokens[t].eventOnce && seen[t])) {
            out += "<E" + std::to_string(step.event) + "p" + std::to_string(page) + ">";
          }
          seen[t] = true;
        }
      }
    }
    if (!matched) out += line + in[i];
    start = i + 1;
  }
  out += in.substr(start);
  return out + '\x04';
}

std::string RandomDocument(std::mt19937& rng) {
  static const char* pieces[] = {"ep", "endp", "bp", "showpage", "%%EndSetup", "%%EndPageSetup",
                                 "%%BeginProlog", "%%EndProlog", "userdict/setpagedevice{pop}bind put",
                                 " ep", "ep ", "e", "p", "72 720 moveto (text) show", "", "%%EndProlo"};
  static const char* ends[] = {"\n", "\r", "\r\n", "\n\n"};
  std::string doc;
  const int lines = std::uniform_int_distribution<int>(1, 400)(rng);
  for (int i = 0; i < lines; ++i) {
    const int kind = std::uniform_int_distribution<int>(0, 19)(rng);
    if (kind < 16) {
      doc += pieces[kind];
    } else {
      // Long lines, some far longer than any token, some ending in a token.
      const int len = std::uniform_int_distribution<int>(30, 20000)(rng);
      doc += std::string(static_cast<size_t>(len), 'x');
      if (kind == 19) doc += "ep";
    }
    doc += ends[std::uniform_int_distribution<int>(0, 3)(rng)];
  }
  if (std::uniform_int_distribution<int>(0, 3)(rng) == 0) doc += "ep";  // no final line end
  return doc;
}

std::string RunThroughPipe(const zqf::EditionProfile& profile, const std::string& doc, std::mt19937& rng) {
  int fds[2];
  EXPECT_EQ(pipe(fds), 0);
  std::vector<size_t> cuts;
  for (size_t pos = 0; pos < doc.size();) {
    const size_t n = std::uniform_int_distribution<size_t>(1, 5000)(rng);
    cuts.push_back(std::min(n, doc.size() - pos));
    pos += cuts.back();
  }
  std::thread writer([&] {
    size_t pos = 0;
    for (size_t n : cuts) {
      if (write(fds[1], doc.data() + pos, n) != static_cast<ssize_t>(n)) break;
      pos += n;
      if (n % 7 == 0) std::this_thread::yield();
    }
    close(fds[1]);
  });
  int outFd = memfd_create("out", 0);
  int errFd = memfd_create("err", 0);
  std::vector<std::string> args = {"teld", "1", "u", "t", "1", ""};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  unsetenv("PPD");
  const int status = zqf::RunJob(profile, 6, argv.data(), fds[0], outFd, errFd);
  writer.join();
  close(fds[0]);
  EXPECT_EQ(status, 0);
  std::string out;
  lseek(outFd, 0, SEEK_SET);
  char buf[65536];
  ssize_t n;
  while ((n = read(outFd, buf, sizeof buf)) > 0) out.append(buf, static_cast<size_t>(n));
  close(outFd);
  close(errFd);
  return out;
}

TEST(PassThroughModel, RandomDocumentsInRandomPiecesMatchTheModel) {
  const zqf::EditionProfile profile = MarkerProfile();
  std::mt19937 rng(20261209);
  const std::string head = "\x1b%-12345X@PJL JOB MODE=PRINTER\r\n@PJL ENTER LANGUAGE=POSTSCRIPT\n";
  const std::string trailer = "\x1b%-12345X@PJL EOJ\n";
  for (int round = 0; round < 60; ++round) {
    const std::string doc = RandomDocument(rng);
    const std::string out = RunThroughPipe(profile, doc, rng);
    ASSERT_EQ(out, head + Model(profile.pass, doc) + trailer) << "round " << round;
  }
}

}  // namespace
