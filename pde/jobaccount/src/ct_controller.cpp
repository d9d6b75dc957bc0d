#include "ct_controller.h"

#include "account_store.h"
#include "localization.h"
#include "nib_wiring.h"
#include "setting_dialogs.h"
#include "string_codecs.h"
#include "view_localization.h"

namespace pellora {

namespace {

const ActionTable<CtController>& ControllerActions() {
  static const ActionTable<CtController> table{{"setDetailedSettings", &CtController::setDetailedSettings},
                                               {"saveToPreferences", &CtController::saveToPreferences},
                                               {"showHelpBook", &CtController::showHelpBook}};
  return table;
}

}  // namespace

bool CtController::setOutlet(const std::string& name, zqp::Object* object) {
  if (name == "ctView") return SetOutletSlot(object, ctView);
  if (name == "ctModel") return SetOutletSlot(object, ctModel);
  if (name == "adminController") return SetOutletSlot(object, adminController);
  if (name == "userController") return SetOutletSlot(object, userController);
  return false;
}

bool CtController::respondsToAction(const std::string& action) const { return ControllerActions().count(action) != 0; }

void CtController::performAction(const std::string& action, zqp::View&) {
  RunAction(ControllerActions(), action, *this);
}

void CtController::setPPD(ppd_file_t* ppd) {
  if (ppd == nullptr) return;
  ppd_ = ppd;
  viewLocalizer_.setPPD(ppd);
}

void CtController::localizeView() {
  viewLocalizer_.setBundle(bundle_);
  viewLocalizer_.localizeAllControls(ctView);
}

void CtController::setDetailedSettings() {
  if (ctModel == nullptr) return;
  DetailedSettingController* dialog = nullptr;
  if (ctModel->chromalogMode() == 0) dialog = adminController;
  else dialog = userController;
  if (dialog == nullptr) return;
  dialog->setPPD(ppd_);
  dialog->createPanelWithBundle(bundle_);
}

void CtController::saveToPreferences() {
  if (ctModel != nullptr) SaveToPreferences(printerID_, ctModel->accountValues(), GetEncodingInfoFromPPD(ppd_));
}

void CtController::saveSharedCFPreferences() {
  if (ctModel != nullptr) SaveSharedPreferences(printerID_, ctModel->accountValues(), GetEncodingInfoFromPPD(ppd_));
}

void CtController::saveUserCFPreferences() {
  if (ctModel != nullptr) SaveUserPreferences(printerID_, ctModel->accountValues(), GetEncodingInfoFromPPD(ppd_));
}

void CtController::showHelpBook() { GotoHelpPage(bundle_, "JBA.html"); }

}  // namespace pellora
