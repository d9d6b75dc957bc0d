#pragma once
// Tests that need a given OS version code set the emulated kernel release
// and drop the cached code; the fixture puts both back afterwards.
#include "zqpde/os_version.h"

#include <zqp/os_release.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace zqpde::test {

class EmulatedReleaseTest : public ::testing::Test {
protected:
    void TearDown() override {
        unsetenv(zqp::kOsReleaseEnv);
        ResetOSVersionCacheForTesting();
    }
    static void UseRelease(const char* release) {
        setenv(zqp::kOsReleaseEnv, release, 1);
        ResetOSVersionCacheForTesting();
    }
};

}  // namespace zqpde::test
