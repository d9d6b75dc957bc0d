// The job-information block and the header lines written by code: a ticket
// and a PPD in, the exact lines out.
#include <gtest/gtest.h>

#include "header_run.h"
#include "modules/modules.h"

namespace {

using zqtest::K;
using zqtest::PpdBuilder;
using zqtest::RunHeader;
using zqtest::WriterLines;
using Lines = std::vector<std::string>;

const std::string kInfo = "@PJL COMMENT ZQJOBINFO ";
const Lines kBegin = {kInfo + "VERSION=1.3.0\n", kInfo + "BEGIN\n", kInfo + "PDLTYPE=PDL[POSTSCRIPT]:VERSION[3]\n",
                      kInfo + "JOBTYPE=PRINT\n"};
const std::string kGray = "@PJL SET RENDERMODE=GRAYSCALE\n";

Lines Block(const Lines& basic) {
  Lines lines = kBegin;
  lines.insert(lines.end(), basic.begin(), basic.end());
  lines.push_back(kInfo + "END\n");
  return lines;
}

Lines Cat(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::string Latin1Ppd() { return PpdBuilder().QuotedAttr("ZQPrinterLanguageEncoding", "ISOLatin1").Write(); }
std::string Utf8Ppd() { return PpdBuilder().QuotedAttr("ZQPrinterLanguageEncoding", "UTF-8").Write(); }
// A printer that makes booklets: no booklet by default, undivided.
PpdBuilder Booklets(PpdBuilder ppd = PpdBuilder()) {
  return std::move(ppd.PickOne("ZQSignature", {"None", "LeftSig", "RightSig"}).PickOne("ZQSigVol", {"None", "10Sheets"}));
}

TEST(JobInformation, EveryBasicField) {
  const auto run = RunHeader(
      "sides=two-sided-long-edge DuplexBindingEdge..n.=2 ZQColorMode=Color collate "
      "com.apple.print.PrintSettings.PMCopies..n.=3 number-up=4 ZQStaple=UpperLeftSingle ZQPunch=Left2 "
      "ZQSignature=LeftSig ZQSigVol=20Sheets",
      Booklets().QuotedAttr("ZQPrinterLanguageEncoding", "ISOLatin1").Write());
  EXPECT_EQ(WriterLines(run.out),
            Cat({"@PJL SET RENDERMODE=COLOR\n"},
                Block({kInfo + "JOBCOPIES=3\n", kInfo + "PAGECOPIES=1\n", kInfo + "DUPLEXTYPE=DUPLEX\n",
                       kInfo + "COLORMODE=COLOR\n", kInfo + "NUP=4\n", kInfo + "STAPLE=ON\n", kInfo + "PUNCH=ON\n",
                       kInfo + "BOOKLETTYPE=TYPE[MANUALDIVIDE]:THRESHOLD[20]\n"})));
}

TEST(JobInformation, CopiesWithoutTheDialogKeyComeFromTheJob) {
  // The scheduler's copies (argv[4]) stand in for the missing key.
  const auto run = RunHeader("nocollate", Latin1Ppd(), "mac1", "alice", "Report", "2");
  EXPECT_EQ(WriterLines(run.out),
            Cat({kGray}, Block({kInfo + "PAGECOPIES=2\n", kInfo + "JOBCOPIES=1\n", kInfo + "DUPLEXTYPE=SIMPLEX\n",
                                kInfo + "COLORMODE=GRAYSCALE\n", kInfo + "NUP=1\n"})));
}

TEST(JobInformation, DuplexColourAndBookletRules) {
  struct Case {
    std::string options;
    PpdBuilder ppd;
    Lines basic;
    Lines render = {kGray};
  } cases[] = {
      // A booklet makes the sheets two-sided on the short edge.
      {"sides=one-sided ZQSignature=LeftSig ZQSigVol=None",
       Booklets(),
       {kInfo + "DUPLEXTYPE=TUMBLE\n", kInfo + "COLORMODE=GRAYSCALE\n", kInfo + "NUP=1\n",
        kInfo + "BOOKLETTYPE=TYPE[NONEDIVIDE]\n"}},
      {"sides=one-sided DuplexBindingEdge..n.=2 ZQSignature=None ZQStaple=SaddleStaple ZQPunch=None",
       Booklets(),
       {kInfo + "DUPLEXTYPE=DUPLEX\n", kInfo + "COLORMODE=GRAYSCALE\n", kInfo + "NUP=1\n", kInfo + "STAPLE=OFF\n",
        kInfo + "PUNCH=OFF\n", kInfo + "BOOKLETTYPE=TYPE[NOBOOKLET]\n"}},
      // No colour choice: a colour device whose default is colour prints colour.
      {"", PpdBuilder().ColorDevice(true).PickOne("ZQColorMode", {"Color", "Black"}),
       {kInfo + "DUPLEXTYPE=SIMPLEX\n", kInfo + "COLORMODE=COLOR\n", kInfo + "NUP=1\n"},
       {"@PJL SET RENDERMODE=COLOR\n"}},
      // An unknown colour choice of a PPD that has the option says nothing.
      {"ZQColorMode=Auto", PpdBuilder().PickOne("ZQColorMode", {"Color", "Black", "Auto"}),
       {kInfo + "DUPLEXTYPE=SIMPLEX\n", kInfo + "NUP=1\n"},
       {}},
      // A job that names no subset is divided as the printer's default.
      {"ZQSignature=LeftSig", PpdBuilder().PickOne("ZQSignature", {"None", "LeftSig"}).PickOne("ZQSigVol", {"10Sheets", "None"}),
       {kInfo + "DUPLEXTYPE=TUMBLE\n", kInfo + "COLORMODE=GRAYSCALE\n", kInfo + "NUP=1\n",
        kInfo + "BOOKLETTYPE=TYPE[MANUALDIVIDE]:THRESHOLD[10]\n"}},
      // A booklet of a printer without subsets is not divided.
      {"ZQSignature=LeftSig", PpdBuilder().PickOne("ZQSignature", {"None", "LeftSig"}),
       {kInfo + "DUPLEXTYPE=TUMBLE\n", kInfo + "COLORMODE=GRAYSCALE\n", kInfo + "NUP=1\n",
        kInfo + "BOOKLETTYPE=TYPE[NONEDIVIDE]\n"}},
      // A printer without booklets is told of none, whatever the job names.
      {"sides=one-sided ZQSignature=LeftSig ZQSigVol=10Sheets", PpdBuilder(),
       {kInfo + "DUPLEXTYPE=SIMPLEX\n", kInfo + "COLORMODE=GRAYSCALE\n", kInfo + "NUP=1\n"}},
  };
  for (auto& c : cases) {
    c.ppd.QuotedAttr("ZQPrinterLanguageEncoding", "JIS83-RKSJ");
    EXPECT_EQ(WriterLines(RunHeader(c.options, c.ppd.Write()).out), Cat(c.render, Block(c.basic))) << c.options;
  }
}

TEST(JobInformation, WhichPrintersGetTheBlock) {
  const auto hasBlock = [](const PpdBuilder& ppd) {
    const Lines lines = WriterLines(RunHeader("", ppd.Write()).out);
    return !lines.empty() && lines.back() == kInfo + "END\n";
  };
  EXPECT_TRUE(hasBlock(PpdBuilder().QuotedAttr("ZQPrinterLanguageEncoding", "ISOLatin1")));
  EXPECT_FALSE(hasBlock(PpdBuilder().QuotedAttr("ZQPrinterLanguageEncoding", "UTF-8")));
  EXPECT_TRUE(hasBlock(PpdBuilder().QuotedAttr("ZQPrinterLanguageEncoding", "UTF-8").Attr("CommentOn", "True")));
  // No printer encoding: the PPD's switch decides.
  EXPECT_FALSE(hasBlock(PpdBuilder()));
  EXPECT_TRUE(hasBlock(PpdBuilder().Attr("CommentOn", "True")));
  EXPECT_FALSE(hasBlock(PpdBuilder().Attr("CommentOn", "False")));
  // No PPD at all: no block.
  EXPECT_EQ(WriterLines(RunHeader("").out), Lines{kGray});
}

TEST(DirectWriters, BookletOnUtf8Printers) {
  const std::string utf8 = Booklets().QuotedAttr("ZQPrinterLanguageEncoding", "UTF-8").Write();
  EXPECT_EQ(WriterLines(RunHeader("number-up=2 ZQSignature=RightSig ZQSigVol=10Sheets", utf8).out),
            (Lines{"@PJL SET JOBATTR=\"@DIND=LANDSCAPE\"\n", "@PJL SET JOBATTR=\"@DIBB=RIGHT\"\n",
                   "@PJL SET JOBATTR=\"@DIBK=MANUALDIVIDE\"\n", kGray}));
  EXPECT_EQ(WriterLines(RunHeader("orientation-requested=4 ZQSignature=None", utf8).out),
            (Lines{"@PJL SET JOBATTR=\"@DIND=LANDSCAPE\"\n", "@PJL SET JOBATTR=\"@DIBB=OFF\"\n",
                   "@PJL SET JOBATTR=\"@DIBK=OFF\"\n", kGray}));
  EXPECT_EQ(WriterLines(RunHeader("ZQSignature=LeftSig", utf8).out),
            (Lines{"@PJL SET JOBATTR=\"@DIND=PORTRAIT\"\n", "@PJL SET JOBATTR=\"@DIBB=LEFT\"\n",
                   "@PJL SET JOBATTR=\"@DIBK=NONEDIVIDE\"\n", kGray}));
  // A printer without booklets, and other printers, take no booklet attributes.
  EXPECT_EQ(WriterLines(RunHeader("ZQSignature=LeftSig", Utf8Ppd()).out),
            (Lines{"@PJL SET JOBATTR=\"@DIND=PORTRAIT\"\n", kGray}));
  EXPECT_EQ(WriterLines(RunHeader("ZQSignature=LeftSig").out), Lines{kGray});
}

// What the device cannot use is read as the printer's default, with a
// warning for the scheduler's log; nothing says "divide" without a count
// or "punch" without holes.
TEST(JobInformation, ASubsetOrHolesTheDeviceCannotUseIsThePrintersDefault) {
  const std::string subsets = Booklets().QuotedAttr("ZQPrinterLanguageEncoding", "ISOLatin1").Write();
  const auto punch = [](const std::vector<std::string>& holes) {
    return PpdBuilder()
        .QuotedAttr("ZQPrinterLanguageEncoding", "ISOLatin1")
        .PickOne("ZQPunch", {"None", "Left"})
        .PickOne("ZQNumPunchHoles", holes)
        .Write();
  };
  struct Case {
    std::string options, ppd, line;
    bool warned;
  } cases[] = {
      {"ZQSignature=LeftSig ZQSigVol=10Sheets", subsets, "BOOKLETTYPE=TYPE[MANUALDIVIDE]:THRESHOLD[10]", false},
      {"ZQSignature=LeftSig ZQSigVol=Foo", subsets, "BOOKLETTYPE=TYPE[NONEDIVIDE]", true},
      {"ZQSignature=LeftSig ZQSigVol=Sheets", subsets, "BOOKLETTYPE=TYPE[NONEDIVIDE]", true},
      {"ZQSignature=LeftSig ZQSigVol=-5Sheets", subsets, "BOOKLETTYPE=TYPE[NONEDIVIDE]", true},
      {"ZQSignature=LeftSig ZQSigVol=0Sheets", subsets, "BOOKLETTYPE=TYPE[NONEDIVIDE]", true},
      {"ZQSignature=LeftSig ZQSigVol=00Sheets",
       PpdBuilder()
           .QuotedAttr("ZQPrinterLanguageEncoding", "ISOLatin1")
           .PickOne("ZQSignature", {"None", "LeftSig"})
           .PickOne("ZQSigVol", {"10Sheets", "None"})
           .Write(),
       "BOOKLETTYPE=TYPE[MANUALDIVIDE]:THRESHOLD[10]", true},
      {"ZQPunch=Left ZQNumPunchHoles=None", punch({"2Holes", "None"}), "PUNCH=ON", true},
      {"ZQPunch=Left", punch({"None", "2Holes"}), "PUNCH=OFF", true},
      {"ZQPunch=Left ZQNumPunchHoles=None", punch({"None", "2Holes"}), "PUNCH=OFF", true},
  };
  for (const Case& c : cases) {
    const auto run = RunHeader(c.options, c.ppd);
    EXPECT_NE(run.out.find(kInfo + c.line + "\n"), std::string::npos) << c.options << "\n" << run.out;
    EXPECT_EQ(run.err.find("WARNING: ") != std::string::npos, c.warned) << c.options << "\n" << run.err;
  }
}

TEST(DirectWriters, BannerSheet) {
  EXPECT_EQ(WriterLines(RunHeader("ZQBannerSheet=UserPrinterSetting").out),
            (Lines{"@PJL SET JOBATTR=\"@BANR=DEVICE\"\n", kGray}));
  EXPECT_EQ(WriterLines(RunHeader("ZQBannerSheet=PrintStartPage").out),
            (Lines{"@PJL SET JOBATTR=\"@BANR=START\"\n", kGray}));
  EXPECT_EQ(WriterLines(RunHeader("ZQBannerSheet=None").out), (Lines{"@PJL SET JOBATTR=\"@BANR=OFF\"\n", kGray}));
  // A secure job never prints a banner that would show it.
  EXPECT_EQ(WriterLines(RunHeader("ZQBannerSheet=PrintStartPage " + K("PrintTypeTicketKey") + "=2").out),
            (Lines{"@PJL SET JOBATTR=\"@BANR=OFF\"\n", kGray}));
  EXPECT_EQ(WriterLines(RunHeader("ZQBannerSheet=Sometimes").out), Lines{kGray});
}

TEST(DirectWriters, RegistrationIsWrittenWhole) {
  // Tenths of a millimetre, the sign and all three digits kept.
  EXPECT_EQ(WriterLines(RunHeader("ZQMRVNAdjustRegiHorizontal=-12.5 ZQMRVNAdjustRegiVertical=AdjustV2.5").out),
            (Lines{"@PJL SET JOBATTR=\"@RCFM=-125\"\n", "@PJL SET JOBATTR=\"@RCFS=25\"\n", kGray}));
  // A seven-character choice carries no number; an overflowing one is left out.
  EXPECT_EQ(WriterLines(RunHeader("ZQMRVNAdjustRegiHorizontal=Default ZQMRVNAdjustRegiVertical=AdjustV9e99999").out),
            Lines{kGray});
  // Options of the PPD that the job does not set are the device default 0.
  const std::string ppd = PpdBuilder()
                              .QuotedAttr("ZQPrinterLanguageEncoding", "UTF-8")
                              .PickOne("ZQMRVNAdjustRegiHorizontal", {"0.0", "0.5"})
                              .PickOne("ZQMRVNAdjustRegiVertical", {"0.0", "0.5"})
                              .Write();
  EXPECT_EQ(WriterLines(RunHeader("ZQMRVNAdjustRegiVertical=0.5", ppd).out),
            (Lines{"@PJL SET JOBATTR=\"@DIND=PORTRAIT\"\n", "@PJL SET JOBATTR=\"@RCFM=0\"\n",
                   "@PJL SET JOBATTR=\"@RCFS=5\"\n", kGray}));
}

TEST(DirectWriters, TonerSaver) {
  EXPECT_EQ(WriterLines(RunHeader("ZQTonerSaver=UserInput ZQTonerReductionRate=Reduce_150").out),
            (Lines{"@PJL SET ECONOMODE=ON\n", "@PJL SET REDUCTIONRATE=99\n", kGray}));
  EXPECT_EQ(WriterLines(RunHeader("ZQTonerSaver=UserInput ZQTonerReductionRate=Reduce_0").out),
            (Lines{"@PJL SET ECONOMODE=OFF\n", "@PJL SET REDUCTIONRATE=0\n", kGray}));
  EXPECT_EQ(WriterLines(RunHeader("ZQTonerSaver=UserInput ZQTonerReductionRate=Short").out), Lines{kGray});
  EXPECT_EQ(WriterLines(RunHeader("ZQTonerSaver=Mode2").out),
            (Lines{"@PJL SET ECONOMODE=MODE2\n", "@PJL SET REDUCTIONRATE=0\n", kGray}));
  EXPECT_EQ(WriterLines(RunHeader("ZQTonerSaver=Other").out), (Lines{"@PJL SET REDUCTIONRATE=0\n", kGray}));
}

TEST(DirectWriters, LineWeightAndRenderMode) {
  EXPECT_EQ(WriterLines(RunHeader("ZQLineWeightAdjustment=Strongly3 ZQColorMode=Color").out),
            (Lines{"@PJL SET JOBATTR=\"@LWAD=-3\"\n", "@PJL SET RENDERMODE=COLOR\n"}));
  EXPECT_EQ(WriterLines(RunHeader("ZQLineWeightAdjustment=Weakly2 ZQColorMode=Black").out),
            (Lines{"@PJL SET JOBATTR=\"@LWAD=2\"\n", kGray}));
  EXPECT_EQ(WriterLines(RunHeader("ZQLineWeightAdjustment=Normal").out),
            (Lines{"@PJL SET JOBATTR=\"@LWAD=0\"\n", kGray}));
  EXPECT_EQ(WriterLines(RunHeader("ZQLineWeightAdjustment=Strongly").out), Lines{kGray});
}

}  // namespace

namespace {

// The advanced lines that the later job-information version carries.
Lines Advanced(const std::string& options) {
  return zqtest::SplitLines(zqtest::RunSteps(options, [](zqf::Job& job) {
    zqf::CommentGetTicketFromPDE(job);
    zqf::OutputEPJLCommandforCommentAdvanced(job);
  }));
}

const Lines kAlways = {kInfo + "MIXEDSIZETYPE=NONE\n", kInfo + "CUD=OFF\n"};

TEST(JobInformation, AdvancedLines) {
  EXPECT_EQ(Advanced("orientation-requested=5"), Cat({kInfo + "ORIENTATION=ROTATEDLANDSCAPE\n"}, kAlways));
  EXPECT_EQ(Advanced("number-up=2 orientation-requested=1 com.apple.print.PrintSettings.PMLayoutDirection..n.=6"),
            Cat({kInfo + "ORIENTATION=LANDSCAPE\n", kInfo + "NUPEX=LEFTTOUP\n"}, kAlways));
  EXPECT_EQ(Advanced("number-up=4 orientation-requested=4 com.apple.print.PrintSettings.PMLayoutDirection..n.=5 "
                     "ZQSignature=RightSigCenterStaple ZQStaple=TopDouble ZQPunch=Left ZQNumPunchHoles=3Holes"),
            Cat({kInfo + "ORIENTATION=PORTRAIT\n", kInfo + "NUPEX=DOWNTHENRIGHT\n", kInfo + "SADDLESTAPLE=ON\n",
                 kInfo + "STAPLEEX=TOPDUAL\n", kInfo + "PUNCHEX=HOLES[THREE]:LOCATION[LEFT]\n"},
                kAlways));
  // A left booklet of one-up pages; punch holes without a location say nothing.
  EXPECT_EQ(Advanced("ZQSignature=LeftSigFold ZQNumPunchHoles=CoilPunch"),
            Cat({kInfo + "ORIENTATION=LANDSCAPE\n", kInfo + "SADDLESTAPLE=OFF\n"}, kAlways));
  // Three-up has no orientation rule.
  EXPECT_EQ(Advanced("number-up=3"), Cat({kInfo + "NUPEX=RIGHTTHENDOWN\n"}, kAlways));
}

}  // namespace
