#pragma once
// Pictures: the one image loader of the suite (PNG, BMP, TIFF, JPEG, GIF
// through gdk-pixbuf), pictures drawn off-screen, and drawing a picture into
// a rectangle of a graphics context.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "zqp/export.h"
#include "zqp/graphics.h"

typedef struct _cairo_surface cairo_surface_t;

namespace zqp {

class Bundle;

class ZQP_API Picture {
 public:
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // A file that is missing, not a picture or damaged gives null and a
  // message naming the file.
  static std::shared_ptr<Picture> Load(const std::string& path, std::string* error = nullptr);
  // Resources/<name> of the bundle (name with its extension).
  static std::shared_ptr<Picture> LoadResource(const Bundle& bundle, const std::string& name,
                                               std::string* error = nullptr);
  // A picture of the size (points, rounded up to whole pixels at 72 dpi)
  // made by drawing into a transparent context (y up, as a view).
  static std::shared_ptr<Picture> FromDrawing(const Size& size, const std::function<void(GraphicsContext&)>& draw);

  int pixelsWide() const { return width_; }
  int pixelsHigh() const { return height_; }
  double xResolution() const { return xDpi_; }
  double yResolution() const { return yDpi_; }
  // The size in points: pixels at the picture's resolution (72 dpi when the
  // file does not say).
  Size size() const;
  bool hasAlpha() const { return hasAlpha_; }
  // Straight (not premultiplied) RGBA rows, top row first.
  const std::vector<uint8_t>& rgba() const { return rgba_; }
  Pixel pixelAt(int x, int y) const;

  // Draws the whole picture stretched into rect (user coordinates of the
  // context; the picture stands upright in both conventions) at the opacity
  // (0 to 1), composited over what is there.
  void drawInRect(GraphicsContext& ctx, const Frame& rect, double opacity = 1.0) const;
  // The same on the current context.
  void drawInRect(const Frame& rect, double opacity = 1.0) const;

 private:
  Picture() = default;
  cairo_surface_t* surface() const;

  int width_ = 0, height_ = 0;
  double xDpi_ = 72, yDpi_ = 72;
  bool hasAlpha_ = true;
  std::vector<uint8_t> rgba_;
  mutable cairo_surface_t* surface_ = nullptr;
};

}  // namespace zqp
