#include <gtest/gtest.h>

#include "zqp/text.h"

namespace {

using namespace zqp;

TEST(Text, PpdEncodingsRoundTrip) {
  struct Case {
    TextEncoding enc;
    std::string native, utf8;
  } cases[] = {
      {TextEncoding::kIsoLatin1, "Gr\xFC\xDF" "e", "Gr\xC3\xBC\xC3\x9F" "e"},
      {TextEncoding::kWindowsLatin1, "\x80 \x93q\x94", "\xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D"},
      {TextEncoding::kShiftJis, "\x93\xFA\x96\x7B", "\xE6\x97\xA5\xE6\x9C\xAC"},
      {TextEncoding::kShiftJis, "\xB6\xDE", "\xEF\xBD\xB6\xEF\xBE\x9E"},  // half-width KA + voiced mark
      {TextEncoding::kMacRoman, "\x8A\xA5", "\xC3\xA4\xE2\x80\xA2"},
      {TextEncoding::kUtf8, "\xC3\xA9", "\xC3\xA9"},
  };
  for (const auto& c : cases) {
    std::string out;
    ASSERT_TRUE(ToUtf8(c.native, c.enc, out)) << IconvName(c.enc);
    EXPECT_EQ(out, c.utf8) << IconvName(c.enc);
    ASSERT_TRUE(FromUtf8(c.utf8, c.enc, out)) << IconvName(c.enc);
    EXPECT_EQ(out, c.native) << IconvName(c.enc);
  }
}

TEST(Text, RefusesWhatTheEncodingCannotHold) {
  std::string out = "x";
  EXPECT_FALSE(FromUtf8("\xE6\x97\xA5", TextEncoding::kIsoLatin1, out));
  EXPECT_EQ(out, "");
  EXPECT_FALSE(FromUtf8("\xC3", TextEncoding::kShiftJis, out));  // truncated UTF-8
  EXPECT_FALSE(ToUtf8("\xC3", TextEncoding::kUtf8, out));
  EXPECT_FALSE(ToUtf8("\x81", TextEncoding::kShiftJis, out));  // lead byte without trail
}

TEST(Text, ComposedSequences) {
  // e + combining acute, half-width KA + voiced mark, a surrogate pair, x.
  const std::u16string s = u"e\u0301\uFF76\uFF9E\U0001F600x";
  auto r = ComposedCharacterRanges(s);
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[0], (std::pair<size_t, size_t>{0, 2}));
  EXPECT_EQ(r[1], (std::pair<size_t, size_t>{2, 2}));
  EXPECT_EQ(r[2], (std::pair<size_t, size_t>{4, 2}));
  EXPECT_EQ(r[3], (std::pair<size_t, size_t>{6, 1}));
  EXPECT_TRUE(ComposedCharacterRanges(u"").empty());

  const std::string utf8 = "ab" "e\xCC\x81" "c";  // e + U+0301 is 3 bytes
  EXPECT_EQ(ComposedCutPoint(utf8, 4), 2u);  // never between e and its accent
  EXPECT_EQ(ComposedCutPoint(utf8, 5), 5u);
  EXPECT_EQ(ComposedCutPoint(utf8, 100), utf8.size());
  EXPECT_EQ(ComposedCutPoint("a\xFF" "bc", 3), 3u);  // invalid text: plain boundary cut
}

}  // namespace
