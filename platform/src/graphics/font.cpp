#include "zqp/font.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <set>

#include "zqp/program_places.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace zqp {

namespace {

// The face the controls use; the fontconfig file maps it onto a URW sans.
constexpr const char* kSystemFontName = "Helvetica";
constexpr double kMaxPointSize = 10000;

// fontconfig and pango keep their caches for the life of the process, and
// fontconfig links much of what it keeps by offsets rather than pointers,
// so the leak checker of the sanitizer build would see them as lost.
// Whatever they allocate while we call them is left out of its count;
// matching each block against a suppression instead costs every process
// that draws text a symbolization at exit.
class FontLibraryCall {
public:
  FontLibraryCall() {
#if defined(__SANITIZE_ADDRESS__)
    __lsan_disable();
#endif
  }
  ~FontLibraryCall() {
#if defined(__SANITIZE_ADDRESS__)
    __lsan_enable();
#endif
  }
  FontLibraryCall(const FontLibraryCall&) = delete;
  FontLibraryCall& operator=(const FontLibraryCall&) = delete;
};

std::string Lower(const std::string& s) {
  std::string r = s;
  for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return r;
}

// One fontconfig configuration and one pango font map for the process; both
// live until it ends (pango and fontconfig keep caches tied to them).
struct FontSystem {
  FcConfig* config = nullptr;
  PangoFontMap* map = nullptr;
  std::set<std::string> families;  // lower case

  FontSystem() {
    // pango initialises fontconfig's default configuration on a thread of
    // its own; done here first, that thread finds it made and allocates
    // nothing behind the leak checker's back.
    FcInit();
    config = FcConfigCreate();
    const std::string file = FontConfigFile();
    if (!file.empty()) FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(file.c_str()), FcTrue);
    FcConfigBuildFonts(config);
    if (FcFontSet* set = FcConfigGetFonts(config, FcSetSystem)) {
      for (int i = 0; i < set->nfont; ++i) {
        FcChar8* fam = nullptr;
        for (int k = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, k, &fam) == FcResultMatch; ++k) {
          families.insert(Lower(reinterpret_cast<const char*>(fam)));
        }
      }
    }
    map = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    if (map != nullptr) pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(map), config);
  }

  // The name after the file's aliases, as fontconfig would look for it.
  FcPattern* Substituted(const std::string& name) const {
    FcPattern* p = FcPatternCreate();
    FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcConfigSubstitute(config, p, FcMatchPattern);
    return p;
  }

  bool Serves(const std::string& name) const {
    if (name.empty()) return false;
    FontLibraryCall call;
    FcPattern* p = Substituted(name);
    bool found = false;
    FcChar8* fam = nullptr;
    for (int k = 0; !found && FcPatternGetString(p, FC_FAMILY, k, &fam) == FcResultMatch; ++k) {
      found = families.count(Lower(reinterpret_cast<const char*>(fam))) != 0;
    }
    FcPatternDestroy(p);
    return found;
  }
};

FontSystem& Fonts() {
  static FontSystem* fonts = [] {
    FontLibraryCall call;
    return new FontSystem();
  }();
  return *fonts;
}

// A layout of the text in the font; cr (may be null) gives the transform
// the glyphs are placed for. Metrics are unhinted, so a measure does not
// depend on where the text is drawn.
PangoLayout* MakeLayout(cairo_t* cr, const std::string& text, const Font& font, bool exactAdvances) {
  FontSystem& fs = Fonts();
  PangoContext* pc = pango_font_map_create_context(fs.map);
  if (cr != nullptr) pango_cairo_update_context(cr, pc);
  pango_cairo_context_set_resolution(pc, 72);
  cairo_font_options_t* fo = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
  pango_cairo_context_set_font_options(pc, fo);
  if (exactAdvances) pango_context_set_round_glyph_positions(pc, FALSE);
  cairo_font_options_destroy(fo);
  PangoLayout* layout = pango_layout_new(pc);
  g_object_unref(pc);
  PangoFontDescription* desc = pango_font_description_new();
  pango_font_description_set_family(desc, font.fontName().c_str());
  pango_font_description_set_absolute_size(desc, font.pointSize() * PANGO_SCALE);
  pango_layout_set_font_description(layout, desc);
  pango_font_description_free(desc);
  // pango takes only valid UTF-8; bad bytes become U+FFFD instead of
  // dropping the whole text.
  gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
  pango_layout_set_text(layout, valid, -1);
  g_free(valid);
  if (exactAdvances) {
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_font_features_new("kern 0"));
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
  }
  return layout;
}

std::shared_ptr<Font> FontOf(const TextAttributes& a) {
  return a.font ? a.font : Font::systemFontOfSize(12);
}

}  // namespace

std::string FontConfigFile() {
  if (const char* env = std::getenv("ZQ_FONTCONFIG_FILE"); env != nullptr && *env) return env;
  return ThisProgramPlaces().fontConfig;
}

std::shared_ptr<Font> Font::fontWithName(const std::string& name, double pointSize) {
  if (!(pointSize > 0) || pointSize > kMaxPointSize || !Fonts().Serves(name)) return nullptr;
  return std::shared_ptr<Font>(new Font(name, pointSize));
}

std::shared_ptr<Font> Font::systemFontOfSize(double pointSize) {
  if (!(pointSize > 0) || pointSize > kMaxPointSize) pointSize = 12;
  return std::shared_ptr<Font>(new Font(kSystemFontName, pointSize));
}

bool Font::isAvailable(const std::string& name) { return Fonts().Serves(name); }

std::string Font::familyName() const {
  FontSystem& fs = Fonts();
  FontLibraryCall call;
  FcPattern* p = fs.Substituted(name_);
  FcDefaultSubstitute(p);
  FcResult r;
  FcPattern* m = FcFontMatch(fs.config, p, &r);
  std::string out;
  FcChar8* fam = nullptr;
  if (m != nullptr && FcPatternGetString(m, FC_FAMILY, 0, &fam) == FcResultMatch) out = reinterpret_cast<char*>(fam);
  if (m != nullptr) FcPatternDestroy(m);
  FcPatternDestroy(p);
  return out;
}

Size AttributedString::size() const {
  FontLibraryCall call;
  PangoLayout* layout = MakeLayout(nullptr, text_, *FontOf(attributes_), attributes_.exactAdvances);
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  g_object_unref(layout);
  return {static_cast<double>(logical.width) / PANGO_SCALE, static_cast<double>(logical.height) / PANGO_SCALE};
}

void AttributedString::drawAtPoint(GraphicsContext& ctx, const Point& p) const {
  cairo_t* cr = ctx.cairo();
  cairo_save(cr);
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  const bool yUp = m.xx * m.yy - m.xy * m.yx < 0;
  FontLibraryCall call;
  PangoLayout* layout = MakeLayout(nullptr, text_, *FontOf(attributes_), attributes_.exactAdvances);
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  if (yUp) {
    // pango lays text out downwards; turn the space upright at the box's top.
    cairo_translate(cr, p.x, p.y + static_cast<double>(logical.height) / PANGO_SCALE);
    cairo_scale(cr, 1, -1);
  } else {
    cairo_translate(cr, p.x, p.y);
  }
  pango_cairo_update_layout(cr, layout);
  const Color& c = attributes_.foregroundColor;
  cairo_set_source_rgba(cr, c.red, c.green, c.blue, c.alpha);
  cairo_move_to(cr, 0, 0);
  pango_cairo_show_layout(cr, layout);
  g_object_unref(layout);
  cairo_restore(cr);
}

void AttributedString::drawAtPoint(const Point& p) const {
  if (GraphicsContext* ctx = GraphicsContext::Current()) drawAtPoint(*ctx, p);
}

}  // namespace zqp
