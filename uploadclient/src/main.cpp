// tollbox-upload-client: sends the newest spooled job to a pay-for-print
// server. The window comes from the main nib; the script (--script) plays
// the person at it.
#include <memory>
#include <string>

#include "tl_app_delegate.h"
#include "zqp/app_runner.h"
#include "zqp/nib_objects.h"
#include "zqp/program_places.h"

int main(int argc, char** argv) {
  zqp::RegisterNibClass("", "TLAppDelegate", [] { return std::make_unique<tollbox::TLAppDelegate>(); });
  // The window of where this program is: the build tree's resources, or
  // those installed beside it.
  const std::string mainNib = zqp::ThisProgramPlaces().resources + "/tollbox-upload-client/MainMenu.nib";
  return zqp::RunApplication("tollbox-upload-client", mainNib, argc, argv);
}
