#pragma once
// The ticket of a text watermark as the Watermark extension writes it.
#include <map>
#include <string>

#include "header_run.h"

namespace zqtest {

inline std::map<std::string, std::string> WatermarkFields() {
  return {
      {"WMARKNameTicket", "53656372657420737475666620"},  // the name in hex digits
      {"WMARKOptionsTicket", "1"},
      {"WMARKOnlyFirstTicket", "0"},
      {"WMARKTextTicket", "(CONFIDENTIAL)"},
      {"WMARKOrientationTicket", "1"},
      {"WMARKPaperHeightTicket", "792"},
      {"WMARKPaperWidthTicket", "612"},
      {"WMARKTypeTicket", "0"},
      {"WMARKFontTicket", "Helvetica-Bold"},
      {"WMARKFontSizeTicket", "48"},
      {"WMARKFontTypeTicket", "0"},
      {"WMARKColorRTicket", "1.000000"},
      {"WMARKColorGTicket", "0.000000"},
      {"WMARKColorBTicket", "0.000000"},
      {"WMARKColorATicket", "1.000000"},
      {"WMARKAngleTicket", "0"},
      {"WMARKDensityTicket", "50"},
      {"WMARKScaleTicket", "100"},
      {"WMARKhOffsetTicket", "0.00"},
      {"WMARKvOffsetTicket", "0.00"},
      {"WMARKWidthTicket", "200.00"},
      {"WMARKHeightTicket", "50.00"},
  };
}

inline std::string WatermarkTicket(const std::map<std::string, std::string>& changes = {}) {
  auto fields = WatermarkFields();
  for (const auto& [k, v] : changes) fields[k] = v;
  std::string options;
  for (const auto& [k, v] : fields) {
    if (!options.empty()) options += ' ';
    options += K(k) + "='" + v + "'";
  }
  return options;
}

}  // namespace zqtest
