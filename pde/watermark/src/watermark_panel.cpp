#include "watermark_panel.h"

#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/system.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <cstring>
#include <utility>

#include "watermark_edit.h"
#include "zqpde/app_resources.h"
#include "zqpde/panel_factory.h"
#include "zqpde/ppd_util.h"
#include "zqpde/settings_access.h"

namespace zqwm {

namespace {

const zqp::PrefUser kCurrentUser = zqp::PrefUser::kCurrentUser;
constexpr const char* kModeAttribute = "ZQXWatermarkSettings";

// The access records carry full keys, so each edition has its own.
struct MainAccess {
  std::string nameKey, optionKey, firstKey, firstReference;
  zqpde::AccessInfo list, option, box;
};

const MainAccess& AccessFor(const WatermarkEdition& edition) {
  static MainAccess teld, ark;
  MainAccess& a = std::strcmp(edition.name, "ARK") == 0 ? ark : teld;
  if (a.nameKey.empty()) {
    const std::string ns = edition.ticketNamespace;
    a.nameKey = ns + "WMARKNameTicket";
    a.optionKey = ns + "WMARKOptionsTicket";
    a.firstKey = ns + "WMARKOnlyFirstTicket";
    a.firstReference = ns + "WMARKOnlyFirstCboxReference";
    a.list = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, a.nameKey.c_str(), nullptr};
    a.option = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, a.optionKey.c_str(), nullptr};
    a.box = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber, a.firstKey.c_str(), a.firstReference.c_str()};
  }
  return a;
}

const char* const wmListIniMenu[] = {"Watermark option None", nullptr};
const zqpde::ListCtrlIniData wmLboxIniData = {1, 1, 1, wmListIniMenu};
const int32_t* const NoneCnstrnArray[] = {&waterMarkEditButID, &waterMarkDeleteButID, nullptr};
const zqpde::ConstrainTagList wmLboxCnstrnArray[] = {NoneCnstrnArray, nullptr};
const zqpde::ConstrainInfo wmLboxCnstrnInfo = {zqpde::ConstrainListsOf(wmLboxCnstrnArray), {}, {}};

const char* const wmOptionListIniMenu[] = {"Watermark Print in Foreground", "Watermark Print in Background", nullptr};
const zqpde::ListCtrlIniData wmWndOptionLCtrlIniDataBlock = {1, 1, 1, wmOptionListIniMenu};
const zqpde::CheckBoxIniData wmWndCboxIniData = {0, 0, 0, "WM Print on Page 1 only String"};
const zqpde::TextEditIniData kTitleIniData = {nullptr, nullptr, 0, 0};

struct HelpRow {
  const char* prefix;
  const char* page;
};
const HelpRow WaterMarkHelpString[] = {{"WatermarkMain_", "WatermarkMain.htm"}, {"Watermark_", "Watermark.htm"}};

std::string Localize(const zqp::Bundle* bundle, const std::string& key, const std::string& table = {}) {
  if (bundle == nullptr) return zqp::kNoTranslation;
  return bundle->localizedString(key, zqp::kNoTranslation, table.empty() ? "Localizable" : table);
}

std::string ModeValue(ppd_file_t* ppd) {
  if (ppd == nullptr) return {};
  const std::string key = zqpde::FixPPDKeywordAccordingToType(ppd, kModeAttribute);
  ppd_attr_t* a = zqpde::ppdFindAttr_ALT(ppd, key.c_str(), nullptr);
  return a != nullptr && a->value != nullptr ? a->value : "";
}

zqp::Bundle* Bundle(const zqpde::BaseControl& c) {
  zqpde::BasePrintPanel* p = c.GetParentPanel();
  return p != nullptr ? p->GetPDEBundleRef() : nullptr;
}

}  // namespace

int32_t ProductTypeForMode(const std::string& modePart) {
  for (const WaterMarkProductInfo& row : waterMarkProcuctsInfo)
    if (modePart == row.resourceName) return row.productType;
  return 0;
}

std::string WatermarkModeFromPPD(ppd_file_t* ppd) {
  const std::string value = ModeValue(ppd);
  return value.substr(0, value.find('-'));
}

LayoutPDETELDw15* OwningWatermarkPanel(const zqpde::BaseControl& control) {
  zqpde::BasePrintPanel* p = control.GetParentPanel();
  if (auto* panel = dynamic_cast<LayoutPDETELDw15*>(p)) return panel;
  if (auto* window = dynamic_cast<WatermarkEditPanelTELD*>(p)) return window->Panel();
  return nullptr;
}

// ---- pop-ups ------------------------------------------------------------------------------

void WMListCtrlTELD::CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData,
                                   const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* access,
                                   const char* summaryKey, const zqp::PrefUser* user) {
  zqpde::PopupControl::CreateControl(view, iniData, constrain, access, user);
  summaryKey_ = summaryKey != nullptr ? summaryKey : "";
}

int32_t WMListCtrlTELD::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
  if (!ToGetSummaryText() || dictionary == nullptr || order == nullptr || listctrlIniDataPtr == nullptr) return 0;
  zqp::Bundle* bundle = Bundle(*this);
  const int32_t index = GetCurrentControlArrayNumber();
  const char* const* keys = listctrlIniDataPtr->titleKeys;
  int32_t n = 0;
  while (keys != nullptr && keys[n] != nullptr) ++n;
  if (index < 0 || index >= n) return 0;
  const std::string key = Localize(bundle, summaryKey_);
  (*dictionary)[key] = Localize(bundle, keys[index]);
  order->push_back(key);
  return 0;
}

bool WMOptionListCtrlTELD::InitializeMenu(zqp::Bundle* bundle, ppd_file_t*) {
  zqp::PopUpButton* p = PopUp();
  LayoutPDETELDw15* panel = OwningWatermarkPanel(*this);
  if (p == nullptr || listctrlIniDataPtr == nullptr) return false;
  p->removeAllItems();
  p->addItemWithTitle(Localize(bundle, listctrlIniDataPtr->titleKeys[0]), "0");
  if (panel != nullptr) {
    const WatermarkStore& store = panel->store();
    for (size_t i = 0; i < store.Count(); ++i)
      p->addItemWithTitle(store.Field(kWMName, i), std::to_string(i + 1));
  }
  DoProductTypeUpdate();
  return true;
}

void WMOptionListCtrlTELD::DoProductTypeUpdate() {
  zqp::PopUpButton* p = PopUp();
  LayoutPDETELDw15* panel = OwningWatermarkPanel(*this);
  if (p == nullptr || panel == nullptr) return;
  const WatermarkStore& store = panel->store();
  for (size_t i = 0; i < store.Count(); ++i)
    if (zqp::MenuItem* item = p->itemAtIndex(static_cast<int>(i) + 1))
      item->enabled = panel->GetProductsType() != 0 || store.IntField(kWMType, i) != kWMTypePicture;
}

bool WMOptionListCtrlTELD::addItem(const std::string& title) {
  zqp::PopUpButton* p = PopUp();
  if (p == nullptr) return true;
  const int n = p->numberOfItems();
  if (n >= 1 && n <= 255) {
    p->addItemWithTitle(title, std::to_string(n));
    p->selectItemAtIndex(n);
    SimulationUIEventHandler();
  }
  return true;
}

int32_t WMOptionListCtrlTELD::getCurrentItemCount() {
  zqp::PopUpButton* p = PopUp();
  return p != nullptr ? p->numberOfItems() : -1;
}

bool WMOptionListCtrlTELD::deleteCurrentItem() {
  zqp::PopUpButton* p = PopUp();
  if (p == nullptr) return true;
  const int32_t v = SelectedItemNumber();
  // Item 1 is "none": only a watermark's item (2 or more) can go.
  if (v >= 2 && v <= p->numberOfItems()) {
    p->menu().items().erase(p->menu().items().begin() + (v - 1));
    p->selectItemAtIndex(0);
    SimulationUIEventHandler();
  }
  return true;
}

bool WMOptionListCtrlTELD::deleteItemByIndex(int32_t index) {
  zqp::PopUpButton* p = PopUp();
  if (p == nullptr || index < 0 || index >= p->numberOfItems()) return true;
  const int selected = p->indexOfSelectedItem();
  p->menu().items().erase(p->menu().items().begin() + index);
  p->selectItemAtIndex(selected == index ? 0 : (selected > index ? selected - 1 : selected));
  SimulationUIEventHandler();
  return true;
}

bool WMOptionListCtrlTELD::replaceItem(const std::string& title, int32_t index) {
  zqp::PopUpButton* p = PopUp();
  if (p == nullptr || index < 0 || index >= p->numberOfItems()) return true;
  p->itemAtIndex(index)->title = title;
  p->itemAtIndex(index)->representedObject = std::to_string(index);
  p->selectItemAtIndex(index);
  SimulationUIEventHandler();
  return true;
}

int32_t WMOptionListCtrlTELD::ShownValue() { return SelectedItemNumber(); }

void WMOptionListCtrlTELD::ForgetShownValue() {
  if (char* ui = GetValueFromUIDataBlk()) SetBlockInt(ui, 0);
}

bool WMOptionListCtrlTELD::ConvertToTickectData(std::string& out) {
  out.clear();
  LayoutPDETELDw15* panel = OwningWatermarkPanel(*this);
  const int32_t v = GetValue();
  if (panel == nullptr || v < 2) return true;
  out = NameTicketHex(panel->store().Field(kWMName, static_cast<size_t>(v - 2)));
  return true;
}

bool WMOptionListCtrlTELD::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
  std::string text;
  if (settings == nullptr || ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr) return false;
  ConvertToTickectData(text);
  return StoreTicketText(settings, text, lock);
}

bool WMOptionListCtrlTELD::GetValueToPreset() {
  LayoutPDETELDw15* panel = OwningWatermarkPanel(*this);
  std::string value;
  if (panel == nullptr || GetControlBlkPtr() == nullptr || !ReadTicketText(value)) return false;
  std::optional<int32_t> restored = RestoredPopupValue(panel->store(), value, panel->GetProductsType());
  if (!restored) return false;
  SetBlockInt(GetControlBlkPtr(), *restored);
  return true;
}

// The summary names what the panel shows: the value is committed only when
// the ticket is written, and until then (after Delete, or a choice not yet
// saved) the committed number may name another watermark of the store.
bool WMOptionListCtrlTELD::ToGetSummaryText() { return ShownValue() >= 2; }

int32_t WMOptionListCtrlTELD::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
  LayoutPDETELDw15* panel = OwningWatermarkPanel(*this);
  if (!ToGetSummaryText() || dictionary == nullptr || order == nullptr || panel == nullptr) return 0;
  const int32_t v = ShownValue();
  const std::string key = Localize(Bundle(*this), summaryKey_);
  (*dictionary)[key] = panel->store().Field(kWMName, static_cast<size_t>(v - 2));
  order->push_back(key);
  return 0;
}

int32_t WMCheckBoxTELD::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
  LayoutPDETELDw15* panel = OwningWatermarkPanel(*this);
  if (dictionary == nullptr || order == nullptr || panel == nullptr || panel->getOptionListCtrlPtr() == nullptr ||
      !panel->getOptionListCtrlPtr()->ToGetSummaryText() || checkboxctrlIniDataPtr == nullptr)
    return 0;
  zqp::Bundle* bundle = Bundle(*this);
  const std::string key = Localize(bundle, checkboxctrlIniDataPtr->titleKey);
  (*dictionary)[key] = Localize(bundle, ViewState() != 0 ? "On" : "Off");
  order->push_back(key);
  return 0;
}

// ---- buttons ------------------------------------------------------------------------------

bool WMNewButtonTELD::UIEventHandler() {
  LayoutPDETELDw15* panel = OwningWatermarkPanel(*this);
  if (panel == nullptr) return true;
  WMOptionListCtrlTELD* list = panel->getOptionListCtrlPtr();
  if (list != nullptr && list->getCurrentItemCount() > kMaxWatermarkItems) {
    ShowErrMsg();
    return true;
  }
  if (list != nullptr && panel->getWatermarkEditWnd() != nullptr) {
    panel->getWatermarkEditWnd()->setDlgStatus(0);
    panel->getWatermarkEditWnd()->ActivateWindow();
  }
  return true;
}

void WMNewButtonTELD::ShowErrMsg() {
  zqp::Bundle* bundle = Bundle(*this);
  LayoutPDETELDw15* panel = OwningWatermarkPanel(*this);
  if (bundle == nullptr) return;
  zqp::Alert alert;
  alert.setMessageText("");
  alert.setInformativeText(Localize(bundle, "Message115"));
  alert.setInformativeKey("Message115");
  alert.addButtonWithTitle(Localize(bundle, "Alert OK Btn"));
  alert.setIconFromFile(bundle->resourcePath() + "/AlertIcon.png");
  alert.runModal();
  if (panel != nullptr && panel->getOptionListCtrlPtr() != nullptr)
    if (zqp::View* v = panel->getOptionListCtrlPtr()->GetControlPtr())
      if (zqp::Window* w = v->window()) w->makeFirstResponder(v);
}

bool WMEditButtonTELD::UIEventHandler() {
  LayoutPDETELDw15* panel = OwningWatermarkPanel(*this);
  if (panel == nullptr || panel->getWatermarkEditWnd() == nullptr) return true;
  panel->getWatermarkEditWnd()->setDlgStatus(1);
  panel->getWatermarkEditWnd()->ActivateWindow();
  return true;
}

bool WMDeleteButtonTELD::UIEventHandler() {
  LayoutPDETELDw15* panel = OwningWatermarkPanel(*this);
  WMOptionListCtrlTELD* list = panel != nullptr ? panel->getOptionListCtrlPtr() : nullptr;
  if (list == nullptr) return true;
  const int32_t v = list->ShownValue();
  if (v < 2) return true;
  list->deleteCurrentItem();
  panel->store().Remove(static_cast<size_t>(v - 2));
  // Kept at once: a dialog left without hiding the panel loses nothing.
  panel->SetWMArrayValue();
  return true;
}

bool WMDefaultButtonTELD::UIEventHandler() {
  zqpde::BasePrintPanel* owner = GetParentPanel();
  if (owner == nullptr) return true;
  owner->SetDefaultValueToUI();
  if (owner->GetCurrentPrintSession() != nullptr && owner->GetCurrentPPD() != nullptr)
    owner->UpdateConflictsPanelControlFromPPD(owner->GetCurrentPPD());
  return true;
}

void WMHelpButtonTELD::CreateControl(zqp::View* view, const char* helpName) {
  zqpde::BaseButton::CreateControl(view, nullptr);
  if (helpfilename.empty() && helpName != nullptr) helpfilename = helpName;
}

bool WMHelpButtonTELD::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
  zqpde::BaseButton::InitializeCtrl(bundle, ppd);
  const std::string value = ModeValue(ppd);
  const size_t dash = value.find('-');
  if (value.empty()) return true;
  for (const HelpRow& row : WaterMarkHelpString)
    if (helpfilename == row.page)
      helpfilename = std::string(row.prefix) + (dash == std::string::npos ? "" : value.substr(dash + 1)) + ".htm";
  return true;
}

bool WMHelpButtonTELD::UIEventHandler() {
  if (!helpfilename.empty()) zqpde::GotoHelpPage(Bundle(*this), helpfilename, "", "Help Viewer Title for WaterMark");
  return true;
}

// ---- panel --------------------------------------------------------------------------------

LayoutPDETELDw15::LayoutPDETELDw15(zqp::DialogHost* host, const WatermarkEdition& edition, std::string nibName,
                                   int32_t productType)
    : zqpde::ExtensionPanel(host, "WaterMarkPDE"),
      edition_(edition),
      currentPDENibFileName(std::move(nibName)),
      iProductsType(productType) {}

LayoutPDETELDw15::~LayoutPDETELDw15() {
  terminate();
  waterMarkEditPanel.reset();
}

void LayoutPDETELDw15::BindOutlets(zqp::Outlets& outlets) {
  outlets.bind("waterMarkView", waterMarkView);
  outlets.bind("waterMarkEditPanelRef", waterMarkEditPanelRef);
}

std::string LayoutPDETELDw15::panelName() {
  if (thePDEName.empty()) thePDEName = Localize(zqpde::pluginBundle, "PDE Title", LocalizeTableName);
  return thePDEName;
}

void LayoutPDETELDw15::willShow() {
  printing_ = false;
  if (windowRef == nullptr && waterMarkView != nullptr) windowRef = waterMarkView->window();
  Open();
  zqpde::BasePrintPanel::willShow();
}

bool LayoutPDETELDw15::shouldHide() {
  printing_ = false;
  SetWMArrayValue();
  return true;
}

bool LayoutPDETELDw15::shouldShowHelp() { return HelpByButton(helpButCtrl, &WMHelpButtonTELD::HelpFileName); }

void LayoutPDETELDw15::InitializeFirstOpen(zqp::DialogHost* host, ppd_file_t* ppd) {
  SetCurrentPrintSettings(host->printSettings(), ppd, host, host->printSession());
  GetWMArrayValue();
  InitializeUserPane(zqpde::pluginBundle, ppd);
}

void LayoutPDETELDw15::RestoreValues(ppd_file_t* ppd, bool first) { ShowTicketValues(ppd, first); }

void LayoutPDETELDw15::BeforeTicketValues(bool first) {
  if (first && watermarkListPtr != nullptr) watermarkListPtr->ForgetShownValue();
}

void LayoutPDETELDw15::CreatePanel(zqp::Window* window) {
  zqpde::BasePrintPanel::CreatePanel(window);
  zqp::DialogHost* host = GetCurrentPDECallbackObj();
  zqp::Rect r;
  if (host != nullptr && host->printSession() != nullptr &&
      host->printSession()->pageFormat().GetUnadjustedPaperRect(r) == 0) {
    curPaperSize = PMGetPhysicalPaperSize();
  }
  getOrientation();
  CreatePanelForCommentCtrl();
  CreatePanelForWatermarkCtrl();
  store_.SetLists({});
}

void LayoutPDETELDw15::CreatePanelForCommentCtrl() {
  zqp::View* v = waterMarkView;
  auto restore = std::make_unique<WMDefaultButtonTELD>();
  restore->CreateControl(v->viewWithTag(waterMarkDefaultButID), "WM RESTORE Btn");
  AddNewControl(std::move(restore));
  auto help = std::make_unique<WMHelpButtonTELD>();
  help->CreateControl(v->viewWithTag(waterMarkHelpButID), "WatermarkMain.htm");
  helpButCtrl = AddNewControl(std::move(help));
  auto version = std::make_unique<zqpde::VersionStringSText>();
  version->CreateControl(v->viewWithTag(waterMarkVersionStrID), nullptr, zqpde::ConstraintFileUsable(HostPPD()));
  AddNewControl(std::move(version));
}

void LayoutPDETELDw15::CreatePanelForWatermarkCtrl() {
  zqp::View* v = waterMarkView;
  const MainAccess& access = AccessFor(edition_);
  auto button = [&](auto control, int32_t tag, const char* title) {
    control->CreateControl(v->viewWithTag(tag), title);
    AddNewControl(std::move(control));
  };
  button(std::make_unique<WMNewButtonTELD>(), waterMarkNewButID, "WM New Watermark Btn");
  button(std::make_unique<WMEditButtonTELD>(), waterMarkEditButID, "WM Edit Watermark Btn");
  button(std::make_unique<WMDeleteButtonTELD>(), waterMarkDeleteButID, "WM Delete Watermark Btn");
  auto title = [&](int32_t tag, const char* key) {
    auto t = std::make_unique<zqpde::StaticTextEditControl>();
    t->CreateControl(v->viewWithTag(tag), &kTitleIniData, nullptr, nullptr, nullptr, nullptr, key);
    AddNewControl(std::move(t));
  };
  title(waterMarkListTitleID, "WM List Title Text");
  auto list = std::make_unique<WMOptionListCtrlTELD>();
  list->CreateControl(v->viewWithTag(waterMarkListID), &wmLboxIniData, &wmLboxCnstrnInfo, &access.list,
                      "WM List Summary String", nullptr);
  watermarkListPtr = AddNewControl(std::move(list));
  title(waterMarkOptionListTitleID, "WM Option List Title Text");
  auto option = std::make_unique<WMListCtrlTELD>();
  option->CreateControl(v->viewWithTag(waterMarkOptionListID), &wmWndOptionLCtrlIniDataBlock, nullptr, &access.option,
                        "WM Option List Summary String", nullptr);
  AddNewControl(std::move(option));
  AddNewControl(std::make_unique<WMCheckBoxTELD>(v->viewWithTag(waterMarkPrintFristPageCBoxID), &wmWndCboxIniData,
                                                 nullptr, &access.box, &kCurrentUser));
  if (waterMarkEditPanelRef != nullptr) {
    waterMarkEditPanel =
        std::make_unique<WatermarkEditPanelTELD>(waterMarkEditPanelRef, "Watermark Edit Windows Title String", this);
    RunTimeAddNewWindow(waterMarkEditPanel.get());
  }
}

void LayoutPDETELDw15::GetWMArrayValue() { store_.Load(edition_.ticketNamespace, GetCurrentPrinterString()); }

bool LayoutPDETELDw15::SetWMArrayValue() {
  if (bFirstInitialzePDE) return true;  // nothing loaded, nothing to keep
  return store_.Save(edition_.ticketNamespace, GetCurrentPrinterString());
}

PaperRect LayoutPDETELDw15::PMGetPhysicalPaperSize() {
  zqp::DialogHost* host = GetCurrentPDECallbackObj();
  PaperRect hostPaper{0, 0, 792, 612};
  if (host != nullptr && host->printSession() != nullptr) {
    zqp::Rect r;
    if (host->printSession()->pageFormat().GetUnadjustedPaperRect(r) == 0) hostPaper = {r.top, r.left, r.bottom, r.right};
  }
  return zqwm::PMGetPhysicalPaperSize(host != nullptr ? host->ppdFile() : nullptr,
                                      host != nullptr ? host->printSettings() : nullptr, hostPaper);
}

int32_t LayoutPDETELDw15::getOrientation() {
  zqp::DialogHost* host = GetCurrentPDECallbackObj();
  zqp::Orientation o = zqp::Orientation::kPortrait;
  if (host != nullptr && host->printSession() != nullptr && host->printSession()->pageFormat().GetOrientation(o) == 0)
    orientation = static_cast<int32_t>(o);
  return orientation;
}

WatermarkTicketContext LayoutPDETELDw15::TicketContext() {
  WatermarkTicketContext context;
  context.paper = curPaperSize = PMGetPhysicalPaperSize();
  context.orientation = getOrientation();
  const std::string font = Localize(zqpde::pluginBundle, "DefaultFont String", LocalizeTableName);
  if (font != zqp::kNoTranslation) context.defaultMeasuringFont = font;
  return context;
}

int32_t LayoutPDETELDw15::SetValueToTicket(zqp::PrintSettings* settings, bool lock) {
  if (settings == nullptr) return zqp::kParamErr;
  const int32_t v = watermarkListPtr != nullptr ? watermarkListPtr->GetValue() : 1;
  std::string copy;
  SetValueToTicketForWatermarkCtrl(settings, store_, v, edition_, TicketContext(), lock, &copy);
  pictureCopies_.AfterWrite(copy, *settings, edition_.ticketNamespace);
  return zqpde::BasePrintPanel::SetValueToTicket(settings, lock);
}

bool LayoutPDETELDw15::WriteTicket() {
  CommitShownValues();
  // The store is kept whenever the ticket is written, so leaving the dialog
  // by printing or saving loses no watermark.
  SetWMArrayValue();
  return WriteTicketTo(HostPrintSettings());
}

bool LayoutPDETELDw15::saveValuesAndReturnError(std::string*) {
  const bool printing = std::exchange(printing_, false);
  if (bFirstInitialzePDE) return HostPrintSettings() != nullptr;
  const bool written = WriteTicket();
  // The save that follows the print gate makes the ticket the job takes:
  // the job reads the picture it names after the dialog is gone.
  if (printing && HostPrintSettings() != nullptr)
    pictureCopies_.HandOut(*HostPrintSettings(), edition_.ticketNamespace);
  return written;
}

bool LayoutPDETELDw15::shouldPrint() {
  if (bFirstInitialzePDE) SimulationOpenPDE(nullptr);
  printing_ = true;
  return WriteTicket();
}

// ---- principal class ----------------------------------------------------------------------

std::vector<std::unique_ptr<zqp::Panel>> LayoutPlugInTELDw15::PanelsForPPD(ppd_file_t* ppd, zqp::Bundle* bundle,
                                                                           zqp::DialogHost* host) {
  std::vector<std::unique_ptr<zqp::Panel>> panels;
  auto r = zqpde::PanelResourcesFromPPD(ppd, bundle, kModeAttribute, "ZQWaterMark_", "WatermarkMain_");
  if (!r) return panels;
  panels.push_back(std::make_unique<LayoutPDETELDw15>(host, edition_, "ZQWaterMark_" + r->nibPart,
                                                      ProductTypeForMode(r->nibPart)));
  return panels;
}

}  // namespace zqwm
