#include "zqpde/text_entry.h"

#include <zqp/text.h>
#include <zqp/utf8.h>
#include <zqp/window.h>

#include <algorithm>

#include "zqpde/text_util.h"

namespace zqpde {
namespace {

bool InRanges(int32_t value, const InputFilterData* filter) {
    if (filter == nullptr) return false;
    const int32_t count = std::min(filter->inputItemCount, 20);
    for (int32_t i = 0; i < count; ++i)
        if (value >= filter->inputScale[i].minChar && value <= filter->inputScale[i].maxChar) return true;
    return false;
}

bool HasRanges(const TextEditFilterData* filter) {
    return filter != nullptr && filter->wordFilter.inputItemCount > 0;
}

}  // namespace

bool ISWordValid(char16_t unit, const InputFilterData* filter) { return InRanges(unit, filter); }
bool ISWordSpace(char16_t unit, const InputFilterData* filter) { return InRanges(unit, filter); }

bool validateInput(std::string_view text, const TextEditFilterData* filter) {
    if (text.empty()) return true;
    std::u16string units;
    if (!HasRanges(filter) || !zqp::Utf8ToUtf16(text, units)) return false;
    for (auto [start, length] : zqp::ComposedCharacterRanges(units)) {
        if (length == 1) {
            if (!ISWordValid(units[start], &filter->wordFilter)) return false;
            continue;
        }
        const char16_t last = units[start + length - 1];
        if (last != u'\uFF9E' && last != u'\uFF9F') return false;
        for (size_t i = start; i + 1 < start + length; ++i)
            if (!ISWordValid(units[i], &filter->wordFilter)) return false;
    }
    return true;
}

bool validateInputForUTF8(std::string_view text, const TextEditFilterData* filter) {
    if (text.empty()) return true;
    std::u16string units;
    if (!HasRanges(filter) || !zqp::Utf8ToUtf16(text, units)) return false;
    return std::all_of(units.begin(), units.end(),
                       [&](char16_t u) { return ISWordValid(u, &filter->wordFilter); });
}

size_t getOldLocationlength(std::string_view text, size_t location) {
    std::u16string units;
    zqp::Utf8ToUtf16(text, units);
    size_t sum = 0;
    for (auto [start, length] : zqp::ComposedCharacterRanges(units)) {
        if (start >= location) break;
        sum += length;
    }
    return sum;
}

TextEditFormatter::TextEditFormatter(const TextEditFilterData* filter, uint32_t maxLength)
    : FilterDataPtr(filter), maxlength(maxLength) {}

std::optional<std::string> TextEditFormatter::stringForObjectValue(const std::string& object) { return object; }

bool TextEditFormatter::getObjectValue(std::string& object, const std::string& string, std::string*) {
    object = string;
    return true;
}

bool TextEditFormatter::isPartialStringValid(const std::string& partial, std::string*,
                                             std::string* errorDescription) {
    if (validateInput(partial, FilterDataPtr) && GetStringLength(partial) <= maxlength) return true;
    if (errorDescription != nullptr) *errorDescription = "String too long.";
    zqp::Beep();
    return false;
}

}  // namespace zqpde
