#include "zqpde/base_print_panel.h"

#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/events.h>
#include <zqp/test_driver.h>
#include <zqp/window.h>


#include "bundle_fixture.h"
#include "panel_rig.h"
#include "zqpde/app_resources.h"

namespace zqpde {
namespace {

using test::PanelRig;

// Records the calls it gets in one shared log, and answers as told.
class Probe : public BaseControl {
public:
    Probe(zqp::View* view, std::string name, std::vector<std::string>* log) : name_(std::move(name)), log_(log) {
        CreateControl(view);
    }
    bool GetValueToPreset() override { return note("preset", preset); }
    bool SetControlValueToDefault() override { return note("default", true); }
    bool SetControlValueToUI() override { return note("show", true); }
    bool SimulationUIEventHandler() override { return note("simulate", true); }
    bool SetValueToPreference() override { return note("remember", remembers); }
    bool SetValueToPreferenceWithPrinterSettings() override { return note("remember", remembers); }

    bool preset = true;
    bool remembers = true;

private:
    bool note(const char* what, bool answer) {
        log_->push_back(name_ + ":" + what);
        return answer;
    }
    std::string name_;
    std::vector<std::string>* log_;
};

// A child window that records and answers as told.
class ProbeWindow : public BasePrintPanel {
public:
    ProbeWindow(std::string name, std::vector<std::string>* log) : name_(std::move(name)), log_(log) {
        CreatePanel(nullptr);
    }
    bool GetValueFromPreset() override {
        log_->push_back(name_ + ":preset");
        return presetAnswer;
    }
    int32_t SetValueToPreference() override {
        log_->push_back(name_ + ":remember");
        return rememberStatus;
    }
    bool presetAnswer = true;
    int32_t rememberStatus = 0;

private:
    std::string name_;
    std::vector<std::string>* log_;
};

TEST(PanelLists, AControlWithoutAViewIsDroppedAndItsIndexReused) {
    PanelRig rig;
    std::vector<std::string> log;
    EXPECT_EQ(rig.panel.RunTimeAddNewControl(std::make_unique<Probe>(rig.AddView<zqp::View>(1), "a", &log)), 0);
    EXPECT_EQ(rig.panel.RunTimeAddNewControl(std::make_unique<Probe>(nullptr, "lost", &log)), 1);
    EXPECT_EQ(rig.panel.AddNewControl(std::make_unique<Probe>(nullptr, "lost", &log)), nullptr);
    EXPECT_EQ(rig.panel.RunTimeAddNewControl(std::make_unique<Probe>(rig.AddView<zqp::View>(2), "b", &log)), 1);
    EXPECT_EQ(rig.panel.ControlCount(), 2u);

    BasePrintPanel unprepared;  // no CreatePanel
    EXPECT_EQ(unprepared.RunTimeAddNewControl(std::make_unique<Probe>(rig.AddView<zqp::View>(3), "c", &log)), 0);
    EXPECT_EQ(unprepared.getCtrlGroupArrayRef(), nullptr);
    EXPECT_EQ(unprepared.SetValueToPreference(), 0);
}

TEST(PanelLists, TagsResolveAmongControlsThenInstallablesThenWindows) {
    PanelRig rig;
    std::vector<std::string> log;
    ProbeWindow window("w", &log);
    zqp::View windowRoot;
    auto addTo = [](zqp::View& root, int32_t tag) {
        auto v = std::make_unique<zqp::View>();
        v->setTag(tag);
        return root.addSubview(std::move(v));
    };
    auto* inWindow = window.AddNewControl(std::make_unique<Probe>(addTo(windowRoot, 7), "w7", &log));
    auto* onlyInWindow = window.AddNewControl(std::make_unique<Probe>(addTo(windowRoot, 8), "w8", &log));
    rig.panel.RunTimeAddNewWindow(&window);
    EXPECT_EQ(window.GetParentWnd(), &rig.panel);
    auto* inPanel = rig.panel.AddNewControl(std::make_unique<Probe>(rig.AddView<zqp::View>(7), "p7", &log));
    rig.panel.RunTimeAddNewInstallableControl(std::make_unique<Probe>(rig.AddView<zqp::View>(9), "i9", &log));

    const int32_t t7 = 7, t8 = 8, t9 = 9, t10 = 10;
    EXPECT_EQ(rig.panel.GetPanelControl(&t7), inPanel);
    EXPECT_NE(rig.panel.GetPanelControl(&t7), inWindow);
    EXPECT_EQ(rig.panel.GetPanelControl(&t8), onlyInWindow);
    ASSERT_NE(rig.panel.GetPanelControl(&t9), nullptr);
    EXPECT_EQ(rig.panel.GetPanelControl(&t9)->GetControlTag(), 9);
    EXPECT_EQ(rig.panel.GetPanelControl(&t10), nullptr);
}

TEST(PanelBroadcasts, PresetStopsAtTheFirstWindowThatSaysNo) {
    PanelRig rig;
    std::vector<std::string> log;
    auto* a = rig.panel.AddNewControl(std::make_unique<Probe>(rig.AddView<zqp::View>(1), "a", &log));
    a->preset = false;
    rig.panel.AddNewControl(std::make_unique<Probe>(rig.AddView<zqp::View>(2), "b", &log));
    ProbeWindow first("w1", &log), second("w2", &log);
    first.presetAnswer = false;
    rig.panel.RunTimeAddNewWindow(&first);
    rig.panel.RunTimeAddNewWindow(&second);
    EXPECT_TRUE(rig.panel.GetValueFromPreset());
    EXPECT_EQ(log, (std::vector<std::string>{"a:preset", "a:default", "b:preset", "w1:preset"}));
}

TEST(PanelBroadcasts, EveryControlShowsItsValueBeforeAnyConstraintIsSimulated) {
    PanelRig rig;
    std::vector<std::string> log;
    rig.panel.AddNewControl(std::make_unique<Probe>(rig.AddView<zqp::View>(1), "a", &log));
    rig.panel.AddNewControl(std::make_unique<Probe>(rig.AddView<zqp::View>(2), "b", &log));
    rig.panel.SetCurrentValueToUI();
    EXPECT_EQ(log, (std::vector<std::string>{"a:show", "b:show", "a:simulate", "b:simulate"}));
}

TEST(PanelBroadcasts, RememberingFailsWhenAnyControlOrWindowFailed) {
    PanelRig rig;
    std::vector<std::string> log;
    auto* a = rig.panel.AddNewControl(std::make_unique<Probe>(rig.AddView<zqp::View>(1), "a", &log));
    auto* b = rig.panel.AddNewControl(std::make_unique<Probe>(rig.AddView<zqp::View>(2), "b", &log));
    EXPECT_EQ(rig.panel.SetValueToPreference(), 0);
    a->remembers = false;  // not the last control: it still counts
    EXPECT_NE(rig.panel.SetValueToPreference(), 0);
    EXPECT_NE(rig.panel.SetValueToPreferenceWithPrinterSettings(), 0);
    a->remembers = true;
    b->remembers = false;
    EXPECT_NE(rig.panel.SetValueToPreference(), 0);
    b->remembers = true;

    ProbeWindow w1("w1", &log), w2("w2", &log);
    w1.rememberStatus = -43;
    rig.panel.RunTimeAddNewWindow(&w1);
    rig.panel.RunTimeAddNewWindow(&w2);
    log.clear();
    EXPECT_EQ(rig.panel.SetValueToPreference(), -43);
    EXPECT_EQ(log.back(), "w1:remember");  // w2 is not asked
}

TEST(PanelSettings, PrinterStringFromTheSessionAndHandedToTheWindows) {
    PanelRig rig;
    std::vector<std::string> log;
    ProbeWindow w("w", &log);
    rig.panel.RunTimeAddNewWindow(&w);
    EXPECT_TRUE(rig.Restore());
    EXPECT_EQ(rig.panel.GetCurrentPrinterString(), test::kRigPrinter);
    EXPECT_EQ(w.GetCurrentPMPrintSettings(), &rig.host.settings());
    EXPECT_EQ(rig.panel.GetCurrentPPD(), rig.ppd.get());
    EXPECT_EQ(rig.panel.GetPPDRefFromCurrentPrintSession(), nullptr);  // no session stored yet
    EXPECT_TRUE(rig.panel.SetCurrentPrinterString(&rig.host.session()));
    EXPECT_EQ(rig.panel.GetPPDRefFromCurrentPrintSession(), rig.ppd.get());

    zqp::PrintSession noPrinter;
    EXPECT_FALSE(rig.panel.SetCurrentPrintSettings(&rig.host.settings(), rig.ppd.get(), &rig.host, &noPrinter));
    EXPECT_EQ(rig.panel.GetCurrentPrinterString(), "");
}

// A bundle on disk for the nib and the window title.
class PanelBundle : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        files_ = new test::BundleOnDisk("Panel", R"({"CFBundleIdentifier": "com.zq.test.panelbundle"})",
                                        {{"Localizable.strings", R"({"Win Title": "Details"})"},
                                         {"Localizable2.strings", R"({"Win Title": "Details of the printer"})"},
                                         {"Win.nib", R"({"objects": [
            {"class": "Window", "outlet": "window", "content": {"class": "View", "subviews": [
              {"class": "TextField", "tag": 61}, {"class": "Button", "tag": 62, "title": "OK"}]}}]})"}});
        bundle_ = files_->get();
    }
    static void TearDownTestSuite() { delete files_; }
    static test::BundleOnDisk* files_;
    static zqp::Bundle* bundle_;
};
test::BundleOnDisk* PanelBundle::files_ = nullptr;
zqp::Bundle* PanelBundle::bundle_ = nullptr;

TEST_F(PanelBundle, TheNibIsLoadedOnceFromTheExtensionsBundle) {
    ASSERT_NE(bundle_, nullptr);
    zqp::Bundle* saved = pluginBundle;
    pluginBundle = bundle_;
    BasePrintPanel panel;
    zqp::Window* first = nullptr;
    zqp::Window* second = nullptr;
    zqp::Outlets o1, o2;
    o1.bind("window", first);
    o2.bind("window", second);
    EXPECT_TRUE(panel.loadNibNamed("Win", o1));
    EXPECT_TRUE(panel.loadNibNamed("Win", o2));
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(second, nullptr);  // not loaded again
    pluginBundle = saved;
}

// A window whose texts all come from the printer's table takes its title from there too.
class PrinterTableWindow : public PopupWinInPanel {
public:
    using PopupWinInPanel::PopupWinInPanel;

protected:
    std::string TitleTable() const override { return StringTable(); }
};

TEST_F(PanelBundle, AWindowTitleWithoutTranslationAndTheTableFromThePPD) {
    zqp::Window window;
    PopupWinInPanel titled(&window, "Win Title");
    titled.InitializeUserPane(bundle_, nullptr);
    EXPECT_EQ(window.title(), "Details");
    PopupWinInPanel untitled(&window, "Missing Title");
    test::PPD ppd("*ZQLocalizableFileIndex: \"2\"\n");
    untitled.InitializeUserPane(bundle_, ppd.get());
    EXPECT_EQ(window.title(), zqp::kNoTranslation);
    EXPECT_EQ(untitled.GetLocalizeTableName(), "Localizable2");
    EXPECT_FALSE(untitled.InitializeUserPaneTitle(nullptr));

    // The framework's title stays in the default table; the printer's
    // table is the window's choice, and holds at every re-initialisation.
    PopupWinInPanel plain(&window, "Win Title");
    plain.InitializeUserPane(bundle_, ppd.get());
    EXPECT_EQ(window.title(), "Details");
    PrinterTableWindow printers(&window, "Win Title");
    printers.InitializeUserPane(bundle_, ppd.get());
    EXPECT_EQ(window.title(), "Details of the printer");
    window.setTitle("");
    printers.ReInitializeUserPane();
    EXPECT_EQ(window.title(), "Details of the printer");
    PrinterTableWindow withoutPPD(&window, "Win Title");
    withoutPPD.InitializeUserPane(bundle_, nullptr);
    EXPECT_EQ(window.title(), "Details");
}

}  // namespace
}  // namespace zqpde
