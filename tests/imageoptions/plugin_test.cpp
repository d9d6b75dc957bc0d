// Which PPDs get the panel (in-process, on the ARK bundle's resources), and
// the mailbox rule on both of its roads (ticket from 10.7 on, preferences before).
#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/preferences.h>
#include <zqp/print_settings.h>

#include <cstdlib>
#include <string>

#include "../framework/ppd_fixture.h"
#include "image_dialog.h"
#include "image_options_panel.h"
#include "zqpde/app_resources.h"
#include "zqpde/os_version.h"

namespace zqimg {
namespace {

zqp::Bundle* Resources() {
    static zqp::Bundle* bundle = zqp::Bundle::Open(ZQ_RESOURCES_DIR "/ark-image-options-pde", nullptr);
    return bundle;
}

class ImageOptionsFactory : public ::testing::Test {
protected:
    ppd_file_t* Open(const std::string& text) {
        path_ = dir_.Write("p.ppd", text);
        if (ppd_ != nullptr) ppdClose(ppd_);
        ppd_ = ppdOpenFile(path_.c_str());
        if (ppd_ != nullptr) ppdMarkDefaults(ppd_);
        return ppd_;
    }
    ~ImageOptionsFactory() override {
        if (ppd_ != nullptr) ppdClose(ppd_);
    }
    zqpde::test::TempDir dir_;
    std::string path_;
    ppd_file_t* ppd_ = nullptr;
};

std::string WithValue(const std::string& value) {
    return test::Replace(test::SamplePPD(), "*ZQXImageOptionsSettings: \"Default00-ARK\"",
                         value.empty() ? std::string() : "*ZQXImageOptionsSettings: \"" + value + "\"");
}

TEST_F(ImageOptionsFactory, EveryProductRowWithItsNibAndHelpPageOffersThePanel) {
    ASSERT_NE(Resources(), nullptr);
    struct Case {
        const char* value;
        bool offered;
        int32_t pdeType;
    } cases[] = {
        {"Default00-ARK", true, 0}, {"Default01-ARK", true, 1}, {"Default02-ARK", true, 2},
        {"Default03-ARK", true, 3}, {"Morvane00-ARK", true, 4},
        {"Default09-ARK", false, 0},  // no nib of that product
        {"Default00-XYZ", false, 0},  // no help page of that suffix
        {"Default00", false, 0},      // no "-": no suffix to name the help page
        {"", false, 0},               // no attribute
    };
    for (const Case& c : cases) {
        ppd_file_t* ppd = Open(WithValue(c.value));
        ASSERT_NE(ppd, nullptr) << c.value;
        std::optional<ImageOptionsProduct> p = ImageOptionsProductFromPPD(ppd, Resources());
        EXPECT_EQ(p.has_value(), c.offered) << c.value;
        if (p) {
            EXPECT_EQ(PDETypeForProduct(p->product), c.pdeType) << c.value;
        }
    }
    EXPECT_EQ(PDETypeForProduct("Morvane01"), 0);
}

TEST_F(ImageOptionsFactory, OnlyThePrintDialogTypeGetsAPanel) {
    ASSERT_NE(Resources(), nullptr);
    zqp::Host host(Open(test::SamplePPD()));
    ImageOptionsPDEPluginr15 plugin;
    plugin.initWithBundle(Resources());
    EXPECT_EQ(plugin.PDEPanelsForType(zqp::kPrintDialogPanelType, &host).size(), 1u);
    EXPECT_TRUE(plugin.PDEPanelsForType("00000000-0000-0000-0000-000000000000", &host).empty());
    zqp::Host noPPD(nullptr);
    EXPECT_TRUE(plugin.PDEPanelsForType(zqp::kPrintDialogPanelType, &noPPD).empty());
}

class MailboxRule : public ::testing::Test {
protected:
    void Release(const char* release) {
        setenv("ZQ_OS_RELEASE", release, 1);
        zqpde::ResetOSVersionCacheForTesting();
    }
    void SetUp() override {
        setenv("ZQ_PREFS_DIR", (dir_.path() + "/prefs").c_str(), 1);
        zqp::Preferences::ResetForTesting();
    }
    void TearDown() override {
        unsetenv("ZQ_OS_RELEASE");
        unsetenv("ZQ_PREFS_DIR");
        zqpde::ResetOSVersionCacheForTesting();
        zqp::Preferences::ResetForTesting();
    }
    zqpde::test::TempDir dir_;
};

TEST_F(MailboxRule, TicketFrom107OnPreferencesBeforeLeadingIntegerCounts) {
    struct Case {
        const char* value;  // nullptr: no entry
        bool mailbox;
    } cases[] = {{"5", true}, {"05", true}, {"5abc", true}, {"2", false}, {"", false},
                 {"x5", false}, {"4", false}, {nullptr, false}};
    const std::string printer = "zq-img";
    for (const Case& c : cases) {
        // From 10.7 on: the ticket entry.
        Release("19.6.0");
        zqp::PrintSettings settings;
        if (c.value != nullptr) settings.SetValue(IMG_NS "PrintTypeTicketKey", c.value, false);
        EXPECT_EQ(IsJobTypeMailbox(&settings, printer), c.mailbox) << "ticket " << (c.value ? c.value : "none");

        // Before 10.7 the ticket is not read, the printer's remembered value is.
        Release("10.8.0");
        ASSERT_LT(zqpde::OSVersionCode(), 0x1070);
        EXPECT_FALSE(IsJobTypeMailbox(&settings, printer)) << "ticket read before 10.7";
        zqp::Preferences::SetValue(printer + IMG_NS "PrintTypeReference",
                                   c.value != nullptr ? std::optional<zqp::PrefValue>(std::string(c.value)) : std::nullopt,
                                   zqp::kAnyApplication, zqp::PrefUser::kCurrentUser, zqp::PrefHost::kCurrentHost);
        zqp::PrintSettings empty;
        EXPECT_EQ(IsJobTypeMailbox(&empty, printer), c.mailbox) << "preferences " << (c.value ? c.value : "none");
        zqp::Preferences::SetValue(printer + IMG_NS "PrintTypeReference", std::nullopt, zqp::kAnyApplication,
                                   zqp::PrefUser::kCurrentUser, zqp::PrefHost::kCurrentHost);
    }
}

}  // namespace
}  // namespace zqimg
