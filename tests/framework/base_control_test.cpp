#include "zqpde/base_control.h"

#include <gtest/gtest.h>
#include <zqp/preferences.h>
#include <zqp/system.h>

#include <cstdlib>
#include <cstring>

#include "emulated_release.h"
#include "panel_rig.h"
#include "zqpde/ticket_value.h"

namespace zqpde {
namespace {

using test::PanelRig;

// The least control with a value: four bytes, written as the text it is given.
class TextValueControl : public BaseControl {
public:
    TextValueControl(zqp::View* view, const AccessInfo* access, const ConstrainInfo* constrain = nullptr,
                     zqp::PrefUser scope = zqp::PrefUser::kCurrentUser) {
        CreateControl(view);
        KeepTables(constrain, access, &scope);
    }
    bool InitializeCtrl(zqp::Bundle*, ppd_file_t*) override {
        AllocateBlocks(kNumberBlockSize);
        return true;
    }
    bool ConvertToTickectData(std::string& out) override {
        out = text;
        return true;
    }
    bool ConvertToPreferenceString(std::string& out) override { return ConvertToTickectData(out); }
    bool ConvertFromPreferenceString(const std::string& in) override {
        read = in;
        return true;
    }
    int32_t GetCurrentControlArrayNumber() override { return number; }
    bool IsOutputNullToTicket() override { return outputNull; }

    std::string text, read;
    int32_t number = 0;
    bool outputNull = false;
};

const AccessInfo kAccess = {kValueTypeText, kValueTypeText, "com.zq.test.ValueTicket", "com.zq.test.ValueReference"};
const AccessInfo kTicketOnly = {kValueTypeText, kValueTypeText, "com.zq.test.ValueTicket", nullptr};

TEST(CountedConstraints, AControlComesBackOnlyWhenEveryConstraintLetGo) {
    PanelRig rig;
    TextValueControl c(rig.AddView<zqp::View>(5), nullptr);
    c.Disable();
    c.Disable();
    c.Enable();
    EXPECT_FALSE(c.GetControlPtr()->isEnabled());
    c.Enable();
    EXPECT_TRUE(c.GetControlPtr()->isEnabled());

    // A release without a hold leaves the count below zero: the next hold
    // only brings it back to zero.
    c.Enable();
    EXPECT_EQ(c.GetDisableCount(), -1);
    c.Disable();
    EXPECT_TRUE(c.GetControlPtr()->isEnabled());

    c.Hide();
    c.Hide();
    c.Show();
    EXPECT_TRUE(c.GetControlPtr()->isHidden());
    c.Show();
    EXPECT_FALSE(c.GetControlPtr()->isHidden());
    c.PPDCtrlHide();
    EXPECT_TRUE(c.GetControlPtr()->isHidden());
    EXPECT_EQ(c.GetHideCount(), 0);

    c.Disable();
    c.Hide();
    c.ResetStatus();
    EXPECT_EQ(c.GetDisableCount(), 0);
    EXPECT_TRUE(c.GetControlPtr()->isEnabled());
    EXPECT_FALSE(c.GetControlPtr()->isHidden());
}

// Tags 21 and 22 are constrained by a control with two value numbers; the
// tables are shorter than the numbers the control may report.
const int32_t kTag21 = 21, kTag22 = 22, kTagMissing = 99;
const int32_t* const kBoth[] = {&kTag21, &kTagMissing, &kTag22, nullptr};
const int32_t* const kOnly22[] = {&kTag22, nullptr};
const ConstrainTagList kDisableLists[] = {kBoth};
const ConstrainTagList kHideLists[] = {nullptr, kOnly22};
const ConstrainTagList kUpdateLists[] = {kOnly22};
const ConstrainInfo kConstrain = {ConstrainListsOf(kDisableLists), ConstrainListsOf(kHideLists),
                                  ConstrainListsOf(kUpdateLists)};

class UpdateCounter : public TextValueControl {
public:
    using TextValueControl::TextValueControl;
    int32_t Update() override { return ++updates; }
    int updates = 0;
};

TEST(CountedConstraints, ListsAreFoundByTagAndAnIndexPastTheTableIsNoList) {
    PanelRig rig;
    auto* owner = rig.panel.AddNewControl(
        std::make_unique<TextValueControl>(rig.AddView<zqp::View>(20), nullptr, &kConstrain));
    auto* a = rig.panel.AddNewControl(std::make_unique<TextValueControl>(rig.AddView<zqp::View>(21), nullptr));
    auto* b = rig.panel.AddNewControl(std::make_unique<UpdateCounter>(rig.AddView<zqp::View>(22), nullptr));
    ASSERT_TRUE(owner && a && b);

    owner->DisableControlConstrains();  // number 0: tags 21 and 22, 99 skipped
    EXPECT_FALSE(a->GetControlPtr()->isEnabled());
    EXPECT_FALSE(b->GetControlPtr()->isEnabled());
    owner->HideControlConstrains();  // hide list 0 is empty
    EXPECT_FALSE(b->GetControlPtr()->isHidden());

    owner->number = 1;
    owner->HideControlConstrains();
    EXPECT_TRUE(b->GetControlPtr()->isHidden());
    owner->DisableControlConstrains();  // past the one-entry disable table: nothing
    EXPECT_EQ(a->GetDisableCount(), 1);

    owner->number = 7;  // past every table
    owner->HideControlConstrains();
    owner->ShowControlConstrains();
    EXPECT_EQ(b->GetHideCount(), 1);
    EXPECT_EQ(owner->DoControlUpdateConstrain(), 0);
    EXPECT_EQ(b->updates, 0);
    owner->number = -1;  // counts as 0 for updates, as no list for the others
    owner->UIEventHandler();
    EXPECT_EQ(b->updates, 1);
    EXPECT_EQ(a->GetDisableCount(), 1);
}

TEST(TicketWriter, EscapesEmptiesAndScramblesByTheEncryptArray) {
    PanelRig rig;
    zqp::View* view = rig.AddView<zqp::View>(30);
    TextValueControl c(view, &kTicketOnly);
    c.SetParenetPanel(&rig.panel);
    zqp::PrintSettings& s = rig.host.settings();

    c.text = "a,b";
    EXPECT_TRUE(c.SetValueToTicket(&s, false));
    EXPECT_EQ(rig.Ticket("com.zq.test.ValueTicket"), "/97/44/98");
    c.text = "/x";
    c.SetValueToTicket(&s, false);
    EXPECT_EQ(rig.Ticket("com.zq.test.ValueTicket"), "/47/120");
    c.text = "";
    c.SetValueToTicket(&s, false);
    EXPECT_EQ(rig.Ticket("com.zq.test.ValueTicket"), "");
    c.text = "x,y";
    c.outputNull = true;
    c.SetValueToTicket(&s, false);
    EXPECT_EQ(rig.Ticket("com.zq.test.ValueTicket"), "");
    c.outputNull = false;

    // A control whose view is in the array is scrambled; 189 bytes fit in
    // 252 characters, 190 do not and leave the entry as it was.
    zqp::View other;
    other.setTag(31);
    c.text = std::string(189, 'p');
    EXPECT_TRUE(c.SetValueToTicket(&s, false, {&other, view}));
    EXPECT_EQ(rig.Ticket("com.zq.test.ValueTicket").size(), 252u);
    c.text = std::string(190, 'p');
    EXPECT_FALSE(c.SetValueToTicket(&s, false, {view}));
    EXPECT_EQ(rig.Ticket("com.zq.test.ValueTicket").size(), 252u);
    c.text = "p,w";
    EXPECT_TRUE(c.SetValueToTicket(&s, false, {&other}));  // not in the array: plain
    EXPECT_EQ(rig.Ticket("com.zq.test.ValueTicket"), "/112/44/119");

    // Every byte of a non-ASCII password is scrambled.
    c.text = "\xC3\xA9t\xC3\xA9";  // 5 bytes, 3 characters
    EXPECT_TRUE(c.SetValueToTicketWithQSPEnc(&s, true));
    EXPECT_EQ(rig.Ticket("com.zq.test.ValueTicket"), *QSPTicketString("\xC3\xA9t\xC3\xA9"));
    EXPECT_EQ(rig.Ticket("com.zq.test.ValueTicket").size(), 8u);
    EXPECT_TRUE(s.IsLocked("com.zq.test.ValueTicket"));

    TextValueControl noKey(view, nullptr);
    EXPECT_FALSE(noKey.SetValueToTicket(&s, false));
    EXPECT_FALSE(noKey.SetValueToTicketWithQSPEnc(&s, false));
}

class RememberedValues : public test::EmulatedReleaseTest {
protected:
    void SetUp() override {
        setenv(zqp::kPrefsDirEnv, prefs_.path().c_str(), 1);
        zqp::Preferences::ResetForTesting();
    }
    void TearDown() override {
        unsetenv(zqp::kPrefsDirEnv);
        zqp::Preferences::ResetForTesting();
        test::EmulatedReleaseTest::TearDown();
    }
    test::TempDir prefs_;
};

TEST_F(RememberedValues, InThePreferencesBefore10_7UnderPrinterAndKey) {
    UseRelease("10.8.0");  // 10.6
    PanelRig rig;
    rig.Restore();
    auto* c = rig.panel.AddNewControl(std::make_unique<TextValueControl>(rig.AddView<zqp::View>(40), &kAccess));
    EXPECT_FALSE(c->SetValueToPreference());  // no value block yet
    c->InitializeCtrl(nullptr, nullptr);
    c->text = "remembered";
    EXPECT_TRUE(c->SetValueToPreference());
    EXPECT_EQ(zqp::Preferences::CopyString("Office_3Fcom.zq.test.ValueReference", zqp::kAnyApplication,
                                           zqp::PrefUser::kCurrentUser, zqp::PrefHost::kCurrentHost),
              "remembered");
    EXPECT_TRUE(c->GetValueFromPreference());
    EXPECT_EQ(c->read, "remembered");
    EXPECT_FALSE(rig.host.settings().Has("Office_3Fcom.zq.test.ValueReference"));
}

TEST_F(RememberedValues, InThePrintSettingsFrom10_7) {
    UseRelease("11.0.0");
    PanelRig rig;
    rig.Restore();
    auto* c = rig.panel.AddNewControl(std::make_unique<TextValueControl>(rig.AddView<zqp::View>(40), &kAccess));
    c->InitializeCtrl(nullptr, nullptr);
    c->text = "kept";
    EXPECT_TRUE(c->SetValueToPreference());  // nothing stored from 10.7 on
    EXPECT_FALSE(c->GetValueFromPreference());
    EXPECT_TRUE(c->SetValueToPreferenceWithPrinterSettings());
    EXPECT_EQ(rig.Ticket("Office_3Fcom.zq.test.ValueReference"), "kept");
    EXPECT_TRUE(c->GetValueFromPreferenceWithPrinterSettings());
    EXPECT_EQ(c->read, "kept");

    TextValueControl noPreference(rig.AddView<zqp::View>(41), &kTicketOnly);
    EXPECT_TRUE(noPreference.SetValueToPreferenceWithPrinterSettings());
    EXPECT_TRUE(noPreference.GetValueFromPreferenceWithPrinterSettings());
}

TEST_F(RememberedValues, AllUsersValuesOnlyForAnAdministratorAndSilentlyOtherwise) {
    UseRelease("11.0.0");
    PanelRig rig;
    rig.Restore();
    auto* c = rig.panel.AddNewControl(std::make_unique<TextValueControl>(
        rig.AddView<zqp::View>(40), &kAccess, nullptr, zqp::PrefUser::kAnyUser));
    c->InitializeCtrl(nullptr, nullptr);
    c->text = "for everyone";
    EXPECT_TRUE(c->SetValueToPreferenceWithPrinterSettings());
    EXPECT_EQ(rig.host.settings().Has("Office_3Fcom.zq.test.ValueReference"), zqp::IsUserAdmin(zqp::LoginName()));
}

}  // namespace
}  // namespace zqpde
