#include "text.h"

#include <cstring>

#include "job.h"
#include "encodings.h"
#include "zqp/utf8.h"

namespace zqf {

size_t ConvertUTF8ToUTF8Units(const Job&, std::string_view text, std::string& out, size_t size) {
  out.clear();
  if (size == 0 || !zqp::IsValidUtf8(text)) return 0;
  const size_t limit = size - 1;
  size_t pos = 0;
  char32_t cp;
  while (pos < text.size()) {
    const size_t start = pos;
    zqp::NextCodePoint(text, pos, cp);
    if (cp >= 0x10000) continue;  // two UTF-16 units: neither converts alone
    if (out.size() + (pos - start) > limit) break;
    out.append(text.substr(start, pos - start));
  }
  return out.size();
}

size_t ConvertUTF8ToEncoding(const Job& job, std::string_view text, std::string& out, size_t size) {
  return job.profile.convert(job, text, out, size);
}

size_t ConvertUTF8ToEncodingForUTF8(const Job& job, std::string_view text, std::string& out, size_t size) {
  return ConvertUTF8ToUTF8Units(job, text, out, size);
}

PpdTextEncoding GetCFStringSimEncodingFromPPD(ppd_file_t* ppd) {
  // libcups turns the PPD's texts into UTF-8 and says so in lang_encoding;
  // what the file announced is only left in the attribute.
  ppd_attr_t* attr = ppd != nullptr ? ppdFindAttr(ppd, "LanguageEncoding", nullptr) : nullptr;
  if (attr != nullptr && attr->value != nullptr && std::strcmp(attr->value, "JIS83-RKSJ") == 0) {
    return PpdTextEncoding::ShiftJisX0213;
  }
  return PpdTextEncoding::Utf8;
}

size_t ConvertUTF8ToPPDEncoding(std::string_view text, std::string& out, size_t size, PpdTextEncoding encoding) {
  out.clear();
  if (size == 0 || !zqp::IsValidUtf8(text)) return 0;
  std::string wrapped = "(";
  wrapped += text;
  wrapped += ')';
  wrapped = std::string(zqp::Utf8PrefixUnits(wrapped, 510));
  if (encoding == PpdTextEncoding::ShiftJisX0213) {
    std::string converted;
    if (!EncodeText(wrapped, TextEncoding::ShiftJisX0213, converted)) return 0;
    out = converted.substr(0, CutPoint(converted, TextEncoding::ShiftJisX0213, size - 1));
    return out.size();
  }
  out = zqp::Utf8Prefix(wrapped, size - 1);
  return out.size();
}

bool checkIfCharacterIsMultibyte(const Job&, std::string_view) { return false; }

std::string GetSubString(std::string_view text, size_t first, size_t last) {
  if (first > last || first >= text.size()) return {};
  return std::string(text.substr(first, last - first + 1));
}

std::string itoa(int64_t value, size_t len) {
  if (value <= 0 || len < 2) return {};
  std::string digits = std::to_string(value);
  if (digits.size() > len - 1) digits.erase(0, digits.size() - (len - 1));
  return digits;
}

bool ISByteValid(unsigned char byte, const ValidateDataScale& scale) {
  for (int32_t i = 0; i < scale.byteCount && i < 10; ++i) {
    if (byte >= scale.bytes[i].min && byte <= scale.bytes[i].max) return true;
  }
  return false;
}

bool ISWordValid(unsigned char first, unsigned char second, const ValidateDataScale& scale) {
  const int32_t word = (first << 8) | second;
  for (int32_t i = 0; i < scale.wordCount && i < 10; ++i) {
    if (word >= scale.words[i].min && word <= scale.words[i].max) return true;
  }
  return false;
}

bool ValidateDada(std::string_view text, const ValidateDataScale& scale) {
  size_t pos = 0;
  while (pos < text.size()) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    if (pos + 1 < text.size() && ISWordValid(b0, static_cast<unsigned char>(text[pos + 1]), scale)) {
      pos += 2;
    } else if (ISByteValid(b0, scale)) {
      pos += 1;
    } else {
      return false;
    }
  }
  return true;
}

bool ISByteSpace(unsigned char byte) { return byte == 0x20; }
bool ISWordSpace(unsigned char first, unsigned char second) { return first == 0x81 && second == 0x40; }

bool IsAllSpace(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size()) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    if (pos + 1 < text.size() && ISWordSpace(b0, static_cast<unsigned char>(text[pos + 1]))) {
      pos += 2;
    } else if (ISByteSpace(b0)) {
      pos += 1;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace zqf
