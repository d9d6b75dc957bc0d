// The buttons and the switch echo that the feature windows are built from,
// in a window of the features panel: OK commits only valid values, Cancel
// closes always and resets the panel controls it names when a control
// cannot take its cancel, the help button finds its page.
#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include "features_fixture.h"
#include "features_panel.h"

namespace zqfeat {
namespace {

using namespace zqfeat::test;

zqp::Bundle* Resources() {
    static zqp::Bundle* bundle = zqp::Bundle::Open(ZQ_RESOURCES_DIR "/ark-features-pde", nullptr);
    return bundle;
}

// A control that refuses to be cancelled.
class Stubborn : public zqpde::BaseControl {
public:
    explicit Stubborn(zqp::View* view) { CreateControl(view); }
    bool InvalidateDataOnCancel() override { return false; }
};

const zqpde::TextEditIniData kShiftIni = {nullptr, "5", 1, 2};
#define DIGITS {1, {{'0', '9'}}}
const zqpde::TextEditFilterData kShiftFilter = {DIGITS, DIGITS, nullptr};
const zqpde::AccessInfo kShiftAccess = {zqpde::kValueTypeText, zqpde::kValueTypeText, NS "TestShiftTicket", nullptr};
const int32_t kSeparatorTag = tags::kSeparatorList;
const int32_t kMissingTag = 999;
const int32_t* const kResetOnCancel[] = {&kMissingTag, &kSeparatorTag, nullptr};

class FeatureWindowParts : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(plugin_.initWithBundle(Resources()));
        ppd_ = ppdOpenFile(ppdFile_.c_str());
        ASSERT_NE(ppd_, nullptr);
        ppdMarkDefaults(ppd_);
        host_ = std::make_unique<zqp::Host>(ppd_);
        auto panels = plugin_.PDEPanelsForType(zqp::kPrintDialogPanelType, host_.get());
        ASSERT_EQ(panels.size(), 1u);
        panel_.reset(dynamic_cast<PrintFeaturesPDEr15*>(panels[0].release()));
        ASSERT_TRUE(panel_->restoreValuesAndReturnError(nullptr));

        auto content = std::make_unique<zqp::View>();
        for (int32_t tag : {1, 2, 3, 4, 5, 6}) {
            std::unique_ptr<zqp::View> v;
            if (tag == 1)
                v = std::make_unique<zqp::TextField>();
            else if (tag == 6)
                v = std::make_unique<zqp::Button>(zqp::ButtonType::kCheck);
            else
                v = std::make_unique<zqp::Button>();
            v->setTag(tag);
            content->addSubview(std::move(v));
        }
        window_.setContentView(std::move(content));
        win_ = std::make_unique<zqpde::PopupWinInPanel>(&window_, "Separator Window Title String");
        auto field = std::make_unique<zqpde::TextEditCtrl>();
        field->CreateControl(window_.viewWithTag(1), &kShiftIni, nullptr, &kShiftAccess, nullptr, &kShiftFilter);
        field_ = win_->AddNewControl(std::move(field));
        ok_ = win_->AddNewControl(std::make_unique<PFWndOKButtonARK>(window_.viewWithTag(2), "OK"));
        auto cancel = std::make_unique<PFWndCancelButtonARK>();
        cancel->CreateControl(window_.viewWithTag(3), "Cancel", kResetOnCancel);
        cancel_ = win_->AddNewControl(std::move(cancel));
        auto help = std::make_unique<PHelpButtonARK>();
        help->CreateControl(window_.viewWithTag(4), "Margins.htm");
        help->CreateControl(window_.viewWithTag(4), "Other.htm");  // the first name stays
        help_ = win_->AddNewControl(std::move(help));
        panel_->RunTimeAddNewWindow(win_.get());
        ASSERT_EQ(win_->InitializeUserPane(Resources(), ppd_), 0);
        win_->SetCurrentPrintSettings(host_->printSettings(), ppd_, host_.get(), host_->printSession());
        win_->SetUIDataToIniData();
        win_->SetDefaultValueToUI();
    }
    void TearDown() override {
        panel_.reset();
        host_.reset();
        if (ppd_ != nullptr) ppdClose(ppd_);
    }
    zqp::TextField* Field() { return dynamic_cast<zqp::TextField*>(window_.viewWithTag(1)); }

    PrintFeaturesPDEPluginr15 plugin_;
    std::string ppdFile_ = ZQ_SOURCE_DIR "/ppd/zq-ark-features.ppd";
    ppd_file_t* ppd_ = nullptr;
    std::unique_ptr<zqp::Host> host_;
    std::unique_ptr<PrintFeaturesPDEr15> panel_;
    zqp::Window window_;
    std::unique_ptr<zqpde::PopupWinInPanel> win_;
    zqpde::TextEditCtrl* field_ = nullptr;
    PFWndOKButtonARK* ok_ = nullptr;
    PFWndCancelButtonARK* cancel_ = nullptr;
    PHelpButtonARK* help_ = nullptr;
};

TEST_F(FeatureWindowParts, OkCommitsOnlyValidValues) {
    ASSERT_NE(field_, nullptr);
    Field()->setStringValue("42");
    EXPECT_TRUE(ok_->UIEventHandler());
    EXPECT_EQ(field_->GetText(), "42");
    for (const char* bad : {"123", "4a"}) {
        Field()->setStringValue(bad);
        EXPECT_FALSE(ok_->UIEventHandler()) << bad;
        EXPECT_EQ(field_->GetText(), "42") << bad;
    }
}

TEST_F(FeatureWindowParts, CancelResetsTheNamedPanelControlsOnlyWhenACancelFails) {
    auto* separator = dynamic_cast<zqp::PopUpButton*>(panel_->panelView()->viewWithIdentifier("ZQIntSheet"));
    ASSERT_NE(separator, nullptr);
    separator->selectItemAtIndex(1);
    EXPECT_TRUE(cancel_->UIEventHandler());
    EXPECT_EQ(separator->indexOfSelectedItem(), 1);

    win_->AddNewControl(std::make_unique<Stubborn>(window_.viewWithTag(5)));
    EXPECT_FALSE(cancel_->UIEventHandler());
    // The missing tag is passed over; the separator list is back at "Off".
    EXPECT_EQ(separator->indexOfSelectedItem(), 0);
}

TEST_F(FeatureWindowParts, HelpPageFallsBackToTheLayoutVariant) {
    EXPECT_EQ(help_->HelpFileName(), "Margins_ARK.htm");
    PHelpButtonARK present;
    present.CreateControl(window_.viewWithTag(4), "SpecifyPosition.htm");
    present.InitializeCtrl(Resources(), ppd_);
    EXPECT_EQ(present.HelpFileName(), "SpecifyPosition.htm");
}

TEST_F(FeatureWindowParts, SwitchEchoIsSummarisedWhileTheBookletMarginShiftIsOn) {
    static const zqpde::CheckBoxIniData ini = {0, 0, 0, "Booklet Margin Title"};
    static const zqpde::AccessInfo access = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber,
                                             NS "BookletMarginSwitchTicket", nullptr};
    auto* echo = win_->AddNewControl(std::make_unique<PFStaticCheckBoxARK>(window_.viewWithTag(6), &ini, nullptr,
                                                                           &access, nullptr));
    ASSERT_NE(echo, nullptr);
    echo->InitializeCtrl(Resources(), ppd_);
    zqpde::SummaryDictionary summary;
    zqpde::SummaryOrder order;
    // The panel's switch is off: nothing.
    echo->GetSummaryText(&summary, &order);
    EXPECT_TRUE(summary.empty());
    host_->settings().SetValue(NS "BookletMarginSwitchTicket", "1", false);
    ASSERT_TRUE(echo->GetValueToPreset());
    auto* booklet = dynamic_cast<zqp::PopUpButton*>(panel_->panelView()->viewWithIdentifier("ZQSignature"));
    auto* box = dynamic_cast<zqp::Button*>(panel_->panelView()->viewWithTag(tags::kBookletSwitch));
    ASSERT_NE(booklet, nullptr);
    ASSERT_NE(box, nullptr);
    // The booklet enables the switch; the switch turns the shift on.
    booklet->setHidden(false);
    box->setHidden(false);
    ASSERT_TRUE(booklet->userSelect(1));
    ASSERT_TRUE(box->performClick());
    panel_->SetValueFromUIToControl();
    ASSERT_TRUE(panel_->IsBookletMarginShift());
    echo->GetSummaryText(&summary, &order);
    EXPECT_EQ(summary["Booklet Margin Shift"], "On");
}

}  // namespace
}  // namespace zqfeat
