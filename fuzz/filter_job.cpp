// One whole job through a filter edition: the job options of argv[5], the
// user and title of argv[2] and argv[3], the copies of argv[4] and the
// PostScript on the input, all from outside. This reaches the option and
// ticket reading of every module, the text conversions, the line scanner
// with its hook detection, and decomposition mode.
//
// Input: one byte choosing the edition and the emulated OS release, one
// byte choosing the PPD, then options NUL user NUL title NUL copies NUL
// PostScript.
#include <cstdlib>
#include <string>
#include <vector>

#include "core/platform_points.h"
#include "editions/ark/ark_profile.h"
#include "editions/kv29/kv29_profile.h"
#include "editions/teld/teld_profile.h"
#include "filter_run.h"

namespace {

// The sample PPDs as shipped, and each again with decomposition mode on.
const std::vector<std::string>& PpdPaths() {
  static const std::vector<std::string> paths = [] {
    std::vector<std::string> out;
    for (const char* name : {"zq-teld-sample", "zq-ark-sample", "zq-kv29-sample"}) {
      const std::string source = zqfuzz::SourcePath(std::string("ppd/") + name + ".ppd");
      out.push_back(source);
      std::string text = zqfuzz::ReadFile(source);
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

  zqfuzz::RunFilterJob(profile, ppd,
                       {"42", std::string(parts[1]), std::string(parts[2]), std::string(parts[3]),
                        std::string(parts[0])},
                       parts[4]);
  return 0;
}
