// The text watermark's PostScript at the page hooks: what is drawn, where,
// in which colour, on which pages, and what is refused.
#include <gtest/gtest.h>

#include <cmath>

#include "editions/ark/ark_profile.h"
#include "editions/kv29/kv29_profile.h"
#include "modules/modules.h"
#include "page_document.h"
#include "watermark_ticket.h"

namespace {

using zqtest::JobSpec;
using zqtest::PostScriptPart;
using zqtest::WatermarkTicket;

const std::string kProlog =
    "userdict/zqxInfo 2 dict dup begin put\n/zqxpgsave 0 def\n/zqxbp{/zqxpgsave save store} bind def\n";
// Red at half density, 48-point Helvetica-Bold, a 200 x 50 box centred on
// a US Letter page.
const std::string kDraw =
    "pgsave restore /pgsave save store gsave\n1.00 0.50 0.50 setrgbcolor\n/Helvetica-Bold 48 selectfont\n"
    "206.00 371.00 moveto\n0 rotate\n(CONFIDENTIAL) show\ngrestore\n";

zqtest::JobResult RunJob(const std::string& options, const std::string& ps = zqtest::PageSaveDocument(2)) {
  return zqtest::RunDocument(options, ps);
}

TEST(Watermark, EveryPage) {
  const std::string ps = PostScriptPart(RunJob(WatermarkTicket()).out);
  EXPECT_NE(ps.find("%%BeginProlog\n" + kProlog + "/bp "), std::string::npos) << ps;
  EXPECT_NE(ps.find("%%Page: 1 1\n%%BeginPageSetup\nbp\n%%EndPageSetup\nzqxbp\n"), std::string::npos);
  EXPECT_NE(ps.find("(Body of page 1) show\n" + kDraw + "ep\n"), std::string::npos) << ps;
  EXPECT_NE(ps.find("(Body of page 2) show\n" + kDraw + "ep\n"), std::string::npos);
  EXPECT_EQ(zqtest::Occurrences(ps, "zqxbp\n"), 2u);
}

TEST(Watermark, FirstPageOnly) {
  const std::string ps = PostScriptPart(RunJob(WatermarkTicket({{"WMARKOnlyFirstTicket", "1"}})).out);
  EXPECT_NE(ps.find("(Body of page 1) show\n" + kDraw + "ep\n"), std::string::npos);
  EXPECT_EQ(zqtest::Occurrences(ps, "show\ngrestore\n"), 1u);
  EXPECT_EQ(zqtest::Occurrences(ps, "zqxbp\n"), 1u);
}

TEST(Watermark, PageEndOfTheOtherProcSet) {
  const std::string doc = "%!PS\n%%BeginProlog\n%%EndProlog\nendp\n";
  const std::string ps = PostScriptPart(RunJob(WatermarkTicket(), doc).out);
  EXPECT_NE(ps.find("pm restore /pm save store gsave\n1.00 0.50 0.50 setrgbcolor\n"), std::string::npos) << ps;
}

TEST(Watermark, ColourAngleAndPosition) {
  const std::string ps = PostScriptPart(RunJob(WatermarkTicket({{"WMARKColorRTicket", "0.2"},
                                                                {"WMARKColorGTicket", "0.4"},
                                                                {"WMARKColorBTicket", "1"},
                                                                {"WMARKDensityTicket", "100"},
                                                                {"WMARKAngleTicket", "90"},
                                                                {"WMARKhOffsetTicket", "10.00"},
                                                                {"WMARKvOffsetTicket", "-20.00"},
                                                                {"WMARKTextTicket", "<82a082a2>"}}))
                                            .out);
  // At 90 degrees the box stands upright: x = 306 + 25 + 10, y = 396 - 100 - 20.
  EXPECT_NE(ps.find("0.20 0.40 1.00 setrgbcolor\n/Helvetica-Bold 48 selectfont\n341.00 276.00 moveto\n"
                    "90 rotate\n<82a082a2> show\n"),
            std::string::npos)
      << ps;
}

TEST(Watermark, PositionByQuadrantAndOrientation) {
  zqf::WatermarkState wm;
  wm.orientation = 1;
  wm.paperWidth = 612;
  wm.paperHeight = 792;
  wm.width = 200;
  wm.height = 50;
  const auto at = [&](int angle, int orientation = 1) {
    wm.angle = angle;
    wm.orientation = orientation;
    float x = 0, y = 0;
    zqf::GetWatermarkPostion(wm, x, y);
    return std::pair<int, int>(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
  };
  EXPECT_EQ(at(0), std::make_pair(206, 371));
  EXPECT_EQ(at(180), std::make_pair(406, 421));
  EXPECT_EQ(at(270), std::make_pair(281, 496));
  EXPECT_EQ(at(360), std::make_pair(206, 371));
  EXPECT_EQ(at(0, 2), std::make_pair(296, 281));  // landscape: the page turned
  EXPECT_EQ(at(-30), std::make_pair(0, 0));       // no angle the dialog writes
  EXPECT_EQ(at(0, 7), std::make_pair(-100, -25));  // unknown orientation: from the origin
}

TEST(Watermark, OnlyTextWatermarksAreDrawn) {
  const std::string doc = zqtest::PageSaveDocument(2);
  EXPECT_EQ(PostScriptPart(RunJob(WatermarkTicket({{"WMARKTypeTicket", "1"}})).out), doc);
  EXPECT_EQ(PostScriptPart(RunJob(WatermarkTicket({{"WMARKNameTicket", ""}})).out), doc);
  EXPECT_EQ(PostScriptPart(RunJob("").out), doc);
}

TEST(Watermark, AChosenWatermarkThatIsNotPrintedIsSaidInTheJobLog) {
  // Pages that end in "showpage" only, as Linux programs make them.
  const std::string showpageOnly = "%!PS\n%%BeginProlog\n%%EndProlog\n%%Page: 1 1\n(x) show\nshowpage\n%%EOF\n";
  const std::string pages = zqtest::PageSaveDocument(2);
  std::string ark = WatermarkTicket();
  for (size_t at; (at = ark.find("com.tavelle.kvb.")) != std::string::npos;) ark.replace(at, 16, "com.tavelle.qdm.");
  struct Case {
    const zqf::EditionProfile& edition;
    std::string options, document;
    const char* reason;  // nullptr: nothing to say
  };
  const Case cases[] = {
      {zqf::TeldProfile(), WatermarkTicket(), pages, nullptr},
      {zqf::TeldProfile(), WatermarkTicket(), showpageOnly, "no \"ep\" or \"endp\" page ends"},
      {zqf::ArkProfile(), ark, showpageOnly, "no \"ep\" or \"endp\" page ends"},
      {zqf::TeldProfile(), WatermarkTicket({{"WMARKTypeTicket", "1"}}), pages, "picture watermarks"},
      {zqf::TeldProfile(), WatermarkTicket({{"WMARKNameTicket", ""}}), showpageOnly, nullptr},
      {zqf::Kv29Profile(), WatermarkTicket(), pages, "does not print watermarks"},
      {zqf::Kv29Profile(), "", pages, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.edition.name) + " " + (c.reason != nullptr ? c.reason : "drawn or none"));
    zqtest::JobSpec spec;
    spec.options = c.options;
    spec.postscript = c.document;
    const auto r = zqtest::RunInProcess(c.edition, spec);
    EXPECT_EQ(r.status, 0);
    if (c.reason != nullptr) {
      EXPECT_NE(r.err.find("WARNING: Watermark not printed: "), std::string::npos) << r.err;
      EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    } else {
      EXPECT_EQ(r.err.find("Watermark"), std::string::npos) << r.err;
    }
  }
}

TEST(Watermark, LiteralsThatWouldBreakTheJobAreRefused) {
  const std::string doc = zqtest::PageSaveDocument(2);
  // Each of these leaves the job as it was, with a warning; the job prints.
  const std::map<std::string, std::string> refused[] = {
      {{"WMARKTextTicket", "(CONFIDENTIAL"}},               // cut short
      {{"WMARKTextTicket", "(A) show erasepage (B)"}},     // more than one literal
      {{"WMARKTextTicket", "CONFIDENTIAL"}},                // not a literal
      {{"WMARKTextTicket", "<82a0zz>"}},                    // not hex
      {{"WMARKTextTicket", "<<>>"}},                        // a dictionary
      {{"WMARKTextTicket", "/40/65/4/41"}},                 // (A^D): a control byte
      {{"WMARKTextTicket", "(" + std::string(300, 'W') + ")"}},  // longer than the record
      {{"WMARKFontTicket", ""}},
      {{"WMARKFontTicket", "Helvetica) pop (x"}},
      {{"WMARKColorRTicket", "nan"}},
  };
  for (const auto& change : refused) {
    const auto r = RunJob(WatermarkTicket(change));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(PostScriptPart(r.out), doc) << change.begin()->second;
    EXPECT_NE(r.err.find("WARNING: Watermark"), std::string::npos) << change.begin()->second;
  }
  // Escaped parentheses and an escaped backslash are part of a good literal.
  const auto r = RunJob(WatermarkTicket({{"WMARKTextTicket", "/40/65/92/40/98/92/41/92/92/99/41"}}));
  EXPECT_NE(PostScriptPart(r.out).find("(A\\(b\\)\\\\c) show\n"), std::string::npos);
}

TEST(Watermark, LiteralCheck) {
  EXPECT_TRUE(zqf::IsPostScriptStringLiteral("()"));
  EXPECT_TRUE(zqf::IsPostScriptStringLiteral("(a(b)c)"));
  EXPECT_TRUE(zqf::IsPostScriptStringLiteral("(\x82\xa0)"));  // Shift-JIS bytes as they come
  EXPECT_FALSE(zqf::IsPostScriptStringLiteral("(a(b)"));
  EXPECT_FALSE(zqf::IsPostScriptStringLiteral("(a\\)"));
  EXPECT_FALSE(zqf::IsPostScriptStringLiteral("(a)(b)"));
  EXPECT_TRUE(zqf::IsPostScriptStringLiteral("<>"));
  EXPECT_FALSE(zqf::IsPostScriptStringLiteral("<"));
  EXPECT_TRUE(zqf::IsPostScriptFontName("Ryumin-Light-83pv-RKSJ-H"));
  EXPECT_FALSE(zqf::IsPostScriptFontName("Times Roman"));
  EXPECT_FALSE(zqf::IsPostScriptFontName("/Times"));
}

}  // namespace
