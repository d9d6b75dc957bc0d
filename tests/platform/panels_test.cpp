// The open panel and the answer codes of alerts and sheets.
#include <gtest/gtest.h>

#include "test_support.h"
#include "zqp/events.h"
#include "zqp/panels.h"
#include "zqp/test_driver.h"

namespace {

TEST(AlertCodes, EachCallerGetsTheCodesItExpects) {
  struct Case {
    const char* alt;
    const char* other;
    int button;
    int code;
  } cases[] = {
      {"Cancel", "Other", 0, zqp::kAlertDefaultReturn},  {"Cancel", "Other", 1, zqp::kAlertAlternateReturn},
      {"Cancel", "Other", 2, zqp::kAlertOtherReturn},    {"", "Other", 1, zqp::kAlertOtherReturn},
      {"Cancel", "", 5, zqp::kAlertDefaultReturn},  // out of range: the first button
  };
  for (const auto& c : cases) {
    zqp::ScriptedDriver d;
    d.answerNextAlert(c.button);
    EXPECT_EQ(zqp::RunAlertPanel("T", "M", "OK", c.alt, c.other), c.code) << c.alt << "/" << c.button;
    d.answerNextAlert(c.button);
    int got = 99;
    zqp::BeginAlertSheet("T", "OK", c.alt, c.other, nullptr, [&](int code) { got = code; }, "M");
    EXPECT_EQ(got, c.code);
  }

  zqp::ScriptedDriver d;
  zqp::Alert a;
  a.addButtonWithTitle("OK");
  a.addButtonWithTitle("Cancel");
  a.addButtonWithTitle("More");
  for (int i = 0; i < 3; ++i) {
    d.answerNextAlert(i);
    EXPECT_EQ(a.runModalResponse(), zqp::kAlertFirstButtonReturn + i);
  }
  d.answerNextAlert(1);
  int sheet = 0;
  zqp::Window w;
  a.beginSheetModalForWindow(&w, [&](int code) { sheet = code; });
  EXPECT_EQ(sheet, zqp::kAlertSecondButtonReturn);
}

// A person who types into the alert's accessory field before pressing OK.
class TypingDriver : public zqp::ScriptedDriver {
 public:
  int answerAlert(const zqp::AlertInfo& info) override {
    if (auto* f = dynamic_cast<zqp::TextField*>(info.accessory); f && f->beginEditing(true)) {
      f->typeText("https://print.example/");
      f->endEditing();
    }
    return 0;
  }
};

TEST(AlertCodes, AccessoryFieldIsFilledDuringTheModalRun) {
  TypingDriver d;
  zqp::TextField field;
  field.setFrame({0, 0, 400, 24});
  field.setStringValue("http://old/");
  zqp::Alert a;
  a.setMessageText("Input server url");
  a.addButtonWithTitle("OK");
  a.addButtonWithTitle("Cancel");
  a.setAccessoryView(&field);
  EXPECT_EQ(a.runModalResponse(), zqp::kAlertFirstButtonReturn);
  EXPECT_EQ(field.stringValue(), "https://print.example/");
}

TEST(OpenPanel, OkAnswersOneOnlyForAnAllowedExistingFile) {
  zqtest::TempDir dir;
  dir.file("logo.PNG", "x");
  dir.file("notes.txt", "x");
  struct Case {
    std::optional<std::string> choice;
    int code;
    std::string chosen;
  } cases[] = {
      {"logo.PNG", zqp::kFileHandlingPanelOKButton, dir.path() + "/logo.PNG"},  // relative to the folder
      {dir.path() + "/logo.PNG", 1, dir.path() + "/logo.PNG"},
      {"notes.txt", zqp::kFileHandlingPanelCancelButton, ""},  // not an allowed type
      {"gone.png", 0, ""},                                     // no such file
      {std::nullopt, 0, ""},                                   // cancel
  };
  for (const auto& c : cases) {
    zqp::ScriptedDriver d;
    d.chooseNextFile(c.choice);
    zqp::OpenPanel panel;
    panel.setAllowedFileTypes({".png", "jpg"});
    panel.setDirectory(dir.path());
    EXPECT_EQ(panel.runModal(), c.code) << c.choice.value_or("cancel");
    EXPECT_EQ(panel.filename(), c.chosen);
  }
}

}  // namespace
