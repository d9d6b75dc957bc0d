#include "zqp/test_driver.h"

#include "zqp/utf8.h"

namespace zqp {

ScriptedDriver::ScriptedDriver() : previous_(Application::Shared().driver()) {
  Application::Shared().setDriver(this);
}

ScriptedDriver::~ScriptedDriver() {
  if (Application::Shared().driver() == this) Application::Shared().setDriver(previous_);
}

void ScriptedDriver::driveModal(Window& window) {
  windows_.push_back(window.title());
  while (!Application::Shared().isRunStopped() && !steps_.empty()) {
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step(window);
  }
}

int ScriptedDriver::answerAlert(const AlertInfo& alert) {
  alerts_.push_back(alert);
  if (answers_.empty()) return 0;
  int n = answers_.front();
  answers_.pop_front();
  return n;
}

std::optional<std::string> ScriptedDriver::chooseFile(const FileChooserInfo&) {
  if (files_.empty()) return std::nullopt;
  auto f = std::move(files_.front());
  files_.pop_front();
  return f;
}

bool ScriptedDriver::Click(Window& w, int32_t tag) {
  View* v = w.viewWithTag(tag);
  return v != nullptr && v->kind() == ViewKind::kButton && static_cast<Button*>(v)->performClick();
}

bool ScriptedDriver::Select(Window& w, int32_t tag, int index) {
  View* v = w.viewWithTag(tag);
  return v != nullptr && v->kind() == ViewKind::kPopUp && static_cast<PopUpButton*>(v)->userSelect(index);
}

bool ScriptedDriver::Type(Window& w, int32_t tag, const std::string& text) {
  View* v = w.viewWithTag(tag);
  if (v == nullptr || v->kind() != ViewKind::kTextField) return false;
  auto* f = static_cast<TextField*>(v);
  if (!f->beginEditing(true)) return false;
  size_t keys = 0;
  for (size_t pos = 0; pos < text.size(); ++keys) {
    char32_t cp;
    if (!NextCodePoint(text, pos, cp)) ++pos;
  }
  const bool all = f->typeText(text) == keys;
  f->endEditing();
  return all;
}

}  // namespace zqp
