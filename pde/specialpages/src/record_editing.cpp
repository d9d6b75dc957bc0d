#include "record_editing.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "custom_size.h"
#include "zqpde/text_util.h"

namespace zqsp {
namespace {

std::string Get(const SPRecord& r, const char* key, const char* fallback = "") {
    auto it = r.find(key);
    return it != r.end() ? it->second : fallback;
}

void PutPaper(SPRecord& r, const PaperValues& p) {
    r["pagesize"] = p.size;
    r["pagecolor"] = p.color;
    r["pagetype"] = p.type;
    r["interposer"] = p.interposer ? "true" : "false";
    r["width"] = p.width;
    r["length"] = p.length;
    r["longmeasure"] = p.unit;
}

}  // namespace

PaperValues PaperOfRecord(const SPRecord& r) {
    PaperValues p;
    p.size = Get(r, "pagesize", "-1");
    p.color = Get(r, "pagecolor", "-1");
    p.type = Get(r, "pagetype", "-1");
    p.interposer = Get(r, "interposer") == "true";
    p.width = Get(r, "width", "-1");
    p.length = Get(r, "length", "-1");
    p.unit = Get(r, "longmeasure", "-1");
    return p;
}

std::string CommonField(const std::vector<SPRecord>& records, const char* key, const char* mixed) {
    if (records.empty()) return mixed;
    const std::string first = Get(records.front(), key, mixed);
    for (const SPRecord& r : records)
        if (Get(r, key, mixed) != first) return mixed;
    return first;
}

PaperValues CommonPaperOf(const std::vector<SPRecord>& records) {
    PaperValues common;
    if (records.empty()) return common;
    const bool interposer = Get(records.front(), "interposer") == "true";
    for (const SPRecord& r : records)
        if ((Get(r, "interposer") == "true") != interposer) return common;  // some from the interposer: all mixed
    common.interposer = interposer;
    common.size = CommonField(records, "pagesize");
    common.color = CommonField(records, "pagecolor");
    common.type = CommonField(records, "pagetype");
    common.unit = CommonField(records, "longmeasure");
    if (common.unit != "-1") {
        common.width = CommonField(records, "width");
        common.length = CommonField(records, "length");
    }
    return common;
}

namespace {

// A whole decimal number without sign, within 1 to 65000; -1 otherwise.
int32_t PageNumber(const std::string& text) {
    if (text.empty() || text.size() > 5) return -1;
    for (char c : text)
        if (c < '0' || c > '9') return -1;
    const int32_t n = std::atoi(text.c_str());
    return n >= 1 && n <= 65000 ? n : -1;
}

}  // namespace

// ---- covers -------------------------------------------------------------------

CoverEdit BuildCoverRecords(int32_t coverOption, const CoverSide& front, const CoverSide& back,
                            const std::vector<SPRecord>& previous) {
    // Each cover keeps the mark of the cover of its page it replaces.
    std::string selectedFront = "false", selectedBack = "false";
    for (const SPRecord& r : previous) {
        if (Get(r, "page") == "0") selectedFront = Get(r, "selected", "false");
        if (Get(r, "page") == "1") selectedBack = Get(r, "selected", "false");
    }
    CoverEdit edit;
    edit.changed = !previous.empty() || coverOption != kNoCovers;
    auto make = [&](const char* page, const CoverSide& side, const std::string& selected) {
        SPRecord r;
        r["page"] = page;
        r["type"] = "0";
        r["printingoptions"] = std::to_string(side.paper.interposer ? 0 : side.printingOption - 1);
        r["coversoption"] = std::to_string(coverOption);
        PutPaper(r, side.paper);
        r["selected"] = selected;
        edit.records.push_back(std::move(r));
    };
    switch (coverOption) {
        case kFrontOnly:
            make("0", front, selectedFront);
            edit.removeInsertsBeforePageOne = true;
            break;
        case kBackOnly:
            make("1", back, selectedBack);
            break;
        case kFrontBackSame:
            make("1", front, selectedBack);
            make("0", front, selectedFront);
            edit.removeInsertsBeforePageOne = true;
            break;
        case kFrontBackDifferent:
            make("1", back, selectedBack);
            make("0", front, selectedFront);
            edit.removeInsertsBeforePageOne = true;
            break;
        default:
            break;
    }
    return edit;
}

void RemoveInsertsBeforePageOne(SPRecordList& list) {
    std::vector<SPRecord> inserts = list.getArrayByType(kInsert);
    const size_t before = inserts.size();
    std::erase_if(inserts, [](const SPRecord& r) { return Get(r, "page") == "0"; });
    if (inserts.size() != before) list.updateRequest(kInsert, inserts);
}

bool HasFrontCover(const std::vector<SPRecord>& records) {
    return std::any_of(records.begin(), records.end(),
                       [](const SPRecord& r) { return Get(r, "type") == "0" && Get(r, "page") == "0"; });
}

// ---- inserts ------------------------------------------------------------------

PaperValues WithDefaultCustomUnlessCustom(PaperValues p, const CustomSizeTest& isCustomSize) {
    if (isCustomSize && isCustomSize(std::atoi(p.size.c_str()))) return p;
    p.width = kDefaultCustomWidth;
    p.length = kDefaultCustomLength;
    p.unit = "1";
    return p;
}

namespace {

// One insert record; nothing for a page before page one under a front cover.
bool MakeInsert(int32_t page, int32_t option, int32_t quantity, const PaperValues& paper, bool frontCoverPresent,
                SPRecord& out) {
    if (page == 0 && frontCoverPresent) return false;
    out.clear();
    out["page"] = std::to_string(page);
    out["type"] = "1";
    out["insertoption"] = page == 0 ? "1" : std::to_string(option);
    out["insertquantity"] = std::to_string(quantity);
    PutPaper(out, paper);
    out["selected"] = "false";
    return true;
}

void AppendInserts(std::vector<SPRecord>& working, const std::vector<int32_t>& pages, const InsertWindowValues& v,
                   bool frontCoverPresent, const CustomSizeTest& isCustomSize, const AllowedInsertPaper& allowed) {
    SPRecord r;
    PaperValues paper = WithDefaultCustomUnlessCustom(v.paper, isCustomSize);
    if (allowed) allowed(paper);
    if (v.option == 1) {
        if (MakeInsert(0, 1, v.quantity, paper, frontCoverPresent, r)) working.push_back(r);
        return;
    }
    for (int32_t page : pages)
        if (MakeInsert(page, 0, v.quantity, paper, frontCoverPresent, r)) working.push_back(r);
}

// The paper an edited insert ends with: what the window changed, the rest its own.
PaperValues EditedPaper(const PaperValues& own, const PaperValues& window, const CustomSizeTest& isCustomSize) {
    if (window.unchanged()) return own;
    PaperValues p = own;
    if (window.color != "-1") p.color = window.color;
    if (window.type != "-1") p.type = window.type;
    p.interposer = window.interposer;
    if (window.size == "-1") return p;
    p.size = window.size;
    const PaperValues custom = WithDefaultCustomUnlessCustom(window, isCustomSize);
    if (custom.width != "-1") p.width = custom.width;
    if (custom.length != "-1") p.length = custom.length;
    if (custom.unit != "-1") p.unit = custom.unit;
    return p;
}

}  // namespace

bool ApplyInsertEdit(int32_t mode, std::vector<SPRecord>& working, const std::vector<size_t>& selected,
                     const std::vector<int32_t>& pages, const InsertWindowValues& v, bool frontCoverPresent,
                     const CustomSizeTest& isCustomSize, const AllowedInsertPaper& allowed) {
    if (mode == 1) {
        AppendInserts(working, pages, v, frontCoverPresent, isCustomSize, allowed);
        return true;
    }
    if (mode != 2) return false;
    std::vector<size_t> sel;
    for (size_t i : selected)
        if (i < working.size()) sel.push_back(i);
    std::sort(sel.begin(), sel.end());
    sel.erase(std::unique(sel.begin(), sel.end()), sel.end());
    if (sel.size() <= 1 && pages.size() > 1 && v.optionEnabled && v.option == 0) {
        if (!sel.empty()) working.erase(working.begin() + static_cast<std::ptrdiff_t>(sel.front()));
        AppendInserts(working, pages, v, frontCoverPresent, isCustomSize, allowed);
        return true;
    }
    for (size_t k = 0; k < sel.size(); ++k) {
        const SPRecord& own = working[sel[k]];
        int32_t page = std::atoi(Get(own, "page", "0").c_str());
        int32_t option = std::atoi(Get(own, "insertoption", "0").c_str());
        if (v.optionEnabled) {
            option = v.option;
            if (option == 1) {
                page = 0;
            } else if (k < pages.size()) {
                page = pages[k];
            } else if (pages.empty()) {
                page = 0;
            }
            // More selected inserts than pages typed: the others keep their pages.
        }
        SPRecord r;
        const int32_t quantity = v.quantity >= 1 ? v.quantity : std::atoi(Get(own, "insertquantity", "1").c_str());
        PaperValues paper = EditedPaper(PaperOfRecord(own), v.paper, isCustomSize);
        if (allowed) allowed(paper);
        if (MakeInsert(page, option, quantity, paper, frontCoverPresent, r))
            working[sel[k]] = std::move(r);
    }
    return true;
}

std::vector<SPRecord> SortedByPage(const std::vector<SPRecord>& records) {
    std::vector<SPRecord> sorted = records;
    std::stable_sort(sorted.begin(), sorted.end(), [](const SPRecord& a, const SPRecord& b) {
        return zqpde::pageNumCompareDict(a, b, "page") < 0;
    });
    return sorted;
}

// ---- exceptions ---------------------------------------------------------------

bool ExceptionSetting::operator==(const ExceptionSetting& o) const {
    return paper.size == o.paper.size && paper.color == o.paper.color && paper.type == o.paper.type &&
           paper.interposer == o.paper.interposer && paper.width == o.paper.width &&
           paper.length == o.paper.length && paper.unit == o.paper.unit && twoSide == o.twoSide;
}

std::vector<int32_t> ExceptionRecordPages(const std::string& page) {
    const size_t dash = page.find('-');
    const int32_t first = PageNumber(page.substr(0, dash));
    const int32_t last = dash == std::string::npos ? first : PageNumber(page.substr(dash + 1));
    if (first < 0 || last < first) return {};
    std::vector<int32_t> pages;
    pages.reserve(static_cast<size_t>(last - first + 1));
    for (int32_t p = first; p <= last; ++p) pages.push_back(p);
    return pages;
}

ExceptionPages ExpandExceptionRecords(const std::vector<SPRecord>& records) {
    ExceptionPages pages;
    for (const SPRecord& r : records) {
        ExceptionSetting s;
        s.paper = PaperOfRecord(r);
        s.twoSide = Get(r, "twoSidePrint", "0");
        for (int32_t p : ExceptionRecordPages(Get(r, "page"))) pages.emplace(p, s);
    }
    return pages;
}

void MergeExceptionSetting(ExceptionSetting& entry, const ExceptionSetting& window) {
    const PaperValues& w = window.paper;
    if (!w.unchanged()) {
        if (w.size != "-1") {
            entry.paper.size = w.size;
            if (w.width != "-1") entry.paper.width = w.width;
            if (w.length != "-1") entry.paper.length = w.length;
            if (w.unit != "-1") entry.paper.unit = w.unit;
        }
        if (w.type != "-1") entry.paper.type = w.type;
        if (w.color != "-1") entry.paper.color = w.color;
        entry.paper.interposer = w.interposer;
    }
    if (window.twoSide != "0") entry.twoSide = window.twoSide;
}

std::vector<SPRecord> FoldExceptionPages(const ExceptionPages& pages, const std::set<int32_t>& selectedStarts) {
    std::vector<SPRecord> out;
    auto emit = [&](int32_t first, int32_t last, const ExceptionSetting& s) {
        SPRecord r;
        r["page"] = first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
        r["type"] = "2";
        PutPaper(r, s.paper);
        r["twoSidePrint"] = s.twoSide;
        r["selected"] = selectedStarts.count(first) != 0 ? "true" : "false";
        out.push_back(std::move(r));
    };
    auto it = pages.begin();
    while (it != pages.end()) {
        const int32_t first = it->first;
        int32_t last = first;
        const ExceptionSetting& s = it->second;
        auto next = std::next(it);
        while (next != pages.end() && next->first == last + 1 && next->second == s) {
            last = next->first;
            ++next;
        }
        emit(first, last, s);
        it = next;
    }
    return out;
}

bool ApplyExceptionEdit(ExceptionPages& pages, const ExceptionEdit& edit, std::vector<SPRecord>& records,
                        const AllowedSetting& allowed) {
    ExceptionPages merged = pages;  // the pages stay as they were unless the edit is taken
    std::set<int32_t> removal(edit.removal.begin(), edit.removal.end());
    // A run of pages mostly shares one setting: each setting is weighed once.
    std::optional<std::pair<ExceptionSetting, ExceptionSetting>> weighed;
    for (int32_t p : edit.pages) {
        removal.erase(p);
        auto [it, added] = merged.try_emplace(p, edit.window);
        if (!added) MergeExceptionSetting(it->second, edit.window);
        if (!allowed) continue;
        if (weighed && weighed->first == it->second) {
            it->second = weighed->second;
        } else {
            weighed.emplace(it->second, it->second);
            allowed(it->second);
            weighed->second = it->second;
        }
    }
    for (int32_t p : removal) merged.erase(p);
    std::vector<SPRecord> folded = FoldExceptionPages(merged, edit.selectedStarts);
    if (folded.size() > static_cast<size_t>(kMaxExceptionRecords)) return false;
    pages = std::move(merged);
    records = std::move(folded);
    return true;
}

}  // namespace zqsp
