#include "zqpde/scope_filter.h"

#include <vector>

#include "zqpde/ppd_util.h"

namespace zqpde {

std::optional<TextEditFilterData> ScopeFilterFromText(std::string_view value) {
    constexpr size_t kMaxPairs = sizeof(InputFilterData::inputScale) / sizeof(InputFilterRange);
    std::vector<int32_t> numbers;
    size_t at = 0;
    while (at < value.size()) {
        if (value[at] < '0' || value[at] > '9') return std::nullopt;
        int32_t n = 0;
        for (; at < value.size() && value[at] >= '0' && value[at] <= '9'; ++at) {
            n = n * 10 + (value[at] - '0');
            if (n > 0xFFFF) return std::nullopt;
        }
        numbers.push_back(n);
        if (at < value.size()) ++at;  // the one separator after a number
    }
    const size_t pairs = numbers.size() / 2;
    if (pairs == 0 || pairs > kMaxPairs) return std::nullopt;
    TextEditFilterData filter{};
    for (size_t i = 0; i < pairs; ++i) {
        const int32_t low = numbers[2 * i], high = numbers[2 * i + 1];
        if (high < low) return std::nullopt;
        filter.wordFilter.inputScale[i] = {low, high};
    }
    filter.wordFilter.inputItemCount = static_cast<int32_t>(pairs);
    return filter;
}

std::optional<TextEditFilterData> CopyMorvaneScopeInfoFromPPD(ppd_file_t* ppd, const char* attribute) {
    if (ppd == nullptr || attribute == nullptr) return std::nullopt;
    ppd_attr_t* a = ppdFindAttr_ALT(ppd, attribute, nullptr);
    if (a == nullptr || a->value == nullptr) return std::nullopt;
    return ScopeFilterFromText(a->value);
}

}  // namespace zqpde
