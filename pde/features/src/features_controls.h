#pragma once
// The controls the features panel makes at run time from the PPD: title
// labels, pop-ups, check boxes and a text field bound to one PPD option
// each, the booklet-margin switch, the group selector and the setup buttons.
//
// A PPD-bound control marks its choice through the dialog and never writes
// the choice to the ticket; the lists and switches that carry a features key
// of their own write it only in a save in which their choice was accepted.
//
// Enabling has two separate causes, kept apart so that neither can undo the
// other: the counted constraint lists of the panel's other controls
// (Enable/Disable) and the conflict state that every refresh works out
// afresh (PPD conflicts, the papers of special pages, mailbox print,
// special pages, watermark). A control is enabled when neither holds it.
#include <cups/ppd.h>

#include <cstdint>
#include <string>
#include <vector>

#include <zqp/view.h>

#include "features_tables.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/ppd_controls.h"
#include "zqpde/standard_controls.h"

namespace zqfeat {

// The feature windows a setup button or list opens (made by their own
// builders; a window not made yet opens nothing).
enum class FeatureWindow {
    kSeparator,
    kTabMargin,
    kBookletMargin,
    kNumInSeq,
    kOffsetStackingPages,
    kTrimmer,
    kOffsetStackingUnits,
    kTrimmerTopLower
};

// What the controls ask of the features panel.
class FeaturesPanelState {
public:
    virtual ~FeaturesPanelState() = default;
    virtual CrossPanelState CrossState() const = 0;
    virtual zqp::View* GetFeaturesGroupBox() = 0;
    virtual zqpde::BasePrintPanel* GetFeatureWindow(FeatureWindow which) = 0;
    virtual bool IsBookletMarginShift() = 0;
};

// Where a generated control sits.
struct SlotPlace {
    int32_t slot = 0;
    int32_t group = 0;
    zqp::View* parentGroupBox = nullptr;
};

// The conflict state of a control and the view's enabled flag that follows
// from it and the disable count.
class ConflictState {
public:
    bool conflicted() const { return conflicted_; }
    bool ruleDisabled() const { return ruleDisabled_; }

protected:
    bool conflicted_ = false;
    bool ruleDisabled_ = false;  // a panel rule (the toner-saver list) holds it
};

// ---- title label ---------------------------------------------------------------

class PPDStaticTextCtrlExt : public zqpde::StaticTextEditControl, public ConflictState {
public:
    using zqpde::StaticTextEditControl::CreateControl;
    // Makes the label (a copy of the template's look) in the group box.
    void CreateControl(zqp::TextField* templateLabel, const char* ppdKey, int32_t controlLength, const SlotPlace& place);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    void PPDCtrlShow() override;
    void PPDCtrlHide() override;
    void Disable() override;
    void Enable() override;
    void ResetStatus() override;
    void SetConflicted(bool on);

private:
    void Apply();
    std::string GetUITitleFromPPDOrEmpty(ppd_file_t* ppd) const;
    std::string kPPDMainKey;
    zqp::Frame TitleCtrlBounds;
    int32_t indexInPanel = 0;
};

// ---- pop-ups -------------------------------------------------------------------

class PPDPopupControlExt : public zqpde::PPDPopupControl, public ConflictState {
public:
    using zqpde::PPDPopupControl::CreateControl;
    // Makes the pop-up in the group box; the frame follows the title width.
    void CreateControl(const char* ppdKey, const zqpde::ListCtrlIniData* iniData,
                       const zqpde::ConstrainInfo* constrainArray, const zqpde::AccessInfo* accessInfo,
                       int32_t ctrlTotalLength, int32_t titleCtrlLength, PPDStaticTextCtrlExt* titleCtrl,
                       const SlotPlace& place);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool SetControlValueToDefault() override;
    // Both counts to 0 and the conflict state cleared; a control hidden
    // because its page is not shown stays hidden.
    void ResetStatus() override;
    void Disable() override;
    void Enable() override;
    void PPDCtrlShow() override;
    void PPDCtrlHide() override;
    PPDStaticTextCtrlExt* TitleControl() const { return titleTextPtr; }
    const std::string& Keyword() const { return kPPDMainKey; }

protected:
    // While a cross-panel state holds the control at its PPD default: the
    // default committed, and marked again when the PPD holds another choice.
    void HoldDefaultWhileRuled();
    // The conflict state of the pop-up and its label.
    void SetConflicted(bool on);
    void Apply();
    FeaturesPanelState* Features() const;
    CrossPanelState Cross() const;

    PPDStaticTextCtrlExt* titleTextPtr = nullptr;
    int32_t indexInPanel = 0;
    zqp::View* parentGroupBox = nullptr;
};

class PFBasePPDPopupListExtARK : public PPDPopupControlExt {
public:
    using PPDPopupControlExt::SetValueToTicket;
    // Asks the dialog to mark the committed choice when it changed; no
    // ticket key is written. True only when the dialog accepted.
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
};

class PFListARK : public PFBasePPDPopupListExtARK {
public:
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    // PPD conflicts, the papers of the special pages, the interposer rule
    // and the cross-panel tables.
    int32_t UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    bool GetValueToPreset() override;
    bool SetValueFromUIToControl() override;
};

// A list that writes its own features key ("%d") before it marks its choice.
class PFOwnKeyListARK : public PFListARK {
public:
    using PFListARK::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
};
class PFEjectOptionsListCtrlARK : public PFOwnKeyListARK {};
// Choosing "every n pages" or "every n copies" opens its window.
class PFOffsetStackingListCtrlARK : public PFOwnKeyListARK {
public:
    bool UIEventHandler() override;
};
class KPFTRIMMERLISTCTRL : public PFOwnKeyListARK {};

class PFCoverListARK : public PFListARK {
public:
    void SetControlTag(int32_t tag) { controlTag = tag; }
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // The toner-saver list enables the reduction-rate field on its second
    // item and holds it disabled on any other; the other lists follow their
    // tables.
    int32_t DoControlConstrain() override;

protected:
    int32_t controlTag = 0;
};

// The separator list: its own key written after an accepted mark, and a
// choice other than the first opens the separator window.
class PFListExtARK : public PFCoverListARK {
public:
    using PFCoverListARK::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    bool UIEventHandler() override;
};

// The insert media type: usable only while a cover or separator list shows
// its "MSI" choice; otherwise it shows and marks the PPD default.
class PFCoverTypeListARK : public PFListARK {
public:
    void SetBringConsArray(const int32_t* const* tags) { ctrlBringConsArray = tags; }
    bool isDisabledAndRestoreDefault();
    int32_t UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    bool GetValueToPreset() override;

private:
    const int32_t* const* ctrlBringConsArray = nullptr;
};

// ---- check boxes ---------------------------------------------------------------

class PPDCheckBoxExt : public zqpde::PPDCheckBox, public ConflictState {
public:
    PPDCheckBoxExt(const char* ppdKey, const zqpde::CheckBoxIniData* iniData, const zqpde::ConstrainInfo* constrain,
                   const zqpde::AccessInfo* accessInfo, const SlotPlace& place);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    int32_t UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    int32_t Open() override;
    bool SetControlValueToDefault() override;
    void ResetStatus() override;
    void Disable() override;
    void Enable() override;
    const std::string& Keyword() const { return kPPDMainKey; }

protected:
    void SetConflicted(bool on);
    void Apply();
    // The PPD choice list rebuilt; the conflict state of the last choice.
    bool RefreshChoiceConflicts(ppd_file_t* ppd);
    FeaturesPanelState* Features() const;
    CrossPanelState Cross() const;
    int32_t indexInPanel = 0;
    zqp::View* parentGroupBox = nullptr;
};

class PFCheckBoxARK : public PPDCheckBoxExt {
public:
    using PPDCheckBoxExt::PPDCheckBoxExt;
    // The constraint lists follow the state shown, which is then kept as the
    // state the lists were last applied for.
    int32_t DoControlConstrain() override;
    int32_t UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    bool GetValueToPreset() override;
    bool SetValueFromUIToControl() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    using PPDCheckBoxExt::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
};

// A switch that writes its own features key after an accepted mark.
class PFCheckBoxExtARK : public PFCheckBoxARK {
public:
    using PFCheckBoxARK::PFCheckBoxARK;
    using PFCheckBoxARK::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
};

// A switch not bound to the PPD: its value comes back from its own ticket
// key; the summary is its title with "On" or "Off".
class PFSwitchCheckBoxARK : public zqpde::CheckBox {
public:
    using zqpde::CheckBox::CheckBox;
    bool GetValueToPreset() override;
    virtual bool ToGetSummaryText() = 0;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
};

// The booklet-margin switch.
class PFNonPPDCheckBoxARK : public PFSwitchCheckBoxARK {
public:
    PFNonPPDCheckBoxARK(const zqpde::CheckBoxIniData* iniData, const zqpde::ConstrainInfo* constrain,
                        const zqpde::AccessInfo* accessInfo, const SlotPlace& place, int32_t tag);
    int32_t DoControlConstrain() override;
    bool ToGetSummaryText() override;
    using zqpde::CheckBox::SetValueToTicket;
    // "0" while the switch is disabled.
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
};

// ---- text field ----------------------------------------------------------------

// The toner reduction rate: its text is marked as the custom choice
// "Custom.<text>"; it has no ticket key.
class PPDTextEditControlExt : public zqpde::TextEditCtrl, public ConflictState {
public:
    using zqpde::TextEditCtrl::CreateControl;
    void CreateControl(const char* ppdKey, const zqpde::TextEditIniData* iniData,
                       const zqpde::TextEditFilterData* filterData, int32_t ctrlTotalLength, int32_t titleCtrlLength,
                       PPDStaticTextCtrlExt* titleCtrl, const SlotPlace& place, int32_t tag);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    int32_t UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    bool ToValidate();
    char* GetValueFromUI() override;
    bool SetControlValueToUI() override;
    bool InvalidateData() override;
    bool GetValueToPreset() override;
    bool SetValueToPreference() override;
    bool SetValueFromUIToControl() override;
    bool SetControlValueToDefault() override;
    using zqpde::TextEditCtrl::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings*, bool) override { return true; }
    bool RestorePPD(ppd_file_t* ppd) override;
    bool PPDMarkOptionByIndex(ppd_file_t* ppd, const std::string& text);
    void ResetStatus() override;
    void Disable() override;
    void Enable() override;
    // Held disabled by the toner-saver list (not counted).
    void SetRuleDisabled(bool on);

private:
    void Apply();
    std::string kPPDMainKey;
    std::vector<zqpde::PPDChoiceEntry> ctrlPPDInfoArrayRef;
    PPDStaticTextCtrlExt* titleTextPtr = nullptr;
    std::string ppdDefaultText;
};

// ---- group selector and buttons -----------------------------------------------

// Offers one item per page title and shows the controls of the chosen page.
class PFGroupListARK : public zqpde::PopupControl {
public:
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    int32_t DoControlHideConstrain() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary*, zqpde::SummaryOrder*) override { return 0; }
    void PPDCtrlShow() override {}
    void PPDCtrlHide() override {}
    // The page shown: none of the selector's value goes anywhere.
    bool SetValueToPreference() override { return true; }
    using zqpde::PopupControl::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings*, bool) override { return true; }
    // The page shown stays shown when the panel is restored again.
    bool GetValueToPreset() override;
};

// A setup button: the nib's template button placed in a slot; a click opens
// its feature window.
class PFSetupButtonARK : public zqpde::BaseButton {
public:
    PFSetupButtonARK(zqp::View* button, const char* titleKey, const SlotPlace& place, FeatureWindow window);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool UIEventHandler() override;
    bool SetValueToPreference() override { return true; }

private:
    zqp::Frame ControlBounds;
    FeatureWindow window_;
};

// ---- buttons and check box of the feature windows ------------------------------
// Their parent is the feature window (a PopupWinInPanel) whose parent is the
// features panel.

// OK: commits only when every control of the window is valid, then closes.
class PFWndOKButtonARK : public zqpde::BaseButton {
public:
    PFWndOKButtonARK(zqp::View* view, const char* titleKey) { CreateControl(view, titleKey); }
    bool UIEventHandler() override;
};

// Cancel: the window closes in every case; when a control cannot take its
// cancel, the controls named by the tag list go back to their defaults.
class PFWndCancelButtonARK : public zqpde::BaseButton {
public:
    using zqpde::BaseButton::CreateControl;
    void CreateControl(zqp::View* view, const char* titleKey, const int32_t* const* cancelDefaultArray);
    bool UIEventHandler() override;
    void setCancelDefaultValueToUI();

private:
    const int32_t* const* CancelDefaultArray = nullptr;
};

class PFWndRestoreDefaultButtonARK : public zqpde::BaseButton {
public:
    PFWndRestoreDefaultButtonARK(zqp::View* view, const char* titleKey) { CreateControl(view, titleKey); }
    bool UIEventHandler() override;
};

// Help: opens its page, or the layout's own variant of it
// ("<page>_<layout suffix>.htm") when the bundle lacks the page.
class PHelpButtonARK : public zqpde::BaseButton {
public:
    using zqpde::BaseButton::CreateControl;
    void CreateControl(zqp::View* view, const char* helpName);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool UIEventHandler() override;
    const std::string& HelpFileName() const { return helpfilename; }

private:
    std::string helpfilename;
    bool named_ = false;
};

// The booklet-margin switch's echo in its window: summarised only while the
// panel's booklet margin shift is on.
class PFStaticCheckBoxARK : public PFSwitchCheckBoxARK {
public:
    using PFSwitchCheckBoxARK::PFSwitchCheckBoxARK;
    bool ToGetSummaryText() override;
};

}  // namespace zqfeat
