#include "zqpde/time_of_day.h"

#include <zqp/system.h>

#include <cstdio>
#include <cstdlib>

namespace zqpde {
namespace {

// Seconds east of GMT as "+hhmm" / "-hhmm".
std::string ZoneText(long seconds) {
    const long magnitude = std::labs(seconds);
    const long hhmm = magnitude / 3600 * 100 + magnitude % 3600 / 60;
    char text[32];
    std::snprintf(text, sizeof text, "%c%04ld", seconds < 0 && hhmm != 0 ? '-' : '+', hhmm);
    return text;
}

std::time_t UtcNoon(int year, int month, int day) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = 12;
    return timegm(&t);
}

}  // namespace

void ConvertNSDateToLongDate(std::time_t date, LongDateRec& rec) {
    std::tm local{};
    zqp::LocalTime(date, local);
    rec.hour = static_cast<int16_t>(local.tm_hour);
    rec.minute = static_cast<int16_t>(local.tm_min);
}

std::string ConvertLongDateToNSDate(const LongDateRec& rec) {
    std::tm day{};
    day.tm_year = 2001 - 1900;
    day.tm_mon = 0;
    day.tm_mday = 1;
    day.tm_hour = rec.hour;
    day.tm_min = rec.minute;
    day.tm_isdst = -1;
    const std::time_t moment = std::mktime(&day);

    char text[64];
    std::snprintf(text, sizeof text, "2001-01-01 %s%d:%s%d:00 ", rec.hour >= 0 && rec.hour < 10 ? "0" : "",
                  rec.hour, rec.minute >= 0 && rec.minute < 10 ? "0" : "", rec.minute);
    return text + ZoneText(zqp::UtcOffsetSeconds(moment));
}

std::string GetActualTimeZoneString() {
    const std::time_t now = zqp::Now();
    return ZoneText(zqp::UtcOffsetSeconds(now) - zqp::DaylightSavingSeconds(now));
}

int GetActualDSTSecondOffset() {
    return static_cast<int>(std::labs(zqp::UtcOffsetSeconds(UtcNoon(2005, 7, 1)) - zqp::UtcOffsetSeconds(UtcNoon(2005, 1, 1))));
}

}  // namespace zqpde
