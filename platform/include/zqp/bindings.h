#pragma once
// Bindings: a view property follows a key of an observable object. The view
// shows the key's value at once and again after every change; for "value" a
// person's change of the view sets the key back (before the action is
// sent). Bindable properties:
//
//   "value"      Button state, PopUpButton selected index, TextField and
//                TextView text, Stepper and Slider value, ColorWell colour
//   "enabled"    any view (true when the value is true, see KeyValueIsTrue)
//   "hidden"     any view
//   "editable"   TextField, TextView
//   "textColor"  TextField (a colour; anything else shows the normal colour)
//
// The transformer "negateBoolean" turns the value into its opposite truth
// value, both ways. The view owns the binding, so it ends with the view; a
// binding whose object has gone does nothing.
#include <string>

#include "zqp/export.h"
#include "zqp/observable.h"
#include "zqp/view.h"

namespace zqp {

// False with a reason for a property the view cannot bind, a key the object
// does not have, or an unknown transformer. A person's change that the key
// refuses (read-only, or text that is not a number for a number) puts the
// key's value back in the view.
ZQP_API bool Bind(View& view, const std::string& property, Observable& object, const std::string& key,
                  const std::string& transformer, std::string* error);

}  // namespace zqp
