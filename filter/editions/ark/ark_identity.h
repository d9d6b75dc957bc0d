#pragma once
// What the ARK edition does differently with text: ISO Latin-1 printer text
// unless the product reads UTF-8, and name rules counted in UTF-16 units on
// UTF-8 products.
#include <string>
#include <string_view>

#include "../../core/job.h"

namespace zqf::ark {

inline constexpr ValidateDataScale userNameValidateDataScaleForUTF8{1, {{0x20, 0xFF}}, 1, {{0x0020, 0xFFFF}}};
inline constexpr ValidateDataScale docuNameValidateDataScale{1, {{0x20, 0x7E}}, 0, {}};
inline constexpr ValidateDataScale docuNameValidateDataScaleForProduct02{1, {{0x20, 0x7E}}, 0, {}};
inline constexpr ValidateDataScale docuNameValidateDataScaleForProduct03{1, {{0x20, 0x7E}}, 0, {}};
inline constexpr ValidateDataScale docuNameValidateDataScaleForProduct03UTF8{1, {{0x20, 0xFF}}, 1, {{0x0020, 0x00FF}}};

// UTF-8 to ISO Latin-1 one UTF-16 unit at a time; "\" and "~" are copied as
// they are and a unit without a Latin-1 form is dropped.
size_t ConvertUTF8ToLatin1Units(const Job& job, std::string_view text, std::string& out, size_t size);

// The edition's printer text: UTF-8 units on a UTF-8 product (where the
// device reads every line as UTF-8), ISO Latin-1 units otherwise.
size_t ConvertUTF8ToPrinterText(const Job& job, std::string_view text, std::string& out, size_t size);

void PrepareIdentityArk(Job& job);
void InvalidateStdUserName(Job& job);
void InvalidateStdDocumentName(Job& job);
void InvalidateStdDocumentNameForProductType(Job& job);
void InvalidatePrintTypeDocumentNameForProductType(Job& job);
void getHostName(Job& job);

// "@PJL SET STRINGCODESET=UTF8" (no quotes) on a UTF-8 product, else nothing.
void OutputEPJLCommandLanguageEncodingForKLT4R2B(Job& job);

}  // namespace zqf::ark
