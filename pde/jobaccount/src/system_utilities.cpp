#include "system_utilities.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdio>

#include <zqp/utf8.h>

#include "host_values.h"

namespace pellora {

namespace {

// Units of two bytes before the first zero unit; -1 when none.
long UnitsBeforeZero(const unsigned char* bytes, size_t byteCount) {
  if (bytes == nullptr) return -1;
  for (size_t i = 0; i + 1 < byteCount; i += 2)
    if (bytes[i] == 0 && bytes[i + 1] == 0) return static_cast<long>(i / 2);
  return -1;
}

// The address text of an answer; nothing when it does not format.
std::optional<std::string> AddressText(const addrinfo& answer) {
  char text[INET6_ADDRSTRLEN + IF_NAMESIZE + 2] = {};
  const void* address = nullptr;
  if (answer.ai_family == AF_INET) address = &reinterpret_cast<const sockaddr_in*>(answer.ai_addr)->sin_addr;
  else if (answer.ai_family == AF_INET6) address = &reinterpret_cast<const sockaddr_in6*>(answer.ai_addr)->sin6_addr;
  if (address == nullptr || inet_ntop(answer.ai_family, address, text, sizeof text) == nullptr) return std::nullopt;
  return std::string(text);
}

}  // namespace

std::optional<std::string> UtilityService::stringFromUnicodeBuf(const void* buffer, long length) {
  if (buffer == nullptr || length <= 0) return std::nullopt;
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  const long units = UnitsBeforeZero(bytes, static_cast<size_t>(length));
  if (units < 0) return std::nullopt;
  std::u16string text;
  text.reserve(static_cast<size_t>(units));
  for (long i = 0; i < units; ++i)
    text.push_back(static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
  return zqp::Utf16ToUtf8(text);
}

std::optional<std::string> UtilityService::copyHostIPv4Address() { return pellora::copyHostIPv4Address(); }

int CopyResolvedIPAddress(const std::string& host, std::string* out, size_t size) {
  out->clear();
  const size_t limit = size > 0 ? size - 1 : 0;
  if (host.find('\0') != std::string::npos) return 1;
  unsigned char literal[sizeof(in6_addr)];
  if (inet_pton(AF_INET, host.c_str(), literal) == 1 || inet_pton(AF_INET6, host.c_str(), literal) == 1) {
    if (host.size() > limit) return 1;
    *out = host;
    return 0;
  }
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* answers = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &answers) != 0) {
    std::fputs("CopyResolvedIPAddress - getaddrinfo failed.\n", stderr);
    return 1;
  }
  bool found = false;
  for (const addrinfo* a = answers; a != nullptr && !found; a = a->ai_next) {
    const std::optional<std::string> text = AddressText(*a);
    if (a->ai_family == AF_INET6) {
      // The first IPv6 answer ends the walk, written or not.
      if (text && text->size() <= limit) {
        *out = *text;
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(a->ai_addr);
        char name[IF_NAMESIZE] = {};
        if (IN6_IS_ADDR_LINKLOCAL(&v6->sin6_addr) && if_indextoname(v6->sin6_scope_id, name) != nullptr &&
            out->size() + 1 + std::char_traits<char>::length(name) <= limit)
          *out += std::string("%") + name;
        found = true;
      }
      break;
    }
    if (a->ai_family == AF_INET && text && text->size() <= limit) {
      *out = *text;
      found = true;
    } else {
      std::fputs("CopyResolvedIPAddress - inet_ntop-IPv4 error.\n", stderr);
    }
  }
  freeaddrinfo(answers);
  return found ? 0 : 1;
}

long unicharLength(const char16_t* buffer, size_t byteCount) {
  return UnitsBeforeZero(reinterpret_cast<const unsigned char*>(buffer), byteCount);
}

}  // namespace pellora
