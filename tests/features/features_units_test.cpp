// The margin windows' units: reading, checking, showing and converting
// distances, with the values where a generic rounding or a double-precision
// 25.4 would give another number than the stored tickets hold.
#include <gtest/gtest.h>

#include <optional>

#include "features_units.h"

namespace zqfeat {
namespace {

constexpr UnitRange kTabMM{0, 150};
constexpr UnitRange kTabInch{0, 59};
constexpr UnitRange kBookletMM{0, 25};
constexpr UnitRange kBookletInch{0, 10};

TEST(MarginUnits, ConversionsOfTheHiddenField) {
    struct Case {
        MarginUnit hidden;
        const char* shown;
        UnitRange range;
        int32_t value;
    } cases[] = {
        // Tab inches (hundredths) from millimetres: single(t*10)/2.54, truncate v+0.5.
        {MarginUnit::kTabInch, "12.7", kTabInch, 50},
        {MarginUnit::kTabInch, "15.0", kTabInch, 59},
        {MarginUnit::kTabInch, "15.1", kTabInch, 59},  // limited to the maximum
        {MarginUnit::kTabInch, "6.3", kTabInch, 25},
        {MarginUnit::kTabInch, "1.3", kTabInch, 5},
        {MarginUnit::kTabInch, "0.0", kTabInch, 0},
        // Tab millimetres (tenths) from inches: t*25.4(single)*10, truncate v+0.5.
        {MarginUnit::kTabMillimetre, "0.59", kTabMM, 150},
        {MarginUnit::kTabMillimetre, "0.50", kTabMM, 127},
        {MarginUnit::kTabMillimetre, "0.01", kTabMM, 3},
        {MarginUnit::kTabMillimetre, "0.05", kTabMM, 13},
        {MarginUnit::kTabMillimetre, "0.33", kTabMM, 84},
        // A negative text is limited on the minimum side only.
        {MarginUnit::kTabMillimetre, "-0.10", kTabMM, 0},
        // Booklet inches (tenths) from whole millimetres: halves away from zero.
        {MarginUnit::kBookletInch, "25", kBookletInch, 10},
        {MarginUnit::kBookletInch, "26", kBookletInch, 10},
        {MarginUnit::kBookletInch, "13", kBookletInch, 5},
        {MarginUnit::kBookletInch, "1", kBookletInch, 0},
        // Booklet millimetres from inches.
        {MarginUnit::kBookletMillimetre, "1.0", kBookletMM, 25},
        {MarginUnit::kBookletMillimetre, "0.5", kBookletMM, 13},
        {MarginUnit::kBookletMillimetre, "0.1", kBookletMM, 3},
        {MarginUnit::kBookletMillimetre, "0.3", kBookletMM, 8},
        {MarginUnit::kBookletMillimetre, "0.9", kBookletMM, 23},
        {MarginUnit::kBookletMillimetre, "-0.1", kBookletMM, 0},
        // Nonsense far out of range stays within the range.
        {MarginUnit::kBookletMillimetre, "1e300", kBookletMM, 25},
        {MarginUnit::kTabInch, "1e300", kTabInch, 59},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertMarginText(c.hidden, c.shown, c.range), c.value)
            << static_cast<int>(c.hidden) << " " << c.shown;
}

TEST(MarginUnits, TextsReadCheckedAndShown) {
    struct Case {
        MarginUnit unit;
        const char* text;
        UnitRange range;
        bool valid;
        int32_t value;  // of the text
    } cases[] = {
        {MarginUnit::kTabMillimetre, "12.7", kTabMM, true, 127},
        {MarginUnit::kTabMillimetre, "15.0", kTabMM, true, 150},
        {MarginUnit::kTabMillimetre, "15.1", kTabMM, false, 151},
        {MarginUnit::kTabMillimetre, "12.75", kTabMM, false, 128},
        {MarginUnit::kTabMillimetre, "1.", kTabMM, false, 10},
        {MarginUnit::kTabMillimetre, ".5", kTabMM, false, 5},
        {MarginUnit::kTabMillimetre, "1.2.3", kTabMM, false, 12},
        // Ties go to the even neighbour when a text is read.
        {MarginUnit::kTabMillimetre, "0.25", kTabMM, false, 2},
        {MarginUnit::kTabMillimetre, "0.75", kTabMM, false, 8},
        {MarginUnit::kTabInch, "0.50", kTabInch, true, 50},
        {MarginUnit::kTabInch, "0.59", kTabInch, true, 59},
        {MarginUnit::kTabInch, "0.6", kTabInch, false, 60},
        {MarginUnit::kTabInch, "1.", kTabInch, false, 100},
        {MarginUnit::kTabInch, ".5", kTabInch, false, 50},
        // Hundredths from a text: halves go up (single precision).
        {MarginUnit::kTabInch, "0.005", kTabInch, true, 1},
        {MarginUnit::kTabInch, "0.584", kTabInch, true, 58},
        {MarginUnit::kTabInch, "0.585", kTabInch, true, 59},
        {MarginUnit::kBookletMillimetre, "25", kBookletMM, true, 25},
        {MarginUnit::kBookletMillimetre, "26", kBookletMM, false, 26},
        {MarginUnit::kBookletMillimetre, "2.5", kBookletMM, false, 2},
        {MarginUnit::kBookletMillimetre, "99999999999999", kBookletMM, false, INT32_MAX},
        {MarginUnit::kBookletInch, "1.0", kBookletInch, true, 10},
        {MarginUnit::kBookletInch, "1.1", kBookletInch, false, 11},
        {MarginUnit::kBookletInch, "0", kBookletInch, true, 0},
        {MarginUnit::kTabMillimetre, "", kTabMM, false, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsMarginTextValid(c.unit, c.text, c.range), c.valid) << static_cast<int>(c.unit) << " " << c.text;
        if (c.unit != MarginUnit::kBookletMillimetre || c.valid) {
            EXPECT_EQ(MarginValueOfText(c.unit, c.text), c.value) << static_cast<int>(c.unit) << " " << c.text;
        }
    }

    struct Shown {
        MarginUnit unit;
        int32_t value;
        const char* text;
    } shown[] = {
        {MarginUnit::kTabMillimetre, 127, "12.7"}, {MarginUnit::kTabMillimetre, 0, "0.0"},
        {MarginUnit::kTabMillimetre, -5, "-0.5"},  {MarginUnit::kTabInch, 50, "0.50"},
        {MarginUnit::kTabInch, 5, "0.05"},         {MarginUnit::kTabInch, -59, "-0.59"},
        {MarginUnit::kBookletMillimetre, 25, "25"}, {MarginUnit::kBookletInch, 10, "1.0"},
        {MarginUnit::kTabMillimetre, INT32_MIN, "-214748364.8"},
    };
    for (const Shown& s : shown)
        EXPECT_EQ(MarginTextOfValue(s.unit, s.value), s.text) << static_cast<int>(s.unit) << " " << s.value;
}

}  // namespace
}  // namespace zqfeat
