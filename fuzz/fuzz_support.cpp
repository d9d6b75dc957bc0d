#include "fuzz_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace zqfuzz {

const std::string& ScratchDir() {
  // Never destroyed, so the clean-up at exit can still read it.
  static const std::string* const dir = [] {
    const char* tmp = std::getenv("TMPDIR");
    auto* path = new std::string(std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/zq-fuzz-XXXXXX");
    if (::mkdtemp(path->data()) == nullptr) std::abort();
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(ScratchDir(), ec);
    });
    return path;
  }();
  return *dir;
}

bool WriteAll(int fd, std::string_view content) {
  size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  return done == content.size();
}

bool WriteFile(const std::string& path, std::string_view content) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool ok = WriteAll(fd, content);
  ::close(fd);
  return ok;
}

std::vector<std::string_view> SplitInput(const uint8_t* data, size_t size, size_t maxParts) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < maxParts) {
    const size_t nul = rest.find('\0');
    if (nul == std::string_view::npos) break;
    parts.push_back(rest.substr(0, nul));
    rest.remove_prefix(nul + 1);
  }
  parts.push_back(rest);
  parts.resize(maxParts);
  return parts;
}

std::string ReadFile(const std::string& path) {
  std::string text;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    std::fclose(f);
  }
  return text;
}

std::string SourcePath(const std::string& relative) { return std::string(ZQ_SOURCE_DIR) + "/" + relative; }

std::string ResourcesPath(const std::string& bundle) { return std::string(ZQ_RESOURCES_DIR) + "/" + bundle; }

}  // namespace zqfuzz
