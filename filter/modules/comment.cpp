// The job-information block ("@PJL COMMENT ZQJOBINFO" lines that devices
// use to show and account the job) and the header lines written by code:
// booklet, banner sheet, registration adjustment, toner saver, line weight
// and render mode.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <limits>

#include "../core/choice_rules.h"
#include "modules.h"
#include "table_support.h"

namespace zqf {

namespace {

constexpr const char* kJobInfo = "@PJL COMMENT ZQJOBINFO ";

// The choice names the writers below act on.
using Word = std::pair<const char*, const char*>;  // choice (or part of it), device word
constexpr const char* kStapleOff[] = {"None", "SaddleStaple"};
constexpr Word kStaplePositions[] = {{"LeftDouble", "LEFTDUAL"},     {"UpperLeftSingle", "TOPLEFT"},
                                     {"TopDouble", "TOPDUAL"},       {"UpperRightSingle", "TOPRIGHT"},
                                     {"RightDouble", "RIGHTDUAL"},   {"LowerRightSingle", "BOTTOMRIGHT"},
                                     {"BottomDouble", "BOTTOMDUAL"}, {"LowerLeftSingle", "BOTTOMLEFT"}};
constexpr const char* kPunchOff = "None";
constexpr Word kPunchLocations[] = {{"Left", "LEFT"}, {"Top", "TOP"}, {"Right", "RIGHT"}, {"Bottom", "BOTTOM"}};
constexpr Word kPunchHoles[] = {{"2Holes", "TWO"}, {"3Holes", "THREE"}, {"4Holes", "FOUR"}, {"CoilPunch", "COIL"}};
constexpr const char* kSignatureLeft[] = {"LeftSig", "LeftSigCenterStaple", "LeftSigFold"};
constexpr const char* kSignatureRight[] = {"RightSig", "RightSigCenterStaple", "RightSigFold"};
constexpr const char* kTonerSaverUserInput = "UserInput";
constexpr Word kTonerSaverModes[] = {
    {"false", "OFF"}, {"true", "ON"}, {"Mode1", "MODE1"}, {"Mode2", "MODE2"}, {"Mode3", "MODE3"}};
constexpr Word kBannerSheets[] = {{"None", "OFF"}, {"UserPrinterSetting", "DEVICE"}, {"PrintStartPage", "START"}};
constexpr const char* kColorModes[] = {"Color", "Black"};

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

bool PpdHasOption(const Job& job, const char* keyword) {
  return job.ppd && ppdFindOption(job.ppd.get(), keyword) != nullptr;
}

bool AttrIs(const Job& job, const char* name, const char* value) {
  const char* v = job.PpdAttr(name);
  return v != nullptr && std::strcmp(v, value) == 0;
}

// A decimal number of the whole text (leading blanks and a sign allowed),
// within the 32-bit range; false for anything else.
bool ParseWholeInt(std::string_view text, int32_t& out) {
  std::string s(text);
  if (s.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(s.c_str(), &end, 10);
  if (end == s.c_str() || *end != '\0' || errno == ERANGE) return false;
  if (v > std::numeric_limits<int32_t>::max() || v < -std::numeric_limits<int32_t>::max()) return false;
  out = static_cast<int32_t>(v);
  return true;
}

// The first word whose key the choice contains, or nullptr.
template <typename Range>
const char* FirstFound(const std::string& choice, const Range& words) {
  for (const auto& [key, word] : words) {
    if (Has(choice, key)) return word;
  }
  return nullptr;
}

// The device word of the first pair whose choice equals the choice.
template <typename Range>
const char* Exactly(std::string_view choice, const Range& words) {
  for (const auto& [key, word] : words) {
    if (choice == key) return word;
  }
  return nullptr;
}

// The sheet count of a booklet subset ("20Sheets" divides every 20 sheets),
// empty when the subset names none (no count, or a count of no sheets).
std::string SubsetThreshold(const std::string& subset) {
  const std::string threshold = subset.substr(0, subset.find("Sheet"));
  if (threshold.empty() || threshold.find_first_not_of("0123456789") != std::string::npos) return {};
  if (threshold.find_first_not_of('0') == std::string::npos) return {};
  return threshold;
}

bool SubsetReadable(const std::string& subset) { return subset == "None" || !SubsetThreshold(subset).empty(); }

// The PPD's default choice of an option when the rule reads it, else
// fallback.
template <typename Readable>
std::string DefaultChoice(const Job& job, const char* keyword, Readable readable, const char* fallback) {
  const ppd_option_t* option = job.ppd ? ppdFindOption(job.ppd.get(), keyword) : nullptr;
  return option != nullptr && readable(std::string(option->defchoice)) ? option->defchoice : fallback;
}

// One kind of booklet, or none: a printer without booklets gets no booklet
// lines whatever the job names; a booklet is divided as its subset says,
// a subset the device cannot use (no sheet count) as the printer's default
// subset, and no subset at all means not divided.
void SettleBooklet(Job& job, CommentState& r) {
  if (job.ppd && !PpdHasOption(job, "ZQSignature")) r.signature.clear();
  if (r.signature.empty() || r.signature == "None" || SubsetReadable(r.signatureSubset)) return;
  if (!r.signatureSubset.empty()) {
    job.Log("WARNING", "Booklet subset names no number of sheets; the printer's default subset is used");
  }
  r.signatureSubset = DefaultChoice(job, "ZQSigVol", SubsetReadable, "None");
}

// A punch edge is said with its holes: holes the device cannot use are the
// printer's default holes, and where the printer's holes are "none" nothing
// is punched. A printer without a holes choice is told only of the punch.
void SettlePunch(Job& job, CommentState& r) {
  const auto holes = [](const std::string& c) { return FirstFound(c, kPunchHoles) != nullptr; };
  if (FirstFound(r.punch, kPunchLocations) == nullptr || holes(r.punchHoles)) return;
  if (!PpdHasOption(job, "ZQNumPunchHoles")) return;
  r.punchHoles = DefaultChoice(job, "ZQNumPunchHoles", holes, "");
  if (!r.punchHoles.empty()) {
    job.Log("WARNING", "Punch names no holes; the printer's default holes are used");
    return;
  }
  job.Log("WARNING", "Punch names no holes; nothing is punched");
  r.punch = kPunchOff;
}

// The line-weight digit with its sign ("-2" for "Strongly2"), empty for a
// choice that names neither direction or no digit.
std::string LineWeightStep(const std::string& weight) {
  if (!Has(weight, "Strongly") && !Has(weight, "Weakly")) return {};
  const size_t digit = weight.find_first_of("0123456789");
  if (digit == std::string::npos) return {};
  return (Has(weight, "Strongly") ? "-" : "") + std::string(1, weight[digit]);
}

// The job's colour as the device should see it: COLOR, GRAYSCALE, or
// nothing when the choice is one the rule does not know.
const char* ColorWord(const Job& job) {
  const std::string& mode = job.mod.comment.colorMode;
  if (mode.empty()) return IsColorDeivce(job) && getDefaultColorMode(job) ? "COLOR" : "GRAYSCALE";
  if (mode == kColorModes[0]) return "COLOR";
  if (mode == kColorModes[1]) return "GRAYSCALE";
  return PpdHasOption(job, "ZQColorMode") ? nullptr : "GRAYSCALE";
}

// The number text of a registration choice: short choices whole, longer
// ones from their eighth character on.
std::string RegiNumberText(const std::string& choice) {
  if (choice.size() <= 6) return choice;
  if (choice.size() == 7) return {};
  return choice.substr(7, 7);
}

void WriteRegi(Job& job, const std::string& choice, const char* name) {
  if (choice.empty()) return;
  const std::string text = RegiNumberText(choice);
  if (text.empty()) return;
  const double value = std::strtod(text.c_str(), nullptr);
  const double tenths = std::round(value * 10.0);
  // Seven characters of a number can still overflow an integer ("9e9999").
  if (!std::isfinite(tenths) || std::fabs(tenths) > std::numeric_limits<int32_t>::max()) return;
  const int32_t n = static_cast<int32_t>(tenths);
  WritePjlLine(job, std::string("@PJL SET JOBATTR=\"@") + name + "=%d\"\n", {&n});
}

// The job's collation ("collate" and "nocollate" are parsed as the option
// collate, true or false), empty when the job says none. The option string
// is not searched for the word: an option named "...UncollateSeparator", or
// a document called "collate", is no collation.
std::string CollateText(const char* value) {
  if (value == nullptr) return {};
  for (const char* word : {"true", "yes", "on"}) {
    if (strcasecmp(value, word) == 0) return "collate";
  }
  for (const char* word : {"false", "no", "off"}) {
    if (strcasecmp(value, word) == 0) return "nocollate";
  }
  return {};
}

}  // namespace

TicketTable CommentticketDataCommon(Job& job) {
  auto& r = job.mod.comment;
  const auto text = GetTicketStringConvertedToPrtLang;
  const auto integer = GetTicketInteger;
  return {
      {"sides", &r.sides, 256, text},
      {"ZQColorMode", &r.colorMode, 256, text},
      {"number-up", &r.numberUp, 256, GetNumberUpTicketStringForComment},
      {"ZQStaple", &r.staple, 256, text},
      {"ZQPunch", &r.punch, 256, text},
      {"ZQNumPunchHoles", &r.punchHoles, 256, text},
      {"ZQSignature", &r.signature, 256, text},
      {"ZQSigVol", &r.signatureSubset, 256, text},
      {"ZQLineWeightAdjustment", &r.lineWeight, 256, text},
      {"ZQTonerSaver", &r.tonerSaver, 256, text},
      {"ZQTonerReductionRate", &r.tonerReduction, 256, text},
      {"DuplexBindingEdge..n.", &r.bindingEdge, 4, integer},
      {"com.apple.print.PrintSettings.PMCopies..n.", &r.copies, 4, integer},
      {"orientation-requested", &r.orientation, 4, integer},
      {"com.apple.print.PrintSettings.PMLayoutDirection..n.", &r.layoutDirection, 4, integer},
  };
}

TicketTable CommentticketData(Job& job) {
  auto& r = job.mod.comment;
  const auto text = GetTicketStringConvertedToPrtLang;
  TicketTable rows = CommentticketDataCommon(job);
  // The banner sheet and the registration adjustment follow the toner rows.
  const TicketTable writers = {
      {"ZQBannerSheet", &r.bannerSheet, 256, text},
      {"ZQMRVNAdjustRegiHorizontal", &r.regiHorizontal, 256, text},
      {"ZQMRVNAdjustRegiVertical", &r.regiVertical, 256, text},
  };
  rows.insert(rows.begin() + 11, writers.begin(), writers.end());
  rows.push_back({job.Key("PrintTypeTicketKey"), &r.printType, 4, GetTicketInteger});
  return rows;
}

void CommentReadTicket(Job& job, const TicketTable& rows) {
  auto& r = job.mod.comment;
  r = CommentState{};
  GetTicketFromArray(job, rows);

  r.collate = CollateText(job.options.Get("collate"));
  if (r.sides.empty() || r.bindingEdge == 0) r.sides = "one-sided";
  SettleBooklet(job, r);
  SettlePunch(job, r);
  if (!r.signature.empty() && r.signature != "None") r.sides = "two-sided-short-edge";
  if (r.orientation == -1) r.orientation = 1;
  if (r.layoutDirection == -1) r.layoutDirection = 1;
  // Without the dialog's copies the job's own count stands, as the
  // scheduler gave it.
  if (r.copies == -1) {
    int32_t copies = 0;
    r.copies = ParseWholeInt(job.Arg(4), copies) && copies > 0 ? copies : 1;
  }
}

void CommentGetTicketFromPDE(Job& job) {
  auto& r = job.mod.comment;
  CommentReadTicket(job, CommentticketData(job));
  const std::string& raw = job.options.raw();
  if (PpdHasOption(job, "ZQMRVNAdjustRegiHorizontal") && !Has(raw, "ZQMRVNAdjustRegiHorizontal")) {
    r.regiHorizontal = "0.0";
  }
  if (PpdHasOption(job, "ZQMRVNAdjustRegiVertical") && !Has(raw, "ZQMRVNAdjustRegiVertical")) {
    r.regiVertical = "0.0";
  }
}

bool IsColorDeivce(const Job& job) { return AttrIs(job, "ColorDevice", "True"); }

bool getDefaultColorMode(const Job& job) {
  if (!job.ppd) return false;
  const ppd_option_t* option = ppdFindOption(job.ppd.get(), "ZQColorMode");
  return option != nullptr && std::strcmp(option->defchoice, "Color") == 0;
}

void OutputEPJLCommandforBooklet(Job& job) {
  if (!AttrIs(job, "ZQPrinterLanguageEncoding", "UTF-8")) return;
  const auto& r = job.mod.comment;
  const char* direction = "PORTRAIT";
  if (!r.numberUp.empty()) {
    const int n = std::atoi(r.numberUp.c_str());
    const bool wide = (n == 2 || n == 6) ? (r.orientation == 1 || r.orientation == 6)
                                         : (r.orientation == 4 || r.orientation == 5);
    if (wide) direction = "LANDSCAPE";
  }
  ZQfputs(std::string("@PJL SET JOBATTR=\"@DIND=") + direction + "\"\n", job.out);
  if (r.signature.empty()) return;
  if (r.signature == "None") {
    ZQfputs("@PJL SET JOBATTR=\"@DIBB=OFF\"\n", job.out);
    ZQfputs("@PJL SET JOBATTR=\"@DIBK=OFF\"\n", job.out);
    return;
  }
  if (Has(r.signature, "Left")) ZQfputs("@PJL SET JOBATTR=\"@DIBB=LEFT\"\n", job.out);
  if (Has(r.signature, "Right")) ZQfputs("@PJL SET JOBATTR=\"@DIBB=RIGHT\"\n", job.out);
  const bool divided = !r.signatureSubset.empty() && r.signatureSubset != "None";
  ZQfputs(divided ? "@PJL SET JOBATTR=\"@DIBK=MANUALDIVIDE\"\n" : "@PJL SET JOBATTR=\"@DIBK=NONEDIVIDE\"\n", job.out);
}

void OutputEPJLCommandforBannerSheet(Job& job) {
  const auto& r = job.mod.comment;
  if (r.bannerSheet.empty()) return;
  const char* value = r.printType == OptionSecurePrint ? "OFF" : Exactly(r.bannerSheet, kBannerSheets);
  if (value != nullptr) ZQfputs(std::string("@PJL SET JOBATTR=\"@BANR=") + value + "\"\n", job.out);
}

void OutputEPJLCommandforMRVNAdjustRegi(Job& job) {
  WriteRegi(job, job.mod.comment.regiHorizontal, "RCFM");
  WriteRegi(job, job.mod.comment.regiVertical, "RCFS");
}

void OutputEPJLCommandForTonerSaver(Job& job) {
  const auto& r = job.mod.comment;
  if (r.tonerSaver.empty()) return;
  if (r.tonerSaver == kTonerSaverUserInput) {
    if (r.tonerReduction.size() < 8) return;
    const long long rate = std::strtoll(r.tonerReduction.c_str() + 7, nullptr, 10);
    if (rate <= 0) {
      ZQfputs("@PJL SET ECONOMODE=OFF\n", job.out);
      ZQfputs("@PJL SET REDUCTIONRATE=0\n", job.out);
      return;
    }
    const int32_t capped = rate > 99 ? 99 : static_cast<int32_t>(rate);
    ZQfputs("@PJL SET ECONOMODE=ON\n", job.out);
    WritePjlLine(job, "@PJL SET REDUCTIONRATE=%d\n", {&capped});
    return;
  }
  if (const char* mode = Exactly(r.tonerSaver, kTonerSaverModes)) {
    ZQfputs(std::string("@PJL SET ECONOMODE=") + mode + "\n", job.out);
  }
  ZQfputs("@PJL SET REDUCTIONRATE=0\n", job.out);
}

void OutputEPJLCommandOthers(Job& job) {
  const std::string& weight = job.mod.comment.lineWeight;
  if (weight == "Normal") {
    ZQfputs("@PJL SET JOBATTR=\"@LWAD=0\"\n", job.out);
  } else if (const std::string step = LineWeightStep(weight); !step.empty()) {
    ZQfputs("@PJL SET JOBATTR=\"@LWAD=" + step + "\"\n", job.out);
  }
  if (const char* color = ColorWord(job)) ZQfputs(std::string("@PJL SET RENDERMODE=") + color + "\n", job.out);
}

void OutputEPJLCommandforCommentVersionLow(Job& job) { ZQfputs("@PJL COMMENT ZQJOBINFO VERSION=1.3.0\n", job.out); }
void OutputEPJLCommandforCommentVersionHigh(Job& job) { ZQfputs("@PJL COMMENT ZQJOBINFO VERSION=1.5.0\n", job.out); }
void OutputEPJLCommandforCommentEnd(Job& job) { ZQfputs("@PJL COMMENT ZQJOBINFO END\n", job.out); }

void OutputEPJLCommandforCommentBegin(Job& job) {
  ZQfputs("@PJL COMMENT ZQJOBINFO BEGIN\n", job.out);
  ZQfputs("@PJL COMMENT ZQJOBINFO PDLTYPE=PDL[POSTSCRIPT]:VERSION[3]\n", job.out);
  ZQfputs("@PJL COMMENT ZQJOBINFO JOBTYPE=PRINT\n", job.out);
}

void OutputEPJLCommandforCommentBasic(Job& job) {
  const auto& r = job.mod.comment;
  const std::string info = kJobInfo;
  static const int32_t kOne = 1;
  if (r.collate == "collate") {
    WritePjlLine(job, info + "JOBCOPIES=%d\n", {&r.copies});
    WritePjlLine(job, info + "PAGECOPIES=%d\n", {&kOne});
  } else if (r.collate == "nocollate") {
    WritePjlLine(job, info + "PAGECOPIES=%d\n", {&r.copies});
    WritePjlLine(job, info + "JOBCOPIES=%d\n", {&kOne});
  }

  const char* duplex = nullptr;
  if (r.sides == "two-sided-long-edge" || r.bindingEdge == 2) {
    duplex = "DUPLEX";
  } else if (r.sides == "two-sided-short-edge" || r.bindingEdge == 3) {
    duplex = "TUMBLE";
  } else if (r.bindingEdge == 1 || r.sides == "one-sided") {
    duplex = "SIMPLEX";
  }
  if (duplex != nullptr) ZQfputs(info + "DUPLEXTYPE=" + duplex + "\n", job.out);

  if (const char* color = ColorWord(job)) ZQfputs(info + "COLORMODE=" + color + "\n", job.out);
  if (!r.numberUp.empty()) WritePjlLine(job, info + "NUP=%s\n", {&r.numberUp});
  if (!r.staple.empty()) {
    const bool off = IsOneOf(r.staple, kStapleOff);
    ZQfputs(info + (off ? "STAPLE=OFF\n" : "STAPLE=ON\n"), job.out);
  }
  if (!r.punch.empty()) ZQfputs(info + (r.punch == kPunchOff ? "PUNCH=OFF\n" : "PUNCH=ON\n"), job.out);

  if (!r.signature.empty()) {
    if (r.signature == "None" || r.signatureSubset.empty()) {
      ZQfputs(info + "BOOKLETTYPE=TYPE[NOBOOKLET]\n", job.out);
    } else if (r.signatureSubset == "None") {
      ZQfputs(info + "BOOKLETTYPE=TYPE[NONEDIVIDE]\n", job.out);
    } else {
      // A subset without a sheet count says nothing the device could use.
      if (const std::string threshold = SubsetThreshold(r.signatureSubset); !threshold.empty()) {
        WritePjlLine(job, info + "BOOKLETTYPE=TYPE[MANUALDIVIDE]:THRESHOLD[%s]\n", {&threshold});
      }
    }
  }
}

namespace {

const char* Orientation(const CommentState& r) {
  const int32_t o = r.orientation;
  const bool portraitFeed = o == 1 || o == 6;
  const bool landscapeFeed = o == 4 || o == 5;
  const auto pair = [&](const char* a, const char* b) -> const char* {
    return portraitFeed ? a : landscapeFeed ? b : nullptr;
  };
  const int n = r.numberUp.empty() ? 1 : std::atoi(r.numberUp.c_str());
  const bool square = n == 1 || n == 4 || n == 9 || n == 16;
  const bool wide = n == 2 || n == 6;
  const std::string& g = r.signature;
  if (g.empty() || g == "None") {
    if (n == 1) {
      switch (o) {
        case 1: return "PORTRAIT";
        case 4: return "LANDSCAPE";
        case 5: return "ROTATEDLANDSCAPE";
        case 6: return "ROTATEDPORTRAIT";
        default: return nullptr;
      }
    }
    if (wide) return pair("LANDSCAPE", "PORTRAIT");
    if (square) return pair("PORTRAIT", "LANDSCAPE");
    return nullptr;
  }
  if (IsOneOf(g, kSignatureLeft)) {
    if (square) return pair("LANDSCAPE", "ROTATEDPORTRAIT");
    if (wide) return pair("ROTATEDPORTRAIT", "LANDSCAPE");
  }
  if (IsOneOf(g, kSignatureRight)) {
    if (square) return pair("ROTATEDLANDSCAPE", "PORTRAIT");
    if (wide) return pair("PORTRAIT", "ROTATEDLANDSCAPE");
  }
  return nullptr;
}

const char* NupOrder(const CommentState& r) {
  const int n = r.numberUp.empty() ? 0 : std::atoi(r.numberUp.c_str());
  const int32_t d = r.layoutDirection;
  if (n == 2) return d == 1 || d == 5 ? "RIGHTTODOWN" : d == 3 || d == 6 ? "LEFTTOUP" : nullptr;
  if (n > 2) {
    switch (d) {
      case 1: return "RIGHTTHENDOWN";
      case 3: return "LEFTTHENDOWN";
      case 5: return "DOWNTHENRIGHT";
      case 6: return "DOWNTHENLEFT";
      default: return nullptr;
    }
  }
  return nullptr;
}

}  // namespace

void OutputEPJLCommandforCommentAdvanced(Job& job) {
  const auto& r = job.mod.comment;
  const std::string info = kJobInfo;
  if (const char* o = Orientation(r)) ZQfputs(info + "ORIENTATION=" + o + "\n", job.out);
  if (const char* order = NupOrder(r)) ZQfputs(info + "NUPEX=" + order + "\n", job.out);
  if (!r.signature.empty()) {
    const bool saddle = r.signature == "LeftSigCenterStaple" || r.signature == "RightSigCenterStaple";
    ZQfputs(info + (saddle ? "SADDLESTAPLE=ON\n" : "SADDLESTAPLE=OFF\n"), job.out);
  }
  if (const char* staple = FirstFound(r.staple, kStaplePositions)) {
    ZQfputs(info + "STAPLEEX=" + staple + "\n", job.out);
  }
  const char* location = FirstFound(r.punch, kPunchLocations);
  const char* holes = FirstFound(r.punchHoles, kPunchHoles);
  if (location != nullptr && holes != nullptr) {
    ZQfputs(info + "PUNCHEX=HOLES[" + holes + "]:LOCATION[" + location + "]\n", job.out);
  }
  ZQfputs(info + "MIXEDSIZETYPE=NONE\n", job.out);
  ZQfputs(info + "CUD=OFF\n", job.out);
}

JobInfoVersion JobInfoBlock(const Job& job) {
  if (!job.ppd) return JobInfoVersion::None;
  const JobInfoVersion byCommentOn = AttrIs(job, "CommentOn", "True") ? JobInfoVersion::High : JobInfoVersion::None;
  if (const char* encoding = job.PpdAttr("ZQPrinterLanguageEncoding")) {
    return std::strcmp(encoding, "UTF-8") != 0 ? JobInfoVersion::Low : byCommentOn;
  }
  const char* pcFileName = job.PpdAttr("PCFileName");
  if (pcFileName == nullptr) return JobInfoVersion::None;
  for (std::string_view code : modelsWithComment()) {
    if (!code.empty() && std::string_view(pcFileName).find(code) != std::string_view::npos) return JobInfoVersion::Low;
  }
  return byCommentOn;
}

bool JobInfoWanted(const Job& job) { return JobInfoBlock(job) != JobInfoVersion::None; }

void OutputEPJLCommandforCommentBlock(Job& job, bool high) {
  if (high) {
    OutputEPJLCommandforCommentVersionHigh(job);
  } else {
    OutputEPJLCommandforCommentVersionLow(job);
  }
  OutputEPJLCommandforCommentBegin(job);
  OutputEPJLCommandforCommentBasic(job);
  if (high) OutputEPJLCommandforCommentAdvanced(job);
  OutputEPJLCommandforCommentEnd(job);
}

void OutputEPJLCommandforComment(Job& job) {
  if (JobInfoWanted(job)) OutputEPJLCommandforCommentBlock(job, false);
}

const std::vector<std::string_view>& modelsWithComment() {
  // The device list supplies the model codes; until it does, the PPD's own
  // "CommentOn" decides for PPDs without a printer encoding.
  static const std::vector<std::string_view> codes;
  return codes;
}

std::vector<ChoiceRule> CommentChoiceRules() {
  const auto found = [](const auto& words) {
    return [&words](std::string_view c) { return FirstFound(std::string(c), words) != nullptr; };
  };
  const auto keys = [](const auto& words) {
    std::vector<std::string> k;
    for (const auto& w : words) k.emplace_back(w.first);
    return k;
  };
  std::vector<std::string> signatures = {"None"};
  for (const auto* list : {&kSignatureLeft, &kSignatureRight}) {
    signatures.insert(signatures.end(), std::begin(*list), std::end(*list));
  }
  // A registration choice carries its number, whole or after "Custom.".
  const auto regi = [](std::string_view c) {
    const std::string text = RegiNumberText(std::string(c));
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return !text.empty() && end != nullptr && *end == '\0';
  };
  std::vector<std::string> tonerSaver = keys(kTonerSaverModes);
  tonerSaver.emplace_back(kTonerSaverUserInput);
  return {
      {"ZQColorMode", "colour mode", OneOf(kColorModes)},
      {"ZQStaple", "staple",
       [found](std::string_view c) { return IsOneOf(c, kStapleOff) || found(kStaplePositions)(c); }},
      {"ZQPunch", "punch", [found](std::string_view c) { return c == kPunchOff || found(kPunchLocations)(c); }},
      {"ZQNumPunchHoles", "punch holes", found(kPunchHoles)},
      {"ZQSignature", "booklet", OneOf(signatures)},
      {"ZQSigVol", "booklet subset",
       [](std::string_view c) { return c == "None" || !SubsetThreshold(std::string(c)).empty(); }},
      {"ZQLineWeightAdjustment", "line weight",
       [](std::string_view c) { return c == "Normal" || !LineWeightStep(std::string(c)).empty(); }},
      {"ZQTonerSaver", "toner saver", OneOf(tonerSaver)},
      {"ZQBannerSheet", "banner sheet", OneOf(keys(kBannerSheets))},
      {"ZQMRVNAdjustRegiHorizontal", "registration", regi},
      {"ZQMRVNAdjustRegiVertical", "registration", regi},
  };
}

const FilterModule CommentModule{"Comment", nullptr, CommentGetTicketFromPDE, nullptr, nullptr};

}  // namespace zqf
