#pragma once
// The two modal windows of the image-options panel: the colour balance
// window (twelve density steppers with their edit fields, the target colour
// and the gradient view) and the image adjustment window (RGB and CMYK
// colour processing lists, and in its overprint variant one check box).
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <zqp/graphics.h>

#include "image_options_controls.h"
#include "image_options_edition.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/constraint_hash.h"

namespace zqp {
class Box;
class CustomView;
}  // namespace zqp

namespace zqimg {

// ---- colour balance -----------------------------------------------------------------------------

// Tags of the colour balance window.
inline constexpr int32_t kAdjustCheckTag = 3101, kTargetListTag = 3102, kTargetTitleTag = 3202, kGradsViewTag = 3000;
// Edit field and stepper of colour c (0 black, 1 cyan, 2 magenta, 3 yellow) at level l (0 low, 1 mid, 2 high).
constexpr int32_t DensityEditTag(int c, int l) { return 3500 + 10 * l + c; }
constexpr int32_t DensityStepperTag(int c, int l) { return 3600 + 10 * l + c; }

// Cell colours of the gradient view per target colour and level, and the background.
struct RGB8 {
    uint8_t r, g, b;
};
extern const RGB8 ColorMap[4][3];
inline constexpr RGB8 COLOR_BACKGROUND = {255, 255, 255};

// The gradient view: three columns of seven cells, each column filled from
// the bottom to its density level (1 to 7) in the target colour's shade.
class ImageGradsViewARK {
public:
    explicit ImageGradsViewARK(zqp::CustomView* view);
    // Stores the colour and each density + 4, and asks for a redraw.
    void drawPanel(int32_t color, int32_t low, int32_t mid, int32_t high);
    void drawRect(zqp::GraphicsContext& ctx);
    int32_t tag() const { return viewTag; }
    void setViewTag(int32_t tag) { viewTag = tag; }

private:
    void drawOutline(zqp::GraphicsContext& ctx, const zqp::Frame& bounds);
    void drawColorView(zqp::GraphicsContext& ctx, const zqp::Frame& cell, const RGB8& color);
    zqp::CustomView* view_;
    int32_t iColor = 0, iDensityLow = 4, iDensityMid = 4, iDensityHigh = 4;
    int32_t viewTag = kGradsViewTag;
};

// The gradient view's control: draws the target colour's three steppers.
class GHIViewControlARK : public zqpde::BaseControl {
public:
    GHIViewControlARK(zqp::View* view, int32_t viewTag);
    int32_t Update() override;
    bool SimulationUIEventHandler() override;

private:
    std::unique_ptr<ImageGradsViewARK> grads_;
};

// The target colour: values 0 black ... 3 yellow on the ticket.
class ColorTargetListCtrlARK : public zqpde::PopupControl {
public:
    bool UIEventHandler() override;
    bool SimulationUIEventHandler() override;
    int32_t DoSelfUpdate() override;
    bool GetValueToPreset() override;
    bool ConvertToTickectData(std::string& out) override;
    // The chosen colour, 0-3 (0 without a selection).
    int32_t TargetColor() const;
    // Hides the controls of the current colour when no colour was applied yet.
    void InitializePaneConstrains();
};

// A density edit field: "-", "0" to "3", "-1" to "-3"; it drives its stepper.
class GTextEditCtrlARK : public zqpde::TextEditCtrl {
public:
    GTextEditCtrlARK(zqp::View* view, int32_t stepperTag);
    bool InitializeCtrlFormat() override;
    bool SetControlValueToUI() override;
    bool CorrectCtrlUI() override;
    int32_t OnRawKeyUp(void* text) override;
    int32_t Update() override;
    void RequestControlAction(zqp::View* sender) override;
    int32_t GetEditMaxLength() const;
    GLittleArrayControlARK* Stepper() const;
    // The texts the field keeps as typed.
    static bool IsNumberValid(const std::string& text);

private:
    int32_t stepperTag_;
};

class ColorBalanceWndARK : public zqpde::PopupWinInPanel {
public:
    ColorBalanceWndARK(zqp::Window* window, const char* titleKey);
    ~ColorBalanceWndARK() override;
    void ColorBalanceWnd();
    int32_t ActivateWindow() override;
    void InitializePaneConstrains();
    ColorTargetListCtrlARK* getgWndTargetColorLboxCtrl() const { return target_; }
    GCheckBoxARK* getgraphicWndAdjustCBCboxCtrl() const { return adjust_; }
    // OK: every control validates, then the values are committed and marked.
    bool OnOK();

private:
    ColorTargetListCtrlARK* target_ = nullptr;
    GCheckBoxARK* adjust_ = nullptr;
};

class GOKButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

// ---- image adjustment ---------------------------------------------------------------------------

// Tags of the image adjustment windows.
inline constexpr int32_t kRGBCorrectionIATag = 501, kCMYKCorrectionIATag = 505, kTargetPaperIATag = 506,
                         kOverprintCheckTag = 510;

class ImageAdjustmentWndARK : public zqpde::PopupWinInPanel {
public:
    // overprint: the edition's overprint variant (nullptr: the plain window).
    ImageAdjustmentWndARK(zqp::Window* window, const char* titleKey, const OverprintWindowData* overprint);
    ~ImageAdjustmentWndARK() override;
    using zqpde::PopupWinInPanel::CreatePanel;
    void CreatePanel(zqp::Window* window, const char* titleKey);
    int32_t InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    int32_t ActivateWindow() override;
    void SyncMarkedPPD();
    void DoGroupBoxHideCheck(ppd_file_t* ppd);
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    bool OnOK();
    PluginTypeListCtrlARK* PluginTypeList() const { return pluginType_; }
    bool IsOverprintVariant() const { return overprint_ != nullptr; }

private:
    const OverprintWindowData* overprint_;
    PluginTypeListCtrlARK* pluginType_ = nullptr;
    zqp::Box* cmykBox_ = nullptr;
    zqp::Box* checkBox_ = nullptr;  // the group box of the overprint variant's check box
    zqpde::ConstraintHash hash_;
};

class GOKButtonIAARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

// The image settings window's Cancel: the same as the colour balance one.
class GImageAdjCancelButtonARK : public GCancelButtonARK {};

}  // namespace zqimg
