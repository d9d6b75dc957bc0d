#include "encodings.h"

#include "zqp/iconv.h"
#include "zqp/utf8.h"

namespace zqf {
namespace {

const char* IconvName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::ShiftJisX0213: return "SHIFT_JISX0213";
    case TextEncoding::Latin1: return "ISO-8859-1";
    case TextEncoding::Utf8: break;
  }
  return "UTF-8";
}

}  // namespace

bool EncodeText(std::string_view utf8, TextEncoding encoding, std::string& out) {
  out.clear();
  if (!zqp::IsValidUtf8(utf8)) return false;
  if (encoding == TextEncoding::Utf8) {
    out = utf8;
    return true;
  }
  return zqp::IconvConvert(utf8, IconvName(encoding), out);
}

bool DecodeText(std::string_view text, TextEncoding encoding, std::string& utf8) {
  utf8.clear();
  if (encoding == TextEncoding::Utf8) {
    if (!zqp::IsValidUtf8(text)) return false;
    utf8 = text;
    return true;
  }
  return zqp::IconvConvert(text, "UTF-8", utf8, IconvName(encoding));
}

size_t CutPoint(std::string_view text, TextEncoding encoding, size_t maxBytes) {
  if (text.size() <= maxBytes) return text.size();
  switch (encoding) {
    case TextEncoding::Utf8:
      return zqp::Utf8CutPoint(text, maxBytes);
    case TextEncoding::Latin1:
      return maxBytes;
    case TextEncoding::ShiftJisX0213: {
      // Lead bytes 0x81-0x9F and 0xE0-0xFC start a two-byte character.
      size_t pos = 0;
      while (pos < text.size()) {
        const auto b = static_cast<unsigned char>(text[pos]);
        const size_t len = ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) ? 2 : 1;
        if (pos + len > maxBytes) break;
        pos += len;
      }
      return pos;
    }
  }
  return 0;
}

}  // namespace zqf
