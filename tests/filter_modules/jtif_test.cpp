// The JTIF job ticket built from the special-page records of the ticket.
#include <gtest/gtest.h>

#include "header_run.h"
#include "modules/modules.h"

namespace {

using zqtest::K;

// Reads the counts as the editions that send the ticket do, then writes it
// (and, with `log`, what it logged).
std::string Jtif(const std::string& options, std::string* log = nullptr) {
  return zqtest::RunSteps(
      options,
      [](zqf::Job& job) {
        zqf::SpecialPageInializeDescriptionTable(job);
        zqf::SpecialPageGetTicketFromPDE(job);
        zqf::InjectJTIFCommandSP(job);
      },
      log);
}

const std::string kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE jtif SYSTEM \"jtif-v02030a.dtd\">\n"
    "<jtif version=\"1.0\" mrdl-version=\"2.01\" xml:lang=\"en-US\">\n  <job-template-attributes>\n";
const std::string kTail = "  </job-template-attributes>\n</jtif>\n";

TEST(JtifTicket, NothingWithoutRecords) {
  EXPECT_EQ(Jtif(""), "");
  EXPECT_EQ(Jtif(K("JTIFCoverCountTicket") + "=0 " + K("JTIFInsertionCountTicket") + "=-3"), "");
}

TEST(JtifTicket, CoversOfPaperAndInterposer) {
  const std::string out = Jtif(K("JTIFCoverCountTicket") + "=2 " + K("JTIFCoverValueTicket_0") +
                               "='0,1,print-front,stationery,white,21000,29700' " + K("JTIFCoverValueTicket_1") +
                               "='1,0,blank,interposer-tray'");
  EXPECT_EQ(out, kHead +
                     "    <cover-front syntax=\"collection\">\n"
                     "      <cover-type syntax=\"keyword\">print-front</cover-type>\n"
                     "      <media-col syntax=\"collection\">\n"
                     "        <media-type syntax=\"keyword\">stationery</media-type>\n"
                     "        <media-color syntax=\"keyword\">white</media-color>\n"
                     "        <media-size syntax=\"collection\">\n"
                     "          <x-dimension syntax=\"integer\">21000</x-dimension>\n"
                     "          <y-dimension syntax=\"integer\">29700</y-dimension>\n"
                     "        </media-size>\n"
                     "      </media-col>\n"
                     "    </cover-front>\n"
                     "    <cover-back syntax=\"collection\">\n"
                     "      <cover-type syntax=\"keyword\">blank</cover-type>\n"
                     "      <media-col syntax=\"collection\">\n"
                     "        <media-type syntax=\"name\">interposer-tray</media-type>\n"
                     "      </media-col>\n"
                     "    </cover-back>\n" +
                     kTail);
}

TEST(JtifTicket, InsertsAndExceptionPages) {
  const std::string out =
      Jtif(K("JTIFInsertionCountTicket") + "=3 " + K("JTIFInsertionValueTicket_0") + "='1,4,2,yellow,21000,29700,tab' " +
           K("JTIFInsertionValueTicket_2") + "='0,9,1,interposer' " + K("JTIFInsertionValueTicket_1") + "='7,1,1' " +
           K("JTIFExceptionCountTicket") + "=1 " + K("JTIFExceptionValueTicket_0") +
           "='1,1,1,3,5,two-sided-long-edge,stationery,blue,21000,29700'");
  EXPECT_EQ(out, kHead +
                     "    <insert-sheet syntax=\"1setOf\">\n"
                     "      <value syntax=\"collection\">\n"
                     "        <insert-after-page-number syntax=\"integer\">4</insert-after-page-number>\n"
                     "        <insert-count syntax=\"integer\">2</insert-count>\n"
                     "        <media-col syntax=\"collection\">\n"
                     "          <media-color syntax=\"keyword\">yellow</media-color>\n"
                     "          <media-size syntax=\"collection\">\n"
                     "            <x-dimension syntax=\"integer\">21000</x-dimension>\n"
                     "            <y-dimension syntax=\"integer\">29700</y-dimension>\n"
                     "          </media-size>\n"
                     "          <media-type syntax=\"keyword\">tab</media-type>\n"
                     "        </media-col>\n"
                     "      </value>\n"
                     "      <value syntax=\"collection\">\n"
                     "        <insert-after-page-number syntax=\"integer\">9</insert-after-page-number>\n"
                     "        <insert-count syntax=\"integer\">1</insert-count>\n"
                     "        <media-col syntax=\"collection\">\n"
                     "          <media-type syntax=\"name\">interposer</media-type>\n"
                     "        </media-col>\n"
                     "      </value>\n"
                     "    </insert-sheet>\n"
                     "    <page-overrides syntax=\"1setOf\">\n"
                     "      <value syntax=\"collection\">\n"
                     "        <input-documents syntax=\"1setOf\">\n"
                     "          <value syntax=\"rangeOfInteger\">\n"
                     "            <lower-bound syntax=\"integer\">1</lower-bound>\n"
                     "            <upper-bound syntax=\"integer\">1</upper-bound>\n"
                     "          </value>\n"
                     "        </input-documents>\n"
                     "        <pages syntax=\"1setOf\">\n"
                     "          <value syntax=\"rangeOfInteger\">\n"
                     "            <lower-bound syntax=\"integer\">3</lower-bound>\n"
                     "            <upper-bound syntax=\"integer\">5</upper-bound>\n"
                     "          </value>\n"
                     "        </pages>\n"
                     "        <sides syntax=\"keyword\">two-sided-long-edge</sides>\n"
                     "        <media-col syntax=\"collection\">\n"
                     "          <media-type syntax=\"name\">stationery</media-type>\n"
                     "          <media-color syntax=\"keyword\">blue</media-color>\n"
                     "          <media-size syntax=\"collection\">\n"
                     "            <x-dimension syntax=\"integer\">21000</x-dimension>\n"
                     "            <y-dimension syntax=\"integer\">29700</y-dimension>\n"
                     "          </media-size>\n"
                     "        </media-col>\n"
                     "      </value>\n"
                     "    </page-overrides>\n" +
                     kTail);
}

TEST(JtifTicket, TextIsEscapedAndCountsAreBounded) {
  // Markup in a record stays text.
  const std::string out = Jtif(K("JTIFCoverCountTicket") + "=1 " + K("JTIFCoverValueTicket_0") +
                               "='0,0,a<b>&\"c\",</media-type><x>'");
  EXPECT_NE(out.find("<cover-type syntax=\"keyword\">a&lt;b&gt;&amp;&quot;c&quot;</cover-type>"), std::string::npos)
      << out;
  EXPECT_NE(out.find("<media-type syntax=\"name\">&lt;/media-type&gt;&lt;x&gt;</media-type>"), std::string::npos);

  // A count far beyond the records writes the records there are, at once;
  // records at or beyond the count are not part of the ticket.
  const std::string many = Jtif(K("JTIFCoverCountTicket") + "=2147483647 " + K("JTIFCoverValueTicket_5") +
                                "='0,0,index-five,tray' " + K("JTIFCoverValueTicket_0") + "='1,0,first,tray'");
  EXPECT_LT(many.find("first"), many.find("index-five"));
  const std::string capped = Jtif(K("JTIFCoverCountTicket") + "=1 " + K("JTIFCoverValueTicket_1") +
                                  "='0,0,beyond,tray' " + K("JTIFCoverValueTicket_00") + "='0,0,zeros,tray'");
  EXPECT_EQ(capped, kHead + kTail);
}

// A crafted record whose size cannot be read (no custom size of its own
// gives "-1", or nothing) reaches the device without a size, with its page,
// type and colour, and the log says which.
TEST(JtifTicket, ASizeThatCannotBeReadIsLeftOutWithAWarning) {
  const struct {
    const char* count;
    const char* value;
    const char* kept;  // what still reaches the device
    const char* where;
  } cases[] = {
      {"JTIFCoverCountTicket", "JTIFCoverValueTicket_0='0,1,print-front,STATIONERY,white,-1,-1'",
       "<media-color syntax=\"keyword\">white</media-color>", "cover-front"},
      {"JTIFInsertionCountTicket", "JTIFInsertionValueTicket_0='1,3,1,yellow,,,STATIONERY'",
       "<insert-after-page-number syntax=\"integer\">3</insert-after-page-number>", "insert-sheet"},
      {"JTIFExceptionCountTicket", "JTIFExceptionValueTicket_0='1,1,1,3,3,one-sided,THICK1,blue,21000,0'",
       "<media-type syntax=\"name\">THICK1</media-type>", "page-overrides"},
      {"JTIFExceptionCountTicket", "JTIFExceptionValueTicket_0='1,1,1,3,3,one-sided,THICK1,blue,2l000,29700'",
       "<sides syntax=\"keyword\">one-sided</sides>", "page-overrides"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    std::string err;
    const std::string out = Jtif(K(c.count) + "=1 " + K(c.value), &err);
    EXPECT_NE(out.find(c.kept), std::string::npos) << out;
    EXPECT_EQ(out.find("dimension"), std::string::npos) << out;
    EXPECT_EQ(out.find("media-size"), std::string::npos) << out;
    EXPECT_EQ(err,
              std::string("WARNING: Special page in ") + c.where + " has no readable paper size; sent without one\n");
  }
}

TEST(JtifTicket, OneValueAtATime) {
  std::string field;
  EXPECT_EQ(zqf::getOneValue("ab,cd", field), 3u);
  EXPECT_EQ(field, "ab");
  EXPECT_EQ(zqf::getOneValue("cd", field), 0u);
  EXPECT_EQ(field, "cd");
  EXPECT_EQ(zqf::getOneValue(",x", field), 1u);
  EXPECT_EQ(field, "");
}

TEST(JtifTicket, TheTeldHeaderCarriesNone) {
  // This edition never reads the counts, so the header starts with the PJL.
  const auto run = zqtest::RunHeader(K("JTIFCoverCountTicket") + "=1 " + K("JTIFCoverValueTicket_0") + "='0,0,a,b'");
  EXPECT_EQ(run.out.rfind("\x1b%-12345X", 0), 0u);
}

}  // namespace
