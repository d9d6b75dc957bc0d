#include "zqcommon/inch_mm_unit_controls.h"

#include <zqp/view.h>
#include <zqp/window.h>

#include "zqpde/base_print_panel.h"
#include "zqpde/os_version.h"

namespace zqcommon {

std::vector<int32_t> TagList(const int32_t* tags) {
    std::vector<int32_t> list;
    for (; tags != nullptr && *tags != 0; ++tags) list.push_back(*tags);
    return list;
}

bool ValidateTaggedControls(zqpde::BasePrintPanel* panel, const std::vector<int32_t>& tags) {
    if (panel == nullptr) return true;
    for (const int32_t& tag : tags)
        if (zqpde::BaseControl* c = panel->GetPanelControl(&tag); c != nullptr && !c->InvalidateData()) return false;
    return true;
}

// ---- the stepper ------------------------------------------------------------------

void InchMMLittleArrowControl::CreateControl(zqp::View* view, const zqpde::LittleArrayIniData* iniData,
                                             const zqpde::ConstrainInfo* constrain,
                                             const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                                             const char* titleStr, const int32_t* validateArray) {
    LittleArrayControl(view, iniData, constrain, accessInfo, usernamein, titleStr);
    ControlValidateArray = TagList(validateArray);
}

bool InchMMLittleArrowControl::SetControlValueToUI() {
    zqpde::LittleArray::SetControlValueToUI();
    lastValue = GetValue();
    SimulationUIEventHandler();
    return true;
}

bool InchMMLittleArrowControl::InvalidateRelateControlData() {
    return ValidateTaggedControls(ctrlParentPanelPtr, ControlValidateArray);
}

void InchMMLittleArrowControl::RequestControlAction(zqp::View*) {
    auto* view = dynamic_cast<zqp::Stepper*>(ControlPtr);
    if (view == nullptr) return;
    const int32_t value = view->integerValue();
    if (!InvalidateRelateControlData()) {
        view->setIntegerValue(lastValue);
        return;
    }
    if (value < minimum_ || value > maximum_ || value == lastValue) {
        view->setIntegerValue(lastValue);
        zqp::Beep();
        return;
    }
    const bool shown = SetExternalValueToUI(&value, sizeof value);
    // Kept before the field follows: a field that hands its text back to
    // the stepper then leaves the stepper as the text reads.
    lastValue = value;
    if (shown) {
        GetValueFromUI();
        UIEventHandler();
    }
}

zqpde::BaseControl* InchMMLittleArrowControl::GetNumberEditFromLittleArrow() {
    if (ctrlConstrainControlArray == nullptr || ctrlParentPanelPtr == nullptr) return nullptr;
    zqpde::ConstrainTagList list = ctrlConstrainControlArray->updateLists.at(0);
    if (list == nullptr || list[0] == nullptr) return nullptr;
    return ctrlParentPanelPtr->GetPanelControl(list[0]);
}

// ---- the unit radios ----------------------------------------------------------------

InchMMRadioButton::InchMMRadioButton(zqp::View* view, const zqpde::RadioButtonIniData* iniData,
                                     const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                                     const zqp::PrefUser* usernamein, const int32_t* validateArray)
    : zqpde::RadioButton(view, iniData, constrain, accessInfo, usernamein),
      validateControlArray(TagList(validateArray)) {}

void InchMMRadioButton::ForgetShownState() {
    if (!ctrlUIDataBlkPtr.empty()) SetBlockInt(ctrlUIDataBlkPtr.data(), -1);
}

bool InchMMRadioButton::ValidateConstrains() {
    return ValidateTaggedControls(ctrlParentPanelPtr, validateControlArray);
}

bool InchMMRadioButton::UIEventHandler() {
    const int32_t stored = BlockInt(GetValueFromUIDataBlk());
    if (ViewState() == stored) return true;
    if (ValidateConstrains()) return zqpde::RadioButton::UIEventHandler();
    // Refused: both radios back as they were.
    if (zqp::Button* b = ButtonView()) b->setState(stored);
    if (zqpde::OSVersionCode() >= 0x1080)
        if (zqpde::RadioButton* other = GetAnotherRadioCtrlFromGroup())
            if (auto* view = dynamic_cast<zqp::Button*>(other->GetControlPtr())) view->setState(stored != 0 ? 0 : 1);
    return false;
}

void ForgetUnitRadios(const std::vector<std::unique_ptr<zqpde::BaseControl>>& controls) {
    for (const auto& c : controls)
        if (auto* radio = dynamic_cast<InchMMRadioButton*>(c.get())) radio->ForgetShownState();
}

}  // namespace zqcommon
