#pragma once
// A ModalDriver for unit tests: queued user actions for the modal runs,
// queued answers for alerts and file choosers, and a record of what was
// shown. Installs itself for its lifetime.
//
//   zqp::ScriptedDriver d;
//   d.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Type(w, 21, "abc"); });
//   d.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Click(w, 22); });
//   d.answerNextAlert(1);
//   panel->SomethingThatRunsAWindow();
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "zqp/export.h"
#include "zqp/window.h"

namespace zqp {

class ZQP_API ScriptedDriver : public ModalDriver {
 public:
  using Step = std::function<void(Window&)>;

  ScriptedDriver();
  ~ScriptedDriver() override;
  ScriptedDriver(const ScriptedDriver&) = delete;
  ScriptedDriver& operator=(const ScriptedDriver&) = delete;

  // Steps are taken in order by whichever run is innermost; a run takes
  // steps until it is stopped, and is cancelled when none are left.
  void addStep(Step step) { steps_.push_back(std::move(step)); }
  void answerNextAlert(int button) { answers_.push_back(button); }
  void chooseNextFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }

  size_t pendingSteps() const { return steps_.size(); }
  const std::vector<AlertInfo>& alerts() const { return alerts_; }
  const std::vector<std::string>& windowsRun() const { return windows_; }

  void driveModal(Window& window) override;
  int answerAlert(const AlertInfo& alert) override;
  std::optional<std::string> chooseFile(const FileChooserInfo& info) override;

  // User actions on the view with the tag in the window (false when there
  // is no such view of that kind, or it refuses the action).
  static bool Click(Window& w, int32_t tag);
  static bool Select(Window& w, int32_t tag, int index);
  static bool Type(Window& w, int32_t tag, const std::string& text);

 private:
  ModalDriver* previous_;
  std::deque<Step> steps_;
  std::deque<int> answers_;
  std::deque<std::optional<std::string>> files_;
  std::vector<AlertInfo> alerts_;
  std::vector<std::string> windows_;
};

}  // namespace zqp
