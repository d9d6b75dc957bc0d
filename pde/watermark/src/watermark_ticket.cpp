#include "watermark_ticket.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

#include "watermark_fonts.h"
#include "zqp/font.h"
#include "zqp/iconv.h"
#include "zqp/print_settings.h"
#include "zqp/utf8.h"
#include "zqpde/image_convert.h"
#include "zqpde/settings_access.h"
#include "zqpde/ticket_value.h"

namespace zqwm {
namespace {

constexpr size_t kLiteralMaxBytes = 255;
constexpr size_t kConvertedMaxBytes = 512;
constexpr size_t kNameMaxBytes = 127;  // 254 hex digits in the 256-byte field
constexpr double kMaxSheetHeight = 1383.3;
constexpr double kMaxSheetWidth = 935.44;

// Writes one value the way every record key is written: cut to 255 bytes at
// a character boundary, escaped when it holds what the ticket cannot carry
// plainly. Remembers the key so the stale ones can be removed afterwards.
class RecordWriter {
 public:
  RecordWriter(zqp::PrintSettings* settings, const std::string& ns, bool lock)
      : settings_(settings), ns_(ns), lock_(lock) {}

  bool Write(const char* name, std::string_view value) {
    const std::string key = ns_ + name;
    const std::string text = zqpde::TicketTextForOutput(value);
    const int32_t status = zqpde::SetValueToSettingsWithTicketKeyAndLock(text.c_str(), settings_, key.c_str(), lock_);
    if (status == 0) {
      written_.insert(name);
    } else if (first_ == 0) {
      first_ = status;
    }
    return status == 0;
  }
  bool WriteInteger(const char* name, long value) { return Write(name, std::to_string(value)); }

  void RemoveUnwritten() {
    for (const auto& name : WatermarkRecordKeyNames()) {
      if (written_.count(name) == 0) settings_->Remove(ns_ + name);  // a locked key stays
    }
  }
  int32_t FirstFailure() const { return first_; }

 private:
  zqp::PrintSettings* settings_;
  std::string ns_;
  bool lock_;
  std::set<std::string> written_;
  int32_t first_ = 0;
};

std::string Fixed2(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return buffer;
}

std::string Real6(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%f", value);
  return buffer;
}

// The text's bytes in the device's encoding, one piece per character so the
// literal can be cut between characters. Converting each UTF-16 unit by
// itself means a character outside the BMP has no form and is left out, as
// is any character Shift-JIS X0213 does not hold; "\" and "~" stay single
// bytes, as the devices' fonts expect.
std::vector<std::string> TextPieces(std::string_view utf8, bool convert) {
  std::vector<std::string> pieces;
  size_t pos = 0, total = 0;
  while (pos < utf8.size() && total < kConvertedMaxBytes) {
    const size_t start = pos;
    char32_t cp = 0;
    if (!zqp::NextCodePoint(utf8, pos, cp)) {
      ++pos;  // a stray byte has no character to convert
      continue;
    }
    std::string piece(utf8.substr(start, pos - start));
    if (convert && cp != U'\\' && cp != U'~') {
      std::string out;
      if (cp > 0xFFFF || !zqp::IconvConvert(piece, "SHIFT_JISX0213", out)) continue;
      piece = out;
    }
    if (total + piece.size() > kConvertedMaxBytes) break;
    total += piece.size();
    pieces.push_back(std::move(piece));
  }
  return pieces;
}

std::string Hex(std::string_view bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

bool IsJapanese(const WaterMarkFontRow& row) { return std::strcmp(row.fontType, kJapaneseFont) == 0; }

struct TextBox {
  double h = 0, v = 0, width = 0, height = 0;
};

bool TextPlacement(const WatermarkStore& store, size_t i, const WaterMarkFontRow& row,
                   const WatermarkTicketContext& context, TextBox* box) {
  const PaperRect& p = context.paper;
  float a = static_cast<float>((p.bottom - p.top) / 2);
  float b = static_cast<float>((p.right - p.left) / 2);
  if (context.orientation == 2 || context.orientation == 4) std::swap(a, b);

  const bool millimetres = store.IntField(kWMSizeRadio, i) == kWMMillimetres;
  const double hValue = store.IntField(millimetres ? kWMhMMOffset : kWMhOffset, i);
  const double vValue = store.IntField(millimetres ? kWMvMMOffset : kWMvOffset, i);
  const auto points = [&](double value) { return millimetres ? value * 72 / 25.4 : value * 72 / 10; };
  const auto clamp = [](double value, double half) {
    if (value >= half) return half - 1;
    if (value <= -half) return 1 - half;
    return value;
  };
  box->h = clamp(points(hValue), b);
  box->v = clamp(points(vValue), a);

  const TextMeasurer measure = context.measureText ? context.measureText : MeasureTextWithPango;
  const double size = std::trunc(store.RealField(kWMSize, i));
  const int pointSize = std::isfinite(size) && size > 0 && size < 10000 ? static_cast<int>(size) : 0;
  const std::string& text = store.Field(kWMText, i);
  double w = 0, h = 0;
  if (!measure(row.measuringFont, pointSize, text, true, &w, &h) &&
      !measure(context.defaultMeasuringFont, pointSize, text, false, &w, &h)) {
    return false;
  }
  box->width = w / row.xRate;
  box->height = h / row.yRate;
  return true;
}

// The picture as a BMP in a file of its own; the path, or empty when it
// cannot be made (the file is then removed again).
std::string PictureFile(const std::string& source, const WatermarkTicketContext& context) {
  std::string dir = context.temporaryDirectory;
  if (dir.empty()) {
    const char* tmp = std::getenv("TMPDIR");
    dir = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
  }
  if (dir.back() != '/') dir += '/';
  std::string path = dir + "XXXXXXXXXXXX";
  if (path.size() > 255) return {};
  const int fd = mkstemp(path.data());
  if (fd < 0) return {};
  close(fd);
  // Readable by the scheduler's user that runs the filter; nobody else
  // needs to change it.
  if (zqpde::ConvertImgType(source.c_str(), path.c_str(), zqpde::kImageBMP, false) != 0 ||
      chmod(path.c_str(), 0644) != 0) {
    unlink(path.c_str());
    return {};
  }
  return path;
}

}  // namespace

const std::vector<std::string>& WatermarkRecordKeyNames() {
  static const std::vector<std::string> names{
      "WMARKFilePathTicket", "WMARKTypeTicket",        "WMARKColorRTicket",      "WMARKColorGTicket",
      "WMARKColorBTicket",   "WMARKColorATicket",      "WMARKFontSizeTicket",    "WMARKAngleTicket",
      "WMARKDensityTicket",  "WMARKScaleTicket",       "WMARKOrientationTicket", "WMARKPaperHeightTicket",
      "WMARKPaperWidthTicket", "WMARKFontTicket",      "WMARKFontTypeTicket",    "WMARKTextTicket",
      "WMARKhOffsetTicket",  "WMARKvOffsetTicket",     "WMARKWidthTicket",       "WMARKHeightTicket",
  };
  return names;
}

std::string WatermarkTextLiteral(std::string_view utf8, bool japaneseFont, bool convertToShiftJIS) {
  const auto pieces = TextPieces(utf8, convertToShiftJIS);
  std::string body;
  for (const auto& piece : pieces) {
    std::string form;
    if (japaneseFont) {
      form = Hex(piece);
    } else {
      for (char c : piece) {
        if (c == '(' || c == ')' || c == '\\') form += '\\';
        form += c;
      }
    }
    if (body.size() + form.size() + 2 > kLiteralMaxBytes) break;
    body += form;
  }
  return japaneseFont ? "<" + body + ">" : "(" + body + ")";
}

std::string NameTicketHex(std::string_view name) { return Hex(zqp::Utf8Prefix(name, kNameMaxBytes)); }

int32_t PopupValueForNameTicket(const WatermarkStore& store, std::string_view nameTicket) {
  if (nameTicket.empty()) return 1;
  for (size_t i = 0; i < store.Count(); ++i) {
    if (NameTicketHex(store.Field(kWMName, i)) == nameTicket) return static_cast<int32_t>(i + 2);
  }
  return 1;
}

std::optional<int32_t> RestoredPopupValue(const WatermarkStore& store, std::string_view nameTicket,
                                          int32_t productType, const ImageSizer& imageSize) {
  const int32_t value = PopupValueForNameTicket(store, nameTicket);
  if (value < 2) return value;
  const size_t i = static_cast<size_t>(value - 2);
  if (store.IntField(kWMType, i) != kWMTypePicture) return value;
  if (productType == 0) return std::nullopt;
  const ImageSizer sizer = imageSize ? imageSize : ImageSizeOfFile;
  double w = 0, h = 0;
  return sizer(store.Field(kWMImagePath, i), &w, &h) ? value : 1;
}

int32_t SetValueToTicketForWatermarkCtrl(zqp::PrintSettings* settings, const WatermarkStore& store,
                                         int32_t popupValue, const WatermarkEdition& edition,
                                         const WatermarkTicketContext& context, bool lock,
                                         std::string* pictureCopy) {
  if (pictureCopy != nullptr) pictureCopy->clear();
  if (settings == nullptr) return -50;
  RecordWriter w(settings, edition.ticketNamespace, lock);
  const auto finish = [&] {
    w.RemoveUnwritten();
    return w.FirstFailure();
  };
  if (popupValue < 2 || static_cast<size_t>(popupValue - 2) >= store.Count()) return finish();
  const size_t i = static_cast<size_t>(popupValue - 2);
  const bool picture = store.IntField(kWMType, i) == kWMTypePicture;

  double pictureWidth = 0, pictureHeight = 0;
  if (picture) {
    const ImageSizer sizer = context.imageSize ? context.imageSize : ImageSizeOfFile;
    if (!sizer(store.Field(kWMImagePath, i), &pictureWidth, &pictureHeight)) return finish();
    const std::string path = PictureFile(store.Field(kWMImagePath, i), context);
    if (!path.empty() && !w.Write("WMARKFilePathTicket", path)) {
      unlink(path.c_str());  // no ticket names it
    } else if (!path.empty() && pictureCopy != nullptr) {
      *pictureCopy = path;
    }
  }

  // Text placement is worked out before anything is written, so the font,
  // text and size keys are written all together or not at all.
  const WaterMarkFontRow& row = FontRowForDisplayName(store.Field(kWMFontName, i));
  TextBox box;
  const bool placed = !picture && TextPlacement(store, i, row, context, &box);

  w.Write("WMARKTypeTicket", store.Field(kWMType, i));
  w.Write("WMARKColorRTicket", store.Field(kWMRed, i));
  w.Write("WMARKColorGTicket", store.Field(kWMGreen, i));
  w.Write("WMARKColorBTicket", store.Field(kWMBlue, i));
  w.Write("WMARKColorATicket", store.Field(kWMAlpha, i));
  w.Write("WMARKFontSizeTicket", store.Field(kWMSize, i));
  w.Write("WMARKAngleTicket", store.Field(kWMAngel, i));
  w.Write("WMARKDensityTicket", store.Field(kWMDensity, i));
  w.Write("WMARKScaleTicket", store.Field(kWMScale, i));
  w.WriteInteger("WMARKOrientationTicket", context.orientation);
  w.WriteInteger("WMARKPaperHeightTicket", static_cast<long>(context.paper.bottom - context.paper.top));
  w.WriteInteger("WMARKPaperWidthTicket", static_cast<long>(context.paper.right - context.paper.left));

  if (placed) {
    const bool japanese = IsJapanese(row);
    (void)(w.Write("WMARKFontTicket", row.printName) && w.Write("WMARKFontTypeTicket", row.fontType) &&
           w.Write("WMARKTextTicket",
                   WatermarkTextLiteral(store.Field(kWMText, i), japanese, edition.convertTextToShiftJIS)));
  }
  if (picture) {
    (void)(w.Write("WMARKhOffsetTicket", "0.00") && w.Write("WMARKvOffsetTicket", "0.00") &&
           w.Write("WMARKWidthTicket", Real6(pictureWidth)) && w.Write("WMARKHeightTicket", Real6(pictureHeight)));
  } else if (placed) {
    (void)(w.Write("WMARKhOffsetTicket", Fixed2(box.h)) && w.Write("WMARKvOffsetTicket", Fixed2(box.v)) &&
           w.Write("WMARKWidthTicket", Fixed2(box.width)) && w.Write("WMARKHeightTicket", Fixed2(box.height)));
  }
  return finish();
}

namespace {

// The picture file the ticket names now; empty without one.
std::string NamedPicture(const zqp::PrintSettings& settings, const std::string& ns) {
  std::string path;
  if (settings.GetValue(ns + "WMARKFilePathTicket", path) != zqp::kNoErr) return {};
  zqpde::numstrtochar(path);  // a path begins with "/", so it is stored escaped
  return path;
}

}  // namespace

void PictureCopies::AfterWrite(const std::string& made, const zqp::PrintSettings& settings, const std::string& ns) {
  if (!made.empty()) copies_.push_back(made);
  const std::string named = NamedPicture(settings, ns);
  copies_.erase(std::remove_if(copies_.begin(), copies_.end(),
                               [&](const std::string& copy) {
                                 if (copy == named) return false;
                                 unlink(copy.c_str());
                                 return true;
                               }),
                copies_.end());
}

void PictureCopies::HandOut(const zqp::PrintSettings& settings, const std::string& ns) {
  const std::string named = NamedPicture(settings, ns);
  copies_.erase(std::remove(copies_.begin(), copies_.end(), named), copies_.end());
}

PaperRect PMGetPhysicalPaperSize(ppd_file_t* ppd, const zqp::PrintSettings* settings, const PaperRect& hostPaper) {
  PaperRect r;
  ppd_choice_t* choice = ppd != nullptr ? ppdFindMarkedChoice(ppd, "PageSize") : nullptr;
  if (choice != nullptr) {
    if (std::strcmp(choice->choice, "Custom") != 0) {
      if (ppd_size_t* size = ppdPageSize(ppd, choice->choice)) {
        r.bottom = size->top + size->bottom;
        r.right = size->left + size->right;
        return r;
      }
    } else if (settings != nullptr) {
      // "Custom.<width>x<height>"; a setting without both numbers falls
      // back to the host's paper below.
      std::string name;
      if (settings->GetValue("com.apple.print.PageToPaperMappingMediaName", name) == zqp::kNoErr) {
        const size_t x = name.find_first_of("xX", 7);
        if (name.size() > 7 && x != std::string::npos) {
          const double width = std::strtod(name.substr(7, x - 7).c_str(), nullptr);
          const double height = std::strtod(name.c_str() + x + 1, nullptr);
          if (width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height)) {
            r.bottom = height;
            r.right = width;
            return r;
          }
        }
      }
    }
  }
  r = hostPaper;
  if (r.bottom - r.top > kMaxSheetHeight) {
    r.top = 0;
    r.bottom = kMaxSheetHeight;
  }
  if (r.right - r.left > kMaxSheetWidth) {
    r.left = 0;
    r.right = kMaxSheetWidth;
  }
  return r;
}

bool MeasureTextWithPango(const std::string& family, int size, const std::string& text, bool exactFamily,
                          double* width, double* height) {
  // The same font resolution as the preview's: a desktop name ("Times
  // Roman", "Helvetica") is served by the face our font configuration maps
  // it to, so the box the device centres is the one the preview shows.
  if (size <= 0) {
    *width = *height = 0;
    return !exactFamily || zqp::Font::isAvailable(family);
  }
  std::shared_ptr<zqp::Font> font = zqp::Font::fontWithName(family, size);
  if (!font) {
    if (exactFamily) return false;
    font = zqp::Font::systemFontOfSize(size);
  }
  // As the device's "show" sets the text: each glyph at its exact advance.
  const zqp::Size extent = zqp::AttributedString(text, zqp::TextAttributes{font, {}, true}).size();
  *width = extent.width;
  *height = extent.height;
  return true;
}

bool ImageSizeOfFile(const std::string& path, double* width, double* height) {
  if (path.empty()) return false;
  GError* error = nullptr;
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(path.c_str(), &error);
  if (pixbuf == nullptr) {
    if (error != nullptr) g_error_free(error);
    return false;
  }
  *width = gdk_pixbuf_get_width(pixbuf);
  *height = gdk_pixbuf_get_height(pixbuf);
  g_object_unref(pixbuf);
  return true;
}

}  // namespace zqwm
