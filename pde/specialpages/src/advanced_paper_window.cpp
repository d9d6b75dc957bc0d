#include "advanced_paper_window.h"

#include <zqp/bundle.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "paper_choice.h"
#include "paper_popup.h"
#include "window_controls.h"
#include "zqpde/ppd_util.h"

namespace zqsp {

namespace {

constexpr const char* kNoChange = "No Change Option String";
constexpr const char* kColorKey = "ZQMediaColor";

// The choice to assume for an option that may have nothing marked.
std::string AssumedChoice(ppd_file_t* ppd, const std::string& keyword) {
    if (keyword == "PageRegion") return zqpde::GetUIDefaultFromPPD(ppd, "PageRegion").value_or("NULL");
    if (keyword == "ManualFeed") return "NULL";
    if (keyword == "Collate") return "True";
    // Not in the table: nothing is assumed, so nothing is tested against it.
    return "NULL";
}

int32_t FieldInt(const SPRecord& r, const char* key) {
    auto it = r.find(key);
    return it != r.end() ? std::atoi(it->second.c_str()) : -1;
}

}  // namespace

bool SPTwoSidePrintListCtrlARK::SetControlValueToUI() {
    if (auto* popup = dynamic_cast<zqp::PopUpButton*>(ControlPtr))
        if (zqp::MenuItem* noChange = popup->itemAtIndex(0)) noChange->hidden = twoSideStatus != 1;
    return SPDuplexListCtrlARK::SetControlValueToUI();
}

std::vector<std::string> PPDOptionKeywords(ppd_file_t* ppd) {
    std::vector<std::string> keywords;
    if (ppd == nullptr) return keywords;
    for (int g = 0; g < ppd->num_groups; ++g)
        for (int o = 0; o < ppd->groups[g].num_options; ++o) keywords.emplace_back(ppd->groups[g].options[o].keyword);
    return keywords;
}

// ---- pop-ups ------------------------------------------------------------------

void SPAdvSelePaperListARK::CreateControl(zqp::View* view, const char* ppdKey, const zqpde::ConstrainInfo* constrain) {
    zqpde::PopupControl::CreateControl(view, nullptr, constrain, nullptr, nullptr);
    m_KPPDKey = ppdKey != nullptr ? ppdKey : "";
}

SPAdvSeleWndARK* SPAdvSelePaperListARK::Window() const { return dynamic_cast<SPAdvSeleWndARK*>(ctrlParentPanelPtr); }

bool SPAdvSelePaperListARK::InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) {
    zqp::PopUpButton* popup = PopUp();
    if (popup == nullptr) return false;
    // The PPD's default choice, for every kind alike (so the defaults button
    // restores the PPD's own type).
    m_defaultIdx = std::max(zqpde::GetUIDefaultValueFromPPD(ppd, m_KPPDKey.c_str()), 0);
    popup->removeAllItems();
    TabStockIndexArray.clear();
    CustomSizeIndexArray.clear();
    m_iTypeTransparencyIndex = m_iColorClearIndex = -1;
    ppd_option_t* option = ppd != nullptr ? ppdFindOption(ppd, m_KPPDKey.c_str()) : nullptr;
    if (option == nullptr || option->num_choices <= 0) return true;
    popup->addItemWithTitle(Localized(bundle, kNoChange), kNoChange);
    const bool isSize = m_KPPDKey == "PageSize", isType = m_KPPDKey == "MediaType", isColor = m_KPPDKey == kColorKey;
    for (int i = 0; i < option->num_choices; ++i) {
        const ppd_choice_t& c = option->choices[i];
        const bool last = i == option->num_choices - 1;
        popup->addItemWithTitle(isSize && last ? Localized(bundle, "Custom Size Text") : std::string(c.text),
                                c.choice);
        const int32_t item = i + 1;
        if (isType && std::strcmp(c.choice, "Transparency") == 0) m_iTypeTransparencyIndex = item;
        if (isType && std::strncmp(c.choice, "TabbedPaper", 11) == 0) TabStockIndexArray.push_back(item);
        if (isColor && std::strcmp(c.choice, "Clear") == 0) m_iColorClearIndex = item;
    }
    if (isSize)
        for (int i = option->num_choices - 1; i >= 0; --i)
            if (std::strcmp(option->choices[i].choice, "Custom") == 0) {
                CustomSizeIndexArray.push_back(i);
                break;
            }
    // The first paper type is never offered.
    if (isType)
        if (zqp::MenuItem* first = popup->itemAtIndex(1)) first->hidden = true;
    if (SPAdvSeleWndARK* w = Window()) w->updateSelectionArray();
    return true;
}

int32_t SPAdvSelePaperListARK::ItemCount() const {
    zqp::PopUpButton* popup = PopUp();
    return popup != nullptr ? popup->numberOfItems() : 0;
}

int32_t SPAdvSelePaperListARK::GetPopupSelection() const {
    zqp::PopUpButton* popup = PopUp();
    return popup != nullptr ? popup->indexOfSelectedItem() : -1;
}

void SPAdvSelePaperListARK::SelectItem(int32_t item) {
    if (zqp::PopUpButton* popup = PopUp()) popup->selectItemAtIndex(item);
    const int32_t value = item + 1;
    if (!ctrlDataBlkPtr.empty()) SetBlockInt(ctrlDataBlkPtr.data(), value);
    if (!ctrlUIDataBlkPtr.empty()) SetBlockInt(ctrlUIDataBlkPtr.data(), value);
}

std::string SPAdvSelePaperListARK::getSelectedMenuItem() const {
    const int32_t item = GetPopupSelection();
    if (item == 0) return kNoChange;
    return getSelectedMenuItem(item - 1);
}

std::string SPAdvSelePaperListARK::getSelectedMenuItem(int32_t choiceIndex) const {
    zqp::PopUpButton* popup = PopUp();
    zqp::MenuItem* item = popup != nullptr ? popup->itemAtIndex(choiceIndex + 1) : nullptr;
    return item != nullptr ? item->representedObject : std::string();
}

std::string SPAdvSelePaperListARK::getSelectedMenuItemTitle(int32_t item) const {
    zqp::PopUpButton* popup = PopUp();
    zqp::MenuItem* it = item > 0 && popup != nullptr ? popup->itemAtIndex(item) : nullptr;
    return it != nullptr ? it->title : std::string();
}

bool SPAdvSelePaperListARK::doTabStockSetCheckByIndex(int32_t item) const {
    return item >= 0 && std::find(TabStockIndexArray.begin(), TabStockIndexArray.end(), item) != TabStockIndexArray.end();
}

bool SPAdvSelePaperListARK::doCustomSizeSetCheckByIndex(int32_t choiceIndex) const {
    return choiceIndex >= 0 &&
           std::find(CustomSizeIndexArray.begin(), CustomSizeIndexArray.end(), choiceIndex) != CustomSizeIndexArray.end();
}

void SPAdvSelePaperListARK::EnableItem(int32_t item, bool enabled) {
    zqp::PopUpButton* popup = PopUp();
    if (zqp::MenuItem* it = popup != nullptr ? popup->itemAtIndex(item) : nullptr) it->enabled = enabled;
}

bool SPAdvSelePaperListARK::SetControlValueToUI() {
    SPAdvSeleWndARK* w = Window();
    zqp::PopUpButton* popup = PopUp();
    if (popup == nullptr) return true;
    if (zqp::MenuItem* noChange = popup->itemAtIndex(0)) noChange->hidden = !(w != nullptr && w->AnyKindMixed());
    SelectItem(std::max(GetValue() - 1, 0));
    return true;
}

bool SPAdvSelePaperListARK::SetDefaultValueToUI() {
    if (ItemCount() == 0) return true;
    if (m_KPPDKey == "PageSize" && ControlPtr != nullptr && !ControlPtr->isEnabled()) return true;
    SelectItem(m_defaultIdx + 1);
    return true;
}

void SPAdvSelePaperListARK::RequestControlAction(zqp::View*) {
    SPAdvSeleWndARK* w = Window();
    if (w == nullptr) return;
    const int32_t item = GetPopupSelection();
    if (m_KPPDKey == "PageSize" && item > 0 && doCustomSizeSetCheckByIndex(item - 1) && w->customSizeWindow != nullptr &&
        w->GetSubMenuList() != nullptr) {
        w->customSizeWindow->SetSubMenuList(w->CustomSizeToEdit());
        w->customSizeWindow->ActivateWindow();
    }
    if (m_KPPDKey == "MediaType") w->doTransparencyConstraint();
    w->updateSelectionArray();
    w->UpdateSelfConflictsFromPPD(w->PPD());
    UIEventHandler();
    GetValueFromUI();
    SetValueFromUIToControl();
    // Whatever item was chosen, the summary follows.
    const int32_t summaryTag = SPAdvSeleWndARK::kSummaryView;
    if (zqpde::BaseControl* summary = w->GetPanelControl(&summaryTag)) summary->Update();
}

int32_t SPAdvSelePaperSizeListARK::DoSelfUpdate() {
    SPAdvSeleWndARK* w = Window();
    if (w == nullptr || w->GetSubMenuList() == nullptr || ControlPtr == nullptr) return 0;
    ControlPtr->setEnabled(w->GetSubMenuList()->isEnabledSubMenuByIndex(1));
    return 0;
}

// ---- summary ------------------------------------------------------------------

bool SPAdvPageSettingScrollViewARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    bundle_ = bundle;
    ppd_ = ppd;
    return zqpde::BaseControl::InitializeCtrl(bundle, ppd);
}

std::string SPAdvPageSettingScrollViewARK::Text() const {
    auto* w = dynamic_cast<SPAdvSeleWndARK*>(ctrlParentPanelPtr);
    if (w == nullptr) return {};
    std::string text;
    for (SPAdvSelePaperListARK* list : {w->GetAdvPaperSizeListPtr(), w->GetAdvPaperColorListPtr(),
                                        w->GetAdvPaperTypeListPtr()}) {
        if (list == nullptr || list->GetPopupSelection() <= 0) continue;
        text += zqpde::GetUITitleFromPPD(ppd_, list->Key().c_str()).value_or(list->Key()) + ": " +
                list->getSelectedMenuItemTitle(list->GetPopupSelection()) + "\n";
    }
    if (text.empty())
        text = bundle_ != nullptr ? bundle_->localizedString("No Change Infomation", "not found") : "not found";
    return text;
}

int32_t SPAdvPageSettingScrollViewARK::Update() {
    if (auto* view = dynamic_cast<zqp::TextView*>(ControlPtr)) view->setString(Text());
    return 0;
}

bool SPAdvPageSettingScrollViewARK::SetControlValueToUI() {
    Update();
    return true;
}

bool SPAdvPageSettingScrollViewARK::SetDefaultValueToUI() {
    Update();
    return true;
}

// ---- OK -----------------------------------------------------------------------

bool SPAdvSeleOKBtnARK::UIEventHandler() {
    auto* w = dynamic_cast<SPAdvSeleWndARK*>(ctrlParentPanelPtr);
    if (w == nullptr) return true;
    if (AdvancedPaperTarget* popup = w->GetSubMenuList()) {
        const std::pair<int32_t, SPAdvSelePaperListARK*> kinds[] = {
            {kSizeKind, w->GetAdvPaperSizeListPtr()}, {kColorKind, w->GetAdvPaperColorListPtr()},
            {kTypeKind, w->GetAdvPaperTypeListPtr()}};
        for (const auto& [kind, list] : kinds)
            // An empty pop-up (nothing selected) is No Change too, never below -1.
            popup->setSelectedMenuItemIndexByType(kind, list != nullptr ? std::max(list->GetPopupSelection() - 1, -1) : -1);
        popup->setInterPoser(false);
        w->HandBackCustomSize();
        if (w->refreshPageViews) w->refreshPageViews(popup->GetWndType());
    }
    w->DeactivateWindow();
    w->ChangeActivedStatus(false);
    return true;
}

// ---- the window ---------------------------------------------------------------

namespace {

using A = SPAdvSeleWndARK;
const int32_t kSummaryTag = A::kSummaryView;
const int32_t* const kSummary[] = {&kSummaryTag, nullptr};
const zqpde::ConstrainTagList kSummaryLists[] = {kSummary};
// Each pop-up's choice updates the summary.
const zqpde::ConstrainInfo advSelePaperListCnstrnInfo = {{}, {}, zqpde::ConstrainListsOf(kSummaryLists)};

}  // namespace

SPAdvSeleWndARK::SPAdvSeleWndARK(zqp::Window* window, const char* theWinTitleStr)
    : zqpde::PopupWinInPanel(window, theWinTitleStr) {
    zqp::Window* w = GetWindowRef();
    auto view = [w](int32_t tag) { return w != nullptr ? w->viewWithTag(tag) : nullptr; };
    auto title = [&](int32_t tag, const char* key) {
        auto c = std::make_unique<zqpde::StaticTextEditControl>();
        c->CreateControl(view(tag), nullptr, nullptr, nullptr, nullptr, nullptr, key);
        AddNewControl(std::move(c));
    };
    auto list = [&](std::unique_ptr<SPAdvSelePaperListARK> c, int32_t tag, const char* key) {
        c->CreateControl(view(tag), key, &advSelePaperListCnstrnInfo);
        return AddNewControl(std::move(c));
    };
    title(kSizeTitle, "AdvSele Paper Size Title");
    size_ = list(std::make_unique<SPAdvSelePaperSizeListARK>(), kSizeList, "PageSize");
    title(kColorTitle, "AdvSele Paper Color Title");
    color_ = list(std::make_unique<SPAdvSelePaperListARK>(), kColorList, kColorKey);
    title(kTypeTitle, "AdvSele Paper Type Title");
    type_ = list(std::make_unique<SPAdvSelePaperListARK>(), kTypeList, "MediaType");
    title(kSummaryTitle, "AdvSele Paper Summary Title");
    auto summary = std::make_unique<SPAdvPageSettingScrollViewARK>();
    summary->CreateControl(view(kSummaryView));
    AddNewControl(std::move(summary));
    auto help = std::make_unique<SPHelpButtonARK>("SpecialPagesAdv.htm");
    help->CreateControl(view(kHelpButton), nullptr);
    AddNewControl(std::move(help));
    auto restore = std::make_unique<SPRestoreButtonARK>();
    restore->CreateControl(view(kRestoreButton), "Special Pages RESTORE Btn");
    AddNewControl(std::move(restore));
    auto ok = std::make_unique<SPAdvSeleOKBtnARK>();
    ok->CreateControl(view(kOKButton), "Special Pages OK Btn");
    AddNewControl(std::move(ok));
    auto cancel = std::make_unique<SPCancelButCtrlARK>();
    cancel->CreateControl(view(kCancelButton), "Special Pages CANCEL Btn");
    AddNewControl(std::move(cancel));
}

zqpde::ConstraintHash* SPAdvSeleWndARK::Geteppd() {
    if (zqpde::ConstraintHash* own = zqpde::PopupWinInPanel::Geteppd()) return own;
    BasePrintPanel* parent = GetParentWnd();
    return parent != nullptr ? parent->Geteppd() : nullptr;
}

int32_t SPAdvSeleWndARK::InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) {
    const std::string color = zqpde::FixPPDKeywordAccordingToType(ppd, kColorKey);
    m_ppdKeyArray = {"PageSize", color, "MediaType"};
    for (const std::string& k : PPDOptionKeywords(ppd)) {
        if (k == "PageSize" || k == "MediaType" || k == "Duplex" || k == "InputSlot" || k == color) continue;
        m_ppdKeyArray.push_back(zqpde::FixPPDKeywordAccordingToType(ppd, k.c_str()));
    }
    return zqpde::PopupWinInPanel::InitializeUserPane(bundle, ppd);
}

void PaperPopupTarget::setSelectedMenuItemIndexByType(int32_t kind, int32_t index) {
    if (popup()) popup()->setSelectedMenuItemIndexByType(kind, index);
}
void PaperPopupTarget::setInterPoser(bool on) {
    if (popup()) popup()->setInterPoser(on);
}
bool PaperPopupTarget::isEnabledSubMenuByIndex(int32_t index) const {
    return popup() == nullptr || popup()->isEnabledSubMenuByIndex(index);
}
int32_t PaperPopupTarget::GetWndType() const { return popup() ? popup()->GetWndType() : -1; }

std::vector<std::string> DuplexListSource::getCurrentDuplexArray() const {
    return list_ ? list_->getCurrentDuplexArray() : std::vector<std::string>{};
}
std::vector<std::string> DuplexListSource::getDuplexArrayFromIndex(int32_t n) const {
    return list_ ? list_->getDuplexArrayFromIndex(n) : std::vector<std::string>{};
}

void SPAdvSeleWndARK::SetSubMenuList(SPSubMenuListCtrlARK* popup) {
    popupTarget_.bind(popup);
    m_pSubMenuList = popup != nullptr ? &popupTarget_ : nullptr;
}

void SPAdvSeleWndARK::setDuplexControl(SPDuplexListCtrlARK* duplex) {
    duplexSource_.bind(duplex);
    m_duplexCtrlPtr = duplex != nullptr ? &duplexSource_ : nullptr;
}

void SPAdvSeleWndARK::SetPaperSize(int32_t sizeIndex, int32_t colorIndex, int32_t typeIndex, bool) {
    m_iPaperSize = sizeIndex + 1;
    m_iPaperColor = colorIndex + 1;
    m_iPaperType = typeIndex + 1;
    for (const auto& [list, item] : {std::pair{size_, m_iPaperSize}, {color_, m_iPaperColor}, {type_, m_iPaperType}})
        if (list != nullptr) list->SelectItem(std::max(item, 0));
}

int32_t SPAdvSeleWndARK::ActivateWindow() {
    zqp::Window* w = GetWindowRef();
    if (w == nullptr) return 0;
    if (listStatus && listStatus() == 1) m_iSizeStatus = m_iColorStatus = m_iTypeStatus = 0;
    // A custom size set from here stays the window's until OK: Cancel leaves
    // the paper pop-up's own.
    if (m_pSubMenuList != nullptr) customSize_.copyFrom(*m_pSubMenuList);
    SetCurrentValueToUI();
    updateSelectionArray();
    UpdateSelfConflictsFromPPD(currentPPD);
    ChangeActivedStatus(true);
    zqp::Application::Shared().runModalForWindow(*w);
    return 0;
}

void SPAdvSeleWndARK::HandBackCustomSize() {
    if (m_pSubMenuList != nullptr) customSize_.copyTo(*m_pSubMenuList);
}

void SPAdvSeleWndARK::updateSelectionArray() {
    m_currentSelectionArray.clear();
    for (SPAdvSelePaperListARK* list : {size_, color_, type_}) {
        const int32_t item = list != nullptr ? list->GetPopupSelection() : -1;
        m_currentSelectionArray.push_back(item < 0 ? "NULL" : list->getSelectedMenuItem());
    }
    for (size_t i = 3; i < m_ppdKeyArray.size(); ++i) {
        ppd_choice_t* marked = currentPPD != nullptr ? ppdFindMarkedChoice(currentPPD, m_ppdKeyArray[i].c_str()) : nullptr;
        m_currentSelectionArray.push_back(marked != nullptr ? std::string(marked->choice)
                                                            : AssumedChoice(currentPPD, m_ppdKeyArray[i]));
    }
}

bool SPAdvSeleWndARK::isChoiceConflicted(const std::string& key, const std::string& option, const std::string& choice,
                                         ppd_file_t* ppd) {
    return size_ != nullptr && size_->isChoiceConflicted(key.c_str(), option.c_str(), choice.c_str(), ppd);
}

bool SPAdvSeleWndARK::isMenuItemConflicted(const std::string& key, ppd_file_t* ppd) {
    const std::vector<SPRecord> selected = selectedRecords ? selectedRecords() : std::vector<SPRecord>{};
    for (size_t i = 0; i < m_ppdKeyArray.size() && i < m_currentSelectionArray.size(); ++i) {
        const std::string& option = m_ppdKeyArray[i];
        const std::string& current = m_currentSelectionArray[i];
        if (current != kNoChange) {
            if (isChoiceConflicted(key, option, current, ppd)) return true;
            continue;
        }
        // A kind left at No Change stands for each selected record's own paper.
        for (const SPRecord& r : selected) {
            std::string choice = current;
            if (i == 0 && size_ != nullptr) choice = size_->getSelectedMenuItem(FieldInt(r, "pagesize"));
            if (i == 1 && color_ != nullptr) choice = color_->getSelectedMenuItem(FieldInt(r, "pagecolor"));
            if (i == 2 && type_ != nullptr) choice = type_->getSelectedMenuItem(FieldInt(r, "pagetype"));
            if (!choice.empty() && isChoiceConflicted(key, option, choice, ppd)) return true;
        }
    }
    if (m_duplexCtrlPtr == nullptr) return false;
    auto duplexConflicts = [&](const std::vector<std::string>& choices) {
        return std::any_of(choices.begin(), choices.end(), [&](const std::string& c) {
            return c != "NULL" && isChoiceConflicted(key, "Duplex", c, ppd);
        });
    };
    const std::vector<std::string> duplex = m_duplexCtrlPtr->getCurrentDuplexArray();
    if (!duplex.empty() && duplex.front() == "NULL") {
        for (const SPRecord& r : selected)
            if (duplexConflicts(m_duplexCtrlPtr->getDuplexArrayFromIndex(FieldInt(r, "twoSidePrint")))) return true;
        return false;
    }
    return duplexConflicts(duplex);
}

void SPAdvSeleWndARK::UpdateSelfConflictsFromPPD(ppd_file_t* ppd) {
    for (SPAdvSelePaperListARK* list : {size_, color_, type_}) {
        if (list == nullptr) continue;
        for (int32_t item = 1; item < list->ItemCount(); ++item)
            list->EnableItem(item, !isMenuItemConflicted(list->Key() + ":" + list->getSelectedMenuItem(item - 1), ppd));
    }
}

void SPAdvSeleWndARK::doTransparencyConstraint() {
    if (color_ == nullptr || type_ == nullptr) return;
    if (color_->GetPopupSelection() < 0 || type_->GetPopupSelection() < 0) return;
    if (type_->GetPopupSelection() != type_->getTypeTransparencyIndex()) return;
    // Without a "Clear" colour the colour goes to its first item.
    color_->SelectItem(std::max(color_->getColorClearIndex(), 0));
}

}  // namespace zqsp
