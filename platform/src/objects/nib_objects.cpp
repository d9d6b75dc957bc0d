#include "zqp/nib_objects.h"

#include <map>
#include <mutex>
#include <utility>

namespace zqp {

namespace {

std::mutex& RegistryMutex() {
  static std::mutex m;
  return m;
}

std::map<std::pair<std::string, std::string>, NibObjectFactory>& Registry() {
  static std::map<std::pair<std::string, std::string>, NibObjectFactory> classes;
  return classes;
}

}  // namespace

NibObject::~NibObject() = default;
bool NibObject::setOutlet(const std::string&, Object*) { return false; }
bool NibObject::respondsToAction(const std::string&) const { return false; }
void NibObject::performAction(const std::string&, View&) {}

void RegisterNibClass(const std::string& bundleIdentifier, const std::string& className, NibObjectFactory factory) {
  std::lock_guard<std::mutex> lock(RegistryMutex());
  Registry()[{bundleIdentifier, className}] = std::move(factory);
}

std::unique_ptr<NibObject> MakeNibObject(const std::string& bundleIdentifier, const std::string& className) {
  NibObjectFactory factory;
  {
    std::lock_guard<std::mutex> lock(RegistryMutex());
    auto it = Registry().find({bundleIdentifier, className});
    if (it == Registry().end()) return nullptr;
    factory = it->second;
  }
  return factory ? factory() : nullptr;
}

}  // namespace zqp
