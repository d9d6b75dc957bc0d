#include "input_checker.h"

#include <zqp/utf8.h>

#include "string_codecs.h"

namespace pellora {
namespace {

// A field of an attribute value: decimal digits with optional blanks
// around them, at most limit; nothing otherwise.
std::optional<unsigned long> ReadField(const std::string& field, unsigned long limit) {
  size_t b = field.find_first_not_of(" \t");
  size_t e = field.find_last_not_of(" \t");
  if (b == std::string::npos) return std::nullopt;
  unsigned long value = 0;
  for (size_t i = b; i <= e; ++i) {
    if (field[i] < '0' || field[i] > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned long>(field[i] - '0');
    if (value > limit) return std::nullopt;
  }
  return value;
}

std::vector<std::string> SplitFields(const std::string& value) {
  std::vector<std::string> fields;
  size_t pos = 0;
  while (true) {
    size_t comma = value.find(',', pos);
    fields.push_back(value.substr(pos, comma == std::string::npos ? comma : comma - pos));
    if (comma == std::string::npos) break;
    pos = comma + 1;
  }
  return fields;
}

bool OnlySpaces(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

}  // namespace

const CodeRangeList& NameCodeRanges() {
  static const CodeRangeList ranges{{0x20, 0x7E}, {0xA0, 0xFF}};
  return ranges;
}

const CodeRangeList& PasswordCodeRanges() {
  static const CodeRangeList ranges{{0x20, 0x7E}};
  return ranges;
}

std::optional<CodeRangeList> ParseCodeRangeAttribute(const std::string& value) {
  const std::vector<std::string> fields = SplitFields(value);
  if (fields.size() % 2 != 0) return std::nullopt;
  CodeRangeList ranges;
  for (size_t i = 0; i < fields.size(); i += 2) {
    auto low = ReadField(fields[i], 0xFFFF);
    auto high = ReadField(fields[i + 1], 0xFFFF);
    if (!low || !high || *low == 0 || *high < *low) return std::nullopt;
    ranges.emplace_back(static_cast<uint16_t>(*low), static_cast<uint16_t>(*high));
  }
  return ranges;
}

PasswordLimits ParsePasswordLimitAttribute(const std::string& value) {
  const std::vector<std::string> fields = SplitFields(value);
  PasswordLimits limits;
  if (fields.size() < 2) return limits;
  auto min = ReadField(fields[fields.size() - 2], 0xFFFF);
  auto max = ReadField(fields.back(), 0xFFFF);
  if (!min || !max) return limits;
  PasswordLimits read{static_cast<unsigned>(*min), *max != 0 ? static_cast<unsigned>(*max) : limits.maxLength};
  if (read.minLength > read.maxLength) return limits;
  return read;
}

void InputStringChecker::Fill(std::unique_ptr<Table>& table, const CodeRangeList& ranges) {
  if (!table) table = std::make_unique<Table>();
  table->reset();
  for (const auto& [low, high] : ranges)
    for (uint32_t unit = low; unit <= high; ++unit) table->set(unit);
}

void InputStringChecker::setAcceptableCodeRange(const CodeRangeList& ranges) { Fill(acceptable_, ranges); }
void InputStringChecker::setUnAcceptableCodeRange(const CodeRangeList& ranges) { Fill(unAcceptable_, ranges); }

std::optional<std::string> InputStringChecker::stringForObjectValue(const std::string& object) { return object; }

bool InputStringChecker::getObjectValue(std::string& object, const std::string& string, std::string*) {
  object = string;
  return true;
}

bool InputStringChecker::isPartialStringValid(const std::string& partial, std::string*, std::string*) {
  std::u16string units;
  if (!zqp::Utf8ToUtf16(partial, units)) return false;
  if (units.size() > maxLength_) return false;
  if (!acceptable_) return true;
  for (char16_t unit : units)
    if (!acceptable_->test(unit)) return false;
  return true;
}

PasswordRules PasswordRulesFromPPD(ppd_file_t* ppd) {
  PasswordRules rules;
  rules.supportsPassword = ppdFindAttr_ALT(ppd, "ZQJAUsePassword", nullptr) != nullptr;
  if (auto limit = CopyPPDAttribute(ppd, "ZQJAPasswdLimit")) rules.limits = ParsePasswordLimitAttribute(*limit);
  if (auto scope = CopyPPDAttribute(ppd, "ZQJAPasswdScope"))
    if (auto ranges = ParseCodeRangeAttribute(*scope)) rules.ranges = std::move(*ranges);
  return rules;
}

SettingVerdict ValidateSettingInput(const SettingInput& input, const PasswordLimits& limits,
                                    zqp::TextEncoding encoding) {
  SettingVerdict verdict;
  auto fail = [&verdict](const char* key) {
    verdict.ok = false;
    verdict.messageKey = key;
  };
  if (!input.groupID.empty() && OnlySpaces(input.groupID)) fail(kMsgGroupIDSpaces);
  else if (!IsRepresentable(input.groupID, encoding)) fail(kMsgNotInPrinterEncoding);

  if (!input.password.empty()) {
    const size_t length = zqp::Utf16Length(input.password);
    if (length < limits.minLength || length > limits.maxLength) {
      fail(kMsgPasswordLength);
    } else {
      const ScrambledPassword scrambled = CreateEncryptedString(input.password, encoding);
      if (scrambled.status == PasswordStatus::kUnconvertible) fail(kMsgNotInPrinterEncoding);
      else if (scrambled.status == PasswordStatus::kTooLong) fail(kMsgPasswordTooLong);
    }
  }

  if (input.accountMode == 1 && input.inputUserID.empty()) fail(kMsgSpecifiedNameEmpty);
  else if (!IsRepresentable(input.inputUserID, encoding)) fail(kMsgNotInPrinterEncoding);
  return verdict;
}

}  // namespace pellora
