#include "zqp/property_list.h"

#include <fstream>
#include <iterator>
#include <limits>

#include "zqp/system_files.h"

namespace zqp {

PlistPtr ReadPropertyList(const std::string& path, Status* status) {
  Status ignored = kNoErr;
  Status& result = status != nullptr ? *status : ignored;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result = kFileNotFoundErr;
    return nullptr;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  plist_t parsed = nullptr;
  // libplist takes a 32-bit length: a larger file is refused, not cut short.
  if (!bytes.empty() && bytes.size() <= std::numeric_limits<uint32_t>::max())
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &parsed);
  if (parsed == nullptr) {
    PlistFree()(parsed);
    result = kIoErr;
    return nullptr;
  }
  result = kNoErr;
  return PlistPtr(parsed);
}

Status WritePropertyList(const std::string& path, plist_t root, mode_t mode, const std::string& group) {
  if (root == nullptr) return kParamErr;
  char* xml = nullptr;
  uint32_t length = 0;
  plist_to_xml(root, &xml, &length);
  if (xml == nullptr || length == 0) {
    if (xml != nullptr) plist_to_xml_free(xml);
    return kIoErr;
  }
  const std::string text(xml, length);
  plist_to_xml_free(xml);
  return WriteFileWithMode(path, text, mode, group);
}

const char* PlistString(plist_t node) {
  return node != nullptr && plist_get_node_type(node) == PLIST_STRING ? plist_get_string_ptr(node, nullptr) : nullptr;
}

}  // namespace zqp
