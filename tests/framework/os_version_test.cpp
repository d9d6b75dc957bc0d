#include "zqpde/os_version.h"

#include "emulated_release.h"

#include <zqp/os_release.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace zqpde {
namespace {

using OSVersionTest = zqpde::test::EmulatedReleaseTest;

TEST_F(OSVersionTest, CodeFromKernelRelease) {
    EXPECT_EQ(OSVersionCodeFromRelease("11.0.0"), 0x1070);
    EXPECT_EQ(OSVersionCodeFromRelease("13.4.0"), 0x1094);
    EXPECT_EQ(OSVersionCodeFromRelease("14.5.0"), 0x10A5);
    EXPECT_EQ(OSVersionCodeFromRelease("19.6.0"), 0x10F6);
    // From release 20 on the term no longer wraps into the low byte.
    EXPECT_EQ(OSVersionCodeFromRelease("20.1.0"), 0x1101);
    EXPECT_EQ(OSVersionCodeFromRelease("7.3"), 0x1033);
    EXPECT_EQ(OSVersionCodeFromRelease("garbage"), 0x1000);
    EXPECT_EQ(OSVersionCodeFromRelease(""), 0x1000);
}

TEST_F(OSVersionTest, SelectorsAnswerFromTheCachedCode) {
    UseRelease("14.5.0");
    int32_t v = 0;
    ASSERT_EQ(Gestalt_ALT(kGestaltSystemVersion, &v), 0);
    EXPECT_EQ(v, 0x10A5);
    ASSERT_EQ(Gestalt_ALT(kGestaltSystemVersionMajor, &v), 0);
    EXPECT_EQ(v, 10);
    ASSERT_EQ(Gestalt_ALT(kGestaltSystemVersionMinor, &v), 0);
    EXPECT_EQ(v, 10);
    ASSERT_EQ(Gestalt_ALT(kGestaltSystemVersionBugFix, &v), 0);
    EXPECT_EQ(v, 5);

    setenv(zqp::kOsReleaseEnv, "11.0.0", 1);  // not read again until the cache is reset
    ASSERT_EQ(Gestalt_ALT(kGestaltSystemVersion, &v), 0);
    EXPECT_EQ(v, 0x10A5);
    ResetOSVersionCacheForTesting();
    ASSERT_EQ(Gestalt_ALT(kGestaltSystemVersion, &v), 0);
    EXPECT_EQ(v, 0x1070);
}

TEST_F(OSVersionTest, UnknownSelectorLeavesOutUntouched) {
    int32_t v = 1234;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Gestalt_ALT(FourCharCode("abcd"), &v), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Gestalt_ALT : selector '61626364' not supported.\n");
    EXPECT_EQ(v, 1234);
}

}  // namespace
}  // namespace zqpde
