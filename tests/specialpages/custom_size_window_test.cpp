// The custom size window from the bundle's nib, run modally with a scripted
// person: what it shows for the paper pop-up's custom size, what it refuses,
// and what OK and Cancel hand back.
#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/nib.h>
#include <zqp/test_driver.h>
#include <zqp/view.h>

#include "../framework/ppd_fixture.h"
#include "bundle_resources.h"
#include "custom_size_window.h"

namespace zqsp {
namespace {

using zqpde::test::PPD;

using test::Resources;

using Holder = test::CustomSizeFake<CustomSizeHolder>;

using W = SPCustomSizeWndARK;

class CustomSizeWindow : public ::testing::Test {
protected:
    void SetUp() override {
        zqp::Application::Shared().reset();
        ASSERT_NE(Resources(), nullptr);
        zqp::Outlets outlets;
        outlets.bind("SPCustomSizeWindow", window_);
        std::string error;
        ASSERT_TRUE(zqp::LoadNib(*Resources(), "ZQSpecialPagesWindows", outlets, top_, &error)) << error;
        ASSERT_NE(window_, nullptr);
        wnd_ = std::make_unique<W>(window_, "Custom Size Windows");
        wnd_->InitializeUserPane(Resources(), ppd_.get());
        wnd_->SetSubMenuList(&holder_);
    }

    std::string Text(int32_t tag) { return static_cast<zqp::TextField*>(window_->viewWithTag(tag))->stringValue(); }
    bool Hidden(int32_t tag) { return window_->viewWithTag(tag)->isHidden(); }
    // Runs the window with the steps, recording what each saw.
    void Run(std::vector<zqp::ScriptedDriver::Step> steps) {
        for (auto& s : steps) driver_.addStep(std::move(s));
        wnd_->ActivateWindow();
    }
    static zqp::ScriptedDriver::Step Type(int32_t tag, std::string text) {
        return [tag, text](zqp::Window& w) { EXPECT_TRUE(zqp::ScriptedDriver::Type(w, tag, text)) << text; };
    }
    static zqp::ScriptedDriver::Step Click(int32_t tag) {
        return [tag](zqp::Window& w) { zqp::ScriptedDriver::Click(w, tag); };
    }

    PPD ppd_{"*ParamCustomPageSize Width: 1 points 283 864\n*ParamCustomPageSize Height: 2 points 420 1384\n"};
    zqp::ScriptedDriver driver_;
    std::vector<std::unique_ptr<zqp::Object>> top_;
    zqp::Window* window_ = nullptr;
    std::unique_ptr<W> wnd_;
    Holder holder_;
};

// Without a size of its own ("-1", or anything that is no size) the window
// shows the default size, the one the record will carry.
TEST_F(CustomSizeWindow, OpensAtTheDefaultWithoutACustomSizeAndShowsMillimetres) {
    std::map<std::string, std::string> seen;
    Run({[&](zqp::Window& w) {
             seen["mm"] = static_cast<zqp::TextField*>(w.viewWithTag(W::kWidthMM))->stringValue();
             seen["in"] = static_cast<zqp::TextField*>(w.viewWithTag(W::kWidthInch))->stringValue();
             seen["label"] = static_cast<zqp::TextField*>(w.viewWithTag(W::kWidthMMLabel))->stringValue();
             seen["inchHidden"] = w.viewWithTag(W::kWidthInch)->isHidden() ? "yes" : "no";
             seen["mmHidden"] = w.viewWithTag(W::kWidthMM)->isHidden() ? "yes" : "no";
             seen["title"] = w.title();
         },
         Click(W::kCancelButton)});
    EXPECT_EQ(seen["mm"], "210.0");
    EXPECT_EQ(seen["in"], "8.27");
    EXPECT_EQ(seen["label"], "Width (100.0 - 305.0 mm):");
    EXPECT_EQ(seen["inchHidden"], "yes");
    EXPECT_EQ(seen["mmHidden"], "no");
    EXPECT_EQ(seen["title"], "Custom Paper Size");
    EXPECT_EQ(holder_.width, "-1") << "Cancel hands nothing back";
    EXPECT_EQ(holder_.unit, -1);

    // A printer whose smallest width is above the default: its smallest.
    PPD narrow{"*ParamCustomPageSize Width: 1 points 700 864\n"};
    W other(window_, "Custom Size Windows");
    other.InitializeUserPane(Resources(), narrow.get());
    holder_.width = "abc";
    other.SetSubMenuList(&holder_);
    driver_.addStep([&](zqp::Window&) { seen["mm"] = Text(W::kWidthMM); });
    driver_.addStep(Click(W::kCancelButton));
    other.ActivateWindow();
    EXPECT_EQ(seen["mm"], "247.0");
}

TEST_F(CustomSizeWindow, TypedMillimetresGoBackWithoutLeadingZeros) {
    holder_.width = "210.0";
    holder_.length = "297.0";
    holder_.unit = 1;
    Run({Type(W::kWidthMM, "0215.0"), Type(W::kLengthMM, "280"), Click(W::kOKButton)});
    EXPECT_EQ(holder_.width, "215.0");
    EXPECT_EQ(holder_.length, "280");
    EXPECT_EQ(holder_.unit, 1);
    EXPECT_TRUE(driver_.alerts().empty());
}

TEST_F(CustomSizeWindow, InchesShownStillHandMillimetresBack) {
    holder_.width = "210.0";
    holder_.length = "297.0";
    holder_.unit = 1;
    std::string inchShown;
    Run({[](zqp::Window& w) { test::SnapshotIfAsked(w, "specialpages-custom-size"); }, Click(W::kInchRadio),
         [&](zqp::Window& w) {
             inchShown = static_cast<zqp::TextField*>(w.viewWithTag(W::kWidthInch))->stringValue();
             EXPECT_FALSE(w.viewWithTag(W::kWidthInch)->isHidden());
             EXPECT_TRUE(w.viewWithTag(W::kWidthMM)->isHidden());
         },
         Type(W::kWidthInch, "8.50"), Click(W::kOKButton)});
    EXPECT_EQ(inchShown, "8.27");
    EXPECT_EQ(holder_.width, "215.9") << "8.50 in";
    EXPECT_EQ(holder_.length, "297.0") << "untouched length keeps its millimetres";
    EXPECT_EQ(holder_.unit, 0);

    // Reopened: the inch radio is on again.
    Run({[&](zqp::Window& w) {
             EXPECT_FALSE(w.viewWithTag(W::kWidthInch)->isHidden());
             EXPECT_EQ(static_cast<zqp::TextField*>(w.viewWithTag(W::kWidthInch))->stringValue(), "8.50");
         },
         Click(W::kCancelButton)});
}

TEST_F(CustomSizeWindow, RefusesBadSizesWithTheRangeInTheMessage) {
    holder_.width = "210.0";
    holder_.length = "297.0";
    holder_.unit = 1;
    driver_.answerNextAlert(0);
    driver_.answerNextAlert(0);
    Run({Type(W::kWidthMM, "99.9"), Click(W::kOKButton), Click(W::kInchRadio), Click(W::kCancelButton)});
    ASSERT_EQ(driver_.alerts().size(), 2u) << "OK and the unit switch both refuse";
    EXPECT_EQ(driver_.alerts()[0].informativeKey, "Message22_Millimeters_Width");
    EXPECT_EQ(driver_.alerts()[0].informativeText,
              "Enter a width from 100.0 to 305.0 mm, with at most one decimal.");
    EXPECT_EQ(holder_.width, "210.0") << "nothing handed back";
    EXPECT_TRUE(Hidden(W::kWidthInch)) << "the refused switch leaves millimetres shown";
}

TEST_F(CustomSizeWindow, SteppersStayWithinTheRangeAndBeepAtTheEnd) {
    holder_.width = "304.9";
    holder_.length = "297.0";
    holder_.unit = 1;
    Run({[](zqp::Window& w) { static_cast<zqp::Stepper*>(w.viewWithTag(W::kWidthMMStepper))->userStep(true); },
         [](zqp::Window& w) { static_cast<zqp::Stepper*>(w.viewWithTag(W::kWidthMMStepper))->userStep(true); },
         Click(W::kOKButton)});
    EXPECT_EQ(holder_.width, "305.0");
    EXPECT_EQ(zqp::Application::Shared().beepCount(), 1);
}

TEST_F(CustomSizeWindow, StepperRefusesToMoveWhileItsFieldIsRefused) {
    holder_.width = "210.0";
    holder_.length = "297.0";
    holder_.unit = 1;
    driver_.answerNextAlert(0);
    int32_t stepped = 0;
    std::string shown;
    auto stepper = [](zqp::Window& w) { return static_cast<zqp::Stepper*>(w.viewWithTag(W::kWidthMMStepper)); };
    Run({Type(W::kWidthMM, "99.9"), [&](zqp::Window& w) { stepper(w)->userStep(true); },
         [&](zqp::Window& w) {
             stepped = stepper(w)->integerValue();
             shown = static_cast<zqp::TextField*>(w.viewWithTag(W::kWidthMM))->stringValue();
         },
         // Mended, the field lets the stepper move from where it stood.
         Type(W::kWidthMM, "200.0"), [&](zqp::Window& w) { stepper(w)->userStep(false); }, Click(W::kOKButton)});
    ASSERT_EQ(driver_.alerts().size(), 1u);
    EXPECT_EQ(driver_.alerts()[0].informativeKey, "Message22_Millimeters_Width");
    EXPECT_EQ(stepped, 2100) << "back at the value it had";
    EXPECT_EQ(shown, "99.9") << "the field keeps what was typed";
    EXPECT_EQ(zqp::Application::Shared().beepCount(), 0) << "a refused field is no end of the range";
    EXPECT_EQ(holder_.width, "199.9");
}

TEST_F(CustomSizeWindow, DefaultsComeBackWithinThePPDLimits) {
    holder_.width = "150.0";
    holder_.length = "200.0";
    holder_.unit = 0;
    Run({Click(W::kRestoreButton), Click(W::kOKButton)});
    EXPECT_EQ(holder_.width, "210.0");
    EXPECT_EQ(holder_.length, "297.0");
    EXPECT_EQ(holder_.unit, 1);
}

}  // namespace
}  // namespace zqsp
