#include "features_units.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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


}  // namespace

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
            if (negative) return std::max(static_cast<int32_t>(std::trunc(v - 0.5f)), r.minimum);
            return std::min(static_cast<int32_t>(std::trunc(v + 0.5f)), r.maximum);
        }
        case MarginUnit::kBookletInch:
            return std::clamp(HalfAwayFromZero(t / kTenthsPerMillimetre), r.minimum, r.maximum);
        case MarginUnit::kBookletMillimetre:
            return std::clamp(HalfAwayFromZero(t * kMillimetresPerInch), r.minimum, r.maximum);
    }
    return 0;
}

}  // namespace zqfeat
