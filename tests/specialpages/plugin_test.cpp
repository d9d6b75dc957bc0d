// The plug-in's panel rule and the panel's round trip of the record list
// through the dialog's print settings, with the bundle's resources folder.
#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <memory>
#include <vector>

#include "../framework/ppd_fixture.h"
#include "bundle_resources.h"
#include "settings_ticket.h"
#include "special_pages_plugin.h"
#include "paper_popup.h"
#include "summary_list.h"

namespace zqsp {
namespace {

using zqpde::test::PPD;

using test::Resources;

TEST(SpecialPagesFactory, NeedsTheAttributeTheNibAndTheHelpPage) {
    ASSERT_NE(Resources(), nullptr);
    PPD ok("*ZQXSpecialPagesSettings: \"Default00-ARK\"\n");
    EXPECT_EQ(SpecialPagesNibFromPPD(ok.get(), Resources()).value_or(""), "ZQSpecialPages_Default00");
    PPD noNib("*ZQXSpecialPagesSettings: \"Default99-ARK\"\n");
    EXPECT_FALSE(SpecialPagesNibFromPPD(noNib.get(), Resources()));
    PPD noHelp("*ZQXSpecialPagesSettings: \"Default00-XYZ\"\n");
    EXPECT_FALSE(SpecialPagesNibFromPPD(noHelp.get(), Resources()));
    PPD none("*ZQXMailBoxSettings: \"100\"\n");
    EXPECT_FALSE(SpecialPagesNibFromPPD(none.get(), Resources()));

    SpecialPagesPDEPluginr15 plugin;
    ASSERT_TRUE(plugin.initWithBundle(Resources()));
    zqp::Host host(ok.get());
    auto panels = plugin.PDEPanelsForType(zqp::kPrintDialogPanelType, &host);
    ASSERT_EQ(panels.size(), 1u);
    EXPECT_EQ(panels[0]->panelKind(), "com.tavelle.r15.pde.SpecialPagesKind");
    EXPECT_EQ(panels[0]->panelName(), "Special Pages");
    EXPECT_NE(panels[0]->panelView(), nullptr);
    EXPECT_TRUE(plugin.PDEPanelsForType("another dialog", &host).empty());
    zqp::Host noPPD(nullptr);
    EXPECT_TRUE(plugin.PDEPanelsForType(zqp::kPrintDialogPanelType, &noPPD).empty());
}

TEST(SpecialPagesPanel, SavedRecordsComeBackInANewPanel) {
    SpecialPagesPDEPluginr15 plugin;
    ASSERT_TRUE(plugin.initWithBundle(Resources()));
    PPD ppd("*ZQXSpecialPagesSettings: \"Default00-ARK\"\n"
            "*OpenUI *PageSize: PickOne\n*DefaultPageSize: A4\n"
            "*PageSize A4: \"\"\n*PageSize A5: \"\"\n*CloseUI: *PageSize\n"
            "*PaperDimension A4: \"595 842\"\n*PaperDimension A5: \"420 595\"\n"
            "*ImageableArea A4: \"0 0 595 842\"\n*ImageableArea A5: \"0 0 420 595\"\n");
    zqp::Host host(ppd.get());
    {
        auto panels = plugin.PDEPanelsForType(zqp::kPrintDialogPanelType, &host);
        ASSERT_EQ(panels.size(), 1u);
        auto* panel = dynamic_cast<SpecialPagesPDEr15*>(panels[0].get());
        ASSERT_NE(panel, nullptr);
        ASSERT_TRUE(panel->restoreValuesAndReturnError(nullptr));
        EXPECT_EQ(panel->records().allItemCount(), 0u);
        // An insert as the inserts window makes it: A5, colour and type at
        // No Change (this PPD has neither option).
        panel->records().updateRequest(
            kInsert, {{{"type", "1"}, {"page", "3"}, {"insertoption", "0"}, {"insertquantity", "1"}, {"pagesize", "1"},
                       {"pagecolor", "-1"}, {"pagetype", "-1"}, {"interposer", "false"}, {"width", "210.0"},
                       {"length", "297.0"}, {"longmeasure", "1"}}});
        ASSERT_TRUE(panel->saveValuesAndReturnError(nullptr));
    }
    auto panels = plugin.PDEPanelsForType(zqp::kPrintDialogPanelType, &host);
    auto* panel = dynamic_cast<SpecialPagesPDEr15*>(panels[0].get());
    ASSERT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    ASSERT_EQ(panel->records().allItemCount(), 1u);
    EXPECT_EQ(panel->records().records()[0].at("page"), "3");
    const TicketReader read = SettingsTicketReader(host.printSettings());
    EXPECT_EQ(read(std::string(kTicketNamespace) + "SpecialPageRecordCountTicket").value_or(""), "1");
    EXPECT_EQ(read(std::string(kTicketNamespace) + "whetherMediaSizeA5Ticket").value_or(""), "1");

    // A mailbox job written by the account panel sends the device no pages,
    // but the panel still keeps its records for the next job.
    host.printSettings()->SetValue(std::string(kTicketNamespace) + "PrintTypeTicketKey", "5", false);
    ASSERT_TRUE(panel->shouldPrint());
    EXPECT_EQ(read(std::string(kTicketNamespace) + "SpecialPageRecordCountTicket").value_or(""), "0");
    EXPECT_EQ(read(std::string(kTicketNamespace) + "JTIFCommandTicketCount").value_or(""), "1");
}

// The panel on the ARK sample PPD in a dialog host of the test's own.
class SamplePanel : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(plugin_.initWithBundle(Resources()));
        ASSERT_NE(ppd_, nullptr);
        ppdMarkDefaults(ppd_);
        host_ = std::make_unique<zqp::Host>(ppd_);
        host_->session().SetCurrentPrinterID("zq-ark");
        panels_ = plugin_.PDEPanelsForType(zqp::kPrintDialogPanelType, host_.get());
        panel = dynamic_cast<SpecialPagesPDEr15*>(panels_.at(0).get());
        ASSERT_NE(panel, nullptr);
    }
    void TearDown() override {
        panels_.clear();
        host_.reset();
        if (ppd_ != nullptr) ppdClose(ppd_);
    }
    zqp::Host& host() { return *host_; }

    SpecialPagesPDEPluginr15 plugin_;
    ppd_file_t* ppd_ = ppdOpenFile(ZQ_SOURCE_DIR "/ppd/zq-ark-sample.ppd");
    std::unique_ptr<zqp::Host> host_;
    std::vector<std::unique_ptr<zqp::Panel>> panels_;
    SpecialPagesPDEr15* panel = nullptr;
};

TEST_F(SamplePanel, OwnsOneConstraintMapAndHandsItToItsWindows) {
    // The panel follows no option of the dialog.
    EXPECT_TRUE(panel->supportedPPDOptionKeys().empty());
    zqp::Window nibless;
    panel->InstallWindow(SPWindowRole::kInserts, std::make_unique<zqpde::PopupWinInPanel>(&nibless, "x"));
    ASSERT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    const zqpde::ConstraintHash* map = panel->constraintMap();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->count("MediaType:Transparency"), 4u);  // both duplex choices, Blue, two holes
    EXPECT_EQ(map->count("ZQMediaColor:Blue"), 1u);
    EXPECT_EQ(panel->getSPAddInsertWndPtr()->Geteppd(), map);
    // A window that comes later is brought up to the panel.
    zqp::Window late;
    panel->InstallWindow(SPWindowRole::kCovers, std::make_unique<zqpde::PopupWinInPanel>(&late, "y"));
    EXPECT_EQ(panel->getSPAddCoversWndPtr()->Geteppd(), map);
    EXPECT_EQ(panel->getSPAddCoversWndPtr()->GetCurrentPPD(), ppd_);
    // A new restore builds the map afresh; the window gets the new one.
    ASSERT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_EQ(panel->getSPAddInsertWndPtr()->Geteppd(), panel->constraintMap());
    EXPECT_EQ(panel->Geteppd(), panel->constraintMap());
}

TEST_F(SamplePanel, ARestoreGreysTheWindowsPopupsAgainstNewMarks) {
    static const zqpde::ListCtrlIniData paperIni = {1, 1, 1, kSelectPaperIniMenu};
    zqp::Window view;
    view.setContentView(std::make_unique<zqp::View>());
    auto popupView = std::make_unique<zqp::PopUpButton>();
    popupView->setTag(10);
    auto* popup = static_cast<zqp::PopUpButton*>(view.contentView()->addSubview(std::move(popupView)));
    auto window = std::make_unique<zqpde::PopupWinInPanel>(&view, "Add Inserts Windows");
    auto paper = std::make_unique<SPSelectPaperListCtrlARK>();
    paper->CreateControl(popup, "PageSize", "ZQMediaColor", "MediaType", &paperIni, nullptr, nullptr, nullptr, 1,
                         nullptr);
    window->AddNewControl(std::move(paper));
    panel->InstallWindow(SPWindowRole::kInserts, std::move(window));
    ASSERT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_TRUE(popup->itemAtIndex(kPaperInterposerItem)->enabled);
    // Another panel sets the coil punch; the next restore shows its effect.
    ASSERT_TRUE(host().willChangePPDOptionKeyValue("ZQNumPunchHoles", "CoilPunch"));
    ASSERT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_FALSE(popup->itemAtIndex(kPaperInterposerItem)->enabled);
    EXPECT_EQ(popup->numberOfItems(), 7);  // greyed, not removed
    ASSERT_TRUE(host().willChangePPDOptionKeyValue("ZQNumPunchHoles", "None"));
    ASSERT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_TRUE(popup->itemAtIndex(kPaperInterposerItem)->enabled);
}

TEST_F(SamplePanel, RecordsAWindowHandsOverReachTheTicket) {
    ASSERT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    SPSummaryScrollViewCtrl* list = panel->getSPSummaryScrollViewCtrlPtr();
    ASSERT_NE(list, nullptr);
    // As the exceptions window's OK and then the covers window's OK do.
    list->updateRequest(kException, {{{"type", "2"}, {"page", "4-6"}, {"pagesize", "3"}, {"pagecolor", "1"},
                                      {"pagetype", "4"}, {"interposer", "false"}, {"twoSidePrint", "1"}}});
    list->updateRequest(kCover, {{{"type", "0"}, {"page", "1"}, {"printingoptions", "0"}, {"interposer", "true"}}});
    EXPECT_EQ(list->numberOfRows(), 2);
    EXPECT_EQ(list->objectValue("page", 0), "4-6");
    EXPECT_EQ(list->objectValue("setup", 0), "1-sided; A5, Blue, Tab Stock");
    EXPECT_EQ(list->objectValue("setup", 1), "Blank or pre-printed; Interposer Tray");
    // A custom size: one decimal always, in the unit the record was made in.
    list->updateRequest(kInsert, {{{"type", "1"}, {"page", "2"}, {"insertquantity", "3"}, {"pagesize", "4"},
                                   {"pagecolor", "-1"}, {"pagetype", "-1"}, {"width", "210"}, {"length", "297.0"},
                                   {"longmeasure", "1"}},
                                  {{"type", "1"}, {"page", "2"}, {"insertquantity", "1"}, {"pagesize", "4"},
                                   {"pagecolor", "0"}, {"pagetype", "1"}, {"width", "254.0"}, {"length", "25.4"},
                                   {"longmeasure", "0"}}});
    EXPECT_EQ(list->objectValue("setup", 0), "3 sheet(s); 210.0 x 297.0 mm, No Change, No Change");
    EXPECT_EQ(list->objectValue("setup", 1), "1 sheet(s); 10.00 x 1.00 in, White, Plain Paper");
    list->updateRequest(kInsert, {});
    ASSERT_TRUE(panel->saveValuesAndReturnError(nullptr));
    const TicketReader read = SettingsTicketReader(host().printSettings());
    EXPECT_EQ(read(std::string(kTicketNamespace) + "JTIFExceptionCountTicket").value_or(""), "1");
    EXPECT_EQ(read(std::string(kTicketNamespace) + "JTIFCoverCountTicket").value_or(""), "1");
    EXPECT_EQ(read(std::string(kTicketNamespace) + "whetherMediaTypeTabTicket").value_or(""), "1");
    EXPECT_EQ(read(std::string(kTicketNamespace) + "JTIFCommandTicket_1").value_or(""),
              "0,1,0,,,,true,,,,");
}

}  // namespace
}  // namespace zqsp
