#pragma once
// The model the panel's controls are bound to: the eleven account values
// of the panel and five values derived from the system and the PPD. Every
// change goes through setValueForKey, which keeps the dependent values
// current and tells the observers, so bindings see each change once.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <zqp/view.h>

namespace pellora {

using Color = zqp::Color;
inline constexpr Color kBlackColor{0, 0, 0, 1};
inline constexpr Color kLightGrayColor{2.0 / 3, 2.0 / 3, 2.0 / 3, 1};

using PropertyValue = std::variant<int, bool, std::string, Color>;

// Default of the specified name.
inline constexpr const char* kUnknownUser = "UnknownUser";

// The panel's eleven values, with their initial values.
struct AccountValues {
  int chromalogMode = 1;  // 0 administrator mode, 1 user mode
  std::string adminGroupID;
  int adminAccountMode = 0;  // 0 login name, 1 specified name
  std::string adminLoginUserID;
  std::string adminInputUserID = kUnknownUser;
  std::string adminPassword;
  std::string userGroupID;
  int userAccountMode = 0;
  std::string userLoginUserID;
  std::string userInputUserID = kUnknownUser;
  std::string userPassword;
  bool operator==(const AccountValues&) const = default;
};

class CtModel : public zqp::Object {
 public:
  using Observer = std::function<void(const std::string& key)>;

  CtModel();

  // The sixteen property names, the panel's eleven first.
  static const std::vector<std::string>& PropertyNames();

  // Initial values, the administrator test (up to 10.6) and the mode
  // observation that keeps isAuthenticated current.
  void awakeFromNib();

  std::optional<PropertyValue> valueForKey(const std::string& key) const;
  // False (nothing changed) for an unknown key or a value of another type.
  bool setValueForKey(const std::string& key, const PropertyValue& value);
  void addObserver(Observer observer) { observers_.push_back(std::move(observer)); }

  int chromalogMode() const { return Int("chromalogMode"); }
  void setChromalogMode(int v) { setValueForKey("chromalogMode", v); }
  std::string adminGroupID() const { return Text("adminGroupID"); }
  void setAdminGroupID(const std::string& v) { setValueForKey("adminGroupID", v); }
  int adminAccountMode() const { return Int("adminAccountMode"); }
  void setAdminAccountMode(int v) { setValueForKey("adminAccountMode", v); }
  std::string adminLoginUserID() const { return Text("adminLoginUserID"); }
  void setAdminLoginUserID(const std::string& v) { setValueForKey("adminLoginUserID", v); }
  std::string adminInputUserID() const { return Text("adminInputUserID"); }
  void setAdminInputUserID(const std::string& v) { setValueForKey("adminInputUserID", v); }
  std::string adminPassword() const { return Text("adminPassword"); }
  void setAdminPassword(const std::string& v) { setValueForKey("adminPassword", v); }
  std::string userGroupID() const { return Text("userGroupID"); }
  void setUserGroupID(const std::string& v) { setValueForKey("userGroupID", v); }
  int userAccountMode() const { return Int("userAccountMode"); }
  void setUserAccountMode(int v) { setValueForKey("userAccountMode", v); }
  std::string userLoginUserID() const { return Text("userLoginUserID"); }
  void setUserLoginUserID(const std::string& v) { setValueForKey("userLoginUserID", v); }
  std::string userInputUserID() const { return Text("userInputUserID"); }
  void setUserInputUserID(const std::string& v) { setValueForKey("userInputUserID", v); }
  std::string userPassword() const { return Text("userPassword"); }
  void setUserPassword(const std::string& v) { setValueForKey("userPassword", v); }
  bool isAdministrator() const { return Flag("isAdministrator"); }
  void setIsAdministrator(bool v) { setValueForKey("isAdministrator", v); }
  bool isAuthenticated() const { return Flag("isAuthenticated"); }
  void setIsAuthenticated(bool v) { setValueForKey("isAuthenticated", v); }
  bool isSupportPassword() const { return Flag("isSupportPassword"); }
  void setIsSupportPassword(bool v) { setValueForKey("isSupportPassword", v); }
  Color isAdministratorColor() const { return std::get<Color>(values_.at("isAdministratorColor")); }
  void setIsAdministratorColor(const Color& v) { setValueForKey("isAdministratorColor", v); }
  bool isSandboxed() const { return Flag("isSandboxed"); }
  void setIsSandboxed(bool v) { setValueForKey("isSandboxed", v); }

  // The panel's eleven values in and out, in the table's order.
  void setAccountValues(const AccountValues& values);
  AccountValues accountValues() const;

 private:
  int Int(const char* key) const { return std::get<int>(values_.at(key)); }
  bool Flag(const char* key) const { return std::get<bool>(values_.at(key)); }
  std::string Text(const char* key) const { return std::get<std::string>(values_.at(key)); }
  void SetInitialValues();

  std::map<std::string, PropertyValue> values_;
  std::vector<Observer> observers_;
  bool observingMode_ = false;
};

}  // namespace pellora
