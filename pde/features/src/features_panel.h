#pragma once
// The features extension's principal class and its panel. The panel takes
// over the product mode's PPD options: pages of generated pop-ups and check
// boxes chosen by a group pop-up, and the fixed groups (covers and
// separator, layout, toner saver, advanced features) with their setup
// buttons. It marks PPD choices through the dialog and writes the features
// keys; it reads the print type, the special pages and the watermark that
// the other panels wrote each time it is shown, restored or saved.
#include <zqp/extension.h>

#include <cups/ppd.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "features_controls.h"
#include "features_layout.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/constraint_hash.h"
#include "zqpde/extension_panel.h"
#include "zqpde/panel_factory.h"

namespace zqp {
class Box;
class Bundle;
class Button;
class PopUpButton;
class TextField;
class View;
}  // namespace zqp

namespace zqfeat {

// Whether the bundle offers the panel for this PPD: the product mode is set
// and not "Disabled", and the help pages it needs are in the bundle.
bool FeaturesPanelOffered(ppd_file_t* ppd, const zqp::Bundle* bundle);

// The bundle's Info lists: the supported keywords and the product mode's
// exclusion list; nullopt for a mode without an entry of the right shape.
struct ModeInfo {
    std::vector<std::string> supported;
    std::vector<std::string> excluded;
};
std::optional<ModeInfo> ModeInfoFromBundle(const zqp::Bundle* bundle, const std::string& mode);

class PrintFeaturesPDEr15 : public zqpde::ExtensionPanel, public FeaturesPanelState {
public:
    explicit PrintFeaturesPDEr15(zqp::DialogHost* host);
    ~PrintFeaturesPDEr15() override;

    std::string panelName() override;
    std::string panelKind() override { return kFeaturesPanelKind; }
    std::vector<std::string> supportedPPDOptionKeys() override;
    void willShow() override;
    bool shouldPrint() override;
    bool restoreValuesAndReturnError(std::string* error) override;
    bool saveValuesAndReturnError(std::string* error) override;
    zqp::Summary summaryInfo() override;
    // Other panels' marks are seen at the next show or restore.
    void PPDOptionKeyValueDidChange(const std::string&, const std::string&) override {}

    int32_t Open() override;
    int32_t SetValueFromUIToControl() override;
    void CreatePanel(zqp::Window* window) override;
    int32_t InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    int32_t RunTimeAddNewControl(std::unique_ptr<zqpde::BaseControl> control) override;

    // FeaturesPanelState
    CrossPanelState CrossState() const override { return cross_; }
    zqp::View* GetFeaturesGroupBox() override;
    // The offset-stacking setup opens the window of the pop-up's mode (per
    // page on item 4, per copy on item 5); nullptr where none is made.
    zqpde::BasePrintPanel* GetFeatureWindow(FeatureWindow which) override;
    // The window made for a feature, whatever the pop-ups show.
    zqpde::PopupWinInPanel* FeatureWindowOf(FeatureWindow which) const;

    bool IsJobTypeMailbox();
    bool IsSpecialPage();
    bool IsWatermark();
    bool IsSeparatorOff();
    bool IsTabMarginShift();
    bool IsTrimmer();
    bool IsBookletMarginShift() override;
    bool IsNumberInSequence();
    bool IsOffsetStacking();
    int32_t getTrimmerListValue();
    int32_t getOffsetStackingValue();

    // What the first restore built (for tests and the transcript).
    int32_t AssemblyStatus() const { return assemblyStatus_; }
    const LayoutPlan& Plan() const { return plan_; }
    const std::vector<std::string>& PlacedKeywords() const { return zqPPDKeywordList; }
    const std::string& ProductMode() const { return currentProductMode; }

protected:
    std::string NibName() override { return kFeaturesNib; }
    void BindOutlets(zqp::Outlets& outlets) override;
    zqp::View* View() const override { return PrintFeaturesView; }
    // Its own: the load is logged (and the setup-button templates hidden)
    // whatever the nib gave, and no message is handed back.
    bool LoadView(const char* logTag, std::string* error) override;
    zqp::Window* FirstOpenWindow() override;
    // The constraint hash first, and the build's status logged after.
    void InitializeFirstOpen(zqp::DialogHost* host, ppd_file_t* ppd) override;
    // The other panels' keys first; a panel whose controls were never set
    // up reads no values.
    void RestoreValues(ppd_file_t* ppd, bool first) override;

private:
    void RefreshCrossPanelState();
    int32_t AddUserPaneControl(zqp::Bundle* bundle, ppd_file_t* ppd);
    void AddOrdinaryOption(const PlacedOption& placed, ppd_file_t* ppd);
    void CreateCoversSepControl(ppd_file_t* ppd);
    void CreateLayoutControl(ppd_file_t* ppd);
    void CreateTonerSaverControl(ppd_file_t* ppd);
    void CreateAdvancedFeaturesControl(ppd_file_t* ppd);
    // The feature windows of the options the PPD has, from their own nib.
    void CreateFeatureWindows(zqp::Bundle* bundle, ppd_file_t* ppd);
    PPDStaticTextCtrlExt* AddTitle(ppd_file_t* ppd, const char* keyword, const SlotPlace& place);
    void AddSetupButton(zqp::Button* templ, int32_t tag, const char* titleKey, const SlotPlace& place,
                        FeatureWindow window);
    void xSeteppd(ppd_file_t* ppd, zqpde::ConstraintHash& hash);
    SlotPlace Place(int32_t slot, int32_t group);
    std::string LocalizedText(const char* key) const;
    zqp::PrintSettings* Settings() const;
    void WriteCoilPunchFace(ppd_file_t* ppd);
    int32_t GetListTitleLength(const std::string& title) const;

    zqp::View* PrintFeaturesView = nullptr;
    zqp::TextField* FeaturesSetSText = nullptr;
    zqp::PopUpButton* printFeatureGroupList = nullptr;
    zqp::Box* printFeatureGroupBox = nullptr;
    zqp::TextField* pfPopupButtonTitle = nullptr;
    zqp::Button* pfSeparatorSetupButton = nullptr;
    zqp::Button* pfTabMarginSetupButton = nullptr;
    zqp::Button* pfTrimmerSetupButton = nullptr;
    zqp::Button* pfBookletMarginSetupButton = nullptr;
    zqp::Button* pfOffsetStackingSetupButton = nullptr;
    zqp::Button* pfNumInSeqSetupButton = nullptr;

    PFListExtARK* pfSeparatorListCtrlPtr = nullptr;
    PFCheckBoxExtARK* pfTabMarginCheckBoxPtr = nullptr;
    PFCheckBoxExtARK* pfNumInSequenceCheckBoxPtr = nullptr;
    PFOffsetStackingListCtrlARK* pOffsetStackingListCtrlPtr = nullptr;
    KPFTRIMMERLISTCTRL* pfTrimmerListCtrlPtr = nullptr;
    PFCheckBoxExtARK* pfTrimmerCheckBoxPtr = nullptr;
    PFNonPPDCheckBoxARK* pfBookletMarginCheckBoxPtr = nullptr;
    PFEjectOptionsListCtrlARK* pEjectOptionsListCtrlPtr = nullptr;

    CrossPanelState cross_;
    bool isLayoutPanelExist = false;
    bool controlsInitialised = false;
    int32_t assemblyStatus_ = 0;
    std::string PrintFeaturesMode;
    std::string currentProductMode;
    std::string thePDEName;
    LayoutPlan plan_;
    // The keywords this panel placed; they choose the PPD constraints that
    // enter its hash.
    std::vector<std::string> zqPPDKeywordList;
    // The panel's own constraint hash (from the constraint file or the PPD).
    std::unique_ptr<zqpde::ConstraintHash> ownHash_;
    // The feature windows and the nib objects they live in.
    std::vector<std::unique_ptr<zqp::Object>> windowNibObjs_;
    std::map<FeatureWindow, std::unique_ptr<zqpde::PopupWinInPanel>> featureWindows_;
};

class PrintFeaturesPDEPluginr15 : public zqpde::ExtensionPlugIn {
protected:
    std::vector<std::unique_ptr<zqp::Panel>> PanelsForPPD(ppd_file_t* ppd, zqp::Bundle* bundle,
                                                          zqp::DialogHost* host) override;
};

}  // namespace zqfeat
