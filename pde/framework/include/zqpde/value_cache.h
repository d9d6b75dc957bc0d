#pragma once
// The per-printer value cache of the older framework build: remembered values
// kept, from the emulated 10.7 on, in one property-list file per printer and
// user in the vendor folder of the local caches folder.
//
//   folder   <LocalCachesFolder>/Tavelle, 01777: everyone may add a file, no
//            one may remove or replace another user's file
//   files    "<printer>" for all users: 0664, administrators' group,
//            rewritten in place under an exclusive lock (a rename in a
//            sticky folder would need the file's owner);
//            "<printer>-<login>" for one user: 0600, replaced through a
//            temporary file and a rename
//   content  an XML dictionary: key (printer ID + preference key) -> text
//
// A "/" in the printer ID becomes "_", so no file name leaves the folder. A
// damaged file reads as empty; before a save overwrites it, its bytes are
// kept beside it as "<file>.damaged".
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include <zqp/preferences.h>

namespace zqpde {

inline constexpr const char* kValueCacheVendor = "Tavelle";
inline constexpr const char* kDamagedSuffix = ".damaged";

using ValueCacheMap = std::map<std::string, std::string>;

// The folder of the cache files.
std::string ValueCacheFolder();
// The login name: getlogin(), or the process user's name from the password
// database when there is no login (a job started without a terminal).
std::string ValueCacheLoginName();
// The file name for the printer and user; empty without a printer ID.
std::string ValueCacheFileName(const std::string& printerID, zqp::PrefUser user, const std::string& login);

// The dictionary of a cache file's bytes; false (and the map empty) when the
// bytes are not a property-list dictionary. Entries whose value is not text
// are left out.
bool ParseValueCache(std::string_view bytes, ValueCacheMap* values);
// The XML text of the dictionary.
std::string FormatValueCache(const ValueCacheMap& values);

// Keeps text under key in the printer's file (nullopt removes the key). An
// all-users save by a user who is not an administrator writes nothing and
// answers true. False when the folder or file cannot be used or written.
bool SaveToValueCache(const std::string& printerID, const std::string& key, const std::optional<std::string>& text,
                      zqp::PrefUser user);
// The file step of a save, for a path already chosen: the shared file in
// place under its lock, or a user's own file through a rename.
bool SaveValueCacheFile(const std::string& path, const std::string& key, const std::optional<std::string>& text,
                        bool shared);
// The text under key; nullopt when there is no file, no such key, or the
// file is not the user's own.
std::optional<std::string> RestoreFromValueCache(const std::string& printerID, const std::string& key,
                                                 zqp::PrefUser user);

}  // namespace zqpde
