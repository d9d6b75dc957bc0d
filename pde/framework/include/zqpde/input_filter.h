#pragma once
// Character filters of the text fields: a filter is a count and up to 20
// inclusive ranges; a character passes when it lies in one of the first
// `inputItemCount` ranges.
#include <cstdint>
#include <string_view>

namespace zqpde {

struct InputFilterRange {
    int32_t minChar;
    int32_t maxChar;
};

struct InputFilterData {
    int32_t inputItemCount;
    InputFilterRange inputScale[20];
};

struct TextEditFilterData {
    InputFilterData byteFilter;     // checked against each byte of the UTF-8 text
    InputFilterData wordFilter;     // checked against each UTF-16 unit or composed character
    const char* errorMessageKey;    // localisation key of the alert; nullptr for none
};

// True when the byte lies in one of the filter's first inputItemCount ranges
// (a count above 20 is taken as 20; no filter lets nothing through).
bool ISByteValid(unsigned char byte, const InputFilterData* filter);

// True when every byte of the text passes the byte filter of the record.
bool validateDensityInput(std::string_view text, const TextEditFilterData* filter);

}  // namespace zqpde
