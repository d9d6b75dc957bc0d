#include "zqpde/ppd_util.h"

#include "ppd_fixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zqpde {
namespace {

using zqpde::test::PickOne;
using zqpde::test::PPD;

const std::string kBody =
    "*ZQXAccountingSettings: \"Default01\"\n"
    "*ZQXAccountingSettingsExtra: \"Extra\"\n"
    "*ZQSpecAttr Alpha/Alpha: \"first\"\n"
    "*ZQSpecAttr Beta/Beta: \"second\"\n"
    "*ZQPasswordMinLength: \"at least 04 characters, 12 at most\"\n"
    "*ZQNoDigits: \"none\"\n"
    "*ZQMBMaxA: \"250 boxes\"\n"
    "*ZQMBMaxB: \"1x99\"\n"
    "*OpenGroup: General/General\n" +
    PickOne("ColorModel", {"Gray", "RGB", "CMYK", "Auto"}, "Colour Mode") +
    PickOne("ZQPWMini", {"PW04", "PW08"}) +
    "*CloseGroup: General\n";

TEST(PPDAttributes, FoundByNamePrefixInFileOrder) {
    PPD ppd(kBody);
    ppd_attr_t* attr = ppdFindAttr_ALT(ppd.get(), "ZQX", nullptr);
    ASSERT_NE(attr, nullptr);
    EXPECT_STREQ(attr->name, "ZQXAccountingSettings");
    attr = ppdFindAttr_ALT(ppd.get(), "ZQXAccountingSettingsE", "ignored");
    ASSERT_NE(attr, nullptr);
    EXPECT_STREQ(attr->value, "Extra");
    EXPECT_EQ(ppdFindAttr_ALT(ppd.get(), "zqx", nullptr), nullptr);  // case counts
    EXPECT_EQ(ppdFindAttr_ALT(nullptr, "ZQX", nullptr), nullptr);
    EXPECT_EQ(ppdFindAttr_ALT(ppd.get(), nullptr, nullptr), nullptr);

    attr = ppdFindAttr_ALT_SPEC(ppd.get(), "ZQSpec", "Be");
    ASSERT_NE(attr, nullptr);
    EXPECT_STREQ(attr->value, "second");
    EXPECT_EQ(ppdFindAttr_ALT_SPEC(ppd.get(), "ZQSpec", "Gamma"), nullptr);

    EXPECT_TRUE(CheckIfPPDKeywordSupported(ppd.get(), "ZQXAccountingSettings", "Default0"));
    EXPECT_FALSE(CheckIfPPDKeywordSupported(ppd.get(), "ZQXAccountingSettings", "Morvane"));
}

TEST(PPDAttributes, NumbersInValuesAndKeywords) {
    PPD ppd(kBody);
    EXPECT_EQ(GetMorvanePWMiniIntValueFromPPD(ppd.get(), "ZQPasswordMin"), 4);
    EXPECT_EQ(GetMorvanePWMiniIntValueFromPPD(ppd.get(), "ZQNoDigits"), -1);
    EXPECT_EQ(GetMorvanePWMiniIntValueFromPPD(ppd.get(), "ZQMissing"), -1);
    EXPECT_EQ(GetMBMaxNumberFromPPD(ppd.get(), "ZQMBMaxA"), 250);
    EXPECT_EQ(GetMBMaxNumberFromPPD(ppd.get(), "ZQMBMaxB"), 19);
    EXPECT_EQ(GetMBMaxNumberFromPPD(ppd.get(), "ZQMissing"), 0);
    EXPECT_EQ(GetPWMiniIntValueFromPPD(ppd.get(), "ZQPWMini"), 4);
    EXPECT_EQ(GetPWMiniIntValueFromPPD(ppd.get(), "ZQMissing"), -1);
}

TEST(PPDOptions, ChoiceLookups) {
    PPD ppd(kBody);
    EXPECT_TRUE(CheckPPDKeyIsExist(ppd.get(), "ColorModel"));
    EXPECT_FALSE(CheckPPDKeyIsExist(ppd.get(), "Duplex"));
    EXPECT_EQ(GetPPDKeyOptionCount(ppd.get(), "ColorModel"), 4);
    EXPECT_EQ(GetPPDKeyOptionCount(ppd.get(), "Duplex"), 0);
    EXPECT_EQ(GetValueFromPPDByIndex(ppd.get(), "ColorModel", 2), "CMYK");
    EXPECT_FALSE(GetValueFromPPDByIndex(ppd.get(), "ColorModel", 4));
    EXPECT_FALSE(GetValueFromPPDByIndex(ppd.get(), "ColorModel", -1));

    ppd_option_t* color = ppdFindOption(ppd.get(), "ColorModel");
    EXPECT_EQ(GetIndexFromPPDByKeyword(color, "CMYK"), 2);
    EXPECT_EQ(GetIndexFromPPDByKeyword(color, "Sepia"), 0);
    EXPECT_EQ(GetChoiceIndex(ppd.get(), "ColorModel", "RGB"), 1);
    EXPECT_EQ(GetChoiceIndex(ppd.get(), "ColorModel", "Sepia"), 4);
    EXPECT_EQ(GetChoiceIndex(ppd.get(), "Duplex", "None"), 0);

    const char* const strings[] = {"RGB", "Gray"};
    EXPECT_EQ(GetValueFromPPD(ppd.get(), "ColorModel", strings), 1);
    EXPECT_EQ(GetValueFromPPD(ppd.get(), "ZQPWMini", strings), -1);
    EXPECT_EQ(GetUIDefaultValueFromPPD(ppd.get(), "ColorModel"), 0);
    EXPECT_EQ(GetUIDefaultValueFromPPD(ppd.get(), "Duplex"), -1);
    EXPECT_EQ(GetUIDefaultFromPPD(ppd.get(), "ColorModel"), "Gray");
    EXPECT_FALSE(GetUIDefaultFromPPD(ppd.get(), "Duplex"));
    EXPECT_EQ(GetUITitleFromPPD(ppd.get(), "ColorModel"), "Colour Mode");
    EXPECT_FALSE(GetUITitleFromPPD(ppd.get(), "Duplex"));

    std::vector<PDEChoice> choices = ArrayFromPPDOption(color);
    ASSERT_EQ(choices.size(), 4u);
    EXPECT_EQ(choices[3].ppdTitle(), "Auto");
    EXPECT_EQ(choices[3].userTitle(), "Auto Text");
    EXPECT_TRUE(ArrayFromPPDOption(nullptr).empty());
}

TEST(PPDOptions, MarkedChoiceElseDefault) {
    PPD ppd(kBody);
    ppd_option_t* color = ppdFindOption(ppd.get(), "ColorModel");
    EXPECT_EQ(GetIndexOfMarkedOptionWithKey(color, ppd.get(), "ColorModel"), 0);
    ppdMarkOption(ppd.get(), "ColorModel", "CMYK");
    EXPECT_EQ(GetIndexOfMarkedOptionWithKey(nullptr, ppd.get(), "ColorModel"), 2);
    for (int i = 0; i < color->num_choices; ++i) color->choices[i].marked = 0;
    EXPECT_EQ(GetIndexOfMarkedOptionWithKey(color, ppd.get(), "ColorModel"), 0);
    std::strcpy(color->defchoice, "Sepia");
    EXPECT_EQ(GetIndexOfMarkedOptionWithKey(color, ppd.get(), "ColorModel"), -1);
    EXPECT_EQ(GetIndexOfMarkedOptionWithKey(nullptr, ppd.get(), "Duplex"), -1);
}

TEST(PPDKeywords, VendorPrefixFixUpIsBounded) {
    PPD ppd(kBody);
    EXPECT_EQ(FixPPDKeywordAccordingToType(ppd.get(), "zqColorMode"), "ZQColorMode");
    EXPECT_EQ(FixPPDKeywordAccordingToType(ppd.get(), "ColorModel"), "ColorModel");
    EXPECT_EQ(FixPPDKeywordAccordingToType(ppd.get(), nullptr), "");
    std::string longKeyword = "zq" + std::string(150, 'k');
    EXPECT_EQ(FixPPDKeywordAccordingToType(ppd.get(), longKeyword.c_str()), "ZQ" + std::string(97, 'k'));

    PPD foreign(kBody, "ISOLatin1", "Other");
    EXPECT_EQ(FixPPDKeywordAccordingToType(foreign.get(), "zqColorMode"), "zqColorMode");
    EXPECT_EQ(FixPPDKeywordAccordingToType(nullptr, "zqColorMode"), "zqColorMode");
}

TEST(PPDKeywords, TextEncodingFromLanguageEncoding) {
    EXPECT_EQ(GetCFStringEncodingFromPPD(PPD("", "ISOLatin1").get()), PPDTextEncoding::ISOLatin1);
    EXPECT_EQ(GetCFStringEncodingFromPPD(PPD("", "WindowsANSI").get()), PPDTextEncoding::WindowsLatin1);
    EXPECT_EQ(GetCFStringEncodingFromPPD(PPD("", "UTF8").get()), PPDTextEncoding::UTF8);
    EXPECT_EQ(GetCFStringEncodingFromPPD(PPD("", "MacStandard").get()), PPDTextEncoding::MacRoman);
    EXPECT_EQ(GetCFStringEncodingFromPPD(nullptr), PPDTextEncoding::MacRoman);
    EXPECT_STREQ(IconvCharsetName(PPDTextEncoding::WindowsLatin1), "CP1252");
}

}  // namespace
}  // namespace zqpde
