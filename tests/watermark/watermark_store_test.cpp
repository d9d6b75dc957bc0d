// The user's watermarks in the preferences: what is saved is found again by
// a later dialog, and a damaged store loads without harm.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "watermark_edition.h"
#include "watermark_fonts.h"
#include "watermark_store.h"
#include "watermark_test_support.h"
#include "zqp/preferences.h"
#include "zqp/utf8.h"

namespace {

using zqwm::WatermarkStore;

const std::string kNs = zqwm::TeldWatermarkEdition().ticketNamespace;
const std::string kPrinter = "Office_3F";

std::string PrefKey(zqwm::WatermarkField field, const std::string& ns = kNs) {
  return kPrinter + ns + zqwm::WatermarkPreferenceKeyName(field);
}

void StoreList(const std::string& key, std::vector<std::string> list) {
  zqp::Preferences::SetValue(key, zqp::PrefValue(std::move(list)), zqp::kAnyApplication,
                             zqp::PrefUser::kCurrentUser, zqp::PrefHost::kCurrentHost);
}

// A later dialog starts with nothing in memory.
WatermarkStore LoadAfresh(const std::string& ns = kNs, const std::string& printer = kPrinter) {
  zqp::Preferences::ResetForTesting();
  WatermarkStore store;
  store.Load(ns, printer);
  return store;
}

TEST(WatermarkStore, SavedWatermarksAreFoundByALaterDialog) {
  zqtest::PrefsFolder prefs;
  WatermarkStore store;
  store.Append(zqtest::TextWatermark("Draft", "DRAFT"));
  store.Append(zqtest::PictureWatermark("Logo", "/home/alice/logo.png"));
  store.Append(zqtest::TextWatermark("Secret: 2 (a,b)", "Top 'secret'\\"));
  ASSERT_TRUE(store.Update(zqtest::TextWatermark("Copy", "COPY"), 0));
  ASSERT_TRUE(store.Save(kNs, kPrinter));

  const WatermarkStore again = LoadAfresh();
  ASSERT_EQ(again.Count(), 3u);
  for (size_t f = 0; f < zqwm::kWMFieldCount; ++f) {
    const auto field = static_cast<zqwm::WatermarkField>(f);
    EXPECT_EQ(again.List(field), store.List(field)) << zqwm::WatermarkPreferenceKeyName(field);
  }
  // Names are kept as typed, ":" included.
  EXPECT_EQ(again.Field(zqwm::kWMName, 2), "Secret: 2 (a,b)");
  const auto picture = again.Record(1);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->type, zqwm::kWMTypePicture);
  EXPECT_EQ(picture->imagePath, "/home/alice/logo.png");
  EXPECT_EQ(picture->scale, 150);
  EXPECT_EQ(again.Field(zqwm::kWMRed, 0), "1.000000");
  EXPECT_EQ(again.Field(zqwm::kWMSize, 0), "48.000000");
  EXPECT_EQ(again.Field(zqwm::kWMvMMOffset, 0), "-20");

  // Another printer and the other edition keep their own watermarks.
  EXPECT_EQ(LoadAfresh(kNs, "Office_4F").Count(), 0u);
  EXPECT_EQ(LoadAfresh(zqwm::ArkWatermarkEdition().ticketNamespace).Count(), 0u);
  // Without a printer nothing is read, and nothing is claimed saved.
  EXPECT_EQ(LoadAfresh(kNs, "").Count(), 0u);
  EXPECT_FALSE(store.Save(kNs, ""));
}

TEST(WatermarkStore, RemovingMovesTheLaterWatermarksUpInEveryList) {
  zqtest::PrefsFolder prefs;
  WatermarkStore store;
  for (const char* name : {"A", "B", "C"}) store.Append(zqtest::TextWatermark(name, name));
  store.Update(zqtest::PictureWatermark("B", "/tmp/b.png"), 1);
  ASSERT_TRUE(store.Remove(0));
  EXPECT_FALSE(store.Remove(2));
  EXPECT_FALSE(store.Update(zqtest::TextWatermark("X", "X"), 2));
  ASSERT_EQ(store.Count(), 2u);
  EXPECT_EQ(store.List(zqwm::kWMName), (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(store.List(zqwm::kWMImagePath), (std::vector<std::string>{"/tmp/b.png", ""}));
  EXPECT_EQ(store.List(zqwm::kWMType), (std::vector<std::string>{"1", "0"}));
  EXPECT_EQ(store.IndexOfName("C"), 1u);

  // An empty store saves empty lists, which load as no watermarks.
  ASSERT_TRUE(store.Remove(0) && store.Remove(0));
  ASSERT_TRUE(store.Save(kNs, kPrinter));
  EXPECT_EQ(LoadAfresh().Count(), 0u);
}

TEST(WatermarkStore, HostileStoresLoadWithoutHarm) {
  zqtest::PrefsFolder prefs;
  WatermarkStore seed;
  for (const char* name : {"A", "B", "C"}) seed.Append(zqtest::TextWatermark(name, name));
  ASSERT_TRUE(seed.Save(kNs, kPrinter));

  // An older or damaged preference: one list short, one holding text and
  // a huge name.
  StoreList(PrefKey(zqwm::kWMAngel), {"10", "20"});
  StoreList(PrefKey(zqwm::kWMDensity), {"lots", "99999999999999999999", "-5"});
  StoreList(PrefKey(zqwm::kWMName), {std::string(100000, 'N'), "B", "C"});
  ASSERT_TRUE(zqp::Preferences::Synchronize(zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                            zqp::PrefHost::kCurrentHost));

  WatermarkStore store = LoadAfresh();
  ASSERT_EQ(store.Count(), 2u);  // cut to the shortest list
  for (size_t f = 0; f < zqwm::kWMFieldCount; ++f) {
    EXPECT_EQ(store.List(static_cast<zqwm::WatermarkField>(f)).size(), 2u);
  }
  EXPECT_EQ(store.Field(zqwm::kWMName, 0).size(), 100000u);
  EXPECT_EQ(store.IntField(zqwm::kWMDensity, 0), 0);
  EXPECT_EQ(store.IntField(zqwm::kWMDensity, 1), INT32_MAX);
  EXPECT_EQ(store.Field(zqwm::kWMName, 5), "");
  EXPECT_FALSE(store.Record(2));
  EXPECT_FALSE(store.Remove(2));

  // Text that is not UTF-8 (set by another program in this session) is
  // repaired on load, so it can be saved and written to the ticket.
  StoreList(PrefKey(zqwm::kWMName), {"bad \xff\xfe name", "B"});
  StoreList(PrefKey(zqwm::kWMText), {"\xC3", "\xE3\x81"});
  store.Load(kNs, kPrinter);
  ASSERT_EQ(store.Count(), 2u);
  EXPECT_EQ(store.Field(zqwm::kWMName, 0), "bad \uFFFD\uFFFD name");
  EXPECT_TRUE(zqp::IsValidUtf8(store.Field(zqwm::kWMText, 1)));
  store.Append(zqtest::TextWatermark("new \x80", "\xF0\x9F"));
  EXPECT_TRUE(zqp::IsValidUtf8(store.Field(zqwm::kWMName, 2)));
  ASSERT_TRUE(store.Save(kNs, kPrinter));
  EXPECT_EQ(LoadAfresh().Field(zqwm::kWMName, 0), "bad \uFFFD\uFFFD name");

  // A file that is not a preference file at all reads as no watermarks.
  const std::string file = zqp::Preferences::StorePath(zqp::kAnyApplication, zqp::PrefUser::kCurrentUser,
                                                       zqp::PrefHost::kCurrentHost);
  std::ofstream(file, std::ios::trunc) << "{\"" << PrefKey(zqwm::kWMName) << "\": [1, {}, null";
  EXPECT_EQ(LoadAfresh().Count(), 0u);
}

TEST(WatermarkFonts, UnknownFontsAndDefaults) {
  EXPECT_EQ(zqwm::WaterMarkFontNameString().size(), zqwm::WaterMarkFontListNum);
  EXPECT_STREQ(zqwm::FontRowForDisplayName("Times-Roman").printName, "Times-Roman");
  EXPECT_STREQ(zqwm::FontRowForDisplayName("HeiseiMin-W3-78-RKSJ-H").measuringFont, "HeiseiMaruGo-W4-80-RKSJ-H");
  // A PPD font the table does not know prints as Courier.
  EXPECT_STREQ(zqwm::FontRowForDisplayName("Futura-Book").printName, "Courier");
  EXPECT_STREQ(zqwm::FontRowForDisplayName("").fontType, zqwm::kEnglishFont);

  const std::vector<std::string> fonts{"Courier", "Helvetica", "Times-Roman"};
  EXPECT_EQ(zqwm::DefaultFontItem(fonts, "Helvetica"), 2u);
  EXPECT_EQ(zqwm::DefaultFontItem(fonts, "Futura"), 1u);
  EXPECT_EQ(zqwm::DefaultFontItem({}, "Futura"), 1u);
}

}  // namespace
