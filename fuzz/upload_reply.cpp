// What the upload client reads from outside: its configuration file, the
// configuration document a web server answers, the account check's answer,
// spool file names and the remembered choice.
//
// Input: configuration file NUL configuration document NUL answer NUL file
// name NUL remembered choice.
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "upload_core.h"
#include "zqp/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto parts = zqfuzz::SplitInput(data, size, 5);
  const tollbox::Configuration config = tollbox::ParseConfiguration(parts[0]);
  if (config.maxJobBytes && *config.maxJobBytes == 0) std::abort();
  for (const auto& s : config.servers) {
    if (s.name.find('|') != std::string::npos || s.name.size() < 3) std::abort();
  }
  if (auto doc = tollbox::ParseConfigurationDocument(parts[1])) {
    // The rewritten file reads back line for line (no server string adds a
    // line of its own), with at least one server; without one, nothing is
    // rewritten.
    const auto lines = tollbox::RewriteConfiguration(config, *doc);
    if (lines && config.documentUrl) {
      const tollbox::Configuration again = tollbox::ParseConfiguration(tollbox::JoinLines(*lines));
      if (again.lines != *lines || again.servers.empty()) std::abort();
    }
  }
  (void)tollbox::ClassifyAccountAnswer(parts[2]);
  const std::string name = tollbox::DocumentName(std::string(parts[3]), 1706715900);
  if (name.empty() || !zqp::IsValidUtf8(name)) std::abort();
  for (unsigned char c : tollbox::EscapeForLog(parts[3]))
    if (c < 0x20 || c == 0x7F) std::abort();
  (void)tollbox::ParseRememberedChoice(parts[4]);
  // Trimming takes whole characters off the ends, never part of one.
  const std::string trimmed = tollbox::Trim(parts[4]);
  if (parts[4].find(trimmed) == std::string_view::npos || (zqp::IsValidUtf8(parts[4]) && !zqp::IsValidUtf8(trimmed)))
    std::abort();
  for (const auto& s : config.servers) {
    const std::string url = tollbox::AccountCheckUrl(s.url, std::string(parts[2]), std::string(parts[4]));
    if (tollbox::UrlForLog(url).find('?') != std::string::npos) std::abort();
    const auto form = tollbox::MultipartBody(name, parts[3], std::string(parts[2]), std::string(parts[4]));
    // Five delimiters and the closing one: the boundary occurs nowhere else.
    const std::string delimiter = "\r\n--" + form.boundary;
    size_t count = 0;
    for (size_t at = form.body.find(delimiter); at != std::string::npos; at = form.body.find(delimiter, at + 1)) ++count;
    if (count != 6 || !std::string_view(form.body).ends_with(delimiter + "--\r\n")) std::abort();
  }
  return 0;
}
