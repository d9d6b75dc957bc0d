#include "setting_dialogs.h"

#include <zqp/view.h>
#include <zqp/window.h>

#include "localization.h"
#include "nib_wiring.h"
#include "string_codecs.h"
#include "view_localization.h"

namespace pellora {

const DetailedSettingController::Side AdminSettingController::kSide{
    "adminGroupID", "adminAccountMode", "adminInputUserID", "adminPassword", "AdminModeDialog.html"};
const DetailedSettingController::Side UserSettingController::kSide{
    "userGroupID", "userAccountMode", "userInputUserID", "userPassword", "UserModeDialog.html"};

namespace {

std::string TextOf(const CtModel& model, const char* key) {
  auto v = model.property(key);
  return v && std::holds_alternative<std::string>(*v) ? std::get<std::string>(*v) : std::string();
}

int IntOf(const CtModel& model, const char* key) {
  auto v = model.property(key);
  return v && std::holds_alternative<int>(*v) ? std::get<int>(*v) : 0;
}

const ActionTable<DetailedSettingController>& DialogActions() {
  static const ActionTable<DetailedSettingController> table{
      {"saveSettings", &DetailedSettingController::saveSettings},
      {"cancelSettings", &DetailedSettingController::cancelSettings},
      {"restoreDefaults", &DetailedSettingController::restoreDefaults},
      {"showHelpBook", &DetailedSettingController::showHelpBook}};
  return table;
}

}  // namespace

bool DetailedSettingController::setOutlet(const std::string& name, zqp::Object* object) {
  if (name == "detailedSettingPanel") return SetOutletSlot(object, detailedSettingPanel);
  if (name == "detailedSettingView") return SetOutletSlot(object, detailedSettingView);
  if (name == "ctModel") return SetOutletSlot(object, ctModel);
  if (name == "groupIDTextField") return SetOutletSlot(object, groupIDTextField);
  if (name == "userIDTextField") return SetOutletSlot(object, userIDTextField);
  if (name == "passwordTextField") return SetOutletSlot(object, passwordTextField);
  return false;
}

bool DetailedSettingController::respondsToAction(const std::string& action) const {
  return DialogActions().count(action) != 0;
}

void DetailedSettingController::performAction(const std::string& action, zqp::View&) {
  RunAction(DialogActions(), action, *this);
}

void DetailedSettingController::SetFormatter(zqp::TextField* field,
                                             const std::shared_ptr<InputStringChecker>& formatter) {
  if (field != nullptr) field->setFormatter(formatter);
}

void DetailedSettingController::awakeFromNib() {
  limits_ = PasswordLimits{};
  groupNameFormatter_->setMaxLength(kNameMaxLength);
  groupNameFormatter_->setAcceptableCodeRange(NameCodeRanges());
  userNameFormatter_->setMaxLength(kNameMaxLength);
  userNameFormatter_->setAcceptableCodeRange(NameCodeRanges());
  passwordFormatter_->setMaxLength(limits_.maxLength);
  passwordFormatter_->setAcceptableCodeRange(PasswordCodeRanges());
  SetFormatter(groupIDTextField, groupNameFormatter_);
  SetFormatter(userIDTextField, userNameFormatter_);
  SetFormatter(passwordTextField, passwordFormatter_);
  ppd_ = nullptr;
  viewLocalizer_ = ViewLocalizer(bundle_, std::string());
}

void DetailedSettingController::setPPD(ppd_file_t* ppd) {
  if (ppd == nullptr) return;
  ppd_ = ppd;
  encoding_ = GetEncodingInfoFromPPD(ppd);
  const PasswordRules rules = PasswordRulesFromPPD(ppd);
  if (rules.supportsPassword && ctModel != nullptr) ctModel->setIsSupportPassword(true);
  limits_ = rules.limits;
  passwordFormatter_->setMaxLength(limits_.maxLength);
  passwordFormatter_->setAcceptableCodeRange(rules.ranges);
  SetFormatter(passwordTextField, passwordFormatter_);
  viewLocalizer_.setPPD(ppd);
}

void DetailedSettingController::createPanelWithBundle(const zqp::Bundle* bundle) {
  bundle_ = bundle;
  viewLocalizer_.setBundle(bundle);
  if (detailedSettingPanel == nullptr) return;
  viewLocalizer_.localizeAllControls(detailedSettingView != nullptr ? detailedSettingView
                                                                    : detailedSettingPanel->contentView());
  zqp::Application::Shared().runModalForWindow(*detailedSettingPanel);
}

void DetailedSettingController::saveSettings() {
  if (!validateInputValues()) return;
  zqp::Application::Shared().stopModal();
}

void DetailedSettingController::cancelSettings() { zqp::Application::Shared().stopModal(); }

void DetailedSettingController::OpenSide(const Side& side) {
  if (ctModel == nullptr) return;
  groupID_ = TextOf(*ctModel, side.groupID);
  accountMode_ = IntOf(*ctModel, side.accountMode);
  userID_ = TextOf(*ctModel, side.inputUserID);
  password_ = TextOf(*ctModel, side.password);
}

void DetailedSettingController::CancelSide(const Side& side) {
  if (ctModel == nullptr) return;
  ctModel->setProperty(side.groupID, groupID_);
  ctModel->setProperty(side.accountMode, accountMode_);
  ctModel->setProperty(side.inputUserID, userID_);
  ctModel->setProperty(side.password, password_);
}

void DetailedSettingController::RestoreSideDefaults(const Side& side) {
  if (ctModel == nullptr) return;
  ctModel->setProperty(side.groupID, std::string());
  ctModel->setProperty(side.accountMode, 0);
  ctModel->setProperty(side.inputUserID, std::string(kUnknownUser));
  ctModel->setProperty(side.password, std::string());
}

bool DetailedSettingController::ValidateSide(const Side& side) {
  if (ctModel == nullptr) return true;
  const SettingInput input{TextOf(*ctModel, side.groupID), IntOf(*ctModel, side.accountMode),
                           TextOf(*ctModel, side.inputUserID), TextOf(*ctModel, side.password)};
  const SettingVerdict verdict = ValidateSettingInput(input, limits_, encoding_);
  if (verdict.ok) return true;

  const ViewLocalizer& texts = viewLocalizer_;
  std::string message = texts.text(verdict.messageKey);
  if (verdict.messageKey == kMsgPasswordLength)
    message = SubstituteNumbers(message, {static_cast<long>(limits_.minLength), static_cast<long>(limits_.maxLength)});
  zqp::Alert alert;
  alert.setMessageText(message);
  alert.addButtonWithTitle(texts.text("OK"));
  alert.runModal();
  return false;
}

void DetailedSettingController::ShowHelp(const Side& side) { GotoHelpPage(bundle_, side.helpPage); }

void SideSettingController::createPanelWithBundle(const zqp::Bundle* bundle) {
  OpenSide(side_);
  DetailedSettingController::createPanelWithBundle(bundle);
}
void SideSettingController::cancelSettings() {
  CancelSide(side_);
  DetailedSettingController::cancelSettings();
}
void SideSettingController::restoreDefaults() { RestoreSideDefaults(side_); }
void SideSettingController::showHelpBook() { ShowHelp(side_); }
bool SideSettingController::validateInputValues() { return ValidateSide(side_); }

}  // namespace pellora
