#include "feature_table.h"

namespace zqf {
namespace {

std::string Attr(const std::string& name, const std::string& value) {
  return "@PJL SET JOBATTR=\"@" + name + "=" + value + "\"\n";
}

std::vector<FeatureRow> BuildFeatureTable() {
  std::vector<FeatureRow> rows = {
      {"ZQInvalidateColorProfile", "False", Attr("CPRO", "OFF")},
      {"ZQInvalidateColorProfile", "True", Attr("CPRO", "ON")},
      {"ZQSetTrapMode", "False", Attr("TRAP", "OFF")},
      {"ZQSetTrapMode", "True", Attr("TRAP", "ON")},
      {"ZQLetterHeadDuplexMode", "DupAuto", Attr("DDPM", "AUTO")},
      {"ZQLetterHeadDuplexMode", "DupOff", Attr("DDPM", "OFF")},
      {"ZQLetterHeadDuplexMode", "DupOn", Attr("DDPM", "ON")},
      {"ZQGrayBalance", "True", Attr("GRGU", "TEXTGRAPHICS")},
      {"ZQGrayBalance", "False", Attr("GRGU", "OFF")},
      {"ZQOutputMode", "HighSpeed", "@PJL SET BITSPERPIXEL=1\n"},
      {"ZQOutputMode", "Standard", "@PJL SET BITSPERPIXEL=8\n"},
      {"ZQBrightness", "Bright5", Attr("PSBR", "5")},
      {"ZQBrightness", "Bright4", Attr("PSBR", "4")},
      {"ZQBrightness", "Bright3", Attr("PSBR", "3")},
      {"ZQBrightness", "Bright2", Attr("PSBR", "2")},
      {"ZQBrightness", "Bright1", Attr("PSBR", "1")},
      {"ZQBrightness", "Normal", Attr("PSBR", "0")},
      {"ZQBrightness", "Dark5", Attr("PSBR", "-5")},
      {"ZQBrightness", "Dark4", Attr("PSBR", "-4")},
      {"ZQBrightness", "Dark3", Attr("PSBR", "-3")},
      {"ZQBrightness", "Dark2", Attr("PSBR", "-2")},
      {"ZQBrightness", "Dark1", Attr("PSBR", "-1")},
      {"ZQRGBInputProfile", "SRGB", Attr("RGBP", "SRGB")},
      {"ZQRGBInputProfile", "AdobeRGB", Attr("RGBP", "ADOBERGB")},
      {"ZQRGBGammaCorrection", "Off", Attr("RGBG", "0")},
      {"ZQRGBGammaCorrection", "Lightest", Attr("RGBG", "10")},
      {"ZQRGBGammaCorrection", "Light", Attr("RGBG", "14")},
      {"ZQRGBGammaCorrection", "Standard", Attr("RGBG", "18")},
      {"ZQRGBGammaCorrection", "Dark", Attr("RGBG", "22")},
      {"ZQRGBGammaCorrection", "Darkest", Attr("RGBG", "26")},
      {"Smoothing", "True", "@PJL SET RET=ON\n"},
      {"Smoothing", "False", "@PJL SET RET=OFF\n"},
      {"ZQTonerSaver", "False", "@PJL SET ECONOMODE=OFF\n"},
      {"ZQTonerSaver", "True", "@PJL SET ECONOMODE=ON\n"},
      {"ZQTonerSaver", "Mode1", "@PJL SET ECONOMODE=MODE1\n"},
      {"ZQTonerSaver", "Mode2", "@PJL SET ECONOMODE=MODE2\n"},
      {"ZQTonerSaver", "Mode3", "@PJL SET ECONOMODE=MODE3\n"},
      {"ZQSaveBlankSheet", "False", Attr("SBKP", "OFF")},
      {"ZQSaveBlankSheet", "True", Attr("SBKP", "ON")},
      {"ZQMonochromePriority", "False", Attr("BSPM", "OFF")},
      {"ZQMonochromePriority", "True", Attr("BSPM", "ON")},
  };
  // Colour density: one keyword per colour and range, seven steps from -3
  // to +3, sent as 0 to 6.
  static const struct {
    const char* name;
    char code;
  } kColours[] = {{"Cyan", 'C'}, {"Magenta", 'M'}, {"Yellow", 'Y'}, {"Black", 'K'}};
  static const struct {
    const char* name;
    char code;
  } kRanges[] = {{"Low", 'L'}, {"Mid", 'M'}, {"High", 'H'}};
  static const char* kSteps[] = {"-3", "-2", "-1", "0", "+1", "+2", "+3"};
  for (const auto& colour : kColours) {
    for (const auto& range : kRanges) {
      for (int n = 0; n < 7; ++n) {
        rows.push_back({std::string("ZQColorDensity") + colour.name + range.name, kSteps[n],
                        Attr(std::string("AJ") + colour.code + range.code, std::to_string(n))});
      }
    }
  }
  return rows;
}

}  // namespace

const std::vector<FeatureRow>& FeaturePPDKeyNameandMarkedValuetoPJLCommand() {
  static const std::vector<FeatureRow> table = BuildFeatureTable();
  return table;
}

const std::vector<PPDKeyDefault>& PPDKeyArray() {
  static const std::vector<PPDKeyDefault> keys = {
      {"ZQSetTrapMode", "@PJL SET JOBATTR=\"@TRAP=OFF\"\n"},
      {"ZQGrayBalance", "@PJL SET JOBATTR=\"@GRGU=OFF\"\n"},
      {"ZQBrightness", "@PJL SET JOBATTR=\"@PSBR=0\"\n"},
      {"ZQRGBInputProfile", "@PJL SET JOBATTR=\"@RGBP=SRGB\"\n"},
      {"ZQRGBGammaCorrection", "@PJL SET JOBATTR=\"@RGBG=22\"\n"},
      {"ZQTonerSaver", "@PJL SET ECONOMODE=OFF\n"},
  };
  return keys;
}

}  // namespace zqf
