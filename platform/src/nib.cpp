#include "zqp/nib.h"

#include <algorithm>
#include <climits>
#include <filesystem>

#include "json_file.h"
#include "zqp/bindings.h"
#include "zqp/bundle.h"
#include "zqp/nib_objects.h"

namespace zqp {

namespace {

using nlohmann::json;

// Thrown inside the loader only; turned into the error message.
struct NibError {
  std::string message;
};

class Loader {
 public:
  Loader(std::string resourceDir, std::string bundleId)
      : resourceDir_(std::move(resourceDir)), bundleId_(std::move(bundleId)) {}

  std::unique_ptr<Object> object(const json& j, const std::string& where) {
    if (!j.is_object()) throw NibError{where + ": not an object"};
    const std::string cls = text(j, "class", where, "");
    const std::string at = where + " (" + (cls.empty() ? "no class" : cls) + ")";
    if (cls == "Window") return window(j, at);
    if (auto custom = MakeNibObject(bundleId_, cls)) {
      named(j, custom.get(), at);
      custom_.push_back(custom.get());
      return custom;
    }
    std::unique_ptr<View> v = view(j, at);
    return v;
  }

  std::unique_ptr<View> view(const json& j, const std::string& where) {
    if (!j.is_object()) throw NibError{where + ": not an object"};
    const std::string cls = text(j, "class", where, "");
    std::unique_ptr<View> v;
    if (cls == "View") {
      v = std::make_unique<View>();
    } else if (cls == "Button") {
      const std::string type = text(j, "type", where, "push");
      ButtonType bt = ButtonType::kPush;
      if (type == "check") bt = ButtonType::kCheck;
      else if (type == "radio") bt = ButtonType::kRadio;
      else if (type != "push") throw NibError{where + ": unknown button type \"" + type + "\""};
      auto b = std::make_unique<Button>(bt);
      b->setTitle(text(j, "title", where, ""));
      b->setState(integer(j, "state", where, 0));
      // Nibs name the two keys a dialog's buttons answer to in words.
      const std::string key = text(j, "keyEquivalent", where, "");
      if (key == "return") b->setKeyEquivalent("\r");
      else if (key == "escape") b->setKeyEquivalent("\x1b");
      else if (!key.empty()) throw NibError{where + ": \"keyEquivalent\" must be return or escape"};
      v = std::move(b);
    } else if (cls == "PopUpButton") {
      auto p = std::make_unique<PopUpButton>();
      if (j.contains("items")) items(j["items"], p->menu(), where);
      p->setAutoenablesItems(boolean(j, "autoenablesItems", where, true));
      p->setPullsDown(boolean(j, "pullsDown", where, false));
      p->selectItemAtIndex(integer(j, "selected", where, p->numberOfItems() > 0 ? 0 : -1));
      v = std::move(p);
    } else if (cls == "TextField" || cls == "SecureTextField" || cls == "Label") {
      auto t = std::make_unique<TextField>();
      t->setSecure(cls == "SecureTextField");
      if (cls == "Label") {
        t->setEditable(false);
        t->setBezeled(false);
      }
      t->setEditable(boolean(j, "editable", where, t->isEditable()));
      t->setStringValue(text(j, "string", where, ""));
      v = std::move(t);
    } else if (cls == "TextView") {
      auto t = std::make_unique<TextView>();
      t->setString(text(j, "string", where, ""));
      t->setEditable(boolean(j, "editable", where, true));
      if (j.contains("color")) t->setTextColor(color(j["color"], where));
      v = std::move(t);
    } else if (cls == "Stepper") {
      auto s = std::make_unique<Stepper>();
      s->setMaxValue(integer(j, "max", where, 100));
      s->setMinValue(integer(j, "min", where, 0));
      s->setIncrement(integer(j, "increment", where, 1));
      s->setIntegerValue(integer(j, "value", where, s->minValue()));
      v = std::move(s);
    } else if (cls == "Slider") {
      auto s = std::make_unique<Slider>();
      s->setMaxValue(number(j, "max", where, 100));
      s->setMinValue(number(j, "min", where, 0));
      s->setDoubleValue(number(j, "value", where, s->minValue()));
      s->setNumberOfTickMarks(integer(j, "tickMarks", where, 0));
      s->setAllowsTickMarkValuesOnly(boolean(j, "stopOnTickMarks", where, false));
      v = std::move(s);
    } else if (cls == "ProgressIndicator") {
      auto pi = std::make_unique<ProgressIndicator>();
      pi->setMaxValue(number(j, "max", where, 100));
      pi->setMinValue(number(j, "min", where, 0));
      pi->setDoubleValue(number(j, "value", where, pi->minValue()));
      pi->setIndeterminate(boolean(j, "indeterminate", where, false));
      v = std::move(pi);
    } else if (cls == "Box") {
      auto b = std::make_unique<Box>();
      b->setTitle(text(j, "title", where, ""));
      v = std::move(b);
    } else if (cls == "ColorWell") {
      auto c = std::make_unique<ColorWell>();
      if (j.contains("color")) c->setColor(color(j["color"], where));
      v = std::move(c);
    } else if (cls == "ImageView") {
      auto iv = std::make_unique<ImageView>();
      const std::string image = text(j, "image", where, "");
      if (!image.empty()) {
        // A missing picture leaves the view empty, as a missing resource does.
        iv->setImage(Image::FromFile(resourceDir_ + "/" + image));
      }
      v = std::move(iv);
    } else if (cls == "TableView") {
      auto t = std::make_unique<TableView>();
      if (j.contains("columns")) {
        if (!j["columns"].is_array()) throw NibError{where + ": \"columns\" must be a list"};
        for (const auto& c : j["columns"]) {
          t->columns().push_back({text(c, "identifier", where, ""), text(c, "title", where, "")});
        }
      }
      t->setAllowsMultipleSelection(boolean(j, "multipleSelection", where, false));
      v = std::move(t);
    } else if (cls == "TabView") {
      auto t = std::make_unique<TabView>();
      if (j.contains("tabs")) {
        if (!j["tabs"].is_array()) throw NibError{where + ": \"tabs\" must be a list"};
        int n = 0;
        for (const auto& tab : j["tabs"]) {
          const std::string at = where + " tab " + std::to_string(n++);
          std::unique_ptr<View> content = tab.contains("view") ? view(tab["view"], at) : std::make_unique<View>();
          t->addTab(text(tab, "identifier", at, ""), text(tab, "label", at, ""), std::move(content));
        }
      }
      v = std::move(t);
    } else if (cls == "DatePicker") {
      v = std::make_unique<DatePicker>();
    } else if (cls == "CustomView") {
      v = std::make_unique<CustomView>();
    } else {
      throw NibError{where + ": unknown class \"" + cls + "\""};
    }
    common(j, *v, v.get(), where);
    if (j.contains("subviews")) {
      if (!j["subviews"].is_array()) throw NibError{where + ": \"subviews\" must be a list"};
      int n = 0;
      for (const auto& s : j["subviews"]) {
        v->addSubview(view(s, where + " > " + std::to_string(n++)));
      }
    }
    return v;
  }

  std::unique_ptr<Window> window(const json& j, const std::string& where) {
    auto w = std::make_unique<Window>();
    w->setTitle(text(j, "title", where, ""));
    if (j.contains("content")) w->setContentView(view(j["content"], where + " content"));
    else w->setContentView(std::make_unique<View>());
    w->setFrame(frame(j, where));
    named(j, w.get(), where);
    if (j.contains("initialFirstResponder")) {
      pending_.push_back({w.get(), nullptr, text(j, "initialFirstResponder", where, ""), where});
    }
    return w;
  }

  // References are resolved once every object exists.
  void resolve(const Outlets& owner) {
    for (const auto& p : pending_) {
      auto it = names_.find(p.name);
      View* target = it == names_.end() ? nullptr : dynamic_cast<View*>(it->second);
      if (target == nullptr) throw NibError{p.where + ": no view named \"" + p.name + "\""};
      if (p.window) p.window->setInitialFirstResponder(target);
      else p.view->setNextKeyView(target);
    }
    for (const auto& [name, obj, where] : outlets_) {
      if (!owner.accepts(name, obj)) throw NibError{where + ": outlet \"" + name + "\" is of another class"};
    }
  }

  // Connections between the nib's objects; checked with the references.
  void connections(const json& list) {
    if (!list.is_array()) throw NibError{"\"connections\" must be a list"};
    int n = 0;
    for (const auto& c : list) {
      const std::string where = "connection " + std::to_string(n++);
      if (!c.is_object()) throw NibError{where + ": not an object"};
      Object* source = reference(c, "source", where);
      if (c.contains("outlet")) {
        auto* holder = dynamic_cast<NibObject*>(source);
        const std::string outlet = text(c, "outlet", where, "");
        Object* destination = reference(c, "destination", where);
        if (holder == nullptr || !holder->setOutlet(outlet, destination)) {
          throw NibError{where + ": no outlet \"" + outlet + "\" for that object"};
        }
      } else {
        auto* control = dynamic_cast<View*>(source);
        auto* target = dynamic_cast<NibObject*>(reference(c, "target", where));
        const std::string action = text(c, "action", where, "");
        if (control == nullptr || target == nullptr || !target->respondsToAction(action)) {
          throw NibError{where + ": action \"" + action + "\" cannot be sent from that object to that target"};
        }
        actions_.push_back({control, target, action});
      }
    }
  }

  // Bindings show the model's values at once, so they are made when every
  // object exists; a failing one still fails the whole nib.
  void bind() {
    for (const auto& b : bindings_) {
      auto it = names_.find(b.object);
      auto* model = it == names_.end() ? nullptr : dynamic_cast<Observable*>(it->second);
      if (model == nullptr) throw NibError{b.where + ": no observable object named \"" + b.object + "\""};
      std::string why;
      if (!Bind(*b.view, b.property, *model, b.keyPath, b.transformer, &why)) throw NibError{b.where + ": " + why};
    }
  }

  void connect(const Outlets& owner) {
    for (const auto& [name, obj, where] : outlets_) owner.connect(name, obj);
    for (const auto& [control, target, action] : actions_) {
      control->setTarget(target);
      control->setAction([target = target, action = action](View& sender) { target->performAction(action, sender); });
    }
    // Last, so every object sees all its connections.
    for (NibObject* o : custom_) o->awakeFromNib();
  }

 private:
  struct Pending {
    Window* window;
    View* view;
    std::string name;
    std::string where;
  };
  struct OutletRef {
    std::string name;
    Object* object;
    std::string where;
  };
  struct BindingRef {
    View* view;
    std::string property, object, keyPath, transformer;
    std::string where;
  };
  struct ActionRef {
    View* control;
    NibObject* target;
    std::string action;
  };

  Object* reference(const json& c, const char* key, const std::string& where) {
    const std::string name = text(c, key, where, "");
    auto it = names_.find(name);
    if (it == names_.end()) throw NibError{where + ": no object named \"" + name + "\""};
    return it->second;
  }

  void common(const json& j, View& v, Object* obj, const std::string& where) {
    v.setTag(integer(j, "tag", where, 0));
    v.setIdentifier(text(j, "identifier", where, ""));
    v.setEnabled(boolean(j, "enabled", where, true));
    v.setHidden(boolean(j, "hidden", where, false));
    v.setToolTip(text(j, "toolTip", where, ""));
    v.setFrame(frame(j, where));
    named(j, obj, where);
    if (j.contains("nextKeyView")) pending_.push_back({nullptr, &v, text(j, "nextKeyView", where, ""), where});
    if (j.contains("bindings")) {
      const json& b = j["bindings"];
      if (!b.is_object()) throw NibError{where + ": \"bindings\" must be an object"};
      for (const auto& [property, spec] : b.items()) {
        const std::string at = where + " binding \"" + property + "\"";
        if (!spec.is_object()) throw NibError{at + ": not an object"};
        bindings_.push_back({&v, property, text(spec, "to", at, ""), text(spec, "keyPath", at, ""),
                             text(spec, "transformer", at, ""), at});
      }
    }
  }

  void named(const json& j, Object* obj, const std::string& where) {
    const std::string outlet = text(j, "outlet", where, "");
    const std::string id = text(j, "id", where, "");
    if (!outlet.empty()) {
      outlets_.push_back({outlet, obj, where});
      names_.emplace(outlet, obj);
    }
    if (!id.empty()) names_.emplace(id, obj);
  }

  static Color color(const json& a, const std::string& where) {
    if (!a.is_array() || a.size() != 4 || !std::all_of(a.begin(), a.end(), [](const json& e) { return e.is_number(); })) {
      throw NibError{where + ": \"color\" must be four numbers"};
    }
    return Color{a[0].get<double>(), a[1].get<double>(), a[2].get<double>(), a[3].get<double>()};
  }

  void items(const json& list, Menu& menu, const std::string& where) {
    if (!list.is_array()) throw NibError{where + ": \"items\" must be a list"};
    for (const auto& it : list) {
      if (it.is_string()) {
        menu.items().emplace_back(it.get<std::string>());
        continue;
      }
      if (!it.is_object()) throw NibError{where + ": a menu item must be a title or an object"};
      if (boolean(it, "separator", where, false)) {
        MenuItem sep = MenuItem::Separator();
        sep.hidden = boolean(it, "hidden", where, false);
        menu.items().push_back(std::move(sep));
        continue;
      }
      MenuItem item(text(it, "title", where, ""), text(it, "represented", where, ""));
      item.enabled = boolean(it, "enabled", where, true);
      item.tag = integer(it, "tag", where, 0);
      item.hidden = boolean(it, "hidden", where, false);
      item.state = integer(it, "state", where, 0);
      if (item.state < -1 || item.state > 1) throw NibError{where + ": \"state\" must be -1, 0 or 1"};
      if (it.contains("submenu")) {
        item.submenu = std::make_unique<Menu>();
        items(it["submenu"], *item.submenu, where);
      }
      menu.items().push_back(std::move(item));
    }
  }

  static std::string text(const json& j, const char* key, const std::string& where, const std::string& dflt) {
    if (!j.is_object() || !j.contains(key)) return dflt;
    if (!j[key].is_string()) throw NibError{where + ": \"" + key + "\" must be text"};
    return j[key].get<std::string>();
  }
  static int integer(const json& j, const char* key, const std::string& where, int dflt) {
    if (!j.is_object() || !j.contains(key)) return dflt;
    const json& v = j[key];
    if (!v.is_number_integer() || v.get<int64_t>() < INT32_MIN || v.get<int64_t>() > INT32_MAX) {
      throw NibError{where + ": \"" + key + "\" must be a 32-bit integer"};
    }
    return static_cast<int>(v.get<int64_t>());
  }
  static double number(const json& j, const char* key, const std::string& where, double dflt) {
    if (!j.is_object() || !j.contains(key)) return dflt;
    if (!j[key].is_number()) throw NibError{where + ": \"" + key + "\" must be a number"};
    return j[key].get<double>();
  }
  static bool boolean(const json& j, const char* key, const std::string& where, bool dflt) {
    if (!j.is_object() || !j.contains(key)) return dflt;
    if (!j[key].is_boolean()) throw NibError{where + ": \"" + key + "\" must be true or false"};
    return j[key].get<bool>();
  }
  static Frame frame(const json& j, const std::string& where) {
    if (!j.contains("frame")) return {};
    const json& f = j["frame"];
    if (!f.is_array() || f.size() != 4 || !std::all_of(f.begin(), f.end(), [](const json& e) { return e.is_number(); })) {
      throw NibError{where + ": \"frame\" must be four numbers"};
    }
    return Frame{f[0].get<double>(), f[1].get<double>(), f[2].get<double>(), f[3].get<double>()};
  }

  std::string resourceDir_;
  std::vector<Pending> pending_;
  std::vector<OutletRef> outlets_;
  std::map<std::string, Object*> names_;
  std::string bundleId_;
  std::vector<NibObject*> custom_;
  std::vector<ActionRef> actions_;
  std::vector<BindingRef> bindings_;
};

bool Load(const std::string& path, const std::string& label, const std::string& resourceDir,
          const std::string& bundleId, const Outlets& owner, std::vector<std::unique_ptr<Object>>& topLevel, std::string* error) {
  std::string why;
  auto doc = detail::ReadJsonFile(path, &why);
  if (!doc) {
    if (error) *error = "nib " + label + ": " + why;
    return false;
  }
  std::vector<std::unique_ptr<Object>> made;
  try {
    if (!doc->is_object() || !doc->contains("objects") || !(*doc)["objects"].is_array()) {
      throw NibError{"no \"objects\" list"};
    }
    Loader loader(resourceDir, bundleId);
    int n = 0;
    for (const auto& o : (*doc)["objects"]) {
      made.push_back(loader.object(o, "object " + std::to_string(n++)));
    }
    // Every check is made before the first outlet is set, so a failing nib
    // leaves the owner untouched.
    loader.resolve(owner);
    if (doc->contains("connections")) loader.connections((*doc)["connections"]);
    loader.bind();
    loader.connect(owner);
  } catch (const NibError& e) {
    if (error) *error = "nib " + label + ": " + e.message;
    return false;
  }
  for (auto& o : made) topLevel.push_back(std::move(o));
  return true;
}

}  // namespace

bool LoadNib(const Bundle& bundle, const std::string& name, const Outlets& owner,
             std::vector<std::unique_ptr<Object>>& topLevel, std::string* error) {
  auto path = bundle.pathForResource(name, "nib");
  if (!path) {
    if (error) *error = "nib " + name + ": not in bundle " + bundle.identifier();
    return false;
  }
  return Load(*path, name, bundle.resourcePath(), bundle.identifier(), owner, topLevel, error);
}

bool LoadNibFile(const std::string& path, const Outlets& owner, std::vector<std::unique_ptr<Object>>& topLevel,
                 std::string* error) {
  return Load(path, path, std::filesystem::path(path).parent_path().string(), "", owner, topLevel, error);
}

}  // namespace zqp
