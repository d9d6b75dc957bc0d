#pragma once
// The upload client's decisions, kept apart from its window and its network
// and process calls so they can be checked on their own: reading the
// configuration, the server list, choosing and naming the job, the account
// check's URL and answer, the multipart body of the upload.
#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tollbox {

// One server of the list: the name shown in the pop-up and the base URL it
// stands for. Kept together so that a skipped short name never puts the
// list and its URLs out of step.
struct Server {
  std::string name;
  std::string url;
  std::string line;  // the configuration line it came from ("name|url")
  std::size_t lineIndex = 0;  // where that line is in the configuration lines
};

// The configuration file: lines split at "\n"; a CR before a line end and a
// byte-order mark at the start of the file are no part of any line.
//   line 1: maximum job size in megabytes
//   line 2: a configuration-document URL when it begins with "http",
//           else the first server line
//   then:   server lines "name|url"
struct Configuration {
  std::vector<std::string> lines;
  std::optional<std::string> documentUrl;  // line 2 when it begins with "http"
  std::size_t firstServerLine = 2;
  // The job size limit in bytes; none when line 1 holds no positive number
  // (an unknown limit refuses nothing).
  std::optional<std::uint64_t> maxJobBytes;
  std::vector<Server> servers;
  // Enough lines to prepare a job (the limit and at least one more line).
  bool usable() const { return lines.size() >= 3; }
};

// The text without the byte-order marks at its start; a U+FEFF further on
// is text.
std::string_view WithoutByteOrderMark(std::string_view text);
// Lines at "\n", each without the CRs before its end.
std::vector<std::string> SplitLines(std::string_view text);
std::string JoinLines(const std::vector<std::string>& lines);
Configuration ParseConfiguration(std::string_view text);

// A server line "name|url": the name before the first "|", the URL the
// second field. Names shorter than three characters are not servers.
std::optional<Server> ParseServerLine(const std::string& line);

// The first control character (C0 or DEL) of text that is not one of
// allowed, named for a message ("the control character U+0000"); none when
// there is no such character. A value holding one is not what was meant to
// be written (a file cut short by a crash ends in NULs), and a URL holding
// one would be cut or refused on the way.
std::optional<std::string> ControlCharacterIn(std::string_view text, std::string_view allowed = {});

// The configuration document fetched from the web:
// {"message": "...", "servers": ["name|url", ...]}.
struct ConfigurationDocument {
  std::string message;
  std::vector<std::string> servers;  // the strings as given, in order
};
// None when the text is no JSON object.
std::optional<ConfigurationDocument> ParseConfigurationDocument(std::string_view text);
// A server string a document may write into the configuration file: a
// server line with a name of at least three characters, "|" and a URL, and
// no control character (a line end would make lines of its own).
bool IsWellFormedServerLine(std::string_view line);
// The configuration lines rewritten from a document: lines 0 to 2 kept (as
// read: without a CR at their end or a byte-order mark), then
// every well-formed server string of the document. None when the document
// brings no well-formed server string: the file's own servers then stay.
std::optional<std::vector<std::string>> RewriteConfiguration(const Configuration& current,
                                                             const ConfigurationDocument& doc);

// ---- the job ------------------------------------------------------------------

struct SpoolEntry {
  std::string name;
  std::time_t modified = 0;
  std::uint64_t size = 0;
  mode_t type = 0;  // the entry itself (a link is a link): st_mode & S_IFMT
  bool regular() const;
};
// The entries of the spool folder (links not followed), or none when it
// cannot be listed.
std::optional<std::vector<SpoolEntry>> ListSpoolFolder(const std::string& folder);
// A job's name: its extension is exactly "ps" (case-sensitive).
bool IsJobName(std::string_view name);
// What an entry is, for a log line: "a symbolic link", "a FIFO", ...
std::string_view EntryKind(const SpoolEntry& entry);
// The newest regular file with a job's name; a tie is broken by name so the
// choice does not depend on the folder's order.
std::optional<SpoolEntry> NewestJob(const std::vector<SpoolEntry>& entries);

// Which file a job is: a name can be given to another file meanwhile (a new
// job of the same title), or the file rewritten in place.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::int64_t modifiedNs = 0;
  bool operator==(const FileIdentity& other) const;
};

// A job opened for reading: a regular file, opened without following a link
// and without blocking on a FIFO. The descriptor closes with it.
class OpenedJob {
 public:
  OpenedJob(int fd, const FileIdentity& identity) : fd_(fd), identity_(identity) {}
  OpenedJob(OpenedJob&& other) noexcept;
  OpenedJob& operator=(OpenedJob&&) = delete;
  ~OpenedJob();
  int fd() const { return fd_; }
  const FileIdentity& identity() const { return identity_; }

 private:
  int fd_;
  FileIdentity identity_;
};
// None, with the reason, for anything but a regular file.
std::optional<OpenedJob> OpenJob(const std::string& path, std::string* why);

enum class Removal {
  kRemoved,
  kAlreadyGone,
  kReplaced,  // the name now stands for another file, which stays
  kFailed,
};
// Removes the file at path only while it is still the file identified.
Removal RemoveIfUnchanged(const std::string& path, const FileIdentity& identity, std::string* why);
bool IsTooLarge(std::uint64_t size, const std::optional<std::uint64_t>& maxJobBytes);

// "yyyyMMdd_HHmmss" in local time.
std::string TimeStamp(std::time_t when);
// A name holding "+" or a decimal digit of any script (General_Category
// Nd: full-width, Arabic-Indic, Devanagari...) is replaced by the time
// stamp; numbers that are no decimal digit (Roman numerals, superscripts)
// do not count.
std::string ConvertToUnicode(const std::string& name, std::time_t now);
// The title out of a spool file name "(Title).ps" (or "(Title).ps.gz"), as
// valid UTF-8: bytes of another encoding become U+FFFD, as the window
// shows them.
std::string DocumentName(const std::string& fileName, std::time_t now);

// The default-server file's text as the name it gives: without a
// byte-order mark in front and the white space and line ends around it.
// Empty (no server) when the name holds a control character.
std::string DefaultServerName(std::string_view text);

// "login|server" of the remembered-choice file; none unless exactly two
// parts, or when it holds a control character.
struct RememberedChoice {
  std::string login;
  std::string server;
};
std::optional<RememberedChoice> ParseRememberedChoice(std::string_view text);
// The text without the white space and line ends around it, white space as
// Unicode means it (U+3000, U+00A0, U+2028...). Bytes that are not UTF-8
// count as text.
std::string Trim(std::string_view text);

// ---- the server exchange --------------------------------------------------------

std::string PercentEncode(std::string_view text);
// <base>[/restfulservice]/IsUserExisted?username=..&password=.. (both encoded).
std::string AccountCheckUrl(const std::string& serverUrl, const std::string& login, const std::string& password);
// <base>[/restfulservice]/PrintClientFileUpload
std::string UploadUrl(const std::string& serverUrl);
// A URL as it may stand in a log: without its query, which carries the
// credentials of the account check.
std::string UrlForLog(const std::string& url);
bool IsPlainHttp(const std::string& url);
// Text for one log line: control characters (and bytes that are not UTF-8)
// as escapes, so a file name or a server's text can never start a line of
// its own; a backslash is doubled so an escape cannot be faked either.
std::string EscapeForLog(std::string_view text);

enum class AccountAnswer {
  kServerUnreachable,  // "Status":2
  kLoginTaken,         // "Result":3
  kHasPrintJob,        // "Result":1: confirm before uploading
  kProceed,            // none of them: upload at once
};
// The substrings are looked for in this order, in the raw text.
AccountAnswer ClassifyAccountAnswer(std::string_view answer);

inline constexpr std::string_view kBoundary = "-------TLBXUPLOADER";
// The multipart form of the upload: printfile, loginname, password,
// filetype "P", Submit, in that order. The boundary is kBoundary unless it
// occurs in one of the parts (a job's data, a login): then another one that
// occurs in none, so the form always reads as those five parts.
struct MultipartForm {
  std::string boundary;
  std::string body;
  std::string contentType() const;
};
MultipartForm MultipartBody(const std::string& documentName, std::string_view file, const std::string& login,
                            const std::string& password);

}  // namespace tollbox
