#pragma once
// A PostScript document of ours in the page-save style the page hooks
// expect: "bp" saves the page state into pgsave, "ep" restores it and
// shows the page; the prolog, setup and page-setup comments raise the
// pass-through's events.
#include <sstream>
#include <string>

#include "editions/teld/teld_profile.h"
#include "filter_harness.h"

namespace zqtest {

inline std::string PageSaveDocument(int pages, bool nupSetup = false) {
  std::ostringstream s;
  s << "%!PS-Adobe-3.0\n%%Pages: " << pages << "\n%%EndComments\n%%BeginProlog\n"
    << "/bp { /pgsave save def } bind def\n/ep { pgsave restore showpage } bind def\n%%EndProlog\n"
    << "%%BeginSetup\n";
  if (nupSetup) s << "userdict/setpagedevice{pop}bind put\n";
  s << "%%EndSetup\n";
  for (int p = 1; p <= pages; ++p) {
    s << "%%Page: " << p << " " << p << "\n%%BeginPageSetup\nbp\n%%EndPageSetup\n"
      << "/Helvetica 20 selectfont 72 720 moveto (Body of page " << p << ") show\nep\n";
  }
  s << "%%Trailer\n%%EOF\n";
  return s.str();
}

// Runs a TELD job over a document in-process.
inline JobResult RunDocument(const std::string& options, const std::string& postscript) {
  JobSpec spec;
  spec.options = options;
  spec.postscript = postscript;
  return RunInProcess(zqf::TeldProfile(), spec);
}

}  // namespace zqtest
