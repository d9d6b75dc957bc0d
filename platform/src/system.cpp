#include "zqp/system.h"

#include <arpa/inet.h>
#include <grp.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

#include "zqp/bundle.h"
#include "zqp/events.h"

namespace zqp {

// ---- identity --------------------------------------------------------------

std::string LoginName() {
  struct passwd pw;
  struct passwd* result = nullptr;
  std::vector<char> buf(16384);
  if (getpwuid_r(getuid(), &pw, buf.data(), buf.size(), &result) != 0 || result == nullptr) return {};
  return result->pw_name ? result->pw_name : "";
}

namespace {

bool GroupByName(const std::string& name, struct group& gr, std::vector<char>& buf) {
  struct group* result = nullptr;
  buf.assign(65536, 0);
  return getgrnam_r(name.c_str(), &gr, buf.data(), buf.size(), &result) == 0 && result != nullptr;
}

}  // namespace

std::string AdminGroupName() {
  struct group gr;
  std::vector<char> buf;
  return GroupByName("admin", gr, buf) ? "admin" : "sudo";
}

bool IsUserInGroup(const std::string& user, const std::string& group) {
  if (user.empty() || group.empty()) return false;
  struct group gr;
  std::vector<char> gbuf;
  if (!GroupByName(group, gr, gbuf)) return false;
  for (char** m = gr.gr_mem; m != nullptr && *m != nullptr; ++m) {
    if (user == *m) return true;
  }
  struct passwd pw;
  struct passwd* result = nullptr;
  std::vector<char> pbuf(16384);
  if (getpwnam_r(user.c_str(), &pw, pbuf.data(), pbuf.size(), &result) != 0 || result == nullptr) return false;
  return result->pw_gid == gr.gr_gid;
}

bool IsUserAdmin(const std::string& user) { return IsUserInGroup(user, AdminGroupName()); }

// ---- host ------------------------------------------------------------------

std::string HostName() {
  char buf[256] = {};
  if (gethostname(buf, sizeof buf - 1) != 0) return {};
  return buf;
}

std::string MachineName() {
  std::ifstream in("/etc/machine-info");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("PRETTY_HOSTNAME=", 0) != 0) continue;
    std::string v = line.substr(16);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
      v = v.substr(1, v.size() - 2);
    }
    if (!v.empty()) return v;
  }
  return HostName();
}

namespace {

// Interface names that carry a default route of the family.
std::vector<std::string> DefaultRouteInterfaces(AddressFamily family) {
  std::vector<std::string> out;
  if (family == AddressFamily::kIPv4) {
    std::ifstream in("/proc/net/route");
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
      std::istringstream ls(line);
      std::string iface, dest, gateway, flags, refcnt, use, metric, mask;
      if (!(ls >> iface >> dest >> gateway >> flags >> refcnt >> use >> metric >> mask)) continue;
      if (dest == "00000000" && mask == "00000000") out.push_back(iface);
    }
  } else {
    std::ifstream in("/proc/net/ipv6_route");
    std::string line;
    while (std::getline(in, line)) {
      std::istringstream ls(line);
      std::string dest, dlen, src, slen, next, metric, ref, use, flags, iface;
      if (!(ls >> dest >> dlen >> src >> slen >> next >> metric >> ref >> use >> flags >> iface)) continue;
      if (dest == std::string(32, '0') && dlen == "00" && iface != "lo") out.push_back(iface);
    }
  }
  return out;
}

}  // namespace

std::vector<std::string> PrimaryAddresses(AddressFamily family) {
  std::vector<std::string> out;
  std::vector<std::string> ifaces = DefaultRouteInterfaces(family);
  if (ifaces.empty()) return out;
  const std::string& iface = ifaces.front();
  struct ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return out;
  for (struct ifaddrs* a = list; a != nullptr; a = a->ifa_next) {
    if (a->ifa_addr == nullptr || a->ifa_name == nullptr || iface != a->ifa_name) continue;
    char text[INET6_ADDRSTRLEN] = {};
    if (family == AddressFamily::kIPv4 && a->ifa_addr->sa_family == AF_INET) {
      auto* sin = reinterpret_cast<struct sockaddr_in*>(a->ifa_addr);
      if (inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text)) out.push_back(text);
    } else if (family == AddressFamily::kIPv6 && a->ifa_addr->sa_family == AF_INET6) {
      auto* sin6 = reinterpret_cast<struct sockaddr_in6*>(a->ifa_addr);
      if (inet_ntop(AF_INET6, &sin6->sin6_addr, text, sizeof text)) out.push_back(text);
    }
  }
  freeifaddrs(list);
  return out;
}

std::optional<std::string> PrimaryAddress() {
  auto v4 = PrimaryAddresses(AddressFamily::kIPv4);
  if (!v4.empty()) return v4.front();
  auto v6 = PrimaryAddresses(AddressFamily::kIPv6);
  if (v6.empty()) return std::nullopt;
  for (auto it = v6.rbegin(); it != v6.rend(); ++it) {
    std::string up = *it;
    for (auto& c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (up.rfind("FE80", 0) != 0) return *it;
  }
  return v6.back();
}

// ---- clock and zone ----------------------------------------------------------

namespace {

std::function<std::time_t()>& Clock() {
  static std::function<std::time_t()> clock;
  return clock;
}

struct StartZone {
  bool had = false;
  std::string value;
  StartZone() {
    if (const char* tz = std::getenv("TZ")) {
      had = true;
      value = tz;
    }
  }
};

const StartZone& InitialZone() {
  static StartZone zone;
  return zone;
}

}  // namespace

std::time_t Now() { return Clock() ? Clock()() : std::time(nullptr); }

void SetClockForTesting(std::function<std::time_t()> clock) { Clock() = std::move(clock); }

void SetTimeZone(const std::string& tz) {
  const StartZone& start = InitialZone();
  if (!tz.empty()) {
    setenv("TZ", tz.c_str(), 1);
  } else if (start.had) {
    setenv("TZ", start.value.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}

bool LocalTime(std::time_t t, std::tm& out) { return localtime_r(&t, &out) != nullptr; }

long UtcOffsetSeconds(std::time_t t) {
  std::tm tm{};
  return LocalTime(t, tm) ? tm.tm_gmtoff : 0;
}

long DaylightSavingSeconds(std::time_t t) {
  std::tm tm{};
  if (!LocalTime(t, tm) || tm.tm_isdst <= 0) return 0;
  // The standard offset is the one of the nearest non-DST instant of the
  // year; half-year steps find it in every zone with two seasons.
  for (int months = 1; months <= 12; ++months) {
    std::time_t other = t + static_cast<std::time_t>(months) * 30 * 86400;
    std::tm o{};
    if (LocalTime(other, o) && o.tm_isdst == 0) return tm.tm_gmtoff - o.tm_gmtoff;
  }
  return 3600;
}

// ---- help ----------------------------------------------------------------------

namespace {

std::set<std::string>& Books() {
  static std::set<std::string> books;
  return books;
}

std::vector<HelpPageRequest>& Pages() {
  static std::vector<HelpPageRequest> pages;
  return pages;
}

}  // namespace

Status RegisterHelpBook(const Bundle* bundle) {
  if (bundle == nullptr || bundle->path().empty()) return kFileNotFoundErr;
  std::string book = bundle->infoValue("CFBundleHelpBookName");
  if (book.empty()) book = bundle->identifier();
  Books().insert(book);
  return kNoErr;
}

bool IsHelpBookRegistered(const std::string& book) { return Books().count(book) != 0; }

Status GotoHelpPage(const std::string& book, const std::string& page, const std::string& anchor) {
  if (book.empty() || page.empty()) return kParamErr;
  Pages().push_back(HelpPageRequest{book, page, anchor});
  EventLog::Shared().Record(EventKind::kHelp, book + " " + page + (anchor.empty() ? "" : "#" + anchor));
  return kNoErr;
}

const std::vector<HelpPageRequest>& OpenedHelpPages() { return Pages(); }

void ResetHelpForTesting() {
  Books().clear();
  Pages().clear();
}

// ---- logging -----------------------------------------------------------------------

void Log(const char* format, ...) {
  char buf[2048];
  va_list ap;
  va_start(ap, format);
  std::vsnprintf(buf, sizeof buf, format, ap);
  va_end(ap);
  std::fprintf(stderr, "zq: %s\n", buf);
}

}  // namespace zqp
