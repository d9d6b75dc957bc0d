#pragma once
// The value rules of the three-edge trimmer window: typed texts, the
// conversions between its units and its defaults. Values are tenths of a
// millimetre and hundredths of an inch; the roundings are the ones the
// stored tickets hold (25.4 and 2.54 in single precision, ties to even,
// v + 0.5 truncated), each where it belongs.
#include <cstdint>
#include <optional>
#include <string>

#include "features_trimmer.h"

namespace zqfeat {

// A typed value in tenths (scale 10) or hundredths (scale 100), read with
// ties to even: digits with at most one ".", not starting with "."; a
// leading "-" only where negative values are allowed. Nothing otherwise.
std::optional<int32_t> TopLowerTypedValue(const std::string& text, int32_t scale, bool allowNegative);

// The default trims of a kind: tenths of a millimetre and hundredths of an
// inch (height 12.0 mm / 0.47 in, width 8.0 mm / 0.31 in, adjustment 0).
int32_t TopLowerDefaultTrimMM(TrimmerKind kind);
int32_t TopLowerDefaultTrimInches(TrimmerKind kind);

// What the hidden millimetre field shows for a typed inch value: the inch
// value converted (single precision, v + 0.5 truncated; a negative
// adjustment converted by its magnitude), the limits where the inch value
// sits on an inch limit or the result passes a millimetre one, and, for the
// height and width, the millimetre default when the inches sit on the inch
// default.
int32_t TopLowerHiddenMM(TrimmerKind kind, double inches, const TrimmerLimits& limits, int32_t mmBase,
                         int32_t inchBase);
// What the hidden inch field shows for a typed millimetre value (nearest,
// ties to even, within the inch range; a millimetre limit gives the inch
// limit).
int32_t TopLowerHiddenInches(double millimetres, const TrimmerLimits& limits);
// The inch trim that follows a millimetre trim.
int32_t TopLowerInchTrimOfMMTrim(int32_t mmTrim);
// The value shown for a trim, and the trim of a value shown.
int32_t TopLowerShown(TrimmerKind kind, int32_t base, int32_t trim);
// The values shown by default: the millimetre default trim from the base,
// and in inches the same width converted.
int32_t TopLowerDefaultShownMM(TrimmerKind kind, int32_t mmBase);
int32_t TopLowerDefaultShownInches(TrimmerKind kind, int32_t mmBase);

}  // namespace zqfeat
