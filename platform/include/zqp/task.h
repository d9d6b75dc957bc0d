#pragma once
// Child processes started with posix_spawn.
#include <string>
#include <vector>

#include "zqp/export.h"

namespace zqp {

struct TaskResult {
  bool launched = false;  // false: the program could not be started (see error)
  int exitStatus = -1;    // the exit code when the child exited normally
  int signal = 0;         // the signal that ended it, else 0
  std::string output;     // standard output, when captured
  std::string error;      // why it could not be started

  bool succeeded() const { return launched && signal == 0 && exitStatus == 0; }
};

// Runs program (an absolute path; no search) with the arguments and waits
// for it. Standard input is /dev/null; standard output is captured when
// asked, else shared with ours; standard error is always ours.
ZQP_API TaskResult RunTask(const std::string& program, const std::vector<std::string>& arguments,
                           bool captureOutput = true);

// The same with standard input read from a descriptor the caller opened
// (and still owns), so the child reads exactly that file and never opens a
// name again; standard output is captured.
ZQP_API TaskResult RunTaskWithInput(const std::string& program, const std::vector<std::string>& arguments,
                                    int inputFd);

}  // namespace zqp
