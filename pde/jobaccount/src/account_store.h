#pragma once
// Where the account values go: the print-settings ticket (what the printer
// receives) and, on systems before 10.7, the preferences per printer.
#include <ctime>
#include <optional>
#include <string>

#include <zqp/print_settings.h>
#include <zqp/text.h>

#include "ct_model.h"

namespace pellora {

inline constexpr const char* kTicketNamespace = "com.tavelle.m.pellora.printsettings.";

namespace keys {
inline constexpr const char* kVersion = "JBAVersion";
inline constexpr const char* kHostName = "JBAHostNameStringTicket";
inline constexpr const char* kIPAddress = "JBAIPAddressStringTicket";
inline constexpr const char* kMacHostName = "JBAMacHostNameStringTicket";
inline constexpr const char* kDate = "JBADateStringTicket";
inline constexpr const char* kTime = "JBATimeStringTicket";
inline constexpr const char* kManageType = "JBAManageTypeListTicketKey";
inline constexpr const char* kAdminGroupID = "JBAAdminGroupIDTextEditTicket";
inline constexpr const char* kAdminAccountMode = "JBAAdminUserIDListCtrlTicket";
inline constexpr const char* kAdminLogin = "JBAAdminLoginTextEditTicket";
inline constexpr const char* kAdminInputUserID = "JBAAdminUserIDTextEditTicket";
inline constexpr const char* kAdminPassword = "JBAAdminUserPasswordTextEditTicket";
inline constexpr const char* kUserGroupID = "JBAGroupIDTextEditTicket";
inline constexpr const char* kUserAccountMode = "JBAUserIDListCtrlTicket";
inline constexpr const char* kUserLogin = "JBALoginTextEditTicket";
inline constexpr const char* kUserInputUserID = "JBAUserIDTextEditTicket";
inline constexpr const char* kUserPassword = "JBAUserPasswordTextEditTicket";
}  // namespace keys

inline constexpr const char* kTicketVersion = "201";

// Namespace + name.
std::string FullTicketKey(const char* name);
// Printer ID + namespace + name.
std::string FullPreferenceKey(const std::string& printerID, const char* name);

// A mode or job-owner type read back: "1" gives 0, "2" gives 1; anything
// else (not a number, or outside the two) gives nothing.
std::optional<int> ModeFromText(const std::string& text);
std::string ModeText(int mode);

// The machine's part of the ticket.
struct HostInfo {
  std::string hostName;
  std::string ipAddressText;                // ticket form, empty without an address
  std::optional<std::string> computerName;  // nothing: the key is left out
  std::time_t now = 0;
};
HostInfo CurrentHostInfo();

// Fills values from the ticket: absent keys give the initial values, keys
// that cannot be read back leave the value as it was. The login names are
// never read: they always come from the process's user.
void RestoreFromTicket(const zqp::PrintSettings& settings, zqp::TextEncoding encoding, AccountValues& values);
// Writes the seventeen keys. A text the encoding cannot hold is left out;
// a password that cannot be scrambled is written empty.
void WriteTicket(zqp::PrintSettings& settings, const AccountValues& values, const HostInfo& host,
                 zqp::TextEncoding encoding);

// Preferences (only before 10.7; from then on these read nothing and
// write nothing). The administrator's values are kept for all users of the
// machine, except the administrator password, which is kept in a store of
// its own readable only by its owner and the administrators' group, so that
// no other user can read it. Reading answers whether anything was found.
bool RestoreFromPreferences(const std::string& printerID, zqp::TextEncoding encoding, AccountValues& values);
bool RestoreFromSharedPreferences(const std::string& printerID, zqp::TextEncoding encoding, AccountValues& values);
void RestoreFromUserPreferences(const std::string& printerID, zqp::TextEncoding encoding, AccountValues& values);
// False when the system keeps no preferences (10.7 and later).
bool SaveToPreferences(const std::string& printerID, const AccountValues& values, zqp::TextEncoding encoding);
void SaveSharedPreferences(const std::string& printerID, const AccountValues& values, zqp::TextEncoding encoding);
void SaveUserPreferences(const std::string& printerID, const AccountValues& values, zqp::TextEncoding encoding);

// The application name of the administrator password's own store.
inline constexpr const char* kAdminPasswordApplication = "com.tavelle.m.pellora.pde.JobAccount.AdminPassword";

}  // namespace pellora
