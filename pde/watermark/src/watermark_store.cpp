#include "watermark_store.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "zqp/preferences.h"
#include "zqp/utf8.h"
#include "zqpde/ticket_value.h"

namespace zqwm {
namespace {

constexpr const char* kKeyNames[kWMFieldCount] = {
    "WMARKNAMEARRAYReference",     "WMARKTEXTARRAYReference",      "WMARKPATHARRAYReference",
    "WMARKTYPEARRAYReference",     "WMARKREDARRAYReference",       "WMARKGREENARRAYReference",
    "WMARKBLUEARRAYReference",     "WMARKALPHAARRAYReference",     "WMARKFONTNAMEARRAYReference",
    "WMARKSIZEARRAYReference",     "WMARKANGELARRAYReference",     "WMARKDENSITYARRAYReference",
    "WMARKSCALEARRAYReference",    "WMARKSIZERADIOARRAYReference", "WMARKHOFFSETARRAYReference",
    "WMARKVOFFSETARRAYReference",  "WMARKHMMOFFSETARRAYReference", "WMARKVMMOFFSETARRAYReference",
};

std::string Real(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%f", static_cast<double>(static_cast<float>(value)));
  return buffer;
}

std::string Integer(int32_t value) { return std::to_string(value); }

// Text read back from a file may hold bytes that are not UTF-8; they would
// make every later ticket write of the text fail, so each becomes U+FFFD.
std::string RepairedUtf8(const std::string& text) { return zqp::RepairedUtf8(text); }

bool PreferenceKey(const std::string& ns, WatermarkField field, const std::string& printerID, std::string* key) {
  if (printerID.empty()) return false;
  const std::string name = ns + kKeyNames[field];
  return zqpde::CreateKeyWithCurrentPrinter(name.c_str(), printerID.c_str(), key);
}

const std::string kEmpty;

}  // namespace

const char* WatermarkPreferenceKeyName(WatermarkField field) {
  return field < kWMFieldCount ? kKeyNames[field] : "";
}

void WatermarkStore::Load(const std::string& ticketNamespace, const std::string& printerID) {
  Lists lists;
  for (size_t f = 0; f < kWMFieldCount; ++f) {
    std::string key;
    if (!PreferenceKey(ticketNamespace, static_cast<WatermarkField>(f), printerID, &key)) continue;
    const auto value = zqp::Preferences::CopyValue(key, zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                                   zqp::PrefHost::kCurrentHost);
    if (!value) continue;
    if (const auto* list = std::get_if<std::vector<std::string>>(&*value)) {
      for (const auto& element : *list) lists[f].push_back(RepairedUtf8(element));
    }
  }
  SetLists(std::move(lists));
}

bool WatermarkStore::Save(const std::string& ticketNamespace, const std::string& printerID) const {
  bool stored = true;
  for (size_t f = 0; f < kWMFieldCount; ++f) {
    std::string key;
    if (!PreferenceKey(ticketNamespace, static_cast<WatermarkField>(f), printerID, &key)) {
      stored = false;
      continue;
    }
    zqp::Preferences::SetValue(key, zqp::PrefValue(lists_[f]), zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                               zqp::PrefHost::kCurrentHost);
  }
  if (!stored) return false;
  try {
    return zqp::Preferences::Synchronize(zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                         zqp::PrefHost::kCurrentHost);
  } catch (const std::exception&) {
    return false;  // a value the file cannot hold, set by someone else: report, never end the dialog
  }
}

void WatermarkStore::SetLists(Lists lists) {
  lists_ = std::move(lists);
  Normalise();
}

void WatermarkStore::Normalise() {
  size_t common = lists_[0].size();
  for (const auto& list : lists_) common = std::min(common, list.size());
  for (auto& list : lists_) list.resize(common);
}

const std::string& WatermarkStore::Field(WatermarkField field, size_t index) const {
  if (field >= kWMFieldCount || index >= lists_[field].size()) return kEmpty;
  return lists_[field][index];
}

int32_t WatermarkStore::IntField(WatermarkField field, size_t index) const {
  const std::string& text = Field(field, index);
  const long value = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int32_t>(std::clamp<long>(value, INT32_MIN, INT32_MAX));
}

double WatermarkStore::RealField(WatermarkField field, size_t index) const {
  const double value = std::strtod(Field(field, index).c_str(), nullptr);
  return value == value ? value : 0.0;  // NaN reads as 0
}

std::optional<WatermarkRecord> WatermarkStore::Record(size_t index) const {
  if (index >= Count()) return std::nullopt;
  WatermarkRecord r;
  r.name = Field(kWMName, index);
  r.text = Field(kWMText, index);
  r.imagePath = Field(kWMImagePath, index);
  r.type = IntField(kWMType, index);
  r.red = RealField(kWMRed, index);
  r.green = RealField(kWMGreen, index);
  r.blue = RealField(kWMBlue, index);
  r.alpha = RealField(kWMAlpha, index);
  r.fontName = Field(kWMFontName, index);
  r.size = static_cast<float>(RealField(kWMSize, index));
  r.angle = IntField(kWMAngel, index);
  r.density = IntField(kWMDensity, index);
  r.scale = IntField(kWMScale, index);
  r.sizeRadio = IntField(kWMSizeRadio, index);
  r.hOffset = IntField(kWMhOffset, index);
  r.vOffset = IntField(kWMvOffset, index);
  r.hMMOffset = IntField(kWMhMMOffset, index);
  r.vMMOffset = IntField(kWMvMMOffset, index);
  return r;
}

std::optional<size_t> WatermarkStore::IndexOfName(const std::string& name) const {
  const auto& names = lists_[kWMName];
  const auto it = std::find(names.begin(), names.end(), name);
  if (it == names.end()) return std::nullopt;
  return static_cast<size_t>(it - names.begin());
}

std::array<std::string, kWMFieldCount> WatermarkStore::Format(const WatermarkRecord& r) {
  return {RepairedUtf8(r.name), RepairedUtf8(r.text), RepairedUtf8(r.imagePath),          Integer(r.type),      Real(r.red),
          Real(r.green),  Real(r.blue),    Real(r.alpha),        RepairedUtf8(r.fontName),           Real(r.size),
          Integer(r.angle), Integer(r.density), Integer(r.scale), Integer(r.sizeRadio), Integer(r.hOffset),
          Integer(r.vOffset), Integer(r.hMMOffset), Integer(r.vMMOffset)};
}

void WatermarkStore::Append(const WatermarkRecord& record) {
  const auto values = Format(record);
  for (size_t f = 0; f < kWMFieldCount; ++f) lists_[f].push_back(values[f]);
}

bool WatermarkStore::Update(const WatermarkRecord& record, size_t index) {
  if (index >= Count()) return false;
  const auto values = Format(record);
  for (size_t f = 0; f < kWMFieldCount; ++f) lists_[f][index] = values[f];
  return true;
}

bool WatermarkStore::Remove(size_t index) {
  if (index >= Count()) return false;
  for (auto& list : lists_) list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

}  // namespace zqwm
