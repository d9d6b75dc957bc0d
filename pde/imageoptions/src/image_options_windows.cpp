#include "image_options_windows.h"

#include <zqp/host.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

#include "image_options_panel.h"
#include "zqpde/app_resources.h"
#include "zqpde/text_entry.h"

namespace zqimg {

const RGB8 ColorMap[4][3] = {
    {{120, 120, 120}, {70, 70, 70}, {0, 0, 0}},
    {{164, 249, 249}, {0, 255, 255}, {48, 205, 205}},
    {{249, 164, 249}, {255, 0, 255}, {205, 30, 205}},
    {{249, 249, 164}, {255, 255, 0}, {205, 205, 48}},
};

namespace {

// ---- colour balance tables ----------------------------------------------------------------------

constexpr const char* kColorNames[4] = {"Black", "Cyan", "Magenta", "Yellow"};
constexpr const char* kLevelNames[3] = {"Low", "Mid", "High"};

// One static tag per id the tables name.
template <int32_t V>
constexpr int32_t kTag = V;

#define ZQ_EDIT_STEP(c, l) &kTag<3500 + 10 * (l) + (c)>, &kTag<3600 + 10 * (l) + (c)>
#define ZQ_COLOR_CONTROLS(c) ZQ_EDIT_STEP(c, 0), ZQ_EDIT_STEP(c, 1), ZQ_EDIT_STEP(c, 2)

const int32_t* const kNotBlack[] = {ZQ_COLOR_CONTROLS(1), ZQ_COLOR_CONTROLS(2), ZQ_COLOR_CONTROLS(3), nullptr};
const int32_t* const kNotCyan[] = {ZQ_COLOR_CONTROLS(0), ZQ_COLOR_CONTROLS(2), ZQ_COLOR_CONTROLS(3), nullptr};
const int32_t* const kNotMagenta[] = {ZQ_COLOR_CONTROLS(0), ZQ_COLOR_CONTROLS(1), ZQ_COLOR_CONTROLS(3), nullptr};
const int32_t* const kNotYellow[] = {ZQ_COLOR_CONTROLS(0), ZQ_COLOR_CONTROLS(1), ZQ_COLOR_CONTROLS(2), nullptr};
const int32_t* const kGrads[] = {&kTag<kGradsViewTag>, nullptr};
// Everything the adjustment check box switches off.
const int32_t* const kAdjustOff[] = {
    &kTag<3202>, &kTag<3102>, &kTag<3000>, &kTag<3301>, &kTag<3401>, ZQ_EDIT_STEP(0, 0), ZQ_EDIT_STEP(1, 0),
    ZQ_EDIT_STEP(2, 0), ZQ_EDIT_STEP(3, 0), &kTag<3302>, &kTag<3402>, ZQ_EDIT_STEP(0, 1), ZQ_EDIT_STEP(1, 1),
    ZQ_EDIT_STEP(2, 1), ZQ_EDIT_STEP(3, 1), &kTag<3303>, &kTag<3403>, ZQ_EDIT_STEP(0, 2), ZQ_EDIT_STEP(1, 2),
    ZQ_EDIT_STEP(2, 2), ZQ_EDIT_STEP(3, 2), nullptr};
#undef ZQ_COLOR_CONTROLS
#undef ZQ_EDIT_STEP

const zqpde::ConstrainTagList kAdjustDisable[] = {kAdjustOff, nullptr};
const zqpde::ConstrainInfo AdjustConstrainInfo = {zqpde::ConstrainListsOf(kAdjustDisable), {}, {}};
// Off until the PPD says otherwise; the initial value is none, so the first
// showing applies the list of whatever the box shows.
const zqpde::CheckBoxIniData AdjustIniData = {0, 0, -1, "Adjust  Color Balance Check Box Text"};

const zqpde::ConstrainTagList kTargetHide[] = {kNotBlack, kNotCyan, kNotMagenta, kNotYellow};
const zqpde::ConstrainTagList kTargetUpdate[] = {kGrads, kGrads, kGrads, kGrads};
const zqpde::ConstrainInfo TargetConstrainInfo = {{}, zqpde::ConstrainListsOf(kTargetHide),
                                                  zqpde::ConstrainListsOf(kTargetUpdate)};
const char* const kTargetItems[] = {"Target Color Black Text", "Target  Color Cyan Text",
                                    "Target  Color Magenta Text", "Target  Color Yellow Text", nullptr};
// Item numbers inside (1 black); the ticket carries the 0-based colour.
const zqpde::ListCtrlIniData TargetIniData = {1, 1, 0, kTargetItems};

const zqpde::TextEditIniData DensityEditIniData = {nullptr, "", 0, 2};
const zqpde::TextEditFilterData DensityFilter = {
    {2, {{'-', '-'}, {'0', '3'}}}, {2, {{'-', '-'}, {'0', '3'}}}, "Message??"};
const zqpde::LittleArrayIniData DensityIniData = {0, 0, 0, -3, 3, 1};

// Per edit: its stepper and the gradient view; per stepper: its edit and the view.
template <int32_t A>
struct PairTables {
    static constexpr const int32_t* list[] = {&kTag<A>, &kTag<kGradsViewTag>, nullptr};
    static constexpr zqpde::ConstrainTagList lists[] = {list};
    static constexpr zqpde::ConstrainInfo info = {{}, {}, zqpde::ConstrainListsOf(lists)};
};

template <int C, int L>
const zqpde::ConstrainInfo* EditConstrain() { return &PairTables<DensityStepperTag(C, L)>::info; }
template <int C, int L>
const zqpde::ConstrainInfo* StepperConstrain() { return &PairTables<DensityEditTag(C, L)>::info; }

template <int... I>
constexpr auto MakeTables(std::integer_sequence<int, I...>) {
    return std::array<std::pair<const zqpde::ConstrainInfo*, const zqpde::ConstrainInfo*>, sizeof...(I)>{
        std::pair{EditConstrain<I % 4, I / 4>(), StepperConstrain<I % 4, I / 4>()}...};
}

// Index c + 4 l: the edit's and the stepper's tables.
const auto kDensityTables = MakeTables(std::make_integer_sequence<int, 12>{});

std::string DensityOption(int c, int l) { return std::string("ZQColorDensity") + kColorNames[c] + kLevelNames[l]; }

class GTextEditFormatterARK : public zqpde::TextEditFormatter {
public:
    GTextEditFormatterARK(const zqpde::TextEditFilterData* filter, uint32_t maxLength, GTextEditCtrlARK* partner)
        : zqpde::TextEditFormatter(filter, maxLength), filter_(filter), partner_(partner) {}

    bool isPartialStringValid(const std::string& partial, std::string* newEditingString, std::string*) override {
        // Keys outside "-" and "0" to "3", and a third character, are refused.
        if (!zqpde::validateDensityInput(partial, filter_) || partial.size() > 2) return false;
        if (GTextEditCtrlARK::IsNumberValid(partial)) {
            partner_->OnRawKeyUp(const_cast<std::string*>(&partial));
            return true;
        }
        // Anything else ("33", "3-") becomes the stepper's value.
        GLittleArrayControlARK* stepper = partner_->Stepper();
        const std::string corrected = std::to_string(stepper != nullptr ? stepper->ShownValue() : 0);
        if (newEditingString != nullptr) *newEditingString = corrected;
        std::string copy = corrected;
        partner_->OnRawKeyUp(&copy);
        return false;
    }

private:
    const zqpde::TextEditFilterData* filter_;
    GTextEditCtrlARK* partner_;
};

}  // namespace

// ---- gradient view ---------------------------------------------------------------------------------

ImageGradsViewARK::ImageGradsViewARK(zqp::CustomView* view) : view_(view) {
    if (view_ != nullptr)
        view_->setDrawHandler([this](zqp::CustomView&) {
            if (zqp::GraphicsContext* ctx = zqp::GraphicsContext::Current()) drawRect(*ctx);
        });
}

void ImageGradsViewARK::drawPanel(int32_t color, int32_t low, int32_t mid, int32_t high) {
    iColor = color;
    iDensityLow = low + 4;
    iDensityMid = mid + 4;
    iDensityHigh = high + 4;
    if (view_ != nullptr) view_->setNeedsDisplay();
}

void ImageGradsViewARK::drawOutline(zqp::GraphicsContext& ctx, const zqp::Frame& bounds) {
    ctx.setFillColor(zqp::Color{0, 0, 0, 1});
    ctx.fillRect(bounds);
    ctx.setFillColor(zqp::Color{1, 1, 1, 1});
    ctx.fillRect(zqp::Frame{bounds.x + 1, bounds.y + 1, bounds.width - 2, bounds.height - 2});
}

void ImageGradsViewARK::drawColorView(zqp::GraphicsContext& ctx, const zqp::Frame& cell, const RGB8& color) {
    ctx.setFillColor(zqp::Color{0, 0, 0, 1});
    ctx.fillRect(cell);
    ctx.setFillColor(zqp::Color{color.r / 255.0, color.g / 255.0, color.b / 255.0, 1});
    ctx.fillRect(zqp::Frame{cell.x + 1, cell.y + 1, cell.width - 2, cell.height - 2});
}

void ImageGradsViewARK::drawRect(zqp::GraphicsContext& ctx) {
    if (view_ == nullptr) return;
    const zqp::Frame& f = view_->frame();
    drawOutline(ctx, zqp::Frame{0, 0, f.width, f.height});
    const int32_t levels[3] = {iDensityLow, iDensityMid, iDensityHigh};
    const double columnX[3] = {5, 111, 217};
    const int32_t color = iColor >= 0 && iColor < 4 ? iColor : 0;
    for (int i = 0; i < 7; ++i)
        for (int column = 0; column < 3; ++column) {
            const zqp::Frame cell{columnX[column], 5.0 + 21 * i, 53, 16};
            const bool filled = view_->isEnabled() && i < levels[column];
            drawColorView(ctx, cell, filled ? ColorMap[color][column] : COLOR_BACKGROUND);
        }
}

GHIViewControlARK::GHIViewControlARK(zqp::View* view, int32_t viewTag) {
    BaseControl::CreateControl(view);
    grads_ = std::make_unique<ImageGradsViewARK>(dynamic_cast<zqp::CustomView*>(view));
    grads_->setViewTag(viewTag);
}

int32_t GHIViewControlARK::Update() {
    auto* window = dynamic_cast<ColorBalanceWndARK*>(GetParentPanel());
    ColorTargetListCtrlARK* target = window != nullptr ? window->getgWndTargetColorLboxCtrl() : nullptr;
    if (target == nullptr) return 0;
    const int32_t k = target->TargetColor();
    if (k < 0 || k > 3) return 0;
    int32_t values[3];
    for (int l = 0; l < 3; ++l) {
        const int32_t tag = DensityStepperTag(k, l);
        auto* stepper = dynamic_cast<GLittleArrayControlARK*>(window->GetPanelControl(&tag));
        if (stepper == nullptr) return 0;
        values[l] = stepper->ShownValue();
        if (values[l] < -3 || values[l] > 3) return 0;
    }
    grads_->drawPanel(k, values[0], values[1], values[2]);
    return 0;
}

bool GHIViewControlARK::SimulationUIEventHandler() {
    Update();
    return true;
}

// ---- target colour ----------------------------------------------------------------------------------

int32_t ColorTargetListCtrlARK::TargetColor() const {
    zqp::PopUpButton* p = PopUp();
    const int32_t index = p != nullptr ? p->indexOfSelectedItem() : 0;
    return index < 0 ? 0 : index;
}

int32_t ColorTargetListCtrlARK::DoSelfUpdate() {
    zqp::PopUpButton* p = PopUp();
    if (p == nullptr) return 0;
    ImageOptionsPDEr15* panel = OwningImageOptionsPanel(*this);
    zqp::PopUpButton* mode =
        panel != nullptr && panel->getcolormodePopupList() != nullptr
            ? dynamic_cast<zqp::PopUpButton*>(panel->getcolormodePopupList()->GetControlPtr())
            : nullptr;
    const bool blackOnly = mode != nullptr && mode->indexOfSelectedItem() == 1;
    for (int i = 1; i < p->numberOfItems(); ++i)
        if (zqp::MenuItem* item = p->itemAtIndex(i)) item->enabled = !blackOnly;
    if (blackOnly) p->selectItemAtIndex(0);
    return 0;
}

bool ColorTargetListCtrlARK::UIEventHandler() {
    zqp::PopUpButton* p = PopUp();
    if (p != nullptr && ctrlParentPanelPtr != nullptr) {
        const int32_t tag = DensityEditTag(TargetColor(), 0);
        if (zqpde::BaseControl* edit = ctrlParentPanelPtr->GetPanelControl(&tag))
            p->setNextKeyView(edit->GetControlPtr());
    }
    return zqpde::PopupControl::UIEventHandler();
}

bool ColorTargetListCtrlARK::SimulationUIEventHandler() {
    zqpde::PopupControl::SimulationUIEventHandler();
    GetValueFromUI();
    return true;
}

bool ColorTargetListCtrlARK::GetValueToPreset() {
    const std::optional<int32_t> color = ReadTicketInteger(0, 3);
    if (!color) return false;
    SetBlockInt(GetControlBlkPtr(), *color + 1);
    return true;
}

bool ColorTargetListCtrlARK::ConvertToTickectData(std::string& out) {
    const int32_t item = zqpde::ItemIndexOf(GetValue());
    out = std::to_string(item < 0 ? 0 : item);
    return true;
}

void ColorTargetListCtrlARK::InitializePaneConstrains() {
    // The first showing already hid the other colours when it saw a change
    // from no colour; only a list that never saw one hides them here.
    if (GetValueFromUIDataBlk() == nullptr || BlockInt(GetValueFromUIDataBlk()) >= 1) return;
    if (ctrlConstrainControlArray != nullptr)
        HideControlConstrains(ctrlConstrainControlArray->hideLists.at(TargetColor()));
    GetValueFromUI();
}

// ---- density edit --------------------------------------------------------------------------------------

GTextEditCtrlARK::GTextEditCtrlARK(zqp::View* view, int32_t stepperTag) : stepperTag_(stepperTag) {
    const int c = (stepperTag - 3600) % 10, l = (stepperTag - 3600) / 10;
    CreateControl(view, &DensityEditIniData, kDensityTables[static_cast<size_t>(c + 4 * l)].first, nullptr, nullptr,
                  &DensityFilter);
}

bool GTextEditCtrlARK::IsNumberValid(const std::string& text) {
    static const char* const kValid[] = {"", "-", "0", "1", "2", "3", "-1", "-2", "-3"};
    for (const char* v : kValid)
        if (text == v) return true;
    return false;
}

GLittleArrayControlARK* GTextEditCtrlARK::Stepper() const {
    return ctrlParentPanelPtr != nullptr
               ? dynamic_cast<GLittleArrayControlARK*>(ctrlParentPanelPtr->GetPanelControl(&stepperTag_))
               : nullptr;
}

int32_t GTextEditCtrlARK::GetEditMaxLength() const {
    return textEditIniDataPtr != nullptr ? static_cast<int32_t>(textEditIniDataPtr->maxLength) : 0;
}

bool GTextEditCtrlARK::InitializeCtrlFormat() {
    if (zqp::TextField* f = Field())
        f->setFormatter(std::make_shared<GTextEditFormatterARK>(&DensityFilter, DensityEditIniData.maxLength, this));
    return true;
}

bool GTextEditCtrlARK::SetControlValueToUI() { return CorrectCtrlUI(); }

bool GTextEditCtrlARK::CorrectCtrlUI() {
    GLittleArrayControlARK* stepper = Stepper();
    const std::string text = std::to_string(stepper != nullptr ? stepper->ShownValue() : 0);
    SetExternalValueToUI(text.c_str(), static_cast<int32_t>(text.size()));
    GetValueFromUI();
    return true;
}

int32_t GTextEditCtrlARK::OnRawKeyUp(void* text) {
    const std::string& typed = *static_cast<const std::string*>(text);
    if (GLittleArrayControlARK* stepper = Stepper()) stepper->TakeValue(std::atoi(typed.substr(0, 4).c_str()));
    if (ctrlConstrainControlArray != nullptr && ctrlParentPanelPtr != nullptr)
        for (zqpde::ConstrainTagList p = ctrlConstrainControlArray->updateLists.at(0); p != nullptr && *p != nullptr;
             ++p)
            if (auto* view = dynamic_cast<GHIViewControlARK*>(ctrlParentPanelPtr->GetPanelControl(*p))) view->Update();
    return 0;
}

int32_t GTextEditCtrlARK::Update() {
    zqp::TextField* f = Field();
    if (f != nullptr && (f->stringValue().empty() || f->stringValue() == "-")) {
        f->setStringValue("0");
        GetValueFromUI();
    }
    return 0;
}

void GTextEditCtrlARK::RequestControlAction(zqp::View*) {
    // Leaving the field: a lone "-" or nothing reads as 0.
    Update();
    std::string text = Field() != nullptr ? Field()->stringValue() : "0";
    OnRawKeyUp(&text);
    GetValueFromUI();
}

// ---- colour balance window ---------------------------------------------------------------------------------

ColorBalanceWndARK::ColorBalanceWndARK(zqp::Window* window, const char* titleKey)
    : zqpde::PopupWinInPanel(window, titleKey) {}

ColorBalanceWndARK::~ColorBalanceWndARK() { terminate(); }

void ColorBalanceWndARK::ColorBalanceWnd() {
    zqp::Window* w = GetWindowRef();
    if (w == nullptr) return;
    static const char* const kLabelKeys[] = {"Target Color Statics Text",      "Low Density Scope Statics Text",
                                             "Density Scope Statics Text",     "Mid Density Scope Statics Text",
                                             "Density Scope Statics Text",     "High Density Scope Statics Text",
                                             "Density Scope Statics Text"};
    static const int32_t kLabelTags[] = {3202, 3301, 3401, 3302, 3402, 3303, 3403};
    static const zqpde::TextEditIniData kNoText = {nullptr, "", 0, 0};
    for (size_t i = 0; i < std::size(kLabelTags); ++i) {
        auto label = std::make_unique<zqpde::StaticTextEditControl>();
        label->CreateControl(w->viewWithTag(kLabelTags[i]), &kNoText, nullptr, nullptr, nullptr, nullptr, kLabelKeys[i]);
        AddNewControl(std::move(label));
    }
    auto cancel = std::make_unique<GCancelButtonARK>();
    cancel->CreateControl(w->viewWithTag(3702), "Cancel Button Text");
    AddNewControl(std::move(cancel));
    auto ok = std::make_unique<GOKButtonARK>();
    ok->CreateControl(w->viewWithTag(3703), "OK Button Text");
    AddNewControl(std::move(ok));
    auto restore = std::make_unique<GRestoreDefaultButtonARK>();
    restore->CreateControl(w->viewWithTag(3700), "Restore Default Button Text");
    AddNewControl(std::move(restore));
    auto help = std::make_unique<GHelpButtonARK>();
    help->CreateHelp(w->viewWithTag(3701), "ColorBalance.htm");
    AddNewControl(std::move(help));

    static const zqpde::AccessInfo* targetAccess = [] {
        static const std::string key = TicketKey("TargetColorLboxTicketKey");
        static const zqpde::AccessInfo info = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, key.c_str(), nullptr};
        return &info;
    }();
    auto target = std::make_unique<ColorTargetListCtrlARK>();
    target->CreateControl(w->viewWithTag(kTargetListTag), &TargetIniData, &TargetConstrainInfo, targetAccess, nullptr);
    target_ = AddNewControl(std::move(target));

    adjust_ = AddNewControl(std::make_unique<GCheckBoxARK>(w->viewWithTag(kAdjustCheckTag), "ZQColorBalanceAdjustment",
                                                           &AdjustIniData, &AdjustConstrainInfo, nullptr, nullptr));
    for (int l = 0; l < 3; ++l)
        for (int c = 0; c < 4; ++c)
            AddNewControl(std::make_unique<GTextEditCtrlARK>(w->viewWithTag(DensityEditTag(c, l)), DensityStepperTag(c, l)));
    for (int c = 0; c < 4; ++c)
        for (int l = 0; l < 3; ++l) {
            const std::string option = DensityOption(c, l);
            AddNewControl(std::make_unique<GLittleArrayControlARK>(w->viewWithTag(DensityStepperTag(c, l)),
                                                                   &DensityIniData, option.c_str(),
                                                                   kDensityTables[static_cast<size_t>(c + 4 * l)].second,
                                                                   c == 0));
        }
    AddNewControl(std::make_unique<GHIViewControlARK>(w->viewWithTag(kGradsViewTag), kGradsViewTag));
}

int32_t ColorBalanceWndARK::ActivateWindow() {
    if (GetWindowRef() == nullptr) return 0;
    SetCurrentValueToUI();
    if (!IsActived()) {
        InitializePaneConstrains();
        ChangeActivedStatus(true);
    }
    zqp::Application::Shared().runModalForWindow(*GetWindowRef());
    return 0;
}

void ColorBalanceWndARK::InitializePaneConstrains() {
    if (target_ != nullptr) target_->InitializePaneConstrains();
}

bool ColorBalanceWndARK::OnOK() {
    for (auto& c : fCtrlGroupArray)
        if (c && !c->InvalidateData()) return false;
    SetValueFromUIToControl();
    // The committed densities are marked now, as the lists mark their picks,
    // so the panel shows them again when it is shown again.
    for (auto& c : fCtrlGroupArray)
        if (auto* s = dynamic_cast<GLittleArrayControlARK*>(c.get())) s->SetValueToTicket(nullptr, false);
    if (adjust_ != nullptr) adjust_->SetValueToTicket(nullptr, false);
    DeactivateWindow();
    return true;
}

bool GOKButtonARK::UIEventHandler() {
    if (auto* window = dynamic_cast<ColorBalanceWndARK*>(GetParentPanel())) return window->OnOK();
    return false;
}

// ---- image adjustment windows --------------------------------------------------------------------------

namespace {

// The initial value is no item, so the first showing applies the lists of
// the item shown and never lets go of a list it did not apply.
const zqpde::ListCtrlIniData kAdjustListIniData = {1, 1, 0, nullptr};
const int32_t* const kTargetPaperPair[] = {&kTag<506>, &kTag<516>, nullptr};
const zqpde::ConstrainTagList kPluginTypeHide[] = {nullptr, nullptr, nullptr, kTargetPaperPair, nullptr};
const zqpde::ConstrainInfo kWindowPluginTypeConstrain = {{}, zqpde::ConstrainListsOf(kPluginTypeHide), {}};
const zqpde::CheckBoxIniData kOverprintIniData = {0, 0, -1, nullptr};

struct ListRow {
    int32_t tag, titleTag;
    const char* option;
    bool cmyk;
};
const ListRow kAdjustmentLists[] = {
    {501, 511, "ZQRGBCorrection", false},       {502, 512, "ZQRGBInputProfile", false},
    {503, 513, "ZQRGBGammaCorrection", false},  {504, 514, "ZQColorTemperature", false},
    {505, 515, "ZQCMYKCorrectionSTD", true},    {506, 516, "ZQCMYKCorrectionTarget", true},
};

}  // namespace

ImageAdjustmentWndARK::ImageAdjustmentWndARK(zqp::Window* window, const char* titleKey,
                                             const OverprintWindowData* overprint)
    : zqpde::PopupWinInPanel(window, titleKey), overprint_(overprint) {}

ImageAdjustmentWndARK::~ImageAdjustmentWndARK() { terminate(); }

void ImageAdjustmentWndARK::CreatePanel(zqp::Window* w, const char*) {
    if (w == nullptr) return;
    const bool cmyk = overprint_ == nullptr || overprint_->hasCMYKLists;
    static const zqpde::TextEditIniData kNoText = {nullptr, "", 0, 0};
    for (const ListRow& row : kAdjustmentLists) {
        if (row.cmyk && !cmyk) continue;
        auto title = std::make_unique<zqpde::PPDStaticTextCtrl>();
        title->CreateControl(w->viewWithTag(row.titleTag), row.option, &kNoText, nullptr, nullptr, nullptr, nullptr);
        AddNewControl(std::move(title));
    }
    for (const ListRow& row : kAdjustmentLists) {
        if (row.cmyk && !cmyk) continue;
        std::unique_ptr<GPPDListCtrlARK> list;
        if (row.tag == kRGBCorrectionIATag) {
            auto m = std::make_unique<MirroredListCtrlIAARK>();
            m->SetMirror(107, false);
            list = std::move(m);
        } else if (row.tag == kCMYKCorrectionIATag) {
            auto m = std::make_unique<CMYKCorrectionListCtrlIAARK>();
            m->SetMirror(108, true);
            list = std::move(m);
        } else if (row.tag == kTargetPaperIATag) {
            list = std::make_unique<CMYKTargetMediaListCtrlIAARK>();
        } else {
            list = std::make_unique<GPPDListCtrlARK>();
        }
        list->CreateControl(w->viewWithTag(row.tag), row.option, &kAdjustListIniData, nullptr, nullptr, nullptr,
                            &row.titleTag);
        AddNewControl(std::move(list));
    }
    if (cmyk) {
        auto plugin = std::make_unique<PluginTypeListCtrlARK>();
        plugin->CreateControl(w->viewWithTag(520), &kPluginTypeIniData, &kWindowPluginTypeConstrain, nullptr, nullptr);
        pluginType_ = AddNewControl(std::move(plugin));
    }
    // Group boxes: RGB, CMYK (when the window has those lists), and the check box's own.
    static const int32_t kBoxTags[] = {530, 531, 532};
    const char* boxKeys[] = {"RGB Color Correction Text", cmyk ? "CMYK Color Correction Text" : nullptr,
                             overprint_ != nullptr ? overprint_->secondGroupKey : nullptr};
    for (size_t i = 0; i < 3; ++i) {
        auto* box = dynamic_cast<zqp::Box*>(w->viewWithTag(kBoxTags[i]));
        if (box == nullptr || boxKeys[i] == nullptr) continue;
        zqpde::GroupBoxControl g;
        g.CreateControl(box, boxKeys[i]);
        g.InitializeTitle(zqpde::pluginBundle);
        if (i == 1) cmykBox_ = box;
        if (i == 2) checkBox_ = box;
    }
    if (overprint_ != nullptr) {
        static zqpde::CheckBoxIniData ini = kOverprintIniData;
        ini.titleKey = overprint_->checkTitleKey;
        AddNewControl(std::make_unique<GCheckBoxExtARK>(w->viewWithTag(kOverprintCheckTag), overprint_->checkOption,
                                                        &ini, nullptr, nullptr, nullptr));
    }
    auto ok = std::make_unique<GOKButtonIAARK>();
    ok->CreateControl(w->viewWithTag(540), "OK Button Text");
    AddNewControl(std::move(ok));
    auto cancel = std::make_unique<GImageAdjCancelButtonARK>();
    cancel->CreateControl(w->viewWithTag(541), "Cancel Button Text");
    AddNewControl(std::move(cancel));
    auto restore = std::make_unique<GRestoreDefaultButtonARK>();
    restore->CreateControl(w->viewWithTag(542), "Restore Default Button Text");
    AddNewControl(std::move(restore));
    auto help = std::make_unique<GHelpButtonARK>();
    help->CreateHelp(w->viewWithTag(543), "ImageAdj.htm");
    AddNewControl(std::move(help));
}

int32_t ImageAdjustmentWndARK::InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) {
    hash_.clear();
    if (zqpde::CDFKeyExist(ppd, "ZQXCDFSetting")) zqpde::GetEPPD(ppd, hash_, "ZQXCDFSetting", "ImageOptionPDE");
    else xSeteppd(ppd, &hash_);
    SeteppdPtr(&hash_);
    const int32_t status = zqpde::PopupWinInPanel::InitializeUserPane(bundle, ppd);
    if (!Edition().olderBuild) DoGroupBoxHideCheck(ppd);
    return status;
}

int32_t ImageAdjustmentWndARK::ActivateWindow() {
    if (GetWindowRef() == nullptr) return 0;
    SetCurrentValueToUI();
    SyncMarkedPPD();
    zqp::Application::Shared().runModalForWindow(*GetWindowRef());
    return 0;
}

void ImageAdjustmentWndARK::SyncMarkedPPD() {
    if (ppd_file_t* ppd = GetCurrentPPD()) UpdateConflictsPanelControlFromPPD(ppd);
}

void ImageAdjustmentWndARK::DoGroupBoxHideCheck(ppd_file_t* ppd) {
    if (cmykBox_ != nullptr && !zqpde::CheckPPDKeyIsExist(ppd, "ZQCMYKCorrectionSTD") &&
        !zqpde::CheckPPDKeyIsExist(ppd, "ZQCMYKCorrectionTarget"))
        cmykBox_->setHidden(true);
    // The check box hides itself without its option; its box would be empty.
    if (checkBox_ != nullptr && overprint_ != nullptr && !zqpde::CheckPPDKeyIsExist(ppd, overprint_->checkOption))
        checkBox_->setHidden(true);
}

int32_t ImageAdjustmentWndARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    ImageOptionsPDEr15* panel = dynamic_cast<ImageOptionsPDEr15*>(GetParentWnd());
    if (panel != nullptr && !panel->IsColorModeAvailable()) return 0;
    return zqpde::PopupWinInPanel::GetSummaryText(dictionary, order);
}

bool ImageAdjustmentWndARK::OnOK() {
    ppd_file_t* ppd = GetCurrentPPD();
    if (ppd == nullptr) return false;
    SetValueFromUIToControl();
    auto* panel = dynamic_cast<ImageOptionsPDEr15*>(GetParentWnd());
    if (panel != nullptr) {
        // Hand the window's CMYK and RGB choices back to the main panel's lists.
        const std::pair<int32_t, zqpde::PPDPopupControl*> pairs[] = {{kCMYKCorrectionIATag, panel->getcmykccPopupList()},
                                                                    {kRGBCorrectionIATag, panel->getrgbccPopupList()}};
        for (auto [tag, main] : pairs) {
            zqpde::BaseControl* mine = GetPanelControl(&tag);
            auto* minePopUp = mine != nullptr ? dynamic_cast<zqp::PopUpButton*>(mine->GetControlPtr()) : nullptr;
            auto* mainPopUp = main != nullptr ? dynamic_cast<zqp::PopUpButton*>(main->GetControlPtr()) : nullptr;
            if (minePopUp == nullptr || mainPopUp == nullptr) continue;
            if (mainPopUp->indexOfSelectedItem() == minePopUp->indexOfSelectedItem()) continue;
            mainPopUp->selectItemAtIndex(minePopUp->indexOfSelectedItem());
            main->UIEventHandler();
            main->GetValueFromUI();
        }
        panel->UpdateConflictsPanelControlFromPPD(ppd);
    }
    DeactivateWindow();
    return true;
}

bool GOKButtonIAARK::UIEventHandler() {
    if (auto* window = dynamic_cast<ImageAdjustmentWndARK*>(GetParentPanel())) return window->OnOK();
    return false;
}

}  // namespace zqimg
