#pragma once
// The OS version code in the form of the old system version query
// (0x1070 for 10.7, 0x10A0 for 10.10), worked out from the kernel release
// that the platform reports.
#include <cstdint>
#include <string_view>

namespace zqpde {

constexpr uint32_t FourCharCode(const char (&s)[5]) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(s[0])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(s[1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(s[2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(s[3]));
}

inline constexpr uint32_t kGestaltSystemVersion = FourCharCode("sysv");
inline constexpr uint32_t kGestaltSystemVersionMajor = FourCharCode("sys1");
inline constexpr uint32_t kGestaltSystemVersionMinor = FourCharCode("sys2");
inline constexpr uint32_t kGestaltSystemVersionBugFix = FourCharCode("sys3");

// 0x1000 + ((16 * major - 64) & 0xFFF) + (minor & 0xF), each term only when
// its number reads as greater than 0 ("19.6.0" gives 0x10F6). This differs
// from the job filter's formula from kernel release 20 on.
int32_t OSVersionCodeFromRelease(std::string_view kernelRelease);

// The code of this process, computed once from zqp::EmulatedKernelRelease().
int32_t OSVersionCode();

// Forgets the cached code so that the next query reads the release again.
void ResetOSVersionCacheForTesting();

// 'sysv' the whole code, 'sys1' the major version (10), 'sys2' the minor,
// 'sys3' the last digit; 0. Any other selector: a line on standard error,
// out untouched, -1.
int32_t Gestalt_ALT(uint32_t selector, int32_t* out);

}  // namespace zqpde
