// What the Account extension reads back of remembered values and presets:
// scrambled texts and pass codes (value cache files, print settings) and the
// start time. None may crash; a text the extension wrote must come back.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "start_time.h"
#include "zqp/utf8.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "account values: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  if (auto back = zqacct::TextFromRemembered(text))
    if (!zqp::IsValidUtf8(*back)) Fail("a remembered text came back not UTF-8");
  if (auto code = zqacct::PassCodeFromRemembered(text))
    for (char c : *code)
      if (c < '0' || c > '9') Fail("a remembered pass code came back with a non-digit");
  if (auto t = zqacct::ParseStartTimePreference(text))
    if (t->hour < 0 || t->hour > 23 || t->minute < 0 || t->minute > 59) Fail("start time out of the day");

  // What is remembered of a text comes back as that text (or, too long to
  // scramble, as nothing at all).
  if (zqp::IsValidUtf8(text)) {
    const std::string kept = zqacct::RememberedPassCode(text);
    if (!kept.empty() && zqacct::TextFromRemembered(kept) != std::string(text)) Fail("remembered text differs");
    if (kept.empty() && !text.empty() && text.size() < 190) Fail("a short text was not remembered");
  }
  return 0;
}
