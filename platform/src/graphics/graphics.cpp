#include "zqp/graphics.h"

#include <cairo.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace zqp {

namespace {

// a then b, in the row-vector convention of TransformStruct.
TransformStruct Multiply(const TransformStruct& a, const TransformStruct& b) {
  TransformStruct r;
  r.m11 = a.m11 * b.m11 + a.m12 * b.m21;
  r.m12 = a.m11 * b.m12 + a.m12 * b.m22;
  r.m21 = a.m21 * b.m11 + a.m22 * b.m21;
  r.m22 = a.m21 * b.m12 + a.m22 * b.m22;
  r.tX = a.tX * b.m11 + a.tY * b.m21 + b.tX;
  r.tY = a.tX * b.m12 + a.tY * b.m22 + b.tY;
  return r;
}

cairo_matrix_t ToCairo(const TransformStruct& m) {
  cairo_matrix_t c;
  cairo_matrix_init(&c, m.m11, m.m12, m.m21, m.m22, m.tX, m.tY);
  return c;
}

TransformStruct FromCairo(const cairo_matrix_t& c) { return {c.xx, c.yx, c.xy, c.yy, c.x0, c.y0}; }

uint8_t Channel(uint32_t premultiplied, uint32_t alpha) {
  if (alpha == 0) return 0;
  return static_cast<uint8_t>((premultiplied * 255 + alpha / 2) / alpha);
}

std::vector<GraphicsContext*>& ContextStack() {
  static thread_local std::vector<GraphicsContext*> stack;
  return stack;
}

constexpr int kMaxSide = 16384;

}  // namespace

// ---- AffineTransform ---------------------------------------------------------

AffineTransform& AffineTransform::resetToIdentityMatrix() {
  m_ = TransformStruct{};
  return *this;
}

void AffineTransform::translateXBy(double x, double y) { m_ = Multiply({1, 0, 0, 1, x, y}, m_); }

void AffineTransform::rotateByDegrees(double degrees) {
  // Whole quarter turns are exact, so a 90° turn does not leave 1e-17 crumbs
  // that move a pixel edge.
  const double turns = degrees / 90.0;
  if (turns == std::floor(turns) && std::fabs(turns) < 1e9) {
    static constexpr double kSin[] = {0, 1, 0, -1}, kCos[] = {1, 0, -1, 0};
    const long q = ((static_cast<long>(turns) % 4) + 4) % 4;
    m_ = Multiply({kCos[q], kSin[q], -kSin[q], kCos[q], 0, 0}, m_);
    return;
  }
  rotateByRadians(degrees * M_PI / 180.0);
}

void AffineTransform::rotateByRadians(double radians) {
  const double c = std::cos(radians), s = std::sin(radians);
  m_ = Multiply({c, s, -s, c, 0, 0}, m_);
}

void AffineTransform::scaleXBy(double sx, double sy) { m_ = Multiply({sx, 0, 0, sy, 0, 0}, m_); }

void AffineTransform::shearXBy(float shearX, float shearY) {
  m_ = Multiply(m_, {1, static_cast<double>(shearY), static_cast<double>(shearX), 1, 0, 0});
}

void AffineTransform::appendTransform(const AffineTransform& other) { m_ = Multiply(m_, other.m_); }

void AffineTransform::prependTransform(const AffineTransform& other) { m_ = Multiply(other.m_, m_); }

bool AffineTransform::invert() {
  const double det = m_.m11 * m_.m22 - m_.m12 * m_.m21;
  if (det == 0 || !std::isfinite(det)) return false;
  TransformStruct r;
  r.m11 = m_.m22 / det;
  r.m12 = -m_.m12 / det;
  r.m21 = -m_.m21 / det;
  r.m22 = m_.m11 / det;
  r.tX = (m_.m21 * m_.tY - m_.m22 * m_.tX) / det;
  r.tY = (m_.m12 * m_.tX - m_.m11 * m_.tY) / det;
  m_ = r;
  return true;
}

Point AffineTransform::transformPoint(const Point& p) const {
  return {m_.m11 * p.x + m_.m21 * p.y + m_.tX, m_.m12 * p.x + m_.m22 * p.y + m_.tY};
}

Size AffineTransform::transformSize(const Size& s) const {
  return {m_.m11 * s.width + m_.m21 * s.height, m_.m12 * s.width + m_.m22 * s.height};
}

void AffineTransform::concat() const {
  if (GraphicsContext* ctx = GraphicsContext::Current()) concat(*ctx);
}

void AffineTransform::concat(GraphicsContext& ctx) const {
  const cairo_matrix_t c = ToCairo(m_);
  const double det = m_.m11 * m_.m22 - m_.m12 * m_.m21;
  if (det == 0 || !std::isfinite(det)) {
    // Everything drawn through a singular matrix collapses to nothing; cairo
    // would instead put the context in an error state for good, so clip
    // everything away until the state is restored.
    cairo_new_path(ctx.cairo());
    cairo_rectangle(ctx.cairo(), 0, 0, 0, 0);
    cairo_clip(ctx.cairo());
    return;
  }
  cairo_transform(ctx.cairo(), &c);
}

// ---- BezierPath ---------------------------------------------------------------

BezierPath BezierPath::bezierPathWithRect(const Frame& r) {
  BezierPath p;
  p.appendBezierPathWithRect(r);
  return p;
}

BezierPath BezierPath::bezierPathWithOvalInRect(const Frame& r) {
  BezierPath p;
  p.appendBezierPathWithOvalInRect(r);
  return p;
}

void BezierPath::moveToPoint(const Point& p) { elements_.push_back({Op::kMove, {p, {}, {}}}); }
void BezierPath::lineToPoint(const Point& p) { elements_.push_back({Op::kLine, {p, {}, {}}}); }
void BezierPath::curveToPoint(const Point& end, const Point& c1, const Point& c2) {
  elements_.push_back({Op::kCurve, {c1, c2, end}});
}
void BezierPath::closePath() { elements_.push_back({Op::kClose, {}}); }

void BezierPath::appendBezierPathWithRect(const Frame& r) {
  moveToPoint({r.x, r.y});
  lineToPoint({r.x + r.width, r.y});
  lineToPoint({r.x + r.width, r.y + r.height});
  lineToPoint({r.x, r.y + r.height});
  closePath();
}

void BezierPath::appendBezierPathWithOvalInRect(const Frame& r) {
  // Four cubic arcs; k places the control points of a quarter circle.
  constexpr double k = 0.5522847498;
  const double cx = r.x + r.width / 2, cy = r.y + r.height / 2, rx = r.width / 2, ry = r.height / 2;
  moveToPoint({cx + rx, cy});
  curveToPoint({cx, cy + ry}, {cx + rx, cy + k * ry}, {cx + k * rx, cy + ry});
  curveToPoint({cx - rx, cy}, {cx - k * rx, cy + ry}, {cx - rx, cy + k * ry});
  curveToPoint({cx, cy - ry}, {cx - rx, cy - k * ry}, {cx - k * rx, cy - ry});
  curveToPoint({cx + rx, cy}, {cx + k * rx, cy - ry}, {cx + rx, cy - k * ry});
  closePath();
}

void BezierPath::appendTo(cairo_t* cr) const {
  for (const Element& e : elements_) {
    switch (e.op) {
      case Op::kMove: cairo_move_to(cr, e.p[0].x, e.p[0].y); break;
      case Op::kLine: cairo_line_to(cr, e.p[0].x, e.p[0].y); break;
      case Op::kCurve: cairo_curve_to(cr, e.p[0].x, e.p[0].y, e.p[1].x, e.p[1].y, e.p[2].x, e.p[2].y); break;
      case Op::kClose: cairo_close_path(cr); break;
    }
  }
}

void BezierPath::fill() const {
  if (GraphicsContext* ctx = GraphicsContext::Current()) fill(*ctx);
}
void BezierPath::stroke() const {
  if (GraphicsContext* ctx = GraphicsContext::Current()) stroke(*ctx);
}
void BezierPath::addClip() const {
  if (GraphicsContext* ctx = GraphicsContext::Current()) addClip(*ctx);
}

namespace {

// The path as cairo's current path, painted in the colour.
cairo_t* Prepare(const BezierPath& path, GraphicsContext& ctx, const Color& c) {
  cairo_t* cr = ctx.cairo();
  cairo_new_path(cr);
  path.appendTo(cr);
  cairo_set_source_rgba(cr, c.red, c.green, c.blue, c.alpha);
  return cr;
}

}  // namespace

void BezierPath::fill(GraphicsContext& ctx) const { cairo_fill(Prepare(*this, ctx, ctx.fillColor())); }

void BezierPath::stroke(GraphicsContext& ctx) const {
  cairo_t* cr = Prepare(*this, ctx, ctx.strokeColor());
  cairo_set_line_width(cr, lineWidth_);
  cairo_stroke(cr);
}

void BezierPath::addClip(GraphicsContext& ctx) const {
  cairo_t* cr = ctx.cairo();
  cairo_new_path(cr);
  appendTo(cr);
  cairo_clip(cr);
}

// ---- GraphicsContext ------------------------------------------------------------

GraphicsContext::GraphicsContext(int width, int height, bool flipped)
    : width_(width < 1 ? 1 : width > kMaxSide ? kMaxSide : width),
      height_(height < 1 ? 1 : height > kMaxSide ? kMaxSide : height),
      flipped_(flipped),
      state_(1) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
  cr_ = cairo_create(s);
  cairo_surface_destroy(s);  // the context holds it
  if (!flipped_) {
    cairo_translate(cr_, 0, height_);
    cairo_scale(cr_, 1, -1);
  }
}

GraphicsContext::~GraphicsContext() {
  auto& stack = ContextStack();
  for (auto& c : stack) {
    if (c == this) c = nullptr;
  }
  cairo_destroy(cr_);
}

GraphicsContext* GraphicsContext::Current() {
  auto& stack = ContextStack();
  return stack.empty() ? nullptr : stack.back();
}

void GraphicsContext::saveGraphicsState() {
  cairo_save(cr_);
  state_.push_back(state_.back());
}

void GraphicsContext::restoreGraphicsState() {
  if (state_.size() <= 1) return;
  cairo_restore(cr_);
  state_.pop_back();
}

void GraphicsContext::setFillColor(const Color& c) { state_.back().fill = c; }
void GraphicsContext::setStrokeColor(const Color& c) { state_.back().stroke = c; }
void GraphicsContext::setLineWidth(double w) { state_.back().lineWidth = w > 0 ? w : 0; }

void GraphicsContext::fillRect(const Frame& r) { BezierPath::bezierPathWithRect(r).fill(*this); }

void GraphicsContext::strokeRect(const Frame& r) {
  BezierPath p = BezierPath::bezierPathWithRect(r);
  p.setLineWidth(lineWidth());
  p.stroke(*this);
}

void GraphicsContext::clipToRect(const Frame& r) { BezierPath::bezierPathWithRect(r).addClip(*this); }

void GraphicsContext::clear() {
  cairo_save(cr_);
  cairo_reset_clip(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr_);
  cairo_restore(cr_);
}

AffineTransform GraphicsContext::currentTransform() const {
  cairo_matrix_t ctm;
  cairo_get_matrix(cr_, &ctm);
  AffineTransform base(flipped_ ? TransformStruct{} : TransformStruct{1, 0, 0, -1, 0, static_cast<double>(height_)});
  base.invert();
  AffineTransform t(FromCairo(ctm));
  t.appendTransform(base);
  return t;
}

Pixel GraphicsContext::pixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  cairo_surface_t* s = cairo_get_target(cr_);
  cairo_surface_flush(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  uint32_t v;
  std::memcpy(&v, data + static_cast<ptrdiff_t>(y) * stride + static_cast<ptrdiff_t>(x) * 4, 4);
  const uint32_t a = v >> 24;
  return {Channel((v >> 16) & 0xff, a), Channel((v >> 8) & 0xff, a), Channel(v & 0xff, a), static_cast<uint8_t>(a)};
}

Pixel GraphicsContext::pixelAtPoint(const Point& p) const {
  double x = p.x, y = p.y;
  cairo_user_to_device(cr_, &x, &y);
  if (!std::isfinite(x) || !std::isfinite(y) || x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  return pixelAt(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

std::vector<uint8_t> GraphicsContext::rgba() const {
  std::vector<uint8_t> out(static_cast<size_t>(width_) * static_cast<size_t>(height_) * 4);
  size_t i = 0;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Pixel p = pixelAt(x, y);
      out[i++] = p.r;
      out[i++] = p.g;
      out[i++] = p.b;
      out[i++] = p.a;
    }
  }
  return out;
}

bool GraphicsContext::writePNG(const std::string& path, std::string* error) const {
  cairo_surface_t* s = cairo_get_target(cr_);
  cairo_surface_flush(s);
  // Written beside the target and renamed, so no reader sees half a picture.
  const std::string temp = path + ".part";
  const cairo_status_t st = cairo_surface_write_to_png(s, temp.c_str());
  if (st != CAIRO_STATUS_SUCCESS || std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    if (error) *error = "cannot write " + path + ": " + (st != CAIRO_STATUS_SUCCESS ? cairo_status_to_string(st) : std::strerror(errno));
    return false;
  }
  return true;
}

CurrentContextScope::CurrentContextScope(GraphicsContext& ctx) { ContextStack().push_back(&ctx); }
CurrentContextScope::~CurrentContextScope() { ContextStack().pop_back(); }

// ---- view geometry --------------------------------------------------------------

AffineTransform TransformToSuperview(const View& view) {
  const Frame f = view.frame(), b = view.bounds();
  const double sx = b.width > 0 ? f.width / b.width : 1, sy = b.height > 0 ? f.height / b.height : 1;
  const bool superFlipped = view.superview() != nullptr && view.superview()->isFlipped();
  if (view.isFlipped() == superFlipped) return AffineTransform({sx, 0, 0, sy, f.x - b.x * sx, f.y - b.y * sy});
  return AffineTransform({sx, 0, 0, -sy, f.x - b.x * sx, f.y + f.height + b.y * sy});
}

namespace {

AffineTransform TransformToRoot(const View* v) {
  AffineTransform t;
  for (; v != nullptr; v = v->superview()) t.appendTransform(TransformToSuperview(*v));
  return t;
}

}  // namespace

Frame View::bounds() const {
  return {boundsX_, boundsY_, boundsWidth_ < 0 ? frame_.width : boundsWidth_,
          boundsHeight_ < 0 ? frame_.height : boundsHeight_};
}

void View::setBoundsOrigin(double x, double y) {
  boundsX_ = x;
  boundsY_ = y;
}

void View::setBoundsSize(double width, double height) {
  boundsWidth_ = width < 0 ? 0 : width;
  boundsHeight_ = height < 0 ? 0 : height;
}

void View::translateOriginToPoint(double x, double y) {
  boundsX_ -= x;
  boundsY_ -= y;
}

Frame View::convertRectFromView(const Frame& r, const View* from) const {
  AffineTransform t = from ? TransformToRoot(from) : AffineTransform();
  AffineTransform toSelf = TransformToRoot(this);
  if (!toSelf.invert()) return {};
  t.appendTransform(toSelf);
  const Point a = t.transformPoint({r.x, r.y}), c = t.transformPoint({r.x + r.width, r.y + r.height});
  return {std::min(a.x, c.x), std::min(a.y, c.y), std::fabs(c.x - a.x), std::fabs(c.y - a.y)};
}

}  // namespace zqp
