#include "zqp/view.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "zqp/system.h"
#include "zqp/utf8.h"
#include "zqp/window.h"

namespace zqp {

Object::~Object() = default;
Formatter::~Formatter() = default;
TableDataSource::~TableDataSource() = default;

namespace {

std::string Flags(const View& v) {
  std::string s = v.isEnabled() ? "enabled" : "disabled";
  if (v.isHidden()) s += " hidden";
  return s;
}

// Quoted so that one view stays one line of a dump whatever its text holds:
// quotes, backslashes and control bytes are written as escapes.
std::string Quote(const std::string& s) {
  std::string q = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"': q += "\\\""; break;
      case '\\': q += "\\\\"; break;
      case '\n': q += "\\n"; break;
      case '\r': q += "\\r"; break;
      case '\t': q += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7f) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02x", c);
          q += buf;
        } else {
          q += static_cast<char>(c);
        }
    }
  }
  return q + "\"";
}

std::string Number(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

std::string ColorText(const Color& c) {
  return Number(c.red) + " " + Number(c.green) + " " + Number(c.blue) + " " + Number(c.alpha);
}

}  // namespace

// ---- View ------------------------------------------------------------------

View::~View() = default;

std::string View::className() const { return "View"; }

bool View::isHiddenOrHasHiddenAncestor() const {
  for (const View* v = this; v != nullptr; v = v->superview_) {
    if (v->hidden_) return true;
  }
  return false;
}

bool View::acceptsUserInput() const { return enabled_ && !isHiddenOrHasHiddenAncestor(); }

ViewBinding::~ViewBinding() = default;

void View::notifyBindings() {
  // By index: a tie may add another while it runs.
  for (size_t i = 0; i < bindings_.size(); ++i) bindings_[i]->userChangedValue(*this);
}

bool View::sendAction() {
  // The model learns the new value before the target acts on it.
  notifyBindings();
  if (!action_) return false;
  // The action may replace itself; run a copy.
  Action a = action_;
  a(*this);
  return true;
}

View* View::addSubview(std::unique_ptr<View> view) {
  if (!view) return nullptr;
  view->superview_ = this;
  subviews_.push_back(std::move(view));
  return subviews_.back().get();
}

Window* View::window() const {
  const View* v = this;
  while (v->superview_ != nullptr) v = v->superview_;
  return v->window_;
}

View* View::viewWithTag(int32_t tag) {
  if (tag_ == tag) return this;
  for (auto& s : subviews_) {
    if (View* found = s->viewWithTag(tag)) return found;
  }
  return nullptr;
}

namespace {

View* ViewWithGivenIdentifier(View& v, const std::string& id) {
  if (v.identifier() == id) return &v;
  for (auto& s : v.subviews()) {
    if (View* found = ViewWithGivenIdentifier(*s, id)) return found;
  }
  return nullptr;
}

View* ViewWithMadeUpIdentifier(View& v, const std::string& id) {
  if (v.identifier().empty() && v.tag() == 0 && v.effectiveIdentifier() == id) return &v;
  for (auto& s : v.subviews()) {
    if (View* found = ViewWithMadeUpIdentifier(*s, id)) return found;
  }
  return nullptr;
}

}  // namespace

View* View::viewWithIdentifier(const std::string& id) {
  if (id.empty()) return nullptr;
  // Given names win: a made-up one can never hide a view named on purpose.
  if (View* found = ViewWithGivenIdentifier(*this, id)) return found;
  return ViewWithMadeUpIdentifier(*this, id);
}

std::string View::effectiveIdentifier() const {
  if (!identifier_.empty() || tag_ != 0) return identifier_;
  std::string path;
  for (const View* v = this; v->superview_ != nullptr; v = v->superview_) {
    const auto& siblings = v->superview_->subviews_;
    size_t i = 0;
    while (i < siblings.size() && siblings[i].get() != v) ++i;
    path = std::to_string(i) + (path.empty() ? "" : "." + path);
  }
  return className() + "-" + (path.empty() ? "root" : path);
}

View* View::nextValidKeyView() const {
  // The loop may close on itself or on a view that is not in it: stop once
  // every link has been followed.
  std::vector<const View*> seen{this};
  for (View* v = nextKeyView_; v != nullptr; v = v->nextKeyView_) {
    if (std::find(seen.begin(), seen.end(), v) != seen.end()) return nullptr;
    if (v->acceptsUserInput()) return v;
    seen.push_back(v);
  }
  return nullptr;
}

namespace {

View* ViewLinkingTo(View& v, const View* target) {
  if (v.nextKeyView() == target) return &v;
  for (auto& s : v.subviews()) {
    if (View* found = ViewLinkingTo(*s, target)) return found;
  }
  return nullptr;
}

}  // namespace

View* View::previousValidKeyView() const {
  View* root = const_cast<View*>(this);
  while (root->superview_ != nullptr) root = root->superview_;
  std::vector<const View*> seen{this};
  for (View* v = ViewLinkingTo(*root, this); v != nullptr; v = ViewLinkingTo(*root, v)) {
    if (std::find(seen.begin(), seen.end(), v) != seen.end()) return nullptr;
    if (v->acceptsUserInput()) return v;
    seen.push_back(v);
  }
  return nullptr;
}

std::string View::describeBase() const {
  const std::string id = effectiveIdentifier();
  return className() + (id.empty() ? "" : " #" + id) + " tag=" + std::to_string(tag_) + " " + Flags(*this);
}

std::string View::describe() const { return describeBase(); }

// ---- Button ------------------------------------------------------------------

std::string Button::className() const {
  switch (type_) {
    case ButtonType::kCheck: return "CheckBox";
    case ButtonType::kRadio: return "RadioButton";
    case ButtonType::kPush: break;
  }
  return "Button";
}

bool Button::performClick() {
  if (!acceptsUserInput()) return false;
  if (type_ == ButtonType::kCheck) state_ = state_ ? 0 : 1;
  if (type_ == ButtonType::kRadio) state_ = 1;
  sendAction();
  return true;
}

Button* ButtonWithKeyEquivalent(View& root, const std::string& key) {
  if (root.kind() == ViewKind::kButton) {
    auto& b = static_cast<Button&>(root);
    if (!key.empty() && b.keyEquivalent() == key && b.acceptsUserInput()) return &b;
  }
  for (auto& s : root.subviews()) {
    if (Button* found = ButtonWithKeyEquivalent(*s, key)) return found;
  }
  return nullptr;
}

std::string Button::describe() const {
  std::string s = describeBase() + " title=" + Quote(title_);
  if (keyEquivalent_ == "\r") s += " default";
  if (keyEquivalent_ == "\x1b") s += " cancel";
  if (type_ != ButtonType::kPush) s += " state=" + std::to_string(state_);
  return s;
}

// ---- menus -------------------------------------------------------------------

MenuItem::MenuItem() = default;
MenuItem::MenuItem(std::string t, std::string r) : title(std::move(t)), representedObject(std::move(r)) {}
MenuItem::MenuItem(MenuItem&&) noexcept = default;
MenuItem& MenuItem::operator=(MenuItem&&) noexcept = default;
MenuItem::~MenuItem() = default;

MenuItem MenuItem::Separator() {
  MenuItem item;
  item.separator = true;
  item.enabled = false;
  return item;
}

MenuItem* Menu::itemAtIndex(int index) {
  if (index < 0 || index >= numberOfItems()) return nullptr;
  return &items_[static_cast<size_t>(index)];
}

bool Menu::isItemEffectivelyEnabled(int index) const {
  if (index < 0 || index >= numberOfItems()) return false;
  const MenuItem& item = items_[static_cast<size_t>(index)];
  // Autoenabling never makes a separator choosable.
  return !item.separator && (autoenables_ || item.enabled);
}

bool Menu::isItemSelectable(int index) const { return whyNotSelectable(index).empty(); }

std::string Menu::whyNotSelectable(int index) const {
  if (index < 0 || index >= numberOfItems()) return "missing";
  const MenuItem& item = items_[static_cast<size_t>(index)];
  if (item.separator) return "a separator";
  if (item.hidden) return "hidden";
  if (!isItemEffectivelyEnabled(index)) return "disabled";
  return {};
}

std::string PopUpButton::className() const { return "PopUpButton"; }

void PopUpButton::addItemWithTitle(std::string title, std::string represented) {
  menu_.items().emplace_back(std::move(title), std::move(represented));
  if (selected_ < 0) selected_ = 0;  // a pop-up shows its first item
}

void PopUpButton::removeAllItems() {
  menu_.items().clear();
  selected_ = -1;
  selectedSub_ = -1;
}

std::string PopUpButton::titleOfSelectedItem() const {
  if (selected_ < 0 || selected_ >= menu_.numberOfItems()) return {};
  return menu_.items()[static_cast<size_t>(selected_)].title;
}

void PopUpButton::selectItemAtIndex(int index) {
  selected_ = (index >= 0 && index < menu_.numberOfItems()) ? index : -1;
  selectedSub_ = -1;
}

int PopUpButton::indexOfItemWithTitle(const std::string& title) const {
  for (int i = 0; i < menu_.numberOfItems(); ++i) {
    if (menu_.items()[static_cast<size_t>(i)].title == title) return i;
  }
  return -1;
}

int PopUpButton::indexOfItemWithRepresentedObject(const std::string& obj) const {
  for (int i = 0; i < menu_.numberOfItems(); ++i) {
    if (menu_.items()[static_cast<size_t>(i)].representedObject == obj) return i;
  }
  return -1;
}

void PopUpButton::sendItemAction(const MenuItem& item) {
  if (!item.action) {
    sendAction();
    return;
  }
  // The handler may rebuild the menu; run a copy.
  MenuItem::ItemAction a = item.action;
  a(item);
}

std::string PopUpButton::displayedTitle() const {
  if (pullsDown_) return menu_.numberOfItems() > 0 ? menu_.items().front().title : std::string();
  return titleOfSelectedItem();
}

bool PopUpButton::userSelect(int index) {
  if (!acceptsUserInput() || !menu_.isItemSelectable(index)) return false;
  if (pullsDown_ && index == 0) return false;  // the title, not a choice
  if (menu_.items()[static_cast<size_t>(index)].submenu) return false;  // opens, chooses nothing
  selectItemAtIndex(index);
  sendItemAction(menu_.items()[static_cast<size_t>(index)]);
  return true;
}

bool PopUpButton::userSelectSubmenuItem(int index, int sub) {
  if (!acceptsUserInput() || !menu_.isItemSelectable(index)) return false;
  if (pullsDown_ && index == 0) return false;
  Menu* m = menu_.items()[static_cast<size_t>(index)].submenu.get();
  if (m == nullptr || !m->isItemSelectable(sub)) return false;
  selected_ = index;
  selectedSub_ = sub;
  sendItemAction(m->items()[static_cast<size_t>(sub)]);
  return true;
}

namespace {

// One item as dumps show it: its title and every mark that changes what a
// person sees or can choose.
std::string DescribeItem(const Menu& menu, int i) {
  const MenuItem& it = menu.items()[static_cast<size_t>(i)];
  if (it.separator) return std::string("---") + (it.hidden ? " (hidden)" : "");
  std::string s = Quote(it.title);
  if (it.tag != 0) s += " tag=" + std::to_string(it.tag);
  if (it.state == 1) s += " (checked)";
  if (it.state == -1) s += " (mixed)";
  if (it.hidden) s += " (hidden)";
  if (!menu.isItemEffectivelyEnabled(i)) s += " (disabled)";
  return s;
}

}  // namespace

std::string PopUpButton::describe() const {
  std::string s = describeBase() + (pullsDown_ ? " pullsDown" : "") + " selected=" + std::to_string(selected_) +
                  " items=[";
  for (int i = 0; i < menu_.numberOfItems(); ++i) {
    const MenuItem& it = menu_.items()[static_cast<size_t>(i)];
    if (i) s += ", ";
    s += DescribeItem(menu_, i);
    if (it.submenu) s += " (submenu " + std::to_string(it.submenu->numberOfItems()) + ")";
  }
  return s + "]";
}

// ---- Formatter ---------------------------------------------------------------

std::optional<std::string> Formatter::stringForObjectValue(const std::string& object) { return object; }

bool Formatter::getObjectValue(std::string& object, const std::string& string, std::string*) {
  object = string;
  return true;
}

bool Formatter::isPartialStringValid(const std::string&, std::string*, std::string*) { return true; }

// ---- TextField -----------------------------------------------------------------

std::string TextField::className() const {
  if (secure_) return "SecureTextField";
  return isLabel() ? "Label" : "TextField";
}

void TextField::setStringValue(const std::string& text) {
  if (formatter_) {
    std::string object;
    if (formatter_->getObjectValue(object, text, nullptr)) {
      text_ = formatter_->stringForObjectValue(object).value_or(std::string());
      return;
    }
  }
  text_ = text;
}

int TextField::integerValue() const { return std::atoi(text_.c_str()); }

bool TextField::beginEditing(bool replace) {
  if (!acceptsUserInput() || !editable_) return false;
  if (Window* w = window(); w != nullptr && w->firstResponder() != this) {
    if (!w->makeFirstResponder(this)) return false;
  }
  editing_ = true;
  replacePending_ = replace;
  return true;
}

bool TextField::typeKey(const std::string& key) {
  if (!editing_ && !beginEditing(false)) return false;
  return propose(replacePending_ ? key : text_ + key);
}

bool TextField::deleteText() {
  if (!editing_ && !beginEditing(false)) return false;
  return propose(std::string());
}

bool TextField::propose(std::string proposed) {
  if (formatter_) {
    std::string newEditing, error;
    if (!formatter_->isPartialStringValid(proposed, &newEditing, &error)) {
      // A formatter may refuse and offer a corrected text instead.
      if (newEditing.empty()) return false;
      proposed = newEditing;
    }
  }
  text_ = proposed;
  replacePending_ = false;
  if (didChange_) didChange_(*this);
  return true;
}

size_t TextField::typeText(const std::string& text) {
  size_t accepted = 0, pos = 0;
  while (pos < text.size()) {
    size_t next = pos;
    char32_t cp;
    if (!NextCodePoint(text, next, cp)) next = pos + 1;
    accepted += typeKey(text.substr(pos, next - pos)) ? 1 : 0;
    pos = next;
  }
  return accepted;
}

void TextField::endEditing() {
  if (!editing_) return;
  editing_ = false;
  if (replacePending_) {
    // Selected but nothing typed: the text stays.
    replacePending_ = false;
  }
  if (formatter_) setStringValue(text_);
  if (didEnd_) didEnd_(*this);
  if (actionOnEnd_) {
    sendAction();
  } else {
    notifyBindings();
  }
}

std::string TextField::describe() const {
  std::string shown = secure_ ? std::string(Utf16Length(text_), '*') : text_;
  return describeBase() + " value=" + Quote(shown);
}

std::string TextView::className() const { return "TextView"; }
std::string TextView::describe() const {
  std::string s = describeBase() + " value=" + Quote(text_);
  if (!(color_ == kControlTextColor)) s += " color=" + ColorText(color_);
  return s;
}

// ---- Stepper and slider ---------------------------------------------------------

std::string Stepper::className() const { return "Stepper"; }

void Stepper::setIntegerValue(int v) { value_ = std::clamp(v, min_, std::max(min_, max_)); }

bool Stepper::userStep(bool up) {
  if (!acceptsUserInput()) return false;
  long next = static_cast<long>(value_) + (up ? increment_ : -increment_);
  if (next > max_) next = max_;
  if (next < min_) next = min_;
  value_ = static_cast<int>(next);
  sendAction();
  return true;
}

std::string Stepper::describe() const {
  return describeBase() + " value=" + std::to_string(value_) + " range=" + std::to_string(min_) + ".." +
         std::to_string(max_);
}

std::string Slider::className() const { return "Slider"; }

int Slider::integerValue() const { return static_cast<int>(std::lround(value_)); }

void Slider::setDoubleValue(double v) {
  if (std::isnan(v)) v = min_;
  value_ = std::clamp(v, min_, std::max(min_, max_));
}

double Slider::tickMarkValueAtIndex(int index) const {
  if (index < 0 || index >= ticks_) return min_;
  if (ticks_ == 1) return (min_ + max_) / 2;
  return min_ + (max_ - min_) * index / (ticks_ - 1);
}

double Slider::closestTickMarkValueToValue(double v) const {
  if (ticks_ <= 0 || std::isnan(v)) return v;
  double best = tickMarkValueAtIndex(0);
  for (int i = 1; i < ticks_; ++i) {
    const double t = tickMarkValueAtIndex(i);
    if (std::fabs(t - v) < std::fabs(best - v)) best = t;
  }
  return best;
}

bool Slider::userSlide(double v) {
  if (!acceptsUserInput() || std::isnan(v)) return false;
  // The knob is clamped first, so a slide past the end stops on the last
  // tick mark rather than one beyond the range.
  setDoubleValue(v);
  if (tickOnly_ && ticks_ > 0) setDoubleValue(closestTickMarkValueToValue(value_));
  sendAction();
  return true;
}

std::string Slider::describe() const {
  std::string s = describeBase() + " value=" + Number(value_);
  if (ticks_ > 0) s += " ticks=" + std::to_string(ticks_) + (tickOnly_ ? " stops-on-ticks" : "");
  return s;
}

// ---- ProgressIndicator -----------------------------------------------------------

std::string ProgressIndicator::className() const { return "ProgressIndicator"; }

void ProgressIndicator::setDoubleValue(double v) {
  if (std::isnan(v)) v = min_;
  value_ = std::clamp(v, min_, std::max(min_, max_));
}

double ProgressIndicator::fraction() const {
  if (indeterminate_ || !(max_ > min_)) return 0;
  return (value_ - min_) / (max_ - min_);
}

std::string ProgressIndicator::describe() const {
  std::string s = describeBase();
  s += indeterminate_ ? " indeterminate" : " value=" + Number(value_) + " range=" + Number(min_) + ".." + Number(max_);
  if (animating_) s += " animating";
  return s;
}

// ---- decoration ------------------------------------------------------------------

std::string Box::className() const { return "Box"; }
std::string Box::describe() const { return describeBase() + " title=" + Quote(title_); }

std::string ColorWell::className() const { return "ColorWell"; }

bool ColorWell::userSetColor(const Color& c) {
  if (!acceptsUserInput()) return false;
  auto clamp01 = [](double v) { return std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0); };
  color_ = Color{clamp01(c.red), clamp01(c.green), clamp01(c.blue), clamp01(c.alpha)};
  sendAction();
  return true;
}

std::string ColorWell::describe() const {
  char buf[128];
  std::snprintf(buf, sizeof buf, " value=%g %g %g %g", color_.red, color_.green, color_.blue, color_.alpha);
  return describeBase() + buf;
}

std::shared_ptr<Image> Image::FromFile(const std::string& path) {
  struct stat st;
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
  return std::shared_ptr<Image>(new Image(path));
}

std::string ImageView::className() const { return "ImageView"; }
std::string ImageView::describe() const {
  return describeBase() + " image=" + Quote(image_ ? image_->path() : std::string());
}

std::string CustomView::className() const { return "CustomView"; }

bool CustomView::display() {
  needsDisplay_ = false;
  if (!draw_) return false;
  ++drawCount_;
  draw_(*this);
  return true;
}

// ---- TableView -------------------------------------------------------------------

std::string TableView::className() const { return "TableView"; }

int TableView::numberOfRows() const { return dataSource_ ? std::max(0, dataSource_->numberOfRows()) : 0; }

std::string TableView::cell(const std::string& column, int row) const {
  if (dataSource_ == nullptr || row < 0 || row >= numberOfRows()) return {};
  return dataSource_->objectValue(column, row);
}

std::string TableView::toolTipAt(const std::string& column, int row) const {
  if (dataSource_ == nullptr || row < 0 || row >= numberOfRows()) return {};
  return dataSource_->toolTip(column, row);
}

void TableView::reloadData() {
  const int n = numberOfRows();
  std::erase_if(selected_, [n](int r) { return r >= n; });
}

void TableView::selectRows(std::vector<int> rows, bool extend) {
  if (!extend) selected_.clear();
  const int n = numberOfRows();
  for (int r : rows) {
    if (r < 0 || r >= n) continue;
    if (!multiple_) selected_.clear();
    if (std::find(selected_.begin(), selected_.end(), r) == selected_.end()) selected_.push_back(r);
  }
  std::sort(selected_.begin(), selected_.end());
}

bool TableView::userSelectRow(int row, bool extend) {
  if (!acceptsUserInput() || row < 0 || row >= numberOfRows()) return false;
  selectRows({row}, extend && multiple_);
  sendAction();
  return true;
}

bool TableView::userDoubleClick(int row) {
  if (!acceptsUserInput() || row < 0 || row >= numberOfRows()) return false;
  selectRows({row}, false);
  if (doubleAction_) {
    Action a = doubleAction_;
    a(*this);
  }
  return true;
}

std::string TableView::describe() const {
  std::string s = describeBase() + " rows=" + std::to_string(numberOfRows()) + " selected=[";
  for (size_t i = 0; i < selected_.size(); ++i) s += (i ? "," : "") + std::to_string(selected_[i]);
  return s + "]";
}

// ---- TabView -----------------------------------------------------------------------

std::string TabView::className() const { return "TabView"; }

void TabView::addTab(std::string identifier, std::string label, std::unique_ptr<View> view) {
  View* raw = view ? addSubview(std::move(view)) : nullptr;
  items_.push_back(Item{std::move(identifier), std::move(label), raw});
  if (selected_ < 0) {
    selectTabAtIndex(0);
  } else if (raw) {
    raw->setHidden(true);
  }
}

void TabView::selectTabAtIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  selected_ = index;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].view) items_[i].view->setHidden(static_cast<int>(i) != index);
  }
}

bool TabView::setLabel(int index, std::string label) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return false;
  items_[static_cast<size_t>(index)].label = std::move(label);
  return true;
}

bool TabView::userSelectTab(int index) {
  if (!acceptsUserInput() || index < 0 || index >= static_cast<int>(items_.size())) return false;
  selectTabAtIndex(index);
  sendAction();
  return true;
}

std::string TabView::describe() const {
  std::string s = describeBase() + " selected=" + std::to_string(selected_) + " items=[";
  for (size_t i = 0; i < items_.size(); ++i) s += (i ? ", " : "") + Quote(items_[i].label);
  return s + "]";
}

// ---- DatePicker ----------------------------------------------------------------------

std::string DatePicker::className() const { return "DatePicker"; }

int DatePicker::hour() const {
  std::tm tm{};
  return LocalTime(date_, tm) ? tm.tm_hour : 0;
}

int DatePicker::minute() const {
  std::tm tm{};
  return LocalTime(date_, tm) ? tm.tm_min : 0;
}

bool DatePicker::userSetTime(int h, int m) {
  if (!acceptsUserInput() || h < 0 || h > 23 || m < 0 || m > 59) return false;
  std::tm tm{};
  if (!LocalTime(date_, tm)) return false;
  tm.tm_hour = h;
  tm.tm_min = m;
  tm.tm_sec = 0;
  tm.tm_isdst = -1;
  std::time_t t = std::mktime(&tm);
  if (t == static_cast<std::time_t>(-1)) return false;
  date_ = t;
  sendAction();
  return true;
}

std::string DatePicker::describe() const {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d", hour(), minute());
  return describeBase() + " value=" + buf;
}

}  // namespace zqp
