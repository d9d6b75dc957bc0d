// The job filter takes the ticket the extension writes: the chosen text
// watermark is drawn on every page with the font, colour and text stored.
#include <gtest/gtest.h>

#include "filter_harness.h"
#include "watermark_edition.h"
#include "watermark_test_support.h"
#include "watermark_ticket.h"
#include "zqp/print_settings.h"

namespace {

size_t Occurrences(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

std::string PrintWith(const zqwm::WatermarkRecord& record) {
  const auto& edition = zqwm::TeldWatermarkEdition();
  const std::string ns = edition.ticketNamespace;
  zqwm::WatermarkStore store;
  store.Append(record);
  zqwm::WatermarkTicketContext context;
  context.paper = {0, 0, 792, 612};
  context.orientation = 1;
  zqp::PrintSettings settings;
  EXPECT_EQ(zqwm::SetValueToTicketForWatermarkCtrl(&settings, store, 2, edition, context, false), 0);
  // What the panel's own controls add after the record.
  settings.SetValue(ns + "WMARKNameTicket", zqwm::NameTicketHex(record.name), false);
  settings.SetValue(ns + "WMARKOptionsTicket", "1", false);
  settings.SetValue(ns + "WMARKOnlyFirstTicket", "0", false);

  zqtest::JobSpec spec;
  spec.options = settings.ToCupsOptions();
  spec.postscript = zqtest::SamplePostScript(2);
  const auto result = zqtest::RunProgram(zqtest::BinPath("teld-job-filter"), spec);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err.find("Watermark"), std::string::npos) << result.err << spec.options;
  return zqtest::PostScriptPart(result.out);
}

TEST(WatermarkFilter, DrawsTheTicketTheExtensionWrites) {
  auto record = zqtest::TextWatermark("Draft", "DRAFT");
  record.fontName = "Times-Roman";
  const std::string ps = PrintWith(record);
  EXPECT_EQ(Occurrences(ps, "/Times-Roman 48 selectfont\n"), 2u) << ps;
  EXPECT_EQ(Occurrences(ps, "45 rotate\n(DRAFT) show\n"), 2u) << ps;
}

TEST(WatermarkFilter, EscapedTextAndUnknownFontsArrive) {
  auto record = zqtest::TextWatermark("Secret, 'A'", "Top (secret), a\\b");
  record.fontName = "Futura-Book";
  const std::string ps = PrintWith(record);
  EXPECT_EQ(Occurrences(ps, "/Courier 48 selectfont\n"), 2u) << ps;
  EXPECT_EQ(Occurrences(ps, "(Top \\(secret\\), a\\\\b) show\n"), 2u) << ps;
}

}  // namespace
