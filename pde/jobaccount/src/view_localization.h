#pragma once
// Localises a view from the extension's string tables: every control's
// current text is the key of its translation. Controls bound to PPD options
// take their texts from the PPD instead, and are found again by keyword.
#include <cups/ppd.h>

#include <string>
#include <utility>
#include <vector>

namespace zqp {
class Bundle;
class PopUpButton;
class TextField;
class View;
class Window;
}  // namespace zqp

namespace pellora {

class ViewLocalizer {
 public:
  ViewLocalizer() = default;
  ViewLocalizer(const zqp::Bundle* bundle, std::string table) : bundle_(bundle), table_(std::move(table)) {}

  void setBundle(const zqp::Bundle* bundle) { bundle_ = bundle; }
  // Keeps the PPD, forgets every control bound so far and takes the strings
  // table the printer names ("Localizable" + "ZQLocalizableFileIndex", else
  // the default table).
  void setPPD(ppd_file_t* ppd);
  ppd_file_t* ppd() const { return ppd_; }
  const std::string& localizedFileName() const { return table_; }

  // The window's title, then every control below root.
  void localizeAllControls(zqp::View* root);
  // By the control's kind: a pop-up's items, a label's text (never what the
  // user types), a button's title, a table's column headers, the views of a
  // tab view, a box's title; then the subviews of anything else.
  void localizeControl(zqp::View* view);
  void localizeWindowTitle(zqp::Window* window);
  std::string text(const std::string& key) const;

  // Controls bound to a PPD option (keyword). A pop-up is sent to
  // localizePPDPopup, a text field to localizePPDTextField; other controls
  // are left as they are.
  void localizePPDControl(zqp::View* control, const std::string& keyword);
  // Binds the pop-up to the keyword and gives it one item per choice of the
  // option, titled with the choice's translation and carrying the choice
  // keyword. Nothing without a PPD or when the PPD has no such option (the
  // pop-up keeps its items, unbound).
  void localizePPDPopup(zqp::PopUpButton* popup, const std::string& keyword);
  // The option's translation as the field's text; nothing without a PPD or
  // the option.
  void localizePPDTextField(zqp::TextField* field, const std::string& keyword);
  // The first keyword the control was bound to; empty when none.
  std::string ppdKeywordForObject(const zqp::View* control) const;
  // Selects the item titled value in the control bound to the keyword (an
  // unknown title leaves the selection as it is); a pop-up without items
  // gets one of that title. Nothing for a keyword no control is bound to.
  void setValue(const std::string& value, const std::string& keyword);
  void setEnabled(bool enabled, const std::string& keyword);
  // Keyword and control, in the order they were bound; binding a keyword
  // again replaces its control. The controls are the view's and must outlive
  // the binding (the nib's views live as long as their controller).
  const std::vector<std::pair<std::string, zqp::View*>>& ppdDictionary() const { return ppdDictionary_; }

 private:
  zqp::View* ControlFor(const std::string& keyword) const;

  const zqp::Bundle* bundle_ = nullptr;
  ppd_file_t* ppd_ = nullptr;
  std::string table_;
  std::vector<std::pair<std::string, zqp::View*>> ppdDictionary_;
};

}  // namespace pellora
