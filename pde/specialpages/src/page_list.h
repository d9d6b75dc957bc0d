#pragma once
// The page lists typed in the special-pages windows ('3, 7-9, 12-'): one
// parser whose rules (page range, open ends, how pages are gathered, limits)
// are parameters, so the inserts window and the exceptions window share it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zqsp {

// Parser status codes; the windows map them to their warnings.
enum PageListStatus : int32_t {
    kPageListOK = 0,
    kPageListMalformedSet = -3000,
    kPageListEmpty = -3001,
    kPageListBadCharacter = -3004,
    kPageListTwoHyphens = -3006,
    kPageListOnlyHyphen = -3007,
    kPageListOutOfRange = -3008,
    kPageListReversedRange = -3009,
    kPageListTooMany = -3010,
};

struct PageRange {
    int32_t first = 0;
    int32_t last = 0;
    bool operator==(const PageRange& o) const { return first == o.first && last == o.last; }
};

struct PageListRules {
    int32_t minPage = 0;
    int32_t maxPage = 65000;
    // Pages are gathered one by one, sorted, duplicates kept (the inserts
    // list), or as ranges split and merged into unique ascending ranges (the
    // exceptions list).
    bool mergeRanges = false;
    // Page 0 is left out (a front cover already stands before page one).
    bool dropPageZero = false;
    // Limit on what the parse produces: pages when gathering, ranges when
    // merging; existing + produced (- 1 when one record is being replaced)
    // must not exceed it. Negative: no limit.
    int32_t maxRecords = -1;
    int32_t existingRecords = 0;
    bool replacesOne = false;
};

struct PageListResult {
    int32_t status = kPageListEmpty;
    std::string arranged;             // every completed page set followed by ","
    std::vector<int32_t> pages;       // gathered pages (mergeRanges == false)
    std::vector<PageRange> ranges;    // merged ranges (mergeRanges == true)
};

// Spaces out, '1 2' read as '1,2', commas collapsed; kPageListBadCharacter
// for anything but digits, spaces, commas and hyphens.
int32_t NormalisePageList(std::string_view text, std::string& out);

// One page set completed and checked against the rules ('-5' -> '1-5',
// '12-' -> '12-<max>').
int32_t ArrangePageSet(std::string_view set, const PageListRules& rules, PageRange& range,
                       std::string& arranged);

// The whole parse; on failure the result holds only the status.
PageListResult ParsePageList(std::string_view text, const PageListRules& rules);

// The rules of the inserts window's list: pages 0-65000, at most 250 insert
// records with those already present.
PageListRules InsertPageListRules(int32_t existingInserts, bool editing, bool frontCoverPresent);

// The rules of the exceptions window's list: pages 1-65000, unique ascending
// ranges, at most 250 of them.
PageListRules ExceptionPageListRules(int32_t existingExceptions, bool editing);

}  // namespace zqsp
