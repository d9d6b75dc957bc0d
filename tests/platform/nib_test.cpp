#include <gtest/gtest.h>

#include "test_support.h"
#include "zqp/nib.h"

namespace {

using namespace zqp;

const char* kPanelNib = R"({"objects": [
  {"class": "View", "outlet": "panelView", "frame": [0, 0, 400, 300], "subviews": [
    {"class": "PopUpButton", "tag": 101, "outlet": "typeList", "autoenablesItems": false,
     "items": ["None", {"title": "Secure", "represented": "Job Type Secure", "enabled": false},
               {"title": "Paper", "submenu": ["A4", "Letter"]}]},
    {"class": "SecureTextField", "tag": 102, "id": "pass", "nextKeyView": "name"},
    {"class": "TextField", "tag": 103, "outlet": "name", "string": "abc"},
    {"class": "Box", "title": "Group", "subviews": [
      {"class": "Button", "type": "radio", "tag": 104, "title": "One", "state": 1},
      {"class": "Stepper", "tag": 105, "min": 1, "max": 9, "value": 4}]},
    {"class": "ImageView", "tag": 106, "image": "AlertIcon.png"},
    {"class": "TabView", "tag": 107, "tabs": [{"label": "A", "view": {"class": "Label", "tag": 108, "string": "in tab"}}]}
  ]},
  {"class": "Window", "outlet": "detail", "title": "Details", "initialFirstResponder": "ok",
   "content": {"class": "View", "subviews": [{"class": "Button", "tag": 21, "id": "ok", "title": "OK"}]}}
]})";

struct Owner {
  View* panelView = nullptr;
  PopUpButton* typeList = nullptr;
  TextField* name = nullptr;
  Window* detail = nullptr;
  Outlets outlets() {
    Outlets o;
    o.bind("panelView", panelView);
    o.bind("typeList", typeList);
    o.bind("name", name);
    o.bind("detail", detail);
    return o;
  }
};

TEST(Nib, LoadsViewsWindowsAndOutlets) {
  zqtest::TempDir dir;
  dir.file("AlertIcon.png", "png");
  const std::string path = dir.file("Panel.nib", kPanelNib);
  Owner owner;
  std::vector<std::unique_ptr<Object>> top;
  std::string err;
  ASSERT_TRUE(LoadNibFile(path, owner.outlets(), top, &err)) << err;
  ASSERT_EQ(top.size(), 2u);
  ASSERT_NE(owner.panelView, nullptr);
  EXPECT_EQ(owner.panelView, top[0].get());
  EXPECT_EQ(owner.typeList, owner.panelView->viewWithTag(101));
  EXPECT_FALSE(owner.typeList->menu().isItemEffectivelyEnabled(1));
  EXPECT_EQ(owner.typeList->itemAtIndex(1)->representedObject, "Job Type Secure");
  EXPECT_EQ(owner.typeList->itemAtIndex(2)->submenu->numberOfItems(), 2);
  auto* pass = static_cast<TextField*>(owner.panelView->viewWithTag(102));
  EXPECT_TRUE(pass->isSecure());
  EXPECT_EQ(pass->nextKeyView(), owner.name);
  EXPECT_EQ(owner.name->stringValue(), "abc");
  EXPECT_EQ(static_cast<Button*>(owner.panelView->viewWithTag(104))->state(), 1);
  EXPECT_EQ(static_cast<Stepper*>(owner.panelView->viewWithTag(105))->integerValue(), 4);
  EXPECT_NE(static_cast<ImageView*>(owner.panelView->viewWithTag(106))->image(), nullptr);
  EXPECT_NE(owner.panelView->viewWithTag(108), nullptr);  // views inside tabs are found too
  ASSERT_NE(owner.detail, nullptr);
  EXPECT_EQ(owner.detail->title(), "Details");
  EXPECT_EQ(owner.detail->initialFirstResponder(), owner.detail->viewWithTag(21));
  EXPECT_EQ(owner.detail->viewWithTag(21)->window(), owner.detail);
}

TEST(Nib, BadNibsFailWithoutTouchingTheOwner) {
  zqtest::TempDir dir;
  struct Case {
    const char* json;
    const char* message;
  } cases[] = {
      {R"({"objects": [{"class": "Spinner", "tag": 1}]})", "unknown class \"Spinner\""},
      {R"({"objects": [{"class": "View", "outlet": "panelView"}, {"class": "Buton"}]})", "object 1"},
      {R"({"objects": [{"class": "View", "tag": "ten"}]})", "\"tag\" must be a 32-bit integer"},
      {R"({"objects": [{"class": "View", "outlet": "panelView"}, {"class": "Button", "outlet": "typeList"}]})",
       "outlet \"typeList\" is of another class"},
      {R"({"objects": [{"class": "View", "outlet": "panelView", "nextKeyView": "nowhere"}]})", "no view named"},
      {R"({"views": []})", "no \"objects\" list"},
      {R"({"objects": [)", "damaged JSON"},
  };
  for (const auto& c : cases) {
    Owner owner;
    std::vector<std::unique_ptr<Object>> top;
    std::string err;
    EXPECT_FALSE(LoadNibFile(dir.file("Bad.nib", c.json), owner.outlets(), top, &err)) << c.json;
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    EXPECT_EQ(owner.panelView, nullptr) << c.json;
    EXPECT_TRUE(top.empty());
  }
  Owner owner;
  std::vector<std::unique_ptr<Object>> top;
  std::string err;
  EXPECT_FALSE(LoadNibFile(dir.path() + "/Missing.nib", owner.outlets(), top, &err));
  EXPECT_NE(err.find("Missing.nib"), std::string::npos);
}

}  // namespace
