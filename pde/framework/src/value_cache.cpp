#include "zqpde/value_cache.h"

#include <fcntl.h>
#include <grp.h>
#include <plist/plist.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <set>
#include <vector>

#include <zqp/property_list.h>
#include <zqp/system.h>
#include <zqp/system_files.h>

#include "zqpde/user_groups.h"
#include "zqpde/utility_service.h"

namespace zqpde {

namespace {

constexpr mode_t kFolderMode = 01777;
constexpr mode_t kAnyUserFileMode = 0664;
constexpr mode_t kUserFileMode = 0600;

// Closes the descriptor (and so drops its lock) on every way out.
struct Fd {
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    ~Fd() {
        if (fd >= 0) close(fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
};

bool ReadAll(int fd, std::string* out) {
    out->clear();
    char buffer[8192];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        out->append(buffer, static_cast<size_t>(n));
    }
}

bool WriteAllAt(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return ftruncate(fd, static_cast<off_t>(text.size())) == 0 && fsync(fd) == 0;
}

// The folder, created when missing: the caches folder as an ordinary system
// folder, the vendor folder open to every user but sticky.
bool EnsureFolder(const std::string& folder) {
    struct stat st{};
    if (stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    const std::string caches = zqp::LocalCachesFolder();
    if (stat(caches.c_str(), &st) != 0) zqp::CreateFolder(caches, 0755);
    zqp::CreateFolder(folder, kFolderMode);
    // The administrators' group only where this user may give it.
    if (const std::string group = zqp::AdministratorsGroup(); !group.empty())
        zqp::CreateFolder(folder, kFolderMode, group);
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// What a file step gives: how it went and, when not saved, why.
struct Outcome {
    CacheSave result;
    std::string why;
};

std::string ErrorText(int error) { return std::strerror(error); }

// One log line per file and reason in a process: every control of a panel
// meets the same file.
void LogOnce(const std::string& line) {
    static std::set<std::string> said;
    if (said.insert(line).second) zqp::Log("value cache: %s", line.c_str());
}

// The bytes of a file the user may trust. Missing: nullopt and no reason;
// refused or unreadable: nullopt and the reason.
std::optional<std::string> ReadTrusted(const std::string& path, bool shared, std::string* why) {
    Fd file(open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (file.fd < 0) {
        if (errno != ENOENT) *why = errno == ELOOP ? "a link" : ErrorText(errno);
        return std::nullopt;
    }
    struct stat st{};
    if (fstat(file.fd, &st) != 0) {
        *why = ErrorText(errno);
        return std::nullopt;
    }
    if (std::string distrust = CacheFileDistrust(st, shared, CurrentCacheFileOwners()); !distrust.empty()) {
        *why = std::move(distrust);
        return std::nullopt;
    }
    if (shared) flock(file.fd, LOCK_SH);
    std::string bytes;
    if (!ReadAll(file.fd, &bytes)) {
        *why = ErrorText(errno);
        return std::nullopt;
    }
    return bytes;
}

// The current values of a file about to be rewritten; a damaged file's bytes
// are kept aside first, with the file's own mode and group.
ValueCacheMap ValuesBeforeRewrite(const std::string& path, const std::string& bytes, mode_t mode,
                                  const std::string& group) {
    ValueCacheMap values;
    if (!bytes.empty() && !ParseValueCache(bytes, &values))
        zqp::WriteFileWithMode(path + kDamagedSuffix, bytes, mode, group);
    return values;
}

// The new file text, or nullopt when the change cannot be written so that it
// reads back (a key or text the property-list form cannot carry): the file is
// then left as it is.
std::optional<std::string> Changed(ValueCacheMap& values, const std::string& key,
                                   const std::optional<std::string>& text) {
    if (text) values[key] = *text;
    else values.erase(key);
    std::string out = FormatValueCache(values);
    ValueCacheMap check;
    if (out.empty() || !ParseValueCache(out, &check) || check != values) return std::nullopt;
    return out;
}

const Outcome kUncarried{CacheSave::kNotWritten, "the value cannot be carried in the file"};

// The shared file: opened (created when missing) without following a link,
// locked, read, changed and written back in place, so its mode, owner and
// group stay as they are. A file someone else put there first is not used.
Outcome SaveShared(const std::string& path, const std::string& key, const std::optional<std::string>& text) {
    const std::string group = zqp::AdministratorsGroup();
    Fd file(open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kAnyUserFileMode));
    const bool created = file.fd >= 0;
    if (created) {
        // On the descriptor, so a link put in the file's place is never followed;
        // where the group cannot be given the file keeps the user's own.
        if (const struct group* g = group.empty() ? nullptr : getgrnam(group.c_str()))
            static_cast<void>(fchown(file.fd, static_cast<uid_t>(-1), g->gr_gid) == 0);
        fchmod(file.fd, kAnyUserFileMode);
    } else if (errno == EEXIST) {
        file.fd = open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
        if (file.fd < 0 && errno == ELOOP) return {CacheSave::kUnusableFile, "a link"};
    }
    if (file.fd < 0) return {CacheSave::kNotWritten, ErrorText(errno)};
    struct stat st{};
    if (fstat(file.fd, &st) != 0) return {CacheSave::kNotWritten, ErrorText(errno)};
    if (!created)
        if (std::string distrust = CacheFileDistrust(st, true, CurrentCacheFileOwners()); !distrust.empty())
            return {CacheSave::kUnusableFile, distrust};
    if (flock(file.fd, LOCK_EX) != 0) return {CacheSave::kNotWritten, ErrorText(errno)};
    std::string bytes;
    if (!ReadAll(file.fd, &bytes)) return {CacheSave::kNotWritten, ErrorText(errno)};
    ValueCacheMap values = ValuesBeforeRewrite(path, bytes, st.st_mode & 07777, group);
    const std::optional<std::string> out = Changed(values, key, text);
    if (!out) return kUncarried;
    if (!WriteAllAt(file.fd, *out)) return {CacheSave::kNotWritten, ErrorText(errno)};
    return {CacheSave::kSaved, {}};
}

// A user's own file: read when it is theirs, replaced through a temporary
// file and a rename. Anything else under the user's name (another user's
// file, a link, a folder) is left alone: the sticky folder would refuse the
// rename anyway, and the user cannot remove it.
Outcome SaveOwn(const std::string& path, const std::string& key, const std::optional<std::string>& text) {
    struct stat st{};
    std::string bytes;
    if (lstat(path.c_str(), &st) == 0) {
        if (std::string distrust = CacheFileDistrust(st, false, CurrentCacheFileOwners()); !distrust.empty())
            return {CacheSave::kUnusableFile, distrust};
        std::string why;
        std::optional<std::string> read = ReadTrusted(path, false, &why);
        if (!read) return {CacheSave::kNotWritten, why};
        bytes = std::move(*read);
    }
    ValueCacheMap values = ValuesBeforeRewrite(path, bytes, kUserFileMode, {});
    const std::optional<std::string> out = Changed(values, key, text);
    if (!out) return kUncarried;
    if (zqp::WriteFileWithMode(path, *out, kUserFileMode) != zqp::kNoErr)
        return {CacheSave::kNotWritten, "cannot be written"};
    return {CacheSave::kSaved, {}};
}

// The answer callers take (true: kept, or nothing to keep), the outcome for
// those who ask, and a log line for what was not kept.
bool Report(const std::string& where, const Outcome& outcome, CacheSave* result) {
    if (result != nullptr) *result = outcome.result;
    if (outcome.result == CacheSave::kSaved || outcome.result == CacheSave::kNotKept) return true;
    if (!where.empty()) LogOnce(where + ": nothing kept (" + outcome.why + ")");
    return false;
}

}  // namespace

std::string ValueCacheFolder() { return zqp::LocalCachesFolder() + "/" + kValueCacheVendor; }

std::string ValueCacheLoginName() {
    if (const char* login = getlogin(); login != nullptr && *login != '\0') return login;
    if (const struct passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_name != nullptr) return pw->pw_name;
    return {};
}

std::string ValueCacheFileName(const std::string& printerID, zqp::PrefUser user, const std::string& login) {
    if (printerID.empty() || printerID.find('\0') != std::string::npos) return {};
    std::string name = printerID;
    for (char& c : name)
        if (c == '/') c = '_';
    if (user == zqp::PrefUser::kAnyUser) return name;
    if (login.empty() || login.find('/') != std::string::npos) return {};
    return name + "-" + login;
}

bool ParseValueCache(std::string_view bytes, ValueCacheMap* values) {
    values->clear();
    if (bytes.empty() || bytes.size() > std::numeric_limits<uint32_t>::max()) return false;
    plist_t root = nullptr;
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
    zqp::PlistPtr owner(root);
    if (root == nullptr || plist_get_node_type(root) != PLIST_DICT) return false;
    plist_dict_iter it = nullptr;
    plist_dict_new_iter(root, &it);
    for (;;) {
        char* key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(root, it, &key, &value);
        if (key == nullptr) break;
        if (const char* text = zqp::PlistString(value)) (*values)[key] = text;
        std::free(key);
    }
    std::free(it);
    return true;
}

std::string FormatValueCache(const ValueCacheMap& values) {
    zqp::PlistPtr root(plist_new_dict());
    for (const auto& [key, text] : values) plist_dict_set_item(root.get(), key.c_str(), plist_new_string(text.c_str()));
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    std::string out = xml != nullptr ? std::string(xml, length) : std::string();
    if (xml != nullptr) plist_to_xml_free(xml);
    return out;
}

CacheFileOwners CurrentCacheFileOwners() {
    CacheFileOwners owners;
    owners.self = geteuid();
    const std::string group = zqp::AdministratorsGroup();
    if (const struct group* g = group.empty() ? nullptr : getgrnam(group.c_str())) owners.administrators = g->gr_gid;
    owners.isAdministrator = [group](uid_t uid) {
        if (group.empty()) return false;
        struct passwd entry{};
        struct passwd* found = nullptr;
        std::vector<char> buffer(16384);
        if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
            found->pw_name == nullptr)
            return false;
        return zqp::IsUserInGroup(found->pw_name, group);
    };
    return owners;
}

std::string CacheFileDistrust(const struct stat& st, bool shared, const CacheFileOwners& owners) {
    if (S_ISLNK(st.st_mode)) return "a link";
    if (!S_ISREG(st.st_mode)) return "not a regular file";
    const std::string owner = "owned by uid " + std::to_string(st.st_uid);
    if (!shared) return st.st_uid == owners.self ? std::string() : owner + ", not this user";
    if (!owners.administrators) {
        if (st.st_uid != 0) return owner + ", not root, on a machine without an administrators' group";
    } else {
        if (st.st_uid != 0 && !(owners.isAdministrator && owners.isAdministrator(st.st_uid)))
            return owner + ", who is not an administrator";
        if (st.st_gid != *owners.administrators)
            return "group " + std::to_string(st.st_gid) + " is not the administrators' group";
    }
    if ((st.st_mode & S_IWOTH) != 0) return "writable by every user";
    return {};
}

bool SaveToValueCache(const std::string& printerID, const std::string& key, const std::optional<std::string>& text,
                      zqp::PrefUser user, CacheSave* outcome) {
    if (key.empty()) return Report({}, {CacheSave::kNoPrinter, {}}, outcome);
    // Values for all users are kept only for an administrator, silently.
    if (user == zqp::PrefUser::kAnyUser && !IsUserAdmin()) return Report({}, {CacheSave::kNotKept, {}}, outcome);
    const std::string folder = ValueCacheFolder();
    // A sandboxed process may not see a folder it can still write in.
    if (!EnsureFolder(folder) && !IsSandboxed())
        return Report(folder, {CacheSave::kNoFolder, "the folder is missing and cannot be made"}, outcome);
    const std::string name = ValueCacheFileName(printerID, user, ValueCacheLoginName());
    if (name.empty()) return Report(folder, {CacheSave::kNoPrinter, "no printer ID or login name"}, outcome);
    return SaveValueCacheFile(folder + "/" + name, key, text, user == zqp::PrefUser::kAnyUser, outcome);
}

bool SaveValueCacheFile(const std::string& path, const std::string& key, const std::optional<std::string>& text,
                        bool shared, CacheSave* outcome) {
    if (key.empty()) return Report({}, {CacheSave::kNoPrinter, {}}, outcome);
    return Report(path, shared ? SaveShared(path, key, text) : SaveOwn(path, key, text), outcome);
}

std::optional<std::string> RestoreFromValueCache(const std::string& printerID, const std::string& key,
                                                 zqp::PrefUser user) {
    if (key.empty()) return std::nullopt;
    const std::string name = ValueCacheFileName(printerID, user, ValueCacheLoginName());
    if (name.empty()) return std::nullopt;
    const std::string path = ValueCacheFolder() + "/" + name;
    std::string why;
    std::optional<std::string> bytes = ReadTrusted(path, user == zqp::PrefUser::kAnyUser, &why);
    if (!why.empty()) LogOnce(path + ": not read (" + why + ")");
    ValueCacheMap values;
    if (!bytes || !ParseValueCache(*bytes, &values)) return std::nullopt;
    const auto it = values.find(key);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

}  // namespace zqpde
