#include "tl_app_delegate.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "zqp/panels.h"
#include "zqp/system_files.h"
#include "zqp/task.h"

namespace tollbox {

namespace {

constexpr const char* kGzip = "/usr/bin/gzip";

// Every log line of the client: file names and servers' texts in it may
// hold line ends or other control characters, which are escaped so no text
// can write a line of its own into the log.
void ClientLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
void ClientLog(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  va_list copy;
  va_copy(copy, ap);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string line(n > 0 ? static_cast<size_t>(n) + 1 : 1, '\0');
  if (n > 0) std::vsnprintf(line.data(), line.size(), format, ap);
  va_end(ap);
  line.resize(n > 0 ? static_cast<size_t>(n) : 0);
  zqp::SystemLog(zqp::LogDestination::kStandardError, LOG_NOTICE, "%s", EscapeForLog(line).c_str());
}

long TimeoutFromEnvironment(const char* name, long fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  return end != nullptr && *end == '\0' && value > 0 && value <= fallback ? value : fallback;
}

// The whole file, or none when it cannot be read. A folder opens like a
// file and only its reading fails: it must not pass for an empty file.
std::optional<std::string> ReadText(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string text;
  char buffer[65536];
  ssize_t n = 0;
  while ((n = read(fd, buffer, sizeof buffer)) != 0) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    text.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  if (n < 0) return std::nullopt;
  return text;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

std::string TaskFailure(const zqp::TaskResult& task) {
  if (!task.launched) return task.error;
  if (task.signal) return "it was ended by signal " + std::to_string(task.signal);
  if (task.exitStatus != 0) return "it ended with status " + std::to_string(task.exitStatus);
  return "it gave no data";
}

// Plain http carries the credentials readable by anyone on the way; old
// configurations still name such servers, so it works, with a warning.
void WarnIfPlain(const std::string& url) {
  if (IsPlainHttp(url)) {
    ClientLog("Warning: %s is plain http; the login and password go to it unprotected", UrlForLog(url).c_str());
  }
}

// where: the configuration line the URL is written on. A URL that cannot be
// used (a stray byte in it) is mended there, not on the server.
std::string UnusableUrlText(const std::string& where, const std::string& reason) {
  return "The URL on " + where + " cannot be used: " + reason + ".";
}

std::string HttpErrorText(const zqp::HttpResponse& r, const std::string& where) {
  switch (r.error) {
    case zqp::HttpError::kNone: return "The server answered with HTTP status " + std::to_string(r.status) + ".";
    case zqp::HttpError::kTimeout: return "The server did not answer in time.";
    case zqp::HttpError::kCertificate: return "The server's certificate is not trusted.";
    case zqp::HttpError::kConnect: return "The server cannot be reached.";
    case zqp::HttpError::kCancelled: return "The transfer was cancelled.";
    case zqp::HttpError::kBadUrl: return UnusableUrlText(where, r.reason);
    case zqp::HttpError::kOther: break;
  }
  return "The transfer failed: " + r.reason;
}

}  // namespace

long CheckTimeoutSeconds() { return TimeoutFromEnvironment("ZQ_TOLLBOX_CONFIG_TIMEOUT", 2); }
long UploadTimeoutSeconds() { return TimeoutFromEnvironment("ZQ_TOLLBOX_UPLOAD_TIMEOUT", 7200); }

TLAppDelegate::~TLAppDelegate() {
  _transfer.reset();
  stopIndicator();
}

bool TLAppDelegate::setOutlet(const std::string& name, zqp::Object* object) {
  auto set = [&](auto*& slot) {
    using T = std::remove_pointer_t<std::remove_reference_t<decltype(slot)>>;
    auto* typed = dynamic_cast<T*>(object);
    if (typed == nullptr) return false;
    slot = typed;
    return true;
  };
  if (name == "loginField") return set(_login_field);
  if (name == "passwordField") return set(_password_field);
  if (name == "fileField") return set(_file_field);
  if (name == "indicator") return set(_indicator);
  if (name == "window") return set(_window);
  if (name == "serverSelector") return set(serverSelector);
  if (name == "_languageSelector") return set(__languageSelector);
  if (name == "_documentNameField") return set(__documentNameField);
  if (name == "_informationMsg") return set(__informationMsg);
  if (name == "submitBtn") return set(_submitBtn);
  if (name == "cancelBtn") return set(_cancelBtn);
  return false;
}

bool TLAppDelegate::respondsToAction(const std::string& action) const {
  return action == "upload:" || action == "cancel:" || action == "settingsSelected:";
}

void TLAppDelegate::performAction(const std::string& action, zqp::View&) {
  if (action == "upload:") upload();
  else if (action == "cancel:") cancel();
  else if (action == "settingsSelected:") getSettings();
}

// ---- start-up -------------------------------------------------------------------

void TLAppDelegate::applicationDidFinishLaunching() {
  prepareJob();
}

void TLAppDelegate::refuse(const std::string& why) {
  ClientLog("%s", why.c_str());
  if (_submitBtn) _submitBtn->setEnabled(false);
  if (__informationMsg) __informationMsg->setStringValue(why);
}

void TLAppDelegate::prepareJob() {
  const std::string spool = zqp::SystemPath(kSpoolFolder);
  const auto entries = ListSpoolFolder(spool);
  if (!entries) {
    ClientLog("No Files Read.");
    refuse("No job can be sent: the spool folder " + spool + " cannot be read.");
    return;
  }
  readMessagefromMessageFile();

  if (serverSelector) serverSelector->removeAllItems();
  const std::string confPath = zqp::SystemPath(kConfigurationFile);
  const auto confText = ReadText(confPath);
  if (!confText) {
    refuse("No job can be sent: the configuration " + confPath + " cannot be read.");
    return;
  }
  _configuration = ParseConfiguration(*confText);
  if (!_configuration.usable()) {
    refuse("No job can be sent: the configuration " + confPath + " has fewer than three lines.");
    return;
  }
  const auto badDocumentUrl =
      _configuration.documentUrl ? ControlCharacterIn(*_configuration.documentUrl) : std::nullopt;
  if (badDocumentUrl) {
    // Cut at a NUL it would fetch another document than the one meant.
    ClientLog("%s The servers of %s are kept", UnusableUrlText(configurationLine(2), "it holds " + *badDocumentUrl).c_str(),
              confPath.c_str());
  } else if (_configuration.documentUrl) {
    _configurationFileURL = *_configuration.documentUrl;
    const auto answer = getDataFrom(_configurationFileURL, configurationLine(2), nullptr);
    const auto doc = answer && !answer->empty() ? ParseConfigurationDocument(*answer) : std::nullopt;
    if (doc) {
      if (__informationMsg) __informationMsg->setStringValue(doc->message);
      deleteAndRecreateFileAtPath(zqp::SystemPath(kMessageFile), {doc->message});
      if (const auto lines = RewriteConfiguration(_configuration, *doc)) {
        // What was written is what the rest of the run reads; when it could
        // not be written, the lines as fetched (never the old file's, which
        // would not match the servers the document named).
        const bool written = deleteAndRecreateFileAtPath(confPath, *lines);
        const auto reread = written ? ReadText(confPath) : std::nullopt;
        _configuration = ParseConfiguration(reread ? *reread : JoinLines(*lines));
      } else {
        // A document without a usable server line must not wipe the
        // administrator's list.
        ClientLog("The configuration document of %s names no usable server; the servers of %s are kept",
                  UrlForLog(_configurationFileURL).c_str(), confPath.c_str());
      }
    }
  }
  // The pop-up lists exactly the servers kept with their URLs, so the
  // selected item always names its own URL.
  for (const auto& server : _configuration.servers) {
    if (serverSelector) serverSelector->addItemWithTitle(server.name);
  }
  if (serverSelector && serverSelector->numberOfItems() > 0) serverSelector->selectItemAtIndex(0);
  if (const auto text = ReadText(zqp::SystemPath(kDefaultServerFile)); text && serverSelector) {
    _defaultServer = DefaultServerName(*text);
    for (int i = 0; !_defaultServer.empty() && i < serverSelector->numberOfItems(); ++i) {
      if (Trim(serverSelector->itemAtIndex(i)->title) == _defaultServer) serverSelector->selectItemAtIndex(i);
    }
  }

  // Links, FIFOs and devices are never jobs: a link would send the file it
  // points to, a FIFO would never end.
  for (const auto& entry : *entries) {
    if (IsJobName(entry.name) && !entry.regular())
      ClientLog("Left alone, %s is %s", (spool + "/" + entry.name).c_str(), std::string(EntryKind(entry)).c_str());
  }
  const auto job = NewestJob(*entries);
  if (!job) {
    ClientLog("I'm out of here");
    zqp::Application::Shared().terminate();
    return;
  }
  _file = spool + "/" + job->name;
  std::string why;
  auto opened = OpenJob(_file, &why);
  if (!opened) {
    ClientLog("Left alone, %s: %s", _file.c_str(), why.c_str());
    refuse("No job can be sent: " + _file + " cannot be taken (" + why + ").");
    return;
  }
  // From here on the job is this file: a new job given the same name later
  // is another file and is never removed in its place.
  _job = opened->identity();
  if (IsTooLarge(static_cast<std::uint64_t>(_job->size), _configuration.maxJobBytes)) {
    removeJob("the size check");
    _resultCode = 2;
    if (_submitBtn) _submitBtn->setEnabled(false);
    showAlert("File too large, cant print.", "", "OK");
    return;
  }

  // What was opened is compressed, kept in memory for the upload; the job
  // stays a ".ps" until a server took it, so a run that fails finds it
  // again next time. gzip reads it as its input, so no file name goes into
  // the compressed data.
  const zqp::TaskResult gzip = zqp::RunTaskWithInput(kGzip, {"-n", "-c"}, opened->fd());
  ClientLog("gzip returned: %d (%zu bytes)", gzip.exitStatus, gzip.output.size());
  if (!gzip.succeeded() || gzip.output.empty()) {
    const std::string failure = TaskFailure(gzip);
    refuse("The job could not be compressed: " + failure + ".");
    showAlert("The job could not be compressed.", failure, "OK");
    return;
  }
  _compressed = gzip.output;

  if (__documentNameField) __documentNameField->setStringValue(DocumentName(_file, std::time(nullptr)));

  if (const auto text = ReadText(zqp::SystemPath(kRememberedChoiceFile))) {
    if (const auto choice = ParseRememberedChoice(*text)) {
      if (_login_field) _login_field->setStringValue(choice->login);
      if (serverSelector) {
        const int i = serverSelector->indexOfItemWithTitle(choice->server);
        if (i >= 0) serverSelector->selectItemAtIndex(i);
      }
    }
  }
  // Without a server Submit could only do nothing.
  if (_configuration.servers.empty()) refuse("No job can be sent: the configuration " + confPath + " names no server.");
}

void TLAppDelegate::readMessagefromMessageFile() {
  const std::string path = zqp::SystemPath(kMessageFile);
  const auto text = ReadText(path);
  if (!text) return;
  // A message may run over lines; other control characters (the NULs of a
  // file cut short) say it is not the message that was written.
  if (const auto bad = ControlCharacterIn(*text, "\n\r\t")) {
    ClientLog("The message of %s is not shown: it holds %s", path.c_str(), bad->c_str());
    return;
  }
  if (__informationMsg) __informationMsg->setStringValue(*text);
}

bool TLAppDelegate::deleteAndRecreateFileAtPath(const std::string& path, const std::vector<std::string>& lines) {
  if (zqp::WriteFileWithMode(path, JoinLines(lines), 0644) != zqp::kNoErr) {
    ClientLog("write file failed");
    return false;
  }
  return true;
}

std::string TLAppDelegate::configurationLine(std::size_t index) const {
  return "line " + std::to_string(index + 1) + " of " + zqp::SystemPath(kConfigurationFile);
}

std::optional<std::string> TLAppDelegate::getDataFrom(const std::string& url, const std::string& where,
                                                       std::string* why) {
  WarnIfPlain(url);
  const zqp::HttpResponse r = zqp::HttpGet(url, CheckTimeoutSeconds());
  if (!r.ok() || r.status != 200) {
    // The query carries the credentials of the account check.
    if (r.ok()) ClientLog("Error getting %s, HTTP status code %li", UrlForLog(url).c_str(), r.status);
    else ClientLog("Error getting %s (%s): %s", UrlForLog(url).c_str(), where.c_str(), r.reason.c_str());
    if (why) *why = HttpErrorText(r, where);
    return std::nullopt;
  }
  return r.body;
}

// ---- submit -------------------------------------------------------------------------

void TLAppDelegate::upload() {
  if (!_login_field || !_password_field || !serverSelector) return;
  // Blanks of any script are blank; what is sent is the text as typed, as
  // a password may well begin or end with a space.
  if (Trim(_login_field->stringValue()).empty() || Trim(_password_field->stringValue()).empty()) return;
  if (_transfer) return;  // one upload at a time
  const int index = serverSelector->indexOfSelectedItem();
  if (index < 0 || static_cast<size_t>(index) >= _configuration.servers.size()) return;
  const Server& server = _configuration.servers[static_cast<size_t>(index)];
  _serverUrl = server.url;
  _serverUrlLine = server.lineIndex;
  // Cut at a NUL, the URL would lose its service path and the job could go
  // to the server's home page, which answers as if it took it.
  if (const auto bad = ControlCharacterIn(server.line)) {
    const std::string why = UnusableUrlText(configurationLine(_serverUrlLine), "it holds " + *bad);
    ClientLog("%s", why.c_str());
    _resultCode = 0;
    showAlert("Unable to connect to remote server.", why, "OK");
    return;
  }

  const std::string url = AccountCheckUrl(_serverUrl, _login_field->stringValue(), _password_field->stringValue());
  std::string why;
  const auto answer = getDataFrom(url, configurationLine(_serverUrlLine), &why);
  if (!answer) {
    // No verdict on the account is no permission to send the job.
    _resultCode = 0;
    showAlert("Unable to connect to remote server.", why, "OK");
    return;
  }
  switch (ClassifyAccountAnswer(*answer)) {
    case AccountAnswer::kServerUnreachable:
      _resultCode = 0;
      showAlert("Unable to connect to remote server.", "(Please provide another username).", "OK");
      break;
    case AccountAnswer::kLoginTaken:
      _resultCode = 0;
      showAlert("The login id has already existed. Please enter another one.", "(Please provide another username).",
                "OK");
      break;
    case AccountAnswer::kHasPrintJob:
      _resultCode = 1;
      showAlert("Current account already contains Print Job, are you sure to submit print job to this account again?",
                "", "OK", "Cancel");
      break;
    case AccountAnswer::kProceed: uploadFile(); break;
  }
}

void TLAppDelegate::uploadFile() {
  if (_transfer) return;
  if (_submitBtn) _submitBtn->setHidden(true);
  const std::string url = UploadUrl(_serverUrl);
  WarnIfPlain(url);
  if (!_job) {
    if (_submitBtn) _submitBtn->setHidden(false);
    _resultCode = 0;
    showAlert("Sorry, but you can't upload the file right now.", "No job was prepared.", "Well...");
    return;
  }
  zqp::HttpRequest request;
  request.method = "POST";
  request.url = url;
  request.timeoutSeconds = UploadTimeoutSeconds();
  MultipartForm form = MultipartBody(__documentNameField ? __documentNameField->stringValue() : std::string(),
                                     _compressed, _login_field->stringValue(), _password_field->stringValue());
  request.body = std::move(form.body);
  request.headers = {{"Content-Type", form.contentType()},
                     {"Content-Length", std::to_string(request.body.size())}};

  const std::string server = serverSelector ? serverSelector->titleOfSelectedItem() : std::string();
  const std::string choiceFile = zqp::SystemPath(kRememberedChoiceFile);
  // Under a fresh $ZQ_ROOT its folder may not exist yet.
  const std::string choiceFolder = choiceFile.substr(0, choiceFile.rfind('/'));
  const bool written =
      (Exists(choiceFolder) || zqp::CreateFolder(choiceFolder, 0755) == zqp::kNoErr) &&
      zqp::WriteFileWithMode(choiceFile, _login_field->stringValue() + "|" + server, 0644) == zqp::kNoErr;
  if (!written) ClientLog("Cannot write %s", choiceFile.c_str());

  if (_indicator) {
    _indicator->setHidden(false);
    _indicator->startAnimation();
    // The bar moves on while the loop waits for the server.
    _progressTimer = zqp::RunLoop::Main().addTimer(0.1, true, [this] {
      if (!_indicator) return;
      _indicator->incrementBy(5);
      if (_indicator->doubleValue() >= _indicator->maxValue()) _indicator->setDoubleValue(_indicator->minValue());
    });
  }
  _transfer = zqp::HttpTransfer::Start(std::move(request), [this](const zqp::HttpResponse& r) { transferEnded(r); });
}

void TLAppDelegate::stopIndicator() {
  if (_progressTimer != 0) zqp::RunLoop::Main().cancelTimer(_progressTimer);
  _progressTimer = 0;
  if (_indicator) _indicator->stopAnimation();
}

void TLAppDelegate::transferEnded(const zqp::HttpResponse& r) {
  stopIndicator();
  if (r.ok() && r.status >= 200 && r.status < 300) {
    // The server has the job: now it may go.
    ClientLog("Upload to %s done, HTTP status %li", UrlForLog(UploadUrl(_serverUrl)).c_str(), r.status);
    cancel();
    return;
  }
  const std::string why = HttpErrorText(r, configurationLine(_serverUrlLine));
  ClientLog("Upload to %s failed: %s", UrlForLog(UploadUrl(_serverUrl)).c_str(), why.c_str());
  // The job stays a ".ps" in the spool folder for the next run.
  _resultCode = 2;
  showAlert("The job could not be uploaded.", why, "OK");
}

void TLAppDelegate::removeJob(const char* what) {
  if (!_job) return;
  std::string why;
  switch (RemoveIfUnchanged(_file, *_job, &why)) {
    case Removal::kRemoved: ClientLog("in %s, Removing Print Job %s", what, _file.c_str()); break;
    case Removal::kAlreadyGone: break;
    case Removal::kReplaced: ClientLog("in %s, %s is another file now (a new job); it stays", what, _file.c_str()); break;
    case Removal::kFailed: ClientLog("Error in removing print file in %s %s: %s", what, _file.c_str(), why.c_str()); break;
  }
  _job.reset();
  _compressed.clear();
}

// ---- alerts ------------------------------------------------------------------------

void TLAppDelegate::showAlert(const std::string& message, const std::string& informative,
                              const std::string& defaultButton, const std::string& otherButton) {
  zqp::Alert alert;
  alert.setMessageText(message);
  alert.setInformativeText(informative);
  alert.addButtonWithTitle(defaultButton);
  if (!otherButton.empty()) alert.addButtonWithTitle(otherButton);
  alert.beginSheetModalForWindow(_window, [this](int code) { alertEnded(code); });
}

void TLAppDelegate::alertEnded(int returnCode) {
  const bool defaultButton = returnCode == zqp::kAlertFirstButtonReturn;
  // Acting on the code ends it, so a later alert of another kind never
  // repeats an upload already started.
  const int code = _resultCode;
  _resultCode = 0;
  if (code == 1) {
    if (defaultButton) uploadFile();
  } else if (code == 2) {
    zqp::Application::Shared().terminate();
  } else if (!defaultButton) {
    zqp::Application::Shared().terminate();
  }
}

void TLAppDelegate::cancel() {
  ClientLog("in cancel step = %s", _file.c_str());
  _transfer.reset();
  stopIndicator();
  // Cancelling gives the job up: the file prepared goes (and its compressed
  // copy with it), never another that took its name meanwhile.
  removeJob("Cancel");
  zqp::Application::Shared().terminate();
}

void TLAppDelegate::getSettings() {
  zqp::TextField field;
  field.setFrame(zqp::Frame{0, 0, 400, 24});
  field.setStringValue(_serverUrl);
  zqp::Alert alert;
  alert.setMessageText("Input server url");
  alert.setInformativeText("");
  alert.addButtonWithTitle("OK");
  alert.addButtonWithTitle("Cancel");
  alert.setAccessoryView(&field);
  if (alert.runModal() == 0) _serverUrl = field.stringValue();
}

}  // namespace tollbox
