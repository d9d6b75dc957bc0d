// What the shipped bundles show is what the printer gets, through the
// dialog: a pick the dialog refuses goes back to the choice that was
// showing, and Cancel in any window of any extension leaves the PPD marks,
// the ticket and the summary as they were before the window opened,
// whatever was done inside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "../imageoptions/image_dialog.h"
#include "shipped_dialog.h"

namespace {

std::string SourcePPD(const std::string& name) { return zqtest::Slurp(ZQ_SOURCE_DIR "/ppd/" + name); }

using zqimg::test::Without;

// The image sample, for the TELD bundle, and with the colour-profile box in
// place of the black overprint.
std::string ImageSample() { return zqimg::test::SamplePPD(); }
std::string ForTeld(const std::string& ppd) { return zqimg::test::TeldPPD(ppd); }
std::string InvalidateColorProfile() { return zqimg::test::InvalidateColorProfileOnly(); }

class ShippedBundles : public ::testing::Test {
protected:
    zqtest::DialogResult Run(const std::string& ppd, const std::string& script, const std::string& settings = "") {
        return dialog_.Run(ppd, script, settings);
    }
    zqtest::ShippedDialog dialog_;
};

// The last "ppd:" line of an option, "<none>" without one.
std::string Marked(const zqtest::DialogResult& r, const std::string& option) {
    const std::string key = "\nppd: " + option + "=";
    const size_t at = ("\n" + r.err).rfind(key);
    if (at == std::string::npos) return "<none>";
    const size_t begin = at + key.size() - 1;
    return r.err.substr(begin, r.err.find('\n', begin) - begin);
}

TEST_F(ShippedBundles, ARefusedPickGoesBackToTheChoiceThatWasShowing) {
    const std::string features = "com.tavelle.r15.pde.PrintFeaturesKind", image = "com.tavelle.r15.pde.ImageOptionsKind";
    struct Case {
        const char* what;
        std::string ppd, kind;
        std::string before;  // the PPD's mark and the steps up to the control
        const char* option;
        const char* marked;  // what was showing
        const char* refused;
        std::string pick;    // the user's pick of the refused choice
        std::string dump;    // the control
        std::string shows;   // its state after the refusal
        std::string after;   // closing a window
    } cases[] = {
        {"features pop-up", SourcePPD("zq-ark-features.ppd"), features, "", "ZQStaple", "UpperLeftSingle", "LeftDouble",
         "select #ZQStaple 2", "#ZQStaple", "selected=1 items=[\"Off\", \"Top Left\"", ""},
        {"features check box", SourcePPD("zq-ark-features.ppd"), features, "select 2 \"Advanced Features\"\n",
         "ZQTabMarginShiftEx", "True", "False", "click #ZQTabMarginShiftEx", "#ZQTabMarginShiftEx", "state=1", ""},
        {"image options list", ImageSample(), image, "", "ZQRGBImageType", "Photo", "Off", "select 106 \"Text\"",
         "106", "selected=1", ""},
        {"RGB correction, items without None", ImageSample(), image, "click 1042\n", "ZQRGBCorrection",
         "RelativeC", "Perceptual", "select 107 0", "107", "selected=2", ""},
        {"TELD image options list", ForTeld(ImageSample()), "com.tavelle.teld15.pde.ImageOptionsKind", "",
         "ZQRGBImageType", "Photo", "Off", "select 106 \"Text\"", "106", "selected=1", ""},
        {"kv29 output mode", SourcePPD("zq-kv29-image-sample.ppd"), "com.tavelle.kv29.pde.ImageOptionsKind", "",
         "ZQOutputMode", "HighSpeed", "Standard", "select 104 0", "104", "selected=1", ""},
        {"image settings window list", ImageSample(), image, "click 1042\nclick 105\n", "ZQRGBInputProfile",
         "AdobeRGB", "SRGB", "select 502 0", "502", "selected=1", "click 540\n"},
        {"colour balance check box", ImageSample(), image, "click 110\n", "ZQColorBalanceAdjustment", "True", "False",
         "click 3101", "3101", "state=1", "click 3703\n"},
        {"image settings check box", ImageSample(), image, "click 1042\nclick 105\n", "ZQBlackOverprint", "True",
         "False", "click 510", "510", "state=1", "click 540\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string script = "mark " + std::string(c.option) + " " + c.marked + "\npanel " + c.kind + "\nshow\n" +
                                   c.before + "refuse " + c.option + "=" + c.refused + "\n" + c.pick + "\ndump " +
                                   c.dump + "\n" + c.after + "print\nppd\n";
        const zqtest::DialogResult r = Run(c.ppd, script);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.has("mark: " + std::string(c.option) + "=" + c.refused + " refused")) << r.err;
        EXPECT_NE(r.err.find(c.shows, r.err.find("refused")), std::string::npos) << r.err;
        EXPECT_EQ(Marked(r, c.option), c.marked) << r.err;
    }
}

// The lines of the transcript between two "conflicts" commands that tell
// the state: the ticket, the PPD marks and the summary.
std::vector<std::vector<std::string>> States(const std::string& transcript) {
    std::vector<std::vector<std::string>> states(1);
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("conflicts:", 0) == 0) states.emplace_back();
        else if (line.rfind("ticket: ", 0) == 0 || line.rfind("ppd: ", 0) == 0 || line.rfind("summary: ", 0) == 0)
            states.back().push_back(line);
    }
    return states;
}

std::vector<std::string> Dumps(const std::string& transcript) {
    std::vector<std::string> dumps;
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("dump: ", 0) == 0) dumps.push_back(line);
    return dumps;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) all += l + "\n";
    return all;
}

std::vector<std::string> Sorted(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

struct Window {
    std::string what;
    std::string ppd, kind;
    std::string stored;  // steps that store values of the window's own (an earlier OK)
    std::string open;
    std::vector<std::string> controls;  // shown again at the next activation
    std::string inside;                 // Restore Defaults, picks, typing, steps
    std::string cancel, ok;
    std::string settings = "";
};

void PrintTo(const Window& w, std::ostream* os) { *os << w.what; }

// Every window of every extension, with the steps that store, change and
// close it.
std::vector<Window> Windows() {
    const std::string features = "com.tavelle.r15.pde.PrintFeaturesKind", featuresPPD = SourcePPD("zq-ark-features.ppd");
    const std::string advanced = "select 2 \"Advanced Features\"\n";
    const std::string balanceStored = "click 110\nclick 3101\ntype 3500 -3\nstep 3611 up 2\nselect 3102 1\nclick 3703\n";
    const std::vector<std::string> balanceControls = {"3101", "3102", "3500", "3600", "3611", "3510"};
    const std::string balanceInside = "type 3510 2\nstep 3620 down\nselect 3102 3\nclick 3700";
    const std::string settingsStored = "click 1042\nclick 105\nselect 502 1\nclick 510\nclick 540\n";
    const std::vector<std::string> settingsControls = {"501", "502", "503", "504", "510"};
    const std::string settingsInside = "click 542\nselect 503 1\nselect 504 2\nselect 501 1";
    const std::string ark = "com.tavelle.r15.pde.ImageOptionsKind", teld = "com.tavelle.teld15.pde.ImageOptionsKind",
                      kv29 = "com.tavelle.kv29.pde.ImageOptionsKind", kv29PPD = SourcePPD("zq-kv29-image-sample.ppd");
    const std::string plain = Without(ImageSample(), "ZQBlackOverprint");
    std::vector<Window> windows = {
        {"colour balance, ARK", ImageSample(), ark, balanceStored, "click 110", balanceControls, balanceInside,
         "click 3702", "click 3703"},
        {"colour balance, TELD", ForTeld(ImageSample()), teld, balanceStored, "click 110", balanceControls,
         balanceInside, "click 3702", "click 3703"},
        {"colour balance, kv29", kv29PPD, kv29, balanceStored, "click 110", balanceControls, balanceInside,
         "click 3702", "click 3703"},
        {"image settings with black overprint, ARK", ImageSample(), ark, settingsStored, "click 105", settingsControls,
         settingsInside, "click 541", "click 540"},
        {"image settings with the colour profile box, TELD", ForTeld(InvalidateColorProfile()), teld, settingsStored,
         "click 105", settingsControls, settingsInside, "click 541", "click 540"},
        {"image settings with black overprint, kv29", kv29PPD, kv29, settingsStored, "click 105", settingsControls,
         settingsInside, "click 541", "click 540"},
        {"plain image settings, ARK", plain, ark, "click 1042\nclick 105\nselect 502 1\nclick 540\n", "click 105",
         {"501", "502", "503", "504"}, settingsInside, "click 541", "click 540"},
        {"tab margin", featuresPPD, features, advanced + "click #ZQTabMarginShiftEx\nclick 101\ntype 213 8.5\nclick 217\n",
         "click 101", {"213", "211", "214", "215", "216"}, "click 219\ntype 213 3.0\nclick 216\ntype 211 0.20\nstep 212 up",
         "click 218", "click 217"},
        {"number in sequence", featuresPPD, features,
         advanced + "click #ZQTabNumberInSequence\nclick 111\ntype 612 12\nclick 617\n", "click 111", {"612", "613"},
         "click 615\ntype 612 40\nstep 613 up", "click 616", "click 617"},
        {"offset stacking per page", featuresPPD, features, advanced + "select #ZQJog 3\ntype 602 100\nclick 604\n",
         "click 108", {"602", "603"}, "click 606\ntype 602 50\nstep 603 up", "click 605", "click 604"},
        {"offset stacking per copy", featuresPPD, features, advanced + "select #ZQJog 4\ntype 702 30\nclick 704\n",
         "click 108", {"702", "703"}, "click 706\ntype 702 50\nstep 703 up", "click 705", "click 704"},
        {"booklet margin", featuresPPD, features,
         "select 2 \"Layout\"\nselect #ZQSignature \"Booklet\"\nclick 106\nclick 107\ntype 313 10\nclick 317\n",
         "click 107", {"313", "311", "310", "315", "316"}, "click 319\ntype 313 5\nclick 310\nclick 316\ntype 311 0.3",
         "click 318", "click 317"},
        {"separator pages", featuresPPD, features,
         "select 2 \"Covers and Separator\"\nselect 105 \"From Tray 1\"\ntype 502 \"2,5\"\nclick 504\n", "click 102",
         {"502"}, "type 502 \"7,9\"", "click 505", "click 504"},
        {"single-cut trimmer", featuresPPD, features,
         advanced + "select #ZQTrimming \"Single Cut\"\nclick 112\ntype 8008 140.0\nclick 8011\n", "click 112",
         {"8008", "8003", "8009"}, "click 8013\ntype 8008 135.5\nstep 8009 up\nclick 8005\ntype 8003 5.40",
         "click 8012", "click 8011"},
        {"three-edge trimmer", featuresPPD, features,
         advanced + "select #ZQTrimming 2\nclick 112\ntype 9007 190.0\nclick 9028\n", "click 112",
         {"9007", "9017", "9025", "9018"}, "click 9030\ntype 9017 135.0\nstep 9018 up\nclick 9009", "click 9029",
         "click 9028"},
        {"covers", SourcePPD("zq-ark-sample.ppd"), "\"Special Pages\"", "", "select 104 0\nclick 105",
         {"801", "806", "826"}, "select 801 1\nselect 806 1\nselect 826 3", "click 812", "click 811",
         zqtest::Slurp(ZQ_SOURCE_DIR "/samples/ark-special-pages.settings")},
        {"inserts", SourcePPD("zq-ark-sample.ppd"), "\"Special Pages\"", "", "select 104 1\nclick 105", {"903", "905"},
         "click 913\ntype 903 7\ntype 905 3", "click 912", "click 911",
         zqtest::Slurp(ZQ_SOURCE_DIR "/samples/ark-special-pages.settings")},
        {"exceptions", SourcePPD("zq-ark-sample.ppd"), "\"Special Pages\"", "", "select 104 2\nclick 105",
         {"1001", "1005"}, "click 1013\ntype 1001 \"5-6\"\nselect 1005 1", "click 1012", "click 1011",
         zqtest::Slurp(ZQ_SOURCE_DIR "/samples/ark-special-pages.settings")},
        {"secure print", SourcePPD("zq-ark-sample.ppd"), "com.tavelle.r15.pde.PrintTypeKind",
         "select 101 \"Secure Print\"\ntype 1022 alice\ntype 1026 4711\nclick 1123\n", "click 103",
         {"1022", "1024", "1025", "1026"}, "click 1122\ntype 1022 bob\ntype 1026 9876\nselect 1024 1\ntype 1025 Report",
         "click 1124", "click 1123"},
        {"sample print", SourcePPD("zq-ark-sample.ppd"), "com.tavelle.r15.pde.PrintTypeKind",
         "select 101 \"Sample Print\"\ntype 1012 alice\nclick 1113\n", "click 103", {"1012", "1014", "1015"},
         "click 1112\ntype 1012 bob\nselect 1014 1\ntype 1015 Report", "click 1114", "click 1113"},
        {"job authentication, my settings", SourcePPD("zq-ark-sample.ppd"), "com.tavelle.r15.pde.AccountKind",
         "click 1002\nselect 3006 1\ntype 3007 dave\ntype 3009 1234\ntype 3014 1234\nclick 3001\n", "click 1002",
         {"3006", "3007", "3005", "3017"}, "click 3003\nselect 3006 1\ntype 3007 erin\ntype 3009 5678\ntype 3014 5678",
         "click 3002", "click 3001"},
        {"second family's user settings", SourcePPD("zq-teld-sample.ppd"), "com.tavelle.o.pellora.pde.JobAccount",
         "select #mode 1\nclick #settings\ntype #userGroup Sales\nselect #userOwner 1\ntype #userName hanako\n"
         "click #userOK\n",
         "click #settings", {"#userGroup", "#userOwner", "#userName"},
         "click #userDefaults\ntype #userGroup Other\nselect #userOwner 1\ntype #userName taro", "click #userCancel",
         "click #userOK"},
        {"watermark edit", SourcePPD("zq-teld-sample.ppd"), "Watermark",
         "click 1006\ntype 2000 Draft\ntype 1002 \"DRAFT COPY\"\nslide 1009 30\nclick 1030\n", "click 1004",
         {"2000", "1002", "1009", "1014"}, "type 1002 \"OTHER\"\nslide 1009 60\ntype 1014 20\ntype 1125 30",
         "click 1031", "click 1030"},
        {"delayed print", SourcePPD("zq-ark-sample.ppd"), "com.tavelle.r15.pde.PrintTypeKind",
         "select 101 \"Delayed Print\"\ntime 1033 07:30\nclick 1133\n", "click 103", {"1033", "1034", "1035"},
         "click 1132\ntime 1033 18:45\nselect 1034 1\ntype 1035 Report", "click 1134", "click 1133"},
    };
    const std::string mailboxStored = "select 101 \"Save to Mailbox\"\ntype 1041 12\ntype 1042 1234\nclick 1143\n";
    const std::string mailboxInside = "click 1142\ntype 1041 7\ntype 1042 9999\nselect 1044 1\ntype 1045 Report";
    for (const auto& [what, ppd, kind] :
         {std::tuple{"mailbox print", "zq-ark-sample.ppd", "com.tavelle.r15.pde.PrintTypeKind"},
          {"mailbox print, kv29", "zq-kv29-sample.ppd", "com.tavelle.kv29.pde.PrintTypeKind"}})
        windows.push_back({what, SourcePPD(ppd), kind, mailboxStored, "click 103", {"1041", "1042", "1044", "1045"},
                           mailboxInside, "click 1144", "click 1143"});
    // The windows a paper pop-up opens, over records each at a custom size of
    // its own, so that a size handed back where nothing should be shows in
    // the record. Each is closed, and then the editor window under it by OK.
    const std::string customRecords =
        "com.tavelle.qdm.printsettings.JTIFCommandTicketCount=4\n"
        "com.tavelle.qdm.printsettings.JTIFCommandTicket_0=0,0,1,4,0,1,false,4,150.0,200.0,1\n"
        "com.tavelle.qdm.printsettings.JTIFCommandTicket_1=1,2,0,2,4,2,-1,false,150.0,200.0,1\n"
        "com.tavelle.qdm.printsettings.JTIFCommandTicket_2=2,3-4,4,2,0,false,2,150.0,200.0,1\n"
        "com.tavelle.qdm.printsettings.JTIFCommandTicket_3=0,1,0,0,-1,-1,true,4,210.0,297.0,1\n";
    const std::string typedSize = "type 711 120.0\ntype 731 180.0";
    const std::string customInAdvanced = "select 602 \"Custom Size...\"\n" + typedSize + "\nclick 741";
    const std::vector<std::string> advancedControls = {"602", "604", "606", "608"},
                                   customControls = {"711", "731", "717"};
    for (const auto& [editor, row, paper, ok] :
         {std::tuple{"covers", "0", "804", "811"}, {"inserts", "1", "908", "911"},
          {"exceptions", "2", "1003", "1011"}}) {
        const std::string parent = "select 104 " + std::string(row) + "\nclick 105\nselect " + paper + " ";
        const std::string advancedPaper = parent + "\"Advanced...\"", okParent = "\nclick " + std::string(ok);
        const auto add = [&](const std::string& what, const std::string& open, const std::vector<std::string>& controls,
                             const std::string& inside, const std::string& cancel, const std::string& confirm) {
            windows.push_back({what + ", " + editor, SourcePPD("zq-ark-sample.ppd"), "\"Special Pages\"", "", open,
                               controls, inside, cancel + okParent, confirm + okParent, customRecords});
        };
        add("advanced paper", advancedPaper, advancedControls, "click 610\nselect 604 \"Blue\"", "click 612",
            "click 611");
        add("advanced paper after a custom size", advancedPaper, advancedControls, customInAdvanced,
            "click 612", "click 611");
        add("custom size in the advanced paper window", advancedPaper + "\nselect 602 \"Custom Size...\"",
            customControls, "click 743\n" + typedSize + "\nclick 718", "click 742\nclick 611", "click 741\nclick 611");
        add("custom size from the paper pop-up", parent + "\"Size/Custom Size...\"", customControls, typedSize,
            "click 742", "click 741");
    }
    return windows;
}

class CancelInAnyWindow : public ShippedBundles, public ::testing::WithParamInterface<Window> {};

TEST_P(CancelInAnyWindow, LeavesMarksTicketAndSummaryAsBeforeTheWindow) {
    const Window& w = GetParam();
    // Saved, written out, marked and summarised; "conflicts" ends each state.
    const std::string state = "save\nticket\nppd\nsummary\nconflicts\n";
    std::string dumps;
    for (const std::string& tag : w.controls) dumps += "dump " + tag + "\n";
    const std::string before = "panel " + w.kind + "\nshow\n" + w.stored + state;
    // Cancelled after everything, then opened and cancelled once more.
    const zqtest::DialogResult cancelled =
        Run(w.ppd,
            before + w.open + "\n" + dumps + w.inside + "\n" + w.cancel + "\n" + state + w.open + "\n" + dumps +
                w.cancel + "\nprint\nppd\nconflicts\n",
            w.settings);
    // Never opened.
    const zqtest::DialogResult untouched = Run(w.ppd, before + state + "print\nppd\nconflicts\n", w.settings);
    // The same steps, then OK.
    const zqtest::DialogResult confirmed = Run(
        w.ppd, "panel " + w.kind + "\nshow\n" + w.stored + w.open + "\n" + w.inside + "\n" + w.ok +
                   "\nprint\nppd\nconflicts\n", w.settings);
    ASSERT_EQ(cancelled.status, 0) << cancelled.err;
    ASSERT_EQ(untouched.status, 0) << untouched.err;
    ASSERT_EQ(confirmed.status, 0) << confirmed.err;

    const auto states = States(cancelled.err), reference = States(untouched.err), ok = States(confirmed.err);
    ASSERT_EQ(states.size(), 4u) << cancelled.err;
    EXPECT_EQ(Joined(states[1]), Joined(states[0])) << "after Cancel";
    EXPECT_EQ(Joined(states[1]), Joined(reference[1])) << "after Cancel, against a dialog that never opened it";
    const std::vector<std::string> shown = Dumps(cancelled.err);
    ASSERT_EQ(shown.size(), 2 * w.controls.size()) << cancelled.err;
    EXPECT_EQ(Joined({shown.begin() + w.controls.size(), shown.end()}),
              Joined({shown.begin(), shown.begin() + w.controls.size()}))
        << "the next activation shows the stored values";
    EXPECT_EQ(cancelled.out, untouched.out) << "the printed ticket";
    EXPECT_EQ(Joined(states[2]), Joined(reference[2])) << "the printed marks";
    // OK commits what the same steps did (in whatever order a save puts the keys).
    EXPECT_TRUE(Sorted(confirmed.out) != Sorted(untouched.out) || Joined(ok[0]) != Joined(reference[2]))
        << confirmed.err;
}

INSTANTIATE_TEST_SUITE_P(ShippedBundles, CancelInAnyWindow, ::testing::ValuesIn(Windows()),
                         [](const ::testing::TestParamInfo<Window>& info) {
                             return zqtest::TestNameOf(info.param.what);
                         });

}  // namespace
