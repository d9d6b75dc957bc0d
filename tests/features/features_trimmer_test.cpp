// The trimmer's sheet-size logic: which long edge a booklet is cut from, the
// finished-width limits and half edges on the common sheets, the conversions
// the stored tickets hold, and custom paper names that must not be misread.
#include <gtest/gtest.h>

#include "../framework/ppd_fixture.h"
#include "features_trimmer.h"

namespace zqfeat {
namespace {

TEST(TrimmerSheet, LimitsAndHalfEdgesOfTheLongEdge) {
    struct Case {
        double longEdge;
        TrimmerLimits limits;
        int32_t halfMM, halfInches;
    };
    // Worked out from H = L / 72 x 25.4f x 0.5 with ties to even.
    const Case cases[] = {
        {1190.5, {1900, 2080, 748, 819}, 2100, 827},  // A3: 190.0-208.0 mm, 7.48-8.19 in
        {1224.0, {1959, 2139, 771, 842}, 2159, 850},  // Tabloid: 195.9-213.9 mm
        {1032.0, {1620, 1800, 638, 709}, 1820, 717},  // B4
        {792.0, {1197, 1377, 471, 542}, 1397, 550},
        {0.0, {-200, -20, -79, -8}, 0, 0},  // no sheet found
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longEdge);
        const TrimmerLimits t = TrimmerLimitsOfLongEdge(c.longEdge);
        EXPECT_EQ(t.mmMin, c.limits.mmMin);
        EXPECT_EQ(t.mmMax, c.limits.mmMax);
        EXPECT_EQ(t.inchesMin, c.limits.inchesMin);
        EXPECT_EQ(t.inchesMax, c.limits.inchesMax);
        EXPECT_EQ(TrimmerHalfEdgeMM(c.longEdge), c.halfMM);
        EXPECT_EQ(TrimmerHalfEdgeInches(c.longEdge), c.halfInches);
    }
}

TEST(TrimmerSheet, EdgeTableMatchesWithinHalfAPointAndFallsBackByRegion) {
    const std::optional<std::string> none;
    struct Case {
        double edge;
        std::optional<std::string> region;
        double used;
    };
    const Case cases[] = {
        {842.0, none, 1190.5},   {842.5, none, 1190.5},   {841.5, none, 1190.5},
        {842.51, none, 1224.0},  {841.49, std::string("Metric"), 1190.5},
        {595.0, none, 842.0},    {728.5, none, 1032.0},  {792.0, none, 1224.0},
        {612.0, none, 792.0},    {1100.0, none, 1224.0}, {1100.0, std::string("Inch"), 1224.0},
        {1100.0, std::string("A4"), 1190.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edge);
        EXPECT_EQ(AdjustTrimmerBaseLength(c.edge, c.region), c.used);
    }
}

TEST(TrimmerSheet, ThreeEdgeLimitsFollowTheShortEdge) {
    struct Case {
        double shortEdge;
        TrimmerLimits height;
        int32_t shortMM, shortInches;
    };
    // S = short / 72 x 25.4f; the height minimum never goes below 182.0 mm
    // or 7.17 in.
    const Case cases[] = {
        {842.0, {2470, 2850, 973, 1122}, 2970, 1169},  // A4 short edge: 247.0-285.0 mm
        {728.5, {2070, 2450, 815, 965}, 2570, 1012},   // B4: minimum 207.0 mm
        {595.3, {1820, 1980, 717, 780}, 2100, 827},    // A5-based: 160.0 raised to 182.0
        {792.0, {2294, 2674, 903, 1053}, 2794, 1100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shortEdge);
        const TopLowerLimits t = TopLowerLimitsOfEdges(1190.5, c.shortEdge);
        EXPECT_EQ(t.height.mmMin, c.height.mmMin);
        EXPECT_EQ(t.height.mmMax, c.height.mmMax);
        EXPECT_EQ(t.height.inchesMin, c.height.inchesMin);
        EXPECT_EQ(t.height.inchesMax, c.height.inchesMax);
        EXPECT_EQ(t.width.mmMin, 1900);
        EXPECT_EQ(t.width.inchesMax, 819);
        EXPECT_EQ(t.adjust.mmMin, -20);
        EXPECT_EQ(t.adjust.mmMax, 20);
        EXPECT_EQ(t.adjust.inchesMin, -8);
        EXPECT_EQ(t.adjust.inchesMax, 8);
        EXPECT_EQ(TrimmerShortEdgeMM(c.shortEdge), c.shortMM);
        EXPECT_EQ(TrimmerShortEdgeInches(c.shortEdge), c.shortInches);
    }
    const std::optional<std::string> none;
    EXPECT_EQ(AdjustTrimmerBaseWidth(595.3, none), 842.0);
    EXPECT_EQ(AdjustTrimmerBaseWidth(420.5, none), 595.3);
    EXPECT_EQ(AdjustTrimmerBaseWidth(516.0, none), 728.5);
    EXPECT_EQ(AdjustTrimmerBaseWidth(396.0, none), 612.0);
    EXPECT_EQ(AdjustTrimmerBaseWidth(420.51, none), 792.0);
    EXPECT_EQ(AdjustTrimmerBaseWidth(420.51, std::string("Metric")), 842.0);
}

TEST(TrimmerSheet, ThreeEdgeCutChecksAtTheirLimitsAndOneStepBeyond) {
    const auto H = TrimmerKind::kHeight;
    const auto W = TrimmerKind::kWidth;
    struct Case {
        bool inches;
        TrimmerKind kind;
        int32_t v, shortEdge, adjust;
        int32_t error;
    };
    const Case cases[] = {
        // Millimetres (tenths): the cuts are (S - v) / 2 rounded toward zero.
        {false, H, 2500, 2970, 0, kTrimmerCutOK},             // cuts of 23.5 mm
        {false, H, 2500, 2970, 20, kTrimmerCutOutOfBounds},   // top cut 25.5 mm
        {false, H, 2500, 2970, -20, kTrimmerCutOutOfBounds},  // the adjustment's size counts
        {false, H, 2850, 2970, 0, kTrimmerCutOK},             // cut 6.0 mm
        {false, H, 2851, 2970, 0, kTrimmerCutOutOfBounds},
        {false, H, 2469, 2970, 0, kTrimmerCutOK},  // 25.0 mm after rounding
        {false, H, 2468, 2970, 0, kTrimmerCutOutOfBounds},
        {false, H, 1820, 2100, 0, kTrimmerCutOK},
        {false, H, 1819, 2100, 0, kTrimmerHeightTooSmall},
        {false, W, 2000, 1940, 0, kTrimmerCutOK},
        {false, W, 2000, 1939, 0, kTrimmerSheetTooSmall},
        // Inches (hundredths): the cuts round to even after adding 0.5.
        {true, H, 984, 1169, 0, kTrimmerCutOK},
        {true, H, 973, 1169, 0, kTrimmerCutOK},  // 98.5 rounds to 98
        {true, H, 972, 1169, 0, kTrimmerCutOutOfBounds},
        {true, H, 984, 1169, 8, kTrimmerCutOutOfBounds},
        {true, H, 1123, 1169, 0, kTrimmerCutOK},  // 23.5 rounds to 24
        {true, H, 1124, 1169, 0, kTrimmerCutOutOfBounds},
        {true, H, 717, 827, 0, kTrimmerCutOK},
        {true, H, 716, 827, 0, kTrimmerHeightTooSmall},
        {true, W, 800, 764, 0, kTrimmerCutOK},
        {true, W, 800, 763, 0, kTrimmerSheetTooSmall},
    };
    for (const Case& c : cases) {
        const int32_t got = c.inches ? TrimmerCutCheckInches(c.kind, c.v, c.shortEdge, c.adjust)
                                     : TrimmerCutCheckMM(c.kind, c.v, c.shortEdge, c.adjust);
        EXPECT_EQ(got, c.error) << (c.inches ? "in " : "mm ") << c.v << " on " << c.shortEdge;
    }
}

TEST(TrimmerSheet, BookletPaperKeywords) {
    for (const char* s : {"None", "SigTray3", "SigTray4", "SigTray6"}) EXPECT_EQ(GetBookletSelection(s), 2) << s;
    for (const char* s : {"A3", "A4", "B4", "LT", "DL", "Letter", "Tabloid"}) EXPECT_EQ(GetBookletSelection(s), 1) << s;
    for (const char* s : {"", "SigTray5", "a3", "Legal"}) EXPECT_EQ(GetBookletSelection(s), 0) << s;
    EXPECT_EQ(BookletPaperPageSizeKeyword("DL"), "Tabloid");
    EXPECT_EQ(BookletPaperPageSizeKeyword("LT"), "Letter");
    EXPECT_EQ(BookletPaperPageSizeKeyword("A4"), "A4");
}

TEST(TrimmerSheet, PaperSizesFromTheDialogAndCustomNames) {
    const TrimmerPaper big = ClampPrintDialogPaper({1000, 1500});
    EXPECT_EQ(big.width, 935.44);
    EXPECT_EQ(big.height, 1383.3);
    const TrimmerPaper edge = ClampPrintDialogPaper({935.44, 1383.3});
    EXPECT_EQ(edge.width, 935.44);
    EXPECT_EQ(edge.height, 1383.3);

    const auto custom = CustomPaperOfMappingName("Custom.595x842");
    ASSERT_TRUE(custom);
    EXPECT_EQ(custom->width, 595.0);
    EXPECT_EQ(custom->height, 842.0);
    const auto fraction = CustomPaperOfMappingName("Custom.595.5x841.9");
    ASSERT_TRUE(fraction);
    EXPECT_EQ(fraction->width, 595.5);
    // Names that are not a size give nothing rather than a wrong sheet.
    for (const char* bad : {"Custom.595", "Custom.x842", "Custom.595x", "Custom.-5x842", "Custom.1e999x842",
                            "Custom.595x842x1", "Custom.595 x842", "Other.595x842", "Cust", "",
                            "Custom.99999999x842"})
        EXPECT_FALSE(CustomPaperOfMappingName(bad)) << bad;
}

TEST(TrimmerSheet, TextsAndUnitConversions) {
    struct Case {
        int32_t v;
        const char* tenths;
        const char* hundredths;
    };
    // A negative value keeps its sign even when its integer part is zero.
    const Case cases[] = {{0, "0.0", "0.00"},      {7, "0.7", "0.07"},       {2080, "208.0", "20.80"},
                          {-5, "-0.5", "-0.05"},   {-20, "-2.0", "-0.20"},   {-819, "-81.9", "-8.19"}};
    for (const Case& c : cases) {
        EXPECT_EQ(TenthsText(c.v), c.tenths);
        EXPECT_EQ(HundredthsText(c.v), c.hundredths);
    }
    // A3: the default trim 8.0 mm shows 202.0 mm and 7.95 in; typing 7.90 in
    // gives 200.7 mm, that is a trim of 9.3 mm.
    EXPECT_EQ(TrimmerInchDefaultFinished(2100, 80), 795);
    EXPECT_EQ(TrimmerInchesOfMM(202.0), 795);
    EXPECT_EQ(TrimmerMMOfInches(7.90), 2007);
    EXPECT_EQ(TrimmerMMOfInches(8.19), 2080);
}

TEST(TrimmerSheet, LongEdgeFromTheMarkedChoices) {
    // PageSize records whose imageable area differs from the paper, so a
    // width taken from the area shows up as a wrong edge.
    const std::string paper =
        "*OpenUI *PageSize: PickOne\n*DefaultPageSize: A4\n"
        "*PageSize A4/A4: \"\"\n*PageSize A3/A3: \"\"\n*PageSize Letter/Letter: \"\"\n"
        "*PageSize Tabloid/Tabloid: \"\"\n*PageSize Odd/Odd: \"\"\n*CloseUI: *PageSize\n"
        "*DefaultImageableArea: A4\n*ImageableArea A4/A4: \"10 20 560 800\"\n"
        "*ImageableArea A3/A3: \"10 20 800 1150\"\n*ImageableArea Letter/Letter: \"10 20 590 760\"\n"
        "*ImageableArea Tabloid/Tabloid: \"10 20 770 1190\"\n*ImageableArea Odd/Odd: \"10 20 580 1070\"\n"
        "*DefaultPaperDimension: A4\n*PaperDimension A4/A4: \"595 842\"\n*PaperDimension A3/A3: \"842 1190.5\"\n"
        "*PaperDimension Letter/Letter: \"612 792\"\n*PaperDimension Tabloid/Tabloid: \"792 1224\"\n"
        "*PaperDimension Odd/Odd: \"600 1100\"\n";
    struct Case {
        const char* what;
        const char* signature;  // nullptr: no booklet option
        const char* sigSize;    // nullptr: no booklet-paper option
        const char* pageSize;
        const char* regional;   // nullptr: no regional option
        std::optional<double> edge;
    };
    const Case cases[] = {
        {"no booklet option: the print paper, unmapped", nullptr, nullptr, "A4", nullptr, 842.0},
        {"booklet off: print paper, unmapped", "None", "None", "A4", nullptr, 842.0},
        {"A4 booklet on sheets of the tray pair: A3", "Booklet", "None", "A4", nullptr, 1190.5},
        {"Letter maps to Tabloid", "Booklet", "None", "Letter", nullptr, 1224.0},
        {"unmatched edge, no regional choice: inch fallback", "Booklet", "None", "Odd", nullptr, 1224.0},
        {"unmatched edge, inch region", "Booklet", "None", "Odd", "Inch", 1224.0},
        {"unmatched edge, metric region", "Booklet", "None", "Odd", "MM", 1190.5},
        {"named booklet paper A3", "Booklet", "A3", "A4", nullptr, 1190.5},
        {"DL is Tabloid", "Booklet", "DL", "A4", nullptr, 1224.0},
        {"LT is Letter", "Booklet", "LT", "A3", nullptr, 792.0},
        {"tray paper stays unmapped", "Booklet", "SigTray4", "A4", nullptr, 842.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string extra = paper;
        if (c.signature != nullptr) extra += zqpde::test::PickOne("ZQSignature", {c.signature, "Booklet", "None"});
        if (c.sigSize != nullptr) extra += zqpde::test::PickOne("ZQSigSize", {c.sigSize, "A3", "None"});
        if (c.regional != nullptr) extra += zqpde::test::PickOne("ZQRegionalPaperSetting", {c.regional, "Inch"});
        zqpde::test::PPD ppd(extra);
        ASSERT_NE(ppd.get(), nullptr);
        ppdMarkOption(ppd.get(), "PageSize", c.pageSize);
        const std::optional<double> edge = TrimmerSheetLongEdge(ppd.get(), std::nullopt, {});
        ASSERT_EQ(edge.has_value(), c.edge.has_value());
        if (edge) {
            EXPECT_DOUBLE_EQ(*edge, *c.edge);
        }
    }
}

TEST(TrimmerSheet, LongEdgeOfCustomAndDialogPaper) {
    const std::string booklet = zqpde::test::PickOne("ZQSignature", {"None", "Booklet"});
    // No PageSize: the print dialog's paper, limited to the largest sheet.
    zqpde::test::PPD bare(booklet);
    ASSERT_NE(bare.get(), nullptr);
    EXPECT_DOUBLE_EQ(*TrimmerSheetLongEdge(bare.get(), std::nullopt, {1000, 1500}), 1383.3);
    EXPECT_DOUBLE_EQ(*TrimmerSheetLongEdge(bare.get(), std::nullopt, {612, 792}), 792.0);
    // A custom size comes from its mapping name; a name that does not parse
    // gives no paper rather than a misread one.
    zqpde::test::PPD custom(booklet +
                            "*OpenUI *PageSize: PickOne\n*DefaultPageSize: A4\n*PageSize A4/A4: \"\"\n"
                            "*CloseUI: *PageSize\n*DefaultPaperDimension: A4\n*PaperDimension A4/A4: \"595 842\"\n"
                            "*VariablePaperSize: True\n*MaxMediaWidth: \"1000\"\n*MaxMediaHeight: \"1500\"\n"
                            "*HWMargins: 0 0 0 0\n*CustomPageSize True: \"\"\n");
    ASSERT_NE(custom.get(), nullptr);
    ppdMarkOption(custom.get(), "PageSize", "Custom.400x500");
    EXPECT_DOUBLE_EQ(*TrimmerSheetLongEdge(custom.get(), std::string("Custom.595x842"), {}), 842.0);
    EXPECT_DOUBLE_EQ(*TrimmerSheetLongEdge(custom.get(), std::string("Custom.59x5x842"), {}), 0.0);
    EXPECT_DOUBLE_EQ(*TrimmerSheetLongEdge(custom.get(), std::nullopt, {}), 0.0);
}

}  // namespace
}  // namespace zqfeat
