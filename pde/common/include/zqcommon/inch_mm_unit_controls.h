#pragma once
// The controls around a unit-number field (InchMMTextEditCtrl): the little
// stepper beside it and the pair of unit radios that show one unit's
// fields. The extensions that enter lengths share them and name them their
// own way; what a stepper shows in its field stays the extension's.
#include <cstdint>
#include <memory>
#include <vector>

#include "zqpde/standard_controls.h"

namespace zqpde {
class BasePrintPanel;
}

namespace zqcommon {

// Tags ending at 0 (nullptr: none) as a list.
std::vector<int32_t> TagList(const int32_t* tags);

// Every control of the panel named in tags validates (a failing one shows
// its own alert); a tag with no control passes, and so does a null panel.
bool ValidateTaggedControls(zqpde::BasePrintPanel* panel, const std::vector<int32_t>& tags);

// A stepper bound to a field: a click counts only while the fields of its
// validate list are valid, moves within the stepper's range and changes the
// value; otherwise the stepper goes back to its last value (with a beep for
// a click that went nowhere).
class InchMMLittleArrowControl : public zqpde::LittleArray {
public:
    using zqpde::LittleArray::CreateControl;
    // validateArray: tags, 0-terminated (may be nullptr).
    void CreateControl(zqp::View* view, const zqpde::LittleArrayIniData* iniData,
                       const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                       const zqp::PrefUser* usernamein, const char* titleStr, const int32_t* validateArray);
    // The framework's, then the value is the last one and the field follows.
    bool SetControlValueToUI() override;
    void RequestControlAction(zqp::View* sender) override;
    int32_t Update() override { return 0; }
    bool InvalidateRelateControlData();
    // The first control of the update list (the field).
    zqpde::BaseControl* GetNumberEditFromLittleArrow();

protected:
    std::vector<int32_t> ControlValidateArray;
};

// A unit radio: it switches only when the fields of the unit it leaves (its
// validate list) are valid; otherwise both radios stay as they were. A unit
// is never remembered in the preferences.
class InchMMRadioButton : public zqpde::RadioButton {
public:
    InchMMRadioButton(zqp::View* view, const zqpde::RadioButtonIniData* iniData, const zqpde::ConstrainInfo* constrain,
                      const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                      const int32_t* validateArray);
    bool UIEventHandler() override;
    bool ValidateConstrains();
    bool GetValueFromPreference() override { return false; }
    // The next simulation applies the radio's hide lists afresh.
    void ForgetShownState();

protected:
    std::vector<int32_t> validateControlArray;
};

// The unit radios among a window's controls forget what they showed, so
// the unit shown next follows the radios whatever was shown before.
void ForgetUnitRadios(const std::vector<std::unique_ptr<zqpde::BaseControl>>& controls);

}  // namespace zqcommon
