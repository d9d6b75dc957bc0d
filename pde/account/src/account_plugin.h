#pragma once
// The principal class of the Account extension: decides from the printer's
// PPD which of its two panels (job authentication, print type) the print
// dialog gets, and which product each one is.
#include <zqp/extension.h>

#include <cups/ppd.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "edition_traits.h"
#include "zqpde/panel_factory.h"

namespace zqp {
class Bundle;
}

namespace zqacct {

// The product type of the first row whose product key equals key exactly;
// 0 when no row does.
int32_t ProductTypeForKey(std::span<const ProductInfoItem> table, const std::string& key);
// True when a row's product key equals key exactly.
bool HasProduct(std::span<const ProductInfoItem> table, const std::string& key);
// True when the edition has an OPS-PDF mode and the PPD attribute's value is
// exactly its device model.
bool CheckDeviceModelFromPPD(ppd_file_t* ppd, const char* ppdkey = "ZQDeviceModel");

// A panel the PPD asks for: product key and help key of the attribute's value
// ("<product>-<help>"), when the attribute exists and the bundle holds both
// the nib "<nibPrefix><product>" and the page "Help/<helpPrefix><help>.htm".
struct PanelProduct {
    std::string productKey, helpKey;
};
std::optional<PanelProduct> PanelProductFromPPD(ppd_file_t* ppd, const zqp::Bundle* bundle, const char* attribute,
                                                const char* nibPrefix, const char* helpPrefix);

class PrintAccountPDEPlugInr15 : public zqpde::ExtensionPlugIn {
public:
    // False only when the attribute's value is "False".
    static bool CheckLoadCondition(ppd_file_t* ppd, const char* ppdkey);

protected:
    // The job-authentication panel first (when the PPD has one), then the
    // print-type panel.
    std::vector<std::unique_ptr<zqp::Panel>> PanelsForPPD(ppd_file_t* ppd, zqp::Bundle* bundle,
                                                          zqp::DialogHost* host) override;
};

}  // namespace zqacct
