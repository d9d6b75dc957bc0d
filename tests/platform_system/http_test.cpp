// HTTP against a TLS server on loopback whose certificate is made for the
// test run, so trust comes only from SSL_CERT_FILE.
#include <httplib.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "../platform/test_support.h"
#include "zqp/http.h"
#include "zqp/run_loop.h"

namespace {

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    if (value != nullptr) setenv(name, value->c_str(), 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (had_) setenv(name_, old_.c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

class HttpsServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    release_ = false;  // a suite run before (--gtest_repeat) released its slow answer
    dir_ = new zqtest::TempDir();
    cert_ = dir_->path() + "/cert.pem";
    key_ = dir_->path() + "/key.pem";
    const std::string cmd = "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=localhost"
                            " -addext subjectAltName=DNS:localhost,IP:127.0.0.1 -keyout " +
                            key_ + " -out " + cert_ + " 2>/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    server_ = new httplib::SSLServer(cert_.c_str(), key_.c_str());
    ASSERT_TRUE(server_->is_valid());
    server_->Get("/config", [](const httplib::Request&, httplib::Response& res) {
      res.set_header("X-Config", "v1");
      res.set_content("<config/>", "text/xml");
    });
    server_->Post("/upload", [](const httplib::Request& req, httplib::Response& res) {
      res.status = 201;
      res.set_content(req.get_header_value("X-Account") + ":" + std::to_string(req.body.size()) + ":" + req.body,
                      "text/plain");
    });
    server_->Get("/slow", [](const httplib::Request&, httplib::Response& res) {
      for (int i = 0; i < 40 && !release_.load(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
      res.set_content("late", "text/plain");
    });
    port_ = server_->bind_to_any_port("127.0.0.1");
    ASSERT_GT(port_, 0);
    thread_ = new std::thread([] { server_->listen_after_bind(); });
    for (int i = 0; i < 200 && !server_->is_running(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  static void TearDownTestSuite() {
    release_ = true;
    server_->stop();
    thread_->join();
    delete thread_;
    delete server_;
    delete dir_;
  }
  static std::string Url(const std::string& path) { return "https://localhost:" + std::to_string(port_) + path; }

  static inline zqtest::TempDir* dir_ = nullptr;
  static inline std::string cert_, key_;
  static inline httplib::SSLServer* server_ = nullptr;
  static inline std::thread* thread_ = nullptr;
  static inline int port_ = 0;
  static inline std::atomic<bool> release_{false};
};

TEST_F(HttpsServerTest, UntrustedCertificateIsRefusedAsACertificateError) {
  ScopedEnv file("SSL_CERT_FILE", nullptr);
  ScopedEnv dir("SSL_CERT_DIR", nullptr);
  const zqp::HttpResponse r = zqp::HttpGet(Url("/config"), 5);
  EXPECT_EQ(r.error, zqp::HttpError::kCertificate) << r.reason;
  EXPECT_FALSE(r.reason.empty());
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.body.empty());
}

TEST_F(HttpsServerTest, GetIsAcceptedWhenSslCertFileNamesTheServersCertificate) {
  ScopedEnv file("SSL_CERT_FILE", &cert_);
  const zqp::HttpResponse r = zqp::HttpGet(Url("/config"), 2);
  ASSERT_TRUE(r.ok()) << r.reason;
  EXPECT_EQ(r.status, 200);
  EXPECT_EQ(r.body, "<config/>");
  EXPECT_EQ(r.header("x-config"), "v1");
}

// Cut at the NUL the URL would still reach a page ("/config" here) and look
// answered; it is refused before anything is sent.
TEST_F(HttpsServerTest, UrlWithANulIsRefusedNotCut) {
  ScopedEnv file("SSL_CERT_FILE", &cert_);
  const zqp::HttpResponse r = zqp::HttpGet(Url("/config") + std::string("\0/elsewhere", 11), 2);
  EXPECT_EQ(r.error, zqp::HttpError::kBadUrl) << r.status;
  EXPECT_TRUE(r.body.empty());
}

TEST_F(HttpsServerTest, SlowAnswerIsReportedAsATimeout) {
  ScopedEnv file("SSL_CERT_FILE", &cert_);
  const auto start = std::chrono::steady_clock::now();
  const zqp::HttpResponse r = zqp::HttpGet(Url("/slow"), 1);
  EXPECT_EQ(r.error, zqp::HttpError::kTimeout) << r.reason;
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST_F(HttpsServerTest, AsyncPostDeliversOnTheMainLoopWhileTimersKeepRunning) {
  ScopedEnv file("SSL_CERT_FILE", &cert_);
  zqp::HttpRequest request;
  request.method = "POST";
  request.url = Url("/upload");
  request.headers = {{"X-Account", "alice"}, {"Content-Type", "application/octet-stream"}};
  request.body = std::string("a\0b", 3);
  request.timeoutSeconds = 7200;

  zqp::RunLoop& loop = zqp::RunLoop::Main();
  const auto mainThread = std::this_thread::get_id();
  int ticks = 0;
  const auto timer = loop.addTimer(0.001, true, [&] { ++ticks; });
  bool done = false;
  zqp::HttpResponse got;
  auto transfer = zqp::HttpTransfer::Start(request, [&](const zqp::HttpResponse& r) {
    EXPECT_EQ(std::this_thread::get_id(), mainThread);
    got = r;
    done = true;
  });
  ASSERT_TRUE(loop.runUntil([&] { return done; }, 10));
  loop.cancelTimer(timer);
  ASSERT_TRUE(got.ok()) << got.reason;
  EXPECT_EQ(got.status, 201);
  EXPECT_EQ(got.body, std::string("alice:3:a\0b", 11));
  EXPECT_TRUE(transfer->finished());
  EXPECT_GT(ticks, 0);
}

TEST_F(HttpsServerTest, CancelledTransferNeverCallsItsCompletion) {
  ScopedEnv file("SSL_CERT_FILE", &cert_);
  bool called = false;
  {
    zqp::HttpRequest request;
    request.url = Url("/slow");
    auto transfer = zqp::HttpTransfer::Start(request, [&](const zqp::HttpResponse&) { called = true; });
  }  // destroyed mid-transfer
  zqp::RunLoop::Main().runUntil(nullptr, 0.2);
  EXPECT_FALSE(called);
}

}  // namespace
