#pragma once

#include <QWidget>

class QLabel;

// The splash window: the program's picture, on screen while the program starts.
class TTitleForm : public QWidget {
  Q_OBJECT

 public:
  explicit TTitleForm(QWidget *parent = nullptr);

  QLabel *Image1;

  // Shows the window and paints it before returning, since the start-up pause
  // that follows blocks the event loop.
  void ShowAtOnce();
};

extern TTitleForm *TitleForm;
