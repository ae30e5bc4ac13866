#include "toolwindow.h"

#include <QCloseEvent>

TToolWindow::TToolWindow(QWidget *frame, const QString &caption)
    : QWidget(frame, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
  setWindowTitle(caption);
}

void TToolWindow::closeEvent(QCloseEvent *event) {
  event->ignore();
  hide();
  emit ClosedByUser();
}
