// The test-only extension: one panel with a PPD pop-up, a number field with
// a formatter, a button opening a modal window with OK and Cancel, an alert
// button and a help button. Built twice (two identifiers) from these sources.
#include <cups/ppd.h>

#include <string>

#include "test_framework.h"
#include "zqp/bundle.h"
#include "zqp/extension.h"
#include "zqp/host.h"
#include "zqp/nib.h"
#include "zqp/system.h"
#include "zqp/window.h"

#ifndef TEST_PANEL_KIND
#define TEST_PANEL_KIND "com.zq.test.Kind"
#endif

namespace {

constexpr const char* kColorOption = "ZQColorMode";
constexpr const char* kColorKey = "com.zq.test.ColorChoice";
constexpr const char* kNumberKey = "com.zq.test.Number";
constexpr const char* kDetailKey = "com.zq.test.Detail";

// Digits only, at most four; a refused key beeps.
class DigitsFormatter : public zqp::Formatter {
 public:
  bool isPartialStringValid(const std::string& partial, std::string*, std::string* error) override {
    if (partial.size() <= 4 && partial.find_first_not_of("0123456789") == std::string::npos) return true;
    if (error) *error = "String too long.";
    zqp::Beep();
    return false;
  }
};

class TestPanel : public zqp::Panel {
 public:
  explicit TestPanel(zqp::DialogHost* host) : host_(host) { ++testfw::panelsMade; }

  zqp::View* panelView() override {
    loadNib();
    return view_;
  }
  std::string panelName() override {
    return testfw::pluginBundle ? testfw::pluginBundle->localizedString("Panel Title", zqp::kNoTranslation)
                                : "Test";
  }
  std::string panelKind() override { return TEST_PANEL_KIND; }
  std::vector<std::string> supportedPPDOptionKeys() override { return {kColorOption}; }

  bool restoreValuesAndReturnError(std::string* error) override {
    if (!loadNib()) {
      if (error) *error = nibError_;
      return false;
    }
    showMarkedColor();
    std::string v;
    if (host_->printSettings()->GetValue(kNumberKey, v) == zqp::kNoErr) number_->setStringValue(v);
    if (host_->printSettings()->GetValue(kDetailKey, v) == zqp::kNoErr) detail_ = v;
    return true;
  }

  bool saveValuesAndReturnError(std::string*) override {
    if (view_ == nullptr) return true;
    zqp::PrintSettings* s = host_->printSettings();
    ppd_choice_t* c = ppdFindMarkedChoice(host_->ppdFile(), kColorOption);
    if (c) s->SetValue(kColorKey, c->choice, false);
    s->SetValue(kNumberKey, number_->stringValue(), false);
    if (!detail_.empty()) s->SetValue(kDetailKey, detail_, false);
    return true;
  }

  bool shouldPrint() override {
    zqp::DestinationType dest;
    if (host_->printSession()->GetDestinationType(dest) != zqp::kNoErr || dest != zqp::DestinationType::kPrinter) {
      return true;
    }
    if (view_ == nullptr) loadNib();
    if (number_ == nullptr || number_->stringValue().empty()) {
      zqp::Alert a;
      a.setInformativeText(localized("Number Needed"));
      a.addButtonWithTitle("OK");
      a.runModal();
      return false;
    }
    return true;
  }

  bool shouldShowHelp() override { return zqp::GotoHelpPage(bookName(), "Test.htm") != zqp::kNoErr; }

  zqp::Summary summaryInfo() override {
    zqp::Summary s;
    auto add = [&](const std::string& k, const std::string& v) {
      s.values[k] = v;
      s.order.push_back(k);
    };
    add("Bundle", testfw::pluginBundle ? testfw::pluginBundle->identifier() : "");
    add("Panels made", std::to_string(testfw::panelsMade));
    if (number_) add("Number", number_->stringValue());
    return s;
  }

  void PPDOptionKeyValueDidChange(const std::string& option, const std::string&) override {
    if (option == kColorOption) showMarkedColor();
  }

 private:
  std::string localized(const std::string& key) const {
    return testfw::pluginBundle ? testfw::pluginBundle->localizedString(key, zqp::kNoTranslation) : key;
  }
  std::string bookName() const {
    return testfw::pluginBundle ? testfw::pluginBundle->infoValue("CFBundleHelpBookName") : "";
  }

  bool loadNib() {
    if (view_ != nullptr) return true;
    if (testfw::pluginBundle == nullptr) {
      nibError_ = "no bundle";
      return false;
    }
    zqp::Outlets o;
    o.bind("panelView", view_);
    o.bind("colorList", colors_);
    o.bind("numberField", number_);
    o.bind("detailsButton", details_);
    o.bind("alertButton", alertButton_);
    o.bind("helpButton", helpButton_);
    o.bind("detailWindow", window_);
    o.bind("detailField", detailField_);
    o.bind("okButton", ok_);
    o.bind("cancelButton", cancel_);
    if (!zqp::LoadNib(*testfw::pluginBundle, "TestPanel", o, top_, &nibError_)) return false;
    fillColors();
    number_->setFormatter(std::make_shared<DigitsFormatter>());
    colors_->setAction([this](zqp::View&) { colorChosen(); });
    details_->setAction([this](zqp::View&) { openDetails(); });
    alertButton_->setAction([this](zqp::View&) { askReset(); });
    helpButton_->setAction([this](zqp::View&) { shouldShowHelp(); });
    ok_->setAction([this](zqp::View&) { detailsOK(); });
    cancel_->setAction([](zqp::View&) { zqp::Application::Shared().stopModal(); });
    window_->setTitle(localized("Details Title"));
    return true;
  }

  // One item per choice; a choice the PPD lists in ZQTestDisabled cannot be
  // picked.
  void fillColors() {
    colors_->removeAllItems();
    colors_->setAutoenablesItems(false);
    ppd_option_t* o = ppdFindOption(host_->ppdFile(), kColorOption);
    if (o == nullptr) return;
    ppd_attr_t* off = ppdFindAttr(host_->ppdFile(), "ZQTestDisabled", nullptr);
    for (int i = 0; i < o->num_choices; ++i) {
      colors_->addItemWithTitle(o->choices[i].text, o->choices[i].choice);
      if (off && off->value && std::string(off->value) == o->choices[i].choice) {
        colors_->itemAtIndex(i)->enabled = false;
      }
    }
  }

  void showMarkedColor() {
    ppd_choice_t* c = ppdFindMarkedChoice(host_->ppdFile(), kColorOption);
    if (c) colors_->selectItemAtIndex(colors_->indexOfItemWithRepresentedObject(c->choice));
    shownColor_ = colors_->indexOfSelectedItem();
  }

  void colorChosen() {
    zqp::MenuItem* item = colors_->selectedItem();
    if (item && host_->willChangePPDOptionKeyValue(kColorOption, item->representedObject)) {
      shownColor_ = colors_->indexOfSelectedItem();
    } else {
      colors_->selectItemAtIndex(shownColor_);
    }
  }

  void openDetails() {
    detailField_->setStringValue(detail_);
    zqp::Application::Shared().runModalForWindow(*window_);
  }

  void detailsOK() {
    if (detailField_->stringValue().empty()) {
      zqp::Alert a;
      a.setAlertStyle(zqp::AlertStyle::kWarning);
      if (auto icon = testfw::pluginBundle->pathForResource("AlertIcon", "png")) a.setIconFromFile(*icon);
      a.setInformativeText(localized("Details Needed"));
      a.addButtonWithTitle(localized("Alert OK Btn"));
      a.runModal();
      window_->makeFirstResponder(detailField_);
      return;
    }
    detail_ = detailField_->stringValue();
    zqp::Application::Shared().stopModal();
  }

  void askReset() {
    zqp::Alert a;
    a.setMessageText(localized("Reset Title"));
    a.setInformativeText(localized("Reset Text"));
    a.setMessageKey("Reset Title");
    a.setInformativeKey("Reset Text");
    a.addButtonWithTitle("Reset");
    a.addButtonWithTitle("Keep");
    if (a.runModal() == 0) number_->setStringValue("");
  }

  zqp::DialogHost* host_;
  std::vector<std::unique_ptr<zqp::Object>> top_;
  std::string nibError_;
  zqp::View* view_ = nullptr;
  zqp::PopUpButton* colors_ = nullptr;
  zqp::TextField* number_ = nullptr;
  zqp::Button* details_ = nullptr;
  zqp::Button* alertButton_ = nullptr;
  zqp::Button* helpButton_ = nullptr;
  zqp::Window* window_ = nullptr;
  zqp::TextField* detailField_ = nullptr;
  zqp::Button* ok_ = nullptr;
  zqp::Button* cancel_ = nullptr;
  int shownColor_ = -1;
  std::string detail_;
};

class TestPlugIn : public zqp::PlugIn {
 public:
  bool initWithBundle(zqp::Bundle* bundle) override {
    if (testfw::pluginBundle == nullptr) testfw::pluginBundle = bundle;
    return bundle != nullptr;
  }
  std::vector<std::unique_ptr<zqp::Panel>> PDEPanelsForType(const std::string& type, zqp::DialogHost* host) override {
    std::vector<std::unique_ptr<zqp::Panel>> out;
    if (type != zqp::kPrintDialogPanelType || host == nullptr || host->ppdFile() == nullptr) return out;
    if (testfw::pluginBundle) zqp::RegisterHelpBook(testfw::pluginBundle);
    out.push_back(std::make_unique<TestPanel>(host));
    return out;
  }
};

}  // namespace

ZQP_DEFINE_PLUGIN(TestPlugIn)
