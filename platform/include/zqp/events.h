#pragma once
// What the headless dialog lets a person see or hear: alerts, beeps, PPD
// marks, help pages, modal windows opening and closing. Every part of the
// layer records into one process-wide log; the print dialog prints it as its
// transcript and tests read it back.
#include <functional>
#include <string>
#include <vector>

#include "zqp/export.h"

namespace zqp {

enum class EventKind { kAlert, kBeep, kMark, kHelp, kModal, kFileChooser, kPanel, kPrint, kApplication };

struct Event {
  EventKind kind;
  std::string text;  // what follows "<kind>: " in a transcript line
  // The transcript line, e.g. "alert: Title | Details | OK" or "beep".
  ZQP_API std::string Line() const;
};

class ZQP_API EventLog {
 public:
  static EventLog& Shared();

  void Record(EventKind kind, std::string text);
  const std::vector<Event>& events() const { return events_; }
  size_t Count(EventKind kind) const;
  void Clear() { events_.clear(); }
  // Called after every recorded event (the dialog writes its transcript
  // from here). An empty function removes the listener.
  void SetListener(std::function<void(const Event&)> listener) { listener_ = std::move(listener); }

 private:
  std::vector<Event> events_;
  std::function<void(const Event&)> listener_;
};

ZQP_API const char* EventKindName(EventKind kind);

}  // namespace zqp
