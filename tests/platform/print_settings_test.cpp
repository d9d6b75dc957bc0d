#include <cups/cups.h>
#include <gtest/gtest.h>

#include "zqp/print_session.h"
#include "zqp/print_settings.h"

namespace {

using zqp::PrintSettings;

TEST(PrintSettings, KeepsFirstWriteOrderAndLocks) {
  PrintSettings s;
  EXPECT_EQ(s.SetValue("b", "1", false), zqp::kNoErr);
  EXPECT_EQ(s.SetValue("a", "2", true), zqp::kNoErr);
  EXPECT_EQ(s.SetValue("b", "3", false), zqp::kNoErr);
  EXPECT_EQ(s.ToLines(), "b=3\na=2\n");
  // A locked entry refuses changes and removal but keeps its value.
  EXPECT_EQ(s.SetValue("a", "x", false), zqp::kPermErr);
  EXPECT_EQ(s.Remove("a"), zqp::kPermErr);
  std::string v;
  EXPECT_EQ(s.GetValue("a", v), zqp::kNoErr);
  EXPECT_EQ(v, "2");
  EXPECT_EQ(s.SetValue("", "x", false), zqp::kParamErr);
}

TEST(PrintSettings, ArraysAndKindMismatch) {
  PrintSettings s;
  ASSERT_EQ(s.SetArray("list", {"a", "b"}, false), zqp::kNoErr);
  std::string text = "untouched";
  EXPECT_EQ(s.GetValue("list", text), zqp::kParamErr);
  EXPECT_EQ(text, "untouched");
  std::vector<std::string> arr;
  EXPECT_EQ(s.GetArray("list", arr), zqp::kNoErr);
  EXPECT_EQ(arr, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(s.GetArray("missing", arr), zqp::kParamErr);
  EXPECT_EQ(s.ToLines(), "list=[a,b]\n");
}

TEST(PrintSettings, ParsesStartingTicket) {
  PrintSettings s;
  std::string err;
  ASSERT_TRUE(s.ParseLines("# comment\nk1=v=1\r\n\nk2=[x,,y]\nk3=\n", &err)) << err;
  std::string v;
  s.GetValue("k1", v);
  EXPECT_EQ(v, "v=1");
  std::vector<std::string> arr;
  s.GetArray("k2", arr);
  EXPECT_EQ(arr, (std::vector<std::string>{"x", "", "y"}));
  s.GetValue("k3", v);
  EXPECT_EQ(v, "");

  EXPECT_FALSE(s.ParseLines("ok=1\nno equals sign\n", &err));
  EXPECT_NE(err.find("line 2"), std::string::npos);
  EXPECT_FALSE(s.ParseLines("=value\n", &err));
}

// The option string must read back through libcups to exactly the values.
TEST(PrintSettings, CupsOptionsRoundTrip) {
  PrintSettings s;
  const std::vector<std::pair<std::string, std::string>> values = {
      {"com.zq.plain", "Gray"},
      {"com.zq.space", "two words"},
      {"com.zq.quotes", "it's \"quoted\""},
      {"com.zq.backslash", "a\\b\\"},
      {"com.zq.empty", ""},
      {"com.zq.braces", "{x} y"},
      {"com.zq.escaped", "/97/44/98"},
      {"com.zq.comma", "a,b"},
      {"com.zq.utf8", "Gr\xC3\xBC\xC3\x9F" "e \xE6\x97\xA5"},
  };
  for (const auto& [k, v] : values) s.SetValue(k, v, false);
  s.SetArray("com.zq.array", {"x", "y"}, false);

  const std::string options = s.ToCupsOptions();
  cups_option_t* parsed = nullptr;
  int n = cupsParseOptions(options.c_str(), 0, &parsed);
  EXPECT_EQ(n, static_cast<int>(values.size())) << options;
  for (const auto& [k, v] : values) {
    const char* got = cupsGetOption(k.c_str(), n, parsed);
    ASSERT_NE(got, nullptr) << k << " in " << options;
    EXPECT_EQ(std::string(got), v) << k;
  }
  EXPECT_EQ(cupsGetOption("com.zq.array", n, parsed), nullptr);
  cupsFreeOptions(n, parsed);
}

TEST(PrintSession, DataAndDestination) {
  zqp::PrintSession session;
  int32_t n = 7;
  EXPECT_EQ(session.GetNumber("copies", n), zqp::kSessionDataMissing);
  EXPECT_EQ(n, 7);
  session.SetData("copies", int64_t{3});
  EXPECT_EQ(session.GetNumber("copies", n), zqp::kNoErr);
  EXPECT_EQ(n, 3);
  session.SetData("big", int64_t{1} << 40);
  EXPECT_EQ(session.GetNumber("big", n), zqp::kParamErr);
  session.SetData("name", std::string("x"));
  EXPECT_EQ(session.GetNumber("name", n), zqp::kParamErr);
  EXPECT_EQ(session.GetPPD(), nullptr);

  std::string id;
  EXPECT_EQ(session.GetCurrentPrinterID(id), zqp::kParamErr);
  session.SetCurrentPrinterID("Office_1");
  EXPECT_EQ(session.GetCurrentPrinterID(id), zqp::kNoErr);
  EXPECT_EQ(id, "Office_1");

  zqp::DestinationType t;
  EXPECT_TRUE(zqp::ParseDestinationType("preview", t));
  EXPECT_EQ(t, zqp::DestinationType::kPreview);
  EXPECT_FALSE(zqp::ParseDestinationType("Printer", t));
}

}  // namespace
