// The order in which the dialog calls its panels, seen by panels of the
// test's own that record every call.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "../platform/test_support.h"
#include "dialog.h"
#include "zqp/ppd.h"
#include "zqp/view.h"

namespace {

using Calls = std::vector<std::string>;

class RecordingPanel : public zqp::Panel {
 public:
  RecordingPanel(std::string name, Calls& calls, bool allow = true)
      : name_(std::move(name)), calls_(calls), allow_(allow) {}
  zqp::View* panelView() override { return &view_; }
  std::string panelName() override { return name_; }
  std::string panelKind() override { return "com.zq.test.order." + name_; }
  std::vector<std::string> supportedPPDOptionKeys() override {
    Log("keys");
    return {"ZQColorMode"};
  }
  void willShow() override { Log("willShow"); }
  bool shouldHide() override {
    Log("shouldHide");
    return true;
  }
  bool shouldPrint() override {
    // A panel not yet restored builds itself here.
    if (!built_) Log("build");
    built_ = true;
    Log(allow_ ? "shouldPrint" : "shouldPrint refused");
    return allow_;
  }
  bool restoreValuesAndReturnError(std::string*) override {
    if (!built_) Log("build");
    built_ = true;
    Log("restore");
    return true;
  }
  bool saveValuesAndReturnError(std::string*) override {
    Log("save");
    return true;
  }
  zqp::Summary summaryInfo() override {
    Log("summary");
    return {};
  }
  void PPDOptionKeyValueDidChange(const std::string& option, const std::string& choice) override {
    Log("changed " + option + "=" + choice);
  }

 private:
  void Log(const std::string& what) { calls_.push_back(name_ + ": " + what); }
  std::string name_;
  Calls& calls_;
  bool allow_;
  bool built_ = false;
  zqp::View view_;
};

class DialogOrderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ppd_ = zqp::PpdFile::Open(dir_.file("order.ppd", zqtest::SamplePpd()), nullptr);
    ASSERT_TRUE(ppd_);
    host_ = std::make_unique<zqp::Host>(ppd_->get());
    dialog_ = std::make_unique<printdialog::Dialog>(*host_, out_);
  }
  void Add(const std::string& name, bool allow = true) {
    dialog_->AddPanel(std::make_unique<RecordingPanel>(name, calls_, allow));
  }

  zqtest::TempDir dir_;
  std::unique_ptr<zqp::PpdFile> ppd_;
  std::unique_ptr<zqp::Host> host_;
  std::ostringstream out_;
  std::unique_ptr<printdialog::Dialog> dialog_;
  Calls calls_;
};

TEST_F(DialogOrderTest, KeysThenRestoreThenGatesThenSaves) {
  Add("A");
  Add("B");
  dialog_->Run({"panel A", "show", "print"});
  const Calls expected{"A: keys",        "B: keys",        "A: build",       "A: restore", "A: willShow",
                       "A: shouldPrint", "B: build",       "B: shouldPrint", "A: save",    "B: save"};
  EXPECT_EQ(calls_, expected);
  EXPECT_TRUE(dialog_->printAllowed());
}

TEST_F(DialogOrderTest, RefusalStopsTheGatesAndSavesNothing) {
  Add("A");
  Add("B", false);
  Add("C");
  dialog_->Run({"print"});
  const Calls expected{"A: keys",     "B: keys",        "C: keys",
                       "A: build",    "A: shouldPrint", "B: build",
                       "B: shouldPrint refused"};
  EXPECT_EQ(calls_, expected);
  EXPECT_TRUE(dialog_->printAsked());
  EXPECT_FALSE(dialog_->printAllowed());
}

TEST_F(DialogOrderTest, PresetSaveOnlySavesAndRestoreRunsAgain) {
  Add("A");
  Add("B");
  dialog_->Run({"panel A", "save", "restore"});
  const Calls expected{"A: keys", "B: keys", "A: build", "A: restore", "A: save", "A: restore"};
  EXPECT_EQ(calls_, expected);
  EXPECT_FALSE(dialog_->printAsked());
}

// Leaving a panel, for another one or for the summary pane, saves it, as
// the system's dialog does; the summary pane leaves the panel shown.
TEST_F(DialogOrderTest, LeavingThePanelShownSavesIt) {
  Add("A");
  Add("B");
  dialog_->Run({"panel A", "show", "panel B", "show", "summary", "hide"});
  const Calls expected{"A: keys",    "B: keys",    "A: build",   "A: restore",    "A: willShow", "B: build",
                       "B: restore", "A: shouldHide", "A: save", "B: willShow",   "B: save",     "A: summary",
                       "B: summary", "B: shouldHide", "B: save"};
  EXPECT_EQ(calls_, expected);
}

TEST_F(DialogOrderTest, AnotherPanelsMarkReachesOnlyBuiltPanels) {
  Add("A");
  Add("B");
  dialog_->Run({"panel A", "mark ZQColorMode Gray"});
  EXPECT_EQ(calls_.back(), "A: changed ZQColorMode=Gray");
  EXPECT_EQ(std::count(calls_.begin(), calls_.end(), "B: changed ZQColorMode=Gray"), 0);
}

}  // namespace

namespace {

TEST_F(DialogOrderTest, PageFormatFollowsThePaperAndKeepsTheOrientation) {
  Add("A");
  dialog_->Run({"orientation landscape", "mark PageSize Letter", "mark PageSize A4"});
  zqp::Rect paper{};
  zqp::Orientation o{};
  ASSERT_EQ(host_->session().pageFormat().GetUnadjustedPaperRect(paper), zqp::kNoErr);
  ASSERT_EQ(host_->session().pageFormat().GetOrientation(o), zqp::kNoErr);
  EXPECT_EQ(o, zqp::Orientation::kLandscape);
  EXPECT_NEAR(paper.right - paper.left, 595, 1);
  EXPECT_NEAR(paper.bottom - paper.top, 842, 1);
}

}  // namespace

namespace {

// A panel with a pop-up holding a submenu and a three-row table, which
// records what a person's choices reached.
class ControlsPanel : public RecordingPanel, public zqp::TableDataSource {
 public:
  explicit ControlsPanel(Calls& calls) : RecordingPanel("C", calls) {
    auto popUp = std::make_unique<zqp::PopUpButton>();
    popUp->setTag(1);
    popUp->addItemWithTitle("Plain");
    popUp->addItemWithTitle("Stamp");
    auto sub = std::make_unique<zqp::Menu>();
    sub->items().emplace_back("Draft");
    sub->items().emplace_back("Final");
    popUp->itemAtIndex(1)->submenu = std::move(sub);
    popUp->setAction([&calls](zqp::View& v) {
      auto& p = static_cast<zqp::PopUpButton&>(v);
      calls.push_back("pop-up " + std::to_string(p.indexOfSelectedItem()) + "/" +
                      std::to_string(p.indexOfSelectedSubmenuItem()));
    });
    auto table = std::make_unique<zqp::TableView>();
    table->setTag(2);
    table->setIdentifier("records");
    table->setAllowsMultipleSelection(true);
    table->setDataSource(this);
    table->setDoubleAction([&calls](zqp::View&) { calls.push_back("double-click"); });
    table_ = table.get();
    panelView()->addSubview(std::move(popUp));
    panelView()->addSubview(std::move(table));
  }
  int numberOfRows() override { return 3; }
  std::string objectValue(const std::string&, int row) override { return "row " + std::to_string(row); }
  std::vector<int> selected() const { return table_->selectedRows(); }

 private:
  zqp::TableView* table_;
};

TEST_F(DialogOrderTest, SubmenuItemsTableRowsAndDoubleClick) {
  auto panel = std::make_unique<ControlsPanel>(calls_);
  ControlsPanel* c = panel.get();
  dialog_->AddPanel(std::move(panel));
  dialog_->Run({"panel C", "show", "select 1 \"Stamp/Final\"", "select 2 0,1-2"});
  EXPECT_EQ(calls_.back(), "pop-up 1/1");
  EXPECT_EQ(c->selected(), (std::vector<int>{0, 1, 2}));
  dialog_->Run({"open #records 1"});
  EXPECT_EQ(calls_.back(), "double-click");

  // A missing submenu item or row stops the script and names it.
  for (const char* line : {"select 1 \"Stamp/Missing\"", "select 2 1,3", "open 2 5", "select 2 2-1"}) {
    auto d = std::make_unique<printdialog::Dialog>(*host_, out_);
    d->AddPanel(std::make_unique<ControlsPanel>(calls_));
    try {
      d->Run({"panel C", "show", line});
      ADD_FAILURE() << line << " ran";
    } catch (const zqp::ScriptError& e) {
      EXPECT_NE(e.message.find("line 3: "), std::string::npos) << e.message;
    }
  }
}

}  // namespace
