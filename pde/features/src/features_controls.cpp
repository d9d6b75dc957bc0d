#include "features_controls.h"

#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/ppd.h>
#include <zqp/print_settings.h>
#include <zqp/utf8.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "features_units.h"
#include "zqpde/app_resources.h"
#include "zqpde/constraint_hash.h"
#include "zqpde/text_entry.h"
#include "zqpde/text_util.h"

namespace zqfeat {
namespace {

constexpr const char* kConflictTrue = "ConflictTrue";

zqp::Frame SlotFrame(int32_t x, int32_t width, int32_t slot) {
    return {static_cast<double>(x), static_cast<double>(SlotBottom(slot)), static_cast<double>(width),
            static_cast<double>(kControlHeight)};
}

template <class V>
V* AddToBox(zqp::View* box, std::unique_ptr<V> view) {
    V* raw = view.get();
    if (box != nullptr) box->addSubview(std::move(view));
    return box != nullptr ? raw : nullptr;
}

// The papers the special pages use, as the special-pages panel wrote them.
struct SpecialPagePapers {
    std::vector<std::string> sizes, types, colors;
    bool interposer = false;
};

SpecialPagePapers ReadPapers(zqp::PrintSettings* settings) {
    SpecialPagePapers p;
    if (settings == nullptr) return p;
    const std::string ns = kTicketNamespace;
    settings->GetArray(ns + "pageSizeArrayTicket", p.sizes);
    settings->GetArray(ns + "mediaTypeArrayTicket", p.types);
    settings->GetArray(ns + "mediaColorArrayTicket", p.colors);
    std::string flag;
    p.interposer = settings->GetValue(ns + "whetherInterposerTicket", flag) == 0 && flag == "1";
    return p;
}

// True when the hash lists, under key, the constraining choice option/choice.
bool ConstrainedBy(const zqpde::ConstraintHash* hash, ppd_file_t* ppd, const std::string& key,
                   const std::string& option, const std::string& choice) {
    if (hash == nullptr || ppd == nullptr) return false;
    auto [first, last] = hash->equal_range(key);
    for (auto it = first; it != last; ++it) {
        const zqpde::x_constraints& at = it->second;
        if (at.group >= ppd->num_groups) continue;
        const ppd_group_t& g = ppd->groups[at.group];
        if (at.option >= g.num_options) continue;
        const ppd_option_t& o = g.options[at.option];
        if (at.choice >= o.num_choices) continue;
        if (option == o.keyword && choice == o.choices[at.choice].choice) return true;
    }
    return false;
}

// A choice of the option conflicts with a paper of any special page.
bool PaperConflict(zqpde::BasePrintPanel* panel, ppd_file_t* ppd, const std::string& key,
                   const SpecialPagePapers& papers) {
    zqpde::ConstraintHash* hash = panel != nullptr ? panel->Geteppd() : nullptr;
    for (const std::string& s : papers.sizes)
        if (ConstrainedBy(hash, ppd, key, "PageSize", s)) return true;
    for (const std::string& t : papers.types)
        if (ConstrainedBy(hash, ppd, key, "MediaType", t)) return true;
    const std::string colorOption = zqpde::FixPPDKeywordAccordingToType(ppd, "ZQMediaColor");
    for (const std::string& c : papers.colors)
        if (ConstrainedBy(hash, ppd, key, colorOption, c)) return true;
    return false;
}

bool LastChoiceConflicted(const std::vector<zqpde::PPDChoiceEntry>& list) {
    return !list.empty() && list.back()[3] == kConflictTrue;
}

FeaturesPanelState* StateOf(zqpde::BasePrintPanel* panel) { return dynamic_cast<FeaturesPanelState*>(panel); }

bool AskHost(zqpde::BasePrintPanel* panel, const std::string& option, const std::string& choice) {
    zqp::DialogHost* host = panel != nullptr ? panel->GetCurrentPDECallbackObj() : nullptr;
    return host != nullptr && host->willChangePPDOptionKeyValue(option, choice);
}

// The values a switch's or list's own key has when the feature is off; a
// missing key means the same to the job filter.
constexpr int32_t kSwitchOff = 0;
constexpr int32_t kListOff = 1;

// True when the ticket holds, under the control's own key, another value
// than the control's committed one.
bool OwnKeyIsStale(zqpde::IntegerValueControl& c, zqp::PrintSettings* settings, const zqpde::AccessInfo* access,
                   int32_t off) {
    if (settings == nullptr || access == nullptr || access->ticketKey == nullptr || c.GetControlBlkPtr() == nullptr)
        return false;
    std::string text;
    if (settings->GetValue(access->ticketKey, text) != zqp::kNoErr) return c.GetValue() != off;
    return text != std::to_string(c.GetValue());
}

// True when the PPD the panel works on does not hold choice for option.
bool MarkDiffers(zqpde::BasePrintPanel* panel, const std::string& option, const std::string& choice) {
    ppd_file_t* ppd = panel != nullptr ? panel->GetCurrentPPD() : nullptr;
    return ppd != nullptr && zqp::MarkedChoice(ppd, option) != choice;
}

}  // namespace

// ---- title label ---------------------------------------------------------------

void PPDStaticTextCtrlExt::CreateControl(zqp::TextField* templateLabel, const char* ppdKey, int32_t controlLength,
                                         const SlotPlace& place) {
    auto label = std::make_unique<zqp::TextField>();
    label->setEditable(false);
    label->setBezeled(false);
    if (templateLabel != nullptr) label->setTextColor(templateLabel->textColor());
    TitleCtrlBounds = SlotFrame(pfCtrlPositionData.titleHoffset, controlLength, place.slot);
    label->setFrame(TitleCtrlBounds);
    label->setIdentifier(std::string("title-") + (ppdKey != nullptr ? ppdKey : ""));
    zqp::TextField* view = AddToBox(place.parentGroupBox, std::move(label));
    StaticTextEditControl::CreateControl(view, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    kPPDMainKey = ppdKey != nullptr ? ppdKey : "";
    indexInPanel = place.slot;
    SetCtrlInWhichGroup(place.group);
}

bool PPDStaticTextCtrlExt::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    BaseControl::InitializeCtrl(bundle, ppd);
    if (zqp::TextField* l = Label())
        l->setStringValue(GetUITitleFromPPDOrEmpty(ppd));
    return true;
}

std::string PPDStaticTextCtrlExt::GetUITitleFromPPDOrEmpty(ppd_file_t* ppd) const {
    return ppd != nullptr ? zqpde::GetUITitleFromPPD(ppd, kPPDMainKey.c_str()).value_or("") : "";
}

void PPDStaticTextCtrlExt::PPDCtrlShow() { BaseControl::PPDCtrlShow(); }
void PPDStaticTextCtrlExt::PPDCtrlHide() { BaseControl::PPDCtrlHide(); }

void PPDStaticTextCtrlExt::Apply() {
    if (ControlPtr == nullptr) return;
    const bool enabled = ctrlConstrainCount <= 0 && !conflicted_;
    ControlPtr->setEnabled(enabled);
    if (zqp::TextField* l = Label()) l->setTextColor(enabled ? zqp::kControlTextColor : zqp::kDisabledTextColor);
}
void PPDStaticTextCtrlExt::Disable() {
    ++ctrlConstrainCount;
    Apply();
}
void PPDStaticTextCtrlExt::Enable() {
    --ctrlConstrainCount;
    Apply();
}
void PPDStaticTextCtrlExt::ResetStatus() {
    ctrlConstrainCount = 0;
    ctrlHideCount = 0;
    conflicted_ = false;
    Apply();
}
void PPDStaticTextCtrlExt::SetConflicted(bool on) {
    conflicted_ = on;
    Apply();
}

// ---- pop-ups -------------------------------------------------------------------

void PPDPopupControlExt::CreateControl(const char* ppdKey, const zqpde::ListCtrlIniData* iniData,
                                       const zqpde::ConstrainInfo* constrainArray,
                                       const zqpde::AccessInfo* accessInfo, int32_t ctrlTotalLength,
                                       int32_t titleCtrlLength, PPDStaticTextCtrlExt* titleCtrl,
                                       const SlotPlace& place) {
    auto popup = std::make_unique<zqp::PopUpButton>();
    popup->setFrame(SlotFrame(titleCtrlLength + pfCtrlPositionData.titleHoffset, ctrlTotalLength - titleCtrlLength,
                              place.slot));
    popup->setIdentifier(ppdKey != nullptr ? ppdKey : "");
    zqp::PopUpButton* view = AddToBox(place.parentGroupBox, std::move(popup));
    static const zqp::PrefUser kCurrentUser = zqp::PrefUser::kCurrentUser;
    PPDPopupControl::CreateControl(view, ppdKey, iniData, constrainArray, accessInfo, &kCurrentUser, nullptr);
    titleTextPtr = titleCtrl;
    indexInPanel = place.slot;
    parentGroupBox = place.parentGroupBox;
    SetCtrlInWhichGroup(place.group);
}

bool PPDPopupControlExt::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    // Without a title the option is not shown; its record is still kept.
    if (ppd == nullptr || !zqpde::GetUITitleFromPPD(ppd, kPPDMainKey.c_str())) {
        setPPDOptions(ppd != nullptr ? ppdFindOption(ppd, kPPDMainKey.c_str()) : nullptr);
        setPPDChoices(zqpde::ArrayFromPPDOption(getPPDOptions()));
        if (ControlPtr != nullptr) ControlPtr->setHidden(true);
        return false;
    }
    if (!PPDPopupControl::InitializeCtrl(bundle, ppd)) return false;
    if (zqp::PopUpButton* p = PopUp()) p->selectItemAtIndex(zqpde::ItemIndexOf(defaultValue_));
    return true;
}

bool PPDPopupControlExt::SetControlValueToDefault() {
    if (GetControlBlkPtr() == nullptr || GetDefaultDataSize() == 0) return true;
    SetBlockInt(GetControlBlkPtr(), defaultValue_);
    return true;
}

FeaturesPanelState* PPDPopupControlExt::Features() const { return StateOf(ctrlParentPanelPtr); }
CrossPanelState PPDPopupControlExt::Cross() const {
    FeaturesPanelState* f = Features();
    return f != nullptr ? f->CrossState() : CrossPanelState{};
}

void PPDPopupControlExt::Apply() {
    if (ControlPtr != nullptr) ControlPtr->setEnabled(ctrlConstrainCount <= 0 && !conflicted_);
}
void PPDPopupControlExt::Disable() {
    ++ctrlConstrainCount;
    Apply();
}
void PPDPopupControlExt::Enable() {
    --ctrlConstrainCount;
    Apply();
}
void PPDPopupControlExt::ResetStatus() {
    ctrlConstrainCount = 0;
    ctrlHideCount = 0;
    SetConflicted(false);
}
void PPDPopupControlExt::SetConflicted(bool on) {
    conflicted_ = on;
    Apply();
    if (titleTextPtr != nullptr) titleTextPtr->SetConflicted(on);
}
void PPDPopupControlExt::PPDCtrlShow() {
    // A pop-up whose option has no title is never shown.
    if (GetControlBlkPtr() != nullptr) BaseControl::PPDCtrlShow();
}
void PPDPopupControlExt::PPDCtrlHide() { BaseControl::PPDCtrlHide(); }

void PPDPopupControlExt::HoldDefaultWhileRuled() {
    if (GetControlBlkPtr() == nullptr || !RestoreRulesFor(kPPDMainKey, Cross()).any()) return;
    // The panel shows and summarises the default while another panel's state
    // holds it there; the printer must get the same, whatever the PPD was
    // marked with before and whether or not this panel was shown since.
    SetControlValueToDefault();
    const int32_t index = zqpde::ItemIndexOf(GetValue());
    if (index >= 0 && static_cast<size_t>(index) < ctrlPPDInfoArrayRef.size() &&
        MarkDiffers(ctrlParentPanelPtr, kPPDMainKey, ctrlPPDInfoArrayRef[static_cast<size_t>(index)][1]))
        valueDidChange = true;
}

bool PFBasePPDPopupListExtARK::SetValueToTicket(zqp::PrintSettings*, bool) {
    if (GetControlBlkPtr() == nullptr || ctrlParentPanelPtr == nullptr || ctrlPPDInfoArrayRef.empty()) return false;
    HoldDefaultWhileRuled();
    const int32_t v = GetValue();
    if (!valueDidChange || v < 1 || static_cast<size_t>(v) > m_paPPDChoices.size()) return false;
    if (!AskHost(ctrlParentPanelPtr, kPPDMainKey, m_paPPDChoices[static_cast<size_t>(v - 1)].ppdTitle())) return false;
    valueDidChange = false;
    return true;
}

int32_t PFListARK::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) {
    if (int32_t status = PPDPopupControlExt::UpdateConflictsPanelControlFromPPD(ppd); status != 0) return status;
    SetConflicted(false);
    zqp::PopUpButton* p = PopUp();
    if (p != nullptr && ppd != nullptr) {
        const SpecialPagePapers papers = ReadPapers(ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetCurrentPMPrintSettings() : nullptr);
        const std::string keyword = zqpde::FixPPDKeywordAccordingToType(ppd, kPPDMainKey.c_str());
        for (int i = 0; i < p->numberOfItems(); ++i) {
            zqp::MenuItem* item = p->itemAtIndex(i);
            if (item == nullptr || !item->enabled) continue;
            const std::string& choice = item->representedObject;
            bool disable = PaperConflict(ctrlParentPanelPtr, ppd, keyword + ":" + choice, papers);
            if (papers.interposer)
                for (const InterposerConstraint& rule : Tray8InterposerConstrainInfo)
                    if (zqpde::FixPPDKeywordAccordingToType(ppd, rule.keyword) == keyword && choice == rule.choice) {
                        disable = true;
                        break;
                    }
            if (disable) item->enabled = false;
        }
    }
    if (IsDisabledByState(kPPDMainKey, Cross())) SetConflicted(true);
    return 0;
}

bool PFListARK::GetValueToPreset() {
    if (!PPDPopupControlExt::GetValueToPreset()) return false;
    if (RestoreRulesFor(kPPDMainKey, Cross()).any()) SetControlValueToDefault();
    return true;
}

bool PFListARK::SetValueFromUIToControl() {
    // While held at the default the control is disabled: what the screen
    // still shows is a choice from before the state began, not the user's.
    if (RestoreRulesFor(kPPDMainKey, Cross()).any()) return SetControlValueToDefault();
    return PPDPopupControlExt::SetValueFromUIToControl();
}

int32_t PFListARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (dictionary == nullptr || order == nullptr || ctrlPPDInfoArrayRef.empty() || titleTextRef.empty() ||
        GetControlBlkPtr() == nullptr)
        return 0;
    const int32_t value = RestoreRulesFor(kPPDMainKey, Cross()).any() ? defaultValue_ : GetValue();
    const int32_t index = zqpde::ItemIndexOf(value);
    if (index < 0 || static_cast<size_t>(index) >= ctrlPPDInfoArrayRef.size()) return 0;
    (*dictionary)[titleTextRef] = ctrlPPDInfoArrayRef[static_cast<size_t>(index)][2];
    order->push_back(titleTextRef);
    return 0;
}

bool PFOwnKeyListARK::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr) return false;
    // The key tells the held default too, as the mark does.
    HoldDefaultWhileRuled();
    // The framework's writer: "%d", escaped where needed, empty when asked.
    if (!BaseSetValueToTicket(settings, lock)) return false;
    return PFListARK::SetValueToTicket(settings, lock);
}

bool PFCoverListARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    const bool ok = PFListARK::InitializeCtrl(bundle, ppd);
    if (ControlPtr != nullptr) ControlPtr->setTag(controlTag);
    return ok;
}

int32_t PFCoverListARK::DoControlConstrain() {
    if (controlTag != tags::kTonerSaverList) return PFListARK::DoControlConstrain();
    zqp::PopUpButton* p = PopUp();
    const int32_t selected = p != nullptr ? p->indexOfSelectedItem() : -1;
    if (char* ui = GetValueFromUIDataBlk(); ui != nullptr && selected + 1 != BlockInt(ui)) SetBlockInt(ui, selected + 1);
    // A state, not a count: the field follows the list however often the
    // list is shown or changed.
    static const int32_t kRateTag = tags::kTonerRateField;
    if (ctrlParentPanelPtr != nullptr)
        if (auto* rate = dynamic_cast<PPDTextEditControlExt*>(ctrlParentPanelPtr->GetPanelControl(&kRateTag)))
            rate->SetRuleDisabled(selected != 1);
    return 0;
}

bool PFListExtARK::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    if (PFCoverListARK::SetValueToTicket(settings, lock)) return BaseSetValueToTicket(settings, lock);
    if (valueDidChange || !OwnKeyIsStale(*this, settings, ctrlDataAccessInfoPtr, kListOff)) return false;
    return BaseSetValueToTicket(settings, lock);
}

bool PFListExtARK::UIEventHandler() {
    zqp::PopUpButton* p = PopUp();
    const int32_t selected = p != nullptr ? p->indexOfSelectedItem() + 1 : 0;
    ppd_file_t* ppd = ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetCurrentPPD() : nullptr;
    if (selected != BlockInt(GetValueFromUIDataBlk()) && selected > 1 && ppd != nullptr) {
        if (SetPPD(ppd)) {
            ctrlParentPanelPtr->UpdateConflictsPanelControlFromPPD(ppd);
            valueDidChange = true;
            if (FeaturesPanelState* f = Features())
                if (auto* w = dynamic_cast<zqpde::PopupWinInPanel*>(f->GetFeatureWindow(FeatureWindow::kSeparator)))
                    w->ActivateWindow();
        } else if (p != nullptr) {
            p->selectItemAtIndex(std::max(BlockInt(GetValueFromUIDataBlk()) - 1, 0));
        }
    }
    // The first item marks nothing and opens nothing; the lists follow.
    return zqpde::PopupControl::UIEventHandler();
}

bool PFCoverTypeListARK::isDisabledAndRestoreDefault() {
    if (ctrlBringConsArray == nullptr || ctrlParentPanelPtr == nullptr) return true;
    for (const int32_t* const* tag = ctrlBringConsArray; *tag != nullptr; ++tag) {
        auto* list = dynamic_cast<PPDPopupControl*>(ctrlParentPanelPtr->GetPanelControl(*tag));
        if (list == nullptr || list->GetControlPtr() == nullptr) continue;
        auto* view = dynamic_cast<zqp::PopUpButton*>(list->GetControlPtr());
        const int32_t msi = list->GetSFStringArrayIndex("MSI");
        if (view != nullptr && msi >= 0 && view->indexOfSelectedItem() == msi) return false;
    }
    return true;
}

int32_t PFCoverTypeListARK::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) {
    // The rules of every features list first: the special pages' papers,
    // the interposer and the other panels' states.
    if (int32_t status = PFListARK::UpdateConflictsPanelControlFromPPD(ppd); status != 0) return status;
    if (isDisabledAndRestoreDefault()) {
        SetDefaultValueToUI();
        SetConflicted(true);
    }
    // Otherwise the list is as those rules left it: usable, or disabled
    // while mailbox print holds it at its default.
    return 0;
}

bool PFCoverTypeListARK::GetValueToPreset() {
    if (ctrlParentPanelPtr == nullptr) return false;
    if (getPPDOptions() != nullptr) {
        ppd_file_t* ppd = ctrlParentPanelPtr->GetCurrentPPD();
        const int index = zqpde::GetIndexOfMarkedOptionWithKey(getPPDOptions(), ppd, kPPDMainKey.c_str());
        if (index < 0 || static_cast<size_t>(index) >= ctrlPPDInfoArrayRef.size()) return false;
        if (ctrlPPDInfoArrayRef[static_cast<size_t>(index)][3] == kConflictTrue) return true;
        if (static_cast<size_t>(index) >= m_paPPDChoices.size() ||
            !AskHost(ctrlParentPanelPtr, kPPDMainKey, m_paPPDChoices[static_cast<size_t>(index)].ppdTitle()))
            return false;
        ConvertFromPresetIndex(index);
    }
    if (Cross().mailbox) SetControlValueToDefault();
    return true;
}

// ---- check boxes ---------------------------------------------------------------

PPDCheckBoxExt::PPDCheckBoxExt(const char* ppdKey, const zqpde::CheckBoxIniData* iniData,
                               const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                               const SlotPlace& place)
    : PPDCheckBox(nullptr, ppdKey, iniData, constrain, accessInfo, nullptr) {
    auto box = std::make_unique<zqp::Button>(zqp::ButtonType::kCheck);
    box->setFrame(SlotFrame(pfCtrlPositionData.titleHoffset, kCheckBoxWidth, place.slot));
    box->setIdentifier(ppdKey != nullptr ? ppdKey : "");
    SetControlPtr(AddToBox(place.parentGroupBox, std::move(box)));
    indexInPanel = place.slot;
    parentGroupBox = place.parentGroupBox;
    SetCtrlInWhichGroup(place.group);
}

bool PPDCheckBoxExt::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    PPDCheckBox::InitializeCtrl(bundle, ppd);
    if (GetControlBlkPtr() == nullptr) AllocateBlocks(zqpde::kNumberBlockSize);
    if (zqp::Button* b = ButtonView()) b->setState(defaultValue_);
    return true;
}

FeaturesPanelState* PPDCheckBoxExt::Features() const { return StateOf(ctrlParentPanelPtr); }
CrossPanelState PPDCheckBoxExt::Cross() const {
    FeaturesPanelState* f = Features();
    return f != nullptr ? f->CrossState() : CrossPanelState{};
}

bool PPDCheckBoxExt::RefreshChoiceConflicts(ppd_file_t* ppd) {
    zqpde::ConstraintHash* hash = ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->Geteppd() : nullptr;
    if (ppd == nullptr || hash == nullptr || kPPDMainKey.empty()) return false;
    ctrlPPDInfoArrayRef.clear();
    zqpde::InitializeValueFromPPD(ppd, *hash, &ctrlPPDInfoArrayRef, kPPDMainKey.c_str());
    return LastChoiceConflicted(ctrlPPDInfoArrayRef);
}

int32_t PPDCheckBoxExt::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) {
    if (ctrlPPDInfoArrayRef.empty()) return 0;
    SetConflicted(RefreshChoiceConflicts(ppd));
    return 0;
}

int32_t PPDCheckBoxExt::Open() {
    ppd_file_t* ppd = ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetCurrentPPD() : nullptr;
    if (ppd == nullptr) return 0;
    UpdateConflictsPanelControlFromPPD(ppd);
    GetValueToPreset();
    SetControlValueToUI();
    SimulationUIEventHandler();
    return 0;
}

bool PPDCheckBoxExt::SetControlValueToDefault() {
    if (GetControlBlkPtr() == nullptr || GetDefaultDataSize() == 0) return true;
    SetBlockInt(GetControlBlkPtr(), defaultValue_);
    return true;
}

void PPDCheckBoxExt::Apply() {
    if (ControlPtr != nullptr) ControlPtr->setEnabled(ctrlConstrainCount <= 0 && !conflicted_);
}
void PPDCheckBoxExt::Disable() {
    ++ctrlConstrainCount;
    Apply();
}
void PPDCheckBoxExt::Enable() {
    --ctrlConstrainCount;
    Apply();
}
void PPDCheckBoxExt::ResetStatus() {
    ctrlConstrainCount = 0;
    ctrlHideCount = 0;
    SetConflicted(false);
}
void PPDCheckBoxExt::SetConflicted(bool on) {
    conflicted_ = on;
    Apply();
}

int32_t PFCheckBoxARK::DoControlConstrain() {
    const int32_t status = PPDCheckBoxExt::DoControlConstrain();
    if (char* ui = GetValueFromUIDataBlk()) SetBlockInt(ui, ViewState());
    return status;
}

int32_t PFCheckBoxARK::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) {
    if (ctrlPPDInfoArrayRef.empty()) return 0;
    bool conflicted = RefreshChoiceConflicts(ppd);
    if (!conflicted && ctrlParentPanelPtr != nullptr) {
        const SpecialPagePapers papers = ReadPapers(ctrlParentPanelPtr->GetCurrentPMPrintSettings());
        const std::string key = zqpde::FixPPDKeywordAccordingToType(ppd, kPPDMainKey.c_str()) + ":True";
        conflicted = PaperConflict(ctrlParentPanelPtr, ppd, key, papers);
    }
    SetConflicted(conflicted || IsDisabledByState(kPPDMainKey, Cross()));
    return 0;
}

bool PFCheckBoxARK::GetValueToPreset() {
    if (!PPDCheckBoxExt::GetValueToPreset()) return false;
    if (RestoreRulesFor(kPPDMainKey, Cross()).any()) SetControlValueToDefault();
    return true;
}

bool PFCheckBoxARK::SetValueFromUIToControl() {
    if (RestoreRulesFor(kPPDMainKey, Cross()).any()) return SetControlValueToDefault();
    return PPDCheckBoxExt::SetValueFromUIToControl();
}

int32_t PFCheckBoxARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (dictionary == nullptr || order == nullptr || GetControlBlkPtr() == nullptr || titleTextRef.empty()) return 0;
    const int32_t value = RestoreRulesFor(kPPDMainKey, Cross()).any() ? defaultValue_ : GetValue();
    const int32_t index = ChoiceIndexForState(value);
    if (index < 0) return 0;
    // The summary field holds 23 bytes; a character is never split.
    (*dictionary)[titleTextRef] =
        std::string(zqp::Utf8Prefix(ctrlPPDInfoArrayRef[static_cast<size_t>(index)][2], zqpde::kPPDSummaryMaxBytes));
    order->push_back(titleTextRef);
    return 0;
}

bool PFCheckBoxARK::SetValueToTicket(zqp::PrintSettings*, bool) {
    if (GetControlBlkPtr() != nullptr && RestoreRulesFor(kPPDMainKey, Cross()).any()) {
        // Held at the default, as the pop-ups are.
        SetControlValueToDefault();
        const int32_t held = ChoiceIndexForState(GetValue());
        if (held >= 0 && MarkDiffers(ctrlParentPanelPtr, kPPDMainKey, ctrlPPDInfoArrayRef[static_cast<size_t>(held)][1]))
            valueDidChange = true;
    }
    if (!valueDidChange || GetControlBlkPtr() == nullptr || ctrlParentPanelPtr == nullptr) return false;
    const int32_t index = ChoiceIndexForState(GetValue());
    if (index < 0 || static_cast<size_t>(index) >= m_paPPDChoices.size()) return false;
    if (!AskHost(ctrlParentPanelPtr, kPPDMainKey, m_paPPDChoices[static_cast<size_t>(index)].ppdTitle())) return false;
    valueDidChange = false;
    return true;
}

bool PFCheckBoxExtARK::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    if (PFCheckBoxARK::SetValueToTicket(settings, lock)) return BaseSetValueToTicket(settings, lock);
    // Nothing to mark: the PPD already holds what the switch shows, and so
    // must its key, also when the ticket still carries an earlier job's.
    if (valueDidChange || !OwnKeyIsStale(*this, settings, ctrlDataAccessInfoPtr, kSwitchOff)) return false;
    return BaseSetValueToTicket(settings, lock);
}

PFNonPPDCheckBoxARK::PFNonPPDCheckBoxARK(const zqpde::CheckBoxIniData* iniData, const zqpde::ConstrainInfo* constrain,
                                         const zqpde::AccessInfo* accessInfo, const SlotPlace& place, int32_t tag)
    : PFSwitchCheckBoxARK(nullptr, iniData, constrain, accessInfo, nullptr) {
    auto box = std::make_unique<zqp::Button>(zqp::ButtonType::kCheck);
    box->setFrame(SlotFrame(pfCtrlPositionData.titleHoffset, kCheckBoxWidth, place.slot));
    box->setTag(tag);
    SetControlPtr(AddToBox(place.parentGroupBox, std::move(box)));
    SetCtrlInWhichGroup(place.group);
}

int32_t PFNonPPDCheckBoxARK::DoControlConstrain() {
    const int32_t status = CheckBox::DoControlConstrain();
    if (char* ui = GetValueFromUIDataBlk()) SetBlockInt(ui, ViewState());
    return status;
}

bool PFSwitchCheckBoxARK::GetValueToPreset() {
    const std::optional<int32_t> value = ReadTicketInteger(0, 1);
    if (!value) return false;
    SetBlockInt(GetControlBlkPtr(), *value);
    SetControlValueToUI();
    return true;
}

int32_t PFSwitchCheckBoxARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    zqp::Bundle* bundle = PanelBundle();
    if (!ToGetSummaryText() || dictionary == nullptr || order == nullptr || bundle == nullptr ||
        checkboxctrlIniDataPtr == nullptr || checkboxctrlIniDataPtr->titleKey == nullptr)
        return 0;
    const std::string title = Localized(bundle, checkboxctrlIniDataPtr->titleKey);
    (*dictionary)[title] = Localized(bundle, GetValue() == 1 ? "On" : "Off");
    order->push_back(title);
    return 0;
}

bool PFNonPPDCheckBoxARK::ToGetSummaryText() { return ctrlConstrainCount <= 0 && ctrlHideCount <= 0; }

bool PFNonPPDCheckBoxARK::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
    if (ctrlConstrainCount > 0 && GetControlBlkPtr() != nullptr) SetBlockInt(GetControlBlkPtr(), 0);
    return CheckBox::SetValueToTicket(settings, lock);
}

// ---- text field ----------------------------------------------------------------

void PPDTextEditControlExt::CreateControl(const char* ppdKey, const zqpde::TextEditIniData* iniData,
                                          const zqpde::TextEditFilterData* filterData, int32_t ctrlTotalLength,
                                          int32_t titleCtrlLength, PPDStaticTextCtrlExt* titleCtrl,
                                          const SlotPlace& place, int32_t tag) {
    auto field = std::make_unique<zqp::TextField>();
    field->setFrame(
        SlotFrame(titleCtrlLength + pfCtrlPositionData.titleHoffset, ctrlTotalLength - titleCtrlLength, place.slot));
    field->setTag(tag);
    field->setIdentifier(ppdKey != nullptr ? ppdKey : "");
    zqp::TextField* view = AddToBox(place.parentGroupBox, std::move(field));
    static const zqp::PrefUser kCurrentUser = zqp::PrefUser::kCurrentUser;
    TextEditCtrl::CreateControl(view, iniData, nullptr, nullptr, &kCurrentUser, filterData);
    kPPDMainKey = ppdKey != nullptr ? ppdKey : "";
    titleTextPtr = titleCtrl;
    SetCtrlInWhichGroup(place.group);
}

bool PPDTextEditControlExt::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    TextEditCtrl::InitializeCtrl(bundle, ppd);
    zqpde::ConstraintHash* hash = ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->Geteppd() : nullptr;
    ctrlPPDInfoArrayRef.clear();
    if (ppd != nullptr && hash != nullptr) zqpde::InitializeValueFromPPD(ppd, *hash, &ctrlPPDInfoArrayRef, kPPDMainKey.c_str());
    // The field starts with its own initial text; the PPD's default choice
    // of a text option is a keyword, not a value to show.
    defaultText_ = textEditIniDataPtr != nullptr && textEditIniDataPtr->defaultData != nullptr
                       ? std::string(zqp::Utf8Prefix(textEditIniDataPtr->defaultData, zqpde::kControlTextMaxBytes))
                       : std::string();
    if (zqp::TextField* f = Field()) f->setStringValue(defaultText_);
    setPPDOptions(ppd != nullptr ? ppdFindOption(ppd, kPPDMainKey.c_str()) : nullptr);
    setPPDChoices(zqpde::ArrayFromPPDOption(getPPDOptions()));
    return true;
}

int32_t PPDTextEditControlExt::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) {
    zqpde::ConstraintHash* hash = ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->Geteppd() : nullptr;
    if (ppd == nullptr || hash == nullptr) return 0;
    ctrlPPDInfoArrayRef.clear();
    zqpde::InitializeValueFromPPD(ppd, *hash, &ctrlPPDInfoArrayRef, kPPDMainKey.c_str());
    conflicted_ = LastChoiceConflicted(ctrlPPDInfoArrayRef);
    Apply();
    return 0;
}

char* PPDTextEditControlExt::GetValueFromUI() {
    zqp::TextField* f = Field();
    if (f != nullptr && GetValueFromUIDataBlk() != nullptr) {
        const std::string text(zqp::Utf8Prefix(f->stringValue(), zqpde::kControlTextMaxBytes));
        std::fill(ctrlUIDataBlkPtr.begin(), ctrlUIDataBlkPtr.end(), 0);
        std::copy(text.begin(), text.end(), ctrlUIDataBlkPtr.begin());
        ctrlDataSize = static_cast<int32_t>(zqpde::GetStringLength(text));
    }
    return GetValueFromUIDataBlk();
}

bool PPDTextEditControlExt::SetControlValueToUI() {
    if (zqp::TextField* f = Field()) f->setStringValue(GetControlBlkPtr() != nullptr ? GetControlBlkPtr() : "");
    return true;
}

bool PPDTextEditControlExt::ToValidate() {
    return ControlPtr != nullptr && !ControlPtr->isHidden() && ControlPtr->isEnabled() &&
           GetValueFromUIDataBlk() != nullptr;
}

bool PPDTextEditControlExt::InvalidateData() {
    if (textEditIniDataPtr == nullptr || !ToValidate()) return true;
    GetValueFromUI();
    const std::string text = GetValueFromUIDataBlk();
    const auto width = static_cast<uint32_t>(zqpde::GetStringLength(text));
    if (text.empty() || width < textEditIniDataPtr->minLength || width > textEditIniDataPtr->maxLength) return false;
    return textEditFilterDataPtr == nullptr || zqpde::validateInput(text, textEditFilterDataPtr);
}

bool PPDTextEditControlExt::GetValueToPreset() {
    // The field has no ticket key: the rate typed earlier is the value the
    // PPD holds for the custom choice, so a restore does not lose it.
    ppd_file_t* ppd = ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetCurrentPPD() : nullptr;
    if (ppd == nullptr || GetControlBlkPtr() == nullptr) return false;
    const std::string marked = zqp::MarkedChoice(ppd, kPPDMainKey);
    constexpr std::string_view kCustom = "Custom.";
    if (marked.size() <= kCustom.size() || marked.compare(0, kCustom.size(), kCustom) != 0) return false;
    const std::string text(zqp::Utf8Prefix(std::string_view(marked).substr(kCustom.size()), zqpde::kControlTextMaxBytes));
    std::fill(ctrlDataBlkPtr.begin(), ctrlDataBlkPtr.end(), 0);
    std::copy(text.begin(), text.end(), ctrlDataBlkPtr.begin());
    ctrlDataSize = static_cast<int32_t>(zqpde::GetStringLength(text));
    return true;
}

bool PPDTextEditControlExt::SetValueToPreference() {
    return ControlPtr != nullptr && ControlPtr->isHidden() ? true : TextEditCtrl::SetValueToPreference();
}

bool PPDTextEditControlExt::SetControlValueToDefault() {
    if (GetControlBlkPtr() == nullptr) return true;
    return TextEditCtrl::SetControlValueToDefault();
}

bool PPDTextEditControlExt::SetValueFromUIToControl() {
    TextEditCtrl::SetValueFromUIToControl();
    return RestorePPD(ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetCurrentPPD() : nullptr);
}

bool PPDTextEditControlExt::RestorePPD(ppd_file_t* ppd) {
    if (ppd == nullptr || kPPDMainKey.empty()) return false;
    const std::string text = GetControlBlkPtr() != nullptr ? std::string(GetControlBlkPtr()) : std::string();
    if (text.empty()) return true;
    return PPDMarkOptionByIndex(ppd, text);
}

bool PPDTextEditControlExt::PPDMarkOptionByIndex(ppd_file_t* ppd, const std::string& text) {
    if (ppd == nullptr || ctrlPPDInfoArrayRef.empty()) return true;
    return AskHost(ctrlParentPanelPtr, kPPDMainKey, "Custom." + text);
}

void PPDTextEditControlExt::Apply() {
    if (ControlPtr != nullptr) ControlPtr->setEnabled(ctrlConstrainCount <= 0 && !conflicted_ && !ruleDisabled_);
}
void PPDTextEditControlExt::Disable() {
    ++ctrlConstrainCount;
    Apply();
}
void PPDTextEditControlExt::Enable() {
    --ctrlConstrainCount;
    Apply();
}
void PPDTextEditControlExt::ResetStatus() {
    ctrlConstrainCount = 0;
    ctrlHideCount = 0;
    conflicted_ = false;
    Apply();
}
void PPDTextEditControlExt::SetRuleDisabled(bool on) {
    ruleDisabled_ = on;
    Apply();
    if (titleTextPtr != nullptr) titleTextPtr->SetConflicted(on || conflicted_);
}

// ---- group selector and buttons -----------------------------------------------

bool PFGroupListARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) { return PopupControl::InitializeCtrl(bundle, ppd); }

bool PFGroupListARK::InitializeMenu(zqp::Bundle*, ppd_file_t*) {
    zqp::PopUpButton* p = PopUp();
    if (p == nullptr || ctrlParentPanelPtr == nullptr) return false;
    p->removeAllItems();
    if (const std::vector<std::string>* titles = ctrlParentPanelPtr->getGroupNameStrArrayRef())
        for (const std::string& t : *titles) p->addItemWithTitle(t, t);
    p->selectItemAtIndex(0);
    return true;
}

bool PFGroupListARK::GetValueToPreset() {
    zqp::PopUpButton* p = PopUp();
    if (GetControlBlkPtr() == nullptr || p == nullptr) return false;
    SetBlockInt(GetControlBlkPtr(), std::max(p->indexOfSelectedItem() + 1, 1));
    return true;
}

int32_t PFGroupListARK::DoControlHideConstrain() {
    zqp::PopUpButton* p = PopUp();
    if (p == nullptr || ctrlParentPanelPtr == nullptr) return 0;
    const int32_t s = p->indexOfSelectedItem();
    if (zqpde::BasePrintPanel::ControlList* controls = ctrlParentPanelPtr->getCtrlGroupArrayRef())
        for (auto& c : *controls) {
            if (!c) continue;
            if (c->GetCtrlInWhichGroup() == s)
                c->PPDCtrlShow();
            else
                c->PPDCtrlHide();
        }
    return 0;
}

PFSetupButtonARK::PFSetupButtonARK(zqp::View* button, const char* titleKey, const SlotPlace& place,
                                   FeatureWindow window)
    : window_(window) {
    BaseButton::CreateControl(button, titleKey);
    ControlBounds = SlotFrame(kButtonHoffset + pfCtrlPositionData.titleHoffset, kButtonCtrlWidth, place.slot);
    SetCtrlInWhichGroup(place.group);
}

bool PFSetupButtonARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    if (ControlPtr != nullptr) ControlPtr->setFrame(ControlBounds);
    return BaseButton::InitializeCtrl(bundle, ppd);
}

bool PFSetupButtonARK::UIEventHandler() {
    FeaturesPanelState* f = StateOf(ctrlParentPanelPtr);
    if (f == nullptr) return false;
    if (auto* w = dynamic_cast<zqpde::PopupWinInPanel*>(f->GetFeatureWindow(window_))) w->ActivateWindow();
    return true;
}

// ---- buttons and check box of the feature windows ------------------------------

namespace {
zqpde::PopupWinInPanel* WindowOf(zqpde::BaseControl& c) {
    return dynamic_cast<zqpde::PopupWinInPanel*>(c.GetParentPanel());
}

}  // namespace

bool PFWndOKButtonARK::UIEventHandler() {
    zqpde::PopupWinInPanel* window = WindowOf(*this);
    if (window == nullptr) return false;
    window->SycValueFromUI();
    for (auto& c : *window->getCtrlGroupArrayRef())
        if (c && !c->InvalidateData()) return false;  // the window stays open
    window->SetValueFromUIToControl();
    window->DeactivateWindow();
    return true;
}

void PFWndCancelButtonARK::CreateControl(zqp::View* view, const char* titleKey,
                                         const int32_t* const* cancelDefaultArray) {
    BaseButton::CreateControl(view, titleKey);
    if (cancelDefaultArray != nullptr) CancelDefaultArray = cancelDefaultArray;
}

bool PFWndCancelButtonARK::UIEventHandler() {
    zqpde::PopupWinInPanel* window = WindowOf(*this);
    if (window == nullptr) return false;
    bool passed = true;
    for (auto& c : *window->getCtrlGroupArrayRef()) {
        if (!c) continue;
        if (!c->PreInvalidateDataOnCancel() || !c->InvalidateDataOnCancel()) {
            setCancelDefaultValueToUI();
            passed = false;
            break;
        }
    }
    // The summary reads the window's fields: they show the committed values.
    window->CancelWindow();
    return passed;
}

void PFWndCancelButtonARK::setCancelDefaultValueToUI() {
    zqpde::PopupWinInPanel* window = WindowOf(*this);
    zqpde::BasePrintPanel* panel = window != nullptr ? window->GetParentWnd() : nullptr;
    if (CancelDefaultArray == nullptr || panel == nullptr) return;
    for (const int32_t* const* tag = CancelDefaultArray; *tag != nullptr; ++tag) {
        zqpde::BaseControl* c = panel->GetPanelControl(*tag);
        if (c == nullptr) continue;
        if (!c->SetDefaultValueToUI()) return;
        c->SimulationUIEventHandler();
    }
}

bool PFWndRestoreDefaultButtonARK::UIEventHandler() {
    if (zqpde::PopupWinInPanel* window = WindowOf(*this)) window->SetDefaultValueToUI();
    return true;
}

void PHelpButtonARK::CreateControl(zqp::View* view, const char* helpName) {
    BaseButton::CreateControl(view, nullptr);
    if (!named_ && helpName != nullptr) {
        helpfilename = helpName;
        named_ = true;
    }
}

bool PHelpButtonARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    BaseButton::InitializeCtrl(bundle, ppd);
    const zqp::Bundle* own = zqpde::pluginBundle != nullptr ? zqpde::pluginBundle : bundle;
    if (own == nullptr || helpfilename.empty()) return true;
    std::string base = helpfilename;
    if (base.size() > 4 && base.compare(base.size() - 4, 4, ".htm") == 0) base.resize(base.size() - 4);
    if (own->pathForResource(base, "htm", "Help")) return true;
    if (ppd_attr_t* layout = ppd != nullptr ? zqpde::ppdFindAttr_ALT(ppd, kZQLayoutSettings, nullptr) : nullptr)
        if (std::optional<std::string> suffix = SettingPart(layout->value, 1))
            helpfilename = base + "_" + *suffix + ".htm";
    return true;
}

bool PHelpButtonARK::UIEventHandler() {
    zqpde::GotoHelpPage(zqpde::pluginBundle, helpfilename, "", "Help Viewer Title for Features");
    return true;
}

bool PFStaticCheckBoxARK::ToGetSummaryText() {
    zqpde::PopupWinInPanel* window = WindowOf(*this);
    FeaturesPanelState* panel = window != nullptr ? StateOf(window->GetParentWnd()) : nullptr;
    return panel != nullptr && panel->IsBookletMarginShift();
}

}  // namespace zqfeat
