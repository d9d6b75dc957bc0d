// Exception records as a restored ticket hands them to the exceptions window:
// whatever their "page" values, spreading them page by page and folding the
// pages back gives ascending, disjoint ranges within 1 to 65000 that cover
// exactly the pages spread.
//
// Input: records separated by newlines, each "page|pagesize|twoSidePrint".
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "record_editing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::vector<zqsp::SPRecord> records;
  for (std::string line; std::getline(in, line) && records.size() < 300;) {
    zqsp::SPRecord r;
    const size_t a = line.find('|'), b = a == std::string::npos ? a : line.find('|', a + 1);
    r["page"] = line.substr(0, a);
    if (a != std::string::npos) r["pagesize"] = line.substr(a + 1, b == std::string::npos ? b : b - a - 1);
    if (b != std::string::npos) r["twoSidePrint"] = line.substr(b + 1);
    records.push_back(r);
  }
  const zqsp::ExceptionPages pages = zqsp::ExpandExceptionRecords(records);
  std::set<int32_t> covered;
  int32_t lastEnd = 0;
  for (const zqsp::SPRecord& r : zqsp::FoldExceptionPages(pages, {})) {
    const std::vector<int32_t> span = zqsp::ExceptionRecordPages(r.at("page"));
    if (span.empty() || span.front() <= lastEnd || span.back() > 65000) std::abort();
    lastEnd = span.back();
    covered.insert(span.begin(), span.end());
  }
  if (covered.size() != pages.size()) std::abort();
  for (const auto& [page, setting] : pages)
    if (covered.count(page) == 0) std::abort();
  return 0;
}
