#include "dialog.h"

#include <cctype>
#include <exception>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>

#include "zqp/bundle.h"
#include "zqp/events.h"
#include "zqp/snapshot.h"
#include "zqp/system.h"

namespace printdialog {

using zqp::ScriptError;

namespace {

// The runner's commands that act on a control as a person would; the
// others only read what is there (dump, snapshot, pixel) or queue answers.
bool IsControlAction(const std::string& cmd) {
  static const std::set<std::string> actions{"click", "select", "open",  "type", "step",
                                             "slide", "time",   "color", "key",  "focus"};
  return actions.count(cmd) != 0;
}

}  // namespace

Dialog::Dialog(zqp::Host& host, std::ostream& out) : ScriptRunner(out), host_(host) {
  // Another panel's change of a PPD option reaches the panels that show it.
  host_.setMarkListener([this](const std::string& option, const std::string& choice) { MarkChanged(option, choice); });
}

void Dialog::MarkChanged(const std::string& option, const std::string& choice) {
  if (option == "PageSize") FollowPageSize();
  for (auto& p : panels_) {
    if (!p.restored) continue;
    for (const auto& k : p.keys) {
      if (k == option) {
        p.panel->PPDOptionKeyValueDidChange(option, choice);
        break;
      }
    }
  }
}

Dialog::~Dialog() {
  host_.setMarkListener({});
  if (clockSet_) zqp::SetClockForTesting({});
  // Panels before the principal objects that made them.
  panels_.clear();
  plugins_.clear();
}

void Dialog::LoadBundles(const std::string& dir, std::ostream& err) {
  std::vector<std::string> errors;
  for (zqp::Bundle* b : zqp::Bundle::OpenAll(dir, &errors)) {
    std::string why;
    std::unique_ptr<zqp::PlugIn> plugin;
    std::vector<std::unique_ptr<zqp::Panel>> made;
    try {
      plugin = b->loadPlugIn(&why);
      if (plugin) made = plugin->PDEPanelsForType(zqp::kPrintDialogPanelType, &host_);
    } catch (const std::exception& e) {
      why = "bundle " + b->identifier() + " failed: " + e.what();
      made.clear();
      plugin.reset();
    }
    if (!plugin) {
      errors.push_back(why);
      continue;
    }
    for (auto& panel : made) {
      if (panel) AddPanel(std::move(panel));
    }
    plugins_.push_back(std::move(plugin));
  }
  for (const auto& e : errors) err << "printdialog: " << e << "\n";
}

void Dialog::AddPanel(std::unique_ptr<zqp::Panel> panel) {
  LoadedPanel lp;
  lp.name = panel->panelName();
  lp.kind = panel->panelKind();
  lp.panel = std::move(panel);
  zqp::EventLog::Shared().Record(zqp::EventKind::kPanel, lp.name + " " + lp.kind);
  panels_.push_back(std::move(lp));
}

// Asked once, before any restore or print gate: some panels prepare what
// their later calls rely on here, so a panel printed without ever being
// shown must have been asked too.
void Dialog::AskKeys() {
  if (keysAsked_) return;
  keysAsked_ = true;
  for (auto& p : panels_) p.keys = p.panel->supportedPPDOptionKeys();
}

void Dialog::willRunScript() {
  AskKeys();
  FollowPageSize();
}

// The page format follows the paper marked in the PPD; the orientation is
// the dialog's own and is kept.
void Dialog::FollowPageSize() { host_.session().pageFormat().SetFromPpd(host_.ppdFile()); }

void Dialog::Restore(LoadedPanel& p, bool again) {
  AskKeys();
  if (p.restored && !again) return;
  std::string why;
  if (!p.panel->restoreValuesAndReturnError(&why)) {
    throw ScriptError{"panel " + p.name + " could not be restored" + (why.empty() ? "" : ": " + why)};
  }
  p.restored = true;
}

// An application without panels acts in its main window.
zqp::Window* Dialog::windowOutsideModalRuns() const {
  return focused_ < 0 ? ScriptRunner::windowOutsideModalRuns() : nullptr;
}

zqp::View* Dialog::rootOutsideWindows(std::string& where, std::string& title) {
  LoadedPanel& p = Focused();
  where = "panel " + p.name;
  title = p.name;
  return p.panel->panelView();
}

LoadedPanel& Dialog::Focused() {
  if (focused_ < 0) throw ScriptError{"no panel is focused (use: panel NAME-OR-KIND)"};
  return panels_[static_cast<size_t>(focused_)];
}

void Dialog::Save() {
  for (auto& p : panels_) {
    if (p.restored) SavePanel(p);
  }
}

bool Dialog::SavePanel(LoadedPanel& p) {
  std::string why;
  if (p.panel->saveValuesAndReturnError(&why)) return true;
  out() << "save: " << p.name << " failed" << (why.empty() ? "" : ": " + why) << "\n";
  return false;
}

// A person leaves the shown panel for another one, and the dialog saves it
// then, as the system's print dialog does on every change of pane: the
// panels that read its ticket entries see what it shows. False when the
// panel refuses to be hidden (it stays shown).
bool Dialog::LeaveShown() {
  if (shown_ < 0) return true;
  LoadedPanel& p = panels_[static_cast<size_t>(shown_)];
  if (!p.panel->shouldHide()) {
    out() << "hide: " << p.name << " refused\n";
    return false;
  }
  shown_ = -1;
  SavePanel(p);
  return true;
}

// Every panel is asked in order and the first refusal stops the job; only
// when all allow are the values saved, so a panel that writes its ticket in
// its gate is not overwritten by a save that should never have run. A panel
// never shown is not restored here: it builds itself in its gate, so its
// values still reach the ticket.
void Dialog::Print() {
  AskKeys();
  printAsked_ = true;
  printAllowed_ = true;
  for (auto& p : panels_) {
    if (!p.panel->shouldPrint()) {
      printAllowed_ = false;
      break;
    }
  }
  if (printAllowed_) {
    // A job whose settings could not be saved must not go out as if they
    // had been.
    for (auto& p : panels_) {
      if (!SavePanel(p)) printAllowed_ = false;
    }
  }
  zqp::EventLog::Shared().Record(zqp::EventKind::kPrint, printAllowed_ ? "allowed" : "refused");
}

// The summary is a pane of the dialog's own, which a person reaches by
// leaving the shown panel: that panel is saved first, so each panel
// summarises what it shows. The script goes on in the panel (the person
// comes back to it), so it stays shown. A modal window over the panel keeps
// the person on it: nothing is saved while one is open.
void Dialog::Summary() {
  if (shown_ >= 0 && FrontWindow() == nullptr) SavePanel(panels_[static_cast<size_t>(shown_)]);
  for (auto& p : panels_) {
    zqp::Summary s = p.panel->summaryInfo();
    for (const auto& key : s.order) {
      auto it = s.values.find(key);
      out() << "summary: " << p.name << " | " << key << ": " << (it == s.values.end() ? "" : it->second) << "\n";
    }
  }
}

// The panel commands; the others are the dialog's state commands or the
// runner's own.
bool Dialog::RunCommand(const std::vector<std::string>& w, const std::string& line) {
  const std::string& cmd = w[0];
  if (cmd == "panel") {
    if (w.size() < 2) throw ScriptError{"usage: panel NAME-OR-KIND"};
    const std::string wanted = zqp::RestAfterWords(line, 1);
    for (size_t i = 0; i < panels_.size(); ++i) {
      if (panels_[i].name == wanted || panels_[i].kind == wanted) {
        Restore(panels_[i]);
        focused_ = static_cast<int>(i);
        return true;
      }
    }
    throw ScriptError{"no panel named or of kind \"" + wanted + "\""};
  } else if (cmd == "show") {
    ExpectWords(w, 1, "show");
    LoadedPanel& p = Focused();
    Restore(p);
    // Picking the pane already shown changes nothing, as in the system's
    // dialog: opening it again would put back what it showed when it was
    // opened, over what the person has set since.
    if (shown_ == focused_) return true;
    // Switching panels leaves the one shown first; a panel that refuses
    // to be hidden stays.
    if (!LeaveShown()) return true;
    p.panel->willShow();
    shown_ = focused_;
  } else if (cmd == "hide") {
    ExpectWords(w, 1, "hide");
    ExpectShown();
    LeaveShown();
  } else if (cmd == "restore") {
    Restore(Focused(), true);
  } else if (cmd == "help") {
    ExpectShown();
    LoadedPanel& p = Focused();
    // A panel that opens its own page says so by returning false; the
    // page it opened is in the transcript as a help event.
    if (p.panel->shouldShowHelp()) out() << "help: " << p.name << " opens no page of its own\n";
  } else if (cmd == "save") {
    ExpectWords(w, 1, "save");
    Save();
  } else if (cmd == "print") {
    ExpectWords(w, 1, "print");
    Print();
  } else if (cmd == "summary") {
    ExpectWords(w, 1, "summary");
    Summary();
  } else {
    if (IsControlAction(cmd) && FrontWindow() == nullptr) ExpectShown();
    return RunStateCommand(w, line) || ScriptRunner::RunCommand(w, line);
  }
  return true;
}

// A person reaches a panel's controls only while it is shown: acting on a
// panel merely focused would reach a state no one can make (a choice the
// panel never saves, a summary that contradicts the controls).
void Dialog::ExpectShown() {
  LoadedPanel& p = Focused();
  if (shown_ != focused_) throw ScriptError{"panel " + p.name + " is not shown (use: show)"};
}

namespace {

// A file name made of the panel kind: letters, digits, dots, dashes.
std::string FileNameOf(const std::string& kind) {
  std::string name;
  for (char c : kind) name += (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-') ? c : '_';
  return name.empty() ? "panel" : name;
}

}  // namespace

void Dialog::WriteSnapshots(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) throw ScriptError{"cannot make folder " + dir + ": " + ec.message()};
  std::map<std::string, int> seen;
  for (auto& p : panels_) {
    Restore(p);
    zqp::View* v = p.panel->panelView();
    if (v == nullptr) continue;
    std::string name = FileNameOf(p.kind);
    // Two panels of one kind: the second gets "-2", and so on.
    if (int n = ++seen[name]; n > 1) name += "-" + std::to_string(n);
    WritePicture(*zqp::SnapshotPanel(*v, p.name), dir + "/" + name + ".png");
  }
}

}  // namespace printdialog
