#pragma once
// The image-options extension's principal class and its panel: colour mode,
// output mode, brightness, image type, RGB and CMYK correction, screen, and
// the buttons that open the colour balance and image adjustment windows.
// Everything but the basic/advanced radios and the target colour is a PPD
// option marked through the print dialog.
#include <zqp/extension.h>

#include <cups/ppd.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "image_options_controls.h"
#include "image_options_edition.h"
#include "image_options_windows.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/constraint_hash.h"
#include "zqpde/extension_panel.h"
#include "zqpde/panel_factory.h"

namespace zqp {
class Bundle;
class PrintSettings;
class View;
class Window;
}  // namespace zqp

namespace zqimg {

// Tags of the main panel.
inline constexpr int32_t kColorModeTag = 101, kBrightnessTag = 102, kBasicRadioTag = 1041, kAdvancedRadioTag = 1042,
                         kImageSettingsTag = 105, kImageTypeTag = 106, kRGBCorrectionTag = 107,
                         kCMYKCorrectionTag = 108, kScreenTag = 109, kColorBalanceTag = 110;

// Help pages: the default page a help button is created with, and the
// prefix its page takes with the PPD's resource suffix.
struct GraphicsHelpRow {
    const char* prefix;
    const char* defaultPage;
};
inline constexpr GraphicsHelpRow GraphicsHelpString[] = {
    {"Graphics_", "Graphics.htm"}, {"ColorBalance_", "ColorBalance.htm"}, {"ImageAdj_", "ImageAdj.htm"}};

// The product and resource suffix of "ZQXImageOptionsSettings" when the
// bundle holds the nib "ZQImageOptions_<product>" and the page
// "Help/Graphics_<suffix>.htm"; nothing otherwise (also for a value without "-").
struct ImageOptionsProduct {
    std::string product, suffix;
};
std::optional<ImageOptionsProduct> ImageOptionsProductFromPPD(ppd_file_t* ppd, const zqp::Bundle* bundle);
// The PDE type of the first product row named product; 0 when none.
int32_t PDETypeForProduct(const std::string& product);

// Whether the job is saved to a mailbox: the print type read from the ticket
// (from the emulated 10.7 on) or from the preferences under the printer's
// remembered key (before), as a leading decimal integer.
bool IsJobTypeMailbox(zqp::PrintSettings* settings, const std::string& printer);

// The key of a ticket entry of this edition.
std::string TicketKey(const char* name);

class ImageOptionsPDEr15 : public zqpde::ExtensionPanel {
public:
    explicit ImageOptionsPDEr15(zqp::DialogHost* host);
    ~ImageOptionsPDEr15() override;

    // ---- print-dialog protocol ----
    zqp::View* panelView() override;
    std::string panelName() override;
    std::string panelKind() override;
    std::vector<std::string> supportedPPDOptionKeys() override;
    void willShow() override;
    bool shouldShowHelp() override;
    bool shouldPrint() override;
    bool restoreValuesAndReturnError(std::string* error) override;
    bool saveValuesAndReturnError(std::string* error) override;
    zqp::Summary summaryInfo() override;

    // ---- framework ----
    void CreatePanel(zqp::Window* window) override;
    int32_t InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    int32_t Open() override;
    int32_t SetValueFromUIToControl() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;

    bool getPrintTypeMailbox() const { return isPrintTypeSavetoMailbox; }
    bool IsAdvancedSettingAvailable();
    bool IsColorModeAvailable();
    bool IsColorBalanceAdjustmentAvailable();
    bool SetPrintTypeToPanel();
    bool GetPDEStatus() const { return gPDESyncSetUI; }
    bool IsPrinting() const { return gbIsPrint; }

    ColorBalanceWndARK* getColorBalanceWnd() const { return colorBalanceWnd_.get(); }
    ImageAdjustmentWndARK* getImageAdjustmentWnd() const { return plainAdjustment_ ? adjustmentWnd_.get() : nullptr; }
    ImageAdjustmentWndARK* getImageAdjustmentBlackOverWnd() const {
        return plainAdjustment_ ? nullptr : adjustmentWnd_.get();
    }
    ImageAdjustmentWndARK* ActiveAdjustmentWnd() const { return adjustmentWnd_.get(); }
    zqpde::PPDPopupControl* getrgbccPopupList() const { return rgbList_; }
    zqpde::PPDPopupControl* getcmykccPopupList() const { return cmykList_; }
    GRadioButtonARK* getgraphicsadvanceSetRdioCtrl() const { return advanced_; }
    GPPDListCtrlARK* getcolormodePopupList() const { return colorMode_; }
    GPPDSliderBarControlARK* getbrightnessSlider() const { return brightness_; }
    PluginTypeListCtrlARK* getPluginTypeList() const { return pluginType_; }
    int32_t getPDEType() const { return pdeType; }
    void setPDEType(int32_t type);
    const std::string& getPDENibFileNamePrintType() const;
    const std::string& HelpSuffix() const { return helpSuffix_; }
    void setHelpSuffix(std::string suffix) { helpSuffix_ = std::move(suffix); }
    // The bundle of the principal object that made the panel.
    void setBundle(zqp::Bundle* bundle) { bundle_ = bundle; }

protected:
    std::string NibName() override { return getPDENibFileNamePrintType(); }
    void BindOutlets(zqp::Outlets& outlets) override;
    zqp::View* View() const override { return ImageOptionsView; }
    // The constraint hash before the controls are set up.
    void InitializeFirstOpen(zqp::DialogHost* host, ppd_file_t* ppd) override;
    // The print type first (it decides what the controls offer), then the
    // ticket's values.
    void RestoreValues(ppd_file_t* ppd, bool first) override;

private:
    // The open with the controls' own syncing kept off the dialog.
    bool SyncedOpen(std::string* error);
    void CreateControls(ppd_file_t* ppd);

    bool gbIsPrint = false;
    bool gPDESyncSetUI = false;
    bool isPrintTypeSavetoMailbox = false;
    int32_t pdeType = 0;
    std::string helpSuffix_;
    std::string thePanelName_;
    zqp::Bundle* bundle_ = nullptr;

    zqp::View* ImageOptionsView = nullptr;
    zqp::Window* colorBalanceWindowOutlet = nullptr;
    zqp::Window* imageAdjustmentWindowOutlet = nullptr;
    zqp::Window* imageAdjustmentBlackOverWindowOutlet = nullptr;

    std::unique_ptr<zqpde::ConstraintHash> hash_;
    std::unique_ptr<zqpde::RadioGroup> radioGroup_;
    std::unique_ptr<ColorBalanceWndARK> colorBalanceWnd_;
    std::unique_ptr<ImageAdjustmentWndARK> adjustmentWnd_;
    bool plainAdjustment_ = true;

    GPPDListCtrlARK* colorMode_ = nullptr;
    GPPDSliderBarControlARK* brightness_ = nullptr;
    GRadioButtonARK* advanced_ = nullptr;
    RGBCorrectionListCtrlARK* rgbList_ = nullptr;
    GPPDListCtrlARK* cmykList_ = nullptr;
    PluginTypeListCtrlARK* pluginType_ = nullptr;
    GHelpButtonARK* help_ = nullptr;
    zqpde::VersionStringSText* version_ = nullptr;
};

class ImageOptionsPDEPluginr15 : public zqpde::ExtensionPlugIn {
protected:
    std::vector<std::unique_ptr<zqp::Panel>> PanelsForPPD(ppd_file_t* ppd, zqp::Bundle* bundle,
                                                          zqp::DialogHost* host) override;
};

}  // namespace zqimg
