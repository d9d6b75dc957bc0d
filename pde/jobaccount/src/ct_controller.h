#pragma once
// The panel's nib controller: its main view, the model, the two setting
// dialogs, and the actions of the panel's buttons.
#include <cups/ppd.h>

#include <string>

#include <zqp/nib_objects.h>
#include <zqp/view.h>

#include "ct_model.h"
#include "view_localization.h"

namespace zqp {
class Bundle;
class View;
}  // namespace zqp

namespace pellora {

class AdminSettingController;
class UserSettingController;

class CtController : public zqp::NibObject {
 public:
  // The nib's wiring: the four outlets below and the actions
  // "setDetailedSettings", "saveToPreferences" and "showHelpBook".
  bool setOutlet(const std::string& name, zqp::Object* object) override;
  bool respondsToAction(const std::string& action) const override;
  void performAction(const std::string& action, zqp::View& sender) override;

  // Outlets.
  zqp::View* ctView = nullptr;
  CtModel* ctModel = nullptr;
  AdminSettingController* adminController = nullptr;
  UserSettingController* userController = nullptr;

  zqp::View* mainView() const { return ctView; }
  void setBundle(const zqp::Bundle* bundle) { bundle_ = bundle; }
  const zqp::Bundle* bundle() const { return bundle_; }
  void setPrinterID(const std::string& id) { printerID_ = id; }
  const std::string& printerID() const { return printerID_; }
  // Nil is ignored; the view's localisation gets the PPD too.
  void setPPD(ppd_file_t* ppd);

  // The main view's localisation: its strings table, and the controls bound
  // to PPD options.
  ViewLocalizer& viewLocalizer() { return viewLocalizer_; }
  void localizeView();
  // The settings button: the dialog of the mode in the model.
  void setDetailedSettings();
  // Keeps the model's values for this printer (before 10.7 only).
  void saveToPreferences();
  void saveSharedCFPreferences();
  void saveUserCFPreferences();
  void showHelpBook();

 private:
  const zqp::Bundle* bundle_ = nullptr;
  std::string printerID_;
  ppd_file_t* ppd_ = nullptr;
  ViewLocalizer viewLocalizer_;
};

}  // namespace pellora
