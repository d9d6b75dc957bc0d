// The custom-size range label and the quantity field's formatter.
#include <gtest/gtest.h>

#include "sp_fields.h"
#include "sp_test_window.h"

namespace zqsp::test {
namespace {

TEST(Placeholders, TranslatedTextsAreFilledNeverFormatted) {
    struct Case {
        std::string text, out;
    } cases[] = {
        {"(%@ - %@ mm)", "(1 - 2 mm)"},
        {"%d sheet(s)", "1 sheet(s)"},
        {"%s to %s to %s", "1 to 2 to %s"},  // more places than values: left as written
        {"100%% %n %x", "100%% %n %x"},       // nothing a format would read
        {"ends in %", "ends in %"},
    };
    for (const Case& c : cases) EXPECT_EQ(FillPlaceholders(c.text, {"1", "2"}), c.out) << c.text;
}

TEST(CustomSizeRangeLabel, ShowsThePPDsLimitsInTheUnit) {
    PaperWindowRig rig(1);
    struct Case {
        const char* key;
        int32_t unit, size;
        std::string text;
    } cases[] = {
        {"Custom Size Width Range MM", 1, 0, "(100.0 - 330.0 mm)"},     // 283 to 936 points
        {"Custom Size Length Range MM", 1, 1, "(148.0 - 483.0 mm)"},    // 419 to 1368 points, whole millimetres
        {"Custom Size Width Range Inch", 0, 0, "(3.94 - 12.99 in)"},   // a point inside each end
    };
    for (const Case& c : cases) {
        auto field = std::make_unique<zqp::TextField>();
        auto label = std::make_unique<SPStaticTextEditControlARK>();
        label->CreateControl(rig.windowView.contentView()->addSubview(std::move(field)), c.key, c.unit, c.size);
        SPStaticTextEditControlARK* l = rig.window->AddNewControl(std::move(label));
        ASSERT_NE(l, nullptr);
        l->InitializeCtrl(Resources(), rig.ppd());
        EXPECT_EQ(dynamic_cast<zqp::TextField*>(l->GetControlPtr())->stringValue(), c.text) << c.key;
    }
}

TEST(QuantityField, OnlyNumbersInTheRangeReachTheControl) {
    PaperWindowRig rig(1);
    static const zqpde::TextEditIniData ini = {"", "1", 0, 4};
    static const zqpde::TextEditFilterData filter = {{1, {{'0', '9'}}}, {1, {{'0', '9'}}}, nullptr};
    auto field = std::make_unique<zqp::TextField>();
    auto ctrl = std::make_unique<SPTextEditCtrlARK>();
    ctrl->CreateControl(rig.windowView.contentView()->addSubview(std::move(field)), &ini, nullptr, nullptr, nullptr,
                        &filter, {1, 999});
    SPTextEditCtrlARK* c = rig.window->AddNewControl(std::move(ctrl));
    ASSERT_NE(c, nullptr);
    c->InitializeCtrl(Resources(), rig.ppd());
    SPTextEditFormatterARK formatter(&filter, c->range(), 4, c);
    std::string object;
    struct Case {
        std::string typed, held;
    } cases[] = {{"12", "12"}, {"999", "999"}, {"1000", ""}, {"0", ""}, {"", ""}, {"7", "7"}};
    for (const Case& k : cases) {
        EXPECT_TRUE(formatter.getObjectValue(object, k.typed, nullptr));
        EXPECT_EQ(std::string(c->GetValueFromUIDataBlk()), k.held) << k.typed;
    }
}

}  // namespace
}  // namespace zqsp::test
