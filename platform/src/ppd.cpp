#include "zqp/ppd.h"

namespace zqp {

std::unique_ptr<PpdFile> PpdFile::Open(const std::string& path, std::string* error) {
  ppd_file_t* ppd = ppdOpenFile(path.c_str());
  if (ppd == nullptr) {
    if (error) {
      int line = 0;
      ppd_status_t st = ppdLastError(&line);
      *error = "cannot open PPD " + path + ": " + ppdErrorString(st);
      if (st != PPD_FILE_OPEN_ERROR && line > 0) *error += " (line " + std::to_string(line) + ")";
    }
    return nullptr;
  }
  ppdMarkDefaults(ppd);
  return std::unique_ptr<PpdFile>(new PpdFile(ppd, path));
}

PpdFile::~PpdFile() { ppdClose(ppd_); }

std::string MarkedChoice(ppd_file_t* ppd, const std::string& option) {
  if (ppd == nullptr) return {};
  ppd_choice_t* c = ppdFindMarkedChoice(ppd, option.c_str());
  return c ? c->choice : std::string();
}

}  // namespace zqp
