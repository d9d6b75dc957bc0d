#pragma once
// The unit-number text field: a length typed in millimetres with one
// decimal or in inches with two, kept as an integer in the field's unit
// (tenths of a millimetre, hundredths of an inch) within a range. The field
// is shared by the extensions that enter lengths; each extension brings its
// own formatter and its own number rules (CreateUnitFormatter,
// IsNumberValid), because what they hand over and accept differs.
//
// A field's update list names, for its current value, its stepper first and
// its partner field in the other unit second.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "zqpde/standard_controls.h"

namespace zqp {
class Formatter;
}

namespace zqcommon {

struct InchMMValueRange {
    int32_t minimum = 0;
    int32_t maximum = 0;
};

// The display text holds at most this many bytes (a 24-byte block with its
// terminator).
inline constexpr size_t kInchMMDisplayMaxBytes = 23;

class InchMMTextEditCtrl : public zqpde::TextEditCtrl {
public:
    using zqpde::TextEditCtrl::CreateControl;
    // The framework's field creation; keeps the title key and copies the
    // range when one is given.
    void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const zqpde::TextEditFilterData* filterData, const char* titleInfo,
                       const InchMMValueRange* valueRange);

    // Only a field that is neither hidden nor disabled and reads a value
    // from its view is checked.
    virtual bool ToValidate();
    // A field ToValidate leaves out passes; otherwise a non-empty text whose
    // width lies within the IniData limits and that IsNumberValid accepts,
    // else the alert and false.
    bool InvalidateData() override;
    // The same without the alert; an empty text passes.
    bool InvalidateDataAndReturnError() override;
    // The extension's number rules for a text; true here.
    virtual bool IsNumberValid(const std::string& text);
    // Update, then the update list.
    virtual void OnLostFocus();
    // The IniData maximum length; 0 without IniData.
    virtual int32_t GetEditMaxLength();
    // The text cut to GetEditMaxLength bytes when that is above 0 (the
    // field's texts are ASCII digits and points).
    std::string CutToEditMaxLength(std::string text);
    // The first and second control of the current update list; nullptr when
    // the list or the control is missing.
    zqpde::BaseControl* GetLittleArrayForNumberEdit();
    zqpde::BaseControl* GetTextEditForNumberEdit();
    // Attaches CreateUnitFormatter's formatter when filter and IniData exist.
    bool InitializeCtrlFormat() override;
    InchMMValueRange* getRangeDataPtr() { return &inchMMEditValueRangeData; }
    // The display text (at most kInchMMDisplayMaxBytes, cut at a character
    // boundary).
    char* GetCorrectedData() override { return pDisplay_.data(); }
    std::string DisplayText() const;
    void SetDisplayText(const std::string& text);
    const std::string& TitleKey() const { return titletextRef; }

protected:
    // The extension's formatter for this field; nullptr: none attached.
    virtual std::shared_ptr<zqp::Formatter> CreateUnitFormatter() { return nullptr; }
    zqpde::BaseControl* UpdateListControl(size_t position);
    // Every byte of the text lies in the filter's byte ranges (true without
    // a filter).
    bool BytesPassFilter(const std::string& text) const;
    bool CheckNumber(bool alert, bool emptyPasses);

    std::string titletextRef;
    InchMMValueRange inchMMEditValueRangeData;
    std::array<char, kInchMMDisplayMaxBytes + 1> pDisplay_{};
};

}  // namespace zqcommon
