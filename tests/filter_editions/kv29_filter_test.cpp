// kv29 edition: its narrower tables, the date, time and document
// comments, its own hook events and page counting, and the whole job
// stream without job mode, trailer or job copy.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include "core/filter_main.h"
#include "edition_support.h"

namespace {

using edtest::Attr;
using edtest::AttrLF;
using edtest::KvbKey;
using edtest::Lines;

const std::string kUel = "\x1b%-12345X";

std::string Keyed(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::vector<std::pair<std::string, std::string>> keyed;
  for (const auto& [name, value] : entries) keyed.push_back({KvbKey(name), value});
  return edtest::Ticket(keyed);
}

Lines Header(const std::vector<std::pair<std::string, std::string>>& entries, const std::string& ppd = "",
             const std::string& title = "Report") {
  return edtest::Header(zqf::Kv29Profile(), Keyed(entries), ppd, "alice", title);
}

// The lines every job carries without accounting settings.
Lines Identity(const std::string& title = "Report") {
  return {"@PJL COMMENT DATE=\n", "@PJL COMMENT TIME=\n", "@PJL COMMENT DNAME=" + title + "\n",
          AttrLF("CNAM=UnknownHost"), AttrLF("LUNA=alice")};
}

Lines Join(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(Kv29Header, AJobWithoutSettings) {
  // No PPD: no code set; never a job mode line.
  EXPECT_EQ(Header({}), Identity());
  EXPECT_EQ(Header({}, edtest::Ppd("")), Join({"@PJL SET STRINGCODESET=\"SJISX0208\"\n"}, Identity()));
  EXPECT_EQ(Header({}, edtest::Ppd("ISOLatin1")).front(), "@PJL SET STRINGCODESET=\"HPROMAN8\"\n");
  EXPECT_EQ(Header({}, edtest::Ppd("Klingon")), Identity());
}

TEST(Kv29Header, SecurePrintAndUserSettings) {
  const Lines lines = Header({{"PrintTypeTicketKey", "2"},
                              {"PrintTypeUserNameTicketKey", "bob"},
                              {"PrintTypePasswordTicketKey", "k"},
                              {"JBAMrvnPrintDateTicketKey", "2026/12/09"},
                              {"JBAMrvnPrintTimeTicketKey", "10:00"},
                              {"JBAMacHostNameStringTicket", "mac9"},
                              {"JBAIPAddressStringTicket", "IC0A80001"},
                              {"JBAManageTypeListTicketKey", "2"},
                              {"JBAUserSettingRadioBtnTicket", "1"},
                              {"JBAUserIDListCtrlTicket", "1"},
                              {"JBAUserPasswordTextEditTicket", "pw"},
                              {"JBAAccountIDTextEditTicket", "not-sent"},
                              {"JBAStorageIDTextEditTicket", "st"},
                              {"JBAStoragePasswordTextEditTicket", "sp"}},
                             edtest::Ppd("UTF-8"));
  EXPECT_EQ(lines, (Lines{"@PJL SET STRINGCODESET=\"UTF8\"\n", "@PJL SET HOLD=STORE\n", "@PJL SET HOLDTYPE=PRIVATE\n",
                          "@PJL SET USERNAME=\"bob\"\r\n", "@PJL SET HOLDENCRYPTKEY=\"k\"\r\n",
                          "@PJL COMMENT DATE=2026/12/09\n", "@PJL COMMENT TIME=10:00\n", "@PJL COMMENT DNAME=Report\n",
                          AttrLF("CNAM=mac9"), AttrLF("LUNA=alice"), AttrLF("HOAD=IC0A80001"), Attr("JOAU=alice"),
                          Attr("JOEP=pw"), Attr("ACID=st"), Attr("ACEP=sp")}));
}

TEST(Kv29Header, AdministratorAndInputWindowRows) {
  EXPECT_EQ(Header({{"JBAManageTypeListTicketKey", "1"},
                    {"JBAAdminUserSettingRadioBtnTicket", "1"},
                    {"JBAAdminUserIDListCtrlTicket", "2"},
                    {"JBAAdminUserIDTextEditTicket", "adm"},
                    {"JBAUserSettingRadioBtnTicket", "1"},
                    {"JBAUserIDListCtrlTicket", "1"}}),
            Join({Attr("JOAU=adm"), Attr("JOEP=")}, Identity()));
  EXPECT_EQ(Header({{"JBAManageTypeListTicketKey", "2"},
                    {"JBAUserInputRadioBtnTicket", "1"},
                    {"JBAInputStrgRadioBtnTicketKey", "1"},
                    {"JBAInputStorageIDTextEditTicket", "is"}}),
            Join(Identity(), {Attr("ACID=is"), AttrLF("JOAU=UnknownUser"), AttrLF("JOEP="), Attr("ACEP=")}));
  EXPECT_EQ(Header({{"JBAManageTypeListTicketKey", "2"},
                    {"JBAUserInputRadioBtnTicket", "1"},
                    {"JBAInputAuthRadioBtnTicketKey", "1"},
                    {"JBAInputUserIDTextEditTicket", "iu"}}),
            Join(Identity(), {Attr("JOAU=iu"), Attr("JOEP=")}));
  // Without a mode nothing of the accounts is sent.
  EXPECT_EQ(Header({{"JBAUserSettingRadioBtnTicket", "1"}, {"JBAUserIDListCtrlTicket", "1"}}), Identity());
}

Lines PrintTypeLines(const std::vector<std::pair<std::string, std::string>>& entries, const std::string& title = "Report") {
  return edtest::Only(Header(entries, "", title), {"@PJL SET HOLD", "@PJL SET BOX", "@PJL SET USERNAME",
                                                   "@PJL SET JOBNAME", "@PJL SET JOBATTR=\"@PRTM"});
}

TEST(Kv29PrintType, NarrowFieldsAndTheMailbox) {
  // The user field holds 24 bytes and secure print holds the job anyway.
  EXPECT_EQ(PrintTypeLines({{"PrintTypeTicketKey", "2"}, {"PrintTypeUserNameTicketKey", std::string(30, 'u')}}),
            (Lines{"@PJL SET HOLD=STORE\n", "@PJL SET USERNAME=\"" + std::string(24, 'u') + "\"\r\n"}));
  // Mailbox print is 5 here as in every filter.
  EXPECT_EQ(PrintTypeLines({{"PrintTypeTicketKey", "5"}, {"PrintTypeMBNTicketKey", "3"}}),
            (Lines{"@PJL SET HOLD=BOXSTORE\n", "@PJL SET BOXNUMBER=3\r\n"}));
  EXPECT_EQ(PrintTypeLines({{"PrintTypeTicketKey", "4"}}), Lines{});
  EXPECT_EQ(PrintTypeLines({{"PrintTypeTicketKey", "4"}, {"DelayPrintTicketKey", "0630"}}),
            Lines{"@PJL SET JOBATTR=\"@PRTM=0630\"\r\n"});
}

TEST(Kv29PrintType, AutomaticDocumentNameByProductType) {
  const auto named = [](int type, const std::string& title) {
    return PrintTypeLines({{"PrintTypeTicketKey", "3"},
                           {"PrintTypeUserNameTicketKey", "bob"},
                           {"DocumentNameTypeTicketKey", "1"},
                           {"PrintTypeProductTypeTicketKey", std::to_string(type)}},
                          title);
  };
  const Lines proof = {"@PJL SET HOLD=PROOF\n", "@PJL SET USERNAME=\"bob\"\r\n"};
  EXPECT_EQ(named(2, std::string(13, 't')), proof);
  EXPECT_EQ(named(2, std::string(12, 't')), Join(proof, {"@PJL SET JOBNAME=\"" + std::string(12, 't') + "\"\r\n"}));
  EXPECT_EQ(named(1, std::string(20, 't')), Join(proof, {"@PJL SET JOBNAME=\"" + std::string(20, 't') + "\"\r\n"}));
}

TEST(Kv29Header, TitlesCannotInjectLinesAndKeepWholeCharacters) {
  for (const char* title : {"Report\n@PJL SET HOLD=STORE", "a\rb"}) {
    EXPECT_EQ(Header({}, "", title), Identity(""));
  }
  // Shift-JIS by default, and a long non-ASCII title cannot be checked as
  // UTF-8, so it goes.
  EXPECT_EQ(Header({}, edtest::Ppd(""), "\xe6\x97\xa5\xe6\x9c\xac")[3], "@PJL COMMENT DNAME=\x93\xfa\x96\x7b\n");
  std::string longTitle;
  for (int i = 0; i < 20; ++i) longTitle += "\xe6\x97\xa5";
  EXPECT_EQ(Header({}, edtest::Ppd(""), longTitle)[3], "@PJL COMMENT DNAME=\n");
  EXPECT_EQ(Header({}, edtest::Ppd("UTF-8"), longTitle)[3], "@PJL COMMENT DNAME=" + longTitle.substr(0, 30) + "\n");
}

// A whole kv29 job, in process.
zqtest::JobResult RunKv29(const std::string& options, const std::string& postscript, const std::string& ppd = "") {
  zqtest::JobSpec spec;
  spec.options = options;
  spec.postscript = postscript;
  spec.ppdPath = ppd;
  spec.copies = "2";
  return zqtest::RunInProcess(zqf::Kv29Profile(), spec);
}

TEST(Kv29Job, StreamWithoutJobModeTrailerOrJobCopy) {
  const std::string ps = "%!PS\n%%BeginProlog\n%%EndProlog\nbp\nep\nbp\nendp\nshowpage\n";
  const auto r = RunKv29("", ps);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind(kUel, 0), 0u);
  EXPECT_EQ(r.out.find("JOB MODE"), std::string::npos);
  const std::string tail = "@PJL ENTER LANGUAGE=POSTSCRIPT\n" + ps + "\x04";
  ASSERT_GE(r.out.size(), tail.size());
  EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);  // 0x04 last: no trailer
  // "ep", "endp" and "showpage" each count a page.
  EXPECT_EQ(r.err, "PAGE:1 2\nPAGE:2 2\nPAGE:3 2\n");
}

TEST(Kv29Job, FinishingSnippetsAtTheirEventsWhateverTheLayout) {
  const std::string ticket = edtest::Ticket({{KvbKey("SeparatorPageListTicket"), "2"},
                                             {KvbKey("SeparatorPageTicket"), "1 3"},
                                             {KvbKey("BookletMarginSwitchTicket"), "1"},
                                             {KvbKey("BookletMarginMMShiftTicket"), "5"},
                                             {KvbKey("AutoFitSwitchTicket"), "0"},
                                             {KvbKey("TabMarginSwitchTicket"), "1"},
                                             {KvbKey("TabMarginMMShiftTicket"), "5"},
                                             {"com.apple.print.PrintSettings.PMLayoutRows..n.", "2"},
                                             {"com.apple.print.PrintSettings.PMLayoutColumns..n.", "2"}});
  const auto r = RunKv29(ticket, zqtest::SamplePostScript(1));
  const std::string ps = zqtest::PostScriptPart(r.out);
  const auto frame = [](const std::string& body) {
    return "[{\n%%BeginNonPPDFeatures\n" + body + "%%EndNonPPDFeatures\n} stopped cleartomark\n";
  };
  EXPECT_NE(ps.find("%%BeginProlog\n/bp { gsave } bind def\n/ep { grestore showpage } bind def\n" +
                    frame("1 dict dup/SeparatorPages[1 3]put/Custom/ProcSet findresource/setcoverseparator get exec\n") +
                    "%%EndProlog\n"),
            std::string::npos)
      << ps;
  EXPECT_NE(ps.find("%%BeginSetup\n" +
                    frame("5.000/Custom/ProcSet findresource/setsignatureimageshift get exec\n") +
                    frame("/Custom/ProcSet findresource/setsignatureautoscale 2 copy known {get false exch exec} "
                          "{pop pop} ifelse\n") +
                    "%%EndSetup\n"),
            std::string::npos)
      << ps;
  // No finishing PJL in this edition.
  EXPECT_EQ(r.out.find("TABS"), std::string::npos);
}

// Cancels the job at the "bp" of the third page.
void CancelOnThirdPage(zqf::Job&, int event, int page, zqf::Stream&) {
  if (event == 22 && page == 2) zqf::CancelJob = 1;
}
const zqf::FilterModule kCancelModule{"Cancel", nullptr, nullptr, nullptr, CancelOnThirdPage};

TEST(Kv29Job, ACancelledJobEndsAfterItsPageWithTheEndOfJobByte) {
  zqf::EditionProfile profile = zqf::Kv29Profile();
  profile.psOrder.push_back(&kCancelModule);
  zqtest::JobSpec spec;
  spec.postscript = zqtest::SamplePostScript(5);
  const auto r = zqtest::RunInProcess(profile, spec);
  zqf::CancelJob = 0;
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "PAGE:1 1\nPAGE:2 1\nPAGE:3 1\n");
  EXPECT_EQ(r.out.substr(r.out.size() - 4), "ep\n\x04");
  EXPECT_EQ(r.out.find("(Page 4)"), std::string::npos);
}

TEST(Kv29Job, AnInputFileThatCannotBeOpenedFailsTheJob) {
  std::vector<std::string> args = {"kv29-job-filter", "7", "alice", "Report", "1", "", "/nonexistent/job.ps"};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const int out = memfd_create("out", 0), err = memfd_create("err", 0);
  const int status = zqf::RunJob(zqf::Kv29Profile(), 7, argv.data(), -1, out, err);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(zqtest::ReadAll(out), "");
  EXPECT_EQ(zqtest::ReadAll(err).rfind("ERROR: Unable to open print file", 0), 0u);
  ::close(out);
  ::close(err);
}

}  // namespace
