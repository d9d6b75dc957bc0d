#pragma once
// Reading the JSON files of bundles and preferences (internal).
#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace zqp::detail {

// The parsed file, or nothing with a message (missing, unreadable, damaged).
std::optional<nlohmann::json> ReadJsonFile(const std::string& path, std::string* error);
bool FileExists(const std::string& path);
bool IsDirectory(const std::string& path);

}  // namespace zqp::detail
