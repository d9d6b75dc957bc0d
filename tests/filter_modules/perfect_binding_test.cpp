// Perfect binding: binder position, trimming and cover, in device keywords
// and tenths of millimetres.
#include <gtest/gtest.h>

#include "header_run.h"
#include "modules/modules.h"

namespace {

using zqtest::PpdBuilder;
using zqtest::RunHeader;
using zqtest::WriterLines;
using Lines = std::vector<std::string>;

std::string Attr(const std::string& name, const std::string& value) {
  return "@PJL SET JOBATTR=\"@" + name + "=" + value + "\"\n";
}

Lines Binding(const std::string& options) {
  // A4 is 2100 x 2970 and Letter 2160 x 2790 tenths of a millimetre.
  Lines lines = WriterLines(RunHeader(options, PpdBuilder().Write()).out);
  EXPECT_FALSE(lines.empty());
  if (!lines.empty()) lines.pop_back();  // the render mode
  return lines;
}

TEST(PerfectBinding, SpecifiedCutSize) {
  EXPECT_EQ(Binding("ZQPBindPosition=BindLeft ZQPBindTrimming=3EdgeSpecifySize ZQPBindPageSize=Letter "
                    "ZQPBindCutPageSize=A4 ZQPBindCutPositionFore=10mm"),
            (Lines{Attr("PBRE", "LEFT"), Attr("MSDA", "ROTSEFLAND"), Attr("PBTC", "FULLBLEED"),
                   Attr("PBBP", "LETTER"), Attr("PBTP", "A4"), Attr("PBTW", "2100"), Attr("PBTH", "2970"),
                   Attr("ISXO", "-30"), Attr("ISXT", "30"), Attr("PBCI", "OFF")}));
}

TEST(PerfectBinding, RightBindingMirrorsTheAdjustments) {
  EXPECT_EQ(Binding("ZQPBindPosition=BindRight ZQPBindTrimming=1EdgeCut ZQPBindPageSize=A4 "
                    "ZQPBindCutPositionFore=10mm ZQPBindCutPositionTop=5mm ZQPBindRotationAdjustBot=3 "
                    "ZQPBindRotationAdjustFore=3 ZQPBindCoverAdjustX=2 ZQPBindCoverAdjustY=2 "
                    "ZQPBindCoverPageSize=DL ZQPBindCoverMediaType=Bogus ZQPBindCoverPaperTray=MSI"),
            (Lines{Attr("PBRE", "RIGHT"), Attr("MSDA", "ROTLEFPORT"), Attr("PBTC", "FACE"), Attr("PBBP", "A4"),
                   Attr("PBTP", "CUSTOM"), Attr("PBTW", "2000"), Attr("PBTH", "2970"), Attr("ISXO", "50"),
                   Attr("ISXT", "-50"), Attr("PBAT", "3"), Attr("PBAF", "-3"), Attr("PBAX", "-2"),
                   Attr("PBAY", "2"), Attr("PBCP", "LEDGER"), Attr("PBCT", "INTRAY5"), Attr("PBCI", "OFF")}));
}

TEST(PerfectBinding, MinimumCutHasNoImageShift) {
  EXPECT_EQ(Binding("ZQPBindPosition=BindTop ZQPBindTrimming=3EdgeCutMinimum ZQPBindPageSize=A4 "
                    "ZQPBindCoverAdjustY=4"),
            (Lines{Attr("PBRE", "TOP"), Attr("MSDA", "ROTSEFLAND"), Attr("PBTC", "FULLBLEED"), Attr("PBBP", "A4"),
                   Attr("PBTP", "CUSTOM"), Attr("PBTW", "2030"), Attr("PBTH", "2830"), Attr("PBAY", "-4"),
                   Attr("PBCI", "OFF")}));
}

TEST(PerfectBinding, NoTrimmingAndUnknownChoices) {
  // Without trimming the cut size is the body size; a size the device has
  // no keyword for is left out rather than sent as the PPD names it.
  EXPECT_EQ(Binding("ZQPBindPosition=BindLeft ZQPBindTrimming=None ZQPBindPageSize=Letter "
                    "ZQPBindCoverMediaColor=Mauve ZQPBindCoverMediaType=ThickPaper2S1"),
            (Lines{Attr("PBRE", "LEFT"), Attr("MSDA", "ROTSEFLAND"), Attr("PBTC", "OFF"), Attr("PBBP", "LETTER"),
                   Attr("PBTP", "LETTER"), Attr("PBCQ", "SUPERTHICKS1"), Attr("PBCI", "OFF")}));
  // A binder without a trimmer has no trimming choice at all: the same.
  EXPECT_EQ(Binding("ZQPBindPosition=BindLeft ZQPBindPageSize=Letter ZQPBindCutPositionFore=10mm"),
            (Lines{Attr("PBRE", "LEFT"), Attr("MSDA", "ROTSEFLAND"), Attr("PBTC", "OFF"), Attr("PBBP", "LETTER"),
                   Attr("PBTP", "LETTER"), Attr("PBCI", "OFF")}));
  EXPECT_EQ(Binding("ZQPBindPosition=BindLeft ZQPBindTrimming=None ZQPBindPageSize=Folio"),
            (Lines{Attr("PBRE", "LEFT"), Attr("MSDA", "ROTSEFLAND"), Attr("PBTC", "OFF"), Attr("PBCI", "OFF")}));
  EXPECT_TRUE(Binding("ZQPBindPosition=None ZQPBindPageSize=A4").empty());
  EXPECT_TRUE(Binding("").empty());
}

TEST(PerfectBinding, DeviceKeywords) {
  const std::pair<const char*, const char*> samples[] = {
      {"B5", "JISB5"},          {"ZQ122x170", "DT_SPECIALA3"}, {"Default", "OFF"},      {"CustomSizedPaper3", "USER3"},
      {"Goldenrod", "GOLDENROD"}, {"Any", "UNSPECIFIED"},       {"HCF1", "INTRAY6"},     {"7thTrayOverSized", "INTRAY7"},
      {"PBindInserter", "INTRAY9"}};
  for (const auto& [choice, keyword] : samples) EXPECT_EQ(zqf::convertPBindPPDValue(choice), keyword) << choice;
  EXPECT_EQ(zqf::convertPBindPPDValue("a4"), "");
  EXPECT_EQ(zqf::convertPBindPPDValue(""), "");
}

}  // namespace
