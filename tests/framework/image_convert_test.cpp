#include "zqpde/image_convert.h"

#include "zqpde/status.h"
#include "ppd_fixture.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>
#include <openjpeg.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
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
    // alpha; a GIF from elsewhere is read.
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
    EXPECT_EQ(ConvertImgType(input_.c_str(), out.c_str(), 6, true), kParamErr);
    EXPECT_EQ(ConvertImgType(input_.c_str(), out.c_str(), -1, true), kParamErr);
    EXPECT_EQ(ConvertImgType(nullptr, out.c_str(), kImagePNG, true), kParamErr);
    EXPECT_EQ(ConvertImgType(input_.c_str(), nullptr, kImagePNG, true), kParamErr);
    const std::string text = dir_.Write("not-an-image.png", "plain text");
    EXPECT_EQ(ConvertImgType(text.c_str(), out.c_str(), kImagePNG, false), kImageConvertFailed);
    for (int type : {kImagePNG, kImageGIF, kImageJP2})
        EXPECT_EQ(ConvertImgType(input_.c_str(), (dir_.path() + "/no/such/dir/x").c_str(), type, false),
                  kImageConvertFailed)
            << type;
    // Wider than a GIF can say: refused, not cut.
    GdkPixbuf* wide = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, 70000, 1);
    gdk_pixbuf_fill(wide, 0xffffffff);
    const std::string widePath = dir_.path() + "/wide.png";
    ASSERT_TRUE(gdk_pixbuf_save(wide, widePath.c_str(), "png", nullptr, nullptr));
    g_object_unref(wide);
    EXPECT_EQ(ConvertImgType(widePath.c_str(), out.c_str(), kImageGIF, true), kImageConvertFailed);
    size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_.path())) ++files;
    EXPECT_EQ(files, 3u);  // the inputs and the text file only
}

// What an independent reader makes of a written file: RGBA rows, top first.
struct ReadBack {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    const uint8_t* at(int x, int y) const { return &rgba[4 * (static_cast<size_t>(y) * width + x)]; }
};

bool ReadWithPixbuf(const std::string& path, ReadBack& image) {
    GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(path.c_str(), nullptr);
    if (pixbuf == nullptr) return false;
    GdkPixbuf* rgba = gdk_pixbuf_add_alpha(pixbuf, FALSE, 0, 0, 0);
    g_object_unref(pixbuf);
    image.width = gdk_pixbuf_get_width(rgba);
    image.height = gdk_pixbuf_get_height(rgba);
    const guchar* p = gdk_pixbuf_read_pixels(rgba);
    const int stride = gdk_pixbuf_get_rowstride(rgba);
    for (int y = 0; y < image.height; ++y) image.rgba.insert(image.rgba.end(), p + y * stride, p + y * stride + 4 * image.width);
    g_object_unref(rgba);
    return true;
}

// JPEG 2000 through OpenJPEG's decoder, after the JP2 signature box.
bool ReadWithOpenJPEG(const std::string& path, ReadBack& image) {
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> head(12);
    file.read(reinterpret_cast<char*>(head.data()), 12);
    const std::vector<uint8_t> signature = {0, 0, 0, 12, 'j', 'P', ' ', ' ', 0x0d, 0x0a, 0x87, 0x0a};
    if (head != signature) return false;
    opj_stream_t* stream = opj_stream_create_default_file_stream(path.c_str(), OPJ_TRUE);
    opj_codec_t* codec = opj_create_decompress(OPJ_CODEC_JP2);
    opj_dparameters_t parameters;
    opj_set_default_decoder_parameters(&parameters);
    opj_image_t* decoded = nullptr;
    const bool ok = stream != nullptr && codec != nullptr && opj_setup_decoder(codec, &parameters) &&
                    opj_read_header(stream, codec, &decoded) && opj_decode(codec, stream, decoded) &&
                    opj_end_decompress(codec, stream) && decoded->numcomps >= 3;
    if (ok) {
        image.width = static_cast<int>(decoded->comps[0].w);
        image.height = static_cast<int>(decoded->comps[0].h);
        image.rgba.assign(4 * static_cast<size_t>(image.width) * image.height, 255);
        for (size_t i = 0; i < image.rgba.size() / 4; ++i)
            for (OPJ_UINT32 c = 0; c < std::min<OPJ_UINT32>(decoded->numcomps, 4); ++c)
                image.rgba[4 * i + c] = static_cast<uint8_t>(decoded->comps[c].data[i]);
    }
    if (decoded != nullptr) opj_image_destroy(decoded);
    if (codec != nullptr) opj_destroy_codec(codec);
    if (stream != nullptr) opj_stream_destroy(stream);
    return ok;
}

// A picture of a few flat colours with one transparent pixel, one of far
// more colours than a palette holds (both odd-sized, so that a swapped or
// flipped axis shows), and a single pixel.
struct Source {
    const char* name;
    int width, height;
    std::function<void(int x, int y, guchar* rgba)> pixel;
};

const Source kFlags{"flags", 5, 3, [](int x, int y, guchar* p) {
    static const guchar colours[5][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {20, 40, 60}};
    const guchar* c = colours[(x + y) % 5];
    p[0] = c[0], p[1] = c[1], p[2] = c[2];
    p[3] = (x == 4 && y == 2) ? 0 : 255;
}};
const Source kGradient{"gradient", 67, 45, [](int x, int y, guchar* p) {
    p[0] = static_cast<guchar>(x * 255 / 66);
    p[1] = static_cast<guchar>(y * 255 / 44);
    p[2] = static_cast<guchar>((x + y) * 255 / 110);
    p[3] = 255;
}};
const Source kDot{"dot", 1, 1, [](int, int, guchar* p) {
    p[0] = 200, p[1] = 100, p[2] = 50, p[3] = 255;
}};

TEST_F(ConvertImgTypeTest, EverySixTypeReadsBackAtItsSize) {
    struct Row {
        int type;
        const char* extension;
        bool (*read)(const std::string&, ReadBack&);
        // Per source, the mean channel error allowed (0: every pixel exact);
        // -1: colours not compared.
        double error[3];
        bool keepsTransparency;
    };
    const Row rows[] = {
        {kImageTIFF, "tiff", ReadWithPixbuf, {0, 0, 0}, true},
        {kImageBMP, "bmp", ReadWithPixbuf, {0, 0, 0}, false},
        {kImageGIF, "gif", ReadWithPixbuf, {0, 5, 0}, true},  // 3015 colours in a palette of 256
        {kImageJPEG, "jpg", ReadWithPixbuf, {-1, 3, 3}, false},
        {kImagePNG, "png", ReadWithPixbuf, {0, 0, 0}, true},
        {kImageJP2, "jp2", ReadWithOpenJPEG, {0, 0, 0}, true},
    };
    const Source* const sources[] = {&kFlags, &kGradient, &kDot};
    for (size_t s = 0; s < std::size(sources); ++s) {
        const Source* source = sources[s];
        GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, source->width, source->height);
        guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
        const int stride = gdk_pixbuf_get_rowstride(pixbuf);
        std::vector<uint8_t> want;
        for (int y = 0; y < source->height; ++y)
            for (int x = 0; x < source->width; ++x) {
                guchar* p = pixels + y * stride + 4 * x;
                source->pixel(x, y, p);
                want.insert(want.end(), p, p + 4);
            }
        const std::string input = dir_.path() + "/" + source->name + ".png";
        ASSERT_TRUE(gdk_pixbuf_save(pixbuf, input.c_str(), "png", nullptr, nullptr));
        g_object_unref(pixbuf);

        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(source->name) + " as " + row.extension);
            const std::string stem = dir_.path() + "/" + source->name + "-out";
            ASSERT_EQ(ConvertImgType(input.c_str(), stem.c_str(), row.type, true), kNoErr);
            ReadBack image;
            ASSERT_TRUE(row.read(stem + "." + row.extension, image));
            ASSERT_EQ(image.width, source->width);
            ASSERT_EQ(image.height, source->height);
            const double allowed = row.error[s];
            int worst = 0;
            double total = 0;
            for (int y = 0; y < image.height; ++y)
                for (int x = 0; x < image.width; ++x) {
                    const uint8_t* got = image.at(x, y);
                    const uint8_t* expected = &want[4 * (static_cast<size_t>(y) * source->width + x)];
                    if (expected[3] == 0) {
                        if (row.keepsTransparency) {
                            EXPECT_EQ(got[3], 0) << x << "," << y;
                        }
                        continue;
                    }
                    EXPECT_EQ(got[3], 255) << x << "," << y;
                    for (int c = 0; c < 3; ++c) {
                        worst = std::max(worst, std::abs(got[c] - expected[c]));
                        total += std::abs(got[c] - expected[c]);
                    }
                }
            const double mean = total / (3.0 * image.width * image.height);
            if (allowed == 0) {
                EXPECT_EQ(worst, 0);
            } else if (allowed > 0) {
                EXPECT_LE(mean, allowed);
            }
        }
    }
}

}  // namespace
}  // namespace zqpde
