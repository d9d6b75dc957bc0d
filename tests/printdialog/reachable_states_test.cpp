// The dialog reaches only states a person can make, through the shipped
// bundles: picking the pane already shown changes nothing, a control of a
// panel that is focused but not shown cannot be reached, and the picture
// copies that every ticket write makes do not pile up in the temporary
// folder while the printed one stays for the job.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>

#include "shipped_dialog.h"

namespace {

std::string SourcePPD(const std::string& name) { return zqtest::Slurp(ZQ_SOURCE_DIR "/ppd/" + name); }

// The value a "key=value" line of the text gives the key (the last such
// line), "<none>" without one.
std::string ValueIn(const std::string& text, const std::string& key) {
  const size_t at = ("\n" + text).rfind("\n" + key + "=");
  if (at == std::string::npos) return "<none>";
  const size_t begin = at + key.size() + 1;
  return text.substr(begin, text.find('\n', begin) - begin);
}

// A path as the ticket carries it: "/" and the code of every byte.
std::string Escaped(const std::string& path) {
  std::string escaped;
  for (unsigned char c : path) escaped += "/" + std::to_string(c);
  return escaped;
}

class ReachableStates : public ::testing::Test {
 protected:
  zqtest::ShippedDialog dialog_;
};

TEST_F(ReachableStates, ShowingThePanelShownAgainKeepsWhatWasSet) {
  const std::string ns = "com.tavelle.m.pellora.printsettings.";
  const zqtest::DialogResult r = dialog_.Run(SourcePPD("zq-teld-sample.ppd"),
                                             "panel com.tavelle.o.pellora.pde.JobAccount\nshow\nclick #settings\n"
                                             "type #userGroup Sales\nselect #userOwner 1\ntype #userName hanako\n"
                                             "click #userOK\nshow\nsummary\nprint\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find(" | Group ID: Sales\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(" | Job Owner: Specified Name\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(" | User ID: hanako\n"), std::string::npos) << r.err;
  EXPECT_EQ(ValueIn(r.out, ns + "JBAGroupIDTextEditTicket"), "Sales");
  EXPECT_EQ(ValueIn(r.out, ns + "JBAUserIDListCtrlTicket"), "2");
  EXPECT_EQ(ValueIn(r.out, ns + "JBAUserIDTextEditTicket"), "hanako");
}

TEST_F(ReachableStates, OnlyThePanelShownCanBeActedOn) {
  const std::string ppd = SourcePPD("zq-ark-features.ppd");
  const std::string features = "panel com.tavelle.r15.pde.PrintFeaturesKind\n";
  const struct {
    const char* what;
    std::string script;
    const char* message;
  } refused[] = {
      {"a pick on a panel only focused", features + "select #ZQStaple \"Top Left\"\nsummary\n",
       "line 2: panel Printer Features is not shown (use: show)"},
      {"its help button", features + "help\n", "line 2: panel Printer Features is not shown"},
      {"a click after the panel was hidden", features + "show\nhide\nclick #ZQTabMarginShiftEx\n",
       "line 4: panel Printer Features is not shown"},
      {"hide of a panel not shown", features + "hide\n", "line 2: panel Printer Features is not shown"},
      {"hide with no panel focused", "hide\n", "line 1: no panel is focused"},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.what);
    const zqtest::DialogResult r = dialog_.Run(ppd, c.script);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("summary: "), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
  // Shown, the same pick reaches the summary and the printer alike.
  const zqtest::DialogResult shown =
      dialog_.Run(ppd, features + "show\nselect #ZQStaple \"Top Left\"\nsummary\nprint\nppd\n");
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_NE(shown.err.find(": Top Left\n"), std::string::npos) << shown.err;
  EXPECT_TRUE(shown.has("ppd: ZQStaple=UpperLeftSingle")) << shown.err;
}

TEST_F(ReachableStates, PictureCopiesTheDialogReplacedAreRemovedThePrintedOneStays) {
  const std::string ns = "com.tavelle.kvb.printsettings.";
  // A stale ticket names a file of an earlier dialog: it is not this one's to remove.
  const zqpde::test::TempDir earlier;
  const std::string stale = earlier.Write("earlier-copy", "BM");
  const zqtest::DialogResult r = dialog_.Run(
      SourcePPD("zq-teld-sample.ppd"),
      "panel com.tavelle.teld15.pde.WaterMarkKind\nshow\nclick 1006\ntype 2000 Logo\nclick 1005\n"
      "choose-file " ZQ_SOURCE_DIR "/samples/watermark-logo.png\nclick 1007\nclick 1030\n"
      "summary\nsummary\nsummary\nprint\nticket\nsummary\n",
      ns + "WMARKFilePathTicket=" + Escaped(stale) + "\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(stale));
  const std::string printed = ValueIn(r.err, "ticket: " + ns + "WMARKFilePathTicket");
  const std::string last = ValueIn(r.out, ns + "WMARKFilePathTicket");
  ASSERT_NE(printed, "<none>") << r.err;
  ASSERT_NE(last, "<none>") << r.out;
  EXPECT_NE(printed, last);
  // Five ticket writes before the print's ticket, one after: the copy each
  // replaced is gone, the one the job reads and the one the ticket names stay.
  std::set<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dialog_.LastTemporaryFolder())) {
    left.insert(Escaped(entry.path().string()));
    struct stat st {};
    ASSERT_EQ(stat(entry.path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u) << entry.path();
    EXPECT_EQ(entry.path().filename().string().size(), 12u) << entry.path();
  }
  EXPECT_EQ(left, (std::set<std::string>{printed, last}));
}

}  // namespace
