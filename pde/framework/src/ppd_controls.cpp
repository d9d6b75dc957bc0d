#include "zqpde/ppd_controls.h"

#include <zqp/host.h>
#include <zqp/utf8.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <algorithm>
#include <cstring>

#include "zqpde/base_print_panel.h"
#include "zqpde/constraint_hash.h"
#include "zqpde/number_text.h"

namespace zqpde {
namespace {

constexpr const char* kConflictTrue = "ConflictTrue";

std::string Cut(const std::string& s, size_t maxBytes) { return std::string(zqp::Utf8Prefix(s, maxBytes)); }

// Fills list from the PPD and the panel's hash; false (list left empty) when
// either or the key is missing.
bool FillChoiceList(BaseControl& c, ppd_file_t* ppd, const std::string& key, std::vector<PPDChoiceEntry>& list) {
    list.clear();
    BasePrintPanel* panel = c.GetParentPanel();
    ConstraintHash* hash = panel != nullptr ? panel->Geteppd() : nullptr;
    if (ppd == nullptr || hash == nullptr || key.empty()) return false;
    InitializeValueFromPPD(ppd, *hash, &list, key.c_str());
    return true;
}

// The option record and its PDEChoice array.
void KeepOption(BaseControl& c, ppd_file_t* ppd, const std::string& key) {
    ppd_option_t* option = ppd != nullptr && !key.empty() ? ppdFindOption(ppd, key.c_str()) : nullptr;
    c.setPPDOptions(option);
    c.setPPDChoices(ArrayFromPPDOption(option));
}

// Asks the panel's host to mark the choice.
bool AskHostToMark(BaseControl& c, const std::string& key, const PDEChoice& choice) {
    BasePrintPanel* panel = c.GetParentPanel();
    zqp::DialogHost* host = panel != nullptr ? panel->GetCurrentPDECallbackObj() : nullptr;
    return host != nullptr && host->willChangePPDOptionKeyValue(key, choice.ppdTitle());
}

ppd_file_t* PanelPPD(const BaseControl& c) {
    return c.GetParentPanel() != nullptr ? c.GetParentPanel()->GetCurrentPPD() : nullptr;
}

// The marked (else default) choice index of the control's option, when it
// names an entry of list; -1 otherwise.
int32_t PresetIndex(const BaseControl& c, const std::string& key, const std::vector<PPDChoiceEntry>& list) {
    ppd_file_t* ppd = PanelPPD(c);
    if (c.GetParentPanel() == nullptr || c.getPPDOptions() == nullptr || ppd == nullptr) return -1;
    const int index = GetIndexOfMarkedOptionWithKey(c.getPPDOptions(), ppd, key.c_str());
    // An index equal to the list's length names no entry either.
    return index >= 0 && static_cast<size_t>(index) < list.size() ? index : -1;
}

// The number a choice keyword stands for ("3" is 3), by the framework's one
// reading; nullopt for a keyword that is no number.
std::optional<int32_t> KeywordInt(const std::string& keyword) { return DecimalInt32(keyword); }

}  // namespace

// ---- PPDPopupControl -------------------------------------------------------------------

void PPDPopupControl::CreateControl(zqp::View* view, const char* ppdKey, const ListCtrlIniData* iniData,
                                    const ConstrainInfo* constrainArray, const AccessInfo* accessInfo,
                                    const zqp::PrefUser* usernamein, const int32_t* titleControl) {
    PopupControl::CreateControl(view, iniData, constrainArray, accessInfo, usernamein);
    kPPDMainKey = ppdKey != nullptr ? ppdKey : "";
    ctrlIDTitleExPtr = titleControl;
    ctrlPPDInfoArrayRef.clear();
    titleTextRef.clear();
}

bool PPDPopupControl::InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) {
    infoListCreated = true;
    if (!FillChoiceList(*this, ppd, kPPDMainKey, ctrlPPDInfoArrayRef)) return false;
    ReInitializeMenu(bundle);
    if (zqp::PopUpButton* p = PopUp()) p->selectItemAtIndex(0);
    if (!ctrlPPDInfoArrayRef.empty()) {
        std::optional<std::string> def = GetUIDefaultFromPPD(ppd, kPPDMainKey.c_str());
        int32_t value = 0;
        if (def && GetDefaultValueFromPPD(def->c_str(), &value)) {
            if (zqp::PopUpButton* p = PopUp()) p->selectItemAtIndex(0);
            defaultValue_ = value;  // this control's default; the shared table stays as it is
        }
        titleTextRef = GetUITitleFromPPD(ppd, kPPDMainKey.c_str()).value_or("");
        SetTitleWithCFStringEx(titleTextRef);
    }
    KeepOption(*this, ppd, kPPDMainKey);
    return true;
}

bool PPDPopupControl::ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t*) { return ReInitializeMenu(bundle); }

bool PPDPopupControl::ReInitializeMenu(zqp::Bundle*) {
    zqp::PopUpButton* p = PopUp();
    if (ctrlPPDInfoArrayRef.empty() || p == nullptr) return true;
    p->removeAllItems();
    for (const PPDChoiceEntry& e : ctrlPPDInfoArrayRef) p->addItemWithTitle(Cut(e[2], kPPDItemMaxBytes), Cut(e[1], kPPDItemMaxBytes));
    return true;
}

bool PPDPopupControl::SetTitleWithCFStringEx(const std::string& title) {
    if (title.empty() || ctrlIDTitleExPtr == nullptr || ctrlParentPanelPtr == nullptr) return false;
    BaseControl* label = ctrlParentPanelPtr->GetPanelControl(ctrlIDTitleExPtr);
    if (label == nullptr) return false;
    const std::string text = titleTextRef + ":";
    return label->SetExternalValueToUI(text.c_str(), static_cast<int32_t>(text.size()));
}

void PPDPopupControl::HideTitleCtrl() {
    if (ctrlIDTitleExPtr == nullptr || ctrlParentPanelPtr == nullptr) return;
    if (BaseControl* label = ctrlParentPanelPtr->GetPanelControl(ctrlIDTitleExPtr))
        if (label->GetControlPtr() != nullptr) label->GetControlPtr()->setHidden(true);
}

bool PPDPopupControl::SetPPD(ppd_file_t* ppd) {
    if (ppd == nullptr || kPPDMainKey.empty()) return false;
    zqp::PopUpButton* p = PopUp();
    const int32_t item = p != nullptr ? p->indexOfSelectedItem() : -1;
    if (item < 0) return true;
    return PPDMarkOptionByIndex(ppd, ChoiceOfItem(item));
}

bool PPDPopupControl::RestorePPD(ppd_file_t* ppd) {
    if (ppd == nullptr || kPPDMainKey.empty() || GetControlBlkPtr() == nullptr) return false;
    if (GetValue() < 1) return true;
    return PPDMarkOptionByIndex(ppd, ChoiceOfItem(ItemIndexOf(GetValue())));
}

bool PPDPopupControl::PPDMarkOptionByIndex(ppd_file_t* ppd, int32_t index) {
    if (ppd == nullptr || index < 0 || ctrlPPDInfoArrayRef.empty()) return true;
    if (static_cast<size_t>(index) >= m_paPPDChoices.size()) return true;
    return AskHostToMark(*this, kPPDMainKey, m_paPPDChoices[static_cast<size_t>(index)]);
}

bool PPDPopupControl::GetDefaultValueFromPPD(const char* defaultChoice, int32_t* value) {
    if (value != nullptr) *value = 0;
    if (defaultChoice == nullptr || value == nullptr) return false;
    // The default goes through the same mapping as every value, so a menu
    // that leaves a choice out still shows and marks the PPD's default.
    const int32_t item = ItemOfChoice(GetSFStringArrayIndex(defaultChoice));
    if (item < 0) return false;
    *value = item + 1;
    return true;
}

bool PPDPopupControl::SetValueToTicket(zqp::PrintSettings*, bool) { return true; }
bool PPDPopupControl::BaseSetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    return PopupControl::SetValueToTicket(settings, lock);
}

int32_t PPDPopupControl::Open() {
    if (ppd_file_t* ppd = PanelPPD(*this)) {
        UpdateConflictsPanelControlFromPPD(ppd);
        GetValueToPreset();
        SetControlValueToUI();
        SimulationUIEventHandler();
    }
    return 0;
}

bool PPDPopupControl::SetDefaultValueToUI() {
    if (!PopupControl::SetDefaultValueToUI() || ctrlParentPanelPtr == nullptr) return false;
    // A default the dialog marked is a change like a pick: the control
    // marks its value again when it writes, whatever the PPD holds by then.
    const bool marked = SetPPD(ctrlParentPanelPtr->GetCurrentPPD());
    if (marked) valueDidChange = true;
    return marked;
}

bool PPDPopupControl::GetValueToPreset() {
    const int32_t index = PresetIndex(*this, kPPDMainKey, ctrlPPDInfoArrayRef);
    return index >= 0 && ConvertFromPresetIndex(index);
}

bool PPDPopupControl::ConvertFromPresetIndex(int32_t index) {
    if (GetControlBlkPtr() == nullptr || !infoListCreated) return false;
    if (const int32_t item = ItemOfChoice(index); item >= 0) SetBlockInt(GetControlBlkPtr(), item + 1);
    return true;
}

int32_t PPDPopupControl::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) {
    if (!infoListCreated) return 0;
    FillChoiceList(*this, ppd, kPPDMainKey, ctrlPPDInfoArrayRef);
    zqp::PopUpButton* p = PopUp();
    if (p == nullptr) return 0;
    for (int i = 0; i < p->numberOfItems(); ++i)
        if (const PPDChoiceEntry* e = EntryOfItem(i))
            if (zqp::MenuItem* item = p->itemAtIndex(i)) item->enabled = (*e)[3] != kConflictTrue;
    return 0;
}

bool PPDPopupControl::UIEventHandler() {
    if (ppd_file_t* ppd = PanelPPD(*this)) {
        if (SetPPD(ppd)) {
            ctrlParentPanelPtr->UpdateConflictsPanelControlFromPPD(ppd);
            valueDidChange = true;
        } else if (zqp::PopUpButton* p = PopUp()) {
            p->selectItemAtIndex(std::max(BlockInt(GetValueFromUIDataBlk()) - 1, 0));
        }
    }
    return PopupControl::UIEventHandler();
}

bool PPDPopupControl::SimulationUIEventHandler() {
    PopupControl::SimulationUIEventHandler();
    // The UI value is the item now showing, as after a pick: a refused pick
    // comes back to it, not to the initial value.
    GetValueFromUI();
    return true;
}

bool PPDPopupControl::SetControlValueToUI() {
    zqp::PopUpButton* p = PopUp();
    if (p == nullptr) return true;
    const int before = p->indexOfSelectedItem();
    p->selectItemAtIndex(ItemIndexOf(GetValue()));
    if (p->indexOfSelectedItem() != before) valueDidChange = true;
    return true;
}

bool PPDPopupControl::ToGetSummaryText() { return ctrlConstrainCount <= 0 && ctrlHideCount < 1; }

int32_t PPDPopupControl::GetSummaryText(SummaryDictionary* dictionary, SummaryOrder* order) {
    if (!ToGetSummaryText() || dictionary == nullptr || order == nullptr || GetControlBlkPtr() == nullptr ||
        titleTextRef.empty())
        return 0;
    const PPDChoiceEntry* e = EntryOfItem(ItemIndexOf(GetValue()));
    if (e == nullptr) return 0;
    (*dictionary)[titleTextRef] = (*e)[2];
    order->push_back(titleTextRef);
    return 0;
}

const char* PPDPopupControl::GetUISelectStr() {
    const PPDChoiceEntry* e = EntryOfItem(ItemIndexOf(GetValue()));
    return e != nullptr ? (*e)[1].c_str() : nullptr;
}

int32_t PPDPopupControl::ChoiceOfItem(int32_t item) const {
    return item >= 0 && static_cast<size_t>(item) < ctrlPPDInfoArrayRef.size() ? item : -1;
}

int32_t PPDPopupControl::ItemOfChoice(int32_t choice) const {
    return choice >= 0 && static_cast<size_t>(choice) < ctrlPPDInfoArrayRef.size() ? choice : -1;
}

const PPDChoiceEntry* PPDPopupControl::EntryOfItem(int32_t item) const {
    const int32_t choice = ChoiceOfItem(item);
    return choice >= 0 && static_cast<size_t>(choice) < ctrlPPDInfoArrayRef.size()
               ? &ctrlPPDInfoArrayRef[static_cast<size_t>(choice)]
               : nullptr;
}

int32_t PPDPopupControl::GetIndexByControl(int32_t* index) { return index != nullptr ? *index : -1; }

int32_t PPDPopupControl::GetSFStringArrayIndex(const char* choice) {
    if (choice == nullptr) return -1;
    for (size_t i = 0; i < ctrlPPDInfoArrayRef.size(); ++i)
        if (ctrlPPDInfoArrayRef[i][1] == choice) return static_cast<int32_t>(i);
    return -1;
}

int32_t PPDPopupControl::GetIndexByStr(const char* choice) { return GetSFStringArrayIndex(choice); }

// ---- PPDCheckBox ------------------------------------------------------------------------

PPDCheckBox::PPDCheckBox(zqp::View* view, const char* ppdKey, const CheckBoxIniData* iniData,
                         const ConstrainInfo* constrain, const AccessInfo* accessInfo, const zqp::PrefUser* usernamein)
    : CheckBox(view, iniData, constrain, accessInfo, usernamein), kPPDMainKey(ppdKey != nullptr ? ppdKey : "") {}

bool PPDCheckBox::InitializeTitle(zqp::Bundle*) {
    if (titleTextRef.empty()) return false;
    if (zqp::Button* b = ButtonView()) b->setTitle(titleTextRef);
    return true;
}

bool PPDCheckBox::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    titleTextRef = ppd != nullptr && !kPPDMainKey.empty() ? GetUITitleFromPPD(ppd, kPPDMainKey.c_str()).value_or("") : "";
    const bool titled = InitializeTitle(bundle);
    if (FillChoiceList(*this, ppd, kPPDMainKey, ctrlPPDInfoArrayRef)) {
        std::optional<std::string> def = GetUIDefaultFromPPD(ppd, kPPDMainKey.c_str());
        int32_t value = 0;
        if (def && GetDefaultValueFromPPD(def->c_str(), &value)) defaultValue_ = value;
    }
    if (titled) AllocateBlocks(kNumberBlockSize);
    KeepOption(*this, ppd, kPPDMainKey);
    return true;
}

int32_t PPDCheckBox::ChoiceIndexForState(int32_t state) const {
    if (state < 0 || ctrlPPDInfoArrayRef.empty()) return -1;
    const bool falseFirst = ctrlPPDInfoArrayRef[0][1] == "False";
    const int32_t index = (state == 0) == falseFirst ? 0 : 1;
    // An option with one choice has no second one to mark.
    return static_cast<size_t>(index) < ctrlPPDInfoArrayRef.size() ? index : -1;
}

bool PPDCheckBox::SetPPD(ppd_file_t* ppd) {
    if (ppd == nullptr || kPPDMainKey.empty()) return false;
    GetValueFromUI();
    const int32_t state = BlockInt(GetValueFromUIDataBlk());
    if (state < 0) return true;
    return PPDMarkOptionByIndex(ppd, state);
}

bool PPDCheckBox::RestorePPD(ppd_file_t* ppd) {
    if (ppd == nullptr || kPPDMainKey.empty() || GetControlBlkPtr() == nullptr) return false;
    if (GetValue() < 0) return true;
    return PPDMarkOptionByIndex(ppd, GetValue());
}

bool PPDCheckBox::PPDMarkOptionByIndex(ppd_file_t* ppd, int32_t state) {
    const int32_t index = ChoiceIndexForState(state);
    if (ppd == nullptr || index < 0 || static_cast<size_t>(index) >= m_paPPDChoices.size()) return true;
    return AskHostToMark(*this, kPPDMainKey, m_paPPDChoices[static_cast<size_t>(index)]);
}

bool PPDCheckBox::GetDefaultValueFromPPD(const char* defaultChoice, int32_t* value) {
    if (defaultChoice == nullptr || value == nullptr || ctrlPPDInfoArrayRef.empty()) return false;
    *value = std::strcmp(defaultChoice, "True") == 0 ? 1 : 0;
    return true;
}

bool PPDCheckBox::SetValueToTicket(zqp::PrintSettings*, bool) { return true; }
bool PPDCheckBox::BaseSetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    return CheckBox::SetValueToTicket(settings, lock);
}

int32_t PPDCheckBox::Open() {
    if (PanelPPD(*this) != nullptr) {
        GetValueToPreset();
        SetControlValueToUI();
        SimulationUIEventHandler();
    }
    return 0;
}

bool PPDCheckBox::SetDefaultValueToUI() {
    if (!CheckBox::SetDefaultValueToUI() || ctrlParentPanelPtr == nullptr) return false;
    // The constraint lists follow the default shown before the mark reads
    // the view into the UI value: after that, the simulated event of a
    // restore would see no change, and what the box switches off would stay
    // as the previous state left it.
    CheckBox::UIEventHandler();
    const bool marked = SetPPD(ctrlParentPanelPtr->GetCurrentPPD());
    if (marked) valueDidChange = true;
    return marked;
}

bool PPDCheckBox::SimulationUIEventHandler() {
    CheckBox::SimulationUIEventHandler();
    // The state now showing, so that a refused click goes back to it.
    GetValueFromUI();
    return true;
}

bool PPDCheckBox::GetValueToPreset() {
    if (PresetIndex(*this, kPPDMainKey, ctrlPPDInfoArrayRef) < 0 || GetControlBlkPtr() == nullptr) return false;
    if (ppd_choice_t* marked = ppdFindMarkedChoice(PanelPPD(*this), kPPDMainKey.c_str()))
        SetBlockInt(GetControlBlkPtr(), std::strcmp(marked->choice, "True") == 0 ? 1 : 0);
    return true;
}

bool PPDCheckBox::SetControlValueToUI() {
    zqp::Button* b = ButtonView();
    if (b == nullptr) return true;
    if (b->state() != GetValue()) valueDidChange = true;
    b->setState(GetValue());
    return true;
}

bool PPDCheckBox::UIEventHandler() {
    const int32_t previous = std::max(BlockInt(GetValueFromUIDataBlk()), 0);
    CheckBox::UIEventHandler();
    ppd_file_t* ppd = PanelPPD(*this);
    if (ppd == nullptr) return true;
    if (SetPPD(ppd)) {
        ctrlParentPanelPtr->UpdateConflictsPanelControlFromPPD(ppd);
        valueDidChange = true;
    } else if (zqp::Button* b = ButtonView()) {
        // The lists already followed the new state: put the state back and
        // let them follow it back, so the counts stay balanced.
        b->setState(previous);
        CheckBox::UIEventHandler();
        GetValueFromUI();
    }
    return true;
}

int32_t PPDCheckBox::GetSummaryText(SummaryDictionary* dictionary, SummaryOrder* order) {
    if (dictionary == nullptr || order == nullptr || GetControlBlkPtr() == nullptr || titleTextRef.empty()) return 0;
    const int32_t index = ChoiceIndexForState(GetValue());
    if (index < 0) return 0;
    (*dictionary)[titleTextRef] = Cut(ctrlPPDInfoArrayRef[static_cast<size_t>(index)][2], kPPDSummaryMaxBytes);
    order->push_back(titleTextRef);
    return 0;
}

// ---- PPDLittleArrayControl -----------------------------------------------------------------

PPDLittleArrayControl::PPDLittleArrayControl(zqp::View* view, const LittleArrayIniData* iniData, const char* ppdKey,
                                             const ConstrainInfo* constrain, const AccessInfo* accessInfo,
                                             const zqp::PrefUser* usernamein)
    : kPPDMainKey(ppdKey != nullptr ? ppdKey : "") {
    LittleArrayControl(view, iniData, constrain, accessInfo, usernamein, nullptr);
    lastValue = 0;
}

bool PPDLittleArrayControl::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    if (!LittleArray::InitializeCtrl(bundle, ppd)) return false;
    if (ppd != nullptr) {
        FillChoiceList(*this, ppd, kPPDMainKey, ctrlPPDInfoArrayRef);
        if (!kPPDMainKey.empty() && !ctrlPPDInfoArrayRef.empty()) {
            // A default the stepper cannot show leaves the IniData's.
            if (std::optional<std::string> def = GetUIDefaultFromPPD(ppd, kPPDMainKey.c_str()))
                if (const std::optional<int32_t> v = KeywordInt(*def); v && AcceptsValue(*v)) defaultValue_ = *v;
            titleTextRef = GetUITitleFromPPD(ppd, kPPDMainKey.c_str()).value_or("");
        }
    }
    AllocateBlocks(kNumberBlockSize);
    if (littleArrayIniDataPtr != nullptr) SetRange(minimum_, maximum_);
    KeepOption(*this, ppd, kPPDMainKey);
    return true;
}

bool PPDLittleArrayControl::GetValueToPreset() {
    if (PresetIndex(*this, kPPDMainKey, ctrlPPDInfoArrayRef) < 0 || GetControlBlkPtr() == nullptr) return false;
    ppd_choice_t* marked = ppdFindMarkedChoice(PanelPPD(*this), kPPDMainKey.c_str());
    // A marked choice that is no value of the stepper gives its default.
    const std::optional<int32_t> v = marked != nullptr ? KeywordInt(marked->choice) : std::optional<int32_t>(0);
    if (!v || !AcceptsValue(*v)) return false;
    SetBlockInt(GetControlBlkPtr(), *v);
    if (marked != nullptr) lastValue = GetValue();
    return true;
}

int32_t PPDLittleArrayControl::Open() {
    if (PanelPPD(*this) != nullptr) {
        if (!GetValueToPreset()) SetControlValueToDefault();
        LittleArray::SetControlValueToUI();
        // What the stepper shows is its UI value and the value a press that
        // does not move it compares with.
        GetValueFromUI();
        if (zqp::Stepper* s = StepperView()) lastValue = s->integerValue();
    }
    return 0;
}

void PPDLittleArrayControl::RequestControlAction(zqp::View*) {
    zqp::Stepper* s = StepperView();
    if (s == nullptr) return;
    if (s->integerValue() == lastValue) {
        zqp::Beep();
        return;
    }
    UIEventHandler();
    lastValue = s->integerValue();
}

bool PPDLittleArrayControl::ToGetSummaryText() { return true; }

int32_t PPDLittleArrayControl::ChoiceOfValue(int32_t value) const {
    for (size_t i = 0; i < ctrlPPDInfoArrayRef.size(); ++i)
        if (KeywordInt(ctrlPPDInfoArrayRef[i][1]) == std::optional<int32_t>(value)) return static_cast<int32_t>(i);
    return -1;
}

int32_t PPDLittleArrayControl::GetSummaryText(SummaryDictionary* dictionary, SummaryOrder* order) {
    if (!ToGetSummaryText() || dictionary == nullptr || order == nullptr || titleTextRef.empty()) return 0;
    const int32_t choice = ChoiceOfValue(GetValue());
    if (choice < 0 || static_cast<size_t>(choice) >= ctrlPPDInfoArrayRef.size()) return 0;
    const std::string key = Cut(titleTextRef, kPPDSummaryMaxBytes);
    (*dictionary)[key] = Cut(ctrlPPDInfoArrayRef[static_cast<size_t>(choice)][2], kPPDSummaryMaxBytes);
    order->push_back(key);
    return 0;
}

// ---- PPDSliderBarControl -----------------------------------------------------------------

void PPDSliderBarControl::CreateControl(zqp::View* view, const char* ppdKey, const SliderBarIniData* iniData,
                                        const ConstrainInfo* constrainArray, const AccessInfo* accessInfo,
                                        const zqp::PrefUser* usernamein) {
    BaseControl::CreateControl(view);
    KeepTables(constrainArray, accessInfo, usernamein);
    kPPDMainKey = ppdKey != nullptr ? ppdKey : "";
    sliderBarIniDataPtr = iniData;
    KeepIniValues(iniData != nullptr, iniData ? iniData->defaultData : 0, iniData ? iniData->iniData : 0);
}

zqp::Slider* PPDSliderBarControl::SliderView() const { return dynamic_cast<zqp::Slider*>(ControlPtr); }

bool PPDSliderBarControl::InitializeCtrl(zqp::Bundle*, ppd_file_t* ppd) {
    if (zqp::Slider* s = SliderView(); s != nullptr && sliderBarIniDataPtr != nullptr) {
        s->setMinValue(sliderBarIniDataPtr->minimum);
        s->setMaxValue(sliderBarIniDataPtr->maximum);
    }
    FillChoiceList(*this, ppd, kPPDMainKey, ctrlPPDInfoArrayRef);
    AllocateBlocks(kNumberBlockSize);
    KeepOption(*this, ppd, kPPDMainKey);
    return true;
}

bool PPDSliderBarControl::SetControlValueToUI() {
    if (zqp::Slider* s = SliderView()) s->setIntegerValue(BlockInt(GetControlBlkPtr()));
    return true;
}

bool PPDSliderBarControl::SetExternalValueToUI(const void* value, int32_t) {
    zqp::Slider* s = SliderView();
    if (value == nullptr || s == nullptr || !s->isEnabled()) return true;
    int32_t v;
    std::memcpy(&v, value, sizeof v);
    s->setIntegerValue(v);
    return true;
}

char* PPDSliderBarControl::GetValueFromUI() {
    if (zqp::Slider* s = SliderView()) SetBlockInt(GetValueFromUIDataBlk(), s->integerValue());
    return GetValueFromUIDataBlk();
}

bool PPDSliderBarControl::SetValueToTicket(zqp::PrintSettings*, bool) { return true; }

// ---- PPDStaticTextCtrl ------------------------------------------------------------------------

void PPDStaticTextCtrl::CreateControl(zqp::View* view, const char*, const TextEditIniData* iniData,
                                      const ConstrainInfo* constrain, const AccessInfo* accessInfo,
                                      const zqp::PrefUser* usernamein, const TextEditFilterData* filterData) {
    StaticTextEditControl::CreateControl(view, iniData, constrain, accessInfo, usernamein, filterData, nullptr);
}

bool PPDStaticTextCtrl::InitializeCtrl(zqp::Bundle*, ppd_file_t*) { return true; }

bool PPDStaticTextCtrl::SetExternalValueToUI(const void* value, int32_t) {
    zqp::TextField* l = Label();
    if (value == nullptr || l == nullptr) return false;
    l->setStringValue(static_cast<const char*>(value));
    return true;
}

}  // namespace zqpde
