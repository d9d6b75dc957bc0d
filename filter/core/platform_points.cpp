#include "platform_points.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <optional>

#include "zqp/os_release.h"
#include "zqp/utf8.h"

namespace zqf {
namespace {

std::optional<int32_t> gOsVersion;

// Leading decimal number of s (saturating); 0 when there is none.
int64_t LeadingNumber(std::string_view s) {
  int64_t n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') break;
    n = n * 10 + (c - '0');
    if (n > 1000000) n = 1000000;
  }
  return n;
}

}  // namespace

int32_t OsVersionFromKernelRelease(std::string_view release) {
  release = release.substr(0, 16);
  int32_t v = 0x1000;
  const int64_t major = LeadingNumber(release);
  int64_t minor = 0;
  if (auto dot = release.find('.'); dot != std::string_view::npos) minor = LeadingNumber(release.substr(dot + 1));
  if (major > 0) v += static_cast<int32_t>((major * 16 + 192) & 0xFF);
  if (minor > 0) v += static_cast<int32_t>(minor & 0xF);
  return v;
}

void ResetGestaltCache() { gOsVersion.reset(); }

int32_t OsVersion() {
  if (!gOsVersion) gOsVersion = OsVersionFromKernelRelease(zqp::EmulatedKernelRelease());
  return *gOsVersion;
}

int Gestalt_ALT(uint32_t selector, int32_t* out) {
  const int32_t v = OsVersion();
  int32_t result;
  switch (selector) {
    case gestaltSystemVersion: result = v; break;
    case gestaltSystemVersionMajor: result = ((v >> 12) & 0xF) * 10 + ((v >> 8) & 0xF); break;
    case gestaltSystemVersionMinor: result = (v >> 4) & 0xF; break;
    case gestaltSystemVersionBugFix: result = v & 0xF; break;
    default:
      std::fprintf(stderr, "Gestalt_ALT : selector '%x' not supported.\n", selector);
      return -1;
  }
  if (out != nullptr) *out = result;
  return 0;
}

ppd_attr_t* ppdFindAttr_ALT(ppd_file_t* ppd, const char* name, const char*) {
  if (ppd == nullptr || name == nullptr) return nullptr;
  const size_t len = std::strlen(name);
  for (int i = 0; i < ppd->num_attrs; ++i) {
    ppd_attr_t* attr = ppd->attrs[i];
    if (attr != nullptr && std::strncmp(attr->name, name, len) == 0) return attr;
  }
  return nullptr;
}

bool CheckIfPPDKeywordSupported(ppd_file_t* ppd, const char* name, const char* text) {
  ppd_attr_t* attr = ppdFindAttr_ALT(ppd, name, nullptr);
  return attr != nullptr && attr->value != nullptr && text != nullptr && std::strstr(attr->value, text) != nullptr;
}

void getHostName(std::string& out, size_t maxBytes) {
  out.clear();
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0 || maxBytes == 0) return;
  name[sizeof name - 1] = '\0';
  out = zqp::Utf8Prefix(name, maxBytes - 1);
}

bool getHostAddress(const std::string& host, std::string& out) {
  out.clear();
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* list = nullptr;
  if (host.empty() || getaddrinfo(host.c_str(), nullptr, &hints, &list) != 0) return false;
  std::string v6;
  for (addrinfo* a = list; a != nullptr; a = a->ai_next) {
    char text[INET6_ADDRSTRLEN] = {};
    if (a->ai_family == AF_INET) {
      inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(a->ai_addr)->sin_addr, text, sizeof text);
      if (std::strcmp(text, "127.0.0.1") != 0) {
        out = text;
        break;
      }
    } else if (a->ai_family == AF_INET6) {
      inet_ntop(AF_INET6, &reinterpret_cast<sockaddr_in6*>(a->ai_addr)->sin6_addr, text, sizeof text);
      if (std::strstr(text, "fe80::1") == nullptr) v6 = text;
    }
  }
  freeaddrinfo(list);
  if (out.empty()) out = v6;
  return !out.empty();
}

std::string DeviceFormAddress(std::string_view numeric) {
  static const char* hex = "0123456789ABCDEF";
  if (auto zone = numeric.find('%'); zone != std::string_view::npos) numeric = numeric.substr(0, zone);
  std::string text(numeric);
  in_addr v4{};
  if (inet_pton(AF_INET, text.c_str(), &v4) == 1) {
    const auto* b = reinterpret_cast<const unsigned char*>(&v4);
    std::string out = "I";
    for (int i = 0; i < 4; ++i) {
      out += hex[b[i] >> 4];
      out += hex[b[i] & 0xF];
    }
    return out;
  }
  in6_addr v6{};
  if (inet_pton(AF_INET6, text.c_str(), &v6) == 1) {
    std::string out = "6";
    for (unsigned char b : v6.s6_addr) {
      out += hex[b >> 4];
      out += hex[b & 0xF];
    }
    return out;
  }
  return {};
}

void GetClientIPAddress(std::string& nameOut, std::string& addressOut) {
  getHostName(nameOut);
  addressOut.clear();
  std::string numeric;
  if (getHostAddress(nameOut, numeric)) addressOut = DeviceFormAddress(numeric);
}

}  // namespace zqf
