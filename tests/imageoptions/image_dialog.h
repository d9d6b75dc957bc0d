#pragma once
// Runs the built printdialog with both image-options bundles on our image
// sample PPD (or a variant of it) and reads back the ticket and transcript.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "../framework/ppd_fixture.h"
#include "print_dialog_run.h"

namespace zqimg::test {

inline constexpr const char* kArkKind = "com.tavelle.r15.pde.ImageOptionsKind";
inline constexpr const char* kTeldKind = "com.tavelle.teld15.pde.ImageOptionsKind";

inline std::string SamplePPD() { return zqtest::Slurp(ZQ_SOURCE_DIR "/ppd/zq-ark-image-sample.ppd"); }

inline std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The PPD without the option's OpenUI block.
inline std::string Without(std::string ppd, const std::string& option) {
    const size_t from = ppd.find("*OpenUI *" + option + "/");
    const std::string close = "*CloseUI: *" + option + "\n";
    const size_t to = ppd.find(close, from);
    EXPECT_TRUE(from != std::string::npos && to != std::string::npos) << option;
    if (from != std::string::npos && to != std::string::npos) ppd.erase(from, to + close.size() - from);
    // Constraints naming a removed option would name nothing.
    return std::regex_replace(ppd, std::regex("\\*UIConstraints: [^\n]*\\*" + option + "[ \n][^\n]*\n"), "");
}

// The sample PPD for the TELD bundle (resource suffix "TELD").
inline std::string TeldPPD(std::string ppd = SamplePPD()) {
    return Replace(ppd, "*ZQXImageOptionsSettings: \"Default00-ARK\"", "*ZQXImageOptionsSettings: \"Default00-TELD\"");
}

// The sample with "ZQInvalidateColorProfile" in place of "ZQBlackOverprint".
inline std::string InvalidateColorProfileOnly() {
    return Replace(
        Without(SamplePPD(), "ZQBlackOverprint"), "*CloseGroup: ImageOptions",
        "*OpenUI *ZQInvalidateColorProfile/Ignore Color Profile: Boolean\n*OrderDependency: 20 AnySetup "
        "*ZQInvalidateColorProfile\n*DefaultZQInvalidateColorProfile: False\n*ZQInvalidateColorProfile False/Off: "
        "\"\"\n*ZQInvalidateColorProfile True/On: \"\"\n*CloseUI: *ZQInvalidateColorProfile\n*CloseGroup: ImageOptions");
}

#define IMG_NS "com.tavelle.qdm.printsettings."

struct DialogRun {
    zqtest::DialogResult result;
    std::map<std::string, std::string> ticket;
    bool Says(const std::string& text) const { return result.err.find(text) != std::string::npos; }
    // Whether the transcript holds this whole line.
    bool Has(const std::string& line) const { return result.has(line); }
    // The marked choice of an option, from the last "ppd" command.
    std::string Marked(const std::string& option) const {
        const std::string key = "\nppd: " + option + "=";
        const size_t at = ("\n" + result.err).rfind(key);
        if (at == std::string::npos) return "<none>";
        const size_t begin = at + key.size() - 1, end = result.err.find('\n', begin);
        return result.err.substr(begin, end - begin);
    }
    size_t Count(const std::string& text) const {
        size_t n = 0;
        for (size_t at = result.err.find(text); at != std::string::npos; at = result.err.find(text, at + 1)) ++n;
        return n;
    }
};

class ImageDialog : public ::testing::Test {
protected:
    DialogRun Dialog(const std::string& script, const std::string& ppd = SamplePPD(), const std::string& settings = "",
                     const std::string& kind = kArkKind) {
        const std::string ppdPath = dir_.Write("zq-img.ppd", ppd);
        std::string args = "--ppd '" + ppdPath + "' --bundles '" ZQ_BUNDLES_DIR "' --script '" +
                           dir_.Write("script.txt", "panel " + kind + "\nshow\n" + script) + "' --ticket";
        if (!settings.empty()) args += " --settings '" + dir_.Write("settings.txt", settings) + "'";
        DialogRun r;
        r.result = zqtest::RunPrintDialog("env ZQ_PREFS_DIR='" + dir_.path() + "/prefs' " + env_ + " " ZQ_PRINTDIALOG,
                                          args, dir_.path());
        std::istringstream lines(r.result.out);
        for (std::string line; std::getline(lines, line);)
            if (size_t eq = line.find('='); eq != std::string::npos) r.ticket[line.substr(0, eq)] = line.substr(eq + 1);
        return r;
    }
    zqpde::test::TempDir dir_;
    std::string env_;
};

}  // namespace zqimg::test
