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
//
// The cache is a convenience: a value it cannot keep is logged (once per
// file and reason) and never stops a job. A file is used only when it may be
// trusted (CacheFileDistrust): a user's own file is a regular file of that
// user; the all-users file a regular file of root or of a member of the
// administrators' group, in that group, not writable by others. Any other
// file under the name is left alone, neither read nor written.
#include <sys/stat.h>
#include <sys/types.h>

#include <functional>
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

// How a save went.
enum class CacheSave {
    kSaved,         // the file holds the change
    kNotKept,       // an all-users value from someone who is not an administrator: nothing to write
    kNoPrinter,     // no key, or no printer ID to name the file
    kNoFolder,      // the folder is missing and cannot be made
    kUnusableFile,  // the file under the name may not be trusted (see above)
    kNotWritten,    // the file could not be read or written, or the change cannot be carried
};

// Who the cache trusts: the process's user, the administrators' group (none
// on a machine without one) and the test whether a user is one of its
// members. Tests hand CacheFileDistrust owners of their own.
struct CacheFileOwners {
    uid_t self = 0;
    std::optional<gid_t> administrators;
    std::function<bool(uid_t)> isAdministrator;
};
CacheFileOwners CurrentCacheFileOwners();
// Why a cache file (its lstat or fstat) may not be used; empty when it may.
// Without an administrators' group, only root's all-users file is trusted.
std::string CacheFileDistrust(const struct stat& st, bool shared, const CacheFileOwners& owners);

// Keeps text under key in the printer's file (nullopt removes the key).
// True when the file holds the change, and for an all-users value from a user
// who is not an administrator (nothing is written). Anything else is logged
// and answers false; outcome, when given, says which case it was. When the
// folder cannot be made a sandboxed process goes on to the file all the same.
bool SaveToValueCache(const std::string& printerID, const std::string& key, const std::optional<std::string>& text,
                      zqp::PrefUser user, CacheSave* outcome = nullptr);
// The file step of a save, for a path already chosen: the shared file in
// place under its lock, or a user's own file through a rename. An existing
// file that may not be trusted is left as it is (kUnusableFile).
bool SaveValueCacheFile(const std::string& path, const std::string& key, const std::optional<std::string>& text,
                        bool shared, CacheSave* outcome = nullptr);
// The text under key; nullopt when there is no file, no such key, or the
// file may not be trusted (logged).
std::optional<std::string> RestoreFromValueCache(const std::string& printerID, const std::string& key,
                                                 zqp::PrefUser user);

}  // namespace zqpde
