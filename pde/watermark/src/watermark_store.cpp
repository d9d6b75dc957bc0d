#include "watermark_store.h"

#include <algorithm>
#include <bitset>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "zqp/preferences.h"
#include "zqp/system.h"
#include "zqp/utf8.h"
#include "zqpde/number_text.h"
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

enum class ElementKind { kText, kReal, kInteger, kChoice };

ElementKind KindOf(WatermarkField field) {
  switch (field) {
    case kWMName: case kWMText: case kWMImagePath: case kWMFontName: return ElementKind::kText;
    case kWMRed: case kWMGreen: case kWMBlue: case kWMAlpha: case kWMSize: return ElementKind::kReal;
    case kWMType: case kWMSizeRadio: return ElementKind::kChoice;
    default: return ElementKind::kInteger;
  }
}

// Whether an element reads as what its list holds: any text; a finite
// number for a colour or size; a whole number within 32 bits for an angle,
// density, scale or offset; 0 or 1 for the type and the unit.
bool IsValidElement(WatermarkField field, const std::string& text) {
  switch (KindOf(field)) {
    case ElementKind::kText: return true;
    case ElementKind::kInteger: return zqpde::DecimalInt32(text).has_value();
    case ElementKind::kChoice: return zqpde::DecimalInt32(text, 0, 1).has_value();
    case ElementKind::kReal: {
      if (text.empty() || std::isspace(static_cast<unsigned char>(text.front()))) return false;
      char* end = nullptr;
      const double value = std::strtod(text.c_str(), &end);
      return *end == '\0' && std::isfinite(value);
    }
  }
  return false;
}

// A number found where the store writes text, as the store would have
// written it; nothing when its meaning is not plain (a fraction where a
// whole number belongs, a number too large to be one).
std::optional<std::string> NumberAsText(WatermarkField field, double number) {
  if (!std::isfinite(number)) return std::nullopt;
  const bool whole = std::trunc(number) == number;
  switch (KindOf(field)) {
    case ElementKind::kReal: return Real(number);
    case ElementKind::kInteger:
    case ElementKind::kChoice:
      if (!whole || number < INT32_MIN || number > INT32_MAX) return std::nullopt;
      return Integer(static_cast<int32_t>(number));
    case ElementKind::kText: {
      if (!whole || std::fabs(number) > 9007199254740992.0) return std::nullopt;  // 2^53: still exact
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%.0f", number);
      return std::string(buffer);
    }
  }
  return std::nullopt;
}

std::array<std::string, kWMFieldCount> Format(const WatermarkRecord& r) {
  return {RepairedUtf8(r.name), RepairedUtf8(r.text), RepairedUtf8(r.imagePath),          Integer(r.type),      Real(r.red),
          Real(r.green),  Real(r.blue),    Real(r.alpha),        RepairedUtf8(r.fontName),           Real(r.size),
          Integer(r.angle), Integer(r.density), Integer(r.scale), Integer(r.sizeRadio), Integer(r.hOffset),
          Integer(r.vOffset), Integer(r.hMMOffset), Integer(r.vMMOffset)};
}

// The element a watermark's type fixes, as the store writes it; nothing for
// an element the type leaves open or an unknown type.
std::optional<std::string> ElementFixedByType(WatermarkField field, const std::optional<std::string>& typeText) {
  const std::optional<int32_t> type = typeText ? zqpde::DecimalInt32(*typeText) : std::nullopt;
  if (!type || !IsFixedByType(field, *type)) return std::nullopt;
  WatermarkRecord fixed;
  fixed.type = *type;
  ApplyFixedByType(&fixed);
  return Format(fixed)[field];
}

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

bool IsFixedByType(WatermarkField field, int32_t type) {
  switch (type) {
    case kWMTypeText: return field == kWMImagePath || field == kWMScale;
    case kWMTypePicture:
      switch (field) {
        case kWMRed: case kWMGreen: case kWMBlue: case kWMAlpha: case kWMFontName: case kWMSize: case kWMAngel:
        case kWMDensity: case kWMSizeRadio: case kWMhOffset: case kWMvOffset: case kWMhMMOffset: case kWMvMMOffset:
          return true;
        default: return false;
      }
    default: return false;
  }
}

void ApplyFixedByType(WatermarkRecord* r) {
  if (r->type == kWMTypeText) {
    r->imagePath.clear();
    r->scale = 100;
  } else if (r->type == kWMTypePicture) {
    r->red = 0, r->green = 0, r->blue = 1, r->alpha = 1;
    r->fontName.clear();
    r->size = 72;
    r->angle = 45;
    r->density = 25;
    r->sizeRadio = kWMInches;
    r->hOffset = r->vOffset = r->hMMOffset = r->vMMOffset = 0;
  }
}

WatermarkLoadResult WatermarkStore::Load(const std::string& ticketNamespace, const std::string& printerID) {
  Elements elements;
  bool converted = false;
  std::bitset<kWMFieldCount> absent;
  for (size_t f = 0; f < kWMFieldCount; ++f) {
    const auto field = static_cast<WatermarkField>(f);
    std::string key;
    if (!PreferenceKey(ticketNamespace, field, printerID, &key)) continue;
    const auto list = zqp::Preferences::CopyListElements(key, zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                                         zqp::PrefHost::kCurrentHost);
    if (!list) {
      absent.set(f);
      continue;
    }
    for (const auto& element : *list) {
      if (const auto* text = std::get_if<std::string>(&element)) {
        elements[f].push_back(RepairedUtf8(*text));
      } else if (const auto* number = std::get_if<double>(&element)) {
        elements[f].push_back(NumberAsText(field, *number));
        converted = true;
      } else {
        elements[f].push_back(std::nullopt);
      }
    }
  }
  // A list missing as a whole: each watermark takes the element its type
  // fixes, so those that do not need the list stay usable.
  size_t stored = 0;
  for (const auto& list : elements) stored = std::max(stored, list.size());
  for (size_t f = 0; f < kWMFieldCount; ++f)
    if (absent.test(f) && stored > 0) {
      for (size_t i = 0; i < stored; ++i)
        elements[f].push_back(ElementFixedByType(static_cast<WatermarkField>(f),
                                                 i < elements[kWMType].size() ? elements[kWMType][i] : std::nullopt));
      converted = true;
    }
  WatermarkLoadResult result = TakeValid(elements);
  result.damaged = result.damaged || converted;
  if (result.damaged) {
    // The lists are written back as they now are at the next save; what
    // they held before stays in the kept copy of the file.
    zqp::Preferences::KeepFileAsideBeforeNextWrite(zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                                   zqp::PrefHost::kCurrentHost);
    zqp::Log("watermarks of %s are damaged: %zu of %zu read; the preferences file is kept aside before it is "
             "written again",
             printerID.c_str(), result.kept, result.stored);
  }
  return result;
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

WatermarkLoadResult WatermarkStore::SetLists(const Lists& lists) {
  Elements elements;
  for (size_t f = 0; f < kWMFieldCount; ++f)
    for (const auto& element : lists[f]) elements[f].push_back(RepairedUtf8(element));
  return TakeValid(elements);
}

WatermarkLoadResult WatermarkStore::TakeValid(const Elements& elements) {
  WatermarkLoadResult result;
  for (const auto& list : elements) result.stored = std::max(result.stored, list.size());
  Lists kept;
  for (size_t i = 0; i < result.stored; ++i) {
    bool whole = true;
    for (size_t f = 0; f < kWMFieldCount && whole; ++f)
      whole = i < elements[f].size() && elements[f][i] && IsValidElement(static_cast<WatermarkField>(f), *elements[f][i]);
    if (!whole) continue;
    for (size_t f = 0; f < kWMFieldCount; ++f) kept[f].push_back(*elements[f][i]);
  }
  lists_ = std::move(kept);
  result.kept = Count();
  result.damaged = result.kept < result.stored;
  return result;
}

const std::string& WatermarkStore::Field(WatermarkField field, size_t index) const {
  if (field >= kWMFieldCount || index >= lists_[field].size()) return kEmpty;
  return lists_[field][index];
}

int32_t WatermarkStore::IntField(WatermarkField field, size_t index) const {
  // Every element kept is a whole 32-bit number (IsValidElement).
  return zqpde::DecimalInt32(Field(field, index)).value_or(0);
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
