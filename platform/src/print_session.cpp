#include "zqp/print_session.h"

#include <cmath>
#include <limits>

namespace zqp {

bool ParseDestinationType(const std::string& text, DestinationType& out) {
  if (text == "printer") out = DestinationType::kPrinter;
  else if (text == "file") out = DestinationType::kFile;
  else if (text == "preview") out = DestinationType::kPreview;
  else if (text == "fax") out = DestinationType::kFax;
  else return false;
  return true;
}

const char* DestinationTypeName(DestinationType type) {
  switch (type) {
    case DestinationType::kPrinter: return "printer";
    case DestinationType::kFile: return "file";
    case DestinationType::kFax: return "fax";
    case DestinationType::kPreview: return "preview";
  }
  return "printer";
}

Status PageFormat::GetUnadjustedPaperRect(Rect& out) const {
  out = paper_;
  return kNoErr;
}

Status PageFormat::GetOrientation(Orientation& out) const {
  out = orientation_;
  return kNoErr;
}

void PageFormat::SetFromPpd(ppd_file_t* ppd) {
  ppd_size_t* size = ppd ? ppdPageSize(ppd, nullptr) : nullptr;
  if (size == nullptr) {
    paper_ = Rect{0, 0, 612, 792};
    return;
  }
  // Origin at the imageable area's top-left corner, as the page setup has it.
  paper_ = Rect{-size->left, -(size->length - size->top), size->width - size->left,
                size->top};
}

Status PrintSession::GetCurrentPrinterID(std::string& out) const {
  if (printerId_.empty()) return kParamErr;
  out = printerId_;
  return kNoErr;
}

Status PrintSession::GetDestinationType(DestinationType& out) const {
  out = destination_;
  return kNoErr;
}

Status PrintSession::GetDataFromSession(const std::string& key, Datum& out) const {
  auto it = data_.find(key);
  if (it == data_.end()) return kSessionDataMissing;
  out = it->second;
  return kNoErr;
}

Status PrintSession::GetNumber(const std::string& key, int32_t& out) const {
  auto it = data_.find(key);
  if (it == data_.end()) return kSessionDataMissing;
  if (const auto* i = std::get_if<int64_t>(&it->second)) {
    if (*i < std::numeric_limits<int32_t>::min() || *i > std::numeric_limits<int32_t>::max()) return kParamErr;
    out = static_cast<int32_t>(*i);
    return kNoErr;
  }
  if (const auto* d = std::get_if<double>(&it->second)) {
    if (!std::isfinite(*d) || *d < std::numeric_limits<int32_t>::min() ||
        *d > std::numeric_limits<int32_t>::max()) {
      return kParamErr;
    }
    out = static_cast<int32_t>(*d);
    return kNoErr;
  }
  return kParamErr;
}

ppd_file_t* PrintSession::GetPPD() const {
  auto it = data_.find(kPPDReferenceKey);
  if (it == data_.end()) return nullptr;
  const auto* p = std::get_if<ppd_file_t*>(&it->second);
  return p ? *p : nullptr;
}

}  // namespace zqp
