// One whole job through a filter edition: the job options of argv[5], the
// user and title of argv[2] and argv[3], the copies of argv[4] and the
// PostScript on the input, all from outside. This reaches the option and
// ticket reading of every module, the text conversions, the line scanner
// with its hook detection, and decomposition mode.
//
// Input: one byte choosing the edition and the emulated OS release, one
// byte choosing the PPD, then options NUL user NUL title NUL copies NUL
// PostScript.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/filter_main.h"
#include "core/platform_points.h"
#include "editions/ark/ark_profile.h"
#include "editions/kv29/kv29_profile.h"
#include "editions/teld/teld_profile.h"
#include "fuzz_support.h"

namespace {

// The sample PPDs as shipped, and each again with decomposition mode on.
const std::vector<std::string>& PpdPaths() {
  static const std::vector<std::string> paths = [] {
    std::vector<std::string> out;
    for (const char* name : {"zq-teld-sample", "zq-ark-sample", "zq-kv29-sample"}) {
      const std::string source = zqfuzz::SourcePath(std::string("ppd/") + name + ".ppd");
      out.push_back(source);
      std::string text;
      if (FILE* f = std::fopen(source.c_str(), "rb")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
        std::fclose(f);
      }
      const std::string off = "*ZQPSDecompMode: \"0\"";
      if (const size_t at = text.find(off); at != std::string::npos) {
        text.replace(at, off.size(), "*ZQPSDecompMode: \"1\"");
      } else {
        text += "*ZQPSDecompMode: \"1\"\n";
      }
      const std::string decomp = zqfuzz::ScratchDir() + "/" + name + "-decomp.ppd";
      zqfuzz::WriteFile(decomp, text);
      out.push_back(decomp);
    }
    return out;
  }();
  return paths;
}

int DevNull() {
  static const int fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  return fd;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  static const zqf::EditionProfile* const editions[] = {&zqf::TeldProfile(), &zqf::ArkProfile(),
                                                        &zqf::Kv29Profile()};
  const zqf::EditionProfile& profile = *editions[data[0] % 3];
  // Releases on both sides of the version checks (page log, job copy folder).
  static const char* const releases[] = {"19.6.0", "10.8.0", "7.9.0", "11.4.2"};
  ::setenv("ZQ_OS_RELEASE", releases[(data[0] / 3) % 4], 1);
  zqf::ResetGestaltCache();
  const std::string& ppd = PpdPaths()[data[1] % PpdPaths().size()];
  auto parts = zqfuzz::SplitInput(data + 2, size - 2, 5);

  // Decomposition mode's temporary file goes into the scratch folder; the
  // job copy stays off (its switch file never exists).
  ::setenv("TMPDIR", zqfuzz::ScratchDir().c_str(), 1);
  ::setenv("ZQ_JOBCOPY_SWITCH", (zqfuzz::ScratchDir() + "/no-job-copy").c_str(), 1);
  ::setenv("PPD", ppd.c_str(), 1);

  const int input = ::memfd_create("job", MFD_CLOEXEC);
  if (input < 0) return 0;
  zqfuzz::WriteAll(input, parts[4]);
  ::lseek(input, 0, SEEK_SET);

  std::vector<std::string> args = {profile.name,        "42", std::string(parts[1]), std::string(parts[2]),
                                   std::string(parts[3]), std::string(parts[0])};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  zqf::RunJob(profile, static_cast<int>(args.size()), argv.data(), input, DevNull(), DevNull());
  ::close(input);
  return 0;
}
