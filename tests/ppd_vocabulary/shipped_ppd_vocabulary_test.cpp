// Every PPD we ship spells its choices the way the rules that read them by
// name do, and a choice titled "On" or "Off" sends the device what its
// title says. The names come from the rules' own tables; only the device
// lines of the titles are listed here.
#include <cups/ppd.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <set>
#include <string>
#include <utility>
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

using Choices = std::map<std::string, std::string>;  // option, choice

// A job of the PPD's printer with these choices marked: the print system
// hands them on as job options and, in decomposition mode, as the
// PostScript's feature sections.
zqtest::JobResult RunMarked(const std::filesystem::path& path, const Edition& edition, bool sections,
                            const Choices& choices) {
  zqtest::JobSpec spec;
  spec.ppdPath = path.string();
  for (const auto& [option, choice] : choices) {
    spec.options += option + "=" + choice + " ";
    if (sections) spec.postscript += "%%BeginFeature: *" + option + " " + choice + "\n%%EndFeature\n";
  }
  return zqtest::RunInProcess(*edition.profile, spec);
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
        const std::string choice = o->choices[i].choice;
        const zqtest::JobResult job = RunMarked(path, edition, sections, {{keyword, choice}});
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

// Options that a rule of the filter reads together: a PPD that offers the
// first (or the named choice of it) offers the second, or the device gets
// half a feature. A trailing "*" stands for every option so named.
struct ReadTogether {
  const char* option;
  const char* choice;  // nullptr: any
  const char* other;
  const char* rule;
};
const ReadTogether kReadTogether[] = {
    {"ZQSignature", nullptr, "ZQSigVol", "booklet type and division"},
    {"ZQSigVol", nullptr, "ZQSignature", "booklet type and division"},
    {"ZQPunch", nullptr, "ZQNumPunchHoles", "punch holes and location"},
    {"ZQNumPunchHoles", nullptr, "ZQPunch", "punch holes and location"},
    {"ZQTonerSaver", "UserInput", "ZQTonerReductionRate", "toner saver's typed rate"},
    {"ZQTonerReductionRate", nullptr, "ZQTonerSaver", "toner saver's typed rate"},
    {"ZQRGBCorrection", nullptr, "ZQRGBInputProfile", "colour processing's rendering intent"},
    {"ZQPBind*", nullptr, "ZQPBindPosition", "perfect binding, written only with a position"},
    {"ZQPBindCut*", nullptr, "ZQPBindTrimming", "perfect binding's cut, written only with trimming"},
};

bool Offers(ppd_file_t* ppd, const ReadTogether& row) {
  const std::string name = row.option;
  for (ppd_option_t* o = ppdFirstOption(ppd); o != nullptr; o = ppdNextOption(ppd)) {
    const std::string keyword = o->keyword;
    const bool named = name.back() == '*' ? keyword.rfind(name.substr(0, name.size() - 1), 0) == 0 : keyword == name;
    if (named && (row.choice == nullptr || ppdFindChoice(o, row.choice) != nullptr)) return true;
  }
  return false;
}

TEST(ShippedPpds, OfferTheOptionsThatARuleReadsTogether) {
  for (const auto& path : ShippedPpds()) {
    Ppd ppd(ppdOpenFile(path.c_str()));
    ASSERT_NE(ppd, nullptr) << path;
    for (const auto& row : kReadTogether) {
      if (!Offers(ppd.get(), row)) continue;
      EXPECT_NE(ppdFindOption(ppd.get(), row.other), nullptr)
          << path.filename() << ": " << row.option << (row.choice ? std::string(" ") + row.choice : "")
          << " without " << row.other << " [" << row.rule << "]";
    }
  }
}

// The device settings of a job's header: "@DIBB=LEFT" for a job attribute,
// "BOOKLETTYPE=TYPE[NOBOOKLET]" for a job-information field,
// "RENDERMODE=GRAYSCALE" for a PJL variable; each name with its values.
std::map<std::string, std::set<std::string>> DeviceSettings(const std::string& stream) {
  static const std::string kAttr = "@PJL SET JOBATTR=\"", kInfo = "@PJL COMMENT ZQJOBINFO ", kSet = "@PJL SET ";
  std::map<std::string, std::set<std::string>> settings;
  for (std::string line : zqtest::HeaderLines(stream)) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    std::string setting;
    for (const std::string* prefix : {&kAttr, &kInfo, &kSet}) {
      if (line.rfind(*prefix, 0) == 0) {
        setting = line.substr(prefix->size());
        break;
      }
    }
    if (!setting.empty() && setting.back() == '"') setting.pop_back();
    const size_t eq = setting.find('=');
    if (eq != std::string::npos) settings[setting.substr(0, eq)].insert(setting.substr(eq + 1));
  }
  return settings;
}

// Settings no device can follow together. "NAME=VALUE", "NAME=PREFIX*",
// "NAME" (any value) or "!NAME" (not set).
const std::vector<std::string> kContradictions[] = {
    {"BOOKLETTYPE=TYPE[NOBOOKLET]", "@DIBB=LEFT"},
    {"BOOKLETTYPE=TYPE[NOBOOKLET]", "@DIBB=RIGHT"},
    {"BOOKLETTYPE=TYPE[NOBOOKLET]", "@DIBK=NONEDIVIDE"},
    {"BOOKLETTYPE=TYPE[NOBOOKLET]", "@DIBK=MANUALDIVIDE"},
    {"BOOKLETTYPE=TYPE[NOBOOKLET]", "SADDLESTAPLE=ON"},
    {"BOOKLETTYPE=TYPE[NONEDIVIDE]", "@DIBK=MANUALDIVIDE"},
    {"BOOKLETTYPE=TYPE[NONEDIVIDE]", "@DIBK=OFF"},
    {"BOOKLETTYPE=TYPE[MANUALDIVIDE]*", "@DIBK=NONEDIVIDE"},
    {"BOOKLETTYPE=TYPE[MANUALDIVIDE]*", "@DIBK=OFF"},
    {"@DIBB=OFF", "@DIBK=NONEDIVIDE"},
    {"@DIBB=OFF", "@DIBK=MANUALDIVIDE"},
    {"PUNCH=OFF", "PUNCHEX"},
    // The advanced lines say where and with what holes a punch goes.
    {"VERSION=1.5.0", "PUNCH=ON", "!PUNCHEX"},
    {"STAPLE=OFF", "STAPLEEX"},
    {"COLORMODE=COLOR", "RENDERMODE=GRAYSCALE"},
    {"COLORMODE=GRAYSCALE", "RENDERMODE=COLOR"},
};

bool Holds(const std::map<std::string, std::set<std::string>>& settings, const std::string& pattern) {
  if (pattern[0] == '!') return settings.count(pattern.substr(1)) == 0;  // "!NAME": not set at all
  const size_t eq = pattern.find('=');
  const auto it = settings.find(pattern.substr(0, eq));
  if (it == settings.end()) return false;
  if (eq == std::string::npos) return true;
  const std::string value = pattern.substr(eq + 1);
  for (const auto& v : it->second) {
    if (value.back() == '*' ? v.rfind(value.substr(0, value.size() - 1), 0) == 0 : v == value) return true;
  }
  return false;
}

std::vector<std::string> Contradictions(const std::string& stream) {
  const auto settings = DeviceSettings(stream);
  std::vector<std::string> found;
  for (const auto& [name, values] : settings) {
    if (values.size() > 1) found.push_back(name + " set to " + std::to_string(values.size()) + " values");
  }
  for (const auto& together : kContradictions) {
    if (std::all_of(together.begin(), together.end(), [&](const std::string& p) { return Holds(settings, p); })) {
      std::string text;
      for (const auto& p : together) text += (text.empty() ? "" : " with ") + p;
      found.push_back(text);
    }
  }
  return found;
}

// Whether the PPD's constraints let a person choose these together.
bool Allowed(ppd_file_t* ppd, const Choices& choices) {
  ppdMarkDefaults(ppd);
  for (const auto& [option, choice] : choices) ppdMarkOption(ppd, option.c_str(), choice.c_str());
  const bool allowed = ppdConflicts(ppd) == 0;
  ppdMarkDefaults(ppd);
  return allowed;
}

// The job option of a choice; a typed value stands for a custom choice.
std::string OptionValue(const ppd_choice_t& c) { return std::string(c.choice) == "Custom" ? "Custom.25" : c.choice; }

// Every choice of every shipped PPD through the filter of its edition, once
// beside the PPD's defaults (the print system hands on every marked choice)
// and once alone (as `lp -o` gives it); the options of kReadTogether also in
// every pairing of their choices.
TEST(ShippedPpds, NoChoiceGivesTheDeviceContradictingLines) {
  int jobs = 0;
  for (const auto& path : ShippedPpds()) {
    Ppd ppd(ppdOpenFile(path.c_str()));
    ASSERT_NE(ppd, nullptr) << path;
    const Edition edition = EditionOf(ppd.get());
    const bool sections = edition.header && DecompositionMode(ppd.get());
    Choices defaults;
    std::vector<Choices> changes;
    for (ppd_option_t* o = ppdFirstOption(ppd.get()); o != nullptr; o = ppdNextOption(ppd.get())) {
      defaults[o->keyword] = o->defchoice;
      for (int i = 0; i < o->num_choices; ++i) {
        if (std::string(o->keyword) == "PageSize" && std::string(o->choices[i].choice) == "Custom") continue;
        changes.push_back({{o->keyword, OptionValue(o->choices[i])}});
      }
    }
    for (const auto& row : kReadTogether) {
      ppd_option_t* a = ppdFindOption(ppd.get(), row.option);
      ppd_option_t* b = ppdFindOption(ppd.get(), row.other);
      if (a == nullptr || b == nullptr) continue;
      for (int i = 0; i < a->num_choices; ++i) {
        for (int j = 0; j < b->num_choices; ++j) {
          changes.push_back({{a->keyword, OptionValue(a->choices[i])}, {b->keyword, OptionValue(b->choices[j])}});
        }
      }
    }
    for (const Choices& alone : changes) {
      Choices marked = defaults;
      for (const auto& [option, choice] : alone) marked[option] = choice;
      if (!Allowed(ppd.get(), marked)) continue;
      for (const Choices* choices : {&alone, &std::as_const(marked)}) {
        const zqtest::JobResult job = RunMarked(path, edition, sections, *choices);
        for (const auto& c : Contradictions(job.out)) {
          std::string asked;
          for (const auto& [option, choice] : alone) asked += " " + option + "=" + choice;
          ADD_FAILURE() << path.filename() << ": " << c << " for" << asked
                        << (choices == &alone ? " alone" : " beside the defaults") << "\n" << job.out;
        }
        ++jobs;
      }
    }
  }
  EXPECT_GT(jobs, 500);
}

// The PPD's text with the option's default set to choice, as lpadmin -o
// leaves a queue's copy.
std::string WithDefault(const std::string& ppd, const std::string& option, const std::string& choice) {
  std::istringstream in(ppd);
  std::string out;
  const std::string line = "*Default" + option + ": " + choice + "\n";
  bool set = false;
  for (std::string l; std::getline(in, l);) {
    if (l.rfind("*Default" + option + ":", 0) == 0) {
      out += line;
      set = true;
    } else {
      out += l + "\n";
    }
    if (!set && l.rfind("*OpenUI *" + option + "/", 0) == 0) {
      out += line;
      set = true;
    }
  }
  return out;
}

// A job stream with the lines that differ from one run to the next (the
// kv29 date and time comments) left out.
std::string Steady(const std::string& stream) {
  std::istringstream in(stream);
  std::string out;
  for (std::string l; std::getline(in, l);) {
    if (l.rfind("@PJL COMMENT DATE=", 0) != 0 && l.rfind("@PJL COMMENT TIME=", 0) != 0) out += l + "\n";
  }
  return out;
}

// A queue whose default is a choice prints a job that names nothing as a
// job naming that choice prints, for every choice of every shipped PPD:
// the filter reads what the job does not name at the PPD's default, as the
// scheduler marks the PPD.
TEST(ShippedPpds, AQueueDefaultReachesTheDeviceAsTheChoiceNamed) {
  int jobs = 0;
  for (const auto& path : ShippedPpds()) {
    std::ifstream file(path);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Ppd ppd(ppdOpenFile(path.c_str()));
    ASSERT_NE(ppd, nullptr) << path;
    const Edition edition = EditionOf(ppd.get());
    const bool sections = edition.header && DecompositionMode(ppd.get());
    ASSERT_FALSE(sections) << path.filename() << ": the scheduler's feature sections are not written here";
    for (ppd_option_t* o = ppdFirstOption(ppd.get()); o != nullptr; o = ppdNextOption(ppd.get())) {
      for (int i = 0; i < o->num_choices; ++i) {
        const std::string choice = o->choices[i].choice;
        if (choice == "Custom") continue;
        const zqtest::TempFile queue(WithDefault(text, o->keyword, choice), ".ppd");
        const zqtest::JobResult plain = RunMarked(queue.path(), edition, false, {});
        const zqtest::JobResult named = RunMarked(path, edition, false, {{o->keyword, choice}});
        EXPECT_EQ(Steady(plain.out), Steady(named.out)) << path.filename() << ": default " << o->keyword << " " << choice;
        EXPECT_EQ(plain.err, named.err) << path.filename() << ": default " << o->keyword << " " << choice;
        ++jobs;
      }
    }
  }
  EXPECT_GT(jobs, 200);
}

}  // namespace
