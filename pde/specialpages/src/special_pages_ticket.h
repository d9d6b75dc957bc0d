#pragma once
// The special-page records and what they become in the print-settings
// ticket: the JTIF values the job filter turns into its job ticket, the
// three paper arrays and flags the features panel reads, and the panel's
// own copy of the records from which it restores itself.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zqsp {

// A record: string keys to string values ("type", "page", "pagesize", ...).
using SPRecord = std::map<std::string, std::string>;

enum SPKind : int { kCover = 0, kInsert = 1, kException = 2 };

inline constexpr const char* kTicketNamespace = "com.tavelle.qdm.printsettings.";
inline constexpr size_t kJTIFValueLimit = 1023;  // what the filter reads of a value

// The ordered record list with the merge rules that keep covers at the ends
// and inserts and exceptions in page order.
class SPRecordList {
public:
    const std::vector<SPRecord>& records() const { return records_; }
    size_t allItemCount() const { return records_.size(); }
    std::vector<SPRecord> getArrayByType(int kind) const;  // 3: all
    void deleteAllItemByType(int kind);
    void deleteAllItem() { records_.clear(); }
    // The records a window hands over replace those of their kind.
    void updateRequest(int kind, const std::vector<SPRecord>& windowRecords);
    void append(SPRecord record) { records_.push_back(std::move(record)); }
    // The list as the summary list's buttons move, delete and mark records.
    std::vector<SPRecord>& mutableRecords() { return records_; }

private:
    void addCoverWndRecord(const std::vector<SPRecord>& covers);
    void addInsertWndRecord(const std::vector<SPRecord>& inserts);
    void addExceptionWndRecord(const std::vector<SPRecord>& exceptions);
    std::vector<SPRecord> records_;
};

// Where ticket entries go: text values and arrays of strings. Both answer
// false when the write failed.
class TicketWriter {
public:
    virtual ~TicketWriter() = default;
    virtual bool SetText(const std::string& key, const std::string& value) = 0;
    virtual bool SetArray(const std::string& key, const std::vector<std::string>& values) = 0;
    // A value stored exactly as given (the panel's own copy of the records).
    virtual bool SetVerbatim(const std::string& key, const std::string& value) { return SetText(key, value); }
};
using TicketReader = std::function<std::optional<std::string>(const std::string& key)>;

// The current PPD's paper choices and the job's own paper, as the ticket
// output needs them.
struct PaperContext {
    std::vector<std::string> pageSizes;    // "PageSize" choice keywords in PPD order
    std::vector<std::string> mediaTypes;   // "MediaType"
    std::vector<std::string> mediaColors;  // the media colour option
    int32_t jobPageWidth = 0;              // hundredths of a millimetre
    int32_t jobPageLength = 0;
    std::string jobDuplex;                 // marked "Duplex" choice, "" when none
};

// The flags recomputed at every write.
struct SPTicketFlags {
    bool mediaTypeTab = false;
    bool interposer = false;
    bool mediaSizeA5 = false;
};

// A value as it is stored for the filter: unchanged, or every byte as "/"
// and its decimal code when it starts with "/" or holds ' , or \. Never
// longer than kJTIFValueLimit, cut only between whole codes and whole
// UTF-8 characters.
std::string EscapedTicketValue(std::string_view value);

// The job's paper in hundredths of a millimetre from points; kept as the
// device has always received it (about 1 mm short).
int32_t JobPaperHundredths(double points);

// "210.5" millimetres -> "21050"; empty for text that is no size.
std::string CustomSizeHundredths(std::string_view millimetres);

// A custom size in millimetres as the paper pop-up keeps it and the device
// can be sent: digits with at most one decimal, above zero ("-1", the mark
// of no size, is none).
bool IsCustomSizeMillimetres(std::string_view text);

// The JTIF value of one record; sets the flags and fills the arrays.
std::string JTIFValue(const SPRecord& record, const PaperContext& paper, SPTicketFlags& flags,
                      std::vector<std::string>& sizes, std::vector<std::string>& types,
                      std::vector<std::string>& colors);

// True when the print type the account panel wrote is the mailbox type (5);
// an unreadable print type is no mailbox job.
bool IsMailboxPrintType(const std::optional<std::string>& printTypeText);

// Writes the record count, the per-kind counts and values, the arrays and
// the flags. A mailbox job writes every count as "0" and no values. Answers
// the flags written, false in `ok` when a write failed.
SPTicketFlags WriteJTIFTicket(const SPRecordList& list, const PaperContext& paper, bool mailboxJob,
                              TicketWriter& writer, bool& ok);

// The panel's own copy: JTIFCommandTicketCount and one JTIFCommandTicket_N
// line per record.
bool WriteRecordCopy(const SPRecordList& list, TicketWriter& writer);

// Restores the copy. False when the count cannot be read (the list is left
// as it was) or a line is missing (the records read so far are kept). A
// line that is not a record of a known kind with every value in its range
// (pages 0-65000 for inserts, 1-65000 for exceptions; paper indexes within
// `paper`'s choices when given) is left out, and so is a record the list
// cannot hold beside those before it (a second front or back cover, more
// than 250 inserts or 250 exceptions, an exception on pages
// another one has, an insert before page one beside a front cover). The
// records go into the list in the order the windows' merges give.
bool RestoreRecordCopy(SPRecordList& list, const TicketReader& reader, const PaperContext* paper = nullptr);

// The PPD choices the job ticket has device words for: media types, media
// colours and page sizes ("Custom" among them: its size is the record's
// own). A choice outside them reaches the device with an empty value.
std::vector<std::string> JTIFMediaTypeChoices();
std::vector<std::string> JTIFMediaColorChoices();
std::vector<std::string> JTIFPageSizeChoices();

}  // namespace zqsp
