#include "choice_rules.h"

namespace zqf {

std::vector<ChoiceRule> FilterChoiceRules() {
  std::vector<ChoiceRule> rules = CommentChoiceRules();
  for (auto* more : {&PBindChoiceRules, &DecompositionChoiceRules}) {
    auto part = more();
    rules.insert(rules.end(), part.begin(), part.end());
  }
  return rules;
}

}  // namespace zqf
