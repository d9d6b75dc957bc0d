#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "zqp/events.h"
#include "zqp/test_driver.h"
#include "zqp/window.h"

namespace {

using namespace zqp;

class ModalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::Shared().reset();
    EventLog::Shared().Clear();
  }
  ScriptedDriver driver;
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
  driver.addStep([&](Window& w) {
    EXPECT_EQ(&w, &outer);
    innerResponse = Application::Shared().runModalForWindow(inner);
  });
  driver.addStep([&](Window& w) {
    EXPECT_EQ(&w, &inner);
    EXPECT_EQ(Application::Shared().modalDepth(), 2);
    Application::Shared().stopModal();
  });
  driver.addStep([&](Window& w) {
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
  EXPECT_EQ(driver.windowsRun(), std::vector<std::string>{"Input"});
  Application::Shared().setDriver(nullptr);
  EXPECT_EQ(Application::Shared().runModalForWindow(w), ModalResponse::kCancelledByDriver);
  Application::Shared().setDriver(&driver);
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
  driver.answerNextAlert(1);
  driver.answerNextAlert(7);
  EXPECT_EQ(a.runModal(), 1);
  EXPECT_EQ(a.runModal(), 0);  // out of range counts as the first button
  EXPECT_EQ(a.runModal(), 0);  // unanswered
  Alert bare;
  EXPECT_EQ(bare.runModal(), 0);
  ASSERT_EQ(driver.alerts().size(), 4u);
  EXPECT_EQ(driver.alerts()[3].buttons, std::vector<std::string>{"OK"});
  auto lines = Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "alert:  | Enter a user ID. | OK, Cancel");
  EXPECT_EQ(lines[3], "alert:  |  | OK");
}

TEST_F(ModalTest, DriversNestAndRestoreTheirPredecessor) {
  {
    ScriptedDriver inner;
    EXPECT_EQ(Application::Shared().driver(), &inner);
  }
  EXPECT_EQ(Application::Shared().driver(), &driver);
}

TEST_F(ModalTest, BeepsAndFileChooser) {
  Beep();
  Beep();
  EXPECT_EQ(Application::Shared().beepCount(), 2);
  EXPECT_EQ(EventLog::Shared().Count(EventKind::kBeep), 2u);
  EXPECT_FALSE(Application::Shared().runFileChooser({}));
  driver.chooseNextFile("/tmp/picture.png");
  EXPECT_EQ(Application::Shared().runFileChooser({}).value_or(""), "/tmp/picture.png");
}

TEST_F(ModalTest, FirstResponderEndsEditing) {
  Window w;
  auto content = std::make_unique<View>();
  auto* a = static_cast<TextField*>(content->addSubview(std::make_unique<TextField>()));
  auto* b = static_cast<TextField*>(content->addSubview(std::make_unique<TextField>()));
  b->setTag(2);
  a->setNextKeyView(b);
  w.setContentView(std::move(content));
  EXPECT_TRUE(ScriptedDriver::Type(w, 2, "\xC3\xA9t\xC3\xA9"));
  EXPECT_EQ(b->stringValue(), "\xC3\xA9t\xC3\xA9");
  EXPECT_FALSE(ScriptedDriver::Click(w, 2));  // not a button
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
