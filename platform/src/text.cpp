#include "zqp/text.h"

#include <unicode/brkiter.h>
#include <unicode/unistr.h>

#include <memory>

#include "zqp/iconv.h"
#include "zqp/utf8.h"

namespace zqp {

const char* IconvName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kUtf8: return "UTF-8";
    case TextEncoding::kIsoLatin1: return "ISO-8859-1";
    case TextEncoding::kWindowsLatin1: return "CP1252";
    case TextEncoding::kShiftJis: return "SHIFT_JISX0213";
    case TextEncoding::kMacRoman: return "MACINTOSH";
  }
  return "UTF-8";
}

bool ToUtf8(std::string_view bytes, TextEncoding encoding, std::string& out) {
  if (encoding == TextEncoding::kUtf8) {
    out.clear();
    if (!IsValidUtf8(bytes)) return false;
    out.assign(bytes);
    return true;
  }
  return IconvConvert(bytes, "UTF-8", out, IconvName(encoding));
}

bool FromUtf8(std::string_view utf8, TextEncoding encoding, std::string& out) {
  out.clear();
  if (!IsValidUtf8(utf8)) return false;
  if (encoding == TextEncoding::kUtf8) {
    out.assign(utf8);
    return true;
  }
  return IconvConvert(utf8, IconvName(encoding), out, "UTF-8");
}

std::vector<std::pair<size_t, size_t>> ComposedCharacterRanges(std::u16string_view text) {
  std::vector<std::pair<size_t, size_t>> out;
  if (text.empty()) return out;
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::BreakIterator> it(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
  icu::UnicodeString s(text.data(), static_cast<int32_t>(text.size()));
  if (U_FAILURE(status) || !it) {
    // Without ICU's data every unit stands alone, pairs kept together.
    for (size_t i = 0; i < text.size();) {
      size_t n = (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                  text[i + 1] <= 0xDFFF) ? 2 : 1;
      out.emplace_back(i, n);
      i += n;
    }
    return out;
  }
  it->setText(s);
  int32_t start = it->first();
  for (int32_t end = it->next(); end != icu::BreakIterator::DONE; start = end, end = it->next()) {
    out.emplace_back(static_cast<size_t>(start), static_cast<size_t>(end - start));
  }
  return out;
}

size_t ComposedCutPoint(std::string_view utf8, size_t maxBytes) {
  if (utf8.size() <= maxBytes) return utf8.size();
  std::u16string units;
  if (!Utf8ToUtf16(utf8, units)) return Utf8CutPoint(utf8, maxBytes);
  size_t bytes = 0;
  for (const auto& [start, len] : ComposedCharacterRanges(units)) {
    const size_t pieceBytes = Utf16ToUtf8(std::u16string_view(units).substr(start, len)).size();
    if (bytes + pieceBytes > maxBytes) break;
    bytes += pieceBytes;
  }
  return bytes;
}

}  // namespace zqp
