#include "platform/event_wait.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(EventWait, PauseLetsQueuedEventsRunAndLastsItsDuration) {
  bool fired = false;
  QTimer::singleShot(20, [&] { fired = true; });
  QElapsedTimer clock;
  clock.start();
  platform::PauseWithEvents(std::chrono::milliseconds(150));
  EXPECT_TRUE(fired);
  EXPECT_GE(clock.elapsed(), 150);
}

TEST(EventWait, AWaitLoopWithNothingHappeningBlocksInsteadOfSpinning) {
  const QDeadlineTimer deadline(std::chrono::milliseconds(300));
  int passes = 0;
  while (!deadline.hasExpired()) {
    platform::WaitForNextEvent(deadline);
    ++passes;
  }
  // A spinning loop makes hundreds of thousands of passes in this time.
  EXPECT_LT(passes, 50);
}

TEST(EventWait, WaitForNextEventReturnsOnAnEventBeforeTheDeadline) {
  bool fired = false;
  QTimer::singleShot(10, [&] { fired = true; });
  const QDeadlineTimer deadline(std::chrono::seconds(30));
  while (!fired && !deadline.hasExpired()) platform::WaitForNextEvent(deadline);
  EXPECT_TRUE(fired);
  EXPECT_FALSE(deadline.hasExpired());
}

}  // namespace
