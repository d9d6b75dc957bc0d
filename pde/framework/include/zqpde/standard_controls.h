#pragma once
// The standard control kinds every extension builds its panels and windows
// from. Each wraps one view of the nib and overrides only what differs from
// BaseControl: its value blocks, how the value is shown, read, committed,
// converted for the ticket and the preferences, read back from the ticket,
// and how its constraint lists are indexed.
//
// Values: radio button and check box 0 or 1 (the view's state); pop-up the
// 1-based index of the selected item (0 = no selection); stepper the
// stepper's value; text field up to 255 bytes of UTF-8. Integers go to the
// ticket and the preferences as "%d".
//
// Constraint lists are indexed by the value for radio buttons and check
// boxes and by the 0-based item for pop-ups (no selection counts as item 1).
// Each handler acts only when the view's value differs from the UI value.
//
// Kinds whose create operation bears the class's name (RadioButton,
// RadioGroup, CheckBox) are created by that constructor; the others by their
// create method after default construction:
//   auto c = std::make_unique<zqpde::PopupControl>();
//   c->CreateControl(view, &MyListIniData, &MyListConstrainInfo, &MyListAccessInfo, &scope);
//   panel.RunTimeAddNewControl(std::move(c));
#include <memory>
#include <string>
#include <vector>

#include "zqpde/base_control.h"
#include "zqpde/control_tables.h"
#include "zqpde/input_filter.h"

namespace zqp {
class Box;
class Bundle;
class Button;
class PopUpButton;
class Stepper;
class TextField;
}  // namespace zqp

namespace zqpde {

// The 0-based item of a 1-based item number; -1 (no item) below 1. Item
// numbers come back from the preferences and the ticket, where any 32-bit
// value may stand: this is the one place they are turned into an index.
inline int32_t ItemIndexOf(int32_t itemNumber) { return itemNumber < 1 ? -1 : itemNumber - 1; }

// ---- text field ---------------------------------------------------------------

class TextEditCtrl : public BaseControl {
public:
    using BaseControl::CreateControl;
    // usernamein and filterData may be nullptr.
    void CreateControl(zqp::View* view, const TextEditIniData* iniData, const ConstrainInfo* constrain,
                       const AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const TextEditFilterData* filterData);

    // Two 256-byte blocks, data size 256, then the formatter.
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // A TextEditFormatter from the filter and the IniData maximum width, when
    // both are given; true.
    virtual bool InitializeCtrlFormat();
    bool SetControlValueToUI() override;
    // value: a UTF-8 text (NUL-terminated); size is not read.
    bool SetExternalValueToUI(const void* value, int32_t size) override;
    // The view's text into the UI block (at most 255 bytes, cut at a
    // character boundary); data size = its width. Answers the UI block.
    char* GetValueFromUI() override;
    bool SetValueFromUIToControl() override;
    bool ConvertToTickectData(std::string& out) override;
    bool ConvertToPreferenceString(std::string& out) override;
    bool ConvertFromPreferenceString(const std::string& text) override;
    bool SetControlValueToDefault() override;
    const void* GetDefaultDataBlk() override;
    int32_t GetDefaultDataSize() override;
    bool PreInvalidateData() override;
    // Empty text passes; otherwise width within [minLength, maxLength] and
    // validateInput; on failure the alert (ShowErrMsg) and false.
    bool InvalidateData() override;
    // The same without the alert.
    bool InvalidateDataAndReturnError() override;
    // Empties the view and the UI block; true.
    virtual bool CorrectCtrlUI();
    // The alert of the filter's message key (icon "AlertIcon.png", button
    // "Alert OK Btn"); the view becomes first responder again.
    virtual void ShowErrMsg();
    virtual int32_t OnRawKeyUp(void* event);
    virtual char* GetCorrectedData();
    // The text of the UI block.
    char* GetUIData() { return GetValueFromUIDataBlk(); }
    // The committed text.
    std::string GetText();

protected:
    zqp::TextField* Field() const;
    bool CheckText(bool alert);

    const TextEditIniData* textEditIniDataPtr = nullptr;
    const TextEditFilterData* textEditFilterDataPtr = nullptr;
    std::string defaultText_;
};

// ---- labels, buttons, group boxes -----------------------------------------------

class StaticTextEditControl : public BaseControl {
public:
    using BaseControl::CreateControl;
    void CreateControl(zqp::View* view, const TextEditIniData* iniData, const ConstrainInfo* constrain,
                       const AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const TextEditFilterData* filterData, const char* summaryInfo);

    // The label's text: the localised label key; false without a key.
    virtual bool InitializeTitle(zqp::Bundle* bundle);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // value: a UTF-8 text to show (nothing for nullptr); true.
    bool SetExternalValueToUI(const void* value, int32_t size) override;
    // A label never follows PPD-driven showing and hiding.
    void PPDCtrlShow() override;
    void PPDCtrlHide() override;
    // Counted, as BaseControl, and the text grey while disabled.
    void Disable() override;
    void Enable() override;
    void ResetStatus() override;

protected:
    zqp::TextField* Label() const;

    const TextEditIniData* textEditIniDataPtr = nullptr;
    const TextEditFilterData* textEditFilterDataPtr = nullptr;
    std::string summarytextRef;
};

// "Ver." and the bundle's version (" Build " written "."), with a final "."
// when the constraint file is not in use. Hidden at initialisation.
class VersionStringSText : public StaticTextEditControl {
public:
    using StaticTextEditControl::CreateControl;
    void CreateControl(zqp::View* view, const char* titleKey, bool cdfSupport);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool InitializeTitle(zqp::Bundle* bundle) override;
    // Hides the label before the emulated 10.7; nothing from 10.7 on.
    void ResetStatus() override;

protected:
    bool IsCDFSupported = false;
};

class BaseButton : public BaseControl {
public:
    using BaseControl::CreateControl;
    void CreateControl(zqp::View* view, const char* titleKey);
    // The button's title: the localised title key; false without a key.
    virtual bool InitializeTitle(zqp::Bundle* bundle);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;

protected:
    std::string controlTitleStrRef;
};

// A titled box (not a control: it is never added to a panel).
class GroupBoxControl {
public:
    void CreateControl(zqp::Box* box, const char* titleKey);
    // The box title from the default table; false without a key.
    bool InitializeTitle(zqp::Bundle* bundle);
    zqp::Box* GetControlPtr() const { return ControlPtr; }

private:
    zqp::Box* ControlPtr = nullptr;
    std::string controlTitleStrRef;
};

// ---- the integer kinds --------------------------------------------------------------

// What the integer kinds (radio button, check box, pop-up, stepper, slider)
// share: one signed 32-bit value in each block, "%d" to the ticket and the
// preferences and back, the default and initial values of their IniData
// (kept per control).
class IntegerValueControl : public BaseControl {
public:
    bool SetValueFromUIToControl() override;
    bool ConvertToTickectData(std::string& out) override;
    bool ConvertToPreferenceString(std::string& out) override;
    // A remembered value is taken only when it is a whole decimal 32-bit
    // number that AcceptsValue takes; anything else leaves the value alone
    // and answers false, so the panel gives the control its default.
    bool ConvertFromPreferenceString(const std::string& text) override;
    // Whether the control can hold value: any value here; 0 or 1 for radio
    // buttons and check boxes, an item number for pop-ups, the IniData range
    // for steppers.
    virtual bool AcceptsValue(int32_t value);
    // The number of the ticket entry becomes the value when AcceptsValue
    // takes it; false when there is none (no panel, settings, ticket key,
    // entry or value block) or it is no such number: the control then takes
    // its default.
    bool GetValueToPreset() override;
    const void* GetDefaultDataBlk() override;
    const void* GetIniDataBlk() override;
    int32_t GetDefaultDataSize() override;
    int32_t GetIniDataSize() override;
    // The committed value.
    int32_t GetValue();

protected:
    // The IniData's default and initial value (none without IniData).
    void KeepIniValues(bool given, int32_t defaultData, int32_t iniData);
    bool hasIniData_ = false;
    int32_t defaultValue_ = 0;
    int32_t iniValue_ = 0;
};

// The kinds whose value is the state of a check or radio button: their
// constraint lists are indexed by the state.
class TwoStateControl : public IntegerValueControl {
public:
    // 0 or 1.
    bool AcceptsValue(int32_t value) override;
    int32_t DoControlUpdateConstrain() override;
    int32_t DoControlHideConstrain() override;
    int32_t DoControlConstrain() override;

protected:
    zqp::Button* ButtonView() const;
    // The view's state (0 without a view).
    int32_t ViewState() const;
};

// ---- radio buttons --------------------------------------------------------------

class RadioGroup;

class RadioButton : public TwoStateControl {
public:
    RadioButton(zqp::View* view, const RadioButtonIniData* iniData, const ConstrainInfo* constrain,
                const AccessInfo* accessInfo, const zqp::PrefUser* usernamein);

    void SetCtrlGrp(RadioGroup* group) { RadioGrpPtr = group; }
    RadioGroup* GetCtrlGrp() const { return RadioGrpPtr; }
    // Its index in its group (by view tag); -1 when none.
    int32_t GetRadioIndex();
    // Makes it the group's current member.
    void SetGrpcurRadio();
    // The first member with another tag; nullptr without group.
    RadioButton* GetAnotherRadioCtrlFromGroup();
    virtual bool InitializeTitle(zqp::Bundle* bundle);

    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool SetControlValueToUI() override;
    // value: int32_t state; set even on a disabled view; true only when the
    // view exists and is enabled.
    bool SetExternalValueToUI(const void* value, int32_t size) override;
    char* GetValueFromUI() override;
    bool GetValueToPreset() override;
    // A click: becomes current, the base handler, then the whole group
    // reads its views.
    bool UIEventHandler() override;
    bool SimulationUIEventHandler() override;
    // Switched off (and simulated) when not the group's current member; before
    // the emulated 10.8 only when it is on.
    int32_t Update() override;
    bool setExternalValueToData(const void* value, int32_t size, int32_t valueType) override;
    int32_t GetCtrlDataSize() { return kNumberBlockSize; }

protected:

    RadioGroup* RadioGrpPtr = nullptr;
    const RadioButtonIniData* radiobuttonIniDataPtr = nullptr;
};

// The members of one radio group (not owned; the panel owns the buttons).
// The group itself has no view and is kept by the extension.
class RadioGroup : public BaseControl {
public:
    RadioGroup();
    // Tells the button its group and appends it; its index.
    int32_t RunTimeAddNewControl(RadioButton* button);
    int32_t GetcurRadio() const { return curRadio; }
    // Only 0 <= index < count is taken.
    void SetcurRadio(int32_t index);
    const std::vector<RadioButton*>& Members() const { return fCtrlGroupArray; }
    // Every member reads its view; nullptr.
    char* GetValueFromUI() override;
    // Remembered values are read button by button, so together they may
    // leave no member on, or several: then every member takes its default.
    // Run after the remembered values are read; true when it did.
    bool DefaultsUnlessOneIsOn();

private:
    std::vector<RadioButton*> fCtrlGroupArray;
    int32_t _control_num_item = 0;
    int32_t curRadio = -1;
};

// ---- check box ------------------------------------------------------------------

class CheckBox : public TwoStateControl {
public:
    CheckBox() = default;
    CheckBox(zqp::View* view, const CheckBoxIniData* iniData, const ConstrainInfo* constrain,
             const AccessInfo* accessInfo, const zqp::PrefUser* usernamein);

    virtual bool InitializeTitle(zqp::Bundle* bundle);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool SetControlValueToUI() override;
    // value: int32_t state; only on an enabled view.
    bool SetExternalValueToUI(const void* value, int32_t size) override;
    char* GetValueFromUI() override;

protected:

    const CheckBoxIniData* checkboxctrlIniDataPtr = nullptr;
    std::string titleKey_;
};

// ---- pop-up ---------------------------------------------------------------------

class PopupControl : public IntegerValueControl {
public:
    using BaseControl::CreateControl;
    // Also switches the pop-up's automatic item enabling off.
    void CreateControl(zqp::View* view, const ListCtrlIniData* iniData, const ConstrainInfo* constrainArray,
                       const AccessInfo* accessInfo, const zqp::PrefUser* usernamein);

    // One item per title key (the localised title, or the key itself when
    // there is no translation; the key as represented object).
    virtual bool InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool SetControlValueToUI() override;
    // value: int32_t item number (item 1 for values below 1).
    bool SetExternalValueToUI(const void* value, int32_t size) override;
    char* GetValueFromUI() override;
    // The selected item's 0-based index; -1 with nothing selected.
    int32_t GetCurrentControlArrayNumber() override;
    // The number of one of the menu's items (1 to the item count).
    bool AcceptsValue(int32_t value) override;
    virtual void RequestPopupList(zqp::View* sender);
    // The base update-list handling, without the change test.
    int32_t DoBaseControlUpdateConstrain();
    int32_t DoControlUpdateConstrain() override;
    int32_t DoControlHideConstrain() override;
    int32_t DoControlConstrain() override;
    // True when the panel's constraint hash lists, under key, a constraining
    // choice that is exactly option/choice in ppd.
    bool isChoiceConflicted(const char* key, const char* option, const char* choice, ppd_file_t* ppd);
    // The default item number this control uses (a PPD-bound pop-up takes the
    // PPD's default; the shared table is never written).
    int32_t GetDefaultValue() const { return defaultValue_; }

protected:
    zqp::PopUpButton* PopUp() const;
    // The selected item as a 1-based number; item 1 when nothing is selected.
    int32_t SelectedItemNumber() const;

    const ListCtrlIniData* listctrlIniDataPtr = nullptr;
};

// ---- stepper --------------------------------------------------------------------

class LittleArray : public IntegerValueControl {
public:
    // titleStr: the summary title key (may be nullptr).
    void LittleArrayControl(zqp::View* view, const LittleArrayIniData* iniData, const ConstrainInfo* constrain,
                            const AccessInfo* accessInfo, const zqp::PrefUser* usernamein, const char* titleStr);

    virtual void SetRange(int32_t min, int32_t max);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // Fresh zeroed blocks, then the range again.
    bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool SetControlValueToUI() override;
    // value: int32_t.
    bool SetExternalValueToUI(const void* value, int32_t size) override;
    char* GetValueFromUI() override;
    bool GetValueToPreset() override;
    // Within [minimum, maximum] of the IniData (any value without IniData).
    bool AcceptsValue(int32_t value) override;
    using BaseControl::SetValueToTicket;
    // Nothing written (false) for a value outside [minimum, maximum].
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    virtual bool ToGetSummaryText();
    // The value as tenths with one decimal ("2.5") under the title key.
    int32_t GetSummaryText(SummaryDictionary* dictionary, SummaryOrder* order) override;
    // Only lastValue = the default.
    bool SetDefaultValueToUI() override;
    int32_t GetLastValue() const { return lastValue; }

protected:
    zqp::Stepper* StepperView() const;

    const LittleArrayIniData* littleArrayIniDataPtr = nullptr;
    std::string titleTextRef;
    int32_t lastValue = 0;
    int32_t minimum_ = 0;
    int32_t maximum_ = 0;
};

}  // namespace zqpde
