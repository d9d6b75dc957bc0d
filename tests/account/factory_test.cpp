// The plug-in's product tables and panel factory, and which print types a
// PPD leaves enabled, on PPDs written by the tests and the bundle's
// resources folder.
#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/host.h>

#include "../framework/ppd_fixture.h"
#include "account_dialog.h"
#include "account_plugin.h"
#include "print_type_controls.h"
#include "print_type_panel.h"

namespace zqacct {
namespace {

using zqpde::test::PickOne;
using zqpde::test::PPD;

using zqacct::test::Resources;

std::string Items(const char* const* items) {
    if (items == nullptr) return "all";
    std::string s;
    for (; *items != nullptr; ++items) s += std::string(s.empty() ? "" : ",") + *items;
    return s;
}

TEST(ProductTables, KeyGivesItsRowOrZero) {
    EXPECT_EQ(ProductTypeForKey(edition::JBAProductInfo, "Default05"), 7);
    EXPECT_EQ(ProductTypeForKey(edition::JBAProductInfo, "Morvane00"), 3);
    EXPECT_EQ(ProductTypeForKey(edition::PTProductInfo, "Default04"), 5);
    EXPECT_EQ(ProductTypeForKey(edition::PTProductInfo, "Morvane00"), 4);
    EXPECT_EQ(ProductTypeForKey(edition::PTProductInfo, "default04"), 0);  // exact, case-sensitive
    EXPECT_EQ(ProductTypeForKey(edition::PTProductInfo, "Default99"), 0);
}

TEST(PanelFactory, NeedsTheAttributeTheNibAndTheHelpPage) {
    ASSERT_NE(Resources(), nullptr);
    PPD ark("*ZQXPrintTypeSettings: \"Default02-ARK\"\n*ZQXAccountingSettings: \"Default05-ARK\"\n");
    auto pt = PanelProductFromPPD(ark.get(), Resources(), "ZQXPrintTypeSettings", "ZQPrintType_", "SelectJobType_");
    ASSERT_TRUE(pt);
    EXPECT_EQ(pt->productKey, "Default02");
    EXPECT_EQ(pt->helpKey, "ARK");
    auto jba = PanelProductFromPPD(ark.get(), Resources(), "ZQXAccountingSettings", "ZQPrintJBA_", "JBA_");
    ASSERT_TRUE(jba);
    EXPECT_EQ(jba->productKey, "Default05");

    // A help key whose page the bundle lacks (a kv29 printer), a product
    // without a nib, no attribute at all: no panel.
    PPD kv29("*ZQXPrintTypeSettings: \"Default00-KV29\"\n");
    EXPECT_FALSE(PanelProductFromPPD(kv29.get(), Resources(), "ZQXPrintTypeSettings", "ZQPrintType_", "SelectJobType_"));
    PPD noNib("*ZQXPrintTypeSettings: \"Default99-ARK\"\n");
    EXPECT_FALSE(PanelProductFromPPD(noNib.get(), Resources(), "ZQXPrintTypeSettings", "ZQPrintType_", "SelectJobType_"));
    PPD none("*ZQXMailBoxSettings: \"100\"\n");
    EXPECT_FALSE(PanelProductFromPPD(none.get(), Resources(), "ZQXPrintTypeSettings", "ZQPrintType_", "SelectJobType_"));
}

TEST(PanelFactory, OffersThePrintTypePanelForThePrintDialogOnly) {
    PPD ppd("*ZQXPrintTypeSettings: \"Default00-ARK\"\n");
    zqp::Host host(ppd.get());
    PrintAccountPDEPlugInr15 plugin;
    ASSERT_TRUE(plugin.initWithBundle(Resources()));
    auto panels = plugin.PDEPanelsForType(zqp::kPrintDialogPanelType, &host);
    ASSERT_EQ(panels.size(), 1u);
    EXPECT_EQ(panels[0]->panelKind(), "com.tavelle.r15.pde.PrintTypeKind");
    EXPECT_TRUE(plugin.PDEPanelsForType("another dialog", &host).empty());
    zqp::Host noPPD(nullptr);
    EXPECT_TRUE(plugin.PDEPanelsForType(zqp::kPrintDialogPanelType, &noPPD).empty());
}

TEST(PanelFactory, LoadConditionIsFalseOnlyForFalse) {
    PPD ppd("*ZQOne: \"False\"\n*ZQTwo: \"True\"\n*ZQThree: \"no\"\n");
    EXPECT_FALSE(PrintAccountPDEPlugInr15::CheckLoadCondition(ppd.get(), "ZQOne"));
    EXPECT_TRUE(PrintAccountPDEPlugInr15::CheckLoadCondition(ppd.get(), "ZQTwo"));
    EXPECT_TRUE(PrintAccountPDEPlugInr15::CheckLoadCondition(ppd.get(), "ZQThree"));
    EXPECT_TRUE(PrintAccountPDEPlugInr15::CheckLoadCondition(ppd.get(), "ZQMissing"));
}

TEST(PrintTypeAvailability, FollowsTheInstalledStorage) {
    const std::string disk = PickOne("ZQHardDisk", {"HardDisk", "None", "RAMDisk"});
    EXPECT_EQ(Items(PrintTypeAvailabilityFromPPD(PPD(disk).get())), Items(printTypeListIniMenu));
    EXPECT_EQ(Items(PrintTypeAvailabilityFromPPD(PPD(PickOne("ZQHardDisk", {"None", "HardDisk"})).get())),
              "Job Type None");
    EXPECT_EQ(Items(PrintTypeAvailabilityFromPPD(PPD(PickOne("ZQHardDisk", {"RAMDisk", "None"})).get())),
              Items(printTypeListIniMenu));
    // A keyword the table does not know leaves everything enabled.
    EXPECT_EQ(Items(PrintTypeAvailabilityFromPPD(PPD(PickOne("ZQHardDisk", {"Flash", "None"})).get())), "all");
    // The secure-print default overrides the storage.
    EXPECT_EQ(Items(PrintTypeAvailabilityFromPPD(
                  PPD("*ZQPTSecurePrintDefault: \"True\"\n" + PickOne("ZQHardDisk", {"None", "HardDisk"})).get())),
              "all");
    EXPECT_EQ(Items(PrintTypeAvailabilityFromPPD(PPD("").get())), "all");
}

std::string Boolean(const std::string& keyword, const std::string& def) {
    return "*OpenUI *" + keyword + ": Boolean\n*Default" + keyword + ": " + def + "\n*" + keyword +
           " False/Off: \"\"\n*" + keyword + " True/On: \"\"\n*CloseUI: *" + keyword + "\n";
}

TEST(PrintTypeAvailability, BooleanDiskDefersToTheRAMDisk) {
    EXPECT_EQ(Items(PrintTypeAvailabilityFromPPD(
                  PPD(Boolean("ZQHardDisk", "False") + Boolean("ZQRAMDisk", "True")).get())),
              Items(printTypeListIniMenu));
    EXPECT_EQ(Items(PrintTypeAvailabilityFromPPD(
                  PPD(Boolean("ZQHardDisk", "False") + Boolean("ZQRAMDisk", "False")).get())),
              "Job Type None");
    // Without a RAM disk option the hard disk's own "False" is looked up.
    EXPECT_EQ(Items(PrintTypeAvailabilityFromPPD(PPD(Boolean("ZQHardDisk", "False")).get())), "Job Type None");
    EXPECT_EQ(Items(PrintTypeAvailabilityFromPPD(PPD(Boolean("ZQHardDisk", "True")).get())), "all");
}

TEST(LoginName, TakenWhenItPassesTheFilterElseUnknownUser) {
    EXPECT_EQ(LoginNameForField("abcd", &printTypeLoginEtxtFilterDataUTF8, 32), "abcd");
    EXPECT_EQ(LoginNameForField(std::string(40, 'x'), &printTypeLoginEtxtFilterDataUTF8, 32), std::string(32, 'x'));
    EXPECT_EQ(LoginNameForField("", &printTypeLoginEtxtFilterDataUTF8, 32), "UnknownUser");
    EXPECT_EQ(LoginNameForField("tab\tname", &printTypeLoginEtxtFilterDataUTF8, 32), "UnknownUser");
    // Cut at a character boundary, never inside a character.
    std::string kana;
    for (int i = 0; i < 11; ++i) kana += "\xE3\x81\x82";  // 33 bytes
    EXPECT_EQ(LoginNameForField(kana, &printTypeLoginEtxtFilterDataUTF8, 32).size(), 30u);
}

}  // namespace
}  // namespace zqacct

namespace zqacct {
namespace {

// Items of the print-type list of a restored panel.
int ItemCount(PrintTypePDEr15& panel) {
    auto* list = dynamic_cast<zqp::PopUpButton*>(panel.getPrintTypeListCtrlPtr()->GetControlPtr());
    return list != nullptr ? list->numberOfItems() : -1;
}

TEST(PrintTypePanel, TwoPrintersInOneDialogKeepTheirOwnProduct) {
    PrintAccountPDEPlugInr15 plugin;
    ASSERT_TRUE(plugin.initWithBundle(Resources()));
    PPD reduced("*ZQXPrintTypeSettings: \"Default04-ARK\"\n*ZQXMailBoxSettings: \"100\"\n");
    PPD full("*ZQXPrintTypeSettings: \"Default00-ARK\"\n*ZQXMailBoxSettings: \"100\"\n");
    zqp::Host first(reduced.get()), second(full.get());
    first.session().SetCurrentPrinterID("first");
    second.session().SetCurrentPrinterID("second");
    auto a = plugin.PDEPanelsForType(zqp::kPrintDialogPanelType, &first);
    auto b = plugin.PDEPanelsForType(zqp::kPrintDialogPanelType, &second);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    auto& pa = dynamic_cast<PrintTypePDEr15&>(*a[0]);
    auto& pb = dynamic_cast<PrintTypePDEr15&>(*b[0]);
    ASSERT_TRUE(pa.restoreValuesAndReturnError(nullptr));
    ASSERT_TRUE(pb.restoreValuesAndReturnError(nullptr));
    // The second printer does not turn the first into a full product, nor the reverse.
    EXPECT_TRUE(pa.IsKeywordSupported());
    EXPECT_FALSE(pb.IsKeywordSupported());
    EXPECT_TRUE(pa.restoreValuesAndReturnError(nullptr));
    EXPECT_EQ(ItemCount(pa), 3);
    EXPECT_EQ(ItemCount(pb), 5);
    EXPECT_EQ(pa.getPDEType(), 5);
    EXPECT_EQ(pb.getPDEType(), 0);
}

}  // namespace
}  // namespace zqacct
