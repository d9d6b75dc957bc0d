#pragma once
// What the extension asks of the system: who prints, from which machine,
// when, and on which OS release.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace pellora {

// From this OS version code on (10.7) nothing is kept in the preferences and
// the administrator test is not made.
inline constexpr int32_t kPreferencesEndVersion = 0x1070;
// 10.6: from this code up to kPreferencesEndVersion stale help registrations
// are cleaned up when the panel's view is made.
inline constexpr int32_t kStaleHelpFirstVersion = 0x1060;

// The OS version code of the process ('sysv').
int32_t OSVersionCode();

// The OS minor version from a kernel release: its major number - 4 ("10.8"
// gives 6, macOS 10.6); -1 when the release does not begin with a number of
// an OS X release (4 or more).
int OSMinorVersionFromRelease(std::string_view kernelRelease);
// That of the emulated kernel release, worked out once per process.
int getOSMinorVersion();
// Forgets it, so that the next call reads the release again.
void ResetOSMinorVersionForTesting();

// The user name of the process's real user ID from the password database;
// empty when it has none. Never the login session's name, which another
// user's process may carry.
std::string ProcessUserName();

// gethostname, or empty when it fails.
std::string HostNameText();

// "I" and the four parts of a dotted IPv4 address as two upper-case hex
// digits each (10.0.0.1 gives "I0A000001"); empty for anything that is not
// a dotted IPv4 address.
std::string IPAddressTicketText(const std::string& dotted);
// The primary IPv4 address of the machine, dotted; nothing without one.
std::optional<std::string> copyHostIPv4Address();

// "%m/%d/%Y" and "%H:%M:%S" of the local time of t.
std::string DateText(std::time_t t);
std::string TimeText(std::time_t t);

}  // namespace pellora
