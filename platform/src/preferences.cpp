#include "zqp/preferences.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "json_file.h"
#include "zqp/system.h"
#include "zqp/system_files.h"

namespace zqp {

namespace {

struct Store {
  std::map<std::string, PrefValue> values;
  // Values of other kinds, as read: nobody here understands them, but a
  // write of the file must not drop them.
  std::map<std::string, nlohmann::json> foreign;
  bool dirty = false;
  bool damaged = false;  // the file on disk is kept aside before the next write
};

std::map<std::string, Store>& Stores() {
  static std::map<std::string, Store> stores;
  return stores;
}

// Application ids become file names; anything that could leave the folder
// is replaced.
std::string SafeName(const std::string& s) {
  std::string out;
  for (char c : s) out += (c == '/' || c == '\0') ? '_' : c;
  if (out.empty() || out == "." || out == "..") out = "_" + out;
  return out;
}

Store& Load(const std::string& path) {
  auto it = Stores().find(path);
  if (it != Stores().end()) return it->second;
  Store& st = Stores()[path];
  if (!detail::FileExists(path)) return st;
  std::string err;
  auto j = detail::ReadJsonFile(path, &err);
  if (!j || !j->is_object()) {
    st.damaged = true;
    Log("preferences %s are damaged and read as empty", path.c_str());
    return st;
  }
  for (auto e = j->begin(); e != j->end(); ++e) {
    bool ok = true;
    if (e.value().is_string()) {
      st.values[e.key()] = e.value().get<std::string>();
    } else if (e.value().is_array()) {
      std::vector<std::string> list;
      for (const auto& x : e.value()) {
        if (!x.is_string()) ok = false;
        else list.push_back(x.get<std::string>());
      }
      if (ok) st.values[e.key()] = std::move(list);
    } else {
      ok = false;
    }
    if (!ok) st.foreign[e.key()] = e.value();
  }
  return st;
}

// Where a file is kept aside: the first free name, so an earlier kept copy
// is never written over.
std::string AsidePath(const std::string& path) {
  std::string aside = path + ".damaged";
  for (int n = 1; n < 1000 && detail::FileExists(aside); ++n) aside = path + ".damaged." + std::to_string(n);
  return aside;
}

// The any-user store is read by every user: world-readable, and writable by
// the administrators' group when that group owns its folder. A user's own
// store stays private.
mode_t StoreMode(const std::string& path, PrefUser user) {
  if (user != PrefUser::kAnyUser) return 0600;
  struct stat folder{};
  const std::string group = AdministratorsGroup();
  if (!group.empty() && stat(std::filesystem::path(path).parent_path().c_str(), &folder) == 0) {
    if (const struct group* g = getgrnam(group.c_str()); g != nullptr && g->gr_gid == folder.st_gid) return 0664;
  }
  return 0644;
}

bool WriteAtomically(const std::string& path, const std::string& data, mode_t mode) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  std::string tmp = path + ".tmp-XXXXXX";
  int fd = mkstemp(tmp.data());
  if (fd < 0) return false;
  // mkstemp makes the file 0600 whatever the store is for.
  bool ok = ::fchmod(fd, mode) == 0;
  size_t off = 0;
  while (ok && off < data.size()) {
    ssize_t n = ::write(fd, data.data() + off, data.size() - off);
    if (n < 0) ok = false;
    else off += static_cast<size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && std::rename(tmp.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(tmp.c_str());
  return ok;
}

}  // namespace

std::string Preferences::StorePath(const std::string& application, PrefUser user, PrefHost host) {
  std::string root;
  const char* env = std::getenv(kPrefsDirEnv);
  if (env != nullptr && *env != '\0') {
    root = std::string(env) + "/" + (user == PrefUser::kAnyUser ? "any-user" : "user-" + SafeName(LoginName()));
  } else if (user == PrefUser::kAnyUser) {
    root = SystemPath("/var/lib/zq/preferences");
  } else {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    root = (xdg && *xdg) ? std::string(xdg) : std::string(home ? home : "/tmp") + "/.config";
    root += "/zq/preferences";
  }
  root += "/" + (host == PrefHost::kAnyHost ? std::string("any-host") : "host-" + SafeName(HostName()));
  return root + "/" + SafeName(application) + ".json";
}

std::optional<PrefValue> Preferences::CopyValue(const std::string& key, const std::string& application,
                                                PrefUser user, PrefHost host) {
  if (key.empty() || application.empty()) return std::nullopt;
  Store& st = Load(StorePath(application, user, host));
  auto it = st.values.find(key);
  if (it == st.values.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> Preferences::CopyString(const std::string& key, const std::string& application,
                                                   PrefUser user, PrefHost host) {
  auto v = CopyValue(key, application, user, host);
  if (!v) return std::nullopt;
  if (const auto* s = std::get_if<std::string>(&*v)) return *s;
  return std::nullopt;
}

std::optional<std::vector<PrefElement>> Preferences::CopyListElements(const std::string& key,
                                                                      const std::string& application, PrefUser user,
                                                                      PrefHost host) {
  if (key.empty() || application.empty()) return std::nullopt;
  Store& st = Load(StorePath(application, user, host));
  std::vector<PrefElement> out;
  if (auto it = st.values.find(key); it != st.values.end()) {
    const auto* list = std::get_if<std::vector<std::string>>(&it->second);
    if (list == nullptr) return std::nullopt;
    out.assign(list->begin(), list->end());
    return out;
  }
  auto it = st.foreign.find(key);
  if (it == st.foreign.end() || !it->second.is_array()) return std::nullopt;
  for (const auto& x : it->second) {
    if (x.is_string()) out.emplace_back(x.get<std::string>());
    else if (x.is_number()) out.emplace_back(x.get<double>());
    else out.emplace_back(std::monostate{});
  }
  return out;
}

void Preferences::KeepFileAsideBeforeNextWrite(const std::string& application, PrefUser user, PrefHost host) {
  if (application.empty()) return;
  const std::string path = StorePath(application, user, host);
  Store& st = Load(path);
  if (detail::FileExists(path)) st.damaged = true;
}

void Preferences::SetValue(const std::string& key, std::optional<PrefValue> value, const std::string& application,
                           PrefUser user, PrefHost host) {
  if (key.empty() || application.empty()) return;
  Store& st = Load(StorePath(application, user, host));
  st.foreign.erase(key);
  if (value) st.values[key] = std::move(*value);
  else st.values.erase(key);
  st.dirty = true;
}

bool Preferences::Synchronize(const std::string& application, PrefUser user, PrefHost host) {
  const std::string path = StorePath(application, user, host);
  Store& st = Load(path);
  if (!st.dirty) return true;
  nlohmann::json j = nlohmann::json::object();
  for (const auto& [k, v] : st.foreign) j[k] = v;
  for (const auto& [k, v] : st.values) {
    if (const auto* s = std::get_if<std::string>(&v)) j[k] = *s;
    else j[k] = std::get<std::vector<std::string>>(v);
  }
  if (st.damaged) {
    // Keep what could not be read rather than overwrite it.
    std::rename(path.c_str(), AsidePath(path).c_str());
    st.damaged = false;
  }
  // A value handed in that is not UTF-8 must not make the write throw (and
  // lose every other change): its broken bytes are written as U+FFFD.
  const std::string text = j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
  if (!WriteAtomically(path, text, StoreMode(path, user))) return false;
  st.dirty = false;
  return true;
}

void Preferences::ResetForTesting() { Stores().clear(); }

}  // namespace zqp
