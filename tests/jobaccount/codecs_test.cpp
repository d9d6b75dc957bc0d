// The escaped ticket form and the scrambled password, in the encodings a
// printer may declare: what the encoder writes the decoder must read back,
// and nothing is ever cut or sent half-converted.
#include <gtest/gtest.h>

#include <cstring>

#include "ppd_fixture.h"
#include "scramble_check.h"
#include "string_codecs.h"

namespace pellora {
namespace {

using test::Unscramble;

using zqp::TextEncoding;

const std::string kEuro = "\xE2\x82\xAC";      // 0x80 in Windows Latin-1: the widest code, -128
const std::string kATilde = "\xC3\xA3";        // 0xE3 in Latin-1
const std::string kKatakanaSo = "\xE3\x82\xBD";  // 0x83 0x5C in Shift-JIS: a backslash as second byte

std::string Repeat(const std::string& s, size_t n) {
  std::string out;
  for (size_t i = 0; i < n; ++i) out += s;
  return out;
}

struct EncodeCase {
  const char* what;
  std::string text;
  TextEncoding encoding;
  std::optional<std::string> escaped;
};

TEST(TicketString, EncodesOnlyTextWithSpecialBytesAndRefusesWhatItCannotHold) {
  const EncodeCase cases[] = {
      {"plain text stays", "Sales 12", TextEncoding::kUtf8, "Sales 12"},
      {"comma", "a,b", TextEncoding::kUtf8, "/97/44/98"},
      {"slash anywhere", "a/b", TextEncoding::kUtf8, "/97/47/98"},
      {"apostrophe and backslash", "'\\", TextEncoding::kIsoLatin1, "/39/92"},
      {"high bytes are signed", kATilde + ",", TextEncoding::kIsoLatin1, "/-29/44"},
      {"the same letter in UTF-8 is two bytes", kATilde + ",", TextEncoding::kUtf8, "/-61/-93/44"},
      {"a special byte inside a double-byte character", kKatakanaSo, TextEncoding::kShiftJis, "/-125/92"},
      {"widest code", kEuro + ",", TextEncoding::kWindowsLatin1, "/-128/44"},
      {"not in Latin-1", kEuro, TextEncoding::kIsoLatin1, std::nullopt},
      {"a NUL would end the text", std::string("a,\0b", 4), TextEncoding::kIsoLatin1, std::nullopt},
      {"not in Latin-1, even without special bytes", "\xE6\x97\xA5", TextEncoding::kWindowsLatin1, std::nullopt},
      {"256 bytes are more than the printer takes", std::string(255, 'x') + ",", TextEncoding::kUtf8, std::nullopt},
      {"so are 128 two-byte letters", Repeat(kATilde, 128), TextEncoding::kUtf8, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(CopyEncodedString(c.text, c.encoding), c.escaped) << c.what;
  auto longest = CopyEncodedString(std::string(254, 'x') + ",", TextEncoding::kUtf8);
  ASSERT_TRUE(longest);
  EXPECT_EQ(longest->size(), 254u * 4 + 3);
}

TEST(TicketString, DecodesSignedAndOutOfRangeCodesAndLeavesPlainText) {
  struct Case {
    const char* what;
    std::string form;
    TextEncoding encoding;
    std::optional<std::string> text;
  } cases[] = {
      {"plain", "Sales", TextEncoding::kUtf8, "Sales"},
      {"slash later is not a form", "a/97", TextEncoding::kUtf8, "a/97"},
      {"empty", "", TextEncoding::kUtf8, ""},
      {"signed code", "/-29", TextEncoding::kIsoLatin1, kATilde},
      {"unsigned code of the same byte", "/227", TextEncoding::kIsoLatin1, kATilde},
      {"above 255 gives 255", "/300", TextEncoding::kIsoLatin1, "\xC3\xBF"},
      {"huge number does not overflow", "/99999999999999999999999", TextEncoding::kIsoLatin1, "\xC3\xBF"},
      {"a zero code ends the text", "/97/0/98", TextEncoding::kUtf8, "a"},
      {"bytes that are not UTF-8", "/-29", TextEncoding::kUtf8, std::nullopt},
      {"double-byte character", "/-125/92", TextEncoding::kShiftJis, kKatakanaSo},
      {"longer than any form the encoder writes", "/" + Repeat("97/", 426), TextEncoding::kUtf8, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(CopyDecodedString(c.form, c.encoding), c.text) << c.what;
}

TEST(TicketString, TheLongestFormsComeBackWhole) {
  // Past the old 1023-byte output and 256-byte input limits of the two
  // sides: every code must be written and read.
  const struct {
    std::string text;
    TextEncoding encoding;
  } cases[] = {
      {Repeat(kEuro, 254) + ",", TextEncoding::kWindowsLatin1},  // 255 bytes, 1273 characters
      {Repeat(kEuro, 84) + ",", TextEncoding::kUtf8},            // 253 bytes, 1095 characters
      {Repeat("\xE3\x81\x82", 126) + kKatakanaSo, TextEncoding::kShiftJis},  // 254 bytes, 1142 characters
  };
  for (const auto& c : cases) {
    auto form = CopyEncodedString(c.text, c.encoding);
    ASSERT_TRUE(form);
    EXPECT_GT(form->size(), 1023u);
    EXPECT_LE(form->size(), kMaxEscapedBytes);
    EXPECT_EQ(CopyDecodedString(*form, c.encoding), c.text);
  }
}

TEST(Password, IsScrambledWholeInThePrintersEncodingOrNotAtAll) {
  auto latin = CreateEncryptedString("p" + kATilde + "ss", TextEncoding::kIsoLatin1);
  ASSERT_EQ(latin.status, PasswordStatus::kOk);
  EXPECT_EQ(Unscramble(latin.text), "p\xE3ss");
  EXPECT_EQ(CreateDecryptedString(latin.text, TextEncoding::kIsoLatin1), "p" + kATilde + "ss");

  auto utf8 = CreateEncryptedString("p" + kATilde + "ss", TextEncoding::kUtf8);
  ASSERT_EQ(utf8.status, PasswordStatus::kOk);
  EXPECT_EQ(Unscramble(utf8.text), "p\xC3\xA3ss");

  // A character the encoding lacks refuses the whole password, wherever it is.
  EXPECT_EQ(CreateEncryptedString("abc" + kEuro + "def", TextEncoding::kIsoLatin1).status,
            PasswordStatus::kUnconvertible);
  EXPECT_EQ(CreateEncryptedString("", TextEncoding::kUtf8).status, PasswordStatus::kEmpty);

  // 189 bytes still fit the 255 characters of Base64; 190 do not.
  auto longest = CreateEncryptedString(std::string(189, 'k'), TextEncoding::kUtf8);
  ASSERT_EQ(longest.status, PasswordStatus::kOk);
  EXPECT_EQ(longest.text.size(), 252u);
  EXPECT_EQ(Unscramble(longest.text), std::string(189, 'k'));
  EXPECT_EQ(CreateEncryptedString(std::string(190, 'k'), TextEncoding::kUtf8).status, PasswordStatus::kTooLong);
  // Counted in the printer's bytes: 95 two-byte letters are 190 bytes of UTF-8.
  EXPECT_EQ(CreateEncryptedString(Repeat(kATilde, 95), TextEncoding::kUtf8).status, PasswordStatus::kTooLong);
  EXPECT_EQ(CreateEncryptedString(Repeat(kATilde, 95), TextEncoding::kIsoLatin1).status, PasswordStatus::kOk);
}

TEST(Password, DecodingRefusesWhatIsNotAScrambledText) {
  EXPECT_EQ(CreateDecryptedString("", TextEncoding::kUtf8), std::nullopt);
  EXPECT_EQ(CreateDecryptedString("not base64!", TextEncoding::kUtf8), std::nullopt);
  EXPECT_EQ(CreateDecryptedString(std::string(256, 'A'), TextEncoding::kUtf8), std::nullopt);
  // The scrambled Latin-1 byte 0xE3 alone is not UTF-8.
  auto latin = CreateEncryptedString(kATilde, TextEncoding::kIsoLatin1);
  EXPECT_EQ(CreateDecryptedString(latin.text, TextEncoding::kUtf8), std::nullopt);
}

TEST(PrinterEncoding, ComesFromTheExactAttributeValue) {
  const struct {
    const char* attr;
    TextEncoding encoding;
  } cases[] = {
      {"*ZQPrinterLanguageEncoding: \"UTF-8\"\n", TextEncoding::kUtf8},
      {"*ZQPrinterLanguageEncoding: \"ISOLatin1\"\n", TextEncoding::kIsoLatin1},
      {"*ZQPrinterLanguageEncoding: \"WindowsANSI\"\n", TextEncoding::kWindowsLatin1},
      {"*ZQPrinterLanguageEncoding: \"JIS83-RKSJ\"\n", TextEncoding::kShiftJis},
      {"*ZQPrinterLanguageEncoding: \"utf-8\"\n", TextEncoding::kShiftJis},
      {"", TextEncoding::kShiftJis},
  };
  for (const auto& c : cases) {
    zqpde::test::PPD ppd(c.attr);
    EXPECT_EQ(GetEncodingInfoFromPPD(ppd.get()), c.encoding) << c.attr;
  }
  EXPECT_EQ(GetEncodingInfoFromPPD(nullptr), TextEncoding::kShiftJis);
}

TEST(PpdAttribute, IsFoundByTheBeginningOfItsName) {
  zqpde::test::PPD ppd("*ZQJAPasswdLimit: \"6,16\"\n*ZQJAPasswdScope: \"32,126\"\n");
  ppd_attr_t* attr = ppdFindAttr_ALT(ppd.get(), "ZQJAPasswd", nullptr);
  ASSERT_NE(attr, nullptr);
  EXPECT_STREQ(attr->name, "ZQJAPasswdLimit");
  EXPECT_EQ(ppdFindAttr_ALT(ppd.get(), "", nullptr), nullptr);
  EXPECT_EQ(ppdFindAttr_ALT(ppd.get(), nullptr, nullptr), nullptr);
  EXPECT_EQ(CopyPPDAttribute(ppd.get(), "ZQJAPasswdScope"), "32,126");
  EXPECT_EQ(CopyPPDAttribute(ppd.get(), "ZQJAUsePassword"), std::nullopt);
}

}  // namespace
}  // namespace pellora
