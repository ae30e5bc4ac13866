#include "toolwindow.h"

#include <QCloseEvent>

TToolWindow::TToolWindow(QWidget *frame, const QString &caption)
    : QWidget(frame, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
  setWindowTitle(caption);
}

// Closing only hides a widget that is not deleted on close. Accepting it lets
// the application's own requests to close every window (logging out, quit())
// go through; a panel that refused would keep the program running.
void TToolWindow::closeEvent(QCloseEvent *event) {
  event->accept();
  emit ClosedByUser();
}
