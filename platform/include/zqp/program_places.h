#pragma once
// Where a program of the suite takes its extension bundles and resources
// from, decided by where the program itself is, never by which folders
// exist:
// - a program in the bin/ folder of the build it was built in takes that
//   build's bundles/ and resources/ and the source tree's fonts
//   configuration;
// - any other program is installed, <prefix>/bin/<program>, and takes what
//   was installed beside it: <prefix>/lib/zq/bundles, <prefix>/share/zq/
//   and <prefix>/share/zq/fonts.conf (relative to the program, so an
//   install under DESTDIR or a moved prefix finds its own).
// So an installed program never loads code or resources of a build or
// source tree, which may be another version or writable by another user.
// What the user names (printdialog's --bundles, $ZQ_FONTCONFIG_FILE) wins
// over both; the callers apply that.
#include <string>

#include "zqp/export.h"

namespace zqp {

struct ProgramPlaces {
  bool buildTree = false;  // the program runs from its build tree
  std::string bundles;     // folder of <Name>.plugin bundles
  std::string resources;   // program resources, one folder per program: <resources>/<program>/
  std::string fontConfig;  // the fontconfig file text is drawn and measured with
};

// The places of the program at this absolute path (links resolved, as
// /proc/self/exe gives it). Reads nothing from the disk.
ZQP_API ProgramPlaces ProgramPlacesFor(const std::string& program);
// The places of the running program (/proc/self/exe); without that link,
// those of the prefix the build was configured to install into.
ZQP_API const ProgramPlaces& ThisProgramPlaces();

}  // namespace zqp
