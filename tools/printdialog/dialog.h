#pragma once
// The headless print dialog: the loaded panels, the protocol calls in the
// order the framework expects, and the script that plays the user.
#include <deque>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zqp/extension.h"
#include "zqp/host.h"
#include "zqp/window.h"

namespace printdialog {

// A script line that cannot run: the program stops with status 2.
struct ScriptError {
  std::string message;
};

struct LoadedPanel {
  std::unique_ptr<zqp::Panel> panel;
  std::string name;
  std::string kind;
  bool restored = false;
};

class Dialog : public zqp::ModalDriver {
 public:
  // out receives the outputs of `summary` and `dump` (the transcript goes
  // through the event log).
  Dialog(zqp::Host& host, std::ostream& out);
  ~Dialog() override;

  // Loads every bundle of the folder and asks it for panels. Bundles that
  // cannot be loaded are reported on err and skipped.
  void LoadBundles(const std::string& dir, std::ostream& err);
  const std::vector<LoadedPanel>& panels() const { return panels_; }

  // Runs the script. Throws ScriptError for a bad line, an unknown panel or
  // tag, or a script that ends inside an open modal window.
  void Run(const std::vector<std::string>& lines);

  // Whether a `print` ran, and whether it was allowed.
  bool printAsked() const { return printAsked_; }
  bool printAllowed() const { return printAllowed_; }

  // Pictures of the panels and windows (graphics_commands.cpp): runs the
  // commands snapshot and pixel (false for another command), and writes one
  // PNG per panel, named by its kind, into dir.
  bool RunGraphicsCommand(const std::vector<std::string>& words);
  void WriteSnapshots(const std::string& dir);

  // ModalDriver: lines after the one that opened a window run inside it.
  void driveModal(zqp::Window& window) override;
  int answerAlert(const zqp::AlertInfo& alert) override;
  std::optional<std::string> chooseFile(const zqp::FileChooserInfo& info) override;

 private:
  void Execute(const std::string& line, int lineNo);
  void RunLines();
  LoadedPanel& Focused();
  void Restore(LoadedPanel& p);
  zqp::View* ViewForTag(const std::string& tagText);
  void Save();
  void Print();
  void Summary();

  zqp::Host& host_;
  std::ostream& out_;
  std::vector<std::unique_ptr<zqp::PlugIn>> plugins_;
  std::vector<LoadedPanel> panels_;
  int focused_ = -1;
  std::vector<std::string> lines_;
  size_t next_ = 0;
  std::deque<int> answers_;
  std::deque<std::string> answerTexts_;  // typed into an alert's accessory field
  std::deque<std::string> files_;
  bool printAsked_ = false;
  bool printAllowed_ = false;
  std::optional<ScriptError> failure_;
};

// Splits a script line into words; "double quoted" words may hold spaces
// (\" and \\ inside them). Throws ScriptError on an unterminated quote.
std::vector<std::string> SplitWords(const std::string& line);

}  // namespace printdialog
