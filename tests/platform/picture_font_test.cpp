// Pictures from files and bundles, text measured and drawn with the suite's fonts.
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "test_support.h"
#include "zqp/bundle.h"
#include "zqp/font.h"
#include "zqp/picture.h"

namespace {

// 4 x 2 pixels: left half red, right half blue.
GdkPixbuf* Sample() {
  GdkPixbuf* pb = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, 4, 2);
  guchar* p = gdk_pixbuf_get_pixels(pb);
  const int stride = gdk_pixbuf_get_rowstride(pb);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) {
      guchar* px = p + y * stride + x * 3;
      px[0] = x < 2 ? 255 : 0;
      px[1] = 0;
      px[2] = x < 2 ? 0 : 255;
    }
  return pb;
}

// A 1 x 1 red GIF.
const unsigned char kGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xff,
                              0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00,
                              0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};

TEST(Picture, EveryFormatLoadsFromABundlesResources) {
  zqtest::TempDir dir;
  const std::string root = dir.path() + "/Pics.plugin";
  dir.file("Pics.plugin/Info.json", R"({"CFBundleIdentifier": "com.zq.test.pictures"})");
  dir.file("Pics.plugin/Resources/Localizable.strings", "{}");
  GdkPixbuf* pb = Sample();
  for (const char* fmt : {"png", "bmp", "tiff", "jpeg"}) {
    ASSERT_TRUE(gdk_pixbuf_save(pb, (root + "/Resources/sample." + fmt).c_str(), fmt, nullptr, nullptr)) << fmt;
  }
  g_object_unref(pb);
  std::ofstream(root + "/Resources/sample.gif", std::ios::binary).write(reinterpret_cast<const char*>(kGif), sizeof kGif);
  std::string err;
  zqp::Bundle* b = zqp::Bundle::Open(root, &err);
  ASSERT_NE(b, nullptr) << err;
  for (const char* fmt : {"png", "bmp", "tiff", "jpeg"}) {
    SCOPED_TRACE(fmt);
    auto pic = zqp::Picture::LoadResource(*b, std::string("sample.") + fmt, &err);
    ASSERT_NE(pic, nullptr) << err;
    EXPECT_EQ(pic->pixelsWide(), 4);
    EXPECT_EQ(pic->pixelsHigh(), 2);
    const zqp::Pixel left = pic->pixelAt(0, 1), right = pic->pixelAt(3, 0);
    EXPECT_GT(left.r, 200);  // JPEG is lossy: near, not equal
    EXPECT_LT(left.b, 60);
    EXPECT_GT(right.b, 200);
    EXPECT_EQ(left.a, 255);
  }
  auto gif = zqp::Picture::LoadResource(*b, "sample.gif", &err);
  ASSERT_NE(gif, nullptr) << err;
  EXPECT_EQ(gif->pixelAt(0, 0), (zqp::Pixel{255, 0, 0, 255}));
  EXPECT_EQ(zqp::Picture::LoadResource(*b, "../Info.json", &err), nullptr);
}

// The PNG signature, a header chunk claiming width x height pixels and the
// first bytes of image data.
std::string PngHeader(uint32_t width, uint32_t height) {
  std::string chunk = "IHDR";
  for (uint32_t v : {width, height})
    for (int shift = 24; shift >= 0; shift -= 8) chunk += static_cast<char>(v >> shift & 0xff);
  chunk += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA
  uint32_t crc = 0xffffffffu;
  for (unsigned char c : chunk) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = crc & 1 ? 0xedb88320u ^ (crc >> 1) : crc >> 1;
  }
  crc ^= 0xffffffffu;
  std::string out("\x89PNG\r\n\x1a\n\x00\x00\x00\x0d", 12);
  out += chunk;
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(crc >> shift & 0xff);
  // The start of the image data, where a reader learns the size.
  return out + std::string("\x00\x00\x00\x10IDAT", 8) + std::string(16, '\0');
}

TEST(Picture, DamagedOrForeignFilesGiveAnError) {
  zqtest::TempDir dir;
  GdkPixbuf* pb = Sample();
  gchar* buf = nullptr;
  gsize size = 0;
  ASSERT_TRUE(gdk_pixbuf_save_to_buffer(pb, &buf, &size, "png", nullptr, nullptr));
  g_object_unref(pb);
  const std::string png(buf, size);
  g_free(buf);
  const std::string cases[] = {
      dir.file("text.png", "this is not a picture"),
      dir.file("cut.png", png.substr(0, png.size() / 2)),
      dir.file("empty.bmp", ""),
      dir.file("header.gif", "GIF89a"),
      dir.path() + "/missing.png",
      dir.path(),
      dir.file("huge.png", PngHeader(20000, 20000)),  // refused before decoding gigabytes
  };
  for (const auto& path : cases) {
    std::string err;
    EXPECT_EQ(zqp::Picture::Load(path, &err), nullptr) << path;
    EXPECT_NE(err.find(path), std::string::npos) << err;
  }
  std::string err;
  zqp::Picture::Load(dir.path() + "/huge.png", &err);
  EXPECT_NE(err.find("too large"), std::string::npos) << err;
}

TEST(Picture, PointSizeFollowsResolutionAndDrawingKeepsOpacity) {
  zqtest::TempDir dir;
  GdkPixbuf* pb = Sample();
  const std::string path = dir.path() + "/hi.png";
  ASSERT_TRUE(gdk_pixbuf_save(pb, path.c_str(), "png", nullptr, "x-dpi", "144", "y-dpi", "144", nullptr));
  g_object_unref(pb);
  auto pic = zqp::Picture::Load(path);
  ASSERT_NE(pic, nullptr);
  EXPECT_EQ(pic->size(), (zqp::Size{2, 1}));

  auto drawn = zqp::Picture::FromDrawing({10, 10}, [](zqp::GraphicsContext& ctx) {
    ctx.setFillColor({0, 0, 1, 1});
    ctx.fillRect({0, 5, 10, 5});  // the upper half, y up
  });
  EXPECT_EQ(drawn->size(), (zqp::Size{10, 10}));
  EXPECT_EQ(drawn->pixelAt(0, 0).b, 255);  // top row
  EXPECT_EQ(drawn->pixelAt(0, 9).a, 0);

  zqp::GraphicsContext ctx(20, 20);
  drawn->drawInRect(ctx, {0, 0, 20, 20}, 0.25);
  EXPECT_NEAR(ctx.pixelAt(5, 2).a, 64, 1);  // upright: blue stays on top
  EXPECT_EQ(ctx.pixelAt(5, 17).a, 0);
}

TEST(Font, NamesOfTheFontTableResolveOrAreReportedMissing) {
  struct Case {
    const char* name;
    bool available;
  } cases[] = {
      {"Courier", true},         {"Times Roman", true},       {"Times-Roman", true},
      {"Helvetica", true},       {"ITC Bookman Demi", true},  {"Palatino Roman", true},
      {"ZapfDingbats", true},    {"Albertus MT", false},      {"Arial Round MT Bold", false},
      {"HeiseiKakuGo-W5-78-RKSJ-H", false}, {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(zqp::Font::isAvailable(c.name), c.available);
    EXPECT_EQ(zqp::Font::fontWithName(c.name, 12) != nullptr, c.available);
  }
  EXPECT_EQ(zqp::Font::fontWithName("Courier", 0), nullptr);
  EXPECT_EQ(zqp::Font::fontWithName("Courier", NAN), nullptr);
  EXPECT_EQ(zqp::Font::fontWithName("Times Roman", 12)->familyName(), "Nimbus Roman");
}

TEST(Font, TextMeasuresByItsSizeAndDrawsInItsBox) {
  auto measure = [](const char* font, double size, const std::string& text) {
    return zqp::AttributedString(text, {zqp::Font::fontWithName(font, size), {}}).size();
  };
  const zqp::Size small = measure("Times Roman", 12, "CONFIDENTIAL"), big = measure("Times Roman", 24, "CONFIDENTIAL");
  EXPECT_GT(small.width, 40);
  EXPECT_NEAR(big.width, 2 * small.width, 0.5);
  EXPECT_GT(big.height, small.height);
  // Courier is monospaced: ten characters are ten times one.
  EXPECT_NEAR(measure("Courier", 10, "MMMMMMMMMM").width, 10 * measure("Courier", 10, "i").width, 0.01);
  EXPECT_EQ(measure("Courier", 10, "").width, 0);
  EXPECT_GT(measure("Courier", 10, std::string("a\xff" "b")).width, 0);  // bad UTF-8 is drawn, not dropped

  zqp::AttributedString s("HHHH", {zqp::Font::fontWithName("Helvetica", 20), {1, 0, 0, 1}});
  const zqp::Size sz = s.size();
  zqp::GraphicsContext ctx(100, 60);
  s.drawAtPoint(ctx, {10, 10});
  int inside = 0, outside = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 100; ++x) {
      if (ctx.pixelAt(x, y).a == 0) continue;
      const double ux = x + 0.5, uy = 60 - y - 0.5;
      (ux >= 10 && ux <= 10 + sz.width && uy >= 10 && uy <= 10 + sz.height ? inside : outside)++;
    }
  EXPECT_GT(inside, 50);
  EXPECT_EQ(outside, 0);
}

}  // namespace
