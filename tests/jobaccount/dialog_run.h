#pragma once
// Runs the built print dialog with the job-accounting bundle on a PPD and a
// script, and reads back the transcript, the ticket and the views it dumps.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "ppd_fixture.h"

namespace pellora::test {

inline constexpr const char* kPanelLine = "panel com.tavelle.o.pellora.pde.JobAccount\nshow\n";
inline constexpr const char* kTicketNs = "com.tavelle.m.pellora.printsettings.";
// Darwin release numbers: 10.x is macOS 10.6, 11.x is 10.7.
inline constexpr const char* kBeforeLion = "10.8.0";

// A PPD of the second family with the printer's encoding and more lines.
inline std::string FamilyPPD(const std::string& encoding, const std::string& extra = "") {
  return zqpde::test::PPDText("*ZQPrinterLanguageEncoding: \"" + encoding + "\"\n" + extra);
}

struct DialogRun {
  int status = -1;
  std::string out, err;
  std::map<std::string, std::string> ticket;

  std::string Ticket(const std::string& name) const {
    auto it = ticket.find(kTicketNs + name);
    return it == ticket.end() ? "<none>" : it->second;
  }
  bool Says(const std::string& text) const { return err.find(text) != std::string::npos; }
  size_t Count(const std::string& text) const {
    size_t n = 0;
    for (size_t at = err.find(text); at != std::string::npos; at = err.find(text, at + 1)) ++n;
    return n;
  }
  // The n-th (0-based) dump-tree line of the view with that identifier.
  std::string Tree(const std::string& identifier, size_t n = 0) const {
    const std::string head = " #" + identifier + " ";
    std::istringstream lines(err);
    for (std::string line; std::getline(lines, line);)
      if (line.rfind("tree:", 0) == 0 && line.find(head) != std::string::npos && n-- == 0) return line;
    return "<none>";
  }
  bool Hidden(const std::string& id, size_t n = 0) const { return Tree(id, n).find(" hidden") != std::string::npos; }
  bool Disabled(const std::string& id, size_t n = 0) const { return Tree(id, n).find(" disabled") != std::string::npos; }
};

class DialogScript : public ::testing::Test {
 protected:
  // Runs the script (after the panel line) on the PPD, saved as PRINTER.ppd
  // so the printer ID is PRINTER. The preferences live in this test's folder.
  DialogRun Run(const std::string& script, const std::string& ppd, const std::string& settings = "",
                const std::string& env = "", const std::string& printer = "zq-pellora") {
    const std::string ppdPath = dir_.Write(printer + ".ppd", ppd);
    const std::string scriptPath = dir_.Write("script.txt", std::string(kPanelLine) + script);
    std::string command = "env TZ=UTC ZQ_PREFS_DIR='" + prefs() + "' " + env + " " + runAs_ + " " ZQ_PRINTDIALOG +
                          " --ppd '" + ppdPath + "' --bundles '" ZQ_BUNDLES_DIR "' --script '" + scriptPath +
                          "' --ticket";
    if (!settings.empty()) command += " --settings '" + dir_.Write("settings.txt", settings) + "'";
    command += " 2>'" + dir_.path() + "/err.txt'";
    DialogRun r;
    if (FILE* p = popen(command.c_str(), "r")) {
      char buf[4096];
      for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
      const int st = pclose(p);
      r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    std::ifstream err(dir_.path() + "/err.txt");
    std::stringstream all;
    all << err.rdbuf();
    r.err = all.str();
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
      if (size_t eq = line.find('='); eq != std::string::npos) r.ticket[line.substr(0, eq)] = line.substr(eq + 1);
    return r;
  }
  // The ticket of a run as a settings file for the next one.
  static std::string AsSettings(const DialogRun& r) {
    std::string s;
    for (const auto& [key, value] : r.ticket) s += key + "=" + value + "\n";
    return s;
  }
  std::string prefs() const { return dir_.path() + "/prefs"; }

  zqpde::test::TempDir dir_;
  std::string runAs_;  // a command that runs the dialog as another user
};

}  // namespace pellora::test
