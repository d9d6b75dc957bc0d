#include "watermark_fonts.h"

namespace zqwm {

const std::vector<WaterMarkFontRow>& WaterMarkFontNameString() {
  static const std::vector<WaterMarkFontRow> rows{
      {"AlbertusMT", "AlbertusMT", "AlbertusMT", "0", 1.0495f, 1.2065f, "Albertus MT"},
      {"AntiqueOlive", "AntiqueOlive-Roman", "AntiqueOlive-Roman", "0", 1.1958f, 1.5680f, "Antique Olive Roman"},
      {"Apple", "Apple-Chancery", "Apple-Chancery", "0", 1.0184f, 2.0765f, "Apple Chancery"},
      {"Arial", "ArialMT", "ArialMT", "0", 1.0897f, 1.8985f, "Arial Round MT Bold"},
      {"ArialMT", "ArialMT", "ArialMT", "0", 1.0897f, 1.8985f, "Arial Round MT Bold"},
      {"AvantGarde", "AvantGarde-Book", "AvantGarde-Book", "0", 1.1807f, 1.5817f, "ITC Avant Garde Gothic Book"},
      {"Bodoni", "Bodoni", "Bodoni", "0", 0.9747f, 1.5568f, "Bodoni Roman"},
      {"Bookman", "Bookman-Demi", "Bookman-Demi", "0", 1.1419f, 1.6038f, "ITC Bookman Demi"},
      {"Carta", "Carta", "Carta", "0", 1.1955f, 4.7079f, "Carta"},
      {"Chicago", "Chicago", "Chicago", "0", 1.0320f, 2.0328f, "Chicago"},
      {"Clarendon", "Clarendon", "Clarendon", "0", 1.1578f, 1.4861f, "Clarendon Roman"},
      {"CooperBlack", "CooperBlack", "CooperBlack", "0", 1.1453f, 2.3294f, "Cooper Black"},
      {"Copperplate", "Copperplate-ThirtyThreeBC", "Copperplate-ThirtyThreeBC", "0", 1.1769f, 0.8820f,
       "Copperplate Gothic Thirty-Three BC"},
      {"Coronet", "Coronet-Regular", "Coronet-Regular", "0", 0.6622f, 1.4721f, "Coronet Regular"},
      {"Courier", "Courier", "Courier", "0", 1.0320f, 2.0328f, "Courier"},
      {"CourierPCL", "CourierPCL", "CourierPCL", "0", 1.0320f, 2.0328f, "CourierPCL"},
      {"CGTimes", "CGTimes", "CGTimes", "0", 0.9412f, 2.0328f, "CGTimes"},
      {"CGOmega", "CGOmega", "CGOmega", "0", 1.1686f, 2.1029f, "CGOmega"},
      {"Garamond", "Garamond", "Garamond", "0", 1.0774f, 2.3599f, "Garamond"},
      {"Albertus", "Albertus", "Albertus", "0", 0.9556f, 1.9160f, "Albertus"},
      {"TimesNewRoman", "TimesNewRoman", "TimesNewRoman", "0", 1.0893f, 2.0328f, "TimesNewRoman"},
      {"SymbolPS", "SymbolPS", "SymbolPS", "0", 1.0463f, 2.0328f, "SymbolPS"},
      {"ITCBookman", "Bookman-Demi", "Bookman-Demi", "0", 1.1419f, 1.6038f, "ITC Bookman Demi"},
      {"NewCenturySchoolbook", "NewCenturySchlbk-Roman", "NewCenturySchlbk-Roman", "0", 1.1368f, 1.5984f,
       "New Century Schoolbook Roman"},
      {"ITCAvantGardeGothic", "AvantGarde-Book", "AvantGarde-Book", "0", 1.1807f, 1.5817f,
       "ITC Avant Garde Gothic Book"},
      {"ITCZapfChancery", "ZapfChancery-MediumItalic", "ZapfChancery-MediumItalic", "0", 0.9493f, 1.7435f,
       "ITC Zapf Chancery Medium Italic"},
      {"ITCZapfDingbats", "ZapfDingbats", "ZapfDingbats", "0", 1.2576f, 1.9584f, "ITC Zapf Dingbats"},
      {"Eurostile", "Eurostile", "Eurostile", "0", 1.0320f, 2.0328f, "Eurostile"},
      {"Geneva", "Geneva", "Geneva", "0", 1.0368f, 1.6254f, "Geneva"},
      {"GillSans", "GillSans", "GillSans", "0", 1.0362f, 2.0028f, "Gill Sans"},
      {"Goudy", "Goudy", "Goudy", "0", 1.0665f, 1.6151f, "Goudy Old Style"},
      {"Helvetica", "Helvetica", "Helvetica", "0", 1.0067f, 1.6393f, "Helvetica"},
      {"HoeflerText", "HoeflerText", "HoeflerText", "0", 1.0107f, 1.7005f, "Hoefler Text"},
      {"JoannaMT", "JoannaMT", "JoannaMT", "0", 1.0902f, 1.5316f, "Joanna MT"},
      {"LetterGothic", "LetterGothic", "LetterGothic", "0", 1.0318f, 1.6187f, "Letter Gothic"},
      {"LubalinGraph", "LetterGothic", "LetterGothic", "0", 1.0318f, 1.6187f, "Letter Gothic"},
      {"Marigold", "Marigold", "Marigold", "0", 1.0702f, 1.6342f, "Marigold"},
      {"MonaLisa", "MonaLisa-Recut", "MonaLisa-Recut", "0", 1.0241f, 1.1213f, "ITC Mona Lisa Recut"},
      {"Monaco", "Monaco", "Monaco", "0", 1.0223f, 1.6251f, "Monaco"},
      {"NewCenturySchlbk", "NewCenturySchlbk-Roman", "NewCenturySchlbk-Roman", "0", 1.1368f, 1.5984f,
       "New Century Schoolbook Roman"},
      {"NewYork", "NewYork", "NewYork", "0", 1.0320f, 2.0328f, "NewYork"},
      {"OCRBLetM", "OCRBLetM", "OCRBLetM", "0", 1.0320f, 2.0328f, "OCRBLetM"},
      {"Optima", "Optima", "Optima", "0", 1.0296f, 1.4474f, "Optima Regular"},
      {"Oxford", "Oxford", "Oxford", "0", 0.8283f, 1.6860f, "Oxford"},
      {"Palatino", "Palatino-Roman", "Palatino-Roman", "0", 1.1542f, 1.7081f, "Palatino Roman"},
      {"StempelGaramond", "StempelGaramond-Roman", "StempelGaramond-Roman", "0", 1.1387f, 1.7734f,
       "Stempel Garamon"},
      {"Symbol", "Symbol", "Symbol", "0", 1.1279f, 1.3694f, "Symbol"},
      {"SymbolMT", "SymbolMT", "SymbolMT", "0", 1.1279f, 1.3694f, "SymbolMT"},
      {"Tekton", "Tekton", "Tekton", "0", 0.9369f, 1.6372f, "Tekton Regular"},
      {"Times", "Times-Roman", "Times-Roman", "0", 1.0132f, 1.7843f, "Times Roman"},
      {"TimesNewRomanPS", "TimesNewRomanPSMT", "TimesNewRomanPSMT", "0", 1.0136f, 1.6445f, "Times New Roman"},
      {"TimesNewRomanPSMT", "TimesNewRomanPSMT", "TimesNewRomanPSMT", "0", 1.0136f, 1.6445f, "Times New Roman"},
      {"Univers", "Univers", "Univers", "0", 1.1470f, 1.5514f, "Univers 55 Roman"},
      {"Wingdings", "Wingdings-Regular", "Wingdings-Regular", "0", 0.9435f, 1.4200f, "Wingdings"},
      {"ZapfChancery", "ZapfChancery-MediumItalic", "ZapfChancery-MediumItalic", "0", 0.9493f, 1.7435f,
       "ITC Zapf Chancery Medium Italic"},
      {"ZapfDingbats", "ZapfDingbats", "ZapfDingbats", "0", 1.2576f, 1.9584f, "ITC Zapf Dingbats"},
      {"HeiseiKakuGo", "HeiseiKakuGo-W5-78-RKSJ-H", "HeiseiKakuGo-W5-78-RKSJ-H", "1", 1.0351f, 1.6115f,
       "HeiseiKakuGo-W5-78-RKSJ-H"},
      {"HeiseiMaruGo", "HeiseiMaruGo-W4-78-RKSJ-H", "HeiseiMaruGo-W4-78-RKSJ-H", "1", 1.0351f, 1.6115f,
       "HeiseiMaruGo-W4-78-RKSJ-H"},
      {"HeiseiMin", "HeiseiMin-W3-78-RKSJ-H", "HeiseiMin-W3-78-RKSJ-H", "1", 1.0351f, 1.6115f,
       "HeiseiMaruGo-W4-80-RKSJ-H"},
      {"GothicBBB", "GothicBBB-Medium-78-RKSJ-H", "GothicBBB-Medium-78-RKSJ-H", "1", 1.0351f, 1.6115f,
       "GothicBBB-Medium-78-RKSJ-H"},
      {"Ryumin", "Ryumin-Light-78-RKSJ-H", "Ryumin-Light-78-RKSJ-H", "1", 1.0351f, 1.6115f,
       "Ryumin-Light-78-RKSJ-H"},
      {"FutoGoB101", "FutoGoB101-Bold-78-RKSJ-H", "FutoGoB101-Bold-78-RKSJ-H", "1", 1.0351f, 1.6115f,
       "FutoGoB101-Bold-78-RKSJ-H"},
      {"FutoMinA101", "FutoMinA101-Bold-78ms-RKSJ-H", "FutoMinA101-Bold-78ms-RKSJ-H", "1", 1.0351f, 1.6115f,
       "FutoMinA101-Bold-78ms-RKSJ-H"},
      {"Jun101", "Jun101-Light-78-RKSJ-H", "Jun101-Light-78-RKSJ-H", "1", 1.0351f, 1.6115f,
       "Jun101-Light-78-RKSJ-H"},
  };
  return rows;
}

const WaterMarkFontRow& CourierFontRow() { return WaterMarkFontNameString()[14]; }

const WaterMarkFontRow& FontRowForDisplayName(std::string_view displayName) {
  for (const auto& row : WaterMarkFontNameString()) {
    if (displayName == row.displayName) return row;
  }
  return CourierFontRow();
}

size_t DefaultFontItem(const std::vector<std::string>& fontList, std::string_view defaultFont) {
  for (size_t i = 0; i < fontList.size(); ++i) {
    if (fontList[i] == defaultFont) return i + 1;
  }
  return 1;
}

}  // namespace zqwm
