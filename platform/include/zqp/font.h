#pragma once
// Fonts and text drawn through pango over fontconfig.
//
// Fonts are found only through the suite's own fontconfig file
// ($ZQ_FONTCONFIG_FILE, else the program's own: resources/fonts/fonts.conf
// of the source tree run from the build, share/zq/fonts.conf installed; see
// zqp/program_places.h), which maps the PostScript and desktop
// names the drivers use ("Times-Roman", "Times Roman", "Courier"...) onto
// the URW base-35 fonts. So pictures and measurements are the same on every
// machine. A name that file cannot serve is missing: Font::fontWithName
// answers null and the caller substitutes.
#include <memory>
#include <string>

#include "zqp/export.h"
#include "zqp/graphics.h"

namespace zqp {

class ZQP_API Font {
 public:
  // Null when no installed font answers to the name, or the size is not a
  // positive number.
  static std::shared_ptr<Font> fontWithName(const std::string& name, double pointSize);
  // The face the controls are drawn with.
  static std::shared_ptr<Font> systemFontOfSize(double pointSize);
  // Whether a font answers to the name.
  static bool isAvailable(const std::string& name);

  const std::string& fontName() const { return name_; }
  double pointSize() const { return size_; }
  // The family the name resolved to (for diagnostics).
  std::string familyName() const;

 private:
  Font(std::string name, double size) : name_(std::move(name)), size_(size) {}
  std::string name_;
  double size_;
};

struct TextAttributes {
  std::shared_ptr<Font> font;  // null: the system font at 12 points
  Color foregroundColor{0, 0, 0, 1};
  // On: each glyph advances by its exact width, as a PostScript "show"
  // sets it: no pair kerning, no positions rounded to whole points.
  bool exactAdvances = false;
};

// One run of text with its attributes, measured and drawn as one line
// (line breaks in the text start new lines).
class ZQP_API AttributedString {
 public:
  AttributedString(std::string text, TextAttributes attributes)
      : text_(std::move(text)), attributes_(std::move(attributes)) {}
  const std::string& string() const { return text_; }
  const TextAttributes& attributes() const { return attributes_; }

  // The logical extent in points (width of the advance, line height).
  Size size() const;
  // The text's box starts at the point: its bottom-left corner in a y-up
  // space, its top-left corner in a flipped one.
  void drawAtPoint(GraphicsContext& ctx, const Point& p) const;
  void drawAtPoint(const Point& p) const;

 private:
  std::string text_;
  TextAttributes attributes_;
};

// The fontconfig file in use: $ZQ_FONTCONFIG_FILE when set and not empty,
// else ThisProgramPlaces().fontConfig.
ZQP_API std::string FontConfigFile();

}  // namespace zqp
