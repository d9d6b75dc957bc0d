#pragma once
// The headless print dialog: the loaded panels, the protocol calls in the
// order the framework expects, and the dialog's own script commands (the
// panels, the ticket, the PPD marks, the page format, the clock). The
// script, its view commands and the modal runs are the platform's runner.
#include <ctime>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "zqp/extension.h"
#include "zqp/host.h"
#include "zqp/script.h"

namespace printdialog {

struct LoadedPanel {
  std::unique_ptr<zqp::Panel> panel;
  std::string name;
  std::string kind;
  // The option keys the panel named when the dialog asked, once, after the
  // panels were made; the dialog tells the panel of other panels' marks of
  // these.
  std::vector<std::string> keys;
  bool restored = false;
};

class Dialog : public zqp::ScriptRunner {
 public:
  // out receives the outputs of `summary` and `dump` (the transcript goes
  // through the event log).
  Dialog(zqp::Host& host, std::ostream& out);
  ~Dialog() override;

  // Loads every bundle of the folder and asks it for panels. Bundles that
  // cannot be loaded are reported on err and skipped.
  void LoadBundles(const std::string& dir, std::ostream& err);
  // Adds a panel made elsewhere (the tests' own panels).
  void AddPanel(std::unique_ptr<zqp::Panel> panel);
  const std::vector<LoadedPanel>& panels() const { return panels_; }

  // Whether a `print` ran, and whether it was allowed.
  bool printAsked() const { return printAsked_; }
  bool printAllowed() const { return printAllowed_; }

  // Writes one PNG per panel, named by its kind, into dir.
  void WriteSnapshots(const std::string& dir);

 protected:
  // The runner's commands with the dialog's among them (dialog_commands.cpp).
  const zqp::ScriptCommands& commands() const override;
  bool RunCommand(const std::vector<std::string>& w, const std::string& line) override;
  // The keys are asked and the page format follows the PPD before the
  // first line.
  void willRunScript() override;
  // With a panel focused, commands act in it rather than in a main window.
  zqp::Window* windowOutsideModalRuns() const override;
  zqp::View* rootOutsideWindows(std::string& where, std::string& title) override;

 private:
  LoadedPanel& Focused();
  // Throws unless the focused panel is the one shown.
  void ExpectShown();
  // Builds and restores the panel the first time; `again` restores it anew.
  void Restore(LoadedPanel& p, bool again = false);
  void AskKeys();
  void Save();
  // Saves one panel; a failure is said in the transcript.
  bool SavePanel(LoadedPanel& p);
  // Hides the shown panel and saves it (a person going to another panel).
  bool LeaveShown();
  void Print();
  void Summary();
  // The ticket, PPD, page format and clock commands (dialog_commands.cpp).
  bool RunStateCommand(const std::vector<std::string>& w, const std::string& line);
  void FollowPageSize();
  // A PPD option was marked: the page format and the panels showing it follow.
  void MarkChanged(const std::string& option, const std::string& choice);

  zqp::Host& host_;
  std::vector<std::unique_ptr<zqp::PlugIn>> plugins_;
  std::vector<LoadedPanel> panels_;
  int focused_ = -1;
  int shown_ = -1;
  bool keysAsked_ = false;
  bool clockSet_ = false;
  bool printAsked_ = false;
  bool printAllowed_ = false;
};

// The script commands of the dialog with their usage, one a line
// (`commands`, --help).
std::string CommandList();

// "YYYY-MM-DD HH:MM" as local time; false for anything else.
bool ParseClockOption(const std::string& text, std::time_t& out);
// "portrait", "landscape", "reverse-portrait" or "reverse-landscape".
bool ParseOrientation(const std::string& text, zqp::Orientation& out);

}  // namespace printdialog
