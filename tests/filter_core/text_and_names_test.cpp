// Conversion to the printer text, the validation scales, and the rules that
// turn the command line's user and title into the job's names.
#include <gtest/gtest.h>

#include "core/identity.h"
#include "core/job.h"
#include "core/text.h"
#include "core_test_support.h"
#include "zqp/utf8.h"

namespace {

using namespace zqf;
using coretest::MemJob;

std::string Convert(std::string_view text, size_t size = 255) {
  MemJob m;
  std::string out = "stale";
  const size_t n = ConvertUTF8ToEncoding(m.job, text, out, size);
  EXPECT_EQ(n, out.size());
  return out;
}

TEST(PrinterText, InvalidUtf8GivesNothing) {
  EXPECT_EQ(Convert("ok\xff"), "");
  EXPECT_EQ(Convert("\x80"), "");
  EXPECT_EQ(Convert("\xc0\xaf"), "");          // overlong "/"
  EXPECT_EQ(Convert("\xed\xa0\x80"), "");      // an encoded surrogate half
  EXPECT_EQ(Convert("abc\xe6\x97"), "");       // truncated at the end
  EXPECT_EQ(Convert("\xf4\x90\x80\x80"), "");  // above U+10FFFF
  EXPECT_EQ(Convert(""), "");
}

TEST(PrinterText, CharactersOutsideTheBmpAreDropped) {
  EXPECT_EQ(Convert("a\xf0\x9f\x98\x80" "b\xf0\x90\x80\x80"), "ab");
  EXPECT_EQ(Convert("\xe6\x97\xa5\xe6\x9c\xac"), "\xe6\x97\xa5\xe6\x9c\xac");
  EXPECT_EQ(Convert("\xef\xbf\xbf"), "\xef\xbf\xbf");  // U+FFFF is still one unit
}

TEST(PrinterText, CutsFallBetweenCharacters) {
  EXPECT_EQ(Convert("a\xc3\xa9", 3), "a");
  EXPECT_EQ(Convert("a\xc3\xa9", 4), "a\xc3\xa9");
  EXPECT_EQ(Convert("\xe6\x97\xa5\xe6\x9c\xac", 6), "\xe6\x97\xa5");
  EXPECT_EQ(Convert("abc", 1), "");
  EXPECT_EQ(Convert("abc", 0), "");
  // A dropped wide character leaves room for what follows.
  EXPECT_EQ(Convert("\xf0\x9f\x98\x80" "abcd", 5), "abcd");
  MemJob m;
  std::string out;
  EXPECT_EQ(ConvertUTF8ToEncodingForUTF8(m.job, "x\xe2\x82\xac", out, 4), 1u);
  EXPECT_EQ(out, "x");
}

TEST(TextHelpers, SubStringAndItoa) {
  EXPECT_EQ(GetSubString("abcdef", 1, 3), "bcd");
  EXPECT_EQ(GetSubString("abcdef", 4, 99), "ef");
  EXPECT_EQ(GetSubString("abc", 3, 5), "");
  EXPECT_EQ(GetSubString("abc", 2, 1), "");
  EXPECT_EQ(itoa(305, 10), "305");
  EXPECT_EQ(itoa(0, 10), "");
  EXPECT_EQ(itoa(-4, 10), "");
  EXPECT_EQ(itoa(12345, 3), "45");
  EXPECT_EQ(itoa(7, 1), "");
}

// --- validation scales ------------------------------------------------------

TEST(Validation, ByteAndWordRanges) {
  EXPECT_TRUE(ValidateDada("", userNameValidateDataScale));
  EXPECT_TRUE(ValidateDada(" ~azAZ09", userNameValidateDataScale));
  EXPECT_FALSE(ValidateDada("tab\there", userNameValidateDataScale));
  EXPECT_FALSE(ValidateDada("del\x7f", userNameValidateDataScale));
  EXPECT_FALSE(ValidateDada("\xc3\xa9", userNameValidateDataScale));

  const auto& p2 = docuNameValidateDataScaleForProduct02;
  EXPECT_TRUE(ValidateDada("\xa1\xdf", p2));       // half-width kana bytes
  EXPECT_TRUE(ValidateDada("\x81\x60", p2));       // the one double-byte sign
  EXPECT_FALSE(ValidateDada("\x81\x61", p2));
  EXPECT_TRUE(ValidateDada("\xff\x61\xff\x9f", p2));
  EXPECT_FALSE(ValidateDada("\xe0", p2));
  // A word is only read where two bytes remain.
  EXPECT_FALSE(ValidateDada(std::string_view("\x81\x60", 1), p2));
  EXPECT_FALSE(ValidateDada("a\x81", p2));

  const auto& p3 = docuNameValidateDataScaleForProduct03;
  EXPECT_TRUE(ValidateDada("\x82\xa0\x93\xfa", p3));
  EXPECT_TRUE(ValidateDada("abc\xb1", p3));
  EXPECT_FALSE(ValidateDada("\xa0\x40", p3));
  EXPECT_FALSE(ValidateDada("\x80", p3));

  EXPECT_TRUE(ISByteValid(0x20, userNameValidateDataScale));
  EXPECT_FALSE(ISByteValid(0x1f, userNameValidateDataScale));
  EXPECT_TRUE(ISWordValid(0xfc, 0xfc, p3));
  EXPECT_FALSE(ISWordValid(0xfc, 0xfd, p3));
  // Ranges past the count are not used.
  const ValidateDataScale partial{1, {{0x41, 0x41}, {0x42, 0x42}}, 0, {}};
  EXPECT_TRUE(ValidateDada("AAA", partial));
  EXPECT_FALSE(ValidateDada("AB", partial));
}

TEST(Validation, AllSpace) {
  EXPECT_TRUE(IsAllSpace(""));
  EXPECT_TRUE(IsAllSpace("   "));
  EXPECT_TRUE(IsAllSpace("\x81\x40"));
  EXPECT_TRUE(IsAllSpace(" \x81\x40 \x81\x40"));
  EXPECT_FALSE(IsAllSpace(" x "));
  EXPECT_FALSE(IsAllSpace("\t"));
  EXPECT_FALSE(IsAllSpace("\x81"));
  EXPECT_FALSE(IsAllSpace("\x81\x40\x81"));
  EXPECT_FALSE(IsAllSpace(std::string_view("\x81\x40", 1)));
  EXPECT_TRUE(ISWordSpace(0x81, 0x40));
  EXPECT_FALSE(ISByteSpace(0x81));
}

// --- the job's names ----------------------------------------------------------

struct Names {
  std::string user, jbaUser, document, ptDocument;
};

Names Identity(const std::string& user, const std::string& title, const std::string& options = "") {
  MemJob m(options, {"teld", "7", user, title, "1", options});
  PrepareIdentityTeld(m.job);
  return {m.job.StdUserName, m.job.StdJBAUserName, m.job.StdDocumentName, m.job.PTStdDocumentName};
}

std::string ProductType(int type) {
  return "com.tavelle.kvb.printsettings.PrintTypeProductTypeTicketKey=" + std::to_string(type);
}

TEST(UserName, PrintableAsciiIsKept) {
  EXPECT_EQ(Identity("alice", "t").user, "alice");
  EXPECT_EQ(Identity("Bob Smith", "t").user, "Bob Smith");
  EXPECT_EQ(Identity(" x ", "t").user, " x ");
  // At most the record's 254 bytes.
  EXPECT_EQ(Identity(std::string(300, 'u'), "t").user, std::string(254, 'u'));
}

TEST(UserName, UnusableNamesBecomeUnknownUser) {
  for (const std::string bad : {"", "   ", "tab\tbed", "J\xc3\xb6rg", "bell\x07", "\xff\xfe", "quote\x7f"}) {
    EXPECT_EQ(Identity(bad, "t").user, "UnknownUser") << bad;
  }
}

TEST(UserName, AccountingNameIsTakenBeforeTheRuleAndKeeps32Bytes) {
  EXPECT_EQ(Identity(std::string(40, 'a'), "t").jbaUser, std::string(32, 'a'));
  // Not changed by the user-name rule...
  const Names spaces = Identity("   ", "t");
  EXPECT_EQ(spaces.user, "UnknownUser");
  EXPECT_EQ(spaces.jbaUser, "   ");
  // ...and never cut inside a character.
  std::string accents;
  for (int i = 0; i < 20; ++i) accents += "\xc3\xa9";
  const Names n = Identity(accents + "x", "t");
  EXPECT_EQ(n.jbaUser.size(), 32u);
  EXPECT_TRUE(zqp::IsValidUtf8(n.jbaUser));
  std::string cjk;
  for (int i = 0; i < 11; ++i) cjk += "\xe6\x97\xa5";
  EXPECT_EQ(Identity(cjk, "t").jbaUser.size(), 30u);
  EXPECT_EQ(Identity(cjk.substr(0, 30) + "a" + cjk.substr(0, 3), "t").jbaUser.size(), 31u);
  // Invalid UTF-8 converts to nothing.
  EXPECT_EQ(Identity("bad\xff", "t").jbaUser, "");
}

TEST(DocumentName, TitleWithALineEndIsNoTitle) {
  for (const std::string title : {"line\nbreak", "carriage\rreturn", "\r\n"}) {
    const Names n = Identity("alice", title, ProductType(1));
    EXPECT_EQ(n.document, "") << title;
    EXPECT_EQ(n.ptDocument, "") << title;
  }
}

TEST(DocumentName, WithoutProductTypeThereIsNoProductTypeName) {
  const Names n = Identity("alice", "Quarterly report 2026 final version");
  EXPECT_EQ(n.document, "Quarterly report 2026 final version");
  EXPECT_EQ(n.ptDocument, "");
}

TEST(DocumentName, LimitByProductType) {
  const std::string title = "ABCDEFGHIJKLMNOPQRST";  // 20 characters
  Names two = Identity("alice", title, ProductType(2));
  EXPECT_EQ(two.ptDocument, "ABCDEFGHIJKL");
  EXPECT_EQ(two.document, "ABCDEFGHIJKL");  // the rule cuts the title itself too
  EXPECT_EQ(Identity("alice", title, ProductType(3)).ptDocument, title);

  const std::string seventy(70, 'x');
  EXPECT_EQ(Identity("alice", seventy, ProductType(3)).ptDocument, std::string(64, 'x'));
  EXPECT_EQ(Identity("alice", seventy, ProductType(1)).ptDocument, std::string(32, 'x'));
  EXPECT_EQ(Identity("alice", seventy, ProductType(0)).ptDocument, std::string(32, 'x'));
  EXPECT_EQ(Identity("alice", seventy, ProductType(-5)).ptDocument, std::string(32, 'x'));
  // A short title is kept whole.
  EXPECT_EQ(Identity("alice", "Memo", ProductType(2)).ptDocument, "Memo");
}

TEST(DocumentName, InvalidForTheScaleIsCleared) {
  EXPECT_EQ(Identity("alice", "R\xc3\xa9sum\xc3\xa9", ProductType(1)).ptDocument, "");
  EXPECT_EQ(Identity("alice", "del\x7f", ProductType(2)).ptDocument, "");
  EXPECT_EQ(Identity("alice", "tab\tx", ProductType(3)).ptDocument, "");
  // The title itself stays.
  EXPECT_EQ(Identity("alice", "R\xc3\xa9sum\xc3\xa9", ProductType(1)).document, "R\xc3\xa9sum\xc3\xa9");
}

TEST(DocumentName, WideCharactersAreCountedTwiceAndNeverSplit) {
  // "ab" and ten wide characters (three bytes each): the count reaches 12
  // at the fifth wide character, so the title is cut at byte 12 or just
  // before, whichever is a character boundary.
  std::string title = "ab";
  for (int i = 0; i < 10; ++i) title += "\xe3\x81\x82";
  const Names n = Identity("alice", title, ProductType(2));
  EXPECT_EQ(n.document, "ab\xe3\x81\x82\xe3\x81\x82\xe3\x81\x82");
  EXPECT_TRUE(zqp::IsValidUtf8(n.ptDocument));
  EXPECT_LE(n.ptDocument.size(), 12u);

  for (int type : {1, 3, 4}) {
    std::string wide;
    for (int i = 0; i < 40; ++i) wide += "\xe3\x81\x82";
    const Names w = Identity("alice", wide, ProductType(type));
    EXPECT_TRUE(zqp::IsValidUtf8(w.document)) << type;
    EXPECT_TRUE(zqp::IsValidUtf8(w.ptDocument)) << type;
    EXPECT_LE(w.ptDocument.size(), type == 3 ? 64u : 32u) << type;
  }
}

TEST(DocumentName, EditionHelpers) {
  MemJob m(ProductType(2), {"teld", "7", "alice", std::string(40, 'd'), "1", ""});
  m.job.StdDocumentName = std::string(40, 'd');
  InvalidateStdDocumentName(m.job);
  EXPECT_EQ(m.job.StdDocumentName, std::string(32, 'd'));
  m.job.PTStdDocumentName = "0123456789ABCDEF";
  InvalidatePrintTypeDocumentNameForProductType(m.job);
  EXPECT_EQ(m.job.PTStdDocumentName, "0123456789AB");
  m.job.PTStdDocumentName = "bad\x01";
  InvalidatePrintTypeDocumentNameForProductType(m.job);
  EXPECT_EQ(m.job.PTStdDocumentName, "");
  EXPECT_EQ(ReadProductType(m.job), 2);
}

}  // namespace
