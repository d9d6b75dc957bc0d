#pragma once
// The numbers of the custom size window: millimetre lengths in tenths
// ("210.0" is 2100), inch lengths in hundredths ("8.27" is 827), their
// limits from the PPD's custom page size parameters, the conversions
// between the two units and the rules a typed size must follow.
//
// Rounding: where a conversion says "rounded", it rounds half away from
// zero (RoundHalfAwayFromZero); where it names a truncation, that formula
// is kept as written beside it, in the precision it states.
#include <cups/ppd.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace zqsp {

enum SizeUnit : int32_t { kUnitInch = 0, kUnitMillimetre = 1, kUnitNotSet = -1 };
enum SizeFlag : int32_t { kSizeWidth = 0, kSizeLength = 1 };

struct SizeRange {
    int32_t minimum = 0;
    int32_t maximum = 0;
    bool contains(int32_t v) const { return v >= minimum && v <= maximum; }
    int32_t clamp(int32_t v) const { return v < minimum ? minimum : (v > maximum ? maximum : v); }
};

// The window's ranges when the PPD gives none.
inline constexpr SizeRange kBuiltInMillimetreWidth{1000, 3300};
inline constexpr SizeRange kBuiltInMillimetreLength{1480, 4880};
inline constexpr SizeRange kBuiltInInchWidth{394, 1299};
inline constexpr SizeRange kBuiltInInchLength{583, 1921};

// The default custom size a paper pop-up starts from.
inline constexpr const char* kDefaultCustomWidth = "210.0";
inline constexpr const char* kDefaultCustomLength = "297.0";

// x rounded to the nearest integer, halves away from zero; saturates at the
// ends of the 32-bit range.
int32_t RoundHalfAwayFromZero(double x);

// The minimum and maximum in points of "ParamCustomPageSize" Width (flag 0)
// or Height (flag 1): the third and fourth blank-separated parts of the
// value. False without the attribute or with fewer than four parts.
bool CustomSizePointsFromPPD(ppd_file_t* ppd, int32_t sizeFlag, double& minPoints, double& maxPoints);

// Millimetre limits in tenths: truncate(points x 10 x 25.4 / 72 + 5) cut to
// whole tens, i.e. whole millimetres rounded half up.
SizeRange MillimetreRangeFromPoints(double minPoints, double maxPoints);
// Inch limits in hundredths, one point inside the PPD's:
// minimum = truncate((points + 1) x 100 / 72 + 0.5),
// maximum = truncate((points - 1) x 100 / 72 + 0.5).
SizeRange InchRangeFromPoints(double minPoints, double maxPoints);

// Tenths as "%d.%d" and hundredths as "%d.%d%d"; "-" first and absolute
// digits for a negative value.
std::string TenthsText(int32_t tenths);
std::string HundredthsText(int32_t hundredths);

// The decimal value of a size text (0 for a text with no number).
double SizeTextValue(std::string_view text);

// A millimetre text in tenths: value x 10, rounded.
int32_t MillimetreTenthsOfText(std::string_view text);
// An inch text in hundredths: value x 100, rounded.
int32_t InchHundredthsOfText(std::string_view text);
// A typed inch text for its stepper: truncate(value x 1000 + 5) / 10 with
// the value in single precision (hundredths rounded half up).
int32_t InchHundredthsOfTypedText(std::string_view text);
// Millimetre text to hundredths of an inch: value x 10 / 2.54, rounded,
// 2.54 in single precision.
int32_t InchHundredthsFromMillimetreText(std::string_view text);
// Inch text to tenths of a millimetre: value x 25.4 x 10, rounded, 25.4 in
// single precision.
int32_t MillimetreTenthsFromInchText(std::string_view text);
// Tenths of a millimetre for the inch stepper: truncate(tenths / 2.54 + 0.5)
// in single precision.
int32_t InchStepperFromMillimetreTenths(int32_t tenths);

// A converted value placed in its own range: a source value at the source
// minimum gives the minimum, at the source maximum the maximum; anything
// else is limited to the range.
int32_t PlaceInPartnerRange(int32_t converted, int32_t sourceValue, const SizeRange& source,
                            const SizeRange& target);

// The rules of a size text (decimals: 1 for millimetres, 2 for inches):
// only digits and ".", not first or last, at most one, then exactly that
// many digits after it, and the value (x 10 or x 100, rounded) in range.
// An empty text skips the character rules and is checked as 0.
bool IsSizeTextValid(std::string_view text, int32_t decimals, const SizeRange& range);

}  // namespace zqsp
