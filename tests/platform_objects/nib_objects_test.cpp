#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../platform/test_support.h"
#include "zqp/nib.h"
#include "zqp/nib_objects.h"

namespace {

std::vector<std::string> journal;

class Model : public zqp::NibObject {
 public:
  void awakeFromNib() override { journal.push_back("model awake"); }
};

class Controller : public zqp::NibObject {
 public:
  bool setOutlet(const std::string& name, zqp::Object* object) override {
    if (name == "model") return (model = dynamic_cast<Model*>(object)) != nullptr;
    if (name == "button") return (button = dynamic_cast<zqp::Button*>(object)) != nullptr;
    return false;
  }
  bool respondsToAction(const std::string& action) const override { return action == "login"; }
  void performAction(const std::string& action, zqp::View& sender) override {
    journal.push_back(action + " from " + std::to_string(sender.tag()));
  }
  void awakeFromNib() override {
    journal.push_back(std::string("controller awake: model ") + (model ? "set" : "missing") + ", button " +
                      (button && button->hasAction() ? "wired" : "not wired"));
  }
  Model* model = nullptr;
  zqp::Button* button = nullptr;
};

class NibObjectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    journal.clear();
    zqp::RegisterNibClass("", "ZQTestController", [] { return std::make_unique<Controller>(); });
    zqp::RegisterNibClass("", "ZQTestModel", [] { return std::make_unique<Model>(); });
  }
  std::string nib(const std::string& connections) {
    return dir_.file("Test.nib", R"({"objects": [
      {"class": "ZQTestController", "id": "controller", "outlet": "controller"},
      {"class": "View", "subviews": [{"class": "Button", "tag": 7, "id": "ok", "title": "OK"}]},
      {"class": "ZQTestModel", "id": "model"}],
      "connections": )" + connections + "}");
  }
  zqtest::TempDir dir_;
};

TEST_F(NibObjectsTest, CustomObjectsAreConnectedBeforeAnyAwakes) {
  Controller* owned = nullptr;
  zqp::Outlets owner;
  owner.bind("controller", owned);
  std::vector<std::unique_ptr<zqp::Object>> top;
  std::string error;
  ASSERT_TRUE(zqp::LoadNibFile(nib(R"([
      {"source": "controller", "outlet": "model", "destination": "model"},
      {"source": "controller", "outlet": "button", "destination": "ok"},
      {"source": "ok", "action": "login", "target": "controller"}])"),
                               owner, top, &error))
      << error;
  ASSERT_EQ(top.size(), 3u);
  ASSERT_NE(owned, nullptr);
  EXPECT_EQ(owned->model, top[2].get());
  EXPECT_EQ(journal, (std::vector<std::string>{"controller awake: model set, button wired", "model awake"}));

  ASSERT_TRUE(owned->button->performClick());
  EXPECT_EQ(journal.back(), "login from 7");
  EXPECT_EQ(owned->button->target(), owned);
}

TEST_F(NibObjectsTest, BadConnectionRefusesTheNibAndWakesNobody) {
  const std::vector<std::string> bad = {
      R"([{"source": "controller", "outlet": "model", "destination": "ok"}])",      // wrong class
      R"([{"source": "controller", "outlet": "nothing", "destination": "model"}])",  // no such outlet
      R"([{"source": "ok", "action": "logout", "target": "controller"}])",           // not answered
      R"([{"source": "ok", "action": "login", "target": "model"}])",                 // target does not answer
      R"([{"source": "ghost", "action": "login", "target": "controller"}])",         // unknown object
      R"({"source": "ok"})",                                                          // not a list
  };
  for (const std::string& connections : bad) {
    Controller* owned = nullptr;
    zqp::Outlets owner;
    owner.bind("controller", owned);
    std::vector<std::unique_ptr<zqp::Object>> top;
    std::string error;
    EXPECT_FALSE(zqp::LoadNibFile(nib(connections), owner, top, &error)) << connections;
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(owned, nullptr) << connections;
    EXPECT_TRUE(top.empty());
    EXPECT_TRUE(journal.empty()) << connections;
  }
}

TEST_F(NibObjectsTest, EachBundleHasItsOwnClassNames) {
  zqp::RegisterNibClass("com.zq.a", "Shared", [] { return std::make_unique<Model>(); });
  zqp::RegisterNibClass("com.zq.b", "Shared", [] { return std::make_unique<Controller>(); });
  EXPECT_NE(dynamic_cast<Model*>(zqp::MakeNibObject("com.zq.a", "Shared").get()), nullptr);
  EXPECT_NE(dynamic_cast<Controller*>(zqp::MakeNibObject("com.zq.b", "Shared").get()), nullptr);
  EXPECT_EQ(zqp::MakeNibObject("com.zq.c", "Shared"), nullptr);
  EXPECT_EQ(zqp::MakeNibObject("", "Shared"), nullptr);
}

}  // namespace
