#pragma once
// What every extension's panel factory decides before it builds a panel:
// whether the request is the print dialog's with a PPD, which bundle holds
// the panel's resources, and which nib and help page the PPD asks for.
#include <zqp/extension.h>

#include <cups/ppd.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

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

// The plug-in entry of an extension (its principal class). initWithBundle
// keeps the bundle in pluginBundle when none is kept yet (the first
// principal object of the bundle decides) and in HandedBundle; the print
// dialog's request with a PPD goes to PanelsForPPD, any other request gets
// no panel.
class ExtensionPlugIn : public zqp::PlugIn {
public:
    bool initWithBundle(zqp::Bundle* bundle) override;
    std::vector<std::unique_ptr<zqp::Panel>> PDEPanelsForType(const std::string& type,
                                                              zqp::DialogHost* host) final;

protected:
    // The panels the printer's PPD asks for (ppd is never nullptr; bundle is
    // ExtensionBundle()); empty for none.
    virtual std::vector<std::unique_ptr<zqp::Panel>> PanelsForPPD(ppd_file_t* ppd, zqp::Bundle* bundle,
                                                                  zqp::DialogHost* host) = 0;
    // The bundle this principal object was handed; nullptr before.
    zqp::Bundle* HandedBundle() const { return handed_; }

private:
    zqp::Bundle* handed_ = nullptr;
};

}  // namespace zqpde
