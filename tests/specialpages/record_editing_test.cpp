// What the covers, inserts and exceptions windows hand to the summary list
// on OK.
#include <gtest/gtest.h>

#include "record_editing.h"

namespace zqsp {
namespace {

PaperValues Paper(const char* size, const char* color = "-1", const char* type = "-1", bool interposer = false) {
    PaperValues p;
    p.size = size;
    p.color = color;
    p.type = type;
    p.interposer = interposer;
    p.width = "210.0";
    p.length = "297.0";
    p.unit = "1";
    return p;
}

std::string Pages(const std::vector<SPRecord>& records) {
    std::string s;
    for (const SPRecord& r : records) s += (s.empty() ? "" : " ") + r.at("page");
    return s;
}

SPRecord Insert(const char* page) {
    SPRecord r{{"type", "1"}, {"page", page}, {"insertoption", page[0] == '0' ? "1" : "0"}, {"insertquantity", "1"},
               {"pagesize", "-1"}, {"pagecolor", "-1"}, {"pagetype", "-1"}, {"interposer", "false"},
               {"width", "-1"}, {"length", "-1"}, {"longmeasure", "-1"}, {"selected", "false"}};
    return r;
}

// ---- covers -------------------------------------------------------------------

TEST(CoverRecords, EachCoverOption) {
    CoverSide front{2, Paper("3", "1", "4", false)}, back{4, Paper("5")};
    const std::vector<SPRecord> previous = {{{"type", "0"}, {"page", "0"}, {"selected", "true"}}};

    CoverEdit none = BuildCoverRecords(kNoCovers, front, back, previous);
    EXPECT_TRUE(none.records.empty());
    EXPECT_TRUE(none.changed) << "removing covers is a change";
    EXPECT_FALSE(none.removeInsertsBeforePageOne);
    EXPECT_FALSE(BuildCoverRecords(kNoCovers, front, back, {}).changed);

    CoverEdit frontOnly = BuildCoverRecords(kFrontOnly, front, back, previous);
    ASSERT_EQ(frontOnly.records.size(), 1u);
    EXPECT_EQ(frontOnly.records[0].at("page"), "0");
    EXPECT_EQ(frontOnly.records[0].at("printingoptions"), "1");
    EXPECT_EQ(frontOnly.records[0].at("coversoption"), "1");
    EXPECT_EQ(frontOnly.records[0].at("selected"), "true") << "carried over from the old front cover";
    EXPECT_TRUE(frontOnly.removeInsertsBeforePageOne);

    CoverEdit backOnly = BuildCoverRecords(kBackOnly, front, back, previous);
    ASSERT_EQ(backOnly.records.size(), 1u);
    EXPECT_EQ(backOnly.records[0].at("page"), "1");
    EXPECT_EQ(backOnly.records[0].at("selected"), "false") << "no old back cover to carry a mark";
    EXPECT_EQ(backOnly.records[0].at("pagesize"), "5");
    EXPECT_FALSE(backOnly.removeInsertsBeforePageOne) << "no front cover, the inserts before page one stay";

    CoverEdit same = BuildCoverRecords(kFrontBackSame, front, back, {});
    ASSERT_EQ(same.records.size(), 2u);
    EXPECT_EQ(Pages(same.records), "1 0");
    for (const char* key : {"pagesize", "pagecolor", "pagetype", "interposer", "printingoptions", "width"})
        EXPECT_EQ(same.records[0].at(key), same.records[1].at(key)) << key;
    EXPECT_EQ(same.records[0].at("pagesize"), "3");
    EXPECT_TRUE(same.removeInsertsBeforePageOne);

    // A cover from the interposer is blank whatever its list showed.
    CoverEdit tray = BuildCoverRecords(kBackOnly, front, {4, Paper("-1", "-1", "-1", true)}, {});
    EXPECT_EQ(tray.records[0].at("printingoptions"), "0");

    CoverEdit different = BuildCoverRecords(kFrontBackDifferent, front, back, {});
    ASSERT_EQ(different.records.size(), 2u);
    EXPECT_EQ(different.records[0].at("pagesize"), "5");
    EXPECT_EQ(different.records[1].at("pagesize"), "3");
    EXPECT_EQ(different.records[1].at("coversoption"), "4");
}

TEST(CoverRecords, FrontCoverTakesInsertsBeforePageOneOutOfTheList) {
    SPRecordList list;
    list.updateRequest(kInsert, {Insert("0"), Insert("3")});
    CoverEdit back = BuildCoverRecords(kBackOnly, {}, {1, Paper("2")}, {});
    list.updateRequest(kCover, back.records);
    if (back.removeInsertsBeforePageOne) RemoveInsertsBeforePageOne(list);
    EXPECT_EQ(Pages(list.getArrayByType(kInsert)), "0 3");

    CoverEdit front = BuildCoverRecords(kFrontOnly, {1, Paper("2")}, {}, list.getArrayByType(kCover));
    list.updateRequest(kCover, front.records);
    if (front.removeInsertsBeforePageOne) RemoveInsertsBeforePageOne(list);
    EXPECT_EQ(Pages(list.getArrayByType(kInsert)), "3");
    EXPECT_TRUE(HasFrontCover(list.records()));
}

// ---- inserts ------------------------------------------------------------------

TEST(InsertRecords, AddAndEdit) {
    const CustomSizeTest custom = [](int32_t size) { return size == 9; };
    InsertWindowValues v;
    v.quantity = 3;
    v.paper = Paper("2", "1", "-1");

    std::vector<SPRecord> working;
    ASSERT_TRUE(ApplyInsertEdit(1, working, {}, {3, 5, 6, 7}, v, false, custom));
    EXPECT_EQ(Pages(working), "3 5 6 7");
    EXPECT_EQ(working[2].at("selected"), "false") << "inserts are made unmarked";
    EXPECT_EQ(working[2].at("insertquantity"), "3");
    EXPECT_EQ(working[2].at("pagesize"), "2");

    // Before page one: one record, whatever the pages; none under a front cover.
    InsertWindowValues before = v;
    before.option = 1;
    ASSERT_TRUE(ApplyInsertEdit(1, working, {}, {0}, before, false, custom));
    EXPECT_EQ(working.back().at("page"), "0");
    EXPECT_EQ(working.back().at("insertoption"), "1");
    const size_t count = working.size();
    ASSERT_TRUE(ApplyInsertEdit(1, working, {}, {0}, before, true, custom));
    EXPECT_EQ(working.size(), count);
    EXPECT_EQ(Pages(SortedByPage(working)), "0 3 5 6 7");

    // One selected insert edited into two pages becomes two inserts.
    std::vector<SPRecord> one = {Insert("4")};
    ASSERT_TRUE(ApplyInsertEdit(2, one, {0}, {2, 4}, v, false, custom));
    EXPECT_EQ(Pages(one), "2 4");

    EXPECT_FALSE(ApplyInsertEdit(3, one, {}, {1}, v, false, custom));
}

TEST(InsertRecords, EditingSeveralKeepsWhatStaysMixed) {
    const CustomSizeTest custom = [](int32_t size) { return size == 9; };
    std::vector<SPRecord> working = {Insert("2"), Insert("4"), Insert("8")};
    working[0]["pagesize"] = "1";
    working[1]["pagesize"] = "9";
    working[1]["width"] = "150.0";
    working[1]["longmeasure"] = "0";
    working[1]["selected"] = working[2]["selected"] = "true";

    // Only the quantity changes: every insert keeps its own paper and page.
    InsertWindowValues quantityOnly;
    quantityOnly.quantity = 7;
    quantityOnly.optionEnabled = false;
    ASSERT_TRUE(ApplyInsertEdit(2, working, {0, 1}, {}, quantityOnly, false, custom));
    EXPECT_EQ(Pages(working), "2 4 8");
    EXPECT_EQ(working[0].at("pagesize"), "1");
    EXPECT_EQ(working[1].at("pagesize"), "9");
    EXPECT_EQ(working[1].at("width"), "150.0");
    EXPECT_EQ(working[1].at("insertquantity"), "7");
    EXPECT_EQ(working[2].at("insertquantity"), "1");
    // An insert rewritten is unmarked; one not edited keeps its mark.
    EXPECT_EQ(working[1].at("selected"), "false");
    EXPECT_EQ(working[2].at("selected"), "true");
    // No quantity given (they differed): each keeps its own.
    working[1]["insertquantity"] = "4";
    InsertWindowValues keep;
    keep.quantity = 0;
    keep.optionEnabled = false;
    ASSERT_TRUE(ApplyInsertEdit(2, working, {0, 1}, {}, keep, false, custom));
    EXPECT_EQ(working[0].at("insertquantity"), "7");
    EXPECT_EQ(working[1].at("insertquantity"), "4");

    // A colour chosen, the size left mixed: sizes and custom sizes stay.
    InsertWindowValues color;
    color.paper.color = "3";
    color.optionEnabled = false;
    ASSERT_TRUE(ApplyInsertEdit(2, working, {0, 1}, {}, color, false, custom));
    EXPECT_EQ(working[0].at("pagecolor"), "3");
    EXPECT_EQ(working[1].at("pagecolor"), "3");
    EXPECT_EQ(working[1].at("pagesize"), "9");
    EXPECT_EQ(working[1].at("width"), "150.0");

    // A plain size chosen: the custom size goes back to its defaults.
    InsertWindowValues size;
    size.paper = Paper("4");
    size.paper.width = "-1";
    size.optionEnabled = false;
    ASSERT_TRUE(ApplyInsertEdit(2, working, {1}, {}, size, false, custom));
    EXPECT_EQ(working[1].at("pagesize"), "4");
    EXPECT_EQ(working[1].at("width"), "210.0");
    EXPECT_EQ(working[1].at("longmeasure"), "1");

    // Pages typed for several selected inserts go in order; more inserts
    // than pages keep their own pages.
    InsertWindowValues pages;
    ASSERT_TRUE(ApplyInsertEdit(2, working, {0, 1, 2}, {10, 11}, pages, false, custom));
    EXPECT_EQ(Pages(working), "10 11 8");
}

// What several records edited together show: a value they share, else No
// Change; differing interposer flags or units make the paper or the custom
// size mixed as a whole.
TEST(CommonPaper, SharedValuesOrNoChange) {
    auto record = [](const char* size, const char* color, const char* interposer, const char* width,
                     const char* unit) {
        return SPRecord{{"pagesize", size}, {"pagecolor", color}, {"pagetype", "2"}, {"interposer", interposer},
                        {"width", width}, {"length", "297.0"}, {"longmeasure", unit}};
    };
    struct Case {
        const char* name;
        std::vector<SPRecord> records;
        const char *size, *color, *type, *width, *length, *unit;
        bool interposer;
    } cases[] = {
        {"one", {record("4", "1", "false", "100.0", "1")}, "4", "1", "2", "100.0", "297.0", "1", false},
        {"sizes differ", {record("4", "1", "false", "100.0", "1"), record("0", "1", "false", "100.0", "1")},
         "-1", "1", "2", "100.0", "297.0", "1", false},
        {"widths differ", {record("4", "1", "false", "100.0", "1"), record("4", "1", "false", "120.0", "1")},
         "4", "1", "2", "-1", "297.0", "1", false},
        {"units differ", {record("4", "1", "false", "100.0", "1"), record("4", "1", "false", "100.0", "0")},
         "4", "1", "2", "-1", "-1", "-1", false},
        {"interposer differs", {record("4", "1", "true", "100.0", "1"), record("4", "1", "false", "100.0", "1")},
         "-1", "-1", "-1", "-1", "-1", "-1", false},
        {"all from the interposer", {record("0", "0", "true", "210.0", "1"), record("0", "0", "true", "210.0", "1")},
         "0", "0", "2", "210.0", "297.0", "1", true},
        {"none", {}, "-1", "-1", "-1", "-1", "-1", "-1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PaperValues p = CommonPaperOf(c.records);
        EXPECT_EQ(std::vector<std::string>({p.size, p.color, p.type, p.width, p.length, p.unit}),
                  std::vector<std::string>({c.size, c.color, c.type, c.width, c.length, c.unit}));
        EXPECT_EQ(p.interposer, c.interposer);
    }
}

// ---- exceptions ---------------------------------------------------------------

ExceptionSetting Setting(const char* size, const char* twoSide = "0") {
    ExceptionSetting s;
    s.paper = Paper(size);
    s.twoSide = twoSide;
    return s;
}

struct ExceptionCase {
    const char* name;
    std::vector<SPRecord> existing;
    ExceptionEdit edit;
    const char* pages;  // the records' pages after OK
};

TEST(ExceptionRecords, SplitMergeAndFold) {
    const SPRecord a{{"page", "1-10"}, {"type", "2"}, {"pagesize", "1"}, {"pagecolor", "-1"},
                     {"pagetype", "-1"}, {"interposer", "false"}, {"width", "210.0"},
                     {"length", "297.0"}, {"longmeasure", "1"}, {"twoSidePrint", "0"}};
    ExceptionSetting sameAsA = Setting("1");
    ExceptionSetting b = Setting("2");
    ExceptionSetting sidesOnly;
    sidesOnly.twoSide = "2";

    const ExceptionCase cases[] = {
        {"a page inside splits the range", {a}, {{5}, {}, {}, b}, "1-4 5 6-10"},
        {"the same paper next to the range folds in", {a}, {{11, 12}, {}, {}, sameAsA}, "1-12"},
        {"sides only keep the paper and split", {a}, {{5}, {}, {}, sidesOnly}, "1-4 5 6-10"},
        {"editing 5-7 into 5-6 removes page 7",
         {{{"page", "5-7"}, {"type", "2"}, {"pagesize", "1"}}},
         {{5, 6}, {5, 6, 7}, {}, Setting("-1")},
         "5-6"},
        {"separate pages stay apart", {}, {{3, 5, 7, 8, 9}, {}, {}, b}, "3 5 7-9"},
    };
    for (const ExceptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExceptionPages pages = ExpandExceptionRecords(c.existing);
        std::vector<SPRecord> out;
        ASSERT_TRUE(ApplyExceptionEdit(pages, c.edit, out));
        EXPECT_EQ(Pages(out), c.pages);
    }

    // Sides only: page 5 keeps paper A and takes the long edge.
    ExceptionPages pages = ExpandExceptionRecords({a});
    std::vector<SPRecord> out;
    ASSERT_TRUE(ApplyExceptionEdit(pages, {{5}, {}, {1}, sidesOnly}, out));
    EXPECT_EQ(out[1].at("pagesize"), "1");
    EXPECT_EQ(out[1].at("twoSidePrint"), "2");
    EXPECT_EQ(out[0].at("selected"), "true");
    EXPECT_EQ(out[1].at("selected"), "false");
    EXPECT_EQ(out[2].at("selected"), "false");
}

TEST(ExceptionRecords, MoreThanTheLimitChangesNothing) {
    // 250 single pages two apart, then one more page that would make 251.
    ExceptionPages pages;
    ExceptionEdit edit;
    for (int32_t i = 0; i < 250; ++i) edit.pages.push_back(1 + 2 * i);
    edit.window = Setting("1");
    std::vector<SPRecord> out;
    ASSERT_TRUE(ApplyExceptionEdit(pages, edit, out));
    ASSERT_EQ(out.size(), 250u);
    const ExceptionPages before = pages;
    ASSERT_FALSE(ApplyExceptionEdit(pages, {{1000}, {}, {}, Setting("1")}, out));
    EXPECT_EQ(pages, before);
    EXPECT_EQ(out.size(), 250u);
    // Filling a gap with the same paper folds two records into one: allowed.
    ASSERT_TRUE(ApplyExceptionEdit(pages, {{2}, {}, {}, Setting("1")}, out));
    EXPECT_EQ(out.size(), 249u);
}

TEST(ExceptionRecords, RecordsFromOutsideAreBounded) {
    // Ranges from a restored ticket: a reversed, huge or foreign page gives
    // no pages, and whole ranges stay within 1 to 65000.
    EXPECT_TRUE(ExceptionRecordPages("9-3").empty());
    EXPECT_TRUE(ExceptionRecordPages("1-4000000000").empty());
    EXPECT_TRUE(ExceptionRecordPages("0").empty());
    EXPECT_TRUE(ExceptionRecordPages("x").empty());
    EXPECT_TRUE(ExceptionRecordPages("-5").empty());
    EXPECT_EQ(ExceptionRecordPages("64999-65000").size(), 2u);
    EXPECT_EQ(ExceptionRecordPages("7"), std::vector<int32_t>{7});
    // Overlapping records: the first keeps the page.
    ExceptionPages pages = ExpandExceptionRecords(
        {{{"page", "1-3"}, {"pagesize", "1"}}, {{"page", "3-4"}, {"pagesize", "2"}}});
    EXPECT_EQ(pages.at(3).paper.size, "1");
    EXPECT_EQ(pages.at(4).paper.size, "2");
}

}  // namespace
}  // namespace zqsp
