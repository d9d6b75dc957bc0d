// The numbers of the features windows: separator page lists (typed, or read
// back from a ticket) and margin texts. A list that checks valid keeps its
// pages through the stored and shown forms; every conversion of a margin
// text stays within the range it is given. A custom paper name read as a
// size gives two finite sides that the trimmer's limits take without overflow.
// A typed trimmer width that reads as well formed reads within the integer
// and shows again; a translated text of any form takes the limits.
// A three-edge trimmer value typed in one unit shows within its kind's limits
// in the other, and a trim read from a ticket is shown without overflow.
//
// Input: one byte choosing the margin unit, then the text.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <cmath>

#include "features_trimmer.h"
#include "features_trimmer_texts.h"
#include "features_trimmer_top_values.h"
#include "features_units.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

  // A stored value from a ticket is shown whatever it holds.
  (void)zqfeat::SeparatorPagesForScreen(text);
  if (zqfeat::SeparatorPageListCheck(text, 20) == zqfeat::kSeparatorListValid) {
    const std::string stored = zqfeat::SeparatorPagesForTicket(text);
    const std::string shown = zqfeat::SeparatorPagesForScreen(stored);
    if (zqfeat::SeparatorPageListCheck(shown, 20) != zqfeat::kSeparatorListValid) std::abort();
    if (zqfeat::SeparatorPagesForTicket(shown) != stored) std::abort();
  }

  const auto unit = static_cast<zqfeat::MarginUnit>(data[0] % 4);
  const zqfeat::UnitRange range{0, 150};
  const int32_t converted = zqfeat::ConvertMarginText(unit, text, range);
  if (converted < range.minimum || converted > range.maximum) std::abort();
  if (zqfeat::IsMarginTextValid(unit, text, range)) {
    const int32_t v = zqfeat::MarginValueOfText(unit, text);
    (void)zqfeat::MarginTextOfValue(unit, v);
  }

  if (const auto paper = zqfeat::CustomPaperOfMappingName(text)) {
    if (!std::isfinite(paper->width) || !std::isfinite(paper->height) || paper->width < 0 || paper->height < 0)
      std::abort();
    const double edge = paper->width > paper->height ? paper->width : paper->height;
    (void)zqfeat::TrimmerLimitsOfLongEdge(edge);
    (void)zqfeat::TenthsText(zqfeat::TrimmerHalfEdgeMM(edge));
  }
  const auto trimmerUnit = data[0] % 2 == 0 ? zqfeat::TrimmerUnit::kMillimetre : zqfeat::TrimmerUnit::kInch;
  int32_t width = 0;
  if (zqfeat::TrimmerTextValue(trimmerUnit, text, &width)) {
    if (width < 0) std::abort();
    (void)zqfeat::TrimmerLimitText(trimmerUnit, width);
  }
  (void)zqfeat::FillTrimmerPlaceholders(text, {zqfeat::TrimmerLimitText(trimmerUnit, INT32_MIN), "x"});

  const auto kind = static_cast<zqfeat::TrimmerKind>(data[0] % 3);
  const zqfeat::TopLowerLimits sheet = zqfeat::TopLowerLimitsOfEdges(1190.5, 842.0);
  const zqfeat::TrimmerLimits& l = kind == zqfeat::TrimmerKind::kHeight  ? sheet.height
                                   : kind == zqfeat::TrimmerKind::kWidth ? sheet.width
                                                                         : sheet.adjust;
  const bool negative = kind == zqfeat::TrimmerKind::kAdjust;
  const int32_t mmBase = kind == zqfeat::TrimmerKind::kHeight ? zqfeat::TrimmerShortEdgeMM(842.0)
                                                              : zqfeat::TrimmerHalfEdgeMM(1190.5);
  const int32_t inchBase = kind == zqfeat::TrimmerKind::kHeight ? zqfeat::TrimmerShortEdgeInches(842.0)
                                                                : zqfeat::TrimmerHalfEdgeInches(1190.5);
  if (const auto inches = zqfeat::TopLowerTypedValue(text, 100, negative)) {
    const int32_t mm = zqfeat::TopLowerHiddenMM(kind, std::strtod(text.c_str(), nullptr), l, mmBase, inchBase);
    if (mm < l.mmMin || mm > l.mmMax) std::abort();
    (void)zqfeat::TopLowerShown(kind, mmBase, *inches);
  }
  if (zqfeat::TopLowerTypedValue(text, 10, negative)) {
    const int32_t in = zqfeat::TopLowerHiddenInches(std::strtod(text.c_str(), nullptr), l);
    if (in < l.inchesMin || in > l.inchesMax) std::abort();
  }
  return 0;
}
