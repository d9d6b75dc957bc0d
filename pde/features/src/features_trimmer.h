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

#include <cups/ppd.h>

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

// The short edge of the sheet the three-edge trimmer cuts a booklet from,
// matched as the long edge is; the regional fallback is 792 or 842 pt.
double AdjustTrimmerBaseWidth(double shortEdge, const std::optional<std::string>& regionalChoice);

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

// The long edge (points) of the sheet a booklet is cut from, as the PPD's
// marked choices give it: the booklet paper when it names a paper, else the
// print paper (the marked PageSize, a custom size from its mapping name, or
// the print dialog's paper), mapped through the edge table only when the
// booklet paper is "None"; without a marked booklet choice, the print paper
// as for "None". Nothing without a PPD. A size record counts by its width
// and length, not by its imageable area; 0 means no sheet is known.
std::optional<double> TrimmerSheetLongEdge(ppd_file_t* ppd, const std::optional<std::string>& customMappingName,
                                           TrimmerPaper printDialogPaper);
// Both edges of that sheet: the short edge comes from the same paper and,
// with booklet paper "None", goes through the short-edge table.
struct TrimmerSheetEdges {
    double longEdge = 0;
    double shortEdge = 0;
};
std::optional<TrimmerSheetEdges> TrimmerSheetEdgesOf(ppd_file_t* ppd,
                                                     const std::optional<std::string>& customMappingName,
                                                     TrimmerPaper printDialogPaper);

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

// The three-edge trimmer's limits by kind: the finished height (short edge
// minus the top and bottom cuts, never below 182.0 mm / 7.17 in), the
// finished width as the single-cut window's, the adjustment of +-2.0 mm.
enum class TrimmerKind : int32_t { kHeight = 0, kWidth = 1, kAdjust = 2 };
struct TopLowerLimits {
    TrimmerLimits height, width, adjust;
};
TopLowerLimits TopLowerLimitsOfEdges(double longEdge, double shortEdge);
int32_t TrimmerShortEdgeMM(double shortEdge);      // tenths of a millimetre
int32_t TrimmerShortEdgeInches(double shortEdge);  // hundredths of an inch

// Why a three-edge value is refused beyond its range.
enum TrimmerCutError : int32_t {
    kTrimmerCutOK = 0,
    kTrimmerCutOutOfBounds = 1,  // a top or bottom cut outside 6.0 to 25.0 mm
    kTrimmerHeightTooSmall = 2,
    kTrimmerSheetTooSmall = 3,
};
// The checks of a finished value v of a kind (tenths of a millimetre or
// hundredths of an inch) on a sheet whose short edge is shortMM / shortInches,
// with the adjustment last typed moving the height cut.
int32_t TrimmerCutCheckMM(TrimmerKind kind, int32_t v, int32_t shortMM, int32_t adjustMM);
int32_t TrimmerCutCheckInches(TrimmerKind kind, int32_t v, int32_t shortInches, int32_t adjustInches);

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
