// The features panel's page plan over any PPD libcups accepts, and the
// ticket texts the panel reads from other panels (print type, record count).
//
// Input: one byte choosing the layout mode, then the PPD text.
#include <cups/ppd.h>

#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "features_layout.h"
#include "fuzz_support.h"
#include "features_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  zqfeat::IsMailboxPrintTypeText(text);
  zqfeat::IsSpecialPageCountText(text);

  const std::string path = zqfuzz::ScratchDir() + "/features.ppd";
  ppd_file_t* ppd = zqfuzz::WriteFile(path, text) ? ppdOpenFile(path.c_str()) : nullptr;
  if (ppd == nullptr) return 0;
  ppdMarkDefaults(ppd);

  zqfeat::LayoutInput input;
  input.supported = zqfeat::ProductModeKeys("Default01").value_or(std::vector<std::string>{});
  if (data[0] & 1) input.excluded = {"ZQIntSheet", "ZQJog", "ZQTrimming"};
  input.layoutPanelExist = data[0] & 2;
  const zqfeat::LayoutPlan plan = zqfeat::PlanFeaturesPanel(ppd, input);

  // Every placed option names a page that has a title, at most six a page,
  // each slot used once.
  std::set<std::pair<int32_t, int32_t>> slots;
  for (const zqfeat::PlacedOption& p : plan.ordinary) {
    if (p.option == nullptr || p.group < 0 || p.group >= static_cast<int32_t>(plan.titles.size())) std::abort();
    if (p.slot < 0 || p.slot >= 6 || !slots.insert({p.group, p.slot}).second) std::abort();
  }
  if (plan.status() == 0 && plan.ordinary.empty()) std::abort();
  if (plan.advanced && (plan.advancedGroup < 0 || plan.advancedGroup >= static_cast<int32_t>(plan.titles.size())))
    std::abort();
  ppdClose(ppd);
  return 0;
}
