#pragma once
// Runs the printdialog program for end-to-end tests of bundles: its exit
// status, the ticket it writes on standard output and the transcript on
// standard error.
#include <sys/wait.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace zqtest {

struct DialogResult {
  int status = -1;
  std::string out, err;
  // Whether the transcript holds this whole line.
  bool has(const std::string& line) const { return ("\n" + err).find("\n" + line + "\n") != std::string::npos; }
};

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// program and args as the shell reads them; the output files go into dir.
inline DialogResult RunPrintDialog(const std::string& program, const std::string& args, const std::string& dir) {
  const std::string out = dir + "/out.txt", err = dir + "/err.txt";
  const std::string cmd = program + " " + args + " >'" + out + "' 2>'" + err + "'";
  DialogResult r;
  const int raw = std::system(cmd.c_str());
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = Slurp(out);
  r.err = Slurp(err);
  return r;
}

// A test name made of a table row's description: letters and digits, the
// rest "_".
inline std::string TestNameOf(const std::string& what) {
  std::string name;
  for (char c : what) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

}  // namespace zqtest
