#include "keepopendialog.h"

#include <QKeyEvent>

#include "dialoglayout.h"

TKeepOpenDialog::TKeepOpenDialog(const QString &caption, QSize clientSize, QWidget *parent) : QDialog(parent) {
  SetUpDialog(*this, caption, clientSize);
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
