#pragma once
// Runs the built printdialog with the watermark bundles on our sample PPDs
// (with "ZQXWatermarkSettings" added), keeping one preferences folder for
// the whole test so that a second run finds what the first one stored.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "../framework/ppd_fixture.h"
#include "print_dialog_run.h"

namespace zqwm::test {

struct Edition {
  std::string name;       // "teld" or "ark"
  std::string ns;         // ticket namespace
  std::string kind;       // panel kind
  std::string helpPart;   // help part of the mode attribute
};

inline const Edition kTeld = {"teld", "com.tavelle.kvb.printsettings.", "com.tavelle.teld15.pde.WaterMarkKind", "TELD"};
inline const Edition kArk = {"ark", "com.tavelle.qdm.printsettings.", "com.tavelle.r15.pde.WaterMarkKind", "ARK"};

// The edition's sample PPD; mode "" leaves the watermark attribute out.
inline std::string WatermarkPPD(const Edition& e, const std::string& mode) {
  std::string text = zqtest::Slurp(ZQ_SOURCE_DIR "/ppd/zq-" + e.name + "-sample.ppd");
  // The sample's own attribute, if it has one, gives way to the test's.
  for (size_t at; (at = text.find("*ZQXWatermarkSettings:")) != std::string::npos;)
    text.erase(at, text.find('\n', at) - at + 1);
  if (!mode.empty()) {
    const std::string anchor = "*Manufacturer: \"ZQ\"\n";
    text.insert(text.find(anchor) + anchor.size(), "*ZQXWatermarkSettings: \"" + mode + "-" + e.helpPart + "\"\n");
  }
  return text;
}

struct DialogRun {
  zqtest::DialogResult result;
  std::vector<std::pair<std::string, std::string>> entries;  // the ticket in write order
  std::string ns;
  std::string Ticket(const std::string& name) const {
    for (const auto& [k, v] : entries)
      if (k == ns + name) return v;
    return "<none>";
  }
  bool Says(const std::string& text) const { return result.err.find(text) != std::string::npos; }
  // The dump line of a view ("dump: ...").
  std::string Dump(const std::string& tag) const {
    std::istringstream lines(result.err);
    for (std::string line; std::getline(lines, line);)
      if (line.find("dump: ") == 0 && line.find(" tag=" + tag + " ") != std::string::npos) return line;
    return {};
  }
};

class WatermarkDialog : public ::testing::Test {
 protected:
  // Runs the script (after "panel Watermark" and "show") in the edition's PPD.
  DialogRun Dialog(const Edition& e, const std::string& script, const std::string& mode = "Default01",
                   const std::string& settings = "", const std::string& extraArgs = "") {
    const std::string ppd = dir_.Write("zq-" + e.name + ".ppd", WatermarkPPD(e, mode));
    std::string args = "--ppd '" + ppd + "' --bundles '" ZQ_BUNDLES_DIR "' --script '" +
                       dir_.Write("script.txt", "panel Watermark\nshow\n" + script) + "' --ticket " + extraArgs;
    if (!settings.empty()) args += " --settings '" + dir_.Write("settings.txt", settings) + "'";
    DialogRun r;
    r.ns = e.ns;
    r.result = zqtest::RunPrintDialog("env ZQ_PREFS_DIR='" + dir_.path() + "/prefs' " ZQ_PRINTDIALOG, args, dir_.path());
    std::istringstream lines(r.result.out);
    for (std::string line; std::getline(lines, line);)
      if (size_t eq = line.find('='); eq != std::string::npos)
        r.entries.emplace_back(line.substr(0, eq), line.substr(eq + 1));
    return r;
  }
  // A script that makes a text watermark through New and OK.
  static std::string NewText(const std::string& name, const std::string& text, const std::string& more = "") {
    return "click 1006\ntype 2000 \"" + name + "\"\ntype 1002 \"" + text + "\"\n" + more + "click 1030\n";
  }
  std::string Picture(int width, int height) const;

  zqpde::test::TempDir dir_;
};

}  // namespace zqwm::test
