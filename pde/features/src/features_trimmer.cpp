#include "features_trimmer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "zqpde/ppd_util.h"

namespace zqfeat {
namespace {

struct EdgeRow {
    double matched;
    double used;
};
// A folded sheet is cut from the paper twice its size: A4 from A3, B5 from
// B4, Letter from Tabloid; the large sizes stand for themselves.
constexpr EdgeRow kTrimmerAdjustInfo[] = {
    {1190.5, 1190.5}, {842.0, 1190.5}, {595.0, 842.0},  {1032.0, 1032.0},
    {728.5, 1032.0},  {792.0, 1224.0}, {1224.0, 1224.0}, {612.0, 792.0},
};

constexpr EdgeRow kTrimmerAdjustWidthInfo[] = {
    {842.0, 842.0}, {595.3, 842.0}, {420.0, 595.3}, {728.5, 728.5},
    {516.0, 728.5}, {612.0, 792.0}, {792.0, 792.0}, {396.0, 612.0},
};

template <size_t N>
std::optional<double> MatchEdge(const EdgeRow (&rows)[N], double edge) {
    for (const EdgeRow& row : rows)
        if (std::fabs(edge - row.matched) <= 0.5) return row.used;
    return std::nullopt;
}

bool InchRegion(const std::optional<std::string>& regionalChoice) {
    return !regionalChoice || *regionalChoice == "Inch";
}

int32_t Round(double v) { return static_cast<int32_t>(std::lrint(v)); }

constexpr double kMaxPaperHeight = 1383.3;
constexpr double kMaxPaperWidth = 935.44;
// Sides beyond this are no paper (a misread name), and lrint of them would overflow.
constexpr double kMaxCustomSide = 1.0e6;

bool ReadSide(const std::string& text, double* out) {
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) return false;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(v) || v < 0 || v > kMaxCustomSide) return false;
    *out = v;
    return true;
}

std::string Signed(int32_t v, int32_t scale, int width) {
    const int64_t a = std::llabs(static_cast<int64_t>(v));
    std::string frac = std::to_string(a % scale);
    while (static_cast<int>(frac.size()) < width) frac.insert(0, "0");
    return std::string(v < 0 ? "-" : "") + std::to_string(a / scale) + "." + frac;
}

}  // namespace

int32_t GetBookletSelection(const std::string& s) {
    if (s == "None" || s == "SigTray3" || s == "SigTray4" || s == "SigTray6") return 2;
    if (s == "A3" || s == "A4" || s == "B4" || s == "LT" || s == "DL" || s == "Letter" || s == "Tabloid") return 1;
    return 0;
}

std::string BookletPaperPageSizeKeyword(const std::string& s) {
    if (s == "DL") return "Tabloid";
    if (s == "LT") return "Letter";
    return s;
}

double AdjustTrimmerBaseLength(double longEdge, const std::optional<std::string>& regionalChoice) {
    if (const auto used = MatchEdge(kTrimmerAdjustInfo, longEdge)) return *used;
    return InchRegion(regionalChoice) ? 1224.0 : 1190.5;
}

double AdjustTrimmerBaseWidth(double shortEdge, const std::optional<std::string>& regionalChoice) {
    if (const auto used = MatchEdge(kTrimmerAdjustWidthInfo, shortEdge)) return *used;
    return InchRegion(regionalChoice) ? 792.0 : 842.0;
}

TrimmerPaper ClampPrintDialogPaper(TrimmerPaper p) {
    if (p.height > kMaxPaperHeight) p.height = kMaxPaperHeight;
    if (p.width > kMaxPaperWidth) p.width = kMaxPaperWidth;
    return p;
}

std::optional<TrimmerPaper> CustomPaperOfMappingName(const std::string& name) {
    static const std::string kPrefix = "Custom.";
    if (name.compare(0, kPrefix.size(), kPrefix) != 0) return std::nullopt;
    const std::string rest = name.substr(kPrefix.size());
    const size_t x = rest.find('x');
    if (x == std::string::npos) return std::nullopt;
    TrimmerPaper p;
    if (!ReadSide(rest.substr(0, x), &p.width) || !ReadSide(rest.substr(x + 1), &p.height)) return std::nullopt;
    return p;
}

TrimmerLimits TrimmerLimitsOfLongEdge(double L) {
    const double k = kTrimmerMMPerInch;
    const double h = L / 72 * k * 0.5;
    TrimmerLimits t;
    t.mmMax = static_cast<int32_t>(std::lrint((h - 2) * 10));
    t.mmMin = static_cast<int32_t>(std::lrint((h - 20) * 10));
    t.inchesMax = static_cast<int32_t>(std::lrint((h - 2) / k * 100));
    t.inchesMin = static_cast<int32_t>(std::lrint((h - 20) / k * 100));
    return t;
}

TopLowerLimits TopLowerLimitsOfEdges(double longEdge, double shortEdge) {
    const double k = kTrimmerMMPerInch;
    const double s = shortEdge / 72 * k;
    TopLowerLimits t;
    t.height.mmMax = Round((s - 12) * 10);
    t.height.mmMin = std::max(Round((s - 50) * 10), 1820);
    t.height.inchesMax = Round((s - 12) / k * 100);
    t.height.inchesMin = Round((s - 50) / k * 100);
    if (t.height.inchesMin <= 716) t.height.inchesMin = 717;
    t.width = TrimmerLimitsOfLongEdge(longEdge);
    t.adjust = {-20, 20, Round(-2 / k * 100), Round(2 / k * 100)};
    return t;
}

int32_t TrimmerShortEdgeMM(double shortEdge) { return Round(shortEdge / 72 * kTrimmerMMPerInch * 10); }
int32_t TrimmerShortEdgeInches(double shortEdge) { return Round(shortEdge / 72 * 100); }

int32_t TrimmerCutCheckMM(TrimmerKind kind, int32_t v, int32_t shortMM, int32_t adjustMM) {
    if (kind == TrimmerKind::kHeight) {
        const int64_t half = (static_cast<int64_t>(shortMM) - v) / 2;
        const int64_t a = std::llabs(static_cast<int64_t>(adjustMM));
        if (half + a > 250 || half - a <= 59) return kTrimmerCutOutOfBounds;
        if (v <= 1819) return kTrimmerHeightTooSmall;
    }
    return shortMM > 1939 ? kTrimmerCutOK : kTrimmerSheetTooSmall;
}

int32_t TrimmerCutCheckInches(TrimmerKind kind, int32_t v, int32_t shortInches, int32_t adjustInches) {
    if (kind == TrimmerKind::kHeight) {
        const double half = (static_cast<double>(shortInches) - v) / 2;
        const double a = std::fabs(static_cast<double>(adjustInches));
        if (std::lrint(half + a + 0.5) > 98 || std::lrint(half - a + 0.5) <= 23) return kTrimmerCutOutOfBounds;
        if (v <= 716) return kTrimmerHeightTooSmall;
    }
    return shortInches > 763 ? kTrimmerCutOK : kTrimmerSheetTooSmall;
}

int32_t TrimmerHalfEdgeMM(double L) { return static_cast<int32_t>(std::lrint(L / 72 * kTrimmerMMPerInch * 0.5 * 10)); }
int32_t TrimmerHalfEdgeInches(double L) { return static_cast<int32_t>(std::lrint(L / 72 * 0.5 * 100)); }

std::string TenthsText(int32_t tenths) { return Signed(tenths, 10, 1); }
std::string HundredthsText(int32_t hundredths) { return Signed(hundredths, 100, 2); }

int32_t TrimmerInchDefaultFinished(int32_t halfEdgeMM, int32_t mmDefaultTrim) {
    return static_cast<int32_t>(std::lrint(static_cast<float>(halfEdgeMM - mmDefaultTrim) / 2.54f));
}

int32_t TrimmerMMOfInches(double inches) {
    const float mm = static_cast<float>(inches * kTrimmerMMPerInch * 10);
    return static_cast<int32_t>(mm + 0.5f);
}

int32_t TrimmerInchesOfMM(double millimetres) {
    return static_cast<int32_t>(std::lrint(static_cast<float>(millimetres * 10) / 2.54f));
}

namespace {

std::optional<std::string> MarkedChoice(ppd_file_t* ppd, const char* keyword) {
    const std::string key = zqpde::FixPPDKeywordAccordingToType(ppd, keyword);
    ppd_choice_t* marked = key.empty() ? nullptr : ppdFindMarkedChoice(ppd, key.c_str());
    if (marked == nullptr) return std::nullopt;
    return std::string(marked->choice);
}

TrimmerSheetEdges EdgesOf(double a, double b) { return {std::max(a, b), std::min(a, b)}; }

// The print paper: the marked PageSize's record (a custom one read from its
// mapping name), else the print dialog's paper within the largest sheet.
TrimmerSheetEdges PrintPaperEdges(ppd_file_t* ppd, const std::optional<std::string>& customMappingName,
                                  TrimmerPaper printDialogPaper) {
    if (MarkedChoice(ppd, "PageSize")) {
        ppd_size_t* size = ppdPageSize(ppd, nullptr);
        if (size == nullptr) return {};
        if (std::string(size->name) == "Custom") {
            const auto custom = customMappingName ? CustomPaperOfMappingName(*customMappingName) : std::nullopt;
            return custom ? EdgesOf(custom->width, custom->height) : TrimmerSheetEdges{};
        }
        return EdgesOf(size->width, size->length);
    }
    const TrimmerPaper p = ClampPrintDialogPaper(printDialogPaper);
    return EdgesOf(p.width, p.height);
}

}  // namespace

std::optional<TrimmerSheetEdges> TrimmerSheetEdgesOf(ppd_file_t* ppd,
                                                     const std::optional<std::string>& customMappingName,
                                                     TrimmerPaper printDialogPaper) {
    if (ppd == nullptr) return std::nullopt;
    const std::optional<std::string> signature = MarkedChoice(ppd, "ZQSignature");
    // Without a booklet choice (a PPD with a trimmer but no booklet option)
    // the job is cut from the sheet it prints on, as with booklet "None".
    if (!signature || *signature == "None") return PrintPaperEdges(ppd, customMappingName, printDialogPaper);
    const std::optional<std::string> sigSize = MarkedChoice(ppd, "ZQSigSize");
    if (sigSize && GetBookletSelection(*sigSize) == 1) {
        const std::string keyword = BookletPaperPageSizeKeyword(*sigSize);
        if (ppdFindOption(ppd, "PageSize") == nullptr) return TrimmerSheetEdges{};
        ppd_size_t* size = ppdPageSize(ppd, keyword.c_str());
        return size != nullptr ? EdgesOf(size->width, size->length) : TrimmerSheetEdges{};
    }
    TrimmerSheetEdges edges = PrintPaperEdges(ppd, customMappingName, printDialogPaper);
    if (sigSize && *sigSize == "None") {
        const std::optional<std::string> region = MarkedChoice(ppd, "ZQRegionalPaperSetting");
        edges = {AdjustTrimmerBaseLength(edges.longEdge, region), AdjustTrimmerBaseWidth(edges.shortEdge, region)};
    }
    return edges;
}

std::optional<double> TrimmerSheetLongEdge(ppd_file_t* ppd, const std::optional<std::string>& customMappingName,
                                           TrimmerPaper printDialogPaper) {
    const auto edges = TrimmerSheetEdgesOf(ppd, customMappingName, printDialogPaper);
    if (!edges) return std::nullopt;
    return edges->longEdge;
}

}  // namespace zqfeat
