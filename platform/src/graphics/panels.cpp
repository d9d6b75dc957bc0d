#include "zqp/panels.h"

#include <strings.h>
#include <sys/stat.h>

#include "zqp/events.h"

namespace zqp {

namespace {

// 0-based button of an older alert to its code: the buttons are default,
// then alternate and other as far as they are present.
int OlderCode(int index, bool hasAlternate) {
  if (index == 0) return kAlertDefaultReturn;
  if (index == 1 && hasAlternate) return kAlertAlternateReturn;
  return kAlertOtherReturn;
}

AlertInfo OlderAlert(const std::string& title, const std::string& message, const std::string& def,
                     const std::string& alt, const std::string& other) {
  AlertInfo info;
  info.messageText = title;
  info.informativeText = message;
  info.buttons.push_back(def.empty() ? "OK" : def);
  if (!alt.empty()) info.buttons.push_back(alt);
  if (!other.empty()) info.buttons.push_back(other);
  return info;
}

bool Allowed(const std::string& path, const std::vector<std::string>& types) {
  if (types.empty()) return true;
  const size_t slash = path.rfind('/'), dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
  const std::string ext = path.substr(dot + 1);
  for (const auto& t : types) {
    if (strcasecmp(t.c_str(), ext.c_str()) == 0) return true;
  }
  return false;
}

}  // namespace

int Alert::runModalResponse() { return kAlertFirstButtonReturn + runModal(); }

void Alert::beginSheetModalForWindow(Window*, std::function<void(int)> handler) {
  // Nothing else happens in the headless dialog while a sheet is up, so the
  // sheet is answered at once and its handler runs before this returns.
  const int code = runModalResponse();
  if (handler) handler(code);
}

int RunAlertPanel(const std::string& title, const std::string& message, const std::string& def,
                  const std::string& alt, const std::string& other) {
  const int index = Application::Shared().runAlert(OlderAlert(title, message, def, alt, other));
  return OlderCode(index, !alt.empty());
}

void BeginAlertSheet(const std::string& title, const std::string& def, const std::string& alt,
                     const std::string& other, Window*, const std::function<void(int)>& didEnd,
                     const std::string& message) {
  const int code = RunAlertPanel(title, message, def, alt, other);
  if (didEnd) didEnd(code);
}

void OpenPanel::setAllowedFileTypes(std::vector<std::string> types) {
  // Types may be given with their dot (".png") or without.
  for (auto& t : types) {
    if (!t.empty() && t[0] == '.') t.erase(0, 1);
  }
  info_.allowedTypes = std::move(types);
}

int OpenPanel::runModal() {
  chosen_.clear();
  std::optional<std::string> choice = Application::Shared().runFileChooser(info_);
  if (!choice || choice->empty()) return kFileHandlingPanelCancelButton;
  std::string path = *choice;
  if (path[0] != '/' && !info_.directory.empty()) path = info_.directory + "/" + path;
  struct stat st;
  const bool isFile = ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  if (!isFile || !Allowed(path, info_.allowedTypes)) {
    EventLog::Shared().Record(EventKind::kFileChooser,
                              "refused " + path + (isFile ? " (not an allowed type)" : " (no such file)"));
    return kFileHandlingPanelCancelButton;
  }
  chosen_ = path;
  return kFileHandlingPanelOKButton;
}

void OpenPanel::beginSheetModalForWindow(Window*, const std::function<void(int)>& handler) {
  const int code = runModal();
  if (handler) handler(code);
}

}  // namespace zqp
