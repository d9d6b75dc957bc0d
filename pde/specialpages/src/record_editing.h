#pragma once
// What the covers, inserts and exceptions windows make of their controls when
// the user presses OK: the records they hand to the summary list. Kept apart
// from the windows so each rule is one function over plain values.
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "paper_popup.h"
#include "special_pages_ticket.h"

namespace zqsp {

inline constexpr int32_t kMaxInsertRecords = 250;
inline constexpr int32_t kMaxExceptionRecords = 250;

// The paper a window's paper pop-up stands on: choice indexes ("-1" No
// Change), interposer and custom size (millimetre texts, unit as "%d").
struct PaperValues {
    std::string size = "-1", color = "-1", type = "-1";
    bool interposer = false;
    std::string width = "-1", length = "-1", unit = "-1";
    // Nothing chosen: every kind at No Change and no interposer.
    bool unchanged() const { return size == "-1" && color == "-1" && type == "-1" && !interposer; }
};

// A record's paper as the windows show it ("-1" for a missing value).
PaperValues PaperOfRecord(const SPRecord& r);

// What the records being edited together have in common, each value "-1"
// (No Change) where they differ: records whose interposer flags differ
// show no interposer and every paper value mixed; the custom width and
// length are common only while the unit is too.
PaperValues CommonPaperOf(const std::vector<SPRecord>& records);

// The value of key common to the records; `mixed` where they differ or have none.
std::string CommonField(const std::vector<SPRecord>& records, const char* key, const char* mixed = "-1");

// ---- covers -------------------------------------------------------------------

// A cover from the interposer is never printed on: its printing option is
// taken as blank whatever the list shows.
struct CoverSide {
    int32_t printingOption = 1;  // 1 blank, 2 side one, 3 side two, 4 both sides
    PaperValues paper;
};

struct CoverEdit {
    std::vector<SPRecord> records;  // in the order they were made
    bool changed = false;           // the list held covers, or covers were chosen
    bool removeInsertsBeforePageOne = false;  // a front cover was made
};

// The cover records of one OK; coverOption is the cover list's item
// (CoverOption, paper_popup.h) and is stored as "coversoption". `previous`
// are the cover records the list held (removing them is a change; their
// "selected" carries over by page). With "Front and Back Same" both records
// take the front's paper and printing option.
CoverEdit BuildCoverRecords(int32_t coverOption, const CoverSide& front, const CoverSide& back,
                            const std::vector<SPRecord>& previous);

// Takes every insert before page one out of the list.
void RemoveInsertsBeforePageOne(SPRecordList& list);

// True when the list holds a front cover (a cover record with page 0).
bool HasFrontCover(const std::vector<SPRecord>& records);

// ---- inserts ------------------------------------------------------------------

struct InsertWindowValues {
    int32_t option = 0;    // 0 after pages, 1 before page one
    int32_t quantity = 1;  // 1 to 9999; 0 while editing: each insert keeps its own
    PaperValues paper;
    bool optionEnabled = true;  // the option list (and the page field) can be changed
};

// Tells whether a size index is one of the paper pop-up's custom sizes.
using CustomSizeTest = std::function<bool(int32_t sizeIndex)>;

// A size that is not a custom one carries the default custom size (so a
// custom size shown before never rides along on a plain size).
PaperValues WithDefaultCustomUnlessCustom(PaperValues paper, const CustomSizeTest& isCustomSize);

// The paper an insert made or changed ends with, moved off what the printer
// forbids.
using AllowedInsertPaper = std::function<void(PaperValues&)>;

// Applies one OK of the inserts window to its working copy of the insert
// records. mode 1 adds one record per page (one record before page one for
// option 1); mode 2 edits the records at `selected` (indexes into working,
// ascending). A record before page one is not made while the list holds a
// front cover. The records made or changed are marked "false" (the others
// keep their marks) and their paper goes through `allowed`, when given.
// False for another mode.
bool ApplyInsertEdit(int32_t mode, std::vector<SPRecord>& working, const std::vector<size_t>& selected,
                     const std::vector<int32_t>& pages, const InsertWindowValues& values, bool frontCoverPresent,
                     const CustomSizeTest& isCustomSize, const AllowedInsertPaper& allowed = {});

// The records sorted by page number, records of one page in their order.
std::vector<SPRecord> SortedByPage(const std::vector<SPRecord>& records);

// ---- exceptions ---------------------------------------------------------------

struct ExceptionSetting {
    PaperValues paper;
    std::string twoSide = "0";  // 0 no change, 1 one-sided, 2 long edge, 3 short edge
    bool operator==(const ExceptionSetting& o) const;
};

// One setting per page, in page order.
using ExceptionPages = std::map<int32_t, ExceptionSetting>;

// The pages of an exception record's "page" ("n" or "a-b"); empty for text
// that is neither or pages outside 1 to 65000.
std::vector<int32_t> ExceptionRecordPages(const std::string& page);

// Every record spread over its pages; a page already taken keeps its first
// setting.
ExceptionPages ExpandExceptionRecords(const std::vector<SPRecord>& records);

// A page that already has an exception takes what the window changed: all
// paper at No Change keeps the paper, a size comes with its custom size
// (parts shown mixed as "-1" kept), two-sided 0 keeps the sides.
void MergeExceptionSetting(ExceptionSetting& entry, const ExceptionSetting& window);

// Consecutive pages with equal settings folded into "a-b" records; a record
// is marked selected when its first page is among selectedStarts.
std::vector<SPRecord> FoldExceptionPages(const ExceptionPages& pages, const std::set<int32_t>& selectedStarts);

struct ExceptionEdit {
    std::vector<int32_t> pages;        // the page list, ascending, unique
    std::vector<int32_t> removal;      // pages of the one record being edited
    std::set<int32_t> selectedStarts;  // first pages of the selected exceptions (add mode)
    ExceptionSetting window;
};

// What a page typed ends with, moved off what the printer forbids.
using AllowedSetting = std::function<void(ExceptionSetting&)>;

// Merges the edit into the pages (each page typed then through `allowed`,
// when given) and folds them into records, marking selected those whose
// first page is one of the selected starts. More than kMaxExceptionRecords
// records leaves `pages` as it was and answers false.
bool ApplyExceptionEdit(ExceptionPages& pages, const ExceptionEdit& edit, std::vector<SPRecord>& records,
                        const AllowedSetting& allowed = {});

}  // namespace zqsp
