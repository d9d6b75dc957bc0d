// The three builds of the Account extension side by side: the same
// printdialog script on each edition's sample printer, and what differs in
// the panels and the ticket (list contents, name widths, keys and
// namespaces, the encoding attribute, where remembered values live).
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <cstring>
#include <sstream>
#include <string>

#include "../framework/ppd_fixture.h"
#include "filter_harness.h"
#include "print_dialog_run.h"
#include "zqpde/value_cache.h"
#include "zqp/system_files.h"
#include "zqpde/ticket_value.h"

namespace zqacct {
namespace {

namespace fs = std::filesystem;

struct Edition {
    const char* name;
    const char* ns;       // ticket namespace
    const char* printer;  // printer ID (the PPD's file name)
    const char* kinds;    // "com.tavelle.<kinds>.pde."
    const char* help;     // the help key of the sample PPD's product values
};
const Edition kARK{"ARK", "com.tavelle.qdm.printsettings.", "zq-ark", "r15", "ARK"};
const Edition kTELD{"TELD", "com.tavelle.kvb.printsettings.", "zq-teld", "teld15", "TELD"};
const Edition kKV29{"kv29", "com.tavelle.kvb.printsettings.", "zq-kv29", "kv29", "KV29"};
const Edition* const kEditions[] = {&kARK, &kTELD, &kKV29};

std::string SamplePPD(const Edition& e) {
    return zqtest::Slurp(std::string(ZQ_SOURCE_DIR "/ppd/") + e.printer + "-sample.ppd");
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// Every edition's sample printer set to the same product and to UTF-8 text.
std::string ProductPPD(const Edition& e, const std::string& product) {
    std::string ppd = SamplePPD(e);
    const std::string help = std::string("-") + e.help + "\"";
    for (const char* attribute : {"*ZQXPrintTypeSettings: \"", "*ZQXAccountingSettings: \""}) {
        const size_t at = ppd.find(attribute);
        const size_t end = ppd.find('"', at + std::strlen(attribute));
        ppd.replace(at, end + 1 - at, attribute + product + help);
    }
    if (e.name == kKV29.name)
        ppd = Replace(ppd, "*ZQPrinterLanguageEncoding: \"JIS83-RKSJ\"", "*ZQPrinterLanguageEncoding: \"UTF-8\"");
    return ppd;
}

struct EditionRun {
    const Edition* edition;
    zqtest::DialogResult result;
    std::map<std::string, std::string> ticket;
    std::string Ticket(const std::string& name) const {
        auto it = ticket.find(edition->ns + name);
        return it == ticket.end() ? "<none>" : it->second;
    }
    bool Says(const std::string& text) const { return result.err.find(text) != std::string::npos; }
};

class EditionDialog : public ::testing::Test {
protected:
    // script after the line that opens the panel ("PrintTypeKind" or "AccountKind"; empty: none).
    EditionRun Dialog(const Edition& e, const std::string& kind, const std::string& script, const std::string& ppd,
               const std::string& settings = "", const std::string& output = "--ticket") {
        const std::string ppdPath = dir_.Write(std::string(e.printer) + ".ppd", ppd);
        const std::string open =
            kind.empty() ? "" : std::string("panel com.tavelle.") + e.kinds + ".pde." + kind + "\nshow\n";
        std::string args = "--ppd '" + ppdPath + "' --bundles '" ZQ_BUNDLES_DIR "' --script '" +
                           dir_.Write("script.txt", open + script) + "' " + output;
        if (!settings.empty()) args += " --settings '" + dir_.Write("settings.txt", settings) + "'";
        EditionRun r{&e, {}, {}};
        r.result = zqtest::RunPrintDialog("env TZ=UTC ZQ_PREFS_DIR='" + PrefsFolder() + "' ZQ_ROOT='" + dir_.path() + "/" +
                                              root_ + "' " + env_ + " " ZQ_PRINTDIALOG,
                                          args, dir_.path());
        std::istringstream lines(r.result.out);
        for (std::string line; std::getline(lines, line);)
            if (size_t eq = line.find('='); eq != std::string::npos) r.ticket[line.substr(0, eq)] = line.substr(eq + 1);
        return r;
    }
    std::string CacheFolder() const { return dir_.path() + "/" + root_ + "/Library/Caches/Tavelle"; }
    std::string PrefsFolder() const { return dir_.path() + "/" + prefs_; }
    // The device stream of a one-page job with a dialog's CUPS options on the
    // edition's printer, through the edition's own filter.
    std::string DeviceStream(const Edition& e, const EditionRun& options) {
        zqtest::JobSpec job;
        job.options = options.result.out.substr(0, options.result.out.find_last_not_of('\n') + 1);
        job.ppdPath = dir_.path() + "/" + e.printer + ".ppd";
        job.postscript = zqtest::SamplePostScript(1);
        const char* filter = e.name == kKV29.name ? "kv29" : e.name == kTELD.name ? "teld" : "ark";
        return zqtest::RunProgram(zqtest::BinPath(std::string(filter) + "-job-filter"), job).out;
    }
    zqpde::test::TempDir dir_;
    std::string root_ = "root";
    std::string prefs_ = "prefs";
    std::string env_;  // more environment for the dialog
};

TEST_F(EditionDialog, PrintTypeListsDifferAndMailboxIsFiveWhereOffered) {
    struct Case {
        const Edition* e;
        const char* items;
        const char* mailboxTicket;  // after the mailbox script; nullptr: no mailbox item
        const char* version;        // the version label
    } cases[] = {
        {&kARK, R"(["Normal Print", "Secure Print", "Sample Print", "Delayed Print", "Save to Mailbox"])", "5",
         "tag=105 enabled hidden"},
        {&kTELD, R"(["Normal Print", "Secure Print", "Sample Print"])", nullptr, "tag=105 enabled hidden"},
        {&kKV29, R"(["Normal Print", "Secure Print", "Sample Print", "Delayed Print" (hidden), "Save to Mailbox"])", "5",
         R"(tag=105 enabled value="ver.1.0")"},
    };
    for (const Case& c : cases) {
        EditionRun r = Dialog(*c.e, "PrintTypeKind", "dump 101\ndump 105\nprint\n", SamplePPD(*c.e));
        EXPECT_TRUE(r.Says(std::string("dump: Label ") + c.version)) << c.e->name << r.result.err;
        EXPECT_EQ(r.result.status, 0) << c.e->name << r.result.err;
        EXPECT_TRUE(r.Says(std::string("dump: PopUpButton tag=101 enabled selected=0 items=") + c.items))
            << c.e->name << r.result.err;
        EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "1") << c.e->name;
        if (c.mailboxTicket == nullptr) continue;
        // The fifth item opens the mailbox window and writes 5, as the filters read it.
        EditionRun m = Dialog(*c.e, "PrintTypeKind", "select 101 4\ntype 1041 12\ntype 1042 2468\nclick 1143\nprint\n",
                       SamplePPD(*c.e));
        EXPECT_EQ(m.result.status, 0) << c.e->name << m.result.err;
        EXPECT_EQ(m.Ticket("PrintTypeTicketKey"), c.mailboxTicket) << c.e->name;
        EXPECT_EQ(m.Ticket("PrintTypeMBNTicketKey"), "12") << c.e->name;
        // kv29 has no delayed print: no start time travels.
        EXPECT_EQ(m.Ticket("DelayPrintTicketKey") == "<none>", c.e == &kKV29) << c.e->name;
    }
}

TEST_F(EditionDialog, NameFieldsTakeTheEditionsWidthsAndIgnoreOrHonourTheEncoding) {
    const std::string copyright = "\xC2\xA9", trademark = "\xE2\x84\xA2";  // U+00A9 is Latin-1, U+2122 is not
    std::string eightCopyrights, fourTrademarks;
    for (int i = 0; i < 8; ++i) eightCopyrights += copyright;
    for (int i = 0; i < 4; ++i) fourTrademarks += trademark;
    const std::string kanji = "\xE5\xB1\xB1";
    struct Case {
        const Edition* e;
        const char* field;  // "doc" or "user"
        std::string typed;
        std::string kept;   // what the field takes (the rest is refused as typed)
    } cases[] = {
        // Document name: 64 (ARK), 32 (TELD), 12 (kv29) for product Default00.
        {&kARK, "doc", "ABCDEFGHIJKLM", "ABCDEFGHIJKLM"},
        {&kTELD, "doc", "ABCDEFGHIJKLM", "ABCDEFGHIJKLM"},
        {&kKV29, "doc", "ABCDEFGHIJKLM", "ABCDEFGHIJKL"},
        {&kTELD, "doc", std::string(33, 'a'), std::string(32, 'a')},
        // User name on a printer that says "UTF-8": ARK takes the UTF-8 rules, the others do not.
        {&kARK, "user", "bob" + kanji, "bob" + kanji},
        {&kTELD, "user", "bob" + kanji, "bob"},
        {&kKV29, "user", "bob" + kanji, "bob"},
        // TELD counts widths in Latin-1 terms against its 8: a Latin-1 sign 1, another 2.
        {&kTELD, "user", eightCopyrights + "a", eightCopyrights},
        {&kTELD, "user", fourTrademarks + "a", fourTrademarks},
    };
    for (const Case& c : cases) {
        const bool doc = std::string(c.field) == "doc";
        const std::string script = std::string("select 101 2\ntype 1012 ") + (doc ? "dave" : c.typed) +
                                   (doc ? "\nselect 1014 1\ntype 1015 " + c.typed : std::string()) +
                                   "\nclick 1113\nprint\n";
        root_ = "root-" + std::to_string(&c - cases);  // nothing remembered from the case before
        EditionRun r = Dialog(*c.e, "PrintTypeKind", script, ProductPPD(*c.e, "Default00"));
        const std::string what = std::string(c.e->name) + " " + c.field + " " + c.typed;
        EXPECT_EQ(r.result.status, 0) << what << r.result.err;
        EXPECT_EQ(r.Says("refused: " + std::string(doc ? "1015" : "1012")), c.kept != c.typed) << what << r.result.err;
        EXPECT_EQ(r.Ticket("PrintTypeTicketKey"), "3") << what;
        EXPECT_EQ(r.Ticket(doc ? "DocumentNameTicketKey" : "PrintTypeUserNameTicketKey"), c.kept) << what;
    }
}

TEST_F(EditionDialog, Kv29ScopeAttributeNarrowsTheDocumentNameExceptForTheKanaProduct) {
    for (const char* product : {"Default00", "Default02"}) {
        const std::string ppd = Replace(ProductPPD(kKV29, product), "*ZQXMailBoxSettings:",
                                        "*ZQPTDocNameScope: \"48 57\"\n*ZQXMailBoxSettings:");
        root_ = std::string("root-") + product;
        EditionRun r = Dialog(kKV29, "PrintTypeKind", "select 101 2\ntype 1012 dave\nselect 1014 1\ntype 1015 4A2\nclick 1113\nprint\n", ppd);
        EXPECT_EQ(r.result.status, 0) << product << r.result.err;
        // Digits only, and a refused letter shows no alert; the kana product keeps its own filter.
        EXPECT_EQ(r.Ticket("DocumentNameTicketKey"), std::string(product) == "Default00" ? "42" : "4A2") << product;
        EXPECT_FALSE(r.Says("alert:")) << product << r.result.err;
    }
}

TEST_F(EditionDialog, JobAuthenticationKeysFollowTheEdition) {
    const std::regex date(R"(\d\d/\d\d/\d{4})"), time(R"(\d\d:\d\d:\d\d)");
    struct Case {
        const Edition* e;
        bool infoLists, domain, accountFields, printDateTime;
    } cases[] = {
        {&kARK, true, true, true, false},  // the ARK sample is a domain-name product
        {&kTELD, false, false, false, true},
        {&kKV29, false, false, true, true},
    };
    for (const Case& c : cases) {
        EditionRun r = Dialog(*c.e, "AccountKind", "print\n", SamplePPD(*c.e));
        ASSERT_EQ(r.result.status, 0) << c.e->name << r.result.err;
        EXPECT_NE(r.Ticket("JBAManageTypeListTicketKey"), "<none>") << c.e->name;
        EXPECT_NE(r.Ticket("JBAHostNameStringTicket"), "<none>") << c.e->name;
        EXPECT_EQ(r.Ticket("JBAInfoListTicketKey") != "<none>", c.infoLists) << c.e->name;
        EXPECT_EQ(r.Ticket("JBADomainNameTextEditTicket") != "<none>", c.domain) << c.e->name;
        EXPECT_EQ(r.Ticket("JBAAccountIDTextEditTicket") != "<none>", c.accountFields) << c.e->name;
        EXPECT_EQ(r.Ticket("JBAStoragePasswordTextEditTicket") != "<none>", c.accountFields) << c.e->name;
        EXPECT_EQ(std::regex_match(r.Ticket("JBAMrvnPrintDateTicketKey"), date), c.printDateTime) << c.e->name;
        EXPECT_EQ(std::regex_match(r.Ticket("JBAMrvnPrintTimeTicketKey"), time), c.printDateTime) << c.e->name;
        // Nothing of the other edition's namespace.
        const std::string other = c.e == &kARK ? kTELD.ns : kARK.ns;
        for (const auto& [key, value] : r.ticket) EXPECT_EQ(key.find(other), std::string::npos) << c.e->name << " " << key;
    }
}

TEST_F(EditionDialog, TELDPanelsAndOPSPDFModeFromThePPD) {
    const std::string ppd = SamplePPD(kTELD);
    EditionRun off = Dialog(kTELD, "", "print\n", Replace(ppd, "*ZQPTPasswdLimit:", "*ZQXEnablePrintType: \"False\"\n*ZQPTPasswdLimit:"));
    EXPECT_TRUE(off.Says("panel: Job Authentication com.tavelle.teld15.pde.AccountKind")) << off.result.err;
    EXPECT_FALSE(off.Says("PrintTypeKind")) << off.result.err;

    const std::string secure = "select 101 1\ntype 1022 bob\ntype 1026 123456\nclick 1123\nprint\n";
    EditionRun plain = Dialog(kTELD, "PrintTypeKind", secure, ppd);
    EXPECT_EQ(plain.Ticket("PrintTypeUserNameTicketKey"), "bob") << plain.result.err;
    EXPECT_NE(plain.Ticket("DocumentNameTypeTicketKey"), "<none>");
    const std::string morvane = Replace(ppd, "*ZQPTPasswdLimit:", "*ZQDeviceModel: \"Morvane\"\n*ZQPTPasswdLimit:");
    EditionRun ops = Dialog(kTELD, "PrintTypeKind", secure, morvane);
    EXPECT_EQ(ops.Ticket("PrintTypeTicketKey"), "2") << ops.result.err;
    EXPECT_EQ(ops.Ticket("PrintTypeProductTypeTicketKey"), "0");
    EXPECT_EQ(ops.Ticket("PrintTypeUserNameTicketKey"), "<none>");
    EXPECT_EQ(ops.Ticket("DocumentNameTicketKey"), "<none>");
    EXPECT_EQ(ops.Ticket("DocumentNameTypeTicketKey"), "<none>");
    // The job authentication of an OPS-PDF driver carries the host only: no account mode.
    EXPECT_NE(plain.Ticket("JBAManageTypeListTicketKey"), "<none>");
    EXPECT_EQ(ops.Ticket("JBAManageTypeListTicketKey"), "<none>");
    EXPECT_NE(ops.Ticket("JBAHostNameStringTicket"), "<none>");
    EXPECT_EQ(ops.ticket.count(std::string("zq-teld") + kTELD.ns + "JBAManageTypeListReference"), 0u);
    // An OPS-PDF driver's setup windows hold nothing: OK closes the secure window
    // whatever its fields show (where the plain driver keeps it open on an empty
    // user or pass code), and the job is secure print with no user, pass code or
    // document, not even what a preset still carried.
    EXPECT_NE(plain.Ticket("PrintTypePasswordTicketKey"), "<none>");
    EXPECT_EQ(ops.Ticket("PrintTypePasswordTicketKey"), "<none>");
    const std::string tm = "\xE2\x84\xA2", tooWide = tm + tm + tm + tm + "a";
    const std::string preset = std::string(kTELD.ns) + "PrintTypeUserNameTicketKey=old\n" + kTELD.ns +
                               "DocumentNameTicketKey=old\n" + kTELD.ns + "PrintTypePasswordTicketKey=old\n";
    for (const std::string& user : {std::string(), tooWide}) {
        const std::string script = "select 101 1\n" + (user.empty() ? "" : "type 1022 " + user + "\n") +
                                   "click 1123\nprint\n";
        EditionRun refused = Dialog(kTELD, "PrintTypeKind", script, ppd);
        EXPECT_TRUE(refused.Says("alert: ")) << refused.result.err;
        EXPECT_TRUE(refused.Says("inside the open modal window")) << refused.result.err;
        EditionRun taken = Dialog(kTELD, "PrintTypeKind", script, morvane, preset);
        EXPECT_EQ(taken.result.status, 0) << taken.result.err;
        EXPECT_FALSE(taken.Says("alert: ")) << taken.result.err;
        EXPECT_TRUE(taken.Says("print: allowed")) << taken.result.err;
        EXPECT_EQ(taken.Ticket("PrintTypeTicketKey"), "2");
        for (const char* key : {"PrintTypeUserNameTicketKey", "PrintTypePasswordTicketKey", "DocumentNameTicketKey",
                                "DocumentNameTypeTicketKey"})
            EXPECT_EQ(taken.Ticket(key), "<none>") << key;
    }

    // The pass-code limit comes from "ZQPTPasswdLimit".
    EditionRun shortCode = Dialog(kTELD, "PrintTypeKind", "select 101 1\ntype 1022 bob\ntype 1026 12345\nclick 1123\nclick 1124\nprint\n",
                           Replace(ppd, "*ZQPTPasswdLimit: \"4\"", "*ZQPTPasswdLimit: \"6\""));
    EXPECT_TRUE(shortCode.Says("Enter 6 to 12 digits")) << shortCode.result.err;
}

TEST_F(EditionDialog, Kv29RemembersPerPrinterInTheCacheWhereARKUsesThePrintSettings) {
    const std::string secure = "select 101 1\ntype 1022 carol\ntype 1026 2468\nclick 1123\nprint\n";
    EditionRun first = Dialog(kKV29, "PrintTypeKind", secure, SamplePPD(kKV29));
    ASSERT_EQ(first.result.status, 0) << first.result.err;
    EXPECT_EQ(first.Ticket("PrintTypeTicketKey"), "2");
    for (const auto& [key, value] : first.ticket) EXPECT_EQ(key.find("Reference"), std::string::npos) << key;

    // The cache: a sticky folder open to all, one private file per printer and user.
    struct stat st{};
    ASSERT_EQ(stat(CacheFolder().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 01777u);
    std::string file;
    for (const auto& entry : fs::directory_iterator(CacheFolder()))
        if (entry.path().filename().string().rfind("zq-kv29-", 0) == 0) file = entry.path();
    ASSERT_FALSE(file.empty());
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    const std::string content = zqtest::Slurp(file);
    EXPECT_NE(content.find("zq-kv29com.tavelle.kvb.printsettings.PrintTypeUserNameReference"), std::string::npos);
    EXPECT_EQ(content.find("2468"), std::string::npos) << "the pass code is kept scrambled";

    // A second dialog, with nothing carried in the settings, finds the values.
    EditionRun second = Dialog(kKV29, "PrintTypeKind", "dump 101\nprint\n", SamplePPD(kKV29));
    EXPECT_TRUE(second.Says("dump: PopUpButton tag=101 enabled selected=1")) << second.result.err;
    EXPECT_EQ(second.Ticket("PrintTypeUserNameTicketKey"), "carol");
    EXPECT_EQ(second.Ticket("PrintTypePasswordTicketKey"), first.Ticket("PrintTypePasswordTicketKey"));

    // The ARK build keeps them in the print settings: a fresh dialog starts over.
    EditionRun ark = Dialog(kARK, "PrintTypeKind", secure, SamplePPD(kARK));
    EXPECT_NE(ark.ticket.count("zq-arkcom.tavelle.qdm.printsettings.PrintTypeUserNameReference"), 0u);
    EditionRun arkAgain = Dialog(kARK, "PrintTypeKind", "dump 101\nprint\n", SamplePPD(kARK));
    EXPECT_TRUE(arkAgain.Says("dump: PopUpButton tag=101 enabled selected=0")) << arkAgain.result.err;
}

TEST_F(EditionDialog, SecurePrintDefaultOverridesTheStorageExceptInKv29) {
    // No storage: only normal print is enabled, unless the PPD says secure print is always there.
    struct Case {
        const Edition* e;
        const char* storage;  // the PPD text that leaves no storage
        bool overridden;
    } cases[] = {
        {&kARK, "*DefaultZQHardDisk: None", true},
        {&kKV29, "*DefaultZQRAMDisk: False", false},
    };
    for (const Case& c : cases) {
        std::string ppd = Replace(SamplePPD(*c.e), c.e == &kARK ? "*DefaultZQHardDisk: HardDisk" : "*DefaultZQRAMDisk: True",
                                  c.storage);
        if (c.e == &kARK) ppd = Replace(ppd, "*ZQPTSecurePrintDefault: \"False\"", "*ZQPTSecurePrintDefault: \"True\"");
        else ppd = Replace(ppd, "*ZQXMailBoxSettings:", "*ZQPTSecurePrintDefault: \"True\"\n*ZQXMailBoxSettings:");
        root_ = std::string("root-") + c.e->name;
        EditionRun r = Dialog(*c.e, "PrintTypeKind", "select 101 1\n", ppd);
        EXPECT_EQ(r.Says("ignored: 101"), !c.overridden) << c.e->name << r.result.err;
    }
}

// A secure job leaves only with a pass code of the printer's shortest
// length. A shorter one (here none) opens the pass-code notice in every
// edition, TELD's PPD naming the length as an attribute, ARK's and kv29's as
// an option: Cancel refuses the job, OK prints it as a normal job. Where
// the PPD has no notice key (TELD with the length as an option only) the
// message is shown and the job is refused. So the device never gets a held
// job without its pass code, and one with it still gets its hold lines.
TEST_F(EditionDialog, ASecureJobWithoutItsPassCodeOpensTheNoticeAndNeverReachesTheDevice) {
    for (const Edition* e : kEditions) {
        SCOPED_TRACE(e->name);
        root_ = std::string("root-") + e->name;
        // Secure print with a user name and no pass code: remembered in the
        // print settings (ARK, TELD), a preset the panel reads back (kv29).
        const std::string ns = e->ns, remembered = e->printer + ns;
        const std::string secure = e == &kKV29 ? ns + "PrintTypeTicketKey=2\n" + ns + "PrintTypeUserNameTicketKey=alice\n"
                                               : remembered + "PrintTypeReference=2\n" + remembered +
                                                     "PrintTypeUserNameReference=alice\n";
        EditionRun cancel = Dialog(*e, "PrintTypeKind", "print\nclick 202\n", SamplePPD(*e), secure);
        EXPECT_EQ(cancel.result.status, 1) << cancel.result.err;
        EXPECT_TRUE(cancel.result.has("modal: open ")) << cancel.result.err;
        EXPECT_TRUE(cancel.result.has("print: refused")) << cancel.result.err;

        EditionRun ok = Dialog(*e, "PrintTypeKind", "print\nclick 201\n", SamplePPD(*e), secure, "--cups-options");
        ASSERT_EQ(ok.result.status, 0) << ok.result.err;
        EXPECT_NE(ok.result.out.find(ns + "PrintTypeTicketKey=1"), std::string::npos) << ok.result.out;
        std::string device = DeviceStream(*e, ok);
        EXPECT_NE(device.find("@PJL ENTER LANGUAGE"), std::string::npos) << device;
        EXPECT_EQ(device.find("HOLD"), std::string::npos) << device;

        // The pass code given, the job is held under it.
        EditionRun given = Dialog(*e, "PrintTypeKind", "click 103\ntype 1026 2468\nclick 1123\nprint\n", SamplePPD(*e),
                                  secure, "--cups-options");
        ASSERT_EQ(given.result.status, 0) << given.result.err;
        device = DeviceStream(*e, given);
        EXPECT_NE(device.find("@PJL SET HOLD=STORE"), std::string::npos) << device;
        EXPECT_NE(device.find("HOLDENCRYPTKEY=\"" + zqpde::QSPTicketString("2468").value() + "\""), std::string::npos)
            << device;
    }
    // TELD with the shortest pass code as an option only: no notice, the
    // message, and the job stays back.
    const std::string optionOnly = Replace(SamplePPD(kTELD), "*ZQPTPasswdLimit: \"4\"",
                                           "*OpenUI *ZQPTPasswdLimit/Shortest Pass Code: PickOne\n"
                                           "*DefaultZQPTPasswdLimit: 4Digits\n*ZQPTPasswdLimit 4Digits/4 Digits: \"\"\n"
                                           "*CloseUI: *ZQPTPasswdLimit");
    const std::string remembered = std::string(kTELD.printer) + kTELD.ns;
    EditionRun r = Dialog(kTELD, "PrintTypeKind", "print\n", optionOnly,
                          remembered + "PrintTypeReference=2\n" + remembered + "PrintTypeUserNameReference=alice\n");
    EXPECT_EQ(r.result.status, 1) << r.result.err;
    EXPECT_TRUE(r.Says("alert:  | The pass code is not valid.")) << r.result.err;
    EXPECT_FALSE(r.result.has("modal: open ")) << r.result.err;
    EXPECT_TRUE(r.result.has("print: refused")) << r.result.err;
}

// What is typed in the input window at print is remembered only while the
// window of the account mode keeps the last entries: its last-info box on
// (TELD's windows have no box, and keep them). Nothing else is kept either
// way, in the preferences before the emulated 10.7, in the print settings
// or kv29's value cache from 10.7 on; kept, the password is scrambled and
// comes back masked.
TEST_F(EditionDialog, InputWindowEntriesAreRememberedOnlyWhileTheLastInfoBoxIsOn) {
    struct Row {
        const Edition* e;
        bool before10_7;  // the preferences; else the print settings (kv29: the cache)
        bool boxOn;
    } rows[] = {
        {&kARK, false, true},  {&kARK, false, false},  {&kARK, true, true},  {&kARK, true, false},
        {&kKV29, false, true}, {&kKV29, false, false}, {&kKV29, true, true}, {&kKV29, true, false},
        {&kTELD, false, true}, {&kTELD, true, true},
    };
    const std::string pass = zqpde::QSPTicketString("pass1234").value();
    int n = 0;
    for (const Row& row : rows) {
        const Edition& e = *row.e;
        SCOPED_TRACE(std::string(e.name) + (row.before10_7 ? " preferences" : " 10.7") + (row.boxOn ? " box on" : " box off"));
        root_ = "root-" + std::to_string(n);
        prefs_ = "prefs-" + std::to_string(n++);
        env_ = row.before10_7 ? "ZQ_OS_RELEASE=10.8.0" : "";
        const bool teld = &e == &kTELD;
        const std::string script = std::string("click 1002\nclick 3017\n") + (row.boxOn ? "" : "click 3020\n") +
                                   "click 3001\nprint\ntype " + (teld ? "4006" : "4015") +
                                   " carol\ntype 4008 pass1234\n" + (teld ? "" : "type 4018 acct9\n") + "click 4001\n";
        EditionRun first = Dialog(e, "AccountKind", script, SamplePPD(e));
        ASSERT_EQ(first.result.status, 0) << first.result.err;
        // The job carries what was typed, either way.
        EXPECT_EQ(first.Ticket("JBAInputUserIDTextEditTicket"), "carol");
        EXPECT_EQ(first.Ticket("JBAInputUserPasswordTextEditTicket"), pass);

        // Everything remembered, wherever it is kept.
        std::string kept, settings;
        for (const auto& [key, value] : first.ticket)
            if (key.find("Reference") != std::string::npos) settings += key + "=" + value + "\n";
        kept = settings;
        for (const std::string& folder : {PrefsFolder(), CacheFolder()})
            if (fs::exists(folder))
                for (const auto& entry : fs::recursive_directory_iterator(folder))
                    if (entry.is_regular_file()) kept += zqtest::Slurp(entry.path().string());
        const bool typedKept = std::regex_search(kept, std::regex("JBAInput[A-Za-z]*TextEditReference"));
        EXPECT_EQ(typedKept, row.boxOn) << kept;
        EXPECT_EQ(kept.find("pass1234"), std::string::npos) << "never in plain text";
        if (!row.boxOn) {
            for (const std::string& typed : {std::string("carol"), std::string("acct9"), pass})
                EXPECT_EQ(kept.find(typed), std::string::npos) << typed << "\n" << kept;
        }

        // The next print: the password back, masked, or an empty window.
        const bool inSettings = !row.before10_7 && &e != &kKV29;
        EditionRun next = Dialog(e, "AccountKind", std::string("print\ndump 4008\nclick ") + (row.boxOn ? "4001\n" : "4002\n"),
                                 SamplePPD(e), inSettings ? settings : "");
        EXPECT_TRUE(next.Says(std::string("dump: SecureTextField tag=4008 enabled value=\"") +
                              (row.boxOn ? "********" : "") + "\""))
            << next.result.err;
        if (row.boxOn) {
            EXPECT_EQ(next.Ticket("JBAInputUserPasswordTextEditTicket"), pass) << next.result.err;
        }
    }
}

TEST_F(EditionDialog, EachPanelOpensItsEditionsOwnHelpPage) {
    for (const Edition* e : kEditions) {
        const std::string kinds = std::string("com.tavelle.") + e->kinds + ".pde.";
        EditionRun r = Dialog(*e, "PrintTypeKind", "help\npanel " + kinds + "AccountKind\nshow\nhelp\n", SamplePPD(*e));
        EXPECT_EQ(r.result.status, 0) << e->name << r.result.err;
        EXPECT_TRUE(r.Says(std::string("help: ZQ Account Help SelectJobType_") + e->help + ".htm")) << r.result.err;
        EXPECT_TRUE(r.Says(std::string("help: ZQ Account Help JBA_") + e->help + ".htm")) << r.result.err;
    }
}

TEST_F(EditionDialog, OnlyKv29ReadsAPresetBackFromThePrintSettings) {
    const std::string pass = zqpde::QSPTicketString("2468").value();
    for (const Edition* e : kEditions) {
        // A preset: the ticket as the print-type panel writes it, names escaped.
        auto preset = [&](const std::string& password) {
            return e->ns + std::string("PrintTypeTicketKey=2\n") + e->ns + "PrintTypeUserNameTicketKey=/65/66\n" + e->ns +
                   "DocumentNameTypeTicketKey=2\n" + e->ns + "DocumentNameTicketKey=/67/44/68\n" + e->ns +
                   "PrintTypePasswordTicketKey=" + password + "\n";
        };
        const bool reads = e == &kKV29;
        root_ = std::string("root-") + e->name;
        EditionRun r = Dialog(*e, "PrintTypeKind", "dump 101\nprint\n", SamplePPD(*e), preset(pass));
        ASSERT_EQ(r.result.status, 0) << e->name << r.result.err;
        EXPECT_EQ(r.Says("dump: PopUpButton tag=101 enabled selected=1"), reads) << e->name << r.result.err;
        if (reads) {
            EXPECT_EQ(r.Ticket("PrintTypeUserNameTicketKey"), "AB");
            EXPECT_EQ(r.Ticket("DocumentNameTypeTicketKey"), "2");
            EXPECT_EQ(r.Ticket("DocumentNameTicketKey"), "/67/44/68") << "C,D goes out escaped again";
            EXPECT_EQ(r.Ticket("PrintTypePasswordTicketKey"), pass);
        }
        // A pass code that does not unscramble leaves the field empty.
        if (!reads) continue;
        EditionRun bad = Dialog(*e, "PrintTypeKind", "click 103\ndump 1022\ndump 1026\nclick 1124\n", SamplePPD(*e),
                                preset("%%not-base64%%"));
        EXPECT_EQ(bad.result.status, 0) << bad.result.err;
        EXPECT_TRUE(bad.Says("tag=1022 enabled value=\"AB\"")) << bad.result.err;
        EXPECT_TRUE(bad.Says("tag=1026 enabled value=\"\"")) << bad.result.err;
    }
}

TEST_F(EditionDialog, Kv29CacheKeepsScrambledValuesAndForgetsAClearedOne) {
    auto cacheFile = [&] {
        for (const auto& entry : fs::directory_iterator(CacheFolder()))
            if (entry.path().filename().string().rfind("zq-kv29-", 0) == 0) return zqtest::Slurp(entry.path());
        return std::string();
    };
    const std::string storageKey = "zq-kv29com.tavelle.kvb.printsettings.JBAStoragePasswordTextEditReference";
    const std::string ppd = SamplePPD(kKV29);
    // A storage password of the user window: kept scrambled, found by the next dialog.
    EditionRun first = Dialog(kKV29, "AccountKind", "click 1002\ntype 3014 97531\nclick 3001\nprint\n", ppd);
    ASSERT_EQ(first.result.status, 0) << first.result.err;
    const std::string scrambled = first.Ticket("JBAStoragePasswordTextEditTicket");
    EXPECT_NE(scrambled, "");
    std::string content = cacheFile();
    EXPECT_NE(content.find(storageKey), std::string::npos) << content;
    EXPECT_EQ(content.find("97531"), std::string::npos) << content;
    EXPECT_EQ(Dialog(kKV29, "AccountKind", "print\n", ppd).Ticket("JBAStoragePasswordTextEditTicket"), scrambled);

    // The input window's details at print are kept scrambled too, and come back.
    EditionRun input = Dialog(kKV29, "AccountKind",
                              "click 1002\nclick 3017\nclick 3001\nprint\ntype 4015 carol\ntype 4018 acct9\nclick 4001\n", ppd);
    ASSERT_EQ(input.result.status, 0) << input.result.err;
    content = cacheFile();
    EXPECT_NE(content.find("JBAInputUserIDTextEditReference"), std::string::npos) << content;
    for (const char* plain : {"carol", "acct9"}) EXPECT_EQ(content.find(plain), std::string::npos) << plain << "\n" << content;
    EditionRun again = Dialog(kKV29, "AccountKind", "print\nclick 4001\n", ppd);
    EXPECT_EQ(again.Ticket("JBAInputUserIDTextEditTicket"), "carol") << again.result.err;
    EXPECT_EQ(again.Ticket("JBAInputAccountIDTextEditTicket"), "acct9");

    // Cleared, a value is forgotten: no entry, and no stale value comes back.
    EditionRun cleared = Dialog(kKV29, "AccountKind", "print\ntype 4018 \"\"\nclick 4001\n", ppd);
    ASSERT_EQ(cleared.result.status, 0) << cleared.result.err;
    EXPECT_EQ(cleared.Ticket("JBAInputAccountIDTextEditTicket"), "");
    EXPECT_EQ(cacheFile().find("JBAInputAccountIDTextEditReference"), std::string::npos) << cacheFile();
    EXPECT_NE(cacheFile().find("JBAInputUserIDTextEditReference"), std::string::npos) << cacheFile();
    EXPECT_EQ(Dialog(kKV29, "AccountKind", "print\nclick 4001\n", ppd).Ticket("JBAInputAccountIDTextEditTicket"), "");
}

// The cache only remembers: a folder that cannot be made, or something else
// than the user's own file under the user's name, is logged and the job
// prints what the user chose, through the filter to the device.
TEST_F(EditionDialog, Kv29PrintsWhatWasChosenWhenItsCacheCannotKeepIt) {
    const std::string secure = "select 101 1\ntype 1022 carol\ntype 1026 2468\nclick 1123\nprint\n";
    const std::string own = std::string(kKV29.printer) + "-" + zqpde::ValueCacheLoginName();
    const std::string elsewhere = dir_.path() + "/elsewhere";
    struct Case {
        const char* root;
        std::function<void(const std::string& caches)> plant;
        const char* said;
    } cases[] = {
        {"no-folder", [](const std::string& caches) { std::ofstream(caches) << "in the way"; },
         "Tavelle: nothing kept (the folder is missing and cannot be made)"},
        {"a-link", [&](const std::string& caches) {
             fs::create_directories(caches + "/Tavelle");
             std::ofstream(elsewhere) << "keep";
             fs::create_symlink(elsewhere, caches + "/Tavelle/" + own);
         }, "nothing kept (a link)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.root);
        root_ = c.root;
        fs::create_directories(dir_.path() + "/" + root_ + "/Library");
        c.plant(dir_.path() + "/" + root_ + "/Library/Caches");
        EditionRun run = Dialog(kKV29, "PrintTypeKind", secure, SamplePPD(kKV29), "", "--cups-options");
        ASSERT_EQ(run.result.status, 0) << run.result.err;
        EXPECT_TRUE(run.Says("zq: value cache: ")) << run.result.err;
        EXPECT_TRUE(run.Says(c.said)) << run.result.err;
        EXPECT_NE(run.result.out.find("com.tavelle.kvb.printsettings.PrintTypeUserNameTicketKey=carol"), std::string::npos)
            << run.result.out;
        const std::string stream = DeviceStream(kKV29, run);
        EXPECT_NE(stream.find("@PJL SET HOLDTYPE=PRIVATE"), std::string::npos) << stream;
        EXPECT_NE(stream.find("@PJL SET USERNAME=\"carol\""), std::string::npos) << stream;
        // A second dialog finds nothing remembered and nothing planted read.
        EditionRun again = Dialog(kKV29, "PrintTypeKind", "dump 101\nprint\n", SamplePPD(kKV29));
        EXPECT_TRUE(again.Says("dump: PopUpButton tag=101 enabled selected=0")) << again.result.err;
    }
    EXPECT_EQ(zqtest::Slurp(elsewhere), "keep");
}

// The all-users file carries the accounting settings of every user's jobs:
// it is read only from root or an administrator, in the administrators'
// group, writable by no one else, and never through a link.
TEST_F(EditionDialog, Kv29TakesAllUsersSettingsOnlyFromATrustedFile) {
    const std::string group = zqp::AdministratorsGroup();
    if (group.empty() || geteuid() != 0) GTEST_SKIP() << "needs root and an administrators' group";
    const gid_t administrators = getgrnam(group.c_str())->gr_gid;
    const std::string key = std::string("<key>") + kKV29.printer + kKV29.ns;
    const std::string plist = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>\n" + key +
                              "JBAManageTypeListReference</key><string>1</string>\n" + key +
                              "JBAAdminUserIDListCtrlReference</key><string>2</string>\n" + key +
                              "JBAAdminUserIDTextEditReference</key><string>mallory</string>\n</dict></plist>\n";
    struct Case {
        const char* what;
        gid_t gid;
        mode_t mode;
        bool link;
        bool trusted;
    } cases[] = {
        {"root's, administrators' group", administrators, 0664, false, true},
        {"another group", 0, 0664, false, false},
        {"writable by all", administrators, 0666, false, false},
        {"a link to a trusted file", administrators, 0664, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        root_ = std::string("root-") + std::to_string(&c - cases);
        fs::create_directories(CacheFolder());
        const std::string file = CacheFolder() + "/" + kKV29.printer;
        const std::string real = c.link ? dir_.path() + "/" + root_ + "/trusted" : file;
        std::ofstream(real) << plist;
        ASSERT_EQ(chown(real.c_str(), 0, c.gid), 0);
        ASSERT_EQ(chmod(real.c_str(), c.mode), 0);
        if (c.link) fs::create_symlink(real, file);
        EditionRun run = Dialog(kKV29, "AccountKind", "dump 1001\nprint\n", SamplePPD(kKV29), "", "--cups-options");
        ASSERT_EQ(run.result.status, 0) << run.result.err;
        EXPECT_EQ(run.Says("dump: PopUpButton tag=1001 disabled selected=0"), c.trusted) << run.result.err;
        EXPECT_EQ(run.Says(": not read ("), !c.trusted) << run.result.err;
        EXPECT_NE(run.result.out.find(std::string(kKV29.ns) + "JBAManageTypeListTicketKey=" + (c.trusted ? "1" : "2")),
                  std::string::npos) << run.result.out;
        const std::string stream = DeviceStream(kKV29, run);
        EXPECT_NE(stream.find(c.trusted ? "@JOAU=mallory" : "@JOAU=alice"), std::string::npos) << stream;
    }
}

}  // namespace
}  // namespace zqacct
