#include "paper_choice.h"

#include <algorithm>

#include <zqp/utf8.h>

namespace zqsp {

namespace {

int32_t IndexOf(const std::vector<std::string>& list, const std::string& value) {
    auto it = std::find(list.begin(), list.end(), value);
    return it == list.end() ? -1 : static_cast<int32_t>(it - list.begin());
}

bool ValidKind(int kind) { return kind >= kSizeKind && kind <= kTypeKind; }

}  // namespace

PaperSelection::PaperSelection(PaperOptions options) : options_(std::move(options)) {
    default_[0] = IndexOf(options_.sizes, options_.sizeDefault);
    default_[1] = IndexOf(options_.colors, options_.colorDefault);
    // Without the option the first choice; with it but without "Stationary"
    // no choice at all, rather than an index past the list.
    default_[2] = options_.types.empty() ? 0 : IndexOf(options_.types, "Stationary");
    std::copy(default_, default_ + 3, index_);
    for (size_t i = 0; i < options_.types.size(); ++i) {
        if (options_.types[i].rfind("TabbedPaper", 0) == 0) tabStock_.push_back(static_cast<int32_t>(i));
    }
    for (size_t i = 0; i < options_.sizes.size(); ++i) {
        if (options_.sizes[i] == "Custom") customIndex_ = static_cast<int32_t>(i);
    }
    transparencyIndex_ = IndexOf(options_.types, "Transparency");
    clearIndex_ = IndexOf(options_.colors, "Clear");
}

int32_t PaperSelection::index(int kind) const { return ValidKind(kind) ? index_[kind - kSizeKind] : -1; }
int32_t PaperSelection::defaultIndex(int kind) const { return ValidKind(kind) ? default_[kind - kSizeKind] : -1; }

void PaperSelection::setIndex(int kind, int32_t index) {
    if (ValidKind(kind)) index_[kind - kSizeKind] = index;
}

void PaperSelection::chooseMainItem(int item) {
    if (item == 1) {
        interposer_ = false;
        std::fill(index_, index_ + 3, -1);
    } else if (item == 5) {
        interposer_ = true;
        std::copy(default_, default_ + 3, index_);
    }
}

bool PaperSelection::chooseSubItem(int kind, int32_t index) {
    if (!ValidKind(kind)) return false;
    index_[kind - kSizeKind] = index;
    interposer_ = false;
    // Transparencies only come clear.
    if (kind == kTypeKind && index != -1 && index == transparencyIndex_ && clearIndex_ != -1) {
        index_[kColorKind - kSizeKind] = clearIndex_;
    }
    return kind == kSizeKind && isCustomSize(index);
}

bool PaperSelection::isTabStockType(int32_t typeIndex) const {
    return typeIndex >= 0 && std::find(tabStock_.begin(), tabStock_.end(), typeIndex) != tabStock_.end();
}

void PaperSelection::setCustomPageWidth(const std::string& text) { customWidth_ = zqp::Utf8Prefix(text, 255); }
void PaperSelection::setCustomPageLength(const std::string& text) { customLength_ = zqp::Utf8Prefix(text, 255); }

const std::vector<std::string>& PaperSelection::choices(int kind) const {
    return kind == kSizeKind ? options_.sizes : kind == kColorKind ? options_.colors : options_.types;
}

std::string PaperSelection::choiceAt(int kind, int32_t index) const {
    const auto& list = choices(kind);
    if (index < 0 || static_cast<size_t>(index) >= list.size()) return {};
    return list[static_cast<size_t>(index)];
}

bool PaperSelection::isMenuItemConflicted(const std::string& keyChoice, bool noChangeChoice,
                                          const std::vector<RecordPaper>& selected,
                                          const std::vector<std::string>& duplex, const ConstraintTest& test) const {
    if (!test) return false;
    const std::string keys[3] = {options_.sizeKey, options_.colorKey, options_.typeKey};
    for (int k = 0; k < 3; ++k) {
        const int kind = kSizeKind + k;
        const std::string current = choiceAt(kind, index_[k]);
        if (!current.empty()) {
            if (test(keyChoice, keys[k], current)) return true;
        } else if (!noChangeChoice) {
            for (const RecordPaper& r : selected) {
                const int32_t idx = k == 0 ? r.size : k == 1 ? r.color : r.type;
                const std::string own = choiceAt(kind, idx);
                if (!own.empty() && test(keyChoice, keys[k], own)) return true;
            }
        }
    }
    for (const auto& [key, choice] : options_.others) {
        if (choice != "NULL" && test(keyChoice, key, choice)) return true;
    }
    if (duplex.empty()) return false;  // no sidedness pop-up in this window
    if (duplex.front() != "NULL") {
        for (const std::string& d : duplex) {
            if (test(keyChoice, "Duplex", d)) return true;
        }
    } else if (!noChangeChoice) {
        for (const RecordPaper& r : selected) {
            for (const std::string& d : r.duplex) {
                if (d != "NULL" && test(keyChoice, "Duplex", d)) return true;
            }
        }
    }
    return false;
}

const std::string& PaperSelection::KeyOf(int kind) const {
    return kind == kSizeKind ? options_.sizeKey : kind == kColorKind ? options_.colorKey : options_.typeKey;
}

std::vector<bool> PaperSelection::enabledItems(int kind, const std::vector<RecordPaper>& selected,
                                               const std::vector<std::string>& duplex,
                                               const ConstraintTest& test) const {
    if (!ValidKind(kind)) return {};
    const auto& list = choices(kind);
    const std::string& key = KeyOf(kind);
    std::vector<bool> enabled(list.size() + 1, true);
    for (size_t i = 0; i < list.size(); ++i) {
        const auto idx = static_cast<int32_t>(i);
        // The custom size is known by its choice, wherever it stands, and is
        // offered only for paper that is not tab stock.
        enabled[i + 1] = kind == kSizeKind && isCustomSize(idx)
                             ? !isTabStockType(index_[kTypeKind - kSizeKind])
                             : !isMenuItemConflicted(key + ":" + list[i], false, selected, duplex, test);
    }
    return enabled;
}

std::optional<int32_t> PaperSelection::firstOffered(int kind, const std::vector<bool>& enabled,
                                                   bool noChangeOffered) const {
    if (!ValidKind(kind)) return std::nullopt;
    if (noChangeOffered) return -1;
    // The type submenu hides its first choice: the plain default the job has.
    for (size_t i = kind == kTypeKind ? 1 : 0; i < choices(kind).size(); ++i)
        if (i + 1 < enabled.size() && enabled[i + 1]) return static_cast<int32_t>(i);
    return std::nullopt;
}

bool PaperSelection::moveOffForbidden(const std::vector<RecordPaper>& selected, const std::vector<std::string>& duplex,
                                      bool noChangeOffered, const ConstraintTest& test) {
    if (!test || interposer_) return false;
    bool moved = false;
    // Each move frees or rules out choices of the other kinds; a few rounds
    // settle any real PPD, and the bound keeps a contrived one from cycling.
    for (int round = 0; round < 9; ++round) {
        bool step = false;
        for (int kind : {kTypeKind, kColorKind, kSizeKind}) {
            const int32_t current = index(kind);
            const std::string choice = choiceAt(kind, current);
            // Only what the PPD forbids moves; the custom size kept for tab
            // stock is the extension's own offer, not a conflict.
            if (choice.empty() || !isMenuItemConflicted(KeyOf(kind) + ":" + choice, false, selected, duplex, test))
                continue;
            const std::optional<int32_t> offered =
                firstOffered(kind, enabledItems(kind, selected, duplex, test), noChangeOffered);
            if (!offered || *offered == current) continue;
            chooseSubItem(kind, *offered);
            moved = step = true;
            break;
        }
        if (!step) break;
    }
    return moved;
}

std::vector<std::vector<std::string>> PaperSelection::currentSelection(const std::vector<RecordPaper>& selected) const {
    std::vector<std::vector<std::string>> out(3);
    for (int k = 0; k < 3; ++k) {
        const int kind = kSizeKind + k;
        const std::string current = choiceAt(kind, index_[k]);
        if (!current.empty()) {
            out[k].push_back(current);
            continue;
        }
        for (const RecordPaper& r : selected) {
            const std::string own = choiceAt(kind, k == 0 ? r.size : k == 1 ? r.color : r.type);
            if (!own.empty()) out[k].push_back(own);
        }
    }
    return out;
}

bool HideInterposerItem(bool havePPD, const std::string* separatorsCoversTrayDefault,
                        const std::string& outputOptionsMarked, const std::vector<std::string>& finishers) {
    if (!havePPD) return true;
    if (separatorsCoversTrayDefault != nullptr) return *separatorsCoversTrayDefault != "True";
    if (outputOptionsMarked.empty()) return true;
    return std::find(finishers.begin(), finishers.end(), outputOptionsMarked) == finishers.end();
}

bool InterposerItemEnabled(const std::string& numPunchHolesMarked) { return numPunchHolesMarked != "CoilPunch"; }

const std::vector<std::vector<std::string>>& CoverPrintingDuplexChoices() {
    static const std::vector<std::vector<std::string>> table = {
        {"None"}, {"None"}, {"DuplexTumble", "DuplexNoTumble"}, {"DuplexTumble", "DuplexNoTumble"}};
    return table;
}

const std::vector<std::vector<std::string>>& TwoSidePrintDuplexChoices() {
    static const std::vector<std::vector<std::string>> table = {
        {"NULL"}, {"None"}, {"DuplexNoTumble"}, {"DuplexTumble"}};
    return table;
}

std::vector<bool> SidednessItemsEnabled(const std::vector<std::vector<std::string>>& table,
                                        const std::vector<std::pair<std::string, std::vector<std::string>>>& paper,
                                        const ConstraintTest& test) {
    std::vector<bool> enabled(table.size(), true);
    if (!test) return enabled;
    for (size_t i = 1; i < table.size(); ++i) {
        for (const auto& [key, choices] : paper) {
            for (const std::string& choice : choices) {
                for (const std::string& d : table[i]) {
                    if (d != "NULL" && test("Duplex:" + d, key, choice)) enabled[i] = false;
                }
            }
        }
    }
    return enabled;
}

}  // namespace zqsp
