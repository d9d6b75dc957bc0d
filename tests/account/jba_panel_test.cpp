// The job-authentication panel in-process, on a test PPD and the bundle's
// resources folder, with a scripted modal driver: the keyboard order of the
// input window and the storage-password check with the PPD's minimum.
#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/test_driver.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include "../framework/ppd_fixture.h"
#include "account_dialog.h"
#include "jba_panel.h"
#include "jba_windows.h"
#include "print_type_tables.h"
#include "zqpde/app_resources.h"
#include "zqpde/ticket_value.h"

namespace zqacct {
namespace {

using zqpde::test::PickOne;
using zqpde::test::PPD;

using zqacct::test::Resources;

struct Rig {
    explicit Rig(const std::string& product, int32_t type)
        : ppd("*ZQXAccountingSettings: \"" + product + "-ARK\"\n*ZQLocalizableFileIndex: \"1\"\n" +
              PickOne("ZQMinDigitPasscode", {"4Digits", "6Digits"})),
          host(ppd.get()) {
        host.session().SetCurrentPrinterID("zq-ark");
        zqpde::pluginBundle = Resources();
        auto made = CreateJBAPanel(&host, type);
        panel.reset(static_cast<JBAPDEr15*>(made.release()));
        EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    }
    PPD ppd;
    zqp::Host host;
    std::unique_ptr<JBAPDEr15> panel;
};

int32_t NextTag(zqp::Window& w, int32_t tag) {
    zqp::View* v = w.viewWithTag(tag);
    return v != nullptr && v->nextKeyView() != nullptr ? v->nextKeyView()->tag() : 0;
}

// The user window set to ask for the details at print, with both format boxes
// as given; then the print gate with the steps of the input window.
void AskAtPrint(Rig& rig, zqp::ScriptedDriver& d, bool userFormat, bool accountFormat) {
    d.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Click(w, 3017); });
    if (!userFormat) d.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Click(w, 3021); });
    if (!accountFormat) d.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Click(w, 3022); });
    d.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Click(w, 3001); });
    ASSERT_NE(rig.panel->getjbaInfoWndPushCtrlPtr(), nullptr);
    rig.panel->getjbaInfoWndPushCtrlPtr()->UIEventHandler();
    ASSERT_TRUE(rig.panel->getbInputWndVisible());
}

TEST(JBAKeyboardOrder, StorageRadioLeadsToTheVisibleFirstFieldAndPasswordToTheAccount) {
    struct Row {
        const char* product;
        int32_t type;
        bool userFormat, accountFormat;
        int32_t fromStorageRadio, fromPassword, afterStorageClick;
    };
    for (const Row& row : {Row{"Default03", 5, true, true, 4022, 4018, 4014},
                           Row{"Default03", 5, false, false, 4021, 4017, 4011},
                           Row{"Default00", 0, true, false, 4015, 4017, 4014},
                           Row{"Default00", 0, false, true, 4006, 4018, 4011}}) {
        SCOPED_TRACE(std::string(row.product) + (row.userFormat ? " masked" : " plain"));
        Rig rig(row.product, row.type);
        zqp::ScriptedDriver d;
        AskAtPrint(rig, d, row.userFormat, row.accountFormat);
        int32_t storage = -1, password = -1, afterClick = -1;
        d.addStep([&](zqp::Window& w) {
            storage = NextTag(w, 4009);
            password = NextTag(w, 4008);
            zqp::ScriptedDriver::Click(w, 4009);
            afterClick = NextTag(w, 4009);
            zqp::ScriptedDriver::Click(w, 4002);
        });
        EXPECT_FALSE(rig.panel->shouldPrint()) << "cancelled";
        EXPECT_EQ(rig.panel->getJobStatus(), kJobMayNotPrint);
        EXPECT_EQ(storage, row.fromStorageRadio);
        EXPECT_EQ(password, row.fromPassword);
        EXPECT_EQ(afterClick, row.afterStorageClick);
    }
}

TEST(JBAStoragePassword, ShorterThanThePPDsMinimumIsRefusedWithTheMinimumInTheMessage) {
    Rig rig("Default03", 5);
    zqp::ScriptedDriver d;
    d.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Type(w, 3014, "123"); });
    d.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Click(w, 3001); });
    d.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Type(w, 3014, "1234"); });
    d.addStep([](zqp::Window& w) { zqp::ScriptedDriver::Click(w, 3001); });
    rig.panel->getjbaInfoWndPushCtrlPtr()->UIEventHandler();
    ASSERT_EQ(d.alerts().size(), 1u);
    EXPECT_NE(d.alerts()[0].informativeText.find("Enter 4 to 12"), std::string::npos) << d.alerts()[0].informativeText;
    EXPECT_EQ(d.pendingSteps(), 0u);
    ASSERT_TRUE(rig.panel->shouldPrint());
    std::string stored;
    rig.host.settings().GetValue("com.tavelle.qdm.printsettings.JBAStoragePasswordTextEditTicket", stored);
    EXPECT_EQ(stored, zqpde::QSPTicketString("1234").value());
}

TEST(JBAPrintGate, WithoutAnInputWindowToAskTheJobPrints) {
    Rig rig("Default00", 0);
    EXPECT_FALSE(rig.panel->getbInputWndVisible());
    EXPECT_TRUE(rig.panel->OnClickPrintCommand());
    EXPECT_EQ(rig.panel->getJobStatus(), kJobMayPrint);
}

}  // namespace
}  // namespace zqacct
