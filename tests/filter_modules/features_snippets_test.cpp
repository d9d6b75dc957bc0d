// The finishing snippets in the PostScript: separator pages and booklet
// image shift with auto scale, at the events the layout calls for.
#include <gtest/gtest.h>

#include "header_run.h"
#include "page_document.h"

namespace {

using zqtest::JobSpec;
using zqtest::K;
using zqtest::PostScriptPart;

const std::string kOpen = "[{\n%%BeginNonPPDFeatures\n";
const std::string kClose = "%%EndNonPPDFeatures\n} stopped cleartomark\n";

std::string Separator(const std::string& list) {
  return kOpen + "1 dict dup/SeparatorPages[" + list +
         "]put/Custom/ProcSet findresource/setcoverseparator get exec\n" + kClose;
}

zqtest::JobResult RunJob(const std::string& options, bool nupSetup = false) {
  return zqtest::RunDocument(options, zqtest::PageSaveDocument(2, nupSetup));
}

TEST(FeatureSnippets, SeparatorPagesBeforeTheEndOfTheProlog) {
  const auto r = RunJob(K("SeparatorPageListTicket") + "=2 " + K("SeparatorPageTicket") + "='1 3 10'", true);
  const std::string ps = PostScriptPart(r.out);
  EXPECT_NE(ps.find(Separator("1 3 10") + "%%EndProlog\n"), std::string::npos) << ps;
  EXPECT_EQ(zqtest::Occurrences(ps, "SeparatorPages"), 1u);
}

TEST(FeatureSnippets, SeparatorPagesUnderNUpWaitForTheLayoutSetup) {
  const auto r = RunJob(K("SeparatorPageListTicket") + "=2 " + K("SeparatorPageTicket") + "=4 " +
                         "com.apple.print.PrintSettings.PMLayoutRows..n.=2 "
                         "com.apple.print.PrintSettings.PMLayoutColumns..n.=2",
                     true);
  const std::string ps = PostScriptPart(r.out);
  EXPECT_NE(ps.find(Separator("4") + "userdict/setpagedevice{pop}bind put\n"), std::string::npos) << ps;
  EXPECT_EQ(zqtest::Occurrences(ps, "SeparatorPages"), 1u);
}

TEST(FeatureSnippets, OnlyPageNumbersReachThePostScript) {
  // "]" would close the array and run what follows.
  const auto r = RunJob(K("SeparatorPageListTicket") + "=2 " + K("SeparatorPageTicket") + "='1]{erasepage}repeat['");
  EXPECT_EQ(PostScriptPart(r.out), zqtest::PageSaveDocument(2));
  EXPECT_NE(r.err.find("WARNING: Separator page list"), std::string::npos);
  EXPECT_EQ(r.status, 0);
  // A list longer than its record would be cut into other page numbers.
  std::string longList;
  for (int page = 100; longList.size() < 120; ++page) longList += std::to_string(page) + " ";
  EXPECT_EQ(PostScriptPart(RunJob(K("SeparatorPageListTicket") + "=2 " + K("SeparatorPageTicket") + "='" +
                                  longList + "'")
                               .out),
            zqtest::PageSaveDocument(2));
  // No kind, or kind 1 (none): nothing.
  EXPECT_EQ(PostScriptPart(RunJob(K("SeparatorPageTicket") + "=1").out), zqtest::PageSaveDocument(2));
  EXPECT_EQ(PostScriptPart(RunJob(K("SeparatorPageListTicket") + "=1 " + K("SeparatorPageTicket") + "=1").out),
            zqtest::PageSaveDocument(2));
}

TEST(FeatureSnippets, BookletShiftAndAutoScaleAtTheEndOfSetup) {
  const std::string shift = kOpen + "12.000/Custom/ProcSet findresource/setsignatureimageshift get exec\n" + kClose;
  const auto scale = [](const char* b) {
    return kOpen + "/Custom/ProcSet findresource/setsignatureautoscale 2 copy known {get " + b +
           " exch exec} {pop pop} ifelse\n" + kClose;
  };
  const std::string on = K("BookletMarginSwitchTicket") + "=1 " + K("BookletMarginMMShiftTicket") + "=12 ";
  EXPECT_NE(PostScriptPart(RunJob(on + K("AutoFitSwitchTicket") + "=1").out)
                .find("%%BeginSetup\n" + shift + scale("true") + "%%EndSetup\n"),
            std::string::npos);
  EXPECT_NE(PostScriptPart(RunJob(on + K("AutoFitSwitchTicket") + "=0").out)
                .find("%%BeginSetup\n" + shift + scale("false") + "%%EndSetup\n"),
            std::string::npos);
  EXPECT_NE(PostScriptPart(RunJob(on).out).find("%%BeginSetup\n" + shift + "%%EndSetup\n"), std::string::npos);

  // A margin that is not a number is left out; the auto scale still goes.
  const auto bad = RunJob(K("BookletMarginSwitchTicket") + "=1 " + K("BookletMarginMMShiftTicket") + "='1 pop' " +
                       K("AutoFitSwitchTicket") + "=1");
  EXPECT_NE(PostScriptPart(bad.out).find("%%BeginSetup\n" + scale("true") + "%%EndSetup\n"), std::string::npos);
  EXPECT_NE(bad.err.find("WARNING: Booklet margin"), std::string::npos);

  // A margin of more digits than the record holds is not cut to another.
  EXPECT_EQ(PostScriptPart(RunJob(K("BookletMarginSwitchTicket") + "=1 " + K("BookletMarginMMShiftTicket") + "=12345")
                               .out)
                .find("setsignatureimageshift"),
            std::string::npos);

  // Switched off: nothing at all.
  EXPECT_EQ(PostScriptPart(RunJob(K("BookletMarginSwitchTicket") + "=0 " + K("BookletMarginMMShiftTicket") + "=12 " +
                               K("AutoFitSwitchTicket") + "=1")
                               .out),
            zqtest::PageSaveDocument(2));
}

}  // namespace
