#pragma once
// The watermark edit window, the controls it is built from and the preview
// of the sheet. The window fills its controls from the chosen watermark (or
// their defaults), checks them all at OK, resolves a name clash with the
// user, and adds or replaces the watermark in the store and the pop-up.
#include <zqp/font.h>
#include <zqp/graphics.h>
#include <zqp/picture.h>

#include <memory>
#include <string>
#include <vector>

#include "watermark_store.h"
#include "watermark_ticket.h"
#include "watermark_panel.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/standard_controls.h"

namespace zqp {
class ColorWell;
class CustomView;
class Slider;
}  // namespace zqp

namespace zqwm {

// ---- number texts and ranges (pure) -------------------------------------------------------

struct ValueRange {
  int32_t minimum = 0, maximum = 0;
};

// A whole number within the range (angle, density, scale, font size).
bool IsPlainNumberValid(const std::string& text, const ValueRange& range);
// Whole millimetres: one leading "-" at most, and not "-" or "-0".
bool IsMillimetreTextValid(const std::string& text, const ValueRange& range);
// Inches with at most one decimal ("1.5", "-0.5"); the range is in tenths.
bool IsInchTextValid(const std::string& text, const ValueRange& range);
// The text in tenths of an inch (rounded), 0 for an empty text.
int32_t TenthsOfInchText(const std::string& text);
// "%d.%d" of tenths, "-" in front when negative (-5 gives "-0.5").
std::string TenthsText(int32_t tenths);
// The half ranges of the offsets on a sheet: whole millimetres and tenths
// of an inch, horizontal then vertical; landscape (2, 4) exchanges them.
struct PositionRanges {
  ValueRange hMM, vMM, hInch, vInch;
};
PositionRanges PositionRangesFor(const PaperRect& paper, int32_t orientation);
// The partner field's text in the other unit, limited to the maximum.
std::string MillimetreTextFromInches(const std::string& inchText, int32_t maximum);
std::string InchTextFromMillimetres(const std::string& mmText, int32_t maximumTenths);

// ---- preview geometry (pure) --------------------------------------------------------------

inline constexpr double kPreviewSheetHeight = 150;
// The preview sheet's width: 220 landscape (2, 4), 120 otherwise.
double PreviewSheetWidth(int32_t orientation);
// Points of the real sheet per preview unit (never below 1).
int32_t PreviewDivisor(const PaperRect& paper, int32_t orientation);
// The offset of the text's centre from the sheet's centre in preview units:
// the largest offset reaches the sheet's edge; a maximum of 0 gives 0.
zqp::Point PreviewOffset(int32_t hTenths, int32_t vTenths, int32_t maxH, int32_t maxV, int32_t orientation);
// The preview font size: the size whose width brackets the text's width at
// size S divided by the divisor (2 at least).
int32_t PreviewFontSize(const std::function<double(int32_t)>& widthAt, int32_t fontSize, int32_t divisor);

// ---- controls of the edit window ----------------------------------------------------------

enum class NumberKind { kPlain, kFontSize, kInches, kMillimetres };

class WMTextEditCtrlTELD : public zqpde::TextEditCtrl {
 public:
  using zqpde::TextEditCtrl::CreateControl;
  void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData, const zqpde::ConstrainInfo* constrain,
                     const zqpde::AccessInfo* access, const zqp::PrefUser* user, const zqpde::TextEditFilterData* filter,
                     const ValueRange* range, NumberKind kind = NumberKind::kPlain, int32_t positionType = 0);
  bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
  bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
  bool IsNumberValid(const std::string& text) const;
  bool ToValidate();
  bool InvalidateData() override;
  bool InvalidateDataAndReturnError() override;
  // The typed text reaches the stepper (and slider), then the update list.
  int32_t OnRawKeyUp(void* text) override;
  void RequestControlAction(zqp::View* sender) override;
  // Position fields: while hidden, follow the partner field in the other unit.
  int32_t Update() override;
  void ShowErrMsg() override;
  void SetRange(const ValueRange& range) { wmEditValueRangeData = range; }
  const ValueRange& Range() const { return wmEditValueRangeData; }
  int32_t GetEditMaxLength() const;
  zqpde::BaseControl* GetLittleArrayForNumberEdit();
  zqpde::BaseControl* GetSliderBarForNumberEdit();
  std::string Text();

 private:
  bool Check(bool alert);
  zqpde::BaseControl* UpdateListEntry(size_t n);
  ValueRange wmEditValueRangeData;
  NumberKind kind_ = NumberKind::kPlain;
  int32_t wmPositionType = 0;
};

class WMLittleArrayControlTELD : public zqpde::LittleArray {
 public:
  using zqpde::LittleArray::CreateControl;
  void CreateControl(zqp::View* view, const zqpde::LittleArrayIniData* iniData, const zqpde::ConstrainInfo* constrain,
                     const char* summaryKey, const int32_t* const* validateArray, NumberKind kind = NumberKind::kPlain,
                     int32_t positionType = 0);
  bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
  bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
  bool SetExternalValueToUI(const void* value, int32_t size) override;
  bool SetDefaultValueToUI() override;
  bool InvalidateRelateControlData(bool alert);
  int32_t DoControlUpdateConstrain() override;
  void RequestControlAction(zqp::View* sender) override;
  int32_t GetSummaryText(zqpde::SummaryDictionary*, zqpde::SummaryOrder*) override { return 0; }
  // The value shown.
  int32_t ShownValue();
  int32_t Maximum() const { return maximum_; }
  void SetRange(int32_t min, int32_t max) override;

 private:
  const int32_t* const* ControlValidateArray = nullptr;
  NumberKind kind_ = NumberKind::kPlain;
  int32_t wmPositionType = 0;
};

class WMSliderBarControlTELD : public zqpde::BaseControl {
 public:
  using zqpde::BaseControl::CreateControl;
  using zqpde::BaseControl::SetValueToTicket;
  void CreateControl(zqp::View* view, const zqpde::SliderBarIniData* iniData, const zqpde::ConstrainInfo* constrain);
  bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
  bool SetExternalValueToUI(const void* value, int32_t size) override;
  bool SetControlValueToUI() override;
  char* GetValueFromUI() override;
  bool SetValueToTicket(zqp::PrintSettings*, bool, const std::vector<zqp::View*>&) override { return true; }
  bool SetValueToTicket(zqp::PrintSettings*, bool) override { return true; }
  const void* GetDefaultDataBlk() override;
  const void* GetIniDataBlk() override;
  int32_t DoControlUpdateConstrain() override;
  void RequestControlAction(zqp::View* sender) override;

 private:
  zqp::Slider* SliderView() const;
  const zqpde::SliderBarIniData* sliderBarIniDataPtr = nullptr;
  int32_t lastValue = 0;
};

class WMRadioButtonTELD : public zqpde::RadioButton {
 public:
  WMRadioButtonTELD(zqp::View* view, const zqpde::RadioButtonIniData* iniData, const zqpde::ConstrainInfo* constrain,
                    const int32_t* const* validateArray);
  bool UIEventHandler() override;
  bool SimulationUIEventHandler() override;
  bool ValidateConstrains();
  bool GetValueFromPreference() override { return false; }
  // The lists of the state shown, after the window reset every count.
  void ApplyListsAsShown();

 private:
  const int32_t* const* validateControlArray;
};

// Name and text fields: their default is a localised key.
class WMNameTextEditCtrlTELD : public zqpde::TextEditCtrl {
 public:
  using zqpde::TextEditCtrl::CreateControl;
  void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData, const zqpde::TextEditFilterData* filter,
                     const char* defaultMacro, bool isText);
  bool InvalidateData() override;
  bool SetDefaultValueToUI() override;

 private:
  std::string defaultText;
  bool isText_ = false;
};

class WMPictureNameEditCtrlTELD : public zqpde::TextEditCtrl {
 public:
  bool InvalidateData() override;
  int32_t Update() override;
};

class WMColorSelectCtrl : public zqpde::BaseControl {
 public:
  using zqpde::BaseControl::CreateControl;
  void CreateControl(zqp::View* well);
  bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
  bool SetDefaultValueToUI() override;
  bool SetUIValueToIniData() override { return SetDefaultValueToUI(); }
  void setStrColor(const zqp::Color& color);
  const zqp::Color& GetColor() const { return strColor; }
  void RequestControlAction(zqp::View* sender) override;
  bool SetValueToTicket(zqp::PrintSettings*, bool, const std::vector<zqp::View*>&) override { return true; }
  bool SetValueToTicket(zqp::PrintSettings*, bool) override { return true; }

 private:
  zqp::Color strColor{0, 0, 1, 1};
};

class WMFontListCtrlTELD : public WMListCtrlTELD {
 public:
  bool InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) override;
  bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
  bool UIEventHandler() override;
  const std::vector<std::string>& getFontListArray() const { return FontNameArray; }
  // 0 unknown, 1 Latin, 2 Japanese.
  int32_t getFontType();
  const void* GetDefaultDataBlk() override { return &defaultItem_; }
  const void* GetIniDataBlk() override { return &defaultItem_; }
  int32_t GetSummaryText(zqpde::SummaryDictionary*, zqpde::SummaryOrder*) override { return 0; }

 private:
  void addStringToFontList(const std::string& name);
  std::vector<std::string> FontNameArray;
  int32_t defaultItem_ = 1;
};

class WMGroupControlTELD : public zqpde::BaseControl {
 public:
  using zqpde::BaseControl::CreateControl;
  void CreateControl(zqp::View* box, const char* titleKey);
  bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;

 private:
  std::string controlTitleStrRef;
};

// Labels that keep the nib's own text.
class WMStaticTextEditControlTELD : public zqpde::StaticTextEditControl {
 public:
  bool InitializeTitle(zqp::Bundle*) override { return true; }
};

class WMEditWndOKButTELD : public zqpde::BaseButton {
 public:
  bool UIEventHandler() override;
};
class WMEditWndCancelButTELD : public zqpde::BaseButton {
 public:
  bool UIEventHandler() override;
};
class WMEditWndCenterButTELD : public zqpde::BaseButton {
 public:
  bool UIEventHandler() override;
};
class WMEditWndChooseFileButTELD : public zqpde::BaseButton {
 public:
  bool UIEventHandler() override;
  void openPanelDidEnd(int returnCode, const std::string& path);
  bool setImageByLocation();
  int32_t Update() override;
  bool SetDefaultValueToUI() override;
  const std::string& Path() const { return imageLocaltion; }
  void SetPath(std::string path) { imageLocaltion = std::move(path); }
  void SetUpdateList(const zqpde::ConstrainInfo* info) { KeepTables(info, nullptr, nullptr); }

 private:
  std::string imageLocaltion;
};
// Hidden; its value hides the picture and scale controls of a text-only device.
class WMEditWndProductTypeListCtrlTELD : public zqpde::PopupControl {
 public:
  bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
  int32_t DoSelfUpdate() override;
  void ApplyListsAsShown();
  const void* GetDefaultDataBlk() override { return &default_; }
  const void* GetIniDataBlk() override { return &default_; }
  bool SetValueToTicket(zqp::PrintSettings*, bool, const std::vector<zqp::View*>&) override { return true; }
  bool SetValueToTicket(zqp::PrintSettings*, bool) override { return true; }

 private:
  int32_t default_ = 1;
};

// ---- preview ------------------------------------------------------------------------------

struct WatermarkDrawData {
  int32_t wmType = 0;
  int32_t wmDensity = 0;
  int32_t wmHorizontal = 0;
  int32_t wmVirtical = 0;
  std::shared_ptr<zqp::Picture> waterMarkImage;
};

// Draws the white sheet with its black border and the watermark through the transform.
class WatermarkView {
 public:
  explicit WatermarkView(zqp::CustomView* view);
  void drawRect(zqp::GraphicsContext& ctx);
  void setOrientation(int32_t o) { orientation = o; }
  int32_t getOrientation() const { return orientation; }
  void setTransform(const zqp::AffineTransform& t);
  void setViewParmAndDraw(const WatermarkDrawData* data);
  void setImage(std::shared_ptr<zqp::Picture> image) { image_ = std::move(image); }
  const std::shared_ptr<zqp::Picture>& image() const { return image_; }
  zqp::CustomView* view() const { return view_; }
  const zqp::Frame& ClipRect() const { return clipRect; }

 private:
  void drawWhitePaper(zqp::GraphicsContext& ctx);
  void drawImage(zqp::GraphicsContext& ctx);
  zqp::CustomView* view_;
  zqp::AffineTransform transform;
  int32_t orientation = 1;
  zqp::Frame clipRect;
  const WatermarkDrawData* watermarkViewDrewDataPtr = nullptr;
  std::shared_ptr<zqp::Picture> image_;
};

class WMViewCtrlTELD : public zqpde::BaseControl {
 public:
  void WMViewCtrl(zqp::View* view, const int32_t* const* controlMap);
  bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
  bool GetCtrlDataFromMapItems();
  int32_t Update() override;
  WatermarkView* View() { return preview_.get(); }
  const WatermarkDrawData& DrawData() const { return watermarkDrawData; }

 private:
  zqpde::BaseControl* MapControl(size_t entry);
  const int32_t* const* wmControlMapItemPtr = nullptr;
  WatermarkDrawData watermarkDrawData;
  std::unique_ptr<WatermarkView> preview_;
};

// ---- the window ---------------------------------------------------------------------------

class WatermarkEditPanelTELD : public zqpde::PopupWinInPanel {
 public:
  WatermarkEditPanelTELD(zqp::Window* window, const char* theWinTitleStr, LayoutPDETELDw15* panel);
  ~WatermarkEditPanelTELD() override;

  int32_t ActivateWindow() override;
  void setDlgStatus(int32_t s) { openDlgStatus = s; }
  int32_t getDlgStatus() const { return openDlgStatus; }
  void setNewWMStatus(int32_t s) { newWmStatus = s; }
  int32_t getNewWMStatus() const { return newWmStatus; }
  void getValueFromWMArray();
  WatermarkRecord GetWMDataFromUIItems();
  // OK's work after the checks: the name question, then store and pop-up.
  bool CommitFromUI();

  LayoutPDETELDw15* Panel() const { return panel_; }
  zqpde::RadioGroup* getWMTextPictGroupPtr() { return wmTextPictGroupPtr.get(); }
  zqpde::RadioGroup* getWMInchMmGroupPtr() { return wmInchMmGroupPtr.get(); }
  WMViewCtrlTELD* getWMViewCtrlPtr() { return wmEditViewPtr; }
  WMEditWndChooseFileButTELD* getChooseFileButPtr() { return chooseFilePtr; }
  WMNameTextEditCtrlTELD* getWMEditWndNameTextEditCtrlPtr() { return namePtr; }
  WMNameTextEditCtrlTELD* getWMEditWndTextEditCtrlPtr() { return textPtr; }
  WMFontListCtrlTELD* getWMEditWndFontListCtrlPtr() { return fontPtr; }

 private:
  void CreateControls();
  template <class T>
  T* Add(std::unique_ptr<T> control);
  LayoutPDETELDw15* panel_;
  int32_t openDlgStatus = 0;
  int32_t newWmStatus = -1;
  std::unique_ptr<zqpde::RadioGroup> wmTextPictGroupPtr;
  std::unique_ptr<zqpde::RadioGroup> wmInchMmGroupPtr;
  WMViewCtrlTELD* wmEditViewPtr = nullptr;
  WMEditWndChooseFileButTELD* chooseFilePtr = nullptr;
  WMNameTextEditCtrlTELD* namePtr = nullptr;
  WMNameTextEditCtrlTELD* textPtr = nullptr;
  WMPictureNameEditCtrlTELD* pictureNamePtr = nullptr;
  WMColorSelectCtrl* colorPtr = nullptr;
  WMFontListCtrlTELD* fontPtr = nullptr;
};

// The edit window that owns a control; nullptr for a main-panel control.
WatermarkEditPanelTELD* OwningEditWindow(const zqpde::BaseControl& control);

}  // namespace zqwm
