// The precomputed constraint file a PPD names: sections, record lines of
// "option:choice@group@option@choice@", positions to check against the PPD;
// then every choice is asked whether it is forbidden, as the panels do.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "zqp/ppd.h"
#include "zqpde/constraint_hash.h"

namespace {

struct Fixture {
  std::string cdfPath;
  std::unique_ptr<zqp::PpdFile> ppd;
};

const Fixture& Setup() {
  static const Fixture fixture = [] {
    Fixture f;
    f.cdfPath = zqfuzz::ScratchDir() + "/constraints.cdf";
    std::string text = zqfuzz::ReadFile(zqfuzz::SourcePath("fuzz/data/constraints.ppd"));
    text += "*ZQXCDFSetting: \"" + f.cdfPath + "\"\n";
    const std::string ppdPath = zqfuzz::ScratchDir() + "/constraints.ppd";
    zqfuzz::WriteFile(ppdPath, text);
    std::string error;
    f.ppd = zqp::PpdFile::Open(ppdPath, &error);
    if (!f.ppd) std::abort();
    return f;
  }();
  return fixture;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Fixture& f = Setup();
  zqfuzz::WriteFile(f.cdfPath, std::string_view(reinterpret_cast<const char*>(data), size));
  ppd_file_t* ppd = f.ppd->get();
  zqpde::ConstraintHash hash;
  zqpde::GetEPPD(ppd, hash, "ZQXCDFSetting", "ZQX");
  for (int g = 0; g < ppd->num_groups; ++g) {
    for (int o = 0; o < ppd->groups[g].num_options; ++o) {
      std::vector<zqpde::PPDChoiceEntry> entries;
      zqpde::InitializeValueFromPPD(ppd, hash, &entries, ppd->groups[g].options[o].keyword);
    }
  }
  // Keys the file names that the PPD does not have are asked too.
  for (const auto& [key, at] : hash) {
    const size_t colon = key.find(':');
    const std::string option = key.substr(0, colon);
    const std::string choice = colon == std::string::npos ? "" : key.substr(colon + 1);
    zqpde::IsPPDChoiceConflicted(ppd, hash, option.c_str(), choice.c_str());
  }
  return 0;
}
