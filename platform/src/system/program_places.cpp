#include "zqp/program_places.h"

#include <filesystem>
#include <system_error>

// The build this library was compiled in (links resolved at configure time)
// and, for the installed layout, the folders relative to the programs' bin/.
#ifndef ZQ_BUILD_DIR
#error "ZQ_BUILD_DIR is given by platform/CMakeLists.txt"
#endif

namespace zqp {

namespace {

namespace fs = std::filesystem;

std::string Normal(const fs::path& p) {
  std::string s = p.lexically_normal().string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

}  // namespace

ProgramPlaces ProgramPlacesFor(const std::string& program) {
  const fs::path bin = fs::path(program).parent_path();
  ProgramPlaces places;
  // Only the path is compared: looking for the build's folders would let a
  // build tree that exists win over the installed files.
  if (Normal(bin) == Normal(fs::path(ZQ_BUILD_DIR) / "bin")) {
    places.buildTree = true;
    places.bundles = Normal(fs::path(ZQ_BUILD_DIR) / "bundles");
    places.resources = Normal(fs::path(ZQ_BUILD_DIR) / "resources");
    places.fontConfig = ZQ_SOURCE_FONTCONFIG;
    return places;
  }
  const fs::path data = bin / ZQ_DATA_FROM_BIN;
  places.bundles = Normal(bin / ZQ_BUNDLES_FROM_BIN);
  places.resources = Normal(data);
  places.fontConfig = Normal(data / "fonts.conf");
  return places;
}

const ProgramPlaces& ThisProgramPlaces() {
  static const ProgramPlaces places = [] {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    // A program whose file was replaced meanwhile reads "<path> (deleted)";
    // its folder is still the one it ran from.
    if (!ec && exe.is_absolute()) return ProgramPlacesFor(exe.string());
    return ProgramPlacesFor(std::string(ZQ_INSTALLED_BIN_DIR) + "/program");
  }();
  return places;
}

}  // namespace zqp
