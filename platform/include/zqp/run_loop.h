#pragma once
// The main thread's run loop: timers, deferred calls and calls posted from
// other threads (transfer completions), all run on the thread that runs the
// loop. Runs nest: a modal run inside a callback runs the same queue.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>

#include "zqp/export.h"

namespace zqp {

class ZQP_API RunLoop {
 public:
  using Call = std::function<void()>;
  using TimerId = uint64_t;

  static RunLoop& Main();

  // Runs fn on the loop's thread at its next turn; safe from any thread.
  void post(Call fn);
  // Runs fn after `seconds`, again every `seconds` when repeating, until
  // cancelled. Only from the loop's thread.
  TimerId addTimer(double seconds, bool repeats, Call fn);
  void cancelTimer(TimerId id);

  // Runs until done() answers true, stop() is called or `timeoutSeconds`
  // (negative: none) pass. True when done() answered true (or stop() ended it).
  bool runUntil(const std::function<bool()>& done, double timeoutSeconds = -1);
  // Runs what is due now without waiting.
  void runOnce();
  // Ends the innermost run.
  void stop();
  // Drops every posted call and timer not yet run: what an application left
  // behind when it ended must not run on its objects once they are gone.
  void discardPending();
  int depth() const { return depth_; }

 private:
  using Clock = std::chrono::steady_clock;
  struct Timer {
    Clock::time_point due;
    std::chrono::nanoseconds interval;
    bool repeats;
    Call fn;
  };
  // Runs posted calls and due timers; false when nothing was due.
  bool dispatch();
  Clock::time_point nextDue(Clock::time_point limit);

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Call> posted_;
  std::map<TimerId, Timer> timers_;
  TimerId nextTimer_ = 1;
  int depth_ = 0;
  int stopDepth_ = -1;
};

}  // namespace zqp
