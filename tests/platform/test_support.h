#pragma once
// Fixtures shared by the platform tests: a temporary folder and a small PPD
// written from a template.
#include <cups/ppd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "zqp/bundle.h"

namespace zqtest {

// A scratch folder removed with everything in it; bundles opened from it
// are forgotten with it, so the next test starts without them.
class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "zqp-test-XXXXXX").string();
    path_ = mkdtemp(tmpl.data()) ? tmpl : std::string();
  }
  ~TempDir() {
    zqp::Bundle::ForgetForTesting(path_);
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }
  std::string file(const std::string& rel, const std::string& content) const {
    std::filesystem::path p = std::filesystem::path(path_) / rel;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << content;
    return p.string();
  }

 private:
  std::string path_;
};

// A PPD with a pick-one ZQColorMode (Color, Gray), a boolean ZQStaple and
// page sizes; `extra` is appended (more options or attributes).
inline std::string SamplePpd(const std::string& extra = {}) {
  return R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "ZQTEST.PPD"
*Manufacturer: "ZQ"
*Product: "(ZQ Test)"
*ModelName: "ZQ Test Printer"
*ShortNickName: "ZQ Test"
*NickName: "ZQ Test Printer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "30"
*TTRasterizer: Type42
*OpenUI *PageSize/Paper Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "12 12 583 830"
*ImageableArea Letter/US Letter: "12 12 600 780"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/US Letter: "612 792"
*OpenUI *ZQColorMode/Colour Mode: PickOne
*OrderDependency: 20 AnySetup *ZQColorMode
*DefaultZQColorMode: Color
*ZQColorMode Color/Colour: ""
*ZQColorMode Gray/Greyscale: ""
*CloseUI: *ZQColorMode
*OpenUI *ZQStaple/Staple: Boolean
*OrderDependency: 30 AnySetup *ZQStaple
*DefaultZQStaple: False
*ZQStaple True/On: ""
*ZQStaple False/Off: ""
*CloseUI: *ZQStaple
*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
)PPD" + extra;
}

}  // namespace zqtest
