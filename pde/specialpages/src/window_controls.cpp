#include "window_controls.h"

#include <zqp/bundle.h>
#include <zqp/view.h>

#include <cstdlib>

#include "zqpde/app_resources.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/ppd_util.h"
#include "zqpde/text_util.h"

namespace zqsp {

namespace {
// What the formatter hands to its field's typing: a text of up to 15 bytes.
constexpr size_t kHandOverMaxBytes = 15;
}  // namespace

SPTextEditFormatterARK::SPTextEditFormatterARK(const zqpde::TextEditFilterData* filter, const SPValueRange* range,
                                               uint32_t maxLength, zqpde::TextEditCtrl* field)
    : zqpde::TextEditFormatter(filter, maxLength), editValueRangeDataPtr(range), BrotherContrl(field) {}

bool SPTextEditFormatterARK::IsNumberValid(const std::string& text) {
    if (editValueRangeDataPtr == nullptr) return true;
    const long v = std::strtol(text.c_str(), nullptr, 10);
    return v >= editValueRangeDataPtr->minimum && v <= editValueRangeDataPtr->maximum;
}

bool SPTextEditFormatterARK::getObjectValue(std::string& object, const std::string& string, std::string*) {
    object = string;
    if (string == lastString) return true;
    std::string handed;
    if (IsNumberValid(string)) {
        lastString = string;
        // A longer text is handed over empty rather than cut.
        if (string.size() <= kHandOverMaxBytes) {
            handed = string;
            if (BrotherContrl != nullptr) BrotherContrl->OnRawKeyUp(handed.data());
        }
    }
    if (BrotherContrl != nullptr)
        BrotherContrl->setExternalValueToData(handed.c_str(), static_cast<int32_t>(handed.size()), 0);
    return true;
}

std::string FillRange(std::string text, const std::string& minimum, const std::string& maximum) {
    for (const auto& [mark, value] : {std::pair<std::string, std::string>{"[min]", minimum}, {"[max]", maximum}})
        for (size_t at = 0; (at = text.find(mark, at)) != std::string::npos; at += value.size())
            text.replace(at, mark.size(), value);
    return text;
}

SizeRange CustomSizeRange(ppd_file_t* ppd, int32_t longMeasure, int32_t sizeFlag) {
    double lo = 0, hi = 0;
    if (CustomSizePointsFromPPD(ppd, sizeFlag, lo, hi))
        return longMeasure == kUnitInch ? InchRangeFromPoints(lo, hi) : MillimetreRangeFromPoints(lo, hi);
    if (longMeasure == kUnitInch) return sizeFlag == kSizeLength ? kBuiltInInchLength : kBuiltInInchWidth;
    return sizeFlag == kSizeLength ? kBuiltInMillimetreLength : kBuiltInMillimetreWidth;
}

void SPStaticTextEditControlARK::CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData,
                                               const zqpde::ConstrainInfo* constrain,
                                               const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                                               const zqpde::TextEditFilterData* filterData, const char* summaryInfo,
                                               int32_t longMeasure, int32_t sizeFlag) {
    zqpde::StaticTextEditControl::CreateControl(view, iniData, constrain, accessInfo, usernamein, filterData,
                                                summaryInfo);
    longMeasure_ = longMeasure;
    sizeFlag_ = sizeFlag;
}

bool SPStaticTextEditControlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    ppd_ = ppd;
    return zqpde::StaticTextEditControl::InitializeCtrl(bundle, ppd);
}

bool SPStaticTextEditControlARK::InitializeTitle(zqp::Bundle* bundle) {
    if (summarytextRef.empty()) return false;
    const SizeRange r = CustomSizeRange(ppd_, longMeasure_, sizeFlag_);
    const bool inch = longMeasure_ == kUnitInch;
    const std::string text = FillRange(Localized(bundle, summarytextRef.c_str()),
                                       inch ? HundredthsText(r.minimum) : TenthsText(r.minimum),
                                       inch ? HundredthsText(r.maximum) : TenthsText(r.maximum));
    if (auto* label = dynamic_cast<zqp::TextField*>(ControlPtr)) label->setStringValue(text);
    return true;
}

}  // namespace zqsp
