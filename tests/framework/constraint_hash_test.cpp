#include "zqpde/constraint_hash.h"

#include "emulated_release.h"
#include "ppd_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <tuple>

namespace zqpde {
namespace {

using zqpde::test::PickOne;
using zqpde::test::PPD;
using zqpde::test::TempDir;

// Groups: 0 General (ColorModel, Duplex), 1 Finishing (ZQStaple, ZQPunch,
// ZQTray), 2 Extra (ZQTray again).
std::string Body(const std::string& attributes = "") {
    return attributes + "*OpenGroup: General/General\n" + PickOne("ColorModel", {"Gray", "RGB", "CMYK"}) +
           PickOne("Duplex", {"None", "DuplexNoTumble", "DuplexTumble"}) +
           "*CloseGroup: General\n*OpenGroup: Finishing/Finishing\n" +
           PickOne("ZQStaple", {"None", "Single", "Dual"}) +
           PickOne("ZQPunch", {"Auto", "TwoHole", "OFF", "ThreeHole"}) + PickOne("ZQTray", {"Auto", "T1"}) +
           "*CloseGroup: Finishing\n*OpenGroup: Extra/Extra\n" + PickOne("ZQTray", {"Auto", "T2"}) +
           "*CloseGroup: Extra\n"
           "*UIConstraints: *ZQStaple *ZQPunch\n"             // 0: neither choice
           "*UIConstraints: *ColorModel Gray *ZQStaple\n"     // 1: choice 1 only
           "*UIConstraints: *Duplex *ColorModel CMYK\n"       // 2: choice 2 only
           "*UIConstraints: *colormodel rgb *Duplex DuplexTumble\n"  // 3: both, other case
           "*UIConstraints: *ZQTray *ZQStaple\n"              // 4: option 1 in two groups
           "*UIConstraints: *ZQTray Auto *ColorModel Gray\n"  // 5: first of the two only
           "*UIConstraints: *Missing *ColorModel\n";          // 6: unknown option
}

using Entry = std::tuple<std::string, int, int, int>;

std::vector<Entry> Entries(const ConstraintHash& hash) {
    std::vector<Entry> out;
    for (const auto& [key, at] : hash) out.emplace_back(key, at.group, at.option, at.choice);
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<Entry> Sorted(std::vector<Entry> v) {
    std::sort(v.begin(), v.end());
    return v;
}

TEST(ConstraintHashBuild, EachShapeEntersItsEntries) {
    PPD ppd(Body());
    ConstraintHash hash;
    xConst2Hash_O1O2(ppd.get(), hash, 0);
    // Present choices only: None and index 0 of the staple, Auto and OFF of the punch are out.
    EXPECT_EQ(Entries(hash), Sorted({{"ZQPunch:TwoHole", 1, 0, 1}, {"ZQPunch:TwoHole", 1, 0, 2},
                                     {"ZQPunch:ThreeHole", 1, 0, 1}, {"ZQPunch:ThreeHole", 1, 0, 2}}));
    hash.clear();
    xConst2Hash_O1C1O2(ppd.get(), hash, 1);
    EXPECT_EQ(Entries(hash), Sorted({{"ZQStaple:Single", 0, 0, 0}, {"ZQStaple:Dual", 0, 0, 0}}));
    hash.clear();
    xConst2Hash_O1O2C2(ppd.get(), hash, 2);
    EXPECT_EQ(Entries(hash), Sorted({{"ColorModel:CMYK", 0, 1, 1}, {"ColorModel:CMYK", 0, 1, 2}}));
    hash.clear();
    xConst2Hash_O1C1O2C2(ppd.get(), hash, 3);
    EXPECT_EQ(Entries(hash), Sorted({{"Duplex:DuplexTumble", 0, 0, 1}}));
    hash.clear();
    xConst2Hash_O1O2(ppd.get(), hash, 4);  // every ZQTray
    EXPECT_EQ(Entries(hash), Sorted({{"ZQStaple:Single", 1, 2, 1}, {"ZQStaple:Single", 2, 0, 1},
                                     {"ZQStaple:Dual", 1, 2, 1}, {"ZQStaple:Dual", 2, 0, 1}}));
    hash.clear();
    xConst2Hash_O1C1O2C2(ppd.get(), hash, 5);  // the first ZQTray
    EXPECT_EQ(Entries(hash), Sorted({{"ColorModel:Gray", 1, 2, 0}}));
    hash.clear();
    for (int i : {6, 7, -1}) AddConstraintToHash(ppd.get(), hash, i);
    xConst2Hash_O1O2(nullptr, hash, 0);
    EXPECT_TRUE(hash.empty());

    BuildConstraintHashFromPPD(ppd.get(), hash);
    EXPECT_EQ(hash.size(), 14u);
}

TEST(ConstraintHashQuery, FollowsTheMarkedChoices) {
    PPD ppd(Body());
    ConstraintHash hash;
    BuildConstraintHashFromPPD(ppd.get(), hash);
    // Defaults marked: ColorModel Gray forbids stapling.
    EXPECT_TRUE(IsPPDChoiceConflicted(ppd.get(), hash, "ZQStaple", "Single"));
    EXPECT_FALSE(IsPPDChoiceConflicted(ppd.get(), hash, "ZQPunch", "TwoHole"));
    EXPECT_FALSE(IsPPDChoiceConflicted(ppd.get(), hash, "zqstaple", "Single"));  // lookups are exact

    ppdMarkOption(ppd.get(), "ZQStaple", "Dual");
    EXPECT_TRUE(IsPPDChoiceConflicted(ppd.get(), hash, "ZQPunch", "ThreeHole"));
    ppdMarkOption(ppd.get(), "ColorModel", "RGB");
    EXPECT_TRUE(IsPPDChoiceConflicted(ppd.get(), hash, "Duplex", "DuplexTumble"));
    EXPECT_FALSE(IsPPDChoiceConflicted(ppd.get(), hash, "ZQStaple", "Single"));

    std::vector<PPDChoiceEntry> list;
    int count = 0;
    ppdMarkOption(ppd.get(), "ColorModel", "Gray");
    GetUIListFromPPD(ppd.get(), hash, "ZQStaple", &list, count);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(list[0], (PPDChoiceEntry{"ZQStaple", "None", "None Text", "ConflictFalse"}));
    EXPECT_EQ(list[2], (PPDChoiceEntry{"ZQStaple", "Dual", "Dual Text", "ConflictTrue"}));
    EXPECT_EQ(FindPPDKeyPairsMatch(list, "ZQStaple", "Dual"), 2);
    EXPECT_EQ(FindPPDKeyPairsMatch(list, "ZQStaple", "Triple"), -1);
    GetUIListFromPPD(ppd.get(), hash, "Missing", &list, count);
    GetUIListFromPPD(ppd.get(), hash, "ZQStaple", nullptr, count);
    EXPECT_EQ(count, 3);
    EXPECT_TRUE(InitializeValueFromPPD(ppd.get(), hash, &list, "Duplex"));
    EXPECT_EQ(list.size(), 6u);

    // Positions from another PPD are ignored rather than read out of bounds.
    hash.emplace("ZQPunch:TwoHole", x_constraints{9, 9, 9});
    hash.emplace("ZQPunch:TwoHole", x_constraints{1, 0, 9});
    ppdMarkOption(ppd.get(), "ZQStaple", "None");
    EXPECT_FALSE(IsPPDChoiceConflicted(ppd.get(), hash, "ZQPunch", "TwoHole"));
}

class ConstraintFileTest : public zqpde::test::EmulatedReleaseTest {
protected:
    std::string WriteFile(const std::string& content) { return files_.Write("cdf.txt", content); }
    static std::string Attr(const std::string& path) { return "*ZQXCDFSetting: \"" + path + "\"\n"; }

    TempDir files_;
};

TEST_F(ConstraintFileTest, SectionFollowsTheOSVersion) {
    std::string path = WriteFile(
        "header\nFeaturePanther\nColorModel:Gray@1@0@1@\nFeatureTiger\n"
        "ColorModel:RGB@1@0@2@ColorModel:CMYK@0@1@1@\nColorModel:Gray@0@0@0@\n");
    PPD ppd(Body(Attr(path)));
    ASSERT_TRUE(CDFKeyExist(ppd.get(), "ZQXCDFSetting"));
    ConstraintHash hash;
    UseRelease("7.5.0");  // 0x1035
    EXPECT_EQ(GetEPPD(ppd.get(), hash, "ZQXCDFSetting", "Feature"), 0);
    EXPECT_EQ(Entries(hash), Sorted({{"ColorModel:Gray", 1, 0, 1}}));
    hash.clear();
    UseRelease("14.0.0");  // 0x10A0
    EXPECT_EQ(GetEPPD(ppd.get(), hash, "ZQXCDFSetting", "Feature"), 0);
    EXPECT_EQ(Entries(hash), Sorted({{"ColorModel:RGB", 1, 0, 2}, {"ColorModel:CMYK", 0, 1, 1}}));

    // The records point at choices; marking one makes its key conflicted.
    EXPECT_FALSE(IsPPDChoiceConflicted(ppd.get(), hash, "ColorModel", "RGB"));
    ppdMarkOption(ppd.get(), "ZQStaple", "Dual");
    EXPECT_TRUE(IsPPDChoiceConflicted(ppd.get(), hash, "ColorModel", "RGB"));

    hash.clear();
    EXPECT_EQ(GetEPPD(ppd.get(), hash, "ZQXCDFSetting", "Unknown"), 0);  // no such section
    EXPECT_TRUE(hash.empty());
}

TEST_F(ConstraintFileTest, MissingFileOrAttributeLeavesTheHash) {
    PPD ppd(Body(Attr(files_.path() + "/absent.txt")));
    ConstraintHash hash{{"kept", {}}};
    EXPECT_EQ(GetEPPD(ppd.get(), hash, "ZQXCDFSetting", "Feature"), 1);
    PPD plain(Body());
    EXPECT_FALSE(CDFKeyExist(plain.get(), "ZQXCDFSetting"));
    EXPECT_EQ(GetEPPD(plain.get(), hash, "ZQXCDFSetting", "Feature"), 1);
    EXPECT_EQ(hash.size(), 1u);
}

// What the version labels say: a file named but not readable (the empty
// name too) is no usable constraint file; naming none is fine.
TEST_F(ConstraintFileTest, UsableOnlyWhenNoneIsNamedOrTheNamedFileOpens) {
    const std::string readable = WriteFile("FeatureTiger\n\n");
    const struct {
        std::string attributes;
        bool usable;
    } cases[] = {{"", true}, {Attr(readable), true}, {Attr(files_.path() + "/absent.txt"), false}, {Attr(""), false}};
    for (const auto& c : cases) {
        PPD ppd(Body(c.attributes));
        EXPECT_EQ(ConstraintFileUsable(ppd.get()), c.usable) << c.attributes;
    }
    EXPECT_TRUE(ConstraintFileUsable(nullptr));
}

TEST_F(ConstraintFileTest, ReaderSkipsBadRecordsAndStopsAtTrailingText) {
    PPD ppd(Body());
    auto read = [&](const std::string& text) {
        ConstraintHash hash;
        CQuickEPPD reader(hash, ppd.get(), "S");
        std::istringstream in(text);
        in >> reader;
        return Entries(hash);
    };
    EXPECT_EQ(read("S\nA:1@0@0@1@B:2@0@1@2@\r\n"), Sorted({{"A:1", 0, 0, 1}, {"B:2", 0, 1, 2}}));
    EXPECT_EQ(read("S\nA:1@0@0@1@B:2@0@1"), Sorted({{"A:1", 0, 0, 1}}));
    // A file made for another PPD: groups, options or choices that do not exist.
    EXPECT_EQ(read("S\nX@3@0@0@X@0@2@0@X@0@0@3@X@1@1@4@X@-1@0@0@X@0@x@0@X@70000@0@0@@0@0@0@A:1@1@1@3@\n"),
              Sorted({{"A:1", 1, 1, 3}}));
    EXPECT_EQ(read("S\r\nA:1@0@0@1@\n"), std::vector<Entry>{});  // the name must match exactly
    EXPECT_EQ(read("A:1@0@0@1@\n"), std::vector<Entry>{});
    EXPECT_EQ(read("S\n"), std::vector<Entry>{});
}

TEST_F(ConstraintFileTest, WriterOutputReadsBackAsTheDirectBuild) {
    PPD ppd(Body());
    ConstraintHash written;
    CQuickEPPD writer(written, ppd.get(), "");
    writer.SetKeywords({"ZQStaple"});
    writer.SetSections({"PrintFeaturePDETiger", "PrintFeaturePDEPanther"});
    writer.SetPPDPath(ppd.path());
    std::ostringstream out;
    out << writer;
    EXPECT_NE(out.str().find("\n*% Last Edit Date: 2026-12-01\n"), std::string::npos);

    // The constraints that name the staple option: 0, 1 and 4.
    ConstraintHash direct;
    for (int i : {0, 1, 4}) AddConstraintToHash(ppd.get(), direct, i);
    for (const char* section : {"PrintFeaturePDETiger", "PrintFeaturePDEPanther"}) {
        ConstraintHash back;
        CQuickEPPD reader(back, ppd.get(), section);
        std::istringstream in(out.str());
        in >> reader;
        EXPECT_EQ(Entries(back), Entries(direct)) << section;
    }
}

}  // namespace
}  // namespace zqpde
