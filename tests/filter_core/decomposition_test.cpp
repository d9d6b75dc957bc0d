// Decomposition mode ("ZQPSDecompMode" "1"): the PPD feature sections of the
// PostScript become PJL in front of it, with the colour-processing values,
// and the PostScript follows whole from a temporary file.
#include <gtest/gtest.h>

#include <memory>

#include "core/passthrough.h"
#include "editions/teld/teld_profile.h"
#include "core_test_support.h"
#include "filter_harness.h"

namespace {

using coretest::Marker;
using zqtest::JobSpec;

const std::string kHead = coretest::kUel + "@PJL SET STRINGCODESET=\"SJISX0208\"\n@PJL JOB MODE=PRINTER\r\n";

std::string Attr(const std::string& name, const std::string& value) {
  return "@PJL SET JOBATTR=\"@" + name + "=" + value + "\"\n";
}

// A PPD in decomposition mode, for a colour or a monochrome device, with
// the given PickOne options.
std::shared_ptr<zqtest::TempFile> DecompPpd(bool color, const std::vector<std::string>& options = {},
                                            const char* mode = "1") {
  zqtest::PpdBuilder b;
  if (mode != nullptr) b.QuotedAttr("ZQPSDecompMode", mode);
  for (const auto& o : options) b.PickOne(o, {"A", "B"});
  std::string text = b.Text();
  if (color) text.replace(text.find("*ColorDevice: False"), 19, "*ColorDevice: True");
  return std::make_shared<zqtest::TempFile>(text, ".ppd");
}

zqtest::JobResult Decompose(const std::shared_ptr<zqtest::TempFile>& ppd, const std::string& ps,
                      const std::string& options = "", const zqf::EditionProfile& profile = coretest::CoreProfile()) {
  JobSpec spec;
  spec.ppdPath = ppd->path();
  spec.postscript = ps;
  spec.options = options;
  return zqtest::RunInProcess(profile, spec);
}

std::string Feature(const std::string& keyword, const std::string& choice) {
  return "%%BeginFeature: *" + keyword + " " + choice + "\n<< >> pop\n%%EndFeature\n";
}

// The PJL the feature sections produced: between the job mode line and
// the PostScript.
std::string FeaturePjl(const std::string& out) {
  const std::string mode = "@PJL JOB MODE=PRINTER\r\n";
  const size_t from = out.find(mode);
  const size_t to = out.find(coretest::kEnterPs);
  if (from == std::string::npos || to == std::string::npos || to < from) return "<no PostScript>";
  return out.substr(from + mode.size(), to - from - mode.size());
}

TEST(Decomposition, FeatureLineBecomesPjlBeforeThePostScript) {
  const auto ppd = DecompPpd(false);
  const std::string in = "%!PS\n" + Feature("ZQBrightness", "Dark2") + "showpage\n";
  const auto r = Decompose(ppd, in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kHead + Attr("PSBR", "-2") + coretest::kEnterPs + in + "\x04" + coretest::kTrailer);
}

TEST(Decomposition, FeatureTableRows) {
  const auto ppd = DecompPpd(false);
  const std::string in = "%!PS\n" + Feature("Smoothing", "True") + Feature("ZQColorDensityCyanLow", "+2") +
                         Feature("ZQColorDensityBlackHigh", "-3") + Feature("ZQTonerSaver", "Mode2") +
                         Feature("ZQRGBGammaCorrection", "Darkest") + Feature("ZQOutputMode", "HighSpeed") +
                         Feature("ZQInvalidateColorProfile", "True") +
                         // Exact matches only: the choice's case, the keyword's "*".
                         Feature("ZQBrightness", "dark2") + "%%BeginFeature: ZQBrightness Dark2\n" +
                         Feature("ZQUnknown", "True") + "%%BeginFeature:\n%%BeginFeature: *ZQBrightness\n" +
                         "%%BeginFeature:  *ZQSetTrapMode   True  \n";
  EXPECT_EQ(FeaturePjl(Decompose(ppd, in).out),
            "@PJL SET RET=ON\n" + Attr("AJCL", "5") + Attr("AJKH", "0") + "@PJL SET ECONOMODE=MODE2\n" +
                Attr("RGBG", "26") + "@PJL SET BITSPERPIXEL=1\n" + Attr("CPRO", "ON") + Attr("TRAP", "ON"));
}

TEST(Decomposition, FrameMode) {
  const auto ppd = DecompPpd(false);
  const std::string raster = Attr("DRDM", "RASTER");
  EXPECT_EQ(FeaturePjl(Decompose(ppd, Feature("ZQFrameMode", "True")).out),
            "@PJL SET RESOLUTION=600\n@PJL SET BITSPERPIXEL=1\n" + raster);
  EXPECT_EQ(FeaturePjl(Decompose(ppd, Feature("ZQFrameMode", "False")).out),
            "@PJL SET RESOLUTION=600\n@PJL SET BITSPERPIXEL=8\n" + raster);
  EXPECT_EQ(FeaturePjl(Decompose(ppd, Feature("ZQFrameMode", "False"), "ZQOutputMode=1200x1200").out),
            "@PJL SET RESOLUTION=1200\n@PJL SET BITSPERPIXEL=1\n" + raster);
  EXPECT_EQ(FeaturePjl(Decompose(ppd, Feature("ZQFrameMode", "False"), "ZQOutputMode=600x600").out),
            "@PJL SET RESOLUTION=600\n@PJL SET BITSPERPIXEL=8\n" + raster);
  EXPECT_EQ(FeaturePjl(Decompose(ppd, Feature("ZQFrameMode", "Maybe")).out), "");
}

TEST(Decomposition, HalftoneOnAMonochromeDevice) {
  const auto mono = DecompPpd(false);
  std::string fine, gradation;
  for (const char* n : {"TTRC", "GTRC", "ITRC", "TSCR", "GSCR", "ISCR"}) {
    fine += Attr(n, "64");
    gradation += Attr(n, "66");
  }
  EXPECT_EQ(FeaturePjl(Decompose(mono, Feature("ZQHalftone", "Fineness")).out), fine);
  EXPECT_EQ(FeaturePjl(Decompose(mono, Feature("ZQHalftone", "Gradation")).out), gradation);
  EXPECT_EQ(FeaturePjl(Decompose(mono, Feature("ZQHalftone", "Other")).out), "");
  // A colour device takes no halftone lines.
  const std::string colour = FeaturePjl(Decompose(DecompPpd(true), Feature("ZQHalftone", "Fineness")).out);
  EXPECT_EQ(colour.find("64"), std::string::npos);
}

TEST(Decomposition, ColourDeviceDefaultsOnceForOptionsThePpdLacks) {
  const auto ppd = DecompPpd(true, {"ZQBrightness", "ZQTonerSaver"});
  const std::string in = Feature("ZQBrightness", "Dark2") + Feature("Smoothing", "False");
  EXPECT_EQ(FeaturePjl(Decompose(ppd, in).out),
            Attr("TRAP", "OFF") + Attr("GRGU", "OFF") + Attr("RGBP", "SRGB") + Attr("RGBG", "22") +
                Attr("PSBR", "-2") + "@PJL SET RET=OFF\n" +
                // No colour mode was seen: not "Color", no image type.
                Attr("TCPR", "11") + Attr("GCPR", "11") + Attr("ICPR", "12"));
  // Without any feature section there are no defaults.
  EXPECT_EQ(FeaturePjl(Decompose(ppd, "%!PS\n").out), Attr("TCPR", "11") + Attr("GCPR", "11") + Attr("ICPR", "12"));
}

// The scheduler writes every marked choice, the queue's defaults among
// them, into the PostScript, and may write one twice; the header has read
// the same choices. The device is told each thing once.
TEST(Decomposition, NoPjlLineComesTwice) {
  zqtest::PpdBuilder b;
  b.QuotedAttr("ZQPSDecompMode", "1").PickOne("ZQTonerSaver", {"Mode1", "false"});
  const auto ppd = std::make_shared<zqtest::TempFile>(b.Text(), ".ppd");
  const std::string in = "%!PS\n" + Feature("ZQTonerSaver", "Mode1") + Feature("Smoothing", "True") +
                         Feature("ZQTonerSaver", "Mode1") + Feature("Smoothing", "True") + "showpage\n";
  for (const std::string options : {"", "ZQTonerSaver=Mode1"}) {
    const std::string out = Decompose(ppd, in, options, zqf::TeldProfile()).out;
    for (const std::string line : {"@PJL SET ECONOMODE=MODE1\n", "@PJL SET RET=ON\n", "@PJL SET REDUCTIONRATE=0\n"}) {
      size_t count = 0;
      for (size_t at = out.find(line); at != std::string::npos; at = out.find(line, at + 1)) ++count;
      EXPECT_EQ(count, 1u) << line << "with options \"" << options << "\"\n" << out;
    }
  }
}

TEST(Decomposition, ColourProcessingFromTheRememberedChoices) {
  const std::vector<std::string> all = {"ZQSetTrapMode", "ZQGrayBalance", "ZQBrightness", "ZQRGBInputProfile",
                                        "ZQRGBGammaCorrection", "ZQTonerSaver"};
  const std::string in = Feature("ZQColorMode", "Color") + Feature("ZQRGBCorrection", "None") +
                         Feature("ZQRGBImageType", "Photo") + Feature("ZQEngineScreen", "Auto");
  const std::string trc = Attr("TTRC", "13") + Attr("GTRC", "13") + Attr("ITRC", "14") + Attr("TSCR", "13") +
                          Attr("GSCR", "13") + Attr("ISCR", "14");
  EXPECT_EQ(FeaturePjl(Decompose(DecompPpd(true, all), in).out),
            Attr("TCPR", "13") + Attr("GCPR", "13") + Attr("ICPR", "14") + trc);
  // A monochrome device gets the screen and tone values only.
  EXPECT_EQ(FeaturePjl(Decompose(DecompPpd(false), in).out), trc);
}

TEST(ColourProcessing, Table) {
  struct Case {
    const char *cm, *it, *ip, *rc, *es;
    std::vector<int> cpr;  // empty: no CPR line
    std::vector<int> trc;  // empty: no TRC/SCR line
  } cases[] = {
      {"Color", "Photo", "", "None", "Auto", {13, 13, 14}, {13, 13, 14, 13, 13, 14}},
      {"Color", "Standard", "", "None", "", {11, 11, 12}, {}},
      {"Color", "POP", "", "None", "Screen1", {19, 19, 20}, {61, 61, 61, 61, 61, 61}},
      {"Color", "Off", "", "None", "Auto", {31, 31, 31}, {31, 31, 31, 31, 31, 31}},
      {"Color", "Bogus", "", "None", "Auto", {}, {}},
      {"Color", "", "SRGB", "Perceptual", "Auto", {41, 41, 42}, {41, 41, 42, 41, 41, 42}},
      {"Color", "", "AdobeRGB", "Perceptual", "", {49, 49, 50}, {}},
      {"Color", "", "AdobeRGB", "Saturation", "", {51, 51, 52}, {}},
      {"Color", "", "SRGB", "RelativeC", "", {45, 45, 46}, {}},
      {"Color", "Photo", "SRGB", "AbsoluteC", "Screen3", {47, 47, 48}, {63, 63, 63, 63, 63, 63}},
      {"Color", "", "Other", "Perceptual", "Auto", {}, {}},
      {"Color", "", "", "", "Auto", {11, 11, 12}, {11, 11, 12, 11, 11, 12}},
      {"Color", "Photo", "", "", "Auto", {}, {}},
      {"Gray", "Photo", "", "", "Auto", {33, 33, 34}, {33, 33, 34, 33, 33, 34}},
      {"", "", "", "", "Auto", {11, 11, 12}, {11, 11, 12, 11, 11, 12}},
      {"Gray", "", "", "", "Screen2", {11, 11, 12}, {65, 65, 65, 65, 65, 65}},
      {"Gray", "", "", "", "Fancy", {11, 11, 12}, {}},
      {"Color", "", "", "", "Screen2", {11, 11, 12}, {62, 62, 62, 62, 62, 62}},
  };
  for (const auto& c : cases) {
    const auto cp = zqf::ComputeColorProcessing(c.cm, c.it, c.ip, c.rc, c.es);
    const std::string label = std::string(c.cm) + "/" + c.it + "/" + c.ip + "/" + c.rc + "/" + c.es;
    EXPECT_EQ(cp.cpr, !c.cpr.empty()) << label;
    if (cp.cpr && !c.cpr.empty()) {
      EXPECT_EQ(std::vector<int>(cp.cprValues, cp.cprValues + 3), c.cpr) << label;
    }
    EXPECT_EQ(cp.trc, !c.trc.empty()) << label;
    if (cp.trc && !c.trc.empty()) {
      EXPECT_EQ(std::vector<int>(cp.trcValues, cp.trcValues + 6), c.trc) << label;
    }
  }
}

TEST(Decomposition, ScreenAndToneLines) {
  const auto ppd = DecompPpd(false);
  const std::string six = "/TTRC 64 /GTRC 65 /ITRC 6 /TSCR 61 /GSCR 62 /ISCR 63 def\n";
  const std::string expected = Attr("TTRC", "64") + Attr("GTRC", "65") + Attr("ITRC", "6") + Attr("TSCR", "61") +
                               Attr("GSCR", "62") + Attr("ISCR", "63");
  const auto r = Decompose(ppd, "%!PS\n" + six);
  EXPECT_EQ(FeaturePjl(r.out), expected);
  EXPECT_EQ(zqtest::PostScriptPart(r.out), "%!PS\n" + six);

  EXPECT_EQ(FeaturePjl(Decompose(ppd, "[TCPR 13 GCPR 13 ICPR 14]\n").out),
            Attr("TCPR", "13") + Attr("GCPR", "13") + Attr("ICPR", "14"));
  // Not all names on the line: an ordinary line.
  EXPECT_EQ(FeaturePjl(Decompose(ppd, "TTRC 64 GTRC 65 ITRC 66\n").out), "");
  // The input's last line counts without a line end, and gets none added.
  const auto last = Decompose(ppd, "%!PS\n[TCPR 13 GCPR 13 ICPR 14]");
  EXPECT_EQ(FeaturePjl(last.out), Attr("TCPR", "13") + Attr("GCPR", "13") + Attr("ICPR", "14"));
  EXPECT_EQ(zqtest::PostScriptPart(last.out), "%!PS\n[TCPR 13 GCPR 13 ICPR 14]");
  EXPECT_EQ(FeaturePjl(Decompose(ppd, "%!PS\n%%BeginFeature: *ZQBrightness Dark2").out), Attr("PSBR", "-2"));
}

TEST(Decomposition, HostileScreenLinesWriteOnlyCapitalNamesAndShortValues) {
  const auto ppd = DecompPpd(false);
  const std::string line =
      "1 TTRC 64 GTRC 65 ITRC 66 TSCR 61 GSCR 62 ISCR 63 ttrc 11 T\"RC 12 @PJL 13 \x1b" "ABC 14 TTRC 123 AB 7\n";
  EXPECT_EQ(FeaturePjl(Decompose(ppd, line).out), Attr("TTRC", "64") + Attr("GTRC", "65") + Attr("ITRC", "66") +
                                                Attr("TSCR", "61") + Attr("GSCR", "62") + Attr("ISCR", "63"));

  // Remembered choices are short keywords; a huge one is bounded, and an
  // image type that is no known one selects no colour processing.
  const std::string hugeChoice = Feature("ZQColorMode", "Color") + Feature("ZQRGBCorrection", "None") +
                                 Feature("ZQRGBImageType", "Photo" + std::string(7000, 'P')) +
                                 Feature("ZQEngineScreen", "Auto");
  EXPECT_EQ(FeaturePjl(Decompose(ppd, hugeChoice).out), "");

  // At most 100 values from one line.
  std::string many = "TTRC 1 GTRC 1 ITRC 1 TSCR 1 GSCR 1 ISCR 1";
  for (int i = 0; i < 150; ++i) many += std::string(" ZZ") + char('A' + i / 26) + char('A' + i % 26) + " 2";
  const std::string pjl = FeaturePjl(Decompose(ppd, many + "\n").out);
  EXPECT_EQ(coretest::Count(pjl, "@PJL SET JOBATTR="), 100u);
  EXPECT_EQ(coretest::Count(pjl, "\n"), 100u);
}

TEST(Decomposition, PostScriptArrivesWholeWithOneClosingByte) {
  const auto ppd = DecompPpd(false);
  // Several read blocks of short lines, a feature section in the middle.
  std::string in = "%!PS\n";
  int i = 0;
  while (in.size() < 3 * (1u << 20)) in += "(" + std::to_string(i++) + ") show\n";
  in += Feature("ZQBrightness", "Bright1") + "showpage\n";
  const auto r = Decompose(ppd, in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(FeaturePjl(r.out), Attr("PSBR", "1"));
  EXPECT_TRUE(coretest::SameBytes(zqtest::PostScriptPart(r.out), in));
  EXPECT_EQ(coretest::Count(r.out, "\x04"), 1u);
  EXPECT_TRUE(coretest::SameBytes(r.out.substr(r.out.size() - 1 - coretest::kTrailer.size()),
                                  "\x04" + coretest::kTrailer));

  // Input that ends in 0x04 already gets none added.
  const std::string ended = "%!PS\nshowpage\n\x04";
  EXPECT_EQ(Decompose(ppd, ended).out, kHead + coretest::kEnterPs + ended + coretest::kTrailer);
  // A last line without a line end is kept.
  EXPECT_EQ(Decompose(ppd, "%!PS\nshowpage").out, kHead + coretest::kEnterPs + "%!PS\nshowpage\x04" + coretest::kTrailer);
}

TEST(Decomposition, FeatureLineAcrossAReadBlock) {
  const auto ppd = DecompPpd(false);
  const std::string feature = "%%BeginFeature: *ZQBrightness Dark3\n";
  for (size_t before : {size_t{1}, size_t{16}, feature.size() - 1}) {
    const std::string head = "%!PS\n" + std::string((1u << 20) - 5 - 1 - before, 'h') + "\n";
    const std::string in = head + feature + "%%EndFeature\n";
    const auto r = Decompose(ppd, in);
    EXPECT_EQ(FeaturePjl(r.out), Attr("PSBR", "-3")) << before;
    EXPECT_TRUE(coretest::SameBytes(zqtest::PostScriptPart(r.out), in)) << before;
  }
  // A feature line too long to be one is passed on, not parsed.
  const std::string huge = "%%BeginFeature: *ZQBrightness Dark3 " + std::string(9000, 'x') + "\n";
  const auto r = Decompose(ppd, huge);
  EXPECT_EQ(FeaturePjl(r.out), "");
  EXPECT_TRUE(coretest::SameBytes(zqtest::PostScriptPart(r.out), huge));
}

TEST(Decomposition, EventsAndPageLogAreThoseOfThePassThrough) {
  coretest::ScopedOsRelease os("11.0.0");
  const auto ppd = DecompPpd(false);
  JobSpec spec;
  spec.ppdPath = ppd->path();
  spec.copies = "2";
  spec.postscript = "%!PS\n%%EndProlog\nbp\n" + Feature("ZQBrightness", "Normal") + "ep\n";
  const auto r = zqtest::RunInProcess(coretest::MarkerProfile(), spec);
  EXPECT_EQ(FeaturePjl(r.out), Attr("PSBR", "0"));
  EXPECT_EQ(zqtest::PostScriptPart(r.out), "%!PS\n" + Marker(14, 0) + "%%EndProlog\nbp\n" + Marker(23, 0) +
                                               Feature("ZQBrightness", "Normal") + Marker(27, 1) + "ep\n");
  EXPECT_EQ(r.err, "PAGE:1 2\n");
}

TEST(Decomposition, CancelledJobWritesNoneOfThePostScript) {
  coretest::HookReset reset;
  coretest::HookAction() = [](int event, int) {
    if (event == 23) zqf::CancelJob = 1;
  };
  const auto ppd = DecompPpd(false);
  coretest::TempDir tmp;
  zqtest::JobResult r;
  {
    coretest::ScopedEnv env("TMPDIR", tmp.path().c_str());
    r = Decompose(ppd, "%!PS\n" + Feature("ZQBrightness", "Dark1") + "bp\n(secret) show\nep\nbp\nep\n", "",
            coretest::MarkerProfile());
  }
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kHead + Attr("PSBR", "-1") + coretest::kTrailer);
  EXPECT_TRUE(tmp.Entries().empty());
}

TEST(Decomposition, TemporaryFileIsGoneAfterwards) {
  const auto ppd = DecompPpd(false);
  coretest::TempDir tmp;
  const auto r = zqtest::RunProgram(zqtest::BinPath("teld-job-filter"),
                                    JobSpec{"alice", "Report", "1", "", zqtest::SamplePostScript(2), ppd->path()},
                                    {{"TMPDIR", tmp.path()}});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("(Page 2) show"), std::string::npos);
  EXPECT_TRUE(tmp.Entries().empty());
}

TEST(Decomposition, OnlyTheValueOneSelectsIt) {
  const std::string in = Feature("ZQBrightness", "Dark2");
  for (const char* mode : {"0", "11", "", "true"}) {
    const auto r = Decompose(DecompPpd(false, {}, mode), in);
    EXPECT_EQ(r.out, kHead + coretest::kEnterPs + in + "\x04" + coretest::kTrailer) << mode;
  }
  const auto r = Decompose(DecompPpd(false, {}, nullptr), in);
  EXPECT_EQ(r.out, kHead + coretest::kEnterPs + in + "\x04" + coretest::kTrailer);
}

}  // namespace
