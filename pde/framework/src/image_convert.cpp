#include "zqpde/image_convert.h"

#include "image_encoders.h"
#include "zqpde/status.h"
#include "zqp/picture.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zqpde {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr int32_t kDensity72dpi = 2835;  // pixels per metre

uint32_t ReadDword(const std::vector<uint8_t>& d, size_t at) {
    return static_cast<uint32_t>(d[at]) | static_cast<uint32_t>(d[at + 1]) << 8 |
           static_cast<uint32_t>(d[at + 2]) << 16 | static_cast<uint32_t>(d[at + 3]) << 24;
}
uint16_t ReadWord(const std::vector<uint8_t>& d, size_t at) {
    return static_cast<uint16_t>(d[at] | d[at + 1] << 8);
}

uint64_t RowSize(uint64_t width, unsigned bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// The picture as a top-down BMP (negative height), 32 bits with alpha, 24
// without, no density: the form a generic encoder hands over.
std::vector<uint8_t> EncodeBMP(const zqp::Picture& picture) {
    const int width = picture.pixelsWide(), height = picture.pixelsHigh();
    const bool alpha = picture.hasAlpha();
    const unsigned bpp = alpha ? 32 : 24;
    const uint64_t row = RowSize(static_cast<uint64_t>(width), bpp);
    const size_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<uint8_t> out(offset + row * static_cast<uint64_t>(height), 0);
    out[0] = 'B';
    out[1] = 'M';
    WriteDword(&out[2], static_cast<uint32_t>(out.size()));
    WriteDword(&out[10], static_cast<uint32_t>(offset));
    WriteDword(&out[14], kInfoHeaderSize);
    WriteDword(&out[18], static_cast<uint32_t>(width));
    WriteDword(&out[22], static_cast<uint32_t>(-height));
    WriteWord(&out[26], 1);
    WriteWord(&out[28], static_cast<uint16_t>(bpp));
    WriteDword(&out[34], static_cast<uint32_t>(row * static_cast<uint64_t>(height)));
    const uint8_t* src = picture.rgba().data();
    for (int y = 0; y < height; ++y) {
        uint8_t* dst = &out[offset + static_cast<size_t>(y) * row];
        for (int x = 0; x < width; ++x, src += 4) {
            *dst++ = src[2];
            *dst++ = src[1];
            *dst++ = src[0];
            if (alpha) *dst++ = src[3];
        }
    }
    return out;
}

// The encoders for TIFF, JPEG and PNG are gdk-pixbuf's; the picture's
// pixels are lent to it for the call.
bool SaveWithPixbuf(const zqp::Picture& picture, const char* format, std::vector<uint8_t>& out) {
    const int width = picture.pixelsWide(), height = picture.pixelsHigh();
    GdkPixbuf* pixbuf = gdk_pixbuf_new_from_data(picture.rgba().data(), GDK_COLORSPACE_RGB, TRUE, 8, width, height,
                                                 width * 4, nullptr, nullptr);
    if (pixbuf == nullptr) return false;
    // JPEG has no alpha: a picture without one is encoded without it.
    GdkPixbuf* opaque = picture.hasAlpha() ? nullptr : gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
    if (opaque != nullptr) {
        const int stride = gdk_pixbuf_get_rowstride(opaque);
        guchar* dst = gdk_pixbuf_get_pixels(opaque);
        const uint8_t* src = picture.rgba().data();
        for (int y = 0; y < height; ++y) {
            guchar* row = dst + static_cast<ptrdiff_t>(y) * stride;
            for (int x = 0; x < width; ++x, src += 4, row += 3) std::memcpy(row, src, 3);
        }
    }
    gchar* buffer = nullptr;
    gsize size = 0;
    GError* error = nullptr;
    const bool ok = gdk_pixbuf_save_to_buffer(opaque ? opaque : pixbuf, &buffer, &size, format, &error, nullptr);
    if (opaque != nullptr) g_object_unref(opaque);
    g_object_unref(pixbuf);
    if (!ok) {
        if (error != nullptr) g_error_free(error);
        return false;
    }
    out.assign(reinterpret_cast<uint8_t*>(buffer), reinterpret_cast<uint8_t*>(buffer) + size);
    g_free(buffer);
    return true;
}

// Writes beside the target and renames, so a reader never sees half a file.
bool WriteAtomically(const std::string& path, const std::vector<uint8_t>& data) {
    std::string temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) return false;
    fchmod(fd, 0644);  // mkstemp's 0600 would hide the picture from the print system
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    const bool ok = done == data.size() && fsync(fd) == 0;
    if (close(fd) != 0 || !ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        unlink(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace

void WriteDword(uint8_t* buffer, uint32_t value) {
    for (int i = 0; i < 4; ++i) buffer[i] = static_cast<uint8_t>(value >> (8 * i));
}

void WriteWord(uint8_t* buffer, uint16_t value) {
    buffer[0] = static_cast<uint8_t>(value);
    buffer[1] = static_cast<uint8_t>(value >> 8);
}

int32_t VerticalReverse(std::vector<uint8_t>& data) {
    if (data.size() < kFileHeaderSize + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M')
        return kImageConvertFailed;
    const uint32_t offBits = ReadDword(data, 10), infoSize = ReadDword(data, 14);
    const int32_t width = static_cast<int32_t>(ReadDword(data, 18));
    const int32_t height = static_cast<int32_t>(ReadDword(data, 22));
    const uint16_t planes = ReadWord(data, 26), bpp = ReadWord(data, 28);
    const uint32_t compression = ReadDword(data, 30);
    const int32_t xDensity = static_cast<int32_t>(ReadDword(data, 38));
    const int32_t yDensity = static_cast<int32_t>(ReadDword(data, 42));

    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return kImageConvertFailed;
    if (infoSize < kInfoHeaderSize || offBits < kFileHeaderSize + infoSize || offBits > data.size() ||
        width <= 0 || height == 0 || height == INT32_MIN || planes != 1)
        return kImageConvertFailed;
    const bool bottomUp = height > 0;
    if (bottomUp && bpp != 32 && xDensity == kDensity72dpi && yDensity == kDensity72dpi) return kNoErr;
    // Only uncompressed rows can be reordered (32 bits may carry channel masks).
    if (compression != 0 && !(compression == 3 && bpp == 32)) return kImageConvertFailed;

    const uint64_t rows = static_cast<uint64_t>(bottomUp ? height : -static_cast<int64_t>(height));
    const uint64_t srcRow = RowSize(static_cast<uint64_t>(width), bpp);
    if (srcRow * rows > data.size() - offBits) return kImageConvertFailed;
    const unsigned newBpp = bpp == 32 ? 24 : bpp;
    const uint64_t dstRow = RowSize(static_cast<uint64_t>(width), newBpp);
    const uint64_t newSize = offBits + dstRow * rows;
    if (newSize > UINT32_MAX) return kImageConvertFailed;

    std::vector<uint8_t> out(static_cast<size_t>(newSize), 0);
    std::memcpy(out.data(), data.data(), offBits);
    WriteDword(&out[2], static_cast<uint32_t>(newSize));
    WriteDword(&out[22], static_cast<uint32_t>(rows));
    WriteWord(&out[28], static_cast<uint16_t>(newBpp));
    if (bpp == 32) WriteDword(&out[30], 0);
    WriteDword(&out[34], static_cast<uint32_t>(dstRow * rows));
    WriteDword(&out[38], kDensity72dpi);
    WriteDword(&out[42], kDensity72dpi);
    for (uint64_t r = 0; r < rows; ++r) {
        // Row r of the result counts from the bottom; a top-down source
        // stores its bottom row last.
        const uint64_t from = bottomUp ? r : rows - 1 - r;
        const uint8_t* src = data.data() + offBits + from * srcRow;
        uint8_t* dst = out.data() + offBits + r * dstRow;
        if (bpp == 32) {
            for (int32_t x = 0; x < width; ++x, src += 4, dst += 3) std::memcpy(dst, src, 3);
        } else {
            std::memcpy(dst, src, static_cast<size_t>(srcRow));
        }
    }
    data = std::move(out);
    return kNoErr;
}

int32_t ConvertImgType(const char* inputPath, const char* outputPath, int type, bool addExtension) {
    static constexpr const char* kNames[] = {"tiff", "bmp", "gif", "jpg", "png", "jp2"};
    if (inputPath == nullptr || outputPath == nullptr || type < 0 || type > kImageJP2) return kParamErr;

    std::shared_ptr<zqp::Picture> picture = zqp::Picture::Load(inputPath);
    if (!picture) return kImageConvertFailed;

    std::vector<uint8_t> data;
    bool encoded = false;
    switch (type) {
        case kImageBMP:
            data = EncodeBMP(*picture);
            encoded = VerticalReverse(data) == kNoErr;
            break;
        case kImageTIFF: encoded = SaveWithPixbuf(*picture, "tiff", data); break;
        case kImageJPEG: encoded = SaveWithPixbuf(*picture, "jpeg", data); break;
        case kImagePNG: encoded = SaveWithPixbuf(*picture, "png", data); break;
        case kImageGIF: encoded = detail::EncodeGIF(*picture, data); break;
        case kImageJP2: encoded = detail::EncodeJP2(*picture, data); break;
        default: break;
    }
    if (!encoded) return kImageConvertFailed;

    std::string path = outputPath;
    if (addExtension) {
        const std::string_view name = kNames[type];
        const size_t slash = path.rfind('/');
        const size_t dot = path.rfind('.');
        const bool hasDot = dot != std::string::npos && (slash == std::string::npos || dot > slash);
        if (!hasDot || strcasecmp(path.c_str() + dot + 1, kNames[type]) != 0) path += "." + std::string(name);
    }
    return WriteAtomically(path, data) ? kNoErr : kImageConvertFailed;
}

}  // namespace zqpde
