#include "dialog.h"

#include <cstdlib>
#include <exception>
#include <ostream>

#include "zqp/bundle.h"
#include "zqp/events.h"
#include "zqp/system.h"

namespace printdialog {

namespace {

bool ParseInt(const std::string& s, long& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  errno = 0;
  out = std::strtol(s.c_str(), &end, 10);
  return end && *end == '\0' && errno == 0;
}

bool ParseDouble(const std::string& s, double& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return end && *end == '\0';
}

// What follows the first n words of the line: one "quoted" word, or else
// the rest of the line as it stands.
std::string RestAfterWords(const std::string& line, size_t n) {
  size_t i = 0;
  for (size_t k = 0; k < n; ++k) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i < line.size() && line[i] == '"') {
      ++i;
      while (i < line.size() && line[i] != '"') i += line[i] == '\\' ? 2 : 1;
      ++i;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
        if (line[i] == '"') {
          const size_t close = line.find('"', i + 1);
          i = close == std::string::npos ? line.size() : close;
        }
        ++i;
      }
    }
  }
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  std::string rest = i < line.size() ? line.substr(i) : std::string();
  if (!rest.empty() && rest[0] == '"') {
    std::vector<std::string> w = SplitWords(rest);
    if (w.size() != 1) throw ScriptError{"text after the quoted word"};
    return w[0];
  }
  return rest;
}

// "1,3-4" as the rows 1, 3 and 4, in the order written.
std::vector<int> ParseRows(const std::string& text) {
  std::vector<int> rows;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = text.find(',', start);
    const std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const size_t dash = part.find('-');
    long a, b;
    if (dash == std::string::npos ? !ParseInt(part, a) || (b = a) < 0
                                  : !ParseInt(part.substr(0, dash), a) || !ParseInt(part.substr(dash + 1), b)) {
      throw ScriptError{"not rows like 1,3-4: " + text};
    }
    if (a < 0 || b < a || b - a > 100000) throw ScriptError{"not rows like 1,3-4: " + text};
    for (long r = a; r <= b; ++r) rows.push_back(static_cast<int>(r));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return rows;
}

}  // namespace

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) break;
    std::string w;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '\\' && i < line.size()) {
          w += line[i++];
        } else if (c == '"') {
          closed = true;
          break;
        } else {
          w += c;
        }
      }
      if (!closed) throw ScriptError{"unterminated quote"};
    } else {
      // A quoted part inside a word (@"two words") belongs to the word.
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
        if (line[i] != '"') {
          w += line[i++];
          continue;
        }
        const size_t close = line.find('"', i + 1);
        if (close == std::string::npos) throw ScriptError{"unterminated quote"};
        w += line.substr(i + 1, close - i - 1);
        i = close + 1;
      }
    }
    words.push_back(std::move(w));
  }
  return words;
}

std::vector<std::string> ScriptLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

Dialog::Dialog(zqp::Host& host, std::ostream& out) : host_(host), out_(out) {
  zqp::Application::Shared().setDriver(this);
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
  zqp::Application::Shared().setDriver(nullptr);
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

// The innermost modal window, else (an application without panels) the
// application's main window.
zqp::Window* Dialog::FrontWindow() const {
  zqp::Application& app = zqp::Application::Shared();
  if (zqp::Window* w = app.modalWindow()) return w;
  return focused_ < 0 ? app.mainWindow() : nullptr;
}

LoadedPanel& Dialog::Focused() {
  if (focused_ < 0) throw ScriptError{"no panel is focused (use: panel NAME-OR-KIND)"};
  return panels_[static_cast<size_t>(focused_)];
}

zqp::View* Dialog::Root(std::string& where) {
  if (zqp::Window* w = FrontWindow()) {
    where = "window \"" + w->title() + "\"";
    return w->contentView();
  }
  LoadedPanel& p = Focused();
  where = "panel " + p.name;
  return p.panel->panelView();
}

namespace {

// The text a person reads on the view: a button's or box's title, a label.
std::string LabelOf(zqp::View& v) {
  switch (v.kind()) {
    case zqp::ViewKind::kButton: return static_cast<zqp::Button&>(v).title();
    case zqp::ViewKind::kBox: return static_cast<zqp::Box&>(v).title();
    case zqp::ViewKind::kTextField: {
      auto& f = static_cast<zqp::TextField&>(v);
      return f.isLabel() ? f.stringValue() : std::string();
    }
    default: return {};
  }
}

zqp::View* ViewWithLabel(zqp::View& v, const std::string& label) {
  if (!label.empty() && LabelOf(v) == label) return &v;
  for (auto& s : v.subviews()) {
    if (zqp::View* found = ViewWithLabel(*s, label)) return found;
  }
  return nullptr;
}

// A hidden item or a separator is nothing a person could point at: a
// script that chooses one is wrong, not merely refused.
void RefuseUnseenItem(const zqp::Menu& menu, int index, const std::string& tag, const std::string& item) {
  const std::string why = menu.whyNotSelectable(index);
  if (why == "hidden" || why == "a separator") {
    throw ScriptError{"item " + item + " of pop-up " + tag + " is " + why + " and cannot be chosen"};
  }
}

void DumpTree(zqp::View& v, int depth, std::ostream& out) {
  out << "tree: " << std::string(static_cast<size_t>(depth) * 2, ' ') << v.describe() << "\n";
  for (auto& s : v.subviews()) DumpTree(*s, depth + 1, out);
}

}  // namespace

// A control named by its tag, by "#identifier" or by "@label".
zqp::View* Dialog::ViewForTag(const std::string& tagText) {
  std::string where;
  zqp::View* root = nullptr;
  zqp::View* v = nullptr;
  if (!tagText.empty() && tagText[0] == '#') {
    root = Root(where);
    v = root ? root->viewWithIdentifier(tagText.substr(1)) : nullptr;
  } else if (!tagText.empty() && tagText[0] == '@') {
    root = Root(where);
    v = root ? ViewWithLabel(*root, tagText.substr(1)) : nullptr;
  } else {
    long tag;
    if (!ParseInt(tagText, tag)) throw ScriptError{"not a tag, #identifier or @label: " + tagText};
    root = Root(where);
    v = root ? root->viewWithTag(static_cast<int32_t>(tag)) : nullptr;
  }
  if (v == nullptr) {
    const bool byTag = tagText[0] != '#' && tagText[0] != '@';
    throw ScriptError{(byTag ? "no view with tag " : "no view ") + tagText + " in " + where};
  }
  return v;
}

void Dialog::DumpViews() {
  std::string where;
  zqp::View* root = Root(where);
  if (root == nullptr) throw ScriptError{"nothing to dump in " + where};
  DumpTree(*root, 0, out_);
}

bool Dialog::Actionable(zqp::View* v, const std::string& tagText) {
  if (v->acceptsUserInput()) return true;
  out_ << "ignored: " << tagText << (v->isEnabled() ? " hidden" : " disabled") << "\n";
  return false;
}

void Dialog::Save() {
  for (auto& p : panels_) {
    if (!p.restored) continue;
    std::string why;
    if (!p.panel->saveValuesAndReturnError(&why)) {
      out_ << "save: " << p.name << " failed" << (why.empty() ? "" : ": " + why) << "\n";
    }
  }
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
    for (auto& p : panels_) {
      std::string why;
      if (!p.panel->saveValuesAndReturnError(&why)) {
        // A job whose settings could not be saved must not go out as if
        // they had been.
        out_ << "save: " << p.name << " failed" << (why.empty() ? "" : ": " + why) << "\n";
        printAllowed_ = false;
      }
    }
  }
  zqp::EventLog::Shared().Record(zqp::EventKind::kPrint, printAllowed_ ? "allowed" : "refused");
}

void Dialog::Summary() {
  for (auto& p : panels_) {
    zqp::Summary s = p.panel->summaryInfo();
    for (const auto& key : s.order) {
      auto it = s.values.find(key);
      out_ << "summary: " << p.name << " | " << key << ": " << (it == s.values.end() ? "" : it->second) << "\n";
    }
  }
}

void Dialog::Execute(const std::string& line, int lineNo) {
  std::vector<std::string> w;
  try {
    w = SplitWords(line);
  } catch (const ScriptError& e) {
    throw ScriptError{"line " + std::to_string(lineNo) + ": " + e.message};
  }
  if (w.empty() || w[0].empty() || w[0][0] == '#') return;
  const std::string& cmd = w[0];
  auto need = [&](size_t n, const char* usage) {
    if (w.size() != n) throw ScriptError{std::string("usage: ") + usage};
  };
  auto as = [&](zqp::View* v, zqp::ViewKind k, const char* what) {
    if (v->kind() != k) throw ScriptError{"view " + w[1] + " is not " + what};
    return v;
  };
  try {
    if (cmd == "panel") {
      if (w.size() < 2) throw ScriptError{"usage: panel NAME-OR-KIND"};
      const std::string wanted = RestAfterWords(line, 1);
      for (size_t i = 0; i < panels_.size(); ++i) {
        if (panels_[i].name == wanted || panels_[i].kind == wanted) {
          Restore(panels_[i]);
          focused_ = static_cast<int>(i);
          return;
        }
      }
      throw ScriptError{"no panel named or of kind \"" + wanted + "\""};
    } else if (cmd == "show") {
      need(1, "show");
      LoadedPanel& p = Focused();
      Restore(p);
      // Switching panels hides the one shown first; a panel that refuses
      // to be hidden stays.
      if (shown_ >= 0 && shown_ != focused_) {
        LoadedPanel& old = panels_[static_cast<size_t>(shown_)];
        if (!old.panel->shouldHide()) {
          out_ << "hide: " << old.name << " refused\n";
          return;
        }
        shown_ = -1;
      }
      p.panel->willShow();
      shown_ = focused_;
    } else if (cmd == "hide") {
      need(1, "hide");
      if (Focused().panel->shouldHide()) {
        if (shown_ == focused_) shown_ = -1;
      } else {
        out_ << "hide: " << Focused().name << " refused\n";
      }
    } else if (cmd == "click") {
      need(2, "click TAG");
      auto* b = static_cast<zqp::Button*>(as(ViewForTag(w[1]), zqp::ViewKind::kButton, "a button"));
      if (Actionable(b, w[1])) b->performClick();
    } else if (cmd == "select") {
      need(3, "select TAG INDEX|\"TITLE\"");
      zqp::View* v = ViewForTag(w[1]);
      if (!Actionable(v, w[1])) return;
      long index = -1;
      const bool byIndex = ParseInt(w[2], index) && line.find('"') == std::string::npos;
      if (v->kind() == zqp::ViewKind::kPopUp) {
        auto* p = static_cast<zqp::PopUpButton*>(v);
        // "Submenu/Item" names an item of a submenu; a title without a
        // slash, or one the pop-up has as it stands, a top-level item.
        const size_t slash = w[2].find('/');
        if (!byIndex && slash != std::string::npos && p->indexOfItemWithTitle(w[2]) < 0) {
          const int top = p->indexOfItemWithTitle(w[2].substr(0, slash));
          const zqp::MenuItem* item = top >= 0 ? p->itemAtIndex(top) : nullptr;
          int sub = -1;
          if (item != nullptr && item->submenu) {
            const auto& subs = item->submenu->items();
            for (size_t i = 0; i < subs.size() && sub < 0; ++i) {
              if (subs[i].title == w[2].substr(slash + 1)) sub = static_cast<int>(i);
            }
          }
          if (sub < 0) throw ScriptError{"no submenu item " + w[2] + " in pop-up " + w[1]};
          RefuseUnseenItem(p->menu(), top, w[1], w[2]);
          RefuseUnseenItem(*item->submenu, sub, w[1], w[2]);
          if (!p->userSelectSubmenuItem(top, sub)) out_ << "ignored: " << w[1] << " \"" << w[2] << "\" disabled\n";
          return;
        }
        if (!byIndex) index = p->indexOfItemWithTitle(w[2]);
        if (!byIndex && index == 0 && p->pullsDown()) {
          // A pull-down's title may repeat as an item: the item is meant.
          index = -1;
          for (int i = 1; i < p->numberOfItems() && index < 0; ++i) {
            if (p->itemAtIndex(i)->title == w[2]) index = i;
          }
          if (index < 0) throw ScriptError{"item " + w[2] + " of pop-up " + w[1] + " is the pull-down's title and cannot be chosen"};
        }
        if (index < 0 || index >= p->numberOfItems()) throw ScriptError{"no item " + w[2] + " in pop-up " + w[1]};
        if (index == 0 && p->pullsDown()) throw ScriptError{"item 0 of pop-up " + w[1] + " is the pull-down's title and cannot be chosen"};
        RefuseUnseenItem(p->menu(), static_cast<int>(index), w[1], w[2]);
        if (!p->userSelect(static_cast<int>(index))) out_ << "ignored: " << w[1] << " \"" << w[2] << "\" disabled\n";
      } else if (v->kind() == zqp::ViewKind::kTableView) {
        // Rows as "1,3-4": the first clicked, the others added to it.
        auto* t = static_cast<zqp::TableView*>(v);
        const std::vector<int> rows = ParseRows(w[2]);
        for (size_t i = 0; i < rows.size(); ++i) {
          if (rows[i] >= t->numberOfRows()) throw ScriptError{"no row " + std::to_string(rows[i]) + " in table " + w[1]};
        }
        for (size_t i = 0; i < rows.size(); ++i) t->userSelectRow(rows[i], i > 0);
      } else if (v->kind() == zqp::ViewKind::kTabView) {
        auto* t = static_cast<zqp::TabView*>(v);
        if (!byIndex) {
          index = -1;
          for (size_t i = 0; i < t->items().size(); ++i) {
            if (t->items()[i].label == w[2]) index = static_cast<long>(i);
          }
        }
        if (index < 0) throw ScriptError{"no tab " + w[2] + " in " + w[1]};
        t->userSelectTab(static_cast<int>(index));
      } else {
        throw ScriptError{"view " + w[1] + " has nothing to select"};
      }
    } else if (cmd == "type") {
      if (w.size() < 2) throw ScriptError{"usage: type TAG TEXT"};
      auto* f = static_cast<zqp::TextField*>(as(ViewForTag(w[1]), zqp::ViewKind::kTextField, "a text field"));
      // The text is the rest of the line, or one quoted word.
      const std::string text = RestAfterWords(line, 2);
      if (Actionable(f, w[1]) && f->beginEditing(true)) {
        if (text.empty() && !f->deleteText()) out_ << "refused: " << w[1] << " empty\n";
        // Key by key, so that the transcript names each character refused.
        for (size_t pos = 0; pos < text.size();) {
          size_t next = pos + 1;
          while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
          const std::string key = text.substr(pos, next - pos);
          if (!f->typeKey(key)) out_ << "refused: " << w[1] << " \"" << key << "\"\n";
          pos = next;
        }
        f->endEditing();
      }
    } else if (cmd == "step") {
      if (w.size() != 3 && w.size() != 4) throw ScriptError{"usage: step TAG up|down [N]"};
      auto* s = static_cast<zqp::Stepper*>(as(ViewForTag(w[1]), zqp::ViewKind::kStepper, "a stepper"));
      if (w[2] != "up" && w[2] != "down") throw ScriptError{"usage: step TAG up|down [N]"};
      long n = 1;
      if (w.size() == 4 && (!ParseInt(w[3], n) || n < 1 || n > 100000)) throw ScriptError{"bad count " + w[3]};
      if (Actionable(s, w[1])) {
        for (long i = 0; i < n; ++i) s->userStep(w[2] == "up");
      }
    } else if (cmd == "slide") {
      need(3, "slide TAG VALUE");
      auto* s = static_cast<zqp::Slider*>(as(ViewForTag(w[1]), zqp::ViewKind::kSlider, "a slider"));
      double v;
      if (!ParseDouble(w[2], v)) throw ScriptError{"not a number: " + w[2]};
      if (Actionable(s, w[1])) s->userSlide(v);
    } else if (cmd == "time") {
      need(3, "time TAG HH:MM");
      auto* d = static_cast<zqp::DatePicker*>(as(ViewForTag(w[1]), zqp::ViewKind::kDatePicker, "a date picker"));
      long h, m;
      size_t colon = w[2].find(':');
      if (colon == std::string::npos || !ParseInt(w[2].substr(0, colon), h) || !ParseInt(w[2].substr(colon + 1), m) ||
          h < 0 || h > 23 || m < 0 || m > 59) {
        throw ScriptError{"not a time HH:MM: " + w[2]};
      }
      if (Actionable(d, w[1])) d->userSetTime(static_cast<int>(h), static_cast<int>(m));
    } else if (cmd == "color") {
      need(6, "color TAG R G B A");
      auto* c = static_cast<zqp::ColorWell*>(as(ViewForTag(w[1]), zqp::ViewKind::kColorWell, "a colour well"));
      double v[4];
      for (int i = 0; i < 4; ++i) {
        if (!ParseDouble(w[static_cast<size_t>(i) + 2], v[i])) throw ScriptError{"not a number: " + w[static_cast<size_t>(i) + 2]};
      }
      if (Actionable(c, w[1])) c->userSetColor(zqp::Color{v[0], v[1], v[2], v[3]});
    } else if (cmd == "answer") {
      if (w.size() != 2 && w.size() != 3) throw ScriptError{"usage: answer N [TEXT]"};
      long n;
      if (!ParseInt(w[1], n) || n < 0) throw ScriptError{"not a button number: " + w[1]};
      answers_.push_back(static_cast<int>(n));
      answerTexts_.push_back(w.size() == 3 ? w[2] : std::string());
    } else if (cmd == "dump-tree") {
      need(1, "dump-tree");
      DumpViews();
    } else if (cmd == "open") {
      need(3, "open TAG ROW");
      auto* t = static_cast<zqp::TableView*>(as(ViewForTag(w[1]), zqp::ViewKind::kTableView, "a table"));
      long row;
      if (!ParseInt(w[2], row) || row < 0 || row >= t->numberOfRows()) throw ScriptError{"no row " + w[2] + " in table " + w[1]};
      if (Actionable(t, w[1])) t->userDoubleClick(static_cast<int>(row));
    } else if (cmd == "choose-file") {
      need(2, "choose-file PATH|cancel");
      files_.push_back(w[1]);
    } else if (cmd == "save") {
      need(1, "save");
      Save();
    } else if (cmd == "print") {
      need(1, "print");
      Print();
    } else if (cmd == "summary") {
      need(1, "summary");
      Summary();
    } else if (cmd == "dump") {
      need(2, "dump TAG");
      out_ << "dump: " << ViewForTag(w[1])->describe() << "\n";
    } else if (RunGraphicsCommand(w)) {
    } else if (!ExecuteMore(w, line)) {
      throw ScriptError{"unknown command \"" + cmd + "\" (commands lists them)"};
    }
  } catch (const ScriptError& e) {
    if (e.message.rfind("line ", 0) == 0) throw;
    throw ScriptError{"line " + std::to_string(lineNo) + ": " + e.message};
  }
}

void Dialog::RunLines() {
  zqp::Application& app = zqp::Application::Shared();
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
      // A panel that throws must not take the dialog down without a word.
      failure_ = ScriptError{"line " + std::to_string(n + 1) + ": a panel failed: " + e.what()};
    }
  }
}

void Dialog::stopScript(const std::string& why) {
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

void Dialog::driveModal(zqp::Window& window) {
  RunLines();
  if (!failure_ && !zqp::Application::Shared().isRunStopped()) {
    failure_ = ScriptError{"script ended inside the open modal window \"" + window.title() + "\""};
  }
}

void Dialog::Run(const std::vector<std::string>& lines) {
  lines_ = lines;
  next_ = 0;
  AskKeys();
  FollowPageSize();
  RunLines();
  if (failure_) throw *failure_;
}

int Dialog::answerAlert(const zqp::AlertInfo& alert) {
  if (answers_.empty()) return 0;
  int n = answers_.front();
  answers_.pop_front();
  const std::string text = answerTexts_.front();
  answerTexts_.pop_front();
  auto* field = dynamic_cast<zqp::TextField*>(alert.accessory);
  if (field != nullptr && !text.empty() && field->beginEditing(true)) {
    field->typeText(text);
    field->endEditing();
  }
  return n;
}

std::optional<std::string> Dialog::chooseFile(const zqp::FileChooserInfo&) {
  if (files_.empty()) return std::nullopt;
  std::string f = files_.front();
  files_.pop_front();
  if (f == "cancel") return std::nullopt;
  return f;
}

}  // namespace printdialog
