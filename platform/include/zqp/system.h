#pragma once
// System services the extensions ask for: who is printing, on which machine,
// its address, the local clock, help books and logging.
#include <cstdarg>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "zqp/export.h"
#include "zqp/status.h"

namespace zqp {

class Bundle;

// ---- identity --------------------------------------------------------------

// Login name of the process's user (password database); empty when unknown.
ZQP_API std::string LoginName();
// "admin" where that group exists, else "sudo".
ZQP_API std::string AdminGroupName();
// Member of the group by its member list or as primary group. False for an
// unknown user or group.
ZQP_API bool IsUserInGroup(const std::string& user, const std::string& group);
// Member of AdminGroupName().
ZQP_API bool IsUserAdmin(const std::string& user);

// ---- host ------------------------------------------------------------------

// The pretty host name (PRETTY_HOSTNAME of /etc/machine-info), else HostName().
ZQP_API std::string MachineName();
ZQP_API std::string HostName();

enum class AddressFamily { kIPv4, kIPv6 };
// Address texts of the interface that carries the default route of the
// family (from /proc/net/route or /proc/net/ipv6_route), in interface order.
ZQP_API std::vector<std::string> PrimaryAddresses(AddressFamily family);
// The primary address: the first IPv4 one; without IPv4 the last IPv6
// address that is not link-local (fe80), else the last one; none when the
// machine has no default route.
ZQP_API std::optional<std::string> PrimaryAddress();

// ---- clock and zone ----------------------------------------------------------

ZQP_API std::time_t Now();
// Replaces the clock (tests); an empty function restores the real one.
ZQP_API void SetClockForTesting(std::function<std::time_t()> clock);
// Sets the local time zone (a TZ name such as "Asia/Kolkata" or
// "UTC"); empty restores the zone the process started with.
ZQP_API void SetTimeZone(const std::string& tz);
ZQP_API bool LocalTime(std::time_t t, std::tm& out);
// Offset of local time from UTC at t, in seconds, daylight saving included.
ZQP_API long UtcOffsetSeconds(std::time_t t);
// The daylight-saving part of that offset (0 outside daylight saving).
ZQP_API long DaylightSavingSeconds(std::time_t t);

// ---- help ----------------------------------------------------------------------

// Registers the bundle's help book ("CFBundleHelpBookName" of Info.json, or
// its identifier); kFileNotFoundErr without a bundle.
ZQP_API Status RegisterHelpBook(const Bundle* bundle);
ZQP_API bool IsHelpBookRegistered(const std::string& book);
// Opens a page of a book: recorded as a "help: <book> <page>" event (with
// "#anchor" when given). kParamErr for an empty book or page.
ZQP_API Status GotoHelpPage(const std::string& book, const std::string& page, const std::string& anchor = {});
struct HelpPageRequest {
  std::string book, page, anchor;
};
ZQP_API const std::vector<HelpPageRequest>& OpenedHelpPages();
ZQP_API void ResetHelpForTesting();

// ---- logging -----------------------------------------------------------------------

// One line to standard error, prefixed "zq: ".
ZQP_API void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace zqp
