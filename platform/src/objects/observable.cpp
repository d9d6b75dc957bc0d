#include "zqp/observable.h"

#include <utility>

namespace zqp {

struct Observation::Registry {
  struct Entry {
    std::string key;
    unsigned options;
    Observable::Handler handler;
  };
  std::map<uint64_t, Entry> entries;
  uint64_t next = 1;
  // Cleared by the object's destructor; a notice in progress may still
  // hold the registry.
  bool alive = true;
};

bool KeyValueIsTrue(const KeyValue& value) {
  if (const auto* b = std::get_if<bool>(&value)) return *b;
  if (const auto* i = std::get_if<int64_t>(&value)) return *i != 0;
  if (const auto* d = std::get_if<double>(&value)) return *d != 0;
  if (const auto* s = std::get_if<std::string>(&value)) return !s->empty();
  return std::holds_alternative<Color>(value);
}

Observation::~Observation() { invalidate(); }

void Observation::invalidate() {
  if (auto registry = registry_.lock()) registry->entries.erase(id_);
  registry_.reset();
}

Observable::Observable() : registry_(std::make_shared<Observation::Registry>()) {}

Observable::~Observable() {
  registry_->alive = false;
  registry_->entries.clear();
}

bool Observation::isValid() const {
  auto registry = registry_.lock();
  return registry && registry->alive && registry->entries.count(id_) != 0;
}

std::unique_ptr<Observation> Observable::addObserver(const std::string& key, unsigned options, Handler handler) {
  const uint64_t id = registry_->next++;
  registry_->entries[id] = {key, options, handler};
  std::unique_ptr<Observation> observation(new Observation(registry_, id));
  if ((options & kObservingInitial) != 0 && handler) {
    ObservedChange change;
    change.key = key;
    change.initial = true;
    if ((options & kObservingNew) != 0) change.newValue = valueForKey(key);
    handler(change);
  }
  return observation;
}

KeyValue Observable::valueForKey(const std::string& key) const {
  auto it = properties_.find(key);
  return it != properties_.end() && it->second.getter ? it->second.getter() : KeyValue{};
}

bool Observable::setValueForKey(const std::string& key, const KeyValue& value) {
  auto it = properties_.find(key);
  if (it == properties_.end() || !it->second.setter) return false;
  willChangeValueForKey(key);
  it->second.setter(value);
  didChangeValueForKey(key);
  return true;
}

void Observable::willChangeValueForKey(const std::string& key) { pendingOld_[key].push_back(valueForKey(key)); }

void Observable::didChangeValueForKey(const std::string& key) {
  KeyValue oldValue;
  if (auto it = pendingOld_.find(key); it != pendingOld_.end() && !it->second.empty()) {
    oldValue = std::move(it->second.back());
    it->second.pop_back();
    if (it->second.empty()) pendingOld_.erase(it);
  }
  const KeyValue newValue = valueForKey(key);
  // A handler may add or drop observations (even its own) or destroy this
  // object: work from a list of ids and the registry kept alive here.
  const std::shared_ptr<Observation::Registry> registry = registry_;
  std::vector<uint64_t> ids;
  for (const auto& [id, entry] : registry->entries)
    if (entry.key == key) ids.push_back(id);
  for (uint64_t id : ids) {
    auto it = registry->entries.find(id);
    if (it == registry->entries.end()) continue;
    ObservedChange change;
    change.key = key;
    if ((it->second.options & kObservingNew) != 0) change.newValue = newValue;
    if ((it->second.options & kObservingOld) != 0) change.oldValue = oldValue;
    const Handler handler = it->second.handler;
    if (handler) handler(change);
  }
}

void Observable::defineProperty(const std::string& key, Getter getter, Setter setter) {
  properties_[key] = {std::move(getter), std::move(setter)};
}

}  // namespace zqp
