#pragma once
// Fixed system locations, files created with a mode and a group, and
// system log lines.
#include <sys/types.h>

#include <string>

#include "zqp/export.h"
#include "zqp/status.h"

namespace zqp {

// ---- fixed paths --------------------------------------------------------------

inline constexpr const char* kRootEnv = "ZQ_ROOT";

// An absolute system path ("/Library/Caches", "/var/...") moved under
// $ZQ_ROOT when that is set and not empty, so tests and demos never touch the
// real system; unchanged otherwise. Relative paths are returned as given.
// (Always linked into the filters through the base library.)
ZQP_API std::string SystemPath(const std::string& absolute);
// The caches folder of the local domain.
ZQP_API std::string LocalCachesFolder();

// ---- files with a mode and a group ---------------------------------------

// Creates the folder (and missing parents, with the same mode) and sets its
// mode exactly, whatever the umask; an existing folder gets the mode too. A
// non-empty group is given to the folder; kFileNotFoundErr for an unknown
// group, kPermErr when the group cannot be set, kIoErr otherwise.
ZQP_API Status CreateFolder(const std::string& path, mode_t mode, const std::string& group = {});
// The administrators' group: "admin" where it exists, else "sudo"; empty
// when neither does.
ZQP_API std::string AdministratorsGroup();
// Writes the file whole (replacing it atomically) with the mode and group.
ZQP_API Status WriteFileWithMode(const std::string& path, const std::string& contents, mode_t mode,
                                 const std::string& group = {});

// ---- system log -----------------------------------------------------------------

enum class LogDestination { kStandardError, kSyslog };
// One line with its priority (LOG_ERR, LOG_NOTICE, ...): to standard error
// prefixed "zq: ", or to syslog under the identity "zq".
ZQP_API void SystemLog(LogDestination where, int priority, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

}  // namespace zqp
