// The line pass-through: the PostScript reaches the device byte for byte,
// with the modules' snippets at the hook events of the lines that equal a
// token, page logging, cancellation at a page end, and the closing 0x04.
// A marker module writes "%%EVENT <event> page <page>" at every event.
#include <gtest/gtest.h>

#include "core_test_support.h"
#include "filter_harness.h"

namespace {

using coretest::Marker;
using zqtest::JobSpec;

constexpr size_t kBlock = 1 << 20;  // the pass-through's read block

zqtest::JobResult Pass(const std::string& ps, const std::string& copies = "1", bool useStdin = false) {
  JobSpec spec;
  spec.postscript = ps;
  spec.copies = copies;
  spec.useStdin = useStdin;
  return zqtest::RunInProcess(coretest::MarkerProfile(), spec);
}

// The whole job stream without a PPD: header, PostScript, trailer.
std::string Stream(const std::string& psOut, bool eot = true) {
  return coretest::kUel + "@PJL JOB MODE=PRINTER\r\n" + coretest::kEnterPs + psOut + (eot ? "\x04" : "") +
         coretest::kTrailer;
}

TEST(PassThrough, EventsAtTheirLines) {
  const std::string in =
      "%!PS-Adobe-3.0\n%%BeginProlog\n/bp { gsave } bind def\n%%EndProlog\n%%EndProlog\n"
      "userdict/setpagedevice{pop}bind put\n%%BeginSetup\n%%EndSetup\n"
      "%%Page: 1 1\n%%BeginPageSetup\n%%EndPageSetup\nbp\n(one) show\nep\n"
      "%%Page: 2 2\nbp\nendp\nshowpage\n ep\nep \n bp\n%%EndSetup \n\tep\n%%EOF\n";
  const std::string out =
      "%!PS-Adobe-3.0\n%%BeginProlog\n" + Marker(13, 0) + "/bp { gsave } bind def\n" + Marker(14, 0) +
      "%%EndProlog\n%%EndProlog\n" + Marker(21, 0) + "userdict/setpagedevice{pop}bind put\n%%BeginSetup\n" +
      Marker(16, 0) + "%%EndSetup\n" + "%%Page: 1 1\n%%BeginPageSetup\n%%EndPageSetup\n" + Marker(24, 0) + "bp\n" +
      Marker(23, 0) + "(one) show\n" + Marker(27, 1) + "ep\n" + "%%Page: 2 2\nbp\n" + Marker(23, 1) +
      Marker(28, 2) + "endp\nshowpage\n ep\nep \n bp\n%%EndSetup \n\tep\n%%EOF\n";
  const auto r = Pass(in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Stream(out));
}

TEST(PassThrough, CarriageReturnLineEnds) {
  for (const std::string eol : {"\r", "\r\n"}) {
    const std::string in = "%!PS" + eol + "%%EndProlog" + eol + "bp" + eol + "x" + eol + "ep" + eol + "%%EOF" + eol;
    // An event after a line comes right after its first line-end byte.
    const std::string out = "%!PS" + eol + Marker(14, 0) + "%%EndProlog" + eol + "bp\r" + Marker(23, 0) +
                            eol.substr(1) + "x" + eol + Marker(27, 1) + "ep" + eol + "%%EOF" + eol;
    const auto r = Pass(in);
    EXPECT_EQ(r.out, Stream(out)) << (eol.size() == 1 ? "CR" : "CRLF");
  }
}

TEST(PassThrough, LastFragmentWithoutLineEndIsKeptButIsNoToken) {
  EXPECT_EQ(Pass("%!PS\nbp\nshowpage").out, Stream("%!PS\nbp\n" + Marker(23, 0) + "showpage"));
  EXPECT_EQ(Pass("%!PS\nep").out, Stream("%!PS\nep"));
  EXPECT_EQ(Pass("").out, Stream(""));
  EXPECT_EQ(Pass("\n\n").out, Stream("\n\n"));
}

TEST(PassThrough, StandardInput) {
  const auto r = Pass("%!PS\nbp\nep\n", "1", /*useStdin=*/true);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Stream("%!PS\nbp\n" + Marker(23, 0) + Marker(27, 1) + "ep\n"));
}

TEST(PassThrough, TailOfAnOverlongLineIsNoPageEnd) {
  for (size_t length : {size_t{36}, size_t{8065}, size_t{8192}, 3 * kBlock + 17}) {
    const std::string in = "%!PS\n" + std::string(length, 'x') + "ep\nep\n";
    const auto r = Pass(in);
    EXPECT_TRUE(coretest::SameBytes(r.out, Stream("%!PS\n" + std::string(length, 'x') + "ep\n" + Marker(27, 1) + "ep\n")))
        << length;
  }
  // The same when the long line begins right before a block boundary.
  const std::string head = "%!PS\n" + std::string(kBlock - 5 - 20, '%') + "\n";
  const std::string in = head + std::string(40, 'y') + "ep\nep\n";
  EXPECT_TRUE(coretest::SameBytes(Pass(in).out, Stream(head + std::string(40, 'y') + "ep\n" + Marker(27, 1) + "ep\n")));
}

// A token whose line begins at kBlock + offset, after filler of short lines
// or after one long line, with each kind of line end.
struct Straddle {
  std::string token;
  std::string marker;
  bool after;  // the event follows the line
};

TEST(PassThrough, TokensAcrossReadBlocks) {
  const Straddle tokens[] = {
      {"ep", Marker(27, 1), false},
      {"%%EndProlog", Marker(14, 0), false},
      {"userdict/setpagedevice{pop}bind put", Marker(21, 0), false},
      {"%%BeginProlog", Marker(13, 0), true},
  };
  for (const auto& t : tokens) {
    for (int offset : {-3, -2, -1, 0, 1}) {
      for (const std::string eol : {"\n", "\r\n", "\r"}) {
        for (bool longFiller : {false, true}) {
          const size_t start = static_cast<size_t>(static_cast<long>(kBlock) + offset);
          std::string in = "%!PS\n";
          if (longFiller) {
            in += std::string(start - in.size() - 1, 'f') + "\n";
          } else {
            while (start - in.size() > 80) in += "% " + std::string(61, 'f') + "\n";
            in += std::string(start - in.size() - 1, 'g') + "\n";
          }
          ASSERT_EQ(in.size(), start);
          in += t.token + eol + "%%EOF" + eol;
          std::string out = in;
          out.insert(t.after ? start + t.token.size() + 1 : start, t.marker);
          const auto r = Pass(in);
          ASSERT_TRUE(coretest::SameBytes(r.out, Stream(out))) << t.token << " at block offset " << offset << " eol size " << eol.size()
                                        << (longFiller ? " after a long line" : "");
        }
      }
    }
  }
}

TEST(PassThrough, ShortLinesAcrossReadBlocksAreCopiedOnce) {
  // A short line split by the block boundary is one line: written once,
  // and "123456789ep" is no page end.
  for (const std::string line : {"123456789ep", "(text) show", "x"}) {
    for (size_t before = 1; before <= line.size(); ++before) {
      const std::string head = "%!PS\n" + std::string(kBlock - 5 - 1 - before, 'h') + "\n";
      const std::string in = head + line + "\nep\n";
      const std::string out = head + line + "\n" + Marker(27, 1) + "ep\n";
      EXPECT_TRUE(coretest::SameBytes(Pass(in).out, Stream(out))) << line << " split after " << before;
    }
  }
}

TEST(PassThrough, PageLinesFromTheEmulated107On) {
  const std::string in = zqtest::SamplePostScript(2) + "bp\nendp\n";
  {
    coretest::ScopedOsRelease os("11.0.0");
    const auto r = Pass(in, "3");
    EXPECT_EQ(r.err, "PAGE:1 3\nPAGE:2 3\n");
  }
  {
    coretest::ScopedOsRelease os("10.8.0");
    const auto r = Pass(in, "3");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
  }
  // A line end in the copies cannot start a log line of its own.
  const auto r = Pass("bp\nep\n", "2\nERROR: fake");
  EXPECT_EQ(r.err, "PAGE:1 2ERROR: fake\n");
}

TEST(PassThrough, CancelEndsAtTheNextPageEnd) {
  coretest::HookReset reset;
  coretest::HookAction() = [](int event, int page) {
    if (event == 23 && page == 1) zqf::CancelJob = 1;  // "bp" of the second page
  };
  const std::string in = zqtest::SamplePostScript(3);
  const auto r = Pass(in, "1");
  EXPECT_EQ(r.status, 0);
  const std::string page2 = "(Page 2) show\n";
  // The page-end event is still raised; the "ep" line, the rest of the
  // document and the closing 0x04 are not written; the trailer is.
  const std::string expectedTail = page2 + Marker(27, 2) + coretest::kTrailer;
  ASSERT_GE(r.out.size(), expectedTail.size());
  EXPECT_EQ(r.out.substr(r.out.size() - expectedTail.size()), expectedTail);
  EXPECT_EQ(r.out.find("(Page 3)"), std::string::npos);
  EXPECT_EQ(r.out.find('\x04'), std::string::npos);
  EXPECT_NE(r.out.find(in.substr(0, 40)), std::string::npos);
  EXPECT_EQ(coretest::Count(r.out, "(Page"), 2u);
  EXPECT_EQ(r.err, "PAGE:1 1\n");
}

TEST(PassThrough, CancelAlsoEndsAtShowpageAndEndp) {
  coretest::HookReset reset;
  coretest::HookAction() = [](int event, int) {
    if (event == 13) zqf::CancelJob = 1;
  };
  EXPECT_EQ(Pass("%!PS\n%%BeginProlog\nA\nshowpage\nB\n").out,
            Stream("%!PS\n%%BeginProlog\n" + Marker(13, 0) + "A\n", false));
  EXPECT_EQ(Pass("%!PS\n%%BeginProlog\nA\nendp\nB\n").out,
            Stream("%!PS\n%%BeginProlog\n" + Marker(13, 0) + "A\n" + Marker(28, 1), false));
  // A job cancelled after its last page end still ends normally.
  EXPECT_EQ(Pass("%!PS\n%%BeginProlog\nA\n").out, Stream("%!PS\n%%BeginProlog\n" + Marker(13, 0) + "A\n"));
}

}  // namespace

namespace {

TEST(PassThrough, BinaryDataPassesByteForByte) {
  // Several read blocks of arbitrary bytes: NULs, 0x04, CR, LF, ESC.
  std::string in = "%!PS\n";
  uint32_t x = 12345;
  while (in.size() < 3 * kBlock + 333) {
    x = x * 1103515245u + 12345u;
    in += static_cast<char>(x >> 23);
  }
  const auto r = Pass(in);
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(coretest::SameBytes(r.out, Stream(in)));
}

TEST(PassThrough, GarbagePpdIsOnlyAWarning) {
  zqtest::TempFile ppd(std::string("\x00\xff*PPD-Adobe: \"4.3\n*OpenUI *\n\x1b", 20), ".ppd");
  JobSpec spec;
  spec.postscript = "%!PS\n";
  spec.ppdPath = ppd.path();
  const auto r = zqtest::RunInProcess(coretest::CoreProfile(), spec);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Stream("%!PS\n"));
  EXPECT_NE(r.err.find("WARNING: "), std::string::npos);
}

}  // namespace
