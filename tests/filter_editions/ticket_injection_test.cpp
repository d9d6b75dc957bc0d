// No ticket value can add a command to the job stream. The keys are not
// listed here: each edition's run reports every key it looks up, values
// that switch a feature on are found by trial so the keys behind them are
// read too, and then every key is given a value that tries to start a PJL
// line or to leave PostScript for PJL.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "edition_support.h"

namespace {

using Ticket = std::map<std::string, std::string>;

struct Run {
  std::string out;
  std::set<std::string> keys;
  // What the run read and wrote: the keys, and the beginnings of the lines
  // of the job stream (up to an "=" or a space after the first word).
  std::set<std::string> reach;
};

std::set<std::string> LineHeads(const std::string& stream) {
  std::set<std::string> heads;
  size_t start = 0;
  while (start < stream.size()) {
    size_t stop = stream.find_first_of("\r\n", start);
    if (stop == std::string::npos) stop = stream.size();
    const std::string line = stream.substr(start, stop - start);
    heads.insert(line.substr(0, std::min(line.find('='), line.find(' ', line.find(' ') + 1))));
    start = stop + 1;
  }
  return heads;
}

// A record family walked by prefix is reached through its first record.
std::string Concrete(const std::string& key) {
  return !key.empty() && key.back() == '*' ? key.substr(0, key.size() - 1) + "0" : key;
}

Run RunWith(const zqf::EditionProfile& profile, const Ticket& ticket, const std::string& ppd) {
  std::vector<std::string> recorded;
  zqf::Options::RecordKeys(&recorded);
  zqtest::JobSpec spec;
  spec.options = edtest::Ticket({ticket.begin(), ticket.end()});
  spec.ppdPath = ppd;
  spec.postscript = zqtest::SamplePostScript(2);
  Run run{zqtest::RunInProcess(profile, spec).out, {}, {}};
  zqf::Options::RecordKeys(nullptr);
  for (const auto& k : recorded) run.keys.insert(Concrete(k));
  run.reach = LineHeads(run.out);
  run.reach.insert(run.keys.begin(), run.keys.end());
  return run;
}

// Grows the ticket one key at a time with a value that makes the filter
// read a key or write a kind of line it did not before, until no such
// value is left: the values swept next then reach the job stream.
Ticket Enabling(const zqf::EditionProfile& profile, const std::string& ppd, std::set<std::string>& keys) {
  static const std::vector<std::string> kTrials = {"1", "2", "3", "4", "5", "0", "True", "On", "a,1,1,1,1,1"};
  // Every key filled first: many lines want a switch and a text at once.
  Ticket ticket;
  for (const std::string& key : RunWith(profile, ticket, ppd).keys) ticket[key] = "1";
  const Run first = RunWith(profile, ticket, ppd);
  keys = first.keys;
  std::set<std::string> reach = first.reach;
  std::set<std::string> tried;
  for (bool grew = true; grew;) {
    grew = false;
    for (const std::string& key : std::set<std::string>(keys)) {
      if (!tried.insert(key).second) continue;
      for (const std::string& value : kTrials) {
        Ticket trial = ticket;
        trial[key] = value;
        const Run r = RunWith(profile, trial, ppd);
        if (std::includes(reach.begin(), reach.end(), r.reach.begin(), r.reach.end())) continue;
        ticket = trial;
        keys.insert(r.keys.begin(), r.keys.end());
        reach.insert(r.reach.begin(), r.reach.end());
        grew = true;
        break;
      }
    }
  }
  return ticket;
}

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// Lines, split at CR and at LF, that begin with the planted command.
size_t PlantedLines(const std::string& stream) {
  size_t n = 0;
  size_t start = 0;
  while (start <= stream.size()) {
    size_t stop = stream.find_first_of("\r\n", start);
    if (stop == std::string::npos) stop = stream.size();
    if (stream.compare(start, 12, "@PJL SET X=1") == 0) ++n;
    start = stop + 1;
  }
  return n;
}

// The dialog writes text escaped as "/<code>" per byte; the filter
// decodes it, so the planted bytes may come either way.
std::string Escaped(const std::string& text) {
  std::string out;
  for (unsigned char c : text) out += "/" + std::to_string(c);
  return out;
}

const std::string kLine = "\r\n@PJL SET X=1";
const std::string kUel = "\x1b%-12345X@PJL SET X=1\n";

// One case per edition and printer encoding, so the cases run side by side.
struct InjectionCase {
  const zqf::EditionProfile& (*profile)();
  const char* encoding;
};

void PrintTo(const InjectionCase& c, std::ostream* os) { *os << c.profile().name << " " << c.encoding; }

class TicketInjection : public testing::TestWithParam<InjectionCase> {};

TEST_P(TicketInjection, NoValueOfAnyKeyAddsAPjlLine) {
  // Whole values, and values as the later fields of a comma-separated record.
  const std::vector<std::string> hostile = {kLine, kUel, Escaped(kLine), Escaped(kUel), "0,0," + kLine,
                                            "0," + kUel};
  const char* encoding = GetParam().encoding;
  const std::string ppd = edtest::Ppd(encoding);
  const zqf::EditionProfile* p = &GetParam().profile();
  std::set<std::string> keys;
  // The tickets the values are planted in: the one found by trial, and
  // every key at one small number (print types, modes and lists).
  std::vector<Ticket> bases = {Enabling(*p, ppd, keys)};
  for (const char* n : {"1", "2", "3", "4", "5"}) {
    Ticket uniform;
    for (const std::string& key : keys) uniform[key] = n;
    bases.push_back(uniform);
  }
  // The trial must have reached the features whose values are written.
  EXPECT_GT(keys.size(), 60u) << p->name;
  for (const Ticket& base : bases) {
    const size_t uels = Count(RunWith(*p, base, ppd).out, "\x1b%-12345X");
    for (const std::string& key : keys) {
      for (const std::string& value : hostile) {
        Ticket ticket = base;
        ticket[key] = value;
        const std::string out = RunWith(*p, ticket, ppd).out;
        EXPECT_EQ(PlantedLines(out), 0u) << p->name << " " << encoding << " " << key;
        EXPECT_EQ(Count(out, "\x1b%-12345X"), uels) << p->name << " " << encoding << " " << key;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Editions, TicketInjection,
                         testing::Values(InjectionCase{&zqf::TeldProfile, "UTF-8"},
                                         InjectionCase{&zqf::ArkProfile, "UTF-8"},
                                         InjectionCase{&zqf::Kv29Profile, "UTF-8"},
                                         InjectionCase{&zqf::TeldProfile, "ISOLatin1"},
                                         InjectionCase{&zqf::ArkProfile, "ISOLatin1"},
                                         InjectionCase{&zqf::Kv29Profile, "ISOLatin1"}),
                         [](const testing::TestParamInfo<InjectionCase>& info) {
                           std::string name = std::string(info.param.profile().name) + "_" + info.param.encoding;
                           name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                           return name;
                         });

}  // namespace
