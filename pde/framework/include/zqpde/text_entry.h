#pragma once
// What a text field lets through: the character filters checked over UTF-16
// units and composed-character sequences, and the formatter that refuses a
// keystroke making the text invalid or too wide.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <zqp/view.h>

#include "zqpde/input_filter.h"

namespace zqpde {

// True when the UTF-16 unit lies in one of the filter's first inputItemCount
// ranges (a count above 20 is taken as 20).
bool ISWordValid(char16_t unit, const InputFilterData* filter);
bool ISWordSpace(char16_t unit, const InputFilterData* filter);

// The text (UTF-8) taken composed sequence by composed sequence: a sequence
// of one unit must lie in a range of the UTF-16 filter; a longer one only
// passes when it ends in U+FF9E or U+FF9F (half-width sound marks) and its
// other units lie in ranges. Empty text is valid; a filter without ranges,
// or text that is not UTF-8, rejects.
bool validateInput(std::string_view text, const TextEditFilterData* filter);
// Every UTF-16 unit on its own must lie in a range of the UTF-16 filter.
bool validateInputForUTF8(std::string_view text, const TextEditFilterData* filter);

// The UTF-16 length of the composed sequences before the one that starts at
// location (0 for location 0; the whole length when no sequence starts there).
size_t getOldLocationlength(std::string_view text, size_t location);

// Refuses, with a beep and "String too long.", every edit whose text fails
// validateInput or is wider (GetStringLength) than the maximum.
class TextEditFormatter : public zqp::Formatter {
public:
    TextEditFormatter(const TextEditFilterData* filter, uint32_t maxLength);
    static std::shared_ptr<TextEditFormatter> initWithFilter(const TextEditFilterData* filter, uint32_t maxLength) {
        return std::make_shared<TextEditFormatter>(filter, maxLength);
    }

    std::optional<std::string> stringForObjectValue(const std::string& object) override;
    bool getObjectValue(std::string& object, const std::string& string, std::string* errorDescription) override;
    bool isPartialStringValid(const std::string& partial, std::string* newEditingString,
                              std::string* errorDescription) override;

private:
    const TextEditFilterData* FilterDataPtr;
    uint32_t maxlength;
};

}  // namespace zqpde
