#include "zqpde/text_util.h"

#include <zqp/text.h>
#include <zqp/utf8.h>

#include <string>

#include "zqpde/number_text.h"

namespace zqpde {
namespace {

// 1 for every UTF-16 unit below narrowBelow, 2 for every other; 0 for text
// that is not UTF-8.
size_t UnitWidths(std::string_view utf8, char16_t narrowBelow) {
    std::u16string units;
    if (!zqp::Utf8ToUtf16(utf8, units)) return 0;
    size_t width = 0;
    for (char16_t u : units) width += u < narrowBelow ? 1 : 2;
    return width;
}

// Width of one code point under the measure: 1 or 2 for each of its UTF-16 units.
size_t CodePointWidth(char32_t cp, StringWidthMeasure measure) {
    const size_t units = cp > 0xFFFF ? 2 : 1;
    bool narrow = cp < 0x80;
    if (measure == StringWidthMeasure::kShiftJIS && units == 1) {
        std::string utf8, sjis;
        zqp::AppendUtf8(utf8, cp);
        narrow = zqp::FromUtf8(utf8, zqp::TextEncoding::kShiftJis, sjis) && sjis.size() == 1;
    }
    return units * (narrow ? 1 : 2);
}

// The number a sorted text stands for, read as atoi would (no number: 0).
int32_t IntValue(std::string_view s) { return LeadingDecimalInt32(s).value_or(0); }

}  // namespace

size_t GetStringLength(std::string_view utf8, StringWidthMeasure measure) {
    if (measure == StringWidthMeasure::kUTF8) return UnitWidths(utf8, 0x80);
    if (!zqp::IsValidUtf8(utf8)) return 0;
    size_t pos = 0, width = 0;
    char32_t cp;
    while (zqp::NextCodePoint(utf8, pos, cp)) width += CodePointWidth(cp, measure);
    return width;
}

size_t GetUTF8StringLength(std::string_view utf8) { return UnitWidths(utf8, 0x100); }

std::string GetShortenString(std::string_view utf8, size_t width, StringWidthMeasure measure) {
    size_t pos = 0, used = 0;
    while (pos < utf8.size()) {
        size_t next = pos;
        char32_t cp;
        if (!zqp::NextCodePoint(utf8, next, cp)) break;
        const size_t w = CodePointWidth(cp, measure);
        if (used + w > width) break;
        used += w;
        pos = next;
    }
    return std::string(utf8.substr(0, pos));
}

std::u16string RemoveAllSpaces(std::string_view utf8) {
    std::u16string units, out;
    zqp::Utf8ToUtf16(utf8, units);
    for (char16_t u : units)
        if (u != u' ') out.push_back(u);
    return out;
}

bool IsAllSpace(std::string_view utf8) {
    std::u16string units;
    if (!zqp::Utf8ToUtf16(utf8, units)) return false;
    for (char16_t u : units)
        if (u != u' ' && u != u'\u3000') return false;
    return true;
}

size_t GetStringPointCount(std::string_view utf8) {
    size_t n = 0;
    for (char c : utf8) n += c == '.';
    return n;
}

size_t GetStringPointIndex(std::string_view utf8) {
    size_t dot = utf8.find('.');
    if (dot == std::string_view::npos) return zqp::Utf16Length(utf8) + 1;
    return zqp::Utf16Length(utf8.substr(0, dot)) + 1;
}

void filterHeadZero(std::string& text) { text.erase(0, text.find_first_not_of('0')); }

void getStringBySeparator(std::vector<std::string>& array, std::string_view text, char separator) {
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator || text[i] == '\n') {
            array.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
}

void AddNoRepeatStrToArray(std::vector<std::string>& array, const std::string& text) {
    for (const std::string& s : array)
        if (s == text) return;
    array.push_back(text);
}

bool ExistNumericString(std::string_view text) {
    return text.find_first_of("0123456789") != std::string_view::npos;
}

int GetIntegerLength(int value) { return static_cast<int>(std::to_string(value).size()); }

int numCompare(std::string_view a, std::string_view b) {
    const int32_t x = IntValue(a), y = IntValue(b);
    return (x > y) - (x < y);
}

int pageNumCompare(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return numCompare(a.empty() ? "" : a.front(), b.empty() ? "" : b.front());
}

int pageNumCompareDict(const std::map<std::string, std::string>& a,
                       const std::map<std::string, std::string>& b, const std::string& key) {
    auto ia = a.find(key), ib = b.find(key);
    return numCompare(ia == a.end() ? "" : ia->second, ib == b.end() ? "" : ib->second);
}

std::string GetAppResourceName(std::string_view text, int part) {
    size_t dash = text.find('-');
    if (part == 0) return std::string(text.substr(0, dash));
    if (part == 1 && dash != std::string_view::npos) return std::string(text.substr(dash + 1));
    return std::string();
}

std::string GetAppFullResourceName(std::string_view name, int part, std::string_view first,
                                   std::string_view second) {
    std::string out;
    if (part == 0) out = first;
    else if (part == 1) out = second;
    out += name;
    return std::string(zqp::Utf8Prefix(out, 255));
}

}  // namespace zqpde
