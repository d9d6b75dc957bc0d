#include "zqp/http.h"

#include <curl/curl.h>
#include <strings.h>

#include <cstdlib>
#include <mutex>

#include "zqp/run_loop.h"

namespace zqp {

namespace {

void GlobalInit() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t CollectBody(char* data, size_t size, size_t count, void* user) {
  static_cast<std::string*>(user)->append(data, size * count);
  return size * count;
}

std::string Trim(std::string s) {
  const char* ws = " \t\r\n";
  s.erase(s.find_last_not_of(ws) + 1);
  s.erase(0, s.find_first_not_of(ws) == std::string::npos ? s.size() : s.find_first_not_of(ws));
  return s;
}

size_t CollectHeader(char* data, size_t size, size_t count, void* user) {
  auto* headers = static_cast<HttpHeaders*>(user);
  const std::string line(data, size * count);
  // A new status line (after a redirect or a 100 Continue) starts a new set.
  if (line.rfind("HTTP/", 0) == 0) {
    headers->clear();
  } else if (const auto colon = line.find(':'); colon != std::string::npos) {
    headers->emplace_back(Trim(line.substr(0, colon)), Trim(line.substr(colon + 1)));
  }
  return size * count;
}

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto* cancel = static_cast<const std::atomic<bool>*>(user);
  return cancel != nullptr && cancel->load() ? 1 : 0;
}

HttpError Classify(CURLcode code) {
  switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
      return HttpError::kTimeout;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_ISSUER_ERROR:
      return HttpError::kCertificate;
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return HttpError::kConnect;
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
      return HttpError::kBadUrl;
    case CURLE_ABORTED_BY_CALLBACK:
      return HttpError::kCancelled;
    default:
      return HttpError::kOther;
  }
}

}  // namespace

std::string HttpResponse::header(const std::string& name) const {
  std::string value;
  for (const auto& [key, v] : headers)
    if (strcasecmp(key.c_str(), name.c_str()) == 0) value = v;
  return value;
}

HttpResponse HttpPerform(const HttpRequest& request, const std::atomic<bool>* cancel) {
  GlobalInit();
  HttpResponse response;
  // libcurl takes the URL as a C string: a NUL would cut it short and the
  // request would go to another address than the one asked for.
  if (request.url.find('\0') != std::string::npos) {
    response.error = HttpError::kBadUrl;
    response.reason = "it holds a NUL byte";
    return response;
  }
  CURL* curl = curl_easy_init();
  if (curl == nullptr) {
    response.error = HttpError::kOther;
    response.reason = "the HTTP library could not start a transfer";
    return response;
  }
  char errorText[CURL_ERROR_SIZE] = {0};
  curl_slist* headers = nullptr;
  for (const auto& [key, value] : request.headers) headers = curl_slist_append(headers, (key + ": " + value).c_str());

  curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, request.timeoutSeconds > 0 ? request.timeoutSeconds : 0L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  // libcurl does not read the OpenSSL variables itself; honouring them lets
  // a site (or a test) name its own trust store without weakening checks.
  if (const char* file = std::getenv("SSL_CERT_FILE"); file != nullptr && *file != '\0')
    curl_easy_setopt(curl, CURLOPT_CAINFO, file);
  if (const char* dir = std::getenv("SSL_CERT_DIR"); dir != nullptr && *dir != '\0')
    curl_easy_setopt(curl, CURLOPT_CAPATH, dir);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, CollectBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &response.body);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, CollectHeader);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &response.headers);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, Progress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, cancel);
  if (headers != nullptr) curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  if (request.method == "GET") {
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  } else {
    if (request.method != "POST") curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, request.method.c_str());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
  }

  const CURLcode code = curl_easy_perform(curl);
  if (code == CURLE_OK) {
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response.status);
  } else {
    response.error = Classify(code);
    response.reason = errorText[0] != '\0' ? errorText : curl_easy_strerror(code);
    response.status = 0;
    response.headers.clear();
    response.body.clear();
  }
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);
  return response;
}

HttpResponse HttpGet(const std::string& url, long timeoutSeconds) {
  HttpRequest request;
  request.url = url;
  request.timeoutSeconds = timeoutSeconds;
  return HttpPerform(request);
}

struct HttpTransfer::State {
  std::atomic<bool> cancelled{false};
  std::atomic<bool> finished{false};
};

namespace {
std::atomic<int> pendingTransfers{0};
}  // namespace

int HttpTransfer::Pending() { return pendingTransfers.load(); }

std::unique_ptr<HttpTransfer> HttpTransfer::Start(HttpRequest request, Completion completion) {
  std::unique_ptr<HttpTransfer> transfer(new HttpTransfer());
  ++pendingTransfers;
  auto state = std::make_shared<State>();
  transfer->state_ = state;
  transfer->worker_ = std::thread([state, request = std::move(request), completion = std::move(completion)] {
    HttpResponse response = HttpPerform(request, &state->cancelled);
    // The answer is handed to the main thread; a transfer cancelled or
    // destroyed meanwhile drops it there rather than calling a dead owner.
    RunLoop::Main().post([state, completion, response = std::move(response)] {
      --pendingTransfers;
      if (state->cancelled.load()) return;
      state->finished.store(true);
      if (completion) completion(response);
    });
  });
  return transfer;
}

HttpTransfer::~HttpTransfer() {
  cancel();
  if (worker_.joinable()) worker_.join();
}

void HttpTransfer::cancel() {
  if (state_) state_->cancelled.store(true);
}

bool HttpTransfer::finished() const { return state_ && state_->finished.load(); }

}  // namespace zqp
