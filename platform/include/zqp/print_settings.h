#pragma once
// The print-settings ticket: what the extensions write and the job filter
// receives as job options. Keys keep the order in which they were first
// written, because that is the order the ticket is handed on in.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "zqp/export.h"
#include "zqp/status.h"

namespace zqp {

using SettingValue = std::variant<std::string, std::vector<std::string>>;

class ZQP_API PrintSettings {
 public:
  struct Entry {
    std::string key;
    SettingValue value;
    bool locked = false;
  };

  // Stores a text value. An empty key gives kParamErr; a key that was
  // written locked refuses any later change with kPermErr. `lock` marks the
  // entry as final.
  Status SetValue(const std::string& key, const std::string& value, bool lock);
  Status SetArray(const std::string& key, const std::vector<std::string>& values, bool lock);

  // kParamErr for an empty key, a missing key or a value of the other kind;
  // `out` is then left as it was.
  Status GetValue(const std::string& key, std::string& out) const;
  Status GetArray(const std::string& key, std::vector<std::string>& out) const;

  const SettingValue* Find(const std::string& key) const;
  bool Has(const std::string& key) const { return Find(key) != nullptr; }
  bool IsLocked(const std::string& key) const;
  // Removes an unlocked entry; its place in the write order is forgotten.
  Status Remove(const std::string& key);

  const std::vector<Entry>& Entries() const { return entries_; }
  size_t Size() const { return entries_.size(); }

  // Reads `key=value` lines (the starting ticket of the print dialog).
  // Blank lines and lines starting with '#' are skipped; a value of the form
  // [a,b] becomes an array. Returns false with a message on a line without
  // '=' or with an empty key; entries read before the bad line stay.
  bool ParseLines(const std::string& text, std::string* error);
  // `key=value` lines in write order, arrays as key=[a,b].
  std::string ToLines() const;
  // One option string that cupsParseOptions reads back to the same text
  // values; arrays are left out.
  std::string ToCupsOptions() const;

 private:
  Entry* FindEntry(const std::string& key);
  Status Store(const std::string& key, SettingValue value, bool lock);
  std::vector<Entry> entries_;
};

}  // namespace zqp
