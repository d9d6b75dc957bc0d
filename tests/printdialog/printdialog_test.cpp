// End-to-end: printdialog drives the test-only bundle by script.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../platform/test_support.h"
#include "../support/print_dialog_run.h"

namespace {

using Result = zqtest::DialogResult;

class PrintDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A third colour that the panel shows but cannot be chosen.
    std::string text = zqtest::SamplePpd("*ZQTestDisabled: \"Sepia\"\n");
    text.replace(text.find("*CloseUI: *ZQColorMode"), 0, "*ZQColorMode Sepia/Sepia: \"\"\n");
    ppd_ = dir_.file("Office_1.ppd", text);
  }

  Result Run(const std::string& script, const std::string& args = "--ticket",
             const std::string& bundles = std::string(ZQ_TEST_BUNDLES) + "/A") {
    const std::string scriptPath = dir_.file("script.txt", script);
    return zqtest::RunPrintDialog(ZQ_PRINTDIALOG, "--ppd '" + ppd_ + "' --bundles '" + bundles + "' --script '" +
                                                      scriptPath + "' " + args,
                                  dir_.path());
  }

  zqtest::TempDir dir_;
  std::string ppd_;
};

TEST_F(PrintDialogTest, PopUpFormatterAndPrint) {
  Result r = Run(
      "# choose a colour, type a number\n"
      "panel Test Options\n"
      "show\n"
      "dump 10\n"
      "select 10 \"Greyscale\"\n"
      "select 10 2\n"
      "type 11 12a345\n"
      "print\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("panel: Test Options com.zq.test.KindA")) << r.err;
  EXPECT_TRUE(r.has("dump: PopUpButton tag=10 enabled selected=0 items=[\"Colour\", \"Greyscale\", \"Sepia\" (disabled)]"))
      << r.err;
  EXPECT_TRUE(r.has("mark: ZQColorMode=Gray accepted"));
  EXPECT_EQ(r.err.find("Sepia accepted"), std::string::npos);  // the disabled item cannot be chosen
  // "a" and the fifth digit are refused by the formatter, each with a beep.
  EXPECT_NE(r.err.find("beep\nrefused: 11 \"a\"\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("beep\nrefused: 11 \"5\"\n"), std::string::npos) << r.err;
  EXPECT_TRUE(r.has("print: allowed"));
  EXPECT_EQ(r.out, "com.zq.test.ColorChoice=Gray\ncom.zq.test.Number=1234\n");
}

TEST_F(PrintDialogTest, ModalWindowOkCancelAndAlert) {
  Result r = Run(
      "panel com.zq.test.KindA\n"
      "show\n"
      "type 11 7\n"
      "click 12\n"
      "  click 22\n"        // OK with an empty field: alert, the window stays
      "  type 21 first draft\n"
      "  click 23\n"        // Cancel drops it
      "click 12\n"
      "  type 21 \"  kept  \"\n"
      "  click 22\n"
      "answer 1\n"
      "click 13\n"          // Keep
      "print\n");
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string expected =
      "modal: open Test Details\n"
      "alert:  | Enter the details. | OK\n"
      "modal: close Test Details\n"
      "modal: open Test Details\n"
      "modal: close Test Details\n"
      "alert: Reset the number? | The number will be cleared. | Reset, Keep | keys: \"Reset Title\" \"Reset Text\"\n";
  EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "com.zq.test.ColorChoice=Color\ncom.zq.test.Number=7\ncom.zq.test.Detail=  kept  \n");
}

TEST_F(PrintDialogTest, RefusedPrintAndOtherDestinations) {
  Result r = Run("panel Test Options\nshow\nclick 13\nprint\n");  // unanswered alert: Reset
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_TRUE(r.has("alert:  | A number is needed to print. | OK"));
  EXPECT_TRUE(r.has("print: refused"));

  r = Run("panel Test Options\nprint\n", "--ticket --destination preview");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("print: allowed"));
}

TEST_F(PrintDialogTest, StartingTicketHelpSummaryAndCupsOptions) {
  const std::string settings = dir_.file("start.txt",
                                         "com.zq.other=two words, it's\n"
                                         "com.zq.list=[a,b]\n"
                                         "com.zq.test.Number=42\n");
  Result r = Run("panel Test Options\nshow\nclick 15\nsummary\nprint\n", "--cups-options --settings '" + settings + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("help: Test Help A Test.htm")) << r.err;
  EXPECT_TRUE(r.has("summary: Test Options | Bundle: com.zq.test.panelA"));
  EXPECT_TRUE(r.has("summary: Test Options | Number: 42"));
  cups_option_t* opts = nullptr;
  int n = cupsParseOptions(r.out.c_str(), 0, &opts);
  EXPECT_EQ(n, 3) << r.out;  // the array is left out
  EXPECT_STREQ(cupsGetOption("com.zq.other", n, opts), "two words, it's");
  EXPECT_STREQ(cupsGetOption("com.zq.test.Number", n, opts), "42");
  EXPECT_STREQ(cupsGetOption("com.zq.test.ColorChoice", n, opts), "Color");
  cupsFreeOptions(n, opts);
}

TEST_F(PrintDialogTest, ScriptErrorsStopWithStatusTwo) {
  struct Case {
    const char* script;
    const char* message;
  } cases[] = {
      {"panel Nope\n", "line 1: no panel named or of kind \"Nope\""},
      {"panel Test Options\nshow\nclick 99\n", "line 3: no view with tag 99 in panel Test Options"},
      {"panel Test Options\nshow\nclick 12\n  type 21 x\n",
       "script ended inside the open modal window \"Test Details\""},
      {"click 12\n", "no panel is focused"},
      {"panel Test Options\nshow\nclick 11\n", "view 11 is not a button"},
      {"panel Test Options\nfly 3\n", "unknown command \"fly\""},
      {"panel Test Options\nshow\nselect 10 \"Purple\"\n", "no item Purple in pop-up 10"},
      {"panel Test Options\ntype 11 \"open\n", "unterminated quote"},
  };
  for (const auto& c : cases) {
    Result r = Run(c.script);
    EXPECT_EQ(r.status, 2) << c.script;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(PrintDialogTest, BadPpdAndUsage) {
  ppd_ = dir_.file("broken.ppd", "this is no PPD\n");
  Result r = Run("print\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("cannot open PPD"), std::string::npos) << r.err;

  int raw = std::system((std::string(ZQ_PRINTDIALOG) + " --bogus >/dev/null 2>&1").c_str());
  EXPECT_EQ(WEXITSTATUS(raw), 2);
  raw = std::system((std::string(ZQ_PRINTDIALOG) + " >/dev/null 2>&1").c_str());
  EXPECT_EQ(WEXITSTATUS(raw), 2);
}

TEST_F(PrintDialogTest, OtherControlsAndScriptFromStandardInput) {
  const std::string script = dir_.file("controls.txt",
                                       "panel Test Options\nshow\n"
                                       "step 16 up 9\n"
                                       "step 16 down\n"
                                       "slide 17 -3.5\n"
                                       "time 18 07:45\n"
                                       "color 19 1 0.5 0 1\n"
                                       "click 20\n"  // disabled: nothing happens
                                       "dump 16\ndump 17\ndump 18\ndump 19\ndump 20\n");
  const std::string err = dir_.path() + "/err.txt";
  int raw = std::system((std::string(ZQ_PRINTDIALOG) + " --ppd '" + ppd_ + "' --bundles '" + ZQ_TEST_BUNDLES +
                         "/A' --script - <'" + script + "' 2>'" + err + "'")
                            .c_str());
  ASSERT_EQ(WEXITSTATUS(raw), 0);
  Result r;
  r.err = zqtest::Slurp(err);
  EXPECT_TRUE(r.has("dump: Stepper tag=16 enabled value=4 range=0..5")) << r.err;
  EXPECT_TRUE(r.has("dump: Slider tag=17 enabled value=-3.5"));
  EXPECT_TRUE(r.has("dump: DatePicker tag=18 enabled value=07:45"));
  EXPECT_TRUE(r.has("dump: ColorWell tag=19 enabled value=1 0.5 0 1"));
  EXPECT_TRUE(r.has("dump: CheckBox tag=20 disabled title=\"Collate\" state=0"));

  for (const char* bad : {"panel Test Options\nshow\ntime 18 25:00\n", "panel Test Options\nshow\nstep 16 sideways\n",
                          "panel Test Options\nshow\ncolor 19 1 1 1\n", "panel Test Options\nshow\nslide 17 x\n"}) {
    EXPECT_EQ(Run(bad).status, 2) << bad;
  }
}

TEST_F(PrintDialogTest, MissingBundleFolderIsAUsageError) {
  Result r = Run("print\n", "--ticket", dir_.path() + "/nowhere");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("no bundle folder"), std::string::npos) << r.err;
}

TEST_F(PrintDialogTest, EmptyBundleFolderStillPrints) {
  Result r = Run("print\n", "--ticket", dir_.path());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("print: allowed"));
}

}  // namespace

namespace {

class PrintDialogScriptTest : public PrintDialogTest {};

// The ticket and PPD commands, in a script whose lines end in CR alone,
// CR LF and LF mixed: every line must read as written.
TEST_F(PrintDialogScriptTest, TicketAndMarksWithAnyLineEnds) {
  Result r = Run(
      "set com.zq.a [x,y]\r"
      "set com.zq.b \"two words\"\r\n"
      "set com.zq.c gone\n"
      "unset com.zq.c\r"
      "ticket\n"
      "mark PageSize Letter\r\n"
      "ppd\r"
      "conflicts\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("ticket: com.zq.a=[x,y]\nticket: com.zq.b=two words\nppd:"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("ppd: PageSize=Letter\nppd: ZQColorMode=Color\n"), std::string::npos) << r.err;
  EXPECT_TRUE(r.has("conflicts: none")) << r.err;
  EXPECT_EQ(r.out, "com.zq.a=[x,y]\ncom.zq.b=two words\n");
}

TEST_F(PrintDialogScriptTest, DisabledControlsAreIgnoredAndSaySo) {
  Result r = Run("panel Test Options\nshow\nclick 20\nhelp\ncommands\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("ignored: 20 disabled")) << r.err;
  // `type TAG ""` empties the field: the panel then has no number to print.
  Result emptied = Run("panel Test Options\nshow\ntype 11 42\ntype 11 \"\"\nprint\n");
  EXPECT_EQ(emptied.status, 1) << emptied.err;
  EXPECT_TRUE(emptied.has("alert:  | A number is needed to print. | OK")) << emptied.err;
  EXPECT_TRUE(r.has("help: Test Help A Test.htm")) << r.err;
  EXPECT_NE(r.err.find("\n  orientation portrait|landscape"), std::string::npos) << r.err;
}

TEST_F(PrintDialogScriptTest, DumpTreeAndControlsNamedByLabel) {
  Result r = Run("panel Test Options\nshow\ndump-tree\nclick @\"Reset\"\nclick @Collate\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("tree: View #View-root tag=0 enabled\ntree:   Label tag=9 enabled value=\"Colour:\"\n"), std::string::npos)
      << r.err;
  EXPECT_TRUE(r.has("tree:   CheckBox tag=20 disabled title=\"Collate\" state=0")) << r.err;
  EXPECT_NE(r.err.find("\nalert: "), std::string::npos) << r.err;  // Reset asks first
  EXPECT_TRUE(r.has("ignored: @Collate disabled")) << r.err;
}

// Each of these stops the script with status 2 and names what is wrong.
TEST_F(PrintDialogScriptTest, BadLinesStopWithStatusTwo) {
  const std::pair<const char*, const char*> cases[] = {
      {"panel Test Options\nshow\nclick 99\n", "no view with tag 99"},
      {"select 10 \"Nothing\"\n", "no panel is focused"},
      {"panel Test Options\nshow\nselect 10 \"Nothing\"\n", "no item Nothing"},
      {"mark ZQColorMode Purple\n", "no choice Purple of ZQColorMode"},
      {"orientation sideways\n", "usage: orientation"},
      {"clock 2026-02-30 10:00\n", "not a date and time"},
      {"unset\n", "usage: unset"},
      {"frobnicate\n", "unknown command \"frobnicate\""},
      {"panel Test Options\nshow\nclick @\"No Such\"\n", "no view @No Such in panel"},
      {"panel Test Options\nshow\nclick #nothing\n", "no view #nothing"},
  };
  for (const auto& [script, message] : cases) {
    Result r = Run(script);
    EXPECT_EQ(r.status, 2) << script;
    EXPECT_NE(r.err.find(message), std::string::npos) << script << r.err;
  }
}

}  // namespace
