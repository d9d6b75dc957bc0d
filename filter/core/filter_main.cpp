#include "filter_main.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "dispatch.h"
#include "passthrough.h"
#include "platform_points.h"
#include "zqp/system_files.h"

namespace zqf {

volatile std::sig_atomic_t CancelJob = 0;
volatile std::sig_atomic_t CancelJobForPipe = 0;

namespace {
// The size asked of an output pipe: that of an output buffer, and no more
// than an unprivileged process may set by default.
constexpr int kPipeSize = 1 << 18;
}  // namespace

namespace {

constexpr const char* kDefaultJobCopySwitch = "/Library/Printers/Tavelle/zqjobcopy";
constexpr size_t kMaxJobCopyPath = 1034;

extern "C" void SignalHandler(int) { CancelJob = 1; }
extern "C" void SignalPipeHandler(int) { CancelJobForPipe = 1; }

void Install(int sig, void (*handler)(int)) {
  struct sigaction sa {};
  sa.sa_handler = handler;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(sig, &sa, nullptr);
}

// Opens the job copy: a new file each time, never through a link; a second
// job in the same second gets a name of its own.
std::unique_ptr<Stream> OpenJobCopy(Job& job) {
  std::string dir;
  if (OsVersion() >= 0x10A0) {
    const char* tmp = std::getenv("TMPDIR");
    dir = (tmp != nullptr && *tmp != '\0') ? tmp : "/tmp";
  } else {
    dir = "/private/tmp";
  }
  char stamp[32] = {};
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", &local);
  for (int n = 0; n < 100; ++n) {
    std::string path = dir + "/zq" + stamp + (n == 0 ? "" : "-" + std::to_string(n)) + ".job";
    if (path.size() > kMaxJobCopyPath) break;
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) return std::make_unique<Stream>(fd, true);
    if (errno != EEXIST) {
      job.Log("WARNING", "Unable to create job copy \"" + path + "\": " + std::strerror(errno));
      return nullptr;
    }
  }
  job.Log("WARNING", "Unable to create job copy in \"" + dir + "\"");
  return nullptr;
}

void CloseJobCopy(Job& job) {
  if (!job.jobCopy) return;
  // The copy stays readable by its owner only: it holds the scrambled pass
  // codes of held jobs.
  job.jobCopy->Close();
  job.out.mirror = nullptr;
  job.jobCopy.reset();
}

}  // namespace

std::string JobCopySwitchPath() {
  const char* env = std::getenv("ZQ_JOBCOPY_SWITCH");
  return (env != nullptr && *env != '\0') ? std::string(env) : zqp::SystemPath(kDefaultJobCopySwitch);
}

Job::Job(const EditionProfile& p, std::vector<std::string> args, Stream& o, Stream& e)
    : profile(p), argv(std::move(args)), out(o), err(e) {}

const char* Job::PpdAttr(const char* name) const {
  ppd_attr_t* attr = ppdFindAttr_ALT(ppd.get(), name, nullptr);
  return attr != nullptr ? attr->value : nullptr;
}

void Job::Log(std::string_view level, std::string_view message) {
  std::string line(level);
  line += ": ";
  line += message;
  line += '\n';
  if (level == "ERROR") failed = true;
  err.Write(line);
  err.Flush();
}

// Under CUPS the job stream goes into a pipe. A larger pipe lets the filter
// hand over whole buffers instead of waking the reader every 64 KB; where
// the system refuses, the pipe stays as it is.
void WidenOutputPipe(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISFIFO(st.st_mode)) return;
  const int current = ::fcntl(fd, F_GETPIPE_SZ);
  if (current > 0 && current < kPipeSize) ::fcntl(fd, F_SETPIPE_SZ, kPipeSize);
}

int RunJob(const EditionProfile& profile, int argc, char** argv, int inFd, int outFd, int errFd) {
  WidenOutputPipe(outFd);
  Stream out(outFd);
  Stream err(errFd, false, 4096);
  if (argc < 6 || argc > 7) {
    std::string usage = "Usage: ";
    usage += argc > 0 ? argv[0] : "job-filter";
    usage += " job-id user title copies options [file]\n";
    err.Write(usage);
    return 1;
  }

  CancelJob = 0;
  CancelJobForPipe = 0;
  Install(SIGTERM, SignalHandler);
  if (profile.handleSigpipe) Install(SIGPIPE, SignalPipeHandler);

  Job job(profile, std::vector<std::string>(argv, argv + argc), out, err);
  job.options = Options(argv[5]);
  if (const char* ppdPath = std::getenv("PPD"); ppdPath != nullptr && *ppdPath != '\0') {
    job.ppd.reset(ppdOpenFile(ppdPath));
    if (!job.ppd) job.Log("WARNING", std::string("Unable to open PPD file \"") + ppdPath + "\"");
  }
  job.options.TakeDefaults(job.ppd.get());

  // Everything that can make the job fail is settled before the first byte
  // of the job stream, so a failed job never looks like an empty one.
  int input = inFd;
  int ownedInput = -1;
  if (argc == 7) {
    ownedInput = input = ::open(argv[6], O_RDONLY | O_CLOEXEC);
    if (input < 0) {
      job.Log("ERROR", std::string("Unable to open print file \"") + argv[6] + "\": " + std::strerror(errno));
      return 1;
    }
  }
  struct FdCloser {
    int fd;
    ~FdCloser() {
      if (fd >= 0) ::close(fd);
    }
  } inputCloser{ownedInput};

  const char* decompAttr = job.PpdAttr("ZQPSDecompMode");
  job.decompMode = profile.decomp != DecompVariant::None && decompAttr != nullptr &&
                   std::strcmp(decompAttr, "1") == 0;
  FdCloser tempCloser{-1};
  if (job.decompMode) {
    char tempPath[1024] = {};
    tempCloser.fd = cupsTempFd(tempPath, sizeof tempPath);
    if (tempCloser.fd < 0) {
      job.Log("ERROR", std::string("Unable to create temporary file: ") + std::strerror(errno));
      return 1;
    }
    // Unlinked at once: the file goes away on every path, a crash included.
    ::unlink(tempPath);
  }

  job.HostNameStr.clear();
  job.IPAddressStr.clear();
  profile.prepareIdentity(job);
  InializeDescriptionTable(job);

  if (profile.jobCopy && ::access(JobCopySwitchPath().c_str(), F_OK) == 0) {
    job.jobCopy = OpenJobCopy(job);
    out.mirror = job.jobCopy.get();
  }

  if (GetTicketFromPDE(job) == 1) {
    // In decomposition mode the feature sections bring PJL of their own;
    // what the header already said is not said again.
    std::string header;
    if (job.decompMode) out.tap = &header;
    OutputEPJLCommand(job);
    out.tap = nullptr;
    RememberDecomposedPjl(job, header);
  }

  // A cancelled job still ends with its trailer and status 0.
  if (job.decompMode) {
    OutputPSStreamtoFileandInsertPJLforFeaturePDE(job, input, tempCloser.fd);
  } else {
    OutputPSStream(job, input);
  }
  ReportJobEnd(job);
  if (profile.trailer) OutputTrailer(job);
  CloseJobCopy(job);
  out.Flush();

  // A job stream that could not be written out (the device side went away)
  // is a failed job, and the scheduler is told why.
  if (out.failed() || CancelJobForPipe) {
    job.Log("ERROR", std::string("Unable to write print data: ") + std::strerror(out.failed() ? out.error() : EPIPE));
  }
  return job.failed ? 1 : 0;
}

int FilterMain(const EditionProfile& profile, int argc, char** argv) { return RunJob(profile, argc, argv); }

}  // namespace zqf
