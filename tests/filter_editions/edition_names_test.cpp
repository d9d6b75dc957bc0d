// How the ARK and kv29 editions turn the job's user and title into the
// names the device reads: encodings, UTF-16 counts, whole characters.
#include <gtest/gtest.h>

#include <memory>

#include "editions/ark/ark_identity.h"
#include "editions/ark/ark_profile.h"
#include "editions/kv29/kv29_identity.h"
#include "editions/kv29/kv29_profile.h"
#include "filter_harness.h"
#include "zqp/utf8.h"

namespace {

// A job prepared up to its names, as main does before the header.
struct PreparedJob {
  std::string outText, errText;
  zqf::Stream out{&outText}, err{&errText};
  std::unique_ptr<zqf::Job> job;

  PreparedJob(const zqf::EditionProfile& profile, const std::string& user, const std::string& title,
              const std::string& options, const std::string& encoding) {
    job = std::make_unique<zqf::Job>(profile, std::vector<std::string>{"f", "1", user, title, "1", options},
                                     out, err);
    job->options = zqf::Options(options.c_str());
    zqtest::PpdBuilder ppd;
    if (!encoding.empty()) ppd.QuotedAttr("ZQPrinterLanguageEncoding", encoding);
    job->ppd.reset(ppdOpenFile(ppd.Write().c_str()));
    profile.prepareIdentity(*job);
  }
};

std::string ProductType(int type) {
  return "com.tavelle.qdm.printsettings.PrintTypeProductTypeTicketKey=" + std::to_string(type);
}
std::string Kv29ProductType(int type) {
  return "com.tavelle.kvb.printsettings.PrintTypeProductTypeTicketKey=" + std::to_string(type);
}

TEST(ArkNames, Utf8ProductCountsUnitsForTheAccountingName) {
  const std::string user = "k\xc3\xa4ufer-" + std::string(33, 'u');  // 40 characters
  PreparedJob j(zqf::ArkProfile(), user, "t", "", "UTF-8");
  EXPECT_EQ(j.job->StdUserName, user);
  EXPECT_EQ(zqp::Utf16Length(j.job->StdJBAUserName), 32u);
  EXPECT_EQ(j.job->StdJBAUserName, zqp::Utf8PrefixUnits(user, 32));
}

TEST(ArkNames, Latin1ProductDropsWhatLatin1CannotHold) {
  PreparedJob j(zqf::ArkProfile(), "Jorg\xe2\x82\xac~\\", "t", "", "ISOLatin1");
  EXPECT_EQ(j.job->StdUserName, "Jorg~\\");  // the euro sign has no Latin-1 form
  // Latin-1 letters above 0x7E fail the printable-ASCII user scale.
  PreparedJob accented(zqf::ArkProfile(), "J\xc3\xb6rg", "t", "", "ISOLatin1");
  EXPECT_EQ(accented.job->StdUserName, "UnknownUser");
}

TEST(ArkNames, DocumentNameByProductType) {
  const std::string title(70, 'd');
  PreparedJob one(zqf::ArkProfile(), "u", title, ProductType(1), "ISOLatin1");
  EXPECT_EQ(one.job->StdDocumentName.size(), 64u);
  PreparedJob two(zqf::ArkProfile(), "u", title, ProductType(2), "ISOLatin1");
  EXPECT_EQ(two.job->StdDocumentName, std::string(12, 'd'));
  EXPECT_EQ(two.job->PTStdDocumentName, std::string(12, 'd'));

  const std::string accented = "R\xc3\xa9sum\xc3\xa9";
  PreparedJob utf8Type1(zqf::ArkProfile(), "u", accented, ProductType(1), "UTF-8");
  EXPECT_EQ(utf8Type1.job->PTStdDocumentName, "");  // ASCII scale fails
  PreparedJob utf8Type3(zqf::ArkProfile(), "u", accented, ProductType(3), "UTF-8");
  EXPECT_EQ(utf8Type3.job->PTStdDocumentName, accented);
  PreparedJob withLineEnd(zqf::ArkProfile(), "u", "a\nb", ProductType(3), "UTF-8");
  EXPECT_EQ(withLineEnd.job->StdDocumentName, "");
}

TEST(ArkNames, UnusableUserNamesBecomeUnknownUser) {
  for (const std::string user : {"", "   ", "\x01"}) {
    PreparedJob j(zqf::ArkProfile(), user, "t", "", "UTF-8");
    EXPECT_EQ(j.job->StdUserName, "UnknownUser");
    EXPECT_EQ(j.job->StdJBAUserName, "UnknownUser");
  }
}

TEST(ArkHeader, CodeSetOnlyOnUtf8Products) {
  PreparedJob utf8(zqf::ArkProfile(), "u", "t", "", "UTF-8");
  zqf::ark::OutputEPJLCommandLanguageEncodingForKLT4R2B(*utf8.job);
  utf8.out.Flush();
  EXPECT_EQ(utf8.outText, "@PJL SET STRINGCODESET=UTF8\n");
  PreparedJob latin(zqf::ArkProfile(), "u", "t", "", "ISOLatin1");
  zqf::ark::OutputEPJLCommandLanguageEncodingForKLT4R2B(*latin.job);
  EXPECT_EQ(latin.outText, "");
}

TEST(Kv29Names, TitleKeepsWholeCharacters) {
  std::string title;
  for (int i = 0; i < 20; ++i) title += "\xe6\x97\xa5";  // 20 three-byte characters
  PreparedJob utf8(zqf::Kv29Profile(), "u", title, "", "UTF-8");
  EXPECT_EQ(utf8.job->StdDocumentName, title.substr(0, 30));
  // Without an encoding attribute the text goes out in Shift-JIS but names
  // are checked as UTF-8: a long non-ASCII title cannot be read and is empty.
  PreparedJob sjis(zqf::Kv29Profile(), "u", title, "", "");
  EXPECT_EQ(sjis.job->StdDocumentName, "");
  PreparedJob shortTitle(zqf::Kv29Profile(), "u", "\xe6\x97\xa5\xe6\x9c\xac", "", "");
  EXPECT_EQ(shortTitle.job->StdDocumentName, "\x93\xfa\x96\x7b");  // Shift-JIS, kept whole
}

TEST(Kv29Names, ShiftJisNamesAreCheckedAsShiftJis) {
  PreparedJob j(zqf::Kv29Profile(), "\xe5\xb1\xb1\xe7\x94\xb0", "t", "", "JIS83-RKSJ");
  EXPECT_EQ(j.job->StdUserName, "\x8e\x52\x93\x63");
  PreparedJob longName(zqf::Kv29Profile(), std::string(40, 'n'), "t", "", "UTF-8");
  EXPECT_EQ(longName.job->StdUserName, std::string(32, 'n'));
  PreparedJob emoji(zqf::Kv29Profile(), "\xf0\x9f\x98\x80", "t", "", "JIS83-RKSJ");
  EXPECT_EQ(emoji.job->StdUserName, "UnknownUser");
}

TEST(Kv29Names, ProductTitleOnlyWhenShortAndValid) {
  PreparedJob thirteen(zqf::Kv29Profile(), "u", std::string(13, 't'), Kv29ProductType(2), "UTF-8");
  EXPECT_EQ(thirteen.job->PTStdDocumentName, "");
  PreparedJob twelve(zqf::Kv29Profile(), "u", std::string(12, 't'), Kv29ProductType(3), "UTF-8");
  EXPECT_EQ(twelve.job->PTStdDocumentName, std::string(12, 't'));
  PreparedJob other(zqf::Kv29Profile(), "u", std::string(20, 't'), Kv29ProductType(1), "UTF-8");
  EXPECT_EQ(other.job->PTStdDocumentName, std::string(20, 't'));
}

TEST(Kv29Text, ConversionCutsAtCharacterBoundaries) {
  PreparedJob j(zqf::Kv29Profile(), "u", "t", "", "JIS83-RKSJ");
  std::string out;
  // Four two-byte characters into a field of 6 bytes: two fit (4 bytes);
  // half a character is never written.
  zqf::kv29::ConvertUTF8ToPrinterEncoding(*j.job, "\xe6\x97\xa5\xe6\x9c\xac\xe6\x97\xa5\xe6\x9c\xac", out, 6);
  EXPECT_EQ(out, "\x93\xfa\x96\x7b");
  EXPECT_EQ(zqf::kv29::CopyStringUpToByteCount("abcdef", 4, zqf::TextEncoding::Utf8), "abcd");
  EXPECT_EQ(zqf::kv29::CopyStringUpToByteCount("\x93\xfa\x96\x7b\x93\xfa", 5, zqf::TextEncoding::ShiftJisX0213),
            "\x93\xfa\x96\x7b");
}

}  // namespace
