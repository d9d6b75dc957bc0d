#include "host_values.h"

#include <pwd.h>
#include <unistd.h>
#include <zqp/os_release.h>
#include <zqp/system.h>
#include <zqpde/os_version.h>

#include <climits>
#include <cstdio>
#include <vector>

namespace pellora {

int32_t OSVersionCode() {
  int32_t code = 0x1000;
  zqpde::Gestalt_ALT(zqpde::kGestaltSystemVersion, &code);
  return code;
}

namespace {
std::optional<int> gOSMinorVersion;
}  // namespace

int OSMinorVersionFromRelease(std::string_view release) {
  int major = 0;
  size_t digits = 0;
  for (; digits < release.size() && release[digits] >= '0' && release[digits] <= '9' && major < 100000; ++digits)
    major = major * 10 + (release[digits] - '0');
  return digits > 0 && major >= 4 ? major - 4 : -1;
}

int getOSMinorVersion() {
  if (!gOSMinorVersion) gOSMinorVersion = OSMinorVersionFromRelease(zqp::EmulatedKernelRelease());
  return *gOSMinorVersion;
}

void ResetOSMinorVersionForTesting() { gOSMinorVersion.reset(); }

std::string ProcessUserName() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
      found->pw_name == nullptr)
    return {};
  return found->pw_name;
}

std::string HostNameText() {
  char name[HOST_NAME_MAX + 1] = {};
  if (gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

std::string IPAddressTicketText(const std::string& dotted) {
  unsigned parts[4];
  char tail = 0;
  if (std::sscanf(dotted.c_str(), "%3u.%3u.%3u.%3u%c", &parts[0], &parts[1], &parts[2], &parts[3], &tail) != 4)
    return {};
  std::string out = "I";
  for (unsigned part : parts) {
    if (part > 255) return {};
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", part);
    out += hex;
  }
  return out;
}

std::optional<std::string> copyHostIPv4Address() {
  auto addresses = zqp::PrimaryAddresses(zqp::AddressFamily::kIPv4);
  if (addresses.empty()) return std::nullopt;
  return addresses.front();
}

namespace {
std::string Format(std::time_t t, const char* format) {
  std::tm tm{};
  if (!zqp::LocalTime(t, tm)) return {};
  char text[64];
  const size_t n = std::strftime(text, sizeof text, format, &tm);
  return std::string(text, n);
}
}  // namespace

std::string DateText(std::time_t t) { return Format(t, "%m/%d/%Y"); }
std::string TimeText(std::time_t t) { return Format(t, "%H:%M:%S"); }

}  // namespace pellora
