#pragma once
// Reads a scrambled password back without the code under test: Base64,
// then the repeating four-byte key.
#include <qspenclib.h>

#include <string>

namespace pellora::test {

inline std::string Unscramble(const std::string& b64) {
  static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string bytes;
  unsigned bits = 0, count = 0;
  for (char c : b64) {
    if (c == '=') break;
    bits = (bits << 6) | static_cast<unsigned>(alphabet.find(c));
    count += 6;
    if (count >= 8) {
      count -= 8;
      bytes.push_back(static_cast<char>((bits >> count) & 0xFF));
    }
  }
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(bytes[i] ^ QSP_KEY[i % 4]);
  return bytes;
}

}  // namespace pellora::test
