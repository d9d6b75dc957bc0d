#include "window_controls.h"

#include <zqp/bundle.h>
#include <zqp/view.h>

#include <cstdlib>

#include "zqpde/app_resources.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/ppd_util.h"
#include "zqpde/text_util.h"
#include "record_editing.h"

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

namespace {
class SPEditorOKButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override {
        if (auto* w = dynamic_cast<SPEditorWindowARK*>(ctrlParentPanelPtr)) w->Apply();
        return true;
    }
};
}  // namespace

std::string RecordField(const SPRecord& r, const char* key, const char* fallback) {
    auto it = r.find(key);
    return it == r.end() ? fallback : it->second;
}

zqp::View* SPEditorWindowARK::ViewOf(int32_t tag) const {
    zqp::Window* w = const_cast<SPEditorWindowARK*>(this)->GetWindowRef();
    zqp::View* root = w != nullptr ? w->contentView() : nullptr;
    return root != nullptr ? root->viewWithTag(tag) : nullptr;
}

void SPEditorWindowARK::AddLabel(int32_t tag, const char* key) {
    if (ViewOf(tag) == nullptr) return;
    auto c = std::make_unique<zqpde::StaticTextEditControl>();
    c->CreateControl(ViewOf(tag), nullptr, nullptr, nullptr, nullptr, nullptr, key);
    AddNewControl(std::move(c));
}

void SPEditorWindowARK::AddButtons(const ButtonTags& tags, const char* helpPage) {
    auto button = [&](std::unique_ptr<zqpde::BaseButton> b, int32_t tag, const char* title) {
        if (ViewOf(tag) == nullptr) return;
        b->CreateControl(ViewOf(tag), title);
        AddNewControl(std::move(b));
    };
    button(std::make_unique<SPEditorOKButtonARK>(), tags.ok, "Special Pages OK Btn");
    button(std::make_unique<SPCancelButCtrlARK>(), tags.cancel, "Special Pages CANCEL Btn");
    button(std::make_unique<SPRestoreButtonARK>(), tags.restore, "Special Pages RESTORE Btn");
    if (ViewOf(tags.help) != nullptr) {
        auto help = std::make_unique<SPHelpButtonARK>(helpPage);
        help->CreateControl(ViewOf(tags.help), nullptr);
        AddNewControl(std::move(help));
    }
}

SPSummaryScrollViewCtrl* SPEditorWindowARK::List() const {
    SPSummaryScrollViewCtrl* list = panel_ != nullptr ? panel_->getSPSummaryScrollViewCtrlPtr() : nullptr;
    return list != nullptr && list->recordList() != nullptr ? list : nullptr;
}

void SPEditorWindowARK::Hand(int32_t kind, const std::vector<SPRecord>& records) {
    if (SPSummaryScrollViewCtrl* list = List()) {
        panel_->toMakeChange();
        list->takeWindowRecords(kind, records);
    }
    ChangeActivedStatus(false);
    DeactivateWindow();
}

void SPEditorWindowARK::resetUserPaneTitle(int32_t mode) {
    const char* key = mode == 1 ? titles_.add : mode == 2 ? titles_.edit : nullptr;
    if (key == nullptr) return;
    // The key stays the window's, so a later re-initialisation keeps it.
    winTitleTextRef = key;
    InitializeUserPaneTitle(pdeBundleRef);
}

void SPEditorWindowARK::RestoreDefaultCustomSize(SPSubMenuListCtrlARK* paper) {
    if (paper == nullptr) return;
    paper->setDefaultCustomValue();
    const CustomSizeDefaults d = paper->DefaultCustomSize();
    paper->setCustomPageWidth(d.width);
    paper->setCustomPageLength(d.length);
}

void KeepShownCustomSize(const SPSubMenuListCtrlARK* popup, PaperValues& p) {
    if (popup == nullptr || !popup->doCustomSizeSetCheckByIndex(std::atoi(p.size.c_str()))) return;
    if (IsCustomSizeMillimetres(p.width) && IsCustomSizeMillimetres(p.length)) return;
    const CustomSizeDefaults d = popup->DefaultCustomSize();
    if (!IsCustomSizeMillimetres(p.width)) p.width = d.width;
    if (!IsCustomSizeMillimetres(p.length)) p.length = d.length;
    // The unit the window showed: the record's own, millimetres without one.
    if (p.unit != "0") p.unit = "1";
}

void AllowPaper(SPSubMenuListCtrlARK* popup, PaperValues& p, const std::vector<std::string>& duplex) {
    if (popup == nullptr) return;
    int32_t size = std::atoi(p.size.c_str()), color = std::atoi(p.color.c_str()), type = std::atoi(p.type.c_str());
    popup->AllowedRecordPaper(size, color, type, p.interposer, duplex);
    p.size = std::to_string(size);
    p.color = std::to_string(color);
    p.type = std::to_string(type);
    KeepShownCustomSize(popup, p);
}

void SPEditorWindowARK::AddJobSettingView(int32_t tag) {
    static const SPScrollViewIniData kJobViewIni = {"", ""};
    if (ViewOf(tag) == nullptr) return;
    auto c = std::make_unique<SPJobSettingScrollViewCtrlARK>();
    c->CreateControl(ViewOf(tag), "PageSize", "ZQMediaColor", "MediaType", tag, &kJobViewIni);
    AddNewControl(std::move(c));
}

SPPageSettingScrollViewCtrlARK* SPEditorWindowARK::AddPageView(std::unique_ptr<SPPageSettingScrollViewCtrlARK> view,
                                                               int32_t tag, const int32_t* paperTag) {
    static const SPScrollViewIniData kPageViewIni = {"", ""};
    if (ViewOf(tag) == nullptr) return nullptr;
    view->CreateControl(ViewOf(tag), "PageSize", "ZQMediaColor", "MediaType", tag, &kPageViewIni, paperTag);
    return AddNewControl(std::move(view));
}

void SPEditorWindowARK::TellMixedKinds(const PaperValues& shown) {
    SPAdvancedPaperWindow* advanced = panel_ != nullptr ? panel_->getAdvSeleWndPtr() : nullptr;
    if (advanced == nullptr) return;
    advanced->SetSizeStatus(shown.size == "-1" ? -1 : 0);
    advanced->SetColorStatus(shown.color == "-1" ? -1 : 0);
    advanced->SetTypeStatus(shown.type == "-1" ? -1 : 0);
}

void ShowPaperValues(SPSelectPaperListCtrlARK* paper, const PaperValues& v) {
    if (paper == nullptr) return;
    paper->setControlValue({std::atoll(v.size.c_str()), std::atoll(v.color.c_str()), std::atoll(v.type.c_str()),
                            v.interposer});
    paper->setCustomPageWidth(v.width);
    paper->setCustomPageLength(v.length);
    paper->setCustomPageSizeLongMeasure(std::atoi(v.unit.c_str()));
}

PaperValues PaperValuesOf(const SPSelectPaperListCtrlARK* paper) {
    PaperValues p;
    PaperChoiceValue v;
    if (paper == nullptr || !paper->getControlValue(&v)) return p;
    p.size = std::to_string(v.size);
    p.color = std::to_string(v.color);
    p.type = std::to_string(v.type);
    p.interposer = v.interposer;
    p.width = paper->getCustomPageWidth();
    p.length = paper->getCustomPageLength();
    p.unit = std::to_string(paper->getCustomPageSizeLongMeasure());
    return p;
}

}  // namespace zqsp
