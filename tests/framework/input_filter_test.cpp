#include "zqpde/input_filter.h"
#include "zqpde/user_groups.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace zqpde {
namespace {

TEST(InputFilter, BytesPassOnlyTheCountedRanges) {
    // Digits and "."; a third range is listed but not counted.
    TextEditFilterData filter{{2, {{'0', '9'}, {'.', '.'}, {'a', 'z'}}}, {}, "Warning1"};
    EXPECT_TRUE(validateDensityInput("12.5", &filter));
    EXPECT_TRUE(validateDensityInput("", &filter));
    EXPECT_FALSE(validateDensityInput("12a", &filter));
    EXPECT_FALSE(validateDensityInput("1\xC3\xA9", &filter));
    EXPECT_FALSE(validateDensityInput("1", nullptr));

    InputFilterData wide{1, {{0x80, 0xFF}}};
    EXPECT_TRUE(ISByteValid(0xC3, &wide));
    EXPECT_FALSE(ISByteValid('A', &wide));
    InputFilterData overCounted{99, {{'A', 'A'}}};  // never reads past the 20 ranges
    EXPECT_TRUE(ISByteValid('A', &overCounted));
    EXPECT_FALSE(ISByteValid('B', &overCounted));
    EXPECT_FALSE(ISByteValid('A', nullptr));
}

TEST(UserGroups, PrimaryGroupOrListedMember) {
    const passwd* me = getpwuid(getuid());
    const group* primary = me != nullptr ? getgrgid(me->pw_gid) : nullptr;
    if (primary == nullptr) GTEST_SKIP() << "this user has no entry in the user or group database";
    const std::string user = me->pw_name, primaryName = primary->gr_name;
    EXPECT_TRUE(CheckUserGroups(user.c_str(), primaryName.c_str()));
    EXPECT_FALSE(CheckUserGroups(user.c_str(), "zq-no-such-group"));

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(CheckUserGroups("zq-no-such-user", primaryName.c_str()));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "groups: no such user.\n");
}

}  // namespace
}  // namespace zqpde
