#pragma once
#include <string>
#include <string_view>

namespace zqp {

// Converts text between two iconv encodings in one step. Returns false (out
// empty) when the encodings are unknown or some character has no form in
// the target encoding.
bool IconvConvert(std::string_view in, const char* toCode, std::string& out, const char* fromCode = "UTF-8");

}  // namespace zqp
