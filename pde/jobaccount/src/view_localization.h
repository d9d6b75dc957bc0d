#pragma once
// Localises a view from the extension's string tables: every control's
// current text is the key of its translation.
#include <string>

namespace zqp {
class Bundle;
class View;
class Window;
}  // namespace zqp

namespace pellora {

class ViewLocalizer {
 public:
  ViewLocalizer(const zqp::Bundle* bundle, std::string table) : bundle_(bundle), table_(std::move(table)) {}

  // The window's title, then every control below root.
  void localizeAllControls(zqp::View* root);
  // By the control's kind: a pop-up's items, a label's text (never what the
  // user types), a button's title, a table's column headers, the views of a
  // tab view, a box's title; then the subviews of anything else.
  void localizeControl(zqp::View* view);
  void localizeWindowTitle(zqp::Window* window);
  std::string text(const std::string& key) const;

 private:
  const zqp::Bundle* bundle_;
  std::string table_;
};

}  // namespace pellora
