#pragma once
// Pictures for the watermark: any image the system can read, written in one
// of six file types; BMP in the bottom-up, 72-dpi form the devices take.
#include <cstdint>
#include <vector>

namespace zqpde {

// File types of ConvertImgType, and the extension each one gets.
enum ImageFileType : int {
    kImageTIFF = 0,  // "tiff"
    kImageBMP = 1,   // "bmp"
    kImageGIF = 2,   // "gif": a palette of the picture's colours, transparency kept
    kImageJPEG = 3,  // "jpg"
    kImagePNG = 4,   // "png"
    kImageJP2 = 5,   // "jp2": lossless JPEG 2000
};

// Reads the image at inputPath and writes it as `type` to outputPath
// (atomically). With addExtension, ".tiff", ".bmp", ... is appended unless the
// path already ends in that extension (any case). 0 on success; -50 for a
// missing path or an unknown type; 1001 when the image cannot be read,
// converted or written.
int32_t ConvertImgType(const char* inputPath, const char* outputPath, int type, bool addExtension);

// Brings a BMP file (40-byte or larger information header) into bottom-up
// row order with 2835 pixels per metre both ways; a 32-bit bitmap becomes
// 24-bit. A bottom-up bitmap of 1, 4, 8 or 24 bits at 2835 is left as it is.
// The buffer is resized to the rebuilt file. 1001 (buffer untouched) for a
// header that does not hold together with the data or a depth other than
// 1, 4, 8, 24 and 32.
int32_t VerticalReverse(std::vector<uint8_t>& bmpData);

// Little-endian writers of the BMP fields.
void WriteDword(uint8_t* buffer, uint32_t value);
void WriteWord(uint8_t* buffer, uint16_t value);

}  // namespace zqpde
