#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zqp/run_loop.h"

namespace {

TEST(RunLoop, TimersDeferredCallsAndNestedRuns) {
  auto& loop = zqp::RunLoop::Main();
  std::vector<std::string> order;
  loop.post([&] { order.push_back("posted"); });
  loop.addTimer(0.01, false, [&] { order.push_back("timer"); });
  const auto cancelled = loop.addTimer(0.01, false, [&] { order.push_back("cancelled"); });
  loop.cancelTimer(cancelled);
  // A modal run inside a call serves the same queue and returns to the outer run.
  loop.post([&] {
    bool inner = false;
    loop.post([&] { inner = true; });
    EXPECT_TRUE(loop.runUntil([&] { return inner; }, 1));
    EXPECT_EQ(loop.depth(), 1);
    order.push_back("modal");
  });
  EXPECT_TRUE(loop.runUntil([&] { return order.size() == 3; }, 2));
  EXPECT_EQ(order, (std::vector<std::string>{"posted", "modal", "timer"}));
  EXPECT_EQ(loop.depth(), 0);

  // stop() ends only the run it was called in.
  loop.post([&] { loop.stop(); });
  EXPECT_TRUE(loop.runUntil(nullptr, 2));
  EXPECT_FALSE(loop.runUntil([] { return false; }, 0.05));  // timed out
}

}  // namespace
