#pragma once
// The sheet-size logic of the trimmer windows: which sheet a booklet is cut
// from, its long edge in points, and the limits and conversions of the trim.
// The trim is what the controls store; the user sees the finished width,
// half the long edge minus the trim. 25.4 and 2.54 are their single-precision
// values, and the roundings (lrint, ties to even) are those the stored
// tickets hold, so they are kept exactly.
#include <cstdint>
#include <optional>
#include <string>

namespace zqfeat {

// 25.4 as the single-precision value the conversions use.
inline constexpr double kTrimmerMMPerInch = static_cast<double>(25.4f);

// 2 for a booklet paper taken from a tray ("None" and the "SigTray" choices),
// 1 for a named paper, 0 for anything else.
int32_t GetBookletSelection(const std::string& sigSize);
// The PageSize keyword of a named booklet paper: "DL" is "Tabloid", "LT" is
// "Letter", others stand for themselves.
std::string BookletPaperPageSizeKeyword(const std::string& sigSize);

// The long edge a booklet printed on paper of long edge `longEdge` is cut
// from (the edge table, matched within half a point); with no row, the
// regional fallback: 1224 pt for inch regions (or none marked), else 1190.5.
double AdjustTrimmerBaseLength(double longEdge, const std::optional<std::string>& regionalChoice);

// The print dialog's paper, limited to the largest sheet (330 x 488 mm).
struct TrimmerPaper {
    double width = 0;
    double height = 0;
};
TrimmerPaper ClampPrintDialogPaper(TrimmerPaper paper);
// The size named by a custom paper mapping, "Custom.<width>x<height>" in
// points. Nothing when the name is not of that form or a side is not a
// finite, non-negative number.
std::optional<TrimmerPaper> CustomPaperOfMappingName(const std::string& name);

// The finished-width limits: tenths of a millimetre and hundredths of an inch.
struct TrimmerLimits {
    int32_t mmMin = 0;
    int32_t mmMax = 0;
    int32_t inchesMin = 0;
    int32_t inchesMax = 0;
};
TrimmerLimits TrimmerLimitsOfLongEdge(double longEdge);
// The half edge in each control's unit.
int32_t TrimmerHalfEdgeMM(double longEdge);      // tenths of a millimetre
int32_t TrimmerHalfEdgeInches(double longEdge);  // hundredths of an inch

// Tenths shown "%d.%d", hundredths "%d.%d%d", a negative value with "-".
std::string TenthsText(int32_t tenths);
std::string HundredthsText(int32_t hundredths);
// The inch trim shown by default: the millimetre default trim converted
// from the finished width, so both units start on the same sheet width.
int32_t TrimmerInchDefaultFinished(int32_t halfEdgeMM, int32_t mmDefaultTrim);
// The hidden unit's finished width from the shown unit's typed value.
int32_t TrimmerMMOfInches(double inches);       // tenths of a millimetre
int32_t TrimmerInchesOfMM(double millimetres);  // hundredths of an inch

}  // namespace zqfeat
