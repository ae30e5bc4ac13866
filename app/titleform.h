#pragma once

#include <QWidget>

// The splash window: the program's picture, on screen while the program starts.
class TTitleForm : public QWidget {
  Q_OBJECT

 public:
  explicit TTitleForm(QWidget *parent = nullptr);

  // Shows the window and paints it before returning, since the start-up pause
  // that follows blocks the event loop.
  void ShowAtOnce();

 protected:
  void paintEvent(QPaintEvent *event) override;
};

extern TTitleForm *TitleForm;
