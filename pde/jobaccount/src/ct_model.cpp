#include "ct_model.h"

#include <cstdint>

#include <zqpde/user_groups.h>

#include "host_values.h"

namespace pellora {

namespace {

bool IsModeKey(const std::string& key) {
  return key == "chromalogMode" || key == "adminAccountMode" || key == "userAccountMode";
}

zqp::KeyValue ToKeyValue(const PropertyValue& value) {
  if (const int* i = std::get_if<int>(&value)) return zqp::KeyValue{int64_t{*i}};
  if (const bool* b = std::get_if<bool>(&value)) return zqp::KeyValue{*b};
  if (const auto* s = std::get_if<std::string>(&value)) return zqp::KeyValue{*s};
  return zqp::KeyValue{std::get<Color>(value)};
}

}  // namespace

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
  for (const auto& entry : values_) {
    const std::string name = entry.first;
    defineProperty(
        name, [this, name] { return ToKeyValue(values_.at(name)); },
        [this, name](const zqp::KeyValue& value) {
          // A value that does not fit leaves the property as it was; the
          // change notice then shows the old value again.
          if (auto v = FromKeyValue(name, value)) values_[name] = *v;
        });
  }
}

CtModel::~CtModel() { modeObservation_.reset(); }

std::optional<PropertyValue> CtModel::FromKeyValue(const std::string& key, const zqp::KeyValue& value) const {
  auto it = values_.find(key);
  if (it == values_.end()) return std::nullopt;
  const PropertyValue& current = it->second;
  if (std::holds_alternative<int>(current)) {
    const int64_t* i = std::get_if<int64_t>(&value);
    if (i == nullptr) return std::nullopt;
    if (IsModeKey(key) ? (*i != 0 && *i != 1) : (*i < INT32_MIN || *i > INT32_MAX)) return std::nullopt;
    return PropertyValue{static_cast<int>(*i)};
  }
  if (std::holds_alternative<bool>(current)) {
    if (const bool* b = std::get_if<bool>(&value)) return PropertyValue{*b};
    return std::nullopt;
  }
  if (std::holds_alternative<std::string>(current)) {
    if (const auto* s = std::get_if<std::string>(&value)) return PropertyValue{*s};
    return std::nullopt;
  }
  if (const auto* color = std::get_if<Color>(&value)) return PropertyValue{*color};
  return std::nullopt;
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
  modeObservation_.reset();
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
  setIsAuthenticated(chromalogMode() != 0 || isAdministrator());
  // Every later change of the mode, from code or from a bound control.
  modeObservation_ = addObserver("chromalogMode", zqp::kObservingNew, [this](const zqp::ObservedChange&) {
    setIsAuthenticated(chromalogMode() != 0 || isAdministrator());
  });
}

std::optional<PropertyValue> CtModel::property(const std::string& key) const {
  auto it = values_.find(key);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool CtModel::setProperty(const std::string& key, const PropertyValue& value) {
  auto it = values_.find(key);
  if (it == values_.end() || it->second.index() != value.index()) return false;
  if (IsModeKey(key) && std::get<int>(value) != 0 && std::get<int>(value) != 1) return false;
  return setValueForKey(key, ToKeyValue(value));
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
