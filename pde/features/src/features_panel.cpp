#include "features_panel.h"

#include <zqp/bundle.h>
#include <zqp/font.h>
#include <zqp/host.h>
#include <zqp/nib.h>
#include <zqp/preferences.h>
#include <zqp/print_settings.h>
#include <zqp/system.h>
#include <zqp/utf8.h>
#include <zqp/view.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "zqpde/app_resources.h"
#include "zqpde/os_version.h"
#include "zqpde/panel_factory.h"
#include "zqpde/ppd_util.h"
#include "zqpde/settings_access.h"
#include "zqpde/ticket_value.h"

namespace zqfeat {
namespace {

#define NS "com.tavelle.qdm.printsettings."

// ---- control tables ----------------------------------------------------------

const int32_t kTabSetupTag = tags::kTabMarginSetup;
const int32_t kSepSetupTag = tags::kSeparatorSetup;
const int32_t kBookletSwitchTag = tags::kBookletSwitch;
const int32_t kBookletSetupTag = tags::kBookletSetup;
const int32_t kOffsetSetupTag = tags::kOffsetStackingSetup;
const int32_t kNumInSeqSetupTag = tags::kNumInSeqSetup;
const int32_t kTrimmerSetupTag = tags::kTrimmerSetup;
const int32_t kFrontCoverTag = tags::kFrontCover;
const int32_t kBackCoverTag = tags::kBackCover;
const int32_t kSeparatorListTag = tags::kSeparatorList;

using zqpde::ConstrainInfo;
using zqpde::ConstrainListsOf;
using zqpde::ConstrainTagList;

const int32_t* const kTabSetup[] = {&kTabSetupTag, nullptr};
const int32_t* const kSepSetup[] = {&kSepSetupTag, nullptr};
const int32_t* const kBookletBoth[] = {&kBookletSwitchTag, &kBookletSetupTag, nullptr};
const int32_t* const kBookletSetup[] = {&kBookletSetupTag, nullptr};
const int32_t* const kOffsetSetup[] = {&kOffsetSetupTag, nullptr};
const int32_t* const kNumInSeqSetup[] = {&kNumInSeqSetupTag, nullptr};
const int32_t* const kTrimmerSetup[] = {&kTrimmerSetupTag, nullptr};
const int32_t* const kCoverLists[] = {&kFrontCoverTag, &kBackCoverTag, &kSeparatorListTag, nullptr};

const ConstrainTagList kSeparatorDisable[] = {kSepSetup};
const ConstrainTagList kTabMarginDisable[] = {kTabSetup};
const ConstrainTagList kNumInSeqDisable[] = {kNumInSeqSetup};
const ConstrainTagList kOffsetDisable[] = {kOffsetSetup, kOffsetSetup, kOffsetSetup};
const ConstrainTagList kTrimmerDisable[] = {kTrimmerSetup};
const ConstrainTagList kBookletSelectionDisable[] = {kBookletBoth};
const ConstrainTagList kBookletSwitchDisable[] = {kBookletSetup};

const ConstrainInfo SeparatorListConstrain = {ConstrainListsOf(kSeparatorDisable), {}, {}};
const ConstrainInfo TabMarginSwitchConstrain = {ConstrainListsOf(kTabMarginDisable), {}, {}};
const ConstrainInfo NumInSeqSwitchConstrain = {ConstrainListsOf(kNumInSeqDisable), {}, {}};
const ConstrainInfo OffsetStackingConstrain = {ConstrainListsOf(kOffsetDisable), {}, {}};
const ConstrainInfo TrimmerConstrain = {ConstrainListsOf(kTrimmerDisable), {}, {}};
const ConstrainInfo BookletSelectionConstrain = {ConstrainListsOf(kBookletSelectionDisable), {}, {}};
const ConstrainInfo BookletSwitchConstrain = {ConstrainListsOf(kBookletSwitchDisable), {}, {}};

// The initial values lie outside the controls' ranges, so that the first
// showing applies the constraint list of the value shown.
const zqpde::ListCtrlIniData PFListIniData = {1, 1, 0, nullptr};
// The group pop-up opens on the first page.
const zqpde::ListCtrlIniData GroupListIniData = {1, 1, 1, nullptr};
const zqpde::CheckBoxIniData PFCheckBoxIniData = {0, 0, -1, nullptr};
const zqpde::CheckBoxIniData TabMarginCheckboxIniData = {0, 0, -1, nullptr};
const zqpde::CheckBoxIniData BookletMarginCheckboxIniData = {0, 0, -1, "Booklet Margin Title"};

constexpr uint32_t kNumber = zqpde::kValueTypeNumber;
const zqpde::AccessInfo EjectOptionsAccess = {kNumber, kNumber, NS "EjectOptionsListTicket", nullptr};
const zqpde::AccessInfo SeparatorListAccess = {kNumber, kNumber, NS "SeparatorPageListTicket", nullptr};
const zqpde::AccessInfo TabMarginSwitchAccess = {kNumber, kNumber, NS "TabMarginSwitchTicket", nullptr};
const zqpde::AccessInfo NumInSeqSwitchAccess = {kNumber, kNumber, NS "NumInSequenceSwitchTicket", nullptr};
const zqpde::AccessInfo TrimmerSwitchAccess = {kNumber, kNumber, NS "TrimmerSwitchTicket", nullptr};
const zqpde::AccessInfo TrimmerSelectAccess = {kNumber, kNumber, NS "TrimmerSelectTicket", nullptr};
const zqpde::AccessInfo OffsetStackingAccess = {kNumber, kNumber, NS "OffsetStackingListTicket", nullptr};
const zqpde::AccessInfo BookletSwitchAccess = {kNumber, kNumber, NS "BookletMarginSwitchTicket", nullptr};

#define ZQ_DIGITS_ONLY {1, {{'0', '9'}}}
const zqpde::TextEditIniData TonerRateIniData = {nullptr, "0", 1, 2};
// The rate has its own alert text: "Message22e2" belongs to the booklet
// margin's inch field, whose range it states.
const zqpde::TextEditFilterData TonerRateFilterData = {ZQ_DIGITS_ONLY, ZQ_DIGITS_ONLY, "Toner Reduction Rate Message"};

const char* const kSummaryGroupTitleKey = "GroupUI List Control Title";

std::vector<std::string> TextList(const zqp::InfoValue* v) {
    std::vector<std::string> out;
    if (v == nullptr) return out;
    for (const zqp::InfoValue& e : v->array)
        if (e.type == zqp::InfoValue::Type::kText) out.push_back(e.text);
    return out;
}

}  // namespace

// ---- bundle rules ----------------------------------------------------------------

bool FeaturesPanelOffered(ppd_file_t* ppd, const zqp::Bundle* bundle) {
    if (ppd == nullptr) return false;
    const std::string keyword = zqpde::FixPPDKeywordAccordingToType(ppd, kZQProductTypeFeatures);
    ppd_attr_t* mode = zqpde::ppdFindAttr_ALT(ppd, keyword.c_str(), nullptr);
    if (mode == nullptr || mode->value == nullptr || std::strcmp(mode->value, kPRODUCTMODEDISABLED) == 0) return false;
    if (bundle == nullptr) return false;
    for (const char* page : FeaturesHelpString)
        if (!bundle->pathForResource(page, "htm", "Help")) return false;
    if (ppd_attr_t* layout = zqpde::ppdFindAttr_ALT(ppd, kZQLayoutSettings, nullptr)) {
        // A layout value without "-" names no help page.
        std::optional<std::string> suffix = SettingPart(layout->value, 1);
        if (!suffix || !bundle->pathForResource("Margins_" + *suffix, "htm", "Help")) return false;
    }
    return true;
}

std::optional<ModeInfo> ModeInfoFromBundle(const zqp::Bundle* bundle, const std::string& mode) {
    if (bundle == nullptr || mode.empty()) return std::nullopt;
    const zqp::InfoValue* entry = bundle->infoObject(mode);
    // The one shape we read: a list holding exactly one list of keywords.
    if (entry == nullptr || entry->type != zqp::InfoValue::Type::kArray || entry->array.size() != 1 ||
        entry->array[0].type != zqp::InfoValue::Type::kArray)
        return std::nullopt;
    ModeInfo info;
    info.excluded = TextList(&entry->array[0]);
    const zqp::InfoValue* supported = bundle->infoObject(kZQPPDKeySupported);
    if (supported == nullptr || supported->type != zqp::InfoValue::Type::kArray) return std::nullopt;
    info.supported = TextList(supported);
    return info;
}

// ---- panel -----------------------------------------------------------------------

// The log lines of the open name the restore, whichever call opens.
constexpr const char* kOpenLogTag = "restoreValuesAndReturnError";

PrintFeaturesPDEr15::PrintFeaturesPDEr15(zqp::DialogHost* host) : zqpde::ExtensionPanel(host, "PrintFeaturesPDE") {}

PrintFeaturesPDEr15::~PrintFeaturesPDEr15() { terminate(); }

void PrintFeaturesPDEr15::BindOutlets(zqp::Outlets& outlets) {
    outlets.bind("PrintFeaturesView", PrintFeaturesView);
    outlets.bind("FeaturesSetSText", FeaturesSetSText);
    outlets.bind("printFeatureGroupList", printFeatureGroupList);
    outlets.bind("printFeatureGroupBox", printFeatureGroupBox);
    outlets.bind("pfPopupButtonTitle", pfPopupButtonTitle);
    outlets.bind("pfSeparatorSetupButton", pfSeparatorSetupButton);
    outlets.bind("pfTabMarginSetupButton", pfTabMarginSetupButton);
    outlets.bind("pfTrimmerSetupButton", pfTrimmerSetupButton);
    outlets.bind("pfBookletMarginSetupButton", pfBookletMarginSetupButton);
    outlets.bind("pfOffsetStackingSetupButton", pfOffsetStackingSetupButton);
    outlets.bind("pfNumInSeqSetupButton", pfNumInSeqSetupButton);
}

bool PrintFeaturesPDEr15::LoadView(const char* logTag, std::string*) {
    if (PrintFeaturesView != nullptr) return true;
    zqp::Outlets outlets;
    BindOutlets(outlets);
    loadNibNamed(kFeaturesNib, outlets, nullptr);
    zqp::Log("PrintFeaturesPDE : %s - %d", logTag, static_cast<int>(topLevelObjs.size()));
    // Templates appear only where a control takes them over.
    for (zqp::Button* b : {pfSeparatorSetupButton, pfTabMarginSetupButton, pfTrimmerSetupButton,
                           pfBookletMarginSetupButton, pfOffsetStackingSetupButton, pfNumInSeqSetupButton})
        if (b != nullptr) b->setHidden(true);
    if (pfPopupButtonTitle != nullptr) pfPopupButtonTitle->setHidden(true);
    return PrintFeaturesView != nullptr;
}

std::string PrintFeaturesPDEr15::panelName() {
    if (std::string table = zqpde::TextTableFromPPD(HostPPD()); !table.empty()) LocalizeTableName = table;
    if (thePDEName.empty() && zqpde::pluginBundle != nullptr)
        thePDEName = zqpde::pluginBundle->localizedString("PDE Title", zqp::kNoTranslation, StringTable());
    return thePDEName;
}

std::string PrintFeaturesPDEr15::LocalizedText(const char* key) const {
    if (zqpde::pluginBundle == nullptr) return key;
    return zqpde::pluginBundle->localizedString(key, zqp::kNoTranslation, StringTable());
}

zqp::PrintSettings* PrintFeaturesPDEr15::Settings() const {
    if (m_pSettings != nullptr) return m_pSettings;
    return m_pPDECallbackObj != nullptr ? m_pPDECallbackObj->printSettings() : nullptr;
}

void PrintFeaturesPDEr15::WriteCoilPunchFace(ppd_file_t* ppd) {
    zqp::PrintSettings* settings = Settings();
    if (settings == nullptr) return;
    ppd_attr_t* face = zqpde::ppdFindAttr_ALT(ppd, "ZQCoilPunchFace", nullptr);
    settings->SetValue(NS "CoilPunchFaceTicket", CoilPunchFaceTicketValue(face != nullptr ? face->value : nullptr),
                       false);
}

std::vector<std::string> PrintFeaturesPDEr15::supportedPPDOptionKeys() {
    ppd_file_t* ppd = HostPPD();
    if (ppd == nullptr) return {};
    // One hash per panel, made once and owned here.
    if (!ownHash_ && zqpde::CDFKeyExist(ppd, "ZQXCDFSetting")) {
        ownHash_ = std::make_unique<zqpde::ConstraintHash>(100);
        zqpde::GetEPPD(ppd, *ownHash_, "ZQXCDFSetting", "PrintFeaturePDE");
        eppd = ownHash_.get();
    }
    WriteCoilPunchFace(ppd);
    ppd_attr_t* mode = zqpde::ppdFindAttr_ALT(ppd, kZQProductTypeFeatures, nullptr);
    if (mode == nullptr || mode->value == nullptr) return {};
    currentProductMode = mode->value;
    return ProductModeKeys(currentProductMode).value_or(std::vector<std::string>{});
}

void PrintFeaturesPDEr15::RefreshCrossPanelState() {
    cross_.mailbox = IsJobTypeMailbox();
    cross_.specialPage = IsSpecialPage();
    cross_.watermark = IsWatermark();
}

bool PrintFeaturesPDEr15::IsJobTypeMailbox() {
    int32_t version = 0;
    zqpde::Gestalt_ALT(zqpde::FourCharCode("sysv"), &version);
    std::string value;
    if (version < 0x1070) {
        std::string key;
        if (zqpde::CreateKeyWithCurrentPrinter(NS "PrintTypeReference", GetCurrentPrinterString().c_str(), &key))
            value = zqp::Preferences::CopyString(key, zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                                 zqp::PrefHost::kCurrentHost)
                        .value_or("");
    } else {
        zqp::PrintSettings* settings = Settings();
        if (settings == nullptr || settings->GetValue(NS "PrintTypeTicketKey", value) != 0) return false;
    }
    return IsMailboxPrintTypeText(zqp::Utf8Prefix(value, 254));
}

bool PrintFeaturesPDEr15::IsSpecialPage() {
    zqp::PrintSettings* settings = Settings();
    std::string value;
    return settings != nullptr && settings->GetValue(NS "SpecialPageRecordCountTicket", value) == 0 &&
           IsSpecialPageCountText(value);
}

bool PrintFeaturesPDEr15::IsWatermark() {
    zqp::PrintSettings* settings = Settings();
    std::string value;
    return settings != nullptr && settings->GetValue(NS "WMARKNameTicket", value) == 0 && !value.empty();
}

namespace {
// A control that exists and whose committed value is absent or equals one.
template <class C>
bool ValueIsOne(C* c) {
    if (c == nullptr) return false;
    return c->GetControlBlkPtr() == nullptr || c->GetValue() == 1;
}
}  // namespace

bool PrintFeaturesPDEr15::IsSeparatorOff() { return ValueIsOne(pfSeparatorListCtrlPtr); }
bool PrintFeaturesPDEr15::IsTabMarginShift() { return ValueIsOne(pfTabMarginCheckBoxPtr); }
bool PrintFeaturesPDEr15::IsTrimmer() { return ValueIsOne(pfTrimmerCheckBoxPtr); }
bool PrintFeaturesPDEr15::IsBookletMarginShift() { return ValueIsOne(pfBookletMarginCheckBoxPtr); }
bool PrintFeaturesPDEr15::IsNumberInSequence() { return ValueIsOne(pfNumInSequenceCheckBoxPtr); }

bool PrintFeaturesPDEr15::IsOffsetStacking() {
    if (pOffsetStackingListCtrlPtr == nullptr) return false;
    const char* ui = pOffsetStackingListCtrlPtr->GetValueFromUIDataBlk();
    if (ui == nullptr) return true;
    int32_t v = 0;
    std::memcpy(&v, ui, sizeof v);
    return v == 4 || v == 5;
}

int32_t PrintFeaturesPDEr15::getTrimmerListValue() {
    zqp::View* v = pfTrimmerListCtrlPtr != nullptr ? pfTrimmerListCtrlPtr->GetControlPtr() : nullptr;
    auto* p = dynamic_cast<zqp::PopUpButton*>(v);
    return p != nullptr ? std::max(p->indexOfSelectedItem() + 1, 0) : 0;
}

int32_t PrintFeaturesPDEr15::getOffsetStackingValue() {
    zqp::View* v = pOffsetStackingListCtrlPtr != nullptr ? pOffsetStackingListCtrlPtr->GetControlPtr() : nullptr;
    auto* p = dynamic_cast<zqp::PopUpButton*>(v);
    return p != nullptr ? std::max(p->indexOfSelectedItem() + 1, 0) : 0;
}

zqp::View* PrintFeaturesPDEr15::GetFeaturesGroupBox() { return printFeatureGroupBox; }

int32_t PrintFeaturesPDEr15::RunTimeAddNewControl(std::unique_ptr<zqpde::BaseControl> control) {
    if (!listsCreated) return 0;
    return BasePrintPanel::RunTimeAddNewControl(std::move(control));
}

void PrintFeaturesPDEr15::willShow() { Open(); }

int32_t PrintFeaturesPDEr15::Open() {
    RefreshCrossPanelState();
    // Controls that were never initialised (a panel without usable options)
    // are left alone.
    return controlsInitialised ? BasePrintPanel::Open() : 0;
}

int32_t PrintFeaturesPDEr15::SetValueFromUIToControl() {
    RefreshCrossPanelState();
    return controlsInitialised ? BasePrintPanel::SetValueFromUIToControl() : 0;
}

zqp::Summary PrintFeaturesPDEr15::summaryInfo() {
    RefreshCrossPanelState();
    return controlsInitialised ? SummaryOfControls() : zqp::Summary{};
}

void PrintFeaturesPDEr15::CreatePanel(zqp::Window* window) {
    BasePrintPanel::CreatePanel(window);
    if (FeaturesSetSText != nullptr) {
        auto label = std::make_unique<zqpde::StaticTextEditControl>();
        label->CreateControl(FeaturesSetSText, nullptr, nullptr, nullptr, nullptr, nullptr, kSummaryGroupTitleKey);
        RunTimeAddNewControl(std::move(label));
    }
    if (printFeatureGroupList != nullptr) {
        auto groups = std::make_unique<PFGroupListARK>();
        static const zqp::PrefUser kCurrentUser = zqp::PrefUser::kCurrentUser;
        groups->CreateControl(printFeatureGroupList, &GroupListIniData, nullptr, nullptr, &kCurrentUser);
        RunTimeAddNewControl(std::move(groups));
    }
    PrintFeaturesMode.clear();
    plan_ = LayoutPlan{};
    isLayoutPanelExist = false;
    cross_ = CrossPanelState{};
}

int32_t PrintFeaturesPDEr15::InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) {
    ppd_attr_t* mode = zqpde::ppdFindAttr_ALT(ppd, kZQProductTypeFeatures, nullptr);
    PrintFeaturesMode = mode != nullptr && mode->value != nullptr ? mode->value : "";
    zqp::Bundle* own = zqp::Bundle::WithIdentifier(kFeaturesBundleID);
    if (own == nullptr) own = bundle;
    if (!ModeInfoFromBundle(own, PrintFeaturesMode)) return 1;

    // Setup buttons of absent options stay hidden (they are hidden from the
    // start and shown only where a control takes them over).
    if (ppd_attr_t* layout = zqpde::ppdFindAttr_ALT(ppd, kZQLayoutSettings, nullptr))
        isLayoutPanelExist = SettingPart(layout->value, 0).value_or("") == "Default00";

    assemblyStatus_ = AddUserPaneControl(own, ppd);
    if (assemblyStatus_ != 0) {
        // The controls are never set up: their empty views are not shown.
        if (printFeatureGroupBox != nullptr) printFeatureGroupBox->setHidden(true);
        return assemblyStatus_;
    }
    pdeBundleRef = bundle;
    InitializeUserPaneControl(bundle, ppd);
    SetControlEventHandler();
    InitilaizeChildWindow(bundle, ppd);
    controlsInitialised = true;
    return ConstrainPanelControlFromPPD(ppd);
}

SlotPlace PrintFeaturesPDEr15::Place(int32_t slot, int32_t group) { return {slot, group, printFeatureGroupBox}; }

int32_t PrintFeaturesPDEr15::GetListTitleLength(const std::string& title) const {
    if (title.empty()) return 0;
    const double width = zqp::AttributedString(title, zqp::TextAttributes{}).size().width;
    return static_cast<int32_t>(std::trunc(width)) + ktitleCtrlWidthOffset;
}

PPDStaticTextCtrlExt* PrintFeaturesPDEr15::AddTitle(ppd_file_t* ppd, const char* keyword, const SlotPlace& place) {
    const std::string title = zqpde::GetUITitleFromPPD(ppd, keyword).value_or("");
    auto label = std::make_unique<PPDStaticTextCtrlExt>();
    label->CreateControl(pfPopupButtonTitle, keyword, GetListTitleLength(title), place);
    return AddNewControl(std::move(label));
}

namespace {
// A title as wide as its text, but never so wide that the pop-up beside it
// is squeezed out of its slot.
int32_t TitleWidth(int32_t measured, int32_t total) { return std::min(measured, std::max(total - 80, 0)); }

template <class List>
List* MakeList(PrintFeaturesPDEr15& panel, ppd_file_t* ppd, const char* keyword, PPDStaticTextCtrlExt* title,
               int32_t measured, int32_t total, const zqpde::ConstrainInfo* constrain,
               const zqpde::AccessInfo* access, const SlotPlace& place) {
    (void)ppd;
    auto list = std::make_unique<List>();
    list->CreateControl(keyword, &PFListIniData, constrain, access, total, TitleWidth(measured, total), title, place);
    return panel.AddNewControl(std::move(list));
}
}  // namespace

void PrintFeaturesPDEr15::AddOrdinaryOption(const PlacedOption& placed, ppd_file_t* ppd) {
    const char* keyword = placed.option->keyword;
    const SlotPlace place = Place(placed.slot, placed.group);
    if (placed.kind == SlotKind::kPopUp) {
        PPDStaticTextCtrlExt* title = AddTitle(ppd, keyword, place);
        const int32_t measured = GetListTitleLength(zqpde::GetUITitleFromPPD(ppd, keyword).value_or(""));
        if (std::strcmp(keyword, "ZQEjectOptions") == 0)
            pEjectOptionsListCtrlPtr = MakeList<PFEjectOptionsListCtrlARK>(
                *this, ppd, keyword, title, measured, kPopUpCtrlTotalWidth, nullptr, &EjectOptionsAccess, place);
        else
            MakeList<PFListARK>(*this, ppd, keyword, title, measured, kPopUpCtrlTotalWidth, nullptr, nullptr, place);
    } else if (placed.kind == SlotKind::kCheckBox) {
        AddNewControl(std::make_unique<PFCheckBoxARK>(keyword, &PFCheckBoxIniData, nullptr, nullptr, place));
    } else {
        return;  // the slot stays empty
    }
    zqPPDKeywordList.emplace_back(keyword);
}

void PrintFeaturesPDEr15::AddSetupButton(zqp::Button* templ, int32_t tag, const char* titleKey,
                                         const SlotPlace& place, FeatureWindow window) {
    if (templ == nullptr) return;
    templ->setTag(tag);
    templ->setHidden(false);
    AddNewControl(std::make_unique<PFSetupButtonARK>(templ, titleKey, place, window));
}

void PrintFeaturesPDEr15::CreateCoversSepControl(ppd_file_t* ppd) {
    const int32_t group = plan_.coversSeparator.group;
    for (size_t i = 0; i < plan_.coversSeparator.realOptions.size(); ++i) {
        ppd_option_t* option = plan_.coversSeparator.realOptions[i];
        const char* keyword = option->keyword;
        const SlotPlace place = Place(static_cast<int32_t>(i), group);
        const std::optional<std::string> title = zqpde::GetUITitleFromPPD(ppd, keyword);
        const int32_t measured = GetListTitleLength(title.value_or(""));
        if (std::strcmp(keyword, "ZQIntCoverSheet") == 0 || std::strcmp(keyword, "ZQIntBackCoverSheet") == 0) {
            // A front cover without a title is not placed at all.
            if (!title && std::strcmp(keyword, "ZQIntCoverSheet") == 0) continue;
            PPDStaticTextCtrlExt* label = AddTitle(ppd, keyword, place);
            if (auto* list = MakeList<PFCoverListARK>(*this, ppd, keyword, label, measured, kPopUpCtrlTotalWidth,
                                                      nullptr, nullptr, place))
                list->SetControlTag(std::strcmp(keyword, "ZQIntCoverSheet") == 0 ? tags::kFrontCover
                                                                                 : tags::kBackCover);
        } else if (std::strcmp(keyword, "ZQIntSheet") == 0) {
            PPDStaticTextCtrlExt* label = AddTitle(ppd, keyword, place);
            pfSeparatorListCtrlPtr =
                MakeList<PFListExtARK>(*this, ppd, keyword, label, measured, kTabMarginCtrlTotalWidth,
                                       &SeparatorListConstrain, &SeparatorListAccess, place);
            if (pfSeparatorListCtrlPtr != nullptr) pfSeparatorListCtrlPtr->SetControlTag(tags::kSeparatorList);
            AddSetupButton(pfSeparatorSetupButton, tags::kSeparatorSetup, "Setup Button Text", place,
                           FeatureWindow::kSeparator);
        } else if (std::strcmp(keyword, "ZQIntSheetMediaType") == 0) {
            PPDStaticTextCtrlExt* label = AddTitle(ppd, keyword, place);
            if (auto* list = MakeList<PFCoverTypeListARK>(*this, ppd, keyword, label, measured, kPopUpCtrlTotalWidth,
                                                          nullptr, nullptr, place))
                list->SetBringConsArray(kCoverLists);
        } else {
            continue;
        }
        zqPPDKeywordList.emplace_back(keyword);
    }
}

void PrintFeaturesPDEr15::CreateLayoutControl(ppd_file_t* ppd) {
    const int32_t group = plan_.layout.group;
    int32_t slot = 0;
    for (ppd_option_t* option : plan_.layout.realOptions) {
        if (option->ui != PPD_UI_PICKONE) continue;
        const SlotPlace place = Place(slot++, group);
        const int32_t measured = GetListTitleLength(zqpde::GetUITitleFromPPD(ppd, option->keyword).value_or(""));
        PPDStaticTextCtrlExt* label = AddTitle(ppd, option->keyword, place);
        const bool booklet = std::strcmp(option->keyword, "ZQSignature") == 0;
        MakeList<PFListARK>(*this, ppd, option->keyword, label, measured, kPopUpCtrlTotalWidth,
                            booklet ? &BookletSelectionConstrain : nullptr, nullptr, place);
        zqPPDKeywordList.emplace_back(option->keyword);
    }
    for (ppd_option_t* option : plan_.layout.realOptions) {
        if (option->ui != PPD_UI_BOOLEAN) continue;
        AddNewControl(std::make_unique<PFCheckBoxARK>(option->keyword, &PFCheckBoxIniData, nullptr, nullptr,
                                                      Place(slot++, group)));
        zqPPDKeywordList.emplace_back(option->keyword);
    }
    const SlotPlace place = Place(slot, group);
    pfBookletMarginCheckBoxPtr = AddNewControl(std::make_unique<PFNonPPDCheckBoxARK>(
        &BookletMarginCheckboxIniData, &BookletSwitchConstrain, &BookletSwitchAccess, place, tags::kBookletSwitch));
    AddSetupButton(pfBookletMarginSetupButton, tags::kBookletSetup, "Setup Button Text", place,
                   FeatureWindow::kBookletMargin);
}

void PrintFeaturesPDEr15::CreateTonerSaverControl(ppd_file_t* ppd) {
    const int32_t group = plan_.tonerSaver.group;
    for (size_t i = 0; i < plan_.tonerSaver.realOptions.size(); ++i) {
        ppd_option_t* option = plan_.tonerSaver.realOptions[i];
        const SlotPlace place = Place(static_cast<int32_t>(i), group);
        const int32_t measured = GetListTitleLength(zqpde::GetUITitleFromPPD(ppd, option->keyword).value_or(""));
        if (option->ui == PPD_UI_BOOLEAN) {
            AddNewControl(std::make_unique<PFCheckBoxARK>(option->keyword, &PFCheckBoxIniData, nullptr, nullptr, place));
        } else if (std::strcmp(option->keyword, "ZQTonerSaver") == 0) {
            PPDStaticTextCtrlExt* label = AddTitle(ppd, option->keyword, place);
            if (auto* list = MakeList<PFCoverListARK>(*this, ppd, option->keyword, label, measured,
                                                      kPopUpCtrlTotalWidth, nullptr, nullptr, place))
                list->SetControlTag(tags::kTonerSaverList);
        } else if (std::strcmp(option->keyword, "ZQTonerReductionRate") == 0) {
            PPDStaticTextCtrlExt* label = AddTitle(ppd, option->keyword, place);
            auto field = std::make_unique<PPDTextEditControlExt>();
            field->CreateControl(option->keyword, &TonerRateIniData, &TonerRateFilterData, kPopUpCtrlTotalWidth,
                                 TitleWidth(measured, kPopUpCtrlTotalWidth), label, place, tags::kTonerRateField);
            AddNewControl(std::move(field));
        } else {
            continue;
        }
        zqPPDKeywordList.emplace_back(option->keyword);
    }
}

void PrintFeaturesPDEr15::CreateAdvancedFeaturesControl(ppd_file_t* ppd) {
    const int32_t group = plan_.advancedGroup;
    int32_t slot = 0;
    if (ppdFindOption(ppd, "ZQTabMarginShiftEx") != nullptr) {
        const SlotPlace place = Place(slot++, group);
        pfTabMarginCheckBoxPtr = AddNewControl(std::make_unique<PFCheckBoxExtARK>(
            "ZQTabMarginShiftEx", &TabMarginCheckboxIniData, &TabMarginSwitchConstrain, &TabMarginSwitchAccess, place));
        AddSetupButton(pfTabMarginSetupButton, tags::kTabMarginSetup, "Shift Button Text", place,
                       FeatureWindow::kTabMargin);
        zqPPDKeywordList.emplace_back("ZQTabMarginShiftEx");
    }
    if (ppdFindOption(ppd, "ZQTabNumberInSequence") != nullptr) {
        const SlotPlace place = Place(slot++, group);
        pfNumInSequenceCheckBoxPtr = AddNewControl(std::make_unique<PFCheckBoxExtARK>(
            "ZQTabNumberInSequence", &PFCheckBoxIniData, &NumInSeqSwitchConstrain, &NumInSeqSwitchAccess, place));
        AddSetupButton(pfNumInSeqSetupButton, tags::kNumInSeqSetup, "Num In Sequence Button Text", place,
                       FeatureWindow::kNumInSeq);
        zqPPDKeywordList.emplace_back("ZQTabNumberInSequence");
    }
    if (ppdFindOption(ppd, "ZQJog") != nullptr) {
        const SlotPlace place = Place(slot++, group);
        const int32_t measured = GetListTitleLength(zqpde::GetUITitleFromPPD(ppd, "ZQJog").value_or(""));
        PPDStaticTextCtrlExt* label = AddTitle(ppd, "ZQJog", place);
        pOffsetStackingListCtrlPtr =
            MakeList<PFOffsetStackingListCtrlARK>(*this, ppd, "ZQJog", label, measured, kPopUpCtrlTotalWidthWithButton,
                                                  &OffsetStackingConstrain, &OffsetStackingAccess, place);
        AddSetupButton(pfOffsetStackingSetupButton, tags::kOffsetStackingSetup, "Offset Stacking Button Text", place,
                       FeatureWindow::kOffsetStackingPages);
        zqPPDKeywordList.emplace_back("ZQJog");
    }
    if (ppd_option_t* trimming = ppdFindOption(ppd, "ZQTrimming")) {
        const SlotPlace place = Place(slot++, group);
        if (trimming->ui == PPD_UI_PICKONE) {
            const int32_t measured = GetListTitleLength(zqpde::GetUITitleFromPPD(ppd, "ZQTrimming").value_or(""));
            PPDStaticTextCtrlExt* label = AddTitle(ppd, "ZQTrimming", place);
            pfTrimmerListCtrlPtr =
                MakeList<KPFTRIMMERLISTCTRL>(*this, ppd, "ZQTrimming", label, measured, kPopUpCtrlTotalWidthWithButton,
                                             &TrimmerConstrain, &TrimmerSelectAccess, place);
        } else {
            pfTrimmerCheckBoxPtr = AddNewControl(std::make_unique<PFCheckBoxExtARK>(
                "ZQTrimming", &PFCheckBoxIniData, &TrimmerConstrain, &TrimmerSwitchAccess, place));
        }
        AddSetupButton(pfTrimmerSetupButton, tags::kTrimmerSetup, "Shift Button Text", place, FeatureWindow::kTrimmer);
        zqPPDKeywordList.emplace_back("ZQTrimming");
    }
}

void PrintFeaturesPDEr15::xSeteppd(ppd_file_t* ppd, zqpde::ConstraintHash& hash) {
    if (ppd == nullptr) return;
    for (int i = 0; i < ppd->num_consts; ++i) {
        const ppd_const_t& c = ppd->consts[i];
        const bool placed = std::find(zqPPDKeywordList.begin(), zqPPDKeywordList.end(), c.option1) !=
                                zqPPDKeywordList.end() ||
                            std::find(zqPPDKeywordList.begin(), zqPPDKeywordList.end(), c.option2) !=
                                zqPPDKeywordList.end();
        if (placed) zqpde::AddConstraintToHash(ppd, hash, i);
    }
}

int32_t PrintFeaturesPDEr15::AddUserPaneControl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    std::optional<ModeInfo> info = ModeInfoFromBundle(bundle, PrintFeaturesMode);
    if (!info) return 0;
    LayoutInput input;
    input.supported = std::move(info->supported);
    input.excluded = std::move(info->excluded);
    input.layoutPanelExist = isLayoutPanelExist;
    input.generalTitle = LocalizedText("GeneralGroupText");
    input.coversSeparatorTitle = LocalizedText("Covers Separator Ttitle String");
    input.layoutTitle = LocalizedText("Layout Ttitle String");
    input.tonerSaverTitle = LocalizedText("Toner Saver Title String");
    input.advancedTitle = LocalizedText("Adavaned Features Title");
    plan_ = PlanFeaturesPanel(ppd, input);
    AllGroupNameStrArray = plan_.titles;

    // Controls are made in page order so that each page's controls stand together.
    for (int32_t group = 0; group < static_cast<int32_t>(plan_.titles.size()); ++group) {
        for (const PlacedOption& placed : plan_.ordinary)
            if (placed.group == group) AddOrdinaryOption(placed, ppd);
        if (plan_.coversSeparator.present && plan_.coversSeparator.group == group) CreateCoversSepControl(ppd);
        if (plan_.layout.present && plan_.layout.group == group) CreateLayoutControl(ppd);
        if (plan_.tonerSaver.present && plan_.tonerSaver.group == group) CreateTonerSaverControl(ppd);
        if (plan_.advanced && plan_.advancedGroup == group) CreateAdvancedFeaturesControl(ppd);
    }
    CreateFeatureWindows(bundle, ppd);

    if (!zqpde::CDFKeyExist(ppd, "ZQXCDFSetting")) {
        if (!ownHash_) ownHash_ = std::make_unique<zqpde::ConstraintHash>(100);
        ownHash_->clear();
        xSeteppd(ppd, *ownHash_);
        eppd = ownHash_.get();
    }
    return plan_.status();
}

zqp::Window* PrintFeaturesPDEr15::FirstOpenWindow() {
    return PrintFeaturesView != nullptr ? PrintFeaturesView->window() : nullptr;
}

void PrintFeaturesPDEr15::InitializeFirstOpen(zqp::DialogHost*, ppd_file_t* ppd) {
    // A constraint file read when the dialog asked for the keys; the hash
    // from the PPD otherwise (also when the dialog never asked).
    if (!ownHash_ && zqpde::CDFKeyExist(ppd, "ZQXCDFSetting")) {
        ownHash_ = std::make_unique<zqpde::ConstraintHash>(100);
        zqpde::GetEPPD(ppd, *ownHash_, "ZQXCDFSetting", "PrintFeaturePDE");
    }
    if (!ownHash_) ownHash_ = std::make_unique<zqpde::ConstraintHash>(100);
    SeteppdPtr(ownHash_.get());
    InitializeUserPane(zqpde::pluginBundle, ppd);
    if (assemblyStatus_ != 0) zqp::Log("PrintFeaturesPDE : InitializeUserPane - %d", static_cast<int>(assemblyStatus_));
}

void PrintFeaturesPDEr15::RestoreValues(ppd_file_t* ppd, bool first) {
    RefreshCrossPanelState();
    if (controlsInitialised) ShowTicketValues(ppd, first);
}

bool PrintFeaturesPDEr15::restoreValuesAndReturnError(std::string*) { return OpenPDE(kOpenLogTag, nullptr); }

bool PrintFeaturesPDEr15::shouldPrint() {
    if (bFirstInitialzePDE) OpenPDE(kOpenLogTag, nullptr);
    CommitShownValues();
    if (controlsInitialised) WriteTicketTo(Settings());
    NotePrintGateWrote();
    return true;
}

bool PrintFeaturesPDEr15::saveValuesAndReturnError(std::string*) {
    CommitShownValues();
    // The save right after the print gate writes no ticket again.
    if (!TakePrintGateWrote() && controlsInitialised) WriteTicketTo(Settings());
    // Read after this save's marks, so the flag names the paper the printer gets.
    ppd_file_t* ppd = HostPPD();
    bool tab = false;
    if (ppd != nullptr)
        for (const char* key : ppdKeyArrayMediaType)
            if (ppd_choice_t* marked = ppdFindMarkedChoice(ppd, key); marked != nullptr && IsTabOrCoatingChoice(marked->choice))
                tab = true;
    if (zqp::PrintSettings* settings = Settings())
        settings->SetValue(NS "featuresMediaTypeTabTicket", tab ? "true" : "false", false);
    return true;
}

// ---- principal class -----------------------------------------------------------

std::vector<std::unique_ptr<zqp::Panel>> PrintFeaturesPDEPluginr15::PanelsForPPD(ppd_file_t* ppd, zqp::Bundle* bundle,
                                                                                 zqp::DialogHost* host) {
    std::vector<std::unique_ptr<zqp::Panel>> panels;
    if (!FeaturesPanelOffered(ppd, bundle)) return panels;
    panels.push_back(std::make_unique<PrintFeaturesPDEr15>(host));
    return panels;
}

}  // namespace zqfeat

ZQP_DEFINE_PLUGIN(zqfeat::PrintFeaturesPDEPluginr15)
