#include <gtest/gtest.h>

#include "zqp/events.h"
#include "zqp/system.h"
#include "zqp/utf8.h"
#include "zqp/view.h"
#include "zqp/window.h"

namespace {

using namespace zqp;

TEST(View, TreeTagsAndInputRefusal) {
  View root;
  auto* box = static_cast<Box*>(root.addSubview(std::make_unique<Box>()));
  box->setTag(5);
  auto* button = static_cast<Button*>(box->addSubview(std::make_unique<Button>(ButtonType::kCheck)));
  button->setTag(7);
  int actions = 0;
  button->setAction([&](View&) { ++actions; });

  EXPECT_EQ(root.viewWithTag(7), button);
  EXPECT_EQ(root.viewWithTag(99), nullptr);
  EXPECT_TRUE(button->performClick());
  EXPECT_EQ(button->state(), 1);
  // Hiding the box hides the button within; a disabled button refuses too.
  box->setHidden(true);
  EXPECT_FALSE(button->performClick());
  box->setHidden(false);
  button->setEnabled(false);
  EXPECT_FALSE(button->performClick());
  EXPECT_EQ(actions, 1);
  EXPECT_EQ(button->state(), 1);
  // Code may still send the action.
  EXPECT_TRUE(button->sendAction());
  EXPECT_EQ(actions, 2);
}

TEST(PopUpButton, PerItemEnablingNeedsAutoenablingOff) {
  PopUpButton p;
  p.addItemWithTitle("None", "Job Type None");
  p.addItemWithTitle("Secure", "Job Type Secure");
  EXPECT_EQ(p.indexOfSelectedItem(), 0);
  int actions = 0;
  p.setAction([&](View&) { ++actions; });

  p.itemAtIndex(1)->enabled = false;
  EXPECT_TRUE(p.userSelect(1));  // automatic enabling ignores the flag
  p.setAutoenablesItems(false);
  p.selectItemAtIndex(0);
  EXPECT_FALSE(p.userSelect(1));
  EXPECT_FALSE(p.userSelect(2));
  EXPECT_EQ(p.indexOfSelectedItem(), 0);
  EXPECT_EQ(actions, 1);
  EXPECT_EQ(p.indexOfItemWithRepresentedObject("Job Type Secure"), 1);
  EXPECT_NE(p.describe().find("\"Secure\" (disabled)"), std::string::npos);

  // Items with submenus are chosen through the submenu.
  p.itemAtIndex(0)->submenu = std::make_unique<Menu>();
  p.itemAtIndex(0)->submenu->items().emplace_back("A4");
  EXPECT_FALSE(p.userSelect(0));
  EXPECT_TRUE(p.userSelectSubmenuItem(0, 0));
  EXPECT_EQ(p.indexOfSelectedSubmenuItem(), 0);
  EXPECT_FALSE(p.userSelectSubmenuItem(0, 1));
  p.removeAllItems();
  EXPECT_EQ(p.indexOfSelectedItem(), -1);
  EXPECT_EQ(p.titleOfSelectedItem(), "");
}

// Accepts digits only, at most four, and beeps on a refusal, as the
// extensions' number formatters do.
class DigitsFormatter : public Formatter {
 public:
  bool isPartialStringValid(const std::string& partial, std::string*, std::string* error) override {
    bool ok = partial.size() <= 4 && partial.find_first_not_of("0123456789") == std::string::npos;
    if (!ok) {
      if (error) *error = "String too long.";
      Beep();
    }
    return ok;
  }
  std::optional<std::string> stringForObjectValue(const std::string& object) override {
    return object.empty() ? object : std::to_string(std::stoi(object));
  }
};

TEST(TextField, TypingGoesThroughTheFormatter) {
  Window w;
  auto content = std::make_unique<View>();
  auto* field = static_cast<TextField*>(content->addSubview(std::make_unique<TextField>()));
  w.setContentView(std::move(content));
  field->setFormatter(std::make_shared<DigitsFormatter>());
  field->setStringValue("0042");  // code goes through the conversion as well
  EXPECT_EQ(field->stringValue(), "42");

  int changes = 0, actions = 0;
  field->setTextDidChange([&](TextField&) { ++changes; });
  field->setAction([&](View&) { ++actions; });
  const int beeps = Application::Shared().beepCount();
  ASSERT_TRUE(field->beginEditing(/*replace=*/true));
  EXPECT_EQ(w.firstResponder(), field);
  EXPECT_EQ(field->typeText("12a345"), 4u);  // "a" and the fifth digit refused
  EXPECT_EQ(field->stringValue(), "1234");
  EXPECT_EQ(Application::Shared().beepCount() - beeps, 2);
  EXPECT_EQ(changes, 4);
  field->endEditing();
  EXPECT_EQ(actions, 1);

  field->setEditable(false);
  EXPECT_FALSE(field->beginEditing(true));
  EXPECT_EQ(field->typeKey("9"), false);
}

TEST(TextField, SecureFieldDumpsMaskAndLabelsAreNotEditable) {
  TextField secure;
  secure.setSecure(true);
  secure.setStringValue("p\xC3\xA4ss");
  EXPECT_EQ(secure.stringValue(), "p\xC3\xA4ss");
  EXPECT_NE(secure.describe().find("value=\"****\""), std::string::npos);
  TextField label;
  label.setEditable(false);
  label.setBezeled(false);
  EXPECT_TRUE(label.isLabel());
  EXPECT_EQ(label.className(), "Label");
}

TEST(Stepper, StaysAtItsEndsButStillReports) {
  Stepper s;
  s.setMinValue(1);
  s.setMaxValue(3);
  s.setIncrement(2);
  s.setIntegerValue(2);
  int actions = 0;
  s.setAction([&](View&) { ++actions; });
  EXPECT_TRUE(s.userStep(true));
  EXPECT_EQ(s.integerValue(), 3);
  EXPECT_TRUE(s.userStep(true));
  EXPECT_EQ(s.integerValue(), 3);
  EXPECT_EQ(actions, 2);
  s.setIntegerValue(-40);
  EXPECT_EQ(s.integerValue(), 1);
}

TEST(Slider, ColorWellAndTable) {
  Slider sl;
  sl.setMinValue(-10);
  sl.setMaxValue(10);
  EXPECT_TRUE(sl.userSlide(25));
  EXPECT_EQ(sl.integerValue(), 10);

  ColorWell cw;
  EXPECT_TRUE(cw.userSetColor({2, 0.5, -1, 1}));
  EXPECT_EQ(cw.color(), (Color{1, 0.5, 0, 1}));

  struct Rows : TableDataSource {
    int n = 3;
    int numberOfRows() override { return n; }
    std::string objectValue(const std::string& c, int r) override { return c + std::to_string(r); }
    std::string toolTip(const std::string&, int r) override { return "tip" + std::to_string(r); }
  } rows;
  TableView t;
  t.setDataSource(&rows);
  int doubles = 0;
  t.setDoubleAction([&](View&) { ++doubles; });
  t.setAllowsMultipleSelection(true);
  EXPECT_TRUE(t.userSelectRow(2, false));
  EXPECT_TRUE(t.userSelectRow(0, true));
  EXPECT_EQ(t.selectedRows(), (std::vector<int>{0, 2}));
  EXPECT_FALSE(t.userSelectRow(3, false));
  EXPECT_EQ(t.cell("name", 1), "name1");
  EXPECT_EQ(t.toolTipAt("name", 2), "tip2");
  rows.n = 1;
  t.reloadData();
  EXPECT_EQ(t.selectedRows(), (std::vector<int>{0}));
  EXPECT_TRUE(t.userDoubleClick(0));
  EXPECT_EQ(doubles, 1);
}

TEST(TabView, OnlyTheSelectedTabShows) {
  TabView tabs;
  tabs.addTab("a", "First", std::make_unique<View>());
  tabs.addTab("b", "Second", std::make_unique<View>());
  EXPECT_EQ(tabs.indexOfSelectedTab(), 0);
  EXPECT_TRUE(tabs.items()[1].view->isHidden());
  EXPECT_TRUE(tabs.userSelectTab(1));
  EXPECT_TRUE(tabs.items()[0].view->isHidden());
  EXPECT_FALSE(tabs.items()[1].view->isHidden());
  EXPECT_FALSE(tabs.userSelectTab(2));
}

TEST(DatePicker, SetsTimeOfDayInTheLocalZone) {
  SetTimeZone("Asia/Kolkata");
  DatePicker d;
  d.setDateValue(0);  // 05:30 local
  EXPECT_EQ(d.hour(), 5);
  EXPECT_EQ(d.minute(), 30);
  EXPECT_TRUE(d.userSetTime(14, 5));
  EXPECT_EQ(d.hour(), 14);
  EXPECT_EQ(d.minute(), 5);
  EXPECT_EQ(d.dateValue(), (14 * 60 + 5 - 330) * 60);
  EXPECT_FALSE(d.userSetTime(24, 0));
  EXPECT_NE(d.describe().find("value=14:05"), std::string::npos);
  SetTimeZone("");
}

}  // namespace
