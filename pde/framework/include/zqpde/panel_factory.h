#pragma once
// What every extension's panel factory decides before it builds a panel:
// whether the request is the print dialog's with a PPD, which bundle holds
// the panel's resources, and which nib and help page the PPD asks for.
#include <cups/ppd.h>

#include <optional>
#include <string>

namespace zqp {
class Bundle;
class DialogHost;
}  // namespace zqp

namespace zqpde {

// The host's PPD when the request is for the print dialog's panels; nullptr
// for another dialog type or a host without a PPD.
ppd_file_t* PrintDialogPPD(const std::string& type, zqp::DialogHost* host);

// This extension's bundle found by its identifier, else the one the
// principal class was handed (pluginBundle).
zqp::Bundle* ExtensionBundle();

// The two parts of a PPD attribute "<nib part>-<help part>" (adjusted for
// the PPD's product mode), when the attribute exists and the bundle holds
// both the nib "<nibPrefix><nib part>" and the page
// "Help/<helpPrefix><help part>.htm".
struct PanelResources {
    std::string nibPart, helpPart;
};
std::optional<PanelResources> PanelResourcesFromPPD(ppd_file_t* ppd, const zqp::Bundle* bundle,
                                                    const char* attribute, const char* nibPrefix,
                                                    const char* helpPrefix);

}  // namespace zqpde
