#pragma once
// Tables of the decomposition mode: PJL lines for the PPD feature sections
// the PostScript carries, and the defaults of the colour-device keywords.
#include <string>
#include <vector>

namespace zqf {

struct FeatureRow {
  std::string keyword;  // PPD keyword without its "*"
  std::string choice;
  std::string line;
};
const std::vector<FeatureRow>& FeaturePPDKeyNameandMarkedValuetoPJLCommand();

struct PPDKeyDefault {
  const char* keyword;
  const char* defaultLine;
};
const std::vector<PPDKeyDefault>& PPDKeyArray();

}  // namespace zqf
