#include "zqpde/time_of_day.h"

#include <gtest/gtest.h>
#include <zqp/system.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace zqpde {
namespace {

std::time_t gNow = 0;

class TimeOfDayTest : public ::testing::Test {
protected:
    void SetUp() override {
        zqp::SetClockForTesting([] { return gNow; });
    }
    void TearDown() override {
        zqp::SetTimeZone({});
        zqp::SetClockForTesting({});
    }
    static void Zone(const char* tz) { zqp::SetTimeZone(tz); }
    static std::time_t Utc(int y, int mo, int d, int h, int mi) {
        std::tm t{};
        t.tm_year = y - 1900;
        t.tm_mon = mo - 1;
        t.tm_mday = d;
        t.tm_hour = h;
        t.tm_min = mi;
        return timegm(&t);
    }
};

TEST_F(TimeOfDayTest, ZoneTextIsTheStandardOffset) {
    gNow = Utc(2024, 7, 1, 12, 0);  // summer in the north
    Zone("Asia/Kolkata");
    EXPECT_EQ(GetActualTimeZoneString(), "+0530");
    Zone("America/New_York");
    EXPECT_EQ(GetActualTimeZoneString(), "-0500");  // daylight saving taken out
    EXPECT_EQ(GetActualDSTSecondOffset(), 3600);
    Zone("Australia/Brisbane");
    EXPECT_EQ(GetActualTimeZoneString(), "+1000");
    EXPECT_EQ(GetActualDSTSecondOffset(), 0);
    Zone("UTC");
    EXPECT_EQ(GetActualTimeZoneString(), "+0000");
    Zone("America/St_Johns");
    EXPECT_EQ(GetActualTimeZoneString(), "-0330");
    gNow = Utc(2024, 1, 15, 12, 0);  // summer in the south
    Zone("Australia/Sydney");
    EXPECT_EQ(GetActualTimeZoneString(), "+1000");
}

TEST_F(TimeOfDayTest, HourAndMinuteAreLocalBothWays) {
    Zone("Asia/Kolkata");
    LongDateRec rec;
    ConvertNSDateToLongDate(Utc(2020, 6, 1, 3, 0), rec);
    EXPECT_EQ(rec.hour, 8);
    EXPECT_EQ(rec.minute, 30);
    EXPECT_EQ(ConvertLongDateToNSDate(rec), "2001-01-01 08:30:00 +0530");

    rec.hour = 17;
    rec.minute = 5;
    Zone("America/New_York");
    EXPECT_EQ(ConvertLongDateToNSDate(rec), "2001-01-01 17:05:00 -0500");
    // On 1 January Sydney keeps daylight saving: the text must carry that
    // offset, or the picker would show the hour shifted by one.
    Zone("Australia/Sydney");
    EXPECT_EQ(ConvertLongDateToNSDate(rec), "2001-01-01 17:05:00 +1100");
    rec.hour = 0;
    rec.minute = 0;
    Zone("UTC");
    EXPECT_EQ(ConvertLongDateToNSDate(rec), "2001-01-01 00:00:00 +0000");
}

}  // namespace
}  // namespace zqpde
