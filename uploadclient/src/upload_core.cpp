#include "upload_core.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <limits>
#include <random>

#include <nlohmann/json.hpp>
#include <unicode/uchar.h>

#include "zqp/utf8.h"

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

std::string_view WithoutByteOrderMark(std::string_view text) {
  // Some editors put the mark in front of every UTF-8 file they save; a
  // converter run twice leaves two.
  static constexpr std::string_view kMark = "\xEF\xBB\xBF";
  while (StartsWith(text, kMark)) text.remove_prefix(kMark.size());
  return text;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    auto end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    // An editor's CR LF: the CR belongs to the line end, not to the value
    // (a URL ending in it is no URL). A CR inside a line stays.
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
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
  // White space is Unicode's (ICU's White_Space): an input method's
  // ideographic space or a no-break space is as blank as a space. A byte
  // that is not UTF-8 is no white space, so a cut never falls inside a
  // character and such text is never taken for blank.
  std::size_t first = std::string_view::npos, end = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    char32_t cp = 0;
    if (!zqp::NextCodePoint(text, pos, cp)) ++pos;
    else if (u_isUWhiteSpace(static_cast<UChar32>(cp))) continue;
    if (first == std::string_view::npos) first = start;
    end = pos;
  }
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first, end - first));
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
  return Server{name, url, line, 0};
}

Configuration ParseConfiguration(std::string_view text) {
  Configuration config;
  config.lines = SplitLines(WithoutByteOrderMark(text));
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
  for (std::size_t i = config.firstServerLine; i < config.lines.size(); ++i) {
    // A file cut short by a crash may end in a run of NULs: such a line is
    // as empty as the last line of a file, no server.
    const std::string& line = config.lines[i];
    if (line.find_first_not_of('\0') == std::string::npos) continue;
    if (auto server = ParseServerLine(line)) {
      server->lineIndex = i;
      config.servers.push_back(*server);
    }
  }
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

std::optional<std::string> ControlCharacterIn(std::string_view text, std::string_view allowed) {
  for (unsigned char c : text) {
    if ((c < 0x20 || c == 0x7F) && allowed.find(static_cast<char>(c)) == std::string_view::npos) {
      static const char* hex = "0123456789ABCDEF";
      return std::string("the control character U+00") + hex[c >> 4] + hex[c & 15];
    }
  }
  return std::nullopt;
}

bool IsWellFormedServerLine(std::string_view line) {
  if (ControlCharacterIn(line)) return false;
  const auto server = ParseServerLine(std::string(line));
  return server && line.find('|') != std::string_view::npos && !server->url.empty();
}

std::optional<std::vector<std::string>> RewriteConfiguration(const Configuration& current,
                                                             const ConfigurationDocument& doc) {
  std::vector<std::string> lines(current.lines.begin(),
                                 current.lines.begin() + std::min<std::size_t>(3, current.lines.size()));
  for (const auto& line : doc.servers)
    if (IsWellFormedServerLine(line)) lines.push_back(line);
  if (lines.size() <= std::min<std::size_t>(3, current.lines.size())) return std::nullopt;
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
    if (lstat((folder + "/" + name).c_str(), &st) != 0) continue;
    entries.push_back({name, st.st_mtime, static_cast<std::uint64_t>(st.st_size), st.st_mode & S_IFMT});
  }
  closedir(dir);
  return entries;
}

bool SpoolEntry::regular() const { return S_ISREG(type); }

bool IsJobName(std::string_view name) { return Extension(name) == "ps"; }

std::string_view EntryKind(const SpoolEntry& entry) {
  switch (entry.type) {
    case S_IFREG: return "a regular file";
    case S_IFLNK: return "a symbolic link";
    case S_IFIFO: return "a FIFO";
    case S_IFDIR: return "a folder";
    case S_IFSOCK: return "a socket";
    case S_IFCHR:
    case S_IFBLK: return "a device";
  }
  return "not a regular file";
}

std::optional<SpoolEntry> NewestJob(const std::vector<SpoolEntry>& entries) {
  std::optional<SpoolEntry> best;
  for (const auto& e : entries) {
    if (!e.regular() || !IsJobName(e.name)) continue;
    if (!best || e.modified > best->modified || (e.modified == best->modified && e.name < best->name)) best = e;
  }
  return best;
}

namespace {
FileIdentity IdentityOf(const struct stat& st) {
  return {st.st_dev, st.st_ino, st.st_size,
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}
}  // namespace

bool FileIdentity::operator==(const FileIdentity& o) const {
  return device == o.device && inode == o.inode && size == o.size && modifiedNs == o.modifiedNs;
}

OpenedJob::OpenedJob(OpenedJob&& other) noexcept : fd_(other.fd_), identity_(other.identity_) { other.fd_ = -1; }

OpenedJob::~OpenedJob() {
  if (fd_ >= 0) close(fd_);
}

std::optional<OpenedJob> OpenJob(const std::string& path, std::string* why) {
  const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (why) *why = errno == ELOOP ? "it is a symbolic link" : std::strerror(errno);
    return std::nullopt;
  }
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (why) *why = "it is not a regular file";
    close(fd);
    return std::nullopt;
  }
  return OpenedJob(fd, IdentityOf(st));
}

Removal RemoveIfUnchanged(const std::string& path, const FileIdentity& identity, std::string* why) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return Removal::kAlreadyGone;
    if (why) *why = std::strerror(errno);
    return Removal::kFailed;
  }
  if (!S_ISREG(st.st_mode) || !(IdentityOf(st) == identity)) return Removal::kReplaced;
  if (unlink(path.c_str()) != 0) {
    if (why) *why = std::strerror(errno);
    return errno == ENOENT ? Removal::kAlreadyGone : Removal::kFailed;
  }
  return Removal::kRemoved;
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

namespace {
bool HoldsDigitOrPlus(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    char32_t cp = 0;
    if (!zqp::NextCodePoint(text, pos, cp)) {
      ++pos;  // a byte that is not UTF-8 is no digit
      continue;
    }
    if (cp == '+' || u_charType(static_cast<UChar32>(cp)) == U_DECIMAL_DIGIT_NUMBER) return true;
  }
  return false;
}
}  // namespace

std::string ConvertToUnicode(const std::string& name, std::time_t now) {
  return HoldsDigitOrPlus(name) ? TimeStamp(now) : name;
}

std::string DocumentName(const std::string& fileName, std::time_t now) {
  std::string name =
      zqp::RepairedUtf8(fileName.substr(fileName.rfind('/') == std::string::npos ? 0 : fileName.rfind('/') + 1));
  // A name without ")" is taken whole: it is a file name of another kind,
  // not a title in parentheses.
  if (auto close = name.rfind(')'); close != std::string::npos) name.resize(close);
  if (!name.empty() && name.front() == '(') name.erase(0, 1);
  for (std::string_view ext : {"gz", "ps"})
    if (EqualsNoCase(Extension(name), ext)) name.resize(name.size() - ext.size() - 1);
  name = ConvertToUnicode(name, now);
  return name.empty() ? TimeStamp(now) : name;
}

std::string DefaultServerName(std::string_view text) {
  std::string name = Trim(WithoutByteOrderMark(text));
  return ControlCharacterIn(name) ? std::string() : name;
}

std::optional<RememberedChoice> ParseRememberedChoice(std::string_view text) {
  // The client writes the line without an end; an editor may add one.
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  // A login cut short and padded with NULs must not be sent, nor stored again.
  if (ControlCharacterIn(text)) return std::nullopt;
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

std::string EscapeForLog(std::string_view text) {
  static const char* hex = "0123456789ABCDEF";
  auto escapeByte = [](std::string& out, unsigned char c) {
    switch (c) {
      case '\n': out += "\\n"; return;
      case '\r': out += "\\r"; return;
      case '\t': out += "\\t"; return;
      default:
        out += "\\x";
        out += hex[c >> 4];
        out += hex[c & 15];
    }
  };
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    char32_t cp = 0;
    if (!zqp::NextCodePoint(text, pos, cp)) {
      escapeByte(out, static_cast<unsigned char>(text[pos++]));
    } else if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0)) {
      for (std::size_t i = start; i < pos; ++i) escapeByte(out, static_cast<unsigned char>(text[i]));
    } else if (cp == '\\') {
      out += "\\\\";
    } else {
      out.append(text.substr(start, pos - start));
    }
  }
  return out;
}

AccountAnswer ClassifyAccountAnswer(std::string_view answer) {
  if (answer.find("\"Status\":2") != std::string_view::npos) return AccountAnswer::kServerUnreachable;
  if (answer.find("\"Result\":3") != std::string_view::npos) return AccountAnswer::kLoginTaken;
  if (answer.find("\"Result\":1") != std::string_view::npos) return AccountAnswer::kHasPrintJob;
  return AccountAnswer::kProceed;
}

std::string MultipartForm::contentType() const { return "multipart/form-data; boundary=" + boundary; }

MultipartForm MultipartBody(const std::string& documentName, std::string_view file, const std::string& login,
                            const std::string& password) {
  // Each part: its headers (ending in the empty line) and its content.
  const std::string fileHeaders = "Content-Disposition: form-data; name=\"printfile\"; filename=\"" +
                                  QuotedFormValue(documentName) + "\"\r\nContent-Type: text/plain\r\n\r\n";
  auto fieldHeaders = [](const char* name) {
    return "Content-Disposition: form-data; name=\"" + std::string(name) + "\"\r\n\r\n";
  };
  const std::pair<std::string, std::string_view> parts[] = {
      {fileHeaders, file},
      {fieldHeaders("loginname"), login},
      {fieldHeaders("password"), password},
      {fieldHeaders("filetype"), "P"},
      {fieldHeaders("Submit"), "Submit"},
  };
  auto occurs = [&](const std::string& boundary) {
    return std::any_of(std::begin(parts), std::end(parts), [&](const auto& part) {
      return part.first.find(boundary) != std::string::npos || part.second.find(boundary) != std::string_view::npos;
    });
  };
  MultipartForm form{std::string(kBoundary), {}};
  if (occurs(form.boundary)) {
    std::mt19937_64 random(std::random_device{}());
    static const char* hex = "0123456789abcdef";
    do {
      form.boundary = std::string(kBoundary) + "-";
      for (std::uint64_t r = random(), i = 0; i < 16; ++i, r >>= 4) form.boundary += hex[r & 15];
    } while (occurs(form.boundary));
  }

  std::string& body = form.body;
  std::size_t size = 64 + 4 * form.boundary.size();
  for (const auto& part : parts) size += form.boundary.size() + 6 + part.first.size() + part.second.size();
  body.reserve(size);
  for (std::size_t i = 0; i < std::size(parts); ++i) {
    body += "\r\n--" + form.boundary + "\r\n";
    body += parts[i].first;
    body.append(parts[i].second.data(), parts[i].second.size());
    // The file part keeps the form's own line end after its data.
    if (i == 0) body += "\r\n";
  }
  body += "\r\n--" + form.boundary + "--\r\n";
  return form;
}

}  // namespace tollbox
