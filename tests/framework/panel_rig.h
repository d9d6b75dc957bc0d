#pragma once
// A panel for the control tests: views made in code under one root view,
// a dialog host on a fixture PPD, printer "Office_3F".
#include <gtest/gtest.h>
#include <zqp/host.h>
#include <zqp/view.h>

#include <memory>
#include <string>

#include "ppd_fixture.h"
#include "zqpde/base_print_panel.h"

namespace zqpde::test {

inline constexpr const char* kRigPrinter = "Office_3F";

struct PanelRig {
    explicit PanelRig(const std::string& ppdExtra = PickOne("ZQColor", {"Mono", "Color"}))
        : ppd(ppdExtra), host(ppd.get()) {
        host.session().SetCurrentPrinterID(kRigPrinter);
        host.session().SetPPD(ppd.get());
        panel.initWithCallback(&host);
        panel.CreatePanel(nullptr);
    }

    template <class V, class... Args>
    V* AddView(int32_t tag, Args&&... args) {
        auto v = std::make_unique<V>(std::forward<Args>(args)...);
        v->setTag(tag);
        return static_cast<V*>(root.addSubview(std::move(v)));
    }
    // What the extension's restore does every time.
    bool Restore() { return panel.SetCurrentPrintSettings(&host.settings(), ppd.get(), &host, &host.session()); }
    std::string Ticket(const std::string& key) {
        std::string v;
        return host.settings().GetValue(key, v) == 0 ? v : "<none>";
    }

    PPD ppd;
    zqp::Host host;
    zqp::View root;
    BasePrintPanel panel;
};

}  // namespace zqpde::test
