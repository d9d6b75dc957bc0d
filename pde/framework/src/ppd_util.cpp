#include "zqpde/ppd_util.h"

#include "zqpde/number_text.h"

#include <zqp/utf8.h>

#include <cstring>
#include <strings.h>

namespace zqpde {
namespace {

bool StartsWith(const char* text, const char* prefix) {
    return text != nullptr && std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

ppd_attr_t* FindAttrByPrefix(ppd_file_t* ppd, const char* name, const char* spec) {
    if (ppd == nullptr || name == nullptr) return nullptr;
    for (int i = 0; i < ppd->num_attrs; ++i) {
        ppd_attr_t* attr = ppd->attrs[i];
        if (!StartsWith(attr->name, name)) continue;
        if (spec != nullptr && !StartsWith(attr->spec, spec)) continue;
        return attr;
    }
    return nullptr;
}

ppd_option_t* FindOption(ppd_file_t* ppd, const char* keyword) {
    return ppd != nullptr && keyword != nullptr ? ppdFindOption(ppd, keyword) : nullptr;
}

int ChoiceIndex(const ppd_option_t* option, const char* choiceKeyword) {
    if (option == nullptr || choiceKeyword == nullptr) return -1;
    for (int i = 0; i < option->num_choices; ++i)
        if (std::strcmp(option->choices[i].choice, choiceKeyword) == 0) return i;
    return -1;
}

}  // namespace

ppd_attr_t* ppdFindAttr_ALT(ppd_file_t* ppd, const char* name, const char* /*spec*/) {
    return FindAttrByPrefix(ppd, name, nullptr);
}

ppd_attr_t* ppdFindAttr_ALT_SPEC(ppd_file_t* ppd, const char* name, const char* spec) {
    return FindAttrByPrefix(ppd, name, spec != nullptr ? spec : "");
}

bool CheckIfPPDKeywordSupported(ppd_file_t* ppd, const char* name, const char* value) {
    ppd_attr_t* attr = ppdFindAttr_ALT(ppd, name, nullptr);
    return attr != nullptr && value != nullptr && StartsWith(attr->value, value);
}

bool CheckPPDKeyIsExist(ppd_file_t* ppd, const char* optionKeyword) {
    return FindOption(ppd, optionKeyword) != nullptr;
}

int GetPPDKeyOptionCount(ppd_file_t* ppd, const char* optionKeyword) {
    ppd_option_t* option = FindOption(ppd, optionKeyword);
    return option != nullptr ? option->num_choices : 0;
}

std::optional<std::string> GetValueFromPPDByIndex(ppd_file_t* ppd, const char* optionKeyword, int index) {
    ppd_option_t* option = FindOption(ppd, optionKeyword);
    if (option == nullptr || index < 0 || index >= option->num_choices) return std::nullopt;
    return std::string(zqp::Utf8Prefix(option->choices[index].choice, 40));
}

int GetIndexFromPPDByKeyword(ppd_option_t* option, const char* choiceKeyword) {
    int index = ChoiceIndex(option, choiceKeyword);
    return index < 0 ? 0 : index;
}

int GetIndexOfMarkedOptionWithKey(ppd_option_t* option, ppd_file_t* ppd, const char* optionKeyword) {
    if (option == nullptr) option = FindOption(ppd, optionKeyword);
    if (option == nullptr) return -1;
    for (int i = 0; i < option->num_choices; ++i)
        if (option->choices[i].marked) return i;
    return ChoiceIndex(option, option->defchoice);
}

int GetValueFromPPD(ppd_file_t* ppd, const char* optionKeyword, std::span<const char* const> strings) {
    ppd_option_t* option = FindOption(ppd, optionKeyword);
    if (option == nullptr) return -1;
    for (size_t i = 0; i < strings.size(); ++i)
        if (strings[i] != nullptr && std::strcmp(strings[i], option->defchoice) == 0) return static_cast<int>(i);
    return -1;
}

int GetPWMiniIntValueFromPPD(ppd_file_t* ppd, const char* optionKeyword) {
    ppd_option_t* option = FindOption(ppd, optionKeyword);
    if (option == nullptr) return -1;
    return getIntFromString(option->defchoice, sizeof option->defchoice);
}

int GetMorvanePWMiniIntValueFromPPD(ppd_file_t* ppd, const char* attributeName) {
    ppd_attr_t* attr = ppdFindAttr_ALT(ppd, attributeName, nullptr);
    if (attr == nullptr || attr->value == nullptr) return -1;
    const std::string_view value(attr->value);
    const size_t first = value.find_first_of("0123456789");
    if (first == std::string_view::npos) return -1;
    const size_t end = value.find_first_not_of("0123456789", first);
    // A number past 32 bits is no number: the caller keeps what it had.
    return DecimalInt32(value.substr(first, end == std::string_view::npos ? end : end - first)).value_or(-1);
}

int GetMBMaxNumberFromPPD(ppd_file_t* ppd, const char* attributeName) {
    ppd_attr_t* attr = ppdFindAttr_ALT(ppd, attributeName, nullptr);
    if (attr == nullptr || attr->value == nullptr) return 0;
    // Digits read the same in every encoding a PPD may use.
    return getIntFromString(zqp::Utf8Prefix(attr->value, 255), 3);
}

std::string TextTableFromPPD(ppd_file_t* ppd) {
    ppd_attr_t* index = ppdFindAttr_ALT(ppd, "ZQLocalizableFileIndex", nullptr);
    return index != nullptr && index->value != nullptr ? std::string("Localizable") + index->value : std::string();
}

std::string FixPPDKeywordAccordingToType(ppd_file_t* ppd, const char* keyword) {
    if (keyword == nullptr) return std::string();
    std::string out(zqp::Utf8Prefix(keyword, kFixedKeywordMaxBytes));
    const size_t n = std::strlen(KVendorPPDPrefix);
    if (out.size() >= n && strncasecmp(out.c_str(), KVendorPPDPrefix, n) == 0) {
        ppd_attr_t* maker = ppdFindAttr_ALT(ppd, "Manufacturer", nullptr);
        if (maker != nullptr && maker->value != nullptr && std::strcmp(maker->value, KVendorPPDValue) == 0)
            out.replace(0, n, KVendorPPDPrefix);
    }
    return out;
}

PPDTextEncoding GetCFStringEncodingFromPPD(ppd_file_t* ppd) {
    // libcups rewrites its own lang_encoding field once it has converted the
    // texts; the attribute keeps what the file says.
    ppd_attr_t* attr = ppdFindAttr_ALT(ppd, "LanguageEncoding", nullptr);
    if (attr == nullptr || attr->value == nullptr) return PPDTextEncoding::MacRoman;
    const std::string_view e = attr->value;
    if (e == "ISOLatin1") return PPDTextEncoding::ISOLatin1;
    if (e == "WindowsANSI") return PPDTextEncoding::WindowsLatin1;
    if (e == "JIS83-RKSJ") return PPDTextEncoding::MacJapanese;
    if (e == "UTF-8" || e == "UTF8") return PPDTextEncoding::UTF8;
    return PPDTextEncoding::MacRoman;
}

const char* IconvCharsetName(PPDTextEncoding encoding) {
    switch (encoding) {
        case PPDTextEncoding::ISOLatin1: return "ISO-8859-1";
        case PPDTextEncoding::WindowsLatin1: return "CP1252";
        case PPDTextEncoding::MacJapanese: return "SHIFT_JISX0213";
        case PPDTextEncoding::UTF8: return "UTF-8";
        case PPDTextEncoding::MacRoman: break;
    }
    return "MACINTOSH";
}

std::optional<std::string> GetUIDefaultFromPPD(ppd_file_t* ppd, const char* optionKeyword) {
    ppd_option_t* option = FindOption(ppd, optionKeyword);
    if (option == nullptr) return std::nullopt;
    return std::string(option->defchoice);
}

int GetUIDefaultValueFromPPD(ppd_file_t* ppd, const char* optionKeyword) {
    ppd_option_t* option = FindOption(ppd, optionKeyword);
    return option != nullptr ? ChoiceIndex(option, option->defchoice) : -1;
}

int GetChoiceIndex(ppd_file_t* ppd, const char* optionKeyword, const char* choiceKeyword) {
    ppd_option_t* option = FindOption(ppd, optionKeyword);
    if (option == nullptr || option->num_choices == 0) return 0;
    int index = ChoiceIndex(option, choiceKeyword);
    return index < 0 ? option->num_choices : index;
}

std::optional<std::string> GetUITitleFromPPD(ppd_file_t* ppd, const char* optionKeyword) {
    ppd_option_t* option = FindOption(ppd, optionKeyword);
    if (option == nullptr) return std::nullopt;
    return std::string(option->text);
}

int FindPPDKeyPairsMatch(const std::vector<PPDChoiceEntry>& array, const std::string& key,
                         const std::string& value) {
    for (size_t i = 0; i < array.size(); ++i)
        if (array[i][0] == key && array[i][1] == value) return static_cast<int>(i);
    return -1;
}

PDEChoice::PDEChoice(ppd_choice_t* choice)
    : choice_(choice),
      ppdTitle_(choice != nullptr ? choice->choice : ""),
      userTitle_(choice != nullptr ? choice->text : "") {}

std::vector<PDEChoice> ArrayFromPPDOption(ppd_option_t* option) {
    std::vector<PDEChoice> out;
    if (option == nullptr) return out;
    out.reserve(static_cast<size_t>(option->num_choices));
    for (int i = 0; i < option->num_choices; ++i) out.emplace_back(&option->choices[i]);
    return out;
}

}  // namespace zqpde
