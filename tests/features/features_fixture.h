#pragma once
// PPDs for the features tests: the ARK features sample, variants of it, and
// small PPDs built from option groups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../framework/ppd_fixture.h"
#include "print_dialog_run.h"

namespace zqfeat::test {

#define NS "com.tavelle.qdm.printsettings."

inline std::string SamplePPD() { return zqtest::Slurp(ZQ_SOURCE_DIR "/ppd/zq-ark-features.ppd"); }

// The text with one piece replaced (the test fails when it is missing).
inline std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// A PickOne or Boolean option with two choices (PickMany with kind "PickMany").
inline std::string Option(const std::string& keyword, const std::string& kind = "PickOne",
                          const std::string& title = "") {
    const std::string text = title.empty() ? keyword : title;
    const bool boolean = kind == "Boolean";
    const std::string a = boolean ? "False" : "None", b = boolean ? "True" : "On";
    return "*OpenUI *" + keyword + "/" + text + ": " + kind + "\n*Default" + keyword + ": " + a + "\n*" + keyword +
           " " + a + "/Off: \"\"\n*" + keyword + " " + b + "/On: \"\"\n*CloseUI: *" + keyword + "\n";
}

inline std::string Group(const std::string& name, const std::string& title, const std::vector<std::string>& options) {
    std::string text = "*OpenGroup: " + name + "/" + title + "\n";
    for (const std::string& o : options) text += o;
    return text + "*CloseGroup: " + name + "\n";
}

// Keywords the sample's Info lists let the panel show as ordinary options.
inline const std::vector<std::string>& OrdinaryKeys() {
    static const std::vector<std::string> keys = {"MediaType", "OutputBin", "ZQStaple", "ZQPunch", "ZQFold",
                                                  "ZQSlipSheet", "ZQSaveBlankSheet", "ZQMixSizePrint",
                                                  "ZQNumPunchHoles", "ZQLineWeightAdjustment", "ZQSquareFold",
                                                  "ZQCrease"};
    return keys;
}

}  // namespace zqfeat::test
