// The small picture of the sheet in the edit window: a white sheet with a
// black border, and on it the watermark as the device would place it (text
// at its offset and angle with the density as opacity, or the picture at its
// scale), drawn through one affine transform.
#include <zqp/bundle.h>
#include <zqp/view.h>

#include <algorithm>
#include <cmath>

#include "watermark_edit.h"

namespace zqwm {

// ---- geometry -----------------------------------------------------------------------------

double PreviewSheetWidth(int32_t orientation) { return orientation == 2 || orientation == 4 ? 220 : 120; }

int32_t PreviewDivisor(const PaperRect& paper, int32_t orientation) {
  const bool landscape = orientation == 2 || orientation == 4;
  const double extent = landscape ? paper.bottom - paper.top : paper.right - paper.left;
  const double halfWidth = landscape ? 110 : 60;
  const double p = std::trunc(extent / halfWidth * 0.5);
  // A narrow sheet would give 0 and divide by zero below: 1 is the least divisor.
  return p >= 1 && p < 1e6 ? static_cast<int32_t>(p) : 1;
}

zqp::Point PreviewOffset(int32_t hTenths, int32_t vTenths, int32_t maxH, int32_t maxV, int32_t orientation) {
  const float halfWidth = orientation == 2 || orientation == 4 ? 110.f : 60.f;
  zqp::Point p;
  if (maxH != 0) p.x = static_cast<float>(hTenths) * halfWidth / static_cast<float>(maxH);
  if (maxV != 0) p.y = static_cast<float>(vTenths) * 75.f / static_cast<float>(maxV);
  return p;
}

int32_t PreviewFontSize(const std::function<double(int32_t)>& widthAt, int32_t fontSize, int32_t divisor) {
  if (fontSize <= 2) return 2;
  const double target = std::max(std::trunc(widthAt(fontSize) / std::max(divisor, 1)), std::trunc(widthAt(2)));
  double below = std::trunc(widthAt(2));
  for (int32_t s = 2; s < fontSize; ++s) {
    const double above = std::trunc(widthAt(s + 1));
    if (below <= target && target <= above) return s;
    below = above;
  }
  return fontSize;
}

// ---- the view -----------------------------------------------------------------------------

WatermarkView::WatermarkView(zqp::CustomView* view) : view_(view) {
  if (view_ != nullptr)
    view_->setDrawHandler([this](zqp::CustomView&) {
      if (zqp::GraphicsContext* ctx = zqp::GraphicsContext::Current()) drawRect(*ctx);
    });
}

void WatermarkView::setTransform(const zqp::AffineTransform& t) {
  transform = t;
  if (view_ != nullptr) view_->setNeedsDisplay();
}

void WatermarkView::setViewParmAndDraw(const WatermarkDrawData* data) {
  if (data == nullptr) return;
  watermarkViewDrewDataPtr = data;
  if (view_ != nullptr) view_->setNeedsDisplay();
}

void WatermarkView::drawRect(zqp::GraphicsContext& ctx) {
  drawWhitePaper(ctx);
  drawImage(ctx);
}

void WatermarkView::drawWhitePaper(zqp::GraphicsContext& ctx) {
  if (view_ == nullptr) return;
  const zqp::Frame b = view_->bounds();
  const float w = static_cast<float>(PreviewSheetWidth(orientation)), h = static_cast<float>(kPreviewSheetHeight);
  const float x = static_cast<float>(b.x) + (static_cast<float>(b.width) - w) * 0.5f + 1;
  const float y = static_cast<float>(b.y) + (static_cast<float>(b.height) - h) * 0.5f + 1;
  ctx.setFillColor(zqp::Color{0, 0, 0, 1});
  ctx.fillRect({x, y, w, h});
  clipRect = {x + 1.0, y + 1.0, w - 2.0, h - 2.0};
  ctx.setFillColor(zqp::Color{1, 1, 1, 1});
  ctx.fillRect(clipRect);
}

void WatermarkView::drawImage(zqp::GraphicsContext& ctx) {
  if (view_ == nullptr || image_ == nullptr || watermarkViewDrewDataPtr == nullptr) return;
  const WatermarkDrawData& data = *watermarkViewDrewDataPtr;
  if (data.wmType != 0 && data.wmType != 1) return;
  const zqp::Frame b = view_->bounds();
  ctx.saveGraphicsState();
  ctx.clipToRect(clipRect);
  // The origin at the centre of the view: the watermark turns about it.
  zqp::AffineTransform centre;
  centre.translateXBy(b.x + b.width / 2, b.y + b.height / 2);
  centre.concat(ctx);
  transform.concat(ctx);
  const zqp::Size size = image_->size();
  const zqp::Frame target{-static_cast<float>(size.width) / 2.0, -static_cast<float>(size.height) / 2.0,
                          static_cast<float>(size.width), static_cast<float>(size.height)};
  image_->drawInRect(ctx, target, data.wmType == 1 ? 1.0 : data.wmDensity / 100.0);
  ctx.restoreGraphicsState();
}

// ---- the control --------------------------------------------------------------------------

void WMViewCtrlTELD::WMViewCtrl(zqp::View* view, const int32_t* const* controlMap) {
  zqpde::BaseControl::CreateControl(view);
  wmControlMapItemPtr = controlMap;
  preview_ = std::make_unique<WatermarkView>(dynamic_cast<zqp::CustomView*>(view));
}

bool WMViewCtrlTELD::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
  zqpde::BaseControl::InitializeCtrl(bundle, ppd);
  if (LayoutPDETELDw15* panel = OwningWatermarkPanel(*this); panel != nullptr && preview_ != nullptr)
    preview_->setOrientation(panel->getOrientation());
  return true;
}

zqpde::BaseControl* WMViewCtrlTELD::MapControl(size_t entry) {
  if (wmControlMapItemPtr == nullptr || GetParentPanel() == nullptr) return nullptr;
  for (size_t i = 0; wmControlMapItemPtr[i] != nullptr; ++i)
    if (i == entry) return GetParentPanel()->GetPanelControl(wmControlMapItemPtr[i]);
  return nullptr;
}

bool WMViewCtrlTELD::GetCtrlDataFromMapItems() {
  watermarkDrawData = WatermarkDrawData{};
  WatermarkEditPanelTELD* window = OwningEditWindow(*this);
  LayoutPDETELDw15* panel = OwningWatermarkPanel(*this);
  if (preview_ == nullptr || window == nullptr || window->getWMTextPictGroupPtr() == nullptr) return false;
  if (panel != nullptr) preview_->setOrientation(panel->getOrientation());
  const int32_t radio = window->getWMTextPictGroupPtr()->GetcurRadio();
  if (radio < 0) return false;
  auto stepper = [this](size_t entry) { return dynamic_cast<WMLittleArrayControlTELD*>(MapControl(entry)); };
  zqp::AffineTransform t;
  if (radio != 0) {
    watermarkDrawData.wmType = 1;
    const WMLittleArrayControlTELD* scale = stepper(8);
    t.scaleBy((scale != nullptr ? const_cast<WMLittleArrayControlTELD*>(scale)->ShownValue() : 100) / 500.0);
    preview_->setTransform(t);
    return true;
  }
  preview_->setImage(nullptr);
  watermarkDrawData.wmType = 0;
  WMLittleArrayControlTELD* h = stepper(9);
  WMLittleArrayControlTELD* v = stepper(10);
  watermarkDrawData.wmHorizontal = h != nullptr ? h->ShownValue() : 0;
  watermarkDrawData.wmVirtical = v != nullptr ? v->ShownValue() : 0;
  const int32_t maxH = h != nullptr ? h->Maximum() : 1, maxV = v != nullptr ? v->Maximum() : 1;
  const int32_t orientation = preview_->getOrientation();
  const int32_t divisor = PreviewDivisor(panel != nullptr ? panel->PMGetPhysicalPaperSize() : PaperRect{0, 0, 792, 612},
                                         orientation);
  const zqp::Point offset = PreviewOffset(watermarkDrawData.wmHorizontal, watermarkDrawData.wmVirtical, maxH, maxV, orientation);
  t.translateXBy(offset.x, offset.y);
  WMLittleArrayControlTELD* density = stepper(7);
  watermarkDrawData.wmDensity = density != nullptr ? density->ShownValue() : 0;
  WMLittleArrayControlTELD* sizeStepper = stepper(4);
  const int32_t fontSize = sizeStepper != nullptr ? sizeStepper->ShownValue() : 0;

  std::string fontName;
  if (auto* font = dynamic_cast<WMFontListCtrlTELD*>(MapControl(3))) {
    const int32_t item = font->GetValueFromUI() != nullptr ? *reinterpret_cast<const int32_t*>(font->GetValueFromUI()) : 0;
    if (item >= 1 && static_cast<size_t>(item) <= font->getFontListArray().size())
      fontName = font->getFontListArray()[static_cast<size_t>(item - 1)];
  }
  std::string fallback = "Courier";
  if (zqp::Bundle* bundle = GetParentPanel()->GetPDEBundleRef()) {
    const std::string f = bundle->localizedString("DefaultFont String", "Courier");
    if (!f.empty() && f != zqp::kNoTranslation) fallback = f;
  }
  const std::string family = !fontName.empty() && zqp::Font::isAvailable(fontName) ? fontName : fallback;

  std::string text;
  if (auto* field = dynamic_cast<zqpde::TextEditCtrl*>(MapControl(1)))
    if (const char* ui = field->GetValueFromUI()) text = ui;
  if (text.empty()) {
    preview_->setImage(nullptr);
    return false;
  }
  zqp::Color color{0, 0, 1, 1};
  if (auto* well = dynamic_cast<WMColorSelectCtrl*>(MapControl(2))) color = well->GetColor();
  auto attributed = [&](int32_t size) {
    return zqp::AttributedString(text, zqp::TextAttributes{zqp::Font::fontWithName(family, std::max(size, 1)), color});
  };
  const int32_t previewSize =
      PreviewFontSize([&](int32_t s) { return attributed(s).size().width; }, fontSize, divisor);
  const zqp::AttributedString shown = attributed(previewSize);
  watermarkDrawData.waterMarkImage =
      zqp::Picture::FromDrawing(shown.size(), [&](zqp::GraphicsContext& ctx) { shown.drawAtPoint(ctx, {0, 0}); });
  preview_->setImage(watermarkDrawData.waterMarkImage);
  WMLittleArrayControlTELD* angle = stepper(6);
  t.rotateByDegrees(angle != nullptr ? angle->ShownValue() : 0);
  preview_->setTransform(t);
  return true;
}

int32_t WMViewCtrlTELD::Update() {
  if (wmControlMapItemPtr != nullptr && GetCtrlDataFromMapItems() && preview_ != nullptr)
    preview_->setViewParmAndDraw(&watermarkDrawData);
  return 0;
}

}  // namespace zqwm
