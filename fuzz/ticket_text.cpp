// Single ticket and job values as both sides read them: the dialog's escaped
// and stored forms, the filter's decoding and PJL quoting, the number and
// length texts, addresses and release texts. Where the two sides must agree,
// that is checked.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/platform_points.h"
#include "core/text.h"
#include "core/ticket.h"
#include "zqp/utf8.h"
#include "zqpde/number_text.h"
#include "zqpde/ticket_value.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "ticket text: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  // What the dialog writes, the filter reads back unchanged (cut to the
  // stored length); a NUL byte ends the text on both sides.
  const std::string_view cut = zqp::Utf8Prefix(text, zqpde::kTicketTextMaxBytes);
  if (cut.find('\0') == std::string_view::npos) {
    std::string decoded = zqpde::TicketTextForOutput(text);
    if (decoded.size() > zqpde::kEscapedValueMaxBytes) Fail("escaped form longer than the filter reads");
    zqf::numstrtochar(decoded);
    if (decoded != cut) Fail("escaped text does not decode to the text");
  }
  std::string dialogSide(text), filterSide(text);
  zqpde::numstrtochar(dialogSide);
  zqf::numstrtochar(filterSide, zqf::kUnescapeBufferSize);
  if (auto stored = zqpde::TicketValueForStorage(text)) {
    if (!zqp::IsValidUtf8(*stored)) Fail("stored value is not UTF-8");
  }
  zqpde::QSPTicketString(text);
  zqpde::NeedsTicketEscape(text);

  // Nothing from outside may end or open a PJL line.
  const std::string safe = zqf::PjlSafe(text);
  for (unsigned char c : safe)
    if (c < 0x20 || c == 0x7F || c == '"') Fail("PJL-safe value keeps a control byte or quote");
  const std::string value(text);
  zqf::SymPara para;
  zqf::InitializeCmdParaTable(para, {&value, &value});
  std::string line;
  zqf::BuildPrintComand("@PJL SET JOBATTR=\"@JOAU=%s,%s\"\r\n", para, line);
  if (line.size() > zqf::kMaxCommandLine) Fail("command line too long");
  if (line.find('\n') != line.size() - 1 || line.compare(line.size() - 3, 3, "\"\r\n") != 0)
    Fail("command line lost its end");

  zqpde::ConvertFloatStrToInt(text);
  zqpde::GetMillimetreFromStr(text);
  zqpde::TransformMillimetreToInchs(text);
  zqpde::getIntFromString(text, text.size());
  zqf::DeviceFormAddress(text);
  zqf::OsVersionFromKernelRelease(text);
  zqf::ValidateDada(text, zqf::docuNameValidateDataScaleForProduct03);
  zqf::ValidateDada(text, zqf::userNameValidateDataScaleForUTF8);
  zqf::IsAllSpace(text);
  if (size >= 2) zqf::GetSubString(text, data[0], data[1]);
  std::u16string units;
  if (zqp::Utf8ToUtf16(text, units) && zqp::Utf16ToUtf8(units) != text) Fail("UTF-16 round trip differs");
  return 0;
}
