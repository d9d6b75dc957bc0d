#pragma once
// Controls bound to one PPD option (their main key): they list the option's
// choices with the conflict state of each (from the panel's constraint hash,
// which SeteppdPtr must give before InitializeUserPane), take the PPD's
// default choice as their default and the option's text as their title, show
// the marked choice, and on a user's pick ask the dialog host to mark the
// choice (willChangePPDOptionKeyValue), going back when it refuses. They do
// not write the ticket; BaseSetValueToTicket is there for subclasses that do.
#include <cups/ppd.h>

#include <string>
#include <vector>

#include "zqpde/ppd_util.h"
#include "zqpde/standard_controls.h"

namespace zqp {
class Slider;
}

namespace zqpde {

// Entry texts the pop-up's items show hold at most this many bytes; the
// summaries of the check box and the stepper at most kPPDSummaryMaxBytes.
inline constexpr size_t kPPDItemMaxBytes = 99;
inline constexpr size_t kPPDSummaryMaxBytes = 23;

// The pop-up's value is the 1-based item; item i is choice i - 1, unless a
// subclass leaves choices out of its menu (ChoiceOfItem, ItemOfChoice).
class PPDPopupControl : public PopupControl {
public:
    using PopupControl::CreateControl;
    // titleControl: the tag of the PPDStaticTextCtrl showing the option's
    // title ("Text:"), or nullptr.
    void CreateControl(zqp::View* view, const char* ppdKey, const ListCtrlIniData* iniData,
                       const ConstrainInfo* constrainArray, const AccessInfo* accessInfo,
                       const zqp::PrefUser* usernamein, const int32_t* titleControl);

    // Builds the choice list from the PPD and the hash, the items, the
    // default (the PPD's default choice) and the title. False without PPD,
    // hash or main key (the control then gets no value blocks).
    bool InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // The items again from the choice list (the PPD is not read).
    bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    virtual bool ReInitializeMenu(zqp::Bundle* bundle);
    virtual bool SetTitleWithCFStringEx(const std::string& title);
    virtual void HideTitleCtrl();

    // The choice (index in the choice list) that the 0-based menu item
    // stands for, and the item that stands for a choice; -1 for none. Item
    // i is choice i here. A list whose menu is not the choices one to one
    // says otherwise, and then its defaults, presets, marks, conflicts and
    // summary all follow its own mapping.
    virtual int32_t ChoiceOfItem(int32_t item) const;
    virtual int32_t ItemOfChoice(int32_t choice) const;

    // Marks the choice of the selected item; true without a selection.
    virtual bool SetPPD(ppd_file_t* ppd);
    // Marks the choice of the committed value (windows that are cancelled).
    bool RestorePPD(ppd_file_t* ppd) override;
    // Asks the host to mark choice index; its answer. True without asking
    // for a missing PPD, a negative or past-the-end index or an empty list.
    virtual bool PPDMarkOptionByIndex(ppd_file_t* ppd, int32_t index);
    // The 1-based item of the default choice keyword; false (and 0) when no
    // item stands for it.
    virtual bool GetDefaultValueFromPPD(const char* defaultChoice, int32_t* value);
    using PopupControl::SetValueToTicket;
    // Writes nothing; true.
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    // The pop-up's own ticket writer ("%d"), for subclasses.
    virtual bool BaseSetValueToTicket(zqp::PrintSettings* settings, bool lock);
    // Conflicts, the marked choice, shown, constraints simulated; 0.
    int32_t Open() override;
    // The default shown, then marked in the PPD; an accepted mark is a
    // change (valueDidChange), as a pick is.
    bool SetDefaultValueToUI() override;
    // The marked (else default) choice of the PPD; false when none or its
    // index is not in the list.
    bool GetValueToPreset() override;
    virtual bool ConvertFromPresetIndex(int32_t index);
    // Rebuilds the list from the PPD's marks; an item is enabled exactly
    // when the choice it stands for is not in conflict.
    int32_t UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    // Marks before the constraint lists run; on refusal the previous item
    // comes back and the lists see no change.
    bool UIEventHandler() override;
    // The base simulation, then the item shown becomes the UI value.
    bool SimulationUIEventHandler() override;
    bool SetControlValueToUI() override;
    // Neither disabled nor hidden.
    virtual bool ToGetSummaryText();
    int32_t GetSummaryText(SummaryDictionary* dictionary, SummaryOrder* order) override;
    // The choice keyword of the current value; nullptr when out of range.
    const char* GetUISelectStr();
    virtual int32_t GetIndexByControl(int32_t* index);
    int32_t GetSFStringArrayIndex(const char* choice);
    int32_t GetIndexByStr(const char* choice);

    // The choice list's entry that item stands for; nullptr for none.
    const PPDChoiceEntry* EntryOfItem(int32_t item) const;
    const std::vector<PPDChoiceEntry>& GetPPDInfoArray() const { return ctrlPPDInfoArrayRef; }
    const std::string& GetPPDMainKey() const { return kPPDMainKey; }
    const std::string& GetTitleText() const { return titleTextRef; }

protected:
    std::string kPPDMainKey;
    std::vector<PPDChoiceEntry> ctrlPPDInfoArrayRef;
    bool infoListCreated = false;
    const int32_t* ctrlIDTitleExPtr = nullptr;
    std::string titleTextRef;
};

// State 0 is the choice "False", state 1 the other one, whichever comes first.
class PPDCheckBox : public CheckBox {
public:
    PPDCheckBox(zqp::View* view, const char* ppdKey, const CheckBoxIniData* iniData, const ConstrainInfo* constrain,
                const AccessInfo* accessInfo, const zqp::PrefUser* usernamein);

    // The title from the PPD, the choice list, the default (1 for "True");
    // value blocks only when the title could be set.
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool InitializeTitle(zqp::Bundle* bundle) override;
    virtual bool SetPPD(ppd_file_t* ppd);
    bool RestorePPD(ppd_file_t* ppd) override;
    // Marks the choice the state maps to; true without asking when it maps
    // to none (an empty list, or an option with a single choice).
    virtual bool PPDMarkOptionByIndex(ppd_file_t* ppd, int32_t state);
    virtual bool GetDefaultValueFromPPD(const char* defaultChoice, int32_t* value);
    using CheckBox::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    virtual bool BaseSetValueToTicket(zqp::PrintSettings* settings, bool lock);
    int32_t Open() override;
    bool SetDefaultValueToUI() override;
    // The base simulation, then the state shown becomes the UI value.
    bool SimulationUIEventHandler() override;
    bool GetValueToPreset() override;
    bool SetControlValueToUI() override;
    // The constraint lists, then the mark; on refusal the state and the
    // lists go back.
    bool UIEventHandler() override;
    int32_t GetSummaryText(SummaryDictionary* dictionary, SummaryOrder* order) override;
    // Index in the choice list of a state; -1 when there is none.
    int32_t ChoiceIndexForState(int32_t state) const;

protected:
    std::string titleTextRef;
    std::string kPPDMainKey;
    std::vector<PPDChoiceEntry> ctrlPPDInfoArrayRef;
};

// A stepper whose value is the integer value of a choice keyword.
class PPDLittleArrayControl : public LittleArray {
public:
    PPDLittleArrayControl(zqp::View* view, const LittleArrayIniData* iniData, const char* ppdKey,
                          const ConstrainInfo* constrain, const AccessInfo* accessInfo,
                          const zqp::PrefUser* usernamein);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool GetValueToPreset() override;
    int32_t Open() override;
    // A press that does not move the stepper beeps and does nothing else.
    void RequestControlAction(zqp::View* sender) override;
    bool ToGetSummaryText() override;
    // The text of the value's choice under the option's title.
    int32_t GetSummaryText(SummaryDictionary* dictionary, SummaryOrder* order) override;
    // The choice (index in the choice list) a value stands for: here the
    // first whose keyword is that number; -1 for none. A subclass that maps
    // its values to choices otherwise says so here.
    virtual int32_t ChoiceOfValue(int32_t value) const;

protected:
    std::string kPPDMainKey;
    std::vector<PPDChoiceEntry> ctrlPPDInfoArrayRef;
};

// A slider over a numeric option; mapping positions to choices is the
// extension's.
class PPDSliderBarControl : public IntegerValueControl {
public:
    using BaseControl::CreateControl;
    void CreateControl(zqp::View* view, const char* ppdKey, const SliderBarIniData* iniData,
                       const ConstrainInfo* constrainArray, const AccessInfo* accessInfo,
                       const zqp::PrefUser* usernamein);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool SetControlValueToUI() override;
    bool SetExternalValueToUI(const void* value, int32_t size) override;
    char* GetValueFromUI() override;
    using BaseControl::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;

protected:
    zqp::Slider* SliderView() const;

    std::string kPPDMainKey;
    std::vector<PPDChoiceEntry> ctrlPPDInfoArrayRef;
    const SliderBarIniData* sliderBarIniDataPtr = nullptr;
};

// The title label of a PPD pop-up.
class PPDStaticTextCtrl : public StaticTextEditControl {
public:
    using StaticTextEditControl::CreateControl;
    void CreateControl(zqp::View* view, const char* ppdKey, const TextEditIniData* iniData,
                       const ConstrainInfo* constrain, const AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const TextEditFilterData* filterData);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // value: a UTF-8 text; false without text or view.
    bool SetExternalValueToUI(const void* value, int32_t size) override;
};

}  // namespace zqpde
