#pragma once
// Property lists (XML or binary) read and written with libplist. Callers
// walk and edit the tree with libplist's own node functions.
#include <plist/plist.h>
#include <sys/types.h>

#include <memory>
#include <string>

#include "zqp/export.h"
#include "zqp/status.h"

namespace zqp {

struct PlistFree {
  void operator()(plist_t p) const {
    if (p != nullptr) plist_free(p);
  }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

// Reads the file; null when it is missing (status kFileNotFoundErr) or is not
// a whole property list (status kIoErr). A damaged file is never half read.
ZQP_API PlistPtr ReadPropertyList(const std::string& path, Status* status = nullptr);
// Writes the tree as XML, replacing the file atomically with the mode (and
// the group, when given). kParamErr for a null tree.
ZQP_API Status WritePropertyList(const std::string& path, plist_t root, mode_t mode = 0644,
                                 const std::string& group = {});
// The node's text when it is a string node, else null.
ZQP_API const char* PlistString(plist_t node);

}  // namespace zqp
