#pragma once
// The job-accounting extension of the second printer family: its principal
// object, which offers the panel for every printer, and the panel, which
// keeps the account values, writes them into the ticket and restores them
// from the ticket or (before 10.7) the preferences.
#include <cups/ppd.h>

#include <memory>
#include <string>
#include <vector>

#include <zqp/extension.h>
#include <zqp/text.h>

#include "ct_controller.h"
#include "ct_model.h"

namespace zqp {
class Bundle;
class DialogHost;
}  // namespace zqp

namespace pellora {

// Makes the nib classes (controller, model, the two setting dialogs) known
// to nibs of the bundle with that identifier.
void RegisterNibClasses(const std::string& bundleIdentifier);

// Not a zqpde::ExtensionPlugIn: this extension is not built on the control
// framework, and it offers its panel for every printer, with a PPD or not.
class ChromalogPdePlugin : public zqp::PlugIn {
 public:
  bool initWithBundle(zqp::Bundle* bundle) override;
  std::vector<std::unique_ptr<zqp::Panel>> PDEPanelsForType(const std::string& type,
                                                            zqp::DialogHost* host) override;

 private:
  zqp::Bundle* theBundle_ = nullptr;
};

// The panel protocol's defaults.
class BasicPdeInterface : public zqp::Panel {
 public:
  BasicPdeInterface(zqp::DialogHost* callback, zqp::Bundle* bundle);
  zqp::View* panelView() override { return nullptr; }
  std::string panelName() override;
  std::string panelKind() override;
  bool restoreValuesAndReturnError(std::string*) override { return true; }
  bool saveValuesAndReturnError(std::string*) override { return true; }

 protected:
  zqp::Bundle* pluginBundle_;
  zqp::DialogHost* pdePluginCallbackObject_;
  std::string thePDEName_;
  ppd_file_t* ppd_;
  std::string localizedFileName_;
};

class ChromalogPdeInterface : public BasicPdeInterface {
 public:
  ChromalogPdeInterface(zqp::DialogHost* callback, zqp::Bundle* bundle);
  ~ChromalogPdeInterface() override;

  // Loads the panel's nib on the first call that finds a controller in it.
  zqp::View* panelView() override;
  void willShow() override;
  bool shouldShowHelp() override;
  bool restoreValuesAndReturnError(std::string* error) override;
  bool saveValuesAndReturnError(std::string* error) override;
  zqp::Summary summaryInfo() override;

  // The nib's controller and the model the panel's controls are bound to.
  void setCtController(CtController* controller) { ctController_ = controller; }
  void setCtModel(CtModel* model) { ctModel_ = model; }
  void updateView();
  void setModel();
  void retrieveModel();
  bool restoreFromPreferences();
  void restoreFromTicket();
  bool isReckonaSupported() const;

  const AccountValues& values() const { return values_; }
  void setValues(const AccountValues& values) { values_ = values; }
  std::string printerID() const;
  zqp::TextEncoding encoding() const { return encoding_; }

 private:
  AccountValues values_;
  CtController* ctController_ = nullptr;
  CtModel* ctModel_ = nullptr;
  std::vector<std::unique_ptr<zqp::Object>> topLevelObjs_;
  zqp::TextEncoding encoding_;
};

}  // namespace pellora
