// An installable-option control on a panel of the test's own: what the PPD
// says is installed disables the controls that need what is missing.
#include "installable_control.h"

#include <gtest/gtest.h>
#include <zqp/view.h>

#include "../framework/panel_rig.h"

namespace zqacct {
namespace {

const int32_t kSecure = 11, kSample = 12, kStored = 13;
const int32_t* const kWithoutDisk[] = {&kSecure, &kSample, &kStored, nullptr};
const int32_t* const kWithRamOnly[] = {&kStored, nullptr};
const InstallableOptionConstrainRecord kRecords[] = {
    {"None", kWithoutDisk},
    {"RAMDisk", kWithRamOnly},
    {"HardDisk", nullptr},
    {nullptr, nullptr},
    // Past the end: never read.
    {"Other", kWithoutDisk},
};
const InstallableOptionConstrainInfo kDiskInfo = {kRecords};

struct DiskPanel {
    explicit DiskPanel(const std::string& ppd) : rig(ppd) {
        for (int32_t tag : {kSecure, kSample, kStored}) {
            auto c = std::make_unique<zqpde::BaseControl>();
            c->CreateControl(rig.AddView<zqp::View>(tag));
            rig.panel.RunTimeAddNewControl(std::move(c));
        }
        auto disk = std::make_unique<InstallableControl>();
        disk->CreateControl(rig.AddView<zqp::View>(20), "ZQStorageDevice", &kDiskInfo);
        installable = disk.get();
        rig.panel.RunTimeAddNewInstallableControl(std::move(disk));
    }
    std::string Enabled() {
        std::string out;
        for (int32_t tag : {kSecure, kSample, kStored})
            out += rig.panel.GetPanelControl(&tag)->GetControlPtr()->isEnabled() ? "1" : "0";
        return out;
    }
    zqpde::test::PanelRig rig;
    InstallableControl* installable = nullptr;
};

TEST(InstallableControl, MarkedChoiceDisablesItsRecordsControls) {
    const std::string ppd = zqpde::test::PickOne("ZQStorageDevice", {"None", "RAMDisk", "HardDisk", "Other"});
    struct Case {
        const char* marked;
        int32_t status;
        const char* enabled;
    };
    for (const Case& c : {Case{"None", 1000, "000"}, Case{"RAMDisk", 1000, "110"}, Case{"HardDisk", 1000, "111"},
                          Case{"Other", 0, "111"}}) {
        DiskPanel p(ppd);
        ppdMarkOption(p.rig.ppd.get(), "ZQStorageDevice", c.marked);
        EXPECT_EQ(p.installable->ConstrainPanelControlFromPPD(p.rig.ppd.get()), c.status) << c.marked;
        EXPECT_EQ(p.Enabled(), c.enabled) << c.marked;
    }
}

TEST(InstallableControl, WithoutTheOptionNothingIsDisabled) {
    DiskPanel p(zqpde::test::PickOne("ZQColor", {"Mono", "Color"}));
    EXPECT_EQ(p.installable->ConstrainPanelControlFromPPD(p.rig.ppd.get()), 0);
    EXPECT_EQ(p.installable->ConstrainPanelControlFromPPD(nullptr), 0);
    EXPECT_EQ(p.Enabled(), "111");
    InstallableControl bare;
    bare.CreateControl(p.rig.AddView<zqp::View>(21), nullptr, nullptr);
    EXPECT_EQ(bare.ConstrainPanelControlFromPPD(p.rig.ppd.get()), 0);
}

TEST(InstallableControl, PanelAppliesItWhenItsPaneIsBuilt) {
    DiskPanel p(zqpde::test::PickOne("ZQStorageDevice", {"RAMDisk", "None"}));
    p.rig.panel.InitializeUserPane(nullptr, p.rig.ppd.get());
    EXPECT_EQ(p.Enabled(), "110");
}

}  // namespace
}  // namespace zqacct
