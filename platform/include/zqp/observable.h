#pragma once
// Key-value observing: an object with named properties whose changes are
// announced to observers. A change is bracketed by willChangeValueForKey and
// didChangeValueForKey (setValueForKey does both); observers get the new
// and/or old value as they asked, and the current one at once with kInitial.
// An observation is a handle: dropping it unregisters the observer, and an
// observation outliving its object simply goes quiet.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "zqp/export.h"
#include "zqp/view.h"

namespace zqp {

using KeyValue = std::variant<std::monostate, bool, int64_t, double, std::string, Color>;

// A truth value for bindings: false, zero, empty text and nothing are false.
ZQP_API bool KeyValueIsTrue(const KeyValue& value);

enum ObservingOptions : unsigned {
  kObservingNew = 1,
  kObservingOld = 2,
  kObservingInitial = 4,
};

struct ObservedChange {
  std::string key;
  KeyValue newValue;  // when kObservingNew was asked
  KeyValue oldValue;  // when kObservingOld was asked (not for the initial notice)
  bool initial = false;
};

class Observable;

class ZQP_API Observation {
 public:
  ~Observation();
  Observation(const Observation&) = delete;
  Observation& operator=(const Observation&) = delete;
  // Stops the notices now (the destructor does the same).
  void invalidate();
  // Whether the observed object still lives and the observation was not
  // invalidated.
  bool isValid() const;

 private:
  friend class Observable;
  struct Registry;
  Observation(std::weak_ptr<Registry> registry, uint64_t id) : registry_(std::move(registry)), id_(id) {}
  std::weak_ptr<Registry> registry_;
  uint64_t id_;
};

class ZQP_API Observable : public Object {
 public:
  using Getter = std::function<KeyValue()>;
  using Setter = std::function<void(const KeyValue&)>;
  using Handler = std::function<void(const ObservedChange&)>;

  Observable();
  ~Observable() override;

  // The observer's handler runs on every change of key until the returned
  // observation is dropped. An unknown key is observed all the same (it
  // may be announced by hand).
  [[nodiscard]] std::unique_ptr<Observation> addObserver(const std::string& key, unsigned options, Handler handler);

  bool hasKey(const std::string& key) const { return properties_.count(key) != 0; }
  // Nothing for an unknown key.
  KeyValue valueForKey(const std::string& key) const;
  // Sets through the property's setter, announcing the change; false for
  // an unknown or read-only key.
  bool setValueForKey(const std::string& key, const KeyValue& value);

  void willChangeValueForKey(const std::string& key);
  void didChangeValueForKey(const std::string& key);

 protected:
  // Declares a property; a null setter makes it read-only.
  void defineProperty(const std::string& key, Getter getter, Setter setter = nullptr);

 private:
  struct Property {
    Getter getter;
    Setter setter;
  };
  std::map<std::string, Property> properties_;
  std::map<std::string, std::vector<KeyValue>> pendingOld_;  // nested will/did per key
  std::shared_ptr<Observation::Registry> registry_;
};

}  // namespace zqp
