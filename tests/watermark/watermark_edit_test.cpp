// The number rules of the edit window's fields, the offset ranges a sheet
// gives, the unit conversion between the partner fields, and the preview's
// geometry.
#include <gtest/gtest.h>

#include "watermark_edit.h"

namespace zqwm {
namespace {

TEST(WatermarkNumbers, FieldsAcceptExactlyTheirForms) {
  const ValueRange mm{-107, 107}, tenths{-43, 43}, angle{0, 360};
  struct Case {
    const char* text;
    bool millimetres, inches;
  };
  const Case cases[] = {
      {"-5", true, false},  {"-", false, false},   {"-0", false, false},   {"--5", false, false},
      {"5-", false, false}, {"107", true, false},  {"108", false, false},  {"1.5", false, true},
      {"-0.5", false, true}, {"1.55", false, false}, {".5", false, false},  {"5.", false, false},
      {"1.5.0", false, false}, {"-0.0", false, false}, {"4.3", false, true}, {"4.4", false, false},
      {"0", true, true},     {"12a", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsMillimetreTextValid(c.text, mm), c.millimetres) << c.text;
    EXPECT_EQ(IsInchTextValid(c.text, tenths), c.inches) << c.text;
  }
  EXPECT_TRUE(IsPlainNumberValid("360", angle));
  EXPECT_FALSE(IsPlainNumberValid("361", angle));
  EXPECT_FALSE(IsPlainNumberValid("", angle));
  EXPECT_FALSE(IsPlainNumberValid("99999999999999999999", angle));
}

TEST(WatermarkNumbers, SheetGivesTheOffsetRangesAndLandscapeExchangesThem) {
  const PaperRect letter{0, 0, 792, 612};
  const PositionRanges p = PositionRangesFor(letter, 1);
  EXPECT_EQ(p.hInch.maximum, 43);
  EXPECT_EQ(p.hMM.maximum, 107);
  EXPECT_EQ(p.vInch.maximum, 55);
  EXPECT_EQ(p.vMM.maximum, 139);
  EXPECT_EQ(p.hMM.minimum, -107);
  const PositionRanges l = PositionRangesFor(letter, 4);
  EXPECT_EQ(l.hInch.maximum, 55);
  EXPECT_EQ(l.vMM.maximum, 107);
}

TEST(WatermarkNumbers, PartnerFieldsConvertWithTheirSign) {
  EXPECT_EQ(MillimetreTextFromInches("1.0", 107), "25");
  EXPECT_EQ(MillimetreTextFromInches("-4.3", 107), "-107");
  EXPECT_EQ(MillimetreTextFromInches("9.9", 107), "107") << "limited to the field's maximum";
  EXPECT_EQ(InchTextFromMillimetres("-38", 43), "-1.5");
  EXPECT_EQ(InchTextFromMillimetres("-1", 43), "0.0") << "no minus zero";
  EXPECT_EQ(TenthsText(-5), "-0.5");
  EXPECT_EQ(TenthsOfInchText("-1.5"), -15);
}

TEST(WatermarkPreviewGeometry, DivisorNeverZeroAndOffsetsReachTheEdge) {
  EXPECT_EQ(PreviewDivisor({0, 0, 792, 612}, 1), 5);
  EXPECT_EQ(PreviewDivisor({0, 0, 792, 612}, 2), 3) << "landscape: the sheet's height across";
  EXPECT_EQ(PreviewDivisor({0, 0, 100, 100}, 1), 1) << "a narrow sheet";
  EXPECT_EQ(PreviewDivisor({0, 0, 0, 0}, 2), 1);
  const zqp::Point edge = PreviewOffset(43, -55, 43, 55, 1);
  EXPECT_DOUBLE_EQ(edge.x, 60);
  EXPECT_DOUBLE_EQ(edge.y, -75);
  EXPECT_DOUBLE_EQ(PreviewOffset(43, 0, 43, 55, 2).x, 110);
  const zqp::Point none = PreviewOffset(5, 5, 0, 0, 1);
  EXPECT_EQ(none.x, 0);
  EXPECT_EQ(none.y, 0);
}

TEST(WatermarkPreviewGeometry, FontSizeSearchBracketsTheScaledWidth) {
  // A text 500 points wide at 72 points on a Letter sheet (divisor 5) is
  // shown at the size whose width brackets 100 units.
  auto width = [](int32_t s) { return 500.0 * s / 72.0; };
  const int32_t size = PreviewFontSize(width, 72, 5);
  EXPECT_LE(static_cast<int>(width(size)), 100);
  EXPECT_GE(static_cast<int>(width(size + 1)), 100);
  EXPECT_EQ(PreviewFontSize(width, 2, 5), 2);
  EXPECT_EQ(PreviewFontSize(width, 1, 5), 2);
  EXPECT_EQ(PreviewFontSize(width, 72, 1), 71) << "no smaller size fits: just below the size itself";
}

}  // namespace
}  // namespace zqwm
