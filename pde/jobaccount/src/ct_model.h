#pragma once
// The model the panel's controls are bound to: the eleven account values
// of the panel and five values derived from the system and the PPD. Every
// change goes through the observed properties, so a binding sees each change
// once, and the model keeps isAuthenticated current by observing its own
// mode.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <zqp/nib_objects.h>
#include <zqp/observable.h>
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

class CtModel : public zqp::NibObject {
 public:
  CtModel();
  ~CtModel() override;

  // The sixteen property names, the panel's eleven first.
  static const std::vector<std::string>& PropertyNames();

  // Initial values, the administrator test (up to 10.6) and the mode
  // observation that keeps isAuthenticated current.
  void awakeFromNib() override;

  // A property in its own type; nothing for an unknown key.
  std::optional<PropertyValue> property(const std::string& key) const;
  // False (nothing changed, nobody told) for an unknown key or a value of
  // another type. Modes are 0 or 1 only.
  bool setProperty(const std::string& key, const PropertyValue& value);

  int chromalogMode() const { return Int("chromalogMode"); }
  void setChromalogMode(int v) { setProperty("chromalogMode", v); }
  std::string adminGroupID() const { return Text("adminGroupID"); }
  void setAdminGroupID(const std::string& v) { setProperty("adminGroupID", v); }
  int adminAccountMode() const { return Int("adminAccountMode"); }
  void setAdminAccountMode(int v) { setProperty("adminAccountMode", v); }
  std::string adminLoginUserID() const { return Text("adminLoginUserID"); }
  void setAdminLoginUserID(const std::string& v) { setProperty("adminLoginUserID", v); }
  std::string adminInputUserID() const { return Text("adminInputUserID"); }
  void setAdminInputUserID(const std::string& v) { setProperty("adminInputUserID", v); }
  std::string adminPassword() const { return Text("adminPassword"); }
  void setAdminPassword(const std::string& v) { setProperty("adminPassword", v); }
  std::string userGroupID() const { return Text("userGroupID"); }
  void setUserGroupID(const std::string& v) { setProperty("userGroupID", v); }
  int userAccountMode() const { return Int("userAccountMode"); }
  void setUserAccountMode(int v) { setProperty("userAccountMode", v); }
  std::string userLoginUserID() const { return Text("userLoginUserID"); }
  void setUserLoginUserID(const std::string& v) { setProperty("userLoginUserID", v); }
  std::string userInputUserID() const { return Text("userInputUserID"); }
  void setUserInputUserID(const std::string& v) { setProperty("userInputUserID", v); }
  std::string userPassword() const { return Text("userPassword"); }
  void setUserPassword(const std::string& v) { setProperty("userPassword", v); }
  bool isAdministrator() const { return Flag("isAdministrator"); }
  void setIsAdministrator(bool v) { setProperty("isAdministrator", v); }
  bool isAuthenticated() const { return Flag("isAuthenticated"); }
  void setIsAuthenticated(bool v) { setProperty("isAuthenticated", v); }
  bool isSupportPassword() const { return Flag("isSupportPassword"); }
  void setIsSupportPassword(bool v) { setProperty("isSupportPassword", v); }
  Color isAdministratorColor() const { return std::get<Color>(values_.at("isAdministratorColor")); }
  void setIsAdministratorColor(const Color& v) { setProperty("isAdministratorColor", v); }
  bool isSandboxed() const { return Flag("isSandboxed"); }
  void setIsSandboxed(bool v) { setProperty("isSandboxed", v); }

  // The panel's eleven values in and out, in the table's order.
  void setAccountValues(const AccountValues& values);
  AccountValues accountValues() const;

 private:
  int Int(const char* key) const { return std::get<int>(values_.at(key)); }
  bool Flag(const char* key) const { return std::get<bool>(values_.at(key)); }
  std::string Text(const char* key) const { return std::get<std::string>(values_.at(key)); }
  void SetInitialValues();

  // The value a binding or a nib hands over, in the property's own type;
  // nothing when it does not fit.
  std::optional<PropertyValue> FromKeyValue(const std::string& key, const zqp::KeyValue& value) const;

  std::map<std::string, PropertyValue> values_;
  std::unique_ptr<zqp::Observation> modeObservation_;
};

}  // namespace pellora
