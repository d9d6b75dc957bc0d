// The filter program as the scheduler runs it: its command line, failures
// that must not look like empty jobs, the job copy, and the two signals.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <sstream>
#include <thread>

#include "core_test_support.h"
#include "filter_harness.h"

namespace {

using coretest::TempDir;
using Env = std::vector<std::pair<std::string, std::string>>;

struct Outcome {
  int status = -1;     // exit status, or -1 when ended by a signal
  int signal = 0;
  std::string out;
  std::string err;
};

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// Starts the filter with argv[1..] = args; standard input, output and error
// are the given descriptors (-1: /dev/null, a memory file, a memory file).
struct Child {
  pid_t pid = -1;
  int outFd = -1;
  int errFd = -1;
};

Child Start(const std::vector<std::string>& args, const Env& env, int inFd = -1, int outFd = -1, int errFd = -1) {
  Child c;
  c.outFd = outFd >= 0 ? -1 : memfd_create("out", 0);
  c.errFd = errFd >= 0 ? -1 : memfd_create("err", 0);
  const int out = outFd >= 0 ? outFd : c.outFd;
  const int err = errFd >= 0 ? errFd : c.errFd;
  const std::string program = zqtest::BinPath("teld-job-filter");
  c.pid = fork();
  if (c.pid == 0) {
    const int in = inFd >= 0 ? inFd : ::open("/dev/null", O_RDONLY);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    // Nothing else of the test's: a pipe end kept open here would keep the
    // pipe alive.
    for (int fd = 3; fd < 1024; ++fd) ::close(fd);
    for (const auto& [k, v] : env) setenv(k.c_str(), v.c_str(), 1);
    std::vector<std::string> all = {program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  return c;
}

Outcome Finish(Child& c) {
  int status = 0;
  waitpid(c.pid, &status, 0);
  Outcome o;
  if (WIFEXITED(status)) o.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) o.signal = WTERMSIG(status);
  if (c.outFd >= 0) {
    o.out = zqtest::ReadAll(c.outFd);
    ::close(c.outFd);
  }
  if (c.errFd >= 0) {
    o.err = zqtest::ReadAll(c.errFd);
    ::close(c.errFd);
  }
  return o;
}

Outcome RunFilter(const std::vector<std::string>& args, const Env& env = {}) {
  Child c = Start(args, env);
  return Finish(c);
}

TEST(FilterProgram, WrongArgumentCountGivesUsage) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {}, {"1", "alice", "title", "1"}, {"1", "alice", "title", "1", "", "/dev/null", "extra"}}) {
    const Outcome o = RunFilter(args);
    EXPECT_EQ(o.status, 1) << args.size();
    EXPECT_NE(o.err.find("Usage:"), std::string::npos) << args.size();
    EXPECT_EQ(o.out, "") << args.size();
  }
}

TEST(FilterProgram, UnreadableInputIsAnErrorWithoutJobStream) {
  const Outcome o = RunFilter({"1", "alice", "title", "1", "", "/nonexistent/job.ps"});
  EXPECT_NE(o.status, 0);
  EXPECT_EQ(o.signal, 0);
  EXPECT_NE(o.err.find("ERROR: "), std::string::npos);
  EXPECT_NE(o.err.find("/nonexistent/job.ps"), std::string::npos);
  EXPECT_EQ(o.out, "");
}

TEST(FilterProgram, InputThatCannotBeReadIsAnError) {
  TempDir dir;
  const Outcome o = RunFilter({"1", "alice", "title", "1", "", dir.path()});
  EXPECT_NE(o.status, 0);
  EXPECT_EQ(o.signal, 0);
  EXPECT_NE(o.err.find("ERROR: "), std::string::npos);
}

TEST(FilterProgram, TemporaryFileThatCannotBeMadeIsAnError) {
  zqtest::PpdBuilder ppd;
  ppd.QuotedAttr("ZQPSDecompMode", "1");
  const std::string ppdPath = ppd.Write();
  zqtest::TempFile notADirectory("");
  zqtest::TempFile input("%!PS\nshowpage\n");
  const Outcome o = RunFilter({"1", "alice", "title", "1", "", input.path()},
                              {{"PPD", ppdPath}, {"TMPDIR", notADirectory.path()}});
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("ERROR: "), std::string::npos);
  EXPECT_EQ(o.out, "");
}

TEST(FilterProgram, RunsWithoutPpdAndFromStandardInput) {
  zqtest::TempFile input("%!PS\nshowpage\n");
  const int in = ::open(input.path().c_str(), O_RDONLY);
  Child c = Start({"1", "alice", "title", "1", ""}, {}, in);
  ::close(in);
  const Outcome o = Finish(c);
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out.rfind(coretest::kUel + "@PJL JOB MODE=PRINTER\r\n", 0), 0u);
  EXPECT_EQ(zqtest::PostScriptPart(o.out), "%!PS\nshowpage\n");
  EXPECT_EQ(o.out.substr(o.out.size() - coretest::kTrailer.size() - 1), "\x04" + coretest::kTrailer);
}

// --- job copy -----------------------------------------------------------------

std::vector<std::string> JobCopies(const TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& n : dir.Entries()) {
    if (n.rfind("zq", 0) == 0 && n.size() > 4 && n.substr(n.size() - 4) == ".job") names.push_back(n);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The copy's name for a moment, as the filter makes it.
std::string StampName(std::time_t t) {
  std::tm local{};
  localtime_r(&t, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", &local);
  return std::string("zq") + stamp + ".job";
}

struct JobCopyFixture : testing::Test {
  TempDir tmp;
  TempDir switches;
  std::string switchFile = switches.path() + "/zqjobcopy";
  Env env{{"TMPDIR", tmp.path()}, {"ZQ_JOBCOPY_SWITCH", switchFile}};
  zqtest::TempFile input{zqtest::SamplePostScript(2)};
  void SetUp() override { std::ofstream(switchFile) << ""; }
  Outcome Job(const std::string& title = "Report") {
    return RunFilter({"1", "alice", title, "1", "", input.path()}, env);
  }
};

TEST_F(JobCopyFixture, CopyEqualsTheJobStream) {
  const Outcome o = Job();
  ASSERT_EQ(o.status, 0);
  const auto copies = JobCopies(tmp);
  ASSERT_EQ(copies.size(), 1u);
  const std::string path = tmp.path() + "/" + copies[0];
  EXPECT_TRUE(coretest::SameBytes(ReadFile(path), o.out));
  struct stat st {};
  ASSERT_EQ(::lstat(path.c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(st.st_mode & 07777, 0600u);
}

TEST_F(JobCopyFixture, EveryJobGetsItsOwnFile) {
  const Outcome a = Job();
  const Outcome b = Job();
  const Outcome c = Job();
  const auto copies = JobCopies(tmp);
  ASSERT_EQ(copies.size(), 3u);
  for (const auto& name : copies) EXPECT_TRUE(coretest::SameBytes(ReadFile(tmp.path() + "/" + name), a.out));
  EXPECT_EQ(a.out, b.out);
  EXPECT_EQ(b.out, c.out);
}

TEST_F(JobCopyFixture, ExistingFilesAndLinksAreLeftAlone) {
  TempDir elsewhere;
  const std::string target = elsewhere.path() + "/precious";
  std::ofstream(target) << "keep";
  // Whatever second the job starts in, its first name is taken: by a file
  // for even seconds, by a link to the precious file for odd ones.
  const std::time_t now = std::time(nullptr);
  std::vector<std::string> taken;
  for (std::time_t t = now - 1; t <= now + 5; ++t) {
    const std::string path = tmp.path() + "/" + StampName(t);
    if (t % 2 == 0) {
      std::ofstream(path) << "old";
    } else {
      ASSERT_EQ(::symlink(target.c_str(), path.c_str()), 0);
    }
    taken.push_back(StampName(t));
  }
  const Outcome o = Job();
  ASSERT_EQ(o.status, 0);
  EXPECT_EQ(ReadFile(target), "keep");
  std::vector<std::string> fresh;
  for (const auto& name : JobCopies(tmp)) {
    if (std::find(taken.begin(), taken.end(), name) == taken.end()) fresh.push_back(name);
  }
  ASSERT_EQ(fresh.size(), 1u);
  EXPECT_TRUE(coretest::SameBytes(ReadFile(tmp.path() + "/" + fresh[0]), o.out));
  for (std::time_t t = now - 1; t <= now + 5; ++t) {
    const std::string path = tmp.path() + "/" + StampName(t);
    struct stat st {};
    ASSERT_EQ(::lstat(path.c_str(), &st), 0);
    if (t % 2 == 0) {
      EXPECT_EQ(ReadFile(path), "old");
    } else {
      EXPECT_TRUE(S_ISLNK(st.st_mode));
    }
  }
}

TEST_F(JobCopyFixture, NoSwitchNoCopy) {
  ::unlink(switchFile.c_str());
  const Outcome o = Job();
  EXPECT_EQ(o.status, 0);
  EXPECT_TRUE(tmp.Entries().empty());
}

// --- signals -----------------------------------------------------------------------

TEST(FilterProgram, BrokenPipeGivesStatusOne) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  zqtest::TempFile input(zqtest::SamplePostScript(50, std::string(2000, '%') + "\n"));
  Child c = Start({"1", "alice", "title", "1", "", input.path()}, {}, -1, fds[1]);
  ::close(fds[0]);  // nobody reads the job stream
  ::close(fds[1]);
  const Outcome o = Finish(c);
  EXPECT_EQ(o.signal, 0);
  EXPECT_EQ(o.status, 1);
  // Said to the scheduler, and no page billed that never left.
  EXPECT_NE(o.err.find("ERROR: Unable to write print data"), std::string::npos) << o.err;
  EXPECT_EQ(o.err.find("PAGE:"), std::string::npos) << o.err;
}

TEST(FilterProgram, BrokenPipeAfterSomeOutput) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  std::string big;
  while (big.size() < 8u << 20) big += "(a long line of text that the device would print) show\n";
  zqtest::TempFile input(big);
  Child c = Start({"1", "alice", "title", "1", "", input.path()}, {}, -1, fds[1]);
  ::close(fds[1]);
  char buf[4096];
  ASSERT_GT(::read(fds[0], buf, sizeof buf), 0);
  ::close(fds[0]);
  const Outcome o = Finish(c);
  EXPECT_EQ(o.signal, 0);
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("ERROR:"), std::string::npos) << o.err;
}

// Into a pipe the filter asks for a wide one, so the reader is woken once
// per output buffer rather than every 64 KB; the stream is unchanged.
TEST(FilterProgram, OutputPipeIsWidenedAndCarriesTheWholeJob) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  zqtest::TempFile input(zqtest::SamplePostScript(3));
  Child c = Start({"1", "alice", "title", "1", "", input.path()}, {}, -1, fds[1]);
  ::close(fds[1]);
  std::string out;
  char buf[65536];
  for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) out.append(buf, static_cast<size_t>(n));
  EXPECT_GE(::fcntl(fds[0], F_GETPIPE_SZ), 1 << 18);
  ::close(fds[0]);
  const Outcome o = Finish(c);
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_NE(out.find(zqtest::SamplePostScript(3)), std::string::npos);
}

// Reads from fd until text appears or the time is up.
bool WaitFor(int fd, const std::string& text, std::string& seen) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (seen.find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    char buf[256];
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n <= 0) return false;
    seen.append(buf, static_cast<size_t>(n));
  }
  return true;
}

void WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

TEST(FilterProgram, TerminateCancelsAtTheNextPageEnd) {
  const std::string doc = zqtest::SamplePostScript(3);
  const std::string page2 = "(Page 2) show\n";
  const size_t split = doc.find(page2) + page2.size();
  int in[2], err[2];
  ASSERT_EQ(::pipe(in), 0);
  ASSERT_EQ(::pipe(err), 0);
  Child c = Start({"1", "alice", "title", "4", ""}, {}, in[0], -1, err[1]);
  ::close(in[0]);
  ::close(err[1]);

  WriteAll(in[1], doc.substr(0, split));
  std::string log;
  ASSERT_TRUE(WaitFor(err[0], "PAGE:1 4\n", log)) << log;
  ASSERT_EQ(::kill(c.pid, SIGTERM), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  WriteAll(in[1], doc.substr(split));
  ::close(in[1]);
  std::string rest;
  char buf[256];
  ssize_t n;
  while ((n = ::read(err[0], buf, sizeof buf)) > 0) rest.append(buf, static_cast<size_t>(n));
  ::close(err[0]);
  const Outcome o = Finish(c);

  EXPECT_EQ(o.signal, 0);
  EXPECT_EQ(o.status, 0);
  // The job ends before the second page's "ep": no third page, no 0x04,
  // but the trailer.
  const std::string end = page2 + coretest::kTrailer;
  ASSERT_GE(o.out.size(), end.size());
  EXPECT_EQ(o.out.substr(o.out.size() - end.size()), end);
  EXPECT_EQ(o.out.find("(Page 3)"), std::string::npos);
  EXPECT_EQ(o.out.find('\x04'), std::string::npos);
  EXPECT_EQ(rest.find("PAGE:2"), std::string::npos);
}

}  // namespace
