// The brightness slider and the density steppers after the dialog refused a
// mark, wherever it did: right away, after a save and after printing, the
// control shows, the summary names and the PPD holds the choice the PPD kept.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "../imageoptions/image_dialog.h"
#include "shipped_dialog.h"

namespace {

TEST(ImageOptionNumbers, ARefusedMarkLeavesControlSummaryAndPPDOnTheChoiceThePPDHolds) {
    const std::pair<std::string, std::string> bundles[] = {
        {zqimg::test::SamplePPD(), zqimg::test::kArkKind},
        {zqimg::test::TeldPPD(), zqimg::test::kTeldKind},
        {zqtest::Slurp(ZQ_SOURCE_DIR "/ppd/zq-kv29-image-sample.ppd"), "com.tavelle.kv29.pde.ImageOptionsKind"},
    };
    struct Control {
        std::string look, title, option;
        std::vector<std::string> shows;
    } const slider = {"dump 102\n", "Brightness", "ZQBrightness",
                      {"dump: Slider tag=102 enabled value=2 ticks=11 stops-on-ticks",
                       "summary: Image Options | Brightness: +2", "ppd: ZQBrightness=Bright2"}},
            density = {"click 110\ndump 3600\ndump 3500\nclick 3702\n", "Black Low Density", "ZQColorDensityBlackLow",
                       {"dump: Stepper tag=3600 enabled value=2 range=-3..3",
                        "dump: TextField tag=3500 enabled value=\"2\"",
                        "summary: Image Options | Black Low Density: +2", "ppd: ZQColorDensityBlackLow=+2"}};
    const std::string bright = "mark ZQBrightness Bright2\n",
                      dense = "mark ZQColorBalanceAdjustment True\nmark ZQColorDensityBlackLow +2\n";
    struct Case {
        const char* what;
        const Control& control;
        std::string before, steps;  // before the panel opens; after, up to the refused mark
    } cases[] = {
        {"slider moved", slider, bright + "refuse ZQBrightness=Dark3\n", "slide 102 -3\n"},
        {"slider's default saved", slider, bright + "refuse ZQBrightness=Normal\n", "click 112\nsave\n"},
        {"slider's default printed", slider, bright + "refuse ZQBrightness=Normal\n", "click 112\nprint\n"},
        {"slider's choice refused at opening", slider, bright + "refuse ZQBrightness=Bright2\n", ""},
        {"density stepped, then OK", density, dense + "refuse ZQColorDensityBlackLow=-3\n",
         "click 110\nstep 3600 down 5\nclick 3703\n"},
        {"density marked before opening, refused at save", density, dense + "refuse ZQColorDensityBlackLow=+2\n", ""},
    };
    zqtest::ShippedDialog dialog;
    for (const auto& [ppd, kind] : bundles)
        for (const Case& c : cases) {
            SCOPED_TRACE(kind + ", " + c.what);
            const std::string look = c.control.look + "summary\nppd\n";
            const std::string script = c.before + "panel " + kind + "\nshow\n" + c.steps + look + "save\n" + look +
                                       "print\n" + look;
            const zqtest::DialogResult r = dialog.Run(ppd, script);
            ASSERT_EQ(r.status, 0) << r.err;
            EXPECT_NE(r.err.find(" refused\n"), std::string::npos) << r.err;
            // The three looks, and never another choice marked over the one held.
            std::vector<std::string> seen, expected;
            for (int i = 0; i < 3; ++i) expected.insert(expected.end(), c.control.shows.begin(), c.control.shows.end());
            std::istringstream lines(r.err);
            for (std::string line; std::getline(lines, line);) {
                for (const std::string& p : {std::string("dump: "), "summary: Image Options | " + c.control.title + ":",
                                             "ppd: " + c.control.option + "="})
                    if (line.rfind(p, 0) == 0) seen.push_back(line);
                if (line.rfind("mark: " + c.control.option + "=", 0) == 0 && line.find(" accepted") != std::string::npos) {
                    EXPECT_EQ("ppd: " + line.substr(6, line.find(' ', 6) - 6), c.control.shows.back());
                }
            }
            EXPECT_EQ(seen, expected) << r.err;
        }
}

}  // namespace
