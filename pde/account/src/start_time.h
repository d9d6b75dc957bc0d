#pragma once
// The start time of a delayed job and the remembered pass codes: the small
// pieces of the print-type panel that do not need a view.
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace zqacct {

// The ticket value of a delayed job starting at hour:minute, seen at `now`
// (local time): "YYYY:MM:DD:HH:MM", today when the start time is not earlier
// than now's hour and minute, else tomorrow. Tomorrow is the next calendar
// day, so a day with a daylight-saving change is neither skipped nor repeated.
std::string StartTimeTicketText(std::time_t now, int hour, int minute);

// "HH:MM" of a start time.
std::string StartTimePreferenceText(int hour, int minute);

// Reads "HH:MM" back: two digits, any separator, two digits, within 00:00 to
// 23:59; nothing for anything else (the caller falls back to the default).
struct TimeOfDay {
    int hour, minute;
};
std::optional<TimeOfDay> ParseStartTimePreference(std::string_view text);

// A pass code as it is remembered: scrambled and Base64-encoded, as it
// travels in the ticket, so no plain pass code is kept in the preferences
// or in the job's print settings.
std::string RememberedPassCode(std::string_view plain);
// The pass code back; nothing when the text is not one that
// RememberedPassCode wrote for a pass code of digits.
std::optional<std::string> PassCodeFromRemembered(std::string_view remembered);
// Any text back (UTF-8); nothing when the text is not one RememberedPassCode wrote.
std::optional<std::string> TextFromRemembered(std::string_view remembered);

}  // namespace zqacct
