#include "zqpde/settings_access.h"

#include <gtest/gtest.h>
#include <zqp/print_session.h>
#include <zqp/print_settings.h>

#include "ppd_fixture.h"
#include "zqpde/status.h"

namespace zqpde {
namespace {

TEST(SettingsAccess, StoresTheValueWithBrokenBarReplacedAndTheCallersLock) {
    zqp::PrintSettings settings;
    EXPECT_EQ(SetValueToSettingsWithTicketKeyAndLock("a\xEF\xBF\xA4" "b\xC3\xA9", &settings, "k.Ticket", false), 0);
    std::string v;
    ASSERT_EQ(settings.GetValue("k.Ticket", v), 0);
    EXPECT_EQ(v, "a|b\xC3\xA9");
    EXPECT_FALSE(settings.IsLocked("k.Ticket"));

    EXPECT_EQ(SetValueToSettingsWithTicketKeyAndLock("x", &settings, "locked.Ticket", true), 0);
    EXPECT_TRUE(settings.IsLocked("locked.Ticket"));
    // The settings' own refusal comes back unchanged.
    EXPECT_EQ(SetValueToSettingsWithTicketKeyAndLock("y", &settings, "locked.Ticket", false), zqp::kPermErr);

    EXPECT_EQ(SetIntegerValueToSettings(-12, &settings, "n.Ticket", false), 0);
    ASSERT_EQ(settings.GetValue("n.Ticket", v), 0);
    EXPECT_EQ(v, "-12");
}

TEST(SettingsAccess, RefusesMissingArgumentsAndBrokenTextBeforeTouchingTheSettings) {
    zqp::PrintSettings settings;
    EXPECT_EQ(SetValueToSettingsWithTicketKeyAndLock(nullptr, &settings, "k", false), kParamErr);
    EXPECT_EQ(SetValueToSettingsWithTicketKeyAndLock("v", nullptr, "k", false), kParamErr);
    EXPECT_EQ(SetValueToSettingsWithTicketKeyAndLock("v", &settings, nullptr, false), kParamErr);
    EXPECT_EQ(SetValueToSettingsWithTicketKeyAndLock("\xC3(", &settings, "k", false), kMemFullErr);
    EXPECT_EQ(settings.Size(), 0u);
}

TEST(SettingsAccess, SessionDataAndThePrinterString) {
    zqp::PrintSession session;
    int32_t n = 7;
    EXPECT_EQ(GetTicketFromSession(&session, "count", &n), kNoSessionDatumErr);
    EXPECT_EQ(n, 7);
    session.SetData("count", int64_t{42});
    EXPECT_EQ(GetTicketFromSession(&session, "count", &n), 0);
    EXPECT_EQ(n, 42);
    EXPECT_EQ(GetTicketFromSession(nullptr, "count", &n), kParamErr);

    ppd_file_t* ppd = reinterpret_cast<ppd_file_t*>(1);
    EXPECT_EQ(GetPPDRefFromSession(&session, &ppd), kNoSessionDatumErr);
    EXPECT_EQ(ppd, nullptr);
    test::PPD fixture(test::PickOne("ZQColor", {"Mono", "Color"}));
    session.SetPPD(fixture.get());
    EXPECT_EQ(GetPPDRefFromSession(&session, &ppd), 0);
    EXPECT_EQ(ppd, fixture.get());

    std::string printer = "pre-";
    EXPECT_EQ(SetPrinterString(&session, &printer), 1);  // no current printer
    session.SetCurrentPrinterID("Office_3F");
    EXPECT_EQ(SetPrinterString(&session, &printer), 0);
    EXPECT_EQ(printer, "pre-Office_3F");
    EXPECT_EQ(SetPrinterString(&session, nullptr), 1);
}

}  // namespace
}  // namespace zqpde
