#pragma once
// Runs the built printdialog with every shipped bundle, each run in a
// folder of its own (its preferences, root and temporary folder inside it)
// with the clock fixed, so that runs compare.
#include <filesystem>
#include <fstream>
#include <string>

#include "../framework/ppd_fixture.h"
#include "editions/ark/ark_profile.h"
#include "filter_harness.h"
#include "print_dialog_run.h"

namespace zqtest {

// The job the ARK filter makes of these options (a dialog's --cups-options
// line, and what else the job is given) on the PPD at ppdPath.
inline JobResult ArkJobOf(const std::string& options, const std::string& ppdPath) {
    JobSpec job;
    job.options = options;
    job.ppdPath = ppdPath;
    job.postscript = SamplePostScript(1);
    return RunInProcess(zqf::ArkProfile(), job);
}

class ShippedDialog {
public:
    // ppd is the PPD's text; settings, when given, the print settings the
    // dialog starts from; options what else the dialog is told (by default
    // the ticket on standard output).
    DialogResult Run(const std::string& ppd, const std::string& script, const std::string& settings = "",
                     const std::string& options = "--ticket") {
        const std::string dir = dir_.path() + "/run" + std::to_string(++runs_);
        std::filesystem::create_directories(dir + "/tmp");
        std::string args = "--ppd '" + Write(dir, "printer.ppd", ppd) + "' --bundles '" ZQ_BUNDLES_DIR "' --script '" +
                           Write(dir, "script.txt", script) + "' --clock '2026-03-01 09:00' " + options;
        if (!settings.empty()) args += " --settings '" + Write(dir, "settings.txt", settings) + "'";
        return RunPrintDialog("env ZQ_PREFS_DIR='" + dir + "/prefs' ZQ_ROOT='" + dir + "/root' TMPDIR='" + dir +
                                  "/tmp' " ZQ_PRINTDIALOG,
                              args, dir);
    }
    // The TMPDIR of the last run (the picture copies of a watermark go there).
    std::string LastTemporaryFolder() const { return dir_.path() + "/run" + std::to_string(runs_) + "/tmp"; }

private:
    static std::string Write(const std::string& dir, const std::string& name, const std::string& text) {
        std::ofstream(dir + "/" + name, std::ios::binary) << text;
        return dir + "/" + name;
    }
    zqpde::test::TempDir dir_;
    int runs_ = 0;
};

}  // namespace zqtest
