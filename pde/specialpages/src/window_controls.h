#pragma once
// What the editor windows share beside the common buttons of
// summary_list.h: the number formatter of their fields and the label that
// shows a custom size range from the PPD.
#include <string>

#include "custom_size.h"
#include "zqcommon/inch_mm_text_edit.h"
#include "zqpde/standard_controls.h"
#include "summary_list.h"
#include "zqpde/text_entry.h"

namespace zqsp {

// A number range of a field (minimum, maximum).
using SPValueRange = zqcommon::InchMMValueRange;

// The formatter of the extension's number fields: an accepted text (up to
// 15 bytes) goes to its field's typing (OnRawKeyUp), and the field's shown
// data always follows (empty for a refused text). A text equal to the last
// accepted one changes nothing. The answer is always yes: the field's own
// check refuses the text when the window validates.
class SPTextEditFormatterARK : public zqpde::TextEditFormatter {
public:
    SPTextEditFormatterARK(const zqpde::TextEditFilterData* filter, const SPValueRange* range, uint32_t maxLength,
                           zqpde::TextEditCtrl* field);
    bool getObjectValue(std::string& object, const std::string& string, std::string* errorDescription) override;
    // The number of the text (atoi) within the range.
    virtual bool IsNumberValid(const std::string& text);
    const std::string& LastString() const { return lastString; }

protected:
    const SPValueRange* editValueRangeDataPtr;
    zqpde::TextEditCtrl* BrotherContrl;
    std::string lastString;
};

// The text of key with "[min]" and "[max]" replaced: a translated text is
// never used as a format.
std::string FillRange(std::string text, const std::string& minimum, const std::string& maximum);

// A label naming the custom size range of one dimension in one unit.
class SPStaticTextEditControlARK : public zqpde::StaticTextEditControl {
public:
    using zqpde::StaticTextEditControl::CreateControl;
    // unit: 1 millimetres, 0 inches; sizeFlag: 0 width, 1 length.
    void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const zqpde::TextEditFilterData* filterData, const char* summaryInfo, int32_t longMeasure,
                       int32_t sizeFlag);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool InitializeTitle(zqp::Bundle* bundle) override;

private:
    int32_t longMeasure_ = kUnitMillimetre;
    int32_t sizeFlag_ = kSizeWidth;
    ppd_file_t* ppd_ = nullptr;
};

// The range of one dimension in one unit: the PPD's, else the built-in one.
SizeRange CustomSizeRange(ppd_file_t* ppd, int32_t longMeasure, int32_t sizeFlag);

}  // namespace zqsp
