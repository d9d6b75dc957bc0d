#pragma once
// The filter's few contacts with the system: the OS version code, PPD
// attribute lookup by prefix, and the host name and address.
#include <cstdint>
#include <string>
#include <string_view>

#include <cups/ppd.h>

namespace zqf {

constexpr uint32_t FourCC(const char (&s)[5]) {
  return (static_cast<uint32_t>(static_cast<unsigned char>(s[0])) << 24) |
         (static_cast<uint32_t>(static_cast<unsigned char>(s[1])) << 16) |
         (static_cast<uint32_t>(static_cast<unsigned char>(s[2])) << 8) |
         static_cast<uint32_t>(static_cast<unsigned char>(s[3]));
}
inline constexpr uint32_t gestaltSystemVersion = FourCC("sysv");
inline constexpr uint32_t gestaltSystemVersionMajor = FourCC("sys1");
inline constexpr uint32_t gestaltSystemVersionMinor = FourCC("sys2");
inline constexpr uint32_t gestaltSystemVersionBugFix = FourCC("sys3");

// The OS version code (0x1070 for 10.7) from the emulated kernel release,
// computed once per process. Returns 0 and sets *out, or -1 for an unknown
// selector (reported on standard error, *out untouched).
int Gestalt_ALT(uint32_t selector, int32_t* out);
// The code for a kernel release text, by the filter's formula.
int32_t OsVersionFromKernelRelease(std::string_view release);
// Forgets the cached code (tests change the emulated release).
void ResetGestaltCache();
// Shorthand for the 'sysv' value.
int32_t OsVersion();

// The first attribute, in file order, whose name begins with name; the spec
// argument is not used. nullptr without a PPD or a match.
ppd_attr_t* ppdFindAttr_ALT(ppd_file_t* ppd, const char* name, const char* spec);
bool CheckIfPPDKeywordSupported(ppd_file_t* ppd, const char* name, const char* text);

// The local host name, at most maxBytes - 1 bytes cut at a character
// boundary; empty when the system cannot tell.
void getHostName(std::string& out, size_t maxBytes = 97);

// Resolves host and returns its first IPv4 address other than 127.0.0.1,
// else the last IPv6 address that is not fe80::1; false when there is none.
bool getHostAddress(const std::string& host, std::string& out);

// A numeric address in the device's form: "I" and eight upper-case hex
// digits for IPv4, "6" and 32 for IPv6. Anything that is not a well-formed
// address gives an empty result.
std::string DeviceFormAddress(std::string_view numeric);

// The host name (as getHostName) and the host's address in device form.
void GetClientIPAddress(std::string& nameOut, std::string& addressOut);

}  // namespace zqf
