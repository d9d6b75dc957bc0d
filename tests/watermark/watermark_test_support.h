#pragma once
// A preferences folder of the test's own and the watermarks the tests use.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "watermark_store.h"
#include "zqp/preferences.h"

namespace zqtest {

class PrefsFolder {
 public:
  PrefsFolder() {
    char pattern[] = "/tmp/zq-wm-prefs-XXXXXX";
    path_ = mkdtemp(pattern);
    setenv(zqp::kPrefsDirEnv, path_.c_str(), 1);
    zqp::Preferences::ResetForTesting();
  }
  ~PrefsFolder() {
    zqp::Preferences::ResetForTesting();
    unsetenv(zqp::kPrefsDirEnv);
    std::filesystem::remove_all(path_);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

inline zqwm::WatermarkRecord TextWatermark(const std::string& name, const std::string& text) {
  zqwm::WatermarkRecord r;
  r.name = name;
  r.text = text;
  r.type = zqwm::kWMTypeText;
  r.red = 1;
  r.green = 0.5;
  r.blue = 0;
  r.alpha = 1;
  r.fontName = "Helvetica";
  r.size = 48;
  r.angle = 45;
  r.density = 50;
  r.scale = 100;
  r.sizeRadio = zqwm::kWMMillimetres;
  r.hOffset = 5;
  r.vOffset = -5;
  r.hMMOffset = 10;
  r.vMMOffset = -20;
  return r;
}

inline zqwm::WatermarkRecord PictureWatermark(const std::string& name, const std::string& path) {
  zqwm::WatermarkRecord r;
  r.name = name;
  r.text = std::filesystem::path(path).filename();
  r.imagePath = path;
  r.type = zqwm::kWMTypePicture;
  r.alpha = 1;
  r.size = 0;
  r.density = 100;
  r.scale = 150;
  return r;
}

}  // namespace zqtest
