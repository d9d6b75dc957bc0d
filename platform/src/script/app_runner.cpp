#include "zqp/app_runner.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <vector>

#include "zqp/events.h"
#include "zqp/http.h"
#include "zqp/run_loop.h"
#include "zqp/script.h"
#include "zqp/window.h"

namespace zqp {

namespace {

bool ReadScript(const std::string& path, std::string& out) {
  std::ostringstream ss;
  if (path == "-") {
    ss << std::cin.rdbuf();
  } else {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    ss << in.rdbuf();
  }
  out = ss.str();
  return true;
}

}  // namespace

int RunApplication(const std::string& program, const std::string& mainNibPath, int argc, char** argv) {
  const std::string usage = "usage: " + program + " [--script FILE|-]\n";
  std::string scriptPath;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--script") {
      if (i + 1 >= argc) {
        std::cerr << program << ": --script needs a value\n" << usage;
        return 2;
      }
      scriptPath = argv[++i];
    } else if (a == "--help" || a == "-h") {
      std::cout << usage << "Script commands, one a line:\n" << ScriptCommandList(ScriptRunner::Commands());
      return 0;
    } else {
      std::cerr << program << ": unknown argument " << a << "\n" << usage;
      return 2;
    }
  }
  std::vector<std::string> lines;
  if (!scriptPath.empty()) {
    std::string text;
    if (!ReadScript(scriptPath, text)) {
      std::cerr << program << ": cannot read script " << scriptPath << "\n";
      return 2;
    }
    lines = ScriptLines(text);
  }

  EventLog::Shared().SetListener([](const Event& e) { std::cerr << e.Line() << "\n"; });
  Application& app = Application::Shared();
  RunLoop& loop = RunLoop::Main();
  int status = 0;
  {
    // The commands act in the application's windows.
    ScriptRunner runner(std::cerr);
    std::vector<std::unique_ptr<Object>> topLevel;
    std::string error;
    if (!app.finishLaunching(mainNibPath, topLevel, &error)) {
      std::cerr << program << ": " << error << "\n";
      status = 2;
    } else {
      runner.setBeforeLine([&] {
        loop.runOnce();
        if (app.isTerminated()) runner.stopScript("the application has terminated");
      });
      try {
        runner.Run(lines);
      } catch (const ScriptError&) {
      }
      // What the person started (a transfer) ends before the run does.
      if (!runner.failure()) app.run([] { return HttpTransfer::Pending() == 0; });
      if (const auto& f = runner.failure()) {
        std::cerr << program << ": script error: " << f->message << "\n";
        status = 2;
      }
    }
    app.setDelegate(nullptr);
    topLevel.clear();
    // Calls the application posted but never saw run (a script that ended
    // inside a modal window) would otherwise run on its destroyed objects
    // in the next run of this process.
    loop.discardPending();
  }
  EventLog::Shared().SetListener({});
  return status;
}

}  // namespace zqp
