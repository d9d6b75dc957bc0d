#pragma once
// The built features bundle run by printdialog on a PPD: the transcript and
// the ticket of one script.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "editions/ark/ark_profile.h"
#include "features_fixture.h"
#include "filter_harness.h"

namespace zqfeat::test {

using zqpde::test::TempDir;

struct DialogRun {
    zqtest::DialogResult result;
    std::map<std::string, std::string> ticket;
    std::string Ticket(const std::string& name) const {
        auto it = ticket.find(NS + name);
        return it == ticket.end() ? "<none>" : it->second;
    }
    bool Says(const std::string& text) const { return result.err.find(text) != std::string::npos; }
    bool has(const std::string& line) const { return result.has(line); }
    size_t Count(const std::string& text) const {
        size_t n = 0;
        for (size_t at = result.err.find(text); at != std::string::npos; at = result.err.find(text, at + 1)) ++n;
        return n;
    }
};

class FeaturesDialog : public ::testing::Test {
protected:
    DialogRun Dialog(const std::string& script, const std::string& ppd = SamplePPD(), const std::string& extra = "") {
        const std::string ppdPath = dir_.Write("zq-ark.ppd", ppd);
        const std::string args = "--ppd '" + ppdPath + "' --bundles '" ZQ_BUNDLES_DIR "' --script '" +
                                 dir_.Write("script.txt", "panel com.tavelle.r15.pde.PrintFeaturesKind\n" + script) +
                                 "' --ticket " + extra;
        DialogRun r;
        r.result = zqtest::RunPrintDialog("env ZQ_PREFS_DIR='" + dir_.path() + "/prefs' " ZQ_PRINTDIALOG, args,
                                          dir_.path());
        std::istringstream lines(r.result.out);
        for (std::string line; std::getline(lines, line);)
            if (size_t eq = line.find('='); eq != std::string::npos) r.ticket[line.substr(0, eq)] = line.substr(eq + 1);
        return r;
    }
    // The job filter run on the dialog's ticket and marked choices, quoted
    // as lp hands them over (a value may hold spaces).
    zqtest::JobResult ThroughTheArkFilter(const DialogRun& r) {
        std::string options;
        for (const auto& [key, value] : r.ticket) options += key + "='" + value + "' ";
        std::istringstream lines(r.result.err);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("ppd: ", 0) == 0) options += line.substr(5) + " ";
        zqtest::JobSpec job;
        job.options = options;
        job.ppdPath = dir_.path() + "/zq-ark.ppd";
        job.postscript = zqtest::SamplePostScript(1);
        return zqtest::RunInProcess(zqf::ArkProfile(), job);
    }

    TempDir dir_;
};

}  // namespace zqfeat::test
