#include "view_localization.h"

#include <zqp/view.h>
#include <zqp/window.h>

#include "localization.h"

namespace pellora {

std::string ViewLocalizer::text(const std::string& key) const {
  return zqmrvnLocalizedStringForKey(bundle_, key, "", table_);
}

void ViewLocalizer::localizeAllControls(zqp::View* root) {
  if (root == nullptr) return;
  localizeWindowTitle(root->window());
  for (const auto& sub : root->subviews()) localizeControl(sub.get());
}

void ViewLocalizer::localizeWindowTitle(zqp::Window* window) {
  if (window != nullptr && !window->title().empty()) window->setTitle(text(window->title()));
}

void ViewLocalizer::localizeControl(zqp::View* view) {
  if (view == nullptr) return;
  if (auto* popup = dynamic_cast<zqp::PopUpButton*>(view)) {
    for (auto& item : popup->menu().items())
      if (!item.title.empty()) item.title = text(item.title);
    return;
  }
  if (auto* field = dynamic_cast<zqp::TextField*>(view)) {
    if (!field->isEditable() && !field->stringValue().empty()) field->setStringValue(text(field->stringValue()));
    return;
  }
  if (auto* button = dynamic_cast<zqp::Button*>(view)) {
    if (!button->title().empty()) button->setTitle(text(button->title()));
    return;
  }
  if (auto* table = dynamic_cast<zqp::TableView*>(view)) {
    for (auto& column : table->columns())
      if (!column.title.empty()) column.title = text(column.title);
    return;
  }
  if (auto* tabs = dynamic_cast<zqp::TabView*>(view)) {
    const size_t count = tabs->items().size();
    for (size_t i = 0; i < count; ++i) {
      const std::string label = tabs->items()[i].label;
      if (!label.empty()) tabs->setLabel(static_cast<int>(i), text(label));
      localizeControl(tabs->items()[i].view);
    }
    return;
  }
  if (auto* box = dynamic_cast<zqp::Box*>(view))
    if (!box->title().empty()) box->setTitle(text(box->title()));
  for (const auto& sub : view->subviews()) localizeControl(sub.get());
}

}  // namespace pellora
