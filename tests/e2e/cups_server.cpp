#include "cups_server.h"

#include <cups/cups.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace zqtest {
namespace {

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

std::string ReadFd(int fd) {
  std::string data;
  char buf[8192];
  ssize_t n;
  lseek(fd, 0, SEEK_SET);
  while ((n = read(fd, buf, sizeof buf)) > 0) data.append(buf, static_cast<size_t>(n));
  return data;
}

void Sleep(double s) { std::this_thread::sleep_for(std::chrono::duration<double>(s)); }

}  // namespace

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

CommandResult RunCommand(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv) {
  CommandResult r;
  FILE* out = tmpfile();
  FILE* err = tmpfile();
  pid_t pid = fork();
  if (pid == 0) {
    dup2(fileno(out), 1);
    dup2(fileno(err), 2);
    int devnull = open("/dev/null", O_RDONLY);
    dup2(devnull, 0);
    for (const auto& e : extraEnv) putenv(strdup(e.c_str()));
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  r.out = ReadFd(fileno(out));
  r.err = ReadFd(fileno(err));
  fclose(out);
  fclose(err);
  return r;
}

CupsServer::CupsServer(const std::vector<std::string>& filters) {
  if (geteuid() != 0) {
    error_ = "the scheduler needs root to start";
    return;
  }
  char templ[] = "/tmp/zqcupsXXXXXX";
  if (mkdtemp(templ) == nullptr) {
    error_ = "mkdtemp failed";
    return;
  }
  root_ = templ;
  // The scheduler is the same one the demo starts: scripts/private-cupsd
  // lays out the folder and runs cupsd in the foreground.
  std::vector<std::string> argv = {ZQ_PRIVATE_CUPSD, root_};
  argv.insert(argv.end(), filters.begin(), filters.end());
  argv.push_back("--");
  argv.push_back(ZQ_E2E_SLOW_BACKEND);
  pid_ = fork();
  if (pid_ == 0) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlive the test (kept across exec)
    int devnull = open("/dev/null", O_RDWR);
    dup2(devnull, 0);
    int log = open((root_ + "/scheduler.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(log, 1);
    dup2(log, 2);
    std::vector<char*> args;
    for (auto& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  setenv("CUPS_SERVER", socket().c_str(), 1);
  cupsSetServer(socket().c_str());
  for (int i = 0; i < 100; ++i) {
    if (RunCommand({"lpstat", "-r"}).out.find("is running") != std::string::npos) return;
    int status;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      error_ = "the scheduler exited: " + ReadFile(root_ + "/scheduler.log");
      return;
    }
    Sleep(0.1);
  }
  error_ = "the scheduler did not come up";
  Stop();
}

CupsServer::~CupsServer() {
  Stop();
  if (!root_.empty() && std::getenv("ZQ_KEEP_E2E") == nullptr) {
    RunCommand({"rm", "-rf", root_});
  }
}

void CupsServer::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  for (int i = 0; i < 50; ++i) {
    int status;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return;
    }
    Sleep(0.1);
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

bool CupsServer::AddQueue(const std::string& name, const std::string& ppd, bool slow,
                          const std::vector<std::string>& defaults) {
  const std::string copy = root_ + "/ppd/" + name + ".ppd";
  WriteText(copy, ReadFile(ppd));
  const std::string uri = (slow ? "zqslow:" : "file://") + OutputFile(name);
  // A job the filter refuses ends as aborted instead of stopping the queue.
  std::vector<std::string> argv = {"lpadmin", "-p", name, "-E", "-v", uri, "-P", copy,
                                   "-o", "printer-error-policy=abort-job"};
  for (const auto& d : defaults) {
    argv.push_back("-o");
    argv.push_back(d);
  }
  auto r = RunCommand(argv);
  if (r.status != 0) error_ = r.err;
  return r.status == 0;
}

int CupsServer::Submit(const std::string& queue, const std::string& file, const std::vector<std::string>& options,
                       const std::string& title) {
  std::vector<std::string> argv = {"lp", "-d", queue, "-t", title};
  for (const auto& o : options) {
    argv.push_back("-o");
    argv.push_back(o);
  }
  argv.push_back(file);
  auto r = RunCommand(argv);
  const auto pos = r.out.find(queue + "-");
  if (r.status != 0 || pos == std::string::npos) {
    error_ = r.err;
    return 0;
  }
  return std::atoi(r.out.c_str() + pos + queue.size() + 1);
}

JobState CupsServer::Query(int job) {
  JobState s;
  s.id = job;
  cups_job_t* jobs = nullptr;
  const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
  for (int i = 0; i < n; ++i) {
    if (jobs[i].id == job) s.state = jobs[i].state;
  }
  cupsFreeJobs(n, jobs);
  static const char* names[] = {"", "", "", "pending", "held", "processing", "stopped", "canceled", "aborted",
                                "completed"};
  s.stateText = (s.state >= 3 && s.state <= 9) ? names[s.state] : "unknown";
  return s;
}

JobState CupsServer::Wait(int job, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    JobState s = Query(job);
    if (s.state >= IPP_JSTATE_STOPPED) {
      // The scheduler writes its log a moment after the state changes.
      Sleep(0.3);
      return s;
    }
    Sleep(0.1);
  }
  return JobState{job, 0, "timeout"};
}

bool CupsServer::WaitProcessing(int job, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (Query(job).state == IPP_JSTATE_PROCESSING) return true;
    Sleep(0.02);
  }
  return false;
}

bool CupsServer::Cancel(int job) { return RunCommand({"cancel", std::to_string(job)}).status == 0; }

std::string CupsServer::ErrorLog() const { return ReadFile(root_ + "/log/error_log"); }

std::string CupsServer::JobLog(int job) const {
  std::istringstream in(ErrorLog());
  std::string line, out;
  const std::string tag = "[Job " + std::to_string(job) + "]";
  while (std::getline(in, line)) {
    if (line.find(tag) != std::string::npos) out += line + "\n";
  }
  return out;
}

}  // namespace zqtest
