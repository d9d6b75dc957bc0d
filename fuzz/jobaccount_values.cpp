// The job-accounting extension's readers of outside text: escaped ticket
// values and scrambled passwords from a ticket or the preferences, and the
// printer's "ZQJAPasswdScope" and "ZQJAPasswdLimit" values. Whatever reads
// back must write again and read back to the same bytes; ranges and limits
// read must be usable.
//
// Input: one byte choosing the printer's encoding and the reader, then the
// text.
#include <cstdlib>
#include <string>

#include "input_checker.h"
#include "string_codecs.h"


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const zqp::TextEncoding kEncodings[] = {zqp::TextEncoding::kUtf8, zqp::TextEncoding::kIsoLatin1,
                                                 zqp::TextEncoding::kWindowsLatin1, zqp::TextEncoding::kShiftJis};
  const zqp::TextEncoding encoding = kEncodings[data[0] % 4];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  switch ((data[0] >> 2) % 4) {
    case 0:
      if (auto plain = pellora::CopyDecodedString(text, encoding)) {
        if (auto form = pellora::CopyEncodedString(*plain, encoding)) {
          if (form->size() > pellora::kMaxEscapedBytes) std::abort();
          // The printer gets the same bytes again. (Shift-JIS reads its
          // 0x5C and 0x7E back as the yen sign and the overline, so the
          // text itself may differ.)
          auto again = pellora::CopyDecodedString(*form, encoding);
          if (!again) std::abort();
          auto formAgain = pellora::CopyEncodedString(*again, encoding);
          if (!formAgain || *formAgain != *form) std::abort();
          if (encoding != zqp::TextEncoding::kShiftJis && *again != *plain) std::abort();
        }
      }
      break;
    case 1:
      if (auto password = pellora::CreateDecryptedString(text, encoding)) {
        const pellora::ScrambledPassword scrambled = pellora::CreateEncryptedString(*password, encoding);
        if (scrambled.status == pellora::PasswordStatus::kOk) {
          auto again = pellora::CreateDecryptedString(scrambled.text, encoding);
          if (!again || *again != *password) std::abort();
        }
      }
      break;
    case 2:
      if (auto ranges = pellora::ParseCodeRangeAttribute(text)) {
        if (ranges->empty()) std::abort();
        for (const auto& [low, high] : *ranges)
          if (low == 0 || high < low) std::abort();
      }
      break;
    default: {
      const pellora::PasswordLimits limits = pellora::ParsePasswordLimitAttribute(text);
      if (limits.minLength > limits.maxLength || limits.maxLength == 0) std::abort();
      break;
    }
  }
  return 0;
}
