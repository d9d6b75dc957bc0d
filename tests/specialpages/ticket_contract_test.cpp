#include "special_pages_ticket.h"

#include <zqp/print_settings.h>

#include <gtest/gtest.h>

#include "settings_ticket.h"
#include "zqpde/ticket_value.h"

#include <map>
#include <string>
#include <vector>

using namespace zqsp;

namespace {

const std::string NS = kTicketNamespace;

struct MemoryTicket : TicketWriter {
    std::map<std::string, std::string> texts;
    std::map<std::string, std::vector<std::string>> arrays;
    bool SetText(const std::string& key, const std::string& value) override {
        texts[key] = value;
        return true;
    }
    bool SetArray(const std::string& key, const std::vector<std::string>& values) override {
        arrays[key] = values;
        return true;
    }
    TicketReader Reader() const {
        return [this](const std::string& key) -> std::optional<std::string> {
            auto it = texts.find(key);
            if (it == texts.end()) return std::nullopt;
            return it->second;
        };
    }
};

// Decodes "/48/44/49" as the filter does.
std::string Decoded(std::string v) {
    zqpde::numstrtochar(v);
    return v;
}

PaperContext Paper() {
    PaperContext p;
    p.pageSizes = {"A4", "A5", "Letter", "Custom", "Odd"};
    p.mediaTypes = {"Stationary", "TabbedPaper1", "ThickPaper"};
    p.mediaColors = {"White", "Yellow", "Blue"};
    p.jobPageWidth = JobPaperHundredths(595);
    p.jobPageLength = JobPaperHundredths(842);
    p.jobDuplex = "DuplexTumble";
    return p;
}

SPRecord Cover(const char* page, const char* option, const char* size, const char* color, const char* type,
               const char* interposer = "false") {
    return {{"type", "0"}, {"page", page}, {"printingoptions", option}, {"pagesize", size}, {"pagecolor", color},
            {"pagetype", type}, {"interposer", interposer}, {"coversoption", "4"}, {"width", "0.0"},
            {"length", "0.0"}, {"longmeasure", "1"}};
}
SPRecord Insert(const char* page, const char* quantity, const char* size, const char* color, const char* type,
                const char* option = "0") {
    return {{"type", "1"}, {"page", page}, {"insertoption", option}, {"insertquantity", quantity},
            {"pagesize", size}, {"pagecolor", color}, {"pagetype", type}, {"interposer", "false"},
            {"width", "100.0"}, {"length", "150.5"}, {"longmeasure", "1"}};
}
SPRecord Exception(const char* page, const char* sides, const char* size, const char* color, const char* type) {
    return {{"type", "2"}, {"page", page}, {"pagesize", size}, {"pagetype", type}, {"pagecolor", color},
            {"interposer", "false"}, {"twoSidePrint", sides}, {"width", ""}, {"length", ""},
            {"longmeasure", "0"}};
}

std::string Pages(const SPRecordList& list) {
    std::string s;
    for (const SPRecord& r : list.records()) {
        const std::string kind = r.at("type") == "0" ? "C" : r.at("type") == "1" ? "I" : "E";
        s += kind + r.at("page") + " ";
    }
    return s;
}

}  // namespace

TEST(SpecialPagesTicket, RecordsBecomeTheExactKeysTheFilterReads) {
    SPRecordList list;
    list.updateRequest(kCover, {Cover("0", "1", "0", "0", "0"), Cover("1", "0", "-1", "0", "0", "true")});
    list.updateRequest(kInsert, {Insert("5", "2", "-1", "1", "0"), Insert("7", "1", "3", "2", "1")});
    list.updateRequest(kException, {Exception("3-7", "2", "1", "2", "2"), Exception("9", "0", "4", "9", "2")});
    ASSERT_EQ(Pages(list), "C0 E3-7 I5 I7 E9 C1 ");

    MemoryTicket t;
    bool ok = false;
    const SPTicketFlags flags = WriteJTIFTicket(list, Paper(), false, t, ok);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(flags.interposer && flags.mediaTypeTab && flags.mediaSizeA5);

    const std::map<std::string, std::string> want = {
        {NS + "SpecialPageRecordCountTicket", "6"},
        {NS + "JTIFCoverCountTicket", "2"},
        {NS + "JTIFCoverValueTicket_0", "0,1,print-front,STATIONERY,white,21000,29700"},
        {NS + "JTIFCoverValueTicket_1", "1,0,print-none,interposer"},
        {NS + "JTIFInsertionCountTicket", "2"},
        // The job's own size, from 595 x 842 points.
        {NS + "JTIFInsertionValueTicket_0", "1,5,2,yellow,21060,29790,STATIONERY"},
        {NS + "JTIFInsertionValueTicket_1", "1,7,1,blue,10000,15050,TAB_THICK1"},
        {NS + "JTIFExceptionCountTicket", "2"},
        {NS + "JTIFExceptionValueTicket_0", "1,1,1,3,7,two-sided-long-edge,THICK1,blue,14800,21000"},
        // "No Change" takes the job's Duplex mark; a size outside the table
        // and a colour outside the choices leave their fields empty.
        {NS + "JTIFExceptionValueTicket_1", "1,1,1,9,9,two-sided-short-edge,THICK1,,,"},
        {NS + "whetherMediaTypeTabTicket", "1"},
        {NS + "whetherInterposerTicket", "1"},
        {NS + "whetherMediaSizeA5Ticket", "1"},
    };
    std::map<std::string, std::string> got;
    for (const auto& [key, value] : t.texts) {
        if (!value.empty() && value[0] == '/') {
            EXPECT_EQ(value.find_first_not_of("/0123456789"), std::string::npos);
        }
        got[key] = Decoded(value);
    }
    EXPECT_EQ(got, want);
    EXPECT_EQ(t.texts[NS + "JTIFCoverValueTicket_0"].rfind("/48/44/49/44/112", 0), 0u);
    EXPECT_EQ(t.arrays[NS + "pageSizeArrayTicket"], (std::vector<std::string>{"A4", "Custom", "A5", "Odd"}));
    EXPECT_EQ(t.arrays[NS + "mediaTypeArrayTicket"],
              (std::vector<std::string>{"Stationary", "Stationary", "TabbedPaper1", "ThickPaper", "ThickPaper"}));
    EXPECT_EQ(t.arrays[NS + "mediaColorArrayTicket"], (std::vector<std::string>{"White", "Yellow", "Blue", "Blue", ""}));
}

TEST(SpecialPagesTicket, LaterWritesLeaveNothingStale) {
    SPRecordList list;
    list.updateRequest(kCover, {Cover("1", "0", "0", "0", "0", "true")});
    list.updateRequest(kInsert, {Insert("2", "1", "1", "0", "1")});
    MemoryTicket t;
    bool ok = false;
    WriteJTIFTicket(list, Paper(), false, t, ok);
    EXPECT_EQ(t.texts[NS + "whetherInterposerTicket"], "1");
    EXPECT_EQ(t.texts[NS + "whetherMediaTypeTabTicket"], "1");

    // The user removes the inserts and the interposer cover: counts and
    // flags follow, in the same print settings.
    list.updateRequest(kInsert, {});
    list.updateRequest(kCover, {Cover("0", "1", "0", "0", "0")});
    WriteJTIFTicket(list, Paper(), false, t, ok);
    EXPECT_EQ(t.texts[NS + "JTIFInsertionCountTicket"], "0");
    EXPECT_EQ(t.texts[NS + "JTIFCoverCountTicket"], "1");
    EXPECT_EQ(t.texts[NS + "whetherInterposerTicket"], "0");
    EXPECT_EQ(t.texts[NS + "whetherMediaTypeTabTicket"], "0");
    EXPECT_EQ(t.texts[NS + "whetherMediaSizeA5Ticket"], "0");

    // A mailbox job: every count "0", so no JTIF block reaches the device.
    WriteJTIFTicket(list, Paper(), true, t, ok);
    for (const char* key : {"SpecialPageRecordCountTicket", "JTIFCoverCountTicket", "JTIFInsertionCountTicket",
                            "JTIFExceptionCountTicket"}) {
        EXPECT_EQ(t.texts[NS + key], "0") << key;
    }
    EXPECT_TRUE(t.arrays[NS + "pageSizeArrayTicket"].empty());
}

TEST(SpecialPagesTicket, LongValuesAreKeptWholeUpToTheFilterLimit) {
    const std::string value(300, 'a');
    const std::string withComma = "x," + std::string(400, 'b');
    EXPECT_EQ(EscapedTicketValue(value), value);  // nothing to escape, nothing cut at 255
    const std::string escaped = EscapedTicketValue(withComma);
    EXPECT_LE(escaped.size(), kJTIFValueLimit);
    EXPECT_EQ(escaped.back(), '8');               // ends on a whole "/98"
    EXPECT_EQ(Decoded(escaped), withComma.substr(0, Decoded(escaped).size()));
    EXPECT_GT(Decoded(escaped).size(), 255u);
    // A two-byte character that does not fit whole is left out whole.
    std::string accents = ",";
    while (accents.size() < 400) accents += "\xc3\xa9";
    const std::string cut = Decoded(EscapedTicketValue(accents));
    EXPECT_EQ((cut.size() - 1) % 2, 0u);
    EXPECT_EQ(EscapedTicketValue("/path"), "/47/112/97/116/104");
}

TEST(SpecialPagesTicket, CustomSizesAndPrintTypes) {
    EXPECT_EQ(CustomSizeHundredths("100.0"), "10000");
    EXPECT_EQ(CustomSizeHundredths("150.5"), "15050");
    EXPECT_EQ(CustomSizeHundredths("297"), "29700");
    EXPECT_EQ(CustomSizeHundredths(""), "");
    EXPECT_EQ(CustomSizeHundredths("abc"), "");
    EXPECT_EQ(JobPaperHundredths(612), 21600);
    EXPECT_TRUE(IsMailboxPrintType(std::string("5")));
    EXPECT_FALSE(IsMailboxPrintType(std::string("1")));
    EXPECT_FALSE(IsMailboxPrintType(std::nullopt));
}

TEST(SpecialPagesTicket, TheCopyRestoresTheSameRecords) {
    SPRecordList list;
    list.updateRequest(kCover, {Cover("0", "3", "0", "1", "2"), Cover("1", "0", "-1", "0", "0", "true")});
    list.updateRequest(kInsert, {Insert("1", "1", "0", "0", "0"), Insert("4", "3", "3", "2", "1")});
    list.updateRequest(kException, {Exception("2-3", "1", "2", "0", "0")});
    MemoryTicket t;
    ASSERT_TRUE(WriteRecordCopy(list, t));
    EXPECT_EQ(t.texts[NS + "JTIFCommandTicketCount"], "5");
    EXPECT_EQ(t.texts[NS + "JTIFCommandTicket_0"], "0,0,3,0,1,2,false,4,0.0,0.0,1");
    EXPECT_EQ(t.texts[NS + "JTIFCommandTicket_2"], "2,2-3,2,0,0,false,1,,,0");

    SPRecordList restored;
    ASSERT_TRUE(RestoreRecordCopy(restored, t.Reader()));
    EXPECT_EQ(restored.records(), list.records());

    // A missing line keeps what was read before it.
    t.texts.erase(NS + "JTIFCommandTicket_1");
    SPRecordList partial;
    EXPECT_FALSE(RestoreRecordCopy(partial, t.Reader()));
    ASSERT_EQ(partial.allItemCount(), 1u);
    EXPECT_EQ(partial.records()[0], list.records()[0]);
    // No count at all leaves the list as it was.
    t.texts.erase(NS + "JTIFCommandTicketCount");
    EXPECT_FALSE(RestoreRecordCopy(partial, t.Reader()));
    EXPECT_EQ(partial.allItemCount(), 1u);
}

// A copy read back from a crafted or stale ticket: only lines a window
// could have made come back, and they come back in the list's own order.
// Paper(): sizes A4 A5 Letter Custom Odd, three types, three colours.
TEST(SpecialPagesTicket, RestoreLeavesOutLinesNoWindowCouldMake) {
    const std::string front = "0,0,1,0,0,1,false,4,210.0,297.0,1", back = "0,1,0,-1,-1,-1,true,4,-1,-1,-1";
    const std::string insert3 = "1,3,0,2,0,0,0,false,210.0,297.0,1", exception58 = "2,5-8,1,0,0,false,2,,,0";
    std::vector<std::string> singles;
    for (int page = 1; page <= 260; ++page) singles.push_back("2," + std::to_string(page) + ",0,0,0,false,1,,,0");
    struct Case {
        std::vector<std::string> lines;
        const char* want;  // Pages() of the list restored
    };
    const std::vector<Case> cases = {
        {{front, insert3, exception58, back}, "C0 I3 E5-8 C1 "},
        // Out of order in the ticket, in the list's order once restored.
        {{back, exception58, "1,7,0,1,0,0,0,false,,,0", insert3, front}, "C0 I3 E5-8 I7 C1 "},
        // Pages outside their ranges, written as no window writes them, or overflowing.
        {{"1,-5,0,1,0,0,0,false,,,0", "1,65001,0,1,0,0,0,false,,,0", "1,65000,0,1,0,0,0,false,,,0"}, "I65000 "},
        {{"2,1-99999999999,0,0,0,false,1,,,0", "2,5-3,0,0,0,false,1,,,0", "2,0,0,0,0,false,1,,,0",
          "2,65001-70000,0,0,0,false,1,,,0", "2,07,0,0,0,false,1,,,0", "2,+7,0,0,0,false,1,,,0",
          "2,7-,0,0,0,false,1,,,0", "2,1-65000,0,0,0,false,1,,,0"},
         "E1-65000 "},
        // A line of no kind, or with a field too many or too few, is no second front cover.
        {{front, ",0,1,0,0,1,false,4,210.0,297.0,1", "x,0,1,0,0,1,false,4,210.0,297.0,1",
          "0,0,1,0,0,1,false,4,210.0,297.0", "0,0,1,0,0,1,false,4,210.0,297.0,1,1"},
         "C0 "},
        // Cover fields: an empty or unknown printing option, an unknown cover
        // option or one that makes no cover on that side, a printed interposer sheet.
        {{"0,0,,0,0,1,false,4,,,1", "0,0,4,0,0,1,false,4,,,1", "0,0,1,0,0,1,false,0,,,1", "0,0,1,0,0,1,false,2,,,1",
          "0,1,1,0,0,1,false,1,,,1", "0,1,3,-1,-1,-1,true,4,,,1", "0,1,1,0,0,1,false,2,,,1"},
         "C1 "},
        // Paper indexes within the PPD's choices, -1 for No Change; a custom
        // size that the device can be sent; a known unit and interposer.
        {{"1,1,0,1,5,0,0,false,,,1", "1,2,0,1,-2,0,0,false,,,1", "1,3,0,1,0,3,0,false,,,1", "1,4,0,1,0,0,-1,false,,,1",
          "1,5,0,1,3,0,0,false,-1,-1,1", "1,6,0,1,3,0,0,false,100.55,150.0,1", "1,7,0,1,3,0,0,false,100.5,150,1",
          "1,8,0,1,0,0,0,yes,,,1", "1,9,0,1,0,0,0,false,,,2"},
         "I4 I7 "},
        // Sheets 1 to 9999; "before page one" only at page 0.
        {{"1,10,0,0,0,0,0,false,,,1", "1,11,0,10000,0,0,0,false,,,1", "1,12,1,1,0,0,0,false,,,1",
          "1,0,1,9999,0,0,0,false,,,1"},
         "I0 "},
        // Exceptions: sides 0 to 3, never from the interposer, never on pages another has.
        {{"2,1,0,0,0,false,4,,,0", "2,2,0,0,0,true,1,,,0", exception58, "2,8-9,0,0,0,false,1,,,0",
          "2,1-5,0,0,0,false,1,,,0", "2,9,0,0,0,false,3,,,0"},
         "E5-8 E9 "},
        // What the list cannot hold beside the records before: a second
        // cover on one side, an insert before page one beside a front cover.
        {{"1,0,1,1,0,0,0,false,,,1", front, "0,0,2,0,0,1,false,4,,,1", back, back}, "C0 C1 "},
    };
    for (size_t c = 0; c < cases.size(); ++c) {
        MemoryTicket t;
        t.texts[NS + "JTIFCommandTicketCount"] = std::to_string(cases[c].lines.size());
        for (size_t i = 0; i < cases[c].lines.size(); ++i)
            t.texts[NS + "JTIFCommandTicket_" + std::to_string(i)] = cases[c].lines[i];
        SPRecordList list;
        const PaperContext paper = Paper();
        EXPECT_TRUE(RestoreRecordCopy(list, t.Reader(), &paper)) << "case " << c;
        EXPECT_EQ(Pages(list), cases[c].want) << "case " << c;
    }
    // At most 250 inserts and 250 exceptions, the first ones.
    for (const bool inserts : {false, true}) {
        MemoryTicket t;
        std::vector<std::string> lines = singles;
        if (inserts)
            for (std::string& l : lines) l = "1," + l.substr(2, l.find(',', 2) - 2) + ",0,1,0,0,0,false,,,1";
        t.texts[NS + "JTIFCommandTicketCount"] = std::to_string(lines.size());
        for (size_t i = 0; i < lines.size(); ++i) t.texts[NS + "JTIFCommandTicket_" + std::to_string(i)] = lines[i];
        SPRecordList list;
        ASSERT_TRUE(RestoreRecordCopy(list, t.Reader()));
        ASSERT_EQ(list.allItemCount(), 250u) << inserts;
        EXPECT_EQ(list.records().back().at("page"), "250");
    }
}

// Where merged records land; each step starts from the list before it.
TEST(SpecialPagesRecordList, MergeOrder) {
    struct Step {
        int kind;
        std::vector<SPRecord> records;
        const char* want;
    };
    const std::vector<std::vector<Step>> scenarios = {
        {{kCover, {Cover("0", "1", "0", "0", "0"), Cover("1", "1", "0", "0", "0")}, "C0 C1 "},
         {kInsert, {Insert("3", "1", "0", "0", "0"), Insert("5", "1", "0", "0", "0")}, "C0 I3 I5 C1 "}},
        {{kException, {Exception("5-8", "1", "0", "0", "0")}, "E5-8 "},
         {kInsert, {Insert("5", "1", "0", "0", "0")}, "E5-8 I5 "},
         {kInsert, {Insert("4", "1", "0", "0", "0")}, "I4 E5-8 "}},
        {{kInsert, {Insert("5", "1", "0", "0", "0")}, "I5 "},
         {kException, {Exception("5", "1", "0", "0", "0")}, "E5 I5 "},
         {kException, {Exception("6", "1", "0", "0", "0")}, "I5 E6 "}},
        {{kCover, {Cover("0", "1", "0", "0", "0")}, "C0 "},
         {kException, {Exception("2", "1", "0", "0", "0")}, "C0 E2 "},
         {kInsert, {Insert("0", "1", "0", "0", "0", "1")}, "C0 I0 E2 "}},
    };
    for (size_t s = 0; s < scenarios.size(); ++s) {
        SPRecordList list;
        for (const Step& step : scenarios[s]) {
            list.updateRequest(step.kind, step.records);
            EXPECT_EQ(Pages(list), step.want) << "scenario " << s;
        }
    }
}

// Through the dialog's print settings, saved as lines and read back as a
// second dialog run starts from them.
TEST(SpecialPagesTicket, PrintSettingsCarryBothTicketsAcrossRuns) {
    SPRecordList list;
    list.updateRequest(kCover, {Cover("0", "1", "0", "0", "0")});
    list.updateRequest(kException, {Exception("2-3", "3", "0", "1", "2")});
    zqp::PrintSettings first;
    SettingsTicketWriter writer(&first, false);
    bool ok = false;
    ASSERT_TRUE(WriteRecordCopy(list, writer));
    WriteJTIFTicket(list, Paper(), false, writer, ok);
    ASSERT_TRUE(ok);

    zqp::PrintSettings second;
    std::string error;
    ASSERT_TRUE(second.ParseLines(first.ToLines(), &error)) << error;
    SPRecordList restored;
    ASSERT_TRUE(RestoreRecordCopy(restored, SettingsTicketReader(&second)));
    EXPECT_EQ(restored.records(), list.records());
    std::string value;
    ASSERT_EQ(second.GetValue(NS + "JTIFExceptionValueTicket_0", value), 0);
    EXPECT_EQ(Decoded(value), "1,1,1,2,3,two-sided-short-edge,THICK1,yellow,21000,29700");
    std::vector<std::string> sizes;
    ASSERT_EQ(second.GetArray(NS + "pageSizeArrayTicket", sizes), 0);
    EXPECT_EQ(sizes, (std::vector<std::string>{"A4", "A4"}));
    // A locked copy key is refused, and the writer says so.
    zqp::PrintSettings locked;
    ASSERT_EQ(locked.SetValue(NS + "JTIFCommandTicketCount", "0", true), 0);
    SettingsTicketWriter lockedWriter(&locked, false);
    EXPECT_FALSE(WriteRecordCopy(list, lockedWriter));
}
