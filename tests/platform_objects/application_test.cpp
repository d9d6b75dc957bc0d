// The application object: launching from a main nib, the delegate's calls,
// the last window closing, terminate ending the main run loop.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../platform/test_support.h"
#include "zqp/nib_objects.h"
#include "zqp/run_loop.h"
#include "zqp/window.h"

namespace {

class Delegate : public zqp::NibObject, public zqp::ApplicationDelegate {
 public:
  bool setOutlet(const std::string& name, zqp::Object* o) override {
    if (name != "field") return false;
    field = dynamic_cast<zqp::TextField*>(o);
    return field != nullptr;
  }
  void applicationDidFinishLaunching() override {
    ++launches;
    // Everything of the nib is connected and the window is shown by now.
    fieldSeenAtLaunch = field != nullptr;
    windowShownAtLaunch = zqp::Application::Shared().mainWindow() != nullptr &&
                          zqp::Application::Shared().mainWindow()->isVisible();
  }
  bool applicationShouldTerminateAfterLastWindowClosed() override { return quitOnClose; }

  zqp::TextField* field = nullptr;
  int launches = 0;
  bool fieldSeenAtLaunch = false, windowShownAtLaunch = false, quitOnClose = true;
};

class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zqp::Application::Shared().reset();
    zqp::RegisterNibClass("", "ZQTestAppDelegate", [] { return std::make_unique<Delegate>(); });
  }
  void TearDown() override {
    top_.clear();
    zqp::Application::Shared().reset();
  }
  bool launch(const std::string& delegateOutlet, std::string* error = nullptr) {
    const std::string nib = dir_.file("Main.nib", R"({"objects": [
      {"class": "ZQTestAppDelegate", "id": "d", "outlet": ")" + delegateOutlet + R"("},
      {"class": "Window", "id": "w", "title": "Main", "content": {"class": "View", "subviews": [
        {"class": "TextField", "id": "f", "tag": 3}]}},
      {"class": "Window", "id": "second", "outlet": "mainWindow", "title": "Second"}],
      "connections": [{"source": "d", "outlet": "field", "destination": "f"}]})");
    std::string why;
    const bool ok = zqp::Application::Shared().finishLaunching(nib, top_, &why);
    if (error) *error = why;
    delegate_ = ok ? dynamic_cast<Delegate*>(zqp::Application::Shared().delegate()) : nullptr;
    return ok;
  }
  zqp::Window* window(size_t i) { return dynamic_cast<zqp::Window*>(top_[i].get()); }

  zqtest::TempDir dir_;
  std::vector<std::unique_ptr<zqp::Object>> top_;
  Delegate* delegate_ = nullptr;
};

TEST_F(ApplicationTest, LaunchConnectsTheNibBeforeTellingTheDelegate) {
  ASSERT_TRUE(launch("delegate"));
  ASSERT_NE(delegate_, nullptr);
  EXPECT_EQ(delegate_->launches, 1);
  EXPECT_TRUE(delegate_->fieldSeenAtLaunch);
  EXPECT_TRUE(delegate_->windowShownAtLaunch);
  // The nib's "mainWindow" outlet wins over the first window.
  EXPECT_EQ(zqp::Application::Shared().mainWindow(), window(2));
}

TEST_F(ApplicationTest, NibWithoutDelegateIsRefusedAndKeepsNothing) {
  std::string why;
  EXPECT_FALSE(launch("other", &why));
  EXPECT_NE(why.find("delegate"), std::string::npos) << why;
  EXPECT_TRUE(top_.empty());
  EXPECT_EQ(zqp::Application::Shared().delegate(), nullptr);
}

TEST_F(ApplicationTest, ClosingTheLastOpenWindowTerminatesOnlyWhenTheDelegateAsks) {
  ASSERT_TRUE(launch("delegate"));
  zqp::Application& app = zqp::Application::Shared();
  window(1)->orderFront();
  window(2)->close();
  EXPECT_FALSE(app.isTerminated()) << "another window is still open";
  // A modal run's window opening and closing is no last window.
  delegate_->quitOnClose = false;
  window(1)->close();
  EXPECT_FALSE(app.isTerminated());
  delegate_->quitOnClose = true;
  window(1)->orderFront();
  window(1)->close();
  EXPECT_TRUE(app.isTerminated());
  // A window destroyed without being closed ends nothing.
  app.reset();
  {
    zqp::Window w;
    w.orderFront();
  }
  EXPECT_FALSE(app.isTerminated());
}

TEST_F(ApplicationTest, RunServesTheLoopUntilTerminateOrIdle) {
  ASSERT_TRUE(launch("delegate"));
  zqp::Application& app = zqp::Application::Shared();
  int ticks = 0;
  const auto timer = zqp::RunLoop::Main().addTimer(0.01, true, [&] {
    if (++ticks == 3) app.terminate();
  });
  app.run();
  zqp::RunLoop::Main().cancelTimer(timer);
  EXPECT_EQ(ticks, 3);
  EXPECT_TRUE(app.isTerminated());

  app.reset();
  bool idle = false;
  zqp::RunLoop::Main().post([&] { idle = true; });
  app.run([&] { return idle; });
  EXPECT_FALSE(app.isTerminated());
}

}  // namespace
