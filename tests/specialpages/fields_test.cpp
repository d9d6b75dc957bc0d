// Filling translated texts.
#include <gtest/gtest.h>

#include "window_controls.h"

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

}  // namespace
}  // namespace zqsp::test
