// tollbox-upload-client: sends the newest spooled job to a pay-for-print
// server. The window comes from the main nib; the script (--script) plays
// the person at it.
#include <filesystem>
#include <memory>
#include <string>

#include "tl_app_delegate.h"
#include "zqp/app_runner.h"
#include "zqp/nib_objects.h"

#ifndef TOLLBOX_RESOURCES
#define TOLLBOX_RESOURCES "build/resources/tollbox-upload-client"
#endif

namespace {

// The resources of the build tree this program was built in, or, for an
// installed program, the installed ones beside it.
std::string MainNib() {
  std::error_code ec;
  const std::string built = std::string(TOLLBOX_RESOURCES) + "/MainMenu.nib";
  if (std::filesystem::is_regular_file(built, ec)) return built;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return (exe.parent_path() / TOLLBOX_INSTALLED_RESOURCES / "MainMenu.nib").lexically_normal().string();
  return built;
}

}  // namespace

int main(int argc, char** argv) {
  zqp::RegisterNibClass("", "TLAppDelegate", [] { return std::make_unique<tollbox::TLAppDelegate>(); });
  return zqp::RunApplication("tollbox-upload-client", MainNib(), argc, argv);
}
