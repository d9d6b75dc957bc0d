// A PPD built from the input, read by libcups (whose own parser is not
// ours to harness) and then used as the suite uses it: every attribute
// value and option through the dialog framework's lookups and constraint
// hash, and one job through each filter edition with options that reach
// the PPD-driven modules (features, binding, colour, decomposition).
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "editions/ark/ark_profile.h"
#include "editions/kv29/kv29_profile.h"
#include "editions/teld/teld_profile.h"
#include "filter_run.h"
#include "zqp/ppd.h"
#include "zqpde/constraint_hash.h"
#include "zqpde/ppd_util.h"
#include "zqpde/scope_filter.h"

namespace {

void UseInDialog(ppd_file_t* ppd) {
  zqpde::ConstraintHash hash;
  zqpde::BuildConstraintHashFromPPD(ppd, hash);
  zqpde::GetCFStringEncodingFromPPD(ppd);
  for (const char* scope : {"ZQPTDocNameScope", "ZQPTUserIDScope"})
    if (auto filter = zqpde::CopyMorvaneScopeInfoFromPPD(ppd, scope))
      if (filter->wordFilter.inputItemCount < 1 || filter->wordFilter.inputItemCount > 20) std::abort();
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
  static const std::string options = zqfuzz::ReadFile(zqfuzz::SourcePath("fuzz/data/ppd_use.options"));
  static const std::string postscript = zqfuzz::ReadFile(zqfuzz::SourcePath("samples/report.ps"));
  for (const zqf::EditionProfile* profile : {&zqf::TeldProfile(), &zqf::ArkProfile(), &zqf::Kv29Profile()})
    zqfuzz::RunFilterJob(*profile, ppdPath, {"42", "alice", "Report", "1", options}, postscript);
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
