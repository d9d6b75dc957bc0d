// The advanced paper window from the bundle's nib on a PPD of the test's own:
// its lists, defaults, the conflict greying against the job's settings and
// the selected records, the transparency rule, and what OK hands back.
#include <gtest/gtest.h>
#include <zqp/nib.h>
#include <zqp/test_driver.h>
#include <zqp/view.h>

#include "../framework/ppd_fixture.h"
#include "advanced_paper_window.h"
#include "paper_choice.h"
#include "bundle_resources.h"
#include "zqpde/constraint_hash.h"

namespace zqsp {
namespace {

using test::Resources;
using zqpde::test::PPD;
using A = SPAdvSeleWndARK;

constexpr const char* kPaperPPD =
    "*OpenUI *PageSize/Paper Size: PickOne\n*DefaultPageSize: A4\n"
    "*PageSize A4/A4: \"\"\n*PageSize Letter/Letter: \"\"\n*PageSize A5/A5: \"\"\n"
    "*CloseUI: *PageSize\n"
    "*VariablePaperSize: True\n*CustomPageSize True: \"pop pop pop\"\n"
    "*ParamCustomPageSize Width: 1 points 283 864\n*ParamCustomPageSize Height: 2 points 420 1384\n"
    "*ParamCustomPageSize WidthOffset: 3 points 0 0\n*ParamCustomPageSize HeightOffset: 4 points 0 0\n"
    "*ParamCustomPageSize Orientation: 5 int 0 0\n"
    "*OpenUI *ZQMediaColor/Paper Color: PickOne\n*DefaultZQMediaColor: White\n"
    "*ZQMediaColor White/White: \"\"\n*ZQMediaColor Blue/Blue: \"\"\n*ZQMediaColor Clear/Clear: \"\"\n"
    "*CloseUI: *ZQMediaColor\n"
    "*OpenUI *MediaType/Paper Type: PickOne\n*DefaultMediaType: Plain\n"
    "*MediaType Auto/Printer Default: \"\"\n*MediaType Plain/Plain: \"\"\n*MediaType Thick/Thick: \"\"\n"
    "*MediaType Transparency/Transparency: \"\"\n*MediaType TabbedPaper1/Tab Stock: \"\"\n*CloseUI: *MediaType\n"
    "*OpenUI *Duplex/Two-Sided: PickOne\n*DefaultDuplex: None\n*Duplex None/Off: \"\"\n"
    "*Duplex DuplexNoTumble/Long Edge: \"\"\n*CloseUI: *Duplex\n"
    "*OpenUI *ZQStaple/Staple: PickOne\n*DefaultZQStaple: Off\n*ZQStaple Off/Off: \"\"\n*ZQStaple On/On: \"\"\n"
    "*CloseUI: *ZQStaple\n"
    "*UIConstraints: *MediaType Thick *ZQStaple On\n*UIConstraints: *ZQStaple On *MediaType Thick\n"
    "*UIConstraints: *PageSize A5 *MediaType Transparency\n*UIConstraints: *MediaType Transparency *PageSize A5\n"
    "*UIConstraints: *MediaType Transparency *Duplex DuplexNoTumble\n"
    "*UIConstraints: *Duplex DuplexNoTumble *MediaType Transparency\n";

struct Target : test::CustomSizeFake<AdvancedPaperTarget> {
    int32_t indexes[5] = {0, 0, 9, 9, 9};
    bool interposer = true;
    void setSelectedMenuItemIndexByType(int32_t kind, int32_t index) override { indexes[kind] = index; }
    void setInterPoser(bool on) override { interposer = on; }
    bool isEnabledSubMenuByIndex(int32_t) const override { return true; }
    int32_t GetWndType() const override { return 1; }
};

struct Sides : DuplexSource {
    std::vector<std::string> current{"NULL"};
    std::vector<std::string> getCurrentDuplexArray() const override { return current; }
    std::vector<std::string> getDuplexArrayFromIndex(int32_t n) const override {
        return n == 2 ? std::vector<std::string>{"DuplexNoTumble"} : std::vector<std::string>{"None"};
    }
};

class AdvancedPaperWindow : public ::testing::Test {
protected:
    void SetUp() override {
        zqp::Application::Shared().reset();
        zqpde::BuildConstraintHashFromPPD(ppd_.get(), hash_);
        parent_.CreatePanel(nullptr);
        parent_.SeteppdPtr(&hash_);
        zqp::Outlets outlets;
        outlets.bind("SPAdvSeleWnd", window_);
        std::string error;
        ASSERT_TRUE(zqp::LoadNib(*Resources(), "ZQSpecialPagesWindows", outlets, top_, &error)) << error;
        wnd_ = std::make_unique<A>(window_, "AdvSele Window Title");
        parent_.RunTimeAddNewWindow(wnd_.get());
        wnd_->InitializeUserPane(Resources(), ppd_.get());
        wnd_->SetSubMenuList(&target_);
        wnd_->selectedRecords = [this] { return selected_; };
        wnd_->refreshPageViews = [this](int32_t type) { refreshed_ = type; };
        wnd_->listStatus = [this] { return status_; };
    }
    zqp::PopUpButton* List(int32_t tag) { return static_cast<zqp::PopUpButton*>(window_->viewWithTag(tag)); }
    std::string Enabled(int32_t tag) {
        std::string s;
        for (int i = 1; i < List(tag)->numberOfItems(); ++i) s += List(tag)->itemAtIndex(i)->enabled ? "1" : "0";
        return s;
    }

    PPD ppd_{kPaperPPD};
    zqpde::ConstraintHash hash_;
    zqpde::BasePrintPanel parent_;
    zqp::ScriptedDriver driver_;
    std::vector<std::unique_ptr<zqp::Object>> top_;
    zqp::Window* window_ = nullptr;
    std::unique_ptr<A> wnd_;
    Target target_;
    std::vector<SPRecord> selected_;
    int32_t status_ = 1;
    int32_t refreshed_ = -1;
};

TEST_F(AdvancedPaperWindow, ListsFromThePPDAndTheirDefaults) {
    EXPECT_EQ(List(A::kSizeList)->numberOfItems(), 5);
    EXPECT_EQ(List(A::kSizeList)->itemAtIndex(0)->title, "No Change");
    EXPECT_EQ(List(A::kSizeList)->itemAtIndex(4)->title, "Custom Size...") << "the last size under the custom title";
    EXPECT_TRUE(List(A::kTypeList)->itemAtIndex(1)->hidden) << "the first type is never offered";
    EXPECT_EQ(wnd_->GetAdvPaperTypeListPtr()->getTypeTransparencyIndex(), 4);
    EXPECT_EQ(wnd_->GetAdvPaperColorListPtr()->getColorClearIndex(), 3);
    EXPECT_TRUE(wnd_->GetAdvPaperTypeListPtr()->doTabStockSetCheckByIndex(5));
    EXPECT_TRUE(wnd_->GetAdvPaperSizeListPtr()->doCustomSizeSetCheckByIndex(3))
        << List(A::kSizeList)->itemAtIndex(4)->representedObject;

    // Defaults: the PPD's own default choice of every kind (type Plain, not the one after it).
    wnd_->SetPaperSize(1, 1, 2, false);
    driver_.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Click(w, A::kRestoreButton); });
    driver_.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Click(w, A::kOKButton); });
    wnd_->ActivateWindow();
    EXPECT_EQ(target_.indexes[kSizeKind], 0);
    EXPECT_EQ(target_.indexes[kColorKind], 0);
    EXPECT_EQ(target_.indexes[kTypeKind], 1) << "Plain";
    EXPECT_FALSE(target_.interposer);
    EXPECT_EQ(refreshed_, 1);
}

TEST_F(AdvancedPaperWindow, NoChangeEverywhereHandsBackMinusOneAndCancelNothing) {
    wnd_->SetSizeStatus(-1);
    wnd_->SetColorStatus(-1);
    wnd_->SetTypeStatus(-1);
    status_ = 2;
    wnd_->SetPaperSize(-1, -1, -1, false);
    std::string summary;
    driver_.addStep([&](zqp::Window& w) {
        EXPECT_FALSE(static_cast<zqp::PopUpButton*>(w.viewWithTag(A::kSizeList))->itemAtIndex(0)->hidden);
        summary = static_cast<zqp::TextView*>(w.viewWithTag(A::kSummaryView))->string();
        zqp::ScriptedDriver::Click(w, A::kOKButton);
    });
    wnd_->ActivateWindow();
    EXPECT_EQ(summary, "Same paper as the job");
    EXPECT_EQ(target_.indexes[kSizeKind], -1);
    EXPECT_EQ(target_.indexes[kColorKind], -1);
    EXPECT_EQ(target_.indexes[kTypeKind], -1);

    target_.indexes[kSizeKind] = 7;
    driver_.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Select(w, A::kSizeList, 2); });
    driver_.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Click(w, A::kCancelButton); });
    wnd_->ActivateWindow();
    EXPECT_EQ(target_.indexes[kSizeKind], 7) << "Cancel hands nothing back";
}

TEST_F(AdvancedPaperWindow, ConflictsGreyItemsAndTransparencyTakesClear) {
    // Staple on in the job: Thick is greyed.
    ppdMarkOption(ppd_.get(), "ZQStaple", "On");
    wnd_->SetPaperSize(0, 0, 1, false);
    std::string types, sizes, colorAfter, summary;
    driver_.addStep([&](zqp::Window& w) {
        types = Enabled(A::kTypeList);
        zqp::ScriptedDriver::Select(w, A::kTypeList, 4);  // Transparency
        sizes = Enabled(A::kSizeList);
        colorAfter = static_cast<zqp::PopUpButton*>(w.viewWithTag(A::kColorList))->titleOfSelectedItem();
        summary = static_cast<zqp::TextView*>(w.viewWithTag(A::kSummaryView))->string();
        zqp::ScriptedDriver::Click(w, A::kOKButton);
    });
    wnd_->ActivateWindow();
    EXPECT_EQ(types, "11011") << "Thick (item 3) greyed by the staple";
    EXPECT_EQ(sizes, "1101") << "A5 greyed by the transparency";
    EXPECT_EQ(colorAfter, "Clear");
    EXPECT_EQ(summary, "Paper Size: A4\nPaper Color: Clear\nPaper Type: Transparency\n");
    EXPECT_EQ(target_.indexes[kColorKind], 2);
    EXPECT_EQ(target_.indexes[kTypeKind], 3);
}

TEST_F(AdvancedPaperWindow, NoChangeStandsForEachSelectedRecordAndItsSides) {
    Sides sides;
    wnd_->setDuplexControl(&sides);
    status_ = 2;
    wnd_->SetTypeStatus(-1);
    // Two inserts: one on A5, one on A4 printed long edge; type left at No Change.
    selected_ = {{{"pagesize", "2"}, {"pagecolor", "0"}, {"pagetype", "1"}, {"twoSidePrint", "1"}},
                 {{"pagesize", "0"}, {"pagecolor", "0"}, {"pagetype", "1"}, {"twoSidePrint", "2"}}};
    wnd_->SetPaperSize(-1, 0, -1, false);
    std::string types;
    driver_.addStep([&](zqp::Window& w) {
        types = Enabled(A::kTypeList);
        zqp::ScriptedDriver::Click(w, A::kCancelButton);
    });
    wnd_->ActivateWindow();
    EXPECT_EQ(types, "11101") << "Transparency conflicts with the A5 record and the long-edge record";
}

}  // namespace
}  // namespace zqsp
