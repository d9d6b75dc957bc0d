#pragma once
// Which PPD choices the marked choices forbid: a multimap from
// "option:choice" of a constrained choice to the position of every choice
// that constrains it, filled once per panel from the PPD's own constraints or
// from a precomputed constraint file, and asked once per shown choice.
#include "zqpde/ppd_util.h"

#include <cups/ppd.h>

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zqpde {

// Position of one constraining choice: group index, option index within the
// group (options of sub-groups are never indexed), choice index.
struct x_constraints {
    uint16_t group = 0;
    uint16_t option = 0;
    uint16_t choice = 0;
    friend bool operator==(const x_constraints&, const x_constraints&) = default;
};

struct constraintHash {
    size_t operator()(std::string_view key) const {
        size_t h = 0;
        for (unsigned char c : key) h = 5 * h + c;
        return h;
    }
};

using ConstraintHash = std::unordered_multimap<std::string, x_constraints, constraintHash>;

// Enter PPD constraint number constraintIndex into the hash, one builder per
// shape: both choices given; choice 1 only; choice 2 only; neither. Where a
// whole option stands, its "present" choices are used: all but the first and
// those named None, Off or False (any case). Keywords match without regard
// to case. Nothing is entered for an index out of range.
void xConst2Hash_O1C1O2C2(ppd_file_t* ppd, ConstraintHash& hash, int constraintIndex);
void xConst2Hash_O1C1O2(ppd_file_t* ppd, ConstraintHash& hash, int constraintIndex);
void xConst2Hash_O1O2C2(ppd_file_t* ppd, ConstraintHash& hash, int constraintIndex);
void xConst2Hash_O1O2(ppd_file_t* ppd, ConstraintHash& hash, int constraintIndex);

// Enters one constraint with the builder its shape calls for.
void AddConstraintToHash(ppd_file_t* ppd, ConstraintHash& hash, int constraintIndex);
// Enters every constraint of the PPD.
void BuildConstraintHashFromPPD(ppd_file_t* ppd, ConstraintHash& hash);

// True when a choice that the hash lists for option:choice is marked now.
// Positions that do not exist in this PPD are ignored.
bool IsPPDChoiceConflicted(ppd_file_t* ppd, const ConstraintHash& hash, const char* optionKeyword,
                           const char* choiceKeyword);

// Appends one entry per choice of the option, in PPD order, and adds one to
// count per entry; nothing without an array or for a missing or empty option.
// Returns 0.
int GetUIListFromPPD(ppd_file_t* ppd, const ConstraintHash& hash, const char* optionKeyword,
                     std::vector<PPDChoiceEntry>* array, int& count);
// GetUIListFromPPD when the option exists; true.
bool InitializeValueFromPPD(ppd_file_t* ppd, const ConstraintHash& hash, std::vector<PPDChoiceEntry>* array,
                            const char* optionKeyword);

// Attribute and section names are taken to at most this many bytes.
inline constexpr size_t kCDFNameMaxBytes = 19;

// True when the PPD has an attribute whose name begins with attributeName.
bool CDFKeyExist(ppd_file_t* ppd, const char* attributeName);

// What a panel's version label says of the constraint file: true when the
// PPD names none ("ZQXCDFSetting" absent or without value) or the file it
// names can be opened; false for a file that cannot be read, the empty name
// included (the panel then has no constraints from the file it was told to
// read them from).
bool ConstraintFileUsable(ppd_file_t* ppd);

// The section of the constraint file that fits the OS version: sectionBase
// followed by "Panther" on 10.3 (code & 0xFFF0 == 0x1030), else "Tiger".
std::string CDFSectionName(std::string_view sectionBase);

// Fills the hash from the constraint file named by the attribute ("ZQXCDFSetting"),
// reading the section CDFSectionName(sectionBase). 0 when the file was read
// (also when the section is missing), 1 when there is no such attribute or
// the file cannot be opened; the hash is then left as it was.
int GetEPPD(ppd_file_t* ppd, ConstraintHash& hash, const char* attributeName, const char* sectionBase);

// The constraint file reader and its offline writer.
//
// File: any lines, then a line equal to the section name, then one line with
// all records of the section, each "option:choice@group@option@choice@".
// The writer appends the PPD's "*% Last Edit Date:" line as a stamp.
class CQuickEPPD {
public:
    CQuickEPPD(ConstraintHash& hash, ppd_file_t* ppd, std::string sectionName);

    // Writer: the option keywords whose constraints go into each section, the
    // sections to write, and the PPD file whose edit-date line stamps the file.
    void SetKeywords(std::vector<std::string> keywords) { keywords_ = std::move(keywords); }
    void SetSections(std::vector<std::string> sections) { sections_ = std::move(sections); }
    void SetPPDPath(std::string path) { ppdPath_ = std::move(path); }

    // Reads the records of the section into the hash. Records that are
    // incomplete, have an empty key or name a position that does not exist
    // in the PPD are skipped; reading ends with the record line.
    friend std::istream& operator>>(std::istream& in, CQuickEPPD& reader);
    // Writes every section of the list, then the stamp.
    friend std::ostream& operator<<(std::ostream& out, CQuickEPPD& writer);

private:
    bool PositionExists(const x_constraints& at) const;

    ConstraintHash& hash_;
    ppd_file_t* ppd_;
    std::string sectionName_;
    std::string ppdPath_;
    std::vector<std::string> keywords_;
    std::vector<std::string> sections_;
};

}  // namespace zqpde
