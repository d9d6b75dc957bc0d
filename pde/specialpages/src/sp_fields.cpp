#include "sp_fields.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include <zqp/bundle.h>

#include "zqpde/number_text.h"
#include "zqpde/ppd_util.h"

namespace zqsp {

std::string FillPlaceholders(const std::string& text, std::initializer_list<std::string> values) {
    std::string out;
    auto value = values.begin();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && value != values.end() &&
            (text[i + 1] == '@' || text[i + 1] == 's' || text[i + 1] == 'd')) {
            out += *value++;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

SPTextEditFormatterARK::SPTextEditFormatterARK(const zqpde::TextEditFilterData* filter, SPTextEditValueRange range,
                                               uint32_t maxLength, SPTextEditCtrlARK* brother)
    : zqpde::TextEditFormatter(filter, maxLength), range_(range), brother_(brother) {}

bool SPTextEditFormatterARK::IsNumberValid(const std::string& text) const {
    if (text.empty()) return false;
    const long v = std::atol(text.c_str());
    return v >= range_.minimum && v <= range_.maximum;
}

bool SPTextEditFormatterARK::getObjectValue(std::string& object, const std::string& string, std::string*) {
    object = string;
    if (string == lastAccepted_) return true;
    if (IsNumberValid(string)) {
        lastAccepted_ = string;
        std::string first = string.substr(0, 4);
        if (brother_ != nullptr) brother_->OnRawKeyUp(&first);
    } else if (brother_ != nullptr) {
        brother_->OnRawKeyUp(nullptr);
    }
    return true;
}

void SPTextEditCtrlARK::CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData,
                                      const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                                      const zqp::PrefUser* usernamein, const zqpde::TextEditFilterData* filterData,
                                      const SPTextEditValueRange& range) {
    zqpde::TextEditCtrl::CreateControl(view, iniData, constrain, accessInfo, usernamein, filterData);
    range_ = range;
}

bool SPTextEditCtrlARK::InitializeCtrlFormat() {
    if (textEditFilterDataPtr != nullptr && textEditIniDataPtr != nullptr)
        if (zqp::TextField* f = Field())
            f->setFormatter(std::make_shared<SPTextEditFormatterARK>(textEditFilterDataPtr, range_,
                                                                     textEditIniDataPtr->maxLength, this));
    return true;
}

int32_t SPTextEditCtrlARK::OnRawKeyUp(void* event) {
    char* block = GetValueFromUIDataBlk();
    if (block == nullptr) return 0;
    const std::string text = event != nullptr ? *static_cast<const std::string*>(event) : std::string();
    const size_t n = std::min(text.size(), static_cast<size_t>(zqpde::kTextBlockSize - 1));
    std::fill(block, block + zqpde::kTextBlockSize, '\0');
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n), block);
    setDataBlkSize(static_cast<int32_t>(n));
    return 0;
}

void SPStaticTextEditControlARK::CreateControl(zqp::View* view, const char* summaryInfo, int32_t unit, int32_t size) {
    zqpde::StaticTextEditControl::CreateControl(view, nullptr, nullptr, nullptr, nullptr, nullptr, summaryInfo);
    unit_ = unit;
    size_ = size;
}

bool SPStaticTextEditControlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    ppd_ = ppd;
    return zqpde::StaticTextEditControl::InitializeCtrl(bundle, ppd);
}

bool SPStaticTextEditControlARK::InitializeTitle(zqp::Bundle* bundle) {
    if (summarytextRef.empty()) return false;
    std::string low, high;
    ppd_attr_t* attr =
        ppd_ != nullptr ? zqpde::ppdFindAttr_ALT_SPEC(ppd_, "ParamCustomPageSize", size_ == 0 ? "Width" : "Height")
                        : nullptr;
    if (attr != nullptr && attr->value != nullptr) {
        std::vector<std::string> fields;
        std::istringstream in(attr->value);
        for (std::string f; in >> f;) fields.push_back(f);
        if (fields.size() >= 4) {
            const double minimum = std::atof(fields[2].c_str()), maximum = std::atof(fields[3].c_str());
            if (unit_ == 1) {
                zqpde::TransformPointByType(&low, minimum, 1, 1);
                zqpde::TransformPointByType(&high, maximum, 1, 1);
            } else {
                zqpde::TransformPointByType(&low, minimum + 1, 2, 0);
                zqpde::TransformPointByType(&high, maximum - 1, 2, 0);
            }
        }
    }
    const std::string text = FillPlaceholders(Localized(bundle, summarytextRef.c_str()), {low, high});
    return SetExternalValueToUI(text.c_str(), static_cast<int32_t>(text.size()));
}

}  // namespace zqsp
