#include "account_panel.h"

#include <zqp/bundle.h>
#include <zqp/host.h>

#include <cstdio>

#include "zqpde/app_resources.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/ppd_util.h"

namespace zqacct {

std::string TextTableFromPPD(ppd_file_t* ppd) {
    if (ppd_attr_t* a = zqpde::ppdFindAttr_ALT(ppd, "ZQLocalizableFileIndex", nullptr); a && a->value)
        return std::string("Localizable") + a->value;
    return {};
}

std::string PanelName(zqp::DialogHost* host, const char* titleKey) {
    std::string table = TextTableFromPPD(host != nullptr ? host->ppdFile() : nullptr);
    if (table.empty()) table = "Localizable";
    if (zqpde::pluginBundle == nullptr) return {};
    return zqpde::pluginBundle->localizedString(titleKey, zqp::kNoTranslation, table);
}

void UseTextTable(zqpde::BasePrintPanel& panel, const std::string& table) {
    if (zqpde::BasePrintPanel::ControlList* controls = panel.getCtrlGroupArrayRef())
        for (auto& c : *controls) c->SetLocalizeTableName(table);
}

bool ConstraintFileUsable(ppd_file_t* ppd) {
    ppd_attr_t* a = zqpde::ppdFindAttr_ALT(ppd, "ZQXCDFSetting", nullptr);
    if (a == nullptr || a->value == nullptr) return true;
    FILE* f = std::fopen(a->value, "r");
    if (f == nullptr) return false;
    std::fclose(f);
    return true;
}

}  // namespace zqacct
