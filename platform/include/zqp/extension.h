#pragma once
// The protocol between the print dialog and an extension bundle. A bundle
// exports one C factory (kPlugInFactorySymbol) that makes its principal
// object; the dialog hands it the bundle, asks it for panels, and drives
// every panel through the calls below in the order the framework expects:
// restore, show when asked, save, and the print gate.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "zqp/export.h"

namespace zqp {

class Bundle;
class DialogHost;
class View;

// The dialog type of the print dialog's own panels.
inline constexpr const char* kPrintDialogPanelType = "BDB091F4-E57F-11D3-B5CC-0050E4603277";
// Key of the summary under which a panel keeps the order of its entries.
inline constexpr const char* kSummaryDisplayOrderKey = "Summary Display Order";

struct Summary {
  std::map<std::string, std::string> values;
  std::vector<std::string> order;  // stored under kSummaryDisplayOrderKey
};

class ZQP_API Panel {
 public:
  virtual ~Panel();
  virtual View* panelView() = 0;
  virtual std::string panelName() = 0;
  virtual std::string panelKind() = 0;
  // PPD option keywords the panel shows; the dialog tells it when another
  // panel changes one of them.
  virtual std::vector<std::string> supportedPPDOptionKeys() { return {}; }
  virtual void willShow() {}
  virtual bool shouldHide() { return true; }
  virtual bool shouldPrint() { return true; }
  // False when the panel opened its own help page.
  virtual bool shouldShowHelp() { return true; }
  // error, when given, receives a message on failure.
  virtual bool restoreValuesAndReturnError(std::string* error) = 0;
  virtual bool saveValuesAndReturnError(std::string* error) = 0;
  virtual Summary summaryInfo() { return {}; }
  virtual void PPDOptionKeyValueDidChange(const std::string& /*option*/, const std::string& /*choice*/) {}
};

class ZQP_API PlugIn {
 public:
  virtual ~PlugIn();
  virtual bool initWithBundle(Bundle* bundle) = 0;
  // The panels for a dialog type; empty for none.
  virtual std::vector<std::unique_ptr<Panel>> PDEPanelsForType(const std::string& type, DialogHost* host) = 0;
};

// The one symbol a bundle exports, with C linkage:
//   extern "C" zqp::PlugIn* ZQCreatePlugIn();
// ZQP_DEFINE_PLUGIN(MyPlugIn) writes it.
inline constexpr const char* kPlugInFactorySymbol = "ZQCreatePlugIn";
using PlugInFactory = PlugIn* (*)();

}  // namespace zqp

#define ZQP_DEFINE_PLUGIN(Class)                                                          \
  extern "C" __attribute__((visibility("default"))) zqp::PlugIn* ZQCreatePlugIn() { \
    return new Class();                                                                   \
  }
