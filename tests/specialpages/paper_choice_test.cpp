#include "paper_choice.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

using namespace zqsp;

namespace {

// Constraints as a PPD's UIConstraints give them: "Key:Choice" ruled out by
// option/choice.
struct Constraints {
    std::set<std::tuple<std::string, std::string, std::string>> pairs;
    ConstraintTest Test() const {
        return [this](const std::string& keyChoice, const std::string& option, const std::string& choice) {
            return pairs.count({keyChoice, option, choice}) > 0;
        };
    }
};

PaperOptions Options() {
    PaperOptions o;
    o.sizes = {"A4", "Custom", "Letter", "A5"};  // custom not last
    o.colors = {"White", "Clear", "Yellow"};
    o.types = {"ThinPaper", "Stationary", "Transparency", "TabbedPaper1", "ThickPaper"};
    o.sizeDefault = "A4";
    o.colorDefault = "White";
    return o;
}

}  // namespace

TEST(PaperSelection, ChoicesDefaultsAndTheirSideEffects) {
    PaperSelection p(Options());
    EXPECT_EQ(p.index(kSizeKind), 0);
    EXPECT_EQ(p.index(kTypeKind), 1);  // "Stationary"
    p.chooseMainItem(1);
    EXPECT_EQ(p.index(kSizeKind), -1);
    EXPECT_EQ(p.index(kColorKind), -1);
    EXPECT_EQ(p.index(kTypeKind), -1);
    p.chooseMainItem(5);
    EXPECT_TRUE(p.interposer());
    EXPECT_EQ(p.index(kColorKind), 0);
    EXPECT_FALSE(p.chooseSubItem(kColorKind, 2));
    EXPECT_FALSE(p.interposer());
    EXPECT_TRUE(p.chooseSubItem(kSizeKind, 1));    // the custom size opens its window
    EXPECT_FALSE(p.chooseSubItem(kSizeKind, 3));
    p.chooseSubItem(kTypeKind, 2);                 // transparency forces clear
    EXPECT_EQ(p.index(kColorKind), 1);
    p.chooseSubItem(kColorKind, 2);
    p.chooseSubItem(kTypeKind, 4);
    EXPECT_EQ(p.index(kColorKind), 2);

    PaperOptions noStationary = Options();
    noStationary.types = {"ThinPaper"};
    EXPECT_EQ(PaperSelection(noStationary).defaultIndex(kTypeKind), -1);
    PaperOptions noTypes = Options();
    noTypes.types.clear();
    EXPECT_EQ(PaperSelection(noTypes).defaultIndex(kTypeKind), 0);

    std::string longText(300, '1');
    longText[254] = '\xc3';
    longText[255] = '\xa9';
    p.setCustomPageWidth(longText);
    EXPECT_EQ(p.customPageWidth().size(), 254u);  // the split character stays out whole
}

TEST(PaperSelection, ConflictingItemsAreDisabledNotRemoved) {
    Constraints c;
    c.pairs = {{"MediaType:ThickPaper", "PageSize", "A5"},
               {"PageSize:Letter", "MediaType", "Transparency"},
               {"ZQMediaColor:Yellow", "Duplex", "DuplexNoTumble"},
               {"MediaType:ThinPaper", "ZQNumPunchHoles", "2"}};
    PaperOptions o = Options();
    o.others = {{"ZQNumPunchHoles", "2"}};
    PaperSelection p(o);
    p.chooseSubItem(kSizeKind, 3);  // A5
    const auto types = p.enabledItems(kTypeKind, {}, {}, c.Test());
    EXPECT_EQ(types, (std::vector<bool>{true, false, true, true, true, false}));

    // Long edge chosen in the window's sidedness pop-up.
    const auto colors = p.enabledItems(kColorKind, {}, {"DuplexNoTumble"}, c.Test());
    EXPECT_EQ(colors, (std::vector<bool>{true, true, true, false}));

    // Size at "No Change": each selected record's own paper and sides count.
    p.chooseSubItem(kSizeKind, -1);
    p.chooseSubItem(kTypeKind, -1);
    RecordPaper transparencyRecord{-1, -1, 2, {}};
    RecordPaper longEdgeRecord{-1, -1, -1, {"DuplexNoTumble"}};
    EXPECT_EQ(p.enabledItems(kSizeKind, {transparencyRecord}, {}, c.Test())[3], false);
    EXPECT_EQ(p.enabledItems(kColorKind, {longEdgeRecord}, {"NULL"}, c.Test())[3], false);
    EXPECT_EQ(p.enabledItems(kColorKind, {longEdgeRecord}, {}, c.Test())[3], true);  // no sidedness pop-up

    // The custom size goes by its choice, not its position, and only for
    // paper that is not tab stock.
    p.chooseSubItem(kTypeKind, 3);
    auto sizes = p.enabledItems(kSizeKind, {}, {}, c.Test());
    EXPECT_FALSE(sizes[2]);
    EXPECT_TRUE(sizes[4]);
    p.chooseSubItem(kTypeKind, 1);
    sizes = p.enabledItems(kSizeKind, {}, {}, c.Test());
    EXPECT_TRUE(sizes[2]);
}

TEST(PaperSelection, InterposerItemAndSidednessTables) {
    const std::vector<std::string> finishers = {"PunchFinisher"};
    EXPECT_TRUE(HideInterposerItem(false, nullptr, "PunchFinisher", finishers));
    const std::string on = "True", off = "False";
    EXPECT_FALSE(HideInterposerItem(true, &on, "", finishers));
    EXPECT_TRUE(HideInterposerItem(true, &off, "PunchFinisher", finishers));
    EXPECT_FALSE(HideInterposerItem(true, nullptr, "PunchFinisher", finishers));
    EXPECT_TRUE(HideInterposerItem(true, nullptr, "Stacker", finishers));
    EXPECT_FALSE(InterposerItemEnabled("CoilPunch"));
    EXPECT_TRUE(InterposerItemEnabled("None"));  // comes back when the punch is off

    Constraints c;
    c.pairs = {{"Duplex:DuplexTumble", "PageSize", "A5"}, {"Duplex:DuplexNoTumble", "MediaType", "Transparency"}};
    const std::vector<std::pair<std::string, std::vector<std::string>>> a5 = {{"PageSize", {"A5"}}};
    EXPECT_EQ(SidednessItemsEnabled(TwoSidePrintDuplexChoices(), a5, c.Test()),
              (std::vector<bool>{true, true, true, false}));
    // Either two-sided choice ruled out takes both two-sided cover options.
    EXPECT_EQ(SidednessItemsEnabled(CoverPrintingDuplexChoices(), a5, c.Test()),
              (std::vector<bool>{true, true, false, false}));
    const std::vector<std::pair<std::string, std::vector<std::string>>> film = {{"MediaType", {"Transparency"}}};
    EXPECT_EQ(SidednessItemsEnabled(TwoSidePrintDuplexChoices(), film, c.Test()),
              (std::vector<bool>{true, true, false, true}));
}

// A paper the constraints now forbid moves to the first item offered, as if
// chosen: the type first, then colour and size; nothing offered, nothing moves.
TEST(PaperSelection, AForbiddenChoiceMovesToTheFirstOffered) {
    Constraints c;
    c.pairs = {{"MediaType:Transparency", "ZQNumPunchHoles", "2Holes"},
               {"MediaType:Stationary", "ZQNumPunchHoles", "3Holes"},
               {"ZQMediaColor:Yellow", "MediaType", "ThickPaper"},
               {"MediaType:ThickPaper", "ZQMediaColor", "Yellow"},
               {"PageSize:A5", "ZQStaple", "On"},
               {"MediaType:Transparency", "Duplex", "DuplexNoTumble"}};
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> marked;
        int32_t size, color, type;
        std::vector<std::string> duplex;
        bool noChange;
        int32_t wantSize, wantColor, wantType;
        bool moved;
    };
    const Case cases[] = {
        // The first type is never shown: Stationary is the first offered.
        {"punched transparency", {{"ZQNumPunchHoles", "2Holes"}}, 0, 1, 2, {}, false, 0, 1, 1, true},
        {"No Change offered first", {{"ZQNumPunchHoles", "2Holes"}}, -1, 1, 2, {}, true, -1, 1, -1, true},
        // As if chosen: Transparency takes Clear.
        {"the next allowed type", {{"ZQNumPunchHoles", "3Holes"}}, 0, 0, 1, {}, false, 0, 1, 2, true},
        // Yellow thick paper: the type moves first, which frees the colour.
        {"the type frees the colour", {}, 0, 2, 4, {}, false, 0, 2, 1, true},
        {"a size", {{"ZQStaple", "On"}}, 3, 0, 1, {}, false, 0, 0, 1, true},
        {"the sides count", {}, 0, 0, 2, {"DuplexNoTumble"}, false, 0, 0, 1, true},
        {"allowed stays", {{"ZQNumPunchHoles", "2Holes"}}, 0, 0, 4, {}, false, 0, 0, 4, false},
        // Greyed by the extension's own offer, not by the PPD: it stays.
        {"a custom size on tab stock", {}, 1, 0, 3, {}, false, 1, 0, 3, false},
        {"No Change stays", {{"ZQNumPunchHoles", "2Holes"}}, -1, -1, -1, {}, true, -1, -1, -1, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        PaperOptions o = Options();
        o.others = k.marked;
        PaperSelection p(o);
        p.setIndex(kSizeKind, k.size);
        p.setIndex(kColorKind, k.color);
        p.setIndex(kTypeKind, k.type);
        EXPECT_EQ(p.moveOffForbidden({}, k.duplex, k.noChange, c.Test()), k.moved);
        EXPECT_EQ(p.index(kSizeKind), k.wantSize);
        EXPECT_EQ(p.index(kColorKind), k.wantColor);
        EXPECT_EQ(p.index(kTypeKind), k.wantType);
    }

    // Every type ruled out: the type stays; the interposer has no paper to move.
    Constraints all;
    for (const char* t : {"Stationary", "Transparency", "TabbedPaper1", "ThickPaper"})
        all.pairs.insert({std::string("MediaType:") + t, "ZQStaple", "On"});
    PaperOptions o = Options();
    o.others = {{"ZQStaple", "On"}};
    PaperSelection p(o);
    p.setIndex(kTypeKind, 2);
    EXPECT_FALSE(p.moveOffForbidden({}, {}, false, all.Test()));
    EXPECT_EQ(p.index(kTypeKind), 2);
    p.setInterposer(true);
    EXPECT_FALSE(p.moveOffForbidden({}, {}, false, c.Test()));
}
