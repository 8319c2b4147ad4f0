#pragma once

#include <QDeadlineTimer>

#include <chrono>

namespace platform {

// Lets all pending events run once. When none is pending it blocks until the
// next event arrives or `deadline` expires, so a loop around it never spins.
void WaitForNextEvent(const QDeadlineTimer& deadline);

// Waits `duration` while events keep running.
void PauseWithEvents(std::chrono::milliseconds duration);

}  // namespace platform
