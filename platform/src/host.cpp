#include "zqp/host.h"

#include "zqp/events.h"

namespace zqp {

DialogHost::~DialogHost() = default;

Host::Host(ppd_file_t* ppd) : ppd_(ppd) {
  session_.SetPPD(ppd);
  session_.pageFormat().SetFromPpd(ppd);
}

bool Host::willChangePPDOptionKeyValue(const std::string& option, const std::string& choice) {
  bool accepted = ppd_ != nullptr && !refuseAll_ && !refused_.count(option) &&
                  !refused_.count(option + "=" + choice);
  if (accepted) {
    ppd_option_t* o = ppdFindOption(ppd_, option.c_str());
    accepted = o != nullptr && ppdFindChoice(o, choice.c_str()) != nullptr;
  }
  if (accepted) ppdMarkOption(ppd_, option.c_str(), choice.c_str());
  marks_.push_back(MarkRequest{option, choice, accepted});
  EventLog::Shared().Record(EventKind::kMark, option + "=" + choice + (accepted ? " accepted" : " refused"));
  if (accepted && listener_) listener_(option, choice);
  return accepted;
}

}  // namespace zqp
