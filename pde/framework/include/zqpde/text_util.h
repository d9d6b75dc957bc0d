#pragma once
// Text measuring and small string helpers of the controls. Texts are UTF-8;
// positions and counts that the controls see in UTF-16 units say so.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zqpde {

// How GetStringLength measures: by the UTF-8 form of each UTF-16 unit, or
// by its Shift-JIS form.
enum class StringWidthMeasure { kUTF8, kShiftJIS };

// The measure of the bundle this copy of the framework is linked into:
// Shift-JIS when the bundle defines ZQPDE_STRING_WIDTH_SHIFT_JIS, else UTF-8.
// It is compiled with the bundle's own definitions (app_resources.cpp), so
// the controls of the framework, built once for every bundle, measure the
// way their bundle does.
StringWidthMeasure BundleStringWidthMeasure();

// Display width: 1 for every UTF-16 unit whose UTF-8 (or Shift-JIS) form is
// one byte, 2 for every other unit (a character Shift-JIS cannot hold counts
// 2 a unit); 0 for the empty text or text that is not valid UTF-8.
size_t GetStringLength(std::string_view utf8, StringWidthMeasure measure = BundleStringWidthMeasure());

// 1 for every UTF-16 unit below U+0100, 2 for every other unit; 0 for the
// empty text or text that is not valid UTF-8.
size_t GetUTF8StringLength(std::string_view utf8);

// The longest prefix whose GetStringLength does not exceed width; never
// splits a character (a pair of surrogates counts whole or not at all).
std::string GetShortenString(std::string_view utf8, size_t width,
                             StringWidthMeasure measure = BundleStringWidthMeasure());

// The text's UTF-16 units without U+0020 (the count is the result's size).
std::u16string RemoveAllSpaces(std::string_view utf8);

// True for the empty text or one made only of U+0020 and U+3000.
bool IsAllSpace(std::string_view utf8);

// Number of "." characters.
size_t GetStringPointCount(std::string_view utf8);
// 1-based UTF-16 position of the first ".", or length + 1 when there is none.
size_t GetStringPointIndex(std::string_view utf8);

// Removes leading "0" characters (a text of zeros only becomes empty).
void filterHeadZero(std::string& text);

// Splits at the separator and at line feeds; appends every piece, empty ones too.
void getStringBySeparator(std::vector<std::string>& array, std::string_view text, char separator);

// Appends the string unless an equal one is there.
void AddNoRepeatStrToArray(std::vector<std::string>& array, const std::string& text);

// True when the text holds any of the digits 0 to 9.
bool ExistNumericString(std::string_view text);

// Number of characters of the number written with "%d".
int GetIntegerLength(int value);

// Sort comparisons by integer value (-1, 0, 1): of two texts, of the first
// element of two records, of the value under key of two dictionaries. A
// text's integer value is its leading decimal number (LeadingDecimalInt32;
// 0 when none or past 32 bits).
int numCompare(std::string_view a, std::string_view b);
int pageNumCompare(const std::vector<std::string>& a, const std::vector<std::string>& b);
int pageNumCompareDict(const std::map<std::string, std::string>& a,
                       const std::map<std::string, std::string>& b, const std::string& key);

// Part 0 is what stands before the first "-", part 1 what follows it. A text
// without "-" is all part 0 (part 1 is then empty).
std::string GetAppResourceName(std::string_view text, int part);

// first + name for part 0, second + name for part 1, the name alone for any
// other part; at most 255 bytes, cut at a character boundary.
std::string GetAppFullResourceName(std::string_view name, int part, std::string_view first,
                                   std::string_view second);

}  // namespace zqpde
