#include "custom_size_window.h"

#include <zqp/bundle.h>
#include <zqp/utf8.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <cstdlib>
#include <cstring>

#include "paper_popup.h"
#include "special_pages_ticket.h"
#include "zqpde/input_filter.h"
#include "zqpde/number_text.h"
#include "zqpde/text_entry.h"
#include "zqpde/text_util.h"

namespace zqsp {

// ---- formatters ---------------------------------------------------------------

bool SPCustomSizeMMTextEditFormatterARK::IsNumberValid(const std::string& text) {
    return editValueRangeDataPtr != nullptr &&
           IsSizeTextValid(text, 1, {editValueRangeDataPtr->minimum, editValueRangeDataPtr->maximum});
}

bool SPCustomSizeInchesTextEditFormatterARK::IsNumberValid(const std::string& text) {
    return editValueRangeDataPtr != nullptr &&
           IsSizeTextValid(text, 2, {editValueRangeDataPtr->minimum, editValueRangeDataPtr->maximum});
}

// ---- size fields --------------------------------------------------------------

void SPCustomSizeTextEditCtrl::CreateControl(zqp::View* view, int32_t sizeFlag, const zqpde::TextEditIniData* iniData,
                                             const zqpde::ConstrainInfo* constrain,
                                             const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                                             const zqpde::TextEditFilterData* filterData, const char* titleInfo,
                                             const zqcommon::InchMMValueRange* valueRange) {
    SPInchMMTextEditCtrlARK::CreateControl(view, iniData, constrain, accessInfo, usernamein, filterData, titleInfo,
                                           valueRange);
    m_customSize_flag = sizeFlag;
}

SPCustomSizeWndARK* SPCustomSizeTextEditCtrl::Window() const {
    return dynamic_cast<SPCustomSizeWndARK*>(ctrlParentPanelPtr);
}

std::string SPCustomSizeTextEditCtrl::UnitText(int32_t units) const {
    return Decimals() == 1 ? TenthsText(units) : HundredthsText(units);
}

int32_t SPCustomSizeTextEditCtrl::UnitsOfText(const std::string& text) const {
    return Decimals() == 1 ? MillimetreTenthsOfText(text) : InchHundredthsOfText(text);
}

bool SPCustomSizeTextEditCtrl::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    if (!SPInchMMTextEditCtrlARK::InitializeCtrl(bundle, ppd)) return false;
    double lo = 0, hi = 0;
    if (!CustomSizePointsFromPPD(ppd, m_customSize_flag, lo, hi)) return true;
    const SizeRange r = Decimals() == 1 ? MillimetreRangeFromPoints(lo, hi) : InchRangeFromPoints(lo, hi);
    inchMMEditValueRangeData = {r.minimum, r.maximum};
    // The limits and the default are this control's own; the shared tables
    // stay as they are.
    if (Decimals() == 1 && !r.contains(MillimetreTenthsOfText(defaultText_))) defaultText_ = TenthsText(r.minimum);
    return true;
}

void SPCustomSizeTextEditCtrl::ShowText(const std::string& text) {
    SetDisplayText(text);
    if (auto* field = dynamic_cast<zqp::TextField*>(ControlPtr)) field->setStringValue(text);
    if (!ctrlUIDataBlkPtr.empty()) setExternalValueToData(text.c_str(), static_cast<int32_t>(text.size()), 0);
    if (!ctrlDataBlkPtr.empty()) {
        std::fill(ctrlDataBlkPtr.begin(), ctrlDataBlkPtr.end(), 0);
        const std::string_view cut = zqp::Utf8Prefix(text, ctrlDataBlkPtr.size() - 1);
        std::memcpy(ctrlDataBlkPtr.data(), cut.data(), cut.size());
    }
}

bool SPCustomSizeTextEditCtrl::SetControlValueToUI() {
    SPCustomSizeWndARK* w = Window();
    if (w == nullptr || w->GetSubMenuList() == nullptr) return true;
    const std::string mm = w->ShownMillimetres(m_customSize_flag);
    const SizeRange own{inchMMEditValueRangeData.minimum, inchMMEditValueRangeData.maximum};
    if (Decimals() == 1) {
        ShowText(mm);
    } else {
        int32_t hundredths = InchHundredthsFromMillimetreText(mm);
        if (auto* partner = dynamic_cast<SPInchMMTextEditCtrlARK*>(GetTextEditForNumberEdit())) {
            const zqcommon::InchMMValueRange* pr = partner->getRangeDataPtr();
            hundredths = PlaceInPartnerRange(hundredths, MillimetreTenthsOfText(mm), {pr->minimum, pr->maximum}, own);
        }
        ShowText(UnitText(hundredths));
    }
    return true;
}

int32_t SPCustomSizeTextEditCtrl::Update() {
    if (GetHideCount() <= 0) return 0;
    auto* partner = dynamic_cast<SPCustomSizeTextEditCtrl*>(GetTextEditForNumberEdit());
    if (partner == nullptr) return 0;
    // The partner's display text, not its view's string: a stepper's step
    // reaches the view through its formatter, which hands the text over
    // (and so runs this update) before the view stores it.
    const std::string text = partner->DisplayText();
    const zqcommon::InchMMValueRange* pr = partner->getRangeDataPtr();
    const int32_t converted =
        Decimals() == 1 ? MillimetreTenthsFromInchText(text) : InchHundredthsFromMillimetreText(text);
    const int32_t units =
        PlaceInPartnerRange(converted, partner->UnitsOfText(text), {pr->minimum, pr->maximum},
                            {inchMMEditValueRangeData.minimum, inchMMEditValueRangeData.maximum});
    ShowText(UnitText(units));
    return 0;
}

int32_t SPCustomSizeTextEditCtrl::OnRawKeyUp(void* event) {
    const char* text = static_cast<const char*>(event);
    if (text == nullptr) return 0;
    SetDisplayText(text);
    if (auto* stepper = dynamic_cast<SPCustomSizeLittleArrowControl*>(GetLittleArrayForNumberEdit()))
        stepper->ShowValue(Decimals() == 1 ? MillimetreTenthsOfText(text) : InchHundredthsOfTypedText(text));
    DoControlUpdateConstrain();
    return 0;
}

bool SPCustomSizeTextEditCtrl::IsNumberValid(const std::string& text) {
    if (!BytesPassFilter(text)) return false;
    return IsSizeTextValid(text, Decimals(), {inchMMEditValueRangeData.minimum, inchMMEditValueRangeData.maximum});
}

bool SPCustomSizeTextEditCtrl::CorrectCtrlUI() {
    if (auto* stepper = dynamic_cast<zqpde::LittleArray*>(GetLittleArrayForNumberEdit())) {
        auto* view = dynamic_cast<zqp::Stepper*>(stepper->GetControlPtr());
        const int32_t v = view != nullptr ? view->integerValue() : stepper->GetValue();
        SetDisplayText(UnitText(v));
        if (auto* field = dynamic_cast<zqp::TextField*>(ControlPtr)) field->setStringValue(DisplayText());
    }
    GetValueFromUI();
    return true;
}

void SPCustomSizeTextEditCtrl::ShowErrMsg() {
    if (textEditFilterDataPtr == nullptr || textEditFilterDataPtr->errorMessageKey == nullptr) return;
    zqp::Bundle* bundle = PanelBundle();
    zqpde::BasePrintPanel* panel = ctrlParentPanelPtr;
    if (bundle == nullptr || panel == nullptr) return;
    const std::string text = FillRange(
        bundle->localizedString(textEditFilterDataPtr->errorMessageKey, zqp::kNoTranslation, panel->StringTable()),
        UnitText(inchMMEditValueRangeData.minimum), UnitText(inchMMEditValueRangeData.maximum));
    zqp::Alert alert;
    alert.addButtonWithTitle(Localized(bundle, "Alert OK Btn"));
    alert.setMessageText("");
    alert.setInformativeText(text);
    alert.setInformativeKey(textEditFilterDataPtr->errorMessageKey);
    alert.setAlertStyle(zqp::AlertStyle::kWarning);
    alert.setIconFromFile(bundle->resourcePath() + "/AlertIcon.png");
    alert.runModal();
    if (ControlPtr != nullptr)
        if (zqp::Window* w = ControlPtr->window()) w->makeFirstResponder(ControlPtr);
}

std::shared_ptr<zqp::Formatter> SPCustomSizeMMTextEditCtrlARK::CreateUnitFormatter() {
    return std::make_shared<SPCustomSizeMMTextEditFormatterARK>(textEditFilterDataPtr, getRangeDataPtr(),
                                                                textEditIniDataPtr->maxLength, this);
}

std::shared_ptr<zqp::Formatter> SPCustomSizeInchesTextEditCtrlARK::CreateUnitFormatter() {
    return std::make_shared<SPCustomSizeInchesTextEditFormatterARK>(textEditFilterDataPtr, getRangeDataPtr(),
                                                                    textEditIniDataPtr->maxLength, this);
}

// ---- steppers -----------------------------------------------------------------

void SPCustomSizeLittleArrowControl::CreateControl(zqp::View* view, int32_t sizeFlag,
                                                   const zqpde::LittleArrayIniData* iniData,
                                                   const zqpde::ConstrainInfo* constrain,
                                                   const zqpde::AccessInfo* accessInfo,
                                                   const zqp::PrefUser* usernamein, const char* titleStr,
                                                   const int32_t* validateArray) {
    SPInchMMLittleArrowControlARK::CreateControl(view, iniData, constrain, accessInfo, usernamein, titleStr,
                                                 validateArray);
    m_customSize_flag = sizeFlag;
}

SPCustomSizeWndARK* SPCustomSizeLittleArrowControl::Window() const {
    return dynamic_cast<SPCustomSizeWndARK*>(ctrlParentPanelPtr);
}

bool SPCustomSizeLittleArrowControl::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    double lo = 0, hi = 0;
    if (CustomSizePointsFromPPD(ppd, m_customSize_flag, lo, hi)) {
        const SizeRange r = Unit() == kUnitInch ? InchRangeFromPoints(lo, hi) : MillimetreRangeFromPoints(lo, hi);
        minimum_ = r.minimum;
        maximum_ = r.maximum;
        if (!r.contains(defaultValue_)) defaultValue_ = r.minimum;
    }
    return zqpde::LittleArray::InitializeCtrl(bundle, ppd);
}

void SPCustomSizeLittleArrowControl::ShowValue(int32_t value) {
    if (!ctrlDataBlkPtr.empty()) SetBlockInt(ctrlDataBlkPtr.data(), value);
    if (!ctrlUIDataBlkPtr.empty()) SetBlockInt(ctrlUIDataBlkPtr.data(), value);
    if (auto* view = dynamic_cast<zqp::Stepper*>(ControlPtr)) view->setIntegerValue(value);
    lastValue = value;
}

bool SPCustomSizeLittleArrowControl::SetControlValueToUI() {
    SPCustomSizeWndARK* w = Window();
    if (w == nullptr || w->GetSubMenuList() == nullptr) return true;
    const int32_t tenths = zqpde::GetMillimetreFromStr(w->ShownMillimetres(m_customSize_flag));
    const SizeRange range{minimum_, maximum_};
    ShowValue(range.clamp(Unit() == kUnitInch ? InchStepperFromMillimetreTenths(tenths) : tenths));
    return true;
}

int32_t SPCustomSizeLittleArrowControl::DoControlUpdateConstrain() {
    if (auto* field = dynamic_cast<SPCustomSizeTextEditCtrl*>(GetNumberEditFromLittleArrow())) {
        auto* view = dynamic_cast<zqp::Stepper*>(ControlPtr);
        const int32_t v = view != nullptr ? view->integerValue() : GetValue();
        field->ShowText(field->CutToEditMaxLength(Unit() == kUnitInch ? HundredthsText(v) : TenthsText(v)));
    }
    return zqpde::LittleArray::DoControlUpdateConstrain();
}

// ---- unit radios --------------------------------------------------------------

bool SPInchMMRadioButtonARK::SetExternalValueToUI(const void* value, int32_t) {
    if (value == nullptr || ControlPtr == nullptr) return false;
    int32_t v;
    std::memcpy(&v, value, sizeof v);
    if (zqp::Button* b = ButtonView()) b->setState(v);
    if (v > 0) {
        SetGrpcurRadio();
        // The other radio of the pair goes off; its simulation then hides its unit.
        if (zqpde::RadioButton* other = GetAnotherRadioCtrlFromGroup())
            if (auto* view = dynamic_cast<zqp::Button*>(other->GetControlPtr())) view->setState(0);
    }
    return true;
}

bool SPCustomSizeInchMMRadioButtonARK::SetControlValueToUI() {
    auto* w = dynamic_cast<SPCustomSizeWndARK*>(ctrlParentPanelPtr);
    CustomSizeHolder* popup = w != nullptr ? w->GetSubMenuList() : nullptr;
    if (popup == nullptr) return true;
    const int32_t unit = popup->getCustomPageSizeLongMeasure();
    if (unit == kUnitNotSet) {
        if (radiobuttonIniDataPtr != nullptr && radiobuttonIniDataPtr->defaultData > 0) {
            const int32_t on = 1;
            SetExternalValueToUI(&on, sizeof on);
        }
    } else if (unit == longMeasureFlag) {
        const int32_t on = 1;
        SetExternalValueToUI(&on, sizeof on);
    }
    return true;
}

// ---- OK -----------------------------------------------------------------------

bool SPCustomSizeOKButtonARK::UIEventHandler() {
    auto* w = dynamic_cast<SPCustomSizeWndARK*>(ctrlParentPanelPtr);
    if (w == nullptr) return true;
    w->SycValueFromUI();
    for (auto& c : *w->getCtrlGroupArrayRef())
        if (c && !c->InvalidateData()) return false;
    w->SetValueFromUIToControl();
    if (CustomSizeHolder* popup = w->GetSubMenuList()) {
        SPCustomSizeTextEditCtrl* width = w->getSPCustomSizeWidthMMTextEditCtrlPtr();
        SPCustomSizeTextEditCtrl* length = w->getSPCustomSizeLengthMMTextEditCtrlPtr();
        if (width != nullptr && length != nullptr) {
            std::string wText = width->DisplayText(), lText = length->DisplayText();
            zqpde::filterHeadZero(wText);
            zqpde::filterHeadZero(lText);
            popup->setCustomPageWidth(wText);
            popup->setCustomPageLength(lText);
            popup->setCustomPageSizeLongMeasure(w->getCustomPageSizeLongMeasure());
        }
    }
    w->ChangeActivedStatus(false);
    w->DeactivateWindow();
    return true;
}

// ---- the window ---------------------------------------------------------------

namespace {

using W = SPCustomSizeWndARK;

const int32_t kTags[] = {W::kWidthMMLabel,     W::kWidthInchLabel,  W::kWidthMM,          W::kWidthInch,
                         W::kWidthMMStepper,   W::kWidthInchStepper, W::kWidthMMUnit,     W::kWidthInchUnit,
                         W::kMMRadio,          W::kInchRadio,        W::kLengthMMLabel,   W::kLengthInchLabel,
                         W::kLengthMM,         W::kLengthInch,       W::kLengthMMStepper, W::kLengthInchStepper,
                         W::kLengthMMUnit,     W::kLengthInchUnit};
// Pointers to the tags above, as the constraint lists hold them.
constexpr const int32_t* T(int32_t tag) {
    for (const int32_t& t : kTags)
        if (t == tag) return &t;
    return nullptr;
}

const zqpde::TextEditFilterData kSizeFilter(const char* message) {
    return {{2, {{'.', '.'}, {'0', '9'}}}, {2, {{'.', '.'}, {'0', '9'}}}, message};
}
const zqpde::TextEditFilterData kWidthMMFilter = kSizeFilter("Message22_Millimeters_Width");
const zqpde::TextEditFilterData kLengthMMFilter = kSizeFilter("Message22_Millimeters_Length");
const zqpde::TextEditFilterData kWidthInchFilter = kSizeFilter("Message22_Inchs_Width");
const zqpde::TextEditFilterData kLengthInchFilter = kSizeFilter("Message22_Inchs_Length");

const zqpde::TextEditIniData kWidthMMIni = {nullptr, kDefaultCustomWidth, 1, 6};
const zqpde::TextEditIniData kLengthMMIni = {nullptr, kDefaultCustomLength, 1, 6};
const zqpde::TextEditIniData kWidthInchIni = {nullptr, "8.27", 1, 5};
const zqpde::TextEditIniData kLengthInchIni = {nullptr, "11.69", 1, 5};
const zqcommon::InchMMValueRange kWidthMMRange = {kBuiltInMillimetreWidth.minimum, kBuiltInMillimetreWidth.maximum};
const zqcommon::InchMMValueRange kLengthMMRange = {kBuiltInMillimetreLength.minimum, kBuiltInMillimetreLength.maximum};
const zqcommon::InchMMValueRange kWidthInchRange = {kBuiltInInchWidth.minimum, kBuiltInInchWidth.maximum};
const zqcommon::InchMMValueRange kLengthInchRange = {kBuiltInInchLength.minimum, kBuiltInInchLength.maximum};
const zqpde::LittleArrayIniData kWidthMMStep = {0, 2100, 2100, 1000, 3300, 1};
const zqpde::LittleArrayIniData kLengthMMStep = {0, 2970, 2970, 1480, 4880, 1};
const zqpde::LittleArrayIniData kWidthInchStep = {0, 827, 827, 394, 1299, 1};
const zqpde::LittleArrayIniData kLengthInchStep = {0, 1169, 1169, 583, 1921, 1};
const zqpde::RadioButtonIniData kInchRadioIni = {0, 0, 0, "Custom Size Inch Radio", nullptr};
const zqpde::RadioButtonIniData kMMRadioIni = {1, 1, 1, "Custom Size MM Radio", nullptr};

// Nothing of the window goes to the ticket or the preferences.
const zqpde::AccessInfo kTextAccess = {zqpde::kValueTypeText, zqpde::kValueTypeText, nullptr, nullptr};
const zqpde::AccessInfo kNumberAccess = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, nullptr, nullptr};

// A field updates its stepper, then its partner in the other unit; a
// stepper its field.
#define UPDATE_LIST(name, ...)                                                     \
    const int32_t* const name##Tags[] = {__VA_ARGS__, nullptr};                    \
    const zqpde::ConstrainTagList name##Lists[] = {name##Tags};                    \
    const zqpde::ConstrainInfo name = {{}, {}, zqpde::ConstrainListsOf(name##Lists)};
UPDATE_LIST(kWidthMMLinks, T(W::kWidthMMStepper), T(W::kWidthInch))
UPDATE_LIST(kWidthInchLinks, T(W::kWidthInchStepper), T(W::kWidthMM))
UPDATE_LIST(kLengthMMLinks, T(W::kLengthMMStepper), T(W::kLengthInch))
UPDATE_LIST(kLengthInchLinks, T(W::kLengthInchStepper), T(W::kLengthMM))
UPDATE_LIST(kWidthMMStepLinks, T(W::kWidthMM))
UPDATE_LIST(kWidthInchStepLinks, T(W::kWidthInch))
UPDATE_LIST(kLengthMMStepLinks, T(W::kLengthMM))
UPDATE_LIST(kLengthInchStepLinks, T(W::kLengthInch))
#undef UPDATE_LIST

// While a unit radio is off, its unit's views are hidden.
const int32_t* const kInchViews[] = {T(W::kWidthInchLabel),  T(W::kWidthInch),      T(W::kWidthInchStepper),
                                     T(W::kWidthInchUnit),   T(W::kLengthInchLabel), T(W::kLengthInch),
                                     T(W::kLengthInchStepper), T(W::kLengthInchUnit), nullptr};
const int32_t* const kMMViews[] = {T(W::kWidthMMLabel),  T(W::kWidthMM),      T(W::kWidthMMStepper),
                                   T(W::kWidthMMUnit),   T(W::kLengthMMLabel), T(W::kLengthMM),
                                   T(W::kLengthMMStepper), T(W::kLengthMMUnit), nullptr};
const int32_t* const kToMM[] = {T(W::kMMRadio), nullptr};
const int32_t* const kToInch[] = {T(W::kInchRadio), nullptr};
const zqpde::ConstrainTagList kInchHide[] = {kInchViews};
const zqpde::ConstrainTagList kMMHide[] = {kMMViews};
const zqpde::ConstrainTagList kInchUpdate[] = {kToMM, kToMM};
const zqpde::ConstrainTagList kMMUpdate[] = {kToInch, kToInch};
const zqpde::ConstrainInfo kInchRadioLinks = {{}, zqpde::ConstrainListsOf(kInchHide), zqpde::ConstrainListsOf(kInchUpdate)};
const zqpde::ConstrainInfo kMMRadioLinks = {{}, zqpde::ConstrainListsOf(kMMHide), zqpde::ConstrainListsOf(kMMUpdate)};
// A switch checks the fields of the unit being left.
const int32_t kMMFields[] = {W::kWidthMM, W::kLengthMM, 0};
const int32_t kInchFields[] = {W::kWidthInch, W::kLengthInch, 0};
const int32_t kWidthMMOnly[] = {W::kWidthMM, 0};
const int32_t kWidthInchOnly[] = {W::kWidthInch, 0};
const int32_t kLengthMMOnly[] = {W::kLengthMM, 0};
const int32_t kLengthInchOnly[] = {W::kLengthInch, 0};

}  // namespace

SPCustomSizeWndARK::SPCustomSizeWndARK(zqp::Window* window, const char* theWinTitleStr)
    : zqpde::PopupWinInPanel(window, theWinTitleStr) {
    CreateControls();
}

SPCustomSizeWndARK::~SPCustomSizeWndARK() = default;

void SPCustomSizeWndARK::CreateControls() {
    zqp::Window* w = GetWindowRef();
    auto view = [w](int32_t tag) { return w != nullptr ? w->viewWithTag(tag) : nullptr; };
    auto field = [&](auto made, int32_t tag, int32_t flag, const zqpde::TextEditIniData* ini,
                     const zqpde::ConstrainInfo* links, const zqpde::TextEditFilterData* filter,
                     const zqcommon::InchMMValueRange* range) {
        made->CreateControl(view(tag), flag, ini, links, &kTextAccess, nullptr, filter, nullptr, range);
        return AddNewControl(std::move(made));
    };
    auto stepper = [&](auto made, int32_t tag, int32_t flag, const zqpde::LittleArrayIniData* ini,
                       const zqpde::ConstrainInfo* links, const int32_t* validate) {
        made->CreateControl(view(tag), flag, ini, links, &kNumberAccess, nullptr, nullptr, validate);
        AddNewControl(std::move(made));
    };
    auto label = [&](int32_t tag, const char* key) {
        auto c = std::make_unique<zqpde::StaticTextEditControl>();
        c->CreateControl(view(tag), nullptr, nullptr, nullptr, nullptr, nullptr, key);
        AddNewControl(std::move(c));
    };
    auto rangeLabel = [&](int32_t tag, const char* key, int32_t unit, int32_t flag) {
        auto c = std::make_unique<SPStaticTextEditControlARK>();
        c->CreateControl(view(tag), nullptr, nullptr, nullptr, nullptr, nullptr, key, unit, flag);
        AddNewControl(std::move(c));
    };
    auto button = [&](auto made, int32_t tag, const char* key) {
        made->CreateControl(view(tag), key);
        AddNewControl(std::move(made));
    };

    field(std::make_unique<SPCustomSizeInchesTextEditCtrlARK>(), kWidthInch, kSizeWidth, &kWidthInchIni,
          &kWidthInchLinks, &kWidthInchFilter, &kWidthInchRange);
    rangeLabel(kWidthInchLabel, "Custom Size Width Inches Static Text", kUnitInch, kSizeWidth);
    stepper(std::make_unique<SPCustomSizeInchesLittleArrowControlARK>(), kWidthInchStepper, kSizeWidth,
            &kWidthInchStep, &kWidthInchStepLinks, kWidthInchOnly);
    label(kWidthMMUnit, "Custom Size MM Side Static Text");
    label(kWidthInchUnit, "Custom Size Inch Side Static Text");
    field(std::make_unique<SPCustomSizeInchesTextEditCtrlARK>(), kLengthInch, kSizeLength, &kLengthInchIni,
          &kLengthInchLinks, &kLengthInchFilter, &kLengthInchRange);
    rangeLabel(kLengthInchLabel, "Custom Size Length Inches Static Text", kUnitInch, kSizeLength);
    stepper(std::make_unique<SPCustomSizeMMLittleArrowControlARK>(), kLengthMMStepper, kSizeLength, &kLengthMMStep,
            &kLengthMMStepLinks, kLengthMMOnly);
    stepper(std::make_unique<SPCustomSizeInchesLittleArrowControlARK>(), kLengthInchStepper, kSizeLength,
            &kLengthInchStep, &kLengthInchStepLinks, kLengthInchOnly);
    label(kLengthMMUnit, "Custom Size MM Side Static Text");
    label(kLengthInchUnit, "Custom Size Inch Side Static Text");

    SPCustomSizeInchMmGroupPtr = std::make_unique<zqpde::RadioGroup>();
    auto inch = std::make_unique<SPCustomSizeInchMMRadioButtonARK>(view(kInchRadio), &kInchRadioIni, &kInchRadioLinks,
                                                                   &kNumberAccess, nullptr, kMMFields, kUnitInch);
    auto mm = std::make_unique<SPCustomSizeInchMMRadioButtonARK>(view(kMMRadio), &kMMRadioIni, &kMMRadioLinks,
                                                                 &kNumberAccess, nullptr, kInchFields,
                                                                 kUnitMillimetre);
    if ((inchRadio_ = AddNewControl(std::move(inch))) != nullptr)
        SPCustomSizeInchMmGroupPtr->RunTimeAddNewControl(inchRadio_);
    if (auto* m = AddNewControl(std::move(mm))) SPCustomSizeInchMmGroupPtr->RunTimeAddNewControl(m);

    button(std::make_unique<SPCustomSizeOKButtonARK>(), kOKButton, "Special Pages OK Btn");
    button(std::make_unique<SPCancelButCtrlARK>(), kCancelButton, "Special Pages CANCEL Btn");
    button(std::make_unique<SPRestoreButtonARK>(), kRestoreButton, "Special Pages RESTORE Btn");
    auto help = std::make_unique<SPHelpButtonARK>("SpecialPagesCustom.htm");
    help->CreateControl(view(kHelpButton), nullptr);
    AddNewControl(std::move(help));

    stepper(std::make_unique<SPCustomSizeMMLittleArrowControlARK>(), kWidthMMStepper, kSizeWidth, &kWidthMMStep,
            &kWidthMMStepLinks, kWidthMMOnly);
    widthMM_ = field(std::make_unique<SPCustomSizeMMTextEditCtrlARK>(), kWidthMM, kSizeWidth, &kWidthMMIni,
                     &kWidthMMLinks, &kWidthMMFilter, &kWidthMMRange);
    rangeLabel(kWidthMMLabel, "Custom Size Width MM Static Text", kUnitMillimetre, kSizeWidth);
    lengthMM_ = field(std::make_unique<SPCustomSizeMMTextEditCtrlARK>(), kLengthMM, kSizeLength, &kLengthMMIni,
                      &kLengthMMLinks, &kLengthMMFilter, &kLengthMMRange);
    rangeLabel(kLengthMMLabel, "Custom Size Length MM Static Text", kUnitMillimetre, kSizeLength);
}

std::string PaperPopupCustomSize::getCustomPageWidth() const { return popup_ ? popup_->getCustomPageWidth() : "-1"; }
std::string PaperPopupCustomSize::getCustomPageLength() const { return popup_ ? popup_->getCustomPageLength() : "-1"; }
int32_t PaperPopupCustomSize::getCustomPageSizeLongMeasure() const {
    return popup_ ? popup_->getCustomPageSizeLongMeasure() : kUnitNotSet;
}
void PaperPopupCustomSize::setCustomPageWidth(const std::string& text) {
    if (popup_) popup_->setCustomPageWidth(text);
}
void PaperPopupCustomSize::setCustomPageLength(const std::string& text) {
    if (popup_) popup_->setCustomPageLength(text);
}
void PaperPopupCustomSize::setCustomPageSizeLongMeasure(int32_t unit) {
    if (popup_) popup_->setCustomPageSizeLongMeasure(unit);
}

void CustomSizeCopy::copyFrom(const CustomSizeHolder& from) {
    width_ = from.getCustomPageWidth();
    length_ = from.getCustomPageLength();
    unit_ = from.getCustomPageSizeLongMeasure();
}

void CustomSizeCopy::copyTo(CustomSizeHolder& to) const {
    to.setCustomPageWidth(width_);
    to.setCustomPageLength(length_);
    to.setCustomPageSizeLongMeasure(unit_);
}

void SPCustomSizeWndARK::SetSubMenuList(SPSubMenuListCtrlARK* popup) {
    popupHolder_.bind(popup);
    m_pSubMenuList = popup != nullptr ? &popupHolder_ : nullptr;
}

CustomSizeDefaults SPCustomSizeWndARK::DefaultCustomSize() const {
    CustomSizeDefaults d;
    if (widthMM_ != nullptr)
        if (const auto* text = static_cast<const char*>(widthMM_->GetDefaultDataBlk())) d.width = text;
    if (lengthMM_ != nullptr)
        if (const auto* text = static_cast<const char*>(lengthMM_->GetDefaultDataBlk())) d.length = text;
    return d;
}

std::string SPCustomSizeWndARK::ShownMillimetres(int32_t sizeFlag) const {
    const bool length = sizeFlag == kSizeLength;
    if (m_pSubMenuList != nullptr) {
        const std::string own = length ? m_pSubMenuList->getCustomPageLength() : m_pSubMenuList->getCustomPageWidth();
        if (IsCustomSizeMillimetres(own)) return own;
    }
    const CustomSizeDefaults d = DefaultCustomSize();
    return length ? d.length : d.width;
}

int32_t SPCustomSizeWndARK::getCustomPageSizeLongMeasure() const {
    return inchRadio_ != nullptr && inchRadio_->GetValue() == 1 ? kUnitInch : kUnitMillimetre;
}

int32_t SPCustomSizeWndARK::ActivateWindow() {
    zqp::Window* w = GetWindowRef();
    if (w == nullptr) return 0;
    // Hide and disable counts start afresh, so the unit shown follows the radios.
    ResetCurrentControlStatus();
    zqcommon::ForgetUnitRadios(fCtrlGroupArray);
    ChangeActivedStatus(true);
    SetCurrentValueToUI();
    zqp::Application::Shared().runModalForWindow(*w);
    return 0;
}

}  // namespace zqsp
