// The controls of the watermark edit window: number fields with their
// steppers and sliders kept in step, the offsets in inches and millimetres,
// the radios that refuse a switch while a related field is invalid, the
// name, text and picture fields, the colour well and the font pop-up.
#include <zqp/bundle.h>
#include <zqp/panels.h>
#include <zqp/picture.h>
#include <zqp/text.h>
#include <zqp/utf8.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "watermark_edit.h"
#include "watermark_fonts.h"
#include "zqpde/app_resources.h"
#include "zqpde/os_version.h"
#include "zqpde/ppd_util.h"
#include "zqpde/text_util.h"

namespace zqwm {

namespace {

constexpr int32_t kRadioPartnerVersion = 0x1080;

bool AllIn(const std::string& text, const char* allowed) {
  for (char c : text)
    if (std::strchr(allowed, c) == nullptr || c == '\0') return false;
  return true;
}

zqp::Bundle* BundleOf(const zqpde::BaseControl& c) {
  zqpde::BasePrintPanel* p = c.GetParentPanel();
  return p != nullptr ? p->GetPDEBundleRef() : nullptr;
}

std::string Localize(const zqp::Bundle* bundle, const std::string& key) {
  return bundle != nullptr ? bundle->localizedString(key, zqp::kNoTranslation) : std::string(zqp::kNoTranslation);
}

zqpde::BaseControl* ControlWithTag(zqpde::BasePrintPanel* panel, int32_t tag) {
  return panel != nullptr ? panel->GetPanelControl(&tag) : nullptr;
}

// The n-th control of the control's first update list; nullptr when none.
zqpde::BaseControl* UpdateEntry(zqpde::BaseControl& c, const zqpde::ConstrainInfo* info, size_t n) {
  if (info == nullptr) return nullptr;
  zqpde::ConstrainTagList list = info->updateLists.at(0);
  for (size_t i = 0; list != nullptr && list[i] != nullptr; ++i)
    if (i == n) return ControlWithTag(c.GetParentPanel(), *list[i]);
  return nullptr;
}

}  // namespace

// ---- number texts -------------------------------------------------------------------------

bool IsPlainNumberValid(const std::string& text, const ValueRange& range) {
  if (text.empty() || !AllIn(text, "0123456789")) return false;
  const long v = std::atol(text.substr(0, 9).c_str());
  return v >= range.minimum && v <= range.maximum;
}

bool IsMillimetreTextValid(const std::string& text, const ValueRange& range) {
  if (!AllIn(text, "-0123456789")) return false;
  const size_t minus = text.find('-');
  if (minus != std::string::npos && (minus != 0 || text.find('-', 1) != std::string::npos)) return false;
  if (text.size() > 9) return false;
  const int32_t v = std::atoi(text.c_str());
  if (minus != std::string::npos && v == 0) return false;
  return v >= range.minimum && v <= range.maximum;
}

int32_t TenthsOfInchText(const std::string& text) {
  if (text.empty() || text.size() > 9) return 0;
  return static_cast<int32_t>(std::lround(std::strtod(text.c_str(), nullptr) * 10));
}

bool IsInchTextValid(const std::string& text, const ValueRange& range) {
  if (!text.empty()) {
    if (!AllIn(text, "-.0123456789") || text.size() > 9) return false;
    if (text.front() == '.' || text.back() == '.') return false;
    const size_t dot = text.find('.');
    if (dot != std::string::npos && (text.find('.', dot + 1) != std::string::npos || dot + 2 != text.size()))
      return false;
    const size_t minus = text.find('-');
    if (minus != std::string::npos && (minus != 0 || text.find('-', 1) != std::string::npos)) return false;
    if (minus != std::string::npos && TenthsOfInchText(text) == 0) return false;
    if (text == "-") return false;
  }
  const int32_t v = TenthsOfInchText(text);
  return v >= range.minimum && v <= range.maximum;
}

std::string TenthsText(int32_t tenths) {
  const int64_t a = std::llabs(static_cast<int64_t>(tenths));
  return (tenths < 0 ? "-" : "") + std::to_string(a / 10) + "." + std::to_string(a % 10);
}

PositionRanges PositionRangesFor(const PaperRect& paper, int32_t orientation) {
  const bool landscape = orientation == 2 || orientation == 4;
  const double width = paper.right - paper.left, height = paper.bottom - paper.top;
  const double h = landscape ? height : width, v = landscape ? width : height;
  auto mm = [](double extent) {
    const int32_t half = static_cast<int32_t>(extent / 72 * 25.4 * 0.5 + 0.05);
    return ValueRange{-half, half};
  };
  auto inch = [](double extent) {
    const int32_t half = static_cast<int32_t>((extent / 72 * 0.5 + 0.05) * 10);
    return ValueRange{-half, half};
  };
  return {mm(h), mm(v), inch(h), inch(v)};
}

std::string MillimetreTextFromInches(const std::string& inchText, int32_t maximum) {
  const double v = std::strtod(inchText.c_str(), nullptr);
  int64_t mm = (std::llabs(std::llround(v * 25.4f * 10)) + 5) / 10;
  if (mm > maximum) mm = maximum;
  return (!inchText.empty() && inchText[0] == '-' ? "-" : "") + std::to_string(mm);
}

std::string InchTextFromMillimetres(const std::string& mmText, int32_t maximumTenths) {
  const double v = std::strtod(mmText.c_str(), nullptr);
  int64_t tenths = (std::llabs(std::llround(v / 2.54f * 10)) + 5) / 10;
  if (tenths > maximumTenths) tenths = maximumTenths;
  const std::string s = TenthsText(static_cast<int32_t>(tenths));
  return (!mmText.empty() && mmText[0] == '-' && tenths != 0 ? "-" : "") + s;
}

// ---- number fields ------------------------------------------------------------------------

void WMTextEditCtrlTELD::CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData,
                                       const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* access,
                                       const zqp::PrefUser* user, const zqpde::TextEditFilterData* filter,
                                       const ValueRange* range, NumberKind kind, int32_t positionType) {
  zqpde::TextEditCtrl::CreateControl(view, iniData, constrain, access, user, filter);
  if (range != nullptr) wmEditValueRangeData = *range;
  kind_ = kind;
  wmPositionType = positionType;
}

namespace {
// The position range of a field or stepper from the owning panel's sheet.
std::optional<ValueRange> SheetRange(const zqpde::BaseControl& c, NumberKind kind, int32_t positionType) {
  if (kind != NumberKind::kInches && kind != NumberKind::kMillimetres) return std::nullopt;
  LayoutPDETELDw15* panel = OwningWatermarkPanel(c);
  if (panel == nullptr) return std::nullopt;
  const int32_t o = panel->getOrientation();
  if (o < 1 || o > 4) return std::nullopt;
  const PositionRanges r = PositionRangesFor(panel->PMGetPhysicalPaperSize(), o);
  if (kind == NumberKind::kInches) return positionType == 0 ? r.hInch : r.vInch;
  return positionType == 0 ? r.hMM : r.vMM;
}
}  // namespace

bool WMTextEditCtrlTELD::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
  if (auto r = SheetRange(*this, kind_, wmPositionType)) wmEditValueRangeData = *r;
  return zqpde::TextEditCtrl::InitializeCtrl(bundle, ppd);
}

bool WMTextEditCtrlTELD::ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
  if (auto r = SheetRange(*this, kind_, wmPositionType)) wmEditValueRangeData = *r;
  return zqpde::TextEditCtrl::ReInitializeCtrl(bundle, ppd);
}

bool WMTextEditCtrlTELD::IsNumberValid(const std::string& text) const {
  switch (kind_) {
    case NumberKind::kInches: return IsInchTextValid(text, wmEditValueRangeData);
    case NumberKind::kMillimetres: return IsMillimetreTextValid(text, wmEditValueRangeData);
    default: return IsPlainNumberValid(text, wmEditValueRangeData);
  }
}

std::string WMTextEditCtrlTELD::Text() {
  zqp::TextField* f = Field();
  return f != nullptr ? f->stringValue() : std::string();
}

bool WMTextEditCtrlTELD::ToValidate() {
  return ctrlHideCount == 0 && ctrlConstrainCount == 0 && GetValueFromUI() != nullptr;
}

bool WMTextEditCtrlTELD::Check(bool alert) {
  if (!ToValidate()) return true;
  const std::string text = Text();
  bool ok = !text.empty() && textEditIniDataPtr != nullptr &&
            zqpde::GetStringLength(text) >= textEditIniDataPtr->minLength &&
            zqpde::GetStringLength(text) <= textEditIniDataPtr->maxLength && IsNumberValid(text);
  if (!ok && alert) ShowErrMsg();
  return ok;
}

bool WMTextEditCtrlTELD::InvalidateData() { return Check(true); }
bool WMTextEditCtrlTELD::InvalidateDataAndReturnError() { return Check(false); }

int32_t WMTextEditCtrlTELD::GetEditMaxLength() const {
  return textEditIniDataPtr != nullptr ? static_cast<int32_t>(textEditIniDataPtr->maxLength) : 0;
}

zqpde::BaseControl* WMTextEditCtrlTELD::UpdateListEntry(size_t n) {
  return UpdateEntry(*this, ctrlConstrainControlArray, n);
}
zqpde::BaseControl* WMTextEditCtrlTELD::GetLittleArrayForNumberEdit() { return UpdateListEntry(0); }
zqpde::BaseControl* WMTextEditCtrlTELD::GetSliderBarForNumberEdit() { return UpdateListEntry(1); }

int32_t WMTextEditCtrlTELD::OnRawKeyUp(void* textPtr) {
  const std::string text = textPtr != nullptr ? static_cast<const char*>(textPtr) : "";
  // A refused text (a font size of 601, an angle of 361) leaves the stepper
  // and slider as they were; validation reports the field.
  if (!IsNumberValid(text)) return 0;
  int32_t value = kind_ == NumberKind::kInches ? TenthsOfInchText(text) : std::atoi(text.substr(0, 9).c_str());
  if (zqpde::BaseControl* stepper = GetLittleArrayForNumberEdit()) stepper->SetExternalValueToUI(&value, 4);
  if (kind_ == NumberKind::kPlain)
    if (auto* slider = dynamic_cast<WMSliderBarControlTELD*>(GetSliderBarForNumberEdit()))
      slider->SetExternalValueToUI(&value, 4);
  return 0;
}

void WMTextEditCtrlTELD::RequestControlAction(zqp::View*) {
  GetValueFromUI();
  const std::string text = Text();
  OnRawKeyUp(const_cast<char*>(text.c_str()));
  Update();
  DoControlUpdateConstrain();
}

int32_t WMTextEditCtrlTELD::Update() {
  if ((kind_ != NumberKind::kInches && kind_ != NumberKind::kMillimetres) || ctrlHideCount <= 0) return 0;
  auto* partner = dynamic_cast<WMTextEditCtrlTELD*>(UpdateListEntry(1));
  if (partner == nullptr) return 0;
  const std::string text = kind_ == NumberKind::kMillimetres
                               ? MillimetreTextFromInches(partner->Text(), wmEditValueRangeData.maximum)
                               : InchTextFromMillimetres(partner->Text(), wmEditValueRangeData.maximum);
  SetExternalValueToUI(text.c_str(), static_cast<int32_t>(text.size()));
  GetValueFromUI();
  // The hidden unit's stepper follows too: the preview reads the inch steppers.
  int32_t value = kind_ == NumberKind::kInches ? TenthsOfInchText(text) : std::atoi(text.c_str());
  if (zqpde::BaseControl* stepper = GetLittleArrayForNumberEdit()) stepper->SetExternalValueToUI(&value, 4);
  return 0;
}

void WMTextEditCtrlTELD::ShowErrMsg() {
  if (kind_ != NumberKind::kInches && kind_ != NumberKind::kMillimetres) return zqpde::TextEditCtrl::ShowErrMsg();
  zqp::Bundle* bundle = BundleOf(*this);
  if (bundle == nullptr || textEditFilterDataPtr == nullptr || textEditFilterDataPtr->errorMessageKey == nullptr)
    return;
  std::string text = Localize(bundle, textEditFilterDataPtr->errorMessageKey);
  const int32_t limit = std::abs(wmEditValueRangeData.minimum);
  const std::string shown = kind_ == NumberKind::kInches ? TenthsText(limit) : std::to_string(limit);
  const size_t neg = text.find("-[n]");
  if (neg != std::string::npos) {
    const size_t pos = text.find("[n]", neg + 4);
    if (pos != std::string::npos) {
      text = text.substr(0, neg) + "-" + shown + text.substr(neg + 4, pos - neg - 4) + shown + text.substr(pos + 3);
    }
  }
  const std::string button = Localize(bundle, "Alert OK Btn");
  zqp::Alert alert;
  alert.setMessageText("");
  alert.setInformativeText(text);
  alert.setInformativeKey(textEditFilterDataPtr->errorMessageKey);
  alert.setIconFromFile(bundle->resourcePath() + "/AlertIcon.png");
  alert.addButtonWithTitle(button);
  alert.setAlertStyle(zqp::AlertStyle::kWarning);
  alert.runModal();
  if (ControlPtr != nullptr)
    if (zqp::Window* w = ControlPtr->window()) w->makeFirstResponder(ControlPtr);
}

// ---- steppers -----------------------------------------------------------------------------

void WMLittleArrayControlTELD::CreateControl(zqp::View* view, const zqpde::LittleArrayIniData* iniData,
                                             const zqpde::ConstrainInfo* constrain, const char* summaryKey,
                                             const int32_t* const* validateArray, NumberKind kind,
                                             int32_t positionType) {
  static const zqpde::AccessInfo kNoTicket = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, nullptr, nullptr};
  LittleArrayControl(view, iniData, constrain, &kNoTicket, nullptr, summaryKey);
  ControlValidateArray = validateArray;
  kind_ = kind;
  wmPositionType = positionType;
}

// The range is this control's own: the shared description table is never written.
void WMLittleArrayControlTELD::SetRange(int32_t min, int32_t max) {
  minimum_ = min;
  maximum_ = max;
  zqpde::LittleArray::SetRange(min, max);
}

bool WMLittleArrayControlTELD::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
  zqpde::LittleArray::InitializeCtrl(bundle, ppd);
  if (auto r = SheetRange(*this, kind_, wmPositionType)) SetRange(r->minimum, r->maximum);
  return true;
}

bool WMLittleArrayControlTELD::ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
  zqpde::LittleArray::ReInitializeCtrl(bundle, ppd);
  if (auto r = SheetRange(*this, kind_, wmPositionType)) SetRange(r->minimum, r->maximum);
  return true;
}

bool WMLittleArrayControlTELD::SetExternalValueToUI(const void* value, int32_t size) {
  if (value == nullptr || ControlPtr == nullptr) return false;
  zqpde::LittleArray::SetExternalValueToUI(value, size);
  lastValue = ShownValue();
  return true;
}

bool WMLittleArrayControlTELD::SetDefaultValueToUI() {
  zqpde::LittleArray::SetDefaultValueToUI();
  if (GetDefaultDataBlk() != nullptr) SetExternalValueToUI(GetDefaultDataBlk(), 4);
  return true;
}

int32_t WMLittleArrayControlTELD::ShownValue() {
  zqp::Stepper* s = StepperView();
  return s != nullptr ? s->integerValue() : 0;
}

bool WMLittleArrayControlTELD::InvalidateRelateControlData(bool alert) {
  for (const int32_t* const* p = ControlValidateArray; p != nullptr && *p != nullptr; ++p)
    if (zqpde::BaseControl* c = ControlWithTag(GetParentPanel(), **p))
      if (!(alert ? c->InvalidateData() : c->InvalidateDataAndReturnError())) return false;
  return true;
}

int32_t WMLittleArrayControlTELD::DoControlUpdateConstrain() {
  const int32_t value = ShownValue();
  if (!InvalidateRelateControlData(false)) return 0;
  if (auto* field = dynamic_cast<WMTextEditCtrlTELD*>(UpdateEntry(*this, ctrlConstrainControlArray, 0))) {
    std::string text = kind_ == NumberKind::kInches ? TenthsText(value) : std::to_string(value);
    if (field->GetEditMaxLength() > 0 && text.size() > static_cast<size_t>(field->GetEditMaxLength()))
      text.resize(static_cast<size_t>(field->GetEditMaxLength()));
    field->SetExternalValueToUI(text.c_str(), static_cast<int32_t>(text.size()));
    field->GetValueFromUI();
  }
  if (auto* slider = dynamic_cast<WMSliderBarControlTELD*>(UpdateEntry(*this, ctrlConstrainControlArray, 1)))
    slider->SetExternalValueToUI(&value, 4);
  return zqpde::LittleArray::DoControlUpdateConstrain();
}

void WMLittleArrayControlTELD::RequestControlAction(zqp::View*) {
  const int32_t value = ShownValue();
  if (!InvalidateRelateControlData(true)) {
    if (zqp::Stepper* s = StepperView()) s->setIntegerValue(lastValue);
    return;
  }
  if (value >= minimum_ && value <= maximum_ && value != lastValue) {
    SetExternalValueToUI(&value, 4);
    UIEventHandler();
    GetValueFromUI();
  } else {
    zqp::Beep();
  }
}

// ---- sliders ------------------------------------------------------------------------------

void WMSliderBarControlTELD::CreateControl(zqp::View* view, const zqpde::SliderBarIniData* iniData,
                                           const zqpde::ConstrainInfo* constrain) {
  zqpde::BaseControl::CreateControl(view);
  KeepTables(constrain, nullptr, nullptr);
  sliderBarIniDataPtr = iniData;
}

zqp::Slider* WMSliderBarControlTELD::SliderView() const { return dynamic_cast<zqp::Slider*>(ControlPtr); }

bool WMSliderBarControlTELD::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
  zqpde::BaseControl::InitializeCtrl(bundle, ppd);
  if (zqp::Slider* s = SliderView(); s != nullptr && sliderBarIniDataPtr != nullptr) {
    s->setMinValue(sliderBarIniDataPtr->minimum);
    s->setMaxValue(sliderBarIniDataPtr->maximum);
  }
  AllocateBlocks(zqpde::kNumberBlockSize);
  return true;
}

bool WMSliderBarControlTELD::SetExternalValueToUI(const void* value, int32_t) {
  zqp::Slider* s = SliderView();
  if (value == nullptr || s == nullptr) return false;
  int32_t v;
  std::memcpy(&v, value, sizeof v);
  s->setIntegerValue(v);
  lastValue = v;
  return true;
}

bool WMSliderBarControlTELD::SetControlValueToUI() {
  if (GetControlBlkPtr() == nullptr) return false;
  return SetExternalValueToUI(GetControlBlkPtr(), 4);
}

char* WMSliderBarControlTELD::GetValueFromUI() {
  if (zqp::Slider* s = SliderView(); s != nullptr && GetValueFromUIDataBlk() != nullptr)
    SetBlockInt(GetValueFromUIDataBlk(), static_cast<int32_t>(std::lround(s->doubleValue())));
  return GetValueFromUIDataBlk();
}

const void* WMSliderBarControlTELD::GetDefaultDataBlk() {
  return sliderBarIniDataPtr != nullptr ? &sliderBarIniDataPtr->defaultData : nullptr;
}
const void* WMSliderBarControlTELD::GetIniDataBlk() {
  return sliderBarIniDataPtr != nullptr ? &sliderBarIniDataPtr->iniData : nullptr;
}

int32_t WMSliderBarControlTELD::DoControlUpdateConstrain() {
  zqp::Slider* s = SliderView();
  if (s == nullptr) return 0;
  const int32_t value = static_cast<int32_t>(std::lround(s->doubleValue()));
  if (auto* field = dynamic_cast<WMTextEditCtrlTELD*>(UpdateEntry(*this, ctrlConstrainControlArray, 0))) {
    const std::string text = std::to_string(value);
    field->SetExternalValueToUI(text.c_str(), static_cast<int32_t>(text.size()));
    field->GetValueFromUI();
  }
  if (zqpde::BaseControl* stepper = UpdateEntry(*this, ctrlConstrainControlArray, 1))
    stepper->SetExternalValueToUI(&value, 4);
  return zqpde::BaseControl::DoControlUpdateConstrain();
}

void WMSliderBarControlTELD::RequestControlAction(zqp::View*) {
  GetValueFromUI();
  zqpde::BaseControl::UIEventHandler();
  if (zqp::Slider* s = SliderView()) lastValue = static_cast<int32_t>(std::lround(s->doubleValue()));
}

// ---- radios -------------------------------------------------------------------------------

WMRadioButtonTELD::WMRadioButtonTELD(zqp::View* view, const zqpde::RadioButtonIniData* iniData,
                                     const zqpde::ConstrainInfo* constrain, const int32_t* const* validateArray)
    : zqpde::RadioButton(view, iniData, constrain, nullptr, nullptr), validateControlArray(validateArray) {}

bool WMRadioButtonTELD::ValidateConstrains() {
  for (const int32_t* const* p = validateControlArray; p != nullptr && *p != nullptr; ++p)
    if (zqpde::BaseControl* c = ControlWithTag(GetParentPanel(), **p))
      if (!c->InvalidateData()) return false;
  return true;
}

bool WMRadioButtonTELD::UIEventHandler() {
  const char* ui = GetValueFromUIDataBlk();
  const int32_t stored = ui != nullptr ? BlockInt(ui) : 0;
  if (ViewState() == stored) return true;
  if (ValidateConstrains()) return zqpde::RadioButton::UIEventHandler();
  if (zqp::Button* b = ButtonView()) b->setState(stored);
  if (zqpde::OSVersionCode() >= kRadioPartnerVersion)
    if (zqpde::RadioButton* other = GetAnotherRadioCtrlFromGroup())
      if (auto* b = dynamic_cast<zqp::Button*>(other->GetControlPtr())) b->setState(stored != 0 ? 0 : 1);
  return false;
}

// A radio switched off by its partner applies its own lists at once, on
// every system version: otherwise the text controls would stay enabled
// beside a chosen picture.
bool WMRadioButtonTELD::SimulationUIEventHandler() { return zqpde::RadioButton::SimulationUIEventHandler(); }

void WMRadioButtonTELD::ApplyListsAsShown() {
  const int32_t v = ViewState();
  if (ctrlConstrainControlArray != nullptr) {
    HideControlConstrains(ctrlConstrainControlArray->hideLists.at(v));
    DisableControlConstrains(ctrlConstrainControlArray->disableLists.at(v));
  }
  GetValueFromUI();
}

// ---- name, text and picture ---------------------------------------------------------------

void WMNameTextEditCtrlTELD::CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData,
                                           const zqpde::TextEditFilterData* filter, const char* defaultMacro,
                                           bool isText) {
  static const zqpde::AccessInfo kText = {zqpde::kValueTypeText, zqpde::kValueTypeText, nullptr, nullptr};
  static const int32_t kPreview = 1033;
  static const int32_t* const kUpdate[] = {&kPreview, nullptr};
  static const zqpde::ConstrainTagList kLists[] = {kUpdate};
  static const zqpde::ConstrainInfo kTextConstrain = {{}, {}, zqpde::ConstrainListsOf(kLists)};
  zqpde::TextEditCtrl::CreateControl(view, iniData, isText ? &kTextConstrain : nullptr, &kText, nullptr, filter);
  defaultText = defaultMacro != nullptr ? defaultMacro : "";
  isText_ = isText;
}

bool WMNameTextEditCtrlTELD::InvalidateData() {
  if (ctrlHideCount > 0 || ctrlConstrainCount > 0) return true;
  GetValueFromUI();
  if (isText_) {
    WatermarkEditPanelTELD* w = OwningEditWindow(*this);
    if (w != nullptr && w->getWMTextPictGroupPtr() != nullptr && w->getWMTextPictGroupPtr()->GetcurRadio() != 0)
      return true;
  }
  if (ctrlDataSize == 0) {
    ShowErrMsg();
    return false;
  }
  return zqpde::TextEditCtrl::InvalidateData();
}

bool WMNameTextEditCtrlTELD::SetDefaultValueToUI() {
  const std::string text = Localize(BundleOf(*this), defaultText);
  return SetExternalValueToUI(text.c_str(), static_cast<int32_t>(zqp::Utf16Length(text)));
}

namespace {
std::string LastComponent(const std::string& path) {
  const size_t slash = path.rfind('/');
  // Names are kept as they are: ":" is an ordinary character here.
  return std::string(zqp::Utf8Prefix(slash == std::string::npos ? path : path.substr(slash + 1), 255));
}
}  // namespace

int32_t WMPictureNameEditCtrlTELD::Update() {
  WatermarkEditPanelTELD* w = OwningEditWindow(*this);
  if (w == nullptr || w->getChooseFileButPtr() == nullptr) return 0;
  const std::string name = LastComponent(w->getChooseFileButPtr()->Path());
  SetExternalValueToUI(name.c_str(), static_cast<int32_t>(name.size()));
  GetValueFromUI();
  return 0;
}

bool WMPictureNameEditCtrlTELD::InvalidateData() {
  WatermarkEditPanelTELD* w = OwningEditWindow(*this);
  if (w == nullptr || w->getChooseFileButPtr() == nullptr) return true;
  const std::string& path = w->getChooseFileButPtr()->Path();
  if (w->getWMTextPictGroupPtr() == nullptr || w->getWMTextPictGroupPtr()->GetcurRadio() != 1) return true;
  if (!path.empty() && zqp::Picture::Load(path) != nullptr) return true;
  ShowErrMsg();
  return false;
}

// ---- colour -------------------------------------------------------------------------------

void WMColorSelectCtrl::CreateControl(zqp::View* well) {
  static const int32_t kPreview = 1033;
  static const int32_t* const kUpdate[] = {&kPreview, nullptr};
  static const zqpde::ConstrainTagList kLists[] = {kUpdate};
  static const zqpde::ConstrainInfo kColorConstrain = {{}, {}, zqpde::ConstrainListsOf(kLists)};
  zqpde::BaseControl::CreateControl(well);
  KeepTables(&kColorConstrain, nullptr, nullptr);
}

bool WMColorSelectCtrl::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
  zqpde::BaseControl::InitializeCtrl(bundle, ppd);
  if (auto* w = dynamic_cast<zqp::ColorWell*>(ControlPtr)) strColor = w->color();
  return true;
}

bool WMColorSelectCtrl::SetDefaultValueToUI() {
  setStrColor(zqp::Color{0, 0, 1, 1});
  return true;
}

void WMColorSelectCtrl::setStrColor(const zqp::Color& color) {
  strColor = color;
  if (auto* w = dynamic_cast<zqp::ColorWell*>(ControlPtr)) w->setColor(color);
}

void WMColorSelectCtrl::RequestControlAction(zqp::View* sender) {
  if (auto* w = dynamic_cast<zqp::ColorWell*>(sender)) strColor = w->color();
  zqpde::BaseControl::UIEventHandler();
}

// ---- font pop-up --------------------------------------------------------------------------

void WMFontListCtrlTELD::addStringToFontList(const std::string& ppdName) {
  std::string name = ppdName.substr(0, ppdName.find('-'));
  for (const WaterMarkFontRow& row : WaterMarkFontNameString())
    if (name == row.ppdName) {
      name = row.displayName;
      break;
    }
  for (const std::string& n : FontNameArray)
    if (n == name) return;
  FontNameArray.push_back(name);
}

bool WMFontListCtrlTELD::InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) {
  zqp::PopUpButton* p = PopUp();
  if (p == nullptr) return false;
  p->removeAllItems();
  FontNameArray.clear();
  if (ppd == nullptr || ppd->num_fonts <= 0 || ppd->fonts == nullptr) {
    FontNameArray.push_back("Courier");
    p->addItemWithTitle("Courier", "Courier");
    return true;
  }
  zqp::TextEncoding encoding = zqp::TextEncoding::kMacRoman;
  switch (zqpde::GetCFStringEncodingFromPPD(ppd)) {
    case zqpde::PPDTextEncoding::ISOLatin1: encoding = zqp::TextEncoding::kIsoLatin1; break;
    case zqpde::PPDTextEncoding::WindowsLatin1: encoding = zqp::TextEncoding::kWindowsLatin1; break;
    case zqpde::PPDTextEncoding::MacJapanese: encoding = zqp::TextEncoding::kShiftJis; break;
    case zqpde::PPDTextEncoding::UTF8: encoding = zqp::TextEncoding::kUtf8; break;
    default: break;
  }
  for (int i = 0; i < ppd->num_fonts; ++i)
    if (ppd->fonts[i] != nullptr) {
      std::string decoded;
      if (!zqp::ToUtf8(ppd->fonts[i], encoding, decoded)) decoded = ppd->fonts[i];
      addStringToFontList(decoded);
    }
  for (const std::string& name : FontNameArray) {
    std::string title = Localize(bundle, name);
    if (title == zqp::kNoTranslation) title = name;
    p->addItemWithTitle(title, name);
  }
  return true;
}

bool WMFontListCtrlTELD::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
  WMListCtrlTELD::InitializeCtrl(bundle, ppd);
  defaultItem_ = 1;
  if (ppd_attr_t* a = ppd != nullptr ? zqpde::ppdFindAttr_ALT(ppd, "DefaultFont", nullptr) : nullptr;
      a != nullptr && a->value != nullptr)
    defaultItem_ = static_cast<int32_t>(DefaultFontItem(FontNameArray, a->value));
  return true;
}

bool WMFontListCtrlTELD::UIEventHandler() {
  if (WatermarkEditPanelTELD* w = OwningEditWindow(*this))
    if (w->getWMViewCtrlPtr() != nullptr) {
      GetValueFromUI();
      w->getWMViewCtrlPtr()->Update();
    }
  return WMListCtrlTELD::UIEventHandler();
}

int32_t WMFontListCtrlTELD::getFontType() {
  zqp::PopUpButton* p = PopUp();
  if (p == nullptr || p->selectedItem() == nullptr) return 0;
  const std::string title = p->titleOfSelectedItem();
  zqp::Bundle* bundle = zqpde::pluginBundle;
  for (const WaterMarkFontRow& row : WaterMarkFontNameString()) {
    std::string shown = Localize(bundle, row.displayName);
    if (shown == zqp::kNoTranslation) shown = row.displayName;
    if (shown == title) return std::strcmp(row.fontType, kJapaneseFont) == 0 ? 2 : 1;
  }
  return 0;
}

// ---- group box ----------------------------------------------------------------------------

void WMGroupControlTELD::CreateControl(zqp::View* box, const char* titleKey) {
  zqpde::BaseControl::CreateControl(box);
  controlTitleStrRef = titleKey != nullptr ? titleKey : "";
}

bool WMGroupControlTELD::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
  zqpde::BaseControl::InitializeCtrl(bundle, ppd);
  if (auto* b = dynamic_cast<zqp::Box*>(ControlPtr); b != nullptr && !controlTitleStrRef.empty())
    b->setTitle(Localize(bundle, controlTitleStrRef));
  return true;
}

}  // namespace zqwm
