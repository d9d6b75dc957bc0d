// Text watermark: drawn by PostScript at the page hooks of the
// pass-through, in the colour, font, position and angle the Watermark
// extension chose. Only text watermarks are drawn; a picture watermark's
// file is never opened.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "modules.h"
#include "table_support.h"

namespace zqf {

namespace {

constexpr double kPi = 3.1415926;
constexpr int32_t kTextWatermark = 0;

// The literal as the extension wrote it: unescaped, never converted, so
// every byte of a Shift-JIS or hex literal arrives as it was encoded. A
// value longer than the record is kept cut, which the literal check then
// refuses.
int GetTicketPostScriptLiteral(Job&, const std::string& key, const Options& options, TicketDest dest, size_t size) {
  auto* out = std::get_if<std::string*>(&dest);
  if (out == nullptr || *out == nullptr) return 0;
  (*out)->clear();
  const char* value = options.Get(key);
  if (value == nullptr) return 0;
  std::string text(value, strnlen(value, kUnescapeBufferSize - 1));
  numstrtochar(text);
  **out = text.substr(0, size > 0 ? size - 1 : 0);
  return 1;
}

std::string Fixed2(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  return buf;
}

// A colour component lightened by the density (percent).
double Lightened(float c, int32_t density) { return 1.0 - (1.0 - c) * density / 100.0; }

bool Finite(std::initializer_list<float> values) {
  for (float v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// The slot of an event's flag, or -1 for events the watermark ignores.
int FlagSlot(int event) {
  switch (event) {
    case 13: return 0;
    case 24: return 1;
    case 27: return 2;
    case 28: return 3;
    case 29: return 4;
    default: return -1;
  }
}

void Draw(WatermarkState& wm, const char* opening, Stream& stream) {
  ZQfprintf(stream, opening);
  if (wm.drawing.empty()) {
    float x = 0, y = 0;
    GetWatermarkPostion(wm, x, y);
    wm.drawing = Fixed2(Lightened(wm.red, wm.density)) + " " + Fixed2(Lightened(wm.green, wm.density)) + " " +
                 Fixed2(Lightened(wm.blue, wm.density)) + " setrgbcolor\n" + "/" + wm.font + " " +
                 std::to_string(wm.fontSize) + " selectfont\n" + Fixed2(x) + " " + Fixed2(y) + " moveto\n" +
                 std::to_string(wm.angle) + " rotate\n" + wm.text + " show\n" + "grestore\n";
  }
  ZQfprintf(stream, wm.drawing);
  ++wm.drawnPages;
}

void WatermarkNameGetTicket(Job& job) {
  GetTicketFromArray(job, {{job.Key("WMARKNameTicket"), &job.mod.watermark.name, 256, GetTicketString}});
}

void WatermarkNoticeJobEnd(Job& job) {
  if (job.mod.watermark.name.empty() || CancelJob) return;
  job.Log("WARNING", "Watermark not printed: this printer's driver does not print watermarks");
}

}  // namespace

bool IsPostScriptStringLiteral(std::string_view text) {
  if (text.size() < 2) return false;
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    // Control bytes could end the job early on the device (0x04, the
    // universal exit language's escape) or split the line.
    if (b < 0x20 || b == 0x7F) return false;
  }
  if (text.front() == '<') {
    if (text.back() != '>' || text[1] == '<') return false;  // "<<" is a dictionary, not a string
    for (char c : text.substr(1, text.size() - 2)) {
      if (!std::isxdigit(static_cast<unsigned char>(c)) && c != ' ') return false;
    }
    return true;
  }
  if (text.front() != '(') return false;
  int depth = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      ++i;  // the escaped byte, whatever it is
      continue;
    }
    if (c == '(') ++depth;
    if (c == ')' && --depth == 0) return i == text.size() - 1;  // the literal must end the value
  }
  return false;  // cut short: the literal never closes
}

bool IsPostScriptFontName(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b >= 0x7F || std::strchr("()<>[]{}/%", c) != nullptr) return false;
  }
  return true;
}

TicketTable WatermarkticketData(Job& job) {
  auto& r = job.mod.watermark;
  const auto integer = GetTicketInteger;
  const auto real = GetTicketFloat;
  return {
      {job.Key("WMARKNameTicket"), &r.name, 256, GetTicketString},
      {job.Key("WMARKOptionsTicket"), &r.options, 4, integer},
      {job.Key("WMARKOnlyFirstTicket"), &r.onlyFirst, 4, integer},
      {job.Key("WMARKTextTicket"), &r.text, 256, GetTicketPostScriptLiteral},
      {job.Key("WMARKOrientationTicket"), &r.orientation, 4, integer},
      {job.Key("WMARKPaperHeightTicket"), &r.paperHeight, 4, integer},
      {job.Key("WMARKPaperWidthTicket"), &r.paperWidth, 4, integer},
      {job.Key("WMARKFilePathTicket"), &r.filePath, 256, GetTicketStringConvertedToPrtLang},
      {job.Key("WMARKTypeTicket"), &r.type, 4, integer},
      {job.Key("WMARKFontTicket"), &r.font, 256, GetTicketString},
      {job.Key("WMARKFontSizeTicket"), &r.fontSize, 4, integer},
      {job.Key("WMARKFontTypeTicket"), &r.fontType, 4, integer},
      {job.Key("WMARKColorRTicket"), &r.red, 4, real},
      {job.Key("WMARKColorGTicket"), &r.green, 4, real},
      {job.Key("WMARKColorBTicket"), &r.blue, 4, real},
      {job.Key("WMARKColorATicket"), &r.alpha, 4, real},
      {job.Key("WMARKAngleTicket"), &r.angle, 4, integer},
      {job.Key("WMARKDensityTicket"), &r.density, 4, integer},
      {job.Key("WMARKScaleTicket"), &r.scale, 4, real},
      {job.Key("WMARKPosHorizontalTicket"), &r.posHorizontal, 4, real},
      {job.Key("WMARKPosVerticalTicket"), &r.posVertical, 4, real},
      {job.Key("WMARKWidthTicket"), &r.width, 4, real},
      {job.Key("WMARKHeightTicket"), &r.height, 4, real},
      {job.Key("WMARKhOffsetTicket"), &r.hOffset, 4, real},
      {job.Key("WMARKvOffsetTicket"), &r.vOffset, 4, real},
  };
}

void WatermarkGetTicketFromPDE(Job& job) {
  auto& r = job.mod.watermark;
  GetTicketFromArray(job, WatermarkticketData(job));
  r.drawable = false;
  if (r.name.empty() || r.type != kTextWatermark) return;
  // A watermark that cannot be drawn safely is left out; the job prints.
  if (!IsPostScriptStringLiteral(r.text)) {
    job.Log("WARNING", "Watermark text is not a complete PostScript string; watermark left out");
  } else if (!IsPostScriptFontName(r.font)) {
    job.Log("WARNING", "Watermark font name is missing or not a PostScript name; watermark left out");
  } else if (!Finite({r.red, r.green, r.blue, r.width, r.height, r.hOffset, r.vOffset})) {
    job.Log("WARNING", "Watermark colour or position is not a number; watermark left out");
  } else {
    r.drawable = true;
  }
}

void GetWatermarkPostion(const WatermarkState& wm, float& x, float& y) {
  double cx = 0, cy = 0;
  if (wm.orientation == 1 || wm.orientation == 3) {
    cx = wm.paperWidth / 2.0;
    cy = wm.paperHeight / 2.0;
  } else if (wm.orientation == 2 || wm.orientation == 4) {
    cx = wm.paperHeight / 2.0;
    cy = wm.paperWidth / 2.0;
  }
  const double t = wm.width / 2.0;
  const double r = wm.height / 2.0;
  const double a = wm.angle;
  const auto rad = [](double degrees) { return degrees * kPi / 180.0; };
  if (a >= 0 && a <= 90) {
    cx -= t * std::cos(rad(a)) - r * std::sin(rad(a));
    cy -= r * std::cos(rad(a)) + t * std::sin(rad(a));
  } else if (a > 90 && a <= 180) {
    const double b = rad(a - 90);
    cx += r * std::cos(b) + t * std::sin(b);
    cy -= t * std::cos(b) - r * std::sin(b);
  } else if (a > 180 && a <= 270) {
    const double b = rad(a - 180);
    cx += t * std::cos(b) - r * std::sin(b);
    cy += r * std::cos(b) + t * std::sin(b);
  } else if (a > 270 && a <= 360) {
    const double b = rad(a - 270);
    cx -= r * std::cos(b) + t * std::sin(b);
    cy += t * std::cos(b) - r * std::sin(b);
  } else {
    cx = cy = 0;
  }
  x = static_cast<float>(cx + wm.hOffset);
  y = static_cast<float>(cy + wm.vOffset);
}

void WatermarkOutputPSCommandFromFilter(Job& job, int event, int, Stream& stream) {
  auto& wm = job.mod.watermark;
  const int slot = FlagSlot(event);
  if (!wm.drawable || slot < 0 || !wm.eventFlags[static_cast<size_t>(slot)]) return;
  switch (event) {
    case 13:
      // The dictionary stays current for the page hooks; it is also kept
      // in userdict, so nothing is left on the operand stack.
      ZQfprintf(stream, "userdict/zqxInfo 2 dict dup begin put\n");
      ZQfprintf(stream, "/zqxpgsave 0 def\n");
      ZQfprintf(stream, "/zqxbp{/zqxpgsave save store} bind def\n");
      break;
    case 24:
      ZQfprintf(stream, "zqxbp\n");
      break;
    case 27:
      Draw(wm, "pgsave restore /pgsave save store gsave\n", stream);
      break;
    case 28:
      Draw(wm, "pm restore /pm save store gsave\n", stream);
      break;
    case 29:
      Draw(wm, "zqxpgsave restore /zqxpgsave save store gsave\n", stream);
      break;
  }
  wm.eventFlags[static_cast<size_t>(slot)] = wm.onlyFirst == 0;
}

// The job printed, but without the watermark the user chose: the scheduler
// shows why with the job. A watermark the ticket hook already refused was
// reported there; a cancelled job printed nothing to say it about.
void WatermarkReportJobEnd(Job& job) {
  const auto& wm = job.mod.watermark;
  if (wm.name.empty() || wm.drawnPages > 0 || CancelJob) return;
  if (wm.type != kTextWatermark) {
    job.Log("WARNING", "Watermark not printed: picture watermarks are not drawn by this driver");
  } else if (wm.drawable) {
    job.Log("WARNING",
            "Watermark not printed: the job's pages have no \"ep\" or \"endp\" page ends, where it is drawn");
  }
}

const FilterModule WatermarkModule{"Watermark", nullptr, WatermarkGetTicketFromPDE, nullptr,
                                   WatermarkOutputPSCommandFromFilter, WatermarkReportJobEnd};
const FilterModule WatermarkNoticeModule{"Watermark", nullptr, WatermarkNameGetTicket, nullptr, nullptr,
                                         WatermarkNoticeJobEnd};

}  // namespace zqf
