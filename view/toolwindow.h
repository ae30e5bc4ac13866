#pragma once

#include <QWidget>

// A panel: a small tool window that stays on top of the frame and only hides
// when its close box is used, telling the frame so.
class TToolWindow : public QWidget {
  Q_OBJECT

 public:
  TToolWindow(QWidget *frame, const QString &caption);

 signals:
  void ClosedByUser();

 protected:
  void closeEvent(QCloseEvent *event) override;
};
