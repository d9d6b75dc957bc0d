// The watermark edit window: its description tables, the opening in new or
// edit mode, OK with the name question, Cancel, Center, Choose File and the
// hidden product-type pop-up.
#include <zqp/bundle.h>
#include <zqp/panels.h>
#include <zqp/picture.h>
#include <zqp/system.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <cstdlib>
#include <cstring>

#include "watermark_edit.h"
#include "zqpde/ppd_util.h"

namespace zqwm {

namespace {

// Tags of the edit window's views.
#define WM_TAG(name, value) const int32_t name = value
WM_TAG(kTextRadio, 1001); WM_TAG(kText, 1002); WM_TAG(kColor, 1003); WM_TAG(kTextTitle, 1004);
WM_TAG(kPictureRadio, 1005); WM_TAG(kPictureName, 1006); WM_TAG(kChooseFile, 1007);
WM_TAG(kAngleTitle, 1008); WM_TAG(kAngleSlider, 1009); WM_TAG(kAngleField, 1010); WM_TAG(kAngleStepper, 1011);
WM_TAG(kDensityTitle, 1012); WM_TAG(kDensitySlider, 1013); WM_TAG(kDensityField, 1014); WM_TAG(kDensityStepper, 1015);
WM_TAG(kScaleTitle, 1016); WM_TAG(kScaleSlider, 1017); WM_TAG(kScaleField, 1018); WM_TAG(kScaleStepper, 1019);
WM_TAG(kPositionTitle, 1020); WM_TAG(kHTitle, 1021); WM_TAG(kHInch, 1022); WM_TAG(kHInchStepper, 1023);
WM_TAG(kVTitle, 1024); WM_TAG(kVInch, 1025); WM_TAG(kVInchStepper, 1026); WM_TAG(kInchRadio, 1027);
WM_TAG(kMMRadio, 1028); WM_TAG(kCenter, 1029); WM_TAG(kOK, 1030); WM_TAG(kCancel, 1031); WM_TAG(kHelp, 1032);
WM_TAG(kPreview, 1033); WM_TAG(kPreviewBox, 1034); WM_TAG(kRestore, 1045);
WM_TAG(kHMM, 1122); WM_TAG(kHMMStepper, 1123); WM_TAG(kVMM, 1125); WM_TAG(kVMMStepper, 1126);
WM_TAG(kNameTitle, 1200); WM_TAG(kFontTitle, 1201); WM_TAG(kFont, 1202); WM_TAG(kFontSizeTitle, 1203);
WM_TAG(kFontSizeField, 1204); WM_TAG(kFontSizeStepper, 1205); WM_TAG(kProductType, 1300); WM_TAG(kName, 2000);
WM_TAG(kAngleGrad0, 1035); WM_TAG(kAngleGrad1, 1036); WM_TAG(kAngleGrad2, 1037); WM_TAG(kAngleGrad3, 1038);
WM_TAG(kAngleGrad4, 1039); WM_TAG(kScaleGrad0, 1040); WM_TAG(kScaleGrad1, 1041); WM_TAG(kScaleGrad2, 1042);
WM_TAG(kScaleGrad3, 1043); WM_TAG(kScaleGrad4, 1044);
#undef WM_TAG

using Tags = const int32_t* const[];
using zqpde::ConstrainInfo;
using zqpde::ConstrainListsOf;
using zqpde::ConstrainTagList;

// One update list (value 0) per number control.
#define WM_UPDATE(name, ...)                                                   \
  const int32_t* const name##List[] = {__VA_ARGS__, nullptr};                  \
  const ConstrainTagList name##Lists[] = {name##List};                         \
  const ConstrainInfo name = {{}, {}, ConstrainListsOf(name##Lists)}
WM_UPDATE(kAngleSliderUpdate, &kAngleField, &kAngleStepper, &kPreview);
WM_UPDATE(kAngleFieldUpdate, &kAngleStepper, &kAngleSlider, &kPreview);
WM_UPDATE(kAngleStepperUpdate, &kAngleField, &kAngleSlider, &kPreview);
WM_UPDATE(kDensitySliderUpdate, &kDensityField, &kDensityStepper, &kPreview);
WM_UPDATE(kDensityFieldUpdate, &kDensityStepper, &kDensitySlider, &kPreview);
WM_UPDATE(kDensityStepperUpdate, &kDensityField, &kDensitySlider, &kPreview);
WM_UPDATE(kScaleSliderUpdate, &kScaleField, &kScaleStepper, &kPreview);
WM_UPDATE(kScaleFieldUpdate, &kScaleStepper, &kScaleSlider, &kPreview);
WM_UPDATE(kScaleStepperUpdate, &kScaleField, &kScaleSlider, &kPreview);
WM_UPDATE(kFontSizeFieldUpdate, &kFontSizeStepper, &kPreview);
WM_UPDATE(kFontSizeStepperUpdate, &kFontSizeField, &kPreview);
WM_UPDATE(kHInchUpdate, &kHInchStepper, &kHMM, &kPreview);
WM_UPDATE(kHMMUpdate, &kHMMStepper, &kHInch, &kPreview);
WM_UPDATE(kHInchStepperUpdate, &kHInch, &kHMM, &kPreview);
WM_UPDATE(kHMMStepperUpdate, &kHMM, &kHInch, &kPreview);
WM_UPDATE(kVInchUpdate, &kVInchStepper, &kVMM, &kPreview);
WM_UPDATE(kVMMUpdate, &kVMMStepper, &kVInch, &kPreview);
WM_UPDATE(kVInchStepperUpdate, &kVInch, &kVMM, &kPreview);
WM_UPDATE(kVMMStepperUpdate, &kVMM, &kVInch, &kPreview);
WM_UPDATE(kPreviewUpdate, &kPreview);
WM_UPDATE(kChooseFileUpdate, &kPictureName, &kPreview);
#undef WM_UPDATE

// Radios: their disable and hide lists apply while they are off (value 0);
// the update list is sent when their state changes.
const int32_t* const kTextRadioDisable[] = {&kText, &kColor, &kFontTitle, &kFont, &kFontSizeTitle, &kFontSizeField,
                                            &kFontSizeStepper, &kPositionTitle, &kHTitle, &kHInch, &kHInchStepper,
                                            &kVTitle, &kVInch, &kVInchStepper, nullptr};
const int32_t* const kTextRadioHide[] = {&kAngleTitle, &kAngleSlider, &kAngleField, &kAngleStepper, &kAngleGrad0,
                                         &kAngleGrad1, &kAngleGrad2, &kAngleGrad3, &kAngleGrad4, nullptr};
const int32_t* const kTextRadioUpdate[] = {&kPictureRadio, &kPreview, nullptr};
const ConstrainTagList kTextRadioDisableLists[] = {kTextRadioDisable, nullptr};
const ConstrainTagList kTextRadioHideLists[] = {kTextRadioHide, nullptr};
const ConstrainTagList kTextRadioUpdateLists[] = {kTextRadioUpdate};
const ConstrainInfo kTextRadioConstrain = {ConstrainListsOf(kTextRadioDisableLists), ConstrainListsOf(kTextRadioHideLists),
                                           ConstrainListsOf(kTextRadioUpdateLists)};
const int32_t* const kPictureRadioDisable[] = {&kPictureName, &kChooseFile, nullptr};
const int32_t* const kPictureRadioHide[] = {&kScaleTitle,  &kScaleSlider, &kScaleField, &kScaleStepper, &kScaleGrad0,
                                            &kScaleGrad1, &kScaleGrad2,  &kScaleGrad3, &kScaleGrad4,   nullptr};
const int32_t* const kPictureRadioUpdate[] = {&kTextRadio, &kChooseFile, &kPreview, &kText, nullptr};
const ConstrainTagList kPictureRadioDisableLists[] = {kPictureRadioDisable, nullptr};
const ConstrainTagList kPictureRadioHideLists[] = {kPictureRadioHide, nullptr};
const ConstrainTagList kPictureRadioUpdateLists[] = {kPictureRadioUpdate};
const ConstrainInfo kPictureRadioConstrain = {ConstrainListsOf(kPictureRadioDisableLists),
                                              ConstrainListsOf(kPictureRadioHideLists),
                                              ConstrainListsOf(kPictureRadioUpdateLists)};
const int32_t* const kInchRadioHide[] = {&kHInch, &kHInchStepper, &kVInch, &kVInchStepper, nullptr};
const int32_t* const kInchRadioUpdate[] = {&kMMRadio, &kPreview, nullptr};
const ConstrainTagList kInchRadioHideLists[] = {kInchRadioHide, nullptr};
const ConstrainTagList kInchRadioUpdateLists[] = {kInchRadioUpdate};
const ConstrainInfo kInchRadioConstrain = {{}, ConstrainListsOf(kInchRadioHideLists), ConstrainListsOf(kInchRadioUpdateLists)};
const int32_t* const kMMRadioHide[] = {&kHMM, &kHMMStepper, &kVMM, &kVMMStepper, nullptr};
const int32_t* const kMMRadioUpdate[] = {&kInchRadio, &kPreview, nullptr};
const ConstrainTagList kMMRadioHideLists[] = {kMMRadioHide, nullptr};
const ConstrainTagList kMMRadioUpdateLists[] = {kMMRadioUpdate};
const ConstrainInfo kMMRadioConstrain = {{}, ConstrainListsOf(kMMRadioHideLists), ConstrainListsOf(kMMRadioUpdateLists)};

Tags kTextRadioValidate = {&kScaleField, nullptr};
Tags kPictureRadioValidate = {&kText, &kAngleField, &kDensityField, &kHInch, &kVInch, &kHMM, &kVMM, &kFontSizeField, nullptr};
Tags kInchRadioValidate = {&kHMM, &kVMM, nullptr};
Tags kMMRadioValidate = {&kHInch, &kVInch, nullptr};
Tags kFontSizeValidate = {&kFontSizeField, nullptr};
Tags kAngleValidate = {&kAngleField, nullptr};
Tags kDensityValidate = {&kDensityField, nullptr};
Tags kScaleValidate = {&kScaleField, nullptr};
Tags kHInchValidate = {&kHInch, nullptr};
Tags kVInchValidate = {&kVInch, nullptr};
Tags kHMMValidate = {&kHMM, nullptr};
Tags kVMMValidate = {&kVMM, nullptr};

// The hidden product-type pop-up: a text-only device hides the picture and scale controls.
const int32_t* const Default00HideArray[] = {&kTextRadio, &kPictureRadio, &kPictureName, &kChooseFile, &kScaleTitle,
                                             &kScaleSlider, &kScaleField, &kScaleStepper, &kScaleGrad0, &kScaleGrad1,
                                             &kScaleGrad2, &kScaleGrad3, &kScaleGrad4, nullptr};
const int32_t* const Default01HideArray[] = {&kTextTitle, nullptr};
const ConstrainTagList kProductHideLists[] = {Default00HideArray, Default01HideArray};
const ConstrainInfo kProductConstrain = {{}, ConstrainListsOf(kProductHideLists), {}};
const char* const kProductItems[] = {"Default00", "Default01", nullptr};
const zqpde::ListCtrlIniData wmEditWndProductTypeLCtrlIniDataBlock = {1, 1, 1, kProductItems};

Tags centerSetDefaultArray = {&kHInch, &kHInchStepper, &kVInch, &kVInchStepper, &kHMM, &kHMMStepper, &kVMM, &kVMMStepper, nullptr};

// The preview reads the window's controls through this map.
Tags mwViewControlMapItemPtr = {&kTextRadio, &kText, &kColor, &kFont, &kFontSizeStepper, &kPictureName,
                                &kAngleStepper, &kDensityStepper, &kScaleStepper, &kHInchStepper, &kVInchStepper,
                                &kInchRadio, &kChooseFile, nullptr};

// Text filters.
constexpr zqpde::InputFilterData kPrintable = {1, {{0x20, 0x7E}}};
constexpr zqpde::InputFilterData kDigits = {1, {{0x30, 0x39}}};
constexpr zqpde::InputFilterData kSignedDigits = {2, {{0x2D, 0x2D}, {0x30, 0x39}}};
constexpr zqpde::InputFilterData kInchDigits = {2, {{0x2D, 0x2E}, {0x30, 0x39}}};
const zqpde::TextEditFilterData kNameFilter = {kPrintable, kPrintable, "Message110"};
const zqpde::TextEditFilterData kTextFilter = {kPrintable, kPrintable, "Message111"};
const zqpde::TextEditFilterData kPictureFilter = {kPrintable, kPrintable, "Message114"};
const zqpde::TextEditFilterData kFontSizeFilter = {kDigits, kDigits, "Message113"};
const zqpde::TextEditFilterData kAngleFilter = {kDigits, kDigits, "Message22h"};
const zqpde::TextEditFilterData kDensityFilter = {kDigits, kDigits, "Message22i"};
const zqpde::TextEditFilterData kScaleFilter = {kDigits, kDigits, "Message22j"};
const zqpde::TextEditFilterData kHInchFilter = {kInchDigits, kInchDigits, "Message22f"};
const zqpde::TextEditFilterData kVInchFilter = {kInchDigits, kInchDigits, "Message22g"};
const zqpde::TextEditFilterData kHMMFilter = {kSignedDigits, kSignedDigits, "Message22f"};
const zqpde::TextEditFilterData kVMMFilter = {kSignedDigits, kSignedDigits, "Message22g"};

const zqpde::TextEditIniData kNameIni = {nullptr, "", 1, 32};
const zqpde::TextEditIniData kTextIni = {nullptr, "", 1, 64};
const zqpde::TextEditIniData kPictureIni = {nullptr, "", 0, 64};
const zqpde::TextEditIniData kFontSizeIni = {nullptr, "72", 1, 3};
const zqpde::TextEditIniData kAngleIni = {nullptr, "45", 1, 3};
const zqpde::TextEditIniData kDensityIni = {nullptr, "25", 1, 3};
const zqpde::TextEditIniData kScaleIni = {nullptr, "100", 1, 4};
const zqpde::TextEditIniData kInchIni = {nullptr, "0.0", 1, 4};
const zqpde::TextEditIniData kMMIni = {nullptr, "0", 1, 4};
const zqpde::TextEditIniData kLabelIni = {nullptr, nullptr, 0, 0};

const zqpde::LittleArrayIniData kFontSizeStepperIni = {72, 72, 72, 7, 600, 1};
const zqpde::LittleArrayIniData kAngleStepperIni = {45, 45, 45, 0, 360, 1};
const zqpde::LittleArrayIniData kDensityStepperIni = {25, 25, 25, 0, 100, 1};
const zqpde::LittleArrayIniData kScaleStepperIni = {100, 100, 100, 0, 1000, 1};
// Offsets: each stepper takes its own range from the sheet when it is initialised.
const zqpde::LittleArrayIniData kPositionStepperIni = {0, 0, 0, -1, 1, 1};
const zqpde::SliderBarIniData kAngleSliderIni = {45, 45, 45, 0, 360};
const zqpde::SliderBarIniData kDensitySliderIni = {25, 25, 25, 0, 100};
const zqpde::SliderBarIniData kScaleSliderIni = {100, 100, 100, 0, 1000};
const ValueRange kFontSizeRange = {7, 600}, kAngleRange = {0, 360}, kDensityRange = {0, 100}, kScaleRange = {0, 1000};

const zqpde::RadioButtonIniData kOnRadio = {1, 1, 1, nullptr, nullptr};
const zqpde::RadioButtonIniData kOffRadio = {0, 0, 0, nullptr, nullptr};
const zqpde::AccessInfo kTextAccess = {zqpde::kValueTypeText, zqpde::kValueTypeText, nullptr, nullptr};

int32_t IntOf(zqpde::BasePrintPanel* w, int32_t tag) {
  if (auto* s = dynamic_cast<WMLittleArrayControlTELD*>(w->GetPanelControl(&tag))) return s->ShownValue();
  return 0;
}

zqp::Bundle* WindowBundle(zqpde::BasePrintPanel* w) { return w != nullptr ? w->GetPDEBundleRef() : nullptr; }

std::string Localize(const zqp::Bundle* bundle, const std::string& key) {
  return bundle != nullptr ? bundle->localizedString(key, zqp::kNoTranslation) : std::string(zqp::kNoTranslation);
}

}  // namespace

WatermarkEditPanelTELD* OwningEditWindow(const zqpde::BaseControl& control) {
  return dynamic_cast<WatermarkEditPanelTELD*>(control.GetParentPanel());
}

WatermarkEditPanelTELD::WatermarkEditPanelTELD(zqp::Window* window, const char* theWinTitleStr, LayoutPDETELDw15* panel)
    : zqpde::PopupWinInPanel(window, theWinTitleStr), panel_(panel) {
  CreateControls();
}

WatermarkEditPanelTELD::~WatermarkEditPanelTELD() {
  terminate();
  wmTextPictGroupPtr.reset();
  wmInchMmGroupPtr.reset();
}

template <class T>
T* WatermarkEditPanelTELD::Add(std::unique_ptr<T> control) {
  return AddNewControl(std::move(control));
}

void WatermarkEditPanelTELD::CreateControls() {
  zqp::Window* w = windowRef;
  if (w == nullptr) return;
  auto view = [w](int32_t tag) { return w->viewWithTag(tag); };
  auto label = [&](int32_t tag, const char* key) {
    auto c = std::make_unique<zqpde::StaticTextEditControl>();
    c->CreateControl(view(tag), &kLabelIni, nullptr, nullptr, nullptr, nullptr, key);
    Add(std::move(c));
  };
  auto graduation = [&](int32_t tag) {
    auto c = std::make_unique<WMStaticTextEditControlTELD>();
    c->CreateControl(view(tag), &kLabelIni, nullptr, nullptr, nullptr, nullptr, nullptr);
    Add(std::move(c));
  };
  auto number = [&](int32_t tag, const zqpde::TextEditIniData* ini, const ConstrainInfo* update,
                    const zqpde::TextEditFilterData* filter, const ValueRange* range, NumberKind kind, int32_t position) {
    auto c = std::make_unique<WMTextEditCtrlTELD>();
    c->CreateControl(view(tag), ini, update, &kTextAccess, nullptr, filter, range, kind, position);
    Add(std::move(c));
  };
  auto stepper = [&](int32_t tag, const zqpde::LittleArrayIniData* ini, const ConstrainInfo* update, const char* summary,
                     const int32_t* const* validate, NumberKind kind, int32_t position) {
    auto c = std::make_unique<WMLittleArrayControlTELD>();
    c->CreateControl(view(tag), ini, update, summary, validate, kind, position);
    Add(std::move(c));
  };
  auto slider = [&](int32_t tag, const zqpde::SliderBarIniData* ini, const ConstrainInfo* update) {
    auto c = std::make_unique<WMSliderBarControlTELD>();
    c->CreateControl(view(tag), ini, update);
    Add(std::move(c));
  };
  const WatermarkEdition& edition = panel_ != nullptr ? panel_->edition() : TeldWatermarkEdition();

  for (int32_t tag : {kAngleGrad0, kAngleGrad1, kAngleGrad2, kAngleGrad3, kAngleGrad4}) graduation(tag);
  label(kNameTitle, "WM Name Title String");
  auto name = std::make_unique<WMNameTextEditCtrlTELD>();
  name->CreateControl(view(kName), &kNameIni, &kNameFilter, edition.defaultNameKey, false);
  namePtr = Add(std::move(name));
  wmTextPictGroupPtr = std::make_unique<zqpde::RadioGroup>();
  label(kTextTitle, "WM String Text Title String");
  for (auto [tag, ini, constrain, validate] :
       {std::tuple{kTextRadio, &kOnRadio, &kTextRadioConstrain, kTextRadioValidate},
        std::tuple{kPictureRadio, &kOffRadio, &kPictureRadioConstrain, kPictureRadioValidate}})
    if (auto* r = Add(std::make_unique<WMRadioButtonTELD>(view(tag), ini, constrain, validate)))
      wmTextPictGroupPtr->RunTimeAddNewControl(r);
  auto text = std::make_unique<WMNameTextEditCtrlTELD>();
  text->CreateControl(view(kText), &kTextIni, &kTextFilter, edition.defaultTextKey, true);
  textPtr = Add(std::move(text));
  auto picture = std::make_unique<WMPictureNameEditCtrlTELD>();
  picture->CreateControl(view(kPictureName), &kPictureIni, nullptr, &kTextAccess, nullptr, &kPictureFilter);
  pictureNamePtr = Add(std::move(picture));
  auto color = std::make_unique<WMColorSelectCtrl>();
  color->CreateControl(view(kColor));
  colorPtr = Add(std::move(color));
  label(kFontTitle, "WM Font Title String");
  auto font = std::make_unique<WMFontListCtrlTELD>();
  static const zqpde::AccessInfo kFontAccess = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, nullptr, nullptr};
  static const char* const kNoItems[] = {nullptr};
  static const zqpde::ListCtrlIniData kFontIni = {1, 1, 1, kNoItems};
  font->CreateControl(view(kFont), &kFontIni, &kPreviewUpdate, &kFontAccess, "WM Font List Summary String", nullptr);
  fontPtr = Add(std::move(font));
  label(kFontSizeTitle, "WM Font Size Title String");
  number(kFontSizeField, &kFontSizeIni, &kFontSizeFieldUpdate, &kFontSizeFilter, &kFontSizeRange, NumberKind::kFontSize, 0);
  stepper(kFontSizeStepper, &kFontSizeStepperIni, &kFontSizeStepperUpdate, "WM Font Size Summary String",
          kFontSizeValidate, NumberKind::kFontSize, 0);
  auto help = std::make_unique<WMHelpButtonTELD>();
  help->CreateControl(view(kHelp), "Watermark.htm");
  Add(std::move(help));
  auto choose = std::make_unique<WMEditWndChooseFileButTELD>();
  choose->CreateControl(view(kChooseFile), "WM Edit Choose File Watermark Btn");
  choose->SetUpdateList(&kChooseFileUpdate);
  chooseFilePtr = Add(std::move(choose));

  struct Trio {
    int32_t title, slider, field, stepper;
    const char* titleKey;
    const zqpde::SliderBarIniData* sliderIni;
    const ConstrainInfo *sliderUpdate, *fieldUpdate, *stepperUpdate;
    const zqpde::TextEditIniData* fieldIni;
    const zqpde::TextEditFilterData* filter;
    const ValueRange* range;
    const zqpde::LittleArrayIniData* stepperIni;
    const char* summary;
    const int32_t* const* validate;
  };
  const Trio angle = {kAngleTitle, kAngleSlider, kAngleField, kAngleStepper, "WM Angle Title String", &kAngleSliderIni,
                      &kAngleSliderUpdate, &kAngleFieldUpdate, &kAngleStepperUpdate, &kAngleIni, &kAngleFilter,
                      &kAngleRange, &kAngleStepperIni, "WM Angel Summary String", kAngleValidate};
  const Trio density = {kDensityTitle, kDensitySlider, kDensityField, kDensityStepper, "WM Density Title String",
                        &kDensitySliderIni, &kDensitySliderUpdate, &kDensityFieldUpdate, &kDensityStepperUpdate,
                        &kDensityIni, &kDensityFilter, &kDensityRange, &kDensityStepperIni, "WM Density Summary String",
                        kDensityValidate};
  const Trio scale = {kScaleTitle, kScaleSlider, kScaleField, kScaleStepper, "WM Scale Title String", &kScaleSliderIni,
                      &kScaleSliderUpdate, &kScaleFieldUpdate, &kScaleStepperUpdate, &kScaleIni, &kScaleFilter,
                      &kScaleRange, &kScaleStepperIni, "WM Scale Summary String", kScaleValidate};
  auto trio = [&](const Trio& t) {
    label(t.title, t.titleKey);
    slider(t.slider, t.sliderIni, t.sliderUpdate);
    number(t.field, t.fieldIni, t.fieldUpdate, t.filter, t.range, NumberKind::kPlain, 0);
    stepper(t.stepper, t.stepperIni, t.stepperUpdate, t.summary, t.validate, NumberKind::kPlain, 0);
  };
  trio(angle);
  trio(density);
  const char* const scaleKeys[] = {"WM Scale Graduation 0% String", "WM Scale Graduation 250% String",
                                   "WM Scale Graduation 500% String", "WM Scale Graduation 750% String",
                                   "WM Scale Graduation 1000% String"};
  const int32_t scaleTags[] = {kScaleGrad0, kScaleGrad1, kScaleGrad2, kScaleGrad3, kScaleGrad4};
  for (int i = 0; i < 5; ++i) label(scaleTags[i], scaleKeys[i]);
  trio(scale);

  label(kPositionTitle, "WM Position Title String");
  wmInchMmGroupPtr = std::make_unique<zqpde::RadioGroup>();
  for (auto [tag, ini, constrain, validate] :
       {std::tuple{kInchRadio, &kOffRadio, &kInchRadioConstrain, kInchRadioValidate},
        std::tuple{kMMRadio, &kOnRadio, &kMMRadioConstrain, kMMRadioValidate}})
    if (auto* r = Add(std::make_unique<WMRadioButtonTELD>(view(tag), ini, constrain, validate)))
      wmInchMmGroupPtr->RunTimeAddNewControl(r);
  struct Position {
    int32_t title, inch, inchStepper, mm, mmStepper, type;
    const char* titleKey;
    const ConstrainInfo *inchUpdate, *inchStepperUpdate, *mmUpdate, *mmStepperUpdate;
    const zqpde::TextEditFilterData *inchFilter, *mmFilter;
    const char *inchSummary, *mmSummary;
    const int32_t* const* inchValidate;
    const int32_t* const* mmValidate;
  };
  const Position positions[] = {
      {kHTitle, kHInch, kHInchStepper, kHMM, kHMMStepper, 0, "WM Horizontal Title String", &kHInchUpdate,
       &kHInchStepperUpdate, &kHMMUpdate, &kHMMStepperUpdate, &kHInchFilter, &kHMMFilter,
       "WM Inch Horizontal Summary String", "WM MM Horizontal Summary String", kHInchValidate, kHMMValidate},
      {kVTitle, kVInch, kVInchStepper, kVMM, kVMMStepper, 1, "WM Vertical Title String", &kVInchUpdate,
       &kVInchStepperUpdate, &kVMMUpdate, &kVMMStepperUpdate, &kVInchFilter, &kVMMFilter,
       "WM Inches Vertical Summary String", "WM MM Vertical Summary String", kVInchValidate, kVMMValidate}};
  for (const Position& p : positions) {
    label(p.title, p.titleKey);
    number(p.inch, &kInchIni, p.inchUpdate, p.inchFilter, nullptr, NumberKind::kInches, p.type);
    stepper(p.inchStepper, &kPositionStepperIni, p.inchStepperUpdate, p.inchSummary, p.inchValidate,
            NumberKind::kInches, p.type);
    number(p.mm, &kMMIni, p.mmUpdate, p.mmFilter, nullptr, NumberKind::kMillimetres, p.type);
    stepper(p.mmStepper, &kPositionStepperIni, p.mmStepperUpdate, p.mmSummary, p.mmValidate, NumberKind::kMillimetres,
            p.type);
  }
  static const zqpde::AccessInfo kProductAccess = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, nullptr, nullptr};
  auto product = std::make_unique<WMEditWndProductTypeListCtrlTELD>();
  product->CreateControl(view(kProductType), &wmEditWndProductTypeLCtrlIniDataBlock, &kProductConstrain,
                         &kProductAccess, nullptr);
  Add(std::move(product));
  auto center = std::make_unique<WMEditWndCenterButTELD>();
  center->CreateControl(view(kCenter), "WM Edit Center Watermark Btn");
  Add(std::move(center));
  auto ok = std::make_unique<WMEditWndOKButTELD>();
  ok->CreateControl(view(kOK), "WM OK Btn");
  Add(std::move(ok));
  auto cancel = std::make_unique<WMEditWndCancelButTELD>();
  cancel->CreateControl(view(kCancel), "WM CANCEL Btn");
  Add(std::move(cancel));
  auto restore = std::make_unique<WMDefaultButtonTELD>();
  restore->CreateControl(view(kRestore), "WM RESTORE Btn");
  Add(std::move(restore));
  auto preview = std::make_unique<WMViewCtrlTELD>();
  preview->WMViewCtrl(view(kPreview), mwViewControlMapItemPtr);
  wmEditViewPtr = Add(std::move(preview));
  auto box = std::make_unique<WMGroupControlTELD>();
  box->CreateControl(view(kPreviewBox), "WM Preview Group Box");
  Add(std::move(box));
}

int32_t WatermarkEditPanelTELD::ActivateWindow() {
  if (windowRef == nullptr) return 0;
  ReInitializeUserPane();
  SetUIDataToIniData();
  ResetCurrentControlStatus();
  if (openDlgStatus == 1) {
    getValueFromWMArray();
    ForEachControl([](zqpde::BaseControl& c) { c.SetControlValueToUI(); });
  } else {
    ForEachControl([](zqpde::BaseControl& c) { c.SetDefaultValueToUI(); });
  }
  // The counts were reset: the lists of the radios and the product type
  // apply as the views now stand, and the views are the start of the next change.
  ForEachControl([](zqpde::BaseControl& c) {
    if (auto* r = dynamic_cast<WMRadioButtonTELD*>(&c)) r->ApplyListsAsShown();
    if (auto* p = dynamic_cast<WMEditWndProductTypeListCtrlTELD*>(&c)) p->ApplyListsAsShown();
  });
  SycValueFromUI();
  if (wmTextPictGroupPtr != nullptr && wmTextPictGroupPtr->GetcurRadio() < 0) wmTextPictGroupPtr->SetcurRadio(0);
  newWmStatus = -1;
  if (chooseFilePtr != nullptr) chooseFilePtr->Update();
  if (pictureNamePtr != nullptr && openDlgStatus == 1) pictureNamePtr->Update();
  if (wmEditViewPtr != nullptr) wmEditViewPtr->Update();
  zqp::Application::Shared().runModalForWindow(*windowRef);
  return 0;
}

void WatermarkEditPanelTELD::getValueFromWMArray() {
  WMOptionListCtrlTELD* list = panel_ != nullptr ? panel_->getOptionListCtrlPtr() : nullptr;
  if (list == nullptr) return;
  const int32_t v = list->ShownValue();
  if (v < 2) return;
  const size_t i = static_cast<size_t>(v - 2);
  const WatermarkStore& store = panel_->store();
  if (i >= store.Count()) return;
  auto setText = [&](zqpde::BaseControl* c, const std::string& text) {
    if (c != nullptr) c->setExternalValueToData(text.c_str(), static_cast<int32_t>(text.size()), 0);
  };
  auto setInt = [&](int32_t tag, int32_t value) {
    if (zqpde::BaseControl* c = GetPanelControl(&tag)) c->setExternalValueToData(&value, 4, 2);
  };
  const int32_t type = store.IntField(kWMType, i);
  if (type == kWMTypePicture) {
    setText(textPtr, Localize(WindowBundle(this), "Default WaterMark Text"));
    setText(pictureNamePtr, store.Field(kWMText, i));
  } else if (type == kWMTypeText) {
    setText(textPtr, store.Field(kWMText, i));
    setText(pictureNamePtr, "");
  }
  if (chooseFilePtr != nullptr) chooseFilePtr->SetPath(store.Field(kWMImagePath, i));
  setText(namePtr, store.Field(kWMName, i));
  auto setNumber = [&](int32_t fieldTag, int32_t stepperTag, int32_t value, bool inches) {
    setInt(stepperTag, value);
    const std::string text = inches ? TenthsText(value) : std::to_string(value);
    if (zqpde::BaseControl* c = GetPanelControl(&fieldTag)) setText(c, text);
  };
  setNumber(kAngleField, kAngleStepper, store.IntField(kWMAngel, i), false);
  setInt(kAngleSlider, store.IntField(kWMAngel, i));
  setNumber(kDensityField, kDensityStepper, store.IntField(kWMDensity, i), false);
  setInt(kDensitySlider, store.IntField(kWMDensity, i));
  setNumber(kScaleField, kScaleStepper, store.IntField(kWMScale, i), false);
  setInt(kScaleSlider, store.IntField(kWMScale, i));
  setNumber(kHInch, kHInchStepper, store.IntField(kWMhOffset, i), true);
  setNumber(kVInch, kVInchStepper, store.IntField(kWMvOffset, i), true);
  setNumber(kHMM, kHMMStepper, store.IntField(kWMhMMOffset, i), false);
  setNumber(kVMM, kVMMStepper, store.IntField(kWMvMMOffset, i), false);
  setNumber(kFontSizeField, kFontSizeStepper, static_cast<int32_t>(store.RealField(kWMSize, i)), false);
  setInt(kTextRadio, type == kWMTypeText ? 1 : 0);
  setInt(kPictureRadio, type == kWMTypePicture ? 1 : 0);
  if (wmTextPictGroupPtr != nullptr) wmTextPictGroupPtr->SetcurRadio(type == kWMTypePicture ? 1 : 0);
  const int32_t radio = store.IntField(kWMSizeRadio, i);
  setInt(kInchRadio, radio == kWMInches ? 1 : 0);
  setInt(kMMRadio, radio == kWMMillimetres ? 1 : 0);
  if (wmInchMmGroupPtr != nullptr) wmInchMmGroupPtr->SetcurRadio(radio == kWMMillimetres ? 1 : 0);
  if (colorPtr != nullptr)
    colorPtr->setStrColor(zqp::Color{store.RealField(kWMRed, i), store.RealField(kWMGreen, i),
                                     store.RealField(kWMBlue, i), store.RealField(kWMAlpha, i)});
  if (fontPtr != nullptr) {
    const std::vector<std::string>& fonts = fontPtr->getFontListArray();
    int32_t item = *static_cast<const int32_t*>(fontPtr->GetDefaultDataBlk());
    for (size_t k = 0; k < fonts.size(); ++k)
      if (fonts[k] == store.Field(kWMFontName, i)) item = static_cast<int32_t>(k) + 1;
    fontPtr->setExternalValueToData(&item, 4, 2);
  }
}

WatermarkRecord WatermarkEditPanelTELD::GetWMDataFromUIItems() {
  WatermarkRecord r;
  r.size = 0;
  r.alpha = 0;
  r.scale = 0;
  r.sizeRadio = 0;
  if (wmTextPictGroupPtr == nullptr || wmTextPictGroupPtr->GetcurRadio() < 0) return r;
  if (namePtr != nullptr) r.name = namePtr->GetText();
  if (wmTextPictGroupPtr->GetcurRadio() == 0) {
    r.type = kWMTypeText;
    if (textPtr != nullptr) r.text = textPtr->GetText();
    if (colorPtr != nullptr) {
      const zqp::Color& c = colorPtr->GetColor();
      r.red = c.red, r.green = c.green, r.blue = c.blue, r.alpha = c.alpha;
    }
    if (fontPtr != nullptr) {
      const int32_t item = fontPtr->GetValue();
      const std::vector<std::string>& fonts = fontPtr->getFontListArray();
      if (item >= 1 && static_cast<size_t>(item) <= fonts.size()) r.fontName = fonts[static_cast<size_t>(item - 1)];
    }
    r.size = static_cast<float>(IntOf(this, kFontSizeStepper));
    r.angle = IntOf(this, kAngleStepper);
    r.density = IntOf(this, kDensityStepper);
    r.sizeRadio = wmInchMmGroupPtr != nullptr && wmInchMmGroupPtr->GetcurRadio() == 1 ? kWMMillimetres : kWMInches;
    r.hOffset = IntOf(this, kHInchStepper);
    r.vOffset = IntOf(this, kVInchStepper);
    r.hMMOffset = IntOf(this, kHMMStepper);
    r.vMMOffset = IntOf(this, kVMMStepper);
  } else {
    r.type = kWMTypePicture;
    if (pictureNamePtr != nullptr) r.text = pictureNamePtr->GetText();
    if (chooseFilePtr != nullptr) r.imagePath = chooseFilePtr->Path();
    r.scale = IntOf(this, kScaleStepper);
  }
  ApplyFixedByType(&r);
  return r;
}

bool WatermarkEditPanelTELD::CommitFromUI() {
  WMOptionListCtrlTELD* list = panel_ != nullptr ? panel_->getOptionListCtrlPtr() : nullptr;
  if (list == nullptr) return false;
  WatermarkStore& store = panel_->store();
  const int32_t a = list->ShownValue() - 2;
  const std::string name = namePtr != nullptr ? namePtr->GetText() : std::string();
  std::optional<size_t> e = store.IndexOfName(name);
  const bool clash = e.has_value() && (openDlgStatus == 0 || static_cast<int32_t>(*e) != a);
  if (clash) {
    zqp::Bundle* bundle = WindowBundle(this);
    zqp::Alert alert;
    alert.setMessageText("");
    alert.setInformativeText(Localize(bundle, "Message112"));
    alert.setInformativeKey("Message112");
    alert.addButtonWithTitle(Localize(bundle, "Alert OK Btn"));
    alert.addButtonWithTitle(Localize(bundle, "Alert Cancel Btn"));
    if (bundle != nullptr) alert.setIconFromFile(bundle->resourcePath() + "/AlertIcon.png");
    if (alert.runModal() == 0) {
      newWmStatus = 1;
    } else {
      newWmStatus = 0;
      if (namePtr != nullptr && namePtr->GetControlPtr() != nullptr) windowRef->makeFirstResponder(namePtr->GetControlPtr());
    }
  }
  if (newWmStatus == 0) {
    newWmStatus = 1;
    return false;
  }
  const WatermarkRecord record = GetWMDataFromUIItems();
  if (clash) {
    list->replaceItem(name, static_cast<int32_t>(*e) + 1);
    store.Update(record, *e);
    if (openDlgStatus == 1 && a >= 0 && static_cast<size_t>(a) < store.Count()) {
      list->deleteItemByIndex(a + 1);
      store.Remove(static_cast<size_t>(a));
    }
  } else if (openDlgStatus == 1 && a >= 0) {
    list->replaceItem(name, a + 1);
    store.Update(record, static_cast<size_t>(a));
  } else {
    store.Append(record);
    list->addItem(name);
  }
  list->DoProductTypeUpdate();
  list->GetValueFromUI();
  list->SetValueFromUIToControl();
  // Kept at once: a dialog left without hiding the panel loses nothing.
  panel_->SetWMArrayValue();
  DeactivateWindow();
  return true;
}

// ---- buttons ------------------------------------------------------------------------------

bool WMEditWndOKButTELD::UIEventHandler() {
  WatermarkEditPanelTELD* w = OwningEditWindow(*this);
  if (w == nullptr) return true;
  w->SycValueFromUI();
  zqpde::BasePrintPanel::ControlList* controls = w->getCtrlGroupArrayRef();
  if (controls != nullptr)
    for (auto& c : *controls)
      if (c != nullptr && !c->InvalidateData()) return true;
  w->SetValueFromUIToControl();
  w->CommitFromUI();
  return true;
}

bool WMEditWndCancelButTELD::UIEventHandler() {
  if (WatermarkEditPanelTELD* w = OwningEditWindow(*this)) w->DeactivateWindow();
  return true;
}

bool WMEditWndCenterButTELD::UIEventHandler() {
  WatermarkEditPanelTELD* w = OwningEditWindow(*this);
  if (w == nullptr) return true;
  for (const int32_t* const* p = centerSetDefaultArray; *p != nullptr; ++p)
    if (zqpde::BaseControl* c = w->GetPanelControl(*p)) {
      c->SetDefaultValueToUI();
      c->GetValueFromUI();
    }
  if (w->getWMViewCtrlPtr() != nullptr) w->getWMViewCtrlPtr()->Update();
  return true;
}

bool WMEditWndChooseFileButTELD::UIEventHandler() {
  WatermarkEditPanelTELD* w = OwningEditWindow(*this);
  zqp::OpenPanel open;
  open.setAllowedFileTypes({"tiff", "tif", "jpg", "jpeg", "jpe", "gif", "bmp", "BMPf", "png"});
  const char* home = std::getenv("HOME");
  open.setDirectory(home != nullptr ? home : "");
  open.beginSheetModalForWindow(w != nullptr ? w->GetWindowRef() : nullptr,
                                [this, &open](int code) { openPanelDidEnd(code, open.filename()); });
  return true;
}

void WMEditWndChooseFileButTELD::openPanelDidEnd(int returnCode, const std::string& path) {
  // The path is kept whole up to 254 bytes; a longer one is refused, never cut.
  if (returnCode != zqp::kFileHandlingPanelOKButton || path.empty() || path.size() > 254) return;
  imageLocaltion = path;
  if (setImageByLocation()) zqpde::BaseControl::UIEventHandler();
}

bool WMEditWndChooseFileButTELD::setImageByLocation() {
  WatermarkEditPanelTELD* w = OwningEditWindow(*this);
  if (w == nullptr) return false;
  if (WMViewCtrlTELD* preview = w->getWMViewCtrlPtr(); preview != nullptr && preview->View() != nullptr) {
    preview->View()->setImage(nullptr);
    if (!imageLocaltion.empty()) preview->View()->setImage(zqp::Picture::Load(imageLocaltion));
  }
  return true;
}

int32_t WMEditWndChooseFileButTELD::Update() {
  WatermarkEditPanelTELD* w = OwningEditWindow(*this);
  if (w != nullptr && w->getWMTextPictGroupPtr() != nullptr && w->getWMTextPictGroupPtr()->GetcurRadio() == 1)
    setImageByLocation();
  return 0;
}

bool WMEditWndChooseFileButTELD::SetDefaultValueToUI() {
  imageLocaltion.clear();
  return true;
}

bool WMEditWndProductTypeListCtrlTELD::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
  const std::string mode = WatermarkModeFromPPD(ppd);
  for (const WaterMarkProductInfo& row : waterMarkProcuctsInfo)
    if (mode == row.resourceName) default_ = row.productType + 1;
  return zqpde::PopupControl::InitializeCtrl(bundle, ppd);
}

void WMEditWndProductTypeListCtrlTELD::ApplyListsAsShown() {
  const int32_t index = GetCurrentControlArrayNumber();
  if (ctrlConstrainControlArray != nullptr) HideControlConstrains(ctrlConstrainControlArray->hideLists.at(index));
  GetValueFromUI();
  DoSelfUpdate();
}

int32_t WMEditWndProductTypeListCtrlTELD::DoSelfUpdate() {
  if (ControlPtr != nullptr) ControlPtr->setHidden(true);
  return 0;
}

}  // namespace zqwm
