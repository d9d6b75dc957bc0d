#include "icon_view.h"

#include <zqp/bundle.h>
#include <zqp/picture.h>
#include <zqp/view.h>

namespace zqsp {

SPIconView::SPIconView(zqp::CustomView* view) : view_(view) {
    if (view_ == nullptr) return;
    viewTag_ = view_->tag();
    view_->setFlipped(true);
    view_->setDrawHandler([this](zqp::CustomView&) { drawRect(); });
}

void SPIconView::drawIcon(const zqp::Bundle* bundle, const std::string& iconName) {
    bundle_ = bundle;
    iconName_ = iconName;
    if (view_ != nullptr) view_->setNeedsDisplay();
}

void SPIconView::drawRect() {
    drewPicture_ = false;
    if (view_ == nullptr || bundle_ == nullptr || iconName_.empty()) return;
    std::shared_ptr<zqp::Picture> picture = zqp::Picture::Load(bundle_->resourcePath() + "/" + iconName_);
    if (!picture) return;
    picture->drawInRect(view_->bounds(), 1.0);
    drewPicture_ = true;
}

void SPIconViewCtrlARK::CreateControl(zqp::View* view, int32_t viewTag, const char* iconName) {
    zqpde::BaseControl::CreateControl(view);
    iconName_ = iconName != nullptr ? iconName : "";
    if (auto* custom = dynamic_cast<zqp::CustomView*>(view)) {
        iconView_ = std::make_unique<SPIconView>(custom);
        iconView_->setViewTag(viewTag);
    }
}

bool SPIconViewCtrlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    const bool ok = zqpde::BaseControl::InitializeCtrl(bundle, ppd);
    if (ok && iconView_) iconView_->drawIcon(bundle, iconName_);
    return ok;
}

}  // namespace zqsp
