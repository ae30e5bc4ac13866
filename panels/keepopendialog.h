#pragma once

#include <QDialog>

// A dialog that only its buttons close: Enter and Esc do nothing, so a key
// pressed while typing an expression never dismisses it.
class TKeepOpenDialog : public QDialog {
  Q_OBJECT

 public:
  TKeepOpenDialog(const QString &caption, QSize clientSize, QWidget *parent);

 protected:
  void keyPressEvent(QKeyEvent *event) override;
};
