#pragma once
// Views of the headless dialog. A view tree holds the controls an extension
// finds by integer tag; user actions (click, select, type, step...) are
// methods that behave as the control would under a person's hand: a control
// that is disabled or hidden refuses them, and a change sends the control's
// action to its target.
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zqp/export.h"

namespace zqp {

class Window;
class View;

// A tie between a view and a model object (bindings.h). The view owns its
// ties, so they end with it; a person's change of the view's value is passed
// to each before the action is sent.
class ZQP_API ViewBinding {
 public:
  virtual ~ViewBinding();
  virtual void userChangedValue(View&) {}
};

// Root of everything a nib can hold (views and windows).
class ZQP_API Object {
 public:
  virtual ~Object();
};

struct Frame {
  double x = 0, y = 0, width = 0, height = 0;
};

struct Color {
  double red = 0, green = 0, blue = 0, alpha = 1;
  bool operator==(const Color&) const = default;
};
// The two label colours the controls switch between.
inline constexpr Color kControlTextColor{0, 0, 0, 1};
inline constexpr Color kDisabledTextColor{0.67, 0.67, 0.67, 1};

enum class ViewKind {
  kView, kButton, kPopUp, kTextField, kStepper, kSlider, kBox, kColorWell,
  kImageView, kTextView, kTableView, kTabView, kDatePicker, kCustom, kProgressIndicator,
};

class ZQP_API View : public Object {
 public:
  using Action = std::function<void(View&)>;

  explicit View(ViewKind kind = ViewKind::kView) : kind_(kind) {}
  ~View() override;
  View(const View&) = delete;
  View& operator=(const View&) = delete;

  ViewKind kind() const { return kind_; }
  // The nib class name of the view ("Button", "PopUpButton"...).
  virtual std::string className() const;

  int32_t tag() const { return tag_; }
  void setTag(int32_t tag) { tag_ = tag; }
  // A name for views built in code, which carry no nib tag; scripts and
  // dumps find them by it.
  const std::string& identifier() const { return identifier_; }
  void setIdentifier(std::string id) { identifier_ = std::move(id); }
  // The identifier, or for a view with neither identifier nor tag (built in
  // code and never named) one made from its class and its place in the tree:
  // "Button-2.0" is the first subview of the root's third subview. Dumps show
  // it and scripts find the view by it, so every view can be named.
  std::string effectiveIdentifier() const;
  bool isEnabled() const { return enabled_; }
  virtual void setEnabled(bool enabled) { enabled_ = enabled; }
  bool isHidden() const { return hidden_; }
  void setHidden(bool hidden) { hidden_ = hidden; }
  // Hidden itself or inside a hidden view.
  bool isHiddenOrHasHiddenAncestor() const;
  // Enabled, visible, and in no hidden view: what a person can act on.
  bool acceptsUserInput() const;
  const Frame& frame() const { return frame_; }
  void setFrame(const Frame& f) { frame_ = f; }
  const std::string& toolTip() const { return toolTip_; }
  void setToolTip(std::string t) { toolTip_ = std::move(t); }

  // Target and action. The target is only an identity (the control object
  // that handles the view); the action is what runs.
  void setTarget(void* target) { target_ = target; }
  void* target() const { return target_; }
  void setAction(Action action) { action_ = std::move(action); }
  bool hasAction() const { return static_cast<bool>(action_); }
  // Runs the action (as code would send it); false when there is none.
  bool sendAction();
  void addBinding(std::unique_ptr<ViewBinding> binding) { bindings_.push_back(std::move(binding)); }

  // The tree. Subviews are owned by their superview.
  View* addSubview(std::unique_ptr<View> view);
  const std::vector<std::unique_ptr<View>>& subviews() const { return subviews_; }
  View* superview() const { return superview_; }
  Window* window() const;
  // This view or the first descendant (depth first) with the tag.
  View* viewWithTag(int32_t tag);
  // This view or the first descendant (depth first) with the identifier;
  // failing that, the one whose made-up identifier it is.
  View* viewWithIdentifier(const std::string& id);
  View* nextKeyView() const { return nextKeyView_; }
  void setNextKeyView(View* v) { nextKeyView_ = v; }
  // The next (previous) view of the key-view loop that accepts input,
  // following nextKeyView links; null when none does. The previous one is
  // looked for in this view's tree.
  View* nextValidKeyView() const;
  View* previousValidKeyView() const;

  // Own coordinates: the bounds, whose origin setBoundsOrigin and
  // translateOriginToPoint move (it stays moved between draws) and whose size
  // is the frame's unless set. A flipped view counts y downwards from its
  // top; otherwise y grows upwards from the bottom (graphics.h).
  Frame bounds() const;
  void setBoundsOrigin(double x, double y);
  void setBoundsSize(double width, double height);
  void translateOriginToPoint(double x, double y);
  bool isFlipped() const { return flipped_; }
  void setFlipped(bool flipped) { flipped_ = flipped; }
  // A rectangle of `from`'s coordinates in this view's; null `from` is the
  // coordinates of the root of the tree (the window's content view).
  Frame convertRectFromView(const Frame& rect, const View* from) const;

  // One line of state for dumps: kind, enabled, hidden, value or title.
  virtual std::string describe() const;

 protected:
  std::string describeBase() const;
  // Passes a person's change of the value to the view's ties.
  void notifyBindings();

 private:
  friend class Window;
  ViewKind kind_;
  int32_t tag_ = 0;
  std::string identifier_;
  bool enabled_ = true;
  bool hidden_ = false;
  Frame frame_;
  double boundsX_ = 0, boundsY_ = 0, boundsWidth_ = -1, boundsHeight_ = -1;
  bool flipped_ = false;
  std::string toolTip_;
  void* target_ = nullptr;
  Action action_;
  std::vector<std::unique_ptr<View>> subviews_;
  View* superview_ = nullptr;
  Window* window_ = nullptr;  // set on the content view only
  View* nextKeyView_ = nullptr;
  // Last, so the ties go first when the view dies.
  std::vector<std::unique_ptr<ViewBinding>> bindings_;
};

// ---- buttons -------------------------------------------------------------

enum class ButtonType { kPush, kCheck, kRadio };

class ZQP_API Button : public View {
 public:
  explicit Button(ButtonType type = ButtonType::kPush) : View(ViewKind::kButton), type_(type) {}
  std::string className() const override;
  ButtonType buttonType() const { return type_; }
  const std::string& title() const { return title_; }
  void setTitle(std::string t) { title_ = std::move(t); }
  // 0 off, 1 on (push buttons stay 0).
  int state() const { return state_; }
  void setState(int s) { state_ = s; }
  // "\r" makes the window's default button (Return presses it), "\x1b" its
  // cancel button (Escape presses it).
  const std::string& keyEquivalent() const { return keyEquivalent_; }
  void setKeyEquivalent(std::string k) { keyEquivalent_ = std::move(k); }
  // A person's click: a check box toggles, a radio button turns on; then
  // the action is sent. False when the button refuses input.
  bool performClick();
  std::string describe() const override;

 private:
  ButtonType type_;
  std::string title_;
  int state_ = 0;
  std::string keyEquivalent_;
};

// The first button in the tree whose key equivalent is `key` and that a
// person can press; null when none.
ZQP_API Button* ButtonWithKeyEquivalent(View& root, const std::string& key);

// ---- menus and pop-ups ---------------------------------------------------

class Menu;

struct ZQP_API MenuItem {
  // Sent with the chosen item as the sender, so one handler can tell the
  // items apart by their tags.
  using ItemAction = std::function<void(const MenuItem& sender)>;
  MenuItem();
  MenuItem(std::string title, std::string represented = {});
  MenuItem(MenuItem&&) noexcept;
  MenuItem& operator=(MenuItem&&) noexcept;
  ~MenuItem();
  // A line between groups of items; it can never be chosen.
  static MenuItem Separator();
  std::string title;
  std::string representedObject;
  bool enabled = true;
  int32_t tag = 0;
  // A hidden item stays in the menu (indexes keep counting it) but is not
  // shown and cannot be chosen.
  bool hidden = false;
  bool separator = false;
  // The mark beside the title: 0 none, 1 a checkmark, -1 mixed.
  int state = 0;
  // An item with its own action sends it instead of the pop-up's action.
  void* target = nullptr;
  ItemAction action;
  std::unique_ptr<Menu> submenu;
};

class ZQP_API Menu {
 public:
  std::vector<MenuItem>& items() { return items_; }
  const std::vector<MenuItem>& items() const { return items_; }
  MenuItem* itemAtIndex(int index);
  int numberOfItems() const { return static_cast<int>(items_.size()); }
  // Items enable themselves unless this is switched off; only then does an
  // item's own enabled flag count.
  bool autoenablesItems() const { return autoenables_; }
  void setAutoenablesItems(bool on) { autoenables_ = on; }
  bool isItemEffectivelyEnabled(int index) const;
  // Shown, no separator, and enabled: what a person can choose.
  bool isItemSelectable(int index) const;
  // Why a person cannot choose the item ("hidden", "a separator",
  // "disabled", "missing"); empty when it can be chosen.
  std::string whyNotSelectable(int index) const;

 private:
  std::vector<MenuItem> items_;
  bool autoenables_ = true;
};

class ZQP_API PopUpButton : public View {
 public:
  PopUpButton() : View(ViewKind::kPopUp) {}
  std::string className() const override;
  Menu& menu() { return menu_; }
  const Menu& menu() const { return menu_; }
  void addItemWithTitle(std::string title, std::string represented = {});
  void removeAllItems();
  int numberOfItems() const { return menu_.numberOfItems(); }
  MenuItem* itemAtIndex(int index) { return menu_.itemAtIndex(index); }
  void setAutoenablesItems(bool on) { menu_.setAutoenablesItems(on); }
  // -1 when nothing is selected.
  int indexOfSelectedItem() const { return selected_; }
  MenuItem* selectedItem() { return menu_.itemAtIndex(selected_); }
  std::string titleOfSelectedItem() const;
  // Selection by code; out-of-range indexes select nothing.
  void selectItemAtIndex(int index);
  int indexOfItemWithTitle(const std::string& title) const;
  int indexOfItemWithRepresentedObject(const std::string& obj) const;
  // A pull-down shows its first item as a fixed title: that item is never
  // chosen and the title stays whatever the last choice was.
  bool pullsDown() const { return pullsDown_; }
  void setPullsDown(bool on) { pullsDown_ = on; }
  // What the closed control shows: the title item of a pull-down, else the
  // selected item's title.
  std::string displayedTitle() const;
  // Selected item of the selected item's submenu, -1 when none.
  int indexOfSelectedSubmenuItem() const { return selectedSub_; }
  // A person's choice: refused (false) for a control that refuses input or
  // an item that is out of range, disabled, hidden or a separator;
  // otherwise selects and sends the item's action, or the pop-up's when the
  // item has none, even when the item was already selected.
  bool userSelect(int index);
  // The same for item `sub` of item `index`'s submenu.
  bool userSelectSubmenuItem(int index, int sub);
  std::string describe() const override;

 private:
  // The item's own action with the item as sender, else the pop-up's.
  void sendItemAction(const MenuItem& item);
  Menu menu_;
  int selected_ = -1;
  int selectedSub_ = -1;
  bool pullsDown_ = false;
};

// ---- text ----------------------------------------------------------------

// Sees every keystroke of a text field and may refuse it; also converts
// between the field's text and its object value (both text here).
class ZQP_API Formatter {
 public:
  virtual ~Formatter();
  virtual std::optional<std::string> stringForObjectValue(const std::string& object);
  virtual bool getObjectValue(std::string& object, const std::string& string, std::string* errorDescription);
  // May replace the proposed text through newEditingString (with false).
  virtual bool isPartialStringValid(const std::string& partial, std::string* newEditingString,
                                    std::string* errorDescription);
};

class ZQP_API TextField : public View {
 public:
  TextField() : View(ViewKind::kTextField) {}
  std::string className() const override;
  const std::string& stringValue() const { return text_; }
  // Setting by code also runs the formatter's conversion.
  void setStringValue(const std::string& text);
  int integerValue() const;
  void setIntegerValue(int v) { setStringValue(std::to_string(v)); }
  bool isEditable() const { return editable_; }
  void setEditable(bool e) { editable_ = e; }
  bool isSecure() const { return secure_; }
  void setSecure(bool s) { secure_ = s; }
  // A label: not editable, drawn without a bezel.
  bool isLabel() const { return !editable_ && !bezeled_; }
  void setBezeled(bool b) { bezeled_ = b; }
  const Color& textColor() const { return color_; }
  void setTextColor(const Color& c) { color_ = c; }
  void setFormatter(std::shared_ptr<Formatter> f) { formatter_ = std::move(f); }
  Formatter* formatter() const { return formatter_.get(); }
  void setSendsActionOnEndEditing(bool on) { actionOnEnd_ = on; }

  // Called after every accepted keystroke, and when editing ends.
  void setTextDidChange(std::function<void(TextField&)> f) { didChange_ = std::move(f); }
  void setTextDidEndEditing(std::function<void(TextField&)> f) { didEnd_ = std::move(f); }

  // Typing. beginEditing fails for a field that refuses input or is not
  // editable; `replace` selects the whole text so the first key replaces it.
  bool beginEditing(bool replace);
  bool isEditing() const { return editing_; }
  // One key (one UTF-8 character) through the formatter; false when refused.
  bool typeKey(const std::string& key);
  // Each character of text as one key; answers how many were accepted.
  size_t typeText(const std::string& text);
  // A person's select-all and delete: empties the field unless the formatter
  // refuses an empty text; false when refused.
  bool deleteText();
  // Ends editing: the formatter's conversion runs, then the end-of-editing
  // observer and (unless switched off) the action.
  void endEditing();
  std::string describe() const override;

 private:
  // The edit a key or a delete proposes, through the formatter.
  bool propose(std::string proposed);
  std::string text_;
  bool editable_ = true;
  bool secure_ = false;
  bool bezeled_ = true;
  Color color_ = kControlTextColor;
  std::shared_ptr<Formatter> formatter_;
  bool actionOnEnd_ = true;
  bool editing_ = false;
  bool replacePending_ = false;
  std::function<void(TextField&)> didChange_, didEnd_;
};

class ZQP_API TextView : public View {
 public:
  TextView() : View(ViewKind::kTextView) {}
  std::string className() const override;
  const std::string& string() const { return text_; }
  void setString(std::string s) { text_ = std::move(s); }
  bool isEditable() const { return editable_; }
  void setEditable(bool e) { editable_ = e; }
  const Color& textColor() const { return color_; }
  void setTextColor(const Color& c) { color_ = c; }
  std::string describe() const override;

 private:
  std::string text_;
  bool editable_ = true;
  Color color_ = kControlTextColor;
};

// ---- numbers -------------------------------------------------------------

class ZQP_API Stepper : public View {
 public:
  Stepper() : View(ViewKind::kStepper) {}
  std::string className() const override;
  int integerValue() const { return value_; }
  void setIntegerValue(int v);  // clamped to [min, max]
  int minValue() const { return min_; }
  int maxValue() const { return max_; }
  void setMinValue(int v) { min_ = v; setIntegerValue(value_); }
  void setMaxValue(int v) { max_ = v; setIntegerValue(value_); }
  int increment() const { return increment_; }
  void setIncrement(int v) { increment_ = v > 0 ? v : 1; }
  // A press on an arrow: the value moves by the increment within the range
  // (staying put at the end) and the action is sent either way.
  bool userStep(bool up);
  std::string describe() const override;

 private:
  int value_ = 0, min_ = 0, max_ = 100, increment_ = 1;
};

class ZQP_API Slider : public View {
 public:
  Slider() : View(ViewKind::kSlider) {}
  std::string className() const override;
  double doubleValue() const { return value_; }
  int integerValue() const;
  void setDoubleValue(double v);  // clamped
  void setIntegerValue(int v) { setDoubleValue(v); }
  double minValue() const { return min_; }
  double maxValue() const { return max_; }
  void setMinValue(double v) { min_ = v; setDoubleValue(value_); }
  void setMaxValue(double v) { max_ = v; setDoubleValue(value_); }
  // Tick marks spread evenly from the minimum to the maximum (a single one
  // sits in the middle); negative counts count as none.
  int numberOfTickMarks() const { return ticks_; }
  void setNumberOfTickMarks(int n) { ticks_ = n > 0 ? n : 0; }
  // Index out of range: the minimum.
  double tickMarkValueAtIndex(int index) const;
  double closestTickMarkValueToValue(double v) const;
  // When on (and there are tick marks), a person's slide stops on the
  // nearest tick mark.
  bool allowsTickMarkValuesOnly() const { return tickOnly_; }
  void setAllowsTickMarkValuesOnly(bool on) { tickOnly_ = on; }
  bool userSlide(double v);
  std::string describe() const override;

 private:
  double value_ = 0, min_ = 0, max_ = 100;
  int ticks_ = 0;
  bool tickOnly_ = false;
};

// A bar that fills from the minimum to the maximum; an indeterminate one
// shows only that work goes on while it animates.
class ZQP_API ProgressIndicator : public View {
 public:
  ProgressIndicator() : View(ViewKind::kProgressIndicator) {}
  std::string className() const override;
  double doubleValue() const { return value_; }
  void setDoubleValue(double v);  // clamped
  double minValue() const { return min_; }
  double maxValue() const { return max_; }
  void setMinValue(double v) { min_ = v; setDoubleValue(value_); }
  void setMaxValue(double v) { max_ = v; setDoubleValue(value_); }
  // Moves the value on by delta, within the range.
  void incrementBy(double delta) { setDoubleValue(value_ + delta); }
  bool isIndeterminate() const { return indeterminate_; }
  void setIndeterminate(bool on) { indeterminate_ = on; }
  bool isAnimating() const { return animating_; }
  void startAnimation() { animating_ = true; }
  void stopAnimation() { animating_ = false; }
  // The filled share in [0, 1]; 0 for an indeterminate bar or an empty range.
  double fraction() const;
  std::string describe() const override;

 private:
  double value_ = 0, min_ = 0, max_ = 100;
  bool indeterminate_ = false;
  bool animating_ = false;
};

// ---- decoration and pictures ---------------------------------------------

class ZQP_API Box : public View {
 public:
  Box() : View(ViewKind::kBox) {}
  std::string className() const override;
  const std::string& title() const { return title_; }
  void setTitle(std::string t) { title_ = std::move(t); }
  std::string describe() const override;

 private:
  std::string title_;
};

class ZQP_API ColorWell : public View {
 public:
  ColorWell() : View(ViewKind::kColorWell) {}
  std::string className() const override;
  const Color& color() const { return color_; }
  void setColor(const Color& c) { color_ = c; }
  // Components are clamped to [0, 1].
  bool userSetColor(const Color& c);
  std::string describe() const override;

 private:
  Color color_;
};

// A picture file; the layer keeps its path and whether it could be found.
class ZQP_API Image {
 public:
  // Null when the file does not exist.
  static std::shared_ptr<Image> FromFile(const std::string& path);
  const std::string& path() const { return path_; }

 private:
  explicit Image(std::string path) : path_(std::move(path)) {}
  std::string path_;
};

class ZQP_API ImageView : public View {
 public:
  ImageView() : View(ViewKind::kImageView) {}
  std::string className() const override;
  const std::shared_ptr<Image>& image() const { return image_; }
  void setImage(std::shared_ptr<Image> i) { image_ = std::move(i); }
  std::string describe() const override;

 private:
  std::shared_ptr<Image> image_;
};

// Drawn by its owner's callback (previews, gradients).
class ZQP_API CustomView : public View {
 public:
  CustomView() : View(ViewKind::kCustom) {}
  std::string className() const override;
  void setDrawHandler(std::function<void(CustomView&)> f) { draw_ = std::move(f); }
  void setNeedsDisplay() { needsDisplay_ = true; }
  bool needsDisplay() const { return needsDisplay_; }
  // Runs the draw handler; answers whether there was one.
  bool display();
  int drawCount() const { return drawCount_; }

 private:
  std::function<void(CustomView&)> draw_;
  bool needsDisplay_ = false;
  int drawCount_ = 0;
};

// ---- tables and tabs -----------------------------------------------------

class ZQP_API TableDataSource {
 public:
  virtual ~TableDataSource();
  virtual int numberOfRows() = 0;
  virtual std::string objectValue(const std::string& column, int row) = 0;
  virtual std::string toolTip(const std::string& /*column*/, int /*row*/) { return {}; }
};

class ZQP_API TableView : public View {
 public:
  struct Column {
    std::string identifier;
    std::string title;
  };
  TableView() : View(ViewKind::kTableView) {}
  std::string className() const override;
  std::vector<Column>& columns() { return columns_; }
  void setDataSource(TableDataSource* ds) { dataSource_ = ds; }
  TableDataSource* dataSource() const { return dataSource_; }
  int numberOfRows() const;
  std::string cell(const std::string& column, int row) const;
  std::string toolTipAt(const std::string& column, int row) const;
  // Drops selected rows that no longer exist.
  void reloadData();
  const std::vector<int>& selectedRows() const { return selected_; }
  int selectedRow() const { return selected_.empty() ? -1 : selected_.front(); }
  void setAllowsMultipleSelection(bool on) { multiple_ = on; }
  // By code: out-of-range rows are ignored.
  void selectRows(std::vector<int> rows, bool extend);
  void deselectAll() { selected_.clear(); }
  // A person's click on a row (extend: with the command key); sends the action.
  bool userSelectRow(int row, bool extend);
  void setDoubleAction(Action a) { doubleAction_ = std::move(a); }
  bool userDoubleClick(int row);
  std::string describe() const override;

 private:
  std::vector<Column> columns_;
  TableDataSource* dataSource_ = nullptr;
  std::vector<int> selected_;
  bool multiple_ = false;
  Action doubleAction_;
};

class ZQP_API TabView : public View {
 public:
  struct Item {
    std::string identifier;
    std::string label;
    View* view = nullptr;  // a subview of the tab view
  };
  TabView() : View(ViewKind::kTabView) {}
  std::string className() const override;
  // The tab's view becomes a subview; only the selected tab's view shows.
  void addTab(std::string identifier, std::string label, std::unique_ptr<View> view);
  const std::vector<Item>& items() const { return items_; }
  // Renames a tab (a panel relabels its tabs after loading); false when
  // there is no such tab.
  bool setLabel(int index, std::string label);
  int indexOfSelectedTab() const { return selected_; }
  void selectTabAtIndex(int index);
  bool userSelectTab(int index);
  std::string describe() const override;

 private:
  std::vector<Item> items_;
  int selected_ = -1;
};

// ---- dates ---------------------------------------------------------------

class ZQP_API DatePicker : public View {
 public:
  DatePicker() : View(ViewKind::kDatePicker) {}
  std::string className() const override;
  std::time_t dateValue() const { return date_; }
  void setDateValue(std::time_t t) { date_ = t; }
  // Hour and minute of the value in the layer's local time zone.
  int hour() const;
  int minute() const;
  // A person sets the time of day: the date part is kept, seconds become 0.
  // False for a refused input or an hour/minute out of range.
  bool userSetTime(int hour, int minute);
  std::string describe() const override;

 private:
  std::time_t date_ = 0;
};

}  // namespace zqp
