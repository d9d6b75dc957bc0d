#include "zqp/events.h"

namespace zqp {

const char* EventKindName(EventKind kind) {
  switch (kind) {
    case EventKind::kAlert: return "alert";
    case EventKind::kBeep: return "beep";
    case EventKind::kMark: return "mark";
    case EventKind::kHelp: return "help";
    case EventKind::kModal: return "modal";
    case EventKind::kFileChooser: return "choose-file";
    case EventKind::kPanel: return "panel";
    case EventKind::kPrint: return "print";
    case EventKind::kApplication: return "app";
  }
  return "event";
}

std::string Event::Line() const {
  std::string line = EventKindName(kind);
  if (!text.empty()) {
    line += ": ";
    line += text;
  }
  return line;
}

EventLog& EventLog::Shared() {
  static EventLog log;
  return log;
}

void EventLog::Record(EventKind kind, std::string text) {
  Event e{kind, std::move(text)};
  events_.push_back(e);
  if (listener_) listener_(e);
}

size_t EventLog::Count(EventKind kind) const {
  size_t n = 0;
  for (const auto& e : events_) n += e.kind == kind;
  return n;
}

}  // namespace zqp
