#include "windowexposure.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QWindow>

bool WaitUntilExposed(const QWindow *window) {
  const QDeadlineTimer deadline(1000);
  while (window != nullptr && !window->isExposed() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(5);
  }
  return window != nullptr && window->isExposed();
}
