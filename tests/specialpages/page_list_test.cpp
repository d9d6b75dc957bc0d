#include "page_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zqsp;

namespace {

struct InsertCase {
    const char* text;
    int32_t status;
    const char* arranged;           // when accepted
    std::vector<int32_t> pages;     // when accepted
};

std::string Show(const std::vector<int32_t>& pages) {
    std::string s;
    for (int32_t p : pages) s += std::to_string(p) + " ";
    return s;
}

}  // namespace

// The inserts window's list: pages 0-65000, ascending, duplicates kept.
TEST(InsertPageList, TableOfTypedLists) {
    const InsertCase cases[] = {
        {"3, 7-9, 12", kPageListOK, "3,7-9,12,", {3, 7, 8, 9, 12}},
        {"1 2", kPageListOK, "1,2,", {1, 2}},                       // a space between numbers separates them
        {",,5,,,6,", kPageListOK, "5,6,", {5, 6}},                   // commas collapse
        {"9, 3, 3, 0", kPageListOK, "9,3,3,0,", {0, 3, 3, 9}},        // sorted, duplicates kept
        {"2-4,3", kPageListOK, "2-4,3,", {2, 3, 3, 4}},
        {"-3", kPageListOK, "1-3,", {1, 2, 3}},                      // open start from page one
        {"64998-", kPageListOK, "64998-65000,", {64998, 64999, 65000}},
        {"0", kPageListOK, "0,", {0}},
        {"", kPageListEmpty, "", {}},
        {"   ", kPageListEmpty, "", {}},
        {"1, ,2", kPageListMalformedSet, "", {}},                    // a blank between commas is an empty set
        {"3a", kPageListBadCharacter, "", {}},
        {"3;4", kPageListBadCharacter, "", {}},
        {"1-2-3", kPageListTwoHyphens, "", {}},
        {"-", kPageListOnlyHyphen, "", {}},
        {"65001", kPageListOutOfRange, "", {}},
        {"99999999999999999999", kPageListOutOfRange, "", {}},       // no overflow into range
        {"9-3", kPageListReversedRange, "", {}},
        {"-0", kPageListReversedRange, "", {}},                      // not a list of no pages
        {"1-251", kPageListTooMany, "", {}},
        {"0-65000", kPageListTooMany, "", {}},
    };
    for (const InsertCase& c : cases) {
        SCOPED_TRACE(c.text);
        const PageListResult r = ParsePageList(c.text, InsertPageListRules(0, false, false));
        EXPECT_EQ(r.status, c.status);
        if (c.status == kPageListOK) {
            EXPECT_EQ(r.arranged, c.arranged);
            EXPECT_EQ(Show(r.pages), Show(c.pages));
        } else {
            EXPECT_TRUE(r.pages.empty());  // a refused list hands nothing on
            EXPECT_TRUE(r.arranged.empty());
        }
    }
}

TEST(InsertPageList, LimitCountsRecordsAlreadyPresentAndTheEditedOne) {
    EXPECT_EQ(ParsePageList("1-10", InsertPageListRules(240, false, false)).status, kPageListOK);
    EXPECT_EQ(ParsePageList("1-11", InsertPageListRules(240, false, false)).status, kPageListTooMany);
    // Editing replaces one record, so one more fits.
    EXPECT_EQ(ParsePageList("1-11", InsertPageListRules(240, true, false)).status, kPageListOK);
    // With a front cover, page 0 is no insert and does not count.
    const PageListResult r = ParsePageList("0-250", InsertPageListRules(0, false, true));
    EXPECT_EQ(r.status, kPageListOK);
    ASSERT_EQ(r.pages.size(), 250u);
    EXPECT_EQ(r.pages.front(), 1);
}

// The exceptions window's list: pages from 1, ranges merged, unique.
TEST(ExceptionPageList, RangesAreMergedAndOrdered) {
    const PageListResult r = ParsePageList("9-12, 1, 3-5, 4-7, 11, 20-", ExceptionPageListRules(0, false));
    ASSERT_EQ(r.status, kPageListOK);
    const std::vector<PageRange> want = {{1, 1}, {3, 7}, {9, 12}, {20, 65000}};
    EXPECT_EQ(r.ranges, want);
    EXPECT_TRUE(r.pages.empty());
    EXPECT_EQ(ParsePageList("0", ExceptionPageListRules(0, false)).status, kPageListOutOfRange);
    EXPECT_EQ(ParsePageList("-1", ExceptionPageListRules(0, false)).status, kPageListOK);
}
