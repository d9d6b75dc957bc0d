#pragma once
// Drawing: points and rectangles, the affine transform, paths and the
// graphics context (a cairo image surface).
//
// Coordinates. Every view draws in its own coordinates: the origin is the
// bottom-left corner of its bounds and y grows upwards, unless the view is
// flipped (origin top-left, y downwards). A view's frame is given in its
// superview's coordinates. A GraphicsContext made for a size starts in the
// same convention (origin bottom-left, y up; `flipped` makes it top-left,
// y down); one unit is one pixel. Pixels are read back by device position
// (pixelAt: column x from the left, row y from the top) or by user position
// (pixelAtPoint: through the current transform).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "zqp/export.h"
#include "zqp/view.h"

typedef struct _cairo cairo_t;

namespace zqp {

struct Point {
  double x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  double width = 0, height = 0;
  bool operator==(const Size&) const = default;
};


// The six numbers of the matrix: x' = m11 x + m21 y + tX, y' = m12 x + m22 y + tY.
struct TransformStruct {
  double m11 = 1, m12 = 0, m21 = 0, m22 = 1, tX = 0, tY = 0;
  bool operator==(const TransformStruct&) const = default;
};

class GraphicsContext;

// An affine transform of the user space. translate, rotate, scale and
// prependTransform act on the coordinate system as it stands (they happen
// before what the transform already does); appendTransform and the shears
// act after it. So translateXBy then rotateByDegrees turns a picture about
// the origin and then moves it.
class ZQP_API AffineTransform {
 public:
  AffineTransform() = default;
  explicit AffineTransform(const TransformStruct& m) : m_(m) {}

  const TransformStruct& transformStruct() const { return m_; }
  void setTransformStruct(const TransformStruct& m) { m_ = m; }
  // Back to the identity; answers itself for chaining.
  AffineTransform& resetToIdentityMatrix();
  bool isIdentity() const { return m_ == TransformStruct{}; }

  void translateXBy(double x, double y);
  // Counter-clockwise in the y-up convention.
  void rotateByDegrees(double degrees);
  void rotateByRadians(double radians);
  void scaleBy(double s) { scaleXBy(s, s); }
  void scaleXBy(double sx, double sy);
  // Shears after the present transform: x' = x + shearX * y, y' = shearY * x + y.
  void shearXBy(float shearX, float shearY);
  void shearXBy(float shearX) { shearXBy(shearX, 0); }
  void shearYBy(float shearY) { shearXBy(0, shearY); }
  // this then other.
  void appendTransform(const AffineTransform& other);
  // other then this.
  void prependTransform(const AffineTransform& other);
  // A singular matrix has no inverse: it is left as it is and the answer is false.
  bool invert();

  Point transformPoint(const Point& p) const;
  // Sizes are vectors: the translation does not apply.
  Size transformSize(const Size& s) const;

  // Applied to the current context's user space (the transform's effect
  // happens before the context's own).
  void concat() const;
  void concat(GraphicsContext& ctx) const;

 private:
  TransformStruct m_;
};

// A path in user coordinates. The fill, stroke and addClip without a
// context act on the current context and do nothing when there is none.
class ZQP_API BezierPath {
 public:
  static BezierPath bezierPathWithRect(const Frame& r);
  static BezierPath bezierPathWithOvalInRect(const Frame& r);

  void moveToPoint(const Point& p);
  void lineToPoint(const Point& p);
  void curveToPoint(const Point& end, const Point& control1, const Point& control2);
  void closePath();
  void appendBezierPathWithRect(const Frame& r);
  void appendBezierPathWithOvalInRect(const Frame& r);
  bool isEmpty() const { return elements_.empty(); }

  double lineWidth() const { return lineWidth_; }
  void setLineWidth(double w) { lineWidth_ = w > 0 ? w : 0; }

  void fill() const;
  void stroke() const;
  void addClip() const;
  void fill(GraphicsContext& ctx) const;
  void stroke(GraphicsContext& ctx) const;
  void addClip(GraphicsContext& ctx) const;

  // Adds the path to a cairo context (the platform's own drawing).
  void appendTo(cairo_t* cr) const;

 private:
  enum class Op { kMove, kLine, kCurve, kClose };
  struct Element {
    Op op;
    Point p[3];
  };
  std::vector<Element> elements_;
  double lineWidth_ = 1;
};

// One RGBA pixel, 0-255 each, alpha not premultiplied.
struct Pixel {
  uint8_t r = 0, g = 0, b = 0, a = 0;
  bool operator==(const Pixel&) const = default;
};

// A drawing surface in memory, transparent at first. The fill and stroke
// colours and the line width are part of the state saved and restored.
class ZQP_API GraphicsContext {
 public:
  // Width and height in pixels, each at least 1 and at most 16384.
  GraphicsContext(int width, int height, bool flipped = false);
  ~GraphicsContext();
  GraphicsContext(const GraphicsContext&) = delete;
  GraphicsContext& operator=(const GraphicsContext&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  bool isFlipped() const { return flipped_; }

  // The context drawing functions act on when none is given: the innermost
  // CurrentContextScope's, or null.
  static GraphicsContext* Current();

  void saveGraphicsState();
  // An unbalanced restore is ignored.
  void restoreGraphicsState();

  void setFillColor(const Color& c);
  void setStrokeColor(const Color& c);
  const Color& fillColor() const { return state_.back().fill; }
  const Color& strokeColor() const { return state_.back().stroke; }
  void setLineWidth(double w);
  double lineWidth() const { return state_.back().lineWidth; }

  void fillRect(const Frame& r);
  void strokeRect(const Frame& r);
  // Narrows the clip to the rectangle (until the state is restored).
  void clipToRect(const Frame& r);
  // Clears to transparent (the whole surface, whatever the clip).
  void clear();

  // The user-space transform from this context's starting coordinates.
  AffineTransform currentTransform() const;

  Pixel pixelAt(int x, int y) const;
  Pixel pixelAtPoint(const Point& p) const;
  // Straight (not premultiplied) RGBA rows, top row first.
  std::vector<uint8_t> rgba() const;
  bool writePNG(const std::string& path, std::string* error = nullptr) const;

  cairo_t* cairo() const { return cr_; }

 private:
  struct State {
    Color fill{0, 0, 0, 1};
    Color stroke{0, 0, 0, 1};
    double lineWidth = 1;
  };
  int width_, height_;
  bool flipped_;
  cairo_t* cr_;
  std::vector<State> state_;
};

// Makes a context current for its lifetime (scopes nest).
class ZQP_API CurrentContextScope {
 public:
  explicit CurrentContextScope(GraphicsContext& ctx);
  ~CurrentContextScope();
  CurrentContextScope(const CurrentContextScope&) = delete;
  CurrentContextScope& operator=(const CurrentContextScope&) = delete;
};

// Where a view's own coordinates land in its superview's: frame origin,
// bounds origin, scale of frame to bounds size and the flip between the two.
ZQP_API AffineTransform TransformToSuperview(const View& view);

}  // namespace zqp
