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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto parts = zqfuzz::SplitInput(data, size, 5);
  const tollbox::Configuration config = tollbox::ParseConfiguration(parts[0]);
  if (config.maxJobBytes && *config.maxJobBytes == 0) std::abort();
  for (const auto& s : config.servers) {
    if (s.name.find('|') != std::string::npos || s.name.size() < 3) std::abort();
  }
  if (auto doc = tollbox::ParseConfigurationDocument(parts[1])) {
    // The rewritten file reads back with the document's servers after the
    // three lines kept.
    const auto lines = tollbox::RewriteConfiguration(config, *doc);
    const tollbox::Configuration again = tollbox::ParseConfiguration(tollbox::JoinLines(lines));
    (void)again;
  }
  (void)tollbox::ClassifyAccountAnswer(parts[2]);
  const std::string name = tollbox::DocumentName(std::string(parts[3]), 1706715900);
  if (name.empty()) std::abort();
  (void)tollbox::ParseRememberedChoice(parts[4]);
  for (const auto& s : config.servers) {
    const std::string url = tollbox::AccountCheckUrl(s.url, std::string(parts[2]), std::string(parts[4]));
    if (tollbox::UrlForLog(url).find('?') != std::string::npos) std::abort();
    const std::string body = tollbox::MultipartBody(name, parts[3], std::string(parts[2]), std::string(parts[4]));
    if (!std::string_view(body).ends_with("\r\n---------TLBXUPLOADER--\r\n")) std::abort();
  }
  return 0;
}
