#pragma once
// The user's own watermarks for one printer: 18 parallel lists of text kept
// in the preferences (current user, current host), one element of every
// list per watermark. The panel, the edit window and the preview all read
// and change the watermarks through this class.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zqwm {

// The lists in their stored order; the order is that of the preference keys.
enum WatermarkField : size_t {
  kWMName, kWMText, kWMImagePath, kWMType, kWMRed, kWMGreen, kWMBlue, kWMAlpha, kWMFontName, kWMSize,
  kWMAngel, kWMDensity, kWMScale, kWMSizeRadio, kWMhOffset, kWMvOffset, kWMhMMOffset, kWMvMMOffset,
  kWMFieldCount
};

// The preference key name of a list (without namespace and printer).
const char* WatermarkPreferenceKeyName(WatermarkField field);

enum WatermarkType : int32_t { kWMTypeText = 0, kWMTypePicture = 1 };
enum WatermarkSizeRadio : int32_t { kWMInches = 0, kWMMillimetres = 1 };

// One watermark as the edit window fills it in.
struct WatermarkRecord {
  std::string name;
  std::string text;       // a picture: the file name shown
  std::string imagePath;  // a text: empty
  int32_t type = kWMTypeText;
  double red = 0, green = 0, blue = 0, alpha = 1;
  std::string fontName;   // a picture: empty
  float size = 0;
  int32_t angle = 0, density = 0, scale = 100, sizeRadio = kWMMillimetres;
  int32_t hOffset = 0, vOffset = 0;      // tenths of an inch
  int32_t hMMOffset = 0, vMMOffset = 0;  // millimetres
};

// The elements a watermark's type fixes, whatever the edit window showed:
// a text watermark has no picture path and scale 100; a picture is printed
// at its scale alone, so it keeps no font, colour, size, angle, density or
// offsets of its own (blue, 72, 45 degrees, 25 %, inches, offsets 0).
bool IsFixedByType(WatermarkField field, int32_t type);
void ApplyFixedByType(WatermarkRecord* record);

// What a load found: the watermarks stored (the longest list) and those
// taken in. Fewer taken than stored, or an element converted, means the
// stored lists were damaged; the preferences file as it was is then kept
// aside before the next write.
struct WatermarkLoadResult {
  size_t stored = 0;
  size_t kept = 0;
  bool damaged = false;
};

class WatermarkStore {
 public:
  using Lists = std::array<std::vector<std::string>, kWMFieldCount>;

  // Replaces the lists with those stored for the printer; no lists (or no
  // printer) read as no watermarks. A damaged store gives up only what
  // cannot be read: a watermark is taken in when each of its 18 elements is
  // there and valid for its list (a number where text belongs becomes its
  // text when its meaning is plain). A list missing as a whole gives each
  // watermark the element its type fixes (ApplyFixedByType). The rest (an
  // entry of a shorter list, of a missing list the type does not fill, an
  // element of the wrong kind) is left out, and the file as it was is kept
  // beside the new one ("<file>.damaged") before the next write, so nothing
  // the user had is lost. Text that is not UTF-8 has its stray bytes replaced.
  WatermarkLoadResult Load(const std::string& ticketNamespace, const std::string& printerID);
  // Writes every list under the printer's keys and synchronises. False
  // when there is no printer or the preferences cannot be written.
  bool Save(const std::string& ticketNamespace, const std::string& printerID) const;

  size_t Count() const { return lists_[kWMName].size(); }
  const std::vector<std::string>& List(WatermarkField field) const { return lists_[field]; }
  // Element index of a list; empty outside the store.
  const std::string& Field(WatermarkField field, size_t index) const;
  // Numeric views of an element; 0 for text that is not a number.
  int32_t IntField(WatermarkField field, size_t index) const;
  double RealField(WatermarkField field, size_t index) const;
  std::optional<WatermarkRecord> Record(size_t index) const;
  // The index of the watermark with this name.
  std::optional<size_t> IndexOfName(const std::string& name) const;

  void Append(const WatermarkRecord& record);
  // False (nothing changed) for an index outside the store.
  bool Update(const WatermarkRecord& record, size_t index);
  bool Remove(size_t index);

  // Takes the watermarks of the lists whose elements are all there and
  // valid, as Load does.
  WatermarkLoadResult SetLists(const Lists& lists);

 private:
  using Elements = std::array<std::vector<std::optional<std::string>>, kWMFieldCount>;
  WatermarkLoadResult TakeValid(const Elements& elements);
  Lists lists_;
};

}  // namespace zqwm
