#pragma once
// The controls of the image-options extension. They differ from the
// framework's PPD controls in three ways: each reports to the product-type
// checker whether its option is usable, a list hides itself (and its title)
// when the PPD lacks its option, and at save they ask the print dialog to
// mark the chosen PPD choice instead of writing the ticket.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "zqpde/constraint_hash.h"
#include "zqpde/ppd_controls.h"
#include "zqpde/standard_controls.h"

namespace zqimg {

class ImageOptionsPDEr15;

// The plug-in type list's items and initial data (main panel and image
// adjustment window).
extern const zqpde::ListCtrlIniData kPluginTypeIniData;

// Fills hash from the PPD's own constraints that name one of the supported
// options; 0 when either is missing.
int xSeteppd(ppd_file_t* ppd, zqpde::ConstraintHash* hash);

// The main panel that owns a control (through its window, for the windows).
ImageOptionsPDEr15* OwningImageOptionsPanel(const zqpde::BaseControl& control);
// Asks the panel's host to mark choice index of option; false when it
// refuses or the index names no choice.
bool MarkChoice(zqpde::BaseControl& control, const std::string& option, int32_t index);

// The numbers of the brightness slider and the density steppers: value v
// stands for choice maximum - v of the option, so the first choice is the
// highest value, whatever its keyword spells ("+2", "Bright2"). Reading the
// PPD back, the default, marking and the summary all go through it.
struct ChoiceScale {
    int32_t minimum, maximum;
    // The choice index of value; -1 outside the range or past the choices.
    int32_t ChoiceOf(int32_t value, size_t choices) const;
    // The value of choice index (of choices); none when it names no choice
    // or no value of the range.
    std::optional<int32_t> ValueOf(int index, size_t choices) const;
    // The value of the option's default choice in the PPD; none as above.
    std::optional<int32_t> DefaultValue(ppd_file_t* ppd, const std::string& option) const;
    // The value of the choice the PPD holds for the control's option (its
    // marked choice, else its default); none when that is no value.
    std::optional<int32_t> HeldValue(const zqpde::BaseControl& control, const std::string& option) const;
    // Marks the choice of value; true when the dialog accepts or there is
    // nothing to mark. When it refuses, the control takes back the value
    // the PPD holds (committed, shown, its update list run), so that what
    // it shows and summarises is what prints; false then.
    bool Mark(zqpde::BaseControl& control, const std::string& option, int32_t value) const;
};

// ---- lists -------------------------------------------------------------------------------------

// A pop-up of PPD choices that marks its choice at save (only a changed one).
class GBasePPDPopupListARK : public zqpde::PPDPopupControl {
public:
    using zqpde::PPDPopupControl::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
};

class GPPDListCtrlARK : public GBasePPDPopupListARK {
public:
    bool InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    int32_t DoSelfUpdate() override;
    void Show() override;
    void Hide() override;
    bool PPDKeyIsExist() const { return ppdKeyIsExist_; }

protected:
    bool ppdKeyIsExist_ = false;
};

// RGB correction: "None" is not offered (it is what Basic mode and
// black-and-white printing mark), "Perceptual" is the default.
class RGBCorrectionListCtrlARK : public GPPDListCtrlARK {
public:
    bool ReInitializeMenu(zqp::Bundle* bundle) override;
    // Items and choices through itemChoice_, so the default, the marks,
    // the conflicts and the summary all skip the "None" left out.
    int32_t ChoiceOfItem(int32_t item) const override;
    int32_t ItemOfChoice(int32_t choice) const override;
    bool ConvertFromPresetIndex(int32_t choice) override;
    using GBasePPDPopupListARK::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    int32_t DoControlUpdateConstrain() override;

protected:
    std::vector<int32_t> itemChoice_;  // menu item -> PPD choice index
};

// Goes back to the PPD default when colour mode, output mode, image type or
// RGB correction is changed by the user.
class ScreenListCtrlARK : public GPPDListCtrlARK {
public:
    int32_t Update() override;
};

// Output mode: a mailbox job prints to the mailbox choice and cannot be changed.
class GOutputModeListCtrlARK : public GPPDListCtrlARK {
public:
    bool InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool GetValueToPreset() override;
    bool SetValueFromUIToControl() override;
    int32_t UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    bool SetDefaultValueToUI() override;
    bool IsMailBoxKeyExist() const { return isMailBoxKeyExist_; }
    int32_t MailboxSetValueIndex() const { return mailboxSetValueIndex_; }

private:
    bool MailboxJob() const;
    bool isMailBoxKeyExist_ = false;
    int32_t mailboxSetValueIndex_ = 0;
};

// The image adjustment window's copies of the main panel's RGB and CMYK
// correction lists: they show the main list's choice and mark nothing.
class MirroredListCtrlIAARK : public RGBCorrectionListCtrlARK {
public:
    // mainTag: the main panel's list; keepNone: "None" stays in the menu.
    void SetMirror(int32_t mainTag, bool keepNone) {
        mainTag_ = mainTag;
        keepNone_ = keepNone;
    }
    bool ReInitializeMenu(zqp::Bundle* bundle) override;
    bool SetControlValueToUI() override;
    using GBasePPDPopupListARK::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    int32_t GetSummaryText(zqpde::SummaryDictionary*, zqpde::SummaryOrder*) override { return 0; }
    int32_t DoControlUpdateConstrain() override { return GPPDListCtrlARK::DoControlUpdateConstrain(); }

private:
    int32_t mainTag_ = 0;
    bool keepNone_ = false;
};

// The CMYK colour correction list of the image adjustment window: its choice
// "None" disables the target paper and its title.
class CMYKCorrectionListCtrlIAARK : public MirroredListCtrlIAARK {
public:
    bool InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) override;

private:
    std::vector<zqpde::ConstrainTagList> disable_;
    zqpde::ConstrainInfo constrain_{};
};

// Target paper: summarised only with the advanced setting and a CMYK correction.
class CMYKTargetMediaListCtrlIAARK : public GPPDListCtrlARK {
public:
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
};

// The product's plug-in type ("Type00-1" ... "Type03").
class PluginTypeListCtrlARK : public zqpde::PopupControl {
public:
    bool SetPluginType(int32_t type);
};

// ---- check boxes, steppers, slider --------------------------------------------------------------

// A check box of a PPD option. Without its option it is hidden, as the
// lists are: it would mark nothing, and its title would be the nib's key.
class GBasePPDCheckBoxARK : public zqpde::PPDCheckBox {
public:
    using zqpde::PPDCheckBox::PPDCheckBox;
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    void Show() override;
    void ResetStatus() override;
    using zqpde::PPDCheckBox::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;

private:
    // Hidden for good: the option is missing (the older build keeps the
    // framework's rule and shows the box all the same).
    bool Absent() const;
    bool ppdKeyIsExist_ = false;
};

class GCheckBoxARK : public GBasePPDCheckBoxARK {
public:
    using GBasePPDCheckBoxARK::GBasePPDCheckBoxARK;
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
};

// The same without a report to the checker (image adjustment window).
class GCheckBoxExtARK : public GBasePPDCheckBoxARK {
public:
    using GBasePPDCheckBoxARK::GBasePPDCheckBoxARK;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
};

// A density stepper of the colour balance window: -3 to +3, value v marks
// choice 3 - v, mirrored by its edit field.
class GLittleArrayControlARK : public zqpde::PPDLittleArrayControl {
public:
    GLittleArrayControlARK(zqp::View* view, const zqpde::LittleArrayIniData* iniData, const char* ppdKey,
                           const zqpde::ConstrainInfo* constrain, bool black);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool UIEventHandler() override;
    bool SetControlValueToUI() override;
    bool SetExternalValueToUI(const void* value, int32_t size) override;
    bool SetDefaultValueToUI() override;
    int32_t Update() override;
    // The value of the choice the PPD holds, by the scale it marks with.
    bool GetValueToPreset() override;
    using zqpde::PPDLittleArrayControl::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    bool ToGetSummaryText() override;
    int32_t ChoiceOfValue(int32_t value) const override;
    // The value the stepper shows.
    int32_t ShownValue() const;
    // Sets the stepper and its last value (the edit field typed a value).
    void TakeValue(int32_t value);

private:
    ChoiceScale Scale() const { return {minimum_, maximum_}; }
    void WriteEdit();
    bool black_;
};

// The brightness slider: its range and default come from the PPD's choices,
// the first choice being the highest value. A move is marked at once, as a
// pick of a list is.
class GPPDSliderBarControlARK : public zqpde::PPDSliderBarControl {
public:
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // The choice the PPD holds is offered to the dialog and shown, whatever
    // the dialog answers: the PPD holds it all the same.
    bool GetValueToPreset() override;
    int32_t Open() override;
    bool UIEventHandler() override;
    bool SetDefaultValueToUI() override;
    using zqpde::PPDSliderBarControl::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    int32_t Minimum() const { return minimum_; }
    int32_t Maximum() const { return maximum_; }

private:
    ChoiceScale Scale() const { return {minimum_, maximum_}; }
    int32_t minimum_ = -5, maximum_ = 5;
    bool ranged_ = false;
};

// The labels at the ends of the brightness slider.
class BrightRangeSTextCtrlARK : public zqpde::StaticTextEditControl {
public:
    explicit BrightRangeSTextCtrlARK(bool maximum) : maximum_(maximum) {}
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;

private:
    bool maximum_;
};

// ---- radios and buttons --------------------------------------------------------------------------

class GRadioButtonARK : public zqpde::RadioButton {
public:
    using zqpde::RadioButton::RadioButton;
    bool UIEventHandler() override;
    bool IsChecked() const;
};

class GColorBalanceButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

class GImageSettingsButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

class GRestoreDefaultButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

class GHelpButtonARK : public zqpde::BaseButton {
public:
    void CreateHelp(zqp::View* view, const char* defaultPage);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool UIEventHandler() override;
    const std::string& HelpFileName() const { return helpFileName_; }

private:
    std::string helpFileName_;
};

// Cancel of both windows: the PPD marks back to the window's values, then
// the window closes.
class GCancelButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

}  // namespace zqimg
