#pragma once
// Writes the chosen watermark into the print-settings ticket, where the job
// filter's watermark module reads it. The keys, their order and their
// formats are the contract with the filter.
#include <cups/ppd.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "watermark_edition.h"
#include "watermark_store.h"

namespace zqp {
class PrintSettings;
}

namespace zqwm {

// A sheet in points, in the platform's rectangle layout.
struct PaperRect {
  double top = 0, left = 0, bottom = 0, right = 0;
};

// Measures text in a desktop font at a size in points. With exactFamily the
// result is false when our fonts do not serve the name; without it the
// controls' font stands in for a name they do not serve.
using TextMeasurer = std::function<bool(const std::string& family, int size, const std::string& text,
                                        bool exactFamily, double* width, double* height)>;
// The size of a picture in points: false when the file does not load.
using ImageSizer = std::function<bool(const std::string& path, double* width, double* height)>;

struct WatermarkTicketContext {
  PaperRect paper;          // the sheet (PMGetPhysicalPaperSize)
  int32_t orientation = 1;  // 1 portrait, 2 landscape, 3 and 4 reversed
  TextMeasurer measureText; // empty: MeasureTextWithPango
  ImageSizer imageSize;     // empty: ImageSizeOfFile
  std::string defaultMeasuringFont = "Courier";
  std::string temporaryDirectory;  // where picture files go; empty: $TMPDIR or /tmp
};

// Every key the writer can write for a watermark, in the order written.
const std::vector<std::string>& WatermarkRecordKeyNames();

// Writes the record of the chosen watermark (pop-up value v: 1 none, v >= 2
// watermark v - 2) under the edition's namespace, and removes every record
// key it did not write this time, so the filter never pairs the chosen name
// with an earlier watermark's keys. Returns 0, or the first failing write's
// status (the other groups are still written). A picture watermark gets a
// new copy of its picture at every write; pictureCopy, when given, receives
// its path (empty when none was made: a copy the ticket could not name is
// removed at once).
int32_t SetValueToTicketForWatermarkCtrl(zqp::PrintSettings* settings, const WatermarkStore& store,
                                         int32_t popupValue, const WatermarkEdition& edition,
                                         const WatermarkTicketContext& context, bool lock,
                                         std::string* pictureCopy = nullptr);

// The picture copies one panel made for its tickets. Each write makes a new
// one, so a dialog whose ticket is written many times (every summary, every
// change of pane) would fill the temporary folder: a copy the ticket no
// longer names is removed, unless a ticket that named it went to a job,
// which reads the file after the dialog is gone. Only the panel's own
// copies are ever removed, never a file a crafted ticket names.
class PictureCopies {
 public:
  // After a write that made `made` (empty: none), under namespace ns.
  void AfterWrite(const std::string& made, const zqp::PrintSettings& settings, const std::string& ns);
  // The ticket as it is now went to a job: the copy it names stays.
  void HandOut(const zqp::PrintSettings& settings, const std::string& ns);

 private:
  std::vector<std::string> copies_;  // made, not handed out
};

// The PostScript string of the text as the device takes it: "(...)" for a
// Latin font, "<hex>" for a Japanese font, the text converted to Shift-JIS
// first when the edition asks for it. Never more than 255 bytes: the text
// is cut before a character that would not fit, never inside one.
std::string WatermarkTextLiteral(std::string_view utf8, bool japaneseFont, bool convertToShiftJIS);

// The chosen name's ticket form: lower-case hex digits of its UTF-8 bytes
// (at most 127 bytes, cut at a character boundary); empty for no name.
std::string NameTicketHex(std::string_view name);
// The pop-up value (2 or more) of the watermark whose name has this ticket
// form; 1 ("none") when no watermark has it.
int32_t PopupValueForNameTicket(const WatermarkStore& store, std::string_view nameTicket);
// The watermark pop-up's value restored from the ticket's name key: as
// PopupValueForNameTicket, except that a picture watermark is kept out of
// a device that takes text only (nullopt: the value stays as it is) and a
// picture whose file no longer loads gives 1.
// productType: 0 text watermarks only, 1 text and picture watermarks.
std::optional<int32_t> RestoredPopupValue(const WatermarkStore& store, std::string_view nameTicket,
                                          int32_t productType, const ImageSizer& imageSize = nullptr);

// The sheet the watermark is placed on: the PPD's marked page size, a custom
// size from the media name setting, else the host's paper within the largest
// sheet the devices take.
PaperRect PMGetPhysicalPaperSize(ppd_file_t* ppd, const zqp::PrintSettings* settings, const PaperRect& hostPaper);

// The logical extent of the text laid out by pango in the font the name
// resolves to through the suite's font configuration (zqp::Font), as the
// preview draws it.
bool MeasureTextWithPango(const std::string& family, int size, const std::string& text, bool exactFamily,
                          double* width, double* height);
bool ImageSizeOfFile(const std::string& path, double* width, double* height);

}  // namespace zqwm
