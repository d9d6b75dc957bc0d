// An application run headless by the script: the run loop's calls reach the
// application between the script's lines, also inside a modal window.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "test_support.h"
#include "zqp/app_runner.h"
#include "zqp/nib_objects.h"
#include "zqp/run_loop.h"
#include "zqp/script.h"
#include "zqp/window.h"

namespace {

class RunnerDelegate : public zqp::NibObject, public zqp::ApplicationDelegate {
 public:
  bool setOutlet(const std::string& name, zqp::Object* o) override {
    if (name == "sheet") return (sheet = dynamic_cast<zqp::Window*>(o)) != nullptr;
    if (name == "status") return (status = dynamic_cast<zqp::TextField*>(o)) != nullptr;
    if (name == "inner") return (inner = dynamic_cast<zqp::TextField*>(o)) != nullptr;
    return false;
  }
  bool respondsToAction(const std::string& a) const override { return a == "open:" || a == "close:"; }
  void performAction(const std::string& a, zqp::View&) override {
    if (a == "close:") {
      zqp::Application::Shared().stopModal();
      return;
    }
    // Posted now, delivered while the modal window runs.
    zqp::RunLoop::Main().post([this] { inner->setStringValue("delivered"); });
    zqp::Application::Shared().runModalForWindow(*sheet);
    status->setStringValue("back");
  }
  void applicationDidFinishLaunching() override { status->setStringValue("launched"); }

  zqp::Window* sheet = nullptr;
  zqp::TextField *status = nullptr, *inner = nullptr;
};

int RunScript(const zqtest::TempDir& dir, const std::string& script, std::string& transcript) {
  zqp::RegisterNibClass("", "ZQRunnerDelegate", [] { return std::make_unique<RunnerDelegate>(); });
  const std::string nib = dir.file("Main.nib", R"({"objects": [
    {"class": "ZQRunnerDelegate", "id": "d", "outlet": "delegate"},
    {"class": "Window", "title": "Main", "content": {"class": "View", "subviews": [
      {"class": "Button", "id": "open", "identifier": "open", "title": "Open"},
      {"class": "Label", "id": "status", "identifier": "status", "string": ""}]}},
    {"class": "Window", "id": "sheet", "title": "Inner", "content": {"class": "View", "subviews": [
      {"class": "Label", "id": "inner", "identifier": "inner", "string": "waiting"},
      {"class": "Button", "id": "close", "identifier": "close", "title": "Close"}]}}],
    "connections": [
      {"source": "d", "outlet": "sheet", "destination": "sheet"},
      {"source": "d", "outlet": "status", "destination": "status"},
      {"source": "d", "outlet": "inner", "destination": "inner"},
      {"source": "open", "action": "open:", "target": "d"},
      {"source": "close", "action": "close:", "target": "d"}]})");
  const std::string scriptPath = dir.file("script", script);
  const char* argv[] = {"app", "--script", scriptPath.c_str(), nullptr};
  testing::internal::CaptureStderr();
  const int status = zqp::RunApplication("app", nib, 3, const_cast<char**>(argv));
  transcript = testing::internal::GetCapturedStderr();
  zqp::Application::Shared().reset();
  return status;
}

TEST(AppRunner, ScriptActsInTheMainWindowAndTheLoopServesModalRuns) {
  zqtest::TempDir dir;
  std::string t;
  EXPECT_EQ(RunScript(dir, "dump #status\nclick #open\ndump #inner\nclick #close\ndump #status\n", t), 0) << t;
  EXPECT_NE(t.find("app: launched\n"), std::string::npos) << t;
  EXPECT_NE(t.find("value=\"launched\""), std::string::npos) << t;
  EXPECT_NE(t.find("modal: open Inner"), std::string::npos) << t;
  EXPECT_NE(t.find("value=\"delivered\""), std::string::npos) << "the posted call ran inside the modal run\n" << t;
  EXPECT_NE(t.find("value=\"back\""), std::string::npos) << t;
}

// An application has no panels, ticket or PPD: the dialog's commands are
// neither listed nor run, and one in a script stops it like any unknown one.
TEST(AppRunner, OnlyTheApplicationsCommandsAreListedAndRun) {
  zqtest::TempDir dir;
  std::string t;
  EXPECT_EQ(RunScript(dir, "commands\nprint\n", t), 2);
  EXPECT_NE(t.find("\n  click TAG "), std::string::npos) << t;
  EXPECT_EQ(t.find("\n  print "), std::string::npos) << t;
  EXPECT_NE(t.find("script error: line 2: unknown command \"print\""), std::string::npos) << t;
}

TEST(AppRunner, ScriptErrorsAndAWindowLeftOpenFailTheRun) {
  zqtest::TempDir dir;
  std::string t;
  EXPECT_EQ(RunScript(dir, "click #nothing\n", t), 2);
  EXPECT_NE(t.find("script error: line 1: no view #nothing in window \"Main\""), std::string::npos) << t;
  EXPECT_EQ(RunScript(dir, "click #open\n", t), 2);
  EXPECT_NE(t.find("script ended inside the open modal window \"Inner\""), std::string::npos) << t;
  // The call that run posted for its modal window never ran; it must not
  // run in the next application of the process, whose objects are others.
  EXPECT_EQ(RunScript(dir, "dump #status\n", t), 0) << t;
  EXPECT_EQ(t.find("delivered"), std::string::npos) << t;
}

TEST(ScriptLinesTest, CrLfAndCrAloneEndLinesAlike) {
  const std::vector<std::string> expected{"panel A", "show", "", "print"};
  EXPECT_EQ(zqp::ScriptLines("panel A\nshow\n\nprint\n"), expected);
  EXPECT_EQ(zqp::ScriptLines("panel A\r\nshow\r\n\r\nprint\r\n"), expected);
  EXPECT_EQ(zqp::ScriptLines("panel A\rshow\r\rprint"), expected);
}

}  // namespace
