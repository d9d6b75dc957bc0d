// The setting dialogs run modally over a window made as the nib makes it:
// typing goes through the fields' checkers into the model, OK lets the user
// go only with values the printer can take (and says why not), Cancel puts
// back what the dialog opened with.
#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/system.h>
#include <zqp/test_driver.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include "ct_controller.h"
#include "ppd_fixture.h"
#include "setting_dialogs.h"
#include "view_localization.h"

namespace pellora {
namespace {

enum Tag { kGroupField = 1, kUserField = 2, kPasswordField = 3, kGroupLabel = 4 };

zqp::Bundle* BuiltBundle() {
  std::string error;
  zqp::Bundle* b = zqp::Bundle::Open(std::string(ZQ_BUNDLES_DIR) + "/pellora-job-account-pde.plugin", &error);
  EXPECT_NE(b, nullptr) << error;
  return b;
}

// A dialog window whose fields are bound to one side of the model.
template <class Controller>
struct DialogRig {
  explicit DialogRig(const char* ppdText = "*ZQPrinterLanguageEncoding: \"UTF-8\"\n") : ppd(ppdText) {
    model.awakeFromNib();
    auto content = std::make_unique<zqp::View>();
    auto addField = [&content](int tag) {
      auto field = std::make_unique<zqp::TextField>();
      field->setTag(tag);
      return static_cast<zqp::TextField*>(content->addSubview(std::move(field)));
    };
    auto label = std::make_unique<zqp::TextField>();
    label->setTag(kGroupLabel);
    label->setEditable(false);
    label->setBezeled(false);
    label->setStringValue("JBA Group Name");
    content->addSubview(std::move(label));
    dialog.groupIDTextField = addField(kGroupField);
    dialog.userIDTextField = addField(kUserField);
    dialog.passwordTextField = addField(kPasswordField);
    window.setTitle("JBA User Mode");
    window.setContentView(std::move(content));
    dialog.detailedSettingPanel = &window;
    dialog.ctModel = &model;
    const auto& side = Controller::kSide;
    Bind(dialog.groupIDTextField, side.groupID);
    Bind(dialog.userIDTextField, side.inputUserID);
    Bind(dialog.passwordTextField, side.password);
    dialog.awakeFromNib();
    dialog.setPPD(ppd.get());
  }
  void Bind(zqp::TextField* field, const char* key) {
    field->setTextDidChange([this, key](zqp::TextField& f) { model.setValueForKey(key, f.stringValue()); });
  }
  // Replaces a field's text by typing; answers how many keys were taken.
  static size_t Type(zqp::Window& w, int tag, const std::string& text) {
    auto* field = dynamic_cast<zqp::TextField*>(w.viewWithTag(tag));
    if (field == nullptr || !field->beginEditing(true)) return 0;
    size_t n = field->typeText(text);
    field->endEditing();
    return n;
  }

  zqpde::test::PPD ppd;
  CtModel model;
  zqp::Window window;
  Controller dialog;
};

TEST(SettingDialog, OkNamesTheFaultAndStaysUntilTheInputIsRight) {
  DialogRig<UserSettingController> rig;
  zqp::ScriptedDriver driver;
  auto& dialog = rig.dialog;
  driver.addStep([&](zqp::Window& w) {
    EXPECT_EQ(DialogRig<UserSettingController>::Type(w, kGroupField, "   "), 3u);
    EXPECT_EQ(DialogRig<UserSettingController>::Type(w, kPasswordField, "abc"), 3u);
    dialog.saveSettings();
  });
  driver.addStep([&](zqp::Window& w) {
    DialogRig<UserSettingController>::Type(w, kPasswordField, "abcd");
    dialog.saveSettings();
  });
  driver.addStep([&](zqp::Window& w) {
    DialogRig<UserSettingController>::Type(w, kGroupField, "Sales");
    dialog.saveSettings();
  });
  dialog.createPanelWithBundle(BuiltBundle());

  EXPECT_EQ(driver.pendingSteps(), 0u);
  ASSERT_EQ(driver.alerts().size(), 2u);
  // The later fault is named: the password before the group of spaces.
  EXPECT_EQ(driver.alerts()[0].messageText, "Enter a password of 4 to 12 characters.");
  EXPECT_EQ(driver.alerts()[0].buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(driver.alerts()[1].messageText, "A group ID cannot consist of spaces only.");
  EXPECT_EQ(rig.model.userGroupID(), "Sales");
  EXPECT_EQ(rig.model.userPassword(), "abcd");
  // The dialog was localised from the strings table.
  EXPECT_EQ(rig.window.title(), "User Settings");
  EXPECT_EQ(dynamic_cast<zqp::TextField*>(rig.window.viewWithTag(kGroupLabel))->stringValue(), "Group ID");
}

TEST(SettingDialog, CancelPutsBackTheValuesItOpenedWith) {
  DialogRig<AdminSettingController> rig;
  rig.model.setAdminGroupID("Finance");
  rig.model.setAdminPassword("adm1n");
  rig.model.setAdminAccountMode(1);
  rig.model.setAdminInputUserID("Hanako");
  zqp::ScriptedDriver driver;
  driver.addStep([&](zqp::Window& w) {
    DialogRig<AdminSettingController>::Type(w, kGroupField, "Other");
    DialogRig<AdminSettingController>::Type(w, kPasswordField, "zzzzzz");
    rig.dialog.restoreDefaults();
    EXPECT_EQ(rig.model.adminInputUserID(), "UnknownUser");
    EXPECT_EQ(rig.model.adminAccountMode(), 0);
    rig.dialog.cancelSettings();
  });
  rig.dialog.createPanelWithBundle(BuiltBundle());
  EXPECT_TRUE(driver.alerts().empty());
  EXPECT_EQ(rig.model.adminGroupID(), "Finance");
  EXPECT_EQ(rig.model.adminPassword(), "adm1n");
  EXPECT_EQ(rig.model.adminAccountMode(), 1);
  EXPECT_EQ(rig.model.adminInputUserID(), "Hanako");
  // The user's side was never touched.
  EXPECT_EQ(rig.model.userGroupID(), "");
}

TEST(SettingDialog, FieldsRefuseKeysOutsideTheirLimits) {
  DialogRig<UserSettingController> rig;
  zqp::ScriptedDriver driver;
  driver.addStep([&](zqp::Window& w) {
    using Rig = DialogRig<UserSettingController>;
    EXPECT_EQ(Rig::Type(w, kPasswordField, "abcdefghijklm"), 12u);
    EXPECT_EQ(Rig::Type(w, kPasswordField, "ab\xC3\xA9"), 2u);  // e acute refused
    EXPECT_EQ(Rig::Type(w, kGroupField, "caf\xC3\xA9\xC4\x80"), 4u);  // U+0100 refused
    EXPECT_EQ(Rig::Type(w, kUserField, std::string(40, 'n')), 32u);
    rig.dialog.cancelSettings();
  });
  rig.dialog.createPanelWithBundle(nullptr);
}

TEST(SettingDialog, ThePrintersLimitsAndRangesApply) {
  DialogRig<UserSettingController> rig(
      "*ZQPrinterLanguageEncoding: \"ISOLatin1\"\n*ZQJAUsePassword: \"True\"\n"
      "*ZQJAPasswdLimit: \"8,10\"\n*ZQJAPasswdScope: \"32,126,8364,8364\"\n");
  EXPECT_TRUE(rig.model.isSupportPassword());
  EXPECT_EQ(rig.dialog.minPwdLength(), 8u);
  EXPECT_EQ(rig.dialog.maxPwdLength(), 10u);
  zqp::ScriptedDriver driver;
  driver.addStep([&](zqp::Window& w) {
    using Rig = DialogRig<UserSettingController>;
    EXPECT_EQ(Rig::Type(w, kPasswordField, "abcdefg"), 7u);
    rig.dialog.saveSettings();  // 7 is below 8
    EXPECT_EQ(Rig::Type(w, kPasswordField, "abcdefgh\xE2\x82\xAC"), 9u);  // the range lets the euro sign in...
    rig.dialog.saveSettings();  // ...but a Latin-1 printer cannot take it
    EXPECT_EQ(Rig::Type(w, kPasswordField, "abcdefghijkl"), 10u);
    rig.dialog.saveSettings();
  });
  rig.dialog.createPanelWithBundle(BuiltBundle());
  ASSERT_EQ(driver.alerts().size(), 2u);
  EXPECT_EQ(driver.alerts()[0].messageText, "Enter a password of 8 to 10 characters.");
  EXPECT_EQ(driver.alerts()[1].messageText,
            "The printer cannot take some of the characters entered. Use other characters.");
  EXPECT_EQ(rig.model.userPassword(), "abcdefghij");
}

TEST(SettingDialog, APasswordLongerThanTheScrambledFormIsRefused) {
  DialogRig<UserSettingController> rig("*ZQPrinterLanguageEncoding: \"UTF-8\"\n*ZQJAPasswdLimit: \"4,300\"\n");
  zqp::ScriptedDriver driver;
  driver.addStep([&](zqp::Window& w) {
    DialogRig<UserSettingController>::Type(w, kPasswordField, std::string(190, 'p'));
    rig.dialog.saveSettings();
    DialogRig<UserSettingController>::Type(w, kPasswordField, std::string(189, 'p'));
    rig.dialog.saveSettings();
  });
  rig.dialog.createPanelWithBundle(BuiltBundle());
  ASSERT_EQ(driver.alerts().size(), 1u);
  EXPECT_EQ(driver.alerts()[0].messageText, "The password is too long for the printer.");
  EXPECT_EQ(rig.model.userPassword().size(), 189u);
}

TEST(PanelController, TheSettingsButtonOpensTheDialogOfTheModeAndHelpHasItsPages) {
  zqpde::test::PPD ppd("*ZQPrinterLanguageEncoding: \"UTF-8\"\n");
  CtModel model;
  model.awakeFromNib();
  zqp::Window adminWindow, userWindow;
  adminWindow.setTitle("JBA Admin Mode");
  userWindow.setTitle("JBA User Mode");
  adminWindow.setContentView(std::make_unique<zqp::View>());
  userWindow.setContentView(std::make_unique<zqp::View>());
  AdminSettingController admin;
  UserSettingController user;
  admin.detailedSettingPanel = &adminWindow;
  user.detailedSettingPanel = &userWindow;
  admin.ctModel = user.ctModel = &model;
  admin.awakeFromNib();
  user.awakeFromNib();
  CtController controller;
  controller.ctModel = &model;
  controller.adminController = &admin;
  controller.userController = &user;
  controller.setBundle(BuiltBundle());
  controller.setPPD(ppd.get());

  zqp::ScriptedDriver driver;
  driver.addStep([&](zqp::Window&) { user.cancelSettings(); });
  driver.addStep([&](zqp::Window&) { admin.cancelSettings(); });
  controller.setDetailedSettings();
  model.setChromalogMode(0);
  controller.setDetailedSettings();
  EXPECT_EQ(driver.windowsRun(), (std::vector<std::string>{"User Settings", "Administrator Settings"}));

  controller.adminController = nullptr;
  controller.setDetailedSettings();  // nothing to open
  EXPECT_EQ(driver.windowsRun().size(), 2u);

  zqp::ResetHelpForTesting();
  controller.showHelpBook();
  admin.showHelpBook();
  user.showHelpBook();
  std::vector<std::string> pages;
  for (const auto& r : zqp::OpenedHelpPages()) pages.push_back(r.book + "/" + r.page);
  EXPECT_EQ(pages, (std::vector<std::string>{"Job Accounting Help/JBA.html", "Job Accounting Help/AdminModeDialog.html",
                                             "Job Accounting Help/UserModeDialog.html"}));
}

}  // namespace
}  // namespace pellora

namespace pellora {
namespace {

TEST(ViewLocalizer, TranslatesWhatAPersonReadsAndLeavesWhatTheyTyped) {
  auto root = std::make_unique<zqp::View>();
  auto label = std::make_unique<zqp::TextField>();
  label->setEditable(false);
  label->setStringValue("JBA Group Name");
  auto* labelView = static_cast<zqp::TextField*>(root->addSubview(std::move(label)));
  auto typed = std::make_unique<zqp::TextField>();
  typed->setStringValue("JBA Group Name");
  auto* typedView = static_cast<zqp::TextField*>(root->addSubview(std::move(typed)));
  auto tabs = std::make_unique<zqp::TabView>();
  auto inner = std::make_unique<zqp::Button>(zqp::ButtonType::kPush);
  inner->setTitle("JBA Help");
  auto page = std::make_unique<zqp::View>();
  auto* innerView = static_cast<zqp::Button*>(page->addSubview(std::move(inner)));
  tabs->addTab("one", "JBA Password", std::move(page));
  tabs->addTab("two", "No Such Key", std::make_unique<zqp::View>());
  auto* tabView = static_cast<zqp::TabView*>(root->addSubview(std::move(tabs)));

  ViewLocalizer(BuiltBundle(), "").localizeAllControls(root.get());
  EXPECT_EQ(labelView->stringValue(), "Group ID");
  EXPECT_EQ(typedView->stringValue(), "JBA Group Name");  // editable: the person's text
  EXPECT_EQ(tabView->items()[0].label, "Password");
  EXPECT_EQ(tabView->items()[1].label, "No Such Key");
  EXPECT_EQ(innerView->title(), "Help");
}

// A view bound to PPD options: a pop-up and a label take their texts from the
// PPD's translations (Latin-1 in the file, UTF-8 on screen), a button bound
// the same way is left alone, and the bound pop-up is found again by its
// keyword to be set or greyed; an unknown keyword or no PPD changes nothing.
TEST(ViewLocalizer, ControlsBoundToPPDOptions) {
  zqpde::test::PPD ppd(
      "*ZQLocalizableFileIndex: \"1\"\n"
      "*OpenUI *ZQStaple/Agraf\xE9: PickOne\n"
      "*DefaultZQStaple: None\n"
      "*ZQStaple None/Sans agrafe: \"\"\n"
      "*ZQStaple Front/Agrafe avant: \"\"\n"
      "*ZQStaple Dual: \"\"\n"
      "*CloseUI: *ZQStaple\n"
      "*OpenUI *ZQPunch/Perforation: PickOne\n"
      "*DefaultZQPunch: Off\n"
      "*ZQPunch Off/Non: \"\"\n"
      "*ZQPunch On/Oui: \"\"\n"
      "*CloseUI: *ZQPunch\n");
  zqp::View root;
  auto* popup = static_cast<zqp::PopUpButton*>(root.addSubview(std::make_unique<zqp::PopUpButton>()));
  popup->addItemWithTitle("JBA Help");
  auto* label = static_cast<zqp::TextField*>(root.addSubview(std::make_unique<zqp::TextField>()));
  label->setEditable(false);
  label->setStringValue("JBA Password");
  auto* button = static_cast<zqp::Button*>(root.addSubview(std::make_unique<zqp::Button>(zqp::ButtonType::kPush)));
  button->setTitle("JBA Help");
  auto* spare = static_cast<zqp::PopUpButton*>(root.addSubview(std::make_unique<zqp::PopUpButton>()));
  spare->addItemWithTitle("Kept");

  auto items = [](zqp::PopUpButton* p) {
    std::vector<std::string> out;
    for (const auto& item : p->menu().items()) out.push_back(item.title + "=" + item.representedObject);
    return out;
  };

  // Without a PPD nothing is bound and nothing changes.
  ViewLocalizer localizer(BuiltBundle(), "");
  for (zqp::View* control : {static_cast<zqp::View*>(popup), static_cast<zqp::View*>(label)})
    localizer.localizePPDControl(control, "ZQStaple");
  EXPECT_EQ(items(popup), std::vector<std::string>{"JBA Help="});
  EXPECT_EQ(label->stringValue(), "JBA Password");
  EXPECT_TRUE(localizer.ppdDictionary().empty());

  // The controller hands its PPD to its view's localisation.
  CtController controller;
  controller.setPPD(ppd.get());
  controller.setPPD(nullptr);
  EXPECT_EQ(controller.viewLocalizer().ppd(), ppd.get());
  EXPECT_EQ(controller.viewLocalizer().localizedFileName(), "Localizable1");

  localizer.setPPD(ppd.get());
  EXPECT_EQ(localizer.localizedFileName(), "Localizable1");
  EXPECT_EQ(localizer.text("Custom PDE Title"), "Job Accounting (Second Family)");
  const struct {
    zqp::View* control;
    const char* keyword;
    const char* boundKeyword;  // what ppdKeywordForObject answers afterwards
  } rows[] = {
      {popup, "ZQStaple", "ZQStaple"},
      {label, "ZQStaple", ""},       // a label takes the option's text, unbound
      {button, "ZQStaple", ""},      // neither a pop-up nor a text field
      {spare, "ZQNoSuchOption", ""}, // an option the PPD lacks: the pop-up keeps its items
      {nullptr, "ZQStaple", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.keyword);
    localizer.localizePPDControl(row.control, row.keyword);
    EXPECT_EQ(localizer.ppdKeywordForObject(row.control), row.boundKeyword);
  }
  EXPECT_EQ(items(popup),
            (std::vector<std::string>{"Sans agrafe=None", "Agrafe avant=Front", "Dual=Dual"}));
  EXPECT_EQ(label->stringValue(), "Agraf\xC3\xA9");
  EXPECT_EQ(button->title(), "JBA Help");
  EXPECT_EQ(items(spare), std::vector<std::string>{"Kept="});
  // Bound again under a second keyword: the first stays its keyword.
  localizer.localizePPDPopup(popup, "ZQPunch");
  EXPECT_EQ(localizer.ppdKeywordForObject(popup), "ZQStaple");
  EXPECT_EQ(items(popup), (std::vector<std::string>{"Non=Off", "Oui=On"}));
  localizer.localizePPDPopup(popup, "ZQStaple");
  ASSERT_EQ(localizer.ppdDictionary().size(), 2u);

  // Set by keyword: a title of the menu is selected, another leaves it be.
  localizer.setValue("Agrafe avant", "ZQStaple");
  EXPECT_EQ(popup->indexOfSelectedItem(), 1);
  localizer.setValue("Nowhere", "ZQStaple");
  EXPECT_EQ(popup->indexOfSelectedItem(), 1);
  localizer.setEnabled(false, "ZQStaple");
  EXPECT_FALSE(popup->isEnabled());
  localizer.setEnabled(true, "ZQStaple");
  EXPECT_TRUE(popup->isEnabled());
  // ZQPunch is still bound to the same pop-up.
  localizer.setEnabled(false, "ZQPunch");
  EXPECT_FALSE(popup->isEnabled());
  // Unknown keywords touch nothing.
  localizer.setValue("Kept", "ZQNoSuchOption");
  localizer.setEnabled(false, "ZQNoSuchOption");
  localizer.setEnabled(false, "");
  EXPECT_TRUE(spare->isEnabled());
  EXPECT_TRUE(label->isEnabled());

  // A new PPD forgets the bindings.
  localizer.setPPD(nullptr);
  EXPECT_TRUE(localizer.ppdDictionary().empty());
  EXPECT_EQ(localizer.localizedFileName(), "");
  localizer.setValue("Sans agrafe", "ZQStaple");
  EXPECT_EQ(popup->indexOfSelectedItem(), 1);
}

}  // namespace
}  // namespace pellora
