#include "ct_controller.h"

#include "account_store.h"
#include "localization.h"
#include "setting_dialogs.h"
#include "string_codecs.h"
#include "view_localization.h"

namespace pellora {

void CtController::setPPD(ppd_file_t* ppd) {
  if (ppd != nullptr) ppd_ = ppd;
}

void CtController::localizeView() {
  ViewLocalizer(bundle_, LocalizedFileName(ppd_)).localizeAllControls(ctView);
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
