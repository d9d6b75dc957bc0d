#include "zqp/print_settings.h"

#include <algorithm>

namespace zqp {

PrintSettings::Entry* PrintSettings::FindEntry(const std::string& key) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.key == key; });
  return it == entries_.end() ? nullptr : &*it;
}

const SettingValue* PrintSettings::Find(const std::string& key) const {
  for (const auto& e : entries_) {
    if (e.key == key) return &e.value;
  }
  return nullptr;
}

bool PrintSettings::IsLocked(const std::string& key) const {
  for (const auto& e : entries_) {
    if (e.key == key) return e.locked;
  }
  return false;
}

Status PrintSettings::Store(const std::string& key, SettingValue value, bool lock) {
  if (key.empty()) return kParamErr;
  if (Entry* e = FindEntry(key)) {
    if (e->locked) return kPermErr;
    e->value = std::move(value);
    e->locked = lock;
    return kNoErr;
  }
  entries_.push_back(Entry{key, std::move(value), lock});
  return kNoErr;
}

Status PrintSettings::SetValue(const std::string& key, const std::string& value, bool lock) {
  return Store(key, value, lock);
}

Status PrintSettings::SetArray(const std::string& key, const std::vector<std::string>& values, bool lock) {
  return Store(key, values, lock);
}

Status PrintSettings::GetValue(const std::string& key, std::string& out) const {
  const SettingValue* v = key.empty() ? nullptr : Find(key);
  const auto* s = v ? std::get_if<std::string>(v) : nullptr;
  if (s == nullptr) return kParamErr;
  out = *s;
  return kNoErr;
}

Status PrintSettings::GetArray(const std::string& key, std::vector<std::string>& out) const {
  const SettingValue* v = key.empty() ? nullptr : Find(key);
  const auto* a = v ? std::get_if<std::vector<std::string>>(v) : nullptr;
  if (a == nullptr) return kParamErr;
  out = *a;
  return kNoErr;
}

Status PrintSettings::Remove(const std::string& key) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.key == key; });
  if (it == entries_.end()) return kParamErr;
  if (it->locked) return kPermErr;
  entries_.erase(it);
  return kNoErr;
}

namespace {

std::vector<std::string> SplitArray(const std::string& inner) {
  std::vector<std::string> out;
  if (inner.empty()) return out;
  size_t start = 0;
  while (true) {
    size_t comma = inner.find(',', start);
    out.push_back(inner.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return out;
}

bool IsOptionSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Characters that cupsParseOptions treats specially in a value.
bool NeedsQuoting(const std::string& v) {
  if (v.empty()) return true;
  for (char c : v) {
    if (IsOptionSpace(c) || c == '\'' || c == '"' || c == '\\' || c == '{' || c == '}') return true;
  }
  return false;
}

bool UsableOptionName(const std::string& k) {
  if (k.empty()) return false;
  for (char c : k) {
    if (IsOptionSpace(c) || c == '=' || c == '\'' || c == '"' || c == '\\') return false;
  }
  return true;
}

}  // namespace

bool PrintSettings::ParseLines(const std::string& text, std::string* error) {
  size_t pos = 0;
  int lineNo = 0;
  while (pos <= text.size()) {
    size_t nl = text.find('\n', pos);
    std::string line = text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
    pos = nl == std::string::npos ? text.size() + 1 : nl + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    size_t eq = line.find('=');
    if (eq == std::string::npos || eq == 0) {
      if (error) *error = "line " + std::to_string(lineNo) + ": expected key=value: " + line;
      return false;
    }
    std::string key = line.substr(0, eq);
    std::string value = line.substr(eq + 1);
    Status st;
    if (value.size() >= 2 && value.front() == '[' && value.back() == ']') {
      st = SetArray(key, SplitArray(value.substr(1, value.size() - 2)), false);
    } else {
      st = SetValue(key, value, false);
    }
    if (st != kNoErr) {
      if (error) *error = "line " + std::to_string(lineNo) + ": cannot store " + key;
      return false;
    }
  }
  return true;
}

std::string PrintSettings::ToLines() const {
  std::string out;
  for (const auto& e : entries_) {
    out += e.key;
    out += '=';
    if (const auto* s = std::get_if<std::string>(&e.value)) {
      out += *s;
    } else {
      const auto& a = std::get<std::vector<std::string>>(e.value);
      out += '[';
      for (size_t i = 0; i < a.size(); ++i) {
        if (i) out += ',';
        out += a[i];
      }
      out += ']';
    }
    out += '\n';
  }
  return out;
}

std::string PrintSettings::ToCupsOptions() const {
  std::string out;
  for (const auto& e : entries_) {
    const auto* s = std::get_if<std::string>(&e.value);
    if (s == nullptr || !UsableOptionName(e.key)) continue;
    if (!out.empty()) out += ' ';
    out += e.key;
    out += '=';
    if (!NeedsQuoting(*s)) {
      out += *s;
      continue;
    }
    // Inside single quotes cupsParseOptions still takes a backslash as an
    // escape, so both the quote and the backslash are escaped.
    out += '\'';
    for (char c : *s) {
      if (c == '\'' || c == '\\') out += '\\';
      out += c;
    }
    out += '\'';
  }
  return out;
}

}  // namespace zqp
