#pragma once
// The writers of ConvertImgType that gdk-pixbuf does not have: GIF (giflib)
// and JPEG 2000 (OpenJPEG). Each encodes a whole picture into memory, so a
// failure leaves no file behind; false when the picture cannot be encoded.
#include <cstdint>
#include <vector>

namespace zqp {
class Picture;
}

namespace zqpde::detail {

// An 8-bit palette image: the picture's own colours when it has at most 256
// (255 beside a transparent slot), else a median cut of them. A pixel whose
// alpha is below one half becomes the transparent index. false for a picture
// wider or higher than a GIF can say (65535).
bool EncodeGIF(const zqp::Picture& picture, std::vector<uint8_t>& out);

// A lossless JP2 file (signature box, then the code stream): three colour
// components, and a fourth marked as alpha when the picture has one.
bool EncodeJP2(const zqp::Picture& picture, std::vector<uint8_t>& out);

}  // namespace zqpde::detail
