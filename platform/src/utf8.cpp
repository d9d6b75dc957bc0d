#include "zqp/utf8.h"

namespace zqp {

bool NextCodePoint(std::string_view s, size_t& pos, char32_t& cp) {
  if (pos >= s.size()) return false;
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) {
    cp = b0;
    ++pos;
    return true;
  }
  size_t len;
  char32_t min;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2; cp = b0 & 0x1F; min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3; cp = b0 & 0x0F; min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4; cp = b0 & 0x07; min = 0x10000;
  } else {
    return false;
  }
  if (s.size() - pos < len) return false;
  for (size_t i = 1; i < len; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if ((b & 0xC0) != 0x80) return false;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  pos += len;
  return true;
}

bool IsValidUtf8(std::string_view s) {
  size_t pos = 0;
  char32_t cp;
  while (pos < s.size()) {
    if (!NextCodePoint(s, pos, cp)) return false;
  }
  return true;
}

std::string RepairedUtf8(std::string_view s) {
  if (IsValidUtf8(s)) return std::string(s);
  std::string out;
  size_t pos = 0;
  while (pos < s.size()) {
    char32_t cp = 0;
    if (NextCodePoint(s, pos, cp)) {
      AppendUtf8(out, cp);
    } else {
      AppendUtf8(out, U'\uFFFD');
      ++pos;
    }
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

size_t Utf8CutPoint(std::string_view s, size_t maxBytes) {
  if (s.size() <= maxBytes) return s.size();
  size_t pos = 0;
  while (pos < s.size()) {
    size_t next = pos;
    char32_t cp;
    if (!NextCodePoint(s, next, cp)) next = pos + 1;
    if (next > maxBytes) break;
    pos = next;
  }
  return pos;
}

std::string_view Utf8Prefix(std::string_view s, size_t maxBytes) {
  return s.substr(0, Utf8CutPoint(s, maxBytes));
}

size_t Utf16Length(std::string_view utf8) {
  size_t pos = 0, units = 0;
  char32_t cp;
  while (pos < utf8.size()) {
    if (!NextCodePoint(utf8, pos, cp)) {
      ++pos;
      ++units;
      continue;
    }
    units += cp >= 0x10000 ? 2 : 1;
  }
  return units;
}

std::string_view Utf8PrefixUnits(std::string_view utf8, size_t units) {
  size_t pos = 0, used = 0;
  while (pos < utf8.size()) {
    size_t next = pos;
    char32_t cp;
    size_t need = 1;
    if (!NextCodePoint(utf8, next, cp)) {
      next = pos + 1;
    } else if (cp >= 0x10000) {
      need = 2;
    }
    if (used + need > units) break;
    used += need;
    pos = next;
  }
  return utf8.substr(0, pos);
}

bool Utf8ToUtf16(std::string_view in, std::u16string& out) {
  out.clear();
  size_t pos = 0;
  char32_t cp;
  while (pos < in.size()) {
    if (!NextCodePoint(in, pos, cp)) {
      out.clear();
      return false;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return true;
}

std::string Utf16ToUtf8(std::u16string_view in) {
  std::string out;
  for (size_t i = 0; i < in.size(); ++i) {
    char32_t u = in[i];
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 1 < in.size() && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
        u = 0x10000 + ((u - 0xD800) << 10) + (in[i + 1] - 0xDC00);
        ++i;
      } else {
        continue;
      }
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      continue;
    }
    AppendUtf8(out, u);
  }
  return out;
}

}  // namespace zqp
