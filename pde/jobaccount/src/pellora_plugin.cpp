#include "pellora_plugin.h"

#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/nib.h>
#include <zqp/nib_objects.h>
#include <zqp/system.h>

#include "account_store.h"
#include "host_values.h"
#include "localization.h"
#include "setting_dialogs.h"
#include "string_codecs.h"
#include "system_utilities.h"

#include <zqp/utf8.h>

namespace pellora {

void RegisterNibClasses(const std::string& bundleIdentifier) {
  zqp::RegisterNibClass(bundleIdentifier, "CtController", [] { return std::make_unique<CtController>(); });
  zqp::RegisterNibClass(bundleIdentifier, "CtModel", [] { return std::make_unique<CtModel>(); });
  zqp::RegisterNibClass(bundleIdentifier, "AdminSettingController",
                        [] { return std::make_unique<AdminSettingController>(); });
  zqp::RegisterNibClass(bundleIdentifier, "UserSettingController",
                        [] { return std::make_unique<UserSettingController>(); });
}

bool ChromalogPdePlugin::initWithBundle(zqp::Bundle* bundle) {
  if (theBundle_ == nullptr) theBundle_ = bundle;
  return true;
}

std::vector<std::unique_ptr<zqp::Panel>> ChromalogPdePlugin::PDEPanelsForType(const std::string& type,
                                                                              zqp::DialogHost* host) {
  std::vector<std::unique_ptr<zqp::Panel>> panels;
  // Offered for every printer: the PPD is not asked.
  if (type == zqp::kPrintDialogPanelType && host != nullptr)
    panels.push_back(std::make_unique<ChromalogPdeInterface>(host, theBundle_));
  return panels;
}

BasicPdeInterface::BasicPdeInterface(zqp::DialogHost* callback, zqp::Bundle* bundle)
    : pluginBundle_(bundle),
      pdePluginCallbackObject_(callback),
      ppd_(callback != nullptr ? callback->ppdFile() : nullptr),
      localizedFileName_(LocalizedFileName(ppd_)) {}

std::string BasicPdeInterface::panelName() {
  if (thePDEName_.empty())
    thePDEName_ = zqmrvnLocalizedStringForKey(pluginBundle_, "Custom PDE Title", "", localizedFileName_);
  return thePDEName_;
}

std::string BasicPdeInterface::panelKind() { return pluginBundle_ != nullptr ? pluginBundle_->identifier() : ""; }

ChromalogPdeInterface::ChromalogPdeInterface(zqp::DialogHost* callback, zqp::Bundle* bundle)
    : BasicPdeInterface(callback, bundle), encoding_(GetEncodingInfoFromPPD(ppd_)) {
  const std::string login = ProcessUserName();
  values_.adminLoginUserID = login;
  values_.userLoginUserID = login;
  if (!restoreFromPreferences()) restoreFromTicket();
  // The ticket holds the panel's values even if the panel is never shown.
  saveValuesAndReturnError(nullptr);
}

ChromalogPdeInterface::~ChromalogPdeInterface() {
  // The nib's objects go first: nothing may reach the panel through them.
  ctController_ = nullptr;
  ctModel_ = nullptr;
  topLevelObjs_.clear();
}

zqp::View* ChromalogPdeInterface::panelView() {
  if (ctController_ == nullptr) {
    if (pluginBundle_ == nullptr) return nullptr;
    const std::string nibName = CopyPPDAttribute(ppd_, "ZQChromalogNibName").value_or("JobAuthentication");
    RegisterNibClasses(pluginBundle_->identifier());
    zqp::Outlets owner;
    owner.bind("ctController", ctController_);
    owner.bind("ctModel", ctModel_);
    std::vector<std::unique_ptr<zqp::Object>> objects;
    std::string error;
    if (!zqp::LoadNib(*pluginBundle_, nibName, owner, objects, &error)) {
      zqp::Log("job accounting: %s", error.c_str());
      ctController_ = nullptr;
      ctModel_ = nullptr;
      return nullptr;
    }
    topLevelObjs_ = std::move(objects);
    if (ctController_ == nullptr) return nullptr;  // tried again at the next call
    ctController_->setBundle(pluginBundle_);
    ctController_->setPrinterID(printerID());
    ctController_->setPPD(ppd_);
    // On 10.6 a registration of the book from a localised folder can stay
    // behind in the user's help preferences; it goes before the book is
    // registered again.
    if (const int32_t code = OSVersionCode(); code >= kStaleHelpFirstVersion && code < kPreferencesEndVersion)
      UtilityService::removeHelpCacheForBundleID(pluginBundle_->identifier());
    zqp::RegisterHelpBook(pluginBundle_);
  }
  return ctController_->mainView();
}

std::string ChromalogPdeInterface::printerID() const {
  std::string id;
  if (pdePluginCallbackObject_ != nullptr && pdePluginCallbackObject_->printSession() != nullptr)
    pdePluginCallbackObject_->printSession()->GetCurrentPrinterID(id);
  return id;
}

void ChromalogPdeInterface::setModel() {
  if (ctModel_ != nullptr) ctModel_->setAccountValues(values_);
}

void ChromalogPdeInterface::retrieveModel() {
  if (ctModel_ != nullptr) values_ = ctModel_->accountValues();
}

bool ChromalogPdeInterface::restoreFromPreferences() {
  return RestoreFromPreferences(printerID(), encoding_, values_);
}

void ChromalogPdeInterface::restoreFromTicket() {
  zqp::PrintSettings* settings =
      pdePluginCallbackObject_ != nullptr ? pdePluginCallbackObject_->printSettings() : nullptr;
  if (settings != nullptr) RestoreFromTicket(*settings, encoding_, values_);
}

bool ChromalogPdeInterface::isReckonaSupported() const {
  return ppdFindAttr_ALT(ppd_, "ZQJAUsePassword", nullptr) != nullptr;
}

void ChromalogPdeInterface::updateView() {
  if (ctController_ != nullptr) ctController_->localizeView();
}

void ChromalogPdeInterface::willShow() {
  // A dialog that has not asked for the view yet gets it now, so the shown
  // panel has its model and its texts.
  panelView();
  setModel();
  updateView();
}

bool ChromalogPdeInterface::shouldShowHelp() {
  if (ctController_ == nullptr) return true;
  ctController_->showHelpBook();
  return false;
}

bool ChromalogPdeInterface::restoreValuesAndReturnError(std::string*) {
  if (!restoreFromPreferences()) restoreFromTicket();
  setModel();
  return true;
}

bool ChromalogPdeInterface::saveValuesAndReturnError(std::string* error) {
  zqp::PrintSettings* settings =
      pdePluginCallbackObject_ != nullptr ? pdePluginCallbackObject_->printSettings() : nullptr;
  if (settings == nullptr) {
    if (error != nullptr) *error = "no print settings";
    return false;
  }
  const HostInfo host = CurrentHostInfo();
  retrieveModel();
  WriteTicket(*settings, values_, host, encoding_);
  return true;
}

zqp::Summary ChromalogPdeInterface::summaryInfo() {
  // What the person has set in the panel so far, not what was last saved.
  retrieveModel();
  auto text = [this](const char* key) {
    return zqmrvnLocalizedStringForKey(pluginBundle_, key, "", localizedFileName_);
  };
  zqp::Summary summary;
  auto add = [&summary, &text](const char* title, const std::string& value) {
    const std::string t = text(title);
    summary.values[t] = value;
    summary.order.push_back(t);
  };
  const bool admin = values_.chromalogMode == 0;
  const std::string& group = admin ? values_.adminGroupID : values_.userGroupID;
  const int accountMode = admin ? values_.adminAccountMode : values_.userAccountMode;
  const std::string& name = accountMode == 0 ? (admin ? values_.adminLoginUserID : values_.userLoginUserID)
                                             : (admin ? values_.adminInputUserID : values_.userInputUserID);
  const std::string& password = admin ? values_.adminPassword : values_.userPassword;

  add("JBA Account Mode", text(admin ? "JBA Admin Mode" : "JBA User Mode"));
  if (!group.empty()) add("JBA Group Name", group);
  add("JBA Job Owner Type", text(accountMode == 0 ? "JBA Login Name" : "JBA Input Name"));
  if (!name.empty()) add("JBA Specify Name", name);
  if (!password.empty()) add("JBA Password", std::string(zqp::Utf16Length(password), '*'));
  return summary;
}

}  // namespace pellora

ZQP_DEFINE_PLUGIN(pellora::ChromalogPdePlugin)
