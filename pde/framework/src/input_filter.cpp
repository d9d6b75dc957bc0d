#include "zqpde/input_filter.h"

#include <algorithm>
#include <iterator>

namespace zqpde {

bool ISByteValid(unsigned char byte, const InputFilterData* filter) {
    if (filter == nullptr) return false;
    const int32_t count = std::clamp<int32_t>(filter->inputItemCount, 0, std::size(filter->inputScale));
    for (int32_t i = 0; i < count; ++i)
        if (byte >= filter->inputScale[i].minChar && byte <= filter->inputScale[i].maxChar) return true;
    return false;
}

bool validateDensityInput(std::string_view text, const TextEditFilterData* filter) {
    if (filter == nullptr) return false;
    return std::all_of(text.begin(), text.end(),
                       [filter](char c) { return ISByteValid(static_cast<unsigned char>(c), &filter->byteFilter); });
}

}  // namespace zqpde
