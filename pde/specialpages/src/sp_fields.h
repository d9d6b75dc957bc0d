#pragma once
// Two small controls of the editor windows: the number field with a value
// range (the inserts window's quantity) and the custom-size range label.
#include <cstdint>
#include <memory>
#include <string>

#include <zqp/view.h>

#include "zqpde/standard_controls.h"
#include "zqpde/text_entry.h"

namespace zqsp {

struct SPTextEditValueRange {
    int32_t minimum, maximum;
};

// Fills the placeholders ("%@", "%s", "%d") of a translated text one after
// another with the values; the text is never used as a format.
std::string FillPlaceholders(const std::string& text, std::initializer_list<std::string> values);

class SPTextEditCtrlARK;

// Accepts every text; a text that is a number within the range (atoi, both
// ends included) and differs from the last one accepted is handed to the
// control (its first four characters), any other gives the control the
// empty text.
class SPTextEditFormatterARK : public zqpde::TextEditFormatter {
public:
    SPTextEditFormatterARK(const zqpde::TextEditFilterData* filter, SPTextEditValueRange range, uint32_t maxLength,
                           SPTextEditCtrlARK* brother);
    bool getObjectValue(std::string& object, const std::string& string, std::string* errorDescription) override;
    bool IsNumberValid(const std::string& text) const;

private:
    SPTextEditValueRange range_;
    SPTextEditCtrlARK* brother_;
    std::string lastAccepted_;
};

class SPTextEditCtrlARK : public zqpde::TextEditCtrl {
public:
    using zqpde::TextEditCtrl::CreateControl;
    void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const zqpde::TextEditFilterData* filterData, const SPTextEditValueRange& range);
    bool InitializeCtrlFormat() override;
    // event: the accepted text (a std::string), or nullptr for none.
    int32_t OnRawKeyUp(void* event) override;
    const SPTextEditValueRange& range() const { return range_; }

private:
    SPTextEditValueRange range_ = {0, 0};
};

// The custom-size window's range label: its translated text with the
// smallest and the largest width (size 0) or length (size 1) the PPD's
// "ParamCustomPageSize" allows, in millimetres (unit 1, one decimal) or
// inches (unit 0, two decimals, a point inside each end).
class SPStaticTextEditControlARK : public zqpde::StaticTextEditControl {
public:
    using zqpde::StaticTextEditControl::CreateControl;
    void CreateControl(zqp::View* view, const char* summaryInfo, int32_t unit, int32_t size);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool InitializeTitle(zqp::Bundle* bundle) override;

private:
    int32_t unit_ = 1;
    int32_t size_ = 0;
    ppd_file_t* ppd_ = nullptr;
};

}  // namespace zqsp
