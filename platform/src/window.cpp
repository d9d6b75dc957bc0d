#include "zqp/window.h"

#include "zqp/events.h"

namespace zqp {

ModalDriver::~ModalDriver() = default;

// ---- Window ------------------------------------------------------------------

// The application object is made first, so it outlives every window.
Window::Window() { (void)Application::Shared(); }

Window::~Window() {
  Application::Shared().forgetWindow(*this);
  // Content views may outlive the window only by accident of ownership;
  // make sure they no longer point at it.
  if (content_) content_->window_ = nullptr;
}

void Window::setContentView(std::unique_ptr<View> v) {
  if (content_) content_->window_ = nullptr;
  firstResponder_ = nullptr;
  initialFirstResponder_ = nullptr;
  content_ = std::move(v);
  if (content_) content_->window_ = this;
}

bool Window::makeFirstResponder(View* v) {
  if (v != nullptr && v->window() != this) return false;
  if (firstResponder_ == v) return true;
  View* old = firstResponder_;
  firstResponder_ = v;
  // Leaving a text field ends its edit (which may run its action).
  if (old != nullptr && old->kind() == ViewKind::kTextField) {
    auto* tf = static_cast<TextField*>(old);
    if (tf->isEditing()) tf->endEditing();
  }
  return true;
}

void Window::orderFront() {
  visible_ = true;
  Application::Shared().windowDidOrderFront(*this);
  if (firstResponder_ == nullptr && initialFirstResponder_ != nullptr) makeFirstResponder(initialFirstResponder_);
}

void Window::close() {
  makeFirstResponder(nullptr);
  visible_ = false;
  Application::Shared().windowDidClose(*this);
}

// ---- Alert -------------------------------------------------------------------

bool Alert::setIconFromFile(const std::string& path) {
  if (!Image::FromFile(path)) {
    info_.iconPath.clear();
    return false;
  }
  info_.iconPath = path;
  return true;
}

int Alert::runModal() { return Application::Shared().runAlert(info_); }

// ---- Application -----------------------------------------------------------------

Application& Application::Shared() {
  static Application app;
  return app;
}

ModalResponse Application::runModalForWindow(Window& window) {
  runs_.push_back(Run{&window, false, ModalResponse::kCancelledByDriver});
  const size_t depth = runs_.size();
  window.orderFront();
  EventLog::Shared().Record(EventKind::kModal, "open " + window.title());
  if (driver_ != nullptr) driver_->driveModal(window);
  // Runs opened inside this one have all ended by now.
  ModalResponse response = runs_.size() >= depth ? runs_[depth - 1].response : ModalResponse::kAbort;
  if (runs_.size() >= depth) runs_.resize(depth - 1);
  window.close();
  EventLog::Shared().Record(EventKind::kModal, "close " + window.title());
  return response;
}

void Application::stopModal() {
  if (runs_.empty() || runs_.back().stopped) return;
  runs_.back().stopped = true;
  runs_.back().response = ModalResponse::kStop;
}

void Application::abortModal() {
  if (runs_.empty() || runs_.back().stopped) return;
  runs_.back().stopped = true;
  runs_.back().response = ModalResponse::kAbort;
}

bool Application::isRunStopped() const { return runs_.empty() || runs_.back().stopped; }

namespace {

std::string AlertLine(const AlertInfo& info) {
  std::string s = info.messageText + " | " + info.informativeText + " | ";
  for (size_t i = 0; i < info.buttons.size(); ++i) {
    if (i) s += ", ";
    s += info.buttons[i];
  }
  if (!info.messageKey.empty() || !info.informativeKey.empty()) {
    s += " | keys: \"" + info.messageKey + "\" \"" + info.informativeKey + "\"";
  }
  return s;
}

}  // namespace

int Application::runAlert(const AlertInfo& in) {
  AlertInfo info = in;
  if (info.buttons.empty()) info.buttons.push_back("OK");
  EventLog::Shared().Record(EventKind::kAlert, AlertLine(info));
  int answer = driver_ ? driver_->answerAlert(info) : 0;
  if (answer < 0 || answer >= static_cast<int>(info.buttons.size())) answer = 0;
  return answer;
}

std::optional<std::string> Application::runFileChooser(const FileChooserInfo& info) {
  std::optional<std::string> chosen = driver_ ? driver_->chooseFile(info) : std::nullopt;
  EventLog::Shared().Record(EventKind::kFileChooser, chosen ? *chosen : std::string("cancelled"));
  return chosen;
}

void Application::beep() {
  ++beeps_;
  EventLog::Shared().Record(EventKind::kBeep, {});
}

void Application::reset() {
  runs_.clear();
  beeps_ = 0;
  delegate_ = nullptr;
  mainWindow_ = nullptr;
  openWindows_.clear();
  terminated_ = false;
}

void Beep() { Application::Shared().beep(); }

}  // namespace zqp
