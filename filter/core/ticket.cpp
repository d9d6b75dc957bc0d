#include "ticket.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "job.h"
#include "text.h"
#include "zqp/utf8.h"

namespace zqf {

Options::Options(const char* text) : raw_(text != nullptr ? text : "") {
  num_ = cupsParseOptions(raw_.c_str(), 0, &opts_);
}

Options::Options(Options&& other) noexcept { *this = std::move(other); }

Options& Options::operator=(Options&& other) noexcept {
  if (this != &other) {
    cupsFreeOptions(num_, opts_);
    cupsFreeOptions(numDefaults_, defaults_);
    num_ = std::exchange(other.num_, 0);
    opts_ = std::exchange(other.opts_, nullptr);
    numDefaults_ = std::exchange(other.numDefaults_, 0);
    defaults_ = std::exchange(other.defaults_, nullptr);
    raw_ = std::move(other.raw_);
  }
  return *this;
}

Options::~Options() {
  cupsFreeOptions(num_, opts_);
  cupsFreeOptions(numDefaults_, defaults_);
}

void Options::TakeDefaults(ppd_file_t* ppd) {
  cupsFreeOptions(numDefaults_, defaults_);
  numDefaults_ = 0;
  defaults_ = nullptr;
  if (ppd == nullptr) return;
  for (ppd_option_t* o = ppdFirstOption(ppd); o != nullptr; o = ppdNextOption(ppd)) {
    if (Names(o->keyword)) continue;
    // Only a default the PPD offers is marked (a typed value through its
    // custom choice), as the scheduler's own marking does.
    const std::string_view def = o->defchoice;
    const bool offered = ppdFindChoice(o, o->defchoice) != nullptr ||
                         (def.substr(0, 7) == "Custom." && ppdFindChoice(o, "Custom") != nullptr);
    if (!def.empty() && offered) numDefaults_ = cupsAddOption(o->keyword, o->defchoice, numDefaults_, &defaults_);
  }
}

namespace {
std::vector<std::string>* recordedKeys = nullptr;
}  // namespace

void Options::RecordKeys(std::vector<std::string>* sink) { recordedKeys = sink; }

std::vector<std::string_view> Options::NamesWithPrefix(std::string_view prefix) const {
  if (recordedKeys != nullptr) recordedKeys->push_back(std::string(prefix) + "*");
  std::vector<std::string_view> names;
  for (int i = 0; i < num_; ++i) {
    const std::string_view name = opts_[i].name;
    if (name.substr(0, prefix.size()) == prefix) names.push_back(name);
  }
  return names;
}

const char* Options::Get(std::string_view key) const {
  if (recordedKeys != nullptr) recordedKeys->push_back(std::string(key));
  if (num_ == 0 && numDefaults_ == 0) return nullptr;
  const std::string name(key);
  if (const char* value = cupsGetOption(name.c_str(), num_, opts_)) return value;
  return cupsGetOption(name.c_str(), numDefaults_, defaults_);
}

bool Options::Names(std::string_view key) const {
  return num_ > 0 && cupsGetOption(std::string(key).c_str(), num_, opts_) != nullptr;
}

int GetTicketFromArray(Job& job, const TicketTable& rows) {
  for (const auto& row : rows) {
    if (row.getter != nullptr) row.getter(job, row.key, job.options, row.dest, row.size);
  }
  return 1;
}

namespace {

void SetInt(TicketDest dest, int32_t v) {
  if (auto p = std::get_if<int32_t*>(&dest); p != nullptr && *p != nullptr) **p = v;
}

std::string* TextDest(TicketDest dest) {
  if (auto p = std::get_if<std::string*>(&dest); p != nullptr && *p != nullptr) return *p;
  return nullptr;
}

// The option value, unescaped from a bounded copy.
std::string Unescaped(const char* value) {
  std::string text(zqp::Utf8Prefix(value, kUnescapeBufferSize - 1));
  numstrtochar(text);
  return text;
}

using Converter = size_t (*)(const Job&, std::string_view, std::string&, size_t);

int ConvertedString(Job& job, const std::string& key, const Options& options, TicketDest dest, size_t size,
                    bool unescape, Converter convert, bool returnLength) {
  std::string* out = TextDest(dest);
  if (out != nullptr) out->clear();
  const char* value = options.Get(key);
  if (value == nullptr || out == nullptr) return 0;
  const size_t len = convert(job, unescape ? Unescaped(value) : std::string(value), *out, size);
  return returnLength ? static_cast<int>(len) : 1;
}

// The N-up value: the "number-up" option, else rows x columns of the layout.
std::string NumberUpText(const Options& options, bool withPrefix) {
  if (const char* value = options.Get("number-up")) {
    return (withPrefix ? "N" : "") + Unescaped(value);
  }
  const char* rowsText = options.Get(kLayoutRowsKey);
  const char* colsText = options.Get(kLayoutColumnsKey);
  if (rowsText == nullptr && colsText == nullptr) return "1";
  // A layout key that is missing counts as one row or column.
  const long long rows = rowsText != nullptr ? std::strtoll(rowsText, nullptr, 10) : 1;
  const long long cols = colsText != nullptr ? std::strtoll(colsText, nullptr, 10) : 1;
  // The device takes at most two digits; anything else is no layout at all.
  if (rows < 1 || cols < 1 || rows > 99 || cols > 99 || rows * cols > 99 || rows * cols == 1) return "1";
  return (withPrefix ? "N" : "") + std::to_string(rows * cols);
}

int NumberUp(Job& job, const Options& options, TicketDest dest, size_t size, bool withPrefix) {
  std::string* out = TextDest(dest);
  if (out == nullptr) return 0;
  ConvertUTF8ToEncoding(job, NumberUpText(options, withPrefix), *out, size);
  return 1;
}

}  // namespace

int GetTicketInteger(Job&, const std::string& key, const Options& options, TicketDest dest, size_t) {
  const char* value = options.Get(key);
  if (value == nullptr) {
    SetInt(dest, -1);
    return 0;
  }
  // atoi without its undefined overflow: saturate at the 32-bit range.
  const long long n = std::strtoll(value, nullptr, 10);
  SetInt(dest, static_cast<int32_t>(n > INT32_MAX ? INT32_MAX : n < INT32_MIN ? INT32_MIN : n));
  return 1;
}

int GetTicketFloat(Job&, const std::string& key, const Options& options, TicketDest dest, size_t) {
  auto p = std::get_if<float*>(&dest);
  const char* value = options.Get(key);
  if (p == nullptr || *p == nullptr) return value != nullptr;
  if (value == nullptr) {
    **p = -1.0f;
    return 0;
  }
  **p = std::strtof(value, nullptr);
  return 1;
}

int GetTicketString(Job& job, const std::string& key, const Options& options, TicketDest dest, size_t size) {
  return ConvertedString(job, key, options, dest, size, false, ConvertUTF8ToEncoding, false);
}

int GetTicketStringConvertedToPrtLang(Job& job, const std::string& key, const Options& options, TicketDest dest,
                                      size_t size) {
  return ConvertedString(job, key, options, dest, size, true, ConvertUTF8ToEncoding, false);
}

int GetTicketStringConvertedToPrtLangForUTF8(Job& job, const std::string& key, const Options& options,
                                             TicketDest dest, size_t size) {
  return ConvertedString(job, key, options, dest, size, true, ConvertUTF8ToEncodingForUTF8, false);
}

int GetLengthOfTicketStringConvertedToPrtLang(Job& job, const std::string& key, const Options& options,
                                              TicketDest dest, size_t size) {
  return ConvertedString(job, key, options, dest, size, true, ConvertUTF8ToEncoding, true);
}

int GetLengthOfTicketStringConvertedToPrtLangForUTF8(Job& job, const std::string& key, const Options& options,
                                                     TicketDest dest, size_t size) {
  return ConvertedString(job, key, options, dest, size, true, ConvertUTF8ToEncodingForUTF8, true);
}

int GetTicketStringConvertedToPPDEncodingString(Job& job, const std::string& key, const Options& options,
                                                TicketDest dest, size_t size) {
  std::string* out = TextDest(dest);
  if (out != nullptr) out->clear();
  const char* value = options.Get(key);
  if (value == nullptr || out == nullptr) return 0;
  ConvertUTF8ToPPDEncoding(Unescaped(value), *out, size, GetCFStringSimEncodingFromPPD(job.ppd.get()));
  return 1;
}

int GetNumberUpTicketString(Job& job, const std::string&, const Options& options, TicketDest dest, size_t size) {
  return NumberUp(job, options, dest, size, true);
}

int GetNumberUpTicketStringForComment(Job& job, const std::string&, const Options& options, TicketDest dest,
                                      size_t size) {
  return NumberUp(job, options, dest, size, false);
}

int CheckTicketKey(Job&, const std::string& key, const Options& options, TicketDest dest, size_t) {
  SetInt(dest, options.Get(key) == nullptr ? 1 : 0);
  return 1;
}

void numstrtochar(std::string& text, size_t size) {
  if (text.empty() || text[0] != '/') return;
  if (size > 0 && text.size() > size - 1) text.resize(size - 1);
  std::string decoded;
  size_t pos = 1;
  while (pos <= text.size()) {
    size_t end = text.find('/', pos);
    if (end == std::string::npos) end = text.size();
    if (end > pos) {  // empty pieces ("//") carry no code
      int code = 0;
      bool digits = false;
      for (size_t i = pos; i < end && text[i] >= '0' && text[i] <= '9'; ++i) {
        digits = true;
        code = code * 10 + (text[i] - '0');
        if (code > 255) code = 256;  // saturate: any code above a byte is 0
      }
      const char byte = (!digits || code > 255) ? '\0' : static_cast<char>(code);
      if (byte == '\0') break;  // the terminator: the rest is not text
      decoded.push_back(byte);
    }
    pos = end + 1;
  }
  text = std::move(decoded);
}

}  // namespace zqf
