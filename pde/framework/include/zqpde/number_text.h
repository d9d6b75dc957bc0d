#pragma once
// Lengths and numbers as the text fields show them: tenths written with one
// fractional digit, millimetres and inches, points converted for display.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zqpde {

// Tenths as text with one fractional digit: 5 gives "0.5", 125 "12.5", -5 "-0.5".
std::string ConvertIntToFloatStr(int tenths);

// A decimal text to tenths: "12.5" gives 125, "12" and "12." give 120, "007"
// gives 70; a second fractional digit rounds ("12.55" gives 126, "12.54" 125);
// the sign is kept ("-0.5" gives -5). Reading stops at the first character
// that does not fit; a text with no number gives 0.
int ConvertFloatStrToInt(std::string_view text);

// A millimetre text to tenths of a millimetre, read as ConvertFloatStrToInt
// over at most its first 31 characters.
int GetMillimetreFromStr(std::string_view text);

// A millimetre text to inches with two fractional digits: the tenths divided
// by 2.54 and rounded give hundredths ("25.4" gives "1.00", "1.3" gives
// "0.05", "-12.7" gives "-0.50").
std::string TransformMillimetreToInchs(std::string_view text);

// points * 10^fractionDigits converted to unit 1 (millimetres: v * 25.4 / 72
// + 5, truncated, then cut to whole tens) or unit 0 (inches: v / 72 + 0.5,
// truncated). Returns that integer and, when out is given, writes it with a
// "." before the last fractionDigits digits ("0.05" for 5 with two digits).
// Another unit, or fractionDigits outside 0..6, returns -1 and writes nothing.
int TransformPointByType(std::string* out, double points, int fractionDigits, int unit);

// A whole decimal 32-bit number as "%d" writes it: an optional "-" and
// digits, nothing else (no blanks, no "+"); nullopt for any other text and
// for a number outside the 32-bit range. Read without overflow, however
// many digits the text holds.
std::optional<int32_t> DecimalInt32(std::string_view text);
// The framework's one reading of a number that a ticket, a remembered value
// or a PPD keyword holds: DecimalInt32 within low..high; nullopt for any
// other text and any number outside, and the reader takes its default.
std::optional<int32_t> DecimalInt32(std::string_view text, int32_t low, int32_t high);
// The number a text begins with where a value is read as atoi reads it
// (blanks, a sign, digits; what follows is not looked at), by the reading
// above: nullopt when the text begins with no number or one past 32 bits.
std::optional<int32_t> LeadingDecimalInt32(std::string_view text);

// The number formed by all decimal digits among the first length bytes
// (other characters skipped); saturates instead of overflowing.
int getIntFromString(std::string_view text, size_t length);

}  // namespace zqpde
