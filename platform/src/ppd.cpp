#include "zqp/ppd.h"

#include <cstdio>

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

namespace {

// The value a custom choice was marked with, as the job option carries it.
std::string CustomValue(ppd_file_t* ppd, const std::string& option) {
  ppd_coption_t* custom = ppdFindCustomOption(ppd, option.c_str());
  ppd_cparam_t* param = custom != nullptr ? ppdFirstCustomParam(custom) : nullptr;
  if (param == nullptr) return {};
  switch (param->type) {
    case PPD_CUSTOM_INT: return std::to_string(param->current.custom_int);
    case PPD_CUSTOM_CURVE:
    case PPD_CUSTOM_INVCURVE:
    case PPD_CUSTOM_POINTS:
    case PPD_CUSTOM_REAL: {
      char text[64];
      std::snprintf(text, sizeof text, "%g", static_cast<double>(param->current.custom_real));
      return text;
    }
    case PPD_CUSTOM_PASSCODE:
    case PPD_CUSTOM_PASSWORD:
    case PPD_CUSTOM_STRING:
      return param->current.custom_string != nullptr ? param->current.custom_string : "";
    default: return {};
  }
}

}  // namespace

std::string MarkedChoice(ppd_file_t* ppd, const std::string& option) {
  if (ppd == nullptr) return {};
  ppd_choice_t* c = ppdFindMarkedChoice(ppd, option.c_str());
  if (c == nullptr) return {};
  // A typed value travels as "Custom.<value>", as the dialog marked it.
  if (std::string(c->choice) == "Custom") {
    const std::string value = CustomValue(ppd, option);
    if (!value.empty()) return "Custom." + value;
  }
  return c->choice;
}

}  // namespace zqp
