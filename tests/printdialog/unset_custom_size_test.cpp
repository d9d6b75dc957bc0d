// A special page restored without a custom size of its own, set to the
// custom size in any of its windows: whether the custom size window is left
// with OK or Cancel, the record carries the size the window showed, comes
// back as that record from the ticket it wrote, and the device's job ticket
// holds that size, never an empty one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "shipped_dialog.h"

namespace {

#define NS "com.tavelle.qdm.printsettings."

std::string Settings(const std::vector<std::string>& lines) {
    std::string s = NS "JTIFCommandTicketCount=" + std::to_string(lines.size()) + "\n";
    for (size_t i = 0; i < lines.size(); ++i) s += NS "JTIFCommandTicket_" + std::to_string(i) + "=" + lines[i] + "\n";
    return s;
}

// The value of a key in the dialog's --cups-options line.
std::string Option(const std::string& options, const std::string& key) {
    const std::string at = " " NS + key + "=";
    const size_t begin = (" " + options).find(at);
    if (begin == std::string::npos) return "<none>";
    const size_t from = begin + at.size() - 1;
    return options.substr(from, options.find(' ', from) - from);
}

TEST(UnsetCustomSize, TheRecordCarriesTheSizeTheWindowShowed) {
    const char* const kOK = "click 741\n";
    const char* const kCancel = "click 742\n";
    struct Road {
        const char* what;
        std::vector<std::string> records;
        const char* toCustom;  // up to the custom size window
        const char* after;     // closing what is still open
        std::vector<std::string> copy;
        const char* device;    // the JTIF media sizes
    } roads[] = {
        {"covers", {"0,0,1,0,0,1,false,1,-1,-1,-1"}, "select 804 \"Size/Custom Size...\"\n", "click 811\n",
         {"0,0,1,4,0,1,false,1,210.0,297.0,1"}, "21000x29700"},
        {"inserts", {"1,3,0,1,0,0,1,false,-1,-1,-1"}, "select 908 \"Size/Custom Size...\"\n", "click 911\n",
         {"1,3,0,1,4,0,1,false,210.0,297.0,1"}, "21000x29700"},
        {"exceptions", {"2,3,0,1,0,false,1,-1,-1,-1"}, "select 1003 \"Size/Custom Size...\"\n", "click 1011\n",
         {"2,3,4,1,0,false,1,210.0,297.0,1"}, "21000x29700"},
        {"advanced paper", {"2,3,0,1,0,false,1,-1,-1,-1"},
         "select 1003 \"Advanced...\"\nselect 602 \"Custom Size...\"\n", "click 611\nclick 1011\n",
         {"2,3,4,1,0,false,1,210.0,297.0,1"}, "21000x29700"},
        // Edited together, one with a size of its own (which Cancel keeps)
        // and one without; sizes that differ show the default.
        {"inserts edited together",
         {"1,3,0,1,4,0,1,false,150.0,200.0,1", "1,5,0,1,0,0,1,false,-1,-1,-1"},
         "select 908 \"Size/Custom Size...\"\n", "click 911\n",
         {"1,3,0,1,4,0,1,false,150.0,200.0,1", "1,5,0,1,4,0,1,false,210.0,297.0,1"}, "15000x20000 21000x29700"},
    };
    zqtest::ShippedDialog dialog;
    zqpde::test::TempDir dir;
    const std::string ppd = ZQ_SOURCE_DIR "/ppd/zq-ark-sample.ppd";
    for (const Road& road : roads) {
        for (const char* close : {kOK, kCancel}) {
            const bool together = road.records.size() > 1;
            if (together && close == kOK) continue;  // OK hands the size typed to both
            SCOPED_TRACE(std::string(road.what) + (close == kOK ? ", OK" : ", Cancel"));
            const std::string select = together ? "select 104 0-1\n" : "select 104 0\n";
            // Edited, saved, restored from what was saved, then printed.
            const std::string script = "panel \"Special Pages\"\nshow\n" + select + "click 105\n" + road.toCustom +
                                       "dump 711\ndump 731\n" + close + road.after + "save\nrestore\ndump 104\nprint\n";
            const zqtest::DialogResult r =
                dialog.Run(zqtest::Slurp(ppd), script, Settings(road.records), "--printer zq-ark --cups-options");
            ASSERT_EQ(r.status, 0) << r.err;
            EXPECT_TRUE(r.has("dump: TextField tag=711 enabled value=\"210.0\"")) << r.err;
            EXPECT_TRUE(r.has("dump: TextField tag=731 enabled value=\"297.0\""));
            EXPECT_NE(r.err.find("tag=104 enabled rows=" + std::to_string(road.copy.size()) + " "), std::string::npos)
                << "the restore keeps every record\n" << r.err;

            const std::string options = r.out.substr(0, r.out.find_last_not_of('\n') + 1);
            EXPECT_EQ(Option(options, "JTIFCommandTicketCount"), std::to_string(road.copy.size()));
            for (size_t i = 0; i < road.copy.size(); ++i)
                EXPECT_EQ(Option(options, "JTIFCommandTicket_" + std::to_string(i)), road.copy[i]);

            const zqtest::JobResult out = zqtest::ArkJobOf(options, ppd);
            ASSERT_EQ(out.status, 0) << out.err;
            const std::string jtif = out.out.substr(0, out.out.find("</jtif>") + 8);
            const std::regex size("<x-dimension syntax=\"integer\">([^<]*)</x-dimension>\\s*"
                                  "<y-dimension syntax=\"integer\">([^<]*)</y-dimension>");
            std::string sizes;
            for (auto it = std::sregex_iterator(jtif.begin(), jtif.end(), size); it != std::sregex_iterator(); ++it)
                sizes += (sizes.empty() ? "" : " ") + (*it)[1].str() + "x" + (*it)[2].str();
            EXPECT_EQ(sizes, road.device) << jtif;
            EXPECT_EQ(out.err.find("WARNING"), std::string::npos) << out.err;
            const std::string file = dir.Write("jtif.xml", jtif);
            EXPECT_EQ(std::system(("xmllint --noout --nonet '" + file + "'").c_str()), 0) << jtif;
        }
    }
}

}  // namespace
