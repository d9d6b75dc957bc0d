#pragma once
// What the extension's nib objects share: outlets set by name into typed
// slots, and actions looked up by name in a table of member functions.
#include <map>
#include <string>

#include <zqp/view.h>

namespace pellora {

// Sets slot when the object is of the slot's class.
template <class T>
bool SetOutletSlot(zqp::Object* object, T*& slot) {
  auto* typed = dynamic_cast<T*>(object);
  if (typed == nullptr) return false;
  slot = typed;
  return true;
}

// A nib object's actions: name -> member function without arguments (the
// sender tells these objects nothing).
template <class Owner>
using ActionTable = std::map<std::string, void (Owner::*)()>;

template <class Owner>
bool RunAction(const ActionTable<Owner>& table, const std::string& action, Owner& owner) {
  auto it = table.find(action);
  if (it == table.end()) return false;
  (owner.*(it->second))();
  return true;
}

}  // namespace pellora
