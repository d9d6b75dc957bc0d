#include "zqp/iconv.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace zqp {

bool IconvConvert(std::string_view in, const char* toCode, std::string& out, const char* fromCode) {
  out.clear();
  iconv_t cd = iconv_open(toCode, fromCode);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::vector<char> buf(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  bool ok = true;
  while (srcLeft > 0) {
    char* dst = buf.data();
    size_t dstLeft = buf.size();
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf.data(), buf.size() - dstLeft);
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      ok = false;
      break;
    }
  }
  if (ok) {
    char* dst = buf.data();
    size_t dstLeft = buf.size();
    if (iconv(cd, nullptr, nullptr, &dst, &dstLeft) == static_cast<size_t>(-1)) ok = false;
    out.append(buf.data(), buf.size() - dstLeft);
  }
  iconv_close(cd);
  if (!ok) out.clear();
  return ok;
}

}  // namespace zqp
