#pragma once
// The PPD choice names that the filter's rules act on, option by option. A
// choice that no rule knows reaches the device as nothing (or as the wrong
// thing), so a PPD must spell its choices the way these rules do. Each
// module gives the names from the very tables its writers use.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zqf {

struct ChoiceRule {
  std::string option;  // PPD keyword
  std::string reader;  // the rule that reads it, for messages
  std::function<bool(std::string_view)> knows;
};

// Job information, toner saver, booklet, banner sheet, registration and
// line weight (the job header written by code).
std::vector<ChoiceRule> CommentChoiceRules();
// Perfect binding.
std::vector<ChoiceRule> PBindChoiceRules();
// The PostScript feature sections of the decomposition mode: the feature
// table, the frame and halftone lines, colour processing and resolution.
std::vector<ChoiceRule> DecompositionChoiceRules();
// All of the above.
std::vector<ChoiceRule> FilterChoiceRules();

// The choice is one of the names.
template <typename Range>
bool IsOneOf(std::string_view choice, const Range& names) {
  for (const auto& n : names) {
    if (choice == n) return true;
  }
  return false;
}

// A rule that knows exactly the listed names.
template <typename Range>
std::function<bool(std::string_view)> OneOf(const Range& names) {
  std::vector<std::string> list;
  for (const auto& n : names) list.emplace_back(n);
  return [list](std::string_view c) { return IsOneOf(c, list); };
}

}  // namespace zqf
