#pragma once
// HTTP on libcurl. Certificates are always verified: against the system's
// trust store, or the one SSL_CERT_FILE (a file) or SSL_CERT_DIR (a hashed
// folder) names. There is no switch that turns verification off.
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "zqp/export.h"

namespace zqp {

using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

struct HttpRequest {
  std::string method = "GET";
  std::string url;
  HttpHeaders headers;
  std::string body;          // sent as is when not empty (or when method is POST/PUT)
  long timeoutSeconds = 60;  // whole transfer, connection included
};

enum class HttpError {
  kNone,
  kTimeout,      // the transfer took longer than the request allowed
  kCertificate,  // the server's certificate was not trusted or did not match
  kConnect,      // no connection (refused, unreachable, unknown host)
  kBadUrl,       // the URL itself is refused (malformed, not http or https): nothing was sent
  kCancelled,
  kOther,
};

struct ZQP_API HttpResponse {
  long status = 0;  // 0 when no answer arrived
  HttpHeaders headers;
  std::string body;
  HttpError error = HttpError::kNone;
  std::string reason;  // why it failed, for messages and logs

  bool ok() const { return error == HttpError::kNone; }
  // The value of the last header of that name (case-insensitive); empty when absent.
  std::string header(const std::string& name) const;
};

// Runs the request on the calling thread.
ZQP_API HttpResponse HttpPerform(const HttpRequest& request, const std::atomic<bool>* cancel = nullptr);
ZQP_API HttpResponse HttpGet(const std::string& url, long timeoutSeconds);

// A request running on a worker thread. The completion is delivered on the
// main run loop's thread (RunLoop::Main()); it is not called once the
// transfer is cancelled or destroyed. Destroying it cancels and waits for
// the worker.
class ZQP_API HttpTransfer {
 public:
  using Completion = std::function<void(const HttpResponse&)>;
  static std::unique_ptr<HttpTransfer> Start(HttpRequest request, Completion completion);
  ~HttpTransfer();
  HttpTransfer(const HttpTransfer&) = delete;
  HttpTransfer& operator=(const HttpTransfer&) = delete;

  void cancel();
  bool finished() const;
  // Transfers started whose answer has not yet reached the main run loop
  // (a headless run waits for them before it calls the application idle).
  static int Pending();

 private:
  HttpTransfer() = default;
  struct State;
  std::shared_ptr<State> state_;
  std::thread worker_;
};

}  // namespace zqp
