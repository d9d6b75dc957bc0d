// The commands that act on a view as a person would: buttons, pop-ups,
// tables, tabs, fields, steppers, sliders, date pickers, colour wells, keys
// and the keyboard focus, and what the views show (dump, dump-tree).
#include <cerrno>
#include <cstdlib>
#include <ostream>

#include "zqp/script.h"
#include "zqp/view.h"

namespace zqp {

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

// The text a person reads on the view: a button's or box's title, a label.
std::string LabelOf(View& v) {
  switch (v.kind()) {
    case ViewKind::kButton: return static_cast<Button&>(v).title();
    case ViewKind::kBox: return static_cast<Box&>(v).title();
    case ViewKind::kTextField: {
      auto& f = static_cast<TextField&>(v);
      return f.isLabel() ? f.stringValue() : std::string();
    }
    default: return {};
  }
}

View* ViewWithLabel(View& v, const std::string& label) {
  if (!label.empty() && LabelOf(v) == label) return &v;
  for (auto& s : v.subviews()) {
    if (View* found = ViewWithLabel(*s, label)) return found;
  }
  return nullptr;
}

// A hidden item or a separator is nothing a person could point at: a
// script that chooses one is wrong, not merely refused.
void RefuseUnseenItem(const Menu& menu, int index, const std::string& tag, const std::string& item) {
  const std::string why = menu.whyNotSelectable(index);
  if (why == "hidden" || why == "a separator") {
    throw ScriptError{"item " + item + " of pop-up " + tag + " is " + why + " and cannot be chosen"};
  }
}

// The view as the kind of control the command acts on.
View* As(View* v, ViewKind k, const char* what, const std::string& tag) {
  if (v->kind() != k) throw ScriptError{"view " + tag + " is not " + what};
  return v;
}

void DumpTree(View& v, int depth, std::ostream& out) {
  out << "tree: " << std::string(static_cast<size_t>(depth) * 2, ' ') << v.describe() << "\n";
  for (auto& s : v.subviews()) DumpTree(*s, depth + 1, out);
}

}  // namespace

View* ScriptRunner::ViewForTag(const std::string& tagText) {
  std::string where;
  View* root = nullptr;
  View* v = nullptr;
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

void ScriptRunner::DumpViews() {
  std::string where;
  View* root = Root(where);
  if (root == nullptr) throw ScriptError{"nothing to dump in " + where};
  DumpTree(*root, 0, out_);
}

bool ScriptRunner::Actionable(View* v, const std::string& tagText) {
  if (v->acceptsUserInput()) return true;
  out_ << "ignored: " << tagText << (v->isEnabled() ? " hidden" : " disabled") << "\n";
  return false;
}

// In a window the view becomes first responder (which ends an edit in the
// field left); a panel's view has no window and only the transcript moves.
void ScriptRunner::Focus(View* v) {
  if (Window* win = v->window()) win->makeFirstResponder(v);
  out_ << "focus: " << v->describe() << "\n";
}

bool ScriptRunner::RunCommand(const std::vector<std::string>& w, const std::string& line) {
  const std::string& cmd = w[0];
  auto as = [&](View* v, ViewKind k, const char* what) { return As(v, k, what, w[1]); };
  if (cmd == "click") {
    ExpectWords(w, 2, "click TAG");
    auto* b = static_cast<Button*>(as(ViewForTag(w[1]), ViewKind::kButton, "a button"));
    if (Actionable(b, w[1])) b->performClick();
  } else if (cmd == "select") {
    Select(w, line);
  } else if (cmd == "type") {
    Type(w, line);
  } else if (cmd == "step") {
    if (w.size() != 3 && w.size() != 4) throw ScriptError{"usage: step TAG up|down [N]"};
    auto* s = static_cast<Stepper*>(as(ViewForTag(w[1]), ViewKind::kStepper, "a stepper"));
    if (w[2] != "up" && w[2] != "down") throw ScriptError{"usage: step TAG up|down [N]"};
    long n = 1;
    if (w.size() == 4 && (!ParseInt(w[3], n) || n < 1 || n > 100000)) throw ScriptError{"bad count " + w[3]};
    if (Actionable(s, w[1])) {
      for (long i = 0; i < n; ++i) s->userStep(w[2] == "up");
    }
  } else if (cmd == "slide") {
    ExpectWords(w, 3, "slide TAG VALUE");
    auto* s = static_cast<Slider*>(as(ViewForTag(w[1]), ViewKind::kSlider, "a slider"));
    double v;
    if (!ParseDouble(w[2], v)) throw ScriptError{"not a number: " + w[2]};
    if (Actionable(s, w[1])) s->userSlide(v);
  } else if (cmd == "time") {
    ExpectWords(w, 3, "time TAG HH:MM");
    auto* d = static_cast<DatePicker*>(as(ViewForTag(w[1]), ViewKind::kDatePicker, "a date picker"));
    long h, m;
    size_t colon = w[2].find(':');
    if (colon == std::string::npos || !ParseInt(w[2].substr(0, colon), h) || !ParseInt(w[2].substr(colon + 1), m) ||
        h < 0 || h > 23 || m < 0 || m > 59) {
      throw ScriptError{"not a time HH:MM: " + w[2]};
    }
    if (Actionable(d, w[1])) d->userSetTime(static_cast<int>(h), static_cast<int>(m));
  } else if (cmd == "color") {
    ExpectWords(w, 6, "color TAG R G B A");
    auto* c = static_cast<ColorWell*>(as(ViewForTag(w[1]), ViewKind::kColorWell, "a colour well"));
    double v[4];
    for (int i = 0; i < 4; ++i) {
      if (!ParseDouble(w[static_cast<size_t>(i) + 2], v[i])) throw ScriptError{"not a number: " + w[static_cast<size_t>(i) + 2]};
    }
    if (Actionable(c, w[1])) c->userSetColor(Color{v[0], v[1], v[2], v[3]});
  } else if (cmd == "answer") {
    if (w.size() != 2 && w.size() != 3) throw ScriptError{"usage: answer N [TEXT]"};
    long n;
    if (!ParseInt(w[1], n) || n < 0) throw ScriptError{"not a button number: " + w[1]};
    answers_.push_back(static_cast<int>(n));
    answerTexts_.push_back(w.size() == 3 ? w[2] : std::string());
  } else if (cmd == "dump-tree") {
    ExpectWords(w, 1, "dump-tree");
    DumpViews();
  } else if (cmd == "open") {
    ExpectWords(w, 3, "open TAG ROW");
    auto* t = static_cast<TableView*>(as(ViewForTag(w[1]), ViewKind::kTableView, "a table"));
    long row;
    if (!ParseInt(w[2], row) || row < 0 || row >= t->numberOfRows()) throw ScriptError{"no row " + w[2] + " in table " + w[1]};
    if (Actionable(t, w[1])) t->userDoubleClick(static_cast<int>(row));
  } else if (cmd == "choose-file") {
    ExpectWords(w, 2, "choose-file PATH|cancel");
    files_.push_back(w[1]);
  } else if (cmd == "dump") {
    ExpectWords(w, 2, "dump TAG");
    out_ << "dump: " << ViewForTag(w[1])->describe() << "\n";
  } else if (cmd == "focus") {
    View* v = ViewForTag(w[1]);
    if (Actionable(v, w[1])) Focus(v);
  } else if (cmd == "key") {
    Key(w);
  } else if (cmd == "commands") {
    out_ << ScriptCommandList(commands());
  } else {
    return RunPictureCommand(w);
  }
  return true;
}

void ScriptRunner::Select(const std::vector<std::string>& w, const std::string& line) {
  ExpectWords(w, 3, "select TAG INDEX|\"TITLE\"");
  View* v = ViewForTag(w[1]);
  if (!Actionable(v, w[1])) return;
  long index = -1;
  const bool byIndex = ParseInt(w[2], index) && line.find('"') == std::string::npos;
  if (v->kind() == ViewKind::kPopUp) {
    auto* p = static_cast<PopUpButton*>(v);
    // "Submenu/Item" names an item of a submenu; a title without a
    // slash, or one the pop-up has as it stands, a top-level item.
    const size_t slash = w[2].find('/');
    if (!byIndex && slash != std::string::npos && p->indexOfItemWithTitle(w[2]) < 0) {
      const int top = p->indexOfItemWithTitle(w[2].substr(0, slash));
      const MenuItem* item = top >= 0 ? p->itemAtIndex(top) : nullptr;
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
  } else if (v->kind() == ViewKind::kTableView) {
    // Rows as "1,3-4": the first clicked, the others added to it.
    auto* t = static_cast<TableView*>(v);
    const std::vector<int> rows = ParseRows(w[2]);
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i] >= t->numberOfRows()) throw ScriptError{"no row " + std::to_string(rows[i]) + " in table " + w[1]};
    }
    for (size_t i = 0; i < rows.size(); ++i) t->userSelectRow(rows[i], i > 0);
  } else if (v->kind() == ViewKind::kTabView) {
    auto* t = static_cast<TabView*>(v);
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
}

void ScriptRunner::Type(const std::vector<std::string>& w, const std::string& line) {
  if (w.size() < 2) throw ScriptError{"usage: type TAG TEXT"};
  auto* f = static_cast<TextField*>(As(ViewForTag(w[1]), ViewKind::kTextField, "a text field", w[1]));
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
}

void ScriptRunner::Key(const std::vector<std::string>& w) {
  View* v = ViewForTag(w[1]);
  if (w[2] != "tab" && w[2] != "backtab" && w[2] != "return" && w[2] != "escape") throw UsageError("key");
  if (!Actionable(v, w[1])) return;
  if (w[2] == "tab" || w[2] == "backtab") {
    View* to = w[2] == "tab" ? v->nextValidKeyView() : v->previousValidKeyView();
    if (to == nullptr) {
      out_ << "key: " << w[1] << " " << w[2] << " leads nowhere\n";
    } else {
      Focus(to);
    }
    return;
  }
  // Return and Escape first end an edit in progress, as leaving the
  // field would, then press the default or cancel button.
  if (v->kind() == ViewKind::kTextField) {
    auto* f = static_cast<TextField*>(v);
    if (f->isEditing()) f->endEditing();
  }
  std::string where;
  View* root = Root(where);
  Button* b = root ? ButtonWithKeyEquivalent(*root, w[2] == "return" ? "\r" : "\x1b") : nullptr;
  if (b == nullptr) {
    out_ << "key: " << w[2] << " presses no button in " << where << "\n";
  } else {
    out_ << "key: " << w[2] << " presses \"" << b->title() << "\"\n";
    b->performClick();
  }
}

}  // namespace zqp
