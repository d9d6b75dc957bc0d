#pragma once
// Extension bundles: a directory <Name>.plugin/ holding the module
// (<Name>.so, or the file Info.json names as "CFBundleExecutable"), the
// description Info.json and Resources/ with nibs (<name>.nib, JSON), string
// tables (<table>.strings, a JSON object of key to text), images and the
// Help/ folder.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zqp/export.h"
#include "zqp/extension.h"
#include "zqp/status.h"

namespace zqp {

// The caller's default for a missing translation.
inline constexpr const char* kNoTranslation = "no translation";
inline constexpr const char* kDefaultStringTable = "Localizable";

// A value of Info.json as it stands: text, a number or a truth value (kept
// with its written form in `text`), a list or a dictionary. A null value
// is kNull.
struct ZQP_API InfoValue {
  enum class Type { kNull, kText, kNumber, kBoolean, kArray, kDictionary };
  Type type = Type::kNull;
  std::string text;
  std::vector<InfoValue> array;
  std::map<std::string, InfoValue> dictionary;
  // The entry of a dictionary; null when this is none or has no such key.
  const InfoValue* find(const std::string& key) const;
};

class ZQP_API Bundle {
 public:
  // Reads <path>/Info.json. Null with a message when the folder or its
  // Info.json is missing or damaged, or it names no "CFBundleIdentifier".
  // The bundle is registered under its identifier for the process's life.
  static Bundle* Open(const std::string& path, std::string* error);
  // A bundle opened before, by identifier; null when none.
  static Bundle* WithIdentifier(const std::string& identifier);
  // Every *.plugin folder of dir, opened, in name order; folders that fail
  // are reported in errors and skipped.
  static std::vector<Bundle*> OpenAll(const std::string& dir, std::vector<std::string>* errors);
  // Tests: forgets the bundles opened from the folder or anything under it
  // (a test's temporary folder, about to be removed), so that a later test
  // opening a bundle of the same identifier or path gets its own. Their
  // modules stay loaded; nothing may use those bundles afterwards.
  static void ForgetForTesting(const std::string& folder);

  const std::string& path() const { return path_; }
  const std::string& identifier() const { return identifier_; }
  // A text value of Info.json; empty when missing or not text.
  std::string infoValue(const std::string& key) const;
  // Any value of Info.json, lists and dictionaries included; null when
  // missing.
  const InfoValue* infoObject(const std::string& key) const;
  std::string resourcePath() const { return path_ + "/Resources"; }
  // The path of Resources/[subdir/]name[.type], when that file exists.
  std::optional<std::string> pathForResource(const std::string& name, const std::string& type,
                                             const std::string& subdir = {}) const;
  // The text of key in the table (default "Localizable"). A missing table
  // or key gives value, or the key itself when value is empty.
  std::string localizedString(const std::string& key, const std::string& value,
                              const std::string& table = kDefaultStringTable) const;

  // Loads the module (dlopen RTLD_NOW | RTLD_LOCAL) and makes the principal
  // object with the bundle's factory, then sends it initWithBundle. Null
  // with a message when the module is missing, cannot be loaded, exports no
  // factory, or initWithBundle refuses. The module stays loaded.
  std::unique_ptr<PlugIn> loadPlugIn(std::string* error);

 private:
  Bundle() = default;
  const std::map<std::string, std::string>* table(const std::string& name) const;
  std::string path_;
  std::string identifier_;
  std::map<std::string, InfoValue> info_;
  mutable std::map<std::string, std::map<std::string, std::string>> tables_;
  void* module_ = nullptr;
};

}  // namespace zqp
