// The extension's utilities without a caller of their own: the resolved
// address, UTF-16 lengths and texts, and the OS minor version, each as a
// table.
#include <gtest/gtest.h>
#include <zqp/os_release.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "host_values.h"
#include "system_utilities.h"

namespace pellora {
namespace {

TEST(Utilities, ResolvedAddressIsNumericAndNeverCut) {
  struct Case {
    const char* host;
    size_t size;  // of the caller's buffer, terminator included
    int status;
    std::vector<std::string> address;  // any of these
  } cases[] = {
      {"192.168.1.5", 16, 0, {"192.168.1.5"}},
      {"192.168.1.5", 11, 1, {""}},  // would be cut into 192.168.1.
      {"::1", 4, 0, {"::1"}},
      {"fe80::1%lo", 16, 0, {"fe80::1%lo"}},
      {"fe80::1%lo", 10, 0, {"fe80::1"}},  // the interface does not fit, the address does
      {"localhost", 64, 0, {"127.0.0.1", "::1"}},
      {"zq-no-such-host.invalid", 64, 1, {""}},
      {"", 64, 1, {""}},
  };
  for (const Case& c : cases) {
    std::string out = "stale";
    EXPECT_EQ(CopyResolvedIPAddress(c.host, &out, c.size), c.status) << c.host << " " << c.size;
    EXPECT_NE(std::find(c.address.begin(), c.address.end(), out), c.address.end()) << c.host << " gave " << out;
  }
}

TEST(Utilities, UnicodeBufferLengthsAndTexts) {
  // "A", U+00E9, U+20AC, a surrogate pair (U+1F600), then zero: little-endian bytes.
  alignas(char16_t) const unsigned char text[] = {'A', 0, 0xE9, 0, 0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE, 0, 0, 'B', 0};
  alignas(char16_t) const unsigned char lone[] = {0x3D, 0xD8, 'x', 0, 0, 0};  // an unpaired high surrogate
  struct Case {
    const void* buffer;
    long bytes;
    long units;                        // unicharLength
    std::optional<std::string> text;  // stringFromUnicodeBuf
  } cases[] = {
      {text, sizeof text, 5, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
      {text, 10, -1, std::nullopt},  // the zero unit lies beyond the count
      {text, 11, -1, std::nullopt},  // half a zero unit is none
      {text + 10, 4, 0, ""},
      {lone, sizeof lone, 2, "x"},
      {text, 0, -1, std::nullopt},
      {text, -2, -1, std::nullopt},
      {nullptr, 8, -1, std::nullopt},
  };
  for (const Case& c : cases) {
    if (c.bytes >= 0) {
      EXPECT_EQ(unicharLength(static_cast<const char16_t*>(c.buffer), static_cast<size_t>(c.bytes)), c.units)
          << c.bytes;
    }
    EXPECT_EQ(UtilityService::stringFromUnicodeBuf(c.buffer, c.bytes), c.text) << c.bytes;
  }
}

TEST(Utilities, OSMinorVersionComesFromTheKernelsMajorReleaseOnce) {
  struct Case {
    const char* release;
    int minor;
  } cases[] = {{"10.8.0", 6}, {"11.0", 7}, {"19.6.0", 15}, {"4", 0}, {"3.2", -1}, {"", -1}, {"x10.8", -1}};
  for (const Case& c : cases) EXPECT_EQ(OSMinorVersionFromRelease(c.release), c.minor) << c.release;

  setenv(zqp::kOsReleaseEnv, "10.8.0", 1);
  ResetOSMinorVersionForTesting();
  EXPECT_EQ(getOSMinorVersion(), 6);
  setenv(zqp::kOsReleaseEnv, "14.5.0", 1);
  EXPECT_EQ(getOSMinorVersion(), 6) << "worked out once per process";
  unsetenv(zqp::kOsReleaseEnv);
  ResetOSMinorVersionForTesting();
  EXPECT_EQ(getOSMinorVersion(), OSMinorVersionFromRelease(zqp::EmulatedKernelRelease()));
}

}  // namespace
}  // namespace pellora
