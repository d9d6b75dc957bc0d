// The script commands of the dialog's own: those that act on its state
// rather than on a control (the ticket, the PPD marks, the page format, the
// clock). New commands go into the table below, each with its usage line, so
// that `commands` and --help list them all.
#include <cups/ppd.h>

#include <ctime>
#include <ostream>
#include <sstream>

#include "dialog.h"
#include "zqp/ppd.h"
#include "zqp/system.h"
#include "zqp/window.h"

namespace printdialog {

using zqp::ScriptError;

namespace {

// The dialog's commands among the runner's: the panel commands lead the
// list, the dialog's state (ticket, PPD marks, page format, clock) and the
// panel's buttons come before the keys.
const zqp::ScriptCommands& DialogCommands() {
  static const zqp::ScriptCommands table = [] {
    zqp::ScriptCommands t = zqp::ScriptRunner::Commands();
    zqp::InsertScriptCommands(t, "click", {
        {"panel", "panel NAME-OR-KIND        focus a panel (built and restored the first time)", -1},
        {"show", "show                      show the focused panel, leaving (saving) the one shown", -1},
        {"hide", "hide                      hide the shown panel, saving it", -1},
        {"restore", "restore                   restore the focused panel again", 0},
    });
    zqp::InsertScriptCommands(t, "key", {
        {"set", "set KEY VALUE|[a,b]       change a ticket entry as another panel would", -1},
        {"unset", "unset KEY                 remove a ticket entry", 1},
        {"mark", "mark OPTION CHOICE        mark a PPD choice as another panel would", 2},
        {"refuse", "refuse OPTION[=CHOICE]    refuse the panels' marks of the option (or of one choice) from now on", 1},
        {"ppd", "ppd                       print the marked choices", 0},
        {"conflicts", "conflicts                 print marked choices the PPD's constraints forbid", 0},
        {"orientation", "orientation portrait|landscape|reverse-portrait|reverse-landscape", 1},
        {"clock", "clock YYYY-MM-DD HH:MM     the local time the panels are told", 2},
        {"help", "help                      press the shown panel's help button", 0},
        {"save", "save                      save every restored panel (a preset)", -1},
        {"print", "print                     the print gates, then the saves", -1},
        {"summary", "summary                   print every panel's summary (the shown one saved first)", -1},
        {"ticket", "ticket                    print the ticket as it is now", 0},
    });
    return t;
  }();
  return table;
}

// Local time; -1 when the text is no valid date and time.
std::time_t ParseClock(const std::string& date, const std::string& hm) {
  std::tm tm{};
  int y, mo, d, h, mi;
  char tail;
  if (std::sscanf(date.c_str(), "%4d-%2d-%2d%c", &y, &mo, &d, &tail) != 3) return -1;
  if (std::sscanf(hm.c_str(), "%2d:%2d%c", &h, &mi, &tail) != 2) return -1;
  if (y < 1970 || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59) return -1;
  tm.tm_year = y - 1900;
  tm.tm_mon = mo - 1;
  tm.tm_mday = d;
  tm.tm_hour = h;
  tm.tm_min = mi;
  tm.tm_isdst = -1;
  std::time_t t = std::mktime(&tm);
  // mktime moves 31 February on to March: such a date is refused.
  if (t == -1 || tm.tm_mday != d || tm.tm_mon != mo - 1) return -1;
  return t;
}

}  // namespace

bool ParseOrientation(const std::string& text, zqp::Orientation& out) {
  if (text == "portrait") out = zqp::Orientation::kPortrait;
  else if (text == "landscape") out = zqp::Orientation::kLandscape;
  else if (text == "reverse-portrait") out = zqp::Orientation::kReversePortrait;
  else if (text == "reverse-landscape") out = zqp::Orientation::kReverseLandscape;
  else return false;
  return true;
}

std::string CommandList() { return zqp::ScriptCommandList(DialogCommands()); }

const zqp::ScriptCommands& Dialog::commands() const { return DialogCommands(); }

bool ParseClockOption(const std::string& text, std::time_t& out) {
  const size_t sp = text.find(' ');
  if (sp == std::string::npos) return false;
  out = ParseClock(text.substr(0, sp), text.substr(sp + 1));
  return out != -1;
}

bool Dialog::RunStateCommand(const std::vector<std::string>& w, const std::string& line) {
  const std::string& cmd = w[0];
  zqp::PrintSettings& settings = host_.settings();
  ppd_file_t* ppd = host_.ppdFile();
  if (cmd == "set") {
    if (w.size() < 3) throw UsageError(cmd);
    // The value is the rest of the line (or one quoted word), like `type`.
    std::string value = line.substr(line.find(w[1]) + w[1].size());
    const size_t start = value.find_first_not_of(" \t");
    value = start == std::string::npos ? std::string() : value.substr(start);
    if (value.size() >= 2 && value.front() == '"') value = zqp::SplitWords(value).at(0);
    // Read as a line of the --settings file, so both take lists alike.
    std::string why;
    if (settings.IsLocked(w[1])) {
      out() << "ignored: " << w[1] << " is locked\n";
    } else if (w[1][0] == '#' || !settings.ParseLines(w[1] + "=" + value, &why)) {
      throw ScriptError{"cannot set " + w[1] + (why.empty() ? "" : ": " + why)};
    }
  } else if (cmd == "unset") {
    if (settings.Has(w[1]) && settings.Remove(w[1]) != zqp::kNoErr) out() << "ignored: " << w[1] << " is locked\n";
  } else if (cmd == "mark") {
    if (ppd == nullptr || ppdFindChoice(ppdFindOption(ppd, w[1].c_str()), w[2].c_str()) == nullptr) {
      throw ScriptError{"the PPD has no choice " + w[2] + " of " + w[1]};
    }
    // Another panel's mark: the host does not refuse it, but the panels
    // that show the option are told, as the dialog tells them.
    ppdMarkOption(ppd, w[1].c_str(), w[2].c_str());
    MarkChanged(w[1], w[2]);
  } else if (cmd == "refuse") {
    host_.refuse(w[1]);
  } else if (cmd == "ppd" || cmd == "conflicts") {
    const bool onlyConflicts = cmd == "conflicts";
    if (onlyConflicts && ppd) ppdConflicts(ppd);
    int shown = 0;
    for (int g = 0; ppd && g < ppd->num_groups; ++g) {
      std::vector<ppd_group_t*> groups{&ppd->groups[g]};
      for (int s = 0; s < ppd->groups[g].num_subgroups; ++s) groups.push_back(&ppd->groups[g].subgroups[s]);
      for (ppd_group_t* group : groups) {
        for (int o = 0; o < group->num_options; ++o) {
          ppd_option_t* opt = &group->options[o];
          if (onlyConflicts && !opt->conflicted) continue;
          const std::string marked = zqp::MarkedChoice(ppd, opt->keyword);
          if (marked.empty()) continue;
          out() << cmd << ": " << opt->keyword << "=" << marked << "\n";
          ++shown;
        }
      }
    }
    if (shown == 0) out() << cmd << ": none\n";
  } else if (cmd == "ticket") {
    std::istringstream in(settings.ToLines());
    std::string l;
    bool any = false;
    while (std::getline(in, l)) {
      out() << "ticket: " << l << "\n";
      any = true;
    }
    if (!any) out() << "ticket: empty\n";
  } else if (cmd == "orientation") {
    zqp::Orientation o;
    if (!ParseOrientation(w[1], o)) throw UsageError(cmd);
    host_.session().pageFormat().SetOrientation(o);
  } else if (cmd == "clock") {
    const std::time_t t = ParseClock(w[1], w[2]);
    if (t == -1) throw ScriptError{"not a date and time YYYY-MM-DD HH:MM: " + w[1] + " " + w[2]};
    zqp::SetClockForTesting([t] { return t; });
    clockSet_ = true;
  } else {
    return false;
  }
  return true;
}

}  // namespace printdialog
