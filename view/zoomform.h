#pragma once

#include <QDialog>

class QPushButton;
class TIntSpinEdit;

// The exact-zoom dialog: four whole-number limits for the plot window's view.
class TZoomForm : public QDialog {
  Q_OBJECT

 public:
  explicit TZoomForm(QWidget *parent = nullptr);

  TIntSpinEdit *MinXSE;
  TIntSpinEdit *MaxXSE;
  TIntSpinEdit *MinYSE;
  TIntSpinEdit *MaxYSE;
  QPushButton *CancelButton;
  QPushButton *OkButton;

  // Ranges and values from the project bounds, each rounded to the nearest
  // integer (ties to even).
  void PrepareForBounds(long double minX, long double maxX, long double minY, long double maxY);

  // Puts reversed pairs in order and widens empty ones, before the dialog closes.
  void OkButtonClick();

  // OK corrects the values before the dialog closes.
  void accept() override;
};

extern TZoomForm *ZoomForm;
