#include "account_plugin.h"

#include <zqp/bundle.h>
#include <zqp/host.h>

#include <cstring>
#include <string_view>

#include "jba_panel.h"
#include "print_type_panel.h"
#include "zqpde/app_resources.h"
#include "zqpde/panel_factory.h"
#include "zqpde/ppd_util.h"
#include "zqpde/text_util.h"

namespace zqacct {

int32_t ProductTypeForKey(std::span<const ProductInfoItem> table, const std::string& key) {
    for (const ProductInfoItem& row : table)
        if (key == row.ppdValue) return row.productType;
    return 0;
}

std::optional<PanelProduct> PanelProductFromPPD(ppd_file_t* ppd, const zqp::Bundle* bundle, const char* attribute,
                                                const char* nibPrefix, const char* helpPrefix) {
    auto r = zqpde::PanelResourcesFromPPD(ppd, bundle, attribute, nibPrefix, helpPrefix);
    if (!r) return std::nullopt;
    return PanelProduct{r->nibPart, r->helpPart};
}

bool HasProduct(std::span<const ProductInfoItem> table, const std::string& key) {
    for (const ProductInfoItem& row : table)
        if (key == row.ppdValue) return true;
    return false;
}

bool CheckDeviceModelFromPPD(ppd_file_t* ppd, const char* ppdkey) {
    const char* model = edition::kOPSPDFDeviceModel;
    if (model == nullptr) return false;
    ppd_attr_t* attr = zqpde::ppdFindAttr_ALT(ppd, ppdkey, nullptr);
    return attr != nullptr && attr->value != nullptr && std::string_view(attr->value) == model;
}

bool PrintAccountPDEPlugInr15::CheckLoadCondition(ppd_file_t* ppd, const char* ppdkey) {
    ppd_attr_t* attr = zqpde::ppdFindAttr_ALT(ppd, ppdkey, nullptr);
    return attr == nullptr || attr->value == nullptr || std::strcmp(attr->value, "False") != 0;
}

std::vector<std::unique_ptr<zqp::Panel>> PrintAccountPDEPlugInr15::PanelsForPPD(ppd_file_t* ppd, zqp::Bundle* bundle,
                                                                                 zqp::DialogHost* host) {
    std::vector<std::unique_ptr<zqp::Panel>> panels;
    // An edition may let the PPD switch a panel off.
    auto offered = [&](const char* attribute) { return attribute == nullptr || CheckLoadCondition(ppd, attribute); };
    if (auto jba = offered(edition::kJBALoadAttribute)
                       ? PanelProductFromPPD(ppd, bundle, "ZQXAccountingSettings", "ZQPrintJBA_", "JBA_")
                       : std::nullopt) {
        const int32_t productType = ProductTypeForKey(edition::JBAProductInfo, jba->productKey);
        const bool opsPdf = HasProduct(edition::JBAProductInfo, jba->productKey) && CheckDeviceModelFromPPD(ppd);
        if (std::unique_ptr<zqp::Panel> panel = CreateJBAPanel(host, productType, opsPdf))
            panels.push_back(std::move(panel));
    }
    if (auto pt = offered(edition::kPrintTypeLoadAttribute)
                      ? PanelProductFromPPD(ppd, bundle, "ZQXPrintTypeSettings", "ZQPrintType_", "SelectJobType_")
                      : std::nullopt) {
        auto panel = std::make_unique<PrintTypePDEr15>(host);
        panel->setPDEType(ProductTypeForKey(edition::PTProductInfo, pt->productKey));
        panel->setOPSPDFDriver(HasProduct(edition::PTProductInfo, pt->productKey) && CheckDeviceModelFromPPD(ppd));
        panels.push_back(std::move(panel));
    }
    return panels;
}

}  // namespace zqacct

ZQP_DEFINE_PLUGIN(zqacct::PrintAccountPDEPlugInr15)
