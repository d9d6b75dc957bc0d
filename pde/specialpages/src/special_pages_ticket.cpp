#include "special_pages_ticket.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <zqp/utf8.h>

#include "record_editing.h"
#include "zqpde/number_text.h"
#include "zqpde/ticket_value.h"

namespace zqsp {

namespace {

const char* const kCoverTypeJTIF[] = {"print-none", "print-front", "print-back", "print-both"};
const char* const kSidesJTIF[] = {"one-sided", "two-sided-long-edge", "two-sided-short-edge"};

struct Pair {
    const char* ppd;
    const char* jtif;
};
const Pair kMediaColorJTIF[] = {
    {"White", "white"},       {"Blue", "blue"},         {"Buff", "buff"},         {"Goldenrod", "goldenrod"},
    {"Gray", "gray"},         {"Green", "green"},       {"Ivory", "ivory"},       {"Orange", "orange"},
    {"Pink", "pink"},         {"Red", "red"},           {"Yellow", "yellow"},     {"Clear", "no-color"},
    {"Custom1", "custom_1"},  {"Custom2", "custom_2"},  {"Custom3", "custom_3"},  {"Custom4", "custom_4"},
    {"Custom5", "custom_5"},  {"Other", "other"},
};
const Pair kMediaTypeJTIF[] = {
    {"ThinPaper", "THIN"},
    {"Stationary", "STATIONERY"},
    {"StationaryS1", "STATIONERY_S1"},
    {"ThickPaper", "THICK1"},
    {"ThickPaper2", "THICK2"},
    {"ThickPaperS1", "THICK1_S1"},
    {"ThickPaper2S1", "THICK2_S1"},
    {"StationaryBack", "USED"},
    {"StationaryBackS1", "USED_S1"},
    {"RecyclePaper", "RECYCLED"},
    {"RecyclePaperS1", "RECYCLED_S1"},
    {"CoatingPaper1", "COATING1"},
    {"CoatingPaper2", "COATING2"},
    {"CoatingPaper1A", "COATING1_A"},
    {"CoatingPaper1B", "COATING1_B"},
    {"LabelPaper1", "LABEL1"},
    {"LabelPaper2", "LABEL2"},
    {"TabbedPaper1", "TAB_THICK1"},
    {"TabbedPaper2", "TAB_THICK2"},
    {"Transparency", "TRANSPARENCY"},
    {"PrepunchedPaper", "PREPUNCHED"},
    {"PrePrintedPaper", "PREPRINTED"},
    {"PrePrintedThinPaper", "PREPRINTED_THIN"},
    {"PrePrintedThickPaper1", "PREPRINTED_THICK1"},
    {"PrePrintedThickPaper1S1", "PREPRINTED_THICK1_S1"},
    {"PrePrintedThickPaper2", "PREPRINTED_THICK2"},
    {"PrePrintedThickPaper2S1", "PREPRINTED_THICK2_S1"},
    {"PrePrintedPlainPaperS1", "PREPRINTED_S1"},
    {"CustomSizedPaper1", "USER1"},
    {"CustomSizedPaper2", "USER2"},
    {"CustomSizedPaper3", "USER3"},
    {"CustomSizedPaper4", "USER4"},
    {"CustomSizedPaper5", "USER5"},
};
struct SizeRow {
    const char* ppd;
    const char* width;
    const char* length;
};
const SizeRow kMediaSizeJTIF[] = {
    {"A3", "29700", "42000"}, {"B4", "25700", "36400"}, {"A4", "21000", "29700"}, {"B5", "18200", "25700"},
    {"A5", "14800", "21000"}, {"B6", "12800", "18200"}, {"A6", "10500", "14800"}, {"SRA3", "32000", "45000"},
    {"8x10", "20320", "25400"}, {"9x11", "22860", "27940"}, {"Legal", "21590", "35560"},
    {"Letter", "21590", "27940"}, {"Tabloid", "27940", "43180"}, {"Statement", "13970", "21590"},
    {"Executive", "18420", "26670"}, {"TabloidExtra", "30480", "45720"},
    {"FanFoldGermanLegal", "21590", "33020"}, {"DoublePostcardRotated", "14800", "20000"},
    {"ZQ4x6", "10160", "15240"}, {"ZQ5x7", "12700", "17780"}, {"ZQ11x15", "27940", "38100"},
    {"ZQ13x18", "33020", "45720"}, {"ZQ13x19", "33020", "48260"}, {"ZQ8-KAI", "26700", "38800"},
    {"ZQ16-KAI", "19400", "26700"}, {"ZQ846x124", "21500", "31500"}, {"ZQ889x122", "22600", "31000"},
    {"ZQ122x170", "31000", "43200"}, {"ZQ126x192", "32000", "48800"}, {"ZQA4Cover", "22300", "29700"},
    {"ZQPostcard", "10000", "14800"}, {"ZQ8-KAI-GCO", "27000", "39000"}, {"ZQ16-KAI-GCO", "19500", "27000"},
    {"KD4x6", "10160", "15240"}, {"KD5x7", "12700", "17780"}, {"KD11x15", "27940", "38100"},
    {"KD13x18", "33020", "45720"}, {"KD13x19", "33020", "48260"}, {"KD8-KAI", "26700", "38800"},
    {"KD16-KAI", "19400", "26700"}, {"KD846x124", "21500", "31500"}, {"KD889x122", "22600", "31000"},
    {"KD122x170", "31000", "43200"}, {"KD126x192", "32000", "48800"}, {"KDA4Cover", "22300", "29700"},
    {"KDPostcard", "10000", "14800"}, {"KD8-KAI-GCO", "27000", "39000"}, {"KD16-KAI-GCO", "19500", "27000"},
};

template <size_t N>
std::string Lookup(const Pair (&table)[N], const std::string& keyword) {
    for (const Pair& p : table) {
        if (keyword == p.ppd) return p.jtif;
    }
    return {};
}

std::string Field(const SPRecord& r, const char* key) {
    auto it = r.find(key);
    return it == r.end() ? std::string() : it->second;
}

int FieldInt(const SPRecord& r, const char* key) { return std::atoi(Field(r, key).c_str()); }

// The choice an index names; empty outside the choices.
std::string ChoiceAt(const std::vector<std::string>& choices, int index) {
    if (index < 0 || static_cast<size_t>(index) >= choices.size()) return {};
    return choices[static_cast<size_t>(index)];
}

std::string Joined(const std::vector<std::string>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i != 0) out += ',';
        out += fields[i];
    }
    return out;
}

// First page of an exception's "page" ("n" or "a-b").
int FirstPage(const std::string& page) { return std::atoi(page.c_str()); }

// The sides of an exception; "No Change" (and anything outside the table)
// takes the job's own Duplex mark.
std::string SidesValue(int twoSidePrint, const std::string& jobDuplex) {
    if (twoSidePrint >= 1 && twoSidePrint <= 3) return kSidesJTIF[twoSidePrint - 1];
    if (jobDuplex == "DuplexNoTumble") return kSidesJTIF[1];
    if (jobDuplex == "DuplexTumble") return kSidesJTIF[2];
    return kSidesJTIF[0];
}

struct Paper {
    std::string type, color, width, length;
};

Paper LookUpPaper(const SPRecord& r, const PaperContext& paper, SPTicketFlags& flags, std::vector<std::string>& sizes,
                  std::vector<std::string>& types, std::vector<std::string>& colors) {
    Paper out;
    const std::string color = ChoiceAt(paper.mediaColors, FieldInt(r, "pagecolor"));
    out.color = Lookup(kMediaColorJTIF, color);
    colors.push_back(color);
    const std::string type = ChoiceAt(paper.mediaTypes, FieldInt(r, "pagetype"));
    out.type = Lookup(kMediaTypeJTIF, type);
    types.push_back(type);
    if (out.type.find("TAB") != std::string::npos || out.type.find("COATING") != std::string::npos) {
        flags.mediaTypeTab = true;
    }
    const int sizeIndex = FieldInt(r, "pagesize");
    if (sizeIndex >= 0 && static_cast<size_t>(sizeIndex) < paper.pageSizes.size()) {
        const std::string& size = paper.pageSizes[static_cast<size_t>(sizeIndex)];
        if (size == "Custom") {
            out.width = CustomSizeHundredths(Field(r, "width"));
            out.length = CustomSizeHundredths(Field(r, "length"));
        } else {
            for (const SizeRow& row : kMediaSizeJTIF) {
                if (size == row.ppd) {
                    out.width = row.width;
                    out.length = row.length;
                    break;
                }
            }
        }
        sizes.push_back(size);
        if (size.find("A5") != std::string::npos) flags.mediaSizeA5 = true;
    } else {
        out.width = std::to_string(paper.jobPageWidth);
        out.length = std::to_string(paper.jobPageLength);
    }
    return out;
}

template <typename Table>
std::vector<std::string> ChoicesOf(const Table& table) {
    std::vector<std::string> out;
    for (const auto& row : table) out.emplace_back(row.ppd);
    return out;
}

std::string CountKey(int kind) {
    static const char* const keys[] = {"JTIFCoverCountTicket", "JTIFInsertionCountTicket", "JTIFExceptionCountTicket"};
    return std::string(kTicketNamespace) + keys[kind];
}

std::string ValueKey(int kind, size_t index) {
    static const char* const keys[] = {"JTIFCoverValueTicket_", "JTIFInsertionValueTicket_",
                                       "JTIFExceptionValueTicket_"};
    return std::string(kTicketNamespace) + keys[kind] + std::to_string(index);
}

// The copy's fields per kind, in the order they stand in a line.
const std::vector<const char*>& CopyFields(int kind) {
    static const std::vector<const char*> cover = {"type", "page", "printingoptions", "pagesize", "pagecolor", "pagetype",
                                                   "interposer", "coversoption", "width", "length", "longmeasure"};
    static const std::vector<const char*> insert = {"type", "page", "insertoption", "insertquantity", "pagesize",
                                                    "pagecolor", "pagetype", "interposer", "width", "length",
                                                    "longmeasure"};
    static const std::vector<const char*> exception = {"type", "page", "pagesize", "pagetype", "pagecolor",
                                                       "interposer", "twoSidePrint", "width", "length", "longmeasure"};
    static const std::vector<const char*> none;
    switch (kind) {
        case kCover: return cover;
        case kInsert: return insert;
        case kException: return exception;
        default: return none;
    }
}

const std::string kCopyKey = std::string(kTicketNamespace) + "JTIFCommandTicket";

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        const size_t comma = line.find(',', start);
        out.push_back(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) return out;
        start = comma + 1;
    }
}

}  // namespace

// ---- record list ----

std::vector<SPRecord> SPRecordList::getArrayByType(int kind) const {
    std::vector<SPRecord> out;
    if (kind < 0 || kind > 3) return out;
    for (const SPRecord& r : records_) {
        if (kind == 3 || FieldInt(r, "type") == kind) out.push_back(r);
    }
    return out;
}

void SPRecordList::deleteAllItemByType(int kind) {
    for (size_t i = records_.size(); i-- > 0;) {
        if (FieldInt(records_[i], "type") == kind) records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void SPRecordList::updateRequest(int kind, const std::vector<SPRecord>& windowRecords) {
    if (kind < kCover || kind > kException) return;
    deleteAllItemByType(kind);
    if (kind == kCover) addCoverWndRecord(windowRecords);
    if (kind == kInsert) addInsertWndRecord(windowRecords);
    if (kind == kException) addExceptionWndRecord(windowRecords);
}

void SPRecordList::addCoverWndRecord(const std::vector<SPRecord>& covers) {
    for (const SPRecord& c : covers) {
        if (Field(c, "page") == "0") {
            records_.insert(records_.begin(), c);
        } else {
            records_.push_back(c);
        }
    }
}

namespace {

bool IsCover(const SPRecord& r, const char* page) { return FieldInt(r, "type") == kCover && Field(r, "page") == page; }

// Places each new record before the first record (from a cursor that moves
// on behind each placement) that `before` accepts; a front cover never takes
// a record after it and a back cover always does; past the end, appended.
template <typename Before>
void MergeInto(std::vector<SPRecord>& list, const std::vector<SPRecord>& added, Before before) {
    size_t cursor = 0;
    for (const SPRecord& r : added) {
        size_t i = cursor;
        while (i < list.size()) {
            const SPRecord& at = list[i];
            if (IsCover(at, "1")) break;
            if (!IsCover(at, "0") && before(at, r)) break;
            ++i;
        }
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(i), r);
        cursor = i + 1;
    }
}

}  // namespace

void SPRecordList::addInsertWndRecord(const std::vector<SPRecord>& inserts) {
    MergeInto(records_, inserts, [](const SPRecord& at, const SPRecord& insert) {
        if (FieldInt(at, "type") != kException) return false;
        if (Field(insert, "insertoption") == "1") return true;
        return FieldInt(insert, "page") < FirstPage(Field(at, "page"));
    });
}

void SPRecordList::addExceptionWndRecord(const std::vector<SPRecord>& exceptions) {
    MergeInto(records_, exceptions, [](const SPRecord& at, const SPRecord& exception) {
        if (FieldInt(at, "type") != kInsert || Field(at, "insertoption") == "1") return false;
        return FieldInt(at, "page") >= FirstPage(Field(exception, "page"));
    });
}

// ---- values ----

std::string EscapedTicketValue(std::string_view value) {
    if (!zqpde::NeedsTicketEscape(value)) return std::string(zqp::Utf8Prefix(value, kJTIFValueLimit));
    // Whole characters only: the codes of one UTF-8 character go in together
    // or not at all.
    std::string out;
    size_t i = 0;
    while (i < value.size()) {
        size_t len = 1;
        if (static_cast<unsigned char>(value[i]) >= 0xC0) {
            while (i + len < value.size() && (static_cast<unsigned char>(value[i + len]) & 0xC0) == 0x80) ++len;
        }
        const std::string codes = zqpde::EscapedTicketString(value.substr(i, len));
        if (out.size() + codes.size() > kJTIFValueLimit) break;
        out += codes;
        i += len;
    }
    return out;
}

int32_t JobPaperHundredths(double points) { return static_cast<int32_t>(points / 2.54) * 90; }

std::string CustomSizeHundredths(std::string_view mm) {
    int64_t whole = 0;
    int tenth = 0;
    size_t i = 0;
    bool digits = false;
    for (; i < mm.size() && mm[i] >= '0' && mm[i] <= '9'; ++i) {
        whole = whole * 10 + (mm[i] - '0');
        digits = true;
        if (whole > 100000) return {};
    }
    if (i < mm.size() && mm[i] == '.') {
        ++i;
        if (i < mm.size() && mm[i] >= '0' && mm[i] <= '9') {
            tenth = mm[i] - '0';
            digits = true;
        }
    }
    if (!digits) return {};
    return std::to_string((whole * 10 + tenth) * 10);
}

bool IsCustomSizeMillimetres(std::string_view text) {
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    if (whole.empty() || whole.size() > 5 || whole.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    if (point != std::string_view::npos &&
        (text.size() != point + 2 || text[point + 1] < '0' || text[point + 1] > '9'))
        return false;
    const std::string hundredths = CustomSizeHundredths(text);
    return !hundredths.empty() && hundredths != "0";
}

std::string JTIFValue(const SPRecord& r, const PaperContext& paper, SPTicketFlags& flags,
                      std::vector<std::string>& sizes, std::vector<std::string>& types,
                      std::vector<std::string>& colors) {
    const int kind = FieldInt(r, "type");
    const bool interposer = Field(r, "interposer") == "true";
    if (interposer) flags.interposer = true;
    Paper p;
    if (!interposer) p = LookUpPaper(r, paper, flags, sizes, types, colors);
    const char* source = interposer ? "0" : "1";
    if (kind == kCover) {
        const int option = FieldInt(r, "printingoptions");
        const std::string coverType = option >= 0 && option <= 3 ? kCoverTypeJTIF[option] : "";
        const std::string side = std::to_string(FieldInt(r, "page"));
        if (interposer) return Joined({side, source, coverType, "interposer"});
        return Joined({side, source, coverType, p.type, p.color, p.width, p.length});
    }
    if (kind == kInsert) {
        const std::string page = std::to_string(FieldInt(r, "page"));
        const std::string quantity = std::to_string(FieldInt(r, "insertquantity"));
        if (interposer) return Joined({source, page, quantity, "interposer"});
        return Joined({source, page, quantity, p.color, p.width, p.length, p.type});
    }
    if (kind == kException) {
        const std::string page = Field(r, "page");
        const size_t hyphen = page.find('-');
        const int first = std::atoi(page.c_str());
        const int last = hyphen == std::string::npos ? first : std::atoi(page.c_str() + hyphen + 1);
        const std::string sides = SidesValue(FieldInt(r, "twoSidePrint"), paper.jobDuplex);
        if (interposer) {
            return Joined({source, "1", "1", std::to_string(first), std::to_string(last), sides, "interposer"});
        }
        return Joined({source, "1", "1", std::to_string(first), std::to_string(last), sides, p.type, p.color, p.width,
                       p.length});
    }
    return {};
}

bool IsMailboxPrintType(const std::optional<std::string>& printTypeText) {
    if (!printTypeText) return false;
    // Its leading number, read as the panels read it, of at most 255 bytes.
    return zqpde::LeadingDecimalInt32(zqp::Utf8Prefix(*printTypeText, 255)) == 5;
}

SPTicketFlags WriteJTIFTicket(const SPRecordList& list, const PaperContext& paper, bool mailboxJob,
                              TicketWriter& writer, bool& ok) {
    ok = true;
    SPTicketFlags flags;
    std::vector<std::string> sizes, types, colors;
    const std::string ns = kTicketNamespace;
    // Every count is written, "0" when there is nothing, so a count left by
    // an earlier write (or a preset) never reaches the filter.
    ok &= writer.SetText(ns + "SpecialPageRecordCountTicket",
                         mailboxJob ? "0" : std::to_string(list.allItemCount()));
    for (int kind = kCover; kind <= kException; ++kind) {
        const std::vector<SPRecord> records = mailboxJob ? std::vector<SPRecord>() : list.getArrayByType(kind);
        ok &= writer.SetText(CountKey(kind), std::to_string(records.size()));
        for (size_t i = 0; i < records.size(); ++i) {
            const std::string value = JTIFValue(records[i], paper, flags, sizes, types, colors);
            ok &= writer.SetText(ValueKey(kind, i), EscapedTicketValue(value));
        }
    }
    ok &= writer.SetArray(ns + "pageSizeArrayTicket", sizes);
    ok &= writer.SetArray(ns + "mediaTypeArrayTicket", types);
    ok &= writer.SetArray(ns + "mediaColorArrayTicket", colors);
    ok &= writer.SetText(ns + "whetherMediaTypeTabTicket", flags.mediaTypeTab ? "1" : "0");
    ok &= writer.SetText(ns + "whetherInterposerTicket", flags.interposer ? "1" : "0");
    ok &= writer.SetText(ns + "whetherMediaSizeA5Ticket", flags.mediaSizeA5 ? "1" : "0");
    return flags;
}

bool WriteRecordCopy(const SPRecordList& list, TicketWriter& writer) {
    if (!writer.SetVerbatim(kCopyKey + "Count", std::to_string(list.allItemCount()))) return false;
    for (size_t i = 0; i < list.records().size(); ++i) {
        const SPRecord& r = list.records()[i];
        const auto& fields = CopyFields(FieldInt(r, "type"));
        if (fields.empty()) continue;
        std::vector<std::string> values;
        for (const char* key : fields) values.push_back(Field(r, key));
        if (!writer.SetVerbatim(kCopyKey + "_" + std::to_string(i), Joined(values))) return false;
    }
    return true;
}

namespace {

// A whole number in the form the copy writes it ("%d": no sign but "-",
// no leading zero, no blank), within min..max; nothing otherwise.
std::optional<int32_t> CopyNumber(std::string_view text, int32_t min, int32_t max) {
    const std::optional<int32_t> value = zqpde::DecimalInt32(text);
    if (!value || *value < min || *value > max || std::to_string(*value) != text) return std::nullopt;
    return value;
}

// An index of a paper pop-up: -1 (No Change) or one of the PPD's choices;
// without the PPD's choices any index from -1 on.
bool IsCopyPaperIndex(std::string_view text, const std::vector<std::string>* choices) {
    const int32_t last = choices != nullptr ? static_cast<int32_t>(choices->size()) - 1 : INT32_MAX;
    return CopyNumber(text, -1, last).has_value();
}

// First and last page of an exception's "n" or "a-b", 1 to 65000.
std::optional<std::pair<int32_t, int32_t>> CopyExceptionPages(std::string_view page) {
    const size_t dash = page.find('-');
    const std::optional<int32_t> first = CopyNumber(page.substr(0, dash), 1, 65000);
    const std::optional<int32_t> last =
        dash == std::string_view::npos ? first : CopyNumber(page.substr(dash + 1), 1, 65000);
    if (!first || !last || *last < *first) return std::nullopt;
    return std::make_pair(*first, *last);
}

// One line of the copy as a record, when it is a record of a known kind
// whose every field holds a value the windows can make; nothing otherwise.
std::optional<SPRecord> RecordFromCopyLine(const std::string& line, const PaperContext* paper) {
    const std::vector<std::string> values = Split(line);
    const std::optional<int32_t> kind = CopyNumber(values[0], kCover, kException);
    if (!kind) return std::nullopt;
    const auto& fields = CopyFields(*kind);
    if (values.size() != fields.size()) return std::nullopt;
    SPRecord r;
    for (size_t k = 0; k < fields.size(); ++k) r[fields[k]] = values[k];
    auto number = [&](const char* key, int32_t min, int32_t max) { return CopyNumber(r[key], min, max); };

    if (!IsCopyPaperIndex(r["pagesize"], paper ? &paper->pageSizes : nullptr) ||
        !IsCopyPaperIndex(r["pagecolor"], paper ? &paper->mediaColors : nullptr) ||
        !IsCopyPaperIndex(r["pagetype"], paper ? &paper->mediaTypes : nullptr) || !number("longmeasure", -1, 1))
        return std::nullopt;
    const std::string& interposer = r["interposer"];
    if (interposer != "true" && interposer != "false") return std::nullopt;
    // A custom size must be one the device can be sent.
    if (paper != nullptr && ChoiceAt(paper->pageSizes, FieldInt(r, "pagesize")) == "Custom" &&
        (!IsCustomSizeMillimetres(r["width"]) || !IsCustomSizeMillimetres(r["length"])))
        return std::nullopt;

    if (*kind == kCover) {
        const std::optional<int32_t> page = number("page", 0, 1);
        const std::optional<int32_t> printing = number("printingoptions", 0, 3);
        const std::optional<int32_t> option = number("coversoption", 1, 4);
        if (!page || !printing || !option) return std::nullopt;
        // The cover option that made the record makes a cover on that side.
        if (*option == (*page == 0 ? 2 : 1)) return std::nullopt;
        // The interposer feeds sheets that are not printed on.
        if (interposer == "true" && *printing != 0) return std::nullopt;
    } else if (*kind == kInsert) {
        const std::optional<int32_t> page = number("page", 0, 65000);
        const std::optional<int32_t> option = number("insertoption", 0, 1);
        if (!page || !option || !number("insertquantity", 1, 9999)) return std::nullopt;
        // "Before page one" shown while the sheets go after another page
        // would tell the user one place and the device another.
        if (*option == 1 && *page != 0) return std::nullopt;
    } else {
        // Exception pages never come from the interposer.
        if (!CopyExceptionPages(r["page"]) || !number("twoSidePrint", 0, 3) || interposer != "false")
            return std::nullopt;
    }
    return r;
}

// The records of a restore, kept only as a list the windows could have made:
// one front and one back cover, at most 250 inserts and 250 exceptions,
// exceptions on pages no other one has, no insert before page one beside a
// front cover.
struct RestoredRecords {
    std::vector<SPRecord> covers, inserts, exceptions;
    std::map<int32_t, int32_t> exceptionPages;  // first page -> last page
    bool front = false, back = false;

    void Take(SPRecord r) {
        const int kind = FieldInt(r, "type");
        if (kind == kCover) {
            bool& side = Field(r, "page") == "0" ? front : back;
            if (side) return;
            side = true;
            covers.push_back(std::move(r));
        } else if (kind == kInsert) {
            if (inserts.size() < static_cast<size_t>(kMaxInsertRecords)) inserts.push_back(std::move(r));
        } else if (kind == kException) {
            if (exceptions.size() >= static_cast<size_t>(kMaxExceptionRecords)) return;
            const auto [first, last] = *CopyExceptionPages(Field(r, "page"));
            auto next = exceptionPages.upper_bound(last);  // the first range starting after this one
            if (next != exceptionPages.begin() && std::prev(next)->second >= first) return;
            exceptionPages.emplace(first, last);
            exceptions.push_back(std::move(r));
        }
    }

    // Into the list in the order the windows' merges give.
    void FillList(SPRecordList& list) {
        if (front) std::erase_if(inserts, [](const SPRecord& r) { return Field(r, "page") == "0"; });
        auto byPage = [](std::vector<SPRecord>& records) {
            std::stable_sort(records.begin(), records.end(), [](const SPRecord& a, const SPRecord& b) {
                return FirstPage(Field(a, "page")) < FirstPage(Field(b, "page"));
            });
        };
        byPage(inserts);
        byPage(exceptions);
        list.updateRequest(kCover, covers);
        list.updateRequest(kException, exceptions);
        list.updateRequest(kInsert, inserts);
    }
};

}  // namespace

bool RestoreRecordCopy(SPRecordList& list, const TicketReader& reader, const PaperContext* paper) {
    const std::optional<std::string> countText = reader(kCopyKey + "Count");
    if (!countText || countText->empty()) return false;
    const std::optional<int32_t> count = zqpde::DecimalInt32(*countText, 0, INT32_MAX);
    if (!count) return false;
    list.deleteAllItem();
    RestoredRecords restored;
    bool complete = true;
    for (int32_t i = 0; i < *count; ++i) {
        const std::optional<std::string> line = reader(kCopyKey + "_" + std::to_string(i));
        if (!line) {
            complete = false;
            break;
        }
        // A line that is no record the windows could make is left out.
        if (std::optional<SPRecord> r = RecordFromCopyLine(*line, paper)) restored.Take(std::move(*r));
    }
    restored.FillList(list);
    return complete;
}

std::vector<std::string> JTIFMediaTypeChoices() { return ChoicesOf(kMediaTypeJTIF); }
std::vector<std::string> JTIFMediaColorChoices() { return ChoicesOf(kMediaColorJTIF); }
std::vector<std::string> JTIFPageSizeChoices() {
    std::vector<std::string> out = ChoicesOf(kMediaSizeJTIF);
    out.emplace_back("Custom");
    return out;
}

}  // namespace zqsp
