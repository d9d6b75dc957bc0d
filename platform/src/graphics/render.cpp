// Plain drawings of the controls for snapshots. Nothing here imitates a
// desktop theme: each control shows its frame, its title or value and its
// state, greyed when it refuses input.
#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "zqp/font.h"
#include "zqp/picture.h"
#include "zqp/snapshot.h"

namespace zqp {

namespace {

constexpr Color kWindowBackground{0.93, 0.93, 0.93, 1};
constexpr Color kFieldBackground{1, 1, 1, 1};
constexpr Color kButtonBackground{0.98, 0.98, 0.98, 1};
constexpr Color kBorder{0.55, 0.55, 0.55, 1};
constexpr Color kDisabledBorder{0.78, 0.78, 0.78, 1};
constexpr Color kSelection{0.22, 0.46, 0.84, 1};
constexpr Color kWhite{1, 1, 1, 1};
constexpr double kControlFontSize = 11;
constexpr double kTitleBarHeight = 22;
constexpr double kRowHeight = 17;

struct Painter {
  GraphicsContext& ctx;
  const View& view;
  Frame b;
  bool enabled;

  Painter(GraphicsContext& c, const View& v) : ctx(c), view(v), b(v.bounds()), enabled(v.acceptsUserInput()) {}

  Color text() const { return enabled ? kControlTextColor : kDisabledTextColor; }
  Color border() const { return enabled ? kBorder : kDisabledBorder; }

  // A band `height` high whose top is `top` below the view's top edge, in
  // the view's own coordinates (flipped or not).
  Frame FromTop(double top, double height, double left = 0, double width = -1) const {
    const double w = width < 0 ? b.width - left : width;
    if (view.isFlipped()) return {b.x + left, b.y + top, w, height};
    return {b.x + left, b.y + b.height - top - height, w, height};
  }

  void Box(const Frame& r, const Color& fill, const Color& line) const {
    ctx.setFillColor(fill);
    ctx.fillRect(r);
    ctx.setStrokeColor(line);
    ctx.setLineWidth(1);
    ctx.strokeRect({r.x + 0.5, r.y + 0.5, r.width - 1, r.height - 1});
  }

  Size Measure(const std::string& s, double size = kControlFontSize) const {
    return AttributedString(s, {Font::systemFontOfSize(size), {}}).size();
  }

  // Text vertically centred in r, starting `inset` from its left (or
  // centred across it when inset < 0), clipped to r.
  void Text(const std::string& s, const Frame& r, double inset, const Color& c, double size = kControlFontSize) const {
    if (s.empty()) return;
    AttributedString a(s, {Font::systemFontOfSize(size), c});
    const Size sz = a.size();
    const double x = inset < 0 ? r.x + (r.width - sz.width) / 2 : r.x + inset;
    ctx.saveGraphicsState();
    ctx.clipToRect(r);
    a.drawAtPoint(ctx, {x, r.y + (r.height - sz.height) / 2});
    ctx.restoreGraphicsState();
  }

  void Triangle(double cx, double cy, double half, bool up) const {
    // `up` is the visual direction; a flipped view counts y downwards.
    const double dir = (up != view.isFlipped()) ? 1 : -1;
    BezierPath p;
    p.moveToPoint({cx - half, cy - dir * half / 2});
    p.lineToPoint({cx + half, cy - dir * half / 2});
    p.lineToPoint({cx, cy + dir * half / 2});
    p.closePath();
    ctx.setFillColor(text());
    p.fill(ctx);
  }
};

void DrawButton(Painter& p, const Button& btn) {
  const Frame& b = p.b;
  if (btn.buttonType() == ButtonType::kPush) {
    if (btn.title().empty() && b.width <= 32 && b.height <= 32) {
      // A round help button.
      const double d = std::min(b.width, b.height) - 2;
      const Frame r{b.x + (b.width - d) / 2, b.y + (b.height - d) / 2, d, d};
      p.ctx.setFillColor(kButtonBackground);
      BezierPath::bezierPathWithOvalInRect(r).fill(p.ctx);
      BezierPath o = BezierPath::bezierPathWithOvalInRect({r.x + 0.5, r.y + 0.5, d - 1, d - 1});
      p.ctx.setStrokeColor(p.border());
      o.stroke(p.ctx);
      p.Text("?", r, -1, p.text(), 12);
      return;
    }
    const Frame r{b.x + 4, b.y + 4, b.width - 8, b.height - 8};
    p.Box(r, kButtonBackground, p.border());
    p.Text(btn.title(), r, -1, p.text());
    return;
  }
  // Check box or radio button: the mark left, the title beside it.
  const double side = 13;
  const Frame mark{b.x + 1, b.y + (b.height - side) / 2, side, side};
  if (btn.buttonType() == ButtonType::kCheck) {
    p.Box(mark, kFieldBackground, p.border());
    if (btn.state() != 0) {
      BezierPath c;
      c.setLineWidth(2);
      // Drawn in the mark's own square, upright in both conventions.
      const bool f = p.view.isFlipped();
      auto at = [&](double fx, double fy) { return Point{mark.x + fx * side, mark.y + (f ? 1 - fy : fy) * side}; };
      c.moveToPoint(at(0.22, 0.52));
      c.lineToPoint(at(0.42, 0.28));
      c.lineToPoint(at(0.80, 0.78));
      p.ctx.setStrokeColor(p.text());
      c.stroke(p.ctx);
    }
  } else {
    p.ctx.setFillColor(kFieldBackground);
    BezierPath::bezierPathWithOvalInRect(mark).fill(p.ctx);
    BezierPath o = BezierPath::bezierPathWithOvalInRect({mark.x + 0.5, mark.y + 0.5, side - 1, side - 1});
    p.ctx.setStrokeColor(p.border());
    o.stroke(p.ctx);
    if (btn.state() != 0) {
      p.ctx.setFillColor(p.text());
      BezierPath::bezierPathWithOvalInRect({mark.x + 4, mark.y + 4, side - 8, side - 8}).fill(p.ctx);
    }
  }
  p.Text(btn.title(), {b.x + side + 5, b.y, b.width - side - 5, b.height}, 0, p.text());
}

void DrawPopUp(Painter& p, const PopUpButton& pop) {
  const Frame& b = p.b;
  const Frame r{b.x + 2, b.y + 2, b.width - 4, b.height - 4};
  p.Box(r, kButtonBackground, p.border());
  p.Text(pop.displayedTitle(), {r.x, r.y, r.width - 18, r.height}, 8, p.text());
  const double cx = r.x + r.width - 10, cy = r.y + r.height / 2;
  p.Triangle(cx, cy + 3, 3.5, true);
  p.Triangle(cx, cy - 3, 3.5, false);
}

void DrawTextField(Painter& p, const TextField& tf) {
  const Frame& b = p.b;
  std::string shown = tf.stringValue();
  if (tf.isSecure()) {
    size_t chars = 0;
    for (unsigned char c : shown) chars += (c & 0xC0) != 0x80;
    shown.clear();
    for (size_t i = 0; i < chars; ++i) shown += "\u2022";
  }
  if (tf.isLabel()) {
    Color c = tf.textColor();
    if (!tf.isEnabled() || tf.isHiddenOrHasHiddenAncestor()) c = kDisabledTextColor;
    p.Text(shown, b, 2, c);
    return;
  }
  p.Box(b, tf.isEditable() && p.enabled ? kFieldBackground : kWindowBackground, p.border());
  p.Text(shown, b, 4, p.enabled ? tf.textColor() : kDisabledTextColor);
}

void DrawTextView(Painter& p, const TextView& tv) {
  p.Box(p.b, kFieldBackground, p.border());
  size_t start = 0;
  double top = 2;
  const std::string& s = tv.string();
  while (start <= s.size() && top < p.b.height) {
    size_t end = s.find('\n', start);
    if (end == std::string::npos) end = s.size();
    p.Text(s.substr(start, end - start), p.FromTop(top, 15), 4, p.enabled ? tv.textColor() : kDisabledTextColor);
    top += 15;
    start = end + 1;
  }
}

void DrawStepper(Painter& p, const Stepper&) {
  const Frame& b = p.b;
  const Frame r{b.x + (b.width - 13) / 2, b.y + 1, 13, b.height - 2};
  p.Box(r, kButtonBackground, p.border());
  const double cx = r.x + r.width / 2, cy = r.y + r.height / 2;
  p.ctx.setStrokeColor(p.border());
  BezierPath mid;
  mid.moveToPoint({r.x, cy});
  mid.lineToPoint({r.x + r.width, cy});
  mid.stroke(p.ctx);
  const double q = r.height / 4;
  p.Triangle(cx, p.view.isFlipped() ? cy - q : cy + q, 3, true);
  p.Triangle(cx, p.view.isFlipped() ? cy + q : cy - q, 3, false);
}

void DrawSlider(Painter& p, const Slider& s) {
  const Frame& b = p.b;
  const double cy = b.y + b.height / 2;
  p.ctx.setFillColor(p.border());
  p.ctx.fillRect({b.x + 6, cy - 2, b.width - 12, 4});
  const double span = s.maxValue() - s.minValue();
  for (int i = 0; span > 0 && i < s.numberOfTickMarks(); ++i) {
    const double tx = b.x + 6 + (s.tickMarkValueAtIndex(i) - s.minValue()) / span * (b.width - 12);
    p.ctx.fillRect({tx - 0.5, cy - 8, 1, 4});
  }
  const double f = span > 0 ? (s.doubleValue() - s.minValue()) / span : 0;
  const double x = b.x + 6 + f * (b.width - 12);
  p.ctx.setFillColor(kButtonBackground);
  BezierPath::bezierPathWithOvalInRect({x - 6, cy - 6, 12, 12}).fill(p.ctx);
  BezierPath o = BezierPath::bezierPathWithOvalInRect({x - 5.5, cy - 5.5, 11, 11});
  p.ctx.setStrokeColor(p.border());
  o.stroke(p.ctx);
}

void DrawBox(Painter& p, const zqp::Box& box) {
  const double titleHeight = box.title().empty() ? 0 : 16;
  const Frame line = p.FromTop(titleHeight, p.b.height - titleHeight);
  p.ctx.setStrokeColor(p.border());
  p.ctx.setLineWidth(1);
  p.ctx.strokeRect({line.x + 0.5, line.y + 0.5, line.width - 1, line.height - 1});
  if (titleHeight > 0) p.Text(box.title(), p.FromTop(0, titleHeight), 4, p.text());
}

void DrawColorWell(Painter& p, const ColorWell& cw) {
  p.Box(p.b, kButtonBackground, p.border());
  const Frame& b = p.b;
  p.ctx.setFillColor(cw.color());
  p.ctx.fillRect({b.x + 4, b.y + 4, b.width - 8, b.height - 8});
}

void DrawImageView(Painter& p, const ImageView& iv) {
  if (!iv.image()) return;
  std::shared_ptr<Picture> pic = Picture::Load(iv.image()->path());
  if (!pic) return;
  const Frame& b = p.b;
  // Shrunk to fit, never enlarged, centred.
  const Size s = pic->size();
  const double k = std::min({1.0, s.width > 0 ? b.width / s.width : 1, s.height > 0 ? b.height / s.height : 1});
  const double w = s.width * k, h = s.height * k;
  pic->drawInRect(p.ctx, {b.x + (b.width - w) / 2, b.y + (b.height - h) / 2, w, h});
}

void DrawTable(Painter& p, const TableView& t) {
  p.Box(p.b, kFieldBackground, p.border());
  auto& columns = const_cast<TableView&>(t).columns();
  const size_t n = columns.empty() ? 1 : columns.size();
  const double colWidth = p.b.width / static_cast<double>(n);
  const Frame header = p.FromTop(0, kRowHeight);
  p.Box(header, kButtonBackground, p.border());
  for (size_t c = 0; c < columns.size(); ++c) {
    p.Text(columns[c].title, p.FromTop(0, kRowHeight, c * colWidth, colWidth), 4, p.text());
  }
  const int rows = t.numberOfRows();
  for (int r = 0; r < rows; ++r) {
    const double top = kRowHeight * (r + 1);
    if (top >= p.b.height) break;
    const bool selected = std::find(t.selectedRows().begin(), t.selectedRows().end(), r) != t.selectedRows().end();
    if (selected) {
      p.ctx.setFillColor(p.enabled ? kSelection : kDisabledBorder);
      p.ctx.fillRect(p.FromTop(top, kRowHeight, 1, p.b.width - 2));
    }
    for (size_t c = 0; c < columns.size(); ++c) {
      p.Text(t.cell(columns[c].identifier, r), p.FromTop(top, kRowHeight, c * colWidth, colWidth), 4,
             selected && p.enabled ? kWhite : p.text());
    }
  }
}

void DrawTabView(Painter& p, const TabView& tv) {
  const double tabHeight = 22;
  const Frame body = p.FromTop(tabHeight / 2, p.b.height - tabHeight / 2);
  p.ctx.setStrokeColor(p.border());
  p.ctx.strokeRect({body.x + 0.5, body.y + 0.5, body.width - 1, body.height - 1});
  double total = 0;
  std::vector<double> widths;
  for (const auto& item : tv.items()) {
    widths.push_back(p.Measure(item.label).width + 20);
    total += widths.back();
  }
  double left = std::max(0.0, (p.b.width - total) / 2);
  for (size_t i = 0; i < tv.items().size(); ++i) {
    const Frame tab = p.FromTop(0, tabHeight, left, widths[i]);
    const bool selected = static_cast<int>(i) == tv.indexOfSelectedTab();
    p.Box(tab, selected ? (p.enabled ? kSelection : kDisabledBorder) : kButtonBackground, p.border());
    p.Text(tv.items()[i].label, tab, -1, selected ? kWhite : p.text());
    left += widths[i];
  }
}

void DrawDatePicker(Painter& p, const DatePicker& d) {
  p.Box(p.b, kFieldBackground, p.border());
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d", d.hour(), d.minute());
  p.Text(buf, p.b, 4, p.text());
}

void DrawProgress(Painter& p, const ProgressIndicator& pi) {
  p.Box(p.b, kFieldBackground, p.border());
  const double f = pi.fraction();
  if (f <= 0) return;
  p.ctx.setFillColor(p.enabled ? kSelection : kDisabledBorder);
  p.ctx.fillRect({p.b.x + 1, p.b.y + 1, (p.b.width - 2) * f, p.b.height - 2});
}

void DrawOwn(View& v, GraphicsContext& ctx) {
  Painter p(ctx, v);
  switch (v.kind()) {
    case ViewKind::kButton: DrawButton(p, static_cast<const Button&>(v)); break;
    case ViewKind::kPopUp: DrawPopUp(p, static_cast<const PopUpButton&>(v)); break;
    case ViewKind::kTextField: DrawTextField(p, static_cast<const TextField&>(v)); break;
    case ViewKind::kTextView: DrawTextView(p, static_cast<const TextView&>(v)); break;
    case ViewKind::kStepper: DrawStepper(p, static_cast<const Stepper&>(v)); break;
    case ViewKind::kSlider: DrawSlider(p, static_cast<const Slider&>(v)); break;
    case ViewKind::kBox: DrawBox(p, static_cast<const zqp::Box&>(v)); break;
    case ViewKind::kColorWell: DrawColorWell(p, static_cast<const ColorWell&>(v)); break;
    case ViewKind::kImageView: DrawImageView(p, static_cast<const ImageView&>(v)); break;
    case ViewKind::kTableView: DrawTable(p, static_cast<const TableView&>(v)); break;
    case ViewKind::kTabView: DrawTabView(p, static_cast<const TabView&>(v)); break;
    case ViewKind::kDatePicker: DrawDatePicker(p, static_cast<const DatePicker&>(v)); break;
    case ViewKind::kCustom: {
      CurrentContextScope scope(ctx);
      static_cast<CustomView&>(v).display();
      break;
    }
    case ViewKind::kProgressIndicator: DrawProgress(p, static_cast<const ProgressIndicator&>(v)); break;
    case ViewKind::kView: break;
  }
}

// Draws v in its own coordinates (the transform to them is already applied).
void DrawContent(View& v, GraphicsContext& ctx) {
  ctx.saveGraphicsState();
  ctx.clipToRect(v.bounds());
  DrawOwn(v, ctx);
  ctx.restoreGraphicsState();
  for (const auto& sub : v.subviews()) {
    if (!sub->isHidden()) DrawViewHierarchy(*sub, ctx);
  }
}

// The transform that puts the view's frame at the context's origin.
AffineTransform RootTransform(const View& v) {
  const Frame f = v.frame(), b = v.bounds();
  const double sx = b.width > 0 ? f.width / b.width : 1, sy = b.height > 0 ? f.height / b.height : 1;
  if (!v.isFlipped()) return AffineTransform({sx, 0, 0, sy, -b.x * sx, -b.y * sy});
  return AffineTransform({sx, 0, 0, -sy, -b.x * sx, f.height + b.y * sy});
}

int Pixels(double v) {
  if (!std::isfinite(v) || v < 1) return 1;
  return static_cast<int>(std::ceil(std::min(v, 16384.0)));
}

}  // namespace

void DrawViewHierarchy(View& view, GraphicsContext& ctx) {
  if (view.isHidden()) return;
  ctx.saveGraphicsState();
  TransformToSuperview(view).concat(ctx);
  DrawContent(view, ctx);
  ctx.restoreGraphicsState();
}

std::unique_ptr<GraphicsContext> SnapshotView(View& view) {
  auto ctx = std::make_unique<GraphicsContext>(Pixels(view.frame().width), Pixels(view.frame().height));
  ctx->setFillColor(kWindowBackground);
  ctx->fillRect({0, 0, static_cast<double>(ctx->width()), static_cast<double>(ctx->height())});
  RootTransform(view).concat(*ctx);
  if (!view.isHidden()) DrawContent(view, *ctx);
  return ctx;
}

std::unique_ptr<GraphicsContext> SnapshotPanel(View& content, const std::string& title) {
  const double w = content.frame().width, h = content.frame().height;
  auto ctx = std::make_unique<GraphicsContext>(Pixels(w), Pixels(h + kTitleBarHeight));
  ctx->setFillColor(kWindowBackground);
  ctx->fillRect({0, 0, static_cast<double>(ctx->width()), static_cast<double>(ctx->height())});
  // The title bar on top, a line under it.
  const Frame bar{0, static_cast<double>(ctx->height()) - kTitleBarHeight, static_cast<double>(ctx->width()),
                 kTitleBarHeight};
  ctx->setFillColor({0.85, 0.85, 0.85, 1});
  ctx->fillRect(bar);
  ctx->setFillColor(kBorder);
  ctx->fillRect({0, bar.y, bar.width, 1});
  AttributedString t(title, {Font::systemFontOfSize(12), kControlTextColor});
  const Size ts = t.size();
  t.drawAtPoint(*ctx, {(bar.width - ts.width) / 2, bar.y + (kTitleBarHeight - ts.height) / 2});
  ctx->saveGraphicsState();
  RootTransform(content).concat(*ctx);
  if (!content.isHidden()) DrawContent(content, *ctx);
  ctx->restoreGraphicsState();
  return ctx;
}

std::unique_ptr<GraphicsContext> SnapshotWindow(Window& window) {
  if (window.contentView() == nullptr) {
    View empty;
    empty.setFrame({0, 0, window.frame().width, window.frame().height});
    return SnapshotPanel(empty, window.title());
  }
  return SnapshotPanel(*window.contentView(), window.title());
}

Pixel PixelOfView(View& view, double x, double y) {
  auto ctx = SnapshotView(view);
  return ctx->pixelAtPoint({x + 0.5, y + 0.5});
}

}  // namespace zqp
