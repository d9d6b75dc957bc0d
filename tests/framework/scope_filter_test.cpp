#include "zqpde/scope_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zqpde {
namespace {

TEST(ScopeFilter, PairsOfNumbersBecomeWordRanges) {
    struct Case {
        const char* value;
        std::vector<InputFilterRange> ranges;  // empty: refused
    } cases[] = {
        {"0 127 160 255", {{0x00, 0x7F}, {0xA0, 0xFF}}},
        {"48 57", {{48, 57}}},
        {"48-57,65-90", {{48, 57}, {65, 90}}},
        {"48 57 65", {{48, 57}}},     // a trailing unpaired number is ignored
        {"48 57 ", {{48, 57}}},
        {"65535 65535", {{0xFFFF, 0xFFFF}}},
        {"10 5", {}},                 // high below low
        {"0 65536", {}},              // above 16 bits
        {"48", {}},                   // no pair
        {"", {}},
        {"48  57", {}},               // one separator only
        {"a 57", {}},
        {"99999999999999999999 1", {}},
    };
    for (const Case& c : cases) {
        const std::optional<TextEditFilterData> f = ScopeFilterFromText(c.value);
        ASSERT_EQ(f.has_value(), !c.ranges.empty()) << c.value;
        if (!f) continue;
        EXPECT_EQ(f->byteFilter.inputItemCount, 0) << c.value;
        EXPECT_EQ(f->errorMessageKey, nullptr);
        ASSERT_EQ(f->wordFilter.inputItemCount, static_cast<int32_t>(c.ranges.size())) << c.value;
        for (size_t i = 0; i < c.ranges.size(); ++i) {
            EXPECT_EQ(f->wordFilter.inputScale[i].minChar, c.ranges[i].minChar) << c.value;
            EXPECT_EQ(f->wordFilter.inputScale[i].maxChar, c.ranges[i].maxChar) << c.value;
        }
    }
    // Twenty pairs fit the record, twenty-one do not.
    std::string twenty;
    for (int i = 0; i < 20; ++i) twenty += std::to_string(i * 10) + " " + std::to_string(i * 10 + 5) + " ";
    EXPECT_TRUE(ScopeFilterFromText(twenty).has_value());
    EXPECT_FALSE(ScopeFilterFromText(twenty + "300 305").has_value());
    EXPECT_FALSE(CopyMorvaneScopeInfoFromPPD(nullptr, "ZQPTDocNameScope").has_value());
}

}  // namespace
}  // namespace zqpde
