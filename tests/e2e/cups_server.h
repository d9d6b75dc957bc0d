#pragma once
// A private CUPS scheduler for end-to-end tests: its own configuration,
// spool, logs and server-bin folder in a temporary directory, reachable
// only through a local socket. Queues print to files through the "file"
// device. The scheduler is stopped when the object goes away, and also
// when the test process dies.
#include <string>
#include <vector>

namespace zqtest {

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs a program (no shell) with the private scheduler's environment.
CommandResult RunCommand(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv = {});

struct JobState {
  int id = 0;
  int state = 0;  // IPP job state: 7 canceled, 8 aborted, 9 completed
  std::string stateText;
};

class CupsServer {
 public:
  // filters: our filter executables to install next to the system's.
  explicit CupsServer(const std::vector<std::string>& filters);
  ~CupsServer();
  CupsServer(const CupsServer&) = delete;
  CupsServer& operator=(const CupsServer&) = delete;

  bool running() const { return pid_ > 0; }
  const std::string& error() const { return error_; }
  const std::string& root() const { return root_; }
  std::string socket() const { return root_ + "/run/cups.sock"; }

  // Adds an enabled queue printing into <root>/out/<name>.prn; a slow queue
  // takes its job stream in slowly, so a job stays in progress for a while.
  // defaults are the queue's own ("OPTION=CHOICE", as lpadmin -o takes them).
  bool AddQueue(const std::string& name, const std::string& ppd, bool slow = false,
                const std::vector<std::string>& defaults = {});
  std::string OutputFile(const std::string& queue) const { return root_ + "/out/" + queue + ".prn"; }

  // Submits a file with lp; returns the job ID, 0 on failure.
  int Submit(const std::string& queue, const std::string& file, const std::vector<std::string>& options,
             const std::string& title = "E2E job");
  // Waits for the job to end; the state is 0 when it did not end in time.
  JobState Wait(int job, double seconds = 60);
  // Waits until the job is being processed.
  bool WaitProcessing(int job, double seconds = 30);
  JobState Query(int job);
  bool Cancel(int job);
  // The scheduler's error log.
  std::string ErrorLog() const;
  // The lines of the error log that belong to a job.
  std::string JobLog(int job) const;

 private:
  void Stop();
  std::string root_;
  std::string error_;
  int pid_ = -1;
};

std::string ReadFile(const std::string& path);

}  // namespace zqtest
