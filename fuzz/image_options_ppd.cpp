// A PPD built from the input, given to the image-options panel as the print
// dialog would: restore (the controls read every option, the product-type
// checker, the mailbox choice of "ZQXMailBoxSettings", the brightness range
// from the choice count), show, summary and the print gate, once as a
// mailbox job and once not.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "image_options_panel.h"
#include "zqp/bundle.h"
#include "zqp/host.h"
#include "zqp/ppd.h"
#include "zqpde/app_resources.h"

namespace {

void RunPanel(ppd_file_t* ppd, const char* printType) {
  zqp::Host host(ppd);
  host.settings().SetValue("com.tavelle.qdm.printsettings.PrintTypeTicketKey", printType, false);
  zqimg::ImageOptionsPDEr15 panel(&host);
  panel.supportedPPDOptionKeys();
  panel.restoreValuesAndReturnError(nullptr);
  panel.willShow();
  panel.summaryInfo();
  panel.shouldPrint();
  panel.saveValuesAndReturnError(nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The build tree's resources; without them every input would pass untried.
  static const bool opened = [] {
    std::string error;
    zqpde::pluginBundle = zqp::Bundle::Open(zqfuzz::ResourcesPath("ark-image-options-pde"), &error);
    if (zqpde::pluginBundle == nullptr) {
      std::fprintf(stderr, "image_options_ppd: %s\n", error.c_str());
      std::abort();
    }
    return true;
  }();
  (void)opened;
  const std::string path = zqfuzz::ScratchDir() + "/input.ppd";
  zqfuzz::WriteFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
  std::string error;
  std::unique_ptr<zqp::PpdFile> ppd = zqp::PpdFile::Open(path, &error);
  if (!ppd) return 0;
  RunPanel(ppd->get(), "5");
  RunPanel(ppd->get(), "1");
  return 0;
}
