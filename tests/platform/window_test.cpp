#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "zqp/events.h"
#include "zqp/window.h"

namespace {

using namespace zqp;

// Plays a list of steps; each step is one user action in the current run.
class StepDriver : public ModalDriver {
 public:
  std::deque<std::function<void(Window&)>> steps;
  std::deque<int> answers;
  std::optional<std::string> file;
  std::vector<std::string> seenAlerts;

  void driveModal(Window& w) override {
    while (!Application::Shared().isRunStopped() && !steps.empty()) {
      auto step = steps.front();
      steps.pop_front();
      step(w);
    }
  }
  int answerAlert(const AlertInfo& a) override {
    seenAlerts.push_back(a.informativeText);
    if (answers.empty()) return 0;
    int n = answers.front();
    answers.pop_front();
    return n;
  }
  std::optional<std::string> chooseFile(const FileChooserInfo&) override { return file; }
};

class ModalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::Shared().reset();
    Application::Shared().setDriver(&driver);
    EventLog::Shared().Clear();
  }
  void TearDown() override { Application::Shared().setDriver(nullptr); }
  StepDriver driver;
};

std::vector<std::string> Lines() {
  std::vector<std::string> out;
  for (const auto& e : EventLog::Shared().events()) out.push_back(e.Line());
  return out;
}

TEST_F(ModalTest, NestedRunsEndInnermostFirst) {
  Window outer, inner;
  outer.setTitle("Setup");
  inner.setTitle("Details");
  ModalResponse innerResponse = ModalResponse::kAbort;
  driver.steps.push_back([&](Window& w) {
    EXPECT_EQ(&w, &outer);
    innerResponse = Application::Shared().runModalForWindow(inner);
  });
  driver.steps.push_back([&](Window& w) {
    EXPECT_EQ(&w, &inner);
    EXPECT_EQ(Application::Shared().modalDepth(), 2);
    Application::Shared().stopModal();
  });
  driver.steps.push_back([&](Window& w) {
    EXPECT_EQ(&w, &outer);
    EXPECT_FALSE(inner.isVisible());
    Application::Shared().stopModal();
  });
  EXPECT_EQ(Application::Shared().runModalForWindow(outer), ModalResponse::kStop);
  EXPECT_EQ(innerResponse, ModalResponse::kStop);
  EXPECT_EQ(Application::Shared().modalDepth(), 0);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"modal: open Setup", "modal: open Details",
                                               "modal: close Details", "modal: close Setup"}));
}

TEST_F(ModalTest, DriverOutOfStepsCancelsTheRun) {
  Window w;
  w.setTitle("Input");
  EXPECT_EQ(Application::Shared().runModalForWindow(w), ModalResponse::kCancelledByDriver);
  EXPECT_FALSE(w.isVisible());
  Application::Shared().setDriver(nullptr);
  EXPECT_EQ(Application::Shared().runModalForWindow(w), ModalResponse::kCancelledByDriver);
  // Stopping with no run going is harmless.
  Application::Shared().stopModal();
}

TEST_F(ModalTest, AlertsAreRecordedAndAnswered) {
  Alert a;
  a.setMessageText("");
  a.setInformativeText("Enter a user ID.");
  a.addButtonWithTitle("OK");
  a.addButtonWithTitle("Cancel");
  EXPECT_FALSE(a.setIconFromFile("/nonexistent/AlertIcon.png"));  // still runs
  driver.answers = {1, 7};
  EXPECT_EQ(a.runModal(), 1);
  EXPECT_EQ(a.runModal(), 0);  // out of range counts as the first button
  EXPECT_EQ(a.runModal(), 0);  // unanswered
  Alert bare;
  EXPECT_EQ(bare.runModal(), 0);
  auto lines = Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "alert:  | Enter a user ID. | OK, Cancel");
  EXPECT_EQ(lines[3], "alert:  |  | OK");
}

TEST_F(ModalTest, BeepsAndFileChooser) {
  Beep();
  Beep();
  EXPECT_EQ(Application::Shared().beepCount(), 2);
  EXPECT_EQ(EventLog::Shared().Count(EventKind::kBeep), 2u);
  EXPECT_FALSE(Application::Shared().runFileChooser({}));
  driver.file = "/tmp/picture.png";
  EXPECT_EQ(Application::Shared().runFileChooser({}).value_or(""), "/tmp/picture.png");
}

TEST_F(ModalTest, FirstResponderEndsEditing) {
  Window w;
  auto content = std::make_unique<View>();
  auto* a = static_cast<TextField*>(content->addSubview(std::make_unique<TextField>()));
  auto* b = static_cast<TextField*>(content->addSubview(std::make_unique<TextField>()));
  a->setNextKeyView(b);
  w.setContentView(std::move(content));
  int ended = 0;
  a->setTextDidEndEditing([&](TextField&) { ++ended; });
  ASSERT_TRUE(a->beginEditing(true));
  a->typeText("x");
  EXPECT_TRUE(w.makeFirstResponder(a->nextKeyView()));
  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(a->isEditing());
  Window other;
  EXPECT_FALSE(other.makeFirstResponder(b));
}

}  // namespace
