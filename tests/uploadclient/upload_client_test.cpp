// The upload client run as a program, against a loopback HTTPS server whose
// certificate is made for the test run and trusted only through
// SSL_CERT_FILE. Each test gets its own system root (ZQ_ROOT).
#include <httplib.h>
#include <sys/wait.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "../platform/test_support.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The gzip stream at the start of data, inflated; rest gets what follows it.
std::string Gunzip(const std::string& data, std::string* rest) {
  z_stream z{};
  if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) return {};
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  std::string out;
  char buf[4096];
  int rc = Z_OK;
  while (rc == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(buf);
    z.avail_out = sizeof buf;
    rc = inflate(&z, Z_NO_FLUSH);
    out.append(buf, sizeof buf - z.avail_out);
  }
  if (rest) *rest = rc == Z_STREAM_END ? data.substr(data.size() - z.avail_in) : "(no end)";
  inflateEnd(&z);
  return out;
}


struct ClientRun {
  int status = -1;
  std::string transcript;
  bool has(const std::string& text) const { return transcript.find(text) != std::string::npos; }
};

struct Part {
  std::string headers, content;
};

enum class UploadAnswer { kOk, kServerError, kDrop, kSlow };

class UploadClientTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    certDir_ = new zqtest::TempDir();
    cert_ = certDir_->path() + "/cert.pem";
    const std::string key = certDir_->path() + "/key.pem";
    const std::string cmd = "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=localhost"
                            " -addext subjectAltName=DNS:localhost,IP:127.0.0.1 -keyout " +
                            key + " -out " + cert_ + " 2>/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    server_ = new httplib::SSLServer(cert_.c_str(), key.c_str());
    server_->Get("/config.json", [](const httplib::Request&, httplib::Response& res) {
      std::lock_guard<std::mutex> lock(mutex_);
      ++requests_;
      res.set_content(document_, "application/json");
    });
    server_->Get(".*/IsUserExisted", [](const httplib::Request& req, httplib::Response& res) {
      std::lock_guard<std::mutex> lock(mutex_);
      ++requests_;
      checks_.push_back(req.path + "?" + req.get_param_value("username") + "|" + req.get_param_value("password"));
      if (onCheck_) onCheck_();
      res.status = checkStatus_;
      res.set_content(checkReply_, "application/json");
    });
    server_->Post(".*/PrintClientFileUpload", [](const httplib::Request& req, httplib::Response& res,
                                                 const httplib::ContentReader& reader) {
      // Every part of the form as the server's form reader gets it, in order.
      std::vector<Part> parts;
      const bool read = reader(
          [&](const httplib::MultipartFormData& header) {
            parts.push_back({"name=" + header.name + " filename=" + header.filename +
                                 " type=" + header.content_type,
                             {}});
            return true;
          },
          [&](const char* data, size_t length) {
            parts.back().content.append(data, length);
            return true;
          });
      UploadAnswer answer;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        ++requests_;
        uploads_.push_back(req.path);
        uploadParts_ = read ? parts : std::vector<Part>{};
        uploadType_ = req.get_header_value("Content-Type");
        answer = uploadAnswer_;
        if (onUpload_) onUpload_();
      }
      if (answer == UploadAnswer::kServerError) res.status = 500;
      if (answer == UploadAnswer::kSlow) std::this_thread::sleep_for(std::chrono::milliseconds(2500));
      if (answer == UploadAnswer::kDrop) {
        // A length promised and never delivered: the connection breaks.
        res.set_content_provider(100, "text/plain", [](size_t, size_t, httplib::DataSink&) { return false; });
        return;
      }
      res.set_content("{}", "application/json");
    });
    port_ = server_->bind_to_any_port("127.0.0.1");
    ASSERT_GT(port_, 0);
    thread_ = new std::thread([] { server_->listen_after_bind(); });
    for (int i = 0; i < 200 && !server_->is_running(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  static void TearDownTestSuite() {
    server_->stop();
    thread_->join();
    delete thread_;
    delete server_;
    delete certDir_;
  }

  void SetUp() override {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_ = 0;
    checks_.clear();
    uploads_.clear();
    uploadParts_.clear();
    checkStatus_ = 200;
    checkReply_ = "{\"Status\":0}";
    uploadAnswer_ = UploadAnswer::kOk;
    document_.clear();
    onCheck_ = onUpload_ = nullptr;
    root_ = std::make_unique<zqtest::TempDir>();
    spool_ = root_->path() + "/var/tollboxprintclient";
    fs::create_directories(spool_);
    Configure("x\n50\nMain Server|" + Url(""));
  }

  static std::string Url(const std::string& path) { return "https://localhost:" + std::to_string(port_) + path; }
  void Configure(const std::string& text) { root_->file("var/tlbx/tollboxprintclient.conf", text); }
  std::string Job(const std::string& name, const std::string& content) {
    return root_->file("var/tollboxprintclient/" + name, content);
  }
  bool InSpool(const std::string& name) const { return fs::exists(spool_ + "/" + name); }

  // Runs the client with the script; trusted: SSL_CERT_FILE names the
  // server's certificate.
  ClientRun RunClient(const std::string& script, bool trusted = true, const std::string& environment = "") {
    const std::string scriptPath = root_->file("script", script);
    const std::string err = root_->path() + "/transcript";
    std::string cmd = "env -u SSL_CERT_DIR ZQ_ROOT=" + root_->path() +
                      " ZQ_TOLLBOX_UPLOAD_TIMEOUT=1 ZQ_TOLLBOX_CONFIG_TIMEOUT=2 " + environment + " ";
    cmd += trusted ? "SSL_CERT_FILE=" + cert_ : "SSL_CERT_FILE=/nonexistent";
    cmd += " " TOLLBOX_CLIENT " --script " + scriptPath + " 2>" + err;
    ClientRun run;
    const int rc = std::system(cmd.c_str());
    run.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    run.transcript = Read(err);
    return run;
  }
  static std::string Submit(const std::string& login = "alice", const std::string& password = "secret") {
    return "type #login \"" + login + "\"\ntype #password \"" + password + "\"\nclick #submit\n";
  }

  static inline zqtest::TempDir* certDir_ = nullptr;
  static inline std::string cert_;
  static inline httplib::SSLServer* server_ = nullptr;
  static inline std::thread* thread_ = nullptr;
  static inline int port_ = 0;
  static inline std::mutex mutex_;
  static inline int requests_ = 0;
  static inline std::vector<std::string> checks_, uploads_;
  static inline std::vector<Part> uploadParts_;
  static inline std::string uploadType_, checkReply_, document_;
  static inline int checkStatus_ = 200;
  static inline UploadAnswer uploadAnswer_ = UploadAnswer::kOk;
  // Run by the server while it handles the check or the upload (under its lock).
  static inline std::function<void()> onCheck_, onUpload_;

  std::unique_ptr<zqtest::TempDir> root_;
  std::string spool_;
};

TEST_F(UploadClientTest, ConfigurationDocumentFillsTheListAndRewritesTheConfiguration) {
  document_ = R"({"message": "Welcome", "servers": ["First|)" + Url("/a") + R"(", "ab|https://short", "Second|)" +
              Url("/b/restfulservice") + R"("]})";
  Configure("x\n50\n" + Url("/config.json") + "\nOld|" + Url("/old"));
  Job("(Report).ps", "%!PS\n");
  const ClientRun run = RunClient("dump #server\ndump #message\nselect #server \"Second\"\n" + Submit() + "answer 0\n");
  EXPECT_EQ(run.status, 0) << run.transcript;
  EXPECT_TRUE(run.has("items=[\"First\", \"Second\"]")) << run.transcript;
  EXPECT_TRUE(run.has("Welcome")) << run.transcript;
  EXPECT_EQ(Read(root_->path() + "/var/tlbx/tollboxprintclient.conf"),
            "x\n50\n" + Url("/config.json") + "\nFirst|" + Url("/a") + "\nSecond|" + Url("/b/restfulservice"));
  EXPECT_EQ(Read(root_->path() + "/var/tlbx/tollboxclientmessage.conf"), "Welcome");
  // The chosen name's own URL, whatever short names the list skipped.
  std::lock_guard<std::mutex> lock(mutex_);
  ASSERT_EQ(checks_.size(), 1u);
  EXPECT_EQ(checks_[0].substr(0, checks_[0].find('?')), "/b/restfulservice/IsUserExisted");
}

TEST_F(UploadClientTest, AccountCheckAnswersDecideWhetherTheJobIsSent) {
  struct Case {
    int status;
    std::string reply, alert, answers;
    bool uploads;
  } cases[] = {
      {200, R"({"Status":2,"Result":1})", "alert: Unable to connect to remote server. | (Please provide another", "", false},
      {200, R"({"Status":0,"Result":3})", "alert: The login id has already existed.", "", false},
      {200, R"({"Status":0,"Result":1})", "alert: Current account already contains Print Job", "answer 1\n", false},
      {200, R"({"Status":0,"Result":1})", "alert: Current account already contains Print Job", "answer 0\n", true},
      {200, R"({"Status":0,"Result":0})", "app: terminate", "", true},
      {500, R"({"Status":0})", "alert: Unable to connect to remote server. | The server answered with HTTP status 500.", "",
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply + " " + c.answers);
    SetUp();
    checkStatus_ = c.status;
    checkReply_ = c.reply;
    Job("(Report).ps", "%!PS\n");
    const ClientRun run = RunClient(c.answers + Submit("J\xC3\xBCrgen & co", "p&w=?#"));
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_TRUE(run.has(c.alert)) << run.transcript;
    std::lock_guard<std::mutex> lock(mutex_);
    ASSERT_EQ(checks_.size(), 1u);
    // Encoded on the way, the credentials arrive whole, in UTF-8.
    EXPECT_EQ(checks_[0], "/restfulservice/IsUserExisted?J\xC3\xBCrgen & co|p&w=?#");
    EXPECT_EQ(uploads_.size(), c.uploads ? 1u : 0u);
    EXPECT_EQ(InSpool("(Report).ps"), !c.uploads) << "the job stays until a server took it";
    EXPECT_FALSE(run.has("p&w") || run.has("p%26w")) << "no credential in the log";
  }
}

TEST_F(UploadClientTest, AcceptedUploadSendsTheFormAndThenRemovesTheJob) {
  const std::string job = "%!PS-Adobe-3.0\n(hello) show showpage\n";
  Job("(Say \"hi\").ps", job);
  const ClientRun run = RunClient(Submit("Zo\xC3\xAB", "pa ss"));
  EXPECT_EQ(run.status, 0) << run.transcript;
  EXPECT_TRUE(run.has("app: terminate")) << run.transcript;
  EXPECT_FALSE(InSpool("(Say \"hi\").ps")) << run.transcript;
  EXPECT_FALSE(InSpool("(Say \"hi\").ps.gz"));
  EXPECT_EQ(Read(root_->path() + "/etc/tollboxprintclient.pref"), "Zo\xC3\xAB|Main Server");

  std::lock_guard<std::mutex> lock(mutex_);
  ASSERT_EQ(uploads_.size(), 1u);
  EXPECT_EQ(uploads_[0], "/restfulservice/PrintClientFileUpload");
  EXPECT_EQ(uploadType_, "multipart/form-data; boundary=-------TLBXUPLOADER");
  const auto& parts = uploadParts_;
  ASSERT_EQ(parts.size(), 5u);
  // A quote in the title cannot end the file name early.
  EXPECT_EQ(parts[0].headers, "name=printfile filename=Say %22hi%22 type=text/plain");
  std::string rest;
  EXPECT_EQ(Gunzip(parts[0].content, &rest), job);
  EXPECT_EQ(rest, "\r\n") << "the form's own line end follows the file";
  const std::pair<const char*, std::string> fields[] = {
      {"loginname", "Zo\xC3\xAB"}, {"password", "pa ss"}, {"filetype", "P"}, {"Submit", "Submit"}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(parts[i + 1].headers, std::string("name=") + fields[i].first + " filename= type=");
    EXPECT_EQ(parts[i + 1].content, fields[i].second);
  }
}

TEST_F(UploadClientTest, FailedUploadKeepsTheJobForTheNextRun) {
  for (UploadAnswer answer : {UploadAnswer::kServerError, UploadAnswer::kDrop, UploadAnswer::kSlow}) {
    SCOPED_TRACE(static_cast<int>(answer));
    SetUp();
    uploadAnswer_ = answer;
    Job("(Report).ps", "%!PS\n");
    const ClientRun run = RunClient(Submit() + "dump #progress\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_TRUE(run.has("alert: The job could not be uploaded.")) << run.transcript;
    // While the transfer runs the bar is shown and moving.
    EXPECT_TRUE(run.has("tag=17 enabled value=0 range=0..100 animating")) << run.transcript;
    EXPECT_TRUE(run.has("app: terminate")) << run.transcript;
    EXPECT_TRUE(InSpool("(Report).ps"));
    EXPECT_FALSE(InSpool("(Report).ps.gz"));
    // The next run finds the same job again.
    const ClientRun next = RunClient("dump #document\n");
    EXPECT_TRUE(next.has("value=\"Report\"")) << next.transcript;
  }
}

// After the confirmed upload failed, closing its alert must not send the
// job a second time.
TEST_F(UploadClientTest, ConfirmedUploadThatFailsIsSentOnce) {
  checkReply_ = R"({"Status":0,"Result":1})";
  uploadAnswer_ = UploadAnswer::kServerError;
  Job("(Report).ps", "%!PS\n");
  const ClientRun run = RunClient("answer 0\n" + Submit());
  EXPECT_EQ(run.status, 0) << run.transcript;
  EXPECT_TRUE(run.has("app: terminate")) << run.transcript;
  EXPECT_TRUE(InSpool("(Report).ps"));
  std::lock_guard<std::mutex> lock(mutex_);
  EXPECT_EQ(uploads_.size(), 1u);
}

TEST_F(UploadClientTest, UntrustedServerGetsNoCredential) {
  Job("(Report).ps", "%!PS\n");
  const ClientRun run = RunClient(Submit(), /*trusted=*/false);
  EXPECT_EQ(run.status, 0) << run.transcript;
  EXPECT_TRUE(run.has("alert: Unable to connect to remote server. | The server's certificate is not trusted."))
      << run.transcript;
  EXPECT_TRUE(InSpool("(Report).ps"));
  std::lock_guard<std::mutex> lock(mutex_);
  EXPECT_EQ(requests_, 0);
}

TEST_F(UploadClientTest, JobsThatCannotBeSentAreRefusedClearly) {
  struct Case {
    std::string configuration, job;
    bool spool;
    std::string expect;
    bool jobKept, submitEnabled;
  } cases[] = {
      {"", "(Report).ps", true, "No job can be sent: the configuration", true, false},
      {"x\n50", "(Report).ps", true, "has fewer than three lines", true, false},
      {"x\n50\nMain|https://localhost:1", "(Report).ps", false, "No Files Read.", false, false},
      {"x\n1\nMain|https://localhost:1", "(Big).ps", true, "alert: File too large, cant print.", false, false},
      // An unknown limit refuses nothing.
      {"x\nabc\nMain|https://localhost:1", "(Big).ps", true, "value=\"Big\"", true, true},
      {"x\n50\nMain|https://localhost:1", "(Report).PS", true, "I'm out of here", true, true},
      {"x\n50\nMain|https://localhost:1", "(Stuck).ps", true, "alert: The job could not be compressed.", true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.configuration + " " + c.job);
    SetUp();
    if (c.configuration.empty()) fs::remove(root_->path() + "/var/tlbx/tollboxprintclient.conf");
    else Configure(c.configuration);
    if (!c.spool) fs::remove_all(spool_);
    else Job(c.job, std::string(c.job == "(Big).ps" ? (1 << 20) + 10 : 10, 'x'));
    const bool quits = c.expect.find("I'm out") != std::string::npos || c.expect.find("too large") != std::string::npos;
    // gzip refuses an unknown option given through its environment.
    const ClientRun run =
        RunClient(quits ? "" : "dump #submit\ndump #document\n", true, c.job == "(Stuck).ps" ? "GZIP=--bogus" : "");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_TRUE(run.has(c.expect)) << run.transcript;
    if (c.spool) {
      EXPECT_EQ(InSpool(c.job), c.jobKept);
    }
    if (!quits) {
      EXPECT_EQ(run.has("Button #submit tag=18 enabled"), c.submitEnabled) << run.transcript;
    }
    EXPECT_EQ(run.has("app: terminate"), quits) << run.transcript;
  }
}

TEST_F(UploadClientTest, ScriptLeftWhenTheApplicationEndsIsAnError) {
  Job("(Report).ps", "%!PS\n");
  const ClientRun run = RunClient("click #cancel\n# only a comment\n");
  EXPECT_EQ(run.status, 0) << run.transcript;
  EXPECT_FALSE(InSpool("(Report).ps")) << "cancel gives the job up";
  Job("(Report).ps", "%!PS\n");
  const ClientRun late = RunClient("click #cancel\ndump #login\n");
  EXPECT_EQ(late.status, 2) << late.transcript;
  EXPECT_TRUE(late.has("line 2: the application has terminated")) << late.transcript;
}

// Configurations naming plain http servers keep working, with a warning.
TEST_F(UploadClientTest, PlainHttpServerStillWorksWithAWarning) {
  httplib::Server plain;
  int uploads = 0;
  plain.Get(".*/IsUserExisted", [](const httplib::Request&, httplib::Response& res) { res.set_content("{}", "text/plain"); });
  plain.Post(".*/PrintClientFileUpload", [&](const httplib::Request&, httplib::Response& res) {
    ++uploads;
    res.set_content("{}", "text/plain");
  });
  const int port = plain.bind_to_any_port("127.0.0.1");
  std::thread t([&] { plain.listen_after_bind(); });
  for (int i = 0; i < 200 && !plain.is_running(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  Configure("x\n50\nPlain|http://127.0.0.1:" + std::to_string(port));
  Job("(Report).ps", "%!PS\n");
  const ClientRun run = RunClient(Submit());
  plain.stop();
  t.join();
  EXPECT_EQ(uploads, 1) << run.transcript;
  EXPECT_FALSE(InSpool("(Report).ps"));
  EXPECT_TRUE(run.has("is plain http; the login and password go to it unprotected")) << run.transcript;
}

// A new job given the name of the one being handled (the same title printed
// again) is another file: the run that ends removes only its own job.
TEST_F(UploadClientTest, NewJobUnderTheSameNameIsNeverRemoved) {
  const std::string name = "(Quarterly report).ps";
  struct Case {
    std::string reply, script;
    bool duringCheck, inPlace;
  } cases[] = {
      {R"({"Status":0})", Submit(), false, false},  // spooled while the upload is in flight
      {R"({"Status":0})", Submit(), false, true},   // the file rewritten in place meanwhile
      {R"({"Status":0,"Result":1})", "answer 1\n" + Submit() + "click #cancel\n", true, false},  // then Cancel
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script + (c.inPlace ? " in place" : ""));
    SetUp();
    checkReply_ = c.reply;
    Job(name, "%!PS first\n");
    (c.duringCheck ? onCheck_ : onUpload_) = [&] {
      if (!c.inPlace) fs::remove(spool_ + "/" + name);
      Job(name, "%!PS second, newer job\n");
    };
    const ClientRun run = RunClient(c.script);
    EXPECT_TRUE(run.has("is another file now (a new job); it stays\napp: terminate")) << run.transcript;
    EXPECT_EQ(Read(spool_ + "/" + name), "%!PS second, newer job\n");
    std::lock_guard<std::mutex> lock(mutex_);
    if (!c.duringCheck) {
      EXPECT_EQ(Gunzip(uploadParts_.at(0).content, nullptr), "%!PS first\n");
    }
  }
}

// A spool name is the job's title and nothing more: it never adds form
// fields (gzip stored it raw), never writes a log line of its own and
// reaches the server as the UTF-8 the window shows.
TEST_F(UploadClientTest, HostileSpoolNamesStayInTheirPlace) {
  const std::string content = "%!PS\n(-------TLBXUPLOADER) show\n";
  const std::string cases[][3] = {  // spool name, what the window shows, the file name the server gets
      {"(x\r\n---------TLBXUPLOADER\r\nContent-Disposition: form-data; name=\"loginname\"\r\n\r\nmallory).ps", "", ""},
      {"(Report\nzq: FORGED LINE).ps", "Report\\nzq: FORGED LINE", "Report%0Azq: FORGED LINE"},
      {"(Caf\xE9 menu).ps", "Caf\xEF\xBF\xBD menu", "Caf\xEF\xBF\xBD menu"},
  };
  for (const auto& [job, shown, filename] : cases) {
    SCOPED_TRACE(job);
    SetUp();
    Job(job, content);
    const ClientRun run = RunClient("dump #document\n" + Submit());
    EXPECT_FALSE(run.has("\nzq: FORGED LINE")) << run.transcript;
    EXPECT_FALSE(InSpool(job)) << run.transcript;
    std::lock_guard<std::mutex> lock(mutex_);
    ASSERT_EQ(uploadParts_.size(), 5u) << run.transcript;
    EXPECT_EQ(uploadParts_[1].content, "alice");
    if (!filename.empty()) {
      EXPECT_TRUE(run.has("value=\"" + shown + "\"")) << run.transcript;
      EXPECT_EQ(uploadParts_[0].headers, "name=printfile filename=" + filename + " type=text/plain");
    }
    EXPECT_EQ(uploadParts_[0].content.at(3) & 0x08, 0) << "gzip stored a file name";
    EXPECT_EQ(Gunzip(uploadParts_[0].content, nullptr), content);
  }
}

// Only regular files are jobs: a link would send the file it points to, a
// FIFO would hang the run. Both are left as they are.
TEST_F(UploadClientTest, LinksAndFifosInTheSpoolAreLeftAlone) {
  const std::string secret = root_->file("private/secret.txt", "not for printing");
  Job("(Report).ps", "%!PS report\n");
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  fs::create_symlink(secret, spool_ + "/(Secret).ps");
  ASSERT_EQ(mkfifo((spool_ + "/(Pipe).ps").c_str(), 0600), 0);
  const ClientRun run = RunClient(Submit());
  EXPECT_TRUE(run.has("Left alone, " + spool_ + "/(Secret).ps is a symbolic link")) << run.transcript;
  EXPECT_TRUE(run.has("Left alone, " + spool_ + "/(Pipe).ps is a FIFO")) << run.transcript;
  EXPECT_TRUE(fs::is_symlink(spool_ + "/(Secret).ps") && fs::is_fifo(spool_ + "/(Pipe).ps"));
  EXPECT_EQ(Read(secret), "not for printing");
  std::lock_guard<std::mutex> lock(mutex_);
  EXPECT_EQ(Gunzip(uploadParts_.at(0).content, nullptr), "%!PS report\n");
}

// A document without a usable server line keeps the administrator's list.
TEST_F(UploadClientTest, ConfigurationDocumentWithoutServersKeepsTheList) {
  for (const char* doc : {R"({"message":"only a message"})", R"({"servers":"Evil|x"})", R"({"servers":[5,null,{"a":1}]})",
                          R"({"servers":["Evil|https://e\nBad|https://b"]})"}) {
    SCOPED_TRACE(doc);
    SetUp();
    document_ = doc;
    const std::string conf = "x\n50\n" + Url("/config.json") + "\nOld Server|" + Url("/old");
    Configure(conf);
    Job("(Report).ps", "%!PS\n");
    const ClientRun run = RunClient(Submit());
    EXPECT_TRUE(run.has("names no usable server")) << run.transcript;
    EXPECT_EQ(Read(root_->path() + "/var/tlbx/tollboxprintclient.conf"), conf);
    std::lock_guard<std::mutex> lock(mutex_);
    EXPECT_EQ(uploads_, std::vector<std::string>{"/old/restfulservice/PrintClientFileUpload"});
  }
}

// Blank in any script is blank: a login or password of ideographic,
// no-break or other Unicode spaces sends nothing and keeps the job. Text
// with such blanks around it is sent as typed, and the default server is
// found through them too.
TEST_F(UploadClientTest, UnicodeBlanksAreBlank) {
  struct Case {
    std::string login, password;
    bool sent;
  } cases[] = {
      {"\u3000\u3000", "\u00a0", false},
      {"alice", "\u2003\u2028", false},
      {"\u0085\u202f", "secret", false},
      {"\u3000alice", "pa\u00a0ss\u3000", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.login + "|" + c.password);
    SetUp();
    Configure("x\n50\nMain Server|" + Url("/main") + "\nSecond|" + Url("/second"));
    root_->file("var/tlbx/tollboxclientdefault.conf", "\u3000Second\u00a0\r\n");
    Job("(Report).ps", "%!PS\n");
    const ClientRun run = RunClient("dump #server\n" + Submit(c.login, c.password));
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_TRUE(run.has("selected=1 items=[\"Main Server\", \"Second\"]")) << run.transcript;
    EXPECT_EQ(InSpool("(Report).ps"), !c.sent) << run.transcript;
    EXPECT_EQ(fs::exists(root_->path() + "/etc/tollboxprintclient.pref"), c.sent);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!c.sent) {
      EXPECT_EQ(requests_, 0);
      continue;
    }
    EXPECT_EQ(checks_, std::vector<std::string>{"/second/restfulservice/IsUserExisted?" + c.login + "|" + c.password});
    ASSERT_EQ(uploadParts_.size(), 5u) << run.transcript;
    EXPECT_EQ(uploadParts_[1].content, c.login);
    EXPECT_EQ(uploadParts_[2].content, c.password);
  }
}

// A title holding decimal digits of any script is replaced by the time
// stamp, in the window and as the file name the server gets; other
// numbers are no digits.
TEST_F(UploadClientTest, TitleWithDigitsOfAnyScriptGetsTheTimeStamp) {
  const std::pair<std::string, bool> cases[] = {
      {"\u8acb\u6c42\u66f8\uff12\uff10\uff12\uff13", true},  // full-width digits
      {"\u8acb\u6c42\u66f8 \u216b", false},                  // a Roman numeral
  };
  for (const auto& [title, stamped] : cases) {
    SCOPED_TRACE(title);
    SetUp();
    Job("(" + title + ").ps", "%!PS\n");
    const ClientRun run = RunClient("dump #document\n" + Submit());
    std::smatch shown;
    ASSERT_TRUE(std::regex_search(run.transcript, shown, std::regex("#document.* value=\"([^\"]*)\""))) << run.transcript;
    EXPECT_TRUE(stamped ? std::regex_match(shown[1].str(), std::regex("\\d{8}_\\d{6}")) : shown[1] == title)
        << shown[1];
    std::lock_guard<std::mutex> lock(mutex_);
    ASSERT_EQ(uploadParts_.size(), 5u) << run.transcript;
    EXPECT_EQ(uploadParts_[0].headers, "name=printfile filename=" + shown[1].str() + " type=text/plain");
  }
}

// The configuration and default-server files as an editor saves them (CR
// LF, a byte-order mark in front) work, and a rewrite writes plain line
// ends; a URL that still cannot be used, and a folder in place of the
// configuration, are reported with the file to mend. A file cut short by a
// crash (NULs at its end) never sends the job where it does not belong.
TEST_F(UploadClientTest, ConfigurationFilesAsEditorsSaveThem) {
  const std::string bom = "\xEF\xBB\xBF", listed = "selected=1 items=[\"Main Server\", \"Second\"]",
                    second = "/second/restfulservice/PrintClientFileUpload", nuls(8, '\0'),
                    servers = "x\n50\nMain Server|" + Url("/main") + "\nSecond|" + Url("/second");
  const std::string cases[][4] = {  // configuration ("" a folder), transcript, upload, file afterwards
      {bom + "x\r\n50\r\nMain Server|" + Url("/main") + "\r\nSecond|" + Url("/second") + "\r\n", listed, second, ""},
      {bom + "x\r\n50\r\n" + Url("/config.json") + "\r\nOld|" + Url("/old") + "\r\n", listed, second,
       "x\n50\n" + Url("/config.json") + "\nMain Server|" + Url("/main") + "\nSecond|" + Url("/second")},
      {"x\n50\nMain Server|" + Url("/main") + "\t\n", "| The URL on line 3 of {conf} cannot be used: ", "", ""},
      {"", "No job can be sent: the configuration {conf} cannot be read.", "", ""},
      {servers + nuls, "| The URL on line 4 of {conf} cannot be used: it holds the control character U+0000.", "", ""},
      {servers + "\n" + nuls, listed, second, ""},
  };
  for (const auto& [configuration, expect, upload, rewritten] : cases) {
    SCOPED_TRACE(configuration);
    SetUp();
    document_ = R"({"servers": ["Main Server|)" + Url("/main") + R"(", "Second|)" + Url("/second") + R"("]})";
    const std::string conf = root_->path() + "/var/tlbx/tollboxprintclient.conf";
    fs::remove(conf);
    if (configuration.empty()) fs::create_directory(conf);
    else Configure(configuration);
    root_->file("var/tlbx/tollboxclientdefault.conf", bom + "Second\r\n");
    Job("(Report).ps", "%!PS\n");
    const ClientRun run = RunClient("dump #server\n" + Submit());
    EXPECT_TRUE(run.has(std::regex_replace(expect, std::regex("\\{conf\\}"), conf))) << run.transcript;
    if (!configuration.empty()) {
      EXPECT_EQ(Read(conf), rewritten.empty() ? configuration : rewritten);
    }
    EXPECT_EQ(InSpool("(Report).ps"), upload.empty());
    std::lock_guard<std::mutex> lock(mutex_);
    EXPECT_EQ(uploads_, upload.empty() ? std::vector<std::string>{} : std::vector<std::string>{upload});
    EXPECT_EQ(checks_.empty(), upload.empty()) << "no check of an account on a line that cannot be used";
  }
}

// The "Server URL..." window chooses no server: each Submit takes the URL
// of the server selected in the pop-up.
TEST_F(UploadClientTest, ServerUrlWindowLeavesTheUploadToThePopUpsServer) {
  Job("(Report).ps", "%!PS\n");
  const ClientRun run = RunClient("answer 0 \"" + Url("/elsewhere") + "\"\nclick #settings\n" + Submit());
  EXPECT_TRUE(run.has("alert: Input server url")) << run.transcript;
  std::lock_guard<std::mutex> lock(mutex_);
  EXPECT_EQ(uploads_, std::vector<std::string>{"/restfulservice/PrintClientFileUpload"});
}

}  // namespace
