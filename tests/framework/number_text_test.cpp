#include "zqpde/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace zqpde {
namespace {

TEST(TenthsText, WritesAndReadsOneFractionalDigit) {
    EXPECT_EQ(ConvertIntToFloatStr(5), "0.5");
    EXPECT_EQ(ConvertIntToFloatStr(125), "12.5");
    EXPECT_EQ(ConvertIntToFloatStr(0), "0.0");
    EXPECT_EQ(ConvertIntToFloatStr(-5), "-0.5");
    EXPECT_EQ(ConvertFloatStrToInt("12.5"), 125);
    EXPECT_EQ(ConvertFloatStrToInt("007"), 70);
    EXPECT_EQ(ConvertFloatStrToInt("-0.5"), -5);
    EXPECT_EQ(ConvertFloatStrToInt(""), 0);
    EXPECT_EQ(ConvertFloatStrToInt("abc"), 0);
}

TEST(MillimetreText, TrailingPointAndSecondDigitAreNotMisread) {
    EXPECT_EQ(GetMillimetreFromStr("12.5"), 125);
    EXPECT_EQ(GetMillimetreFromStr("12"), 120);
    EXPECT_EQ(GetMillimetreFromStr("12."), 120);
    EXPECT_EQ(GetMillimetreFromStr("12.55"), 126);
    EXPECT_EQ(GetMillimetreFromStr("12.54"), 125);
    EXPECT_EQ(GetMillimetreFromStr("-0.3"), -3);
    EXPECT_EQ(GetMillimetreFromStr(std::string(40, '1')), 1000000000);  // saturates, no overflow
}

TEST(MillimetreText, InchesKeepTwoDigitsAndTheSign) {
    EXPECT_EQ(TransformMillimetreToInchs("25.4"), "1.00");
    EXPECT_EQ(TransformMillimetreToInchs("1.3"), "0.05");
    EXPECT_EQ(TransformMillimetreToInchs("210.0"), "8.27");
    EXPECT_EQ(TransformMillimetreToInchs("-12.7"), "-0.50");
    EXPECT_EQ(TransformMillimetreToInchs("-30.5"), "-1.20");
    EXPECT_EQ(TransformMillimetreToInchs("0"), "0.00");
}

TEST(PointText, ConvertsToMillimetresAndInches) {
    std::string out;
    EXPECT_EQ(TransformPointByType(&out, 595.3, 1, 1), 2100);  // A4 width: 210 mm
    EXPECT_EQ(out, "210.0");
    EXPECT_EQ(TransformPointByType(&out, 612, 2, 0), 850);     // Letter width: 8.5 in
    EXPECT_EQ(out, "8.50");
    EXPECT_EQ(TransformPointByType(&out, 3.6, 2, 0), 5);       // 0.05 in, not ".5"
    EXPECT_EQ(out, "0.05");
    EXPECT_EQ(TransformPointByType(&out, -36, 2, 0), -50);
    EXPECT_EQ(out, "-0.50");
    EXPECT_EQ(TransformPointByType(nullptr, 72, 0, 0), 1);
    out = "kept";
    EXPECT_EQ(TransformPointByType(&out, 72, 1, 2), -1);
    EXPECT_EQ(out, "kept");
}

// The one reading of a number a ticket, a remembered value or a PPD keyword
// holds: never wraps, and anything but a whole number within the range is
// none at all (the reader then takes its default).
TEST(NumberReading, WholeNumbersWithinTheRangeAndNothingElse) {
    struct Case {
        const char* text;
        std::optional<int32_t> strict;   // DecimalInt32
        std::optional<int32_t> ranged;   // within 1..254
        std::optional<int32_t> leading;  // LeadingDecimalInt32
    } cases[] = {
        {"12", 12, 12, 12},
        {"0012", 12, 12, 12},
        {"254", 254, 254, 254},
        {"255", 255, std::nullopt, 255},
        {"0", 0, std::nullopt, 0},
        {"-40", -40, std::nullopt, -40},
        {"2147483647", 2147483647, std::nullopt, 2147483647},
        {"-2147483648", INT32_MIN, std::nullopt, INT32_MIN},
        {"2147483648", std::nullopt, std::nullopt, std::nullopt},
        {"99999999999", std::nullopt, std::nullopt, std::nullopt},  // not 1215752191
        {"-99999999999", std::nullopt, std::nullopt, std::nullopt},
        {"99999999999999999999999999", std::nullopt, std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt, std::nullopt},
        {"12abc", std::nullopt, std::nullopt, 12},
        {" 12", std::nullopt, std::nullopt, 12},
        {"\t\n5x", std::nullopt, std::nullopt, 5},
        {"+5", std::nullopt, std::nullopt, 5},
        {"+-5", std::nullopt, std::nullopt, std::nullopt},
        {"1.5", std::nullopt, std::nullopt, 1},
        {"abc", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecimalInt32(c.text), c.strict) << '"' << c.text << '"';
        EXPECT_EQ(DecimalInt32(c.text, 1, 254), c.ranged) << '"' << c.text << '"';
        EXPECT_EQ(LeadingDecimalInt32(c.text), c.leading) << '"' << c.text << '"';
    }
    // The range may hold negative numbers (a trimmer's adjustment), and a
    // range with nothing in it takes nothing.
    EXPECT_EQ(DecimalInt32("-20", -20, 20), -20);
    EXPECT_EQ(DecimalInt32("-21", -20, 20), std::nullopt);
    EXPECT_EQ(DecimalInt32("5", 10, 1), std::nullopt);
}

TEST(DigitsInText, CollectsDigitsWithinTheLength) {
    EXPECT_EQ(getIntFromString("a1b2c3d4", 6), 123);
    EXPECT_EQ(getIntFromString("12", 10), 12);
    EXPECT_EQ(getIntFromString("", 3), 0);
    EXPECT_EQ(getIntFromString("99999999999999", 14), 2147483647);
}

}  // namespace
}  // namespace zqpde
