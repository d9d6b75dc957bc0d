#include "zqpde/text_util.h"

#include <gtest/gtest.h>

namespace zqpde {
namespace {

TEST(TextWidth, CountsUnitsByTheirEncodedSize) {
    EXPECT_EQ(GetUTF8StringLength("abc"), 3u);
    EXPECT_EQ(GetUTF8StringLength("\xC3\xA9"), 1u);       // U+00E9: below U+0100
    EXPECT_EQ(GetUTF8StringLength("\xE3\x81\x82"), 2u);   // U+3042
    EXPECT_EQ(GetUTF8StringLength("\xC3"), 0u);           // not UTF-8
    EXPECT_EQ(GetUTF8StringLength(""), 0u);

    EXPECT_EQ(GetStringLength("abc"), 3u);
    EXPECT_EQ(GetStringLength("\xC3\xA9"), 2u);           // two UTF-8 bytes: width 2
    EXPECT_EQ(GetStringLength("\xF0\x9F\x98\x80"), 4u);   // a surrogate pair: two wide units
}

TEST(TextWidth, ShiftJISMeasureCountsHalfWidthKanaAsOne) {
    constexpr auto kSJIS = StringWidthMeasure::kShiftJIS;
    EXPECT_EQ(GetStringLength("a\xEF\xBD\xB1", kSJIS), 2u);           // a, half-width katakana A
    EXPECT_EQ(GetStringLength("\xEF\xBD\xB1", StringWidthMeasure::kUTF8), 2u);
    EXPECT_EQ(GetStringLength("\xE3\x81\x82", kSJIS), 2u);            // hiragana A: two bytes
    EXPECT_EQ(GetStringLength("\xE4\xB8\x80\xF0\x9F\x98\x80", kSJIS), 6u);  // no Shift-JIS form: 2 a unit
    EXPECT_EQ(GetStringLength("\xC3(", kSJIS), 0u);
    EXPECT_EQ(GetShortenString("\xEF\xBD\xB1\xEF\xBD\xB2\xE3\x81\x82", 3, kSJIS), "\xEF\xBD\xB1\xEF\xBD\xB2");
}

TEST(TextWidth, ShortenNeverSplitsACharacter) {
    EXPECT_EQ(GetShortenString("abcdef", 4), "abcd");
    EXPECT_EQ(GetShortenString("a\xE3\x81\x82" "b", 2), "a");
    EXPECT_EQ(GetShortenString("a\xE3\x81\x82" "b", 3), "a\xE3\x81\x82");
    EXPECT_EQ(GetShortenString("\xF0\x9F\x98\x80x", 3), "");
    EXPECT_EQ(GetShortenString("", 5), "");
}

TEST(TextScan, PointsSpacesAndDigits) {
    EXPECT_EQ(GetStringPointCount("1.2.3"), 2u);
    EXPECT_EQ(GetStringPointIndex("12.5"), 3u);
    EXPECT_EQ(GetStringPointIndex("\xE3\x81\x82.5"), 2u);  // counted in UTF-16 units
    EXPECT_EQ(GetStringPointIndex("125"), 4u);
    EXPECT_EQ(GetStringPointIndex(""), 1u);
    EXPECT_EQ(RemoveAllSpaces(" a b\xE3\x80\x80"), u"ab\u3000");
    EXPECT_TRUE(IsAllSpace(""));
    EXPECT_TRUE(IsAllSpace(" \xE3\x80\x80 "));
    EXPECT_FALSE(IsAllSpace(" x"));
    EXPECT_TRUE(ExistNumericString("abc7"));
    EXPECT_FALSE(ExistNumericString("abc"));
    EXPECT_EQ(GetIntegerLength(0), 1);
    EXPECT_EQ(GetIntegerLength(-120), 4);
    std::string z = "00120";
    filterHeadZero(z);
    EXPECT_EQ(z, "120");
    z = "000";
    filterHeadZero(z);
    EXPECT_EQ(z, "");
}

TEST(TextLists, SplitKeepsEmptyPiecesAndAddSkipsRepeats) {
    std::vector<std::string> parts{"old"};
    getStringBySeparator(parts, "1,2\n,3,", ',');
    EXPECT_EQ(parts, (std::vector<std::string>{"old", "1", "2", "", "3", ""}));
    AddNoRepeatStrToArray(parts, "2");
    AddNoRepeatStrToArray(parts, "4");
    EXPECT_EQ(parts.back(), "4");
    EXPECT_EQ(parts.size(), 7u);
}

TEST(TextLists, CompareByIntegerValue) {
    EXPECT_EQ(numCompare("9", "10"), -1);
    EXPECT_EQ(numCompare("10", "10"), 0);
    EXPECT_EQ(numCompare("-3", "-4"), 1);
    EXPECT_EQ(pageNumCompare({"12", "x"}, {"3"}), 1);
    std::map<std::string, std::string> a{{"page", "2"}}, b{{"page", "11"}};
    EXPECT_EQ(pageNumCompareDict(a, b, "page"), -1);
    EXPECT_EQ(pageNumCompareDict(a, {}, "page"), 1);
}

TEST(ResourceNames, SplitAtTheFirstDashAndPrefix) {
    EXPECT_EQ(GetAppResourceName("Help-page-2.html", 0), "Help");
    EXPECT_EQ(GetAppResourceName("Help-page-2.html", 1), "page-2.html");
    EXPECT_EQ(GetAppResourceName("NoDash", 0), "NoDash");
    EXPECT_EQ(GetAppResourceName("NoDash", 1), "");
    EXPECT_EQ(GetAppFullResourceName("Icon", 0, "Big", "Small"), "BigIcon");
    EXPECT_EQ(GetAppFullResourceName("Icon", 1, "Big", "Small"), "SmallIcon");
    EXPECT_EQ(GetAppFullResourceName("Icon", 2, "Big", "Small"), "Icon");
    std::string longName(254, 'n');
    EXPECT_EQ(GetAppFullResourceName(longName, 0, "\xC3\xA9", ""), "\xC3\xA9" + longName.substr(0, 253));
}

}  // namespace
}  // namespace zqpde
