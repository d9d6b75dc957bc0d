#include "zqpde/ticket_value.h"

#include <gtest/gtest.h>

#include <string>

namespace zqpde {
namespace {

TEST(TicketEscape, EscapesOnlyTextsTheFilterWouldMisread) {
    EXPECT_EQ(TicketTextForOutput("a,b"), "/97/44/98");
    EXPECT_EQ(TicketTextForOutput("/x"), "/47/120");
    EXPECT_EQ(TicketTextForOutput("it's"), "/105/116/39/115");
    EXPECT_EQ(TicketTextForOutput("C:\\d"), "/67/58/92/100");
    EXPECT_EQ(TicketTextForOutput("plain text/with slash"), "plain text/with slash");
    EXPECT_EQ(TicketTextForOutput(""), "");
    EXPECT_EQ(EscapedTicketString("\xC3\xA9"), "/195/169");  // every byte, not every character
}

TEST(TicketEscape, LongValuesAreEscapedWholeAndDecodeBack) {
    // 85 three-byte characters (255 bytes) with a comma: four bytes of escape
    // per byte, far beyond 255 units, and still stored whole.
    std::string text = ",";
    while (text.size() + 3 <= kTicketTextMaxBytes) text += "\xE3\x81\x82";
    std::string escaped = TicketTextForOutput(text);
    EXPECT_GT(escaped.size(), 900u);
    EXPECT_LE(escaped.size(), kEscapedValueMaxBytes);
    auto stored = TicketValueForStorage(escaped);
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, escaped);
    numstrtochar(*stored);
    EXPECT_EQ(*stored, text);
}

TEST(TicketEscape, TextIsCutBeforeEscapingAtACharacterBoundary) {
    std::string text = "a,";
    for (int i = 0; i < 100; ++i) text += "\xC3\xA9";  // 202 bytes, then over the limit
    text += std::string(100, 'x');
    std::string escaped = TicketTextForOutput(text);
    numstrtochar(escaped);
    EXPECT_EQ(escaped, text.substr(0, kTicketTextMaxBytes));

    std::string odd = std::string(254, 'a') + "\xC3\xA9,";  // a cut at 255 would split the é
    escaped = TicketTextForOutput("," + odd.substr(1));
    numstrtochar(escaped);
    EXPECT_EQ(escaped.size(), 254u);
}

TEST(TicketEscape, DecoderLeavesPlainTextAndStopsAtByteZero) {
    std::string s = "plain";
    numstrtochar(s);
    EXPECT_EQ(s, "plain");
    s = "/97/44/98";
    numstrtochar(s);
    EXPECT_EQ(s, "a,b");
    s = "/256/65";
    numstrtochar(s);
    EXPECT_EQ(s, "");
    s = "/72/101/";
    numstrtochar(s);
    EXPECT_EQ(s, "He");
}

TEST(TicketStorage, BrokenBarBecomesPipeAndPlainValuesAreCutByUnits) {
    EXPECT_EQ(*TicketValueForStorage("a\xEF\xBF\xA4" "b\xEF\xBF\xA4"), "a|b|");
    EXPECT_EQ(*TicketValueForStorage("\xEF\xBD\x9C"), "\xEF\xBD\x9C");  // U+FF5C stays

    std::string kana;
    for (int i = 0; i < 300; ++i) kana += "\xE3\x81\x82";
    auto cut = TicketValueForStorage(kana);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->size(), 255u * 3);  // 255 units, whole characters

    std::string astral;
    for (int i = 0; i < 128; ++i) astral += "\xF0\x9F\x98\x80";  // two units each
    cut = TicketValueForStorage(astral);
    EXPECT_EQ(cut->size(), 127u * 4);  // the 128th pair would need units 255 and 256

    EXPECT_FALSE(TicketValueForStorage("\xC3"));  // not UTF-8: the store refuses it
}

TEST(TicketStorage, OverlongEscapedValueIsCutAfterAWholeCode) {
    std::string escaped;
    while (escaped.size() < 1100) escaped += "/123";
    auto stored = TicketValueForStorage(escaped);
    ASSERT_TRUE(stored);
    EXPECT_LE(stored->size(), kEscapedValueMaxBytes);
    EXPECT_EQ(stored->size() % 4, 0u);
    EXPECT_EQ(stored->substr(stored->size() - 4), "/123");
}

TEST(Scrambling, ScramblesEveryByteAndRespectsThe189ByteLimit) {
    EXPECT_EQ(*QSPTicketString(""), "");
    // "\xC3\xA9" scrambled with "Wq": 0x94 0xD8, Base64 "lNg=".
    EXPECT_EQ(*QSPTicketString("\xC3\xA9"), "lNg=");
    EXPECT_EQ(*QSPTicketString("abcd"), "NhNQHg==");
    // A non-ASCII password is scrambled over its whole byte length.
    std::string pw = "p\xC3\xA4ss\xE3\x81\x82";
    auto once = QSPTicketString(pw);
    ASSERT_TRUE(once);
    EXPECT_EQ(once->size(), 4 * ((pw.size() + 2) / 3));

    EXPECT_EQ(QSPTicketString(std::string(189, 'k'))->size(), 252u);
    EXPECT_FALSE(QSPTicketString(std::string(190, 'k')));
}

TEST(TicketHelpers, ItoaWritesRightAligned) {
    char buf[6];
    EXPECT_STREQ(itoa(255, buf, sizeof buf), "255");
    EXPECT_EQ(itoa(255, buf, sizeof buf), buf + 2);
    EXPECT_STREQ(itoa(0, buf, sizeof buf), "");
    EXPECT_STREQ(itoa(123456, buf, sizeof buf), "");  // does not fit: nothing half-written
    EXPECT_STREQ(itoa(12345, buf, sizeof buf), "12345");
    EXPECT_EQ(itoa(1, nullptr, 4), nullptr);
}

TEST(TicketHelpers, PrinterSpecificKey) {
    std::string out = "x";
    EXPECT_TRUE(CreateKeyWithCurrentPrinter("UserIDReference", "Office_1", &out));
    EXPECT_EQ(out, "xOffice_1UserIDReference");
    EXPECT_FALSE(CreateKeyWithCurrentPrinter(nullptr, "p", &out));
    EXPECT_FALSE(CreateKeyWithCurrentPrinter("k", nullptr, &out));
    EXPECT_FALSE(CreateKeyWithCurrentPrinter("k", "p", nullptr));
}

}  // namespace
}  // namespace zqpde
