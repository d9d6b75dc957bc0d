#pragma once
// Nibs: JSON files (Resources/<name>.nib) that declare windows and views.
//
//   {"objects": [
//     {"class": "View", "outlet": "panelView", "subviews": [
//        {"class": "PopUpButton", "tag": 101, "items": ["A", {"title": "B", "enabled": false}]},
//        {"class": "Button", "type": "push", "tag": 103, "title": "Setup"}]},
//     {"class": "Window", "outlet": "setupWindow", "title": "Setup",
//      "content": {"class": "View", "subviews": [...]}}]}
//
// Every object may carry "tag", "outlet", "id", "frame" [x, y, w, h],
// "enabled", "hidden", "toolTip" and "nextKeyView" (the id or outlet of
// another object of the nib). Classes: View, Button ("type": push, check,
// radio; "title", "state"), PopUpButton ("items", "selected",
// "autoenablesItems"; an item is a title or {"title", "represented",
// "enabled", "tag", "submenu": [items]}), TextField, SecureTextField, Label
// ("string", "editable"), TextView ("string"), Stepper ("min", "max",
// "increment", "value"), Slider ("min", "max", "value"), Box ("title",
// "subviews"), ColorWell ("color" [r, g, b, a]), ImageView ("image", a
// resource file name), TableView ("columns" [{"identifier", "title"}],
// "multipleSelection"), TabView ("tabs" [{"identifier", "label", "view"}]),
// DatePicker, CustomView, Window ("title", "content",
// "initialFirstResponder"), and the classes the bundle registered
// (nib_objects.h), wired by the nib's "connections" list. A view's
// "bindings" tie its properties to keys of an observable nib object
// (bindings.h): {"enabled": {"to": "model", "keyPath": "isAuthenticated",
// "transformer": "negateBoolean"}}.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "zqp/export.h"
#include "zqp/view.h"
#include "zqp/window.h"

namespace zqp {

class Bundle;

// The owner's outlets: names bound to pointer slots of the owner.
class Outlets {
 public:
  template <class T>
  void bind(const std::string& name, T*& slot) {
    binders_[name] = [&slot](Object* o, bool apply) {
      T* typed = dynamic_cast<T*>(o);
      if (typed == nullptr) return false;
      if (apply) slot = typed;
      return true;
    };
  }
  bool has(const std::string& name) const { return binders_.count(name) != 0; }
  // Whether the object fits the slot (an outlet the owner does not have
  // fits: it is ignored).
  bool accepts(const std::string& name, Object* o) const {
    auto it = binders_.find(name);
    return it == binders_.end() || it->second(o, false);
  }
  void connect(const std::string& name, Object* o) const {
    auto it = binders_.find(name);
    if (it != binders_.end()) it->second(o, true);
  }

 private:
  std::map<std::string, std::function<bool(Object*, bool)>> binders_;
};

// Loads Resources/<name>.nib of the bundle: the owner's outlets named in the
// nib are set and the top-level objects are appended to topLevel (which then
// owns them). On failure (missing nib, damaged JSON, unknown class, a value
// of the wrong type, an outlet of the wrong class, an unknown reference)
// the answer is false with a message naming the nib and the object, and
// neither the outlets nor topLevel are touched.
ZQP_API bool LoadNib(const Bundle& bundle, const std::string& name, const Outlets& owner,
                     std::vector<std::unique_ptr<Object>>& topLevel, std::string* error);
// The same from a file path; images are looked up beside the file.
ZQP_API bool LoadNibFile(const std::string& path, const Outlets& owner,
                         std::vector<std::unique_ptr<Object>>& topLevel, std::string* error);

}  // namespace zqp
