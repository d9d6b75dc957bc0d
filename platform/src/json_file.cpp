#include "json_file.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

namespace zqp::detail {

std::optional<nlohmann::json> ReadJsonFile(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot read " + path;
    return std::nullopt;
  }
  std::ostringstream ss;
  ss << in.rdbuf();
  auto j = nlohmann::json::parse(ss.str(), nullptr, /*allow_exceptions=*/false);
  if (j.is_discarded()) {
    if (error) *error = "damaged JSON in " + path;
    return std::nullopt;
  }
  return j;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsDirectory(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace zqp::detail
