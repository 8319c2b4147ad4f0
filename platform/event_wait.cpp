#include "platform/event_wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace platform {

void WaitForNextEvent(const QDeadlineTimer& deadline) {
  // The timer's own event ends the block when nothing else happens in time.
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  wake.start(std::chrono::milliseconds(std::max<qint64>(0, deadline.remainingTime())));
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void PauseWithEvents(std::chrono::milliseconds duration) {
  const QDeadlineTimer deadline(duration, Qt::PreciseTimer);
  while (!deadline.hasExpired()) WaitForNextEvent(deadline);
}

}  // namespace platform
