#pragma once
// Where every PPD option of the features panel goes: the pages of ordinary
// options (the "General" and "Extra" groups first, then every other PPD
// group, six slots a page), the four fixed groups, the page titles the group
// pop-up offers, and whether the panel has any usable option at all. The
// plan is worked out from the PPD alone; the panel then makes one control
// per placed option.
#include <cups/ppd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "features_tables.h"

namespace zqfeat {

enum class SlotKind { kPopUp, kCheckBox, kEmpty };

struct PlacedOption {
    ppd_option_t* option = nullptr;
    int32_t group = 0;
    int32_t slot = 0;
    SlotKind kind = SlotKind::kEmpty;
};

struct FixedGroup {
    bool present = false;
    int32_t group = -1;
    // The group's options that the PPD really has, in the table's order.
    std::vector<ppd_option_t*> realOptions;
};

struct LayoutInput {
    // The keywords the panel may show ("PMPPDKeysSupported").
    std::vector<std::string> supported;
    // The keywords the product mode never shows as ordinary options.
    std::vector<std::string> excluded;
    // "ZQXLayoutSettings" names the booklet layout ("Default00-...").
    bool layoutPanelExist = false;
    // Localised page titles.
    std::string generalTitle = "General";
    std::string coversSeparatorTitle = "Covers and Separator";
    std::string layoutTitle = "Layout";
    std::string tonerSaverTitle = "Toner Saver";
    std::string advancedTitle = "Advanced Features";
};

struct LayoutPlan {
    std::vector<std::string> titles;        // one per group number
    std::vector<PlacedOption> ordinary;     // the generated pages
    FixedGroup coversSeparator, layout, tonerSaver;
    bool advanced = false;
    int32_t advancedGroup = -1;
    bool tonerSaverPanelExist = false;
    int32_t realTotal = 0;
    // 0, or kNoUsableOptionStatus when no ordinary option is usable; the
    // fixed groups are planned either way.
    int32_t status() const { return realTotal == 0 ? kNoUsableOptionStatus : 0; }
};

// A group whose title reads "General" or "Extra", or is not text, feeds the
// General page.
bool IsGeneralGroupTitle(const char* text);

LayoutPlan PlanFeaturesPanel(ppd_file_t* ppd, const LayoutInput& input);

// The number of options whose keyword is supported and not excluded.
int32_t RealKeyCount(const std::vector<ppd_option_t*>& options, const std::vector<std::string>& supported,
                     const std::vector<std::string>& excluded);

}  // namespace zqfeat
