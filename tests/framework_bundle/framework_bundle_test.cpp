// printdialog drives the framework's test panel by script: controls made
// from tables, a PPD pop-up marking through the dialog, constraints,
// remembered values and the ticket, a modal window.
#include <gtest/gtest.h>

#include <cstdlib>

#include "../framework/ppd_fixture.h"
#include "../support/print_dialog_run.h"

namespace {

using Result = zqtest::DialogResult;

class FrameworkBundleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ppd_ = dir_.Write("Office_2F.ppd",
                          zqpde::test::PPDText(
                              "*OpenGroup: General/General\n"
                              "*OpenUI *ZQColor/Color Mode: PickOne\n*DefaultZQColor: Color\n"
                              "*ZQColor Mono/Black and White: \"\"\n*ZQColor Color/Full Color: \"\"\n"
                              "*ZQColor Sepia/Sepia: \"\"\n*CloseUI: *ZQColor\n"
                              "*OpenUI *ZQPaper/Paper: PickOne\n*DefaultZQPaper: Plain\n"
                              "*ZQPaper Plain/Plain: \"\"\n*ZQPaper Photo/Photo: \"\"\n*CloseUI: *ZQPaper\n"
                              "*CloseGroup: General\n"
                              "*UIConstraints: *ZQPaper Photo *ZQColor Sepia\n"
                              "*UIConstraints: *ZQColor Sepia *ZQPaper Photo\n"));
        setenv("ZQ_PREFS_DIR", dir_.path().c_str(), 1);
    }
    void TearDown() override { unsetenv("ZQ_PREFS_DIR"); }

    Result Run(const std::string& script, const std::string& extra = "") {
        const std::string scriptPath = dir_.Write("script.txt", script);
        return zqtest::RunPrintDialog(ZQ_PRINTDIALOG,
                                      "--ppd '" + ppd_ + "' --bundles '" + ZQ_FRAMEWORK_TEST_BUNDLES + "' --script '" +
                                          scriptPath + "' --ticket " + extra,
                                      dir_.path());
    }

    zqpde::test::TempDir dir_;
    std::string ppd_;
};

TEST_F(FrameworkBundleTest, APanelFromTablesWritesTheTicketAndItsRememberedValues) {
    Result r = Run(
        "panel \"Framework Test\"\n"
        "show\n"
        "dump 100\n"
        "dump 101\n"
        "dump 104\n"
        "select 101 0\n"
        "click 102\n"
        "dump 103\n"
        "click 102\n"
        "type 103 Ab,7\n"
        "select 104 0\n"
        "print\n"
        "summary\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("dump: Label tag=100 enabled value=\"Color Mode:\""), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("selected=1 items=[\"Black and White\", \"Full Color\", \"Sepia\"]"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("selected=1 items=[\"Fast\", \"Fine\"]"), std::string::npos) << r.err;
    EXPECT_TRUE(r.has("mark: ZQColor=Mono accepted")) << r.err;
    EXPECT_NE(r.err.find("dump: TextField tag=103 disabled"), std::string::npos) << r.err;
    // The comma is refused as the user types it.
    EXPECT_NE(r.err.find("beep"), std::string::npos);
    EXPECT_TRUE(r.has("summary: Framework Test | Color Mode: Black and White")) << r.err;
    EXPECT_TRUE(r.has("print: allowed")) << r.err;
    EXPECT_NE(r.out.find("Office_2Fcom.zq.test.fw.StapleReference=0\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Office_2Fcom.zq.test.fw.NameReference=Ab7\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("com.zq.test.fw.NameTicket=Ab7\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("com.zq.test.fw.ModeTicket=1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("com.zq.test.fw.StapleTicket=0\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("ZQColor"), std::string::npos);  // PPD choices never reach the ticket
}

TEST_F(FrameworkBundleTest, AConflictingChoiceGreysWithoutReopening) {
    Result r = Run(
        "panel com.zq.test.FrameworkKind\n"
        "show\n"
        "select 107 1\n"
        "dump 101\n"
        "select 101 2\n"
        "select 107 0\n"
        "dump 101\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.has("mark: ZQPaper=Photo accepted")) << r.err;
    EXPECT_NE(r.err.find("items=[\"Black and White\", \"Full Color\", \"Sepia\" (disabled)]"), std::string::npos)
        << r.err;
    EXPECT_EQ(r.err.find("ZQColor=Sepia"), std::string::npos) << r.err;  // the greyed item cannot be picked
    EXPECT_TRUE(r.has("dump: PopUpButton tag=101 enabled selected=1 items=[\"Black and White\", \"Full Color\", \"Sepia\"]"))
        << r.err;
}

TEST_F(FrameworkBundleTest, TheNoteWindowCommitsOnlyValidTextOnOK) {
    Result r = Run(
        "panel \"Framework Test\"\n"
        "show\n"
        "click 105\n"
        "  type 201 \"first note\"\n"
        "  click 202\n"
        "click 105\n"
        "  type 201 \"second\"\n"
        "  click 203\n"
        "save\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.has("modal: open Job Note")) << r.err;
    EXPECT_NE(r.out.find("com.zq.test.fw.NoteTicket=first note\n"), std::string::npos) << r.out << r.err;
}

TEST_F(FrameworkBundleTest, AnInvalidNameRefusesThePrint) {
    Result r = Run(
        "panel \"Framework Test\"\n"
        "show\n"
        "type 103 A\n"
        "print\n");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("alert:  | Use 2 to 8 letters or digits. | OK | keys: \"\" \"Name Error\""), std::string::npos) << r.err;
}

}  // namespace
