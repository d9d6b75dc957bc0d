// The three editions side by side in one process: each reads its own
// namespace, nothing of one job reaches the next, and a value too long for
// a PJL line is cut while its line stays closed.
#include <gtest/gtest.h>

#include "edition_support.h"
#include "zqp/utf8.h"

namespace {

using edtest::Attr;
using edtest::Lines;

// A user-mode job with the login name and this password, in a namespace.
std::string PasswordTicket(const std::string& ns, const std::string& password) {
  return edtest::Ticket({{ns + "JBAManageTypeListTicketKey", "2"},
                         {ns + "JBAUserSettingRadioBtnTicket", "1"},
                         {ns + "JBAUserIDListCtrlTicket", "1"},
                         {ns + "JBAInfoListTicketKey", "0"},
                         {ns + "JBAUserPasswordTextEditTicket", password}});
}

const std::string kArk = "com.tavelle.qdm.printsettings.";
const std::string kKvb = "com.tavelle.kvb.printsettings.";

Lines Joep(const zqf::EditionProfile& profile, const std::string& ns, const std::string& password,
           const std::string& ppd = "") {
  return edtest::Only(edtest::Header(profile, PasswordTicket(ns, password), ppd), {"@PJL SET JOBATTR=\"@JOEP"});
}

TEST(EditionsTogether, EachReadsItsOwnNamespaceAndNothingLeaks) {
  const std::string secure = edtest::Ticket({{kKvb + "PrintTypeTicketKey", "3"}, {kKvb + "PrintTypeUserNameTicketKey", "bob"}});
  const std::vector<std::string> hold = {"@PJL SET HOLD"};
  EXPECT_EQ(edtest::Only(edtest::Header(zqf::TeldProfile(), secure), hold), Lines{"@PJL SET HOLD=PROOF\n"});
  EXPECT_EQ(edtest::Only(edtest::Header(zqf::ArkProfile(), secure), hold), Lines{});
  EXPECT_EQ(edtest::Only(edtest::Header(zqf::Kv29Profile(), secure), hold), Lines{"@PJL SET HOLD=PROOF\n"});
  // An ARK job with settings, then plain jobs of the three editions.
  EXPECT_EQ(Joep(zqf::ArkProfile(), kArk, "pw"), Lines{Attr("JOEP=pw")});
  for (const zqf::EditionProfile* p : {&zqf::TeldProfile(), &zqf::ArkProfile(), &zqf::Kv29Profile()}) {
    EXPECT_EQ(edtest::Only(edtest::Header(*p, ""), {"@PJL SET JOBATTR=\"@JOEP", "@PJL SET HOLD"}), Lines{})
        << p->name;
  }
}

TEST(EditionsTogether, TeldSecureJobWithoutUserOrPassCodeIsAPlainJob) {
  // What a TELD OPS-PDF driver sends for secure print: the print type and the
  // product only. The device gets no hold, user, pass code or job name.
  const std::string secure =
      edtest::Ticket({{kKvb + "PrintTypeTicketKey", "2"}, {kKvb + "PrintTypeProductTypeTicketKey", "4"}});
  const Lines header = edtest::Header(zqf::TeldProfile(), secure);
  EXPECT_FALSE(header.empty());
  EXPECT_EQ(edtest::Only(header, {"@PJL SET HOLD", "@PJL SET USERNAME", "@PJL SET JOBNAME"}), Lines{});
}

TEST(EditionsTogether, ALongPasswordIsCutInsideItsClosedLine) {
  // 24 bytes before the value and the closing quote, CR and LF after it
  // leave 202 bytes of a 229-byte line.
  const std::string password(300, 'p');
  const Lines cut = {Attr("JOEP=" + std::string(202, 'p'))};
  EXPECT_EQ(Joep(zqf::TeldProfile(), kKvb, password), cut);
  EXPECT_EQ(Joep(zqf::ArkProfile(), kArk, password), cut);
  EXPECT_EQ(Joep(zqf::ArkProfile(), kArk, password, edtest::Ppd("UTF-8")), cut);
  // This edition's field keeps 16 bytes.
  EXPECT_EQ(Joep(zqf::Kv29Profile(), kKvb, password), Lines{Attr("JOEP=" + std::string(16, 'p'))});
  // The same through the escaped form the dialog writes.
  std::string escaped;
  for (int i = 0; i < 255; ++i) escaped += "/112";
  EXPECT_EQ(Joep(zqf::ArkProfile(), kArk, escaped), cut);

  // On a UTF-8 product the cut falls between characters.
  std::string accented = "a";
  for (int i = 0; i < 126; ++i) accented += "\xc3\xa9";
  const Lines utf8 = Joep(zqf::ArkProfile(), kArk, accented, edtest::Ppd("UTF-8"));
  ASSERT_EQ(utf8.size(), 1u);
  EXPECT_TRUE(zqp::IsValidUtf8(utf8[0]));
  EXPECT_EQ(utf8[0], Attr("JOEP=" + accented.substr(0, 201)));
}

TEST(EditionsTogether, TheExecutablesStandBesideEachOther) {
  zqtest::JobSpec spec;
  spec.postscript = zqtest::SamplePostScript(1);
  for (const char* name : {"teld-job-filter", "ark-job-filter", "kv29-job-filter"}) {
    const auto r = zqtest::RunProgram(zqtest::BinPath(name), spec);
    EXPECT_EQ(r.status, 0) << name;
    EXPECT_NE(r.out.find("@PJL ENTER LANGUAGE=POSTSCRIPT\n%!PS-Adobe-3.0\n"), std::string::npos) << name;
  }
}

}  // namespace
