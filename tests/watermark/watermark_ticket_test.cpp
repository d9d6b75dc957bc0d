// What the chosen watermark puts into the ticket: keys, order and formats,
// the text literal, the placement on the sheet and the keys left behind.
#include <gtest/gtest.h>

#include <cups/ppd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "filter_harness.h"
#include "watermark_edition.h"
#include "watermark_fonts.h"
#include "watermark_test_support.h"
#include "watermark_ticket.h"
#include "zqp/print_settings.h"
#include "zqpde/image_convert.h"
#include "zqpde/ticket_value.h"

namespace {

using zqwm::WatermarkStore;
using zqwm::WatermarkTicketContext;
using Entries = std::vector<std::pair<std::string, std::string>>;

constexpr zqwm::PaperRect kA4{0, 0, 842, 595};

// Every text measures 200 x 50 points in any font but "Missing".
WatermarkTicketContext FixedContext(std::vector<std::string>* asked = nullptr) {
  WatermarkTicketContext c;
  c.paper = kA4;
  c.orientation = 1;
  c.measureText = [asked](const std::string& family, int size, const std::string&, bool, double* w, double* h) {
    if (asked != nullptr) asked->push_back(family + " " + std::to_string(size));
    if (family == "Missing") return false;
    *w = 200;
    *h = 50;
    return true;
  };
  c.imageSize = [](const std::string& path, double* w, double* h) {
    if (!std::filesystem::exists(path)) return false;
    *w = 120;
    *h = 80;
    return true;
  };
  return c;
}

Entries TicketEntries(const zqp::PrintSettings& settings) {
  Entries out;
  for (const auto& e : settings.Entries()) out.emplace_back(e.key, std::get<std::string>(e.value));
  return out;
}

std::string Value(const zqp::PrintSettings& s, const std::string& key) {
  std::string v;
  return s.GetValue(key, v) == 0 ? v : "<missing>";
}

TEST(WatermarkTicket, TextWatermarkOnAFreshTicketInBothEditions) {
  for (const auto* edition : {&zqwm::TeldWatermarkEdition(), &zqwm::ArkWatermarkEdition()}) {
    SCOPED_TRACE(edition->name);
    const std::string ns = edition->ticketNamespace;
    WatermarkStore store;
    store.Append(zqtest::TextWatermark("Other", "OTHER"));
    store.Append(zqtest::TextWatermark("Draft", "DRAFT"));
    zqp::PrintSettings settings;
    std::vector<std::string> asked;
    ASSERT_EQ(zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 3, *edition, FixedContext(&asked), false), 0);
    const Entries expected{
        {ns + "WMARKTypeTicket", "0"},
        {ns + "WMARKColorRTicket", "1.000000"},
        {ns + "WMARKColorGTicket", "0.500000"},
        {ns + "WMARKColorBTicket", "0.000000"},
        {ns + "WMARKColorATicket", "1.000000"},
        {ns + "WMARKFontSizeTicket", "48.000000"},
        {ns + "WMARKAngleTicket", "45"},
        {ns + "WMARKDensityTicket", "50"},
        {ns + "WMARKScaleTicket", "100"},
        {ns + "WMARKOrientationTicket", "1"},
        {ns + "WMARKPaperHeightTicket", "842"},
        {ns + "WMARKPaperWidthTicket", "595"},
        {ns + "WMARKFontTicket", "Helvetica"},
        {ns + "WMARKFontTypeTicket", "0"},
        {ns + "WMARKTextTicket", "(DRAFT)"},
        {ns + "WMARKhOffsetTicket", "28.35"},   // 10 mm
        {ns + "WMARKvOffsetTicket", "-56.69"},  // -20 mm
        {ns + "WMARKWidthTicket", "198.67"},    // 200 / 1.0067
        {ns + "WMARKHeightTicket", "30.50"},    // 50 / 1.6393
    };
    EXPECT_EQ(TicketEntries(settings), expected);
    EXPECT_EQ(asked, (std::vector<std::string>{"Helvetica 48"}));
  }
}

TEST(WatermarkTicket, TextLiterals) {
  struct Case {
    std::string text;
    bool japanese;
    bool convert;
    std::string literal;
  };
  const std::vector<Case> cases{
      {"A(b)\\c", false, true, "(A\\(b\\)\\\\c)"},
      {"A(b)\\c", true, true, "<412862295c63>"},
      {"\xE3\x81\x82~", true, true, "<82a07e>"},          // Shift-JIS, "~" kept as it is
      {"\xE3\x81\x82", true, false, "<e38182>"},          // the UTF-8 bytes as they are
      {"a\xF0\x9F\x98\x80" "b", false, true, "(ab)"},     // no form outside the BMP
      {"", false, true, "()"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(zqwm::WatermarkTextLiteral(c.text, c.japanese, c.convert), c.literal) << c.text;
  }
  // Long texts stop before the character that would not fit: never inside
  // an escape, a hex pair or a character, and the literal always closes.
  const std::string latin = zqwm::WatermarkTextLiteral(std::string(300, '('), false, false);
  std::string pairs;
  for (int i = 0; i < 126; ++i) pairs += "\\(";
  EXPECT_EQ(latin, "(" + pairs + ")");
  const std::string hex = zqwm::WatermarkTextLiteral(std::string(300, 'x'), true, false);
  EXPECT_EQ(hex.size(), 2u + 2 * 126);
  const std::string utf8 = zqwm::WatermarkTextLiteral(std::string(200, 'a') + std::string(40, '\xC3') , false, false);
  EXPECT_EQ(utf8.size(), 202u);  // the stray bytes are no characters
}

TEST(WatermarkTicket, EscapedLiteralsReachTheTicketWhole) {
  // Past 255 bytes once escaped: kept whole, and decoding gives the literal.
  const std::string text = "Secret, (for) 'Alice' \\ and Bob, only " + std::string(40, ',');
  WatermarkStore store;
  store.Append(zqtest::TextWatermark("Secret", text));
  zqp::PrintSettings settings;
  const auto& edition = zqwm::TeldWatermarkEdition();
  ASSERT_EQ(zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 2, edition, FixedContext(), false), 0);
  std::string stored = Value(settings, std::string(edition.ticketNamespace) + "WMARKTextTicket");
  EXPECT_GT(stored.size(), 255u);
  EXPECT_EQ(stored.front(), '/');
  zqpde::numstrtochar(stored);
  EXPECT_EQ(stored, zqwm::WatermarkTextLiteral(text, false, true));
  EXPECT_EQ(stored.back(), ')');
}

TEST(WatermarkTicket, OffsetsAreClampedToTheSheet) {
  WatermarkStore store;
  auto r = zqtest::TextWatermark("Far", "FAR");
  r.sizeRadio = zqwm::kWMInches;
  r.hOffset = 1000;  // 100 inches
  r.vOffset = -1000;
  store.Append(r);
  const std::string ns = zqwm::TeldWatermarkEdition().ticketNamespace;
  for (int orientation : {1, 2}) {
    auto context = FixedContext();
    context.orientation = orientation;
    zqp::PrintSettings settings;
    zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 2, zqwm::TeldWatermarkEdition(), context, false);
    // Horizontal offsets run across the sheet as it is turned.
    EXPECT_EQ(Value(settings, ns + "WMARKhOffsetTicket"), orientation == 1 ? "296.50" : "420.00");
    EXPECT_EQ(Value(settings, ns + "WMARKvOffsetTicket"), orientation == 1 ? "-420.00" : "-296.50");
    EXPECT_EQ(Value(settings, ns + "WMARKOrientationTicket"), std::to_string(orientation));
  }
}

TEST(WatermarkTicket, UnknownFontsPrintAsCourierMeasuredWithTheDefault) {
  WatermarkStore store;
  auto r = zqtest::TextWatermark("PPD font", "HELLO");
  r.fontName = "Futura-Book";
  store.Append(r);
  auto context = FixedContext();
  std::vector<std::string> asked;
  context.measureText = [&asked](const std::string& family, int size, const std::string&, bool, double* w, double* h) {
    asked.push_back(family + " " + std::to_string(size));
    *w = 103.2;
    *h = 20.328;
    return family == "Nimbus Mono PS";
  };
  context.defaultMeasuringFont = "Nimbus Mono PS";
  zqp::PrintSettings settings;
  zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 2, zqwm::TeldWatermarkEdition(), context, false);
  const std::string ns = zqwm::TeldWatermarkEdition().ticketNamespace;
  EXPECT_EQ(Value(settings, ns + "WMARKFontTicket"), "Courier");
  EXPECT_EQ(Value(settings, ns + "WMARKWidthTicket"), "100.00");
  EXPECT_EQ(Value(settings, ns + "WMARKHeightTicket"), "10.00");
  EXPECT_EQ(asked, (std::vector<std::string>{"Courier 48", "Nimbus Mono PS 48"}));
}

// The widths the device gives the literals, by Ghostscript, which draws
// with the same faces as our fonts: one line per "font literal" pair.
std::vector<double> DeviceWidths(int size, const std::vector<std::pair<std::string, std::string>>& runs) {
  std::string program;
  for (const auto& [font, literal] : runs)
    program += "/" + font + " " + std::to_string(size) + " selectfont " + literal + " stringwidth pop =\n";
  const std::string path = std::filesystem::temp_directory_path() / "zq-wm-widths.ps";
  std::ofstream(path) << program;
  std::vector<double> widths;
  if (FILE* gs = popen(("gs -q -dNODISPLAY -dSAFER -dBATCH " + path + " 2>/dev/null").c_str(), "r")) {
    for (double w; std::fscanf(gs, "%lf", &w) == 1;) widths.push_back(w);
    pclose(gs);
  }
  std::filesystem::remove(path);
  return widths;
}

TEST(WatermarkTicket, TextIsMeasuredInItsOwnFont) {
  // Each row our fonts serve measures as the device draws its print font;
  // a row they do not serve (Optima) measures as Courier.
  const std::vector<std::pair<std::string, std::string>> rows{
      {"Courier", "Courier"},
      {"Helvetica", "Helvetica"},
      {"Times-Roman", "Times-Roman"},
      {"Palatino-Roman", "Palatino-Roman"},
      {"AvantGarde-Book", "AvantGarde-Book"},
      {"NewCenturySchlbk-Roman", "NewCenturySchlbk-Roman"},
      {"Bookman-Demi", "Bookman-Demi"},
      {"ZapfChancery-MediumItalic", "ZapfChancery-MediumItalic"},
      {"Optima", "Courier"},
  };
  const std::string text = "A(b)c Watermark";
  std::vector<std::pair<std::string, std::string>> runs;
  for (const auto& row : rows) runs.emplace_back(row.second, zqwm::WatermarkTextLiteral(text, false, false));
  const std::vector<double> device = DeviceWidths(48, runs);
  ASSERT_EQ(device.size(), rows.size()) << "Ghostscript measures every run";

  const auto& edition = zqwm::TeldWatermarkEdition();
  for (size_t k = 0; k < rows.size(); ++k) {
    SCOPED_TRACE(rows[k].first);
    WatermarkStore store;
    auto r = zqtest::TextWatermark("W", text);
    r.fontName = rows[k].first;
    store.Append(r);
    auto context = FixedContext();
    context.measureText = nullptr;  // the real measuring
    zqp::PrintSettings settings;
    ASSERT_EQ(zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 2, edition, context, false), 0);
    const double width = std::stod(Value(settings, std::string(edition.ticketNamespace) + "WMARKWidthTicket"));
    EXPECT_NEAR(width * zqwm::FontRowForDisplayName(rows[k].first).xRate, device[k], 0.1);
  }
}

TEST(WatermarkTicket, KeysOfAnEarlierWatermarkDoNotSurvive) {
  const auto& edition = zqwm::TeldWatermarkEdition();
  const std::string ns = edition.ticketNamespace;
  const std::string dir = std::filesystem::temp_directory_path() / "zq-wm-pictures";
  std::filesystem::create_directories(dir);
  WatermarkStore store;
  store.Append(zqtest::TextWatermark("Text", "TEXT"));
  store.Append(zqtest::PictureWatermark("Gone", "/nonexistent/gone.png"));
  store.Append(zqtest::PictureWatermark("Bad", std::string(ZQ_SOURCE_DIR) + "/CMakeLists.txt"));
  auto context = FixedContext();
  context.temporaryDirectory = dir;
  context.imageSize = [](const std::string& path, double* w, double* h) {
    *w = 120;
    *h = 80;
    return path.find("nonexistent") == std::string::npos;
  };

  zqp::PrintSettings settings;
  settings.SetValue("other.key", "kept", false);
  ASSERT_EQ(zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 2, edition, context, false), 0);
  ASSERT_EQ(Value(settings, ns + "WMARKTypeTicket"), "0");

  // A picture whose file is gone writes no record: nothing of the text
  // watermark may stay to be printed under the picture's name.
  zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 3, edition, context, false);
  EXPECT_EQ(TicketEntries(settings), (Entries{{"other.key", "kept"}}));

  // A picture that cannot be converted: its record without a file path,
  // no text keys, and no temporary file left behind.
  zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 2, edition, context, false);
  zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 4, edition, context, false);
  EXPECT_EQ(Value(settings, ns + "WMARKTypeTicket"), "1");
  EXPECT_EQ(Value(settings, ns + "WMARKScaleTicket"), "150");
  EXPECT_EQ(Value(settings, ns + "WMARKhOffsetTicket"), "0.00");
  EXPECT_EQ(Value(settings, ns + "WMARKWidthTicket"), "120.000000");
  EXPECT_EQ(Value(settings, ns + "WMARKHeightTicket"), "80.000000");
  for (const char* gone : {"WMARKFilePathTicket", "WMARKFontTicket", "WMARKFontTypeTicket", "WMARKTextTicket"}) {
    EXPECT_FALSE(settings.Has(ns + gone)) << gone;
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir));

  // No watermark chosen: no record at all; text watermarks make no file.
  zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 2, edition, context, false);
  zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 1, edition, context, false);
  EXPECT_EQ(TicketEntries(settings), (Entries{{"other.key", "kept"}}));
  EXPECT_TRUE(std::filesystem::is_empty(dir));
  std::filesystem::remove_all(dir);
}

TEST(WatermarkTicket, PictureFileIsABitmapTheSchedulerCanRead) {
  const auto& edition = zqwm::ArkWatermarkEdition();
  const std::string dir = std::filesystem::temp_directory_path() / "zq-wm-bmp";
  std::filesystem::create_directories(dir);
  const std::string png = dir + "/logo.png";
  // A 3 x 2 picture made by the framework's own converter from a tiny BMP.
  const std::string bmp = dir + "/src.bmp";
  {
    std::vector<uint8_t> file(54 + 2 * 12, 0);
    file[0] = 'B';
    file[1] = 'M';
    zqpde::WriteDword(&file[2], static_cast<uint32_t>(file.size()));
    zqpde::WriteDword(&file[10], 54);
    zqpde::WriteDword(&file[14], 40);
    zqpde::WriteDword(&file[18], 3);
    zqpde::WriteDword(&file[22], 2);
    zqpde::WriteWord(&file[26], 1);
    zqpde::WriteWord(&file[28], 24);
    std::ofstream(bmp, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                               static_cast<std::streamsize>(file.size()));
  }
  ASSERT_EQ(zqpde::ConvertImgType(bmp.c_str(), png.c_str(), zqpde::kImagePNG, false), 0);

  WatermarkStore store;
  store.Append(zqtest::PictureWatermark("Logo", png));
  auto context = FixedContext();
  context.imageSize = nullptr;  // the real loader
  context.temporaryDirectory = dir + "/out";
  std::filesystem::create_directories(context.temporaryDirectory);
  zqp::PrintSettings settings;
  ASSERT_EQ(zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 2, edition, context, false), 0);
  const std::string ns = edition.ticketNamespace;
  // A path begins with "/", so it travels escaped.
  std::string path = Value(settings, ns + "WMARKFilePathTicket");
  zqpde::numstrtochar(path);
  ASSERT_EQ(settings.Entries().front().key, ns + "WMARKFilePathTicket");
  EXPECT_EQ(Value(settings, ns + "WMARKWidthTicket"), "3.000000");
  EXPECT_EQ(Value(settings, ns + "WMARKHeightTicket"), "2.000000");
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << path;
  char magic[2] = {};
  in.read(magic, 2);
  EXPECT_EQ(std::string(magic, 2), "BM");
  const auto perms = std::filesystem::status(path).permissions();
  EXPECT_NE(perms & std::filesystem::perms::others_read, std::filesystem::perms::none);
  EXPECT_EQ(perms & std::filesystem::perms::others_write, std::filesystem::perms::none);

  // The copy the ticket stops naming goes, unless a job was handed it; a
  // copy a locked path key cannot name is not kept either.
  zqwm::PictureCopies copies;
  std::string printed, replaced;
  zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 2, edition, context, false, &printed);
  copies.AfterWrite(printed, settings, ns);
  copies.HandOut(settings, ns);
  zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 2, edition, context, false, &replaced);
  copies.AfterWrite(replaced, settings, ns);
  zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 1, edition, context, false);
  copies.AfterWrite("", settings, ns);
  settings.SetValue(ns + "WMARKFilePathTicket", "/locked", true);
  zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 2, edition, context, false);
  EXPECT_TRUE(std::filesystem::exists(printed));
  EXPECT_FALSE(std::filesystem::exists(replaced));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(context.temporaryDirectory), {}), 2);  // path, printed
  std::filesystem::remove_all(dir);
}

TEST(WatermarkTicket, NameTicketAndItsRestore) {
  WatermarkStore store;
  store.Append(zqtest::TextWatermark("Draft", "D"));
  store.Append(zqtest::TextWatermark("\xE7\xA7\x98 Secret", "S"));
  store.Append(zqtest::TextWatermark(std::string(200, 'L'), "L"));
  EXPECT_EQ(zqwm::NameTicketHex("Draft"), "4472616674");
  EXPECT_EQ(zqwm::NameTicketHex("\xE7\xA7\x98 S"), "e7a7982053");
  EXPECT_EQ(zqwm::NameTicketHex(""), "");
  EXPECT_EQ(zqwm::NameTicketHex(std::string(200, 'L')).size(), 254u);
  EXPECT_EQ(zqwm::NameTicketHex(std::string(126, 'a') + "\xE7\xA7\x98").size(), 252u);  // not split

  EXPECT_EQ(zqwm::PopupValueForNameTicket(store, zqwm::NameTicketHex("Draft")), 2);
  EXPECT_EQ(zqwm::PopupValueForNameTicket(store, zqwm::NameTicketHex("\xE7\xA7\x98 Secret")), 3);
  EXPECT_EQ(zqwm::PopupValueForNameTicket(store, zqwm::NameTicketHex(std::string(200, 'L'))), 4);
  EXPECT_EQ(zqwm::PopupValueForNameTicket(store, "Draft"), 1);  // a plain name is not the ticket form
  EXPECT_EQ(zqwm::PopupValueForNameTicket(store, ""), 1);

  // Pictures: only where the device takes them, and only while they load.
  store.Append(zqtest::PictureWatermark("Logo", "/pictures/logo.png"));
  store.Append(zqtest::PictureWatermark("Gone", "/nonexistent/gone.png"));
  const zqwm::ImageSizer sizer = [](const std::string& path, double* w, double* h) {
    *w = *h = 10;
    return path.find("nonexistent") == std::string::npos;
  };
  EXPECT_EQ(zqwm::RestoredPopupValue(store, zqwm::NameTicketHex("Logo"), 1, sizer), 5);
  EXPECT_EQ(zqwm::RestoredPopupValue(store, zqwm::NameTicketHex("Gone"), 1, sizer), 1);
  EXPECT_EQ(zqwm::RestoredPopupValue(store, zqwm::NameTicketHex("Logo"), 0, sizer), std::nullopt);
  EXPECT_EQ(zqwm::RestoredPopupValue(store, zqwm::NameTicketHex("Draft"), 0, sizer), 2);
  EXPECT_EQ(zqwm::RestoredPopupValue(store, "00", 0, sizer), 1);
}

TEST(WatermarkTicket, SheetSize) {
  const std::string ppdPath =
      zqtest::PpdBuilder().PickOne("Watermark", {"None"}).Write();
  ppd_file_t* ppd = ppdOpenFile(ppdPath.c_str());
  ASSERT_NE(ppd, nullptr);
  ppdMarkDefaults(ppd);
  zqp::PrintSettings settings;
  const zqwm::PaperRect host{0, 0, 1400, 1000};

  ppdMarkOption(ppd, "PageSize", "A4");
  const auto a4 = zqwm::PMGetPhysicalPaperSize(ppd, &settings, host);
  EXPECT_NEAR(a4.bottom - a4.top, 842, 1);
  EXPECT_NEAR(a4.right - a4.left, 595, 1);

  // No marked size: the host's paper within the largest sheet.
  const auto big = zqwm::PMGetPhysicalPaperSize(nullptr, &settings, host);
  EXPECT_DOUBLE_EQ(big.bottom, 1383.3);
  EXPECT_DOUBLE_EQ(big.right, 935.44);
  ppdClose(ppd);
  std::filesystem::remove(ppdPath);
}

}  // namespace
