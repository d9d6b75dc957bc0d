#pragma once
// The upload client's application delegate: prepares the newest spooled job
// at launch, then checks the account and uploads the job when the person
// submits. The decisions it takes are in upload_core.h.
#include <memory>
#include <string>

#include "upload_core.h"
#include "zqp/http.h"
#include "zqp/nib_objects.h"
#include "zqp/run_loop.h"
#include "zqp/view.h"
#include "zqp/window.h"

namespace tollbox {

// The fixed locations (moved under $ZQ_ROOT when it is set).
inline constexpr const char* kSpoolFolder = "/var/tollboxprintclient";
inline constexpr const char* kConfigurationFile = "/var/tlbx/tollboxprintclient.conf";
inline constexpr const char* kMessageFile = "/var/tlbx/tollboxclientmessage.conf";
inline constexpr const char* kDefaultServerFile = "/var/tlbx/tollboxclientdefault.conf";
inline constexpr const char* kRememberedChoiceFile = "/etc/tollboxprintclient.pref";

// The transfer time limits in seconds; ZQ_TOLLBOX_CONFIG_TIMEOUT and
// ZQ_TOLLBOX_UPLOAD_TIMEOUT shorten them (tests).
long CheckTimeoutSeconds();
long UploadTimeoutSeconds();

class TLAppDelegate : public zqp::NibObject, public zqp::ApplicationDelegate {
 public:
  ~TLAppDelegate() override;

  bool setOutlet(const std::string& name, zqp::Object* object) override;
  bool respondsToAction(const std::string& action) const override;
  void performAction(const std::string& action, zqp::View& sender) override;

  void applicationDidFinishLaunching() override;
  bool applicationShouldTerminateAfterLastWindowClosed() override { return true; }

  // The submit button: checks the account, then uploads.
  void upload();
  // Builds and starts the upload.
  void uploadFile();
  // The cancel button: removes the job and quits.
  void cancel();
  // The server-URL dialog.
  void getSettings();

  const std::string& serverUrl() const { return _serverUrl; }
  int resultCode() const { return _resultCode; }

 private:
  void readMessagefromMessageFile();
  bool deleteAndRecreateFileAtPath(const std::string& path, const std::vector<std::string>& lines);
  // where: the configuration line the URL comes from, for messages.
  std::optional<std::string> getDataFrom(const std::string& url, const std::string& where, std::string* why);
  // "line N of <configuration file>", N counted from 1.
  std::string configurationLine(std::size_t index) const;
  void prepareJob();
  // No job can be sent: Submit is disabled and the message field says why.
  void refuse(const std::string& why);
  void showAlert(const std::string& message, const std::string& informative, const std::string& defaultButton,
                 const std::string& otherButton = {});
  void alertEnded(int returnCode);
  void transferEnded(const zqp::HttpResponse& response);
  void stopIndicator();
  // Removes the prepared job, only while its name still stands for it.
  void removeJob(const char* what);

  std::string _file;  // the spooled ".ps" job, kept until a server took it
  std::optional<FileIdentity> _job;  // which file it is, once opened
  std::string _compressed;           // its gzip data, sent as the printfile part
  zqp::TextField* _login_field = nullptr;
  zqp::TextField* _password_field = nullptr;
  zqp::TextField* _file_field = nullptr;
  zqp::ProgressIndicator* _indicator = nullptr;
  zqp::Window* _window = nullptr;
  std::string _configurationFileURL;
  std::string _defaultServer;
  zqp::PopUpButton* serverSelector = nullptr;
  std::string _serverUrl;
  std::size_t _serverUrlLine = 0;  // the configuration line _serverUrl was taken from
  int _resultCode = 0;
  zqp::PopUpButton* __languageSelector = nullptr;
  zqp::TextField* __documentNameField = nullptr;
  zqp::TextField* __informationMsg = nullptr;
  zqp::Button* _submitBtn = nullptr;
  zqp::Button* _cancelBtn = nullptr;

  Configuration _configuration;
  std::unique_ptr<zqp::HttpTransfer> _transfer;
  zqp::RunLoop::TimerId _progressTimer = 0;
};

}  // namespace tollbox
