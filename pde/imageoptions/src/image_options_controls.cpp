#include "image_options_controls.h"

#include <zqp/host.h>
#include <zqp/utf8.h>
#include <zqp/view.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "image_options_panel.h"
#include "image_options_windows.h"
#include "mailbox_choice.h"
#include "ppd_checker.h"
#include "zqpde/app_resources.h"
#include "zqpde/ppd_util.h"

namespace zqimg {
namespace {

constexpr const char* kConflictTrue = "ConflictTrue";

ppd_file_t* PanelPPD(const zqpde::BaseControl& c) {
    return c.GetParentPanel() != nullptr ? c.GetParentPanel()->GetCurrentPPD() : nullptr;
}

// The control of the main panel with the tag (the windows' controls reach
// the main panel's through it).
zqpde::BaseControl* MainPanelControl(const zqpde::BaseControl& c, int32_t tag) {
    ImageOptionsPDEr15* panel = OwningImageOptionsPanel(c);
    return panel != nullptr ? panel->GetPanelControl(&tag) : nullptr;
}

int32_t ChoiceIndex(const std::vector<zqpde::PPDChoiceEntry>& list, const char* keyword) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i][1] == keyword) return static_cast<int32_t>(i);
    return -1;
}

// The checker hears whether the control's option is usable: a PPD, a
// keyword, and at least one choice.
void ReportToChecker(const std::string& keyword, ppd_file_t* ppd, bool hasChoices) {
    CPPDChecker::Instance().AddCheck(keyword, ppd != nullptr && !keyword.empty() && hasChoices);
}

}  // namespace

ImageOptionsPDEr15* OwningImageOptionsPanel(const zqpde::BaseControl& control) {
    zqpde::BasePrintPanel* p = control.GetParentPanel();
    while (p != nullptr) {
        if (auto* panel = dynamic_cast<ImageOptionsPDEr15*>(p)) return panel;
        p = p->GetParentWnd();
    }
    return nullptr;
}

bool MarkChoice(zqpde::BaseControl& control, const std::string& option, int32_t index) {
    const auto& choices = control.getPPDChoices();
    if (index < 0 || static_cast<size_t>(index) >= choices.size()) return false;
    zqpde::BasePrintPanel* panel = control.GetParentPanel();
    zqp::DialogHost* host = panel != nullptr ? panel->GetCurrentPDECallbackObj() : nullptr;
    return host != nullptr && host->willChangePPDOptionKeyValue(option, choices[static_cast<size_t>(index)].ppdTitle());
}

int32_t ChoiceScale::ChoiceOf(int32_t value, size_t choices) const {
    if (value < minimum || value > maximum) return -1;
    const int64_t index = int64_t{maximum} - value;
    return static_cast<uint64_t>(index) < choices ? static_cast<int32_t>(index) : -1;
}

std::optional<int32_t> ChoiceScale::ValueOf(int index, size_t choices) const {
    if (index < 0 || static_cast<size_t>(index) >= choices) return std::nullopt;
    const int64_t value = int64_t{maximum} - index;
    if (value < minimum) return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<int32_t> ChoiceScale::DefaultValue(ppd_file_t* ppd, const std::string& option) const {
    return ValueOf(zqpde::GetUIDefaultValueFromPPD(ppd, option.c_str()),
                   static_cast<size_t>(std::max(zqpde::GetPPDKeyOptionCount(ppd, option.c_str()), 0)));
}

std::optional<int32_t> ChoiceScale::HeldValue(const zqpde::BaseControl& control, const std::string& option) const {
    ppd_file_t* ppd = PanelPPD(control);
    if (ppd == nullptr || control.getPPDOptions() == nullptr) return std::nullopt;
    return ValueOf(zqpde::GetIndexOfMarkedOptionWithKey(control.getPPDOptions(), ppd, option.c_str()),
                   control.getPPDChoices().size());
}

bool ChoiceScale::Mark(zqpde::BaseControl& control, const std::string& option, int32_t value) const {
    const int32_t index = ChoiceOf(value, control.getPPDChoices().size());
    if (index < 0 || control.GetControlBlkPtr() == nullptr) return true;
    if (MarkChoice(control, option, index)) return true;
    // The PPD still holds its choice: the control goes back to it, and its
    // edit field and the gradient follow.
    if (const std::optional<int32_t> held = HeldValue(control, option)) {
        control.setExternalValueToData(&*held, sizeof *held, 2);  // 2: a number
        control.SetControlValueToUI();
        control.GetValueFromUI();
        control.DoControlUpdateConstrain();
    }
    return false;
}

// ---- lists -------------------------------------------------------------------------------------

bool GBasePPDPopupListARK::SetValueToTicket(zqp::PrintSettings*, bool) {
    if (!valueDidChange || GetControlBlkPtr() == nullptr) return true;
    const bool marked = MarkChoice(*this, kPPDMainKey, ChoiceOfItem(zqpde::ItemIndexOf(GetValue())));
    if (marked) valueDidChange = false;
    return marked;
}

bool GPPDListCtrlARK::InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) {
    ppdKeyIsExist_ = zqpde::CheckPPDKeyIsExist(ppd, kPPDMainKey.c_str());
    if (ppdKeyIsExist_) {
        if (!GBasePPDPopupListARK::InitializeMenu(bundle, ppd)) return false;
    } else {
        ctrlPPDInfoArrayRef.clear();
    }
    ReportToChecker(kPPDMainKey, ppd, !ctrlPPDInfoArrayRef.empty());
    return true;
}

// The older build keeps the framework's rules: a list without its option
// stays shown, and so does its title.
int32_t GPPDListCtrlARK::DoSelfUpdate() {
    if (Edition().olderBuild) return GBasePPDPopupListARK::DoSelfUpdate();
    if (!ppdKeyIsExist_) {
        PPDCtrlHide();
        HideTitleCtrl();
    }
    return 0;
}

void GPPDListCtrlARK::Show() {
    if (ppdKeyIsExist_ || Edition().olderBuild) GBasePPDPopupListARK::Show();
}

void GPPDListCtrlARK::Hide() {
    GBasePPDPopupListARK::Hide();
    if (!ppdKeyIsExist_ && !Edition().olderBuild) HideTitleCtrl();
}

// RGB correction ---------------------------------------------------------------------------------

int32_t RGBCorrectionListCtrlARK::ChoiceOfItem(int32_t item) const {
    if (item < 0 || static_cast<size_t>(item) >= itemChoice_.size()) return -1;
    const int32_t choice = itemChoice_[static_cast<size_t>(item)];
    return static_cast<size_t>(choice) < ctrlPPDInfoArrayRef.size() ? choice : -1;
}

int32_t RGBCorrectionListCtrlARK::ItemOfChoice(int32_t choice) const {
    for (size_t item = 0; item < itemChoice_.size(); ++item)
        if (itemChoice_[item] == choice) return static_cast<int32_t>(item);
    return -1;
}

bool RGBCorrectionListCtrlARK::ReInitializeMenu(zqp::Bundle*) {
    zqp::PopUpButton* p = PopUp();
    itemChoice_.clear();
    if (p == nullptr || ctrlPPDInfoArrayRef.empty()) return true;
    p->removeAllItems();
    int32_t perceptualItem = -1;
    for (size_t i = 0; i < ctrlPPDInfoArrayRef.size(); ++i) {
        const zqpde::PPDChoiceEntry& e = ctrlPPDInfoArrayRef[i];
        if (e[1] == "None") continue;
        if (e[1] == "Perceptual") perceptualItem = static_cast<int32_t>(itemChoice_.size());
        p->addItemWithTitle(std::string(zqp::Utf8Prefix(e[2], zqpde::kPPDItemMaxBytes)),
                            std::string(zqp::Utf8Prefix(e[1], zqpde::kPPDItemMaxBytes)));
        p->itemAtIndex(p->numberOfItems() - 1)->enabled = e[3] != kConflictTrue;
        itemChoice_.push_back(static_cast<int32_t>(i));
    }
    // "Perceptual" is the list's default, wherever "None" stands.
    if (perceptualItem >= 0) {
        p->selectItemAtIndex(perceptualItem);
        defaultValue_ = perceptualItem + 1;
    }
    return true;
}

bool RGBCorrectionListCtrlARK::ConvertFromPresetIndex(int32_t choice) {
    // The marked choice is not offered ("None"): the list keeps its value.
    if (ItemOfChoice(choice) < 0) return false;
    return GPPDListCtrlARK::ConvertFromPresetIndex(choice);
}

bool RGBCorrectionListCtrlARK::SetValueToTicket(zqp::PrintSettings*, bool) {
    if (GetControlBlkPtr() == nullptr) return true;
    int32_t choice = ChoiceOfItem(zqpde::ItemIndexOf(GetValue()));
    ImageOptionsPDEr15* panel = OwningImageOptionsPanel(*this);
    // Basic mode and black-and-white printing take no RGB correction.
    if (panel != nullptr && panel->IsPrinting() &&
        (!panel->IsAdvancedSettingAvailable() || !panel->IsColorModeAvailable())) {
        const int32_t none = ChoiceIndex(ctrlPPDInfoArrayRef, "None");
        if (none >= 0) choice = none;
    }
    if (choice < 0) return true;
    return MarkChoice(*this, kPPDMainKey, choice);
}

int32_t RGBCorrectionListCtrlARK::DoControlUpdateConstrain() {
    // The older build updates by the framework's rule: the list of the item
    // chosen, so items past the table's lists update nothing.
    if (Edition().olderBuild) return GPPDListCtrlARK::DoControlUpdateConstrain();
    if (GetValueFromUIDataBlk() == nullptr || ctrlConstrainControlArray == nullptr) return 0;
    if (BlockInt(GetValueFromUIDataBlk()) == SelectedItemNumber() || ctrlParentPanelPtr == nullptr) return 0;
    zqpde::ConstrainTagList list = ctrlConstrainControlArray->updateLists.at(0);
    for (zqpde::ConstrainTagList p = list; p != nullptr && *p != nullptr; ++p)
        if (zqpde::BaseControl* c = ctrlParentPanelPtr->GetPanelControl(*p)) c->Update();
    return 0;
}

// Screen -----------------------------------------------------------------------------------------

int32_t ScreenListCtrlARK::Update() {
    ImageOptionsPDEr15* panel = OwningImageOptionsPanel(*this);
    if (!Edition().olderBuild && panel != nullptr && panel->GetPDEStatus()) return 0;
    SetDefaultValueToUI();
    GetValueFromUI();
    return 0;
}

// Output mode ------------------------------------------------------------------------------------

bool GOutputModeListCtrlARK::InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) {
    if (!GPPDListCtrlARK::InitializeMenu(bundle, ppd)) return false;
    isMailBoxKeyExist_ = false;
    mailboxSetValueIndex_ = 0;
    const std::string key = zqpde::FixPPDKeywordAccordingToType(ppd, "ZQXMailBoxSettings");
    ppd_attr_t* attr = zqpde::ppdFindAttr_ALT(ppd, key.c_str(), nullptr);
    if (attr != nullptr) {
        const std::string choice = MailboxOutputModeChoice(attr->value);
        mailboxSetValueIndex_ = 1 + ChoiceIndex(ctrlPPDInfoArrayRef, choice.c_str());
        isMailBoxKeyExist_ = true;
    }
    return true;
}

bool GOutputModeListCtrlARK::MailboxJob() const {
    ImageOptionsPDEr15* panel = OwningImageOptionsPanel(*this);
    return panel != nullptr && panel->getPrintTypeMailbox();
}

bool GOutputModeListCtrlARK::GetValueToPreset() {
    const bool got = GPPDListCtrlARK::GetValueToPreset();
    if (isMailBoxKeyExist_ && MailboxJob() && mailboxSetValueIndex_ > 0 && GetControlBlkPtr() != nullptr) {
        SetBlockInt(GetControlBlkPtr(), mailboxSetValueIndex_);
        valueDidChange = true;
        return true;
    }
    return got;
}

bool GOutputModeListCtrlARK::SetValueFromUIToControl() {
    if (isMailBoxKeyExist_ && MailboxJob() && mailboxSetValueIndex_ > 0 && GetControlBlkPtr() != nullptr) {
        if (GetValue() != mailboxSetValueIndex_) valueDidChange = true;
        SetBlockInt(GetControlBlkPtr(), mailboxSetValueIndex_);
        return true;
    }
    return GPPDListCtrlARK::SetValueFromUIToControl();
}

int32_t GOutputModeListCtrlARK::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) {
    GPPDListCtrlARK::UpdateConflictsPanelControlFromPPD(ppd);
    if (!isMailBoxKeyExist_ || ControlPtr == nullptr) return 0;
    const bool mailbox = MailboxJob();
    ControlPtr->setEnabled(!mailbox);
    if (ctrlIDTitleExPtr != nullptr && ctrlParentPanelPtr != nullptr)
        if (zqpde::BaseControl* title = ctrlParentPanelPtr->GetPanelControl(ctrlIDTitleExPtr))
            if (title->GetControlPtr() != nullptr) title->GetControlPtr()->setEnabled(!mailbox);
    return 0;
}

int32_t GOutputModeListCtrlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (dictionary == nullptr || order == nullptr || GetControlBlkPtr() == nullptr || titleTextRef.empty()) return 0;
    const int32_t value = isMailBoxKeyExist_ && MailboxJob() && mailboxSetValueIndex_ > 0 ? mailboxSetValueIndex_
                                                                                          : GetValue();
    const int32_t index = zqpde::ItemIndexOf(value);
    if (index < 0 || static_cast<size_t>(index) >= ctrlPPDInfoArrayRef.size()) return 0;
    (*dictionary)[titleTextRef] =
        std::string(zqp::Utf8Prefix(ctrlPPDInfoArrayRef[static_cast<size_t>(index)][2], zqpde::kPPDSummaryMaxBytes));
    order->push_back(titleTextRef);
    return 0;
}

bool GOutputModeListCtrlARK::SetDefaultValueToUI() {
    const bool ok = GPPDListCtrlARK::SetDefaultValueToUI();
    // The default shown is the value the next pick compares with.
    GetValueFromUI();
    return ok;
}

// Image adjustment lists -------------------------------------------------------------------------

bool MirroredListCtrlIAARK::ReInitializeMenu(zqp::Bundle* bundle) {
    if (!keepNone_) return RGBCorrectionListCtrlARK::ReInitializeMenu(bundle);
    // Every choice, item k being choice k.
    zqpde::PPDPopupControl::ReInitializeMenu(bundle);
    itemChoice_.clear();
    for (size_t i = 0; i < ctrlPPDInfoArrayRef.size(); ++i) itemChoice_.push_back(static_cast<int32_t>(i));
    return true;
}

bool MirroredListCtrlIAARK::SetControlValueToUI() {
    zqp::PopUpButton* p = PopUp();
    zqpde::BaseControl* main = MainPanelControl(*this, mainTag_);
    auto* mainList = dynamic_cast<zqpde::PPDPopupControl*>(main);
    auto* mainPopUp = mainList != nullptr ? dynamic_cast<zqp::PopUpButton*>(mainList->GetControlPtr()) : nullptr;
    if (p == nullptr || mainPopUp == nullptr || GetControlBlkPtr() == nullptr)
        return GPPDListCtrlARK::SetControlValueToUI();
    const int32_t item = mainPopUp->indexOfSelectedItem();
    SetBlockInt(GetControlBlkPtr(), item + 1);
    p->selectItemAtIndex(item);
    return true;
}

bool MirroredListCtrlIAARK::SetValueToTicket(zqp::PrintSettings*, bool) { return true; }

bool CMYKCorrectionListCtrlIAARK::InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) {
    if (!MirroredListCtrlIAARK::InitializeMenu(bundle, ppd)) return false;
    // "None" disables the target paper and its title, wherever it stands.
    static const int32_t kPaper = kTargetPaperIATag, kPaperTitle = 516;
    static const int32_t* const kPaperList[] = {&kPaper, &kPaperTitle, nullptr};
    disable_.assign(ctrlPPDInfoArrayRef.size(), nullptr);
    const int32_t none = GetIndexByStr("None");
    if (none >= 0) disable_[static_cast<size_t>(none)] = kPaperList;
    constrain_ = {};
    constrain_.disableLists = {disable_.data(), static_cast<int32_t>(disable_.size())};
    ctrlConstrainControlArray = &constrain_;
    return true;
}

int32_t CMYKTargetMediaListCtrlIAARK::GetSummaryText(zqpde::SummaryDictionary* dictionary,
                                                     zqpde::SummaryOrder* order) {
    ImageOptionsPDEr15* panel = OwningImageOptionsPanel(*this);
    if (panel == nullptr || ControlPtr == nullptr || ControlPtr->isHidden() || !panel->IsAdvancedSettingAvailable())
        return 0;
    zqpde::PPDPopupControl* cmyk = panel->getcmykccPopupList();
    const char* choice = cmyk != nullptr ? cmyk->GetUISelectStr() : nullptr;
    if (choice == nullptr || std::strcmp(choice, "None") == 0) return 0;
    return GPPDListCtrlARK::GetSummaryText(dictionary, order);
}

bool PluginTypeListCtrlARK::SetPluginType(int32_t type) {
    if (type <= 0) return false;
    defaultValue_ = type;
    return true;
}

// ---- check boxes ---------------------------------------------------------------------------------

bool GBasePPDCheckBoxARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    const bool ok = zqpde::PPDCheckBox::InitializeCtrl(bundle, ppd);
    ppdKeyIsExist_ = zqpde::CheckPPDKeyIsExist(ppd, kPPDMainKey.c_str());
    if (Absent()) PPDCtrlHide();
    return ok;
}

bool GBasePPDCheckBoxARK::Absent() const { return !ppdKeyIsExist_ && !Edition().olderBuild; }

void GBasePPDCheckBoxARK::Show() {
    zqpde::PPDCheckBox::Show();  // the count stays even
    if (Absent()) PPDCtrlHide();
}

void GBasePPDCheckBoxARK::ResetStatus() {
    zqpde::PPDCheckBox::ResetStatus();
    if (Absent()) PPDCtrlHide();
}

bool GBasePPDCheckBoxARK::SetValueToTicket(zqp::PrintSettings*, bool) {
    if (!valueDidChange || GetControlBlkPtr() == nullptr) return true;
    const int32_t index = ChoiceIndexForState(GetValue());
    if (index < 0) return true;
    const bool marked = MarkChoice(*this, kPPDMainKey, index);
    if (marked) valueDidChange = false;
    return marked;
}

bool GCheckBoxARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    const bool ok = GBasePPDCheckBoxARK::InitializeCtrl(bundle, ppd);
    ReportToChecker(kPPDMainKey, ppd, !ctrlPPDInfoArrayRef.empty());
    return ok;
}

int32_t GCheckBoxExtARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (ControlPtr == nullptr || !ControlPtr->isEnabled()) return 0;
    return GBasePPDCheckBoxARK::GetSummaryText(dictionary, order);
}

// ---- density stepper -------------------------------------------------------------------------------

GLittleArrayControlARK::GLittleArrayControlARK(zqp::View* view, const zqpde::LittleArrayIniData* iniData,
                                               const char* ppdKey, const zqpde::ConstrainInfo* constrain, bool black)
    : zqpde::PPDLittleArrayControl(view, iniData, ppdKey, constrain, nullptr, nullptr), black_(black) {}

bool GLittleArrayControlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    const bool ok = zqpde::PPDLittleArrayControl::InitializeCtrl(bundle, ppd);
    // The default is the PPD's default choice by the scale the stepper marks
    // with: "+2" is no plain number, and read as one it gave 0.
    if (ok && !ctrlPPDInfoArrayRef.empty())
        if (const std::optional<int32_t> v = Scale().DefaultValue(ppd, kPPDMainKey)) defaultValue_ = *v;
    ReportToChecker(kPPDMainKey, ppd, !ctrlPPDInfoArrayRef.empty());
    return ok;
}

int32_t GLittleArrayControlARK::ShownValue() const {
    zqp::Stepper* s = StepperView();
    return s != nullptr ? s->integerValue() : 0;
}

void GLittleArrayControlARK::TakeValue(int32_t value) {
    if (zqp::Stepper* s = StepperView()) s->setIntegerValue(value);
    lastValue = ShownValue();
    GetValueFromUI();
}

void GLittleArrayControlARK::WriteEdit() {
    if (ctrlConstrainControlArray == nullptr || ctrlParentPanelPtr == nullptr) return;
    zqpde::ConstrainTagList list = ctrlConstrainControlArray->updateLists.at(0);
    if (list == nullptr || list[0] == nullptr) return;
    auto* edit = dynamic_cast<GTextEditCtrlARK*>(ctrlParentPanelPtr->GetPanelControl(list[0]));
    if (edit == nullptr || edit->GetEditMaxLength() <= 0) return;
    const std::string text = std::to_string(ShownValue());
    edit->SetExternalValueToUI(text.c_str(), static_cast<int32_t>(text.size()));
    edit->GetValueFromUI();
}

bool GLittleArrayControlARK::UIEventHandler() {
    WriteEdit();
    return zqpde::PPDLittleArrayControl::UIEventHandler();
}

bool GLittleArrayControlARK::SetControlValueToUI() {
    zqpde::PPDLittleArrayControl::SetControlValueToUI();
    lastValue = ShownValue();
    WriteEdit();
    return true;
}

bool GLittleArrayControlARK::SetExternalValueToUI(const void* value, int32_t size) {
    zqpde::PPDLittleArrayControl::SetExternalValueToUI(value, size);
    // The older build sets the stepper alone and leaves its edit field.
    if (Edition().olderBuild) return true;
    lastValue = ShownValue();
    WriteEdit();
    return true;
}

bool GLittleArrayControlARK::SetDefaultValueToUI() {
    zqpde::PPDLittleArrayControl::SetDefaultValueToUI();
    BaseControl::SetDefaultValueToUI();
    // The field shows the default as well, also in the older build, whose
    // stepper set from outside leaves its field: after Restore Default the
    // field said 0 over a stepper on the PPD's default.
    WriteEdit();
    return true;
}

int32_t GLittleArrayControlARK::Update() { return 0; }

bool GLittleArrayControlARK::GetValueToPreset() {
    const std::optional<int32_t> held = Scale().HeldValue(*this, kPPDMainKey);
    if (!held || GetControlBlkPtr() == nullptr) return false;
    SetBlockInt(GetControlBlkPtr(), *held);
    lastValue = *held;
    return true;
}

bool GLittleArrayControlARK::SetValueToTicket(zqp::PrintSettings*, bool) {
    if (GetControlBlkPtr() == nullptr || littleArrayIniDataPtr == nullptr) return true;
    return Scale().Mark(*this, kPPDMainKey, GetValue());
}

int32_t GLittleArrayControlARK::ChoiceOfValue(int32_t value) const {
    return Scale().ChoiceOf(value, ctrlPPDInfoArrayRef.size());
}

bool GLittleArrayControlARK::ToGetSummaryText() {
    ImageOptionsPDEr15* panel = OwningImageOptionsPanel(*this);
    if (panel == nullptr || !panel->IsColorBalanceAdjustmentAvailable()) return false;
    return black_ || panel->IsColorModeAvailable();
}

// ---- brightness -------------------------------------------------------------------------------------

bool GPPDSliderBarControlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    zqpde::PPDSliderBarControl::InitializeCtrl(bundle, ppd);
    const int n = zqpde::GetPPDKeyOptionCount(ppd, kPPDMainKey.c_str());
    ranged_ = n > 0;
    if (ranged_) {
        maximum_ = n / 2;
        // n choices give n values: -5 to +5 for 11; an even count loses the
        // lowest value rather than have a value that marks nothing.
        minimum_ = maximum_ - (n - 1);
        if (zqp::Slider* s = SliderView()) {
            s->setMinValue(minimum_);
            s->setMaxValue(maximum_);
            s->setNumberOfTickMarks(maximum_ - minimum_ + 1);
            s->setAllowsTickMarkValuesOnly(true);
        }
        defaultValue_ = Scale().DefaultValue(ppd, kPPDMainKey).value_or(0);
        hasIniData_ = true;
        const std::string title = zqpde::GetUITitleFromPPD(ppd, kPPDMainKey.c_str()).value_or("");
        static const int32_t kTitleTag = 202;
        if (ctrlParentPanelPtr != nullptr)
            if (zqpde::BaseControl* label = ctrlParentPanelPtr->GetPanelControl(&kTitleTag)) {
                const std::string text = title + ":";
                label->SetExternalValueToUI(text.c_str(), static_cast<int32_t>(text.size()));
            }
    } else if (sliderBarIniDataPtr != nullptr) {
        minimum_ = sliderBarIniDataPtr->minimum;
        maximum_ = sliderBarIniDataPtr->maximum;
    }
    ReportToChecker(kPPDMainKey, ppd, !ctrlPPDInfoArrayRef.empty());
    return true;
}

bool GPPDSliderBarControlARK::GetValueToPreset() {
    const std::optional<int32_t> held = Scale().HeldValue(*this, kPPDMainKey);
    if (!held || GetControlBlkPtr() == nullptr) return false;
    MarkChoice(*this, kPPDMainKey, Scale().ChoiceOf(*held, m_paPPDChoices.size()));
    SetBlockInt(GetControlBlkPtr(), *held);
    return true;
}

int32_t GPPDSliderBarControlARK::Open() {
    if (PanelPPD(*this) != nullptr && GetValueToPreset()) {
        SetControlValueToUI();
        GetValueFromUI();
    }
    return 0;
}

bool GPPDSliderBarControlARK::UIEventHandler() {
    zqp::Slider* s = SliderView();
    ppd_file_t* ppd = PanelPPD(*this);
    // A refused move puts the slider back on the choice the PPD holds.
    if (s != nullptr && ppd != nullptr && Scale().Mark(*this, kPPDMainKey, s->integerValue()))
        ctrlParentPanelPtr->UpdateConflictsPanelControlFromPPD(ppd);
    return zqpde::PPDSliderBarControl::UIEventHandler();
}

bool GPPDSliderBarControlARK::SetDefaultValueToUI() {
    int32_t v = defaultValue_;
    SetExternalValueToUI(&v, sizeof v);
    return true;
}

bool GPPDSliderBarControlARK::SetValueToTicket(zqp::PrintSettings*, bool) {
    return Scale().Mark(*this, kPPDMainKey, GetValue());
}

int32_t GPPDSliderBarControlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (dictionary == nullptr || order == nullptr || GetControlBlkPtr() == nullptr || !ranged_) return 0;
    const int32_t index = Scale().ChoiceOf(GetValue(), ctrlPPDInfoArrayRef.size());
    if (index < 0) return 0;
    const std::string title = zqpde::GetUITitleFromPPD(PanelPPD(*this), kPPDMainKey.c_str()).value_or("");
    if (title.empty()) return 0;
    (*dictionary)[title] = ctrlPPDInfoArrayRef[static_cast<size_t>(index)][2];
    order->push_back(title);
    return 0;
}

bool BrightRangeSTextCtrlARK::InitializeCtrl(zqp::Bundle*, ppd_file_t*) {
    ImageOptionsPDEr15* panel = OwningImageOptionsPanel(*this);
    GPPDSliderBarControlARK* slider = panel != nullptr ? panel->getbrightnessSlider() : nullptr;
    if (slider == nullptr) return true;
    char text[16];
    if (maximum_) std::snprintf(text, sizeof text, "+%d", static_cast<int>(slider->Maximum()));
    else std::snprintf(text, sizeof text, "-%d", static_cast<int>(-slider->Minimum()));
    SetExternalValueToUI(text, static_cast<int32_t>(std::strlen(text)));
    return true;
}

// ---- radios and buttons ------------------------------------------------------------------------------

bool GRadioButtonARK::UIEventHandler() {
    auto* b = dynamic_cast<zqp::Button*>(ControlPtr);
    if (b != nullptr && GetValueFromUIDataBlk() != nullptr && b->state() == BlockInt(GetValueFromUIDataBlk()))
        return true;
    return zqpde::RadioButton::UIEventHandler();
}

bool GRadioButtonARK::IsChecked() const {
    auto* b = dynamic_cast<zqp::Button*>(ControlPtr);
    return b != nullptr && b->state() == 1;
}

bool GColorBalanceButtonARK::UIEventHandler() {
    ImageOptionsPDEr15* panel = OwningImageOptionsPanel(*this);
    if (panel == nullptr || panel->getColorBalanceWnd() == nullptr) return false;
    panel->getColorBalanceWnd()->ActivateWindow();
    return true;
}

bool GImageSettingsButtonARK::UIEventHandler() {
    ImageOptionsPDEr15* panel = OwningImageOptionsPanel(*this);
    if (panel == nullptr || panel->ActiveAdjustmentWnd() == nullptr) return false;
    panel->ActiveAdjustmentWnd()->ActivateWindow();
    return true;
}

bool GRestoreDefaultButtonARK::UIEventHandler() {
    zqpde::BasePrintPanel* owner = GetParentPanel();
    if (owner == nullptr) return false;
    owner->SetDefaultValueToUI();
    ImageOptionsPDEr15* panel = OwningImageOptionsPanel(*this);
    zqp::DialogHost* host = panel != nullptr ? panel->GetCurrentPDECallbackObj() : nullptr;
    if (panel != nullptr && panel->GetCurrentPrintSession() != nullptr && host != nullptr && host->ppdFile() != nullptr)
        owner->UpdateConflictsPanelControlFromPPD(host->ppdFile());
    return true;
}

void GHelpButtonARK::CreateHelp(zqp::View* view, const char* defaultPage) {
    BaseButton::CreateControl(view, nullptr);
    helpFileName_ = defaultPage != nullptr ? defaultPage : "";
}

bool GHelpButtonARK::InitializeCtrl(zqp::Bundle*, ppd_file_t* ppd) {
    const std::string key = zqpde::FixPPDKeywordAccordingToType(ppd, "ZQXImageOptionsSettings");
    ppd_attr_t* attr = zqpde::ppdFindAttr_ALT(ppd, key.c_str(), nullptr);
    if (attr == nullptr || attr->value == nullptr) return true;
    const char* dash = std::strchr(attr->value, '-');
    if (dash == nullptr) return true;
    for (const GraphicsHelpRow& row : GraphicsHelpString)
        if (helpFileName_ == row.defaultPage) {
            helpFileName_ = std::string(row.prefix) + (dash + 1) + ".htm";
            break;
        }
    return true;
}

bool GHelpButtonARK::UIEventHandler() {
    if (helpFileName_.empty()) return false;
    zqpde::GotoHelpPage(zqpde::pluginBundle, helpFileName_, "", "Help Viewer Title for Image Options");
    return true;
}

bool GCancelButtonARK::UIEventHandler() {
    // Picks, clicks and defaults marked their choices at once: the PPD goes
    // back to the values the window keeps.
    if (auto* window = dynamic_cast<zqpde::PopupWinInPanel*>(GetParentPanel())) window->CancelWindow();
    return true;
}

}  // namespace zqimg
