// ARK edition: the whole header in order, the job-information rule, the
// finishing PJL, the JTIF job ticket in front of the PJL, decomposition
// mode, and UTF-8 products never getting text that is not UTF-8.
#include <gtest/gtest.h>

#include "edition_support.h"
#include "zqp/utf8.h"

namespace {

using edtest::ArkKey;
using edtest::Attr;
using edtest::AttrLF;
using edtest::Lines;

const std::string kUel = "\x1b%-12345X";

std::string SecureLoginTicket() {
  return edtest::Ticket({{ArkKey("PrintTypeTicketKey"), "2"},
                         {ArkKey("PrintTypeUserNameTicketKey"), "bob"},
                         {ArkKey("PrintTypePasswordTicketKey"), "k"},
                         {ArkKey("JBAManageTypeListTicketKey"), "2"},
                         {ArkKey("JBAUserSettingRadioBtnTicket"), "1"},
                         {ArkKey("JBAUserIDListCtrlTicket"), "1"},
                         {ArkKey("JBAInfoListTicketKey"), "0"},
                         {ArkKey("JBAUserIDTextEditTicket"), ""},
                         {ArkKey("JBAUserPasswordTextEditTicket"), "c2VjcmV0"}});
}

const Lines kModuleLines = {"@PJL SET HOLD=STORE\n",
                            "@PJL SET HOLDTYPE=PRIVATE\n",
                            "@PJL SET USERNAME=\"bob\"\r\n",
                            "@PJL SET HOLDENCRYPTKEY=\"k\"\r\n",
                            AttrLF("CNAM=mac1"),
                            AttrLF("LUNA=alice"),
                            AttrLF("NLPP=1"),
                            Attr("JOAU=alice"),
                            Attr("JOEP=c2VjcmV0"),
                            Attr("DAID="),
                            Attr("ACNA=Report")};

const std::string kInfo = "@PJL COMMENT ZQJOBINFO ";
const Lines kBasic = {kInfo + "BEGIN\n",         kInfo + "PDLTYPE=PDL[POSTSCRIPT]:VERSION[3]\n",
                      kInfo + "JOBTYPE=PRINT\n", kInfo + "DUPLEXTYPE=SIMPLEX\n",
                      kInfo + "COLORMODE=GRAYSCALE\n", kInfo + "NUP=1\n"};
const Lines kAdvanced = {kInfo + "ORIENTATION=PORTRAIT\n", kInfo + "MIXEDSIZETYPE=NONE\n", kInfo + "CUD=OFF\n"};

Lines Join(std::initializer_list<Lines> parts) {
  Lines all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(ArkHeader, Utf8ProductWithCommentOn) {
  zqtest::JobSpec spec;
  spec.options = SecureLoginTicket();
  spec.ppdPath = edtest::Ppd("UTF-8", {{"CommentOn", "True"}});
  const std::string out = zqtest::RunHeaderOf(zqf::ArkProfile(), spec).out;
  EXPECT_EQ(out.rfind(kUel, 0), 0u);  // no job ticket without special pages
  EXPECT_EQ(zqtest::HeaderLines(out),
            Join({{"@PJL SET STRINGCODESET=UTF8\n", "@PJL JOB MODE=PRINTER\r\n"},
                  kModuleLines,
                  {AttrLF("DIND=PORTRAIT"), "@PJL SET RENDERMODE=GRAYSCALE\n", kInfo + "VERSION=1.5.0\n"},
                  kBasic,
                  kAdvanced,
                  {kInfo + "END\n"}}));
  EXPECT_NE(out.find("@PJL ENTER LANGUAGE=POSTSCRIPT\n"), std::string::npos);
}

TEST(ArkHeader, Latin1ProductGetsTheBasicBlockAndNoCodeSet) {
  const Lines lines = edtest::Header(zqf::ArkProfile(), SecureLoginTicket(), edtest::Ppd("ISOLatin1"));
  EXPECT_EQ(lines, Join({{"@PJL JOB MODE=PRINTER\r\n"},
                         kModuleLines,
                         {"@PJL SET RENDERMODE=GRAYSCALE\n", kInfo + "VERSION=1.3.0\n"},
                         kBasic,
                         {kInfo + "END\n"}}));
}

TEST(ArkHeader, JobInformationRule) {
  const auto block = [](const std::string& ppd) {
    const Lines lines = edtest::Header(zqf::ArkProfile(), "", ppd);
    const Lines version = edtest::Only(lines, {kInfo + "VERSION"});
    const bool advanced = !edtest::Only(lines, {kInfo + "CUD"}).empty();
    return version.empty() ? std::string("none") : version[0].substr(kInfo.size()) + (advanced ? "+advanced" : "");
  };
  EXPECT_EQ(block(edtest::Ppd("JIS83-RKSJ", {{"CommentOn", "True"}})), "VERSION=1.3.0\n");
  EXPECT_EQ(block(edtest::Ppd("UTF-8")), "none");
  EXPECT_EQ(block(edtest::Ppd("UTF-8", {{"CommentOn", "True"}})), "VERSION=1.5.0\n+advanced");
  // No encoding: the model codes decide, then "CommentOn".
  EXPECT_EQ(block(edtest::Ppd("", {{"CommentOn", "True"}})), "VERSION=1.5.0\n+advanced");
  EXPECT_EQ(block(edtest::Ppd("")), "none");
  // No PPD at all: no code set, no block.
  const Lines bare = edtest::Header(zqf::ArkProfile(), "");
  EXPECT_EQ(bare.front(), "@PJL JOB MODE=PRINTER\r\n");
  EXPECT_TRUE(edtest::Only(bare, {"@PJL COMMENT", "@PJL SET STRINGCODESET"}).empty());
}

TEST(ArkHeader, NoBannerSheetOrRegistrationLinesUnlikeTeld) {
  zqtest::PpdBuilder b;
  b.PickOne("ZQMRVNAdjustRegiHorizontal", {"None", "Custom"});
  const std::string ppd = b.Write();
  const std::string ticket = "ZQBannerSheet=None";
  const std::vector<std::string> prefixes = {"@PJL SET JOBATTR=\"@BANR", "@PJL SET JOBATTR=\"@RCFM"};
  EXPECT_EQ(edtest::Only(edtest::Header(zqf::TeldProfile(), ticket, ppd), prefixes),
            (Lines{AttrLF("BANR=OFF"), AttrLF("RCFM=0")}));
  EXPECT_EQ(edtest::Only(edtest::Header(zqf::ArkProfile(), ticket, ppd), prefixes), Lines{});
}

TEST(ArkHeader, FinishingPjlFollowsTheAccountingLines) {
  const std::string ticket = edtest::Ticket({{ArkKey("TabMarginSwitchTicket"), "1"},
                                             {ArkKey("TabMarginMMShiftTicket"), "5"},
                                             {ArkKey("NumInSequenceSwitchTicket"), "0"},
                                             {ArkKey("OffsetStackingListTicket"), "4"},
                                             {ArkKey("OffsetStackingPagesLArrowTicket"), "3"},
                                             {ArkKey("EjectOptionsListTicket"), "2"}});
  const Lines lines = edtest::Header(zqf::ArkProfile(), ticket);
  const Lines tail(lines.begin() + 5, lines.end());  // after job mode, CNAM, LUNA, NLPP, JOAU
  EXPECT_EQ(lines[4], Attr("JOAU=alice"));
  EXPECT_EQ(tail, (Lines{AttrLF("TABS=5"), AttrLF("MDOC=0"), "@PJL SET JOBOFFSET=PAGES\n", AttrLF("OCSN=3"),
                         AttrLF("FACE=DOWN"), "@PJL SET RENDERMODE=GRAYSCALE\n"}));
  // The TELD edition reads the same settings but sends no finishing PJL.
  std::string teldTicket = ticket;
  for (size_t p; (p = teldTicket.find("qdm")) != std::string::npos;) teldTicket.replace(p, 3, "kvb");
  EXPECT_TRUE(edtest::Only(edtest::Header(zqf::TeldProfile(), teldTicket), {"@PJL SET JOBATTR=\"@TABS"}).empty());
}

// The job ticket of one ARK job, up to the universal exit language.
std::string JobTicket(const std::string& options, const std::string& ppd = "") {
  zqtest::JobSpec spec;
  spec.options = options;
  spec.ppdPath = ppd;
  const std::string out = zqtest::RunHeaderOf(zqf::ArkProfile(), spec).out;
  return out.substr(0, out.find(kUel));
}

TEST(ArkJobTicket, WrittenBeforeThePjlWhenThereAreSpecialPages) {
  EXPECT_EQ(JobTicket(""), "");
  EXPECT_EQ(JobTicket(edtest::Ticket({{ArkKey("JTIFCoverCountTicket"), "-1"}, {ArkKey("JTIFInsertionCountTicket"), "0"}})),
            "");
  const std::string jtif = JobTicket(edtest::Ticket(
      {{ArkKey("JTIFCoverCountTicket"), "1"}, {ArkKey("JTIFCoverValueTicket_0"), "0,1,print-front,stationery,white,21000,29700"}}));
  EXPECT_EQ(jtif.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u);
  EXPECT_NE(jtif.find("<x-dimension syntax=\"integer\">21000</x-dimension>"), std::string::npos);
  EXPECT_EQ(jtif.substr(jtif.size() - 8), "</jtif>\n");
  // The TELD edition never reads the counts.
  zqtest::JobSpec spec;
  spec.options = edtest::Ticket({{edtest::KvbKey("JTIFCoverCountTicket"), "1"},
                                 {edtest::KvbKey("JTIFCoverValueTicket_0"), "0,0,a,b"}});
  EXPECT_EQ(zqtest::RunHeaderOf(zqf::TeldProfile(), spec).out.rfind(kUel, 0), 0u);
}

TEST(ArkJobTicket, TextIsUtf8XmlWhateverThePrinterText) {
  // A Latin-1 product still gets its job ticket in UTF-8, as the ticket
  // declares; control bytes are left out of the XML.
  const std::string jtif = JobTicket(edtest::Ticket({{ArkKey("JTIFCoverCountTicket"), "1"},
                                                     {ArkKey("JTIFCoverValueTicket_0"), "/48/44/48/44/97/1/98/44/80/97/112/105/101/114/32/195/169"}}),
                                     edtest::Ppd("ISOLatin1"));
  EXPECT_NE(jtif.find("<cover-type syntax=\"keyword\">ab</cover-type>"), std::string::npos) << jtif;
  EXPECT_NE(jtif.find("<media-type syntax=\"name\">Papier \xc3\xa9</media-type>"), std::string::npos) << jtif;
  EXPECT_TRUE(zqp::IsValidUtf8(jtif));
}

TEST(ArkJobTicket, ARecordIsNeverCutAtABlockSize) {
  // An exception page of 254 bytes, nearly all "&": escaped, its block
  // passes 2 KiB.
  const std::string amp(100, '&'), type(100, '&'), color(30, '&');
  const std::string record = "1,1,1,3,5," + amp + "," + type + "," + color + ",21000,29700";
  ASSERT_EQ(record.size(), 254u);
  const std::string jtif = JobTicket(
      edtest::Ticket({{ArkKey("JTIFExceptionCountTicket"), "1"}, {ArkKey("JTIFExceptionValueTicket_0"), record}}));
  std::string escaped;
  for (size_t i = 0; i < amp.size(); ++i) escaped += "&amp;";
  EXPECT_NE(jtif.find("<sides syntax=\"keyword\">" + escaped + "</sides>"), std::string::npos);
  const size_t from = jtif.find("\n      <value syntax=\"collection\">");
  const size_t to = jtif.find("\n      </value>\n");
  ASSERT_NE(from, std::string::npos);
  EXPECT_GT(to - from, 2048u);
  EXPECT_NE(jtif.find("<y-dimension syntax=\"integer\">29700</y-dimension>", from), std::string::npos);
  EXPECT_EQ(jtif.substr(jtif.size() - 8), "</jtif>\n");
}

TEST(ArkHeader, Utf8ProductsGetOnlyUtf8) {
  // An encoded surrogate, a character outside the BMP, Latin-1 letters in
  // rows read with the plain getter, and a byte that is no UTF-8 at all.
  const std::string ticket = edtest::Ticket({{ArkKey("JBAManageTypeListTicketKey"), "2"},
                                             {ArkKey("JBAUserSettingRadioBtnTicket"), "1"},
                                             {ArkKey("JBADomainNameTextEditTicket"), "B\xc3\xbcro"},
                                             {ArkKey("JBAAccountIDTextEditTicket"), "/255/65"},
                                             {ArkKey("JBAStorageIDTextEditTicket"), "s\xf0\x9f\x98\x80t"}});
  zqtest::JobSpec spec;
  spec.options = ticket;
  spec.ppdPath = edtest::Ppd("UTF-8");
  spec.user = std::string(31, 'a') + "\xf0\x9f\x98\x80" + "bcd";
  spec.title = "x\xed\xa0\xbd\xed\xb8\x80";
  const std::string out = zqtest::RunHeaderOf(zqf::ArkProfile(), spec).out;
  EXPECT_TRUE(zqp::IsValidUtf8(out));
  const Lines lines = zqtest::HeaderLines(out);
  EXPECT_EQ(edtest::Only(lines, {"@PJL SET JOBATTR=\"@JOAD"}), Lines{Attr("JOAD=B\xc3\xbcro")});
  EXPECT_EQ(edtest::Only(lines, {"@PJL SET JOBATTR=\"@DAID"}), Lines{Attr("DAID=")});
  EXPECT_EQ(edtest::Only(lines, {"@PJL SET JOBATTR=\"@ACID"}), Lines{Attr("ACID=st")});
  // The title is no UTF-8: no document name at all.
  EXPECT_TRUE(edtest::Only(lines, {"@PJL SET JOBATTR=\"@ACNA"}).empty());
  // The login name keeps 32 UTF-16 units of what the device can take.
  EXPECT_EQ(edtest::Only(lines, {"@PJL SET JOBATTR=\"@JOAU"}), Lines{Attr("JOAU=" + std::string(31, 'a') + "b")});
}

// Decomposition mode on an ARK product.
std::string Decompose(const std::string& postscript) {
  zqtest::PpdBuilder b;
  b.QuotedAttr("ZQPSDecompMode", "1");
  zqtest::JobSpec spec;
  spec.ppdPath = b.Write();
  spec.postscript = postscript;
  return zqtest::RunInProcess(zqf::ArkProfile(), spec).out;
}

std::string Feature(const std::string& keyword, const std::string& choice) {
  return "%%BeginFeature: *" + keyword + " " + choice + "\n<< >> pop\n%%EndFeature\n";
}

TEST(ArkDecomposition, ResolutionFromTheOutputModeOnce) {
  const std::string lines600 =
      "@PJL SET RESOLUTION=600\n@PJL SET BITSPERPIXEL=1\n@PJL SET JOBATTR=\"@DRDM=RASTER\"\n";
  const std::string out = Decompose("%!PS\n" + Feature("ZQFrameMode", "False") + Feature("ZQOutputMode", "600x600") +
                                    Feature("ZQOutputMode", "1200x1200") + "showpage\n");
  EXPECT_EQ(zqtest::PostScriptPart(out).find("@PJL"), std::string::npos);
  const size_t at = out.find(lines600);
  ASSERT_NE(at, std::string::npos) << out;
  EXPECT_EQ(out.find("RESOLUTION", at + lines600.size()), std::string::npos);
  EXPECT_EQ(out.find("RESOLUTION"), at + std::string("@PJL SET ").size());
  // The frame mode alone sets no resolution; there is no colour processing.
  const std::string frame = Decompose("%!PS\n" + Feature("ZQFrameMode", "True") + "showpage\n");
  EXPECT_EQ(frame.find("RESOLUTION"), std::string::npos);
  EXPECT_EQ(frame.find("ZQInvalidateColorProfile"), std::string::npos);
  EXPECT_NE(frame.find("@PJL ENTER LANGUAGE=POSTSCRIPT\n%!PS\n"), std::string::npos);
}

}  // namespace
