#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cmath>
#include <cstring>

#include "zqp/bundle.h"
#include "zqp/picture.h"

namespace zqp {

namespace {

// Pictures larger than this are refused rather than decoded into gigabytes.
constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;

double Resolution(GdkPixbuf* pixbuf, const char* key) {
  const gchar* v = gdk_pixbuf_get_option(pixbuf, key);
  if (v == nullptr) return 72;
  char* end = nullptr;
  const double d = std::strtod(v, &end);
  return end != v && std::isfinite(d) && d >= 1 && d <= 100000 ? d : 72;
}

}  // namespace

Picture::~Picture() {
  if (surface_ != nullptr) cairo_surface_destroy(surface_);
}

std::shared_ptr<Picture> Picture::Load(const std::string& path, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = path + ": " + why;
    return std::shared_ptr<Picture>();
  };
  if (path.empty()) return fail("no file named");
  int w = 0, h = 0;
  if (gdk_pixbuf_get_file_info(path.c_str(), &w, &h) == nullptr) return fail("not a picture that can be read");
  if (w <= 0 || h <= 0) return fail("picture without a size");
  if (static_cast<int64_t>(w) * h > kMaxPixels) return fail("picture too large");
  GError* err = nullptr;
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(path.c_str(), &err);
  if (pixbuf == nullptr) {
    std::string why = err && err->message ? err->message : "cannot be decoded";
    if (err) g_error_free(err);
    return fail(why);
  }
  // Animations (GIF) decode to their first frame; a picture with a different
  // layout than 8-bit RGB(A) is refused.
  const int channels = gdk_pixbuf_get_n_channels(pixbuf);
  if (gdk_pixbuf_get_bits_per_sample(pixbuf) != 8 || (channels != 3 && channels != 4)) {
    g_object_unref(pixbuf);
    return fail("unsupported pixel layout");
  }
  std::shared_ptr<Picture> pic(new Picture());
  pic->width_ = gdk_pixbuf_get_width(pixbuf);
  pic->height_ = gdk_pixbuf_get_height(pixbuf);
  pic->hasAlpha_ = gdk_pixbuf_get_has_alpha(pixbuf) && channels == 4;
  pic->xDpi_ = Resolution(pixbuf, "x-dpi");
  pic->yDpi_ = Resolution(pixbuf, "y-dpi");
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  const guint8* px = gdk_pixbuf_read_pixels(pixbuf);
  pic->rgba_.resize(static_cast<size_t>(pic->width_) * static_cast<size_t>(pic->height_) * 4);
  uint8_t* out = pic->rgba_.data();
  for (int y = 0; y < pic->height_; ++y) {
    const guint8* row = px + static_cast<ptrdiff_t>(y) * stride;
    for (int x = 0; x < pic->width_; ++x, row += channels) {
      *out++ = row[0];
      *out++ = row[1];
      *out++ = row[2];
      *out++ = channels == 4 ? row[3] : 255;
    }
  }
  g_object_unref(pixbuf);
  return pic;
}

std::shared_ptr<Picture> Picture::LoadResource(const Bundle& bundle, const std::string& name, std::string* error) {
  if (name.empty() || name.find('/') != std::string::npos || name == "..") {
    if (error) *error = "not a resource name: " + name;
    return nullptr;
  }
  return Load(bundle.resourcePath() + "/" + name, error);
}

std::shared_ptr<Picture> Picture::FromDrawing(const Size& size, const std::function<void(GraphicsContext&)>& draw) {
  const int w = static_cast<int>(std::ceil(std::isfinite(size.width) && size.width > 1 ? size.width : 1));
  const int h = static_cast<int>(std::ceil(std::isfinite(size.height) && size.height > 1 ? size.height : 1));
  GraphicsContext ctx(w, h);
  if (draw) {
    CurrentContextScope scope(ctx);
    draw(ctx);
  }
  std::shared_ptr<Picture> pic(new Picture());
  pic->width_ = ctx.width();
  pic->height_ = ctx.height();
  pic->rgba_ = ctx.rgba();
  return pic;
}

Size Picture::size() const { return {width_ * 72.0 / xDpi_, height_ * 72.0 / yDpi_}; }

Pixel Picture::pixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  const uint8_t* p = &rgba_[(static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 4];
  return {p[0], p[1], p[2], p[3]};
}

cairo_surface_t* Picture::surface() const {
  if (surface_ != nullptr) return surface_;
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const uint8_t* in = rgba_.data();
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x, in += 4) {
      const uint32_t a = in[3];
      auto pm = [a](uint32_t c) { return (c * a + 127) / 255; };
      const uint32_t v = a << 24 | pm(in[0]) << 16 | pm(in[1]) << 8 | pm(in[2]);
      std::memcpy(data + static_cast<ptrdiff_t>(y) * stride + static_cast<ptrdiff_t>(x) * 4, &v, 4);
    }
  }
  cairo_surface_mark_dirty(surface_);
  return surface_;
}

void Picture::drawInRect(GraphicsContext& ctx, const Frame& rect, double opacity) const {
  if (width_ <= 0 || height_ <= 0 || rect.width == 0 || rect.height == 0) return;
  cairo_t* cr = ctx.cairo();
  cairo_save(cr);
  cairo_translate(cr, rect.x, rect.y);
  // The picture's top row goes to the visual top of the rectangle: in a
  // y-up space that is rect.y + height.
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  const bool yUp = m.xx * m.yy - m.xy * m.yx < 0;
  if (yUp) {
    cairo_translate(cr, 0, rect.height);
    cairo_scale(cr, rect.width / width_, -rect.height / height_);
  } else {
    cairo_scale(cr, rect.width / width_, rect.height / height_);
  }
  cairo_set_source_surface(cr, surface(), 0, 0);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_rectangle(cr, 0, 0, width_, height_);
  cairo_clip(cr);
  cairo_paint_with_alpha(cr, opacity < 0 ? 0 : opacity > 1 ? 1 : opacity);
  cairo_restore(cr);
}

void Picture::drawInRect(const Frame& rect, double opacity) const {
  if (GraphicsContext* ctx = GraphicsContext::Current()) drawInRect(*ctx, rect, opacity);
}

}  // namespace zqp
