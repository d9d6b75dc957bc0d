#pragma once
// UTF-8 and UTF-16 helpers shared by the filters and the extensions.
// Every byte limit in the suite is applied through these so that no cut
// ever splits a character or a surrogate pair.
#include <cstddef>
#include <string>
#include <string_view>

namespace zqp {

// Decodes one code point at pos and advances pos. Returns false (pos
// unchanged) on an invalid or truncated sequence, an overlong form, an
// encoded surrogate, or a value above U+10FFFF.
bool NextCodePoint(std::string_view s, size_t& pos, char32_t& cp);

bool IsValidUtf8(std::string_view s);

// s as valid UTF-8: every byte that does not start a valid sequence becomes
// U+FFFD, as text drawing shows it.
std::string RepairedUtf8(std::string_view s);

// Appends the UTF-8 form of cp (which must be a scalar value).
void AppendUtf8(std::string& out, char32_t cp);

// The largest offset <= maxBytes that does not fall inside a character.
// Bytes that do not start a valid sequence count as characters of one byte.
size_t Utf8CutPoint(std::string_view s, size_t maxBytes);

// s cut to at most maxBytes at a character boundary.
std::string_view Utf8Prefix(std::string_view s, size_t maxBytes);

// Number of UTF-16 code units of valid UTF-8 text.
size_t Utf16Length(std::string_view utf8);

// The longest prefix holding at most `units` UTF-16 units; a character
// outside the Basic Multilingual Plane (two units) is never split.
std::string_view Utf8PrefixUnits(std::string_view utf8, size_t units);

// UTF-8 to UTF-16; returns false for invalid input (out is then empty).
bool Utf8ToUtf16(std::string_view in, std::u16string& out);

// UTF-16 to UTF-8; unpaired surrogates are dropped.
std::string Utf16ToUtf8(std::u16string_view in);

}  // namespace zqp
