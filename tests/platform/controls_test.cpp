// Controls the later panels rely on: menu items that hide, separate, carry a
// mark or their own action; and the same items read from a nib.
#include <gtest/gtest.h>

#include "test_support.h"
#include "zqp/bundle.h"
#include "zqp/nib.h"
#include "zqp/view.h"

namespace {

using namespace zqp;

TEST(MenuItems, HiddenSeparatorAndCheckedItemsAndPerItemActions) {
  PopUpButton p;
  std::vector<std::string> sent;
  p.setAction([&](View&) { sent.push_back("pop-up"); });
  p.addItemWithTitle("Plain");
  p.menu().items().push_back(MenuItem::Separator());
  p.addItemWithTitle("Secret");
  p.itemAtIndex(2)->hidden = true;
  for (int32_t tag : {7, 8}) {
    MenuItem item("Stamp " + std::to_string(tag));
    item.tag = tag;
    item.state = tag == 8 ? 1 : 0;
    // One handler for both: the sender's tag tells them apart.
    item.action = [&](const MenuItem& sender) { sent.push_back("item " + std::to_string(sender.tag)); };
    p.menu().items().push_back(std::move(item));
  }

  // Autoenabling does not make a separator or a hidden item choosable.
  EXPECT_FALSE(p.userSelect(1));
  EXPECT_FALSE(p.userSelect(2));
  EXPECT_EQ(p.menu().whyNotSelectable(1), "a separator");
  EXPECT_EQ(p.menu().whyNotSelectable(2), "hidden");
  EXPECT_EQ(p.menu().whyNotSelectable(9), "missing");
  EXPECT_EQ(p.indexOfSelectedItem(), 0);
  EXPECT_TRUE(sent.empty());

  EXPECT_TRUE(p.userSelect(4));
  EXPECT_TRUE(p.userSelect(3));
  EXPECT_TRUE(p.userSelect(0));
  EXPECT_EQ(sent, (std::vector<std::string>{"item 8", "item 7", "pop-up"}));

  EXPECT_NE(p.describe().find(R"(items=["Plain", ---, "Secret" (hidden), "Stamp 7" tag=7, "Stamp 8" tag=8 (checked)])"),
            std::string::npos)
      << p.describe();
}

TEST(MenuItems, SubmenuItemsKeepTheirOwnActionAndHiding) {
  PopUpButton p;
  int popUpActions = 0;
  p.setAction([&](View&) { ++popUpActions; });
  p.addItemWithTitle("Paper");
  auto sub = std::make_unique<Menu>();
  sub->items().emplace_back("A4");
  sub->items().emplace_back("Letter");
  sub->items()[1].hidden = true;
  int32_t got = 0;
  sub->items()[0].tag = 44;
  sub->items()[0].action = [&](const MenuItem& sender) { got = sender.tag; };
  p.itemAtIndex(0)->submenu = std::move(sub);
  EXPECT_FALSE(p.userSelectSubmenuItem(0, 1));
  EXPECT_TRUE(p.userSelectSubmenuItem(0, 0));
  EXPECT_EQ(got, 44);
  EXPECT_EQ(popUpActions, 0);
  // Hiding the parent hides its submenu as well.
  p.itemAtIndex(0)->hidden = true;
  EXPECT_FALSE(p.userSelectSubmenuItem(0, 0));
}

TEST(MenuItems, NibItemsCarrySeparatorsHidingAndState) {
  zqtest::TempDir dir;
  const std::string path = dir.file("Menu.nib", R"({"objects": [
    {"class": "PopUpButton", "outlet": "pop", "items": [
      "One", {"separator": true}, {"title": "Two", "hidden": true, "state": 1, "tag": 3}]}]})");
  PopUpButton* pop = nullptr;
  Outlets o;
  o.bind("pop", pop);
  std::vector<std::unique_ptr<Object>> top;
  std::string err;
  ASSERT_TRUE(LoadNibFile(path, o, top, &err)) << err;
  ASSERT_NE(pop, nullptr);
  ASSERT_EQ(pop->numberOfItems(), 3);
  EXPECT_TRUE(pop->itemAtIndex(1)->separator);
  EXPECT_TRUE(pop->itemAtIndex(2)->hidden);
  EXPECT_EQ(pop->itemAtIndex(2)->state, 1);
  EXPECT_EQ(pop->itemAtIndex(2)->tag, 3);

  const std::string bad = dir.file("Bad.nib", R"({"objects": [
    {"class": "PopUpButton", "outlet": "pop", "items": [{"title": "X", "state": 2}]}]})");
  top.clear();
  EXPECT_FALSE(LoadNibFile(bad, o, top, &err));
}

TEST(Controls, SliderStopsOnTickMarksOnlyWhenAsked) {
  Slider s;
  s.setMinValue(0);
  s.setMaxValue(100);
  s.setNumberOfTickMarks(5);  // 0 25 50 75 100
  EXPECT_EQ(s.tickMarkValueAtIndex(4), 100);
  EXPECT_EQ(s.tickMarkValueAtIndex(9), 0);
  ASSERT_TRUE(s.userSlide(37));
  EXPECT_EQ(s.doubleValue(), 37);  // free slide
  s.setAllowsTickMarkValuesOnly(true);
  struct Case {
    double slid, stops;
  } cases[] = {{37, 25}, {38, 50}, {-40, 0}, {400, 100}, {99, 100}};
  for (const auto& c : cases) {
    ASSERT_TRUE(s.userSlide(c.slid));
    EXPECT_EQ(s.doubleValue(), c.stops) << c.slid;
  }
  s.setNumberOfTickMarks(1);  // one mark in the middle
  s.userSlide(90);
  EXPECT_EQ(s.doubleValue(), 50);
  s.setNumberOfTickMarks(-3);  // none: the slide is free again
  s.userSlide(90);
  EXPECT_EQ(s.doubleValue(), 90);
}

TEST(Controls, ProgressTabLabelsAndTextColour) {
  ProgressIndicator pi;
  pi.setMaxValue(4);
  pi.incrementBy(3);
  pi.incrementBy(3);
  EXPECT_EQ(pi.doubleValue(), 4);  // never past the end
  EXPECT_EQ(pi.fraction(), 1);
  pi.setMinValue(4);  // an empty range is no division by zero
  EXPECT_EQ(pi.fraction(), 0);
  pi.setIndeterminate(true);
  pi.startAnimation();
  EXPECT_NE(pi.describe().find("indeterminate animating"), std::string::npos) << pi.describe();

  TabView tabs;
  tabs.addTab("a", "First", std::make_unique<View>());
  EXPECT_TRUE(tabs.setLabel(0, "Erste"));
  EXPECT_FALSE(tabs.setLabel(1, "none"));
  EXPECT_NE(tabs.describe().find(R"(items=["Erste"])"), std::string::npos) << tabs.describe();

  TextView tv;
  tv.setTextColor(Color{1, 0, 0, 1});
  EXPECT_NE(tv.describe().find("color=1 0 0 1"), std::string::npos) << tv.describe();
}

TEST(Controls, NibSlidersProgressAndColouredText) {
  zqtest::TempDir dir;
  const std::string path = dir.file("Controls.nib", R"({"objects": [{"class": "View", "outlet": "root", "subviews": [
    {"class": "Slider", "tag": 1, "tickMarks": 3, "stopOnTickMarks": true},
    {"class": "ProgressIndicator", "tag": 2, "max": 10, "value": 4},
    {"class": "TextView", "tag": 3, "color": [0, 0, 1, 1]}]}]})");
  View* root = nullptr;
  Outlets o;
  o.bind("root", root);
  std::vector<std::unique_ptr<Object>> top;
  std::string err;
  ASSERT_TRUE(LoadNibFile(path, o, top, &err)) << err;
  EXPECT_EQ(root->viewWithTag(1)->describe(), "Slider tag=1 enabled value=0 ticks=3 stops-on-ticks");
  EXPECT_EQ(root->viewWithTag(2)->describe(), "ProgressIndicator tag=2 enabled value=4 range=0..10");
  EXPECT_EQ(static_cast<TextView*>(root->viewWithTag(3))->textColor(), (Color{0, 0, 1, 1}));
}

TEST(BundleInfo, ListsAndDictionariesAreKept) {
  zqtest::TempDir dir;
  dir.file("Info.plugin/Info.json", R"({"CFBundleIdentifier": "com.zq.test.infovalues",
    "Kinds": ["a", 2, true, null], "Pages": {"First": {"Tray": "2"}, "Count": 3},
    "Deep": )" + std::string(200, '[') + std::string(200, ']') + "}");
  std::string err;
  zqp::Bundle* b = zqp::Bundle::Open(dir.path() + "/Info.plugin", &err);
  ASSERT_NE(b, nullptr) << err;
  const zqp::InfoValue* kinds = b->infoObject("Kinds");
  ASSERT_NE(kinds, nullptr);
  ASSERT_EQ(kinds->type, zqp::InfoValue::Type::kArray);
  ASSERT_EQ(kinds->array.size(), 4u);
  EXPECT_EQ(kinds->array[0].text, "a");
  EXPECT_EQ(kinds->array[1].type, zqp::InfoValue::Type::kNumber);
  EXPECT_EQ(kinds->array[1].text, "2");
  EXPECT_EQ(kinds->array[2].text, "true");
  EXPECT_EQ(kinds->array[3].type, zqp::InfoValue::Type::kNull);
  const zqp::InfoValue* pages = b->infoObject("Pages");
  ASSERT_NE(pages, nullptr);
  ASSERT_NE(pages->find("First"), nullptr);
  ASSERT_NE(pages->find("First")->find("Tray"), nullptr);
  EXPECT_EQ(pages->find("First")->find("Tray")->text, "2");
  EXPECT_EQ(pages->find("Missing"), nullptr);
  EXPECT_EQ(kinds->find("a"), nullptr);  // a list has no keys
  // Text lookups stay text only.
  EXPECT_EQ(b->infoValue("Pages"), "");
  EXPECT_EQ(b->infoObject("Missing"), nullptr);
  // Nesting beyond any sensible depth is cut, not followed down the stack.
  EXPECT_NE(b->infoObject("Deep"), nullptr);
}

}  // namespace
