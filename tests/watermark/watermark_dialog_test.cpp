// The watermark panel and its edit window in the built bundles, driven by
// printdialog scripts: which printers offer the panel, the life of a
// watermark across runs, the ticket of the chosen one, the restore, and
// the preview's geometry read back by pixel probes.
#include <zqp/graphics.h>

#include <cstdlib>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "watermark_dialog.h"
#include "watermark_store.h"
#include "watermark_ticket.h"

namespace zqwm::test {

std::string WatermarkDialog::Picture(int width, int height) const {
  zqp::GraphicsContext ctx(width, height);
  ctx.setFillColor(zqp::Color{0.8, 0.1, 0.1, 1});
  ctx.fillRect({0, 0, static_cast<double>(width), static_cast<double>(height)});
  const std::string path = dir_.path() + "/logo.png";
  ctx.writePNG(path);
  return path;
}

namespace {

class Editions : public WatermarkDialog, public ::testing::WithParamInterface<Edition> {};

TEST_P(Editions, PanelIsOfferedOnlyForAPrinterThatAsksForIt) {
  const Edition& e = GetParam();
  DialogRun with = Dialog(e, "help\n");
  EXPECT_EQ(with.result.status, 0) << with.result.err;
  EXPECT_TRUE(with.Says("panel: Watermark " + e.kind)) << with.result.err;
  EXPECT_TRUE(with.Says("WatermarkMain_" + e.helpPart + ".htm")) << with.result.err;
  DialogRun without = Dialog(e, "", "");
  EXPECT_EQ(without.result.status, 2) << "no watermark panel without the attribute\n" << without.result.err;
}

TEST_P(Editions, ChosenTextWatermarkWritesItsRecordInOrder) {
  const Edition& e = GetParam();
  DialogRun r = Dialog(e, NewText("Draft", "A(b)\\\\c", "color 1003 1 0 0 1\nstep 1015 up 5\n") + "print\n");
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  std::vector<std::string> keys;
  for (const auto& [k, v] : r.entries)
    if (k.rfind(e.ns + "WMARK", 0) == 0) keys.push_back(k.substr(e.ns.size()));
  const std::vector<std::string> expected = {
      "WMARKTypeTicket", "WMARKColorRTicket", "WMARKColorGTicket", "WMARKColorBTicket", "WMARKColorATicket",
      "WMARKFontSizeTicket", "WMARKAngleTicket", "WMARKDensityTicket", "WMARKScaleTicket", "WMARKOrientationTicket",
      "WMARKPaperHeightTicket", "WMARKPaperWidthTicket", "WMARKFontTicket", "WMARKFontTypeTicket", "WMARKTextTicket",
      "WMARKhOffsetTicket", "WMARKvOffsetTicket", "WMARKWidthTicket", "WMARKHeightTicket", "WMARKNameTicket",
      "WMARKOptionsTicket", "WMARKOnlyFirstTicket"};
  EXPECT_EQ(keys, expected) << r.result.out;
  EXPECT_EQ(r.Ticket("WMARKColorRTicket"), "1.000000");
  EXPECT_EQ(r.Ticket("WMARKDensityTicket"), "30");
  EXPECT_EQ(r.Ticket("WMARKAngleTicket"), "45");
  EXPECT_EQ(r.Ticket("WMARKFontTicket"), "Courier");
  // (A\(b\)\\c) holds backslashes: it travels escaped.
  EXPECT_EQ(r.Ticket("WMARKTextTicket").substr(0, 4), "/40/");
  EXPECT_EQ(r.Ticket("WMARKNameTicket"), "4472616674");
}

TEST_P(Editions, NoneChosenWritesAnEmptyNameAndNoRecord) {
  const Edition& e = GetParam();
  DialogRun r = Dialog(e, NewText("Draft", "DRAFT") + "select 1003 0\nprint\n",
                       "Default01", e.ns + "WMARKTextTicket=(OLD)\n" + e.ns + "WMARKTypeTicket=0\n");
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_EQ(r.Ticket("WMARKNameTicket"), "");
  EXPECT_EQ(r.Ticket("WMARKTextTicket"), "<none>") << "a stale record key is removed";
  EXPECT_EQ(r.Ticket("WMARKTypeTicket"), "<none>");
}

INSTANTIATE_TEST_SUITE_P(Both, Editions, ::testing::Values(kTeld, kArk),
                         [](const auto& info) { return info.param.name; });

TEST_F(WatermarkDialog, WatermarksLiveAcrossRunsThroughEditRenameAndDelete) {
  // Made and left without hiding the panel or printing: still kept.
  DialogRun made = Dialog(kTeld, NewText("Draft", "DRAFT") + NewText("Copy", "COPY") + NewText("Void", "VOID"));
  ASSERT_EQ(made.result.status, 0) << made.result.err;

  DialogRun again = Dialog(kTeld, "dump 1003\n");
  EXPECT_NE(again.Dump("1003").find("items=[\"None\", \"Draft\", \"Copy\", \"Void\"]"), std::string::npos)
      << again.result.err;

  // Rename "Copy" in the edit window; its text and size change with it.
  DialogRun renamed = Dialog(kTeld, "select 1003 \"Copy\"\nclick 1004\ntype 2000 Second\ntype 1204 96\n"
                                    "click 1030\ndump 1003\nprint\n");
  EXPECT_NE(renamed.Dump("1003").find("selected=2 items=[\"None\", \"Draft\", \"Second\", \"Void\"]"),
            std::string::npos) << renamed.result.err;
  EXPECT_EQ(renamed.Ticket("WMARKFontSizeTicket"), "96.000000");
  EXPECT_EQ(renamed.Ticket("WMARKTextTicket"), "(COPY)");

  // Delete the middle one: the others keep their order, "none" stays.
  DialogRun deleted = Dialog(kTeld, "select 1003 \"Second\"\nclick 1005\ndump 1003\ndump 1005\n");
  EXPECT_NE(deleted.Dump("1003").find("selected=0 items=[\"None\", \"Draft\", \"Void\"]"), std::string::npos)
      << deleted.result.err;
  EXPECT_NE(deleted.Dump("1005").find("disabled"), std::string::npos) << "Delete is off while none is chosen";

  DialogRun last = Dialog(kTeld, "click 1005\ndump 1003\n");
  EXPECT_TRUE(last.Says("ignored: 1005 disabled")) << last.result.err;
  EXPECT_NE(last.Dump("1003").find("items=[\"None\", \"Draft\", \"Void\"]"), std::string::npos) << last.result.err;
}

// The summary names what the pop-up shows, whether or not a save has
// committed it yet, and lists the page-one box only beside a watermark; the
// ticket of the print that follows agrees with it.
TEST_F(WatermarkDialog, TheSummaryNamesWhatThePopUpShows) {
  ASSERT_EQ(Dialog(kTeld, NewText("W1", "ONE") + NewText("W2", "TWO") + NewText("W5", "FIVE")).result.status, 0);
  struct Case {
    const char* what;
    const char* script;
    const char* shown;    // the pop-up's selected item
    const char* name;     // the summary's watermark; nullptr: none
    const char* box;      // the summary's page-one box
    const char* text;     // the text literal sent
  };
  // Delete changes the store and a ticked box is remembered: those cases come last.
  const Case cases[] = {
      {"another chosen after a save", "select 1003 \"W1\"\nsave\nselect 1003 \"W2\"\n", "selected=2", "W2", "Off",
       "(TWO)"},
      {"none chosen after a save", "select 1003 \"W5\"\nsave\nselect 1003 0\n", "selected=0", nullptr, nullptr,
       "<none>"},
      {"the chosen one deleted after a save", "select 1003 \"W2\"\nsave\nclick 1005\n", "selected=0", nullptr,
       nullptr, "<none>"},
      {"the last one chosen after a delete", "select 1003 \"W1\"\nsave\nselect 1003 \"W5\"\n", "selected=2", "W5",
       "Off", "(FIVE)"},
      {"the box ticked without a save", "select 1003 \"W1\"\nsave\nclick 1009\n", "selected=1", "W1", "On",
       "(ONE)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DialogRun r = Dialog(kTeld, std::string(c.script) + "dump 1003\nsummary\nprint\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    EXPECT_NE(r.Dump("1003").find(c.shown), std::string::npos) << r.Dump("1003");
    std::vector<std::string> summary;
    std::istringstream lines(r.result.err);
    for (std::string line; std::getline(lines, line);)
      if (line.rfind("summary: Watermark | ", 0) == 0) summary.push_back(line.substr(21));
    std::vector<std::string> expected;
    if (c.name != nullptr) expected.push_back(std::string("Watermark: ") + c.name);
    if (c.box != nullptr) expected.push_back(std::string("Print on Page 1 Only: ") + c.box);
    EXPECT_EQ(summary, expected) << r.result.err;
    EXPECT_EQ(r.Ticket("WMARKNameTicket"), c.name != nullptr ? zqwm::NameTicketHex(c.name) : "");
    EXPECT_EQ(r.Ticket("WMARKTextTicket"), c.text);
    EXPECT_EQ(r.Ticket("WMARKOnlyFirstTicket"), c.box != nullptr && std::string(c.box) == "On" ? "1" : "0");
  }
}

TEST_F(WatermarkDialog, ANameInUseIsAskedAboutAndOverwrittenInPlace) {
  Dialog(kTeld, NewText("Draft", "FIRST") + NewText("Other", "OTHER"));
  // Declined: the window stays open; then accepted: "Draft" takes the new text in place.
  DialogRun r = Dialog(kTeld, "click 1006\ntype 2000 Draft\ntype 1002 SECOND\nanswer 1\nclick 1030\n"
                              "answer 0\nclick 1030\ndump 1003\nprint\n");
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_TRUE(r.Says("\"Message112\"")) << r.result.err;
  EXPECT_NE(r.Dump("1003").find("selected=1 items=[\"None\", \"Draft\", \"Other\"]"), std::string::npos)
      << r.result.err;
  EXPECT_EQ(r.Ticket("WMARKTextTicket"), "(SECOND)");

  // Renaming "Other" to "draft" is no clash: names compare exactly.
  DialogRun exact = Dialog(kTeld, "select 1003 \"Other\"\nclick 1004\ntype 2000 draft\nclick 1030\ndump 1003\n");
  EXPECT_FALSE(exact.Says("Message112")) << exact.result.err;
  EXPECT_NE(exact.Dump("1003").find("items=[\"None\", \"Draft\", \"draft\"]"), std::string::npos) << exact.result.err;
}

TEST_F(WatermarkDialog, ChosenWatermarkIsFoundAgainFromTheTicket) {
  Dialog(kArk, NewText("Draft", "DRAFT") + NewText("Entwurf 2", "E"));
  // The ticket's name key in its hex form chooses the watermark again.
  DialogRun r = Dialog(kArk, "dump 1003\n", "Default01", kArk.ns + "WMARKNameTicket=456e74777572662032\n");
  EXPECT_NE(r.Dump("1003").find("selected=2"), std::string::npos) << r.result.err;
  DialogRun unknown = Dialog(kArk, "dump 1003\n", "Default01", kArk.ns + "WMARKNameTicket=ffff\n");
  EXPECT_NE(unknown.Dump("1003").find("selected=0"), std::string::npos) << unknown.result.err;
}

TEST_F(WatermarkDialog, PictureWatermarksOnlyWhereTheProductTakesThem) {
  const std::string logo = Picture(60, 40);
  DialogRun made = Dialog(kTeld, "click 1006\ntype 2000 Logo\nclick 1005\nchoose-file " + logo +
                                     "\nclick 1007\nstep 1019 up 50\ndump 1006\nclick 1030\nprint\n");
  ASSERT_EQ(made.result.status, 0) << made.result.err;
  EXPECT_NE(made.Dump("1006").find("value=\"logo.png\""), std::string::npos) << made.result.err;
  EXPECT_EQ(made.Ticket("WMARKTypeTicket"), "1");
  EXPECT_EQ(made.Ticket("WMARKScaleTicket"), "150");
  EXPECT_EQ(made.Ticket("WMARKWidthTicket"), "60.000000");
  EXPECT_EQ(made.Ticket("WMARKFontTicket"), "<none>");
  EXPECT_NE(made.Ticket("WMARKFilePathTicket"), "<none>");

  // A text-only product shows the picture disabled and hides the picture controls.
  DialogRun textOnly = Dialog(kTeld, "dump 1003\nclick 1006\ndump 1005\ndump 1007\nclick 1031\n", "Default00");
  EXPECT_NE(textOnly.Dump("1003").find("\"Logo\" (disabled)"), std::string::npos) << textOnly.result.err;
  EXPECT_NE(textOnly.Dump("1005").find("hidden"), std::string::npos) << textOnly.result.err;
  EXPECT_NE(textOnly.Dump("1007").find("hidden"), std::string::npos) << textOnly.result.err;

  // The picture gone: OK refuses it, and a chosen picture writes no record.
  std::remove(logo.c_str());
  DialogRun gone = Dialog(kTeld, "select 1003 \"Logo\"\nclick 1004\nclick 1030\nclick 1031\nprint\n");
  EXPECT_TRUE(gone.Says("\"Message114\"")) << gone.result.err;
  EXPECT_EQ(gone.Ticket("WMARKTypeTicket"), "<none>");
  EXPECT_EQ(gone.Ticket("WMARKNameTicket"), "4c6f676f");
}

TEST_F(WatermarkDialog, OffsetsAreCheckedAgainstTheSheetAndKeptInBothUnits) {
  // A4 portrait: +-105 mm across, +-4.1 inches.
  DialogRun r = Dialog(kTeld, "click 1006\ntype 2000 Pos\ntype 1122 -106\nclick 1030\ntype 1122 -38\n"
                              "click 1027\ndump 1022\ndump 1023\ntype 1022 1.55\nclick 1030\ntype 1022 -1.5\n"
                              "click 1030\nprint\n");
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_TRUE(r.Says("Enter a horizontal position from -105 to 105.")) << r.result.err;
  EXPECT_NE(r.Dump("1022").find("value=\"-1.5\""), std::string::npos) << r.result.err;
  EXPECT_NE(r.Dump("1023").find("value=-15"), std::string::npos) << r.result.err;
  EXPECT_TRUE(r.Says("Enter a horizontal position from -4.1 to 4.1.")) << r.result.err;
  EXPECT_EQ(r.Ticket("WMARKhOffsetTicket"), "-108.00");
}

TEST_F(WatermarkDialog, ANumberTypedOutOfRangeLeavesItsStepperAndSlider) {
  struct Case {
    const char* field;
    std::vector<const char*> followers;  // stepper, and slider where there is one
    const char* message;
  };
  const std::vector<Case> cases{{"1204", {"1205"}, "\"Message113\""}, {"1010", {"1011", "1009"}, "\"Message22h\""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    const std::string field = c.field;
    std::string script = "click 1006\ntype 2000 Big\ntype " + field + " 96\ntype " + field + " " +
                         (field == "1204" ? "601" : "361") + "\n";
    for (const char* tag : c.followers) script += "dump " + std::string(tag) + "\n";
    DialogRun r = Dialog(kTeld, script + "click 1030\nclick 1031\n");
    ASSERT_EQ(r.result.status, 0) << r.result.err;
    for (const char* tag : c.followers) EXPECT_NE(r.Dump(tag).find("value=96"), std::string::npos) << r.Dump(tag);
    // OK reads the field again and refuses it.
    EXPECT_TRUE(r.Says(c.message)) << r.result.err;
  }
}

TEST_F(WatermarkDialog, DamagedStoreShowsWhatCanBeReadAndLosesNothing) {
  Dialog(kTeld, NewText("Draft", "DRAFT"));  // makes the preferences file
  // Lists of unequal length, numbers where text belongs, a huge name, text
  // beyond ASCII and a picture whose file is gone.
  const std::string key = "zq-teldcom.tavelle.kvb.printsettings.";
  std::string json = "{";
  for (size_t f = 0; f < kWMFieldCount; ++f) {
    std::vector<std::string> values = {"\"1\"", "\"1\"", "\"1\""};
    if (f == kWMName) values = {"\"A\"", "\"" + std::string(5000, 'n') + "\"", "\"C\""};
    if (f == kWMText) values = {"\"\\u00ff\\u4e00\"", "\"T\"", "\"x\""};
    if (f == kWMType) values = {"0", "1", "0"};
    if (f == kWMImagePath) values = {"\"\"", "\"/nonexistent/logo.png\"", "\"\""};
    if (f == kWMDensity) values = {"\"1\"", "\"1\""};
    if (f == kWMAngel) values = {"45", "0", "90"};
    json += std::string(f ? "," : "") + "\"" + key + WatermarkPreferenceKeyName(static_cast<WatermarkField>(f)) + "\": [";
    for (size_t i = 0; i < values.size(); ++i) json += std::string(i ? "," : "") + values[i];
    json += "]";
  }
  json += "}";
  std::string file;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.path() + "/prefs"))
    if (entry.path().filename() == "AnyApplication.json") file = entry.path();
  ASSERT_FALSE(file.empty());
  std::ofstream(file) << json;

  DialogRun r = Dialog(kTeld, "dump 1003\nselect 1003 1\nclick 1004\nclick 1031\nselect 1003 2\nprint\n");
  EXPECT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_NE(r.Dump("1003").find("items=[\"None\", \"A\", \"nnn"), std::string::npos) << "the two whole watermarks";
  EXPECT_EQ(r.Dump("1003").find("\"C\""), std::string::npos);
  EXPECT_EQ(r.Ticket("WMARKTypeTicket"), "<none>") << "the picture is gone: no record";
  // Saved at print: both are found again, and the file as it was is kept.
  DialogRun again = Dialog(kTeld, "select 1003 \"A\"\nprint\n");
  EXPECT_EQ(again.Ticket("WMARKAngleTicket"), "45");
  EXPECT_EQ(zqtest::Slurp(file + ".damaged"), json);
}

TEST_F(WatermarkDialog, AStoreWithoutItsPicturePathListStillShowsItsTextWatermarks) {
  Dialog(kTeld, NewText("Draft", "DRAFT") + NewText("Copy", "COPY"));
  std::string file;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.path() + "/prefs"))
    if (entry.path().filename() == "AnyApplication.json") file = entry.path();
  ASSERT_FALSE(file.empty());
  std::string json = zqtest::Slurp(file);
  const size_t at = json.find("\"zq-teldcom.tavelle.kvb.printsettings.WMARKPATHARRAYReference\"");
  ASSERT_NE(at, std::string::npos) << json;
  json.erase(at, json.find('"', json.find(']', at)) - at);
  std::ofstream(file, std::ios::trunc) << json;

  DialogRun r = Dialog(kTeld, "dump 1003\nselect 1003 \"Copy\"\nprint\n");
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  EXPECT_NE(r.Dump("1003").find("items=[\"None\", \"Draft\", \"Copy\"]"), std::string::npos) << r.Dump("1003");
  EXPECT_EQ(r.Ticket("WMARKTextTicket"), "(COPY)");
  // Saved at print with the list whole again.
  DialogRun again = Dialog(kTeld, "select 1003 \"Draft\"\nprint\n");
  EXPECT_EQ(again.Ticket("WMARKTextTicket"), "(DRAFT)");
  EXPECT_NE(zqtest::Slurp(file).find("WMARKPATHARRAYReference"), std::string::npos);
}

// Probes a rectangle of the preview (pixel commands in the script) and
// reads back the darkest red value and the count of inked pixels.
std::string Region(int x0, int x1, int y0, int y1) {
  std::string script;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) script += "pixel 1033 " + std::to_string(x) + " " + std::to_string(y) + "\n";
  return script + "dump 1033\n";
}
struct Ink {
  int darkestRed = 255, inked = 0;
};
// The probes of the n-th region (each ends with a dump line).
Ink ReadRegion(const std::string& err, int n = 0) {
  size_t from = 0;
  for (int i = 0; i < n; ++i) from = err.find("dump: ", from) + 1;
  const size_t to = err.find("dump: ", from);
  Ink ink;
  std::istringstream lines(err.substr(from, to == std::string::npos ? std::string::npos : to - from));
  for (std::string line; std::getline(lines, line);) {
    int r, g, b, a;
    if (std::sscanf(line.c_str(), "pixel: 1033 %*d %*d = %d %d %d %d", &r, &g, &b, &a) != 4) continue;
    ink.darkestRed = std::min(ink.darkestRed, r);
    if (r < 250 && b > r) ++ink.inked;
  }
  return ink;
}

// The preview view is 224 x 190; a portrait sheet of 120 x 150 stands in its
// middle, so the sheet's centre is at (112, 95) and its top edge at 170.
const std::string kLongText = "click 1006\ntype 1002 \"MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM\"\n"
                              "slide 1009 0\n";

TEST_F(WatermarkDialog, PreviewPlacesTheTextByItsOffset) {
  DialogRun centred = Dialog(kTeld, kLongText + Region(100, 124, 90, 100) + Region(100, 124, 155, 168) + "click 1031\n");
  EXPECT_GT(ReadRegion(centred.result.err, 0).inked, 20) << centred.result.err;
  EXPECT_EQ(ReadRegion(centred.result.err, 1).inked, 0);
  // The largest millimetre offset up puts the text's centre on the sheet's top edge.
  DialogRun moved = Dialog(kTeld, kLongText + "type 1125 148\n" + Region(100, 124, 90, 100) +
                                      Region(100, 124, 160, 168) + "click 1031\n");
  EXPECT_EQ(ReadRegion(moved.result.err, 0).inked, 0) << moved.result.err;
  EXPECT_GT(ReadRegion(moved.result.err, 1).inked, 10) << moved.result.err;
  // Outside the sheet the view's own background shows.
  DialogRun outside = Dialog(kTeld, kLongText + "pixel 1033 50 95\nclick 1031\n");
  EXPECT_NE(outside.result.err.find("pixel: 1033 50 95 = 238 238 238"), std::string::npos) << outside.result.err;
}

TEST_F(WatermarkDialog, PreviewDrawsTheDensityAsOpacityAndTheLandscapeSheetWide) {
  DialogRun r = Dialog(kTeld, kLongText + "type 1014 100\n" + Region(100, 124, 90, 100) + "type 1014 25\n" +
                                  Region(100, 124, 90, 100) + "click 1031\n");
  // The darkest pixel at a quarter of the density is three quarters paper.
  const Ink full = ReadRegion(r.result.err, 0), quarter = ReadRegion(r.result.err, 1);
  ASSERT_LT(full.darkestRed, 60) << r.result.err;
  EXPECT_NEAR(quarter.darkestRed, 255 - (255 - full.darkestRed) / 4, 12) << r.result.err;

  DialogRun wide = Dialog(kTeld, "click 1006\npixel 1033 10 95\npixel 1033 3 95\nclick 1031\n", "Default01", "",
                          "--orientation landscape");
  EXPECT_NE(wide.result.err.find("pixel: 1033 10 95 = 255 255 255"), std::string::npos)
      << "inside a 220-wide sheet\n" << wide.result.err;
  EXPECT_NE(wide.result.err.find("pixel: 1033 3 95 = 0 0 0"), std::string::npos) << "its black border";
}

TEST_F(WatermarkDialog, PreviewDrawsAPictureWholeAtItsScale) {
  const std::string logo = Picture(300, 200);
  // Scale 100 draws a fifth: 60 x 40 about the centre, at full opacity.
  DialogRun r = Dialog(kTeld, "click 1006\nclick 1005\nchoose-file " + logo +
                                  "\nclick 1007\npixel 1033 140 95\npixel 1033 145 95\nclick 1031\n");
  EXPECT_NE(r.result.err.find("pixel: 1033 140 95 = 204 2"), std::string::npos) << r.result.err;
  EXPECT_NE(r.result.err.find("pixel: 1033 145 95 = 255 255 255 255"), std::string::npos) << r.result.err;
}

}  // namespace
}  // namespace zqwm::test
