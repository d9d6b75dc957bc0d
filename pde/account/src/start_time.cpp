#include "start_time.h"

#include <zqp/system.h>
#include <zqp/utf8.h>

#include <cstdio>

#include "qspenclib.h"
#include "zqpde/ticket_value.h"

namespace zqacct {

std::string StartTimePreferenceText(int hour, int minute) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", hour % 100, minute % 100);
    return text;
}

std::string StartTimeTicketText(std::time_t now, int hour, int minute) {
    std::tm today{};
    if (!zqp::LocalTime(now, today)) return {};
    int year = today.tm_year + 1900, month = today.tm_mon + 1, day = today.tm_mday;
    if (hour < today.tm_hour || (hour == today.tm_hour && minute < today.tm_min)) {
        // The next calendar day: noon of day + 1, normalised by mktime, whatever
        // the length of today in seconds.
        std::tm next{};
        next.tm_year = today.tm_year;
        next.tm_mon = today.tm_mon;
        next.tm_mday = today.tm_mday + 1;
        next.tm_hour = 12;
        next.tm_isdst = -1;
        const std::time_t t = std::mktime(&next);
        std::tm norm{};
        if (t == static_cast<std::time_t>(-1) || !zqp::LocalTime(t, norm)) return {};
        year = norm.tm_year + 1900;
        month = norm.tm_mon + 1;
        day = norm.tm_mday;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d:%s", year, month, day,
                  StartTimePreferenceText(hour, minute).c_str());
    return text;
}

std::optional<TimeOfDay> ParseStartTimePreference(std::string_view text) {
    auto digit = [&](size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    if (text.size() != 5 || !digit(0) || !digit(1) || !digit(3) || !digit(4)) return std::nullopt;
    const int hour = (text[0] - '0') * 10 + (text[1] - '0');
    const int minute = (text[3] - '0') * 10 + (text[4] - '0');
    if (hour > 23 || minute > 59) return std::nullopt;
    return TimeOfDay{hour, minute};
}

std::string RememberedPassCode(std::string_view plain) { return zqpde::QSPTicketString(plain).value_or(""); }

std::optional<std::string> PassCodeFromRemembered(std::string_view remembered) {
    std::optional<std::string> out = TextFromRemembered(remembered);
    if (!out) return std::nullopt;
    for (char c : *out)
        if (c < '0' || c > '9') return std::nullopt;
    return out;
}

std::optional<std::string> TextFromRemembered(std::string_view remembered) {
    if (remembered.empty()) return std::string();
    unsigned char bin[256], plain[256];
    int n = 0, m = 0;
    if (remembered.size() > 252 ||
        QSPB64ToBin(remembered.data(), static_cast<int>(remembered.size()), bin, &n, sizeof bin) != 0)
        return std::nullopt;
    if (QSPEncrypt(bin, n, plain, &m, sizeof plain) != 0) return std::nullopt;
    std::string out(reinterpret_cast<const char*>(plain), static_cast<size_t>(m));
    if (!zqp::IsValidUtf8(out)) return std::nullopt;
    return out;
}

}  // namespace zqacct
