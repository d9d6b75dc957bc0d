#include "features_layout.h"

#include <zqp/utf8.h>

#include <algorithm>
#include <cstring>

#include "zqpde/ppd_util.h"

namespace zqfeat {
namespace {

bool Contains(const std::vector<std::string>& list, const char* key) {
    return std::find(list.begin(), list.end(), key) != list.end();
}

void AppendOnce(std::vector<std::string>& list, const char* key) {
    if (!Contains(list, key)) list.emplace_back(key);
}

std::vector<ppd_option_t*> GroupOptions(ppd_group_t* group) {
    std::vector<ppd_option_t*> options;
    for (int i = 0; i < group->num_options; ++i) options.push_back(&group->options[i]);
    return options;
}

SlotKind KindOf(const ppd_option_t* option) {
    switch (option->ui) {
        case PPD_UI_PICKONE: return SlotKind::kPopUp;
        case PPD_UI_BOOLEAN: return SlotKind::kCheckBox;
        default: return SlotKind::kEmpty;  // a PickMany takes its slot and stays empty
    }
}

// Places one group's usable options on pages of six slots; the last group
// number used.
int32_t AddPages(LayoutPlan& plan, const std::string& title, const std::vector<ppd_option_t*>& options,
                 const LayoutInput& input, const std::vector<std::string>& excluded, int32_t group,
                 int32_t realCount, bool generalGroup) {
    const int32_t perPage = pfCtrlPositionData.kMaxControlInPanel;
    plan.titles.push_back(generalGroup || realCount > perPage ? AddIndexToCFStr(title, 1) : title);
    int32_t placed = 0, page = 0, slot = 0;
    for (ppd_option_t* option : options) {
        if (Contains(excluded, option->keyword) || !Contains(input.supported, option->keyword)) continue;
        if (placed / perPage != page) {
            ++group;
            plan.titles.push_back(AddIndexToCFStr(title, page + 2));
            ++page;
            slot = 0;
        }
        plan.ordinary.push_back({option, group, slot, KindOf(option)});
        ++slot;
        ++placed;
    }
    return group;
}

// The options of a fixed group's table that the PPD has, in table order.
std::vector<ppd_option_t*> RealOptions(ppd_file_t* ppd, KeyTable keys) {
    std::vector<ppd_option_t*> options;
    for (const char* key : keys)
        if (ppd_option_t* o = ppdFindOption(ppd, key)) options.push_back(o);
    return options;
}

}  // namespace

bool IsGeneralGroupTitle(const char* text) {
    if (text == nullptr || !zqp::IsValidUtf8(text)) return true;
    return std::strcmp(text, "General") == 0 || std::strcmp(text, "Extra") == 0;
}

int32_t RealKeyCount(const std::vector<ppd_option_t*>& options, const std::vector<std::string>& supported,
                     const std::vector<std::string>& excluded) {
    int32_t count = 0;
    for (const ppd_option_t* o : options)
        if (!Contains(excluded, o->keyword) && Contains(supported, o->keyword)) ++count;
    return count;
}

LayoutPlan PlanFeaturesPanel(ppd_file_t* ppd, const LayoutInput& input) {
    LayoutPlan plan;
    if (ppd == nullptr) return plan;
    std::vector<std::string> excluded = input.excluded;
    if (zqpde::CheckPPDKeyIsExist(ppd, "ZQIntSheet")) {
        excluded.emplace_back("ZQIntCoverSheet");
        excluded.emplace_back("ZQIntBackCoverSheet");
    }
    if (input.layoutPanelExist)
        for (const char* key : KZQLayoutGroupKeyArray) excluded.emplace_back(key);

    std::vector<ppd_option_t*> general;
    for (int g = 0; g < ppd->num_groups; ++g) {
        ppd_group_t* group = &ppd->groups[g];
        const char* name = group->name[0] == '*' ? group->name + 1 : group->name;
        if (std::strcmp(name, "ZQTonerSaverGroup") == 0 && !plan.tonerSaverPanelExist) {
            plan.tonerSaverPanelExist = true;
            for (const char* key : KZQTonerSaverGroupKeyArray) AppendOnce(excluded, key);
        }
        if (IsGeneralGroupTitle(group->text))
            for (ppd_option_t* o : GroupOptions(group)) general.push_back(o);
    }

    int32_t next = 0;
    if (!general.empty()) {
        plan.realTotal = RealKeyCount(general, input.supported, excluded);
        if (plan.realTotal >= 1)
            next = AddPages(plan, input.generalTitle, general, input, excluded, 0, plan.realTotal, true) + 1;
    }

    auto fixed = [&](FixedGroup& fg, bool wanted, KeyTable keys, const std::string& title) {
        if (!wanted) return;
        fg.realOptions = RealOptions(ppd, keys);
        if (fg.realOptions.empty()) return;
        fg.present = true;
        fg.group = next++;
        plan.titles.push_back(title);
    };
    fixed(plan.coversSeparator, zqpde::CheckPPDKeyIsExist(ppd, "ZQIntSheet"), KZQCoverSepGroupKeyArray,
          input.coversSeparatorTitle);
    fixed(plan.layout, zqpde::CheckPPDKeyIsExist(ppd, "ZQSignature") && input.layoutPanelExist,
          KZQLayoutGroupKeyArray, input.layoutTitle);
    fixed(plan.tonerSaver, zqpde::CheckPPDKeyIsExist(ppd, "ZQTonerReductionRate") && plan.tonerSaverPanelExist,
          KZQTonerSaverGroupKeyArray, input.tonerSaverTitle);

    for (int g = 0; g < ppd->num_groups; ++g) {
        ppd_group_t* group = &ppd->groups[g];
        const std::vector<ppd_option_t*> options = GroupOptions(group);
        const int32_t real = RealKeyCount(options, input.supported, excluded);
        plan.realTotal += real;
        if (IsGeneralGroupTitle(group->text) || real < 1) continue;
        next = AddPages(plan, group->text, options, input, excluded, next, real, false) + 1;
    }

    for (const char* key : kAdvancedFeatureKeys)
        if (zqpde::CheckPPDKeyIsExist(ppd, key)) plan.advanced = true;
    if (plan.advanced) {
        plan.advancedGroup = next;
        plan.titles.push_back(input.advancedTitle);
    }
    return plan;
}

}  // namespace zqfeat
