#include "keepopendialog.h"

#include <QKeyEvent>

TKeepOpenDialog::TKeepOpenDialog(const QString &caption, QSize clientSize, QWidget *parent) : QDialog(parent) {
  setWindowTitle(caption);
  setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(clientSize);
}

void TKeepOpenDialog::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}
