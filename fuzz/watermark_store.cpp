// The watermark store as the preferences hand it back (lists of any length
// and any bytes) and the ticket's name key the panel restores from: the
// watermarks whose elements are all valid are taken, every one reads whole, the restore answers "none" or a watermark that
// exists, and the ticket forms of its texts keep their limits.
//
// Input: one byte choosing the product type, then lines; each line is one
// element, a line of a single 0x1E byte ends a list (18 lists in their
// stored order); what is left after the lists is the ticket's name value.
#include <cstdlib>
#include <string>
#include <string_view>

#include "watermark_store.h"
#include "watermark_ticket.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int32_t productType = data[0] & 1;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  zqwm::WatermarkStore::Lists lists;
  size_t field = 0;
  while (field < zqwm::kWMFieldCount && !rest.empty()) {
    const size_t nl = rest.find('\n');
    const std::string_view line = rest.substr(0, nl);
    rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
    if (line == "\x1e") ++field;
    else lists[field].emplace_back(line);
  }
  zqwm::WatermarkStore store;
  const auto taken = store.SetLists(lists);
  if (taken.kept != store.Count() || taken.kept > taken.stored || taken.damaged != (taken.kept < taken.stored))
    std::abort();
  for (size_t f = 0; f < zqwm::kWMFieldCount; ++f)
    if (store.List(static_cast<zqwm::WatermarkField>(f)).size() != store.Count()) std::abort();
  for (size_t i = 0; i <= store.Count(); ++i) {
    const auto record = store.Record(i);
    if ((i < store.Count()) != record.has_value()) std::abort();
    if (record && zqwm::NameTicketHex(record->name).size() > 254) std::abort();
    if (record && zqwm::WatermarkTextLiteral(record->text, i & 1, !(i & 2)).size() > 255) std::abort();
  }
  const auto restored = zqwm::RestoredPopupValue(store, rest, productType,
                                                 [](const std::string&, double*, double*) { return false; });
  if (restored && (*restored < 1 || *restored > static_cast<int32_t>(store.Count()) + 1)) std::abort();
  return 0;
}
