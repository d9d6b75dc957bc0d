#pragma once
// Shared by the harnesses: a private scratch folder per process, file
// writing, and splitting one input into several documents.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zqfuzz {

// A folder of this process's own (created once, under TMPDIR or /tmp, and
// removed at exit); the harnesses put the files they build from an input
// there.
const std::string& ScratchDir();

// Writes all of content to the descriptor.
bool WriteAll(int fd, std::string_view content);
// Replaces the file's content; false when it cannot be written.
bool WriteFile(const std::string& path, std::string_view content);

// Splits the input at each of the first maxParts - 1 NUL bytes: the last
// part keeps the rest, NULs included. Missing parts are empty.
std::vector<std::string_view> SplitInput(const uint8_t* data, size_t size, size_t maxParts);

// The whole file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

// A source folder of the project (compiled in as ZQ_SOURCE_DIR).
std::string SourcePath(const std::string& relative);

// The resources of a bundle as the build puts them together (a bundle minus
// its module; compiled in as ZQ_RESOURCES_DIR).
std::string ResourcesPath(const std::string& bundle);

}  // namespace zqfuzz
