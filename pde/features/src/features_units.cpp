#include "features_units.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zqfeat {

namespace {

// The single-precision values the stored tickets were computed with.
constexpr double kMillimetresPerInch = static_cast<double>(25.4f);
constexpr double kTenthsPerMillimetre = static_cast<double>(2.54f);

bool IsDecimal(unsigned char c) { return c >= '0' && c <= '9'; }

// A decimal reading that cannot overflow what follows (the texts are at
// most a few characters, but a value is never trusted to be).
double Reading(const std::string& text) { return std::atof(text.c_str()); }

// Nearest integer, ties to even, clamped into 32 bits.
int32_t NearestEven(double v) {
    if (!(v > -2e9 && v < 2e9)) return v > 0 ? INT32_MAX : INT32_MIN;
    return static_cast<int32_t>(std::nearbyint(v));
}

int32_t HalfAwayFromZero(double v) {
    if (!(v > -2e9 && v < 2e9)) return v > 0 ? INT32_MAX : INT32_MIN;
    return static_cast<int32_t>(std::round(v));
}

bool DigitsAndPointOnly(const std::string& text, bool pointAllowed) {
    for (unsigned char c : text)
        if (!IsDecimal(c) && !(pointAllowed && c == '.')) return false;
    return true;
}

// Not starting or ending with a point, at most one point.
bool PointPlaced(const std::string& text) {
    if (text.empty() || text.front() == '.' || text.back() == '.') return false;
    return std::count(text.begin(), text.end(), '.') <= 1;
}

std::string TenthsText(int32_t v) {
    const int64_t a = std::llabs(static_cast<int64_t>(v));
    return (v < 0 ? "-" : "") + std::to_string(a / 10) + "." + std::to_string(a % 10);
}


std::vector<std::string> Split(const std::string& text, char at) {
    std::vector<std::string> pieces;
    size_t from = 0;
    for (;;) {
        const size_t to = text.find(at, from);
        pieces.push_back(text.substr(from, to == std::string::npos ? std::string::npos : to - from));
        if (to == std::string::npos) break;
        from = to + 1;
    }
    return pieces;
}

std::string WithoutSpaces(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

constexpr int64_t kLowestSeparatorPage = 2;
constexpr int64_t kHighestSeparatorPage = 9999;

}  // namespace

// The integer reading of a run of digits, or -1 when it is not one or passes
// limit (a run of any length is read without overflow).
int64_t DigitsValue(const std::string& digits, int64_t limit) {
    int64_t v = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
        if (v > limit) return -1;
    }
    return v;
}

int32_t MarginValueOfText(MarginUnit unit, const std::string& text) {
    const double x = Reading(text);
    switch (unit) {
        case MarginUnit::kTabMillimetre:
        case MarginUnit::kBookletInch: return NearestEven(x * 10);
        case MarginUnit::kTabInch: {
            // Hundredths with halves going up, worked in single precision.
            const float f = static_cast<float>(x * 1000 + 5);
            if (!(f > -2e9f && f < 2e9f)) return f > 0 ? INT32_MAX : INT32_MIN;
            return static_cast<int32_t>(std::trunc(f)) / 10;
        }
        case MarginUnit::kBookletMillimetre: return static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10));
    }
    return 0;
}

bool IsMarginTextValid(MarginUnit unit, const std::string& text, const UnitRange& range) {
    if (text.empty()) return false;
    int32_t value = 0;
    switch (unit) {
        case MarginUnit::kTabMillimetre:
        case MarginUnit::kBookletInch: {
            if (!DigitsAndPointOnly(text, true) || !PointPlaced(text)) return false;
            // One digit after the point, no more.
            if (const size_t point = text.find('.'); point != std::string::npos && point + 2 != text.size())
                return false;
            value = NearestEven(Reading(text) * 10);
            break;
        }
        case MarginUnit::kTabInch: {
            if (!DigitsAndPointOnly(text, true) || !PointPlaced(text)) return false;
            if (text.find('.') != std::string::npos && text.size() < 3) return false;
            value = NearestEven(Reading(text) * 100);
            break;
        }
        case MarginUnit::kBookletMillimetre: {
            if (!DigitsAndPointOnly(text, false) || text.size() > 9) return false;
            value = static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10));
            break;
        }
    }
    return value >= range.minimum && value <= range.maximum;
}

std::string MarginTextOfValue(MarginUnit unit, int32_t value) {
    switch (unit) {
        case MarginUnit::kTabMillimetre:
        case MarginUnit::kBookletInch: return TenthsText(value);
        case MarginUnit::kTabInch: {
            const int64_t a = std::llabs(static_cast<int64_t>(value));
            return (value < 0 ? "-0." : "0.") + std::to_string(a / 10) + std::to_string(a % 10);
        }
        case MarginUnit::kBookletMillimetre: return std::to_string(value);
    }
    return {};
}

int32_t ConvertMarginText(MarginUnit hidden, const std::string& shownText, const UnitRange& r) {
    const double t = Reading(shownText);
    const bool negative = !shownText.empty() && shownText.front() == '-';
    switch (hidden) {
        case MarginUnit::kTabInch:
        case MarginUnit::kTabMillimetre: {
            const float v = hidden == MarginUnit::kTabInch
                                ? static_cast<float>(t * 10) / 2.54f
                                : static_cast<float>(t * kMillimetresPerInch * 10);
            if (!(v > -2e9f && v < 2e9f)) return v > 0 ? r.maximum : r.minimum;
            // Only the side the sign points to is limited.
            // The side the sign points to is the one a typed value reaches;
            // the other is held too, so no text shows a value out of range.
            const int32_t n = static_cast<int32_t>(std::trunc(negative ? v - 0.5f : v + 0.5f));
            return std::clamp(n, r.minimum, r.maximum);
        }
        case MarginUnit::kBookletInch:
            return std::clamp(HalfAwayFromZero(t / kTenthsPerMillimetre), r.minimum, r.maximum);
        case MarginUnit::kBookletMillimetre:
            return std::clamp(HalfAwayFromZero(t * kMillimetresPerInch), r.minimum, r.maximum);
    }
    return 0;
}

int32_t SeparatorPageListCheck(const std::string& text, int32_t maxPages) {
    for (char c : text)
        if (c != ' ' && c != ',' && (c < '0' || c > '9')) return kSeparatorListMalformed;
    if (text.empty() || text.front() == ',' || text.back() == ',') return kSeparatorListMalformed;
    const std::string compact = WithoutSpaces(text);
    if (compact.empty()) return kSeparatorListMalformed;
    int32_t commas = 0;
    for (size_t i = 0; i < compact.size(); ++i)
        if (compact[i] == ',') {
            ++commas;
            if (i + 1 < compact.size() && compact[i + 1] == ',') return kSeparatorListMalformed;
        }
    if (commas >= maxPages) return kSeparatorListTooMany;
    for (const std::string& piece : Split(compact, ',')) {
        const int64_t page = DigitsValue(piece, kHighestSeparatorPage);
        if (piece.empty() || page < kLowestSeparatorPage) return kSeparatorListMalformed;
    }
    return kSeparatorListValid;
}

std::string SeparatorPagesForTicket(const std::string& typed) {
    std::vector<int64_t> pages;
    for (const std::string& piece : Split(WithoutSpaces(typed), ','))
        if (const int64_t page = DigitsValue(piece, kHighestSeparatorPage); page >= 0 && !piece.empty())
            pages.push_back(page);
    std::stable_sort(pages.begin(), pages.end());
    std::string out;
    for (int64_t page : pages) out += (out.empty() ? "" : " ") + std::to_string(page);
    return out;
}

std::string SeparatorPagesForScreen(const std::string& stored) {
    if (stored.empty()) return "";
    std::string out;
    bool first = true;
    for (const std::string& piece : Split(stored, ' ')) {
        const int64_t page = DigitsValue(piece, kHighestSeparatorPage);
        if (!first) out += ',';
        first = false;
        if (page > 0) out += std::to_string(page);
    }
    return out;
}

}  // namespace zqfeat
