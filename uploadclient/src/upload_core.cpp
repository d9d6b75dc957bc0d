#include "upload_core.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <limits>

#include <nlohmann/json.hpp>

namespace tollbox {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// The leading decimal integer of a line, as a number field reads it
// (leading blanks, an optional sign, digits; anything after is ignored).
std::optional<long long> LeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  std::size_t digits = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
    if (value > (std::numeric_limits<long long>::max() - 9) / 10) return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  if (digits == 0) return std::nullopt;
  return negative ? -value : value;
}

std::string Extension(std::string_view name) {
  auto dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return {};
  return std::string(name.substr(dot + 1));
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

std::string WithService(const std::string& serverUrl, std::string_view resource) {
  std::string url = serverUrl;
  if (url.find("/restfulservice") == std::string::npos) url += "/restfulservice";
  url += '/';
  url += resource;
  return url;
}

// A form-field header value: a double quote or a line end would end the
// header or the quoted name early, so they are written as percent codes, as
// browsers do for file names.
std::string QuotedFormValue(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '"': out += "%22"; break;
      case '\r': out += "%0D"; break;
      case '\n': out += "%0A"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) out += '\n';
    out += lines[i];
  }
  return out;
}

std::string Trim(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && IsSpace(text[b])) ++b;
  while (e > b && IsSpace(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

std::optional<Server> ParseServerLine(const std::string& line) {
  auto bar = line.find('|');
  std::string name = line.substr(0, bar);
  // Names are counted in characters, not bytes.
  std::size_t chars = 0;
  for (unsigned char c : name) chars += (c & 0xC0) != 0x80;
  if (chars < 3) return std::nullopt;
  std::string url;
  if (bar != std::string::npos) {
    auto next = line.find('|', bar + 1);
    url = line.substr(bar + 1, next == std::string::npos ? std::string::npos : next - bar - 1);
  }
  return Server{name, url, line};
}

Configuration ParseConfiguration(std::string_view text) {
  Configuration config;
  config.lines = SplitLines(text);
  if (config.lines.size() > 1) {
    auto megabytes = LeadingInteger(config.lines[1]);
    // A limit past what 64 bits can hold in bytes is no limit at all.
    if (megabytes && *megabytes > 0 && static_cast<std::uint64_t>(*megabytes) <= (UINT64_MAX >> 20))
      config.maxJobBytes = static_cast<std::uint64_t>(*megabytes) << 20;
  }
  if (config.lines.size() > 2 && StartsWith(config.lines[2], "http")) {
    config.documentUrl = config.lines[2];
    config.firstServerLine = 3;
  }
  for (std::size_t i = config.firstServerLine; i < config.lines.size(); ++i)
    if (auto server = ParseServerLine(config.lines[i])) config.servers.push_back(*server);
  return config;
}

std::optional<ConfigurationDocument> ParseConfigurationDocument(std::string_view text) {
  auto json = nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (json.is_discarded() || !json.is_object()) return std::nullopt;
  ConfigurationDocument doc;
  if (auto m = json.find("message"); m != json.end() && m->is_string()) doc.message = m->get<std::string>();
  if (auto s = json.find("servers"); s != json.end() && s->is_array())
    for (const auto& entry : *s)
      if (entry.is_string()) doc.servers.push_back(entry.get<std::string>());
  return doc;
}

std::vector<std::string> RewriteConfiguration(const Configuration& current, const ConfigurationDocument& doc) {
  std::vector<std::string> lines(current.lines.begin(),
                                 current.lines.begin() + std::min<std::size_t>(3, current.lines.size()));
  for (const auto& line : doc.servers)
    if (ParseServerLine(line)) lines.push_back(line);
  return lines;
}

std::optional<std::vector<SpoolEntry>> ListSpoolFolder(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return std::nullopt;
  std::vector<SpoolEntry> entries;
  while (dirent* e = readdir(dir)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (stat((folder + "/" + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    entries.push_back({name, st.st_mtime, static_cast<std::uint64_t>(st.st_size)});
  }
  closedir(dir);
  return entries;
}

std::optional<SpoolEntry> NewestJob(const std::vector<SpoolEntry>& entries) {
  std::optional<SpoolEntry> best;
  for (const auto& e : entries) {
    if (Extension(e.name) != "ps") continue;
    if (!best || e.modified > best->modified || (e.modified == best->modified && e.name < best->name)) best = e;
  }
  return best;
}

bool IsTooLarge(std::uint64_t size, const std::optional<std::uint64_t>& maxJobBytes) {
  return maxJobBytes && size >= *maxJobBytes;
}

std::string TimeStamp(std::time_t when) {
  std::tm tm{};
  localtime_r(&when, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y%m%d_%H%M%S", &tm);
  return buf;
}

std::string ConvertToUnicode(const std::string& name, std::time_t now) {
  bool digitOrPlus = std::any_of(name.begin(), name.end(), [](char c) { return (c >= '0' && c <= '9') || c == '+'; });
  return digitOrPlus ? TimeStamp(now) : name;
}

std::string DocumentName(const std::string& fileName, std::time_t now) {
  std::string name = fileName.substr(fileName.rfind('/') == std::string::npos ? 0 : fileName.rfind('/') + 1);
  // A name without ")" is taken whole: it is a file name of another kind,
  // not a title in parentheses.
  if (auto close = name.rfind(')'); close != std::string::npos) name.resize(close);
  if (!name.empty() && name.front() == '(') name.erase(0, 1);
  for (std::string_view ext : {"gz", "ps"})
    if (EqualsNoCase(Extension(name), ext)) name.resize(name.size() - ext.size() - 1);
  name = ConvertToUnicode(name, now);
  return name.empty() ? TimeStamp(now) : name;
}

std::optional<RememberedChoice> ParseRememberedChoice(std::string_view text) {
  auto first = text.find('|');
  if (first == std::string_view::npos || text.find('|', first + 1) != std::string_view::npos) return std::nullopt;
  return RememberedChoice{std::string(text.substr(0, first)), std::string(text.substr(first + 1))};
}

std::string PercentEncode(std::string_view text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

std::string AccountCheckUrl(const std::string& serverUrl, const std::string& login, const std::string& password) {
  return WithService(serverUrl, "IsUserExisted?") + "username=" + PercentEncode(login) +
         "&password=" + PercentEncode(password);
}

std::string UploadUrl(const std::string& serverUrl) { return WithService(serverUrl, "PrintClientFileUpload"); }

std::string UrlForLog(const std::string& url) {
  std::string out = url.substr(0, url.find_first_of("?#"));
  // user:password@ in the authority is a credential too.
  if (auto scheme = out.find("://"); scheme != std::string::npos) {
    auto hostStart = scheme + 3;
    auto pathStart = out.find('/', hostStart);
    auto at = out.rfind('@', pathStart == std::string::npos ? std::string::npos : pathStart);
    if (at != std::string::npos && at >= hostStart) out.erase(hostStart, at + 1 - hostStart);
  }
  return out;
}

bool IsPlainHttp(const std::string& url) { return EqualsNoCase(std::string_view(url).substr(0, 7), "http://"); }

AccountAnswer ClassifyAccountAnswer(std::string_view answer) {
  if (answer.find("\"Status\":2") != std::string_view::npos) return AccountAnswer::kServerUnreachable;
  if (answer.find("\"Result\":3") != std::string_view::npos) return AccountAnswer::kLoginTaken;
  if (answer.find("\"Result\":1") != std::string_view::npos) return AccountAnswer::kHasPrintJob;
  return AccountAnswer::kProceed;
}

std::string MultipartContentType() { return "multipart/form-data; boundary=" + std::string(kBoundary); }

std::string MultipartBody(const std::string& documentName, std::string_view file, const std::string& login,
                          const std::string& password) {
  const std::string open = "\r\n--" + std::string(kBoundary) + "\r\n";
  std::string body;
  body.reserve(file.size() + 512 + login.size() + password.size() + documentName.size());
  body += open;
  body += "Content-Disposition: form-data; name=\"printfile\"; filename=\"" + QuotedFormValue(documentName) + "\"\r\n";
  body += "Content-Type: text/plain\r\n\r\n";
  body.append(file.data(), file.size());
  body += "\r\n";
  auto field = [&](const char* name, const std::string& value) {
    body += open;
    body += "Content-Disposition: form-data; name=\"";
    body += name;
    body += "\"\r\n\r\n";
    body += value;
  };
  field("loginname", login);
  field("password", password);
  field("filetype", "P");
  field("Submit", "Submit");
  body += "\r\n--" + std::string(kBoundary) + "--\r\n";
  return body;
}

}  // namespace tollbox
