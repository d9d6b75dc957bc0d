#include "zqp/bundle.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>

#include "json_file.h"

namespace zqp {

namespace {

// Bundles live as long as the process: panels and their controls keep
// pointers to them, and the modules they loaded are never unloaded.
std::vector<std::unique_ptr<Bundle>>& Registry() {
  static std::vector<std::unique_ptr<Bundle>> bundles;
  return bundles;
}

std::string Normalise(const std::string& path) {
  std::error_code ec;
  auto p = std::filesystem::weakly_canonical(path, ec);
  return ec ? path : p.string();
}

// Depth is bounded so that a hostile Info.json cannot exhaust the stack.
InfoValue ToInfoValue(const nlohmann::json& j, int depth) {
  InfoValue v;
  if (depth > 64) return v;
  if (j.is_string()) {
    v.type = InfoValue::Type::kText;
    v.text = j.get<std::string>();
  } else if (j.is_boolean()) {
    v.type = InfoValue::Type::kBoolean;
    v.text = j.get<bool>() ? "true" : "false";
  } else if (j.is_number()) {
    v.type = InfoValue::Type::kNumber;
    v.text = j.dump();
  } else if (j.is_array()) {
    v.type = InfoValue::Type::kArray;
    for (const auto& e : j) v.array.push_back(ToInfoValue(e, depth + 1));
  } else if (j.is_object()) {
    v.type = InfoValue::Type::kDictionary;
    for (auto it = j.begin(); it != j.end(); ++it) v.dictionary[it.key()] = ToInfoValue(it.value(), depth + 1);
  }
  return v;
}

}  // namespace

const InfoValue* InfoValue::find(const std::string& key) const {
  if (type != Type::kDictionary) return nullptr;
  auto it = dictionary.find(key);
  return it == dictionary.end() ? nullptr : &it->second;
}

Bundle* Bundle::Open(const std::string& rawPath, std::string* error) {
  const std::string path = Normalise(rawPath);
  for (auto& b : Registry()) {
    if (b->path_ == path) return b.get();
  }
  if (!detail::IsDirectory(path)) {
    if (error) *error = "no bundle folder " + rawPath;
    return nullptr;
  }
  std::string why;
  auto info = detail::ReadJsonFile(path + "/Info.json", &why);
  if (!info || !info->is_object()) {
    if (error) *error = "bundle " + rawPath + ": " + (info ? "Info.json is not an object" : why);
    return nullptr;
  }
  std::unique_ptr<Bundle> b(new Bundle());
  b->path_ = path;
  for (auto it = info->begin(); it != info->end(); ++it) {
    b->info_[it.key()] = ToInfoValue(it.value(), 0);
  }
  b->identifier_ = b->infoValue("CFBundleIdentifier");
  if (b->identifier_.empty()) {
    if (error) *error = "bundle " + rawPath + ": Info.json names no CFBundleIdentifier";
    return nullptr;
  }
  Registry().push_back(std::move(b));
  return Registry().back().get();
}

Bundle* Bundle::WithIdentifier(const std::string& identifier) {
  for (auto& b : Registry()) {
    if (b->identifier_ == identifier) return b.get();
  }
  return nullptr;
}

void Bundle::ForgetForTesting(const std::string& folder) {
  if (folder.empty()) return;
  const std::string root = Normalise(folder);
  const std::string inside = root == "/" ? root : root + "/";
  std::erase_if(Registry(), [&](const std::unique_ptr<Bundle>& b) {
    return b->path_ == root || b->path_.compare(0, inside.size(), inside) == 0;
  });
}

std::vector<Bundle*> Bundle::OpenAll(const std::string& dir, std::vector<std::string>* errors) {
  std::vector<Bundle*> out;
  std::vector<std::string> paths;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().extension() == ".plugin") paths.push_back(it->path().string());
  }
  if (ec && errors) errors->push_back("cannot read bundle folder " + dir + ": " + ec.message());
  std::sort(paths.begin(), paths.end());
  for (const auto& p : paths) {
    std::string err;
    if (Bundle* b = Bundle::Open(p, &err)) {
      out.push_back(b);
    } else if (errors) {
      errors->push_back(err);
    }
  }
  return out;
}

std::string Bundle::infoValue(const std::string& key) const {
  auto it = info_.find(key);
  return it == info_.end() || it->second.type != InfoValue::Type::kText ? std::string() : it->second.text;
}

const InfoValue* Bundle::infoObject(const std::string& key) const {
  auto it = info_.find(key);
  return it == info_.end() ? nullptr : &it->second;
}

std::optional<std::string> Bundle::pathForResource(const std::string& name, const std::string& type,
                                                   const std::string& subdir) const {
  if (name.empty() || name.find("..") != std::string::npos || subdir.find("..") != std::string::npos) {
    return std::nullopt;
  }
  std::string p = resourcePath() + "/";
  if (!subdir.empty()) p += subdir + "/";
  p += name;
  if (!type.empty()) p += "." + type;
  if (!detail::FileExists(p)) return std::nullopt;
  return p;
}

const std::map<std::string, std::string>* Bundle::table(const std::string& name) const {
  auto it = tables_.find(name);
  if (it != tables_.end()) return &it->second;
  auto& t = tables_[name];
  if (auto p = pathForResource(name, "strings")) {
    std::string err;
    if (auto j = detail::ReadJsonFile(*p, &err); j && j->is_object()) {
      for (auto e = j->begin(); e != j->end(); ++e) {
        if (e.value().is_string()) t[e.key()] = e.value().get<std::string>();
      }
    }
  }
  return &t;
}

std::string Bundle::localizedString(const std::string& key, const std::string& value,
                                    const std::string& tableName) const {
  const auto* t = table(tableName.empty() ? std::string(kDefaultStringTable) : tableName);
  auto it = t->find(key);
  if (it != t->end()) return it->second;
  return value.empty() ? key : value;
}

std::unique_ptr<PlugIn> Bundle::loadPlugIn(std::string* error) {
  std::string exe = infoValue("CFBundleExecutable");
  if (exe.empty()) {
    exe = std::filesystem::path(path_).stem().string() + ".so";
  }
  const std::string modulePath = path_ + "/" + exe;
  if (module_ == nullptr) {
    if (!detail::FileExists(modulePath)) {
      if (error) *error = "bundle " + identifier_ + ": module " + modulePath + " is missing";
      return nullptr;
    }
    module_ = dlopen(modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module_ == nullptr) {
      const char* why = dlerror();
      if (error) *error = "bundle " + identifier_ + ": cannot load " + modulePath + ": " + (why ? why : "?");
      return nullptr;
    }
  }
  auto factory = reinterpret_cast<PlugInFactory>(dlsym(module_, kPlugInFactorySymbol));
  if (factory == nullptr) {
    if (error) *error = "bundle " + identifier_ + ": module exports no " + kPlugInFactorySymbol;
    return nullptr;
  }
  std::unique_ptr<PlugIn> plugin(factory());
  if (!plugin) {
    if (error) *error = "bundle " + identifier_ + ": factory made no plug-in";
    return nullptr;
  }
  if (!plugin->initWithBundle(this)) {
    if (error) *error = "bundle " + identifier_ + ": initWithBundle refused";
    return nullptr;
  }
  return plugin;
}

}  // namespace zqp
