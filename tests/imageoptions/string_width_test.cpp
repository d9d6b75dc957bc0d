// Built once per image-options bundle, with that bundle's own compile
// definitions: the TELD build measures text in Shift-JIS, the others in
// UTF-8, down to the framework's text fields, which are compiled only once
// for every bundle.
#include <gtest/gtest.h>

#include <string_view>

#include "zqpde/input_filter.h"
#include "zqpde/text_entry.h"
#include "zqpde/text_util.h"

namespace {

TEST(BundleStringWidth, TeldMeasuresInShiftJISTheOthersInUTF8) {
    const bool teld = std::string_view(ZQ_IMAGE_OPTIONS_EDITION) == "teld";
    EXPECT_EQ(zqpde::BundleStringWidthMeasure(),
              teld ? zqpde::StringWidthMeasure::kShiftJIS : zqpde::StringWidthMeasure::kUTF8);

    // Half-width katakana are one byte each in Shift-JIS, three in UTF-8;
    // hiragana and kanji are wide in both; ASCII narrow in both.
    const char* const kHalfWidthKana = "\xEF\xBD\xB1\xEF\xBD\xB2";  // two half-width katakana
    const char* const kKanji = "\xE6\x97\xA5\xE6\x9C\xAC";           // two kanji
    EXPECT_EQ(zqpde::GetStringLength(kHalfWidthKana), teld ? 2u : 4u);
    EXPECT_EQ(zqpde::GetStringLength(kKanji), 4u);
    EXPECT_EQ(zqpde::GetStringLength("ab"), 2u);
    EXPECT_EQ(zqpde::GetShortenString(kHalfWidthKana, 2), teld ? kHalfWidthKana : "\xEF\xBD\xB1");

    // A field that takes any character, at most 2 wide, as the framework's
    // formatter keeps it while the user types.
    static const zqpde::TextEditFilterData kAnything = {{1, {{0, 255}}}, {1, {{1, 0xFFFF}}}, nullptr};
    zqpde::TextEditFormatter field(&kAnything, 2);
    EXPECT_EQ(field.isPartialStringValid(kHalfWidthKana, nullptr, nullptr), teld);
    EXPECT_TRUE(field.isPartialStringValid("\xE6\x97\xA5", nullptr, nullptr));
    EXPECT_FALSE(field.isPartialStringValid(kKanji, nullptr, nullptr));
}

}  // namespace
