#pragma once
// Runs the built printdialog on a PPD of the ARK sample printer with the
// Account bundle, and reads back the ticket it writes.
#include <gtest/gtest.h>
#include <zqp/bundle.h>

#include <map>
#include <sstream>
#include <string>

#include "../framework/ppd_fixture.h"
#include "filter_harness.h"
#include "print_dialog_run.h"

namespace zqacct::test {

#define NS "com.tavelle.qdm.printsettings."
inline constexpr const char* kPrinter = "zq-ark";

// The bundle's resources folder (a bundle minus its module).
inline zqp::Bundle* Resources() {
    static zqp::Bundle* bundle = zqp::Bundle::Open(ZQ_RESOURCES_DIR "/ark-account-pde", nullptr);
    return bundle;
}

inline std::string SamplePPD() { return zqtest::Slurp(ZQ_SOURCE_DIR "/ppd/zq-ark-sample.ppd"); }

// The sample PPD with one piece of text replaced.
inline std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The sample PPD with the customised user prompt "ZQSelectID" defaulting to choice.
inline std::string PromptPPD(const std::string& choice) {
    return Replace(SamplePPD(), "*ZQXAccountingSettings:",
                   "*OpenUI *ZQSelectID/Select ID: PickOne\n*DefaultZQSelectID: " + choice +
                       "\n*ZQSelectID UserID_AccountID/User and Account: \"\"\n*ZQSelectID UserID/User: \"\"\n"
                       "*ZQSelectID AccountID/Account: \"\"\n*ZQSelectID None/None: \"\"\n*CloseUI: *ZQSelectID\n"
                       "*ZQXAccountingSettings:");
}

// A one-page job with the dialog's CUPS options on the printer's PPD in dir.
inline zqtest::JobSpec JobFromOptions(const std::string& options, const std::string& dir) {
    zqtest::JobSpec job;
    job.options = options.substr(0, options.find_last_not_of("\n") + 1);
    job.ppdPath = dir + "/" + kPrinter + ".ppd";
    job.postscript = zqtest::SamplePostScript(1);
    return job;
}

struct DialogRun {
    zqtest::DialogResult result;
    std::map<std::string, std::string> ticket;
    std::string Ticket(const std::string& name) const {
        auto it = ticket.find(NS + name);
        return it == ticket.end() ? "<none>" : it->second;
    }
    std::string Remembered(const std::string& name) const {
        auto it = ticket.find(std::string(kPrinter) + NS + name);
        return it == ticket.end() ? "<none>" : it->second;
    }
    bool Says(const std::string& text) const { return result.err.find(text) != std::string::npos; }
};

class AccountDialog : public ::testing::Test {
protected:
    DialogRun Dialog(const std::string& script, const std::string& settings = "", const std::string& ppd = SamplePPD(),
               const std::string& output = "--ticket") {
        return Unopened(panel_ + script, settings, ppd, output);
    }
    // The same without opening the panel first.
    DialogRun Unopened(const std::string& script, const std::string& settings = "",
                       const std::string& ppd = SamplePPD(), const std::string& output = "--ticket") {
        const std::string ppdPath = dir_.Write(std::string(kPrinter) + ".ppd", ppd);
        std::string args = "--ppd '" + ppdPath + "' --bundles '" ZQ_BUNDLES_DIR "' --script '" +
                           dir_.Write("script.txt", script) + "' " + output;
        if (!settings.empty()) args += " --settings '" + dir_.Write("settings.txt", settings) + "'";
        DialogRun r;
        r.result = zqtest::RunPrintDialog("env TZ=UTC ZQ_PREFS_DIR='" + dir_.path() + "/prefs' " + env_ + " " ZQ_PRINTDIALOG,
                                          args, dir_.path());
        std::istringstream lines(r.result.out);
        for (std::string line; std::getline(lines, line);)
            if (size_t eq = line.find('='); eq != std::string::npos) r.ticket[line.substr(0, eq)] = line.substr(eq + 1);
        return r;
    }
    // A remembered value of this printer, as the settings carry it.
    static std::string Remember(const std::string& name, const std::string& value) {
        return std::string(kPrinter) + NS + name + "=" + value + "\n";
    }
    zqpde::test::TempDir dir_;
    std::string env_;    // more environment for the dialog
    std::string panel_;  // the "panel" line that opens the panel under test
};

}  // namespace zqacct::test
