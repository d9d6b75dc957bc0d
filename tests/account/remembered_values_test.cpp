// Remembered values come from files any program of the user can write: no
// value, however hostile, may crash a panel or reach arithmetic unbounded
// (the sanitizer build checks the latter). The keys are those the panels
// remember themselves, so controls added later are covered too.
#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <tuple>
#include <sstream>

#include "account_dialog.h"

namespace zqacct {
namespace {

using namespace zqacct::test;

constexpr const char* kJBAPanel = "panel com.tavelle.r15.pde.AccountKind\nshow\n";
constexpr const char* kPTPanel = "panel com.tavelle.r15.pde.PrintTypeKind\nshow\n";
const std::string kBothPanels = std::string(kJBAPanel) + kPTPanel;

class RememberedValues : public AccountDialog {};

TEST_F(RememberedValues, HostileValuesOfEveryRememberedControlAreSurvived) {
    const DialogRun plain = Unopened(kBothPanels + "print\n");
    ASSERT_EQ(plain.result.status, 0) << plain.result.err;
    const std::string prefix = std::string(kPrinter) + NS;
    std::vector<std::string> keys;
    for (const auto& [key, value] : plain.ticket)
        if (key.compare(0, prefix.size(), prefix) == 0) keys.push_back(key.substr(prefix.size()));
    // Lists, radios, boxes and texts of both panels.
    ASSERT_GE(keys.size(), 10u);

    const std::vector<std::string> hostile = {
        std::to_string(INT_MIN), std::to_string(INT_MAX), "-1", "0", "99999999999999999999", "-99999999999999999999",
        "abc", std::string(4000, '7'), "/255/0/10@PJL", "\xff\xfe"};
    for (const std::string& value : hostile) {
        std::string settings;
        for (const std::string& key : keys) settings += Remember(key, value);
        for (const std::string& script :
             {std::string(kBothPanels) + "print\n", std::string(kJBAPanel) + "select 1001 0\n" + kPTPanel + "select 101 0\nprint\n"}) {
            const DialogRun r = Unopened(script, settings);
            // Printed, or refused with the panels' own message (a remembered
            // text that is not valid is asked for again): never a crash.
            EXPECT_TRUE(r.result.status == 0 || (r.result.status == 1 && r.Says("print: refused")))
                << value << "\n" << r.result.err;
            EXPECT_EQ(r.result.err.find("runtime error"), std::string::npos) << value << "\n" << r.result.err;
        }
    }
}

// With hostile values for the account mode and the user's ID source the
// panel shows their defaults, and the user's own choice in the window is
// what prints.
TEST_F(RememberedValues, AfterAHostileValueTheListsShowTheirDefaultsAndTakeTheUsersChoice) {
    const std::string filter = zqtest::BinPath("ark-job-filter");
    if (access(filter.c_str(), X_OK) != 0) GTEST_SKIP() << "ark-job-filter is not built yet";
    const DialogRun r = Unopened(std::string(kJBAPanel) +
                                     "dump 1001\nclick 1002\ndump 3006\nselect 3006 1\ntype 3007 bob\n"
                                     "type 3014 1234\nclick 3001\nprint\n",
                                 Remember("JBAManageTypeListReference", std::to_string(INT_MIN)) +
                                     Remember("JBAUserIDListCtrlReference", "x7"),
                                 SamplePPD(), "--cups-options");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_TRUE(r.Says("tag=1001 disabled selected=1 ")) << r.result.err;  // "My Own Settings"
    EXPECT_TRUE(r.Says("tag=3006 enabled selected=0 ")) << r.result.err;   // "Use Login Name"
    const zqtest::JobResult job = zqtest::RunProgram(filter, JobFromOptions(r.result.out, dir_.path()));
    EXPECT_NE(job.out.find("@PJL SET JOBATTR=\"@JOAU=bob\"\r\n"), std::string::npos) << job.out;
}

}  // namespace
}  // namespace zqacct

// ---- every remembered number of both panels, in ARK and TELD ----------------------------------------

namespace zqacct {
namespace {

struct Edition {
    const char* ns;
    const char* printer;  // printer ID, the PPD's file name
    const char* kinds;    // "com.tavelle.<kinds>.pde."
    const char* filter;
};
const Edition kARK{"com.tavelle.qdm.printsettings.", "zq-ark", "r15", "ark-job-filter"};
const Edition kTELD{"com.tavelle.kvb.printsettings.", "zq-teld", "teld15", "teld-job-filter"};

// One value given to every remembered number in turn (a case each, so they
// run side by side); nullptr: the radio pairs instead.
struct Hostile {
    const char* name;
    const char* value;
};
const Hostile kHostile[] = {{"IntMin", "-2147483648"}, {"IntMax", "2147483647"}, {"MinusOne", "-1"},
                            {"NoSuchItem", "99"},      {"Past32Bits", "99999999999"}, {"Letters", "x7"},
                            {"TrailingLetter", "1x"},  {"Empty", ""},               {"RadioPairs", nullptr}};

class RememberedBounds : public ::testing::TestWithParam<std::tuple<const Edition*, Hostile>> {
protected:
    struct Printed {
        std::string ticket;  // its lines, remembered entries left out
        std::string stream;  // what the edition's filter makes of it
    };
    // Both panels opened, then printed, with these remembered entries.
    Printed Print(const std::string& remembered) {
        const Edition& e = *std::get<0>(GetParam());
        const std::string ppd = dir_.Write(std::string(e.printer) + ".ppd",
                                           zqtest::Slurp(std::string(ZQ_SOURCE_DIR "/ppd/") + e.printer + "-sample.ppd"));
        const std::string panel = std::string("panel com.tavelle.") + e.kinds + ".pde.";
        const zqtest::DialogResult r = zqtest::RunPrintDialog(
            "env TZ=UTC ZQ_PREFS_DIR='" + dir_.path() + "/prefs' " ZQ_PRINTDIALOG,
            "--ppd '" + ppd + "' --bundles '" ZQ_BUNDLES_DIR "' --clock '2026-01-01 10:00' --cups-options --script '" +
                dir_.Write("script.txt", panel + "AccountKind\n" + panel + "PrintTypeKind\nprint\nticket\n") +
                "' --settings '" + dir_.Write("settings.txt", remembered) + "'",
            dir_.path());
        EXPECT_EQ(r.status, 0) << remembered << r.err;
        Printed p;
        std::istringstream lines(r.err);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind(std::string("ticket: ") + e.ns, 0) == 0) p.ticket += line.substr(8) + "\n";
        zqtest::JobSpec job;
        job.options = r.out.substr(0, r.out.find_last_not_of('\n') + 1);
        job.ppdPath = ppd;
        job.postscript = zqtest::SamplePostScript(1);
        p.stream = zqtest::RunProgram(zqtest::BinPath(e.filter), job).out;
        return p;
    }
    zqpde::test::TempDir dir_;
};

TEST_P(RememberedBounds, AValueNoControlCanHoldGivesItsDefaultToTheTicketAndTheDevice) {
    const auto& [edition, hostile] = GetParam();
    const Edition& e = *edition;
    if (access(zqtest::BinPath(e.filter).c_str(), X_OK) != 0) GTEST_SKIP() << e.filter << " is not built yet";
    const Printed plain = Print("");
    ASSERT_NE(plain.stream.find("@JOAU="), std::string::npos) << plain.stream;
    std::string settings;
    if (hostile.value != nullptr) {
        // Every number the panels write is remembered under its twin:
        // "...Ticket" and "...TicketKey" become "...Reference".
        std::istringstream lines(plain.ticket);
        for (std::string line; std::getline(lines, line);) {
            const std::string value = line.substr(line.find('=') + 1);
            if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos) continue;
            settings += line.substr(0, line.rfind("Ticket")) + "Reference=" + hostile.value + "\n";
        }
        for (const char* named : {"JBAManageTypeListReference=", "JBAUserIDListCtrlReference=",
                                  "JBAAdminUserIDListCtrlReference=", "PrintTypeReference="})
            EXPECT_NE(settings.find(std::string(e.ns) + named), std::string::npos) << named;
    } else {
        // A radio pair left with no button on, or with both.
        for (const char* pair : {"JBAUserSettingRadioBtnReference=0", "JBAAdminUserInputRadioBtnReference=1",
                                 "JBAInputAuthRadioBtnReference=0", "JBAInputStrgRadioBtnReference=1"})
            settings += std::string(e.ns) + pair + "\n";
    }
    std::istringstream entries(settings);
    for (std::string entry; std::getline(entries, entry);) {
        const Printed got = Print(e.printer + entry + "\n");
        EXPECT_EQ(got.ticket, plain.ticket) << entry;
        EXPECT_EQ(got.stream, plain.stream) << entry;
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, RememberedBounds,
                         ::testing::Combine(::testing::Values(&kARK, &kTELD), ::testing::ValuesIn(kHostile)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) == &kARK ? "ARK_" : "TELD_") +
                                    std::get<1>(info.param).name;
                         });

}  // namespace
}  // namespace zqacct
