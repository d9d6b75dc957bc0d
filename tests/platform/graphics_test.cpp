// Drawing, transforms, view geometry and snapshots, probed by pixels.
#include <gtest/gtest.h>

#include <cmath>

#include "zqp/graphics.h"
#include "zqp/snapshot.h"

namespace {

using zqp::AffineTransform;
using zqp::GraphicsContext;
using zqp::Pixel;
using zqp::Point;

constexpr Pixel kRed{255, 0, 0, 255};
constexpr Pixel kClear{0, 0, 0, 0};

void ExpectNear(const Point& a, const Point& b) {
  EXPECT_NEAR(a.x, b.x, 1e-9);
  EXPECT_NEAR(a.y, b.y, 1e-9);
}

TEST(AffineTransform, ComposesInTheOrderOfTheCalls) {
  struct Case {
    const char* what;
    std::function<void(AffineTransform&)> build;
    Point in, out;
  } cases[] = {
      // A picture is turned about the origin first, then moved.
      {"translate then rotate", [](AffineTransform& t) { t.translateXBy(10, 0); t.rotateByDegrees(90); },
       {1, 0}, {10, 1}},
      {"rotate then translate", [](AffineTransform& t) { t.rotateByDegrees(90); t.translateXBy(10, 0); },
       {1, 0}, {0, 11}},
      {"scale then translate", [](AffineTransform& t) { t.scaleBy(0.2); t.translateXBy(5, 5); }, {0, 0}, {1, 1}},
      {"negative quarter turn", [](AffineTransform& t) { t.rotateByDegrees(-90); }, {1, 0}, {0, -1}},
      {"shear acts after the rest", [](AffineTransform& t) { t.translateXBy(0, 2); t.shearXBy(0.5f, 0); },
       {0, 0}, {1, 2}},
      {"shearY", [](AffineTransform& t) { t.shearYBy(2); }, {1, 0}, {1, 2}},
      {"append: this then other",
       [](AffineTransform& t) {
         AffineTransform move;
         move.translateXBy(3, 0);
         t.rotateByDegrees(90);
         t.appendTransform(move);
       },
       {1, 0}, {3, 1}},
      {"reset", [](AffineTransform& t) { t.rotateByDegrees(33); t.resetToIdentityMatrix(); }, {4, 5}, {4, 5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AffineTransform t;
    c.build(t);
    ExpectNear(t.transformPoint(c.in), c.out);
  }
}

TEST(AffineTransform, InverseMapsBackAndSingularIsRefused) {
  AffineTransform t;
  t.translateXBy(12, -7);
  t.rotateByDegrees(37);
  t.scaleXBy(2, 0.5);
  t.shearXBy(0.3f, 0.1f);
  AffineTransform inv = t;
  ASSERT_TRUE(inv.invert());
  ExpectNear(inv.transformPoint(t.transformPoint({3.5, -8})), {3.5, -8});

  AffineTransform flat;
  flat.scaleXBy(0, 1);
  const auto before = flat.transformStruct();
  EXPECT_FALSE(flat.invert());
  EXPECT_EQ(flat.transformStruct(), before);

  // Drawn through it, a shape collapses to nothing, and the context works
  // again once the state is restored (a picture scaled to 0 is not drawn).
  GraphicsContext ctx(10, 10);
  ctx.setFillColor({1, 0, 0, 1});
  ctx.saveGraphicsState();
  flat.concat(ctx);
  ctx.fillRect({0, 0, 10, 10});
  EXPECT_EQ(ctx.pixelAt(5, 5), kClear);
  ctx.restoreGraphicsState();
  ctx.fillRect({0, 0, 10, 10});
  EXPECT_EQ(ctx.pixelAt(5, 5), kRed);
}

TEST(GraphicsContext, SquareLandsWhereAQuarterTurnPutsIt) {
  GraphicsContext ctx(40, 40);
  ctx.setFillColor({1, 0, 0, 1});
  AffineTransform t;
  t.translateXBy(20, 20);
  t.rotateByDegrees(90);
  t.concat(ctx);
  ctx.fillRect({0, 0, 10, 5});  // turned: x in [-5, 0], y in [0, 10] around (20, 20)
  // Device rows count from the top: user y 25 is row 40 - 25 - 1.
  EXPECT_EQ(ctx.pixelAt(17, 40 - 25 - 1), kRed);
  EXPECT_EQ(ctx.pixelAt(22, 40 - 25 - 1), kClear);  // where it would be unturned
  EXPECT_EQ(ctx.pixelAtPoint({5, 2.5}), kRed);  // the same spot in the turned space
  EXPECT_EQ(ctx.pixelAt(25, 40 - 22 - 1), kClear);
}

TEST(GraphicsContext, AlphaClipAndSavedState) {
  GraphicsContext ctx(20, 20, /*flipped=*/true);
  ctx.setFillColor({0, 0, 1, 1});
  ctx.saveGraphicsState();
  ctx.clipToRect({0, 0, 10, 20});
  ctx.setFillColor({1, 0, 0, 0.5});
  ctx.fillRect({0, 0, 20, 20});
  ctx.restoreGraphicsState();
  ctx.restoreGraphicsState();  // unbalanced: ignored
  EXPECT_EQ(ctx.fillColor(), (zqp::Color{0, 0, 1, 1}));
  const Pixel half = ctx.pixelAt(2, 2);
  EXPECT_EQ(half.r, 255);
  EXPECT_NEAR(half.a, 128, 1);
  EXPECT_EQ(ctx.pixelAt(15, 2), kClear);  // outside the clip
  ctx.fillRect({10, 0, 10, 20});          // the clip ended with its state
  EXPECT_EQ(ctx.pixelAt(15, 2), (Pixel{0, 0, 255, 255}));
  zqp::BezierPath line;
  line.moveToPoint({0, 19.5});
  line.lineToPoint({20, 19.5});
  ctx.setStrokeColor({0, 1, 0, 1});
  line.stroke(ctx);
  EXPECT_EQ(ctx.pixelAt(5, 19), (Pixel{0, 255, 0, 255}));
}

TEST(ViewGeometry, BoundsOriginStaysMovedAndFramesConvert) {
  zqp::View root;
  root.setFrame({0, 0, 300, 200});
  auto* child = root.addSubview(std::make_unique<zqp::View>());
  child->setFrame({50, 40, 120, 100});
  // Centring the origin twice moves it once.
  for (int i = 0; i < 2; ++i) {
    const zqp::Frame b = child->bounds();
    child->translateOriginToPoint(b.x + b.width / 2, b.y + b.height / 2);
  }
  EXPECT_EQ(child->bounds().x, -60);
  EXPECT_EQ(child->bounds().y, -50);
  // The child's centre is at (110, 90) of the root.
  const zqp::Frame r = root.convertRectFromView({0, 0, 0, 0}, child);
  EXPECT_EQ(r.x, 110);
  EXPECT_EQ(r.y, 90);
  const zqp::Frame back = child->convertRectFromView(child->frame(), &root);
  EXPECT_DOUBLE_EQ(back.x, 50 - 60 - 50);  // own frame seen from the root, in child coordinates
  EXPECT_DOUBLE_EQ(back.width, 120);

  auto* flipped = root.addSubview(std::make_unique<zqp::View>());
  flipped->setFlipped(true);
  flipped->setFrame({0, 150, 100, 50});
  // The flipped view's top-left corner is its origin: (0, 200) of the root.
  const zqp::Frame top = root.convertRectFromView({0, 0, 10, 10}, flipped);
  EXPECT_EQ(top.x, 0);
  EXPECT_EQ(top.y, 190);
}

TEST(Snapshot, CustomViewsDrawInTheirOwnCoordinates) {
  zqp::View root;
  root.setFrame({0, 0, 100, 60});
  for (bool flipped : {false, true}) {
    auto* v = static_cast<zqp::CustomView*>(root.addSubview(std::make_unique<zqp::CustomView>()));
    v->setFrame({flipped ? 50.0 : 0.0, 0, 50, 60});
    v->setFlipped(flipped);
    v->setDrawHandler([](zqp::CustomView&) {
      GraphicsContext* ctx = GraphicsContext::Current();
      ASSERT_NE(ctx, nullptr);
      ctx->setFillColor({1, 0, 0, 1});
      ctx->fillRect({0, 0, 10, 10});  // at the origin's corner
    });
  }
  auto shot = zqp::SnapshotView(root);
  ASSERT_EQ(shot->width(), 100);
  EXPECT_EQ(shot->pixelAt(2, 57), kRed);  // unflipped: bottom-left
  EXPECT_EQ(shot->pixelAt(2, 2).r, 238);  // window background above it
  EXPECT_EQ(shot->pixelAt(52, 2), kRed);  // flipped: top-left of the right half
  EXPECT_EQ(zqp::PixelOfView(*root.subviews()[1], 3, 3), kRed);
  EXPECT_NE(zqp::PixelOfView(*root.subviews()[1], 3, 55), kRed);
  EXPECT_EQ(GraphicsContext::Current(), nullptr);
}

TEST(Snapshot, ControlsShowStateAndGreyWhenDisabled) {
  auto count = [](zqp::View& v, auto pred) {
    auto shot = zqp::SnapshotView(v);
    int n = 0;
    for (int y = 0; y < shot->height(); ++y)
      for (int x = 0; x < shot->width(); ++x) n += pred(shot->pixelAt(x, y));
    return n;
  };
  auto dark = [](const Pixel& p) { return p.r < 80 && p.g < 80 && p.b < 80; };

  zqp::Button check(zqp::ButtonType::kCheck);
  check.setFrame({0, 0, 16, 16});
  const int off = count(check, dark);
  check.setState(1);
  EXPECT_GT(count(check, dark), off + 5);  // the check mark

  zqp::TextField label;
  label.setEditable(false);
  label.setBezeled(false);
  label.setStringValue("Print Type");
  label.setFrame({0, 0, 100, 17});
  EXPECT_GT(count(label, dark), 20);
  label.setEnabled(false);
  EXPECT_EQ(count(label, dark), 0);

  zqp::PopUpButton pop;
  pop.setFrame({0, 0, 150, 26});
  pop.addItemWithTitle("A");
  pop.addItemWithTitle("Job Type Secure");
  pop.selectItemAtIndex(0);
  const int shortTitle = count(pop, dark);
  pop.selectItemAtIndex(1);
  EXPECT_GT(count(pop, dark), shortTitle);
}

class Rows : public zqp::TableDataSource {
 public:
  int numberOfRows() override { return 3; }
  std::string objectValue(const std::string&, int row) override { return "row " + std::to_string(row); }
};

TEST(Snapshot, TableRowsCountFromTheTopInEitherConvention) {
  Rows rows;
  for (bool flipped : {false, true}) {
    SCOPED_TRACE(flipped ? "flipped" : "y up");
    zqp::TableView table;
    table.setFlipped(flipped);
    table.setFrame({0, 0, 100, 80});
    table.columns().push_back({"name", "Name"});
    table.setDataSource(&rows);
    table.selectRows({1}, false);
    // Header 17 units, then rows of 17: row 1 spans 34 to 51 from the top.
    auto fromTop = [&](double top) { return flipped ? top : 80 - top - 1; };
    const Pixel selected = zqp::PixelOfView(table, 95, fromTop(40));
    EXPECT_GT(selected.b, 150);
    EXPECT_LT(selected.r, 100);
    EXPECT_EQ(zqp::PixelOfView(table, 95, fromTop(25)), (Pixel{255, 255, 255, 255}));
    table.setEnabled(false);  // a disabled table keeps its selection, greyed
    EXPECT_EQ(zqp::PixelOfView(table, 95, fromTop(40)).r, zqp::PixelOfView(table, 95, fromTop(40)).b);
  }
}

}  // namespace
