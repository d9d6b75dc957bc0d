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

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

// The file's list of one field, as JSON text.
std::string JsonKey(zqwm::WatermarkField field) { return "\"" + PrefKey(field) + "\": "; }

std::string StoreFile() {
  return zqp::Preferences::StorePath(zqp::kAnyApplication, zqp::PrefUser::kCurrentUser, zqp::PrefHost::kCurrentHost);
}

// Puts list (JSON) in place of the field's stored list, as another program
// or an older version left it; nullptr removes the list. The file's text.
std::string RewriteList(zqwm::WatermarkField field, const char* list) {
  std::string json = ReadAll(StoreFile());
  const size_t at = json.find(JsonKey(field));
  const size_t end = json.find(']', at) + 1;
  if (list != nullptr) {
    json.replace(at + JsonKey(field).size(), end - at - JsonKey(field).size(), list);
  } else if (const size_t next = json.find('"', end); next < json.find('}', end)) {
    json.erase(at, next - at);
  } else {  // the last list: its comma goes with it
    const size_t comma = json.rfind(',', at);
    json.erase(comma, end - comma);
  }
  std::ofstream(StoreFile(), std::ios::trunc) << json;
  return json;
}

TEST(WatermarkStore, ADamagedStoreKeepsWhatCanBeReadAndTheRestAside) {
  struct Case {
    const char* what;
    zqwm::WatermarkField field;
    const char* list;  // JSON in place of the field's list; nullptr removes it
    std::vector<std::string> names;
  };
  const std::vector<Case> cases{
      {"intact", zqwm::kWMAngel, R"(["45", "45", "90"])", {"A", "B", "C"}},
      {"numbers for text", zqwm::kWMAngel, "[45, 0, 90.0]", {"A", "B", "C"}},
      {"numbers for colours", zqwm::kWMRed, "[1, 0.5, 0]", {"A", "B", "C"}},
      {"a shorter list", zqwm::kWMDensity, R"(["50", "50"])", {"A", "B"}},
      {"a longer list", zqwm::kWMName, R"(["A", "B", "C", "D"])", {"A", "B", "C"}},
      {"something else in a list", zqwm::kWMScale, R"(["100", {}, "100"])", {"A", "C"}},
      {"a fraction for a whole number", zqwm::kWMhMMOffset, "[10, 10.5, 10]", {"A", "C"}},
      {"words for a number", zqwm::kWMDensity, R"(["lots", "50", "99999999999999999999"])", {"B"}},
      {"a type that is none", zqwm::kWMType, R"(["0", "2", "0"])", {"A", "C"}},
      {"a number for a name", zqwm::kWMName, R"([7, "B", "C"])", {"7", "B", "C"}},
      {"no list", zqwm::kWMDensity, nullptr, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    zqtest::PrefsFolder prefs;
    WatermarkStore seed;
    for (const char* name : {"A", "B", "C"}) seed.Append(zqtest::TextWatermark(name, name));
    ASSERT_TRUE(seed.Save(kNs, kPrinter));
    const std::string file = StoreFile();
    const std::string json = RewriteList(c.field, c.list);

    WatermarkStore store = LoadAfresh();
    EXPECT_EQ(store.List(zqwm::kWMName), c.names);
    // Numbers read as the store writes them.
    if (c.field == zqwm::kWMAngel) {
      EXPECT_EQ(store.Field(zqwm::kWMAngel, 2), "90");
    }
    if (c.field == zqwm::kWMRed) {
      EXPECT_EQ(store.Field(zqwm::kWMRed, 1), "0.500000");
    }

    // The next save writes back every watermark read, and the file as it
    // was stays beside it when anything of it could not be taken in.
    store.Append(zqtest::TextWatermark("New", "NEW"));
    ASSERT_TRUE(store.Save(kNs, kPrinter));
    std::vector<std::string> saved = c.names;
    saved.push_back("New");
    EXPECT_EQ(LoadAfresh().List(zqwm::kWMName), saved);
    const bool intact = std::string(c.what) == "intact";
    EXPECT_EQ(std::filesystem::exists(file + ".damaged"), !intact);
    if (!intact) {
      EXPECT_EQ(ReadAll(file + ".damaged"), json);
    }
  }
}

// A list missing as a whole: each watermark takes the element its type
// fixes, so the watermarks that do not need the list stay; the others are
// kept aside. A text has no picture path and scale 100; a picture is stored
// blue, without font, at size 72, angle 45, density 25, in inches and with
// no offsets, whatever its lists once held.
TEST(WatermarkStore, AMissingListKeepsTheWatermarksWhoseTypeFixesIt) {
  using F = zqwm::WatermarkField;
  const std::vector<std::string> texts{"A", "B"}, pictures{"P"}, none;
  struct Case {
    F field;
    std::vector<std::string> kept;    // names, in store order
    std::vector<std::string> filled;  // the list as loaded
  };
  const std::vector<Case> cases{
      {zqwm::kWMName, none, {}},
      {zqwm::kWMText, none, {}},
      {zqwm::kWMImagePath, texts, {"", ""}},
      {zqwm::kWMType, none, {}},
      {zqwm::kWMRed, pictures, {"0.000000"}},
      {zqwm::kWMGreen, pictures, {"0.000000"}},
      {zqwm::kWMBlue, pictures, {"1.000000"}},
      {zqwm::kWMAlpha, pictures, {"1.000000"}},
      {zqwm::kWMFontName, pictures, {""}},
      {zqwm::kWMSize, pictures, {"72.000000"}},
      {zqwm::kWMAngel, pictures, {"45"}},
      {zqwm::kWMDensity, pictures, {"25"}},
      {zqwm::kWMScale, texts, {"100", "100"}},
      {zqwm::kWMSizeRadio, pictures, {"0"}},
      {zqwm::kWMhOffset, pictures, {"0"}},
      {zqwm::kWMvOffset, pictures, {"0"}},
      {zqwm::kWMhMMOffset, pictures, {"0"}},
      {zqwm::kWMvMMOffset, pictures, {"0"}},
  };
  ASSERT_EQ(cases.size(), static_cast<size_t>(zqwm::kWMFieldCount));
  for (const Case& c : cases) {
    SCOPED_TRACE(zqwm::WatermarkPreferenceKeyName(c.field));
    zqtest::PrefsFolder prefs;
    WatermarkStore seed;
    seed.Append(zqtest::TextWatermark("A", "DRAFT"));
    // A picture as an older version stored it: values of its own where the
    // type now fixes them.
    zqwm::WatermarkRecord picture = zqtest::PictureWatermark("P", "/home/alice/logo.png");
    picture.red = 0.25, picture.size = 48, picture.angle = 30, picture.density = 100, picture.hMMOffset = 7;
    seed.Append(picture);
    seed.Append(zqtest::TextWatermark("B", "COPY"));
    ASSERT_TRUE(seed.Save(kNs, kPrinter));
    const std::string json = RewriteList(c.field, nullptr);

    WatermarkStore store = LoadAfresh();
    ASSERT_EQ(store.List(zqwm::kWMName), c.kept);
    EXPECT_EQ(store.List(c.field), c.filled);
    // Every other list keeps what was stored.
    for (size_t i = 0; i < c.kept.size(); ++i) {
      const size_t was = *seed.IndexOfName(c.kept[i]);
      for (size_t g = 0; g < zqwm::kWMFieldCount; ++g) {
        const auto other = static_cast<F>(g);
        if (other != c.field) {
          EXPECT_EQ(store.List(other)[i], seed.List(other)[was]) << zqwm::WatermarkPreferenceKeyName(other);
        }
      }
    }

    // The next save writes the whole list back; the file as it was, with
    // the watermarks left out, stays beside it.
    ASSERT_TRUE(store.Save(kNs, kPrinter));
    const WatermarkStore again = LoadAfresh();
    EXPECT_EQ(again.List(zqwm::kWMName), c.kept);
    EXPECT_EQ(again.List(c.field), c.filled);
    EXPECT_EQ(ReadAll(StoreFile() + ".damaged"), json);
  }
}

TEST(WatermarkStore, TextThatIsNotUtf8IsRepaired) {
  zqtest::PrefsFolder prefs;
  // Set by another program in this session: repaired on load, so it can be
  // saved and written to the ticket.
  StoreList(PrefKey(zqwm::kWMName), {"bad \xff\xfe name", "B"});
  StoreList(PrefKey(zqwm::kWMText), {"\xC3", "\xE3\x81"});
  for (size_t f = 0; f < zqwm::kWMFieldCount; ++f)
    if (f != zqwm::kWMName && f != zqwm::kWMText) StoreList(PrefKey(static_cast<zqwm::WatermarkField>(f)), {"0", "1"});
  WatermarkStore store;
  store.Load(kNs, kPrinter);
  ASSERT_EQ(store.Count(), 2u);
  EXPECT_EQ(store.Field(zqwm::kWMName, 0), "bad \uFFFD\uFFFD name");
  EXPECT_TRUE(zqp::IsValidUtf8(store.Field(zqwm::kWMText, 1)));
  store.Append(zqtest::TextWatermark("new \x80", "\xF0\x9F"));
  EXPECT_TRUE(zqp::IsValidUtf8(store.Field(zqwm::kWMName, 2)));
  ASSERT_TRUE(store.Save(kNs, kPrinter));
  EXPECT_EQ(LoadAfresh().Field(zqwm::kWMName, 0), "bad \uFFFD\uFFFD name");
  EXPECT_EQ(store.Field(zqwm::kWMName, 5), "");
  EXPECT_FALSE(store.Record(3));

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
