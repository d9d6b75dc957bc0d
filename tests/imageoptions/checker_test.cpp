// The product-type checker: only an exact keyword set names a type. First
// the checker alone, then the plug-in type the panel shows on PPDs of ours.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "image_dialog.h"
#include "ppd_checker.h"

namespace zqimg {
namespace {

using test::ImageDialog;
using test::SamplePPD;
using test::Without;

const std::vector<std::string> kType1Missing = {"ZQRGBCorrection", "ZQCMYKCorrectionSTD", "ZQRGBInputProfile",
                                                "ZQColorTemperature", "ZQCMYKCorrectionTarget"};

// Reports every keyword of the 26 but those left out; answers the result.
int32_t Detect(const std::set<std::string>& leftOut, const std::set<std::string>& extra = {}) {
    CPPDChecker& c = CPPDChecker::Instance();
    c.Init();
    for (const char* k : kSupportedPPDOptionKeys) c.AddCheck(k, leftOut.count(k) == 0);
    for (const std::string& k : extra) c.AddCheck(k, true);
    c.RunCheck();
    return c.Result();
}

TEST(ProductTypeChecker, OnlyExactKeywordSetsNameATypeAndTypeThreeIsNeverFound) {
    const std::set<std::string> type1(kType1Missing.begin(), kType1Missing.end());
    struct Case {
        const char* name;
        std::set<std::string> leftOut;
        int32_t type;
    } cases[] = {
        {"19 keywords", type1, 1},
        {"22 keywords", {"ZQCMYKCorrectionSTD", "ZQCMYKCorrectionTarget"}, 2},
        {"23 keywords", {"ZQCMYKCorrectionTarget"}, 4},
        {"all 24", {}, 5},
        {"type 1 and RGB correction", {"ZQCMYKCorrectionSTD", "ZQRGBInputProfile", "ZQColorTemperature",
                                       "ZQCMYKCorrectionTarget"}, -1},
        {"type 1 without a density", [&] { auto s = type1; s.insert("ZQColorDensityCyanMid"); return s; }(), -1},
        {"type 2 without CMYK but with target paper", {"ZQCMYKCorrectionSTD"}, -1},
        {"all 24 without the adjustment box", {"ZQColorBalanceAdjustment"}, -1},
        {"overprint options do not count", {"ZQBlackOverprint", "ZQInvalidateColorProfile"}, 5},
        {"nothing", {std::begin(kSupportedPPDOptionKeys), std::end(kSupportedPPDOptionKeys)}, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(Detect(c.leftOut), c.type) << c.name;
    // A keyword the checker does not look at changes nothing.
    EXPECT_EQ(Detect({}, {"ZQStaple"}), 5);
    for (const ProductTypeRow& row : graphicsPTList()) EXPECT_NE(row.typeNumber, 3);
}

TEST(ProductTypeChecker, EachEditionSupportsItsOwnOptionList) {
    struct Case {
        const char* edition;
        size_t count;
        bool invalidateColorProfile;
    } cases[] = {{"ark", 26, true}, {"teld", 26, true}, {"kv29", 25, false}};
    for (const Case& c : cases) {
        const ImageOptionsEdition* e = FindImageOptionsEdition(c.edition);
        ASSERT_NE(e, nullptr) << c.edition;
        const std::span<const char* const> keys = SupportedPPDOptionKeys(*e);
        EXPECT_EQ(keys.size(), c.count) << c.edition;
        bool invalidate = false, overprint = false;
        for (const char* k : keys) {
            invalidate |= std::string(k) == "ZQInvalidateColorProfile";
            overprint |= std::string(k) == "ZQBlackOverprint";
        }
        EXPECT_EQ(invalidate, c.invalidateColorProfile) << c.edition;
        EXPECT_TRUE(overprint) << c.edition;
    }
}

TEST(ProductTypeChecker, InitForgetsEarlierReports) {
    CPPDChecker& c = CPPDChecker::Instance();
    Detect({});
    c.Init();
    EXPECT_EQ(c.Result(), -1);
    EXPECT_FALSE(c.RunCheck());
}

// The plug-in type list (hidden, tag 111) shows the product type found
// through the controls' reports on the PPD; type 4 hides the target paper.
class ProductTypeDialog : public ImageDialog {};

TEST_F(ProductTypeDialog, PPDsOfOursGiveTheirProductType) {
    std::string type1 = SamplePPD();
    for (const std::string& k : kType1Missing) type1 = Without(type1, k);
    struct Case {
        const char* name;
        std::string ppd;
        int item;  // 0 "Type00-1" (also: no type) ... 4 "Type03"
        bool paperHidden;
    } cases[] = {
        {"all options", SamplePPD(), 4, false},
        {"without target paper", Without(SamplePPD(), "ZQCMYKCorrectionTarget"), 3, true},
        {"without CMYK", Without(Without(SamplePPD(), "ZQCMYKCorrectionTarget"), "ZQCMYKCorrectionSTD"), 1, true},
        {"type 1", type1, 0, true},
        {"type 5 without one density", Without(SamplePPD(), "ZQColorDensityYellowHigh"), 0, false},
        {"type 5 without black overprint", Without(SamplePPD(), "ZQBlackOverprint"), 4, false},
    };
    for (const Case& c : cases) {
        test::DialogRun r = Dialog("dump 111\nclick 105\ndump 506\nclick 541\n", c.ppd);
        EXPECT_EQ(r.result.status, 0) << c.name << r.result.err;
        EXPECT_TRUE(r.Says("dump: PopUpButton tag=111 enabled hidden selected=" + std::to_string(c.item) + " "))
            << c.name << r.result.err;
        const bool paperHidden = r.Says("tag=506 disabled hidden") || r.Says("tag=506 enabled hidden");
        EXPECT_EQ(paperHidden, c.paperHidden) << c.name << r.result.err;
    }
}

}  // namespace
}  // namespace zqimg
