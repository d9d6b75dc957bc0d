#pragma once
// Scripts that play the person at an application's windows: a script's lines
// and words, the command table, and the runner that turns each line into what
// a person does (a click, a choice, typing, a key), answers the alerts and
// file choosers the lines after it meet, and draws what is shown. The
// transcript of what the actions caused goes through the event log; the
// commands' own output (`dump`, `pixel`, ...) to the runner's stream.
//
// A host with places of its own to act in (the print dialog's panels)
// derives from ScriptRunner: it adds its commands to the table, runs them in
// RunCommand and says where commands act when no window is open.
#include <cstddef>
#include <deque>
#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "zqp/export.h"
#include "zqp/window.h"

namespace zqp {

class GraphicsContext;
class View;

// A script line that cannot run: the program stops with status 2.
struct ZQP_API ScriptError {
  std::string message;
};

// Splits a script line into words; "double quoted" words may hold spaces
// (\" and \\ inside them). Throws ScriptError on an unterminated quote.
ZQP_API std::vector<std::string> SplitWords(const std::string& line);

// Splits a script into lines; CR, LF and CR LF all end a line.
ZQP_API std::vector<std::string> ScriptLines(const std::string& text);

// What follows the first n words of the line: one "quoted" word, or else
// the rest of the line as it stands.
ZQP_API std::string RestAfterWords(const std::string& line, size_t n);

struct ScriptCommand {
  const char* name;
  // The line `commands` shows, and the usage a wrong number of words gets.
  const char* usage;
  // Number of words after the command; -1 for any number, the command
  // checking its own (with its short usage).
  int words;
};
using ScriptCommands = std::vector<ScriptCommand>;

// The list `commands` and --help print: one usage a line, in table order.
ZQP_API std::string ScriptCommandList(const ScriptCommands& commands);
// Puts commands into a table before the one named (at the end when there is
// none), so that a host's commands stand beside those they belong with.
ZQP_API void InsertScriptCommands(ScriptCommands& table, const char* before, std::initializer_list<ScriptCommand> added);

class ZQP_API ScriptRunner : public ModalDriver {
 public:
  // out receives the output of the commands (the transcript goes through
  // the event log). The runner answers the application's modal runs,
  // alerts and file choosers while it lives.
  explicit ScriptRunner(std::ostream& out);
  ~ScriptRunner() override;
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

  // The commands of every scripted run, in the order `commands` lists them.
  static const ScriptCommands& Commands();

  // Runs the script. Throws ScriptError for a bad line, an unknown command
  // or view, or a script that ends inside an open modal window.
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

  // ModalDriver: lines after the one that opened a window run inside it.
  void driveModal(Window& window) override;
  int answerAlert(const AlertInfo& alert) override;
  std::optional<std::string> chooseFile(const FileChooserInfo& info) override;

 protected:
  // The table the script's commands are looked up in (Commands(), or a
  // host's with its own added).
  virtual const ScriptCommands& commands() const;
  // Runs a command of the table whose word count is right: w[0] is its
  // name, line the whole line. False for a command this runner does not
  // run (a host runs its own, then hands the rest on).
  virtual bool RunCommand(const std::vector<std::string>& w, const std::string& line);
  // Runs once the lines are taken, before the first.
  virtual void willRunScript() {}
  // The window the commands act in while no modal window is open: the
  // application's main window.
  virtual Window* windowOutsideModalRuns() const;
  // Where the commands act when there is no window at all: the view, where
  // names it in messages ("panel Options") and title heads its picture.
  // Throws ScriptError when there is no such place.
  virtual View* rootOutsideWindows(std::string& where, std::string& title);

  // The innermost modal window, else windowOutsideModalRuns().
  Window* FrontWindow() const;
  // The front window's content, else rootOutsideWindows; where names it.
  View* Root(std::string& where);
  // A view of Root named by its tag, by "#identifier" or by "@label".
  View* ViewForTag(const std::string& tagText);
  // Checks that a person could act on the view; otherwise says so and
  // returns false.
  bool Actionable(View* v, const std::string& tagText);
  // Throws the usage when the line has not n words, the command counted.
  static void ExpectWords(const std::vector<std::string>& w, size_t n, const char* usage);
  // "usage: " and the table's line of the command.
  ScriptError UsageError(const std::string& name) const;
  // Writes the picture as a PNG; a failure is a ScriptError.
  static void WritePicture(const GraphicsContext& ctx, const std::string& path);
  std::ostream& out() const { return out_; }

 private:
  void Execute(const std::string& line, int lineNo);
  void RunLines();
  // The view and picture commands (view_commands.cpp, picture_commands.cpp).
  bool RunPictureCommand(const std::vector<std::string>& w);
  void Select(const std::vector<std::string>& w, const std::string& line);
  void Type(const std::vector<std::string>& w, const std::string& line);
  void Key(const std::vector<std::string>& w);
  // `dump-tree`: every view under Root, one a line, indented by depth.
  void DumpViews();
  // Moves the keyboard focus to v and says so.
  void Focus(View* v);

  std::ostream& out_;
  std::vector<std::string> lines_;
  size_t next_ = 0;
  std::deque<int> answers_;
  std::deque<std::string> answerTexts_;  // typed into an alert's accessory field
  std::deque<std::string> files_;
  std::optional<ScriptError> failure_;
  std::function<void()> beforeLine_;
};

}  // namespace zqp
