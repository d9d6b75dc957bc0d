// What the setting dialogs let through: the keystroke formatter, the
// password ranges and limits a PPD may set (hostile ones included), and the
// check on OK.
#include <gtest/gtest.h>

#include "input_checker.h"
#include "ppd_fixture.h"

namespace pellora {
namespace {

using zqp::TextEncoding;

TEST(PasswdScope, RefusesValuesThatWouldWrapOrEndTheListEarly) {
  const struct {
    const char* value;
    std::optional<CodeRangeList> ranges;
  } cases[] = {
      {"32,126", CodeRangeList{{32, 126}}},
      {"48, 57 ,65,90", CodeRangeList{{48, 57}, {65, 90}}},
      {"65535,65535", CodeRangeList{{0xFFFF, 0xFFFF}}},
      {"32,126,160", std::nullopt},      // odd number of fields
      {"", std::nullopt},                // nothing at all would refuse every character
      {"0,126", std::nullopt},           // a low of 0 ends the list
      {"32,126,0,0", std::nullopt},
      {"126,32", std::nullopt},          // high below low
      {"32,65536", std::nullopt},        // does not fit a UTF-16 unit
      {"32,4294967328", std::nullopt},   // would wrap to 32
      {"-1,126", std::nullopt},
      {"0x20,0x7E", std::nullopt},
      {"32,,126,200", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseCodeRangeAttribute(c.value), c.ranges) << c.value;
}

TEST(PasswdLimit, GivesTheDefaultsForValuesThatCannotBeLimits) {
  const struct {
    const char* value;
    unsigned min, max;
  } cases[] = {
      {"6,16", 6, 16},
      {"8,10", 8, 10},
      {"1,2,6,16", 6, 16},  // the last two fields
      {"4,0", 4, 12},       // a maximum of 0 sets none
      {"0,8", 0, 8},
      {"16", 4, 12},        // fewer than two fields
      {"", 4, 12},
      {"10,8", 4, 12},      // minimum above maximum
      {"20,0", 4, 12},      // above the default maximum it would keep
      {"x,8", 4, 12},
      {"6,99999999999", 4, 12},
  };
  for (const auto& c : cases) {
    PasswordLimits got = ParsePasswordLimitAttribute(c.value);
    EXPECT_EQ(got.minLength, c.min) << c.value;
    EXPECT_EQ(got.maxLength, c.max) << c.value;
  }
}

TEST(PasswordRules, AHostileScopeKeepsTheBuiltInRange) {
  zqpde::test::PPD hostile("*ZQJAUsePassword: \"True\"\n*ZQJAPasswdScope: \"0,126\"\n*ZQJAPasswdLimit: \"9\"\n");
  PasswordRules rules = PasswordRulesFromPPD(hostile.get());
  EXPECT_TRUE(rules.supportsPassword);
  EXPECT_EQ(rules.ranges, PasswordCodeRanges());
  EXPECT_EQ(rules.limits.minLength, 4u);
  EXPECT_EQ(rules.limits.maxLength, 12u);

  zqpde::test::PPD digits("*ZQJAPasswdScope: \"48,57\"\n*ZQJAPasswdLimit: \"8,10\"\n");
  rules = PasswordRulesFromPPD(digits.get());
  EXPECT_FALSE(rules.supportsPassword);
  EXPECT_EQ(rules.ranges, (CodeRangeList{{48, 57}}));
  EXPECT_EQ(rules.limits.maxLength, 10u);
}

TEST(InputStringChecker, RefusesKeystrokesPastTheLengthOrOutsideTheRanges) {
  InputStringChecker password;
  password.setMaxLength(12);
  password.setAcceptableCodeRange(PasswordCodeRanges());
  InputStringChecker group;
  group.setMaxLength(32);
  group.setAcceptableCodeRange(NameCodeRanges());
  InputStringChecker unlimited;

  const struct {
    InputStringChecker* checker;
    const char* what;
    std::string text;
    bool valid;
  } cases[] = {
      {&password, "twelve", "abcdefghijk~", true},
      {&password, "thirteenth character", "abcdefghijkl!", false},
      {&password, "e acute", "p\xC3\xA9", false},
      {&password, "tab", "a\tb", false},
      {&group, "e acute", "caf\xC3\xA9", true},
      {&group, "y diaeresis, the last", "\xC3\xBF", true},
      {&group, "above U+00FF", "\xC4\x80", false},
      {&group, "no-break space", "\xC2\xA0", true},
      {&group, "DEL", "\x7F", false},
      {&group, "32 of them", std::string(32, 'g'), true},
      {&group, "33 of them", std::string(33, 'g'), false},
      {&unlimited, "anything", "\xE6\x97\xA5\xF0\x9F\x98\x80", true},
      {&unlimited, "but not broken UTF-8", "\xC3", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.checker->isPartialStringValid(c.text, nullptr, nullptr), c.valid) << c.what;

  // A new range replaces the old one entirely.
  password.setAcceptableCodeRange({{'0', '9'}});
  EXPECT_TRUE(password.isPartialStringValid("0123", nullptr, nullptr));
  EXPECT_FALSE(password.isPartialStringValid("a", nullptr, nullptr));
}

TEST(SettingCheck, NamesTheLastFaultAndLetsEmptyValuesPass) {
  const PasswordLimits builtIn;
  const struct {
    const char* what;
    SettingInput input;
    TextEncoding encoding;
    const char* key;  // "" when the input passes
  } cases[] = {
      {"all empty", {"", 0, "", ""}, TextEncoding::kUtf8, ""},
      {"typical", {"Sales", 1, "taro", "abcd"}, TextEncoding::kUtf8, ""},
      {"group of spaces", {"   ", 0, "UnknownUser", "abcd"}, TextEncoding::kUtf8, "Warning35"},
      {"a space among letters", {" a ", 0, "UnknownUser", ""}, TextEncoding::kUtf8, ""},
      {"three characters", {"", 0, "UnknownUser", "abc"}, TextEncoding::kUtf8, "Warning33"},
      {"thirteen characters", {"", 0, "UnknownUser", std::string(13, 'a')}, TextEncoding::kUtf8, "Warning33"},
      {"spaces and a short password", {"  ", 0, "x", "ab"}, TextEncoding::kUtf8, "Warning33"},
      {"specified name empty", {"  ", 1, "", ""}, TextEncoding::kUtf8, "Warning32"},
      {"empty name, login mode", {"", 0, "", ""}, TextEncoding::kUtf8, ""},
      {"password the printer cannot take", {"", 0, "x", "ab\xE2\x82\xAC" "d"}, TextEncoding::kIsoLatin1, "Warning36"},
      {"group the printer cannot take", {"\xE2\x82\xAC", 0, "x", ""}, TextEncoding::kIsoLatin1, "Warning36"},
      {"name the printer cannot take", {"", 1, "\xE6\x97\xA5", ""}, TextEncoding::kWindowsLatin1, "Warning36"},
  };
  for (const auto& c : cases) {
    SettingVerdict v = ValidateSettingInput(c.input, builtIn, c.encoding);
    EXPECT_EQ(v.ok, std::string(c.key).empty()) << c.what;
    EXPECT_EQ(v.messageKey, c.key) << c.what;
  }

  // With a large limit a password can pass the count and still be more than
  // the scrambled form carries.
  const PasswordLimits large{4, 200};
  EXPECT_EQ(ValidateSettingInput({"", 0, "x", std::string(190, 'p')}, large, TextEncoding::kUtf8).messageKey,
            "Warning37");
  EXPECT_TRUE(ValidateSettingInput({"", 0, "x", std::string(189, 'p')}, large, TextEncoding::kUtf8).ok);
  EXPECT_EQ(ValidateSettingInput({"", 0, "x", "abcdefg"}, PasswordLimits{8, 10}, TextEncoding::kUtf8).messageKey,
            "Warning33");
}

}  // namespace
}  // namespace pellora
