#include "upload_core.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace tollbox {
namespace {

// 2024-01-31 15:45:00 UTC
constexpr std::time_t kNow = 1706715900;

class UploadCore : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
  }
};

TEST_F(UploadCore, ConfigurationLimitAndServers) {
  auto c = ParseConfiguration("head\n50\nAlpha|https://a.example\nxy|https://short.example\nBeta|https://b.example\n");
  ASSERT_TRUE(c.maxJobBytes);
  EXPECT_EQ(*c.maxJobBytes, 52428800u);
  EXPECT_TRUE(IsTooLarge(52428800u, c.maxJobBytes));
  EXPECT_FALSE(IsTooLarge(52428799u, c.maxJobBytes));
  EXPECT_FALSE(c.documentUrl);
  EXPECT_EQ(c.firstServerLine, 2u);
  // The two-character name and the empty last line are no servers; each
  // name keeps its own URL even though a line was skipped between them.
  ASSERT_EQ(c.servers.size(), 2u);
  EXPECT_EQ(c.servers[1].name, "Beta");
  EXPECT_EQ(c.servers[1].url, "https://b.example");
}

TEST_F(UploadCore, UnknownLimitRefusesNothing) {
  for (const char* line : {"", "0", "-3", "many", "99999999999999999999"}) {
    auto c = ParseConfiguration(std::string("head\n") + line + "\nAlpha|https://a.example");
    EXPECT_FALSE(c.maxJobBytes) << line;
    EXPECT_FALSE(IsTooLarge(UINT64_MAX, c.maxJobBytes)) << line;
  }
  EXPECT_FALSE(ParseConfiguration("only\ntwo").usable());
}

TEST_F(UploadCore, ConfigurationDocumentRewritesServerLines) {
  auto c = ParseConfiguration("head\n10\nhttps://conf.example/doc.json\nOld|https://old.example");
  ASSERT_TRUE(c.documentUrl);
  EXPECT_EQ(c.firstServerLine, 3u);
  auto doc = ParseConfigurationDocument(
      R"({"message":"Hello","servers":["North|https://n.example","ab|https://x.example",7,"South|https://s.example"]})");
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->message, "Hello");
  auto lines = RewriteConfiguration(c, *doc);
  ASSERT_TRUE(lines);
  EXPECT_EQ(JoinLines(*lines),
            "head\n10\nhttps://conf.example/doc.json\nNorth|https://n.example\nSouth|https://s.example");
  auto again = ParseConfiguration(JoinLines(*lines));
  ASSERT_EQ(again.servers.size(), 2u);
  EXPECT_EQ(again.servers[0].name, "North");

  for (const char* bad : {"", "[1,2]", "\"text\"", "{broken", "<html>"})
    EXPECT_FALSE(ParseConfigurationDocument(bad)) << bad;
}

TEST_F(UploadCore, DocumentNames) {
  struct Case {
    const char* file;
    const char* name;
  } cases[] = {
      {"(Quarterly report).ps.gz", "Quarterly report"},
      {"/var/spool/(Quarterly report).ps.gz", "Quarterly report"},
      {"(Invoice 2023).ps.gz", "20240131_154500"},  // digits give a time stamp
      {"(A+B).ps.gz", "20240131_154500"},
      {"().ps.gz", "20240131_154500"},  // nothing left
      {"(Notes (draft)).ps.gz", "Notes (draft)"},  // cut before the last ")"
      {"report.ps.gz", "report"},  // no parentheses: the extensions go
      {"REPORT.PS.GZ", "REPORT"},
      {"(Caf\xC3\xA9 menu).ps.gz", "Caf\xC3\xA9 menu"},
      {"(Quarterly report).ps", "Quarterly report"},
      // Not UTF-8 (Latin-1): what the window shows, U+FFFD for each bad byte.
      {"(Caf\xE9 menu).ps", "Caf\xEF\xBF\xBD menu"},
      {"(\u8acb\u6c42\u66f8\uff12\uff10\uff12\uff13).ps.gz", "20240131_154500"},  // full-width digits
  };
  for (const auto& c : cases) EXPECT_EQ(DocumentName(c.file, kNow), c.name) << c.file;
}

// "[\d+]" with \d any decimal digit (General_Category Nd), whatever the
// script; other kinds of number are no digits.
TEST_F(UploadCore, DecimalDigitsOfEveryScriptGiveTheTimeStamp) {
  const std::pair<const char*, bool> cases[] = {
      {"Invoice 2023", true},
      {"\u8acb\u6c42\u66f8\uff12\uff10\uff12\uff13", true},         // full-width
      {"\u0641\u0627\u062a\u0648\u0631\u0629 \u0662\u0660", true},  // Arabic-Indic
      {"Report \u06f3", true},                                      // Extended Arabic-Indic
      {"\u091a\u093e\u0932\u093e\u0928 \u0968\u0966", true},        // Devanagari
      {"Set \U0001D7D8", true},  // a mathematical digit, outside the BMP
      {"A+B", true},
      {"Chapter \u216b", false},  // Roman numeral twelve, a letter number
      {"Area m\u00b2", false},    // superscript two
      {"Step \u2460", false},     // circled one
      {"Quarterly report", false},
      {"\u8acb\u6c42\u66f8", false},
      {"Caf\xE9 \xEF\xBC menu", false},  // not UTF-8, among it a cut-off full-width digit
  };
  for (const auto& [name, stamped] : cases)
    EXPECT_EQ(ConvertToUnicode(name, kNow), stamped ? "20240131_154500" : name) << name;
}

// The login and password of a submit and the default-server file are
// trimmed of white space and line ends as Unicode knows them; bytes that
// are not UTF-8 are text, never blank, and never cut apart.
TEST_F(UploadCore, TrimsUnicodeWhiteSpace) {
  const std::pair<std::string, std::string> cases[] = {
      {"  alice\r\n", "alice"},
      {"\u3000\u3000", ""},            // ideographic spaces, an input method's blank
      {"\u00a0", ""},                  // no-break space
      {"\u2000\u2005\u200a\t", ""},    // the typographic spaces
      {"\u2028\u2029\u0085\f\v", ""},  // line and paragraph separators, next line
      {"\u202f\u205f\u1680", ""},
      {"\u3000\u5c71\u7530\u3000\u592a\u90ce\u00a0\n", "\u5c71\u7530\u3000\u592a\u90ce"},  // blanks inside stay
      {"\u00a0Main Server\u2029\r\n", "Main Server"},
      {"\u200bx", "\u200bx"},  // a zero-width space is no white space
      {"\xFF", "\xFF"},
      {"\u3000\xE3\x80", "\xE3\x80"},  // a cut-off U+3000 is no blank
      {"\xA0 pw \xC2", "\xA0 pw \xC2"},
  };
  for (const auto& [text, trimmed] : cases) EXPECT_EQ(Trim(text), trimmed) << text;
}

// The configuration and default-server files as editors save them: the CR
// of a CR LF and a byte-order mark at the start are no part of a value; a
// U+FEFF anywhere else, or a CR inside a line, is text.
TEST_F(UploadCore, FilesWithCrLfAndByteOrderMark) {
  const std::string bom = "\xEF\xBB\xBF";
  const std::pair<std::string, std::vector<std::string>> configurations[] = {
      {"x\r\n50\r\nMain|https://m\r\n", {"x", "50", "Main|https://m", ""}},
      {"x\n50\nMain|https://m\r\r\n", {"x", "50", "Main|https://m", ""}},  // the last line, converted twice
      {bom + "x\n50\nMain|https://m", {"x", "50", "Main|https://m"}},
      {bom + "x\r\n50\r\nMain|https://m\r", {"x", "50", "Main|https://m"}},
      {"x\n50\nMain|https://m\n" + bom + "A\rB|https://s", {"x", "50", "Main|https://m", bom + "A\rB|https://s"}},
  };
  for (const auto& [text, lines] : configurations) {
    const Configuration c = ParseConfiguration(text);
    EXPECT_EQ(c.lines, lines) << text;
    EXPECT_EQ(c.maxJobBytes, std::optional<std::uint64_t>(50u << 20)) << text;
    EXPECT_EQ(c.servers.at(0).url, "https://m") << text;
  }
  const std::pair<std::string, std::string> defaults[] = {
      {bom + "Second\r\n", "Second"}, {"Sec" + bom + "ond", "Sec" + bom + "ond"}, {" " + bom + "Second", bom + "Second"},
      {std::string("Second\0\0", 8), ""}};  // cut short by a crash: names no server
  for (const auto& [text, name] : defaults) EXPECT_EQ(DefaultServerName(text), name) << text;
}

TEST_F(UploadCore, NewestJobByDateWithExactExtension) {
  namespace fs = std::filesystem;
  auto dir = fs::temp_directory_path() / ("tollbox-spool-" + std::to_string(getpid()));
  fs::create_directories(dir);
  auto make = [&](const char* name, std::time_t when) {
    std::ofstream(dir / name) << "%!PS\n";
    utimbuf t{when, when};
    utime((dir / name).c_str(), &t);
  };
  make("(Old).ps", kNow - 100);
  make("(New).ps", kNow);
  make("(Newer).PS", kNow + 50);       // upper-case extension is not a job
  make("(Newest).ps.gz", kNow + 100);  // a compressed leftover is not a job
  fs::create_directories(dir / "folder.ps");
  auto entries = ListSpoolFolder(dir.string());
  ASSERT_TRUE(entries);
  auto job = NewestJob(*entries);
  ASSERT_TRUE(job);
  EXPECT_EQ(job->name, "(New).ps");
  fs::remove_all(dir);
  EXPECT_FALSE(ListSpoolFolder(dir.string()));
  EXPECT_FALSE(NewestJob({}));
}

TEST_F(UploadCore, RememberedChoice) {
  auto r = ParseRememberedChoice("alice|North");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->login, "alice");
  EXPECT_EQ(r->server, "North");
  EXPECT_FALSE(ParseRememberedChoice("alice|North|extra"));
  EXPECT_FALSE(ParseRememberedChoice("alice"));
  EXPECT_EQ(ParseRememberedChoice("alice|North\r\n")->server, "North");
  EXPECT_FALSE(ParseRememberedChoice(std::string("ali\0\0|North", 12))) << "a login cut short is never sent";
}

TEST_F(UploadCore, AccountCheckAndUploadUrls) {
  EXPECT_EQ(AccountCheckUrl("https://s.example", "al ice", "p&w=d%"),
            "https://s.example/restfulservice/IsUserExisted?username=al%20ice&password=p%26w%3Dd%25");
  EXPECT_EQ(AccountCheckUrl("https://s.example/restfulservice", "j\xC3\xBCrg", "x"),
            "https://s.example/restfulservice/IsUserExisted?username=j%C3%BCrg&password=x");
  EXPECT_EQ(UploadUrl("https://s.example/app/restfulservice"),
            "https://s.example/app/restfulservice/PrintClientFileUpload");
  EXPECT_EQ(UploadUrl("https://s.example"), "https://s.example/restfulservice/PrintClientFileUpload");
  // Logs never carry the credentials.
  EXPECT_EQ(UrlForLog(AccountCheckUrl("https://s.example", "alice", "secret")),
            "https://s.example/restfulservice/IsUserExisted");
  EXPECT_EQ(UrlForLog("https://bob:pw@s.example/x?y"), "https://s.example/x");
  EXPECT_TRUE(IsPlainHttp("HTTP://s.example"));
  EXPECT_FALSE(IsPlainHttp("https://s.example"));
}

TEST_F(UploadCore, AccountAnswersInOrder) {
  EXPECT_EQ(ClassifyAccountAnswer(R"({"Status":2,"Result":1})"), AccountAnswer::kServerUnreachable);
  EXPECT_EQ(ClassifyAccountAnswer(R"({"Status":0,"Result":3})"), AccountAnswer::kLoginTaken);
  EXPECT_EQ(ClassifyAccountAnswer(R"({"Status":0,"Result":1})"), AccountAnswer::kHasPrintJob);
  EXPECT_EQ(ClassifyAccountAnswer(R"({"Status":0,"Result":0})"), AccountAnswer::kProceed);
  // With a space after the colon it is not the member the server writes.
  EXPECT_EQ(ClassifyAccountAnswer(R"({"Result": 1})"), AccountAnswer::kProceed);
}

TEST_F(UploadCore, MultipartBodyHasFivePartsInOrder) {
  std::string file("\x1f\x8b\x08\x00gz\r\n--data", 15);
  const auto form = MultipartBody("Report \"final\"\r\nX", file, "alice", "s\xC3\xA9" "cret");
  const std::string& body = form.body;
  const std::string b = "\r\n---------TLBXUPLOADER\r\n";
  std::string expected = b +
                         "Content-Disposition: form-data; name=\"printfile\"; filename=\"Report %22final%22%0D%0AX\"\r\n"
                         "Content-Type: text/plain\r\n\r\n" +
                         file + "\r\n" + b + "Content-Disposition: form-data; name=\"loginname\"\r\n\r\nalice" + b +
                         "Content-Disposition: form-data; name=\"password\"\r\n\r\ns\xC3\xA9" "cret" + b +
                         "Content-Disposition: form-data; name=\"filetype\"\r\n\r\nP" + b +
                         "Content-Disposition: form-data; name=\"Submit\"\r\n\r\nSubmit"
                         "\r\n---------TLBXUPLOADER--\r\n";
  EXPECT_EQ(body, expected);
  EXPECT_EQ(form.contentType(), "multipart/form-data; boundary=-------TLBXUPLOADER");
}

// Whatever a part holds, the form reads back as the same five parts: a
// boundary that occurs in any of them is replaced by one that does not.
TEST_F(UploadCore, MultipartBoundaryOccursInNoPart) {
  const std::string b(kBoundary), injected = "x\r\n--" + b + "\r\nContent-Disposition: form-data; name=\"loginname\"";
  const std::vector<std::string> cases[] = {
      {"Report", injected, "alice", "pw"}, {injected, "data", "alice", "pw"}, {"Report", "data", "al--" + b, "pw"}};
  for (const auto& c : cases) {
    const auto form = MultipartBody(c[0], c[1], c[2], c[3]);
    EXPECT_NE(form.boundary, b);
    EXPECT_EQ(form.contentType(), "multipart/form-data; boundary=" + form.boundary);
    // Exactly the five parts' delimiters and the closing one, each content whole.
    const std::string delimiter = "\r\n--" + form.boundary;
    std::vector<std::string> pieces;
    for (std::size_t at = 0, next = 0; next != std::string::npos; at = next + delimiter.size()) {
      next = form.body.find(delimiter, at);
      pieces.push_back(form.body.substr(at, next == std::string::npos ? next : next - at));
    }
    ASSERT_EQ(pieces.size(), 7u) << form.boundary;
    EXPECT_EQ(pieces[6], "--\r\n");
    const std::string contents[] = {c[1] + "\r\n", c[2], c[3], "P", "Submit"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(pieces[i + 1].substr(pieces[i + 1].find("\r\n\r\n") + 4), contents[i]);
  }
}

TEST_F(UploadCore, LogTextCannotStartALine) {
  const std::pair<std::string, std::string> cases[] = {
      {"/spool/(a\nzq: FORGED LINE).ps", "/spool/(a\\nzq: FORGED LINE).ps"},
      {"cr\r tab\t esc\x1b del\x7f", "cr\\r tab\\t esc\\x1B del\\x7F"},
      {"not \\n a line end", "not \\\\n a line end"},
      {"Caf\xC3\xA9 \xE9 \xC2\x85", "Caf\xC3\xA9 \\xE9 \\xC2\\x85"},  // UTF-8 kept; a bad byte and NEL escaped
  };
  for (const auto& [text, logged] : cases) EXPECT_EQ(EscapeForLog(text), logged) << text;
}

}  // namespace
}  // namespace tollbox
