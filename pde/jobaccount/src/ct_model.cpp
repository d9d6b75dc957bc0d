#include "ct_model.h"

#include <zqpde/user_groups.h>

#include "host_values.h"

namespace pellora {

CtModel::CtModel() {
  const AccountValues initial;
  values_ = {{"chromalogMode", initial.chromalogMode},
             {"adminGroupID", initial.adminGroupID},
             {"adminAccountMode", initial.adminAccountMode},
             {"adminLoginUserID", initial.adminLoginUserID},
             {"adminInputUserID", initial.adminInputUserID},
             {"adminPassword", initial.adminPassword},
             {"userGroupID", initial.userGroupID},
             {"userAccountMode", initial.userAccountMode},
             {"userLoginUserID", initial.userLoginUserID},
             {"userInputUserID", initial.userInputUserID},
             {"userPassword", initial.userPassword},
             {"isAdministrator", false},
             {"isAuthenticated", false},
             {"isSupportPassword", false},
             {"isAdministratorColor", kLightGrayColor},
             {"isSandboxed", false}};
}

const std::vector<std::string>& CtModel::PropertyNames() {
  static const std::vector<std::string> names{
      "chromalogMode",   "adminGroupID",    "adminAccountMode", "adminLoginUserID", "adminInputUserID",
      "adminPassword",   "userGroupID",     "userAccountMode",  "userLoginUserID",  "userInputUserID",
      "userPassword",    "isAdministrator", "isAuthenticated",  "isSupportPassword", "isAdministratorColor",
      "isSandboxed"};
  return names;
}

void CtModel::SetInitialValues() {
  setAccountValues(AccountValues{});
  setIsAdministrator(false);
  setIsAuthenticated(false);
  setIsSupportPassword(false);
  setIsAdministratorColor(kLightGrayColor);
  setIsSandboxed(false);
}

void CtModel::awakeFromNib() {
  observingMode_ = false;
  SetInitialValues();
  if (OSVersionCode() < kPreferencesEndVersion) {
    const bool admin = zqpde::checkIfAdminUser(ProcessUserName().c_str());
    setIsAdministrator(admin);
    setIsAdministratorColor(admin ? kBlackColor : kLightGrayColor);
  } else {
    setIsAdministrator(false);
    setIsAdministratorColor(kLightGrayColor);
    setIsSandboxed(true);
  }
  observingMode_ = true;
  setIsAuthenticated(chromalogMode() != 0 || isAdministrator());
}

std::optional<PropertyValue> CtModel::valueForKey(const std::string& key) const {
  auto it = values_.find(key);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool CtModel::setValueForKey(const std::string& key, const PropertyValue& value) {
  auto it = values_.find(key);
  if (it == values_.end() || it->second.index() != value.index()) return false;
  it->second = value;
  for (const auto& observer : observers_) observer(key);
  if (key == "chromalogMode" && observingMode_) setIsAuthenticated(chromalogMode() != 0 || isAdministrator());
  return true;
}

void CtModel::setAccountValues(const AccountValues& v) {
  setChromalogMode(v.chromalogMode);
  setAdminGroupID(v.adminGroupID);
  setAdminAccountMode(v.adminAccountMode);
  setAdminLoginUserID(v.adminLoginUserID);
  setAdminInputUserID(v.adminInputUserID);
  setAdminPassword(v.adminPassword);
  setUserGroupID(v.userGroupID);
  setUserAccountMode(v.userAccountMode);
  setUserLoginUserID(v.userLoginUserID);
  setUserInputUserID(v.userInputUserID);
  setUserPassword(v.userPassword);
}

AccountValues CtModel::accountValues() const {
  AccountValues v;
  v.chromalogMode = chromalogMode();
  v.adminGroupID = adminGroupID();
  v.adminAccountMode = adminAccountMode();
  v.adminLoginUserID = adminLoginUserID();
  v.adminInputUserID = adminInputUserID();
  v.adminPassword = adminPassword();
  v.userGroupID = userGroupID();
  v.userAccountMode = userAccountMode();
  v.userLoginUserID = userLoginUserID();
  v.userInputUserID = userInputUserID();
  v.userPassword = userPassword();
  return v;
}

}  // namespace pellora
