#include "features_trimmer_texts.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zqfeat {

namespace {
int32_t ScaleOf(TrimmerUnit unit) { return unit == TrimmerUnit::kMillimetre ? 10 : 100; }
}  // namespace

bool TrimmerTextValue(TrimmerUnit unit, const std::string& text, int32_t* value) {
    if (text.empty() || text[0] == '.') return false;
    if (text.find_first_not_of("0123456789.") != std::string::npos) return false;
    if (text.find('.') != text.rfind('.')) return false;
    // A width beyond any sheet is no width (and would not fit the integer).
    if (text.find('.') == std::string::npos ? text.size() > 6 : text.find('.') > 6) return false;
    const double typed = std::strtod(text.c_str(), nullptr);
    *value = static_cast<int32_t>(std::lrint(typed * ScaleOf(unit)));
    return true;
}

bool IsTrimmerTextValid(TrimmerUnit unit, const std::string& text, int32_t minimum, int32_t maximum) {
    int32_t v = 0;
    return TrimmerTextValue(unit, text, &v) && v >= minimum && v <= maximum;
}

std::string FillTrimmerPlaceholders(const std::string& text, const std::vector<std::string>& values) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        if (text[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // Flags, width, precision and length, then the conversion.
        size_t j = i + 1;
        while (j < text.size() && std::strchr("-+ #0123456789.lhLqjzt", text[j]) != nullptr) ++j;
        if (j < text.size() && std::strchr("@sdifgeuxc", text[j]) != nullptr && next < values.size()) {
            out += values[next++];
            i = j;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string TrimmerLimitText(TrimmerUnit unit, int32_t limit) {
    const int width = static_cast<int>(std::to_string(std::llabs(static_cast<int64_t>(limit))).size()) + 1;
    char text[64];
    if (unit == TrimmerUnit::kMillimetre)
        std::snprintf(text, sizeof text, "%*.1f", width, limit / 10.0);
    else
        std::snprintf(text, sizeof text, "%*.2f", width, limit / 100.0);
    return text;
}

}  // namespace zqfeat
