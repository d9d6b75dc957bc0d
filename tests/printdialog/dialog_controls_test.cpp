// What a script can and cannot do to the newer controls, through the dialog.
#include <gtest/gtest.h>

#include <sstream>

#include "../platform/test_support.h"
#include "dialog.h"
#include "zqp/ppd.h"
#include "zqp/view.h"

namespace {

class ControlsPanel : public zqp::Panel {
 public:
  explicit ControlsPanel(std::vector<std::string>& calls) {
    auto popUp = std::make_unique<zqp::PopUpButton>();
    popUp->setTag(1);
    popUp->addItemWithTitle("Plain");
    popUp->menu().items().push_back(zqp::MenuItem::Separator());
    popUp->addItemWithTitle("Secret");
    popUp->itemAtIndex(2)->hidden = true;
    popUp->addItemWithTitle("Stamp");
    popUp->itemAtIndex(3)->tag = 30;
    popUp->itemAtIndex(3)->action = [&calls](const zqp::MenuItem& sender) {
      calls.push_back("item " + std::to_string(sender.tag));
    };
    zqp::View* pop = view_.addSubview(std::move(popUp));
    // Tab order: pop-up -> disabled field (skipped) -> OK -> pop-up.
    auto field = std::make_unique<zqp::TextField>();
    field->setTag(2);
    field->setEnabled(false);
    auto ok = std::make_unique<zqp::Button>();
    ok->setTag(3);
    ok->setTitle("OK");
    ok->setKeyEquivalent("\r");
    ok->setAction([&calls](zqp::View&) { calls.push_back("OK"); });
    zqp::View* f = view_.addSubview(std::move(field));
    zqp::View* b = view_.addSubview(std::move(ok));
    pop->setNextKeyView(f);
    f->setNextKeyView(b);
    b->setNextKeyView(pop);
    // Built in code with neither tag nor identifier: a pull-down whose first
    // item is its title, and a note of several lines.
    auto pullDown = std::make_unique<zqp::PopUpButton>();
    pullDown->setPullsDown(true);
    pullDown->addItemWithTitle("Add");
    pullDown->addItemWithTitle("Cover");
    pullDown->addItemWithTitle("Add");
    pullDown->setAction([&calls](zqp::View& v) {
      calls.push_back("add " + std::to_string(static_cast<zqp::PopUpButton&>(v).indexOfSelectedItem()));
    });
    view_.addSubview(std::move(pullDown));
    auto note = std::make_unique<zqp::TextView>();
    note->setString("line one\nline \"two\"");
    view_.addSubview(std::move(note));
  }
  zqp::View* panelView() override { return &view_; }
  std::string panelName() override { return "C"; }
  std::string panelKind() override { return "com.zq.test.controls"; }
  bool restoreValuesAndReturnError(std::string*) override { return true; }
  bool saveValuesAndReturnError(std::string*) override { return true; }

 private:
  zqp::View view_;
};

class DialogControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ppd_ = zqp::PpdFile::Open(dir_.file("c.ppd", zqtest::SamplePpd()), nullptr);
    ASSERT_TRUE(ppd_);
    host_ = std::make_unique<zqp::Host>(ppd_->get());
  }
  // Runs the lines on a fresh dialog; answers the error, empty when none.
  std::string Run(const std::vector<std::string>& lines) {
    printdialog::Dialog d(*host_, out_);
    d.AddPanel(std::make_unique<ControlsPanel>(calls_));
    std::vector<std::string> all{"panel C", "show"};
    all.insert(all.end(), lines.begin(), lines.end());
    try {
      d.Run(all);
    } catch (const zqp::ScriptError& e) {
      return e.message;
    }
    return {};
  }

  zqtest::TempDir dir_;
  std::unique_ptr<zqp::PpdFile> ppd_;
  std::unique_ptr<zqp::Host> host_;
  std::ostringstream out_;
  std::vector<std::string> calls_;
};

TEST_F(DialogControlsTest, HiddenItemsAndSeparatorsCannotBeChosen) {
  EXPECT_EQ(Run({"select 1 \"Stamp\"", "dump 1"}), "");
  EXPECT_EQ(calls_, (std::vector<std::string>{"item 30"}));
  EXPECT_NE(out_.str().find("---, \"Secret\" (hidden)"), std::string::npos) << out_.str();

  struct Case {
    const char* line;
    const char* why;
  } cases[] = {{"select 1 \"Secret\"", "is hidden"}, {"select 1 2", "is hidden"}, {"select 1 1", "is a separator"}};
  for (const auto& c : cases) {
    const std::string err = Run({c.line});
    EXPECT_NE(err.find(c.why), std::string::npos) << c.line << ": " << err;
    EXPECT_NE(err.find("line 3: "), std::string::npos) << err;
  }
  EXPECT_EQ(calls_.size(), 1u);
}

TEST_F(DialogControlsTest, PullDownsKeepTheirTitleAndUnnamedViewsGetAnIdentifier) {
  // Made-up identifiers name the views built in code; the pull-down's title
  // item is never a choice, but an item repeating its title is.
  EXPECT_EQ(Run({"dump-tree", "select #PopUpButton-3 Cover", "select #PopUpButton-3 Add", "dump #PopUpButton-3"}), "");
  EXPECT_EQ(calls_, (std::vector<std::string>{"add 1", "add 2"}));
  const std::string out = out_.str();
  EXPECT_NE(out.find("tree:   PopUpButton #PopUpButton-3 tag=0 enabled pullsDown selected=0"), std::string::npos) << out;
  EXPECT_NE(out.find("dump: PopUpButton #PopUpButton-3 tag=0 enabled pullsDown selected=2"), std::string::npos) << out;
  // One view, one line, whatever its text holds.
  EXPECT_NE(out.find("tree:   TextView #TextView-4 tag=0 enabled value=\"line one\\nline \\\"two\\\"\""), std::string::npos)
      << out;

  EXPECT_NE(Run({"select #PopUpButton-3 0"}).find("is the pull-down's title"), std::string::npos);
  EXPECT_EQ(calls_.size(), 2u);
}

TEST_F(DialogControlsTest, TabSkipsWhatCannotTakeInputAndReturnPressesTheDefaultButton) {
  EXPECT_EQ(Run({"key 1 tab", "key 1 backtab", "key 3 return", "key 3 escape", "focus 2"}), "");
  const std::string out = out_.str();
  EXPECT_NE(out.find("focus: Button tag=3 enabled title=\"OK\" default\nfocus: Button tag=3"), std::string::npos) << out;
  EXPECT_NE(out.find("key: return presses \"OK\""), std::string::npos) << out;
  EXPECT_NE(out.find("key: escape presses no button in panel C"), std::string::npos) << out;
  EXPECT_NE(out.find("ignored: 2 disabled"), std::string::npos) << out;
  EXPECT_EQ(calls_, (std::vector<std::string>{"OK"}));
  EXPECT_NE(Run({"key 1 space"}).find("usage: key"), std::string::npos);
}

}  // namespace
