#pragma once
// Owning handle of a libcups PPD record. The extensions work on the raw
// ppd_file_t (ppdFindOption, ppdFindChoice, marks); this only makes sure it
// is opened with its defaults marked and closed exactly once.
#include <cups/ppd.h>

#include <memory>
#include <string>

#include "zqp/export.h"

namespace zqp {

class ZQP_API PpdFile {
 public:
  // Opens the file and marks its default choices. Null with a message
  // (including libcups' own reason and line) when it cannot be read.
  static std::unique_ptr<PpdFile> Open(const std::string& path, std::string* error);
  ~PpdFile();
  PpdFile(const PpdFile&) = delete;
  PpdFile& operator=(const PpdFile&) = delete;

  ppd_file_t* get() const { return ppd_; }
  const std::string& path() const { return path_; }

 private:
  PpdFile(ppd_file_t* ppd, std::string path) : ppd_(ppd), path_(std::move(path)) {}
  ppd_file_t* ppd_;
  std::string path_;
};

// The keyword of the marked choice of an option, empty when none; a custom
// choice as "Custom.<value>" (the form a job option carries).
ZQP_API std::string MarkedChoice(ppd_file_t* ppd, const std::string& option);

}  // namespace zqp
