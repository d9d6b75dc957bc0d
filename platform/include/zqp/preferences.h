#pragma once
// Remembered values: text or lists of text by key, per application, for the
// current user or all users, for the current host or any host. Each
// combination is one JSON file:
//   current user: <root>/user-<login>/<host>/<application>.json
//   all users:    <root>/any-user/<host>/<application>.json
// where <host> is "host-<host name>" or "any-host" and <root> is
// $ZQ_PREFS_DIR, or else ${XDG_CONFIG_HOME:-~/.config}/zq/preferences for
// the current user and /var/lib/zq/preferences for all users (then without
// the user folder). Changes are kept in memory until Synchronize, which
// writes the file atomically. A damaged file reads as empty (and is kept
// beside the new one as <file>.damaged when it is next written; an earlier
// kept copy is never written over, the next one is <file>.damaged.1 and so
// on). A value that is neither text nor a list of text is not handed out
// by CopyValue but is written back as it was read.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "zqp/export.h"

namespace zqp {

enum class PrefUser { kCurrentUser, kAnyUser };
enum class PrefHost { kCurrentHost, kAnyHost };
inline constexpr const char* kAnyApplication = "AnyApplication";
inline constexpr const char* kPrefsDirEnv = "ZQ_PREFS_DIR";

using PrefValue = std::variant<std::string, std::vector<std::string>>;
// One element of a stored list as the file holds it: text, a number, or
// anything else (monostate).
using PrefElement = std::variant<std::monostate, std::string, double>;

class ZQP_API Preferences {
 public:
  static std::optional<PrefValue> CopyValue(const std::string& key, const std::string& application,
                                            PrefUser user, PrefHost host);
  // A text value, or nothing when missing or a list.
  static std::optional<std::string> CopyString(const std::string& key, const std::string& application,
                                               PrefUser user, PrefHost host);
  // The elements of the list under the key whatever they hold, for a reader
  // that salvages what it can of a list CopyValue refuses. Nothing when the
  // key is missing or its value is not a list.
  static std::optional<std::vector<PrefElement>> CopyListElements(const std::string& key,
                                                                  const std::string& application, PrefUser user,
                                                                  PrefHost host);
  // The file as it is now is kept beside the new one, as a damaged file is,
  // when it is next written: for a reader that found values it cannot use
  // and is about to write over them.
  static void KeepFileAsideBeforeNextWrite(const std::string& application, PrefUser user, PrefHost host);
  // Nothing removes the key. An empty key or application is ignored.
  static void SetValue(const std::string& key, std::optional<PrefValue> value, const std::string& application,
                       PrefUser user, PrefHost host);
  // Writes pending changes; false when the file cannot be written (the
  // changes stay pending).
  static bool Synchronize(const std::string& application, PrefUser user, PrefHost host);
  static std::string StorePath(const std::string& application, PrefUser user, PrefHost host);
  // Forgets everything read or pending (tests change ZQ_PREFS_DIR).
  static void ResetForTesting();
};

}  // namespace zqp
