#pragma once
// Windows, the modal run, alerts, beeps and the file chooser.
//
// Nothing here waits for a person. runModal hands control to the installed
// ModalDriver (a test, or a script runner, zqp/script.h), which performs the
// user's actions inside the window until something calls stopModal. Runs
// nest: an action inside a run may open another window or an alert. A driver
// that returns while its run is still going cancels the run, so nothing can
// hang.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zqp/export.h"
#include "zqp/view.h"

namespace zqp {

class ZQP_API Window : public Object {
 public:
  Window();
  ~Window() override;
  const std::string& title() const { return title_; }
  void setTitle(std::string t) { title_ = std::move(t); }
  View* contentView() const { return content_.get(); }
  void setContentView(std::unique_ptr<View> v);
  View* viewWithTag(int32_t tag) { return content_ ? content_->viewWithTag(tag) : nullptr; }

  View* firstResponder() const { return firstResponder_; }
  // Ends an edit in progress in the old responder first. A view of another
  // window is refused (false). Null makes the window itself responder.
  bool makeFirstResponder(View* v);
  View* initialFirstResponder() const { return initialFirstResponder_; }
  void setInitialFirstResponder(View* v) { initialFirstResponder_ = v; }

  bool isVisible() const { return visible_; }
  void orderFront();
  void close();
  const Frame& frame() const { return frame_; }
  void setFrame(const Frame& f) { frame_ = f; }

 private:
  std::string title_;
  std::unique_ptr<View> content_;
  View* firstResponder_ = nullptr;
  View* initialFirstResponder_ = nullptr;
  bool visible_ = false;
  Frame frame_;
};

enum class AlertStyle { kWarning, kInformational, kCritical };

struct AlertInfo {
  AlertStyle style = AlertStyle::kWarning;
  std::string messageText;
  std::string informativeText;
  // The string-table keys the two texts were looked up by, when the maker
  // names them: the transcript shows them, so a script can tell which
  // message came up whatever the translation.
  std::string messageKey;
  std::string informativeKey;
  std::string iconPath;  // empty: no icon
  std::vector<std::string> buttons;
  // Shown under the texts (owned by the alert's maker), e.g. a text field
  // the person fills in before pressing a button.
  View* accessory = nullptr;
};

class ZQP_API Alert {
 public:
  void setAlertStyle(AlertStyle s) { info_.style = s; }
  void setMessageText(std::string t) { info_.messageText = std::move(t); }
  void setInformativeText(std::string t) { info_.informativeText = std::move(t); }
  void setMessageKey(std::string k) { info_.messageKey = std::move(k); }
  void setInformativeKey(std::string k) { info_.informativeKey = std::move(k); }
  // Loads the icon from a file; a missing file leaves the alert without one.
  bool setIconFromFile(const std::string& path);
  void addButtonWithTitle(std::string title) { info_.buttons.push_back(std::move(title)); }
  const AlertInfo& info() const { return info_; }
  // Shows the alert (recorded) and answers the 0-based index of the button
  // the driver chose; an alert without buttons gets one "OK" button.
  int runModal();
  void setAccessoryView(View* v) { info_.accessory = v; }
  View* accessoryView() const { return info_.accessory; }
  // runModal answering the button codes: 1000 for the first button, 1001
  // for the second, 1002 for the third (panels.h).
  int runModalResponse();
  // The alert as a sheet on the window: the handler gets the button code.
  void beginSheetModalForWindow(Window* window, std::function<void(int)> handler);

 private:
  AlertInfo info_;
};

struct FileChooserInfo {
  std::string title;
  std::vector<std::string> allowedTypes;  // file extensions, empty for any
  std::string directory;                  // where the chooser opens, empty: anywhere
};

// The stand-in for the person at the screen.
class ZQP_API ModalDriver {
 public:
  virtual ~ModalDriver();
  // Performs the user's actions in `window` until the run is stopped
  // (Application::Shared().isRunStopped()) or the driver has nothing left.
  virtual void driveModal(Window& window) = 0;
  // The 0-based button to press; an index out of range counts as 0.
  virtual int answerAlert(const AlertInfo& alert) = 0;
  // The chosen file, or nothing for Cancel.
  virtual std::optional<std::string> chooseFile(const FileChooserInfo& info) = 0;
};

// What the application tells the object that runs it.
class ZQP_API ApplicationDelegate {
 public:
  virtual ~ApplicationDelegate();
  // The main nib is loaded and its window shown.
  virtual void applicationDidFinishLaunching() {}
  // Whether closing the last window ends the application.
  virtual bool applicationShouldTerminateAfterLastWindowClosed() { return false; }
};

// How a modal run ended.
enum class ModalResponse { kStop = 0, kAbort = 1, kCancelledByDriver = 2 };

class ZQP_API Application {
 public:
  static Application& Shared();

  // The installed driver (not owned); null answers every alert with its
  // first button, every file chooser with Cancel, and cancels every run.
  void setDriver(ModalDriver* d) { driver_ = d; }
  ModalDriver* driver() const { return driver_; }

  // Shows the window and runs it modally until stopModal/abortModal (or
  // the driver gives up); the window is ordered out afterwards.
  ModalResponse runModalForWindow(Window& window);
  // Ends the innermost run (the current step finishes first).
  void stopModal();
  void abortModal();
  int modalDepth() const { return static_cast<int>(runs_.size()); }
  Window* modalWindow() const { return runs_.empty() ? nullptr : runs_.back().window; }
  // Whether the innermost run has been asked to end.
  bool isRunStopped() const;

  int runAlert(const AlertInfo& info);
  std::optional<std::string> runFileChooser(const FileChooserInfo& info);

  void beep();
  int beepCount() const { return beeps_; }
  // Back to no runs, no beeps, no delegate, no windows (tests).
  void reset();

  // ---- the application's life (application.cpp) ----
  // The delegate (not owned).
  void setDelegate(ApplicationDelegate* d) { delegate_ = d; }
  ApplicationDelegate* delegate() const { return delegate_; }
  Window* mainWindow() const { return mainWindow_; }
  // Loads the application's main nib (its objects' outlet "delegate" names
  // the delegate, "mainWindow" the main window, else its first window),
  // shows the main window and tells the delegate the launch finished. The
  // nib's top-level objects go to topLevel. False with a message when the
  // nib cannot be loaded or names no delegate.
  bool finishLaunching(const std::string& mainNibPath, std::vector<std::unique_ptr<Object>>& topLevel,
                       std::string* error);
  // Runs the main run loop until terminate(), or until idle() answers true.
  void run(const std::function<bool()>& idle = {});
  // Ends the application: the main run loop stops at its next turn.
  void terminate();
  bool isTerminated() const { return terminated_; }
  // Kept by windows: a shown window counts as open until it is closed or
  // destroyed; closing the last one may end the application.
  void windowDidOrderFront(Window& window);
  void windowDidClose(Window& window);
  // A window going away is no longer open, and ends nothing.
  void forgetWindow(Window& window);

 private:
  struct Run {
    Window* window;
    bool stopped;
    ModalResponse response;
  };
  ModalDriver* driver_ = nullptr;
  std::vector<Run> runs_;
  int beeps_ = 0;
  ApplicationDelegate* delegate_ = nullptr;
  Window* mainWindow_ = nullptr;
  std::vector<Window*> openWindows_;
  bool terminated_ = false;
};

// The system beep (counted and recorded).
ZQP_API void Beep();

}  // namespace zqp
