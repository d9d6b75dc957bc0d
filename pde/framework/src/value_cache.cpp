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
#include <limits>

#include <zqp/property_list.h>
#include <zqp/system_files.h>

#include "zqpde/user_groups.h"

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

// The bytes of a file the user may trust: a regular file, not a link, owned
// by this user unless it is the shared file. Missing or refused: nullopt.
std::optional<std::string> ReadTrusted(const std::string& path, bool shared) {
    Fd file(open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (file.fd < 0) return std::nullopt;
    struct stat st{};
    if (fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    if (!shared && st.st_uid != geteuid()) return std::nullopt;
    if (shared) flock(file.fd, LOCK_SH);
    std::string bytes;
    if (!ReadAll(file.fd, &bytes)) return std::nullopt;
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

// The shared file: opened (created when missing) without following a link,
// locked, read, changed and written back in place, so its mode, owner and
// group stay as they are.
bool SaveShared(const std::string& path, const std::string& key, const std::optional<std::string>& text) {
    const std::string group = zqp::AdministratorsGroup();
    Fd file(open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kAnyUserFileMode));
    if (file.fd >= 0) {
        // On the descriptor, so a link put in the file's place is never followed;
        // where the group cannot be given the file keeps the user's own.
        if (const struct group* g = group.empty() ? nullptr : getgrnam(group.c_str()))
            static_cast<void>(fchown(file.fd, static_cast<uid_t>(-1), g->gr_gid) == 0);
        fchmod(file.fd, kAnyUserFileMode);
    } else if (errno == EEXIST) {
        file.fd = open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    }
    if (file.fd < 0) return false;
    struct stat st{};
    if (fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (flock(file.fd, LOCK_EX) != 0) return false;
    std::string bytes;
    if (!ReadAll(file.fd, &bytes)) return false;
    ValueCacheMap values = ValuesBeforeRewrite(path, bytes, st.st_mode & 07777, group);
    const std::optional<std::string> out = Changed(values, key, text);
    return out && WriteAllAt(file.fd, *out);
}

// A user's own file: read when it is theirs, replaced through a temporary
// file and a rename. Someone else's file under the user's name is refused
// (the sticky folder would refuse the rename anyway).
bool SaveOwn(const std::string& path, const std::string& key, const std::optional<std::string>& text) {
    struct stat st{};
    std::string bytes;
    if (lstat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode) || st.st_uid != geteuid()) return false;
        std::optional<std::string> read = ReadTrusted(path, false);
        if (!read) return false;
        bytes = std::move(*read);
    }
    ValueCacheMap values = ValuesBeforeRewrite(path, bytes, kUserFileMode, {});
    const std::optional<std::string> out = Changed(values, key, text);
    return out && zqp::WriteFileWithMode(path, *out, kUserFileMode) == zqp::kNoErr;
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

bool SaveToValueCache(const std::string& printerID, const std::string& key, const std::optional<std::string>& text,
                      zqp::PrefUser user) {
    if (key.empty()) return false;
    // Values for all users are kept only for an administrator, silently.
    if (user == zqp::PrefUser::kAnyUser && !IsUserAdmin()) return true;
    const std::string folder = ValueCacheFolder();
    if (!EnsureFolder(folder)) return false;
    const std::string name = ValueCacheFileName(printerID, user, ValueCacheLoginName());
    if (name.empty()) return false;
    return SaveValueCacheFile(folder + "/" + name, key, text, user == zqp::PrefUser::kAnyUser);
}

bool SaveValueCacheFile(const std::string& path, const std::string& key, const std::optional<std::string>& text,
                        bool shared) {
    if (key.empty()) return false;
    return shared ? SaveShared(path, key, text) : SaveOwn(path, key, text);
}

std::optional<std::string> RestoreFromValueCache(const std::string& printerID, const std::string& key,
                                                 zqp::PrefUser user) {
    if (key.empty()) return std::nullopt;
    const std::string name = ValueCacheFileName(printerID, user, ValueCacheLoginName());
    if (name.empty()) return std::nullopt;
    std::optional<std::string> bytes = ReadTrusted(ValueCacheFolder() + "/" + name, user == zqp::PrefUser::kAnyUser);
    ValueCacheMap values;
    if (!bytes || !ParseValueCache(*bytes, &values)) return std::nullopt;
    const auto it = values.find(key);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

}  // namespace zqpde
