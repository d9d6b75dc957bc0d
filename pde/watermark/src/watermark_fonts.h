#pragma once
// The fonts a text watermark can use: the PostScript name the device
// prints with, the desktop font the text is measured with, and the rates
// that turn the measured box into the box the device draws.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zqwm {

inline constexpr const char* kEnglishFont = "0";
inline constexpr const char* kJapaneseFont = "1";

struct WaterMarkFontRow {
  const char* ppdName;       // matched against the PPD's font names
  const char* displayName;   // the name a watermark stores
  const char* printName;     // the PostScript font the device draws with
  const char* fontType;      // kEnglishFont or kJapaneseFont
  float xRate;
  float yRate;
  const char* measuringFont; // desktop font the text is measured with
};

// The 64 rows, in their fixed order.
const std::vector<WaterMarkFontRow>& WaterMarkFontNameString();
inline constexpr size_t WaterMarkFontListNum = 64;

// The first row whose display name equals the name; the Courier row when
// none does, so a watermark with a font the table does not know still
// reaches the device complete.
const WaterMarkFontRow& FontRowForDisplayName(std::string_view displayName);
const WaterMarkFontRow& CourierFontRow();

// The 1-based item of the font list that holds the default font's name;
// item 1 when the list does not hold it (or is empty).
size_t DefaultFontItem(const std::vector<std::string>& fontList, std::string_view defaultFont);

}  // namespace zqwm
