#include "zqp/run_loop.h"

#include <utility>
#include <vector>

namespace zqp {

RunLoop& RunLoop::Main() {
  static RunLoop loop;
  return loop;
}

void RunLoop::post(Call fn) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    posted_.push_back(std::move(fn));
  }
  wake_.notify_all();
}

RunLoop::TimerId RunLoop::addTimer(double seconds, bool repeats, Call fn) {
  const auto interval = std::chrono::duration_cast<std::chrono::nanoseconds>(
      std::chrono::duration<double>(seconds < 0 ? 0 : seconds));
  std::lock_guard<std::mutex> lock(mutex_);
  const TimerId id = nextTimer_++;
  timers_[id] = Timer{Clock::now() + interval, interval, repeats, std::move(fn)};
  return id;
}

void RunLoop::cancelTimer(TimerId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  timers_.erase(id);
}

void RunLoop::stop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopDepth_ = depth_;
  }
  wake_.notify_all();
}

void RunLoop::discardPending() {
  std::deque<Call> calls;
  std::map<TimerId, Timer> timers;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    calls.swap(posted_);
    timers.swap(timers_);
  }
  // Destroyed outside the lock: a call's captures may post again.
}

bool RunLoop::dispatch() {
  std::deque<Call> calls;
  std::vector<TimerId> due;
  const auto now = Clock::now();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    calls.swap(posted_);
    for (const auto& [id, t] : timers_)
      if (t.due <= now) due.push_back(id);
  }
  for (auto& call : calls) call();
  for (TimerId id : due) {
    Call fn;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      auto it = timers_.find(id);
      if (it == timers_.end()) continue;  // cancelled by an earlier call
      fn = it->second.fn;
      if (it->second.repeats && it->second.interval.count() > 0) {
        it->second.due = now + it->second.interval;
      } else {
        timers_.erase(it);
      }
    }
    fn();
  }
  return !calls.empty() || !due.empty();
}

RunLoop::Clock::time_point RunLoop::nextDue(Clock::time_point limit) {
  for (const auto& [id, t] : timers_)
    if (t.due < limit) limit = t.due;
  return limit;
}

void RunLoop::runOnce() {
  ++depth_;
  dispatch();
  --depth_;
}

bool RunLoop::runUntil(const std::function<bool()>& done, double timeoutSeconds) {
  const bool bounded = timeoutSeconds >= 0;
  const auto deadline =
      bounded ? Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(timeoutSeconds))
              : Clock::time_point::max();
  ++depth_;
  const int myDepth = depth_;
  bool finished = false;
  for (;;) {
    if (done && done()) {
      finished = true;
      break;
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stopDepth_ == myDepth) {
        stopDepth_ = -1;
        finished = true;
        break;
      }
    }
    if (dispatch()) continue;
    if (Clock::now() >= deadline) break;
    std::unique_lock<std::mutex> lock(mutex_);
    if (posted_.empty() && stopDepth_ != myDepth) wake_.wait_until(lock, nextDue(deadline));
  }
  --depth_;
  return finished;
}

}  // namespace zqp
