#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "zqp/system_files.h"

namespace zqp {

namespace {

Status FromErrno(int e) {
  switch (e) {
    case EACCES:
    case EPERM:
    case EROFS:
      return kPermErr;
    case ENOENT:
    case ENOTDIR:
      return kFileNotFoundErr;
    default:
      return kIoErr;
  }
}

// The group's id, or -1 when there is no such group.
gid_t GroupId(const std::string& name) {
  std::vector<char> buf(16384);
  struct group g{};
  struct group* found = nullptr;
  if (getgrnam_r(name.c_str(), &g, buf.data(), buf.size(), &found) != 0 || found == nullptr)
    return static_cast<gid_t>(-1);
  return found->gr_gid;
}

Status ApplyModeAndGroup(const std::string& path, mode_t mode, const std::string& group) {
  if (!group.empty()) {
    const gid_t gid = GroupId(group);
    if (gid == static_cast<gid_t>(-1)) return kFileNotFoundErr;
    if (chown(path.c_str(), static_cast<uid_t>(-1), gid) != 0) return FromErrno(errno);
  }
  // After chown: changing the group may clear set-id bits.
  if (chmod(path.c_str(), mode) != 0) return FromErrno(errno);
  return kNoErr;
}

}  // namespace

std::string AdministratorsGroup() {
  for (const char* name : {"admin", "sudo"})
    if (GroupId(name) != static_cast<gid_t>(-1)) return name;
  return {};
}

Status CreateFolder(const std::string& path, mode_t mode, const std::string& group) {
  if (path.empty()) return kParamErr;
  // Each missing level, from the top down.
  std::vector<std::string> missing;
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  for (std::string at = p; !at.empty() && at != "/";) {
    struct stat st{};
    if (stat(at.c_str(), &st) == 0) {
      if (!S_ISDIR(st.st_mode)) return kIoErr;
      break;
    }
    missing.push_back(at);
    const auto slash = at.find_last_of('/');
    if (slash == std::string::npos) break;
    at = at.substr(0, slash);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (mkdir(it->c_str(), mode) != 0 && errno != EEXIST) return FromErrno(errno);
    if (const Status s = ApplyModeAndGroup(*it, mode, group); s != kNoErr) return s;
  }
  if (missing.empty()) return ApplyModeAndGroup(p, mode, group);
  return kNoErr;
}

Status WriteFileWithMode(const std::string& path, const std::string& contents, mode_t mode, const std::string& group) {
  if (path.empty()) return kParamErr;
  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return FromErrno(errno);
  size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int e = errno;
      close(fd);
      unlink(temp.c_str());
      return FromErrno(e);
    }
    done += static_cast<size_t>(n);
  }
  if (close(fd) != 0) {
    const int e = errno;
    unlink(temp.c_str());
    return FromErrno(e);
  }
  if (const Status s = ApplyModeAndGroup(temp, mode, group); s != kNoErr) {
    unlink(temp.c_str());
    return s;
  }
  if (rename(temp.c_str(), path.c_str()) != 0) {
    const int e = errno;
    unlink(temp.c_str());
    return FromErrno(e);
  }
  return kNoErr;
}

void SystemLog(LogDestination where, int priority, const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  if (where == LogDestination::kSyslog) {
    static const bool opened = [] {
      openlog("zq", LOG_PID, LOG_USER);
      return true;
    }();
    (void)opened;
    vsyslog(priority, format, ap);
  } else {
    std::string line;
    va_list copy;
    va_copy(copy, ap);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n > 0) {
      line.resize(static_cast<size_t>(n) + 1);
      std::vsnprintf(line.data(), line.size(), format, ap);
      line.resize(static_cast<size_t>(n));
    }
    std::fprintf(stderr, "zq: %s\n", line.c_str());
  }
  va_end(ap);
}

}  // namespace zqp
