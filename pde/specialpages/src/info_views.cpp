#include "info_views.h"

#include <zqp/bundle.h>
#include <zqp/view.h>

#include "paper_popup.h"
#include "sp_services.h"
#include "zqpde/app_resources.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/ppd_util.h"

namespace zqsp {

namespace {

std::string OptionText(ppd_file_t* ppd, const std::string& keyword) {
    return ppd != nullptr ? zqpde::GetUITitleFromPPD(ppd, keyword.c_str()).value_or("") : "";
}

std::string ChoiceText(ppd_option_t* option, int index) {
    const auto choices = zqpde::ArrayFromPPDOption(option);
    return index >= 0 && static_cast<size_t>(index) < choices.size() ? choices[static_cast<size_t>(index)].userTitle()
                                                                     : "";
}

std::string ColorKey(ppd_file_t* ppd, const char* key) {
    return ppd != nullptr ? zqpde::FixPPDKeywordAccordingToType(ppd, key) : key;
}

}  // namespace

void SPScrollViewCtrlARK::CreateControl(zqp::View* view, int32_t controlTag, const SPScrollViewIniData* iniData) {
    zqpde::BaseControl::CreateControl(view);
    if (view != nullptr) view->setTag(controlTag);
    scrollViewIniDataPtr = iniData;
}

zqp::TextView* SPScrollViewCtrlARK::Text() const { return dynamic_cast<zqp::TextView*>(ControlPtr); }

const std::string& SPScrollViewCtrlARK::text() const {
    static const std::string none;
    return Text() != nullptr ? Text()->string() : none;
}

void SPScrollViewCtrlARK::ShowText(const std::string& text) {
    if (zqp::TextView* v = Text()) v->setString(text);
}

bool SPScrollViewCtrlARK::SetDefaultValueToUI() {
    if (scrollViewIniDataPtr == nullptr || scrollViewIniDataPtr->initialText == nullptr ||
        *scrollViewIniDataPtr->initialText == '\0')
        return false;
    ShowText(scrollViewIniDataPtr->initialText);
    return true;
}

void SPScrollViewCtrlARK::Disable() {
    if (ctrlConstrainCount >= 0) enableTextView(false);
    ++ctrlConstrainCount;
}

void SPScrollViewCtrlARK::Enable() {
    if (ctrlConstrainCount <= 1) enableTextView(true);
    --ctrlConstrainCount;
}

void SPScrollViewCtrlARK::ResetStatus() {
    zqpde::BaseControl::ResetStatus();
    enableTextView(true);
}

void SPScrollViewCtrlARK::enableTextView(bool enabled) {
    if (zqp::TextView* v = Text()) v->setTextColor(enabled ? zqp::kControlTextColor : zqp::kDisabledTextColor);
}

void SPJobSettingScrollViewCtrlARK::CreateControl(zqp::View* view, const char* ppdKeySize, const char* ppdKeyColor,
                                                  const char* ppdKeyType, int32_t, const SPScrollViewIniData*) {
    zqpde::BaseControl::CreateControl(view);
    if (ppdKeySize != nullptr) KPPDKeySize = ppdKeySize;
    if (ppdKeyColor != nullptr) KPPDKeyColor = ppdKeyColor;
    if (ppdKeyType != nullptr) KPPDKeyType = ppdKeyType;
}

bool SPJobSettingScrollViewCtrlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    zqpde::BaseControl::InitializeCtrl(bundle, ppd);
    ppd_ = ppd;
    return ppd != nullptr && KPPDKeySize != nullptr && KPPDKeyColor != nullptr && KPPDKeyType != nullptr;
}

std::optional<std::string> SPJobSettingScrollViewCtrlARK::getJobInfomationFromPPD() {
    ppd_file_t* ppd = ctrlParentPanelPtr != nullptr && ctrlParentPanelPtr->GetCurrentPPD() != nullptr
                          ? ctrlParentPanelPtr->GetCurrentPPD()
                          : ppd_;
    if (ppd == nullptr) return std::nullopt;
    const std::string keys[3] = {KPPDKeySize, ColorKey(ppd, KPPDKeyColor), KPPDKeyType};
    ppd_option_t* options[3];
    int index[3];
    for (int k = 0; k < 3; ++k) {
        options[k] = ppdFindOption(ppd, keys[k].c_str());
        index[k] = zqpde::GetIndexOfMarkedOptionWithKey(options[k], ppd, keys[k].c_str());
        if (options[k] == nullptr || index[k] < 0) return std::nullopt;
    }
    std::string text;
    for (int k = 0; k < 3; ++k) {
        if (ppdFindMarkedChoice(ppd, keys[k].c_str()) == nullptr) continue;
        text += OptionText(ppd, keys[k]) + ": " + ChoiceText(options[k], index[k]) + (k < 2 ? "\n" : "");
    }
    JobSettingStr = text;
    return JobSettingStr;
}

bool SPJobSettingScrollViewCtrlARK::SetControlValueToUI() {
    if (auto text = getJobInfomationFromPPD()) ShowText(*text);
    return true;
}

bool SPJobSettingScrollViewCtrlARK::SetDefaultValueToUI() { return SetControlValueToUI(); }

void SPPageSettingScrollViewCtrlARK::CreateControl(zqp::View* view, const char* ppdKeySize, const char* ppdKeyColor,
                                                   const char* ppdKeyType, int32_t controlTag,
                                                   const SPScrollViewIniData* iniData, const int32_t* popupTag) {
    SPScrollViewCtrlARK::CreateControl(view, controlTag, iniData);
    if (ppdKeySize != nullptr) KPPDKeySize = ppdKeySize;
    if (ppdKeyColor != nullptr) KPPDKeyColor = ppdKeyColor;
    if (ppdKeyType != nullptr) KPPDKeyType = ppdKeyType;
    selectPageControlPtr = popupTag;
}

bool SPPageSettingScrollViewCtrlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    zqpde::BaseControl::InitializeCtrl(bundle, ppd);
    KPPDSizeStr = OptionText(ppd, KPPDKeySize);
    KPPDColorStr = OptionText(ppd, ColorKey(ppd, KPPDKeyColor));
    KPPDTypeStr = OptionText(ppd, KPPDKeyType);
    interposerTitle_.clear();
    if (ppd_option_t* o = ppd != nullptr ? ppdFindOption(ppd, "ZQUncollateSeparator") : nullptr)
        for (const zqpde::PDEChoice& c : zqpde::ArrayFromPPDOption(o))
            if (c.ppdTitle() == "INT") interposerTitle_ = c.userTitle();
    return true;
}

void SPPageSettingScrollViewCtrlARK::getPageInfomation() {
    auto* popup = selectPageControlPtr != nullptr && ctrlParentPanelPtr != nullptr
                      ? dynamic_cast<SPSelectPaperListCtrlARK*>(ctrlParentPanelPtr->GetPanelControl(selectPageControlPtr))
                      : nullptr;
    const zqp::Bundle* bundle = PanelBundle() != nullptr ? PanelBundle() : zqpde::pluginBundle;
    if (popup == nullptr || bundle == nullptr) return;
    auto localized = [&](const char* key) {
        const std::string t = Localized(bundle, key);
        return t == zqp::kNoTranslation ? std::string("not found") : t;
    };
    PaperChoiceValue value;
    popup->getControlValue(&value);
    std::string text;
    if (value.interposer) {
        text = (interposerTitle_.empty() ? localized("ZQUncollateSeparator-INT") : interposerTitle_) + "\n";
    } else {
        const std::pair<int, int64_t> kinds[3] = {{kSizeKind, value.size}, {kColorKind, value.color}, {kTypeKind, value.type}};
        const std::string* optionTexts[3] = {&KPPDSizeStr, &KPPDColorStr, &KPPDTypeStr};
        for (int k = 0; k < 3; ++k) {
            const std::string title = popup->getSelectedMenuItemTitle(kinds[k].first, static_cast<int32_t>(kinds[k].second));
            if (!title.empty() && !optionTexts[k]->empty()) text += *optionTexts[k] + ": " + title + "\n";
        }
        if (text.empty()) text = localized("No Change Infomation");
    }
    ShowText(text);
}

bool SPPageSettingScrollViewCtrlARK::SetDefaultValueToUI() {
    getPageInfomation();
    return true;
}

bool SPPageSettingScrollViewCtrlARK::SetControlValueToUI() {
    getPageInfomation();
    return true;
}

int32_t SPPageSettingScrollViewCtrlARK::Update() {
    getPageInfomation();
    return 0;
}

void SPCoverPageSettingScrollViewCtrlARK::getCoversPageInfomation() {
    const int option = SelectedCoverOption(dynamic_cast<SPCoversWindowServices*>(ctrlParentPanelPtr));
    if (option < 0) return;
    const bool shown = option == kFrontBackSame || option == kFrontBackDifferent ||
                       option == (page_ == 0 ? kFrontOnly : kBackOnly);
    if (shown) SPPageSettingScrollViewCtrlARK::getPageInfomation();
    else SetNULLValueToUI();
}

}  // namespace zqsp
