#pragma once
// Time of day for the start-time clock: hour and minute in a long date
// record, the text form the clock's date picker reads, and the local zone's
// offset as "+hhmm" text. "Now" and the local zone are the platform's
// (zqp::Now, zqp::SetTimeZone), which tests replace.
#include <cstdint>
#include <ctime>
#include <string>

namespace zqpde {

// The platform's long date record; only hour and minute are read or
// written here (28 bytes, every other field zero).
struct LongDateRec {
    int16_t hour = 0;
    int16_t minute = 0;
    int16_t unused[12] = {};
};
static_assert(sizeof(LongDateRec) == 28);

// Hour and minute of the date in the local time zone.
void ConvertNSDateToLongDate(std::time_t date, LongDateRec& rec);

// "2001-01-01 hh:mm:00 +hhmm": the record's hour and minute as local time on
// that day, with the offset the local zone has at that moment.
std::string ConvertLongDateToNSDate(const LongDateRec& rec);

// The local zone's standard offset now (daylight saving taken out) as
// "+hhmm" or "-hhmm": "+0530", "-0500", "+0000".
std::string GetActualTimeZoneString();

// The daylight-saving shift of the local zone in seconds: the difference of
// its offsets on 2005-07-01 and 2005-01-01 (0 for a zone without one).
int GetActualDSTSecondOffset();

}  // namespace zqpde
