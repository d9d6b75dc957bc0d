#include "features_trimmer_top_values.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace zqfeat {

namespace {

constexpr int32_t kDefaultTrimMM[] = {120, 80, 0};
constexpr int32_t kDefaultTrimInches[] = {47, 31, 0};
constexpr size_t Index(TrimmerKind kind) { return static_cast<size_t>(kind); }
int32_t Round(double v) { return static_cast<int32_t>(std::lrint(v)); }
// A length no sheet comes near, in inches or millimetres.
constexpr double kFarBeyond = 100000;

}  // namespace

std::optional<int32_t> TopLowerTypedValue(const std::string& text, int32_t scale, bool allowNegative) {
    size_t at = 0;
    if (allowNegative && !text.empty() && text[0] == '-') at = 1;
    const std::string body = text.substr(at);
    if (body.empty() || body[0] == '.' || body.find_first_not_of("0123456789.") != std::string::npos ||
        std::count(body.begin(), body.end(), '.') > 1)
        return std::nullopt;
    const double v = std::strtod(text.c_str(), nullptr) * scale;
    if (!std::isfinite(v) || std::fabs(v) > INT32_MAX / 2) return std::nullopt;
    return Round(v);
}

int32_t TopLowerDefaultTrimMM(TrimmerKind kind) { return kDefaultTrimMM[Index(kind)]; }
int32_t TopLowerDefaultTrimInches(TrimmerKind kind) { return kDefaultTrimInches[Index(kind)]; }

int32_t TopLowerHiddenMM(TrimmerKind kind, double inches, const TrimmerLimits& l, int32_t mmBase, int32_t inchBase) {
    // Far beyond any sheet: the limit, before a conversion could overflow.
    if (!(std::fabs(inches) <= kFarBeyond)) return inches < 0 ? l.mmMin : l.mmMax;
    const int32_t inchValue = Round(inches * 100);
    // Truncating v + 0.5 rounds only non-negative values: a negative
    // adjustment is converted by its magnitude.
    int32_t mm = inches < 0 ? -TrimmerMMOfInches(-inches) : TrimmerMMOfInches(inches);
    if (mm < l.mmMin || inchValue == l.inchesMin) mm = l.mmMin;
    if (mm > l.mmMax || inchValue == l.inchesMax) mm = l.mmMax;
    if (kind != TrimmerKind::kAdjust && inchValue == inchBase - TopLowerDefaultTrimInches(kind))
        mm = mmBase - TopLowerDefaultTrimMM(kind);
    return mm;
}

int32_t TopLowerHiddenInches(double millimetres, const TrimmerLimits& l) {
    if (!(std::fabs(millimetres) <= kFarBeyond)) return millimetres < 0 ? l.inchesMin : l.inchesMax;
    const int32_t mmValue = Round(millimetres * 10);
    int32_t in = std::clamp(TrimmerInchesOfMM(millimetres), l.inchesMin, std::max(l.inchesMin, l.inchesMax));
    if (mmValue == l.mmMin) in = l.inchesMin;
    if (mmValue == l.mmMax) in = l.inchesMax;
    return in;
}

int32_t TopLowerInchTrimOfMMTrim(int32_t mmTrim) { return Round(mmTrim / 2.5399999618530273); }

int32_t TopLowerShown(TrimmerKind kind, int32_t base, int32_t trim) {
    if (kind == TrimmerKind::kAdjust) return trim;
    // A trim read from a ticket may be any number: no overflow.
    const int64_t shown = static_cast<int64_t>(base) - trim;
    return static_cast<int32_t>(std::clamp<int64_t>(shown, INT32_MIN, INT32_MAX));
}

int32_t TopLowerDefaultShownMM(TrimmerKind kind, int32_t mmBase) {
    return TopLowerShown(kind, mmBase, TopLowerDefaultTrimMM(kind));
}

int32_t TopLowerDefaultShownInches(TrimmerKind kind, int32_t mmBase) {
    if (kind == TrimmerKind::kAdjust) return TopLowerInchTrimOfMMTrim(TopLowerDefaultTrimMM(kind));
    return TrimmerInchDefaultFinished(mmBase, TopLowerDefaultTrimMM(kind));
}

}  // namespace zqfeat
