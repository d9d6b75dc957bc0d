// Every PPD we ship spells its choices the way the rules that read them by
// name do, and a choice titled "On" or "Off" sends the device what its
// title says. The names come from the rules' own tables; only the device
// lines of the titles are listed here.
#include <cups/ppd.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/choice_rules.h"
#include "editions/ark/ark_profile.h"
#include "editions/kv29/kv29_profile.h"
#include "editions/teld/teld_profile.h"
#include "filter_harness.h"
#include "mailbox_choice.h"
#include "paper_choice.h"
#include "print_type_tables.h"
#include "special_pages_ticket.h"

namespace {

struct PpdCloser {
  void operator()(ppd_file_t* p) const { ppdClose(p); }
};
using Ppd = std::unique_ptr<ppd_file_t, PpdCloser>;

std::vector<std::filesystem::path> ShippedPpds() {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(ZQ_SOURCE_DIR) + "/ppd")) {
    if (entry.path().extension() == ".ppd") paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

// The extensions' tables that map a choice to what the device gets: the
// special pages' job ticket and duplex lists, the Account extension's
// storage tables.
std::vector<zqf::ChoiceRule> ExtensionChoiceRules() {
  std::vector<std::string> duplex;
  for (const auto* table : {&zqsp::CoverPrintingDuplexChoices(), &zqsp::TwoSidePrintDuplexChoices()}) {
    for (const auto& row : *table) {
      for (const auto& c : row) {
        if (c != "NULL") duplex.push_back(c);  // "NULL" stands for "No Change", not a choice
      }
    }
  }
  std::vector<std::string> storage;
  for (const auto& row : zqacct::Storage_Device_ConstrainInfoArray) storage.emplace_back(row.choice);
  for (const auto& row : zqacct::External_Memory_ConstrainInfoArray) storage.emplace_back(row.choice);
  return {
      {"MediaType", "special-pages job ticket", zqf::OneOf(zqsp::JTIFMediaTypeChoices())},
      {"ZQMediaColor", "special-pages job ticket", zqf::OneOf(zqsp::JTIFMediaColorChoices())},
      {"PageSize", "special-pages job ticket", zqf::OneOf(zqsp::JTIFPageSizeChoices())},
      {"Duplex", "special-pages sides", zqf::OneOf(duplex)},
      {"ZQHardDisk", "print types by storage", zqf::OneOf(storage)},
  };
}

struct Edition {
  const zqf::EditionProfile* profile;
  bool header;  // writes the job header's rules (toner saver, job information)
};

// The edition whose filter the PPD names.
Edition EditionOf(ppd_file_t* ppd) {
  const std::string filter = ppd->num_filters > 0 ? ppd->filters[0] : "";
  if (filter.find("teld-job-filter") != std::string::npos) return {&zqf::TeldProfile(), true};
  if (filter.find("ark-job-filter") != std::string::npos) return {&zqf::ArkProfile(), true};
  return {&zqf::Kv29Profile(), false};
}

bool DecompositionMode(ppd_file_t* ppd) {
  ppd_attr_t* a = ppdFindAttr(ppd, "ZQPSDecompMode", nullptr);
  return a != nullptr && a->value != nullptr && std::string(a->value) == "1";
}

TEST(ShippedPpds, SpeakTheChoiceNamesOfTheRulesThatReadThem) {
  std::multimap<std::string, zqf::ChoiceRule> rules;
  for (auto& r : zqf::FilterChoiceRules()) rules.emplace(r.option, r);
  for (auto& r : ExtensionChoiceRules()) rules.emplace(r.option, r);

  int checked = 0;
  for (const auto& path : ShippedPpds()) {
    Ppd ppd(ppdOpenFile(path.c_str()));
    ASSERT_NE(ppd, nullptr) << path;
    // The image options print a mailbox job with the output mode the PPD names.
    auto own = rules;
    if (ppd_attr_t* mailbox = ppdFindAttr(ppd.get(), "ZQXMailBoxSettings", nullptr)) {
      const std::string choice = zqimg::MailboxOutputModeChoice(mailbox->value);
      own.emplace("ZQOutputMode",
                  zqf::ChoiceRule{"ZQOutputMode", "mailbox output mode", zqf::OneOf(std::vector<std::string>{choice})});
    }
    for (ppd_option_t* o = ppdFirstOption(ppd.get()); o != nullptr; o = ppdNextOption(ppd.get())) {
      const auto [first, last] = own.equal_range(o->keyword);
      if (first == last) continue;
      for (int i = 0; i < o->num_choices; ++i) {
        const std::string choice = o->choices[i].choice;
        // The custom choice of a typed value is no name.
        if (choice == "Custom" && std::string(o->keyword) != "PageSize") continue;
        bool known = false;
        std::string readers;
        for (auto it = first; it != last; ++it) {
          known = known || it->second.knows(choice);
          readers += " [" + it->second.reader + "]";
        }
        // "None" asks for no feature: a rule without a name for it sends nothing.
        known = known || choice == "None";
        EXPECT_TRUE(known) << path.filename() << ": " << o->keyword << " " << choice << " is known to none of"
                           << readers;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 100);
}

// What the device is told for a choice titled "On" or "Off", by the rules
// that write it into the job header or turn the PostScript's feature
// section into PJL. A line that starts with "!" must not be written.
struct TitleLine {
  const char* option;
  const char* title;
  const char* line;
};
const TitleLine kTitleLines[] = {
    {"ZQTonerSaver", "On", "@PJL SET ECONOMODE=ON"},
    {"ZQTonerSaver", "Off", "@PJL SET ECONOMODE=OFF"},
    {"ZQPunch", "On", "@PJL COMMENT ZQJOBINFO PUNCH=ON"},
    {"ZQPunch", "Off", "@PJL COMMENT ZQJOBINFO PUNCH=OFF"},
    {"ZQStaple", "On", "@PJL COMMENT ZQJOBINFO STAPLE=ON"},
    {"ZQStaple", "Off", "@PJL COMMENT ZQJOBINFO STAPLE=OFF"},
    {"ZQSignature", "Off", "@PJL COMMENT ZQJOBINFO BOOKLETTYPE=TYPE[NOBOOKLET]"},
    {"ZQNumPunchHoles", "Off", "!@PJL COMMENT ZQJOBINFO PUNCHEX"},
    {"ZQBannerSheet", "Off", "@PJL SET JOBATTR=\"@BANR=OFF\""},
    {"ZQSaveBlankSheet", "On", "@PJL SET JOBATTR=\"@SBKP=ON\""},
    {"ZQSaveBlankSheet", "Off", "@PJL SET JOBATTR=\"@SBKP=OFF\""},
    {"ZQSetTrapMode", "On", "@PJL SET JOBATTR=\"@TRAP=ON\""},
    {"ZQSetTrapMode", "Off", "@PJL SET JOBATTR=\"@TRAP=OFF\""},
    {"Smoothing", "On", "@PJL SET RET=ON"},
    {"Smoothing", "Off", "@PJL SET RET=OFF"},
    {"ZQRGBGammaCorrection", "Off", "@PJL SET JOBATTR=\"@RGBG=0\""},
};

TEST(ShippedPpds, ChoicesTitledOnOrOffSendWhatTheirTitleSays) {
  std::set<std::string> headerOptions, sectionOptions;
  for (const auto& r : zqf::CommentChoiceRules()) headerOptions.insert(r.option);
  for (const auto& r : zqf::PBindChoiceRules()) headerOptions.insert(r.option);
  for (const auto& r : zqf::DecompositionChoiceRules()) sectionOptions.insert(r.option);

  int checked = 0;
  for (const auto& path : ShippedPpds()) {
    Ppd ppd(ppdOpenFile(path.c_str()));
    ASSERT_NE(ppd, nullptr) << path;
    const Edition edition = EditionOf(ppd.get());
    const bool sections = edition.header && DecompositionMode(ppd.get());
    for (ppd_option_t* o = ppdFirstOption(ppd.get()); o != nullptr; o = ppdNextOption(ppd.get())) {
      const std::string keyword = o->keyword;
      const bool read = (edition.header && headerOptions.count(keyword) > 0) ||
                        (sections && sectionOptions.count(keyword) > 0);
      if (!read) continue;
      for (int i = 0; i < o->num_choices; ++i) {
        const std::string title = o->choices[i].text;
        if (title != "On" && title != "Off") continue;
        const TitleLine* expected = nullptr;
        for (const auto& t : kTitleLines) {
          if (keyword == t.option && title == t.title) expected = &t;
        }
        ASSERT_NE(expected, nullptr) << path.filename() << ": no device line listed for " << keyword << " titled "
                                     << title;
        // The print system hands the marked choice on as a job option and,
        // in decomposition mode, as the PostScript's feature section.
        const std::string choice = o->choices[i].choice;
        zqtest::JobSpec spec;
        spec.ppdPath = path.string();
        spec.options = keyword + "=" + choice;
        if (sections) spec.postscript = "%!PS\n%%BeginFeature: *" + keyword + " " + choice + "\n%%EndFeature\n";
        const zqtest::JobResult job = zqtest::RunInProcess(*edition.profile, spec);
        const std::string line = expected->line;
        const std::string what = path.filename().string() + ": " + keyword + "=" + choice + " (" + title + ")";
        if (line[0] == '!') {
          EXPECT_EQ(job.out.find(line.substr(1)), std::string::npos) << what << "\n" << job.out;
        } else {
          EXPECT_NE(job.out.find(line + "\n"), std::string::npos) << what << " should give " << line << "\n" << job.out;
        }
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 3);
}

}  // namespace
