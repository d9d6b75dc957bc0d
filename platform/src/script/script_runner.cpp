// The runner: the command table, one line after another, and the modal runs,
// alerts and file choosers the lines meet.
#include "zqp/script.h"

#include <exception>
#include <ostream>

#include "zqp/view.h"

namespace zqp {

namespace {

// Every command of a scripted run, in the order the list shows them. New
// commands go in here, each with its usage line, so that `commands` and
// --help list them all.
const ScriptCommands kCommands = {
    {"click", "click TAG                 click a button", -1},
    {"select", "select TAG INDEX|\"TITLE\"|\"SUB/ITEM\"|ROWS  pop-up item, submenu item, table rows (1,3-4) or tab", -1},
    {"open", "open TAG ROW              double-click a table row", -1},
    {"type", "type TAG TEXT             type into a field (\"\" empties it)", -1},
    {"step", "step TAG up|down [N]      press a stepper", -1},
    {"slide", "slide TAG VALUE           move a slider", -1},
    {"time", "time TAG HH:MM            set a date picker's time", -1},
    {"color", "color TAG R G B A         choose a colour", -1},
    {"answer", "answer N [TEXT]           the button the next alert is answered with (TEXT typed in its field)", -1},
    {"choose-file", "choose-file PATH|cancel   the file the next file chooser returns, or its Cancel", -1},
    {"key", "key TAG tab|backtab|return|escape  a key pressed in a control", 2},
    {"focus", "focus TAG                 move the keyboard focus to a control", 1},
    {"dump", "dump TAG                  print a control's state", -1},
    {"dump-tree", "dump-tree                 print every view of the window or panel", -1},
    {"snapshot", "snapshot TAG|window FILE.png  draw a view or the front window into a PNG", -1},
    {"pixel", "pixel TAG X Y             print the RGBA of a view's pixel (view coordinates)", -1},
    {"commands", "commands                  this list", 0},
};

const ScriptCommand* FindCommand(const ScriptCommands& table, const std::string& name) {
  for (const auto& c : table) {
    if (name == c.name) return &c;
  }
  return nullptr;
}

}  // namespace

std::string ScriptCommandList(const ScriptCommands& commands) {
  std::string s;
  for (const auto& c : commands) s += std::string("  ") + c.usage + "\n";
  s += "A TAG is a view's tag number, #identifier or @\"label\".\n";
  return s;
}

void InsertScriptCommands(ScriptCommands& table, const char* before, std::initializer_list<ScriptCommand> added) {
  auto at = table.begin();
  while (at != table.end() && std::string(at->name) != before) ++at;
  table.insert(at, added);
}

const ScriptCommands& ScriptRunner::Commands() { return kCommands; }

const ScriptCommands& ScriptRunner::commands() const { return kCommands; }

ScriptRunner::ScriptRunner(std::ostream& out) : out_(out) { Application::Shared().setDriver(this); }

ScriptRunner::~ScriptRunner() { Application::Shared().setDriver(nullptr); }

void ScriptRunner::ExpectWords(const std::vector<std::string>& w, size_t n, const char* usage) {
  if (w.size() != n) throw ScriptError{std::string("usage: ") + usage};
}

ScriptError ScriptRunner::UsageError(const std::string& name) const {
  const ScriptCommand* c = FindCommand(commands(), name);
  return ScriptError{std::string("usage: ") + (c ? c->usage : name.c_str())};
}

// The innermost modal window, else the window outside them.
Window* ScriptRunner::FrontWindow() const {
  if (Window* w = Application::Shared().modalWindow()) return w;
  return windowOutsideModalRuns();
}

Window* ScriptRunner::windowOutsideModalRuns() const { return Application::Shared().mainWindow(); }

View* ScriptRunner::rootOutsideWindows(std::string&, std::string&) { throw ScriptError{"no window is open"}; }

View* ScriptRunner::Root(std::string& where) {
  if (Window* w = FrontWindow()) {
    where = "window \"" + w->title() + "\"";
    return w->contentView();
  }
  std::string title;
  return rootOutsideWindows(where, title);
}

void ScriptRunner::Execute(const std::string& line, int lineNo) {
  std::vector<std::string> w;
  try {
    w = SplitWords(line);
  } catch (const ScriptError& e) {
    throw ScriptError{"line " + std::to_string(lineNo) + ": " + e.message};
  }
  if (w.empty() || w[0].empty() || w[0][0] == '#') return;
  try {
    const ScriptCommand* c = FindCommand(commands(), w[0]);
    if (c != nullptr && c->words >= 0 && w.size() != static_cast<size_t>(c->words) + 1) {
      throw ScriptError{std::string("usage: ") + c->usage};
    }
    if (c == nullptr || !RunCommand(w, line)) {
      throw ScriptError{"unknown command \"" + w[0] + "\" (commands lists them)"};
    }
  } catch (const ScriptError& e) {
    if (e.message.rfind("line ", 0) == 0) throw;
    throw ScriptError{"line " + std::to_string(lineNo) + ": " + e.message};
  }
}

void ScriptRunner::RunLines() {
  Application& app = Application::Shared();
  const int depth = app.modalDepth();
  while (!failure_ && next_ < lines_.size()) {
    // Inside a modal window, stop as soon as it has been closed.
    if (depth > 0 && app.isRunStopped()) return;
    if (beforeLine_) {
      beforeLine_();
      if (failure_ || next_ >= lines_.size()) return;
    }
    const size_t n = next_++;
    try {
      Execute(lines_[n], static_cast<int>(n) + 1);
    } catch (const ScriptError& e) {
      failure_ = e;
    } catch (const std::exception& e) {
      // A panel or an application action that throws must not end the run
      // without a word.
      failure_ = ScriptError{"line " + std::to_string(n + 1) + ": a panel failed: " + e.what()};
    }
  }
}

void ScriptRunner::stopScript(const std::string& why) {
  if (failure_) return;
  for (size_t n = next_; n < lines_.size(); ++n) {
    const size_t first = lines_[n].find_first_not_of(" \t");
    if (first != std::string::npos && lines_[n][first] != '#') {
      failure_ = ScriptError{"line " + std::to_string(n + 1) + ": " + why};
      break;
    }
  }
  next_ = lines_.size();
}

void ScriptRunner::driveModal(Window& window) {
  RunLines();
  if (!failure_ && !Application::Shared().isRunStopped()) {
    failure_ = ScriptError{"script ended inside the open modal window \"" + window.title() + "\""};
  }
}

void ScriptRunner::Run(const std::vector<std::string>& lines) {
  lines_ = lines;
  next_ = 0;
  willRunScript();
  RunLines();
  if (failure_) throw *failure_;
}

int ScriptRunner::answerAlert(const AlertInfo& alert) {
  if (answers_.empty()) return 0;
  int n = answers_.front();
  answers_.pop_front();
  const std::string text = answerTexts_.front();
  answerTexts_.pop_front();
  auto* field = dynamic_cast<TextField*>(alert.accessory);
  if (field != nullptr && !text.empty() && field->beginEditing(true)) {
    field->typeText(text);
    field->endEditing();
  }
  return n;
}

std::optional<std::string> ScriptRunner::chooseFile(const FileChooserInfo&) {
  if (files_.empty()) return std::nullopt;
  std::string f = files_.front();
  files_.pop_front();
  if (f == "cancel") return std::nullopt;
  return f;
}

}  // namespace zqp
