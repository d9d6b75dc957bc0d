#pragma once
// The extension's system services (UtilityService) and its address and
// UTF-16 helpers.
#include <cstddef>
#include <optional>
#include <string>

#include <zqpde/utility_service.h>

namespace pellora {

// The administrator test, the sandbox test and the help-preferences clean-up
// are the older framework build's; this class adds its own two.
class UtilityService : public zqpde::UTILITY_SERVICE {
 public:
  // The text of a UTF-16 little-endian buffer of length bytes, up to its
  // first zero unit, as UTF-8 (unpaired surrogates left out); nothing for no
  // buffer, a length of 0 or less, or no zero unit within it.
  static std::optional<std::string> stringFromUnicodeBuf(const void* buffer, long length);
  // The primary IPv4 address, dotted; nothing without one.
  static std::optional<std::string> copyHostIPv4Address();
};

// The numeric address of host, at most size - 1 bytes (what a buffer of size
// bytes holds with its terminator), into out; 0 when there is one. A literal
// IPv4 or IPv6 address is taken as it is; a name is resolved and its first
// IPv4 address that formats, or its first IPv6 address, is taken; a
// link-local IPv6 address gets "%" and its interface's name when that fits.
// 1 when the name does not resolve or no address fits: an address is never
// cut, since a cut one is another address.
int CopyResolvedIPAddress(const std::string& host, std::string* out, size_t size);

// The number of UTF-16 units before the first zero unit within byteCount
// bytes of buffer; -1 when there is none (or no buffer).
long unicharLength(const char16_t* buffer, size_t byteCount);

}  // namespace pellora
