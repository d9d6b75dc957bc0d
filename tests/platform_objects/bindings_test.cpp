#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../platform/test_support.h"
#include "zqp/bindings.h"
#include "zqp/nib.h"
#include "zqp/nib_objects.h"

namespace {

constexpr zqp::Color kLightGrey{0.8, 0.8, 0.8, 1};

class Model : public zqp::NibObject {
 public:
  Model() {
    field("isAuthenticated", authenticated);
    field("isSupportPassword", supportPassword);
    field("isAdministratorColor", color);
    field("userName", userName);
    field("copies", copies);
    field("mode", mode);
    field("flag", flag);
    defineProperty("fixed", [] { return zqp::KeyValue{std::string("fixed")}; });
  }
  zqp::KeyValue authenticated{false}, supportPassword{false}, color{kLightGrey};
  zqp::KeyValue userName{std::string("guest")}, copies{int64_t{1}}, mode{int64_t{0}}, flag{false};

 private:
  void field(const std::string& key, zqp::KeyValue& slot) {
    defineProperty(key, [&slot] { return slot; }, [&slot](const zqp::KeyValue& v) { slot = v; });
  }
};

class BindingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zqp::RegisterNibClass("", "ZQBindingModel", [] { return std::make_unique<Model>(); });
  }
  // Loads a nib of the model and one view whose subviews are given.
  bool load(const std::string& subviews, std::string* error = nullptr) {
    const std::string path = dir_.file("Bound.nib", R"({"objects": [
      {"class": "ZQBindingModel", "id": "model"},
      {"class": "View", "subviews": [)" + subviews + "]}]}");
    std::string why;
    const bool ok = zqp::LoadNibFile(path, zqp::Outlets{}, top_, &why);
    if (error) *error = why;
    if (ok) {
      model_ = dynamic_cast<Model*>(top_[0].get());
      root_ = dynamic_cast<zqp::View*>(top_[1].get());
    }
    return ok;
  }
  template <class T>
  T* view(int tag) {
    return dynamic_cast<T*>(root_->viewWithTag(tag));
  }

  zqtest::TempDir dir_;
  std::vector<std::unique_ptr<zqp::Object>> top_;
  Model* model_ = nullptr;
  zqp::View* root_ = nullptr;
};

TEST_F(BindingsTest, ValueFollowsTheModelAndThePersonSetsTheModel) {
  ASSERT_TRUE(load(R"(
    {"class": "TextField", "tag": 1, "bindings": {"value": {"to": "model", "keyPath": "userName"}}},
    {"class": "Stepper", "tag": 2, "max": 9, "bindings": {"value": {"to": "model", "keyPath": "copies"}}},
    {"class": "PopUpButton", "tag": 3, "items": ["A", "B", "C"], "bindings": {"value": {"to": "model", "keyPath": "mode"}}},
    {"class": "Button", "type": "check", "tag": 4, "bindings": {"value": {"to": "model", "keyPath": "flag"}}},
    {"class": "TextField", "tag": 5, "bindings": {"value": {"to": "model", "keyPath": "copies"}}})"));
  auto* name = view<zqp::TextField>(1);
  auto* copies = view<zqp::Stepper>(2);
  auto* mode = view<zqp::PopUpButton>(3);
  auto* flag = view<zqp::Button>(4);
  auto* copiesText = view<zqp::TextField>(5);
  // The model's values show at once.
  EXPECT_EQ(name->stringValue(), "guest");
  EXPECT_EQ(copies->integerValue(), 1);
  EXPECT_EQ(copiesText->stringValue(), "1");

  model_->setValueForKey("userName", std::string("alice"));
  model_->setValueForKey("copies", int64_t{4});
  model_->setValueForKey("mode", int64_t{2});
  model_->setValueForKey("flag", true);
  EXPECT_EQ(name->stringValue(), "alice");
  EXPECT_EQ(copies->integerValue(), 4);
  EXPECT_EQ(copiesText->stringValue(), "4");
  EXPECT_EQ(mode->indexOfSelectedItem(), 2);
  EXPECT_EQ(flag->state(), 1);

  // A person's change reaches the model, in the type the model keeps, and
  // every other view bound to the same key.
  ASSERT_TRUE(name->beginEditing(true));
  name->typeText("bob");
  name->endEditing();
  EXPECT_EQ(model_->userName, zqp::KeyValue{std::string("bob")});
  ASSERT_TRUE(copies->userStep(true));
  EXPECT_EQ(model_->copies, zqp::KeyValue{int64_t{5}});
  EXPECT_EQ(copiesText->stringValue(), "5");
  ASSERT_TRUE(mode->userSelect(0));
  EXPECT_EQ(model_->mode, zqp::KeyValue{int64_t{0}});
  ASSERT_TRUE(flag->performClick());
  EXPECT_EQ(model_->flag, zqp::KeyValue{false});
}

TEST_F(BindingsTest, TheModelIsSetBeforeTheActionRuns) {
  ASSERT_TRUE(load(R"({"class": "Button", "type": "check", "tag": 4,
                       "bindings": {"value": {"to": "model", "keyPath": "flag"}}})"));
  auto* flag = view<zqp::Button>(4);
  zqp::KeyValue seen;
  flag->setAction([&](zqp::View&) { seen = model_->flag; });
  ASSERT_TRUE(flag->performClick());
  EXPECT_EQ(seen, zqp::KeyValue{true});
}

TEST_F(BindingsTest, ARefusedChangePutsTheModelsValueBack) {
  ASSERT_TRUE(load(R"(
    {"class": "TextField", "tag": 1, "bindings": {"value": {"to": "model", "keyPath": "copies"}}},
    {"class": "TextField", "tag": 2, "bindings": {"value": {"to": "model", "keyPath": "fixed"}}})"));
  const std::vector<std::string> notWholeNumbers = {"12x", "", "1.5", "99999999999999999999999"};
  for (const std::string& typed : notWholeNumbers) {
    auto* copies = view<zqp::TextField>(1);
    ASSERT_TRUE(copies->beginEditing(true));
    copies->typeText(typed);
    copies->endEditing();
    EXPECT_EQ(model_->copies, zqp::KeyValue{int64_t{1}}) << typed;
    EXPECT_EQ(copies->stringValue(), "1") << typed;
  }
  auto* fixed = view<zqp::TextField>(2);
  ASSERT_TRUE(fixed->beginEditing(true));
  fixed->typeText("other");
  fixed->endEditing();
  EXPECT_EQ(fixed->stringValue(), "fixed");
}

TEST_F(BindingsTest, EnabledHiddenAndEditableFollowABooleanWithOrWithoutNegation) {
  ASSERT_TRUE(load(R"(
    {"class": "Button", "tag": 1, "bindings": {"enabled": {"to": "model", "keyPath": "isAuthenticated"}}},
    {"class": "Button", "tag": 2, "bindings": {"enabled": {"to": "model", "keyPath": "isAuthenticated", "transformer": "negateBoolean"}}},
    {"class": "SecureTextField", "tag": 3, "bindings": {"hidden": {"to": "model", "keyPath": "isSupportPassword", "transformer": "negateBoolean"}}},
    {"class": "Label", "tag": 4, "bindings": {"hidden": {"to": "model", "keyPath": "isSupportPassword"}}},
    {"class": "TextField", "tag": 5, "bindings": {"editable": {"to": "model", "keyPath": "isAuthenticated"}}})"));
  struct Case {
    bool authenticated, supportPassword;
  };
  for (const Case c : {Case{false, false}, Case{true, true}, Case{false, true}, Case{true, false}}) {
    model_->setValueForKey("isAuthenticated", c.authenticated);
    model_->setValueForKey("isSupportPassword", c.supportPassword);
    EXPECT_EQ(root_->viewWithTag(1)->isEnabled(), c.authenticated);
    EXPECT_EQ(root_->viewWithTag(2)->isEnabled(), !c.authenticated);
    EXPECT_EQ(root_->viewWithTag(3)->isHidden(), !c.supportPassword);
    EXPECT_EQ(root_->viewWithTag(4)->isHidden(), c.supportPassword);
    EXPECT_EQ(view<zqp::TextField>(5)->isEditable(), c.authenticated);
  }
}

TEST_F(BindingsTest, TextColourFollowsAColour) {
  ASSERT_TRUE(load(R"({"class": "Label", "tag": 1,
                       "bindings": {"textColor": {"to": "model", "keyPath": "isAdministratorColor"}}})"));
  auto* label = view<zqp::TextField>(1);
  EXPECT_EQ(label->textColor(), kLightGrey);
  model_->setValueForKey("isAdministratorColor", zqp::Color{0, 0, 0, 1});
  EXPECT_EQ(label->textColor(), (zqp::Color{0, 0, 0, 1}));
  // Something that is no colour shows the normal one rather than a stale one.
  model_->setValueForKey("isAdministratorColor", zqp::KeyValue{});
  EXPECT_EQ(label->textColor(), zqp::kControlTextColor);
}

TEST_F(BindingsTest, BindingsEndWithTheirObjects) {
  const std::string views = R"(
    {"class": "TextField", "tag": 1, "bindings": {"value": {"to": "model", "keyPath": "userName"},
                                                  "enabled": {"to": "model", "keyPath": "isAuthenticated"}}})";
  // The views go first: the model changes on without telling them.
  ASSERT_TRUE(load(views));
  top_[1].reset();
  EXPECT_TRUE(model_->setValueForKey("userName", std::string("after")));
  EXPECT_TRUE(model_->setValueForKey("isAuthenticated", true));
  top_.clear();

  // The model goes first: the person's edit stays in the view and reaches
  // nothing.
  ASSERT_TRUE(load(views));
  auto* field = view<zqp::TextField>(1);
  model_->setValueForKey("isAuthenticated", true);
  top_[0].reset();
  ASSERT_TRUE(field->beginEditing(true));
  field->typeText("late");
  field->endEditing();
  EXPECT_EQ(field->stringValue(), "late");
}

TEST_F(BindingsTest, ABadBindingRefusesTheNib) {
  const std::vector<std::string> bad = {
      R"({"class": "Button", "bindings": {"value": {"to": "ghost", "keyPath": "flag"}}})",        // no object
      R"({"class": "Button", "bindings": {"value": {"to": "model", "keyPath": "nothing"}}})",     // no key
      R"({"class": "Button", "bindings": {"textColor": {"to": "model", "keyPath": "flag"}}})",    // not for a button
      R"({"class": "Box", "bindings": {"value": {"to": "model", "keyPath": "flag"}}})",           // a box has no value
      R"({"class": "Button", "bindings": {"enabled": {"to": "model", "keyPath": "flag", "transformer": "upper"}}})",
      R"({"class": "Button", "tag": 9, "id": "b", "bindings": {"enabled": {"to": "b", "keyPath": "flag"}}})",  // not observable
      R"({"class": "Button", "bindings": [1]})",
      R"({"class": "Button", "bindings": {"enabled": "model"}})",
  };
  for (const std::string& views : bad) {
    std::string error;
    EXPECT_FALSE(load(views, &error)) << views;
    EXPECT_NE(error.find("binding"), std::string::npos) << error;
    EXPECT_TRUE(top_.empty());
  }
}

}  // namespace
