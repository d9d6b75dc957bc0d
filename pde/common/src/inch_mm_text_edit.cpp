#include "zqcommon/inch_mm_text_edit.h"

#include <zqp/utf8.h>
#include <zqp/view.h>

#include <algorithm>
#include <cstring>

#include "zqpde/base_print_panel.h"
#include "zqpde/input_filter.h"

namespace zqcommon {

void InchMMTextEditCtrl::CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData,
                                       const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                                       const zqp::PrefUser* usernamein, const zqpde::TextEditFilterData* filterData,
                                       const char* titleInfo, const InchMMValueRange* valueRange) {
    zqpde::TextEditCtrl::CreateControl(view, iniData, constrain, accessInfo, usernamein, filterData);
    titletextRef = titleInfo != nullptr ? titleInfo : "";
    if (valueRange != nullptr) inchMMEditValueRangeData = *valueRange;
}

bool InchMMTextEditCtrl::ToValidate() {
    if (ControlPtr == nullptr || ControlPtr->isHidden() || !ControlPtr->isEnabled()) return false;
    return GetValueFromUI() != nullptr;
}

bool InchMMTextEditCtrl::CheckNumber(bool alert, bool emptyPasses) {
    if (!ToValidate()) return true;
    auto fail = [&] {
        if (alert) ShowErrMsg();
        return false;
    };
    if (!PreInvalidateData()) return fail();
    const std::string text = GetUIData() != nullptr ? std::string(GetUIData()) : std::string();
    if (text.empty()) return emptyPasses ? true : fail();
    if (textEditIniDataPtr != nullptr) {
        const auto width = static_cast<uint32_t>(std::max(ctrlDataSize, 0));
        if (width < textEditIniDataPtr->minLength || width > textEditIniDataPtr->maxLength) return fail();
    }
    return IsNumberValid(text) ? true : fail();
}

bool InchMMTextEditCtrl::InvalidateData() { return CheckNumber(true, false); }
bool InchMMTextEditCtrl::InvalidateDataAndReturnError() { return CheckNumber(false, true); }
bool InchMMTextEditCtrl::IsNumberValid(const std::string&) { return true; }

void InchMMTextEditCtrl::OnLostFocus() {
    Update();
    DoControlUpdateConstrain();
}

int32_t InchMMTextEditCtrl::GetEditMaxLength() {
    return textEditIniDataPtr != nullptr ? static_cast<int32_t>(textEditIniDataPtr->maxLength) : 0;
}

std::string InchMMTextEditCtrl::CutToEditMaxLength(std::string text) {
    if (const int32_t max = GetEditMaxLength(); max > 0 && text.size() > static_cast<size_t>(max))
        text.resize(static_cast<size_t>(max));
    return text;
}

bool InchMMTextEditCtrl::BytesPassFilter(const std::string& text) const {
    if (textEditFilterDataPtr == nullptr) return true;
    for (unsigned char c : text)
        if (!zqpde::ISByteValid(c, &textEditFilterDataPtr->byteFilter)) return false;
    return true;
}

zqpde::BaseControl* InchMMTextEditCtrl::UpdateListControl(size_t position) {
    if (ctrlConstrainControlArray == nullptr || ctrlParentPanelPtr == nullptr) return nullptr;
    zqpde::ConstrainTagList list =
        ctrlConstrainControlArray->updateLists.at(std::max(GetCurrentControlArrayNumber(), 0));
    if (list == nullptr) return nullptr;
    for (size_t i = 0; i <= position; ++i)
        if (list[i] == nullptr) return nullptr;
    return ctrlParentPanelPtr->GetPanelControl(list[position]);
}

zqpde::BaseControl* InchMMTextEditCtrl::GetLittleArrayForNumberEdit() { return UpdateListControl(0); }
zqpde::BaseControl* InchMMTextEditCtrl::GetTextEditForNumberEdit() { return UpdateListControl(1); }

bool InchMMTextEditCtrl::InitializeCtrlFormat() {
    if (textEditFilterDataPtr == nullptr || textEditIniDataPtr == nullptr) return true;
    if (auto* field = dynamic_cast<zqp::TextField*>(ControlPtr))
        if (auto formatter = CreateUnitFormatter()) field->setFormatter(std::move(formatter));
    return true;
}

std::string InchMMTextEditCtrl::DisplayText() const {
    return std::string(pDisplay_.data(), strnlen(pDisplay_.data(), pDisplay_.size()));
}

void InchMMTextEditCtrl::SetDisplayText(const std::string& text) {
    pDisplay_.fill(0);
    const std::string_view cut = zqp::Utf8Prefix(text, kInchMMDisplayMaxBytes);
    std::memcpy(pDisplay_.data(), cut.data(), cut.size());
}

}  // namespace zqcommon
