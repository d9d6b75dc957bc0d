#pragma once
// Text in the encodings a PPD may declare, and composed-character sequences
// (a base character with its combining marks, a surrogate pair, a half-width
// kana with its sound mark) so that text is never cut inside one.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "zqp/export.h"

namespace zqp {

enum class TextEncoding { kUtf8, kIsoLatin1, kWindowsLatin1, kShiftJis, kMacRoman };

// The iconv name of the encoding.
ZQP_API const char* IconvName(TextEncoding encoding);
// Bytes in the encoding to UTF-8; false (out empty) for bytes that are not
// valid in it.
ZQP_API bool ToUtf8(std::string_view bytes, TextEncoding encoding, std::string& out);
// UTF-8 to the encoding; false (out empty) for invalid UTF-8 or a character
// the encoding cannot hold.
ZQP_API bool FromUtf8(std::string_view utf8, TextEncoding encoding, std::string& out);

// The composed-character sequences of UTF-16 text as (start, length) in
// units, in order, covering the whole text.
ZQP_API std::vector<std::pair<size_t, size_t>> ComposedCharacterRanges(std::u16string_view text);
// The largest byte offset <= maxBytes of valid UTF-8 text that ends a
// composed-character sequence (invalid text is cut as by Utf8CutPoint).
ZQP_API size_t ComposedCutPoint(std::string_view utf8, size_t maxBytes);

}  // namespace zqp
