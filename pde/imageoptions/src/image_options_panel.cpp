#include "image_options_panel.h"

#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/preferences.h>
#include <zqp/print_settings.h>
#include <zqp/system.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "ppd_checker.h"
#include "zqpde/app_resources.h"
#include "zqpde/number_text.h"
#include "zqpde/os_version.h"
#include "zqpde/panel_factory.h"
#include "zqpde/ppd_util.h"
#include "zqpde/ticket_value.h"
#include "zqpde/value_cache.h"

namespace zqimg {

const char* const kPluginTypeItems[] = {"Type00-1", "Type00-2", "Type01", "Type02", "Type03", nullptr};
const zqpde::ListCtrlIniData kPluginTypeIniData = {0, 1, 0, kPluginTypeItems};

namespace {

constexpr int32_t kPrintSettingsVersion = 0x1070;  // the print type is in the ticket from here on

template <int32_t V>
constexpr int32_t kTag = V;

// ---- main panel tables ----------------------------------------------------------------------------

const zqpde::ListCtrlIniData kListIniData = {1, 1, 1, nullptr};
const int32_t* const kScreen[] = {&kTag<kScreenTag>, nullptr};

const int32_t* const kBlackWhiteOff[] = {&kTag<kBasicRadioTag>, &kTag<kAdvancedRadioTag>, &kTag<kImageTypeTag>,
                                         &kTag<kRGBCorrectionTag>, &kTag<kCMYKCorrectionTag>, &kTag<206>, &kTag<207>,
                                         &kTag<208>, &kTag<kImageSettingsTag>, nullptr};
const zqpde::ConstrainTagList kColorModeDisable[] = {nullptr, kBlackWhiteOff};
const zqpde::ConstrainTagList kScreenTwice[] = {kScreen, kScreen};
const zqpde::ConstrainInfo ColorModeConstrain = {zqpde::ConstrainListsOf(kColorModeDisable), {},
                                                 zqpde::ConstrainListsOf(kScreenTwice)};
const zqpde::ConstrainTagList kScreenThrice[] = {kScreen, kScreen, kScreen};
const zqpde::ConstrainInfo OutputModeConstrain = {{}, {}, zqpde::ConstrainListsOf(kScreenThrice)};
const zqpde::ConstrainTagList kScreenTwelve[] = {kScreen, kScreen, kScreen, kScreen, kScreen, kScreen,
                                                 kScreen, kScreen, kScreen, kScreen, kScreen, kScreen};
const zqpde::ConstrainInfo ImageTypeConstrain = {{}, {}, zqpde::ConstrainListsOf(kScreenTwelve)};
const zqpde::ConstrainInfo RGBConstrain = {{}, {}, zqpde::ConstrainListsOf(kScreenThrice)};

const zqpde::SliderBarIniData BrightnessIniData = {0, 0, 0, -5, 5};

// A radio's lists: entry 0 applies while it is off.
const int32_t* const kBasicOffHide[] = {&kTag<kImageTypeTag>, &kTag<206>, nullptr};
const int32_t* const kUpdateAdvanced[] = {&kTag<kAdvancedRadioTag>, nullptr};
const zqpde::ConstrainTagList kBasicHide[] = {kBasicOffHide, nullptr};
const zqpde::ConstrainTagList kBasicUpdate[] = {kUpdateAdvanced, kUpdateAdvanced};
const zqpde::ConstrainInfo BasicConstrain = {{}, zqpde::ConstrainListsOf(kBasicHide), zqpde::ConstrainListsOf(kBasicUpdate)};
const int32_t* const kAdvancedOffHide[] = {&kTag<kRGBCorrectionTag>, &kTag<207>, &kTag<kCMYKCorrectionTag>, &kTag<208>,
                                           nullptr};
const int32_t* const kAdvancedOffDisable[] = {&kTag<501>, &kTag<502>, &kTag<503>, &kTag<504>, &kTag<505>, &kTag<506>,
                                              &kTag<511>, &kTag<512>, &kTag<513>, &kTag<514>, &kTag<515>, &kTag<516>,
                                              nullptr};
const int32_t* const kUpdateBasic[] = {&kTag<kBasicRadioTag>, nullptr};
const zqpde::ConstrainTagList kAdvancedHide[] = {kAdvancedOffHide, nullptr};
const zqpde::ConstrainTagList kAdvancedDisable[] = {kAdvancedOffDisable, nullptr};
const zqpde::ConstrainTagList kAdvancedUpdate[] = {kUpdateBasic, kUpdateBasic};
const zqpde::ConstrainInfo AdvancedConstrain = {zqpde::ConstrainListsOf(kAdvancedDisable),
                                                zqpde::ConstrainListsOf(kAdvancedHide),
                                                zqpde::ConstrainListsOf(kAdvancedUpdate)};
// The initial value is none, so the first showing applies the lists of the
// state the radio shows.
const zqpde::RadioButtonIniData BasicIniData = {1, 1, -1, "Basic Setting Radio Button", nullptr};
const zqpde::RadioButtonIniData AdvancedIniData = {0, 0, -1, "Advanced Setting Radio Button", nullptr};

const zqpde::AccessInfo* RadioAccess(bool advanced) {
    static const std::string basicKey = TicketKey("BasicSettingRadioBtnTicketKey");
    static const std::string advancedKey = TicketKey("AdvancedSettingRadioBtnTicketKey");
    static const zqpde::AccessInfo basic = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, basicKey.c_str(), nullptr};
    static const zqpde::AccessInfo adv = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, advancedKey.c_str(), nullptr};
    return advanced ? &adv : &basic;
}

}  // namespace

std::string TicketKey(const char* name) { return std::string(Edition().ticketNamespace) + name; }

int xSeteppd(ppd_file_t* ppd, zqpde::ConstraintHash* hash) {
    if (ppd == nullptr || hash == nullptr) return 0;
    auto supported = [](const char* option) {
        if (option == nullptr) return false;
        for (const char* k : SupportedPPDOptionKeys(Edition()))
            if (std::strcmp(k, option) == 0) return true;
        return false;
    };
    for (int i = 0; i < ppd->num_consts; ++i)
        if (supported(ppd->consts[i].option1) || supported(ppd->consts[i].option2))
            zqpde::AddConstraintToHash(ppd, *hash, i);
    return 1;
}

std::optional<ImageOptionsProduct> ImageOptionsProductFromPPD(ppd_file_t* ppd, const zqp::Bundle* bundle) {
    if (ppd == nullptr || bundle == nullptr) return std::nullopt;
    const std::string keyword = Edition().fixesSettingsKeyword
                                    ? zqpde::FixPPDKeywordAccordingToType(ppd, "ZQXImageOptionsSettings")
                                    : std::string("ZQXImageOptionsSettings");
    ppd_attr_t* attr = zqpde::ppdFindAttr_ALT(ppd, keyword.c_str(), nullptr);
    if (attr == nullptr || attr->value == nullptr) return std::nullopt;
    const std::string value = attr->value;
    const size_t dash = value.find('-');
    // A value that names no resource suffix offers no panel.
    if (dash == std::string::npos) return std::nullopt;
    ImageOptionsProduct p{value.substr(0, dash), value.substr(dash + 1)};
    if (!bundle->pathForResource("Graphics_" + p.suffix, "htm", "Help")) return std::nullopt;
    if (!bundle->pathForResource("ZQImageOptions_" + p.product, "nib")) return std::nullopt;
    return p;
}

int32_t PDETypeForProduct(const std::string& product) {
    for (const ProductInfo& row : Edition().products)
        if (product == row.productName) return row.pdeType;
    return 0;
}

bool IsJobTypeMailbox(zqp::PrintSettings* settings, const std::string& printer) {
    int32_t version = 0;
    zqpde::Gestalt_ALT(zqpde::kGestaltSystemVersion, &version);
    std::optional<std::string> text;
    if (version < kPrintSettingsVersion || Edition().printTypeSource == PrintTypeSource::kValueCache) {
        std::string key;
        if (!printer.empty() && zqpde::CreateKeyWithCurrentPrinter(TicketKey("PrintTypeReference").c_str(),
                                                                   printer.c_str(), &key))
            text = version < kPrintSettingsVersion
                       ? zqp::Preferences::CopyString(key, zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                                      zqp::PrefHost::kCurrentHost)
                       : zqpde::RestoreFromValueCache(printer, key, zqp::PrefUser::kCurrentUser);
    } else if (settings != nullptr) {
        std::string v;
        if (settings->GetValue(TicketKey("PrintTypeTicketKey"), v) == 0) text = v;
    }
    if (!text) return false;
    // Read as the other panels read it: "05" and "5x" are 5.
    const std::optional<int32_t> type = zqpde::LeadingDecimalInt32(*text);
    return type && *type == Edition().mailboxPrintType;
}

// ---- panel ----------------------------------------------------------------------------------------

ImageOptionsPDEr15::ImageOptionsPDEr15(zqp::DialogHost* host) : zqpde::ExtensionPanel(host, "ImageOptionsPDE") {}

ImageOptionsPDEr15::~ImageOptionsPDEr15() {
    // The windows refer to the panel's controls: they go first.
    colorBalanceWnd_.reset();
    adjustmentWnd_.reset();
    terminate();
}

void ImageOptionsPDEr15::setPDEType(int32_t type) { pdeType = type >= 0 && type <= 4 ? type : 0; }

const std::string& ImageOptionsPDEr15::getPDENibFileNamePrintType() const {
    static std::string names[std::size(kProductInfo)];
    const auto& products = Edition().products;
    const size_t row = static_cast<size_t>(pdeType) < products.size() ? static_cast<size_t>(pdeType) : 0;
    names[row] = products[row].nibName;
    return names[row];
}

void ImageOptionsPDEr15::BindOutlets(zqp::Outlets& outlets) {
    outlets.bind("ImageOptionsView", ImageOptionsView);
    outlets.bind("ColorBalanceWindow", colorBalanceWindowOutlet);
    outlets.bind("ImageAdjustmentWindow", imageAdjustmentWindowOutlet);
    outlets.bind("ImageAdjustmentBlackOverWindow", imageAdjustmentBlackOverWindowOutlet);
}

zqp::View* ImageOptionsPDEr15::panelView() {
    // The older build does not log the view's load.
    LoadView(Edition().olderBuild ? nullptr : "panelView", nullptr);
    return View();
}

std::string ImageOptionsPDEr15::panelName() {
    // The older build asks the PPD it was set up with and its own bundle.
    const bool older = Edition().olderBuild;
    ppd_file_t* ppd = older ? GetCurrentPPD() : HostPPD();
    if (std::string table = zqpde::TextTableFromPPD(ppd); !table.empty()) LocalizeTableName = table;
    zqp::Bundle* bundle = older ? bundle_ : zqpde::pluginBundle;
    if (!thePanelName_.empty() || bundle == nullptr) return thePanelName_;
    const std::string name = bundle->localizedString("Graphics Title", zqp::kNoTranslation, StringTable());
    // Asked before the set-up, the older build has no PPD yet to name the
    // table: the name is not kept then, so a later call finds the PPD's.
    if (!older || ppd != nullptr) thePanelName_ = name;
    return name;
}

std::string ImageOptionsPDEr15::panelKind() { return Edition().panelKind; }

std::vector<std::string> ImageOptionsPDEr15::supportedPPDOptionKeys() {
    ppd_file_t* ppd = HostPPD();
    hash_ = std::make_unique<zqpde::ConstraintHash>();
    if (zqpde::CDFKeyExist(ppd, "ZQXCDFSetting")) {
        zqpde::GetEPPD(ppd, *hash_, "ZQXCDFSetting", "ImageOptionPDE");
    } else {
        hash_ = std::make_unique<zqpde::ConstraintHash>();
        xSeteppd(ppd, hash_.get());
    }
    const std::span<const char* const> keys = SupportedPPDOptionKeys(Edition());
    return {keys.begin(), keys.end()};
}

void ImageOptionsPDEr15::willShow() {
    gPDESyncSetUI = true;
    Open();
    gPDESyncSetUI = false;
    zqpde::BasePrintPanel::willShow();
}

bool ImageOptionsPDEr15::shouldShowHelp() {
    if (!Edition().helpOpensSettingsPage) return help_ == nullptr || !help_->UIEventHandler();
    ppd_attr_t* attr = bundle_ != nullptr ? zqpde::ppdFindAttr_ALT(HostPPD(), "ZQXImageOptionsSettings", nullptr) : nullptr;
    if (attr == nullptr || attr->value == nullptr) return true;
    // The page is named by the value's resource suffix; without one there
    // is no page to open, and the dialog's own help is not offered either.
    const char* dash = std::strchr(attr->value, '-');
    if (dash == nullptr || dash[1] == '\0') return false;
    zqpde::GotoHelpPage(bundle_, std::string("Graphics_") + (dash + 1) + ".htm", "", "Help Viewer Title for Image Options");
    return false;
}

int32_t ImageOptionsPDEr15::Open() {
    isPrintTypeSavetoMailbox = IsJobTypeMailbox(GetCurrentPMPrintSettings(), GetCurrentPrinterString());
    return zqpde::BasePrintPanel::Open();
}

int32_t ImageOptionsPDEr15::SetValueFromUIToControl() {
    isPrintTypeSavetoMailbox = IsJobTypeMailbox(GetCurrentPMPrintSettings(), GetCurrentPrinterString());
    return zqpde::BasePrintPanel::SetValueFromUIToControl();
}

int32_t ImageOptionsPDEr15::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    isPrintTypeSavetoMailbox = IsJobTypeMailbox(GetCurrentPMPrintSettings(), GetCurrentPrinterString());
    return zqpde::BasePrintPanel::GetSummaryText(dictionary, order);
}

zqp::Summary ImageOptionsPDEr15::summaryInfo() {
    if (bFirstInitialzePDE) return {};
    // The summary describes what the panel shows (and has marked), not what
    // the last save committed.
    CommitShownValues();
    return SummaryOfControls();
}

bool ImageOptionsPDEr15::IsAdvancedSettingAvailable() {
    if (advanced_ == nullptr) return false;
    return advanced_->GetControlBlkPtr() == nullptr || advanced_->GetValue() == 1;
}

bool ImageOptionsPDEr15::IsColorModeAvailable() {
    if (colorMode_ == nullptr) return false;
    const char* choice = colorMode_->GetUISelectStr();
    return choice == nullptr || std::strcmp(choice, "Black") != 0;
}

bool ImageOptionsPDEr15::IsColorBalanceAdjustmentAvailable() {
    GCheckBoxARK* box = colorBalanceWnd_ != nullptr ? colorBalanceWnd_->getgraphicWndAdjustCBCboxCtrl() : nullptr;
    if (box == nullptr) return false;
    return box->GetControlBlkPtr() == nullptr || box->GetValue() == 1;
}

bool ImageOptionsPDEr15::SetPrintTypeToPanel() {
    const int32_t type = CPPDChecker::Instance().Result();
    if (type <= 0 || pluginType_ == nullptr) return false;
    pluginType_->SetPluginType(type);
    // The image adjustment window's copy of the list follows the product too.
    if (adjustmentWnd_ != nullptr && adjustmentWnd_->PluginTypeList() != nullptr)
        adjustmentWnd_->PluginTypeList()->SetPluginType(type);
    return true;
}

void ImageOptionsPDEr15::CreatePanel(zqp::Window* window) {
    zqpde::BasePrintPanel::CreatePanel(window);
    gPDESyncSetUI = true;
    CreateControls(HostPPD());
    isPrintTypeSavetoMailbox = false;
}

void ImageOptionsPDEr15::CreateControls(ppd_file_t* ppd) {
    zqp::View* v = ImageOptionsView;
    const bool cmyk = Edition().cmykOnMainPanel;
    static const zqpde::TextEditIniData kNoText = {nullptr, "", 0, 0};
    struct TitleRow {
        int32_t tag;
        const char* option;
    };
    static const TitleRow kTitles[] = {{201, "ZQColorMode"},    {203, "ZQOutputMode"},        {202, "ZQBrightness"},
                                       {206, "ZQRGBImageType"}, {207, "ZQRGBCorrection"},     {208, "ZQCMYKCorrectionSTD"},
                                       {209, "ZQEngineScreen"}};
    for (const TitleRow& row : kTitles) {
        if (row.tag == 208 && !cmyk) continue;
        auto title = std::make_unique<zqpde::PPDStaticTextCtrl>();
        title->CreateControl(v->viewWithTag(row.tag), row.option, &kNoText, nullptr, nullptr, nullptr, nullptr);
        AddNewControl(std::move(title));
    }

    static const int32_t kColorModeTitle = 201, kOutputTitle = 203, kImageTypeTitle = 206, kRGBTitle = 207,
                         kCMYKTitle = 208, kScreenTitle = 209;
    auto colorMode = std::make_unique<GPPDListCtrlARK>();
    colorMode->CreateControl(v->viewWithTag(kColorModeTag), "ZQColorMode", &kListIniData, &ColorModeConstrain, nullptr,
                             nullptr, &kColorModeTitle);
    colorMode_ = AddNewControl(std::move(colorMode));

    auto brightness = std::make_unique<GPPDSliderBarControlARK>();
    brightness->CreateControl(v->viewWithTag(kBrightnessTag), "ZQBrightness", &BrightnessIniData, nullptr, nullptr,
                              nullptr);
    brightness_ = AddNewControl(std::move(brightness));
    static const zqpde::TextEditIniData kMinLabel = {nullptr, "", 0, 0};
    auto minLabel = std::make_unique<BrightRangeSTextCtrlARK>(false);
    minLabel->CreateControl(v->viewWithTag(121), &kMinLabel, nullptr, nullptr, nullptr, nullptr,
                            "Brightness Mini Value Statics Text");
    AddNewControl(std::move(minLabel));
    auto maxLabel = std::make_unique<BrightRangeSTextCtrlARK>(true);
    maxLabel->CreateControl(v->viewWithTag(122), &kMinLabel, nullptr, nullptr, nullptr, nullptr,
                            "Brightness Max Value Statics Text");
    AddNewControl(std::move(maxLabel));

    auto output = std::make_unique<GOutputModeListCtrlARK>();
    output->CreateControl(v->viewWithTag(104), "ZQOutputMode", &kListIniData, &OutputModeConstrain, nullptr, nullptr,
                          &kOutputTitle);
    AddNewControl(std::move(output));

    radioGroup_ = std::make_unique<zqpde::RadioGroup>();
    auto basic = std::make_unique<GRadioButtonARK>(v->viewWithTag(kBasicRadioTag), &BasicIniData, &BasicConstrain,
                                                   RadioAccess(false), nullptr);
    if (GRadioButtonARK* b = AddNewControl(std::move(basic))) radioGroup_->RunTimeAddNewControl(b);
    auto advanced = std::make_unique<GRadioButtonARK>(v->viewWithTag(kAdvancedRadioTag), &AdvancedIniData,
                                                      &AdvancedConstrain, RadioAccess(true), nullptr);
    advanced_ = AddNewControl(std::move(advanced));
    if (advanced_ != nullptr) radioGroup_->RunTimeAddNewControl(advanced_);

    auto imageType = std::make_unique<GPPDListCtrlARK>();
    imageType->CreateControl(v->viewWithTag(kImageTypeTag), "ZQRGBImageType", &kListIniData, &ImageTypeConstrain,
                             nullptr, nullptr, &kImageTypeTitle);
    AddNewControl(std::move(imageType));
    auto rgb = std::make_unique<RGBCorrectionListCtrlARK>();
    rgb->CreateControl(v->viewWithTag(kRGBCorrectionTag), "ZQRGBCorrection", &kListIniData, &RGBConstrain, nullptr,
                       nullptr, &kRGBTitle);
    rgbList_ = AddNewControl(std::move(rgb));
    if (cmyk) {
        auto list = std::make_unique<GPPDListCtrlARK>();
        list->CreateControl(v->viewWithTag(kCMYKCorrectionTag), "ZQCMYKCorrectionSTD", &kListIniData, nullptr, nullptr,
                            nullptr, &kCMYKTitle);
        cmykList_ = AddNewControl(std::move(list));
    }
    auto screen = std::make_unique<ScreenListCtrlARK>();
    screen->CreateControl(v->viewWithTag(kScreenTag), "ZQEngineScreen", &kListIniData, nullptr, nullptr, nullptr,
                          &kScreenTitle);
    AddNewControl(std::move(screen));
    auto plugin = std::make_unique<PluginTypeListCtrlARK>();
    plugin->CreateControl(v->viewWithTag(111), &kPluginTypeIniData, nullptr, nullptr, nullptr);
    pluginType_ = AddNewControl(std::move(plugin));

    auto balance = std::make_unique<GColorBalanceButtonARK>();
    balance->CreateControl(v->viewWithTag(kColorBalanceTag), "Color Balance Button Text");
    AddNewControl(std::move(balance));
    auto settings = std::make_unique<GImageSettingsButtonARK>();
    settings->CreateControl(v->viewWithTag(kImageSettingsTag), "Image Setting Button Text");
    AddNewControl(std::move(settings));
    auto restore = std::make_unique<GRestoreDefaultButtonARK>();
    restore->CreateControl(v->viewWithTag(112), "Restore Default Button Text");
    AddNewControl(std::move(restore));
    auto help = std::make_unique<GHelpButtonARK>();
    help->CreateHelp(v->viewWithTag(113), "Graphics.htm");
    help_ = AddNewControl(std::move(help));
    auto version = std::make_unique<zqpde::VersionStringSText>();
    version->CreateControl(v->viewWithTag(114), nullptr, zqpde::ConstraintFileUsable(ppd));
    version_ = AddNewControl(std::move(version));

    colorBalanceWnd_ = std::make_unique<ColorBalanceWndARK>(colorBalanceWindowOutlet, "Color Balance Window Title String");
    colorBalanceWnd_->ColorBalanceWnd();
    RunTimeAddNewWindow(colorBalanceWnd_.get());
}

int32_t ImageOptionsPDEr15::InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) {
    const auto has = [ppd](const char* option) {
        return zqpde::CheckPPDKeyIsExist(ppd, zqpde::FixPPDKeywordAccordingToType(ppd, option).c_str());
    };
    const bool overprint = Edition().overprintOnItsOptionOnly
                               ? has(Edition().overprintWindow.checkOption)
                               : has("ZQBlackOverprint") || has("ZQInvalidateColorProfile");
    plainAdjustment_ = !overprint;
    zqp::Window* w = overprint ? imageAdjustmentBlackOverWindowOutlet : imageAdjustmentWindowOutlet;
    adjustmentWnd_ = std::make_unique<ImageAdjustmentWndARK>(w, "Image Type Window Title String",
                                                             overprint ? &Edition().overprintWindow : nullptr);
    adjustmentWnd_->CreatePanel(w, "Image Type Window Title String");
    RunTimeAddNewWindow(adjustmentWnd_.get());
    if (colorBalanceWnd_ != nullptr) colorBalanceWnd_->SeteppdPtr(Geteppd());

    CPPDChecker::Instance().Init();
    const int32_t status = zqpde::BasePrintPanel::InitializeUserPane(bundle, ppd);
    if (version_ != nullptr) {
        version_->InitializeTitle(bundle);
        // The older build's label stays shown and names the short version.
        if (Edition().olderBuild && bundle != nullptr && version_->GetControlPtr() != nullptr) {
            const std::string text = "ver." + bundle->infoValue("CFBundleShortVersionString");
            version_->SetExternalValueToUI(text.c_str(), static_cast<int32_t>(text.size()));
            version_->GetControlPtr()->setHidden(false);
        }
    }
    if (status != 0) return status;
    if (CPPDChecker::Instance().RunCheck()) {
        SetPrintTypeToPanel();
        return 0;
    }
    return 1;
}

void ImageOptionsPDEr15::InitializeFirstOpen(zqp::DialogHost*, ppd_file_t* ppd) {
    if (hash_ == nullptr) supportedPPDOptionKeys();
    SeteppdPtr(hash_.get());
    InitializeUserPane(zqpde::pluginBundle, ppd);
}

void ImageOptionsPDEr15::RestoreValues(ppd_file_t* ppd, bool first) {
    isPrintTypeSavetoMailbox = IsJobTypeMailbox(HostPrintSettings(), GetCurrentPrinterString());
    ShowTicketValues(ppd, first);
}

bool ImageOptionsPDEr15::SyncedOpen(std::string* error) {
    gPDESyncSetUI = true;
    const bool ok = SimulationOpenPDE(error);
    gPDESyncSetUI = false;
    return ok;
}

bool ImageOptionsPDEr15::restoreValuesAndReturnError(std::string* error) { return SyncedOpen(error); }

bool ImageOptionsPDEr15::shouldPrint() {
    if (bFirstInitialzePDE) SyncedOpen(nullptr);
    if (bFirstInitialzePDE) return true;  // no PPD: nothing to mark
    gbIsPrint = true;
    CommitShownValues();
    WriteTicketTo(HostPrintSettings());
    NotePrintGateWrote();
    return true;
}

bool ImageOptionsPDEr15::saveValuesAndReturnError(std::string*) {
    if (bFirstInitialzePDE) return true;
    gbIsPrint = true;
    CommitShownValues();
    // The save right after the print gate writes nothing more (the older
    // build writes the ticket again).
    if (TakePrintGateWrote() && !Edition().olderBuild) return true;
    // The older build reports a ticket it could not write.
    return WriteTicketTo(HostPrintSettings()) || !Edition().olderBuild;
}

// ---- principal class ----------------------------------------------------------------------------------

std::vector<std::unique_ptr<zqp::Panel>> ImageOptionsPDEPluginr15::PanelsForPPD(ppd_file_t* ppd, zqp::Bundle* bundle,
                                                                                zqp::DialogHost* host) {
    std::vector<std::unique_ptr<zqp::Panel>> panels;
    std::optional<ImageOptionsProduct> product = ImageOptionsProductFromPPD(ppd, bundle);
    if (!product) return panels;
    auto panel = std::make_unique<ImageOptionsPDEr15>(host);
    panel->setPDEType(PDETypeForProduct(product->product));
    panel->setHelpSuffix(product->suffix);
    panel->setBundle(HandedBundle() != nullptr ? HandedBundle() : zqpde::pluginBundle);
    panels.push_back(std::move(panel));
    return panels;
}

}  // namespace zqimg

ZQP_DEFINE_PLUGIN(zqimg::ImageOptionsPDEPluginr15)
