#include "zqpde/panel_factory.h"

#include <zqp/bundle.h>
#include <zqp/extension.h>
#include <zqp/host.h>

#include "zqpde/app_resources.h"
#include "zqpde/ppd_util.h"
#include "zqpde/text_util.h"

namespace zqpde {

ppd_file_t* PrintDialogPPD(const std::string& type, zqp::DialogHost* host) {
    if (type != zqp::kPrintDialogPanelType || host == nullptr) return nullptr;
    return host->ppdFile();
}

zqp::Bundle* ExtensionBundle() {
    zqp::Bundle* bundle = GetAppBundleRef();
    return bundle != nullptr ? bundle : pluginBundle;
}

std::optional<PanelResources> PanelResourcesFromPPD(ppd_file_t* ppd, const zqp::Bundle* bundle,
                                                    const char* attribute, const char* nibPrefix,
                                                    const char* helpPrefix) {
    if (ppd == nullptr || bundle == nullptr) return std::nullopt;
    const std::string keyword = FixPPDKeywordAccordingToType(ppd, attribute);
    ppd_attr_t* attr = ppdFindAttr_ALT(ppd, keyword.c_str(), nullptr);
    if (attr == nullptr || attr->value == nullptr) return std::nullopt;
    PanelResources r{GetAppResourceName(attr->value, 0), GetAppResourceName(attr->value, 1)};
    if (!bundle->pathForResource(helpPrefix + r.helpPart, "htm", "Help")) return std::nullopt;
    if (!bundle->pathForResource(nibPrefix + r.nibPart, "nib")) return std::nullopt;
    return r;
}

bool ExtensionPlugIn::initWithBundle(zqp::Bundle* bundle) {
    if (pluginBundle == nullptr) pluginBundle = bundle;
    handed_ = bundle;
    return true;
}

std::vector<std::unique_ptr<zqp::Panel>> ExtensionPlugIn::PDEPanelsForType(const std::string& type,
                                                                           zqp::DialogHost* host) {
    ppd_file_t* ppd = PrintDialogPPD(type, host);
    if (ppd == nullptr) return {};
    return PanelsForPPD(ppd, ExtensionBundle(), host);
}

}  // namespace zqpde
