#include "zqpde/image_convert.h"

#include "zqpde/status.h"
#include "ppd_fixture.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zqpde {
namespace {

using zqpde::test::TempDir;

// A BMP with a 40-byte information header and the given rows (top row first
// in `rows` for a top-down file, bottom row first for a bottom-up one).
std::vector<uint8_t> MakeBMP(int32_t width, int32_t height, uint16_t bpp, int32_t density,
                             const std::vector<std::vector<uint8_t>>& rows, uint32_t paletteBytes = 0) {
    const uint32_t offset = 54 + paletteBytes;
    std::vector<uint8_t> d(offset, 0);
    d[0] = 'B';
    d[1] = 'M';
    WriteDword(&d[10], offset);
    WriteDword(&d[14], 40);
    WriteDword(&d[18], static_cast<uint32_t>(width));
    WriteDword(&d[22], static_cast<uint32_t>(height));
    WriteWord(&d[26], 1);
    WriteWord(&d[28], bpp);
    WriteDword(&d[38], static_cast<uint32_t>(density));
    WriteDword(&d[42], static_cast<uint32_t>(density));
    for (uint32_t i = 0; i < paletteBytes; ++i) d[54 + i] = static_cast<uint8_t>(i);
    for (const auto& row : rows) d.insert(d.end(), row.begin(), row.end());
    WriteDword(&d[2], static_cast<uint32_t>(d.size()));
    return d;
}

uint32_t Dword(const std::vector<uint8_t>& d, size_t at) {
    return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | static_cast<uint32_t>(d[at + 3]) << 24;
}

TEST(VerticalReverse, TopDown32BitBecomesBottomUp24Bit) {
    // 2 x 2, BGRA: top row red then green, bottom row blue then white.
    auto bmp = MakeBMP(2, -2, 32, 0, {{0, 0, 255, 9, 0, 255, 0, 9}, {255, 0, 0, 9, 255, 255, 255, 9}});
    ASSERT_EQ(VerticalReverse(bmp), kNoErr);
    ASSERT_EQ(bmp.size(), 54u + 2 * 8);  // rows of 6 bytes padded to 8
    EXPECT_EQ(static_cast<int32_t>(Dword(bmp, 22)), 2);
    EXPECT_EQ(bmp[28], 24);
    EXPECT_EQ(Dword(bmp, 2), bmp.size());
    EXPECT_EQ(Dword(bmp, 34), 16u);
    EXPECT_EQ(Dword(bmp, 38), 2835u);
    EXPECT_EQ(Dword(bmp, 42), 2835u);
    const std::vector<uint8_t> pixels(bmp.begin() + 54, bmp.end());
    EXPECT_EQ(pixels, (std::vector<uint8_t>{255, 0, 0, 255, 255, 255, 0, 0,    // bottom row first
                                            0, 0, 255, 0, 255, 0, 0, 0}));
}

TEST(VerticalReverse, KeepsFinishedBitmapsAndFixesOtherDensities) {
    auto ready = MakeBMP(1, 2, 24, 2835, {{1, 2, 3, 0}, {4, 5, 6, 0}});
    auto before = ready;
    EXPECT_EQ(VerticalReverse(ready), kNoErr);
    EXPECT_EQ(ready, before);

    // 8 bits with a palette, bottom-up at 96 dpi: rows stay, density is set.
    auto indexed = MakeBMP(3, 2, 8, 3780, {{1, 2, 3, 0}, {4, 5, 6, 0}}, 8);
    ASSERT_EQ(VerticalReverse(indexed), kNoErr);
    EXPECT_EQ(Dword(indexed, 38), 2835u);
    EXPECT_EQ(std::vector<uint8_t>(indexed.begin() + 54, indexed.begin() + 62),
              (std::vector<uint8_t>{0, 1, 2, 3, 4, 5, 6, 7}));  // palette kept
    EXPECT_EQ(std::vector<uint8_t>(indexed.begin() + 62, indexed.end()),
              (std::vector<uint8_t>{1, 2, 3, 0, 4, 5, 6, 0}));
}

TEST(VerticalReverse, RejectsHeadersThatDoNotHoldTogether) {
    auto good = MakeBMP(2, -2, 24, 0, {{1, 2, 3, 4, 5, 6, 0, 0}, {7, 8, 9, 10, 11, 12, 0, 0}});
    auto expectRejected = [](std::vector<uint8_t> bmp, const char* why) {
        auto before = bmp;
        EXPECT_EQ(VerticalReverse(bmp), kImageConvertFailed) << why;
        EXPECT_EQ(bmp, before) << why;
    };
    expectRejected(std::vector<uint8_t>(good.begin(), good.begin() + 40), "short header");
    auto bad = good;
    bad[0] = 'X';
    expectRejected(bad, "magic");
    bad = good;
    WriteDword(&bad[10], 5000);
    expectRejected(bad, "pixel offset past the end");
    bad = good;
    WriteDword(&bad[22], static_cast<uint32_t>(-40));
    expectRejected(bad, "more rows than data");
    bad = good;
    WriteDword(&bad[18], 0x40000000);
    expectRejected(bad, "huge width");
    bad = good;
    WriteWord(&bad[28], 16);
    expectRejected(bad, "16 bits");
    bad = good;
    WriteWord(&bad[28], 48);
    expectRejected(bad, "above 32 bits");
    bad = good;
    WriteDword(&bad[30], 1);
    expectRejected(bad, "compressed top-down rows");
    bad = good;
    WriteDword(&bad[22], 0x80000000u);
    expectRejected(bad, "height without a magnitude");
}

class ConvertImgTypeTest : public ::testing::Test {
protected:
    void SetUp() override {
        // 3 x 2 RGBA: a red, green, blue top row and a half-transparent grey bottom row.
        GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, 3, 2);
        guchar* p = gdk_pixbuf_get_pixels(pixbuf);
        const int stride = gdk_pixbuf_get_rowstride(pixbuf);
        const guchar top[] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255};
        std::memcpy(p, top, sizeof top);
        for (int x = 0; x < 3; ++x) {
            guchar* q = p + stride + 4 * x;
            q[0] = q[1] = q[2] = 128;
            q[3] = 128;
        }
        input_ = dir_.path() + "/in.png";
        ASSERT_TRUE(gdk_pixbuf_save(pixbuf, input_.c_str(), "png", nullptr, nullptr));
        g_object_unref(pixbuf);
    }

    static GdkPixbuf* Load(const std::string& path) { return gdk_pixbuf_new_from_file(path.c_str(), nullptr); }

    TempDir dir_;
    std::string input_;
};

TEST_F(ConvertImgTypeTest, BmpIsBottomUpAt72DpiAndReadsBack) {
    ASSERT_EQ(ConvertImgType(input_.c_str(), (dir_.path() + "/out").c_str(), kImageBMP, true), kNoErr);
    const std::string out = dir_.path() + "/out.bmp";
    std::ifstream file(out, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(static_cast<int32_t>(Dword(bytes, 22)), 2);
    EXPECT_EQ(bytes[28], 24);
    EXPECT_EQ(Dword(bytes, 38), 2835u);
    EXPECT_EQ(Dword(bytes, 2), bytes.size());

    GdkPixbuf* back = Load(out);
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(gdk_pixbuf_get_width(back), 3);
    ASSERT_EQ(gdk_pixbuf_get_height(back), 2);
    const guchar* p = gdk_pixbuf_read_pixels(back);
    const int n = gdk_pixbuf_get_n_channels(back), stride = gdk_pixbuf_get_rowstride(back);
    EXPECT_EQ(p[0], 255);           // top left red
    EXPECT_EQ(p[n + 1], 255);       // then green
    EXPECT_EQ(p[2 * n + 2], 255);   // then blue
    EXPECT_EQ(p[stride], 128);      // grey bottom row
    g_object_unref(back);
}

TEST_F(ConvertImgTypeTest, ExtensionIsAddedOnlyWhenItDiffers) {
    ASSERT_EQ(ConvertImgType(input_.c_str(), (dir_.path() + "/a.PNG").c_str(), kImagePNG, true), kNoErr);
    EXPECT_TRUE(std::filesystem::exists(dir_.path() + "/a.PNG"));
    ASSERT_EQ(ConvertImgType(input_.c_str(), (dir_.path() + "/b.jpeg").c_str(), kImageJPEG, true), kNoErr);
    EXPECT_TRUE(std::filesystem::exists(dir_.path() + "/b.jpeg.jpg"));
    ASSERT_EQ(ConvertImgType(input_.c_str(), (dir_.path() + "/c.img").c_str(), kImageTIFF, false), kNoErr);
    GdkPixbuf* tiff = Load(dir_.path() + "/c.img");
    ASSERT_NE(tiff, nullptr);
    EXPECT_EQ(gdk_pixbuf_get_width(tiff), 3);
    g_object_unref(tiff);
}

TEST_F(ConvertImgTypeTest, OpaqueInputsStayOpaqueAndGifIsRead) {
    // Through the platform's loader: a JPEG (no alpha) gives a PNG without
    // alpha; a GIF, which nothing here writes, is still read.
    GdkPixbuf* flat = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, 3, 2);
    gdk_pixbuf_fill(flat, 0x336699ff);
    const std::string jpeg = dir_.path() + "/in.jpg";
    ASSERT_TRUE(gdk_pixbuf_save(flat, jpeg.c_str(), "jpeg", nullptr, nullptr));
    g_object_unref(flat);
    ASSERT_EQ(ConvertImgType(jpeg.c_str(), (dir_.path() + "/flat").c_str(), kImagePNG, true), kNoErr);
    GdkPixbuf* back = Load(dir_.path() + "/flat.png");
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(gdk_pixbuf_get_has_alpha(back));
    g_object_unref(back);

    const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00,
                                 0x00, 0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00,
                                 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};
    const std::string gifPath = dir_.Write("red.gif", std::string(reinterpret_cast<const char*>(gif), sizeof gif));
    ASSERT_EQ(ConvertImgType(gifPath.c_str(), (dir_.path() + "/red").c_str(), kImageBMP, true), kNoErr);
    GdkPixbuf* red = Load(dir_.path() + "/red.bmp");
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(gdk_pixbuf_read_pixels(red)[0], 255);
    g_object_unref(red);
}

TEST_F(ConvertImgTypeTest, FailuresWriteNothing) {
    const std::string out = dir_.path() + "/none";
    EXPECT_EQ(ConvertImgType(input_.c_str(), out.c_str(), kImageGIF, true), kImageConvertFailed);
    EXPECT_EQ(ConvertImgType(input_.c_str(), out.c_str(), kImageJP2, true), kImageConvertFailed);
    EXPECT_EQ(ConvertImgType(input_.c_str(), out.c_str(), 6, true), kParamErr);
    EXPECT_EQ(ConvertImgType(input_.c_str(), out.c_str(), -1, true), kParamErr);
    EXPECT_EQ(ConvertImgType(nullptr, out.c_str(), kImagePNG, true), kParamErr);
    EXPECT_EQ(ConvertImgType(input_.c_str(), nullptr, kImagePNG, true), kParamErr);
    const std::string text = dir_.Write("not-an-image.png", "plain text");
    EXPECT_EQ(ConvertImgType(text.c_str(), out.c_str(), kImagePNG, false), kImageConvertFailed);
    EXPECT_EQ(ConvertImgType(input_.c_str(), (dir_.path() + "/no/such/dir/x").c_str(), kImagePNG, false),
              kImageConvertFailed);
    size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_.path())) ++files;
    EXPECT_EQ(files, 2u);  // the input and the text file only
}

}  // namespace
}  // namespace zqpde
