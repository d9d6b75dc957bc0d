#pragma once
// The watermark extension's face to the print dialog: the principal class,
// the panel (which owns the store of watermarks.h and the edit window) and
// the controls of the main panel: the watermark pop-up ("none" first), the
// foreground/background option, the first-page-only box and the New, Edit,
// Delete, restore-defaults and help buttons.
#include <zqp/extension.h>

#include <cups/ppd.h>

#include <memory>
#include <string>
#include <vector>

#include "watermark_edition.h"
#include "watermark_store.h"
#include "watermark_ticket.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/extension_panel.h"
#include "zqpde/panel_factory.h"
#include "zqpde/standard_controls.h"

namespace zqwm {

class WatermarkEditPanelTELD;

// Tags of the main panel's views.
inline constexpr int32_t waterMarkPreViewID = 1001;
inline constexpr int32_t waterMarkListTitleID = 1002;
inline constexpr int32_t waterMarkListID = 1003;
inline constexpr int32_t waterMarkEditButID = 1004;
inline constexpr int32_t waterMarkDeleteButID = 1005;
inline constexpr int32_t waterMarkNewButID = 1006;
inline constexpr int32_t waterMarkOptionListTitleID = 1007;
inline constexpr int32_t waterMarkOptionListID = 1008;
inline constexpr int32_t waterMarkPrintFristPageCBoxID = 1009;
inline constexpr int32_t waterMarkHelpButID = 1010;
inline constexpr int32_t waterMarkDefaultButID = 1011;
inline constexpr int32_t waterMarkVersionStrID = 1012;

// Product types: 0 text watermarks only, 1 text and picture watermarks.
struct WaterMarkProductInfo {
  int32_t productType;
  const char* resourceName;
};
inline constexpr WaterMarkProductInfo waterMarkProcuctsInfo[] = {{0, "Default00"}, {1, "Default01"}};
// The product type of a mode part ("Default01"); 0 when no row names it.
int32_t ProductTypeForMode(const std::string& modePart);

// The mode part of the PPD's "ZQXWatermarkSettings" (text before the first
// "-"); empty without the attribute.
std::string WatermarkModeFromPPD(ppd_file_t* ppd);

// The most watermarks the pop-up holds: New refuses a 33rd.
inline constexpr int32_t kMaxWatermarkItems = 32;

// A pop-up with a summary title; the option pop-up is never in the summary.
class WMListCtrlTELD : public zqpde::PopupControl {
 public:
  using zqpde::PopupControl::CreateControl;
  void CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData, const zqpde::ConstrainInfo* constrain,
                     const zqpde::AccessInfo* access, const char* summaryKey, const zqp::PrefUser* user);
  virtual bool ToGetSummaryText() { return false; }
  int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;

 protected:
  std::string summaryKey_;
};

// The watermark pop-up: item 1 "none", item n + 2 watermark n of the store.
class WMOptionListCtrlTELD : public WMListCtrlTELD {
 public:
  bool InitializeMenu(zqp::Bundle* bundle, ppd_file_t* ppd) override;
  void DoProductTypeUpdate();
  // Appends a title and selects it (at most 256 items); true.
  bool addItem(const std::string& title);
  int32_t getCurrentItemCount();
  // Removes the selected watermark's item; item 1 ("none") is never removed.
  bool deleteCurrentItem();
  bool deleteItemByIndex(int32_t index);
  bool replaceItem(const std::string& title, int32_t index);
  bool ConvertToTickectData(std::string& out) override;
  using zqpde::PopupControl::SetValueToTicket;
  // Writes the name key even when empty ("none"), so a stale name never stays.
  bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
  bool GetValueToPreset() override;
  bool ToGetSummaryText() override;
  int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
  // The pop-up's value as shown (1 none).
  int32_t ShownValue();
  // Before the first showing: no value shown yet, so the first simulated
  // event applies the chosen value's disable list (Edit and Delete off for none).
  void ForgetShownValue();
};

class WMCheckBoxTELD : public zqpde::CheckBox {
 public:
  using zqpde::CheckBox::CheckBox;
  int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
};

class WMNewButtonTELD : public zqpde::BaseButton {
 public:
  bool UIEventHandler() override;
  void ShowErrMsg();
};
class WMEditButtonTELD : public zqpde::BaseButton {
 public:
  bool UIEventHandler() override;
};
class WMDeleteButtonTELD : public zqpde::BaseButton {
 public:
  bool UIEventHandler() override;
};
// Restore defaults of the panel or of the edit window (the store is not touched).
class WMDefaultButtonTELD : public zqpde::BaseButton {
 public:
  bool UIEventHandler() override;
};
class WMHelpButtonTELD : public zqpde::BaseButton {
 public:
  using zqpde::BaseButton::CreateControl;
  void CreateControl(zqp::View* view, const char* helpName);
  bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
  bool UIEventHandler() override;
  const std::string& HelpFileName() const { return helpfilename; }

 private:
  std::string helpfilename;
};

class LayoutPDETELDw15 : public zqpde::ExtensionPanel {
 public:
  LayoutPDETELDw15(zqp::DialogHost* host, const WatermarkEdition& edition, std::string nibName, int32_t productType);
  ~LayoutPDETELDw15() override;

  std::string panelName() override;
  std::string panelKind() override { return edition_.panelKind; }
  void willShow() override;
  bool shouldHide() override;
  bool shouldPrint() override;
  bool shouldShowHelp() override;
  bool saveValuesAndReturnError(std::string* error) override;

  void CreatePanel(zqp::Window* window) override;
  using zqpde::BasePrintPanel::SetValueToTicket;
  int32_t SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;

  // The store (load, save) and what the edit window and preview ask.
  void GetWMArrayValue();
  bool SetWMArrayValue();
  WatermarkStore& store() { return store_; }
  PaperRect PMGetPhysicalPaperSize();
  int32_t getOrientation();
  WatermarkTicketContext TicketContext();
  const WatermarkEdition& edition() const { return edition_; }
  int32_t GetProductsType() const { return iProductsType; }
  void SetProductsType(int32_t type) { iProductsType = type; }
  WMOptionListCtrlTELD* getOptionListCtrlPtr() { return watermarkListPtr; }
  WatermarkEditPanelTELD* getWatermarkEditWnd() { return waterMarkEditPanel.get(); }
  zqp::View* getWaterMarkView() { return waterMarkView; }
  const std::string& nibFileName() const { return currentPDENibFileName; }

 protected:
  std::string NibName() override { return currentPDENibFileName; }
  void BindOutlets(zqp::Outlets& outlets) override;
  zqp::View* View() const override { return waterMarkView; }
  // The store of the printer is read before the controls are set up.
  void InitializeFirstOpen(zqp::DialogHost* host, ppd_file_t* ppd) override;
  void RestoreValues(ppd_file_t* ppd, bool first) override;
  // The pop-up forgets what it showed before its first showing.
  void BeforeTicketValues(bool first) override;

 private:
  void CreatePanelForCommentCtrl();
  void CreatePanelForWatermarkCtrl();
  // Commits what the panel shows, keeps the store, writes the ticket.
  bool WriteTicket();

  const WatermarkEdition& edition_;
  PaperRect curPaperSize;
  int32_t orientation = 1;
  std::string currentPDENibFileName;
  int32_t iProductsType = 0;
  zqp::View* waterMarkView = nullptr;
  zqp::Window* waterMarkEditPanelRef = nullptr;
  std::unique_ptr<WatermarkEditPanelTELD> waterMarkEditPanel;
  WMOptionListCtrlTELD* watermarkListPtr = nullptr;
  WMHelpButtonTELD* helpButCtrl = nullptr;
  WatermarkStore store_;
  PictureCopies pictureCopies_;
  // Between the print gate and the save that makes the job's ticket.
  bool printing_ = false;
};

// The principal class; the edition is the bundle's.
class LayoutPlugInTELDw15 : public zqpde::ExtensionPlugIn {
 public:
  explicit LayoutPlugInTELDw15(const WatermarkEdition& edition) : edition_(edition) {}

 protected:
  std::vector<std::unique_ptr<zqp::Panel>> PanelsForPPD(ppd_file_t* ppd, zqp::Bundle* bundle,
                                                        zqp::DialogHost* host) override;

 private:
  const WatermarkEdition& edition_;
};

// The watermark panel that owns a control (directly, or through the edit window).
LayoutPDETELDw15* OwningWatermarkPanel(const zqpde::BaseControl& control);

}  // namespace zqwm
