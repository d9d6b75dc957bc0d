// The command-table engine: how format rows become PJL lines, which rows
// their conditions let through, and what a value may never carry into a
// line.
#include <gtest/gtest.h>

#include "core/dispatch.h"
#include "core/engine.h"
#include "core/ticket.h"
#include "core_test_support.h"
#include "filter_harness.h"
#include "zqp/utf8.h"

namespace {

using namespace zqf;
using coretest::MemJob;

std::string Build(std::string_view format, std::vector<ValueRef> values) {
  SymPara para;
  InitializeCmdParaTable(para, std::move(values));
  std::string out;
  BuildPrintComand(format, para, out);
  return out;
}

TEST(CommandLine, ControlSymbolsTakeTheirParametersInOrder) {
  const std::string host = "mac1";
  EXPECT_EQ(Build("@PJL SET JOBATTR=%c@CNAM=%s%c%c", {&CTRLSym_DOUBLE, &host, &CTRLSym_DOUBLE, &CTRLSym_LF}),
            "@PJL SET JOBATTR=\"@CNAM=mac1\"\n");

  const int32_t negative = -42, smallest = INT32_MIN;
  EXPECT_EQ(Build("@PJL SET COPIES=%d %d%c%c", {&negative, &smallest, &CTRLSym_CR, &CTRLSym_LF}),
            "@PJL SET COPIES=-42 -2147483648\r\n");
  // Surplus parameters are not used.
  EXPECT_EQ(Build("%c%c-12345X", {&CTRLSym_ESC, &CTRLSym_PERCENTAGE, &CTRLSym_CR, &CTRLSym_LF}), "\x1b%-12345X");
  // A string constant serves as well as a record.
  EXPECT_EQ(Build("@PJL SET JOBATTR=\"@MODE=%s\"\n", {"ON"}), "@PJL SET JOBATTR=\"@MODE=ON\"\n");
}

TEST(CommandLine, OtherPercentSequencesAreText) {
  const int32_t n = 5;
  EXPECT_EQ(Build("100%% at %x and %u%", {}), "100%% at %x and %u%");
  EXPECT_EQ(Build("%x%d%", {&n}), "%x5%");
  // The first "%" of "%%d" is text; the second starts the symbol.
  EXPECT_EQ(Build("A%%dB", {&n}), "A%5B");
  EXPECT_EQ(Build("", {&n}), "");
  EXPECT_EQ(Build("%", {}), "%");
}

TEST(CommandLine, EmptyStringValueKeepsTheRestOfTheLine) {
  const std::string empty;
  const std::string rows = Build("@PJL SET JOBATTR=\"@JOBN=%s\"\n", {&empty}) + Build("@PJL SET X=1\n", {});
  EXPECT_EQ(rows, "@PJL SET JOBATTR=\"@JOBN=\"\n@PJL SET X=1\n");
  // A parameter the row forgot to bind is empty too, never a crash.
  EXPECT_EQ(Build("@PJL A=%s B=%d C=%c.\n", {}), "@PJL A= B=0 C=.\n");
}

TEST(CommandLine, LongValueIsCutButTheLineKeepsItsEnd) {
  const std::string value(300, 'a');
  const std::string line = Build("@PJL SET JOBATTR=\"@JOBN=%s\"\n", {&value});
  ASSERT_EQ(line.size(), kMaxCommandLine);
  EXPECT_EQ(line.substr(0, 24), "@PJL SET JOBATTR=\"@JOBN=");
  EXPECT_EQ(line.substr(line.size() - 2), "\"\n");

  // Two-byte characters: the cut never splits one.
  std::string accents;
  for (int i = 0; i < 150; ++i) accents += "\xc3\xa9";
  const std::string cut = Build("@PJL SET JOBATTR=\"@JOBN=%s\"\n", {&accents});
  EXPECT_LE(cut.size(), kMaxCommandLine);
  EXPECT_GE(cut.size(), kMaxCommandLine - 1);
  EXPECT_TRUE(zqp::IsValidUtf8(cut));
  EXPECT_EQ(cut.substr(cut.size() - 2), "\"\n");

  // Two long values share the room; both closing quotes survive.
  const std::string a(200, 'a'), b(200, 'b');
  const std::string both = Build("@PJL SET JOBATTR=\"@A=%s\" \"@B=%s\"%c", {&a, &b, &CTRLSym_LF});
  EXPECT_LE(both.size(), kMaxCommandLine);
  EXPECT_EQ(both.back(), '\n');
  EXPECT_EQ(coretest::Count(both, "\""), 4u);
  EXPECT_NE(both.find("\" \"@B="), std::string::npos);

  // A format longer than a line is itself cut at the limit.
  const std::string longFormat(400, 'x');
  EXPECT_EQ(Build(longFormat, {}).size(), kMaxCommandLine);
}

TEST(CommandLine, ValuesNeverCarryControlBytesOrQuotes) {
  std::string hostile = "Bob\"\r\n@PJL SET X=1";
  hostile += '\0';
  hostile += "\x1b%-12345X\x7f" "end";
  const std::string line = Build("@PJL SET JOBATTR=\"@JOBN=%s\"\n", {&hostile});
  EXPECT_EQ(line, "@PJL SET JOBATTR=\"@JOBN=Bob@PJL SET X=1%-12345Xend\"\n");
  // Non-ASCII text passes unchanged.
  const std::string name = "J\xc3\xb6rg \xe5\xb1\xb1";
  EXPECT_EQ(Build("%s", {&name}), name);
}

// --- conditions -----------------------------------------------------------

int gCalls = 0;
int CountingCompare(const ValueRef&, const ValueRef&) {
  ++gCalls;
  return 1;
}

TEST(Conditions, IntegerComparisons) {
  const int32_t two = 2, alsoTwo = 2, minusOne = -1, absent = -1;
  EXPECT_EQ(IntCampareFunc(&two, &alsoTwo), 1);
  EXPECT_EQ(IntCampareFunc(&two, &minusOne), 0);
  EXPECT_EQ(IntCampareFunc(&absent, &minusOne), 1);
  EXPECT_EQ(IntNoEqualCampareFunc(&two, &alsoTwo), 0);
  EXPECT_EQ(IntNoEqualCampareFunc(&two, &minusOne), 1);
}

TEST(Conditions, StringComparisons) {
  const std::string empty, abc = "abc", abcd = "abcd", ABC = "ABC";
  EXPECT_EQ(StrEqualCampareFunc(&abc, "abc"), 1);
  EXPECT_EQ(StrEqualCampareFunc(&abc, &abcd), 0);
  EXPECT_EQ(StrEqualCampareFunc(&abc, &ABC), 0);
  EXPECT_EQ(StrEqualCampareFunc(&empty, &OptionNULLStr), 1);

  EXPECT_EQ(StrContainCampareFunc(&abcd, "bc"), 1);
  EXPECT_EQ(StrContainCampareFunc(&abc, "abcd"), 0);
  EXPECT_EQ(StrContainCampareFunc(&abc, &OptionNULLStr), 1);
  // An empty left side contains nothing, not even the empty string.
  EXPECT_EQ(StrContainCampareFunc(&empty, &OptionNULLStr), 0);
  EXPECT_EQ(StrNotContainCampareFunc(&empty, "x"), 1);
  EXPECT_EQ(StrNotContainCampareFunc(&abc, "x"), 1);
  EXPECT_EQ(StrNotContainCampareFunc(&abc, "b"), 0);

  EXPECT_EQ(StrNoNULLCampareFunc(&abc, ValueRef{}), 1);
  EXPECT_EQ(StrNoNULLCampareFunc(&empty, ValueRef{}), 0);
  EXPECT_EQ(StrIsNULLCampareFunc(&empty, ValueRef{}), 1);
  EXPECT_EQ(StrIsNULLCampareFunc(&abc, ValueRef{}), 0);
}

TEST(Conditions, LengthLessThan) {
  const std::string abc = "abc", empty;
  const int32_t three = 3, four = 4, one = 1, zero = 0, negative = -5;
  EXPECT_EQ(StrLengthLessThanCampareFunc(&abc, &four), 1);
  EXPECT_EQ(StrLengthLessThanCampareFunc(&abc, &three), 0);
  EXPECT_EQ(StrLengthLessThanCampareFunc(&empty, &one), 1);
  EXPECT_EQ(StrLengthLessThanCampareFunc(&empty, &zero), 0);
  EXPECT_EQ(StrLengthLessThanCampareFunc(&empty, &negative), 0);
  // Bytes, not characters.
  const std::string accents = "\xc3\xa9\xc3\xa9";
  EXPECT_EQ(StrLengthLessThanCampareFunc(&accents, &three), 0);
}

TEST(Conditions, ListHoldsWhenEveryItemHoldsAndStopsAtTheFirstFalse) {
  const int32_t a = 1, b = 2;
  Comparation empty;
  EXPECT_EQ(ConditionCompare(empty), 1);

  Comparation cond;
  InitializeComparationTable(cond, {{&a, &a, IntCampareFunc}, {&a, &b, IntCampareFunc}, {&a, &a, CountingCompare}});
  gCalls = 0;
  EXPECT_EQ(ConditionCompare(cond), 0);
  EXPECT_EQ(gCalls, 0);

  InitializeComparationTable(cond, {{&a, &a, IntCampareFunc}, {&a, &a, CountingCompare}});
  EXPECT_EQ(ConditionCompare(cond), 1);
  EXPECT_EQ(gCalls, 1);

  // An item without a compare function cannot hold.
  InitializeComparationTable(cond, {{&a, &a, nullptr}});
  EXPECT_EQ(ConditionCompare(cond), 0);
}

TEST(Tables, RowsAreWrittenInOrderWhenTheirConditionsHold) {
  MemJob m;
  int32_t printType = 2;
  std::string user = "alice", empty;
  static const int32_t kSecure = 2;
  FmtTable rows(4);
  rows[0].format = "@PJL SET JOBATTR=\"@JOBTYPE=SECURE\"\n";
  InitializeComparationTable(rows[0].cond, {{&printType, &kSecure, IntCampareFunc}});
  rows[1].format = "@PJL SET JOBATTR=\"@USER=%s\"\n";
  InitializeCmdParaTable(rows[1].para, {&user});
  InitializeComparationTable(rows[1].cond, {{&user, &OptionNULLStr, StrNoNULLCampareFunc}});
  rows[2].format = "@PJL SET JOBATTR=\"@ACCT=%s\"\n";
  InitializeCmdParaTable(rows[2].para, {&empty});
  InitializeComparationTable(rows[2].cond, {{&empty, &OptionNULLStr, StrNoNULLCampareFunc}});
  rows[3].format = "@PJL SET JOBATTR=\"@DONE\"%c";  // never bound: behaves as empty lists
  OutputEPJLCommandFromArray(m.job, rows);
  EXPECT_EQ(m.out, "@PJL SET JOBATTR=\"@JOBTYPE=SECURE\"\n@PJL SET JOBATTR=\"@USER=alice\"\n"
                   "@PJL SET JOBATTR=\"@DONE\"");

  // The records are read when the table is written, not when it is bound.
  m.out.clear();
  printType = 3;
  user.clear();
  OutputEPJLCommandFromArray(m.job, rows);
  EXPECT_EQ(m.out, "@PJL SET JOBATTR=\"@DONE\"");
}

TEST(Tables, FixedRowsOfTheJobStream) {
  MemJob m;
  OutputEPJLCommandFromArray(m.job, FmtTable{prtFmtTableEPJLHead(), prtFmtTableEPJLJobMode(),
                                             prtFmtTableEnterPS(), prtFmtTableEPJLTrailer()});
  EXPECT_EQ(m.out, "\x1b%-12345X@PJL JOB MODE=PRINTER\r\n@PJL ENTER LANGUAGE=POSTSCRIPT\n\x1b%-12345X@PJL EOJ\n");
}

TEST(Tables, AttributeLinesFromNamesAndValues) {
  MemJob m;
  outputEPJLCommandFromArray(m.job, {"TCPR", "GCPR", "ICPR"}, {13, 13, -1});
  EXPECT_EQ(m.out, "@PJL SET JOBATTR=\"@TCPR=13\"\n@PJL SET JOBATTR=\"@GCPR=13\"\n@PJL SET JOBATTR=\"@ICPR=-1\"\n");
}

// --- output functions ------------------------------------------------------

TEST(OutputFunctions, WriteLiterallyAndMirrorIntoTheJobCopy) {
  std::string main, copy;
  Stream stream(&main);
  Stream mirror(&copy);
  stream.mirror = &mirror;
  ZQfprintf(stream, "100%d %s %%\n");
  ZQfputs("line\n", stream);
  ZQfwrite("ab\0c", 1, 4, stream);
  ZQfputc('\x04', stream);
  std::string expected = "100%d %s %%\nline\n";
  expected += std::string("ab\0c", 4);
  expected += '\x04';
  EXPECT_EQ(main, expected);
  EXPECT_EQ(copy, expected);

  stream.mirror = nullptr;
  ZQfputs("only main", stream);
  EXPECT_EQ(copy, expected);
}

TEST(OutputFunctions, FileStreamWritesEverythingAndReportsFailure) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  {
    Stream s(fds[1], true, 16);
    const std::string big(100, 'x');
    ZQfputs("head", s);
    ZQfputs(big, s);
    ZQfputc('!', s);
    EXPECT_TRUE(s.Close());
  }
  std::string got;
  char buf[256];
  ssize_t n;
  while ((n = ::read(fds[0], buf, sizeof buf)) > 0) got.append(buf, static_cast<size_t>(n));
  ::close(fds[0]);
  EXPECT_EQ(got, "head" + std::string(100, 'x') + "!");

  Stream bad(-1, false, 16);
  ZQfputs("lost", bad);
  EXPECT_FALSE(bad.Close());
  EXPECT_TRUE(bad.failed());
}

}  // namespace

// --- a whole job: values from the command line and the ticket ----------------

std::string gTicketText;

void InjectionTicket(Job& job) {
  GetTicketStringConvertedToPrtLang(job, job.Key("CommentTicket"), job.options, &gTicketText, 255);
}

void InjectionPjl(Job& job) {
  static FmtTable rows(4);
  rows[0].format = "@PJL SET JOBATTR=\"@JOBN=%s\"%c";
  InitializeCmdParaTable(rows[0].para, {&job.StdDocumentName, &CTRLSym_LF});
  rows[1].format = "@PJL SET JOBATTR=\"@USER=%s\"%c";
  InitializeCmdParaTable(rows[1].para, {&job.StdJBAUserName, &CTRLSym_LF});
  rows[2].format = "@PJL SET JOBATTR=\"@NOTE=%s\"%c";
  InitializeCmdParaTable(rows[2].para, {&gTicketText, &CTRLSym_LF});
  rows[3].format = "@PJL SET JOBATTR=\"@HOST=%s\"%c";
  InitializeCmdParaTable(rows[3].para, {&job.StdUserName, &CTRLSym_LF});
  OutputEPJLCommandFromArray(job, rows);
}

const FilterModule kInjectionModule{"Injection", nullptr, InjectionTicket, InjectionPjl, nullptr};

TEST(Tables, HostileJobValuesNeverReachAPjlLineRaw) {
  EditionProfile profile = coretest::CoreProfile();
  profile.ticketOrder = {&kInjectionModule};
  profile.pjlOrder = {&kInjectionModule};
  zqtest::JobSpec spec;
  spec.user = "mallory\"\x1b%-12345X@PJL";
  spec.title = "Plan \"B\"\x1b\x07\x7f end";
  // CR, LF, ESC, NUL and a quote, escaped as the dialog writes them.
  spec.options = "com.tavelle.kvb.printsettings.CommentTicket=/110/13/10/64/80/74/76/27/34/0/88";
  const auto r = zqtest::RunInProcess(profile, spec);
  EXPECT_EQ(r.status, 0);
  const auto lines = zqtest::HeaderLines(r.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "@PJL JOB MODE=PRINTER\r\n");
  EXPECT_EQ(lines[1], "@PJL SET JOBATTR=\"@JOBN=Plan B end\"\n");
  EXPECT_EQ(lines[2], "@PJL SET JOBATTR=\"@USER=mallory%-12345X@PJL\"\n");
  EXPECT_EQ(lines[3], "@PJL SET JOBATTR=\"@NOTE=n@PJL\"\n");
  EXPECT_EQ(lines[4], "@PJL SET JOBATTR=\"@HOST=UnknownUser\"\n");
}
