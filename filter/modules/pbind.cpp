// Perfect binding: the binder's position, trimming, cut sizes and cover,
// as device keywords and sizes in tenths of millimetres.
#include <cstdlib>
#include <limits>

#include "../core/choice_rules.h"
#include "modules.h"
#include "table_support.h"

namespace zqf {

namespace {

struct PBindPair {
  const char* choice;
  const char* keyword;
};

// The binder's positions: choice, device position and the rotation it
// prints with.
constexpr struct {
  const char* choice;
  const char* position;
  const char* rotation;
} kBindPositions[] = {
    {"BindLeft", "LEFT", "ROTSEFLAND"}, {"BindRight", "RIGHT", "ROTLEFPORT"}, {"BindTop", "TOP", "ROTSEFLAND"}};
constexpr const char* kNone = "None";
// Trimming choices begin with the edges they cut.
constexpr const char* kTrimFace = "1Edge";
constexpr const char* kTrimFullBleed = "3Edge";
// A DL cover is printed on Tabloid.
constexpr const char* kCoverDL = "DL";

// PPD choice names of sizes, media types, colours and trays, and the
// device's keywords for them.
constexpr PBindPair PerfectBindParam[] = {
    {"A3", "A3"}, {"A4", "A4"}, {"A5", "A5"}, {"B4", "JISB4"}, {"B5", "JISB5"}, {"SRA3", "SA3"},
    {"8x10", "8X10"}, {"ZQ11x15", "11X15"}, {"ZQ889x122", "SPECIALA4"}, {"ZQ122x170", "DT_SPECIALA3"},
    {"ZQ126x192", "126X192"}, {"ZQ13x18", "13X18"}, {"ZQ13x19", "13X19"}, {"ZQ16-KAI", "ROC16K"},
    {"ZQ16-KAI-GCO", "16KAIGCO"}, {"ZQ8-KAI", "ROC8K"}, {"ZQ8-KAI-GCO", "8KAIGCO"}, {"ZQA4Cover", "A4COVER"},
    {"9x11", "LETTERCOVER"}, {"Letter", "LETTER"}, {"Executive", "EXECUTIVE"}, {"Tabloid", "LEDGER"},
    {"TabloidExtra", "12X18"},
    {"Default", "OFF"}, {"Stationary", "NORMAL"}, {"StationaryS1", "NORMALS1"}, {"RecyclePaper", "RECYCLE"},
    {"RecyclePaperS1", "RECYCLES1"}, {"ThickPaper", "THICK"}, {"ThickPaperS1", "THICKS1"},
    {"ThickPaper2", "SUPERTHICK"}, {"ThickPaper2S1", "SUPERTHICKS1"}, {"CoatingPaper1", "COATEDPAPER"},
    {"CoatingPaper1A", "COATEDPAPERA"}, {"CoatingPaper1B", "COATEDPAPERB"}, {"CoatingPaper2", "COATEDPAPER2"},
    {"PrePrintedPaper", "PREPRINTED"}, {"PrePrintedThickPaper1", "PREPRINTEDTHICK1"},
    {"PrePrintedThickPaper1S1", "PREPRINTEDTHICK1S1"}, {"PrePrintedThickPaper2", "PREPRINTEDTHICK2"},
    {"PrePrintedThickPaper2S1", "PREPRINTEDTHICK2S1"}, {"PrePrintedPlainPaperS1", "PREPRINTEDS1"},
    {"CustomSizedPaper1", "USER1"}, {"CustomSizedPaper2", "USER2"}, {"CustomSizedPaper3", "USER3"},
    {"CustomSizedPaper4", "USER4"}, {"CustomSizedPaper5", "USER5"},
    {"White", "WHITE"}, {"Blue", "BLUE"}, {"Yellow", "YELLOW"}, {"Green", "GREEN"}, {"Pink", "PINK"},
    {"Clear", "CLEAR"}, {"Ivory", "IVORY"}, {"Gray", "GRAY"}, {"Buff", "BUFF"}, {"Goldenrod", "GOLDENROD"},
    {"Red", "RED"}, {"Orange", "ORANGE"}, {"Custom1", "CUSTOM1"}, {"Custom2", "CUSTOM2"}, {"Custom3", "CUSTOM3"},
    {"Custom4", "CUSTOM4"}, {"Custom5", "CUSTOM5"}, {"Other", "OTHER"}, {"Any", "UNSPECIFIED"},
    {"AutoTray", "AUTO"}, {"1stTray", "INTRAY1"}, {"2ndTray", "INTRAY2"}, {"3rdTray", "INTRAY3"},
    {"4thTray", "INTRAY4"}, {"MSI", "INTRAY5"}, {"6thTrayOverSized", "INTRAY6"}, {"7thTrayOverSized", "INTRAY7"},
    {"HCF1", "INTRAY6"}, {"HCF2", "INTRAY7"}, {"PBindInserter", "INTRAY9"},
};

void Name(Job& job, const char* name, const std::string& value) {
  if (value.empty()) return;
  WritePjlLine(job, std::string("@PJL SET JOBATTR=\"@") + name + "=%s\"\n", {&value});
}

void Number(Job& job, const char* name, int64_t value) {
  const int32_t max = std::numeric_limits<int32_t>::max();
  const int32_t n = static_cast<int32_t>(value > max ? max : value < -max ? -max : value);
  WritePjlLine(job, std::string("@PJL SET JOBATTR=\"@") + name + "=%d\"\n", {&n});
}

// An adjustment choice as an integer (atoi-like, bounded).
int64_t Int(const std::string& text) {
  const long long v = std::strtoll(text.c_str(), nullptr, 10);
  const long long max = std::numeric_limits<int32_t>::max();
  return v > max ? max : v < -max ? -max : v;
}

// "7mm" -> 7: the text without its unit.
int64_t Millimetres(const std::string& text) { return text.size() > 2 ? Int(text.substr(0, text.size() - 2)) : 0; }

// A PPD size in tenths of millimetres, length and width.
bool SizeOf(const Job& job, const std::string& name, int64_t& length, int64_t& width) {
  if (!job.ppd) return false;
  const ppd_size_t* size = ppdPageSize(job.ppd.get(), name.c_str());
  if (size == nullptr) return false;
  length = static_cast<int64_t>(size->length) * 60 / 170 * 10;
  width = static_cast<int64_t>(size->width) * 60 / 170 * 10;
  return true;
}

}  // namespace

std::string convertPBindPPDValue(std::string_view choice) {
  for (const auto& pair : PerfectBindParam) {
    if (choice == pair.choice) return pair.keyword;
  }
  return {};
}

TicketTable PBindticketData(Job& job) {
  auto& r = job.mod.pbind;
  const auto text = GetTicketStringConvertedToPrtLang;
  return {
      {"ZQPBindPosition", &r.position, 256, text},
      {"ZQPBindTrimming", &r.trimming, 256, text},
      {"ZQPBindCutPageSize", &r.cutPageSize, 256, text},
      {"ZQPBindCutPositionTop", &r.cutPositionTop, 256, text},
      {"ZQPBindCutPositionFore", &r.cutPositionFore, 256, text},
      {"ZQPBindCutPageAdjustmentFore", &r.cutAdjustFore, 256, text},
      {"ZQPBindCutPageAdjustmentTB", &r.cutAdjustTB, 256, text},
      {"ZQPBindRotationAdjustTop", &r.rotationAdjustTop, 256, text},
      {"ZQPBindRotationAdjustBot", &r.rotationAdjustBottom, 256, text},
      {"ZQPBindRotationAdjustFore", &r.rotationAdjustFore, 256, text},
      {"ZQPBindCoverAdjustX", &r.coverAdjustX, 256, text},
      {"ZQPBindCoverAdjustY", &r.coverAdjustY, 256, text},
      {"ZQPBindCoverPageSize", &r.coverPageSize, 256, text},
      {"ZQPBindCoverMediaType", &r.coverMediaType, 256, text},
      {"ZQPBindCoverMediaColor", &r.coverMediaColor, 256, text},
      {"ZQPBindCoverPaperTray", &r.coverPaperTray, 256, text},
      {"ZQPBindPageSize", &r.pageSize, 256, text},
      {"ZQPBindCutPositionAdjustmentTB", &r.cutPositionAdjustTB, 256, text},
      {"noZQPBindImagePosition", &r.imagePosition, 4, GetTicketInteger},
  };
}

void PBindGetTicketFromPDE(Job& job) {
  auto& r = job.mod.pbind;
  r = PBindState{};
  GetTicketFromArray(job, PBindticketData(job));

  if (r.position == kNone) {
    r.position = "OFF";
  } else {
    for (const auto& p : kBindPositions) {
      if (r.position == p.choice) {
        r.position = p.position;
        r.rotation = p.rotation;
        break;
      }
    }
  }

  // A binder without a trimmer offers no trimming choice: nothing is cut.
  if (r.trimming.empty()) r.trimming = kNone;
  if (r.trimming == kNone) {
    r.cutPageSize.clear();
    r.cutPositionTop.clear();
    r.cutPositionFore.clear();
  } else if (r.trimming == "3EdgeSpecifySize" || r.trimming == "1EdgeSpecifySize") {
    r.cutPositionTop.clear();
    r.cutPositionFore.clear();
  } else {
    r.cutPageSize.clear();
    if (r.trimming == "1EdgeCut") {
      r.cutPositionTop.clear();
    } else if (r.trimming == "3EdgeCutMinimum") {
      r.cutPositionTop = r.cutPositionFore = "7mm";
      r.minimumCut = 1;
    } else if (r.trimming == "1EdgeCutMinimum") {
      r.cutPositionFore = "7mm";
      r.cutPositionTop.clear();
      r.minimumCut = 1;
    }
  }
  if (r.trimming == kNone) {
    r.trimming = "OFF";
  } else if (r.trimming.rfind(kTrimFace, 0) == 0) {
    r.trimming = "FACE";
  } else if (r.trimming.rfind(kTrimFullBleed, 0) == 0) {
    r.trimming = "FULLBLEED";
  }
}

std::vector<ChoiceRule> PBindChoiceRules() {
  std::vector<std::string> named;
  for (const auto& pair : PerfectBindParam) named.emplace_back(pair.choice);
  std::vector<std::string> coverSizes = named;
  coverSizes.emplace_back(kCoverDL);
  std::vector<std::string> positions = {kNone};
  for (const auto& p : kBindPositions) positions.emplace_back(p.choice);
  std::vector<ChoiceRule> rules = {
      {"ZQPBindPosition", "perfect binding", OneOf(positions)},
      {"ZQPBindTrimming", "perfect binding",
       [](std::string_view c) {
         return c == kNone || c.rfind(kTrimFace, 0) == 0 || c.rfind(kTrimFullBleed, 0) == 0;
       }},
      {"ZQPBindCoverPageSize", "perfect binding", OneOf(coverSizes)},
  };
  for (const char* option : {"ZQPBindPageSize", "ZQPBindCutPageSize", "ZQPBindCoverMediaType", "ZQPBindCoverMediaColor",
                             "ZQPBindCoverPaperTray"}) {
    rules.push_back({option, "perfect binding", OneOf(named)});
  }
  return rules;
}

void OutputEPJLCommandforPerfectBind(Job& job) {
  const auto& r = job.mod.pbind;
  if (r.position.empty() || r.position == "OFF") return;
  const bool right = r.position == "RIGHT";
  const bool trimming = r.trimming != "OFF";

  Name(job, "PBRE", r.position);
  Name(job, "MSDA", r.rotation);
  Name(job, "PBTC", r.trimming);

  int64_t bodyLength = 0, bodyWidth = 0;  // A and W
  std::string bodyKeyword;
  if (!r.pageSize.empty()) {
    SizeOf(job, r.pageSize, bodyLength, bodyWidth);
    bodyKeyword = convertPBindPPDValue(r.pageSize);
    Name(job, "PBBP", bodyKeyword);
  }

  int64_t cutLength = 0, cutWidth = 0, shift = 0;  // L, T and s
  if (!r.cutPageSize.empty()) {
    SizeOf(job, r.cutPageSize, cutLength, cutWidth);
    Name(job, "PBTP", convertPBindPPDValue(r.cutPageSize));
    shift = (bodyWidth + ((bodyWidth - cutWidth) & 1) - cutWidth) / 2;
  } else if (trimming) {
    Name(job, "PBTP", "CUSTOM");
  } else {
    Name(job, "PBTP", bodyKeyword);
    cutLength = bodyLength;
    cutWidth = bodyWidth;
  }

  if (trimming) {
    const bool fore = !r.cutPositionFore.empty();
    if (fore) {
      const int64_t f = Millimetres(r.cutPositionFore);
      Number(job, "PBTW", bodyWidth - f * 10);
      shift = f * 5;
    }
    if (!r.cutPositionTop.empty()) {
      Number(job, "PBTH", bodyLength - Millimetres(r.cutPositionTop) * 20);
    } else if (fore) {
      Number(job, "PBTH", bodyLength);
    } else {
      Number(job, "PBTW", cutWidth);
      Number(job, "PBTH", cutLength);
    }
    if (!r.minimumCut) {
      Number(job, "ISXO", right ? shift : -shift);
      Number(job, "ISXT", right ? -shift : shift);
    }
  }

  const auto adjust = [&](const char* name, const std::string& value, bool negate) {
    if (!value.empty()) Number(job, name, negate ? -Int(value) : Int(value));
  };
  adjust("PBAW", r.cutAdjustFore, false);
  adjust("PBAH", r.cutAdjustTB, false);
  adjust(right ? "PBAB" : "PBAT", r.rotationAdjustTop, false);
  adjust(right ? "PBAT" : "PBAB", r.rotationAdjustBottom, false);
  adjust("PBAF", r.rotationAdjustFore, right);
  adjust("PBAX", r.coverAdjustX, right);
  adjust("PBAY", r.coverAdjustY, r.position == "TOP" || r.position == "LEFT");
  adjust("PBAV", r.cutPositionAdjustTB, right);

  if (!r.coverPageSize.empty()) {
    Name(job, "PBCP", convertPBindPPDValue(r.coverPageSize == kCoverDL ? "Tabloid" : r.coverPageSize));
  }
  if (!r.coverMediaType.empty()) Name(job, "PBCQ", convertPBindPPDValue(r.coverMediaType));
  if (!r.coverMediaColor.empty()) Name(job, "PBCC", convertPBindPPDValue(r.coverMediaColor));
  if (!r.coverPaperTray.empty()) Name(job, "PBCT", convertPBindPPDValue(r.coverPaperTray));
  ZQfputs("@PJL SET JOBATTR=\"@PBCI=OFF\"\n", job.out);
}

const FilterModule PBindModule{"PBind", nullptr, PBindGetTicketFromPDE, nullptr, nullptr};

}  // namespace zqf
