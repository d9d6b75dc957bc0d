// Pictures of what the person would see: snapshot and pixel.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <ostream>

#include "zqp/script.h"
#include "zqp/snapshot.h"

namespace zqp {

namespace {

bool ParseCoordinate(const std::string& s, double& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  errno = 0;
  out = std::strtod(s.c_str(), &end);
  return end && *end == '\0' && errno == 0 && std::isfinite(out);
}

}  // namespace

void ScriptRunner::WritePicture(const GraphicsContext& ctx, const std::string& path) {
  std::string error;
  if (!ctx.writePNG(path, &error)) throw ScriptError{error};
}

bool ScriptRunner::RunPictureCommand(const std::vector<std::string>& w) {
  const std::string& cmd = w[0];
  if (cmd == "snapshot") {
    if (w.size() != 3) throw ScriptError{"usage: snapshot TAG|window FILE.png"};
    if (w[1] == "window") {
      if (Window* win = FrontWindow()) {
        WritePicture(*SnapshotWindow(*win), w[2]);
      } else {
        std::string where, title;
        View* v = rootOutsideWindows(where, title);
        if (v == nullptr) throw ScriptError{where + " has no view"};
        WritePicture(*SnapshotPanel(*v, title), w[2]);
      }
    } else {
      WritePicture(*SnapshotView(*ViewForTag(w[1])), w[2]);
    }
    return true;
  }
  if (cmd == "pixel") {
    if (w.size() != 4) throw ScriptError{"usage: pixel TAG X Y"};
    View* v = ViewForTag(w[1]);
    double x, y;
    if (!ParseCoordinate(w[2], x) || !ParseCoordinate(w[3], y)) throw ScriptError{"not a point: " + w[2] + " " + w[3]};
    const Pixel px = PixelOfView(*v, x, y);
    out() << "pixel: " << w[1] << " " << w[2] << " " << w[3] << " = " << int(px.r) << " " << int(px.g) << " "
          << int(px.b) << " " << int(px.a) << "\n";
    return true;
  }
  return false;
}

}  // namespace zqp
