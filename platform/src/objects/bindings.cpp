#include "zqp/bindings.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

namespace zqp {

namespace {

enum class Property { kValue, kEnabled, kHidden, kEditable, kTextColor };

std::string Text(const KeyValue& v) {
  if (const auto* s = std::get_if<std::string>(&v)) return *s;
  if (const auto* i = std::get_if<int64_t>(&v)) return std::to_string(*i);
  if (const auto* b = std::get_if<bool>(&v)) return *b ? "1" : "0";
  if (const auto* d = std::get_if<double>(&v)) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", *d);
    return buf;
  }
  return {};
}

std::optional<double> Number(const KeyValue& v) {
  if (const auto* i = std::get_if<int64_t>(&v)) return static_cast<double>(*i);
  if (const auto* d = std::get_if<double>(&v)) return std::isfinite(*d) ? std::optional<double>(*d) : std::nullopt;
  if (const auto* b = std::get_if<bool>(&v)) return *b ? 1.0 : 0.0;
  if (const auto* s = std::get_if<std::string>(&v)) {
    // The whole text must be the number; a partial read would store a value
    // the person never typed.
    double d = 0;
    const char* end = s->data() + s->size();
    auto [p, ec] = std::from_chars(s->data(), end, d);
    if (ec != std::errc() || p != end || !std::isfinite(d)) return std::nullopt;
    return d;
  }
  return std::nullopt;
}

// An int for a view, clamped rather than wrapped.
int Int(double d) {
  if (d <= INT_MIN) return INT_MIN;
  if (d >= INT_MAX) return INT_MAX;
  return static_cast<int>(std::lround(d));
}

// The view's value in the type the key holds now, so a key that holds a
// number keeps holding one; nothing when it cannot be.
std::optional<KeyValue> Like(const KeyValue& current, const KeyValue& v) {
  if (std::holds_alternative<bool>(current)) return KeyValue{KeyValueIsTrue(v)};
  if (std::holds_alternative<int64_t>(current)) {
    auto n = Number(v);
    if (!n || *n != std::floor(*n) || *n < -9.2e18 || *n > 9.2e18) return std::nullopt;
    return KeyValue{static_cast<int64_t>(*n)};
  }
  if (std::holds_alternative<double>(current)) {
    auto n = Number(v);
    if (!n) return std::nullopt;
    return KeyValue{*n};
  }
  if (std::holds_alternative<std::string>(current)) return KeyValue{Text(v)};
  if (std::holds_alternative<Color>(current) && !std::holds_alternative<Color>(v)) return std::nullopt;
  return v;
}

class Binding : public ViewBinding {
 public:
  Binding(View& view, Property property, Observable& object, std::string key, bool negate)
      : view_(view), property_(property), object_(object), key_(std::move(key)), negate_(negate) {}

  void start() {
    observation_ = object_.addObserver(key_, kObservingNew | kObservingInitial,
                                       [this](const ObservedChange& c) { show(c.newValue); });
  }

  void userChangedValue(View&) override {
    if (property_ != Property::kValue || !observation_ || !observation_->isValid()) return;
    KeyValue v = viewValue();
    if (negate_) v = KeyValue{!KeyValueIsTrue(v)};
    auto typed = Like(object_.valueForKey(key_), v);
    // A refused change leaves the key as it was: the view shows it again.
    if (!typed || !object_.setValueForKey(key_, *typed)) show(object_.valueForKey(key_));
  }

 private:
  KeyValue viewValue() const {
    if (auto* b = dynamic_cast<Button*>(&view_)) return KeyValue{b->state() != 0};
    if (auto* p = dynamic_cast<PopUpButton*>(&view_)) return KeyValue{int64_t{p->indexOfSelectedItem()}};
    if (auto* t = dynamic_cast<TextField*>(&view_)) return KeyValue{t->stringValue()};
    if (auto* t = dynamic_cast<TextView*>(&view_)) return KeyValue{t->string()};
    if (auto* s = dynamic_cast<Stepper*>(&view_)) return KeyValue{int64_t{s->integerValue()}};
    if (auto* s = dynamic_cast<Slider*>(&view_)) return KeyValue{s->doubleValue()};
    if (auto* c = dynamic_cast<ColorWell*>(&view_)) return KeyValue{c->color()};
    return {};
  }

  void show(KeyValue v) {
    if (negate_) v = KeyValue{!KeyValueIsTrue(v)};
    switch (property_) {
      case Property::kEnabled: view_.setEnabled(KeyValueIsTrue(v)); return;
      case Property::kHidden: view_.setHidden(KeyValueIsTrue(v)); return;
      case Property::kEditable:
        if (auto* t = dynamic_cast<TextField*>(&view_)) t->setEditable(KeyValueIsTrue(v));
        else if (auto* tv = dynamic_cast<TextView*>(&view_)) tv->setEditable(KeyValueIsTrue(v));
        return;
      case Property::kTextColor:
        if (auto* t = dynamic_cast<TextField*>(&view_)) {
          const auto* c = std::get_if<Color>(&v);
          t->setTextColor(c ? *c : kControlTextColor);
        }
        return;
      case Property::kValue: break;
    }
    if (auto* b = dynamic_cast<Button*>(&view_)) b->setState(KeyValueIsTrue(v) ? 1 : 0);
    else if (auto* p = dynamic_cast<PopUpButton*>(&view_)) p->selectItemAtIndex(Int(Number(v).value_or(-1)));
    else if (auto* t = dynamic_cast<TextField*>(&view_)) t->setStringValue(Text(v));
    else if (auto* tv = dynamic_cast<TextView*>(&view_)) tv->setString(Text(v));
    else if (auto* s = dynamic_cast<Stepper*>(&view_)) s->setIntegerValue(Int(Number(v).value_or(s->minValue())));
    else if (auto* sl = dynamic_cast<Slider*>(&view_)) sl->setDoubleValue(Number(v).value_or(sl->minValue()));
    else if (auto* c = dynamic_cast<ColorWell*>(&view_)) {
      if (const auto* color = std::get_if<Color>(&v)) c->setColor(*color);
    }
  }

  View& view_;
  Property property_;
  Observable& object_;
  std::string key_;
  bool negate_;
  std::unique_ptr<Observation> observation_;
};

bool HasValue(const View& v) {
  switch (v.kind()) {
    case ViewKind::kButton:
    case ViewKind::kPopUp:
    case ViewKind::kTextField:
    case ViewKind::kTextView:
    case ViewKind::kStepper:
    case ViewKind::kSlider:
    case ViewKind::kColorWell:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool Bind(View& view, const std::string& property, Observable& object, const std::string& key,
          const std::string& transformer, std::string* error) {
  auto fail = [error](std::string why) {
    if (error) *error = std::move(why);
    return false;
  };
  Property p;
  const bool text = view.kind() == ViewKind::kTextField || view.kind() == ViewKind::kTextView;
  if (property == "value" && HasValue(view)) p = Property::kValue;
  else if (property == "enabled") p = Property::kEnabled;
  else if (property == "hidden") p = Property::kHidden;
  else if (property == "editable" && text) p = Property::kEditable;
  else if (property == "textColor" && view.kind() == ViewKind::kTextField) p = Property::kTextColor;
  else return fail("a " + view.className() + " has no bindable \"" + property + "\"");
  if (!object.hasKey(key)) return fail("no key \"" + key + "\" to bind \"" + property + "\" to");
  if (!transformer.empty() && transformer != "negateBoolean") {
    return fail("unknown value transformer \"" + transformer + "\"");
  }
  auto binding = std::make_unique<Binding>(view, p, object, key, transformer == "negateBoolean");
  binding->start();
  view.addBinding(std::move(binding));
  return true;
}

}  // namespace zqp
