// The script commands that act on the dialog's state rather than on a
// control: the ticket, the PPD marks, the page format, the clock and help.
// New commands go into the table below, each with its usage line, so that
// `commands` and --help list them all.
#include <cups/ppd.h>

#include <ctime>
#include <functional>
#include <ostream>
#include <sstream>

#include "dialog.h"
#include "zqp/ppd.h"
#include "zqp/system.h"
#include "zqp/window.h"

namespace printdialog {

namespace {

struct Command {
  const char* name;
  const char* usage;
  // Number of words after the command, -1 for any.
  int words;
};

// Every command, those handled in dialog.cpp included, in the order the
// list shows them.
constexpr Command kCommands[] = {
    {"panel", "panel NAME-OR-KIND        focus a panel (built and restored the first time)", -1},
    {"show", "show                      show the focused panel, hiding the one shown", 0},
    {"hide", "hide                      hide the focused panel", 0},
    {"restore", "restore                   restore the focused panel again", 0},
    {"click", "click TAG                 click a button", 1},
    {"select", "select TAG INDEX|\"TITLE\"|\"SUB/ITEM\"|ROWS  pop-up item, submenu item, table rows (1,3-4) or tab", 2},
    {"open", "open TAG ROW              double-click a table row", 2},
    {"type", "type TAG TEXT             type into a field (\"\" empties it)", -1},
    {"step", "step TAG up|down [N]      press a stepper", -1},
    {"slide", "slide TAG VALUE           move a slider", 1},
    {"time", "time TAG HH:MM            set a date picker's time", 1},
    {"color", "color TAG R G B A         choose a colour", 4},
    {"answer", "answer N [TEXT]           the button the next alert is answered with (TEXT typed in its field)", -1},
    {"choose-file", "choose-file PATH|cancel   the file the next file chooser returns, or its Cancel", 1},
    {"set", "set KEY VALUE|[a,b]       change a ticket entry as another panel would", -1},
    {"unset", "unset KEY                 remove a ticket entry", 1},
    {"mark", "mark OPTION CHOICE        mark a PPD choice as another panel would", 2},
    {"refuse", "refuse OPTION             refuse the panels' marks of the option from now on", 1},
    {"ppd", "ppd                       print the marked choices", 0},
    {"conflicts", "conflicts                 print marked choices the PPD's constraints forbid", 0},
    {"orientation", "orientation portrait|landscape|reverse-portrait|reverse-landscape", 1},
    {"clock", "clock YYYY-MM-DD HH:MM     the local time the panels are told", 2},
    {"help", "help                      press the focused panel's help button", 0},
    {"save", "save                      save every restored panel (a preset)", 0},
    {"print", "print                     the print gates, then the saves", 0},
    {"summary", "summary                   print every panel's summary", 0},
    {"ticket", "ticket                    print the ticket as it is now", 0},
    {"key", "key TAG tab|backtab|return|escape  a key pressed in a control", 2},
    {"focus", "focus TAG                 move the keyboard focus to a control", 1},
    {"dump", "dump TAG                  print a control's state", 1},
    {"dump-tree", "dump-tree                 print every view of the window or panel", 0},
    {"snapshot", "snapshot TAG|window FILE.png  draw a view or the front window into a PNG", 2},
    {"pixel", "pixel TAG X Y             print the RGBA of a view's pixel (view coordinates)", 3},
    {"commands", "commands                  this list", 0},
};

const Command* FindCommand(const std::string& name) {
  for (const auto& c : kCommands) {
    if (name == c.name) return &c;
  }
  return nullptr;
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

std::string CommandList() {
  std::string s;
  for (const auto& c : kCommands) s += std::string("  ") + c.usage + "\n";
  s += "A TAG is a view's tag number, #identifier or @\"label\".\n";
  return s;
}

bool ParseClockOption(const std::string& text, std::time_t& out) {
  const size_t sp = text.find(' ');
  if (sp == std::string::npos) return false;
  out = ParseClock(text.substr(0, sp), text.substr(sp + 1));
  return out != -1;
}

// In a window the view becomes first responder (which ends an edit in the
// field left); a panel's view has no window and only the transcript moves.
void Dialog::Focus(zqp::View* v) {
  if (zqp::Window* win = v->window()) win->makeFirstResponder(v);
  out_ << "focus: " << v->describe() << "\n";
}

bool Dialog::ExecuteMore(const std::vector<std::string>& w, const std::string& line) {
  const std::string& cmd = w[0];
  const Command* c = FindCommand(cmd);
  if (c == nullptr) return false;
  if (c->words >= 0 && w.size() != static_cast<size_t>(c->words) + 1) {
    throw ScriptError{std::string("usage: ") + c->usage};
  }
  zqp::PrintSettings& settings = host_.settings();
  ppd_file_t* ppd = host_.ppdFile();
  if (cmd == "set") {
    if (w.size() < 3) throw ScriptError{std::string("usage: ") + c->usage};
    // The value is the rest of the line (or one quoted word), like `type`.
    std::string value = line.substr(line.find(w[1]) + w[1].size());
    const size_t start = value.find_first_not_of(" \t");
    value = start == std::string::npos ? std::string() : value.substr(start);
    if (value.size() >= 2 && value.front() == '"') value = SplitWords(value).at(0);
    // Read as a line of the --settings file, so both take lists alike.
    std::string why;
    if (settings.IsLocked(w[1])) {
      out_ << "ignored: " << w[1] << " is locked\n";
    } else if (w[1][0] == '#' || !settings.ParseLines(w[1] + "=" + value, &why)) {
      throw ScriptError{"cannot set " + w[1] + (why.empty() ? "" : ": " + why)};
    }
  } else if (cmd == "unset") {
    if (settings.Has(w[1]) && settings.Remove(w[1]) != zqp::kNoErr) out_ << "ignored: " << w[1] << " is locked\n";
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
          out_ << cmd << ": " << opt->keyword << "=" << marked << "\n";
          ++shown;
        }
      }
    }
    if (shown == 0) out_ << cmd << ": none\n";
  } else if (cmd == "restore") {
    Restore(Focused(), true);
  } else if (cmd == "ticket") {
    std::istringstream in(settings.ToLines());
    std::string l;
    bool any = false;
    while (std::getline(in, l)) {
      out_ << "ticket: " << l << "\n";
      any = true;
    }
    if (!any) out_ << "ticket: empty\n";
  } else if (cmd == "orientation") {
    zqp::Orientation o;
    if (!ParseOrientation(w[1], o)) throw ScriptError{std::string("usage: ") + c->usage};
    host_.session().pageFormat().SetOrientation(o);
  } else if (cmd == "clock") {
    const std::time_t t = ParseClock(w[1], w[2]);
    if (t == -1) throw ScriptError{"not a date and time YYYY-MM-DD HH:MM: " + w[1] + " " + w[2]};
    zqp::SetClockForTesting([t] { return t; });
    clockSet_ = true;
  } else if (cmd == "help") {
    LoadedPanel& p = Focused();
    // A panel that opens its own page says so by returning false; the
    // page it opened is in the transcript as a help event.
    if (p.panel->shouldShowHelp()) out_ << "help: " << p.name << " opens no page of its own\n";
  } else if (cmd == "focus") {
    zqp::View* v = ViewForTag(w[1]);
    if (Actionable(v, w[1])) Focus(v);
  } else if (cmd == "key") {
    zqp::View* v = ViewForTag(w[1]);
    if (w[2] != "tab" && w[2] != "backtab" && w[2] != "return" && w[2] != "escape") {
      throw ScriptError{std::string("usage: ") + c->usage};
    }
    if (!Actionable(v, w[1])) return true;
    if (w[2] == "tab" || w[2] == "backtab") {
      zqp::View* to = w[2] == "tab" ? v->nextValidKeyView() : v->previousValidKeyView();
      if (to == nullptr) {
        out_ << "key: " << w[1] << " " << w[2] << " leads nowhere\n";
      } else {
        Focus(to);
      }
      return true;
    }
    // Return and Escape first end an edit in progress, as leaving the
    // field would, then press the default or cancel button.
    if (v->kind() == zqp::ViewKind::kTextField) {
      auto* f = static_cast<zqp::TextField*>(v);
      if (f->isEditing()) f->endEditing();
    }
    std::string where;
    zqp::View* root = Root(where);
    zqp::Button* b = root ? zqp::ButtonWithKeyEquivalent(*root, w[2] == "return" ? "\r" : "\x1b") : nullptr;
    if (b == nullptr) {
      out_ << "key: " << w[2] << " presses no button in " << where << "\n";
    } else {
      out_ << "key: " << w[2] << " presses \"" << b->title() << "\"\n";
      b->performClick();
    }
  } else if (cmd == "commands") {
    out_ << CommandList();
  } else {
    return false;
  }
  return true;
}

}  // namespace printdialog
