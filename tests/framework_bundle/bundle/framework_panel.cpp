// A test-only extension built on the control framework: one panel made from
// description tables (a PPD pop-up with its title label, a check box that
// disables a name field, a pop-up of fixed items, a button opening a note
// window) and driven in the order the framework expects.
#include <zqp/bundle.h>
#include <zqp/extension.h>
#include <zqp/host.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include "zqpde/app_resources.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/constraint_hash.h"
#include "zqpde/os_version.h"
#include "zqpde/ppd_controls.h"
#include "zqpde/standard_controls.h"
#include "../../framework/test_window_parts.h"

namespace {

using namespace zqpde;

#define NS "com.zq.test.fw."

// ---- tables ---------------------------------------------------------------------------

const int32_t ColorTitleTag = 100, ColorTag = 101, StapleTag = 102, NameTag = 103, ModeTag = 104, NoteButtonTag = 105,
              NoteLabelTag = 106, PaperTag = 107, NoteFieldTag = 201, NoteOKTag = 202, NoteCancelTag = 203;

const ListCtrlIniData ColorIniData = {0, 1, 0, nullptr};

const int32_t* const StapleDisablesName[] = {&NameTag, nullptr};
const ConstrainTagList StapleDisableLists[] = {nullptr, StapleDisablesName};
const ConstrainInfo StapleConstrainInfo = {ConstrainListsOf(StapleDisableLists), {}, {}};
const CheckBoxIniData StapleIniData = {0, 0, 0, "Staple Title"};
const AccessInfo StapleAccessInfo = {kValueTypeNumber, kValueTypeNumber, NS "StapleTicket", NS "StapleReference"};

const TextEditIniData NameIniData = {"", "", 2, 8};
const TextEditFilterData NameFilterData = {
    {3, {{'0', '9'}, {'A', 'Z'}, {'a', 'z'}}}, {3, {{'0', '9'}, {'A', 'Z'}, {'a', 'z'}}}, "Name Error"};
const AccessInfo NameAccessInfo = {kValueTypeText, kValueTypeText, NS "NameTicket", NS "NameReference"};

const char* const ModeItems[] = {"Mode Fast", "Mode Fine", nullptr};
const ListCtrlIniData ModeIniData = {0, 2, 0, ModeItems};
const AccessInfo ModeAccessInfo = {kValueTypeNumber, kValueTypeNumber, NS "ModeTicket", NS "ModeReference"};

const TextEditIniData NoteIniData = {"", "", 0, 20};
const TextEditFilterData NoteFilterData = {{1, {{0x20, 0x7E}}}, {1, {{0x20, 0x7E}}}, "Note Error"};
const AccessInfo NoteAccessInfo = {kValueTypeText, kValueTypeText, NS "NoteTicket", nullptr};

using test::PushButton;

// The note window: OK commits when every control is valid, Cancel commits nothing.
class NoteWindow : public PopupWinInPanel {
public:
    explicit NoteWindow(zqp::Window* window) : PopupWinInPanel(window, "Note Title") {
        zqp::View* root = window->contentView();
        auto note = std::make_unique<TextEditCtrl>();
        note->CreateControl(root->viewWithTag(NoteFieldTag), &NoteIniData, nullptr, &NoteAccessInfo, nullptr,
                            &NoteFilterData);
        AddNewControl(std::move(note));
        AddNewControl(std::make_unique<PushButton>(root->viewWithTag(NoteOKTag), "OK",
                                                   [this] { test::CommitIfValidAndClose(*this); }));
        AddNewControl(std::make_unique<PushButton>(root->viewWithTag(NoteCancelTag), "Cancel",
                                                   [this] { DeactivateWindow(); }));
    }
};

class FrameworkPanel : public zqp::Panel, public BasePrintPanel {
public:
    explicit FrameworkPanel(zqp::DialogHost* host) { initWithCallback(host); }
    ~FrameworkPanel() override { terminate(); }

    zqp::View* panelView() override { return view_; }
    std::string panelName() override {
        return pluginBundle != nullptr ? pluginBundle->localizedString("Panel Name", zqp::kNoTranslation) : "";
    }
    std::string panelKind() override { return GetAppClientID(); }
    std::vector<std::string> supportedPPDOptionKeys() override { return {"ZQColor"}; }

    bool restoreValuesAndReturnError(std::string* error) override {
        zqp::DialogHost* host = GetCurrentPDECallbackObj();
        ppd_file_t* ppd = host->ppdFile();
        if (ppd == nullptr) return true;
        zqp::Outlets outlets;
        outlets.bind("panelView", view_);
        outlets.bind("noteWindow", noteWindow_);
        if (!loadNibNamed("FrameworkPanel", outlets, error)) return false;
        const bool first = !opened_;
        if (first) {
            CreatePanel(nullptr);
            RegisterMyHelpBook();
            CreateControls();
            BuildConstraintHashFromPPD(ppd, hash_);
            SeteppdPtr(&hash_);
            InitializeUserPane(pluginBundle, ppd);
            opened_ = true;
        }
        if (!SetCurrentPrintSettings(host->printSettings(), ppd, host, host->printSession())) return false;
        SetCurrentPrintSession(host->printSession());
        if (first) SetUIDataToIniData();
        // Remembered values: in the preferences before 10.7, in the print
        // settings from 10.7 on; a control without one takes its default.
        if (OSVersionCode() >= 0x1070) GetValueFromPreferenceWithPrinterSettings();
        else GetValueFromPreference();
        SetCurrentValueToUI();
        if (!first) UpdateConflictsPanelControlFromPPD(ppd);
        return true;
    }

    void willShow() override {
        Open();
        BasePrintPanel::willShow();
    }
    bool shouldHide() override { return BasePrintPanel::shouldHide(); }

    bool saveValuesAndReturnError(std::string*) override {
        if (view_ == nullptr) return true;
        SetValueFromUIToControl();
        const int32_t status =
            OSVersionCode() >= 0x1070 ? SetValueToPreferenceWithPrinterSettings() : SetValueToPreference();
        if (status != 0) return false;
        return SetValueToTicket(GetCurrentPMPrintSettings(), false) == 0;
    }

    bool shouldPrint() override { return name_ == nullptr || name_->InvalidateDataOnPrintCommand(); }

    zqp::Summary summaryInfo() override {
        zqp::Summary s;
        GetSummaryText(&s.values, &s.order);
        return s;
    }

    void PPDOptionKeyValueDidChange(const std::string&, const std::string&) override {
        if (ppd_file_t* ppd = GetCurrentPPD()) UpdateConflictsPanelControlFromPPD(ppd);
    }

private:
    void CreateControls() {
        auto title = std::make_unique<PPDStaticTextCtrl>();
        title->CreateControl(view_->viewWithTag(ColorTitleTag), "ZQColor", nullptr, nullptr, nullptr, nullptr, nullptr);
        AddNewControl(std::move(title));
        auto color = std::make_unique<PPDPopupControl>();
        color->CreateControl(view_->viewWithTag(ColorTag), "ZQColor", &ColorIniData, nullptr, nullptr, nullptr,
                             &ColorTitleTag);
        AddNewControl(std::move(color));
        auto paper = std::make_unique<PPDPopupControl>();  // shares the colour's table
        paper->CreateControl(view_->viewWithTag(PaperTag), "ZQPaper", &ColorIniData, nullptr, nullptr, nullptr,
                             nullptr);
        AddNewControl(std::move(paper));
        AddNewControl(std::make_unique<CheckBox>(view_->viewWithTag(StapleTag), &StapleIniData, &StapleConstrainInfo,
                                                 &StapleAccessInfo, nullptr));
        auto name = std::make_unique<TextEditCtrl>();
        name->CreateControl(view_->viewWithTag(NameTag), &NameIniData, nullptr, &NameAccessInfo, nullptr,
                            &NameFilterData);
        name_ = AddNewControl(std::move(name));
        auto mode = std::make_unique<PopupControl>();
        mode->CreateControl(view_->viewWithTag(ModeTag), &ModeIniData, nullptr, &ModeAccessInfo, nullptr);
        AddNewControl(std::move(mode));
        note_ = std::make_unique<NoteWindow>(noteWindow_);
        AddNewControl(std::make_unique<PushButton>(view_->viewWithTag(NoteButtonTag), "Note Button",
                                                   [this] { note_->ActivateWindow(); }));
        RunTimeAddNewWindow(note_.get());
        // A label the nib lacks a view for is dropped here.
        auto missing = std::make_unique<StaticTextEditControl>();
        missing->CreateControl(view_->viewWithTag(999), nullptr, nullptr, nullptr, nullptr, nullptr, "Missing");
        AddNewControl(std::move(missing));
    }

    zqp::View* view_ = nullptr;
    zqp::Window* noteWindow_ = nullptr;
    std::unique_ptr<NoteWindow> note_;
    TextEditCtrl* name_ = nullptr;
    ConstraintHash hash_;
    bool opened_ = false;
};

class FrameworkPlugIn : public zqp::PlugIn {
public:
    bool initWithBundle(zqp::Bundle* bundle) override {
        if (pluginBundle == nullptr) pluginBundle = bundle;
        return bundle != nullptr;
    }
    std::vector<std::unique_ptr<zqp::Panel>> PDEPanelsForType(const std::string& type,
                                                               zqp::DialogHost* host) override {
        std::vector<std::unique_ptr<zqp::Panel>> out;
        if (type == zqp::kPrintDialogPanelType && host != nullptr)
            out.push_back(std::make_unique<FrameworkPanel>(host));
        return out;
    }
};

}  // namespace

ZQP_DEFINE_PLUGIN(FrameworkPlugIn)
