// printdialog: the headless print dialog. Opens a PPD, loads the extension
// bundles, drives their panels by a script and prints the resulting ticket.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "dialog.h"
#include "zqp/events.h"
#include "zqp/host.h"
#include "zqp/ppd.h"
#include "zqp/program_places.h"
#include "zqp/system.h"

namespace {

constexpr const char* kUsage =
    "usage: printdialog --ppd FILE [--bundles DIR] [--printer ID] [--settings FILE]\n"
    "                   [--destination printer|file|preview|fax] [--script FILE|-]\n"
    "                   [--ticket | --cups-options] [--orientation O] [--clock \"YYYY-MM-DD HH:MM\"]\n"
    "                   [--snapshots DIR]\n"
    "Without --script the dialog only prints (as the script \"print\" would).\n"
    "--settings FILE holds the starting ticket: key=value lines, key=[a,b] for an\n"
    "array, blank lines and lines starting with # skipped.\n";

int Usage(const std::string& message) {
  std::cerr << "printdialog: " << message << "\n" << kUsage;
  return 2;
}

bool ReadAll(const std::string& path, std::string& out) {
  if (path == "-") {
    std::ostringstream ss;
    ss << std::cin.rdbuf();
    out = ss.str();
    return true;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream ss;
  ss << in.rdbuf();
  out = ss.str();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // The bundles of where this program is (its build tree, or the prefix it
  // was installed into), unless --bundles names others.
  std::string ppdPath, bundles = zqp::ThisProgramPlaces().bundles, printer, settingsPath, script;
  std::string destination = "printer", snapshots, orientation, clock;
  bool ticket = false, cupsOptions = false, haveScript = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    bool ok = true;
    if (a == "--ppd") ok = value(ppdPath);
    else if (a == "--bundles") ok = value(bundles);
    else if (a == "--printer") ok = value(printer);
    else if (a == "--settings") ok = value(settingsPath);
    else if (a == "--destination") ok = value(destination);
    else if (a == "--script") ok = haveScript = value(script);
    else if (a == "--snapshots") ok = value(snapshots);
    else if (a == "--orientation") ok = value(orientation);
    else if (a == "--clock") ok = value(clock);
    else if (a == "--ticket") ticket = true;
    else if (a == "--cups-options") cupsOptions = true;
    else if (a == "--help" || a == "-h") {
      std::cout << kUsage << "Script commands, one a line:\n" << printdialog::CommandList();
      return 0;
    } else {
      return Usage("unknown argument " + a);
    }
    if (!ok) return Usage(a + " needs a value");
  }
  if (ppdPath.empty()) return Usage("--ppd is required");
  if (ticket && cupsOptions) return Usage("--ticket and --cups-options exclude each other");
  zqp::DestinationType dest;
  if (!zqp::ParseDestinationType(destination, dest)) return Usage("unknown destination " + destination);

  zqp::Orientation orient = zqp::Orientation::kPortrait;
  if (!orientation.empty() && !printdialog::ParseOrientation(orientation, orient)) {
    return Usage("unknown orientation " + orientation);
  }
  std::time_t clockTime = 0;
  if (!clock.empty() && !printdialog::ParseClockOption(clock, clockTime)) {
    return Usage("--clock needs \"YYYY-MM-DD HH:MM\", not " + clock);
  }

  std::error_code ec;
  if (!std::filesystem::is_directory(bundles, ec)) return Usage("no bundle folder " + bundles);

  std::string error;
  auto ppd = zqp::PpdFile::Open(ppdPath, &error);
  if (!ppd) {
    std::cerr << "printdialog: " << error << "\n";
    return 2;
  }
  zqp::Host host(ppd->get());
  // The printer's ID: given, or the PPD's file name without its extension.
  if (printer.empty()) {
    printer = ppdPath.substr(ppdPath.find_last_of('/') + 1);
    printer = printer.substr(0, printer.find_last_of('.'));
  }
  host.session().SetCurrentPrinterID(printer);
  host.session().SetDestinationType(dest);
  host.session().pageFormat().SetOrientation(orient);
  if (!clock.empty()) zqp::SetClockForTesting([clockTime] { return clockTime; });
  if (!settingsPath.empty()) {
    std::string text;
    if (!ReadAll(settingsPath, text)) {
      std::cerr << "printdialog: cannot read settings " << settingsPath << "\n";
      return 2;
    }
    if (!host.settings().ParseLines(text, &error)) {
      std::cerr << "printdialog: settings " << settingsPath << ": " << error << "\n";
      return 2;
    }
  }
  std::vector<std::string> lines{"print"};
  if (haveScript) {
    std::string text;
    if (!ReadAll(script, text)) {
      std::cerr << "printdialog: cannot read script " << script << "\n";
      return 2;
    }
    lines = zqp::ScriptLines(text);
  }

  zqp::EventLog::Shared().SetListener([](const zqp::Event& e) { std::cerr << e.Line() << "\n"; });
  int status = 0;
  {
    printdialog::Dialog dialog(host, std::cerr);
    dialog.LoadBundles(bundles, std::cerr);
    try {
      dialog.Run(lines);
      // One picture per panel, as the script left it.
      if (!snapshots.empty()) dialog.WriteSnapshots(snapshots);
      if (dialog.printAsked() && !dialog.printAllowed()) status = 1;
    } catch (const zqp::ScriptError& e) {
      std::cerr << "printdialog: script error: " << e.message << "\n";
      status = 2;
    }
  }
  zqp::EventLog::Shared().SetListener({});
  zqp::SetClockForTesting({});
  if (status != 2) {
    if (ticket) std::cout << host.settings().ToLines();
    if (cupsOptions) std::cout << host.settings().ToCupsOptions() << "\n";
  }
  return status;
}
