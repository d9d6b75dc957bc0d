#include "account_panel.h"

#include <zqp/bundle.h>
#include <zqp/host.h>

#include <zqp/view.h>

#include "edition_traits.h"
#include "zqpde/app_resources.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/ppd_util.h"
#include "zqpde/standard_controls.h"

namespace zqacct {

namespace {

// "ver." and the short version, shown whatever the release.
class ShortVersionText : public zqpde::VersionStringSText {
public:
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override {
        return zqpde::StaticTextEditControl::InitializeCtrl(bundle, ppd);
    }
    bool InitializeTitle(zqp::Bundle* bundle) override {
        if (bundle == nullptr) return false;
        if (zqp::TextField* l = Label()) l->setStringValue("ver." + bundle->infoValue("CFBundleShortVersionString"));
        return true;
    }
    void ResetStatus() override { zqpde::StaticTextEditControl::ResetStatus(); }
};

}  // namespace

std::unique_ptr<zqpde::BaseControl> MakeVersionLabel(zqp::View* view, bool cdfSupport) {
    std::unique_ptr<zqpde::VersionStringSText> label;
    if (edition::kShortVersionText) label = std::make_unique<ShortVersionText>();
    else label = std::make_unique<zqpde::VersionStringSText>();
    label->CreateControl(view, nullptr, cdfSupport);
    return label;
}

std::string PanelName(zqp::DialogHost* host, const char* titleKey) {
    std::string table = zqpde::TextTableFromPPD(host != nullptr ? host->ppdFile() : nullptr);
    if (table.empty()) table = "Localizable";
    if (zqpde::pluginBundle == nullptr) return {};
    return zqpde::pluginBundle->localizedString(titleKey, zqp::kNoTranslation, table);
}

void UseTextTable(zqpde::BasePrintPanel& panel, const std::string& table) {
    if (zqpde::BasePrintPanel::ControlList* controls = panel.getCtrlGroupArrayRef())
        for (auto& c : *controls) c->SetLocalizeTableName(table);
}

}  // namespace zqacct
