// Job authentication: management types, ID sources and input at print, and
// the identity lines every job carries.
#include <gtest/gtest.h>

#include "header_run.h"

namespace {

using zqtest::K;
using zqtest::ModuleLines;
using zqtest::RunHeader;
using Lines = std::vector<std::string>;

const std::string kCnam = "@PJL SET JOBATTR=\"@CNAM=mac1\"\n";
const std::string kLuna = "@PJL SET JOBATTR=\"@LUNA=alice\"\n";
const std::string kNlpp = "@PJL SET JOBATTR=\"@NLPP=1\"\n";
// The render mode closes the module lines of every job without a PPD.
const std::string kRender = "@PJL SET RENDERMODE=GRAYSCALE\n";

std::string Joau(const std::string& v) { return "@PJL SET JOBATTR=\"@JOAU=" + v + "\"\r\n"; }
std::string Joep(const std::string& v) { return "@PJL SET JOBATTR=\"@JOEP=" + v + "\"\r\n"; }

TEST(JobAuthentication, UserSettingsWithTheLoginName) {
  const std::string user = K("JBAManageTypeListTicketKey") + "=2 " + K("JBAUserSettingRadioBtnTicket") + "=1 " +
                           K("JBAUserIDListCtrlTicket") + "=1 ";
  // The login name is the job user's first 32 bytes, taken before the
  // user-name rule.
  const std::string longUser(40, 'j');
  EXPECT_EQ(ModuleLines(RunHeader(user + K("JBAUserPasswordTextEditTicket") + "=cHc=", "", "mac1", longUser).out),
            (Lines{kCnam, "@PJL SET JOBATTR=\"@LUNA=" + longUser + "\"\n", kNlpp, Joau(std::string(32, 'j')),
                   Joep("cHc="), kRender}));
  // An empty password is sent as an empty quoted value.
  EXPECT_EQ(ModuleLines(RunHeader(user).out), (Lines{kCnam, kLuna, kNlpp, Joau("alice"), Joep(""), kRender}));
}

TEST(JobAuthentication, UserSettingsWithAnEnteredID) {
  const std::string user = K("JBAManageTypeListTicketKey") + "=2 " + K("JBAUserSettingRadioBtnTicket") + "=1 " +
                           K("JBAUserIDListCtrlTicket") + "=2 ";
  EXPECT_EQ(ModuleLines(RunHeader(user + K("JBAUserIDTextEditTicket") + "=u042 " +
                                  K("JBAUserPasswordTextEditTicket") + "=pw")
                            .out),
            (Lines{kCnam, kLuna, kNlpp, Joau("u042"), Joep("pw"), kRender}));
  EXPECT_EQ(ModuleLines(RunHeader(user + K("JBAUserIDTextEditTicket") + "=u042").out),
            (Lines{kCnam, kLuna, kNlpp, Joau("u042"), Joep(""), kRender}));
  // No entered ID: nothing to authenticate with.
  EXPECT_EQ(ModuleLines(RunHeader(user + K("JBAUserPasswordTextEditTicket") + "=pw").out),
            (Lines{kCnam, kLuna, kNlpp, kRender}));
}

TEST(JobAuthentication, InputAtPrint) {
  const std::string input = K("JBAManageTypeListTicketKey") + "=2 " + K("JBAUserInputRadioBtnTicket") + "=1 ";
  EXPECT_EQ(ModuleLines(RunHeader(input + K("JBAInputUserIDTextEditTicket") + "=dave " +
                                  K("JBAInputUserPasswordTextEditTicket") + "=pw")
                            .out),
            (Lines{kCnam, kLuna, kNlpp, Joau("dave"), Joep("pw"), kRender}));
  EXPECT_EQ(ModuleLines(RunHeader(input + K("JBAInputUserIDTextEditTicket") + "=dave").out),
            (Lines{kCnam, kLuna, kNlpp, Joau("dave"), Joep(""), kRender}));
}

TEST(JobAuthentication, AdministratorSettingsComeFirstAndAlone) {
  const std::string admin = K("JBAManageTypeListTicketKey") + "=1 " + K("JBAAdminUserSettingRadioBtnTicket") +
                            "=1 " + K("JBAAdminUserIDListCtrlTicket") + "=";
  // The user-side keys are present too but do not apply under management 1.
  const std::string userToo = " " + K("JBAUserSettingRadioBtnTicket") + "=1 " + K("JBAUserIDListCtrlTicket") + "=1";
  EXPECT_EQ(ModuleLines(RunHeader(admin + "1 " + K("JBAAdminUserPasswordTextEditTicket") + "=apw" + userToo).out),
            (Lines{Joau("alice"), Joep("apw"), kCnam, kLuna, kNlpp, kRender}));
  EXPECT_EQ(ModuleLines(RunHeader(admin + "2 " + K("JBAAdminUserIDTextEditTicket") + "=root").out),
            (Lines{Joau("root"), Joep(""), kCnam, kLuna, kNlpp, kRender}));
  // The administrator's input at print uses the shared input fields.
  EXPECT_EQ(ModuleLines(RunHeader(K("JBAManageTypeListTicketKey") + "=1 " + K("JBAAdminUserInputRadioBtnTicket") +
                                  "=1 " + K("JBAInputUserIDTextEditTicket") + "=eve")
                            .out),
            (Lines{Joau("eve"), Joep(""), kCnam, kLuna, kNlpp, kRender}));
}

TEST(JobAuthentication, NoManagementTypeWritesOnlyIdentity) {
  EXPECT_EQ(ModuleLines(RunHeader(K("JBAUserSettingRadioBtnTicket") + "=1 " + K("JBAUserIDListCtrlTicket") + "=1 " +
                                  K("JBAUserPasswordTextEditTicket") + "=pw")
                            .out),
            (Lines{kCnam, kLuna, kNlpp, kRender}));
}

TEST(JobAuthentication, IdentityLines) {
  // Date, time and the dialog's address; N-up from the layout keys.
  EXPECT_EQ(ModuleLines(RunHeader(K("JBAMrvnPrintDateTicketKey") + "=20261209 " + K("JBAMrvnPrintTimeTicketKey") +
                                  "=0930 " + K("JBAIPAddressStringTicket") + "=IC0A80001 " +
                                  "com.apple.print.PrintSettings.PMLayoutRows..n.=2 "
                                  "com.apple.print.PrintSettings.PMLayoutColumns..n.=2")
                            .out),
            (Lines{"@PJL COMMENT DATE=20261209\n", "@PJL COMMENT TIME=0930\n", kCnam, kLuna,
                   "@PJL SET JOBATTR=\"@HOAD=IC0A80001\"\n", "@PJL SET JOBATTR=\"@NLPP=N4\"\n", kRender}));
  EXPECT_EQ(ModuleLines(RunHeader("number-up=2").out),
            (Lines{kCnam, kLuna, "@PJL SET JOBATTR=\"@NLPP=N2\"\n", kRender}));
  // No host name: the device still learns that it does not know it.
  EXPECT_EQ(ModuleLines(RunHeader("", "", "").out),
            (Lines{"@PJL SET JOBATTR=\"@CNAM=UnknownHost\"\n", kLuna, kNlpp, kRender}));
  // A user name the device cannot take becomes UnknownUser.
  EXPECT_EQ(ModuleLines(RunHeader("", "", "mac1", "   ").out),
            (Lines{kCnam, "@PJL SET JOBATTR=\"@LUNA=UnknownUser\"\n", kNlpp, kRender}));
}

}  // namespace
