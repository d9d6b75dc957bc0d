#pragma once
// The icons beside the panel's add buttons: a picture of the bundle drawn
// over the whole view, upright in a flipped view. A picture that cannot be
// read leaves the view empty.
#include <cstdint>
#include <memory>
#include <string>

#include "zqpde/base_control.h"

namespace zqp {
class Bundle;
class CustomView;
}  // namespace zqp

namespace zqsp {

// The drawing side: a custom view of the nib with the bundle and icon name.
class SPIconView {
public:
    explicit SPIconView(zqp::CustomView* view);
    // Keeps the bundle and the name and asks for a redraw.
    void drawIcon(const zqp::Bundle* bundle, const std::string& iconName);
    // The picture "<resource path>/<name>" into the bounds; nothing when the
    // bundle or the name is missing or the picture cannot be read.
    void drawRect();
    int32_t tag() const { return viewTag_; }
    void setViewTag(int32_t tag) { viewTag_ = tag; }
    bool drewPicture() const { return drewPicture_; }

private:
    zqp::CustomView* view_;
    const zqp::Bundle* bundle_ = nullptr;
    std::string iconName_;
    int32_t viewTag_ = 0;
    bool drewPicture_ = false;
};

class SPIconViewCtrlARK : public zqpde::BaseControl {
public:
    using zqpde::BaseControl::CreateControl;
    // view: a custom view of the nib.
    void CreateControl(zqp::View* view, int32_t viewTag, const char* iconName);
    // The framework's set-up; when it succeeds the view draws the icon.
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    SPIconView* IconView() { return iconView_.get(); }

private:
    std::string iconName_;
    std::unique_ptr<SPIconView> iconView_;
};

}  // namespace zqsp
