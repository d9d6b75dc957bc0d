// Remembered values come from files any program of the user can write: no
// value, however hostile, may crash a panel or reach arithmetic unbounded
// (the sanitizer build checks the latter). The keys are those the panels
// remember themselves, so controls added later are covered too.
#include <gtest/gtest.h>

#include <climits>

#include "account_dialog.h"

namespace zqacct {
namespace {

using namespace zqacct::test;

constexpr const char* kJBAPanel = "panel com.tavelle.r15.pde.AccountKind\n";
constexpr const char* kPTPanel = "panel com.tavelle.r15.pde.PrintTypeKind\n";
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

}  // namespace
}  // namespace zqacct
