// A nib (the JSON that declares a bundle's windows and views), loaded with
// outlets of several classes so that wrong classes and references are met.
#include <memory>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "zqp/nib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = zqfuzz::ScratchDir() + "/input.nib";
  zqfuzz::WriteFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
  zqp::View* panelView = nullptr;
  zqp::Window* setupWindow = nullptr;
  zqp::PopUpButton* list = nullptr;
  zqp::Button* button = nullptr;
  zqp::TextField* field = nullptr;
  zqp::TabView* tabs = nullptr;
  zqp::Outlets owner;
  owner.bind("panelView", panelView);
  owner.bind("setupWindow", setupWindow);
  owner.bind("list", list);
  owner.bind("button", button);
  owner.bind("field", field);
  owner.bind("tabs", tabs);
  std::vector<std::unique_ptr<zqp::Object>> topLevel;
  std::string error;
  zqp::LoadNibFile(path, owner, topLevel, &error);
  return 0;
}
