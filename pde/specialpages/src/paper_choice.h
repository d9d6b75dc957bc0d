#pragma once
// The paper pop-up's and the sidedness pop-ups' state and conflict rules,
// computed from the PPD's choice lists, its marked choices and a constraint
// test, so the windows only show what this decides.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zqsp {

// YES when the PPD choice "Keyword:Choice" is constrained by option/choice.
using ConstraintTest =
    std::function<bool(const std::string& keyChoice, const std::string& option, const std::string& choice)>;

enum PaperKind : int { kSizeKind = 2, kColorKind = 3, kTypeKind = 4 };

// One record's paper and sides, as the selected records of the summary list
// stand in for a kind left at "No Change".
struct RecordPaper {
    int32_t size = -1, color = -1, type = -1;
    std::vector<std::string> duplex;  // its sides' Duplex choices; empty: none
};

struct PaperOptions {
    std::string sizeKey = "PageSize", colorKey = "ZQMediaColor", typeKey = "MediaType";
    std::vector<std::string> sizes, colors, types;  // choice keywords in PPD order
    std::string sizeDefault, colorDefault;          // the options' default choices
    // Other option keywords of the extension with the choice in force
    // ("NULL" for none), in PPD order.
    std::vector<std::pair<std::string, std::string>> others;
};

class PaperSelection {
public:
    explicit PaperSelection(PaperOptions options);

    int32_t index(int kind) const;
    int32_t defaultIndex(int kind) const;
    bool interposer() const { return interposer_; }
    void setIndex(int kind, int32_t index);
    void setInterposer(bool on) { interposer_ = on; }

    // Main items: 1 No Change, 5 interposer.
    void chooseMainItem(int item);
    // A submenu choice (-1 its "No Change"); true when it is the custom size,
    // for which the custom-size window opens.
    bool chooseSubItem(int kind, int32_t index);

    bool isTabStockType(int32_t typeIndex) const;
    bool isCustomSize(int32_t sizeIndex) const { return sizeIndex >= 0 && sizeIndex == customIndex_; }
    int32_t customSizeIndex() const { return customIndex_; }
    const PaperOptions& options() const { return options_; }
    // The other options' choices in force change with every mark.
    void setOthers(std::vector<std::pair<std::string, std::string>> others) { options_.others = std::move(others); }

    // Custom size texts, at most 255 bytes, cut at a character boundary.
    void setCustomPageWidth(const std::string& text);
    void setCustomPageLength(const std::string& text);
    const std::string& customPageWidth() const { return customWidth_; }
    const std::string& customPageLength() const { return customLength_; }

    // The conflict test of one choice ("Keyword:Choice") against the paper in
    // force, the selected records' paper for kinds at "No Change", and the
    // sidedness pop-up's Duplex choices (`duplex` beginning with "NULL":
    // the selected records' own sides).
    bool isMenuItemConflicted(const std::string& keyChoice, bool noChangeChoice,
                              const std::vector<RecordPaper>& selected, const std::vector<std::string>& duplex,
                              const ConstraintTest& test) const;

    // Enabled state of each submenu's items (item 0, "No Change", always on).
    std::vector<bool> enabledItems(int kind, const std::vector<RecordPaper>& selected,
                                   const std::vector<std::string>& duplex, const ConstraintTest& test) const;

    // The first item of a kind's submenu that is offered, neither hidden nor
    // greyed (`enabled` as enabledItems gives it): "No Change" (-1) while
    // `noChangeOffered`, else the first choice (the type's first choice is
    // never shown). Nothing when every choice is greyed.
    std::optional<int32_t> firstOffered(int kind, const std::vector<bool>& enabled, bool noChangeOffered) const;

    // A paper that the constraints now forbid moves off: each kind whose
    // choice the PPD rules out goes to the first item offered, as if chosen (so
    // Transparency takes Clear). The type first, whose change most often
    // frees the others, then the colour and the size; every move is
    // weighed again from the type. A kind with nothing offered keeps its
    // choice; the interposer has no paper to move. True when anything moved.
    bool moveOffForbidden(const std::vector<RecordPaper>& selected, const std::vector<std::string>& duplex,
                          bool noChangeOffered, const ConstraintTest& test);

    // The choice keywords in force per kind (sizes, colours, types): the
    // current choice, else those of the selected records.
    std::vector<std::vector<std::string>> currentSelection(const std::vector<RecordPaper>& selected) const;

private:
    const std::vector<std::string>& choices(int kind) const;
    std::string choiceAt(int kind, int32_t index) const;
    const std::string& KeyOf(int kind) const;

    PaperOptions options_;
    int32_t index_[3] = {-1, -1, -1};
    int32_t default_[3] = {-1, -1, -1};
    bool interposer_ = false;
    int32_t customIndex_ = -1;
    int32_t transparencyIndex_ = -1, clearIndex_ = -1;
    std::vector<int32_t> tabStock_;
    std::string customWidth_ = "210.0", customLength_ = "297.0";
};

// The interposer item: hidden unless the separators-and-covers tray is on
// (its default "True") or, without that option, a punching finisher is
// chosen; `finishers` are the output options that have one.
bool HideInterposerItem(bool havePPD, const std::string* separatorsCoversTrayDefault,
                        const std::string& outputOptionsMarked, const std::vector<std::string>& finishers);
// Enabled exactly while no hole punch forbids it; a punch that is switched
// off gives it back.
bool InterposerItemEnabled(const std::string& numPunchHolesMarked);

// Duplex choices per sidedness item. Covers: blank, side one, side two,
// both sides; exceptions: no change ("NULL"), one-sided, long edge, short
// edge.
const std::vector<std::vector<std::string>>& CoverPrintingDuplexChoices();
const std::vector<std::vector<std::string>>& TwoSidePrintDuplexChoices();

// Enabled state of each sidedness item against the paper in force (per kind
// keyword and its choices); item 0 is never disabled.
std::vector<bool> SidednessItemsEnabled(const std::vector<std::vector<std::string>>& table,
                                        const std::vector<std::pair<std::string, std::vector<std::string>>>& paper,
                                        const ConstraintTest& test);

}  // namespace zqsp
