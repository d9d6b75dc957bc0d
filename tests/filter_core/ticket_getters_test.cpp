// Reading the print-settings ticket: what each getter leaves for a present,
// an absent and a malformed value, the escaped form, and the N-up texts.
#include <gtest/gtest.h>

#include "core/job.h"
#include "core/ticket.h"
#include "core_test_support.h"
#include "filter_harness.h"
#include "zqp/utf8.h"

namespace {

using namespace zqf;
using coretest::MemJob;

const std::string kKey = "com.tavelle.kvb.printsettings.SomeTicket";

std::string Opt(const std::string& value) { return kKey + "='" + value + "'"; }

TEST(TicketGetters, AbsentKeysLeaveTheDocumentedValues) {
  MemJob m("other=1");
  int32_t i = 123;
  float f = 4.5f;
  std::string s = "stale";
  EXPECT_EQ(GetTicketInteger(m.job, kKey, m.job.options, &i, 4), 0);
  EXPECT_EQ(i, -1);
  EXPECT_EQ(GetTicketFloat(m.job, kKey, m.job.options, &f, 4), 0);
  EXPECT_EQ(f, -1.0f);
  EXPECT_EQ(GetTicketString(m.job, kKey, m.job.options, &s, 255), 0);
  EXPECT_EQ(s, "");
  s = "stale";
  EXPECT_EQ(GetTicketStringConvertedToPrtLang(m.job, kKey, m.job.options, &s, 255), 0);
  EXPECT_EQ(s, "");
  s = "stale";
  EXPECT_EQ(GetTicketStringConvertedToPrtLangForUTF8(m.job, kKey, m.job.options, &s, 255), 0);
  EXPECT_EQ(s, "");
  s = "stale";
  EXPECT_EQ(GetLengthOfTicketStringConvertedToPrtLang(m.job, kKey, m.job.options, &s, 255), 0);
  EXPECT_EQ(s, "");
  s = "stale";
  EXPECT_EQ(GetTicketStringConvertedToPPDEncodingString(m.job, kKey, m.job.options, &s, 255), 0);
  EXPECT_EQ(s, "");

  // No options at all behave the same.
  MemJob none("");
  i = 5;
  EXPECT_EQ(GetTicketInteger(none.job, kKey, none.job.options, &i, 4), 0);
  EXPECT_EQ(i, -1);
}

TEST(TicketGetters, IntegersAndFloats) {
  struct Case {
    std::string value;
    int32_t expected;
  } cases[] = {{"42", 42},          {"-7", -7}, {" 12", 12}, {"3abc", 3}, {"abc", 0}, {"", 0},
               {"99999999999", INT32_MAX}, {"-99999999999", INT32_MIN}, {"99999999999999999999999", INT32_MAX}};
  for (const auto& c : cases) {
    MemJob m(Opt(c.value));
    int32_t i = 0;
    EXPECT_EQ(GetTicketInteger(m.job, kKey, m.job.options, &i, 4), 1) << c.value;
    EXPECT_EQ(i, c.expected) << c.value;
  }
  MemJob m(Opt("12.50"));
  float f = 0;
  EXPECT_EQ(GetTicketFloat(m.job, kKey, m.job.options, &f, 4), 1);
  EXPECT_FLOAT_EQ(f, 12.5f);
  MemJob junk(Opt("wide"));
  EXPECT_EQ(GetTicketFloat(junk.job, kKey, junk.job.options, &f, 4), 1);
  EXPECT_EQ(f, 0.0f);
}

TEST(TicketGetters, CheckTicketKeyFlagsAbsence) {
  int32_t flag = 7;
  MemJob absent("other=1");
  EXPECT_EQ(CheckTicketKey(absent.job, kKey, absent.job.options, &flag, 4), 1);
  EXPECT_EQ(flag, 1);
  MemJob present(Opt("x"));
  EXPECT_EQ(CheckTicketKey(present.job, kKey, present.job.options, &flag, 4), 1);
  EXPECT_EQ(flag, 0);
  // Present with an empty value is still present.
  MemJob empty(kKey + "=");
  flag = 7;
  CheckTicketKey(empty.job, kKey, empty.job.options, &flag, 4);
  EXPECT_EQ(flag, 0);
}

TEST(TicketGetters, StringsAreConvertedAndBounded) {
  std::string s;
  // The plain getter does not unescape.
  MemJob escaped(Opt("/72/101"));
  EXPECT_EQ(GetTicketString(escaped.job, kKey, escaped.job.options, &s, 255), 1);
  EXPECT_EQ(s, "/72/101");
  EXPECT_EQ(GetTicketStringConvertedToPrtLang(escaped.job, kKey, escaped.job.options, &s, 255), 1);
  EXPECT_EQ(s, "He");

  // The destination size counts the terminator; cuts fall between characters.
  MemJob accents(Opt("\xc3\xa9\xc3\xa9\xc3\xa9"));
  EXPECT_EQ(GetLengthOfTicketStringConvertedToPrtLang(accents.job, kKey, accents.job.options, &s, 6), 4);
  EXPECT_EQ(s, "\xc3\xa9\xc3\xa9");
  EXPECT_EQ(GetLengthOfTicketStringConvertedToPrtLangForUTF8(accents.job, kKey, accents.job.options, &s, 2), 0);
  EXPECT_EQ(s, "");

  // Escaped bytes that do not form UTF-8 convert to nothing; escaped UTF-8
  // converts like any text.
  MemJob badBytes(Opt("/255/254/65"));
  EXPECT_EQ(GetTicketStringConvertedToPrtLang(badBytes.job, kKey, badBytes.job.options, &s, 255), 1);
  EXPECT_EQ(s, "");
  MemJob goodBytes(Opt("/195/169/116/195/169"));
  GetTicketStringConvertedToPrtLang(goodBytes.job, kKey, goodBytes.job.options, &s, 255);
  EXPECT_EQ(s, "\xc3\xa9t\xc3\xa9");

  // Characters outside the Basic Multilingual Plane have no single-unit form.
  MemJob emoji(Opt("a\xf0\x9f\x98\x80" "b"));
  EXPECT_EQ(GetLengthOfTicketStringConvertedToPrtLang(emoji.job, kKey, emoji.job.options, &s, 255), 2);
  EXPECT_EQ(s, "ab");

  // A value longer than the unescape buffer is read from a bounded copy.
  std::string longEscaped;
  for (int i = 0; i < 2000; ++i) longEscaped += "/65";
  MemJob big(Opt(longEscaped));
  GetTicketStringConvertedToPrtLang(big.job, kKey, big.job.options, &s, 4096);
  EXPECT_EQ(s, std::string(341, 'A'));
}

TEST(TicketGetters, TableReadsEveryRowInOrder) {
  MemJob m("com.tavelle.kvb.printsettings.A=5 com.tavelle.kvb.printsettings.B=/79/75");
  int32_t a = 0, missing = 0, flag = 0;
  std::string b;
  const TicketTable rows = {
      {m.job.Key("A"), &a, 4, GetTicketInteger},
      {m.job.Key("B"), &b, 255, GetTicketStringConvertedToPrtLang},
      {m.job.Key("C"), &missing, 4, GetTicketInteger},
      {m.job.Key("C"), &flag, 4, CheckTicketKey},
      {m.job.Key("D"), &flag, 4, nullptr},
  };
  EXPECT_EQ(GetTicketFromArray(m.job, rows), 1);
  EXPECT_EQ(a, 5);
  EXPECT_EQ(b, "OK");
  EXPECT_EQ(missing, -1);
  EXPECT_EQ(flag, 1);
}

TEST(TicketGetters, PpdEncodingWrapsInParentheses) {
  MemJob m(Opt("/72/105"));
  std::string s;
  EXPECT_EQ(GetTicketStringConvertedToPPDEncodingString(m.job, kKey, m.job.options, &s, 255), 1);
  EXPECT_EQ(s, "(Hi)");

  // Shift-JIS for a PPD in that encoding; never cut inside a character.
  std::string out;
  EXPECT_EQ(ConvertUTF8ToPPDEncoding("\xe6\x97\xa5\xe6\x9c\xac", out, 255, PpdTextEncoding::ShiftJisX0213), 6u);
  EXPECT_EQ(out, "(\x93\xfa\x96\x7b)");
  EXPECT_EQ(ConvertUTF8ToPPDEncoding("\xe6\x97\xa5\xe6\x9c\xac", out, 5, PpdTextEncoding::ShiftJisX0213), 3u);
  EXPECT_EQ(out, "(\x93\xfa");
  // At most 510 UTF-16 units, then the destination size.
  EXPECT_EQ(ConvertUTF8ToPPDEncoding(std::string(600, 'a'), out, 2048, PpdTextEncoding::Utf8), 510u);
  EXPECT_EQ(ConvertUTF8ToPPDEncoding("\xff", out, 255, PpdTextEncoding::Utf8), 0u);
  EXPECT_EQ(out, "");
}

TEST(TicketGetters, PpdEncodingFollowsWhatThePpdFileAnnounces) {
  // libcups reports every PPD as UTF-8 once read; the file's own
  // LanguageEncoding decides.
  for (const auto& [announced, expected] : {std::pair{"JIS83-RKSJ", PpdTextEncoding::ShiftJisX0213},
                                            std::pair{"ISOLatin1", PpdTextEncoding::Utf8}}) {
    PpdHandle ppd(ppdOpenFile(zqtest::PpdBuilder().LanguageEncoding(announced).Write().c_str()));
    ASSERT_TRUE(ppd);
    EXPECT_EQ(GetCFStringSimEncodingFromPPD(ppd.get()), expected) << announced;
  }
  EXPECT_EQ(GetCFStringSimEncodingFromPPD(nullptr), PpdTextEncoding::Utf8);

  MemJob m(Opt("\xe6\x97\xa5"));
  m.job.ppd.reset(ppdOpenFile(zqtest::PpdBuilder().LanguageEncoding("JIS83-RKSJ").Write().c_str()));
  std::string s;
  GetTicketStringConvertedToPPDEncodingString(m.job, kKey, m.job.options, &s, 255);
  EXPECT_EQ(s, "(\x93\xfa)");
}

// --- the escaped form ----------------------------------------------------

std::string Unescape(std::string text, size_t size = kUnescapeBufferSize) {
  numstrtochar(text, size);
  return text;
}

TEST(Unescaping, DecimalCodesBecomeBytes) {
  EXPECT_EQ(Unescape("/72/101"), "He");
  EXPECT_EQ(Unescape("/49/50"), "12");
  EXPECT_EQ(Unescape("/072/0101"), "He");
  EXPECT_EQ(Unescape("/72/"), "H");
  EXPECT_EQ(Unescape("/"), "");
  // Without the leading slash the value is the text itself.
  EXPECT_EQ(Unescape("72/101"), "72/101");
  EXPECT_EQ(Unescape("plain text"), "plain text");
  EXPECT_EQ(Unescape(""), "");
}

TEST(Unescaping, CodesAboveAByteEndTheText) {
  EXPECT_EQ(Unescape("/300"), "");
  EXPECT_EQ(Unescape("/256"), "");
  EXPECT_EQ(Unescape("/255"), "\xff");
  EXPECT_EQ(Unescape("/72/300/101"), "H");
  EXPECT_EQ(Unescape("/72/0/101"), "H");
  // Huge numbers saturate instead of overflowing.
  EXPECT_EQ(Unescape("/99999999999999999999999999999999/65"), "");
  EXPECT_EQ(Unescape("/65/18446744073709551681"), "A");
  // Something that is not a number is no byte.
  EXPECT_EQ(Unescape("/65/x/66"), "A");
  EXPECT_EQ(Unescape("/-65"), "");
}

TEST(Unescaping, InputIsBounded) {
  std::string many;
  for (int i = 0; i < 100; ++i) many += "/65";
  // Only the first size - 1 bytes are read: "/65/65/6" gives A, A, 6.
  EXPECT_EQ(Unescape(many, 9), "AA\x06");
  EXPECT_EQ(Unescape(many, 1024), std::string(100, 'A'));
}

// --- N-up ---------------------------------------------------------------------

std::string NUp(const std::string& options, bool comment = false, size_t size = 10) {
  MemJob m(options);
  std::string s = "stale";
  EXPECT_EQ((comment ? GetNumberUpTicketStringForComment : GetNumberUpTicketString)(m.job, "number-up", m.job.options,
                                                                                       &s, size),
            1);
  return s;
}

const std::string kRows = "com.apple.print.PrintSettings.PMLayoutRows..n.=";
const std::string kCols = " com.apple.print.PrintSettings.PMLayoutColumns..n.=";

TEST(NumberUp, FromTheNumberUpOption) {
  EXPECT_EQ(NUp("number-up=4"), "N4");
  EXPECT_EQ(NUp("number-up=4", true), "4");
  EXPECT_EQ(NUp("number-up=/49/54"), "N16");
  // The option wins over the layout keys.
  EXPECT_EQ(NUp("number-up=2 " + kRows + "3" + kCols + "3"), "N2");
  // Bounded by the destination (10 bytes with the terminator).
  EXPECT_EQ(NUp("number-up=123456789012"), "N12345678");
}

TEST(NumberUp, FromTheLayoutKeys) {
  EXPECT_EQ(NUp(""), "1");
  EXPECT_EQ(NUp("", true), "1");
  EXPECT_EQ(NUp(kRows + "1" + kCols + "1"), "1");
  EXPECT_EQ(NUp(kRows + "2" + kCols + "2"), "N4");
  EXPECT_EQ(NUp(kRows + "2" + kCols + "3", true), "6");
  EXPECT_EQ(NUp(kRows + "9" + kCols + "11"), "N99");
  // One key alone: the missing side counts as one.
  EXPECT_EQ(NUp(kRows + "2"), "N2");
  EXPECT_EQ(NUp(kCols.substr(1) + "3"), "N3");
}

TEST(NumberUp, ImpossibleLayoutsGiveOneUp) {
  EXPECT_EQ(NUp(kRows + "10" + kCols + "10"), "1");
  EXPECT_EQ(NUp(kRows + "-2" + kCols + "-2"), "1");
  EXPECT_EQ(NUp(kRows + "0" + kCols + "4"), "1");
  EXPECT_EQ(NUp(kRows + "2147483647" + kCols + "2147483647"), "1");
  EXPECT_EQ(NUp(kRows + "99999999999999999999999" + kCols + "2"), "1");
  EXPECT_EQ(NUp(kRows + "abc" + kCols + "2"), "1");
}

}  // namespace
