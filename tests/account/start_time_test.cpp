// The start time of a delayed job, the remembered pass codes and the
// print-type texts read back from a ticket.
#include <gtest/gtest.h>
#include <zqp/system.h>

#include <ctime>

#include "print_type_controls.h"
#include "start_time.h"
#include <zqp/print_settings.h>

namespace zqacct {
namespace {

// Local time in the zone, as a time_t.
std::time_t At(const char* zone, int year, int month, int day, int hour, int minute) {
    zqp::SetTimeZone(zone);
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

class StartTime : public ::testing::Test {
protected:
    void TearDown() override { zqp::SetTimeZone(""); }
};

TEST_F(StartTime, TodayUnlessTheTimeHasPassed) {
    EXPECT_EQ(StartTimeTicketText(At("UTC", 2026, 12, 8, 8, 30), 9, 5), "2026:12:08:09:05");
    EXPECT_EQ(StartTimeTicketText(At("UTC", 2026, 12, 8, 10, 0), 9, 5), "2026:12:09:09:05");
    // The same minute is still today.
    EXPECT_EQ(StartTimeTicketText(At("UTC", 2026, 12, 8, 9, 5), 9, 5), "2026:12:08:09:05");
    EXPECT_EQ(StartTimeTicketText(At("UTC", 2026, 12, 8, 9, 6), 9, 5), "2026:12:09:09:05");
}

TEST_F(StartTime, TomorrowCrossesMonthAndYearEnds) {
    EXPECT_EQ(StartTimeTicketText(At("UTC", 2026, 12, 31, 23, 0), 0, 0), "2027:01:01:00:00");
    EXPECT_EQ(StartTimeTicketText(At("UTC", 2028, 2, 28, 12, 0), 6, 30), "2028:02:29:06:30");
}

TEST_F(StartTime, TomorrowIsTheNextCalendarDayAcrossDaylightSavingChanges) {
    // 25 October 2026 has 25 hours in Berlin: 24 hours after 00:30 is still the 25th.
    EXPECT_EQ(StartTimeTicketText(At("Europe/Berlin", 2026, 10, 25, 0, 30), 0, 10), "2026:10:26:00:10");
    // 29 March 2026 has 23 hours: 24 hours after 23:30 would skip the 30th.
    EXPECT_EQ(StartTimeTicketText(At("Europe/Berlin", 2026, 3, 28, 23, 30), 8, 0), "2026:03:29:08:00");
    EXPECT_EQ(StartTimeTicketText(At("Europe/Berlin", 2026, 3, 29, 23, 30), 0, 15), "2026:03:30:00:15");
}

TEST(StartTimePreference, TwoDigitFieldsReadBackAndNonsenseIsRefused) {
    EXPECT_EQ(StartTimePreferenceText(9, 5), "09:05");
    EXPECT_EQ(StartTimePreferenceText(23, 59), "23:59");
    auto t = ParseStartTimePreference("09:05");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->hour, 9);
    EXPECT_EQ(t->minute, 5);
    for (const char* bad : {"24:00", "12:60", "99:99", "9:05", "09:5", "", "ab:cd", "09:05x", "-1:05"})
        EXPECT_FALSE(ParseStartTimePreference(bad)) << bad;
    EXPECT_TRUE(ParseStartTimePreference("00:00"));
}

TEST(RememberedPassCode, IsScrambledAndReadsBack) {
    const std::string kept = RememberedPassCode("123456");
    EXPECT_NE(kept.find_first_not_of("0123456789"), std::string::npos) << kept;
    EXPECT_EQ(kept.find("123456"), std::string::npos);
    EXPECT_EQ(PassCodeFromRemembered(kept), "123456");
    EXPECT_EQ(PassCodeFromRemembered(RememberedPassCode("")), "");
    // Plain digits and text that is no scrambled pass code are not taken.
    EXPECT_FALSE(PassCodeFromRemembered("1234"));
    EXPECT_FALSE(PassCodeFromRemembered("not base64!"));
    EXPECT_FALSE(PassCodeFromRemembered(RememberedPassCode("12ab")));
}

TEST(PrintTypeTextFromTicket, EscapedValuesDecodeAndBadOnesAreRefused) {
    struct Case {
        std::string stored;
        std::optional<std::string> read;
    } cases[] = {
        {"plain", "plain"},
        {"/65/66", "AB"},
        {"/67/44/68", "C,D"},
        {"", ""},
        {std::string(255, 'x'), std::string(255, 'x')},
        {std::string(256, 'x'), std::nullopt},                 // longer than a ticket text
        {"/195/169", "\xC3\xA9"},                               // bytes of one character
        {"/255/254", std::nullopt},                             // not UTF-8 once decoded
    };
    std::string longEscape;
    for (int i = 0; i < 255; ++i) longEscape += "/120";
    for (const Case& c : cases) {
        zqp::PrintSettings s;
        ASSERT_EQ(s.SetValue("k", c.stored, false), zqp::kNoErr);
        EXPECT_EQ(PrintTypeTextFromTicket(&s, "k"), c.read) << c.stored;
    }
    zqp::PrintSettings s;
    ASSERT_EQ(s.SetValue("k", longEscape, false), zqp::kNoErr);
    EXPECT_EQ(PrintTypeTextFromTicket(&s, "k"), std::string(255, 'x')) << "an escaped 255-byte text is whole";
    EXPECT_FALSE(PrintTypeTextFromTicket(&s, "missing"));
    EXPECT_FALSE(PrintTypeTextFromTicket(nullptr, "k"));
}

}  // namespace
}  // namespace zqacct
