#include "custom_size.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "zqpde/number_text.h"
#include "zqpde/ppd_util.h"

namespace zqsp {

int32_t RoundHalfAwayFromZero(double x) {
    if (std::isnan(x)) return 0;
    const double r = std::round(x);  // std::round rounds halves away from zero
    if (r >= static_cast<double>(INT32_MAX)) return INT32_MAX;
    if (r <= static_cast<double>(INT32_MIN)) return INT32_MIN;
    return static_cast<int32_t>(r);
}

namespace {
int32_t Truncated(double x) {
    if (std::isnan(x)) return 0;
    if (x >= static_cast<double>(INT32_MAX)) return INT32_MAX;
    if (x <= static_cast<double>(INT32_MIN)) return INT32_MIN;
    return static_cast<int32_t>(x);
}
}  // namespace

bool CustomSizePointsFromPPD(ppd_file_t* ppd, int32_t sizeFlag, double& minPoints, double& maxPoints) {
    ppd_attr_t* attr =
        zqpde::ppdFindAttr_ALT_SPEC(ppd, "ParamCustomPageSize", sizeFlag == kSizeLength ? "Height" : "Width");
    if (attr == nullptr || attr->value == nullptr) return false;
    std::istringstream in(attr->value);
    std::vector<std::string> parts;
    for (std::string p; in >> p;) parts.push_back(p);
    if (parts.size() < 4) return false;
    char* end = nullptr;
    minPoints = std::strtod(parts[2].c_str(), &end);
    if (end == parts[2].c_str() || !std::isfinite(minPoints)) return false;
    maxPoints = std::strtod(parts[3].c_str(), &end);
    if (end == parts[3].c_str() || !std::isfinite(maxPoints)) return false;
    return true;
}

SizeRange MillimetreRangeFromPoints(double minPoints, double maxPoints) {
    // truncate(points x 10 x 25.4 / 72 + 5), cut to whole tens.
    return {zqpde::TransformPointByType(nullptr, minPoints, 1, kUnitMillimetre),
            zqpde::TransformPointByType(nullptr, maxPoints, 1, kUnitMillimetre)};
}

SizeRange InchRangeFromPoints(double minPoints, double maxPoints) {
    // truncate((points +/- 1) x 100 / 72 + 0.5): one point inside each end.
    return {zqpde::TransformPointByType(nullptr, minPoints + 1, 2, kUnitInch),
            zqpde::TransformPointByType(nullptr, maxPoints - 1, 2, kUnitInch)};
}

std::string TenthsText(int32_t tenths) {
    const int64_t a = std::llabs(static_cast<int64_t>(tenths));
    return (tenths < 0 ? "-" : "") + std::to_string(a / 10) + "." + std::to_string(a % 10);
}

std::string HundredthsText(int32_t hundredths) {
    const int64_t a = std::llabs(static_cast<int64_t>(hundredths));
    return (hundredths < 0 ? "-" : "") + std::to_string(a / 100) + "." + std::to_string(a / 10 % 10) +
           std::to_string(a % 10);
}

double SizeTextValue(std::string_view text) {
    const std::string s(text);
    const double v = std::strtod(s.c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

// value x 10, rounded half away from zero.
int32_t MillimetreTenthsOfText(std::string_view text) { return RoundHalfAwayFromZero(SizeTextValue(text) * 10); }

// value x 100, rounded half away from zero.
int32_t InchHundredthsOfText(std::string_view text) { return RoundHalfAwayFromZero(SizeTextValue(text) * 100); }

int32_t InchHundredthsOfTypedText(std::string_view text) {
    // truncate(value x 1000 + 5) / 10, single precision.
    const float v = static_cast<float>(SizeTextValue(text));
    return Truncated(v * 1000.0f + 5.0f) / 10;
}

int32_t InchHundredthsFromMillimetreText(std::string_view text) {
    // value x 10 / 2.54, rounded half away from zero; 2.54 in single precision.
    return RoundHalfAwayFromZero(SizeTextValue(text) * 10 / static_cast<double>(2.54f));
}

int32_t MillimetreTenthsFromInchText(std::string_view text) {
    // value x 25.4 x 10, rounded half away from zero; 25.4 in single precision.
    return RoundHalfAwayFromZero(SizeTextValue(text) * static_cast<double>(25.4f) * 10);
}

int32_t InchStepperFromMillimetreTenths(int32_t tenths) {
    // truncate(tenths / 2.54 + 0.5), single precision.
    return Truncated(static_cast<float>(tenths) / 2.54f + 0.5f);
}

int32_t PlaceInPartnerRange(int32_t converted, int32_t sourceValue, const SizeRange& source,
                            const SizeRange& target) {
    if (sourceValue == source.minimum) return target.minimum;
    if (sourceValue == source.maximum) return target.maximum;
    return target.clamp(converted);
}

bool IsSizeTextValid(std::string_view text, int32_t decimals, const SizeRange& range) {
    if (!text.empty()) {
        if (text.front() == '.' || text.back() == '.') return false;
        size_t points = 0, point = std::string_view::npos;
        for (size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '.') {
                ++points;
                point = i;
            } else if (c < '0' || c > '9') {
                return false;
            }
        }
        if (points > 1) return false;
        if (points == 1 && text.size() - point - 1 != static_cast<size_t>(decimals)) return false;
    }
    const int32_t units = decimals == 1 ? MillimetreTenthsOfText(text) : InchHundredthsOfText(text);
    return range.contains(units);
}

}  // namespace zqsp
