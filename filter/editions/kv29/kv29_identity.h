#pragma once
// What the kv29 edition does differently with text: the printer text is
// the PPD's encoding (UTF-8, Shift-JIS X0213 or ISO Latin-1), names are
// checked in an encoding of their own, and cuts keep whole characters.
#include <string>
#include <string_view>

#include "../../core/job.h"

namespace zqf::kv29 {

inline constexpr ValidateDataScale userNameValidateDataScale{
    2, {{0x20, 0x7E}, {0xA1, 0xDF}}, 4, {{0x8140, 0x9F7E}, {0x8180, 0x9FFC}, {0xE040, 0xFC7E}, {0xE080, 0xFCFC}}};
inline constexpr ValidateDataScale docuNameValidateDataScaleForProduct02{
    2, {{0x20, 0x7E}, {0xA1, 0xDF}}, 3, {{0x0020, 0x007E}, {0x8160, 0x8160}, {0xFF61, 0xFF9F}}};

// The whole text into the printer encoding, cut at a character boundary to
// size - 1 bytes; empty when some character has no form there.
size_t ConvertUTF8ToPrinterEncoding(const Job& job, std::string_view text, std::string& out, size_t size);

// A copy of at most maxBytes of text (in encoding) made of whole
// characters; empty when a longer text cannot be read in the encoding.
std::string CopyStringUpToByteCount(std::string_view text, size_t maxBytes, TextEncoding encoding);

void PrepareIdentityKv29(Job& job);
void InvalidateStdUserName(Job& job);
void InvalidateStdDocumentName(Job& job);
void InvalidateStdDocumentNameForProductType(Job& job);

}  // namespace zqf::kv29
