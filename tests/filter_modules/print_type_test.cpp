// Print type: a ticket in, the hold commands out, in the device's order.
#include <gtest/gtest.h>

#include "header_run.h"

namespace {

using zqtest::K;
using zqtest::ModuleLines;
using zqtest::RunHeader;
using Lines = std::vector<std::string>;

// The identity lines every job carries after the print-type lines.
const Lines kIdentity = {"@PJL SET JOBATTR=\"@CNAM=mac1\"\n", "@PJL SET JOBATTR=\"@LUNA=alice\"\n",
                         "@PJL SET JOBATTR=\"@NLPP=1\"\n", "@PJL SET RENDERMODE=GRAYSCALE\n"};

Lines With(Lines lines) {
  lines.insert(lines.end(), kIdentity.begin(), kIdentity.end());
  return lines;
}

TEST(PrintType, NoPrintTypeWritesNoHoldLine) {
  EXPECT_EQ(ModuleLines(RunHeader("").out), kIdentity);
  // Normal print keeps no document name, even an entered one.
  EXPECT_EQ(ModuleLines(RunHeader(K("PrintTypeTicketKey") + "=1 " + K("DocumentNameTypeTicketKey") + "=2 " +
                                  K("DocumentNameTicketKey") + "=Mine")
                            .out),
            kIdentity);
}

TEST(PrintType, SecurePrint) {
  const std::string ticket = K("PrintTypeTicketKey") + "=2 " + K("PrintTypeUserNameTicketKey") + "=bob " +
                             K("PrintTypePasswordTicketKey") + "=c2VjcmV0 " + K("DocumentNameTypeTicketKey") +
                             "=2 " + K("DocumentNameTicketKey") + "='Quarterly plan'";
  EXPECT_EQ(ModuleLines(RunHeader(ticket).out),
            With({"@PJL SET HOLD=STORE\n", "@PJL SET HOLDTYPE=PRIVATE\n", "@PJL SET USERNAME=\"bob\"\r\n",
                  "@PJL SET HOLDENCRYPTKEY=\"c2VjcmV0\"\r\n", "@PJL SET JOBNAME=\"Quarterly plan\"\r\n"}));

  // Without a pass code the job is stored but not private.
  EXPECT_EQ(ModuleLines(RunHeader(K("PrintTypeTicketKey") + "=2 " + K("PrintTypeUserNameTicketKey") + "=bob").out),
            With({"@PJL SET HOLD=STORE\n", "@PJL SET USERNAME=\"bob\"\r\n"}));
  // Without a user name secure print cannot hold the job.
  EXPECT_EQ(ModuleLines(RunHeader(K("PrintTypeTicketKey") + "=2 " + K("PrintTypePasswordTicketKey") + "=x").out),
            kIdentity);
}

TEST(PrintType, SecurePrintUserNameIsBoundedAndQuotesCannotEscape) {
  // The record holds 72 bytes: a longer name is cut, and still holds.
  const std::string longName(100, 'u');
  auto lines = ModuleLines(
      RunHeader(K("PrintTypeTicketKey") + "=2 " + K("PrintTypeUserNameTicketKey") + "=" + longName).out);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "@PJL SET HOLD=STORE\n");
  EXPECT_EQ(lines[1], "@PJL SET USERNAME=\"" + std::string(72, 'u') + "\"\r\n");

  // A double quote or line end in a value never ends the attribute early.
  lines = ModuleLines(RunHeader(K("PrintTypeTicketKey") + "=3 " + K("PrintTypeUserNameTicketKey") +
                                "='/98/34/10/64/80/74/76'")
                          .out);
  EXPECT_EQ(lines, With({"@PJL SET HOLD=PROOF\n", "@PJL SET USERNAME=\"b@PJL\"\r\n"}));
}

TEST(PrintType, SamplePrintNeedsAUser) {
  EXPECT_EQ(ModuleLines(RunHeader(K("PrintTypeTicketKey") + "=3 " + K("PrintTypeUserNameTicketKey") + "=carol").out),
            With({"@PJL SET HOLD=PROOF\n", "@PJL SET USERNAME=\"carol\"\r\n"}));
  EXPECT_EQ(ModuleLines(RunHeader(K("PrintTypeTicketKey") + "=3").out), kIdentity);
}

TEST(PrintType, DelayedPrintCarriesTheStartTime) {
  EXPECT_EQ(ModuleLines(RunHeader(K("PrintTypeTicketKey") + "=4 " + K("DelayPrintTicketKey") + "=2230 " +
                                  K("PrintTypeUserNameTicketKey") + "=bob")
                            .out),
            With({"@PJL SET JOBATTR=\"@PRTM=2230\"\r\n"}));
  EXPECT_EQ(ModuleLines(RunHeader(K("PrintTypeTicketKey") + "=4").out), kIdentity);
}

TEST(PrintType, MailboxPrint) {
  EXPECT_EQ(ModuleLines(RunHeader(K("PrintTypeTicketKey") + "=5 " + K("PrintTypeMBNTicketKey") + "=12 " +
                                  K("PrintTypeMBNPasswordTicketKey") + "=pw")
                            .out),
            With({"@PJL SET HOLD=BOXSTORE\n", "@PJL SET HOLDTYPE=PRIVATE\n", "@PJL SET BOXNUMBER=12\r\n",
                  "@PJL SET BOXENCRYPTKEY=\"pw\"\r\n"}));
  // Without a password: no private hold and no key.
  EXPECT_EQ(ModuleLines(RunHeader(K("PrintTypeTicketKey") + "=5 " + K("PrintTypeMBNTicketKey") + "=7").out),
            With({"@PJL SET HOLD=BOXSTORE\n", "@PJL SET BOXNUMBER=7\r\n"}));
  // An empty box number still ends its line.
  EXPECT_EQ(ModuleLines(RunHeader(K("PrintTypeTicketKey") + "=5").out),
            With({"@PJL SET HOLD=BOXSTORE\n", "@PJL SET BOXNUMBER=\r\n"}));
}

TEST(PrintType, AutomaticDocumentNameFollowsTheProductType) {
  const std::string ticket = K("PrintTypeTicketKey") + "=3 " + K("PrintTypeUserNameTicketKey") + "=bob " +
                             K("DocumentNameTypeTicketKey") + "=1 " + K("PrintTypeProductTypeTicketKey") + "=2";
  auto run = RunHeader(ticket, "", "mac1", "alice", "A rather long document title");
  EXPECT_EQ(ModuleLines(run.out),
            (Lines{"@PJL SET HOLD=PROOF\n", "@PJL SET USERNAME=\"bob\"\r\n",
                   "@PJL SET JOBNAME=\"A rather lon\"\r\n", "@PJL COMMENT DNAME=A rather lon\n",
                   "@PJL SET JOBATTR=\"@CNAM=mac1\"\n", "@PJL SET JOBATTR=\"@LUNA=alice\"\n",
                   "@PJL SET JOBATTR=\"@NLPP=1\"\n", "@PJL SET RENDERMODE=GRAYSCALE\n"}));
}

}  // namespace
