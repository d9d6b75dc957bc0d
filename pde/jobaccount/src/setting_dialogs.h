#pragma once
// The two modal setting dialogs, one for the administrator's values and one
// for the user's. Their fields are bound to the model, so the values are in
// the model as the user types; the dialog keeps the values it opened with
// for Cancel, and on OK lets the user go only with values the printer can
// take.
#include <cups/ppd.h>

#include <memory>
#include <string>

#include <zqp/nib_objects.h>
#include <zqp/text.h>
#include <zqp/view.h>

#include "ct_model.h"
#include "input_checker.h"
#include "view_localization.h"

namespace zqp {
class Bundle;
class TextField;
class View;
class Window;
}  // namespace zqp

namespace pellora {

class DetailedSettingController : public zqp::NibObject {
 public:
  // The model properties a dialog edits.
  struct Side {
    const char* groupID;
    const char* accountMode;
    const char* inputUserID;
    const char* password;
    const char* helpPage;
  };

  // The nib's wiring: the outlets below and the actions "saveSettings"
  // (OK), "cancelSettings", "restoreDefaults" and "showHelpBook".
  bool setOutlet(const std::string& name, zqp::Object* object) override;
  bool respondsToAction(const std::string& action) const override;
  void performAction(const std::string& action, zqp::View& sender) override;

  // Outlets.
  zqp::Window* detailedSettingPanel = nullptr;
  zqp::View* detailedSettingView = nullptr;
  CtModel* ctModel = nullptr;
  zqp::TextField* groupIDTextField = nullptr;
  zqp::TextField* userIDTextField = nullptr;
  zqp::TextField* passwordTextField = nullptr;

  // The built-in limits and the fields' formatters.
  void awakeFromNib() override;
  // The password rules of the printer, and the PPD for the dialog's view
  // (nil ignored).
  void setPPD(ppd_file_t* ppd);
  // The dialog view's localisation: its strings table, and the controls
  // bound to PPD options.
  ViewLocalizer& viewLocalizer() { return viewLocalizer_; }
  // Keeps the opening values, localises the dialog and runs it modally.
  virtual void createPanelWithBundle(const zqp::Bundle* bundle);
  // OK: ends the run when the check passes; else the dialog stays.
  void saveSettings();
  // Cancel: puts the opening values back and ends the run.
  virtual void cancelSettings();
  virtual void restoreDefaults() {}
  virtual void showHelpBook() {}
  // The check on OK; an alert names the fault.
  virtual bool validateInputValues() { return true; }

  const std::string& groupID() const { return groupID_; }
  int accountMode() const { return accountMode_; }
  const std::string& userID() const { return userID_; }
  const std::string& password() const { return password_; }
  unsigned minPwdLength() const { return limits_.minLength; }
  unsigned maxPwdLength() const { return limits_.maxLength; }
  const InputStringChecker& passwordFormatter() const { return *passwordFormatter_; }

 protected:
  void OpenSide(const Side& side);
  void CancelSide(const Side& side);
  void RestoreSideDefaults(const Side& side);
  bool ValidateSide(const Side& side);
  void ShowHelp(const Side& side);

 private:
  void SetFormatter(zqp::TextField* field, const std::shared_ptr<InputStringChecker>& formatter);

  ppd_file_t* ppd_ = nullptr;
  ViewLocalizer viewLocalizer_;
  zqp::TextEncoding encoding_ = zqp::TextEncoding::kShiftJis;
  PasswordLimits limits_;
  std::shared_ptr<InputStringChecker> groupNameFormatter_ = std::make_shared<InputStringChecker>();
  std::shared_ptr<InputStringChecker> userNameFormatter_ = std::make_shared<InputStringChecker>();
  std::shared_ptr<InputStringChecker> passwordFormatter_ = std::make_shared<InputStringChecker>();
  std::string groupID_;
  int accountMode_ = 0;
  std::string userID_;
  std::string password_;
  const zqp::Bundle* bundle_ = nullptr;
};

// The dialog on one side's values of the model.
class SideSettingController : public DetailedSettingController {
 public:
  explicit SideSettingController(const Side& side) : side_(side) {}
  void createPanelWithBundle(const zqp::Bundle* bundle) override;
  void cancelSettings() override;
  void restoreDefaults() override;
  void showHelpBook() override;
  bool validateInputValues() override;

 private:
  const Side& side_;
};

// The administrator's values...
class AdminSettingController : public SideSettingController {
 public:
  static const Side kSide;
  AdminSettingController() : SideSettingController(kSide) {}
};

// ...and the user's.
class UserSettingController : public SideSettingController {
 public:
  static const Side kSide;
  UserSettingController() : SideSettingController(kSide) {}
};

}  // namespace pellora
