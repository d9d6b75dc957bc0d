#pragma once
// The printer text encodings a PPD can announce, with conversion from and
// to UTF-8 and cuts that keep whole characters in each encoding.
#include <cstddef>
#include <string>
#include <string_view>

namespace zqf {

enum class TextEncoding { Utf8, ShiftJisX0213, Latin1 };

// UTF-8 text into the encoding in one step; false (out empty) when some
// character has no form there or the text is not valid UTF-8.
bool EncodeText(std::string_view utf8, TextEncoding encoding, std::string& out);
// Text in the encoding back to UTF-8; false (out empty) when it cannot be
// read in that encoding.
bool DecodeText(std::string_view text, TextEncoding encoding, std::string& utf8);
// The largest offset <= maxBytes that ends on a whole character of text in
// the encoding.
size_t CutPoint(std::string_view text, TextEncoding encoding, size_t maxBytes);

}  // namespace zqf
