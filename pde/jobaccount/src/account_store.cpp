#include "account_store.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zqp/preferences.h>
#include <zqp/system.h>

#include <cerrno>
#include <span>

#include "host_values.h"
#include "string_codecs.h"

namespace pellora {
namespace {

enum class Kind { kMode, kText, kLogin, kPassword };

struct Field {
  const char* key;
  Kind kind;
  int AccountValues::*mode = nullptr;
  std::string AccountValues::*text = nullptr;
};

// The eleven values in the order they are written; the administrator's six
// first, then the user's five.
constexpr Field kFields[] = {
    {keys::kManageType, Kind::kMode, &AccountValues::chromalogMode},
    {keys::kAdminGroupID, Kind::kText, nullptr, &AccountValues::adminGroupID},
    {keys::kAdminAccountMode, Kind::kMode, &AccountValues::adminAccountMode},
    {keys::kAdminLogin, Kind::kLogin, nullptr, &AccountValues::adminLoginUserID},
    {keys::kAdminInputUserID, Kind::kText, nullptr, &AccountValues::adminInputUserID},
    {keys::kAdminPassword, Kind::kPassword, nullptr, &AccountValues::adminPassword},
    {keys::kUserGroupID, Kind::kText, nullptr, &AccountValues::userGroupID},
    {keys::kUserAccountMode, Kind::kMode, &AccountValues::userAccountMode},
    {keys::kUserLogin, Kind::kLogin, nullptr, &AccountValues::userLoginUserID},
    {keys::kUserInputUserID, Kind::kText, nullptr, &AccountValues::userInputUserID},
    {keys::kUserPassword, Kind::kPassword, nullptr, &AccountValues::userPassword},
};
const std::span<const Field> kSharedFields(kFields, 6);
const std::span<const Field> kUserFields(kFields + 6, 5);

constexpr zqp::PrefHost kPrefHost = zqp::PrefHost::kCurrentHost;

bool KeepsPreferences() { return OSVersionCode() < kPreferencesEndVersion; }

// Where a field is kept for all users: the administrator password has a
// store of its own.
const char* SharedApplication(const Field& f) {
  return f.kind == Kind::kPassword ? kAdminPasswordApplication : zqp::kAnyApplication;
}

// Reads one stored text into its value; true when the value was taken.
bool TakeStored(const Field& f, const std::string& stored, zqp::TextEncoding encoding, bool escaped,
                AccountValues& values) {
  switch (f.kind) {
    case Kind::kMode:
      if (auto mode = ModeFromText(stored)) {
        values.*f.mode = *mode;
        return true;
      }
      return false;
    case Kind::kText: {
      auto text = escaped ? CopyDecodedString(stored, encoding) : std::optional<std::string>(stored);
      if (!text) return false;
      values.*f.text = std::move(*text);
      return true;
    }
    case Kind::kPassword: {
      if (stored.empty()) {
        values.*f.text = std::string();
        return true;
      }
      auto password = CreateDecryptedString(stored, encoding);
      // One that could not be scrambled again is not taken.
      if (!password || CreateEncryptedString(*password, encoding).status != PasswordStatus::kOk) return false;
      values.*f.text = std::move(*password);
      return true;
    }
    case Kind::kLogin: return false;
  }
  return false;
}

// The stored form of a value for the preferences; nothing when it cannot
// be stored.
std::optional<std::string> StoredForm(const Field& f, const AccountValues& values, zqp::TextEncoding encoding) {
  switch (f.kind) {
    case Kind::kMode: return ModeText(values.*f.mode);
    case Kind::kText:
    case Kind::kLogin: return values.*f.text;
    case Kind::kPassword: {
      const ScrambledPassword s = CreateEncryptedString(values.*f.text, encoding);
      if (s.status == PasswordStatus::kEmpty) return std::string();
      if (s.status != PasswordStatus::kOk) return std::nullopt;
      return s.text;
    }
  }
  return std::nullopt;
}

// The administrator password's store: readable and writable by its owner
// and the administrators' group only, never by other users.
void RestrictToAdministrators(const std::string& path) {
  const group* admins = getgrnam(zqp::AdminGroupName().c_str());
  if (admins != nullptr && chown(path.c_str(), static_cast<uid_t>(-1), admins->gr_gid) == 0)
    chmod(path.c_str(), S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP);
  else
    chmod(path.c_str(), S_IRUSR | S_IWUSR);
}

// Other users cannot open the administrator password's store; that is not
// a damaged file, so it is not read at all.
bool MayRead(const Field& f) {
  if (f.kind != Kind::kPassword) return true;
  const std::string path = zqp::Preferences::StorePath(SharedApplication(f), zqp::PrefUser::kAnyUser, kPrefHost);
  return access(path.c_str(), R_OK) == 0 || errno == ENOENT;
}

}  // namespace

std::string FullTicketKey(const char* name) { return std::string(kTicketNamespace) + name; }

std::string FullPreferenceKey(const std::string& printerID, const char* name) {
  return printerID + FullTicketKey(name);
}

std::optional<int> ModeFromText(const std::string& text) {
  if (text == "1") return 0;
  if (text == "2") return 1;
  return std::nullopt;
}

std::string ModeText(int mode) { return mode == 0 ? "1" : "2"; }

HostInfo CurrentHostInfo() {
  HostInfo host;
  host.hostName = HostNameText();
  if (auto address = copyHostIPv4Address()) host.ipAddressText = IPAddressTicketText(*address);
  std::string machine = zqp::MachineName();
  if (!machine.empty()) host.computerName = std::move(machine);
  host.now = zqp::Now();
  return host;
}

void RestoreFromTicket(const zqp::PrintSettings& settings, zqp::TextEncoding encoding, AccountValues& values) {
  const AccountValues initial;
  for (const Field& f : kFields) {
    if (f.kind == Kind::kLogin) continue;
    std::string stored;
    if (settings.GetValue(FullTicketKey(f.key), stored) != zqp::kNoErr) {
      if (f.mode != nullptr) values.*f.mode = initial.*f.mode;
      else values.*f.text = initial.*f.text;
      continue;
    }
    // A mode that is not one of the two values reads as absent.
    if (!TakeStored(f, stored, encoding, true, values) && f.kind == Kind::kMode) values.*f.mode = initial.*f.mode;
  }
}

void WriteTicket(zqp::PrintSettings& settings, const AccountValues& values, const HostInfo& host,
                 zqp::TextEncoding encoding) {
  auto set = [&settings](const char* key, const std::string& value) {
    settings.SetValue(FullTicketKey(key), value, false);
  };
  set(keys::kVersion, kTicketVersion);
  set(keys::kHostName, host.hostName);
  set(keys::kIPAddress, host.ipAddressText);
  if (host.computerName)
    if (auto escaped = CopyEncodedString(*host.computerName, encoding)) set(keys::kMacHostName, *escaped);
  set(keys::kDate, DateText(host.now));
  set(keys::kTime, TimeText(host.now));

  for (const Field& f : kFields) {
    switch (f.kind) {
      case Kind::kMode: set(f.key, ModeText(values.*f.mode)); break;
      case Kind::kText:
      case Kind::kLogin:
        if (auto escaped = CopyEncodedString(values.*f.text, encoding)) set(f.key, *escaped);
        break;
      case Kind::kPassword: {
        const ScrambledPassword s = CreateEncryptedString(values.*f.text, encoding);
        if (s.status != PasswordStatus::kOk && s.status != PasswordStatus::kEmpty)
          zqp::Log("job accounting: a password the printer cannot take is sent empty");
        set(f.key, s.status == PasswordStatus::kOk ? s.text : std::string());
        break;
      }
    }
  }
}

bool RestoreFromPreferences(const std::string& printerID, zqp::TextEncoding encoding, AccountValues& values) {
  if (!KeepsPreferences()) return false;
  if (!RestoreFromSharedPreferences(printerID, encoding, values)) return false;
  RestoreFromUserPreferences(printerID, encoding, values);
  return true;
}

bool RestoreFromSharedPreferences(const std::string& printerID, zqp::TextEncoding encoding, AccountValues& values) {
  if (printerID.empty()) return false;
  bool found = false;
  for (const Field& f : kSharedFields) {
    if (f.kind == Kind::kLogin || !MayRead(f)) continue;
    auto stored = zqp::Preferences::CopyString(FullPreferenceKey(printerID, f.key), SharedApplication(f),
                                               zqp::PrefUser::kAnyUser, kPrefHost);
    if (stored && TakeStored(f, *stored, encoding, false, values)) found = true;
  }
  return found;
}

void RestoreFromUserPreferences(const std::string& printerID, zqp::TextEncoding encoding, AccountValues& values) {
  if (printerID.empty()) return;
  for (const Field& f : kUserFields) {
    if (f.kind == Kind::kLogin) continue;
    auto stored = zqp::Preferences::CopyString(FullPreferenceKey(printerID, f.key), zqp::kAnyApplication,
                                               zqp::PrefUser::kCurrentUser, kPrefHost);
    if (stored) TakeStored(f, *stored, encoding, false, values);
  }
}

bool SaveToPreferences(const std::string& printerID, const AccountValues& values, zqp::TextEncoding encoding) {
  if (!KeepsPreferences()) return false;
  SaveSharedPreferences(printerID, values, encoding);
  SaveUserPreferences(printerID, values, encoding);
  return true;
}

void SaveSharedPreferences(const std::string& printerID, const AccountValues& values, zqp::TextEncoding encoding) {
  if (printerID.empty()) return;
  for (const Field& f : kSharedFields) {
    if (f.kind == Kind::kLogin) continue;
    if (auto stored = StoredForm(f, values, encoding))
      zqp::Preferences::SetValue(FullPreferenceKey(printerID, f.key), *stored, SharedApplication(f),
                                 zqp::PrefUser::kAnyUser, kPrefHost);
  }
  // Writing for all users needs the right to; a refusal is not reported.
  zqp::Preferences::Synchronize(zqp::kAnyApplication, zqp::PrefUser::kAnyUser, kPrefHost);
  if (zqp::Preferences::Synchronize(kAdminPasswordApplication, zqp::PrefUser::kAnyUser, kPrefHost))
    RestrictToAdministrators(
        zqp::Preferences::StorePath(kAdminPasswordApplication, zqp::PrefUser::kAnyUser, kPrefHost));
}

void SaveUserPreferences(const std::string& printerID, const AccountValues& values, zqp::TextEncoding encoding) {
  if (printerID.empty()) return;
  for (const Field& f : kUserFields) {
    if (f.kind == Kind::kLogin) continue;
    if (auto stored = StoredForm(f, values, encoding))
      zqp::Preferences::SetValue(FullPreferenceKey(printerID, f.key), *stored, zqp::kAnyApplication,
                                 zqp::PrefUser::kCurrentUser, kPrefHost);
  }
  zqp::Preferences::Synchronize(zqp::kAnyApplication, zqp::PrefUser::kCurrentUser, kPrefHost);
}

}  // namespace pellora
