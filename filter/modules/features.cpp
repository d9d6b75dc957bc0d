// Finishing features: the PostScript snippets for separator pages, booklet
// image shift and auto scale, and the finishing PJL rows (tab margin,
// trimmer, numbering, offset stacking, output face) for the editions that
// write them.
#include <cstdlib>

#include "modules.h"
#include "table_support.h"

namespace zqf {

using namespace cond;

namespace {

// Condition right sides of the finishing rows.
constexpr int32_t SwitchOff = 0;
constexpr int32_t SwitchOn = 1;
constexpr int32_t TrimmerSingleCut = 2;
constexpr int32_t TrimmerTopAndBottom = 3;
constexpr int32_t OffsetEndOfSetOfPages = 4;
constexpr int32_t OffsetEndOfSetOfCopies = 5;
constexpr int32_t FaceOff = 1;
constexpr int32_t FaceDown = 2;
constexpr int32_t FaceUp = 3;
constexpr int32_t FaceDownReverse = 4;
constexpr int32_t FaceUpReverse = 5;
constexpr int32_t SeparatorNone = 1;
constexpr int32_t Absent = -1;

// Runs a device procedure inside "stopped", so a device without it (or any
// other interpreter) goes on with the job.
void NonPPDFeature(Stream& stream, const std::string& body) {
  ZQfprintf(stream, "[{\n");
  ZQfprintf(stream, "%%BeginNonPPDFeatures\n");
  ZQfprintf(stream, body);
  ZQfprintf(stream, "%%EndNonPPDFeatures\n");
  ZQfprintf(stream, "} stopped cleartomark\n");
}

bool OnlyOf(const std::string& text, const char* allowed) {
  return text.find_first_not_of(allowed) == std::string::npos;
}

// True when the ticket's value, unescaped, fits its record whole: a page
// list or margin cut to the record would name other pages or another
// margin.
bool FitsWhole(const Job& job, std::string_view name, size_t size) {
  const char* value = job.options.Get(job.Key(name));
  if (value == nullptr) return true;
  std::string text(value);
  numstrtochar(text);
  return text.size() < size;
}

// A size, shift or count goes to the device as a decimal number (the
// adjustment may be negative). Anything else, such as a negative size from a
// ticket written for no sheet, is emptied, so its row is left out rather
// than sent as a wrong or empty value.
// A number too long for its field is left out as well: cut to the field it
// would be another number. The getter cut it to its record; the ticket's
// own value, unescaped, is whole only when it is no longer than what was
// kept (ticket: the setting's name).
void KeepNumber(Job& job, std::string& value, bool mayBeNegative, const char* name, std::string_view ticket) {
  if (value.empty()) return;
  const size_t digits = mayBeNegative && value[0] == '-' ? 1 : 0;
  const bool number = value.size() > digits && OnlyOf(value.substr(digits), "0123456789");
  if (number && FitsWhole(job, ticket, value.size() + 1)) return;
  job.Log("WARNING", std::string(name) + (number ? " does not fit its field; left out" : " is not a number; left out"));
  value.clear();
}

// Rows x columns of the job's layout; 0 when there is none.
long long LayoutCells(const Job& job) {
  return std::atoll(job.StdLayoutRowInfo.c_str()) * std::atoll(job.StdLayoutColumnInfo.c_str());
}

}  // namespace

TicketTable FeaturesticketData(Job& job) {
  auto& r = job.mod.features;
  const auto text = GetTicketStringConvertedToPrtLang;
  const auto integer = GetTicketInteger;
  return {
      {job.Key("TabMarginSwitchTicket"), &r.tabMarginSwitch, 4, integer},
      {job.Key("TrimmerSwitchTicket"), &r.trimmerSwitch, 4, integer},
      {job.Key("TrimmerSelectTicket"), &r.trimmerSelect, 4, integer},
      {job.Key("BookletMarginSwitchTicket"), &r.bookletMarginSwitch, 4, integer},
      {job.Key("TabMarginMMShiftTicket"), &r.tabShift, 5, text},
      {job.Key("TrimmerMMCuttingSizeTicket"), &r.trimmerCuttingSize, 5, text},
      {job.Key("TrimmerWidthMMSizeTicket"), &r.trimmerWidth, 5, text},
      {job.Key("TrimmerHeightMMSizeTicket"), &r.trimmerHeight, 5, text},
      {job.Key("TrimmerAdjustMMSizeTicket"), &r.trimmerAdjust, 5, text},
      {job.Key("NumInSequenceSwitchTicket"), &r.numInSequenceSwitch, 4, integer},
      {job.Key("NumInSequenceLArrowTicket"), &r.numInSequence, 5, text},
      {job.Key("OffsetStackingListTicket"), &r.offsetStacking, 4, integer},
      {job.Key("OffsetStackingPagesLArrowTicket"), &r.offsetPages, 6, text},
      {job.Key("OffsetStackingUnitsLArrowTicket"), &r.offsetCopies, 6, text},
      {job.Key("SeparatorPageListTicket"), &r.separatorPageKind, 4, integer},
      {job.Key("SeparatorPageTicket"), &r.separatorPages, 100, text},
      {job.Key("AutoFitSwitchTicket"), &r.autoFit, 4, integer},
      {job.Key("BookletMarginMMShiftTicket"), &r.bookletMargin, 5, text},
      {job.Key("EjectOptionsListTicket"), &r.ejectOption, 4, integer},
      {"media", &r.media, 100, text},
      {job.Key("whetherMediaSizeA5Ticket"), &r.specialPagesA5, 4, integer},
      {"ZQNumPunchHoles", &r.punchHoles, 100, text},
      {job.Key("featuresMediaTypeTabTicket"), &r.featuresTabStock, 100, text},
      {job.Key("CoilPunchFaceTicket"), &r.coilPunchFace, 100, text},
      {job.Key("whetherMediaTypeTabTicket"), &r.specialPagesTabStock, 4, integer},
  };
}

void FeaturesInializeDescriptionTableFromFilter(Job& job) {
  auto& r = job.mod.features;
  const auto attr = [](const char* name, bool withValue) {
    return std::string("@PJL SET JOBATTR=%c@") + name + (withValue ? "=%s%c%c" : "%c%c");
  };
  const SymPara fixed{{Q, Q, LF}};
  const auto value = [](const std::string& v) { return SymPara{{Q, &v, Q, LF}}; };

  const auto trimSingle = Is(r.trimmerSelect, TrimmerSingleCut);
  const auto trimTopBottom = Is(r.trimmerSelect, TrimmerTopAndBottom);
  const auto pages = Is(r.offsetStacking, OffsetEndOfSetOfPages);
  const auto copies = Is(r.offsetStacking, OffsetEndOfSetOfCopies);
  // Output face for coil punching: the face depends on the paper.
  const auto faceOff = Is(r.ejectOption, FaceOff);
  const auto coil = Contains(r.punchHoles, "Coil");
  const auto coilFace = Equals(r.coilPunchFace, "true");
  const auto plainStock = Equals(r.featuresTabStock, "false");
  const auto tabStock = Equals(r.featuresTabStock, "true");
  const auto spPlain = Is(r.specialPagesTabStock, SwitchOff);
  const auto spTab = Is(r.specialPagesTabStock, SwitchOn);
  const auto a5 = Contains(r.media, "A5");
  const auto notA5 = Lacks(r.media, "A5");
  const auto spA5 = Is(r.specialPagesA5, SwitchOn);
  const auto spNotA5 = Is(r.specialPagesA5, SwitchOff);

  r.fmt = {
      {attr("TABS=OFF", false), fixed, {{Is(r.tabMarginSwitch, SwitchOff)}}},
      {attr("TABS", true), value(r.tabShift), {{Is(r.tabMarginSwitch, SwitchOn), Filled(r.tabShift)}}},
      {attr("TRMR=0", false), fixed, {{Is(r.trimmerSwitch, SwitchOff)}}},
      {attr("TRMR", true), value(r.trimmerCuttingSize), {{Is(r.trimmerSwitch, SwitchOn), Filled(r.trimmerCuttingSize)}}},
      {attr("TRMR", true), value(r.trimmerCuttingSize), {{trimSingle, Filled(r.trimmerCuttingSize)}}},
      {attr("TRMR", true), value(r.trimmerWidth), {{trimTopBottom, Filled(r.trimmerWidth)}}},
      {attr("TRFW", true), value(r.trimmerHeight), {{trimTopBottom, Filled(r.trimmerHeight)}}},
      {attr("TRFW=0", false), fixed, {{trimSingle}}},
      {attr("TROP", true), value(r.trimmerAdjust), {{trimTopBottom, Filled(r.trimmerAdjust)}}},
      {attr("TROP=0", false), fixed, {{trimSingle}}},
      {attr("MDOC=0", false), fixed, {{Is(r.numInSequenceSwitch, SwitchOff)}}},
      {attr("MDOC", true), value(r.numInSequence), {{Is(r.numInSequenceSwitch, SwitchOn), Filled(r.numInSequence)}}},
      {"@PJL SET JOBOFFSET=PAGES%c", {{LF}}, {{pages}}},
      {"@PJL SET JOBOFFSET=COPIES%c", {{LF}}, {{copies}}},
      {attr("OCSN", true), value(r.offsetPages), {{pages, Filled(r.offsetPages)}}},
      {attr("OCSN", true), value(r.offsetCopies), {{copies, Filled(r.offsetCopies)}}},
      {attr("FACE=OFF", false), fixed, {{faceOff, coil, plainStock, spPlain, coilFace, notA5, spNotA5}}},
      {attr("FACE=OFF", false), fixed, {{faceOff, Lacks(r.punchHoles, "Coil"), coilFace}}},
      {attr("FACE=OFF", false), fixed, {{faceOff, Equals(r.coilPunchFace, "false")}}},
      {attr("FACE=DOWN", false), fixed, {{Is(r.ejectOption, FaceDown)}}},
      {attr("FACE=UP", false), fixed, {{Is(r.ejectOption, FaceUp)}}},
      {attr("FACE=DOWN_REVERSE", false), fixed, {{Is(r.ejectOption, FaceDownReverse)}}},
      {attr("FACE=UP_REVERSE", false), fixed, {{Is(r.ejectOption, FaceUpReverse)}}},
      {attr("FACE=UP", false), fixed, {{faceOff, coil, plainStock, spPlain, a5, spNotA5, coilFace}}},
      {attr("FACE=UP", false), fixed, {{faceOff, coil, plainStock, spPlain, notA5, spA5, coilFace}}},
      {attr("FACE=UP", false), fixed, {{faceOff, coil, plainStock, spPlain, a5, spA5, coilFace}}},
      {attr("FACE=UP", false), fixed, {{faceOff, coil, tabStock, spPlain, coilFace}}},
      {attr("FACE=UP", false), fixed, {{faceOff, coil, plainStock, spTab, coilFace}}},
      {attr("FACE=UP", false), fixed, {{faceOff, coil, tabStock, spTab, coilFace}}},
  };
}

void FeaturesGetTicketFromPDE(Job& job) {
  GetTicketFromArray(job, FeaturesticketData(job));
  auto& r = job.mod.features;
  KeepNumber(job, r.tabShift, false, "Tab margin shift", "TabMarginMMShiftTicket");
  KeepNumber(job, r.trimmerCuttingSize, false, "Trimmer cutting size", "TrimmerMMCuttingSizeTicket");
  KeepNumber(job, r.trimmerWidth, false, "Trimmer width", "TrimmerWidthMMSizeTicket");
  KeepNumber(job, r.trimmerHeight, false, "Trimmer height", "TrimmerHeightMMSizeTicket");
  KeepNumber(job, r.trimmerAdjust, true, "Trimmer adjustment", "TrimmerAdjustMMSizeTicket");
  KeepNumber(job, r.numInSequence, false, "Number in sequence", "NumInSequenceLArrowTicket");
  KeepNumber(job, r.offsetPages, false, "Offset stacking pages", "OffsetStackingPagesLArrowTicket");
  KeepNumber(job, r.offsetCopies, false, "Offset stacking copies", "OffsetStackingUnitsLArrowTicket");
}

void FeaturesOutputEPJLCommandFromFilter(Job& job) { OutputEPJLCommandFromArray(job, job.mod.features.fmt); }

void FeaturesOutputSeparatorPages(Job& job, Stream& stream) {
  const auto& r = job.mod.features;
  if (r.separatorPageKind == Absent || r.separatorPageKind == SeparatorNone) return;
  // The list goes into a PostScript array: page numbers and spaces only.
  if (!OnlyOf(r.separatorPages, "0123456789 ") || !FitsWhole(job, "SeparatorPageTicket", 100)) {
    job.Log("WARNING", "Separator page list is not a list of page numbers; separator pages left out");
    return;
  }
  NonPPDFeature(stream, "1 dict dup/SeparatorPages[" + r.separatorPages +
                            "]put/Custom/ProcSet findresource/setcoverseparator get exec\n");
}

void FeaturesOutputAutoFit(Job& job, Stream& stream) {
  const auto& r = job.mod.features;
  if (r.bookletMarginSwitch == Absent || r.bookletMarginSwitch == SwitchOff) return;
  if (!r.bookletMargin.empty() && OnlyOf(r.bookletMargin, "0123456789") &&
      FitsWhole(job, "BookletMarginMMShiftTicket", 5)) {
    NonPPDFeature(stream, r.bookletMargin + ".000/Custom/ProcSet findresource/setsignatureimageshift get exec\n");
  } else {
    job.Log("WARNING", "Booklet margin is not a number of millimetres; booklet image shift left out");
  }
  if (r.autoFit == Absent) return;
  const char* scale = r.autoFit == SwitchOff ? "false" : "true";
  NonPPDFeature(stream, std::string("/Custom/ProcSet findresource/setsignatureautoscale 2 copy known {get ") +
                            scale + " exch exec} {pop pop} ifelse\n");
}

void FeaturesOutputPSCommandFromFilter(Job& job, int event, int, Stream& stream) {
  // Under N-up the separator pages wait for the layout's own setup.
  const long long cells = LayoutCells(job);
  const bool oneUp = cells == 0 || cells == 1;
  if ((event == 14 && oneUp) || (event == 21 && cells > 1)) FeaturesOutputSeparatorPages(job, stream);
  if (event == 16 && oneUp) FeaturesOutputAutoFit(job, stream);
}

const FilterModule FeaturesModule{"Features", FeaturesInializeDescriptionTableFromFilter, FeaturesGetTicketFromPDE,
                                  FeaturesOutputEPJLCommandFromFilter, FeaturesOutputPSCommandFromFilter};

}  // namespace zqf
