#pragma once
// Texts from the extension's string tables. A printer may name its own
// table ("Localizable" + "ZQLocalizableFileIndex"); what that table lacks
// comes from the default one.
#include <cups/ppd.h>

#include <string>
#include <vector>

namespace zqp {
class Bundle;
}

namespace pellora {

// "Localizable<index>" when the PPD has "ZQLocalizableFileIndex", else empty
// (the default table).
std::string LocalizedFileName(ppd_file_t* ppd);

// The text of key in table; when a table is named and lacks the key, the
// text of the default table. value (or the key) when neither has it.
std::string zqmrvnLocalizedStringForKey(const zqp::Bundle* bundle, const std::string& key,
                                        const std::string& value, const std::string& table);

// Translated text with its "%d" placeholders replaced by the numbers in
// order; a text holding "%d" reads "%%" as a percent sign, one without is
// returned unchanged. Translations are data, never a format:
// any other "%" sequence and placeholders beyond the numbers given stay as
// they are.
std::string SubstituteNumbers(const std::string& text, const std::vector<long>& numbers);

}  // namespace pellora

namespace pellora {

// Opens a page of the bundle's help book ("CFBundleHelpBookName" of its
// information); nothing without a bundle or a book name.
void GotoHelpPage(const zqp::Bundle* bundle, const std::string& page, const std::string& anchor = {});

}  // namespace pellora
