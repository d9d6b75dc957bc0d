#include "string_codecs.h"

#include <qspenclib.h>

#include <cstdio>
#include <cstring>

namespace pellora {
namespace {

bool IsSpecialByte(unsigned char b) { return b == ',' || b == '\'' || b == '\\' || b == '/'; }

// One code of the escaped form: an optional sign and decimal digits, read
// as far as they go. Values above 255 give 255 and the rest their low eight
// bits, so the signed codes the encoder writes give back the same bytes.
unsigned char CodeToByte(std::string_view code) {
  size_t i = 0;
  bool negative = false;
  if (i < code.size() && (code[i] == '-' || code[i] == '+')) negative = code[i++] == '-';
  long value = 0;
  for (; i < code.size() && code[i] >= '0' && code[i] <= '9'; ++i) {
    value = value * 10 + (code[i] - '0');
    if (value > 100000) value = 100000;  // far beyond a byte either way; stops overflow
  }
  if (negative) value = -value;
  if (value > 255) return 255;
  return static_cast<unsigned char>(value & 0xFF);
}

}  // namespace

zqp::TextEncoding GetEncodingInfoFromPPD(ppd_file_t* ppd) {
  ppd_attr_t* attr = ppdFindAttr_ALT(ppd, "ZQPrinterLanguageEncoding", nullptr);
  const std::string_view value = attr != nullptr && attr->value != nullptr ? attr->value : "";
  if (value == "UTF-8") return zqp::TextEncoding::kUtf8;
  if (value == "ISOLatin1") return zqp::TextEncoding::kIsoLatin1;
  if (value == "WindowsANSI") return zqp::TextEncoding::kWindowsLatin1;
  return zqp::TextEncoding::kShiftJis;
}

ppd_attr_t* ppdFindAttr_ALT(ppd_file_t* ppd, const char* name, const char* /*spec*/) {
  if (ppd == nullptr || name == nullptr || *name == '\0') return nullptr;
  const size_t n = std::strlen(name);
  for (int i = 0; i < ppd->num_attrs; ++i) {
    ppd_attr_t* attr = ppd->attrs[i];
    if (std::strncmp(attr->name, name, n) == 0) return attr;
  }
  return nullptr;
}

std::optional<std::string> CopyPPDAttribute(ppd_file_t* ppd, const char* name) {
  ppd_attr_t* attr = ppdFindAttr_ALT(ppd, name, nullptr);
  if (attr == nullptr || attr->value == nullptr) return std::nullopt;
  return std::string(attr->value);
}

bool IsRepresentable(std::string_view text, zqp::TextEncoding encoding) {
  std::string bytes;
  return zqp::FromUtf8(text, encoding, bytes);
}

std::optional<std::string> CopyEncodedString(std::string_view text, zqp::TextEncoding encoding) {
  std::string bytes;
  // The device reads each value as C text: a NUL would end it early, and
  // its escaped code reads back as the end of the text.
  if (text.find('\0') != std::string_view::npos || !zqp::FromUtf8(text, encoding, bytes) ||
      bytes.size() > kMaxTextBytes) {
    std::fputs("CopyEncodedString : CFStringGetCString failed.\n", stderr);
    return std::nullopt;
  }
  bool special = false;
  for (unsigned char b : bytes) special = special || IsSpecialByte(b);
  if (!special) return std::string(text);

  std::string out;
  out.reserve(bytes.size() * 5);
  for (unsigned char b : bytes) {
    // The device reads each byte as a signed char: 0xE3 is "-29".
    out.push_back('/');
    out += std::to_string(static_cast<int>(static_cast<signed char>(b)));
  }
  return out;
}

std::optional<std::string> CopyDecodedString(std::string_view text, zqp::TextEncoding encoding) {
  if (text.empty() || text.front() != '/') return std::string(text);
  if (text.size() > kMaxEscapedBytes) {
    std::fputs("CopyDecodedString : CFStringGetCString failed.\n", stderr);
    return std::nullopt;
  }
  std::string bytes;
  size_t pos = 1;
  while (true) {
    const size_t next = text.find('/', pos);
    const unsigned char b = CodeToByte(text.substr(pos, next == std::string_view::npos ? next : next - pos));
    if (b == 0) break;  // a zero byte ends the text, as it always has
    bytes.push_back(static_cast<char>(b));
    if (next == std::string_view::npos) break;
    pos = next + 1;
  }
  std::string utf8;
  if (!zqp::ToUtf8(bytes, encoding, utf8)) return std::nullopt;
  return utf8;
}

ScrambledPassword CreateEncryptedString(std::string_view password, zqp::TextEncoding encoding) {
  ScrambledPassword result;
  if (password.empty()) return result;
  std::string bytes;
  if (!zqp::FromUtf8(password, encoding, bytes)) {
    result.status = PasswordStatus::kUnconvertible;
    return result;
  }
  if (bytes.size() > kMaxPasswordBytes) {
    result.status = PasswordStatus::kTooLong;
    return result;
  }
  unsigned char scrambled[kMaxPasswordBytes];
  char b64[kMaxTextBytes];
  int n = 0, m = 0;
  if (QSPEncrypt(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()), scrambled,
                 &n, sizeof scrambled) != 0 ||
      QSPBinToB64(scrambled, n, b64, &m, sizeof b64) != 0) {
    result.status = PasswordStatus::kTooLong;
    return result;
  }
  result.status = PasswordStatus::kOk;
  result.text.assign(b64, static_cast<size_t>(m));
  return result;
}

std::optional<std::string> CreateDecryptedString(std::string_view text, zqp::TextEncoding encoding) {
  if (text.empty() || text.size() > kMaxTextBytes) return std::nullopt;
  unsigned char decoded[kMaxTextBytes];
  unsigned char plain[kMaxTextBytes];
  int n = 0, m = 0;
  if (QSPB64ToBin(std::string(text).c_str(), static_cast<int>(text.size()), decoded, &n, sizeof decoded) != 0)
    return std::nullopt;
  if (QSPEncrypt(decoded, n, plain, &m, sizeof plain) != 0) return std::nullopt;
  std::string utf8;
  if (!zqp::ToUtf8(std::string_view(reinterpret_cast<const char*>(plain), static_cast<size_t>(m)), encoding, utf8))
    return std::nullopt;
  return utf8;
}

}  // namespace pellora
