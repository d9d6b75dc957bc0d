#pragma once
// The texts of the trimmer windows: a finished width typed in millimetres
// or inches, the limits as the window shows them, and the translated alert
// and label texts the limits are filled into.
#include <cstdint>
#include <string>
#include <vector>

namespace zqfeat {

enum class TrimmerUnit { kMillimetre, kInch };

// Whether a typed finished width is acceptable: no leading ".", at most one
// ".", digits otherwise, and its value in the unit (tenths of a millimetre,
// hundredths of an inch, to the nearest with ties to even) within range.
// value: the reading, set when the text is well formed.
bool TrimmerTextValue(TrimmerUnit unit, const std::string& text, int32_t* value);
bool IsTrimmerTextValid(TrimmerUnit unit, const std::string& text, int32_t minimum, int32_t maximum);

// A translated text with its printf-like placeholders ("%@", "%s", "%d",
// "%5.1lf" ...) replaced in order by the given texts; "%%" is "%". The
// translation is never used as a format.
std::string FillTrimmerPlaceholders(const std::string& text, const std::vector<std::string>& values);
// A limit as the window shows it: tenths or hundredths, at least as wide as
// the limit's digits plus one.
std::string TrimmerLimitText(TrimmerUnit unit, int32_t limit);

}  // namespace zqfeat
