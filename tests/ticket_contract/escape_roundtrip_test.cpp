// What the print dialog writes into the ticket, the job filter reads back:
// the framework's escaped form decoded by the filter, and a value carried
// as a real job option through the filter's getters.
#include <gtest/gtest.h>

#include "core/job.h"
#include "core/ticket.h"
#include "editions/teld/teld_profile.h"
#include "zqpde/ticket_value.h"

namespace {

std::string Decode(std::string value) {
  zqf::numstrtochar(value);
  return value;
}

TEST(TicketEscape, FrameworkEncodingDecodesInTheFilter) {
  const std::string values[] = {
      "plain",          "/leading slash", "it's",  "a,b,c", "back\\slash", "caf\xc3\xa9, \xe6\x97\xa5\xe6\x9c\xac",
      std::string(255, ','),  // four times longer once escaped
  };
  for (const auto& v : values) {
    const std::string written = zqpde::TicketTextForOutput(v);
    EXPECT_EQ(Decode(written), v) << written;
  }
}

TEST(TicketEscape, TheFilterGetterReadsAWrittenOptionBack) {
  std::string outText, errText;
  zqf::Stream out(&outText), err(&errText);
  const std::string key = "com.tavelle.kvb.printsettings.DocumentNameTicketKey";
  const std::string name = "Q1, 'final' \\ draft";
  const std::string option = key + "=" + zqpde::TicketTextForOutput(name);
  zqf::Job job(zqf::TeldProfile(), {"f", "1", "u", "t", "1", option}, out, err);
  job.options = zqf::Options(option.c_str());
  std::string value;
  zqf::GetTicketStringConvertedToPrtLang(job, key, job.options, &value, 256);
  EXPECT_EQ(value, name);
}

}  // namespace
