// The plug-in's panel rule and the panel's round trip of the record list
// through the dialog's print settings, with the bundle's resources folder.
#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/host.h>

#include "../framework/ppd_fixture.h"
#include "bundle_resources.h"
#include "settings_ticket.h"
#include "special_pages_plugin.h"

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
        panel->records().updateRequest(kInsert, {{{"type", "1"}, {"page", "3"}, {"pagesize", "1"}}});
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

}  // namespace
}  // namespace zqsp
