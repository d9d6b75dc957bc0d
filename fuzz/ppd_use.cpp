// A PPD built from the input, read by libcups (whose own parser is not
// ours to harness) and then used as the suite uses it: every attribute
// value and option through the dialog framework's lookups and constraint
// hash, and one job through each filter edition with options that reach
// the PPD-driven modules (features, binding, colour, decomposition).
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/filter_main.h"
#include "editions/ark/ark_profile.h"
#include "editions/kv29/kv29_profile.h"
#include "editions/teld/teld_profile.h"
#include "fuzz_support.h"
#include "zqp/ppd.h"
#include "zqpde/constraint_hash.h"
#include "zqpde/ppd_util.h"

namespace {

std::string ReadSource(const char* relative) {
  std::string text;
  if (FILE* f = std::fopen(zqfuzz::SourcePath(relative).c_str(), "rb")) {
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    std::fclose(f);
  }
  return text;
}

void UseInDialog(ppd_file_t* ppd) {
  zqpde::ConstraintHash hash;
  zqpde::BuildConstraintHashFromPPD(ppd, hash);
  zqpde::GetCFStringEncodingFromPPD(ppd);
  for (int g = 0; g < ppd->num_groups; ++g) {
    for (int o = 0; o < ppd->groups[g].num_options; ++o) {
      ppd_option_t* option = &ppd->groups[g].options[o];
      const char* keyword = option->keyword;
      std::vector<zqpde::PPDChoiceEntry> entries;
      zqpde::InitializeValueFromPPD(ppd, hash, &entries, keyword);
      const int count = zqpde::GetPPDKeyOptionCount(ppd, keyword);
      for (int i = -1; i <= count; ++i) zqpde::GetValueFromPPDByIndex(ppd, keyword, i);
      zqpde::GetIndexOfMarkedOptionWithKey(option, ppd, keyword);
      zqpde::GetIndexOfMarkedOptionWithKey(nullptr, ppd, keyword);
      zqpde::GetPWMiniIntValueFromPPD(ppd, keyword);
      zqpde::GetUIDefaultValueFromPPD(ppd, keyword);
      zqpde::GetUITitleFromPPD(ppd, keyword);
      zqpde::FixPPDKeywordAccordingToType(ppd, keyword);
      zqpde::ArrayFromPPDOption(option);
      for (int c = 0; c < option->num_choices; ++c) {
        zqpde::GetChoiceIndex(ppd, keyword, option->choices[c].choice);
        zqpde::GetIndexFromPPDByKeyword(option, option->choices[c].choice);
      }
    }
  }
  for (int a = 0; a < ppd->num_attrs; ++a) {
    const ppd_attr_t* attr = ppd->attrs[a];
    zqpde::GetMorvanePWMiniIntValueFromPPD(ppd, attr->name);
    zqpde::GetMBMaxNumberFromPPD(ppd, attr->name);
    zqpde::CheckIfPPDKeywordSupported(ppd, attr->name, attr->value);
    zqpde::ppdFindAttr_ALT_SPEC(ppd, attr->name, attr->spec);
    zqpde::CDFKeyExist(ppd, attr->name);
  }
}

void RunEachEdition(const std::string& ppdPath) {
  static const std::string options = ReadSource("fuzz/data/ppd_use.options");
  static const std::string postscript = ReadSource("samples/report.ps");
  static const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  ::setenv("TMPDIR", zqfuzz::ScratchDir().c_str(), 1);
  ::setenv("ZQ_JOBCOPY_SWITCH", (zqfuzz::ScratchDir() + "/no-job-copy").c_str(), 1);
  ::setenv("PPD", ppdPath.c_str(), 1);
  for (const zqf::EditionProfile* profile : {&zqf::TeldProfile(), &zqf::ArkProfile(), &zqf::Kv29Profile()}) {
    const int input = ::memfd_create("job", MFD_CLOEXEC);
    if (input < 0) return;
    zqfuzz::WriteAll(input, postscript);
    ::lseek(input, 0, SEEK_SET);
    std::vector<std::string> args = {profile->name, "42", "alice", "Report", "1", options};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    zqf::RunJob(*profile, static_cast<int>(args.size()), argv.data(), input, devNull, devNull);
    ::close(input);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = zqfuzz::ScratchDir() + "/input.ppd";
  zqfuzz::WriteFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
  std::string error;
  std::unique_ptr<zqp::PpdFile> ppd = zqp::PpdFile::Open(path, &error);
  if (!ppd) return 0;
  UseInDialog(ppd->get());
  RunEachEdition(path);
  return 0;
}
