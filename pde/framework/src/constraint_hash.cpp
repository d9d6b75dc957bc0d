#include "zqpde/constraint_hash.h"

#include "zqpde/os_version.h"

#include <zqp/utf8.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <istream>
#include <limits>
#include <ostream>
#include <strings.h>

namespace zqpde {
namespace {

struct OptionAt {
    int group;
    int index;
    ppd_option_t* option;
};

// Every option of a top-level group whose keyword equals keyword (any case),
// in group order.
std::vector<OptionAt> FindOptions(ppd_file_t* ppd, const char* keyword) {
    std::vector<OptionAt> found;
    for (int g = 0; g < ppd->num_groups; ++g) {
        ppd_group_t& group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o)
            if (strcasecmp(group.options[o].keyword, keyword) == 0) found.push_back({g, o, &group.options[o]});
    }
    return found;
}

int FindChoice(const ppd_option_t* option, const char* keyword) {
    for (int c = 0; c < option->num_choices; ++c)
        if (strcasecmp(option->choices[c].choice, keyword) == 0) return c;
    return -1;
}

// A choice that stands for the option being in use: not the first one, and
// not one of the keywords that mean "off".
bool IsPresent(const ppd_option_t* option, int c) {
    if (c == 0) return false;
    const char* k = option->choices[c].choice;
    return strcasecmp(k, "None") != 0 && strcasecmp(k, "Off") != 0 && strcasecmp(k, "False") != 0;
}

void Insert(ConstraintHash& hash, std::string key, int group, int option, int choice) {
    constexpr int kMax = std::numeric_limits<uint16_t>::max();
    if (group > kMax || option > kMax || choice > kMax) return;
    hash.emplace(std::move(key), x_constraints{static_cast<uint16_t>(group), static_cast<uint16_t>(option),
                                               static_cast<uint16_t>(choice)});
}

std::string Key(const char* option, const char* choice) { return std::string(option) + ":" + choice; }

const ppd_const_t* Constraint(ppd_file_t* ppd, int index) {
    if (ppd == nullptr || index < 0 || index >= ppd->num_consts) return nullptr;
    return &ppd->consts[index];
}

// The first option O1 that holds choice C1, as a position.
bool FindFirstChoice(ppd_file_t* ppd, const char* option, const char* choice, OptionAt& at, int& c) {
    for (const OptionAt& candidate : FindOptions(ppd, option)) {
        c = FindChoice(candidate.option, choice);
        if (c >= 0) {
            at = candidate;
            return true;
        }
    }
    return false;
}

// Parses a field that must be a decimal index of at most 16 bits.
bool ParseIndex(std::string_view field, uint16_t& value) {
    if (field.empty() || field.size() > 5) return false;
    unsigned long n = 0;
    for (char ch : field) {
        if (ch < '0' || ch > '9') return false;
        n = n * 10 + static_cast<unsigned long>(ch - '0');
    }
    if (n > std::numeric_limits<uint16_t>::max()) return false;
    value = static_cast<uint16_t>(n);
    return true;
}

}  // namespace

void xConst2Hash_O1C1O2C2(ppd_file_t* ppd, ConstraintHash& hash, int constraintIndex) {
    const ppd_const_t* k = Constraint(ppd, constraintIndex);
    OptionAt at{};
    int c1 = -1;
    if (k == nullptr || !FindFirstChoice(ppd, k->option1, k->choice1, at, c1)) return;
    Insert(hash, Key(k->option2, k->choice2), at.group, at.index, c1);
}

void xConst2Hash_O1C1O2(ppd_file_t* ppd, ConstraintHash& hash, int constraintIndex) {
    const ppd_const_t* k = Constraint(ppd, constraintIndex);
    OptionAt at{};
    int c1 = -1;
    if (k == nullptr || !FindFirstChoice(ppd, k->option1, k->choice1, at, c1)) return;
    std::vector<OptionAt> second = FindOptions(ppd, k->option2);
    if (second.empty()) return;
    const ppd_option_t* o2 = second.front().option;
    for (int c = 0; c < o2->num_choices; ++c)
        if (IsPresent(o2, c)) Insert(hash, Key(k->option2, o2->choices[c].choice), at.group, at.index, c1);
}

void xConst2Hash_O1O2C2(ppd_file_t* ppd, ConstraintHash& hash, int constraintIndex) {
    const ppd_const_t* k = Constraint(ppd, constraintIndex);
    if (k == nullptr) return;
    std::vector<OptionAt> first = FindOptions(ppd, k->option1);
    if (first.empty()) return;
    const OptionAt& at = first.front();
    for (int i = 0; i < at.option->num_choices; ++i)
        if (IsPresent(at.option, i)) Insert(hash, Key(k->option2, k->choice2), at.group, at.index, i);
}

void xConst2Hash_O1O2(ppd_file_t* ppd, ConstraintHash& hash, int constraintIndex) {
    const ppd_const_t* k = Constraint(ppd, constraintIndex);
    if (k == nullptr) return;
    std::vector<OptionAt> second = FindOptions(ppd, k->option2);
    for (const OptionAt& at : FindOptions(ppd, k->option1))
        for (int i = 0; i < at.option->num_choices; ++i) {
            if (!IsPresent(at.option, i)) continue;
            for (const OptionAt& o2 : second)
                for (int c = 0; c < o2.option->num_choices; ++c)
                    if (IsPresent(o2.option, c))
                        Insert(hash, Key(k->option2, o2.option->choices[c].choice), at.group, at.index, i);
        }
}

void AddConstraintToHash(ppd_file_t* ppd, ConstraintHash& hash, int constraintIndex) {
    const ppd_const_t* k = Constraint(ppd, constraintIndex);
    if (k == nullptr) return;
    const bool c1 = k->choice1[0] != '\0', c2 = k->choice2[0] != '\0';
    if (c1 && c2) xConst2Hash_O1C1O2C2(ppd, hash, constraintIndex);
    else if (c1) xConst2Hash_O1C1O2(ppd, hash, constraintIndex);
    else if (c2) xConst2Hash_O1O2C2(ppd, hash, constraintIndex);
    else xConst2Hash_O1O2(ppd, hash, constraintIndex);
}

void BuildConstraintHashFromPPD(ppd_file_t* ppd, ConstraintHash& hash) {
    if (ppd == nullptr) return;
    for (int i = 0; i < ppd->num_consts; ++i) AddConstraintToHash(ppd, hash, i);
}

bool IsPPDChoiceConflicted(ppd_file_t* ppd, const ConstraintHash& hash, const char* optionKeyword,
                           const char* choiceKeyword) {
    if (ppd == nullptr || optionKeyword == nullptr || choiceKeyword == nullptr) return false;
    auto [it, end] = hash.equal_range(Key(optionKeyword, choiceKeyword));
    for (; it != end; ++it) {
        const x_constraints& at = it->second;
        if (at.group >= ppd->num_groups) continue;
        const ppd_group_t& group = ppd->groups[at.group];
        if (at.option >= group.num_options) continue;
        const ppd_option_t& option = group.options[at.option];
        if (at.choice < option.num_choices && option.choices[at.choice].marked) return true;
    }
    return false;
}

int GetUIListFromPPD(ppd_file_t* ppd, const ConstraintHash& hash, const char* optionKeyword,
                     std::vector<PPDChoiceEntry>* array, int& count) {
    if (array == nullptr || ppd == nullptr || optionKeyword == nullptr) return 0;
    ppd_option_t* option = ppdFindOption(ppd, optionKeyword);
    if (option == nullptr) return 0;
    for (int c = 0; c < option->num_choices; ++c) {
        const ppd_choice_t& choice = option->choices[c];
        const bool conflicted = IsPPDChoiceConflicted(ppd, hash, optionKeyword, choice.choice);
        array->push_back({optionKeyword, choice.choice, choice.text, conflicted ? "ConflictTrue" : "ConflictFalse"});
        ++count;
    }
    return 0;
}

bool InitializeValueFromPPD(ppd_file_t* ppd, const ConstraintHash& hash, std::vector<PPDChoiceEntry>* array,
                            const char* optionKeyword) {
    if (CheckPPDKeyIsExist(ppd, optionKeyword)) {
        int count = 0;
        GetUIListFromPPD(ppd, hash, optionKeyword, array, count);
    }
    return true;
}

bool CDFKeyExist(ppd_file_t* ppd, const char* attributeName) {
    if (attributeName == nullptr) return false;
    const std::string name(zqp::Utf8Prefix(attributeName, kCDFNameMaxBytes));
    return ppdFindAttr_ALT(ppd, name.c_str(), nullptr) != nullptr;
}

bool ConstraintFileUsable(ppd_file_t* ppd) {
    ppd_attr_t* a = ppdFindAttr_ALT(ppd, "ZQXCDFSetting", nullptr);
    if (a == nullptr || a->value == nullptr) return true;
    FILE* f = std::fopen(a->value, "r");
    if (f == nullptr) return false;
    std::fclose(f);
    return true;
}

std::string CDFSectionName(std::string_view sectionBase) {
    std::string name(zqp::Utf8Prefix(sectionBase, kCDFNameMaxBytes));
    name += (OSVersionCode() & 0xFFF0) == 0x1030 ? "Panther" : "Tiger";
    return name;
}

int GetEPPD(ppd_file_t* ppd, ConstraintHash& hash, const char* attributeName, const char* sectionBase) {
    if (attributeName == nullptr || sectionBase == nullptr) return 1;
    const std::string name(zqp::Utf8Prefix(attributeName, kCDFNameMaxBytes));
    ppd_attr_t* attr = ppdFindAttr_ALT(ppd, name.c_str(), nullptr);
    if (attr == nullptr || attr->value == nullptr) return 1;
    std::ifstream file(attr->value);
    if (!file.is_open()) return 1;
    CQuickEPPD reader(hash, ppd, CDFSectionName(sectionBase));
    file >> reader;
    return 0;
}

CQuickEPPD::CQuickEPPD(ConstraintHash& hash, ppd_file_t* ppd, std::string sectionName)
    : hash_(hash), ppd_(ppd), sectionName_(std::move(sectionName)) {}

bool CQuickEPPD::PositionExists(const x_constraints& at) const {
    if (ppd_ == nullptr || at.group >= ppd_->num_groups) return false;
    const ppd_group_t& group = ppd_->groups[at.group];
    return at.option < group.num_options && at.choice < group.options[at.option].num_choices;
}

std::istream& operator>>(std::istream& in, CQuickEPPD& reader) {
    if (!in.good()) return in;
    std::string line;
    bool found = false;
    while (std::getline(in, line))
        if (line == reader.sectionName_) {
            found = true;
            break;
        }
    if (!found || !std::getline(in, line)) return in;

    std::string_view rest = line;
    while (!rest.empty()) {
        std::string_view fields[4];
        bool complete = true;
        for (std::string_view& field : fields) {
            size_t at = rest.find('@');
            if (at == std::string_view::npos) {
                complete = false;  // trailing text without separators ends the line
                break;
            }
            field = rest.substr(0, at);
            rest.remove_prefix(at + 1);
        }
        if (!complete) break;
        x_constraints pos;
        if (fields[0].empty() || !ParseIndex(fields[1], pos.group) || !ParseIndex(fields[2], pos.option) ||
            !ParseIndex(fields[3], pos.choice) || !reader.PositionExists(pos))
            continue;
        reader.hash_.emplace(std::string(fields[0]), pos);
    }
    return in;
}

std::ostream& operator<<(std::ostream& out, CQuickEPPD& writer) {
    ppd_file_t* ppd = writer.ppd_;
    auto listed = [&writer](const char* keyword) {
        for (const std::string& k : writer.keywords_)
            if (strcasecmp(k.c_str(), keyword) == 0) return true;
        return false;
    };
    for (const std::string& section : writer.sections_) {
        for (int i = 0; ppd != nullptr && i < ppd->num_consts; ++i)
            if (listed(ppd->consts[i].option1) || listed(ppd->consts[i].option2))
                AddConstraintToHash(ppd, writer.hash_, i);
        out << section << '\n';
        for (const auto& [key, at] : writer.hash_)
            out << key << '@' << at.group << '@' << at.option << '@' << at.choice << '@';
        out << '\n';
        writer.hash_.clear();
    }
    // The stamp: the PPD's edit-date comment, whichever line ends it uses.
    std::ifstream ppdFile(writer.ppdPath_);
    std::string line;
    while (ppdFile.is_open() && std::getline(ppdFile, line, '\n')) {
        size_t start = 0;
        while (start <= line.size()) {
            size_t cr = line.find('\r', start);
            std::string piece = line.substr(start, cr == std::string::npos ? std::string::npos : cr - start);
            if (piece.find("*% Last Edit Date:") != std::string::npos) {
                out << piece << '\n';
                return out;
            }
            if (cr == std::string::npos) break;
            start = cr + 1;
        }
    }
    return out;
}

}  // namespace zqpde
