// The panel in this process with the bundle's resources folder: when it is
// offered, what the dialog's first questions write, the constraint hash it
// owns, and a PPD without any usable option.
#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/os_release.h>
#include <zqp/preferences.h>
#include <zqp/view.h>

#include <algorithm>
#include <cstdlib>

#include "features_fixture.h"
#include "features_panel.h"
#include "zqpde/app_resources.h"
#include "zqpde/os_version.h"

namespace zqfeat {
namespace {

using zqpde::test::TempDir;
using namespace zqfeat::test;

zqp::Bundle* Resources() {
    static zqp::Bundle* bundle = zqp::Bundle::Open(ZQ_RESOURCES_DIR "/ark-features-pde", nullptr);
    return bundle;
}

// A PPD file opened as the dialog opens it.
class OpenPPD {
public:
    explicit OpenPPD(const std::string& text) : path_(dir_.Write("zq-ark.ppd", text)) {
        ppd_ = ppdOpenFile(path_.c_str());
        EXPECT_NE(ppd_, nullptr);
        if (ppd_ != nullptr) ppdMarkDefaults(ppd_);
    }
    ~OpenPPD() {
        if (ppd_ != nullptr) ppdClose(ppd_);
    }
    ppd_file_t* get() const { return ppd_; }
    const TempDir& dir() const { return dir_; }

private:
    TempDir dir_;
    std::string path_;
    ppd_file_t* ppd_ = nullptr;
};

class FeaturesPanel : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(Resources(), nullptr);
        ASSERT_TRUE(plugin_.initWithBundle(Resources()));
    }
    std::unique_ptr<PrintFeaturesPDEr15> Make(zqp::Host& host) {
        auto panels = plugin_.PDEPanelsForType(zqp::kPrintDialogPanelType, &host);
        if (panels.size() != 1) return nullptr;
        return std::unique_ptr<PrintFeaturesPDEr15>(dynamic_cast<PrintFeaturesPDEr15*>(panels[0].release()));
    }
    PrintFeaturesPDEPluginr15 plugin_;
};

TEST_F(FeaturesPanel, OfferedForAProductModeWhoseHelpPagesExist) {
    struct Case {
        const char* name;
        std::string ppd;
        bool offered;
    };
    const std::string sample = SamplePPD();
    for (const Case& c : {
             Case{"sample", sample, true},
             Case{"disabled", Replace(sample, "\"Default00\"", "\"Disabled\""), false},
             Case{"no mode", Replace(sample, "*ZQXFeaturesSettings: \"Default00\"", ""), false},
             Case{"unknown mode", Replace(sample, "\"Default00\"", "\"Default04\""), true},
             Case{"no margins page", Replace(sample, "\"Default00-ARK\"", "\"Default00-XYZ\""), false},
             Case{"layout without dash", Replace(sample, "\"Default00-ARK\"", "\"Default00\""), false},
         }) {
        OpenPPD ppd(c.ppd);
        zqp::Host host(ppd.get());
        EXPECT_EQ(plugin_.PDEPanelsForType(zqp::kPrintDialogPanelType, &host).size(), c.offered ? 1u : 0u) << c.name;
        EXPECT_TRUE(plugin_.PDEPanelsForType("another dialog", &host).empty()) << c.name;
    }
    zqp::Host none(nullptr);
    EXPECT_TRUE(plugin_.PDEPanelsForType(zqp::kPrintDialogPanelType, &none).empty());
}

TEST_F(FeaturesPanel, KeyListAndCoilPunchFaceComeWithTheFirstQuestion) {
    struct Case {
        const char* name;
        std::string ppd;
        size_t keys;
        const char* face;
    };
    const std::string sample = SamplePPD();
    for (const Case& c : {
             Case{"sample", sample, 80, "true"},
             Case{"lower-case true", Replace(sample, "*ZQCoilPunchFace: \"True\"", "*ZQCoilPunchFace: \"true\""), 80,
                  "false"},
             Case{"no face", Replace(sample, "*ZQCoilPunchFace: \"True\"", ""), 80, "false"},
             Case{"unknown mode", Replace(sample, "\"Default00\"", "\"Default04\""), 0, "true"},
         }) {
        OpenPPD ppd(c.ppd);
        zqp::Host host(ppd.get());
        auto panel = Make(host);
        ASSERT_NE(panel, nullptr) << c.name;
        EXPECT_EQ(panel->supportedPPDOptionKeys().size(), c.keys) << c.name;
        std::string face;
        EXPECT_EQ(host.settings().GetValue(NS "CoilPunchFaceTicket", face), 0) << c.name;
        EXPECT_EQ(face, c.face) << c.name;
    }
}

TEST_F(FeaturesPanel, HashComesFromThePPDOrTheConstraintFileEvenWhenTheDialogNeverAsked) {
    {
        OpenPPD ppd(SamplePPD());
        zqp::Host host(ppd.get());
        auto panel = Make(host);
        ASSERT_TRUE(panel->restoreValuesAndReturnError(nullptr));
        ASSERT_NE(panel->Geteppd(), nullptr);
        // Only constraints of placed options, with both choices named.
        EXPECT_EQ(panel->Geteppd()->count("ZQStaple:LeftDouble"), 1u);
        EXPECT_EQ(panel->Geteppd()->count("PageSize:Legal"), 1u);
        EXPECT_EQ(panel->AssemblyStatus(), 0);
    }
    TempDir files;
    // Group 0 option 0 choice 3 is the transparency media type.
    const std::string cdf = files.Write("features.cdf", "PrintFeaturePDETiger\nZQFold:Half@0@0@3@\n");
    OpenPPD ppd(Replace(SamplePPD(), "*ZQCoilPunchFace:", "*ZQXCDFSetting: \"" + cdf + "\"\n*ZQCoilPunchFace:"));
    for (bool asked : {true, false}) {
        zqp::Host host(ppd.get());
        auto panel = Make(host);
        if (asked) panel->supportedPPDOptionKeys();
        ASSERT_TRUE(panel->restoreValuesAndReturnError(nullptr));
        ASSERT_NE(panel->Geteppd(), nullptr);
        EXPECT_EQ(panel->Geteppd()->size(), 1u) << asked;
        EXPECT_EQ(panel->Geteppd()->count("ZQFold:Half"), 1u) << asked;
        // Asking again does not grow or replace the hash.
        const zqpde::ConstraintHash* before = panel->Geteppd();
        panel->supportedPPDOptionKeys();
        EXPECT_EQ(panel->Geteppd(), before);
        EXPECT_EQ(panel->Geteppd()->size(), 1u);
    }
}

TEST_F(FeaturesPanel, NoUsableOptionBuildsTheFixedGroupsAndSkipsTheControls) {
    const std::string sample = SamplePPD();
    // Every ordinary option taken out of the PPD's groups.
    std::string text = sample;
    const size_t from = text.find("*OpenGroup: General/General");
    const size_t to = text.find("*OpenGroup: ZQCoverGroup/Covers");
    text.erase(from, to - from);
    OpenPPD ppd(text);
    zqp::Host host(ppd.get());
    auto panel = Make(host);
    panel->supportedPPDOptionKeys();
    ASSERT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_EQ(panel->AssemblyStatus(), kNoUsableOptionStatus);
    EXPECT_EQ(*panel->getGroupNameStrArrayRef(),
              (std::vector<std::string>{"Covers and Separator", "Layout", "Toner Saver", "Advanced Features"}));
    ASSERT_NE(panel->Geteppd(), nullptr);
    // Shown, summarised, restored again and printed without touching the
    // controls that were never set up.
    panel->willShow();
    EXPECT_TRUE(panel->summaryInfo().values.empty());
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_TRUE(panel->shouldPrint());
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    std::string tab;
    EXPECT_EQ(host.settings().GetValue(NS "featuresMediaTypeTabTicket", tab), 0);
    EXPECT_EQ(tab, "false");
    EXPECT_FALSE(host.settings().Has(NS "EjectOptionsListTicket"));
}

TEST_F(FeaturesPanel, KeywordListsArePerPanel) {
    OpenPPD ppd(SamplePPD());
    zqp::Host host(ppd.get());
    auto first = Make(host);
    auto second = Make(host);
    ASSERT_TRUE(first->restoreValuesAndReturnError(nullptr));
    ASSERT_TRUE(second->restoreValuesAndReturnError(nullptr));
    EXPECT_EQ(first->PlacedKeywords(), second->PlacedKeywords());
    EXPECT_EQ(std::count(first->PlacedKeywords().begin(), first->PlacedKeywords().end(), "ZQStaple"), 1);
}

}  // namespace
}  // namespace zqfeat

namespace zqfeat {
namespace {

// Mailbox print is read from the remembered print type before the emulated
// 10.7 and from the ticket from 10.7 on.
class FeaturesMailbox : public FeaturesPanel {
protected:
    void TearDown() override {
        unsetenv(zqp::kOsReleaseEnv);
        unsetenv(zqp::kPrefsDirEnv);
        zqpde::ResetOSVersionCacheForTesting();
    }
    static void UseRelease(const char* release) {
        setenv(zqp::kOsReleaseEnv, release, 1);
        zqpde::ResetOSVersionCacheForTesting();
    }
    // Whether MediaType is disabled and shows its default after a restore.
    static std::pair<bool, int> MediaTypeState(PrintFeaturesPDEr15& panel) {
        auto* p = dynamic_cast<zqp::PopUpButton*>(panel.panelView()->viewWithIdentifier("MediaType"));
        if (p == nullptr) return {false, -2};
        return {!p->isEnabled(), p->indexOfSelectedItem()};
    }
};

TEST_F(FeaturesMailbox, BothRoadsDisableAndHoldTheMediaTypeAtItsDefault) {
    TempDir prefs;
    setenv(zqp::kPrefsDirEnv, prefs.path().c_str(), 1);
    OpenPPD ppd(SamplePPD());
    struct Case {
        const char* release;
        const char* ticket;  // print type in the ticket (nullptr: none)
        const char* pref;    // remembered print type (nullptr: none)
        bool mailbox;
    };
    for (const Case& c : {Case{"11.0.0", "5", nullptr, true}, Case{"11.0.0", "05", "2", true},
                          Case{"11.0.0", "4", "5", false}, Case{"11.0.0", nullptr, "5", false},
                          Case{"10.0.0", nullptr, "5", true}, Case{"10.0.0", "5", "1", false},
                          Case{"10.0.0", nullptr, nullptr, false}}) {
        UseRelease(c.release);
        const std::string key = std::string("zq-ark") + NS "PrintTypeReference";
        zqp::Preferences::SetValue(key, c.pref ? std::optional<zqp::PrefValue>(std::string(c.pref)) : std::nullopt,
                                   zqp::kAnyApplication, zqp::PrefUser::kCurrentUser, zqp::PrefHost::kCurrentHost);
        zqp::Preferences::Synchronize(zqp::kAnyApplication, zqp::PrefUser::kCurrentUser, zqp::PrefHost::kCurrentHost);
        zqp::Host host(ppd.get());
        host.session().SetCurrentPrinterID("zq-ark");
        if (c.ticket != nullptr) host.settings().SetValue(NS "PrintTypeTicketKey", c.ticket, false);
        ppdMarkOption(ppd.get(), "MediaType", "TabbedPaper1");
        auto panel = Make(host);
        ASSERT_TRUE(panel->restoreValuesAndReturnError(nullptr));
        panel->willShow();
        EXPECT_EQ(panel->IsJobTypeMailbox(), c.mailbox) << c.release << " " << (c.ticket ? c.ticket : "-");
        const auto [disabled, selected] = MediaTypeState(*panel);
        EXPECT_EQ(disabled, c.mailbox) << c.release;
        EXPECT_EQ(selected, c.mailbox ? 0 : 1) << c.release;
        const zqp::Summary summary = panel->summaryInfo();
        EXPECT_EQ(summary.values.at("Paper Type"), c.mailbox ? "Plain" : "Tab Stock");
    }
}

}  // namespace
}  // namespace zqfeat
