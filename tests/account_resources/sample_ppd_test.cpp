// Our sample PPDs of the ARK and kv29 editions: libcups and cupstestppd take
// them, and they carry the attributes and option forms that the Account
// extension and the job filters branch on, with values that lead the ARK
// Account bundle to its own nibs and help pages.
#include <cups/ppd.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "zqp/bundle.h"
#include "zqp/ppd.h"

namespace {

const std::string kPpdDir = std::string(ZQ_SOURCE_DIR) + "/ppd/";
const std::string kBundleDir = std::string(ZQ_RESOURCES_DIR) + "/ark-account-pde";

std::string Attr(ppd_file_t* ppd, const char* name) {
  ppd_attr_t* a = ppdFindAttr(ppd, name, nullptr);
  return a && a->value ? a->value : "(missing)";
}

struct OptionForm {
  ppd_ui_t ui = PPD_UI_BOOLEAN;
  std::string defaultChoice;
  int choices = 0;
};

OptionForm Form(ppd_file_t* ppd, const char* keyword) {
  ppd_option_t* o = ppdFindOption(ppd, keyword);
  if (o == nullptr) return {PPD_UI_BOOLEAN, "(missing)", 0};
  return {o->ui, o->defchoice, o->num_choices};
}

// The edition's filter and text encoding, which every job of the printer goes by.
void ExpectEdition(ppd_file_t* ppd, const std::string& filter, const std::string& encoding) {
  ASSERT_EQ(ppd->num_filters, 1);
  EXPECT_EQ(std::string(ppd->filters[0]), "application/vnd.cups-postscript 0 " + filter);
  EXPECT_EQ(Attr(ppd, "ZQPrinterLanguageEncoding"), encoding);
}

class SamplePpd : public ::testing::Test {
 protected:
  ppd_file_t* open(const std::string& name) {
    std::string err;
    file_ = zqp::PpdFile::Open(kPpdDir + name, &err);
    EXPECT_NE(file_, nullptr) << err;
    return file_ ? file_->get() : nullptr;
  }
  std::unique_ptr<zqp::PpdFile> file_;
};

TEST_F(SamplePpd, ArkEditionOffersPrintTypeAndAccounting) {
  ppd_file_t* ppd = open("zq-ark-sample.ppd");
  ASSERT_NE(ppd, nullptr);
  ExpectEdition(ppd, "ark-job-filter", "UTF-8");
  EXPECT_EQ(Attr(ppd, "PCFileName"), "ZQA4500.PPD");
  EXPECT_EQ(Attr(ppd, "ZQPTSecurePrintDefault"), "False");  // the storage decides the print types
  EXPECT_EQ(Attr(ppd, "ZQXMailBoxSettings").substr(0, 3), "100");

  // Pick-one storage: its marked keyword is looked up directly.
  OptionForm disk = Form(ppd, "ZQHardDisk");
  EXPECT_EQ(disk.ui, PPD_UI_PICKONE);
  EXPECT_EQ(disk.defaultChoice, "HardDisk");
  for (const char* choice : {"None", "HardDisk", "RAMDisk"}) {
    EXPECT_NE(ppdFindChoice(ppdFindOption(ppd, "ZQHardDisk"), choice), nullptr) << choice;
  }
  EXPECT_EQ(zqp::MarkedChoice(ppd, "ZQHardDisk"), "HardDisk");
  EXPECT_EQ(Form(ppd, "ZQRAMDisk").ui, PPD_UI_BOOLEAN);
  EXPECT_EQ(Form(ppd, "ZQMinDigitPasscode").defaultChoice, "4Digits");  // a minimum of 4 digits
  EXPECT_EQ(Form(ppd, "PageSize").choices, 5);  // A4, Letter, Legal, A5 and the custom size
  EXPECT_EQ(Form(ppd, "Duplex").defaultChoice, "None");
}

TEST_F(SamplePpd, Kv29EditionUsesBooleanStorageAndShiftJis) {
  ppd_file_t* ppd = open("zq-kv29-sample.ppd");
  ASSERT_NE(ppd, nullptr);
  ExpectEdition(ppd, "kv29-job-filter", "JIS83-RKSJ");
  EXPECT_EQ(Attr(ppd, "ZQXAccountingSettings"), "Default00-KV29");
  EXPECT_EQ(Attr(ppd, "ZQXPrintTypeSettings"), "Default00-KV29");
  // Boolean disk marked "False": the RAM disk's choice decides.
  EXPECT_EQ(Form(ppd, "ZQHardDisk").ui, PPD_UI_BOOLEAN);
  EXPECT_EQ(zqp::MarkedChoice(ppd, "ZQHardDisk"), "False");
  EXPECT_EQ(zqp::MarkedChoice(ppd, "ZQRAMDisk"), "True");
  EXPECT_EQ(Form(ppd, "Duplex").choices, 3);
}

// What the ARK Account bundle's factory looks for: the product key before the
// "-" names the nib, the help key after it the help page; both must be there.
TEST_F(SamplePpd, ArkValuesLeadTheAccountBundleToItsNibsAndHelpPages) {
  ppd_file_t* ppd = open("zq-ark-sample.ppd");
  ASSERT_NE(ppd, nullptr);
  std::string err;
  zqp::Bundle* bundle = zqp::Bundle::Open(kBundleDir, &err);
  ASSERT_NE(bundle, nullptr) << err;
  for (const auto& [attr, nibPrefix, helpPrefix] :
       {std::tuple{"ZQXAccountingSettings", "ZQPrintJBA_", "JBA_"},
        std::tuple{"ZQXPrintTypeSettings", "ZQPrintType_", "SelectJobType_"}}) {
    const std::string value = Attr(ppd, attr);
    const auto dash = value.find('-');
    ASSERT_NE(dash, std::string::npos) << attr;
    EXPECT_TRUE(bundle->pathForResource(nibPrefix + value.substr(0, dash), "nib")) << value;
    EXPECT_TRUE(bundle->pathForResource(helpPrefix + value.substr(dash + 1), "htm", "Help")) << value;
  }
  // The table the panels read their texts from.
  EXPECT_TRUE(bundle->pathForResource("Localizable" + Attr(ppd, "ZQLocalizableFileIndex"), "strings"));

  // The kv29 printer's help key is not the ARK bundle's: it offers no panel there.
  ppd_file_t* kv29 = open("zq-kv29-sample.ppd");
  ASSERT_NE(kv29, nullptr);
  EXPECT_FALSE(bundle->pathForResource("JBA_KV29", "htm", "Help"));
  EXPECT_FALSE(bundle->pathForResource("SelectJobType_KV29", "htm", "Help"));
}

// cupstestppd also insists that the named filter is installed; a stub in a
// private root stands in for the filters not built here.
TEST_F(SamplePpd, CupsTestPpdPassesBoth) {
  const char* tool = "/usr/bin/cupstestppd";
  if (access(tool, X_OK) != 0) GTEST_SKIP() << "cupstestppd is not installed";
  const auto root = std::filesystem::temp_directory_path() / ("zq-ppdroot-" + std::to_string(getpid()));
  const auto filters = root / "usr/lib/cups/filter";
  std::filesystem::create_directories(filters);
  for (const char* f : {"ark-job-filter", "kv29-job-filter"}) {
    std::ofstream(filters / f) << "#!/bin/sh\nexit 0\n";
    std::filesystem::permissions(filters / f, std::filesystem::perms::owner_all |
                                                   std::filesystem::perms::group_read |
                                                   std::filesystem::perms::group_exec |
                                                   std::filesystem::perms::others_read |
                                                   std::filesystem::perms::others_exec);
  }
  for (const char* name : {"zq-ark-sample.ppd", "zq-kv29-sample.ppd"}) {
    const std::string cmd = std::string(tool) + " -q -W none -R '" + root.string() + "' '" + kPpdDir + name + "'";
    const int status = std::system(cmd.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name << " fails cupstestppd";
  }
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
}

}  // namespace
