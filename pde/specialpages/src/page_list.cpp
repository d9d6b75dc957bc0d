#include "page_list.h"

#include <algorithm>
#include <map>

namespace zqsp {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Far above any page limit, so a long run of digits cannot overflow.
constexpr int64_t kNumberCap = int64_t{1} << 40;

int64_t ProducedCount(const std::vector<PageRange>& ranges, const PageListRules& rules) {
    int64_t count = 0;
    for (const PageRange& r : ranges) {
        count += int64_t{r.last} - r.first + 1;
        if (rules.dropPageZero && r.first == 0) --count;
    }
    return count;
}

bool ExceedsLimit(int64_t produced, const PageListRules& rules) {
    if (rules.maxRecords < 0) return false;
    int64_t total = int64_t{rules.existingRecords} + produced;
    if (rules.replacesOne) --total;
    return total > rules.maxRecords;
}

// Overlapping ranges become one; the map keeps them ordered by first page,
// so each range costs one lookup instead of a walk over all pages.
std::vector<PageRange> MergedRanges(const std::vector<PageRange>& sets) {
    std::map<int32_t, int32_t> merged;  // first -> last
    for (PageRange r : sets) {
        auto it = merged.upper_bound(r.first);
        if (it != merged.begin()) {
            auto prev = std::prev(it);
            if (prev->second >= r.first) {
                r.first = prev->first;
                r.last = std::max(r.last, prev->second);
                it = merged.erase(prev);
            }
        }
        while (it != merged.end() && it->first <= r.last) {
            r.last = std::max(r.last, it->second);
            it = merged.erase(it);
        }
        merged.emplace(r.first, r.last);
    }
    std::vector<PageRange> out;
    out.reserve(merged.size());
    for (const auto& [first, last] : merged) out.push_back({first, last});
    return out;
}

// Every page of every set, ascending, each as often as the sets name it.
std::vector<int32_t> GatheredPages(const std::vector<PageRange>& sets, bool dropPageZero) {
    std::map<int32_t, int32_t> counts;  // page -> times named
    for (const PageRange& r : sets) {
        auto hint = counts.end();
        for (int32_t p = r.first; p <= r.last; ++p) {
            if (p == 0 && dropPageZero) continue;
            hint = counts.try_emplace(hint, p, 0);
            ++hint->second;
            ++hint;
        }
    }
    std::vector<int32_t> pages;
    for (const auto& [page, times] : counts) pages.insert(pages.end(), static_cast<size_t>(times), page);
    return pages;
}

}  // namespace

int32_t NormalisePageList(std::string_view text, std::string& out) {
    out.clear();
    if (text.empty()) return kPageListEmpty;
    bool prevSpace = false;
    bool prevComma = false;
    bool lastNonSpaceDigit = false;
    for (char c : text) {
        if (IsDigit(c)) {
            if (prevSpace && lastNonSpaceDigit) out += ',';
            out += c;
            prevSpace = prevComma = false;
            lastNonSpaceDigit = true;
        } else if (c == ' ') {
            prevSpace = true;
            prevComma = false;
        } else if (c == ',') {
            if (!out.empty() && !prevComma) out += ',';
            prevComma = true;
            prevSpace = lastNonSpaceDigit = false;
        } else if (c == '-') {
            out += c;
            prevSpace = prevComma = lastNonSpaceDigit = false;
        } else {
            return kPageListBadCharacter;
        }
    }
    if (!out.empty() && out.back() != ',') out += ',';
    return kPageListOK;
}

int32_t ArrangePageSet(std::string_view set, const PageListRules& rules, PageRange& range,
                       std::string& arranged) {
    if (set.empty()) return kPageListMalformedSet;
    int64_t numbers[2] = {0, 0};
    bool present[2] = {false, false};
    size_t hyphenAt = std::string_view::npos;
    for (size_t i = 0; i < set.size(); ++i) {
        const char c = set[i];
        const int which = hyphenAt == std::string_view::npos ? 0 : 1;
        if (IsDigit(c)) {
            numbers[which] = std::min(numbers[which] * 10 + (c - '0'), kNumberCap);
            present[which] = true;
        } else if (c == '-') {
            if (hyphenAt != std::string_view::npos) return kPageListTwoHyphens;
            hyphenAt = i;
        } else if (IsLetter(c)) {
            return kPageListBadCharacter;
        } else {
            return kPageListMalformedSet;
        }
    }
    if (set == "-") return kPageListOnlyHyphen;
    for (int k = 0; k < 2; ++k) {
        if (present[k] && (numbers[k] < rules.minPage || numbers[k] > rules.maxPage)) return kPageListOutOfRange;
    }
    const bool openStart = hyphenAt == 0;
    const bool openEnd = hyphenAt != std::string_view::npos && hyphenAt == set.size() - 1;
    int64_t first = numbers[0];
    int64_t last = hyphenAt == std::string_view::npos ? numbers[0] : numbers[1];
    if (openStart) first = std::max<int32_t>(rules.minPage, 1);
    if (openEnd) last = rules.maxPage;
    // Checked after completion too, so '-0' (pages 1 to 0) is refused rather
    // than accepted as a list of no pages.
    if (first > last) return kPageListReversedRange;
    range = {static_cast<int32_t>(first), static_cast<int32_t>(last)};
    arranged = hyphenAt == std::string_view::npos ? std::to_string(first)
                                                  : std::to_string(first) + "-" + std::to_string(last);
    return kPageListOK;
}

PageListResult ParsePageList(std::string_view text, const PageListRules& rules) {
    PageListResult result;
    std::string normal;
    result.status = NormalisePageList(text, normal);
    if (result.status != kPageListOK) return result;
    if (normal.empty()) {
        result.status = kPageListEmpty;
        return result;
    }
    std::vector<PageRange> sets;
    std::string arranged;
    size_t start = 0;
    for (size_t comma = normal.find(','); comma != std::string::npos; comma = normal.find(',', start)) {
        PageRange range;
        std::string one;
        const int32_t status = ArrangePageSet(std::string_view(normal).substr(start, comma - start), rules, range, one);
        if (status != kPageListOK) {
            result.status = status;
            return result;
        }
        sets.push_back(range);
        arranged += one;
        arranged += ',';
        start = comma + 1;
    }
    if (sets.empty()) {
        result.status = kPageListMalformedSet;
        return result;
    }
    // The limit is checked before anything is expanded, and a list that
    // passes it is kept only when the whole parse succeeds.
    if (rules.mergeRanges) {
        std::vector<PageRange> ranges = MergedRanges(sets);
        if (ExceedsLimit(static_cast<int64_t>(ranges.size()), rules)) {
            result.status = kPageListTooMany;
            return result;
        }
        result.ranges = std::move(ranges);
    } else {
        if (ExceedsLimit(ProducedCount(sets, rules), rules)) {
            result.status = kPageListTooMany;
            return result;
        }
        result.pages = GatheredPages(sets, rules.dropPageZero);
    }
    result.arranged = std::move(arranged);
    result.status = kPageListOK;
    return result;
}

namespace {

// Both windows: up to page 65000 and 250 records of their kind.
PageListRules WindowRules(int32_t minPage, bool mergeRanges, int32_t existing, bool editing) {
    PageListRules rules;
    rules.minPage = minPage;
    rules.maxPage = 65000;
    rules.mergeRanges = mergeRanges;
    rules.maxRecords = 250;
    rules.existingRecords = existing;
    rules.replacesOne = editing;
    return rules;
}

}  // namespace

PageListRules InsertPageListRules(int32_t existingInserts, bool editing, bool frontCoverPresent) {
    PageListRules rules = WindowRules(0, false, existingInserts, editing);
    rules.dropPageZero = frontCoverPresent;
    return rules;
}

PageListRules ExceptionPageListRules(int32_t existingExceptions, bool editing) {
    return WindowRules(1, true, existingExceptions, editing);
}

}  // namespace zqsp
