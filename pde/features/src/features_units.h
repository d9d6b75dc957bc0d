#pragma once
// The distances of the margin windows, kept as integers in each field's
// unit: tab margin in tenths of a millimetre and hundredths of an inch,
// booklet margin in whole millimetres and tenths of an inch. Each field has
// its own text rules, and the hidden unit's field follows the shown one by
// conversion. The roundings differ on purpose and are part of what the
// stored tickets hold: fields read their text to the nearest integer with
// ties to even, the tab conversions truncate v + 0.5 in single precision,
// the booklet conversions round halves away from zero, and 25.4 and 2.54
// are their single-precision values.
#include <cstdint>
#include <optional>
#include <string>

namespace zqfeat {

// The integer reading of a run of ASCII digits; -1 when the text is not one
// or its value passes limit (read without overflow, however long).
int64_t DigitsValue(const std::string& digits, int64_t limit);

enum class MarginUnit { kTabMillimetre, kTabInch, kBookletMillimetre, kBookletInch };

struct UnitRange {
    int32_t minimum = 0;
    int32_t maximum = 0;
};

// The text's value in the unit (what a typed text sets the stepper to).
int32_t MarginValueOfText(MarginUnit unit, const std::string& text);
// Whether a text is acceptable in the unit within the range (the filter's
// bytes, the decimal point rules, the value's range).
bool IsMarginTextValid(MarginUnit unit, const std::string& text, const UnitRange& range);
// The text a value shows in the unit: 127 -> "12.7" (tab mm), 50 -> "0.50"
// (tab inch), 25 -> "25" (booklet mm), 10 -> "1.0" (booklet inch).
std::string MarginTextOfValue(MarginUnit unit, int32_t value);
// The hidden field's value from the shown field's text (in the other unit
// of the same window), limited to the hidden field's range.
int32_t ConvertMarginText(MarginUnit hidden, const std::string& shownText, const UnitRange& hiddenRange);

// The outcome of checking a typed page list.
enum SeparatorListCheck : int32_t { kSeparatorListValid = 0, kSeparatorListMalformed = 1, kSeparatorListTooMany = 2 };

// Checks a list typed as pages separated by commas (spaces anywhere): pages
// 2 to 9999, fewer than maxPages commas. A number too long for any page is
// malformed, however many digits it has.
int32_t SeparatorPageListCheck(const std::string& text, int32_t maxPages);
// The stored form: spaces gone, pages sorted by value, decimal without
// leading zeros, joined by one space (duplicates stay).
std::string SeparatorPagesForTicket(const std::string& typed);
// The shown form of a stored list: its pages joined by ","; a piece that
// reads as 0 (an empty one) shows as an empty text.
std::string SeparatorPagesForScreen(const std::string& stored);

}  // namespace zqfeat
