#include "zqp/task.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace zqp {

namespace {

// inputFd < 0: standard input is /dev/null.
TaskResult Run(const std::string& program, const std::vector<std::string>& arguments, bool captureOutput,
               int inputFd) {
  TaskResult result;
  int pipeFds[2] = {-1, -1};
  if (captureOutput && pipe2(pipeFds, O_CLOEXEC) != 0) {
    result.error = std::string("no pipe: ") + std::strerror(errno);
    return result;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (inputFd >= 0) posix_spawn_file_actions_adddup2(&actions, inputFd, STDIN_FILENO);
  else posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  if (captureOutput) posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);

  std::vector<std::string> args;
  args.reserve(arguments.size() + 1);
  args.push_back(program);
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  pid_t pid = -1;
  const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (captureOutput) close(pipeFds[1]);
  if (rc != 0) {
    if (captureOutput) close(pipeFds[0]);
    result.error = program + ": " + std::strerror(rc);
    return result;
  }
  result.launched = true;
  if (captureOutput) {
    char buf[8192];
    for (;;) {
      const ssize_t n = read(pipeFds[0], buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      result.output.append(buf, static_cast<size_t>(n));
    }
    close(pipeFds[0]);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      result.error = std::string("lost the child: ") + std::strerror(errno);
      return result;
    }
  }
  if (WIFEXITED(status)) {
    result.exitStatus = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    result.signal = WTERMSIG(status);
  }
  return result;
}

}  // namespace

TaskResult RunTask(const std::string& program, const std::vector<std::string>& arguments, bool captureOutput) {
  return Run(program, arguments, captureOutput, -1);
}

TaskResult RunTaskWithInput(const std::string& program, const std::vector<std::string>& arguments, int inputFd) {
  if (inputFd < 0) {
    TaskResult result;
    result.error = "no input to read";
    return result;
  }
  return Run(program, arguments, true, inputFd);
}

}  // namespace zqp
