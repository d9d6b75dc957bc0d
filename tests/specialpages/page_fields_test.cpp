// The exceptions window's page list and the inserts window's quantity, in a
// window of the test's own: what they accept, the warning each refusal
// shows, and the pages they hand on.
#include <gtest/gtest.h>
#include <zqp/test_driver.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include "bundle_resources.h"
#include "advanced_paper_window.h"
#include "page_fields.h"

namespace zqsp {
namespace {

using test::Resources;

constexpr int32_t kPageTag = 311, kQuantityTag = 3204, kStepperTag = 3205;
const int32_t kQuantityTags[] = {kQuantityTag, kStepperTag};
const int32_t* const kToStepper[] = {&kQuantityTags[1], nullptr};
const int32_t* const kToField[] = {&kQuantityTags[0], nullptr};
const zqpde::ConstrainTagList kFieldUpdates[] = {kToStepper};
const zqpde::ConstrainTagList kStepperUpdates[] = {kToField};
const zqpde::ConstrainInfo kFieldLinks = {{}, {}, zqpde::ConstrainListsOf(kFieldUpdates)};
const zqpde::ConstrainInfo kStepperLinks = {{}, {}, zqpde::ConstrainListsOf(kStepperUpdates)};
const int32_t kValidate[] = {kQuantityTag, 0};
const zqpde::AccessInfo kText = {zqpde::kValueTypeText, zqpde::kValueTypeText, nullptr, nullptr};
const zqpde::AccessInfo kNumber = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, nullptr, nullptr};
const zqpde::TextEditIniData kPageIni = {nullptr, "", 1, 99};
const zqpde::TextEditFilterData kPageFilter = {
    {4, {{' ', ' '}, {',', ','}, {'-', '-'}, {'0', '9'}}}, {4, {{' ', ' '}, {',', ','}, {'-', '-'}, {'0', '9'}}},
    "Warning46"};
const zqpde::TextEditIniData kQuantityIni = {nullptr, "1", 1, 4};
const zqpde::TextEditFilterData kQuantityFilter = {{1, {{'0', '9'}}}, {1, {{'0', '9'}}}, "Warning45"};
const zqpde::LittleArrayIniData kStepperIni = {1, 1, 1, 1, 9999, 1};
const SPValueRange kPages = {1, 65000}, kQuantities = {1, 9999};

class PageFields : public ::testing::Test {
protected:
    void SetUp() override {
        zqp::Application::Shared().reset();
        auto content = std::make_unique<zqp::View>();
        for (int32_t tag : {kPageTag, kQuantityTag}) {
            auto f = std::make_unique<zqp::TextField>();
            f->setTag(tag);
            content->addSubview(std::move(f));
        }
        auto s = std::make_unique<zqp::Stepper>();
        s->setTag(kStepperTag);
        s->setMinValue(1);
        s->setMaxValue(9999);
        content->addSubview(std::move(s));
        window_.setContentView(std::move(content));
        wnd_ = std::make_unique<zqpde::PopupWinInPanel>(&window_, "Add Exceptions Windows");

        auto page = std::make_unique<SPAddExceptTextEditCtrlARK>();
        page->CreateControl(window_.viewWithTag(kPageTag), &kPageIni, nullptr, &kText, nullptr, &kPageFilter,
                            "Add Exception Page Define Title", 250, &kPages);
        page_ = wnd_->AddNewControl(std::move(page));
        auto quantity = std::make_unique<SPAddInsertQuantityTextEditARK>();
        quantity->CreateControl(window_.viewWithTag(kQuantityTag), &kQuantityIni, &kFieldLinks, &kText, nullptr,
                                &kQuantityFilter, &kQuantities);
        quantity_ = wnd_->AddNewControl(std::move(quantity));
        auto stepper = std::make_unique<SPAddInsertQuantityLArrARK>();
        stepper->CreateControl(window_.viewWithTag(kStepperTag), &kStepperIni, &kStepperLinks, &kNumber, nullptr,
                               nullptr, kValidate);
        stepper_ = wnd_->AddNewControl(std::move(stepper));
        wnd_->InitializeUserPane(Resources(), nullptr);
    }
    void Show(int32_t tag, const std::string& text) {
        static_cast<zqp::TextField*>(window_.viewWithTag(tag))->setStringValue(text);
    }
    std::string LastAlertKey() const {
        return driver_.alerts().empty() ? "" : driver_.alerts().back().informativeKey;
    }

    zqp::ScriptedDriver driver_;
    zqp::Window window_;
    std::unique_ptr<zqpde::PopupWinInPanel> wnd_;
    SPAddExceptTextEditCtrlARK* page_ = nullptr;
    SPAddInsertQuantityTextEditARK* quantity_ = nullptr;
    SPAddInsertQuantityLArrARK* stepper_ = nullptr;
};

TEST_F(PageFields, ExceptionPageListsAndTheirWarnings) {
    struct Case {
        const char* text;
        const char* warning;  // "" when accepted
        std::vector<int32_t> pages;
    } cases[] = {
        {" 3 5 ,7-9", "", {3, 5, 7, 8, 9}},
        {"-4", "", {1, 2, 3, 4}},
        {"65000-", "", {65000}},
        {"5,3,4-5", "", {3, 4, 5}},
        {"0", "Warning46", {}},
        {"65001", "Warning46", {}},
        {"3-2", "Warning50", {}},
        {"1--3", "Warning46", {}},
        {"-", "Warning46", {}},
        {"4a", "Warning46", {}},
        {"", "Warning46", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        page_->InitialPageArray();
        const size_t alertsBefore = driver_.alerts().size();
        Show(kPageTag, c.text);
        const bool ok = page_->InvalidateData();
        EXPECT_EQ(ok, std::string(c.warning).empty());
        if (ok) {
            EXPECT_EQ(page_->getPageDefineArray(), c.pages);
            EXPECT_EQ(driver_.alerts().size(), alertsBefore);
        } else {
            EXPECT_EQ(LastAlertKey(), c.warning);
        }
    }

    // Longer than the field's 99 characters: refused, whatever it holds.
    std::string many;
    for (int i = 1; i <= 60; ++i) many += std::to_string(2 * i) + ",";
    Show(kPageTag, many);
    EXPECT_FALSE(page_->InvalidateData());
    EXPECT_EQ(LastAlertKey(), "Warning46");
}

TEST_F(PageFields, ADisabledPageListStillFollowsTheTextShown) {
    Show(kPageTag, "2-3");
    ASSERT_TRUE(page_->InvalidateData());
    // Reopened for several records: the field is disabled and shows their pages.
    page_->InitialPageArray();
    page_->setEditingSeveral(true);
    page_->SetControlValueToUI();
    EXPECT_FALSE(window_.viewWithTag(kPageTag)->isEnabled());
    Show(kPageTag, "7,9-10");
    ASSERT_TRUE(page_->InvalidateData());
    EXPECT_EQ(page_->getPageDefineArray(), (std::vector<int32_t>{7, 9, 10})) << "not the earlier 2-3";
    page_->setEditingSeveral(false);
    page_->SetControlValueToUI();
    EXPECT_TRUE(window_.viewWithTag(kPageTag)->isEnabled());
}

TEST_F(PageFields, QuantityFromOneTo9999) {
    struct Case {
        const char* text;
        bool ok;
    } cases[] = {{"1", true}, {"9999", true}, {"0", false}, {"10000", false}, {"12a", false}, {"", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Show(kQuantityTag, c.text);
        const size_t before = driver_.alerts().size();
        EXPECT_EQ(quantity_->InvalidateData(), c.ok);
        EXPECT_EQ(driver_.alerts().size(), before + (c.ok ? 0 : 1));
        if (!c.ok) {
            EXPECT_EQ(LastAlertKey(), "Warning45");
        }
    }

    // Typing moves the stepper, and a click goes on from what was typed,
    // even back to the value the stepper had before.
    auto* stepper = static_cast<zqp::Stepper*>(window_.viewWithTag(kStepperTag));
    Show(kQuantityTag, "2");
    stepper->userStep(false);
    EXPECT_EQ(static_cast<zqp::TextField*>(window_.viewWithTag(kQuantityTag))->stringValue(), "1");
    EXPECT_EQ(stepper_->GetQuantityValue(), 1);
    EXPECT_EQ(zqp::Application::Shared().beepCount(), 0);

    // The stepper stops at 9999 with a beep.
    Show(kQuantityTag, "9998");
    EXPECT_EQ(stepper->integerValue(), 9998);
    stepper->userStep(true);
    EXPECT_EQ(static_cast<zqp::TextField*>(window_.viewWithTag(kQuantityTag))->stringValue(), "9999");
    EXPECT_EQ(stepper_->GetQuantityValue(), 9999);
    stepper->userStep(true);
    EXPECT_EQ(zqp::Application::Shared().beepCount(), 1);
}

}  // namespace
}  // namespace zqsp

namespace zqsp {
namespace {

TEST(TwoSidePrintList, NoChangeOnlyWhileTheSidesDiffer) {
    zqp::Window window;
    auto content = std::make_unique<zqp::View>();
    auto popup = std::make_unique<zqp::PopUpButton>();
    popup->setTag(314);
    for (const char* item : {"No Change", "1-sided", "2-sided", "2-sided short edge"}) popup->addItemWithTitle(item);
    content->addSubview(std::move(popup));
    window.setContentView(std::move(content));
    zqpde::PopupWinInPanel wnd(&window, "Add Exceptions Windows");
    static const zqpde::ListCtrlIniData ini = {2, 2, 2, nullptr};
    static const zqpde::AccessInfo access = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, nullptr, nullptr};
    auto list = std::make_unique<SPTwoSidePrintListCtrlARK>();
    list->CreateControl(window.viewWithTag(314), &ini, nullptr, &access, nullptr, "Duplex", &TwoSidePrintDuplexChoices(),
                        nullptr);
    SPTwoSidePrintListCtrlARK* two = wnd.AddNewControl(std::move(list));
    ASSERT_NE(two, nullptr);
    auto* view = static_cast<zqp::PopUpButton*>(window.viewWithTag(314));
    two->SetControlValueToUI();
    EXPECT_TRUE(view->itemAtIndex(0)->hidden);
    two->setSelectStatus(1);
    two->SetControlValueToUI();
    EXPECT_FALSE(view->itemAtIndex(0)->hidden);
    two->setSelectStatus(0);
    two->SetControlValueToUI();
    EXPECT_TRUE(view->itemAtIndex(0)->hidden);
}

}  // namespace
}  // namespace zqsp
