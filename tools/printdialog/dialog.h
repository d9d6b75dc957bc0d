#pragma once
// The headless print dialog: the loaded panels, the protocol calls in the
// order the framework expects, and the script that plays the user.
#include <ctime>
#include <deque>
#include <functional>
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
  // The option keys the panel named when the dialog asked, once, after the
  // panels were made; the dialog tells the panel of other panels' marks of
  // these.
  std::vector<std::string> keys;
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
  // Adds a panel made elsewhere (the tests' own panels).
  void AddPanel(std::unique_ptr<zqp::Panel> panel);
  const std::vector<LoadedPanel>& panels() const { return panels_; }

  // Runs the script. Throws ScriptError for a bad line, an unknown panel or
  // tag, or a script that ends inside an open modal window.
  void Run(const std::vector<std::string>& lines);

  // Runs before every script line (an application's runner turns its run
  // loop there, so answers and timers arrive between the person's actions).
  void setBeforeLine(std::function<void()> fn) { beforeLine_ = std::move(fn); }
  // Stops the script before its next line; lines left that are more than
  // comments make the run fail with the message.
  void stopScript(const std::string& why);

  // The first failure of the script, also one met after Run returned (a
  // window opened when no lines were left).
  const std::optional<ScriptError>& failure() const { return failure_; }

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
  zqp::Window* FrontWindow() const;
  // Builds and restores the panel the first time; `again` restores it anew.
  void Restore(LoadedPanel& p, bool again = false);
  void AskKeys();
  zqp::View* ViewForTag(const std::string& tagText);
  // The front modal window's content, else the focused panel's view.
  zqp::View* Root(std::string& where);
  // `dump-tree`: every view under Root, one a line, indented by depth.
  void DumpViews();
  // Checks that a person could act on the view; otherwise says so and
  // returns false.
  bool Actionable(zqp::View* v, const std::string& tagText);
  void Save();
  void Print();
  void Summary();
  // The commands kept in dialog_commands.cpp; false for an unknown one.
  bool ExecuteMore(const std::vector<std::string>& w, const std::string& line);
  // Moves the keyboard focus to v and says so.
  void Focus(zqp::View* v);
  void FollowPageSize();
  // A PPD option was marked: the page format and the panels showing it follow.
  void MarkChanged(const std::string& option, const std::string& choice);

  zqp::Host& host_;
  std::ostream& out_;
  std::vector<std::unique_ptr<zqp::PlugIn>> plugins_;
  std::vector<LoadedPanel> panels_;
  int focused_ = -1;
  int shown_ = -1;
  bool keysAsked_ = false;
  bool clockSet_ = false;
  std::vector<std::string> lines_;
  size_t next_ = 0;
  std::deque<int> answers_;
  std::deque<std::string> answerTexts_;  // typed into an alert's accessory field
  std::deque<std::string> files_;
  bool printAsked_ = false;
  bool printAllowed_ = false;
  std::optional<ScriptError> failure_;
  std::function<void()> beforeLine_;
};

// Splits a script line into words; "double quoted" words may hold spaces
// (\" and \\ inside them). Throws ScriptError on an unterminated quote.
std::vector<std::string> SplitWords(const std::string& line);

// Splits a script into lines; CR, LF and CR LF all end a line.
std::vector<std::string> ScriptLines(const std::string& text);

// The script commands with their usage, one a line (`commands`, --help).
std::string CommandList();

// "YYYY-MM-DD HH:MM" as local time; false for anything else.
bool ParseClockOption(const std::string& text, std::time_t& out);
// "portrait", "landscape", "reverse-portrait" or "reverse-landscape".
bool ParseOrientation(const std::string& text, zqp::Orientation& out);

}  // namespace printdialog
