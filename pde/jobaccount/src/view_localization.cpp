#include "view_localization.h"

#include <zqp/view.h>
#include <zqp/window.h>

#include <algorithm>

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

void ViewLocalizer::setPPD(ppd_file_t* ppd) {
  ppd_ = ppd;
  ppdDictionary_.clear();
  table_ = LocalizedFileName(ppd);
}

void ViewLocalizer::localizePPDControl(zqp::View* control, const std::string& keyword) {
  if (auto* popup = dynamic_cast<zqp::PopUpButton*>(control)) localizePPDPopup(popup, keyword);
  else if (auto* field = dynamic_cast<zqp::TextField*>(control)) localizePPDTextField(field, keyword);
}

void ViewLocalizer::localizePPDPopup(zqp::PopUpButton* popup, const std::string& keyword) {
  if (popup == nullptr || ppd_ == nullptr) return;
  const ppd_option_t* option = ppdFindOption(ppd_, keyword.c_str());
  if (option == nullptr) return;
  auto bound = std::find_if(ppdDictionary_.begin(), ppdDictionary_.end(),
                            [&keyword](const auto& entry) { return entry.first == keyword; });
  if (bound != ppdDictionary_.end()) bound->second = popup;
  else ppdDictionary_.emplace_back(keyword, popup);
  popup->removeAllItems();
  for (int i = 0; i < option->num_choices; ++i)
    popup->addItemWithTitle(option->choices[i].text, option->choices[i].choice);
}

void ViewLocalizer::localizePPDTextField(zqp::TextField* field, const std::string& keyword) {
  if (field == nullptr || ppd_ == nullptr) return;
  if (const ppd_option_t* option = ppdFindOption(ppd_, keyword.c_str())) field->setStringValue(option->text);
}

std::string ViewLocalizer::ppdKeywordForObject(const zqp::View* control) const {
  for (const auto& [keyword, bound] : ppdDictionary_)
    if (bound == control && control != nullptr) return keyword;
  return {};
}

zqp::View* ViewLocalizer::ControlFor(const std::string& keyword) const {
  for (const auto& [bound, control] : ppdDictionary_)
    if (bound == keyword) return control;
  return nullptr;
}

void ViewLocalizer::setValue(const std::string& value, const std::string& keyword) {
  auto* popup = dynamic_cast<zqp::PopUpButton*>(ControlFor(keyword));
  if (popup == nullptr) return;
  if (popup->numberOfItems() == 0) {
    popup->addItemWithTitle(value);
    return;
  }
  const int index = popup->indexOfItemWithTitle(value);
  if (index >= 0) popup->selectItemAtIndex(index);
}

void ViewLocalizer::setEnabled(bool enabled, const std::string& keyword) {
  if (zqp::View* control = ControlFor(keyword)) control->setEnabled(enabled);
}

}  // namespace pellora
