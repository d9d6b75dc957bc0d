#include "zqpde/number_text.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace zqpde {
namespace {

constexpr long long kMaxMagnitude = 100000000;  // keeps every product far from overflow

// Decimal text with an optional sign and point to tenths, rounding on the
// second fractional digit.
int ParseTenths(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    long long whole = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        whole = std::min(whole * 10 + (s[i] - '0'), kMaxMagnitude);
    long long tenths = whole * 10;
    if (i < s.size() && s[i] == '.') {
        ++i;
        if (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            tenths += s[i++] - '0';
            if (i < s.size() && s[i] >= '5' && s[i] <= '9') ++tenths;
        }
    }
    return static_cast<int>(negative ? -tenths : tenths);
}

// |value| written with a point before its last `digits` digits, at least one
// digit before the point, and the sign in front.
std::string WriteFixed(long long value, int digits) {
    std::string text = std::to_string(value < 0 ? -value : value);
    const size_t d = static_cast<size_t>(digits);
    if (d > 0 && text.size() <= d) text = std::string(d + 1 - text.size(), '0') + text;
    std::string out = value < 0 ? "-" : "";
    out += text.substr(0, text.size() - d);
    if (d > 0) out += "." + text.substr(text.size() - d);
    return out;
}

}  // namespace

std::string ConvertIntToFloatStr(int tenths) { return WriteFixed(tenths, 1); }

int ConvertFloatStrToInt(std::string_view text) { return ParseTenths(text); }

int GetMillimetreFromStr(std::string_view text) { return ParseTenths(text.substr(0, 31)); }

std::string TransformMillimetreToInchs(std::string_view text) {
    const float tenths = static_cast<float>(GetMillimetreFromStr(text));
    const long hundredths = std::lround(tenths / 2.54f);
    return WriteFixed(hundredths, 2);
}

int TransformPointByType(std::string* out, double points, int fractionDigits, int unit) {
    if ((unit != 0 && unit != 1) || fractionDigits < 0 || fractionDigits > 6) return -1;
    const double value = std::fabs(points) * std::pow(10.0, fractionDigits);
    double converted = unit == 1 ? value * 25.4 / 72 + 5 : value / 72 + 0.5;
    if (converted > kMaxMagnitude * 100.0) converted = kMaxMagnitude * 100.0;
    long long result = static_cast<long long>(converted);
    if (unit == 1) result = result / 10 * 10;
    if (points < 0) result = -result;
    if (out != nullptr) *out = WriteFixed(result, fractionDigits);
    return static_cast<int>(result);
}

std::optional<int32_t> DecimalInt32(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    long long n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
        if (n > static_cast<long long>(INT32_MAX) + 1) return std::nullopt;
    }
    if (negative) n = -n;
    if (n > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(n);
}

std::optional<int32_t> DecimalInt32(std::string_view text, int32_t low, int32_t high) {
    const std::optional<int32_t> v = DecimalInt32(text);
    if (!v || *v < low || *v > high) return std::nullopt;
    return v;
}

std::optional<int32_t> LeadingDecimalInt32(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    const bool plus = i < text.size() && text[i] == '+';
    const size_t start = plus ? i + 1 : i;
    size_t end = !plus && start < text.size() && text[start] == '-' ? start + 1 : start;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    return DecimalInt32(text.substr(start, end - start));
}

int getIntFromString(std::string_view text, size_t length) {
    long long n = 0;
    for (size_t i = 0; i < length && i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') continue;
        n = n * 10 + (text[i] - '0');
        if (n > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(n);
}

}  // namespace zqpde
