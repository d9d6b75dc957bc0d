// The custom size window's numbers: limits from the PPD, the conversions
// between millimetres and inches, and the rules a typed size follows.
#include <gtest/gtest.h>

#include "../framework/ppd_fixture.h"
#include "custom_size.h"

namespace zqsp {
namespace {

using zqpde::test::PPD;

TEST(CustomSizeLimits, FromTheParametersOfThePPD) {
    PPD ppd("*ParamCustomPageSize Width: 1 points 283 864\n"
            "*ParamCustomPageSize Height: 2 points 420 1384\n");
    double lo = 0, hi = 0;
    ASSERT_TRUE(CustomSizePointsFromPPD(ppd.get(), kSizeWidth, lo, hi));
    EXPECT_EQ(lo, 283);
    EXPECT_EQ(hi, 864);
    const SizeRange mm = MillimetreRangeFromPoints(lo, hi);
    EXPECT_EQ(mm.minimum, 1000);
    EXPECT_EQ(mm.maximum, 3050);
    const SizeRange in = InchRangeFromPoints(lo, hi);
    EXPECT_EQ(in.minimum, 394);
    EXPECT_EQ(in.maximum, 1199);

    ASSERT_TRUE(CustomSizePointsFromPPD(ppd.get(), kSizeLength, lo, hi));
    EXPECT_EQ(MillimetreRangeFromPoints(lo, hi).minimum, 1480);  // 148.2 mm -> whole 148
    EXPECT_EQ(MillimetreRangeFromPoints(lo, hi).maximum, 4880);  // 488.2 mm -> 488

    // Missing or short attributes leave the built-in ranges to the caller.
    PPD none("*ZQXSpecialPagesSettings: \"Default00-ARK\"\n");
    EXPECT_FALSE(CustomSizePointsFromPPD(none.get(), kSizeWidth, lo, hi));
    EXPECT_FALSE(CustomSizePointsFromPPD(nullptr, kSizeWidth, lo, hi));
}

TEST(CustomSizeConversion, MillimetresAndInchesBothWays) {
    const SizeRange mmW{1000, 3050}, inW{394, 1199};
    struct Case {
        const char* mm;
        int32_t hundredths;  // the inch field's value shown from the millimetre text
    } cases[] = {
        {"210.0", 827},   // A4 width
        {"297.0", 1169},  // A4 length
        {"215.9", 850},   // letter width
        {"279.4", 1100},  // letter length
        {"100.0", 394},   // the minimum maps onto the inch minimum
        {"305.0", 1199},  // the maximum onto the inch maximum (1200.8 would be past it)
        {"99.9", 394},    // one step below is limited to the range
        {"305.1", 1199},  // one step above too
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mm);
        const int32_t tenths = MillimetreTenthsOfText(c.mm);
        const int32_t shown = PlaceInPartnerRange(InchHundredthsFromMillimetreText(c.mm), tenths, mmW, inW);
        EXPECT_EQ(shown, c.hundredths);
    }
    EXPECT_EQ(HundredthsText(827), "8.27");
    EXPECT_EQ(HundredthsText(1105), "11.05");
    EXPECT_EQ(HundredthsText(-5), "-0.05");
    EXPECT_EQ(TenthsText(2100), "210.0");
    EXPECT_EQ(TenthsText(-5), "-0.5");

    // Inches back to millimetres: 8.27 in is 210.058 mm, 11.00 in 279.4 mm.
    EXPECT_EQ(MillimetreTenthsFromInchText("8.27"), 2101);
    EXPECT_EQ(MillimetreTenthsFromInchText("11.00"), 2794);
    EXPECT_EQ(PlaceInPartnerRange(MillimetreTenthsFromInchText("3.94"), 394, inW, mmW), 1000);
    EXPECT_EQ(PlaceInPartnerRange(MillimetreTenthsFromInchText("11.99"), 1199, inW, mmW), 3050);
    EXPECT_EQ(PlaceInPartnerRange(MillimetreTenthsFromInchText("12.00"), 1200, inW, mmW), 3048);
    EXPECT_EQ(PlaceInPartnerRange(MillimetreTenthsFromInchText("12.10"), 1210, inW, mmW), 3050);

    // The inch stepper follows the millimetre stepper; a typed inch text
    // rounds half up to hundredths.
    EXPECT_EQ(InchStepperFromMillimetreTenths(2100), 827);
    EXPECT_EQ(InchStepperFromMillimetreTenths(2794), 1100);
    EXPECT_EQ(InchHundredthsOfTypedText("8.5"), 850);
    EXPECT_EQ(InchHundredthsOfTypedText("8.27"), 827);

    // Halves go away from zero, whatever the sign.
    EXPECT_EQ(RoundHalfAwayFromZero(2.5), 3);
    EXPECT_EQ(RoundHalfAwayFromZero(-2.5), -3);
    EXPECT_EQ(RoundHalfAwayFromZero(1e300), INT32_MAX);
}

TEST(CustomSizeText, RulesOfTypedSizes) {
    const SizeRange mm{1000, 3050}, in{394, 1199};
    struct Case {
        const char* text;
        int32_t decimals;
        bool valid;
    } cases[] = {
        {"215", 1, true},    {"215.0", 1, true},   {"215.25", 1, false}, {".5", 1, false},
        {"215.", 1, false},  {"2.1.5", 1, false},  {"21a", 1, false},    {"99.9", 1, false},
        {"305.0", 1, true},  {"305.1", 1, false},  {"0215.0", 1, true},  {"8.5", 2, false},
        {"8.50", 2, true},   {"8", 2, true},       {"3.93", 2, false},   {"11.99", 2, true},
        {"12.00", 2, false}, {"", 1, false},       {"99999999999999999999", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsSizeTextValid(c.text, c.decimals, c.decimals == 1 ? mm : in), c.valid);
    }
}

}  // namespace
}  // namespace zqsp
