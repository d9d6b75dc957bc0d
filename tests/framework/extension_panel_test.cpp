#include "zqpde/extension_panel.h"

#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/system.h>
#include <zqp/view.h>

#include <string>
#include <vector>

#include "bundle_fixture.h"
#include "zqpde/app_resources.h"
#include "zqpde/base_control.h"

namespace zqpde {
namespace {

// A control whose remembering answers as told and whose ticket pass is noted.
class Remembering : public BaseControl {
public:
    Remembering(zqp::View* view, std::vector<std::string>* log) : log_(log) { CreateControl(view); }
    bool SetValueToPreference() override { return remembers; }
    bool SetValueToPreferenceWithPrinterSettings() override { return remembers; }
    using BaseControl::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings*, bool) override {
        log_->push_back("ticket");
        return true;
    }
    bool remembers = true;

private:
    std::vector<std::string>* log_;
};

// Notes every step of the open the framework runs and what it hands over.
class ProbePanel : public ExtensionPanel {
public:
    explicit ProbePanel(zqp::DialogHost* host, std::string nib = "Probe") : ExtensionPanel(host, "ProbePDE"), nib_(nib) {}
    ~ProbePanel() override { terminate(); }
    std::string panelName() override { return "Probe"; }
    std::string panelKind() override { return "probe"; }
    bool saveValuesAndReturnError(std::string*) override { return SaveRememberedValues(HostPrintSettings()); }

    using ExtensionPanel::NotePrintGateWrote;
    using ExtensionPanel::OpenPDE;
    using ExtensionPanel::TakePrintGateWrote;
    std::vector<std::string> log;
    Remembering* control = nullptr;

protected:
    std::string NibName() override { return nib_; }
    void BindOutlets(zqp::Outlets& outlets) override { outlets.bind("probeView", view_); }
    zqp::View* View() const override { return view_; }
    void ViewLoaded(const zqp::Outlets&) override { log.push_back("loaded"); }
    void PrepareOpen(ppd_file_t*) override { log.push_back("prepare"); }
    void InitializeFirstOpen(zqp::DialogHost*, ppd_file_t* ppd) override {
        log.push_back("initialize");
        control = AddNewControl(std::make_unique<Remembering>(view_->viewWithTag(1), &log));
        InitializeUserPane(pluginBundle, ppd);
    }
    void RestoreValues(ppd_file_t*, bool first) override {
        // The settings and the printer are in place before any value is read.
        log.push_back(std::string(first ? "values first" : "values") +
                      (GetCurrentPMPrintSettings() == HostPrintSettings() ? "" : " without settings"));
    }

private:
    std::string nib_;
    zqp::View* view_ = nullptr;
};

class ExtensionPanelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        files_ = new test::BundleOnDisk("Probe", R"({"CFBundleIdentifier": ")" ZQPDE_APP_BUNDLE_ID R"("})",
                                        {{"Probe.nib", R"({"objects": [{"class": "View", "outlet": "probeView",
                                           "subviews": [{"class": "Button", "tag": 1}]}]})"}});
        ASSERT_NE(files_->get(), nullptr) << files_->error();
    }
    static void TearDownTestSuite() { delete files_; }
    void SetUp() override {
        zqp::ResetHelpForTesting();
        saved_ = pluginBundle;
        pluginBundle = files_->get();
        host_.session().SetCurrentPrinterID("Office_3F");
    }
    void TearDown() override {
        pluginBundle = saved_;
        zqp::ResetHelpForTesting();  // the first open registered the book
    }

    static test::BundleOnDisk* files_;
    test::PPD ppd_{""};
    zqp::Host host_{ppd_.get()};
    zqp::Bundle* saved_ = nullptr;
};
test::BundleOnDisk* ExtensionPanelTest::files_ = nullptr;

TEST_F(ExtensionPanelTest, TheFirstOpenBuildsThePanelOnceAndEveryOpenReadsTheValues) {
    ProbePanel panel(&host_);
    EXPECT_TRUE(panel.IsFirstInitialize());
    EXPECT_TRUE(panel.OpenPDE("restore", nullptr));
    EXPECT_FALSE(panel.IsFirstInitialize());
    EXPECT_TRUE(zqp::IsHelpBookRegistered(ZQPDE_APP_BUNDLE_ID));
    EXPECT_TRUE(panel.OpenPDE("restore", nullptr));
    EXPECT_EQ(panel.log, (std::vector<std::string>{"loaded", "prepare", "initialize", "values first", "prepare",
                                                   "values"}));
    EXPECT_EQ(panel.GetCurrentPrinterString(), "Office_3F");
    EXPECT_EQ(panel.GetCurrentPrintSession(), &host_.session());
    EXPECT_EQ(panel.ControlCount(), 1u);
}

TEST_F(ExtensionPanelTest, WithoutAPPDNothingIsBuiltAndAMissingNibIsSaid) {
    zqp::Host noPPD(nullptr);
    ProbePanel idle(&noPPD);
    EXPECT_TRUE(idle.OpenPDE("restore", nullptr));
    EXPECT_TRUE(idle.log.empty());
    EXPECT_TRUE(idle.IsFirstInitialize());
    EXPECT_NE(idle.panelView(), nullptr);  // the view needs the nib alone, and is loaded once
    EXPECT_EQ(idle.panelView(), idle.panelView());
    EXPECT_EQ(idle.log, std::vector<std::string>{"loaded"});

    ProbePanel lost(&host_, "Absent");
    std::string error;
    EXPECT_FALSE(lost.OpenPDE("restore", &error));
    EXPECT_NE(error.find("Absent"), std::string::npos) << error;
    EXPECT_TRUE(lost.log.empty());
    EXPECT_TRUE(lost.IsFirstInitialize());  // the next open tries again
}

TEST_F(ExtensionPanelTest, NothingIsWrittenThatCouldNotBeRememberedAndTheGateIsTakenOnce) {
    ProbePanel panel(&host_);
    ASSERT_TRUE(panel.OpenPDE("restore", nullptr));
    panel.log.clear();
    panel.control->remembers = false;
    EXPECT_FALSE(panel.saveValuesAndReturnError(nullptr));
    EXPECT_TRUE(panel.log.empty());
    panel.control->remembers = true;
    EXPECT_TRUE(panel.saveValuesAndReturnError(nullptr));
    EXPECT_EQ(panel.log, std::vector<std::string>{"ticket"});

    EXPECT_FALSE(panel.TakePrintGateWrote());
    panel.NotePrintGateWrote();
    EXPECT_TRUE(panel.TakePrintGateWrote());
    EXPECT_FALSE(panel.TakePrintGateWrote());
}

}  // namespace
}  // namespace zqpde
