// Pictures of what the person would see: snapshot, pixel and --snapshots.
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <ostream>

#include "dialog.h"
#include "zqp/snapshot.h"

namespace printdialog {

namespace {

bool ParseCoordinate(const std::string& s, double& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  errno = 0;
  out = std::strtod(s.c_str(), &end);
  return end && *end == '\0' && errno == 0 && std::isfinite(out);
}

void Write(const zqp::GraphicsContext& ctx, const std::string& path) {
  std::string error;
  if (!ctx.writePNG(path, &error)) throw ScriptError{error};
}

// A file name made of the panel kind: letters, digits, dots, dashes.
std::string FileNameOf(const std::string& kind) {
  std::string name;
  for (char c : kind) name += (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-') ? c : '_';
  return name.empty() ? "panel" : name;
}

}  // namespace

bool Dialog::RunGraphicsCommand(const std::vector<std::string>& w) {
  const std::string& cmd = w[0];
  if (cmd == "snapshot") {
    if (w.size() != 3) throw ScriptError{"usage: snapshot TAG|window FILE.png"};
    if (w[1] == "window") {
      if (zqp::Window* win = FrontWindow()) {
        Write(*zqp::SnapshotWindow(*win), w[2]);
      } else {
        LoadedPanel& p = Focused();
        zqp::View* v = p.panel->panelView();
        if (v == nullptr) throw ScriptError{"panel " + p.name + " has no view"};
        Write(*zqp::SnapshotPanel(*v, p.name), w[2]);
      }
    } else {
      Write(*zqp::SnapshotView(*ViewForTag(w[1])), w[2]);
    }
    return true;
  }
  if (cmd == "pixel") {
    if (w.size() != 4) throw ScriptError{"usage: pixel TAG X Y"};
    zqp::View* v = ViewForTag(w[1]);
    double x, y;
    if (!ParseCoordinate(w[2], x) || !ParseCoordinate(w[3], y)) throw ScriptError{"not a point: " + w[2] + " " + w[3]};
    const zqp::Pixel px = zqp::PixelOfView(*v, x, y);
    out_ << "pixel: " << w[1] << " " << w[2] << " " << w[3] << " = " << int(px.r) << " " << int(px.g) << " "
         << int(px.b) << " " << int(px.a) << "\n";
    return true;
  }
  return false;
}

void Dialog::WriteSnapshots(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) throw ScriptError{"cannot make folder " + dir + ": " + ec.message()};
  std::map<std::string, int> seen;
  for (auto& p : panels_) {
    Restore(p);
    zqp::View* v = p.panel->panelView();
    if (v == nullptr) continue;
    std::string name = FileNameOf(p.kind);
    // Two panels of one kind: the second gets "-2", and so on.
    if (int n = ++seen[name]; n > 1) name += "-" + std::to_string(n);
    Write(*zqp::SnapshotPanel(*v, p.name), dir + "/" + name + ".png");
  }
}

}  // namespace printdialog
