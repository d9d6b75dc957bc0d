// Runs a harness's entry function over saved inputs (files, or every file of
// a folder), so the normal build replays the corpus and the regression
// cases without libFuzzer. Any fault aborts, as under the fuzzer.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::printf("replay %s (%zu bytes)\n", file.c_str(), bytes.size());
  std::fflush(stdout);
  // A copy of exactly the input's size, so reading past it is caught.
  std::vector<uint8_t> copy(bytes.begin(), bytes.end());
  LLVMFuzzerTestOneInput(copy.data(), copy.size());
}

}  // namespace

int main(int argc, char** argv) {
  size_t count = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path arg(argv[i]);
    if (std::filesystem::is_directory(arg)) {
      std::vector<std::filesystem::path> files;
      for (const auto& entry : std::filesystem::directory_iterator(arg))
        if (entry.is_regular_file()) files.push_back(entry.path());
      std::sort(files.begin(), files.end());
      for (const auto& f : files) Replay(f), ++count;
    } else if (std::filesystem::exists(arg)) {
      Replay(arg), ++count;
    }
  }
  std::printf("%zu inputs replayed\n", count);
  return 0;
}
