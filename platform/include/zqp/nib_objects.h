#pragma once
// Objects of a bundle's own classes in nibs. A bundle registers each class
// under its own identifier, so two bundles may use one class name. A nib
// object names it as {"class": "AccountController", "id": "controller"};
// the nib's "connections" list then wires objects together:
//
//   {"source": "controller", "outlet": "model", "destination": "model"}
//   {"source": "okButton", "action": "login", "target": "controller"}
//
// When every object exists and every connection is made, awakeFromNib runs
// on each created custom object in nib order.
#include <functional>
#include <memory>
#include <string>

#include "zqp/export.h"
#include "zqp/observable.h"

namespace zqp {

class View;

class ZQP_API NibObject : public Observable {
 public:
  ~NibObject() override;
  virtual void awakeFromNib() {}
  // Sets the named outlet; false when the class has no such outlet or the
  // object is of the wrong class.
  virtual bool setOutlet(const std::string& name, Object* object);
  // Whether the class answers the action, and running it with the sender.
  virtual bool respondsToAction(const std::string& action) const;
  virtual void performAction(const std::string& action, View& sender);
};

using NibObjectFactory = std::function<std::unique_ptr<NibObject>()>;

// Registers the class for nibs of the bundle (its identifier; "" for the
// application's own nibs). A second registration under the same name in
// the same bundle replaces the first.
ZQP_API void RegisterNibClass(const std::string& bundleIdentifier, const std::string& className,
                              NibObjectFactory factory);
// A new object of the class, or null when the bundle registered none.
ZQP_API std::unique_ptr<NibObject> MakeNibObject(const std::string& bundleIdentifier, const std::string& className);

}  // namespace zqp
