#pragma once
// The print session of one dialog: the current printer, where the job goes,
// the session data the extensions look up by name, and the page format.
#include <cups/ppd.h>

#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "zqp/export.h"
#include "zqp/status.h"

namespace zqp {

// Where the job goes. The values are those the extensions compare with.
enum class DestinationType : int32_t {
  kPrinter = 1,
  kFile = 2,
  kFax = 3,
  kPreview = 4,
};

// Parses "printer", "file", "preview" or "fax"; false for anything else.
ZQP_API bool ParseDestinationType(const std::string& text, DestinationType& out);
ZQP_API const char* DestinationTypeName(DestinationType type);

struct Rect {
  double left = 0, top = 0, right = 0, bottom = 0;
};

enum class Orientation : int32_t { kPortrait = 1, kLandscape = 2, kReversePortrait = 3, kReverseLandscape = 4 };

// Paper geometry in points, as the page-setup side of the dialog keeps it.
class ZQP_API PageFormat {
 public:
  // The paper rectangle with its origin at the imageable area's corner,
  // so left and top are zero or negative.
  Status GetUnadjustedPaperRect(Rect& out) const;
  Status GetOrientation(Orientation& out) const;
  void SetPaperRect(const Rect& r) { paper_ = r; }
  void SetOrientation(Orientation o) { orientation_ = o; }
  // Takes the paper of the PPD's marked PageSize (US Letter when none).
  void SetFromPpd(ppd_file_t* ppd);

 private:
  Rect paper_{0, 0, 612, 792};
  Orientation orientation_ = Orientation::kPortrait;
};

// Name of the session datum that holds the PPD record.
inline constexpr const char* kPPDReferenceKey = "kPMPPDReference";

class ZQP_API PrintSession {
 public:
  using Datum = std::variant<int64_t, double, std::string, ppd_file_t*>;

  // kParamErr without a current printer.
  Status GetCurrentPrinterID(std::string& out) const;
  void SetCurrentPrinterID(std::string id) { printerId_ = std::move(id); }
  bool HasCurrentPrinter() const { return !printerId_.empty(); }

  Status GetDestinationType(DestinationType& out) const;
  void SetDestinationType(DestinationType t) { destination_ = t; }

  // kSessionDataMissing when the session holds no such datum.
  Status GetDataFromSession(const std::string& key, Datum& out) const;
  // A number datum, converted to 32 bits; kSessionDataMissing when the datum
  // is missing and kParamErr when it is not a number.
  Status GetNumber(const std::string& key, int32_t& out) const;
  void SetData(const std::string& key, Datum value) { data_[key] = std::move(value); }
  void RemoveData(const std::string& key) { data_.erase(key); }

  // The PPD record stored under kPPDReferenceKey, null when missing.
  ppd_file_t* GetPPD() const;
  void SetPPD(ppd_file_t* ppd) { data_[kPPDReferenceKey] = ppd; }

  PageFormat& pageFormat() { return pageFormat_; }
  const PageFormat& pageFormat() const { return pageFormat_; }

 private:
  std::string printerId_;
  DestinationType destination_ = DestinationType::kPrinter;
  std::map<std::string, Datum> data_;
  PageFormat pageFormat_;
};

}  // namespace zqp
