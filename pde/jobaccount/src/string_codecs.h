#pragma once
// Text as the second printer family receives it: escaped ticket strings and
// scrambled passwords, both made of the text's bytes in the printer's own
// encoding ("ZQPrinterLanguageEncoding" of the PPD). Text in memory is
// always UTF-8.
#include <cups/ppd.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <zqp/text.h>

namespace pellora {

// Longest text, in bytes of the printer's encoding, that the escaped form
// carries; the printer's fields hold 255 bytes.
inline constexpr size_t kMaxTextBytes = 255;
// Longest escaped form: "/-128" is the widest code, so every text the
// encoder accepts fits, and the decoder reads anything up to this length.
inline constexpr size_t kMaxEscapedBytes = kMaxTextBytes * 5;
// Longest password the scrambled form carries: its Base64 text must stay
// within 255 characters, which holds 189 bytes.
inline constexpr size_t kMaxPasswordBytes = 189;

// The encoding named by "ZQPrinterLanguageEncoding"; Shift-JIS X0213 for any
// other value, no attribute or no PPD.
zqp::TextEncoding GetEncodingInfoFromPPD(ppd_file_t* ppd);

// The first attribute, in PPD order, whose name begins with name; nullptr
// for a missing PPD, a null or empty name, or no match.
ppd_attr_t* ppdFindAttr_ALT(ppd_file_t* ppd, const char* name, const char* spec);
// The value of that attribute; nothing when the PPD or attribute is missing.
std::optional<std::string> CopyPPDAttribute(ppd_file_t* ppd, const char* name);

// The ticket form of text: the text itself when none of its bytes in the
// encoding is ',', '\'', '\\' or '/', else "/" and the signed decimal code
// of each byte. Nothing (with a line on standard error) when the text has a
// character the encoding cannot hold, a NUL, or takes more than
// kMaxTextBytes.
std::optional<std::string> CopyEncodedString(std::string_view text, zqp::TextEncoding encoding);
// The text back from its ticket form; text not beginning with "/" is
// returned as it is. Nothing when the form is longer than kMaxEscapedBytes
// or its bytes are not text in the encoding.
std::optional<std::string> CopyDecodedString(std::string_view text, zqp::TextEncoding encoding);

enum class PasswordStatus { kOk, kEmpty, kUnconvertible, kTooLong };
struct ScrambledPassword {
  PasswordStatus status = PasswordStatus::kEmpty;
  std::string text;  // Base64, only with kOk
};
// Scrambles the whole password in the encoding, or nothing at all: a
// password with a character the encoding cannot hold, or longer than
// kMaxPasswordBytes there, is refused rather than cut.
ScrambledPassword CreateEncryptedString(std::string_view password, zqp::TextEncoding encoding);
// The password of a scrambled text; nothing when it is not Base64, too
// long, or not text in the encoding.
std::optional<std::string> CreateDecryptedString(std::string_view text, zqp::TextEncoding encoding);

// Whether the whole text can be written in the encoding.
bool IsRepresentable(std::string_view text, zqp::TextEncoding encoding);

}  // namespace pellora
