#pragma once
// Lookups in the printer's PPD (the libcups record the dialog hands over).
// Every attribute lookup of the framework goes by name prefix, through
// ppdFindAttr_ALT. Option and choice texts come from libcups in UTF-8.
#include <cups/ppd.h>

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zqpde {

// The first attribute, in the PPD's order, whose name begins with name
// (case-sensitive); spec is not looked at. nullptr when none, or without a
// PPD or name.
ppd_attr_t* ppdFindAttr_ALT(ppd_file_t* ppd, const char* name, const char* spec);
// The same, and the attribute's specifier must begin with spec as well.
ppd_attr_t* ppdFindAttr_ALT_SPEC(ppd_file_t* ppd, const char* name, const char* spec);

// True when the attribute found by ppdFindAttr_ALT has a value beginning with value.
bool CheckIfPPDKeywordSupported(ppd_file_t* ppd, const char* name, const char* value);
// True when the PPD has the option.
bool CheckPPDKeyIsExist(ppd_file_t* ppd, const char* optionKeyword);
// Number of choices of the option; 0 when it is missing.
int GetPPDKeyOptionCount(ppd_file_t* ppd, const char* optionKeyword);

// The keyword of choice `index` (at most 40 bytes); nullopt when the option
// is missing or the index out of range.
std::optional<std::string> GetValueFromPPDByIndex(ppd_file_t* ppd, const char* optionKeyword, int index);
// Index of the choice with that keyword; 0 when there is none.
int GetIndexFromPPDByKeyword(ppd_option_t* option, const char* choiceKeyword);
// Index of the marked choice, else of the default choice; -1 when neither
// exists. The option is looked up by keyword when none is given.
int GetIndexOfMarkedOptionWithKey(ppd_option_t* option, ppd_file_t* ppd, const char* optionKeyword);
// Index in strings of the option's default choice keyword; -1 when the option
// is missing or no string matches.
int GetValueFromPPD(ppd_file_t* ppd, const char* optionKeyword, std::span<const char* const> strings);

// The number formed by all digits of the option's default choice keyword;
// -1 when the option is missing.
int GetPWMiniIntValueFromPPD(ppd_file_t* ppd, const char* optionKeyword);
// The first integer in the value of the attribute; -1 when the attribute is
// missing, holds no digit or a number past 32 bits.
int GetMorvanePWMiniIntValueFromPPD(ppd_file_t* ppd, const char* attributeName);
// The digits among the first 3 bytes of the attribute's value; 0 when missing.
int GetMBMaxNumberFromPPD(ppd_file_t* ppd, const char* attributeName);

// The vendor's keyword prefix, and the Manufacturer value that enables the fix-up.
inline constexpr const char* KVendorPPDPrefix = "ZQ";
inline constexpr const char* KVendorPPDValue = "ZQ";
// Longest keyword the fix-up hands back (its callers' buffer holds 100 bytes).
inline constexpr size_t kFixedKeywordMaxBytes = 99;

// The keyword to look up: when it begins with the vendor prefix (ignoring
// case) and the PPD's Manufacturer is the vendor value, the prefix is written
// as KVendorPPDPrefix; otherwise unchanged. At most kFixedKeywordMaxBytes,
// cut at a character boundary; empty without a keyword.
std::string FixPPDKeywordAccordingToType(ppd_file_t* ppd, const char* keyword);

// The string table a printer's texts come from: "Localizable" followed by
// the PPD's "ZQLocalizableFileIndex"; empty without the attribute (or a PPD).
std::string TextTableFromPPD(ppd_file_t* ppd);

// The text encoding of the PPD's raw attribute values, from its LanguageEncoding.
enum class PPDTextEncoding { MacRoman, ISOLatin1, WindowsLatin1, MacJapanese, UTF8 };
PPDTextEncoding GetCFStringEncodingFromPPD(ppd_file_t* ppd);
// The iconv name of an encoding ("MACINTOSH", "ISO-8859-1", "CP1252", "SHIFT_JISX0213", "UTF-8").
const char* IconvCharsetName(PPDTextEncoding encoding);

// The option's default choice keyword; nullopt when the option is missing.
std::optional<std::string> GetUIDefaultFromPPD(ppd_file_t* ppd, const char* optionKeyword);
// Index of the choice whose keyword equals the default; -1 when the option is
// missing or no choice matches.
int GetUIDefaultValueFromPPD(ppd_file_t* ppd, const char* optionKeyword);
// Index of the choice; the number of choices when none matches; 0 when the
// option is missing or empty.
int GetChoiceIndex(ppd_file_t* ppd, const char* optionKeyword, const char* choiceKeyword);
// The option's text as the PPD gives it; nullopt when the option is missing.
std::optional<std::string> GetUITitleFromPPD(ppd_file_t* ppd, const char* optionKeyword);

// One choice as the controls list it: option keyword, choice keyword, choice
// text, and "ConflictTrue" or "ConflictFalse".
using PPDChoiceEntry = std::array<std::string, 4>;
// Index of the first entry whose elements 0 and 1 equal key and value; -1 when none.
int FindPPDKeyPairsMatch(const std::vector<PPDChoiceEntry>& array, const std::string& key,
                         const std::string& value);

// One PPD choice as the PPD-bound controls keep it.
class PDEChoice {
public:
    explicit PDEChoice(ppd_choice_t* choice);
    // The choice keyword (what the host is asked to mark).
    const std::string& ppdTitle() const { return ppdTitle_; }
    // The choice's text for the user.
    const std::string& userTitle() const { return userTitle_; }
    ppd_choice_t* choice() const { return choice_; }

private:
    ppd_choice_t* choice_;
    std::string ppdTitle_;
    std::string userTitle_;
};

// One PDEChoice per choice of the option, in PPD order; empty without an option.
std::vector<PDEChoice> ArrayFromPPDOption(ppd_option_t* option);

}  // namespace zqpde
