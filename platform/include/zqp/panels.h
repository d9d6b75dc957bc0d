#pragma once
// The open panel and the answer codes of alerts.
//
// Alerts answer in the codes their caller was written for:
// - the older alert panels (RunAlertPanel, BeginAlertSheet): 1 for the
//   default button, 0 for the alternate, -1 for the other;
// - Alert::runModalResponse and Alert::beginSheetModalForWindow: 1000, 1001,
//   1002 for the first, second and third button;
// - Alert::runModal: the 0-based button index.
// The person (the installed ModalDriver) always picks a 0-based button.
#include <functional>
#include <string>
#include <vector>

#include "zqp/export.h"
#include "zqp/window.h"

namespace zqp {

inline constexpr int kAlertDefaultReturn = 1;
inline constexpr int kAlertAlternateReturn = 0;
inline constexpr int kAlertOtherReturn = -1;
inline constexpr int kAlertFirstButtonReturn = 1000;
inline constexpr int kAlertSecondButtonReturn = 1001;
inline constexpr int kAlertThirdButtonReturn = 1002;

inline constexpr int kFileHandlingPanelOKButton = 1;
inline constexpr int kFileHandlingPanelCancelButton = 0;

// An alert of up to three buttons: default (empty gives "OK"), alternate and
// other (empty: no such button). Answers 1, 0 or -1.
ZQP_API int RunAlertPanel(const std::string& title, const std::string& message, const std::string& defaultButton,
                          const std::string& alternateButton, const std::string& otherButton);
// The same as a sheet on the window; didEnd gets 1, 0 or -1.
ZQP_API void BeginAlertSheet(const std::string& title, const std::string& defaultButton,
                             const std::string& alternateButton, const std::string& otherButton, Window* window,
                             const std::function<void(int)>& didEnd, const std::string& message);

// Chooses one existing file. The person's choice is refused (as a cancel)
// when it is not a regular file or its extension is not among the allowed
// types (compared without regard to case). A relative choice is taken
// inside the initial folder.
class ZQP_API OpenPanel {
 public:
  void setTitle(std::string t) { info_.title = std::move(t); }
  void setAllowedFileTypes(std::vector<std::string> types);
  const std::vector<std::string>& allowedFileTypes() const { return info_.allowedTypes; }
  void setDirectory(std::string dir) { info_.directory = std::move(dir); }
  const std::string& directory() const { return info_.directory; }
  // kFileHandlingPanelOKButton (1) with a file chosen, else
  // kFileHandlingPanelCancelButton (0).
  int runModal();
  // The same as a sheet on the window; the handler gets 1 or 0.
  void beginSheetModalForWindow(Window* window, const std::function<void(int)>& handler);
  // The chosen file's path; empty after a cancel.
  const std::string& filename() const { return chosen_; }

 private:
  FileChooserInfo info_;
  std::string chosen_;
};

}  // namespace zqp
