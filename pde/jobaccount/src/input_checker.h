#pragma once
// What the setting dialogs accept: the formatter that refuses keystrokes
// outside a length and a set of UTF-16 units, the ranges and limits a PPD
// may set for passwords, and the check made when the user presses OK.
#include <cups/ppd.h>

#include <bitset>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <zqp/text.h>
#include <zqp/view.h>

namespace pellora {

// Inclusive (low, high) pairs of UTF-16 units.
using CodeRangeList = std::vector<std::pair<uint16_t, uint16_t>>;

// Group and user names: 0x20-0x7E and 0xA0-0xFF.
const CodeRangeList& NameCodeRanges();
// Passwords: 0x20-0x7E.
const CodeRangeList& PasswordCodeRanges();

inline constexpr unsigned kNameMaxLength = 32;
inline constexpr unsigned kDefaultMinPasswordLength = 4;
inline constexpr unsigned kDefaultMaxPasswordLength = 12;

// The ranges of a "ZQJAPasswdScope" value: comma-separated (low, high)
// pairs. Nothing (so the built-in ranges stay) for an odd or zero number of
// fields, a field that is not a number within 1..0xFFFF, or a high below
// its low: such a value would refuse every character or wrap around.
std::optional<CodeRangeList> ParseCodeRangeAttribute(const std::string& value);

struct PasswordLimits {
  unsigned minLength = kDefaultMinPasswordLength;
  unsigned maxLength = kDefaultMaxPasswordLength;
};
// The limits of a "ZQJAPasswdLimit" value: its last two comma-separated
// fields are the minimum and the maximum. Fewer than two fields, a field
// that is not a number, or a minimum above the maximum give the defaults;
// a maximum of 0 keeps the default maximum.
PasswordLimits ParsePasswordLimitAttribute(const std::string& value);

// The formatter of the setting dialogs' text fields.
class InputStringChecker : public zqp::Formatter {
 public:
  void setMaxLength(unsigned length) { maxLength_ = length; }
  unsigned maxLength() const { return maxLength_; }
  void setAcceptableCodeRange(const CodeRangeList& ranges);
  void setUnAcceptableCodeRange(const CodeRangeList& ranges);

  std::optional<std::string> stringForObjectValue(const std::string& object) override;
  bool getObjectValue(std::string& object, const std::string& string, std::string* errorDescription) override;
  bool isPartialStringValid(const std::string& partial, std::string* newEditingString,
                            std::string* errorDescription) override;

 private:
  using Table = std::bitset<65536>;
  static void Fill(std::unique_ptr<Table>& table, const CodeRangeList& ranges);
  unsigned maxLength_ = std::numeric_limits<unsigned>::max();
  std::unique_ptr<Table> acceptable_;
  std::unique_ptr<Table> unAcceptable_;  // kept, consulted by nothing
};

// The password rules a printer's PPD sets.
struct PasswordRules {
  PasswordLimits limits;
  CodeRangeList ranges = PasswordCodeRanges();
  bool supportsPassword = false;  // "ZQJAUsePassword"
};
PasswordRules PasswordRulesFromPPD(ppd_file_t* ppd);

// The values a setting dialog checks on OK.
struct SettingInput {
  std::string groupID;
  int accountMode = 0;
  std::string inputUserID;
  std::string password;
};

// The outcome of the check: the key of the message to show (empty when the
// input passes). Of several faults the last found is named, in the order
// group ID, password, specified name.
struct SettingVerdict {
  bool ok = true;
  std::string messageKey;
};
SettingVerdict ValidateSettingInput(const SettingInput& input, const PasswordLimits& limits,
                                    zqp::TextEncoding encoding);

// Message keys.
inline constexpr const char* kMsgSpecifiedNameEmpty = "Warning32";
inline constexpr const char* kMsgPasswordLength = "Warning33";
inline constexpr const char* kMsgGroupIDSpaces = "Warning35";
// The printer's encoding cannot hold the text (any of the three fields).
inline constexpr const char* kMsgNotInPrinterEncoding = "Warning36";
// The password takes more bytes in the printer's encoding than it accepts.
inline constexpr const char* kMsgPasswordTooLong = "Warning37";

}  // namespace pellora
