#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "zqp/system.h"

namespace {

using namespace zqp;

TEST(System, IdentityQueries) {
  EXPECT_FALSE(LoginName().empty());
  const std::string admin = AdminGroupName();
  EXPECT_TRUE(admin == "admin" || admin == "sudo");
  // Primary group counts as membership; unknown names never match.
  if (geteuid() == 0) {
    EXPECT_TRUE(IsUserInGroup("root", "root"));
  }
  EXPECT_FALSE(IsUserInGroup("no-such-user-zq", "root"));
  EXPECT_FALSE(IsUserInGroup(LoginName(), "no-such-group-zq"));
  EXPECT_FALSE(IsUserInGroup("", "root"));
  EXPECT_FALSE(IsUserAdmin("no-such-user-zq"));
}

TEST(System, HostAndAddress) {
  EXPECT_FALSE(HostName().empty());
  EXPECT_FALSE(MachineName().empty());
  auto addr = PrimaryAddress();
  if (!addr) GTEST_SKIP() << "no default route on this machine";
  unsigned char buf[16];
  const bool v4 = inet_pton(AF_INET, addr->c_str(), buf) == 1;
  const bool v6 = inet_pton(AF_INET6, addr->c_str(), buf) == 1;
  EXPECT_TRUE(v4 || v6) << *addr;
  if (!PrimaryAddresses(AddressFamily::kIPv4).empty()) {
    EXPECT_TRUE(v4);
  }
}

TEST(System, ClockAndZoneAreInjectable) {
  SetClockForTesting([] { return std::time_t{1120219200}; });  // 2005-07-01 12:00 UTC
  EXPECT_EQ(Now(), 1120219200);
  SetClockForTesting({});
  EXPECT_GT(Now(), 1120219200);

  const std::time_t summer = 1120219200, winter = 1104580800;  // 2005-01-01 12:00 UTC
  SetTimeZone("Asia/Kolkata");
  EXPECT_EQ(UtcOffsetSeconds(summer), 5 * 3600 + 1800);
  EXPECT_EQ(DaylightSavingSeconds(summer), 0);
  SetTimeZone("America/New_York");
  EXPECT_EQ(UtcOffsetSeconds(winter), -5 * 3600);
  EXPECT_EQ(UtcOffsetSeconds(summer), -4 * 3600);
  EXPECT_EQ(DaylightSavingSeconds(summer), 3600);
  SetTimeZone("Australia/Sydney");  // daylight saving in January
  EXPECT_EQ(DaylightSavingSeconds(winter), 3600);
  EXPECT_EQ(UtcOffsetSeconds(winter), 11 * 3600);
  SetTimeZone("UTC");
  std::tm tm{};
  ASSERT_TRUE(LocalTime(summer, tm));
  EXPECT_EQ(tm.tm_hour, 12);
  SetTimeZone("");
}

}  // namespace
