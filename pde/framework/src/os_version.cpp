#include "zqpde/os_version.h"

#include <zqp/os_release.h>

#include <cstdio>
#include <string>

namespace zqpde {
namespace {

int32_t gOSVersionCode = -1;

// The decimal number at the start of s (and advances past it); 0 when none.
long ReadNumber(std::string_view& s) {
    long n = 0;
    size_t i = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && n < 100000) {
        n = n * 10 + (s[i] - '0');
        ++i;
    }
    s.remove_prefix(i);
    return n;
}

}  // namespace

int32_t OSVersionCodeFromRelease(std::string_view release) {
    int32_t code = 0x1000;
    long major = ReadNumber(release);
    long minor = 0;
    if (!release.empty() && release.front() == '.') {
        release.remove_prefix(1);
        minor = ReadNumber(release);
    }
    if (major > 0) code += static_cast<int32_t>((16 * major - 64) & 0xFFF);
    if (minor > 0) code += static_cast<int32_t>(minor & 0xF);
    return code;
}

int32_t OSVersionCode() {
    if (gOSVersionCode < 0) gOSVersionCode = OSVersionCodeFromRelease(zqp::EmulatedKernelRelease());
    return gOSVersionCode;
}

void ResetOSVersionCacheForTesting() { gOSVersionCode = -1; }

int32_t Gestalt_ALT(uint32_t selector, int32_t* out) {
    int32_t code = OSVersionCode();
    int32_t value;
    switch (selector) {
        case kGestaltSystemVersion: value = code; break;
        case kGestaltSystemVersionMajor: value = 10 * ((code >> 12) & 0xF) + ((code >> 8) & 0xF); break;
        case kGestaltSystemVersionMinor: value = (code >> 4) & 0xF; break;
        case kGestaltSystemVersionBugFix: value = code & 0xF; break;
        default:
            std::fprintf(stderr, "Gestalt_ALT : selector '%x' not supported.\n", selector);
            return -1;
    }
    if (out != nullptr) *out = value;
    return 0;
}

}  // namespace zqpde
