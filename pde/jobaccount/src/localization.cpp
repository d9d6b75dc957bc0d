#include "localization.h"

#include <zqp/bundle.h>
#include <zqp/system.h>

#include "string_codecs.h"

namespace pellora {

std::string LocalizedFileName(ppd_file_t* ppd) {
  auto index = CopyPPDAttribute(ppd, "ZQLocalizableFileIndex");
  return index ? std::string(zqp::kDefaultStringTable) + *index : std::string();
}

std::string zqmrvnLocalizedStringForKey(const zqp::Bundle* bundle, const std::string& key,
                                        const std::string& value, const std::string& table) {
  if (bundle == nullptr) return value.empty() ? key : value;
  if (!table.empty()) {
    // Asked without a default, a missing entry answers the key itself.
    std::string text = bundle->localizedString(key, "", table);
    if (text != key) return text;
  }
  return bundle->localizedString(key, value, zqp::kDefaultStringTable);
}

std::string SubstituteNumbers(const std::string& text, const std::vector<long>& numbers) {
  if (text.find("%d") == std::string::npos) return text;
  std::string out;
  size_t next = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size()) {
      if (text[i + 1] == '%') {
        out.push_back('%');
        ++i;
        continue;
      }
      if (text[i + 1] == 'd' && next < numbers.size()) {
        out += std::to_string(numbers[next++]);
        ++i;
        continue;
      }
    }
    out.push_back(text[i]);
  }
  return out;
}

}  // namespace pellora

namespace pellora {

void GotoHelpPage(const zqp::Bundle* bundle, const std::string& page, const std::string& anchor) {
  if (bundle == nullptr) return;
  const std::string book = bundle->infoValue("CFBundleHelpBookName");
  if (!book.empty()) zqp::GotoHelpPage(book, page, anchor);
}

}  // namespace pellora
