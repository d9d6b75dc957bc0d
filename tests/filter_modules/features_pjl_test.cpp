// The finishing PJL rows, which the editions that send finishing PJL write
// from the features table.
#include <gtest/gtest.h>

#include "header_run.h"
#include "modules/modules.h"

namespace {

using zqtest::K;
using Lines = std::vector<std::string>;

Lines FinishingLines(const std::string& options, std::string* log = nullptr) {
  return zqtest::SplitLines(zqtest::RunSteps(
      options,
      [](zqf::Job& job) {
        zqf::FeaturesInializeDescriptionTableFromFilter(job);
        zqf::FeaturesGetTicketFromPDE(job);
        zqf::FeaturesOutputEPJLCommandFromFilter(job);
      },
      log));
}

std::string Attr(const std::string& a) { return "@PJL SET JOBATTR=\"@" + a + "\"\n"; }

TEST(FinishingPjl, TabTrimmerNumberingAndOffset) {
  EXPECT_EQ(FinishingLines(K("TabMarginSwitchTicket") + "=1 " + K("TabMarginMMShiftTicket") + "=13 " +
                           K("TrimmerSwitchTicket") + "=0 " + K("TrimmerSelectTicket") + "=3 " +
                           K("TrimmerWidthMMSizeTicket") + "=210 " + K("TrimmerHeightMMSizeTicket") + "=297 " +
                           K("TrimmerAdjustMMSizeTicket") + "=2 " + K("NumInSequenceSwitchTicket") + "=1 " +
                           K("NumInSequenceLArrowTicket") + "=5 " + K("OffsetStackingListTicket") + "=4 " +
                           K("OffsetStackingPagesLArrowTicket") + "=10"),
            (Lines{Attr("TABS=13"), Attr("TRMR=0"), Attr("TRMR=210"), Attr("TRFW=297"), Attr("TROP=2"),
                   Attr("MDOC=5"), "@PJL SET JOBOFFSET=PAGES\n", Attr("OCSN=10")}));
  EXPECT_EQ(FinishingLines(K("TabMarginSwitchTicket") + "=0 " + K("TrimmerSelectTicket") + "=2 " +
                           K("TrimmerMMCuttingSizeTicket") + "=5 " + K("NumInSequenceSwitchTicket") + "=0 " +
                           K("OffsetStackingListTicket") + "=5 " + K("OffsetStackingUnitsLArrowTicket") + "=3"),
            (Lines{Attr("TABS=OFF"), Attr("TRMR=5"), Attr("TRFW=0"), Attr("TROP=0"), Attr("MDOC=0"),
                   "@PJL SET JOBOFFSET=COPIES\n", Attr("OCSN=3")}));
  EXPECT_TRUE(FinishingLines("").empty());
}

TEST(FinishingPjl, ARowWhoseValueIsNoNumberIsLeftOut) {
  // A stale or crafted ticket: an empty, negative or lettered size never
  // reaches the device as "@TRMR=" or "@TRFW=-80"; the adjustment is signed.
  const std::string single = K("TrimmerSelectTicket") + "=2 ";
  const std::string three = K("TrimmerSelectTicket") + "=3 ";
  struct Case {
    std::string options;
    Lines lines;
  } cases[] = {
      {single + K("TrimmerMMCuttingSizeTicket") + "=-80", {Attr("TRFW=0"), Attr("TROP=0")}},
      {single, {Attr("TRFW=0"), Attr("TROP=0")}},
      {three + K("TrimmerWidthMMSizeTicket") + "=1405 " + K("TrimmerHeightMMSizeTicket") + "=-12 " +
           K("TrimmerAdjustMMSizeTicket") + "=-15",
       {Attr("TRMR=1405"), Attr("TROP=-15")}},
      {three + K("TrimmerWidthMMSizeTicket") + "=12x " + K("TrimmerAdjustMMSizeTicket") + "=--1", {}},
      {K("TabMarginSwitchTicket") + "=1 " + K("TabMarginMMShiftTicket") + "=-40 " + K("NumInSequenceSwitchTicket") +
           "=1 " + K("NumInSequenceLArrowTicket") + "=abc",
       {}},
      {K("OffsetStackingListTicket") + "=4 " + K("OffsetStackingPagesLArrowTicket") + "=-2",
       {"@PJL SET JOBOFFSET=PAGES\n"}},
  };
  for (const Case& c : cases) EXPECT_EQ(FinishingLines(c.options), c.lines) << c.options;
}

// A number longer than its field is left out, never cut to another number.
TEST(FinishingPjl, ANumberTooLongForItsFieldIsLeftOutWithAWarning) {
  const std::string three = K("TrimmerSelectTicket") + "=3 ";
  struct Case {
    std::string options;
    Lines lines;
    const char* warning;
  } cases[] = {
      {K("TabMarginSwitchTicket") + "=1 " + K("TabMarginMMShiftTicket") + "=12345", {}, "Tab margin shift"},
      {K("TabMarginSwitchTicket") + "=1 " + K("TabMarginMMShiftTicket") + "=1234", {Attr("TABS=1234")}, nullptr},
      {K("NumInSequenceSwitchTicket") + "=1 " + K("NumInSequenceLArrowTicket") + "=123456", {}, "Number in sequence"},
      {K("OffsetStackingListTicket") + "=4 " + K("OffsetStackingPagesLArrowTicket") + "=1234567",
       {"@PJL SET JOBOFFSET=PAGES\n"}, "Offset stacking pages"},
      {three + K("TrimmerAdjustMMSizeTicket") + "=-1234", {}, "Trimmer adjustment"},
      {three + K("TrimmerAdjustMMSizeTicket") + "=-123", {Attr("TROP=-123")}, nullptr},
      {three + K("TrimmerWidthMMSizeTicket") + "=202000", {}, "Trimmer width"},
      // The escaped form is measured as the number it stands for.
      {three + K("TrimmerWidthMMSizeTicket") + "=/50/48/50/48", {Attr("TRMR=2020")}, nullptr},
  };
  for (const Case& c : cases) {
    std::string log;
    EXPECT_EQ(FinishingLines(c.options, &log), c.lines) << c.options;
    if (c.warning == nullptr) {
      EXPECT_EQ(log, "") << c.options;
    } else {
      EXPECT_EQ(log, std::string("WARNING: ") + c.warning + " does not fit its field; left out\n") << c.options;
    }
  }
}

TEST(FinishingPjl, OutputFaceForCoilPunching) {
  const std::string coil = K("EjectOptionsListTicket") + "=1 ZQNumPunchHoles=CoilPunch " +
                           K("CoilPunchFaceTicket") + "=true " + K("whetherMediaTypeTabTicket") + "=0 " +
                           K("whetherMediaSizeA5Ticket") + "=0 ";
  // Plain A4 paper: face off; A5 or tab stock turns the face up.
  EXPECT_EQ(FinishingLines(coil + K("featuresMediaTypeTabTicket") + "=false media=A4"), Lines{Attr("FACE=OFF")});
  EXPECT_EQ(FinishingLines(coil + K("featuresMediaTypeTabTicket") + "=false media=A5"), Lines{Attr("FACE=UP")});
  EXPECT_EQ(FinishingLines(coil + K("featuresMediaTypeTabTicket") + "=true media=A4"), Lines{Attr("FACE=UP")});
  // Without coil punching, or without the coil face handling: face off.
  EXPECT_EQ(FinishingLines(K("EjectOptionsListTicket") + "=1 ZQNumPunchHoles=2Holes " + K("CoilPunchFaceTicket") +
                           "=true"),
            Lines{Attr("FACE=OFF")});
  EXPECT_EQ(FinishingLines(K("EjectOptionsListTicket") + "=1 " + K("CoilPunchFaceTicket") + "=false"),
            Lines{Attr("FACE=OFF")});
  EXPECT_EQ(FinishingLines(K("EjectOptionsListTicket") + "=4"), Lines{Attr("FACE=DOWN_REVERSE")});
}

}  // namespace
