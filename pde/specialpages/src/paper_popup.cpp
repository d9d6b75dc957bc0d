#include "paper_popup.h"

#include <cstdlib>
#include <cstring>

#include <zqp/bundle.h>
#include <zqp/view.h>

#include "info_views.h"
#include "summary_list.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/app_resources.h"
#include "zqpde/ppd_util.h"

namespace zqsp {

const char* const kSelectPaperIniMenu[] = {"Select Paper String",      "No Change Option String", "Size String",
                                           "Color String",             "Type String",
                                           "ZQUncollateSeparator-INT", "Advanced Setting String", nullptr};

namespace {

constexpr int32_t kTagBase[3] = {2000, 3000, 4000};

// Keywords that are part of the paper itself or of the sides, never tested
// as "other options".
bool IsPaperOrSidesKey(const std::string& key, const std::string& colorKey) {
    return key == "PageSize" || key == "MediaType" || key == "Duplex" || key == "InputSlot" || key == colorKey;
}

// Options that may have no marked choice and what stands in for them
// (empty: the option's default choice).
struct MayNotMarked {
    const char* keyword;
    const char* choice;
};
constexpr MayNotMarked kPPDKeyMayNotMarked[] = {{"PageRegion", ""}, {"ManualFeed", "NULL"}, {"Collate", "True"}};

// A hole punch that rules out the interposer.
constexpr MayNotMarked kTray8InterposerConstrainInfo[] = {{"ZQNumPunchHoles", "CoilPunch"}};

std::vector<std::string> ChoiceKeywords(ppd_file_t* ppd, const std::string& option) {
    std::vector<std::string> out;
    if (ppd_option_t* o = ppd != nullptr ? ppdFindOption(ppd, option.c_str()) : nullptr)
        for (int i = 0; i < o->num_choices; ++i) out.emplace_back(o->choices[i].choice);
    return out;
}

std::string DefaultChoice(ppd_file_t* ppd, const std::string& option) {
    return ppd != nullptr ? zqpde::GetUIDefaultFromPPD(ppd, option.c_str()).value_or("") : "";
}

std::string MarkedChoice(ppd_file_t* ppd, const std::string& option) {
    if (ppd == nullptr) return {};
    ppd_choice_t* c = ppdFindMarkedChoice(ppd, option.c_str());
    return c != nullptr ? c->choice : "";
}

int FieldInt(const SPRecord& r, const char* key) {
    auto it = r.find(key);
    return it == r.end() || it->second.empty() ? -1 : std::atoi(it->second.c_str());
}

}  // namespace

std::vector<std::string>& zqPPDKeywordList() {
    static std::vector<std::string> list;
    return list;
}

void FillPPDKeywordList(ppd_file_t* ppd) {
    auto& list = zqPPDKeywordList();
    list.clear();
    if (ppd == nullptr) return;
    for (int g = 0; g < ppd->num_groups; ++g)
        for (int o = 0; o < ppd->groups[g].num_options; ++o) list.emplace_back(ppd->groups[g].options[o].keyword);
}

// ---- paper pop-up -------------------------------------------------------------------

void SPSubMenuListCtrlARK::CreateControl(zqp::View* view, const char* ppdKeySize, const char* ppdKeyColor,
                                         const char* ppdKeyType, const zqpde::ListCtrlIniData* iniData,
                                         const zqpde::ConstrainInfo* constrainArray,
                                         const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                                         int32_t wndType, const int32_t* duplexControl) {
    zqpde::PopupControl::CreateControl(view, iniData, constrainArray, accessInfo, usernamein);
    if (ppdKeySize != nullptr) KPPDKeySize = ppdKeySize;
    if (ppdKeyColor != nullptr) KPPDKeyColor = ppdKeyColor;
    if (ppdKeyType != nullptr) KPPDKeyType = ppdKeyType;
    adjustedColorKey_ = KPPDKeyColor;
    selection_ = std::make_unique<PaperSelection>(PaperOptions{});
    CurrentSelectedItem = -1;
    m_iInsertWndType = wndType;
    customPageSizeLongMeasure = 1;
    duplexControlIDPtr = duplexControl;
}

bool SPSubMenuListCtrlARK::InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) {
    if (listctrlIniDataPtr == nullptr) return false;
    if (!zqpde::PopupControl::InitializeMenu(bundle, ppd)) return false;
    zqp::PopUpButton* popup = PopUp();

    // The interposer item takes the PPD's own name of the separator tray.
    for (const char* const* key = listctrlIniDataPtr->titleKeys; *key != nullptr; ++key) {
        if (std::strncmp(*key, "ZQ", 2) != 0) continue;
        const std::string k = *key;
        const std::string option = k.substr(0, k.find('-'));
        const std::string choice = k.substr(k.rfind('-') + 1);
        if (ppd_option_t* o = ppd != nullptr ? ppdFindOption(ppd, option.c_str()) : nullptr) {
            if (ppd_choice_t* c = ppdFindChoice(o, choice.c_str())) {
                for (const zqpde::PDEChoice& pc : zqpde::ArrayFromPPDOption(o))
                    if (pc.choice() == c)
                        popup->itemAtIndex(static_cast<int>(key - listctrlIniDataPtr->titleKeys))->title =
                            pc.userTitle();
            }
        }
        break;
    }

    adjustedColorKey_ = ppd != nullptr ? zqpde::FixPPDKeywordAccordingToType(ppd, KPPDKeyColor) : KPPDKeyColor;
    PaperOptions options;
    options.sizeKey = KPPDKeySize;
    options.colorKey = adjustedColorKey_;
    options.typeKey = KPPDKeyType;
    options.sizes = ChoiceKeywords(ppd, KPPDKeySize);
    options.colors = ChoiceKeywords(ppd, adjustedColorKey_);
    options.types = ChoiceKeywords(ppd, KPPDKeyType);
    options.sizeDefault = DefaultChoice(ppd, KPPDKeySize);
    options.colorDefault = DefaultChoice(ppd, adjustedColorKey_);
    const std::string width = getCustomPageWidth(), length = getCustomPageLength();
    selection_ = std::make_unique<PaperSelection>(std::move(options));
    selection_->setCustomPageWidth(width);
    selection_->setCustomPageLength(length);
    CurrentSelectedItem = 1;

    const std::string keys[3] = {KPPDKeySize, adjustedColorKey_, KPPDKeyType};
    std::unique_ptr<zqp::Menu> submenus[3];
    for (int k = 0; k < 3; ++k) {
        auto menu = std::make_unique<zqp::Menu>();
        menu->setAutoenablesItems(false);
        std::string noChange = Localized(bundle, "No Change Option String");
        if (noChange == zqp::kNoTranslation) noChange = "No Change Option String";
        zqp::MenuItem first(noChange, "No Change Option String");
        first.tag = kTagBase[k];
        first.action = [this](const zqp::MenuItem& item) { doControlAction(item.tag); };
        menu->items().push_back(std::move(first));
        ppd_option_t* o = ppd != nullptr ? ppdFindOption(ppd, keys[k].c_str()) : nullptr;
        const std::vector<zqpde::PDEChoice> choices = zqpde::ArrayFromPPDOption(o);
        for (size_t i = 0; i < choices.size(); ++i) {
            std::string title = choices[i].userTitle();
            if (k == 0 && selection_->isCustomSize(static_cast<int32_t>(i))) {
                const std::string custom = Localized(bundle, "Custom Size Text");
                if (custom != zqp::kNoTranslation) title = custom;
            }
            zqp::MenuItem item(title, choices[i].ppdTitle());
            item.tag = kTagBase[k] + 1 + static_cast<int32_t>(i);
            item.action = [this](const zqp::MenuItem& it) { doControlAction(it.tag); };
            menu->items().push_back(std::move(item));
        }
        submenus[k] = std::move(menu);
    }
    // The first paper type is the plain default the job already has.
    if (submenus[2]->numberOfItems() > 1) submenus[2]->itemAtIndex(1)->hidden = true;
    if (popup->numberOfItems() <= 4) return false;
    for (int k = 0; k < 3; ++k) popup->itemAtIndex(kPaperSizeItem + k)->submenu = std::move(submenus[k]);
    popup->selectItemAtIndex(kPaperTitleItem);
    updateSelectionArray();
    return true;
}

bool SPSubMenuListCtrlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    if (!zqpde::PopupControl::InitializeCtrl(bundle, ppd)) return false;
    ppdKeyArray_ = {KPPDKeySize, adjustedColorKey_, KPPDKeyType};
    for (const std::string& key : zqPPDKeywordList()) {
        if (key == KPPDKeySize || key == KPPDKeyType || IsPaperOrSidesKey(key, adjustedColorKey_)) continue;
        ppdKeyArray_.push_back(ppd != nullptr ? zqpde::FixPPDKeywordAccordingToType(ppd, key.c_str()) : key);
    }
    setDefaultCustomValue();
    interposerHidden_ = doHideTrayInterposerItem(ppd);
    if (zqp::MenuItem* item = PopUp() != nullptr ? PopUp()->itemAtIndex(kPaperInterposerItem) : nullptr)
        item->hidden = interposerHidden_;
    updateSelectionArray();
    return true;
}

bool SPSubMenuListCtrlARK::ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    // The menu keeps its items; only the greying follows the PPD's marks.
    (void)bundle;
    UpdateSelfConflictsFromPPD(ppd);
    return true;
}

void SPSubMenuListCtrlARK::setTargetandAction() { zqpde::PopupControl::setTargetandAction(); }

void SPSubMenuListCtrlARK::RequestControlAction(zqp::View*) {
    zqp::PopUpButton* popup = PopUp();
    if (popup == nullptr) return;
    const int index = popup->indexOfSelectedItem();
    zqp::MenuItem* item = popup->itemAtIndex(index);
    // A submenu item that has no action of its own comes through the pop-up.
    if (item != nullptr && item->submenu != nullptr && popup->indexOfSelectedSubmenuItem() >= 0) {
        if (zqp::MenuItem* sub = item->submenu->itemAtIndex(popup->indexOfSelectedSubmenuItem())) {
            doControlAction(sub->tag);
            return;
        }
    }
    doControlAction(GetControlTag());
}

void SPSubMenuListCtrlARK::doControlAction(int32_t tag) {
    zqp::PopUpButton* popup = PopUp();
    if (popup == nullptr) return;
    int32_t kind = 0;
    if (tag == GetControlTag()) {
        CurrentSelectedItem = popup->indexOfSelectedItem();
        kind = static_cast<int32_t>(CurrentSelectedItem);
        if (CurrentSelectedItem == kPaperAdvancedItem) {
            if (SPPanelServices* panel = Panel()) {
                if (SPAdvancedPaperWindow* adv = panel->getAdvSeleWndPtr()) {
                    adv->SetPaperSize(selection_->index(kSizeKind), selection_->index(kColorKind),
                                      selection_->index(kTypeKind), selection_->interposer());
                    adv->SetSubMenuList(this);
                    if (duplexControlIDPtr != nullptr) adv->setDuplexControl(DuplexControl());
                    adv->ActivateWindow();
                }
            }
        } else {
            selection_->chooseMainItem(static_cast<int>(CurrentSelectedItem));
        }
    } else {
        kind = tag / 1000;
        if (kind >= kSizeKind && kind <= kTypeKind) {
            CurrentSelectedItem = kind;
            const int32_t index = tag - kind * 1000 - 1;
            if (selection_->chooseSubItem(kind, index)) {
                if (SPPanelServices* panel = Panel()) {
                    if (SPCustomSizeWindow* custom = panel->getCustomSizeWndPtr()) {
                        custom->SetSubMenuList(this);
                        custom->ActivateWindow();
                    }
                }
            }
        }
    }
    // A pull-down: the title item stays in view; the choice shows by its marks.
    popup->selectItemAtIndex(kPaperTitleItem);
    updateSelectionArray();
    UIEventHandler();
}

void SPSubMenuListCtrlARK::doTransparencyConstraint(int32_t typeIndex, int32_t eventFrom) {
    // The selection applies the rule itself when a type is chosen; this is
    // the same rule for a caller that set the type directly.
    if (eventFrom == kTypeKind) selection_->chooseSubItem(kTypeKind, typeIndex);
}

bool SPSubMenuListCtrlARK::UIEventHandler() {
    if (zqpde::BasePrintPanel* window = ParentWindow()) window->UpdateConflictsPanelControlFromPPD(CurrentPPD());
    else UpdateSelfConflictsFromPPD(CurrentPPD());
    return zqpde::PopupControl::UIEventHandler();
}

int32_t SPSubMenuListCtrlARK::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) {
    UpdateSelfConflictsFromPPD(ppd);
    MoveOffForbiddenChoice(ppd);
    return 0;
}

ConstraintTest SPSubMenuListCtrlARK::TestWith(ppd_file_t* ppd) {
    if (ppd == nullptr) return nullptr;
    return [this, ppd](const std::string& k, const std::string& o, const std::string& c) {
        return isChoiceConflicted(k.c_str(), o.c_str(), c.c_str(), ppd);
    };
}

bool SPSubMenuListCtrlARK::NoChangeItemsShown() const {
    zqp::PopUpButton* popup = PopUp();
    zqp::MenuItem* item = popup != nullptr ? popup->itemAtIndex(kPaperNoChangeItem) : nullptr;
    return item != nullptr && !item->hidden;
}

void SPSubMenuListCtrlARK::MoveOffForbiddenChoice(ppd_file_t* ppd) {
    // Only what a window shows is moved: a closed window takes its values
    // from the records when it opens again. The move re-greys the window,
    // which comes back here; the selection has settled by then.
    auto* window = dynamic_cast<zqpde::PopupWinInPanel*>(ParentWindow());
    if (movingOff_ || ppd == nullptr || window == nullptr || !window->IsActived()) return;
    if (!selection_->moveOffForbidden(SelectedRecordPaper(), CurrentDuplex(), NoChangeItemsShown(), TestWith(ppd)))
        return;
    movingOff_ = true;
    // As if chosen from a submenu: the update lists of the submenu items
    // (the paper views, the back cover's paper) follow.
    CurrentSelectedItem = kTypeKind;
    updateSelectionArray();
    UIEventHandler();
    movingOff_ = false;
}

void SPSubMenuListCtrlARK::AllowedRecordPaper(int32_t& size, int32_t& color, int32_t& type, bool interposer,
                                              const std::vector<std::string>& duplex) {
    if (interposer) return;
    updateSelectionArray();
    PaperSelection paper = *selection_;
    paper.setInterposer(false);
    paper.setIndex(kSizeKind, size);
    paper.setIndex(kColorKind, color);
    paper.setIndex(kTypeKind, type);
    // A record standing at No Change for a kind offers No Change, as the
    // pop-up does when it shows such a record.
    if (paper.moveOffForbidden({}, duplex, size < 0 || color < 0 || type < 0, TestWith(CurrentPPD()))) {
        size = paper.index(kSizeKind);
        color = paper.index(kColorKind);
        type = paper.index(kTypeKind);
    }
}

void SPSubMenuListCtrlARK::updateSelectionArray() {
    ppd_file_t* ppd = CurrentPPD();
    currentSelectionArray_.clear();
    std::vector<std::pair<std::string, std::string>> others;
    for (int kind = kSizeKind; kind <= kTypeKind; ++kind) {
        const std::string choice = getSelectedMenuItemChoice(kind, selection_->index(kind));
        currentSelectionArray_.push_back(choice.empty() ? "NULL" : choice);
    }
    if (ppd != nullptr) {
        for (size_t j = 3; j < ppdKeyArray_.size(); ++j) {
            const std::string& key = ppdKeyArray_[j];
            std::string choice = MarkedChoice(ppd, key);
            if (choice.empty()) {
                choice = "NULL";
                for (const MayNotMarked& m : kPPDKeyMayNotMarked) {
                    if (key != m.keyword) continue;
                    choice = *m.choice != '\0' ? m.choice : DefaultChoice(ppd, key);
                    if (choice.empty()) choice = "NULL";
                }
            }
            currentSelectionArray_.push_back(choice);
            others.emplace_back(key, choice);
        }
    }
    selection_->setOthers(std::move(others));
}

std::vector<RecordPaper> SPSubMenuListCtrlARK::SelectedRecordPaper() const {
    std::vector<RecordPaper> out;
    SPPanelServices* panel = Panel();
    SPSummaryScrollViewCtrl* list = panel != nullptr ? panel->getSPSummaryScrollViewCtrlPtr() : nullptr;
    if (list == nullptr) return out;
    SPDuplexListCtrlARK* duplex = DuplexControl();
    for (const SPRecord& r : list->getArrayOfCurrentSelectedRecords()) {
        RecordPaper p;
        p.size = FieldInt(r, "pagesize");
        p.color = FieldInt(r, "pagecolor");
        p.type = FieldInt(r, "pagetype");
        if (duplex != nullptr) p.duplex = duplex->getDuplexArrayFromIndex(std::max(0, FieldInt(r, "twoSidePrint")));
        out.push_back(std::move(p));
    }
    return out;
}

std::vector<std::string> SPSubMenuListCtrlARK::CurrentDuplex() const {
    SPDuplexListCtrlARK* duplex = DuplexControl();
    return duplex != nullptr ? duplex->getCurrentDuplexArray() : std::vector<std::string>();
}

bool SPSubMenuListCtrlARK::isMenuItemConflicted(const std::string& keyChoice, ppd_file_t* ppd,
                                                bool isNoChangeChoice) {
    if (ppd == nullptr) return false;
    updateSelectionArray();
    return selection_->isMenuItemConflicted(keyChoice, isNoChangeChoice, SelectedRecordPaper(), CurrentDuplex(),
                                            TestWith(ppd));
}

void SPSubMenuListCtrlARK::UpdateSelfConflictsFromPPD(ppd_file_t* ppd) {
    zqp::PopUpButton* popup = PopUp();
    if (popup == nullptr) return;
    updateSelectionArray();
    const std::vector<RecordPaper> selected = SelectedRecordPaper();
    const std::vector<std::string> duplex = CurrentDuplex();
    const ConstraintTest test = TestWith(ppd);
    for (int kind = kSizeKind; kind <= kTypeKind; ++kind) {
        zqp::Menu* menu = getSubMenuRef(kind);
        if (menu == nullptr || menu->numberOfItems() < 2) continue;
        const std::vector<bool> enabled = selection_->enabledItems(kind, selected, duplex, test);
        for (int i = 0; i < menu->numberOfItems(); ++i) {
            zqp::MenuItem* item = menu->itemAtIndex(i);
            item->enabled = i == 0 || (static_cast<size_t>(i) < enabled.size() && enabled[static_cast<size_t>(i)]);
            const int32_t current = selection_->index(kind);
            item->state = !selection_->interposer() && i == current + 1 ? 1 : 0;
        }
    }
    // The interposer item follows the hole punch both ways: a punch that is
    // switched off gives it back.
    bool interposerOn = true;
    for (const MayNotMarked& pair : kTray8InterposerConstrainInfo) {
        const std::string key = ppd != nullptr ? zqpde::FixPPDKeywordAccordingToType(ppd, pair.keyword) : "";
        if (ppd != nullptr && MarkedChoice(ppd, key) == pair.choice) interposerOn = false;
    }
    if (zqp::MenuItem* item = popup->itemAtIndex(kPaperInterposerItem)) {
        item->enabled = interposerOn;
        item->state = selection_->interposer() ? 1 : 0;
    }
    if (zqp::MenuItem* item = popup->itemAtIndex(kPaperNoChangeItem)) {
        item->state = !selection_->interposer() && selection_->index(kSizeKind) < 0 &&
                              selection_->index(kColorKind) < 0 && selection_->index(kTypeKind) < 0
                          ? 1
                          : 0;
    }
}

void SPSubMenuListCtrlARK::ShowNoChangeItems(bool show) {
    zqp::PopUpButton* popup = PopUp();
    if (popup == nullptr) return;
    if (zqp::MenuItem* item = popup->itemAtIndex(kPaperNoChangeItem)) item->hidden = !show;
    for (int kind = kSizeKind; kind <= kTypeKind; ++kind)
        if (zqp::Menu* menu = getSubMenuRef(kind))
            if (zqp::MenuItem* first = menu->itemAtIndex(0)) first->hidden = !show;
}

bool SPSubMenuListCtrlARK::SetControlValueToUI() {
    sizeSelectionArray.clear();
    colorSelectionArray.clear();
    mediaSelectionArray.clear();
    if (SPPanelServices* panel = Panel())
        if (SPSummaryScrollViewCtrl* list = panel->getSPSummaryScrollViewCtrlPtr())
            for (const SPRecord& r : list->getArrayOfCurrentSelectedRecords()) {
                sizeSelectionArray.push_back(std::to_string(FieldInt(r, "pagesize")));
                colorSelectionArray.push_back(std::to_string(FieldInt(r, "pagecolor")));
                mediaSelectionArray.push_back(std::to_string(FieldInt(r, "pagetype")));
            }
    ShowNoChangeItems(selection_->index(kSizeKind) < 0 || selection_->index(kColorKind) < 0 ||
                      selection_->index(kTypeKind) < 0);
    if (zqp::PopUpButton* popup = PopUp()) popup->selectItemAtIndex(kPaperTitleItem);
    // What the dialog marked since the window was last open greys items now.
    UpdateSelfConflictsFromPPD(CurrentPPD());
    return true;
}

bool SPSubMenuListCtrlARK::SetControlValueToDefault() {
    zqpde::PopupControl::SetControlValueToDefault();
    for (int kind = kSizeKind; kind <= kTypeKind; ++kind) selection_->setIndex(kind, selection_->defaultIndex(kind));
    selection_->setInterposer(false);
    return true;
}

bool SPSubMenuListCtrlARK::SetDefaultValueToUI() {
    zqpde::PopupControl::SetDefaultValueToUI();
    ShowNoChangeItems(false);
    for (int kind = kSizeKind; kind <= kTypeKind; ++kind) selection_->setIndex(kind, selection_->defaultIndex(kind));
    selection_->setInterposer(false);
    if (zqp::PopUpButton* popup = PopUp()) popup->selectItemAtIndex(kPaperTitleItem);
    return true;
}

int32_t SPSubMenuListCtrlARK::Update() {
    SetControlValueToDefault();
    UIEventHandler();
    return 0;
}

int32_t SPSubMenuListCtrlARK::GetCurrentControlArrayNumber() { return static_cast<int32_t>(CurrentSelectedItem - 1); }

int32_t SPSubMenuListCtrlARK::DoControlUpdateConstrain() {
    const int32_t row = GetCurrentControlArrayNumber();
    if (row < 0 || ctrlConstrainControlArray == nullptr || ctrlParentPanelPtr == nullptr) return 0;
    zqpde::ConstrainTagList list = ctrlConstrainControlArray->updateLists.at(row);
    for (; list != nullptr && *list != nullptr; ++list)
        if (zqpde::BaseControl* c = ctrlParentPanelPtr->GetPanelControl(*list)) c->Update();
    return 0;
}

void SPSubMenuListCtrlARK::SetSubMenuToJobSettingByIndex(int32_t index) {
    ppd_file_t* ppd = CurrentPPD();
    zqp::PopUpButton* popup = PopUp();
    if (index < 0 || popup == nullptr || ppd == nullptr || ctrlParentPanelPtr == nullptr ||
        index + 1 >= popup->numberOfItems())
        return;
    const int kind = index + 1;
    if (kind < kSizeKind || kind > kTypeKind) return;
    const std::string keys[3] = {KPPDKeySize, adjustedColorKey_, KPPDKeyType};
    const std::string marked = MarkedChoice(ppd, keys[kind - kSizeKind]);
    if (marked.empty()) return;  // the submenu's "No Change" stays, the index as it was
    const auto choices = ChoiceKeywords(ppd, keys[kind - kSizeKind]);
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i] == marked) selection_->setIndex(kind, static_cast<int32_t>(i));
    UpdateSelfConflictsFromPPD(ppd);
}

int32_t SPSubMenuListCtrlARK::getSelectedMenuItemIndexByType(int32_t kind) const { return selection_->index(kind); }

void SPSubMenuListCtrlARK::setSelectedMenuItemIndexByType(int32_t kind, int32_t index) {
    selection_->setIndex(kind, index);
    updateSelectionArray();
}

zqp::Menu* SPSubMenuListCtrlARK::getSubMenuRef(int32_t kind) const {
    zqp::PopUpButton* popup = PopUp();
    zqp::MenuItem* item = popup != nullptr ? popup->itemAtIndex(kind) : nullptr;
    return item != nullptr ? item->submenu.get() : nullptr;
}

zqp::MenuItem* SPSubMenuListCtrlARK::getSelectedMenuItemRef(int32_t kind, int32_t index) const {
    zqp::Menu* menu = getSubMenuRef(kind);
    if (index < 0 || menu == nullptr || index + 1 >= menu->numberOfItems()) return nullptr;
    return menu->itemAtIndex(index + 1);
}

std::string SPSubMenuListCtrlARK::getSelectedMenuItemTitle(int32_t kind, int32_t index) const {
    zqp::MenuItem* item = getSelectedMenuItemRef(kind, index);
    return item != nullptr ? item->title : "";
}

std::string SPSubMenuListCtrlARK::getSelectedMenuItemChoice(int32_t kind, int32_t index) const {
    zqp::MenuItem* item = getSelectedMenuItemRef(kind, index);
    return item != nullptr ? item->representedObject : "";
}

bool SPSubMenuListCtrlARK::getInterPoser() const { return selection_->interposer(); }
void SPSubMenuListCtrlARK::setInterPoser(bool on) { selection_->setInterposer(on); }
std::string SPSubMenuListCtrlARK::getCustomPageWidth() const {
    return selection_ ? selection_->customPageWidth() : std::string();
}
std::string SPSubMenuListCtrlARK::getCustomPageLength() const {
    return selection_ ? selection_->customPageLength() : std::string();
}
void SPSubMenuListCtrlARK::setCustomPageWidth(const std::string& text) { selection_->setCustomPageWidth(text); }
void SPSubMenuListCtrlARK::setCustomPageLength(const std::string& text) { selection_->setCustomPageLength(text); }

void SPSubMenuListCtrlARK::setDefaultCustomValue() {
    selection_->setCustomPageWidth("210.0");
    selection_->setCustomPageLength("297.0");
    customPageSizeLongMeasure = 1;
}

CustomSizeDefaults SPSubMenuListCtrlARK::DefaultCustomSize() const {
    SPPanelServices* panel = Panel();
    const SPCustomSizeWindow* custom = panel != nullptr ? panel->getCustomSizeWndPtr() : nullptr;
    return custom != nullptr ? custom->DefaultCustomSize() : CustomSizeDefaults{};
}

void SPSubMenuListCtrlARK::enabledSubMenuByIndex(int32_t index, bool enabled) {
    zqp::PopUpButton* popup = PopUp();
    if (zqp::MenuItem* item = popup != nullptr ? popup->itemAtIndex(index + 1) : nullptr) item->enabled = enabled;
}

bool SPSubMenuListCtrlARK::isEnabledSubMenuByIndex(int32_t index) const {
    zqp::PopUpButton* popup = PopUp();
    zqp::MenuItem* item = popup != nullptr ? popup->itemAtIndex(index + 1) : nullptr;
    return item == nullptr || item->enabled;
}

bool SPSubMenuListCtrlARK::doTabStockSetCheckByIndex(int32_t index) const { return selection_->isTabStockType(index); }
bool SPSubMenuListCtrlARK::doCustomSizeSetCheckByIndex(int32_t index) const { return selection_->isCustomSize(index); }

std::vector<std::vector<std::string>> SPSubMenuListCtrlARK::getCurrentSelectionArray() {
    return selection_->currentSelection(SelectedRecordPaper());
}

bool SPSubMenuListCtrlARK::doHideTrayInterposerItem(ppd_file_t* ppd) const {
    if (ppd == nullptr) return true;
    const std::string trayKey = zqpde::FixPPDKeywordAccordingToType(ppd, "ZQSeparatorsCoversTray");
    std::string trayDefault;
    const bool hasTray = ppdFindOption(ppd, trayKey.c_str()) != nullptr;
    if (hasTray) trayDefault = DefaultChoice(ppd, trayKey);
    const std::string outputKey = zqpde::FixPPDKeywordAccordingToType(ppd, "ZQOutputOptions");
    // The finishers with a hole punch are data of the printer range, kept
    // in the bundle's Info.json.
    std::vector<std::string> finishers;
    const zqp::Bundle* bundle = ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetPDEBundleRef() : nullptr;
    if (bundle == nullptr) bundle = zqpde::pluginBundle;
    if (const zqp::InfoValue* list = bundle != nullptr ? bundle->infoObject("ZQInterposerFinishers") : nullptr)
        for (const zqp::InfoValue& v : list->array) finishers.push_back(v.text);
    return HideInterposerItem(true, hasTray ? &trayDefault : nullptr, MarkedChoice(ppd, outputKey), finishers);
}

SPPanelServices* SPSubMenuListCtrlARK::Panel() const {
    zqpde::BasePrintPanel* window = ctrlParentPanelPtr;
    if (window == nullptr) return nullptr;
    if (auto* panel = dynamic_cast<SPPanelServices*>(window->GetParentWnd())) return panel;
    return dynamic_cast<SPPanelServices*>(window);
}

SPDuplexListCtrlARK* SPSubMenuListCtrlARK::DuplexControl() const {
    if (duplexControlIDPtr == nullptr || ctrlParentPanelPtr == nullptr) return nullptr;
    return dynamic_cast<SPDuplexListCtrlARK*>(ctrlParentPanelPtr->GetPanelControl(duplexControlIDPtr));
}

ppd_file_t* SPSubMenuListCtrlARK::CurrentPPD() const {
    return ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetCurrentPPD() : nullptr;
}

bool SPSelectPaperListCtrlARK::getControlValue(PaperChoiceValue* value) const {
    if (value == nullptr) return false;
    value->size = selection_->index(kSizeKind);
    value->color = selection_->index(kColorKind);
    value->type = selection_->index(kTypeKind);
    value->interposer = selection_->interposer();
    return true;
}

void SPSelectPaperListCtrlARK::setControlValue(const PaperChoiceValue& value) {
    selection_->setIndex(kSizeKind, static_cast<int32_t>(value.size));
    selection_->setIndex(kColorKind, static_cast<int32_t>(value.color));
    selection_->setIndex(kTypeKind, static_cast<int32_t>(value.type));
    selection_->setInterposer(value.interposer);
    updateSelectionArray();
}

bool SPAddExceptSubMenuListCtrlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    const bool ok = SPSelectPaperListCtrlARK::InitializeCtrl(bundle, ppd);
    if (zqp::MenuItem* item = PopUp() != nullptr ? PopUp()->itemAtIndex(kPaperInterposerItem) : nullptr)
        item->hidden = true;
    return ok;
}

// ---- sidedness ----------------------------------------------------------------------

void SPDuplexListCtrlARK::CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData,
                                        const zqpde::ConstrainInfo* constrainArray,
                                        const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                                        const char* equalPPDKey, const DuplexChoiceTable* table,
                                        const int32_t* relatedSubMenuCtrl) {
    zqpde::PopupControl::CreateControl(view, iniData, constrainArray, accessInfo, usernamein);
    if (equalPPDKey != nullptr) referencePPDKey = equalPPDKey;
    referencePPDChoiceArray = table;
    relateSubMenuControlID = relatedSubMenuCtrl;
}

SPSubMenuListCtrlARK* SPDuplexListCtrlARK::RelatedPaper() const {
    if (relateSubMenuControlID == nullptr || ctrlParentPanelPtr == nullptr) return nullptr;
    return dynamic_cast<SPSubMenuListCtrlARK*>(ctrlParentPanelPtr->GetPanelControl(relateSubMenuControlID));
}

int32_t SPDuplexListCtrlARK::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) {
    SPSubMenuListCtrlARK* paper = RelatedPaper();
    zqp::PopUpButton* popup = PopUp();
    if (paper == nullptr || popup == nullptr || referencePPDChoiceArray == nullptr || ppd == nullptr) return 0;
    const auto selection = paper->getCurrentSelectionArray();
    const std::vector<std::string>& keys = paper->ppdKeyArray();
    std::vector<std::pair<std::string, std::vector<std::string>>> inForce;
    for (size_t k = 0; k < 3 && k < keys.size() && k < selection.size(); ++k) inForce.emplace_back(keys[k], selection[k]);
    const ConstraintTest test = [this, ppd](const std::string& key, const std::string& o, const std::string& c) {
        return isChoiceConflicted(key.c_str(), o.c_str(), c.c_str(), ppd);
    };
    const std::vector<bool> enabled = SidednessItemsEnabled(*referencePPDChoiceArray, inForce, test);
    for (int i = 1; i < popup->numberOfItems() && static_cast<size_t>(i) < enabled.size(); ++i)
        enabledSubMenuByIndex(i, enabled[static_cast<size_t>(i)]);
    return 0;
}

bool SPDuplexListCtrlARK::UIEventHandler() {
    if (zqpde::BasePrintPanel* window = ctrlParentPanelPtr) window->UpdateConflictsPanelControlFromPPD(window->GetCurrentPPD());
    return zqpde::PopupControl::UIEventHandler();
}

std::vector<std::string> SPDuplexListCtrlARK::getCurrentDuplexArray() const {
    zqp::PopUpButton* popup = PopUp();
    return getDuplexArrayFromIndex(popup != nullptr ? popup->indexOfSelectedItem() : -1);
}

std::vector<std::string> SPDuplexListCtrlARK::getDuplexArrayFromIndex(int32_t index) const {
    if (referencePPDChoiceArray == nullptr || index < 0 || static_cast<size_t>(index) >= referencePPDChoiceArray->size())
        return {};
    return (*referencePPDChoiceArray)[static_cast<size_t>(index)];
}

void SPDuplexListCtrlARK::enabledSubMenuByIndex(int32_t index, bool enabled) {
    zqp::PopUpButton* popup = PopUp();
    if (zqp::MenuItem* item = popup != nullptr ? popup->itemAtIndex(index) : nullptr) item->enabled = enabled;
}

bool SPDuplexListCtrlARK::isItemEnabled(int32_t index) const {
    zqp::PopUpButton* popup = PopUp();
    zqp::MenuItem* item = popup != nullptr ? popup->itemAtIndex(index) : nullptr;
    return item != nullptr && item->enabled;
}

SPCoversWindowServices* SPCoversWinListCtrlARK::Window() const {
    return dynamic_cast<SPCoversWindowServices*>(ctrlParentPanelPtr);
}

void SPCoversWinListCtrlARK::SelectIndex(int32_t index) {
    zqp::PopUpButton* popup = PopUp();
    if (popup == nullptr || index < 0 || index >= popup->numberOfItems()) return;
    popup->selectItemAtIndex(index);
    GetValueFromUI();
    SetValueFromUIToControl();
}

int32_t SelectedCoverOption(SPCoversWindowServices* window) {
    SPCoversWinListCtrlARK* options = window != nullptr ? window->getSPCoversOptionsListPtr() : nullptr;
    auto* popup = options != nullptr ? dynamic_cast<zqp::PopUpButton*>(options->GetControlPtr()) : nullptr;
    return popup != nullptr ? popup->indexOfSelectedItem() : -1;
}

void SPCoversWinListCtrlARK::ForgetAppliedConstraints() {
    if (char* block = GetValueFromUIDataBlk()) SetBlockInt(block, 0);
}

int32_t SPCoversWinListCtrlARK::Update() {
    SPCoversWindowServices* window = Window();
    if (window == nullptr) return 0;
    const int option = SelectedCoverOption(window);
    if (option == kFrontBackSame && this == window->getSPCoverWndBackPrintingOptionListPtr()) {
        if (SPCoversWinListCtrlARK* front = window->getSPCoverWndFrontPrintingOptionListPtr())
            if (front->PopUp() != nullptr) SelectIndex(front->PopUp()->indexOfSelectedItem());
    } else if (option == kNoCovers) {
        zqpde::PopupControl::SetDefaultValueToUI();
        SimulationUIEventHandler();
    }
    SPSubMenuListCtrlARK* frontPaper = window->getSPCoverWndFrontSelectPaperListPtr();
    SPSubMenuListCtrlARK* backPaper = window->getSPCoverWndBackSelectPaperListPtr();
    if (SPCoversWinListCtrlARK* front = window->getSPCoverWndFrontPrintingOptionListPtr())
        front->doConstraintWithInterposer(frontPaper != nullptr && frontPaper->getInterPoser());
    if (SPCoversWinListCtrlARK* back = window->getSPCoverWndBackPrintingOptionListPtr())
        back->doConstraintWithInterposer(backPaper != nullptr && backPaper->getInterPoser());
    return 0;
}

int32_t SPCoversWinListCtrlARK::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) {
    SPDuplexListCtrlARK::UpdateConflictsPanelControlFromPPD(ppd);
    if (!IsPrintingList()) return 0;
    // A cover from the interposer is never printed on.
    if (SPSubMenuListCtrlARK* paper = RelatedPaper(); paper != nullptr && paper->getInterPoser())
        for (int32_t i = 1; i <= 3; ++i) enabledSubMenuByIndex(i, false);
    DoSelfUpdate();
    return 0;
}

void SPCoversWinListCtrlARK::doConstraintWithInterposer(bool interposer) {
    if (interposer) {
        for (int32_t i = 1; i <= 3; ++i) enabledSubMenuByIndex(i, false);
    } else {
        for (int32_t i = 1; i <= 3; ++i) enabledSubMenuByIndex(i, true);
        UpdateConflictsFromPPD();
    }
    DoSelfUpdate();
}

void SPCoversWinListCtrlARK::UpdateConflictsFromPPD() {
    // One table for the conflict pass and the cover-option change, so the
    // items never depend on which of the two ran last.
    if (ctrlParentPanelPtr != nullptr) UpdateConflictsPanelControlFromPPD(ctrlParentPanelPtr->GetCurrentPPD());
}

bool SPCoversWinListCtrlARK::SetControlValueToUI() {
    zqpde::PopupControl::SetDefaultValueToUI();
    SPCoversWindowServices* window = Window();
    std::vector<SPRecord>* records = window != nullptr ? window->getCoversDataRecordsPtr() : nullptr;
    if (records == nullptr || records->empty()) return true;
    if (this == window->getSPCoversOptionsListPtr()) {
        // Shown only: the option's disabling follows when the window
        // simulates its event, which compares with the option applied.
        const int32_t option = FieldInt(records->front(), "coversoption");
        if (zqp::PopUpButton* popup = PopUp(); popup != nullptr && option >= 0 && option < popup->numberOfItems())
            popup->selectItemAtIndex(option);
        return true;
    }
    const char* page = this == window->getSPCoverWndFrontPrintingOptionListPtr()  ? "0"
                       : this == window->getSPCoverWndBackPrintingOptionListPtr() ? "1"
                                                                                   : nullptr;
    if (page == nullptr) return true;
    for (const SPRecord& r : *records) {
        auto it = r.find("page");
        if (it != r.end() && it->second == page) SelectIndex(FieldInt(r, "printingoptions"));
    }
    return true;
}

bool SPCoversWinListCtrlARK::SetDefaultValueToUI() { return zqpde::PopupControl::SetDefaultValueToUI(); }

int32_t SPCoversWinListCtrlARK::DoSelfUpdate() {
    SPCoversWindowServices* window = Window();
    if (window == nullptr) return 0;
    if (this != window->getSPCoverWndFrontPrintingOptionListPtr() &&
        this != window->getSPCoverWndBackPrintingOptionListPtr())
        return 0;
    zqp::PopUpButton* popup = PopUp();
    if (popup == nullptr || !popup->isEnabled()) return 0;
    const int selected = popup->indexOfSelectedItem();
    if (selected >= 0 && !isItemEnabled(selected)) {
        // Side one first, else the first item still enabled (blank is never
        // ruled out).
        int32_t fallback = 0;
        for (int32_t i = 1; i < popup->numberOfItems(); ++i)
            if (isItemEnabled(i)) {
                fallback = i;
                break;
            }
        // Selected first and committed after the event, so the update list
        // (the back list following the front) sees the change.
        popup->selectItemAtIndex(fallback);
        zqpde::PopupControl::UIEventHandler();
        GetValueFromUI();
        SetValueFromUIToControl();
    }
    return 0;
}

int32_t SPCoversSelectPaperListCtrlARK::Update() {
    auto* window = dynamic_cast<SPCoversWindowServices*>(ParentWindow());
    if (window == nullptr) return 0;
    const bool back = this == window->getSPCoverWndBackSelectPaperListPtr();
    auto* front = dynamic_cast<SPSelectPaperListCtrlARK*>(window->getSPCoverWndFrontSelectPaperListPtr());
    if (back && front != nullptr && front != this && SelectedCoverOption(window) == kFrontBackSame) {
        PaperChoiceValue value;
        front->getControlValue(&value);
        setControlValue(value);
        setCustomPageWidth(front->getCustomPageWidth());
        setCustomPageLength(front->getCustomPageLength());
        setCustomPageSizeLongMeasure(front->getCustomPageSizeLongMeasure());
    }
    if (SPCoversWinListCtrlARK* printing = back ? window->getSPCoverWndBackPrintingOptionListPtr()
                                                : window->getSPCoverWndFrontPrintingOptionListPtr())
        printing->Update();
    if (zqpde::BasePrintPanel* parent = ParentWindow()) parent->UpdateConflictsPanelControlFromPPD(CurrentPPD());
    if (SPPageSettingScrollViewCtrlARK* view =
            back ? window->GetPageSettingBackScrollView() : window->GetPageSettingFrontScrollView())
        view->Update();
    return 0;
}

}  // namespace zqsp
