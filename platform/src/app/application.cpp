// The application's life: launching from the main nib, the main run loop,
// windows counted open and closed, terminating.
#include <algorithm>

#include "zqp/events.h"
#include "zqp/nib.h"
#include "zqp/run_loop.h"
#include "zqp/window.h"

namespace zqp {

ApplicationDelegate::~ApplicationDelegate() = default;

bool Application::finishLaunching(const std::string& mainNibPath, std::vector<std::unique_ptr<Object>>& topLevel,
                                  std::string* error) {
  ApplicationDelegate* delegate = nullptr;
  Window* main = nullptr;
  Outlets outlets;
  outlets.bind("delegate", delegate);
  outlets.bind("mainWindow", main);
  const size_t before = topLevel.size();
  if (!LoadNibFile(mainNibPath, outlets, topLevel, error)) return false;
  if (delegate == nullptr) {
    if (error) *error = mainNibPath + ": no object is the application's \"delegate\"";
    topLevel.resize(before);
    return false;
  }
  if (main == nullptr) {
    for (size_t i = before; i < topLevel.size() && main == nullptr; ++i) main = dynamic_cast<Window*>(topLevel[i].get());
  }
  terminated_ = false;
  delegate_ = delegate;
  mainWindow_ = main;
  if (main != nullptr) main->orderFront();
  EventLog::Shared().Record(EventKind::kApplication, "launched");
  delegate_->applicationDidFinishLaunching();
  return true;
}

void Application::run(const std::function<bool()>& idle) {
  RunLoop::Main().runUntil([this, &idle] { return terminated_ || (idle && idle()); });
}

void Application::terminate() {
  if (terminated_) return;
  terminated_ = true;
  EventLog::Shared().Record(EventKind::kApplication, "terminate");
  // Wake the loop so it sees the flag even when nothing else is due.
  RunLoop::Main().post([] {});
}

void Application::windowDidOrderFront(Window& window) {
  if (std::find(openWindows_.begin(), openWindows_.end(), &window) == openWindows_.end()) {
    openWindows_.push_back(&window);
  }
}

void Application::forgetWindow(Window& window) {
  openWindows_.erase(std::remove(openWindows_.begin(), openWindows_.end(), &window), openWindows_.end());
  if (mainWindow_ == &window) mainWindow_ = nullptr;
}

void Application::windowDidClose(Window& window) {
  const auto it = std::find(openWindows_.begin(), openWindows_.end(), &window);
  if (it == openWindows_.end()) return;
  openWindows_.erase(it);
  if (openWindows_.empty() && delegate_ != nullptr && !terminated_ &&
      delegate_->applicationShouldTerminateAfterLastWindowClosed()) {
    terminate();
  }
}

}  // namespace zqp
