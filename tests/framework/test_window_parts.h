#pragma once
// Parts of the test windows built on the framework (unit tests and the
// test-only bundle): a push button running a function, and the OK of a
// window that commits only when every control is valid.
#include <functional>
#include <utility>

#include "zqpde/base_print_panel.h"
#include "zqpde/standard_controls.h"

namespace zqpde::test {

class PushButton : public BaseButton {
public:
    PushButton(zqp::View* view, const char* titleKey, std::function<void()> f) : f_(std::move(f)) {
        CreateControl(view, titleKey);
    }
    bool UIEventHandler() override {
        f_();
        return true;
    }

private:
    std::function<void()> f_;
};

// Reads every view, and when every control validates, commits and closes.
inline void CommitIfValidAndClose(PopupWinInPanel& window) {
    window.SycValueFromUI();
    for (auto& c : *window.getCtrlGroupArrayRef())
        if (!c->InvalidateData()) return;
    window.SetValueFromUIToControl();
    window.DeactivateWindow();
}

}  // namespace zqpde::test
