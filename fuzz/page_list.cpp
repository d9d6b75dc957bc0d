// The page lists typed in the special-pages windows (inserts and
// exceptions): whatever is typed, a list that parses keeps the rules it was
// parsed under.
//
// Input: one byte choosing the rules and the records already present, then
// the typed text.
#include <cstdlib>
#include <string_view>

#include "page_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t pick = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const int32_t existing = (pick >> 2) % 8 == 7 ? 249 : (pick >> 2) % 8;
  const bool editing = pick & 0x20;
  const zqsp::PageListRules rules = (pick & 1) ? zqsp::ExceptionPageListRules(existing, editing)
                                               : zqsp::InsertPageListRules(existing, editing, pick & 2);
  const zqsp::PageListResult r = zqsp::ParsePageList(text, rules);
  if (r.status != zqsp::kPageListOK) return 0;
  const int32_t produced = static_cast<int32_t>(rules.mergeRanges ? r.ranges.size() : r.pages.size());
  if (rules.maxRecords >= 0 &&
      rules.existingRecords + produced - (rules.replacesOne ? 1 : 0) > rules.maxRecords) std::abort();
  for (size_t i = 0; i < r.pages.size(); ++i) {
    if (r.pages[i] < rules.minPage || r.pages[i] > rules.maxPage) std::abort();
    if (i && r.pages[i] < r.pages[i - 1]) std::abort();  // sorted
    if (rules.dropPageZero && r.pages[i] == 0) std::abort();
  }
  for (size_t i = 0; i < r.ranges.size(); ++i) {
    const auto& g = r.ranges[i];
    if (g.first > g.last || g.first < rules.minPage || g.last > rules.maxPage) std::abort();
    if (i && g.first <= r.ranges[i - 1].last) std::abort();  // unique, ascending
  }
  return 0;
}
